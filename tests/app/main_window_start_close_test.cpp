// The assembled main window (created as the program does, offscreen) on
// matters of its start and close: the window titles, the own version in the
// About box, the version check against a web page, the idle message of a missing automatic show, the Options
// dialog's pictures-per-page choice, the video program started from the
// tree, a migrated settings file in an argument start, and the full-screen
// control panel's place saved at close.
#include "app/application_setup.h"
#include "support/test_state.h"
#include "app/about_box.h"
#include "base/data_folder.h"
#include "app/help_and_version_controller.h"
#include "app/help_web.h"
#include "app/options_dialog.h"
#include "base/settings_fields.h"
#include "base/start_args.h"
#include "app/main_window.h"
#include "app/version_check.h"
#include "browse/external_programs.h"
#include "browse/external_programs_controller.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "slideshow/show_window.h"
#include "support/sandbox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>

using namespace platform;
using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

QString settingsPath() { return DefaultDataFolder() + "/VXSettings61.dat"; }

// The main window as the program makes it: created, shown and active.
struct StartedWindow {
    ScopedPromptResponder quiet{[](const PromptRequest& r) { return defaultReply(r); }};
    MainWindow form{TestState()};
    explicit StartedWindow(const QStringList& parameters = {})
    {
        SetUpApplication();
        form.startup()->StartParameters = parameters;
        form.startup()->FormCreate();
        if (form.startup()->VisibleAtStart()) {
            form.show();
            form.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        }
    }
    ~StartedWindow()
    {
        form.closing()->CloseWithoutSaving = true;
        resetClock();
    }
};

int messagesWithText(const QString& text)
{
    int n = 0;
    for (const PromptRecord& r : promptLog())
        if (r.request.type == PromptType::Message && r.request.text == text)
            ++n;
    return n;
}

} // namespace

TEST(MainWindowStart, TitlesAreTheWindowsOwnCaptions)
{
    StartedWindow w;
    // No display name is set, so the platform appends nothing to a title:
    // the name shown follows the application's name alone.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
    QCoreApplication::setApplicationName(name);
    EXPECT_EQ(name, QStringLiteral("Vistamo!"));

    QStringList titles;
    QString version;
    ScopedPromptResponder look([&](const PromptRequest& r) {
        if (r.type == PromptType::Dialog && r.dialog) {
            titles << r.dialog->windowTitle();
            if (auto* label = r.dialog->findChild<QLabel*>(QStringLiteral("Label2")))
                version = label->text();
        }
        return PromptReply::result(0);
    });
    w.form.actionNamed("PictureShowOptions1")->trigger();
    w.form.actionNamed("AboutPictureShow1")->trigger();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles.at(0), QStringLiteral("Vistamo! - Options"));
    // The own version has four numbers.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^version \\d+\\.\\d+\\.\\d+\\.\\d+$")).match(version).hasMatch())
        << version.toStdString();
    EXPECT_FALSE(w.form.windowTitle().contains(QStringLiteral(" — ")));
}

TEST(MainWindowStart, ToolTipsStayUpForTheHintHidePause)
{
    StartedWindow w;
    QWidget* button = w.form.toolBars().ToolBar1()->widgetForAction(w.form.actionNamed("ToolButton1"));
    ASSERT_TRUE(button);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &help);
    EXPECT_EQ(button->toolTipDuration(), 10000);
}

TEST(MainWindowStart, VersionCheckAnsweredWithAWebPageIsAReadFailure)
{
    StartedWindow w;
    // The site answers the record's address with an HTML page.
    const QString site = freshDir("site");
    ASSERT_TRUE(writeFile(site + "/PublVersion.dat", "<!DOCTYPE html>\n<html><body>Moved</body></html>\n"));
    qputenv(WebSiteVariable, QUrl::fromLocalFile(site).toString().toUtf8());
    QStringList dialogs;
    ScopedPromptResponder look([&](const PromptRequest& r) {
        if (r.type == PromptType::Dialog && r.dialog)
            dialogs << r.dialog->objectName();
        return defaultReply(r);
    });
    w.form.actionNamed("Checkforupdate")->trigger();
    qunsetenv(WebSiteVariable);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.form.helpAndVersion()->VersionCheckRunning(); }, 30000));
    EXPECT_TRUE(dialogs.isEmpty());   // no new-version window
    EXPECT_EQ(messagesWithText(VersionReadErrorText(2)), 1);
}

TEST(MainWindowStart, MissingAutomaticShowIsReportedOnceUntilTheUserActs)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    StartedWindow w;
    const QString gone = freshDir("auto") + "/Holiday.vxt";
    Settings.AutoShowPath = gone;
    Settings.AutoShowWaitSeconds = 5;
    Settings.NeverAutoShow = 0;
    const QString message =
        "Automatic Show could not be started, " + gone + " no longer exists or Drive not ready";
    setMonotonicMs(1000000);
    w.form.input()->UserActivity();
    clearPromptLog();

    advanceClock(6000);
    w.form.input()->Timer1Timer();
    EXPECT_EQ(messagesWithText(message), 1);
    EXPECT_FALSE(w.form.input()->idleTimer()->isActive());

    // The message box closes and the window is active again: no input of
    // the user, so the message does not come back.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&w.form, &activate);
    for (int i = 0; i < 3; ++i) {
        advanceClock(6000);
        w.form.input()->Timer1Timer();
    }
    EXPECT_EQ(messagesWithText(message), 1);
    EXPECT_FALSE(w.form.input()->idleTimer()->isActive());

    // A click in the folder tree is the user's: the idle time starts again
    // and, once it has passed, the message is given again.
    ASSERT_GT(w.form.treeView()->topLevelItemCount(), 0);
    QTreeWidgetItem* root = w.form.treeView()->topLevelItem(0);
    QTest::mouseClick(w.form.treeView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      w.form.treeView()->visualItemRect(root).center());
    QCoreApplication::processEvents();
    EXPECT_TRUE(w.form.input()->idleTimer()->isActive());
    w.form.input()->Timer1Timer();
    EXPECT_EQ(messagesWithText(message), 1);   // the idle time starts anew
    advanceClock(6000);
    w.form.input()->Timer1Timer();
    EXPECT_EQ(messagesWithText(message), 2);
}

TEST(MainWindowStart, OptionsApplyKeepsAPageLayoutTheListDoesNotHold)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    StartedWindow w;
    const auto applyThroughTheMenu = [&](int choose) {
        int shownIndex = -2;
        QString shownText;
        ScopedPromptResponder apply([&](const PromptRequest& r) {
            auto* options = qobject_cast<OptionsDialog*>(r.dialog);
            if (r.type != PromptType::Dialog || !options)
                return defaultReply(r);
            options->show();
            auto* combo = options->findChild<QComboBox*>(QStringLiteral("CBMultMode"));
            shownIndex = combo->currentIndex();
            shownText = combo->currentText();
            if (choose >= 0)
                combo->setCurrentIndex(choose);
            QTest::mouseClick(options->findChild<QPushButton*>(QStringLiteral("PictureOptionsDone")), Qt::LeftButton);
            return PromptReply::result(options->result());
        });
        w.form.actionNamed("PictureShowOptions1")->trigger();
        return std::make_pair(shownIndex, shownText);
    };

    // A layout beyond the list's 16 choices (the layouts run to 24): no item
    // is shown, and Apply keeps it.
    Settings.PicturesPerPageIndex = QStringLiteral("20");
    auto shown = applyThroughTheMenu(-1);
    EXPECT_EQ(shown.first, -1);
    EXPECT_TRUE(shown.second.isEmpty());
    EXPECT_EQ(Settings.PicturesPerPageIndex, QStringLiteral("20"));

    // A layout of the list is shown and a new choice stored.
    Settings.PicturesPerPageIndex = QStringLiteral("5");
    shown = applyThroughTheMenu(15);
    EXPECT_EQ(shown.first, 5);
    EXPECT_EQ(shown.second, QStringLiteral("9 pictures per page"));
    EXPECT_EQ(Settings.PicturesPerPageIndex, QStringLiteral("15"));
}

TEST(MainWindowStart, VideoProgramGetsTheClickedFileAlone)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString folder = freshDir("videos");
    const QString clip = folder + "/clip one.avi";
    ASSERT_TRUE(writeFile(clip, QByteArray(4096, 'v')));
    const QString program = freshDir("prog") + "/player";
    const QString argsFile = freshDir("out") + "/args.txt";
    ASSERT_TRUE(writeFile(program, ("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '" + argsFile + "'\n").toUtf8()));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    StartedWindow w;
    Settings.VideoPrograms[0] = program;
    w.form.folderTree()->FolderToOpen = folder;
    w.form.folderTreeSection()->OpenFolderOrShow();
    QTreeWidgetItem* node = w.form.folderTreeSection()->FindAndSelectTreeNode(QStringLiteral("clip one.avi"), true);
    ASSERT_NE(node, nullptr);
    w.form.treeView()->scrollToItem(node);
    QTest::mouseClick(w.form.treeView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                      w.form.treeView()->visualItemRect(node).center());
    // The player runs while the window goes on.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QFileInfo::exists(argsFile) && w.form.externalPrograms()->ExternalProcessRunning == 0; }, 30000));
    EXPECT_EQ(QString::fromUtf8(readFile(argsFile)), "1\n" + clip + "\n");
    EXPECT_EQ(w.form.externalPrograms()->ExternalProcessRunning, 0);
}

TEST(MainWindowStart, MigratedSettingsAreWrittenInTheirNewFormByAnArgumentStart)
{
    const QString data = DefaultDataFolder();
    QDir().mkpath(data);
    TSettingsRecord old;
    old.PlayOrder = 2;
    old.SearchShowResults = QStringLiteral("0");
    old.PicturesPerPageIndex = QStringLiteral("9");
    ASSERT_TRUE(WriteSettingsFile(data + "/VXSettings43.dat", old).ok());

    StartedWindow w({freshDir("pictures")});
    ASSERT_EQ(TestState().start.StartAbort, 0);
    ASSERT_EQ(TestState().start.ArgumentMode, 1);
    EXPECT_FALSE(QFileInfo::exists(data + "/VXSettings43.dat"));
    TSettingsRecord now;
    ASSERT_TRUE(ReadSettingsFile(settingsPath(), now).ok());
    EXPECT_EQ(now.PlayOrder, 2);
    EXPECT_EQ(now.PicturesPerPageIndex, QStringLiteral("3"));     // block 43
    EXPECT_EQ(now.SearchShowResults, QStringLiteral("1"));        // block 54
    EXPECT_EQ(now.ExcludeSmallPics, QStringLiteral("1"));         // block 53
    EXPECT_EQ(now.RunningMarker, 0);   // an argument start's close takes no mark back

    // The close of the argument start writes nothing more.
    const QByteArray upgraded = readFile(settingsPath());
    EXPECT_TRUE(w.form.closing()->FormClose());
    EXPECT_EQ(readFile(settingsPath()), upgraded);
}

TEST(MainWindowStart, ControlPanelPlaceIsSavedAfterTheMerge)
{
    // The full-screen control panel stands where this instance found it
    // (left 120, top 40); meanwhile another instance saved another place.
    const QRect place(120, 40, 300, 36);
    {
        QDir().mkpath(DefaultDataFolder());
        TSettingsRecord rec;
        FillFirstRunSettings(rec, TFirstRunInputs{DefaultDataFolder(), "/", "Sans", 0, 1});
        rec.PanelLeft = place.left();
        rec.PanelRight = place.left() + place.width();
        rec.PanelTop = place.top();
        rec.AskMonthlyUpdate = 0;
        ASSERT_TRUE(WriteSettingsFile(settingsPath(), rec).ok());
    }
    StartedWindow w;
    ShowWindow show(TestState());
    w.form.setShowWindow(&show);
    show.ControlPanel->setGeometry(place);
    TSettingsRecord disk;
    ASSERT_TRUE(ReadSettingsFile(settingsPath(), disk).ok());
    disk.PanelLeft = 500;
    disk.PanelRight = 800;
    disk.PanelTop = 300;
    ASSERT_TRUE(WriteSettingsFile(settingsPath(), disk).ok());

    EXPECT_TRUE(w.form.closing()->FormClose());
    TSettingsRecord after;
    ASSERT_TRUE(ReadSettingsFile(settingsPath(), after).ok());
    EXPECT_EQ(after.PanelLeft, 120);
    EXPECT_EQ(after.PanelRight, 420);
    EXPECT_EQ(after.PanelTop, 40);
}
