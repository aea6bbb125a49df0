#include "base/data_folder.h"

#include "platform/drives.h"
#include "platform/file_attributes.h"
#include "base/rc_settings.h"
#include "base/sound_records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString ProgramFolder;
QString StartDirectory;
QString DataFolder;
QString IrfanViewDataFolder;
QString SettingsPath;
QString SettingsFileName;
int FoundSettingsVersion = 0;
uint8_t SettingsConverted = 0;

QString RCSettingsPath;
QString DraftShowPath;
QString TmpJpgPath;
QString WorkShowPath;
QString ConvertPath;
QString ExcludeFolderPath;
QString ShowListPath;
QString ShowsFolder;
QString TempFolder;
QString ConversionBackupFolder;
QString CutOutFolder;
QString MailTempFolder;
QString PlaylistsFolder;
QString DefaultPlaylistPath;
QString SearchSettingsPath;
QString FoundVersionPath;
QString PlaylistHistPath;
QString TempPlaylistPath;
QString VoiceScratchPath;
QString AddSettingsPath;

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

void SetDataFolderPaths(const QString& dataFolder)
{
    DataFolder = QDir::cleanPath(dataFolder);
    const QString base = DataFolder + QLatin1Char('/');
    QDir appData(DataFolder);
    appData.cdUp();
    IrfanViewDataFolder = appData.path() + QStringLiteral("/vxview");
    SettingsPath = base + SettingsFileNameFor(SettingsVersion);
    RCSettingsPath = base + QStringLiteral("RCSettings.dat");
    DraftShowPath = base + QStringLiteral("vistamo.vxt");
    TmpJpgPath = base + QStringLiteral("TmpJPG.dat");
    WorkShowPath = base + QStringLiteral("vistamo.tmp");
    ConvertPath = base + QStringLiteral("vistamo.cnv");
    ExcludeFolderPath = base + QStringLiteral("ExcludeFolder.dat");
    ShowListPath = base + QStringLiteral("AllMyShow.dat");
    ShowsFolder = base + QStringLiteral("Vistamo! Slide Shows");
    TempFolder = base + QStringLiteral("temp");
    ConversionBackupFolder = TempFolder + QStringLiteral("/Conversion Backup");
    CutOutFolder = TempFolder + QStringLiteral("/Cut out Bitmap Files");
    MailTempFolder = TempFolder + QStringLiteral("/Temporary pictures for mail");
    PlaylistsFolder = base + QStringLiteral("Vistamo! Sound Playlists");
    DefaultPlaylistPath = base + QStringLiteral("Default Playlist.vxz");
    SearchSettingsPath = base + QStringLiteral("VXSearchSettings.dat");
    FoundVersionPath = base + QStringLiteral("FoundVersion.vxt");
    PlaylistHistPath = base + QStringLiteral("PlaylistHist.dat");
    TempPlaylistPath = base + QStringLiteral("Temp.vxz");
    VoiceScratchPath = base + QStringLiteral("vxo.wav");
    AddSettingsPath = base + QStringLiteral("VXAddSettings.dat");
}

QString RunMarkerPath(bool audio)
{
    return DataFolder + (audio ? QStringLiteral("/AudioRun.dat") : QStringLiteral("/OtherRun.dat"));
}

bool CreateRunMarker(bool audio)
{
    QFile f(RunMarkerPath(audio));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void DeleteRunMarker(bool audio)
{
    if (DataFolder.isEmpty())
        return;
    QFile::remove(RunMarkerPath(audio));
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

TDataFilesResult CreateMissingDataFiles(const QString& musicFolder, const QString& startDirectory)
{
    TDataFilesResult result;
    const std::pair<const QString*, const char*> folders[] = {
        {&TempFolder, "Can not create temp directory!"},
        {&ShowsFolder, "Can not create Vistamo! Slide Shows folder!"},
        {&ConversionBackupFolder, "Can not create Conversion Backup folder!"},
        {&CutOutFolder, "Can not create Bitmap folder!"},
        {&MailTempFolder, "Can not create Temporary Mail Picture folder!"},
        {&PlaylistsFolder, "Can not create Sound Playlist folder!"},
    };
    for (const auto& [folder, message] : folders) {
        if (!QFileInfo(*folder).isDir() && !QDir().mkpath(*folder))
            result.FolderMessages << QString::fromLatin1(message);
    }
    for (const QString* path : {&DefaultPlaylistPath, &DraftShowPath, &WorkShowPath, &ExcludeFolderPath,
                                &PlaylistHistPath, &ShowListPath, &AddSettingsPath}) {
        const auto r = createEmptyIfMissing(*path);
        if (!r.ok() && result.FileError.ok())
            result.FileError = r;
    }
    if (!QFileInfo::exists(SearchSettingsPath)) {
        const auto r = CreateSearchSettingsFile(SearchSettingsPath, musicFolder, startDirectory);
        if (!r.ok() && result.FileError.ok())
            result.FileError = r;
    }
    return result;
}

QStringList DataFilesCheckedForWriting(const QString& settingsFileName)
{
    return {settingsFileName, RCSettingsPath, DraftShowPath, WorkShowPath, ExcludeFolderPath, ConvertPath,
            ShowListPath, PlaylistHistPath, DefaultPlaylistPath, SearchSettingsPath, TempPlaylistPath,
            VoiceScratchPath};
}

QString ReadOnlyDataFileMessage(const QString& settingsFileName)
{
    for (const QString& path : DataFilesCheckedForWriting(settingsFileName)) {
        if (path.isEmpty() || !QFileInfo(path).isFile() || !platform::IsReadOnly(path))
            continue;
        QString shown = path;
        if (path == DraftShowPath)
            shown.replace(QLatin1String("&"), QLatin1String("&&"));
        return shown + QStringLiteral(" is set to read only, can not run Vistamo!");
    }
    return QString();
}
