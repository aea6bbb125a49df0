// Wiring of the picture and folder operations to the main window.
#include "browse/file_ops_controller.h"
#include "browse/file_ops_host.h"

#include "base/data_folder.h"
#include "base/program_state.h"
#include "base/file_helpers.h"
#include "base/picture_table.h"
#include "browse/selection_status.h"
#include "base/settings_record.h"
#include "browse/fit_zoom.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/progress_window.h"
#include "browse/thumbnail_page_controller.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "shows/show_sync.h"
#include "shows/show_windows.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTreeWidget>
#include <QUrl>

namespace {

using platform::PromptAnswer;
using platform::PromptKind;

bool isFileNode(const QTreeWidgetItem* node)
{
    if (!node || node->text(0) == TreePlaceholderText)
        return false;
    const int image = FolderTreeController::NodeImage(node);
    return (image >= ImgPictureFirst && image <= ImgPictureOffLast) || image == ImgVideoPlain
           || image == ImgVideoProgram;
}

} // namespace

FileOperationsController* FileOperationsController::Of(QObject* window)
{
    return window ? window->findChild<FileOperationsController*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

FileOperationsController* FileOperationsController::Create(std::unique_ptr<FileOpsHost> host, ShowSession& session)
{
    if (!host)
        return nullptr;
    QWidget* window = host->widgets().Window;
    if (FileOperationsController* existing = Of(window))
        return existing;
    auto* controller = new FileOperationsController(std::move(host), session);
    controller->wire();
    return controller;
}

FileOperationsController::FileOperationsController(std::unique_ptr<FileOpsHost> host, ShowSession& session)
    : QObject(host->widgets().Window), m_host(std::move(host)), m_session(session), m_w(m_host->widgets())
{
    setObjectName(QStringLiteral("FileOperationsController"));
}

FileOperationsController::~FileOperationsController() = default;

void FileOperationsController::wire()
{
    const FileOpsWidgets& f = m_w;
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
    if (f.FolderOperations)
        connect(f.FolderOperations, &QMenu::aboutToShow, this, &FileOperationsController::FolderOperationsClick);
}

PictureOpsOptions FileOperationsController::options() const
{
    PictureOpsOptions o;
    o.autoCopyVoice = FlagOn(Settings.AutoCopyVoice);
    o.keepShowsInSync = Settings.KeepShowsInSync != 0;
    return o;
}

TForm26* FileOperationsController::progressWindow()
{
    if (!m_progress)
        m_progress = new TForm26(m_host->Environment(), m_w.Window);
    return m_progress;
}

QString FileOperationsController::currentPicture() const
{
    int32_t& PictureIndex = m_session.PictureIndex;
    if (m_session.PlaybackActive == 1) {
        if (PictureIndex >= 0 && PictureIndex < m_session.PictureCount && size_t(PictureIndex) < m_session.PictureTable.size())
            return m_session.PictureTable[size_t(PictureIndex)].FullPath;
        return CurrentPicturePath;
    }
    QTreeWidget* tree = m_w.TreeView1;
    if (tree && tree->isVisible() && isFileNode(tree->currentItem()))
        return m_host->GetNodePath(tree->currentItem());
    return CurrentPicturePath;
}

void FileOperationsController::pauseRunningShow()
{
    if (m_session.PlaybackActive == 1 && !m_host->InManualMode())
        m_host->PauseShow();
}

void FileOperationsController::reopenFolder(const QString& folder)
{
    if (folder.isEmpty())
        return;
    m_host->folderTree()->FolderToOpen = folder;
    m_host->folderTree()->KeepListEntry = 1;
    m_host->OpenFolderOrShow();
    if (m_w.TreeView1)
        m_w.TreeView1->viewport()->update();
}

// ---- picture commands -----------------------------------------------------------

void FileOperationsController::SaveToolButtonClick()
{
    TForm9* const Form9 = m_host->showWindow();
    // On the thumbnail page the ticked pictures are saved (not while a
    // cell's picture is open in the full view).
    if (pageShown() && !(Form9 && Form9->isVisible())) {
        ApplyToTickedPictures(QStringLiteral("Save"));
        return;
    }
    pauseRunningShow();
    const QString picture = currentPicture();
    if (!QFileInfo(picture).isFile())
        return;
    m_copy.CopySource = picture;
    m_copy.CopySuggestName.clear();
    // A cut-out on screen is saved from its bitmap under a name of its picture.
    if (m_host->state().session.CutOutCount >= 1) {
        m_copy.CopySource = m_host->Paths().CutOutFolder + QStringLiteral("/cut") + QString::number(m_host->state().session.CutOutCount) + QStringLiteral(".bmp");
        m_copy.CopySuggestName = picture;
    }
    m_copy.CopyModeSave = 1;
    m_copy.CopyModeMove = 0;
    CopyOrMovePictureTo();
    processEvents();
}

void FileOperationsController::SavePictureToClick()
{
    SaveToolButtonClick();
}

void FileOperationsController::MoveToolButtonClick()
{
    if (pageShown()) {
        ApplyToTickedPictures(QStringLiteral("Move"));
        return;
    }
    pauseRunningShow();
    const QString picture = currentPicture();
    if (!QFileInfo(picture).isFile())
        return;
    m_copy.CopySource = picture;
    m_copy.CopySuggestName.clear();
    m_copy.CopyModeSave = 0;
    m_copy.CopyModeMove = 1;
    CopyOrMovePictureTo();
    processEvents();
}

void FileOperationsController::CopyOrMovePictureTo()
{
    const bool save = m_copy.CopyModeSave == 1;
    const bool cutOut = save && !m_copy.CopySuggestName.isEmpty();
    const QString source = m_copy.CopySource;
    std::optional<QString> chosen;
    m_host->FormDestroy();
    if (cutOut) {
        chosen = platform::chooseSaveFile(QStringLiteral("Save to"), FolderOf(m_copy.CopySuggestName),
                                          QStringLiteral("Jpeg image (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp"),
                                          MakeUniqueCopyName(m_copy.CopySuggestName, QStringLiteral("CutOutFile"), false),
                                          QStringLiteral("jpg"));
    } else {
        const QString ext = FileExtOf(source);
        chosen = platform::chooseSaveFile(save ? QStringLiteral("Save to") : QStringLiteral("Move to"),
                                          Settings.LastCopyTarget, QStringLiteral("*") + ext + QStringLiteral("|*") + ext,
                                          QFileInfo(source).fileName(), ext.mid(1));
    }
    m_host->InstallKeyboardHook();
    if (!chosen || chosen->isEmpty()) {
        m_ticked.TickedCancel = 1;
        return;
    }
    const QString target = *chosen;
    m_host->ReleaseVoiceFile(source);
    if (SameFile(source, target)) {
        platform::showMessage(PromptKind::Error,
                              QStringLiteral("You are trying to copy or move a picture to itself,\r\nthis is not permitted !"));
        return;
    }
    Settings.LastCopyTarget = FolderOf(target);
    const bool show = m_session.PlaybackActive == 1;
    if (save) {
        status(QStringLiteral("Copying picture...."));
    } else {
        pauseRunningShow();
        status(QStringLiteral("Moving picture...."));
    }
    processEvents();
    m_copy.CopyCancelled = 0;
    m_copy.CopyFailed = 0;
    if (cutOut && FileExtOf(target).toLower() == QLatin1String(".jpg")) {
        m_host->ReducePictureSize(source, target, QString(), false, false, false, -1, 100);
    } else {
        if (!save && show)
            FolderChangedDuringShow = 1;
        ::CopyPictureFile(source, target, m_copy, options(), *this);
        if (show && m_session.PlaybackActive != 1)
            return;
    }
    m_host->UpdateFolderCaption();
    if (!save) {
        if (show) {
            FolderChangedDuringShow = 1;
        } else if (!QFileInfo::exists(source)) {
            treePictureRemoved(source);
        } else {
            FolderChangedDuringShow = 1;
        }
    }
}

CopyOutcome FileOperationsController::CopyPictureFile(const QString& source, const QString& target)
{
    return ::CopyPictureFile(source, target, m_copy, options(), *this);
}

void FileOperationsController::SetCopyWriteFlags(const QString& source, const QString& target, bool deleteAfterCopy)
{
    ::SetCopyWriteFlags(source, target, deleteAfterCopy, m_copy);
}

void FileOperationsController::RecycleBinToolButtonClick()
{
    if (pageShown())
        ApplyToTickedPictures(QStringLiteral("Delete"));
    else
        ConfirmAndDeletePicture();
}

bool FileOperationsController::pageShown() const
{
    return m_host->PageView() && m_host->PageShowRuns() && m_host->PageView()->ThumbnailViewActive();
}

bool FileOperationsController::confirmTickedRemoval(const QString& prompt)
{
    if (m_ticked.TickedYesToAll == 1)
        return true;
    const PromptAnswer answer =
        platform::showMessage(PromptKind::Confirmation, prompt,
                              platform::kYesNoCancel | PromptAnswer::All);
    switch (answer) {
    case PromptAnswer::Yes:
        return true;
    case PromptAnswer::All:
        m_ticked.TickedYesToAll = 1;
        return true;
    case PromptAnswer::No:
        m_ticked.TickedSkip = 1;
        return false;
    default:   // Cancel, or the box closed without a choice
        m_ticked.TickedCancel = 1;
        return false;
    }
}

void FileOperationsController::ApplyToTickedPictures(const QString& action)
{
    ThumbnailPageController* page = m_host->PageView();
    if (!page || m_ticked.TickedBusy == 1)
        return;
    const bool save = action == QLatin1String("Save");
    const bool remove = action == QLatin1String("Delete");
    m_w.Window->setEnabled(false);
    m_ticked.TickedBusy = 1;
    m_ticked.TickedYesToAll = 0;
    m_ticked.TickedCancel = 0;
    bool removed = false;
    // The ticks are read once: a removal only unticks the removed cell.
    for (const int slot : page->TickedSlots()) {
        const PageCell cell = page->State().cell(slot);
        if (!cell.ticked || cell.PageSlotPicture < 0)
            continue;
        const int before = page->PicturesLeft();
        page->PointCursorAt(cell.PageSlotPicture);
        m_ticked.TickedSkip = 0;
        m_copy.CopyCancelled = 0;
        if (remove) {
            ConfirmAndDeletePicture();
        } else {
            m_copy.CopySource = cell.path;
            m_copy.CopySuggestName.clear();
            m_copy.CopyModeSave = save ? 1 : 0;
            m_copy.CopyModeMove = save ? 0 : 1;
            CopyOrMovePictureTo();
        }
        if (m_session.PlaybackActive != 1 || m_host->PageView() != page || !page->ThumbnailViewActive()) {
            // The show ended meanwhile: the page is gone.
            m_ticked.TickedBusy = 0;
            m_w.Window->setEnabled(true);
            return;
        }
        if (page->PicturesLeft() != before) {
            page->MarkSlotRemoved(slot, SourceIsShow == 1);
            removed = true;
            if (page->PicturesLeft() == 0) {
                platform::showMessage(PromptKind::Information, QStringLiteral("No more pictures left in show"));
                m_ticked.TickedBusy = 0;
                m_w.Window->setEnabled(true);
                m_host->EndShow();
                return;
            }
        }
        // One picture is saved per click.
        if (save) {
            if (m_ticked.TickedCancel == 0)
                page->UntickSlot(slot);
            break;
        }
        // A cancelled prompt or dialog ends the run; so does a target that
        // refused every attempt (the next picture would meet it too).
        if (m_ticked.TickedCancel == 1 || m_copy.CopyCancelled == 1)
            break;
    }
    if (removed)
        page->PackRemovedSlots();
    else
        page->SetSelectionMenuCaptions();
    m_ticked.TickedBusy = 0;
    m_w.Window->setEnabled(true);
}

void FileOperationsController::ConfirmAndDeletePicture()
{
    int32_t& PictureIndex = m_session.PictureIndex;
    const bool showRan = m_session.PlaybackActive == 1;
    pauseRunningShow();
    const QString picture = currentPicture();
    if (picture.isEmpty() || (!(showRan && SourceIsShow == 1) && !QFileInfo(picture).isFile()))
        return;
    const bool ticked = m_ticked.TickedBusy == 1;
    if (showRan && SourceIsShow == 1) {
        const QString prompt = QStringLiteral("Remove ") + picture + QStringLiteral(" from ") + OpenShowName
                               + QStringLiteral(" ?");
        const bool yes = ticked ? confirmTickedRemoval(prompt)
                                : platform::showMessage(PromptKind::Confirmation, prompt, platform::kYesNo)
                                      == PromptAnswer::Yes;
        if (yes) {
            m_host->ReleaseVoiceFile(picture);
            if (PictureIndex >= 0 && size_t(PictureIndex) < m_session.PictureTable.size())
                removeShowRecordDuringShow(m_session.PictureTable[size_t(PictureIndex)].RecordIndex);
        }
    } else {
        const QString name = QFileInfo(picture).fileName();
        const bool fixed = platform::DriveKindOfPath(picture) == platform::DriveKind::Fixed;
        const PromptAnswer answer =
            ticked ? (confirmTickedRemoval(QStringLiteral("Delete ") + name + QStringLiteral(" ?\r\n\r\n")
                                           + QStringLiteral("(Deletions of files stored on fixed drives will be "
                                                            "send to the Recycle Bin)"))
                          ? PromptAnswer::Yes
                          : PromptAnswer::No)
            : fixed ? platform::showMessage(PromptKind::Confirmation,
                                          QStringLiteral("Send ") + name + QStringLiteral(" to the Recycle Bin ?"),
                                          platform::kYesNo)
                  : platform::showMessage(PromptKind::Warning,
                                          QStringLiteral("Delete ") + name + QStringLiteral(" ?")
                                              + QStringLiteral("\r\n(Deletions of files stored on non-fixed drives "
                                                               "will not be kept in the Recycle Bin)"),
                                          platform::kYesNo);
        if (answer == PromptAnswer::Yes) {
            DeleteCurrentPicture(fixed);
            if (!showRan && FolderEmptying == 0)
                reloadShowList();
        }
    }
    m_host->UpdateFolderCaption();
    if (showRan) {
        m_w.Window->activateWindow();
        m_w.Window->raise();
    }
}

void FileOperationsController::DeleteCurrentPicture(bool onFixedDrive)
{
    const QString picture = currentPicture();
    m_host->ReleaseVoiceFile(picture);
    m_w.Window->setEnabled(false);
    pauseRunningShow();
    status(onFixedDrive ? QStringLiteral("Sending picture to Recycle Bin....") : QStringLiteral("Deleting picture...."));
    if (m_session.PlaybackActive == 1)
        FolderChangedDuringShow = 1;
    DeletePictureFile(picture, true, false, true, *this);
    // A run over the ticked pictures keeps the window disabled until its end.
    m_w.Window->setEnabled(m_ticked.TickedBusy == 0);
}

void FileOperationsController::removeShowRecordDuringShow(int recordIndex)
{
    std::vector<TPictureEntry>& PictureTable = m_session.PictureTable;
    // The record leaves the open show's working copy; later records move up.
    if (ShowFile.IsOpen() && ShowFile.IsWritable() && recordIndex >= 0 && recordIndex < ShowFile.RecordCount()) {
        QList<QByteArray> records;
        QByteArray bytes;
        for (qint64 i = 0; i < ShowFile.RecordCount(); ++i)
            if (i != recordIndex && ShowFile.Read(i, bytes).ok())
                records << bytes;
        bool ok = true;
        for (qint64 i = 0; i < records.size() && ok; ++i)
            ok = ShowFile.Write(i, records[int(i)]).ok();
        if (ok) {
            ShowFile.Truncate(records.size());
            ShowFile.Flush();
            ShowChanged = 1;
            for (int32_t i = 0; i < m_session.PictureCount && size_t(i) < PictureTable.size(); ++i)
                if (PictureTable[size_t(i)].RecordIndex > recordIndex)
                    --PictureTable[size_t(i)].RecordIndex;
            reloadShowList();
        }
    }
    removeFromPlayOrder();
}

void FileOperationsController::RenamePictureToolButtonClick()
{
    int32_t& PictureIndex = m_session.PictureIndex;
    pauseRunningShow();
    // On the thumbnail page the picture of the first ticked cell; nothing
    // without a ticked cell.
    int pageSlot = -1;
    if (pageShown()) {
        pageSlot = m_host->PageView()->SelectedSlot();
        if (pageSlot < 0 || m_host->PageView()->State().cell(pageSlot).PageSlotPicture < 0)
            return;
        m_host->PageView()->PointCursorAt(m_host->PageView()->State().cell(pageSlot).PageSlotPicture);
    }
    const QString picture = currentPicture();
    if (picture.isEmpty() || !QFileInfo(picture).isFile())
        return;
    const QString ext = FileExtOf(picture);
    m_host->FormDestroy();
    const std::optional<QString> name =
        platform::askText(QStringLiteral("Rename as ? (with extension ") + ext + QStringLiteral(")"),
                          QStringLiteral("New file name :"), StripFileExt(QFileInfo(picture).fileName(), true));
    if (!name) {
        m_host->InstallKeyboardHook();
        return;
    }
    m_w.Window->setEnabled(false);
    m_host->ReleaseVoiceFile(picture);
    const RenameOutcome outcome = RenamePictureFile(picture, *name, options(), *this);
    if (outcome.renamed) {
        const QString newPath = outcome.newPath;
        if (m_session.PlaybackActive == 1) {
            if (PictureIndex >= 0 && size_t(PictureIndex) < m_session.PictureTable.size())
                m_session.PictureTable[size_t(PictureIndex)].FullPath = newPath;
            FolderChangedDuringShow = 1;
            CurrentPicturePath = newPath;
            PictureDisplayName = QFileInfo(newPath).fileName();
            if (pageSlot >= 0 && m_host->PageView())
                m_host->PageView()->RenameSlotPicture(pageSlot, newPath);
            else
                m_host->UpdatePictureStatus();
        } else {
            QTreeWidget* tree = m_w.TreeView1;
            QTreeWidgetItem* node = tree ? tree->currentItem() : nullptr;
            if (node && isFileNode(node) && m_host->GetNodePath(node) == picture)
                node->setText(0, QFileInfo(newPath).fileName());
            CurrentPicturePath = newPath;
            if (tree)
                tree->viewport()->update();
        }
    }
    m_w.Window->setEnabled(true);
    m_host->InstallKeyboardHook();
}

void FileOperationsController::Backwards1ToolButtonClick()
{
    TForm9* const Form9 = m_host->showWindow();
    QAction* button = m_w.Backwards1ToolButton;
    if ((button && !button->isEnabled()) || m_session.PlaybackActive != 1 || m_session.ShowState.StepInProgress || !Form9)
        return;
    Form9->OneBackwardsClick();
}

void FileOperationsController::Forward1ToolButtonClick()
{
    TForm9* const Form9 = m_host->showWindow();
    QAction* button = m_w.Forward1ToolButton;
    if ((button && !button->isEnabled()) || m_session.PlaybackActive != 1 || m_session.ShowState.StepInProgress || !Form9)
        return;
    m_session.ShowState.StepByHand = true;
    Form9->Step(1);
}

// ---- folder commands ------------------------------------------------------------

void FileOperationsController::FolderOperationsClick()
{
    const FileOpsWidgets& f = m_w;
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
    const QString SelectedFolder = m_host->folderTree()->SelectedFolder;
    const bool writable = !SelectedFolder.isEmpty() && platform::FreeSpaceOf(SelectedFolder) != 0;
    const bool notRoot = !SelectedFolder.isEmpty() && SelectedFolder != QLatin1String("/")
                         && !platform::IsMountPoint(SelectedFolder);
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
    m_host->FormDestroy();
    FolderCreated = 0;
    const QString SelectedFolder = m_host->folderTree()->SelectedFolder;
    const QString preset = PresetFolderName;
    QString name = preset;
    if (name.isEmpty()) {
        const std::optional<QString> typed =
            platform::askText(QStringLiteral("Create new folder in ") + SelectedFolder, QStringLiteral("Folder name :"));
        if (!typed) {
            m_host->InstallKeyboardHook();
            return;
        }
        name = *typed;
    }
    const QString created =
        CreateFolder(SelectedFolder, name, preset == QLatin1String("SmallPics"), FlagOn(Settings.HideSmallPics));
    if (!created.isEmpty()) {
        m_host->RefreshSelectedFolder();
        if (QTreeWidgetItem* node = m_w.TreeView1 ? m_w.TreeView1->currentItem() : nullptr)
            node->setExpanded(true);
        m_host->UpdateFolderCaption();
        m_w.Window->activateWindow();
        if (m_w.TreeView1)
            m_w.TreeView1->viewport()->update();
        FolderCreated = 1;
        PresetFolderName.clear();
    }
    m_host->InstallKeyboardHook();
}

void FileOperationsController::CreatenewFolderClick()
{
    reopenFolder(m_host->folderTree()->SelectedFolder);
    CreateFolderPopClick();
}

void FileOperationsController::RenameFolderPopClick()
{
    const QString folder = m_host->folderTree()->SelectedFolder;
    if (folder.isEmpty())
        return;
    m_host->FormDestroy();
    const std::optional<QString> name = platform::askText(QStringLiteral("Rename as ? "), QStringLiteral("New folder name :"),
                                                          QFileInfo(folder).fileName());
    if (name) {
        m_host->ReleaseVoiceFile();
        const DataPaths& paths = m_host->Paths();
        const FolderRenameOutcome outcome =
            RenameFolder(folder, *name, Settings, paths.SettingsFileName.isEmpty() ? paths.SettingsPath : paths.SettingsFileName,
                         paths.ExcludeFolderPath, Settings.KeepShowsInSync != 0, *this);
        if (outcome.renamed)
            reopenFolder(outcome.newPath);
    }
    m_host->InstallKeyboardHook();
}

void FileOperationsController::DeleteOrEmptyFolder(const QString& folder, FolderWalkMode mode, bool quiet,
                                                   bool subfolders)
{
    m_host->ReleaseVoiceFile();
    processEvents();
    FolderEmptying = 1;
    const FolderDeleteOutcome outcome = ::DeleteOrEmptyFolder(folder, mode, quiet, subfolders, *this);
    if (outcome.asked && !outcome.folderToShow.isEmpty())
        reopenFolder(outcome.folderToShow);
    FolderEmptying = 0;
}

void FileOperationsController::DeleteFolderPopClick()
{
    DeleteOrEmptyFolder(m_host->folderTree()->SelectedFolder, FolderWalkMode::Delete, false, true);
}

void FileOperationsController::DeleteFolder1Click()
{
    reopenFolder(m_host->folderTree()->SelectedFolder);
    DeleteFolderPopClick();
}

void FileOperationsController::EmptyFolderPopClick()
{
    DeleteOrEmptyFolder(m_host->folderTree()->SelectedFolder, FolderWalkMode::Empty, false, true);
}

void FileOperationsController::HideSmallClick()
{
    DeleteOrEmptyFolder(m_host->folderTree()->SelectedFolder, FolderWalkMode::SetSmallPicsHidden, false, true);
}

void FileOperationsController::EmptyMailTempFolder(bool subfolders)
{
    if (QFileInfo(m_host->Paths().MailTempFolder).isDir())
        DeleteOrEmptyFolder(m_host->Paths().MailTempFolder, FolderWalkMode::Empty, true, subfolders);
}

void FileOperationsController::WindowsExplorer1Click()
{
    const QString SelectedFolder = m_host->folderTree()->SelectedFolder;
    if (!SelectedFolder.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(SelectedFolder));
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
    TShowState& ShowState = m_session.ShowState;
    if (m_w.AddBookMark && !m_w.AddBookMark->isEnabled() && ShowState.BookmarkIndex >= 0
        && ShowState.BookmarkIndex < int(m_session.Bookmarks.size()))
        m_session.Bookmarks[size_t(ShowState.BookmarkIndex)] = QFileInfo(newPath).fileName().toLower();
    removeFromPlayOrder();
}

void FileOperationsController::removeFromPlayOrder()
{
    TForm9* const Form9 = m_host->showWindow();
    // A page show keeps its own play order.
    if (pageShown()) {
        if (m_host->PageView()->RemovePictureFromPlayOrder(m_session.PictureIndex))
            m_session.ShowState.PictureCount = int32_t(m_host->PageView()->PicturesLeft());
        return;
    }
    if (Form9 && m_session.PlaybackActive == 1)
        Form9->RemoveCurrentFromPlayOrder();
}

void FileOperationsController::treePictureRemoved(const QString& path)
{
    QTreeWidget* tree = m_w.TreeView1;
    if (!tree)
        return;
    QTreeWidgetItem* node = tree->currentItem();
    if (!node || m_host->GetNodePath(node) != path) {
        // The node of the picture among the children of the selected folder's node.
        node = nullptr;
        QTreeWidgetItem* parent = tree->currentItem();
        for (int i = 0; parent && i < parent->childCount() && !node; ++i)
            if (m_host->GetNodePath(parent->child(i)) == path)
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
        m_host->VXOnlineHelpClick();
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

bool FileOperationsController::deletePictureFile(const QString& path)
{
    return DeletePictureFile(path, true, false, false, *this);
}

bool FileOperationsController::deleteShowFile(const QString& path)
{
    TForm16* const Form16 = m_host->showManager();
    if (!OpenShowPath.isEmpty() && SameFile(OpenShowPath, path))
        openDraftShow();
    if (!SendToRecycleBin(path)) {
        platform::showMessage(PromptKind::Error, QStringLiteral("File could not be deleted"));
        return false;
    }
    if (Form16)
        Form16->RemoveKnownShow(path);
    m_host->RemoveFromRecent(path);
    m_host->RemoveFromFavorites(path);
    m_host->RemoveFromHistory(path);
    return true;
}

void FileOperationsController::folderRemoved(const QString& folder)
{
    m_host->RemoveFromFavorites(folder);
    m_host->RemoveFromRecent(folder);
}

void FileOperationsController::reloadShowList()
{
    if (ShowFile.IsOpen())
        m_host->ReadMyShowFile();
}

QString FileOperationsController::openShowFile() const
{
    return OpenShowPath;
}

bool FileOperationsController::draftShowOpen() const
{
    return DraftShowOpen == 1;
}

void FileOperationsController::openDraftShow()
{
    SetMyShowChanged(false);
    ShowChanged = 0;
    m_host->MyShowDraftClick();
}

void FileOperationsController::rebuildListMenus()
{
    m_host->BuildRecentMenu();
    m_host->BuildHistoryMenu();
    m_host->BuildFavoritesMenu();
}

void FileOperationsController::reloadExclusions()
{
    m_host->folderTree()->Exclusions.ExclusionsChanged = 1;
    m_host->LoadFolderExclusions();
}

void FileOperationsController::writeKnownShows(const QString& oldFolder, const QString& newFolder)
{
    m_host->WriteAllMyShowList(oldFolder, newFolder, int(oldFolder.size()), true);
}

void FileOperationsController::syncShowsAfterFolderRename(const QString& oldFolder, const QString& newFolder)
{
    SyncShowsAfterRename(oldFolder, newFolder, int(oldFolder.size()), true);
}

QStringList FileOperationsController::playlists() const
{
    TForm16* const Form16 = m_host->showManager();
    QStringList lists;
    const auto add = [&lists](const QString& path) {
        if (!path.isEmpty() && QFileInfo(path).isFile() && !lists.contains(path))
            lists << path;
    };
    for (const QFileInfo& info : QDir(m_host->Paths().PlaylistsFolder).entryInfoList({QStringLiteral("*.vxz")}, QDir::Files))
        add(info.absoluteFilePath());
    // The playlists the shows link to.
    QStringList shows = Form16 ? Form16->KnownShows() : QStringList();
    if (!OpenShowPath.isEmpty())
        shows << OpenShowPath;
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
