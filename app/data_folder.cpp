#include "app/data_folder.h"

#include "app/start_args.h"
#include "platform/drives.h"
#include "platform/file_attributes.h"
#include "platform/fixed_text.h"

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

bool CreateRunMarker()
{
    QFile f(RunMarkerPath(AudioMode != 0));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void DeleteRunMarker()
{
    if (DataFolder.isEmpty())
        return;
    QFile::remove(RunMarkerPath(AudioMode != 0));
}

QByteArray DefaultRCSettingsRecord()
{
    QByteArray rec(RCSettingsRecordSize, '\0');
    rec[0] = 1;  // include subfolders
    rec[1] = 1;  // play voice recordings
    rec[2] = 0;  // play a sound playlist
    rec[3] = 1;  // fade
    rec[4] = 1;  // play order: random (int32, little-endian)
    rec[8] = 1;  // playlist order: random (int32)
    // offset 12: playlist path, empty; offset 213: loop 0.
    return rec;
}

QStringList DefaultSoundSearchFolders(const QString& musicFolder, const QString& startDirectory)
{
    QStringList candidates;
    if (!musicFolder.isEmpty())
        candidates << musicFolder;
    QString root = QStringLiteral("/");
    if (const auto drive = platform::DriveOf(startDirectory.isEmpty() ? QDir::currentPath() : startDirectory))
        root = drive->mountPoint;
    const QString prefix = root == QLatin1String("/") ? root : root + QLatin1Char('/');
    for (const char* name : {"Sound", "Sound files", "My Music", "Music"})
        candidates << prefix + QLatin1String(name);
    QStringList folders;
    for (const QString& c : candidates) {
        if (folders.size() < 9 && QFileInfo(c).isDir() && !folders.contains(c))
            folders << c;
    }
    if (folders.isEmpty())
        folders << QStringLiteral("/");
    return folders;
}

QByteArray DefaultSearchSettingsRecord(const QStringList& folders)
{
    QByteArray rec(SearchSettingsRecordSize, '\0');
    auto* bytes = reinterpret_cast<uint8_t*>(rec.data());
    for (int i = 0; i < folders.size() && i < 9; ++i)
        platform::EncodeFixedText(folders.at(i), 200, bytes + i * 201);
    for (int off = 1809; off <= 1813; ++off)  // include MP3, WAV, RMI, MID, subfolders
        bytes[off] = 1;
    // 1814, 2324, 2834: three word histories of 10 x string[50], empty.
    for (int off = 3347; off <= 3352; ++off)  // 3344..3346 stay 0
        bytes[off] = 1;
    return rec;
}

platform::RecordResult CreateRCSettingsFile(const QString& path)
{
    return platform::SafeWriteFile(path, DefaultRCSettingsRecord());
}

platform::RecordResult CreateSearchSettingsFile(const QString& path, const QStringList& folders)
{
    return platform::SafeWriteFile(path, DefaultSearchSettingsRecord(folders));
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

TDataFilesResult CreateMissingDataFiles(const QStringList& searchFolders)
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
        const auto r = CreateSearchSettingsFile(SearchSettingsPath, searchFolders);
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
