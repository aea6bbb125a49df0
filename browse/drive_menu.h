// The drive table of the drive menus (the File menu's "Change Drive"
// submenu and the pop-up DrivePop), the first writable CD/DVD drive, and the
// small drive routines used all over the program: free space, fixed-drive
// test, file size.
#pragma once

#include "platform/drives.h"

#include <QChar>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

constexpr int DriveLetterCount = 26;

// The drive-table text of one drive. The kind text keeps at most 17
// characters with its leading blank (the table's old width of 20 less the
// three of "X:\"), so a removable drive reads "D: /media/usb Floppy/Removable";
// the mount point is never cut. "" for a kind without a menu entry.
QString DriveTableEntry(QChar letter, const QString& mountPoint, platform::DriveKind kind);

// The menu caption of a drive-table entry: "&" + entry.
QString DriveMenuCaption(const QString& entry);

struct DriveTableResult {
    std::array<QString, DriveLetterCount> entries;
    QChar firstWritableCdDrive = QLatin1Char('1');
};

// Builds the table from the drives; a CD/DVD drive is the first writable one
// when it is ready and its free space (freeKB) is above 1.
DriveTableResult BuildDriveMenuTable(const QList<platform::Drive>& drives,
                                     const std::function<bool(QChar)>& ready,
                                     const std::function<qint64(QChar)>& freeKB);

// Free KB from the free and total bytes of a volume: the free bytes divided
// by 1024; 1 when the sizes can't be read or the total is below 1 KB.
qint64 FreeSpaceKB(qint64 freeBytes, qint64 totalBytes, bool readOnly);

// Free space of a drive letter in KB (either case). 0 in demo mode; 1 when
// the letter has no drive, is not ready or can't be read; 0 for a volume
// mounted read-only. 64-bit: a volume with terabytes free is never negative.
qint64 FreeSpaceOnDrive(QChar letter, bool demoMode);

// True when the path lies on a fixed drive.
bool IsOnFixedDrive(const QString& path);

// Size in bytes of the file or folder entry a path names (64-bit); 999 when
// nothing is found there.
qint64 FileSizeOf(const QString& path);
