// Small handlers of the main window: the wiring of this concern (the Help
// menu, the picture and thumbnail timers and the tree's keys through their
// controllers, F1 in every window), the show list's focus grab.
#include "base/environment.h"
#include "app/help.h"
#include "app/help_and_version_controller.h"
#include "platform/help_key.h"
#include "base/start_args.h"
#include "app/main_window.h"
#include "browse/picture_display_section.h"
#include "browse/picture_info_controller.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"
#include "shows/show_windows.h"
#include "slideshow/show_state.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>


namespace {

// The purpose of the picture collection a window serves, kept by the main
// window that owns it (empty when none does).
// The main window `window` belongs to, else the program's main window.
MainWindow* mainWindowOf(QWidget* window)
{
    for (QWidget* w = window; w; w = w->parentWidget())
        if (auto* form = qobject_cast<MainWindow*>(w))
            return form;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<MainWindow*>(w))
            return form;
    return nullptr;
}

QString collectPurposeOf(QWidget* window)
{
    for (QWidget* w = window; w; w = w->parentWidget())
        if (auto* form = qobject_cast<MainWindow*>(w))
            return form->openShow().CollectPurpose;
    return QString();
}

// F1 in any of the program's own windows (objectName "Form…"), caught once
// for the whole application.
bool handleHelpKey(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    QWidget* window = widget->window();
    if (!window || !window->objectName().startsWith(QLatin1String("Form")))
        return false;
    // A window's own topic first, else the one its name gives.
    const QVariant own = window->property(HelpTopicProperty);
    const QString topic =
        own.isValid() ? own.toString() : DefaultHelpTopic(window->objectName(), collectPurposeOf(window));
    if (MainWindow* form = mainWindowOf(window))
        form->helpAndVersion()->ShowHelpTopic(topic);
    return true;
}

// Catches F1 for the whole application while the main window lasts.
class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override { return handleHelpKey(watched, event); }
};

// Any other window of the program open over the main window takes the
// keyboard, so the show list does not grab the focus.
bool otherWindowOpen(const QWidget* mainWindow)
{
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return true;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w == mainWindow || !w->isVisible())
            continue;
        const Qt::WindowType type = w->windowType();
        if (type == Qt::ToolTip || type == Qt::SplashScreen || type == Qt::Desktop)
            continue;
        return true;
    }
    return false;
}

// The show-list events this concern handles. The watched widget is kept as
// a pointer of its own and only compared: while the main window is destroyed
// its children still send events, and neither the window's members nor a
// half-destroyed widget may be called then.
class SmallHandlersFilter : public QObject {
public:
    SmallHandlersFilter(MainWindow* form, QWidget* showListViewport)
        : QObject(form), form_(form), showListViewport_(showListViewport)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && showListViewport_ && watched == showListViewport_.data())
            form_->MyShowSGMouseMove();
        return false;
    }

private:
    MainWindow* form_;
    QPointer<QWidget> showListViewport_;
};


} // namespace

void MainWindow::SetupSmallHandlers()
{
    if (m_smallHandlersSetUp)
        return;
    m_smallHandlersSetUp = true;

    m_helpAndVersion->ConnectHelpMenu();
    connect(pictureInfo()->thumbnailTimer(), &QTimer::timeout, pictureInfo(), &PictureInfoController::TimerThumbnailTimer);
    connect(pictureDisplay()->imageTimer(), &QTimer::timeout, pictureDisplay(),
            &PictureDisplaySection::ImageTimerTimer);

    FolderTreeSect->ConnectKeysAndSelection();
    QTableWidget* const list = showList()->grid();
    list->setMouseTracking(true);
    list->viewport()->setMouseTracking(true);
    list->viewport()->installEventFilter(new SmallHandlersFilter(this, list->viewport()));
}

// ---- delayed preview, show list, main picture -----------------------------------

void MainWindow::MyShowSGMouseMove()
{
    if (otherWindowOpen(this))
        return;
    showList()->grid()->setFocus(Qt::MouseFocusReason);
}

// F1 in any of the program's windows opens its help topic; a help page
// connects the small handlers first (the help timer ends its hourglass); the
// About box stops the idle timer; going to download a new version closes
// the program.
void MainWindow::ConnectHelpAndVersion()
{
    qApp->installEventFilter(new HelpKeyFilter(this));
    HelpAndVersionController* const help = m_helpAndVersion;
    connect(help, &HelpAndVersionController::HelpOpening, this, &MainWindow::SetupSmallHandlers);
    connect(help, &HelpAndVersionController::AboutBoxOpening, m_input, &InputController::StopIdleTimer);
    connect(help, &HelpAndVersionController::ProgramCloseRequested, this, &QWidget::close);
}
