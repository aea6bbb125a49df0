// The cut-out bitmaps of crop-and-enlarge: "cut" + n + ".bmp" in the data
// folder's "temp/Cut out Bitmap Files" folder, n being `CutOutCount`.
// Cut-outs of one picture are cut1.bmp, cut2.bmp, ...; those of the next
// picture overwrite them from cut1.bmp again.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// <data folder>/temp/Cut out Bitmap Files
QString CutOutFolderFor(const QString& dataFolder);
// "cut" + n + ".bmp"
QString CutOutFileName(int n);
// folder + "/" + CutOutFileName(n)
QString CutOutFilePath(const QString& folder, int n);

// The largest cut-out bitmap made, in pixels; a larger selection of a huge
// picture is scaled down to it (its ratio kept).
constexpr qint64 kMaxCutOutPixels = 64LL * 1024 * 1024;

// Copies `source` (a rectangle of the picture at its true size) out of the
// shown buffer `shown`, which may have been decoded smaller than trueSize:
// the rectangle is mapped onto the buffer and the copy is scaled to the
// rectangle's own size, so the cut-out always has the size the selection
// names. A null image when there is nothing to copy.
QImage CopyCutOut(const QImage& shown, const QSize& trueSize, const QRect& source);

// Reads only `source` of the picture file at full resolution, when the
// file's reader can clip and reports exactly trueSize (no orientation
// turned). A null image when that is not possible (the caller then copies
// from the shown buffer).
QImage ReadCutOutFromFile(const QString& path, const QSize& trueSize, const QRect& source);

enum class CutOutSaveResult { Saved, NothingToSave, FolderFailed, WriteFailed };

struct CutOutSaved {
    CutOutSaveResult result = CutOutSaveResult::NothingToSave;
    QString path;       // the file written (or that could not be written)
    QString message;    // user text when not saved
};

// Writes `bitmap` as folder/"cut" + n + ".bmp": makes the folder when it is
// missing, clears the file's read-only attribute when it has one, and
// writes the whole file through a temporary file and rename, so a failure
// leaves the old file as it was.
CutOutSaved SaveCutOutBitmap(const QImage& bitmap, const QString& folder, int n);

// One cut-out of the shown picture: takes `source` (true-size picture
// coordinates) at full resolution from the file when it can, else from the
// shown buffer; raises `cutOutCount` by one and saves the bitmap as
// "cut" + cutOutCount + ".bmp" in `folder`. When nothing can be copied or
// the file can't be written, the count stays as it was. `bitmap` receives
// the cut-out that was saved.
CutOutSaved MakeCutOut(const QImage& shown, const QSize& trueSize, const QString& sourcePath,
                       const QRect& source, const QString& folder, int& cutOutCount,
                       QImage* bitmap = nullptr);
