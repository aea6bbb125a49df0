// MainWindow's open show: makes the MyShowController and connects it to the
// close and the MyShow manager.
#include "app/main_window.h"

#include "app/close_controller.h"
#include "shows/my_show_controller.h"
#include "shows/show_windows.h"

std::unique_ptr<MyShowController> MainWindow::makeMyShow()
{
    return std::make_unique<MyShowController>(m_state.paths);
}

void MainWindow::ConnectMyShow()
{
    MyShowController* myShow = m_myShow.get();
    // While the close runs, the Draft show is only saved.
    myShow->SetClosingDownFlag(m_close->ClosingDown);
    // The Draft and Close commands, the page show's button and the picture
    // count are the open show's; its name label says what happens; the
    // Draft asked for with the panel hidden shows the panel.
    myShow->TakeControls(*this);
    myShow->SetPanelHiddenFlag(m_state.settings.Settings.MyShowHidden);
    LayoutController* layouts = m_layout.get();
    connect(myShow, &MyShowController::labelWanted, this,
            [layouts](const QString& action) { layouts->ShowMyShowLabel(action); });
    connect(myShow, &MyShowController::panelWanted, m_menus, &MenuController::HideShowMyShowClick);
    // The MyShow manager (when there is one) knows each named show opened.
    connect(myShow, &MyShowController::namedShowOpened, this, [this](const QString& path) {
        if (m_showManager)
            m_showManager->AddKnownShow(path);
    });
}
