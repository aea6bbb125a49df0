// The folder tree's rules on folders the tests make: which entries become
// nodes, their images and order, the level split and the subfolder list.
#include "browse/folder_tree_logic.h"
#include "support/test_state.h"

#include "base/data_folder.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_collect.h"

#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <unistd.h>

using testsupport::freshDir;
using testsupport::writeFile;

namespace {

QStringList Names(const FolderFillResult& r)
{
    QStringList names;
    for (const TreeEntry& e : r.children)
        names << e.name;
    return names;
}

int ImageOf(const FolderFillResult& r, const QString& name)
{
    for (const TreeEntry& e : r.children)
        if (e.name == name)
            return e.image;
    return -100;
}

} // namespace

TEST(FolderTreeRules, NodeKindsFollowTheImageIndex)
{
    for (int image : {0, 1, 2, 18, 19, 20})
        EXPECT_TRUE(IsFolderNode(image)) << image;
    for (int image : {3, 4, 10, 11, 17, 21, 22})
        EXPECT_TRUE(IsFileNode(image)) << image;
}

TEST(FolderTreeRules, ClassifiesPicturesAndVideos)
{
    TreePlayOptions opts;
    EXPECT_EQ(ClassifyTreeFile("a.JPG", 10, opts, 21).image, 4);
    EXPECT_EQ(ClassifyTreeFile("a.jpeg", 10, opts, 21).image, 5);
    EXPECT_EQ(ClassifyTreeFile("a.Gif", 10, opts, 21).image, 10);
    // A zero-byte picture is not listed; a zero-byte video is.
    EXPECT_EQ(ClassifyTreeFile("empty.jpg", 0, opts, 21).kind, TreeEntryKind::Ignored);
    EXPECT_EQ(ClassifyTreeFile("empty.avi", 0, opts, 22).image, 22);
    // An extension starting with .mpeg is a video.
    EXPECT_EQ(ClassifyTreeFile("clip.mpegx", 5, opts, 21).kind, TreeEntryKind::Video);
    EXPECT_EQ(ClassifyTreeFile("clip.mp4", 5, opts, 21).kind, TreeEntryKind::Ignored);
    EXPECT_EQ(ClassifyTreeFile("notes", 5, opts, 21).kind, TreeEntryKind::Ignored);
    EXPECT_EQ(ClassifyTreeFile("a.jpg.txt", 5, opts, 21).kind, TreeEntryKind::Ignored);
}

TEST(FolderTreeRules, PlayOptionsChooseSelectedOrLeftOutImages)
{
    TreePlayOptions opts;
    opts.include[2] = false; // .bmp left out
    EXPECT_EQ(ClassifyTreeFile("a.bmp", 10, opts, 21).image, 13);
    opts.minSizeKB = 2;
    opts.maxSizeKB = 3;
    // Both bounds are inclusive.
    EXPECT_EQ(PictureImageFor(0, 2048, opts), 4);
    EXPECT_EQ(PictureImageFor(0, 3072, opts), 4);
    EXPECT_EQ(PictureImageFor(0, 2047, opts), 11);
    EXPECT_EQ(PictureImageFor(0, 3073, opts), 11);
}

TEST(FolderTreeRules, SizesAndLimitsAreSixtyFourBit)
{
    TreePlayOptions opts;
    opts.minSizeKB = 0;
    opts.maxSizeKB = 8LL * 1024 * 1024; // 8 GB: the limit in bytes does not fit 32 bits
    const std::int64_t fiveGB = 5LL * 1024 * 1024 * 1024;
    EXPECT_EQ(PictureImageFor(0, fiveGB, opts), 4);
    opts.maxSizeKB = 4LL * 1024 * 1024;
    EXPECT_EQ(PictureImageFor(0, fiveGB, opts), 11);
    // A size whose low 32 bits are small is not mistaken for a small file.
    opts.maxSizeKB = 1;
    EXPECT_EQ(PictureImageFor(0, (1LL << 32) + 100, opts), 11);
}

TEST(FolderTreeRules, RefreshSwitchesImagesWithTheOptions)
{
    TreePlayOptions opts;
    EXPECT_EQ(RefreshedNodeImage(11, 100, opts, 21, 21), 4);
    opts.include[6] = false;
    EXPECT_EQ(RefreshedNodeImage(10, 100, opts, 21, 21), 17);
    EXPECT_EQ(RefreshedNodeImage(21, 0, opts, 21, 22), 22);
    EXPECT_EQ(RefreshedNodeImage(1, 0, opts, 21, 22), 1);
}

TEST(FolderTreeRules, SortOrderFoldersFirstThenCaseInsensitive)
{
    EXPECT_LT(CompareTreeNodes(1, "zeta", 4, "alpha.jpg"), 0);
    EXPECT_GT(CompareTreeNodes(4, "alpha.jpg", 1, "zeta"), 0);
    EXPECT_LT(CompareTreeNodes(1, "apple", 1, "Banana"), 0);
    EXPECT_LT(CompareTreeNodes(1, "Apple", 1, "banana"), 0);
    EXPECT_EQ(CompareTreeNodes(1, "Same", 1, "sAME"), 0);
    // Digits before letters; no numeric ordering ("10" before "2").
    EXPECT_LT(CompareTreeTexts("10", "2"), 0);
    EXPECT_LT(CompareTreeTexts("9", "a"), 0);
    EXPECT_LT(CompareTreeTexts("img10.jpg", "img2.jpg"), 0);
    // The placeholder sorts with the files.
    EXPECT_GT(CompareTreeNodes(3, TreePlaceholderText, 1, "zzz"), 0);
}

TEST(FolderTreeRules, ReadsAFolderInTreeOrderWithHiddenEntries)
{
    const QString dir = freshDir("tree");
    QDir().mkpath(dir + "/beta");
    QDir().mkpath(dir + "/Alpha");
    QDir().mkpath(dir + "/.hidden_folder");
    QDir().mkpath(dir + "/vxothumb");
    QDir().mkpath(dir + "/Oldxxfiles");
    writeFile(dir + "/b.jpg", "xx");
    writeFile(dir + "/A.gif", "xx");
    writeFile(dir + "/c.avi", "");
    writeFile(dir + "/readme.txt", "text");
    writeFile(dir + "/zero.jpg", "");
    const BrowseAllowedFn allowed = [](const QString& p) { return !p.endsWith("vxothumb"); };

    const FolderFillResult r = ReadFolderForTree(dir, TreePlayOptions(), 21, allowed, "ALPHA");
    EXPECT_TRUE(r.entryPassed);
    EXPECT_TRUE(r.selectableAdded);
    // Hidden folders are listed, the excluded one is not; "xx" folders are
    // listed in the tree (they are only left out of collections).
    EXPECT_EQ(Names(r), (QStringList{".hidden_folder", "Alpha", "beta", "Oldxxfiles", "A.gif",
                                     "b.jpg", "c.avi"}));
    EXPECT_EQ(ImageOf(r, "Alpha"), 1);
    EXPECT_EQ(ImageOf(r, "A.gif"), 10);
    EXPECT_EQ(ImageOf(r, "c.avi"), 21);
    // The next level is found ignoring letter case, with its name as on disk.
    EXPECT_EQ(r.nextLevelName, "Alpha");
    ASSERT_GE(r.nextLevelChild, 0);
    EXPECT_EQ(r.children[r.nextLevelChild].name, "Alpha");
}

TEST(FolderTreeRules, ALargeFolderKeepsThePairwiseOrderAndFollowsLinks)
{
    const QString dir = freshDir("large");
    const QString other = freshDir("large_other");
    QDir().mkpath(other + "/target");
    writeFile(other + "/real.jpg", "four");
    // Names that differ in letter case, accents, digits and punctuation;
    // some equal but for letter case.
    const QStringList stems{"IMG_", "img_", "Été ", "ete ", "photo-", "Photo ", "_x", "9", "Z"};
    const QStringList exts{".jpg", ".JPG", ".jpeg", ".Gif", ".avi", ".MPEGx", ".txt"};
    for (int i = 0; i < 600; ++i)
        writeFile(dir + "/" + stems[i % stems.size()] + QString::number(i % 97) + "_" + QString::number(i)
                      + exts[(i / 9) % exts.size()],
                  "x");
    for (int i = 0; i < 20; ++i)
        QDir().mkpath(dir + "/" + stems[i % stems.size()] + "folder " + QString::number(i));
    // A link to a folder is a folder; a link to a picture has the picture's
    // size; a link that leads nowhere is a file of no size.
    ASSERT_EQ(::symlink(QFile::encodeName(other + "/target").constData(), QFile::encodeName(dir + "/linked").constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(other + "/real.jpg").constData(), QFile::encodeName(dir + "/link.jpg").constData()), 0);
    ASSERT_EQ(::symlink("nowhere.jpg", QFile::encodeName(dir + "/broken.jpg").constData()), 0);
    ASSERT_EQ(::symlink("nowhere.avi", QFile::encodeName(dir + "/broken.avi").constData()), 0);

    const FolderFillResult r = ReadFolderForTree(dir, TreePlayOptions(), 21, {});
    // 600 files less the 81 ".txt" ones, 20 folders, the folder link, the
    // picture link and the broken video link.
    ASSERT_EQ(r.children.size(), 600u - 81u + 20u + 3u);
    for (size_t i = 1; i < r.children.size(); ++i) {
        const TreeEntry& a = r.children[i - 1];
        const TreeEntry& b = r.children[i];
        EXPECT_LE(CompareTreeNodes(a.image, a.name, b.image, b.name), 0) << a.name.toStdString() << " / "
                                                                          << b.name.toStdString();
    }
    EXPECT_EQ(ImageOf(r, "linked"), 1);
    EXPECT_EQ(ImageOf(r, "link.jpg"), 4);
    EXPECT_EQ(ImageOf(r, "broken.jpg"), -100);
    EXPECT_EQ(ImageOf(r, "broken.avi"), 21);
    for (const TreeEntry& e : r.children)
        if (e.name == "link.jpg")
            EXPECT_EQ(e.size, 4);
}

TEST(FolderTreeRules, ExactNameWinsWhenTwoFoldersDifferInCase)
{
    const QString dir = freshDir("case");
    QDir().mkpath(dir + "/pics");
    QDir().mkpath(dir + "/Pics");
    const FolderFillResult r = ReadFolderForTree(dir, TreePlayOptions(), 21, {}, "pics");
    EXPECT_EQ(r.nextLevelName, "pics");
    const FolderFillResult r2 = ReadFolderForTree(dir, TreePlayOptions(), 21, {}, "Pics");
    EXPECT_EQ(r2.nextLevelName, "Pics");
}

TEST(FolderTreeRules, PlaceholderWhenNothingSelectable)
{
    const QString dir = freshDir("noselect");
    writeFile(dir + "/notes.txt", "x");
    writeFile(dir + "/zero.jpg", "");
    const FolderFillResult r = ReadFolderForTree(dir, TreePlayOptions(), 21, {});
    ASSERT_EQ(r.children.size(), 1u);
    EXPECT_EQ(r.children[0].name, "<no picture or video files to select>");
    EXPECT_EQ(r.children[0].image, 3);

    // An empty folder passes no entry: the node keeps what it had.
    const FolderFillResult empty = ReadFolderForTree(freshDir("empty"), TreePlayOptions(), 21, {});
    EXPECT_FALSE(empty.entryPassed);
    EXPECT_TRUE(empty.children.empty());

    // A missing folder adds nothing.
    const FolderFillResult missing = ReadFolderForTree(dir + "/gone", TreePlayOptions(), 21, {});
    EXPECT_FALSE(missing.entryPassed);
    EXPECT_TRUE(missing.children.empty());
}

TEST(FolderTreeRules, SplitsAFolderIntoLevelsBelowItsMountPoint)
{
    FolderLevelSplit s = SplitFolderIntoLevels("/home/ann/Pics", "/");
    EXPECT_EQ(s.levels, (QStringList{"/", "home", "ann", "Pics"}));
    EXPECT_EQ(s.masks, (QStringList{"/", "/home", "/home/ann", "/home/ann/Pics"}));
    s = SplitFolderIntoLevels("/media/usb/a/b", "/media/usb");
    EXPECT_EQ(s.levels, (QStringList{"/media/usb", "a", "b"}));
    EXPECT_EQ(s.masks.last(), "/media/usb/a/b");
    // The drive itself.
    s = SplitFolderIntoLevels("/media/usb", "/media/usb");
    EXPECT_EQ(s.levels.size(), 1);
    // More than ten levels are all kept.
    s = SplitFolderIntoLevels("/1/2/3/4/5/6/7/8/9/10/11/12", "/");
    EXPECT_EQ(s.levels.size(), 13);
    EXPECT_EQ(JoinTreePath("/", "a"), "/a");
    EXPECT_EQ(JoinTreePath("/a", "b"), "/a/b");
}

TEST(SubfolderList, CollectsBreadthFirstWithTheNameRules)
{
    const QString dir = freshDir("collect");
    for (const char* sub : {"a", "a/a1", "b", "Oldxxfiles", ".secret", "vxothumb", "b/b1/b2"})
        QDir().mkpath(dir + "/" + sub);
    writeFile(dir + "/.hidden_list/x", "");
    QDir().mkpath(dir + "/listed_hidden");
    writeFile(dir + "/.hidden", "listed_hidden\n");
    const CollectAllowedFn allowed = [](const QString& p) { return !p.endsWith("vxothumb"); };

    TSubfolderList list;
    list.start(dir);
    for (int i = 0; i <= list.count(); ++i)
        AddSubfoldersToList(list, list.folders[i], false, allowed);
    QStringList rel;
    for (const QString& f : list.folders)
        rel << f.mid(dir.size());
    EXPECT_EQ(rel, (QStringList{"", "/a", "/b", "/a/a1", "/b/b1", "/b/b1/b2"}));

    // With system folders, hidden folders are collected too.
    list.start(dir);
    for (int i = 0; i <= list.count(); ++i)
        AddSubfoldersToList(list, list.folders[i], true, allowed);
    rel.clear();
    for (const QString& f : list.folders)
        rel << f.mid(dir.size());
    EXPECT_TRUE(rel.contains("/.secret"));
    EXPECT_TRUE(rel.contains("/listed_hidden"));
    EXPECT_FALSE(rel.contains("/Oldxxfiles"));
    EXPECT_FALSE(rel.contains("/vxothumb"));
}

TEST(SubfolderList, SymbolicLinkLoopsEnd)
{
    const QString dir = freshDir("loop");
    QDir().mkpath(dir + "/a/b");
    ASSERT_EQ(::symlink(QFile::encodeName(dir).constData(),
                        QFile::encodeName(dir + "/a/b/up").constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(dir + "/a").constData(),
                        QFile::encodeName(dir + "/a/again").constData()), 0);
    // A link to a folder outside the start folder is followed once.
    const QString other = freshDir("other");
    QDir().mkpath(other + "/deep");
    ASSERT_EQ(::symlink(QFile::encodeName(other).constData(),
                        QFile::encodeName(dir + "/a/out").constData()), 0);

    TSubfolderList list;
    list.start(dir);
    for (int i = 0; i <= list.count() && i < 1000; ++i)
        AddSubfoldersToList(list, list.folders[i], true, {});
    QStringList rel;
    for (const QString& f : list.folders)
        rel << f.mid(dir.size());
    EXPECT_EQ(rel, (QStringList{"", "/a", "/a/b", "/a/out", "/a/out/deep"}));
}

TEST(SubfolderList, CollectionFollowsTheExclusions)
{
    const QString data = freshDir("data");
    SetDataFolderPaths(TestState().paths, data);
    const QString dir = freshDir("shows");
    for (const char* sub : {"keep", "noshow", "nosearch", "old/smallpics", "keep/vxothumb"})
        QDir().mkpath(dir + "/" + sub);
    TExcludeFolderRecord noShow;
    noShow.Path = (dir + "/noshow").toLower();
    noShow.SubShow = 1;
    TExcludeFolderRecord noSearch;
    noSearch.Path = (dir + "/nosearch").toLower();
    noSearch.SubSearch = 1;
    ASSERT_TRUE(WriteExcludeFolderFile(TestState().paths.ExcludeFolderPath, {noShow, noSearch}));
    FolderExclusionState exclusions;

    auto rel = [&](const QStringList& folders) {
        QStringList out;
        for (const QString& f : folders)
            out << f.mid(dir.size());
        return out;
    };
    EXPECT_EQ(rel(CollectSubfolderTree(TestState().paths, exclusions, dir, false, false, false, false)),
              (QStringList{"", "/keep", "/nosearch", "/old", "/old/smallpics"}));
    EXPECT_EQ(rel(CollectSubfolderTree(TestState().paths, exclusions, dir, false, true, false, false)),
              (QStringList{"", "/keep", "/noshow", "/old", "/old/smallpics"}));
    bool cancel = true;
    EXPECT_EQ(CollectSubfolderTree(TestState().paths, exclusions, dir, false, false, false, false, &cancel),
              QStringList{dir});
}
