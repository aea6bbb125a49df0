#include "platform/record_file.h"

#include "base/start_modes.h"

#include "support/test_state.h"
#include "support/sandbox.h"
#include "support/write_failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

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
        TestState().start.ArgumentMode = 0;
        SetFileMode(FileModeReadWrite);
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

    SetDataFileMode(TestState().start, FileModeReadWrite, false);
    EXPECT_EQ(CurrentFileMode(), FileModeReadWrite);

    TestState().start.ArgumentMode = 1;
    SetDataFileMode(TestState().start, FileModeReadWrite, false);
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

    SetDataFileMode(TestState().start, FileModeReadWrite, true);
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

namespace {

// The old file and nothing else is left in `dir` after a failed write.
void expectOldFileAlone(const QString& dir, const QString& path, const QByteArray& old,
                        const QStringList& others = {})
{
    EXPECT_EQ(readFile(path), old);
    QStringList expected = others;
    expected << QFileInfo(path).fileName();
    expected.sort();
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

// In a child whose files may not grow past 4 KB: a whole-file write of a
// settings-sized record and an appended record of an open record file.
const testsupport::ChildRegistration overLimit("write-over-file-size-limit", [](const QStringList& args) {
    if (!testsupport::limitFileSize(4096))
        return 2;
    const RecordResult whole = SafeWriteFile(args.at(0), QByteArray(12048, 'n'));
    std::printf("whole:%d:%s\n", int(whole.Status), qPrintable(whole.Message));
    RecordFile records;
    if (!records.OpenWithMode(args.at(1), 1024, FileModeReadWrite).ok())
        return 3;
    RecordResult appended;
    for (qint64 i = records.RecordCount(); appended.ok() && i < 8; ++i)
        appended = records.Write(i, QByteArray(1024, 'r'));
    std::printf("record:%d:%lld:%s\n", int(appended.Status), records.RecordCount(), qPrintable(appended.Reason));
    return 0;
});

} // namespace

TEST(SafeWrite, AFileSizeLimitLeavesTheOldFileWholeAndFailsTheRecordWrite)
{
    const QString dir = freshDir(QStringLiteral("limit"));
    const QString path = dir + QStringLiteral("/VXSettings61.dat");
    const QString records = dir + QStringLiteral("/ExcludeFolder.dat");
    const QByteArray old(12048, 'o');
    ASSERT_TRUE(SafeWriteFile(path, old).ok());
    ASSERT_TRUE(writeFile(records, QByteArray(2048, 'r')));

    const testsupport::ChildRun child = testsupport::runChild("write-over-file-size-limit", {path, records});
    ASSERT_EQ(child.exitCode, 0) << child.output.toStdString();
    const QString out = QString::fromLocal8Bit(child.output);
    EXPECT_TRUE(out.contains(QStringLiteral("whole:%1:").arg(int(RecordStatus::WriteFailed)))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("VXSettings61.dat': File too large"))) << out.toStdString();
    expectOldFileAlone(dir, path, old, {QStringLiteral("ExcludeFolder.dat")});
    // The in-place write fails at the record that passes the limit.
    EXPECT_TRUE(out.contains(QStringLiteral("record:%1:4:File too large").arg(int(RecordStatus::WriteFailed))))
        << out.toStdString();
}

TEST(SafeWrite, AFullDiskLeavesTheOldFileWholeAndFailsTheRecordWrite)
{
    const QString dir = freshDir(QStringLiteral("full"));
    testsupport::TinyVolume volume(dir, 64);
    SKIP_UNLESS_MOUNTED(volume);
    const QString path = dir + QStringLiteral("/VXSettings61.dat");
    const QByteArray old(12048, 'o');
    ASSERT_TRUE(SafeWriteFile(path, old).ok());
    RecordFile records;
    ASSERT_TRUE(records.Create(dir + QStringLiteral("/AllMyShow.dat"), 201).ok());
    ASSERT_TRUE(volume.fill());

    const RecordResult r = SafeWriteFile(path, QByteArray(12048, 'n'));
    EXPECT_EQ(r.Status, RecordStatus::WriteFailed);
    EXPECT_EQ(r.Reason, QStringLiteral("No space left on device"));
    EXPECT_TRUE(r.Message.contains(path)) << r.Message.toStdString();
    expectOldFileAlone(dir, path, old, {QStringLiteral("AllMyShow.dat"), QStringLiteral("filler")});

    EXPECT_EQ(records.Write(0, QByteArray(201, 's')).Status, RecordStatus::WriteFailed);

    // With room again the same write lands whole.
    records.Close();
    ASSERT_TRUE(QFile::remove(dir + QStringLiteral("/filler")));
    ASSERT_TRUE(SafeWriteFile(path, QByteArray(12048, 'n')).ok());
    EXPECT_EQ(readFile(path), QByteArray(12048, 'n'));
}

TEST(SafeWrite, MissingFolderIsAnErrorNotACrash)
{
    const QString path = freshDir(QStringLiteral("safe")) + QStringLiteral("/gone/x.dat");
    EXPECT_FALSE(SafeWriteFile(path, QByteArray("x")).ok());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SafeWrite, AFileWithTheLongestNameIsWrittenToo)
{
    const QString dir = freshDir(QStringLiteral("safe"));
    const QString path = dir + QLatin1Char('/') + QString(255, QLatin1Char('n'));
    ASSERT_TRUE(SafeWriteFile(path, QByteArray("one")).ok());
    ASSERT_TRUE(SafeWriteFile(path, QByteArray("two")).ok());
    expectOldFileAlone(dir, path, QByteArray("two"));
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
