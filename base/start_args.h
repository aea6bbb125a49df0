// The command line of Vistamo! and the start modes and outcomes it sets.
//
// Parameter 1 is compared exactly (letter case included); the first match wins:
//   "/vxdemo"            demo mode (the self-running show of a CD)
//   "/audio" [playlist]  the audio-only player, with an optional playlist
//   an existing folder   argument mode: the folder is offered to the launcher
//   an existing ".vxt"   argument mode with a show file (extension in any case)
// Anything else is ignored.
#pragma once

#include "base/start_context.h"

#include <QString>
#include <QStringList>

#include <cstdint>

enum class StartKind { Normal, Demo, Audio, Folder, ShowFile };

struct TStartArgs {
    StartKind Kind = StartKind::Normal;
    QString PlaylistArgument;  // Audio: parameter 2, or empty
    QString Argument;          // Folder / ShowFile: the path, absolute and cleaned
};

// Reads the parameters (without the program name). `currentDir` resolves a
// relative folder or file argument.
TStartArgs ParseStartArgs(const QStringList& params, const QString& currentDir);

// True when the file name's extension in lower case is ".vxt".
bool IsShowFileName(const QString& path);

// Sets the start modes from a parsed command line (clearing the others).
void ApplyStartArgs(StartContext& start, const TStartArgs& args);

// Clears every start mode and outcome (a new start; used by tests too).
void ClearStartModes(StartContext& start);

// True when the start keeps "AudioRun.dat" rather than "OtherRun.dat": the
// first parameter is exactly "/audio".
bool IsAudioStart(const QStringList& params);

// ---- Start refusals ---------------------------------------------------------
extern const QString NotOnFixedDriveText;   // the program is not on a fixed drive
extern const QString ScreenTooNarrowText;   // the screen is narrower than 800 pixels
extern const QString NoSettingsFileText;    // demo mode without a settings file
extern const QString SettingsConvertedText;

// The width of the screen the start checks (the given one, else the primary
// screen), or the
// value a test set with SetScreenWidthForTests (0: the real screen again).
class QScreen;
int StartScreenWidth(const QScreen* screen = nullptr);
void SetScreenWidthForTests(int width);

// A folder named for a caption: the drive letter for a drive root (a mount
// point), otherwise the folder's last name.
QString FolderNameOrDrive(const QString& path);
