#include "formats/gif_image.h"

#include "formats/jpeg_decoder.h"
#include "formats/picture_errors.h"
#include "platform/regular_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

void GifImage::LoadFromFile(const QString& path)
{
    QFile file(path);
    const QString refused = platform::OpenRegularFileForReading(file, path);
    if (!refused.isEmpty())
        throw EFOpenError("Cannot open file " + path.toStdString() + ". " + refused.toStdString());
    if (file.size() > MaxFileBytes)
        throw EGIFError("GIF file is too large");
    LoadFromBytes(file.read(file.size()));
}

void GifImage::LoadFromBytes(const QByteArray& bytes)
{
    m_frames.clear();
    m_delays.clear();
    m_size = QSize();
    if (bytes.size() < 13 || !(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")))
        throw EGIFError("Not a GIF file");
    // The logical screen size is in the header: refuse huge claims before
    // Qt allocates anything.
    const auto u16 = [&](int at) { return int(uchar(bytes[at])) | (int(uchar(bytes[at + 1])) << 8); };
    const int screenW = u16(6), screenH = u16(8);
    if (qint64(screenW) * screenH > MaxDecodedPixels)
        throw EGIFError("GIF picture is too large");

    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    const QSize claimed = reader.size();
    if (!claimed.isValid() || claimed.isEmpty())
        throw EGIFError("GIF picture has no size");
    if (qint64(claimed.width()) * claimed.height() > MaxDecodedPixels)
        throw EGIFError("GIF picture is too large");
    m_loopCount = reader.loopCount();

    qint64 budget = MaxTotalPixels;
    while (int(m_frames.size()) < MaxFrames) {
        QImage frame;
        if (!reader.read(&frame) || frame.isNull())
            break;
        const qint64 pixels = qint64(frame.width()) * frame.height();
        if (!m_frames.empty() && pixels > budget)
            break;
        budget -= pixels;
        m_delays.push_back(qMax(20, reader.nextImageDelay()));
        m_frames.push_back(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        if (!reader.canRead())
            break;
    }
    if (m_frames.empty())
        throw EGIFError("GIF image is not valid: " + reader.errorString().toStdString());
    m_size = m_frames.front().size();
}
