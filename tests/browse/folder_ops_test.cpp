// Folder operations on real folders: renames that carry the stored paths
// (settings file, exclusions, a show file, a playlist) only below the
// renamed folder at a whole name, a settings file that cannot be written,
// refusals (bad and reserved names, existing folders, the root of a
// volume), emptying and deleting with read-only pictures, links and
// bookkeeping files, the quiet mail folder and the SmallPics walk.
#include "browse/folder_ops.h"
#include "support/test_state.h"

#include "base/settings_fields.h"
#include "base/settings_record.h"
#include "browse/folder_exclusions.h"
#include "platform/drives.h"
#include "platform/file_attributes.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "shows/show_record.h"
#include "shows/show_sync.h"
#include "base/sound_records.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

using platform::PromptAnswer;
using platform::PromptReply;
using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

QStringList messages()
{
    QStringList texts;
    for (const platform::PromptRecord& r : platform::promptLog())
        texts << r.request.text;
    return texts;
}

// Keeps a show file and a playlist in step as the program's window does.
class Host : public FolderOpsHost {
public:
    void processEvents() override {}
    Host() : FolderOpsHost(TestState().settings.Settings) {}
    void syncShowsAfterFolderRename(const QString& o, const QString& n) override
    {
        for (const QString& show : shows)
            RenameInShowFile(show, o, n, int(o.size()), true);
    }
    QStringList playlists() const override { return lists; }
    void progressShow(const QString& caption) override { progress << caption; }
    void progressLabel(const QString& text) override { labels << text; }
    void folderRemoved(const QString& folder) override { removed << folder; }
    QString openShowFile() const override { return openShow; }
    bool draftShowOpen() const override { return openShow.isEmpty(); }
    void openDraftShow() override { draftOpened = true; }
    QStringList shows, lists, progress, labels, removed;
    QString openShow;
    bool draftOpened = false;
};

class FolderOpsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = freshDir("folders");
        TestState().settings.Settings = TSettingsRecord();
        TestState().settings.Settings.VoiceDeleteMode = "0";
        platform::clearFakeMountTable();
    }
    void TearDown() override { platform::clearFakeMountTable(); }
    QString root;
    Host host;
};

} // namespace

TEST(FolderPrefix, MatchesOnlyAtAWholeFolderName)
{
    EXPECT_TRUE(FolderHoldsPath("/p/Pics", "/p/Pics"));
    EXPECT_TRUE(FolderHoldsPath("/p/Pics", "/p/pics/x.jpg"));
    EXPECT_FALSE(FolderHoldsPath("/p/Pics", "/p/Pictures/x.jpg"));
    EXPECT_FALSE(FolderHoldsPath("/p/Pics", "/p/Pic"));
    EXPECT_TRUE(FolderHoldsPath("/", "/p"));
    EXPECT_EQ(ReplaceFolderPrefix("/p/Pics/a/x.jpg", "/p/Pics", "/p/Photos").value_or(""), "/p/Photos/a/x.jpg");
    EXPECT_FALSE(ReplaceFolderPrefix("/p/Pictures/x.jpg", "/p/Pics", "/p/Photos").has_value());
}

TEST_F(FolderOpsTest, ARenameCarriesEveryStoredPathBelowTheFolderAndNoOther)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString pics = root + "/Pics";
    const QString pictures = root + "/Pictures";
    QDir().mkpath(pics);
    QDir().mkpath(pictures);
    writeFile(pics + "/x.jpg", "x");
    writeFile(pics + "/song.mp3", "s");
    const QString settingsPath = root + "/VXSettings61.dat";
    Settings.Favorites[0] = pics;
    Settings.Favorites[1] = pictures;                 // exists: left alone anyway
    Settings.RecentFolders[0] = pics + "/Sub";        // below: follows
    Settings.RecentFolders[1] = root + "/Pictures2";  // a sibling whose name starts alike
    Settings.LastCopyTarget = pics;
    Settings.EditPrograms[0] = pics + "/editor";
    ASSERT_TRUE(WriteSettingsFile(settingsPath, Settings).ok());

    const QString exclusions = root + "/ExcludeFolder.dat";
    ASSERT_TRUE(WriteExcludeFolderFile(exclusions, {{ExclusionKey(pics + "/Sub"), 1, 0, 0, 0},
                                                    {ExclusionKey(pictures + "/x"), 1, 0, 0, 0}}));
    const QString show = root + "/album.vxt";
    writeFile(show, EncodeShowRecord(NewPictureRecord(pics + "/x.jpg", 40))
                        + EncodeShowRecord(NewPictureRecord(pictures + "/x.jpg", 40)));
    host.shows << show;
    const QString playlist = root + "/list.vxz";
    TPlaylistRecord a, b;
    a.SoundPath = pics + "/song.mp3";
    b.SoundPath = pictures + "/song.mp3";
    ASSERT_TRUE(WritePlaylist(playlist, {a, b}).ok());
    host.lists << playlist;

    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    const FolderRenameOutcome out =
        RenameFolder(pics, "Photos", Settings, settingsPath, exclusions, true, host);
    ASSERT_TRUE(out.renamed);
    const QString photos = root + "/Photos";
    EXPECT_EQ(out.newPath, photos);
    EXPECT_TRUE(QFileInfo(photos + "/x.jpg").isFile());
    EXPECT_TRUE(messages().isEmpty()) << messages().join("|").toStdString();

    // The settings file was written at once.
    TSettingsRecord onDisk;
    ASSERT_TRUE(ReadSettingsFile(settingsPath, onDisk).ok());
    EXPECT_EQ(onDisk.Favorites[0], photos);
    EXPECT_EQ(onDisk.Favorites[1], pictures);
    EXPECT_EQ(onDisk.RecentFolders[0], photos + "/Sub");
    EXPECT_EQ(onDisk.RecentFolders[1], root + "/Pictures2");
    EXPECT_EQ(onDisk.LastCopyTarget, photos);
    EXPECT_EQ(onDisk.EditPrograms[0], photos + "/editor");

    const auto records = ReadExcludeFolderFile(exclusions).Items;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Path, ExclusionKey(photos + "/Sub"));
    EXPECT_EQ(records[1].Path, ExclusionKey(pictures + "/x"));
    EXPECT_EQ(ReadShowPicturePaths(show), (QStringList{photos + "/x.jpg", pictures + "/x.jpg"}));
    const QList<TPlaylistRecord> tracks = ReadPlaylist(playlist).Items;
    ASSERT_EQ(tracks.size(), 2);
    EXPECT_EQ(tracks[0].SoundPath, photos + "/song.mp3");
    EXPECT_EQ(tracks[1].SoundPath, pictures + "/song.mp3");
}

TEST_F(FolderOpsTest, AFailedSettingsWriteIsToldAndTheOtherFilesStillFollow)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString pics = root + "/Pics";
    QDir().mkpath(pics);
    const QString settingsPath = root + "/VXSettings61.dat";
    ASSERT_TRUE(WriteSettingsFile(settingsPath, Settings).ok());
    testsupport::setReadOnly(settingsPath, true);
    const QByteArray before = readFile(settingsPath);
    Settings.Favorites[0] = pics;
    const QString show = root + "/album.vxt";
    writeFile(show, EncodeShowRecord(NewPictureRecord(pics + "/x.jpg", 40)));
    host.shows << show;

    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    ASSERT_TRUE(RenameFolder(pics, "Photos", Settings, settingsPath, root + "/none.dat", true, host).renamed);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages()[0].startsWith("The settings could not be saved to " + settingsPath));
    EXPECT_EQ(readFile(settingsPath), before);
    EXPECT_EQ(Settings.Favorites[0], root + "/Photos");   // the live record follows
    EXPECT_EQ(ReadShowPicturePaths(show), QStringList{root + "/Photos/x.jpg"});
}

TEST_F(FolderOpsTest, RenameRefusalsAndALetterCaseRename)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString pics = root + "/pics";
    QDir().mkpath(pics);
    QDir().mkpath(root + "/Other");
    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    const auto rename = [&](const QString& name) {
        return RenameFolder(pics, name, Settings, QString(), QString(), false, host).renamed;
    };
    EXPECT_FALSE(rename(""));
    EXPECT_FALSE(rename("VXOTHUMB"));
    EXPECT_FALSE(rename(".."));
    EXPECT_FALSE(rename("a/b"));
    EXPECT_FALSE(rename("Other"));
    EXPECT_FALSE(rename("pics"));
    EXPECT_EQ(messages(), (QStringList{"Folder name can not be empty",
                                       "VXOTHUMB is a reserved name, can not rename folder ",
                                       ".. is not a valid folder name", "a/b is not a valid folder name",
                                       "Folder " + root + "/Other already exists, choose a different name",
                                       "To rename new folder name must differ from current folder name"}));
    EXPECT_TRUE(QFileInfo(root + "/Other").isDir());
    EXPECT_TRUE(rename("Pics"));
    EXPECT_TRUE(QFileInfo(root + "/Pics").isDir());

    // The root of a volume is never renamed, emptied or deleted: a real
    // tmpfs below the test's folder, which the drive table leaves out.
    if (::geteuid() != 0
        || ::mount("tmpfs", QFile::encodeName(root + "/Pics").constData(), "tmpfs", 0, "size=1M") != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    ASSERT_TRUE(writeFile(root + "/Pics/x.jpg", "on the volume"));
    platform::clearPromptLog();
    EXPECT_FALSE(RenameFolder(root + "/Pics", "X", Settings, QString(), QString(), false, host).renamed);
    EXPECT_FALSE(DeleteOrEmptyFolder(root + "/Pics", FolderWalkMode::Delete, false, true, host).asked);
    EXPECT_FALSE(DeleteOrEmptyFolder(root + "/Pics", FolderWalkMode::Empty, false, true, host).asked);
    EXPECT_EQ(messages(), (QStringList{"The root of a drive can not be renamed",
                                       "The root of a drive can not be emptied or deleted",
                                       "The root of a drive can not be emptied or deleted"}));
    EXPECT_TRUE(QFileInfo(root + "/Pics").isDir());
    EXPECT_EQ(readFile(root + "/Pics/x.jpg"), "on the volume");
    ::umount2(QFile::encodeName(root + "/Pics").constData(), MNT_DETACH);
}

TEST_F(FolderOpsTest, CreateRefusesReservedNamesAndHidesAPresetSmallPics)
{
    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    EXPECT_TRUE(CreateFolder(root, "VxoThumb", false, true).isEmpty());
    EXPECT_EQ(messages(), QStringList{"VxoThumb is a reserved name, can not create folder "});
    EXPECT_EQ(CreateFolder(root, "SmallPics", true, true), root + "/SmallPics");
    EXPECT_TRUE(platform::IsHidden(root + "/SmallPics"));
    EXPECT_TRUE(CreateFolder(root, "SmallPics", true, true).isEmpty());
}

TEST_F(FolderOpsTest, EmptyingKeepsTheFolderAndWhatItMayNotDelete)
{
    const QString f = root + "/Album";
    writeFile(f + "/a.jpg", "a");
    writeFile(f + "/Thumbs.db", "t");
    writeFile(f + "/notes.txt", "keep");
    writeFile(f + "/vxothumb/a.jpg", "thumb");
    platform::SetHidden(f + "/vxothumb", true);
    writeFile(f + "/Sub/b.gif", "b");
    writeFile(f + "/Locked/c.jpg", "c");
    testsupport::setReadOnly(f + "/Locked/c.jpg", true);
    // A link to a folder elsewhere is never walked through.
    const QString outside = root + "/Outside";
    writeFile(outside + "/keep.jpg", "k");
    ASSERT_EQ(::symlink(QFile::encodeName(outside).constData(), QFile::encodeName(f + "/link").constData()), 0);

    platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::button(PromptAnswer::Yes)});
    const FolderDeleteOutcome out = DeleteOrEmptyFolder(f, FolderWalkMode::Empty, false, true, host);
    EXPECT_TRUE(out.asked);
    EXPECT_FALSE(out.complete);
    EXPECT_EQ(out.folderToShow, f);
    EXPECT_EQ(messages()[0], "Empty folder " + f + "?");
    EXPECT_EQ(messages().last(), "Folder " + f + " could not be completely emptied!\r\n"
                                 "Only image and sound formats Vistamo! supports and MyShow files will be deleted.\r\n"
                                 "Read-only files will not be deleted.");
    EXPECT_TRUE(QFileInfo(f).isDir());
    EXPECT_FALSE(QFileInfo::exists(f + "/a.jpg"));
    EXPECT_FALSE(QFileInfo::exists(f + "/Thumbs.db"));
    EXPECT_FALSE(QFileInfo::exists(f + "/Sub"));
    EXPECT_FALSE(QFileInfo::exists(f + "/vxothumb"));
    EXPECT_EQ(readFile(f + "/notes.txt"), "keep");
    EXPECT_EQ(readFile(f + "/Locked/c.jpg"), "c");
    EXPECT_EQ(readFile(outside + "/keep.jpg"), "k");
    EXPECT_EQ(host.progress, QStringList{"Deleting files and subfolders....."});
    EXPECT_TRUE(host.labels.contains("Deleting a.jpg"));
    const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files";
    EXPECT_TRUE(QFileInfo::exists(trash + "/b.gif"));
}

TEST_F(FolderOpsTest, DeletingAFolderWithAReadOnlyPictureKeepsBoth)
{
    const QString f = root + "/Album";
    writeFile(f + "/a.jpg", "a");
    writeFile(f + "/ro.jpg", "ro");
    testsupport::setReadOnly(f + "/ro.jpg", true);
    host.openShow = f + "/show.vxt";
    PromptAnswer answer = PromptAnswer::Yes;
    platform::ScopedPromptResponder answers([&](const platform::PromptRequest&) { return PromptReply::button(answer); });
    const FolderDeleteOutcome out = DeleteOrEmptyFolder(f, FolderWalkMode::Delete, false, true, host);
    EXPECT_FALSE(out.complete);
    EXPECT_EQ(messages()[0], "Delete folder " + f + "?\r\n Warning: Also currently opened MyShow file will be removed!");
    EXPECT_TRUE(host.draftOpened);
    EXPECT_TRUE(messages().last().startsWith("Folder " + f + " could not be completely emptied and was therefore not deleted!"));
    EXPECT_EQ(readFile(f + "/ro.jpg"), "ro");

    // Without it the folder goes and the tree shows its parent.
    testsupport::setReadOnly(f + "/ro.jpg", false);
    platform::clearPromptLog();
    const FolderDeleteOutcome again = DeleteOrEmptyFolder(f, FolderWalkMode::Delete, false, true, host);
    EXPECT_TRUE(again.complete);
    EXPECT_FALSE(QFileInfo::exists(f));
    EXPECT_EQ(again.folderToShow, root);
    EXPECT_EQ(host.removed, QStringList{f});
    // A "No" changes nothing.
    writeFile(root + "/Other/x.jpg", "x");
    answer = PromptAnswer::No;
    EXPECT_FALSE(DeleteOrEmptyFolder(root + "/Other", FolderWalkMode::Delete, false, true, host).asked);
    EXPECT_TRUE(QFileInfo::exists(root + "/Other/x.jpg"));
}

TEST_F(FolderOpsTest, TheQuietMailFolderIsEmptiedOfEveryFileAndSmallPicsAreHidden)
{
    const QString mail = root + "/mail";
    writeFile(mail + "/a.jpg", "a");
    writeFile(mail + "/b.txt", "b");
    writeFile(mail + "/sub/c.jpg", "c");
    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    EXPECT_TRUE(DeleteOrEmptyFolder(mail, FolderWalkMode::Empty, true, true, host).complete);
    EXPECT_TRUE(QDir(mail).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_TRUE(platform::promptLog().isEmpty());
    EXPECT_TRUE(host.progress.isEmpty());

    QDir().mkpath(root + "/Album/SmallPics");
    QDir().mkpath(root + "/Album/Sub/smallpics");
    writeFile(root + "/Album/x.jpg", "x");
    platform::ScopedPromptResponder yes(QList<PromptReply>{PromptReply::button(PromptAnswer::Yes)});
    EXPECT_TRUE(DeleteOrEmptyFolder(root + "/Album", FolderWalkMode::SetSmallPicsHidden, false, true, host).complete);
    EXPECT_EQ(messages()[0], "Set all SmallPics folder of " + root + "/Album to hidden?");
    EXPECT_TRUE(platform::IsHidden(root + "/Album/SmallPics"));
    EXPECT_TRUE(platform::IsHidden(root + "/Album/Sub/smallpics"));
    EXPECT_TRUE(QFileInfo::exists(root + "/Album/x.jpg"));
}
