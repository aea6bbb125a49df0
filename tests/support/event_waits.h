// For tests and benchmarks only: waits that serve the event loop until
// something has happened (the program itself never waits in a nested loop).
#pragma once

#include "browse/background_work.h"
#include "browse/picture_file_ops.h"
#include "platform/clock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace testsupport {

// Serves events until every write handed to the background writer before
// this call has finished and reported (the writer runs them in turn, and
// their reports reach the window's thread in that order).
inline void waitForBackgroundWrites()
{
    bool done = false;
    RunInBackgroundWriter([] {}, [&done] { done = true; });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Waits hours : seconds . milliseconds on the monotonic clock while events
// run (a change of the wall clock neither stretches nor cuts the wait; a
// clock frozen by a test still lets it end).
inline void waitProcessingMessages(quint16 hours, quint16 seconds, quint16 milliseconds)
{
    const qint64 span = qint64(hours) * 3600000 + qint64(seconds / 60) * 60000 + qint64(seconds % 60) * 1000
                        + qint64(milliseconds);
    const qint64 end = platform::monotonicMs() + span;
    QElapsedTimer real;
    real.start();
    while (platform::monotonicMs() < end && real.elapsed() <= span + 1000) {
        QEventLoop loop;
        QTimer::singleShot(int(std::clamp<qint64>(end - platform::monotonicMs(), 1, 10)), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

// Copies (or moves) one picture and serves events until the copy has ended.
inline CopyOutcome copyPictureFileToEnd(const QString& source, const QString& target, CopyState& state,
                                        const PictureOpsOptions& options, PictureOpsHost& host)
{
    std::optional<CopyOutcome> outcome;
    CopyPictureFile(source, target, state, options, host, [&outcome](const CopyOutcome& o) { outcome = o; });
    while (!outcome)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return *outcome;
}

} // namespace testsupport
