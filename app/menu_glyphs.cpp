#include "app/menu_glyphs.h"
#include "app/menu_caption.h"

#include <QHash>
#include <QRegularExpression>

namespace {

const QHash<QString, MenuGlyphPair>& glyphTable()
{
    static const QHash<QString, MenuGlyphPair> table = [] {
        QHash<QString, MenuGlyphPair> t;
        const auto add = [&t](std::initializer_list<const char*> names, int en, int dis) {
            for (const char* n : names)
                t.insert(QString::fromLatin1(n), MenuGlyphPair{en, dis});
        };
        add({"Search"}, 0, 1);
        add({"SavePictureTo", "Save"}, 5, 6);
        add({"MovePictureTo", "Move"}, 7, 8);
        add({"SendRecycleBin", "RecycleBin", "DeleteMyShow", "DeleteFolderPop", "DeleteFolder1"}, 9, 10);
        add({"RenamePicture", "Rename"}, 11, 12);
        add({"LaunchEditProgram1", "RaunchEditProgram"}, 13, 14);
        add({"MakeAutomatic", "MakeAutoMaticPop", "MakeAutomaticB"}, 15, 16);
        add({"MakeAutCDROM", "AutoFolderToCDPop"}, 17, 18);
        add({"PictureShow1", "StartSlideShowPop", "Restart"}, 19, 20);
        add({"StopPictureShow1"}, 21, 22);
        add({"ShowinReverse1"}, 23, 24);
        add({"ShowForward1"}, 25, 26);
        add({"ManualMode1"}, 27, 28);
        add({"PictureBackwards"}, 29, 30);
        add({"PictureForward"}, 31, 32);
        add({"UseEntireScreen1", "ShowPicFull", "ShowPicFullHidden", "ResumeInFull"}, 33, 34);
        add({"ClearBookMarks"}, 35, 36);
        add({"DriveChange1"}, 37, 38);
        add({"FileOperations"}, 39, -1);
        add({"ClearExclusions"}, 40, 36);
        add({"MakeDefault", "MakeDefaultPop", "DPDefStartUp"}, 41, 42);
        add({"LoadMyShow", "EditPlaylist"}, 45, 46);
        add({"MyShowDraft", "DefPlaylist"}, 47, 48);
        add({"NewShow", "NewPlayList"}, 49, 49);
        add({"SaveMyShow"}, 50, 51);
        add({"SaveMyShowAs"}, 52, 53);
        add({"CloseMyShow"}, 54, 55);
        add({"SlideShowShow", "SlideShowThShow", "AddShow", "AutomaticShow"}, 57, 57);
        add({"SlideShowFolder", "SlideShowThFolder", "AddFolder", "AutomaticFolder"}, 58, 58);
        add({"PictureShowOptions1"}, 59, 60);
        add({"AboutPictureShow1"}, 61, 61);
        add({"VXOnlineHelp"}, 62, 62);
        add({"Wallpaper", "SetWalPaper", "WallPaperB"}, 63, 64);
        add({"MergeMyShow"}, 70, 71);
        add({"AddToShow", "AddToShowM"}, 72, 73);
        add({"AddMult", "AddPicMult"}, 74, 75);
        add({"Support"}, 86, 86);
        add({"CreateFolderPop", "CreatenewFolder"}, 87, 88);
        add({"WindowsExplorer", "WindowsExplorer1"}, 89, 89);
        add({"MailPictures", "MailSinglePic", "MailB", "Mail"}, 90, 90);
        add({"GettingStarted"}, 96, 96);
        add({"PlaylistFW"}, 98, 101);
        add({"PlaylistBA"}, 99, 100);
        add({"VoicePop", "Voice"}, 103, 104);
        add({"ControlVolume"}, 106, 106);
        add({"UndoM"}, 108, 109);
        add({"MRotateL", "RCRotateL"}, 111, 112);
        add({"MRotateR", "RCRotateR"}, 113, 114);
        add({"Irfanview"}, 115, 115);
        add({"Tarnivo", "TarnivoPop"}, 116, 116);
        add({"MMultMode"}, 117, 118);
        add({"MSelectAll"}, 119, 120);
        add({"MSelectNone"}, 121, 122);
        add({"MSelectInvert"}, 123, 124);
        add({"Desktop", "MDesktop"}, 127, 127);
        add({"Internet", "MInternet"}, 128, 128);
        add({"MakeSmall", "MMakeSmall"}, 129, 129);
        add({"UploadPicture", "UploadFolderR", "UploadB", "Upload", "UploadFolder", "UploadPic1",
             "UploadMyShow", "UploadPicMyShow"}, 130, 130);
        add({"MGoSmall", "GoSmallPop"}, 131, 132);
        add({"MRatio"}, 135, 136);
        for (int i = 0; i < 5; ++i) {
            add({qPrintable(QStringLiteral("Launch%1").arg(i))}, 76 + i, 76 + i);
            add({qPrintable(QStringLiteral("Raunch%1").arg(i))}, 76 + i, 76 + i);
            add({qPrintable(QStringLiteral("Vaunch%1").arg(i))}, 81 + i, 81 + i);
        }
        return t;
    }();
    return table;
}

bool matches(const QString& name, const char* pattern)
{
    return QRegularExpression(QString::fromLatin1(pattern)).match(name).hasMatch();
}

} // namespace

bool IsMenuBarItemName(const QString& n)
{
    static const QStringList bar{"Bestand1", "Show", "MMultSlide", "MyShow", "Playlist",
                                 "Favorites", "Recent1", "Options1", "Help1"};
    return bar.contains(n);
}


MenuGlyphPair MenuGlyphsFor(const QString& name, const QString& caption, bool checked,
                            const MenuGlyphState& state)
{
    if (IsMenuBarItemName(name))
        return {-2, -2};
    if (name == QLatin1String("HideShowMyShow"))
        return state.myShowHidden ? MenuGlyphPair{94, 95} : MenuGlyphPair{92, 93};
    if (name == QLatin1String("ShowAll"))
        return state.showRunning ? MenuGlyphPair{74, 75} : MenuGlyphPair{137, 138};
    if (name == QLatin1String("ShowPicFullPop"))
        return state.picturePopup ? MenuGlyphPair{125, 126} : MenuGlyphPair{33, 34};
    if (name == QLatin1String("FolderExclusions"))
        return checked ? MenuGlyphPair{67, 68} : MenuGlyphPair{};
    if (name == QLatin1String("Browse") || name == QLatin1String("SubShow")
        || name == QLatin1String("SubSearch") || name == QLatin1String("All")
        || name == QLatin1String("BrowsePop") || name == QLatin1String("SubShowPop")
        || name == QLatin1String("SubSearchPop") || name == QLatin1String("AllPop")
        || name == QLatin1String("MMainMonitor") || name == QLatin1String("MSecondMonitor")
        || matches(name, "^M([1-9]|[1-7][0-9])$")
        || matches(name, "^Ratio(Square|Custom|[0-9]+x[0-9]+)$"))
        return checked ? MenuGlyphPair{67, 67} : MenuGlyphPair{};
    if (matches(name, "^P?Drive(0[1-9]|1[0-9]|2[0-6])$")) {
        const int g = DriveImageIndex(caption);
        return {g, g};
    }
    if (matches(name, "^(Fav|Folder)[1-9]$")) {
        const int g = FavoriteImageIndex(caption);
        return {g, g};
    }
    const auto it = glyphTable().constFind(name);
    return it == glyphTable().constEnd() ? MenuGlyphPair{} : *it;
}
