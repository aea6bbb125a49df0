#include "base/environment.h"

#include "base/sound_records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <filesystem>
#include <memory>
#include <set>

// ---- Colours ---------------------------------------------------------------

quint32 HexToColor(const QString& hex)
{
    static const QRegularExpression sixHex(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    if (!sixHex.match(hex).hasMatch())
        return 0;
    const quint32 red = hex.mid(0, 2).toUInt(nullptr, 16);
    const quint32 green = hex.mid(2, 2).toUInt(nullptr, 16);
    const quint32 blue = hex.mid(4, 2).toUInt(nullptr, 16);
    return red + green * 256 + blue * 65536;
}

QColor ColorRefToQColor(quint32 ref)
{
    return QColor(int(ref & 0xFF), int((ref >> 8) & 0xFF), int((ref >> 16) & 0xFF));
}

const std::array<const char*, ColorSchemeSize>& ColorSchemeTexts()
{
    static const std::array<const char*, ColorSchemeSize> texts = {
        "DEDEDE", "E3E3E3", "FCD59C", "EBEBEB", "FAFAFA", "FF7F00",
        "7EB6FF", "F2F2F2", "B9D3EE", "FF9912", "FFA824", "FF3D0D"};
    return texts;
}

void InitColorScheme(EnvironmentInfo& environment)
{
    const auto& texts = ColorSchemeTexts();
    for (int i = 0; i < ColorSchemeSize; ++i)
        environment.ColorScheme[i] = ColorRefToQColor(HexToColor(QString::fromLatin1(texts[i])));
}

// ---- Fonts -------------------------------------------------------------------

bool IsFontInstalled(const QString& name)
{
    const QStringList families = QFontDatabase::families();
    for (const QString& family : families)
        if (family.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int SelectUIFont(EnvironmentInfo& environment)
{
    if (IsFontInstalled(QStringLiteral("Segoe UI"))) {
        environment.UIFontName = QStringLiteral("Segoe UI");
        environment.UIFontSize = 9;
    } else if (IsFontInstalled(QStringLiteral("Tahoma"))) {
        environment.UIFontName = QStringLiteral("Tahoma");
        environment.UIFontSize = 8;
    } else {
        // Neither is usual on Linux: the desktop's own interface font.
        const QFont general = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        environment.UIFontName = general.family().isEmpty() ? QStringLiteral("DejaVu Sans") : general.family();
        environment.UIFontSize = 9;
    }
    return 2; // the newest system kind, the only one there is
}

// ---- System drive ------------------------------------------------------------

QString GetSystemDriveLetter()
{
    // The volume of "/" always has the letter C.
    return QStringLiteral("c");
}

// ---- Program discovery ---------------------------------------------------------

const std::vector<KnownProgram>& KnownPrograms(ProgramRole role)
{
    static const std::vector<KnownProgram> edit = {
        {"gimp", {"gimp.desktop", "org.gimp.GIMP.desktop"}},
        {"krita", {"org.kde.krita.desktop", "krita.desktop"}},
        {"pinta", {"pinta.desktop", "com.github.PintaProject.Pinta.desktop"}},
        {"darktable", {"darktable.desktop", "org.darktable.Darktable.desktop"}},
        {"rawtherapee", {"rawtherapee.desktop", "com.rawtherapee.RawTherapee.desktop"}},
        {"gthumb", {"org.gnome.gThumb.desktop", "gthumb.desktop"}},
        {"digikam", {"org.kde.digikam.desktop", "digikam.desktop"}},
        {"shotwell", {"org.gnome.Shotwell.desktop", "shotwell.desktop"}},
        {"kolourpaint", {"org.kde.kolourpaint.desktop", "kolourpaint.desktop"}},
        {"mtpaint", {"mtpaint.desktop"}},
        {"photoflare", {"photoflare.desktop", "io.photoflare.photoflare.desktop"}},
        {"inkscape", {"org.inkscape.Inkscape.desktop", "inkscape.desktop"}},
    };
    static const std::vector<KnownProgram> video = {
        {"vlc", {"vlc.desktop", "org.videolan.VLC.desktop"}},
        {"mpv", {"mpv.desktop", "io.mpv.Mpv.desktop"}},
        {"totem", {"org.gnome.Totem.desktop", "totem.desktop"}},
        {"celluloid", {"io.github.celluloid_player.Celluloid.desktop", "celluloid.desktop"}},
        {"smplayer", {"smplayer.desktop", "info.smplayer.SMPlayer.desktop"}},
        {"haruna", {"org.kde.haruna.desktop", "haruna.desktop"}},
        {"dragon", {"org.kde.dragonplayer.desktop", "dragonplayer.desktop"}},
        {"parole", {"org.xfce.Parole.desktop", "parole.desktop"}},
        {"mplayer", {"mplayer.desktop"}},
    };
    static const std::vector<KnownProgram> uploader = {
        {"uploadr", {"uploadr.desktop"}},
        {"flickr-uploadr", {"flickr-uploadr.desktop"}},
        {"flickr_upload", {"flickr_upload.desktop"}},
    };
    switch (role) {
    case ProgramRole::Edit: return edit;
    case ProgramRole::Video: return video;
    case ProgramRole::Uploader: return uploader;
    }
    return edit;
}

ProgramSearchPlaces ProgramSearchPlaces::fromEnvironment()
{
    ProgramSearchPlaces places;
    const QString path = qEnvironmentVariable("PATH");
    for (const QString& dir : path.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        places.pathDirs << dir;
    places.applicationDirs = QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    return places;
}

namespace {

bool isExecutableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString findInPath(const QString& command, const QStringList& pathDirs)
{
    if (command.contains(QLatin1Char('/')))
        return isExecutableFile(command) ? QDir::cleanPath(command) : QString();
    for (const QString& dir : pathDirs) {
        const QString candidate = QDir::cleanPath(dir + QLatin1Char('/') + command);
        if (isExecutableFile(candidate))
            return candidate;
    }
    return {};
}

// The first word of an Exec line, with the quoting rules of desktop entries.
QString firstExecWord(const QString& exec)
{
    QString word;
    bool quoted = false;
    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                word += exec[++i];
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                word += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c.isSpace()) {
            if (!word.isEmpty())
                break;
        } else {
            word += c;
        }
    }
    return word;
}

bool sameFile(const QString& a, const QString& b)
{
    std::error_code ec;
    const bool same = std::filesystem::equivalent(a.toStdString(), b.toStdString(), ec);
    return !ec && same;
}

bool alreadyListed(const QStringList& list, const QString& candidate)
{
    for (const QString& entry : list) {
        if (entry.isEmpty())
            continue;
        if (entry.compare(candidate, Qt::CaseInsensitive) == 0 || sameFile(entry, candidate))
            return true;
    }
    return false;
}

} // namespace

QString ProgramOfDesktopFile(const QString& desktopFile, const QStringList& pathDirs)
{
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inEntry = false;
    QString tryExec, exec;
    bool hidden = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = (line == QLatin1String("[Desktop Entry]"));
            continue;
        }
        if (!inEntry)
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("TryExec"))
            tryExec = value;
        else if (key == QLatin1String("Exec"))
            exec = value;
        else if (key == QLatin1String("Hidden") && value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            hidden = true;
    }
    if (hidden)
        return {};
    QString command = tryExec.isEmpty() ? firstExecWord(exec) : tryExec;
    if (command.isEmpty())
        return {};
    // A launcher would need the rest of the command line, which a program
    // slot cannot hold.
    static const QStringList launchers = {QStringLiteral("flatpak"), QStringLiteral("env"),
                                          QStringLiteral("sh"), QStringLiteral("bash"),
                                          QStringLiteral("snap"), QStringLiteral("xdg-open")};
    if (launchers.contains(QFileInfo(command).fileName()))
        return {};
    return findInPath(command, pathDirs);
}

QStringList FindInstalledPrograms(ProgramRole role, const ProgramSearchPlaces& places)
{
    QStringList found;
    const auto add = [&](const QString& path) {
        if (!path.isEmpty() && !alreadyListed(found, path))
            found << path;
    };
    const auto& table = KnownPrograms(role);
    // Pass 1: through PATH.
    for (const KnownProgram& program : table)
        add(findInPath(QString::fromLatin1(program.command), places.pathDirs));
    // Pass 2: the programs that only a .desktop file names.
    for (const KnownProgram& program : table) {
        for (const QString& id : program.desktopIds) {
            for (const QString& dir : places.applicationDirs) {
                const QString desktopFile = dir + QLatin1Char('/') + id;
                if (QFileInfo::exists(desktopFile))
                    add(ProgramOfDesktopFile(desktopFile, places.pathDirs));
            }
        }
    }
    return found;
}

int FillProgramSlots(QStringList& programSlots, const QStringList& candidates)
{
    constexpr int slotCount = 5;
    constexpr int slotCapacity = 200;
    while (programSlots.size() < slotCount)
        programSlots << QString();
    int added = 0;
    for (const QString& candidate : candidates) {
        int slot = 0;
        while (slot < slotCount && !programSlots[slot].isEmpty())
            ++slot;
        if (slot == slotCount)
            break;
        if (candidate.isEmpty() || candidate.toUtf8().size() > slotCapacity)
            continue;
        if (!QFileInfo(candidate).isFile() || alreadyListed(programSlots, candidate))
            continue;
        programSlots[slot] = candidate;
        ++added;
    }
    return added;
}

namespace {
bool hasFreeSlot(const QStringList& programSlots)
{
    if (programSlots.size() < 5)
        return true;
    for (int i = 0; i < 5; ++i)
        if (programSlots[i].isEmpty())
            return true;
    return false;
}
} // namespace

void FindEditPrograms(QStringList& editPrograms, QStringList& videoPrograms,
                      const ProgramSearchPlaces& places)
{
    if (hasFreeSlot(editPrograms))
        FillProgramSlots(editPrograms, FindInstalledPrograms(ProgramRole::Edit, places));
    if (hasFreeSlot(videoPrograms))
        FillProgramSlots(videoPrograms, FindInstalledPrograms(ProgramRole::Video, places));
}

bool FindIrfanView(EnvironmentInfo& environment, const QString& programFolder, const ProgramSearchPlaces& places)
{
    QString folder = programFolder;
    if (folder.isEmpty() && QCoreApplication::instance())
        folder = QCoreApplication::applicationDirPath();
    QString path;
    if (!folder.isEmpty() && isExecutableFile(folder + QStringLiteral("/vxview")))
        path = QDir::cleanPath(folder + QStringLiteral("/vxview"));
    if (path.isEmpty())
        path = findInPath(QStringLiteral("vxview"), places.pathDirs);
    environment.IrfanViewPath = path;
    environment.IrfanViewFound = path.isEmpty() ? 0 : 1;
    return environment.IrfanViewFound == 1;
}

bool FindUploader(EnvironmentInfo& environment, const ProgramSearchPlaces& places)
{
    const QStringList found = FindInstalledPrograms(ProgramRole::Uploader, places);
    environment.UploaderPath = found.isEmpty() ? QString() : found.first();
    return !environment.UploaderPath.isEmpty();
}

// ---- Old profile paths ---------------------------------------------------------

bool MatchesOldProfilePath(const QString& path, const QString& systemDriveLetter)
{
    if (systemDriveLetter.isEmpty())
        return false;
    const QString prefix = systemDriveLetter.toLower() + QStringLiteral(":\\documents and settings");
    return path.left(prefix.size()).toLower() == prefix;
}

bool DropMatchingPaths(QStringList& list, const QString& systemDriveLetter)
{
    bool any = false;
    for (const QString& entry : list)
        any = any || MatchesOldProfilePath(entry, systemDriveLetter);
    if (!any)
        return false;
    const int size = list.size();
    QStringList kept;
    for (const QString& entry : list)
        if (!entry.isEmpty() && !MatchesOldProfilePath(entry, systemDriveLetter))
            kept << entry;
    while (kept.size() < size)
        kept << QString();
    list = kept;
    return true;
}

bool HasOldProfilePaths(const QStringList& favorites, const QStringList& recentFolders,
                        const QString& startupFolder, const QString& autoShowPath,
                        const QString& systemDriveLetter)
{
    if (systemDriveLetter.isEmpty())
        return false;
    for (const QStringList* list : {&favorites, &recentFolders})
        for (const QString& entry : *list)
            if (MatchesOldProfilePath(entry, systemDriveLetter))
                return true;
    return MatchesOldProfilePath(startupFolder, systemDriveLetter)
        || MatchesOldProfilePath(autoShowPath, systemDriveLetter);
}

void DropOldProfilePaths(QStringList& favorites, QStringList& recentFolders,
                         QString& startupFolder, QString& autoShowPath,
                         const QString& systemDriveLetter)
{
    DropMatchingPaths(favorites, systemDriveLetter);
    DropMatchingPaths(recentFolders, systemDriveLetter);
    if (MatchesOldProfilePath(startupFolder, systemDriveLetter))
        startupFolder.clear();
    if (MatchesOldProfilePath(autoShowPath, systemDriveLetter))
        autoShowPath.clear();
}

void DropOldSoundSearchFolderList(QStringList& folders, const QString& systemDriveLetter,
                                  const QString& myMusicFolder)
{
    constexpr int folderCount = 9;
    while (folders.size() < folderCount)
        folders << QString();
    DropMatchingPaths(folders, systemDriveLetter);
    int firstFree = 0;
    while (firstFree < folderCount && !folders[firstFree].isEmpty())
        ++firstFree;
    if (firstFree == folderCount || myMusicFolder.isEmpty() || !QFileInfo(myMusicFolder).isDir())
        return;
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        if (QDir::cleanPath(folder).compare(QDir::cleanPath(myMusicFolder), Qt::CaseInsensitive) == 0
            || sameFile(folder, myMusicFolder))
            return; // already searched: never listed twice
    }
    folders[firstFree] = myMusicFolder;
}

bool DropOldSoundSearchFolders(const QString& searchSettingsPath, const QString& systemDriveLetter,
                               const QString& myMusicFolder)
{
    TSearchSettingsRecord record;
    if (!ReadSearchSettings(searchSettingsPath, record).ok())
        return false;
    QStringList folders(record.Folders.begin(), record.Folders.end());
    DropOldSoundSearchFolderList(folders, systemDriveLetter, myMusicFolder);
    for (int i = 0; i < SearchSettingsLayout::FolderCount; ++i)
        record.Folders[i] = folders.value(i);
    return WriteSearchSettings(searchSettingsPath, record).ok();
}

// ---- The user's folders ----------------------------------------------------------

ShellFolders ReadXdgFolders()
{
    const auto existing = [](QStandardPaths::StandardLocation location) {
        const QString path = QStandardPaths::writableLocation(location);
        return (!path.isEmpty() && QFileInfo(path).isDir()) ? QDir::cleanPath(path) : QString();
    };
    ShellFolders folders;
    folders.desktop = existing(QStandardPaths::DesktopLocation);
    folders.pictures = existing(QStandardPaths::PicturesLocation);
    folders.music = existing(QStandardPaths::MusicLocation);
    // Without an XDG user-dirs entry Qt falls back to the home folder for some
    // locations; the home folder is no Pictures or Music folder.
    const QString home = QDir::cleanPath(QDir::homePath());
    if (folders.pictures == home)
        folders.pictures.clear();
    if (folders.music == home)
        folders.music.clear();
    return folders;
}

QString MapUNCFolder(const QString& folder)
{
    return folder;
}

int CancelNetworkDrive(const QString&)
{
    return 0;
}

namespace {

std::set<QString> currentMountPoints()
{
    std::set<QString> points;
    QFile file(QStringLiteral("/proc/self/mountinfo"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return points;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().split(' ');
        if (fields.size() > 4) {
            // Octal escapes (\040 for a blank) as the kernel writes them.
            QByteArray raw = fields[4], decoded;
            for (int i = 0; i < raw.size(); ++i) {
                if (raw[i] == '\\' && i + 3 < raw.size()) {
                    bool ok = false;
                    const int value = raw.mid(i + 1, 3).toInt(&ok, 8);
                    if (ok) {
                        decoded += char(value);
                        i += 3;
                        continue;
                    }
                }
                decoded += raw[i];
            }
            points.insert(QString::fromUtf8(decoded));
        }
    }
    return points;
}

QStringList fstabMountPoints()
{
    QStringList points;
    QFile file(QStringLiteral("/etc/fstab"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return points;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QRegularExpression(QStringLiteral("\\s+")));
        if (fields.size() > 1 && fields[1].startsWith(QLatin1Char('/')) && fields[1] != QLatin1String("/"))
            points << QDir::cleanPath(QString(fields[1]).replace(QStringLiteral("\\040"), QStringLiteral(" ")));
    }
    return points;
}

} // namespace

bool IsOnUnmountedVolume(const QString& folder, const MountedCheck& mounted)
{
    return !UnmountedVolumeOf(folder, mounted).isEmpty();
}

QString UnmountedVolumeOf(const QString& folder, const MountedCheck& mounted)
{
    if (folder.isEmpty())
        return {};
    // A stored folder with a drive letter ("D:\Pictures"): the letter names
    // a volume that is not there now.
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:"));
    if (driveLetter.match(folder).hasMatch())
        return folder.left(1).toUpper();
    if (!folder.startsWith(QLatin1Char('/')))
        return {};

    MountedCheck isMounted = mounted;
    if (!isMounted) {
        const auto points = std::make_shared<std::set<QString>>(currentMountPoints());
        isMounted = [points](const QString& point) { return points->count(point) > 0; };
    }

    // The places where volumes come and go: the folders directly below /media,
    // /media/<user>, /run/media/<user> and /mnt, and the mount points of fstab.
    const QStringList parts = QDir::cleanPath(folder).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QStringList candidates;
    const auto prefix = [&](int count) {
        return QLatin1Char('/') + parts.mid(0, count).join(QLatin1Char('/'));
    };
    if (parts.size() >= 2 && (parts[0] == QLatin1String("media") || parts[0] == QLatin1String("mnt")))
        candidates << prefix(2);
    if (parts.size() >= 3 && parts[0] == QLatin1String("media"))
        candidates << prefix(3);
    if (parts.size() >= 4 && parts[0] == QLatin1String("run") && parts[1] == QLatin1String("media"))
        candidates << prefix(4);
    QString fstabPoint;
    if (!mounted) {
        for (const QString& point : fstabMountPoints()) {
            const QString clean = QDir::cleanPath(folder);
            if (clean == point || clean.startsWith(point + QLatin1Char('/'))) {
                candidates << point;
                if (point.size() > fstabPoint.size())
                    fstabPoint = point;
            }
        }
    }
    if (candidates.isEmpty())
        return {};
    // Mounted at one of them: the volume is there and the folder is truly gone.
    for (const QString& candidate : candidates)
        if (isMounted(candidate))
            return {};
    // The volume's own mount point: fstab's, /run/media/<user>/LABEL,
    // /media/<user>/LABEL for the user's own folder, else /media/LABEL or
    // /mnt/NAME.
    if (!fstabPoint.isEmpty())
        return fstabPoint;
    if (parts[0] == QLatin1String("run"))
        return prefix(4);
    const QString user = QDir::home().dirName();
    if (parts[0] == QLatin1String("media") && parts.size() >= 3
        && (parts[1] == user || parts[1] == qEnvironmentVariable("USER")))
        return prefix(3);
    return prefix(2);
}

void ReadShellFolders(EnvironmentInfo& environment, QString& startupFolder, const MountedCheck& mounted)
{
    const ShellFolders folders = ReadXdgFolders();
    environment.DesktopFolder = folders.desktop;
    environment.MyPicturesFolder = MapUNCFolder(folders.pictures);
    if (!environment.MyPicturesFolder.isEmpty() && !QFileInfo(environment.MyPicturesFolder).isDir())
        environment.MyPicturesFolder.clear();
    environment.InternetCacheFolder.clear();
    if (!QFileInfo(startupFolder).isDir() && !IsOnUnmountedVolume(startupFolder, mounted))
        startupFolder = environment.MyPicturesFolder;
    environment.DesktopFolderLower = environment.DesktopFolder.toLower();
    environment.InternetCacheFolderLower = environment.InternetCacheFolder.toLower();
}
