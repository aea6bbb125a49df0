// The main window's outside programs: the edit and video program launches,
// rotations through the outside viewer, the sibling renaming program, the
// EXIF date reset of a folder, and the launch menus and buttons.
#include "app/tform1.h"

#include "base/data_folder.h"
#include "base/environment.h"
#include "base/settings_record.h"
#include "browse/crop_cut_out.h"
#include "browse/external_programs.h"
#include "browse/fit_zoom.h"
#include "browse/folder_tree_state.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/picture_loader.h"
#include "platform/dos_date.h"
#include "platform/file_attributes.h"
#include "platform/icons.h"
#include "platform/prompt.h"
#include "shows/show_windows.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

using platform::PromptAnswer;
using platform::PromptKind;

namespace {

// Wires the concern when the main window is first shown.
class ExternalProgramsWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* form = qobject_cast<TForm1*>(watched))
                form->SetupExternalPrograms();
        return false;
    }
};

void watchForExternalPrograms()
{
    qApp->installEventFilter(new ExternalProgramsWatcher(qApp));
}

bool showRuns()
{
    return PlaybackActive == 1;
}

bool pageShown()
{
    return PageHooks().ThumbnailViewActive && PageHooks().ThumbnailViewActive();
}

QStringList tickedPictures()
{
    return pageShown() && PageHooks().TickedPictures ? PageHooks().TickedPictures() : QStringList();
}

// The cut-out bitmap on screen, "" when none.
QString cutOutOnScreen()
{
    if (CutOutCount < 1 || CutOutFolder.isEmpty())
        return {};
    const QString path = CutOutFilePath(CutOutFolder, CutOutCount);
    return QFileInfo(path).isFile() ? path : QString();
}

QString thumbnailOf(const QString& picture)
{
    if (LoaderHooks().ThumbnailPath)
        return LoaderHooks().ThumbnailPath(picture);
    const QFileInfo fi(picture);
    return fi.path() + QStringLiteral("/vxothumb/") + fi.fileName();
}

void refreshThumbnail(const QString& picture)
{
    if (picture.isEmpty() || !LoaderHooks().CreateOrRefreshThumbnail)
        return;
    LoaderHooks().CreateOrRefreshThumbnail(picture, thumbnailOf(picture), QString());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForExternalPrograms)

void TForm1::SetupExternalPrograms()
{
    if (m_externalProgramsSetUp)
        return;
    m_externalProgramsSetUp = true;
    const auto onClick = [this](QAction* a, auto&& f) {
        if (a)
            connect(a, &QAction::triggered, this, f);
    };
    onClick(RunExeToolButton, [this] { RunExeToolButtonClick(); });
    onClick(RunExeMyShowTB, [this] {
        EditFromShowList = 1;
        RunExeToolButtonClick();
    });
    for (int k = 0; k < 5; ++k) {
        onClick(LaunchItems[size_t(k)], [this, k] {
            EditProgramIndex = k;
            LaunchEditProgram();
        });
        onClick(RaunchItems[size_t(k)], [this, k] {
            EditProgramIndex = k;
            LaunchEditProgram();
        });
        onClick(VaunchItems[size_t(k)], [this, k] {
            VideoProgramIndex = k;
            LaunchChosenVideoProgram();
        });
        if (QToolButton* b = Exe4SB[size_t(k)])
            connect(b, &QToolButton::clicked, this, [this, k] {
                EditProgramIndex = k;
                LaunchEditProgram();
            });
        if (QToolButton* b = ExeSB[size_t(k)])
            connect(b, &QToolButton::clicked, this, [this, k] {
                EditFromShowList = 1;
                EditProgramIndex = k;
                LaunchEditProgram();
            });
    }
    onClick(TBRotateL, [this] { TBRotateLClick(); });
    onClick(TBRotateR, [this] { TBRotateRClick(); });
    onClick(MRotateL, [this] { TBRotateLClick(); });
    onClick(MRotateR, [this] { TBRotateRClick(); });
    if (Form9) {
        if (Form9->SBRotateLeft)
            connect(Form9->SBRotateLeft, &QToolButton::clicked, this, [this] { TBRotateLClick(true); });
        if (Form9->SBRotateRight)
            connect(Form9->SBRotateRight, &QToolButton::clicked, this, [this] { TBRotateRClick(true); });
    }
    onClick(Irfanview, [this] { IrfanviewClick(); });
    onClick(TBTarnivo, [this] { TBTarnivoClick(); });
    onClick(TarnivoPop, [this] { TBTarnivoClick(); });
    onClick(Tarnivo, [this] { TBTarnivoClick(); });
    onClick(ResetToExifPop, [this] { ResetToExifPopClick(); });
    onClick(MResetToEXIF, [this] { ResetToExifPopClick(); });
    onClick(Wallpaper, [this] { WallpaperClick(Wallpaper); });
    onClick(WallPaperFolder, [this] { WallpaperClick(WallPaperFolder); });
    onClick(WallPaperMyShow, [this] { WallpaperClick(WallPaperMyShow); });
    onClick(SetWalPaper, [this] { WallpaperClick(SetWalPaper); });
    BuildLaunchMenu();
    LoadVideoProgramIcons();
    BuildLaunchButtons();
}

// ---- the edit target ----------------------------------------------------------------

QString TForm1::editTargetForLaunch()
{
    if (FullViewActive == 1 && !CurrentPicturePath.isEmpty())
        return CurrentPicturePath;
    if (EditFromShowList == 1 && MyShowSG && MyShowSG->currentRow() >= 0) {
        const int row = MyShowSG->currentRow();
        const QTableWidgetItem* name = MyShowSG->item(row, 3);
        const QTableWidgetItem* folder = MyShowSG->item(row, 4);
        if (name && folder)
            return QDir::fromNativeSeparators(folder->text()) + QLatin1Char('/') + name->text();
    }
    if (folderTree() && folderTree()->SelectedTreeNode) {
        const QString path = folderTree()->GetNodePath(folderTree()->SelectedTreeNode);
        if (QFileInfo(path).isFile())
            return path;
    }
    return CurrentPicturePath;
}

// ---- launching ---------------------------------------------------------------------

void TForm1::RunExternalProgram(const QString& program, const QStringList& startArguments, bool withPicture)
{
    if (ExternalProcessRunning == 1) {
        platform::showMessage(PromptKind::Error, OneExternalProcessText);
        return;
    }
    if (pageShown() && FullViewActive == 1) {
        const QString slot = PageHooks().CurrentSlotPicture ? PageHooks().CurrentSlotPicture() : QString();
        EditTarget = slot.isEmpty() ? CurrentPicturePath : slot;
    }
    ExternalLaunchState state;
    state.thumbnailView = pageShown();
    state.fullViewOpen = FullViewActive == 1;
    state.tickedPictures = tickedPictures();
    state.withPicture = withPicture;
    state.cutOutPath = withPicture ? cutOutOnScreen() : QString();
    state.showRunning = showRuns();
    state.currentShowPicture = CurrentPicturePath;
    state.editTarget = EditTarget;
    state.selectedFolder = SelectedFolder;
    const ExternalLaunchPlan plan = PlanExternalLaunch({program, startArguments}, state);
    if (plan.cutOut)
        platform::SetReadOnly(state.cutOutPath, true);   // the editor may not change the cut-out

    ExternalProcessRunning = 1;
    RunAndWait(plan.command);   // a program that cannot start is not reported

    if (plan.cutOut) {
        platform::SetReadOnly(state.cutOutPath, false);
    } else {
        for (const QString& picture : plan.pictures)
            if (QFileInfo(picture).isFile())
                refreshThumbnail(picture);
        if (plan.pageRun && PageHooks().DrawPagePositionBar)
            PageHooks().DrawPagePositionBar();
    }
    ExternalProcessRunning = 0;
}

void TForm1::RunExeToolButtonClick()
{
    if (!showRuns())
        EditTarget = editTargetForLaunch();
    else
        PauseShow();
    const int index = EditProgramIndex < 0 ? 0 : EditProgramIndex;
    const QString program = Settings.EditPrograms[size_t(std::min(index, 4))];
    if (!program.isEmpty()) {
        RunExternalProgram(program, {}, true);
        // The pictures may have changed: they are shown again.
        if (pageShown()) {
            if (PageHooks().ReloadPagePicture)
                for (const QString& p : tickedPictures())
                    PageHooks().ReloadPagePicture(p);
        } else if (CutOutCount < 1 && showRuns())
            DisplayCurrentPicture();
        else if (!showRuns() && Image4 && !Image4->isHidden() && QFileInfo(EditTarget).isFile())
            ShowPicturePreview(EditTarget);
    }
    EditProgramIndex = -1;
    EditFromShowList = 0;
}

void TForm1::LaunchEditProgram()
{
    RunExeToolButtonClick();
}

void TForm1::LaunchChosenVideoProgram()
{
    const int index = std::clamp(VideoProgramIndex, 0, 4);
    if (Settings.VideoPrograms[size_t(index)].isEmpty())
        return;
    MoveVideoProgramToFront(Settings.VideoPrograms, index);
    const QIcon icon = platform::ProgramIcon(Settings.VideoPrograms[0]);
    platform::ReplaceImageListIcon(platform::ImageListId::ImageList1, 22, icon);
    VideoImageIndex = icon.isNull() ? 21 : 22;
    if (folderTree()) {
        folderTree()->RefreshTreeImages();
        TreeView1->viewport()->update();
    }
    LoadVideoProgramIcons();
    // The selected video file of the tree.
    QString video;
    if (folderTree() && folderTree()->SelectedTreeNode)
        video = folderTree()->GetNodePath(folderTree()->SelectedTreeNode);
    EditTarget = video;
    RunExternalProgram(Settings.VideoPrograms[0], {}, true);
    for (int k = 0; k < 5; ++k)
        if (QAction* v = VaunchItems[size_t(k)])
            v->setText(LaunchCaption(Settings.VideoPrograms[size_t(k)]));
}

// ---- rotation ---------------------------------------------------------------------------

void TForm1::TBRotateLClick(bool fromFullScreen)
{
    const bool thumbnails = pageShown();
    if (IrfanViewFound != 1) {
        platform::showMessage(PromptKind::Information, ViewerMissingText);
        return;
    }
    if (thumbnails && !fromFullScreen && FullViewActive != 1)
        RotateSelectedPictures(QLatin1Char('L'));
    else
        RotatePicture(QLatin1Char('L'));
    if (CutOutCount < 1 && showRuns() && !thumbnails)
        DisplayCurrentPicture();
}

void TForm1::TBRotateRClick(bool fromFullScreen)
{
    const bool thumbnails = pageShown();
    if (IrfanViewFound != 1) {
        platform::showMessage(PromptKind::Information, ViewerMissingText);
        return;
    }
    if (thumbnails && !fromFullScreen && FullViewActive != 1)
        RotateSelectedPictures(QLatin1Char('R'));
    else
        RotatePicture(QLatin1Char('R'));
    if (CutOutCount < 1 && showRuns() && !thumbnails)
        DisplayCurrentPicture();
}

void TForm1::RotatePicture(QChar direction)
{
    QString target;
    const QString cutOut = cutOutOnScreen();
    if (showRuns())
        PauseShow();
    if (!cutOut.isEmpty()) {
        target = cutOut;
        platform::SetReadOnly(cutOut, false);
    } else if (pageShown() && PageHooks().CurrentSlotPicture && !PageHooks().CurrentSlotPicture().isEmpty()) {
        target = PageHooks().CurrentSlotPicture();
    } else if (showRuns()) {
        target = CurrentPicturePath;
    } else {
        target = editTargetForLaunch();
    }
    EditTarget = target;
    if (target.isEmpty() || !QFileInfo(target).isFile())
        return;
    if (ExternalProcessRunning == 1) {
        platform::showMessage(PromptKind::Error, OneExternalProcessText);
        return;
    }
    const bool cut = !cutOut.isEmpty();
    const qint32 before = cut ? 0 : qint32(platform::FileDosDate(target));
    const QString thumbnail = cut ? QString() : thumbnailOf(target);
    ExternalProcessRunning = 1;
    const bool rotated = RotateFileWithViewer(IrfanViewPath, target, thumbnail, direction,
                                              !cut && Settings.ResetFileDate == QLatin1String("1"), before);
    ExternalProcessRunning = 0;
    if (!rotated)
        platform::showMessage(PromptKind::Error, QStringLiteral("The picture ") + QFileInfo(target).fileName()
                                                     + QStringLiteral(" could not be rotated"));
    refreshAfterRotation(target, cut);
}

void TForm1::refreshAfterRotation(const QString& target, bool cutOut)
{
    if (cutOut || FullViewActive == 1) {
        const bool fullScreen = Form9 && Form9->isVisible();
        const QString slot = fullScreen && cutOut ? QStringLiteral("form9im1") : QStringLiteral("form1im1");
        if (TryLoadPictureIntoSlot(target, slot).isEmpty())
            SizePictureToDisplay(false);
        return;
    }
    if (!showRuns() && Image4 && !Image4->isHidden())
        ShowPicturePreview(target);
}

void TForm1::RotateSelectedPictures(QChar direction)
{
    QStringList ticked = tickedPictures();
    setEnabled(false);
    QStringList blocked;
    for (const QString& p : ticked)
        if (!CanRotatePictureFile(p))
            blocked << p;
    if (!blocked.isEmpty()) {
        const PromptAnswer a = platform::showMessage(PromptKind::Information,
                                                     RotateRefusalText(int(blocked.size()), int(ticked.size())),
                                                     platform::kOkCancel);
        if (a != PromptAnswer::Ok) {
            setEnabled(true);
            return;
        }
        for (const QString& p : blocked) {
            ticked.removeAll(p);
            if (PageHooks().Untick)
                PageHooks().Untick(p);
        }
    }
    ExternalProcessRunning = 1;
    for (const QString& picture : ticked) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QCoreApplication::processEvents();
        const qint32 before = qint32(platform::FileDosDate(picture));
        RotateFileWithViewer(IrfanViewPath, picture, thumbnailOf(picture), direction,
                             Settings.ResetFileDate == QLatin1String("1"), before);
        if (PageHooks().ReloadPagePicture)
            PageHooks().ReloadPagePicture(picture);
        QApplication::restoreOverrideCursor();
    }
    ExternalProcessRunning = 0;
    setEnabled(true);
}

void TForm1::IrfanviewClick()
{
    QDesktopServices::openUrl(QUrl(ViewerHomePage));
}

// ---- the sibling program --------------------------------------------------------------

void TForm1::TBTarnivoClick()
{
    if (TarnivoPath.isEmpty())
        return;
    ReleaseVoiceFile();
    RunExternalProgram(TarnivoPath, {SelectedFolder}, false);
    if (!QFileInfo(SelectedFolder).isDir()) {
        SelectedFolder = QFileInfo(SelectedFolder).path();
        FolderToOpen = SelectedFolder;
        OpenFolderOrShow();
    } else {
        RefreshSelectedFolder();
    }
}

// ---- EXIF dates ------------------------------------------------------------------------

void TForm1::ResetToExifPopClick()
{
    if (SelectedFolder.isEmpty())
        return;
    if (!Form20)
        Form20 = new TForm20(this);
    Form20->FolderLabel->setText(QFileInfo(SelectedFolder).fileName().isEmpty() ? SelectedFolder
                                                                                : QFileInfo(SelectedFolder).fileName());
    CollectPurpose = QStringLiteral("ResetToEXIF");
    const int result = Form20->Run();
    CollectPurpose.clear();
    if (result == 1)
        ResetFileDatesToExif();
}

void TForm1::ResetFileDatesToExif()
{
    const QString saved = StatusPanel1 ? StatusPanel1->text() : QString();
    if (StatusPanel1)
        StatusPanel1->setText(QStringLiteral("Reset file dates to picture date taken (EXIF)...."));
    const ResetDateCounts counts =
        ResetFileDatesInFolder(SelectedFolder, PlayOptions.IncludeSubfolders == 1, [this](const QString& name) {
            if (StatusPanel1)
                StatusPanel1->setText(QStringLiteral("Processing ") + name);
            QCoreApplication::processEvents();
            return true;
        });
    if (StatusPanel1)
        StatusPanel1->setText(saved);
    platform::showMessage(PromptKind::Information, ResetDatesResultText(counts));
}

// ---- launch menus and buttons ------------------------------------------------------------

void TForm1::BuildLaunchMenu()
{
    using platform::ImageListId;
    const QString first = Settings.EditPrograms[0];
    const QIcon firstIcon = first.isEmpty() ? QIcon() : platform::ProgramIcon(first);
    platform::ReplaceImageListIcon(ImageListId::ImageList2, 22, firstIcon);
    const QIcon toolIcon = firstIcon.isNull() ? platform::ImageListIcon(ImageListId::ImageList2, 5) : firstIcon;
    for (QAction* a : {RunExeToolButton, RunExeMyShowTB})
        if (a)
            a->setIcon(toolIcon);
    for (int k = 0; k < 5; ++k) {
        const QString program = Settings.EditPrograms[size_t(k)];
        const QIcon icon = program.isEmpty() ? QIcon() : platform::ProgramIcon(program);
        platform::ReplaceImageListIcon(ImageListId::MenuIL, 76 + k, icon);
        for (QAction* item : {LaunchItems[size_t(k)], RaunchItems[size_t(k)]}) {
            if (!item)
                continue;
            item->setText(LaunchCaption(program));
            item->setVisible(!program.isEmpty());
        }
    }
    const bool none = first.isEmpty();
    const QString hint = none ? NoEditProgramHint : LaunchHint(first);
    if (RunExeMyShowTB)
        RunExeMyShowTB->setToolTip(hint);
    if (RunExeToolButton) {
        RunExeToolButton->setToolTip(!none && showRuns() ? hint + QStringLiteral(" - E") : hint);
        RunExeToolButton->setEnabled(!none);
    }
    if (LaunchEditProgram1)
        LaunchEditProgram1->setEnabled(!none);
}

void TForm1::LoadVideoProgramIcons()
{
    for (int k = 0; k < 5; ++k) {
        const QString program = Settings.VideoPrograms[size_t(k)];
        platform::ReplaceImageListIcon(platform::ImageListId::MenuIL, 81 + k,
                                       program.isEmpty() ? QIcon() : platform::ProgramIcon(program));
        if (QAction* v = VaunchItems[size_t(k)]) {
            v->setText(LaunchCaption(program));
            v->setVisible(!program.isEmpty());
        }
    }
}

void TForm1::BuildLaunchButtons()
{
    if (VideoLabel4 && !VideoLabel4->isHidden() && SizeDatePanel4)
        SizeDatePanel4->hide();
    LaunchButtonShown.fill(0);
    for (int k = 0; k < 5; ++k) {
        QToolButton* browse = Exe4SB[size_t(k)];
        QToolButton* list = ExeSB[size_t(k)];
        for (QToolButton* b : {browse, list})
            if (b)
                b->hide();
        const QString program = Settings.EditPrograms[size_t(k)];
        if (program.isEmpty() || !QFileInfo(program).isFile())
            continue;
        const QIcon icon = platform::ProgramIcon(program);
        if (icon.isNull())
            continue;
        for (QToolButton* b : {browse, list}) {
            if (!b)
                continue;
            b->setIcon(icon);
            b->setToolTip(LaunchHint(program));
            b->show();
        }
        LaunchButtonShown[size_t(k)] = 1;
    }
    ArrangeLaunchButtons();
}

void TForm1::ArrangeLaunchButtons()
{
    if (!SizeDatePanel4)
        return;
    const std::array<int, 5> lefts = LaunchButtonLefts(SizeDatePanel4->width(), LaunchButtonShown);
    for (int k = 0; k < 5; ++k) {
        if (lefts[size_t(k)] < 0)
            continue;
        if (QToolButton* b = Exe4SB[size_t(k)])
            b->move(lefts[size_t(k)], b->y());
        if (QToolButton* b = ExeSB[size_t(k)])
            b->move(lefts[size_t(k)], b->y());
    }
    if (VideoLabel4 && !VideoLabel4->isHidden()) {
        for (QToolButton* b : Exe4SB)
            if (b)
                b->hide();
        SizeDatePanel4->show();
    }
}
