#include "app/menu_painter.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace {

// A rectangle given by its edges: right and bottom are exclusive.
struct WinRect {
    int left, top, right, bottom;
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    void offset(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
};

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine
                          | Qt::TextDontClip | Qt::TextShowMnemonic;

void drawText(QPainter& p, int x, const WinRect& r, const QString& text)
{
    if (text.isEmpty())
        return;
    // Unclipped single-line text, vertically centred in the row.
    const QRect box(x, r.top, 4000, r.bottom - r.top);
    p.drawText(box, TextFlags, text);
}

} // namespace

QPixmap DefaultMenuBarBackground()
{
    QPixmap pm(64, 20);
    QPainter p(&pm);
    QLinearGradient g(0, 0, 0, 20);
    g.setColorAt(0.0, QColor(0xFB, 0xFB, 0xFB));
    g.setColorAt(1.0, QColor(0xDD, 0xE2, 0xEA));
    p.fillRect(pm.rect(), g);
    return pm;
}

namespace {

// The glyph strip at the left of a popup item, with the item's glyph.
void drawGlyphStrip(QPainter& canvas, WinRect r, int glyph, const MenuPaintContext& ctx)
{
    r.left = 3;
    r.right = 22;
    canvas.fillRect(r.toQRect(), menucolors::GlyphStrip);
    if (glyph != -1 && ctx.glyph) {
        const QPixmap pm = ctx.glyph(glyph);
        if (!pm.isNull())
            canvas.drawPixmap(QRect(5, r.top + 1, 16, 16), pm);
    }
}

// The item's background: the selection or body fill of a popup item (right
// of the glyph strip), or the menu bar's picture; the fill used is returned.
// A bar caption starting with '>' stretches to the screen's right edge.
QColor paintItemBackground(QPainter& canvas, WinRect& r, const QString& caption, bool selected, bool separator,
                           bool popupItem, bool enabled, const MenuPaintContext& ctx)
{
    QColor brush;
    if (selected && !separator) {
        brush = enabled ? menucolors::SelectedFill : menucolors::SelectedFillDisabled;
    } else if (popupItem) {
        brush = menucolors::Body;
    } else {
        if (caption.startsWith(QLatin1Char('>')) && ctx.screenWidth > r.right)
            r.right = ctx.screenWidth;
        const QPixmap bg = ctx.barBackground.isNull() ? DefaultMenuBarBackground()
                                                      : ctx.barBackground;
        canvas.drawPixmap(r.toQRect(), bg);
    }

    if (popupItem) {
        r.left = 25;
        canvas.fillRect(r.toQRect(), brush);
    }
    return brush;
}

// The rounded frame of a selected item.
void drawSelectionFrame(QPainter& canvas, const WinRect& r, const QColor& brush, bool enabled)
{
    canvas.setPen(QPen(enabled ? menucolors::SelectedFrame : menucolors::SelectedFrameDisabled, 1));
    canvas.setBrush(brush);
    canvas.setRenderHint(QPainter::Antialiasing, false);
    // Outline inside [left, right - 1] x [top, bottom - 1], corner ellipse 6 x 6.
    canvas.drawRoundedRect(QRectF(r.left + 0.5, r.top + 0.5, r.right - r.left - 1,
                                  r.bottom - r.top - 1), 3, 3);
}

// The caption (an access cell's two first characters apart) and the
// shortcut at the right; a disabled item is drawn twice, highlight under
// shadow, with the pen already set to the highlight and r moved by one.
void drawItemTexts(QPainter& canvas, WinRect r, const QString& caption, const QString& shortcut, bool accessCell,
                   int hintW, bool enabled, const MenuPaintContext& ctx)
{
    const auto drawTexts = [&] {
        if (accessCell) {
            drawText(canvas, r.left, r, caption.left(2));
            drawText(canvas, r.left + 10, r, caption.mid(2));
        } else {
            drawText(canvas, r.left, r, caption);
        }
        if (!shortcut.isEmpty())
            drawText(canvas, r.right - hintW - 20, r, shortcut);
    };
    drawTexts();
    if (!enabled) {
        r.offset(-1, -1);
        canvas.setPen(ctx.buttonShadow);
        drawTexts();
    }
}

} // namespace

void DrawMenuItem(const QString& hint, QPainter& canvas, const QRect& rect, bool selected,
                  QString caption, int imageIndex, int disabledImageIndex, bool enabled,
                  const MenuPaintContext& ctx, MenuState& state)
{
    WinRect r{rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};

    // The first menu bar item drawn across the whole bar only refreshes the
    // status bar.
    if (r.right - r.left > 300 && caption == QLatin1String("&File")) {
        if (ctx.repaintStatusBar)
            ctx.repaintStatusBar();
        return;
    }

    canvas.save();
    const int hintW = HintTagWidth(hint);
    const bool accessCell = IsAccessCellCaption(caption);
    const bool popupItem = imageIndex != MenuBarGlyph;
    const bool separator = caption == QLatin1String("-");

    if (popupItem)
        drawGlyphStrip(canvas, r, enabled ? imageIndex : disabledImageIndex, ctx);
    const QColor brush = paintItemBackground(canvas, r, caption, selected, separator, popupItem, enabled, ctx);

    if (caption.startsWith(QLatin1Char('>')))
        caption.remove(0, 1);

    if (selected && !separator)
        drawSelectionFrame(canvas, r, brush, enabled);

    r.left += 5;
    if (enabled) {
        canvas.setPen(Qt::black);
    } else {
        r.offset(1, 1);
        canvas.setPen(ctx.buttonHighlight);
    }

    const QFontMetrics fm(canvas.font());
    state.MenuShortcutText = SplitMenuCaption(caption, [&fm](const QString& s) {
        return fm.horizontalAdvance(s);
    }, state);
    if (!state.MenuShortcutText.isEmpty())
        caption = state.MenuCaptionText;

    if (separator) {
        canvas.setPen(Qt::black);
        canvas.fillRect(QRect(r.left, r.top + 4, std::max(0, r.right - 5 - r.left), 1),
                        canvas.pen().color());
        canvas.restore();
        return;
    }

    drawItemTexts(canvas, r, caption, state.MenuShortcutText, accessCell, hintW, enabled, ctx);
    canvas.restore();
}
