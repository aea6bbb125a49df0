// The temporary files of whole-file writes after a real SIGKILL of the
// writer: the next write to the same target takes the leftover over, the
// start's clean-up removes it, and a temporary file that a running writer
// holds is never touched.
#include "platform/record_file.h"
#include "platform/temp_files.h"
#include "support/sandbox.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// A child process that starts a write to `target` (its temporary file open,
// locked and half written) and is then stopped there until it is killed.
class WriterChild {
public:
    explicit WriterChild(const QString& target)
    {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            ::close(ready[0]);
            const platform::TempFile t = platform::OpenTempFor(target);
            if (t.fd < 0)
                ::_exit(1);
            const char half[] = "half of the new content";
            if (::write(t.fd, half, sizeof half) < 0)
                ::_exit(1);
            const char one = 1;
            if (::write(ready[1], &one, 1) != 1)
                ::_exit(1);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char got = 0;
        started = pid > 0 && ::read(ready[0], &got, 1) == 1;
        ::close(ready[0]);
    }
    ~WriterChild() { kill(); }
    // SIGKILL, as a crash or a power-off of the process would end it.
    void kill()
    {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            pid = -1;
        }
    }
    pid_t pid = -1;
    bool started = false;
};

QStringList hiddenEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

TEST(TempFiles, AWriteKilledHalfWayLeavesItsTemporaryFileUntilTheNextWriteTakesItOver)
{
    const QString dir = freshDir("kill");
    const QString target = dir + "/VXSettings61.dat";
    ASSERT_TRUE(writeFile(target, "old content"));
    {
        WriterChild writer(target);
        ASSERT_TRUE(writer.started);
        writer.kill();
    }
    // The killed write left its temporary file; the target is whole.
    EXPECT_EQ(hiddenEntries(dir), QStringList({".VXSettings61.dat.vistamo-tmp", "VXSettings61.dat"}));
    EXPECT_EQ(readFile(target), "old content");
    // The next write to the same target takes the leftover over.
    ASSERT_TRUE(platform::SafeWriteFile(target, "new content").ok());
    EXPECT_EQ(readFile(target), "new content");
    EXPECT_EQ(hiddenEntries(dir), QStringList({"VXSettings61.dat"}));
}

TEST(TempFiles, TheCleanUpRemovesLeftoversButNeverAWriteInProgress)
{
    const QString dir = freshDir("data");
    ASSERT_TRUE(writeFile(dir + "/AllMyShow.dat", "shows"));
    ASSERT_TRUE(writeFile(dir + "/ExcludeFolder.dat", "exclusions"));
    {
        WriterChild killed(dir + "/AllMyShow.dat");
        ASSERT_TRUE(killed.started);
        killed.kill();
    }
    // A leftover of an earlier version, older than a minute, and a fresh one.
    const QString older = dir + "/.ExcludeFolder.dat.Ab12Cd";
    ASSERT_TRUE(writeFile(older, "x"));
    QFile f(older);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
    f.close();
    ASSERT_TRUE(writeFile(dir + "/.ExcludeFolder.dat.Zz99yy", "just now"));

    WriterChild running(dir + "/ExcludeFolder.dat");
    ASSERT_TRUE(running.started);
    EXPECT_EQ(platform::RemoveStaleTempFiles(dir, true), 2);
    EXPECT_EQ(hiddenEntries(dir), QStringList({".ExcludeFolder.dat.Zz99yy", ".ExcludeFolder.dat.vistamo-tmp",
                                               "AllMyShow.dat", "ExcludeFolder.dat"}));
    // Once its writer is gone, its temporary file goes too.
    running.kill();
    EXPECT_EQ(platform::RemoveStaleTempFiles(dir, false), 1);
    EXPECT_TRUE(platform::SafeWriteFile(dir + "/ExcludeFolder.dat", "new").ok());
    EXPECT_EQ(readFile(dir + "/AllMyShow.dat"), "shows");
    EXPECT_EQ(readFile(dir + "/ExcludeFolder.dat"), "new");
}

TEST(TempFiles, ALinkInTheTemporaryFilesPlaceIsNeverWrittenThrough)
{
    const QString dir = freshDir("link");
    const QString target = dir + "/picture.jpg";
    const QString elsewhere = dir + "/elsewhere.txt";
    ASSERT_TRUE(writeFile(elsewhere, "keep me"));
    ASSERT_EQ(::symlink(QFile::encodeName(elsewhere).constData(),
                        QFile::encodeName(platform::TempPathFor(target)).constData()),
              0);
    ASSERT_TRUE(platform::SafeWriteFile(target, "picture").ok());
    EXPECT_EQ(readFile(elsewhere), "keep me");
    EXPECT_EQ(readFile(target), "picture");
    EXPECT_FALSE(QFileInfo(platform::TempPathFor(target)).isSymLink());
}
