#include "browse/interrupted_work.h"

#include "base/data_paths.h"
#include "base/file_helpers.h"
#include "base/settings_fields.h"
#include "base/settings_record.h"
#include "browse/folder_ops.h"
#include "platform/temp_files.h"
#include "platform/work_journal.h"
#include "shows/known_shows.h"
#include "shows/show_file.h"
#include "shows/show_sync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// True when both files hold the same bytes (and are two files).
bool sameBytes(const QString& a, const QString& b)
{
    if (!QFileInfo(a).isFile() || !QFileInfo(b).isFile() || SameFile(a, b))
        return false;
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    constexpr qint64 chunk = 1 << 20;
    while (!fa.atEnd()) {
        const QByteArray x = fa.read(chunk);
        if (x.isEmpty() || x != fb.read(chunk))
            return false;
    }
    return true;
}

} // namespace

bool FinishInterruptedMove(const QStringList& lines)
{
    if (lines.size() < 4 || lines[0].isEmpty() || lines[1].isEmpty())
        return true;
    const QString& source = lines[0];
    const QString& target = lines[1];
    const QString& voice = lines[2];
    const QString& targetVoice = lines[3];
    if (QFileInfo(source).isFile()) {
        // The source was not taken away yet: the copies go again.
        if (sameBytes(source, target))
            QFile::remove(target);
        if (!voice.isEmpty() && sameBytes(voice, targetVoice))
            QFile::remove(targetVoice);
        return true;
    }
    if (voice.isEmpty() || !QFileInfo(voice).isFile() || !QFileInfo(target).isFile())
        return true;
    // The picture went: its recording follows (its copy was checked before
    // the picture's source went; a copy cut short is made again).
    if (!sameBytes(voice, targetVoice) && !CopyFileChecked(voice, targetVoice))
        return false;
    return QFile::remove(voice);
}

bool FinishInterruptedFolderRename(const QStringList& lines, const DataPaths& paths)
{
    if (lines.size() < 3)
        return true;
    const QString& oldFolder = lines[0];
    const QString& newFolder = lines[1];
    if (oldFolder.isEmpty() || newFolder.isEmpty() || !QFileInfo(newFolder).isDir() || QFileInfo::exists(oldFolder))
        return true;   // the rename did not happen
    const QString settingsPath = paths.SettingsFileName.isEmpty() ? paths.SettingsPath : paths.SettingsFileName;
    TSettingsRecord settings;
    if (QFileInfo(settingsPath).isFile() && ReadSettingsFile(settingsPath, settings).ok()
        && RenameFolderInSettings(settings, oldFolder, newFolder) > 0)
        WriteSettingsFile(settingsPath, settings);
    QString problem;
    RenameFolderInExclusions(paths.ExcludeFolderPath, oldFolder, newFolder, problem);
    if (lines[2] != QLatin1String("1"))
        return true;
    const KnownShowsRead known = ReadKnownShows(paths.ShowListPath, false);
    if (!known.refused()) {
        QStringList shows = known.Items;
        if (RenameKnownShowFolder(shows, oldFolder, newFolder, int(oldFolder.size())) > 0)
            WriteKnownShows(paths.ShowListPath, shows);
    }
    ShowSyncSteps steps;
    steps.knownShows = [&paths] { return ReadKnownShows(paths.ShowListPath, false).Items; };
    OpenShow none;
    SyncShowsAfterRename(none, steps, oldFolder, newFolder, int(oldFolder.size()), true);
    QStringList playlists;
    for (const QFileInfo& info : QDir(paths.PlaylistsFolder).entryInfoList({QStringLiteral("*.vxz")}, QDir::Files))
        playlists << info.absoluteFilePath();
    if (QFileInfo(paths.DefaultPlaylistPath).isFile())
        playlists << paths.DefaultPlaylistPath;
    for (const QString& playlist : playlists)
        RenameFolderInPlaylist(playlist, oldFolder, newFolder);
    return true;
}

void FinishInterruptedWork(const DataPaths& paths)
{
    for (const QString& folder : {paths.DataFolder, paths.ShowsFolder, paths.PlaylistsFolder})
        if (!folder.isEmpty())
            platform::RemoveStaleTempFiles(folder);
    platform::RecoverInterruptedJournals(QStringLiteral("move"), FinishInterruptedMove);
    platform::RecoverInterruptedJournals(QStringLiteral("rename"), [&paths](const QStringList& lines) {
        return FinishInterruptedFolderRename(lines, paths);
    });
    platform::RemoveInterruptedWriteLeftovers();
}
