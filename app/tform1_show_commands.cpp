// The main window's commands that start, restart and resume a slide show
// from the toolbars, the menus and the keys.
#include "app/tform1.h"
#include "base/picture_table.h"
#include "browse/picture_display_section.h"
#include "browse/thumbnail_page_section.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QPointer>

namespace {

bool runs(const ShowSession& session) { return session.PlaybackActive == 1; }

} // namespace

void TForm1::RestartShow()
{
    TForm9* const Form9 = m_showWindow;
    TShowState& ShowState = m_state.session.ShowState;
    std::vector<TPictureEntry>& PictureTable = m_state.session.PictureTable;
    if (!runs(m_state.session)) {
        // A new show of the current source: the selected folder after a
        // folder start, else the open MyShow (or the folder without one).
        if (state().session.SourceIsFolder == 1) {
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
    if (!Form9 || !Form9->isVisible() || m_state.session.PictureCount <= 0)
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
    ShowState.ManualMode = false;
    QPointer<TForm1> self(this);
    Form9->Play(order, continuous, [self] {
        if (self)
            self->slideShow()->EndShow();
    });
    Form9->ShowCenteredHint(QStringLiteral(" Show restarted from the beginning "));
}

void TForm1::ToolButton1Click()
{
    // While a show runs the button reads "Restart Slide Show - Home".
    if (runs(m_state.session)) {
        RestartShow();
        return;
    }
    state().session.SourceIsFolder = 1;
    m_openShow.SourceIsShow = 0;
    state().session.FolderSourceFullScreen = 1;
    RestartShow();
}

void TForm1::TBGoSmallClick()
{
    thumbnailPage()->PageStartRequested = !runs(m_state.session);
    state().session.SourceIsFolder = 1;
    m_openShow.SourceIsShow = 0;
    state().session.FolderSourceFullScreen = 0;
    RestartShow();
}

void TForm1::TBGoSmallMSClick()
{
    thumbnailPage()->PageStartRequested = !runs(m_state.session);
    state().session.SourceIsFolder = 0;
    m_openShow.SourceIsShow = 1;
    state().session.FolderSourceFullScreen = 0;
    RestartShow();
}

void TForm1::ResumeInFullClick()
{
    TForm9* const Form9 = m_showWindow;
    TShowState& ShowState = m_state.session.ShowState;
    // From the thumbnail view the show goes on full screen from the
    // selected picture (the page's first without a selection).
    if (thumbnailPage()->PageShowRuns()) {
        const int slot = std::max(0, thumbnailPage()->PageView->SelectedSlot());
        const int picture = thumbnailPage()->PageView->State().cell(slot).PageSlotPicture;
        thumbnailPage()->PageView->LeavePageView(picture);
    }
    for (QAction* a : {TBSelAll, TBSelNone, TBSelInvert})
        if (a)
            a->setVisible(false);
    if (!runs(m_state.session) || !Form9)
        return;
    // The show goes on in full screen, forward.
    ShowState.ManualMode = false;
    ShowState.LastDirection = 1;
    if (!Form9->isVisible())
        Form9->showFullScreen();
    if (m_state.session.PictureCount < 2)
        return;
    if (Form9->Paused())
        Form9->TogglePause();
    else
        ShowState.Direction = 1;
    Form9->ShowCenteredHint(QStringLiteral(" Show continued in forward direction "));
}

void TForm1::ConnectShowCommands()
{
    const auto onClick = [this](QAction* a, auto&& f) {
        if (a)
            connect(a, &QAction::triggered, this, f);
    };
    onClick(ToolButton1, [this] { ToolButton1Click(); });
    onClick(TBGoSmall, [this] { TBGoSmallClick(); });
    onClick(SlideShowThFolder, [this] { TBGoSmallClick(); });
    onClick(GoSmallPop, [this] { TBGoSmallClick(); });
    onClick(TBGoSmallMS, [this] { TBGoSmallMSClick(); });
    onClick(SlideShowThShow, [this] { TBGoSmallMSClick(); });
    // The MyShow's start button and the Show menu's "of show" item play the
    // open MyShow.
    const auto startMyShow = [this] {
        state().session.SourceIsFolder = 0;
        m_openShow.SourceIsShow = 1;
        RestartShow();
    };
    onClick(StartMySlideShowTB, startMyShow);
    onClick(SlideShowShow, startMyShow);
    onClick(ResumeInFull, [this] { ResumeInFullClick(); });
    // The crop ratio of the pictures shown full screen.
    onClick(MRatio, [this] { pictureDisplay()->TBRatioClick(); });
}
