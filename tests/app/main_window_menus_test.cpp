#include "platform/keyboard_hook.h"
#include "support/test_state.h"
#include "base/layout_calc.h"
#include "app/layout_preview.h"
#include "app/menu_captions.h"
#include "app/menu_painter.h"
#include "app/menu_style.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/sandbox.h"
#include "browse/picture_display_section.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QToolBar>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct ShowFlagGuard {
    ~ShowFlagGuard()
    {
        TestState().session.PlaybackActive = 0;
        TestState().settings.Settings = TSettingsRecord{};
    }
};

} // namespace

TEST(MainWindowMenus, FileMenuNamesTheCurrentPictureWhenItOpens)
{
    ShowFlagGuard guard;
    const QString dir = testsupport::freshDir(QStringLiteral("pics"));
    MainWindow form(TestState());
    form.menus()->SetupMenus();
    form.folderTree()->SelectedFolder = dir;
    form.pictureDisplay()->displayState().CurrentPicturePath =
        testsupport::writePicture(dir, QStringLiteral("Tom & Jerry.jpg"), Qt::darkGreen);
    emit form.findChild<QMenu*>("Bestand1")->aboutToShow();
    EXPECT_EQ(form.actionNamed(QStringLiteral("SavePictureTo"))->text(),
              QStringLiteral("&Save 'Tom && Jerry.jpg' to"));
    EXPECT_EQ(form.actionNamed(QStringLiteral("AddPicMult"))->text(),
              QStringLiteral("Add  'Tom && Jerry.jpg' to &Multiple Shows"));
    EXPECT_TRUE(form.actionNamed(QStringLiteral("AddSelectedFolderB"))->isVisible());
    EXPECT_FALSE(form.actionNamed(QStringLiteral("AddSelectedFolder"))->isVisible());
    // The menu was measured in its own font and keeps its width.
    const int fileWidth = form.findChild<QMenu*>("Bestand1")->property(MenuWidthProperty).toInt();
    EXPECT_GT(fileWidth, 40);
    emit form.findChild<QMenu*>("Help1")->aboutToShow();
    EXPECT_GT(form.findChild<QMenu*>("Help1")->property(MenuWidthProperty).toInt(), 40);
    EXPECT_EQ(form.findChild<QMenu*>("Bestand1")->property(MenuWidthProperty).toInt(), fileWidth);
    // The items carry the width tag of the widest key hint.
    const QString tag = form.actionNamed(QStringLiteral("MakeDefault"))->statusTip();
    EXPECT_TRUE(tag.startsWith(QLatin1Char('X'))) << tag.toStdString();
}

TEST(MainWindowMenus, HideShowMyShowSwitchesCaptionsAndWidth)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ShowFlagGuard guard;
    MainWindow form(TestState());
    form.menus()->SetupMenus();
    form.resize(800, 600);
    Settings.MyShowHidden = 0;
    form.menus()->HideShowMyShowClick();
    EXPECT_EQ(Settings.MyShowHidden, 1);
    EXPECT_EQ(form.actionNamed("HideShowMyShow")->text(), QStringLiteral("&Show MyShow"));
    EXPECT_EQ(form.actionNamed("HideShowMyShowTB")->toolTip(), QStringLiteral("Show MyShow"));
    EXPECT_EQ(form.width(), 400);
    form.menus()->HideShowMyShowClick();
    EXPECT_EQ(Settings.MyShowHidden, 0);
    EXPECT_EQ(form.actionNamed("HideShowMyShow")->text(), QStringLiteral("&Hide MyShow"));
    EXPECT_EQ(form.width(), 800);
}

TEST(MainWindowMenus, StyledMenuPaintsGlyphStripAndItemHeights)
{
    MenuProxyStyle style;
    style.paintContext().glyph = [](int n) {
        QPixmap pm(16, 16);
        pm.fill(n == 0 ? Qt::red : Qt::blue);
        return pm;
    };
    QMenu menu;
    menu.setStyle(&style);
    QAction* search = menu.addAction(QStringLiteral("Searc&h"));
    search->setObjectName(QStringLiteral("Search"));
    QAction* stop = menu.addAction(QStringLiteral("&Stop Slide Show                 ~- Escape"));
    stop->setObjectName(QStringLiteral("StopPictureShow1"));
    menu.addSeparator();
    QMenu* sub = menu.addMenu(QStringLiteral("&Picture operations"));
    sub->addAction(QStringLiteral("x"));
    MeasureMenu(&menu);
    menu.resize(menu.sizeHint());
    EXPECT_EQ(menu.actionGeometry(search).height(), MenuItemHeight);
    EXPECT_EQ(menu.actionGeometry(menu.actions().at(2)).height(), MenuSeparatorHeight);
    const QImage image = menu.grab().toImage();
    const QRect r = menu.actionGeometry(search);
    EXPECT_EQ(image.pixelColor(4, r.top() + 9), menucolors::GlyphStrip);
    EXPECT_EQ(image.pixelColor(13, r.top() + 9), QColor(Qt::red));       // glyph 0 of "Search"
    EXPECT_EQ(image.pixelColor(r.right() - 2, r.top() + 9), menucolors::Body);
    // A submenu item shows the arrow at its right edge.
    const QRect subRect = menu.actionGeometry(sub->menuAction());
    bool arrow = false;
    for (int x = subRect.right() - 14; x <= subRect.right() - 4; ++x)
        arrow = arrow || image.pixelColor(x, subRect.center().y()) == QColor(Qt::black);
    EXPECT_TRUE(arrow);
    const QString hint = stop->statusTip();
    EXPECT_TRUE(hint.startsWith(QLatin1Char('>')));
    EXPECT_GT(HintTagWidth(hint), 0);
}

TEST(MainWindowLayouts, MaximizedAndBackRestoresEveryControl)
{
    ShowFlagGuard guard;
    MainWindow form(TestState());
    form.layouts()->SaveControlBounds();
    const QHash<QString, QRect> design = form.layouts()->designBounds();
    ASSERT_TRUE(design.contains(QStringLiteral("TreeView1")));
    ASSERT_TRUE(design.contains(QStringLiteral("Label7")));
    form.layouts()->ApplyMaximizedLayout();
    EXPECT_EQ(form.layouts()->layoutState().MaximizedLayout, 1);
    const int W = form.screen()->availableGeometry().width();
    EXPECT_EQ(form.treeView()->width(), RoundEven((W - 8) / 2.0));
    EXPECT_EQ(form.showList()->grid()->x(), form.treeView()->width() + 4);
    form.layouts()->ApplyRestoredLayout();
    EXPECT_EQ(form.layouts()->layoutState().MaximizedLayout, 0);
    for (auto it = design.begin(); it != design.end(); ++it) {
        if (it.key().startsWith(QLatin1String("Voice")) || it.key() == QLatin1String("MicroSB"))
            continue;
        const QWidget* w = form.findChild<QWidget*>(it.key());
        ASSERT_TRUE(w) << it.key().toStdString();
        EXPECT_EQ(w->geometry(), it.value()) << it.key().toStdString();
    }
    EXPECT_EQ(form.width(), 800);
}

TEST(MainWindowLayouts, SizeChangeRefusedDuringAShow)
{
    ShowFlagGuard guard;
    MainWindow form(TestState());
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    TestState().session.PlaybackActive = 1;
    EXPECT_EQ(form.layouts()->HandleSystemCommand(1), -1);
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog().first().request.text,
              QStringLiteral("Maximizing/Restoring not allowed in a running slide show!"));
    EXPECT_EQ(platform::promptLog().first().request.kind, platform::PromptKind::Error);
    EXPECT_EQ(form.layouts()->layoutState().MaximizedLayout, 0);
}

TEST(MainWindowEvents, StatusHintCodesFillTheSecondPanel)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ShowFlagGuard guard;
    MainWindow form(TestState());
    form.input()->InstallApplicationEvents();
    Settings.StartupFolder = QStringLiteral("/home");
    QStatusTipEvent tip(QStringLiteral("X12"));
    QCoreApplication::sendEvent(&form, &tip);
    EXPECT_EQ(form.statusPanels()->panel1()->text(), QStringLiteral("Current default start-up folder : /home"));
    QStatusTipEvent q(QStringLiteral("Q"));
    QCoreApplication::sendEvent(&form, &q);
    EXPECT_EQ(form.statusPanels()->panel1()->text(),
              QStringLiteral("Left click opens folder or MyShow file, <Ctrl + Left Click> to start show"));
}

TEST(MainWindowEvents, HookStepsOncePerKeyAndGuardTime)
{
    ShowFlagGuard guard;
    MainWindow form(TestState());
    form.input()->InstallKeyboardHook();
    EXPECT_EQ(form.input()->KeyboardHookInstalled, 1);
    int forward1 = 0, showForward = 0;
    for (QAction* a : {form.actionNamed("Forward1ToolButton"), form.actionNamed("ShowForwardToolButton")}) {
        QObject::disconnect(a, &QAction::triggered, nullptr, nullptr);
        a->setVisible(true);
        a->setEnabled(true);
    }
    QObject::connect(form.actionNamed("Forward1ToolButton"), &QAction::triggered, [&] { ++forward1; });
    QObject::connect(form.actionNamed("ShowForwardToolButton"), &QAction::triggered, [&] { ++showForward; });
    TestState().session.PlaybackActive = 1;

    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(form.treeView(), &right);
    EXPECT_EQ(forward1, 1);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(form.treeView(), &release);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(form.treeView(), &held);   // within 300 ms: nothing
    EXPECT_EQ(forward1, 1);
    EXPECT_TRUE(form.input()->hookHandledTimer()->isActive());

    form.input()->HookHandledTimer();
    QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    QCoreApplication::sendEvent(form.treeView(), &ctrl);
    EXPECT_EQ(form.input()->HookCtrlLatch, 1);
    form.input()->HookHandledTimer();
    QKeyEvent right2(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(form.treeView(), &right2);
    EXPECT_EQ(showForward, 1);
    EXPECT_EQ(forward1, 1);
    form.input()->TimerHookTimer();
    EXPECT_EQ(form.input()->HookCtrlLatch, 0);

    form.input()->FormDestroy();
    form.input()->HookHandledTimer();
    QKeyEvent right3(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(form.treeView(), &right3);
    EXPECT_EQ(forward1, 1);
    EXPECT_EQ(form.input()->KeyboardHookInstalled, 0);
}

TEST(MainWindowEvents, UserActivityRestartsTheIdleTimer)
{
    ShowFlagGuard guard;
    MainWindow form(TestState());
    platform::setMonotonicMs(123456);
    form.input()->AutoShowCountdown = 3;
    form.input()->idleTimer()->stop();
    form.input()->UserActivity();
    EXPECT_EQ(form.input()->IdleStartTick, 123456);
    EXPECT_EQ(form.input()->AutoShowCountdown, 0);
    EXPECT_TRUE(form.input()->idleTimer()->isActive());
    form.input()->AppMinimize();
    EXPECT_FALSE(form.input()->idleTimer()->isActive());
    platform::resetClock();
}

TEST(MainWindowPreview, ZeroSizedPictureShowsAMessage)
{
    const QString dir = testsupport::freshDir(QStringLiteral("preview"));
    const QString empty = dir + QStringLiteral("/empty.jpg");
    testsupport::writeFile(empty, QByteArray());
    PreviewWindow& preview = PicturePreviewWindow();
    preview.ShowPicture(empty, PreviewKind::Picture);
    EXPECT_FALSE(preview.CannotOpenLabel->isHidden());
    EXPECT_TRUE(preview.Image1->pixmap().isNull());

    preview.ShowPicture(testsupport::writePicture(dir, QStringLiteral("ok.jpg"), Qt::darkGreen), PreviewKind::Picture);
    EXPECT_TRUE(preview.CannotOpenLabel->isHidden());
    EXPECT_FALSE(preview.Image1->pixmap().isNull());
    preview.ShowPicture(dir + QStringLiteral("/gone.jpg"), PreviewKind::Picture);
    EXPECT_FALSE(preview.FileNotExistLabel->isHidden());
    preview.ShowPicture(dir, PreviewKind::Video);
    EXPECT_FALSE(preview.VideoLabel->isHidden());
}

TEST(MainWindowLayouts, FullScreenWindowHintsAndTwins)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ShowFlagGuard guard;
    MainWindow form(TestState());
    ShowWindow show(TestState());
    form.setShowWindow(&show);
    Settings.ShowHints = 1;
    form.layouts()->UpdateHintsButton();
    EXPECT_EQ(show.SBInfo->toolTip(), QStringLiteral("Press to hide hints/tooltips"));
    Settings.ShowHints = 0;
    form.layouts()->UpdateHintsButton();
    EXPECT_EQ(show.SBInfo->toolTip(), QStringLiteral("Press to show hints/tooltips"));

    form.layouts()->SetFullScreenImageHint();
    EXPECT_EQ(show.Image1->toolTip(), QStringLiteral("Use mousewheel to slow down/speed up the slide show\r\n\r\n"
                                                     "Click the I-button on the toolbar to suppress hints"));
    EXPECT_EQ(show.Image2->toolTip(), show.Image1->toolTip());

    // There is no volume control: the item and its twin stay greyed.
    form.actionNamed("Volume")->setEnabled(true);
    form.layouts()->SyncControlPanelButtons();
    EXPECT_FALSE(form.actionNamed("Volume")->isEnabled());
    EXPECT_FALSE(show.VolumeSpeedButton->isEnabled());
}

TEST(MainWindowLayouts, ShowHintsLabelAndSpeed)
{
    ShowFlagGuard guard;
    MainWindow form(TestState());
    form.layouts()->SetShowRunningHints();
    EXPECT_EQ(form.actionNamed("ToolButton2")->toolTip(), QStringLiteral("Stop Slide Show - Escape"));
    EXPECT_EQ(form.actionNamed("Volume")->toolTip(), QStringLiteral("Control volume - 'V'"));
    form.layouts()->SetShowStoppedHints();
    EXPECT_EQ(form.actionNamed("ToolButton1")->toolTip(),
              QStringLiteral("Start Slide Show from selected folder - Full screen"));
    EXPECT_EQ(form.actionNamed("Volume")->toolTip(), QStringLiteral("Control Volume"));

    form.layouts()->ShowMyShowLabel(QStringLiteral("Save"));
    EXPECT_EQ(form.showList()->nameLabel()->text(), QStringLiteral("Saving..."));
    EXPECT_EQ(form.layouts()->layoutState().MyShowSaving, 1);
    form.layouts()->ShowMyShowLabel(QStringLiteral("Draft"));
    EXPECT_EQ(form.showList()->nameLabel()->text(), QStringLiteral("Draft (saves automatically)"));
    EXPECT_EQ(form.layouts()->layoutState().MyShowSaving, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    TestState().session.ShowIntervalStep = 0;
    form.layouts()->ChangeShowSpeed(true);
    EXPECT_EQ(TestState().session.ShowIntervalStep, 0);
    EXPECT_EQ(form.layouts()->layoutState().SpeedMessageText, QStringLiteral("Already in fastest mode of "));
    form.layouts()->ChangeShowSpeed(false);
    EXPECT_EQ(TestState().session.ShowIntervalStep, 1);
}

TEST(MainWindowLayouts, StatusPanelsOwnerDrawn)
{
    ShowFlagGuard guard;
    MainWindow form(TestState());
    form.input()->InstallApplicationEvents();
    form.resize(800, 600);
    form.statusPanels()->panel1()->setText(QStringLiteral("Selected folder: /home"));
    form.statusPanels()->panel1()->resize(400, 24);
    const QImage image = form.statusPanels()->panel1()->grab().toImage();
    bool text = false;
    for (int x = 3; x < 60; ++x)
        for (int y = 5; y < 20 && y < image.height(); ++y)
            text = text || image.pixelColor(x, y).lightness() < 80;
    EXPECT_TRUE(text);
    // The background is the bottom-bar picture, not the label's own.
    EXPECT_NE(image.pixelColor(image.width() - 2, 1), form.statusPanels()->panel1()->palette().color(QPalette::Window));
}

TEST(MainWindowLayouts, WindowManagerMaximizeAndRestoreSwitchLayouts)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ShowFlagGuard guard;
    MainWindow form(TestState());
    form.show();
    QApplication::setActiveWindow(&form);
    QCoreApplication::processEvents();
    ASSERT_EQ(QGuiApplication::applicationState(), Qt::ApplicationActive);
    const QRect avail = form.screen()->availableGeometry();
    form.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.layouts()->layoutState().MaximizedLayout, 1);
    EXPECT_EQ(form.layouts()->layoutState().WindowMaximized, 1);
    // The columns share the window's inside (the screen less the frame).
    EXPECT_EQ(form.treeView()->width(), RoundEven((form.clientArea()->widget()->width() - 8) / 2.0));
    EXPECT_LE(form.showList()->grid()->geometry().right(), form.clientArea()->widget()->width());
    form.showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.layouts()->layoutState().MaximizedLayout, 0);
    EXPECT_EQ(form.treeView()->geometry(), form.layouts()->designBounds().value(QStringLiteral("TreeView1")));

    // With the MyShow panel hidden the "maximized" window is a normal
    // window of half the screen's width at the top centre.
    Settings.MyShowHidden = 1;
    form.showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.layouts()->layoutState().MaximizedLayout, 1);
    EXPECT_FALSE(form.isMaximized());
    // (never narrower than the window's menu bar and tool bars allow)
    EXPECT_EQ(form.frameGeometry().width(), std::max(RoundEven(avail.width() / 2.0), form.minimumSizeHint().width()));
    EXPECT_EQ(form.frameGeometry().top(), avail.top());
}

TEST(MainWindowLayouts, MinimizeDuringAShowPausesAndRestoreResumesOnce)
{
    ShowFlagGuard guard;
    const QString dir = testsupport::freshDir(QStringLiteral("showpics"));
    const QStringList pictures{testsupport::writePicture(dir, QStringLiteral("a.jpg"), Qt::darkGreen),
                               testsupport::writePicture(dir, QStringLiteral("b.jpg"), Qt::darkGreen)};
    ShowWindow show(TestState());
    show.Play(pictures, {0, 1}, 600000, true, false, [] {});
    show.show();
    TestState().session.PlaybackActive = 1;
    TestState().session.ShowState.ManualMode = false;
    TestState().session.ShowState.Direction = 1;
    ASSERT_FALSE(show.Paused());

    // The window's state changes as the window manager reports them (the
    // offscreen platform does not keep a window minimized).
    MainWindow form(TestState());
    form.setShowWindow(&show);
    EXPECT_EQ(form.layouts()->HandleSystemCommand(2), 2);
    EXPECT_TRUE(show.Paused());
    EXPECT_EQ(form.layouts()->layoutState().MinimizedDuringShow, 1);

    // Restored from the taskbar: the restore command, the restore handler
    // and the activation all follow; the show is resumed once.
    form.layouts()->layoutState().WindowWasMinimized = 1;
    EXPECT_EQ(form.layouts()->HandleSystemCommand(0), 0);
    form.layouts()->AppRestore();
    form.layouts()->layoutState().WindowWasMinimized = 0;
    EXPECT_FALSE(show.Paused());
    form.input()->QuestionUpdateStatusBar();
    EXPECT_FALSE(show.Paused());
    EXPECT_EQ(form.layouts()->layoutState().MinimizedDuringShow, 0);

    // A maximize command arriving for the minimized window resumes it
    // once too, and the restore handler after it does not pause it again.
    form.layouts()->HandleSystemCommand(2);
    EXPECT_TRUE(show.Paused());
    form.layouts()->layoutState().WindowWasMinimized = 1;
    form.layouts()->HandleSystemCommand(1);
    form.layouts()->layoutState().WindowWasMinimized = 0;
    EXPECT_FALSE(show.Paused());
    form.layouts()->AppRestore();
    EXPECT_FALSE(show.Paused());

    show.StopSlideShow();
}

TEST(MainWindowMenus, FolderShowItemsForwardToTheStartButton)
{
    ShowFlagGuard guard;
    MainWindow form(TestState());
    form.menus()->SetupMenus();
    int starts = 0;
    QObject::disconnect(form.actionNamed("ToolButton1"), &QAction::triggered, nullptr, nullptr);
    QObject::connect(form.actionNamed("ToolButton1"), &QAction::triggered, [&] { ++starts; });
    form.actionNamed("StartSlideShowPop")->trigger();
    form.actionNamed("SlideShowFolder")->trigger();
    form.actionNamed("Restart")->setVisible(true);
    form.actionNamed("Restart")->trigger();
    EXPECT_EQ(starts, 3);
    TestState().session.PlaybackActive = 1;
    form.actionNamed("Restart")->trigger();
    EXPECT_EQ(starts, 3);
}

TEST(MainWindowMenus, TreePopupForAFolderAndForAFolderThatIsGone)
{
    ShowFlagGuard guard;
    MainWindow form(TestState());
    form.menus()->SetupMenus();
    form.treeView()->clear();
    const QString dir = testsupport::freshDir(QStringLiteral("popup"));
    form.folderTree()->SelectedFolder = dir;
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.menus()->RightClickTreeViewPopup();
    const QList<QAction*> items = form.findChild<QMenu*>("RightClickTreeView")->actions();
    ASSERT_GT(items.size(), 22);
    EXPECT_TRUE(items.at(0)->isVisible());
    EXPECT_FALSE(items.at(22)->isVisible());
    EXPECT_EQ(form.actionNamed("RefreshPop")->text(), QStringLiteral("Refresh  ~- F5 "));
    EXPECT_TRUE(form.actionNamed("DeleteFolderPop")->isEnabled());
    EXPECT_TRUE(platform::promptLog().isEmpty());
    EXPECT_GT(form.findChild<QMenu*>("RightClickTreeView")->property(MenuWidthProperty).toInt(), 40);

    form.folderTree()->SelectedFolder = dir + QStringLiteral("/gone");
    form.menus()->RightClickTreeViewPopup();
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog().first().request.text,
              QStringLiteral("Folder does not exist anymore but might be still in use by another program"));
    EXPECT_FALSE(items.at(0)->isVisible());
}

TEST(MainWindowMenus, PicturePopupOfThePage)
{
    ShowFlagGuard guard;
    MainWindow form(TestState());
    form.menus()->SetupMenus();
    form.menus()->SetPicturePopupCaptions();
    EXPECT_FALSE(form.actionNamed("StartSlideShowPop")->isVisible());
    EXPECT_TRUE(form.actionNamed("Save")->isVisible());
    EXPECT_EQ(form.actionNamed("RecycleBin")->text(), QStringLiteral("Send picture(s) to Recycle &Bin"));
    EXPECT_EQ(form.actionNamed("ShowPicFullPop")->text(),
              QStringLiteral("Show original picture from master folder in full screen mode"));
    EXPECT_TRUE(form.findChild<QMenu*>("RightClickTreeView")->property("vxPicturePopup").toBool());
    // The page's glyph pair of the full-screen item.
    MenuProxyStyle* style = CurrentMenuStyle();
    ASSERT_TRUE(style);
    EXPECT_EQ(style->lookOf(form.actionNamed("ShowPicFullPop")).glyphs, (MenuGlyphPair{125, 126}));
    form.menus()->RightClickTreeViewPopup();
    EXPECT_EQ(style->lookOf(form.actionNamed("ShowPicFullPop")).glyphs, (MenuGlyphPair{33, 34}));
}
