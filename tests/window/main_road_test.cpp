// The main road through the assembled window: start, expand the test's
// folder, click a picture, open it in the full view, drag a crop, close the
// full view, close the window.
#include "app/main_window.h"
#include "browse/fit_zoom.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/test_state.h"

#include <QLabel>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

TEST(MainRoad, BrowseClickFullViewCropAndClose)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vistamo!"));

    // The parent folder is open; its "Trip" folder opens with its expander.
    QTreeWidgetItem* trip = f.node(f.folder());
    ASSERT_NE(trip, nullptr);
    EXPECT_FALSE(trip->isExpanded());
    f.clickExpander(trip);
    ASSERT_TRUE(trip->isExpanded());
    ASSERT_NE(f.node(f.picture("a.jpg")), nullptr);
    EXPECT_TRUE(form->statusPanels()->panel1()->text().contains(QStringLiteral("Trip")));

    // A plain click: the preview shows the picture, the MyShow list gets it,
    // the tree stays usable.
    f.clickNode(f.picture("a.jpg"));
    auto* image4 = f.widget<QLabel>("Image4");
    ASSERT_TRUE(f.waitFor([&] { return MainWindowFixture::visible(image4); }));
    EXPECT_FALSE(MainWindowFixture::visible(f.widget<QLabel>("Image1")));
    EXPECT_TRUE(MainWindowFixture::visible(f.tree()));
    EXPECT_EQ(form->showList()->grid()->rowCount(), 1);

    // Ctrl+click: the full view of the picture.
    f.clickNode(f.picture("c.jpg"), Qt::LeftButton, Qt::ControlModifier);
    ASSERT_NE(f.showWindow(), nullptr);
    ASSERT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible(); }));
    QLabel* shown = f.showWindow()->Image1->isVisible() ? f.showWindow()->Image1 : f.showWindow()->Image2;
    ASSERT_TRUE(shown->isVisible());

    // A drag over the picture crops and enlarges it.
    const QRect r = shown->rect();
    f.drag(shown, r.center() - QPoint(60, 40), r.center() + QPoint(60, 40));
    EXPECT_EQ(TestState().session.CutOutCount, 1);
    QLabel* cut = f.showWindow()->Image1->isVisible() ? f.showWindow()->Image1 : f.showWindow()->Image2;
    EXPECT_TRUE(cut->isVisible());

    // A click without a drag closes the full view: the browse window is back.
    f.click(cut, cut->rect().center());
    ASSERT_TRUE(f.waitFor([&] { return !f.showWindow()->isVisible(); }));
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(MainWindowFixture::visible(f.tree()));

    EXPECT_TRUE(f.closeWindow());
    EXPECT_FALSE(form->isVisible());
}
