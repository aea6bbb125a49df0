// The worker pool: what a job writes is whole in its answer, answers run on
// the window's thread, and a pool that goes drops the jobs not started.
#include "platform/worker_pool.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <vector>

TEST(WorkerPool, AnswersRunOnTheWindowThreadAndSeeWhatTheirJobWrote)
{
    constexpr int kJobs = 200;
    std::vector<std::vector<int>> written(kJobs);
    int answered = 0;
    int wrong = 0;
    {
        platform::WorkerPool pool(4);
        for (int i = 0; i < kJobs; ++i) {
            pool.run([&written, &answered, &wrong, i] {
                written[size_t(i)].assign(100, i);   // plain writes, no lock
                platform::postToWindowThread([&written, &answered, &wrong, i] {
                    if (QThread::currentThread() != QCoreApplication::instance()->thread()
                        || written[size_t(i)] != std::vector<int>(100, i))
                        ++wrong;
                    ++answered;
                });
            });
        }
        QElapsedTimer clock;
        clock.start();
        while (answered < kJobs && clock.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    EXPECT_EQ(answered, kJobs);
    EXPECT_EQ(wrong, 0);

    // A pool that goes waits for its running job and drops the queued ones.
    std::atomic<int> started{0};
    {
        platform::WorkerPool pool(1);
        for (int i = 0; i < 5; ++i)
            pool.run([&started] {
                ++started;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            });
        while (started == 0)
            std::this_thread::yield();
    }
    EXPECT_EQ(started, 1);
}
