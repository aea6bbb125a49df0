#include "platform/temp_files.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

const QString Suffix = QStringLiteral(".vistamo-tmp");
const QString LongPrefix = QStringLiteral(".vistamo-tmp-");

// True when the open file is still the one the path names (a writer that
// finished renamed it away, or a cleaner removed it).
bool stillNamed(int fd, const QByteArray& path)
{
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.constData(), &named) == 0 && open.st_dev == named.st_dev
           && open.st_ino == named.st_ino;
}

// Removes one temporary file when no writer holds its lock.
bool removeWhenUnheld(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ELOOP && ::unlink(path.constData()) == 0;   // a link is no file of ours
    bool removed = false;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && stillNamed(fd, path))
        removed = ::unlink(path.constData()) == 0;
    ::close(fd);
    return removed;
}

} // namespace

QString TempPathFor(const QString& target)
{
    const QFileInfo info(target);
    QString name = QStringLiteral(".") + info.fileName() + Suffix;
    // The longest name a folder entry may have is 255 bytes.
    if (QFile::encodeName(name).size() > 250)
        name = LongPrefix
               + QString::fromLatin1(QCryptographicHash::hash(QFile::encodeName(info.fileName()), QCryptographicHash::Sha1)
                                         .toHex()
                                         .left(16));
    return info.absolutePath() + QLatin1Char('/') + name;
}

bool IsTempFileName(const QString& name)
{
    return name.startsWith(QLatin1Char('.')) && (name.endsWith(Suffix) || name.startsWith(LongPrefix))
           && name != Suffix;
}

TempFile OpenTempFor(const QString& target)
{
    TempFile t;
    t.path = QFile::encodeName(TempPathFor(target));
    // About two seconds of short waits while another writer holds the file.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const int fd = ::open(t.path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == ELOOP && ::unlink(t.path.constData()) == 0)
                continue;   // a link in the temporary file's place is never written through
            t.error = errno;
            return t;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int e = errno;
            if (e == EWOULDBLOCK || e == EINTR) {
                ::close(fd);
                ::usleep(2000);
                continue;
            }
            // A file system without flock: the write goes on unlocked.
        }
        if (!stillNamed(fd, t.path)) {
            ::close(fd);
            continue;
        }
        if (::ftruncate(fd, 0) != 0) {
            t.error = errno;
            ::close(fd);
            return t;
        }
        t.fd = fd;
        return t;
    }
    t.error = EBUSY;
    return t;
}

int RemoveStaleTempFiles(const QString& folder, bool olderForms)
{
    static const QRegularExpression older(
        QStringLiteral("^(\\..+\\.[A-Za-z0-9]{6}|\\.vistamo-copy-[A-Za-z0-9]{6}|\\.vistamo-write\\.[A-Za-z0-9]{6})$"));
    const QDateTime minuteAgo = QDateTime::currentDateTimeUtc().addSecs(-60);
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& e : entries) {
        const QString name = e.fileName();
        const QByteArray path = QFile::encodeName(e.absoluteFilePath());
        if (IsTempFileName(name)) {
            if (removeWhenUnheld(path))
                ++removed;
        } else if (olderForms && older.match(name).hasMatch() && !e.isSymLink()
                   && e.lastModified().toUTC() < minuteAgo) {
            if (::unlink(path.constData()) == 0)
                ++removed;
        }
    }
    return removed;
}

} // namespace platform
