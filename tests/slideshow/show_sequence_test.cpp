#include "slideshow/show_keys.h"
#include "slideshow/show_sequence.h"

#include <Qt>
#include <gtest/gtest.h>

namespace {

int shows(ShowSequence& sequence, int direction)
{
    const ShowStep step = sequence.BeginStep(direction);
    EXPECT_EQ(step.outcome, StepOutcome::Shows);
    EXPECT_EQ(sequence.EndStep(), 0);
    return step.index;
}

} // namespace

TEST(ShowSequence, LookAheadWrapsAndMarksTheEnd)
{
    const QList<int> order{4, 2, 7};
    EXPECT_EQ(PeekPlayOrder(order, 0, 1, false).index, 2);
    EXPECT_FALSE(PeekPlayOrder(order, 0, 1, false).reachedEnd);
    // From the last picture forward: back to the first, the end is ahead.
    EXPECT_EQ(PeekPlayOrder(order, 2, 1, false).index, 4);
    EXPECT_TRUE(PeekPlayOrder(order, 2, 1, false).reachedEnd);
    EXPECT_FALSE(PeekPlayOrder(order, 2, 1, true).reachedEnd);
    // Reverse from the first: the last one.
    EXPECT_EQ(PeekPlayOrder(order, 0, -1, false).index, 7);
    EXPECT_EQ(PeekPlayOrder({}, 0, 1, false).index, -1);
}

TEST(ShowSequence, StepsWrapBackAndEndWithoutContinuousPlay)
{
    ShowSession session;
    TShowState& state = session.ShowState;
    ShowSequence sequence(session);
    sequence.Start({4, 2, 7}, false, 0, false);
    EXPECT_EQ(state.Direction, 1);
    EXPECT_EQ(state.PictureCount, 3);
    EXPECT_EQ(shows(sequence, 1), 4);
    EXPECT_EQ(shows(sequence, -1), 7);   // back from the first: the last
    EXPECT_EQ(state.ShownNumber, 3);
    EXPECT_EQ(sequence.BeginStep(1).outcome, StepOutcome::Ends);
    EXPECT_TRUE(sequence.Stop());
    EXPECT_FALSE(sequence.Stop());
    EXPECT_EQ(state.Direction, 0);
    EXPECT_EQ(sequence.BeginStep(1).outcome, StepOutcome::None);

    // Looping, from a given picture: the step after the last is the first.
    sequence.Start({4, 2, 7}, true, 2, false);
    EXPECT_EQ(shows(sequence, 1), 7);
    EXPECT_EQ(shows(sequence, 1), 4);
}

TEST(ShowSequence, AStepAskedDuringAStepFollowsIt)
{
    ShowSession session;
    TShowState& state = session.ShowState;
    ShowSequence sequence(session);
    sequence.Start({0, 1, 2, 3}, true, 0, false);
    ASSERT_EQ(sequence.BeginStep(1).index, 0);
    EXPECT_EQ(sequence.BeginStep(1).outcome, StepOutcome::Waits);
    EXPECT_EQ(sequence.BeginStep(-1).outcome, StepOutcome::Waits);
    EXPECT_EQ(sequence.EndStep(), -1);   // the newest direction asked
    EXPECT_EQ(sequence.EndStep(), 0);
}

TEST(ShowSequence, PauseKeepsTheLastDirectionAndContinueTurns)
{
    ShowSession session;
    TShowState& state = session.ShowState;
    ShowSequence sequence(session);
    sequence.Start({0, 1, 2}, true, 0, false);
    shows(sequence, 1);
    EXPECT_TRUE(sequence.Continue(-1));
    EXPECT_EQ(state.Direction, -1);
    EXPECT_EQ(sequence.TimerDirection(), -1);
    EXPECT_TRUE(sequence.TogglePause());
    EXPECT_TRUE(sequence.Paused());
    EXPECT_EQ(state.Direction, 0);
    EXPECT_TRUE(sequence.TogglePause());
    EXPECT_EQ(state.Direction, -1);

    // A one-picture show has nothing to pause; a paused start continues
    // in the direction it had.
    sequence.Start({5}, false, 0, true);
    EXPECT_FALSE(sequence.Paused());
    EXPECT_FALSE(sequence.TogglePause());
    state.Direction = -1;
    sequence.Start({0, 1, 2}, false, 1, true);
    EXPECT_EQ(state.Direction, 0);
    EXPECT_EQ(state.LastDirection, -1);
    EXPECT_EQ(shows(sequence, 1), 1);
}

TEST(ShowSequence, AheadIsTheNextInTheStepsDirectionAndTheOneLeftPausedOrNot)
{
    ShowSession session;
    TShowState& state = session.ShowState;
    ShowSequence sequence(session);
    sequence.Start({10, 11, 12, 13}, false, 0, false);
    shows(sequence, 1);
    EXPECT_EQ(sequence.Ahead().next, 11);
    EXPECT_EQ(sequence.Ahead().left, -1);
    shows(sequence, 1);
    EXPECT_EQ(sequence.Ahead().next, 12);
    EXPECT_EQ(sequence.Ahead().left, 10);

    // Paused: the direction of the last step; a step back turns it.
    sequence.TogglePause();
    EXPECT_EQ(sequence.Ahead().next, 12);
    EXPECT_EQ(sequence.Ahead().left, 10);
    shows(sequence, -1);
    EXPECT_EQ(sequence.Ahead().next, 13);   // back from the first: the last
    EXPECT_EQ(sequence.Ahead().left, 11);
    shows(sequence, 1);
    EXPECT_EQ(sequence.Ahead().next, 12);
    EXPECT_EQ(sequence.Ahead().left, 10);

    // Playing in reverse: the one before, whatever the last step.
    sequence.Continue(-1);
    EXPECT_EQ(sequence.Ahead().next, 10);
    // Nothing past the end of a show that does not loop; nothing once stopped.
    shows(sequence, 1);
    shows(sequence, 1);
    sequence.Continue(1);
    EXPECT_EQ(sequence.Ahead().next, -1);
    EXPECT_EQ(sequence.Ahead().left, 12);
    sequence.Stop();
    EXPECT_EQ(sequence.Ahead().left, -1);
}

TEST(ShowSequence, RemovingTheCurrentPictureShowsTheOneInItsPlace)
{
    ShowSession session;
    TShowState& state = session.ShowState;
    ShowSequence sequence(session);
    sequence.Start({0, 1, 2}, false, 0, false);
    shows(sequence, 1);
    shows(sequence, 1);
    EXPECT_EQ(sequence.RemoveCurrent(), RemoveOutcome::ShowsNext);
    EXPECT_EQ(state.PictureCount, 2);
    EXPECT_EQ(shows(sequence, 1), 2);
    // After the last one: from the first.
    EXPECT_EQ(sequence.RemoveCurrent(), RemoveOutcome::ShowsNext);
    EXPECT_EQ(shows(sequence, 1), 0);
    EXPECT_EQ(sequence.RemoveCurrent(), RemoveOutcome::Emptied);
}

TEST(ShowKeys, OneTableForBothWindows)
{
    EXPECT_EQ(DecideShowKey(Qt::Key_Escape, false, ShowKeyPlace::ShowWindow), ShowKeyCommand::StopShow);
    EXPECT_EQ(DecideShowKey(Qt::Key_Home, false, ShowKeyPlace::MainWindow), ShowKeyCommand::RestartShow);
    EXPECT_EQ(DecideShowKey(Qt::Key_Space, true, ShowKeyPlace::MainWindow), ShowKeyCommand::TogglePause);
    EXPECT_EQ(DecideShowKey(Qt::Key_Right, false, ShowKeyPlace::MainWindow), ShowKeyCommand::Forward1);
    EXPECT_EQ(DecideShowKey(Qt::Key_Right, true, ShowKeyPlace::ShowWindow), ShowKeyCommand::ShowForward);
    EXPECT_EQ(DecideShowKey(Qt::Key_Left, false, ShowKeyPlace::ShowWindow), ShowKeyCommand::Backwards1);
    EXPECT_EQ(DecideShowKey(Qt::Key_Left, true, ShowKeyPlace::MainWindow), ShowKeyCommand::ShowInReverse);
    // Page Up and Page Down step in the show window only.
    EXPECT_EQ(DecideShowKey(Qt::Key_PageDown, true, ShowKeyPlace::ShowWindow), ShowKeyCommand::Forward1);
    EXPECT_EQ(DecideShowKey(Qt::Key_PageUp, false, ShowKeyPlace::ShowWindow), ShowKeyCommand::Backwards1);
    EXPECT_EQ(DecideShowKey(Qt::Key_PageUp, false, ShowKeyPlace::MainWindow), ShowKeyCommand::None);
    EXPECT_EQ(DecideShowKey(Qt::Key_A, false, ShowKeyPlace::ShowWindow), ShowKeyCommand::None);
}
