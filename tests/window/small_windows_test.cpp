// Windows the main window opens, driven through the assembled program: the
// favourites maintenance window (header texts at the cell's left, a click
// keeps the paths in view) and the options dialog (a finished layout).
#include "app/favorites_window.h"
#include "app/settings_record.h"
#include "app/tform1.h"
#include "support/main_window_fixture.h"

#include <QAction>
#include <QDialog>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

TEST(FavoritesWindow, HeaderTextsShowAndAClickScrollsNothingSideways)
{
    MainWindowFixture f;
    Settings.Favorites[0] = f.folder();
    Settings.Favorites[1] = f.parentFolder();
    bool driven = false;
    f.onDialog([&](QDialog& dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("SGFolder"));
        EXPECT_NE(grid, nullptr);
        if (!grid)
            return 0;
        QHeaderView* header = grid->horizontalHeader();
        // The path column's header text starts at its left edge, in view.
        EXPECT_EQ(header->defaultAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        const int pathLeft = header->sectionViewportPosition(2);
        EXPECT_LT(pathLeft + header->fontMetrics().horizontalAdvance(QStringLiteral("Folder or MyShow file")) + 4,
                  grid->viewport()->width());
        // A click on the second row's path selects it; nothing scrolls.
        const QRect cell = grid->visualRect(grid->model()->index(1, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(pathLeft + 40, cell.center().y()));
        MainWindowFixture::settle();
        EXPECT_EQ(grid->currentRow(), 1);
        EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);
        EXPECT_EQ(header->sectionViewportPosition(2), pathLeft);
        driven = true;
        dialog.hide();
        return 0;
    });
    f.form()->ClearFavs->trigger();
    EXPECT_TRUE(driven);
}
