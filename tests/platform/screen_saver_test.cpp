#include "platform/screen_saver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace platform;

TEST(ScreenSaver, InhibitedOnceWhileWantedAndReleasedWithItsCookie)
{
    std::vector<QString> calls;
    SetScreenSaverBackendForTests({[&] { calls.push_back("inhibit"); return 42u; },
                                   [&](uint32_t cookie) { calls.push_back("release " + QString::number(cookie)); }});
    SetScreenSaverInhibited(true);
    SetScreenSaverInhibited(true);   // already held: no second request
    EXPECT_TRUE(ScreenSaverInhibited());
    SetScreenSaverInhibited(false);
    SetScreenSaverInhibited(false);
    EXPECT_FALSE(ScreenSaverInhibited());
    EXPECT_EQ(calls, (std::vector<QString>{"inhibit", "release 42"}));

    // The poll follows the predicate and lets go when its owner goes.
    calls.clear();
    bool showAdvances = true;
    auto owner = std::make_unique<QObject>();
    KeepScreenAwakeWhile(owner.get(), [&] { return showAdvances; });
    QElapsedTimer t;
    t.start();
    while (!ScreenSaverInhibited() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(ScreenSaverInhibited());
    owner.reset();
    EXPECT_FALSE(ScreenSaverInhibited());
    EXPECT_EQ(calls, (std::vector<QString>{"inhibit", "release 42"}));
    SetScreenSaverBackendForTests({});
}

TEST(ScreenSaver, WithoutASessionServiceNothingFails)
{
    // No session bus in the test sandbox: the request simply has no effect.
    SetScreenSaverInhibited(true);
    SetScreenSaverInhibited(false);
    EXPECT_FALSE(ScreenSaverInhibited());
}
