// The show's keys: the one table that says what a key does while a show
// runs, in the full-screen show window and in the main window (where the
// keyboard hook hands keys on). A new key is a row of the table; a new
// command is also handled where the show plays (ShowWindow::runShowKey,
// and InputController::RunShowKey for the show in the main window).
#pragma once

enum class ShowKeyCommand {
    None,
    StopShow,        // Escape
    RestartShow,     // Home
    TogglePause,     // Space
    Forward1,        // Right arrow; Page Down in the show window
    Backwards1,      // Left arrow; Page Up in the show window
    ShowForward,     // Ctrl + Right arrow: the show continues forward
    ShowInReverse,   // Ctrl + Left arrow: the show continues in reverse
    RotateLeft,      // Ctrl + L: as the rotate-left button (in the main window also while browsing)
    RotateRight,     // Ctrl + R: as the rotate-right button
};

enum class ShowKeyPlace { ShowWindow, MainWindow };

// The command of a key (a Qt key code) pressed while a show runs; `ctrl`:
// Ctrl is held (in the main window's hook: its Ctrl latch is set, but for
// the rotation, which asks with Ctrl held).
ShowKeyCommand DecideShowKey(int key, bool ctrl, ShowKeyPlace place);
