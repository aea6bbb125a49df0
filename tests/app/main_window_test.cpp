// The main window's components exist by name, and construction is cheap.
#include "app/main_window.h"
#include "support/test_state.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

TEST(MainWindowComponents, NamedComponentsExist)
{
    MainWindow form(TestState());
    EXPECT_NE(form.findChild<QTreeWidget*>("TreeView1"), nullptr);
    EXPECT_NE(form.findChild<QTableWidget*>("MyShowSG"), nullptr);
    for (const char* t : {"Timer1", "TimerHook", "HookHandled", "TimerAutoCDRun", "TimerThumbnail", "HelpTimer"}) {
        auto* timer = form.findChild<QTimer*>(t);
        ASSERT_NE(timer, nullptr) << t;
        EXPECT_FALSE(timer->isActive()) << t;
    }
    EXPECT_EQ(form.findChild<QTimer*>("Timer1")->interval(), 1000);
    EXPECT_EQ(form.findChild<QTimer*>("TimerHook")->interval(), 500);
    EXPECT_EQ(form.findChild<QTimer*>("HookHandled")->interval(), 300);
    for (const char* m : {"Bestand1", "Show", "MyShow", "Help1", "Recent1", "Favorites", "Options1",
                          "RightClickTreeView", "DrivePop", "PopScreen", "MultiPop", "DriveChange1"})
        EXPECT_NE(form.findChild<QMenu*>(m), nullptr) << m;
    for (const char* a : {"AutoFolderToCD", "AutoFolderToCDPop", "GettingStarted", "WhatsNew", "VXOnlineHelp",
                          "Drive01", "Drive26", "PDrive26", "Fav9", "Folder1", "histVXO5", "Bookmark00",
                          "Bookmark19", "M1", "M77", "Raunch4", "Vaunch0", "ToolButton1", "RunExeToolButton",
                          "HideShowMyShowTB", "ShowAllTB", "StartMySlideShowTB"})
        EXPECT_NE(form.actionNamed(QString::fromLatin1(a)), nullptr) << a;
    EXPECT_EQ(form.findChild<QMenu*>("Help1")->title(), QStringLiteral(">&Help"));
    EXPECT_EQ(form.actionNamed("ShowAllTB")->toolTip(), QStringLiteral("View shows stored on fixed disk(s)"));
}

TEST(MainWindowComponents, TreePopupHasTwentyTwoFolderItems)
{
    MainWindow form(TestState());
    const auto items = form.findChild<QMenu*>("RightClickTreeView")->actions();
    ASSERT_GT(items.size(), 22);
    EXPECT_EQ(items.at(21)->objectName(), QStringLiteral("MakeSmall"));
    EXPECT_EQ(items.at(22)->objectName(), QStringLiteral("ShowPicFullPop"));
}
