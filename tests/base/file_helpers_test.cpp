#include "base/file_helpers.h"
#include "platform/prompt.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(FileHelpers, ExtensionsAndFolders)
{
    EXPECT_EQ(FileExtOf("/p/beach.jpg"), ".jpg");
    EXPECT_EQ(FileExtOf("/p/archive.tar.gz"), ".gz");
    EXPECT_EQ(FileExtOf("/p.d/readme"), "");
    EXPECT_EQ(FileExtOf("/p/.hidden"), "");
    EXPECT_EQ(StripFileExt("/p/beach.jpg", false), "/p/beach.");
    EXPECT_EQ(StripFileExt("/p/beach.jpg", true), "/p/beach");
    EXPECT_EQ(StripFileExt("/p.d/readme", true), "/p.d/readme");   // the folder's dot is no extension
    EXPECT_EQ(StripFileExt("beach.JPG", true), "beach");
    EXPECT_EQ(CutAtLastBackslash("/p/q/beach.jpg", true), "/p/q/");
    EXPECT_EQ(CutAtLastBackslash("/p/q/beach.jpg", false), "/p/q");
    EXPECT_EQ(CutAtLastBackslash("beach.jpg", false), "beach.jpg");
    EXPECT_EQ(FolderOf("/p/q/beach.jpg"), "/p/q");
    EXPECT_EQ(FolderOf("/beach.jpg"), "/");
    EXPECT_EQ(VoicePathFor("/p/beach.jpg"), "/p/beach.wav");
    EXPECT_EQ(VoicePathFor("/p/beach.JPEG"), "/p/beach.wav");
    EXPECT_TRUE(PictureCarriesVoice("/p/a.JPG"));
    EXPECT_TRUE(PictureCarriesVoice("/p/a.emf"));
    EXPECT_FALSE(PictureCarriesVoice("/p/a.png"));
    EXPECT_FALSE(PictureCarriesVoice("/p/jpg"));
}

TEST(FileHelpers, ShowCopyNamesCountPastExistingOnes)
{
    platform::ScopedPromptResponder prompts(QList<platform::PromptReply>{});
    const QString dir = testsupport::freshDir();
    ASSERT_TRUE(testsupport::writeFile(dir + "/Copy 1 of x.vxt", "1"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/Copy 2 of x.vxt", "2"));
    EXPECT_EQ(MakeUniqueCopyName(dir + "/x.vxt", "ShowFile", true), dir + "/Copy 3 of x.vxt");
    EXPECT_TRUE(platform::promptLog().isEmpty());

    EXPECT_EQ(MakeUniqueCopyName(dir + "/Tom & Jerry.vxt", "ShowFile", false), dir + "/Copy 1 of Tom & Jerry.vxt");
    ASSERT_EQ(platform::promptLog().size(), 1);
    const platform::PromptRequest& shown = platform::promptLog()[0].request;
    EXPECT_EQ(shown.kind, platform::PromptKind::Warning);
    EXPECT_EQ(shown.buttons, platform::kOk);
    EXPECT_EQ(shown.text, "Tom & Jerry.vxt is set to read-only,\r\nfile has been saved as : " + dir
                              + "/Copy 1 of Tom & Jerry.vxt");
}

TEST(FileHelpers, PictureNamesSkipTakenPicturesAndVoiceFiles)
{
    const QString dir = testsupport::freshDir();
    EXPECT_EQ(MakeUniqueCopyName(dir + "/beach.jpg", "PictureFile", true), dir + "/beach_Renamed_1.jpg");
    ASSERT_TRUE(testsupport::writeFile(dir + "/beach_Renamed_1.jpg", "x"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/beach_Renamed_2.wav", "x"));   // only the voice file
    EXPECT_EQ(MakeUniqueCopyName(dir + "/beach.jpg", "PictureFile", true), dir + "/beach_Renamed_3.jpg");
    // An earlier number is dropped first.
    EXPECT_EQ(MakeUniqueCopyName(dir + "/beach_Renamed_7.jpg", "PictureFile", true), dir + "/beach_Renamed_3.jpg");
    // Sound files look at the sound file only.
    ASSERT_TRUE(testsupport::writeFile(dir + "/song_Renamed_1.wav", "x"));
    EXPECT_EQ(MakeUniqueCopyName(dir + "/song.wav", "SoundFile", true), dir + "/song_Renamed_2.wav");
    // A folder of that name is no free name either.
    QDir().mkpath(dir + "/tree_Renamed_1.jpg");
    EXPECT_EQ(MakeUniqueCopyName(dir + "/tree.jpg", "PictureFile", true), dir + "/tree_Renamed_2.jpg");
}

TEST(FileHelpers, CutOutNamesNeedBothFormsFree)
{
    const QString dir = testsupport::freshDir();
    EXPECT_EQ(MakeUniqueCopyName(dir + "/beach.jpg", "CutOutFile", true), dir + "/beach_CutOut_1");
    ASSERT_TRUE(testsupport::writeFile(dir + "/beach_CutOut_1.jpg", "x"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/beach_CutOut_2.bmp", "x"));
    EXPECT_EQ(MakeUniqueCopyName(dir + "/beach.jpg", "CutOutFile", true), dir + "/beach_CutOut_3");
    EXPECT_EQ(MakeUniqueCopyName(dir + "/beach_CutOut_1.jpg", "CutOutFile", true), dir + "/beach_CutOut_3");
}

TEST(FileHelpers, NumberingTailsAreLookedForInTheFileNameOnly)
{
    const QString dir = testsupport::freshDir() + "/old_Renamed_pics/x_CutOut_y";
    QDir().mkpath(dir);
    EXPECT_EQ(MakeUniqueCopyName(dir + "/beach.jpg", "PictureFile", true), dir + "/beach_Renamed_1.jpg");
    EXPECT_EQ(MakeUniqueCopyName(dir + "/beach.jpg", "CutOutFile", true), dir + "/beach_CutOut_1");
    EXPECT_EQ(MakeUniqueCopyName(dir + "/song.wav", "SoundFile", true), dir + "/song_Renamed_1.wav");
}

TEST(FileHelpers, CopyNamesAtTheRoot)
{
    // Inside "/" no second separator is added.
    const QString name = MakeUniqueCopyName("/vistamo-test-beach.jpg", "PictureFile", true);
    EXPECT_TRUE(name.startsWith("/vistamo-test-beach_Renamed_"));
    EXPECT_FALSE(name.startsWith("//"));
}

TEST(FileHelpers, SameFileComparesTheFilesThemselves)
{
    const QString dir = testsupport::freshDir();
    ASSERT_TRUE(testsupport::writeFile(dir + "/a.jpg", "x"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/A.jpg", "x"));
    ASSERT_TRUE(QFile::link(dir + "/a.jpg", dir + "/link.jpg"));
    EXPECT_TRUE(SameFile(dir + "/a.jpg", dir + "/./a.jpg"));
    EXPECT_TRUE(SameFile(dir + "/a.jpg", dir + "/link.jpg"));
    EXPECT_FALSE(SameFile(dir + "/a.jpg", dir + "/A.jpg"));   // names are exact
    EXPECT_FALSE(SameFile(dir + "/a.jpg", dir + "/missing.jpg"));
}
