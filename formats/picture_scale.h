// The last step of showing a decoded picture: bringing the decoded buffer
// (a JPEG decoded at the DCT scale just above its shown size, or any other
// picture at its own size) to exactly the size it is shown at.
#pragma once

#include <QImage>
#include <QSize>

// The picture at `size`. Shrinking by 2 or more first halves the picture
// with an exact 2 x 2 average (cheap and free of aliasing) until less than a
// halving is left, then area-averages the rest; enlarging is bilinear. The
// same image comes back when it already has that size. Safe on any thread.
QImage ScaleDecodedPicture(const QImage& image, QSize size);

// One exact 2 x 2 halving of a 32-bit picture (an odd last row or column is
// averaged with itself); other formats are converted to RGB32 first.
QImage HalvePicture(const QImage& image);
