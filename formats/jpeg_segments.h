// The marker segments of a JPEG's header, walked with bounds checks
// without decoding anything: used to find the EXIF block, the only
// metadata the program reads, before any parsing library sees a byte.
#pragma once

#include <QByteArray>

#include <functional>

// True when the bytes start like a JPEG (start-of-image marker followed
// by a marker).
bool LooksLikeJpeg(const QByteArray& head);

// Reads up to `count` bytes at `offset` (fewer at the end of the data).
using JpegByteSource = std::function<QByteArray(qint64 offset, qint64 count)>;

// The walk stops at the start of the scan, at the end of the picture, at
// the first malformed segment, after this many segments or past this
// offset (a header is never longer in a real picture).
constexpr int MaxJpegHeaderSegments = 1024;
constexpr qint64 MaxJpegHeaderBytes = 16LL * 1024 * 1024;

// The body of the first APP1 "Exif" segment (the TIFF structure after the
// six bytes "Exif\0\0"), checked to start with a TIFF header; empty when
// the data is no JPEG or has no such segment.
QByteArray FindJpegExifBlock(const JpegByteSource& read);
QByteArray FindJpegExifBlock(const QByteArray& jpeg);

// Where the first APP1 "Exif" segment of a JPEG in memory stands: the
// offset of its marker and the length of the whole segment (marker,
// length and body); both 0 when there is none.
struct JpegSegmentSpan {
    qint64 offset = 0;
    qint64 length = 0;
};
JpegSegmentSpan FindJpegExifSegment(const QByteArray& jpeg);
