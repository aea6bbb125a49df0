// The main window's size, move and state events, forwarded to its layout
// controller, and the wiring done when the window is first shown.
#include "app/main_window.h"
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
