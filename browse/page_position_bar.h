// The page position bar of the thumbnail view: a row of small blocks in
// the right-most panel of the status bar that marks where the page lies in
// the whole picture list, and the percentage beside it. Plain values; the
// window draws them.
#pragma once

#include <QRect>
#include <QString>

#include <vector>

struct PagePositionBarInput {
    int statusBarHeight = 0;
    int clientWidth = 0;        // the main window's client width
    int screenWidth = 0;
    int panelWidth = 0;         // the right-most status panel
    int percentTextWidth = 0;   // the width of " 100%" in the status bar's font
    bool maximizedLayout = false;
    bool pageHoldsAll = false;  // PageHoldsAllPictures
    QString lastCaption;        // the caption line of the page's last slot
    int total = 0;              // the show's picture total
    int slotsPerPage = 0;
};

struct PagePositionBar {
    int y = 0;                  // top of every block image
    std::vector<int> blockX;    // left of each block image
    std::vector<bool> marked;   // image 26 when marked, 25 when not
    // The text: "100%   " when the page holds all pictures, else the
    // percentage + " %     " written after the old text (21 blanks, opaque)
    // was cleared and the bottom-bar picture stretched over `stretch`.
    QString text;
    int textX = 0;
    bool clearOldText = false;
    QRect stretch;
};

// The text written over the old percentage before the bottom bar is redrawn.
inline const QString kPageBarBlankText = QString(21, QLatin1Char(' '));

// The blocks: room = panel width - 10 - the text width of " 100%", nearest
// (room / 3) of them. A page that holds all pictures marks every block.
// Otherwise p = the number before " -" in the last caption (its play
// position; a caption without one counts as the end of the list), filled =
// max(1, nearest(blocks / (total / slots))), end = max(0, nearest(blocks /
// total x p) - 1), and `filled` blocks from `end` backwards are marked,
// wrapping to the last block below 0.
PagePositionBar ComputePagePositionBar(const PagePositionBarInput& in);
