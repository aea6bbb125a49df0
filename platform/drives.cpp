// The drive table over the mounted volumes (see drives.h for the rules).
#include "platform/drives.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <dirent.h>
#include <mutex>
#include <sys/statvfs.h>

namespace platform {
namespace {

// "\040" style octal escapes of mountinfo.
QString unescapeMountField(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray oct = field.mid(i + 1, 3);
            bool ok = oct.size() == 3;
            for (char o : oct)
                ok = ok && o >= '0' && o <= '7';
            if (ok) {
                out.append(char(oct.toInt(nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return QString::fromUtf8(out);
}

QString cleanAbsolute(const QString& path)
{
    if (path.isEmpty())
        return QString();
    return QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path));
}

bool under(const QString& path, const char* root)
{
    return IsPathPrefix(QLatin1String(root), path);
}

bool isPseudoFs(const QString& fs)
{
    static const QStringList pseudo = {
        QStringLiteral("proc"), QStringLiteral("sysfs"), QStringLiteral("cgroup"),
        QStringLiteral("cgroup2"), QStringLiteral("devpts"), QStringLiteral("devtmpfs"),
        QStringLiteral("mqueue"), QStringLiteral("debugfs"), QStringLiteral("tracefs"),
        QStringLiteral("securityfs"), QStringLiteral("pstore"), QStringLiteral("bpf"),
        QStringLiteral("configfs"), QStringLiteral("fusectl"), QStringLiteral("hugetlbfs"),
        QStringLiteral("autofs"), QStringLiteral("binfmt_misc"), QStringLiteral("efivarfs"),
        QStringLiteral("rpc_pipefs"), QStringLiteral("nsfs"), QStringLiteral("selinuxfs"),
        QStringLiteral("nfsd"), QStringLiteral("fuse.gvfsd-fuse"), QStringLiteral("fuse.portal"),
        QStringLiteral("fuse.lxcfs"), QStringLiteral("fuse.xdg-document-portal"),
        QStringLiteral("swap"), QStringLiteral("none"),
    };
    return pseudo.contains(fs);
}

bool isRemoteFs(const QString& fs)
{
    static const QStringList remote = {
        QStringLiteral("nfs"), QStringLiteral("nfs4"), QStringLiteral("cifs"), QStringLiteral("smb3"),
        QStringLiteral("smbfs"), QStringLiteral("ncpfs"), QStringLiteral("afs"), QStringLiteral("9p"),
        QStringLiteral("ceph"), QStringLiteral("glusterfs"), QStringLiteral("davfs"),
        QStringLiteral("lustre"), QStringLiteral("coda"),
    };
    if (remote.contains(fs))
        return true;
    static const QStringList fuseRemote = {
        QStringLiteral("fuse.sshfs"), QStringLiteral("fuse.rclone"), QStringLiteral("fuse.s3fs"),
        QStringLiteral("fuse.curlftpfs"), QStringLiteral("fuse.davfs2"), QStringLiteral("fuse.glusterfs"),
        QStringLiteral("fuse.smbnetfs"), QStringLiteral("fuse.gcsfuse"), QStringLiteral("fuse.goofys"),
        QStringLiteral("fuse.cephfs"), QStringLiteral("fuse.ceph-fuse"), QStringLiteral("fuse.onedriver"),
    };
    return fuseRemote.contains(fs);
}

bool isMediaPath(const QString& mp)
{
    return under(mp, "/media") || under(mp, "/run/media");
}

// Volumes that are not drives a user would browse.
bool leftOut(const MountEntry& m)
{
    const QString& mp = m.mountPoint;
    if (mp == QLatin1String("/"))
        return false;   // the volume of "/" is always there
    if (isPseudoFs(m.fsType))
        return true;
    if ((m.fsType == QLatin1String("tmpfs") || m.fsType == QLatin1String("ramfs"))
        && !(under(mp, "/media") || under(mp, "/mnt") || under(mp, "/run/media")))
        return true;
    if (m.fsType == QLatin1String("overlay"))
        return true;    // overlays below "/" (container layers)
    if (m.fsType == QLatin1String("squashfs") && (under(mp, "/snap") || under(mp, "/var/lib/snapd")))
        return true;
    if (under(mp, "/boot") || under(mp, "/dev") || under(mp, "/sys") || under(mp, "/proc")
        || under(mp, "/snap"))
        return true;
    if (under(mp, "/run") && !under(mp, "/run/media"))
        return true;
    return false;
}

// The block device's removable flag from sysfs (the partition's disk).
bool blockDeviceRemovable(const QString& source)
{
    if (!source.startsWith(QLatin1String("/dev/")))
        return false;
    const QString dev = QFileInfo(source).canonicalFilePath();
    if (dev.isEmpty())
        return false;
    const QString name = QFileInfo(dev).fileName();
    QString sys = QFileInfo(QStringLiteral("/sys/class/block/") + name).canonicalFilePath();
    for (int up = 0; up < 2 && !sys.isEmpty(); ++up) {
        QFile f(sys + QStringLiteral("/removable"));
        if (f.open(QIODevice::ReadOnly))
            return f.readAll().trimmed() == "1";
        sys = QFileInfo(sys).absolutePath();
    }
    return false;
}

// The table is read and renewed by the window's thread and by the workers
// that make thumbnails; the mutex guards every field, and readers get a copy.
struct TableState {
    std::mutex mutex;
    bool fake = false;
    QList<MountEntry> fakeMounts;
    QList<Drive> cache;
    QElapsedTimer age;
};

TableState& state()
{
    static TableState s;
    return s;
}

QList<Drive> table()
{
    TableState& s = state();
    std::lock_guard lock(s.mutex);
    if (s.fake)
        return s.cache;
    if (!s.age.isValid() || s.age.elapsed() > 1000) {
        QFile f(QStringLiteral("/proc/self/mountinfo"));
        QList<MountEntry> mounts;
        if (f.open(QIODevice::ReadOnly))
            mounts = ParseMountInfo(f.readAll());
        // Files bind-mounted into containers (/etc/hosts …) are no volumes.
        QList<MountEntry> kept;
        for (MountEntry& m : mounts) {
            const QFileInfo info(m.mountPoint);
            if (info.exists() && !info.isDir())
                continue;
            m.removableDevice = blockDeviceRemovable(m.source);
            kept << m;
        }
        s.cache = BuildDriveTable(kept);
        s.age.start();
    }
    return s.cache;
}

} // namespace

bool IsPathPrefix(const QString& prefix, const QString& path)
{
    if (prefix.isEmpty() || path.isEmpty())
        return false;
    if (prefix == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    QString p = prefix;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    if (!path.startsWith(p))
        return false;
    return path.size() == p.size() || path.at(p.size()) == QLatin1Char('/');
}

QList<MountEntry> ParseMountInfo(const QByteArray& text)
{
    QList<MountEntry> out;
    for (const QByteArray& line : text.split('\n')) {
        const QList<QByteArray> f = line.simplified().split(' ');
        // id parent major:minor root mountpoint options [optional…] - fstype source superopts
        const int dash = f.indexOf("-");
        if (dash < 6 || dash + 2 >= f.size())
            continue;
        MountEntry m;
        m.mountPoint = unescapeMountField(f[4]);
        m.fsType = unescapeMountField(f[dash + 1]);
        m.source = unescapeMountField(f[dash + 2]);
        if (m.mountPoint.isEmpty() || !m.mountPoint.startsWith(QLatin1Char('/')))
            continue;
        out << m;
    }
    return out;
}

DriveKind KindOfMount(const MountEntry& m)
{
    if (isRemoteFs(m.fsType))
        return DriveKind::Remote;
    if (m.fsType == QLatin1String("iso9660") || m.fsType == QLatin1String("udf"))
        return DriveKind::CdRom;
    if (m.fsType == QLatin1String("tmpfs") || m.fsType == QLatin1String("ramfs"))
        return DriveKind::RamDisk;
    if (m.removableDevice || isMediaPath(m.mountPoint))
        return DriveKind::Removable;
    return DriveKind::Fixed;
}

QList<Drive> BuildDriveTable(const QList<MountEntry>& mounts)
{
    // The last mount on a mount point is the one that is seen.
    QList<MountEntry> seen;
    for (const MountEntry& raw : mounts) {
        MountEntry m = raw;
        m.mountPoint = QDir::cleanPath(m.mountPoint);
        if (!m.mountPoint.startsWith(QLatin1Char('/')) || leftOut(m))
            continue;
        for (int i = 0; i < seen.size(); ++i)
            if (seen[i].mountPoint == m.mountPoint) {
                seen.removeAt(i);
                break;
            }
        seen << m;
    }
    QList<Drive> out;
    Drive c;
    c.letter = QLatin1Char('C');
    c.mountPoint = QStringLiteral("/");
    c.kind = DriveKind::Fixed;
    for (const MountEntry& m : seen)
        if (m.mountPoint == QLatin1String("/")) {
            c.fsType = m.fsType;
            c.source = m.source;
            c.kind = KindOfMount(m);
            if (c.kind == DriveKind::Removable && !m.removableDevice)
                c.kind = DriveKind::Fixed;
        }
    out << c;
    QList<MountEntry> others;
    for (const MountEntry& m : seen)
        if (m.mountPoint != QLatin1String("/"))
            others << m;
    std::stable_sort(others.begin(), others.end(), [](const MountEntry& a, const MountEntry& b) {
        return a.mountPoint < b.mountPoint;
    });
    char letter = 'D';
    for (const MountEntry& m : others) {
        if (letter > 'Z')
            break;
        Drive d;
        d.letter = QLatin1Char(letter++);
        d.mountPoint = m.mountPoint;
        d.fsType = m.fsType;
        d.source = m.source;
        d.kind = KindOfMount(m);
        out << d;
    }
    return out;
}

QList<Drive> drives()
{
    return table();
}

std::optional<Drive> driveByLetter(QChar letter)
{
    const QChar up = letter.toUpper();
    for (const Drive& d : table())
        if (d.letter == up)
            return d;
    return std::nullopt;
}

std::optional<Drive> DriveOf(const QString& path)
{
    const QString clean = cleanAbsolute(path);
    if (clean.isEmpty())
        return std::nullopt;
    const QList<Drive> all = table();
    const Drive* best = nullptr;
    for (const Drive& d : all)
        if (IsPathPrefix(d.mountPoint, clean) && (!best || d.mountPoint.size() > best->mountPoint.size()))
            best = &d;
    if (!best)
        return std::nullopt;
    return *best;
}

QChar DriveLetterOf(const QString& path)
{
    const auto d = DriveOf(path);
    return d ? d->letter : QChar();
}

QString DriveRoot(QChar letter)
{
    const auto d = driveByLetter(letter);
    return d ? d->mountPoint : QString();
}

DriveKind DriveKindOf(QChar letter)
{
    const auto d = driveByLetter(letter);
    return d ? d->kind : DriveKind::NoDrive;
}

DriveKind DriveKindOfPath(const QString& path)
{
    const auto d = DriveOf(path);
    return d ? d->kind : DriveKind::NoDrive;
}

bool IsMountPoint(const QString& path)
{
    const QString clean = cleanAbsolute(path);
    if (clean.isEmpty())
        return false;
    for (const Drive& d : table())
        if (d.mountPoint == clean)
            return true;
    return false;
}

bool DriveReady(QChar letter)
{
    const auto d = driveByLetter(letter);
    if (!d)
        return false;
    const QByteArray mp = QFile::encodeName(d->mountPoint);
    struct statvfs sv;
    if (::statvfs(mp.constData(), &sv) != 0)
        return false;
    DIR* dir = ::opendir(mp.constData());
    if (!dir)
        return false;
    ::closedir(dir);
    return true;
}

namespace {
bool statvfsNearest(const QString& path, struct statvfs& sv)
{
    QString p = cleanAbsolute(path);
    while (!p.isEmpty()) {
        if (::statvfs(QFile::encodeName(p).constData(), &sv) == 0)
            return true;
        if (p == QLatin1String("/"))
            break;
        p = QFileInfo(p).absolutePath();
    }
    return false;
}
} // namespace

qint64 FreeSpaceOf(const QString& path)
{
    struct statvfs sv;
    if (!statvfsNearest(path, sv))
        return -1;
    return qint64(sv.f_bavail) * qint64(sv.f_frsize);
}

qint64 TotalSpaceOf(const QString& path)
{
    struct statvfs sv;
    if (!statvfsNearest(path, sv))
        return -1;
    return qint64(sv.f_blocks) * qint64(sv.f_frsize);
}

qint64 DriveFreeSpace(QChar letter)
{
    const auto d = driveByLetter(letter);
    if (!d || !DriveReady(letter))
        return -1;
    return FreeSpaceOf(d->mountPoint);
}

QString DriveKindText(DriveKind kind)
{
    switch (kind) {
    case DriveKind::Removable: return QStringLiteral("Floppy/Removable Drive");
    case DriveKind::Fixed: return QStringLiteral("Fixed Drive");
    case DriveKind::Remote: return QStringLiteral("Network Drive");
    case DriveKind::CdRom: return QStringLiteral("CD/DVD Drive");
    case DriveKind::RamDisk: return QStringLiteral("RAM Disk");
    case DriveKind::NoDrive: break;
    }
    return QString();
}

void setFakeMountTable(const QList<MountEntry>& mounts)
{
    TableState& s = state();
    std::lock_guard lock(s.mutex);
    s.fake = true;
    s.fakeMounts = mounts;
    s.cache = BuildDriveTable(mounts);
}

void clearFakeMountTable()
{
    TableState& s = state();
    std::lock_guard lock(s.mutex);
    s.fake = false;
    s.fakeMounts.clear();
    s.cache.clear();
    s.age.invalidate();
}

} // namespace platform
