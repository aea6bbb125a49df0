// The copies of the file operations, the volume test and the rename that
// never replaces.
#include "browse/copy_file.h"

#include "base/file_helpers.h"
#include "platform/prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The device of the nearest existing folder of a path (or of the file).
bool deviceOf(const QString& path, dev_t& dev)
{
    QString p = QFileInfo(path).absoluteFilePath();
    struct stat st;
    while (!p.isEmpty()) {
        if (::stat(QFile::encodeName(p).constData(), &st) == 0) {
            dev = st.st_dev;
            return true;
        }
        if (p == QLatin1String("/"))
            break;
        p = FolderOf(p);
    }
    return false;
}

} // namespace

bool OnDifferentVolumes(const QString& source, const QString& target)
{
    dev_t a = 0, b = 0;
    if (!deviceOf(source, a) || !deviceOf(target, b))
        return true;
    return a != b;
}

bool RenameNoReplace(const QString& from, const QString& to)
{
    const QByteArray a = QFile::encodeName(from);
    const QByteArray b = QFile::encodeName(to);
    if (from.isEmpty() || to.isEmpty())
        return false;
    const QFileInfo toInfo(to);
    if (toInfo.exists() || toInfo.isSymLink()) {
        // Only the same entry under another letter case may be renamed.
        if (!SameFile(from, to))
            return false;
        return ::rename(a.constData(), b.constData()) == 0;
    }
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the no-replace flag: a hard link refuses an
    // existing name for files; folders are renamed after a fresh check.
    if (QFileInfo(from).isDir())
        return !QFileInfo::exists(to) && ::rename(a.constData(), b.constData()) == 0;
    if (::link(a.constData(), b.constData()) != 0)
        return false;
    return ::unlink(a.constData()) == 0;
}
