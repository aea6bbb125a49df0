// How the program was started: demo, argument and audio mode, and the start-up results.
#pragma once

#include <QString>

#include <cstdint>

struct StartContext {
    // Start modes (1 = set), all 0 unless the command line sets them.
    uint8_t DemoMode = 0;
    uint8_t AudioMode = 0;
    // 1 when the program was started with a folder or a show file as argument:
    // data files are then opened read only (SetFileMode) and nothing is saved at close.
    uint8_t ArgumentMode = 0;
    uint8_t ShowFileArgument = 0;
    QString AudioPlaylistArgument;   // the playlist given after "/audio"
    // The folder or show-file argument as given (made absolute), empty without one.
    QString StartArgument;

    // Start outcomes.
    uint8_t StartAbort = 0;      // the program refuses to run
    uint8_t StartupRunFlag = 0;  // 1 when the main window was created completely
    uint8_t OpenNormally = 0;    // the user chose to open the argument in the normal window
    QString StartupMessage;      // a start-up warning shown once the windows exist

    // Demo mode: the folder of the automatic show on the current drive ("/"-ended
    // unless empty).
    QString DemoShowFolder;
};
