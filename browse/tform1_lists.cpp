// TForm1's recent folders, favourites, MyShow history and drive menus: the
// menus filled from the settings as they open, their entries opened in the
// folder tree or played, the default start-up folder and the automatic show.
#include "app/tform1.h"

#include "base/caption_helpers.h"
#include "base/environment.h"
#include "app/menu_style.h"
#include "base/settings_fields.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "browse/drive_menu.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_state.h"
#include "browse/picture_display.h"
#include "browse/recent_lists.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

namespace {

// Shows the used entries of a list in its menu items; free slots hide theirs.
// True when at least one entry is used.
template <size_t N>
bool FillListMenu(const std::array<QString, N>& list, const std::array<QAction*, N>& items)
{
    bool any = false;
    for (size_t n = 0; n < N; ++n) {
        QAction* item = items[n];
        if (!item)
            continue;
        if (!list[n].isEmpty()) {
            item->setText(ListMenuCaption(int(n), list[n]));
            item->setVisible(true);
            any = true;
        } else {
            item->setVisible(false);
            item->setText(QString());
        }
    }
    return any;
}

bool ShowRuns()
{
    return PlaybackActive == 1;
}

bool OpenShowMayNotChange()
{
    return ShowMayNotChange(ShowRuns(), ShowState.PlaysOwnShowFile, ShowChangeable == 1);
}

// Wires the list and drive menus of a main window when it is first shown
// and fills the list menus from the settings read at start.
class ListMenusWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto* form = qobject_cast<TForm1*>(watched);
        if (form && !form->property("vxListMenusBuilt").toBool()) {
            form->setProperty("vxListMenusBuilt", true);
            form->BuildRecentMenu();
            form->BuildFavoritesMenu();
            form->BuildHistoryMenu();
        }
        return false;
    }
};

void watchForListMenus()
{
    qApp->installEventFilter(new ListMenusWatcher(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForListMenus)

void TForm1::SetupListMenus()
{
    if (m_listMenusSetUp)
        return;
    m_listMenusSetUp = true;

    const auto onOpen = [this](QMenu* menu, auto&& handler) {
        if (menu)
            connect(menu, &QMenu::aboutToShow, this, handler);
    };
    onOpen(Recent1, [this] { Recent1Click(); });
    onOpen(Favorites, [this] { FavoritesClick(); });
    onOpen(MyShow, [this] {
        BuildHistoryMenu();
        MeasureMenu(MyShow);
    });
    onOpen(Bestand1, [this] { BuildDriveMenu(); });
    onOpen(DrivePop, [this] { DrivePopPopup(); });

    const auto onClick = [this](QAction* action, auto&& handler) {
        if (action)
            connect(action, &QAction::triggered, this, handler);
    };
    for (int n = 0; n < RecentSlots; ++n)
        onClick(FolderItems[size_t(n)], [this, n] {
            ListIsFavorites = 0;
            ListEntryIndex = n;
            OpenRecentEntry();
        });
    for (int n = 0; n < FavoriteSlots; ++n)
        onClick(FavItems[size_t(n)], [this, n] {
            ListIsFavorites = 1;
            ListEntryIndex = n;
            OpenRecentEntry();
        });
    for (int n = 0; n < HistorySlots; ++n)
        onClick(HistoryItems[size_t(n)], [this, n] {
            HistoryEntryIndex = n;
            OpenHistoryShow();
        });
    for (int n = 0; n < DriveLetterCount; ++n) {
        const auto open = [this, n] {
            DriveMenuIndex = n;
            OpenDrive();
        };
        onClick(DriveItems[size_t(n)], open);
        onClick(PDriveItems[size_t(n)], open);
    }
    onClick(MDesktop, [this] { DesktopClick(); });
    onClick(Desktop, [this] { DesktopClick(); });
    onClick(MMyPictures, [this] { MyPicturesClick(); });
    onClick(MyPictures, [this] { MyPicturesClick(); });
    onClick(MInternet, [this] { InternetClick(); });
    onClick(Internet, [this] { InternetClick(); });
    onClick(MDefStartUp, [this] { DPDefStartUpClick(); });
    onClick(DPDefStartUp, [this] { DPDefStartUpClick(); });

    onClick(AddSelectedFolder, [this] { AddSelectedFolderClick(); });
    onClick(AddSelectedFolderPop, [this] { AddSelectedFolderClick(); });
    onClick(AddFolder, [this] {
        AddToFavorites(SelectedFolder, AddFolder->text().startsWith(QLatin1String("Add")));
    });
    onClick(AddShow, [this] {
        AddToFavorites(OpenShowPath, AddShow->text().startsWith(QLatin1String("Add")));
    });
    onClick(MakeDefault, [this] { MakeDefaultClick(); });
    onClick(MakeDefaultPop, [this] { MakeDefaultPopClick(); });
    onClick(MakeAutomatic, [this] { MakeAutomaticClick(MakeAutomatic); });
    onClick(AutomaticFolder, [this] { MakeAutomaticClick(AutomaticFolder); });
    onClick(AutomaticShow, [this] { MakeAutomaticClick(AutomaticShow); });
    onClick(MakeAutoMaticPop, [this] { MakeAutoMaticPopClick(); });
}

// ---- The list menus ------------------------------------------------------------

void TForm1::BuildRecentMenu()
{
    SetupListMenus();
    FillListMenu(Settings.RecentFolders, FolderItems);
}

void TForm1::BuildFavoritesMenu()
{
    SetupListMenus();
    FillListMenu(Settings.Favorites, FavItems);
}

void TForm1::BuildHistoryMenu()
{
    SetupListMenus();
    if (N1)
        N1->setVisible(false);
    const bool any = FillListMenu(Settings.ShowHistory, HistoryItems);
    if (N1 && any)
        N1->setVisible(true);
}

void TForm1::Recent1Click()
{
    BuildRecentMenu();
    const bool used = FolderItems[0] && FolderItems[0]->isVisible();
    for (QAction* item : {N16, ClearRec})
        if (item)
            item->setVisible(used);
    MeasureMenu(Recent1);
}

void TForm1::FavoritesClick()
{
    BuildFavoritesMenu();
    const bool used = FavItems[0] && FavItems[0]->isVisible();
    for (QAction* item : {N12, ClearFavs})
        if (item)
            item->setVisible(used);
    MeasureMenu(Favorites);
}

// ---- Changing the lists ----------------------------------------------------------

void TForm1::AddToRecentFolders()
{
    RecentAddInput in;
    in.path = RecentCandidate;
    in.listEntryStarted = ListEntryStarted == 1;
    in.existingShowFile = QFileInfo(RecentCandidate).isFile();
    in.mayNotChange = OpenShowMayNotChange();
    const RecentAddOutcome out = AddToRecentList(Settings, in);
    if (out.result == RecentAddResult::Unchangeable || out.result == RecentAddResult::Empty)
        return;
    ListIsFavorites = 0;
    if (out.result == RecentAddResult::IsFavorite) {
        // A following walk of this path belongs to the favourite.
        ListEntryIndex = out.favoriteIndex;
        ListIsFavorites = 1;
        return;
    }
    if (out.result == RecentAddResult::Added)
        BuildRecentMenu();
}

void TForm1::AddToShowHistory(const QString& path)
{
    PutAtTopOfHistory(Settings.ShowHistory, path);
    BuildHistoryMenu();
}

void TForm1::AddToFavorites(const QString& path, bool add)
{
    if (add && !path.isEmpty()) {
        if (QFileInfo(path).isFile() && OpenShowMayNotChange()) {
            platform::showMessage(platform::PromptKind::Error, UnchangeableFavoriteText);
        } else if (AddToFirstFreeSlot(Settings.Favorites, path) < 0) {
            if (platform::showMessage(platform::PromptKind::Confirmation, FavoritesFullText, platform::kYesNo)
                == platform::PromptAnswer::Yes) {
                // The favourites maintenance window opens from its menu item.
                if (ClearFavs)
                    ClearFavs->trigger();
                if (Settings.Favorites[FavoriteSlots - 1].isEmpty()
                    && platform::showMessage(platform::PromptKind::Confirmation, AddFavoriteNowText(path),
                                             platform::kYesNo)
                           == platform::PromptAnswer::Yes)
                    AddToFirstFreeSlot(Settings.Favorites, path);
            }
        }
    } else if (!add) {
        RemoveListEntry(Settings.Favorites, path, ListCompare::IgnoreCase);
    }
    BuildFavoritesMenu();
}

void TForm1::RemoveFromRecent(const QString& path)
{
    if (RemoveListEntry(Settings.RecentFolders, path, ListCompare::IgnoreCase))
        BuildRecentMenu();
}

void TForm1::RemoveFromFavorites(const QString& path)
{
    if (RemoveListEntry(Settings.Favorites, path, ListCompare::IgnoreCase))
        BuildFavoritesMenu();
}

void TForm1::RemoveFromHistory(const QString& path)
{
    if (RemoveListEntry(Settings.ShowHistory, path, ListCompare::Exact))
        BuildHistoryMenu();
}

bool TForm1::FindInRecentLists(QChar kind, const QString& path)
{
    const int index = FindInList(Settings, kind, path);
    if (index < 0)
        return false;
    FoundListIndex = index;
    return true;
}

int32_t TForm1::FavoriteIndexOf(const QString& path)
{
    return FindListEntry(Settings.Favorites, path, ListCompare::IgnoreCase);
}

// ---- Opening entries -------------------------------------------------------------

void TForm1::OpenRecentEntry()
{
    SetupListMenus();
    // In the thumbnail view the show is stopped first; its end opens the
    // entry again.
    if (DisplayHooks().ThumbnailViewActive && DisplayHooks().ThumbnailViewActive()) {
        ReopenAfterStop = 1;
        ToolButton2Click();
        return;
    }
    SearchCollecting = 0;
    const bool ctrl = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
    const bool play = ctrl || ReopenAfterStop == 1 || ShowRuns();
    ReopenAfterStop = 0;
    if (ListEntryIndex < 0 || ListEntryIndex >= RecentSlots)
        return;
    const QString entry = ListIsFavorites == 1 ? Settings.Favorites[size_t(ListEntryIndex)]
                                               : Settings.RecentFolders[size_t(ListEntryIndex)];
    if (entry.isEmpty())
        return;
    ListEntryIsShow = QFileInfo(entry).isFile() ? 1 : 0;
    if (play) {
        playListEntry(entry);
        return;
    }
    // Browse: the walk writes the path, with its letter case as found on
    // disk, back into this entry.
    FolderToOpen = entry;
    ListEntryStarted = 0;
    KeepListEntry = 0;
    MarkListEntryOpening(ListIsFavorites == 1, ListEntryIndex);
    OpenFolderOrShow();
}

void TForm1::playListEntry(const QString& entry)
{
    if (ShowRuns())
        EndShow();
    ShowState.PlaysOwnShowFile = false;
    const QFileInfo info(entry);
    if (!info.exists()) {
        ListEntryStarted = 0;
        platform::showMessage(platform::PromptKind::Plain, QStringLiteral("Folder or File no longer exists!"));
        return;
    }
    ListEntryStarted = 1;
    StartedListEntry = entry;
    // The play options in effect, for a folder and a show file alike.
    ApplyShowOptions();
    QStringList pictures;
    if (info.isDir()) {
        pictures = CollectFolderPictures(entry, PlayOptions);
    } else {
        if (entry == OpenShowPath)
            ListEntryStarted = 0;
        pictures = ReadShowPicturePaths(entry);
        ShowState.PlaysOwnShowFile = true;
    }
    const TShowPictures existing = ShowPicturesToPlay(pictures);
    if (existing.Paths.isEmpty()) {
        platform::showMessage(platform::PromptKind::Information, QStringLiteral("No pictures to show"));
        return;
    }
    RecentCandidate = entry;
    AddToRecentFolders();
    PlayPictures(existing.Paths, existing.Records);
}

void TForm1::OpenHistoryShow()
{
    SetupListMenus();
    if (Timer1)
        Timer1->stop();
    if (HistoryEntryIndex < 0 || HistoryEntryIndex >= HistorySlots)
        return;
    const QString entry = Settings.ShowHistory[size_t(HistoryEntryIndex)];
    if (entry.isEmpty() || !QFileInfo(entry).isFile()) {
        platform::showMessage(platform::PromptKind::Plain, QStringLiteral("File no longer exists!"));
        return;
    }
    LoadMyShowClick(entry);
    if (NamedShowOpen != 1 || OpenShowPath != entry)
        return;   // the show could not be opened (said so already)
    const qint64 freeKB = FreeSpaceOnDrive(platform::DriveLetterOf(entry));
    if (freeKB <= 0)
        ShowChangeable = 0;
    ShowMyShowLabel(QStringLiteral("Copy"));
    AddToShowHistory(entry);
    UpdateFolderCaption();
    if (SaveMyShowAs)
        SaveMyShowAs->setEnabled(ShowChangeable == 1);
    if (DeleteMyShow) {
        const bool writable = (QFileInfo(entry).permissions() & QFileDevice::WriteOwner) != 0;
        DeleteMyShow->setEnabled(ShowChangeable == 1 && writable && freeKB > 0);
    }
}

// ---- Favourite, default and automatic commands --------------------------------

namespace {

// The folder or show the File menu's single items name: the list entry a
// show was played from, the running show's file, else the selected folder.
QString CurrentListPath()
{
    if (ListEntryStarted == 1)
        return StartedListEntry;
    if (PlaybackActive == 1 && SourceIsShow == 1 && !OpenShowPath.isEmpty())
        return OpenShowPath;
    return SelectedFolder;
}

} // namespace

void TForm1::AddSelectedFolderClick()
{
    // The item offers "Add" for a path that is not a favourite and "Delete"
    // for one that is; asking the list itself also serves the tree's pop-up,
    // whose File-menu twin may not have been rebuilt for this folder.
    const QString path = CurrentListPath();
    AddToFavorites(path, FavoriteIndexOf(path) < 0);
}

void TForm1::MakeDefaultClick()
{
    const QString path = ListEntryStarted == 1 ? StartedListEntry : SelectedFolder;
    if (path.isEmpty())
        return;
    Settings.StartupFolder = path;
    if (MakeDefault) {
        MakeDefault->setText(QStringLiteral("'") + ShortenPathCaption(path, true)
                             + QStringLiteral("' is already the default start-up folder"));
        MakeDefault->setEnabled(false);
    }
}

void TForm1::MakeAutomaticClick(QObject* sender)
{
    Settings.KeepAutoShow = 1;
    QString path;
    if (sender && sender == AutomaticFolder)
        path = SelectedFolder;
    else if (sender && sender == AutomaticShow)
        path = OpenShowPath;
    else
        path = CurrentListPath();
    Settings.AutoShowPath = path;
    StorePlayOptionsInAutoShow(Settings);
    SettingsChanged();
}

void TForm1::MakeDefaultPopClick()
{
    ListEntryStarted = 0;
    MakeDefaultClick();
}

void TForm1::MakeAutoMaticPopClick()
{
    ListEntryStarted = 0;
    MakeAutomaticClick(this);
}

void TForm1::DPDefStartUpClick()
{
    KeepListEntry = 0;
    ListEntryToUpdate = ListEntryRef{};
    FolderToOpen = Settings.StartupFolder;
    OpenFolderOrShow();
}

// ---- Drives ----------------------------------------------------------------------

void TForm1::PrepareDriveTable()
{
    const DriveTableResult table = BuildDriveMenuTable(
        platform::drives(), [](QChar letter) { return platform::DriveReady(letter); },
        [this](QChar letter) { return FreeSpaceOnDrive(letter); });
    DriveTable = table.entries;
    FirstWritableCdDrive = table.firstWritableCdDrive;
}

void TForm1::BuildDriveMenu()
{
    SetupListMenus();
    PrepareDriveTable();
    for (int n = 0; n < DriveLetterCount; ++n) {
        QAction* item = DriveItems[size_t(n)];
        if (!item)
            continue;
        const QString& entry = DriveTable[size_t(n)];
        // A letter whose volume is gone is hidden: letters follow the mount
        // points, so a stale item would name another volume's letter.
        item->setText(entry.isEmpty() ? QString() : DriveMenuCaption(entry));
        item->setVisible(!entry.isEmpty());
    }
    if (DriveChange1 && DrivePop) {
        const QList<QAction*> from = DriveChange1->actions();
        const QList<QAction*> to = DrivePop->actions();
        for (qsizetype i = 0; i < from.size() && i < to.size(); ++i) {
            to[i]->setText(from[i]->text());
            to[i]->setVisible(from[i]->isVisible());
            to[i]->setEnabled(from[i]->isEnabled());
        }
    }
    const auto found = [](const QString& folder) { return !folder.isEmpty() && QFileInfo(folder).isDir(); };
    const bool desktop = found(DesktopFolder), pictures = found(MyPicturesFolder),
               internet = found(InternetCacheFolder);
    for (const auto& [item, shown] : {std::pair{MDesktop, desktop}, std::pair{MMyPictures, pictures},
                                      std::pair{MInternet, internet}})
        if (item)
            item->setVisible(shown);
    if (N25)
        N25->setVisible(desktop || pictures || internet);
    MeasureMenu(DriveChange1);
}

void TForm1::DrivePopPopup()
{
    BuildDriveMenu();
    const auto found = [](const QString& folder) { return !folder.isEmpty() && QFileInfo(folder).isDir(); };
    const bool desktop = found(DesktopFolder), pictures = found(MyPicturesFolder),
               internet = found(InternetCacheFolder);
    for (const auto& [item, shown] : {std::pair{Desktop, desktop}, std::pair{MyPictures, pictures},
                                      std::pair{Internet, internet}})
        if (item)
            item->setVisible(shown);
    if (N25)
        N25->setVisible(desktop || pictures || internet);
    MeasureMenu(DrivePop);
}

void TForm1::OpenDrive()
{
    if (DriveMenuIndex < 0 || DriveMenuIndex >= DriveLetterCount)
        return;
    const QString& entry = DriveTable[size_t(DriveMenuIndex)];
    FolderToOpen = entry.isEmpty() ? QString(QChar('A' + DriveMenuIndex)) + QLatin1Char(':') : entry.left(2);
    KeepListEntry = 1;
    ListEntryToUpdate = ListEntryRef{};
    OpenFolderOrShow();
}

bool TForm1::IsOnFixedDrive(const QString& path)
{
    return ::IsOnFixedDrive(path);
}

qint64 TForm1::FileSizeOf(const QString& path)
{
    return ::FileSizeOf(path);
}

qint64 TForm1::FreeSpaceOnDrive(QChar letter)
{
    return ::FreeSpaceOnDrive(letter, DemoMode != 0);
}
