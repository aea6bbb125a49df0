#include "platform/temp_files.h"

#include "platform/work_journal.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cerrno>
#include <mutex>
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

// The folders this process is writing temporary files into, and the journal
// that lists them for the next start while any write runs. Workers write
// too, so every access takes the mutex.
class RunningWrites {
public:
    ~RunningWrites() { m_journal.finish(); }

    void begin(const QString& folder)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        int& count = m_count[folder];
        if (count++ > 0)
            return;
        const QString journalFolder = JournalFolder();
        if (m_journal.kept() && journalFolder != m_journalFolder) {
            // The journal folder changed: the list goes on in the new one.
            m_journal.finish();
            if (!journalFolder.isEmpty() && m_journal.start(QStringLiteral("writes"), m_count.keys(), false))
                m_journalFolder = journalFolder;
            return;
        }
        if (!m_journal.kept()) {
            if (!m_journal.start(QStringLiteral("writes"), {}, false))
                return;
            m_journalFolder = journalFolder;
        }
        m_journal.append(folder);
    }
    void end(const QString& folder)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        const auto it = m_count.find(folder);
        if (it == m_count.end() || --it.value() > 0)
            return;
        m_count.erase(it);
        // With no write running there is nothing to record.
        if (m_count.isEmpty())
            m_journal.finish();
    }

private:
    std::mutex m_mutex;
    QHash<QString, int> m_count;
    Journal m_journal;
    QString m_journalFolder;
};

RunningWrites& runningWrites()
{
    static RunningWrites writes;
    return writes;
}

QString folderOfTemp(const QByteArray& path)
{
    return QFileInfo(QFile::decodeName(path)).absolutePath();
}

// Opens, locks and empties the temporary file at t.path.
TempFile openTemp(TempFile t)
{
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
    // The folder is in the journal before the temporary file can exist.
    runningWrites().begin(folderOfTemp(t.path));
    t = openTemp(t);
    if (t.fd < 0)
        runningWrites().end(folderOfTemp(t.path));
    return t;
}

void CloseTemp(TempFile& temp)
{
    if (temp.fd < 0)
        return;
    ::close(temp.fd);
    temp.fd = -1;
    runningWrites().end(folderOfTemp(temp.path));
}

int RemoveStaleTempFiles(const QString& folder)
{
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& e : entries)
        if (IsTempFileName(e.fileName()) && removeWhenUnheld(QFile::encodeName(e.absoluteFilePath())))
            ++removed;
    return removed;
}

int RemoveInterruptedWriteLeftovers()
{
    int removed = 0;
    RecoverInterruptedJournals(QStringLiteral("writes"), [&](const QStringList& folders) {
        for (const QString& folder : folders)
            if (QFileInfo(folder).isAbsolute())
                removed += RemoveStaleTempFiles(folder);
        return true;
    });
    return removed;
}

} // namespace platform
