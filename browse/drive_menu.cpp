#include "browse/drive_menu.h"

#include <QFileInfo>
#include <QStorageInfo>

QString DriveTableEntry(QChar letter, const QString& mountPoint, platform::DriveKind kind)
{
    const QString kindText = platform::DriveKindText(kind);
    if (kindText.isEmpty() || letter.isNull())
        return QString();
    return QString(letter.toUpper()) + QStringLiteral(": ") + mountPoint
           + (QLatin1Char(' ') + kindText).left(17);
}

QString DriveMenuCaption(const QString& entry)
{
    return QStringLiteral("&") + entry;
}

DriveTableResult BuildDriveMenuTable(const QList<platform::Drive>& drives,
                                     const std::function<bool(QChar)>& ready,
                                     const std::function<qint64(QChar)>& freeKB)
{
    DriveTableResult result;
    for (const platform::Drive& d : drives) {
        const QChar letter = d.letter.toUpper();
        if (letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
            continue;
        const int n = letter.unicode() - 'A';
        result.entries[size_t(n)] = DriveTableEntry(letter, d.mountPoint, d.kind);
        if (d.kind == platform::DriveKind::CdRom && result.firstWritableCdDrive == QLatin1Char('1')
            && ready && ready(letter) && freeKB && freeKB(letter) > 1)
            result.firstWritableCdDrive = letter;
    }
    return result;
}

qint64 FreeSpaceKB(qint64 freeBytes, qint64 totalBytes, bool readOnly)
{
    if (freeBytes < 0 || totalBytes < 0)
        return 1;
    if (totalBytes / 1024 == 0)
        return 1;
    if (readOnly)
        return 0;
    return freeBytes / 1024;
}

qint64 FreeSpaceOnDrive(QChar letter, bool demoMode)
{
    const QChar upper = letter.toUpper();
    if (upper < QLatin1Char('A') || upper > QLatin1Char('Z'))
        return 1;
    if (demoMode)
        return 0;
    const auto drive = platform::driveByLetter(upper);
    if (!drive || !platform::DriveReady(upper))
        return 1;
    const QStorageInfo storage(drive->mountPoint);
    const bool readOnly = storage.isValid() && storage.isReadOnly();
    return FreeSpaceKB(platform::FreeSpaceOf(drive->mountPoint), platform::TotalSpaceOf(drive->mountPoint),
                       readOnly);
}

bool IsOnFixedDrive(const QString& path)
{
    return platform::DriveKindOfPath(path) == platform::DriveKind::Fixed;
}

qint64 FileSizeOf(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return 999;
    return info.isFile() ? info.size() : 0;
}
