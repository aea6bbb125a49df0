#include "browse/crop_cut_out.h"

#include "formats/picture_file.h"
#include "platform/file_attributes.h"
#include "platform/record_file.h"
#include "platform/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QBuffer>

#include <algorithm>
#include <cmath>

QString CutOutFolderFor(const QString& dataFolder)
{
    QString base = dataFolder;
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (base == QLatin1String("/"))
        base.clear();
    return base + QStringLiteral("/temp/Cut out Bitmap Files");
}

QString CutOutFileName(int n)
{
    return QStringLiteral("cut") + QString::number(n) + QStringLiteral(".bmp");
}

QString CutOutFilePath(const QString& folder, int n)
{
    QString base = folder;
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (base == QLatin1String("/"))
        base.clear();
    return base + QLatin1Char('/') + CutOutFileName(n);
}

namespace {

// The size a cut-out of `wanted` gets within kMaxCutOutPixels.
QSize boundedSize(const QSize& wanted)
{
    const qint64 pixels = qint64(wanted.width()) * qint64(wanted.height());
    if (pixels <= kMaxCutOutPixels)
        return wanted;
    const double f = std::sqrt(double(kMaxCutOutPixels) / double(pixels));
    return QSize(std::max(1, int(wanted.width() * f)), std::max(1, int(wanted.height() * f)));
}

} // namespace

QImage CopyCutOut(const QImage& shown, const QSize& trueSize, const QRect& source)
{
    if (shown.isNull() || trueSize.width() <= 0 || trueSize.height() <= 0)
        return QImage();
    const QRect inside = source.intersected(QRect(QPoint(0, 0), trueSize));
    if (inside.isEmpty())
        return QImage();
    const QSize target = boundedSize(inside.size());
    if (shown.size() == trueSize) {
        QImage copy = shown.copy(inside);
        if (copy.size() != target)
            copy = copy.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return copy;
    }
    // The buffer was decoded at another scale: map the rectangle onto it.
    const double sx = double(shown.width()) / double(trueSize.width());
    const double sy = double(shown.height()) / double(trueSize.height());
    const int left = int(std::floor(inside.x() * sx));
    const int top = int(std::floor(inside.y() * sy));
    const int right = int(std::ceil((inside.x() + inside.width()) * sx));
    const int bottom = int(std::ceil((inside.y() + inside.height()) * sy));
    QRect onBuffer(QPoint(left, top), QPoint(std::max(left, right - 1), std::max(top, bottom - 1)));
    onBuffer = onBuffer.intersected(shown.rect());
    if (onBuffer.isEmpty())
        return QImage();
    return shown.copy(onBuffer).scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage ReadCutOutFromFile(const QString& path, const QSize& trueSize, const QRect& source)
{
    if (path.isEmpty() || trueSize.isEmpty())
        return QImage();
    const QRect inside = source.intersected(QRect(QPoint(0, 0), trueSize));
    if (inside.isEmpty())
        return QImage();
    // Only a regular JPEG file, and only through the JPEG reader: the clip
    // rectangle is read straight from the file at full resolution.
    if (PictureKindOfPath(path) != PictureKind::Jpeg)
        return QImage();
    QFile file(path);
    if (!platform::OpenRegularFileForReading(file, path).isEmpty())
        return QImage();
    QImageReader reader(&file, "jpeg");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    if (!reader.canRead() || reader.size() != trueSize
        || !reader.supportsOption(QImageIOHandler::ClipRect))
        return QImage();
    const QSize target = boundedSize(inside.size());
    reader.setClipRect(inside);
    if (target != inside.size())
        reader.setScaledSize(target);
    QImage image = reader.read();
    if (image.isNull() || image.size() != target)
        return QImage();
    return image;
}

CutOutSaved SaveCutOutBitmap(const QImage& bitmap, const QString& folder, int n)
{
    CutOutSaved r;
    r.path = CutOutFilePath(folder, n);
    if (bitmap.isNull()) {
        r.result = CutOutSaveResult::NothingToSave;
        r.message = QStringLiteral("Selection too small!");
        return r;
    }
    if (!QDir().mkpath(folder)) {
        r.result = CutOutSaveResult::FolderFailed;
        r.message = QStringLiteral("Vistamo! : The folder ") + folder + QStringLiteral(" can not be made");
        return r;
    }
    if (QFileInfo::exists(r.path) && platform::IsReadOnly(r.path))
        platform::SetReadOnly(r.path, false);

    // Bitmaps are written without an alpha channel.
    const QImage opaque = bitmap.hasAlphaChannel() ? bitmap.convertToFormat(QImage::Format_RGB32) : bitmap;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    bool ok = buffer.open(QIODevice::WriteOnly) && opaque.save(&buffer, "BMP");
    ok = ok && platform::SafeWriteFile(r.path, bytes).ok();
    if (!ok) {
        r.result = CutOutSaveResult::WriteFailed;
        r.message = QStringLiteral("Vistamo! : The cut-out can not be saved as ") + r.path;
        return r;
    }
    r.result = CutOutSaveResult::Saved;
    return r;
}

CutOutSaved MakeCutOut(const QImage& shown, const QSize& trueSize, const QString& sourcePath,
                       const QRect& source, const QString& folder, int& cutOutCount, QImage* bitmap)
{
    QImage cut;
    // A buffer decoded smaller than the picture would give a blurred
    // cut-out; read the part from the file at full resolution instead.
    if (shown.size() != trueSize)
        cut = ReadCutOutFromFile(sourcePath, trueSize, source);
    if (cut.isNull())
        cut = CopyCutOut(shown, trueSize, source);
    CutOutSaved saved = SaveCutOutBitmap(cut, folder, cutOutCount + 1);
    if (saved.result == CutOutSaveResult::Saved) {
        ++cutOutCount;
        if (bitmap)
            *bitmap = cut;
    }
    return saved;
}
