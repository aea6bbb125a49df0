// Settings file versions: which older file is moved into place, what is
// deleted beside a current file, damaged files kept aside, upgrade blocks.
#include "base/data_folder.h"
#include "base/settings_versions.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {
QByteArray recordBytes(char fill) { return QByteArray(SettingsRecordSize, fill); }
QString numbered(const QString& dir, int n) { return dir + "/" + SettingsFileNameFor(n); }
} // namespace

TEST(SettingsVersions, NewestOlderFileIsMigrated)
{
    const QString dir = freshDir();
    const QString current = numbered(dir, 61);
    ASSERT_TRUE(writeFile(numbered(dir, 33), recordBytes('a')));
    ASSERT_TRUE(writeFile(numbered(dir, 52), recordBytes('b')));
    ASSERT_TRUE(writeFile(numbered(dir, 41), recordBytes('c')));

    const TSettingsMigration m = MigrateSettingsFile(dir, current);
    EXPECT_TRUE(m.Converted);
    EXPECT_TRUE(m.Moved);
    EXPECT_EQ(m.FoundVersion, 52);
    EXPECT_EQ(readFile(current), recordBytes('b'));
    EXPECT_FALSE(QFileInfo::exists(numbered(dir, 52)));

    // The next start finds the current file and removes the leftovers 10..60.
    ASSERT_TRUE(writeFile(numbered(dir, 9), "keep"));
    const TSettingsMigration next = MigrateSettingsFile(dir, current);
    EXPECT_FALSE(next.Converted);
    EXPECT_EQ(next.FoundVersion, 0);
    EXPECT_EQ(next.DeletedFiles.size(), 2);
    EXPECT_FALSE(QFileInfo::exists(numbered(dir, 33)));
    EXPECT_FALSE(QFileInfo::exists(numbered(dir, 41)));
    EXPECT_TRUE(QFileInfo::exists(numbered(dir, 9)));
    EXPECT_EQ(readFile(current), recordBytes('b'));
}

TEST(SettingsVersions, UnknownNumbersAreNotMigrated)
{
    const QString dir = freshDir();
    ASSERT_TRUE(writeFile(numbered(dir, 34), recordBytes('x')));  // not a released version
    const TSettingsMigration m = MigrateSettingsFile(dir, numbered(dir, 61));
    EXPECT_FALSE(m.Converted);
    EXPECT_FALSE(QFileInfo::exists(numbered(dir, 61)));
}

TEST(SettingsVersions, ShortSettingsFileIsKeptAside)
{
    const QString dir = freshDir();
    const QString current = numbered(dir, 61);
    ASSERT_TRUE(writeFile(current, QByteArray(100, 'z')));
    const QString bad = KeepShortSettingsFileAside(current);
    EXPECT_EQ(bad, current + ".bad");
    EXPECT_FALSE(QFileInfo::exists(current));
    EXPECT_EQ(readFile(bad), QByteArray(100, 'z'));

    // A whole record (or more) stays where it is.
    ASSERT_TRUE(writeFile(current, recordBytes('q') + "tail"));
    EXPECT_TRUE(KeepShortSettingsFileAside(current).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(current));
    EXPECT_TRUE(KeepShortSettingsFileAside(dir + "/missing.dat").isEmpty());
}

TEST(SettingsVersions, UpgradeBlocksApplyFromTheFoundVersionOn)
{
    TSettingsRecord v30;
    ApplySettingsUpgrades(v30, 30, "/d", "/d/Vistamo! Slide Shows", 30);
    EXPECT_EQ(v30.ShowHints, 1);
    EXPECT_EQ(v30.MailSizeQuality, 1752);
    EXPECT_EQ(v30.SearchOrAnd2, 1);
    EXPECT_EQ(v30.DockPanel, 1);
    EXPECT_EQ(v30.AskMonthlyUpdate, 1);
    EXPECT_EQ(v30.SuggestionDay, 28);  // today's day, at most 28
    EXPECT_EQ(v30.AttachVoice, QStringLiteral("A"));
    EXPECT_EQ(v30.MaxPictures, 25000);
    EXPECT_EQ(v30.PicturesPerPageIndex, QStringLiteral("3"));
    EXPECT_EQ(v30.LastOpenShowFolder, QStringLiteral("/d/Vistamo! Slide Shows"));
    EXPECT_EQ(v30.ShowCameraModel, QStringLiteral("1"));
    // Block 50 sets "0", block 54 later "1".
    EXPECT_EQ(v30.SearchShowResults, QStringLiteral("1"));
    EXPECT_EQ(v30.ThumbManualMode, 1);

    TSettingsRecord v43;
    v43.MailSizeQuality = 7;
    v43.MaxPictures = 99;
    ApplySettingsUpgrades(v43, 43, "/d", "/d/s", 3);
    EXPECT_EQ(v43.MailSizeQuality, 7);       // block 32 not applied
    EXPECT_EQ(v43.MaxPictures, 99);          // block 40 not applied
    EXPECT_EQ(v43.PicturesPerPageIndex, QStringLiteral("3"));

    TSettingsRecord v54;
    v54.Bookmarks[3] = "x";
    v54.RawBytes[10541] = 9;
    v54.RawBytes[12021] = 9;
    v54.LastOpenShowFolder = "/keep";
    ApplySettingsUpgrades(v54, 54, "/d", "/d/s", 3);
    EXPECT_TRUE(v54.Bookmarks[3].isEmpty());
    EXPECT_EQ(v54.RawBytes[10541], 0);
    EXPECT_EQ(v54.RawBytes[12021], 0);
    EXPECT_EQ(v54.LastOpenShowFolder, QStringLiteral("/keep"));

    TSettingsRecord v60;
    v60.SearchShowResults = "0";
    v60.Bookmarks[0] = "b";
    ApplySettingsUpgrades(v60, 60, "/d", "/d/s", 3);
    EXPECT_EQ(v60.SearchShowResults, QStringLiteral("0"));
    EXPECT_EQ(v60.Bookmarks[0], QStringLiteral("b"));
}

TEST(SettingsVersions, MovedShowsAreRelinkedIntoTheShowsFolder)
{
    const QString dir = freshDir();
    const QString shows = dir + "/Vistamo! Slide Shows";
    ASSERT_TRUE(writeFile(shows + "/Party.vxt", "s"));
    ASSERT_TRUE(writeFile(dir + "/here.vxt", "s"));
    TSettingsRecord rec;
    rec.RecentFolders[0] = "/gone/Party.VXT";  // file names are matched as they are
    rec.Favorites[1] = "/gone/Party.vxt";
    rec.ShowHistory[2] = dir + "/here.vxt";      // still there: unchanged
    rec.Favorites[2] = "/gone/Other.vxt";        // nothing to link to: unchanged
    rec.RecentFolders[1] = "/gone/folder";       // not a show
    ApplySettingsUpgrades(rec, 52, dir, shows, 1);
    EXPECT_EQ(rec.Favorites[1], shows + "/Party.vxt");
    EXPECT_EQ(rec.ShowHistory[2], dir + "/here.vxt");
    EXPECT_EQ(rec.Favorites[2], QStringLiteral("/gone/Other.vxt"));
    EXPECT_EQ(rec.RecentFolders[1], QStringLiteral("/gone/folder"));
}

TEST(SettingsVersions, CompactProgramListDropsMissingAndPacks)
{
    const QString dir = freshDir();
    ASSERT_TRUE(writeFile(dir + "/gimp", "x"));
    ASSERT_TRUE(writeFile(dir + "/krita", "x"));
    std::array<QString, 5> list = {"", dir + "/gimp", dir + "/gone", "", dir + "/krita"};
    CompactProgramList(list);
    EXPECT_EQ(list[0], dir + "/gimp");
    EXPECT_EQ(list[1], dir + "/krita");
    EXPECT_TRUE(list[2].isEmpty() && list[3].isEmpty() && list[4].isEmpty());
}
