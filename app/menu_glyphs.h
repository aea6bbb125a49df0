// The glyph pair (enabled / disabled) that each menu item of the main
// window is painted with, by the item's object name.
#pragma once
#include <QString>

struct MenuGlyphPair {
    int enabled = -1;
    int disabled = -1;
    bool operator==(const MenuGlyphPair&) const = default;
};

// Program state some glyph pairs depend on.
struct MenuGlyphState {
    bool myShowHidden = false;   // HideShowMyShow: 94/95 hidden, 92/93 shown
    bool showRunning = false;    // ShowAll: 74/75 during a show, else 137/138
    bool picturePopup = false;   // ShowPicFullPop: 125/126 in the thumbnail-page pop-up
};

// -2/-2 for menu bar items, -1/-1 for items without glyphs. Drive and
// recent/favourite entries take their glyph from the caption; check items
// (view choices, pictures per page, monitors) show glyph 67 when checked.
MenuGlyphPair MenuGlyphsFor(const QString& objectName, const QString& caption, bool checked,
                            const MenuGlyphState& state = {});

// True for the main menu bar items.
bool IsMenuBarItemName(const QString& objectName);
