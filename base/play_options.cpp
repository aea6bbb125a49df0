#include "base/play_options.h"

#include <QtGlobal>

int32_t IntervalGroupSeconds(int index)
{
    static constexpr int32_t seconds[] = {1, 2, 3, 5, 10};
    return index >= 0 && index < 5 ? seconds[index] : 1;
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
