// Closing the main window: the state of the close and the settings save.
#pragma once

#include "base/settings_record.h"
#include "platform/record_file.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

class TForm16;

struct TCloseSave {
    bool DiskRead = false;          // the settings file on disk was read for the merge
    platform::RecordResult Settings;  // writing the settings file
    bool ShowListWritten = false;   // "AllMyShow.dat" was rewritten
    platform::RecordResult ShowList;  // writing it
};

// The save of a normal close, each file in its own safe write:
//  - the settings file is read again into `onDisk`; when it cannot be read,
//    the start-up copy `snapshot` stands in for it, so the save still happens;
//  - `live` is merged field by field (a field this instance did not change
//    takes the value on disk);
//  - `RunningMarker` 0 and `MyShowHidden` are set, `afterMerge` (when given)
//    sets the fields that are this window's own, and `live` is written;
//  - unless `audioMode`, the known shows are written to `showListPath` when
//    `knownShows` is given (without them the file stays as it is).
TCloseSave SaveAtClose(const QString& settingsFileName, TSettingsRecord& live, const TSettingsRecord& snapshot,
                       TSettingsRecord& onDisk, int32_t myShowHidden, bool audioMode,
                       const std::optional<QStringList>& knownShows, const QString& showListPath,
                       const std::function<void(TSettingsRecord&)>& afterMerge = {});

// The messages for the files the close could not write, each naming the file
// and the system's reason; empty when everything was saved.
QStringList CloseSaveFailureTexts(const TCloseSave& saved, const QString& settingsFileName,
                                  const QString& showListPath);

// The known shows as the MyShow manager `Form16` lists them, or nothing when
// that window does not exist or could not read the file of known shows (the
// file is then left as it is).
std::optional<QStringList> KnownShowsOfManager(const TForm16* Form16);
// The message that the file of known shows is left as it is because the
// manager could not read it; empty when it was read whole.
QString KnownShowsLeftMessage(const TForm16* Form16, const QString& showListPath);
