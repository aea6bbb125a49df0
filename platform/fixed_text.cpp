#include "platform/fixed_text.h"

#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes the code page leaves undefined
// map to the C1 control of the same value, as Windows itself does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeCp1252(const char* bytes, qsizetype size)
{
    QString out;
    out.reserve(size);
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        if (b >= 0x80 && b <= 0x9F)
            out.append(QChar(kCp1252High[b - 0x80]));
        else
            out.append(QChar(char16_t(b)));  // the rest of the code page equals Latin-1
    }
    return out;
}

} // namespace

QByteArray FixedTextBytes(const QString& text, int capacity)
{
    if (capacity <= 0)
        return {};
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= capacity)
        return utf8;
    // Step back over continuation bytes (10xxxxxx) so the cut falls before the
    // first byte of a character, never inside one.
    qsizetype cut = capacity;
    while (cut > 0 && (static_cast<uint8_t>(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    utf8.truncate(cut);
    return utf8;
}

QString FixedTextCut(const QString& text, int capacity)
{
    return QString::fromUtf8(FixedTextBytes(text, capacity));
}

void EncodeFixedText(const QString& text, int capacity, uint8_t* dest)
{
    const QByteArray bytes = FixedTextBytes(text, std::min(capacity, 255));
    dest[0] = static_cast<uint8_t>(bytes.size());
    if (!bytes.isEmpty())
        std::memcpy(dest + 1, bytes.constData(), static_cast<size_t>(bytes.size()));
}

int FixedTextLength(const uint8_t* src, int capacity)
{
    return std::min<int>(src[0], capacity);
}

QString DecodeStoredBytes(const char* bytes, qsizetype size)
{
    if (size <= 0)
        return {};
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(QByteArrayView(bytes, size));
    if (!utf8.hasError())
        return text;
    return DecodeCp1252(bytes, size);
}

QString DecodeFixedText(const uint8_t* src, int capacity)
{
    const int len = FixedTextLength(src, capacity);
    return DecodeStoredBytes(reinterpret_cast<const char*>(src + 1), len);
}

} // namespace platform
