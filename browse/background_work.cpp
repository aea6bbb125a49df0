#include "browse/background_work.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QMutex>
#include <QPointer>
#include <QThreadPool>

#include <exception>
#include <memory>

namespace {

// The one writer thread; it lives on the window's thread and goes with the
// application, after its writes have finished.
class BackgroundWriter : public QObject {
public:
    BackgroundWriter() : QObject(QCoreApplication::instance()) { m_pool.setMaxThreadCount(1); }
    ~BackgroundWriter() override { m_pool.waitForDone(); }

    static BackgroundWriter& instance()
    {
        static QPointer<BackgroundWriter> writer;
        if (!writer)
            writer = new BackgroundWriter;
        return *writer;
    }

    void write(std::function<void()> work, std::function<void()> done)
    {
        ++m_running;
        // The pool is waited for before the writer goes, so `this` is whole
        // while a job runs; a posted report dies with it.
        m_pool.start([this, work = std::move(work), done = std::move(done)]() mutable {
            try {
                work();
            } catch (...) {
            }
            QMetaObject::invokeMethod(this, [this, done = std::move(done)]() {
                --m_running;
                if (done)
                    done();
            }, Qt::QueuedConnection);
        });
    }
    int running() const { return m_running; }

private:
    QThreadPool m_pool;
    int m_running = 0;
};

} // namespace

void RunServingEvents(const std::function<void()>& work)
{
    struct State {
        QMutex mutex;
        bool done = false;
        std::exception_ptr error;
    };
    auto state = std::make_shared<State>();
    QEventLoop loop;
    QThreadPool::globalInstance()->start([state, &work, &loop]() {
        try {
            work();
        } catch (...) {
            state->error = std::current_exception();
        }
        QMutexLocker lock(&state->mutex);
        state->done = true;
        // The caller waits in `loop` until this call has run.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    for (;;) {
        {
            QMutexLocker lock(&state->mutex);
            if (state->done)
                break;
        }
        loop.exec();
    }
    // Let the posted quit run before the loop object goes.
    QCoreApplication::sendPostedEvents(&loop, QEvent::MetaCall);
    if (state->error)
        std::rethrow_exception(state->error);
}

void RunInBackgroundWriter(std::function<void()> work, std::function<void()> done)
{
    BackgroundWriter::instance().write(std::move(work), std::move(done));
}

void WaitForBackgroundWrites()
{
    BackgroundWriter& writer = BackgroundWriter::instance();
    while (writer.running() > 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
