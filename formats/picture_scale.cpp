#include "formats/picture_scale.h"

#include <algorithm>
#include <cstdint>

QImage HalvePicture(const QImage& input)
{
    QImage image = input;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32
        && image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_RGB32);
    const int sw = image.width();
    const int sh = image.height();
    const int dw = (sw + 1) / 2;
    const int dh = (sh + 1) / 2;
    QImage out(dw, dh, image.format());
    if (out.isNull())
        return out;
    for (int y = 0; y < dh; ++y) {
        const auto* a = reinterpret_cast<const uint32_t*>(image.constScanLine(2 * y));
        const auto* b = reinterpret_cast<const uint32_t*>(image.constScanLine(std::min(2 * y + 1, sh - 1)));
        auto* d = reinterpret_cast<uint32_t*>(out.scanLine(y));
        const int pairs = sw / 2;
        for (int x = 0; x < pairs; ++x) {
            const uint32_t p0 = a[2 * x], p1 = a[2 * x + 1], p2 = b[2 * x], p3 = b[2 * x + 1];
            // Two channels at a time in 16-bit lanes: the sum of four 8-bit
            // values fits in 10 bits, +2 rounds.
            const uint32_t rb = ((p0 & 0x00FF00FF) + (p1 & 0x00FF00FF) + (p2 & 0x00FF00FF) + (p3 & 0x00FF00FF)
                                 + 0x00020002) >> 2;
            const uint32_t ag = (((p0 >> 8) & 0x00FF00FF) + ((p1 >> 8) & 0x00FF00FF) + ((p2 >> 8) & 0x00FF00FF)
                                 + ((p3 >> 8) & 0x00FF00FF) + 0x00020002) >> 2;
            d[x] = (rb & 0x00FF00FF) | ((ag & 0x00FF00FF) << 8);
        }
        if (sw & 1) {
            const uint32_t p0 = a[sw - 1], p2 = b[sw - 1];
            const uint32_t rb = ((p0 & 0x00FF00FF) + (p2 & 0x00FF00FF) + 0x00010001) >> 1;
            const uint32_t ag = (((p0 >> 8) & 0x00FF00FF) + ((p2 >> 8) & 0x00FF00FF) + 0x00010001) >> 1;
            d[dw - 1] = (rb & 0x00FF00FF) | ((ag & 0x00FF00FF) << 8);
        }
    }
    return out;
}

QImage ScaleDecodedPicture(const QImage& image, QSize size)
{
    if (image.isNull() || size.isEmpty() || image.size() == size)
        return image;
    QImage source = image;
    while (source.width() >= 2 * size.width() && source.height() >= 2 * size.height())
        source = HalvePicture(source);
    if (source.size() == size)
        return source;
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
