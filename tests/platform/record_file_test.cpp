#include "platform/record_file.h"

#include "app/start_modes.h"
#include "support/sandbox.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace platform;
using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

QByteArray Rec(char c, int size = 8)
{
    return QByteArray(size, c);
}

// Restores the start mode and the file mode after a test.
struct ModeGuard {
    ~ModeGuard()
    {
        ArgumentMode = 0;
        SetFileMode(FileModeReadWrite, true);
        SetSafeWriteFailureForTests(false);
    }
};

} // namespace

TEST(RecordFile, WritesReadsCountsAndTruncatesRecords)
{
    const QString path = freshDir(QStringLiteral("rec")) + QStringLiteral("/data.dat");
    RecordFile f;
    ASSERT_TRUE(f.Create(path, 8).ok());
    EXPECT_EQ(f.RecordCount(), 0);
    ASSERT_TRUE(f.Write(0, Rec('a')).ok());
    ASSERT_TRUE(f.Write(1, Rec('b')).ok());
    ASSERT_TRUE(f.Write(2, Rec('c')).ok());
    ASSERT_TRUE(f.Write(1, Rec('B')).ok());  // overwrite in place
    EXPECT_EQ(f.Write(4, Rec('x')).Status, RecordStatus::OutOfRange);  // no holes
    EXPECT_EQ(f.Write(3, Rec('x', 7)).Status, RecordStatus::WrongSize);
    EXPECT_EQ(f.RecordCount(), 3);

    QByteArray r;
    ASSERT_TRUE(f.Read(1, r).ok());
    EXPECT_EQ(r, Rec('B'));
    EXPECT_EQ(f.Read(3, r).Status, RecordStatus::OutOfRange);
    EXPECT_EQ(f.Read(-1, r).Status, RecordStatus::OutOfRange);

    ASSERT_TRUE(f.Truncate(1).ok());
    EXPECT_EQ(f.RecordCount(), 1);
    f.Close();
    EXPECT_EQ(readFile(path), Rec('a'));
}

TEST(RecordFile, PartialRecordIsReportedAsTruncated)
{
    const QString path = freshDir(QStringLiteral("rec")) + QStringLiteral("/short.dat");
    ASSERT_TRUE(writeFile(path, Rec('a') + QByteArray("xyz")));
    RecordFile f;
    ASSERT_TRUE(f.OpenWithMode(path, 8, FileModeReadOnly).ok());
    EXPECT_EQ(f.RecordCount(), 1);
    EXPECT_TRUE(f.HasPartialRecord());
    QByteArray r;
    EXPECT_TRUE(f.Read(0, r).ok());
    const RecordResult bad = f.Read(1, r);
    EXPECT_EQ(bad.Status, RecordStatus::Truncated);
    EXPECT_FALSE(bad.Message.isEmpty());
    EXPECT_EQ(r, Rec('a'));  // left as it was
}

TEST(RecordFile, MissingFilesAndFoldersGiveErrors)
{
    const QString dir = freshDir(QStringLiteral("rec"));
    RecordFile f;
    EXPECT_EQ(f.OpenWithMode(dir + QStringLiteral("/none.dat"), 8, FileModeReadWrite).Status, RecordStatus::NotFound);
    EXPECT_EQ(f.OpenWithMode(dir, 8, FileModeReadOnly).Status, RecordStatus::OpenFailed);
    EXPECT_EQ(f.Create(dir + QStringLiteral("/no/such/folder/x.dat"), 8).Status, RecordStatus::OpenFailed);
    QByteArray r;
    EXPECT_EQ(f.Read(0, r).Status, RecordStatus::NotOpen);
    EXPECT_EQ(ReadRecordAt(dir + QStringLiteral("/none.dat"), 8, 0, r).Status, RecordStatus::NotFound);
}

TEST(RecordFile, ArgumentModeOpensReadOnlyUnlessForced)
{
    ModeGuard guard;
    const QString dir = freshDir(QStringLiteral("mode"));
    const QString path = dir + QStringLiteral("/data.dat");
    ASSERT_TRUE(writeFile(path, Rec('a') + Rec('b')));

    SetFileMode(FileModeReadWrite, false);
    EXPECT_EQ(CurrentFileMode(), FileModeReadWrite);

    ArgumentMode = 1;
    SetFileMode(FileModeReadWrite, false);
    EXPECT_EQ(CurrentFileMode(), FileModeReadOnly);
    RecordFile f;
    ASSERT_TRUE(f.Open(path, 8).ok());
    EXPECT_FALSE(f.IsWritable());
    EXPECT_EQ(f.Write(0, Rec('x')).Status, RecordStatus::ReadOnly);
    // Cutting the file is always allowed.
    EXPECT_TRUE(f.Truncate(1).ok());
    EXPECT_EQ(f.RecordCount(), 1);
    f.Close();
    EXPECT_EQ(readFile(path), Rec('a'));

    // Creating is always allowed too.
    RecordFile created;
    ASSERT_TRUE(created.Create(dir + QStringLiteral("/new.dat"), 8).ok());
    EXPECT_TRUE(created.Write(0, Rec('n')).ok());
    created.Close();

    SetFileMode(FileModeReadWrite, true);
    EXPECT_EQ(CurrentFileMode(), FileModeReadWrite);
    ASSERT_TRUE(f.Open(path, 8).ok());
    EXPECT_TRUE(f.Write(0, Rec('z')).ok());
}

TEST(RecordFile, WriteOnlyOpenKeepsTheFileContents)
{
    const QString path = freshDir(QStringLiteral("rec")) + QStringLiteral("/data.dat");
    ASSERT_TRUE(writeFile(path, Rec('a') + Rec('b')));
    RecordFile f;
    ASSERT_TRUE(f.OpenWithMode(path, 8, FileModeWriteOnly).ok());
    EXPECT_EQ(f.RecordCount(), 2);
    ASSERT_TRUE(f.Write(1, Rec('c')).ok());
    f.Close();
    EXPECT_EQ(readFile(path), Rec('a') + Rec('c'));
}

TEST(SafeWrite, AFailedWriteLeavesTheOldFileWhole)
{
    ModeGuard guard;
    const QString dir = freshDir(QStringLiteral("safe"));
    const QString path = dir + QStringLiteral("/settings.dat");
    ASSERT_TRUE(SafeWriteFile(path, QByteArray("old contents")).ok());

    SetSafeWriteFailureForTests(true);
    const RecordResult r = SafeWriteFile(path, QByteArray("new contents that never land"));
    EXPECT_EQ(r.Status, RecordStatus::WriteFailed);
    EXPECT_TRUE(r.Message.contains(QStringLiteral("settings.dat")));
    EXPECT_EQ(readFile(path), QByteArray("old contents"));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("settings.dat")});

    SetSafeWriteFailureForTests(false);
    ASSERT_TRUE(SafeWriteFile(path, QByteArray("new")).ok());
    EXPECT_EQ(readFile(path), QByteArray("new"));
}

TEST(SafeWrite, MissingFolderIsAnErrorNotACrash)
{
    const QString path = freshDir(QStringLiteral("safe")) + QStringLiteral("/gone/x.dat");
    EXPECT_FALSE(SafeWriteFile(path, QByteArray("x")).ok());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SafeWrite, WriteRecordsChecksRecordSizes)
{
    const QString path = freshDir(QStringLiteral("safe")) + QStringLiteral("/list.dat");
    EXPECT_TRUE(WriteRecords(path, {Rec('a'), Rec('b')}, 8).ok());
    EXPECT_EQ(readFile(path), Rec('a') + Rec('b'));
    EXPECT_EQ(WriteRecords(path, {Rec('a'), Rec('b', 3)}, 8).Status, RecordStatus::WrongSize);
    EXPECT_EQ(readFile(path), Rec('a') + Rec('b'));
}

TEST(RecordFile, ReadOnlyFilesAreNotWritten)
{
    const QString dir = freshDir(QStringLiteral("ro"));
    const QString path = dir + QStringLiteral("/locked.dat");
    ASSERT_TRUE(writeFile(path, Rec('a')));
    testsupport::setReadOnly(path, true);
    RecordFile f;
    EXPECT_EQ(f.OpenWithMode(path, 8, FileModeReadWrite).Status, RecordStatus::ReadOnly);
    EXPECT_TRUE(f.OpenWithMode(path, 8, FileModeReadOnly).ok());
    f.Close();
    EXPECT_EQ(SafeWriteFile(path, Rec('b')).Status, RecordStatus::ReadOnly);
    EXPECT_EQ(readFile(path), Rec('a'));
    testsupport::setReadOnly(path, false);
    EXPECT_TRUE(SafeWriteFile(path, Rec('b')).ok());
    EXPECT_EQ(SafeWriteFile(dir, Rec('b')).Status, RecordStatus::OpenFailed);
}
