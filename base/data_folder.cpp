#include "base/data_folder.h"

#include "platform/drives.h"
#include "platform/file_attributes.h"
#include "base/rc_settings.h"
#include "base/sound_records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString DefaultDataFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/Vistamo"));
}

QString SettingsFileNameFor(int version)
{
    return QStringLiteral("VXSettings%1.dat").arg(version);
}

void SetDataFolderPaths(DataPaths& paths, const QString& dataFolder)
{
    paths.DataFolder = QDir::cleanPath(dataFolder);
    const QString base = paths.DataFolder + QLatin1Char('/');
    QDir appData(paths.DataFolder);
    appData.cdUp();
    paths.IrfanViewDataFolder = appData.path() + QStringLiteral("/vxview");
    paths.SettingsPath = base + SettingsFileNameFor(SettingsVersion);
    paths.RCSettingsPath = base + QStringLiteral("RCSettings.dat");
    paths.DraftShowPath = base + QStringLiteral("vistamo.vxt");
    paths.TmpJpgPath = base + QStringLiteral("TmpJPG.dat");
    paths.WorkShowPath = base + QStringLiteral("vistamo.tmp");
    paths.ConvertPath = base + QStringLiteral("vistamo.cnv");
    paths.ExcludeFolderPath = base + QStringLiteral("ExcludeFolder.dat");
    paths.ShowListPath = base + QStringLiteral("AllMyShow.dat");
    paths.ShowsFolder = base + QStringLiteral("Vistamo! Slide Shows");
    paths.TempFolder = base + QStringLiteral("temp");
    paths.ConversionBackupFolder = paths.TempFolder + QStringLiteral("/Conversion Backup");
    paths.CutOutFolder = paths.TempFolder + QStringLiteral("/Cut out Bitmap Files");
    paths.MailTempFolder = paths.TempFolder + QStringLiteral("/Temporary pictures for mail");
    paths.PlaylistsFolder = base + QStringLiteral("Vistamo! Sound Playlists");
    paths.DefaultPlaylistPath = base + QStringLiteral("Default Playlist.vxz");
    paths.SearchSettingsPath = base + QStringLiteral("VXSearchSettings.dat");
    paths.FoundVersionPath = base + QStringLiteral("FoundVersion.vxt");
    paths.PlaylistHistPath = base + QStringLiteral("PlaylistHist.dat");
    paths.TempPlaylistPath = base + QStringLiteral("Temp.vxz");
    paths.VoiceScratchPath = base + QStringLiteral("vxo.wav");
    paths.AddSettingsPath = base + QStringLiteral("VXAddSettings.dat");
}

QString RunMarkerPath(const DataPaths& paths, bool audio)
{
    return paths.DataFolder + (audio ? QStringLiteral("/AudioRun.dat") : QStringLiteral("/OtherRun.dat"));
}

bool CreateRunMarker(const DataPaths& paths, bool audio)
{
    QFile f(RunMarkerPath(paths, audio));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void DeleteRunMarker(const DataPaths& paths, bool audio)
{
    if (paths.DataFolder.isEmpty())
        return;
    QFile::remove(RunMarkerPath(paths, audio));
}

platform::RecordResult CreateRCSettingsFile(const QString& path)
{
    return WriteRCSettings(path, DefaultRCSettings());
}

platform::RecordResult CreateSearchSettingsFile(const QString& path, const QString& musicFolder,
                                                const QString& startDirectory)
{
    QString root = QStringLiteral("/");
    if (const auto drive = platform::DriveOf(startDirectory.isEmpty() ? QDir::currentPath() : startDirectory))
        root = drive->mountPoint;
    return WriteSearchSettings(path, DefaultSearchSettings(musicFolder, root));
}

namespace {

// Creates an empty file when none exists.
platform::RecordResult createEmptyIfMissing(const QString& path)
{
    if (QFileInfo::exists(path))
        return platform::RecordResult::Ok();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return platform::RecordResult::Fail(platform::RecordStatus::OpenFailed,
                                            QStringLiteral("Can not create ") + path);
    return platform::RecordResult::Ok();
}

} // namespace

TDataFilesResult CreateMissingDataFiles(const DataPaths& paths, const QString& musicFolder,
                                        const QString& startDirectory)
{
    TDataFilesResult result;
    const std::pair<const QString*, const char*> folders[] = {
        {&paths.TempFolder, "Can not create temp directory!"},
        {&paths.ShowsFolder, "Can not create Vistamo! Slide Shows folder!"},
        {&paths.ConversionBackupFolder, "Can not create Conversion Backup folder!"},
        {&paths.CutOutFolder, "Can not create Bitmap folder!"},
        {&paths.MailTempFolder, "Can not create Temporary Mail Picture folder!"},
        {&paths.PlaylistsFolder, "Can not create Sound Playlist folder!"},
    };
    for (const auto& [folder, message] : folders) {
        if (!QFileInfo(*folder).isDir() && !QDir().mkpath(*folder))
            result.FolderMessages << QString::fromLatin1(message);
    }
    for (const QString* path : {&paths.DefaultPlaylistPath, &paths.DraftShowPath, &paths.WorkShowPath, &paths.ExcludeFolderPath,
                                &paths.PlaylistHistPath, &paths.ShowListPath, &paths.AddSettingsPath}) {
        const auto r = createEmptyIfMissing(*path);
        if (!r.ok() && result.FileError.ok())
            result.FileError = r;
    }
    if (!QFileInfo::exists(paths.SearchSettingsPath)) {
        const auto r = CreateSearchSettingsFile(paths.SearchSettingsPath, musicFolder, startDirectory);
        if (!r.ok() && result.FileError.ok())
            result.FileError = r;
    }
    return result;
}

QStringList DataFilesCheckedForWriting(const DataPaths& paths, const QString& settingsFileName)
{
    return {settingsFileName, paths.RCSettingsPath, paths.DraftShowPath, paths.WorkShowPath, paths.ExcludeFolderPath, paths.ConvertPath,
            paths.ShowListPath, paths.PlaylistHistPath, paths.DefaultPlaylistPath, paths.SearchSettingsPath, paths.TempPlaylistPath,
            paths.VoiceScratchPath};
}

QString ReadOnlyDataFileMessage(const DataPaths& paths, const QString& settingsFileName)
{
    for (const QString& path : DataFilesCheckedForWriting(paths, settingsFileName)) {
        if (path.isEmpty() || !QFileInfo(path).isFile() || !platform::IsReadOnly(path))
            continue;
        QString shown = path;
        if (path == paths.DraftShowPath)
            shown.replace(QLatin1String("&"), QLatin1String("&&"));
        return shown + QStringLiteral(" is set to read only, can not run Vistamo!");
    }
    return QString();
}
