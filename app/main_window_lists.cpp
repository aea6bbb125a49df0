// MainWindow's recent folders, favourites, MyShow history and drive menus: makes
// the ListMenusSection over the window's menus, connects what it asks for to
// the other sections, and forwards the routines.
#include "app/main_window.h"

#include "app/menu_style.h"
#include "browse/folder_tree_section.h"
#include "browse/list_menus_section.h"

void MainWindow::InstallListMenus()
{
    ListMenusSect = new ListMenusSection({.Window = this, .Timer1 = m_input->idleTimer()}, *folderTree(), openShow(), m_state.settings,
                                         m_state.paths, m_state.environment, m_state.start, m_state.session);
}

void MainWindow::ConnectListMenus()
{
    ListMenusSection* lists = ListMenusSect;
    connect(lists, &ListMenusSection::menuMeasureWanted, this, [](QMenu* menu) { ::MeasureMenu(menu); });
    connect(lists, &ListMenusSection::folderOpenWanted, FolderTreeSect, &FolderTreeSection::OpenFolderOrShow);
    connect(lists, &ListMenusSection::folderCaptionWanted, FolderTreeSect, &FolderTreeSection::UpdateFolderCaption);
    connect(lists, &ListMenusSection::desktopWanted, this, &MainWindow::DesktopClick);
    connect(lists, &ListMenusSection::myPicturesWanted, this, &MainWindow::MyPicturesClick);
    connect(lists, &ListMenusSection::internetWanted, this, &MainWindow::InternetClick);
    SlideShowController* show = m_slideShow.get();
    connect(lists, &ListMenusSection::showStopWanted, show, &SlideShowController::ToolButton2Click);
    connect(lists, &ListMenusSection::showEndWanted, show, &SlideShowController::EndShow);
    connect(lists, &ListMenusSection::showOptionsWanted, show, &SlideShowController::ApplyShowOptions);
    connect(lists, &ListMenusSection::playWanted, show, &SlideShowController::PlayPictures);
    connect(lists, &ListMenusSection::showFileOpenWanted, this,
            [this](const QString& path) { m_myShow->LoadMyShowClick(path); });
    connect(lists, &ListMenusSection::showLabelWanted, this,
            [this](const QString& action) { m_layout->ShowMyShowLabel(action); });
}

void MainWindow::SetupListMenus() { ListMenusSect->SetupListMenus(); }
