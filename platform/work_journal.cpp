#include "platform/work_journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

const QString Extension = QStringLiteral(".journal");
constexpr qint64 MaxJournalBytes = 1 << 20;

// The journal folder, read by the writers of every thread.
std::mutex folderMutex;
QString& folderSetting()
{
    static QString folder;
    return folder;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qint64 size = bytes.size();
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

QByteArray encodeLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    return bytes;
}

} // namespace

void SetJournalFolder(const QString& folder)
{
    const std::lock_guard<std::mutex> lock(folderMutex);
    folderSetting() = folder;
}

QString JournalFolder()
{
    const std::lock_guard<std::mutex> lock(folderMutex);
    return folderSetting();
}

bool Journal::start(const QString& kind, const QStringList& lines, bool sync)
{
    finish();
    m_error = 0;
    const QString folder = JournalFolder();
    if (folder.isEmpty()) {
        m_error = ENOENT;
        return false;
    }
    static std::atomic<int> counter{0};
    const QString name = kind + QLatin1Char('-') + QString::number(::getpid()) + QLatin1Char('-')
                         + QString::number(counter.fetch_add(1));
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name + Extension);
    // Written and locked under a name no reader looks at, then renamed into
    // place: a journal never shows unlocked or half written.
    const QByteArray draft = QFile::encodeName(folder + QLatin1String("/.") + name + QLatin1String(".draft"));
    const int fd = ::open(draft.constData(), O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        m_error = errno;
        return false;
    }
    const bool ok = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && writeAll(fd, encodeLines(lines))
                    && (!sync || ::fsync(fd) == 0) && ::rename(draft.constData(), path.constData()) == 0;
    if (!ok) {
        m_error = errno ? errno : EIO;
        ::unlink(draft.constData());
        ::close(fd);
        return false;
    }
    if (sync) {
        const int dir = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    m_fd = fd;
    m_path = path;
    return true;
}

bool Journal::append(const QString& line)
{
    return m_fd >= 0 && ::lseek(m_fd, 0, SEEK_END) >= 0 && writeAll(m_fd, encodeLines({line}));
}

void Journal::finish()
{
    if (m_fd < 0)
        return;
    ::unlink(m_path.constData());
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

void Journal::leaveForNextStart()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

int RecoverInterruptedJournals(const QString& kind, const std::function<bool(const QStringList& lines)>& recover)
{
    const QString folder = JournalFolder();
    if (folder.isEmpty())
        return 0;
    QFileInfoList entries = QDir(folder).entryInfoList({kind + QLatin1String("-*") + Extension}, QDir::Files,
                                                      QDir::Time | QDir::Reversed);
    // Drafts of journals whose writer was killed before it named them.
    for (const QFileInfo& d : QDir(folder).entryInfoList({QLatin1Char('.') + kind + QLatin1String("-*.draft")},
                                                         QDir::Files | QDir::Hidden)) {
        const QByteArray path = QFile::encodeName(d.absoluteFilePath());
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
    int handed = 0;
    for (const QFileInfo& e : entries) {
        if (e.isSymLink())
            continue;
        const QByteArray path = QFile::encodeName(e.absoluteFilePath());
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);   // a running process holds it: its operation goes on
            continue;
        }
        QByteArray bytes;
        bool readable = st.st_size <= MaxJournalBytes;
        if (readable) {
            bytes.resize(qsizetype(st.st_size));
            qint64 got = 0;
            while (got < st.st_size) {
                const ssize_t n = ::read(fd, bytes.data() + got, size_t(st.st_size - got));
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    break;
                got += n;
            }
            bytes.truncate(qsizetype(got));
        }
        // Every line ends with a line break; a last line without one was
        // cut short by the kill and is left out.
        QList<QByteArray> parts = bytes.split('\n');
        parts.removeLast();
        QStringList lines;
        for (const QByteArray& line : parts)
            lines << QString::fromUtf8(line);
        ++handed;
        if (!readable || recover(lines))
            ::unlink(path.constData());
        ::close(fd);
    }
    return handed;
}

} // namespace platform
