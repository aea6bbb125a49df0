// The main window's input: the keyboard hook (an application event filter),
// the main window's key commands, the idle timer that starts the automatic
// show, the mouse activity on the window, and the application's hint,
// activation, minimise and exception events.
#include "app/input_controller.h"
#include "app/layout_controller.h"
#include "app/main_status_bar.h"
#include "base/program_state.h"
#include "slideshow/auto_show_windows.h"
#include "platform/screen_saver.h"
#include "base/caption_helpers.h"
#include "base/named_timer.h"
#include "app/key_commands.h"
#include "platform/keyboard_hook.h"
#include "app/menu_style.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "browse/fit_zoom.h"
#include "browse/picture_display.h"
#include "platform/clock.h"
#include "platform/designed_widgets.h"
#include "platform/prompt.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusTipEvent>
#include <QTimer>
#include <QWheelEvent>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool runs(const ShowSession& session) { return session.PlaybackActive == 1; }

bool usable(const QAction* a) { return a && a->isEnabled() && a->isVisible(); }

void trigger(QAction* a)
{
    if (a && a->isEnabled())
        a->trigger();
}

bool topLevelVisible(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return true;
    return false;
}

// A letter typed into a text field is text, not a command.
bool isTextInput(const QWidget* w)
{
    if (!w)
        return false;
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return !e->isReadOnly();
    if (const auto* e = qobject_cast<const QTextEdit*>(w))
        return !e->isReadOnly();
    if (const auto* e = qobject_cast<const QPlainTextEdit*>(w))
        return !e->isReadOnly();
    if (const auto* c = qobject_cast<const QComboBox*>(w))
        return c->isEditable();
    return qobject_cast<const QAbstractSpinBox*>(w) != nullptr;
}

} // namespace

InputController::InputController(QWidget& window, const Widgets& widgets, ProgramState& state,
                                 LayoutController& layouts, const QPointer<ShowWindow>& showWindow,
                                 const QPointer<AutoShowCountdownWindow>& replayWindow, Queries queries)
    : QObject(&window), m_window(window),
      m_w{.ClientArea = widgets.ClientArea,
          .StatusBar1 = widgets.StatusBar1,
          .TBRotateL = platform::ActionNamed(window, "TBRotateL"),
          .TBRotateR = platform::ActionNamed(window, "TBRotateR"),
          .Wallpaper = platform::ActionNamed(window, "Wallpaper"),
          .ShowForwardToolButton = platform::ActionNamed(window, "ShowForwardToolButton"),
          .ShowinReverseToolButton = platform::ActionNamed(window, "ShowinReverseToolButton"),
          .Forward1ToolButton = platform::ActionNamed(window, "Forward1ToolButton"),
          .Backwards1ToolButton = platform::ActionNamed(window, "Backwards1ToolButton"),
          .SaveToolButton = platform::ActionNamed(window, "SaveToolButton"),
          .MoveToolButton = platform::ActionNamed(window, "MoveToolButton"),
          .RenamePictureToolButton = platform::ActionNamed(window, "RenamePictureToolButton"),
          .Volume = platform::ActionNamed(window, "Volume"),
          .RecycleBinToolButton = platform::ActionNamed(window, "RecycleBinToolButton")},
      m_layouts(layouts), m_showWindow(showWindow),
      m_replayWindow(replayWindow), m_queries(std::move(queries)), m_state(state),
      m_idleTimer(MakeNamedTimer(this, "Timer1", 1000, false)),
      m_hookTimer(MakeNamedTimer(this, "TimerHook", 500, false)),
      m_hookHandledTimer(MakeNamedTimer(this, "HookHandled", 300, false))
{
    if (m_w.StatusBar1)
        m_statusPanels = {m_w.StatusBar1->panel0(), m_w.StatusBar1->panel1()};
}

InputController::~InputController() = default;

void InputController::InstallApplicationEvents()
{
    if (m_appEventsInstalled)
        return;
    m_appEventsInstalled = true;
    if (!m_hintMemory)
        m_hintMemory = std::make_unique<HintMemory>();
    connect(m_hookTimer, &QTimer::timeout, this, &InputController::TimerHookTimer);
    connect(m_hookHandledTimer, &QTimer::timeout, this, &InputController::HookHandledTimer);
    connect(m_idleTimer, &QTimer::timeout, this, &InputController::Timer1Timer);
    m_window.installEventFilter(this);
    if (m_w.ClientArea)
        m_w.ClientArea->installEventFilter(this);
    m_layouts.hookStatusPanels();
    // While a show advances (and the playlist editor is not open) neither
    // the screen saver nor the monitor's power-off may interrupt it.
    platform::KeepScreenAwakeWhile(this, [this] { return runs(m_state.session) && !m_queries.inManualMode() && !topLevelVisible("Form11"); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            QuestionUpdateStatusBar();
    });
}

void InputController::InstallKeyboardHook()
{
    emit KeyboardHookInstalling();
    InstallApplicationEvents();
    if (!m_hookFilter)
        m_hookFilter = new KeyboardHookFilter(
            [this](int key, Qt::KeyboardModifiers mods) { KeyboardHookProc(key, mods); }, this);
    qApp->removeEventFilter(m_hookFilter);
    qApp->installEventFilter(m_hookFilter);
    KeyboardHookInstalled = 1;
}

void InputController::FormDestroy()
{
    if (m_hookFilter)
        qApp->removeEventFilter(m_hookFilter);
    KeyboardHookInstalled = 0;
}

void InputController::DetachFromWindow()
{
    m_window.removeEventFilter(this);
    if (m_w.ClientArea)
        m_w.ClientArea->removeEventFilter(this);
}

void InputController::KeyboardHookProc(int key, Qt::KeyboardModifiers modifiers)
{
    ShowWindow* const showWindow = m_showWindow.data();
    HookInput in;
    in.mainWindowEnabled = m_window.isEnabled() && !QApplication::activeModalWidget();
    in.hookHandledRunning = m_hookHandledTimer && m_hookHandledTimer->isActive();
    in.form9Visible = showWindow && showWindow->isVisible();
    in.mouseButtonDown = MouseButtonDown == 1;
    in.playbackActive = runs(m_state.session);
    in.ctrlLatch = HookCtrlLatch == 1;
    in.ctrlHeld = (modifiers | QGuiApplication::queryKeyboardModifiers()) & Qt::ControlModifier;
    // While browsing the picture selected in the tree is rotated, by a key
    // pressed in this window and not typed into a text field.
    const QWidget* active = QApplication::activeWindow();
    const bool browsedRotatable = !in.playbackActive && (!active || active == &m_window)
                                  && !isTextInput(QApplication::focusWidget()) && m_queries.browsedPictureRotatable
                                  && m_queries.browsedPictureRotatable();
    in.rotateLUsable = usable(m_w.TBRotateL) || browsedRotatable;
    in.rotateRUsable = usable(m_w.TBRotateR) || browsedRotatable;
    in.key = key;
    const HookDecision d = DecideHookKey(in);
    if (d.startHookHandled && m_hookHandledTimer)
        m_hookHandledTimer->start();
    if (d.setCtrlLatch) {
        HookCtrlLatch = 1;
        if (m_hookTimer)
            m_hookTimer->start();
    }
    switch (d.action) {
    case HookAction::None:
        break;
    case HookAction::ShowKey:
        RunShowKey(d.showKey);
        break;
    case HookAction::RotateLeft: emit RotateRequested(true); break;
    case HookAction::RotateRight: emit RotateRequested(false); break;
    case HookAction::FormKeyDown:
        FormKeyDown(key, modifiers);
        break;
    case HookAction::RaiseForm9:
        if (showWindow) {
            // A key pressed in another window still reaches the show.
            const QWidget* target = m_hookFilter ? m_hookFilter->Target() : nullptr;
            const bool inShowWindow = target && (target == showWindow || showWindow->isAncestorOf(target));
            showWindow->raise();
            showWindow->activateWindow();
            if (!inShowWindow)
                showWindow->ShowKeyDown(key, modifiers);
        }
        break;
    }
}

void InputController::TimerHookTimer()
{
    HookCtrlLatch = 0;
    m_hookTimer->stop();
}

void InputController::HookHandledTimer()
{
    m_hookHandledTimer->stop();
}

void InputController::Timer1Timer()
{
    TSettingsRecord& Settings = state().settings.Settings;
    AutoShowCountdownWindow* const Form2 = m_replayWindow.data();
    IdleInput in;
    in.thumbnailView = m_queries.pageShowRuns();
    in.mainWindowActive = m_window.isActiveWindow();
    in.playbackActive = runs(m_state.session);
    in.neverAutoShow = Settings.NeverAutoShow != 0;
    in.form10Visible = m_queries.pictureTextWindowShown();
    in.externalProcessRunning = m_queries.externalProgramRuns();
    in.appActive = QGuiApplication::applicationState() == Qt::ApplicationActive;
    in.demoMode = state().start.DemoMode == 1;
    in.now = platform::monotonicMs();
    in.idleStart = IdleStartTick;
    in.waitSeconds = Settings.AutoShowWaitSeconds;
    in.countdown = AutoShowCountdown;
    in.autoShowPath = Settings.AutoShowPath;
    const QFileInfo fi(in.autoShowPath);
    in.pathIsFile = !in.autoShowPath.isEmpty() && fi.isFile();
    in.pathIsFolder = !in.autoShowPath.isEmpty() && fi.isDir();
    const IdleDecision d = DecideIdleTick(in);
    if (d.resetIdleStart)
        IdleStartTick = in.now;
    switch (d.action) {
    case IdleAction::None:
        break;
    case IdleAction::StopTimer:
        m_idleTimer->stop();
        break;
    case IdleAction::Message:
        m_idleTimer->stop();
        AutoShowCountdown = 0;
        // Once, until the user does something: whoever starts the timer
        // again meanwhile, the message does not come back.
        if (!m_idleMessageGiven) {
            m_idleMessageGiven = true;
            platform::showMessage(platform::PromptKind::Plain, d.message);
        }
        break;
    case IdleAction::StartReplay:
        // The replay window counts down and starts the automatic show.
        AutoShowCountdown = 1;
        if (Form2)
            Form2->StartCountdown();
        break;
    }
}

void InputController::RestartIdleTime()
{
    IdleStartTick = platform::monotonicMs();
}

void InputController::StopIdleTimer()
{
    m_idleTimer->stop();
}

void InputController::UserActivity()
{
    m_idleMessageGiven = false;
    IdleStartTick = platform::monotonicMs();
    AutoShowCountdown = 0;
    AutoShowStarting = 0;
    if (m_idleTimer && !m_idleTimer->isActive())
        m_idleTimer->start();
}

void InputController::FormMouseDown(Qt::MouseButton button)
{
    ShowWindow* const showWindow = m_showWindow.data();
    MouseButtonDown = 1;
    if (runs(m_state.session)) {
        if (button == Qt::RightButton) {
            emit FullScreenRequested();
            return;
        }
        if (button == Qt::MiddleButton && showWindow)
            showWindow->TogglePause();
    }
    UserActivity();
}

void InputController::FormMouseUp()
{
    MouseButtonDown = 0;
}

void InputController::FormMouseMove()
{
    UserActivity();
}

void InputController::FormMouseWheel(int delta)
{
    ShowWindow* const showWindow = m_showWindow.data();
    UserActivity();
    if (delta == 0)
        return;
    const bool forward = delta > 0;
    // Only a cut-out is zoomed by the wheel.
    if (state().session.CutOutCount >= 1) {
        emit WheelZoomRequested(forward ? 3 : -3);
        return;
    }
    if (!runs(m_state.session) || (m_state.session.AutoShowRunning == 1 && state().start.DemoMode != 1))
        return;
    if (m_queries.inManualMode()) {
        // The show plays in the full-screen window: one picture on or back.
        if (showWindow && showWindow->isVisible())
            showWindow->Step(forward ? 1 : -1);
    } else {
        m_layouts.ChangeShowSpeed(forward);
    }
}

void InputController::FormActivate()
{
    // The window comes back to the front (a message box or dialog closed,
    // another program left): the idle timer runs again, but this is no input
    // of the user, so after the idle message it stays off.
    if (!runs(m_state.session) && m_idleTimer && !m_idleTimer->isActive() && !m_idleMessageGiven)
        UserActivity();
}

void InputController::AppMinimize()
{
    if (m_idleTimer)
        m_idleTimer->stop();
}

void InputController::QuestionUpdateStatusBar()
{
    if (m_layouts.layoutState().MinimizedDuringShow == 1)
        m_layouts.AppRestore();
}

void InputController::ApplicationHint(const QString& hint)
{
    TSettingsRecord& Settings = state().settings.Settings;
    if (!m_hintMemory)
        m_hintMemory = std::make_unique<HintMemory>();
    HintContext ctx;
    ctx.showRunning = runs(m_state.session);
    ctx.currentPanelText = m_w.StatusBar1 ? m_w.StatusBar1->panelText(1) : QString();
    const std::array<QString, 3> cdTexts = m_queries.cdStatusTexts();
    ctx.cdMenuText = cdTexts[0];
    ctx.cdFolderText = cdTexts[1];
    ctx.cdShowText = cdTexts[2];
    ctx.startupFolderShort = ShortenPathCaption(Settings.StartupFolder, true);
    ctx.neverAutoShow = Settings.NeverAutoShow != 0;
    ctx.autoShowPathShort = ShortenPathCaption(Settings.AutoShowPath, true);
    ctx.wallpaperItemVisible = m_w.Wallpaper && m_w.Wallpaper->isVisible();
    ctx.lastLoadedFileName = QFileInfo(m_queries.currentPicturePath()).fileName();
    const HintResult r = ApplicationHintText(hint, ctx, *m_hintMemory);
    if (r.outcome == HintOutcome::SetText && m_w.StatusBar1)
        m_w.StatusBar1->setPanelText(1, r.text);
    else if (r.outcome == HintOutcome::FolderCaption)
        emit FolderCaptionRequested();
}

void InputController::RunShowKey(ShowKeyCommand command)
{
    ShowWindow* const showWindow = m_showWindow.data();
    switch (command) {
    case ShowKeyCommand::None: break;
    case ShowKeyCommand::RestartShow: emit RestartShowRequested(); break;
    case ShowKeyCommand::StopShow: emit StopShowRequested(); break;
    case ShowKeyCommand::TogglePause:
        if (m_queries.pageShowRuns())
            emit PagePauseToggleRequested();
        else if (showWindow)
            showWindow->TogglePause();
        break;
    case ShowKeyCommand::ShowForward: trigger(m_w.ShowForwardToolButton); break;
    case ShowKeyCommand::ShowInReverse: trigger(m_w.ShowinReverseToolButton); break;
    case ShowKeyCommand::Forward1: trigger(m_w.Forward1ToolButton); break;
    case ShowKeyCommand::Backwards1: trigger(m_w.Backwards1ToolButton); break;
    case ShowKeyCommand::RotateLeft:    // the hook rotates when the picture may be rotated
    case ShowKeyCommand::RotateRight: break;
    }
}

void InputController::FormKeyDown(int key, Qt::KeyboardModifiers shift)
{
    ShowWindow* const showWindow = m_showWindow.data();
    MainKeyInput in;
    in.key = key;
    in.alt = shift.testFlag(Qt::AltModifier);
    in.ctrl = (shift | QGuiApplication::queryKeyboardModifiers()).testFlag(Qt::ControlModifier);
    in.showRunning = runs(m_state.session);
    // Keys typed into a text field, or into another of the program's
    // windows, are not the main window's letter commands.
    const QWidget* active = QApplication::activeWindow();
    in.typingInText = isTextInput(QApplication::focusWidget())
                      || (active && active != &m_window && active != showWindow);
    const MainKeyDecision d = DecideMainKey(in);
    switch (d.command) {
    case MainKeyCommand::None: break;
    case MainKeyCommand::ShowKey: RunShowKey(d.showKey); break;
    case MainKeyCommand::FullScreen: emit FullScreenRequested(); break;
    case MainKeyCommand::SavePicture: trigger(m_w.SaveToolButton); break;
    case MainKeyCommand::MovePicture: trigger(m_w.MoveToolButton); break;
    case MainKeyCommand::RenamePicture: trigger(m_w.RenamePictureToolButton); break;
    case MainKeyCommand::Volume: trigger(m_w.Volume); break;
    case MainKeyCommand::RemovePicture: trigger(m_w.RecycleBinToolButton); break;
    case MainKeyCommand::Refresh: emit RefreshFolderRequested(); break;
    }
}

bool InputController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched && (watched == m_statusPanels[0] || watched == m_statusPanels[1])) {
        if (event->type() == QEvent::Paint) {
            auto* label = static_cast<QLabel*>(watched);
            QPainter p(label);
            m_layouts.StatusBar1DrawPanel(p, watched == m_statusPanels[0] ? 0 : 1, label->rect());
            return true;
        }
        return false;
    }
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::StatusTip:
            ApplicationHint(static_cast<QStatusTipEvent*>(event)->tip());
            return true;
        case QEvent::WindowActivate:
            FormActivate();
            break;
        default:
            break;
        }
    }
    if (watched == &m_window || watched == m_w.ClientArea) {
        // The panel is remembered when made: a search of the children here
        // would walk widgets that are being deleted.
        const QWidget* ratio = m_queries.customRatioPanel();
        const bool ratioShown = ratio && ratio->isVisible();
        const auto onEmptyArea = [this](const QPointF& pos) {
            return !m_w.ClientArea || !m_w.ClientArea->childAt(m_w.ClientArea->mapFrom(&m_window, m_window.mapFromGlobal(pos.toPoint())));
        };
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* me = static_cast<QMouseEvent*>(event);
            if (!ratioShown && onEmptyArea(me->globalPosition()))
                FormMouseDown(me->button());
            break;
        }
        case QEvent::MouseButtonRelease:
            if (!ratioShown)
                FormMouseUp();
            break;
        case QEvent::MouseMove:
            if (!ratioShown)
                FormMouseMove();
            break;
        case QEvent::Wheel: {
            auto* we = static_cast<QWheelEvent*>(event);
            if (!ratioShown && onEmptyArea(we->globalPosition()))
                FormMouseWheel(we->angleDelta().y());
            break;
        }
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
