#include "browse/recent_lists.h"

#include "base/caption_helpers.h"

#include <QFileInfo>

#include <vector>

const QString DraftShowFileName = QStringLiteral("vistamo.vxt");
const QString UnchangeableFavoriteText =
    QStringLiteral("A MyShow file that can not be changed, can not be added to Favorites");
const QString FavoritesFullText = QStringLiteral("Favoritslist is full, folder could not be added!")
                                  + QLatin1Char('\n')
                                  + QStringLiteral("Start 'Favorites maintenance' to make space?");

QString AddFavoriteNowText(const QString& path)
{
    return QStringLiteral("Add '") + path + QStringLiteral("' to Favorites now?");
}

bool SameListPath(const QString& a, const QString& b, ListCompare compare)
{
    return compare == ListCompare::Exact ? a == b : a.toLower() == b.toLower();
}

int FindListEntry(std::span<const QString> list, const QString& path, ListCompare compare)
{
    if (path.isEmpty())
        return -1;
    for (size_t i = 0; i < list.size(); ++i)
        if (!list[i].isEmpty() && SameListPath(list[i], path, compare))
            return int(i);
    return -1;
}

bool RemoveListEntry(std::span<QString> list, const QString& path, ListCompare compare)
{
    const int found = FindListEntry(list, path, compare);
    if (found < 0)
        return false;
    for (size_t i = size_t(found); i + 1 < list.size(); ++i)
        list[i] = list[i + 1];
    list.back().clear();
    return true;
}

void PutAtTopOfRecent(std::span<QString> list, const QString& path)
{
    if (list.empty() || path.isEmpty())
        return;
    std::vector<QString> result{path};
    // Only the old entries before the last one are looked at: the last
    // always drops out.
    for (size_t i = 0; i + 1 < list.size(); ++i)
        if (!list[i].isEmpty() && !SameListPath(list[i], path, ListCompare::IgnoreCase))
            result.push_back(list[i]);
    for (size_t i = 0; i < list.size(); ++i)
        list[i] = i < result.size() ? result[i] : QString();
}

void PutAtTopOfHistory(std::span<QString> list, const QString& path)
{
    if (list.empty() || path.isEmpty())
        return;
    size_t slot = list.size() - 1;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].isEmpty() || list[i] == path) {
            slot = i;
            break;
        }
    for (size_t i = slot; i > 0; --i)
        list[i] = list[i - 1];
    list[0] = path;
}

int AddToFirstFreeSlot(std::span<QString> list, const QString& path)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].isEmpty()) {
            list[i] = path;
            return int(i);
        }
    return -1;
}

QString ListMenuCaption(int index, const QString& entry)
{
    return QStringLiteral("&") + QString::number(index + 1) + QStringLiteral(" - ") + DoubleAmpersands(entry);
}

bool ShowMayNotChange(bool showRunning, bool playedDirectly, bool showChangeable)
{
    if (showChangeable)
        return false;
    return !showRunning || !playedDirectly;
}

RecentAddOutcome AddToRecentList(TSettingsRecord& settings, const RecentAddInput& in)
{
    RecentAddOutcome out;
    if (in.path.isEmpty())
        return out;
    if (!in.listEntryStarted && in.existingShowFile && in.mayNotChange) {
        out.result = RecentAddResult::Unchangeable;
        return out;
    }
    if (in.convertedUnsaved) {
        out.result = RecentAddResult::ConvertedUnsaved;
        return out;
    }
    if (QFileInfo(in.path).fileName().toLower() == DraftShowFileName) {
        out.result = RecentAddResult::DraftShow;
        return out;
    }
    const int favorite = FindListEntry(settings.Favorites, in.path, ListCompare::IgnoreCase);
    if (favorite >= 0) {
        out.result = RecentAddResult::IsFavorite;
        out.favoriteIndex = favorite;
        return out;
    }
    PutAtTopOfRecent(settings.RecentFolders, in.path);
    out.result = RecentAddResult::Added;
    return out;
}

int FindInList(const TSettingsRecord& settings, QChar kind, const QString& path)
{
    switch (kind.toUpper().unicode()) {
    case 'R':
        return FindListEntry(settings.RecentFolders, path, ListCompare::IgnoreCase);
    case 'F':
        return FindListEntry(settings.Favorites, path, ListCompare::IgnoreCase);
    case 'H':
        return FindListEntry(settings.ShowHistory, path, ListCompare::Exact);
    default:
        return -1;
    }
}
