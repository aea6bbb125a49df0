#include "platform/worker_pool.h"

#include <QCoreApplication>
#include <QObject>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <malloc.h>
#include <mutex>
#include <sys/eventfd.h>
#include <unistd.h>

namespace platform {
namespace {

// The answers waiting for the window's thread. Workers push under the mutex
// and write the event counter; the window's thread reads the counter when
// its notifier fires and takes the answers one at a time, so an answer that
// runs a nested event loop still leaves the rest in their order.
class Mailbox : public QObject {
public:
    explicit Mailbox(QObject* parent) : QObject(parent), m_fd(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
    {
        if (m_fd >= 0) {
            m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
            connect(m_notifier, &QSocketNotifier::activated, this, [this] { drain(); });
        }
    }
    ~Mailbox() override
    {
        {
            std::lock_guard lock(registry());
            if (current() == this)
                current() = nullptr;
        }
        delete m_notifier;
        if (m_fd >= 0)
            ::close(m_fd);
    }

    static std::mutex& registry()
    {
        static std::mutex m;
        return m;
    }
    static Mailbox*& current()
    {
        static Mailbox* box = nullptr;
        return box;
    }

    // Called with registry() held, so the mailbox is not destroyed meanwhile.
    void post(std::function<void()> answer)
    {
        {
            std::lock_guard lock(m_mutex);
            m_answers.push_back(std::move(answer));
        }
        const uint64_t one = 1;
        while (::write(m_fd, &one, sizeof one) < 0 && errno == EINTR) {
        }
    }

private:
    void drain()
    {
        uint64_t count = 0;
        while (::read(m_fd, &count, sizeof count) < 0 && errno == EINTR) {
        }
        for (;;) {
            std::function<void()> answer;
            {
                std::lock_guard lock(m_mutex);
                if (m_answers.empty())
                    return;
                answer = std::move(m_answers.front());
                m_answers.pop_front();
            }
            if (answer)
                answer();
        }
    }

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_answers;
};

// Makes the mailbox on the window's thread the first time a pool is made.
void ensureMailbox()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return;
    std::lock_guard lock(Mailbox::registry());
    if (!Mailbox::current())
        Mailbox::current() = new Mailbox(app);
}

// Picture buffers are made on one thread and freed on another, megabytes
// each. The C library would raise its threshold for mapping such blocks
// after the first is freed, and then keep the freed buffers in each
// thread's heap, so that every worker ends up holding several pictures it
// no longer needs. A fixed threshold of a megabyte gives every block that
// large back to the system when it is freed.
void limitHeldPictureMemory()
{
    static std::once_flag once;
    std::call_once(once, [] { mallopt(M_MMAP_THRESHOLD, 1 << 20); });
}

} // namespace

WorkerPool::WorkerPool(int threads)
{
    limitHeldPictureMemory();
    ensureMailbox();
    const int count = threads > 0 ? threads : std::max(1, QThread::idealThreadCount());
    m_threads.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        m_threads.emplace_back([this] { work(); });
}

WorkerPool::~WorkerPool()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_jobs.clear();
    }
    m_wake.notify_all();
    for (std::thread& t : m_threads)
        t.join();
}

void WorkerPool::run(std::function<void()> job)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
        m_jobs.push_back(std::move(job));
    }
    m_wake.notify_one();
}

void WorkerPool::clear()
{
    std::lock_guard lock(m_mutex);
    m_jobs.clear();
    if (m_running == 0)
        m_idle.notify_all();
}

void WorkerPool::waitForDone()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && m_running == 0; });
}

void WorkerPool::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || !m_jobs.empty(); });
        if (m_stopping)
            return;
        std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        ++m_running;
        lock.unlock();
        try {
            job();
        } catch (...) {
            // A job reports its own failures in its answer; nothing leaves a worker.
        }
        job = nullptr;   // what the job holds goes before the pool counts it done
        lock.lock();
        --m_running;
        if (m_jobs.empty() && m_running == 0)
            m_idle.notify_all();
    }
}

void postToWindowThread(std::function<void()> answer)
{
    std::lock_guard lock(Mailbox::registry());
    if (Mailbox* box = Mailbox::current())
        box->post(std::move(answer));
}

} // namespace platform
