// MainWindow's menus: hands the menu controller the parts made after it and
// connects what its menus and buttons ask for to the parts that do it.
#include "app/main_window.h"

#include "browse/folder_tree_section.h"
#include "browse/picture_display_section.h"
#include "browse/thumbnail_page_section.h"

void MainWindow::ConnectMenus()
{
    MenuController* menus = m_menus;
    menus->SetParts(
        {.Tree = folderTree(), .Display = &PictureDisplaySect->displayState(), .Page = ThumbnailPageSect});

    // The start, restart and resume commands are connected with the menus'
    // own (once, when the menus are set up).
    connect(menus, &MenuController::menuCommandsConnected, this, &MainWindow::ConnectShowCommands);

    // The show: held by a menu that opens while it advances, restarted by
    // "Restart", its Show menu items set from the full-screen show's state.
    SlideShowController* show = m_slideShow.get();
    connect(menus, &MenuController::pauseWanted, show, &SlideShowController::PauseShow);
    connect(menus, &MenuController::restartWanted, this, &MainWindow::RestartShow);
    connect(menus, &MenuController::showMenuCaptionsApplied, this, &MainWindow::SyncShowButtons);

    // The window's new width after the MyShow panel is hidden or shown.
    LayoutController* layouts = m_layout.get();
    connect(menus, &MenuController::panelWidthWanted, this,
            [layouts](bool hidden) { layouts->SwitchMyShowPanelWidth(hidden); });
    connect(menus, &MenuController::windowWidthSwitched, this, [layouts] {
        layouts->FitToWorkArea();
        layouts->LayoutForWindowSize();
    });

    // Hiding the MyShow panel with a named show open: its changes are kept
    // or dropped, then the Draft show opens.
    MyShowController* myShow = m_myShow.get();
    connect(menus, &MenuController::showChangesDecisionWanted, myShow, &MyShowController::AskMakeChangesPermanent);
    connect(menus, &MenuController::draftShowWanted, myShow, &MyShowController::MyShowDraftClick);
    connect(menus, &MenuController::myShowPanelShown, myShow, &MyShowController::ShowMyShowPanel);
}
