// The show's keys: the one table that says what a key does while a show
// runs, in the full-screen show window and in the main window (where the
// keyboard hook hands keys on).
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
    RotateLeft,      // Ctrl + L in the show window: as its rotate-left button
    RotateRight,     // Ctrl + R in the show window: as its rotate-right button
};

enum class ShowKeyPlace { ShowWindow, MainWindow };

// The command of a key (a Qt key code) pressed while a show runs; `ctrl`:
// Ctrl is held (in the main window's hook: its Ctrl latch is set).
ShowKeyCommand DecideShowKey(int key, bool ctrl, ShowKeyPlace place);
