// The one clock seam: wall-clock time and a monotonic millisecond counter.
// Code reads time only through these functions, so tests can freeze and
// advance it.
#pragma once

#include <QDateTime>
#include <QtGlobal>

namespace platform {

// Wall-clock now, local time.
QDateTime now();

// Milliseconds from an arbitrary fixed start; never goes backwards.
qint64 monotonicMs();

// ---- Tests -----------------------------------------------------------------

// Freezes the clock: now() returns `wall` (and monotonicMs() stays where it
// is) until advanced or reset.
void setClock(const QDateTime& wall);
// Freezes the monotonic counter at `ms`.
void setMonotonicMs(qint64 ms);
// Moves both the wall clock and the monotonic counter forward by `ms`
// (freezing the clock first at the real time when it still runs free).
void advanceClock(qint64 ms);
// Back to the real clock.
void resetClock();
// True while the clock is frozen by a test.
bool clockIsFake();

} // namespace platform
