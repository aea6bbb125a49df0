// The drive table: every mounted volume of the machine that a user would call
// a drive, each with a letter, so that code written for drive letters keeps
// working. "/" is always drive C; the other volumes take D .. Z in the order
// of their mount points; A and B are never given out. Pseudo file systems
// (proc, sysfs, cgroup, devpts, tmpfs outside /media, /mnt and /run/media,
// overlay below "/", squashfs snaps, /boot, /dev, /run, /sys, /proc) are
// left out.
//
// The table is read from /proc/self/mountinfo (re-read when it is older than
// a second); tests inject a fake mount table instead.
#pragma once

#include <QChar>
#include <QList>
#include <QString>

#include <optional>

namespace platform {

// The kinds of drive, numbered as the drive-type codes the program's rules
// use (1 = no such drive).
enum class DriveKind : int {
    NoDrive = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CdRom = 5,
    RamDisk = 6,
};

// One line of the mount table, as far as the drive table needs it.
struct MountEntry {
    QString mountPoint;        // "/", "/media/usb"
    QString fsType;            // "ext4", "vfat", "nfs", "fuse.sshfs" …
    QString source;            // "/dev/sdb1", "server:/export" …
    bool removableDevice = false;  // the block device's `removable` flag
};

// One drive of the table.
struct Drive {
    QChar letter;              // 'C' .. 'Z'; null for "no drive"
    QString mountPoint;        // native path, "/" or without trailing "/"
    QString fsType;
    QString source;
    DriveKind kind = DriveKind::NoDrive;

    bool isValid() const { return !letter.isNull(); }
};

// ---- The table -------------------------------------------------------------

// Every drive, in letter order.
QList<Drive> drives();

// The drive with this letter (either case), or nothing when the letter has no
// volume.
std::optional<Drive> driveByLetter(QChar letter);

// The drive a path lies on: the volume whose mount point is the longest
// whole-component prefix of the (absolute, cleaned) path. "/" always
// matches, so any absolute path has a drive; an empty path has none.
std::optional<Drive> DriveOf(const QString& path);

// The letter of the drive of a path ('\0' QChar when none).
QChar DriveLetterOf(const QString& path);

// The mount point of a drive letter ("" when the letter has no volume): the
// root "X:\" of that drive.
QString DriveRoot(QChar letter);

// The kind of drive a letter or a path lies on (NoDrive when none).
DriveKind DriveKindOf(QChar letter);
DriveKind DriveKindOfPath(const QString& path);

// True when the path is the mount point of a drive (the Linux form of "a
// drive root such as C:\").
bool IsMountPoint(const QString& path);

// True when the drive's volume is there and can be read (its mount point
// answers statvfs and can be listed).
bool DriveReady(QChar letter);

// Free bytes for the user and total bytes of the volume a path lies on
// (64-bit, statvfs); -1 when it can't be determined.
qint64 FreeSpaceOf(const QString& path);
qint64 TotalSpaceOf(const QString& path);
qint64 DriveFreeSpace(QChar letter);

// The type text of a kind, as the drive menus show it: "Floppy/Removable
// Drive", "Fixed Drive", "Network Drive", "CD/DVD Drive", "RAM Disk"
// ("" for NoDrive).
QString DriveKindText(DriveKind kind);

// ---- Rules, usable on their own (tests) -----------------------------------

// Reads the lines of a /proc/<pid>/mountinfo text (octal escapes such as
// "\040" decoded). removableDevice is left false.
QList<MountEntry> ParseMountInfo(const QByteArray& text);

// Builds the drive table from mount entries: leaves the pseudo file systems
// out, gives the letters and the kinds. When one mount point appears twice
// the last mount (the one on top) wins.
QList<Drive> BuildDriveTable(const QList<MountEntry>& mounts);

// The kind of a mount entry by the rules of the table.
DriveKind KindOfMount(const MountEntry& mount);

// True when `prefix` is a whole-component prefix of `path` ("/p/Pics" is a
// prefix of "/p/Pics/a" and of "/p/Pics", not of "/p/Pictures"; "/" is a
// prefix of every absolute path). Exact comparison (case-sensitive).
bool IsPathPrefix(const QString& prefix, const QString& path);

// ---- Tests -----------------------------------------------------------------

// Replaces the machine's mount table by these entries until cleared.
void setFakeMountTable(const QList<MountEntry>& mounts);
void clearFakeMountTable();

} // namespace platform
