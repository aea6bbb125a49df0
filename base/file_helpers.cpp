// Path helpers, free copy names, and the checked copy and move the program
// uses for files it must not lose.
#include "base/file_helpers.h"

#include "base/found_file.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "platform/temp_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Index of the extension's dot in the path, or -1.
qsizetype extDot(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1)   // no dot in the name, or only a leading one
        return -1;
    return dot;
}

QString fileNameOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

bool entryExists(const QString& path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}


// True when both files hold the same bytes.
bool sameBytes(QFileDevice& a, QFileDevice& b)
{
    if (!a.seek(0) || !b.seek(0) || a.size() != b.size())
        return false;
    constexpr qint64 chunk = 1 << 20;
    while (!a.atEnd()) {
        const QByteArray x = a.read(chunk);
        const QByteArray y = b.read(chunk);
        if (x.isEmpty() && a.error() != QFileDevice::NoError)
            return false;
        if (x != y)
            return false;
    }
    return b.atEnd();
}

// Writes the whole source into the locked temporary file, syncs it, checks
// its bytes, gives it the source's mode and date, and renames it to the target.
CopyStatus copyIntoTemp(QFile& in, const platform::TempFile& temp, const QString& target)
{
    QFile tmp;
    if (!tmp.open(temp.fd, QIODevice::ReadWrite, QFileDevice::DontCloseHandle))
        return CopyStatus::TargetUnwritable;
    constexpr qint64 chunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray data = in.read(chunk);
        if (data.isEmpty() && in.error() != QFileDevice::NoError)
            return CopyStatus::SourceUnreadable;
        if (tmp.write(data) != data.size())
            return CopyStatus::TargetUnwritable;
    }
    if (!tmp.flush() || ::fsync(temp.fd) != 0)
        return CopyStatus::TargetUnwritable;
    if (!sameBytes(in, tmp))
        return CopyStatus::VerifyFailed;
    // The copy keeps the source's permissions and date, as a file copy does.
    struct stat st;
    if (::fstat(in.handle(), &st) == 0) {
        ::fchmod(temp.fd, st.st_mode & 07777);
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(temp.fd, times);
    }
    tmp.close();
    if (::rename(temp.path.constData(), QFile::encodeName(target).constData()) != 0)
        return CopyStatus::TargetUnwritable;
    return CopyStatus::Ok;
}

// The new entry of the folder reaches the disk: until the folder itself is
// synced, a power cut can lose a renamed file even though its bytes were
// synced. A move deletes its source only after this.
void syncFolderOf(const QString& path)
{
    const int dir = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace

QString FileExtOf(const QString& path)
{
    const qsizetype dot = extDot(path);
    return dot < 0 ? QString() : path.mid(dot);
}

QString StripFileExt(const QString& path, bool dropDot)
{
    const qsizetype dot = extDot(path);
    if (dot < 0)
        return path;
    return path.left(dropDot ? dot : dot + 1);
}

QString CutAtLastBackslash(const QString& path, bool keepSeparator)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return path;
    return path.left(keepSeparator ? slash + 1 : slash);
}

QString FolderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    if (slash == 0)
        return QStringLiteral("/");
    return path.left(slash);
}

QString VoicePathFor(const QString& picturePath)
{
    if (extDot(picturePath) < 0)
        return picturePath + QStringLiteral(".wav");
    return StripFileExt(picturePath, false) + QStringLiteral("wav");
}

bool PictureCarriesVoice(const QString& picturePath)
{
    static const QStringList exts = {
        QStringLiteral(".jpg"), QStringLiteral(".jpeg"), QStringLiteral(".ico"), QStringLiteral(".bmp"),
        QStringLiteral(".wmf"), QStringLiteral(".emf"), QStringLiteral(".gif"),
    };
    return exts.contains(FileExtOf(picturePath).toLower());
}

QString ReadOnlyShowSavedText(const QString& originalPath, const QString& newPath)
{
    // A message box shows "&" as it is, so the name is not doubled here.
    return fileNameOf(originalPath) + QStringLiteral(" is set to read-only,") + QStringLiteral("\r\n")
           + QStringLiteral("file has been saved as : ") + newPath;
}

QString MakeUniqueCopyName(const QString& path, const QString& kind, bool quiet)
{
    const QString ext = FileExtOf(path);
    const QString dir = FolderOf(path);
    QString name = fileNameOf(path);

    // Drop an earlier numbering tail, looked for in the file name only.
    QString tail;
    if (kind == QLatin1String("PictureFile") || kind == QLatin1String("SoundFile"))
        tail = QStringLiteral("_Renamed_");
    else if (kind == QLatin1String("CutOutFile"))
        tail = QStringLiteral("_CutOut_");
    if (!tail.isEmpty()) {
        const qsizetype at = name.indexOf(tail);
        if (at >= 0)
            name = name.left(at) + ext;
    }
    const QString base = StripFileExt(name, true);
    // Inside "/" the separator is already there.
    const QString prefix = dir.isEmpty() ? QString()
                           : dir.endsWith(QLatin1Char('/')) ? dir
                                                            : dir + QLatin1Char('/');

    QString candidate;
    for (qint64 n = 1;; ++n) {
        const QString num = QString::number(n);
        if (kind == QLatin1String("ShowFile")) {
            candidate = prefix + QStringLiteral("Copy ") + num + QStringLiteral(" of ") + name;
            if (!entryExists(candidate))
                break;
        } else if (kind == QLatin1String("CutOutFile")) {
            candidate = prefix + base + QStringLiteral("_CutOut_") + num;
            if (!entryExists(candidate + QStringLiteral(".bmp")) && !entryExists(candidate + QStringLiteral(".jpg")))
                break;
        } else if (kind == QLatin1String("PictureFile")) {
            candidate = prefix + base + QStringLiteral("_Renamed_") + num + ext;
            if (!entryExists(candidate) && !entryExists(VoicePathFor(candidate)))
                break;
        } else {   // "SoundFile" and any other kind
            candidate = prefix + base + QStringLiteral("_Renamed_") + num + ext;
            if (!entryExists(candidate))
                break;
        }
    }
    if (kind == QLatin1String("ShowFile") && !quiet)
        platform::showMessage(platform::PromptKind::Warning, ReadOnlyShowSavedText(path, candidate));
    return candidate;
}

bool SameFile(const QString& a, const QString& b)
{
    std::error_code ec;
    const bool same = std::filesystem::equivalent(QFile::encodeName(a).toStdString(),
                                                  QFile::encodeName(b).toStdString(), ec);
    return !ec && same;
}

CopyStatus CopyFileVerified(const QString& source, const QString& target, int* error)
{
    if (error)
        *error = 0;
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
        if (targetInfo.isDir() || !targetInfo.permissions().testFlag(QFileDevice::WriteOwner)) {
            if (error)
                *error = targetInfo.isDir() ? EISDIR : EACCES;
            return CopyStatus::TargetUnwritable;
        }
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return CopyStatus::SourceUnreadable;
    // The copy goes to the target's own temporary file, locked while it is
    // written; a leftover of an interrupted copy is taken over.
    platform::TempFile temp = platform::OpenTempFor(target);
    if (temp.fd < 0) {
        if (error)
            *error = temp.error;
        return CopyStatus::TargetUnwritable;
    }
    errno = 0;
    const CopyStatus status = copyIntoTemp(in, temp, target);
    if (status == CopyStatus::TargetUnwritable && error)
        *error = errno;
    if (status != CopyStatus::Ok)
        ::unlink(temp.path.constData());
    platform::CloseTemp(temp);   // the lock lasts until the file is renamed or gone
    if (status == CopyStatus::Ok)
        syncFolderOf(target);
    return status;
}

bool CopyFileChecked(const QString& source, const QString& target)
{
    return CopyFileVerified(source, target) == CopyStatus::Ok;
}

bool MoveFileChecked(const QString& source, const QString& target, bool replace)
{
    if (source.isEmpty() || target.isEmpty() || !QFileInfo(source).isFile())
        return false;
    const bool targetExists = QFileInfo::exists(target) || QFileInfo(target).isSymLink();
    if (targetExists) {
        if (SameFile(source, target) || !replace)
            return false;
    }
    if (::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    if (errno != EXDEV)
        return false;
    // Across volumes: copy, check, and only then delete the source.
    if (!CopyFileChecked(source, target))
        return false;
    if (!QFile::remove(source)) {
        if (!targetExists)
            QFile::remove(target);
        return false;
    }
    return true;
}

QString LastPathComponent(const QString& Path)
{
    const int slash = Path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return Path;
    const QString last = Path.mid(slash + 1);
    if (!last.isEmpty())
        return last;
    // A path ending in "/": the root of its drive.
    const auto drive = platform::DriveOf(Path);
    return drive ? drive->mountPoint : QStringLiteral("/");
}
