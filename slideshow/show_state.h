// The slide show's program-wide state: whether a show plays, the play
// options in effect, the cursor state that browsing and the menus read.
#pragma once

#include "base/settings_record.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// 1 from the start of a slide show (or of the music queue) until it ends.
extern int32_t PlaybackActive;
// The running show's interval index, 0 (fastest) .. 59 (slowest).
extern int32_t ShowIntervalStep;
// 1 while the automatic show runs.
extern uint8_t AutoShowRunning;
// 1 when the main window is to close once the running show has ended.
extern uint8_t CloseAfterShowPending;
// The running show's bookmarks (20 x string[75]).
extern std::array<QString, 20> Bookmarks;

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
extern TPlayOptions PlayOptions;

// The state of the running show that other parts read or set.
struct TShowState {
    int32_t Direction = 0;            // >= 1 forward, < 0 reverse, 0 paused / not advancing
    int32_t LastDirection = 1;
    uint8_t StepReentry = 0;
    bool StepInProgress = false;
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
extern TShowState ShowState;

// Seconds of an interval choice (`IntervalIndex`): 1, 2, 3, 5 or 10 (1 for
// anything else).
int32_t IntervalGroupSeconds(int index);
// Seconds of a running show's speed step (`ShowIntervalStep` 0..59: step 0
// is one second, each step one more).
int32_t IntervalSecondsForIndex(int32_t index);

// The options in effect taken from the settings record, or from its stored
// automatic-show options.
TPlayOptions PlayOptionsFrom(const TSettingsRecord& settings, bool automaticShow);

// Sets the play options in effect from `settings` (or from its automatic-show
// options while the automatic show runs) and the show state that follows.
void ApplyShowOptions(const TSettingsRecord& settings);

// Whether a file is a picture that the options in effect let into a show:
// its type is included and its size within the limits.
bool PictureIncluded(const QString& path, qint64 sizeBytes, const TPlayOptions& options);

// The pictures of a folder (and of the subfolders the folder collection
// allows when asked: no "xx" names, no thumbnail or excluded folders, hidden
// folders only with `includeSystemFolders`, each folder once), in folder
// order and by name within a folder, filtered by the options, cut to the
// maximum number of pictures. Polls `cancel` between folders.
QStringList CollectFolderPictures(const QString& folder, const TPlayOptions& options,
                                  const bool* cancel = nullptr);

// The source of the show about to start (a folder or a show file).
extern QString ShowSourcePath;

// Remembers a show started by the user as the automatic show: its source in
// `AutoShowPath` (cut to 200 characters) and the live play options in
// `AutoShowOptions`. Not for the automatic show itself, nor for a demo or
// command-line start, nor for a source that is no folder or show file.
void StoreLastShowRecord(TSettingsRecord& settings, const QString& source, bool automaticShow, bool demoOrArgument);

// The play order of a show's pictures: indexes into `paths` in showing
// order. 0 as listed, 1 random (from `seed`), 2 alphabetic by path (letter
// case ignored), 3 by date ascending, 4 by date descending (`dates` in days,
// one per path; equal dates keep the listed order).
QList<int> BuildPlayOrder(const QStringList& paths, const QList<double>& dates, int32_t playOrder, quint32 seed);

// Whether a play order sorts by date (3 and 4).
bool PlayOrderByDate(int32_t playOrder);

// The date a show gives a picture, in days since 1899-12-30: its EXIF date
// taken, else the file's date; 0 when neither is known.
double ShowPictureDate(const QString& path);
