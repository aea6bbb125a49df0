// The program's image lists, mapped to icons of the desktop's icon theme
// (Adwaita as the fallback theme). The numbering of each list is the one the
// program's rules use (menu glyph numbers, tree node images, tool-button
// images).
//
// Disabled glyphs (the second number of a menu item's enabled/disabled pair)
// are the same theme icon drawn in the disabled style, because the menu
// painter draws every glyph in the normal style.
#pragma once

#include <QIcon>
#include <QList>
#include <QString>

namespace platform {

enum class ImageListId {
    MenuIL,        // the 16 x 16 menu glyphs (0 .. 138)
    ImageList1,    // folder-tree node images (0 .. 22) and page glyphs (24 .. 26)
    ImageList2,    // tool-button images (program icons 5, 22, 34, 55; MyShow 35/36 …)
    SGImageList1,  // status-bar panel icons (4, 5)
};

// The icon for an index of a list. Never null for an index >= 0: an index the
// table does not know, or a theme without the icon, gives a neutral
// placeholder. A run-time replacement (program icons) wins over the table.
QIcon ImageListIcon(ImageListId list, int index);

// The same icon, looked up in the theme only when it is first drawn or
// measured: tool bars set many of these before their first paint, most of
// them on buttons hidden then.
QIcon LazyImageListIcon(ImageListId list, int index);

// A 16 x 16 pixmap of the icon (what the menu painter draws).
QPixmap ImageListPixmap(ImageListId list, int index, int size = 16);

// The theme icon names tried for an index, in order ("" list when unknown).
QStringList ImageListThemeNames(ImageListId list, int index);

// True when the index is a disabled twin (drawn greyed).
bool ImageListIsDisabledGlyph(ImageListId list, int index);

// Every index the table defines for a list, ascending.
QList<int> ImageListIndexes(ImageListId list);

// Replaces an index by an icon at run time (the small icons of configured
// programs: MenuIL 76 .. 85, 116, 130; ImageList1 22; ImageList2 22, 55);
// a null icon restores the table's icon.
void ReplaceImageListIcon(ImageListId list, int index, const QIcon& icon);
void RestoreImageListIcons();

// The small icon of a program file (the Linux form of taking a program's
// first small icon): the Icon of the .desktop file whose TryExec or Exec
// starts that program (by full path or by command name), looked for in the
// XDG applications folders; a null icon when there is none.
QIcon ProgramIcon(const QString& programPath);

// The same over given applications folders (tests).
QIcon ProgramIconIn(const QString& programPath, const QStringList& applicationDirs);

} // namespace platform
