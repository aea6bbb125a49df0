#include "platform/trash.h"

#include "platform/clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

bool deviceOf(const QString& path, dev_t& dev, bool followLink)
{
    struct stat st;
    const QByteArray p = QFile::encodeName(path);
    if ((followLink ? ::stat(p.constData(), &st) : ::lstat(p.constData(), &st)) != 0)
        return false;
    dev = st.st_dev;
    return true;
}

// The top folder of the volume a path lies on.
QString topDirOf(const QString& folder, dev_t dev)
{
    QString top = folder;
    while (top != QLatin1String("/")) {
        const QString parent = QFileInfo(top).absolutePath();
        dev_t parentDev = 0;
        if (!deviceOf(parent, parentDev, true) || parentDev != dev)
            break;
        top = parent;
    }
    return top;
}

bool makePrivateFolder(const QString& path)
{
    if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
        return true;
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0;
}

} // namespace

bool MoveToTrash(const QString& path, QString* trashedAs, QString* reason)
{
    // Says why the file stays where it is, with the system's reason.
    const auto fail = [reason](const QString& what) {
        const int error = errno;
        if (reason)
            *reason = what + (error ? QStringLiteral(": ") + qt_error_string(error) : QString());
        return false;
    };
    errno = 0;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return fail(QStringLiteral("It is not there"));
    const QString absolute = info.absoluteFilePath();
    const QString folder = info.absolutePath();
    dev_t fileDev = 0;
    if (!deviceOf(absolute, fileDev, false))
        return fail(QStringLiteral("It could not be examined"));

    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
    dev_t homeDev = 0;
    QString trash;
    QString storedPath = absolute;
    const QString dataHome = QFileInfo(home).absolutePath();
    if (QDir().mkpath(dataHome) && deviceOf(dataHome, homeDev, true) && homeDev == fileDev) {
        trash = home;
        if (!makePrivateFolder(trash))
            return fail(QStringLiteral("The Trash ") + trash + QStringLiteral(" could not be made"));
    } else {
        const QString top = topDirOf(folder, fileDev);
        trash = (top == QLatin1String("/") ? QString() : top) + QStringLiteral("/.Trash-") + QString::number(::getuid());
        if (!makePrivateFolder(trash))
            return fail(QStringLiteral("Its drive has no Trash (") + trash + QStringLiteral(" could not be made)"));
        // Paths in a volume's own Trash are kept relative to its top.
        if (top != QLatin1String("/"))
            storedPath = absolute.mid(top.size() + 1);
    }
    const QString files = trash + QStringLiteral("/files");
    const QString infos = trash + QStringLiteral("/info");
    if (!makePrivateFolder(files) || !makePrivateFolder(infos))
        return fail(QStringLiteral("The Trash ") + trash + QStringLiteral(" could not be made"));

    // A free name: the info file is created exclusively first.
    const QString name = info.fileName();
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : QStringLiteral(".") + info.suffix();
    QString chosen;
    QString infoPath;
    int fd = -1;
    for (int n = 1; n < 10000 && fd < 0; ++n) {
        chosen = n == 1 ? name : base + QStringLiteral(".") + QString::number(n) + suffix;
        infoPath = infos + QLatin1Char('/') + chosen + QStringLiteral(".trashinfo");
        if (QFileInfo::exists(files + QLatin1Char('/') + chosen))
            continue;
        fd = ::open(QFile::encodeName(infoPath).constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0 && errno != EEXIST)
            return fail(QStringLiteral("The Trash ") + trash + QStringLiteral(" could not be written"));
    }
    if (fd < 0)
        return fail(QStringLiteral("The Trash ") + trash + QStringLiteral(" has no free name left"));
    const QByteArray record = "[Trash Info]\nPath=" + QUrl::toPercentEncoding(storedPath, "/") + "\nDeletionDate="
                              + now().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() + "\n";
    const bool written = ::write(fd, record.constData(), size_t(record.size())) == record.size();
    const int writeError = errno;
    ::close(fd);
    const QString target = files + QLatin1Char('/') + chosen;
    if (!written) {
        QFile::remove(infoPath);
        errno = writeError;
        return fail(QStringLiteral("The Trash ") + trash + QStringLiteral(" could not be written"));
    }
    if (::rename(QFile::encodeName(absolute).constData(), QFile::encodeName(target).constData()) != 0) {
        const int renameError = errno;
        QFile::remove(infoPath);
        errno = renameError;
        return fail(QStringLiteral("It could not be moved into the Trash"));
    }
    if (trashedAs)
        *trashedAs = target;
    return true;
}

} // namespace platform
