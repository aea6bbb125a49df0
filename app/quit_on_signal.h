// SIGTERM and SIGINT end the program cleanly from any state: a signal never
// gets lost, whether it comes during the start, while a modal window is open
// or while the program waits for the user.
//
// The signal handler only writes a byte into a socket pair; the event loop
// that runs next (the main loop or a modal window's own) reads it and acts:
//  - once the main window is complete (main() connected the watch's
//    `closeWanted` to its close), that close runs as the user's own would: the settings merged and saved,
//    the run marker removed, then every event loop ends;
//  - before that, or at a second signal while the close still waits for an
//    answer, every event loop that runs ends at once and any later one
//    returns at once, so the start-up sequence reaches its next check of
//    QuitRequested() without waiting for the user.
#pragma once

#include <QObject>

// Installs the handlers of SIGTERM and SIGINT. Called once, first thing,
// before the application object exists: a signal from then on is kept.
void InstallQuitOnSignal();
// The reading of the signals kept. `closeWanted` asks for the close of the
// complete main window; while nothing is connected to it, a signal ends
// every event loop.
class QuitSignalWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Something is connected to `closeWanted`.
    bool CloseConnected() const;

signals:
    void closeWanted();
};

// Lets the event loops read the signals kept (once the application object
// exists, whose child the watch is); null when the signals could not be
// caught.
QuitSignalWatch* WatchQuitSignal();

// A signal asked the program to end.
bool QuitRequested();
