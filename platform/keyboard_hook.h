// The keyboard "hook" of the main window: an application-wide event filter
// that lets arrow keys, Space and the rotate shortcuts reach the slide show
// wherever the focus is; the idle time that starts the automatic show; the
// short hint codes that choose a status-bar text.
#pragma once
#include "slideshow/show_keys.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QString>
#include <cstdint>
#include <functional>

// The state of the hook and the idle timer (KeyboardHookInstalled,
// HookCtrlLatch, MouseButtonDown, IdleStartTick, AutoShowCountdown,
// AutoShowStarting) is kept by the window that installs the hook.

// ---- The key decision ------------------------------------------------------

enum class HookKey { Space, Control, Right, Left, L, R, Other };

struct HookInput {
    bool mainWindowEnabled = true;   // false while a modal window is open
    bool hookHandledRunning = false; // the 300 ms guard timer runs
    bool form9Visible = false;       // the full-screen show window
    bool mouseButtonDown = false;
    bool playbackActive = false;     // a show runs in the main window
    bool ctrlLatch = false;          // HookCtrlLatch
    bool ctrlHeld = false;           // Ctrl is down right now
    bool rotateLUsable = false;      // TBRotateL enabled and visible, or the browsed picture may be rotated
    bool rotateRUsable = false;
    HookKey key = HookKey::Other;
};

enum class HookAction { None, ShowKey, RotateLeft, RotateRight, FormKeyDown, RaiseForm9 };

struct HookDecision {
    bool startHookHandled = false;   // start the 300 ms guard
    bool setCtrlLatch = false;       // set HookCtrlLatch and start TimerHook (500 ms)
    HookAction action = HookAction::None;
    ShowKeyCommand showKey = ShowKeyCommand::None;   // for HookAction::ShowKey
};

// One key event: at most one key action per 300 ms, whatever the number
// of events.
HookDecision DecideHookKey(const HookInput& in);

// ---- The main window's key commands -----------------------------------------

// What a key handed on by the hook does in the main window: the show's keys
// (the show's key table: "~- Home", "~- Escape", Space and the arrows) and
// the commands named in its tool tips and menu captions ("~- F5 ", "~- D",
// 'F' or 'W', 'S', 'M', 'A', 'V').
enum class MainKeyCommand {
    None, ShowKey, FullScreen, SavePicture, MovePicture, RenamePicture, Volume, RemovePicture, Refresh
};

struct MainKeyDecision {
    MainKeyCommand command = MainKeyCommand::None;
    ShowKeyCommand showKey = ShowKeyCommand::None;   // for MainKeyCommand::ShowKey
};

struct MainKeyInput {
    int key = 0;                     // Qt key code
    bool alt = false;                // Alt reported with the key: letter commands are ignored
    bool ctrl = false;               // Ctrl down on the keyboard right now
    bool showRunning = false;        // PlaybackActive is 1
    bool typingInText = false;       // the focus is in a text field: letters are typed, not commands
};

MainKeyDecision DecideMainKey(const MainKeyInput& in);

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

HookKey HookKeyOf(int qtKey);
int QtKeyOf(HookKey key);
