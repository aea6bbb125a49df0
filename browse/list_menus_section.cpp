// The main window's recent folders, favourites, MyShow history and drive
// menus: the menus filled from the settings as they open, their entries
// opened in the folder tree or played, the default start-up folder and the
// automatic show.
#include "browse/list_menus_section.h"

#include "base/caption_helpers.h"
#include "base/environment.h"
#include "base/settings_fields.h"
#include "base/settings_store.h"
#include "base/start_args.h"
#include "browse/drive_menu.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/recent_lists.h"
#include "platform/designed_widgets.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "base/play_options.h"
#include "browse/folder_pictures.h"

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

bool ShowRuns(const ShowSession& session)
{
    return session.PlaybackActive == 1;
}

bool OpenShowMayNotChange(const ShowSession& session, const OpenShow& show)
{
    return ShowMayNotChange(ShowRuns(session), session.ShowState.PlaysOwnShowFile, show.ShowChangeable == 1);
}

ListMenusItems TakeListMenusItems(const QWidget& window)
{
    return {
        .Recent1 = platform::MenuNamed(window, "Recent1"),
        .Favorites = platform::MenuNamed(window, "Favorites"),
        .MyShow = platform::MenuNamed(window, "MyShow"),
        .Bestand1 = platform::MenuNamed(window, "Bestand1"),
        .DriveChange1 = platform::MenuNamed(window, "DriveChange1"),
        .DrivePop = platform::MenuNamed(window, "DrivePop"),
        .FolderItems = platform::NumberedActions<9>(window, "Folder", 1),
        .FavItems = platform::NumberedActions<9>(window, "Fav", 1),
        .HistoryItems = platform::NumberedActions<5>(window, "histVXO", 1),
        .DriveItems = platform::NumberedActions<26>(window, "Drive", 1, 2),
        .PDriveItems = platform::NumberedActions<26>(window, "PDrive", 1, 2),
        .MDesktop = platform::ActionNamed(window, "MDesktop"),
        .Desktop = platform::ActionNamed(window, "Desktop"),
        .MMyPictures = platform::ActionNamed(window, "MMyPictures"),
        .MyPictures = platform::ActionNamed(window, "MyPictures"),
        .MInternet = platform::ActionNamed(window, "MInternet"),
        .Internet = platform::ActionNamed(window, "Internet"),
        .MDefStartUp = platform::ActionNamed(window, "MDefStartUp"),
        .DPDefStartUp = platform::ActionNamed(window, "DPDefStartUp"),
        .AddSelectedFolder = platform::ActionNamed(window, "AddSelectedFolder"),
        .AddSelectedFolderPop = platform::ActionNamed(window, "AddSelectedFolderPop"),
        .AddFolder = platform::ActionNamed(window, "AddFolder"),
        .AddShow = platform::ActionNamed(window, "AddShow"),
        .MakeDefault = platform::ActionNamed(window, "MakeDefault"),
        .MakeDefaultPop = platform::ActionNamed(window, "MakeDefaultPop"),
        .MakeAutomatic = platform::ActionNamed(window, "MakeAutomatic"),
        .AutomaticFolder = platform::ActionNamed(window, "AutomaticFolder"),
        .AutomaticShow = platform::ActionNamed(window, "AutomaticShow"),
        .MakeAutoMaticPop = platform::ActionNamed(window, "MakeAutoMaticPop"),
        .N1 = platform::ActionNamed(window, "N1"),
        .N12 = platform::ActionNamed(window, "N12"),
        .N16 = platform::ActionNamed(window, "N16"),
        .N25 = platform::ActionNamed(window, "N25"),
        .ClearRec = platform::ActionNamed(window, "ClearRec"),
        .ClearFavs = platform::ActionNamed(window, "ClearFavs"),
        .SaveMyShowAs = platform::ActionNamed(window, "SaveMyShowAs"),
        .DeleteMyShow = platform::ActionNamed(window, "DeleteMyShow")
    };
}

} // namespace

ListMenusSection::ListMenusSection(const ListMenusWidgets& widgets, FolderTreeController& tree, OpenShow& openShow,
                                   SettingsStore& settings, const DataPaths& paths,
                                   const EnvironmentInfo& environment, const StartContext& start,
                                   ShowSession& session)
    : QObject(widgets.Window), m_tree(tree), m_openShow(openShow), m_session(session), m_settings(settings),
      m_paths(paths), m_environment(environment), m_start(start), m_w{widgets, TakeListMenusItems(*widgets.Window)}
{
    setObjectName(QStringLiteral("ListMenusSection"));
}

ListMenusSection::~ListMenusSection() = default;

void ListMenusSection::SetupListMenus()
{
    if (m_listMenusSetUp)
        return;
    m_listMenusSetUp = true;

    const auto onOpen = [this](QMenu* menu, auto&& handler) {
        if (menu)
            connect(menu, &QMenu::aboutToShow, this, handler);
    };
    onOpen(m_w.Recent1, [this] { Recent1Click(); });
    onOpen(m_w.Favorites, [this] { FavoritesClick(); });
    onOpen(m_w.MyShow, [this] {
        BuildHistoryMenu();
        emit menuMeasureWanted(m_w.MyShow);
    });
    onOpen(m_w.Bestand1, [this] { BuildDriveMenu(); });
    onOpen(m_w.DrivePop, [this] { DrivePopPopup(); });

    const auto onClick = [this](QAction* action, auto&& handler) {
        if (action)
            connect(action, &QAction::triggered, this, handler);
    };
    for (int n = 0; n < RecentSlots; ++n)
        onClick(m_w.FolderItems[size_t(n)], [this, n] {
            ListIsFavorites = 0;
            ListEntryIndex = n;
            OpenRecentEntry();
        });
    for (int n = 0; n < FavoriteSlots; ++n)
        onClick(m_w.FavItems[size_t(n)], [this, n] {
            ListIsFavorites = 1;
            ListEntryIndex = n;
            OpenRecentEntry();
        });
    for (int n = 0; n < HistorySlots; ++n)
        onClick(m_w.HistoryItems[size_t(n)], [this, n] {
            HistoryEntryIndex = n;
            OpenHistoryShow();
        });
    for (int n = 0; n < DriveLetterCount; ++n) {
        const auto open = [this, n] {
            DriveMenuIndex = n;
            OpenDrive();
        };
        onClick(m_w.DriveItems[size_t(n)], open);
        onClick(m_w.PDriveItems[size_t(n)], open);
    }
    onClick(m_w.MDesktop, [this] { emit desktopWanted(); });
    onClick(m_w.Desktop, [this] { emit desktopWanted(); });
    onClick(m_w.MMyPictures, [this] { emit myPicturesWanted(); });
    onClick(m_w.MyPictures, [this] { emit myPicturesWanted(); });
    onClick(m_w.MInternet, [this] { emit internetWanted(); });
    onClick(m_w.Internet, [this] { emit internetWanted(); });
    onClick(m_w.MDefStartUp, [this] { DPDefStartUpClick(); });
    onClick(m_w.DPDefStartUp, [this] { DPDefStartUpClick(); });

    onClick(m_w.AddSelectedFolder, [this] { AddSelectedFolderClick(m_w.AddSelectedFolder); });
    onClick(m_w.AddSelectedFolderPop, [this] { AddSelectedFolderClick(m_w.AddSelectedFolderPop); });
    onClick(m_w.AddFolder, [this] {
        AddToFavorites(m_tree.SelectedFolder,
                       m_w.AddFolder->text().startsWith(QLatin1String("Add")));
    });
    onClick(m_w.AddShow, [this] {
        AddToFavorites(m_openShow.OpenShowPath, m_w.AddShow->text().startsWith(QLatin1String("Add")));
    });
    onClick(m_w.MakeDefault, [this] { MakeDefaultClick(); });
    onClick(m_w.MakeDefaultPop, [this] { MakeDefaultPopClick(); });
    onClick(m_w.MakeAutomatic, [this] { MakeAutomaticClick(m_w.MakeAutomatic); });
    onClick(m_w.AutomaticFolder, [this] { MakeAutomaticClick(m_w.AutomaticFolder); });
    onClick(m_w.AutomaticShow, [this] { MakeAutomaticClick(m_w.AutomaticShow); });
    onClick(m_w.MakeAutoMaticPop, [this] { MakeAutoMaticPopClick(); });
}

// ---- The list menus ------------------------------------------------------------

void ListMenusSection::BuildRecentMenu()
{
    TSettingsRecord& Settings = m_settings.Settings;
    SetupListMenus();
    showMaintenance(m_w.N16, m_w.ClearRec, FillListMenu(Settings.RecentFolders, m_w.FolderItems));
}

void ListMenusSection::BuildFavoritesMenu()
{
    TSettingsRecord& Settings = m_settings.Settings;
    SetupListMenus();
    showMaintenance(m_w.N12, m_w.ClearFavs, FillListMenu(Settings.Favorites, m_w.FavItems));
}

void ListMenusSection::showMaintenance(QAction* separator, QAction* maintenance, bool used)
{
    // A menu-bar menu always keeps a visible item (the menu bar no longer
    // drops down a menu it once found empty): the maintenance item stays,
    // without its separator while the list is empty.
    if (separator)
        separator->setVisible(used);
    if (maintenance)
        maintenance->setVisible(true);
}

void ListMenusSection::BuildHistoryMenu()
{
    TSettingsRecord& Settings = m_settings.Settings;
    SetupListMenus();
    if (m_w.N1)
        m_w.N1->setVisible(false);
    const bool any = FillListMenu(Settings.ShowHistory, m_w.HistoryItems);
    if (m_w.N1 && any)
        m_w.N1->setVisible(true);
}

void ListMenusSection::Recent1Click()
{
    BuildRecentMenu();
    emit menuMeasureWanted(m_w.Recent1);
}

void ListMenusSection::FavoritesClick()
{
    BuildFavoritesMenu();
    emit menuMeasureWanted(m_w.Favorites);
}

// ---- Changing the lists ----------------------------------------------------------

void ListMenusSection::AddToRecentFolders()
{
    TSettingsRecord& Settings = m_settings.Settings;
    RecentAddInput in;
    in.path = RecentCandidate;
    in.listEntryStarted = ListEntryStarted == 1;
    in.existingShowFile = QFileInfo(RecentCandidate).isFile();
    in.mayNotChange = OpenShowMayNotChange(m_session, m_openShow);
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

void ListMenusSection::AddToShowHistory(const QString& path)
{
    TSettingsRecord& Settings = m_settings.Settings;
    PutAtTopOfHistory(Settings.ShowHistory, path);
    BuildHistoryMenu();
}

void ListMenusSection::AddToFavorites(const QString& path, bool add)
{
    TSettingsRecord& Settings = m_settings.Settings;
    if (add && !path.isEmpty()) {
        if (QFileInfo(path).isFile() && OpenShowMayNotChange(m_session, m_openShow)) {
            platform::showMessage(platform::PromptKind::Error, UnchangeableFavoriteText);
        } else if (AddToFirstFreeSlot(Settings.Favorites, path) < 0) {
            if (platform::showMessage(platform::PromptKind::Confirmation, FavoritesFullText, platform::kYesNo)
                == platform::PromptAnswer::Yes) {
                // The favourites maintenance window opens from its menu item.
                if (m_w.ClearFavs)
                    m_w.ClearFavs->trigger();
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

void ListMenusSection::RemoveFromRecent(const QString& path)
{
    TSettingsRecord& Settings = m_settings.Settings;
    if (RemoveListEntry(Settings.RecentFolders, path, ListCompare::IgnoreCase))
        BuildRecentMenu();
}

void ListMenusSection::RemoveFromFavorites(const QString& path)
{
    TSettingsRecord& Settings = m_settings.Settings;
    if (RemoveListEntry(Settings.Favorites, path, ListCompare::IgnoreCase))
        BuildFavoritesMenu();
}

void ListMenusSection::RemoveFromHistory(const QString& path)
{
    TSettingsRecord& Settings = m_settings.Settings;
    if (RemoveListEntry(Settings.ShowHistory, path, ListCompare::Exact))
        BuildHistoryMenu();
}

bool ListMenusSection::FindInRecentLists(QChar kind, const QString& path)
{
    TSettingsRecord& Settings = m_settings.Settings;
    const int index = FindInList(Settings, kind, path);
    if (index < 0)
        return false;
    FoundListIndex = index;
    return true;
}

int32_t ListMenusSection::FavoriteIndexOf(const QString& path)
{
    TSettingsRecord& Settings = m_settings.Settings;
    return FindListEntry(Settings.Favorites, path, ListCompare::IgnoreCase);
}

// ---- Opening entries -------------------------------------------------------------

void ListMenusSection::OpenRecentEntry()
{
    TSettingsRecord& Settings = m_settings.Settings;
    SetupListMenus();
    // In the thumbnail view the show is stopped first; its end opens the
    // entry again.
    if (m_page->ThumbnailViewActive()) {
        ReopenAfterStop = 1;
        emit showStopWanted();
        return;
    }
    m_tree.Exclusions.SearchCollecting = 0;
    const bool ctrl = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
    const bool play = ctrl || ReopenAfterStop == 1 || ShowRuns(m_session);
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
    FolderTreeController* tree = &m_tree;
    tree->FolderToOpen = entry;
    ListEntryStarted = 0;
    tree->KeepListEntry = 0;
    tree->MarkListEntryOpening(ListIsFavorites == 1, ListEntryIndex);
    emit folderOpenWanted();
}

void ListMenusSection::playListEntry(const QString& entry)
{
    if (ShowRuns(m_session))
        emit showEndWanted();
    m_session.ShowState.PlaysOwnShowFile = false;
    const QFileInfo info(entry);
    if (!info.exists()) {
        ListEntryStarted = 0;
        platform::showMessage(platform::PromptKind::Plain, QStringLiteral("Folder or File no longer exists!"));
        return;
    }
    ListEntryStarted = 1;
    StartedListEntry = entry;
    // The play options in effect, for a folder and a show file alike.
    emit showOptionsWanted();
    QStringList pictures;
    if (info.isDir()) {
        pictures = CollectFolderPictures(m_paths, m_tree.Exclusions, entry,
                                         m_session.PlayOptions, m_start.DemoMode != 0);
    } else {
        if (entry == m_openShow.OpenShowPath)
            ListEntryStarted = 0;
        pictures = ReadShowPicturePaths(entry);
        m_session.ShowState.PlaysOwnShowFile = true;
    }
    const TShowPictures existing = ShowPicturesToPlay(pictures);
    if (existing.Paths.isEmpty()) {
        platform::showMessage(platform::PromptKind::Information, QStringLiteral("No pictures to show"));
        return;
    }
    RecentCandidate = entry;
    AddToRecentFolders();
    emit playWanted(existing.Paths, existing.Records);
}

void ListMenusSection::OpenHistoryShow()
{
    TSettingsRecord& Settings = m_settings.Settings;
    SetupListMenus();
    if (m_w.Timer1)
        m_w.Timer1->stop();
    if (HistoryEntryIndex < 0 || HistoryEntryIndex >= HistorySlots)
        return;
    const QString entry = Settings.ShowHistory[size_t(HistoryEntryIndex)];
    if (entry.isEmpty() || !QFileInfo(entry).isFile()) {
        platform::showMessage(platform::PromptKind::Plain, QStringLiteral("File no longer exists!"));
        return;
    }
    emit showFileOpenWanted(entry);
    OpenShow& show = m_openShow;
    if (show.NamedShowOpen != 1 || show.OpenShowPath != entry)
        return;   // the show could not be opened (said so already)
    const qint64 freeKB = FreeSpaceOnDrive(platform::DriveLetterOf(entry));
    if (freeKB <= 0)
        show.ShowChangeable = 0;
    emit showLabelWanted(QStringLiteral("Copy"));
    AddToShowHistory(entry);
    emit folderCaptionWanted();
    if (m_w.SaveMyShowAs)
        m_w.SaveMyShowAs->setEnabled(show.ShowChangeable == 1);
    if (m_w.DeleteMyShow) {
        const bool writable = (QFileInfo(entry).permissions() & QFileDevice::WriteOwner) != 0;
        m_w.DeleteMyShow->setEnabled(show.ShowChangeable == 1 && writable && freeKB > 0);
    }
}

// ---- Favourite, default and automatic commands --------------------------------

namespace {

// The folder or show the File menu's single items name: the list entry a
// show was played from, the running show's file, else the selected folder.
QString CurrentListPath(const ShowSession& session, const QString& SelectedFolder, uint8_t listEntryStarted,
                        const QString& startedListEntry, const OpenShow& show)
{
    if (listEntryStarted == 1)
        return startedListEntry;
    if (session.PlaybackActive == 1 && show.SourceIsShow == 1 && !show.OpenShowPath.isEmpty())
        return show.OpenShowPath;
    return SelectedFolder;
}

} // namespace

void ListMenusSection::AddSelectedFolderClick(const QAction* item)
{
    if (!item)
        return;
    // The tree's pop-up acts on its own folder; the File menu's item on the
    // folder or show it names.
    const QString path = item == m_w.AddSelectedFolderPop
        ? m_tree.SelectedFolder
        : CurrentListPath(m_session, m_tree.SelectedFolder, ListEntryStarted, StartedListEntry, m_openShow);
    // The item does what its caption says: an "Add" item adds a path that is
    // not a favourite yet, a "Delete" item removes one; a favourite is never
    // removed under an "Add" caption.
    const bool add = item->text().startsWith(QLatin1String("Add"));
    if (add ? FavoriteIndexOf(path) < 0 : FavoriteIndexOf(path) >= 0)
        AddToFavorites(path, add);
}

void ListMenusSection::MakeDefaultClick()
{
    TSettingsRecord& Settings = m_settings.Settings;
    const QString path = ListEntryStarted == 1 ? StartedListEntry : m_tree.SelectedFolder;
    if (path.isEmpty())
        return;
    Settings.StartupFolder = path;
    if (m_w.MakeDefault) {
        m_w.MakeDefault->setText(QStringLiteral("'") + ShortenPathCaption(path, true)
                             + QStringLiteral("' is already the default start-up folder"));
        m_w.MakeDefault->setEnabled(false);
    }
}

void ListMenusSection::MakeAutomaticClick(QObject* sender)
{
    TSettingsRecord& Settings = m_settings.Settings;
    Settings.KeepAutoShow = 1;
    QString path;
    if (sender && sender == m_w.AutomaticFolder)
        path = m_tree.SelectedFolder;
    else if (sender && sender == m_w.AutomaticShow)
        path = m_openShow.OpenShowPath;
    else
        path = CurrentListPath(m_session, m_tree.SelectedFolder, ListEntryStarted, StartedListEntry,
                               m_openShow);
    Settings.AutoShowPath = path;
    StorePlayOptionsInAutoShow(Settings);
    m_settings.SettingsChanged();
}

void ListMenusSection::MakeDefaultPopClick()
{
    ListEntryStarted = 0;
    MakeDefaultClick();
}

void ListMenusSection::MakeAutoMaticPopClick()
{
    ListEntryStarted = 0;
    MakeAutomaticClick(this);
}

void ListMenusSection::DPDefStartUpClick()
{
    TSettingsRecord& Settings = m_settings.Settings;
    FolderTreeController* tree = &m_tree;
    tree->KeepListEntry = 0;
    tree->ListEntryToUpdate = ListEntryRef{};
    tree->FolderToOpen = Settings.StartupFolder;
    emit folderOpenWanted();
}

// ---- Drives ----------------------------------------------------------------------

void ListMenusSection::PrepareDriveTable()
{
    const DriveTableResult table = BuildDriveMenuTable(
        platform::drives(), [](QChar letter) { return platform::DriveReady(letter); },
        [this](QChar letter) { return FreeSpaceOnDrive(letter); });
    DriveTable = table.entries;
    FirstWritableCdDrive = table.firstWritableCdDrive;
}

void ListMenusSection::BuildDriveMenu()
{
    SetupListMenus();
    PrepareDriveTable();
    for (int n = 0; n < DriveLetterCount; ++n) {
        QAction* item = m_w.DriveItems[size_t(n)];
        if (!item)
            continue;
        const QString& entry = DriveTable[size_t(n)];
        // A letter whose volume is gone is hidden: letters follow the mount
        // points, so a stale item would name another volume's letter.
        item->setText(entry.isEmpty() ? QString() : DriveMenuCaption(entry));
        item->setVisible(!entry.isEmpty());
    }
    if (m_w.DriveChange1 && m_w.DrivePop) {
        const QList<QAction*> from = m_w.DriveChange1->actions();
        const QList<QAction*> to = m_w.DrivePop->actions();
        for (qsizetype i = 0; i < from.size() && i < to.size(); ++i) {
            to[i]->setText(from[i]->text());
            to[i]->setVisible(from[i]->isVisible());
            to[i]->setEnabled(from[i]->isEnabled());
        }
    }
    const auto found = [](const QString& folder) { return !folder.isEmpty() && QFileInfo(folder).isDir(); };
    const EnvironmentInfo& environment = m_environment;
    const bool desktop = found(environment.DesktopFolder), pictures = found(environment.MyPicturesFolder),
               internet = found(environment.InternetCacheFolder);
    for (const auto& [item, shown] : {std::pair{m_w.MDesktop, desktop}, std::pair{m_w.MMyPictures, pictures},
                                      std::pair{m_w.MInternet, internet}})
        if (item)
            item->setVisible(shown);
    if (m_w.N25)
        m_w.N25->setVisible(desktop || pictures || internet);
    emit menuMeasureWanted(m_w.DriveChange1);
}

void ListMenusSection::DrivePopPopup()
{
    BuildDriveMenu();
    const auto found = [](const QString& folder) { return !folder.isEmpty() && QFileInfo(folder).isDir(); };
    const EnvironmentInfo& environment = m_environment;
    const bool desktop = found(environment.DesktopFolder), pictures = found(environment.MyPicturesFolder),
               internet = found(environment.InternetCacheFolder);
    for (const auto& [item, shown] : {std::pair{m_w.Desktop, desktop}, std::pair{m_w.MyPictures, pictures},
                                      std::pair{m_w.Internet, internet}})
        if (item)
            item->setVisible(shown);
    if (m_w.N25)
        m_w.N25->setVisible(desktop || pictures || internet);
    emit menuMeasureWanted(m_w.DrivePop);
}

void ListMenusSection::OpenDrive()
{
    if (DriveMenuIndex < 0 || DriveMenuIndex >= DriveLetterCount)
        return;
    const QString& entry = DriveTable[size_t(DriveMenuIndex)];
    FolderTreeController* tree = &m_tree;
    tree->FolderToOpen = entry.isEmpty() ? QString(QChar('A' + DriveMenuIndex)) + QLatin1Char(':') : entry.left(2);
    tree->KeepListEntry = 1;
    tree->ListEntryToUpdate = ListEntryRef{};
    emit folderOpenWanted();
}

qint64 ListMenusSection::FreeSpaceOnDrive(QChar letter)
{
    return ::FreeSpaceOnDrive(letter, m_start.DemoMode != 0);
}
