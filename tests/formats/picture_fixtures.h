// Pictures made in the test sandbox: JPEGs (with and without EXIF),
// bitmaps, icons, animated GIFs and small metafiles written byte by byte.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QString>
#include <QtEndian>

#include <exiv2/exiv2.hpp>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace fixtures {

inline QImage testPattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 200));
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, QColor(230, 60, 30));
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(250, 240, 50));
    return image;
}

inline QByteArray encode(const QImage& image, const char* format, int quality = 85)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

inline QByteArray jpeg(int w, int h, int quality = 85) { return encode(testPattern(w, h), "JPG", quality); }
inline QByteArray bmp(int w, int h) { return encode(testPattern(w, h), "BMP"); }
inline QByteArray ico(int w, int h) { return encode(testPattern(w, h), "ICO"); }

// Adds EXIF fields (key, value) to a JPEG in memory through exiv2.
inline QByteArray withExif(const QByteArray& jpegBytes, const std::vector<std::pair<std::string, std::string>>& fields)
{
    auto image = Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte*>(jpegBytes.constData()),
                                           long(jpegBytes.size()));
    image->readMetadata();
    Exiv2::ExifData& exif = image->exifData();
    for (const auto& f : fields) {
        if (f.first == "Exif.Photo.PixelXDimension" || f.first == "Exif.Photo.PixelYDimension")
            exif[f.first] = uint32_t(std::stoul(f.second));
        else
            exif[f.first] = f.second;
    }
    image->writeMetadata();
    Exiv2::BasicIo& io = image->io();
    io.open();
    QByteArray out(qsizetype(io.size()), Qt::Uninitialized);
    io.seek(0, Exiv2::BasicIo::beg);
    io.read(reinterpret_cast<Exiv2::byte*>(out.data()), long(out.size()));
    io.close();
    return out;
}

// Replaces the size in the frame header (SOF0/SOF2) of a JPEG.
inline QByteArray withJpegSize(QByteArray bytes, int w, int h)
{
    for (int i = 2; i + 9 < bytes.size(); ++i) {
        const uchar m = uchar(bytes[i + 1]);
        if (uchar(bytes[i]) == 0xFF && (m == 0xC0 || m == 0xC1 || m == 0xC2)) {
            bytes[i + 5] = char(h >> 8);
            bytes[i + 6] = char(h & 0xFF);
            bytes[i + 7] = char(w >> 8);
            bytes[i + 8] = char(w & 0xFF);
            return bytes;
        }
    }
    return bytes;
}

inline void put16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}
inline void put32(QByteArray& b, qint64 v)
{
    put16(b, int(v & 0xFFFF));
    put16(b, int((v >> 16) & 0xFFFF));
}

// A GIF of w x h with one frame per colour index (palette of 4 colours),
// looping forever, each frame shown delayCs hundredths of a second. The
// pixel data is written as LZW codes of constant width (a clear code before
// every two pixels), which every GIF reader accepts.
inline QByteArray animatedGif(int w, int h, std::initializer_list<int> frameColours, int delayCs = 10)
{
    QByteArray b("GIF89a");
    put16(b, w);
    put16(b, h);
    b.append(char(0x81)); // global colour table, 2 bits per entry -> 4 colours
    b.append(char(0));
    b.append(char(0));
    const uchar palette[12] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    b.append(reinterpret_cast<const char*>(palette), 12);
    // NETSCAPE2.0 loop extension.
    b.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int colour : frameColours) {
        b.append("\x21\xF9\x04\x00", 4);
        put16(b, delayCs);
        b.append(char(0));
        b.append(char(0));
        b.append(char(0x2C));
        put16(b, 0);
        put16(b, 0);
        put16(b, w);
        put16(b, h);
        b.append(char(0));
        b.append(char(2)); // minimum code size
        QByteArray data;
        quint32 acc = 0;
        int bits = 0;
        const auto code = [&](int c) {
            acc |= quint32(c) << bits;
            bits += 3;
            while (bits >= 8) {
                data.append(char(acc & 0xFF));
                acc >>= 8;
                bits -= 8;
            }
        };
        const int pixels = w * h;
        for (int i = 0; i < pixels; i += 2) {
            code(4);
            code(colour);
            if (i + 1 < pixels)
                code(colour);
        }
        code(5);
        if (bits > 0)
            data.append(char(acc & 0xFF));
        for (int at = 0; at < data.size(); at += 255) {
            const int n = int(std::min<qsizetype>(255, data.size() - at));
            b.append(char(n));
            b.append(data.mid(at, n));
        }
        b.append(char(0));
    }
    b.append(char(0x3B));
    return b;
}

// An enhanced metafile of a filled rectangle, framed as w x h pixels on a
// 96 dpi reference device.
inline QByteArray emf(int w, int h)
{
    QByteArray b;
    put32(b, 1);            // EMR_HEADER
    put32(b, 88);           // size
    put32(b, 0); put32(b, 0); put32(b, w - 1); put32(b, h - 1);   // bounds
    // frame in 0.01 mm: pixels * 2540 / 96
    put32(b, 0); put32(b, 0); put32(b, qint64(w) * 2540 / 96); put32(b, qint64(h) * 2540 / 96);
    put32(b, 0x464D4520);   // " EMF"
    put32(b, 0x10000);      // version
    put32(b, 88 + 24 + 20); // bytes
    put32(b, 3);            // records
    put16(b, 1);            // handles
    put16(b, 0);
    put32(b, 0); put32(b, 0); put32(b, 0); // description, palette
    put32(b, 1920); put32(b, 1080);        // reference device, pixels
    put32(b, 508); put32(b, 286);          // reference device, mm
    put32(b, 43);           // EMR_RECTANGLE
    put32(b, 24);
    put32(b, w / 4); put32(b, h / 4); put32(b, w * 3 / 4); put32(b, h * 3 / 4);
    put32(b, 14);           // EMR_EOF
    put32(b, 20);
    put32(b, 0); put32(b, 16); put32(b, 20);
    return b;
}

// A placeable Windows metafile of a rectangle, w x h pixels at 96 dpi.
inline QByteArray wmf(int w, int h)
{
    QByteArray header;
    put32(header, 0x9AC6CDD7);
    put16(header, 0);
    put16(header, 0); put16(header, 0); put16(header, w * 10); put16(header, h * 10); // bbox
    put16(header, 960);     // units per inch
    put32(header, 0);
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= qFromLittleEndian<quint16>(header.constData() + i * 2);
    put16(header, sum);

    QByteArray records;
    const auto record = [&](int function, std::initializer_list<int> params) {
        put32(records, 3 + qint64(params.size()));
        put16(records, function);
        for (int p : params)
            put16(records, p);
    };
    record(0x020B, {0, 0});                 // SetWindowOrg
    record(0x020C, {h * 10, w * 10});       // SetWindowExt
    record(0x041B, {h * 8, w * 8, h * 2, w * 2}); // Rectangle
    record(0x0000, {});                     // end

    QByteArray meta;
    put16(meta, 1);
    put16(meta, 9);
    put16(meta, 0x0300);
    put32(meta, (18 + records.size()) / 2);
    put16(meta, 0);
    put32(meta, 7);
    put16(meta, 0);
    return header + meta + records;
}

// A 99-byte QuickTime movie whose user-data atom is malformed: its size
// claims far more than the file holds and its first entry's size is -1.
inline QByteArray quickTimeWithBadUserData()
{
    const auto be32 = [](QByteArray& b, quint32 v) {
        for (int shift = 24; shift >= 0; shift -= 8)
            b.append(char((v >> shift) & 0xFF));
    };
    QByteArray b;
    be32(b, 20);
    b.append("ftypqt  ");
    be32(b, 0x200);
    b.append("qt  ");
    be32(b, 79);
    b.append("moov");
    be32(b, 0x7FFFFFF0);
    b.append("udta");
    be32(b, 0xFFFFFFFF);
    b.append("\xA9nam");
    be32(b, 0x00100000);
    b.append("Hello");
    while (b.size() < 99)
        b.append(char(0xFF));
    return b;
}

// A JPEG of w x h whose pixels are noise, so that its coded data is large
// (about a byte a pixel at quality 95).
inline QByteArray noisyJpeg(int w, int h, bool progressive = false)
{
    QImage image(w, h, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            image.setPixel(x, y, seed >> 8);
        }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPG");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

} // namespace fixtures
