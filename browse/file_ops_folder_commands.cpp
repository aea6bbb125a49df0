// The folder commands of the main window: the Folder Operations menu, and the
// creation, renaming, deletion and emptying of the selected folder.
#include "browse/file_ops_controller.h"
#include "browse/thumbnail_page_section.h"

#include "platform/desktop_open.h"
#include "base/data_folder.h"
#include "base/settings_store.h"
#include "browse/folder_tree_widget.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "platform/volume_root.h"

#include <QAction>

#include <QFileInfo>
#include <QTreeWidget>
#include <QUrl>

void FileOperationsController::FolderOperationsClick()
{
    const FileOpsControls& f = m_w;
    const auto enable = [](QAction* a, bool on) {
        if (a)
            a->setEnabled(on);
    };
    const auto caption = [](QAction* a, const QString& text) {
        if (a)
            a->setText(text);
    };
    for (QAction* a : {f.EmptyFolder, f.DeleteFolder1, f.RenameFolder, f.MResetToEXIF, f.HideSmall})
        enable(a, false);
    const QString SelectedFolder = m_tree.SelectedFolder;
    const bool writable = !SelectedFolder.isEmpty() && platform::FreeSpaceOf(SelectedFolder) != 0;
    const bool notRoot = !SelectedFolder.isEmpty() && !platform::IsVolumeRoot(SelectedFolder);
    for (QAction* a : {f.MMakeSmall, f.CreatenewFolder, f.CreateFolderPop, f.MResetToEXIF})
        enable(a, writable);
    for (QAction* a : {f.EmptyFolder, f.DeleteFolder1, f.RenameFolder, f.HideSmall})
        enable(a, writable && notRoot);
    enable(f.Refresh, true);
    enable(f.WindowsExplorer1, true);
    caption(f.Refresh, QStringLiteral("Refresh  ~- F5 "));
    caption(f.EmptyFolder, QStringLiteral("Empty"));
    caption(f.DeleteFolder1, QStringLiteral("Delete"));
    caption(f.RenameFolder, QStringLiteral("Rename"));
    caption(f.Tarnivo, QStringLiteral("Launch &Tarnivo"));
    caption(f.MResetToEXIF, QStringLiteral("Reset file dates to picture date taken (EXI&F)"));
    caption(f.MMakeSmall, QStringLiteral("Create/Replace thumbnails manually"));
    caption(f.HideSmall, QStringLiteral("Set all SmallPics folders to hidden"));
}

void FileOperationsController::CreateFolderPopClick()
{
    emit keyboardHookRemovalWanted();
    FolderCreated = 0;
    const QString SelectedFolder = m_tree.SelectedFolder;
    const QString preset = PresetFolderName;
    QString name = preset;
    if (name.isEmpty()) {
        const std::optional<QString> typed =
            platform::askText(QStringLiteral("Create new folder in ") + SelectedFolder, QStringLiteral("Folder name :"));
        if (!typed) {
            emit keyboardHookWanted();
            return;
        }
        name = *typed;
    }
    const QString created =
        CreateFolder(SelectedFolder, name, preset == QLatin1String("SmallPics"),
                     FlagOn(m_settings.Settings.HideSmallPics));
    if (!created.isEmpty()) {
        emit folderRefreshWanted();
        if (QTreeWidgetItem* node = m_w.TreeView1 ? m_w.TreeView1->currentItem() : nullptr)
            node->setExpanded(true);
        emit folderCaptionWanted();
        m_w.Window->activateWindow();
        if (m_w.TreeView1)
            m_w.TreeView1->viewport()->update();
        FolderCreated = 1;
        PresetFolderName.clear();
    }
    emit keyboardHookWanted();
}

void FileOperationsController::CreatenewFolderClick()
{
    reopenFolder(m_tree.SelectedFolder);
    CreateFolderPopClick();
}

void FileOperationsController::RenameFolderPopClick()
{
    TSettingsRecord& Settings = m_settings.Settings;
    const QString folder = m_tree.SelectedFolder;
    if (folder.isEmpty())
        return;
    emit keyboardHookRemovalWanted();
    const std::optional<QString> name = platform::askText(QStringLiteral("Rename as ? "), QStringLiteral("New folder name :"),
                                                          QFileInfo(folder).fileName());
    if (name) {
        emit voiceReleaseWanted(QString());
        const DataPaths& paths = m_paths;
        const FolderRenameOutcome outcome =
            RenameFolder(folder, *name, Settings, paths.SettingsFileName.isEmpty() ? paths.SettingsPath : paths.SettingsFileName,
                         paths.ExcludeFolderPath, Settings.KeepShowsInSync != 0, *this);
        if (outcome.renamed)
            reopenFolder(outcome.newPath);
    }
    emit keyboardHookWanted();
}

void FileOperationsController::DeleteOrEmptyFolder(const QString& folder, FolderWalkMode mode, bool quiet,
                                                   bool subfolders)
{
    emit voiceReleaseWanted(QString());
    FolderEmptying = 1;
    const FolderDeleteOutcome outcome = ::DeleteOrEmptyFolder(folder, mode, quiet, subfolders, *this);
    if (outcome.asked && !outcome.folderToShow.isEmpty())
        reopenFolder(outcome.folderToShow);
    FolderEmptying = 0;
}

void FileOperationsController::DeleteFolderPopClick()
{
    DeleteOrEmptyFolder(m_tree.SelectedFolder, FolderWalkMode::Delete, false, true);
}

void FileOperationsController::DeleteFolder1Click()
{
    reopenFolder(m_tree.SelectedFolder);
    DeleteFolderPopClick();
}

void FileOperationsController::EmptyFolderPopClick()
{
    DeleteOrEmptyFolder(m_tree.SelectedFolder, FolderWalkMode::Empty, false, true);
}

void FileOperationsController::HideSmallClick()
{
    DeleteOrEmptyFolder(m_tree.SelectedFolder, FolderWalkMode::SetSmallPicsHidden, false, true);
}

void FileOperationsController::WindowsExplorer1Click()
{
    const QString SelectedFolder = m_tree.SelectedFolder;
    if (!SelectedFolder.isEmpty())
        platform::OpenFolderInFileManager(SelectedFolder);
}
