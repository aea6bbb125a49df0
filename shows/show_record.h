// One record of a MyShow show file: 2276 bytes per picture, in show order.
//
// The layout is kept here and nowhere else. Fields this program reads and
// writes itself are decoded; every other byte of a record read from a file is
// kept as it was read and written back unchanged.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

constexpr int ShowRecordSize = 2276;
constexpr int ShowRecordSizeV24 = 1928; // older layout, only read for conversion
constexpr int ShowRecordSizeV1 = 1888;  // older layout, only read for conversion
constexpr int32_t CurrentShowFormat = 40;
// The most pictures a show file holds; a larger file is refused unread.
constexpr qint64 MaxShowRecords = 100000;
constexpr qint64 MaxShowFileBytes = MaxShowRecords * ShowRecordSize;

// Offsets of the fields in a record.
namespace ShowRecordLayout {
constexpr int PicturePath = 0;        // string[200]: the picture's full path
constexpr int PicturePathCapacity = 200;
constexpr int FormatMarker = 201;     // int32: the format number (40)
constexpr int TextLines = 205;        // 5 x string[100]
constexpr int TextLineStride = 101;
constexpr int TextLineCapacity = 100;
constexpr int TextLineCount = 5;
constexpr int TextDelays = 1216;      // 5 x int32 appearance delay code
constexpr int Interval = 1812;        // int32 seconds; 0 = show default, 999 = voice length
constexpr int SoundFile = 1820;       // string[200]
constexpr int SoundFileCapacity = 200;
constexpr int SoundKind = 2021;       // string[1]: "F" file, "L" playlist link
constexpr int SoundKindCapacity = 1;
} // namespace ShowRecordLayout

struct TShowRecord {
    QString PicturePath;
    int32_t FormatMarker = 0;
    std::array<QString, ShowRecordLayout::TextLineCount> TextLines;
    std::array<int32_t, ShowRecordLayout::TextLineCount> TextDelays{};
    int32_t IntervalSeconds = 0;
    QString SoundFile;
    QString SoundKind;
    // The record's bytes as read (all zero for a new record); encoding starts
    // from them so that fields not decoded here survive a rewrite.
    QByteArray RawBytes = QByteArray(ShowRecordSize, '\0');

    // A text line counts when its length byte is not 0.
    bool HasText() const;
    bool HasSound() const { return !SoundFile.isEmpty(); }
};

// `bytes` must hold ShowRecordSize bytes (shorter input is padded with zeros).
TShowRecord DecodeShowRecord(const QByteArray& bytes);
QByteArray EncodeShowRecord(const TShowRecord& record);

// The record of a picture newly added to a show.
TShowRecord NewPictureRecord(const QString& picturePath, int32_t formatMarker);

// Appearance delay of a text line in milliseconds (0 at once, 1 half a
// second, 2..10 one to nine seconds; other codes at once).
int TextDelayMs(int32_t code);
