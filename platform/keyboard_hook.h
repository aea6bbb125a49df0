// The keyboard "hook" of the main window: an application-wide event filter
// that hands every key press on wherever the focus is (the window that
// installs it decides what the key does); the idle time that starts the automatic
// show; the short hint codes that choose a status-bar text.
#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QString>
#include <cstdint>
#include <functional>

// The state of the hook and the idle timer (KeyboardHookInstalled,
// HookCtrlLatch, MouseButtonDown, IdleStartTick, AutoShowCountdown,
// AutoShowStarting) is kept by the window that installs the hook.

// ---- The idle timer ---------------------------------------------------------

struct IdleInput {
    bool thumbnailView = false;
    bool mainWindowActive = true;    // the main window is the active window
    bool playbackActive = false;
    bool neverAutoShow = false;
    bool form10Visible = false;      // the text and sound window
    bool externalProcessRunning = false;
    bool appActive = true;
    bool demoMode = false;
    int64_t now = 0;                 // monotonic milliseconds
    int64_t idleStart = 0;           // IdleStartTick
    int32_t waitSeconds = 0;         // AutoShowWaitSeconds
    int32_t countdown = 0;           // AutoShowCountdown
    QString autoShowPath;
    bool pathIsFile = false;
    bool pathIsFolder = false;
};

enum class IdleAction { None, StopTimer, Message, StartReplay };

struct IdleDecision {
    bool resetIdleStart = false;     // IdleStartTick := now
    IdleAction action = IdleAction::None;
    bool sourceIsFile = false;       // the automatic show plays a show file
    QString message;
};

IdleDecision DecideIdleTick(const IdleInput& in);

// ---- Hint codes ----------------------------------------------------------

struct HintContext {
    bool showRunning = false;
    bool thumbnailView = false;
    QString currentPanelText;        // panel 1 right now
    QString cdMenuText, cdFolderText, cdShowText;   // texts prepared by the File menu
    QString startupFolderShort;      // shortened StartupFolder
    bool neverAutoShow = false;
    QString autoShowPathShort;       // shortened AutoShowPath
    bool wallpaperItemVisible = false;
    QString lastLoadedFileName;
    bool playlistLoaded = false, sourceIsShow = false, playlistPaused = false;
    bool playlistStarted = false;
    QString trackFile;
    int trackNumber = 0, trackCount = 0;
};

struct HintMemory {
    bool kept = false;               // the panel's text is kept during a show
    QString text;
};

enum class HintOutcome { Unchanged, SetText, FolderCaption };

struct HintResult {
    HintOutcome outcome = HintOutcome::Unchanged;
    QString text;
};

// A hint shorter than 6 characters is a code for the text of status panel 1.
HintResult ApplicationHintText(const QString& hint, const HintContext& ctx, HintMemory& memory);

// ---- The filter -------------------------------------------------------------

// Hands each key press of the application to `onKey` once (the same event
// offered again while it propagates to the parents is not counted twice);
// releases are ignored. The event itself always goes on as usual.
class KeyboardHookFilter : public QObject {
    Q_OBJECT
public:
    using KeyHandler = std::function<void(int key, Qt::KeyboardModifiers modifiers)>;
    explicit KeyboardHookFilter(KeyHandler onKey, QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The widget the key being handed on went to.
    QWidget* Target() const { return m_lastWidget; }
private:
    KeyHandler m_onKey;
    const QEvent* m_lastEvent = nullptr;
    QPointer<QWidget> m_lastWidget;
};

