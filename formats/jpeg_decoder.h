// JPEG decoding through libjpeg with DCT scaling: a picture shown smaller
// than its true size is decoded at the smallest n/8 scale that still covers
// the size it is shown at, never at full size and then shrunk.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// What the header of a JPEG tells before any pixel is decoded.
struct JpegHeaderInfo {
    QSize size;            // true picture size in pixels
    int components = 0;    // 1 grey, 3 colour, 4 CMYK/YCCK
    bool progressive = false;
};

// The most pixels one decoded buffer may hold (4 bytes each).
constexpr qint64 MaxDecodedPixels = 100'000'000;

// Reads the header only. Throws EJPEGError when the bytes are no JPEG.
JpegHeaderInfo ReadJpegHeader(const QByteArray& bytes);

// The numerator n (1..8) of the DCT scale n/8 to decode a picture of
// trueSize for display at target: the smallest n whose output is at least
// target on both sides; 8 when even the full size does not reach target or
// target is empty (no size known: decode in full).
int ChooseJpegScale(QSize trueSize, QSize target);

// The output size libjpeg gives for scale n/8 (each side rounded up).
QSize ScaledJpegSize(QSize trueSize, int scaleNum);

struct DecodedJpeg {
    QImage image;        // Format_RGB32, at the scaled size (or the target size)
    QSize trueSize;      // from the header
    int scaleNum = 8;    // the n of n/8 used
};

// Decodes at the scale chosen for target. Throws EJPEGError for bad,
// truncated or oversized pictures; never allocates more than the limits
// above allow.
DecodedJpeg DecodeJpeg(const QByteArray& bytes, QSize target);

// The same, brought to exactly target where the chosen scale gives more
// (and covers target on both sides): each pixel the area average of the
// decoded pixels it covers, made in bands on other threads while the decode
// goes on. A picture smaller than target stays at its decoded size.
DecodedJpeg DecodeJpegToSize(const QByteArray& bytes, QSize target);
