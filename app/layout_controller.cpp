// The main window's layouts and screen modes: the restored and maximized
// layouts, the window's state changes, the owner-drawn status bar, the tool
// tips of a running or stopped show, the MyShow label, the show speed, the
// monitor and thumbnail-count pop-ups and the full-screen window's buttons.
#include "app/layout_controller.h"
#include "base/layout_calc.h"
#include "base/program_state.h"
#include "shows/show_file.h"
#include "app/layout_preview.h"
#include "platform/keyboard_hook.h"
#include "base/environment.h"
#include "base/settings_store.h"
#include "base/start_args.h"
#include "browse/fit_zoom.h"
#include "platform/designed_widgets.h"
#include "platform/icons.h"
#include "platform/prompt.h"
#include "browse/preview_panel.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWindowStateChangeEvent>
#include <QResizeEvent>
#include <QMoveEvent>

#include <cmath>
#include <algorithm>

namespace {

QRect screenRect(const QWidget* w)
{
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

bool showRuns(const ShowSession& session) { return session.PlaybackActive == 1; }

// The preview's picture is on screen (the panel and its picture shown).
bool previewVisible(const PreviewPanel* panel) { return panel && panel->isVisible() && panel->pictureShown(); }

// The window manager's frame around the window (none before it is framed).
QMargins frameMargins(const QWidget* w)
{
    const QRect frame = w->frameGeometry();
    const QRect inner = w->geometry();
    return QMargins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                    frame.bottom() - inner.bottom());
}

} // namespace

LayoutController::LayoutController(QWidget& window, ProgramState& state, OpenShow& openShow, Queries queries)
    : m_window(window), m_state(state), m_openShow(openShow), m_queries(std::move(queries))
{
}

void LayoutController::SetWidgets(const Widgets& widgets)
{
    m_items = widgets;
    const auto action = [this](const char* name) { return platform::ActionNamed(m_window, name); };
    m_actions = {.FullScreenToolButton3 = action("FullScreenToolButton3"),
                 .MMainMonitor = action("MMainMonitor"),
                 .MSecondMonitor = action("MSecondMonitor"),
                 .MultiPop = platform::MenuNamed(m_window, "MultiPop"),
                 .PlaylistBATB = action("PlaylistBATB"),
                 .PlaylistFWTB = action("PlaylistFWTB"),
                 .PopScreen = platform::MenuNamed(m_window, "PopScreen"),
                 .RunExeToolButton = action("RunExeToolButton"),
                 .ShowForwardToolButton = action("ShowForwardToolButton"),
                 .ShowinReverseToolButton = action("ShowinReverseToolButton"),
                 .StartMySlideShowTB = action("StartMySlideShowTB"),
                 .TBGoSmall = action("TBGoSmall"),
                 .TBGoSmallMS = action("TBGoSmallMS"),
                 .TBRotateL = action("TBRotateL"),
                 .TBRotateR = action("TBRotateR"),
                 .ToolButton1 = action("ToolButton1"),
                 .Volume = action("Volume")};

    // The monitor and thumbnail-count buttons of the browse bar and of the
    // MyShow bar drop down their pop-ups; the monitor pop-up sets the choice.
    const auto onClick = [this](const char* name, auto&& handler) {
        if (QAction* a = platform::ActionNamed(m_window, name))
            connect(a, &QAction::triggered, this, handler);
    };
    onClick("TBMonitorSelection", [this] { TBMonitorSelectionClick(false); });
    onClick("TBMonitorSelectionMS", [this] { TBMonitorSelectionClick(true); });
    onClick("TBNrOfThumbs", [this, a = action("TBNrOfThumbs")] { TBNrOfThumbsClick(false, a); });
    onClick("TBNrOfThumbsMS", [this, a = action("TBNrOfThumbsMS")] { TBNrOfThumbsClick(true, a); });
    onClick("MMainMonitor", [this] { MMainMonitorClick(true); });
    onClick("MSecondMonitor", [this] { MMainMonitorClick(false); });
}

QWidget* LayoutController::layoutControl(const QString& name) const
{
    // Tool bars and widgets are children of the client area or its panels.
    return m_window.findChild<QWidget*>(name);
}

void LayoutController::SaveControlBounds()
{
    if (!m_designBounds.isEmpty())
        return;
    for (const QStringList* names : {&DesignBoundsControls(), &ExtraLayoutControls()})
        for (const QString& n : *names)
            if (const QWidget* w = layoutControl(n))
                m_designBounds.insert(n, w->geometry());
}

namespace {
ControlBounds currentBounds(const QWidget* form, const QHash<QString, QRect>& design)
{
    ControlBounds b;
    for (auto it = design.begin(); it != design.end(); ++it)
        if (const QWidget* w = form->findChild<QWidget*>(it.key()))
            b.insert(it.key(), w->geometry());
    return b;
}

void writeBounds(QWidget* form, const ControlBounds& b)
{
    for (auto it = b.begin(); it != b.end(); ++it)
        if (QWidget* w = form->findChild<QWidget*>(it.key()))
            if (w->geometry() != it.value())
                w->setGeometry(it.value());
}
} // namespace

void LayoutController::ApplyMaximizedLayout()
{
    SaveControlBounds();
    m_layoutState.MaximizedLayout = 1;
    emit MaximizedLayoutChosen();
    // Under an X11 window manager a half-width "maximized" window can't be
    // asked for: the window keeps the normal state with the computed bounds.
    if (m_state.settings.Settings.MyShowHidden == 1) {
        const QRect screen = screenRect(&m_window);
        if (m_window.isMaximized())
            m_window.setWindowState(m_window.windowState() & ~Qt::WindowMaximized);
        const QRect half = HalfWidthTopCentre(QRect(0, 0, screen.width(), screen.height()), screen.width());
        const QMargins frame = frameMargins(&m_window);
        m_window.setGeometry(screen.x() + half.x() + frame.left(), screen.y() + frame.top(), half.width() - frame.left() - frame.right(),
                    half.height() - frame.top() - frame.bottom());
    }
    LayoutForWindowSize();
}

void LayoutController::LayoutForWindowSize()
{
    if (m_designBounds.isEmpty() || m_state.start.DemoMode || !m_items.ClientArea)
        return;
    // Reloading a preview lets pending window events run: the resize that
    // follows a maximize may arrive in the middle of a layout made for the
    // old size. It is laid out again once the present pass ends (a few
    // passes at most, should a window manager keep resizing).
    if (m_layingOut) {
        m_layoutPending = true;
        return;
    }
    for (int pass = 0; pass < 4; ++pass) {
        m_layoutPending = false;
        layOutOnce();
        if (!m_layoutPending)
            break;
    }
}

void LayoutController::layOutOnce()
{
    const bool hidden = m_state.settings.Settings.MyShowHidden == 1;
    const QRect screen = screenRect(&m_window);
    // A narrow window's menu bar has a second row: the restored window is
    // that much higher.
    const QWidget* firstMenuRow = m_window.findChild<QWidget*>(QStringLiteral("MainMenu1"));
    const QWidget* secondMenuRow = m_window.findChild<QWidget*>(QStringLiteral("MainMenu2"));
    const int menuRow = firstMenuRow && secondMenuRow && !secondMenuRow->isHidden() ? firstMenuRow->sizeHint().height() : 0;
    // The restored layout is the smallest: a window manager may make the
    // window larger (the controls then share the room), never smaller.
    if (!m_fitsWorkArea) {
        const QSize smallest = m_layoutState.MaximizedLayout == 1 ? QSize(0, 0)
                                                    : QSize(hidden ? 400 : 800, std::min(600 + menuRow, screen.height()));
        // (never raised above the present size: a change of width under way
        // finishes first)
        if (m_window.minimumSize() != smallest && (smallest.width() <= m_window.width() || smallest.width() < m_window.minimumWidth()))
            m_window.setMinimumSize(smallest);
    }
    m_layingOut = true;
    const QSize restored(hidden ? 400 : 800, 600 + menuRow);
    ControlBounds b = currentBounds(&m_window, m_designBounds);
    QRect previewBounds;
    if (m_layoutState.MaximizedLayout != 1 && (m_window.size() == restored || m_fitsWorkArea)) {
        const bool fittedToWorkArea = m_fitsWorkArea && m_window.size() != restored;
        // The restored layout: every control at its designed bounds; on a
        // narrow screen the lower controls move up above the status bar.
        ApplyRestoredBounds(b, m_designBounds, hidden, 0);
        if (fittedToWorkArea)
            ApplyNarrowScreenShift(b, m_items.ClientArea->height());
        previewBounds = m_designBounds.value(QStringLiteral("image2"));
    } else {
        // The maximized layout's rules, for the screen when maximized and for
        // the window's own size when the window manager sized it.
        MaximizedLayoutInput in;
        const int columnsWidth = hidden ? 2 * m_window.width() : m_window.width();
        in.screen = QSize(m_layoutState.MaximizedLayout == 1 ? std::min(screen.width(), columnsWidth) : columnsWidth,
                          m_layoutState.MaximizedLayout == 1 ? screen.height() : m_window.height());
        in.myShowHidden = hidden;
        in.statusPanel0Width = m_items.StatusPanel0 ? m_items.StatusPanel0->width() : 0;
        // The upload, mail and copy buttons are the MyShow preview's own.
        in.rowButtonsInPanel1 = m_items.ShowPreview != nullptr;
        in.statusBarTop = m_items.ClientArea->height();
        for (QWidget* w : {static_cast<QWidget*>(m_items.MyShowSG), static_cast<QWidget*>(m_items.TreeView1),
                           static_cast<QWidget*>(m_items.ImMyShowHeader)})
            if (w) w->setUpdatesEnabled(false);
        b = currentBounds(&m_window, m_designBounds);
        const MaximizedLayoutResult r = ApplyMaximizedBounds(b, m_designBounds, in);
        previewBounds = r.image2Bounds;
    }
    writeBounds(&m_window, b);
    for (QWidget* w : {static_cast<QWidget*>(m_items.MyShowSG), static_cast<QWidget*>(m_items.TreeView1),
                       static_cast<QWidget*>(m_items.ImMyShowHeader)})
        if (w) w->setUpdatesEnabled(true);
    // The previews are drawn into the picture box of this layout; shown
    // ones are fitted again.
    if (m_layoutState.PreviewDrawBounds != previewBounds) {
        m_layoutState.PreviewDrawBounds = previewBounds;
        if (previewVisible(m_items.BrowsePreview))
            emit BrowsePreviewToRefit();
        if (previewVisible(m_items.ShowPreview))
            emit ShowPreviewToRefit();
    }
    m_layingOut = false;
}


void LayoutController::WindowMoved()
{
    // The frame's size is known once the window manager has framed the
    // window: on a narrow screen the window is fitted again with it.
    if (m_fitsWorkArea && !m_window.isMaximized() && frameMargins(&m_window) != m_fittedFrame)
        QTimer::singleShot(0, &m_window, [this] { FitToWorkArea(); });
}

void LayoutController::FitToWorkArea()
{
    const QRect screen = screenRect(&m_window);
    m_fitsWorkArea = m_fitsWorkArea || StartScreenWidth(m_window.screen()) == 800;
    if (!m_fitsWorkArea || screen.width() > 800 || m_window.isMaximized() || m_window.isMinimized() || m_state.start.DemoMode)
        return;
    const QMargins frame = frameMargins(&m_window);
    m_fittedFrame = frame;
    const bool hidden = m_state.settings.Settings.MyShowHidden == 1;
    const int w = hidden ? 400 : 800;
    const QRect client(screen.x() + (hidden ? (screen.width() - w) / 2 : 0) + frame.left(), screen.y() + frame.top(),
                       std::min(w, screen.width()) - frame.left() - frame.right(),
                       screen.height() - frame.top() - frame.bottom());
    // The window keeps this size: there is nothing larger to maximize to,
    // and a window manager offers no maximize for a window of fixed size.
    m_window.setMinimumSize(0, 0);
    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (m_window.geometry() != client)
        m_window.setGeometry(client);
    m_window.setFixedSize(client.size());
    LayoutForWindowSize();
}

void LayoutController::SwitchMyShowPanelWidth(bool hidden)
{
    const QRect screenArea = screenRect(&m_window);
    const bool maximizedState = m_layoutState.MaximizedLayout == 1 || m_window.isMaximized();
    // The window may become as narrow as the half-width layout.
    if (!m_fitsWorkArea)
        m_window.setMinimumSize(400, m_window.minimumHeight());
    // The window's own state changes below are no user's maximize or restore.
    m_inStateChange = true;
    if (maximizedState) {
        m_layoutState.MaximizedLayout = 1;
        m_layoutState.WindowMaximized = 1;
        if (hidden) {
            ApplyMaximizedLayout();
        } else {
            m_window.setWindowState((m_window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
            LayoutForWindowSize();
        }
    } else {
        m_window.resize(hidden ? int(std::nearbyint(m_window.width() / 2.0)) : 800, m_window.height());
        // A window that now passes the screen's right edge is centred (at the
        // top of an 800-pixel screen).
        const QRect frame = m_window.frameGeometry();
        if (frame.right() > screenArea.right() || screenArea.width() == 800) {
            const int top = screenArea.width() == 800
                                ? 0
                                : int(std::nearbyint((screenArea.height() - m_window.height()) / 2.0));
            m_window.move(screenArea.x() + int(std::nearbyint((screenArea.width() - m_window.width()) / 2.0)),
                          screenArea.y() + top);
        }
    }
    m_inStateChange = false;
}

void LayoutController::RestoreBrowseView()
{
    if (m_items.Image1)
        m_items.Image1->hide();
    for (QWidget* w : {static_cast<QWidget*>(m_items.TreeView1), static_cast<QWidget*>(m_items.BrowsePreview),
                       static_cast<QWidget*>(m_items.ShowPreview)})
        if (w)
            w->show();
    m_window.setWindowTitle(QStringLiteral("Vistamo!"));
    SetShowStoppedHints();
    LayoutForWindowSize();
    // The browse preview shows the tree's picture again, fitted to its box.
    if (m_items.BrowsePreview && m_items.BrowsePreview->pictureShown())
        emit BrowsePreviewToRefit();
}

void LayoutController::ApplyRestoredLayout()
{
    SaveControlBounds();
    m_layoutState.MaximizedLayout = 0;
    const bool hidden = m_state.settings.Settings.MyShowHidden == 1;
    if (m_window.isMaximized())
        m_window.setWindowState(m_window.windowState() & ~Qt::WindowMaximized);
    // The window comes back where it was before it was maximized.
    const QSize restored(hidden ? 400 : 800, 600);
    if (m_restoredPos.isNull())
        m_window.resize(restored);
    else
        m_window.setGeometry(QRect(m_restoredPos, restored));
    LayoutForWindowSize();
    m_window.show();
}

int LayoutController::HandleSystemCommand(int command)
{
    ShowWindow* const showWindow = m_queries.showWindow();
    SysCommandState st;
    st.maximizedLayout = m_layoutState.MaximizedLayout == 1;
    st.windowMaximized = m_layoutState.WindowMaximized == 1;
    st.sizeCommandSeen = m_layoutState.SizeCommandSeen == 1;
    st.minimizedDuringShow = m_layoutState.MinimizedDuringShow == 1;
    st.resumeAfterRestore = m_layoutState.ResumeAfterRestore == 1;
    st.showWasPaused = m_layoutState.ShowWasPaused == 1;
    SysCommandContext ctx;
    ctx.windowMinimized = m_window.isMinimized() || m_layoutState.WindowWasMinimized;
    ctx.showRunning = showRuns(m_state.session);
    ctx.inManualMode = ctx.showRunning && m_queries.inManualMode();
    ctx.appActive = QGuiApplication::applicationState() == Qt::ApplicationActive;
    ctx.myShowHidden = m_state.settings.Settings.MyShowHidden == 1;

    const SysCommandActions a = HandleSysCommand(SysCommand(command), st, ctx);
    m_layoutState.MaximizedLayout = st.maximizedLayout;
    m_layoutState.WindowMaximized = st.windowMaximized;
    m_layoutState.SizeCommandSeen = st.sizeCommandSeen;
    m_layoutState.MinimizedDuringShow = st.minimizedDuringShow;
    m_layoutState.ResumeAfterRestore = st.resumeAfterRestore;
    m_layoutState.ShowWasPaused = st.showWasPaused;

    if (a.rememberRestoredPos)
        m_restoredPos = m_window.normalGeometry().topLeft();
    if (a.pauseShow)
        emit ShowPauseRequested();
    if (a.minimizeApp)
        emit MinimizeRequested();
    if (a.refuse) {
        platform::showMessage(platform::PromptKind::Error, SizeChangeRefusedText());
        return -1;
    }
    if (a.halfWidth) {
        const QRect screen = screenRect(&m_window);
        const QRect w = HalfWidthTopCentre(QRect(0, 0, screen.width(), m_window.height()), screen.width());
        m_window.setGeometry(screen.x() + w.x(), screen.y(), w.width(), m_window.height());
    }
    if (a.resumeShow && showWindow)
        showWindow->TogglePause();   // resumes the paused show in its last direction
    if (a.applyMaximized)
        ApplyMaximizedLayout();
    if (a.applyRestored)
        ApplyRestoredLayout();
    return int(a.command);
}

void LayoutController::AppRestore()
{
    ShowWindow* const showWindow = m_queries.showWindow();
    SysCommandState st;
    st.maximizedLayout = m_layoutState.MaximizedLayout == 1;
    st.minimizedDuringShow = m_layoutState.MinimizedDuringShow == 1;
    st.resumeAfterRestore = m_layoutState.ResumeAfterRestore == 1;
    st.showWasPaused = m_layoutState.ShowWasPaused == 1;
    SysCommandContext ctx;
    ctx.showRunning = showRuns(m_state.session);
    ctx.myShowHidden = m_state.settings.Settings.MyShowHidden == 1;
    const AppRestoreActions a = HandleAppRestore(st, ctx);
    m_layoutState.MinimizedDuringShow = st.minimizedDuringShow;
    m_layoutState.ResumeAfterRestore = st.resumeAfterRestore;
    if (a.halfWidth) {
        const QRect screen = screenRect(&m_window);
        const QRect w = HalfWidthTopCentre(QRect(0, 0, screen.width(), m_window.height()), screen.width());
        m_window.setGeometry(screen.x() + w.x(), screen.y(), w.width(), m_window.height());
    }
    if (a.restoreApp && m_window.isMinimized())
        m_window.showNormal();
    if (a.resumeShow && showWindow)
        showWindow->TogglePause();
    if (a.updateFolderCaption)
        emit FolderCaptionDue();
}

void LayoutController::WindowStateChanged(QEvent* event)
{
    if (event->type() != QEvent::WindowStateChange || m_inStateChange)
        return;
    const auto* sc = static_cast<QWindowStateChangeEvent*>(event);
    const Qt::WindowStates before = sc->oldState();
    const Qt::WindowStates now = m_window.windowState();
    int command = 3;
    if ((now & Qt::WindowMinimized) && !(before & Qt::WindowMinimized))
        command = 2;
    else if ((now & Qt::WindowMaximized) && !(before & Qt::WindowMaximized))
        command = 1;
    else if (!(now & (Qt::WindowMaximized | Qt::WindowMinimized)))
        command = 0;
    if (command == 3)
        return;
    // The half-width window of the hidden MyShow panel is the maximized
    // layout, but not maximized for the window manager: its maximize is the
    // way back to the restored layout. (A maximize the program asked for
    // itself comes back from the platform once more: that one is no user's.)
    const bool echo = command == 1 && event->spontaneous() && m_maximizeEchoPossible;
    m_maximizeEchoPossible = command == 1 && !event->spontaneous();
    if (command == 1 && !echo && m_layoutState.MaximizedLayout == 1 && m_layoutState.WindowMaximized == 1
        && m_state.settings.Settings.MyShowHidden == 1 && !showRuns(m_state.session))
        command = 0;
    // The state has already changed when the event arrives: a refused
    // change is undone.
    m_inStateChange = true;
    m_layoutState.WindowWasMinimized = (before & Qt::WindowMinimized) ? 1 : 0;
    const int done = HandleSystemCommand(command);
    const bool accepted = done >= 0;
    m_layoutState.WindowWasMinimized = 0;
    if (!accepted) {
        m_window.setWindowState(before);
    } else if (done != command && (command == 0 || command == 1)) {
        // The inactive window brought back keeps the layout it had.
        m_window.setWindowState(done == 1 ? (m_window.windowState() | Qt::WindowMaximized)
                                 : (m_window.windowState() & ~Qt::WindowMaximized));
    }
    if (command == 0 && (before & Qt::WindowMinimized))
        AppRestore();
    // With the MyShow panel hidden the maximized layout is half the screen
    // wide: a window-manager maximize is turned back into that geometry.
    if (accepted && command == 1 && m_layoutState.MaximizedLayout == 1 && m_state.settings.Settings.MyShowHidden == 1
        && m_window.isMaximized())
        ApplyMaximizedLayout();
    m_inStateChange = false;
}

void LayoutController::hookStatusPanels()
{
    if (m_statusPanelsHooked)
        return;
    m_statusPanelsHooked = true;
    for (QLabel* l : {m_items.StatusPanel0, m_items.StatusPanel1}) {
        if (!l)
            continue;
        l->installEventFilter(&m_window);
        // The text and the icon are drawn 5 pixels down: the panel is high
        // enough for both whole.
        const QFontMetrics fm(statusPanelFont(l));
        l->setMinimumHeight(std::max(5 + fm.height(), 5 + 16) + 3);
    }
}

QFont LayoutController::statusPanelFont(const QLabel* label) const
{
    QFont f = label ? label->font() : m_window.font();
    if (!m_state.environment.UIFontName.isEmpty())
        f.setFamily(m_state.environment.UIFontName);
    f.setBold(true);
    return f;
}

void LayoutController::StatusBar1DrawPanel(QPainter& canvas, int panel, const QRect& rect)
{
    const QPixmap bottom = m_items.ImBottomBar ? m_items.ImBottomBar->pixmap() : QPixmap();
    if (!bottom.isNull()) {
        canvas.drawPixmap(rect, bottom);
    } else {
        QLinearGradient g(rect.topLeft(), rect.bottomLeft());
        g.setColorAt(0, QColor(0xF4, 0xF4, 0xF4));
        g.setColorAt(1, QColor(0xD8, 0xDC, 0xE2));
        canvas.fillRect(rect, g);
    }
    const QLabel* label = panel == 0 ? m_items.StatusPanel0 : m_items.StatusPanel1;
    const QString text = label ? label->text() : QString();
    if (panel == 0) {
        const QPixmap icon = platform::ImageListPixmap(platform::ImageListId::SGImageList1,
                                                       text.isEmpty() ? 5 : 4);
        canvas.drawPixmap(rect.left() + 1, rect.top() + 5, icon);
    }
    const QFont f = statusPanelFont(label);
    canvas.setFont(f);
    canvas.setPen(Qt::black);
    const QFontMetrics fm(f);
    canvas.drawText(rect.left() + 3, rect.top() + 5 + fm.ascent(), text);
}

void LayoutController::SetShowRunningHints()
{
    for (const ToolTipText& t : ShowRunningHints(thumbnailViewActive())) {
        if (QAction* a = platform::ActionNamed(m_window, t.button))
            a->setToolTip(t.tip);
    }
}

void LayoutController::SetShowStoppedHints()
{
    for (const ToolTipText& t : ShowStoppedHints())
        if (QAction* a = platform::ActionNamed(m_window, t.button))
            a->setToolTip(t.tip);
}

void LayoutController::ShowMyShowLabel(const QString& action)
{
    const MyShowLabelText t = MyShowLabelFor(action, OpenShowLabelName(m_openShow), m_layoutState.MyShowSaving == 1);
    if (!t.known) {
        if (m_layoutState.MyShowSaving != 1)
            platform::showMessage(platform::PromptKind::Plain, QStringLiteral("ShowMyShowLabel: unknown action"));
        return;
    }
    if (!t.keep && m_items.MyShowLabel)
        m_items.MyShowLabel->setText(t.text);
    m_layoutState.MyShowSaving = t.saving ? 1 : 0;
    if (t.busyCursor) {
        if (!QApplication::overrideCursor())
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
    // The label's new text shows at once, before the show file is loaded,
    // copied or saved.
    if (m_items.MyShowLabel && m_items.MyShowLabel->isVisible())
        m_items.MyShowLabel->repaint();
}

void LayoutController::ChangeShowSpeed(bool faster)
{
    ShowWindow* const showWindow = m_queries.showWindow();
    TShowState& ShowState = m_state.session.ShowState;
    int step = m_state.session.ShowIntervalStep;
    m_layoutState.SpeedMessageText = ChangeShowSpeedStep(step, faster);
    m_state.session.ShowIntervalStep = step;
    // The show's default interval follows the speed; the picture on the
    // screen gets it too, counted from now.
    ShowState.DefaultInterval = IntervalSecondsForIndex(step);
    ShowState.CurrentInterval = ShowState.DefaultInterval;
    if (m_items.IntervalTimer && m_items.IntervalTimer->isActive() && ShowState.Direction != 0)
        m_items.IntervalTimer->start(ShowState.CurrentInterval * 1000);
    // The speed message itself (text + interval) belongs to the show window:
    // at its top right for two seconds.
    if (showWindow)
        showWindow->ShowSpeedMessage(m_layoutState.SpeedMessageText + QString::number(IntervalSecondsForIndex(step)) + QStringLiteral(" second(s) "));
}

void LayoutController::ShowPicturePreview(const QString& path)
{
    PicturePreviewWindow().ShowPicture(path, m_layoutState.PreviewEntryKind);
}

void LayoutController::HidePicturePreview()
{
    HidePicturePreviewWindow();
}

void LayoutController::TBMonitorSelectionClick(bool myShowBar)
{
    if (!m_actions.PopScreen)
        return;
    m_actions.MMainMonitor->setCheckable(true);
    m_actions.MSecondMonitor->setCheckable(true);
    m_actions.MMainMonitor->setChecked(m_state.session.UseMainMonitor == 1);
    m_actions.MSecondMonitor->setChecked(m_state.session.UseMainMonitor != 1);
    const bool second = QGuiApplication::screens().size() > 1;
    m_actions.MMainMonitor->setEnabled(m_state.session.UseMainMonitor != 1);
    m_actions.MSecondMonitor->setEnabled(m_state.session.UseMainMonitor == 1 && second);
    const int y = m_window.geometry().top() + (m_items.ToolBar1 ? m_items.ToolBar1->y() + m_items.ToolBar1->height() : 0) + 45;
    int x = m_window.geometry().left();
    if (QWidget* ref = m_items.ToolBar1 ? m_items.ToolBar1->widgetForAction(myShowBar ? m_actions.StartMySlideShowTB : m_actions.ToolButton1) : nullptr)
        x += ref->x();
    else if (myShowBar && m_items.ToolBar2)
        if (QWidget* r2 = m_items.ToolBar2->widgetForAction(m_actions.StartMySlideShowTB))
            x += r2->x();
    if (myShowBar)
        x += m_window.width() / 2;
    m_actions.PopScreen->popup(QPoint(x, y));
}

void LayoutController::TBNrOfThumbsClick(bool myShowBar, QAction* button)
{
    if (!m_actions.MultiPop)
        return;
    // The chooser drops down from the button that asked for it.
    if (button) {
        for (QObject* object : button->associatedObjects()) {
            auto* tool = qobject_cast<QToolButton*>(object);
            if (tool && tool->isVisible()) {
                m_actions.MultiPop->popup(tool->mapToGlobal(QPoint(0, tool->height())));
                return;
            }
        }
    }
    const int y = m_window.geometry().top() + (m_items.ToolBar1 ? m_items.ToolBar1->y() + m_items.ToolBar1->height() : 0) + 45;
    int x = m_window.geometry().left();
    QToolBar* bar = myShowBar ? m_items.ToolBar2 : m_items.ToolBar1;
    if (QWidget* ref = bar ? bar->widgetForAction(myShowBar ? m_actions.TBGoSmallMS : m_actions.TBGoSmall) : nullptr)
        x += ref->x();
    if (myShowBar)
        x += m_window.width() / 2;
    m_actions.MultiPop->popup(QPoint(x, y));
}

void LayoutController::MMainMonitorClick(bool mainMonitor)
{
    m_state.session.UseMainMonitor = mainMonitor ? 1 : 0;
}


void LayoutController::UpdateHintsButton()
{
    ShowWindow* const showWindow = m_queries.showWindow();
    if (showWindow)
        showWindow->ShowHintsButton(m_state.settings.Settings.ShowHints != 0);
}

void LayoutController::SyncControlPanelButtons()
{
    ShowWindow* const showWindow = m_queries.showWindow();
    if (!showWindow)
        return;
    // A twin the tool bar shows gives its state; one it does not show (the
    // page show's buttons while the show plays full screen) leaves the panel
    // button as it is, and the show's direction decides its two buttons.
    const auto twin = [](const QAction* a, const QToolButton* own) {
        if (a && a->isVisible())
            return a->isEnabled();
        return own && own->isEnabled();
    };
    const int direction = m_state.session.ShowState.Direction;
    const auto directionTwin = [](const QAction* a, bool byDirection) {
        return a && a->isVisible() ? a->isEnabled() : byDirection;
    };
    ShowWindow::PanelButtons on;
    on.showInReverse = directionTwin(m_actions.ShowinReverseToolButton, direction >= 0);
    on.showForward = directionTwin(m_actions.ShowForwardToolButton, direction <= 0);
    on.windowScreen = twin(m_actions.FullScreenToolButton3, showWindow->WindowScreenSpeedButton);
    on.volume = twin(m_actions.Volume, showWindow->VolumeSpeedButton);
    on.playlistBack = twin(m_actions.PlaylistBATB, showWindow->PlaylistBASB);
    on.playlistForward = twin(m_actions.PlaylistFWTB, showWindow->PlaylistFWSB);
    const bool advancing = showRuns(m_state.session) && !m_queries.inManualMode();
    const bool thumbnailView = thumbnailViewActive();
    on.editProgram = (twin(m_actions.RunExeToolButton, showWindow->RunExeSpeedButton) || thumbnailView) && !advancing;
    on.oneForward = !advancing;
    on.oneBackwards = !advancing || m_state.session.ZoomFactor > 0;
    on.rotateLeft = thumbnailView || (twin(m_actions.TBRotateL, showWindow->SBRotateLeft) && !advancing);
    on.rotateRight = thumbnailView || (twin(m_actions.TBRotateR, showWindow->SBRotateRight) && !advancing);
    showWindow->SetPanelButtons(on);
}

void LayoutController::SetFullScreenImageHint()
{
    ShowWindow* const showWindow = m_queries.showWindow();
    if (!showWindow || m_state.start.DemoMode == 1)
        return;
    FullScreenHintInput in;
    in.navPanelVisible = showWindow->NavPanelShown();
    in.zoomed = m_state.session.ZoomFactor > 0;
    in.fullView = m_state.session.FullViewActive == 1;
    in.manualMode = showRuns(m_state.session) && m_queries.inManualMode();
    in.automaticShow = m_state.session.AutoShowRunning == 1;
    const QString tip = FullScreenImageHint(in);
    showWindow->SetPictureHint(tip);
}

void LayoutController::SaveControlPanelPosition()
{
    TSettingsRecord& Settings = m_state.settings.Settings;
    ShowWindow* const showWindow = m_queries.showWindow();
    const std::optional<QRect> place = showWindow ? showWindow->ControlPanelPlace() : std::nullopt;
    if (!place)
        return;
    const QRect r = *place;
    m_layoutState.ControlPanelPos[0] = r.x();
    m_layoutState.ControlPanelPos[1] = r.x() + r.width();
    m_layoutState.ControlPanelPos[2] = r.y();
    // Kept in the settings for the next run.
    Settings.PanelLeft = m_layoutState.ControlPanelPos[0];
    Settings.PanelRight = m_layoutState.ControlPanelPos[1];
    Settings.PanelTop = m_layoutState.ControlPanelPos[2];
}
