#include "browse/picture_display_page.h"

#include "browse/fit_zoom.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

QRect FitPictureInCell(QSize cellSize, QSize pictureSize, int limitPercent)
{
    if (pictureSize.width() <= 0 || pictureSize.height() <= 0 || cellSize.width() <= 0 || cellSize.height() <= 0)
        return {};
    const double fy = double(cellSize.height()) / pictureSize.height();
    const double fx = double(cellSize.width()) / pictureSize.width();
    const double f = std::min(std::min(fy, fx), fitzoom::LimitFactor(limitPercent));
    const int w = std::max(1, fitzoom::RoundHalfEven(pictureSize.width() * f));
    const int h = std::max(1, fitzoom::RoundHalfEven(pictureSize.height() * f));
    const int left = fitzoom::RoundHalfEven((cellSize.width() - w) / 2.0);
    const int top = fitzoom::RoundHalfEven((cellSize.height() - h) / 2.0);
    return QRect(left, top, w, h);
}

QString CellHintText(const QString& path)
{
    const QFileInfo info(path);
    QString folder = info.path();
    if (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return QStringLiteral("Title: ") + info.fileName() + QLatin1Char('\n') + QStringLiteral("Path: ") + folder;
}

QString CellCaptionText(int shownNumber, const QString& path)
{
    return QString::number(shownNumber) + QStringLiteral(" - ") + QFileInfo(path).fileName();
}

PageLoadResult FillPageSlots(std::vector<int> cells, int first, const PageCursor& cursor,
                             const std::function<bool(int slot, int pictureIndex)>& load,
                             const std::function<bool()>& aborted)
{
    PageLoadResult result;
    first = std::max(0, first);
    for (size_t i = size_t(first); i < cells.size(); ++i)
        cells[i] = -1;
    const int count = int(cells.size());
    for (int i = 0; i < count; ++i) {
        if (aborted && aborted()) {
            result.aborted = true;
            break;
        }
        if (i < first && cells[size_t(i)] >= 0) {
            ++result.loaded; // kept from before
            continue;
        }
        const int index = cursor.currentIndex();
        if (std::find(cells.begin(), cells.begin() + i, index) != cells.begin() + i) {
            cursor.previous();
            break;
        }
        cells[size_t(i)] = index;
        if (load(i, index))
            ++result.loaded;
        if (i != count - 1)
            cursor.next();
    }
    result.cells = std::move(cells);
    return result;
}
