// MainWindow's thumbnail view: makes the ThumbnailPageSection over the
// window's widgets and connects what it asks for to the other sections.
#include "app/main_window.h"

#include "app/menu_style.h"
#include "browse/fit_zoom_section.h"
#include "browse/picture_display_section.h"
#include "browse/thumbnail_page_section.h"

void MainWindow::InstallThumbnailPage()
{
    ThumbnailPageSect = new ThumbnailPageSection({.Window = this,
                                                  .ClientArea = clientArea()->widget(),
                                                  .ToolBar1 = toolBars().ToolBar1(),
                                                  .StatusBar1 = statusPanels(),
                                                  .StatusPanel1 = statusPanels()->panel1(),
                                                  .IntervalTimer = slideShow()->intervalTimer()},
                                                 m_state,
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
            [this] { m_layout->TBNrOfThumbsClick(false, actionNamed("TBMultMode")); });
    connect(page, &ThumbnailPageSection::menuMeasureWanted, this, [](QMenu* menu) { ::MeasureMenu(menu); });
}
