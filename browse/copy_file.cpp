// The verified whole-file copy.
#include "browse/copy_file.h"

#include "base/file_helpers.h"
#include "platform/prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool sameBytes(QFileDevice& a, QFileDevice& b)
{
    if (!a.seek(0) || !b.seek(0) || a.size() != b.size())
        return false;
    constexpr qint64 chunk = 1 << 20;
    while (!a.atEnd()) {
        const QByteArray x = a.read(chunk);
        if (x.isEmpty() && a.error() != QFileDevice::NoError)
            return false;
        if (x != b.read(chunk))
            return false;
    }
    return b.atEnd();
}

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

CopyStatus CopyFileVerified(const QString& source, const QString& target)
{
    const QFileInfo srcInfo(source);
    if (source.isEmpty() || !srcInfo.isFile())
        return CopyStatus::SourceUnreadable;
    if (target.isEmpty())
        return CopyStatus::TargetUnwritable;
    const QFileInfo targetInfo(target);
    if (targetInfo.exists()) {
        if (SameFile(source, target))
            return CopyStatus::SameFile;
        // A folder, or a file whose owner write bit is clear, is not replaced.
        if (targetInfo.isDir() || !targetInfo.permissions().testFlag(QFileDevice::WriteOwner))
            return CopyStatus::TargetUnwritable;
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return CopyStatus::SourceUnreadable;
    QTemporaryFile tmp(targetInfo.absolutePath() + QStringLiteral("/.vistamo-copy-XXXXXX"));
    if (!tmp.open())
        return CopyStatus::TargetUnwritable;
    constexpr qint64 chunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray data = in.read(chunk);
        if (data.isEmpty() && in.error() != QFileDevice::NoError)
            return CopyStatus::SourceUnreadable;
        if (tmp.write(data) != data.size())
            return CopyStatus::TargetUnwritable;
    }
    if (!tmp.flush() || ::fsync(tmp.handle()) != 0)
        return CopyStatus::TargetUnwritable;
    if (!sameBytes(in, tmp))
        return CopyStatus::VerifyFailed;
    struct stat st;
    if (::fstat(in.handle(), &st) == 0) {
        ::fchmod(tmp.handle(), st.st_mode & 07777);
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(tmp.handle(), times);
    }
    tmp.close();
    if (::rename(QFile::encodeName(tmp.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        return CopyStatus::TargetUnwritable;
    tmp.setAutoRemove(false);
    return CopyStatus::Ok;
}

bool OnDifferentVolumes(const QString& source, const QString& target)
{
    dev_t a = 0, b = 0;
    if (!deviceOf(source, a) || !deviceOf(target, b))
        return true;
    return a != b;
}

bool CopyFileByStream(const QString& source, const QString& target, bool quiet)
{
    if (CopyFileVerified(source, target) == CopyStatus::Ok)
        return true;
    if (!quiet)
        platform::showMessage(platform::PromptKind::Error,
                              source + QStringLiteral(" could not be copied to ") + target);
    return false;
}

bool CopyFileWithLog(const QString& source, const QString& target, QStringList& log)
{
    log << QStringLiteral("Start copy : ") + source + QStringLiteral(" -> ") + target;
    const bool ok = CopyFileByStream(source, target);
    log << QStringLiteral("End of copy : ") + source + QStringLiteral(" -> ") + target;
    return ok;
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
