// Loading a thumbnail page: which picture goes into which cell, how a
// picture is fitted into its cell, and the cell's caption and hint.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

// How a picture of pictureSize sits in a cell of cellSize: the smaller fit
// factor, held to (limit + 100) / 100, sizes rounded halves to even,
// centred with left = round((cell width - image width) / 2) (top likewise).
// A picture of no width or height gives an empty rectangle.
QRect FitPictureInCell(QSize cellSize, QSize pictureSize, int limitPercent);

// "Title: " + file name + line break + "Path: " + folder (no trailing "/").
QString CellHintText(const QString& path);
// The shown number + " - " + file name.
QString CellCaptionText(int shownNumber, const QString& path);

// The part of a page load that decides the cells. From slot `first` on,
// every slot is marked empty (-1); then slot after slot takes the picture
// at the show cursor (`currentIndex`) and the cursor moves "Next" (not
// after the last slot). When the cursor's picture already stands in an
// earlier slot of the page, the cursor steps back once ("Previous"), the
// slot stays empty and loading stops: the list is shorter than the page.
// `load` loads one slot and returns false when its picture could not be
// shown; `aborted` is polled before each slot.
struct PageCursor {
    std::function<int()> currentIndex;
    std::function<void()> next;
    std::function<void()> previous;
};
struct PageLoadResult {
    std::vector<int> cells;   // picture index per slot, -1 empty
    int loaded = 0;           // pictures shown
    bool aborted = false;
};
PageLoadResult FillPageSlots(std::vector<int> cells, int first, const PageCursor& cursor,
                             const std::function<bool(int slot, int pictureIndex)>& load,
                             const std::function<bool()>& aborted = {});
