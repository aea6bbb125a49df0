#include "base/settings_versions.h"

#include "base/data_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

const std::vector<int>& OlderSettingsVersions()
{
    static const std::vector<int> versions = {30, 31, 32, 33, 40, 41, 42, 43, 50, 51, 52, 53, 54, 60};
    return versions;
}

TSettingsMigration MigrateSettingsFile(const QString& dataFolder, const QString& settingsPath)
{
    TSettingsMigration result;
    const auto numbered = [&](int n) { return dataFolder + QLatin1Char('/') + SettingsFileNameFor(n); };
    if (QFileInfo::exists(settingsPath)) {
        for (int n = 10; n <= 60; ++n) {
            const QString old = numbered(n);
            if (QFileInfo(old).isFile() && QFile::remove(old))
                result.DeletedFiles << old;
        }
        return result;
    }
    // The newest older file holds the user's latest settings; the older ones
    // are left and removed at the next start, once the current file exists.
    const auto& versions = OlderSettingsVersions();
    for (auto it = versions.rbegin(); it != versions.rend(); ++it) {
        const QString old = numbered(*it);
        if (!QFileInfo(old).isFile())
            continue;
        result.FoundVersion = *it;
        result.Converted = true;
        result.Moved = QFile::rename(old, settingsPath);
        break;
    }
    return result;
}

QString KeepShortSettingsFileAside(const QString& settingsPath)
{
    const QFileInfo info(settingsPath);
    if (!info.isFile() || info.size() >= SettingsRecordSize)
        return QString();
    const QString bad = settingsPath + QStringLiteral(".bad");
    QFile::remove(bad);
    if (!QFile::rename(settingsPath, bad))
        return QString();
    return bad;
}

namespace {

void resetMonthlySuggestion(TSettingsRecord& rec, int dayOfMonth)
{
    rec.SuggestionMonths.fill(0);
    rec.AskMonthlyUpdate = 1;
    rec.SuggestionDay = std::clamp(dayOfMonth, 1, 28);
}

// A list entry naming a show file that is gone points into the shows folder
// when a file of that name is there.
template <size_t N>
void relinkMovedShows(std::array<QString, N>& list, const QString& showsFolder)
{
    for (QString& entry : list) {
        if (entry.isEmpty() || !entry.toLower().endsWith(QLatin1String(".vxt")) || QFileInfo::exists(entry))
            continue;
        const QString moved = showsFolder + QLatin1Char('/') + QFileInfo(entry).fileName();
        if (QFileInfo(moved).isFile())
            entry = moved;
    }
}

} // namespace

void ApplySettingsUpgrades(TSettingsRecord& s, int v, const QString& dataFolder, const QString& showsFolder,
                           int dayOfMonth)
{
    if (v <= 32) {
        s.ShowHints = 1;
        s.MailSizeQuality = 1752;
        s.OpenCopiedShow = s.PackIncludeMyShow = s.PackIncludeInstructions = s.PackIncludeSoundFiles = 1;
        s.SearchOrAnd1 = 0;
        s.SearchOrAnd2 = 1;
        s.MailCustomWidth = 100;
        s.MailCustomHeight = 75;
        s.MaxPictureAttachments = 250;
        s.MyShowHidden = 0;
    }
    if (v <= 33) {
        s.PanelLeft = s.PanelRight = s.PanelTop = 0;
        s.DockPanel = s.ShowPanelWhenPaused = s.PlayerDontAdd = 1;
        s.PlayerOnlyTitle = 0;
        s.ShowBurnerMessage = 1;
        s.SpareText2414.clear();
        resetMonthlySuggestion(s, dayOfMonth);
    }
    if (v <= 40) {
        const QString one = QStringLiteral("1"), zero = QStringLiteral("0");
        s.AttachVoice = QStringLiteral("A");
        s.NowPlayingLeft = s.NowPlayingTop = 0;
        s.PlaylistPlayOrder = zero;
        s.VoiceDeleteMode = one;
        s.VoiceRecordQuality = QStringLiteral("2");
        s.VoiceLongerAction = zero;
        s.AutoCopyVoice = s.PackIncludeVoice = s.PackIncludePlaylist = s.DefaultFade = one;
        s.SearchVoiceOnly = zero;
        s.ResetFileDate = one;
        s.MaxSoundAttachments = 10;
        s.MaxPictures = 25000;
    }
    if (v <= 42)
        s.MailResample = 0;
    if (v <= 43) {
        s.PicturesPerPageIndex = QStringLiteral("3");
        s.ThumbFillMode = QStringLiteral("1");
    }
    if (v <= 50)
        s.SearchShowResults = QStringLiteral("0");
    if (v <= 52) {
        s.LastOpenShowFolder = s.LastSaveShowFolder = dataFolder + QStringLiteral("/Vistamo! Slide Shows");
        relinkMovedShows(s.RecentFolders, showsFolder);
        relinkMovedShows(s.Favorites, showsFolder);
        relinkMovedShows(s.ShowHistory, showsFolder);
    }
    if (v <= 53)
        s.ExcludeSmallPics = s.HideSmallPics = s.ShowCameraModel = QStringLiteral("1");
    if (v <= 54) {
        s.SearchShowResults = QStringLiteral("1");
        for (int off : {10541, 10797, 12020, 12021})
            s.RawBytes[off] = 0;
        s.CustomRatioWidth = s.CustomRatioHeight = s.CropRatioWidth = s.CropRatioHeight = 0;
        s.ThumbInfoShown = 0;
        s.ThumbManualMode = 1;
        for (QString& b : s.Bookmarks)
            b.clear();
    }
}

void CompactProgramList(std::array<QString, 5>& list)
{
    for (QString& entry : list) {
        if (!entry.isEmpty() && !QFileInfo(entry).isFile())
            entry.clear();
    }
    std::array<QString, 5> packed;
    size_t n = 0;
    for (const QString& entry : list)
        if (!entry.isEmpty())
            packed[n++] = entry;
    list = packed;
}
