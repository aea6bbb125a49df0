// TForm1's folder tree: wires TreeView1 to its controller and forwards the
// tree's routines to it.
#include "app/tform1.h"

#include "base/caption_helpers.h"
#include "base/environment.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "browse/external_programs.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_caption.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "base/start_modes.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <array>

namespace {

TreePlayOptions PlayOptionsFromSettings()
{
    TreePlayOptions opts;
    const int32_t flags[PictureTypeCount] = {Settings.InclJPG, Settings.InclJPEG, Settings.InclBMP,
                                             Settings.InclICO, Settings.InclEMF, Settings.InclWMF,
                                             Settings.InclGIF};
    for (int i = 0; i < PictureTypeCount; ++i)
        opts.include[i] = flags[i] == 1;
    opts.minSizeKB = Settings.MinSizeKB;
    opts.maxSizeKB = Settings.MaxSizeKB;
    opts.includeSubfolders = Settings.IncludeSubfolders == 1;
    opts.includeSystemFolders = Settings.IncludeSystemFolders == 1;
    return opts;
}

} // namespace

FolderTreeController* TForm1::folderTree()
{
    if (FolderTreeCtl)
        return FolderTreeCtl;
    FolderTreeHooks hooks;
    hooks.playbackActive = [] { return PlaybackActive == 1; };
    hooks.playOptions = [] { return PlayOptionsFromSettings(); };
    hooks.captionChanged = [this] { UpdateFolderCaption(); };
    hooks.stopIdleTimer = [this] {
        if (Timer1)
            Timer1->stop();
    };
    hooks.userActivity = [this] { UserActivity(); };
    hooks.listEntryWalked = [this](const ListEntryRef& ref, const QString& path) {
        auto& list = ref.favorites ? Settings.Favorites : Settings.RecentFolders;
        list[ref.index] = path;
        const auto& items = ref.favorites ? FavItems : FolderItems;
        if (QAction* item = items[ref.index])
            item->setText(QStringLiteral("&") + QString::number(ref.index + 1) + QStringLiteral(" - ")
                          + DoubleAmpersands(path));
    };
    hooks.openShowFile = [this](const QString& path) { LoadMyShowClick(path); };
    hooks.pictureClicked = [this](const QString& path, bool showFull) {
        loadPictureFromTree(path, showFull);
    };
    hooks.videoProgram = [] { return Settings.VideoPrograms[0]; };
    // The video program is started on the clicked file alone.
    hooks.runVideo = [this](const QString& program, const QString& file) {
        EditTarget = file;
        RunExternalProgram(program, {}, true);
    };
    hooks.focusMainWindow = [this] {
        activateWindow();
        setFocus();
    };
    FolderTreeCtl = new FolderTreeController(TreeView1, std::move(hooks), this);

    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView1, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showTreePopup(pos); });
    if (FolderExclusions)
        connect(FolderExclusions, &QAction::triggered, this, [this] { FolderExclusionsClick(); });
    // The "Exclude from" items of the Options menu and of the tree's pop-up.
    const std::array<QAction*, 8> exclusionItems = {Browse, SubShow, SubSearch, All,
                                                    BrowsePop, SubShowPop, SubSearchPop, AllPop};
    for (int i = 0; i < 8; ++i) {
        QAction* action = exclusionItems[i];
        if (!action)
            continue;
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, i, action] { exclusionItemClick(i % 4, action); });
    }
    for (QMenu* menu : {ExcludeFolder, ExcludeFolderPop})
        if (menu)
            connect(menu, &QMenu::aboutToShow, this, [this] { ExcludeFolderClick(); });
    // F5 and the pop-up's refresh read the selected folder again.
    for (QAction* refresh : {Refresh, RefreshPop})
        if (refresh)
            connect(refresh, &QAction::triggered, this, [this] { RefreshSelectedFolder(); });
    return FolderTreeCtl;
}

void TForm1::showTreePopup(const QPoint& pos)
{
    // The pop-up opens on a node only, and never on the placeholder.
    // The keyboard's pop-up is already open at its own place.
    if (!RightClickTreeView || RightClickTreeView->isVisible())
        return;
    QTreeWidgetItem* item = TreeView1->itemAt(pos);
    // From the keyboard the menu belongs to the selected node.
    if (!item)
        item = TreeView1->currentItem();
    if (!item || !RightClickTreeView)
        return;
    if (item->text(0) == TreePlaceholderText)
        return;
    const QRect rect = TreeView1->visualItemRect(item);
    const QPoint at = rect.contains(pos) ? pos : rect.center();
    RightClickTreeView->popup(TreeView1->viewport()->mapToGlobal(at));
}

void TForm1::loadPictureFromTree(const QString& path, bool showFull)
{
    // Ctrl-click, the middle button, or any click while the MyShow panel is
    // hidden: the full picture view.
    if (showFull || Settings.MyShowHidden == 1) {
        ShowPictureFull(path);
        return;
    }
    // A plain click shows the picture in the preview (as the mouse over it
    // does) and keeps the tree in view; the main picture area stays hidden.
    if (QTreeWidgetItem* clicked = TreeView1->currentItem(); clicked && GetNodePath(clicked) == path)
        PreviewNode = clicked;
    TreeView1MouseMove(this, Qt::NoModifier, 1, 1);
    // The picture joins the open MyShow when that show may be changed.
    if (!ShowFile.IsOpen())
        return;
    if (ShowChangeable == 1)
        AddPictureToMyShow(path, 0, 0, 0, 0);
    else
        platform::showMessage(platform::PromptKind::Plain,
                              QStringLiteral("Picture can not be added to a show on a full or non-writable disk"));
}

void TForm1::OpenFolderOrShow()
{
    folderTree()->OpenFolderOrShow();
    // A walk into an excluded folder switches exclusions off.
    if (FolderExclusions && FolderExclusions->isChecked() != (FolderExclusionsActive != 0)) {
        const QSignalBlocker blocker(FolderExclusions);
        FolderExclusions->setChecked(FolderExclusionsActive != 0);
    }
}

void TForm1::FillFolderNode(const QString& mask, QTreeWidgetItem* node)
{
    folderTree()->FillFolderNode(mask, node);
}

QString TForm1::GetNodePath(QTreeWidgetItem* node)
{
    return folderTree()->GetNodePath(node);
}

QString TForm1::BuildLevelMask(QTreeWidgetItem* node)
{
    return folderTree()->BuildLevelMask(node);
}

void TForm1::UpdateFolderCaption()
{
    if (DemoMode)
        return;
    const QString shortFolder = ShortenPathCaption(SelectedFolder, false);
    const FolderCaptionTexts texts =
        BuildFolderCaption(SelectedFolder, shortFolder, Settings.IncludeSubfolders == 1, MappedDrive);
    if (StatusBar1)
        StatusBar1->setToolTip(texts.statusHint);
    if (StatusPanel1)
        StatusPanel1->setText(texts.panelText);
    if (SearchTB && SearchTB->isEnabled())
        SearchTB->setToolTip(texts.searchHint);
    if (CopyVXOButton)
        CopyVXOButton->setToolTip(texts.copyHint);
    if (StatusBar1)
        StatusBar1->update();
}

void TForm1::RefreshTreeImages()
{
    folderTree()->RefreshTreeImages();
}

void TForm1::RefreshSelectedFolder()
{
    folderTree()->RefreshSelectedFolder();
}

QTreeWidgetItem* TForm1::FindAndSelectTreeNode(const QString& name, bool select)
{
    return folderTree()->FindAndSelectTreeNode(name, select);
}

bool TForm1::DriveReady(QChar letter)
{
    return platform::DriveReady(letter.toUpper());
}

void TForm1::AddSubfoldersToList(const QString& folder)
{
    ::AddSubfoldersToList(SubfolderList, folder, Settings.IncludeSystemFolders == 1,
                          [](const QString& lowerPath) {
                              return ::IsFolderExcluded(lowerPath, false, SearchCollecting != 0, true) == 1;
                          });
}

void TForm1::TreeView1MouseDown(bool fromTree, Qt::MouseButton button,
                                Qt::KeyboardModifiers modifiers, const QPoint& pos)
{
    folderTree()->TreeView1MouseDown(fromTree, button, modifiers, pos);
}

quint8 TForm1::IsFolderExcluded(const QString& folder, bool browse, bool search, bool collect)
{
    return ::IsFolderExcluded(folder, browse, search, collect);
}

void TForm1::LoadFolderExclusions()
{
    ::LoadFolderExclusions();
}

void TForm1::FolderExclusionsClick()
{
    FolderExclusionsActive = FolderExclusions && FolderExclusions->isChecked() ? 1 : 0;
    // The tree is built again from the drive root.
    const auto drive = platform::DriveOf(SelectedFolder);
    FolderToOpen = drive ? drive->mountPoint : platform::DriveRoot(folderTree()->TreeDriveLetter);
    KeepListEntry = 1;
    OpenFolderOrShow();
}

namespace {

void ShowExclusionChoice(const std::array<QAction*, 8>& items, const ExclusionChoice& choice)
{
    const bool marks[4] = {choice.browse, choice.subShow, choice.subSearch, choice.all};
    for (int i = 0; i < 8; ++i) {
        if (!items[i])
            continue;
        const QSignalBlocker blocker(items[i]);
        items[i]->setChecked(marks[i % 4]);
    }
}

} // namespace

void TForm1::ExcludeFolderClick()
{
    const std::vector<TExcludeFolderRecord> records = ReadExcludeFolderFile(ExcludeFolderPath).Items;
    const int index = FindExclusionRecord(records, SelectedFolder);
    const ExclusionChoice choice = index >= 0 ? ChoiceOfRecord(records[index]) : ExclusionChoice();
    ShowExclusionChoice({Browse, SubShow, SubSearch, All, BrowsePop, SubShowPop, SubSearchPop, AllPop},
                        choice);
}

void TForm1::exclusionItemClick(int item, QAction* sender)
{
    const std::array<QAction*, 8> items = {Browse, SubShow, SubSearch, All,
                                           BrowsePop, SubShowPop, SubSearchPop, AllPop};
    // The choice before this click, read from the Options items; a checkable
    // sender of the Options menu has already flipped its own mark.
    ExclusionChoice before;
    bool* marks[4] = {&before.browse, &before.subShow, &before.subSearch, &before.all};
    for (int i = 0; i < 4; ++i)
        if (items[i])
            *marks[i] = items[i]->isChecked();
    if (sender && sender == items[item])
        *marks[item] = !*marks[item];
    const ExclusionChoice after = ToggleExclusionChoice(before, static_cast<ExclusionItem>(item));
    ShowExclusionChoice(items, after);
    const platform::RecordResult stored = StoreExclusionFlags(ExcludeFolderPath, SelectedFolder, after);
    if (stored.ok() || stored.Message.isEmpty())
        return;
    // The choice did not land: the marks show what the file holds.
    ShowExclusionChoice(items, before);
    platform::showMessage(stored.Status == platform::RecordStatus::WriteFailed ? platform::PromptKind::Error
                                                                                : platform::PromptKind::Warning,
                          stored.Message);
}

void TForm1::BrowseClick(QAction* sender)
{
    exclusionItemClick(0, sender);
}

void TForm1::SubShowClick(QAction* sender)
{
    exclusionItemClick(1, sender);
}

void TForm1::SubSearchClick(QAction* sender)
{
    exclusionItemClick(2, sender);
}

void TForm1::AllClick(QAction* sender)
{
    exclusionItemClick(3, sender);
}

void TForm1::ClearExclusionsClick()
{
    if (platform::showMessage(platform::PromptKind::Confirmation, ConfirmClearExclusionsText,
                              platform::kOkCancel) != platform::PromptAnswer::Ok)
        return;
    if (!ClearExclusionFile(ExcludeFolderPath) && !ArgumentMode)
        platform::showMessage(platform::PromptKind::Error,
                              QStringLiteral("The folder exclusions could not be saved in ") + ExcludeFolderPath);
}
