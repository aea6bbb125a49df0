#include "app/key_commands.h"
#include "platform/keyboard_hook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
HookInput showKey(int key)
{
    HookInput in;
    in.playbackActive = true;
    in.key = key;
    return in;
}
// The show command a key decision runs, None when it runs none.
ShowKeyCommand showCommand(const HookDecision& d)
{
    return d.action == HookAction::ShowKey ? d.showKey : ShowKeyCommand::None;
}
} // namespace

TEST(KeyboardHook, ArrowsDuringAShowStepOrContinue)
{
    HookDecision d = DecideHookKey(showKey(Qt::Key_Right));
    EXPECT_TRUE(d.startHookHandled);
    EXPECT_EQ(showCommand(d), ShowKeyCommand::Forward1);
    HookInput in = showKey(Qt::Key_Left);
    EXPECT_EQ(showCommand(DecideHookKey(in)), ShowKeyCommand::Backwards1);
    // Right arrow while the Ctrl latch is set continues the show forward.
    in = showKey(Qt::Key_Right);
    in.ctrlLatch = true;
    EXPECT_EQ(showCommand(DecideHookKey(in)), ShowKeyCommand::ShowForward);
    in.key = Qt::Key_Left;
    EXPECT_EQ(showCommand(DecideHookKey(in)), ShowKeyCommand::ShowInReverse);
    EXPECT_EQ(showCommand(DecideHookKey(showKey(Qt::Key_Space))), ShowKeyCommand::TogglePause);
    // Every key of the show's table reaches the show through the hook.
    EXPECT_EQ(showCommand(DecideHookKey(showKey(Qt::Key_Escape))), ShowKeyCommand::StopShow);
}

TEST(KeyboardHook, AtMostOneActionPer300Ms)
{
    HookInput in = showKey(Qt::Key_Right);
    in.hookHandledRunning = true;   // a key was handled less than 300 ms ago
    HookDecision d = DecideHookKey(in);
    EXPECT_FALSE(d.startHookHandled);
    EXPECT_EQ(d.action, HookAction::None);
    in.key = Qt::Key_A;
    EXPECT_EQ(DecideHookKey(in).action, HookAction::None);
}

TEST(KeyboardHook, CtrlLatchAndRotation)
{
    HookInput in = showKey(Qt::Key_Control);
    in.hookHandledRunning = true;
    HookDecision d = DecideHookKey(in);
    EXPECT_TRUE(d.setCtrlLatch);                  // also when not handled
    EXPECT_EQ(d.action, HookAction::None);
    in = showKey(Qt::Key_Control);
    in.ctrlLatch = true;
    d = DecideHookKey(in);
    EXPECT_FALSE(d.setCtrlLatch);
    EXPECT_FALSE(d.startHookHandled);             // Ctrl alone takes no turn
    EXPECT_EQ(d.action, HookAction::None);

    in = showKey(Qt::Key_L);
    in.ctrlHeld = true;
    in.rotateLUsable = true;
    EXPECT_EQ(DecideHookKey(in).action, HookAction::RotateLeft);
    in.playbackActive = false;                    // browsing: the selected picture
    EXPECT_EQ(DecideHookKey(in).action, HookAction::RotateLeft);
    in.ctrlHeld = false;
    EXPECT_EQ(DecideHookKey(in).action, HookAction::FormKeyDown);
    in = showKey(Qt::Key_R);
    in.ctrlHeld = true;
    EXPECT_EQ(DecideHookKey(in).action, HookAction::FormKeyDown);   // TBRotateR not usable
}

TEST(KeyboardHook, ModalWindowFullScreenAndNoShow)
{
    HookInput in = showKey(Qt::Key_Right);
    in.mainWindowEnabled = false;
    HookDecision d = DecideHookKey(in);
    EXPECT_FALSE(d.startHookHandled);
    EXPECT_EQ(d.action, HookAction::None);

    in = showKey(Qt::Key_Right);
    in.form9Visible = true;
    EXPECT_EQ(DecideHookKey(in).action, HookAction::RaiseForm9);
    in = showKey(Qt::Key_Space);
    in.playbackActive = false;
    EXPECT_EQ(DecideHookKey(in).action, HookAction::FormKeyDown);
    in = showKey(Qt::Key_Space);
    in.mouseButtonDown = true;
    EXPECT_EQ(DecideHookKey(in).action, HookAction::FormKeyDown);
}

TEST(KeyboardHook, FilterCountsEachPressOnceAndIgnoresReleases)
{
    QWidget top;
    auto* layout = new QVBoxLayout(&top);
    auto* inner = new QWidget(&top);
    layout->addWidget(inner);
    auto* edit = new QLineEdit(inner);
    int presses = 0;
    int lastKey = 0;
    KeyboardHookFilter filter([&](int key, Qt::KeyboardModifiers) {
        ++presses;
        lastKey = key;
    });
    qApp->installEventFilter(&filter);
    // F5 is not used by the line edit, so it propagates to both parents.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &press);
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(lastKey, int(Qt::Key_F5));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F5, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &release);
    EXPECT_EQ(presses, 1);
    // The next press (maybe at the same address) counts again.
    QKeyEvent again(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &again);
    EXPECT_EQ(presses, 2);
    qApp->removeEventFilter(&filter);
}

TEST(IdleTimer, StartsTheAutomaticShowAfterTheWait)
{
    IdleInput in;
    in.waitSeconds = 60;
    in.idleStart = 1000;
    in.now = 61000;
    in.autoShowPath = QStringLiteral("/home/ann/Pictures");
    in.pathIsFolder = true;
    EXPECT_EQ(DecideIdleTick(in).action, IdleAction::None);      // exactly the wait: not yet
    in.now = 61001;
    IdleDecision d = DecideIdleTick(in);
    EXPECT_EQ(d.action, IdleAction::StartReplay);
    EXPECT_FALSE(d.sourceIsFile);
    in.pathIsFile = true;
    EXPECT_TRUE(DecideIdleTick(in).sourceIsFile);               // the file wins
    in.countdown = 5;
    EXPECT_EQ(DecideIdleTick(in).action, IdleAction::None);
}

TEST(IdleTimer, LongIdleTimesDoNotOverflow)
{
    IdleInput in;
    in.waitSeconds = 2'000'000;                 // more than 2^31 milliseconds
    in.idleStart = 0;
    in.now = int64_t(2'000'000) * 1000 - 1;
    in.autoShowPath = QStringLiteral("/x");
    in.pathIsFolder = true;
    EXPECT_EQ(DecideIdleTick(in).action, IdleAction::None);
    in.now = int64_t(3) << 32;                  // beyond a 32-bit tick count
    EXPECT_EQ(DecideIdleTick(in).action, IdleAction::StartReplay);
}

TEST(IdleTimer, ActivityConditionsResetTheIdleTime)
{
    IdleInput in;
    in.waitSeconds = 1;
    in.now = 100000;
    in.autoShowPath = QStringLiteral("/x");
    in.pathIsFolder = true;
    in.neverAutoShow = true;
    IdleDecision d = DecideIdleTick(in);
    EXPECT_TRUE(d.resetIdleStart);
    EXPECT_EQ(d.action, IdleAction::None);
    in.neverAutoShow = false;
    in.playbackActive = true;
    EXPECT_TRUE(DecideIdleTick(in).resetIdleStart);
    in.playbackActive = false;
    in.thumbnailView = true;
    EXPECT_EQ(DecideIdleTick(in).action, IdleAction::StopTimer);
    in.thumbnailView = false;
    in.demoMode = true;
    EXPECT_EQ(DecideIdleTick(in).action, IdleAction::None);
}

TEST(IdleTimer, MissingAutomaticShowGivesMessageAndEmptyPathStops)
{
    IdleInput in;
    in.now = 5000;
    in.autoShowPath = QStringLiteral("/media/usb/Show.vxt");
    IdleDecision d = DecideIdleTick(in);
    EXPECT_EQ(d.action, IdleAction::Message);
    EXPECT_EQ(d.message, QStringLiteral("Automatic Show could not be started, /media/usb/Show.vxt no longer exists or Drive not ready"));
    in.autoShowPath.clear();
    EXPECT_EQ(DecideIdleTick(in).action, IdleAction::StopTimer);
}

TEST(ApplicationHint, CodesChooseStatusTexts)
{
    HintContext ctx;
    ctx.startupFolderShort = QStringLiteral("/home/ann");
    ctx.autoShowPathShort = QStringLiteral("/../Show.vxt");
    HintMemory mem;
    EXPECT_EQ(ApplicationHintText(QStringLiteral("X123"), ctx, mem).text,
              QStringLiteral("Current default start-up folder : /home/ann"));
    EXPECT_EQ(ApplicationHintText(QStringLiteral("Y"), ctx, mem).text,
              QStringLiteral("Current Automatic Show : /../Show.vxt"));
    ctx.neverAutoShow = true;
    EXPECT_EQ(ApplicationHintText(QStringLiteral("Y0"), ctx, mem).text,
              QStringLiteral("Automatic Show is disabled (See Options - Automatic Show/CD)"));
    EXPECT_EQ(ApplicationHintText(QStringLiteral("Q"), ctx, mem).text,
              QStringLiteral("Left click opens folder or MyShow file, <Ctrl + Left Click> to start show"));
    EXPECT_EQ(ApplicationHintText(QStringLiteral("B7"), ctx, mem).outcome, HintOutcome::Unchanged);
    EXPECT_EQ(ApplicationHintText(QStringLiteral(">0"), ctx, mem).outcome, HintOutcome::FolderCaption);
    EXPECT_EQ(ApplicationHintText(QStringLiteral("W"), ctx, mem).outcome, HintOutcome::FolderCaption);
    EXPECT_EQ(ApplicationHintText(QStringLiteral("Search folder 'x'"), ctx, mem).outcome, HintOutcome::Unchanged);
}

TEST(ApplicationHint, PanelTextKeptDuringAShow)
{
    HintContext ctx;
    ctx.showRunning = true;
    ctx.currentPanelText = QStringLiteral("Picture 3 of 10");
    HintMemory mem;
    HintResult r = ApplicationHintText(QStringLiteral(">0"), ctx, mem);
    EXPECT_EQ(r.outcome, HintOutcome::SetText);
    EXPECT_EQ(r.text, QStringLiteral("Picture 3 of 10"));
    ctx.currentPanelText = QStringLiteral("something else");
    EXPECT_EQ(ApplicationHintText(QStringLiteral("Q0"), ctx, mem).text, QStringLiteral("Picture 3 of 10"));

    ctx.playlistLoaded = ctx.sourceIsShow = true;
    EXPECT_EQ(ApplicationHintText(QStringLiteral("P"), ctx, mem).text,
              QStringLiteral("Playlist has not started playing yet.."));
    ctx.playlistStarted = true;
    ctx.trackFile = QStringLiteral("/m/song.mp3");
    ctx.trackNumber = 2;
    ctx.trackCount = 7;
    EXPECT_EQ(ApplicationHintText(QStringLiteral("P"), ctx, mem).text,
              QStringLiteral("Now playing from playlist: /m/song.mp3 (2/7)"));
    ctx.playlistPaused = true;
    EXPECT_EQ(ApplicationHintText(QStringLiteral("P"), ctx, mem).text,
              QStringLiteral("Playlist paused on: /m/song.mp3 (2/7)"));
}

#include "app/keyboard_hook_application.h"

TEST(ApplicationException, EscapedExceptionIsReportedOnce)
{
    QStringList seen;
    EscapedExceptionReport report;
    QObject::connect(&report, &EscapedExceptionReport::escaped, [&](const QString& m) {
        seen << m;
        report.Report(QStringLiteral("nested"));   // re-entry is ignored
    });
    report.Report(QStringLiteral("Disk full"));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen.first(), QStringLiteral("Disk full"));
}
