#include "platform/volume_root.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {

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
    return own.st_dev != parent.st_dev;
}

} // namespace platform
