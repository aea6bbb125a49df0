// SIGTERM and SIGINT end the program cleanly from any state: a signal never
// gets lost, whether it comes during the start, while a modal window is open
// or while the program waits for the user.
//
// The signal handler only writes a byte into a socket pair; the event loop
// that runs next (the main loop or a modal window's own) reads it and acts:
//  - once the main window is complete (QuitByClosing was given its close),
//    that close runs as the user's own would: the settings merged and saved,
//    the run marker removed, then every event loop ends;
//  - before that, or at a second signal while the close still waits for an
//    answer, every event loop that runs ends at once and any later one
//    returns at once, so the start-up sequence reaches its next check of
//    QuitRequested() without waiting for the user.
#pragma once

#include <functional>

// Installs the handlers of SIGTERM and SIGINT. Called once, first thing,
// before the application object exists: a signal from then on is kept.
void InstallQuitOnSignal();
// Lets the event loops read the signals kept (once the application object
// exists).
void WatchQuitSignal();

// A signal asked the program to end.
bool QuitRequested();

// The close of the complete main window that a signal runs; empty again
// when the window is gone.
void QuitByClosing(std::function<void()> closeMainWindow);
