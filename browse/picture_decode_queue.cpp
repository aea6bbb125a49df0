#include "browse/picture_decode_queue.h"

#include "browse/picture_loader.h"

#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QThreadPool>

#include <set>

struct PictureDecodeQueue::Shared {
    mutable QMutex mutex;
    std::set<quint64> pending;
    quint64 lastTicket = 0;
    QThreadPool pool;

    bool stillPending(quint64 ticket) const
    {
        QMutexLocker lock(&mutex);
        return pending.count(ticket) != 0;
    }
};

PictureDecodeQueue::PictureDecodeQueue(int maxThreads, QObject* parent)
    : QObject(parent), m_shared(std::make_unique<Shared>())
{
    m_shared->pool.setMaxThreadCount(std::max(1, maxThreads));
}

PictureDecodeQueue::~PictureDecodeQueue()
{
    cancelAll();
    m_shared->pool.clear();
    m_shared->pool.waitForDone();
}

quint64 PictureDecodeQueue::submit(const Request& request)
{
    quint64 ticket;
    {
        QMutexLocker lock(&m_shared->mutex);
        ticket = ++m_shared->lastTicket;
        m_shared->pending.insert(ticket);
    }
    // The destructor cancels every ticket and waits for the pool before the
    // queue and its shared state go, so both outlive every job.
    Shared* shared = m_shared.get();
    m_shared->pool.start([this, shared, ticket, request]() {
        if (!shared->stillPending(ticket))
            return; // cancelled before it started
        LoadedPicture picture;
        QString kind;
        QString detail;
        try {
            if (request.area.isEmpty()) {
                picture = LoadPictureFile(request.path, QSize());
            } else {
                const QSize area = request.area;
                const int limit = request.limitPercent;
                picture = LoadPictureFile(
                    request.path, [area, limit](QSize trueSize) { return FittedPictureSize(trueSize, area, limit); });
            }
        } catch (const std::exception& e) {
            kind = ClassifyLoadError(std::current_exception());
            detail = QString::fromStdString(e.what());
        } catch (...) {
            kind = ClassifyLoadError(std::current_exception());
        }
        // Posted under the lock: the destructor cancels under the same lock
        // first, so a result is posted only while the queue is whole. A posted
        // result dies with the queue if it is destroyed before delivery.
        QMutexLocker lock(&shared->mutex);
        if (!shared->pending.count(ticket))
            return;
        QMetaObject::invokeMethod(
            this, [this, ticket, picture = std::move(picture), kind, detail]() { deliver(ticket, picture, kind, detail); },
            Qt::QueuedConnection);
    });
    return ticket;
}

void PictureDecodeQueue::deliver(quint64 ticket, const LoadedPicture& picture, const QString& kind,
                                 const QString& detail)
{
    {
        QMutexLocker lock(&m_shared->mutex);
        if (!m_shared->pending.erase(ticket))
            return; // cancelled after the decode finished
    }
    emit decoded(ticket, picture, kind, detail);
}

void PictureDecodeQueue::cancel(quint64 ticket)
{
    QMutexLocker lock(&m_shared->mutex);
    m_shared->pending.erase(ticket);
}

void PictureDecodeQueue::cancelAll()
{
    QMutexLocker lock(&m_shared->mutex);
    m_shared->pending.clear();
}

bool PictureDecodeQueue::isPending(quint64 ticket) const
{
    return m_shared->stillPending(ticket);
}
