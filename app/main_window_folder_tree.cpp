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

void MainWindow::InstallFolderTree()
{
    FolderTreeSect = new FolderTreeSection({.Window = this,
                                            .TreeView1 = treeView(),
                                            .StatusBar1 = statusPanels(),
                                            .StatusPanel1 = statusPanels()->panel1(),
                                            .ShowPreview = showPreview(),
                                            .Timer1 = input()->idleTimer()},
                                           openShow(), m_state.settings, m_state.paths,
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
