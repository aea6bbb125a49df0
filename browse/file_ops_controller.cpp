// Wiring of the picture and folder operations to the main window, and the
// host callbacks through which the plain routines reach it.
#include "browse/file_ops_controller.h"
#include "browse/thumbnail_page_section.h"

#include "base/data_folder.h"
#include "base/program_state.h"
#include "base/file_helpers.h"
#include "base/picture_table.h"
#include "browse/selection_status.h"
#include "base/settings_store.h"
#include "browse/fit_zoom.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/progress_window.h"
#include "browse/thumbnail_page_controller.h"
#include "platform/designed_widgets.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "shows/show_sync.h"
#include "shows/show_windows.h"
#include "browse/show_view.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>

namespace {

using platform::PromptKind;

FileOpsItems TakeFileOpsItems(const QWidget& window)
{
    const auto action = [&window](const char* name) { return platform::ActionNamed(window, name); };
    return {
        .FolderOperations = platform::MenuNamed(window, "FolderOperations"),
        .SaveToolButton = action("SaveToolButton"),
        .SavePictureTo = action("SavePictureTo"),
        .Save = action("Save"),
        .MoveToolButton = action("MoveToolButton"),
        .MovePictureTo = action("MovePictureTo"),
        .Move = action("Move"),
        .RecycleBinToolButton = action("RecycleBinToolButton"),
        .SendRecycleBin = action("SendRecycleBin"),
        .RecycleBin = action("RecycleBin"),
        .RenamePictureToolButton = action("RenamePictureToolButton"),
        .RenamePicture = action("RenamePicture"),
        .Rename = action("Rename"),
        .Backwards1ToolButton = action("Backwards1ToolButton"),
        .PictureBackwards = action("PictureBackwards"),
        .Forward1ToolButton = action("Forward1ToolButton"),
        .PictureForward = action("PictureForward"),
        .AddBookMark = action("AddBookMark"),
        .VXOnlineHelp = action("VXOnlineHelp"),
        .CreateFolderPop = action("CreateFolderPop"),
        .CreatenewFolder = action("CreatenewFolder"),
        .RenameFolderPop = action("RenameFolderPop"),
        .RenameFolder = action("RenameFolder"),
        .DeleteFolderPop = action("DeleteFolderPop"),
        .DeleteFolder1 = action("DeleteFolder1"),
        .EmptyFolderPop = action("EmptyFolderPop"),
        .EmptyFolder = action("EmptyFolder"),
        .HideSmall = action("HideSmall"),
        .WindowsExplorer1 = action("WindowsExplorer1"),
        .WindowsExplorer = action("WindowsExplorer"),
        .ExplorerTB = action("ExplorerTB"),
        .MResetToEXIF = action("MResetToEXIF"),
        .MMakeSmall = action("MMakeSmall"),
        .Refresh = action("Refresh"),
        .Tarnivo = action("Tarnivo"),
    };
}

} // namespace

bool FileOperationsController::isFileNode(const QTreeWidgetItem* node)
{
    if (!node || node->text(0) == TreePlaceholderText)
        return false;
    const int image = FolderTreeController::NodeImage(node);
    return (image >= ImgPictureFirst && image <= ImgPictureOffLast) || image == ImgVideoPlain
           || image == ImgVideoProgram;
}

FileOperationsController* FileOperationsController::Of(QObject* window)
{
    return window ? window->findChild<FileOperationsController*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

FileOperationsController* FileOperationsController::Create(const FileOpsWidgets& widgets,
                                                           const FileOpsSources& sources, SettingsStore& settings,
                                                           const DataPaths& paths, const EnvironmentInfo& environment,
                                                           ShowSession& session)
{
    QWidget* window = widgets.Window;
    if (FileOperationsController* existing = Of(window))
        return existing;
    auto* controller = new FileOperationsController(widgets, sources, settings, paths, environment, session);
    controller->wire();
    return controller;
}

FileOperationsController::FileOperationsController(const FileOpsWidgets& widgets, const FileOpsSources& sources,
                                                   SettingsStore& settings, const DataPaths& paths,
                                                   const EnvironmentInfo& environment, ShowSession& session)
    : QObject(widgets.Window), PictureOpsHost(settings.Settings), FolderOpsHost(settings.Settings),
      m_tree(sources.tree), m_display(sources.display), m_openShow(sources.openShow), m_page(sources.page),
      m_manualMode(sources.manualMode), m_session(session), m_settings(settings), m_paths(paths),
      m_environment(environment), m_w{widgets, TakeFileOpsItems(*widgets.Window)}
{
    setObjectName(QStringLiteral("FileOperationsController"));
}

void FileOperationsController::SetShowView(ShowView* window) { m_showView = window; }
void FileOperationsController::SetShowManager(ShowManagerWindow* window) { m_showManager = window; }

FileOperationsController::~FileOperationsController() = default;

void FileOperationsController::wire()
{
    const FileOpsControls& f = m_w;
    const auto on = [this](QAction* action, void (FileOperationsController::*handler)()) {
        if (action)
            connect(action, &QAction::triggered, this, handler);
    };
    on(f.SaveToolButton, &FileOperationsController::SaveToolButtonClick);
    on(f.SavePictureTo, &FileOperationsController::SavePictureToClick);
    on(f.Save, &FileOperationsController::SavePictureToClick);
    on(f.MoveToolButton, &FileOperationsController::MoveToolButtonClick);
    on(f.MovePictureTo, &FileOperationsController::MoveToolButtonClick);
    on(f.Move, &FileOperationsController::MoveToolButtonClick);
    on(f.RecycleBinToolButton, &FileOperationsController::RecycleBinToolButtonClick);
    on(f.SendRecycleBin, &FileOperationsController::RecycleBinToolButtonClick);
    on(f.RecycleBin, &FileOperationsController::RecycleBinToolButtonClick);
    on(f.RenamePictureToolButton, &FileOperationsController::RenamePictureToolButtonClick);
    on(f.RenamePicture, &FileOperationsController::RenamePictureToolButtonClick);
    on(f.Rename, &FileOperationsController::RenamePictureToolButtonClick);
    on(f.Backwards1ToolButton, &FileOperationsController::Backwards1ToolButtonClick);
    on(f.PictureBackwards, &FileOperationsController::Backwards1ToolButtonClick);
    on(f.Forward1ToolButton, &FileOperationsController::Forward1ToolButtonClick);
    on(f.PictureForward, &FileOperationsController::Forward1ToolButtonClick);

    on(f.CreateFolderPop, &FileOperationsController::CreateFolderPopClick);
    on(f.CreatenewFolder, &FileOperationsController::CreatenewFolderClick);
    on(f.RenameFolderPop, &FileOperationsController::RenameFolderPopClick);
    on(f.RenameFolder, &FileOperationsController::RenameFolderPopClick);
    on(f.DeleteFolderPop, &FileOperationsController::DeleteFolderPopClick);
    on(f.DeleteFolder1, &FileOperationsController::DeleteFolder1Click);
    on(f.EmptyFolderPop, &FileOperationsController::EmptyFolderPopClick);
    on(f.EmptyFolder, &FileOperationsController::EmptyFolderPopClick);
    on(f.HideSmall, &FileOperationsController::HideSmallClick);
    on(f.WindowsExplorer1, &FileOperationsController::WindowsExplorer1Click);
    on(f.WindowsExplorer, &FileOperationsController::WindowsExplorer1Click);
    on(f.ExplorerTB, &FileOperationsController::WindowsExplorer1Click);
    if (f.FolderOperations)
        connect(f.FolderOperations, &QMenu::aboutToShow, this, &FileOperationsController::FolderOperationsClick);
}

PictureOpsOptions FileOperationsController::options() const
{
    TSettingsRecord& Settings = m_settings.Settings;
    PictureOpsOptions o;
    o.autoCopyVoice = FlagOn(Settings.AutoCopyVoice);
    o.keepShowsInSync = Settings.KeepShowsInSync != 0;
    return o;
}

ProgressWindow* FileOperationsController::progressWindow()
{
    if (!m_progress)
        m_progress = new ProgressWindow(m_environment, m_w.Window);
    return m_progress;
}

QString FileOperationsController::currentPicture() const
{
    const int32_t PictureIndex = m_session.PictureIndex;
    if (m_session.PlaybackActive == 1) {
        if (PictureIndex >= 0 && PictureIndex < m_session.PictureCount && size_t(PictureIndex) < m_session.PictureTable.size())
            return m_session.PictureTable[size_t(PictureIndex)].FullPath;
        return m_display.CurrentPicturePath;
    }
    QTreeWidget* tree = m_w.TreeView1;
    if (tree && tree->isVisible() && isFileNode(tree->currentItem()))
        return m_tree.GetNodePath(tree->currentItem());
    return m_display.CurrentPicturePath;
}

void FileOperationsController::pauseRunningShow()
{
    if (m_session.PlaybackActive == 1 && !m_manualMode())
        emit pauseWanted();
}

void FileOperationsController::reopenFolder(const QString& folder)
{
    if (folder.isEmpty())
        return;
    m_tree.FolderToOpen = folder;
    m_tree.KeepListEntry = 1;
    emit folderOpenWanted();
    if (m_w.TreeView1)
        m_w.TreeView1->viewport()->update();
}

// ---- host ----------------------------------------------------------------------

void FileOperationsController::status(const QString& text)
{
    if (m_w.StatusPanel1)
        m_w.StatusPanel1->setText(text);
}

QString FileOperationsController::statusText() const
{
    return m_w.StatusPanel1 ? m_w.StatusPanel1->text() : QString();
}

// The window repaints and answers in the middle of a folder operation.
void FileOperationsController::processEvents()
{
    QCoreApplication::processEvents();
}

bool FileOperationsController::showRunning() const
{
    return m_session.PlaybackActive == 1;
}

void FileOperationsController::pictureMovedDuringShow(const QString& newPath)
{
    setCurrentBookmark(QFileInfo(newPath).fileName().toLower());
    removeFromPlayOrder();
}

void FileOperationsController::setCurrentBookmark(const QString& key)
{
    // The add item is disabled while the picture shown is bookmarked: its
    // slot of the settings record's bookmarks follows the picture.
    const TShowState& ShowState = m_session.ShowState;
    std::array<QString, 20>& Bookmarks = m_settings.Settings.Bookmarks;
    if (m_session.PlaybackActive == 1 && m_w.AddBookMark && !m_w.AddBookMark->isEnabled()
        && ShowState.BookmarkIndex >= 0 && ShowState.BookmarkIndex < int(Bookmarks.size()))
        Bookmarks[size_t(ShowState.BookmarkIndex)] = key.left(75);
}

void FileOperationsController::removeFromPlayOrder()
{
    ShowView* const showView = m_showView.data();
    // A page show keeps its own play order.
    if (pageShown()) {
        if (m_page.PageView->RemovePictureFromPlayOrder(m_session.PictureIndex) && showView)
            showView->SetShowPictureCount(m_page.PageView->PicturesLeft());
        return;
    }
    if (showView && m_session.PlaybackActive == 1)
        showView->RemoveCurrentFromPlayOrder();
}

void FileOperationsController::treePictureRemoved(const QString& path)
{
    QTreeWidget* tree = m_w.TreeView1;
    if (!tree)
        return;
    QTreeWidgetItem* node = tree->currentItem();
    if (!node || m_tree.GetNodePath(node) != path) {
        // The node of the picture among the children of the selected folder's node.
        node = nullptr;
        QTreeWidgetItem* parent = tree->currentItem();
        for (int i = 0; parent && i < parent->childCount() && !node; ++i)
            if (m_tree.GetNodePath(parent->child(i)) == path)
                node = parent->child(i);
    }
    if (!node || !isFileNode(node))
        return;
    QTreeWidgetItem* folder = node->parent();
    delete node;
    if (folder && folder->childCount() == 0) {
        auto* placeholder = new QTreeWidgetItem(folder, QStringList{TreePlaceholderText});
        FolderTreeController::SetNodeImage(placeholder, ImgPlaceholder);
        tree->setCurrentItem(placeholder);
    } else if (folder) {
        // The selection goes back to the folder, never to a neighbouring picture.
        tree->setCurrentItem(folder);
    }
    tree->viewport()->update();
}

void FileOperationsController::showCdHelp()
{
    if (m_w.VXOnlineHelp && m_w.VXOnlineHelp->isEnabled())
        emit onlineHelpWanted();
    else
        platform::showMessage(PromptKind::Error,
                              QStringLiteral("Help file is missing, download Vistamo! (again) and reinstall"));
}

void FileOperationsController::setBusyCursor(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void FileOperationsController::progressShow(const QString& caption)
{
    FolderWalkBusy = 1;
    progressWindow()->ShowWithCaption(caption, m_w.Window);
}

void FileOperationsController::progressLabel(const QString& text)
{
    if (m_progress && m_progress->isVisible())
        m_progress->SetLabel(text);
}

void FileOperationsController::progressHide()
{
    if (m_progress)
        m_progress->hide();
    FolderWalkBusy = 0;
}

bool FileOperationsController::deletePictureFile(const QString& path, QString* problem)
{
    return DeletePictureFile(path, true, false, false, *this, false, problem);
}

bool FileOperationsController::deleteShowFile(const QString& path, QString* problem)
{
    ShowManagerWindow* const Form16 = m_showManager.data();
    const QString openShowPath = m_openShow.OpenShowPath;
    if (!openShowPath.isEmpty() && SameFile(openShowPath, path))
        openDraftShow();
    QString reason;
    if (!SendToRecycleBin(path, &reason)) {
        const QString which = path + QStringLiteral(": ") + reason;
        if (problem)
            *problem = which;
        else
            platform::showMessage(PromptKind::Error, QStringLiteral("File could not be deleted\r\n") + which);
        return false;
    }
    if (Form16)
        Form16->RemoveKnownShow(path);
    emit recentRemovalWanted(path);
    emit favoriteRemovalWanted(path);
    emit historyRemovalWanted(path);
    return true;
}

void FileOperationsController::folderRemoved(const QString& folder)
{
    emit favoriteRemovalWanted(folder);
    emit recentRemovalWanted(folder);
}

void FileOperationsController::reloadShowList()
{
    if (m_openShow.ShowFile.IsOpen())
        emit showListReloadWanted();
}

QString FileOperationsController::openShowFile() const
{
    return m_openShow.OpenShowPath;
}

bool FileOperationsController::draftShowOpen() const
{
    return m_openShow.DraftShowOpen == 1;
}

void FileOperationsController::openDraftShow()
{
    SetMyShowChanged(m_openShow, false);
    m_openShow.ShowChanged = 0;
    emit draftShowWanted();
}

void FileOperationsController::rebuildListMenus()
{
    emit recentMenuWanted();
    emit historyMenuWanted();
    emit favoritesMenuWanted();
}

void FileOperationsController::reloadExclusions()
{
    m_tree.Exclusions.ExclusionsChanged = 1;
    emit exclusionsReloadWanted();
}

void FileOperationsController::writeKnownShows(const QString& oldFolder, const QString& newFolder)
{
    emit knownShowsRewriteWanted(oldFolder, newFolder, int(oldFolder.size()), true);
}

void FileOperationsController::syncShowsAfterFolderRename(const QString& oldFolder, const QString& newFolder)
{
    SyncShowsAfterRename(m_openShow, m_showSync, oldFolder, newFolder, int(oldFolder.size()), true);
}

void FileOperationsController::syncShowsAfterRename(const QString& oldPath, const QString& newPath)
{
    // The synchronisation says what it does in the status bar; what stood
    // there before comes back afterwards.
    const QString kept = statusText();
    SyncShowsAfterRename(m_openShow, m_showSync, oldPath, newPath);
    status(kept);
}

void FileOperationsController::syncShowsAfterDelete(const QString& path)
{
    SyncShowsAfterDelete(m_openShow, m_showSync, path);
}

QStringList FileOperationsController::playlists() const
{
    ShowManagerWindow* const Form16 = m_showManager.data();
    QStringList lists;
    const auto add = [&lists](const QString& path) {
        if (!path.isEmpty() && QFileInfo(path).isFile() && !lists.contains(path))
            lists << path;
    };
    for (const QFileInfo& info : QDir(m_paths.PlaylistsFolder).entryInfoList({QStringLiteral("*.vxz")}, QDir::Files))
        add(info.absoluteFilePath());
    // The playlists the shows link to.
    QStringList shows = Form16 ? Form16->KnownShows() : QStringList();
    if (!m_openShow.OpenShowPath.isEmpty())
        shows << m_openShow.OpenShowPath;
    for (const QString& show : shows) {
        QByteArray bytes;
        if (!platform::ReadWholeFile(show, bytes, qint64(ShowRecordSize) * 100000).ok())
            continue;
        for (qsizetype at = 0; at + ShowRecordSize <= bytes.size(); at += ShowRecordSize) {
            const TShowRecord record = DecodeShowRecord(bytes.mid(at, ShowRecordSize));
            if (record.SoundKind == QLatin1String("L"))
                add(record.SoundFile);
        }
    }
    return lists;
}
