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
        w.PictureForward = f->mainMenus().PictureForward();
        w.PictureBackwards = f->mainMenus().PictureBackwards();
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
    void TBNrOfThumbsClick() override { m_form->layouts()->TBNrOfThumbsClick(false, m_form->toolBars().TBMultMode()); }
    void MeasureMenu(QMenu* menu) override { ::MeasureMenu(menu); }

private:
    MainWindow* m_form;
};

} // namespace

void MainWindow::InstallThumbnailPage()
{
    ThumbnailPageSect = new ThumbnailPageSection(std::make_unique<MainWindowThumbnailPageHost>(this), m_state);
}
