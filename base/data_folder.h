// The data folder (~/.local/share/Vistamo) and the path of every data file and
// folder in it, the run markers, and the data files a first start creates.
//
// Folder paths carry no trailing "/"; join them with "/" + name.
#pragma once

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

extern QString ProgramFolder;       // folder of the program file
extern QString StartDirectory;      // current directory when the program started
extern QString DataFolder;          // ~/.local/share/Vistamo
extern QString IrfanViewDataFolder; // settings folder of the outside picture viewer
extern QString SettingsPath;        // DataFolder/VXSettings61.dat
extern QString SettingsFileName;    // the settings file in use (SettingsPath, or the demo drive's)
extern int FoundSettingsVersion;    // version of an older settings file moved into place
extern uint8_t SettingsConverted;   // 1 when one was

extern QString RCSettingsPath;          // RCSettings.dat
extern QString DraftShowPath;           // vistamo.vxt (the Draft show)
extern QString TmpJpgPath;              // TmpJPG.dat
extern QString WorkShowPath;            // vistamo.tmp (working copy of the open show)
extern QString ConvertPath;             // vistamo.cnv
extern QString ExcludeFolderPath;       // ExcludeFolder.dat
extern QString ShowListPath;            // AllMyShow.dat
extern QString ShowsFolder;             // Vistamo! Slide Shows
extern QString TempFolder;              // temp
extern QString ConversionBackupFolder;  // temp/Conversion Backup
extern QString CutOutFolder;            // temp/Cut out Bitmap Files
extern QString MailTempFolder;          // temp/Temporary pictures for mail
extern QString PlaylistsFolder;         // Vistamo! Sound Playlists
extern QString DefaultPlaylistPath;     // Default Playlist.vxz
extern QString SearchSettingsPath;      // VXSearchSettings.dat
extern QString FoundVersionPath;        // FoundVersion.vxt
extern QString PlaylistHistPath;        // PlaylistHist.dat
extern QString TempPlaylistPath;        // Temp.vxz
extern QString VoiceScratchPath;        // vxo.wav
extern QString AddSettingsPath;         // VXAddSettings.dat

// ~/.local/share/Vistamo (the XDG data home + "/Vistamo").
QString DefaultDataFolder();
// "VXSettings" + version + ".dat".
QString SettingsFileNameFor(int version);
// Sets DataFolder, IrfanViewDataFolder, SettingsPath and every data-file path.
void SetDataFolderPaths(const QString& dataFolder);

// Run markers: "AudioRun.dat" for an audio-only start, "OtherRun.dat" else.
QString RunMarkerPath(bool audio);
// Creates the marker of this start's kind (`audio`: AudioMode), empty; false on failure.
bool CreateRunMarker(bool audio);
// Deletes it, ignoring any failure.
void DeleteRunMarker(bool audio);

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
TDataFilesResult CreateMissingDataFiles(const QString& musicFolder, const QString& startDirectory);

// The data files that must be writable for the program to run, in the order
// they are checked (settings file first).
QStringList DataFilesCheckedForWriting(const QString& settingsFileName);
// The refusal text for the first of them that exists and is read only, or an
// empty text when none is: path + " is set to read only, can not run Vistamo!"
// (the Draft show's path with each "&" doubled).
QString ReadOnlyDataFileMessage(const QString& settingsFileName);
