// The picture object's load-from-file: picks the decoder by the file's
// extension (JPEG, bitmap, icon, GIF, enhanced and Windows metafiles) and
// returns the decoded buffer together with the picture's true size, which
// never depends on the scale the buffer was decoded at.
#pragma once

#include "formats/gif_image.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

enum class PictureKind { Jpeg, Bitmap, Icon, Gif, Emf, Wmf, Unknown };

// By extension, letter case ignored.
PictureKind PictureKindOfPath(const QString& path);

struct LoadedPicture {
    QImage image;                     // the decoded buffer (maybe smaller than trueSize)
    QSize trueSize;                   // the picture's own size, always at least 1 x 1
    PictureKind kind = PictureKind::Unknown;
    int jpegScaleNum = 8;             // JPEG only: the DCT scale n/8 used
    std::shared_ptr<GifImage> gif;   // GIF only: all frames
};

// The largest picture file read into memory.
constexpr qint64 MaxPictureFileBytes = 512LL * 1024 * 1024;

// Reads the whole file. Throws EFOpenError when it cannot be opened,
// EWin32Error when reading fails, and EInvalidGraphic (without reading)
// when the file is larger than the limit.
QByteArray ReadPictureFile(const QString& path);

// The size a picture of the given true size will be shown at (an empty
// size: shown at its true size).
using DisplaySizeFor = std::function<QSize(QSize trueSize)>;

// Decodes bytes of the given kind for display at the size that
// displaySize gives for the picture's true size: a JPEG at the smallest DCT
// scale covering it and shrunk to it exactly (DecodeJpegToSize), a metafile
// drawn at it. Throws EInvalidGraphic (or a
// class derived from it) for bad data, unknown kinds and oversized pictures.
LoadedPicture DecodePicture(const QByteArray& bytes, PictureKind kind, const DisplaySizeFor& displaySize);
// The same for a fixed display size (an empty size decodes at the true size).
LoadedPicture DecodePicture(const QByteArray& bytes, PictureKind kind, QSize target);

// A picture for a preview: read and decoded as the loader does (by the
// path's extension) and fitted into `box` without enlarging (an empty box:
// the true size). A null image when the file cannot be shown; trueSize,
// when given, gets the picture's own size.
QImage LoadPicturePreview(const QString& path, QSize box, QSize* trueSize = nullptr);
// The same, throwing the loader's exceptions when the file cannot be shown.
QImage DecodePicturePreview(const QString& path, QSize box, QSize* trueSize = nullptr);

// ReadPictureFile + DecodePicture by the path's extension.
LoadedPicture LoadPictureFile(const QString& path, const DisplaySizeFor& displaySize);
LoadedPicture LoadPictureFile(const QString& path, QSize target);
