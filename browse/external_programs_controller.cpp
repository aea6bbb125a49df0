// The main window's external programs and wallpaper: the edit and video
// program launches, rotations through the outside viewer, the sibling
// renaming program, the EXIF date reset of a folder, the launch menus and
// buttons, and the wallpaper command.
#include "browse/external_programs_controller.h"

#include "platform/designed_widgets.h"
#include "platform/desktop_open.h"
#include "base/data_folder.h"
#include "base/program_state.h"
#include "base/environment.h"
#include "base/settings_store.h"
#include "browse/crop_cut_out.h"
#include "browse/external_programs.h"
#include "browse/fit_zoom.h"
#include "browse/fit_zoom_handler.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "browse/preview_panel.h"
#include "browse/wallpaper.h"
#include "browse/wallpaper_dialog.h"
#include "platform/dos_date.h"
#include "platform/file_attributes.h"
#include "platform/icons.h"
#include "platform/prompt.h"
#include "platform/prompt_dialogs.h"
#include "platform/worker_pool.h"
#include "shows/show_file.h"
#include "shows/show_windows.h"
#include "browse/show_view.h"

#include <QAction>
#include <QApplication>
#include <QCursor>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>
#include <QUrl>

using platform::PromptAnswer;
using platform::PromptKind;

namespace {

bool showRuns(const ShowSession& session)
{
    return session.PlaybackActive == 1;
}

// The cut-out bitmap on screen (number `cutOutCount` in `cutOutFolder`), "" when none.
QString cutOutOnScreen(const QString& cutOutFolder, int cutOutCount)
{
    if (cutOutCount < 1 || cutOutFolder.isEmpty())
        return {};
    const QString path = CutOutFilePath(cutOutFolder, cutOutCount);
    return QFileInfo(path).isFile() ? path : QString();
}

QString thumbnailOf(const PictureLoaderSteps& thumbnails, const QString& picture)
{
    if (thumbnails.ThumbnailPath)
        return thumbnails.ThumbnailPath(picture);
    const QFileInfo fi(picture);
    return fi.path() + QStringLiteral("/vxothumb/") + fi.fileName();
}

void refreshThumbnail(const PictureLoaderSteps& thumbnails, const QString& picture)
{
    if (picture.isEmpty() || !thumbnails.CreateOrRefreshThumbnail)
        return;
    thumbnails.CreateOrRefreshThumbnail(picture, thumbnailOf(thumbnails, picture), nullptr);
}

ExternalProgramsItems TakeExternalProgramsItems(const QWidget& window)
{
    const auto action = [&window](const char* name) { return platform::ActionNamed(window, name); };
    return {
        .RunExeToolButton = action("RunExeToolButton"),
        .RunExeMyShowTB = action("RunExeMyShowTB"),
        .LaunchEditProgram1 = platform::MenuNamed(window, "LaunchEditProgram1"),
        .LaunchItems = platform::NumberedActions<5>(window, "Launch", 0),
        .RaunchItems = platform::NumberedActions<5>(window, "Raunch", 0),
        .VaunchItems = platform::NumberedActions<5>(window, "Vaunch", 0),
        .TBRotateL = action("TBRotateL"),
        .TBRotateR = action("TBRotateR"),
        .MRotateL = action("MRotateL"),
        .MRotateR = action("MRotateR"),
        .RCRotateL = action("RCRotateL"),
        .RCRotateR = action("RCRotateR"),
        .Irfanview = action("Irfanview"),
        .TBTarnivo = action("TBTarnivo"),
        .TarnivoPop = action("TarnivoPop"),
        .Tarnivo = action("Tarnivo"),
        .ResetToExifPop = action("ResetToExifPop"),
        .MResetToEXIF = action("MResetToEXIF"),
        .Wallpaper = action("Wallpaper"),
        .WallPaperFolder = action("WallPaperFolder"),
        .WallPaperMyShow = action("WallPaperMyShow"),
        .SetWalPaper = action("SetWalPaper"),
    };
}

} // namespace

ExternalProgramsController::ExternalProgramsController(const ExternalProgramsWidgets& widgets,
                                                       FolderTreeController& tree, PictureDisplayState& display,
                                                       OpenShow& openShow,
                                                       std::function<FolderPictureChooser*()> folderPictureWindow,
                                                       SettingsStore& settings, const DataPaths& paths,
                                                       const EnvironmentInfo& environment, ShowSession& session,
                                                       PictureLoaderSteps thumbnails)
    : QObject(widgets.Window), m_tree(tree), m_display(display), m_openShow(openShow),
      m_folderPictureWindow(std::move(folderPictureWindow)), m_thumbnails(std::move(thumbnails)),
      m_session(session), m_settings(settings), m_paths(paths), m_environment(environment),
      m_w{widgets, TakeExternalProgramsItems(*widgets.Window)}
{
    setObjectName(QStringLiteral("ExternalProgramsController"));
}

ExternalProgramsController::~ExternalProgramsController()
{
    // A date reset under way stops after its current file.
    *m_alive = false;
    m_worker.reset();
    // An outside program started from here still runs: the program ends
    // once that program has ended, as the close said.
    for (QProcess* program : findChildren<QProcess*>(Qt::FindDirectChildrenOnly))
        program->waitForFinished(-1);
}

void ExternalProgramsController::SetShowView(ShowView* window) { m_showView = window; }

void ExternalProgramsController::SetPage(PageSelection* page) { m_page = page ? page : &m_noPage; }

bool ExternalProgramsController::pageShown() const { return m_page->ThumbnailViewActive(); }

QStringList ExternalProgramsController::tickedPictures() const
{
    return pageShown() ? m_page->TickedPictures() : QStringList();
}

void ExternalProgramsController::SetupExternalPrograms()
{
    ShowView* const showView = m_showView.data();
    if (m_setUp)
        return;
    m_setUp = true;
    const auto onClick = [this](QAction* a, auto&& f) {
        if (a)
            connect(a, &QAction::triggered, this, f);
    };
    onClick(m_w.RunExeToolButton, [this] { RunExeToolButtonClick(); });
    onClick(m_w.RunExeMyShowTB, [this] {
        EditFromShowList = 1;
        RunExeToolButtonClick();
    });
    for (int k = 0; k < 5; ++k) {
        onClick(m_w.LaunchItems[size_t(k)], [this, k] {
            EditProgramIndex = k;
            LaunchEditProgram();
        });
        onClick(m_w.RaunchItems[size_t(k)], [this, k] {
            EditProgramIndex = k;
            LaunchEditProgram();
        });
        onClick(m_w.VaunchItems[size_t(k)], [this, k] {
            VideoProgramIndex = k;
            LaunchChosenVideoProgram();
        });
    }
    connect(m_w.BrowsePreview, &PreviewPanel::editProgramClicked, this, [this](int k) {
        EditProgramIndex = k;
        LaunchEditProgram();
    });
    connect(m_w.ShowPreview, &PreviewPanel::editProgramClicked, this, [this](int k) {
        EditFromShowList = 1;
        EditProgramIndex = k;
        LaunchEditProgram();
    });
    onClick(m_w.TBRotateL, [this] { TBRotateLClick(); });
    onClick(m_w.TBRotateR, [this] { TBRotateRClick(); });
    onClick(m_w.MRotateL, [this] { TBRotateLClick(); });
    onClick(m_w.MRotateR, [this] { TBRotateRClick(); });
    // The pop-up's rotations run the tool buttons' routines themselves: a
    // hidden tool button's action would not trigger.
    onClick(m_w.RCRotateL, [this] { TBRotateLClick(); });
    onClick(m_w.RCRotateR, [this] { TBRotateRClick(); });
    if (showView) {
        connect(showView, &ShowView::RotateLeftClicked, this, [this] { TBRotateLClick(true); });
        connect(showView, &ShowView::RotateRightClicked, this, [this] { TBRotateRClick(true); });
    }
    onClick(m_w.Irfanview, [this] { IrfanviewClick(); });
    onClick(m_w.TBTarnivo, [this] { TBTarnivoClick(); });
    onClick(m_w.TarnivoPop, [this] { TBTarnivoClick(); });
    onClick(m_w.Tarnivo, [this] { TBTarnivoClick(); });
    onClick(m_w.ResetToExifPop, [this] { ResetToExifPopClick(); });
    onClick(m_w.MResetToEXIF, [this] { ResetToExifPopClick(); });
    onClick(m_w.Wallpaper, [this] { WallpaperClick(m_w.Wallpaper); });
    onClick(m_w.WallPaperFolder, [this] { WallpaperClick(m_w.WallPaperFolder); });
    onClick(m_w.WallPaperMyShow, [this] { WallpaperClick(m_w.WallPaperMyShow); });
    onClick(m_w.SetWalPaper, [this] { WallpaperClick(m_w.SetWalPaper); });
    BuildLaunchMenu();
    LoadVideoProgramIcons();
    BuildLaunchButtons();
}

// ---- the edit target ----------------------------------------------------------------

QString ExternalProgramsController::editTargetForLaunch()
{
    if (m_session.FullViewActive == 1) {
        // The picture of the full view on the screen.
        if (const FitZoomHandler* shown = fullScreenShownImage(); shown && !shown->CropPath.isEmpty())
            return shown->CropPath;
        if (!m_display.CurrentPicturePath.isEmpty())
            return m_display.CurrentPicturePath;
    }
    if (EditFromShowList == 1 && m_w.MyShowSG && m_w.MyShowSG->currentRow() >= 0) {
        const int row = m_w.MyShowSG->currentRow();
        const QTableWidgetItem* name = m_w.MyShowSG->item(row, 3);
        const QTableWidgetItem* folder = m_w.MyShowSG->item(row, 4);
        if (name && folder)
            return QDir::fromNativeSeparators(folder->text()) + QLatin1Char('/') + name->text();
    }
    if (m_tree.SelectedTreeNode) {
        const QString path = m_tree.GetNodePath(m_tree.SelectedTreeNode);
        if (QFileInfo(path).isFile())
            return path;
    }
    return m_display.CurrentPicturePath;
}

// ---- launching ---------------------------------------------------------------------

void ExternalProgramsController::RunProgramOnFile(const QString& program, const QString& file)
{
    EditTarget = file;
    RunExternalProgram(program, {}, true);
}

void ExternalProgramsController::RunExternalProgram(const QString& program, const QStringList& startArguments,
                                                    bool withPicture, std::function<void()> then)
{
    if (ExternalProcessRunning == 1) {
        platform::showMessage(PromptKind::Error, OneExternalProcessText);
        if (then)
            then();
        return;
    }
    if (pageShown() && m_session.FullViewActive == 1) {
        const QString slot = m_page->CurrentSlotPicture();
        EditTarget = slot.isEmpty() ? m_display.CurrentPicturePath : slot;
    }
    ExternalLaunchState state;
    state.thumbnailView = pageShown();
    state.fullViewOpen = m_session.FullViewActive == 1;
    state.tickedPictures = tickedPictures();
    state.withPicture = withPicture;
    state.cutOutPath = withPicture ? cutOutOnScreen(m_paths.CutOutFolder, m_session.CutOutCount) : QString();
    state.showRunning = showRuns(m_session);
    state.currentShowPicture = m_display.CurrentPicturePath;
    state.editTarget = EditTarget;
    state.selectedFolder = m_tree.SelectedFolder;
    const ExternalLaunchPlan plan = PlanExternalLaunch({program, startArguments}, state);
    if (plan.cutOut)
        platform::SetReadOnly(state.cutOutPath, true);   // the editor may not change the cut-out

    ExternalProcessRunning = 1;
    // A program that cannot start is not reported. The window runs on while
    // it runs; this goes on when it has ended.
    StartExternalProgram(plan.command, this, [this, plan, cutOutPath = state.cutOutPath,
                                              then = std::move(then)](const ExternalRunOutcome&) {
        if (plan.cutOut) {
            platform::SetReadOnly(cutOutPath, false);
        } else {
            for (const QString& picture : plan.pictures)
                if (QFileInfo(picture).isFile())
                    refreshThumbnail(m_thumbnails, picture);
            if (plan.pageRun)
                m_page->DrawPagePositionBar();
        }
        ExternalProcessRunning = 0;
        if (then)
            then();
    });
}

void ExternalProgramsController::RunExeToolButtonClick()
{
    TSettingsRecord& Settings = m_settings.Settings;
    if (!showRuns(m_session))
        EditTarget = editTargetForLaunch();
    else
        emit pauseWanted();
    const int index = EditProgramIndex < 0 ? 0 : EditProgramIndex;
    const QString program = Settings.EditPrograms[size_t(std::min(index, 4))];
    if (!program.isEmpty()) {
        RunExternalProgram(program, {}, true, [this] {
            // The pictures may have changed: they are shown again.
            if (pageShown()) {
                for (const QString& p : tickedPictures())
                    m_page->ReloadPagePicture(p);
            } else if (m_session.CutOutCount < 1 && showRuns(m_session))
                emit pictureDisplayWanted();
            else if (!showRuns(m_session) && m_w.BrowsePreview->pictureShown() && QFileInfo(EditTarget).isFile())
                emit previewWanted(EditTarget);
        });
    }
    EditProgramIndex = -1;
    EditFromShowList = 0;
}

void ExternalProgramsController::LaunchEditProgram()
{
    RunExeToolButtonClick();
}

void ExternalProgramsController::LaunchChosenVideoProgram()
{
    TSettingsRecord& Settings = m_settings.Settings;
    const int index = std::clamp(VideoProgramIndex, 0, 4);
    if (Settings.VideoPrograms[size_t(index)].isEmpty())
        return;
    MoveVideoProgramToFront(Settings.VideoPrograms, index);
    const QIcon icon = platform::ProgramIcon(Settings.VideoPrograms[0]);
    platform::ReplaceImageListIcon(platform::ImageListId::ImageList1, 22, icon);
    m_tree.VideoImageIndex = icon.isNull() ? 21 : 22;
    m_tree.RefreshTreeImages();
    m_w.TreeView1->viewport()->update();
    LoadVideoProgramIcons();
    // The selected video file of the tree.
    QString video;
    if (m_tree.SelectedTreeNode)
        video = m_tree.GetNodePath(m_tree.SelectedTreeNode);
    EditTarget = video;
    RunExternalProgram(Settings.VideoPrograms[0], {}, true, [this] {
        const TSettingsRecord& Settings = m_settings.Settings;
        for (int k = 0; k < 5; ++k)
            if (QAction* v = m_w.VaunchItems[size_t(k)])
                v->setText(LaunchCaption(Settings.VideoPrograms[size_t(k)]));
    });
}

// ---- rotation ---------------------------------------------------------------------------

bool ExternalProgramsController::BrowsedPictureRotatable() const
{
    if (!m_tree.SelectedTreeNode)
        return false;
    const QString path = m_tree.GetNodePath(m_tree.SelectedTreeNode);
    return QFileInfo(path).isFile() && CanRotatePictureFile(path);
}

void ExternalProgramsController::TBRotateLClick(bool fromFullScreen)
{
    const bool thumbnails = pageShown();
    if (m_environment.IrfanViewFound != 1) {
        platform::showMessage(PromptKind::Information, ViewerMissingText);
        return;
    }
    if (thumbnails && !fromFullScreen && m_session.FullViewActive != 1) {
        RotateSelectedPictures(QLatin1Char('L'));
        return;
    }
    RotatePicture(QLatin1Char('L'), [this] {
        if (m_session.CutOutCount < 1 && showRuns(m_session))
            emit pictureDisplayWanted();
    });
}

void ExternalProgramsController::TBRotateRClick(bool fromFullScreen)
{
    const bool thumbnails = pageShown();
    if (m_environment.IrfanViewFound != 1) {
        platform::showMessage(PromptKind::Information, ViewerMissingText);
        return;
    }
    if (thumbnails && !fromFullScreen && m_session.FullViewActive != 1) {
        RotateSelectedPictures(QLatin1Char('R'));
        return;
    }
    RotatePicture(QLatin1Char('R'), [this] {
        if (m_session.CutOutCount < 1 && showRuns(m_session))
            emit pictureDisplayWanted();
    });
}

void ExternalProgramsController::RotatePicture(QChar direction, std::function<void()> then)
{
    const auto ended = [&then] {
        if (then)
            then();
    };
    TSettingsRecord& Settings = m_settings.Settings;
    QString target;
    const QString cutOut = cutOutOnScreen(m_paths.CutOutFolder, m_session.CutOutCount);
    if (showRuns(m_session))
        emit pauseWanted();
    if (!cutOut.isEmpty()) {
        target = cutOut;
        platform::SetReadOnly(cutOut, false);
    } else if (pageShown() && !m_page->CurrentSlotPicture().isEmpty()) {
        target = m_page->CurrentSlotPicture();
    } else if (showRuns(m_session)) {
        target = m_display.CurrentPicturePath;
    } else {
        target = editTargetForLaunch();
    }
    EditTarget = target;
    if (target.isEmpty() || !QFileInfo(target).isFile())
        return ended();
    if (ExternalProcessRunning == 1) {
        platform::showMessage(PromptKind::Error, OneExternalProcessText);
        return ended();
    }
    const bool cut = !cutOut.isEmpty();
    const qint32 before = cut ? 0 : qint32(platform::FileDosDate(target));
    const QString thumbnail = cut ? QString() : thumbnailOf(m_thumbnails, target);
    ExternalProcessRunning = 1;
    RotateFileWithViewer(m_environment.IrfanViewPath, target, thumbnail, direction,
                         !cut && Settings.ResetFileDate == QLatin1String("1"), before, this,
                         [this, target, cut, then = std::move(then)](bool rotated) {
                             ExternalProcessRunning = 0;
                             if (!rotated)
                                 platform::showMessage(PromptKind::Error, QStringLiteral("The picture ")
                                                                              + QFileInfo(target).fileName()
                                                                              + QStringLiteral(" could not be rotated"));
                             if (rotated && !cut)
                                 emit pictureRewritten(target);
                             refreshAfterRotation(target, cut);
                             if (then)
                                 then();
                         });
}

FitZoomHandler* ExternalProgramsController::fullScreenShownImage() const
{
    ShowView* const showView = m_showView.data();
    return showView && showView->isVisible() ? showView->ShownFitZoom() : nullptr;
}

void ExternalProgramsController::refreshAfterRotation(const QString& target, bool cutOut)
{
    if (cutOut || m_session.FullViewActive == 1) {
        // The rotated picture goes back into the image that shows it: the
        // full-screen window's shown image, else the main window's.
        QPointer<FitZoomHandler> shown = fullScreenShownImage();
        PictureSlotModel* slot = shown && shown->Slot() ? shown->Slot() : m_slot;
        if (!slot)
            return;
        // The rotated picture is fitted when it has arrived.
        const quint64 ticket = RequestPictureForSlot(target, slot);
        WhenSlotAnswers(slot, ticket, this, [this, shown](const LoadOutcome& outcome) {
            if (outcome)
                return;
            if (shown)
                shown->SizePictureToDisplay(false);
            else
                emit fitWanted(false);
        });
        return;
    }
    if (!showRuns(m_session) && m_w.BrowsePreview->pictureShown())
        emit previewWanted(target);
}

void ExternalProgramsController::RotateSelectedPictures(QChar direction)
{
    QStringList ticked = tickedPictures();
    m_w.Window->setEnabled(false);
    QStringList blocked;
    for (const QString& p : ticked)
        if (!CanRotatePictureFile(p))
            blocked << p;
    if (!blocked.isEmpty()) {
        const PromptAnswer a = platform::showMessage(PromptKind::Information,
                                                     RotateRefusalText(int(blocked.size()), int(ticked.size())),
                                                     platform::kOkCancel);
        if (a != PromptAnswer::Ok) {
            m_w.Window->setEnabled(true);
            return;
        }
        for (const QString& p : blocked) {
            ticked.removeAll(p);
            m_page->Untick(p);
        }
    }
    ExternalProcessRunning = 1;
    rotateTicked(ticked, direction);
}

void ExternalProgramsController::rotateTicked(QStringList left, QChar direction)
{
    if (left.isEmpty()) {
        ExternalProcessRunning = 0;
        m_w.Window->setEnabled(true);
        return;
    }
    const QString picture = left.takeFirst();
    // The hourglass shows while the viewer turns the picture.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const qint32 before = qint32(platform::FileDosDate(picture));
    RotateFileWithViewer(m_environment.IrfanViewPath, picture, thumbnailOf(m_thumbnails, picture), direction,
                         m_settings.Settings.ResetFileDate == QLatin1String("1"), before, this,
                         [this, picture, left, direction](bool) {
                             m_page->ReloadPagePicture(picture);
                             emit pictureRewritten(picture);
                             QApplication::restoreOverrideCursor();
                             rotateTicked(left, direction);
                         });
}

void ExternalProgramsController::IrfanviewClick()
{
    platform::OpenWebAddress(QUrl(ViewerHomePage));
}

// ---- the sibling program --------------------------------------------------------------

void ExternalProgramsController::TBTarnivoClick()
{
    if (TarnivoPath.isEmpty())
        return;
    emit voiceReleaseWanted();
    RunExternalProgram(TarnivoPath, {m_tree.SelectedFolder}, false, [this] {
        QString& SelectedFolder = m_tree.SelectedFolder;
        if (!QFileInfo(SelectedFolder).isDir()) {
            SelectedFolder = QFileInfo(SelectedFolder).path();
            m_tree.FolderToOpen = SelectedFolder;
            emit folderOpenWanted();
        } else {
            emit folderRefreshWanted();
        }
    });
}

// ---- EXIF dates ------------------------------------------------------------------------

void ExternalProgramsController::ResetToExifPopClick()
{
    const QString SelectedFolder = m_tree.SelectedFolder;
    if (SelectedFolder.isEmpty())
        return;
    FolderPictureChooser* const Form20 = m_folderPictureWindow();
    Form20->SetFolder(SelectedFolder);
    m_openShow.CollectPurpose = QStringLiteral("ResetToEXIF");
    // The chooser is titled by what it is asked for here; it keeps its own
    // title for its other uses.
    const QString ownTitle = Form20->windowTitle();
    Form20->setWindowTitle(QStringLiteral("Reset file dates to picture date taken (EXIF)"));
    const int result = Form20->Run(m_session.PlayOptions);
    Form20->setWindowTitle(ownTitle);
    m_openShow.CollectPurpose.clear();
    if (result == 1)
        ResetFileDatesToExif();
}

void ExternalProgramsController::ResetFileDatesToExif()
{
    if (m_resettingDates)
        return;
    m_resettingDates = true;
    const QString saved = m_w.StatusPanel1 ? m_w.StatusPanel1->text() : QString();
    if (m_w.StatusPanel1)
        m_w.StatusPanel1->setText(QStringLiteral("Reset file dates to picture date taken (EXIF)...."));
    // Worker: reads and redates the folder's files, with a copy of the
    // folder; each file's name and the counts reach the status text and the
    // box on the window's thread, while the controller exists.
    QPointer<ExternalProgramsController> self(this);
    worker().run([self, alive = std::shared_ptr<const std::atomic<bool>>(m_alive), folder = m_tree.SelectedFolder,
                  subfolders = m_session.PlayOptions.IncludeSubfolders == 1, saved] {
        const ResetDateCounts counts = ResetFileDatesInFolder(folder, subfolders, [self, alive](const QString& name) {
            platform::postToWindowThread([self, name] {
                if (self && self->m_resettingDates && self->m_w.StatusPanel1)
                    self->m_w.StatusPanel1->setText(QStringLiteral("Processing ") + name);
            });
            return bool(*alive);
        });
        platform::postToWindowThread([self, counts, saved] {
            if (!self)
                return;
            self->m_resettingDates = false;
            if (self->m_w.StatusPanel1)
                self->m_w.StatusPanel1->setText(saved);
            platform::showMessage(PromptKind::Information, ResetDatesResultText(counts));
        });
    });
}

platform::WorkerPool& ExternalProgramsController::worker()
{
    if (!m_worker)
        m_worker = std::make_unique<platform::WorkerPool>(1);
    return *m_worker;
}

// ---- launch menus and buttons ------------------------------------------------------------

void ExternalProgramsController::BuildLaunchMenu()
{
    TSettingsRecord& Settings = m_settings.Settings;
    using platform::ImageListId;
    const QString first = Settings.EditPrograms[0];
    const QIcon firstIcon = first.isEmpty() ? QIcon() : platform::ProgramIcon(first);
    platform::ReplaceImageListIcon(ImageListId::ImageList2, 22, firstIcon);
    const QIcon toolIcon = firstIcon.isNull() ? platform::ImageListIcon(ImageListId::ImageList2, 5) : firstIcon;
    for (QAction* a : {m_w.RunExeToolButton, m_w.RunExeMyShowTB})
        if (a)
            a->setIcon(toolIcon);
    for (int k = 0; k < 5; ++k) {
        const QString program = Settings.EditPrograms[size_t(k)];
        const QIcon icon = program.isEmpty() ? QIcon() : platform::ProgramIcon(program);
        platform::ReplaceImageListIcon(ImageListId::MenuIL, 76 + k, icon);
        for (QAction* item : {m_w.LaunchItems[size_t(k)], m_w.RaunchItems[size_t(k)]}) {
            if (!item)
                continue;
            item->setText(LaunchCaption(program));
            item->setVisible(!program.isEmpty());
        }
    }
    const bool none = first.isEmpty();
    const QString hint = none ? NoEditProgramHint : LaunchHint(first);
    if (m_w.RunExeMyShowTB)
        m_w.RunExeMyShowTB->setToolTip(hint);
    if (m_w.RunExeToolButton) {
        m_w.RunExeToolButton->setToolTip(!none && showRuns(m_session) ? hint + QStringLiteral(" - E") : hint);
        m_w.RunExeToolButton->setEnabled(!none);
    }
    if (m_w.LaunchEditProgram1)
        m_w.LaunchEditProgram1->setEnabled(!none);
}

void ExternalProgramsController::LoadVideoProgramIcons()
{
    TSettingsRecord& Settings = m_settings.Settings;
    for (int k = 0; k < 5; ++k) {
        const QString program = Settings.VideoPrograms[size_t(k)];
        platform::ReplaceImageListIcon(platform::ImageListId::MenuIL, 81 + k,
                                       program.isEmpty() ? QIcon() : platform::ProgramIcon(program));
        if (QAction* v = m_w.VaunchItems[size_t(k)]) {
            v->setText(LaunchCaption(program));
            v->setVisible(!program.isEmpty());
        }
    }
}

void ExternalProgramsController::BuildLaunchButtons()
{
    TSettingsRecord& Settings = m_settings.Settings;
    PreviewPanel* const browse = m_w.BrowsePreview;
    PreviewPanel* const list = m_w.ShowPreview;
    if (browse->message() == PreviewPanel::Message::Video)
        browse->setInfoShown(false);
    LaunchButtonShown.fill(0);
    browse->hideEditPrograms();
    list->hideEditPrograms();
    for (int k = 0; k < 5; ++k) {
        const QString program = Settings.EditPrograms[size_t(k)];
        if (program.isEmpty() || !QFileInfo(program).isFile())
            continue;
        const QIcon icon = platform::ProgramIcon(program);
        if (icon.isNull())
            continue;
        browse->showEditProgram(k, icon, LaunchHint(program));
        list->showEditProgram(k, icon, LaunchHint(program));
        LaunchButtonShown[size_t(k)] = 1;
    }
    ArrangeLaunchButtons();
}

void ExternalProgramsController::ArrangeLaunchButtons()
{
    PreviewPanel* const browse = m_w.BrowsePreview;
    const std::array<int, 5> lefts = LaunchButtonLefts(browse->infoWidth(), LaunchButtonShown);
    for (int k = 0; k < 5; ++k) {
        if (lefts[size_t(k)] < 0)
            continue;
        browse->moveEditProgram(k, lefts[size_t(k)]);
        m_w.ShowPreview->moveEditProgram(k, lefts[size_t(k)]);
    }
    if (browse->message() == PreviewPanel::Message::Video) {
        browse->hideEditPrograms();
        browse->setInfoShown(true);
    }
}

// ---- wallpaper --------------------------------------------------------------------------

void ExternalProgramsController::WallpaperClick(QObject* sender)
{
    if (m_session.PlaybackActive == 1)
        emit pauseWanted();
    QString picture = m_display.CurrentPicturePath;
    if (sender && sender == m_w.WallPaperFolder) {
        picture.clear();
        if (m_tree.SelectedTreeNode)
            picture = m_tree.GetNodePath(m_tree.SelectedTreeNode);
    } else if (sender && sender == m_w.WallPaperMyShow) {
        picture.clear();
        if (m_w.MyShowSG && m_w.MyShowSG->currentRow() >= 0) {
            const QTableWidgetItem* name = m_w.MyShowSG->item(m_w.MyShowSG->currentRow(), 3);
            const QTableWidgetItem* folder = m_w.MyShowSG->item(m_w.MyShowSG->currentRow(), 4);
            if (name && folder)
                picture = QDir::fromNativeSeparators(folder->text()) + QLatin1Char('/') + name->text();
        }
    }
    SetWallpaperTo(picture, sender);
}

void ExternalProgramsController::SetWallpaperTo(const QString& picture, QObject*)
{
    WallpaperPath = picture;
    WallpaperNotBitmap = QFileInfo(picture).suffix().toLower() != QLatin1String("bmp") ? 1 : 0;
    if (picture.isEmpty() || !QFileInfo(picture).isFile()) {
        platform::showMessage(platform::PromptKind::Error,
                              QStringLiteral("The picture ") + picture + QStringLiteral(" does not exist"));
        return;
    }
    WallpaperDialog dialog(m_w.Window);
    WallpaperStyleChoice = -1;
    const int result = platform::execModal(dialog);
    if (result != 1)
        return;
    WallpaperStyleChoice = dialog.StyleIndex();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_w.StatusPanel1)
        m_w.StatusPanel1->setText(WallpaperBeingSetText);
    WallPaperAndStyle([this] {
        emit folderCaptionWanted();
        QApplication::restoreOverrideCursor();
    });
}

void ExternalProgramsController::WallPaperAndStyle(std::function<void()> then)
{
    const QString failed = WriteWallpaperValues(WallpaperValuesFor(WallpaperPath, WallpaperStyleChoice));
    if (!failed.isEmpty()) {
        platform::showMessage(platform::PromptKind::Error, failed);
        if (then)
            then();
        return;
    }
    // Worker: runs the desktop's tools with copies of the picture, the style,
    // the desktop and the runner, and touches nothing else (`then` rides
    // along untouched). The answer reaches the controller only while it exists.
    QPointer<ExternalProgramsController> self(this);
    worker().run([self, path = WallpaperPath, style = WallpaperStyleChoice, desktop = CurrentDesktop(),
                            runner = WallpaperRunner(), then = std::move(then)]() mutable {
        const WallpaperApplied applied = ApplyDesktopWallpaper(path, style, desktop, runner);
        platform::postToWindowThread([self = std::move(self), applied, then = std::move(then)] {
            if (!self)
                return;
            switch (applied) {
            case WallpaperApplied::Applied:
                break;
            case WallpaperApplied::Failed:
                platform::showMessage(platform::PromptKind::Warning,
                                      QStringLiteral("The desktop did not accept the new wallpaper"));
                break;
            case WallpaperApplied::StoredOnly:
                // The choice is kept, but no tool of this desktop takes it.
                platform::showMessage(platform::PromptKind::Warning, WallpaperNotSetText);
                break;
            }
            if (then)
                then();
        });
    });
}
