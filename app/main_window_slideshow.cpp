// MainWindow's slide show: makes the SlideShowController with the makers of
// the windows it uses, and connects it to the other sections.
#include "app/main_window.h"

#include "app/input_controller.h"
#include "app/layout_controller.h"
#include "browse/folder_tree_section.h"
#include "browse/list_menus_section.h"
#include "browse/picture_display_section.h"
#include "browse/preview_panel.h"
#include "browse/thumbnail_page_section.h"
#include "shows/show_windows.h"
#include "slideshow/auto_show_windows.h"
#include "slideshow/show_window.h"
#include "sound/sound_controller.h"

std::unique_ptr<SlideShowController> MainWindow::makeSlideShow()
{
    SlideShowController::WindowMakers makers;
    makers.MakeShowWindow = [this] {
        auto* window = new ShowWindow(m_state);
        setShowWindow(window);
        adoptWindow(window);
        return window;
    };
    makers.MakeFolderPictureChooser = [this] {
        if (!m_folderPictureWindow)
            setFolderPictureWindow(new FolderPictureChooser(this));
        return m_folderPictureWindow.data();
    };
    return std::make_unique<SlideShowController>(*this, m_state, m_openShow, std::move(makers));
}

void MainWindow::ConnectSlideShow()
{
    SlideShowController* show = m_slideShow.get();
    show->SetParts({folderTree(), &PictureDisplaySect->displayState(), ThumbnailPageSect});

    // The full-screen window's steps, cut-outs, Home key and mouse wheel.
    PictureDisplaySection* display = PictureDisplaySect;
    connect(show, &SlideShowController::displayStepWanted, display, &PictureDisplaySection::DisplayPicture);
    connect(show, &SlideShowController::decodeAheadWanted, display, &PictureDisplaySection::KeepShowPicturesDecoded);
    connect(show, &SlideShowController::cutOutShown, display, &PictureDisplaySection::SetPictureMenuCaptions);
    connect(show, &SlideShowController::cutOutShown, display, &PictureDisplaySection::UpdatePictureStatus);
    connect(show, &SlideShowController::restartWanted, this, &MainWindow::RestartShow);
    connect(show, &SlideShowController::wheelTurned, m_input, &InputController::FormMouseWheel);

    // The start: the show's source goes to the top of the recent list, the
    // show buttons carry the hints of a running show.
    ListMenusSection* lists = ListMenusSect;
    connect(show, &SlideShowController::sourceStarted, lists, [lists](const QString& source) {
        lists->RecentCandidate = source;
        lists->AddToRecentFolders();
    });
    LayoutController* layouts = m_layout.get();
    connect(show, &SlideShowController::showStarting, this, [layouts] { layouts->SetShowRunningHints(); });

    // The end: the picture's sound stops, the hints of a stopped show, the
    // browse view and its picture, a demo start's offer and the folder read
    // again.
    SoundController* sound = m_sound.get();
    connect(show, &SlideShowController::showEnding, sound, [sound] { sound->ReleaseVoiceFile(); });
    connect(show, &SlideShowController::showEnding, this, [layouts] { layouts->SetShowStoppedHints(); });
    connect(show, &SlideShowController::showEnded, this, [layouts] { layouts->RestoreBrowseView(); });
    // The picture commands follow the browse view's picture, not the show's last.
    connect(show, &SlideShowController::showEnded, display, [display, preview = browsePreview()] {
        display->ReturnToBrowseView(preview && preview->pictureShown() ? preview->picturePath() : QString());
    });
    connect(show, &SlideShowController::demoShowOfferWanted, this, [this] {
        if (m_demoShowWindow) {
            m_demoShowWindow->show();
            m_demoShowWindow->raise();
        }
    });
    connect(show, &SlideShowController::folderReopenWanted, FolderTreeSect, &FolderTreeSection::OpenFolderOrShow);
}
