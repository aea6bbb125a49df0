// The show: its state, play options, picture table and position.
#pragma once

#include "base/picture_table.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The play options in effect.
struct TPlayOptions {
    int32_t PlayOrder = 0;            // 0 as listed, 1 random, 2..4 as listed here
    int32_t IntervalIndex = 0;
    int32_t IntervalSeconds = 1;
    int32_t IncludeSubfolders = 0;
    int32_t IncludeSystemFolders = 0;
    int32_t InclJPG = 1, InclJPEG = 1, InclBMP = 1, InclICO = 1, InclEMF = 1, InclWMF = 1, InclGIF = 1;
    int32_t MaxEnlargePercent = 0;
    int32_t MaxPictures = 0;          // 0: no limit
    int32_t MinSizeKB = 0;
    int32_t MaxSizeKB = 0;            // 0: no limit
    int32_t ShowTitles = 0;
    int32_t BackgroundColor = 0;
    int32_t ContinuousPlay = 0;
    int32_t IgnoreErrors = 0;
    int32_t ExcludeSmallPics = 0;     // 1: "SmallPics" folders stay out of the collection
};
// The state of the running show that other parts read or set.
struct TShowState {
    int32_t Direction = 0;            // >= 1 forward, < 0 reverse, 0 paused / not advancing
    int32_t LastDirection = 1;
    bool StepByHand = false;
    bool Reload = false;
    int32_t CurrentInterval = 0;      // seconds
    int32_t DefaultInterval = 0;      // seconds
    int32_t PlayOrder = 0;
    int32_t EnlargeLimit = 0;         // percent
    int32_t EnlargeInEffect = 0;
    bool EnlargePending = false;
    int32_t SkipUnreadable = 0;
    int32_t TitleOption = 0;
    uint8_t PictureLoaded = 0;
    bool PauseRequest = false;
    uint8_t ActiveImage = 1;          // 1 = "form9im1"
    int32_t ShownNumber = 0;
    int32_t PictureCount = 0;
    int32_t BookmarkCount = 0;
    int32_t BookmarkIndex = 0;
    uint8_t NoLimitOnce = 0;
    uint8_t PageAbort = 0;
    int32_t PageFirstSlot = 0;
    bool PlaysOwnShowFile = false;    // the show plays a show file of its own
    int32_t ContinuousPlay = 0;
    uint8_t LastPictureAhead = 0;
    int32_t BackgroundColor = 0;
    uint8_t LoopFlag = 0;             // forces continuous play while a show runs
    uint8_t CopyToAutoShowOptions = 0;
    bool ManualMode = false;
};
struct ShowSession {
    // 1 from the start of a slide show (or of the music queue) until it ends.
    int32_t PlaybackActive = 0;
    // The running show's interval index, 0 (fastest) .. 59 (slowest).
    int32_t ShowIntervalStep = 0;
    // 1 while the automatic show runs.
    uint8_t AutoShowRunning = 0;
    // 1 when the main window is to close once the running show has ended.
    uint8_t CloseAfterShowPending = 0;
    // The running show's bookmarks (20 x string[75]).
    std::array<QString, 20> Bookmarks;
    // The play options in effect.
    TPlayOptions PlayOptions;
    // The state of the running show.
    TShowState ShowState;
    // The source of the show about to start (a folder or a show file).
    QString ShowSourcePath;

    // The picture table; entries from PictureCount on are spare room.
    std::vector<TPictureEntry> PictureTable;
    // Number of entries in use.
    int32_t PictureCount = 0;
    // The show cursor: index of the current entry.
    int32_t PictureIndex = 0;
    // Calls of GrowSelectionList with progress since the progress text was
    // last refreshed; reset to 0 at the start of each collection.
    int32_t CollectionProgressCounter = 0;

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
