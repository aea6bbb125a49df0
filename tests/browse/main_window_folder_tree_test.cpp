// The folder tree inside the main window: TreeView1 found by name, opening a
// folder for any caller, the refusal while a show plays, the caption and the
// write-back into a favourite entry with its menu item.
#include "app/main_window.h"
#include "support/test_state.h"

#include "app/menu_controller.h"
#include "base/data_folder.h"
#include "base/settings_record.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_loader_slots.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"
#include "support/sandbox.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::writeFile;

namespace {

class MainWindowFolderTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drive = freshDir("driveE");
        platform::setFakeMountTable({{"/", "ext4", "/dev/sda1", false},
                                     {drive, "vfat", "/dev/sdc1", true}});
        QDir().mkpath(drive + "/Album & more/Sub");
        writeFile(drive + "/Album & more/p.jpg", "jpg");
        TestState().settings.Settings = TSettingsRecord();
        TestState().settings.Settings.InclJPG = TestState().settings.Settings.InclJPEG = TestState().settings.Settings.InclBMP = TestState().settings.Settings.InclICO = 1;
        TestState().settings.Settings.InclEMF = TestState().settings.Settings.InclWMF = TestState().settings.Settings.InclGIF = 1;
        TestState().settings.Settings.MaxSizeKB = 999999;
        TestState().session.PlaybackActive = 0;
    }
    void TearDown() override
    {
        platform::clearFakeMountTable();
        TestState().session.PlaybackActive = 0;
    }
    QString drive;
};

} // namespace

TEST_F(MainWindowFolderTreeTest, OpensAFolderInTreeView1)
{
    MainWindow form(TestState());
    form.folderTree()->FolderToOpen = drive + "/Album & more";
    form.folderTree()->KeepListEntry = 1;
    form.folderTreeSection()->OpenFolderOrShow();
    auto* tree = form.findChild<QTreeWidget*>("TreeView1");
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    // A removable volume's root has the removable-drive image.
    EXPECT_EQ(FolderTreeController::NodeImage(root), 19);
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->currentItem()->text(0), "Album & more");
    EXPECT_EQ(form.folderTree()->GetNodePath(tree->currentItem()), drive + "/Album & more");
    EXPECT_EQ(form.folderTree()->SelectedFolder, drive + "/Album & more");
    EXPECT_EQ(form.folderTree()->KeepListEntry, 0);
    EXPECT_TRUE(form.statusPanels()->panel1()->text().startsWith("Selected folder: "));
    EXPECT_TRUE(form.statusPanels()->panel1()->text().endsWith("  (excluding subfolders)"));
    EXPECT_EQ(form.statusPanels()->toolTip(),
              "Selected folder: " + drive + "/Album & more  (excluding subfolders)");
    EXPECT_EQ(form.findChild<QToolButton*>(QStringLiteral("CopyVXOButton"))->toolTip(),
              "Copy pictures/sound in show to Selected Folder : " + drive + "/Album & more");
    EXPECT_TRUE(form.folderTreeSection()->DriveReady('d'));
    EXPECT_FALSE(form.folderTreeSection()->DriveReady('Q'));
}

TEST_F(MainWindowFolderTreeTest, RefusesWhileAShowPlays)
{
    MainWindow form(TestState());
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    TestState().session.PlaybackActive = 1;
    form.folderTree()->FolderToOpen = drive;
    form.folderTreeSection()->OpenFolderOrShow();
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.text,
              "You can not browse a folder or open a MyShow-file while the slide show is running!");
    EXPECT_EQ(form.treeView()->topLevelItemCount(), 0);
}

TEST_F(MainWindowFolderTreeTest, FavouriteEntryGetsTheWalkedPathAndItsCaption)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    Settings.Favorites[2] = drive + "/Album & more";
    form.folderTree()->MarkListEntryOpening(true, 2);
    form.folderTree()->FolderToOpen = Settings.Favorites[2];
    form.folderTreeSection()->OpenFolderOrShow();
    EXPECT_EQ(Settings.Favorites[2], drive + "/Album & more");
    EXPECT_EQ(form.actionNamed("Fav3")->text(), "&3 - " + drive + "/Album && more");
    // The recent list is left alone.
    EXPECT_TRUE(Settings.RecentFolders[2].isEmpty());

    // A later opening by another caller does not touch the entry.
    form.actionNamed("Fav3")->setText("unchanged");
    form.folderTree()->FolderToOpen = drive + "/Album & more/Sub";
    form.folderTreeSection()->OpenFolderOrShow();
    EXPECT_EQ(form.actionNamed("Fav3")->text(), "unchanged");
    EXPECT_EQ(Settings.Favorites[2], drive + "/Album & more");
}

TEST_F(MainWindowFolderTreeTest, ClickOnAPictureShowsItInThePreviewAndKeepsTheTree)
{
    MainWindow form(TestState());
    form.resize(1000, 700);
    form.show();
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(drive + "/Album & more/real.jpg", "JPG"));
    writeFile(drive + "/Album & more/broken.jpg", "not a jpeg at all");
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.folderTree()->FolderToOpen = drive + "/Album & more";
    form.folderTreeSection()->OpenFolderOrShow();

    QTreeWidgetItem* folder = form.treeView()->currentItem();
    ASSERT_NE(folder, nullptr);
    QTreeWidgetItem* real = form.folderTreeSection()->FindAndSelectTreeNode("REAL.JPG", true);
    ASSERT_NE(real, nullptr);
    EXPECT_EQ(form.treeView()->currentItem(), real);
    form.folderTreeSection()->TreeView1MouseDown(false, Qt::LeftButton, Qt::NoModifier, QPoint());
    // The preview shows it a moment later; the main picture area stays hidden.
    for (int i = 0; i < 50 && form.findChild<QLabel*>(QStringLiteral("Image4"))->isHidden(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("Image4"))->isVisible());
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("Image4"))->pixmap().isNull());
    EXPECT_TRUE(form.clientArea()->picture()->isHidden());
    PictureSlotModel* slot = form.pictureSlot();
    ASSERT_NE(slot, nullptr);
    EXPECT_FALSE(slot->Loaded());
    EXPECT_TRUE(platform::promptLog().isEmpty());

    // A picture that can't be decoded says so in the preview, without a box.
    ASSERT_NE(form.folderTreeSection()->FindAndSelectTreeNode("broken.jpg", true), nullptr);
    form.folderTreeSection()->TreeView1MouseDown(false, Qt::LeftButton, Qt::NoModifier, QPoint());
    for (int i = 0; i < 50 && form.findChild<QLabel*>(QStringLiteral("CannotOpenLabel4"))->isHidden(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("CannotOpenLabel4"))->isVisible());
    EXPECT_TRUE(platform::promptLog().isEmpty());
}

TEST_F(MainWindowFolderTreeTest, ExclusionsSwitchAndRefreshRebuildTheTree)
{
    MainWindow form(TestState());
    form.folderTree()->FolderToOpen = drive + "/Album & more/Sub";
    form.folderTreeSection()->OpenFolderOrShow();
    ASSERT_EQ(form.folderTree()->SelectedFolder, drive + "/Album & more/Sub");

    // Refresh reads the selected folder again and keeps the node selected.
    QDir().mkpath(drive + "/Album & more/Sub/New");
    form.actionNamed("Refresh")->trigger();
    EXPECT_EQ(form.folderTree()->SelectedFolder, drive + "/Album & more/Sub");
    ASSERT_NE(form.treeView()->currentItem(), nullptr);
    EXPECT_EQ(form.treeView()->currentItem()->text(0), "Sub");
    EXPECT_EQ(form.treeView()->currentItem()->childCount(), 1);

    // Switching exclusions off rebuilds the tree from the drive root.
    form.actionNamed("FolderExclusions")->trigger();
    EXPECT_FALSE(form.actionNamed("FolderExclusions")->isChecked());
    EXPECT_EQ(form.folderTree()->Exclusions.FolderExclusionsActive, 0);
    EXPECT_EQ(form.folderTree()->SelectedFolder, drive);
    form.actionNamed("FolderExclusions")->trigger();
    EXPECT_EQ(form.folderTree()->Exclusions.FolderExclusionsActive, 1);
}

TEST_F(MainWindowFolderTreeTest, ExcludeMenusStoreAndShowTheChoice)
{
    MainWindow form(TestState());
    SetDataFolderPaths(TestState().paths, freshDir("data"));
    form.folderTree()->FolderToOpen = drive + "/Album & more";
    form.folderTreeSection()->OpenFolderOrShow();

    form.actionNamed("BrowsePop")->trigger();
    EXPECT_TRUE(form.actionNamed("Browse")->isChecked());
    EXPECT_TRUE(form.actionNamed("BrowsePop")->isChecked());
    auto records = ReadExcludeFolderFile(TestState().paths.ExcludeFolderPath).Items;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Path, (drive + "/album & more").toLower());
    EXPECT_EQ(records[0].Browse, 1);

    form.actionNamed("All")->trigger();
    EXPECT_FALSE(form.actionNamed("Browse")->isChecked());
    EXPECT_TRUE(form.actionNamed("AllPop")->isChecked());
    records = ReadExcludeFolderFile(TestState().paths.ExcludeFolderPath).Items;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].All, 1);
    EXPECT_EQ(records[0].Browse, 0);

    // Opening the submenu for another folder shows its own (empty) choice.
    form.folderTree()->SelectedFolder = drive;
    form.folderTreeSection()->ExcludeFolderClick();
    EXPECT_FALSE(form.actionNamed("All")->isChecked());
    form.folderTree()->SelectedFolder = drive + "/Album & more";
    form.folderTreeSection()->ExcludeFolderClick();
    EXPECT_TRUE(form.actionNamed("All")->isChecked());

    // Clearing (Options, "Clear Folder Exclusions") asks first.
    form.menus()->SetupMenus();
    {
        platform::ScopedPromptResponder cancel(QList<platform::PromptReply>{
            platform::PromptReply::button(platform::PromptAnswer::Cancel)});
        form.actionNamed("ClearExclusions")->trigger();
        EXPECT_EQ(platform::promptLog()[0].request.text, "Please confirm clearing all folder exclusions");
        EXPECT_EQ(platform::promptLog()[0].request.kind, platform::PromptKind::Confirmation);
        EXPECT_EQ(ReadExcludeFolderFile(TestState().paths.ExcludeFolderPath).Items.size(), 1u);
    }
    platform::ScopedPromptResponder ok(QList<platform::PromptReply>{
        platform::PromptReply::button(platform::PromptAnswer::Ok)});
    form.actionNamed("ClearExclusions")->trigger();
    EXPECT_TRUE(ReadExcludeFolderFile(TestState().paths.ExcludeFolderPath).Items.empty());
}

TEST_F(MainWindowFolderTreeTest, ClickAddsThePictureToTheOpenShow)
{
    MainWindow form(TestState());
    SetDataFolderPaths(TestState().paths, freshDir("data"));
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(drive + "/Album & more/blue.jpg", "JPG"));
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.myShow()->MyShowDraftClick();
    ASSERT_TRUE(form.openShow().ShowFile.IsOpen());
    const int before = form.showList()->grid()->rowCount();

    form.folderTree()->FolderToOpen = drive + "/Album & more";
    form.folderTreeSection()->OpenFolderOrShow();
    ASSERT_NE(form.folderTreeSection()->FindAndSelectTreeNode("blue.jpg", true), nullptr);
    form.folderTreeSection()->TreeView1MouseDown(false, Qt::LeftButton, Qt::NoModifier, QPoint());
    EXPECT_EQ(form.showList()->grid()->rowCount(), before + 1);

    // A show that may not be changed is not touched, and the user is told.
    form.openShow().ShowChangeable = 0;
    form.folderTreeSection()->TreeView1MouseDown(false, Qt::LeftButton, Qt::NoModifier, QPoint());
    EXPECT_EQ(form.showList()->grid()->rowCount(), before + 1);
    ASSERT_FALSE(platform::promptLog().isEmpty());
    EXPECT_EQ(platform::promptLog().last().request.text,
              "Picture can not be added to a show on a full or non-writable disk");
    form.openShow().ShowChangeable = 1;
}
