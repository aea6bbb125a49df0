// Small handlers of the main window: the wiring of this concern (the Help
// menu through its controller, F1 in every window, the picture and
// thumbnail timers), the tree's key and selection colours, the delayed
// preview, the show list's focus grab, the end of a picture load, a wait
// that lets window messages run and the last component of a path.
#include "base/environment.h"
#include "app/help.h"
#include "platform/help_key.h"
#include "base/start_args.h"
#include "app/tform1.h"
#include "browse/picture_info_controller.h"
#include "browse/folder_tree_widget.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "shows/show_windows.h"
#include "slideshow/show_state.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QThread>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

// The purpose of the picture collection a window serves, kept by the main
// window that owns it (empty when none does).
QString collectPurposeOf(QWidget* window)
{
    for (QWidget* w = window; w; w = w->parentWidget())
        if (auto* form = qobject_cast<TForm1*>(w))
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
    ShowHelpTopicFromWindow(topic);
    return true;
}

// The monthly suggestion comes once the start-up sequence has ended: in
// the program's own event loop, with no other modal window open (a start-up
// warning, the launcher) — until then it waits.
void offerSuggestionWhenIdle(TForm1* form)
{
    QPointer<TForm1> guard(form);
    QTimer::singleShot(250, form, [guard] {
        if (!guard)
            return;
        if (QThread::currentThread()->loopLevel() != 1 || QApplication::activeModalWidget()) {
            offerSuggestionWhenIdle(guard);
            return;
        }
        guard->helpAndVersion()->MonthlySuggestionAtStart();
    });
}

// Wires the concern when the main window is first shown, and offers the
// monthly version check once after a complete normal start.
class SmallHandlersWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (handleHelpKey(watched, event))
            return true;
        if (event->type() == QEvent::Show) {
            if (auto* form = qobject_cast<TForm1*>(watched)) {
                form->SetupSmallHandlers();
                if (form->state().start.StartupRunFlag == 1 && !suggestionOffered_
                    && QCoreApplication::applicationName() == QLatin1String("Vistamo!")) {
                    suggestionOffered_ = true;
                    offerSuggestionWhenIdle(form);
                }
            }
        }
        return false;
    }

private:
    bool suggestionOffered_ = false;
};

void watchForSmallHandlers()
{
    qApp->installEventFilter(new SmallHandlersWatcher(qApp));
}

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

// The tree and show-list events this concern handles. The watched widgets
// are kept as pointers of their own and only compared: while the main window
// is destroyed its children still send events, and neither the window's
// members nor a half-destroyed widget may be called then.
class SmallHandlersFilter : public QObject {
public:
    SmallHandlersFilter(TForm1* form, QWidget* tree, QWidget* showListViewport)
        : QObject(form), form_(form), tree_(tree), showListViewport_(showListViewport)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && tree_ && watched == tree_.data()) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (form_->TreeView1KeyDown(key->key(), key->modifiers()))
                return true;
        } else if (event->type() == QEvent::MouseMove && showListViewport_ && watched == showListViewport_.data()) {
            form_->MyShowSGMouseMove();
        }
        return false;
    }

private:
    TForm1* form_;
    QPointer<QWidget> tree_;
    QPointer<QWidget> showListViewport_;
};


} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForSmallHandlers)

void TForm1::SetupSmallHandlers()
{
    if (m_smallHandlersSetUp)
        return;
    m_smallHandlersSetUp = true;

    m_helpAndVersion->ConnectHelpMenu();
    if (TimerThumbnail)
        connect(TimerThumbnail, &QTimer::timeout, this, &TForm1::TimerThumbnailTimer);
    if (ImageTimer)
        connect(ImageTimer, &QTimer::timeout, this, &TForm1::ImageTimerTimer);

    auto* filter = new SmallHandlersFilter(this, TreeView1, MyShowSG ? MyShowSG->viewport() : nullptr);
    if (TreeView1) {
        TreeView1->installEventFilter(filter);
        TreeView1CustomDrawItem();
        connect(TreeView1, &QTreeWidget::currentItemChanged, this,
                [this](QTreeWidgetItem* current, QTreeWidgetItem*) { TreeView1Change(current); });
    }
    if (MyShowSG) {
        MyShowSG->setMouseTracking(true);
        MyShowSG->viewport()->setMouseTracking(true);
        MyShowSG->viewport()->installEventFilter(filter);
    }
}

// ---- the folder tree ----------------------------------------------------------

bool TForm1::TreeView1KeyDown(int key, Qt::KeyboardModifiers shift)
{
    // A key in the tree is the user at work: the automatic show waits.
    if (Timer1)
        Timer1->stop();
    const bool menuKey = key == Qt::Key_Menu || (key == Qt::Key_F10 && (shift & Qt::ShiftModifier));
    if (menuKey) {
        // A right press on the selected node; the pop-up opens at a fixed
        // place in the middle of the tree, 150 pixels below the window's top.
        TreeView1MouseDown(false, Qt::RightButton, shift, QPoint());
        if (folderTree()->PopupEnabled && folderTree()->SelectedTreeNode && RightClickTreeView)
            RightClickTreeView->popup(TreePopupKeyAnchor());
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // Enter acts as a left press on the selected node.
        TreeView1MouseDown(false, Qt::LeftButton, shift, QPoint());
        return true;
    }
    return false;
}

QPoint TForm1::TreePopupKeyAnchor() const
{
    const QRect frame = frameGeometry();
    return QPoint(frame.left() + (TreeView1 ? TreeView1->width() / 2 : 0), frame.top() + 150);
}

void TForm1::TreeView1Change(QTreeWidgetItem* node)
{
    if (!node || !TreeView1)
        return;
    // The node becomes the selected and the pop-up node; the preview and
    // the captions follow it as they follow the mouse.
    folderTree()->SelectedTreeNode = node;
    pictureInfo()->PreviewNode = node;
    pictureInfo()->TreeView1MouseMove(this, Qt::NoModifier, 1, 1);
}

void TForm1::TreeView1CustomDrawItem()
{
    if (!TreeView1)
        return;
    const QColor scheme7 = m_state.environment.ColorScheme[6];
    const QColor selected = scheme7.isValid() ? scheme7 : QColor(0x7E, 0xB6, 0xFF);
    QPalette palette = TreeView1->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, selected);
        palette.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    TreeView1->setPalette(palette);
}

// ---- delayed preview, show list, main picture -----------------------------------

void TForm1::TimerThumbnailTimer()
{
    if (TimerThumbnail)
        TimerThumbnail->stop();
    if (ThumbnailPreviewPath.isEmpty())
        return;
    if (ThumbnailPreviewFromTree)
        pictureInfo()->ShowPictureInfo(ThumbnailPreviewPath, true, true);
    else
        pictureInfo()->ShowMyShowPictureInfo(ThumbnailPreviewPath, true, false);
}

void TForm1::MyShowSGMouseMove()
{
    if (!MyShowSG || otherWindowOpen(this))
        return;
    MyShowSG->setFocus(Qt::MouseFocusReason);
}

void TForm1::Image1Progress(bool endStage)
{
    if (ImageTimer)
        ImageTimer->stop();
    if (!endStage)
        return;
    UpdatePictureStatus();
    ImageTimerTimer();
}

void TForm1::ImageTimerTimer()
{
    TForm16* const Form16 = m_showManager;
    if (ImageTimer)
        ImageTimer->stop();
    m_state.session.ShowState.PictureLoaded = 1;
    PictureLoadTimeMs = platform::monotonicMs();
    if (state().start.DemoMode || state().start.ArgumentMode || !Form16)
        return;
    Form16->EnableAfterPictureLoad();
}

void TForm1::VXOnlineHelpClick()
{
    m_helpAndVersion->VXOnlineHelpClick();
}

void TForm1::StopIdleTimer()
{
    if (Timer1)
        Timer1->stop();
}

void TForm1::CloseMainWindow()
{
    close();
}

void TForm1::OpenDraftShowAtStart()
{
    myShow()->MyShowDraftClick();
}

// ---- waiting and paths ----------------------------------------------------------

void TForm1::WaitProcessingMessages(quint16 Hours, quint16 Seconds, quint16 Milliseconds)
{
    // Measured on the monotonic clock: a change of the wall clock (summer
    // time, a correction) neither stretches nor cuts the wait.
    const qint64 span = qint64(Hours) * 3600000 + qint64(Seconds / 60) * 60000 + qint64(Seconds % 60) * 1000
                        + qint64(Milliseconds);
    const qint64 end = platform::monotonicMs() + span;
    // A clock frozen by a test still lets the wait end.
    QElapsedTimer real;
    real.start();
    while (platform::monotonicMs() < end && real.elapsed() <= span + 1000) {
        QEventLoop loop;
        QTimer::singleShot(int(std::clamp<qint64>(end - platform::monotonicMs(), 1, 10)), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

QString TForm1::LastPathComponent(const QString& Path)
{
    const int slash = Path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return Path;
    const QString last = Path.mid(slash + 1);
    if (!last.isEmpty())
        return last;
    // A path ending in "/": the root of its drive.
    const auto drive = platform::DriveOf(Path);
    return drive ? drive->mountPoint : QStringLiteral("/");
}
