// The idle timer hands the automatic show to the replay window's count-down.
#include "platform/keyboard_hook.h"
#include "support/test_state.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/folder_tree_widget.h"
#include "platform/clock.h"
#include "slideshow/auto_show_windows.h"
#include "support/sandbox.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

TEST(IdleTimer, LongIdleStartsTheReplayCountDown)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString folder = testsupport::freshDir(QStringLiteral("auto"));
    Settings = TSettingsRecord{};
    Settings.AutoShowPath = folder;
    Settings.AutoShowWaitSeconds = 5;
    MainWindow form(TestState());
    form.show();
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    if (!form.isActiveWindow() || QGuiApplication::applicationState() != Qt::ApplicationActive)
        GTEST_SKIP() << "this platform gives no active window";
    AutoShowCountdownWindow replay(form, form.folderTree()->Exclusions, form.state());
    form.setReplayWindow(&replay);
    platform::setMonotonicMs(1000);
    form.input()->IdleStartTick = 1000;
    form.input()->Timer1Timer();
    EXPECT_FALSE(replay.isVisible());   // not idle long enough yet
    platform::setMonotonicMs(1000 + 6000);
    form.input()->Timer1Timer();
    EXPECT_TRUE(replay.isVisible());
    EXPECT_EQ(replay.CountLabel->text(), QStringLiteral("5"));
    replay.CancelCountdown();
    platform::resetClock();
    Settings = TSettingsRecord{};
}
