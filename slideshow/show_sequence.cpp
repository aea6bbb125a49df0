#include "slideshow/show_sequence.h"

#include <algorithm>
#include <utility>

LookAheadStep PeekPlayOrder(const QList<int>& order, int position, int direction, bool continuous)
{
    LookAheadStep step;
    if (order.isEmpty())
        return step;
    int next = position + (direction >= 1 ? 1 : -1);
    if (next >= order.size()) {
        next = 0;
        step.reachedEnd = !continuous;
    } else if (next < 0) {
        next = int(order.size()) - 1;
    }
    step.index = order[next];
    return step;
}

void ShowSequence::Start(const QList<int>& order, bool continuous, int start, bool paused)
{
    m_order = order;
    m_continuous = continuous;
    m_paused = paused && order.size() >= 2;
    m_stopping = false;
    m_inStep = false;
    m_pendingStep = 0;
    m_left = -1;
    // The first step goes one on from here, to order[start].
    m_position = std::clamp(start, 0, std::max(0, int(order.size()) - 1)) - 1;
    if (m_paused)
        Hold();
    else
        Go(1);
    m_lastStep = m_state.LastDirection < 0 ? -1 : 1;
    SetPictureCount(int(order.size()));
}

bool ShowSequence::Stop()
{
    m_pendingStep = 0;
    Halt();
    return !std::exchange(m_stopping, true);
}

void ShowSequence::Clear()
{
    m_stopping = true;
    m_pendingStep = 0;
    m_order.clear();
    m_position = -1;
    m_paused = false;
    m_left = -1;
}

ShowStep ShowSequence::BeginStep(int direction)
{
    ShowStep step;
    if (m_order.isEmpty() || m_stopping)
        return step;
    const int towards = direction < 0 ? -1 : 1;
    if (m_inStep) {
        m_pendingStep = towards;
        step.outcome = StepOutcome::Waits;
        return step;
    }
    int next = m_position + towards;
    if (next >= m_order.size()) {
        if (!m_continuous) {
            step.outcome = StepOutcome::Ends;
            return step;
        }
        next = 0;
    }
    if (next < 0)
        next = int(m_order.size()) - 1;
    m_left = Current();
    m_position = next;
    m_lastStep = towards;
    m_state.ShownNumber = m_position + 1;
    m_inStep = true;
    step.outcome = StepOutcome::Shows;
    step.index = m_order[m_position];
    m_session.PictureIndex = step.index;
    return step;
}

int ShowSequence::EndStep()
{
    m_inStep = false;
    return std::exchange(m_pendingStep, 0);
}

bool ShowSequence::TogglePause()
{
    if (m_order.size() < 2 || m_stopping)
        return false;
    m_paused = !m_paused;
    if (m_paused) {
        Hold();
    } else {
        m_state.Direction = m_state.LastDirection >= 0 ? 1 : -1;
        m_lastStep = m_state.Direction;
    }
    return true;
}

bool ShowSequence::Continue(int direction)
{
    if (m_order.size() < 2 || m_stopping)
        return false;
    m_paused = false;
    SetManualMode(false);
    Go(direction);
    m_lastStep = m_state.Direction;
    return true;
}

void ShowSequence::SetCurrentPicture(int index, int shownNumber)
{
    m_session.PictureIndex = index;
    if (shownNumber >= 0)
        m_state.ShownNumber = shownNumber;
}

void ShowSequence::SetPictureCount(int count)
{
    m_state.PictureCount = int32_t(count);
}

void ShowSequence::Halt()
{
    m_state.Direction = 0;
}

void ShowSequence::Hold()
{
    if (m_state.Direction != 0)
        m_state.LastDirection = m_state.Direction;
    m_state.Direction = 0;
}

void ShowSequence::Go(int direction)
{
    m_state.Direction = direction < 0 ? -1 : 1;
    m_state.LastDirection = m_state.Direction;
}

void ShowSequence::AimForward()
{
    m_state.LastDirection = 1;
}

void ShowSequence::SetManualMode(bool manual)
{
    m_state.ManualMode = manual;
}

RemoveOutcome ShowSequence::RemoveCurrent()
{
    if (m_position < 0 || m_position >= m_order.size())
        return RemoveOutcome::None;
    const int removed = m_order.takeAt(m_position);
    if (m_left == removed)
        m_left = -1;
    SetPictureCount(int(m_order.size()));
    if (m_order.isEmpty())
        return RemoveOutcome::Emptied;
    // The picture that took the removed one's place is shown next; after
    // the last one the show goes on from the first.
    m_position = m_position >= m_order.size() ? -1 : m_position - 1;
    return RemoveOutcome::ShowsNext;
}

int ShowSequence::PeekNext(int direction, bool* reachedEnd) const
{
    const LookAheadStep step = PeekPlayOrder(m_order, m_position, direction, m_continuous);
    if (reachedEnd)
        *reachedEnd = step.reachedEnd;
    return step.index;
}

PicturesAhead ShowSequence::Ahead() const
{
    PicturesAhead ahead;
    if (m_stopping || m_order.size() < 2)
        return ahead;
    const int direction = m_state.Direction != 0 ? m_state.Direction : m_lastStep;
    bool reachedEnd = false;
    const int next = PeekNext(direction, &reachedEnd);
    if (!reachedEnd)
        ahead.next = next;
    if (m_left != Current() && m_order.contains(m_left))
        ahead.left = m_left;
    return ahead;
}

int ShowSequence::Current() const
{
    return m_position >= 0 && m_position < m_order.size() ? m_order[m_position] : -1;
}
