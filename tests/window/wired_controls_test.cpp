// The controls that reach their routines, each by its effect in the
// assembled window: the Draft count, the full view's window, the folder in
// the file manager, the screen choice, the show's direction and end, and
// the order a show plays in.
#include "app/main_window.h"
#include "base/settings_record.h"
#include "browse/folder_tree_widget.h"
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
#include "platform/desktop_open.h"
#include "platform/prompt.h"
#include "shows/show_windows.h"

#include <QFrame>
#include <QAction>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

namespace {

// Makes the viewer built beside the program the outside viewer that turns
// pictures; false when it is not built.
bool useBuiltViewer()
{
    const QString viewer = QFileInfo(QStringLiteral(VISTAMO_BIN)).path() + QStringLiteral("/vxview");
    if (!QFileInfo(viewer).isFile())
        return false;
    TestState().environment.IrfanViewPath = viewer;
    TestState().environment.IrfanViewFound = 1;
    return true;
}

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

    openMenu(f.form()->findChild<QMenu*>("Show"));
    choose(f.form()->actionNamed("StopPictureShow1"));
    EXPECT_TRUE(f.waitFor([&] { return TestState().session.PlaybackActive == 0; }));
    f.settle();
    return first;
}

} // namespace

TEST(WiredControls, AddPictureToDraftFromTheFileMenuAndThePopupAndTheDraftButtons)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    QLabel* count = form->findChild<QLabel*>(QStringLiteral("PicInListLabel"));
    QAction* close = form->actionNamed("CloseMyShowTB");
    // The empty Draft: named as such, nothing to play or close.
    EXPECT_EQ(form->showList()->nameLabel()->text(), QStringLiteral("Draft (saves automatically)"));
    EXPECT_EQ(count->text(), QStringLiteral("0 pictures"));
    EXPECT_FALSE(close->isEnabled());
    EXPECT_FALSE(form->actionNamed("TBGoSmallMS")->isEnabled());
    openMenu(form->findChild<QMenu*>("Show"));
    EXPECT_FALSE(form->actionNamed("SlideShowShow")->isEnabled());
    EXPECT_FALSE(form->actionNamed("SlideShowThShow")->isEnabled());

    f.clickExpander(f.node(f.folder()));
    // A plain click adds the picture; the items add the current picture again.
    f.clickNode(f.picture("a.jpg"));
    ASSERT_EQ(form->showList()->grid()->rowCount(), 1);
    openMenu(form->findChild<QMenu*>("Bestand1"));
    choose(form->actionNamed("AddPicMyShow"));
    EXPECT_EQ(form->showList()->grid()->rowCount(), 2);
    f.hoverNode(f.node(f.picture("b.jpg")));
    openMenu(form->findChild<QMenu*>("RightClickTreeView"));
    choose(form->actionNamed("AddPicMyShowPop"));
    EXPECT_EQ(form->showList()->grid()->rowCount(), 3);
    EXPECT_EQ(form->showList()->grid()->item(2, 3)->text(), QStringLiteral("b.jpg"));
    EXPECT_EQ(count->text(), QStringLiteral("3 pictures"));
    EXPECT_TRUE(form->actionNamed("TBGoSmallMS")->isEnabled());
    openMenu(form->findChild<QMenu*>("Show"));
    EXPECT_TRUE(form->actionNamed("SlideShowThShow")->isEnabled());

    // The Draft button shows and hides the open Draft's list.
    ASSERT_TRUE(MainWindowFixture::visible(form->showList()->grid()));
    choose(form->actionNamed("MyShowDraftTB"));
    EXPECT_FALSE(MainWindowFixture::visible(form->showList()->grid()));
    choose(form->actionNamed("MyShowDraftTB"));
    EXPECT_TRUE(MainWindowFixture::visible(form->showList()->grid()));
    // Hidden and shown again, the panel comes back with its list; with the
    // panel hidden "Draft show" brings the panel back with the Draft.
    const auto myShowMenu = [&](QAction* item) {
        openMenu(form->findChild<QMenu*>("MyShow"));
        choose(item);
    };
    choose(form->actionNamed("MyShowDraftTB"));
    myShowMenu(form->actionNamed("HideShowMyShow"));
    myShowMenu(form->actionNamed("HideShowMyShow"));
    EXPECT_TRUE(MainWindowFixture::visible(form->showList()->grid()));
    myShowMenu(form->actionNamed("HideShowMyShow"));
    myShowMenu(form->actionNamed("MyShowDraft"));
    EXPECT_EQ(TestState().settings.Settings.MyShowHidden, 0);
    EXPECT_TRUE(MainWindowFixture::visible(form->showList()->grid()));
    EXPECT_EQ(form->showList()->grid()->rowCount(), 3);

    // A named show open: the My Show menu's "Draft show" closes it and the
    // Draft comes back with its three pictures.
    form->myShow()->AskMakeChangesPermanent();
    const QString named = f.parentFolder() + QStringLiteral("/Holiday.vxt");
    ASSERT_TRUE(QFile::copy(TestState().paths.DraftShowPath, named));
    form->myShow()->LoadMyShowClick(named);
    ASSERT_EQ(form->openShow().NamedShowOpen, 1);
    EXPECT_EQ(form->showList()->nameLabel()->text(), QStringLiteral("Holiday.vxt"));
    EXPECT_TRUE(close->isEnabled());
    f.clickNode(f.picture("c.jpg"));
    EXPECT_EQ(form->showList()->grid()->rowCount(), 4);
    openMenu(form->findChild<QMenu*>("MyShow"));
    choose(form->actionNamed("MyShowDraft"));
    EXPECT_EQ(form->openShow().DraftShowOpen, 1);
    EXPECT_EQ(form->showList()->grid()->rowCount(), 3);
    EXPECT_EQ(form->showList()->nameLabel()->text(), QStringLiteral("Draft (saves automatically)"));
    EXPECT_FALSE(close->isEnabled());

    // The Close button closes a named show: the Draft comes back.
    form->myShow()->LoadMyShowClick(named);
    choose(close);
    EXPECT_EQ(form->openShow().DraftShowOpen, 1);
    EXPECT_EQ(form->showList()->nameLabel()->text(), QStringLiteral("Draft (saves automatically)"));
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
    openMenu(form->findChild<QMenu*>("Bestand1"));
    QAction* item = form->actionNamed("ShowPicFullHidden")->isVisible() ? form->actionNamed("ShowPicFullHidden")
                                                                       : form->actionNamed("ShowPicFullFolder");
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
    openMenu(form->findChild<QMenu*>("Bestand1"));
    choose(form->actionNamed("ShowPicFullMyShow"));
    ASSERT_TRUE(fullViewOf(f, QStringLiteral("c.jpg")));
    closeFullView(f);
}

TEST(WiredControls, FilesOpensTheFolderAndEachStartButtonPlaysItsScreen)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.folder());

    platform::ClearOpenedUrls();
    choose(form->actionNamed("ExplorerTB"));
    ASSERT_EQ(platform::OpenedUrls().size(), 1);
    EXPECT_EQ(platform::OpenedUrls().first().toLocalFile(), f.folder());

    // The screen of a folder show is the start command's own: the start
    // button plays full screen, the thumbnail button as pages. The screen
    // button, which only shows the last start's screen, is greyed.
    TestState().settings.Settings.PicturesPerPageIndex = QStringLiteral("3");
    TestState().settings.Settings.IntervalIndex = 4;
    QAction* screen = form->actionNamed("SBScreenMode");
    EXPECT_FALSE(screen->isEnabled());
    choose(form->actionNamed("ToolButton1"));
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible() && TestState().session.PlaybackActive == 1; }));
    EXPECT_FALSE(form->thumbnailPage()->PageShowRuns());
    EXPECT_TRUE(screen->isChecked());
    form->actionNamed("ToolButton2")->trigger();
    ASSERT_TRUE(f.waitFor([&] { return TestState().session.PlaybackActive == 0; }));
    choose(form->actionNamed("TBGoSmall"));
    ASSERT_TRUE(f.waitFor([&] { return form->thumbnailPage()->PageShowRuns(); }, 10000));
    EXPECT_FALSE(f.showWindow()->isVisible());
    EXPECT_FALSE(screen->isChecked());
    EXPECT_FALSE(screen->isEnabled());
}

TEST(WiredControls, ResetFileDatesAsksUnderItsOwnTitle)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.folder());
    QString title;
    platform::ScopedPromptResponder answer([&title](const platform::PromptRequest& r) {
        if (title.isEmpty())
            title = r.title;
        return platform::PromptReply::button(platform::PromptAnswer::Cancel);
    });
    form->actionNamed("MResetToEXIF")->setEnabled(true);
    form->actionNamed("MResetToEXIF")->trigger();
    EXPECT_EQ(title, QStringLiteral("Reset file dates to picture date taken (EXIF)"));
    // The chooser keeps its own title for adding a folder's pictures.
    ASSERT_TRUE(form->folderPictureWindow());
    EXPECT_EQ(form->folderPictureWindow()->windowTitle(), QStringLiteral("Add all pictures of a folder"));
}

TEST(WiredControls, TheShowMenuSteersAFullScreenShowAndStopsIt)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.folder());
    TestState().settings.Settings.IntervalIndex = 4;
    form->actionNamed("ToolButton1")->trigger();
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible() && TestState().session.PlaybackActive == 1; }));
    ASSERT_EQ(TestState().session.ShowState.Direction, 1);

    // The Show menu offers what the advancing show allows, and pauses it;
    // its items continue it either way or keep it paused by hand.
    openMenu(form->findChild<QMenu*>("Show"));
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);
    EXPECT_FALSE(form->actionNamed("ShowForward1")->isEnabled());
    choose(form->actionNamed("ShowinReverse1"));
    EXPECT_EQ(TestState().session.ShowState.Direction, -1);
    EXPECT_TRUE(form->slideShow()->intervalTimer()->isActive());
    openMenu(form->findChild<QMenu*>("Show"));
    choose(form->actionNamed("ShowForward1"));
    EXPECT_EQ(TestState().session.ShowState.Direction, 1);
    openMenu(form->findChild<QMenu*>("Show"));
    choose(form->actionNamed("ManualMode1"));
    EXPECT_TRUE(TestState().session.ShowState.ManualMode);
    EXPECT_EQ(TestState().session.ShowState.Direction, 0);
    // In manual mode the menu leaves the show as it is.
    openMenu(form->findChild<QMenu*>("Show"));
    EXPECT_FALSE(form->actionNamed("ManualMode1")->isEnabled());
    EXPECT_TRUE(form->actionNamed("ShowForward1")->isEnabled());
    // The File menu's picture operations open during the show, also after
    // the pointer went over a folder of the tree.
    f.hoverNode(f.node(f.folder()));
    openMenu(form->findChild<QMenu*>("Bestand1"));
    QMenu* operations = form->findChild<QMenu*>("FileOperations");
    // (A submenu opens only when its item and the menu itself are enabled.)
    EXPECT_TRUE(operations->menuAction()->isEnabled());
    EXPECT_TRUE(operations->isEnabled());
    choose(form->actionNamed("UseEntireScreen1"));
    EXPECT_TRUE(f.showWindow()->isVisible());
    choose(form->actionNamed("StopPictureShow1"));
    ASSERT_TRUE(f.waitFor([&] { return TestState().session.PlaybackActive == 0 && !f.showWindow()->isVisible(); }));
}

TEST(WiredControls, FullScreenFromAPageShowResumesTheShowInTheFullScreenWindow)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    f.openFolder(f.folder());
    TestState().settings.Settings.PicturesPerPageIndex = QStringLiteral("3");
    TestState().settings.Settings.IntervalIndex = 4;
    form->actionNamed("TBGoSmall")->trigger();
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
    EXPECT_EQ(firstPictureOfTheShow(f, form->actionNamed("ToolButton1")), QStringLiteral("c.jpg"));

    // "Date asc." in the box under the tree: the oldest first, and the
    // Options show the same order.
    form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))->setFocus();
    QTest::keyClick(form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB")), Qt::Key_Up);
    f.settle();
    ASSERT_EQ(form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))->currentText(), QStringLiteral("Date asc."));
    EXPECT_EQ(Settings.PlayOrder, 3);
    // A folder click keeps the choice.
    f.clickNode(f.parentFolder());
    f.settle();
    f.clickNode(f.folder());
    f.settle();
    EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))->currentText(), QStringLiteral("Date asc."));
    EXPECT_EQ(Settings.PlayOrder, 3);
    EXPECT_EQ(firstPictureOfTheShow(f, form->actionNamed("ToolButton1")), QStringLiteral("a.jpg"));

    // The MyShow box: the list's own order (b, c, a), or alphabetic.
    ASSERT_GE(form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB"))->count(), 6);
    EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB"))->itemText(0), QStringLiteral("MyShow list"));
    // Each of its items shows whole, in the box and in its list.
    for (auto* box : {form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB")),
                      form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))}) {
        for (int i = 0; i < box->count(); ++i) {
            const int text = box->fontMetrics().horizontalAdvance(box->itemText(i));
            EXPECT_LT(text, box->width() - 20) << box->itemText(i).toStdString();
            EXPECT_LT(text, box->view()->minimumWidth()) << box->itemText(i).toStdString();
        }
    }
    for (const char* name : {"b.jpg", "c.jpg", "a.jpg"})
        f.clickNode(f.picture(QString::fromLatin1(name)));
    ASSERT_EQ(form->showList()->grid()->rowCount(), 3);
    form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB"))->setFocus();
    while (form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB"))->currentIndex() > 0)
        QTest::keyClick(form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB")), Qt::Key_Up);
    f.settle();
    EXPECT_EQ(firstPictureOfTheShow(f, form->actionNamed("StartMySlideShowTB")), QStringLiteral("b.jpg"));
    while (form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB"))->currentText() != QStringLiteral("Alphabetic"))
        QTest::keyClick(form->findChild<QComboBox*>(QStringLiteral("ShowPlayOrderCB")), Qt::Key_Down);
    f.settle();
    EXPECT_EQ(firstPictureOfTheShow(f, form->actionNamed("StartMySlideShowTB")), QStringLiteral("a.jpg"));
}

TEST(WiredControls, TheExclusionsMarkFollowsARefreshThatSwitchedThemOff)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    const QString onlyText = f.folder() + QStringLiteral("/OnlyText");
    ASSERT_TRUE(QDir().mkpath(onlyText));
    f.openFolder(f.folder());
    f.clickNode(onlyText);
    ASSERT_EQ(form->folderTree()->SelectedFolder, onlyText);
    openMenu(form->findChild<QMenu*>("ExcludeFolder"));
    choose(form->actionNamed("Browse"));

    // F5 reads the excluded folder again: the exclusions go off, and the
    // Options menu says so.
    f.clearPrompts();
    f.key(form, Qt::Key_F5);
    f.settle();
    EXPECT_TRUE(f.prompts().contains(QStringLiteral("(Parent) folder had been excluded from Browse window,\n"
                                                    "'Folder Exclusions Active' is turned off")));
    EXPECT_EQ(form->folderTree()->Exclusions.FolderExclusionsActive, 0);
    openMenu(form->findChild<QMenu*>("Options1"));
    EXPECT_FALSE(form->actionNamed("FolderExclusions")->isChecked());
    // One click switches them on again.
    choose(form->actionNamed("FolderExclusions"));
    EXPECT_TRUE(form->actionNamed("FolderExclusions")->isChecked());
    EXPECT_EQ(form->folderTree()->Exclusions.FolderExclusionsActive, 1);
}

// The tree pop-up's rotations turn the picture under the mouse, as the tool
// bar's buttons do, whether or not those buttons are on show.
TEST(WiredControls, ThePopupRotationsTurnThePicture)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    if (!useBuiltViewer())
        GTEST_SKIP() << "vxview not built";
    f.clickExpander(f.node(f.folder()));
    const QString c = f.picture("c.jpg");   // 1600 x 1200
    f.clickNode(c);
    f.hoverNode(f.node(c));
    openMenu(form->findChild<QMenu*>("RightClickTreeView"));
    choose(form->actionNamed("RCRotateL"));
    ASSERT_TRUE(f.waitFor([&] { return QImage(c).size() == QSize(1200, 1600); }, 10000)) << QImage(c).width();
    // The browse preview shows the turned picture and its new size at once.
    QLabel* const camera = form->findChild<QLabel*>(QStringLiteral("ModelLabel4"));
    QLabel* const image = form->findChild<QLabel*>(QStringLiteral("Image4"));
    EXPECT_TRUE(f.waitFor([&] {
        return camera->text().endsWith(QStringLiteral("  1200\u00A0x\u00A01600")) && image->isVisible()
               && image->pixmap().height() > image->pixmap().width();
    })) << camera->text().toStdString();
    openMenu(form->findChild<QMenu*>("RightClickTreeView"));
    choose(form->actionNamed("RCRotateR"));
    EXPECT_TRUE(f.waitFor([&] { return QImage(c).size() == QSize(1600, 1200); }, 10000));
}

// The tree pop-up's favourites item says what a click does: "Delete" for a
// folder that is a favourite, "Add" for one that is not.
TEST(WiredControls, ThePopupFavoritesItemDoesWhatItsCaptionSays)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    TSettingsRecord& Settings = TestState().settings.Settings;
    QMenu* popup = form->findChild<QMenu*>("RightClickTreeView");
    QAction* item = form->actionNamed("AddSelectedFolderPop");
    Settings.Favorites[0] = f.folder();
    const auto rightClickTrip = [&] {
        f.rightClickNode(f.node(f.folder()));
        EXPECT_TRUE(f.waitFor([&] { return popup->isVisible(); }));
        popup->hide();
    };

    rightClickTrip();
    EXPECT_EQ(item->text(), QStringLiteral("Delete from &Favorites"));
    choose(item);
    EXPECT_TRUE(Settings.Favorites[0].isEmpty());

    rightClickTrip();
    EXPECT_EQ(item->text(), QStringLiteral("Add to &Favorites"));
    choose(item);
    EXPECT_EQ(Settings.Favorites[0], f.folder());
    EXPECT_TRUE(Settings.Favorites[1].isEmpty());
}

// Ctrl + L turns the picture selected in the tree; the full view of a
// picture shows its control panel and its name as it is spelt, and Ctrl + L
// there turns the picture on the screen.
TEST(WiredControls, TheFullViewHasItsControlPanelAndCtrlLTurnsThePicture)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    if (!useBuiltViewer())
        GTEST_SKIP() << "vxview not built";
    const QString tom = f.picture(QStringLiteral("Tom & Jerry.jpg"));
    ASSERT_TRUE(testsupport::writeJpeg(tom, 640, 480));
    f.openFolder(f.folder());
    f.clickNode(tom);
    f.key(form->treeView(), Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(f.waitFor([&] { return QImage(tom).size() == QSize(480, 640); }, 10000)) << QImage(tom).width();

    f.clickNode(tom, Qt::LeftButton, Qt::ControlModifier);
    ASSERT_TRUE(fullViewOf(f, QStringLiteral("Tom & Jerry.jpg")));
    ShowWindow* show = f.showWindow();
    ASSERT_TRUE(f.waitFor([&] { return MainWindowFixture::visible(show->ControlPanel); }));
    EXPECT_TRUE(MainWindowFixture::visible(show->StopButton));
    EXPECT_EQ(show->StopButton->toolTip(), QStringLiteral("Return to browse window"));
    for (QWidget* b : {show->SBRotateLeft, show->SBRotateRight, show->SBRatio})
        EXPECT_TRUE(MainWindowFixture::visible(b) && b->isEnabled()) << b->objectName().toStdString();
    for (QWidget* b : {show->SaveSB, show->OneBackwardsSpeedButton, show->OneForwardSpeedButton})
        EXPECT_FALSE(MainWindowFixture::visible(b)) << b->objectName().toStdString();
    EXPECT_TRUE(show->TitleLabel->text().startsWith(tom + QStringLiteral("  - "))) << show->TitleLabel->text().toStdString();

    f.key(show, Qt::Key_L, Qt::ControlModifier);
    ASSERT_TRUE(f.waitFor([&] { return QImage(tom).size() == QSize(640, 480); }, 10000));
    f.key(show, Qt::Key_Escape);
    ASSERT_TRUE(f.waitFor([&] { return !show->isVisible(); }));
    EXPECT_TRUE(show->ControlPanel->isHidden());
}
