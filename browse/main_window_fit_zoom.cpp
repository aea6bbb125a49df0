// MainWindow's fitting, zooming and crop: makes the FitZoomSection with a
// FitZoomHost over the window, and forwards the routines other sections
// call to it.
#include "app/main_window.h"

#include "browse/fit_zoom_host.h"
#include "browse/fit_zoom_section.h"

namespace {

class MainWindowFitZoomHost final : public FitZoomHost {
public:
    explicit MainWindowFitZoomHost(MainWindow* form) : m_form(form) {}

    FitZoomWidgets widgets() const override
    {
        FitZoomWidgets w;
        w.Window = m_form;
        w.ClientArea = m_form->clientArea()->widget();
        w.Image1 = m_form->clientArea()->picture();
        w.ToolBar1 = m_form->toolBars().ToolBar1();
        w.MainMenu1 = m_form->mainMenus().MainMenu1();
        return w;
    }

    void SetPictureMenuCaptions() override { m_form->SetPictureMenuCaptions(); }
    void RestoreBrowseView() override { m_form->layouts()->RestoreBrowseView(); }
    void ApplyShowOptions() override { m_form->slideShow()->ApplyShowOptions(); }
    void SetMouseButtonDown(bool down) override { m_form->input()->MouseButtonDown = down ? 1 : 0; }
    ShowView* showView() const override { return m_form->showView(); }

private:
    MainWindow* m_form;
};

} // namespace

void MainWindow::InstallFitZoom()
{
    FitZoomSect = new FitZoomSection(std::make_unique<MainWindowFitZoomHost>(this), m_state.settings, m_state.paths,
                                     m_state.start, m_state.session);
}

void MainWindow::SizePictureToDisplay(bool toggle) { FitZoomSect->SizePictureToDisplay(toggle); }
void MainWindow::ShowPictureFull(const QString& path) { FitZoomSect->ShowPictureFull(path); }
