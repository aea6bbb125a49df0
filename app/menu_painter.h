// The one painter of every owner-drawn menu item: a light grey glyph strip,
// a near-white body, an orange-framed rounded selection, embossed disabled
// text and a right-hand key-hint column.
#pragma once
#include "app/menu_caption.h"

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <functional>

class QPainter;

namespace menucolors {
inline const QColor GlyphStrip{0xE3, 0xE3, 0xE3};
inline const QColor Body{0xFA, 0xFA, 0xFA};
inline const QColor SelectedFill{0xFC, 0xD5, 0x9C};
inline const QColor SelectedFillDisabled{0xEB, 0xEB, 0xEB};
inline const QColor SelectedFrame{0xFF, 0x7F, 0x00};
inline const QColor SelectedFrameDisabled{0x80, 0x80, 0x80};
} // namespace menucolors

// Glyph number passed for a menu bar item (no glyph, background bitmap).
constexpr int MenuBarGlyph = -2;

struct MenuPaintContext {
    std::function<QPixmap(int)> glyph;      // 16 x 16 glyph by number (null = none)
    QPixmap barBackground;                  // menu bar background, stretched
    int screenWidth = 0;                    // right edge for a ">" bar item
    QColor buttonHighlight{Qt::white};      // disabled text, highlight pass
    QColor buttonShadow{0x80, 0x80, 0x80};  // disabled text, shadow pass
    std::function<void()> repaintStatusBar; // for the wide "&File" bar item
};

// The default menu bar background when none is supplied: a soft vertical
// gradient.
QPixmap DefaultMenuBarBackground();

// Paints one item into rect (absolute coordinates of the menu's canvas, as
// the glyph strip sits at x = 3 .. 21 and the body starts at x = 25).
// imageIndex is the glyph of the enabled item, disabledImageIndex that of
// the disabled one (-1 none, -2 menu bar item). Uses the painter's font;
// the caption's split goes into `state`.
void DrawMenuItem(const QString& hint, QPainter& canvas, const QRect& rect, bool selected,
                  QString caption, int imageIndex, int disabledImageIndex, bool enabled,
                  const MenuPaintContext& ctx, MenuState& state);
