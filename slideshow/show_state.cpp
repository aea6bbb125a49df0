#include "slideshow/show_state.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

int32_t IntervalSecondsForIndex(int32_t index)
{
    return qBound(0, index, 59) + 1;
}

QList<int> BuildPlayOrder(const QStringList& paths, const QList<double>& dates, int32_t playOrder, quint32 seed)
{
    const int count = int(paths.size());
    QList<int> order;
    for (int i = 0; i < count; ++i)
        order << i;
    const auto dateOf = [&dates](int i) { return i < dates.size() ? dates[i] : 0.0; };
    switch (playOrder) {
    case 1: {
        QRandomGenerator random(seed);
        for (int i = count - 1; i > 0; --i)
            std::swap(order[i], order[int(random.bounded(quint32(i + 1)))]);
        break;
    }
    case 2:
        std::stable_sort(order.begin(), order.end(), [&paths](int a, int b) {
            return paths[a].compare(paths[b], Qt::CaseInsensitive) < 0;
        });
        break;
    case 3:
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return dateOf(a) < dateOf(b); });
        break;
    case 4:
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return dateOf(a) > dateOf(b); });
        break;
    default:
        break;
    }
    return order;
}

bool PlayOrderByDate(int32_t playOrder) { return playOrder == 3 || playOrder == 4; }

void StoreLastShowRecord(TSettingsRecord& s, const QString& source, bool automaticShow, bool demoOrArgument)
{
    // A kept automatic show is never replaced by a show the user plays.
    if (s.KeepAutoShow == 1 || automaticShow || demoOrArgument || source.isEmpty() || source.toUtf8().size() > 200)
        return;
    const QFileInfo info(source);
    if (!info.isDir() && !(info.isFile() && info.suffix().compare(QLatin1String("vxt"), Qt::CaseInsensitive) == 0))
        return;
    s.AutoShowPath = source;
    TAutoShowOptions& a = s.AutoShowOptions;
    a.PlayOrder = s.PlayOrder;
    a.IntervalIndex = s.IntervalIndex;
    a.IncludeSubfolders = s.IncludeSubfolders;
    a.IncludeSystemFolders = s.IncludeSystemFolders;
    a.InclJPG = s.InclJPG;
    a.InclJPEG = s.InclJPEG;
    a.InclBMP = s.InclBMP;
    a.InclICO = s.InclICO;
    a.InclEMF = s.InclEMF;
    a.InclWMF = s.InclWMF;
    a.InclGIF = s.InclGIF;
    a.MaxEnlargePercent = s.MaxEnlargePercent;
    a.MaxPictures = s.MaxPictures;
    a.MinSizeKB = s.MinSizeKB;
    a.MaxSizeKB = s.MaxSizeKB;
    a.ShowTitles = s.ShowTitles;
    a.BackgroundColor = s.BackgroundColor;
}
