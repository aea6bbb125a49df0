// MainWindow's thumbnail view: makes the ThumbnailPageSection with a
// ThumbnailPageSectionHost over the window.
#include "app/main_window.h"

#include "app/menu_style.h"
#include "browse/picture_display_section.h"
#include "browse/thumbnail_page_section.h"

namespace {

class MainWindowThumbnailPageHost final : public ThumbnailPageSectionHost {
public:
    explicit MainWindowThumbnailPageHost(MainWindow* form) : m_form(form) {}

    ThumbnailPageWidgets widgets() const override
    {
        MainWindow* f = m_form;
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
    ShowView* showView() const override { return m_form->showView(); }
    ShowManagerWindow* showManager() const override { return m_form->showManager(); }

    void PauseShow() override { m_form->PauseShow(); }
    bool InManualMode() const override { return m_form->InManualMode(); }
    void EndShow() override { m_form->slideShow()->EndShow(); }
    void SetSelectionMenuCaptions() override { m_form->SetSelectionMenuCaptions(); }
    void ShowPictureFull(const QString& path) override { m_form->ShowPictureFull(path); }
    void SetCurrentPicturePath(const QString& path) override
    {
        m_form->pictureDisplay()->displayState().CurrentPicturePath = path;
    }
    void SetShowRunningHints() override { m_form->layouts()->SetShowRunningHints(); }
    bool MaximizedLayout() const override { return m_form->layouts()->layoutState().MaximizedLayout == 1; }
    void TBNrOfThumbsClick() override { m_form->layouts()->TBNrOfThumbsClick(false, m_form->TBMultMode); }
    void MeasureMenu(QMenu* menu) override { ::MeasureMenu(menu); }

private:
    MainWindow* m_form;
};

} // namespace

void MainWindow::InstallThumbnailPage()
{
    ThumbnailPageSect = new ThumbnailPageSection(std::make_unique<MainWindowThumbnailPageHost>(this), m_state);
}
