// The single-instance guard: the admission table, slot locks that a dead
// holder gives up, and raising only a live window.
#include "app/instance_guard.h"
#include "support/sandbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::writeFile;

TEST(InstanceGuardRule, AdmissionTable)
{
    // No instance running: always admitted, whatever markers a crash left.
    EXPECT_TRUE(AdmitInstance(0, false));
    EXPECT_TRUE(AdmitInstance(0, true));
    // One running: admitted unless one of the same kind runs.
    EXPECT_TRUE(AdmitInstance(1, false));
    EXPECT_FALSE(AdmitInstance(1, true));
    // Two running: never a third.
    EXPECT_FALSE(AdmitInstance(2, false));
    EXPECT_FALSE(AdmitInstance(2, true));
}

TEST(InstanceGuard, SlotsCountOnlyLiveHoldersAndADecisionChangesNothingWhenRefused)
{
    const QString data = freshDir("data");
    InstanceGuard first, second, third;
    const GuardResult a = first.Check(data, false);
    ASSERT_EQ(a.Outcome, GuardOutcome::Admitted);
    EXPECT_EQ(a.Slot, 1);
    EXPECT_EQ(InstanceGuard::RunningInstances(data), 1);

    // The first instance runs as a plain start: its marker exists.
    ASSERT_TRUE(writeFile(data + "/OtherRun.dat", {}));
    // A second plain start is refused and takes no place.
    const GuardResult refused = second.Check(data, false);
    EXPECT_EQ(refused.Outcome, GuardOutcome::Refused);
    EXPECT_FALSE(second.Admitted());
    EXPECT_EQ(InstanceGuard::RunningInstances(data), 1);

    // An audio-only start beside it is admitted.
    const GuardResult audio = second.Check(data, true);
    EXPECT_EQ(audio.Outcome, GuardOutcome::Admitted);
    EXPECT_EQ(audio.Slot, 2);
    EXPECT_EQ(InstanceGuard::RunningInstances(data), 2);

    // A third start of any kind is refused.
    EXPECT_EQ(third.Check(data, true).Outcome, GuardOutcome::Refused);
    QFile::remove(data + "/OtherRun.dat");
    EXPECT_EQ(third.Check(data, false).Outcome, GuardOutcome::Refused);
    EXPECT_EQ(InstanceGuard::RunningInstances(data), 2);

    // A holder that ends gives its slot back (the kernel does the same for a
    // crashed process: the lock goes with the file descriptor).
    first.Release();
    EXPECT_EQ(InstanceGuard::RunningInstances(data), 1);
    const GuardResult again = third.Check(data, false);
    EXPECT_EQ(again.Outcome, GuardOutcome::Admitted);
    EXPECT_EQ(again.Slot, 1);
}

TEST(InstanceGuard, SeparateDataFoldersHaveSeparateGuards)
{
    InstanceGuard a, b;
    EXPECT_EQ(a.Check(freshDir("one"), false).Outcome, GuardOutcome::Admitted);
    EXPECT_EQ(b.Check(freshDir("two"), false).Outcome, GuardOutcome::Admitted);
    EXPECT_NE(InstanceGuard::ServerName("/x/one", 1), InstanceGuard::ServerName("/x/two", 1));
    EXPECT_NE(InstanceGuard::ServerName("/x/one", 1), InstanceGuard::ServerName("/x/one", 2));
}

TEST(InstanceGuard, RefusedStartRaisesALiveWindowOnly)
{
    const QString data = freshDir("data");
    InstanceGuard plain, audio, late;
    int plainRaised = 0, audioRaised = 0;
    ASSERT_EQ(plain.Check(data, false).Outcome, GuardOutcome::Admitted);
    ASSERT_TRUE(plain.Listen([&] { ++plainRaised; }));
    ASSERT_TRUE(writeFile(data + "/OtherRun.dat", {}));
    ASSERT_EQ(audio.Check(data, true).Outcome, GuardOutcome::Admitted);
    ASSERT_TRUE(audio.Listen([&] { ++audioRaised; }));

    // The audio instance, admitted last, goes away; its marker is left over.
    audio.Release();
    ASSERT_TRUE(writeFile(data + "/AudioRun.dat", {}));

    // A plain start is refused (a plain instance runs) and reaches the live
    // plain instance, not the gone one.
    const GuardResult r = late.Check(data, false);
    EXPECT_EQ(r.Outcome, GuardOutcome::Refused);
    EXPECT_TRUE(r.Raised);
    QElapsedTimer t;
    t.start();
    while (plainRaised == 0 && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(plainRaised, 1);
    EXPECT_EQ(audioRaised, 0);
}

TEST(InstanceGuard, AdmittedStartMakesItsMarkerUnderTheLock)
{
    const QString data = freshDir("data");
    InstanceGuard plain, again, audio;
    ASSERT_EQ(plain.Check(data, false, true).Outcome, GuardOutcome::Admitted);
    EXPECT_TRUE(QFile::exists(data + "/OtherRun.dat"));
    EXPECT_FALSE(QFile::exists(data + "/AudioRun.dat"));
    // The next plain start sees the marker at once and is refused.
    EXPECT_EQ(again.Check(data, false, true).Outcome, GuardOutcome::Refused);
    ASSERT_EQ(audio.Check(data, true, true).Outcome, GuardOutcome::Admitted);
    EXPECT_TRUE(QFile::exists(data + "/AudioRun.dat"));
}
