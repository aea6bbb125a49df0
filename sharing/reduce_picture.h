// Reduced JPEG copies of pictures (for mail, uploads, show copies and
// thumbnails): fitted into a chosen box without ever being enlarged, saved
// through libjpeg with a chosen quality, keeping the source's EXIF block,
// its colour profile and its date. The source file is read once.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

// The boxes of the size choices: -1 the shown size (no fitting), 0 320 x 240,
// 1 640 x 480, 2 800 x 600, 3 1024 x 768, 4 1280 x 1024, 5 custom.
QSize ReduceBoxSize(int sizeChoice, QSize customSize = QSize());

// The size a picture of `size` gets in `box`: fitted keeping its aspect
// ratio, never enlarged (a picture that fits already keeps its size).
QSize FitWithoutEnlarging(QSize size, QSize box);

// The metadata segments of a JPEG (APP1..APP15 and comments), in order.
struct JpegSegment {
    int marker;
    QByteArray data;
};
QList<JpegSegment> ReadJpegMetadataSegments(const QByteArray& jpeg);

// The segments a reduced copy carries: the EXIF block and an RGB colour
// profile (all its parts); other metadata (XMP, maker data, previews,
// comments) stays behind.
QList<JpegSegment> ExifAndColourProfile(const QList<JpegSegment>& segments);

// Encodes a picture as a baseline JPEG through libjpeg (quality 1..100),
// writing the given metadata segments after the start of the picture (with an
// EXIF block no JFIF block is written). Empty on failure.
QByteArray EncodeJpeg(const QImage& image, int quality, const QList<JpegSegment>& segments = {});

struct ReduceRequest {
    QString sourcePath;
    QString targetPath;
    // The picture as already shown (an image slot or a preview); when null the
    // source file is loaded.
    QImage shownPicture;
    QString outsideViewer;           // vxview found, to do the resizing ("": none, not used)
    bool keepFileDate = false;       // take the source's file date, not its EXIF date
    int sizeChoice = -1;
    QSize customSize;                // for size choice 5
    int quality = 75;
};

struct ReduceResult {
    bool written = false;
    QString message;                 // for the user when not written
};

// The source of a reduced copy as read once: its bytes (for the metadata
// and the date), its file date, and its picture decoded no larger than the
// box needs (null when it could not be decoded, or when not asked for).
struct ReduceSource {
    QByteArray bytes;
    QDateTime fileDate;
    QImage picture;
    QSize trueSize;                  // the picture's own size (empty when not decoded)
};
ReduceSource ReadReduceSource(const QString& path, QSize box, bool decode = true);

// A reduced copy made in memory, ready to be written: safe on any thread.
struct ReducedJpeg {
    QByteArray jpeg;                 // empty when nothing can be written
    QDateTime date;                  // the date the copy gets (invalid: none)
    QString dateTaken;               // the source's EXIF date taken as stored (empty: none)
    QString message;                 // for the user when jpeg is empty
};
// From the request's shown picture, else from source.picture.
ReducedJpeg PrepareReducedJpeg(const ReduceRequest& request, const ReduceSource& source);
// Writes it at the target (whole-file safe write) and dates it.
ReduceResult WriteReducedJpeg(const QString& targetPath, const ReducedJpeg& reduced);

// Writes the reduced copy (whole-file safe write). Failure to load:
// "Picture " + file name + " could not be loaded, picture skipped".
ReduceResult ReducePicture(const ReduceRequest& request);

// The program's form of the routine: shows a failure in an error box and
// returns true when the target was written. `outsideViewer` as in ReduceRequest.
bool ReducePictureSize(const QString& sourcePath, const QString& targetPath, const QImage& shownPicture,
                       const QString& outsideViewer, bool keepFileDate, int sizeChoice, int quality,
                       QSize customSize = QSize());
