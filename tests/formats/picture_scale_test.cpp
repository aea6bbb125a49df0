// The last scale of a decoded picture to its shown size.
#include "formats/picture_scale.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(PictureScale, ShrinksByAreaAveraging)
{
    // A flat colour stays exactly that colour; the same size is the same image.
    QImage flat(999, 777, QImage::Format_RGB32);
    flat.fill(QColor(12, 200, 77));
    const QImage small = ScaleDecodedPicture(flat, {321, 123});
    EXPECT_EQ(small.pixelColor(0, 0), QColor(12, 200, 77));
    EXPECT_EQ(small.pixelColor(320, 122), QColor(12, 200, 77));
    EXPECT_EQ(ScaleDecodedPicture(flat, flat.size()).cacheKey(), flat.cacheKey());
    // A single-pixel line pattern averages to grey rather than aliasing.
    QImage lines(400, 400, QImage::Format_RGB32);
    for (int y = 0; y < 400; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(lines.scanLine(y)), 400, y % 2 ? 0xFFFFFFFFu : 0xFF000000u);
    const QImage grey = ScaleDecodedPicture(lines, {300, 300});
    for (int y = 0; y < 300; ++y) {
        EXPECT_GT(qRed(grey.pixel(150, y)), 50);
        EXPECT_LT(qRed(grey.pixel(150, y)), 205);
    }
}
