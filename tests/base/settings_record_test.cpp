#include "base/settings_fields.h"
#include "base/settings_store.h"
#include "base/settings_record.h"
#include "platform/fixed_text.h"
#include "platform/record_file.h"
#include "support/sandbox.h"
#include "support/write_failure.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <random>
#include <set>

using platform::RecordStatus;
using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

int32_t I32At(const QByteArray& b, int off)
{
    return qFromLittleEndian<int32_t>(b.constData() + off);
}

uint8_t ByteAt(const QByteArray& b, int off)
{
    return static_cast<uint8_t>(b[off]);
}

// The text of a string[N] field at `off` as stored: length byte, then bytes.
QByteArray TextAt(const QByteArray& b, int off)
{
    return b.mid(off + 1, ByteAt(b, off));
}

TFirstRunInputs Inputs()
{
    TFirstRunInputs in;
    in.DataFolder = QStringLiteral("/home/ann/.local/share/Vistamo");
    in.DataFolderDrive = QStringLiteral("/home");
    in.FontName = QStringLiteral("DejaVu Sans");
    in.FontStyle = 0x01;
    in.DayOfMonth = 31;
    return in;
}

TSettingsRecord FirstRun()
{
    TSettingsRecord r;
    FillFirstRunSettings(r, Inputs());
    return r;
}

// Random record bytes whose every length byte is within its capacity.
QByteArray RandomValidRecord(unsigned seed)
{
    std::mt19937 rng(seed);
    QByteArray b(SettingsRecordSize, '\0');
    for (auto& c : b)
        c = static_cast<char>(rng() & 0xFF);
    for (const TSettingsField& f : SettingsFields())
        if (f.Kind == TFieldKind::Text)
            for (int i = 0; i < f.Count; ++i)
                b[f.Offset + i * f.Stride] = static_cast<char>(rng() % (f.Capacity + 1));
    return b;
}

} // namespace

TEST(SettingsFieldTable, CoversTheRecordExceptItsGapsAndUnusedAreas)
{
    std::vector<int> owner(SettingsRecordSize, 0);
    int lastOffset = -1;
    for (const TSettingsField& f : SettingsFields()) {
        EXPECT_GT(f.Offset, lastOffset) << f.Name;
        lastOffset = f.Offset;
        if (f.Kind == TFieldKind::Int32 || f.Kind == TFieldKind::Double)
            EXPECT_EQ(f.Offset % 4, 0) << f.Name;
        for (int i = 0; i < f.Count; ++i)
            for (int k = 0; k < f.Width(); ++k) {
                const int at = f.Offset + i * f.Stride + k;
                ASSERT_LT(at, SettingsRecordSize) << f.Name;
                EXPECT_EQ(owner[at]++, 0) << f.Name << " overlaps at " << at;
            }
    }
    // Bytes no field covers: alignment gaps, the unused areas and the padding.
    std::set<int> expected;
    const std::vector<std::pair<int, int>> gaps = {
        {99, 1},    {118, 2},  {329, 3},   {393, 3},   {2419, 3},  {7375, 1},  {7386, 2},
        {7409, 3},  {7422, 2}, {7938, 2},  {8459, 1},  {8979, 1},  {8989, 3},  {10541, 467},
        {11987, 1}, {12020, 2}, {12046, 2},
    };
    for (auto [start, len] : gaps)
        for (int k = 0; k < len; ++k)
            expected.insert(start + k);
    std::set<int> uncovered;
    for (int i = 0; i < SettingsRecordSize; ++i)
        if (owner[i] == 0)
            uncovered.insert(i);
    EXPECT_EQ(uncovered, expected);
}

TEST(SettingsFieldTable, NamedOffsets)
{
    const std::vector<std::pair<const char*, int>> named = {
        {"PlayOrder", 0},           {"SearchShowResults", 80},    {"AutoShowPath", 128},
        {"AutoShowOptions.ShowTitles", 392}, {"AutoShowOptions.BackgroundColor", 396},
        {"EditPrograms", 400},      {"VideoPrograms", 1405},      {"RunningMarker", 2426},
        {"RecentFolders", 2433},    {"Favorites", 4242},          {"ShowHistory", 6051},
        {"StartupDrive", 7056},     {"TextFontName", 7344},       {"SearchWords3", 8469},
        {"Bookmarks", 9021},        {"CustomRatioWidth", 11008},  {"LastCopyTarget", 11844},
        {"SuggestionMonths", 11992}, {"PackIncludeInstructions", 12045},
    };
    for (auto [name, off] : named) {
        const TSettingsField* f = FindSettingsField(QString::fromLatin1(name));
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ(f->Offset, off) << name;
    }
    EXPECT_EQ(FindSettingsField(QStringLiteral("Favorites"))->Stride, 201);
    EXPECT_EQ(FindSettingsField(QStringLiteral("Bookmarks"))->Stride, 76);
    EXPECT_EQ(FindSettingsField(QStringLiteral("SearchWords1"))->Count, 10);
}

TEST(SettingsRecord, FirstRunFileHoldsOneRecordWithTheFirstRunValues)
{
    const QString path = freshDir(QStringLiteral("first")) + QStringLiteral("/VXSettings61.dat");
    TSettingsRecord rec;
    rec.RawBytes.fill(0x55);  // a new record starts all zero, whatever was there
    int calls = 0;
    const auto r = InitDefaultSettings(path, rec, Inputs(), [&](TSettingsRecord& s) {
        ++calls;
        s.EditPrograms[0] = QStringLiteral("/usr/bin/gimp");
    });
    ASSERT_TRUE(r.ok()) << r.Message.toStdString();
    EXPECT_EQ(calls, 1);

    const QByteArray b = readFile(path);
    ASSERT_EQ(b.size(), 12048);
    EXPECT_EQ(I32At(b, 0), 4);        // PlayOrder
    EXPECT_EQ(I32At(b, 4), 2);        // IntervalIndex
    EXPECT_EQ(I32At(b, 16), 1752);    // MailSizeQuality
    EXPECT_EQ(I32At(b, 68), 25000);   // MaxPictures
    EXPECT_EQ(I32At(b, 76), 999999);  // MaxSizeKB
    EXPECT_EQ(TextAt(b, 80), "1");    // SearchShowResults
    EXPECT_EQ(ByteAt(b, 84), 1);      // ThumbManualMode
    EXPECT_EQ(TextAt(b, 93), "");     // ShowCameraModel
    EXPECT_EQ(TextAt(b, 116), "1");   // VoiceDeleteMode
    EXPECT_EQ(TextAt(b, 400), "/usr/bin/gimp");
    EXPECT_EQ(TextAt(b, 2411), "3");  // PicturesPerPageIndex
    EXPECT_EQ(TextAt(b, 2422), "2");  // VoiceRecordQuality
    EXPECT_EQ(ByteAt(b, 2426), 1);    // RunningMarker
    EXPECT_EQ(ByteAt(b, 2430), 1);    // ShowTitles
    EXPECT_EQ(ByteAt(b, 7056), 'C');  // StartupDrive
    EXPECT_EQ(TextAt(b, 7258), "Free text line 1");
    EXPECT_EQ(TextAt(b, 7299), "Free text line 2");
    EXPECT_EQ(I32At(b, 7340), 255);   // TextColor
    EXPECT_EQ(TextAt(b, 7344), "DejaVu Sans");
    EXPECT_EQ(I32At(b, 7376), 24);
    EXPECT_EQ(TextAt(b, 7380), "C");
    EXPECT_EQ(TextAt(b, 7382), "B");
    EXPECT_EQ(ByteAt(b, 7384), 1);    // TextFontStyle from the window font
    EXPECT_EQ(TextAt(b, 7400), "A");
    for (int off = 7402; off <= 7408; ++off)
        EXPECT_EQ(ByteAt(b, off), 1) << off;
    EXPECT_EQ(I32At(b, 7424), 4);     // SearchPlayOrder
    EXPECT_EQ(I32At(b, 7940), -1);
    EXPECT_EQ(I32At(b, 8460), -1);
    EXPECT_EQ(I32At(b, 8980), -1);
    for (int off = 8992; off < 9016; off += 4)
        EXPECT_EQ(I32At(b, off), -1) << off;
    EXPECT_EQ(TextAt(b, 11241), "/home");  // LastTargetDrive: the data folder's drive
    EXPECT_EQ(TextAt(b, 11442), "/home/ann/.local/share/Vistamo/Vistamo! Slide Shows");
    EXPECT_EQ(TextAt(b, 11643), "/home/ann/.local/share/Vistamo/Vistamo! Slide Shows");
    EXPECT_EQ(TextAt(b, 11844), "/home");
    EXPECT_EQ(I32At(b, 11988), 28);   // day 31 -> at most 28
    EXPECT_EQ(ByteAt(b, 12019), 1);   // AskMonthlyUpdate
    EXPECT_EQ(I32At(b, 12028), 250);
    EXPECT_EQ(I32At(b, 12032), 100);
    EXPECT_EQ(I32At(b, 12036), 75);
    EXPECT_EQ(ByteAt(b, 12043), 0);
    EXPECT_EQ(ByteAt(b, 12044), 1);
    EXPECT_EQ(ByteAt(b, 12045), 1);
    // Unused areas are zero.
    for (int off = 10541; off < 11008; ++off)
        ASSERT_EQ(ByteAt(b, off), 0) << off;
    EXPECT_EQ(ByteAt(b, 99), 0);
    EXPECT_EQ(ByteAt(b, 12047), 0);
}

TEST(SettingsRecord, RoundTripsByteForByte)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const QByteArray bytes = RandomValidRecord(seed);
        TSettingsRecord rec;
        ASSERT_TRUE(DecodeSettings(bytes, rec).ok());
        ASSERT_EQ(EncodeSettings(rec), bytes) << "seed " << seed;
    }
    const TSettingsRecord first = FirstRun();
    TSettingsRecord again;
    ASSERT_TRUE(DecodeSettings(EncodeSettings(first), again).ok());
    EXPECT_EQ(EncodeSettings(again), EncodeSettings(first));
    EXPECT_EQ(again.CDIntroText2, QStringLiteral("Free text line 2"));
    EXPECT_EQ(again.SearchDateTo[2], -1);
}

TEST(SettingsRecord, ChangedFieldsLandAtTheirOffsetsAndNothingElseMoves)
{
    const QByteArray original = RandomValidRecord(7);
    TSettingsRecord rec;
    ASSERT_TRUE(DecodeSettings(original, rec).ok());
    rec.MaxPictures = 1234;
    rec.Favorites[2] = QStringLiteral("/srv/Fotos");
    rec.CropRatioHeight = 1.5;
    rec.SuggestionMonths[11] = 1;
    const QByteArray b = EncodeSettings(rec);
    EXPECT_EQ(I32At(b, 68), 1234);
    EXPECT_EQ(TextAt(b, 4242 + 2 * 201), "/srv/Fotos");
    double h;
    const uint64_t bits = qFromLittleEndian<uint64_t>(b.constData() + 11032);
    std::memcpy(&h, &bits, 8);
    EXPECT_EQ(h, 1.5);
    EXPECT_EQ(ByteAt(b, 11992 + 11), 1);

    // Every other byte is as it was, the bytes after the new text included.
    std::set<int> changed;
    for (int i = 0; i < SettingsRecordSize; ++i)
        if (b[i] != original[i])
            changed.insert(i);
    for (int i : changed) {
        const bool ok = (i >= 68 && i < 72) || (i >= 4644 && i < 4644 + 11) || (i >= 11032 && i < 11040) ||
                        i == 12003;
        EXPECT_TRUE(ok) << "byte " << i << " changed";
    }
}

TEST(SettingsRecord, TextsFromTheWindowsProgramKeepTheirBytes)
{
    QByteArray bytes(SettingsRecordSize, '\0');
    const QByteArray cp1252("C:\\Bilder\\Caf\xE9", 14);
    bytes[7057] = static_cast<char>(cp1252.size());  // StartupFolder
    bytes.replace(7058, cp1252.size(), cp1252);
    TSettingsRecord rec;
    ASSERT_TRUE(DecodeSettings(bytes, rec).ok());
    EXPECT_EQ(rec.StartupFolder, QStringLiteral("C:\\Bilder\\Café"));
    EXPECT_EQ(EncodeSettings(rec), bytes);  // unchanged text: same bytes
    rec.StartupFolder = QStringLiteral("/home/ann/Café");
    EXPECT_EQ(TextAt(EncodeSettings(rec), 7057), QStringLiteral("/home/ann/Café").toUtf8());
}

TEST(SettingsRecord, BadLengthBytesAreCutToTheCapacity)
{
    QByteArray bytes(SettingsRecordSize, 'x');
    bytes[80] = static_cast<char>(0xFF);   // SearchShowResults, string[1]
    bytes[81] = '1';
    bytes[7258] = static_cast<char>(200);  // CDIntroText1, string[40]
    bytes[4242] = static_cast<char>(255);  // Favorites[0], string[200]
    TSettingsRecord rec;
    ASSERT_TRUE(DecodeSettings(bytes, rec).ok());
    EXPECT_EQ(rec.SearchShowResults, QStringLiteral("1"));
    EXPECT_TRUE(FlagOn(rec.SearchShowResults));
    EXPECT_EQ(rec.CDIntroText1, QString(40, QLatin1Char('x')));
    EXPECT_EQ(rec.Favorites[0].size(), 200);
    // Written back, the length bytes are valid.
    const QByteArray out = EncodeSettings(rec);
    EXPECT_EQ(ByteAt(out, 80), 1);
    EXPECT_EQ(ByteAt(out, 7258), 40);
    EXPECT_EQ(ByteAt(out, 4242), 200);
}

TEST(SettingsRecord, EmptyFlagReadsAsOffAndWritersCutTexts)
{
    TSettingsRecord rec = FirstRun();
    rec.ShowCameraModel.clear();
    EXPECT_FALSE(FlagOn(rec.ShowCameraModel));
    EXPECT_FALSE(FlagOn(QStringLiteral("0")));
    EXPECT_FALSE(FlagOn(QStringLiteral("11")));
    rec.CDIntroText1 = QString(60, QChar(0x00E9));  // 120 bytes of UTF-8
    rec.TextHAlign = QStringLiteral("LR");
    const QByteArray b = EncodeSettings(rec);
    EXPECT_EQ(ByteAt(b, 7258), 40);
    EXPECT_EQ(TextAt(b, 7380), "L");
    TSettingsRecord back;
    ASSERT_TRUE(DecodeSettings(b, back).ok());
    EXPECT_EQ(back.CDIntroText1, QString(20, QChar(0x00E9)));
}

TEST(SettingsRecord, WrongSizesAndMissingFilesGiveErrors)
{
    TSettingsRecord rec = FirstRun();
    EXPECT_EQ(DecodeSettings(QByteArray(12047, 'a'), rec).Status, RecordStatus::WrongSize);
    EXPECT_EQ(DecodeSettings(QByteArray(), rec).Status, RecordStatus::WrongSize);
    EXPECT_EQ(rec.PlayOrder, 4);  // unchanged

    const QString dir = freshDir(QStringLiteral("bad"));
    EXPECT_EQ(ReadSettingsFile(dir + QStringLiteral("/none.dat"), rec).Status, RecordStatus::NotFound);
    ASSERT_TRUE(writeFile(dir + QStringLiteral("/short.dat"), QByteArray(5000, 'z')));
    const auto shortRead = ReadSettingsFile(dir + QStringLiteral("/short.dat"), rec);
    EXPECT_EQ(shortRead.Status, RecordStatus::Truncated);
    EXPECT_FALSE(shortRead.Message.isEmpty());
    ASSERT_TRUE(writeFile(dir + QStringLiteral("/empty.dat"), QByteArray()));
    EXPECT_EQ(ReadSettingsFile(dir + QStringLiteral("/empty.dat"), rec).Status, RecordStatus::Truncated);
    EXPECT_EQ(rec.PlayOrder, 4);

    // A longer file: its first record is read.
    QByteArray longer = EncodeSettings(FirstRun());
    longer.append(QByteArray(100, '\x7f'));
    ASSERT_TRUE(writeFile(dir + QStringLiteral("/long.dat"), longer));
    TSettingsRecord fromLong;
    EXPECT_TRUE(ReadSettingsFile(dir + QStringLiteral("/long.dat"), fromLong).ok());
    EXPECT_EQ(fromLong.MailSizeQuality, 1752);
}

TEST(SettingsRecord, FailedSaveKeepsTheOldSettingsFile)
{
    const QString path = freshDir(QStringLiteral("save")) + QStringLiteral("/VXSettings61.dat");
    TSettingsRecord rec = FirstRun();
    ASSERT_TRUE(WriteSettingsFile(path, rec).ok());
    const QByteArray before = readFile(path);
    rec.MaxPictures = 7;
    const auto r = [&] {
        testsupport::ScopedFileSizeLimit limit(4096);  // the record is 12048 bytes
        return WriteSettingsFile(path, rec);
    }();
    EXPECT_EQ(r.Status, RecordStatus::WriteFailed);
    EXPECT_EQ(r.Reason, QStringLiteral("File too large"));
    EXPECT_EQ(readFile(path), before);
    TSettingsRecord back;
    ASSERT_TRUE(ReadSettingsFile(path, back).ok());
    EXPECT_EQ(back.MaxPictures, 25000);
}

TEST(SettingsMerge, EachFieldGoesToTheInstanceThatChangedIt)
{
    const TSettingsRecord S = FirstRun();
    TSettingsRecord L = S, D = S;
    D.MaxPictures = 500;             // changed by another instance only
    L.IntervalIndex = 4;             // changed here only
    L.TextColor = 1;                 // changed in both: this instance wins
    D.TextColor = 2;
    D.CropRatioWidth = 16.0;         // double from the other instance
    D.AutoShowOptions.MinSizeKB = 9; // play options stored by the other instance
    D.SearchDateFrom[1] = 12;        // one value of a triple
    L.SearchDateFrom[2] = 2024;
    D.RunningMarker = 0;             // the marker takes part too
    L.AutoShowPath = QStringLiteral("/p/here");
    D.StartupFolder = QStringLiteral("/p/there");
    MergeSettings(L, S, D);
    EXPECT_EQ(L.MaxPictures, 500);
    EXPECT_EQ(L.IntervalIndex, 4);
    EXPECT_EQ(L.TextColor, 1);
    EXPECT_EQ(L.CropRatioWidth, 16.0);
    EXPECT_EQ(L.AutoShowOptions.MinSizeKB, 9);
    EXPECT_EQ(L.SearchDateFrom, (std::array<int32_t, 3>{-1, 12, 2024}));
    EXPECT_EQ(L.RunningMarker, 0);
    EXPECT_EQ(L.AutoShowPath, QStringLiteral("/p/here"));
    EXPECT_EQ(L.StartupFolder, QStringLiteral("/p/there"));
}

TEST(SettingsMerge, ListsMergeEntryByEntry)
{
    TSettingsRecord S = FirstRun();
    for (int i = 0; i < 9; ++i)
        S.RecentFolders[i] = QStringLiteral("/r/%1").arg(i);
    S.SearchWords2[3] = QStringLiteral("beach");
    TSettingsRecord L = S, D = S;
    L.RecentFolders[0] = QStringLiteral("/r/mine");
    D.RecentFolders[8] = QStringLiteral("/r/theirs");
    D.SearchWords2[3] = QStringLiteral("mountain");
    D.SuggestionMonths[4] = 1;
    D.SearchInclGIF = 0;
    MergeSettings(L, S, D);
    EXPECT_EQ(L.RecentFolders[0], QStringLiteral("/r/mine"));
    EXPECT_EQ(L.RecentFolders[8], QStringLiteral("/r/theirs"));
    EXPECT_EQ(L.RecentFolders[4], QStringLiteral("/r/4"));
    EXPECT_EQ(L.SearchWords2[3], QStringLiteral("mountain"));
    EXPECT_EQ(L.SuggestionMonths[4], 1);
    EXPECT_EQ(L.SearchInclGIF, 0);
    EXPECT_EQ(D.RecentFolders[0], QStringLiteral("/r/0"));  // only L changes
}

TEST(SettingsMerge, ShortenedTextIsKept)
{
    TSettingsRecord S = FirstRun();
    S.CDIntroText1 = QStringLiteral("abc");
    TSettingsRecord L = S, D = S;
    L.CDIntroText1 = QStringLiteral("ab");
    MergeSettings(L, S, D);
    EXPECT_EQ(L.CDIntroText1, QStringLiteral("ab"));
}

TEST(SettingsMerge, ListsStayPackedAtTheFront)
{
    TSettingsRecord S = FirstRun();
    S.RecentFolders = {QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c")};
    TSettingsRecord L = S, D = S;
    // Here "/a" was removed; the other instance put "/y" on top.
    L.RecentFolders = {QStringLiteral("/b"), QStringLiteral("/c")};
    D.RecentFolders = {QStringLiteral("/y"), QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c")};
    // Favourites: removed here at entry 1, another entry added there at the end.
    S.Favorites = {QStringLiteral("/f0"), QStringLiteral("/f1")};
    L.Favorites = {QStringLiteral("/f0")};
    D.Favorites = {QStringLiteral("/f0"), QStringLiteral("/f1"), QStringLiteral("/f2")};
    // Program lists: an editor removed here, another added there.
    S.EditPrograms = {QStringLiteral("/usr/bin/gimp"), QStringLiteral("/usr/bin/krita")};
    L.EditPrograms = {QStringLiteral("/usr/bin/gimp")};
    D.EditPrograms = {QStringLiteral("/usr/bin/gimp"), QStringLiteral("/usr/bin/krita"),
                      QStringLiteral("/usr/bin/darktable")};
    S.ShowHistory = {QStringLiteral("/s/A.vxt")};
    L.ShowHistory = S.ShowHistory;
    D.ShowHistory = {QStringLiteral("/s/a.vxt"), QStringLiteral("/s/A.vxt")};
    MergeSettings(L, S, D);

    const auto packed = [](const auto& list) {
        bool seenEmpty = false;
        for (const QString& e : list) {
            if (e.isEmpty())
                seenEmpty = true;
            else if (seenEmpty)
                return false;
        }
        return true;
    };
    EXPECT_TRUE(packed(L.RecentFolders));
    EXPECT_TRUE(packed(L.Favorites));
    EXPECT_TRUE(packed(L.ShowHistory));
    EXPECT_TRUE(packed(L.EditPrograms));
    EXPECT_TRUE(packed(L.VideoPrograms));
    // Entry-wise: [/b (mine), /c (mine), "" (mine), /c (theirs)] -> packed, no repeat.
    EXPECT_EQ(L.RecentFolders[0], QStringLiteral("/b"));
    EXPECT_EQ(L.RecentFolders[1], QStringLiteral("/c"));
    EXPECT_TRUE(L.RecentFolders[2].isEmpty());
    EXPECT_EQ(L.Favorites[0], QStringLiteral("/f0"));
    EXPECT_EQ(L.Favorites[1], QStringLiteral("/f2"));
    EXPECT_EQ(L.EditPrograms[1], QStringLiteral("/usr/bin/darktable"));
    // The show history compares exactly: "/s/a.vxt" and "/s/A.vxt" are two shows.
    EXPECT_EQ(L.ShowHistory[0], QStringLiteral("/s/a.vxt"));
    EXPECT_EQ(L.ShowHistory[1], QStringLiteral("/s/A.vxt"));
}

TEST(SettingsMerge, PackListDropsRepeatsAsAsked)
{
    std::array<QString, 5> list = {QString(), QStringLiteral("/P"), QStringLiteral("/p"), QString(),
                                   QStringLiteral("/q")};
    auto plain = list;
    PackList(plain);
    EXPECT_EQ(plain, (std::array<QString, 5>{QStringLiteral("/P"), QStringLiteral("/p"), QStringLiteral("/q"), {}, {}}));
    auto folded = list;
    PackList(folded, true, true);
    EXPECT_EQ(folded, (std::array<QString, 5>{QStringLiteral("/P"), QStringLiteral("/q"), {}, {}, {}}));
    auto exact = list;
    PackList(exact, true, false);
    EXPECT_EQ(exact, plain);
}

TEST(SettingsChangedTest, ComparesTheSeventeenPlayOptions)
{
    TSettingsRecord rec = FirstRun();
    StorePlayOptionsInAutoShow(rec);
    EXPECT_TRUE(AutoShowOptionsMatch(rec));
    const std::vector<std::function<void(TSettingsRecord&)>> changes = {
        [](auto& r) { r.PlayOrder++; },          [](auto& r) { r.IntervalIndex++; },
        [](auto& r) { r.IncludeSubfolders++; },  [](auto& r) { r.IncludeSystemFolders++; },
        [](auto& r) { r.InclJPG++; },            [](auto& r) { r.InclJPEG++; },
        [](auto& r) { r.InclBMP++; },            [](auto& r) { r.InclICO++; },
        [](auto& r) { r.InclEMF++; },            [](auto& r) { r.InclWMF++; },
        [](auto& r) { r.InclGIF++; },            [](auto& r) { r.MaxEnlargePercent++; },
        [](auto& r) { r.MaxPictures++; },        [](auto& r) { r.MinSizeKB++; },
        [](auto& r) { r.MaxSizeKB++; },          [](auto& r) { r.ShowTitles++; },
        [](auto& r) { r.BackgroundColor++; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        TSettingsRecord changed = rec;
        changes[i](changed);
        EXPECT_FALSE(AutoShowOptionsMatch(changed)) << "option " << i;
    }
    TSettingsRecord other = rec;
    other.ContinuousPlay = 0;  // not one of the stored options
    EXPECT_TRUE(AutoShowOptionsMatch(other));

    SettingsStore store;
    store.Settings = rec;
    store.SettingsChanged();
    EXPECT_EQ(store.AutoShowMatchesOptions, 1);
    store.Settings.MaxSizeKB = 5;
    store.SettingsChanged();
    EXPECT_EQ(store.AutoShowMatchesOptions, 0);
}
