// The picture and folder operations in the assembled main window: the real
// menu items and tool buttons act on the picture selected in the tree and on
// the selected folder, with the prompt seam answering.
#include "support/test_state.h"
#include "app/main_window.h"
#include "browse/folder_tree_section.h"

#include "base/settings_record.h"
#include "browse/file_ops_controller.h"
#include "browse/folder_tree_logic.h"
#include "browse/folder_tree_widget.h"
#include "browse/progress_window.h"
#include "formats/picture_fixtures.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "base/picture_table.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/sandbox.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

using platform::PromptAnswer;
using platform::PromptReply;
using platform::PromptType;
using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

class MainWindowFileOpsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drive = freshDir("driveE");
        platform::setFakeMountTable({{"/", "ext4", "/dev/sda1", false}, {drive, "vfat", "/dev/sdc1", true}});
        writeFile(drive + "/Album/p.jpg", "picture");
        QDir().mkpath(drive + "/Other");
        TestState().settings.Settings = TSettingsRecord();
        TestState().settings.Settings.InclJPG = 1;
        TestState().settings.Settings.MaxSizeKB = 999999;
        TestState().settings.Settings.VoiceDeleteMode = "0";
        TestState().session.PlaybackActive = 0;
        form = std::make_unique<MainWindow>(TestState());
        form->resize(1000, 700);
        form->show();
        open(drive + "/Album");
    }
    void TearDown() override
    {
        form.reset();
        platform::clearFakeMountTable();
    }
    void open(const QString& folder)
    {
        form->folderTree()->FolderToOpen = folder;
        form->folderTree()->KeepListEntry = 1;
        form->folderTreeSection()->OpenFolderOrShow();
    }
    // Serves events until the copy or move under way has ended.
    void waitForCopy()
    {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !FileOperationsController::Of(form.get())->CopyRunning(); }, 30000));
    }
    // Selects the picture's node below the selected folder's node.
    void selectPicture(const QString& name)
    {
        QTreeWidgetItem* folder = form->treeView()->currentItem();
        ASSERT_NE(folder, nullptr);
        folder->setExpanded(true);
        for (int i = 0; i < folder->childCount(); ++i)
            if (folder->child(i)->text(0) == name)
                form->treeView()->setCurrentItem(folder->child(i));
        ASSERT_EQ(form->treeView()->currentItem()->text(0), name);
    }
    QString drive;
    std::unique_ptr<MainWindow> form;
};

} // namespace

TEST_F(MainWindowFileOpsTest, SendToRecycleBinFromTheFileMenuLeavesThePlaceholderNode)
{
    selectPicture("p.jpg");
    QTreeWidgetItem* folder = form->treeView()->currentItem()->parent();
    platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::button(PromptAnswer::Yes)});
    form->actionNamed("SendRecycleBin")->trigger();
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.text,
              "Delete p.jpg ?\r\n(Deletions of files stored on non-fixed drives will not be kept in the Recycle Bin)");
    EXPECT_FALSE(QFileInfo::exists(drive + "/Album/p.jpg"));
    const QString trash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files";
    EXPECT_EQ(readFile(trash + "/p.jpg"), "picture");
    ASSERT_EQ(folder->childCount(), 1);
    EXPECT_EQ(folder->child(0)->text(0), TreePlaceholderText);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(MainWindowFileOpsTest, RenameAndMoveThroughTheirMenuItems)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    selectPicture("p.jpg");
    QString moveTarget = drive + "/Other/holiday.jpg";
    platform::ScopedPromptResponder answers([&](const platform::PromptRequest& request) {
        if (request.type == PromptType::Input)
            return PromptReply::ok("holiday");
        if (request.type == PromptType::SaveFile)
            return PromptReply::ok(moveTarget);
        return PromptReply::button(PromptAnswer::Ok);
    });
    form->actionNamed("RenamePicture")->trigger();
    ASSERT_GE(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.title, "Rename as ? (with extension .jpg)");
    EXPECT_EQ(platform::promptLog()[0].request.text, "New file name :");
    EXPECT_EQ(platform::promptLog()[0].request.value, "p");
    EXPECT_TRUE(QFileInfo::exists(drive + "/Album/holiday.jpg"));
    EXPECT_EQ(form->treeView()->currentItem()->text(0), "holiday.jpg");

    // The first move (the target still as the first start left it) offers
    // the selected folder; its button says what it does.
    platform::clearPromptLog();
    const auto volume = platform::DriveOf(TestState().paths.DataFolder);
    Settings.LastCopyTarget = volume ? volume->mountPoint : QStringLiteral("/");
    form->actionNamed("MovePictureTo")->trigger();
    waitForCopy();
    ASSERT_GE(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.title, "Move to");
    EXPECT_EQ(platform::promptLog()[0].request.folder, drive + "/Album");
    EXPECT_EQ(platform::promptLog()[0].request.acceptText, "&Move");
    EXPECT_EQ(readFile(drive + "/Other/holiday.jpg"), "picture");
    EXPECT_FALSE(QFileInfo::exists(drive + "/Album/holiday.jpg"));
    EXPECT_EQ(Settings.LastCopyTarget, drive + "/Other");
    EXPECT_EQ(form->treeView()->currentItem()->text(0), TreePlaceholderText);

    // A picture whose recording cannot follow (another one has its name
    // there) stays with it, and the user is told why.
    writeFile(drive + "/Album/q.jpg", "second");
    writeFile(drive + "/Album/q.wav", "its recording");
    writeFile(drive + "/Other/q.wav", "another recording");
    open(drive + "/Album");
    selectPicture("q.jpg");
    moveTarget = drive + "/Other/q.jpg";
    platform::clearPromptLog();
    form->actionNamed("MovePictureTo")->trigger();
    waitForCopy();
    ASSERT_EQ(platform::promptLog().size(), 2);
    EXPECT_EQ(platform::promptLog()[1].request.text, "Could not move " + drive + "/Other/q.wav (a voice file of that name is "
                                                     "already there; it is kept)\r\nThe picture " + drive
                                                         + "/Album/q.jpg is not moved either.");
    EXPECT_EQ(readFile(drive + "/Album/q.jpg"), "second");
    EXPECT_EQ(readFile(drive + "/Album/q.wav"), "its recording");
    EXPECT_EQ(readFile(drive + "/Other/q.wav"), "another recording");
    EXPECT_FALSE(QFileInfo::exists(drive + "/Other/q.jpg"));
}

TEST_F(MainWindowFileOpsTest, ACutOutIsSavedAsAJpegAfterTheDialogHasGone)
{
    selectPicture("p.jpg");
    const QString savedFolder = TestState().paths.CutOutFolder;
    TestState().paths.CutOutFolder = drive + "/cuts";
    ASSERT_TRUE(writeFile(drive + "/cuts/cut1.bmp", fixtures::bmp(8, 8)));
    TestState().session.CutOutCount = 1;
    platform::ScopedPromptResponder answers([&](const platform::PromptRequest& r) {
        return r.type == PromptType::SaveFile ? PromptReply::ok(drive + "/Other/cut.jpg") : platform::defaultReply(r);
    });
    form->actionNamed("SavePictureTo")->trigger();
    waitForCopy();
    EXPECT_EQ(QImage(drive + "/Other/cut.jpg").size(), QSize(8, 8));
    EXPECT_EQ(readFile(drive + "/Album/p.jpg"), "picture");
    TestState().session.CutOutCount = 0;
    TestState().paths.CutOutFolder = savedFolder;
}

TEST_F(MainWindowFileOpsTest, FolderOperationsMenuFollowsTheSelectedFolderAndRenamesIt)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    emit form->findChild<QMenu*>("FolderOperations")->aboutToShow();
    EXPECT_TRUE(form->actionNamed("RenameFolder")->isEnabled());
    EXPECT_TRUE(form->actionNamed("EmptyFolder")->isEnabled());
    EXPECT_EQ(form->actionNamed("HideSmall")->text(), "Set all SmallPics folders to hidden");

    Settings.Favorites[0] = drive + "/Album";
    Settings.Favorites[1] = drive + "/Albums";
    platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::ok("Photos")});
    form->actionNamed("RenameFolder")->trigger();
    EXPECT_EQ(platform::promptLog()[0].request.title, "Rename as ? ");
    EXPECT_EQ(platform::promptLog()[0].request.value, "Album");
    EXPECT_TRUE(QFileInfo(drive + "/Photos/p.jpg").isFile());
    EXPECT_EQ(form->folderTree()->SelectedFolder, drive + "/Photos");
    EXPECT_EQ(Settings.Favorites[0], drive + "/Photos");
    EXPECT_EQ(Settings.Favorites[1], drive + "/Albums");

    // On a volume's root Empty, Delete and Rename are not offered: a real
    // tmpfs below the folder, which the drive table leaves out.
    const QString card = drive + "/Card";
    QDir().mkpath(card);
    if (::geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(card).constData(), "tmpfs", 0, "size=1M") != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    writeFile(card + "/q.jpg", "picture");
    open(card);
    EXPECT_EQ(form->folderTree()->SelectedFolder, card);
    emit form->findChild<QMenu*>("FolderOperations")->aboutToShow();
    EXPECT_FALSE(form->actionNamed("RenameFolder")->isEnabled());
    EXPECT_FALSE(form->actionNamed("EmptyFolder")->isEnabled());
    EXPECT_FALSE(form->actionNamed("DeleteFolder1")->isEnabled());
    EXPECT_TRUE(form->actionNamed("CreatenewFolder")->isEnabled());
    ::umount2(QFile::encodeName(card).constData(), MNT_DETACH);
}

TEST_F(MainWindowFileOpsTest, DeleteFolderFromThePopupShowsItsParentAfterwards)
{
    writeFile(drive + "/Album/Sub/q.gif", "q");
    platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::button(PromptAnswer::Yes)});
    form->actionNamed("DeleteFolderPop")->trigger();
    EXPECT_EQ(platform::promptLog()[0].request.text, "Delete folder " + drive + "/Album?");
    EXPECT_FALSE(QFileInfo::exists(drive + "/Album"));
    EXPECT_EQ(form->folderTree()->SelectedFolder, drive);
    EXPECT_FALSE(FileOperationsController::Of(form.get())->progressWindow()->isVisible());
}

// A folder delete keeps a picture's voice recording when the voice question
// says so: the recording and its folder stay; "Always" and "Never" are
// remembered (a recording that sorts before its picture as well).
struct VoiceAnswerRow {
    const char* name;
    PromptAnswer answer;
    bool recordingsKept;
    const char* storedMode;
};

class FolderDeleteVoiceAnswer : public MainWindowFileOpsTest, public ::testing::WithParamInterface<VoiceAnswerRow> {};

TEST_P(FolderDeleteVoiceAnswer, DecidesWhetherTheRecordingsGo)
{
    const VoiceAnswerRow row = GetParam();
    writeFile(drive + "/Album/p.wav", "p's recording");
    writeFile(drive + "/Album/w.wmf", "w");
    writeFile(drive + "/Album/w.wav", "w's recording");
    TestState().settings.Settings.VoiceDeleteMode = "1";
    open(drive + "/Album");
    int voiceQuestions = 0;
    platform::ScopedPromptResponder answers([&](const platform::PromptRequest& r) {
        if (r.title == QLatin1String("Voice file detected (.wav)")) {
            ++voiceQuestions;
            return PromptReply::button(row.answer);
        }
        return PromptReply::button(r.buttons & unsigned(PromptAnswer::Yes) ? PromptAnswer::Yes : PromptAnswer::Ok);
    });
    form->actionNamed("DeleteFolderPop")->trigger();
    const bool remembered = row.answer == PromptAnswer::All || row.answer == PromptAnswer::NoToAll;
    EXPECT_EQ(voiceQuestions, remembered ? 1 : 2);
    EXPECT_FALSE(QFileInfo::exists(drive + "/Album/p.jpg"));
    EXPECT_FALSE(QFileInfo::exists(drive + "/Album/w.wmf"));
    EXPECT_EQ(QFileInfo::exists(drive + "/Album/p.wav"), row.recordingsKept);
    EXPECT_EQ(QFileInfo::exists(drive + "/Album/w.wav"), row.recordingsKept);
    EXPECT_EQ(QFileInfo::exists(drive + "/Album"), row.recordingsKept);
    EXPECT_EQ(TestState().settings.Settings.VoiceDeleteMode, QString::fromLatin1(row.storedMode));
}

INSTANTIATE_TEST_SUITE_P(Answers, FolderDeleteVoiceAnswer,
                         ::testing::Values(VoiceAnswerRow{"Yes", PromptAnswer::Yes, false, "1"},
                                           VoiceAnswerRow{"No", PromptAnswer::No, true, "1"},
                                           VoiceAnswerRow{"Always", PromptAnswer::All, false, "0"},
                                           VoiceAnswerRow{"Never", PromptAnswer::NoToAll, true, "2"}),
                         [](const ::testing::TestParamInfo<VoiceAnswerRow>& row) { return std::string(row.param.name); });

TEST_F(MainWindowFileOpsTest, DeletingDuringAShowTakesThePictureOutOfThePlayOrder)
{
    QStringList pictures;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(drive + "/Album/" + name, "JPEG"));
        pictures << drive + "/Album/" + name;
    }
    form->openShow().SourceIsShow = 0;
    TestState().session.SourceIsFolder = 1;
    TestState().session.PlayOptions.IntervalSeconds = 60;
    platform::ScopedPromptResponder answers([](const platform::PromptRequest& request) {
        return request.buttons & unsigned(PromptAnswer::Yes) ? PromptReply::button(PromptAnswer::Yes)
                                                              : PromptReply::button(PromptAnswer::Ok);
    });
    form->PlayPictures(pictures);
    testsupport::waitForPictureAnswers();
    ASSERT_EQ(TestState().session.PlaybackActive, 1);
    const QString shown = TestState().session.PictureTable[size_t(TestState().session.PictureIndex)].FullPath;
    FileOperationsController* fileOps = FileOperationsController::Of(form.get());
    ASSERT_NE(fileOps, nullptr);
    fileOps->FolderChangedDuringShow = 0;
    form->actionNamed("RecycleBinToolButton")->trigger();
    EXPECT_FALSE(QFileInfo::exists(shown));
    EXPECT_EQ(TestState().session.ShowState.PictureCount, 2);
    EXPECT_EQ(fileOps->FolderChangedDuringShow, 1);
    ASSERT_NE(form->showWindow(), nullptr);
    EXPECT_EQ(form->showWindow()->HintLabel->text(), "Number of pictures : 2");
    EXPECT_NE(TestState().session.PictureTable[size_t(TestState().session.PictureIndex)].FullPath, shown);

    // At the show's end the folder is read again without the deleted picture.
    form->showWindow()->StopSlideShow();
    EXPECT_EQ(TestState().session.PlaybackActive, 0);
    EXPECT_EQ(fileOps->FolderChangedDuringShow, 0);
    QTreeWidgetItem* album = form->treeView()->currentItem();
    ASSERT_NE(album, nullptr);
    album->setExpanded(true);
    QStringList names;
    for (int i = 0; i < album->childCount(); ++i)
        names << album->child(i)->text(0);
    EXPECT_FALSE(names.contains(QFileInfo(shown).fileName()));
    EXPECT_EQ(names.size(), 3);
    TestState().session.SourceIsFolder = 0;
}

TEST_F(MainWindowFileOpsTest, ARenameGivesTheStatusBackAndItsBookmarkFollowsDuringAShow)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    auto& session = TestState().session;
    Settings.KeepShowsInSync = 1;
    selectPicture("p.jpg");
    form->statusPanels()->panel1()->setText("Selected folder: Album");
    {
        platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::ok("holiday")});
        form->actionNamed("RenamePicture")->trigger();
    }
    ASSERT_TRUE(QFileInfo::exists(drive + "/Album/holiday.jpg"));
    EXPECT_EQ(form->statusPanels()->panel1()->text(), "Selected folder: Album");

    // During a show whose picture is bookmarked (the add item is off), its
    // bookmark in the settings record follows the new name.
    TPictureEntry entry;
    entry.FullPath = drive + "/Album/holiday.jpg";
    entry.BookmarkKey = "holiday.jpg";
    session.PictureTable = {entry};
    session.PictureCount = 1;
    session.PictureIndex = 0;
    session.ShowState.ManualMode = true;
    session.ShowState.BookmarkIndex = 2;
    Settings.Bookmarks[2] = "holiday.jpg";
    form->actionNamed("AddBookMark")->setEnabled(false);
    session.PlaybackActive = 1;
    {
        platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::ok("beach")});
        form->actionNamed("RenamePicture")->trigger();
    }
    session.PlaybackActive = 0;
    ASSERT_TRUE(QFileInfo::exists(drive + "/Album/beach.jpg"));
    EXPECT_EQ(Settings.Bookmarks[2], "beach.jpg");
    EXPECT_EQ(session.PictureTable[0].BookmarkKey, "beach.jpg");
}

TEST_F(MainWindowFileOpsTest, OnARemovableDriveWhoseTrashCantBeMadeTheAnnouncedDeleteIsForGood)
{
    // A real volume on the removable drive; a file stands where its Trash
    // folder would have to be made.
    const QString card = drive + "/Card";
    QDir().mkpath(card);
    if (::geteuid() != 0 || ::mount("tmpfs", QFile::encodeName(card).constData(), "tmpfs", 0, "size=1M") != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    writeFile(card + "/.Trash-" + QString::number(::getuid()), "not a folder");
    writeFile(card + "/p.jpg", "picture");
    writeFile(card + "/p.wav", "its recording");
    writeFile(card + "/r.jpg", "read-only picture");
    testsupport::setReadOnly(card + "/r.jpg", true);
    open(card);
    selectPicture("p.jpg");
    {
        // The picture's recording goes with it, unasked.
        TestState().settings.Settings.VoiceDeleteMode = "0";
        platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::button(PromptAnswer::Yes)});
        form->actionNamed("SendRecycleBin")->trigger();
        ASSERT_EQ(platform::promptLog().size(), 1);
        EXPECT_TRUE(platform::promptLog()[0].request.text.contains("will not be kept in the Recycle Bin"));
    }
    EXPECT_FALSE(QFileInfo::exists(card + "/p.jpg"));
    EXPECT_FALSE(QFileInfo::exists(card + "/p.wav"));

    // When even that fails, the user is told why and the picture stays.
    open(card);
    selectPicture("r.jpg");
    {
        platform::ScopedPromptResponder answers(QList<PromptReply>{PromptReply::button(PromptAnswer::Yes)});
        form->actionNamed("SendRecycleBin")->trigger();
        ASSERT_EQ(platform::promptLog().size(), 2);
        EXPECT_EQ(platform::promptLog()[1].request.text,
                  "File could not be deleted\r\n" + card + "/r.jpg: The file is read only");
    }
    EXPECT_EQ(readFile(card + "/r.jpg"), "read-only picture");
    ::umount2(QFile::encodeName(card).constData(), MNT_DETACH);
}
