// The main window's input: the keyboard hook (an application event filter),
// the main window's key commands, the idle timer that starts the automatic
// show, the mouse activity on the window, and the application's hint,
// activation, minimise and exception events. The main window owns the
// controller, hands it its widgets and its window events, and reaches it
// through input(); the controller reaches the window only through InputHost.
#pragma once

#include "slideshow/show_keys.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class ExternalProgramsController;
class FitZoomSection;
class KeyboardHookFilter;
class LayoutController;
class MenuController;
class PictureDisplaySection;
class ThumbnailPageSection;
class QEvent;
class QTimer;
class QWidget;
class AutoShowCountdownWindow;
class ShowWindow;
struct HintMemory;
class MainStatusBar;
class QAction;
struct ProgramState;

// What the keyboard hook, the key commands and the idle timer ask of the
// main window.
class InputHost {
public:
    virtual ~InputHost() = default;
    // The full-screen show window and the idle replay window (or none).
    virtual ShowWindow* showWindow() const = 0;
    virtual AutoShowCountdownWindow* replayWindow() const = 0;
    virtual bool InManualMode() const = 0;
    // The page of thumbnails (a show played as pages, and its pause).
    virtual ThumbnailPageSection* thumbnailPage() const = 0;
    // The picture display (the picture shown now).
    virtual PictureDisplaySection* pictureDisplay() const = 0;
    // The picture-text window of MyShow is open.
    virtual bool PictureTextWindowShown() const = 0;
    // The show commands the keys give.
    virtual void RestartShow() = 0;
    virtual void ToolButton2Click() = 0;
    // Full screen on or off: the page show resumes in full screen.
    virtual void FullScreenToolButton3Click() = 0;
    virtual void RefreshSelectedFolder() = 0;
    virtual void UpdateFolderCaption() = 0;
    // The sections the events reach: whether an external program runs, the
    // wheel zoom and the ratio panel, the layouts, the menus and their
    // status texts.
    virtual ExternalProgramsController* externalPrograms() const = 0;
    virtual FitZoomSection* fitZoom() const = 0;
    virtual LayoutController* layouts() const = 0;
    virtual MenuController* menus() const = 0;
};

class InputController : public QObject {
    Q_OBJECT
public:
    // The window's controls the events reach, built before the controller:
    // the client area (its mouse events), the status bar (hints and the
    // panels' painting) and the commands the keys trigger.
    struct Items {
        QWidget* ClientArea = nullptr;
        MainStatusBar* StatusBar1 = nullptr;
        QAction* TBRotateL = nullptr;
        QAction* TBRotateR = nullptr;
        QAction* Wallpaper = nullptr;
        QAction* ShowForwardToolButton = nullptr;
        QAction* ShowinReverseToolButton = nullptr;
        QAction* Forward1ToolButton = nullptr;
        QAction* Backwards1ToolButton = nullptr;
        QAction* SaveToolButton = nullptr;
        QAction* MoveToolButton = nullptr;
        QAction* RenamePictureToolButton = nullptr;
        QAction* Volume = nullptr;
        QAction* RecycleBinToolButton = nullptr;
    };

    // `window` is the main window (it parents the controller).
    InputController(QWidget& window, InputHost& host, const Items& items, ProgramState& state);
    ~InputController() override;

    ProgramState& state() const { return m_state; }

    // The controller's timers: the idle timer ("Timer1", 1000 ms), the
    // hook's Ctrl latch ("TimerHook", 500 ms) and the hook's handled-key
    // guard ("HookHandled", 300 ms); none runs at first.
    QTimer* idleTimer() const { return m_idleTimer; }
    QTimer* hookTimer() const { return m_hookTimer; }
    QTimer* hookHandledTimer() const { return m_hookHandledTimer; }

    // The keyboard hook: an application event filter on the GUI thread.
    void InstallKeyboardHook();
    // Removes the hook (before a modal dialog; also at destruction).
    void FormDestroy();
    // Takes the controller's filters off the window and its client area;
    // the window calls it first thing in its destructor, so that no event of
    // a widget being deleted reaches the half-destroyed window through it.
    void DetachFromWindow();
    void KeyboardHookProc(int key, Qt::KeyboardModifiers modifiers);
    void TimerHookTimer();
    void HookHandledTimer();
    void Timer1Timer();
    // The idle time starts again (a cancelled count-down of the replay window).
    void RestartIdleTime();
    // The idle timer stops (a dialog, the About box or the replay window's
    // count-down is the user at work).
    void StopIdleTimer();
    // User activity: the idle time starts again.
    void UserActivity();
    void FormMouseDown(Qt::MouseButton button);
    void FormMouseUp();
    void FormMouseMove();
    void FormMouseWheel(int delta);
    void FormActivate();
    void AppMinimize();
    void QuestionUpdateStatusBar();
    void ApplicationHint(const QString& hint);
    // The main window's key commands, for a key handed on by the hook.
    // Ctrl is also read from the keyboard.
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    // A command of the show's key table in the main window.
    void RunShowKey(ShowKeyCommand command);
    // Connects the timers and the application's events (once).
    void InstallApplicationEvents();
    // The window's events (the window and its client area hand them on):
    // the status panels' painting, hints, activation, mouse and wheel.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The state of the hook and the idle timer.
    uint8_t KeyboardHookInstalled = 0;   // 1 while the filter is installed
    uint8_t HookCtrlLatch = 0;           // 1 for 500 ms after Ctrl was seen
    uint8_t MouseButtonDown = 0;         // 1 from a mouse press on the main window to its release
    int64_t IdleStartTick = 0;           // monotonic milliseconds when the idle time began
    int32_t AutoShowCountdown = 0;       // 1 while the replay window counts down
    int32_t AutoShowStarting = 0;        // set when the replay window starts the show

private:
    QWidget& m_window;
    InputHost& m_host;
    const Items m_w;
    // The status bar's panels, whose painting the layouts do.
    std::array<QObject*, 2> m_statusPanels{};
    ProgramState& m_state;
    QTimer* m_idleTimer;
    QTimer* m_hookTimer;
    QTimer* m_hookHandledTimer;
    KeyboardHookFilter* m_hookFilter = nullptr;
    bool m_appEventsInstalled = false;
    std::unique_ptr<HintMemory> m_hintMemory;  // made at first use, freed with the window
    // The idle timer's message that the automatic show can't start was
    // given; it is not given again before the next real user input.
    bool m_idleMessageGiven = false;
};
