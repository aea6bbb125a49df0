#include "app/instance_guard.h"

#include "base/data_folder.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

bool AdmitInstance(int runningCount, bool markerOfMyKindExists)
{
    if (runningCount <= 0)
        return true;
    const int limit = markerOfMyKindExists ? 1 : 2;
    return limit > runningCount;
}

namespace {

QString guardLockPath(const QString& dataFolder) { return dataFolder + QStringLiteral("/instance.lock"); }
QString slotPath(const QString& dataFolder, int slot)
{
    return dataFolder + QStringLiteral("/instance%1.lock").arg(slot);
}

int openLockFile(const QString& path)
{
    return ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

// Whether a live process holds the slot. When `take` is set and the slot is
// free, the lock is kept and its descriptor returned through `fdOut`.
bool slotHeld(const QString& dataFolder, int slot, bool take, int* fdOut)
{
    const int fd = openLockFile(slotPath(dataFolder, slot));
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return true;
    }
    if (take && fdOut) {
        *fdOut = fd;
    } else {
        ::flock(fd, LOCK_UN);
        ::close(fd);
    }
    return false;
}

// The guard's lock, held while a start is decided.
class GuardLock {
public:
    explicit GuardLock(const QString& dataFolder)
    {
        fd_ = openLockFile(guardLockPath(dataFolder));
        if (fd_ < 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                error_ = QString::fromLocal8Bit(std::strerror(errno));
                ::close(fd_);
                fd_ = -1;
                return;
            }
        }
    }
    ~GuardLock()
    {
        if (fd_ >= 0) {
            ::flock(fd_, LOCK_UN);
            ::close(fd_);
        }
    }
    bool ok() const { return fd_ >= 0; }
    QString error() const { return error_; }
    int lastSlot() const
    {
        char buf[16] = {};
        const ssize_t n = ::pread(fd_, buf, sizeof buf - 1, 0);
        return n > 0 ? std::atoi(buf) : 0;
    }
    void setLastSlot(int slot) const
    {
        const QByteArray text = QByteArray::number(slot) + '\n';
        if (::ftruncate(fd_, 0) == 0)
            (void)!::pwrite(fd_, text.constData(), size_t(text.size()), 0);
    }

private:
    int fd_ = -1;
    QString error_;
};

bool askToRaise(const QString& dataFolder, int slot)
{
    QLocalSocket socket;
    socket.connectToServer(InstanceGuard::ServerName(dataFolder, slot));
    if (!socket.waitForConnected(2000))
        return false;
    socket.write("raise\n");
    const bool written = socket.waitForBytesWritten(2000);
    socket.waitForReadyRead(2000);  // the answer tells the request was seen
    socket.disconnectFromServer();
    return written;
}

} // namespace

InstanceGuard::InstanceGuard() = default;
InstanceGuard::~InstanceGuard() { Release(); }

QString InstanceGuard::ServerName(const QString& dataFolder, int slot)
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = QString::number(::getuid());
    const QByteArray hash =
        QCryptographicHash::hash(QDir::cleanPath(dataFolder).toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("Vistamo-%1-%2-%3").arg(user, QString::fromLatin1(hash)).arg(slot);
}

int InstanceGuard::RunningInstances(const QString& dataFolder)
{
    int running = 0;
    for (int slot = 1; slot <= MaxInstances; ++slot)
        running += slotHeld(dataFolder, slot, false, nullptr) ? 1 : 0;
    return running;
}

GuardResult InstanceGuard::Check(const QString& dataFolder, bool audioStart, bool createMarker)
{
    GuardResult result;
    Release();
    dataFolder_ = QDir::cleanPath(dataFolder);
    if (!QDir().mkpath(dataFolder_)) {
        result.Message = QStringLiteral("Vistamo! : Can not create the data folder ") + dataFolder_;
        return result;
    }
    GuardLock lock(dataFolder_);
    if (!lock.ok()) {
        result.Message = QStringLiteral("Vistamo! : ") + lock.error();
        return result;
    }
    bool held[MaxInstances + 1] = {};
    for (int slot = 1; slot <= MaxInstances; ++slot) {
        held[slot] = slotHeld(dataFolder_, slot, false, nullptr);
        result.RunningBefore += held[slot] ? 1 : 0;
    }
    const QString marker = dataFolder_ + (audioStart ? QStringLiteral("/AudioRun.dat") : QStringLiteral("/OtherRun.dat"));
    const bool markerExists = QFileInfo(marker).isFile();

    if (AdmitInstance(result.RunningBefore, markerExists)) {
        for (int slot = 1; slot <= MaxInstances; ++slot) {
            if (held[slot])
                continue;
            int fd = -1;
            if (!slotHeld(dataFolder_, slot, true, &fd) && fd >= 0) {
                slotFd_ = fd;
                slot_ = slot;
                lock.setLastSlot(slot);
                if (createMarker) {
                    QFile markerFile(marker);
                    markerFile.open(QIODevice::WriteOnly | QIODevice::Append);
                }
                result.Outcome = GuardOutcome::Admitted;
                result.Slot = slot;
                return result;
            }
        }
    }
    // Refused: bring a live window to the front, the one admitted last first.
    result.Outcome = GuardOutcome::Refused;
    const int last = lock.lastSlot();
    QList<int> order;
    if (last >= 1 && last <= MaxInstances && held[last])
        order << last;
    for (int slot = 1; slot <= MaxInstances; ++slot)
        if (held[slot] && slot != last)
            order << slot;
    for (int slot : order) {
        if (askToRaise(dataFolder_, slot)) {
            result.Raised = true;
            break;
        }
    }
    return result;
}

bool InstanceGuard::Listen(std::function<void()> raise)
{
    if (slotFd_ < 0)
        return false;
    raise_ = std::move(raise);
    const QString name = ServerName(dataFolder_, slot_);
    // A socket left by a crashed holder of this slot is stale: the slot lock
    // proves nobody listens on it.
    QLocalServer::removeServer(name);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        server_.reset();
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                const QByteArray request = socket->readAll();
                if (request.startsWith("raise")) {
                    socket->write("ok\n");
                    socket->flush();
                    if (raise_)
                        raise_();
                }
            });
        }
    });
    return true;
}

void InstanceGuard::Release()
{
    if (server_) {
        server_->close();
        server_.reset();
    }
    if (slotFd_ >= 0) {
        ::flock(slotFd_, LOCK_UN);
        ::close(slotFd_);
        slotFd_ = -1;
    }
    slot_ = 0;
}

InstanceGuard& ProcessInstanceGuard()
{
    static InstanceGuard guard;
    return guard;
}

void RaiseRunningWindows()
{
    QWidget* modal = QApplication::activeModalWidget();
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (!w->isWindow() || w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
            continue;
        if (w->isMinimized())
            w->showNormal();
        if (!w->isVisible())
            continue;
        if (w == modal)
            continue;
        w->raise();
        w->activateWindow();
    }
    if (modal && modal->isVisible()) {
        modal->raise();
        modal->activateWindow();
    }
}
