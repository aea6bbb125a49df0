#include "formats/picture_file.h"

#include "formats/jpeg_decoder.h"
#include "formats/metafile.h"
#include "formats/picture_errors.h"
#include "platform/regular_file.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

PictureKind PictureKindOfPath(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg") || ext == QLatin1String("jpe")
        || ext == QLatin1String("jfif"))
        return PictureKind::Jpeg;
    if (ext == QLatin1String("bmp") || ext == QLatin1String("dib"))
        return PictureKind::Bitmap;
    if (ext == QLatin1String("ico"))
        return PictureKind::Icon;
    if (ext == QLatin1String("gif"))
        return PictureKind::Gif;
    if (ext == QLatin1String("emf"))
        return PictureKind::Emf;
    if (ext == QLatin1String("wmf"))
        return PictureKind::Wmf;
    return PictureKind::Unknown;
}

namespace {

void checkOpenable(const QString& path)
{
    QFileInfo info(path);
    if (!info.exists())
        throw EFOpenError("Cannot open file \"" + path.toStdString() + "\". The file does not exist.");
    if (info.isDir())
        throw EFOpenError("Cannot open file \"" + path.toStdString() + "\". It is a folder.");
}

} // namespace

QByteArray ReadPictureFile(const QString& path)
{
    checkOpenable(path);
    QFile file(path);
    const QString refused = platform::OpenRegularFileForReading(file, path);
    if (!refused.isEmpty())
        throw EFOpenError("Cannot open file \"" + path.toStdString() + "\". " + refused.toStdString());
    const qint64 size = file.size();
    if (size > MaxPictureFileBytes)
        throw EInvalidGraphic("The picture file is too large (" + std::to_string(size) + " bytes)");
    QByteArray bytes;
    bytes.resize(qsizetype(size));
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(bytes.data() + got, size - got);
        if (n < 0)
            throw EWin32Error("Read error: " + file.errorString().toStdString());
        if (n == 0)
            break; // the file shrank while being read
        got += n;
    }
    bytes.resize(qsizetype(got));
    return bytes;
}

namespace {

// Qt's readers for bitmaps and icons, with the size checked from the header
// before any pixel is allocated.
QImage readWithQt(const QByteArray& bytes, const char* format, const char* kindName)
{
    if (bytes.isEmpty())
        throw EInvalidGraphic(std::string(kindName) + " image is not valid");
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    const QSize claimed = reader.size();
    if (claimed.isValid() && qint64(claimed.width()) * claimed.height() > MaxDecodedPixels)
        throw EInvalidGraphic(std::string(kindName) + " image is too large");
    QImage image;
    if (!reader.read(&image) || image.isNull() || image.width() <= 0 || image.height() <= 0)
        throw EInvalidGraphic(std::string(kindName) + " image is not valid");
    return image;
}

// An enlargement of a vector picture is drawn at the size shown; a
// reduction too. Without a target it is drawn at its own size.
QSize metafileDrawSize(QSize trueSize, QSize target)
{
    if (target.width() <= 0 || target.height() <= 0)
        return trueSize;
    return trueSize.scaled(target, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace

LoadedPicture DecodePicture(const QByteArray& bytes, PictureKind kind, const DisplaySizeFor& displaySize)
{
    const auto targetFor = [&](QSize trueSize) { return displaySize ? displaySize(trueSize) : QSize(); };
    LoadedPicture out;
    out.kind = kind;
    switch (kind) {
    case PictureKind::Jpeg: {
        const QSize target = targetFor(ReadJpegHeader(bytes).size);
        DecodedJpeg jpeg = DecodeJpegToSize(bytes, target);
        out.image = std::move(jpeg.image);
        out.trueSize = jpeg.trueSize;
        out.jpegScaleNum = jpeg.scaleNum;
        break;
    }
    case PictureKind::Bitmap:
        out.image = readWithQt(bytes, "bmp", "Bitmap");
        out.trueSize = out.image.size();
        break;
    case PictureKind::Icon:
        out.image = readWithQt(bytes, "ico", "Icon");
        out.trueSize = out.image.size();
        break;
    case PictureKind::Gif: {
        auto gif = std::make_shared<GifImage>();
        gif->LoadFromBytes(bytes);
        out.image = gif->Frame(0);
        out.trueSize = gif->Size();
        out.gif = std::move(gif);
        break;
    }
    case PictureKind::Emf:
    case PictureKind::Wmf: {
        const MetafileSvg svg = kind == PictureKind::Emf ? EmfToSvg(bytes) : WmfToSvg(bytes);
        out.trueSize = svg.trueSize;
        out.image = RenderSvgToImage(svg.svg, metafileDrawSize(svg.trueSize, targetFor(svg.trueSize)));
        break;
    }
    case PictureKind::Unknown:
        throw EInvalidGraphic("Unknown picture file extension");
    }
    if (out.trueSize.width() <= 0 || out.trueSize.height() <= 0 || out.image.isNull())
        throw EInvalidGraphic("The picture has no pixels");
    return out;
}

LoadedPicture DecodePicture(const QByteArray& bytes, PictureKind kind, QSize target)
{
    return DecodePicture(bytes, kind, [target](QSize) { return target; });
}

LoadedPicture LoadPictureFile(const QString& path, const DisplaySizeFor& displaySize)
{
    checkOpenable(path);
    const PictureKind kind = PictureKindOfPath(path);
    if (kind == PictureKind::Unknown)
        throw EInvalidGraphic("Unknown picture file extension (." + QFileInfo(path).suffix().toStdString() + ")");
    return DecodePicture(ReadPictureFile(path), kind, displaySize);
}

QImage DecodePicturePreview(const QString& path, QSize box, QSize* trueSize)
{
    const auto fitted = [box](QSize size) {
        if (size.isEmpty() || box.isEmpty())
            return QSize();
        const double f = std::min(double(box.height()) / size.height(), double(box.width()) / size.width());
        if (f >= 1.0)
            return QSize();
        return QSize(std::max(1, int(std::nearbyint(size.width() * f))),
                     std::max(1, int(std::nearbyint(size.height() * f))));
    };
    const LoadedPicture picture = LoadPictureFile(path, fitted);
    if (trueSize)
        *trueSize = picture.trueSize;
    const QSize target = fitted(picture.trueSize);
    if (target.isValid() && picture.image.size() != target)
        return picture.image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture.image;
}

QImage LoadPicturePreview(const QString& path, QSize box, QSize* trueSize)
{
    try {
        return DecodePicturePreview(path, box, trueSize);
    } catch (...) {
        return QImage();
    }
}

LoadedPicture LoadPictureFile(const QString& path, QSize target)
{
    return LoadPictureFile(path, [target](QSize) { return target; });
}
