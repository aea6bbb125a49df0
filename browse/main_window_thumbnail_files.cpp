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

PictureInfoWidgets pictureInfoWidgets(MainWindow* f)
{
    PictureInfoWidgets w;
    w.Window = f;
    w.TreeView1 = f->treeView();
    w.MyShowSG = f->showList()->grid();
    w.Timer1 = f->input()->idleTimer();
    w.TBMakeSmall = f->toolBars().TBMakeSmall();
    w.MMakeSmall = f->mainMenus().MMakeSmall();
    w.MakeSmall = f->mainMenus().MakeSmall();
    w.BrowsePreview = f->browsePreview();
    w.ShowPreview = f->showPreview();
    w.PictureToClipboard = f->mainMenus().PictureToClipboard();
    w.PathToClipboard = f->mainMenus().PathToClipboard();
    w.FileOperations = f->mainMenus().FileOperations();
    w.SavePictureTo = f->mainMenus().SavePictureTo();
    w.MovePictureTo = f->mainMenus().MovePictureTo();
    w.SendRecycleBin = f->mainMenus().SendRecycleBin();
    w.RenamePicture = f->mainMenus().RenamePicture();
    return w;
}

} // namespace

void MainWindow::InstallPictureInfo()
{
    m_pictureInfo = new PictureInfoController(
        pictureInfoWidgets(this),
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
