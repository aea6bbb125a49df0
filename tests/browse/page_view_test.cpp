// The thumbnail page without widgets: the layout table, the cell geometry
// in both fill orders, the click selection with its Shift walks, the layout
// change during a show, "first on this page" and the position bar.
#include "browse/page_layouts.h"
#include "browse/page_position_bar.h"
#include "browse/page_state.h"
#include "browse/picture_file_ops.h"

#include <gtest/gtest.h>

namespace {

const QSize kArea(1000, 700);
constexpr int kToolBar = 30;

QString path(int i) { return QStringLiteral("/pics/p%1.jpg").arg(i); }
QString caption(int i) { return QStringLiteral("%1 - p%2.jpg").arg(i + 1).arg(i); }

// A page of `layout` filled with pictures first, first + 1, ...; the slots in
// `failed` could not be shown.
PageState LoadedPage(int layout, int first = 0, std::vector<int> failed = {}, bool holdsAll = false)
{
    PageState page;
    page.PageLayoutIndex = layout;
    page.BuildPicturePage(layout, 0, kArea, kToolBar, ThumbFill::RowByRow);
    page.BeginPageLoad(0);
    for (int i = 0; i < page.count(); ++i) {
        page.SlotLoading(i, first + i, path(first + i));
        if (std::find(failed.begin(), failed.end(), i) != failed.end())
            page.SlotFailed(i, caption(first + i));
        else
            page.SlotLoaded(i, caption(first + i));
    }
    page.EndPageLoad(false);
    page.SetSelectionMenuCaptions(holdsAll);
    return page;
}

std::vector<bool> Ticks(const PageState& page)
{
    std::vector<bool> t;
    for (const PageCell& c : page.cells())
        t.push_back(c.ticked);
    return t;
}

std::vector<int32_t> Pictures(const PageState& page)
{
    std::vector<int32_t> p;
    for (const PageCell& c : page.cells())
        p.push_back(c.PageSlotPicture);
    return p;
}

} // namespace

TEST(PageLayouts, TableMenuItemsAndSettings)
{
    const auto& t = PageLayoutTable();
    EXPECT_STREQ(t[0].caption, "Single picture mode");
    EXPECT_STREQ(t[1].caption, "Dual picture mode");
    EXPECT_STREQ(t[7].menuItem, "M12");
    EXPECT_STREQ(t[7].caption, "12 pictures (3 x 4)");
    EXPECT_STREQ(t[24].menuItem, "M77");
    EXPECT_STREQ(t[24].caption, "77 pictures (7 x 11)");
    for (int i = 1; i < kPageLayoutCount; ++i) {
        EXPECT_EQ(t[size_t(i)].index, i);
        EXPECT_EQ(t[size_t(i)].pictures, t[size_t(i)].columns * t[size_t(i)].rows) << i;
        EXPECT_EQ(PageLayoutOfMenuItem(QLatin1String(t[size_t(i)].menuItem)), i);
    }
    EXPECT_EQ(PageLayoutOfMenuItem("M3"), -1);
    EXPECT_EQ(PageLayoutFromSetting("3"), 3);
    EXPECT_EQ(PageLayoutFromSetting("24"), 24);
    EXPECT_EQ(PageLayoutFromSetting("25"), 3);
    EXPECT_EQ(PageLayoutFromSetting("-1"), 3);
    EXPECT_EQ(PageLayoutFromSetting("x"), 3);
    EXPECT_EQ(PageLayoutFromSetting("0"), 0);
    EXPECT_EQ(PageLayoutInEffect(true, 5, "3"), 5);
    EXPECT_EQ(PageLayoutInEffect(false, 5, "3"), 3);
    EXPECT_EQ(ThumbFillFromSetting("0"), ThumbFill::ColumnByColumn);
    EXPECT_EQ(ThumbFillFromSetting("1"), ThumbFill::RowByRow);
    EXPECT_EQ(ThumbFillFromSetting(""), ThumbFill::RowByRow);

    PageAreaSize area;
    area.Record(QSize(900, 700));
    area.Record(QSize(1000, 600));
    EXPECT_EQ(area.size(), QSize(1000, 700));   // never decreased
}

TEST(PageGeometry, SeventySevenCellsOnAThousandBySevenHundredArea)
{
    const PageGeometry g = ComputePageGeometry(24, kArea, kToolBar, ThumbFill::RowByRow);
    EXPECT_EQ(g.PageCellWidth, 90);    // nearest(990 / 11)
    EXPECT_EQ(g.PageCellHeight, 99);   // nearest(98.857)
    ASSERT_EQ(g.slotRects.size(), 77u);
    const PageSlotGeometry& s = g.slotRects.back();
    EXPECT_EQ(s.PageSlotColumn, 10);
    EXPECT_EQ(s.PageSlotRow, 6);
    EXPECT_EQ(s.cell, QRect(910, 630, 90, 99));
    EXPECT_EQ(s.frame, QRect(4, 4, 82, 59));
    EXPECT_EQ(s.caption, QRect(30, 70, 55, 21));
    EXPECT_EQ(s.checkBox, QRect(66, 72, 16, 16));   // nearest(2.5) = 2 below the caption top
    EXPECT_EQ(s.firstButton, QRect(5, 70, 22, 22));
    EXPECT_EQ(s.pictureBox, QSize(76, 53));

    // Halves go to the even neighbour: 999 / 2 = 499.5 -> 500, 1001 / 2 -> 500.
    EXPECT_EQ(ComputePageGeometry(1, QSize(1000, 700), 0, ThumbFill::RowByRow).PageCellWidth, 500);
    EXPECT_EQ(ComputePageGeometry(1, QSize(1002, 700), 0, ThumbFill::RowByRow).PageCellWidth, 500);
    EXPECT_TRUE(ComputePageGeometry(0, kArea, kToolBar, ThumbFill::RowByRow).slotRects.empty());
    // A tiny area gives empty rectangles, not negative ones.
    const PageGeometry tiny = ComputePageGeometry(24, QSize(5, 5), 0, ThumbFill::RowByRow);
    EXPECT_EQ(tiny.slotRects[0].frame.width(), 0);
    EXPECT_EQ(tiny.slotRects[0].pictureBox, QSize(0, 0));
}

TEST(PageGeometry, FillOrders)
{
    const PageGeometry byColumn = ComputePageGeometry(3, kArea, kToolBar, ThumbFill::ColumnByColumn);
    EXPECT_EQ(byColumn.slotRects[1].PageSlotRow, 1);
    EXPECT_EQ(byColumn.slotRects[1].PageSlotColumn, 0);
    EXPECT_EQ(byColumn.slotRects[2].PageSlotColumn, 1);
    const PageGeometry byRow = ComputePageGeometry(3, kArea, kToolBar, ThumbFill::RowByRow);
    EXPECT_EQ(byRow.slotRects[1].PageSlotRow, 0);
    EXPECT_EQ(byRow.slotRects[1].PageSlotColumn, 1);
    EXPECT_EQ(byRow.slotRects[3].PageSlotRow, 1);
    EXPECT_EQ(byRow.slotRects[3].cell.topLeft(), QPoint(0, byRow.PageCellHeight + 1 + kToolBar));
}

TEST(PageSelection, ClickCtrlClickAndShiftWalks)
{
    PageState page = LoadedPage(3);
    EXPECT_EQ(page.WindowCaption(), "Vistamo!  Thumbnail view - 6 pictures per page - No pictures selected");

    // Only slot 1 ticked: Shift+click on slot 5 ticks 5 back to 2 and stops at 1.
    page.ToggleSlotSelection(1, false, false);
    page.ToggleSlotSelection(5, true, false);
    EXPECT_EQ(Ticks(page), std::vector<bool>({false, true, true, true, true, true}));
    EXPECT_EQ(page.WindowCaption(), "Vistamo!  Thumbnail view - 6 pictures per page - 5 pictures selected");
    // Slots 1..5 ticked, 0 not: Shift+click on slot 5 unticks 5 .. 1 and stops at 0.
    EXPECT_EQ(page.ToggleSlotSelection(5, true, false), std::vector<int>({5, 4, 3, 2, 1}));
    EXPECT_EQ(page.SelectedPictureCount(), 0);

    // A plain click selects exactly the clicked picture; Ctrl+click toggles.
    page.ToggleSlotSelection(2, false, true);
    page.ToggleSlotSelection(4, false, true);
    page.ToggleSlotSelection(3, false, false);
    EXPECT_EQ(Ticks(page), std::vector<bool>({false, false, false, true, false, false}));
    EXPECT_EQ(page.WindowCaption(), "Vistamo!  Thumbnail view - 6 pictures per page - 1 picture selected");
    page.ToggleSlotSelection(3, false, true);
    EXPECT_EQ(page.SelectedPictureCount(), 0);
    EXPECT_TRUE(page.ToggleSlotSelection(99, false, false).empty());

    // A cell whose picture could not be shown cannot be ticked, by click,
    // by the Shift walk or by the tool buttons.
    PageState failed = LoadedPage(3, 0, {2});
    EXPECT_EQ(failed.cell(2).frameText, "Can not show picture ");
    EXPECT_FALSE(failed.cell(2).checkEnabled);
    EXPECT_TRUE(failed.ToggleSlotSelection(2, false, false).empty());
    failed.ToggleSlotSelection(4, true, false);
    EXPECT_EQ(Ticks(failed), std::vector<bool>({true, true, false, true, true, false}));
    failed.TBSelInvertClick();
    EXPECT_EQ(Ticks(failed), std::vector<bool>({false, false, false, false, false, true}));
    failed.TBSelAllClick();
    EXPECT_EQ(failed.SelectedPictureCount(), 5);
    failed.TBSelNoneClick();
    EXPECT_EQ(failed.SelectedPictureCount(), 0);
}

TEST(PageSelection, GuardsWhileAPageLoads)
{
    PageState page = LoadedPage(3);
    page.ToggleSlotSelection(0, false, false);
    page.BeginPageLoad(3);
    EXPECT_FALSE(page.M2ClickAllowed());
    EXPECT_FALSE(page.SelectionCommandsEnabled());
    EXPECT_TRUE(page.TBSelAllClick().empty());
    EXPECT_TRUE(page.TBSelNoneClick().empty());
    EXPECT_FALSE(page.PageFirstButtonClick(1).done);
    // The loader's own unticking is not a user's click.
    EXPECT_FALSE(page.PageCheckBoxClick(4, false));
    // Slots before the first reset one keep their state.
    EXPECT_TRUE(page.cell(0).ticked);
    EXPECT_TRUE(page.cell(2).checkEnabled);
    EXPECT_FALSE(page.cell(3).checkEnabled);
    EXPECT_EQ(page.cell(3).PageSlotPicture, -1);
    EXPECT_EQ(page.EndPageLoad(false), 3);   // nothing was loaded into 3..5
    EXPECT_TRUE(page.M2ClickAllowed());
    EXPECT_TRUE(page.PageCheckBoxClick(1, true));
    EXPECT_EQ(page.SelectedPictureCount(), 2);
    // The emptied slots are cleared.
    EXPECT_TRUE(page.cell(5).caption.isEmpty());
    EXPECT_FALSE(page.cell(5).imageVisible);
}

TEST(PageSelection, MouseOnACellAndItsCaption)
{
    PageState page = LoadedPage(3, 0, {1});
    CellMouseResult r = page.PageFrameMouseDown(0, Qt::MiddleButton, false, false, false);
    EXPECT_EQ(r.action, CellMouseAction::TogglePause);
    r = page.PageFrameMouseDown(3, Qt::RightButton, false, false, false);
    EXPECT_EQ(r.action, CellMouseAction::Popup);
    EXPECT_TRUE(r.pause);
    EXPECT_EQ(r.popupPath, path(3));
    EXPECT_TRUE(page.cell(3).ticked);
    // A right click on a ticked cell keeps the selection.
    page.ToggleSlotSelection(4, false, true);
    page.PageFrameMouseDown(3, Qt::RightButton, false, false, false);
    EXPECT_EQ(page.SelectedPictureCount(), 2);
    // On the caption line of a failed cell left and right do nothing.
    EXPECT_EQ(page.PageFrameMouseDown(1, Qt::LeftButton, false, false, true).action, CellMouseAction::None);
    EXPECT_EQ(page.PageFrameMouseDown(5, Qt::LeftButton, false, false, true).action, CellMouseAction::Select);
    EXPECT_EQ(Ticks(page), std::vector<bool>({false, false, false, false, false, true}));

    // The caption hint is made once.
    EXPECT_TRUE(page.CaptionHintWanted(5));
    page.SetCaptionHint(5, "info");
    EXPECT_FALSE(page.CaptionHintWanted(5));
    EXPECT_FALSE(page.CaptionHintWanted(1));
}

TEST(PageSelection, CommandsForTheSelectedCells)
{
    PageState page = LoadedPage(3, 0, {4});
    SelectionCells s = page.SetSelectionMenuCaptions(false);
    EXPECT_EQ(s.changed, std::vector<int>({0, 1, 2, 3, 5}));
    EXPECT_FALSE(page.cell(0).firstButtonVisible);
    EXPECT_TRUE(page.cell(1).firstButtonVisible);
    EXPECT_FALSE(page.cell(4).firstButtonVisible);
    EXPECT_FALSE(page.cell(4).checkEnabled);
    page.ToggleSlotSelection(2, false, false);
    s = page.SetSelectionMenuCaptions(true);
    EXPECT_EQ(s.selectedSlot, 2);
    EXPECT_EQ(s.CurrentPicturePath, path(2));
    EXPECT_FALSE(page.cell(1).firstButtonVisible);   // the whole list is on the page
    page.ToggleSlotSelection(3, false, true);
    EXPECT_TRUE(page.SetSelectionMenuCaptions(true).CurrentPicturePath.isEmpty());
}

TEST(PageLayoutChange, ShrinkKeepsTheFirstSlotsAndGrowContinuesTheList)
{
    PageState page = LoadedPage(7);   // 12 pictures
    page.ToggleSlotSelection(2, false, false);
    page.ToggleSlotSelection(9, false, true);

    LayoutChange shrink = page.ApplyPageLayout(3, kArea, kToolBar, ThumbFill::RowByRow);   // 6 pictures
    EXPECT_EQ(shrink.build.freeFrom, 6);
    EXPECT_EQ(Pictures(page), std::vector<int32_t>({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(shrink.refit, std::vector<int>({0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(shrink.setCursor && shrink.findPlayPosition);
    EXPECT_EQ(shrink.cursorPicture, 5);
    EXPECT_FALSE(shrink.stepNext);
    EXPECT_EQ(shrink.loadFrom, -1);   // nothing reloaded
    EXPECT_EQ(page.SelectedPictureCount(), 1);
    EXPECT_EQ(page.WindowCaption(), "Vistamo!  Thumbnail view - 6 pictures per page - 1 picture selected");
    EXPECT_EQ(page.cell(3).PageSlotColumn, 0);   // re-laid: 3 columns now
    EXPECT_EQ(page.cell(3).PageSlotRow, 1);

    LayoutChange grow = page.ApplyPageLayout(7, kArea, kToolBar, ThumbFill::RowByRow);
    EXPECT_EQ(grow.build.oldLast, 5);   // slots 6 .. 11 get new controls
    EXPECT_EQ(grow.build.freeFrom, -1);
    EXPECT_EQ(grow.cursorPicture, 5);
    EXPECT_TRUE(grow.findPlayPosition && grow.stepNext);
    EXPECT_EQ(grow.refit, std::vector<int>({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(grow.loadFrom, 6);
    EXPECT_EQ(Pictures(page), std::vector<int32_t>({0, 1, 2, 3, 4, 5, -1, -1, -1, -1, -1, -1}));
    EXPECT_TRUE(page.cell(2).ticked);

    // Back to the single display from the picture of the first slot.
    LayoutChange single = page.ApplyPageLayout(0, kArea, kToolBar, ThumbFill::RowByRow);
    EXPECT_TRUE(single.build.toSingle);
    EXPECT_EQ(single.build.firstPicture, 0);
    EXPECT_EQ(single.build.freeFrom, 0);
    EXPECT_FALSE(single.pageView);
    EXPECT_FALSE(page.ThumbnailViewActive());

    // From the single display the whole page is filled.
    EXPECT_EQ(page.ApplyPageLayout(2, kArea, kToolBar, ThumbFill::RowByRow).loadFrom, 0);
    EXPECT_TRUE(page.ThumbnailViewActive());
}

TEST(PageLayoutChange, AShortListKeepsItsCursor)
{
    // 4 pictures on a 6-picture page: the last slot is empty.
    PageState page;
    page.PageLayoutIndex = 3;
    page.BuildPicturePage(3, 0, kArea, kToolBar, ThumbFill::RowByRow);
    page.BeginPageLoad(0);
    for (int i = 0; i < 4; ++i) {
        page.SlotLoading(i, i, path(i));
        page.SlotLoaded(i, caption(i));
    }
    EXPECT_EQ(page.EndPageLoad(false), 4);
    const LayoutChange ch = page.ApplyPageLayout(2, kArea, kToolBar, ThumbFill::RowByRow);
    EXPECT_EQ(Pictures(page), std::vector<int32_t>({0, 1, 2, 3}));
    EXPECT_TRUE(ch.setCursor);
    EXPECT_EQ(ch.cursorPicture, 3);
    PageState shorter = page;
    shorter.ApplyPageLayout(7, kArea, kToolBar, ThumbFill::RowByRow);
    const LayoutChange stays = shorter.ApplyPageLayout(3, kArea, kToolBar, ThumbFill::RowByRow);
    EXPECT_FALSE(stays.setCursor);   // the last slot is empty
}

TEST(PageFirstOnPage, MovesTheRestForwardWithAFailedCell)
{
    PageState page = LoadedPage(3, 10, {3});
    page.ToggleSlotSelection(4, false, false);
    const FirstOnPageResult r = page.PageFirstButtonClick(2);
    ASSERT_TRUE(r.done);
    EXPECT_EQ(r.loadFrom, 4);
    ASSERT_EQ(r.moves.size(), 4u);
    EXPECT_EQ(r.moves[1].to, 1);
    EXPECT_EQ(r.moves[1].from, 3);
    EXPECT_FALSE(r.moves[1].loaded);
    EXPECT_EQ(Pictures(page), std::vector<int32_t>({12, 13, 14, 15, 14, 15}));
    // The failed picture keeps its text and disabled box in its new place.
    EXPECT_EQ(page.cell(1).frameText, "Can not show picture ");
    EXPECT_FALSE(page.cell(1).checkEnabled);
    EXPECT_FALSE(page.cell(1).imageVisible);
    EXPECT_EQ(page.cell(1).caption, caption(13));
    EXPECT_EQ(page.cell(0).frameText, "");
    EXPECT_EQ(page.cell(0).path, path(12));
    EXPECT_TRUE(page.cell(2).ticked);
    for (const PageCell& c : page.cells()) {
        EXPECT_FALSE(c.cellEnabled);
        EXPECT_FALSE(c.firstButtonVisible);
    }
}

TEST(PagePositionBar, FullBarPartBarAndWrap)
{
    // A list of 6 pictures on a 6-picture page.
    PageState page = LoadedPage(3);
    EXPECT_TRUE(page.PagePositionBarWanted(false));
    EXPECT_FALSE(page.PagePositionBarWanted(true));
    PagePositionBarInput in = page.PositionBarInput(6);
    EXPECT_TRUE(in.pageHoldsAll);
    in.statusBarHeight = 25;
    in.clientWidth = 1000;
    in.screenWidth = 1366;
    in.panelWidth = 200;
    in.percentTextWidth = 30;   // room 160: 53 blocks
    PagePositionBar bar = ComputePagePositionBar(in);
    EXPECT_EQ(bar.y, 5);
    ASSERT_EQ(bar.blockX.size(), 53u);
    EXPECT_EQ(bar.blockX[0], 808);
    EXPECT_EQ(std::count(bar.marked.begin(), bar.marked.end(), true), 53);
    EXPECT_EQ(bar.text, "100%   ");
    EXPECT_EQ(bar.textX, 973);
    EXPECT_FALSE(bar.clearOldText);

    page.BeginPageLoad(0);
    EXPECT_FALSE(page.PagePositionBarWanted(false));
    in.pageHoldsAll = false;
    in.total = 100;
    in.slotsPerPage = 12;
    in.lastCaption = "24 - p23.jpg";   // filled 6 (53 / 8.33), end nearest(12.72) - 1 = 12
    bar = ComputePagePositionBar(in);
    std::vector<int> marked;
    for (size_t i = 0; i < bar.marked.size(); ++i)
        if (bar.marked[i])
            marked.push_back(int(i));
    EXPECT_EQ(marked, std::vector<int>({7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(bar.text, "24 %     ");
    EXPECT_EQ(bar.textX, 808 + 3 * 52 + 5);
    EXPECT_TRUE(bar.clearOldText);
    EXPECT_EQ(bar.stretch, QRect(965, 1, 1366 - 965, 24));

    in.lastCaption = "3 - p2.jpg";   // end 1: the run wraps to the last blocks
    in.maximizedLayout = true;
    bar = ComputePagePositionBar(in);
    marked.clear();
    for (size_t i = 0; i < bar.marked.size(); ++i)
        if (bar.marked[i])
            marked.push_back(int(i));
    EXPECT_EQ(marked, std::vector<int>({0, 1, 49, 50, 51, 52}));
    EXPECT_EQ(bar.blockX[0], 804);
    EXPECT_EQ(bar.text, "3 %     ");
}

TEST(PageSlotsForFileCommands, RemovalAndPackingKeepPathsWithTheirPictures)
{
    PageState page = LoadedPage(3, 20);
    page.ToggleSlotSelection(1, false, false);
    std::vector<PageSlot> records = page.ToPageSlots();
    MarkSlotRemoved(records, 1, false);
    EXPECT_EQ(PackPageSlots(records), 25);
    page.FromPageSlots(records);
    EXPECT_EQ(Pictures(page), std::vector<int32_t>({20, 22, 23, 24, 25, -1}));
    EXPECT_EQ(page.cell(1).path, path(22));
    EXPECT_EQ(page.cell(1).caption, "22 - p22.jpg");   // renumbered from 23
    EXPECT_TRUE(page.cell(5).path.isEmpty());
    EXPECT_FALSE(page.cell(5).checkEnabled);
    EXPECT_EQ(page.SelectedPictureCount(), 0);
}

TEST(PageSlotsForFileCommands, PackingReportsWhichCellShowsWhichPictureAndRenamingKeepsTheNumber)
{
    PageState page = LoadedPage(3, 20, {4});   // slot 4 (p24) could not be shown
    for (int slot : {0, 2})
        page.ToggleSlotSelection(slot, false, true);
    page.MarkSlotRemoved(0, false);
    EXPECT_EQ(page.cell(0).caption, "Deleted");
    EXPECT_FALSE(page.cell(0).ticked);
    EXPECT_EQ(page.cell(1).caption, "21 - p21.jpg");
    page.MarkSlotRemoved(2, true);
    EXPECT_EQ(page.cell(2).caption, "Removed from show");
    EXPECT_EQ(page.cell(3).caption, "22 - p23.jpg");
    const PackResult r = page.PackRemovedSlots();
    EXPECT_EQ(Pictures(page), std::vector<int32_t>({21, 23, 24, 25, -1, -1}));
    EXPECT_EQ(r.lastPicture, 25);
    EXPECT_EQ(r.firstEmpty, 4);
    ASSERT_EQ(r.moves.size(), 4u);
    EXPECT_EQ(r.moves[0].to, 0);
    EXPECT_EQ(r.moves[0].from, 1);
    EXPECT_EQ(r.moves[2].from, 4);
    EXPECT_FALSE(r.moves[2].loaded) << "the picture that could not be shown moves as it is";
    EXPECT_EQ(page.cell(2).frameText, kPageFailedText);
    EXPECT_EQ(page.cell(3).caption, "24 - p25.jpg");
    EXPECT_TRUE(page.cell(4).caption.isEmpty());

    page.SetCaptionHint(1, "old hint");
    page.RenameSlotPicture(1, "/pics/Beach.jpg");
    EXPECT_EQ(page.cell(1).caption, "22 - Beach.jpg");
    EXPECT_EQ(page.cell(1).path, "/pics/Beach.jpg");
    EXPECT_TRUE(page.CaptionHintWanted(1)) << "the hint is made again for the new name";

    // Everything removed: no picture left to go on from.
    PageState two = LoadedPage(1, 7);
    two.MarkSlotRemoved(0, false);
    two.MarkSlotRemoved(1, false);
    EXPECT_EQ(two.PackRemovedSlots().lastPicture, -1);
}
