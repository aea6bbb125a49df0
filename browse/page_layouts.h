// The page layouts of the thumbnail view and the geometry of their cells,
// as plain values: which layout holds how many pictures in how many columns
// and rows, and where each slot's cell, frame, caption line, check box and
// "first on this page" button go in a given page area.
//
// Sizes are rounded to the nearest integer with halves to even
// (fitzoom::RoundHalfEven).
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

// ---- the layout table --------------------------------------------------------

struct PageLayoutEntry {
    int index;              // position in the layout menu MultiPop
    const char* menuItem;   // objectName of the menu item ("M1" .. "M77")
    const char* caption;    // the item's text ("rows x columns")
    int pictures;
    int columns;            // 0 for the single picture display
    int rows;
};

constexpr int kPageLayoutCount = 25;
// Layout 0 is the single picture display; 1 .. 24 are page layouts.
constexpr int kLastPageLayout = kPageLayoutCount - 1;

const std::array<PageLayoutEntry, kPageLayoutCount>& PageLayoutTable();

// The entry of `index`; the single picture display for an index outside 0 .. 24.
const PageLayoutEntry& PageLayoutAt(int index);

// The layout a PicturesPerPageIndex text names: its decimal value 0 .. 24;
// any other text gives the default layout, "6 pictures (2 x 3)".
constexpr int kDefaultPageLayout = 3;
int PageLayoutFromSetting(const QString& PicturesPerPageIndex);

// The layout of a MultiPop item by its objectName; -1 for another name.
int PageLayoutOfMenuItem(const QString& objectName);

// The layout whose menu item is drawn disabled with the check glyph and
// cannot be chosen: PageLayoutIndex while a show is shown, else the stored
// choice.
int PageLayoutInEffect(bool showShown, int PageLayoutIndex, const QString& PicturesPerPageIndex);

// ---- fill order ------------------------------------------------------------------

// ThumbFillMode "0" fills a page column by column (top to bottom, then the
// next column); any other value row by row (left to right, then the next row).
enum class ThumbFill { ColumnByColumn, RowByRow };
ThumbFill ThumbFillFromSetting(const QString& ThumbFillMode);

// ---- the page area ----------------------------------------------------------------

// The largest width and height the main picture area has had while it filled
// the client area below the tool bar; never decreased.
struct PageAreaSize {
    int PageAreaWidth = 0;
    int PageAreaHeight = 0;
    void Record(QSize area);
    QSize size() const { return QSize(PageAreaWidth, PageAreaHeight); }
};

// ---- cell geometry ----------------------------------------------------------------

constexpr int kPageCaptionHeight = 21;
constexpr int kPageCheckBoxSize = 16;
constexpr int kPageFirstButtonSize = 22;

// One slot of a page. `cell` is in the main window's client area; the
// frame, caption, check box and first button are in the cell; the picture
// box is the size a picture is fitted into inside the frame.
struct PageSlotGeometry {
    int PageSlotRow = 0;
    int PageSlotColumn = 0;
    QRect cell;
    QRect frame;
    QRect caption;
    QRect checkBox;
    QRect firstButton;
    QSize pictureBox;   // frame width - 6 by frame height - 6
};

struct PageGeometry {
    int layout = 0;
    int columns = 0;
    int rows = 0;
    int PageCellWidth = 0;
    int PageCellHeight = 0;
    int top = 0;                               // the page area's top in the client area (the tool bar's height)
    std::vector<PageSlotGeometry> slotRects;   // slot number = position in fill order
};

// The cells of `layout` in a page area (PageAreaWidth x PageAreaHeight below
// a tool bar of `toolBarHeight`): cell width nearest((width - (columns - 1))
// / columns), height nearest((height - (rows + 1)) / rows), a one-pixel gap
// between cells. Layout 0 has no cells. Sizes never go below 0.
PageGeometry ComputePageGeometry(int layout, QSize pageArea, int toolBarHeight, ThumbFill fill);
