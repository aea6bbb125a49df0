// The clock seam: the real clock, or a frozen one a test sets and advances.
#include "platform/clock.h"

#include <QElapsedTimer>

#include <algorithm>
#include <mutex>

namespace platform {
namespace {

// Workers read the clock (file dates) while a test may set it on the
// window's thread: the mutex guards the frozen state.
struct ClockState {
    std::mutex mutex;
    bool fake = false;
    QDateTime wall;
    qint64 mono = 0;
};

ClockState& state()
{
    static ClockState s;
    return s;
}

qint64 realMonotonicMs()
{
    static const QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

// Called with the mutex held.
void freezeAtRealTime(ClockState& s)
{
    if (s.fake)
        return;
    s.wall = QDateTime::currentDateTime();
    s.mono = realMonotonicMs();
    s.fake = true;
}

} // namespace

QDateTime now()
{
    ClockState& s = state();
    std::lock_guard lock(s.mutex);
    return s.fake ? s.wall : QDateTime::currentDateTime();
}

qint64 monotonicMs()
{
    ClockState& s = state();
    std::lock_guard lock(s.mutex);
    return s.fake ? s.mono : realMonotonicMs();
}

void setClock(const QDateTime& wall)
{
    ClockState& s = state();
    std::lock_guard lock(s.mutex);
    freezeAtRealTime(s);
    s.wall = wall.toLocalTime();
}

void setMonotonicMs(qint64 ms)
{
    ClockState& s = state();
    std::lock_guard lock(s.mutex);
    freezeAtRealTime(s);
    s.mono = ms;
}

void advanceClock(qint64 ms)
{
    ClockState& s = state();
    std::lock_guard lock(s.mutex);
    freezeAtRealTime(s);
    s.wall = s.wall.addMSecs(ms);
    s.mono += ms;
}

void resetClock()
{
    ClockState& s = state();
    std::lock_guard lock(s.mutex);
    s.fake = false;
}

bool clockIsFake()
{
    ClockState& s = state();
    std::lock_guard lock(s.mutex);
    return s.fake;
}

} // namespace platform
