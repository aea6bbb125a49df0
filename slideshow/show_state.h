// The slide show's program-wide state: whether a show plays, the play
// options in effect, the cursor state that browsing and the menus read.
#pragma once

#include "base/data_paths.h"
#include "base/settings_record.h"
#include "base/show_session.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

struct FolderExclusionState;

// Seconds of an interval choice (`IntervalIndex`): 1, 2, 3, 5 or 10 (1 for
// anything else).
int32_t IntervalGroupSeconds(int index);
// Seconds of a running show's speed step (`ShowIntervalStep` 0..59: step 0
// is one second, each step one more).
int32_t IntervalSecondsForIndex(int32_t index);

// The options in effect taken from the settings record, or from its stored
// automatic-show options.
TPlayOptions PlayOptionsFrom(const TSettingsRecord& settings, bool automaticShow);

// Sets the session's play options in effect from `settings` (or from its
// automatic-show options while the automatic show runs) and the show state
// that follows.
void ApplyShowOptions(ShowSession& session, const TSettingsRecord& settings);

// Whether a file is a picture that the options in effect let into a show:
// its type is included and its size within the limits.
bool PictureIncluded(const QString& path, qint64 sizeBytes, const TPlayOptions& options);

// The pictures of a folder (and of the subfolders the folder collection
// allows when asked: no "xx" names, no thumbnail or excluded folders, hidden
// folders only with `includeSystemFolders`, each folder once), in folder
// order and by name within a folder, filtered by the options, cut to the
// maximum number of pictures. Polls `cancel` between folders. `paths` give
// the folder exclusions' file and the program's own folders; `exclusions`
// the exclusions in force; `demoMode` keeps only the fixed exclusions.
QStringList CollectFolderPictures(const DataPaths& paths, FolderExclusionState& exclusions, const QString& folder,
                                  const TPlayOptions& options, bool demoMode, const bool* cancel = nullptr);

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
