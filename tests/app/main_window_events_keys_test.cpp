#include "app/key_commands.h"
#include "platform/keyboard_hook.h"
#include "support/test_state.h"
#include "app/menu_style.h"
#include "base/picture_table.h"
#include "base/settings_fields.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/folder_tree_widget.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/sandbox.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A main-window key's decision, compared with a main-window command or with
// a command of the show's key table.
struct KeyDecision {
    MainKeyDecision d;
    bool operator==(MainKeyCommand c) const { return d.command == c; }
    bool operator==(ShowKeyCommand c) const { return d.command == MainKeyCommand::ShowKey && d.showKey == c; }
};

KeyDecision key(int k, bool running, Qt::KeyboardModifiers mods = Qt::NoModifier, bool typing = false)
{
    MainKeyInput in;
    in.key = k;
    in.alt = mods.testFlag(Qt::AltModifier);
    in.ctrl = mods.testFlag(Qt::ControlModifier);
    in.showRunning = running;
    in.typingInText = typing;
    return {DecideMainKey(in)};
}

struct StateGuard {
    ~StateGuard()
    {
        TestState().session.PlaybackActive = 0;
        TestState().settings.Settings = TSettingsRecord{};
        TestState().session.SourceIsFolder = 0;
        TestState().session.ShowState.ManualMode = false;
    }
};

} // namespace

TEST(MainWindowKeys, ShowKeysFromTheToolTipsAndCaptions)
{
    EXPECT_EQ(key(Qt::Key_Home, true), ShowKeyCommand::RestartShow);
    EXPECT_EQ(key(Qt::Key_Home, false), MainKeyCommand::None);
    EXPECT_EQ(key(Qt::Key_Escape, true), ShowKeyCommand::StopShow);
    EXPECT_EQ(key(Qt::Key_Space, true), ShowKeyCommand::TogglePause);
    EXPECT_EQ(key(Qt::Key_Right, true), ShowKeyCommand::Forward1);
    EXPECT_EQ(key(Qt::Key_Right, true, Qt::ControlModifier), ShowKeyCommand::ShowForward);
    EXPECT_EQ(key(Qt::Key_Left, true), ShowKeyCommand::Backwards1);
    EXPECT_EQ(key(Qt::Key_Left, true, Qt::ControlModifier), ShowKeyCommand::ShowInReverse);
    EXPECT_EQ(key(Qt::Key_F, true), MainKeyCommand::FullScreen);
    EXPECT_EQ(key(Qt::Key_W, true), MainKeyCommand::FullScreen);
    EXPECT_EQ(key(Qt::Key_S, true), MainKeyCommand::SavePicture);
    EXPECT_EQ(key(Qt::Key_M, true), MainKeyCommand::MovePicture);
    EXPECT_EQ(key(Qt::Key_A, true), MainKeyCommand::RenamePicture);
    EXPECT_EQ(key(Qt::Key_V, true), MainKeyCommand::Volume);
    // Browsing: "Refresh  ~- F5 " and "Send picture to Recycle &Bin  ~- D".
    EXPECT_EQ(key(Qt::Key_F5, false), MainKeyCommand::Refresh);
    EXPECT_EQ(key(Qt::Key_D, false), MainKeyCommand::RemovePicture);
    EXPECT_EQ(key(Qt::Key_S, false), MainKeyCommand::None);
    EXPECT_EQ(key(Qt::Key_Right, false), MainKeyCommand::None);
}

TEST(MainWindowKeys, LettersIgnoredWithAltOrWhileTyping)
{
    EXPECT_EQ(key(Qt::Key_S, true, Qt::AltModifier), MainKeyCommand::None);
    EXPECT_EQ(key(Qt::Key_D, false, Qt::AltModifier), MainKeyCommand::None);
    EXPECT_EQ(key(Qt::Key_D, false, Qt::NoModifier, true), MainKeyCommand::None);
    EXPECT_EQ(key(Qt::Key_Space, true, Qt::NoModifier, true), MainKeyCommand::None);
    // Escape still stops the show while a text field has the focus.
    EXPECT_EQ(key(Qt::Key_Escape, true, Qt::NoModifier, true), ShowKeyCommand::StopShow);
}

TEST(MainWindowKeys, HookHandsOtherKeysToTheKeyHandlerOncePer300Ms)
{
    StateGuard guard;
    MainWindow form(TestState());
    form.input()->InstallApplicationEvents();
    TestState().session.PlaybackActive = 1;
    int saves = 0;
    form.actionNamed("SaveToolButton")->setEnabled(true);
    QObject::connect(form.actionNamed("SaveToolButton"), &QAction::triggered, [&] { ++saves; });
    form.input()->KeyboardHookProc(Qt::Key_S, Qt::NoModifier);
    EXPECT_EQ(saves, 1);
    // Within 300 ms of the first key nothing more happens.
    form.input()->KeyboardHookProc(Qt::Key_S, Qt::NoModifier);
    EXPECT_EQ(saves, 1);
    form.input()->hookHandledTimer()->stop();
    form.input()->KeyboardHookProc(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(saves, 1);
}

TEST(MainWindowKeys, RestartPutsARunningShowBackOnItsFirstPicture)
{
    StateGuard guard;
    const QString dir = testsupport::freshDir(QStringLiteral("restart"));
    const QStringList pictures{testsupport::writePicture(dir, QStringLiteral("a.jpg")),
                               testsupport::writePicture(dir, QStringLiteral("b.jpg")),
                               testsupport::writePicture(dir, QStringLiteral("c.jpg"))};
    ShowWindow show(TestState());
    TestState().session.ShowState.PlayOrder = 0;
    show.Play(pictures, {0, 1, 2}, 600000, true, false, [] {});
    TestState().session.PlaybackActive = 1;
    show.Step(1);
    show.Step(1);
    ASSERT_EQ(show.CurrentPosition(), 2);

    MainWindow form(TestState());
    form.setShowWindow(&show);
    form.menus()->SetupMenus();
    form.actionNamed("Restart")->setVisible(true);
    form.actionNamed("Restart")->trigger();
    EXPECT_EQ(show.CurrentPosition(), 0);
    EXPECT_EQ(TestState().session.PictureIndex, 0);
    EXPECT_EQ(show.HintLabel->text(), QStringLiteral(" Show restarted from the beginning "));
    EXPECT_EQ(TestState().session.PlaybackActive, 1);

    // A paused show restarts and goes on forward; Home does the same.
    show.Step(1);
    show.TogglePause();
    ASSERT_TRUE(show.Paused());
    form.input()->FormKeyDown(Qt::Key_Home, Qt::NoModifier);
    EXPECT_EQ(show.CurrentPosition(), 0);
    EXPECT_FALSE(show.Paused());
    EXPECT_EQ(TestState().session.ShowState.Direction, 1);
    show.StopSlideShow();
}

TEST(MainWindowKeys, ThumbnailStartPlaysTheSelectedFolder)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    StateGuard guard;
    const QString dir = testsupport::freshDir(QStringLiteral("gosmall"));
    testsupport::writePicture(dir, QStringLiteral("a.jpg"));
    testsupport::writePicture(dir, QStringLiteral("b.jpg"));
    ShowWindow show(TestState());
    MainWindow form(TestState());
    form.setShowWindow(&show);
    form.menus()->SetupMenus();
    form.folderTree()->SelectedFolder = dir;
    Settings.InclJPG = 1;
    form.openShow().SourceIsShow = 1;
    TestState().session.FolderSourceFullScreen = 1;
    form.actionNamed("TBGoSmall")->setEnabled(true);
    form.actionNamed("TBGoSmall")->trigger();
    testsupport::waitForPictureAnswers();   // the folder is listed on a worker
    EXPECT_EQ(TestState().session.SourceIsFolder, 1);
    EXPECT_EQ(form.openShow().SourceIsShow, 0);
    EXPECT_EQ(TestState().session.FolderSourceFullScreen, 0);
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    EXPECT_EQ(TestState().session.PictureCount, 2);
    form.actionNamed("ToolButton2")->trigger();
    EXPECT_EQ(TestState().session.PlaybackActive, 0);
}

TEST(MainWindowKeys, ResumeInFullHidesTheSelectionButtonsAndContinues)
{
    StateGuard guard;
    const QString dir = testsupport::freshDir(QStringLiteral("resume"));
    const QStringList pictures{testsupport::writePicture(dir, QStringLiteral("a.jpg")),
                               testsupport::writePicture(dir, QStringLiteral("b.jpg"))};
    ShowWindow show(TestState());
    show.Play(pictures, {0, 1}, 600000, true, false, [] {});
    TestState().session.PlaybackActive = 1;
    show.TogglePause();
    TestState().session.ShowState.ManualMode = true;
    MainWindow form(TestState());
    form.setShowWindow(&show);
    form.menus()->SetupMenus();
    for (QAction* a : {form.actionNamed("TBSelAll"), form.actionNamed("TBSelNone"), form.actionNamed("TBSelInvert")})
        a->setVisible(true);
    form.actionNamed("ResumeInFull")->setEnabled(true);
    form.actionNamed("ResumeInFull")->trigger();
    for (QAction* a : {form.actionNamed("TBSelAll"), form.actionNamed("TBSelNone"), form.actionNamed("TBSelInvert")})
        EXPECT_FALSE(a->isVisible());
    EXPECT_FALSE(show.Paused());
    EXPECT_FALSE(TestState().session.ShowState.ManualMode);
    EXPECT_EQ(show.HintLabel->text(), QStringLiteral(" Show continued in forward direction "));
    show.StopSlideShow();
}

TEST(MainWindowMenus, AutomaticShowItemTellsChangedOptions)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    StateGuard guard;
    const QString dir = testsupport::freshDir(QStringLiteral("auto"));
    MainWindow form(TestState());
    form.menus()->SetupMenus();
    Settings.MyShowHidden = 1;
    form.folderTree()->SelectedFolder = dir;
    Settings.AutoShowPath = dir;
    StorePlayOptionsInAutoShow(Settings);
    emit form.findChild<QMenu*>("Bestand1")->aboutToShow();
    const QString same = form.actionNamed("MakeAutomatic")->text();
    EXPECT_TRUE(same.endsWith(QStringLiteral("' is already the Automatic Show folder "))) << same.toStdString();
    EXPECT_FALSE(form.actionNamed("MakeAutomatic")->isEnabled());

    Settings.IntervalIndex = Settings.IntervalIndex + 1;
    emit form.findChild<QMenu*>("Bestand1")->aboutToShow();
    const QString changed = form.actionNamed("MakeAutomatic")->text();
    EXPECT_TRUE(changed.startsWith(QStringLiteral("Update Au&tomatic Show folder '"))) << changed.toStdString();
    EXPECT_TRUE(changed.endsWith(QStringLiteral("' with current Options")));
    EXPECT_TRUE(form.actionNamed("MakeAutomatic")->isEnabled());
}

TEST(MainWindowMenus, SeparatorN10IsEightPixelsHigh)
{
    EXPECT_EQ(MenuItemHeightFor(QStringLiteral("N10"), true), 8);
    EXPECT_EQ(MenuItemHeightFor(QStringLiteral("N1"), true), 10);
    EXPECT_EQ(MenuItemHeightFor(QStringLiteral("N10"), false), 18);

    MenuProxyStyle style;
    QMenu menu;
    menu.setStyle(&style);
    menu.addAction(QStringLiteral("&Bookmarks"));
    QAction* n10 = menu.addSeparator();
    n10->setObjectName(QStringLiteral("N10"));
    QAction* n1 = menu.addSeparator();
    n1->setObjectName(QStringLiteral("N1"));
    menu.addAction(QStringLiteral("&Add bookmark"));
    TagSeparatorHeights(&menu);
    MeasureMenu(&menu);
    menu.resize(menu.sizeHint());
    EXPECT_EQ(menu.actionGeometry(n10).height(), 8);
    EXPECT_EQ(menu.actionGeometry(n1).height(), 10);

    // The main window's Show menu during a show.
    StateGuard guard;
    MainWindow form(TestState());
    form.menus()->SetupMenus();
    TestState().session.PlaybackActive = 1;
    emit form.findChild<QMenu*>("Show")->aboutToShow();
    ASSERT_TRUE(form.actionNamed("N10")->isVisible());
    form.findChild<QMenu*>("Show")->resize(form.findChild<QMenu*>("Show")->sizeHint());
    EXPECT_EQ(form.findChild<QMenu*>("Show")->actionGeometry(form.actionNamed("N10")).height(), 8);
}
