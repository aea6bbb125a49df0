// The main window's keyboard hook (an application event filter), the idle
// timer that starts the automatic show, the mouse activity on the window,
// and the application's hint, activation, minimise and exception events.
#include "app/tform1.h"
#include "browse/crop_ratio_panel.h"
#include "slideshow/auto_show_windows.h"
#include "platform/screen_saver.h"
#include "browse/external_programs.h"
#include "browse/external_programs_controller.h"
#include "base/caption_helpers.h"
#include "platform/keyboard_hook.h"
#include "app/menu_style.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "browse/fit_zoom.h"
#include "browse/fit_zoom_section.h"
#include "browse/picture_display.h"
#include "browse/picture_display_section.h"
#include "browse/thumbnail_page_section.h"
#include "platform/clock.h"
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

} // namespace

void TForm1::InstallApplicationEvents()
{
    if (m_appEventsInstalled)
        return;
    m_appEventsInstalled = true;
    if (!m_hintMemory)
        m_hintMemory = std::make_unique<HintMemory>();
    connect(TimerHook, &QTimer::timeout, this, &TForm1::TimerHookTimer);
    connect(HookHandled, &QTimer::timeout, this, &TForm1::HookHandledTimer);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    installEventFilter(this);
    if (ClientArea)
        ClientArea->installEventFilter(this);
    m_layout->hookStatusPanels();
    // While a show advances (and the playlist editor is not open) neither
    // the screen saver nor the monitor's power-off may interrupt it.
    platform::KeepScreenAwakeWhile(this, [this] { return runs(m_state.session) && !InManualMode() && !topLevelVisible("Form11"); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            QuestionUpdateStatusBar();
    });
}

void TForm1::InstallKeyboardHook()
{
    m_menus->SetupMenus();
    InstallApplicationEvents();
    if (!m_hookFilter)
        m_hookFilter = new KeyboardHookFilter(
            [this](int key, Qt::KeyboardModifiers mods) { KeyboardHookProc(key, mods); }, this);
    qApp->removeEventFilter(m_hookFilter);
    qApp->installEventFilter(m_hookFilter);
    KeyboardHookInstalled = 1;
}

void TForm1::FormDestroy()
{
    if (m_hookFilter)
        qApp->removeEventFilter(m_hookFilter);
    KeyboardHookInstalled = 0;
}

void TForm1::KeyboardHookProc(int key, Qt::KeyboardModifiers modifiers)
{
    TForm9* const Form9 = m_showWindow;
    HookInput in;
    in.mainWindowEnabled = isEnabled() && !QApplication::activeModalWidget();
    in.hookHandledRunning = HookHandled && HookHandled->isActive();
    in.form9Visible = Form9 && Form9->isVisible();
    in.mouseButtonDown = MouseButtonDown == 1;
    in.playbackActive = runs(m_state.session);
    in.ctrlLatch = HookCtrlLatch == 1;
    in.ctrlHeld = (modifiers | QGuiApplication::queryKeyboardModifiers()) & Qt::ControlModifier;
    in.rotateLUsable = usable(TBRotateL);
    in.rotateRUsable = usable(TBRotateR);
    in.key = HookKeyOf(key);
    const HookDecision d = DecideHookKey(in);
    if (d.startHookHandled && HookHandled)
        HookHandled->start();
    if (d.setCtrlLatch) {
        HookCtrlLatch = 1;
        if (TimerHook)
            TimerHook->start();
    }
    switch (d.action) {
    case HookAction::None:
        break;
    case HookAction::TogglePause:
        if (thumbnailPage()->PageShowRuns())
            thumbnailPage()->PageTogglePause();
        else if (Form9)
            Form9->TogglePause();
        break;
    case HookAction::ShowForward: trigger(ShowForwardToolButton); break;
    case HookAction::Forward1: trigger(Forward1ToolButton); break;
    case HookAction::ShowInReverse: trigger(ShowinReverseToolButton); break;
    case HookAction::Backwards1: trigger(Backwards1ToolButton); break;
    case HookAction::RotateLeft: trigger(TBRotateL); break;
    case HookAction::RotateRight: trigger(TBRotateR); break;
    case HookAction::FormKeyDown:
        FormKeyDown(key, modifiers);
        break;
    case HookAction::RaiseForm9:
        if (Form9) {
            // A key pressed in another window still reaches the show.
            const QWidget* target = m_hookFilter ? m_hookFilter->Target() : nullptr;
            const bool inShowWindow = target && (target == Form9 || Form9->isAncestorOf(target));
            Form9->raise();
            Form9->activateWindow();
            if (!inShowWindow)
                Form9->ShowKeyDown(key, modifiers);
        }
        break;
    }
}

void TForm1::TimerHookTimer()
{
    HookCtrlLatch = 0;
    TimerHook->stop();
}

void TForm1::HookHandledTimer()
{
    HookHandled->stop();
}

void TForm1::Timer1Timer()
{
    TSettingsRecord& Settings = state().settings.Settings;
    TForm2* const Form2 = m_replayWindow;
    IdleInput in;
    in.thumbnailView = false;
    in.mainWindowActive = isActiveWindow();
    in.playbackActive = runs(m_state.session);
    in.neverAutoShow = Settings.NeverAutoShow != 0;
    in.form10Visible = PictureTextWindowShown();
    in.externalProcessRunning = externalPrograms()->ExternalProcessRunning == 1;
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
        Timer1->stop();
        break;
    case IdleAction::Message:
        Timer1->stop();
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

void TForm1::RestartIdleTime()
{
    IdleStartTick = platform::monotonicMs();
}

void TForm1::UserActivity()
{
    m_idleMessageGiven = false;
    IdleStartTick = platform::monotonicMs();
    AutoShowCountdown = 0;
    AutoShowStarting = 0;
    if (Timer1 && !Timer1->isActive())
        Timer1->start();
}

void TForm1::FormMouseDown(Qt::MouseButton button)
{
    TForm9* const Form9 = m_showWindow;
    MouseButtonDown = 1;
    if (runs(m_state.session)) {
        if (button == Qt::RightButton) {
            trigger(FullScreenToolButton3);
            return;
        }
        if (button == Qt::MiddleButton && Form9)
            Form9->TogglePause();
    }
    UserActivity();
}

void TForm1::FormMouseUp()
{
    MouseButtonDown = 0;
}

void TForm1::FormMouseMove()
{
    UserActivity();
}

void TForm1::FormMouseWheel(int delta)
{
    TForm9* const Form9 = m_showWindow;
    UserActivity();
    if (delta == 0)
        return;
    const bool forward = delta > 0;
    // Only a cut-out is zoomed by the wheel.
    if (state().session.CutOutCount >= 1) {
        if (FitZoomSect)
            FitZoomSect->WheelZoomPicture(forward ? 3 : -3);
        return;
    }
    if (!runs(m_state.session) || (m_state.session.AutoShowRunning == 1 && state().start.DemoMode != 1))
        return;
    if (InManualMode()) {
        // The show plays in the full-screen window: one picture on or back.
        if (Form9 && Form9->isVisible())
            Form9->Step(forward ? 1 : -1);
    } else {
        layouts()->ChangeShowSpeed(forward);
    }
}

void TForm1::FormActivate()
{
    // The window comes back to the front (a message box or dialog closed,
    // another program left): the idle timer runs again, but this is no input
    // of the user, so after the idle message it stays off.
    if (!runs(m_state.session) && Timer1 && !Timer1->isActive() && !m_idleMessageGiven)
        UserActivity();
}

void TForm1::AppMinimize()
{
    if (Timer1)
        Timer1->stop();
}

void TForm1::QuestionUpdateStatusBar()
{
    if (layouts()->layoutState().MinimizedDuringShow == 1)
        layouts()->AppRestore();
}

void TForm1::ApplicationHint(const QString& hint)
{
    TSettingsRecord& Settings = state().settings.Settings;
    if (!m_hintMemory)
        m_hintMemory = std::make_unique<HintMemory>();
    HintContext ctx;
    ctx.showRunning = runs(m_state.session);
    ctx.currentPanelText = StatusPanel1 ? StatusPanel1->text() : QString();
    ctx.cdMenuText = m_menus->CdMenuStatusText;
    ctx.cdFolderText = m_menus->CdFolderStatusText;
    ctx.cdShowText = m_menus->CdShowStatusText;
    ctx.startupFolderShort = ShortenPathCaption(Settings.StartupFolder, true);
    ctx.neverAutoShow = Settings.NeverAutoShow != 0;
    ctx.autoShowPathShort = ShortenPathCaption(Settings.AutoShowPath, true);
    ctx.wallpaperItemVisible = Wallpaper && Wallpaper->isVisible();
    ctx.lastLoadedFileName = QFileInfo(pictureDisplay()->displayState().CurrentPicturePath).fileName();
    const HintResult r = ApplicationHintText(hint, ctx, *m_hintMemory);
    if (r.outcome == HintOutcome::SetText && StatusPanel1)
        StatusPanel1->setText(r.text);
    else if (r.outcome == HintOutcome::FolderCaption)
        UpdateFolderCaption();
}

void TForm1::AppException(const QString& message)
{
    platform::showMessage(platform::PromptKind::Error, message);
    QCoreApplication::exit(1);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StatusPanel0 || watched == StatusPanel1) {
        if (event->type() == QEvent::Paint) {
            auto* label = static_cast<QLabel*>(watched);
            QPainter p(label);
            layouts()->StatusBar1DrawPanel(p, watched == StatusPanel0 ? 0 : 1, label->rect());
            return true;
        }
        return false;
    }
    if (watched == this) {
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
    if (watched == this || watched == ClientArea) {
        // The panel is remembered when made: a search of the children here
        // would walk widgets that are being deleted.
        const QWidget* ratio = FitZoomSect ? FitZoomSect->CustomRatioIfMade() : nullptr;
        const bool ratioShown = ratio && ratio->isVisible();
        const auto onEmptyArea = [this](const QPointF& pos) {
            return !ClientArea || !ClientArea->childAt(ClientArea->mapFrom(this, mapFromGlobal(pos.toPoint())));
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
    return QMainWindow::eventFilter(watched, event);
}
