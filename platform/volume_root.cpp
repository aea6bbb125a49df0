#include "platform/volume_root.h"

#include "platform/drives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {
namespace {

// True when the kernel's mount table lists the folder as a mount point (a
// bind mount of a folder of the same volume has its parent's device).
bool listedAsMountPoint(const QString& folder)
{
    const QString real = QFileInfo(folder).canonicalFilePath();
    QFile f(QStringLiteral("/proc/self/mountinfo"));
    // The table is small; a bound read keeps an odd one from holding us up.
    if (real.isEmpty() || !f.open(QIODevice::ReadOnly))
        return false;
    for (const MountEntry& m : ParseMountInfo(f.read(4 << 20)))
        if (m.mountPoint == real || m.mountPoint == folder)
            return true;
    return false;
}

} // namespace

bool IsVolumeRoot(const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (clean == QLatin1String("/"))
        return true;
    struct stat own {};
    struct stat parent {};
    // The folder itself is examined, not what a link to it points at: a link
    // is an entry of its parent's volume.
    if (::lstat(QFile::encodeName(clean).constData(), &own) != 0)
        return true;
    if (S_ISLNK(own.st_mode))
        return false;
    if (::stat(QFile::encodeName(QFileInfo(clean).absolutePath()).constData(), &parent) != 0)
        return true;
    return own.st_dev != parent.st_dev || listedAsMountPoint(clean);
}

} // namespace platform
