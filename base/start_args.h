// The command line of Vistamo! and the start modes and outcomes it sets.
//
// Parameter 1 is compared exactly (letter case included); the first match wins:
//   "/vxdemo"            demo mode (the self-running show of a CD)
//   "/audio" [playlist]  the audio-only player, with an optional playlist
//   an existing folder   argument mode: the folder is offered to the launcher
//   an existing ".vxt"   argument mode with a show file (extension in any case)
// Anything else is ignored.
#pragma once

#include "base/start_modes.h"  // ArgumentMode

#include <QString>
#include <QStringList>

#include <cstdint>

// Start modes (1 = set), all 0 unless the command line sets them.
extern uint8_t DemoMode;
extern uint8_t AudioMode;
extern uint8_t ShowFileArgument;
extern QString AudioPlaylistArgument;   // the playlist given after "/audio"
// The folder or show-file argument as given (made absolute), empty without one.
extern QString StartArgument;

// Start outcomes.
extern uint8_t StartAbort;      // the program refuses to run
extern uint8_t StartupRunFlag;  // 1 when the main window was created completely
extern uint8_t OpenNormally;    // the user chose to open the argument in the normal window
extern QString StartupMessage;  // a start-up warning shown once the windows exist

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

// Sets the mode globals from a parsed command line (clearing the others).
void ApplyStartArgs(const TStartArgs& args);

// Clears every start mode and outcome (a new start; used by tests too).
void ClearStartModes();

// True when the start keeps "AudioRun.dat" rather than "OtherRun.dat": the
// first parameter is exactly "/audio".
bool IsAudioStart(const QStringList& params);

// Demo mode: the folder of the automatic show on the current drive ("/"-ended
// unless empty).
extern QString DemoShowFolder;

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
