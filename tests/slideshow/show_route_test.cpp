// The full-screen show window puts every picture on the screen through the
// display step and the one loader (slots "form9im1" / "form9im2"), skips
// unreadable pictures through the event loop, crops, zooms and steps back
// through cut-outs; the folder collection follows the tree's rules.
#include "base/data_folder.h"
#include "support/test_state.h"
#include "base/picture_table.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/fit_zoom_section.h"
#include "browse/folder_tree_widget.h"
#include "browse/crop_cut_out.h"
#include "browse/fit_zoom.h"
#include "browse/fit_zoom_handler.h"
#include "browse/folder_exclusions.h"
#include "browse/picture_display.h"
#include "browse/picture_display_view.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "platform/prompt.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include "support/sandbox.h"
#include "browse/picture_display_section.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::writeFile;

namespace {

void makeJpeg(const QString& path, int w = 400, int h = 300)
{
    QDir().mkpath(QFileInfo(path).path());
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(w / 2, 0, w - w / 2, h, Qt::darkGreen);
    ASSERT_TRUE(image.save(path, "JPG", 95));
}

// A file with a picture's name whose content no decoder accepts.
void makeBroken(const QString& path)
{
    ASSERT_TRUE(writeFile(path, QByteArray("\xFF\xD8\xFF\xE0 not a picture at all", 26)));
}

ShowWindow* showWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form9"))
            return static_cast<ShowWindow*>(w);
    return nullptr;
}

void mouse(QWidget* target, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(p), QPointF(target->mapToGlobal(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

void drag(QWidget* target, QPoint from, QPoint to)
{
    mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(target, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(target, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

void wheel(QWidget* target, int delta)
{
    const QPointF p(5, 5);
    QWheelEvent e(p, target->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}

struct ShowReset {
    ShowReset()
    {
        TestState().settings.Settings = TSettingsRecord{};
        TestState().settings.Settings.InclJPG = 1;
        TestState().session.PlayOptions = TPlayOptions{};
        TestState().session.ShowState = TShowState{};
        TestState().session.CutOutCount = 0;
        TestState().session.ZoomFactor = 0;
        TestState().session.FullViewActive = 0;
        TestState().session.PlaybackActive = 0;
        TestState().paths.CutOutFolder = CutOutFolderFor(freshDir(QStringLiteral("data")));
    }
    ~ShowReset()
    {
        if (ShowWindow* show = showWindow())
            show->StopSlideShow();
        TestState().session.PlaybackActive = 0;
        TestState().session.FullViewActive = 0;
        TestState().session.CutOutCount = 0;
        TestState().session.ZoomFactor = 0;
        TestState().settings.Settings = TSettingsRecord{};
    }
};

} // namespace

TEST(FullScreenShow, StepsThroughTheLoaderAndSkipsAnUnreadablePictureWithoutRecursion)
{
    ShowReset reset;
    const QString dir = freshDir(QStringLiteral("showroute"));
    makeJpeg(dir + QStringLiteral("/a.jpg"));
    makeBroken(dir + QStringLiteral("/b.jpg"));
    makeJpeg(dir + QStringLiteral("/c.jpg"), 300, 400);
    TestState().session.PlayOptions.IgnoreErrors = 1;
    TestState().session.PlayOptions.IntervalSeconds = 60;   // only the skip may step on its own
    FolderExclusionState exclusions;
    const QStringList pictures =
        CollectFolderPictures(TestState().paths, exclusions, dir, TestState().session.PlayOptions, false);
    ASSERT_EQ(pictures.size(), 3);

    MainWindow form(TestState());
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.PlayPictures(pictures);
    testsupport::waitForPictureAnswers();
    ShowWindow* show = showWindow();
    ASSERT_NE(show, nullptr);
    ASSERT_TRUE(show->isVisible());
    auto* image1 = show->findChild<QLabel*>(QStringLiteral("Image1"));
    auto* image2 = show->findChild<QLabel*>(QStringLiteral("Image2"));
    ASSERT_TRUE(image1 && image2);
    // Each image shows its slot through the loader's picture view.
    auto* view1 = image1->findChild<PictureView*>(QStringLiteral("Image1View"));
    auto* view2 = image2->findChild<PictureView*>(QStringLiteral("Image2View"));
    ASSERT_TRUE(view1 && view2);
    EXPECT_EQ(view1->Model(), show->Slot(1));
    EXPECT_EQ(view2->Model(), show->Slot(2));

    // The first picture: loaded into "form9im1", fitted, shown; the next
    // goes into the other image.
    EXPECT_EQ(show->Slot(1)->Path(), dir + QStringLiteral("/a.jpg"));
    EXPECT_EQ(show->Slot(1)->PictureSize(), QSize(400, 300));
    EXPECT_TRUE(image1->isVisible());
    EXPECT_EQ(image1->size(), QSize(400, 300));   // limit 0: never enlarged
    EXPECT_EQ(TestState().session.ShowState.ActiveImage, 0);
    EXPECT_EQ(form.pictureDisplay()->displayState().CurrentPicturePath, dir + QStringLiteral("/a.jpg"));
    EXPECT_TRUE(form.slideShow()->intervalTimer()->isActive());
    EXPECT_EQ(form.slideShow()->intervalTimer()->interval(), 60000);

    // The unreadable picture: the step returns with the failure sorted and
    // the next step queued on the interval timer, not taken from inside.
    // What the step left is read right after the slot's answer ends it,
    // before the event loop takes the queued step.
    struct AfterFailure {
        bool seen = false;
        int index = -1;
        QString kind;
        int failed = 0;
        bool timerActive = false;
        int interval = -1;
        QString otherSlot;
        bool image1Visible = false;
    } after;
    QObject probe;
    QObject::connect(show->Slot(2), &PictureSlotModel::failed, &probe, [&] {
        const PictureDisplayState& state = form.pictureDisplay()->displayState();
        after = {true, TestState().session.PictureIndex, state.LoadErrorKind, state.LastLoadFailed,
                 form.slideShow()->intervalTimer()->isActive(), form.slideShow()->intervalTimer()->interval(),
                 show->Slot(2)->Path(), image1->isVisible()};
    });
    form.slideShow()->intervalTimer()->stop();
    show->IntervalTimerTimer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return after.seen; }, 30000));
    EXPECT_EQ(after.index, 1);
    EXPECT_EQ(after.kind, QStringLiteral("Invalid Graphic"));
    EXPECT_EQ(after.failed, 1);
    EXPECT_TRUE(after.timerActive);
    EXPECT_EQ(after.interval, 0);
    EXPECT_EQ(after.otherSlot, QString());   // nothing loaded into it
    EXPECT_TRUE(after.image1Visible);        // skipping keeps the picture

    // The event loop takes the queued step: the third picture, in "form9im2".
    for (int i = 0; i < 20 && TestState().session.PictureIndex != 2; ++i)
        QCoreApplication::processEvents();
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(TestState().session.PictureIndex, 2);
    EXPECT_TRUE(form.pictureDisplay()->displayState().LoadErrorKind.isEmpty());
    EXPECT_EQ(show->Slot(2)->Path(), dir + QStringLiteral("/c.jpg"));
    EXPECT_TRUE(image2->isVisible());
    EXPECT_FALSE(image1->isVisible());
    EXPECT_EQ(TestState().session.ShowState.ActiveImage, 1);
    EXPECT_EQ(form.slideShow()->intervalTimer()->interval(), 60000);
    EXPECT_TRUE(platform::promptLog().isEmpty());   // skipped quietly

    // The stop button ends the show.
    show->findChild<QToolButton*>(QStringLiteral("StopButton"))->click();
    EXPECT_EQ(TestState().session.PlaybackActive, 0);
    EXPECT_FALSE(show->isVisible());
    EXPECT_FALSE(form.slideShow()->intervalTimer()->isActive());
    // A step armed late (by a step that ran while the show stopped) no
    // longer steps the ended show.
    form.slideShow()->intervalTimer()->start(0);
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(TestState().session.PictureIndex, 2);
    EXPECT_FALSE(show->isVisible());
}

TEST(FullScreenShow, AShowOfOnlyUnreadablePicturesEndsWithTheMessage)
{
    ShowReset reset;
    const QString dir = freshDir(QStringLiteral("allbroken"));
    makeBroken(dir + QStringLiteral("/a.jpg"));
    makeBroken(dir + QStringLiteral("/b.jpg"));
    makeBroken(dir + QStringLiteral("/c.jpg"));
    TestState().session.PlayOptions.IgnoreErrors = 1;
    TestState().session.PlayOptions.ContinuousPlay = 1;   // a looping show would otherwise skip for ever

    MainWindow form(TestState());
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.PlayPictures(CollectFolderPictures(TestState().paths, form.folderTree()->Exclusions, dir, TestState().session.PlayOptions, false));
    testsupport::waitForPictureAnswers();
    // Each skipped step's picture is answered later through the event loop.
    EXPECT_TRUE(QTest::qWaitFor([] { return TestState().session.PlaybackActive == 0; }, 30000));
    EXPECT_FALSE(showWindow()->isVisible());
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog().front().request.text, QStringLiteral("Not a single picture could be loaded!"));
}

TEST(FullScreenShow, APausedPictureIsCroppedZoomedAndSteppedBack)
{
    ShowReset reset;
    const QString dir = freshDir(QStringLiteral("showcrop"));
    makeJpeg(dir + QStringLiteral("/a.jpg"));
    makeJpeg(dir + QStringLiteral("/b.jpg"));

    MainWindow form(TestState());
    form.PlayPictures({dir + QStringLiteral("/a.jpg"), dir + QStringLiteral("/b.jpg")});
    testsupport::waitForPictureAnswers();
    ShowWindow* show = showWindow();
    ASSERT_NE(show, nullptr);
    auto* image1 = show->findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_TRUE(image1->isVisible());
    const QRect fitted = image1->geometry();

    // Not paused: the drag is refused.
    drag(image1, {200, 0}, {400, 100});
    EXPECT_EQ(TestState().session.CutOutCount, 0);

    show->TogglePause();
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);
    drag(image1, {200, 0}, {400, 100});
    ASSERT_EQ(TestState().session.CutOutCount, 1);
    const QString cut1 = TestState().paths.CutOutFolder + QStringLiteral("/cut1.bmp");
    ASSERT_TRUE(QFileInfo::exists(cut1));
    EXPECT_EQ(QImage(cut1).size(), QSize(200, 100));
    EXPECT_EQ(show->Slot(1)->Path(), cut1);
    EXPECT_TRUE(image1->isVisible());
    EXPECT_EQ(image1->size(), QSize(200, 100));   // limit 0: fitted, not enlarged

    // The wheel over the cut-out zooms it by 3 % a notch.
    wheel(image1, 120);
    EXPECT_GT(TestState().session.ZoomFactor, 0);
    EXPECT_EQ(image1->size(), QSize(206, 103));
    EXPECT_TRUE(show->SpeedLabel->text().startsWith(QStringLiteral("Enlargement factor: ")));

    // One back: from the first cut-out to the picture, through the loader.
    show->OneBackwardsSpeedButton->click();
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(TestState().session.CutOutCount, 0);
    EXPECT_EQ(show->Slot(1)->Path(), dir + QStringLiteral("/a.jpg"));
    EXPECT_EQ(image1->geometry(), fitted);
    EXPECT_EQ(TestState().session.PictureIndex, 0);   // still the same picture
}

TEST(FullScreenShow, TheFullViewOpensFullScreenCropsSavesAndClosesOnAClick)
{
    ShowReset reset;
    const QString dir = freshDir(QStringLiteral("fullview"));
    makeJpeg(dir + QStringLiteral("/photo.jpg"));
    ShowWindow window(TestState());

    MainWindow form(TestState());
    form.setShowWindow(&window);
    form.fitZoom()->ShowPictureFull(dir + QStringLiteral("/photo.jpg"));
    testsupport::waitForPictureAnswers();
    ShowWindow* show = showWindow();
    ASSERT_NE(show, nullptr);
    EXPECT_TRUE(show->isVisible());
    EXPECT_EQ(TestState().session.FullViewActive, 1);
    EXPECT_EQ(show->Slot(1)->Path(), dir + QStringLiteral("/photo.jpg"));
    auto* image1 = show->findChild<QLabel*>(QStringLiteral("Image1"));
    EXPECT_TRUE(image1->isVisible());
    EXPECT_EQ(show->StopButton->toolTip(), QStringLiteral("Return to browse window"));
    EXPECT_TRUE(show->SaveSB->isHidden());

    drag(image1, {0, 0}, {100, 150});
    ASSERT_EQ(TestState().session.CutOutCount, 1);
    EXPECT_FALSE(show->SaveSB->isHidden());
    EXPECT_FALSE(show->OneBackwardsSpeedButton->isHidden());

    const QString target = dir + QStringLiteral("/saved.bmp");
    {
        platform::ScopedPromptResponder answers({platform::PromptReply::ok(target)});
        show->SaveSB->click();
    }
    ASSERT_TRUE(QFileInfo::exists(target));
    EXPECT_EQ(QImage(target).size(), QSize(100, 150));

    // A click without a drag closes the full view.
    drag(image1, {20, 20}, {20, 20});
    EXPECT_EQ(TestState().session.FullViewActive, 0);
    EXPECT_FALSE(show->isVisible());
    EXPECT_EQ(TestState().session.PlaybackActive, 0);
}

TEST(FullScreenShow, AFullViewOfAnUnreadablePictureSaysSoAndLeavesNoWindow)
{
    ShowReset reset;
    const QString path = freshDir(QStringLiteral("fullbad")) + QStringLiteral("/bad.jpg");
    makeBroken(path);
    ShowWindow window(TestState());
    MainWindow form(TestState());
    form.setShowWindow(&window);
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.fitZoom()->ShowPictureFull(path);
    testsupport::waitForPictureAnswers();
    EXPECT_FALSE(showWindow()->isVisible());
    EXPECT_EQ(TestState().session.FullViewActive, 0);
    ASSERT_FALSE(platform::promptLog().isEmpty());
    EXPECT_EQ(platform::promptLog().last().request.text,
              QStringLiteral("Open error, ") + path + QStringLiteral(" can not be shown!"));
}

TEST(ShowCollection, HonoursExclusionsNamesThumbnailFoldersAndSymlinkLoops)
{
    const QString data = freshDir(QStringLiteral("collectdata"));
    SetDataFolderPaths(TestState().paths, data);
    const QString root = freshDir(QStringLiteral("collectroute"));
    const QString outside = freshDir(QStringLiteral("collectoutside"));
    makeJpeg(root + QStringLiteral("/a.jpg"), 40, 30);
    makeJpeg(root + QStringLiteral("/keep/b.jpg"), 40, 30);
    makeJpeg(root + QStringLiteral("/noshow/c.jpg"), 40, 30);
    makeJpeg(root + QStringLiteral("/oldxx/d.jpg"), 40, 30);
    makeJpeg(root + QStringLiteral("/keep/vxothumb/e.jpg"), 40, 30);
    makeJpeg(outside + QStringLiteral("/f.jpg"), 40, 30);
    // A loop back to the start, a second way into a listed folder, and a
    // link to a folder that is reached only through it.
    ASSERT_TRUE(QFile::link(root, root + QStringLiteral("/keep/loop")));
    ASSERT_TRUE(QFile::link(root + QStringLiteral("/keep"), root + QStringLiteral("/keep2")));
    ASSERT_TRUE(QFile::link(outside, root + QStringLiteral("/linked")));

    TExcludeFolderRecord noShow;
    noShow.Path = (root + QStringLiteral("/noshow")).toLower();
    noShow.SubShow = 1;
    ASSERT_TRUE(WriteExcludeFolderFile(TestState().paths.ExcludeFolderPath, {noShow}));
    FolderExclusionState exclusions;

    TPlayOptions options;
    options.IncludeSubfolders = 1;
    QStringList found = CollectFolderPictures(TestState().paths, exclusions, root, options, false);
    QStringList relative;
    for (const QString& path : found)
        relative << path.mid(root.size());
    EXPECT_EQ(relative, (QStringList{QStringLiteral("/a.jpg"), QStringLiteral("/keep/b.jpg"),
                                     QStringLiteral("/linked/f.jpg")}));

    // Without subfolders only the folder's own pictures.
    options.IncludeSubfolders = 0;
    EXPECT_EQ(CollectFolderPictures(TestState().paths, exclusions, root, options, false),
              QStringList{root + QStringLiteral("/a.jpg")});

    // Exclusions switched off: the excluded folder is collected again.
    exclusions.FolderExclusionsActive = 0;
    options.IncludeSubfolders = 1;
    EXPECT_TRUE(CollectFolderPictures(TestState().paths, exclusions, root, options, false)
                    .contains(root + QStringLiteral("/noshow/c.jpg")));
}
