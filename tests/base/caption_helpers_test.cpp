#include "base/caption_helpers.h"
#include "platform/drives.h"

#include <gtest/gtest.h>

namespace {
struct OneRootAndAStick {
    OneRootAndAStick()
    {
        platform::setFakeMountTable({{"/", "ext4", "/dev/sda1", false},
                                     {"/media/usb", "vfat", "/dev/sdb1", true}});
    }
    ~OneRootAndAStick() { platform::clearFakeMountTable(); }
};
} // namespace

TEST(CaptionHelpers, DoubleAmpersands)
{
    EXPECT_EQ(DoubleAmpersands("Tom & Jerry"), "Tom && Jerry");
    EXPECT_EQ(DoubleAmpersands("&&"), "&&&&");
    EXPECT_EQ(DoubleAmpersands(""), "");
    EXPECT_EQ(DoubleAmpersands("plain"), "plain");
}

TEST(CaptionHelpers, ShortenPathCaptionExamples)
{
    OneRootAndAStick drives;
    EXPECT_EQ(ShortenPathCaption("/Pictures/2007/Holiday", false), "/../Holiday");
    EXPECT_EQ(ShortenPathCaption("/a/b", false), "/./b");
    EXPECT_EQ(ShortenPathCaption("/A/B/C/D", false), "/.../D");
    EXPECT_EQ(ShortenPathCaption("/Pictures", false), "/Pictures");
    EXPECT_EQ(ShortenPathCaption("/", false), "/");
    // Another volume: its mount point takes the place of the drive root.
    EXPECT_EQ(ShortenPathCaption("/media/usb", false), "/media/usb");
    EXPECT_EQ(ShortenPathCaption("/media/usb/DCIM", false), "/media/usb/DCIM");
    EXPECT_EQ(ShortenPathCaption("/media/usb/DCIM/100/Trip", false), "/media/usb/../Trip");
    // "/media" itself lies on the root volume.
    EXPECT_EQ(ShortenPathCaption("/media/other/x", false), "/../x");
    EXPECT_EQ(ShortenPathCaption("beach.jpg", false), "beach.jpg");
    EXPECT_EQ(ShortenPathCaption("/Pictures/2007/Holiday/", false), "/../Holiday");
    EXPECT_EQ(ShortenPathCaption("/Pictures//2007/Holiday", false), "/../Holiday");
    EXPECT_EQ(ShortenPathCaption("/media/usb/", false), "/media/usb/");
    EXPECT_EQ(ShortenPathCaption("/Tom & Jerry/a/B&B", true), "/../B&&B");
    EXPECT_EQ(ShortenPathCaption("/Tom & Jerry", true), "/Tom && Jerry");
}

TEST(CaptionHelpers, ShortenPathToLength)
{
    OneRootAndAStick drives;
    const QString p = "/home/Photographs/Holiday/beach.jpg";   // 35 characters
    EXPECT_EQ(ShortenPathToLength(p, 60), p);
    EXPECT_EQ(ShortenPathToLength(p, 30), "/home/Phot../Holiday/beach.jpg");
    EXPECT_EQ(ShortenPathToLength(p, 30).size(), 30);
    // Longest names lose characters first, one at a time, first one first.
    EXPECT_EQ(ShortenPathToLength("/aaaaaa/bbbbbb/c.jpg", 16), "/aa../bb../c.jpg");
    // A maximum below 10 works as 10.
    EXPECT_EQ(ShortenPathToLength("/abcdefgh/ij", 5), "/abcd../ij");
    EXPECT_EQ(ShortenPathToLength("/abcdefgh/ij", 5), ShortenPathToLength("/abcdefgh/ij", 10));
    // Only one short inner part: the dotted short form.
    EXPECT_EQ(ShortenPathToLength("/abc/somelongname12.jpg", 22), "/./somelongname12.jpg");
    // The last part alone is too long, or too few parts: the dotted form too.
    EXPECT_EQ(ShortenPathToLength("/x/a_very_long_file_name.jpg", 12), "/./a_very_long_file_name.jpg");
    EXPECT_EQ(ShortenPathToLength("/a_very_long_file_name.jpg", 12), "/a_very_long_file_name.jpg");
    // Inner parts can't shrink enough: the dotted form.
    EXPECT_EQ(ShortenPathToLength("/abcd/efgh/ijkl/mnop/qrstuvw.jpg", 20), "/..../qrstuvw.jpg");
}

TEST(CaptionHelpers, FoldAccents)
{
    const QString accented = QString::fromUtf8("áàäâéèëêíìïîóòöôúùüûñ");
    const QString plain = "aaaaeeeeiiiioooouuuun";
    for (int i = 0; i < accented.size(); ++i)
        EXPECT_EQ(FoldAccents(accented.mid(i, 1)), plain.mid(i, 1)) << i;
    EXPECT_EQ(FoldAccents(QString::fromUtf8("Á")), QString::fromUtf8("Á"));   // lower case only
    EXPECT_EQ(FoldAccents("x"), "x");
    EXPECT_EQ(FoldAccents(QString::fromUtf8("áé")), QString::fromUtf8("áé"));   // one character only
    EXPECT_EQ(FoldAccentChar(QChar(0x00E7)), QChar(0x00E7));   // ç is not in the table
}
