#include "app/undo_search.h"

#include <QTableWidget>

#include <gtest/gtest.h>

TEST(UndoSearch, HandsTheRowsAddedByTheSearchToTheDeleteWithoutQuestion)
{
    QTableWidget grid(8, 5);
    int from = -1, to = -1;
    bool asked = true;
    const auto del = [&](bool ask) {
        asked = ask;
        const auto ranges = grid.selectedRanges();
        ASSERT_EQ(ranges.size(), 1);
        from = ranges[0].topRow();
        to = ranges[0].bottomRow();
    };
    EXPECT_TRUE(UndoTBClick(grid, 5, del));
    EXPECT_FALSE(asked);
    EXPECT_EQ(from, 5);
    EXPECT_EQ(to, 7);

    from = to = -1;
    EXPECT_FALSE(UndoTBClick(grid, 8, del));   // nothing was added
    EXPECT_FALSE(UndoTBClick(grid, -1, del));
    EXPECT_EQ(from, -1);
}
