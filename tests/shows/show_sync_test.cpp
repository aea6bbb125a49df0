#include "shows/show_file.h"
#include "shows/show_sync.h"
#include "shows/show_windows.h"

#include "support/sandbox.h"

#include <QDir>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {
QByteArray showOf(const QList<TShowRecord>& records)
{
    QByteArray bytes;
    for (const TShowRecord& r : records)
        bytes += EncodeShowRecord(r);
    return bytes;
}
TShowRecord pictureWithSound(const QString& picture, const QString& sound)
{
    TShowRecord r = NewPictureRecord(picture, 40);
    r.SoundFile = sound;
    r.SoundKind = sound.isEmpty() ? QString() : QStringLiteral("F");
    return r;
}
} // namespace

TEST(ShowSync, RenameReachesPicturesAndSoundsOfEveryWritableShow)
{
    const QString dir = freshDir(QStringLiteral("sync"));
    const QString a = dir + QStringLiteral("/a.vxt");
    const QString locked = dir + QStringLiteral("/locked.vxt");
    const QList<TShowRecord> records = {pictureWithSound(QStringLiteral("/p/old.jpg"), QStringLiteral("/p/old.wav")),
                                        pictureWithSound(QStringLiteral("/p/other.jpg"), QStringLiteral("/p/old.jpg"))};
    writeFile(a, showOf(records));
    writeFile(locked, showOf(records));
    testsupport::setReadOnly(locked, true);
    const QByteArray lockedBefore = readFile(locked);

    EXPECT_TRUE(RenameInShowFile(a, QStringLiteral("/p/old.jpg"), QStringLiteral("/q/new.jpg"), 0, false));
    EXPECT_FALSE(RenameInShowFile(locked, QStringLiteral("/p/old.jpg"), QStringLiteral("/q/new.jpg"), 0, false));
    EXPECT_EQ(readFile(locked), lockedBefore);
    const QStringList paths = ReadShowPicturePaths(a);
    EXPECT_EQ(paths, (QStringList{QStringLiteral("/q/new.jpg"), QStringLiteral("/p/other.jpg")}));
    EXPECT_FALSE(RenameInShowFile(a, QStringLiteral("/nothing"), QStringLiteral("/x"), 0, false));
}

TEST(ShowSync, FolderRenameOnlyForPathsThatNoLongerExist)
{
    const QString root = freshDir(QStringLiteral("fold"));
    writeFile(root + QStringLiteral("/Old/stays.jpg"), "x");
    TShowRecord moved = NewPictureRecord(root + QStringLiteral("/old/moved.jpg"), 40);
    TShowRecord stays = NewPictureRecord(root + QStringLiteral("/Old/stays.jpg"), 40);
    TShowRecord sibling = NewPictureRecord(root + QStringLiteral("/Older/x.jpg"), 40);
    const QString oldFolder = root + QStringLiteral("/Old");
    const QString newFolder = root + QStringLiteral("/New");
    EXPECT_TRUE(RenameInShowRecord(moved, oldFolder, newFolder, int(oldFolder.size()), true));
    EXPECT_EQ(moved.PicturePath, newFolder + QStringLiteral("/moved.jpg"));
    EXPECT_FALSE(RenameInShowRecord(stays, oldFolder, newFolder, int(oldFolder.size()), true));
    EXPECT_FALSE(RenameInShowRecord(sibling, oldFolder, newFolder, int(oldFolder.size()), true));
}

TEST(ShowSync, DeleteRemovesPicturesDetachesSoundsAndReachesTheOpenShow)
{
    const QString data = freshDir(QStringLiteral("data"));
    const QString shows = freshDir(QStringLiteral("shows"));
    const QString known = shows + QStringLiteral("/known.vxt");
    const QString open = shows + QStringLiteral("/open.vxt");
    const QList<TShowRecord> records = {pictureWithSound(QStringLiteral("/p/gone.jpg"), QString()),
                                        pictureWithSound(QStringLiteral("/p/kept.jpg"), QStringLiteral("/p/gone.jpg")),
                                        pictureWithSound(QStringLiteral("/p/kept2.jpg"), QString())};
    writeFile(known, showOf(records));
    writeFile(open, showOf(records));

    ShowManagerWindow manager(data + QStringLiteral("/AllMyShow.dat"));
    manager.AddKnownShow(known);
    OpenShow openShow;
    ASSERT_TRUE(OpenNamedShow(openShow, open, data + QStringLiteral("/vistamo.tmp"), data + QStringLiteral("/vistamo.vxt")).ok());

    ShowSyncSteps steps;
    steps.knownShows = [&manager] { return manager.KnownShows(); };
    SyncShowsAfterDelete(openShow, steps, QStringLiteral("/p/gone.jpg"));
    for (const QString& path : {known, open, data + QStringLiteral("/vistamo.tmp")}) {
        const QByteArray bytes = readFile(path);
        ASSERT_EQ(bytes.size(), 2 * 2276) << path.toStdString();
        const TShowRecord first = DecodeShowRecord(bytes.left(2276));
        EXPECT_EQ(first.PicturePath, QStringLiteral("/p/kept.jpg"));
        EXPECT_TRUE(first.SoundFile.isEmpty());
        EXPECT_TRUE(first.SoundKind.isEmpty());
    }
    EXPECT_EQ(OpenShowCount(openShow), 2);
    CloseOpenShow(openShow);
}
