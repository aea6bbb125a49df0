// The data-folder paths of this start: the data folder (~/.local/share/Vistamo)
// and the path of every data file and folder in it, where the program runs
// from, and which settings file is in use.
//
// Folder paths carry no trailing "/"; join them with "/" + name.
#pragma once

#include <QString>

#include <cstdint>

struct DataPaths {
    QString ProgramFolder;       // folder of the program file
    QString StartDirectory;      // current directory when the program started
    QString DataFolder;          // ~/.local/share/Vistamo
    QString IrfanViewDataFolder; // settings folder of the outside picture viewer
    QString SettingsPath;        // DataFolder/VXSettings61.dat
    QString SettingsFileName;    // the settings file in use (SettingsPath, or the demo drive's)
    int FoundSettingsVersion = 0;    // version of an older settings file moved into place
    uint8_t SettingsConverted = 0;   // 1 when one was

    QString RCSettingsPath;          // RCSettings.dat
    QString DraftShowPath;           // vistamo.vxt (the Draft show)
    QString TmpJpgPath;              // TmpJPG.dat
    QString WorkShowPath;            // vistamo.tmp (working copy of the open show)
    QString ConvertPath;             // vistamo.cnv
    QString ExcludeFolderPath;       // ExcludeFolder.dat
    QString ShowListPath;            // AllMyShow.dat
    QString ShowsFolder;             // Vistamo! Slide Shows
    QString TempFolder;              // temp
    QString ConversionBackupFolder;  // temp/Conversion Backup
    QString CutOutFolder;            // temp/Cut out Bitmap Files
    QString MailTempFolder;          // temp/Temporary pictures for mail
    QString PlaylistsFolder;         // Vistamo! Sound Playlists
    QString DefaultPlaylistPath;     // Default Playlist.vxz
    QString SearchSettingsPath;      // VXSearchSettings.dat
    QString FoundVersionPath;        // FoundVersion.vxt
    QString PlaylistHistPath;        // PlaylistHist.dat
    QString TempPlaylistPath;        // Temp.vxz
    QString VoiceScratchPath;        // vxo.wav
    QString AddSettingsPath;         // VXAddSettings.dat
};
