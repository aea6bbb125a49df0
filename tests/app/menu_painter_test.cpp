#include "app/menu_painter.h"
#include "app/menu_state.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor Untouched(0xFF, 0x00, 0xFF);
const QColor Highlight(0x00, 0xFF, 0x00);
const QColor Shadow(0x00, 0x00, 0xFF);

MenuPaintContext context()
{
    MenuPaintContext ctx;
    ctx.glyph = [](int n) {
        QPixmap pm(16, 16);
        pm.fill(n == 7 ? QColor(0xC0, 0, 0) : QColor(0, 0x80, 0x80));
        return pm;
    };
    QPixmap bar(8, 8);
    bar.fill(QColor(0, 0xFF, 0xFF));
    ctx.barBackground = bar;
    ctx.screenWidth = 600;
    ctx.buttonHighlight = Highlight;
    ctx.buttonShadow = Shadow;
    return ctx;
}

struct Canvas {
    QImage image;
    MenuState state;
    explicit Canvas(int w = 400, int h = 18) : image(w, h, QImage::Format_RGB32)
    {
        image.fill(Untouched);
    }
    void paint(const QString& hint, const QRect& r, bool selected, const QString& caption,
               int img, int disImg, bool enabled, const MenuPaintContext& ctx = context())
    {
        QPainter p(&image);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(11);
        p.setFont(f);
        DrawMenuItem(hint, p, r, selected, caption, img, disImg, enabled, ctx, state);
    }
    QColor at(int x, int y) const { return image.pixelColor(x, y); }
    bool columnHas(int x, const std::function<bool(QColor)>& pred) const
    {
        for (int y = 0; y < image.height(); ++y)
            if (pred(at(x, y)))
                return true;
        return false;
    }
    bool rangeHas(int x0, int x1, const std::function<bool(QColor)>& pred) const
    {
        for (int x = x0; x <= x1; ++x)
            if (columnHas(x, pred))
                return true;
        return false;
    }
};

bool dark(QColor c) { return c.red() < 110 && c.green() < 110 && c.blue() < 110; }

} // namespace

TEST(DrawMenuItem, PlainItemStripGlyphAndBody)
{
    Canvas c;
    c.paint(QStringLiteral(">0"), QRect(0, 0, 400, 18), false, QStringLiteral("&Move"), 7, 8, true);
    EXPECT_EQ(c.at(3, 9), menucolors::GlyphStrip);
    EXPECT_EQ(c.at(21, 0), menucolors::GlyphStrip);
    EXPECT_EQ(c.at(2, 9), Untouched);
    EXPECT_EQ(c.at(22, 9), Untouched);
    EXPECT_EQ(c.at(13, 9), QColor(0xC0, 0, 0));       // glyph 7 at (5, top + 1)
    EXPECT_EQ(c.at(4, 9), menucolors::GlyphStrip);
    EXPECT_EQ(c.at(13, 0), menucolors::GlyphStrip);
    EXPECT_EQ(c.at(25, 0), menucolors::Body);
    EXPECT_EQ(c.at(399, 17), menucolors::Body);
    // Text starts at x = 30.
    EXPECT_FALSE(c.rangeHas(25, 29, dark));
    EXPECT_TRUE(c.rangeHas(30, 40, dark));
}

TEST(DrawMenuItem, DisabledItemUsesDisabledGlyphAndEmbossedText)
{
    Canvas c;
    c.paint(QStringLiteral(">0"), QRect(0, 0, 400, 18), false, QStringLiteral("&Move"), 7, 8, false);
    EXPECT_EQ(c.at(13, 9), QColor(0, 0x80, 0x80));     // glyph 8
    const auto isHighlight = [](QColor q) { return q == Highlight; };
    const auto isShadow = [](QColor q) { return q == Shadow; };
    EXPECT_TRUE(c.rangeHas(30, 80, isHighlight));
    EXPECT_TRUE(c.rangeHas(30, 80, isShadow));
    EXPECT_FALSE(c.rangeHas(30, 80, dark));
    EXPECT_FALSE(c.rangeHas(25, 29, isShadow));
    EXPECT_FALSE(c.rangeHas(25, 30, isHighlight));   // highlight pass one pixel right

    Canvas none;
    none.paint(QStringLiteral(">0"), QRect(0, 0, 400, 18), false, QStringLiteral("x"), 7, -1, false);
    EXPECT_EQ(none.at(13, 9), menucolors::GlyphStrip);
}

TEST(DrawMenuItem, SelectedItemsFramedAndFilled)
{
    Canvas c;
    c.paint(QStringLiteral(">0"), QRect(0, 0, 400, 18), true, QStringLiteral("x"), -1, -1, true);
    EXPECT_EQ(c.at(25, 9), menucolors::SelectedFrame);
    EXPECT_EQ(c.at(399, 9), menucolors::SelectedFrame);
    EXPECT_EQ(c.at(200, 0), menucolors::SelectedFrame);
    EXPECT_EQ(c.at(200, 17), menucolors::SelectedFrame);
    EXPECT_EQ(c.at(200, 9), menucolors::SelectedFill);
    EXPECT_NE(c.at(25, 0), menucolors::SelectedFrame);  // rounded corner
    EXPECT_EQ(c.at(10, 9), menucolors::GlyphStrip);

    Canvas d;
    d.paint(QStringLiteral(">0"), QRect(0, 0, 400, 18), true, QStringLiteral("x"), -1, -1, false);
    EXPECT_EQ(d.at(25, 9), menucolors::SelectedFrameDisabled);
    EXPECT_EQ(d.at(200, 9), menucolors::SelectedFillDisabled);
}

TEST(DrawMenuItem, KeyHintColumnStartsAtRightMinusWidestHintMinusTwenty)
{
    Canvas c;
    c.paint(QStringLiteral("X50"), QRect(0, 0, 400, 18), false,
            QStringLiteral("&Stop Slide Show                 ~- Escape"), 21, 22, true);
    EXPECT_EQ(c.state.MenuShortcutText, QStringLiteral("- Escape"));
    EXPECT_EQ(c.state.MenuCaptionText, QStringLiteral("&Stop Slide Show"));
    // Left text ends well before the column; the key hint starts at 400 - 50 - 20.
    EXPECT_TRUE(c.rangeHas(30, 40, dark));
    EXPECT_FALSE(c.rangeHas(200, 329, dark));
    EXPECT_TRUE(c.rangeHas(330, 345, dark));

    // A tag without a number paints the hint 20 pixels from the right edge.
    Canvas n;
    n.paint(QStringLiteral("Xabc"), QRect(0, 0, 400, 18), false, QStringLiteral("Go ~- F"), -1, -1, true);
    EXPECT_FALSE(n.rangeHas(100, 379, dark));
    EXPECT_TRUE(n.rangeHas(380, 399, dark));
}

TEST(DrawMenuItem, SeparatorLine)
{
    Canvas c(200, 10);
    c.paint(QStringLiteral(">0"), QRect(0, 0, 200, 10), true, QStringLiteral("-"), -1, -1, true);
    EXPECT_EQ(c.at(30, 4), QColor(Qt::black));
    EXPECT_EQ(c.at(194, 4), QColor(Qt::black));
    EXPECT_EQ(c.at(195, 4), menucolors::Body);
    EXPECT_EQ(c.at(100, 5), menucolors::Body);
    EXPECT_EQ(c.at(29, 4), menucolors::Body);           // a selected separator is not framed
}

TEST(DrawMenuItem, MenuBarItemsAndTheHelpItemRunToScreenEdge)
{
    Canvas c(600, 18);
    c.paint(QStringLiteral(">0"), QRect(300, 0, 50, 18), false, QStringLiteral(">&Help"), -2, -2, true);
    EXPECT_EQ(c.at(299, 9), Untouched);
    EXPECT_EQ(c.at(599, 2), QColor(0, 0xFF, 0xFF));     // background to the screen's edge
    EXPECT_EQ(c.at(3, 9), Untouched);                   // no glyph strip on the bar
    EXPECT_TRUE(c.rangeHas(305, 312, dark));            // "Help" without the ">"
    EXPECT_FALSE(c.rangeHas(300, 304, dark));

    Canvas plain(600, 18);
    plain.paint(QStringLiteral(">0"), QRect(300, 0, 50, 18), false, QStringLiteral("&Show"), -2, -2, true);
    EXPECT_EQ(plain.at(349, 2), QColor(0, 0xFF, 0xFF));
    EXPECT_EQ(plain.at(350, 2), Untouched);
}

TEST(DrawMenuItem, WideFileBarItemOnlyRepaintsStatusBar)
{
    int repaints = 0;
    MenuPaintContext ctx = context();
    ctx.repaintStatusBar = [&repaints] { ++repaints; };
    Canvas wide(400, 18);
    wide.paint(QStringLiteral(">0"), QRect(0, 0, 301, 18), false, QStringLiteral("&File"), -2, -2, true, ctx);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(wide.at(100, 9), Untouched);

    Canvas exact(400, 18);
    exact.paint(QStringLiteral(">0"), QRect(0, 0, 300, 18), false, QStringLiteral("&File"), -2, -2, true, ctx);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(exact.at(100, 2), QColor(0, 0xFF, 0xFF));
}

TEST(DrawMenuItem, DriveCaptionAccessCell)
{
    Canvas c;
    c.paint(QStringLiteral(">0"), QRect(0, 0, 400, 18), false, QStringLiteral("&c - Fixed drive"), 2, 2, true);
    // "c" in its own 10-pixel cell at x = 30, " - Fixed drive" from x = 40:
    // the blank after the cell leaves a gap before the dash.
    EXPECT_TRUE(c.rangeHas(30, 37, dark));
    EXPECT_FALSE(c.rangeHas(38, 42, dark));
    EXPECT_TRUE(c.rangeHas(43, 52, dark));
}
