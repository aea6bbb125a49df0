// The save at close: three-way merge against the file on disk, each file in
// its own safe write, a save that still happens when the disk copy is
// unreadable, and the real close on a full disk or past a file-size limit.
#include "base/data_folder.h"
#include "support/test_state.h"
#include "base/settings_fields.h"
#include "base/start_args.h"
#include "app/main_window.h"
#include "app/close_controller.h"
#include "platform/prompt.h"
#include "platform/record_file.h"
#include "shows/known_shows.h"
#include "support/sandbox.h"
#include "support/write_failure.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstdio>

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

    // A write that fails (here: past a file-size limit smaller than either
    // file) leaves both previous files whole and is told with its reason.
    ASSERT_TRUE(WriteSettingsFile(settings, snapshot).ok());
    TSettingsRecord live2 = snapshot;
    live2.PlayOrder = 3;
    const TCloseSave failed = [&] {
        testsupport::ScopedFileSizeLimit limit(100);
        return SaveAtClose(settings, live2, snapshot, onDisk, 0, false, QStringList{"/y.vxt"}, list);
    }();
    EXPECT_FALSE(failed.Settings.ok());
    EXPECT_FALSE(failed.ShowList.ok());
    EXPECT_EQ(readFile(settings), before);
    EXPECT_EQ(readFile(list), EncodeShowListRecord("/keep.vxt"));
    EXPECT_EQ(CloseSaveFailureTexts(failed, settings, list),
              QStringList({"Vistamo! : The settings could not be saved to " + settings + ": File too large",
                           "Vistamo! : The list of MyShow files could not be saved to " + list + ": File too large"}));
    EXPECT_TRUE(CloseSaveFailureTexts(audio, settings, list).isEmpty());
}

namespace {

QString settingsPath()
{
    return DefaultDataFolder() + "/VXSettings61.dat";
}

QString settingsFailureText(const QString& reason)
{
    return "Vistamo! : The settings could not be saved to " + settingsPath() + ": " + reason;
}

// The main window of a normal start, closed as the user closes it. With
// `limit` above 0 no file may grow past that many bytes during the close.
// Prints every message shown and whether the window closed.
int closeTheMainWindow(qint64 limit)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    platform::ScopedPromptResponder quiet([](const platform::PromptRequest& r) { return platform::defaultReply(r); });
    MainWindow form(TestState());
    form.startup()->FormCreate();
    if (TestState().start.StartAbort != 0)
        return 2;
    form.show();
    Settings.PlayOrder = 1;
    if (limit > 0 && !testsupport::limitFileSize(limit))
        return 3;
    const bool closed = form.close();
    for (const platform::PromptRecord& r : platform::promptLog())
        std::printf("message:%s\n", qPrintable(r.request.text));
    std::printf("closed:%d\n", closed && !form.isVisible());
    return 0;
}

const testsupport::ChildRegistration closeOverLimit("close-over-file-size-limit",
                                                    [](const QStringList&) { return closeTheMainWindow(4096); });

} // namespace

TEST(CloseSave, AFileSizeLimitAtCloseKeepsTheSettingsFileAndSaysWhy)
{
    const testsupport::ChildRun child = testsupport::runChild("close-over-file-size-limit");
    ASSERT_EQ(child.exitCode, 0) << child.output.toStdString();
    const QString out = QString::fromLocal8Bit(child.output);
    EXPECT_TRUE(out.contains("message:" + settingsFailureText("File too large") + "\n")) << out.toStdString();
    EXPECT_TRUE(out.contains("closed:1")) << out.toStdString();
    // The file of the start stays whole; the close's change did not land.
    TSettingsRecord after;
    ASSERT_TRUE(ReadSettingsFile(settingsPath(), after).ok());
    EXPECT_NE(after.PlayOrder, 1);
    EXPECT_EQ(QDir(DefaultDataFolder()).entryList({".VXSettings61.dat.*"}, QDir::Files | QDir::Hidden), QStringList());
}

TEST(CloseSave, AFullDataFolderKeepsTheSettingsFileAndSaysWhy)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    testsupport::TinyVolume volume(DefaultDataFolder(), 1024);
    SKIP_UNLESS_MOUNTED(volume);
    platform::ScopedPromptResponder quiet([](const platform::PromptRequest& r) { return platform::defaultReply(r); });
    MainWindow form(TestState());
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    form.show();
    const QByteArray before = readFile(settingsPath());
    ASSERT_EQ(before.size(), SettingsRecordSize);
    Settings.PlayOrder = 1;
    ASSERT_TRUE(volume.fill());

    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readFile(settingsPath()), before);
    bool told = false;
    for (const platform::PromptRecord& r : platform::promptLog())
        told = told || (r.request.kind == platform::PromptKind::Error
                        && r.request.text == settingsFailureText("No space left on device"));
    EXPECT_TRUE(told);
    EXPECT_EQ(QDir(DefaultDataFolder()).entryList({".VXSettings61.dat.*"}, QDir::Files | QDir::Hidden), QStringList());
}
