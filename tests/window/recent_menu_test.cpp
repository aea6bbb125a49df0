// The list menus of the assembled window: a played folder joins the recent
// list, the list is kept in the settings, and after a restart the menu drops
// down with it; choosing the entry opens the folder in the tree. A menu
// opened while its list is empty drops down again once the list has an
// entry, and a submenu takes the width of its captions at each opening.
#include "app/main_window.h"
#include "support/test_state.h"
#include "base/settings_record.h"
#include "browse/folder_tree_widget.h"
#include "browse/list_menus_section.h"
#include "browse/picture_info_controller.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/test_state.h"

#include <QAction>
#include <QFontMetrics>
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
        f.form()->actionNamed("ToolButton1")->trigger();
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
    const QRect title = bar->actionGeometry(form->findChild<QMenu*>("Recent1")->menuAction());
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, title.center());
    ASSERT_TRUE(again.waitFor([&] { return form->findChild<QMenu*>("Recent1")->isVisible(); }));
    QAction* first = form->actionNamed("Folder1");
    ASSERT_TRUE(first->isVisible());
    EXPECT_EQ(first->text(), QStringLiteral("&1 - ") + QString(folder).replace("&", "&&"));
    EXPECT_TRUE(form->actionNamed("ClearRec")->isVisible());

    // Choosing it opens the folder in the tree.
    const QRect item = form->findChild<QMenu*>("Recent1")->actionGeometry(first);
    QTest::mouseClick(form->findChild<QMenu*>("Recent1"), Qt::LeftButton, Qt::NoModifier, item.center());
    again.settle(50);
    ASSERT_NE(form->treeView()->currentItem(), nullptr);
    EXPECT_EQ(form->folderTree()->GetNodePath(form->treeView()->currentItem()), folder);
}

namespace {

// Clicks a menu-bar menu's title; true once the menu has dropped down.
bool dropDown(MainWindowFixture& f, QMenu* menu)
{
    QMenuBar* bar = f.form()->mainMenus().MainMenu1();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(menu->menuAction()).center());
    return f.waitFor([&] { return menu->isVisible(); }, 1000);
}

void closeMenus(MainWindowFixture& f, QMenu* menu)
{
    QTest::keyClick(menu, Qt::Key_Escape);
    QTest::keyClick(menu, Qt::Key_Escape);
    f.settle();
}

} // namespace

TEST(RecentMenu, AnEmptyFavoritesMenuDropsDownAgainOnceItHasAnEntry)
{
    MainWindowFixture f;
    QMenu* favorites = f.form()->findChild<QMenu*>("Favorites");
    ASSERT_TRUE(TestState().settings.Settings.Favorites[0].isEmpty());
    ASSERT_TRUE(dropDown(f, favorites));
    EXPECT_TRUE(f.form()->actionNamed("ClearFavs")->isVisible());
    EXPECT_FALSE(f.form()->actionNamed("N12")->isVisible());
    closeMenus(f, favorites);

    f.form()->listMenus()->AddToFavorites(f.folder(), true);
    ASSERT_TRUE(dropDown(f, favorites));
    EXPECT_TRUE(f.form()->actionNamed("Fav1")->isVisible());
    EXPECT_TRUE(f.form()->actionNamed("N12")->isVisible());
    closeMenus(f, favorites);
}

TEST(RecentMenu, TheClipboardSubmenuIsAsWideAsItsCaptionsAtEachOpening)
{
    MainWindowFixture f;
    const QString longName = QStringLiteral("a picture with a rather long name from the summer holiday.jpg");
    testsupport::writePicture(f.folder(), longName);
    f.clickExpander(f.node(f.folder()));
    QMenu* file = f.form()->findChild<QMenu*>("Bestand1");
    QMenu* clipboard = f.form()->findChild<QMenu*>("ClipBoardFunctions");
    for (const QString& name : {QStringLiteral("a.jpg"), longName}) {
        f.clickNode(f.picture(name));
        // The captions name the picture the preview shows, once it has arrived.
        ASSERT_TRUE(f.waitFor([&] { return f.form()->pictureInfo()->PreviewedPath == f.picture(name); }));
        ASSERT_TRUE(dropDown(f, file));
        QTest::mouseClick(file, Qt::LeftButton, Qt::NoModifier, file->actionGeometry(clipboard->menuAction()).center());
        ASSERT_TRUE(f.waitFor([&] { return clipboard->isVisible(); }, 1000));
        QAction* picture = f.form()->actionNamed("PictureToClipboard");
        ASSERT_TRUE(picture->text().contains(name)) << picture->text().toStdString();
        const int needed = QFontMetrics(clipboard->font()).horizontalAdvance(QString(picture->text()).remove('&'));
        EXPECT_GE(clipboard->actionGeometry(picture).width(), needed) << name.toStdString();
        EXPECT_GE(clipboard->width(), needed) << name.toStdString();
        closeMenus(f, clipboard);
        file->close();
        f.settle();
    }
}
