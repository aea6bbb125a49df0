// The picture commands of the main window: save, move, delete and rename of
// the current picture or of the ticked pictures of the thumbnail page, and
// the steps back and forward through a running show.
#include "browse/file_ops_controller.h"
#include "browse/thumbnail_page_section.h"

#include "base/data_folder.h"
#include "base/file_helpers.h"
#include "base/picture_table.h"
#include "base/program_state.h"
#include "base/settings_record.h"
#include "browse/external_programs.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/thumbnail_page_controller.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "browse/show_view.h"

#include <QAction>
#include <QFileInfo>
#include <QTimer>
#include <QTreeWidget>

namespace {

using platform::PromptAnswer;
using platform::PromptKind;

} // namespace

void FileOperationsController::SaveToolButtonClick()
{
    ShowView* const showView = m_showView.data();
    // On the thumbnail page the ticked pictures are saved (not while a
    // cell's picture is open in the full view).
    if (pageShown() && !(showView && showView->isVisible())) {
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
    if (m_session.CutOutCount >= 1) {
        m_copy.CopySource = m_paths.CutOutFolder + QStringLiteral("/cut") + QString::number(m_session.CutOutCount) + QStringLiteral(".bmp");
        m_copy.CopySuggestName = picture;
    }
    m_copy.CopyModeSave = 1;
    m_copy.CopyModeMove = 0;
    CopyOrMovePictureTo();
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
}

void FileOperationsController::CopyOrMovePictureTo(std::function<void()> then)
{
    const auto ended = [&then] {
        if (then)
            then();
    };
    if (m_copyRunning)
        return;
    TSettingsRecord& Settings = m_settings.Settings;
    const bool save = m_copy.CopyModeSave == 1;
    const bool cutOut = save && !m_copy.CopySuggestName.isEmpty();
    const QString source = m_copy.CopySource;
    std::optional<QString> chosen;
    emit keyboardHookRemovalWanted();
    if (cutOut) {
        chosen = platform::chooseSaveFile(QStringLiteral("Save to"), FolderOf(m_copy.CopySuggestName),
                                          QStringLiteral("Jpeg image (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp"),
                                          MakeUniqueCopyName(m_copy.CopySuggestName, QStringLiteral("CutOutFile"), false),
                                          QStringLiteral("jpg"));
    } else {
        const QString ext = FileExtOf(source);
        const auto volume = platform::DriveOf(m_paths.DataFolder);
        const QString folder = CopyDialogFolder(Settings.LastCopyTarget, volume ? volume->mountPoint : QStringLiteral("/"),
                                                m_tree.SelectedFolder, source);
        chosen = platform::chooseSaveFile(save ? QStringLiteral("Save to") : QStringLiteral("Move to"), folder,
                                          QStringLiteral("*") + ext + QStringLiteral("|*") + ext,
                                          QFileInfo(source).fileName(), ext.mid(1),
                                          save ? QString() : QStringLiteral("&Move"));
    }
    emit keyboardHookWanted();
    if (!chosen || chosen->isEmpty()) {
        m_ticked.TickedCancel = 1;
        return ended();
    }
    const QString target = *chosen;
    emit voiceReleaseWanted(source);
    if (SameFile(source, target)) {
        platform::showMessage(PromptKind::Error,
                              QStringLiteral("You are trying to copy or move a picture to itself,\r\nthis is not permitted !"));
        return ended();
    }
    Settings.LastCopyTarget = FolderOf(target);
    const bool show = m_session.PlaybackActive == 1;
    if (save) {
        status(QStringLiteral("Copying picture...."));
    } else {
        pauseRunningShow();
        status(QStringLiteral("Moving picture...."));
    }
    m_copy.CopyCancelled = 0;
    m_copy.CopyFailed = 0;
    if (cutOut && FileExtOf(target).toLower() == QLatin1String(".jpg")) {
        // The closed file dialog is painted away and the status text shows
        // before the cut-out is written: the writing waits for the event loop.
        m_copyRunning = true;
        QTimer::singleShot(0, this, [this, source, target, save, show, then = std::move(then)] {
            emit pictureReductionWanted(source, target, false, false, false, -1, 100);
            m_copyRunning = false;
            copyFollowUp(source, save, show);
            if (then)
                then();
        });
        return;
    }
    if (!save && show)
        FolderChangedDuringShow = 1;
    // The copy runs on a worker; the window goes on, and this goes on from
    // the copy's end.
    m_copyRunning = true;
    ::CopyPictureFile(source, target, m_copy, options(), *this,
                      [this, source, save, show, then = std::move(then)](const CopyOutcome&) {
                          m_copyRunning = false;
                          if (!show || m_session.PlaybackActive == 1)
                              copyFollowUp(source, save, show);
                          if (then)
                              then();
                      });
}

void FileOperationsController::copyFollowUp(const QString& source, bool save, bool show)
{
    emit folderCaptionWanted();
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

void FileOperationsController::RecycleBinToolButtonClick()
{
    if (pageShown())
        ApplyToTickedPictures(QStringLiteral("Delete"));
    else
        ConfirmAndDeletePicture();
}

bool FileOperationsController::pageShown() const
{
    return m_page.PageView && m_page.PageShowRuns() && m_page.PageView->ThumbnailViewActive();
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
    ThumbnailPageController* page = m_page.PageView;
    if (!page || m_ticked.TickedBusy == 1 || m_copyRunning)
        return;
    m_tickedRun = TickedRun();
    m_tickedRun.save = action == QLatin1String("Save");
    m_tickedRun.remove = action == QLatin1String("Delete");
    m_tickedRun.page = page;
    // The ticks are read once: a removal only unticks the removed cell.
    m_tickedRun.cells = page->TickedSlots();
    m_w.Window->setEnabled(false);
    m_ticked.TickedBusy = 1;
    m_ticked.TickedYesToAll = 0;
    m_ticked.TickedCancel = 0;
    tickedStep();
}

void FileOperationsController::tickedStep()
{
    TickedRun& run = m_tickedRun;
    while (run.page && run.next < run.cells.size()) {
        ThumbnailPageController* page = run.page;
        const int slot = run.cells[run.next++];
        const PageCell cell = page->State().cell(slot);
        if (!cell.ticked || cell.PageSlotPicture < 0)
            continue;
        const int before = page->PicturesLeft();
        page->PointCursorAt(cell.PageSlotPicture);
        m_ticked.TickedSkip = 0;
        m_copy.CopyCancelled = 0;
        if (run.remove) {
            ConfirmAndDeletePicture();
            if (!tickedPictureDone(slot, before))
                return;
            continue;
        }
        m_copy.CopySource = cell.path;
        m_copy.CopySuggestName.clear();
        m_copy.CopyModeSave = run.save ? 1 : 0;
        m_copy.CopyModeMove = run.save ? 0 : 1;
        CopyOrMovePictureTo([this, slot, before] {
            if (tickedPictureDone(slot, before))
                tickedStep();
        });
        return;
    }
    tickedEnd();
}

bool FileOperationsController::tickedPictureDone(int slot, int before)
{
    TickedRun& run = m_tickedRun;
    ThumbnailPageController* page = run.page;
    if (!page || m_session.PlaybackActive != 1 || m_page.PageView != page || !page->ThumbnailViewActive()) {
        // The show ended meanwhile: the page is gone.
        m_ticked.TickedBusy = 0;
        m_w.Window->setEnabled(true);
        return false;
    }
    if (page->PicturesLeft() != before) {
        page->MarkSlotRemoved(slot, m_openShow.SourceIsShow == 1);
        run.removed = true;
        if (page->PicturesLeft() == 0) {
            platform::showMessage(PromptKind::Information, QStringLiteral("No more pictures left in show"));
            m_ticked.TickedBusy = 0;
            m_w.Window->setEnabled(true);
            emit showEndWanted();
            return false;
        }
    }
    // One picture is saved per click.
    if (run.save) {
        if (m_ticked.TickedCancel == 0)
            page->UntickSlot(slot);
        tickedEnd();
        return false;
    }
    // A cancelled prompt or dialog ends the run; so does a target that
    // refused every attempt (the next picture would meet it too).
    if (m_ticked.TickedCancel == 1 || m_copy.CopyCancelled == 1) {
        tickedEnd();
        return false;
    }
    return true;
}

void FileOperationsController::tickedEnd()
{
    if (ThumbnailPageController* page = m_tickedRun.page) {
        if (m_tickedRun.removed)
            page->PackRemovedSlots();
        else
            page->SetSelectionMenuCaptions();
    }
    m_ticked.TickedBusy = 0;
    m_w.Window->setEnabled(true);
}

void FileOperationsController::ConfirmAndDeletePicture()
{
    const bool showRan = m_session.PlaybackActive == 1;
    pauseRunningShow();
    const QString picture = currentPicture();
    const OpenShow& show = m_openShow;
    if (picture.isEmpty() || (!(showRan && show.SourceIsShow == 1) && !QFileInfo(picture).isFile()))
        return;
    const bool ticked = m_ticked.TickedBusy == 1;
    if (showRan && show.SourceIsShow == 1) {
        const QString prompt = QStringLiteral("Remove ") + picture + QStringLiteral(" from ") + show.OpenShowName
                               + QStringLiteral(" ?");
        const bool yes = ticked ? confirmTickedRemoval(prompt)
                                : platform::showMessage(PromptKind::Confirmation, prompt, platform::kYesNo)
                                      == PromptAnswer::Yes;
        if (yes) {
            emit voiceReleaseWanted(picture);
            if (m_session.PictureIndex >= 0 && size_t(m_session.PictureIndex) < m_session.PictureTable.size())
                removeShowRecordDuringShow(m_session.PictureTable[size_t(m_session.PictureIndex)].RecordIndex);
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
    emit folderCaptionWanted();
    if (showRan) {
        m_w.Window->activateWindow();
        m_w.Window->raise();
    }
}

void FileOperationsController::DeleteCurrentPicture(bool onFixedDrive)
{
    const QString picture = currentPicture();
    emit voiceReleaseWanted(picture);
    m_w.Window->setEnabled(false);
    pauseRunningShow();
    status(onFixedDrive ? QStringLiteral("Sending picture to Recycle Bin....") : QStringLiteral("Deleting picture...."));
    if (m_session.PlaybackActive == 1)
        FolderChangedDuringShow = 1;
    // The prompt of a drive other than a fixed one said its deletions are
    // not kept: where its Trash can't be had, the picture goes for good.
    DeletePictureFile(picture, true, false, true, *this, !onFixedDrive);
    // A run over the ticked pictures keeps the window disabled until its end.
    m_w.Window->setEnabled(m_ticked.TickedBusy == 0);
}

void FileOperationsController::removeShowRecordDuringShow(int recordIndex)
{
    std::vector<TPictureEntry>& PictureTable = m_session.PictureTable;
    OpenShow& show = m_openShow;
    // The record leaves the open show's working copy; later records move up.
    if (show.ShowFile.IsOpen() && show.ShowFile.IsWritable() && recordIndex >= 0
        && recordIndex < show.ShowFile.RecordCount()) {
        QList<QByteArray> records;
        QByteArray bytes;
        for (qint64 i = 0; i < show.ShowFile.RecordCount(); ++i)
            if (i != recordIndex && show.ShowFile.Read(i, bytes).ok())
                records << bytes;
        bool ok = true;
        for (qint64 i = 0; i < records.size() && ok; ++i)
            ok = show.ShowFile.Write(i, records[int(i)]).ok();
        if (ok) {
            show.ShowFile.Truncate(records.size());
            show.ShowFile.Flush();
            show.ShowChanged = 1;
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
    pauseRunningShow();
    // On the thumbnail page the picture of the first ticked cell; nothing
    // without a ticked cell.
    int pageSlot = -1;
    if (pageShown()) {
        pageSlot = m_page.PageView->SelectedSlot();
        if (pageSlot < 0 || m_page.PageView->State().cell(pageSlot).PageSlotPicture < 0)
            return;
        m_page.PageView->PointCursorAt(m_page.PageView->State().cell(pageSlot).PageSlotPicture);
    }
    const QString picture = currentPicture();
    if (picture.isEmpty() || !QFileInfo(picture).isFile())
        return;
    const QString ext = FileExtOf(picture);
    emit keyboardHookRemovalWanted();
    const std::optional<QString> name =
        platform::askText(QStringLiteral("Rename as ? (with extension ") + ext + QStringLiteral(")"),
                          QStringLiteral("New file name :"), StripFileExt(QFileInfo(picture).fileName(), true));
    if (!name) {
        emit keyboardHookWanted();
        return;
    }
    m_w.Window->setEnabled(false);
    emit voiceReleaseWanted(picture);
    const RenameOutcome outcome = RenamePictureFile(picture, *name, options(), *this);
    if (outcome.renamed) {
        const QString newPath = outcome.newPath;
        if (m_session.PlaybackActive == 1) {
            if (m_session.PictureIndex >= 0 && size_t(m_session.PictureIndex) < m_session.PictureTable.size()) {
                TPictureEntry& entry = m_session.PictureTable[size_t(m_session.PictureIndex)];
                entry.FullPath = newPath;
                // A bookmark key made of the file name follows the new name.
                if (entry.BookmarkKey.isEmpty() || entry.BookmarkKey == QFileInfo(picture).fileName().toLower())
                    entry.BookmarkKey = QFileInfo(newPath).fileName().toLower();
                setCurrentBookmark(entry.BookmarkKey);
            }
            FolderChangedDuringShow = 1;
            m_display.CurrentPicturePath = newPath;
            m_display.PictureDisplayName = QFileInfo(newPath).fileName();
            if (pageSlot >= 0 && m_page.PageView)
                m_page.PageView->RenameSlotPicture(pageSlot, newPath);
            else
                emit pictureStatusWanted();
        } else {
            QTreeWidget* tree = m_w.TreeView1;
            QTreeWidgetItem* node = tree ? tree->currentItem() : nullptr;
            if (node && isFileNode(node) && m_tree.GetNodePath(node) == picture)
                node->setText(0, QFileInfo(newPath).fileName());
            m_display.CurrentPicturePath = newPath;
            if (tree)
                tree->viewport()->update();
        }
    }
    m_w.Window->setEnabled(true);
    emit keyboardHookWanted();
}

void FileOperationsController::Backwards1ToolButtonClick()
{
    if (m_page.PageView && m_page.PageView->ThumbnailViewActive())  // the page section steps a page show
        return;
    ShowView* const showView = m_showView.data();
    // The tool bar's button rules while the bar shows it; in a show played
    // full screen the Show menu's item (enabled only then) asks.
    QAction* button = m_w.Backwards1ToolButton;
    if ((button && button->isVisible() && !button->isEnabled()) || m_session.PlaybackActive != 1 || !showView)
        return;
    showView->OneBackwardsClick();
}

void FileOperationsController::Forward1ToolButtonClick()
{
    if (m_page.PageView && m_page.PageView->ThumbnailViewActive())  // the page section steps a page show
        return;
    ShowView* const showView = m_showView.data();
    // The tool bar's button rules while the bar shows it; in a show played
    // full screen the Show menu's item (enabled only then) asks.
    QAction* button = m_w.Forward1ToolButton;
    if ((button && button->isVisible() && !button->isEnabled()) || m_session.PlaybackActive != 1 || !showView)
        return;
    m_session.ShowState.StepByHand = true;
    showView->Step(1);
}
