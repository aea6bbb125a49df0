#include "sharing/grayscale.h"

#include <QImage>
#include <QPixmap>

#include <cmath>

void GrayscaleBitmap(QImage& bitmap)
{
    if (bitmap.isNull())
        return;
    const bool alpha = bitmap.hasAlphaChannel();
    const QImage::Format wanted = alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32;
    if (bitmap.format() != wanted)
        bitmap = bitmap.convertToFormat(wanted);
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            const QRgb p = line[x];
            // Integer form of round(0.3 R + 0.6 G + 0.1 B), an exact half
            // going to the even neighbour.
            const int tenths = 3 * qRed(p) + 6 * qGreen(p) + qBlue(p);
            int grey = tenths / 10;
            const int rest = tenths % 10;
            if (rest > 5 || (rest == 5 && grey % 2 == 1))
                ++grey;
            line[x] = qRgba(grey, grey, grey, qAlpha(p));
        }
    }
}

void GrayscaleBitmap(QPixmap& bitmap)
{
    QImage image = bitmap.toImage();
    GrayscaleBitmap(image);
    bitmap = QPixmap::fromImage(image);
}
