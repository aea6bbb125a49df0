// MainWindow's picture information and thumbnail files: makes the
// PictureInfoController over the window's previews and items, connects what
// it asks for and the picture loader's thumbnail and information steps to the
// slots.
#include "app/main_window.h"
#include "browse/picture_display_section.h"

#include "browse/external_programs_controller.h"
#include "browse/picture_info_controller.h"
#include "browse/folder_tree_section.h"
#include "browse/picture_loader.h"
#include "browse/thumbnail_files.h"
#include "shows/show_windows.h"

#include <QLabel>
#include <QPointer>

namespace {

// The status of thumbnail making, shown in the window's status panel 0
// while the window lasts.
ThumbnailStatus statusPanel0(MainWindow* form)
{
    return [window = QPointer<MainWindow>(form)](const QString& text) {
        if (window && window->statusPanels())
            window->statusPanels()->setPanelText(0, text);
    };
}

} // namespace

void MainWindow::InstallPictureInfo()
{
    m_pictureInfo = new PictureInfoController(
        {.Window = this,
         .TreeView1 = treeView(),
         .MyShowSG = showList()->grid(),
         .Timer1 = m_input->idleTimer(),
         .BrowsePreview = m_browsePreview,
         .ShowPreview = m_showPreview},
        {*folderTree(), PictureDisplaySect->displayState(), m_layout->layoutState(), m_layout->designBounds(),
         m_sound->session(), *m_externalPrograms},
        m_state.settings, m_state.paths, m_state.environment, m_state.start, m_state.session);
    // The browse preview's thumbnail status shows in this window.
    connect(m_pictureInfo, &PictureInfoController::thumbnailStatus, this, statusPanel0(this));
    FollowPictureLoads(pictureSlot());
}

void MainWindow::FollowPictureLoads(PictureSlotModel* slot)
{
    // The steps take this window's thumbnail options; their status shows in
    // this window.
    const auto options = [this] { return CurrentThumbnailOptions(m_state.settings, m_state.start.DemoMode); };
    ConnectPictureLoaderSteps(this, slot, ThumbnailLoaderSteps(options, statusPanel0(this)));
}

void MainWindow::ConnectPictureInfo()
{
    PictureInfoController* info = m_pictureInfo;
    connect(info, &PictureInfoController::folderRefreshWanted, FolderTreeSect,
            &FolderTreeSection::RefreshSelectedFolder);
}
