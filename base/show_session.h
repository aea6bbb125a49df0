// The show: its state, play options, picture table and position.
#pragma once

#include <cstdint>

struct ShowSession {
    // ---- the screen and the source of the next show ----
    uint8_t UseMainMonitor = 1;          // 1 when the full-screen show goes to the main monitor
    uint8_t SourceIsFolder = 0;          // 1 when the next show plays the selected folder
    uint8_t FolderSourceFullScreen = 0;  // the folder source starts in full screen (cleared by the thumbnail start)

    // ---- the shown picture's cut-outs, wheel zoom and full view (both windows) ----
    // Number of cut-outs made from the current picture (0 = the picture
    // itself is shown). Numbers the cut-out files "cut" + n + ".bmp".
    int32_t CutOutCount = 0;
    double ZoomFactor = 0;               // the wheel zoom factor in effect (0 = none)
    int32_t ZoomSteps = 0;               // accumulated wheel percent since the last fit
    uint8_t FullViewActive = 0;          // 1 while a single picture is shown in the full view
    double LastFitFactorY = 0;           // the last vertical and horizontal fit factors
    double LastFitFactorX = 0;
};
