// Menu caption conventions: the key-hint marker "~-", the hint width tag,
// the drive access-key cell, and the width measurement of a menu.
#pragma once
#include "app/menu_state.h"

#include <QString>
#include <functional>
#include <vector>

// Width of a text in pixels, in the font the menu is painted in.
using MenuTextWidth = std::function<int(const QString&)>;

struct MenuCaptionParts {
    QString left;   // text before "~-", trailing blanks removed (empty without a marker)
    QString hint;   // from the "-" of the marker to the end (empty without a marker)
};

// Splits a caption at the first "~-" without touching the shared state.
MenuCaptionParts SplitCaptionParts(const QString& caption);

// Splits a caption, stores the left part in state.MenuCaptionText and the
// key hint's width in state.MenuHintWidth; returns the key hint ("" without
// a marker). A caption that starts with the marker has an unmeasured (0)
// key hint.
QString SplitMenuCaption(const QString& caption, const MenuTextWidth& width, MenuState& state);

// The widest key-hint width carried in an item's hint tag (marker character
// then a decimal number). Empty or non-numeric tags count as 0.
int HintTagWidth(const QString& hint);

// True for captions such as "&c - Fixed drive" whose first five characters
// lie between "&a - " and "&z - " (byte order): their first two characters
// are drawn in a cell of their own.
bool IsAccessCellCaption(const QString& caption);

// The file-name part of a caption: the text after the last "\", "/" or ":".
QString MenuFileNamePart(const QString& caption);

struct MenuMeasureItem {
    QString caption;
    bool visible = true;
    QString hint;       // rewritten to the width tag by MeasureMenuItems
};

struct MenuMeasureResult {
    int itemWidth = 0;      // widest text + 40, or + 60 + widest key hint
    int maxHintWidth = 0;   // widest key hint
};

// Measures the items of one menu: sets state.MenuItemWidth and
// state.MenuMaxHintWidth, and gives every visible item the hint tag of the
// widest key hint. With fileNamePart the file-name part of each caption is
// measured.
MenuMeasureResult MeasureMenuItems(std::vector<MenuMeasureItem>& items,
                                   const MenuTextWidth& width, MenuState& state,
                                   bool fileNamePart = false);

// Glyph of a drive entry from its caption: fixed 2, removable/floppy 3,
// CD 4, network 56, else -1. Understands both "&c - Fixed drive" and
// "&C: / Fixed Drive".
int DriveImageIndex(const QString& caption);

// Glyph of a recent or favourite entry: 57 for a show file (".vxt"), else 58.
int FavoriteImageIndex(const QString& caption);

// Every blank replaced by "_".
QString SpacesToUnderscores(const QString& text);
