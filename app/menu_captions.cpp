#include "app/menu_captions.h"

#include <algorithm>

void MenuChanges::merge(const MenuChanges& other)
{
    for (auto it = other.m_items.begin(); it != other.m_items.end(); ++it) {
        MenuItemChange& mine = m_items[it.key()];
        const MenuItemChange& theirs = it.value();
        if (theirs.caption) mine.caption = theirs.caption;
        if (theirs.visible) mine.visible = theirs.visible;
        if (theirs.enabled) mine.enabled = theirs.enabled;
        if (theirs.hint) mine.hint = theirs.hint;
    }
    pauseShow = pauseShow || other.pauseShow;
    if (!other.statusTextA.isEmpty()) statusTextA = other.statusTextA;
    if (!other.statusTextC.isEmpty()) statusTextC = other.statusTextC;
    if (!other.statusTextF.isEmpty()) statusTextF = other.statusTextF;
}

namespace {

QString q(const char* s) { return QString::fromUtf8(s); }

bool toolEnabled(const MenuCaptionState& s, const char* name)
{
    return s.toolEnabled && s.toolEnabled(QString::fromLatin1(name));
}
bool toolVisible(const MenuCaptionState& s, const char* name)
{
    return s.toolVisible && s.toolVisible(QString::fromLatin1(name));
}
bool toolUsable(const MenuCaptionState& s, const char* name)
{
    return toolVisible(s, name) && toolEnabled(s, name);
}

QString shortened(const MenuCaptionState& s, const QString& path)
{
    return s.shorten ? s.shorten(path) : path;
}

bool inFavorites(const MenuCaptionState& s, const QString& path)
{
    const QString p = path.toLower();
    return std::any_of(s.favorites.begin(), s.favorites.end(),
                       [&p](const QString& f) { return !f.isEmpty() && f.toLower() == p; });
}

// The last part of a folder path (the folder's own name).
QString folderName(const QString& path)
{
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    const int cut = p.lastIndexOf(QLatin1Char('/'));
    return cut < 0 || p == QLatin1String("/") ? p : p.mid(cut + 1);
}

void set(MenuChanges& c, const char* name, std::optional<QString> caption,
         std::optional<bool> visible = std::nullopt, std::optional<bool> enabled = std::nullopt)
{
    MenuItemChange& i = c[name];
    if (caption) i.caption = caption;
    if (visible) i.visible = visible;
    if (enabled) i.enabled = enabled;
}

} // namespace

QString MenuPictureName(const QString& path)
{
    const int cut = std::max({path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')),
                              path.lastIndexOf(QLatin1Char(':'))});
    QString name = path.mid(cut + 1);
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
}

bool IsVideoFileName(const QString& path)
{
    const int slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash)
        return false;
    const QString ext = path.mid(dot).toLower();
    static const QStringList videos{".mpg", ".mov", ".avi", ".mpa", ".wmv"};
    return videos.contains(ext) || ext.left(5) == QLatin1String(".mpeg");
}

bool IsOfferedPicture(const MenuPicture& p)
{
    return !p.path.isEmpty() && p.exists && !IsVideoFileName(p.path);
}

QString QuotedPath(const MenuCaptionState& s, const QString& path)
{
    return QLatin1Char('\'') + shortened(s, path) + QLatin1Char('\'');
}

QString OpenShowCaptionName(const MenuCaptionState& s)
{
    if (s.draftShowOpen)
        return q("Draft");
    if (s.namedShowOpen && !s.openShowFile.isEmpty())
        return QuotedPath(s, s.openShowFile);
    return q("My Show");
}

bool UsesSubmenuLayout(const MenuCaptionState& s)
{
    return !s.showRunning && !s.myShowHidden;
}

MenuChanges UpdateFavoritesMenuCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    if (UsesSubmenuLayout(s)) {
        set(c, "AddSelectedFolder", std::nullopt, false);
        set(c, "AddSelectedFolderB", std::nullopt, true);
        const bool folderIn = inFavorites(s, s.selectedFolder);
        set(c, "AddFolder", (folderIn ? q("Delete ") : q("Add ")) + q("&folder ")
                                + QuotedPath(s, s.selectedFolder)
                                + (folderIn ? q(" from Favorites") : q(" to Favorites")),
            true, !s.selectedFolder.isEmpty());
        const bool showIn = !s.draftShowOpen && inFavorites(s, s.openShowFile);
        set(c, "AddShow", (showIn ? q("Delete ") : q("Add ")) + q("&show ") + OpenShowCaptionName(s)
                              + (showIn ? q(" from Favorites") : q(" to Favorites")),
            true, !s.draftShowOpen && s.namedShowOpen);
        return c;
    }
    set(c, "AddSelectedFolderB", std::nullopt, false);
    const bool isShow = s.showRunning && s.runningSourceIsShow;
    const bool draft = isShow && s.runningSourceIsDraft;
    const QString path = s.showRunning ? s.runningSource : s.selectedFolder;
    const bool in = !draft && inFavorites(s, path);
    const QString name = draft ? q("Draft") : QuotedPath(s, path);
    set(c, "AddSelectedFolder", (in ? q("Delete ") : q("Add ")) + (isShow ? q("show ") : q("folder "))
                                    + name + (in ? q(" from &Favorites") : q(" to &Favorites")),
        true, !draft && !path.isEmpty());
    return c;
}

namespace {
QString automaticCaption(const QString& name, const QString& kind, bool isAutomatic,
                         bool optionsChanged, bool submenu, bool* enabled)
{
    *enabled = true;
    if (!isAutomatic)
        return (submenu ? QString::fromUtf8("&Make ") : QString::fromUtf8("Make ")) + name
               + (submenu ? QString::fromUtf8(" the Automatic Show ") : QString::fromUtf8(" the Automa&tic Show "))
               + kind;
    if (!optionsChanged) {
        *enabled = false;
        return name + QString::fromUtf8(" is already the Automatic Show ") + kind;
    }
    return (submenu ? QString::fromUtf8("&Update Au&tomatic Show ") : QString::fromUtf8("Update Au&tomatic Show "))
           + kind + name + QString::fromUtf8(" with current Options");
}
} // namespace

MenuChanges UpdateAutomaticShowCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    bool enabled = true;
    if (UsesSubmenuLayout(s)) {
        set(c, "MakeAutomatic", std::nullopt, false);
        set(c, "MakeAutomaticB", std::nullopt, true);
        set(c, "AutomaticFolder",
            automaticCaption(QuotedPath(s, s.selectedFolder), q("folder "), s.folderIsAutomatic,
                             s.folderAutomaticOptionsChanged, true, &enabled),
            true, enabled);
        const QString showName = s.draftShowOpen ? q("Draft") : QuotedPath(s, s.openShowFile);
        const QString caption = automaticCaption(showName, QString(), s.showIsAutomatic,
                                                 s.showAutomaticOptionsChanged, true, &enabled);
        set(c, "AutomaticShow", caption, true, enabled && !s.draftShowOpen && s.namedShowOpen);
        return c;
    }
    set(c, "MakeAutomaticB", std::nullopt, false);
    const bool isShow = s.showRunning && s.runningSourceIsShow;
    const bool draft = isShow && s.runningSourceIsDraft;
    const QString path = s.showRunning ? s.runningSource : s.selectedFolder;
    const QString name = draft ? q("Draft") : QuotedPath(s, path);
    const bool isAuto = isShow ? s.showIsAutomatic : s.folderIsAutomatic;
    const bool changed = isShow ? s.showAutomaticOptionsChanged : s.folderAutomaticOptionsChanged;
    const QString caption = automaticCaption(name, isShow ? QString() : q("folder "), isAuto, changed,
                                             false, &enabled);
    set(c, "MakeAutomatic", caption, true, enabled && !draft);
    return c;
}

MenuChanges UpdateFullScreenCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    c["ShowPicFullHidden"].hint = q("E");
    c["ShowPicFull"].hint = q("D");
    if (s.showRunning) {
        set(c, "ShowPicFullHidden", std::nullopt, false);
        set(c, "ShowPicFull", std::nullopt, false);
        return c;
    }
    if (UsesSubmenuLayout(s)) {
        set(c, "ShowPicFullHidden", std::nullopt, false);
        const bool browse = IsOfferedPicture(s.browsePreview);
        const bool mine = IsOfferedPicture(s.myShowPreview);
        set(c, "ShowPicFullFolder",
            browse ? q("&Show '") + MenuPictureName(s.browsePreview.path) + q("' in Full Screen")
                   : std::optional<QString>(), browse);
        set(c, "ShowPicFullMyShow",
            mine ? q("&Show '") + MenuPictureName(s.myShowPreview.path) + q("' in Full Screen")
                 : std::optional<QString>(), mine);
        set(c, "ShowPicFull", std::nullopt, true, browse || mine);
        return c;
    }
    set(c, "ShowPicFull", std::nullopt, false);
    if (IsOfferedPicture(s.current))
        set(c, "ShowPicFullHidden", q("&Show '") + MenuPictureName(s.current.path)
                                        + q("' in Full Screen ~- Ctrl + Left click"), true, true);
    else
        set(c, "ShowPicFullHidden", q("&Show picture in Full Screen ~- Ctrl + Left click"), true, false);
    return c;
}

MenuChanges UpdateAddPictureCaption(const MenuCaptionState& s)
{
    MenuChanges c;
    if (s.showRunning || s.myShowHidden) {
        set(c, "AddPicMyShow", std::nullopt, false);
        return c;
    }
    if (IsOfferedPicture(s.current))
        set(c, "AddPicMyShow", q("A&dd '") + MenuPictureName(s.current.path) + q("' to ")
                                   + OpenShowCaptionName(s) + q(" ~- Left click"), true, s.showChangeable);
    else
        set(c, "AddPicMyShow", q("A&dd picture to ") + OpenShowCaptionName(s) + q(" ~- Left click"), true, false);
    return c;
}

MenuChanges UpdateFileOperationsCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    if (s.showRunning) {
        set(c, "FileOperations", std::nullopt, true, true);
        set(c, "SavePictureTo", std::nullopt, true, toolEnabled(s, "SaveToolButton"));
        set(c, "MovePictureTo", std::nullopt, true, toolEnabled(s, "MoveToolButton"));
        set(c, "SendRecycleBin", std::nullopt, true, toolEnabled(s, "RecycleBinToolButton"));
        set(c, "RenamePicture", std::nullopt, true, toolEnabled(s, "RenamePictureToolButton"));
        set(c, "MRotateL", std::nullopt, true, toolEnabled(s, "TBRotateL"));
        set(c, "MRotateR", std::nullopt, true, toolEnabled(s, "TBRotateR"));
        return c;
    }
    set(c, "MRotateL", std::nullopt, false);
    set(c, "MRotateR", std::nullopt, false);
    if (!s.current.path.isEmpty() && s.current.exists) {
        const QString name = MenuPictureName(s.current.path);
        const bool changeable = !s.current.readOnly && s.current.driveHasSpace;
        set(c, "FileOperations", std::nullopt, true, true);
        set(c, "SavePictureTo", q("&Save '") + name + q("' to"), true, true);
        set(c, "MovePictureTo", q("&Move '") + name + q("' to"), true, changeable);
        set(c, "SendRecycleBin", q("Send '") + name + q("' to Recycle &Bin"), true, changeable);
        set(c, "RenamePicture", q("Re&name '") + name, true, changeable);
        return c;
    }
    // No picture: nothing to act on.
    set(c, "FileOperations", std::nullopt, true, false);
    set(c, "SavePictureTo", q("&Save picture to"), true, false);
    set(c, "MovePictureTo", q("&Move picture to"), true, false);
    set(c, "SendRecycleBin", q("Send picture to Recycle &Bin"), true, false);
    set(c, "RenamePicture", q("Re&name picture"), true, false);
    return c;
}

MenuChanges UpdateWallpaperCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    c["Wallpaper"].hint = q("W");
    if (UsesSubmenuLayout(s)) {
        set(c, "Wallpaper", std::nullopt, false);
        const bool browse = IsOfferedPicture(s.browsePreview) && s.browsePreviewVisible;
        const bool mine = IsOfferedPicture(s.myShowPreview) && s.myShowPreviewVisible;
        set(c, "WallPaperFolder",
            browse ? q("Set  '") + MenuPictureName(s.browsePreview.path) + q("' as &Wallpaper")
                   : std::optional<QString>(), browse, true);
        set(c, "WallPaperMyShow",
            mine ? q("Set  '") + MenuPictureName(s.myShowPreview.path) + q("' as W&allpaper")
                 : std::optional<QString>(), mine, true);
        set(c, "WallPaperB", std::nullopt, true, browse || mine);
        return c;
    }
    set(c, "WallPaperB", std::nullopt, false);
    if (IsOfferedPicture(s.current))
        set(c, "Wallpaper", q("Set  '") + MenuPictureName(s.current.path) + q("' as &Wallpaper"), true,
            !(s.showRunning && s.cutOutShown));
    else
        set(c, "Wallpaper", q("Set picture as &Wallpaper"), true, false);
    return c;
}

MenuChanges UpdateClipboardCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    bool any = false;
    const auto pair = [&](const char* pictureItem, const char* pathItem, const MenuPicture& pic,
                          const char* picturePrefix, const char* pathPrefix, bool cropped) {
        if (IsOfferedPicture(pic)) {
            const QString name = MenuPictureName(pic.path);
            set(c, pictureItem, (cropped ? q("Cropped version of &Picture  '") : q(picturePrefix))
                                    + name + q("' to Clipboard"), true, true);
            set(c, pathItem, q(pathPrefix) + name + q("' to Clipboard"), true, true);
            any = true;
        } else {
            set(c, pictureItem, q("Picture to Clipboard"), false);
            set(c, pathItem, q("Path to Clipboard"), false);
        }
    };
    if (UsesSubmenuLayout(s)) {
        pair("PictureToClipboard", "PathToClipboard", s.browsePreview, "&Picture  '", "P&ath  '", false);
        pair("PictureToCBMyShow", "PathToCBMyShow", s.myShowPreview, "P&icture  '", "Pa&th  '", false);
    } else {
        pair("PictureToClipboard", "PathToClipboard", s.current, "&Picture  '", "P&ath  '",
             s.showRunning && s.cutOutShown);
        set(c, "PictureToCBMyShow", q("Picture to Clipboard"), false);
        set(c, "PathToCBMyShow", q("Path to Clipboard"), false);
    }
    set(c, "ClipBoardFunctions", std::nullopt, true, any);
    return c;
}

MenuChanges AutomaticCdCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    set(c, "MakeAutCDROM", q("Ma&ke Automatic Starting CD"), std::nullopt, false);
    c["MakeAutCDROM"].hint = q("A");
    c["AutoCDFolder"].hint = q("B");
    c["AutoCDMyShow"].hint = q("C");
    c["AutoFolderToCD"].hint = q("F");
    if (s.showRunning)
        return c;
    const QString name = folderName(s.selectedFolder);
    const QString show = s.draftShowOpen ? q("Draft") : folderName(s.openShowFile);
    set(c, "AutoFolderToCD", q("&Create show '") + name + q(".vxt' and copy to CD (pictures from selected folder)"));
    const QString folderText = (s.selectedFolder.isEmpty() || folderName(s.selectedFolder) == QLatin1String("/")
                                    ? q("Pictures in the root folder")
                                    : q("Pictures in folder ") + name)
                               + (s.includeSubfolders
                                      ? q(" on CD including its subfolders will, at runtime, be put together to one single slide show")
                                      : q(" on CD excluding its subfolders will, at runtime, be put together to one single slide show"));
    const QString showText = q("At runtime, '") + show + q("' on CD can be selected and played from a drop-down menu")
                             + q(" (Any number of shows can be added)");
    c.statusTextC = folderText;
    c.statusTextF = showText;
    if (!s.cdFilesPresent) {
        c.statusTextA = q("'autorun.inf and/or 'autorun.exe' are missing from application directory, reinstall Vistamo!");
        return c;
    }
    if (s.writableCdDrive.isEmpty()) {
        c.statusTextA = q("No writable CD found");
        return c;
    }
    const QString drive = s.writableCdDrive;
    set(c, "MakeAutCDROM", std::nullopt, std::nullopt, true);
    set(c, "AutoCDFolder", q("Add software to CD to &make folder ") + name + q(" play automatically"));
    set(c, "AutoCDMyShow", (s.showOnCd ? q("&Replace show '") + show + q("' on ")
                                       : q("&Add show '") + show + q("' to "))
                               + drive + q(":"));
    set(c, "AutoFolderToCD", s.folderShowOnCd
                                 ? q("R&eplace show '") + name + q("' on ") + drive + q(": (pictures from selected folder)")
                                 : q("&Create show '") + name + q("' and add to ") + drive + q(": (pictures from selected folder)"));
    return c;
}

MenuChanges FileMenuCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    c.merge(UpdateFavoritesMenuCaptions(s));
    c.merge(UpdateAutomaticShowCaptions(s));
    c.merge(UpdateFullScreenCaptions(s));
    c.merge(UpdateAddPictureCaption(s));
    c.merge(UpdateFileOperationsCaptions(s));
    c.merge(UpdateWallpaperCaptions(s));
    c.merge(UpdateClipboardCaptions(s));
    set(c, "Voice", std::nullopt, false);

    if (s.showRunning)
        set(c, "LaunchEditProgram1", std::nullopt, toolVisible(s, "RunExeToolButton"),
            toolEnabled(s, "RunExeToolButton"));
    else
        set(c, "LaunchEditProgram1", std::nullopt, false);

    if (s.demoMode)
        return c;

    c.pauseShow = s.showRunning;
    set(c, "FolderOperations", std::nullopt, std::nullopt, !s.showRunning);

    if (IsOfferedPicture(s.current))
        set(c, "AddPicMult", q("Add  '") + MenuPictureName(s.current.path) + q("' to &Multiple Shows"),
            std::nullopt, true);
    else
        set(c, "AddPicMult", q("Add to Multiple Shows"), std::nullopt, false);
    if (s.showRunning) {
        c["AddPicMult"].enabled = toolUsable(s, "AddPicMultTB");
        c["Voice"].enabled = toolUsable(s, "MicroTB");
    } else {
        set(c, "Voice", std::nullopt, true, !s.current.path.isEmpty() && s.current.exists);
    }

    set(c, "AddToShowM", q("&Add all pictures to ") + OpenShowCaptionName(s), std::nullopt,
        !s.showRunning && s.showChangeable);

    if (toolVisible(s, "SearchTB")) {
        c["SearchTB"].hint = q("Search folder '") + shortened(s, s.selectedFolder) + q("'");
        set(c, "Search", q("Searc&h"));
    }

    c["MakeDefault"].hint = q("X");
    if (s.selectedFolder.toLower() != s.startupFolder.toLower())
        set(c, "MakeDefault", q("Make ") + QuotedPath(s, s.selectedFolder) + q(" the default start-&up folder"),
            std::nullopt, true);
    else
        set(c, "MakeDefault", QuotedPath(s, s.selectedFolder) + q(" is already the default start-up folder"),
            std::nullopt, false);

    c.merge(AutomaticCdCaptions(s));
    return c;
}

MenuChanges ShowMenuCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    const bool bookmarks = s.showRunning && !s.thumbnailView;
    for (const char* n : {"N10", "AddBookMark", "RemoveBookmark", "GoToNextBookMark",
                          "GoToPreviousBoolMark", "BookMarks", "ClearBookMarks"})
        set(c, n, std::nullopt, bookmarks);
    set(c, "MGoSmall", std::nullopt, std::nullopt, toolEnabled(s, "TBGoSmall"));

    if (s.showRunning || s.myShowHidden) {
        set(c, "PictureShow1", std::nullopt, false);
        if (s.showRunning)
            set(c, "Restart", q("Restart Sl&ide Show ~- Home"), true);
        else
            set(c, "Restart", q("Start Sl&ide Show of &folder ") + QuotedPath(s, s.selectedFolder), true);
    } else {
        set(c, "Restart", std::nullopt, false);
        const QString folder = q("from &folder ") + QuotedPath(s, s.selectedFolder);
        const QString show = s.draftShowOpen ? q("of &show Draft") : q("of &show ") + QuotedPath(s, s.openShowFile);
        set(c, "PictureShow1", q("Start Sl&ide Show - Full screen"), true);
        set(c, "SlideShowFolder", folder);
        // A show of no pictures can't be played.
        const bool showHasPictures = s.openShowPictureCount > 0;
        set(c, "SlideShowShow", show, std::nullopt, showHasPictures);
        set(c, "SlideShowThFolder", folder);
        set(c, "SlideShowThShow", show, std::nullopt, showHasPictures);
    }
    const std::pair<const char*, const char*> twins[] = {
        {"ShowinReverse1", "ShowinReverseToolButton"}, {"ShowForward1", "ShowForwardToolButton"},
        {"ManualMode1", "ManualModeToolButton"}, {"PictureForward", "Forward1ToolButton"},
        {"PictureBackwards", "Backwards1ToolButton"}, {"UseEntireScreen1", "FullScreenToolButton3"}};
    for (const auto& [item, tool] : twins)
        set(c, item, std::nullopt, std::nullopt, toolEnabled(s, tool));
    set(c, "StopPictureShow1", std::nullopt, std::nullopt, s.showRunning);
    c.pauseShow = s.showRunning && !s.manualMode;
    return c;
}

MenuChanges MyShowMenuCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    c.pauseShow = s.showRunning;
    set(c, "MyShowDraft", std::nullopt, std::nullopt,
        (s.myShowHidden && !s.showRunning) ? true : !s.draftShowOpen);
    const bool listUsable = !s.showRunning && !s.myShowHidden;
    const bool copy = listUsable && s.openShowPictureCount >= 1;
    set(c, "CopyMyShow", std::nullopt, std::nullopt, copy);
    set(c, "SortMyShow", std::nullopt, std::nullopt, copy && toolEnabled(s, "SaveMyShowAsTB"));
    set(c, "SaveMyShowAs", std::nullopt, std::nullopt, listUsable && toolEnabled(s, "SaveMyShowAsTB"));
    set(c, "ShowAll", std::nullopt, std::nullopt, !s.showRunning || toolUsable(s, "AddPicMultTB"));
    set(c, "UndoM", std::nullopt, std::nullopt, toolEnabled(s, "UndoTB"));
    set(c, "AttachPlaylist", std::nullopt, std::nullopt, !s.showRunning && toolEnabled(s, "AttachPlaylistTB"));
    return c;
}

MenuChanges HelpMenuCaptions(const MenuCaptionState& s)
{
    MenuChanges c;
    c.pauseShow = s.showRunning;
    set(c, "N23", std::nullopt, !s.irfanViewFound);
    set(c, "Irfanview", q("Get &IrfanView (for picture rotation and resampling)"), !s.irfanViewFound);
    set(c, "Checkforupdate", std::nullopt, std::nullopt, true);
    return c;
}

MenuChanges HideShowMyShowCaptions(bool nowHidden)
{
    MenuChanges c;
    set(c, "HideShowMyShow", nowHidden ? q("&Show MyShow") : q("&Hide MyShow"));
    c["HideShowMyShowTB"].hint = nowHidden ? q("Show MyShow") : q("Hide MyShow");
    return c;
}

namespace {

// The single-picture view's defaults.
void setSinglePictureDefaults(MenuChanges& c)
{
    set(c, "RecycleBin", q("Send picture to Recycle &Bin"));
    set(c, "UploadPicture", q("&Upload picture"));
    set(c, "ShowPicFullPop", q("&Show picture in Full Screen mode ~- Ctrl + Left click"));
    for (int k = 0; k < 5; ++k) {
        set(c, qPrintable(QStringLiteral("Raunch%1").arg(k)), std::nullopt, false, false);
        set(c, qPrintable(QStringLiteral("Vaunch%1").arg(k)), std::nullopt, false, false);
    }
    for (const char* n : {"Save", "Move", "Rename", "RecycleBin", "MailPicPop", "UploadPicture",
                          "SetWalPaper", "VoicePop", "AddMult", "ShowPicFullPop", "AddPicMyShowPop",
                          "PictureToClipboradPop", "PathToClipboardPop"})
        set(c, n, std::nullopt, std::nullopt, false);
}

// The items of a picture or video node: captions naming the kind, the
// launch items of its programs, the show and clipboard items.
void setFileNodeItems(MenuChanges& c, const MenuCaptionState& s, const TreePopupState& t)
{
    const bool video = t.kind == TreeNodeKind::Video;
    const QString what = video ? q("video") : q("picture");
    set(c, "Save", q("&Save ") + what + q(" to"));
    set(c, "Move", q("&Move ") + what + q(" to"), std::nullopt, t.moveEnabled);
    set(c, "RecycleBin", q("Send ") + what + q(" to Recycle &Bin"), std::nullopt, t.sendEnabled);
    set(c, "Rename", q("Re&name ") + what, std::nullopt, t.renameEnabled);
    set(c, "MailPicPop", q("Mai&l ") + what);
    if (!video) {
        for (const char* n : {"MailPicPop", "Save", "VoicePop", "SetWalPaper", "AddMult"})
            c[n].enabled = true;
        for (int k = 0; k < 5; ++k)
            set(c, qPrintable(QStringLiteral("Raunch%1").arg(k)),
                t.launchCaption[k].isEmpty() ? std::optional<QString>() : t.launchCaption[k],
                t.launchProgram[k], t.launchProgram[k]);
    } else {
        c["Save"].enabled = true;
        c["MailPicPop"].enabled = true;
        for (int k = 0; k < 5; ++k)
            set(c, qPrintable(QStringLiteral("Vaunch%1").arg(k)), std::nullopt, t.videoProgram[k],
                t.videoProgram[k]);
    }
    bool anyEdit = false, anyVideo = false;
    for (int k = 0; k < 5; ++k) {
        anyEdit = anyEdit || t.launchProgram[k];
        anyVideo = anyVideo || t.videoProgram[k];
    }
    const bool videoLaunch = video && anyVideo;
    set(c, "RaunchEditProgram", std::nullopt, std::nullopt, !video && anyEdit);
    set(c, "LaunchVideoProgram", std::nullopt, std::nullopt, videoLaunch);
    set(c, "UploadPicture", std::nullopt, std::nullopt, !videoLaunch);
    set(c, "ShowPicFullPop", std::nullopt, std::nullopt, t.showPicFullEnabled && !video);
    set(c, "AddPicMyShowPop",
        s.draftShowOpen ? q("A&dd picture to Draft  ~- Left click")
                        : q("A&dd picture to ") + OpenShowCaptionName(s) + q("  ~- Left click"),
        std::nullopt, t.addPicMyShowEnabled && !video);
    set(c, "PictureToClipboradPop", std::nullopt, std::nullopt, t.browsePreviewShown);
    set(c, "PathToClipboardPop", std::nullopt, std::nullopt, t.browsePreviewShown);
}

// The items of a folder node; those that change the folder need space on
// its drive and a folder that is not a mount point.
void setFolderNodeItems(MenuChanges& c, const MenuCaptionState& s, const TreePopupState& t)
{
    const bool writable = t.driveHasSpace;
    const bool notRoot = !t.folderOnMountPoint;
    // As its File-menu twin: "Delete" for a folder that is a favourite.
    set(c, "AddSelectedFolderPop", inFavorites(s, t.folder) ? q("Delete from &Favorites") : q("Add to &Favorites"),
        std::nullopt, t.addSelectedFolderEnabled);
    set(c, "MakeDefaultPop", q("Set as default start-up folder"));
    set(c, "MakeAutoMaticPop", q("Set as AutomaticShow folder"), std::nullopt, t.automaticFolderEnabled);
    set(c, "ExcludeFolderPop", q("E&xclude from"), std::nullopt, notRoot);
    set(c, "RefreshPop", q("Refresh  ~- F5 "));
    set(c, "UploadFolderR", t.uploaderName.isEmpty() ? q("Upload pictures")
                                                     : q("Upload pictures through ") + t.uploaderName);
    set(c, "AddToShow", q("&Add pictures to ") + OpenShowCaptionName(s), std::nullopt, s.showChangeable);
    set(c, "MailPictures", q("Mai&l pictures/video's"));
    set(c, "AutoFolderToCDPop", q("Create show from folder and copy to cd"), std::nullopt,
        t.autoFolderToCdEnabled);
    set(c, "TarnivoPop", q("Launch &Tarnivo"), t.tarnivoInstalled);
    set(c, "ResetToExifPop", q("Reset file dates to picture date taken (EXI&F)"));
    set(c, "DeleteFolderPop", q("&Delete"), std::nullopt, writable && notRoot);
    set(c, "EmptyFolderPop", q("&Empty"), std::nullopt, writable && notRoot);
    set(c, "RenameFolderPop", q("Ren&ame"), std::nullopt, writable && notRoot);
    set(c, "MakeSmall", q("Create/Replace thumbnails manually"), std::nullopt, writable && notRoot);
    set(c, "CreateFolderPop", std::nullopt, std::nullopt, writable);
}

} // namespace

TreePopupResult TreePopupCaptions(const MenuCaptionState& s, const TreePopupState& t,
                                  const QStringList& itemNames)
{
    TreePopupResult r;
    MenuChanges& c = r.changes;
    const bool fileNode = t.kind != TreeNodeKind::Folder;
    setSinglePictureDefaults(c);

    // Gone from the disk: a message and nothing to offer.
    if (!t.exists) {
        r.message = fileNode
            ? q("Picture or video file does not exist anymore but might be still in use by another program")
            : q("Folder does not exist anymore but might be still in use by another program");
        for (const QString& n : itemNames)
            c[n].visible = false;
        return r;
    }

    // Folder items first (positions 0 .. 21), file items from 22 on.
    for (int i = 0; i < itemNames.size(); ++i)
        c[itemNames[i]].visible = (i < 22) != fileNode;

    if (fileNode)
        setFileNodeItems(c, s, t);
    else
        setFolderNodeItems(c, s, t);
    set(c, "ResumeInFull", std::nullopt, false);
    set(c, "N24", std::nullopt, false);
    return r;
}

MenuChanges PicturePopupCaptions(const MenuCaptionState& s, const PicturePopupState& p,
                                 const QStringList& folderItemNames)
{
    MenuChanges c;
    for (const QString& n : folderItemNames)
        c[n].visible = false;
    for (int k = 0; k < 5; ++k)
        set(c, qPrintable(QStringLiteral("Raunch%1").arg(k)),
            p.launchCaption[k].isEmpty() ? std::optional<QString>() : p.launchCaption[k],
            p.launchVisible[k], p.launchEnabled[k]);
    // The file items act on the ticked pictures: save and move take each in
    // turn (a show's pictures are not moved), delete follows its tool
    // button, rename (of the first ticked picture) too.
    const bool ticked = p.selectedCount >= 1;
    set(c, "Save", q("&Save picture to"), true, ticked);
    set(c, "Move", q("&Move picture to"), true, ticked && !p.showPictures);
    set(c, "RecycleBin", p.showPictures ? q("Remove picture(s) from Show") : q("Send picture(s) to Recycle &Bin"), true,
        ticked && toolEnabled(s, "RecycleBinToolButton"));
    set(c, "Rename", q("Re&name picture"), true, ticked && toolEnabled(s, "RenamePictureToolButton"));
    set(c, "MailPicPop", q("Mai&l picture(s)"), true);
    set(c, "UploadPicture", q("&Upload picture(s)"), true);
    for (const char* n : {"SetWalPaper", "AddPicMyShowPop"})
        set(c, n, std::nullopt, true);
    // The clipboard items take the picture of the cell the pop-up opened on.
    for (const char* n : {"PictureToClipboradPop", "PathToClipboardPop"})
        set(c, n, std::nullopt, true, ticked);
    // The edit programs' submenu opens only with a program in it; a page
    // holds no video, so the video programs' submenu stays out.
    bool anyEdit = false;
    for (int k = 0; k < 5; ++k)
        anyEdit = anyEdit || (p.launchVisible[k] && p.launchEnabled[k]);
    set(c, "RaunchEditProgram", std::nullopt, true, anyEdit);
    set(c, "LaunchVideoProgram", std::nullopt, false, false);
    set(c, "VoicePop", std::nullopt, toolVisible(s, "MicroTB"), toolEnabled(s, "MicroTB"));
    set(c, "RCRotateL", std::nullopt, toolVisible(s, "TBRotateL"), toolEnabled(s, "TBRotateL"));
    set(c, "RCRotateR", std::nullopt, toolVisible(s, "TBRotateR"), toolEnabled(s, "TBRotateR"));
    set(c, "ResumeInFull", std::nullopt, true, p.selectedCount >= 1);
    set(c, "AddMult", std::nullopt, true, p.selectedCount >= 1);
    set(c, "N24", std::nullopt, true);
    set(c, "ShowPicFullPop",
        p.selectedIsThumbnailWithMaster
            ? q("Show original from folder ") + QuotedPath(s, p.masterFolder) + q(" in full screen mode")
            : q("Show original picture from master folder in full screen mode"),
        true, p.masterExists);
    return c;
}
