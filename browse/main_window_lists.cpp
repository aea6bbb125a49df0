// MainWindow's recent folders, favourites, MyShow history and drive menus: makes
// the ListMenusSection over the window's menus, connects what it asks for to
// the other sections, and forwards the routines.
#include "app/main_window.h"

#include "app/menu_style.h"
#include "browse/folder_tree_section.h"
#include "browse/list_menus_section.h"


namespace {

ListMenusWidgets listMenusWidgets(MainWindow* f)
{
    ListMenusWidgets w;
    w.Window = f;
    w.Timer1 = f->input()->idleTimer();
    w.Recent1 = f->mainMenus().Recent1();
    w.Favorites = f->mainMenus().Favorites();
    w.MyShow = f->mainMenus().MyShow();
    w.Bestand1 = f->mainMenus().Bestand1();
    w.DriveChange1 = f->mainMenus().DriveChange1();
    w.DrivePop = f->mainMenus().DrivePop();
    w.FolderItems = f->mainMenus().FolderItems();
    w.FavItems = f->mainMenus().FavItems();
    w.HistoryItems = f->mainMenus().HistoryItems();
    w.DriveItems = f->mainMenus().DriveItems();
    w.PDriveItems = f->mainMenus().PDriveItems();
    w.MDesktop = f->mainMenus().MDesktop();
    w.Desktop = f->mainMenus().Desktop();
    w.MMyPictures = f->mainMenus().MMyPictures();
    w.MyPictures = f->mainMenus().MyPictures();
    w.MInternet = f->mainMenus().MInternet();
    w.Internet = f->mainMenus().Internet();
    w.MDefStartUp = f->mainMenus().MDefStartUp();
    w.DPDefStartUp = f->mainMenus().DPDefStartUp();
    w.AddSelectedFolder = f->mainMenus().AddSelectedFolder();
    w.AddSelectedFolderPop = f->mainMenus().AddSelectedFolderPop();
    w.AddFolder = f->mainMenus().AddFolder();
    w.AddShow = f->mainMenus().AddShow();
    w.MakeDefault = f->mainMenus().MakeDefault();
    w.MakeDefaultPop = f->mainMenus().MakeDefaultPop();
    w.MakeAutomatic = f->mainMenus().MakeAutomatic();
    w.AutomaticFolder = f->mainMenus().AutomaticFolder();
    w.AutomaticShow = f->mainMenus().AutomaticShow();
    w.MakeAutoMaticPop = f->mainMenus().MakeAutoMaticPop();
    w.N1 = f->mainMenus().N1();
    w.N12 = f->mainMenus().N12();
    w.N16 = f->mainMenus().N16();
    w.N25 = f->mainMenus().N25();
    w.ClearRec = f->mainMenus().ClearRec();
    w.ClearFavs = f->mainMenus().ClearFavs();
    w.SaveMyShowAs = f->mainMenus().SaveMyShowAs();
    w.DeleteMyShow = f->mainMenus().DeleteMyShow();
    return w;
}

} // namespace

void MainWindow::InstallListMenus()
{
    ListMenusSect = new ListMenusSection(listMenusWidgets(this), *folderTree(), openShow(), m_state.settings,
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
