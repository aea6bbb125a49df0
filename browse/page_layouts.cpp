#include "browse/page_layouts.h"

#include "browse/fit_zoom.h"
#include "browse/picture_display_page.h"

#include <algorithm>

namespace {

constexpr std::array<PageLayoutEntry, kPageLayoutCount> kLayouts{{
    {0, "M1", "Single picture mode", 1, 0, 0},
    {1, "M2", "Dual picture mode", 2, 2, 1},
    {2, "M4", "4 pictures (2 x 2)", 4, 2, 2},
    {3, "M6", "6 pictures (2 x 3)", 6, 3, 2},
    {4, "M8", "8 pictures (2 x 4)", 8, 4, 2},
    {5, "M9", "9 pictures (3 x 3)", 9, 3, 3},
    {6, "M10", "10 pictures (2 x 5)", 10, 5, 2},
    {7, "M12", "12 pictures (3 x 4)", 12, 4, 3},
    {8, "M15", "15 pictures (3 x 5)", 15, 5, 3},
    {9, "M16", "16 pictures (4 x 4)", 16, 4, 4},
    {10, "M18", "18 pictures (3 x 6)", 18, 6, 3},
    {11, "M20", "20 pictures (4 x 5)", 20, 5, 4},
    {12, "M24", "24 pictures (4 x 6)", 24, 6, 4},
    {13, "M28", "28 pictures (4 x 7)", 28, 7, 4},
    {14, "M30", "30 pictures (5 x 6)", 30, 6, 5},
    {15, "M35", "35 pictures (5 x 7)", 35, 7, 5},
    {16, "M40", "40 pictures (5 x 8)", 40, 8, 5},
    {17, "M42", "42 pictures (6 x 7)", 42, 7, 6},
    {18, "M48", "48 pictures (6 x 8)", 48, 8, 6},
    {19, "M54", "54 pictures (6 x 9)", 54, 9, 6},
    {20, "M56", "56 pictures (7 x 8)", 56, 8, 7},
    {21, "M60", "60 pictures (6 x 10)", 60, 10, 6},
    {22, "M63", "63 pictures (7 x 9)", 63, 9, 7},
    {23, "M70", "70 pictures (7 x 10)", 70, 10, 7},
    {24, "M77", "77 pictures (7 x 11)", 77, 11, 7},
}};

int nonNegative(int v) { return std::max(0, v); }

} // namespace

const std::array<PageLayoutEntry, kPageLayoutCount>& PageLayoutTable() { return kLayouts; }

const PageLayoutEntry& PageLayoutAt(int index)
{
    return index >= 0 && index < kPageLayoutCount ? kLayouts[size_t(index)] : kLayouts[0];
}

int PageLayoutFromSetting(const QString& PicturesPerPageIndex)
{
    bool ok = false;
    const int v = PicturesPerPageIndex.trimmed().toInt(&ok);
    return ok && v >= 0 && v < kPageLayoutCount ? v : kDefaultPageLayout;
}

int PageLayoutOfMenuItem(const QString& objectName)
{
    for (const PageLayoutEntry& e : kLayouts)
        if (objectName == QLatin1String(e.menuItem))
            return e.index;
    return -1;
}

int PageLayoutInEffect(bool showShown, int PageLayoutIndex, const QString& PicturesPerPageIndex)
{
    return showShown ? PageLayoutIndex : PageLayoutFromSetting(PicturesPerPageIndex);
}

ThumbFill ThumbFillFromSetting(const QString& ThumbFillMode)
{
    return ThumbFillMode == QLatin1String("0") ? ThumbFill::ColumnByColumn : ThumbFill::RowByRow;
}

void PageAreaSize::Record(QSize area)
{
    PageAreaWidth = std::max(PageAreaWidth, area.width());
    PageAreaHeight = std::max(PageAreaHeight, area.height());
}

PageGeometry ComputePageGeometry(int layout, QSize pageArea, int toolBarHeight, ThumbFill fill)
{
    PageGeometry g;
    const PageLayoutEntry& e = PageLayoutAt(layout);
    g.layout = e.index;
    if (e.index == 0)
        return g;
    g.columns = e.columns;
    g.rows = e.rows;
    const int W = nonNegative(fitzoom::RoundHalfEven(double(pageArea.width() - (e.columns - 1)) / e.columns));
    const int H = nonNegative(fitzoom::RoundHalfEven(double(pageArea.height() - (e.rows + 1)) / e.rows));
    g.PageCellWidth = W;
    g.PageCellHeight = H;
    g.top = toolBarHeight;

    auto slotAt = [&](int c, int r) {
        PageSlotGeometry s;
        s.PageSlotRow = r;
        s.PageSlotColumn = c;
        s.cell = QRect(c * W + c, r * H + r + toolBarHeight, W, H);
        s.frame = QRect(4, 4, nonNegative(W - 8), nonNegative(H - 40));
        const int captionTop = H - kPageCaptionHeight - 8;
        s.caption = QRect(30, captionTop, nonNegative(W - 35), kPageCaptionHeight);
        const int boxTop = fitzoom::RoundHalfEven((kPageCaptionHeight - kPageCheckBoxSize) / 2.0) + captionTop;
        s.checkBox = QRect(W - 24, boxTop, kPageCheckBoxSize, kPageCheckBoxSize);
        s.firstButton = QRect(5, captionTop, kPageFirstButtonSize, kPageFirstButtonSize);
        s.pictureBox = QSize(nonNegative(s.frame.width() - 6), nonNegative(s.frame.height() - 6));
        g.slotRects.push_back(s);
    };
    g.slotRects.reserve(size_t(e.pictures));
    if (fill == ThumbFill::ColumnByColumn) {
        for (int c = 0; c < e.columns; ++c)
            for (int r = 0; r < e.rows; ++r)
                slotAt(c, r);
    } else {
        for (int r = 0; r < e.rows; ++r)
            for (int c = 0; c < e.columns; ++c)
                slotAt(c, r);
    }
    return g;
}
