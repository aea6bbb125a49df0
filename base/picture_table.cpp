// The picture table and its growth during a collection.
#include "base/picture_table.h"

#include "base/show_session.h"

#include <algorithm>

QString CollectionProgressText(int32_t pictureCount)
{
    return QString::number(pictureCount) + QStringLiteral(" pictures selected...");
}

QString GrowSelectionList(int32_t count, bool progress, ShowSession& session)
{
    std::vector<TPictureEntry>& table = session.PictureTable;
    int32_t& CollectionProgressCounter = session.CollectionProgressCounter;
    const int64_t needed = std::max<int64_t>(0, int64_t(count) + 10);
    if (!progress) {
        table.resize(size_t(needed));
        return {};
    }
    QString progressText;
    ++CollectionProgressCounter;
    if (CollectionProgressCounter > 250) {
        progressText = CollectionProgressText(session.PictureCount);
        CollectionProgressCounter = 0;
    }
    if (int64_t(table.size()) < needed) {
        // Grow in steps of 500, but never leave the table smaller than needed.
        const int64_t grown = std::max<int64_t>(int64_t(table.size()) + PictureTableGrowStep, needed);
        table.resize(size_t(grown));
    }
    return progressText;
}
