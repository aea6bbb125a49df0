// File attributes by mode bits and the freedesktop `.hidden` convention.
#include "platform/file_attributes.h"

#include "platform/record_file.h"
#include "platform/regular_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <mutex>
#include <sys/stat.h>

namespace platform {
namespace {

bool statPath(const QString& path, struct stat& st)
{
    if (path.isEmpty())
        return false;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0;
}

QString cleaned(const QString& path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

QString hiddenListOf(const QString& cleanPath)
{
    return QFileInfo(cleanPath).absolutePath() + QStringLiteral("/.hidden");
}

// The names of a ".hidden" list. `complete` is false when a list is there
// but was not read whole (not a regular file, or larger than a list of
// names ever is), so that it is never rewritten from a part.
QStringList readHiddenList(const QString& listPath, bool* complete = nullptr)
{
    constexpr qint64 maxListBytes = 1 << 20;
    if (complete)
        *complete = !QFileInfo::exists(listPath) && !QFileInfo(listPath).isSymLink();
    QFile f(listPath);
    if (!platform::OpenRegularFileForReading(f, listPath).isEmpty() || f.size() > maxListBytes)
        return {};
    if (complete)
        *complete = true;
    QStringList names;
    const QList<QByteArray> lines = f.read(f.size()).split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            names << QString::fromUtf8(line);
    }
    return names;
}

} // namespace

int FileAttributesOf(const QString& path)
{
    struct stat st;
    if (!statPath(path, st))
        return -1;
    int attrs = S_ISDIR(st.st_mode) ? faDirectory : faArchive;
    if (!(st.st_mode & S_IWUSR))
        attrs |= faReadOnly;
    if (IsHidden(path))
        attrs |= faHidden;
    return attrs;
}

bool IsReadOnly(const QString& path)
{
    struct stat st;
    if (!statPath(path, st))
        return false;
    return !(st.st_mode & S_IWUSR);
}

bool SetReadOnly(const QString& path, bool readOnly)
{
    struct stat st;
    if (!statPath(path, st))
        return false;
    mode_t mode = st.st_mode & 07777;
    if (readOnly)
        mode &= ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH);
    else
        mode |= S_IWUSR;
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

bool IsHidden(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString clean = cleaned(path);
    if (clean == QLatin1String("/"))
        return false;
    const QString name = QFileInfo(clean).fileName();
    if (name.startsWith(QLatin1Char('.')))
        return true;
    return readHiddenList(hiddenListOf(clean)).contains(name);
}

bool SetHidden(const QString& path, bool hidden)
{
    if (path.isEmpty())
        return false;
    const QString clean = cleaned(path);
    if (clean == QLatin1String("/"))
        return !hidden;
    const QString name = QFileInfo(clean).fileName();
    if (name.startsWith(QLatin1Char('.')))
        return hidden;   // a dot-name is always hidden
    const QString listPath = hiddenListOf(clean);
    // Thumbnail workers hide new thumbnail folders while the window's thread
    // may hide others: one read-change-write of a `.hidden` list at a time.
    static std::mutex listMutex;
    std::lock_guard lock(listMutex);
    bool complete = false;
    QStringList names = readHiddenList(listPath, &complete);
    if (!complete)
        return false;
    const bool listed = names.contains(name);
    if (listed == hidden)
        return true;
    if (hidden)
        names << name;
    else
        names.removeAll(name);
    if (names.isEmpty())
        return QFile::remove(listPath);
    return SafeWriteFile(listPath, (names.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()).ok();
}

} // namespace platform
