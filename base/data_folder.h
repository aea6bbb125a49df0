// The data folder (~/.local/share/Vistamo) and the path of every data file and
// folder in it, the run markers, and the data files a first start creates.
//
// Folder paths carry no trailing "/"; join them with "/" + name.
#pragma once

#include "base/data_paths.h"
#include "platform/record_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

constexpr int SettingsVersion = 61;

// Record sizes of the data files created empty at a first start.
// ("Default Playlist.vxz" and "Temp.vxz" hold 208-byte playlist records.)
constexpr int ShowRecordFileSize = 2276;       // the Draft show and its working copy
constexpr int ExcludeFolderRecordSize = 205;   // "ExcludeFolder.dat"
constexpr int PlaylistHistRecordSize = 1809;   // "PlaylistHist.dat" (9 paths of 201 bytes)
constexpr int AllMyShowRecordSize = 201;       // "AllMyShow.dat"

// ~/.local/share/Vistamo (the XDG data home + "/Vistamo").
QString DefaultDataFolder();
// "VXSettings" + version + ".dat".
QString SettingsFileNameFor(int version);
// Sets DataFolder, IrfanViewDataFolder, SettingsPath and every data-file path.
void SetDataFolderPaths(DataPaths& paths, const QString& dataFolder);

// Run markers in the data folder: "AudioRun.dat" for an audio-only start,
// "OtherRun.dat" else.
QString RunMarkerPath(const DataPaths& paths, bool audio);
// Creates the marker of this start's kind (`audio`: AudioMode), empty; false on failure.
bool CreateRunMarker(const DataPaths& paths, bool audio);
// Deletes it, ignoring any failure.
void DeleteRunMarker(const DataPaths& paths, bool audio);

// Writes the default record of "RCSettings.dat" (new file, safe write).
platform::RecordResult CreateRCSettingsFile(const QString& path);
// Writes the default record of "VXSearchSettings.dat": the music folder and
// the usual sound folders at the root of the start folder's volume.
platform::RecordResult CreateSearchSettingsFile(const QString& path, const QString& musicFolder,
                                                const QString& startDirectory);

// What creating the missing folders and files gave.
struct TDataFilesResult {
    QStringList FolderMessages;     // the messages of folders that could not be created
    platform::RecordResult FileError;  // the first file that could not be created
};

// Creates the data folders that are missing (each failure gives its message)
// and the data files that are missing, empty ("Default Playlist.vxz", the
// Draft show and its working copy, "ExcludeFolder.dat", "PlaylistHist.dat",
// "AllMyShow.dat", "VXAddSettings.dat"); a missing "VXSearchSettings.dat" gets
// its default record (see CreateSearchSettingsFile).
TDataFilesResult CreateMissingDataFiles(const DataPaths& paths, const QString& musicFolder,
                                        const QString& startDirectory);

// The data files that must be writable for the program to run, in the order
// they are checked (settings file first).
QStringList DataFilesCheckedForWriting(const DataPaths& paths, const QString& settingsFileName);
// The refusal text for the first of them that exists and is read only, or an
// empty text when none is: path + " is set to read only, can not run Vistamo!"
// (the Draft show's path with each "&" doubled).
QString ReadOnlyDataFileMessage(const DataPaths& paths, const QString& settingsFileName);
