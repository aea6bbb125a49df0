// MainWindow's fitting, zooming and crop: makes the FitZoomSection over the
// window's widgets, connects what it asks for to the other sections, and
// forwards the routines other sections call to it.
#include "app/main_window.h"

#include "browse/fit_zoom_section.h"
#include "browse/picture_display_section.h"

void MainWindow::InstallFitZoom()
{
    FitZoomSect = new FitZoomSection({.Window = this,
                                      .ClientArea = clientArea()->widget(),
                                      .Image1 = clientArea()->picture(),
                                      .ToolBar1 = toolBars().ToolBar1(),
                                      .MainMenu1 = mainMenus().MainMenu1()},
                                     m_state.settings, m_state.paths, m_state.start,
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

