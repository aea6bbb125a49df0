#include "platform/fixed_text.h"

#include <gtest/gtest.h>

#include <array>

using namespace platform;

namespace {

template <size_t N>
QString DecodeField(const std::array<uint8_t, N>& field, int capacity)
{
    return DecodeFixedText(field.data(), capacity);
}

} // namespace

TEST(FixedText, EncodesLengthAndBytesAndLeavesTheRestAsItStands)
{
    std::array<uint8_t, 11> field;
    field.fill(0xEE);
    EncodeFixedText(QStringLiteral("abc"), 10, field.data());
    EXPECT_EQ(field[0], 3);
    EXPECT_EQ(field[1], 'a');
    EXPECT_EQ(field[3], 'c');
    EXPECT_EQ(field[4], 0xEE);  // bytes after the text are not touched
    EXPECT_EQ(field[10], 0xEE);
    EXPECT_EQ(DecodeField(field, 10), QStringLiteral("abc"));
}

TEST(FixedText, CutsUtf8AtACharacterBoundary)
{
    // "é" takes two bytes, "€" three, "😀" four (a surrogate pair in a QString).
    EXPECT_EQ(FixedTextBytes(QStringLiteral("aé"), 2), QByteArray("a"));
    EXPECT_EQ(FixedTextBytes(QStringLiteral("aé"), 3), QStringLiteral("aé").toUtf8());
    EXPECT_EQ(FixedTextBytes(QStringLiteral("€"), 2), QByteArray());
    EXPECT_EQ(FixedTextCut(QStringLiteral("ab😀"), 5), QStringLiteral("ab"));
    EXPECT_EQ(FixedTextCut(QStringLiteral("ab😀"), 6), QStringLiteral("ab😀"));

    // A long path: at most 200 bytes, every character whole.
    QString path = QStringLiteral("/home/");
    while (path.size() < 250)
        path += QStringLiteral("Ölbilder/");
    const QByteArray cut = FixedTextBytes(path, 200);
    EXPECT_LE(cut.size(), 200);
    EXPECT_GE(cut.size(), 199);
    EXPECT_TRUE(path.startsWith(QString::fromUtf8(cut)));

    std::array<uint8_t, 201> field{};
    EncodeFixedText(path, 200, field.data());
    EXPECT_EQ(field[0], cut.size());
    EXPECT_EQ(DecodeField(field, 200), QString::fromUtf8(cut));
}

TEST(FixedText, LengthByteAboveCapacityIsCutToTheCapacity)
{
    std::array<uint8_t, 5> field = {0xFF, 'a', 'b', 'c', 'd'};
    EXPECT_EQ(FixedTextLength(field.data(), 4), 4);
    EXPECT_EQ(DecodeField(field, 4), QStringLiteral("abcd"));

    std::array<uint8_t, 2> flag = {2, '1'};  // a string[1] flag with a bad length byte
    EXPECT_EQ(DecodeField(flag, 1), QStringLiteral("1"));
}

TEST(FixedText, BytesThatAreNotUtf8ReadAsWindows1252)
{
    // "Café" and "€5" stored as Windows-1252 bytes.
    std::array<uint8_t, 6> cafe = {4, 'C', 'a', 'f', 0xE9, 0};
    EXPECT_EQ(DecodeField(cafe, 5), QStringLiteral("Café"));
    std::array<uint8_t, 3> euro = {2, 0x80, '5'};
    EXPECT_EQ(DecodeField(euro, 2), QStringLiteral("€5"));
    // The same texts in UTF-8 read as UTF-8.
    std::array<uint8_t, 6> cafeUtf8 = {5, 'C', 'a', 'f', 0xC3, 0xA9};
    EXPECT_EQ(DecodeField(cafeUtf8, 5), QStringLiteral("Café"));
    // A UTF-8 sequence cut short is not UTF-8: read byte by byte.
    std::array<uint8_t, 3> cutShort = {2, 'a', 0xC3};
    EXPECT_EQ(DecodeField(cutShort, 2), QStringLiteral("aÃ"));
    // Undefined code-page bytes still give one character each.
    EXPECT_EQ(DecodeStoredBytes("\x81\x8D", 2).size(), 2);
}

TEST(FixedText, EmptyAndZeroCapacity)
{
    std::array<uint8_t, 2> field = {0, 'x'};
    EXPECT_TRUE(DecodeField(field, 1).isEmpty());
    EXPECT_TRUE(FixedTextBytes(QStringLiteral("abc"), 0).isEmpty());
}
