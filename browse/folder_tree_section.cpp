// The folder tree section of the main window: wires TreeView1 to its
// controller, keeps the folder caption and the folder exclusion items.
#include "browse/folder_tree_section.h"

#include "base/caption_helpers.h"
#include "base/environment.h"
#include "base/play_options.h"
#include "base/settings_store.h"
#include "base/start_args.h"
#include "browse/external_programs.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_caption.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "browse/preview_panel.h"
#include "platform/designed_widgets.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "shows/show_file.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeWidget>

#include <array>

namespace {

TreePlayOptions PlayOptionsFromSettings(const TSettingsRecord& Settings)
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

FolderTreeItems TakeFolderTreeItems(const QWidget& window)
{
    const auto action = [&window](const char* name) { return platform::ActionNamed(window, name); };
    return {
        .RightClickTreeView = platform::MenuNamed(window, "RightClickTreeView"),
        .SearchTB = action("SearchTB"),
        .FolderExclusions = action("FolderExclusions"),
        .ExclusionItems = {action("Browse"), action("SubShow"), action("SubSearch"), action("All"),
                           action("BrowsePop"), action("SubShowPop"), action("SubSearchPop"), action("AllPop")},
        .ExcludeFolder = platform::MenuNamed(window, "ExcludeFolder"),
        .ExcludeFolderPop = platform::MenuNamed(window, "ExcludeFolderPop"),
        .Refresh = action("Refresh"),
        .RefreshPop = action("RefreshPop"),
        .FavItems = platform::NumberedActions<9>(window, "Fav", 1),
        .FolderItems = platform::NumberedActions<9>(window, "Folder", 1),
    };
}

} // namespace

FolderTreeSection::FolderTreeSection(const FolderTreeWidgets& widgets, OpenShow& openShow,
                                     SettingsStore& settings, const DataPaths& paths,
                                     const EnvironmentInfo& environment, const StartContext& start,
                                     ShowSession& session)
    : QObject(widgets.Window), m_openShow(openShow), m_session(session), m_settings(settings), m_paths(paths),
      m_environment(environment), m_start(start), m_w{widgets, TakeFolderTreeItems(*widgets.Window)}
{
    setObjectName(QStringLiteral("FolderTreeSection"));
    wire();
}

FolderTreeSection::~FolderTreeSection() = default;

void FolderTreeSection::wire()
{
    QTreeWidget* TreeView1 = m_w.TreeView1;
    FolderTreeHooks hooks;
    hooks.playbackActive = [this] { return m_session.PlaybackActive == 1; };
    hooks.playOptions = [this] { return PlayOptionsFromSettings(m_settings.Settings); };
    hooks.captionChanged = [this] { UpdateFolderCaption(); };
    hooks.stopIdleTimer = [this] {
        if (m_w.Timer1)
            m_w.Timer1->stop();
    };
    hooks.userActivity = [this] { emit userActed(); };
    hooks.listEntryWalked = [this](const ListEntryRef& ref, const QString& path) {
        TSettingsRecord& Settings = m_settings.Settings;
        auto& list = ref.favorites ? Settings.Favorites : Settings.RecentFolders;
        list[ref.index] = path;
        const auto& items = ref.favorites ? m_w.FavItems : m_w.FolderItems;
        QAction* item = ref.index >= 0 && size_t(ref.index) < items.size() ? items[size_t(ref.index)] : nullptr;
        if (item)
            item->setText(QStringLiteral("&") + QString::number(ref.index + 1) + QStringLiteral(" - ")
                          + DoubleAmpersands(path));
    };
    hooks.openShowFile = [this](const QString& path) { emit showFileOpened(path); };
    hooks.pictureClicked = [this](const QString& path, bool showFull) {
        loadPictureFromTree(path, showFull);
    };
    hooks.videoProgram = [this] { return m_settings.Settings.VideoPrograms[0]; };
    // The video program is started on the clicked file alone.
    hooks.runVideo = [this](const QString& program, const QString& file) {
        emit programOnFileRequested(program, file);
    };
    hooks.demoMode = [this] { return m_start.DemoMode != 0; };
    hooks.folderClicked = [this](const QString& path) { emit folderClicked(path); };
    hooks.afterWalk = [this] {
        showExclusionsActive();
        emit folderWalked(m_tree->SelectedFolder);
    };
    hooks.beforeRefresh = [this] { emit refreshStarting(); };
    hooks.focusMainWindow = [this] {
        m_w.Window->activateWindow();
        m_w.Window->setFocus();
    };
    m_tree = new FolderTreeController(TreeView1, m_paths, std::move(hooks), m_w.Window);

    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView1, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { showTreePopup(pos); });
    if (m_w.FolderExclusions)
        connect(m_w.FolderExclusions, &QAction::triggered, this, [this] { FolderExclusionsClick(); });
    // The "Exclude from" items of the Options menu and of the tree's pop-up.
    const std::array<QAction*, 8> exclusionItems = m_w.ExclusionItems;
    for (int i = 0; i < 8; ++i) {
        QAction* action = exclusionItems[i];
        if (!action)
            continue;
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, i, action] { exclusionItemClick(i % 4, action); });
    }
    for (QMenu* menu : {m_w.ExcludeFolder, m_w.ExcludeFolderPop})
        if (menu)
            connect(menu, &QMenu::aboutToShow, this, [this] { ExcludeFolderClick(); });
    // F5 and the pop-up's refresh read the selected folder again.
    for (QAction* refresh : {m_w.Refresh, m_w.RefreshPop})
        if (refresh)
            connect(refresh, &QAction::triggered, this, [this] { RefreshSelectedFolder(); });
}

void FolderTreeSection::showTreePopup(const QPoint& pos)
{
    // A right click opens the pop-up on the clicked node, never on the
    // placeholder nor beside the nodes. (The keyboard's pop-up opens through
    // TreeView1KeyDown, on the selected node.)
    QMenu* RightClickTreeView = m_w.RightClickTreeView;
    QTreeWidget* TreeView1 = m_w.TreeView1;
    if (!RightClickTreeView || RightClickTreeView->isVisible())
        return;
    QTreeWidgetItem* item = TreeView1->itemAt(pos);
    if (!item || item->text(0) == TreePlaceholderText || FolderTreeController::NodeImage(item) == ImgPlaceholder)
        return;
    m_tree->PopupTreeNode = item;
    RightClickTreeView->popup(TreeView1->viewport()->mapToGlobal(pos));
}

void FolderTreeSection::loadPictureFromTree(const QString& path, bool showFull)
{
    // Ctrl-click, the middle button, or any click while the MyShow panel is
    // hidden: the full picture view.
    if (showFull || m_settings.Settings.MyShowHidden == 1) {
        emit fullViewRequested(path);
        return;
    }
    // A plain click shows the picture in the preview (as the mouse over it
    // does) and keeps the tree in view; the main picture area stays hidden.
    QTreeWidgetItem* clicked = m_w.TreeView1->currentItem();
    emit nodePreviewRequested(clicked && GetNodePath(clicked) == path ? clicked : nullptr);
    // The picture joins the open MyShow when that show may be changed.
    if (!m_openShow.ShowFile.IsOpen())
        return;
    if (m_openShow.ShowChangeable == 1)
        emit addToShowRequested(path);
    else
        platform::showMessage(platform::PromptKind::Plain,
                              QStringLiteral("Picture can not be added to a show on a full or non-writable disk"));
}

void FolderTreeSection::OpenFolderOrShow()
{
    m_tree->OpenFolderOrShow();
}

void FolderTreeSection::showExclusionsActive()
{
    QAction* FolderExclusions = m_w.FolderExclusions;
    const bool active = m_tree->Exclusions.FolderExclusionsActive != 0;
    if (FolderExclusions && FolderExclusions->isChecked() != active) {
        const QSignalBlocker blocker(FolderExclusions);
        FolderExclusions->setChecked(active);
    }
}

QString FolderTreeSection::GetNodePath(QTreeWidgetItem* node)
{
    return m_tree->GetNodePath(node);
}

void FolderTreeSection::UpdateFolderCaption()
{
    if (m_start.DemoMode)
        return;
    const QString shortFolder = ShortenPathCaption(m_tree->SelectedFolder, false);
    const FolderCaptionTexts texts =
        BuildFolderCaption(m_tree->SelectedFolder, shortFolder, m_settings.Settings.IncludeSubfolders == 1,
                           m_environment.MappedDrive);
    if (m_w.StatusBar1)
        m_w.StatusBar1->setToolTip(texts.statusHint);
    if (m_w.StatusPanel1)
        m_w.StatusPanel1->setText(texts.panelText);
    if (m_w.SearchTB && m_w.SearchTB->isEnabled())
        m_w.SearchTB->setToolTip(texts.searchHint);
    if (m_w.ShowPreview)
        m_w.ShowPreview->setCopyShowHint(texts.copyHint);
    if (m_w.StatusBar1)
        m_w.StatusBar1->update();
}

void FolderTreeSection::RefreshTreeImages()
{
    m_tree->RefreshTreeImages();
}

void FolderTreeSection::RefreshSelectedFolder()
{
    m_tree->RefreshSelectedFolder();
}

QTreeWidgetItem* FolderTreeSection::FindAndSelectTreeNode(const QString& name, bool select)
{
    return m_tree->FindAndSelectTreeNode(name, select);
}

bool FolderTreeSection::DriveReady(QChar letter)
{
    return platform::DriveReady(letter.toUpper());
}

void FolderTreeSection::TreeView1MouseDown(bool fromTree, Qt::MouseButton button,
                                Qt::KeyboardModifiers modifiers, const QPoint& pos)
{
    m_tree->TreeView1MouseDown(fromTree, button, modifiers, pos);
}

void FolderTreeSection::LoadFolderExclusions()
{
    ::LoadFolderExclusions(m_tree->Exclusions, m_paths);
}

void FolderTreeSection::FolderExclusionsClick()
{
    m_tree->Exclusions.FolderExclusionsActive = m_w.FolderExclusions && m_w.FolderExclusions->isChecked() ? 1 : 0;
    // The tree is built again from the drive root.
    const auto drive = platform::DriveOf(m_tree->SelectedFolder);
    m_tree->FolderToOpen = drive ? drive->mountPoint : platform::DriveRoot(m_tree->TreeDriveLetter);
    m_tree->KeepListEntry = 1;
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

void FolderTreeSection::ExcludeFolderClick()
{
    const std::vector<TExcludeFolderRecord> records = ReadExcludeFolderFile(m_paths.ExcludeFolderPath).Items;
    const int index = FindExclusionRecord(records, m_tree->SelectedFolder);
    const ExclusionChoice choice = index >= 0 ? ChoiceOfRecord(records[index]) : ExclusionChoice();
    ShowExclusionChoice(m_w.ExclusionItems, choice);
}

void FolderTreeSection::exclusionItemClick(int item, QAction* sender)
{
    const std::array<QAction*, 8>& items = m_w.ExclusionItems;
    // The choice before this click, read from the Options items; a checkable
    // sender of the Options menu has already flipped its own mark.
    ExclusionChoice before;
    bool* marks[4] = {&before.browse, &before.subShow, &before.subSearch, &before.all};
    for (int i = 0; i < 4; ++i)
        if (items[i])
            *marks[i] = items[i]->isChecked();
    if (sender && sender == items[item])
        *marks[item] = !*marks[item];
    const ExclusionChoice after = ToggleExclusionChoice(m_tree->Exclusions, before, static_cast<ExclusionItem>(item));
    ShowExclusionChoice(items, after);
    // A start with a folder or show argument keeps every data file as it is.
    if (m_start.ArgumentMode)
        return;
    const platform::RecordResult stored =
        StoreExclusionFlags(m_tree->Exclusions, m_paths.ExcludeFolderPath, m_tree->SelectedFolder, after);
    if (stored.ok() || stored.Message.isEmpty())
        return;
    // The choice did not land: the marks show what the file holds.
    ShowExclusionChoice(items, before);
    platform::showMessage(stored.Status == platform::RecordStatus::WriteFailed ? platform::PromptKind::Error
                                                                                : platform::PromptKind::Warning,
                          stored.Message);
}

void FolderTreeSection::ClearExclusionsClick()
{
    if (platform::showMessage(platform::PromptKind::Confirmation, ConfirmClearExclusionsText,
                              platform::kOkCancel) != platform::PromptAnswer::Ok)
        return;
    // A start with a folder or show argument keeps every data file as it is.
    if (m_start.ArgumentMode)
        return;
    if (!ClearExclusionFile(m_tree->Exclusions, m_paths.ExcludeFolderPath))
        platform::showMessage(platform::PromptKind::Error,
                              QStringLiteral("The folder exclusions could not be saved in ") + m_paths.ExcludeFolderPath);
}

// ---- the tree's keys and selection ----------------------------------------------

void FolderTreeSection::ConnectKeysAndSelection()
{
    if (m_keysConnected || !m_w.TreeView1)
        return;
    m_keysConnected = true;
    m_w.TreeView1->installEventFilter(this);
    TreeView1CustomDrawItem();
    connect(m_w.TreeView1, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { TreeView1Change(current); });
}

bool FolderTreeSection::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == m_w.TreeView1) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (TreeView1KeyDown(key->key(), key->modifiers()))
            return true;
    }
    // The windowing system turns the menu key into a context-menu request
    // of the focused tree (before the key itself): it is the menu key's
    // command, at the keyboard's place.
    if (event->type() == QEvent::ContextMenu && watched == m_w.TreeView1) {
        auto* menu = static_cast<QContextMenuEvent*>(event);
        if (menu->reason() == QContextMenuEvent::Keyboard) {
            TreeView1KeyDown(Qt::Key_Menu, menu->modifiers());
            return true;
        }
    }
    return false;
}

bool FolderTreeSection::TreeView1KeyDown(int key, Qt::KeyboardModifiers shift)
{
    // A key in the tree is the user at work: the automatic show waits.
    if (m_w.Timer1)
        m_w.Timer1->stop();
    const bool menuKey = key == Qt::Key_Menu || (key == Qt::Key_F10 && (shift & Qt::ShiftModifier));
    if (menuKey) {
        // A right press on the selected node, which the pop-up then acts on
        // wherever the mouse rests; it opens at a fixed place in the middle
        // of the tree, 150 pixels below the window's top.
        if (m_w.RightClickTreeView && m_w.RightClickTreeView->isVisible())
            return true;
        TreeView1MouseDown(false, Qt::RightButton, shift, QPoint());
        if (m_tree->PopupEnabled && m_tree->SelectedTreeNode && m_w.RightClickTreeView) {
            m_tree->PopupTreeNode = m_tree->SelectedTreeNode;
            m_w.RightClickTreeView->popup(TreePopupKeyAnchor());
        }
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter acts as a left press on the selected node.
        TreeView1MouseDown(false, Qt::LeftButton, shift, QPoint());
        return true;
    }
    return false;
}

QPoint FolderTreeSection::TreePopupKeyAnchor() const
{
    const QRect frame = m_w.Window->frameGeometry();
    return QPoint(frame.left() + (m_w.TreeView1 ? m_w.TreeView1->width() / 2 : 0), frame.top() + 150);
}

void FolderTreeSection::TreeView1Change(QTreeWidgetItem* node)
{
    if (!node || !m_w.TreeView1)
        return;
    // The node becomes the selected and the pop-up node; the preview and
    // the captions follow it as they follow the mouse.
    m_tree->SelectedTreeNode = node;
    emit nodePreviewRequested(node);
}

void FolderTreeSection::TreeView1CustomDrawItem()
{
    if (!m_w.TreeView1)
        return;
    const QColor scheme7 = m_environment.ColorScheme[6];
    const QColor selected = scheme7.isValid() ? scheme7 : QColor(0x7E, 0xB6, 0xFF);
    QPalette palette = m_w.TreeView1->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, selected);
        palette.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    m_w.TreeView1->setPalette(palette);
}
