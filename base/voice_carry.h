// The voice recording of a picture (same path, extension "wav") carried
// along when the picture is copied, moved, renamed or deleted.
#pragma once

#include "base/file_helpers.h"   // CopyFileChecked, MoveFileChecked
#include "platform/prompt.h"

#include <QString>

#include <functional>

struct TSettingsRecord;

// What CarryVoiceFile needs from other parts of the program, handed in by
// its caller; a missing piece has a safe default.
struct VoiceCarrySteps {
    // True while the show-copy engine copies a show (nothing is carried then).
    // Default: false.
    std::function<bool()> showCopyRunning;
    // The "Voice file detected (.wav)" question for a voice path: Yes deletes,
    // No keeps, All ("Always") deletes and remembers, NoToAll ("Never") keeps
    // and remembers. Default: a confirmation through the prompt seam.
    std::function<platform::PromptAnswer(const QString& voicePath)> askDelete;
    // Sends a file to the Trash; true on success. Default: platform::MoveToTrash.
    std::function<bool(const QString& path)> sendToRecycleBin;
    // Keeps the shows in step after a voice file moved or was renamed / deleted.
    std::function<void(const QString& oldPath, const QString& newPath)> syncShowsAfterRename;
    std::function<void(const QString& path)> syncShowsAfterDelete;
};

// Carries the picture's voice file along with an operation on the picture:
// action "C" copy, "M" move, "D" delete, "R" (and anything else) rename; the
// target voice file is the target picture path with extension "wav".
// A move copies, checks the copy, and only then deletes the original.
// Errors are shown as error boxes (OK); nothing is retried. For "D", the
// answer "Always"/"Never" is stored into settings.VoiceDeleteMode ("0"/"2").
// A copy or move never silently replaces a recording at the target: only
// when `targetReplaced` says the user has just agreed to replace the picture
// there does the old recording go (to the Trash, first); otherwise it stays,
// the carried one is not written, and the user is told.
// `forGoodWithoutTrash`: the picture was deleted for good because its
// drive's Trash refused it (as the user was told before); a deleted voice
// file then goes for good too when the Trash refuses it.
void CarryVoiceFile(const QString& picturePath, bool syncShows, const QString& action,
                    const QString& targetPicturePath, TSettingsRecord& settings, const VoiceCarrySteps& steps = {},
                    bool targetReplaced = false, bool forGoodWithoutTrash = false);

// A picture's recording as it moves with the picture: both go, or neither.
struct VoiceMove {
    QString source;             // the recording ("" when there is none to carry)
    QString target;             // where it goes
    bool targetTaken = false;   // a file of the target's name is already there
    QString refusal;            // why it cannot follow ("" when it can)
    bool carried() const { return !source.isEmpty(); }
};

// The recording of a picture moved to `targetPicture`: none for a type that
// carries none or when it is already at its target; refused when it is read
// only (it could not be removed from the source).
VoiceMove PlanVoiceMove(const QString& picture, const QString& targetPicture);

// Copies the recording to its target, checked. A recording already there
// goes to the Trash first when `targetReplaced` (it belongs to the replaced
// picture); otherwise nothing is written. Returns "" or the problem, which
// names the file and the reason.
QString CopyVoiceForMove(const VoiceMove& move, bool targetReplaced, const VoiceCarrySteps& steps = {});

// After the picture left its source: the original recording goes (its copy
// is checked) and the shows follow. A failure is told.
void FinishVoiceMove(const VoiceMove& move, const VoiceCarrySteps& steps = {});
