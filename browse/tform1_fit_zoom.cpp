// TForm1's fitting, zooming and crop: makes the FitZoomSection with a
// FitZoomHost over the window, and forwards the routines other sections
// call to it.
#include "app/tform1.h"

#include "browse/fit_zoom_host.h"
#include "browse/fit_zoom_section.h"

namespace {

class TForm1FitZoomHost final : public FitZoomHost {
public:
    explicit TForm1FitZoomHost(TForm1* form) : m_form(form) {}

    FitZoomWidgets widgets() const override
    {
        FitZoomWidgets w;
        w.Window = m_form;
        w.ClientArea = m_form->ClientArea;
        w.Image1 = m_form->Image1;
        w.ToolBar1 = m_form->ToolBar1;
        w.MainMenu1 = m_form->MainMenu1;
        return w;
    }

    void SetPictureMenuCaptions() override { m_form->SetPictureMenuCaptions(); }
    void RestoreBrowseView() override { m_form->layouts()->RestoreBrowseView(); }
    bool InManualMode() const override { return m_form->InManualMode(); }
    void ApplyShowOptions() override { m_form->slideShow()->ApplyShowOptions(); }
    void SetMouseButtonDown(bool down) override { m_form->input()->MouseButtonDown = down ? 1 : 0; }
    TForm9* showWindow() const override { return m_form->showWindow(); }

private:
    TForm1* m_form;
};

} // namespace

void TForm1::InstallFitZoom()
{
    FitZoomSect = new FitZoomSection(std::make_unique<TForm1FitZoomHost>(this), m_state.settings, m_state.paths,
                                     m_state.start, m_state.session);
}

void TForm1::SizePictureToDisplay(bool toggle) { FitZoomSect->SizePictureToDisplay(toggle); }
void TForm1::ShowPictureFull(const QString& path) { FitZoomSect->ShowPictureFull(path); }
