// The Recent, Favorites, history and drive menus of the main window: filled
// as they open, found by name; a click on an entry opens it in the tree and
// writes back only into that entry.
#include "app/main_window.h"
#include "app/menu_controller.h"
#include "browse/folder_tree_section.h"
#include "support/test_state.h"

#include "base/data_folder.h"
#include "app/menu_caption.h"
#include "base/settings_record.h"
#include "browse/drive_menu.h"
#include "browse/list_menus_section.h"
#include "browse/folder_tree_widget.h"
#include "browse/recent_lists.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "shows/show_record.h"
#include "slideshow/show_state.h"
#include "support/sandbox.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::writeFile;

namespace {

class MainWindowListsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drive = freshDir("driveD");
        platform::setFakeMountTable({{"/", "ext4", "/dev/sda1", false}, {drive, "vfat", "/dev/sdb1", true}});
        QDir().mkpath(drive + "/Tom & Jerry/Sub");
        QDir().mkpath(drive + "/Other");
        writeFile(drive + "/Tom & Jerry/p.jpg", "jpg");
        TestState().settings.Settings = TSettingsRecord();
        TestState().settings.Settings.InclJPG = 1;
        TestState().settings.Settings.MaxSizeKB = 999999;
        TestState().session.PlaybackActive = 0;
    }
    void TearDown() override
    {
        platform::clearFakeMountTable();
        TestState().session.PlaybackActive = 0;
    }
    static void open(QMenu* menu)
    {
        ASSERT_NE(menu, nullptr);
        emit menu->aboutToShow();
    }
    QString drive;
};

} // namespace

TEST_F(MainWindowListsTest, RecentMenuShowsUsedEntriesWithDoubledAmpersands)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    form.SetupListMenus();
    Settings.RecentFolders[0] = drive + "/Tom & Jerry";
    Settings.RecentFolders[1] = drive + "/Other";
    open(form.findChild<QMenu*>("Recent1"));
    QAction* first = form.actionNamed("Folder1");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->text(), "&1 - " + drive + "/Tom && Jerry");
    EXPECT_EQ(form.actionNamed("Folder2")->text(), "&2 - " + drive + "/Other");
    EXPECT_FALSE(form.actionNamed("Folder3")->isVisible());
    EXPECT_TRUE(form.actionNamed("Folder3")->text().isEmpty());
    EXPECT_TRUE(form.actionNamed("N16")->isVisible());
    EXPECT_TRUE(form.actionNamed("ClearRec")->isVisible());
}

TEST_F(MainWindowListsTest, RemovingTheOnlyFavouriteLeavesOnlyMaintenanceOnNextOpening)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    form.listMenus()->AddToFavorites(drive + "/Other", true);
    EXPECT_EQ(Settings.Favorites[0], drive + "/Other");
    QMenu* favorites = form.findChild<QMenu*>("Favorites");
    open(favorites);
    EXPECT_TRUE(form.actionNamed("Fav1")->isVisible());
    EXPECT_TRUE(form.actionNamed("N12")->isVisible());
    EXPECT_TRUE(form.actionNamed("ClearFavs")->isVisible());
    EXPECT_TRUE(form.listMenus()->FindInRecentLists('F', (drive + "/OTHER")));
    EXPECT_EQ(form.listMenus()->FoundListIndex, 0);

    form.listMenus()->RemoveFromFavorites(drive + "/other");
    open(favorites);
    EXPECT_TRUE(Settings.Favorites[0].isEmpty());
    EXPECT_FALSE(form.actionNamed("Fav1")->isVisible());
    EXPECT_FALSE(form.actionNamed("N12")->isVisible());
    EXPECT_TRUE(form.actionNamed("ClearFavs")->isVisible());
    EXPECT_EQ(form.listMenus()->FavoriteIndexOf(drive + "/Other"), -1);
}

TEST_F(MainWindowListsTest, FullFavouritesAskBeforeAnything)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    for (int i = 0; i < 9; ++i)
        Settings.Favorites[size_t(i)] = drive + "/F" + QString::number(i);
    const auto before = Settings.Favorites;
    platform::ScopedPromptResponder answers(
        QList<platform::PromptReply>{platform::PromptReply::button(platform::PromptAnswer::No)});
    form.listMenus()->AddToFavorites(drive + "/Other", true);
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.text, FavoritesFullText);
    EXPECT_EQ(Settings.Favorites, before);
}

TEST_F(MainWindowListsTest, ClickOnARecentEntryOpensItAndWritesBackOnlyIntoThatEntry)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    // The same folder is also a favourite and another recent entry, spelt
    // loosely: only the clicked entry gets the walked path.
    const QString loose = drive + "/Tom & Jerry/./Sub/";
    Settings.RecentFolders[0] = drive + "/Other";
    Settings.RecentFolders[1] = loose;
    Settings.RecentFolders[2] = loose;
    Settings.Favorites[1] = loose;
    form.listMenus()->BuildRecentMenu();
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.actionNamed("Folder2")->trigger();

    EXPECT_TRUE(platform::promptLog().isEmpty());
    EXPECT_EQ(form.folderTree()->SelectedFolder, drive + "/Tom & Jerry/Sub");
    ASSERT_NE(form.treeView()->currentItem(), nullptr);
    EXPECT_EQ(form.treeView()->currentItem()->text(0), "Sub");
    EXPECT_EQ(Settings.RecentFolders[1], drive + "/Tom & Jerry/Sub");
    EXPECT_EQ(form.actionNamed("Folder2")->text(), "&2 - " + drive + "/Tom && Jerry/Sub");
    EXPECT_EQ(Settings.RecentFolders[0], drive + "/Other");
    EXPECT_EQ(Settings.RecentFolders[2], loose);
    EXPECT_EQ(Settings.Favorites[1], loose);
    EXPECT_EQ(form.listMenus()->ListEntryStarted, 0);
    EXPECT_EQ(form.folderTree()->KeepListEntry, 0);

    // A favourite click writes into the favourite only.
    form.listMenus()->BuildFavoritesMenu();
    form.actionNamed("Fav2")->trigger();
    EXPECT_EQ(Settings.Favorites[1], drive + "/Tom & Jerry/Sub");
    EXPECT_EQ(Settings.RecentFolders[2], loose);
}

TEST_F(MainWindowListsTest, EntryThatIsGoneIsReportedAndKept)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    Settings.RecentFolders[0] = drive + "/Gone";
    form.listMenus()->BuildRecentMenu();
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.actionNamed("Folder1")->trigger();
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.text, "Folder or file no longer exists!");
    EXPECT_EQ(Settings.RecentFolders[0], drive + "/Gone");

    // A later opening by another caller writes into no entry.
    form.folderTree()->FolderToOpen = drive + "/Other";
    form.folderTree()->KeepListEntry = 1;
    form.folderTreeSection()->OpenFolderOrShow();
    EXPECT_EQ(Settings.RecentFolders[0], drive + "/Gone");
}

TEST_F(MainWindowListsTest, HistoryMenuAndMissingHistoryFile)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    form.listMenus()->AddToShowHistory(drive + "/a.vxt");
    form.listMenus()->AddToShowHistory(drive + "/b.vxt");
    form.listMenus()->AddToShowHistory(drive + "/a.vxt");
    EXPECT_EQ(Settings.ShowHistory[0], drive + "/a.vxt");
    EXPECT_EQ(Settings.ShowHistory[1], drive + "/b.vxt");
    EXPECT_TRUE(Settings.ShowHistory[2].isEmpty());
    EXPECT_TRUE(form.actionNamed("N1")->isVisible());
    EXPECT_EQ(form.actionNamed("histVXO2")->text(), "&2 - " + drive + "/b.vxt");
    EXPECT_FALSE(form.actionNamed("histVXO3")->isVisible());

    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.actionNamed("histVXO1")->trigger();
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.text, "File no longer exists!");

    form.listMenus()->RemoveFromHistory(drive + "/a.vxt");
    form.listMenus()->RemoveFromHistory(drive + "/b.vxt");
    EXPECT_FALSE(form.actionNamed("N1")->isVisible());
    EXPECT_FALSE(form.actionNamed("histVXO1")->isVisible());
}

TEST_F(MainWindowListsTest, DriveMenusFilledAsTheFileMenuOpensAndADriveOpens)
{
    MainWindow form(TestState());
    form.SetupListMenus();
    open(form.findChild<QMenu*>("Bestand1"));
    QAction* c = form.actionNamed("Drive03");
    QAction* d = form.actionNamed("Drive04");
    ASSERT_NE(c, nullptr);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->text(), "&C: / Fixed Drive");
    EXPECT_EQ(d->text(), "&D: " + drive + " Floppy/Removable");
    EXPECT_FALSE(form.actionNamed("Drive05")->isVisible());
    // The painter takes the glyph from the caption: fixed 2, removable 3.
    EXPECT_EQ(DriveImageIndex(c->text()), 2);
    EXPECT_EQ(DriveImageIndex(d->text()), 3);
    EXPECT_EQ(form.listMenus()->DriveTable[3], "D: " + drive + " Floppy/Removable");
    EXPECT_EQ(form.listMenus()->FirstWritableCdDrive, QLatin1Char('1'));
    // The pop-up copies the File menu's submenu item for item.
    QAction* pd = form.actionNamed("PDrive04");
    EXPECT_EQ(pd->text(), d->text());
    EXPECT_TRUE(pd->isVisible());
    EXPECT_TRUE(form.actionNamed("DPDefStartUp")->isVisible());

    pd->trigger();
    EXPECT_EQ(form.listMenus()->DriveMenuIndex, 3);
    EXPECT_EQ(form.folderTree()->SelectedFolder, drive);
    ASSERT_EQ(form.treeView()->topLevelItemCount(), 1);

    // A volume that is gone takes its item away: letters follow the mount points.
    platform::setFakeMountTable({{"/", "ext4", "/dev/sda1", false}});
    open(form.findChild<QMenu*>("DrivePop"));
    EXPECT_FALSE(form.actionNamed("Drive04")->isVisible());
    EXPECT_FALSE(form.actionNamed("PDrive04")->isVisible());
    EXPECT_TRUE(form.actionNamed("PDrive03")->isVisible());
}

TEST_F(MainWindowListsTest, DefaultStartupFolderAndAutomaticShow)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    form.folderTree()->SelectedFolder = drive + "/Tom & Jerry";
    form.listMenus()->MakeDefaultClick();
    EXPECT_EQ(Settings.StartupFolder, drive + "/Tom & Jerry");
    QAction* makeDefault = form.actionNamed("MakeDefault");
    EXPECT_FALSE(makeDefault->isEnabled());
    EXPECT_TRUE(makeDefault->text().endsWith("' is already the default start-up folder"));
    EXPECT_TRUE(makeDefault->text().contains("&&"));

    // Without a folder the default stays as it was.
    form.folderTree()->SelectedFolder.clear();
    form.listMenus()->MakeDefaultClick();
    EXPECT_EQ(Settings.StartupFolder, drive + "/Tom & Jerry");
    form.folderTree()->SelectedFolder = drive + "/Tom & Jerry";

    // The pop-up's item adds the selected folder, then, named "Delete"
    // when the pop-up opens again, takes it out again.
    QAction* addPop = form.actionNamed("AddSelectedFolderPop");
    form.menus()->RightClickTreeViewPopup();
    EXPECT_EQ(addPop->text(), "Add to &Favorites");
    form.listMenus()->AddSelectedFolderClick(addPop);
    EXPECT_EQ(Settings.Favorites[0], drive + "/Tom & Jerry");
    form.listMenus()->AddSelectedFolderClick(addPop);   // still "Add": no removal
    EXPECT_EQ(Settings.Favorites[0], drive + "/Tom & Jerry");
    EXPECT_TRUE(Settings.Favorites[1].isEmpty());
    form.menus()->RightClickTreeViewPopup();
    EXPECT_EQ(addPop->text(), "Delete from &Favorites");
    form.listMenus()->AddSelectedFolderClick(addPop);
    EXPECT_TRUE(Settings.Favorites[0].isEmpty());

    Settings.PlayOrder = 2;
    Settings.MaxPictures = 40;
    form.listMenus()->ListEntryStarted = 1;
    form.listMenus()->StartedListEntry = drive + "/Other";
    form.listMenus()->MakeAutomaticClick(&form);
    EXPECT_EQ(Settings.AutoShowPath, drive + "/Other");
    EXPECT_EQ(Settings.KeepAutoShow, 1);
    EXPECT_EQ(Settings.AutoShowOptions.PlayOrder, 2);
    EXPECT_EQ(Settings.AutoShowOptions.MaxPictures, 40);
    form.listMenus()->MakeAutoMaticPopClick();
    EXPECT_EQ(form.listMenus()->ListEntryStarted, 0);
    EXPECT_EQ(Settings.AutoShowPath, drive + "/Tom & Jerry");
}

TEST_F(MainWindowListsTest, ListMenusAreFilledWhenTheWindowFirstShows)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Settings.RecentFolders[0] = drive + "/Other";
    Settings.Favorites[0] = drive + "/Tom & Jerry";
    Settings.ShowHistory[0] = drive + "/a.vxt";
    MainWindow form(TestState());
    EXPECT_FALSE(form.actionNamed("Folder1")->isVisible());
    form.show();
    EXPECT_TRUE(form.actionNamed("Folder1")->isVisible());
    EXPECT_EQ(form.actionNamed("Fav1")->text(), "&1 - " + drive + "/Tom && Jerry");
    EXPECT_TRUE(form.actionNamed("histVXO1")->isVisible());
    form.hide();
}

TEST_F(MainWindowListsTest, HistoryEntryOpensAsTheMyShowAndMovesToTheTop)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString data = freshDir("data");
    TestState().paths.DraftShowPath = data + "/vistamo.vxt";
    TestState().paths.WorkShowPath = data + "/vistamo.tmp";
    TestState().paths.ShowsFolder = data + "/Vistamo! Slide Shows";
    const QString trip = drive + "/Trip.vxt";
    ASSERT_TRUE(writeFile(trip, EncodeShowRecord(NewPictureRecord(drive + "/Tom & Jerry/p.jpg", 40))));
    Settings.ShowHistory[0] = drive + "/Other.vxt";
    Settings.ShowHistory[1] = trip;
    MainWindow form(TestState());
    form.listMenus()->BuildHistoryMenu();
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.actionNamed("histVXO2")->trigger();
    EXPECT_EQ(form.openShow().NamedShowOpen, 1);
    EXPECT_EQ(form.openShow().OpenShowPath, trip);
    EXPECT_EQ(form.showList()->grid()->rowCount(), 1);
    EXPECT_EQ(Settings.ShowHistory[0], trip);
    EXPECT_EQ(Settings.ShowHistory[1], drive + "/Other.vxt");
    EXPECT_TRUE(Settings.ShowHistory[2].isEmpty());
    EXPECT_EQ(form.actionNamed("histVXO1")->text(), "&1 - " + trip);
    // Shows are not saved under another name here: the item stays greyed.
    EXPECT_FALSE(form.actionNamed("SaveMyShowAs")->isEnabled());
    CloseOpenShow(form.openShow());
}

TEST_F(MainWindowListsTest, WhileAShowRunsAnEntryIsPlayedAndAMissingOneReported)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    Settings.Favorites[0] = drive + "/Gone";
    form.listMenus()->BuildFavoritesMenu();
    TestState().session.PlaybackActive = 1;
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.actionNamed("Fav1")->trigger();
    ASSERT_FALSE(platform::promptLog().isEmpty());
    EXPECT_EQ(platform::promptLog().back().request.text, "Folder or File no longer exists!");
    EXPECT_EQ(form.listMenus()->ListEntryStarted, 0);
    EXPECT_EQ(Settings.Favorites[0], drive + "/Gone");
    EXPECT_EQ(form.treeView()->topLevelItemCount(), 0);   // nothing was browsed
}
