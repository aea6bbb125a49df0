// The main window's size, move and state events, forwarded to its layout
// controller, the wiring of the controller's signals and the wiring done
// when the window is first shown.
#include "app/main_window.h"
#include "browse/folder_tree_section.h"
#include "browse/picture_info_controller.h"
#include "platform/keyboard_hook.h"
#include "base/environment.h"
#include "base/start_args.h"

#include <QApplication>
#include <QEvent>
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

// The window's menus, status bar, layouts and keyboard hook are wired when
// the main window is first shown (or explicitly by the start-up code).
static void watchForMainWindow()
{
    class FirstShow : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (e->type() == QEvent::Show) {
                if (auto* form = qobject_cast<MainWindow*>(o)) {
                    form->menus()->SetupMenus();
                    form->input()->InstallApplicationEvents();
                    if (!form->state().start.DemoMode)
                        form->layouts()->SaveControlBounds();
                    if (!form->input()->KeyboardHookInstalled)
                        form->input()->InstallKeyboardHook();
                }
            }
            return false;
        }
    };
    qApp->installEventFilter(new FirstShow(qApp));
}
Q_COREAPP_STARTUP_FUNCTION(watchForMainWindow)
