// Picture file operations: copy, move, delete, rename and the cell rules of
// the ticked pictures of a thumbnail page.
#include "browse/picture_file_ops.h"

#include "base/file_helpers.h"
#include "base/found_file.h"
#include "base/voice_carry.h"
#include "browse/copy_file.h"
#include "browse/picture_info.h"
#include "browse/thumbnail_files.h"
#include "platform/dos_date.h"
#include "platform/drives.h"
#include "platform/file_attributes.h"
#include "platform/trash.h"
#include "platform/work_journal.h"
#include "platform/worker_pool.h"
#include "shows/show_file.h"
#include "shows/show_sync.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace {

using platform::PromptAnswer;
using platform::PromptKind;

void box(PromptKind kind, const QString& text)
{
    platform::showMessage(kind, text, platform::kOk);
}

const QString CdMessage = QStringLiteral(
    "Vistamo! can not write to CD!\r\n\r\nYou might not have packet writing software installed.\r\n"
    "If so, it is good to know there is an alternative way to make an Automatic starting cd.\r\n\r\n"
    "Show information on how to make an Automatic starting cd manually?");

// The thumbnails follow a finished copy or move: a thumbnail at the
// target's place is replaced by the source's one (taken away for a move)
// when that exists, and deleted otherwise.
void thumbnailsFollow(const QString& source, const QString& target, bool move)
{
    const QString targetThumb = ThumbnailPath(target);
    if (!QFileInfo::exists(targetThumb))
        return;
    const QString sourceThumb = ThumbnailPath(source);
    if (QFileInfo(sourceThumb).isFile() && CopyFileVerified(sourceThumb, targetThumb) == CopyStatus::Ok) {
        if (move)
            QFile::remove(sourceThumb);
        return;
    }
    QFile::remove(targetThumb);
}

// Deletes a file for good, and its thumbnail with it; `reason` says why not.
bool deleteForGood(const QString& path, QString& reason)
{
    if (platform::IsReadOnly(path)) {
        reason = QStringLiteral("The file is read only");
        return false;
    }
    if (::unlink(QFile::encodeName(path).constData()) != 0) {
        reason = qt_error_string(errno);
        return false;
    }
    QFile::remove(ThumbnailPath(path));
    return true;
}

} // namespace

// ---- host defaults ------------------------------------------------------------

PictureOpsHost::PictureOpsHost(TSettingsRecord& settings) : m_settingsRecord(settings) {}

PictureOpsHost::~PictureOpsHost()
{
    // A copy waiting to retry stops waiting; a copy under way ends first.
    *m_alive = false;
    m_copyWorker.reset();
}

platform::WorkerPool& PictureOpsHost::copyWorker()
{
    if (!m_copyWorker)
        m_copyWorker = std::make_unique<platform::WorkerPool>(1);
    return *m_copyWorker;
}

void PictureOpsHost::carryVoice(const QString& picture, bool syncShows, const QString& action, const QString& target,
                                bool targetReplaced, bool forGoodWithoutTrash)
{
    CarryVoiceFile(picture, syncShows, action, target, m_settingsRecord, m_voiceSteps, targetReplaced,
                   forGoodWithoutTrash);
}

void PictureOpsHost::syncShowsAfterRename(const QString& oldPath, const QString& newPath)
{
    OpenShow noShowOpen;
    SyncShowsAfterRename(noShowOpen, m_showSync, oldPath, newPath);
}

void PictureOpsHost::syncShowsAfterDelete(const QString& path)
{
    OpenShow noShowOpen;
    SyncShowsAfterDelete(noShowOpen, m_showSync, path);
}

// ---- copy and move --------------------------------------------------------

namespace {

// One copy between its steps, read and written on the window's thread only
// (the worker works on copies of the paths).
struct CopyRun {
    QString source;
    QString target;
    CopyState* state = nullptr;
    PictureOpsOptions options;
    PictureOpsHost* host = nullptr;
    std::shared_ptr<const std::atomic<bool>> alive;
    std::function<void(const CopyOutcome&)> done;
    platform::DosDateTime sourceDate = 0;
    bool move = false;
    bool acrossVolumes = false;
    bool targetReplaced = false;
    VoiceMove voice;
    std::unique_ptr<platform::Journal> journal;
    int retries = 0;
    // A move whose end was never answered (the window went first) keeps its
    // journal, so that the next start undoes it: the picture is then at one
    // place, never at both.
    ~CopyRun()
    {
        if (journal)
            journal->leaveForNextStart();
    }
};

void copyFinished(const std::shared_ptr<CopyRun>& run, CopyStatus result);

// Worker: waits `pauseMs` (cut short when the host goes; the retry's text
// stays meanwhile), then copies the file. It touches nothing but the two
// files and the token it reads; the run rides along to the answer untouched.
void copyAttempt(const std::shared_ptr<CopyRun>& run, int pauseMs)
{
    if (pauseMs <= 0)
        run->host->status(QStringLiteral("Copying...."));
    run->host->copyWorker().run([run, pauseMs, source = run->source, target = run->target,
                                 alive = run->alive]() mutable {
        using clock = std::chrono::steady_clock;
        const clock::time_point until = clock::now() + std::chrono::milliseconds(pauseMs);
        while (*alive && clock::now() < until)
            std::this_thread::sleep_for(std::min<clock::duration>(std::chrono::milliseconds(50), until - clock::now()));
        if (pauseMs > 0)
            platform::postToWindowThread([run] {
                if (*run->alive)
                    run->host->status(QStringLiteral("Copying...."));
            });
        int error = 0;
        const CopyStatus result = *alive ? CopyFileVerified(source, target, &error) : CopyStatus::TargetUnwritable;
        platform::postToWindowThread([run = std::move(run), result, error]() mutable {
            if (!*run->alive)
                return;
            CopyState& state = *run->state;
            PictureOpsHost& host = *run->host;
            // A target that cannot be written is tried again up to five
            // times, then the copy is cancelled with the user told why.
            if (result == CopyStatus::TargetUnwritable) {
                // A read-only volume or a refused permission does not pass by waiting.
                const bool lasting = error == EROFS || error == EACCES || error == EPERM || error == EISDIR;
                if (run->retries < 5 && !lasting && state.CopyCancelled == 0) {
                    ++run->retries;
                    host.status(QStringLiteral("Retry writing file, attempt #  ") + QString::number(run->retries)
                                + QStringLiteral(" (5 attempts max.)"));
                    copyAttempt(run, host.retryPauseMs(run->retries));
                    return;
                }
                if (state.CopyCancelled == 0) {
                    state.CopyCancelled = 1;
                    if (state.CopyToCd == 1) {
                        if (platform::showMessage(PromptKind::Confirmation, CdMessage, platform::kYesNo)
                            == PromptAnswer::Yes)
                            host.showCdHelp();
                    } else {
                        box(PromptKind::Error, QStringLiteral("Target drive/disk not suitable/ready or protected")
                                                   + (error ? QStringLiteral("\r\n") + run->target + QStringLiteral(": ")
                                                                  + qt_error_string(error)
                                                            : QString()));
                    }
                }
            }
            copyFinished(run, result);
        });
    });
}

// Removes the source of a moved picture: to the recycle bin on the same
// volume (or when quiet), else deleted once the user confirms. False when the
// move stops with the user told why; removed says whether the source is gone.
bool removeMovedSource(const QString& source, const QString& target, bool acrossVolumes, CopyState& state,
                       bool& removed)
{
    if (!acrossVolumes || state.CopyQuiet == 1) {
        if (state.CopyQuiet == 0 && !QFileInfo(target).isFile()) {
            box(PromptKind::Error, QStringLiteral("Scary Error in Kopyfile ") + source + QStringLiteral(" ") + target);
            return false;
        }
        QString reason;
        if (!SendToRecycleBin(source, &reason)) {
            state.CopyPartlyKept = 1;
            box(PromptKind::Error, QStringLiteral("File ") + source + QStringLiteral(" could not be deleted...")
                                       + (reason.isEmpty() ? QString() : QStringLiteral("\r\n") + reason));
            return false;
        }
        removed = true;
    } else {
        const PromptAnswer answer = platform::showMessage(
            PromptKind::Warning,
            QStringLiteral("You are moving a picture from one drive to the other\r\n"
                           "Please confirm the removal of the picture from the source-drive"),
            platform::kOkCancel);
        if (answer == PromptAnswer::Ok) {
            // The user confirmed the permanent delete of the source.
            if (platform::IsReadOnly(source) || !QFile::remove(source)) {
                state.CopyPartlyKept = 1;
                box(PromptKind::Error, QStringLiteral("Picture could not be deleted..."));
                return false;
            }
            removed = true;
        }
    }
    return true;
}

} // namespace

QString CopyDialogFolder(const QString& lastCopyTarget, const QString& firstStartValue,
                         const QString& selectedFolder, const QString& source)
{
    if (!lastCopyTarget.isEmpty() && lastCopyTarget != firstStartValue && QFileInfo(lastCopyTarget).isDir())
        return lastCopyTarget;
    if (!selectedFolder.isEmpty() && QFileInfo(selectedFolder).isDir())
        return selectedFolder;
    return QFileInfo(source).absolutePath();
}

void CopyPictureFile(const QString& source, const QString& target, CopyState& state, const PictureOpsOptions& options,
                     PictureOpsHost& host, std::function<void(const CopyOutcome&)> done)
{
    auto run = std::make_shared<CopyRun>();
    run->source = source;
    run->target = target;
    run->state = &state;
    run->options = options;
    run->host = &host;
    run->alive = host.aliveToken();
    run->done = std::move(done);
    if (state.CopyModeSave == 1)
        state.CopyModeMove = 0;
    run->move = state.CopyModeMove == 1;
    run->sourceDate = platform::FileDosDate(source);
    run->acrossVolumes = OnDifferentVolumes(source, target);
    // A picture already at the target is replaced only as the user agreed in
    // the save dialog; its voice file may then be replaced too.
    const QFileInfo targetBefore(target);
    run->targetReplaced = targetBefore.exists() || targetBefore.isSymLink();

    // A moved picture takes its recording along, or does not go at all.
    const VoiceMove& voice = run->voice = run->move && state.CopyQuiet == 0 ? PlanVoiceMove(source, target) : VoiceMove();
    if (!voice.refusal.isEmpty() || (voice.carried() && !run->targetReplaced && voice.targetTaken)) {
        const QString why = !voice.refusal.isEmpty()
                                ? voice.refusal
                                : QStringLiteral("Could not move ") + voice.target
                                      + QStringLiteral(" (a voice file of that name is already there; it is kept)");
        box(PromptKind::Error, why + QStringLiteral("\r\nThe picture ") + source + QStringLiteral(" is not moved either."));
        state.CopyFailed = 1;
        if (run->done)
            run->done(CopyOutcome());
        return;
    }
    // The move is written down first, so that a start after a crash finds
    // the picture and its recording together, at the source or the target.
    run->journal = std::make_unique<platform::Journal>();
    if (run->move)
        run->journal->start(QStringLiteral("move"), {source, target, voice.source, voice.target});

    if (state.CopyCancelled != 0) {
        copyFinished(run, CopyStatus::TargetUnwritable);
        return;
    }
    copyAttempt(run, 0);
}

namespace {

// The copy has ended: a move takes the source away, the voice file, the
// shows, the date and the thumbnails follow.
void copyFinished(const std::shared_ptr<CopyRun>& run, CopyStatus result)
{
    CopyState& state = *run->state;
    PictureOpsHost& host = *run->host;
    const QString& source = run->source;
    const QString& target = run->target;
    const VoiceMove& voice = run->voice;
    const bool move = run->move;
    CopyOutcome outcome;
    const auto answer = [&] {
        run->journal.reset();
        if (run->done)
            run->done(outcome);
    };
    if (result != CopyStatus::Ok) {
        // No partial target is ever left: the copy writes a temporary file.
        state.CopyFailed = 1;
        if (state.CopyCancelled == 1)
            state.ShowCopyAbort = 1;
        else if (state.CopyQuiet == 0)
            box(PromptKind::Error, QStringLiteral("Error, picture could not be copied..."));
        return answer();
    }
    if (voice.carried()) {
        const QString problem = CopyVoiceForMove(voice, run->targetReplaced, host.voiceCarrySteps());
        if (!problem.isEmpty()) {
            // The picture stays with its recording: the copy goes again.
            QFile::remove(target);
            state.CopyFailed = 1;
            box(PromptKind::Error, problem + QStringLiteral("\r\nThe picture ") + source
                                       + QStringLiteral(" is not moved either."));
            return answer();
        }
    }
    outcome.copied = true;

    if (!move && run->options.autoCopyVoice && state.CopyQuiet == 0)
        host.carryVoice(source, false, QStringLiteral("C"), target, run->targetReplaced);

    if (move) {
        bool removed = false;
        if (!removeMovedSource(source, target, run->acrossVolumes, state, removed))
            return answer();
        if (removed) {
            outcome.sourceRemoved = true;
            if (voice.carried())
                FinishVoiceMove(voice, host.voiceCarrySteps());
            else if (state.CopyQuiet == 1)
                host.carryVoice(source, true, QStringLiteral("M"), target, run->targetReplaced);
            if (run->options.keepShowsInSync)
                host.syncShowsAfterRename(source, target);
            if (host.showRunning())
                host.pictureMovedDuringShow(target);
        }
    }

    // The copy is dated by the picture's date taken, else the source's date.
    const platform::DosDateTime date = platform::DosDateTime(ExifDateAsFileDate(target, int32_t(run->sourceDate)));
    if (date != 0 && !platform::IsReadOnly(target))
        platform::SetFileDosDate(target, date);
    thumbnailsFollow(source, target, outcome.sourceRemoved);
    answer();
}

} // namespace

void SetCopyWriteFlags(const QString& source, const QString& target, bool deleteAfterCopy, CopyState& state)
{
    state.CopyModeSave = 1;
    state.CopyModeMove = 0;
    state.CopyCancelled = state.CopyFailed = 0;
    state.CopyVoiceMoved = state.CopyVoiceCopied = state.CopySourceDeletable = state.CopyPartlyKept = 0;
    if (!deleteAfterCopy)
        return;
    const platform::DriveKind kind = platform::DriveKindOfPath(target);
    const bool targetKindOk = kind == platform::DriveKind::Removable || kind == platform::DriveKind::Fixed
                              || kind == platform::DriveKind::Remote || kind == platform::DriveKind::CdRom;
    const QString voice = VoicePathFor(source);
    const bool hasVoice = PictureCarriesVoice(source) && QFileInfo(voice).isFile();
    const bool deletable = platform::FreeSpaceOf(source) > 0 && targetKindOk && !IsReadOnlyFile(source)
                           && !(hasVoice && IsReadOnlyFile(voice));
    state.CopySourceDeletable = deletable ? 1 : 0;
    if (deletable) {
        state.CopyModeMove = 1;
        state.CopyModeSave = 0;
    } else {
        state.CopyPartlyKept = 1;
    }
    if (hasVoice) {
        state.CopyVoiceMoved = deletable ? 1 : 0;
        state.CopyVoiceCopied = deletable ? 0 : 1;
    }
}

// ---- delete ----------------------------------------------------------------

bool SendToRecycleBin(const QString& path, QString* reason)
{
    const QFileInfo info(path);
    if (!info.isFile() && !info.isSymLink())
        return true;
    if (!platform::MoveToTrash(path, nullptr, reason))
        return false;
    const QString thumb = ThumbnailPath(path);
    if (QFileInfo(thumb).isFile())
        platform::MoveToTrash(thumb);
    return true;
}

bool DeletePictureFile(const QString& path, bool removeFromShows, bool keepPlayOrder, bool updateTree,
                       PictureOpsHost& host, bool forGoodWithoutTrash, QString* problem)
{
    bool forGood = false;
    QString reason;
    if (!SendToRecycleBin(path, &reason)) {
        if (!forGoodWithoutTrash || !deleteForGood(path, reason)) {
            // The user learns which file stays and why.
            const QString which = path + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
            if (problem)
                *problem = which;
            else
                box(PromptKind::Error, QStringLiteral("File could not be deleted\r\n") + which);
            return false;
        }
        forGood = true;
    }
    host.carryVoice(path, removeFromShows, QStringLiteral("D"), QString(), false, forGood);
    if (removeFromShows)
        host.syncShowsAfterDelete(path);
    const bool show = host.showRunning();
    if (updateTree && !show)
        host.treePictureRemoved(path);
    if (!keepPlayOrder && show && FileExtOf(path).toLower() != QLatin1String(".vxt"))
        host.removeFromPlayOrder();
    return true;
}

// ---- rename ------------------------------------------------------------------

QString InvalidNameText(const QString& name, bool folder)
{
    if (name.isEmpty())
        return folder ? QStringLiteral("Folder name can not be empty") : QStringLiteral("File name can not be empty");
    if (name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String("..")
        || name.contains(QChar(0)))
        return name + (folder ? QStringLiteral(" is not a valid folder name") : QStringLiteral(" is not a valid file name"));
    return QString();
}

RenameOutcome RenamePictureFile(const QString& oldPath, const QString& newName, const PictureOpsOptions& options,
                                PictureOpsHost& host)
{
    RenameOutcome outcome;
    const QString invalid = InvalidNameText(newName, false);
    if (!invalid.isEmpty()) {
        box(PromptKind::Error, invalid);
        return outcome;
    }
    const QString newPath = CutAtLastBackslash(oldPath, true) + newName + FileExtOf(oldPath);
    if (newPath == oldPath)
        return outcome;
    // A voice file of the picture would land on another recording.
    const QString oldVoice = VoicePathFor(oldPath);
    const QString newVoice = VoicePathFor(newPath);
    const bool voiceTaken = PictureCarriesVoice(oldPath) && QFileInfo(oldVoice).isFile()
                            && QFileInfo::exists(newVoice) && !SameFile(oldVoice, newVoice);
    if (voiceTaken || !RenameNoReplace(oldPath, newPath)) {
        box(PromptKind::Error, QStringLiteral("File could not be renamed"));
        return outcome;
    }
    outcome.renamed = true;
    outcome.newPath = newPath;
    // The thumbnail follows. A thumbnail already at its new name belongs to
    // no picture (the picture's name was free), so the picture's own wins;
    // when even that fails, the old one is dropped (it is made again when
    // the picture is next shown).
    const QString oldThumb = ThumbnailPath(oldPath);
    const QString newThumb = ThumbnailPath(newPath);
    if (QFileInfo(oldThumb).isFile()
        && (QFileInfo(newThumb).isDir()
            || ::rename(QFile::encodeName(oldThumb).constData(), QFile::encodeName(newThumb).constData()) != 0))
        QFile::remove(oldThumb);
    host.carryVoice(oldPath, true, QStringLiteral("R"), newPath);
    if (options.keepShowsInSync)
        host.syncShowsAfterRename(oldPath, newPath);
    return outcome;
}

// ---- ticked cells of a thumbnail page ----------------------------------------

int32_t NumberBeforeDash(const QString& caption)
{
    const qsizetype dash = caption.indexOf(QStringLiteral(" -"));
    if (dash <= 0)
        return 999;
    bool ok = false;
    const int32_t n = caption.left(dash).trimmed().toInt(&ok);
    return ok ? n : 999;
}

QString RenumberPageCaption(const QString& caption, int32_t removedNumber)
{
    const qsizetype dash = caption.indexOf(QStringLiteral(" -"));
    if (dash < 0)
        return QString();
    const int32_t n = NumberBeforeDash(caption);
    if (removedNumber > n)
        return caption;
    const qsizetype sep = caption.indexOf(QStringLiteral(" - "));
    const QString name = sep >= 0 ? caption.mid(sep + 3) : caption.mid(dash + 2);
    return QString::number(n - 1) + QStringLiteral(" - ") + name;
}

void MarkSlotRemoved(std::vector<PageSlot>& cells, int slot, bool fromShow)
{
    if (slot < 0 || slot >= int(cells.size()))
        return;
    PageSlot& s = cells[size_t(slot)];
    const int32_t removed = NumberBeforeDash(s.caption);
    s.ticked = false;
    s.caption = fromShow ? QStringLiteral("Removed from show") : QStringLiteral("Deleted");
    s.imageVisible = false;
    s.pictureIndex = -2;
    for (size_t i = size_t(slot) + 1; i < cells.size(); ++i)
        if (cells[i].pictureIndex >= 0)
            cells[i].caption = RenumberPageCaption(cells[i].caption, removed);
}

int32_t PackPageSlots(std::vector<PageSlot>& cells)
{
    // Later filled cells move into the emptied ones, in order.
    size_t free = 0;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (cells[i].pictureIndex < 0)
            continue;
        while (free < i && cells[free].pictureIndex >= 0)
            ++free;
        if (free < i) {
            cells[free] = cells[i];
            cells[i] = PageSlot{};
            cells[i].pictureIndex = -3;
        }
    }
    QSet<int32_t> seen;
    int32_t last = -1;
    for (PageSlot& s : cells) {
        if (s.pictureIndex >= 0 && seen.contains(s.pictureIndex))
            s.pictureIndex = -1;
        if (s.pictureIndex < 0) {
            s = PageSlot{};
            s.pictureIndex = -1;
            s.enabled = false;
            s.labelVisible = false;
            s.imageVisible = false;
            continue;
        }
        seen.insert(s.pictureIndex);
        last = s.pictureIndex;
    }
    return last;
}
