// The temporary files of whole-file writes after a real SIGKILL of the
// writer: the next write to the same target takes the leftover over, the
// start's clean-up removes it, and a temporary file that a running writer
// holds is never touched.
#include "platform/record_file.h"
#include "platform/temp_files.h"
#include "platform/work_journal.h"
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

TEST(TempFiles, TheCleanUpRemovesOnlyItsOwnUnheldLeftoversWhereverTheyLie)
{
    const QString dir = freshDir("data");
    const QString pictures = freshDir("pictures");
    platform::SetJournalFolder(dir);
    ASSERT_TRUE(writeFile(dir + "/AllMyShow.dat", "shows"));
    ASSERT_TRUE(writeFile(dir + "/ExcludeFolder.dat", "exclusions"));
    for (const QString& target : {dir + "/AllMyShow.dat", pictures + "/beach.jpg"}) {
        WriterChild killed(target);
        ASSERT_TRUE(killed.started);
        killed.kill();
    }
    // The user's own hidden files, old enough, of any name.
    for (const QString& own : {dir + "/.holiday.backup", dir + "/.mynotes.rescue", pictures + "/.beach.Ab12Cd"}) {
        ASSERT_TRUE(writeFile(own, "the user's"));
        QFile f(own);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-120), QFileDevice::FileModificationTime));
    }
    const auto files = [](const QString& folder) {
        QStringList names = hiddenEntries(folder);
        names.removeIf([](const QString& n) { return n.endsWith(".journal"); });
        return names;
    };

    WriterChild running(dir + "/ExcludeFolder.dat");
    ASSERT_TRUE(running.started);
    EXPECT_EQ(platform::RemoveStaleTempFiles(dir), 1);
    // The picture folder's leftover is found through the killed writer's journal.
    EXPECT_EQ(platform::RemoveInterruptedWriteLeftovers(), 1);
    EXPECT_EQ(files(dir), QStringList({".ExcludeFolder.dat.vistamo-tmp", ".holiday.backup", ".mynotes.rescue",
                                       "AllMyShow.dat", "ExcludeFolder.dat"}));
    EXPECT_EQ(files(pictures), QStringList({".beach.Ab12Cd"}));
    // Once its writer is gone, its temporary file goes too, and every journal.
    running.kill();
    EXPECT_EQ(platform::RemoveInterruptedWriteLeftovers(), 1);
    EXPECT_EQ(hiddenEntries(dir), QStringList({".holiday.backup", ".mynotes.rescue", "AllMyShow.dat", "ExcludeFolder.dat"}));
    platform::SetJournalFolder(QString());
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
