// Work handed off the window's thread: a job waited for while events are
// served (its exceptions come back), and writes done one after another in
// the order given, each reported on the window's thread.
#include "browse/background_work.h"

#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

TEST(BackgroundWork, AJobRunsElsewhereWhileEventsAreServed)
{
    QThread* worker = nullptr;
    bool timerRan = false;
    std::atomic<bool> release{false};
    QTimer::singleShot(0, [&] {
        timerRan = true;
        release = true;
    });
    // The job ends only after a timer on the waiting thread has run.
    RunServingEvents([&] {
        worker = QThread::currentThread();
        while (!release)
            QThread::yieldCurrentThread();
    });
    EXPECT_TRUE(timerRan);
    EXPECT_NE(worker, QThread::currentThread());
    EXPECT_THROW(RunServingEvents([] { throw std::runtime_error("disk gone"); }), std::runtime_error);
}

TEST(BackgroundWork, WritesRunInTurnAndReportOnTheWindowsThread)
{
    std::vector<int> written;
    std::vector<QThread*> reportedOn;
    for (int i = 0; i < 5; ++i)
        RunInBackgroundWriter([&written, i] { written.push_back(i); },
                              [&reportedOn] { reportedOn.push_back(QThread::currentThread()); });
    WaitForBackgroundWrites();
    EXPECT_EQ(written, (std::vector<int>{0, 1, 2, 3, 4}));
    ASSERT_EQ(reportedOn.size(), 5u);
    for (QThread* t : reportedOn)
        EXPECT_EQ(t, QThread::currentThread());
}
