// Carrying a picture's voice file along with an operation on the picture.
#include "base/voice_carry.h"

#include "base/file_helpers.h"
#include "base/found_file.h"
#include "base/settings_record.h"
#include "platform/trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void errorBox(const QString& text)
{
    platform::showMessage(platform::PromptKind::Error, text, platform::kOk);
}

platform::PromptAnswer askDeleteDefault(const QString& voicePath)
{
    using platform::PromptAnswer;
    return platform::showMessageWithTexts(
        platform::PromptKind::Confirmation, voicePath,
        PromptAnswer::Yes | PromptAnswer::No | PromptAnswer::All | PromptAnswer::NoToAll,
        {{PromptAnswer::All, QStringLiteral("&Always")}, {PromptAnswer::NoToAll, QStringLiteral("&Never")}},
        PromptAnswer::No, QStringLiteral("Voice file detected (.wav)"));
}

} // namespace

void CarryVoiceFile(const QString& picturePath, bool syncShows, const QString& action,
                    const QString& targetPicturePath, TSettingsRecord& settings, const VoiceCarrySteps& h,
                    bool targetReplaced, bool forGoodWithoutTrash)
{
    if (h.showCopyRunning && h.showCopyRunning())
        return;
    if (!PictureCarriesVoice(picturePath))
        return;
    const QString voice = VoicePathFor(picturePath);
    if (!FileExistsNotDir(voice))
        return;

    if (action == QLatin1String("D")) {
        bool remove = false;
        const QString mode = settings.VoiceDeleteMode;
        if (mode == QLatin1String("0")) {
            remove = true;
        } else if (mode == QLatin1String("2")) {
            remove = false;
        } else {
            const platform::PromptAnswer answer = h.askDelete ? h.askDelete(voice) : askDeleteDefault(voice);
            switch (answer) {
            case platform::PromptAnswer::Yes: remove = true; break;
            case platform::PromptAnswer::All:
                remove = true;
                settings.VoiceDeleteMode = QStringLiteral("0");
                break;
            case platform::PromptAnswer::NoToAll:
                settings.VoiceDeleteMode = QStringLiteral("2");
                break;
            default: break;
            }
        }
        if (!remove)
            return;
        const bool trashed = !IsReadOnlyFile(voice)
                             && ((h.sendToRecycleBin ? h.sendToRecycleBin(voice) : platform::MoveToTrash(voice))
                                 || (forGoodWithoutTrash && QFile::remove(voice)));
        if (trashed) {
            if (syncShows && h.syncShowsAfterDelete)
                h.syncShowsAfterDelete(voice);
        } else {
            errorBox(QStringLiteral("Could not remove ") + voice + QStringLiteral(" (file might be set to read-only)"));
        }
        return;
    }

    const QString targetVoice = VoicePathFor(targetPicturePath);
    if (targetPicturePath.isEmpty() || SameFile(voice, targetVoice))
        return;   // nothing to carry: the voice file is already there

    const bool copy = action == QLatin1String("C");
    if (copy || action == QLatin1String("M")) {
        const QString failed = (copy ? QStringLiteral("Could not save ") : QStringLiteral("Could not move ")) + targetVoice;
        const QFileInfo there(targetVoice);
        if (there.exists() || there.isSymLink()) {
            // Another recording has the name: it belongs to the picture the
            // user has just agreed to replace, or it stays as it is.
            if (!targetReplaced) {
                errorBox(failed + QStringLiteral(" (a voice file of that name is already there; it is kept)"));
                return;
            }
            if (there.isDir() || IsReadOnlyFile(targetVoice)
                || !(h.sendToRecycleBin ? h.sendToRecycleBin(targetVoice) : platform::MoveToTrash(targetVoice))) {
                errorBox(failed + QStringLiteral(" (the voice file there could not be sent to the Trash)"));
                return;
            }
        }
    }
    if (copy) {
        if (!CopyFileChecked(voice, targetVoice))
            errorBox(QStringLiteral("Could not save ") + targetVoice);
        return;
    }
    if (action == QLatin1String("M")) {
        if (!CopyFileChecked(voice, targetVoice)) {
            errorBox(QStringLiteral("Could not move ") + targetVoice);
            return;
        }
        // The copy is complete and checked; only now may the original go.
        if (IsReadOnlyFile(voice) || !QFile::remove(voice)) {
            errorBox(QStringLiteral("Could not remove ") + voice + QStringLiteral(" (file might be set to read-only)"));
            return;
        }
        if (syncShows && h.syncShowsAfterRename)
            h.syncShowsAfterRename(voice, targetVoice);
        return;
    }
    // "R" and any other action: rename (never over an existing file).
    if (!MoveFileChecked(voice, targetVoice, false)) {
        errorBox(QStringLiteral("Could not rename ") + voice + QStringLiteral(" (file might be set to read-only)"));
        return;
    }
    if (syncShows && h.syncShowsAfterRename)
        h.syncShowsAfterRename(voice, targetVoice);
}

VoiceMove PlanVoiceMove(const QString& picture, const QString& targetPicture)
{
    VoiceMove move;
    if (!PictureCarriesVoice(picture) || targetPicture.isEmpty())
        return move;
    const QString voice = VoicePathFor(picture);
    const QString target = VoicePathFor(targetPicture);
    if (!QFileInfo(voice).isFile() || SameFile(voice, target))
        return move;
    move.source = voice;
    move.target = target;
    const QFileInfo there(target);
    move.targetTaken = there.exists() || there.isSymLink();
    if (IsReadOnlyFile(voice))
        move.refusal = QStringLiteral("Could not remove ") + voice + QStringLiteral(" (file might be set to read-only)");
    return move;
}

QString CopyVoiceForMove(const VoiceMove& move, bool targetReplaced, const VoiceCarrySteps& h)
{
    const QString failed = QStringLiteral("Could not move ") + move.target;
    const QFileInfo there(move.target);
    if (there.exists() || there.isSymLink()) {
        if (!targetReplaced)
            return failed + QStringLiteral(" (a voice file of that name is already there; it is kept)");
        if (there.isDir() || IsReadOnlyFile(move.target)
            || !(h.sendToRecycleBin ? h.sendToRecycleBin(move.target) : platform::MoveToTrash(move.target)))
            return failed + QStringLiteral(" (the voice file there could not be sent to the Trash)");
    }
    switch (CopyFileVerified(move.source, move.target)) {
    case CopyStatus::Ok: return QString();
    case CopyStatus::SourceUnreadable: return failed + QStringLiteral(" (the voice file could not be read)");
    case CopyStatus::VerifyFailed: return failed + QStringLiteral(" (the copy did not hold the same bytes)");
    default: return failed + QStringLiteral(" (the target could not be written)");
    }
}

void FinishVoiceMove(const VoiceMove& move, const VoiceCarrySteps& h)
{
    if (!move.carried())
        return;
    if (!QFile::remove(move.source)) {
        errorBox(QStringLiteral("Could not remove ") + move.source + QStringLiteral(" (file might be set to read-only)"));
        return;
    }
    if (h.syncShowsAfterRename)
        h.syncShowsAfterRename(move.source, move.target);
}
