// The folder tree widget on a fake drive table: opening a folder by path,
// the refusals and their messages, expanding and collapsing, clicks on
// picture, video and folder nodes, and the list-entry write-back.
#include "browse/folder_exclusions.h"
#include "support/test_state.h"
#include "browse/folder_tree_widget.h"

#include "base/data_folder.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "support/sandbox.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

using testsupport::freshDir;
using testsupport::writeFile;

namespace {

struct Calls {
    QStringList shows;
    QList<QPair<QString, bool>> pictures;
    QList<QPair<ListEntryRef, QString>> writeBacks;
    QStringList videos;
    int captions = 0;
    bool playing = false;
    QString videoProgram;
};

class FolderTreeWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drive = freshDir("driveD");
        platform::setFakeMountTable({{"/", "ext4", "/dev/sda1", false},
                                     {drive, "ext4", "/dev/sdb1", false}});
        QDir().mkpath(drive + "/Pics/Holiday/2020");
        QDir().mkpath(drive + "/Pics/Holiday/Beach");
        QDir().mkpath(drive + "/Pics/Empty");
        QDir().mkpath(drive + "/Pics/Holiday/vxothumb");
        writeFile(drive + "/Pics/Holiday/b.jpg", "jpeg");
        writeFile(drive + "/Pics/Holiday/A.bmp", "bmp");
        writeFile(drive + "/Pics/Holiday/clip.avi", "");
        writeFile(drive + "/Pics/Holiday/notes.txt", "x");
        writeFile(drive + "/Pics/show.vxt", "show");
        writeFile(drive + "/Docs/readme.txt", "x");

        window = std::make_unique<QWidget>();
        auto* tree = new QTreeWidget(window.get());
        tree->setObjectName("TreeView1");
        tree->resize(400, 800);
        window->resize(400, 800);
        window->show();

        FolderTreeHooks hooks;
        hooks.playbackActive = [this] { return calls.playing; };
        hooks.openShowFile = [this](const QString& p) { calls.shows << p; };
        hooks.captionChanged = [this] { ++calls.captions; };
        hooks.listEntryWalked = [this](const ListEntryRef& r, const QString& p) {
            calls.writeBacks.append({r, p});
        };
        hooks.pictureClicked = [this](const QString& p, bool full) { calls.pictures.append({p, full}); };
        hooks.videoProgram = [this] { return calls.videoProgram; };
        hooks.runVideo = [this](const QString&, const QString& f) { calls.videos << f; };
        ctl = std::make_unique<FolderTreeController>(tree, TestState().paths, hooks);

        ctl->Exclusions.ExclusionList.clear();
        ctl->Exclusions.ExclusionsChanged = 0;
        ctl->Exclusions.FolderExclusionsActive = 1;
        ctl->KeepListEntry = 0;
        ctl->ListEntryToUpdate = ListEntryRef();
    }

    void TearDown() override
    {
        ctl.reset();
        window.reset();
        platform::clearFakeMountTable();
    }

    QTreeWidget* tree() const { return window->findChild<QTreeWidget*>("TreeView1"); }

    OpenTargetKind open(const QString& path)
    {
        ctl->FolderToOpen = path;
        return ctl->OpenFolderOrShow();
    }

    static QStringList childTexts(QTreeWidgetItem* item)
    {
        QStringList texts;
        for (int i = 0; i < item->childCount(); ++i)
            texts << item->child(i)->text(0);
        return texts;
    }

    QTreeWidgetItem* child(QTreeWidgetItem* item, const QString& text)
    {
        for (int i = 0; i < item->childCount(); ++i)
            if (item->child(i)->text(0) == text)
                return item->child(i);
        return nullptr;
    }

    void click(QTreeWidgetItem* item, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        tree()->scrollToItem(item);
        const QPoint pos = tree()->visualItemRect(item).center();
        ctl->TreeView1MouseDown(true, button, mods, pos);
    }

    QString drive;
    Calls calls;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<FolderTreeController> ctl;
};

} // namespace

TEST_F(FolderTreeWidgetTest, OpensAFolderAndWalksDownToIt)
{
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    ASSERT_NE(tree(), nullptr);
    EXPECT_EQ(open(drive + "/Pics/Holiday"), OpenTargetKind::Folder);
    EXPECT_TRUE(platform::promptLog().isEmpty());

    QTreeWidgetItem* root = tree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(tree()->topLevelItemCount(), 1);
    EXPECT_EQ(root->text(0), "D: " + drive);
    EXPECT_EQ(FolderTreeController::NodeImage(root), 0);
    EXPECT_EQ(ctl->GetNodePath(root), drive);
    EXPECT_EQ(childTexts(root), (QStringList{"Docs", "Pics"}));

    QTreeWidgetItem* pics = child(root, "Pics");
    ASSERT_NE(pics, nullptr);
    EXPECT_TRUE(pics->isExpanded());
    EXPECT_EQ(FolderTreeController::NodeImage(pics), 2);
    EXPECT_EQ(childTexts(pics), (QStringList{"Empty", "Holiday"}));

    QTreeWidgetItem* holiday = child(pics, "Holiday");
    ASSERT_NE(holiday, nullptr);
    EXPECT_TRUE(holiday->isExpanded());
    EXPECT_EQ(tree()->currentItem(), holiday);
    EXPECT_EQ(ctl->SelectedFolder, drive + "/Pics/Holiday");
    EXPECT_EQ(ctl->OpenedFolderNode, holiday);
    // Folders first, then pictures and videos; the thumbnail folder and the
    // text file are not listed.
    EXPECT_EQ(childTexts(holiday), (QStringList{"2020", "Beach", "A.bmp", "b.jpg", "clip.avi"}));
    EXPECT_EQ(FolderTreeController::NodeImage(child(holiday, "A.bmp")), 6);
    EXPECT_EQ(FolderTreeController::NodeImage(child(holiday, "b.jpg")), 4);
    EXPECT_EQ(FolderTreeController::NodeImage(child(holiday, "clip.avi")), 21);
    EXPECT_EQ(FolderTreeController::NodeSize(child(holiday, "b.jpg")), 4);
    // Unread folders carry the placeholder so they show an expander.
    QTreeWidgetItem* beach = child(holiday, "Beach");
    EXPECT_EQ(childTexts(beach), QStringList{"<no picture or video files to select>"});
    EXPECT_EQ(FolderTreeController::NodeImage(beach->child(0)), 3);
    EXPECT_GT(calls.captions, 0);
}

TEST_F(FolderTreeWidgetTest, OpeningTheDriveShowsItsRoot)
{
    EXPECT_EQ(open(drive), OpenTargetKind::Folder);
    QTreeWidgetItem* root = tree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(ctl->SelectedFolder, drive);
    // "D:" names the same drive.
    EXPECT_EQ(open("D:"), OpenTargetKind::Folder);
    EXPECT_EQ(ctl->SelectedFolder, drive);
    EXPECT_EQ(open("d:\\Pics"), OpenTargetKind::Folder);
    EXPECT_EQ(ctl->SelectedFolder, drive + "/Pics");
}

TEST_F(FolderTreeWidgetTest, RefusalsShowTheirMessagesAndKeepTheTree)
{
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    open(drive + "/Pics");
    const QString before = ctl->SelectedFolder;

    calls.playing = true;
    EXPECT_EQ(open(drive + "/Docs"), OpenTargetKind::ShowRunning);
    calls.playing = false;
    EXPECT_EQ(open("Q:"), OpenTargetKind::DriveNotReady);
    EXPECT_EQ(open(drive + "/Pics/Gone"), OpenTargetKind::Missing);
    // A path outside every drive is reported, not fatal.
    EXPECT_EQ(open("relative/path"), OpenTargetKind::Missing);
    EXPECT_EQ(open(""), OpenTargetKind::Missing);
    EXPECT_EQ(open("1:\\x"), OpenTargetKind::Missing);

    const auto& log = platform::promptLog();
    ASSERT_EQ(log.size(), 6);
    EXPECT_EQ(log[0].request.text,
              "You can not browse a folder or open a MyShow-file while the slide show is running!");
    EXPECT_EQ(log[1].request.text, "Drive Q: not ready !");
    for (int i = 2; i < 6; ++i)
        EXPECT_EQ(log[i].request.text, "Folder or file no longer exists!");
    for (const auto& record : log)
        EXPECT_EQ(record.request.kind, platform::PromptKind::Plain);
    EXPECT_EQ(ctl->SelectedFolder, before);
    EXPECT_EQ(ctl->TreeDriveLetter, QChar('D'));
    EXPECT_TRUE(calls.shows.isEmpty());
}

TEST_F(FolderTreeWidgetTest, AFileIsOpenedAsTheShow)
{
    open(drive + "/Pics");
    EXPECT_EQ(open(drive + "/Pics/show.vxt"), OpenTargetKind::ShowFile);
    EXPECT_EQ(calls.shows, QStringList{drive + "/Pics/show.vxt"});
    EXPECT_EQ(ctl->SelectedFolder, drive + "/Pics");
}

TEST_F(FolderTreeWidgetTest, WritesBackOnlyIntoTheListEntryThatAskedOnce)
{
    // An opening that did not come from a list entry writes nothing back.
    open(drive + "/Pics/Holiday");
    EXPECT_TRUE(calls.writeBacks.isEmpty());

    ctl->MarkListEntryOpening(true, 3);
    open(drive + "/Pics/Holiday");
    ASSERT_EQ(calls.writeBacks.size(), 1);
    EXPECT_TRUE(calls.writeBacks[0].first.favorites);
    EXPECT_EQ(calls.writeBacks[0].first.index, 3);
    EXPECT_EQ(calls.writeBacks[0].second, drive + "/Pics/Holiday");
    EXPECT_EQ(ctl->KeepListEntry, 0);
    EXPECT_FALSE(ctl->ListEntryToUpdate.valid());

    // Used once: the next opening (a refresh, a drive menu) writes nothing.
    open(drive + "/Docs");
    EXPECT_EQ(calls.writeBacks.size(), 1);

    // A caller that keeps the list entry, and a failed opening, clear the request too.
    ctl->MarkListEntryOpening(false, 0);
    ctl->KeepListEntry = 1;
    open(drive + "/Docs");
    EXPECT_EQ(calls.writeBacks.size(), 1);
    EXPECT_EQ(ctl->KeepListEntry, 0);
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    ctl->MarkListEntryOpening(false, 1);
    open(drive + "/Nothing");
    EXPECT_FALSE(ctl->ListEntryToUpdate.valid());
    open(drive + "/Docs");
    EXPECT_EQ(calls.writeBacks.size(), 1);
}

TEST_F(FolderTreeWidgetTest, CollapseThrowsAwayAndExpandReadsAgain)
{
    open(drive + "/Pics/Holiday");
    QTreeWidgetItem* holiday = child(child(tree()->topLevelItem(0), "Pics"), "Holiday");
    ASSERT_NE(holiday, nullptr);
    holiday->setExpanded(false);
    EXPECT_EQ(childTexts(holiday), QStringList{"<no picture or video files to select>"});
    EXPECT_EQ(FolderTreeController::NodeImage(holiday), 1);

    writeFile(drive + "/Pics/Holiday/new.gif", "gif");
    holiday->setExpanded(true);
    EXPECT_TRUE(childTexts(holiday).contains("new.gif"));
    EXPECT_EQ(FolderTreeController::NodeImage(holiday), 2);
    EXPECT_EQ(ctl->SelectedFolder, drive + "/Pics/Holiday");

    // A folder with only non-picture files shows the placeholder alone.
    QTreeWidgetItem* docs = child(tree()->topLevelItem(0), "Docs");
    docs->setExpanded(true);
    EXPECT_EQ(childTexts(docs), QStringList{"<no picture or video files to select>"});
}

TEST_F(FolderTreeWidgetTest, ClicksOnPicturesVideosAndVanishedNodes)
{
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    open(drive + "/Pics/Holiday");
    QTreeWidgetItem* holiday = child(child(tree()->topLevelItem(0), "Pics"), "Holiday");

    click(child(holiday, "b.jpg"));
    click(child(holiday, "A.bmp"), Qt::LeftButton, Qt::ControlModifier);
    click(child(holiday, "A.bmp"), Qt::MiddleButton);
    ASSERT_EQ(calls.pictures.size(), 3);
    EXPECT_EQ(calls.pictures[0], qMakePair(drive + "/Pics/Holiday/b.jpg", false));
    EXPECT_EQ(calls.pictures[1].second, true);
    EXPECT_EQ(calls.pictures[2].second, true);
    // A right click only selects.
    click(child(holiday, "b.jpg"), Qt::RightButton);
    EXPECT_EQ(calls.pictures.size(), 3);
    EXPECT_EQ(ctl->ClickedTreeNode, child(holiday, "b.jpg"));

    click(child(holiday, "clip.avi"));
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.text,
              "No video program attached, go to Options and click on the tab sheet Video");
    EXPECT_EQ(platform::promptLog()[0].request.kind, platform::PromptKind::Information);
    calls.videoProgram = "/usr/bin/vlc";
    click(child(holiday, "clip.avi"));
    EXPECT_EQ(calls.videos, QStringList{drive + "/Pics/Holiday/clip.avi"});
    EXPECT_EQ(ctl->LastVideoPath, drive + "/Pics/Holiday/clip.avi");

    // A folder click selects the folder.
    click(child(holiday, "Beach"));
    EXPECT_EQ(ctl->SelectedFolder, drive + "/Pics/Holiday/Beach");

    // Vanished folder and file.
    QDir(drive + "/Pics/Holiday/2020").removeRecursively();
    QFile::remove(drive + "/Pics/Holiday/b.jpg");
    platform::clearPromptLog();
    click(child(holiday, "2020"));
    click(child(holiday, "b.jpg"));
    ASSERT_EQ(platform::promptLog().size(), 2);
    EXPECT_EQ(platform::promptLog()[0].request.text,
              "Folder does not exist anymore but might be still in use by another program");
    EXPECT_EQ(platform::promptLog()[1].request.text,
              "Picture or video file does not exist anymore but might be still in use by another program");
    EXPECT_EQ(platform::promptLog()[0].request.kind, platform::PromptKind::Error);
    EXPECT_EQ(calls.pictures.size(), 3);

    // The placeholder switches the pop-up menu off.
    QTreeWidgetItem* beach = child(holiday, "Beach");
    beach->setExpanded(false);
    holiday->setExpanded(true);
    ASSERT_GT(beach->childCount(), 0);
    click(beach->child(0));
    EXPECT_FALSE(ctl->PopupEnabled);
    click(child(holiday, "A.bmp"), Qt::RightButton);
    EXPECT_TRUE(ctl->PopupEnabled);
}

TEST_F(FolderTreeWidgetTest, MousePressOnTheViewportReachesTheHandler)
{
    open(drive + "/Pics/Holiday");
    QTreeWidgetItem* holiday = child(child(tree()->topLevelItem(0), "Pics"), "Holiday");
    QTreeWidgetItem* jpg = child(holiday, "b.jpg");
    tree()->scrollToItem(jpg);
    const QPointF pos = tree()->visualItemRect(jpg).center();
    QMouseEvent press(QEvent::MouseButtonPress, pos, tree()->viewport()->mapToGlobal(pos),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree()->viewport(), &press);
    QApplication::processEvents();
    ASSERT_EQ(calls.pictures.size(), 1);
    EXPECT_EQ(calls.pictures[0].first, drive + "/Pics/Holiday/b.jpg");
}

TEST_F(FolderTreeWidgetTest, ExcludedFoldersAreLeftOutAndAWalkIntoOneTurnsExclusionsOff)
{
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    const QString data = freshDir("data");
    SetDataFolderPaths(TestState().paths, data);
    TExcludeFolderRecord rec;
    rec.Path = ExclusionKey(drive + "/Pics/Holiday");
    rec.Browse = 1;
    ASSERT_TRUE(WriteExcludeFolderFile(TestState().paths.ExcludeFolderPath, {rec}));
    ctl->Exclusions.ExclusionsChanged = 1;

    open(drive + "/Pics");
    QTreeWidgetItem* pics = child(tree()->topLevelItem(0), "Pics");
    EXPECT_EQ(childTexts(pics), QStringList{"Empty"});
    EXPECT_TRUE(platform::promptLog().isEmpty());

    open(drive + "/Pics/Holiday/Beach");
    EXPECT_EQ(ctl->Exclusions.FolderExclusionsActive, 0);
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.text,
              "(Parent) folder had been excluded from Browse window,\n'Folder Exclusions Active' is turned off");
    EXPECT_EQ(ctl->SelectedFolder, drive + "/Pics/Holiday/Beach");
    EXPECT_EQ(tree()->currentItem()->text(0), "Beach");
    ctl->Exclusions.FolderExclusionsActive = 1;
    TestState().paths.ExcludeFolderPath.clear();
    ctl->Exclusions.ExclusionsChanged = 1;
}

TEST_F(FolderTreeWidgetTest, RefreshKeepsTheSelectedNodeAndImagesFollowTheOptions)
{
    open(drive + "/Pics/Holiday");
    QTreeWidgetItem* holiday = child(child(tree()->topLevelItem(0), "Pics"), "Holiday");
    tree()->setCurrentItem(child(holiday, "b.jpg"));
    writeFile(drive + "/Pics/Holiday/c.jpg", "c");
    ctl->RefreshSelectedFolder();
    ASSERT_NE(tree()->currentItem(), nullptr);
    EXPECT_EQ(tree()->currentItem()->text(0), "b.jpg");
    holiday = child(child(tree()->topLevelItem(0), "Pics"), "Holiday");
    EXPECT_TRUE(childTexts(holiday).contains("c.jpg"));
    EXPECT_EQ(ctl->KeepListEntry, 0);

    TreePlayOptions opts;
    opts.include[0] = false;
    ctl->hooks().playOptions = [opts] { return opts; };
    ctl->VideoImageIndex = 22;
    ctl->RefreshTreeImages();
    EXPECT_EQ(FolderTreeController::NodeImage(child(holiday, "b.jpg")), 11);
    EXPECT_EQ(FolderTreeController::NodeImage(child(holiday, "A.bmp")), 6);
    EXPECT_EQ(FolderTreeController::NodeImage(child(holiday, "clip.avi")), 22);
    ctl->VideoImageIndex = 21;
}

TEST_F(FolderTreeWidgetTest, ClickOnTheCollapsedRootReadsTheDriveAgain)
{
    open(drive + "/Pics");
    QTreeWidgetItem* root = tree()->topLevelItem(0);
    root->setExpanded(false);
    // The root keeps its children when it collapses.
    EXPECT_EQ(childTexts(root), (QStringList{"Docs", "Pics"}));
    EXPECT_EQ(ctl->CurrentFolderNode, root);
    EXPECT_EQ(ctl->SelectedFolder, drive);

    QDir().mkpath(drive + "/Added");
    ctl->TreeView1Click();
    root = tree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_EQ(childTexts(root), (QStringList{"Added", "Docs", "Pics"}));
    EXPECT_EQ(ctl->TreeRootNode, root);
    EXPECT_EQ(ctl->SelectedFolder, drive);
}

TEST_F(FolderTreeWidgetTest, EnterActsAsALeftClickOnTheSelectedNode)
{
    open(drive + "/Pics/Holiday");
    QTreeWidgetItem* holiday = child(child(tree()->topLevelItem(0), "Pics"), "Holiday");
    tree()->setCurrentItem(child(holiday, "A.bmp"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(tree(), &enter);
    ASSERT_EQ(calls.pictures.size(), 1);
    EXPECT_EQ(calls.pictures[0].first, drive + "/Pics/Holiday/A.bmp");
    QKeyEvent menu(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    QApplication::sendEvent(tree(), &menu);
    EXPECT_EQ(calls.pictures.size(), 1);
}
