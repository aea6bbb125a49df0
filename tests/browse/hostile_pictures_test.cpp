// Hostile picture files through every route of the program that reads
// pictures: a QuickTime movie named ".jpg", a JPEG whose header claims a
// size its data cannot fill, and a pipe named ".jpg". Hovered in the folder
// tree, shown by the display step, thumbnailed and described in the picture
// information: a classified message each time, never a crash, never a wait
// (a pipe opened for reading would block here for ever; the test's CTest
// timeout is the guard).
#include "base/picture_table.h"
#include "support/test_state.h"
#include "app/main_window.h"
#include "browse/picture_info_controller.h"
#include "browse/folder_tree_state.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/picture_info.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "browse/thumbnail_files.h"
#include "formats/picture_fixtures.h"
#include "slideshow/show_state.h"
#include "support/sandbox.h"
#include "browse/picture_display_section.h"
#include "support/test_slots.h"

#include <QFrame>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace fixtures;

namespace {

struct HostileFolder {
    QString dir = testsupport::freshDir(QStringLiteral("hostile"));
    QString movie = dir + "/.jpg";
    QString namedMovie = dir + "/clip.jpg";
    QString huge = dir + "/huge.jpg";
    QString cut = dir + "/cut.jpg";
    QString pipe = dir + "/pipe.jpg";

    HostileFolder()
    {
        testsupport::writeFile(movie, quickTimeWithBadUserData());
        testsupport::writeFile(namedMovie, quickTimeWithBadUserData());
        const QByteArray real = noisyJpeg(600, 400);
        testsupport::writeFile(huge, withJpegSize(real, 60000, 60000));
        testsupport::writeFile(cut, real.left(real.size() / 2) + QByteArray("\xFF\xD9", 2));
        ::mkfifo(QFile::encodeName(pipe).constData(), 0644);
    }
};

ThumbnailOptions everyPicture()
{
    ThumbnailOptions options;
    options.minSizeKB = 0;
    options.resetFileDate = true;
    return options;
}

} // namespace

TEST(HostilePictures, LoadThumbnailAndInformationGiveClassifiedResults)
{
    const HostileFolder f;
    for (const QString& path : {f.movie, f.namedMovie, f.huge, f.cut})
        EXPECT_EQ(TryLoadPictureIntoSlot(path, testsupport::testSlot(SlotForm9Im1)), "Invalid Graphic") << path.toStdString();
    EXPECT_EQ(TryLoadPictureIntoSlot(f.pipe, testsupport::testSlot(SlotForm9Im1)), "Open error");

    for (const QString& path : {f.movie, f.namedMovie, f.huge, f.cut, f.pipe}) {
        SCOPED_TRACE(path.toStdString());
        ThumbnailRequest request;
        request.picture = path;
        request.thumbnail = ThumbnailPath(path);
        request.ignoreDrive = true;
        // A name without a base (".jpg") is no picture name for thumbnails.
        EXPECT_EQ(CreateOrRefreshThumbnail(request, everyPicture()), path == f.movie ? ThumbNotAllowed : ThumbFailed);
        EXPECT_FALSE(QFileInfo::exists(request.thumbnail));
        EXPECT_EQ(ExifDateAsFileDate(path, 1234), 1234);
        // The information text has its file lines and no EXIF lines.
        const QString info = PictureInfoText(path);
        EXPECT_TRUE(info.startsWith("File size:  ")) << info.toStdString();
        EXPECT_FALSE(info.contains("Camera model") || info.contains("Creation date") || info.contains("Dimensions"));
    }
}

TEST(HostilePictures, TheMainWindowPreviewsAndShowsThemWithMessages)
{
    const HostileFolder f;
    MainWindow form(TestState());
    form.resize(1000, 700);
    form.folderTree()->TreeDriveRoot = f.dir;
    auto* root = new QTreeWidgetItem(form.treeView(), QStringList{"C:"});
    const auto node = [&](const QString& path) {
        auto* item = new QTreeWidgetItem(root, QStringList{QFileInfo(path).fileName()});
        item->setData(0, TreeImageRole, 5);
        item->setData(0, TreeSizeRole, qlonglong(QFileInfo(path).size()));
        return item;
    };

    // Hovering over the movie named ".jpg": its file lines, no camera, and
    // the preview's "cannot open" text in place of the picture.
    form.pictureInfo()->PreviewNode = node(f.movie);
    form.pictureInfo()->PreviewTreeNode(nullptr);
    ASSERT_EQ(form.pictureInfo()->TreeHoverPath, f.movie);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.findChild<QLabel*>(QStringLiteral("ModelLabel4"))->text().isEmpty(); }));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("ModelLabel4"))->text(), "Camera model unknown");
    form.pictureInfo()->TimerThumbnailTimer();
    testsupport::waitForPictureAnswers();
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("CannotOpenLabel4"))->isHidden());
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("Image4"))->isHidden());
    EXPECT_FALSE(form.findChild<QFrame*>(QStringLiteral("NoShowPanel4"))->isHidden());

    form.pictureInfo()->PreviewNode = node(f.huge);
    form.pictureInfo()->PreviewTreeNode(nullptr);
    form.pictureInfo()->TimerThumbnailTimer();
    testsupport::waitForPictureAnswers();
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("CannotOpenLabel4"))->isHidden());

    // The pipe is not a file the preview opens.
    form.pictureInfo()->PreviewNode = node(f.pipe);
    form.pictureInfo()->PreviewTreeNode(nullptr);
    form.pictureInfo()->TimerThumbnailTimer();
    testsupport::waitForPictureAnswers();
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("Image4"))->isHidden());
    EXPECT_FALSE(form.findChild<QFrame*>(QStringLiteral("NoShowPanel4"))->isHidden());

    // The display step reports each with the error title.
    const QStringList list{f.movie, f.huge, f.pipe};
    TestState().session.PictureTable.assign(size_t(list.size()) + 10, TPictureEntry());
    for (int i = 0; i < list.size(); ++i)
        TestState().session.PictureTable[size_t(i)].FullPath = list[i];
    TestState().session.PictureCount = int32_t(list.size());
    form.pictureDisplay()->displayState().LastLoadFailed = 0;
    form.pictureDisplay()->displayState().LastFailedIndex = -1;
    TestState().session.PlaybackActive = 1;
    TestState().session.ShowState = TShowState();
    TestState().session.ShowState.Direction = 0;
    const QStringList kinds{"Invalid Graphic", "Invalid Graphic", "Open error"};
    for (int i = 0; i < list.size(); ++i) {
        TestState().session.PictureIndex = i;
        form.pictureDisplay()->DisplayCurrentPicture();
        testsupport::waitForPictureAnswers();
        EXPECT_EQ(form.pictureDisplay()->displayState().LoadErrorKind, kinds[i]);
        EXPECT_EQ(form.windowTitle(), "Vistamo! :  Error occurred, File " + QFileInfo(list[i]).fileName()
                                          + " can not be opened, " + kinds[i]);
    }
    TestState().session.PlaybackActive = 0;
}
