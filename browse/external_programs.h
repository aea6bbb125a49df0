// Outside programs started on the current picture or folder: the edit and
// video programs the user configures, the sibling renaming program, and the
// outside viewer (vxview) that rotates pictures and makes resized copies.
// Only one outside program runs at a time; the main window waits for it,
// polling every 100 ms while window messages run.
//
// Programs are started through QProcess with an argument list, never through
// a shell: a "command line" here is a program and its arguments.
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

class QObject;

struct DataPaths;

// The texts of this concern.
extern const QString OneExternalProcessText;  // "Not allowed to start more than 1 external process from Vistamo!"
extern const QString ViewerMissingText;       // the rotate handlers' note when vxview is missing
extern const QString NoEditProgramHint;       // "Launch Edit Program, Define in Options"
// The viewer's home page (the Help menu's item opens it).
extern const QString ViewerHomePage;

// ---- commands ------------------------------------------------------------------------

struct ExternalCommand {
    QString program;
    QStringList arguments;
    bool isEmpty() const { return program.isEmpty(); }
    bool operator==(const ExternalCommand&) const = default;
};

// The classic one-text form, each part quoted when it holds a blank (for
// messages and logs only; nothing is ever run through a shell).
QString ExternalCommandText(const ExternalCommand& command);

// What decides the arguments a launch adds to its command start.
struct ExternalLaunchState {
    bool thumbnailView = false;     // the page of thumbnails is shown
    bool fullViewOpen = false;      // the full picture view is open
    QStringList tickedPictures;     // the ticked page pictures, in slot order
    bool withPicture = false;       // a picture launch (else a folder launch)
    QString cutOutPath;             // the cut-out bitmap on screen ("" when none)
    bool showRunning = false;
    QString currentShowPicture;
    QString editTarget;
    QString selectedFolder;
};

struct ExternalLaunchPlan {
    ExternalCommand command;
    // The pictures the program works on (their thumbnails are renewed
    // afterwards); the cut-out when one is on screen; empty for a folder.
    QStringList pictures;
    bool cutOut = false;            // the cut-out bitmap is the file given
    bool pageRun = false;           // the ticked page pictures were given
};

// The arguments added to `start`: the ticked pictures (thumbnail view without
// the full view), the cut-out bitmap, the edit target (no show, or the full
// view over the thumbnail page), the current show picture (during a show),
// or, without picture, the selected folder.
ExternalLaunchPlan PlanExternalLaunch(const ExternalCommand& start, const ExternalLaunchState& state);

// How a wait ended.
enum class ExternalRunResult { Finished, NotStarted, Crashed };
struct ExternalRunOutcome {
    ExternalRunResult result = ExternalRunResult::NotStarted;
    int exitCode = -1;
};

// Starts the program in its own process group, a child of `context`; `done`
// gets how it ended on the window's thread, from the event loop (also for
// a program that cannot be started), unless `context` has gone by then.
void StartExternalProgram(const ExternalCommand& command, QObject* context,
                          std::function<void(const ExternalRunOutcome&)> done);

// Starts the program in its own process group and blocks the calling thread
// until it ends, for workers and tools (the window's thread starts programs
// with StartExternalProgram). A program that cannot be started returns at once.
ExternalRunOutcome RunAndWait(const ExternalCommand& command);

// The most recently used video program moves to the front: entries
// 0 .. index-1 move one place down and the chosen one becomes entry 0.
void MoveVideoProgramToFront(std::array<QString, 5>& programs, int index);

// ---- the viewer -------------------------------------------------------------------------

// viewer "F" /rotate_l /convert="F"  ('L'; anything else /rotate_r).
ExternalCommand ViewerRotateCommand(const QString& viewer, const QString& file, QChar direction);
// viewer "S" /resize=(W,H) /aspectratio /resample /convert="T"
ExternalCommand ViewerResizeCommand(const QString& viewer, const QString& source, const QString& target,
                                    int width, int height);

// Makes the resized copy through the viewer at `viewer` (IrfanViewPath) and
// waits for it (not guarded by the one-program-at-a-time rule). True when the
// viewer ended normally with 0 and the target exists.
bool RunIrfanViewResize(const QString& viewer, const QString& source, const QString& target, int width, int height);

// Rotates a file and then, when it exists, its thumbnail through the viewer
// (StartExternalProgram with `context`). With resetFileDate the files' dates
// become their EXIF date taken, the date the picture had before
// (`previousDate`, packed) when there is none. `done` gets whether the
// picture itself was rotated, once both have ended.
void RotateFileWithViewer(const QString& viewer, const QString& file, const QString& thumbnail, QChar direction,
                          bool resetFileDate, int32_t previousDate, QObject* context,
                          std::function<void(bool rotated)> done);

// "Use resample filter …" for the viewer's [Resize] ResampleFilter, read
// from whichever settings file is the newer of `besideProgram` (read unless
// it is older than the other) and `inDataFolder`; "Resample filter not
// determined" when the file chosen cannot be read.
QString GetResampleFilterText(const QString& inDataFolder, const QString& besideProgram);
// The same for the viewer at `viewerPath` (its data folder IrfanViewDataFolder).
QString GetResampleFilterText(const DataPaths& paths, const QString& viewerPath);
// The viewer's settings files: in its data folder, and beside the program
// (its path without the extension, + ".ini").
QString ViewerIniInDataFolder(const DataPaths& paths);
QString ViewerIniBesideProgram(const QString& viewerPath);

// ---- rotation of ticked pictures --------------------------------------------------------

// Whether the page picture may be rotated: writable, on a writable drive,
// extension ".jpg", ".jpeg" or ".bmp" (any case).
bool CanRotatePictureFile(const QString& path);

// The note for `affected` of `total` ticked pictures that can not be rotated
// ("" when none is affected).
QString RotateRefusalText(int affected, int total);

// ---- launch menus and buttons -----------------------------------------------------------

// A launch item's caption: the program's file name, "&" doubled.
QString LaunchCaption(const QString& program);
// "Launch " + the program's file name.
QString LaunchHint(const QString& program);
// The Left of each shown launch button on a panel of `panelWidth`: from
// panelWidth - 33 leftwards in steps of 24, program 4 first; -1 for a
// button that is not shown.
std::array<int, 5> LaunchButtonLefts(int panelWidth, const std::array<uint8_t, 5>& shown);

// ---- file dates from EXIF ----------------------------------------------------------------

struct ResetDateCounts {
    int processed = 0;
    int reset = 0;
    int noNeed = 0;
    int noExif = 0;
    int error = 0;
};

// Resets the file date of every picture (".emf", ".wmf", ".ico", ".gif",
// ".jpg", ".jpeg", ".bmp"; not hidden, system or read-only) of `folder`, and
// of its subfolders when `includeSubfolders` (never "vxothumb"), to its EXIF
// date taken. `progress` gets each file name before it is worked on and may
// return false to stop.
ResetDateCounts ResetFileDatesInFolder(const QString& folder, bool includeSubfolders,
                                       const std::function<bool(const QString& name)>& progress = {});

// The results box's text.
QString ResetDatesResultText(const ResetDateCounts& counts);
