// TForm1's slide show: makes the SlideShowController with a SlideShowHost
// over the window.
#include "app/tform1.h"

#include "app/input_controller.h"
#include "browse/file_ops_controller.h"
#include "shows/show_windows.h"
#include "slideshow/show_window.h"

namespace {

class TForm1SlideShowHost final : public SlideShowHost {
public:
    explicit TForm1SlideShowHost(TForm1* form) : m_form(form) {}

    FolderTreeController* folderTree() override { return m_form->folderTree(); }
    PictureDisplaySection* pictureDisplay() override { return m_form->pictureDisplay(); }
    ThumbnailPageSection* thumbnailPage() override { return m_form->thumbnailPage(); }
    SoundController* sound() override { return m_form->sound(); }
    ListMenusSection* listMenus() override { return m_form->listMenus(); }
    FileOperationsController* fileOperations() override { return FileOperationsController::Of(m_form); }
    OpenShow& openShow() override { return m_form->openShow(); }
    TForm9* showWindowMade() override
    {
        if (!m_form->showWindow()) {
            m_form->setShowWindow(new TForm9(m_form->state()));
            m_form->adoptWindow(m_form->showWindow());
        }
        return m_form->showWindow();
    }
    TForm9* showWindow() override { return m_form->showWindow(); }
    TForm20* folderPictureWindowMade() override
    {
        if (!m_form->folderPictureWindow())
            m_form->setFolderPictureWindow(new TForm20(m_form));
        return m_form->folderPictureWindow();
    }
    TForm13* demoShowWindow() override { return m_form->demoShowWindow(); }
    void DisplayCurrentPicture() override { m_form->DisplayCurrentPicture(); }
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
    TForm1* m_form;
};

} // namespace

std::unique_ptr<SlideShowController> TForm1::makeSlideShow()
{
    return std::make_unique<SlideShowController>(*this, std::make_unique<TForm1SlideShowHost>(this), m_state);
}
