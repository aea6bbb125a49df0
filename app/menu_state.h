// Shared state of the owner-drawn menu machinery. The measurers and the
// caption splitter write it; the painter and the item-size queries read it.
#pragma once
#include <QString>
#include <cstdint>

extern int32_t MenuItemWidth;      // item width of the menu measured last
extern int32_t MenuMaxHintWidth;   // widest key hint of the menu measured last
extern QString MenuCaptionText;    // left part of the caption split last
extern int32_t MenuHintWidth;      // width of the key hint of the caption split last
extern QString MenuShortcutText;   // key hint of the item being painted
