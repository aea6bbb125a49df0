// The main window's input: the keyboard hook (an application event filter),
// the main window's key commands, the idle timer that starts the automatic
// show, the mouse activity on the window, and the application's hint,
// activation, minimise and exception events. The main window owns the
// controller, hands it its widgets, the layouts, the show windows and its
// queries at construction, and connects the commands it signals.
#pragma once

#include "slideshow/show_keys.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class KeyboardHookFilter;
class LayoutController;
class QEvent;
class QTimer;
class QWidget;
class AutoShowCountdownWindow;
class ShowWindow;
struct HintMemory;
class MainStatusBar;
class QAction;
struct ProgramState;

class InputController : public QObject {
    Q_OBJECT
public:
    // The window's widgets the events reach, built before the controller:
    // the client area (its mouse events) and the status bar (hints and the
    // panels' painting). The commands the keys trigger are taken from the
    // window by objectName.
    struct Widgets {
        QWidget* ClientArea = nullptr;
        MainStatusBar* StatusBar1 = nullptr;
    };

    // What the controller asks of the other sections, each answered live.
    struct Queries {
        // The show plays one picture at a time, stepped by hand.
        std::function<bool()> inManualMode;
        // The picture-text window of MyShow is open.
        std::function<bool()> pictureTextWindowShown;
        // A program started from here still runs.
        std::function<bool()> externalProgramRuns;
        // A show plays as pages of thumbnails.
        std::function<bool()> pageShowRuns;
        // The custom ratio panel, once made (or none).
        std::function<const QWidget*()> customRatioPanel;
        // The path of the picture shown now.
        std::function<QString()> currentPicturePath;
        // The menus' status texts of the automatic CD: the menu's, the
        // folder's and the show's.
        std::function<std::array<QString, 3>()> cdStatusTexts;
        // While browsing: the picture selected in the tree may be rotated.
        std::function<bool()> browsedPictureRotatable;
    };

    // `window` is the main window (it parents the controller); `layouts`
    // paints the status panels, changes the show speed and restores the
    // window; `showWindow` and `replayWindow` are the full-screen show
    // window and the idle replay window, any of them null.
    InputController(QWidget& window, const Widgets& widgets, ProgramState& state, LayoutController& layouts,
                    const QPointer<ShowWindow>& showWindow, const QPointer<AutoShowCountdownWindow>& replayWindow,
                    Queries queries);
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

signals:
    // The keyboard hook is being installed: the menus are set up first.
    void KeyboardHookInstalling();
    // The keys' show commands: the show starts again, stops, the page show
    // pauses or goes on, the show goes to or from full screen.
    void RestartShowRequested();
    void StopShowRequested();
    void PagePauseToggleRequested();
    void FullScreenRequested();
    // F5: the selected folder is read again.
    void RefreshFolderRequested();
    // Ctrl + L (left) or Ctrl + R: the shown or browsed picture is to be rotated.
    void RotateRequested(bool left);
    // The wheel zooms the cut-out by `steps`.
    void WheelZoomRequested(int steps);
    // A hint gives the status bar the folder's caption back.
    void FolderCaptionRequested();

private:
    QWidget& m_window;
    // The window's widgets and the commands the keys trigger (taken by
    // objectName).
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
    const Items m_w;
    LayoutController& m_layouts;
    const QPointer<ShowWindow>& m_showWindow;
    const QPointer<AutoShowCountdownWindow>& m_replayWindow;
    const Queries m_queries;
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
