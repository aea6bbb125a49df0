// The main window's small handlers: tree key and colours, the delayed
// preview, the show list's focus grab, the end of a picture load, the wait
// and the last path component.
#include "base/start_args.h"
#include "support/test_state.h"
#include "app/main_window.h"
#include "base/file_helpers.h"
#include "browse/picture_display_section.h"
#include "browse/picture_info_controller.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "shows/show_windows.h"
#include "slideshow/show_state.h"
#include "support/event_waits.h"
#include "support/sandbox.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

TEST(SmallHandlers, LastPathComponent)
{
    EXPECT_EQ(LastPathComponent(QStringLiteral("/home/anna/Pictures/Summer 2026")),
              QStringLiteral("Summer 2026"));
    EXPECT_EQ(LastPathComponent(QStringLiteral("no separator")), QStringLiteral("no separator"));
    EXPECT_EQ(LastPathComponent(QStringLiteral("/")), QStringLiteral("/"));
    // A path ending in "/" gives the root of its drive.
    const auto drive = platform::DriveOf(QStringLiteral("/home/"));
    ASSERT_TRUE(drive.has_value());
    EXPECT_EQ(LastPathComponent(QStringLiteral("/home/")), drive->mountPoint);
}

TEST(SmallHandlers, SelectedTreeNodeIsBlackOnTheSchemeBlue)
{
    MainWindow form(TestState());
    form.SetupSmallHandlers();
    const QPalette p = form.treeView()->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_EQ(p.color(g, QPalette::Highlight), QColor(0x7E, 0xB6, 0xFF));
        EXPECT_EQ(p.color(g, QPalette::HighlightedText), QColor(Qt::black));
    }
}

TEST(SmallHandlers, AKeyInTheTreeStopsTheIdleTimer)
{
    MainWindow form(TestState());
    form.SetupSmallHandlers();
    form.input()->idleTimer()->start();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(form.treeView(), &down);
    EXPECT_FALSE(form.input()->idleTimer()->isActive());
}

TEST(SmallHandlers, ThumbnailTimerShowsTheRememberedPreview)
{
    const QString picture = testsupport::freshDir(QStringLiteral("pics")) + QStringLiteral("/red.bmp");
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));

    MainWindow form(TestState());
    form.SetupSmallHandlers();
    form.findChild<QLabel*>(QStringLiteral("Image4"))->resize(100, 100);
    form.findChild<QLabel*>(QStringLiteral("image2"))->resize(60, 60);
    form.pictureInfo()->ThumbnailPreviewPath = picture;
    form.pictureInfo()->ThumbnailPreviewFromTree = true;
    form.pictureInfo()->thumbnailTimer()->start();
    form.pictureInfo()->TimerThumbnailTimer();
    testsupport::waitForPictureAnswers();
    EXPECT_FALSE(form.pictureInfo()->thumbnailTimer()->isActive());
    // The browse preview shows the picture fitted, its ratio kept.
    const QSize browse = form.findChild<QLabel*>(QStringLiteral("Image4"))->pixmap().size();
    ASSERT_FALSE(browse.isEmpty());
    EXPECT_EQ(browse.width(), 2 * browse.height());
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("image2"))->pixmap().isNull());

    form.pictureInfo()->ThumbnailPreviewFromTree = false;
    form.pictureInfo()->TimerThumbnailTimer();
    testsupport::waitForPictureAnswers();
    const QSize myShow = form.findChild<QLabel*>(QStringLiteral("image2"))->pixmap().size();
    ASSERT_FALSE(myShow.isEmpty());
    EXPECT_EQ(myShow.width(), 2 * myShow.height());
}

TEST(SmallHandlers, ShowListTakesTheFocusUnlessAnotherWindowIsOpen)
{
    MainWindow form(TestState());
    form.show();
    form.showList()->grid()->show();   // the MyShow panel shown
    form.activateWindow();
    QApplication::processEvents();
    form.treeView()->setFocus();
    {
        QDialog other;
        other.show();
        QApplication::processEvents();
        form.MyShowSGMouseMove();
        EXPECT_FALSE(form.showList()->grid()->hasFocus());
    }
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    form.MyShowSGMouseMove();
    QApplication::processEvents();
    EXPECT_TRUE(form.showList()->grid()->hasFocus());
}

TEST(SmallHandlers, EndOfALoadSetsTheFlagsAndTheManagerButtons)
{
    platform::setMonotonicMs(123456);
    TestState().session.ShowState.PictureLoaded = 0;
    TestState().start.DemoMode = 0;
    TestState().start.ArgumentMode = 0;
    ShowManagerWindow manager(testsupport::freshDir(QStringLiteral("shows")) + QStringLiteral("/AllMyShow.dat"));
    for (QToolButton* b : {manager.BackSB, manager.ForwardSB, manager.AddPicsButton1, manager.DeletePicButton})
        b->setEnabled(false);
    manager.show();
    manager.PicturesSelected = 0;

    MainWindow form(TestState());
    form.setShowManager(&manager);
    form.SetupSmallHandlers();
    form.pictureDisplay()->imageTimer()->start(2000);
    form.pictureDisplay()->ImageTimerTimer();
    EXPECT_FALSE(form.pictureDisplay()->imageTimer()->isActive());
    EXPECT_EQ(TestState().session.ShowState.PictureLoaded, 1);
    EXPECT_EQ(form.pictureDisplay()->PictureLoadTimeMs, 123456);
    EXPECT_TRUE(manager.BackSB->isEnabled());
    EXPECT_TRUE(manager.ForwardSB->isEnabled());
    EXPECT_FALSE(manager.AddPicsButton1->isEnabled());   // nothing selected there

    manager.PicturesSelected = 2;
    form.pictureDisplay()->ImageTimerTimer();
    EXPECT_TRUE(manager.AddPicsButton1->isEnabled());
    EXPECT_TRUE(manager.DeletePicButton->isEnabled());

    // A hidden manager is left alone.
    manager.hide();
    manager.BackSB->setEnabled(false);
    form.pictureDisplay()->ImageTimerTimer();
    EXPECT_FALSE(manager.BackSB->isEnabled());
    platform::resetClock();
}

TEST(SmallHandlers, WaitLetsMessagesRunUntilTheTimeHasPassed)
{
    platform::setMonotonicMs(1000);
    MainWindow form(TestState());
    int ticks = 0;
    QTimer advance;
    QObject::connect(&advance, &QTimer::timeout, [&] {
        ++ticks;
        platform::advanceClock(500);
    });
    advance.start(1);
    testsupport::waitProcessingMessages(0, 2, 0);   // 2 seconds on the (fake) clock
    advance.stop();
    EXPECT_GE(platform::monotonicMs(), 3000);
    EXPECT_GE(ticks, 4);

    // A frozen clock does not hold the program for ever.
    platform::setMonotonicMs(5000);
    testsupport::waitProcessingMessages(0, 0, 20);
    EXPECT_EQ(platform::monotonicMs(), 5000);
    platform::resetClock();
}
