#include "browse/picture_decode_queue.h"

#include "browse/picture_loader.h"
#include "platform/worker_pool.h"

#include <QPointer>

#include <mutex>
#include <set>

// The tickets still wanted, shared by the window's thread and the workers.
// The pool is last, so it stops (and waits for its jobs) before the rest goes.
struct PictureDecodeQueue::Shared {
    explicit Shared(int threads) : pool(std::max(1, threads)) {}

    mutable std::mutex mutex;
    std::set<quint64> pending;
    quint64 lastTicket = 0;
    platform::WorkerPool pool;

    bool stillPending(quint64 ticket) const
    {
        std::lock_guard lock(mutex);
        return pending.count(ticket) != 0;
    }
};

PictureDecodeQueue::PictureDecodeQueue(int maxThreads, QObject* parent)
    : QObject(parent), m_shared(std::make_unique<Shared>(maxThreads))
{
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
        std::lock_guard lock(m_shared->mutex);
        ticket = ++m_shared->lastTicket;
        m_shared->pending.insert(ticket);
    }
    // Worker: reads the request (a copy) and the ticket set under its mutex,
    // decodes through the loader (no shared state), and posts its answer.
    // The destructor waits for the pool before the shared state goes; an
    // answer served after the queue is gone finds no queue and is dropped.
    Shared* shared = m_shared.get();
    QPointer<PictureDecodeQueue> self(this);
    m_shared->pool.run([self, shared, ticket, request]() mutable {
        if (!shared->stillPending(ticket))
            return; // cancelled before it started
        LoadedPicture picture;
        LoadOutcome outcome;
        try {
            if (request.area.isEmpty()) {
                picture = LoadPictureFile(request.path, QSize());
            } else {
                const QSize area = request.area;
                const int limit = request.limitPercent;
                picture = LoadPictureFile(
                    request.path, [area, limit](QSize trueSize) { return FittedPictureSize(trueSize, area, limit); });
            }
        } catch (...) {
            // The decoders' exceptions end here; a value goes on.
            outcome = LoadErrorOf(std::current_exception());
        }
        if (!shared->stillPending(ticket))
            return;
        platform::postToWindowThread(
            [self = std::move(self), ticket, picture = std::move(picture), outcome]() {
                if (self)
                    self->deliver(ticket, picture, outcome);
            });
    });
    return ticket;
}

void PictureDecodeQueue::deliver(quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome)
{
    {
        std::lock_guard lock(m_shared->mutex);
        if (!m_shared->pending.erase(ticket))
            return; // cancelled after the decode finished
    }
    emit decoded(ticket, picture, outcome);
}

void PictureDecodeQueue::cancel(quint64 ticket)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->pending.erase(ticket);
}

void PictureDecodeQueue::cancelAll()
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->pending.clear();
}

bool PictureDecodeQueue::isPending(quint64 ticket) const
{
    return m_shared->stillPending(ticket);
}
