#include "platform/drives.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

MountEntry mount(const char* mp, const char* fs, const char* src = "/dev/sda1", bool removable = false)
{
    return MountEntry{QString::fromUtf8(mp), QString::fromUtf8(fs), QString::fromUtf8(src), removable};
}

struct FakeTable {
    explicit FakeTable(const QList<MountEntry>& m) { setFakeMountTable(m); }
    ~FakeTable() { clearFakeMountTable(); }
};

QString lettersAndMounts(const QList<Drive>& drives)
{
    QStringList out;
    for (const Drive& d : drives)
        out << QString(d.letter) + QLatin1Char('=') + d.mountPoint;
    return out.join(QLatin1Char(' '));
}

} // namespace

TEST(DriveTable, LettersKindsAndLeftOutPseudoFileSystems)
{
    const QList<Drive> table = BuildDriveTable({
        mount("/", "ext4"),
        mount("/proc", "proc", "proc"),
        mount("/sys", "sysfs", "sysfs"),
        mount("/sys/fs/cgroup", "cgroup2", "cgroup2"),
        mount("/dev/pts", "devpts", "devpts"),
        mount("/dev/shm", "tmpfs", "tmpfs"),
        mount("/run/user/1000", "tmpfs", "tmpfs"),
        mount("/run/user/1000/gvfs", "fuse.gvfsd-fuse", "gvfsd-fuse"),
        mount("/boot/efi", "vfat", "/dev/sda2"),
        mount("/snap/core/123", "squashfs", "/dev/loop3"),
        mount("/var/lib/docker/overlay2/abc/merged", "overlay", "overlay"),
        mount("/home", "ext4", "/dev/sda3"),
        mount("/media/anna/STICK", "vfat", "/dev/sdb1"),
        mount("/mnt/nas", "nfs4", "server:/export"),
        mount("/mnt/ram", "tmpfs", "tmpfs"),
        mount("/cdrom", "iso9660", "/dev/sr0"),
        mount("/srv/share", "cifs", "//server/share"),
        mount("/srv/remote", "fuse.sshfs", "user@host:"),
        mount("/data", "xfs", "/dev/sdc1", true),
        mount("/run/media/anna/DVD", "udf", "/dev/sr1"),
    });
    EXPECT_EQ(lettersAndMounts(table),
              "C=/ D=/cdrom E=/data F=/home G=/media/anna/STICK H=/mnt/nas I=/mnt/ram "
              "J=/run/media/anna/DVD K=/srv/remote L=/srv/share");
    const auto kindOf = [&](QChar letter) {
        for (const Drive& d : table)
            if (d.letter == letter)
                return d.kind;
        return DriveKind::NoDrive;
    };
    EXPECT_EQ(kindOf('C'), DriveKind::Fixed);
    EXPECT_EQ(kindOf('D'), DriveKind::CdRom);
    EXPECT_EQ(kindOf('E'), DriveKind::Removable);   // block device flagged removable
    EXPECT_EQ(kindOf('F'), DriveKind::Fixed);
    EXPECT_EQ(kindOf('G'), DriveKind::Removable);   // under /media
    EXPECT_EQ(kindOf('H'), DriveKind::Remote);
    EXPECT_EQ(kindOf('I'), DriveKind::RamDisk);
    EXPECT_EQ(kindOf('J'), DriveKind::CdRom);
    EXPECT_EQ(kindOf('K'), DriveKind::Remote);
    EXPECT_EQ(kindOf('L'), DriveKind::Remote);
}

TEST(DriveTable, RootIsAlwaysCAndNeverAOrB)
{
    // No entry for "/" at all, and an overlay root as in a container.
    QList<Drive> table = BuildDriveTable({mount("/z", "ext4")});
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table[0].letter, QLatin1Char('C'));
    EXPECT_EQ(table[0].mountPoint, "/");
    EXPECT_EQ(table[1].letter, QLatin1Char('D'));

    table = BuildDriveTable({mount("/", "overlay", "overlay"), mount("/work", "ext4")});
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table[0].fsType, "overlay");
    EXPECT_EQ(table[0].kind, DriveKind::Fixed);

    // More volumes than letters: D .. Z and no more.
    QList<MountEntry> many{mount("/", "ext4")};
    for (int i = 0; i < 30; ++i)
        many << mount(qPrintable(QStringLiteral("/vol%1").arg(i, 2, 10, QLatin1Char('0'))), "ext4");
    table = BuildDriveTable(many);
    ASSERT_EQ(table.size(), 24);
    EXPECT_EQ(table.last().letter, QLatin1Char('Z'));
    for (const Drive& d : table)
        EXPECT_TRUE(d.letter >= QLatin1Char('C'));
}

TEST(DriveTable, SameMountPointTwiceKeepsTheTopMount)
{
    const QList<Drive> table = BuildDriveTable({mount("/", "ext4"), mount("/mnt/x", "ext4"), mount("/mnt/x", "nfs")});
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(table[1].kind, DriveKind::Remote);
}

TEST(DriveTable, ParsesMountInfoWithEscapes)
{
    const QByteArray text =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "36 22 98:0 /mnt1 /mnt/my\\040disk rw,noatime master:1 - ext3 /dev/root rw,errors=continue\n"
        "40 22 0:5 / /proc rw - proc proc rw\n"
        "garbage line\n"
        "\n";
    const QList<MountEntry> m = ParseMountInfo(text);
    ASSERT_EQ(m.size(), 3);
    EXPECT_EQ(m[0].mountPoint, "/");
    EXPECT_EQ(m[0].fsType, "ext4");
    EXPECT_EQ(m[0].source, "/dev/sda1");
    EXPECT_EQ(m[1].mountPoint, "/mnt/my disk");
    EXPECT_EQ(m[1].fsType, "ext3");
    EXPECT_EQ(m[2].fsType, "proc");
}

TEST(DriveTable, DriveOfTakesTheLongestWholeComponentPrefix)
{
    FakeTable fake({mount("/", "ext4"), mount("/p", "ext4"), mount("/p/Pics", "vfat", "/dev/sdb1", true)});
    EXPECT_EQ(DriveLetterOf("/p/Pics/a.jpg"), QLatin1Char('E'));
    EXPECT_EQ(DriveLetterOf("/p/Pics"), QLatin1Char('E'));
    EXPECT_EQ(DriveLetterOf("/p/Pictures/a.jpg"), QLatin1Char('D'));   // not below /p/Pics
    EXPECT_EQ(DriveLetterOf("/p"), QLatin1Char('D'));
    EXPECT_EQ(DriveLetterOf("/px/a"), QLatin1Char('C'));
    EXPECT_EQ(DriveLetterOf("/p//Pics/./x/../b.jpg"), QLatin1Char('E'));
    EXPECT_TRUE(DriveLetterOf("").isNull());
    EXPECT_EQ(DriveKindOfPath("/p/Pics/x"), DriveKind::Removable);
    EXPECT_EQ(DriveRoot('e'), "/p/Pics");
    EXPECT_EQ(DriveRoot('Q'), "");
    EXPECT_EQ(DriveKindOf('Q'), DriveKind::NoDrive);

    EXPECT_TRUE(IsMountPoint("/"));
    EXPECT_TRUE(IsMountPoint("/p/Pics"));
    EXPECT_TRUE(IsMountPoint("/p/Pics/"));
    EXPECT_FALSE(IsMountPoint("/p/Pic"));
    EXPECT_FALSE(IsMountPoint("/p/Pics/a"));
}

TEST(DriveTable, WholeComponentPrefixRule)
{
    EXPECT_TRUE(IsPathPrefix("/p/Pics", "/p/Pics"));
    EXPECT_TRUE(IsPathPrefix("/p/Pics", "/p/Pics/a"));
    EXPECT_TRUE(IsPathPrefix("/p/Pics/", "/p/Pics/a"));
    EXPECT_FALSE(IsPathPrefix("/p/Pics", "/p/Pictures"));
    EXPECT_FALSE(IsPathPrefix("/p/Pics", "/p/pics/a"));   // exact case
    EXPECT_TRUE(IsPathPrefix("/", "/anything"));
    EXPECT_FALSE(IsPathPrefix("/", "relative"));
    EXPECT_FALSE(IsPathPrefix("", "/a"));
}

TEST(DriveTable, ReadyAndFreeSpaceOfFakeVolumes)
{
    const QString dir = testsupport::freshDir(QStringLiteral("vol"));
    FakeTable fake({mount("/", "ext4"), MountEntry{dir, "ext4", "/dev/sdz1", false},
                    mount("/nonexistent-volume-xyz", "ext4")});
    const QChar present = DriveLetterOf(dir + QStringLiteral("/file.jpg"));
    ASSERT_FALSE(present.isNull());
    EXPECT_NE(present, QLatin1Char('C'));
    EXPECT_TRUE(DriveReady(present));
    EXPECT_GT(DriveFreeSpace(present), 0);
    const QChar gone = DriveLetterOf("/nonexistent-volume-xyz/a");
    EXPECT_FALSE(DriveReady(gone));
    EXPECT_EQ(DriveFreeSpace(gone), -1);
    EXPECT_FALSE(DriveReady('Y'));
    // Free space of a path that does not exist yet is that of its volume.
    EXPECT_GT(FreeSpaceOf(dir + QStringLiteral("/not/yet/there.jpg")), 0);
    EXPECT_GE(TotalSpaceOf(dir), FreeSpaceOf(dir));
}

TEST(DriveTable, RealTableHasTheRootAsC)
{
    clearFakeMountTable();
    const QList<Drive> table = drives();
    ASSERT_FALSE(table.isEmpty());
    EXPECT_EQ(table[0].letter, QLatin1Char('C'));
    EXPECT_EQ(table[0].mountPoint, "/");
    for (const Drive& d : table) {
        EXPECT_FALSE(d.mountPoint.startsWith("/proc"));
        EXPECT_FALSE(d.mountPoint.startsWith("/sys"));
    }
    EXPECT_TRUE(DriveOf("/etc").has_value());
    EXPECT_TRUE(DriveReady('C'));
}

TEST(DriveTable, KindTexts)
{
    EXPECT_EQ(DriveKindText(DriveKind::Removable), "Floppy/Removable Drive");
    EXPECT_EQ(DriveKindText(DriveKind::Fixed), "Fixed Drive");
    EXPECT_EQ(DriveKindText(DriveKind::Remote), "Network Drive");
    EXPECT_EQ(DriveKindText(DriveKind::CdRom), "CD/DVD Drive");
    EXPECT_EQ(DriveKindText(DriveKind::RamDisk), "RAM Disk");
    EXPECT_EQ(int(DriveKind::Fixed), 3);
    EXPECT_EQ(int(DriveKind::RamDisk), 6);
}
