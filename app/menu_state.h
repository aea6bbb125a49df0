// State of the owner-drawn menu machinery, kept by the menu style that
// measures and paints every menu (MenuProxyStyle). The measurers and the
// caption splitter write it; the painter and the item-size queries read it.
#pragma once
#include <QString>
#include <cstdint>

struct MenuState {
    int32_t MenuItemWidth = 0;      // item width of the menu measured last
    int32_t MenuMaxHintWidth = 0;   // widest key hint of the menu measured last
    QString MenuCaptionText;        // left part of the caption split last
    int32_t MenuHintWidth = 0;      // width of the key hint of the caption split last
    QString MenuShortcutText;       // key hint of the item being painted
};
