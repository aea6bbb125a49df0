// The freedesktop Trash: the home Trash with its info records and free
// names, a volume's own Trash, and a refusal that leaves the file alone.
#include "platform/trash.h"

#include "support/sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

TEST(Trash, FilesGoToTheHomeTrashWithTheirInfoAndFreeNames)
{
    const QString dir = freshDir("trash");
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
    writeFile(dir + "/a b.jpg", "one");
    QString first;
    ASSERT_TRUE(platform::MoveToTrash(dir + "/a b.jpg", &first));
    EXPECT_EQ(first, home + "/files/a b.jpg");
    EXPECT_EQ(readFile(first), "one");
    const QByteArray info = readFile(home + "/info/a b.jpg.trashinfo");
    EXPECT_TRUE(info.startsWith("[Trash Info]\nPath=" + QUrl::toPercentEncoding(dir + "/a b.jpg", "/") + "\n"));
    EXPECT_TRUE(info.contains("\nDeletionDate="));

    writeFile(dir + "/a b.jpg", "two");
    QString second;
    ASSERT_TRUE(platform::MoveToTrash(dir + "/a b.jpg", &second));
    EXPECT_EQ(second, home + "/files/a b.2.jpg");
    EXPECT_EQ(readFile(first), "one");
    EXPECT_FALSE(platform::MoveToTrash(dir + "/missing.jpg"));
}

TEST(Trash, AnotherVolumeUsesItsOwnTrashAndAReadOnlyOneRefuses)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const QString mnt = freshDir("vol");
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(mnt).constData(), "tmpfs", 0, "size=1m"), 0);
    writeFile(mnt + "/sub/x.jpg", "x");
    writeFile(mnt + "/y.jpg", "y");
    QString where;
    EXPECT_TRUE(platform::MoveToTrash(mnt + "/sub/x.jpg", &where));
    EXPECT_EQ(where, mnt + "/.Trash-" + QString::number(::getuid()) + "/files/x.jpg");
    EXPECT_TRUE(readFile(mnt + "/.Trash-" + QString::number(::getuid()) + "/info/x.jpg.trashinfo").contains("Path=sub/x.jpg\n"));
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(mnt).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    EXPECT_FALSE(platform::MoveToTrash(mnt + "/y.jpg"));
    EXPECT_EQ(readFile(mnt + "/y.jpg"), "y");
    ::umount2(QFile::encodeName(mnt).constData(), MNT_DETACH);
}
