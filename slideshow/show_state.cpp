#include "slideshow/show_state.h"

#include "browse/folder_exclusions.h"
#include "browse/folder_tree_collect.h"
#include "browse/picture_info.h"
#include "platform/dos_date.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

int32_t IntervalGroupSeconds(int index)
{
    static constexpr int32_t seconds[] = {1, 2, 3, 5, 10};
    return index >= 0 && index < 5 ? seconds[index] : 1;
}

int32_t IntervalSecondsForIndex(int32_t index)
{
    return qBound(0, index, 59) + 1;
}

TPlayOptions PlayOptionsFrom(const TSettingsRecord& s, bool automaticShow)
{
    TPlayOptions o;
    if (automaticShow) {
        const TAutoShowOptions& a = s.AutoShowOptions;
        o.PlayOrder = a.PlayOrder;
        o.IntervalIndex = a.IntervalIndex;
        o.IncludeSubfolders = a.IncludeSubfolders;
        o.IncludeSystemFolders = a.IncludeSystemFolders;
        o.InclJPG = a.InclJPG;
        o.InclJPEG = a.InclJPEG;
        o.InclBMP = a.InclBMP;
        o.InclICO = a.InclICO;
        o.InclEMF = a.InclEMF;
        o.InclWMF = a.InclWMF;
        o.InclGIF = a.InclGIF;
        o.MaxEnlargePercent = a.MaxEnlargePercent;
        o.MaxPictures = a.MaxPictures;
        o.MinSizeKB = a.MinSizeKB;
        o.MaxSizeKB = a.MaxSizeKB;
        o.ShowTitles = a.ShowTitles;
        o.BackgroundColor = a.BackgroundColor;
    } else {
        o.PlayOrder = s.PlayOrder;
        o.IntervalIndex = s.IntervalIndex;
        o.IncludeSubfolders = s.IncludeSubfolders;
        o.IncludeSystemFolders = s.IncludeSystemFolders;
        o.InclJPG = s.InclJPG;
        o.InclJPEG = s.InclJPEG;
        o.InclBMP = s.InclBMP;
        o.InclICO = s.InclICO;
        o.InclEMF = s.InclEMF;
        o.InclWMF = s.InclWMF;
        o.InclGIF = s.InclGIF;
        o.MaxEnlargePercent = s.MaxEnlargePercent;
        o.MaxPictures = s.MaxPictures;
        o.MinSizeKB = s.MinSizeKB;
        o.MaxSizeKB = s.MaxSizeKB;
        o.ShowTitles = s.ShowTitles;
        o.BackgroundColor = s.BackgroundColor;
    }
    o.ContinuousPlay = s.ContinuousPlay;
    o.IgnoreErrors = s.IgnoreErrors;
    o.ExcludeSmallPics = FlagOn(s.ExcludeSmallPics) ? 1 : 0;
    o.IntervalSeconds = IntervalGroupSeconds(o.IntervalIndex);
    return o;
}

void ApplyShowOptions(ShowSession& session, const TSettingsRecord& settings)
{
    TPlayOptions& PlayOptions = session.PlayOptions;
    TShowState& ShowState = session.ShowState;
    PlayOptions = PlayOptionsFrom(settings, session.AutoShowRunning == 1);
    // The speed steps count whole seconds from one: the step of the chosen
    // interval is its seconds less one.
    session.ShowIntervalStep = qBound(0, PlayOptions.IntervalSeconds - 1, 59);
    ShowState.PlayOrder = PlayOptions.PlayOrder;
    ShowState.DefaultInterval = PlayOptions.IntervalSeconds;
    ShowState.CurrentInterval = PlayOptions.IntervalSeconds;
    ShowState.EnlargeLimit = PlayOptions.MaxEnlargePercent;
    ShowState.SkipUnreadable = PlayOptions.IgnoreErrors;
    ShowState.TitleOption = PlayOptions.ShowTitles;
    ShowState.BackgroundColor = PlayOptions.BackgroundColor;
    ShowState.ContinuousPlay = PlayOptions.ContinuousPlay;
    if (ShowState.LoopFlag == 1 && session.PlaybackActive == 1)
        ShowState.ContinuousPlay = 1;
}

bool PictureIncluded(const QString& path, qint64 sizeBytes, const TPlayOptions& o)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool typeOn = false;
    if (suffix == QLatin1String("jpg"))
        typeOn = o.InclJPG;
    else if (suffix == QLatin1String("jpeg"))
        typeOn = o.InclJPEG;
    else if (suffix == QLatin1String("bmp"))
        typeOn = o.InclBMP;
    else if (suffix == QLatin1String("ico"))
        typeOn = o.InclICO;
    else if (suffix == QLatin1String("emf"))
        typeOn = o.InclEMF;
    else if (suffix == QLatin1String("wmf"))
        typeOn = o.InclWMF;
    else if (suffix == QLatin1String("gif"))
        typeOn = o.InclGIF;
    if (!typeOn)
        return false;
    if (o.MinSizeKB > 0 && sizeBytes < qint64(o.MinSizeKB) * 1024)
        return false;
    if (o.MaxSizeKB > 0 && sizeBytes > qint64(o.MaxSizeKB) * 1024)
        return false;
    return true;
}

QStringList CollectFolderPictures(const DataPaths& paths, FolderExclusionState& exclusions, const QString& folder,
                                  const TPlayOptions& options, bool demoMode, const bool* cancel)
{
    // The folders come from the tree's subfolder collection: no names with
    // "xx", no thumbnail or excluded folders, each folder once even when
    // symbolic links lead back to it.
    const QStringList folders =
        options.IncludeSubfolders ? CollectSubfolderTree(paths, exclusions, folder, options.IncludeSystemFolders != 0,
                                                         exclusions.SearchCollecting == 1, demoMode,
                                                         options.ExcludeSmallPics != 0, cancel)
                                  : QStringList{folder};
    QStringList pictures;
    for (const QString& current : folders) {
        if (cancel && *cancel)
            break;
        QDir::Filters filters = QDir::Files | QDir::NoDotAndDotDot;
        if (options.IncludeSystemFolders)
            filters |= QDir::Hidden;
        const QFileInfoList files = QDir(current).entryInfoList(filters, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& file : files)
            if (PictureIncluded(file.fileName(), file.size(), options))
                pictures << file.absoluteFilePath();
        if (options.MaxPictures > 0 && pictures.size() >= options.MaxPictures)
            break;
        QCoreApplication::processEvents();
    }
    if (options.MaxPictures > 0 && pictures.size() > options.MaxPictures)
        pictures = pictures.mid(0, options.MaxPictures);
    return pictures;
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

double ShowPictureDate(const QString& path)
{
    const platform::DosDateTime fileDate = platform::FileDosDate(path);
    const platform::DosDateTime packed = platform::DosDateTime(ExifDateAsFileDate(path, int32_t(fileDate)));
    if (packed == 0)
        return 0;
    return platform::DateTimeToDays(platform::DosToDateTime(packed));
}

void StoreLastShowRecord(TSettingsRecord& s, const QString& source, bool automaticShow, bool demoOrArgument)
{
    if (automaticShow || demoOrArgument || source.isEmpty() || source.toUtf8().size() > 200)
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
