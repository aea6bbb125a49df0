// Picture file operations: save (copy), move, rename and delete of one
// picture, each carrying along what travels with it (voice recording,
// thumbnail, file date, shows, the running show's play order, the tree
// node). The routines take their state explicitly and report through a
// small host, so the main window and tests drive them alike.
#pragma once

#include "base/settings_record.h"
#include "base/voice_carry.h"
#include "shows/show_sync.h"
#include "platform/prompt.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace platform {
class WorkerPool;
}

// The shared copy state of the picture commands and the show-copy engine.
struct CopyState {
    QString CopySource;          // the file to copy or move
    QString CopySuggestName;     // the picture whose name a cut-out copy is offered under
    uint8_t CopyModeSave = 0;    // 1: copy ("Save to")
    uint8_t CopyModeMove = 0;    // 1: move ("Move to"); cleared whenever CopyModeSave is 1
    uint8_t CopyCancelled = 0;   // the user or the retry limit stopped the copy
    uint8_t CopyFailed = 0;      // the copy did not produce the target
    uint8_t CopyQuiet = 0;       // the show-copy engine copies: no boxes for general errors
    uint8_t CopyToCd = 0;        // the target is a CD (chooses the last failure's message)
    uint8_t CopyVoiceMoved = 0;
    uint8_t CopyVoiceCopied = 0;
    uint8_t CopySourceDeletable = 0;
    uint8_t CopyPartlyKept = 0;  // a moved source could not be deleted
    uint8_t ShowCopyAbort = 0;   // the show-copy engine's abort flag
};

// The settings the operations read.
struct PictureOpsOptions {
    bool autoCopyVoice = false;      // AutoCopyVoice == "1"
    bool keepShowsInSync = false;    // KeepShowsInSync != 0
};

// What the operations need from the window they run in. Every member has a
// default that works without a window.
class PictureOpsHost {
public:
    // `settings` is the record the voice file's questions read and store
    // answers in.
    explicit PictureOpsHost(TSettingsRecord& settings);
    // A copy still under way is abandoned: its answer never comes.
    virtual ~PictureOpsHost();
    // Status panel 1 of the main window.
    virtual void status(const QString& text) {}
    // The pause before retry number `seconds` (1 .. 5) of a copy, in
    // milliseconds; the copy's worker waits it.
    virtual int retryPauseMs(int seconds) { return seconds * 1000; }
    virtual bool showRunning() const { return false; }
    // The voice file follows (action "C", "M", "R", "D"); default
    // CarryVoiceFile with the steps set by SetVoiceCarrySteps.
    // `targetReplaced`: the copy replaced a picture at the target, as the
    // user agreed (a recording there then belongs to the replaced picture).
    // `forGoodWithoutTrash`: the picture went for good, its drive's Trash
    // refusing it; so may its voice file.
    virtual void carryVoice(const QString& picture, bool syncShows, const QString& action, const QString& target,
                            bool targetReplaced = false, bool forGoodWithoutTrash = false);
    // Every known show follows; defaults SyncShowsAfterRename / SyncShowsAfterDelete
    // with no show open and the steps set by SetShowSyncSteps.
    virtual void syncShowsAfterRename(const QString& oldPath, const QString& newPath);
    virtual void syncShowsAfterDelete(const QString& path);
    // During a show: the picture moved to `newPath` leaves the running show
    // (bookmark slot, play order, bookmark menu).
    virtual void pictureMovedDuringShow(const QString& newPath) {}
    // During a show: the current picture leaves the play order.
    virtual void removeFromPlayOrder() {}
    // Outside a show: the picture's tree node goes (placeholder when its
    // folder is left empty).
    virtual void treePictureRemoved(const QString& path) {}
    // The help page on making an automatic CD by hand.
    virtual void showCdHelp() {}

    // What the default carryVoice hands CarryVoiceFile (the window's voice
    // question, the shows kept in step).
    void SetVoiceCarrySteps(VoiceCarrySteps steps) { m_voiceSteps = std::move(steps); }
    const VoiceCarrySteps& voiceCarrySteps() const { return m_voiceSteps; }
    // What keeping the shows in step needs (the known shows, the status, a
    // new reading of the open show's list).
    void SetShowSyncSteps(ShowSyncSteps steps) { m_showSync = std::move(steps); }

    // The worker the copies run on (one thread: copies run in turn), and
    // the token that says the host still exists (read by that worker while
    // it waits, and before an answer is handed on).
    platform::WorkerPool& copyWorker();
    std::shared_ptr<const std::atomic<bool>> aliveToken() const { return m_alive; }

protected:
    TSettingsRecord& m_settingsRecord;
    VoiceCarrySteps m_voiceSteps;
    ShowSyncSteps m_showSync;

private:
    std::shared_ptr<std::atomic<bool>> m_alive = std::make_shared<std::atomic<bool>>(true);
    std::unique_ptr<platform::WorkerPool> m_copyWorker;
};

// ---- copy and move --------------------------------------------------------

struct CopyOutcome {
    bool copied = false;          // the target holds the source's bytes
    bool sourceRemoved = false;   // a move took the source away
};

// The folder the save and move dialog opens in: the last target folder
// (`lastCopyTarget`) once the user has chosen one; while it still holds the
// value of the first start (`firstStartValue`, the data folder's volume), or
// names no folder any more, the folder selected in the tree, else the
// picture's own folder.
QString CopyDialogFolder(const QString& lastCopyTarget, const QString& firstStartValue,
                         const QString& selectedFolder, const QString& source);

// Copies (CopyModeSave) or moves (CopyModeMove) one file. The target is
// written through a verified copy on the host's copy worker; a target that
// cannot be written is tried again after 1 .. 5 seconds (6 tries), waited on
// that worker, then the copy is cancelled. The window's thread runs on
// meanwhile; `done` gets the outcome there when the copy has ended (at once
// when it does not start), and never once the host has gone. `state` and
// `host` stay until then. A move
// takes the source away only after a complete, verified copy: on one volume
// it goes to the Trash; across volumes the user confirms a permanent delete
// (Cancel keeps both). A moved picture's recording is copied with it before
// either source goes; when it cannot follow, the picture stays too. The move
// is journaled (platform/work_journal.h) so that the start after a crash
// finishes or undoes it (FinishInterruptedMove). Afterwards the target gets the picture's date taken
// (else the source's date) and the thumbnails follow.
void CopyPictureFile(const QString& source, const QString& target, CopyState& state, const PictureOpsOptions& options,
                     PictureOpsHost& host, std::function<void(const CopyOutcome&)> done);

// Prepares the copy flags of the show-copy engine for one file: a copy, or
// with `deleteAfterCopy` a move when the source may be deleted (its volume
// writable, the target's drive removable, fixed, remote or CD, the source and
// its voice file not read-only); else CopyPartlyKept.
void SetCopyWriteFlags(const QString& source, const QString& target, bool deleteAfterCopy, CopyState& state);

// ---- delete ----------------------------------------------------------------

// Sends a file, and its thumbnail when it has one, to the Trash. True when
// the file is no longer there (also when it was not there). A refusal of
// the Trash deletes nothing (`reason` says why). A failure on the thumbnail
// is ignored.
bool SendToRecycleBin(const QString& path, QString* reason = nullptr);

// Deletes one picture, sound or show file through the Trash; "File could not
// be deleted" with the file and the reason when that fails (or, with
// `problem`, no box: the file and the reason are put there). With `forGoodWithoutTrash` (a drive whose
// prompt said its deletions are not kept) a file the Trash refuses is
// deleted for good instead, and only a failure of that is told, with its
// reason. Then the voice file follows ("D"), the shows (with
// `removeFromShows`), the tree (with `updateTree`, outside a show) and the
// running show's play order (unless `keepPlayOrder`; not for ".vxt").
bool DeletePictureFile(const QString& path, bool removeFromShows, bool keepPlayOrder, bool updateTree,
                       PictureOpsHost& host, bool forGoodWithoutTrash = false, QString* problem = nullptr);

// ---- rename ------------------------------------------------------------------

// The refusal text of a new file or folder name ("" when it is usable): an
// empty name, a name with "/" and the names "." and ".." are refused.
QString InvalidNameText(const QString& name, bool folder);

struct RenameOutcome {
    bool renamed = false;
    QString newPath;
};

// Renames a picture to folder + newName + its old extension (the extension
// always stays). Never replaces an existing file: a picture, or a voice file
// that the picture's own would land on, refuses the rename. The thumbnail
// follows (the picture's own replaces an orphan at its new name), then the
// voice file ("R") and the shows.
RenameOutcome RenamePictureFile(const QString& oldPath, const QString& newName, const PictureOpsOptions& options,
                                PictureOpsHost& host);

// ---- ticked cells of a thumbnail page ----------------------------------------

// The number before the first " -" of a page caption ("12 - x.jpg" -> 12);
// 999 when " -" is missing, comes first, or no number stands before it.
int32_t NumberBeforeDash(const QString& caption);

// The caption after picture `removedNumber` left the page: (n - 1) + " - " +
// the name when removedNumber <= n, else unchanged; "" without " -".
QString RenumberPageCaption(const QString& caption, int32_t removedNumber);

// One cell of a thumbnail page as the ticked-picture operations see it.
struct PageSlot {
    int32_t pictureIndex = -1;   // entry of the picture table; negative: empty
    bool ticked = false;
    bool enabled = true;         // the check box may be ticked
    QString caption;             // number + " - " + file name
    QString hint;
    bool labelVisible = true;
    bool imageVisible = true;
    bool loaded = false;
};

// The picture of slot `slot` left the show or folder: unticked, its caption
// "Removed from show" (fromShow) or "Deleted", its image hidden, index -2;
// every later caption renumbered.
void MarkSlotRemoved(std::vector<PageSlot>& cells, int slot, bool fromShow);

// Packs the remaining pictures towards the front after removals: a later
// filled slot moves into the first emptied one (its moved-from place gets -3),
// duplicates of a picture in later slots become -1, every negative index
// becomes -1, and empty slots are cleared (unticked, disabled, no texts).
// Returns the picture index of the last filled slot (-1 when none is left).
int32_t PackPageSlots(std::vector<PageSlot>& cells);
