#include "platform/keyboard_hook.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace {

// The key goes to an open menu (a pop-up, a menu-bar menu, a combo box's
// list), to the menu bar itself, or is one that a dialog takes for itself
// (Escape closes it, Return and Enter press its default button): the menu
// or dialog consumes it.
bool ConsumedByMenuOrDialog(const QWidget* widget, int key)
{
    if (QApplication::activePopupWidget())
        return true;
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w))
            return true;
    const bool dialogKey = key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
    return dialogKey && widget && qobject_cast<const QDialog*>(widget->window());
}

} // namespace

IdleDecision DecideIdleTick(const IdleInput& in)
{
    IdleDecision d;
    if (in.thumbnailView) {
        d.action = IdleAction::StopTimer;
        return d;
    }
    const bool idle = in.mainWindowActive && !in.playbackActive && !in.neverAutoShow
                      && !in.form10Visible && !in.externalProcessRunning && in.appActive;
    int64_t start = in.idleStart;
    if (!idle) {
        d.resetIdleStart = true;
        start = in.now;
    }
    if (in.demoMode)
        return d;
    const int64_t waitMs = int64_t(in.waitSeconds) * 1000;
    if (in.now - start > waitMs && in.countdown == 0) {
        if (in.autoShowPath.isEmpty()) {
            d.action = IdleAction::StopTimer;
            return d;
        }
        if (!in.pathIsFile && !in.pathIsFolder) {
            d.action = IdleAction::Message;
            d.message = QStringLiteral("Automatic Show could not be started, ") + in.autoShowPath
                        + QStringLiteral(" no longer exists or Drive not ready");
            return d;
        }
        d.action = IdleAction::StartReplay;
        d.sourceIsFile = in.pathIsFile;
    }
    return d;
}

HintResult ApplicationHintText(const QString& hint, const HintContext& ctx, HintMemory& memory)
{
    HintResult r;
    if (hint.size() >= 6)
        return r;
    if (ctx.showRunning) {
        if (!memory.kept) {
            memory.kept = true;
            memory.text = ctx.currentPanelText;
        }
    } else {
        memory.kept = false;
    }
    const auto set = [&r](const QString& t) {
        r.outcome = HintOutcome::SetText;
        r.text = t;
        return r;
    };
    const QChar code = hint.isEmpty() ? QChar() : hint.at(0);
    switch (code.unicode()) {
    case 'A':
        return set(ctx.cdMenuText);
    case 'X':
        return set(QStringLiteral("Current default start-up folder : ") + ctx.startupFolderShort);
    case 'P':
        if (ctx.playlistLoaded && ctx.showRunning && ctx.sourceIsShow) {
            if (!ctx.playlistStarted)
                return set(QStringLiteral("Playlist has not started playing yet.."));
            return set((ctx.playlistPaused ? QStringLiteral("Playlist paused on: ")
                                           : QStringLiteral("Now playing from playlist: "))
                       + ctx.trackFile + QStringLiteral(" (") + QString::number(ctx.trackNumber)
                       + QLatin1Char('/') + QString::number(ctx.trackCount) + QLatin1Char(')'));
        }
        break;
    case 'D':
        if (!ctx.thumbnailView)
            return set(QStringLiteral("Alternatively, click the mouse wheel to show picture in full screen (in the Browse window)"));
        break;
    case 'E':
        return set(QStringLiteral("Since MyShow is hidden, just a left click will also show the picture in full screen"));
    case 'Y':
        return set(ctx.neverAutoShow
                       ? QStringLiteral("Automatic Show is disabled (See Options - Automatic Show/CD)")
                       : QStringLiteral("Current Automatic Show : ") + ctx.autoShowPathShort);
    case 'W':
        if (ctx.wallpaperItemVisible)
            return set(QStringLiteral("Image last loaded : ") + ctx.lastLoadedFileName);
        break;
    case 'Q':
        if (!ctx.showRunning)
            return set(QStringLiteral("Left click opens folder or MyShow file, <Ctrl + Left Click> to start show"));
        break;
    case 'B':
        if (!ctx.showRunning)
            return r;
        break;
    case 'C':
        if (!ctx.showRunning)
            return set(ctx.cdFolderText);
        break;
    case 'F':
        if (!ctx.showRunning)
            return set(ctx.cdShowText);
        break;
    default:
        break;
    }
    if (ctx.showRunning)
        return set(memory.text);
    r.outcome = HintOutcome::FolderCaption;
    return r;
}

KeyboardHookFilter::KeyboardHookFilter(KeyHandler onKey, QObject* parent)
    : QObject(parent), m_onKey(std::move(onKey))
{
}

bool KeyboardHookFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched && watched->isWidgetType()) {
        auto* ke = static_cast<QKeyEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        // An unhandled key event is offered again to each parent of the
        // widget it went to: the same event, a widget further up.
        const bool again = event == m_lastEvent && m_lastWidget && widget != m_lastWidget
                           && widget->isAncestorOf(m_lastWidget);
        m_lastEvent = event;
        m_lastWidget = widget;
        if (!again && ConsumedByMenuOrDialog(widget, ke->key()))
            return QObject::eventFilter(watched, event);
        if (!again && m_onKey)
            m_onKey(ke->key(), ke->modifiers());
    }
    return QObject::eventFilter(watched, event);
}
