// Copy, move, delete and rename of one picture on real files: a file onto
// itself through a link or "..", a full target (a tiny tmpfs), a second
// volume, a read-only picture, the Trash of the test's home folder and its
// refusal; and the caption and slot rules of a thumbnail page.
#include "browse/picture_file_ops.h"
#include "support/test_state.h"

#include "base/settings_record.h"
#include "browse/copy_file.h"
#include "browse/interrupted_work.h"
#include "browse/thumbnail_files.h"
#include "platform/dos_date.h"
#include "platform/prompt.h"
#include "platform/work_journal.h"
#include "support/event_waits.h"
#include "support/sandbox.h"
#include "support/scoped_mount.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

using platform::PromptAnswer;
using platform::PromptReply;
using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// Records what the operations ask of their window; waits take no time.
class RecordingHost : public PictureOpsHost {
public:
    void status(const QString& text) override { statuses << text; }
    RecordingHost() : PictureOpsHost(TestState().settings.Settings) {}
    int retryPauseMs(int seconds) override
    {
        waits << seconds;
        return 0;
    }
    bool showRunning() const override { return running; }
    void carryVoice(const QString& picture, bool sync, const QString& action, const QString& target,
                    bool targetReplaced, bool forGoodWithoutTrash) override
    {
        voiceActions << action;
        PictureOpsHost::carryVoice(picture, sync, action, target, targetReplaced, forGoodWithoutTrash);
    }
    void syncShowsAfterRename(const QString& o, const QString& n) override { renamed << o + " -> " + n; }
    void syncShowsAfterDelete(const QString& p) override { deleted << p; }
    void pictureMovedDuringShow(const QString& p) override { leftShow << p; }
    void removeFromPlayOrder() override { ++playOrderRemovals; }
    void treePictureRemoved(const QString& p) override { treeRemoved << p; }

    QStringList statuses, voiceActions, renamed, deleted, leftShow, treeRemoved;
    QList<int> waits;
    int playOrderRemovals = 0;
    bool running = false;
};

QString trashFiles()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files";
}

QStringList messages()
{
    QStringList texts;
    for (const platform::PromptRecord& r : platform::promptLog())
        texts << r.request.text;
    return texts;
}

class PictureFileOpsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = freshDir("pics");
        source = dir + "/beach.jpg";
        ASSERT_TRUE(writeFile(source, QByteArray(4000, 'p')));
        TestState().settings.Settings = TSettingsRecord();
        TestState().settings.Settings.VoiceDeleteMode = "0";
    }
    QString dir, source;
    CopyState state;
    PictureOpsOptions options;
    RecordingHost host;
};

} // namespace

TEST_F(PictureFileOpsTest, ACopyOntoItselfThroughALinkOrDotDotNeverTouchesTheSource)
{
    QDir().mkpath(dir + "/sub");
    ASSERT_EQ(::symlink(QFile::encodeName(source).constData(), QFile::encodeName(dir + "/link.jpg").constData()), 0);
    EXPECT_EQ(CopyFileVerified(source, dir + "/link.jpg"), CopyStatus::SameFile);
    EXPECT_EQ(CopyFileVerified(source, dir + "/sub/../beach.jpg"), CopyStatus::SameFile);

    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    state.CopyModeSave = 1;
    const CopyOutcome out = testsupport::copyPictureFileToEnd(source, dir + "/link.jpg", state, options, host);
    EXPECT_FALSE(out.copied);
    EXPECT_EQ(state.CopyFailed, 1);
    EXPECT_EQ(readFile(source), QByteArray(4000, 'p'));
    EXPECT_TRUE(messages().contains("Error, picture could not be copied..."));
}

// The window closes while a move's copy is on its worker: the move is never
// answered, and the next start finds the picture at one place only.
TEST_F(PictureFileOpsTest, AMoveCutShortByTheWindowsCloseLeavesThePictureAtOnePlace)
{
    platform::SetJournalFolder(freshDir("journals"));
    QDir().mkpath(dir + "/moved");
    const QString target = dir + "/moved/beach.jpg";
    {
        RecordingHost closing;
        state.CopyModeMove = 1;
        CopyPictureFile(source, target, state, options, closing,
                        [](const CopyOutcome&) { ADD_FAILURE() << "answered after the window went"; });
        for (int i = 0; i < 500 && readFile(target) != readFile(source); ++i)
            QThread::msleep(10);
        ASSERT_EQ(readFile(target), readFile(source));
    }
    QCoreApplication::processEvents();
    // The next start.
    EXPECT_EQ(platform::RecoverInterruptedJournals(QStringLiteral("move"), FinishInterruptedMove), 1);
    platform::SetJournalFolder(QString());
    EXPECT_EQ(readFile(source), QByteArray(4000, 'p'));
    EXPECT_FALSE(QFileInfo::exists(target));
}

TEST_F(PictureFileOpsTest, ASaveKeepsTheSourceAndCarriesItsDateAndVoiceFile)
{
    writeFile(dir + "/beach.wav", "voice");
    const QDateTime taken(QDate(2010, 6, 1), QTime(12, 30, 0));
    ASSERT_TRUE(platform::SetFileDosDate(source, platform::DateTimeToDos(taken)));
    QDir().mkpath(dir + "/copies");
    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    options.autoCopyVoice = true;
    state.CopyModeSave = 1;
    state.CopyModeMove = 1;   // a save never moves
    const CopyOutcome out = testsupport::copyPictureFileToEnd(source, dir + "/copies/beach.jpg", state, options, host);
    EXPECT_TRUE(out.copied);
    EXPECT_FALSE(out.sourceRemoved);
    EXPECT_EQ(state.CopyModeMove, 0);
    EXPECT_EQ(readFile(source), QByteArray(4000, 'p'));
    EXPECT_EQ(readFile(dir + "/copies/beach.wav"), "voice");
    EXPECT_EQ(readFile(dir + "/beach.wav"), "voice");
    EXPECT_EQ(platform::FileDosDate(dir + "/copies/beach.jpg"), platform::DateTimeToDos(taken));
    EXPECT_TRUE(platform::promptLog().isEmpty());
}

TEST_F(PictureFileOpsTest, AFullTargetIsTriedSixTimesThenCancelledLeavingNothingBehind)
{
    testsupport::ScopedMount full("tmpfs", freshDir(QStringLiteral("tmpfs")), "tmpfs", 0, "size=64k");
    if (!full.mounted)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    ASSERT_TRUE(writeFile(source, QByteArray(200 * 1024, 'x')));
    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    state.CopyModeMove = 1;
    const CopyOutcome out = testsupport::copyPictureFileToEnd(source, full.path + "/beach.jpg", state, options, host);
    EXPECT_FALSE(out.copied);
    EXPECT_EQ(host.waits, (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(host.statuses.contains("Retry writing file, attempt #  5 (5 attempts max.)"));
    EXPECT_EQ(state.CopyCancelled, 1);
    EXPECT_EQ(state.CopyFailed, 1);
    EXPECT_EQ(state.ShowCopyAbort, 1);
    EXPECT_EQ(messages(), QStringList{"Target drive/disk not suitable/ready or protected\r\n" + full.path
                                      + "/beach.jpg: No space left on device"});
    // No partial target, no temporary file, and the moved source is kept whole.
    EXPECT_TRUE(QDir(full.path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_EQ(readFile(source).size(), 200 * 1024);

    // A read-only volume does not pass by waiting: told at once, with why.
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(full.path).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    platform::clearPromptLog();
    host.waits.clear();
    state = CopyState();
    state.CopyModeSave = 1;
    EXPECT_FALSE(testsupport::copyPictureFileToEnd(source, full.path + "/beach.jpg", state, options, host).copied);
    EXPECT_TRUE(host.waits.isEmpty());
    EXPECT_EQ(messages(), QStringList{"Target drive/disk not suitable/ready or protected\r\n" + full.path
                                      + "/beach.jpg: Read-only file system"});
}

TEST_F(PictureFileOpsTest, AMoveAcrossVolumesDeletesTheSourceOnlyAfterConfirmingAndCancelKeepsBoth)
{
    testsupport::ScopedMount other("tmpfs", freshDir(QStringLiteral("tmpfs")), "tmpfs", 0, "size=8m");
    if (!other.mounted)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    ASSERT_TRUE(OnDifferentVolumes(source, other.path + "/x.jpg"));
    writeFile(dir + "/beach.wav", "voice");

    {   // Cancel: the copy stays, the source too.
        platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::button(PromptAnswer::Cancel)});
        state.CopyModeMove = 1;
        const CopyOutcome out = testsupport::copyPictureFileToEnd(source, other.path + "/kept.jpg", state, options, host);
        EXPECT_TRUE(out.copied);
        EXPECT_FALSE(out.sourceRemoved);
        EXPECT_TRUE(QFileInfo::exists(source));
        EXPECT_EQ(readFile(other.path + "/kept.jpg"), readFile(source));
        ASSERT_EQ(platform::promptLog().size(), 1);
        EXPECT_EQ(platform::promptLog()[0].request.text,
                  "You are moving a picture from one drive to the other\r\n"
                  "Please confirm the removal of the picture from the source-drive");
    }
    {   // OK: the source (and its voice file) are gone, the shows follow.
        platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::button(PromptAnswer::Ok)});
        options.keepShowsInSync = true;
        host.running = true;
        const CopyOutcome out = testsupport::copyPictureFileToEnd(source, other.path + "/moved.jpg", state, options, host);
        EXPECT_TRUE(out.sourceRemoved);
        EXPECT_FALSE(QFileInfo::exists(source));
        EXPECT_EQ(readFile(other.path + "/moved.jpg"), QByteArray(4000, 'p'));
        EXPECT_FALSE(QFileInfo::exists(dir + "/beach.wav"));
        EXPECT_EQ(readFile(other.path + "/moved.wav"), "voice");
        EXPECT_EQ(host.renamed, QStringList{source + " -> " + other.path + "/moved.jpg"});
        EXPECT_EQ(host.leftShow, QStringList{other.path + "/moved.jpg"});
    }
}

TEST_F(PictureFileOpsTest, AReadOnlyPictureMovedAcrossVolumesIsKeptAndNotPartlyLost)
{
    testsupport::ScopedMount other("tmpfs", freshDir(QStringLiteral("tmpfs")), "tmpfs", 0, "size=8m");
    if (!other.mounted)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    testsupport::setReadOnly(source, true);
    platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::button(PromptAnswer::Ok)});
    state.CopyModeMove = 1;
    const CopyOutcome out = testsupport::copyPictureFileToEnd(source, other.path + "/x.jpg", state, options, host);
    EXPECT_TRUE(out.copied);
    EXPECT_FALSE(out.sourceRemoved);
    EXPECT_EQ(state.CopyPartlyKept, 1);
    EXPECT_TRUE(QFileInfo::exists(source));
    EXPECT_TRUE(messages().contains("Picture could not be deleted..."));

    // The show-copy engine is told not to move it.
    CopyState flags;
    SetCopyWriteFlags(source, dir + "/y.jpg", true, flags);
    EXPECT_EQ(flags.CopyModeSave, 1);
    EXPECT_EQ(flags.CopyModeMove, 0);
    EXPECT_EQ(flags.CopyPartlyKept, 1);
    testsupport::setReadOnly(source, false);
    SetCopyWriteFlags(source, dir + "/y.jpg", true, flags);
    EXPECT_EQ(flags.CopyModeMove, 1);
    EXPECT_EQ(flags.CopySourceDeletable, 1);
}

TEST_F(PictureFileOpsTest, AMoveOnOneVolumeSendsTheSourceToTheTrashAndTheThumbnailsFollow)
{
    QDir().mkpath(dir + "/to/vxothumb");
    writeFile(ThumbnailPath(source), "source thumb");
    writeFile(dir + "/to/vxothumb/beach.jpg", "stale thumb");
    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    state.CopyModeMove = 1;
    const CopyOutcome out = testsupport::copyPictureFileToEnd(source, dir + "/to/beach.jpg", state, options, host);
    EXPECT_TRUE(out.sourceRemoved);
    EXPECT_FALSE(QFileInfo::exists(source));
    EXPECT_TRUE(QFileInfo::exists(trashFiles() + "/beach.jpg"));
    EXPECT_EQ(readFile(dir + "/to/beach.jpg"), QByteArray(4000, 'p'));
    // The stale thumbnail at the target is not left describing another picture.
    EXPECT_NE(readFile(dir + "/to/vxothumb/beach.jpg"), "stale thumb");
    EXPECT_TRUE(platform::promptLog().isEmpty());
}

TEST_F(PictureFileOpsTest, DeleteGoesToTheTrashAndARefusedTrashDeletesNothing)
{
    writeFile(ThumbnailPath(source), "thumb");
    writeFile(dir + "/beach.wav", "voice");
    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    ASSERT_TRUE(DeletePictureFile(source, true, false, true, host));
    EXPECT_FALSE(QFileInfo::exists(source));
    EXPECT_FALSE(QFileInfo::exists(ThumbnailPath(source)));
    EXPECT_FALSE(QFileInfo::exists(dir + "/beach.wav"));
    EXPECT_TRUE(QFileInfo::exists(trashFiles() + "/beach.jpg"));
    EXPECT_TRUE(QFileInfo::exists(trashFiles() + "/beach.wav"));
    EXPECT_EQ(host.deleted, QStringList{source});
    EXPECT_EQ(host.treeRemoved, QStringList{source});

    // The Trash cannot be made (a file stands where its folder belongs).
    const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
    QDir(trash).removeRecursively();
    writeFile(trash, "not a folder");
    const QString other = dir + "/other.jpg";
    writeFile(other, "keep me");
    platform::clearPromptLog();
    EXPECT_FALSE(DeletePictureFile(other, true, false, true, host));
    EXPECT_EQ(readFile(other), "keep me");
    EXPECT_EQ(messages(), QStringList{"File could not be deleted\r\n" + other + ": The Trash " + trash
                                      + " could not be made: File exists"});
    QFile::remove(trash);

    // A volume mounted read-only has no Trash either.
    testsupport::ScopedMount readOnly("tmpfs", freshDir(QStringLiteral("tmpfs")), "tmpfs", 0, "size=1m");
    if (!readOnly.mounted)
        return;
    writeFile(readOnly.path + "/ro.jpg", "keep me too");
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(readOnly.path).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    platform::clearPromptLog();
    EXPECT_FALSE(DeletePictureFile(readOnly.path + "/ro.jpg", true, false, true, host));
    EXPECT_EQ(readFile(readOnly.path + "/ro.jpg"), "keep me too");
    EXPECT_EQ(messages(), QStringList{"File could not be deleted\r\n" + readOnly.path + "/ro.jpg: Its drive has no Trash ("
                                      + readOnly.path + "/.Trash-0 could not be made): Read-only file system"});
}

TEST_F(PictureFileOpsTest, RenameRefusesBadNamesAndExistingFilesAndKeepsTheExtension)
{
    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    for (const QString& bad : {QString(), QStringLiteral("a/b"), QStringLiteral("."), QStringLiteral("..")})
        EXPECT_FALSE(RenamePictureFile(source, bad, options, host).renamed) << bad.toStdString();
    EXPECT_TRUE(messages().contains("File name can not be empty"));
    EXPECT_TRUE(messages().contains(".. is not a valid file name"));

    writeFile(dir + "/taken.jpg", "other picture");
    EXPECT_FALSE(RenamePictureFile(source, "taken", options, host).renamed);
    EXPECT_EQ(readFile(dir + "/taken.jpg"), "other picture");
    // A voice file would land on another recording.
    writeFile(dir + "/beach.wav", "voice");
    writeFile(dir + "/free.wav", "another recording");
    EXPECT_FALSE(RenamePictureFile(source, "free", options, host).renamed);
    EXPECT_TRUE(QFileInfo::exists(source));
    EXPECT_EQ(readFile(dir + "/free.wav"), "another recording");
    EXPECT_TRUE(messages().contains("File could not be renamed"));

    // "a.jpg" gives "a.jpg.jpg"; voice and thumbnail follow, shows too.
    writeFile(ThumbnailPath(source), "thumb");
    options.keepShowsInSync = true;
    const RenameOutcome out = RenamePictureFile(source, "a.jpg", options, host);
    ASSERT_TRUE(out.renamed);
    EXPECT_EQ(out.newPath, dir + "/a.jpg.jpg");
    EXPECT_EQ(readFile(dir + "/a.jpg.jpg"), QByteArray(4000, 'p'));
    EXPECT_EQ(readFile(dir + "/a.jpg.wav"), "voice");
    EXPECT_EQ(readFile(ThumbnailPath(dir + "/a.jpg.jpg")), "thumb");
    EXPECT_EQ(host.renamed.last(), source + " -> " + dir + "/a.jpg.jpg");

    // A change of letter case only.
    const RenameOutcome cased = RenamePictureFile(dir + "/a.jpg.jpg", "A.jpg", options, host);
    ASSERT_TRUE(cased.renamed);
    EXPECT_TRUE(QFileInfo::exists(dir + "/A.jpg.jpg"));
}

TEST_F(PictureFileOpsTest, ASaveOrMoveNeverReplacesARecordingOfAnotherPicture)
{
    // Folder B holds x.gif and its recording x.wav.
    const QString b = freshDir("B");
    writeFile(b + "/x.gif", "gif");
    writeFile(b + "/x.wav", "the gif's recording");
    const QString x = dir + "/x.jpg";
    writeFile(x, "jpg");
    writeFile(dir + "/x.wav", "the jpg's recording");
    options.autoCopyVoice = true;
    {
        platform::ScopedPromptResponder answers(QList<PromptReply>{});
        state.CopyModeSave = 1;
        EXPECT_TRUE(testsupport::copyPictureFileToEnd(x, b + "/x.jpg", state, options, host).copied);
        EXPECT_EQ(messages(), QStringList{"Could not save " + b + "/x.wav (a voice file of that name is already there; it is kept)"});
    }
    EXPECT_EQ(readFile(b + "/x.wav"), "the gif's recording");
    QFile::remove(b + "/x.jpg");
    {   // A move whose recording cannot follow leaves the picture with it.
        platform::ScopedPromptResponder answers(QList<PromptReply>{});
        state = CopyState();
        state.CopyModeMove = 1;
        const CopyOutcome out = testsupport::copyPictureFileToEnd(x, b + "/x.jpg", state, options, host);
        EXPECT_FALSE(out.copied || out.sourceRemoved);
        EXPECT_EQ(messages(), QStringList{"Could not move " + b + "/x.wav (a voice file of that name is already there; it is kept)"
                                          "\r\nThe picture " + x + " is not moved either."});
    }
    EXPECT_EQ(readFile(b + "/x.wav"), "the gif's recording");
    EXPECT_EQ(readFile(dir + "/x.wav"), "the jpg's recording");
    EXPECT_EQ(readFile(x), "jpg");
    EXPECT_FALSE(QFileInfo::exists(b + "/x.jpg"));

    // Replacing B/x.jpg, as the user agreed, replaces its recording too; the
    // old one goes to the Trash first.
    writeFile(b + "/x.jpg", "an older jpg");
    const QString y = dir + "/y/x.jpg";
    writeFile(y, "another jpg");
    writeFile(dir + "/y/x.wav", "the new recording");
    {
        platform::ScopedPromptResponder answers(QList<PromptReply>{});
        state = CopyState();
        state.CopyModeSave = 1;
        EXPECT_TRUE(testsupport::copyPictureFileToEnd(y, b + "/x.jpg", state, options, host).copied);
        EXPECT_TRUE(messages().isEmpty());
    }
    EXPECT_EQ(readFile(b + "/x.wav"), "the new recording");
    EXPECT_EQ(readFile(trashFiles() + "/x.wav"), "the gif's recording");
}

TEST_F(PictureFileOpsTest, AMoveSyncsTheTargetFolderBeforeTheSourceGoes)
{
    testsupport::ScopedMount other("tmpfs", freshDir(QStringLiteral("tmpfs")), "tmpfs", 0, "size=8m");
    if (!other.mounted)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    if (QStandardPaths::findExecutable("strace").isEmpty())
        GTEST_SKIP() << "strace is not installed";
    // strace watches this process's calls while the picture moves across
    // volumes (deleted after the question) and on one volume (to the Trash).
    const QString log = freshDir("trace") + "/calls";
    QProcess strace;
    strace.start("strace", {"-f", "-qq", "-y", "-e", "trace=fsync,unlink,unlinkat,rename,renameat,renameat2", "-o", log,
                            "-p", QString::number(::getpid())});
    ASSERT_TRUE(strace.waitForStarted());
    const auto traced = [] {
        QFile status("/proc/self/status");
        return status.open(QIODevice::ReadOnly) && !status.readAll().contains("TracerPid:\t0\n");
    };
    for (int i = 0; i < 500 && !traced(); ++i)
        QThread::msleep(10);
    ASSERT_TRUE(traced());
    {
        platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::button(PromptAnswer::Ok)});
        state.CopyModeMove = 1;
        EXPECT_TRUE(testsupport::copyPictureFileToEnd(source, other.path + "/moved.jpg", state, options, host).sourceRemoved);
        writeFile(other.path + "/sub/local.jpg", "local");
        state = CopyState();
        state.CopyModeMove = 1;
        EXPECT_TRUE(testsupport::copyPictureFileToEnd(other.path + "/sub/local.jpg", other.path + "/local.jpg", state, options, host)
                        .sourceRemoved);
    }
    strace.terminate();
    strace.waitForFinished();
    const QStringList calls = QString::fromUtf8(readFile(log)).split('\n');
    const auto first = [&](const QString& call, const QString& path) {
        for (int i = 0; i < calls.size(); ++i)
            if (calls[i].contains(call + "(") && calls[i].contains(path) && !calls[i].contains("= -1"))
                return i;
        return -1;
    };
    // The target folder's fsync comes before the source's unlink, and before
    // the rename that takes the other source to the Trash.
    const int folderSynced = first("fsync", "<" + other.path + ">");
    const int sourceDeleted = first("unlink", source);
    ASSERT_GE(folderSynced, 0) << readFile(log).toStdString();
    ASSERT_GE(sourceDeleted, 0) << readFile(log).toStdString();
    EXPECT_LT(folderSynced, sourceDeleted);
    const int trashed = first("rename", other.path + "/sub/local.jpg");
    ASSERT_GE(trashed, 0);
    int syncedBeforeTrash = -1;
    for (int i = sourceDeleted + 1; i < trashed; ++i)
        if (calls[i].contains("fsync(") && calls[i].contains("<" + other.path + ">"))
            syncedBeforeTrash = i;
    EXPECT_GE(syncedBeforeTrash, 0) << readFile(log).toStdString();
}

TEST_F(PictureFileOpsTest, ARenamedPicturesOwnThumbnailWinsOverAnOrphan)
{
    writeFile(ThumbnailPath(source), "own thumbnail");
    writeFile(ThumbnailPath(dir + "/sunset.jpg"), "orphan thumbnail");
    platform::ScopedPromptResponder answers(QList<PromptReply>{});
    ASSERT_TRUE(RenamePictureFile(source, "sunset", options, host).renamed);
    EXPECT_EQ(readFile(ThumbnailPath(dir + "/sunset.jpg")), "own thumbnail");
    EXPECT_FALSE(QFileInfo::exists(ThumbnailPath(source)));
}

TEST(PageCaptions, NumberBeforeDashAndRenumbering)
{
    EXPECT_EQ(NumberBeforeDash("12 - x.jpg"), 12);
    EXPECT_EQ(NumberBeforeDash("x.jpg"), 999);
    EXPECT_EQ(NumberBeforeDash(" - x.jpg"), 999);
    EXPECT_EQ(NumberBeforeDash("Deleted"), 999);
    EXPECT_EQ(NumberBeforeDash("ab - x.jpg"), 999);
    EXPECT_EQ(RenumberPageCaption("12 - x.jpg", 5), "11 - x.jpg");
    EXPECT_EQ(RenumberPageCaption("12 - x.jpg", 15), "12 - x.jpg");
    EXPECT_EQ(RenumberPageCaption("12 - a - b.jpg", 12), "11 - a - b.jpg");
    EXPECT_EQ(RenumberPageCaption("Deleted", 1), "");
}

TEST(PageCaptions, RemovedSlotsArePackedTowardsTheFront)
{
    std::vector<PageSlot> cells(5);
    for (int i = 0; i < 5; ++i) {
        cells[size_t(i)].pictureIndex = 10 + i;
        cells[size_t(i)].caption = QString::number(i + 1) + " - p" + QString::number(i) + ".jpg";
        cells[size_t(i)].ticked = i == 1 || i == 3;
    }
    cells[4].pictureIndex = 12;   // a picture shown twice on the page
    MarkSlotRemoved(cells, 1, false);
    EXPECT_EQ(cells[1].caption, "Deleted");
    EXPECT_EQ(cells[1].pictureIndex, -2);
    EXPECT_FALSE(cells[1].ticked);
    EXPECT_EQ(cells[2].caption, "2 - p2.jpg");
    EXPECT_EQ(cells[0].caption, "1 - p0.jpg");
    MarkSlotRemoved(cells, 3, true);
    EXPECT_EQ(cells[3].caption, "Removed from show");

    EXPECT_EQ(PackPageSlots(cells), 12);
    EXPECT_EQ(cells[0].pictureIndex, 10);
    EXPECT_EQ(cells[1].pictureIndex, 12);
    EXPECT_EQ(cells[1].caption, "2 - p2.jpg");
    // The duplicate and the moved-from places are empty and cannot be ticked.
    for (size_t i = 2; i < 5; ++i) {
        EXPECT_EQ(cells[i].pictureIndex, -1);
        EXPECT_FALSE(cells[i].enabled);
        EXPECT_TRUE(cells[i].caption.isEmpty());
    }
}
