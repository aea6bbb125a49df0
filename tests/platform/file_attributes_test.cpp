#include "platform/file_attributes.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;

namespace {
mode_t modeOf(const QString& path)
{
    struct stat st;
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}
} // namespace

TEST(FileAttributes, ReadOnlyIsTheOwnerWriteBit)
{
    const QString dir = testsupport::freshDir();
    const QString f = dir + "/a.jpg";
    ASSERT_TRUE(testsupport::writeFile(f, "x"));
    EXPECT_FALSE(IsReadOnly(f));
    ::chmod(QFile::encodeName(f).constData(), 0444);
    EXPECT_TRUE(IsReadOnly(f));   // even though root may still write it
    ::chmod(QFile::encodeName(f).constData(), 0244);
    EXPECT_FALSE(IsReadOnly(f));
    ::chmod(QFile::encodeName(f).constData(), 0466);   // group/other may write, owner not
    EXPECT_TRUE(IsReadOnly(f));
    EXPECT_FALSE(IsReadOnly(dir + "/missing.jpg"));

    ::chmod(QFile::encodeName(f).constData(), 0666);
    ASSERT_TRUE(SetReadOnly(f, true));
    EXPECT_EQ(modeOf(f), mode_t(0444));
    ASSERT_TRUE(SetReadOnly(f, false));
    EXPECT_EQ(modeOf(f), mode_t(0644));
    EXPECT_FALSE(SetReadOnly(dir + "/missing.jpg", true));
}

TEST(FileAttributes, AttributeBits)
{
    const QString dir = testsupport::freshDir();
    ASSERT_TRUE(testsupport::writeFile(dir + "/a.jpg", "x"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/.b.jpg", "x"));
    EXPECT_EQ(FileAttributesOf(dir + "/a.jpg"), int(faArchive));
    EXPECT_EQ(FileAttributesOf(dir), int(faDirectory));
    EXPECT_EQ(FileAttributesOf(dir + "/.b.jpg"), faArchive | faHidden);
    testsupport::setReadOnly(dir + "/a.jpg", true);
    EXPECT_EQ(FileAttributesOf(dir + "/a.jpg"), faArchive | faReadOnly);
    EXPECT_EQ(FileAttributesOf(dir + "/none"), -1);
    EXPECT_EQ(FileAttributesOf(""), -1);
}

TEST(FileAttributes, HiddenByDotNameOrDotHiddenList)
{
    const QString dir = testsupport::freshDir();
    QDir().mkpath(dir + "/Holiday");
    QDir().mkpath(dir + "/Work");
    QDir().mkpath(dir + "/.cache");
    ASSERT_TRUE(testsupport::writeFile(dir + "/.hidden", "Other\r\nWork\n"));
    EXPECT_TRUE(IsHidden(dir + "/.cache"));
    EXPECT_TRUE(IsHidden(dir + "/Work"));
    EXPECT_TRUE(IsHidden(dir + "/Work/"));
    EXPECT_FALSE(IsHidden(dir + "/Holiday"));
    EXPECT_FALSE(IsHidden(dir + "/Wor"));
    EXPECT_FALSE(IsHidden("/"));

    // Hiding a folder adds its name to the parent's .hidden, keeping the rest.
    ASSERT_TRUE(SetHidden(dir + "/Holiday", true));
    EXPECT_TRUE(IsHidden(dir + "/Holiday"));
    const QStringList lines = QString::fromUtf8(testsupport::readFile(dir + "/.hidden")).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines, QStringList({"Other", "Work", "Holiday"}));
    ASSERT_TRUE(SetHidden(dir + "/Holiday", true));   // no second entry
    EXPECT_EQ(testsupport::readFile(dir + "/.hidden").count("Holiday"), 1);

    ASSERT_TRUE(SetHidden(dir + "/Work", false));
    EXPECT_FALSE(IsHidden(dir + "/Work"));
    EXPECT_TRUE(IsHidden(dir + "/Holiday"));

    // A dot-name can't be made visible.
    EXPECT_FALSE(SetHidden(dir + "/.cache", false));
    EXPECT_TRUE(SetHidden(dir + "/.cache", true));
}

TEST(FileAttributes, HidingInAFolderWithoutHiddenListCreatesIt)
{
    const QString dir = testsupport::freshDir();
    QDir().mkpath(dir + "/Secret Pics");
    ASSERT_TRUE(SetHidden(dir + "/Secret Pics", true));
    EXPECT_EQ(testsupport::readFile(dir + "/.hidden"), QByteArray("Secret Pics\n"));
    ASSERT_TRUE(SetHidden(dir + "/Secret Pics", false));
    EXPECT_FALSE(QFile::exists(dir + "/.hidden"));
}
