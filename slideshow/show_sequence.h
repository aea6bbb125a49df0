// The running show's sequence: its play order, where it stands, which way
// it goes, whether it is paused, the steps over the order and which pictures
// are worth decoding ahead. Plain logic; the full-screen show window asks it
// what to show and shows that. The show's position and direction live in the
// session (`PictureIndex`, and the show state's `Direction`, `LastDirection`,
// `ManualMode`, `ShownNumber`, `PictureCount`), which other parts read; the sequence is
// their one writer, and the page show and the full view ask it to set them.
#pragma once

#include "base/show_session.h"

#include <QList>

// The step after `position` over `order` in `direction` (>= 1 forward, else
// back), wrapping round: the picture index there (-1 for an empty order)
// and whether the step passed the end of the order while the show does not
// play continuously (the last picture is then the one shown now).
struct LookAheadStep {
    int index = -1;
    bool reachedEnd = false;
};
LookAheadStep PeekPlayOrder(const QList<int>& order, int position, int direction, bool continuous);

// What a step asks of the window.
enum class StepOutcome {
    None,    // nothing to do: no show, or the show is stopping
    Waits,   // a step is under way; this one follows it (EndStep gives it)
    Ends,    // the step passed the end of a show that does not loop
    Shows,   // show the picture `index`
};
struct ShowStep {
    StepOutcome outcome = StepOutcome::None;
    int index = -1;
};

// The pictures to keep decoded while one is shown: the next one in the
// direction the show goes, or, paused, in the direction of the last step
// (forward when none); and the one just left. -1 where there is none.
struct PicturesAhead {
    int next = -1;
    int left = -1;
};

// What removing the current picture leaves.
enum class RemoveOutcome { None, Emptied, ShowsNext };

class ShowSequence {
public:
    explicit ShowSequence(ShowSession& session) : m_session(session), m_state(session.ShowState) {}

    // Plays `order` (picture indexes) from order[start] on; looping when
    // `continuous`; `paused` (with at least two pictures) starts paused,
    // to continue in the last direction. The first step shows order[start].
    void Start(const QList<int>& order, bool continuous, int start, bool paused);
    // The show stops (its steps do nothing more). False when it was
    // stopping already.
    bool Stop();
    // No show any more: the order is emptied and the sequence stopped.
    void Clear();

    // One step by hand or by the timer: +1 forward, -1 back. A step that
    // shows a picture makes it the session's current one (PictureIndex).
    ShowStep BeginStep(int direction);
    // The step's picture is on its way: the direction of a step asked for
    // meanwhile (0 when none), to be taken now.
    int EndStep();
    // The timer's step: in the show's direction.
    int TimerDirection() const { return m_state.Direction < 0 ? -1 : 1; }

    // Pauses an advancing show or continues a paused one in its last
    // direction; false when there is nothing to toggle (fewer than two
    // pictures, or stopping).
    bool TogglePause();
    // Continues the show in `direction` (paused or not); false when there
    // is nothing to continue.
    bool Continue(int direction);
    // The current picture leaves the order; the one that took its place
    // follows with the next step (from the first after the last).
    RemoveOutcome RemoveCurrent();

    // ---- the position and direction of a show the sequence does not step
    // (the page show, the full view of one picture, a show taken on) ----
    // The session's current picture becomes `index`; its number in the
    // show becomes `shownNumber` (1 for the first; < 0 leaves it).
    void SetCurrentPicture(int index, int shownNumber = -1);
    // The show has `count` pictures.
    void SetPictureCount(int count);
    // The show advances no more; its last direction stays.
    void Halt();
    // The show pauses: its direction becomes the last one, and it stands.
    void Hold();
    // The show advances in `direction` (< 0 back, else forward), which
    // becomes its last one.
    void Go(int direction);
    // The show's last direction becomes forward (a paused show continues
    // forward).
    void AimForward();
    // The show is stepped by hand (manual mode), or no longer.
    void SetManualMode(bool manual);

    // The picture index one step from the current one in `direction`
    // without moving; -1 when none. `reachedEnd` as in PeekPlayOrder.
    int PeekNext(int direction, bool* reachedEnd = nullptr) const;
    PicturesAhead Ahead() const;

    bool Playing() const { return !m_stopping && !m_order.isEmpty(); }
    bool Stopping() const { return m_stopping; }
    bool Paused() const { return m_paused; }
    bool Continuous() const { return m_continuous; }
    const QList<int>& Order() const { return m_order; }
    int Position() const { return m_position; }
    // The picture index at the position, -1 when none.
    int Current() const;

private:
    ShowSession& m_session;
    TShowState& m_state;
    QList<int> m_order;
    int m_position = -1;
    bool m_continuous = false;
    bool m_paused = false;
    bool m_stopping = true;
    bool m_inStep = false;
    // A step asked for while a step was under way: the newest direction.
    int m_pendingStep = 0;
    // The direction of the last step or continuation; the picture left by
    // the last step.
    int m_lastStep = 1;
    int m_left = -1;
};
