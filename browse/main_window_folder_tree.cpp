// MainWindow's folder tree: makes the FolderTreeSection over the window's
// widgets, connects what it asks for to the other sections, and forwards
// the tree's routines to it.
#include "app/main_window.h"
#include "app/layout_controller.h"
#include "browse/picture_info_controller.h"

#include "browse/external_programs_controller.h"
#include "browse/fit_zoom_section.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"

namespace {

FolderTreeWidgets folderTreeWidgets(MainWindow* f)
{
    FolderTreeWidgets w;
    w.Window = f;
    w.TreeView1 = f->treeView();
    w.RightClickTreeView = f->mainMenus().RightClickTreeView();
    w.StatusBar1 = f->statusPanels();
    w.StatusPanel1 = f->statusPanels()->panel1();
    w.SearchTB = f->toolBars().SearchTB();
    w.ShowPreview = f->showPreview();
    w.Timer1 = f->input()->idleTimer();
    w.FolderExclusions = f->mainMenus().FolderExclusions();
    const MainMenus& menu = f->mainMenus();
    w.ExclusionItems = {menu.Browse(),    menu.SubShow(),    menu.SubSearch(),    menu.All(),
                        menu.BrowsePop(), menu.SubShowPop(), menu.SubSearchPop(), menu.AllPop()};
    w.ExcludeFolder = f->mainMenus().ExcludeFolder();
    w.ExcludeFolderPop = f->mainMenus().ExcludeFolderPop();
    w.Refresh = f->mainMenus().Refresh();
    w.RefreshPop = f->mainMenus().RefreshPop();
    w.FavItems = f->mainMenus().FavItems();
    w.FolderItems = f->mainMenus().FolderItems();
    return w;
}

} // namespace

void MainWindow::InstallFolderTree()
{
    FolderTreeSect = new FolderTreeSection(folderTreeWidgets(this), openShow(), m_state.settings, m_state.paths,
                                           m_state.environment, m_state.start, m_state.session);
}

void MainWindow::ConnectFolderTree()
{
    FolderTreeSection* tree = FolderTreeSect;
    connect(tree, &FolderTreeSection::userActed, m_input, &InputController::UserActivity);
    connect(tree, &FolderTreeSection::showFileOpened, this,
            [this](const QString& path) { m_myShow->LoadMyShowClick(path); });
    connect(tree, &FolderTreeSection::fullViewRequested, FitZoomSect, &FitZoomSection::ShowPictureFull);
    connect(tree, &FolderTreeSection::nodePreviewRequested, m_pictureInfo, &PictureInfoController::PreviewTreeNode);
    connect(tree, &FolderTreeSection::addToShowRequested, m_myShow.get(), &MyShowController::AddPictureToMyShow);
    connect(tree, &FolderTreeSection::programOnFileRequested, m_externalPrograms,
            &ExternalProgramsController::RunProgramOnFile);
    // The first folder click of a run may bring the notice about thumbnail folders.
    connect(tree, &FolderTreeSection::folderClicked, m_pictureInfo, [this] { m_pictureInfo->ThumbnailInfoOnce(); });
    connect(tree, &FolderTreeSection::folderWalked, m_pictureInfo, &PictureInfoController::PreviewOpenedFolder);
    // A refresh hides the picture preview window.
    connect(tree, &FolderTreeSection::refreshStarting, m_layout.get(), &LayoutController::HidePicturePreview);
}

FolderTreeController* MainWindow::folderTree() const { return FolderTreeSect->folderTree(); }
