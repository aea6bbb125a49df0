// The show's keys: the one table that says what a key does while a show
// runs, in the full-screen show window and in the main window (where the
// keyboard hook hands keys on). A new key is a row of the table below; a
// new command is one more value here, handled where the show plays
// (ShowWindow::runShowKey, and InputController::RunShowKey for the show in
// the main window).
#pragma once

#include <Qt>

// What a show key does (the keys are in the table below).
enum class ShowKeyCommand {
    None,
    StopShow,        // the show ends
    RestartShow,     // the show starts again from its first picture
    TogglePause,     // the show pauses or goes on
    Forward1,        // one picture forward
    Backwards1,      // one picture back
    ShowForward,     // the show continues forward
    ShowInReverse,   // the show continues in reverse
    RotateLeft,      // as the rotate-left button (in the main window also while browsing)
    RotateRight,     // as the rotate-right button
};

enum class ShowKeyPlace { ShowWindow, MainWindow };

struct ShowKeyRow {
    int key;                   // Qt key code
    ShowKeyCommand plain;      // the command of the key alone
    ShowKeyCommand withCtrl;   // the command with Ctrl
    bool showWindowOnly;       // the key is the show window's alone
};

inline constexpr ShowKeyRow ShowKeys[] = {
    {Qt::Key_Escape, ShowKeyCommand::StopShow, ShowKeyCommand::StopShow, false},
    {Qt::Key_Home, ShowKeyCommand::RestartShow, ShowKeyCommand::RestartShow, false},
    {Qt::Key_Space, ShowKeyCommand::TogglePause, ShowKeyCommand::TogglePause, false},
    {Qt::Key_Right, ShowKeyCommand::Forward1, ShowKeyCommand::ShowForward, false},
    {Qt::Key_Left, ShowKeyCommand::Backwards1, ShowKeyCommand::ShowInReverse, false},
    {Qt::Key_PageDown, ShowKeyCommand::Forward1, ShowKeyCommand::Forward1, true},
    {Qt::Key_PageUp, ShowKeyCommand::Backwards1, ShowKeyCommand::Backwards1, true},
    {Qt::Key_L, ShowKeyCommand::None, ShowKeyCommand::RotateLeft, false},
    {Qt::Key_R, ShowKeyCommand::None, ShowKeyCommand::RotateRight, false},
};

// The command of a key (a Qt key code) pressed while a show runs; `ctrl`:
// Ctrl is held (in the main window's hook: its Ctrl latch is set, but for
// the rotation, which asks with Ctrl held).
ShowKeyCommand DecideShowKey(int key, bool ctrl, ShowKeyPlace place);
