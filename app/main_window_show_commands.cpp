// The main window's commands that start, restart and resume a slide show
// from the toolbars, the menus and the keys.
#include "app/main_window.h"
#include "base/picture_table.h"
#include "browse/external_programs_controller.h"
#include "browse/fit_zoom_section.h"
#include "browse/folder_tree_section.h"
#include "browse/list_menus_section.h"
#include "browse/picture_display_section.h"
#include "browse/thumbnail_page_section.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "sound/sound_controller.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QPointer>

namespace {

bool runs(const ShowSession& session) { return session.PlaybackActive == 1; }

void enable(QAction* a, bool on)
{
    if (a)
        a->setEnabled(on);
}

} // namespace

void MainWindow::RestartShow()
{
    ShowWindow* const showWindow = m_showWindow;
    TShowState& ShowState = m_state.session.ShowState;
    std::vector<TPictureEntry>& PictureTable = m_state.session.PictureTable;
    if (!runs(m_state.session)) {
        // A new show of the current source: the selected folder after a
        // folder start, else the open MyShow (or the folder without one).
        // The folder plays full screen or as pages by its screen choice.
        if (state().session.SourceIsFolder == 1) {
            thumbnailPage()->PageStartRequested = state().session.FolderSourceFullScreen == 0;
            slideShow()->ApplyShowOptions();
            slideShow()->CollectPictures();
        } else {
            slideShow()->BuildAndStartShow();
        }
        return;
    }
    // A page show starts again from its first page.
    if (thumbnailPage()->PageShowRuns()) {
        thumbnailPage()->PageView->Cursor().position = int(thumbnailPage()->PageView->Cursor().order.size()) - 1;
        thumbnailPage()->PageContinue(1);
        thumbnailPage()->PageView->StepPage(1);
        return;
    }
    // The running show plays in the full-screen window; its pictures stay,
    // the cursor goes back before the first picture and the show continues
    // forward from there.
    if (!showWindow || !showWindow->isVisible() || m_state.session.PictureCount <= 0)
        return;
    QStringList paths;
    QList<double> dates;
    for (int i = 0; i < m_state.session.PictureCount && i < int(PictureTable.size()); ++i) {
        paths << PictureTable[size_t(i)].FullPath;
        dates << PictureTable[size_t(i)].PictureDate;
    }
    const QList<int> order = BuildPlayOrder(paths, dates, ShowState.PlayOrder,
                                            quint32(QDateTime::currentMSecsSinceEpoch()));
    const bool continuous = m_state.session.PlayOptions.ContinuousPlay == 1 || ShowState.LoopFlag == 1;
    showWindow->SetManualMode(false);
    QPointer<MainWindow> self(this);
    showWindow->Play(order, continuous, [self] {
        if (self)
            self->slideShow()->EndShow();
    });
    showWindow->ShowCenteredHint(QStringLiteral(" Show restarted from the beginning "));
}

void MainWindow::ToolButton1Click()
{
    // While a show runs the button reads "Restart Slide Show - Home".
    if (runs(m_state.session)) {
        RestartShow();
        return;
    }
    state().session.SourceIsFolder = 1;
    m_openShow.SourceIsShow = 0;
    state().session.FolderSourceFullScreen = 1;
    if (QAction* screenMode = actionNamed("SBScreenMode"))
        screenMode->setChecked(true);
    RestartShow();
}

void MainWindow::TBGoSmallClick()
{
    state().session.SourceIsFolder = 1;
    m_openShow.SourceIsShow = 0;
    state().session.FolderSourceFullScreen = 0;
    if (QAction* screenMode = actionNamed("SBScreenMode"))
        screenMode->setChecked(false);
    RestartShow();
    thumbnailPage()->PageStartRequested = false;
}

void MainWindow::TBGoSmallMSClick()
{
    thumbnailPage()->PageStartRequested = !runs(m_state.session);
    state().session.SourceIsFolder = 0;
    m_openShow.SourceIsShow = 1;
    state().session.FolderSourceFullScreen = 0;
    RestartShow();
}

void MainWindow::ResumeInFullClick()
{
    ShowWindow* const showWindow = m_showWindow;
    // From the thumbnail view the show goes on full screen from the
    // selected picture (the page's first without a selection).
    if (thumbnailPage()->PageShowRuns()) {
        const int slot = std::max(0, thumbnailPage()->PageView->SelectedSlot());
        const int picture = thumbnailPage()->PageView->State().cell(slot).PageSlotPicture;
        thumbnailPage()->PageView->LeavePageView(picture);
    }
    for (QAction* a : {actionNamed("TBSelAll"), actionNamed("TBSelNone"), actionNamed("TBSelInvert")})
        if (a)
            a->setVisible(false);
    if (!runs(m_state.session) || !showWindow)
        return;
    // The show goes on in full screen, forward.
    showWindow->SetManualMode(false);
    showWindow->AimShowForward();
    if (!showWindow->isVisible())
        showWindow->showFullScreen();
    if (m_state.session.PictureCount < 2)
        return;
    if (showWindow->Paused())
        showWindow->TogglePause();
    else
        showWindow->GoShow(1);
    showWindow->ShowCenteredHint(QStringLiteral(" Show continued in forward direction "));
}

void MainWindow::FullScreenToolButton3Click()
{
    if (!runs(m_state.session))
        return;
    if (thumbnailPage()->PageShowRuns()) {
        ResumeInFullClick();
        return;
    }
    if (m_showWindow && m_showWindow->isVisible()) {
        m_showWindow->raise();
        m_showWindow->activateWindow();
    }
}

bool MainWindow::FullScreenShowRuns() const
{
    return runs(m_state.session) && !thumbnailPage()->PageShowRuns() && m_showWindow && m_showWindow->isVisible()
           && m_state.session.FullViewActive != 1;
}

void MainWindow::SyncShowButtons()
{
    // The tool bar keeps its show buttons for the page show (they are hidden
    // while a show plays full screen); the show of the full-screen window
    // sets the Show menu's items from its own state: reverse and forward
    // while paused or going the other way, manual mode while it advances,
    // one picture on or back while it stands still.
    if (!FullScreenShowRuns())
        return;
    const int direction = m_state.session.ShowState.Direction;
    const bool several = m_state.session.ShowState.PictureCount >= 2 || m_state.session.PictureCount >= 2;
    enable(actionNamed("ShowForward1"), several && direction <= 0);
    enable(actionNamed("ShowinReverse1"), several && direction >= 0);
    enable(actionNamed("ManualMode1"), direction != 0);
    enable(actionNamed("PictureForward"), several && direction == 0);
    enable(actionNamed("PictureBackwards"), several && direction == 0);
    enable(actionNamed("UseEntireScreen1"), true);
}

void MainWindow::SyncFullScreenControls()
{
    // (The Show menu's items are set as the menu opens, from the show as it
    // was then.)
    m_layout->SyncControlPanelButtons();
    m_layout->SetFullScreenImageHint();
}

void MainWindow::ShowDirectionClick(int direction, QAction* pageButton)
{
    if (FullScreenShowRuns())
        m_showWindow->ContinueShow(direction);
    else if (pageButton)
        pageButton->trigger();
}

void MainWindow::ManualModeClick()
{
    if (!FullScreenShowRuns()) {
        if (QAction* manual = actionNamed("ManualModeToolButton"))
            manual->trigger();
        return;
    }
    if (!m_showWindow->Paused())
        m_showWindow->TogglePause();
    m_showWindow->SetManualMode(true);
}

void MainWindow::SBScreenModeClick()
{
    state().session.FolderSourceFullScreen = state().session.FolderSourceFullScreen == 1 ? 0 : 1;
    if (QAction* screenMode = actionNamed("SBScreenMode"))
        screenMode->setChecked(state().session.FolderSourceFullScreen == 1);
}

void MainWindow::ConnectShowCommands()
{
    const auto onClick = [this](QAction* a, auto&& f) {
        if (a)
            connect(a, &QAction::triggered, this, f);
    };
    onClick(actionNamed("ToolButton1"), [this] { ToolButton1Click(); });
    onClick(actionNamed("TBGoSmall"), [this] { TBGoSmallClick(); });
    onClick(actionNamed("SlideShowThFolder"), [this] { TBGoSmallClick(); });
    onClick(actionNamed("GoSmallPop"), [this] { TBGoSmallClick(); });
    onClick(actionNamed("TBGoSmallMS"), [this] { TBGoSmallMSClick(); });
    onClick(actionNamed("SlideShowThShow"), [this] { TBGoSmallMSClick(); });
    // The MyShow's start button and the Show menu's "of show" item play the
    // open MyShow.
    const auto startMyShow = [this] {
        state().session.SourceIsFolder = 0;
        m_openShow.SourceIsShow = 1;
        RestartShow();
    };
    onClick(actionNamed("StartMySlideShowTB"), startMyShow);
    onClick(actionNamed("SlideShowShow"), startMyShow);
    onClick(actionNamed("ResumeInFull"), [this] { ResumeInFullClick(); });
    // The crop ratio of the pictures shown full screen.
    onClick(actionNamed("MRatio"), [this] { pictureDisplay()->TBRatioClick(); });

    // The Show menu's show items: the show of the full-screen window, or
    // through the tool buttons the page show.
    onClick(actionNamed("ShowinReverse1"), [this] { ShowDirectionClick(-1, actionNamed("ShowinReverseToolButton")); });
    onClick(actionNamed("ShowForward1"), [this] { ShowDirectionClick(1, actionNamed("ShowForwardToolButton")); });
    onClick(actionNamed("ManualMode1"), [this] { ManualModeClick(); });
    onClick(actionNamed("UseEntireScreen1"), [this] { FullScreenToolButton3Click(); });
    onClick(actionNamed("StopPictureShow1"), [this] {
        if (runs(m_state.session))
            slideShow()->ToolButton2Click();
    });
    onClick(actionNamed("FullScreenToolButton3"), [this] { FullScreenToolButton3Click(); });
    if (QAction* screenMode = actionNamed("SBScreenMode")) {
        screenMode->setCheckable(true);
        screenMode->setChecked(state().session.FolderSourceFullScreen == 1);
        onClick(screenMode, [this] { SBScreenModeClick(); });
    }
    ConnectBrowseCommands();
}

void MainWindow::ConnectPictureDisplay()
{
    PictureDisplaySection* display = PictureDisplaySect;
    // The page of thumbnails is read by the display step, the selection
    // commands, the launches and the list menus; the page section steps a
    // show played as pages.
    display->SetPage(ThumbnailPageSect);
    m_externalPrograms->SetPage(ThumbnailPageSect);
    ListMenusSect->SetPage(ThumbnailPageSect);
    // A shown picture: the show shows its status; the music fades out before
    // the next step.
    SlideShowController* show = m_slideShow.get();
    connect(display, &PictureDisplaySection::nextStepPrepared, show, &SlideShowController::PrepareNextShowStep);
    connect(display, &PictureDisplaySection::pictureStatusWanted, show,
            [show] { show->ShowCurrentPictureStatus(true); });
    connect(display, &PictureDisplaySection::musicFadeWanted, m_sound.get(),
            &SoundController::StartMusicFadeBeforeNextStep);
    // The step fits its picture in this window's picture area, pauses or
    // ends the show, and ends the sound of the picture shown before.
    display->SetPictureAreaSource(FitZoomSect);
    display->SetStartedListEntry(&ListMenusSect->StartedListEntry);
    connect(display, &PictureDisplaySection::fitWanted, FitZoomSect, &FitZoomSection::SizePictureToDisplay);
    connect(display, &PictureDisplaySection::pauseWanted, show, &SlideShowController::PauseShow);
    connect(display, &PictureDisplaySection::showEndWanted, show, &SlideShowController::EndShow);
    connect(display, &PictureDisplaySection::voiceReleaseWanted, m_sound.get(),
            [this] { m_sound->ReleaseVoiceFile(); });
    connect(display, &PictureDisplaySection::stepEnded, this, &MainWindow::SyncFullScreenControls);
    connect(show, &SlideShowController::cutOutShown, m_layout.get(), &LayoutController::SetFullScreenImageHint);
}

// The keyboard hook sets up the menus before it goes in. The keys' show
// commands reach the show commands here, the slide show and the page of
// thumbnails; F5 and the hints reach the folder tree; the wheel zooms the
// cut-out.
void MainWindow::ConnectInput()
{
    InputController* const input = m_input;
    connect(input, &InputController::KeyboardHookInstalling, m_menus, &MenuController::SetupMenus);
    connect(input, &InputController::RestartShowRequested, this, &MainWindow::RestartShow);
    connect(input, &InputController::StopShowRequested, m_slideShow.get(), &SlideShowController::ToolButton2Click);
    connect(input, &InputController::PagePauseToggleRequested, ThumbnailPageSect,
            &ThumbnailPageSection::PageTogglePause);
    connect(input, &InputController::FullScreenRequested, this, &MainWindow::FullScreenToolButton3Click);
    connect(input, &InputController::RefreshFolderRequested, FolderTreeSect, &FolderTreeSection::RefreshSelectedFolder);
    connect(input, &InputController::WheelZoomRequested, FitZoomSect, &FitZoomSection::WheelZoomPicture);
    connect(input, &InputController::FolderCaptionRequested, FolderTreeSect, &FolderTreeSection::UpdateFolderCaption);
    connect(input, &InputController::RotateRequested, m_externalPrograms, [this](bool left) {
        if (left)
            m_externalPrograms->TBRotateLClick();
        else
            m_externalPrograms->TBRotateRClick();
    });
}
