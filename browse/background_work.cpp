#include "browse/background_work.h"

#include "platform/worker_pool.h"

#include <QCoreApplication>
#include <QPointer>


namespace {

// The one writer thread; it lives on the window's thread and goes with the
// application, after its writes have finished.
class BackgroundWriter : public QObject {
public:
    BackgroundWriter() : QObject(QCoreApplication::instance()), m_pool(1) {}
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
        // Worker: runs `work` alone (what it touches is the caller's to
        // keep to itself). The report runs on the window's thread, and only
        // while the writer still exists.
        QPointer<BackgroundWriter> self(this);
        m_pool.run([self, work = std::move(work), done = std::move(done)]() mutable {
            try {
                work();
            } catch (...) {
            }
            platform::postToWindowThread([self = std::move(self), done = std::move(done)]() {
                if (self && done)
                    done();
            });
        });
    }

private:
    platform::WorkerPool m_pool;
};

} // namespace

void RunInBackgroundWriter(std::function<void()> work, std::function<void()> done)
{
    BackgroundWriter::instance().write(std::move(work), std::move(done));
}
