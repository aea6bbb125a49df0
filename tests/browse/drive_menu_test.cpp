// The drive table of the drive menus, the first writable CD/DVD drive and
// the small drive routines.
#include "browse/drive_menu.h"

#include "support/sandbox.h"

#include <QDir>
#include <gtest/gtest.h>

#include <limits>

using platform::Drive;
using platform::DriveKind;

namespace {

Drive drive(char letter, const QString& mount, DriveKind kind)
{
    Drive d;
    d.letter = QLatin1Char(letter);
    d.mountPoint = mount;
    d.kind = kind;
    return d;
}

} // namespace

TEST(DriveTable, EntriesNameLetterMountPointAndKind)
{
    EXPECT_EQ(DriveTableEntry('C', "/", DriveKind::Fixed), "C: / Fixed Drive");
    EXPECT_EQ(DriveMenuCaption(DriveTableEntry('C', "/", DriveKind::Fixed)), "&C: / Fixed Drive");
    // The kind text is cut as the old 20-character entry cut it; the mount
    // point is kept whole.
    EXPECT_EQ(DriveTableEntry('D', "/media/ann/USB STICK", DriveKind::Removable),
              "D: /media/ann/USB STICK Floppy/Removable");
    EXPECT_EQ(DriveTableEntry('E', "/mnt/nas", DriveKind::Remote), "E: /mnt/nas Network Drive");
    EXPECT_EQ(DriveTableEntry('F', "/media/cdrom", DriveKind::CdRom), "F: /media/cdrom CD/DVD Drive");
    EXPECT_EQ(DriveTableEntry('G', "/media/ram", DriveKind::RamDisk), "G: /media/ram RAM Disk");
    EXPECT_EQ(DriveTableEntry('H', "/x", DriveKind::NoDrive), "");
}

TEST(DriveTable, FirstWritableCdDriveIsReadyWithMoreThanOneKB)
{
    const QList<Drive> drives = {drive('C', "/", DriveKind::Fixed), drive('D', "/media/cd1", DriveKind::CdRom),
                                 drive('E', "/media/cd2", DriveKind::CdRom), drive('F', "/media/cd3", DriveKind::CdRom)};
    const auto ready = [](QChar l) { return l != QLatin1Char('D'); };
    // E reports 1 KB (a failed query), F has room.
    const auto freeKB = [](QChar l) -> qint64 { return l == QLatin1Char('E') ? 1 : 5000; };
    const DriveTableResult r = BuildDriveMenuTable(drives, ready, freeKB);
    EXPECT_EQ(r.firstWritableCdDrive, QLatin1Char('F'));
    EXPECT_EQ(r.entries[2], "C: / Fixed Drive");
    EXPECT_EQ(r.entries[3], "D: /media/cd1 CD/DVD Drive");
    EXPECT_TRUE(r.entries[0].isEmpty());
    EXPECT_TRUE(r.entries[25].isEmpty());

    const DriveTableResult none = BuildDriveMenuTable(drives, [](QChar) { return true; },
                                                      [](QChar) -> qint64 { return 0; });
    EXPECT_EQ(none.firstWritableCdDrive, QLatin1Char('1'));
}

TEST(FreeSpace, KilobytesFromBytesWithFailuresAsOne)
{
    EXPECT_EQ(FreeSpaceKB(10 * 1024 + 1023, 100 * 1024, false), 10);
    EXPECT_EQ(FreeSpaceKB(-1, -1, false), 1);          // no medium
    EXPECT_EQ(FreeSpaceKB(0, 1023, false), 1);         // total below 1 KB
    EXPECT_EQ(FreeSpaceKB(0, 100 * 1024, false), 0);   // full
    EXPECT_EQ(FreeSpaceKB(50 * 1024, 100 * 1024, true), 0);   // mounted read-only: not writable
    // Terabytes free stay positive (a 32-bit result turned negative at 2 TB).
    const qint64 fiveTB = qint64(5) << 40;
    EXPECT_EQ(FreeSpaceKB(fiveTB, fiveTB, false), qint64(5) << 30);
    EXPECT_GT(FreeSpaceKB(fiveTB, fiveTB, false), std::numeric_limits<int32_t>::max());
}

TEST(FreeSpace, OfADriveLetter)
{
    const QString usb = testsupport::freshDir("usb");
    platform::setFakeMountTable({{"/", "ext4", "/dev/sda1", false}, {usb, "vfat", "/dev/sdb1", true}});
    EXPECT_EQ(FreeSpaceOnDrive('d', true), 0);     // demo mode
    EXPECT_GT(FreeSpaceOnDrive('d', false), 1);    // the sandbox's volume has room
    EXPECT_EQ(FreeSpaceOnDrive('Q', false), 1);    // no such drive
    EXPECT_EQ(FreeSpaceOnDrive('?', false), 1);
    EXPECT_FALSE(IsOnFixedDrive(usb + "/a.jpg"));
    EXPECT_TRUE(IsOnFixedDrive("/usr/bin"));
    platform::clearFakeMountTable();
}

TEST(FileSize, SixtyFourBitsAnd999WhenMissing)
{
    const QString dir = testsupport::freshDir("sizes");
    ASSERT_TRUE(testsupport::writeFile(dir + "/a.jpg", QByteArray(1234, 'x')));
    EXPECT_EQ(FileSizeOf(dir + "/a.jpg"), 1234);
    EXPECT_EQ(FileSizeOf(dir + "/missing.jpg"), 999);
    EXPECT_EQ(FileSizeOf(QString()), 999);
    EXPECT_EQ(FileSizeOf(dir), 0);
    // A sparse file past 4 GB keeps its whole size.
    QFile big(dir + "/big.bin");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize((qint64(1) << 32) + 5));
    big.close();
    EXPECT_EQ(FileSizeOf(dir + "/big.bin"), (qint64(1) << 32) + 5);
}
