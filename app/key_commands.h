// The main window's key decisions: what a key the keyboard hook hands on
// does (a show key, a rotation, the window's own key commands or the show
// window's keys) and what the main window's own key commands are. The show's
// keys come from the show's one key table (slideshow/show_keys.h); only
// the Ctrl latch is the hook's own.
#pragma once

#include "slideshow/show_keys.h"

// ---- The hook's decision ---------------------------------------------------

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
    int key = 0;                     // Qt key code
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
// (the show's key table) and the commands named in its tool tips and menu
// captions ("~- F5 ", "~- D", 'F' or 'W', 'S', 'M', 'A', 'V').
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
