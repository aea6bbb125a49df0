// The last step of showing a decoded picture: bringing the decoded buffer
// (a JPEG decoded at the DCT scale just above its shown size, or any other
// picture at its own size) to exactly the size it is shown at.
#pragma once

#include <QImage>
#include <QSize>

// The picture at `size`: shrunk by area averaging (each shown pixel the
// mean of the buffer pixels it covers, so no aliasing), enlarged
// bilinearly. Qt's smooth scale does this with SIMD and spreads a large
// picture over the idle threads of its pool; measured against an exact 2 x 2
// halving ahead of it and against a hand-written area filter, it was the
// faster. The same image comes back when it already has that size. Safe on
// any thread.
QImage ScaleDecodedPicture(const QImage& image, QSize size);
