// Back from a slide show and from the full view in the assembled window:
// the browse view returns with its own title, the picture commands follow
// its picture (not the show's last one), the full view after a show is
// titled with its own picture, a kept automatic show stays and the File
// menu's clipboard commands copy the picture itself.
#include "app/main_window.h"
#include "app/main_status_bar.h"
#include "base/settings_record.h"
#include "browse/fit_zoom.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/test_state.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

namespace {

void playTheFolderAndStopIt(MainWindowFixture& f)
{
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.folder());
    f.form()->actionNamed("ToolButton1")->trigger();
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow() && f.showWindow()->isVisible() && TestState().session.PlaybackActive == 1; }));
    // Let the show reach its second picture, then stop it with Escape.
    f.settle(50);
    QTest::keyClick(f.showWindow(), Qt::Key_Escape);
    ASSERT_TRUE(f.waitFor([&] { return !f.showWindow()->isVisible() && TestState().session.PlaybackActive == 0; }));
    f.settle();
}

void expectBrowseView(MainWindowFixture& f)
{
    MainWindow* form = f.form();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vistamo!"));
    EXPECT_FALSE(MainWindowFixture::visible(form->clientArea()->picture()));
    for (QWidget* w : {static_cast<QWidget*>(form->treeView()), static_cast<QWidget*>(form->findChild<QFrame*>(QStringLiteral("TreeThumbnailPanel"))),
                       static_cast<QWidget*>(form->findChild<QFrame*>(QStringLiteral("Panel1")))})
        EXPECT_TRUE(MainWindowFixture::visible(w)) << w->objectName().toStdString();
    if (MainWindowFixture::visible(form->findChild<QLabel*>(QStringLiteral("Image4")))) {
        EXPECT_TRUE(form->findChild<QFrame*>(QStringLiteral("NoShowPanel4"))->geometry().contains(form->findChild<QLabel*>(QStringLiteral("Image4"))->geometry()));
        EXPECT_FALSE(form->findChild<QLabel*>(QStringLiteral("Image4"))->geometry().intersects(form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))->geometry()));
    }
}

} // namespace

TEST(ShowEnd, TheBrowseViewComesBackWithItsOwnTitle)
{
    MainWindowFixture f;
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.picture("a.jpg"));
    playTheFolderAndStopIt(f);
    expectBrowseView(f);
    EXPECT_EQ(f.form()->statusPanels()->panel1()->text(), QStringLiteral("Slide show ended!"));
    // The next show, as pages of thumbnails, does not carry that news.
    TestState().settings.Settings.PicturesPerPageIndex = QStringLiteral("3");
    TestState().settings.Settings.IntervalIndex = 4;
    f.form()->actionNamed("TBGoSmall")->trigger();
    ASSERT_TRUE(f.waitFor([&] { return TestState().session.PlaybackActive == 1; }, 10000));
    f.settle();
    EXPECT_NE(f.form()->statusPanels()->panel1()->text(), QStringLiteral("Slide show ended!"));
    f.form()->actionNamed("ToolButton2")->trigger();
    ASSERT_TRUE(f.waitFor([&] { return TestState().session.PlaybackActive == 0; }, 10000));
}

TEST(ShowEnd, TheFullViewAfterAShowIsTitledWithItsOwnPicture)
{
    MainWindowFixture f;
    playTheFolderAndStopIt(f);
    MainWindow* form = f.form();

    f.clickNode(f.picture("c.jpg"), Qt::LeftButton, Qt::ControlModifier);
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible() && TestState().session.FullViewActive == 1; }));
    f.settle();   // the titles follow the picture's arrival
    EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("c.jpg  - "))) << form->windowTitle().toStdString();
    const QString title = f.showWindow()->TitleLabel->text();
    EXPECT_TRUE(title.startsWith(f.picture("c.jpg") + QStringLiteral("  - "))) << title.toStdString();
    EXPECT_FALSE(title.endsWith(QStringLiteral("/2")));

    // A crop keeps the title of the same picture.
    QLabel* shown = f.showWindow()->Image1->isVisible() ? f.showWindow()->Image1 : f.showWindow()->Image2;
    f.drag(shown, shown->rect().center() - QPoint(50, 30), shown->rect().center() + QPoint(50, 30));
    EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("c.jpg  - ")));

    // The click that closes the full view brings the browse view back.
    shown = f.showWindow()->Image1->isVisible() ? f.showWindow()->Image1 : f.showWindow()->Image2;
    f.click(shown, shown->rect().center());
    ASSERT_TRUE(f.waitFor([&] { return !f.showWindow()->isVisible(); }));
    f.settle(150);
    expectBrowseView(f);
}

TEST(ShowEnd, ThePictureCommandsFollowTheBrowseViewNotTheShowsLastPicture)
{
    MainWindowFixture f;
    playTheFolderAndStopIt(f);
    MainWindow* form = f.form();
    const auto openFileMenu = [&] {
        emit form->findChild<QMenu*>("Bestand1")->aboutToShow();
        f.settle();
    };

    // The folder is selected and no picture shows: nothing to save, move,
    // rename or delete, and no picture is named.
    for (QAction* tool : {form->actionNamed("SaveToolButton"), form->actionNamed("MoveToolButton"),
                          form->actionNamed("RenamePictureToolButton"), form->actionNamed("RecycleBinToolButton")})
        EXPECT_FALSE(tool->isEnabled()) << tool->objectName().toStdString();
    openFileMenu();
    EXPECT_EQ(form->actionNamed("SendRecycleBin")->text(), QStringLiteral("Send picture to Recycle &Bin"));
    for (QAction* item : {form->actionNamed("SavePictureTo"), form->actionNamed("MovePictureTo"),
                          form->actionNamed("RenamePicture"), form->actionNamed("SendRecycleBin"),
                          form->actionNamed("AddPicMyShow")})
        EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
    EXPECT_TRUE(form->actionNamed("AddPicMyShow")->text().startsWith(QStringLiteral("A&dd picture to ")));

    // The picture the browse view shows is the one the commands name.
    f.hoverNode(f.node(f.picture("b.jpg")));
    openFileMenu();
    EXPECT_EQ(form->actionNamed("SendRecycleBin")->text(), QStringLiteral("Send 'b.jpg' to Recycle &Bin"));
    EXPECT_TRUE(form->actionNamed("SendRecycleBin")->isEnabled());
}

TEST(ShowEnd, AKeptAutomaticShowStaysAndTheClipboardCopiesThePictureItself)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindowFixture f;
    MainWindow* form = f.form();
    Settings.KeepAutoShow = 1;
    Settings.AutoShowPath = f.parentFolder();
    playTheFolderAndStopIt(f);
    EXPECT_EQ(Settings.AutoShowPath, f.parentFolder());
    Settings.KeepAutoShow = 0;

    // The File menu still offers the clipboard, for the picture at its own
    // size (c.jpg is 1600 x 1200), not for its preview.
    f.clickNode(f.picture("c.jpg"));
    f.settle();
    emit form->findChild<QMenu*>("Bestand1")->aboutToShow();
    f.settle();
    QAction* clipboard = form->findChild<QMenu*>("ClipBoardFunctions")->menuAction();
    ASSERT_TRUE(clipboard->isVisible());
    ASSERT_TRUE(clipboard->isEnabled());
    ASSERT_TRUE(form->actionNamed("PictureToClipboard")->isVisible());
    QGuiApplication::clipboard()->clear();
    form->actionNamed("PictureToClipboard")->trigger();
    ASSERT_TRUE(f.waitFor([] { return !QGuiApplication::clipboard()->image().isNull(); }));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(1600, 1200));
}
