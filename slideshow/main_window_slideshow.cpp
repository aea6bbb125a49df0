// MainWindow's slide show: makes the SlideShowController with a SlideShowHost
// over the window.
#include "app/main_window.h"

#include "app/input_controller.h"
#include "browse/file_ops_controller.h"
#include "shows/show_windows.h"
#include "slideshow/show_window.h"

namespace {

class MainWindowSlideShowHost final : public SlideShowHost {
public:
    explicit MainWindowSlideShowHost(MainWindow* form) : m_form(form) {}

    FolderTreeController* folderTree() override { return m_form->folderTree(); }
    PictureDisplaySection* pictureDisplay() override { return m_form->pictureDisplay(); }
    ThumbnailPageSection* thumbnailPage() override { return m_form->thumbnailPage(); }
    SoundController* sound() override { return m_form->sound(); }
    ListMenusSection* listMenus() override { return m_form->listMenus(); }
    FileOperationsController* fileOperations() override { return FileOperationsController::Of(m_form); }
    OpenShow& openShow() override { return m_form->openShow(); }
    ShowWindow* showWindowMade() override
    {
        if (!m_form->showWindow()) {
            m_form->setShowWindow(new ShowWindow(m_form->state()));
            m_form->adoptWindow(m_form->showWindow());
        }
        return m_form->showWindow();
    }
    ShowWindow* showWindow() override { return m_form->showWindow(); }
    FolderPictureChooser* folderPictureWindowMade() override
    {
        if (!m_form->folderPictureWindow())
            m_form->setFolderPictureWindow(new FolderPictureChooser(m_form));
        return m_form->folderPictureWindow();
    }
    AutoShowOfferWindow* demoShowWindow() override { return m_form->demoShowWindow(); }
    void SetPictureMenuCaptions() override { m_form->SetPictureMenuCaptions(); }
    void UpdatePictureStatus() override { m_form->UpdatePictureStatus(); }
    void RestartShow() override { m_form->RestartShow(); }
    void FormMouseWheel(int delta) override { m_form->input()->FormMouseWheel(delta); }
    void AddToRecentFolders() override { m_form->AddToRecentFolders(); }
    void OpenFolderOrShow() override { m_form->OpenFolderOrShow(); }
    void SetShowRunningHints() override { m_form->layouts()->SetShowRunningHints(); }
    void SetShowStoppedHints() override { m_form->layouts()->SetShowStoppedHints(); }
    void RestoreBrowseView() override { m_form->layouts()->RestoreBrowseView(); }

private:
    MainWindow* m_form;
};

} // namespace

std::unique_ptr<SlideShowController> MainWindow::makeSlideShow()
{
    return std::make_unique<SlideShowController>(*this, std::make_unique<MainWindowSlideShowHost>(this), m_state);
}
