// Carrying a picture's voice file along, and the checked copy and move the
// program uses for files it must not lose.
#include "app/voice_carry.h"

#include "app/file_helpers.h"
#include "app/found_file.h"
#include "app/settings_record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool sameFile(const QString& a, const QString& b)
{
    std::error_code ec;
    const bool same = std::filesystem::equivalent(QFile::encodeName(a).toStdString(),
                                                  QFile::encodeName(b).toStdString(), ec);
    return !ec && same;
}

// True when both files hold the same bytes.
bool sameBytes(QFileDevice& a, QFileDevice& b)
{
    if (!a.seek(0) || !b.seek(0) || a.size() != b.size())
        return false;
    constexpr qint64 chunk = 1 << 20;
    while (!a.atEnd()) {
        const QByteArray x = a.read(chunk);
        const QByteArray y = b.read(chunk);
        if (x.isEmpty() && a.error() != QFileDevice::NoError)
            return false;
        if (x != y)
            return false;
    }
    return b.atEnd();
}

void errorBox(const QString& text)
{
    platform::showMessage(platform::PromptKind::Error, text, platform::kOk);
}

VoiceCarryHooks& hooks()
{
    static VoiceCarryHooks h;
    return h;
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

void SetVoiceCarryHooks(VoiceCarryHooks h)
{
    hooks() = std::move(h);
}

VoiceCarryHooks& CurrentVoiceCarryHooks()
{
    return hooks();
}

bool CopyFileChecked(const QString& source, const QString& target)
{
    if (source.isEmpty() || target.isEmpty())
        return false;
    const QFileInfo srcInfo(source);
    if (!srcInfo.isFile())
        return false;
    if (QFileInfo::exists(target)) {
        if (sameFile(source, target) || QFileInfo(target).isDir() || IsReadOnlyFile(target))
            return false;
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QString folder = QFileInfo(target).absolutePath();
    QTemporaryFile tmp(folder + QStringLiteral("/.vistamo-copy-XXXXXX"));
    if (!tmp.open())
        return false;
    constexpr qint64 chunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray data = in.read(chunk);
        if (data.isEmpty() && in.error() != QFileDevice::NoError)
            return false;
        if (tmp.write(data) != data.size())
            return false;
    }
    if (!tmp.flush() || ::fsync(tmp.handle()) != 0)
        return false;
    if (!sameBytes(in, tmp))
        return false;
    // The copy keeps the source's permissions and date, as a file copy does.
    struct stat st;
    if (::stat(QFile::encodeName(source).constData(), &st) == 0) {
        ::fchmod(tmp.handle(), st.st_mode & 07777);
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(tmp.handle(), times);
    }
    tmp.close();
    if (::rename(QFile::encodeName(tmp.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    tmp.setAutoRemove(false);
    return true;
}

bool MoveFileChecked(const QString& source, const QString& target, bool replace)
{
    if (source.isEmpty() || target.isEmpty() || !QFileInfo(source).isFile())
        return false;
    const bool targetExists = QFileInfo::exists(target) || QFileInfo(target).isSymLink();
    if (targetExists) {
        if (sameFile(source, target) || !replace)
            return false;
    }
    if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    if (errno != EXDEV)
        return false;
    // Across volumes: copy, check, and only then delete the source.
    if (!CopyFileChecked(source, target))
        return false;
    if (!QFile::remove(source)) {
        if (!targetExists)
            QFile::remove(target);
        return false;
    }
    return true;
}

void CarryVoiceFile(const QString& picturePath, bool syncShows, const QString& action,
                    const QString& targetPicturePath, TSettingsRecord& settings)
{
    VoiceCarryHooks& h = hooks();
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
                             && (h.sendToRecycleBin ? h.sendToRecycleBin(voice) : QFile::moveToTrash(voice));
        if (trashed) {
            if (syncShows && h.syncShowsAfterDelete)
                h.syncShowsAfterDelete(voice);
        } else {
            errorBox(QStringLiteral("Could not remove ") + voice + QStringLiteral(" (file might be set to read-only)"));
        }
        return;
    }

    const QString targetVoice = VoicePathFor(targetPicturePath);
    if (targetPicturePath.isEmpty() || sameFile(voice, targetVoice))
        return;   // nothing to carry: the voice file is already there

    if (action == QLatin1String("C")) {
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

void CarryVoiceFile(const QString& picturePath, bool syncShows, const QString& action,
                    const QString& targetPicturePath)
{
    CarryVoiceFile(picturePath, syncShows, action, targetPicturePath, Settings);
}
