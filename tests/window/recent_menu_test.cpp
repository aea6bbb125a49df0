// The Recent menu of the assembled window: a played folder joins the recent
// list, the list is kept in the settings, and after a restart the menu drops
// down with it; choosing the entry opens the folder in the tree.
#include "app/main_window.h"
#include "support/test_state.h"
#include "base/settings_record.h"
#include "browse/folder_tree_widget.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/test_state.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

TEST(RecentMenu, APlayedFolderIsKeptAndOfferedAfterARestart)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    QString folder;
    {
        MainWindowFixture f;
        folder = f.folder();
        f.clickExpander(f.node(folder));
        f.clickNode(folder);
        f.form()->toolBars().ToolButton1()->trigger();
        ASSERT_TRUE(f.waitFor([&] { return f.showWindow() && f.showWindow()->isVisible(); }));
        QTest::keyClick(f.showWindow(), Qt::Key_Escape);
        ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }));
        EXPECT_EQ(Settings.RecentFolders[0], folder);
        ASSERT_TRUE(f.closeWindow());
    }
    Settings = TSettingsRecord();

    MainWindowFixture again;
    MainWindow* form = again.form();
    EXPECT_EQ(Settings.RecentFolders[0], folder);
    // The menu drops down from the menu bar with the folder as its first item.
    QMenuBar* bar = form->mainMenus().MainMenu1();
    const QRect title = bar->actionGeometry(form->mainMenus().Recent1()->menuAction());
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, title.center());
    ASSERT_TRUE(again.waitFor([&] { return form->mainMenus().Recent1()->isVisible(); }));
    QAction* first = form->mainMenus().FolderItems()[0];
    ASSERT_TRUE(first->isVisible());
    EXPECT_EQ(first->text(), QStringLiteral("&1 - ") + QString(folder).replace("&", "&&"));
    EXPECT_TRUE(form->mainMenus().ClearRec()->isVisible());

    // Choosing it opens the folder in the tree.
    const QRect item = form->mainMenus().Recent1()->actionGeometry(first);
    QTest::mouseClick(form->mainMenus().Recent1(), Qt::LeftButton, Qt::NoModifier, item.center());
    again.settle(50);
    ASSERT_NE(form->treeView()->currentItem(), nullptr);
    EXPECT_EQ(form->folderTree()->GetNodePath(form->treeView()->currentItem()), folder);
}
