#include "shows/known_shows.h"
#include "shows/show_file.h"
#include "shows/show_record.h"

#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {
int32_t intAt(const QByteArray& b, int offset)
{
    return qFromLittleEndian<int32_t>(reinterpret_cast<const uchar*>(b.constData()) + offset);
}
} // namespace

TEST(ShowRecord, FieldsSitAtTheirOffsets)
{
    TShowRecord record = NewPictureRecord(QStringLiteral("/pics/a.jpg"), 40);
    record.TextLines[0] = QStringLiteral("Hello");
    record.TextLines[4] = QStringLiteral("Last");
    record.TextDelays[0] = 1;
    record.TextDelays[4] = 10;
    record.IntervalSeconds = 999;
    record.SoundFile = QStringLiteral("/snd/v.wav");
    record.SoundKind = QStringLiteral("F");
    const QByteArray b = EncodeShowRecord(record);

    ASSERT_EQ(b.size(), 2276);
    EXPECT_EQ(quint8(b[0]), 11);
    EXPECT_EQ(b.mid(1, 11), QByteArray("/pics/a.jpg"));
    EXPECT_EQ(intAt(b, 201), 40);
    EXPECT_EQ(quint8(b[205]), 5);
    EXPECT_EQ(b.mid(206, 5), QByteArray("Hello"));
    EXPECT_EQ(quint8(b[205 + 4 * 101]), 4);
    EXPECT_EQ(b.mid(205 + 4 * 101 + 1, 4), QByteArray("Last"));
    EXPECT_EQ(intAt(b, 1216), 1);
    EXPECT_EQ(intAt(b, 1216 + 16), 10);
    EXPECT_EQ(intAt(b, 1812), 999);
    EXPECT_EQ(quint8(b[1820]), 10);
    EXPECT_EQ(b.mid(1821, 10), QByteArray("/snd/v.wav"));
    EXPECT_EQ(quint8(b[2021]), 1);
    EXPECT_EQ(b[2022], 'F');

    const TShowRecord back = DecodeShowRecord(b);
    EXPECT_EQ(back.PicturePath, record.PicturePath);
    EXPECT_EQ(back.TextLines, record.TextLines);
    EXPECT_EQ(back.TextDelays, record.TextDelays);
    EXPECT_EQ(back.IntervalSeconds, 999);
    EXPECT_EQ(back.SoundKind, QStringLiteral("F"));
    EXPECT_TRUE(back.HasText());
    EXPECT_TRUE(back.HasSound());
}

TEST(ShowRecord, BytesNotDecodedSurviveARewrite)
{
    QByteArray raw(2276, '\0');
    for (int i = 710; i < 1216; ++i)
        raw[i] = char(i & 0x7F); // fonts, colours and positions of the text lines
    raw[2200] = 'Z';
    TShowRecord record = DecodeShowRecord(raw);
    record.PicturePath = QStringLiteral("/x.jpg");
    const QByteArray out = EncodeShowRecord(record);
    EXPECT_EQ(out.mid(710, 506), raw.mid(710, 506));
    EXPECT_EQ(out[2200], 'Z');
    EXPECT_EQ(TextDelayMs(0), 0);
    EXPECT_EQ(TextDelayMs(1), 500);
    EXPECT_EQ(TextDelayMs(2), 1000);
    EXPECT_EQ(TextDelayMs(10), 9000);
}

TEST(ShowFile, DraftWorkingCopyTakesAddedPicturesUntilSaved)
{
    const QString data = freshDir(QStringLiteral("data"));
    const QString draft = data + QStringLiteral("/vistamo.vxt");
    const QString work = data + QStringLiteral("/vistamo.tmp");

    OpenShow openShow;
    ASSERT_TRUE(OpenDraftShow(openShow, draft, work).ok());
    EXPECT_TRUE(QFile::exists(draft));
    EXPECT_EQ(openShow.DraftShowOpen, 1);
    EXPECT_EQ(openShow.NamedShowOpen, 0);
    EXPECT_EQ(openShow.ShowChangeable, 1);
    EXPECT_EQ(openShow.OpenShowName, QStringLiteral("Draft"));

    qint64 index = -1;
    ASSERT_TRUE(AddPictureToShowFile(openShow, QStringLiteral("/p/one.jpg"), &index).ok());
    EXPECT_EQ(index, 0);
    ASSERT_TRUE(AddPictureToShowFile(openShow, QStringLiteral("/p/two.jpg"), &index).ok());
    EXPECT_EQ(index, 1);
    EXPECT_EQ(OpenShowCount(openShow), 2);
    EXPECT_EQ(openShow.ShowChanged, 1);
    // Only the working copy changed.
    EXPECT_EQ(QFileInfo(draft).size(), 0);
    EXPECT_EQ(QFileInfo(work).size(), 2 * 2276);

    TShowRecord second;
    ASSERT_TRUE(ReadShowRecord(openShow, 1, second).ok());
    EXPECT_EQ(second.PicturePath, QStringLiteral("/p/two.jpg"));
    EXPECT_EQ(second.FormatMarker, 40);

    // A path that does not fit the field is refused, not stored cut.
    const auto tooLong = AddPictureToShowFile(openShow, QStringLiteral("/") + QString(210, QLatin1Char('a')));
    EXPECT_FALSE(tooLong.ok());
    EXPECT_FALSE(tooLong.Message.isEmpty());
    EXPECT_EQ(OpenShowCount(openShow), 2);

    ASSERT_TRUE(WriteShowHeader(openShow).ok());
    ASSERT_TRUE(MakeShowChangesPermanent(openShow).ok());
    EXPECT_EQ(openShow.ShowChanged, 0);
    EXPECT_EQ(readFile(draft), readFile(work));
    EXPECT_EQ(ReadShowPicturePaths(draft), (QStringList{QStringLiteral("/p/one.jpg"), QStringLiteral("/p/two.jpg")}));
    CloseOpenShow(openShow);
    EXPECT_EQ(OpenShowCount(openShow), 0);
}

TEST(ShowFile, NamedShowOpensThroughACopyAndReadOnlyIsNotChangeable)
{
    const QString data = freshDir(QStringLiteral("data"));
    const QString shows = freshDir(QStringLiteral("shows"));
    const QString showPath = shows + QStringLiteral("/Holiday.vxt");
    writeFile(showPath, EncodeShowRecord(NewPictureRecord(QStringLiteral("/p/a.jpg"), 40)));

    OpenShow openShow;
    ASSERT_TRUE(OpenNamedShow(openShow, showPath, data + QStringLiteral("/vistamo.tmp"), data + QStringLiteral("/vistamo.vxt")).ok());
    EXPECT_EQ(openShow.NamedShowOpen, 1);
    EXPECT_EQ(openShow.DraftShowOpen, 0);
    EXPECT_EQ(openShow.ShowChangeable, 1);
    EXPECT_EQ(openShow.OpenShowName, QStringLiteral("Holiday"));
    EXPECT_EQ(OpenShowCount(openShow), 1);
    CloseOpenShow(openShow);

    testsupport::setReadOnly(showPath, true);
    ASSERT_TRUE(OpenNamedShow(openShow, showPath, data + QStringLiteral("/vistamo.tmp"), QString()).ok());
    EXPECT_EQ(openShow.ShowChangeable, 0);
    CloseOpenShow(openShow);

    // A file of another size is not taken for a show of this version.
    const QString odd = shows + QStringLiteral("/Odd.vxt");
    writeFile(odd, QByteArray(1000, 'x'));
    EXPECT_FALSE(OpenNamedShow(openShow, odd, data + QStringLiteral("/vistamo.tmp"), QString()).ok());
    EXPECT_FALSE(OpenNamedShow(openShow, shows + QStringLiteral("/missing.vxt"), data + QStringLiteral("/w.tmp"), QString()).ok());
    EXPECT_EQ(ProbeShowFileFormat(1928 * 3), ShowFileFormat::V24);
    EXPECT_EQ(ProbeShowFileFormat(1888), ShowFileFormat::V1);
    EXPECT_EQ(ProbeShowFileFormat(0), ShowFileFormat::Current);
}

TEST(KnownShows, RoundTripSkipsMissingAndCutsLongPaths)
{
    const QString dir = freshDir(QStringLiteral("known"));
    const QString list = dir + QStringLiteral("/AllMyShow.dat");
    const QString a = dir + QStringLiteral("/a.vxt");
    const QString b = dir + QStringLiteral("/b.vxt");
    writeFile(a, QByteArray());
    writeFile(b, QByteArray());
    const QString longPath = QStringLiteral("/") + QString(230, QLatin1Char('L'));

    QStringList paths = {a, dir + QStringLiteral("/gone.vxt"), longPath, b};
    ASSERT_TRUE(WriteKnownShows(list, paths).ok());
    const QByteArray bytes = readFile(list);
    ASSERT_EQ(bytes.size(), 4 * 201);
    EXPECT_EQ(quint8(bytes[0]), a.toUtf8().size());
    EXPECT_EQ(bytes.mid(1, a.toUtf8().size()), a.toUtf8());
    EXPECT_EQ(quint8(bytes[2 * 201]), 200);

    EXPECT_EQ(ReadKnownShows(list, true).Items, (QStringList{a, b}));
    const QStringList all = ReadKnownShows(list, false).Items;
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[2], longPath.left(200));

    // A partial record at the end is ignored.
    writeFile(list, bytes + QByteArray(50, 'x'));
    EXPECT_EQ(ReadKnownShows(list, false).Items.size(), 4);
    const KnownShowsRead none = ReadKnownShows(dir + QStringLiteral("/none.dat"), false);
    EXPECT_TRUE(none.whole());
    EXPECT_TRUE(none.Items.isEmpty());
}

TEST(KnownShows, FolderRenameRewritesOnlyPathsThatNoLongerExist)
{
    const QString dir = freshDir(QStringLiteral("ren"));
    const QString stillThere = dir + QStringLiteral("/Old/here.vxt");
    writeFile(stillThere, QByteArray());
    QStringList paths = {dir + QStringLiteral("/Old/moved.vxt"), stillThere,
                         dir + QStringLiteral("/Older/other.vxt"), dir + QStringLiteral("/OLD/case.vxt")};
    const QString oldPrefix = dir + QStringLiteral("/Old");
    const QString list = dir + QStringLiteral("/AllMyShow.dat");
    ASSERT_TRUE(WriteKnownShows(list, paths, oldPrefix, dir + QStringLiteral("/New"), oldPrefix.size(), true).ok());
    EXPECT_EQ(paths[0], dir + QStringLiteral("/New/moved.vxt"));
    EXPECT_EQ(paths[1], stillThere);
    EXPECT_EQ(paths[2], dir + QStringLiteral("/Older/other.vxt"));
    EXPECT_EQ(paths[3], dir + QStringLiteral("/New/case.vxt"));
    EXPECT_EQ(ReadKnownShows(list, false).Items, paths);
}
