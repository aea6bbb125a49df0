// Page loading rules: the cells a list fills, the stop at the first repeat
// of a short list, and the fit of a picture into its cell.
#include "browse/picture_display_page.h"

#include <gtest/gtest.h>

namespace {

struct Cursor {
    int index = 0;
    int count = 0;
    int backs = 0;
    PageCursor functions()
    {
        return {[this] { return index; }, [this] { index = (index + 1) % count; },
                [this] { index = (index + count - 1) % count; ++backs; }};
    }
};

} // namespace

TEST(PageLoad, AListShorterThanThePageStopsAtTheFirstRepeat)
{
    Cursor c{0, 3};
    std::vector<int> loadedSlots;
    const PageLoadResult r = FillPageSlots(std::vector<int>(6, 99), 0, c.functions(), [&](int slot, int) {
        loadedSlots.push_back(slot);
        return true;
    });
    EXPECT_EQ(r.cells, std::vector<int>({0, 1, 2, -1, -1, -1}));
    EXPECT_EQ(r.loaded, 3);
    EXPECT_EQ(c.backs, 1);
    EXPECT_EQ(c.index, 2); // the cursor stands on the last picture shown
    EXPECT_EQ(loadedSlots, std::vector<int>({0, 1, 2}));
}

TEST(PageLoad, AFullPageLeavesTheCursorOnItsLastPicture)
{
    Cursor c{5, 20};
    int failures = 0;
    const PageLoadResult r = FillPageSlots(std::vector<int>(4, -1), 0, c.functions(), [&](int, int index) {
        if (index == 6) {
            ++failures;
            return false; // "Can not show picture " in that cell; the page goes on
        }
        return true;
    });
    EXPECT_EQ(r.cells, std::vector<int>({5, 6, 7, 8}));
    EXPECT_EQ(r.loaded, 3);
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(c.index, 8);
}

TEST(PageLoad, SlotsBeforeFirstAreKeptAndAbortStops)
{
    Cursor c{2, 10};
    const PageLoadResult kept = FillPageSlots({0, 1, 7, 7}, 2, c.functions(), [](int, int) { return true; });
    EXPECT_EQ(kept.cells, std::vector<int>({0, 1, 2, 3}));
    EXPECT_EQ(kept.loaded, 4);

    Cursor d{0, 10};
    int polls = 0;
    const PageLoadResult stopped = FillPageSlots(std::vector<int>(4, -1), 0, d.functions(),
                                                 [](int, int) { return true; }, [&] { return ++polls > 2; });
    EXPECT_TRUE(stopped.aborted);
    EXPECT_EQ(stopped.cells, std::vector<int>({0, 1, -1, -1}));
}

TEST(PageCell, FitCaptionAndHint)
{
    EXPECT_EQ(FitPictureInCell(QSize(154, 114), QSize(4000, 3000), 0), QRect(1, 0, 152, 114));
    EXPECT_EQ(FitPictureInCell(QSize(200, 200), QSize(50, 25), 100), QRect(50, 75, 100, 50));
    EXPECT_EQ(FitPictureInCell(QSize(200, 200), QSize(0, 25), 100), QRect());
    EXPECT_EQ(CellHintText("/p/Holiday/Beach.jpg"), "Title: Beach.jpg\nPath: /p/Holiday");
    EXPECT_EQ(CellHintText("/Beach.jpg"), "Title: Beach.jpg\nPath: /");
    EXPECT_EQ(CellCaptionText(12, "/p/Beach.jpg"), "12 - Beach.jpg");
}
