// The show: its state, play options, picture table and position.
#pragma once

#include <cstdint>

struct ShowSession {
    // ---- the screen and the source of the next show ----
    uint8_t UseMainMonitor = 1;          // 1 when the full-screen show goes to the main monitor
    uint8_t SourceIsFolder = 0;          // 1 when the next show plays the selected folder
    uint8_t FolderSourceFullScreen = 0;  // the folder source starts in full screen (cleared by the thumbnail start)
};
