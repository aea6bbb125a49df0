// The main window's size, move and state events, forwarded to its layout
// controller, and the wiring of the controller's signals.
#include "app/main_window.h"
#include "app/main_menus.h"
#include "app/menu_bar_rows.h"
#include "browse/folder_tree_section.h"
#include "browse/picture_info_controller.h"
#include <QEvent>
#include <QLayout>
#include <QMoveEvent>
#include <QResizeEvent>

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_layout->LayoutForWindowSize();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    m_layout->WindowMoved();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    m_layout->WindowStateChanged(event);
}

// The maximized layout shows or hides the sibling program's panel; a
// preview whose box changed fits its picture again; a minimize during a
// show pauses the show and minimizes the program, and the restore names the
// folder in the title again.
void MainWindow::ConnectLayouts()
{
    LayoutController* const layouts = m_layout.get();
    PictureInfoController* const info = m_pictureInfo;
    // The controls take the room a second menu row leaves or needs, once
    // the window has given the client area that room.
    connect(
        mainMenus().BarRows(), &MenuBarRows::rowsChanged, layouts,
        [this, layouts] {
            mainMenus().BarRows()->layout()->activate();
            layout()->activate();
            layouts->LayoutForWindowSize();
        },
        Qt::QueuedConnection);
    connect(layouts, &LayoutController::MaximizedLayoutChosen, info, &PictureInfoController::UpdateTarnivoPanelVisibility);
    connect(layouts, &LayoutController::BrowsePreviewToRefit, info, &PictureInfoController::RefitBrowsePreview);
    connect(layouts, &LayoutController::ShowPreviewToRefit, info, &PictureInfoController::RefitMyShowPreview);
    connect(layouts, &LayoutController::ShowPauseRequested, m_slideShow.get(), &SlideShowController::PauseShow);
    connect(layouts, &LayoutController::MinimizeRequested, m_input, &InputController::AppMinimize);
    connect(layouts, &LayoutController::FolderCaptionDue, FolderTreeSect, &FolderTreeSection::UpdateFolderCaption);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    return m_input->eventFilter(watched, event);
}
