// The outside picture viewer `vxview`: its command lines and what it does
// with them. The program starts it for rotations and resized copies with the
// viewer's classic command lines:
//   "F" /rotate_l /convert="F"        (rotate left, written back to F)
//   "F" /rotate_r /convert="F"        (rotate right)
//   "S" /resize=(W,H) /aspectratio /resample /convert="T"
// The tool reads them either as an argument list (the quotes already
// removed) or as one whole command-line text.
//
// A JPEG is rotated losslessly (TurboJPEG transform, every marker and the
// EXIF block kept) when its size is a whole number of coding blocks in the
// direction that needs it; otherwise it is decoded, turned and encoded again
// with its metadata segments. Every result is written to a temporary file in
// the target's folder and renamed over it: a failure leaves the old file.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

// Splits one viewer command line into words. The viewer's command lines
// quote paths with double quotes: blanks separate words, a double quote starts
// or ends a quoted stretch (the quote itself is dropped), so `/convert="C:\a b.jpg"` is the one word `/convert=C:\a b.jpg`.
QStringList SplitViewerCommandLine(const QString& commandLine);

struct ViewerCommand {
    enum class Action { None, Rotate, Resize };
    Action action = Action::None;
    QString source;
    QString target;            // /convert=; empty: the source itself
    int quarterTurns = 0;      // +1 right (clockwise), -1 left
    QSize box;                 // /resize=(W,H); 0 on one side: from the other side
    bool aspectRatio = false;  // /aspectratio: keep the proportions inside the box
    bool resample = false;     // /resample: smooth filter instead of nearest pixels
    QString error;             // why the line cannot be carried out ("" when it can)

    bool ok() const { return error.isEmpty() && action != Action::None; }
};

// Reads the viewer's switches (letter case of switches ignored, as the
// viewer does). The first word that is not a switch is the source picture.
ViewerCommand ParseViewerArguments(const QStringList& arguments);

// The arguments the tool was started with: one argument that holds a whole
// command line (it starts with a quote, or holds a switch after a blank and
// is no existing file) is split first.
ViewerCommand ParseViewerCommand(const QStringList& arguments);

// The size a picture of `size` gets for the command's box: without
// /aspectratio the box itself (a 0 side keeps the picture's side); with it,
// fitted inside the box keeping the proportions (a 0 side is worked out from
// the other side). Never smaller than 1 x 1.
QSize ViewerResizedSize(QSize size, QSize box, bool aspectRatio);

// ---- JPEG rotation ------------------------------------------------------------

enum class JpegRotation { Lossless, Reencoded, Failed };

// Rotates a JPEG held in memory by a quarter turn (right when `right`).
// Lossless when TurboJPEG can transform it perfectly (its size fits whole
// coding blocks); else, when `allowReencode`, decoded, turned and encoded
// again at `quality` with its APPn and comment segments. `out` gets the new
// file's bytes.
JpegRotation RotateJpegData(const QByteArray& jpeg, bool right, QByteArray& out, bool allowReencode = true,
                            int quality = 92);

// ---- the viewer's settings file --------------------------------------------------

// The viewer's own settings file: "vxview.ini" in its folder under the
// user's data folder (XDG_DATA_HOME/vxview).
QString ViewerSettingsPath();
// [Resize] ResampleFilter: 0 Hermite, 1 Triangle, 2 Mitchell, 3 Bell,
// 4 B-Spline, 5 Lanczos (the default, also for anything else).
int ViewerResampleFilter(const QString& iniPath);
// [JPEG] Save Quality, 1..100 (default 92).
int ViewerJpegQuality(const QString& iniPath);

// ---- carrying a command out ---------------------------------------------------------

struct ViewerResult {
    bool ok = false;
    QString message;           // what went wrong, for the tool's error output
    bool lossless = false;     // a JPEG rotation that kept every coded block
};

// Carries out a parsed command: reads the source, rotates or resizes it and
// writes the target (format by the target's extension; JPEG, BMP, PNG …)
// through a temporary file and rename. Settings from `iniPath` ("" for the
// defaults).
ViewerResult RunViewerCommand(const ViewerCommand& command, const QString& iniPath = QString());
