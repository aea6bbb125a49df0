#include "platform/regular_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

QString notRegular(const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("It is a folder, not a file.");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("It is a pipe, not a file.");
    if (S_ISSOCK(st.st_mode))
        return QStringLiteral("It is a socket, not a file.");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return QStringLiteral("It is a device, not a file.");
    return S_ISREG(st.st_mode) ? QString() : QStringLiteral("It is not a regular file.");
}

} // namespace

bool IsRegularFile(const QString& path)
{
    struct stat st;
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QString OpenRegularFileForReading(QFile& file, const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("No file name.");
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    QString why = notRegular(st);
    if (!why.isEmpty())
        return why;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (::fstat(fd, &st) != 0 || !(why = notRegular(st)).isEmpty()) {
        ::close(fd);
        return why.isEmpty() ? QStringLiteral("It is not a regular file.") : why;
    }
    // Reads of a regular file never block; the flag only guarded the open.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return QString();
}

} // namespace platform
