// A slide show on the assembled main window, driven as a user drives it:
// started from the tool bar or the Recent menu, stepped with real keys and
// wheel turns on the full-screen window; the tests look at what the user
// sees there (picture, title, caption, the control panel's buttons).
#include "platform/keyboard_hook.h"
#include "support/test_state.h"
#include "base/picture_table.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/fit_zoom_section.h"
#include "browse/list_menus_section.h"
#include "browse/fit_zoom.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "browse/picture_slot_decoder.h"
#include "browse/recent_lists.h"
#include "formats/picture_fixtures.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "shows/show_record.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "sound/sound_state.h"

#include "support/sandbox.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFrame>
#include <QTreeWidget>
#include <QLabel>
#include <QMenu>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::writeFile;

namespace {

// A JPEG with an EXIF date taken, or without one and with the given file date.
void makePhoto(const QString& path, const std::string& dateTaken, const QDateTime& fileDate = {})
{
    QByteArray bytes = fixtures::jpeg(400, 300);
    if (!dateTaken.empty())
        bytes = fixtures::withExif(bytes, {{"Exif.Photo.DateTimeOriginal", dateTaken}});
    ASSERT_TRUE(writeFile(path, bytes));
    if (fileDate.isValid()) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(fileDate, QFileDevice::FileModificationTime));
    }
}

TShowRecord record(const QString& picture, int interval = 0, const QString& sound = {})
{
    TShowRecord r = NewPictureRecord(picture, 40);
    r.IntervalSeconds = interval;
    if (!sound.isEmpty()) {
        r.SoundFile = sound;
        r.SoundKind = QStringLiteral("F");
    }
    return r;
}

QString writeShow(const QString& path, const QList<TShowRecord>& records)
{
    QByteArray bytes;
    for (const TShowRecord& r : records)
        bytes += EncodeShowRecord(r);
    EXPECT_TRUE(writeFile(path, bytes));
    return path;
}

// A key pressed and released on a widget, through the application (so the
// main window's keyboard hook sees it as it sees a typed key).
void keyClick(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
    // A picture the key asked for is shown when its slot answers.
    testsupport::waitForPictureAnswers();
}

void mouse(QWidget* target, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(p), QPointF(target->mapToGlobal(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
    testsupport::waitForPictureAnswers();
}

void wheel(QWidget* target, QPoint at, int delta)
{
    QWheelEvent e(QPointF(at), QPointF(target->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
    testsupport::waitForPictureAnswers();
}

struct AssembledShow : ::testing::Test {
    MainWindow form{TestState()};
    AssembledShow()
    {
        TestState().settings.Settings = TSettingsRecord{};
        TestState().settings.Settings.InclJPG = 1;
        TestState().settings.Settings.IntervalIndex = 4;   // 10 seconds
        TestState().settings.Settings.ShowTitles = 1;
        TestState().session.ShowState = TShowState{};
        TestState().session.CutOutCount = 0;
        TestState().session.ZoomFactor = 0;
        TestState().session.FullViewActive = 0;
        TestState().session.PlaybackActive = 0;
        form.closing()->CloseWithoutSaving = true;
        form.show();                  // menus, hook and events are wired on the first show
    }
    ~AssembledShow() override
    {
        if (form.showWindow())
            form.showWindow()->StopSlideShow();
        TestState().session.PlaybackActive = 0;
        TestState().session.CutOutCount = 0;
        TestState().session.ZoomFactor = 0;
        TestState().settings.Settings = TSettingsRecord{};
    }
    // The show window, once a show plays.
    ShowWindow* show() const { return form.showWindow() && form.showWindow()->isVisible() ? form.showWindow() : nullptr; }
    // The tool bar's start button on the selected folder.
    void playFolder(const QString& folder)
    {
        form.folderTree()->SelectedFolder = folder;
        form.actionNamed("ToolButton1")->trigger();
        testsupport::waitForPictureAnswers();
    }
    // Three undated photographs, a.jpg to c.jpg, made in `dir` and played.
    ShowWindow* playThreePhotos(const QString& dir)
    {
        for (const char* photo : {"a.jpg", "b.jpg", "c.jpg"})
            makePhoto(dir + "/" + photo, "");
        playFolder(dir);
        return show();
    }
    // The first entry of the Recent menu, played (as with Ctrl held).
    void playRecentShow(const QString& showFile)
    {
        TestState().settings.Settings.RecentFolders[0] = showFile;
        form.listMenus()->ReopenAfterStop = 1;
        form.actionNamed("Folder1")->trigger();
        testsupport::waitForPictureAnswers();
    }
    // The next key counts for the keyboard hook (one key per 300 ms).
    void nextKeyCounts() { form.input()->hookHandledTimer()->stop(); }
    QString title() const { return form.showWindow()->TitleLabel->text(); }
};

} // namespace

TEST_F(AssembledShow, PicturesPlayByDateTakenAndTheTitleDatesThem)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString dir = freshDir(QStringLiteral("bydate"));
    makePhoto(dir + "/a.jpg", "2021:05:01 18:45:00");
    makePhoto(dir + "/b.jpg", "2019:07:14 09:30:00");
    makePhoto(dir + "/c.jpg", "", QDateTime(QDate(2020, 2, 3), QTime(4, 5, 6)));   // no EXIF: the file date

    Settings.PlayOrder = 3;   // "Date asc."
    playFolder(dir);
    ASSERT_NE(show(), nullptr);
    EXPECT_TRUE(form.showWindow()->TitleLabel->isVisible());
    EXPECT_EQ(title(), "July 14, 2019,09:30   " + dir + "/b.jpg 1/3");
    EXPECT_EQ(form.showWindow()->Slot(1)->Path(), dir + "/b.jpg");
    keyClick(show(), Qt::Key_Right);
    EXPECT_EQ(title(), "February 3, 2020,04:05   " + dir + "/c.jpg 2/3");
    keyClick(show(), Qt::Key_Right);
    EXPECT_EQ(title(), "May 1, 2021,18:45   " + dir + "/a.jpg 3/3");
    EXPECT_EQ(form.windowTitle(), "May 1, 2021,18:45  a.jpg");
    keyClick(show(), Qt::Key_Escape);
    EXPECT_EQ(show(), nullptr);

    Settings.PlayOrder = 4;   // "Date desc."
    playFolder(dir);
    ASSERT_NE(show(), nullptr);
    EXPECT_EQ(title(), "May 1, 2021,18:45   " + dir + "/a.jpg 1/3");
    keyClick(show(), Qt::Key_Right);
    EXPECT_EQ(title(), "February 3, 2020,04:05   " + dir + "/c.jpg 2/3");
    keyClick(show(), Qt::Key_Escape);

    // The dates are read off the window's thread: Escape while they are read
    // ends the show before its first picture, and the window goes on.
    nextKeyCounts();
    form.PlayPictures({dir + "/a.jpg", dir + "/b.jpg", dir + "/c.jpg"});
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(TestState().session.PlaybackActive, 0);
    EXPECT_EQ(show(), nullptr);

    // Alphabetic: subfolder pictures by their paths, not folder by folder.
    makePhoto(dir + "/Sub/aa.jpg", "2018:01:01 00:00:00");
    Settings.PlayOrder = 2;
    Settings.IncludeSubfolders = 1;
    playFolder(dir);
    ASSERT_NE(show(), nullptr);
    EXPECT_EQ(title(), dir + "/a.jpg  - May 1, 2021,18:45 1/4");
    QStringList seen{form.showWindow()->CurrentPicture()};
    for (int i = 0; i < 3; ++i) {
        keyClick(show(), Qt::Key_Right);
        seen << form.showWindow()->CurrentPicture();
    }
    EXPECT_EQ(seen, (QStringList{dir + "/a.jpg", dir + "/b.jpg", dir + "/c.jpg", dir + "/Sub/aa.jpg"}));
}

TEST_F(AssembledShow, WheelChangesTheSpeedOrStepsAndHomeRestarts)
{
    const QString dir = freshDir(QStringLiteral("wheel"));
    ShowWindow* window = playThreePhotos(dir);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(form.slideShow()->intervalTimer()->interval(), 10000);

    // While the show advances a turn changes its speed (forward: faster).
    // (A turn over the picture reaches the window too: the image passes on
    // what it does not zoom.)
    wheel(window, QPoint(2, 2), 120);
    EXPECT_TRUE(window->SpeedLabel->isVisible());
    EXPECT_EQ(window->SpeedLabel->text(), QStringLiteral("Speeding up, interval is set to 9 second(s) "));
    EXPECT_EQ(form.slideShow()->intervalTimer()->interval(), 9000);
    wheel(window, QPoint(2, 2), -120);
    wheel(window, QPoint(2, 2), -120);
    EXPECT_EQ(window->SpeedLabel->text(), QStringLiteral("Slowing down, interval is set to 11 second(s) "));
    EXPECT_EQ(form.slideShow()->intervalTimer()->interval(), 11000);
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 1);

    // Paused (Space), a turn steps one picture on or back.
    keyClick(window, Qt::Key_Space);
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);
    wheel(window, QPoint(2, 2), 120);
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 2);
    wheel(window, QPoint(2, 2), 120);
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 3);
    EXPECT_EQ(title(), dir + "/c.jpg  - " + StatusDateText(TestState().session.PictureTable[2].PictureDate) + " 3/3");
    wheel(window, QPoint(2, 2), -120);
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 2);

    // Home restarts the show from its first picture.
    keyClick(window, Qt::Key_Home);
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 1);
    EXPECT_EQ(TestState().session.PictureIndex, 0);
    EXPECT_GE(TestState().session.ShowState.Direction, 1);
    EXPECT_TRUE(window->HintPanel->isVisible());
    EXPECT_EQ(window->HintLabel->text(), QStringLiteral(" Show restarted from the beginning "));

    // A key pressed in the main window still reaches the show.
    nextKeyCounts();
    keyClick(form.treeView(), Qt::Key_Right);
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 2);
    // ... once per key: the window's own key reaches it only once.
    nextKeyCounts();
    keyClick(window, Qt::Key_Right);
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 3);
    nextKeyCounts();
    keyClick(form.treeView(), Qt::Key_Escape);
    EXPECT_EQ(show(), nullptr);
    EXPECT_EQ(TestState().session.PlaybackActive, 0);
}

TEST_F(AssembledShow, EveryControlPanelButtonShowsItsGlyphAndHint)
{
    const QString dir = freshDir(QStringLiteral("panel"));
    makePhoto(dir + "/a.jpg", "");
    makePhoto(dir + "/b.jpg", "");
    playFolder(dir);
    ASSERT_NE(show(), nullptr);
    for (QToolButton* b : form.showWindow()->ControlPanel->findChildren<QToolButton*>()) {
        EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
        EXPECT_EQ(b->focusPolicy(), Qt::NoFocus) << b->objectName().toStdString();
    }
    // The hints are those of the twins in the main window's tool bar.
    EXPECT_EQ(form.showWindow()->StartShowSpeedButton->toolTip(), form.actionNamed("ToolButton1")->toolTip());
    EXPECT_EQ(form.showWindow()->StartShowSpeedButton->toolTip(), QStringLiteral("Restart Slide Show - Home"));
    EXPECT_EQ(form.showWindow()->StopButton->toolTip(), form.actionNamed("ToolButton2")->toolTip());
    EXPECT_EQ(form.showWindow()->ShowForwardSpeedButton->toolTip(), form.actionNamed("ShowForwardToolButton")->toolTip());
    EXPECT_EQ(form.showWindow()->OneForwardSpeedButton->toolTip(), form.actionNamed("Forward1ToolButton")->toolTip());
    EXPECT_EQ(form.showWindow()->StartShowSpeedButton->icon().pixmap(16).toImage(),
              form.actionNamed("ToolButton1")->icon().pixmap(16).toImage());
    keyClick(show(), Qt::Key_Escape);

    // The full view's panel, as the user sees it once a cut-out is made.
    form.fitZoom()->ShowPictureFull(dir + "/a.jpg");
    testsupport::waitForPictureAnswers();
    ASSERT_NE(show(), nullptr);
    auto* image1 = form.showWindow()->findChild<QLabel*>(QStringLiteral("Image1"));
    mouse(image1, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    mouse(image1, QEvent::MouseMove, {120, 90}, Qt::NoButton, Qt::LeftButton);
    mouse(image1, QEvent::MouseButtonRelease, {120, 90}, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(TestState().session.CutOutCount, 1);
    ASSERT_TRUE(form.showWindow()->ControlPanel->isVisible());
    int shown = 0;
    for (QToolButton* b : form.showWindow()->ControlPanel->findChildren<QToolButton*>()) {
        if (!b->isVisible())
            continue;
        ++shown;
        EXPECT_FALSE(b->icon().pixmap(16).isNull()) << b->objectName().toStdString();
        EXPECT_FALSE(b->toolTip().isEmpty()) << b->objectName().toStdString();
    }
    EXPECT_GE(shown, 3);
    EXPECT_EQ(form.showWindow()->StopButton->toolTip(), QStringLiteral("Return to browse window"));
}

TEST_F(AssembledShow, AVoicePictureWithoutASoundDeviceGetsTheDefaultInterval)
{
    if (SoundDevicePresent())
        GTEST_SKIP() << "this machine has a sound device";
    const QString dir = freshDir(QStringLiteral("voice"));
    makePhoto(dir + "/a.jpg", "");
    makePhoto(dir + "/b.jpg", "");
    ASSERT_TRUE(writeFile(dir + "/a.wav", QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16)));
    // a: as long as its voice, which exists; b: as long as a voice that is gone.
    const QString showFile = writeShow(dir + "/Voices.vxt", {record(dir + "/a.jpg", 999, dir + "/a.wav"),
                                                             record(dir + "/b.jpg", 999, dir + "/gone.wav")});
    playRecentShow(showFile);
    ASSERT_NE(show(), nullptr);
    EXPECT_EQ(form.openShow().ShowRec.PicturePath, dir + "/a.jpg");
    EXPECT_EQ(form.sound()->session().PictureSoundPlaying, 0);
    EXPECT_TRUE(form.slideShow()->intervalTimer()->isActive());
    EXPECT_EQ(form.slideShow()->intervalTimer()->interval(), 10000);
    EXPECT_EQ(TestState().session.ShowState.CurrentInterval, 10);

    keyClick(show(), Qt::Key_Right);
    EXPECT_EQ(form.openShow().ShowRec.PicturePath, dir + "/b.jpg");
    EXPECT_EQ(form.slideShow()->intervalTimer()->interval(), 10000);
}

TEST_F(AssembledShow, AMissingShowPictureIsReportedInItsTurn)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString dir = freshDir(QStringLiteral("missing"));
    makePhoto(dir + "/a.jpg", "");
    makePhoto(dir + "/c.jpg", "");
    TShowRecord third = record(dir + "/c.jpg", 7);
    const QString showFile =
        writeShow(dir + "/Gaps.vxt", {record(dir + "/a.jpg"), record(dir + "/gone.jpg"), third});

    Settings.IgnoreErrors = 0;
    playRecentShow(showFile);
    ASSERT_NE(show(), nullptr);
    EXPECT_TRUE(title().endsWith(" 1/3"));
    keyClick(show(), Qt::Key_Right);
    const QString error = QStringLiteral("Vistamo! :  Error occurred, File gone.jpg can not be opened, Open error");
    EXPECT_EQ(form.windowTitle(), error);
    EXPECT_EQ(title(), error);
    EXPECT_FALSE(form.showWindow()->Image1->isVisible());
    EXPECT_FALSE(form.showWindow()->Image2->isVisible());
    // The caption stays for a second, then the show goes on.
    EXPECT_TRUE(form.slideShow()->intervalTimer()->isActive());
    EXPECT_EQ(form.slideShow()->intervalTimer()->interval(), 1000);
    keyClick(show(), Qt::Key_Right);
    EXPECT_TRUE(title().endsWith("/c.jpg  - " + StatusDateText(TestState().session.PictureTable[2].PictureDate) + " 3/3"));
    // c plays with its own record (its 7 seconds).
    EXPECT_EQ(form.openShow().ShowRec.PicturePath, dir + "/c.jpg");
    EXPECT_EQ(form.slideShow()->intervalTimer()->interval(), 7000);
    keyClick(show(), Qt::Key_Escape);

    // With "Ignore errors" on the missing picture is skipped quietly.
    Settings.IgnoreErrors = 1;
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    playRecentShow(showFile);
    ASSERT_NE(show(), nullptr);
    keyClick(show(), Qt::Key_Right);
    for (int i = 0; i < 20 && TestState().session.ShowState.ShownNumber != 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 3);
    EXPECT_EQ(form.openShow().ShowRec.PicturePath, dir + "/c.jpg");
    EXPECT_TRUE(form.showWindow()->Image1->isVisible() || form.showWindow()->Image2->isVisible());
    EXPECT_TRUE(platform::promptLog().isEmpty());
}

TEST_F(AssembledShow, TheNextPictureAndTheOneLeftStayDecodedPausedOrNot)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString dir = freshDir(QStringLiteral("ahead"));
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
        makePhoto(dir + "/" + name, "");
    Settings.PlayOrder = 2;   // alphabetic
    playFolder(dir);
    ShowWindow* window = show();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->CurrentPicture(), dir + "/a.jpg");
    EXPECT_EQ(PrefetchedPicturePath(), dir + "/b.jpg");
    ASSERT_TRUE(QTest::qWaitFor([] { return PrefetchedPictureReady(); }, 30000));

    // The step shows the picture decoded ahead, decodes the next one and
    // keeps the one it left.
    keyClick(window, Qt::Key_Right);
    EXPECT_EQ(window->CurrentPicture(), dir + "/b.jpg");
    EXPECT_TRUE(form.showWindow()->Slot(1)->Path() == dir + "/b.jpg" || form.showWindow()->Slot(2)->Path() == dir + "/b.jpg");
    EXPECT_EQ(PrefetchedPicturePath(), dir + "/c.jpg");
    EXPECT_EQ(KeptPicturePath(), dir + "/a.jpg");

    // Continued in reverse: the picture before is the one decoded ahead.
    keyClick(window, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_LT(TestState().session.ShowState.Direction, 0);
    EXPECT_EQ(PrefetchedPicturePath(), dir + "/a.jpg");

    // Paused, the pictures stay; a step by hand goes on decoding ahead in
    // its direction, and the step back is answered without a decode.
    keyClick(window, Qt::Key_Space);
    EXPECT_EQ(PrefetchedPicturePath(), dir + "/a.jpg");
    ASSERT_TRUE(QTest::qWaitFor([] { return SlotLoadsWaiting() == 0; }, 30000));
    keyClick(window, Qt::Key_Right);
    EXPECT_EQ(window->CurrentPicture(), dir + "/c.jpg");
    EXPECT_EQ(PrefetchedPicturePath(), dir + "/d.jpg");
    EXPECT_EQ(KeptPicturePath(), dir + "/b.jpg");
    ASSERT_TRUE(QTest::qWaitFor([] { return SlotLoadsWaiting() == 0 && PrefetchedPictureReady(); }, 30000));
    keyClick(window, Qt::Key_Left);
    EXPECT_EQ(window->CurrentPicture(), dir + "/b.jpg");
    EXPECT_EQ(PrefetchedPicturePath(), dir + "/a.jpg");
    EXPECT_EQ(KeptPicturePath(), dir + "/c.jpg");
    ASSERT_TRUE(QTest::qWaitFor([] { return SlotLoadsWaiting() == 0; }, 30000));
    EXPECT_TRUE(form.showWindow()->Slot(1)->Path() == dir + "/b.jpg" || form.showWindow()->Slot(2)->Path() == dir + "/b.jpg");

    // Going on decodes ahead in the last direction; the end drops it all.
    keyClick(window, Qt::Key_Space);
    EXPECT_EQ(PrefetchedPicturePath(), dir + "/a.jpg");
    keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(show(), nullptr);
    EXPECT_EQ(PrefetchedPicturePath(), QString());
    EXPECT_EQ(KeptPicturePath(), QString());
}

TEST_F(AssembledShow, ThePictureTipTheControlPanelAndTheShowMenuFollowAPause)
{
    const QString dir = freshDir(QStringLiteral("pause"));
    ShowWindow* window = playThreePhotos(dir);
    ASSERT_NE(window, nullptr);
    const auto tip = [window] { return window->Image1->toolTip(); };
    // Advancing: the wheel changes the speed; no step by hand.
    EXPECT_TRUE(tip().startsWith(QStringLiteral("Use mousewheel to slow down/speed up the slide show\r\n\r\n")));
    EXPECT_EQ(window->Image2->toolTip(), tip());
    EXPECT_FALSE(window->OneForwardSpeedButton->isEnabled());

    // Paused: the tip tells how to crop, the panel and the Show menu step.
    keyClick(window, Qt::Key_Space);
    ASSERT_EQ(TestState().session.ShowState.Direction, 0);
    EXPECT_TRUE(tip().startsWith(QStringLiteral("Use the mouse to draw a rectangle to crop and enlarge,")));
    EXPECT_TRUE(window->OneForwardSpeedButton->isEnabled());
    EXPECT_TRUE(window->OneBackwardsSpeedButton->isEnabled());
    QMenu* menu = form.findChild<QMenu*>("Show");
    menu->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    EXPECT_TRUE(form.actionNamed("PictureForward")->isEnabled());
    EXPECT_TRUE(form.actionNamed("PictureBackwards")->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(form.actionNamed("PictureForward")).center());
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(TestState().session.ShowState.ShownNumber, 2);

    // Going on again: the step buttons grey.
    keyClick(show(), Qt::Key_Space);
    EXPECT_NE(TestState().session.ShowState.Direction, 0);
    EXPECT_FALSE(window->OneForwardSpeedButton->isEnabled());
    EXPECT_TRUE(tip().startsWith(QStringLiteral("Use mousewheel")));
}
