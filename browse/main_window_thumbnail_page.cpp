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
    w.ToolBar1 = f->ToolBar1;
    w.StatusBar1 = f->statusPanels();
    w.StatusPanel1 = f->statusPanels()->panel1();
    w.IntervalTimer = f->slideShow()->intervalTimer();
    w.RightClickTreeView = f->RightClickTreeView;
    w.MMultSlide = f->MMultSlide;
    w.MultiPop = f->MultiPop;
    w.MultiItems = f->MultiItems;
    w.TBMultMode = f->TBMultMode;
    w.TBSelAll = f->TBSelAll;
    w.TBSelNone = f->TBSelNone;
    w.TBSelInvert = f->TBSelInvert;
    w.MMultMode = f->MMultMode;
    w.MSelectAll = f->MSelectAll;
    w.MSelectNone = f->MSelectNone;
    w.MSelectInvert = f->MSelectInvert;
    w.Forward1ToolButton = f->Forward1ToolButton;
    w.Backwards1ToolButton = f->Backwards1ToolButton;
    w.ManualModeToolButton = f->ManualModeToolButton;
    w.ShowForwardToolButton = f->ShowForwardToolButton;
    w.ShowinReverseToolButton = f->ShowinReverseToolButton;
    w.ToolButton2 = f->ToolButton2;
    w.PictureForward = f->PictureForward;
    w.PictureBackwards = f->PictureBackwards;
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
    connect(page, &ThumbnailPageSection::fullViewRequested, FitZoomSect, &FitZoomSection::ShowPictureFull);
    connect(page, &ThumbnailPageSection::showRunningHintsWanted, this, [this] { m_layout->SetShowRunningHints(); });
    connect(page, &ThumbnailPageSection::layoutMenuWanted, this,
            [this] { m_layout->TBNrOfThumbsClick(false, TBMultMode); });
    connect(page, &ThumbnailPageSection::menuMeasureWanted, this, [](QMenu* menu) { ::MeasureMenu(menu); });
}
