// The controls that reach their routines, each by its effect in the
// assembled window: the Draft count, the full view's window, the folder in
// the file manager, the screen choice, the show's direction and end, and
// the order a show plays in.
#include "app/main_window.h"
#include "base/settings_record.h"
#include "browse/picture_display.h"
#include "browse/picture_display_section.h"
#include "browse/thumbnail_page_controller.h"
#include "browse/thumbnail_page_section.h"
#include "shows/my_show_controller.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/test_state.h"

#include <QFrame>
#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

// Catches what the program hands the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

namespace {

// Opens a menu as the user does: its captions and states are rebuilt.
void openMenu(QMenu* menu)
{
    emit menu->aboutToShow();
    MainWindowFixture::settle();
}

// Chooses an item of an enabled, visible menu item.
void choose(QAction* item)
{
    ASSERT_TRUE(item->isVisible()) << item->objectName().toStdString();
    ASSERT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    item->trigger();
    MainWindowFixture::settle();
}

bool fullViewOf(MainWindowFixture& f, const QString& picture)
{
    return f.waitFor([&] {
        return f.showWindow()->isVisible() && TestState().session.FullViewActive == 1
               && f.form()->windowTitle().startsWith(picture + QStringLiteral("  - "));
    });
}

void closeFullView(MainWindowFixture& f)
{
    QLabel* shown = f.showWindow()->Image1->isVisible() ? f.showWindow()->Image1 : f.showWindow()->Image2;
    f.click(shown, shown->rect().center());
    ASSERT_TRUE(f.waitFor([&] { return !f.showWindow()->isVisible(); }));
}

// Gives the test's pictures file dates a day apart: a.jpg oldest, then
// b.jpg, Sub/d.jpg and c.jpg.
void dateThePictures(MainWindowFixture& f)
{
    const QDateTime first(QDate(2023, 5, 1), QTime(12, 0));
    int day = 0;
    for (const char* name : {"a.jpg", "b.jpg", "Sub/d.jpg", "c.jpg"}) {
        QFile file(f.picture(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(first.addDays(day++), QFileDevice::FileModificationTime));
    }
}

// The picture a show plays first, then the show ends.
QString firstPictureOfTheShow(MainWindowFixture& f, QAction* start)
{
    TestState().settings.Settings.IntervalIndex = 4;
    start->trigger();
    EXPECT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible() && TestState().session.PlaybackActive == 1; }));
    EXPECT_TRUE(f.waitFor([&] { return !f.form()->pictureDisplay()->displayState().CurrentPicturePath.isEmpty(); }));
    const QString first = QFileInfo(f.form()->pictureDisplay()->displayState().CurrentPicturePath).fileName();

    openMenu(f.form()->mainMenus().Show());
    choose(f.form()->mainMenus().StopPictureShow1());
    EXPECT_TRUE(f.waitFor([&] { return TestState().session.PlaybackActive == 0; }));
    f.settle();
    return first;
}

} // namespace

TEST(WiredControls, AddPictureToDraftFromTheFileMenuAndThePopupAndTheDraftButtons)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    f.clickExpander(f.node(f.folder()));
    // A plain click adds the picture; the items add the current picture again.
    f.clickNode(f.picture("a.jpg"));
    ASSERT_EQ(form->showList()->grid()->rowCount(), 1);
    openMenu(form->mainMenus().Bestand1());
    choose(form->mainMenus().AddPicMyShow());
    EXPECT_EQ(form->showList()->grid()->rowCount(), 2);
    f.hoverNode(f.node(f.picture("b.jpg")));
    openMenu(form->mainMenus().RightClickTreeView());
    choose(form->mainMenus().AddPicMyShowPop());
    EXPECT_EQ(form->showList()->grid()->rowCount(), 3);
    EXPECT_EQ(form->showList()->grid()->item(2, 3)->text(), QStringLiteral("b.jpg"));
    EXPECT_TRUE(form->showList()->nameLabel()->text().endsWith(QStringLiteral(": 3 pictures"))) << form->showList()->nameLabel()->text().toStdString();

    // The Draft button shows and hides the open Draft's list.
    ASSERT_TRUE(MainWindowFixture::visible(form->showList()->grid()));
    choose(form->toolBars().MyShowDraftTB());
    EXPECT_FALSE(MainWindowFixture::visible(form->showList()->grid()));
    choose(form->toolBars().MyShowDraftTB());
    EXPECT_TRUE(MainWindowFixture::visible(form->showList()->grid()));

    // A named show open: the My Show menu's "Draft show" closes it and the
    // Draft comes back with its three pictures.
    form->myShow()->AskMakeChangesPermanent();
    const QString named = f.parentFolder() + QStringLiteral("/Named.vxt");
    ASSERT_TRUE(QFile::copy(TestState().paths.DraftShowPath, named));
    form->myShow()->LoadMyShowClick(named);
    ASSERT_EQ(form->openShow().NamedShowOpen, 1);
    f.clickNode(f.picture("c.jpg"));
    EXPECT_EQ(form->showList()->grid()->rowCount(), 4);
    openMenu(form->mainMenus().MyShow());
    choose(form->mainMenus().MyShowDraft());
    EXPECT_EQ(form->openShow().DraftShowOpen, 1);
    EXPECT_EQ(form->showList()->grid()->rowCount(), 3);
    EXPECT_TRUE(form->showList()->nameLabel()->text().startsWith(QStringLiteral("Draft"))) << form->showList()->nameLabel()->text().toStdString();
}

TEST(WiredControls, TheFullViewOpensFromTheMenusAndFromAClickOnEitherPreview)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.picture("b.jpg"));
    ASSERT_TRUE(f.waitFor([&] { return MainWindowFixture::visible(form->findChild<QLabel*>(QStringLiteral("Image4"))); }));

    // A click on the browse preview.
    f.click(form->findChild<QLabel*>(QStringLiteral("Image4")), form->findChild<QLabel*>(QStringLiteral("Image4"))->rect().center());
    ASSERT_TRUE(fullViewOf(f, QStringLiteral("b.jpg")));
    closeFullView(f);

    // The File menu's item.
    openMenu(form->mainMenus().Bestand1());
    QAction* item = form->mainMenus().ShowPicFullHidden()->isVisible() ? form->mainMenus().ShowPicFullHidden()
                                                                       : form->mainMenus().ShowPicFullFolder();
    choose(item);
    ASSERT_TRUE(fullViewOf(f, QStringLiteral("b.jpg")));
    closeFullView(f);

    // The MyShow list: its selected row is previewed with its information,
    // and a click on that preview opens the full view.
    f.clickNode(f.picture("c.jpg"));
    ASSERT_EQ(form->showList()->grid()->rowCount(), 2);
    form->showList()->grid()->selectRow(0);
    f.settle();
    ASSERT_TRUE(f.waitFor([&] { return MainWindowFixture::visible(form->findChild<QLabel*>(QStringLiteral("image2"))); }));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("image2"))->property("picturePath").toString(), f.picture("b.jpg"));
    EXPECT_TRUE(MainWindowFixture::visible(form->findChild<QFrame*>(QStringLiteral("SizeDatePanel"))));
    EXPECT_FALSE(form->findChild<QLabel*>(QStringLiteral("FileSizeLabel"))->text().isEmpty());
    f.click(form->findChild<QLabel*>(QStringLiteral("image2")), form->findChild<QLabel*>(QStringLiteral("image2"))->rect().center());
    ASSERT_TRUE(fullViewOf(f, QStringLiteral("b.jpg")));
    closeFullView(f);
    form->showList()->grid()->selectRow(1);
    f.settle();
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("image2"))->property("picturePath").toString(), f.picture("c.jpg"));
    openMenu(form->mainMenus().Bestand1());
    choose(form->mainMenus().ShowPicFullMyShow());
    ASSERT_TRUE(fullViewOf(f, QStringLiteral("c.jpg")));
    closeFullView(f);
}

TEST(WiredControls, FilesOpensTheFolderAndScreenTogglesTheScreenChoice)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.folder());

    UrlCatcher opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "open");
    choose(form->toolBars().ExplorerTB());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls.first().toLocalFile(), f.folder());

    // The screen choice: a new show of the folder plays full screen with it,
    // as pages of thumbnails without it.
    TestState().settings.Settings.PicturesPerPageIndex = QStringLiteral("3");
    TestState().settings.Settings.IntervalIndex = 4;
    TestState().session.SourceIsFolder = 1;
    const bool before = form->toolBars().SBScreenMode()->isChecked();
    choose(form->toolBars().SBScreenMode());
    EXPECT_NE(form->toolBars().SBScreenMode()->isChecked(), before);
    if (!form->toolBars().SBScreenMode()->isChecked())
        choose(form->toolBars().SBScreenMode());
    ASSERT_EQ(TestState().session.FolderSourceFullScreen, 1);
    form->RestartShow();
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible() && TestState().session.PlaybackActive == 1; }));
    EXPECT_FALSE(form->thumbnailPage()->PageShowRuns());
    form->toolBars().ToolButton2()->trigger();
    ASSERT_TRUE(f.waitFor([&] { return TestState().session.PlaybackActive == 0; }));
    choose(form->toolBars().SBScreenMode());
    EXPECT_EQ(TestState().session.FolderSourceFullScreen, 0);
    form->RestartShow();
    ASSERT_TRUE(f.waitFor([&] { return form->thumbnailPage()->PageShowRuns(); }, 10000));
    EXPECT_FALSE(f.showWindow()->isVisible());
}

TEST(WiredControls, TheShowMenuSteersAFullScreenShowAndStopsIt)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.folder());
    TestState().settings.Settings.IntervalIndex = 4;
    form->toolBars().ToolButton1()->trigger();
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible() && TestState().session.PlaybackActive == 1; }));
    ASSERT_EQ(TestState().session.ShowState.Direction, 1);

    // The Show menu offers what the advancing show allows, and pauses it;
    // its items continue it either way or keep it paused by hand.
    openMenu(form->mainMenus().Show());
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);
    EXPECT_FALSE(form->mainMenus().ShowForward1()->isEnabled());
    choose(form->mainMenus().ShowinReverse1());
    EXPECT_EQ(TestState().session.ShowState.Direction, -1);
    EXPECT_TRUE(form->slideShow()->intervalTimer()->isActive());
    openMenu(form->mainMenus().Show());
    choose(form->mainMenus().ShowForward1());
    EXPECT_EQ(TestState().session.ShowState.Direction, 1);
    openMenu(form->mainMenus().Show());
    choose(form->mainMenus().ManualMode1());
    EXPECT_TRUE(TestState().session.ShowState.ManualMode);
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);
    // In manual mode the menu leaves the show as it is.
    openMenu(form->mainMenus().Show());
    EXPECT_FALSE(form->mainMenus().ManualMode1()->isEnabled());
    EXPECT_TRUE(form->mainMenus().ShowForward1()->isEnabled());
    choose(form->mainMenus().UseEntireScreen1());
    EXPECT_TRUE(f.showWindow()->isVisible());
    choose(form->mainMenus().StopPictureShow1());
    ASSERT_TRUE(f.waitFor([&] { return TestState().session.PlaybackActive == 0 && !f.showWindow()->isVisible(); }));
}

TEST(WiredControls, FullScreenFromAPageShowResumesTheShowInTheFullScreenWindow)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    f.openFolder(f.folder());
    TestState().settings.Settings.PicturesPerPageIndex = QStringLiteral("3");
    TestState().settings.Settings.IntervalIndex = 4;
    form->toolBars().TBGoSmall()->trigger();
    ASSERT_TRUE(f.waitFor([form] {
        ThumbnailPageController* page = form->thumbnailPage()->PageView;
        return page && page->ThumbnailViewActive() && !page->State().PageLoading;
    }, 10000));
    ASSERT_FALSE(f.showWindow()->isVisible());
    // The full-screen key ('F') of the main window.
    QTest::keyClick(form, Qt::Key_F);
    f.settle();
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible(); }));
    EXPECT_FALSE(form->thumbnailPage()->PageShowRuns());
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    form->slideShow()->ToolButton2Click();
    ASSERT_TRUE(f.waitFor([&] { return TestState().session.PlaybackActive == 0; }));
}

TEST(WiredControls, ThePlayOrderBoxesChooseTheOrderPlayed)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindowFixture f;
    MainWindow* form = f.form();
    dateThePictures(f);
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.folder());
    Settings.PlayOrder = 4;
    form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))->setCurrentIndex(4);
    EXPECT_EQ(firstPictureOfTheShow(f, form->toolBars().ToolButton1()), QStringLiteral("c.jpg"));

    // "Date asc." in the box under the tree: the oldest first, and the
    // Options show the same order.
    form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))->setFocus();
    QTest::keyClick(form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB")), Qt::Key_Up);
    f.settle();
    ASSERT_EQ(form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))->currentText(), QStringLiteral("Date asc."));
    EXPECT_EQ(Settings.PlayOrder, 3);
    EXPECT_EQ(firstPictureOfTheShow(f, form->toolBars().ToolButton1()), QStringLiteral("a.jpg"));

    // The MyShow box: the list's own order (b, c, a), or alphabetic.
    ASSERT_GE(form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB"))->count(), 6);
    EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB"))->itemText(0), QStringLiteral("MyShow list"));
    for (const char* name : {"b.jpg", "c.jpg", "a.jpg"})
        f.clickNode(f.picture(QString::fromLatin1(name)));
    ASSERT_EQ(form->showList()->grid()->rowCount(), 3);
    form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB"))->setFocus();
    while (form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB"))->currentIndex() > 0)
        QTest::keyClick(form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB")), Qt::Key_Up);
    f.settle();
    EXPECT_EQ(firstPictureOfTheShow(f, form->toolBars().StartMySlideShowTB()), QStringLiteral("b.jpg"));
    while (form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB"))->currentText() != QStringLiteral("Alphabetic"))
        QTest::keyClick(form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB")), Qt::Key_Down);
    f.settle();
    EXPECT_EQ(firstPictureOfTheShow(f, form->toolBars().StartMySlideShowTB()), QStringLiteral("a.jpg"));
}

#include "wired_controls_test.moc"

// The tree pop-up's rotations turn the picture under the mouse, as the tool
// bar's buttons do, whether or not those buttons are on show.
TEST(WiredControls, ThePopupRotationsTurnThePicture)
{
    const QString viewer = QFileInfo(QStringLiteral(VISTAMO_BIN)).path() + QStringLiteral("/vxview");
    if (!QFileInfo(viewer).isFile())
        GTEST_SKIP() << "vxview not built";
    MainWindowFixture f;
    MainWindow* form = f.form();
    TestState().environment.IrfanViewPath = viewer;
    TestState().environment.IrfanViewFound = 1;
    f.clickExpander(f.node(f.folder()));
    const QString c = f.picture("c.jpg");   // 1600 x 1200
    f.clickNode(c);
    f.hoverNode(f.node(c));
    openMenu(form->mainMenus().RightClickTreeView());
    choose(form->mainMenus().RCRotateL());
    ASSERT_TRUE(f.waitFor([&] { return QImage(c).size() == QSize(1200, 1600); }, 10000)) << QImage(c).width();
    // The browse preview shows the turned picture and its new size at once.
    QLabel* const camera = form->findChild<QLabel*>(QStringLiteral("ModelLabel4"));
    QLabel* const image = form->findChild<QLabel*>(QStringLiteral("Image4"));
    EXPECT_TRUE(f.waitFor([&] {
        return camera->text().endsWith(QStringLiteral("  1200\u00A0x\u00A01600")) && image->isVisible()
               && image->pixmap().height() > image->pixmap().width();
    })) << camera->text().toStdString();
    openMenu(form->mainMenus().RightClickTreeView());
    choose(form->mainMenus().RCRotateR());
    EXPECT_TRUE(f.waitFor([&] { return QImage(c).size() == QSize(1600, 1200); }, 10000));
}
