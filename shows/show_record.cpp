#include "shows/show_record.h"

#include "platform/fixed_text.h"

#include <QtEndian>

namespace {

int32_t readInt(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<int32_t>(reinterpret_cast<const uchar*>(bytes.constData()) + offset);
}

void writeInt(QByteArray& bytes, int offset, int32_t value)
{
    qToLittleEndian<int32_t>(value, reinterpret_cast<uchar*>(bytes.data()) + offset);
}

QString readText(const QByteArray& bytes, int offset, int capacity)
{
    return platform::DecodeFixedText(reinterpret_cast<const uint8_t*>(bytes.constData()) + offset, capacity);
}

void writeText(QByteArray& bytes, int offset, int capacity, const QString& text)
{
    platform::EncodeFixedText(text, capacity, reinterpret_cast<uint8_t*>(bytes.data()) + offset);
}

} // namespace

bool TShowRecord::HasText() const
{
    for (const QString& line : TextLines)
        if (!line.isEmpty())
            return true;
    return false;
}

TShowRecord DecodeShowRecord(const QByteArray& input)
{
    namespace L = ShowRecordLayout;
    QByteArray bytes = input.left(ShowRecordSize);
    if (bytes.size() < ShowRecordSize)
        bytes.append(QByteArray(ShowRecordSize - bytes.size(), '\0'));
    TShowRecord record;
    record.RawBytes = bytes;
    record.PicturePath = readText(bytes, L::PicturePath, L::PicturePathCapacity);
    record.FormatMarker = readInt(bytes, L::FormatMarker);
    for (int i = 0; i < L::TextLineCount; ++i) {
        record.TextLines[i] = readText(bytes, L::TextLines + i * L::TextLineStride, L::TextLineCapacity);
        record.TextDelays[i] = readInt(bytes, L::TextDelays + 4 * i);
    }
    record.IntervalSeconds = readInt(bytes, L::Interval);
    record.SoundFile = readText(bytes, L::SoundFile, L::SoundFileCapacity);
    record.SoundKind = readText(bytes, L::SoundKind, L::SoundKindCapacity);
    return record;
}

QByteArray EncodeShowRecord(const TShowRecord& record)
{
    namespace L = ShowRecordLayout;
    QByteArray bytes = record.RawBytes.left(ShowRecordSize);
    if (bytes.size() < ShowRecordSize)
        bytes.append(QByteArray(ShowRecordSize - bytes.size(), '\0'));
    writeText(bytes, L::PicturePath, L::PicturePathCapacity, record.PicturePath);
    writeInt(bytes, L::FormatMarker, record.FormatMarker);
    for (int i = 0; i < L::TextLineCount; ++i) {
        writeText(bytes, L::TextLines + i * L::TextLineStride, L::TextLineCapacity, record.TextLines[i]);
        writeInt(bytes, L::TextDelays + 4 * i, record.TextDelays[i]);
    }
    writeInt(bytes, L::Interval, record.IntervalSeconds);
    writeText(bytes, L::SoundFile, L::SoundFileCapacity, record.SoundFile);
    writeText(bytes, L::SoundKind, L::SoundKindCapacity, record.SoundKind);
    return bytes;
}

TShowRecord NewPictureRecord(const QString& picturePath, int32_t formatMarker)
{
    TShowRecord record;
    record.PicturePath = picturePath;
    record.FormatMarker = formatMarker;
    return record;
}

int TextDelayMs(int32_t code)
{
    if (code == 1)
        return 500;
    if (code >= 2 && code <= 10)
        return (code - 1) * 1000;
    return 0;
}
