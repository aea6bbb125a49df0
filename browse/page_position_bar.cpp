#include "browse/page_position_bar.h"

#include "browse/fit_zoom.h"
#include "browse/picture_file_ops.h"

#include <algorithm>

PagePositionBar ComputePagePositionBar(const PagePositionBarInput& in)
{
    PagePositionBar bar;
    bar.y = (in.statusBarHeight - 15) / 2;
    const int room = in.panelWidth - 10 - in.percentTextWidth;
    const int blocks = std::max(0, fitzoom::RoundHalfEven(room / 3.0));
    const int firstX = 4 * (in.clientWidth / 5) + 8 - (in.maximizedLayout ? 4 : 0);
    for (int i = 0; i < blocks; ++i)
        bar.blockX.push_back(firstX + 3 * i);
    const int lastX = blocks > 0 ? bar.blockX.back() : firstX;

    if (in.pageHoldsAll || in.total <= 0 || in.slotsPerPage <= 0) {
        bar.marked.assign(size_t(blocks), true);
        bar.text = QStringLiteral("100%   ");
        bar.textX = 5 * (in.clientWidth / 5) - 27;
        return bar;
    }
    bar.marked.assign(size_t(blocks), false);
    const int p = std::clamp(NumberBeforeDash(in.lastCaption), 0, in.total);
    const double T = in.total;
    if (blocks > 0) {
        const int filled = std::max(1, fitzoom::RoundHalfEven(blocks / (T / in.slotsPerPage)));
        const int end = std::max(0, fitzoom::RoundHalfEven(blocks / T * p) - 1);
        for (int k = 0, i = std::min(end, blocks - 1); k < std::min(filled, blocks); ++k) {
            bar.marked[size_t(i)] = true;
            i = i > 0 ? i - 1 : blocks - 1;
        }
    }
    bar.clearOldText = true;
    bar.textX = lastX + 5;
    bar.stretch = QRect(lastX + 1, 1, std::max(0, in.screenWidth - (lastX + 1)), std::max(0, in.statusBarHeight - 1));
    bar.text = QString::number(fitzoom::RoundHalfEven(p / T * 100)) + QStringLiteral(" %     ");
    return bar;
}
