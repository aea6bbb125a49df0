// The desktop wallpaper: the values kept in the registry store, the desktop
// found from XDG_CURRENT_DESKTOP and the tool calls made for it (recorded
// through the runner seam, never run), and the main window's command with
// its style dialog.
#include "browse/wallpaper.h"
#include "support/test_state.h"
#include "browse/wallpaper_dialog.h"

#include "base/registry_store.h"
#include "app/main_window.h"
#include "browse/external_programs_controller.h"
#include "platform/prompt.h"
#include "support/sandbox.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::freshDir;

namespace {

QString stored(const char* name)
{
    return ReadRegistryString(QStringLiteral("HKEY_CURRENT_USER"), QStringLiteral("Control Panel\\Desktop"),
                              QLatin1String(name));
}

// Records every tool call and answers them; restores the real runner after.
struct RecordingRunner {
    QList<ExternalCommand> calls;
    QByteArray xfceList;
    int failAt = -1;
    WallpaperToolRunner saved;
    RecordingRunner()
    {
        saved = WallpaperRunner();
        WallpaperRunner() = [this](const ExternalCommand& c) {
            calls << c;
            WallpaperToolReply r;
            r.exitCode = calls.size() - 1 == failAt ? 1 : 0;
            if (c.arguments.contains(QStringLiteral("-l")))
                r.output = xfceList;
            return r;
        };
    }
    ~RecordingRunner() { WallpaperRunner() = saved; }
};

// Serves events until the desktop's tools have ended: the hourglass goes.
void waitForTheDesktop()
{
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::overrideCursor() == nullptr; }, 30000));
}

} // namespace

TEST(WallpaperValues, StylesGiveTheirTileAndStyleTexts)
{
    const auto v = [](int style) {
        const WallpaperValues w = WallpaperValuesFor(QStringLiteral("/p/a.jpg"), style);
        return w.tileWallpaper + QLatin1Char('/') + w.wallpaperStyle;
    };
    EXPECT_EQ(v(0), "1/0");    // Tiled
    EXPECT_EQ(v(1), "0/0");    // Centered
    EXPECT_EQ(v(2), "0/2");    // Stretched
    EXPECT_EQ(v(-1), "0/-1");  // OK without a style chosen

    SetRegistryStorePath(freshDir(QStringLiteral("reg")) + QStringLiteral("/registry.ini"));
    EXPECT_EQ(WriteWallpaperValues(WallpaperValuesFor(QStringLiteral("/p/a b.jpg"), 2)), "");
    EXPECT_EQ(stored("Wallpaper"), "/p/a b.jpg");
    EXPECT_EQ(stored("TileWallpaper"), "0");
    EXPECT_EQ(stored("WallpaperStyle"), "2");
    EXPECT_EQ(stored("WallpaperOriginX"), "0");
    EXPECT_EQ(stored("WallpaperOriginY"), "0");
    SetRegistryStorePath(QString());
}

TEST(WallpaperDesktop, DesktopFoundOnlyWithItsTool)
{
    const auto all = [](const QString&) { return true; };
    const auto none = [](const QString&) { return false; };
    EXPECT_EQ(DetectDesktop("ubuntu:GNOME", all), DesktopKind::Gnome);
    EXPECT_EQ(DetectDesktop("KDE", all), DesktopKind::Plasma);
    EXPECT_EQ(DetectDesktop("XFCE", all), DesktopKind::Xfce);
    EXPECT_EQ(DetectDesktop("X-Cinnamon", all), DesktopKind::Cinnamon);
    EXPECT_EQ(DetectDesktop("MATE", all), DesktopKind::Mate);
    EXPECT_EQ(DetectDesktop("GNOME", none), DesktopKind::None);
    EXPECT_EQ(DetectDesktop("", all), DesktopKind::None);
    EXPECT_EQ(DetectDesktop("LXQt", all), DesktopKind::None);
}

TEST(WallpaperDesktop, CommandsForEachDesktop)
{
    const QString path = QStringLiteral("/p/my pic.jpg");
    const QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);

    QList<ExternalCommand> gnome = DesktopWallpaperCommands(DesktopKind::Gnome, path, 2);
    ASSERT_EQ(gnome.size(), 3);
    EXPECT_EQ(gnome[0], (ExternalCommand{"gsettings", {"set", "org.gnome.desktop.background", "picture-uri", uri}}));
    EXPECT_EQ(gnome[2].arguments.last(), "stretched");
    EXPECT_EQ(DesktopWallpaperCommands(DesktopKind::Gnome, path, 0)[2].arguments.last(), "wallpaper");
    EXPECT_EQ(DesktopWallpaperCommands(DesktopKind::Gnome, path, 1)[2].arguments.last(), "centered");
    EXPECT_EQ(DesktopWallpaperCommands(DesktopKind::Gnome, path, -1).size(), 2);   // style left as it is

    QList<ExternalCommand> mate = DesktopWallpaperCommands(DesktopKind::Mate, path, 0);
    EXPECT_EQ(mate[0].arguments, (QStringList{"set", "org.mate.background", "picture-filename", path}));

    QList<ExternalCommand> xfce = DesktopWallpaperCommands(
        DesktopKind::Xfce, path, 0,
        {"/backdrop/screen0/monitorHDMI-1/workspace0/last-image", "/backdrop/screen0/monitorHDMI-1/workspace0/color-style",
         "/backdrop/screen0/monitoreDP-1/workspace0/last-image"});
    ASSERT_EQ(xfce.size(), 4);
    EXPECT_EQ(xfce[0].arguments,
              (QStringList{"-c", "xfce4-desktop", "-p", "/backdrop/screen0/monitorHDMI-1/workspace0/last-image", "-n",
                           "-t", "string", "-s", path}));
    EXPECT_EQ(xfce[1].arguments,
              (QStringList{"-c", "xfce4-desktop", "-p", "/backdrop/screen0/monitorHDMI-1/workspace0/image-style", "-n",
                           "-t", "int", "-s", "2"}));
    EXPECT_EQ(DesktopWallpaperCommands(DesktopKind::Xfce, path, 1).size(), 2);   // default property

    QList<ExternalCommand> plasma = DesktopWallpaperCommands(DesktopKind::Plasma, path, 1);
    ASSERT_EQ(plasma.size(), 1);
    EXPECT_EQ(plasma[0].program, "dbus-send");
    EXPECT_TRUE(plasma[0].arguments.last().startsWith("string:var all = desktops();"));
    EXPECT_TRUE(plasma[0].arguments.last().contains("d.writeConfig(\"Image\", \"" + uri + "\")"));
    EXPECT_TRUE(plasma[0].arguments.last().contains("\"FillMode\", 6"));
    // Quotes in a file name cannot end the script's string.
    EXPECT_TRUE(PlasmaWallpaperScript("/p/a\"b.jpg", 2).contains("a%22b.jpg"));

    EXPECT_TRUE(DesktopWallpaperCommands(DesktopKind::None, path, 1).isEmpty());
}

TEST(WallpaperDesktop, ApplyRunsTheCallsThroughTheSeam)
{
    RecordingRunner runner;
    runner.xfceList = "/backdrop/screen0/monitor1/workspace0/last-image\n/other\n";
    EXPECT_EQ(ApplyDesktopWallpaper("/p/a.jpg", 2, DesktopKind::Xfce), WallpaperApplied::Applied);
    ASSERT_EQ(runner.calls.size(), 3);   // list, picture, style
    EXPECT_EQ(runner.calls[1].arguments[3], "/backdrop/screen0/monitor1/workspace0/last-image");

    runner.calls.clear();
    EXPECT_EQ(ApplyDesktopWallpaper("/p/a.jpg", 2, DesktopKind::None), WallpaperApplied::StoredOnly);
    EXPECT_TRUE(runner.calls.isEmpty());

    // The dark picture of older GNOME versions may fail; the picture itself may not.
    runner.failAt = 1;
    EXPECT_EQ(ApplyDesktopWallpaper("/p/a.jpg", 0, DesktopKind::Gnome), WallpaperApplied::Applied);
    runner.calls.clear();
    runner.failAt = 0;
    EXPECT_EQ(ApplyDesktopWallpaper("/p/a.jpg", 0, DesktopKind::Gnome), WallpaperApplied::Failed);
    EXPECT_EQ(runner.calls.size(), 1);
}

TEST(WallpaperDialog, StartsWithoutAStyleAndReturnsTheChoice)
{
    WallpaperDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Change Wallpaper");
    auto* rg = dialog.findChild<QWidget*>("StyleRG");
    ASSERT_NE(rg, nullptr);
    const QList<QRadioButton*> items = rg->findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(dialog.StyleIndex(), -1);
    EXPECT_EQ(dialog.findChild<QPushButton*>("OKButton")->text(), "&OK");
    EXPECT_EQ(dialog.findChild<QPushButton*>("CancelButton")->text(), "&Cancel");
}

TEST(WallpaperCommand, OkWritesValuesAndAppliesCancelLeavesAlone)
{
    SetRegistryStorePath(freshDir(QStringLiteral("reg2")) + QStringLiteral("/registry.ini"));
    RecordingRunner runner;
    MainWindow form(TestState());
    const QString picture = freshDir(QStringLiteral("wp")) + QStringLiteral("/pic.JPG");
    ASSERT_TRUE(testsupport::writeFile(picture, QByteArray("x")));
    SetDesktopOverride(DesktopKind::Gnome);

    // Cancel: nothing written, nothing run.
    {
        platform::ScopedPromptResponder answer([](const platform::PromptRequest& r) {
            return platform::PromptReply::result(r.dialog ? 2 : 0);
        });
        form.externalPrograms()->SetWallpaperTo(picture, nullptr);
    }
    EXPECT_EQ(stored("Wallpaper"), "");
    EXPECT_TRUE(runner.calls.isEmpty());
    EXPECT_EQ(form.externalPrograms()->WallpaperNotBitmap, 1);

    // "Stretched" and OK.
    {
        platform::ScopedPromptResponder answer([](const platform::PromptRequest& r) {
            if (!r.dialog)
                return platform::PromptReply::result(0);
            r.dialog->findChild<QRadioButton*>("StyleStretched")->setChecked(true);
            r.dialog->findChild<QPushButton*>("OKButton")->click();
            return platform::PromptReply::result(r.dialog->result());
        });
        form.externalPrograms()->SetWallpaperTo(picture, nullptr);
        waitForTheDesktop();
    }
    EXPECT_EQ(form.externalPrograms()->WallpaperStyleChoice, 2);
    EXPECT_EQ(stored("Wallpaper"), picture);
    EXPECT_EQ(stored("TileWallpaper"), "0");
    EXPECT_EQ(stored("WallpaperStyle"), "2");
    ASSERT_FALSE(runner.calls.isEmpty());
    EXPECT_EQ(runner.calls.last().arguments.last(), "stretched");

    // A desktop without a tool of its own: the choice is kept and the user
    // told that the desktop's wallpaper could not be set.
    SetDesktopOverride(DesktopKind::None);
    platform::clearPromptLog();
    {
        platform::ScopedPromptResponder answer([](const platform::PromptRequest& r) {
            if (!r.dialog)
                return platform::PromptReply::button(platform::PromptAnswer::Ok);
            r.dialog->findChild<QPushButton*>("OKButton")->click();
            return platform::PromptReply::result(r.dialog->result());
        });
        form.externalPrograms()->SetWallpaperTo(picture, nullptr);
        waitForTheDesktop();
    }
    EXPECT_EQ(stored("WallpaperStyle"), "-1");
    ASSERT_EQ(platform::promptLog().size(), 2);
    EXPECT_EQ(platform::promptLog()[1].request.text, WallpaperNotSetText);
    SetRegistryStorePath(QString());
    SetDesktopOverride(std::nullopt);
}
