#include "platform/icons.h"
#include "support/sandbox.h"

#include <QFileInfo>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

using namespace platform;

TEST(IconTable, EveryMenuGlyphNumberHasAnIcon)
{
    // The glyph numbers the menu items are painted with.
    const QList<int> used = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                             23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42,
                             45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64,
                             67, 68, 70, 71, 72, 73, 74, 75, 76, 80, 81, 85, 86, 87, 88, 89, 90, 92, 93, 94,
                             95, 96, 98, 99, 100, 101, 103, 104, 106, 108, 109, 111, 112, 113, 114, 115, 116,
                             117, 118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131, 132,
                             133, 134, 135, 136, 137, 138};
    const QList<int> known = ImageListIndexes(ImageListId::MenuIL);
    for (int i : used) {
        EXPECT_TRUE(known.contains(i)) << i;
        EXPECT_FALSE(ImageListIcon(ImageListId::MenuIL, i).isNull()) << i;
        EXPECT_FALSE(ImageListPixmap(ImageListId::MenuIL, i).isNull()) << i;
    }
    for (int i = 0; i <= 22; ++i)
        EXPECT_TRUE(ImageListIndexes(ImageListId::ImageList1).contains(i)) << i;
    EXPECT_TRUE(ImageListIcon(ImageListId::MenuIL, -1).isNull());
    // An index nobody defined still draws something.
    EXPECT_FALSE(ImageListIcon(ImageListId::MenuIL, 500).isNull());
}

TEST(IconTable, DisabledTwinsAndKinds)
{
    EXPECT_FALSE(ImageListIsDisabledGlyph(ImageListId::MenuIL, 0));
    EXPECT_TRUE(ImageListIsDisabledGlyph(ImageListId::MenuIL, 1));
    EXPECT_TRUE(ImageListIsDisabledGlyph(ImageListId::MenuIL, 101));   // PlaylistFW disabled
    EXPECT_FALSE(ImageListIsDisabledGlyph(ImageListId::MenuIL, 134));  // hints hidden is not greyed
    EXPECT_TRUE(ImageListIsDisabledGlyph(ImageListId::ImageList1, 11));
    EXPECT_EQ(ImageListThemeNames(ImageListId::MenuIL, 2).value(0), "drive-harddisk");
    EXPECT_EQ(ImageListThemeNames(ImageListId::ImageList1, 18).value(0), "drive-optical");
    EXPECT_EQ(ImageListThemeNames(ImageListId::ImageList1, 19).value(0), "drive-removable-media");
    EXPECT_TRUE(ImageListThemeNames(ImageListId::MenuIL, 500).isEmpty());
}

TEST(IconTable, ThemeIconsAreFoundWhenTheThemeIsInstalled)
{
    if (!QFileInfo::exists("/usr/share/icons/Adwaita/index.theme"))
        GTEST_SKIP() << "adwaita-icon-theme not installed";
    // The placeholder is a grey square; a theme icon differs from it.
    const QImage folder = ImageListPixmap(ImageListId::ImageList1, 1).toImage();
    const QImage unknown = ImageListPixmap(ImageListId::ImageList1, 499).toImage();
    EXPECT_NE(folder, unknown);
}

TEST(IconTable, RunTimeReplacementWinsAndCanBeUndone)
{
    QPixmap red(16, 16);
    red.fill(Qt::red);
    ReplaceImageListIcon(ImageListId::MenuIL, 76, QIcon(red));
    EXPECT_EQ(ImageListPixmap(ImageListId::MenuIL, 76).toImage().pixelColor(8, 8), QColor(Qt::red));
    ReplaceImageListIcon(ImageListId::MenuIL, 76, QIcon());
    EXPECT_NE(ImageListPixmap(ImageListId::MenuIL, 76).toImage().pixelColor(8, 8), QColor(Qt::red));
    ReplaceImageListIcon(ImageListId::ImageList2, 22, QIcon(red));
    RestoreImageListIcons();
    EXPECT_NE(ImageListPixmap(ImageListId::ImageList2, 22).toImage().pixelColor(8, 8), QColor(Qt::red));
}

TEST(IconTable, ProgramIconFromItsDesktopFile)
{
    const QString apps = testsupport::freshDir("applications");
    const QString bin = testsupport::freshDir("bin");
    ASSERT_TRUE(testsupport::writeFile(bin + "/picedit", "#!/bin/sh\n"));
    QPixmap blue(16, 16);
    blue.fill(Qt::blue);
    ASSERT_TRUE(blue.save(apps + "/picedit.png"));
    ASSERT_TRUE(testsupport::writeFile(apps + "/other.desktop",
                                       "[Desktop Entry]\nName=Other\nExec=otherprog %f\nIcon=/nonexistent.png\n"));
    ASSERT_TRUE(testsupport::writeFile(apps + "/sub/picedit.desktop",
                                       "[Desktop Entry]\nName=Pic Edit\nExec=picedit %U\nIcon=" + (apps + "/picedit.png").toUtf8()
                                           + "\n[Desktop Action New]\nExec=somethingelse\n"));
    const QIcon icon = ProgramIconIn(bin + "/picedit", {apps});
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::blue));
    EXPECT_TRUE(ProgramIconIn(bin + "/unknown", {apps}).isNull());
    EXPECT_TRUE(ProgramIconIn("", {apps}).isNull());
    EXPECT_TRUE(ProgramIconIn(bin + "/otherprog", {apps}).isNull());   // its icon file is missing
}
