// The command line: switches compared exactly, folders before show files,
// show-file extensions in any letter case.
#include "base/start_args.h"
#include "platform/drives.h"
#include "support/sandbox.h"

#include <QDir>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::writeFile;

TEST(StartArgs, SwitchesAreExactAndCaseSensitive)
{
    const QString cwd = freshDir();
    EXPECT_EQ(ParseStartArgs({}, cwd).Kind, StartKind::Normal);
    EXPECT_EQ(ParseStartArgs({"/vxdemo"}, cwd).Kind, StartKind::Demo);
    // In capitals it is no switch; as no such folder or file exists it is ignored.
    EXPECT_EQ(ParseStartArgs({"/VXDEMO"}, cwd).Kind, StartKind::Normal);
    EXPECT_EQ(ParseStartArgs({"/Audio"}, cwd).Kind, StartKind::Normal);
    EXPECT_EQ(ParseStartArgs({""}, cwd).Kind, StartKind::Normal);

    const TStartArgs audio = ParseStartArgs({"/audio"}, cwd);
    EXPECT_EQ(audio.Kind, StartKind::Audio);
    EXPECT_TRUE(audio.PlaylistArgument.isEmpty());
    const TStartArgs withList = ParseStartArgs({"/audio", "/music/party.vxz"}, cwd);
    EXPECT_EQ(withList.Kind, StartKind::Audio);
    EXPECT_EQ(withList.PlaylistArgument, QStringLiteral("/music/party.vxz"));

    EXPECT_TRUE(IsAudioStart({"/audio", "x"}));
    EXPECT_FALSE(IsAudioStart({"/AUDIO"}));
    EXPECT_FALSE(IsAudioStart({}));
}

TEST(StartArgs, FoldersAndShowFiles)
{
    const QString dir = freshDir();
    QDir().mkpath(dir + "/Holiday");
    QDir().mkpath(dir + "/odd.vxt");  // a folder with a show file's extension
    ASSERT_TRUE(writeFile(dir + "/Trip.VXT", "x"));
    ASSERT_TRUE(writeFile(dir + "/notes.txt", "x"));

    const TStartArgs folder = ParseStartArgs({dir + "/Holiday/"}, "/");
    EXPECT_EQ(folder.Kind, StartKind::Folder);
    EXPECT_EQ(folder.Argument, dir + "/Holiday");

    // Relative to the current folder.
    const TStartArgs relative = ParseStartArgs({"Holiday"}, dir);
    EXPECT_EQ(relative.Kind, StartKind::Folder);
    EXPECT_EQ(relative.Argument, dir + "/Holiday");

    EXPECT_EQ(ParseStartArgs({dir + "/odd.vxt"}, "/").Kind, StartKind::Folder);
    const TStartArgs show = ParseStartArgs({dir + "/Trip.VXT"}, "/");
    EXPECT_EQ(show.Kind, StartKind::ShowFile);
    EXPECT_EQ(show.Argument, dir + "/Trip.VXT");
    EXPECT_EQ(ParseStartArgs({dir + "/notes.txt"}, "/").Kind, StartKind::Normal);
    EXPECT_EQ(ParseStartArgs({dir + "/missing.vxt"}, "/").Kind, StartKind::Normal);
}

TEST(StartArgs, ApplySetsOneModeAndClearsTheOthers)
{
    StartContext start;
    start.StartAbort = 1;
    ApplyStartArgs(start, TStartArgs{StartKind::ShowFile, {}, "/p/a.vxt"});
    EXPECT_EQ(start.ArgumentMode, 1);
    EXPECT_EQ(start.ShowFileArgument, 1);
    EXPECT_EQ(start.DemoMode, 0);
    EXPECT_EQ(start.StartArgument, QStringLiteral("/p/a.vxt"));
    ApplyStartArgs(start, TStartArgs{StartKind::Audio, "list.vxz", {}});
    EXPECT_EQ(start.ArgumentMode, 0);
    EXPECT_EQ(start.ShowFileArgument, 0);
    EXPECT_EQ(start.AudioMode, 1);
    EXPECT_EQ(start.AudioPlaylistArgument, QStringLiteral("list.vxz"));
    ClearStartModes(start);
    EXPECT_EQ(start.AudioMode, 0);
    EXPECT_EQ(start.StartAbort, 0);
    EXPECT_TRUE(start.AudioPlaylistArgument.isEmpty());
}

TEST(StartArgs, FolderNameOrDriveNamesDriveRootsByLetter)
{
    const QString media = freshDir("media");
    platform::setFakeMountTable({platform::MountEntry{"/", "ext4", "/dev/sda1", false},
                                 platform::MountEntry{media, "vfat", "/dev/sdb1", true}});
    EXPECT_EQ(FolderNameOrDrive("/"), QStringLiteral("C"));
    EXPECT_EQ(FolderNameOrDrive(media), QStringLiteral("D"));
    EXPECT_EQ(FolderNameOrDrive(media + "/Holiday 2009/"), QStringLiteral("Holiday 2009"));
    EXPECT_EQ(FolderNameOrDrive("/home/ann/Pictures"), QStringLiteral("Pictures"));
    platform::clearFakeMountTable();
}
