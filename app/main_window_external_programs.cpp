// MainWindow's external programs and wallpaper: makes the
// ExternalProgramsController over the window's panels (it takes the items it
// serves by objectName) and connects what it asks for to the other sections.
#include "app/main_window.h"
#include "browse/picture_display_section.h"
#include "browse/picture_info_controller.h"

#include "browse/external_programs_controller.h"
#include "browse/fit_zoom_section.h"
#include "browse/folder_tree_section.h"
#include "browse/thumbnail_files.h"
#include "shows/show_windows.h"

#include <QLabel>
#include <QPointer>

void MainWindow::InstallExternalPrograms()
{
    // The thumbnails renewed after an edit take this window's thumbnail
    // options; their status shows in this window's status panel 0.
    const auto options = [this] { return CurrentThumbnailOptions(m_state.settings, m_state.start.DemoMode); };
    const auto status = [window = QPointer<MainWindow>(this)](const QString& text) {
        if (window && window->statusPanels())
            window->statusPanels()->setPanelText(0, text);
    };
    m_externalPrograms = new ExternalProgramsController(
        {.Window = this,
         .MyShowSG = showList()->grid(),
         .TreeView1 = treeView(),
         .BrowsePreview = browsePreview(),
         .ShowPreview = showPreview(),
         .StatusPanel1 = statusPanels()->panel1()},
        *folderTree(), PictureDisplaySect->displayState(), openShow(),
        [this] {
            if (!folderPictureWindow())
                setFolderPictureWindow(new FolderPictureChooser(this));
            return folderPictureWindow();
        },
        m_state.settings, m_state.paths, m_state.environment, m_state.session, ThumbnailLoaderSteps(options, status));
    m_externalPrograms->SetPictureSlot(pictureSlot());
}

void MainWindow::ConnectExternalPrograms()
{
    ExternalProgramsController* programs = m_externalPrograms;
    connect(programs, &ExternalProgramsController::folderOpenWanted, FolderTreeSect,
            &FolderTreeSection::OpenFolderOrShow);
    connect(programs, &ExternalProgramsController::folderRefreshWanted, FolderTreeSect,
            &FolderTreeSection::RefreshSelectedFolder);
    connect(programs, &ExternalProgramsController::folderCaptionWanted, FolderTreeSect,
            &FolderTreeSection::UpdateFolderCaption);
    connect(programs, &ExternalProgramsController::pauseWanted, m_slideShow.get(), &SlideShowController::PauseShow);
    connect(programs, &ExternalProgramsController::voiceReleaseWanted, m_sound.get(),
            [this] { m_sound->ReleaseVoiceFile(); });
    connect(programs, &ExternalProgramsController::pictureDisplayWanted, PictureDisplaySect,
            &PictureDisplaySection::DisplayCurrentPicture);
    connect(programs, &ExternalProgramsController::fitWanted, FitZoomSect, &FitZoomSection::SizePictureToDisplay);
    connect(programs, &ExternalProgramsController::previewWanted, this,
            [this](const QString& path) { m_layout->ShowPicturePreview(path); });
    connect(programs, &ExternalProgramsController::pictureRewritten, m_pictureInfo,
            &PictureInfoController::PictureRewritten);
}
