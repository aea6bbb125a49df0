// The save at close: three-way merge against the file on disk, each file in
// its own safe write, and a save that still happens when the disk copy is
// unreadable.
#include "app/settings_fields.h"
#include "app/tform1_close.h"
#include "platform/record_file.h"
#include "shows/known_shows.h"
#include "support/sandbox.h"

#include <QFile>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

TSettingsRecord baseRecord()
{
    TSettingsRecord rec;
    rec.PlayOrder = 1;
    rec.IntervalIndex = 5;
    rec.ShowHints = 1;
    rec.StartupFolder = "/home/pics";
    rec.RunningMarker = 1;
    return rec;
}

} // namespace

TEST(CloseSave, MergeKeepsAnotherInstancesChangesAndOwnChanges)
{
    const QString dir = freshDir();
    const QString settings = dir + "/VXSettings61.dat";
    const QString list = dir + "/AllMyShow.dat";
    const TSettingsRecord snapshot = baseRecord();

    // Another instance changed the interval and the start-up folder on disk.
    TSettingsRecord disk = snapshot;
    disk.IntervalIndex = 9;
    disk.StartupFolder = "/media/usb/pics";
    ASSERT_TRUE(WriteSettingsFile(settings, disk).ok());

    // This instance changed the play order and the start-up folder.
    TSettingsRecord live = snapshot;
    live.PlayOrder = 3;
    live.StartupFolder = "/home/own";
    TSettingsRecord onDisk;
    const TCloseSave saved = SaveAtClose(settings, live, snapshot, onDisk, 1, false,
                                         QStringList{"/shows/a.vxt", "/shows/b.vxt"}, list);
    EXPECT_TRUE(saved.DiskRead);
    ASSERT_TRUE(saved.Settings.ok());

    const QByteArray bytes = readFile(settings);
    ASSERT_EQ(bytes.size(), SettingsRecordSize);
    TSettingsRecord written;
    ASSERT_TRUE(DecodeSettings(bytes, written).ok());
    EXPECT_EQ(written.PlayOrder, 3);                                 // own change
    EXPECT_EQ(written.IntervalIndex, 9);                             // the other's change
    EXPECT_EQ(written.StartupFolder, QStringLiteral("/home/own"));   // both changed: own wins
    EXPECT_EQ(written.RunningMarker, 0);
    EXPECT_EQ(written.MyShowHidden, 1);
    EXPECT_EQ(static_cast<uint8_t>(bytes.at(2426)), 0);             // RunningMarker byte
    EXPECT_EQ(bytes.mid(12024, 4), QByteArray::fromHex("01000000")); // MyShowHidden, little-endian

    ASSERT_TRUE(saved.ShowListWritten);
    const QByteArray shows = readFile(list);
    ASSERT_EQ(shows.size(), 2 * 201);
    EXPECT_EQ(static_cast<uint8_t>(shows.at(0)), 12);
    EXPECT_EQ(shows.mid(1, 12), QByteArray("/shows/a.vxt"));
    EXPECT_EQ(static_cast<uint8_t>(shows.at(201)), 12);
    EXPECT_EQ(shows.mid(202, 12), QByteArray("/shows/b.vxt"));
}

TEST(CloseSave, UnreadableDiskCopyStillSavesAgainstTheStartupCopy)
{
    const QString dir = freshDir();
    const QString settings = dir + "/VXSettings61.dat";
    ASSERT_TRUE(writeFile(settings, QByteArray(50, 'x')));  // damaged: shorter than a record
    const TSettingsRecord snapshot = baseRecord();
    TSettingsRecord live = snapshot;
    live.PlayOrder = 4;
    TSettingsRecord onDisk;
    const TCloseSave saved = SaveAtClose(settings, live, snapshot, onDisk, 0, false, std::nullopt, dir + "/l.dat");
    EXPECT_FALSE(saved.DiskRead);
    ASSERT_TRUE(saved.Settings.ok());
    TSettingsRecord written;
    ASSERT_TRUE(ReadSettingsFile(settings, written).ok());
    EXPECT_EQ(written.PlayOrder, 4);
    EXPECT_EQ(written.IntervalIndex, 5);
    // Without the manager's list the show list file is left alone.
    EXPECT_FALSE(saved.ShowListWritten);
    EXPECT_FALSE(QFile::exists(dir + "/l.dat"));
}

TEST(CloseSave, AudioOnlyCloseLeavesTheShowListAndAFailedWriteKeepsTheOldFile)
{
    const QString dir = freshDir();
    const QString settings = dir + "/VXSettings61.dat";
    const QString list = dir + "/AllMyShow.dat";
    const TSettingsRecord snapshot = baseRecord();
    ASSERT_TRUE(WriteSettingsFile(settings, snapshot).ok());
    ASSERT_TRUE(writeFile(list, EncodeShowListRecord("/keep.vxt")));
    const QByteArray before = readFile(settings);

    TSettingsRecord live = snapshot;
    live.PlayOrder = 2;
    TSettingsRecord onDisk;
    const TCloseSave audio = SaveAtClose(settings, live, snapshot, onDisk, 0, true, QStringList{"/x.vxt"}, list);
    EXPECT_FALSE(audio.ShowListWritten);
    EXPECT_EQ(readFile(list), EncodeShowListRecord("/keep.vxt"));

    // A write that fails (full disk) leaves the previous file whole.
    ASSERT_TRUE(WriteSettingsFile(settings, snapshot).ok());
    platform::SetSafeWriteFailureForTests(true);
    TSettingsRecord live2 = snapshot;
    live2.PlayOrder = 3;
    const TCloseSave failed = SaveAtClose(settings, live2, snapshot, onDisk, 0, false, QStringList{"/y.vxt"}, list);
    platform::SetSafeWriteFailureForTests(false);
    EXPECT_FALSE(failed.Settings.ok());
    EXPECT_EQ(readFile(settings), before);
    EXPECT_EQ(readFile(list), EncodeShowListRecord("/keep.vxt"));
}
