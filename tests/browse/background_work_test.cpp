// Writes handed off the window's thread: done one after another in the
// order given, each reported on the window's thread.
#include "browse/background_work.h"
#include "support/event_waits.h"

#include <QThread>
#include <gtest/gtest.h>

#include <vector>

TEST(BackgroundWork, WritesRunInTurnAndReportOnTheWindowsThread)
{
    std::vector<int> written;
    std::vector<QThread*> reportedOn;
    for (int i = 0; i < 5; ++i)
        RunInBackgroundWriter([&written, i] { written.push_back(i); },
                              [&reportedOn] { reportedOn.push_back(QThread::currentThread()); });
    testsupport::waitForBackgroundWrites();
    EXPECT_EQ(written, (std::vector<int>{0, 1, 2, 3, 4}));
    ASSERT_EQ(reportedOn.size(), 5u);
    for (QThread* t : reportedOn)
        EXPECT_EQ(t, QThread::currentThread());
}
