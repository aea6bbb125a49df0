// Window sizes of the assembled main window on the three screens: the
// restored 800 x 600 layout, maximize and restore through the window's own
// state (with the previews shown, after a show and after a full view), the
// MyShow panel hidden, the narrow screen, and no control painted over another.
#include "app/main_window.h"
#include "app/main_status_bar.h"
#include "app/menu_bar_rows.h"
#include "browse/external_programs_controller.h"
#include "browse/picture_info_controller.h"
#include "browse/external_programs.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/test_state.h"
#include "support/sandbox.h"

#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

namespace {

MainWindowFixture::Options on(QSize screen, bool myShowHidden = false)
{
    MainWindowFixture::Options o;
    o.screen = screen;
    o.myShowHidden = myShowHidden;
    return o;
}

// The restored window with the MyShow panel hidden: 400 x 600, higher by
// the menu bar's second row when its titles need one.
QSize narrowWindow(MainWindow* form)
{
    const MenuBarRows* rows = form->mainMenus().BarRows();
    const bool twoRows = MainWindowFixture::visible(rows->secondRow());
    return QSize(400, 600 + (twoRows ? rows->firstRow()->sizeHint().height() : 0));
}

// The visible controls of the client area that sit side by side: none
// overlaps another, and each lies inside the client area.
void expectNoOverlap(MainWindowFixture& f)
{
    MainWindow* form = f.form();
    const QList<QWidget*> controls = {form->treeView(), form->showList()->grid(), form->findChild<QFrame*>(QStringLiteral("TreeThumbnailPanel")), form->findChild<QFrame*>(QStringLiteral("Panel1"))};
    const QRect client = form->clientArea()->widget()->rect();
    // A control wholly outside the client area is not on screen (the MyShow
    // column of the half-width window).
    const auto onScreen = [&](QWidget* w) { return MainWindowFixture::visible(w) && client.intersects(w->geometry()); };
    for (QWidget* w : controls) {
        if (!onScreen(w))
            continue;
        EXPECT_TRUE(client.contains(w->geometry())) << w->objectName().toStdString() << " leaves the client area";
        for (QWidget* other : controls)
            if (other != w && onScreen(other))
                EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                    << w->objectName().toStdString() << " over " << other->objectName().toStdString();
    }
    // The status bar lies below the client area and inside the window.
    const QRect status = f.geometryInWindow(form->statusPanels());
    EXPECT_GE(status.top(), f.geometryInWindow(form->clientArea()->widget()).bottom());
    EXPECT_LE(status.bottom(), form->rect().bottom());
}

// The maximized layout as computed from the window's full size: the tree and
// the list share the width, the panels sit 5 pixels above the status bar,
// nothing overlaps and nothing in the preview panel covers the play order
// box.
void expectMaximizedLayout(MainWindowFixture& f, const char* what)
{
    MainWindow* form = f.form();
    const QRect client = form->clientArea()->widget()->rect();
    EXPECT_EQ(form->layouts()->layoutState().MaximizedLayout, 1) << what;
    EXPECT_NEAR(form->treeView()->width(), (client.width() - 8) / 2.0, 1.0) << what;
    EXPECT_EQ(form->showList()->grid()->width(), form->treeView()->width()) << what;
    EXPECT_NEAR(form->showList()->grid()->geometry().right(), client.width() - 5, 1) << what;
    EXPECT_NEAR(form->findChild<QFrame*>(QStringLiteral("TreeThumbnailPanel"))->geometry().bottom(), client.height() - 6, 1) << what;
    EXPECT_EQ(form->findChild<QFrame*>(QStringLiteral("Panel1"))->geometry().bottom(), form->findChild<QFrame*>(QStringLiteral("TreeThumbnailPanel"))->geometry().bottom()) << what;
    EXPECT_GT(form->treeView()->height(), 318) << what;
    for (QWidget* w : form->findChild<QFrame*>(QStringLiteral("TreeThumbnailPanel"))->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (MainWindowFixture::visible(w) && w != form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB")))
            EXPECT_FALSE(w->geometry().intersects(form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))->geometry()))
                << what << ": " << w->objectName().toStdString();
    expectNoOverlap(f);
}

// Maximizes through the window's own state and restores again.
void maximizeAndRestore(MainWindowFixture& f, const char* what)
{
    MainWindow* form = f.form();
    form->setWindowState(form->windowState() | Qt::WindowMaximized);
    f.settle(50);
    expectMaximizedLayout(f, what);
    if (MainWindowFixture::visible(form->findChild<QLabel*>(QStringLiteral("Image4"))))
        EXPECT_TRUE(form->findChild<QFrame*>(QStringLiteral("NoShowPanel4"))->geometry().contains(form->findChild<QLabel*>(QStringLiteral("Image4"))->geometry())) << what;
    form->setWindowState(form->windowState() & ~Qt::WindowMaximized);
    f.settle(50);
    EXPECT_EQ(form->layouts()->layoutState().MaximizedLayout, 0) << what;
    EXPECT_EQ(form->size(), QSize(800, 600)) << what;
    EXPECT_EQ(form->treeView()->geometry(), QRect(4, 32, 392, 318)) << what;
    expectNoOverlap(f);
}

} // namespace

TEST(WindowSizes, MaximizeFillsTheScreenAndRestoreGives800x600)
{
    for (const QSize screenSize : {QSize(1366, 768), QSize(1920, 1080)}) {
        MainWindowFixture f(on(screenSize));
        QScreen* screen = testsupport::screenOfSize(screenSize);
        if (!screen)
            GTEST_SKIP() << "no offscreen screen of this size";
        MainWindow* form = f.form();
        EXPECT_EQ(form->size(), QSize(800, 600));
        EXPECT_TRUE(screen->availableGeometry().contains(form->frameGeometry()));
        expectNoOverlap(f);

        form->setWindowState(form->windowState() | Qt::WindowMaximized);
        f.settle(50);
        EXPECT_EQ(form->layouts()->layoutState().MaximizedLayout, 1);
        EXPECT_EQ(form->frameGeometry().width(), screen->availableGeometry().width());
        EXPECT_LE(form->frameGeometry().right(), screen->availableGeometry().right());
        // The tree and the list take half the window each.
        EXPECT_NEAR(form->treeView()->width(), (form->clientArea()->widget()->width() - 8) / 2.0, 1.0);
        EXPECT_EQ(form->showList()->grid()->width(), form->treeView()->width());
        EXPECT_GT(form->treeView()->height(), 318);
        expectNoOverlap(f);

        form->setWindowState(form->windowState() & ~Qt::WindowMaximized);
        f.settle(50);
        EXPECT_EQ(form->layouts()->layoutState().MaximizedLayout, 0);
        EXPECT_EQ(form->size(), QSize(800, 600));
        EXPECT_EQ(form->treeView()->geometry(), QRect(4, 32, 392, 318));
        expectNoOverlap(f);
    }
}

TEST(WindowSizes, MaximizedLayoutFollowsTheScreenWithPreviewsAfterAShowAndAFullView)
{
    for (const QSize screenSize : {QSize(1366, 768), QSize(1920, 1080)}) {
        MainWindowFixture f(on(screenSize));
        if (!testsupport::screenOfSize(screenSize))
            GTEST_SKIP() << "no offscreen screen of this size";
        MainWindow* form = f.form();
        QTreeWidget* tree = f.tree();

        // The browse preview shows a picture chosen with the keyboard.
        f.clickNode(f.folder());
        f.key(tree, Qt::Key_Right);
        f.key(tree, Qt::Key_Down);
        f.key(tree, Qt::Key_Down);
        ASSERT_TRUE(f.waitFor([&] { return form->pictureInfo()->PreviewedPath == f.picture("a.jpg") && form->findChild<QLabel*>(QStringLiteral("Image4"))->isVisible(); }));
        maximizeAndRestore(f, "browse preview shown");

        // The show preview too.
        form->pictureInfo()->ShowMyShowPictureInfo(f.picture("c.jpg"), true, false);
        testsupport::waitForPictureAnswers();
        ASSERT_TRUE(MainWindowFixture::visible(form->findChild<QLabel*>(QStringLiteral("image2"))));
        maximizeAndRestore(f, "both previews shown");

        // After a show of the folder played and stopped (the folder selected:
        // the sibling program's panel, as if it were installed, shows in place
        // of the file's lines).
        form->externalPrograms()->TarnivoInstalled = 1;
        f.clickNode(f.folder());
        form->actionNamed("ToolButton1")->trigger();
        ASSERT_TRUE(f.waitFor([&] { return f.showWindow() && f.showWindow()->isVisible() && TestState().session.PlaybackActive == 1; }));
        f.settle(50);
        QTest::keyClick(f.showWindow(), Qt::Key_Escape);
        ASSERT_TRUE(f.waitFor([&] { return !f.showWindow()->isVisible() && TestState().session.PlaybackActive == 0; }));
        f.settle();
        ASSERT_TRUE(MainWindowFixture::visible(form->findChild<QFrame*>(QStringLiteral("TarnivoPanel"))));
        maximizeAndRestore(f, "after a show");

        // After a full view of a picture.
        f.clickNode(f.picture("c.jpg"), Qt::LeftButton, Qt::ControlModifier);
        ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible(); }));
        QLabel* shown = f.showWindow()->Image1->isVisible() ? f.showWindow()->Image1 : f.showWindow()->Image2;
        f.click(shown, shown->rect().center());
        ASSERT_TRUE(f.waitFor([&] { return !f.showWindow()->isVisible(); }));
        f.settle();
        maximizeAndRestore(f, "after a full view");
    }
}

TEST(WindowSizes, TheEditProgramButtonsStandBesideThePreviewInEveryLayout)
{
    // Two edit programs that a desktop file gives an icon.
    const QString bin = testsupport::freshDir(QStringLiteral("editors"));
    const QString apps = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::red);
    ASSERT_TRUE(glyph.save(bin + QStringLiteral("/glyph.png")));
    QStringList programs;
    for (const char* name : {"paintA", "paintB"}) {
        const QString program = bin + QLatin1Char('/') + QLatin1String(name);
        ASSERT_TRUE(testsupport::writeFile(program, "#!/bin/sh\n"));
        ASSERT_TRUE(testsupport::writeFile(apps + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".desktop"),
                                           ("[Desktop Entry]\nType=Application\nName=" + QByteArray(name) + "\nExec="
                                            + program.toUtf8() + " %f\nIcon=" + bin.toUtf8() + "/glyph.png\n")));
        programs << program;
    }
    MainWindowFixture f(on(QSize(1366, 768), true));
    MainWindow* form = f.form();
    for (int k = 0; k < 2; ++k)
        TestState().settings.Settings.EditPrograms[size_t(k)] = programs[k];
    form->externalPrograms()->BuildLaunchButtons();
    f.clickExpander(f.node(f.folder()));
    f.clickNode(f.picture(QStringLiteral("a.jpg")));
    ASSERT_TRUE(f.waitFor([&] { return form->pictureInfo()->PreviewedPath == f.picture(QStringLiteral("a.jpg")); }));
    const auto expectBeside = [&](const char* what) {
        const QRect box = form->findChild<QFrame*>(QStringLiteral("Bevel3"))->geometry();
        const QRect info = form->findChild<QFrame*>(QStringLiteral("SizeDatePanel4"))->geometry();
        const QRect panel = form->findChild<QFrame*>(QStringLiteral("TreeThumbnailPanel"))->rect();
        for (int k = 0; k < 2; ++k) {
            auto* button = form->findChild<QWidget*>(QStringLiteral("Exe4SB%1").arg(k));
            ASSERT_TRUE(MainWindowFixture::visible(button)) << what << k;
            EXPECT_FALSE(button->geometry().intersects(box)) << what << k;
            EXPECT_TRUE(panel.contains(button->geometry())) << what << k;
            EXPECT_GE(button->x(), info.x()) << what << k;
            EXPECT_LE(button->geometry().right(), info.right()) << what << k;
        }
    };
    expectBeside("400");
    form->setWindowState(Qt::WindowMaximized);
    f.settle(50);
    ASSERT_EQ(form->layouts()->layoutState().MaximizedLayout, 1);
    expectBeside("maximized");
    form->layouts()->ApplyRestoredLayout();
    f.settle(50);
    expectBeside("restored");
    for (int k = 0; k < 2; ++k)
        TestState().settings.Settings.EditPrograms[size_t(k)].clear();
}

TEST(WindowSizes, MyShowHiddenGivesA400PixelWindowWithEveryMenuTitleOnTheBar)
{
    MainWindowFixture f(on(QSize(1366, 768), true));
    MainWindow* form = f.form();
    EXPECT_EQ(form->size(), narrowWindow(form));
    EXPECT_EQ(form->treeView()->geometry(), QRect(4, 32, 392, 318));
    EXPECT_TRUE(MainWindowFixture::visible(form->treeView()));
    EXPECT_FALSE(form->clientArea()->widget()->rect().intersects(form->showList()->grid()->geometry()));
    EXPECT_LE(form->treeView()->geometry().right(), form->clientArea()->widget()->width());
    expectNoOverlap(f);
    // Panel 0 holds only its icon: the selected folder has nearly the whole
    // bar; text and icon are drawn 5 pixels down inside the panels.
    QLabel* panel0 = form->statusPanels()->panel0();
    QLabel* panel1 = form->statusPanels()->panel1();
    QFont bold = panel1->font();
    bold.setBold(true);
    const QFontMetrics fm(bold);
    ASSERT_TRUE(panel1->text().startsWith(QStringLiteral("Selected folder: ")));
    EXPECT_LE(panel0->width(), 30);
    EXPECT_GE(panel1->width(), form->width() - 70);
    EXPECT_GE(panel1->height(), 5 + fm.height());
    EXPECT_GE(panel0->height(), 5 + 16);
    // Every menu title is directly on the menu bar: what the first row has
    // no room for wraps to a second row, nothing hides behind an overflow
    // button.
    const auto everyTitleShows = [form] {
        const MenuBarRows* rows = form->mainMenus().BarRows();
        for (QAction* title : rows->titles()) {
            if (!title->isVisible())
                continue;
            QMenuBar* bar = rows->firstRow()->actions().contains(title) ? rows->firstRow() : rows->secondRow();
            const QRect r = bar->actionGeometry(title);
            EXPECT_TRUE(MainWindowFixture::visible(bar)) << title->text().toStdString();
            EXPECT_FALSE(r.isEmpty()) << title->text().toStdString();
            EXPECT_LE(r.right(), bar->width()) << title->text().toStdString();
        }
        for (QMenuBar* bar : {rows->firstRow(), rows->secondRow()}) {
            const auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
            EXPECT_TRUE(!more || more->isHidden());
        }
    };
    everyTitleShows();
    EXPECT_TRUE(MainWindowFixture::visible(form->mainMenus().BarRows()->secondRow())) << "400 pixels hold no single row";

    // Maximized: half the screen wide at the top centre.
    QScreen* screen = testsupport::screenOfSize(QSize(1366, 768));
    ASSERT_NE(screen, nullptr);
    form->setWindowState(Qt::WindowMaximized);
    f.settle(50);
    EXPECT_EQ(form->layouts()->layoutState().MaximizedLayout, 1);
    EXPECT_EQ(form->frameGeometry().width(), 683);
    EXPECT_EQ(form->frameGeometry().top(), screen->availableGeometry().top());
    EXPECT_EQ(form->frameGeometry().left(), screen->availableGeometry().left() + 342);
    expectNoOverlap(f);
    form->layouts()->ApplyRestoredLayout();
    f.settle(50);
    EXPECT_EQ(form->layouts()->layoutState().MaximizedLayout, 0);
    EXPECT_EQ(form->size(), narrowWindow(form));
    EXPECT_EQ(form->treeView()->geometry(), QRect(4, 32, 392, 318));

    // Showing the panel again gives the 800 pixel window with the list whole.
    form->menus()->HideShowMyShowClick();
    f.settle(50);
    EXPECT_EQ(form->size(), QSize(800, 600));
    EXPECT_TRUE(MainWindowFixture::visible(form->showList()->grid()));
    EXPECT_EQ(form->showList()->grid()->geometry(), QRect(404, 56, 392, 262));
    everyTitleShows();
    EXPECT_FALSE(MainWindowFixture::visible(form->mainMenus().BarRows()->secondRow()));
    form->menus()->HideShowMyShowClick();
    f.settle(50);
    EXPECT_EQ(form->size(), narrowWindow(form));
    // The tree keeps its designed bounds in the half-width window.
    EXPECT_EQ(form->treeView()->geometry(), QRect(4, 32, 392, 318));
    expectNoOverlap(f);

    // Hidden from the maximized window: half the screen wide at the top
    // centre; the panel shown from there maximizes the window again.
    form->menus()->HideShowMyShowClick();
    form->setWindowState(Qt::WindowMaximized);
    f.settle(50);
    ASSERT_TRUE(form->isMaximized());
    form->menus()->HideShowMyShowClick();
    f.settle(50);
    EXPECT_EQ(form->layouts()->layoutState().MaximizedLayout, 1);
    EXPECT_EQ(form->frameGeometry(), QRect(screen->availableGeometry().left() + 342, screen->availableGeometry().top(),
                                           683, form->frameGeometry().height()));
    form->menus()->HideShowMyShowClick();
    f.settle(50);
    EXPECT_TRUE(form->isMaximized());
    EXPECT_EQ(form->frameGeometry().top(), screen->availableGeometry().top());
    EXPECT_EQ(form->frameGeometry().width(), screen->availableGeometry().width());
    EXPECT_TRUE(MainWindowFixture::visible(form->showList()->grid()));
    expectNoOverlap(f);
}

TEST(WindowSizes, NarrowScreenFitsTheWindowAndHasNoMaximizeButton)
{
    MainWindowFixture f(on(QSize(800, 600)));
    QScreen* screen = testsupport::screenOfSize(QSize(800, 600));
    ASSERT_NE(screen, nullptr);
    MainWindow* form = f.form();
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    // A window of fixed size: window managers offer no maximize for it.
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_TRUE(screen->availableGeometry().contains(form->frameGeometry()))
        << form->frameGeometry().width() << "x" << form->frameGeometry().height();
    EXPECT_EQ(form->frameGeometry().height(), screen->availableGeometry().height());
    expectNoOverlap(f);
    const QRect tree = form->treeView()->geometry();

    // Hiding the MyShow panel: 400 pixels wide, full height, centred.
    form->menus()->HideShowMyShowClick();
    f.settle(50);
    EXPECT_EQ(form->frameGeometry().width(), 400);
    EXPECT_EQ(form->frameGeometry().left(), 200);
    EXPECT_TRUE(screen->availableGeometry().contains(form->frameGeometry()));
    expectNoOverlap(f);
    form->menus()->HideShowMyShowClick();
    f.settle(50);
    EXPECT_EQ(form->frameGeometry(), screen->availableGeometry());
    expectNoOverlap(f);
    // The second menu row is gone again, and the controls take back its room.
    EXPECT_FALSE(MainWindowFixture::visible(form->mainMenus().BarRows()->secondRow()));
    EXPECT_EQ(form->treeView()->geometry(), tree);
}

TEST(WindowSizes, AResizeByTheWindowManagerPaintsNoControlOverAnother)
{
    MainWindowFixture f(on(QSize(1366, 768)));
    MainWindow* form = f.form();
    for (const QSize size : {QSize(1000, 700), QSize(640, 480), QSize(800, 600)}) {
        form->resize(size);
        f.settle(30);
        expectNoOverlap(f);
        // Larger: the controls share the room; never smaller than the
        // restored layout; nothing forces the window wider than that.
        EXPECT_EQ(form->size(), size.expandedTo(QSize(800, 600)));
        EXPECT_EQ(form->minimumSize(), QSize(800, 600));
        if (size.width() > 800)
            EXPECT_NEAR(form->treeView()->width(), (form->clientArea()->widget()->width() - 8) / 2.0, 1.0);
        // The voice buttons never cover the play order box.
        EXPECT_FALSE(form->findChild<QFrame*>(QStringLiteral("VoiceBevel"))->geometry().intersects(form->findChild<QComboBox*>(QStringLiteral("FPlayorderCB"))->geometry()));
    }
}
