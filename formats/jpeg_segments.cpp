#include "formats/jpeg_segments.h"

#include <cstring>

namespace {

int byteAt(const QByteArray& b, int i) { return static_cast<unsigned char>(b[i]); }

bool isTiffHeader(const QByteArray& b)
{
    return b.size() >= 8
           && (std::memcmp(b.constData(), "II*\0", 4) == 0 || std::memcmp(b.constData(), "MM\0*", 4) == 0);
}

// Walks the segments; for the first APP1 "Exif" segment returns its span
// and, when `body` is given, its TIFF part.
JpegSegmentSpan walk(const JpegByteSource& read, QByteArray* body)
{
    if (!LooksLikeJpeg(read(0, 4)))
        return {};
    qint64 pos = 2;
    for (int n = 0; n < MaxJpegHeaderSegments && pos < MaxJpegHeaderBytes; ++n) {
        const QByteArray head = read(pos, 4);
        if (head.size() < 2 || byteAt(head, 0) != 0xFF)
            return {};
        const int marker = byteAt(head, 1);
        if (marker == 0xFF) { // fill byte before a marker
            ++pos;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length
            pos += 2;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9 || head.size() < 4)
            return {};
        const int length = (byteAt(head, 2) << 8) | byteAt(head, 3);
        if (length < 2)
            return {};
        if (marker == 0xE1 && length >= 2 + 6 + 8) {
            const QByteArray payload = read(pos + 4, length - 2);
            if (payload.size() == length - 2 && std::memcmp(payload.constData(), "Exif\0\0", 6) == 0) {
                const QByteArray tiff = payload.mid(6);
                if (isTiffHeader(tiff)) {
                    if (body)
                        *body = tiff;
                    return {pos, 2 + qint64(length)};
                }
            }
        }
        pos += 2 + qint64(length);
    }
    return {};
}

JpegByteSource memorySource(const QByteArray& jpeg)
{
    return [&jpeg](qint64 offset, qint64 count) {
        if (offset < 0 || offset >= jpeg.size())
            return QByteArray();
        return jpeg.mid(qsizetype(offset), qsizetype(qMin(count, jpeg.size() - offset)));
    };
}

} // namespace

bool LooksLikeJpeg(const QByteArray& head)
{
    return head.size() >= 3 && byteAt(head, 0) == 0xFF && byteAt(head, 1) == 0xD8 && byteAt(head, 2) == 0xFF;
}

QByteArray FindJpegExifBlock(const JpegByteSource& read)
{
    QByteArray body;
    walk(read, &body);
    return body;
}

QByteArray FindJpegExifBlock(const QByteArray& jpeg)
{
    return FindJpegExifBlock(memorySource(jpeg));
}

JpegSegmentSpan FindJpegExifSegment(const QByteArray& jpeg)
{
    return walk(memorySource(jpeg), nullptr);
}
