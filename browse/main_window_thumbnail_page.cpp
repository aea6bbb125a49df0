// MainWindow's thumbnail view: makes the ThumbnailPageSection over the
// window's widgets and connects what it asks for to the other sections.
#include "app/main_window.h"

#include "app/menu_style.h"
#include "browse/fit_zoom_section.h"
#include "browse/picture_display_section.h"
#include "browse/thumbnail_page_section.h"

namespace {

ThumbnailPageWidgets thumbnailPageWidgets(MainWindow* f)
{
    ThumbnailPageWidgets w;
    w.Window = f;
    w.ClientArea = f->clientArea()->widget();
    w.ToolBar1 = f->toolBars().ToolBar1();
    w.StatusBar1 = f->statusPanels();
    w.StatusPanel1 = f->statusPanels()->panel1();
    w.IntervalTimer = f->slideShow()->intervalTimer();
    w.RightClickTreeView = f->mainMenus().RightClickTreeView();
    w.MMultSlide = f->mainMenus().MMultSlide();
    w.MultiPop = f->mainMenus().MultiPop();
    w.MultiItems = f->mainMenus().MultiItems();
    w.TBMultMode = f->toolBars().TBMultMode();
    w.TBSelAll = f->toolBars().TBSelAll();
    w.TBSelNone = f->toolBars().TBSelNone();
    w.TBSelInvert = f->toolBars().TBSelInvert();
    w.MMultMode = f->mainMenus().MMultMode();
    w.MSelectAll = f->mainMenus().MSelectAll();
    w.MSelectNone = f->mainMenus().MSelectNone();
    w.MSelectInvert = f->mainMenus().MSelectInvert();
    w.Forward1ToolButton = f->toolBars().Forward1ToolButton();
    w.Backwards1ToolButton = f->toolBars().Backwards1ToolButton();
    w.ManualModeToolButton = f->toolBars().ManualModeToolButton();
    w.ShowForwardToolButton = f->toolBars().ShowForwardToolButton();
    w.ShowinReverseToolButton = f->toolBars().ShowinReverseToolButton();
    w.ToolButton2 = f->toolBars().ToolButton2();
    w.FullScreenToolButton3 = f->toolBars().FullScreenToolButton3();
    w.PictureForward = f->mainMenus().PictureForward();
    w.PictureBackwards = f->mainMenus().PictureBackwards();
    return w;
}

} // namespace

void MainWindow::InstallThumbnailPage()
{
    ThumbnailPageSect = new ThumbnailPageSection(thumbnailPageWidgets(this), m_state,
                                                 PictureDisplaySect->displayState(), m_layout->layoutState(),
                                                 [this] { return m_slideShow->InManualMode(); });
}

void MainWindow::ConnectThumbnailPage()
{
    ThumbnailPageSection* page = ThumbnailPageSect;
    SlideShowController* show = m_slideShow.get();
    connect(page, &ThumbnailPageSection::pauseWanted, show, &SlideShowController::PauseShow);
    connect(page, &ThumbnailPageSection::showEndWanted, show, &SlideShowController::EndShow);
    connect(page, &ThumbnailPageSection::selectionCaptionsWanted, PictureDisplaySect,
            &PictureDisplaySection::SetSelectionMenuCaptions);
    connect(page, &ThumbnailPageSection::fullViewRequested, FitZoomSect, &FitZoomSection::ShowPageCellFull);
    connect(page, &ThumbnailPageSection::showRunningHintsWanted, this, [this] { m_layout->SetShowRunningHints(); });
    connect(page, &ThumbnailPageSection::layoutMenuWanted, this,
            [this] { m_layout->TBNrOfThumbsClick(false, toolBars().TBMultMode()); });
    connect(page, &ThumbnailPageSection::menuMeasureWanted, this, [](QMenu* menu) { ::MeasureMenu(menu); });
}
