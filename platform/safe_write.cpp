// Whole-file writes that never leave a short or empty file behind: the bytes
// go to a new temporary file in the target's folder, every write is checked,
// the data is synced to the disk, and only then is the temporary file renamed
// over the target. Any failure (a full disk, a file-size limit, a read-only
// volume) removes the temporary file and leaves the old file as it was.
#include "platform/record_file.h"
#include "platform/temp_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString reasonOf(int error)
{
    return qt_error_string(error);
}

RecordResult failed(RecordStatus status, const QString& path, int error)
{
    RecordResult result = RecordResult::Fail(status, QStringLiteral("Could not write the file '%1': %2")
                                                         .arg(QDir::toNativeSeparators(path), reasonOf(error)));
    result.Reason = reasonOf(error);
    return result;
}

// The file the bytes are meant for: a symbolic link is followed, so the link
// stays and its target is replaced.
QString finalTarget(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            return target;
    }
    return path;
}

// The process's file-creation mask, read from /proc: setting and restoring
// it with umask() would leave it 0 for an instant, in which another thread
// could create a file open to everyone.
mode_t processUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask & 0777);
            }
        }
    }
    return 022;
}

mode_t newFileMode()
{
    return 0666 & ~processUmask();
}

bool writeAll(int fd, const char* data, qint64 size, int& error)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        if (n == 0) {
            error = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

RecordResult SafeWriteFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        RecordResult result = RecordResult::Fail(
            RecordStatus::OpenFailed, QStringLiteral("'%1' is a folder, not a file.").arg(QDir::toNativeSeparators(path)));
        result.Reason = QStringLiteral("It is a folder, not a file");
        return result;
    }
    // Whoever runs the program (root included), a file whose owner write bit
    // is clear is read only.
    if (info.exists() && !(QFile::permissions(path) & QFileDevice::WriteOwner)) {
        RecordResult result = RecordResult::Fail(
            RecordStatus::ReadOnly, QStringLiteral("The file '%1' is read only.").arg(QDir::toNativeSeparators(path)));
        result.Reason = QStringLiteral("The file is read only");
        return result;
    }

    const QString target = finalTarget(path);
    const QByteArray targetName = QFile::encodeName(target);
    const QFileInfo targetInfo(target);
    // The temporary file is hidden, named after the target and locked while
    // it is written; a leftover of an interrupted write is taken over.
    TempFile tempFile = OpenTempFor(target);
    if (tempFile.fd < 0)
        return failed(RecordStatus::OpenFailed, path, tempFile.error);
    const int fd = tempFile.fd;
    const QByteArray& temp = tempFile.path;
    // The new file gets the old one's permissions, or the usual ones of a new file.
    struct stat old {};
    const mode_t mode = ::stat(targetName.constData(), &old) == 0 ? (old.st_mode & 07777) : newFileMode();
    int error = 0;
    bool ok = true;
    const auto check = [&](bool done) {
        if (ok && !done) {
            error = errno;
            ok = false;
        }
    };
    check(::fchmod(fd, mode) == 0);
    if (ok)
        ok = writeAll(fd, bytes.constData(), bytes.size(), error);
    if (ok)
        check(::fsync(fd) == 0);
    if (ok)
        check(::rename(temp.constData(), targetName.constData()) == 0);
    if (!ok)
        ::unlink(temp.constData());
    // Closed only now: the lock on the temporary file lasts until it is renamed or gone.
    CloseTemp(tempFile);
    if (!ok)
        return failed(RecordStatus::WriteFailed, path, error);
    // The rename itself reaches the disk with the folder's entry.
    const int dir = ::open(QFile::encodeName(targetInfo.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return RecordResult::Ok();
}

} // namespace platform
