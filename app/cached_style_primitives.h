// Style primitives drawn from a pixmap made once per look. The frame of a
// line edit and the box of a check box are antialiased curves and gradients
// in the base style; a page of thumbnails repaints 77 of each at once, and
// a pixmap costs a fraction of the curves to draw.
#pragma once

#include <QStyle>

#include <functional>

class QPainter;
class QStyleOption;

// Draws `element` with `option` from the cache when it is one of those kept
// (PE_FrameLineEdit, PE_IndicatorCheckBox) and the painter only moves what
// it draws; the pixmap is made by `draw` (the base style's drawing). False
// for anything else, which the caller draws itself.
bool DrawCachedPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                         const std::function<void(const QStyleOption*, QPainter*)>& draw);
