// MainWindow's fitting, zooming and crop: makes the FitZoomSection over the
// window's widgets, connects what it asks for to the other sections, and
// forwards the routines other sections call to it.
#include "app/main_window.h"

#include "browse/fit_zoom_section.h"
#include "browse/picture_display_section.h"

namespace {

FitZoomWidgets fitZoomWidgets(MainWindow* f)
{
    FitZoomWidgets w;
    w.Window = f;
    w.ClientArea = f->clientArea()->widget();
    w.Image1 = f->clientArea()->picture();
    w.ToolBar1 = f->toolBars().ToolBar1();
    w.MainMenu1 = f->mainMenus().MainMenu1();
    return w;
}

} // namespace

void MainWindow::InstallFitZoom()
{
    FitZoomSect = new FitZoomSection(fitZoomWidgets(this), m_state.settings, m_state.paths, m_state.start,
                                     m_state.session);
    FitZoomSect->SetPictureSlot(pictureSlot());
}

void MainWindow::ConnectFitZoom()
{
    FitZoomSection* zoom = FitZoomSect;
    connect(zoom, &FitZoomSection::menuCaptionsWanted, PictureDisplaySect,
            &PictureDisplaySection::SetPictureMenuCaptions);
    connect(zoom, &FitZoomSection::browseViewWanted, this, [this] { m_layout->RestoreBrowseView(); });
    connect(zoom, &FitZoomSection::showOptionsWanted, m_slideShow.get(), &SlideShowController::ApplyShowOptions);
    connect(zoom, &FitZoomSection::mouseButtonChanged, m_input,
            [this](bool down) { m_input->MouseButtonDown = down ? 1 : 0; });
}

