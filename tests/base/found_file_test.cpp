#include "base/found_file.h"
#include "platform/dos_date.h"
#include "platform/file_attributes.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {
void setMTime(const QString& path, const QDateTime& t)
{
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(t.toSecsSinceEpoch());
    times[1].tv_nsec = 0;
    utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}
} // namespace

TEST(FoundFile, FileTestsFillTheEntry)
{
    TSearchRec FoundFile;
    const QString dir = testsupport::freshDir();
    const QString f = dir + "/beach.jpg";
    ASSERT_TRUE(testsupport::writeFile(f, QByteArray(1234, 'x')));
    const QDateTime when(QDate(2011, 8, 9), QTime(14, 30, 0), Qt::LocalTime);
    setMTime(f, when);

    EXPECT_TRUE(FileExistsNotDir(f, &FoundFile));
    EXPECT_EQ(FoundFile.Name, "beach.jpg");
    EXPECT_EQ(FoundFile.FullPath, f);
    EXPECT_EQ(FoundFile.Size, 1234);
    EXPECT_EQ(FoundFile.Attr & platform::faDirectory, 0);
    EXPECT_EQ(uint32_t(FoundFile.Time), platform::DateTimeToDos(when));
    EXPECT_DOUBLE_EQ(SearchRecDateTime(FoundFile), platform::DateTimeToDays(when));
    EXPECT_TRUE(FileExistsDated(f, &FoundFile));

    EXPECT_FALSE(FileExistsNotDir(dir, &FoundFile));          // a folder is not a file
    EXPECT_NE(FoundFile.Attr & platform::faDirectory, 0);
    EXPECT_FALSE(FileExistsNotDir(dir + "/none.jpg", &FoundFile));
    EXPECT_TRUE(FoundFile.Name.isEmpty());
    EXPECT_FALSE(FileExistsNotDir("", &FoundFile));
}

TEST(FoundFile, DateOutsideThePackedRangeIsNotDated)
{
    TSearchRec FoundFile;
    const QString f = testsupport::freshDir() + "/old.jpg";
    ASSERT_TRUE(testsupport::writeFile(f, "x"));
    setMTime(f, QDateTime(QDate(1975, 1, 1), QTime(12, 0), Qt::LocalTime));
    EXPECT_TRUE(FileExistsNotDir(f, &FoundFile));
    EXPECT_FALSE(FileExistsDated(f, &FoundFile));
    EXPECT_EQ(FoundFile.Time, 0);
    EXPECT_DOUBLE_EQ(SearchRecDateTime(FoundFile), 0.0);
}

TEST(FoundFile, WildcardsFindTheFirstMatch)
{
    TSearchRec FoundFile;
    const QString dir = testsupport::freshDir();
    EXPECT_FALSE(FileExistsNotDir(dir + "/*.jpg", &FoundFile));
    ASSERT_TRUE(testsupport::writeFile(dir + "/notes.txt", "x"));
    EXPECT_FALSE(FileExistsNotDir(dir + "/*.jpg", &FoundFile));
    ASSERT_TRUE(testsupport::writeFile(dir + "/b.JPG", "xx"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/c.jpg", "xxx"));
    EXPECT_TRUE(FileExistsNotDir(dir + "/*.jpg", &FoundFile));   // masks ignore case
    EXPECT_EQ(FoundFile.Name, "b.JPG");
    EXPECT_TRUE(FileExistsNotDir(dir + "/c.?pg", &FoundFile));
    EXPECT_EQ(FoundFile.Size, 3);
    EXPECT_TRUE(FileExistsNotDir(dir + "/*.*", &FoundFile));
    // Brackets are ordinary characters in names.
    ASSERT_TRUE(testsupport::writeFile(dir + "/x[1].gif", "x"));
    EXPECT_TRUE(FileExistsNotDir(dir + "/x[1]*", &FoundFile));
    EXPECT_FALSE(FileExistsNotDir(dir + "/x1*", &FoundFile));
    // A name that really holds "*" is that file, not a mask.
    ASSERT_TRUE(testsupport::writeFile(dir + "/star*.jpg", "xxxx"));
    EXPECT_TRUE(FileExistsNotDir(dir + "/star*.jpg", &FoundFile));
    EXPECT_EQ(FoundFile.Name, "star*.jpg");
    // The first match decides, even when it is a folder.
    QDir().mkpath(dir + "/a.jpg");
    EXPECT_FALSE(FileExistsNotDir(dir + "/*.jpg", &FoundFile));
}

TEST(FoundFile, ReadOnlyFileByModeBits)
{
    const QString dir = testsupport::freshDir();
    const QString f = dir + "/a.jpg";
    ASSERT_TRUE(testsupport::writeFile(f, "x"));
    EXPECT_FALSE(IsReadOnlyFile(f));
    testsupport::setReadOnly(f, true);
    EXPECT_TRUE(IsReadOnlyFile(f));
    EXPECT_FALSE(IsReadOnlyFile(dir + "/missing.jpg"));
    ::chmod(QFile::encodeName(dir).constData(), 0555);
    EXPECT_FALSE(IsReadOnlyFile(dir));   // folders are not files
    ::chmod(QFile::encodeName(dir).constData(), 0755);
}
