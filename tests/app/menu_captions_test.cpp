#include "app/menu_captions.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

MenuCaptionState baseState()
{
    MenuCaptionState s;
    s.selectedFolder = QStringLiteral("/home/ann/Pictures/Holiday");
    s.startupFolder = QStringLiteral("/home/ann/Pictures");
    s.current = {QStringLiteral("/home/ann/Pictures/Holiday/Tom & Jerry.jpg"), true, false, true};
    s.browsePreview = s.current;
    s.myShowPreview = {QStringLiteral("/home/ann/Show/beach.jpg"), true, false, true};
    s.namedShowOpen = true;
    s.openShowFile = QStringLiteral("/home/ann/Shows/Summer.vxt");
    s.showChangeable = true;
    s.shorten = [](const QString& p) { return p; };
    s.toolEnabled = [](const QString&) { return true; };
    s.toolVisible = [](const QString&) { return true; };
    return s;
}

QString caption(const MenuChanges& c, const char* name)
{
    return c.value(QString::fromLatin1(name)).caption.value_or(QStringLiteral("<unset>"));
}
std::optional<bool> enabled(const MenuChanges& c, const char* name)
{
    return c.value(QString::fromLatin1(name)).enabled;
}
std::optional<bool> visible(const MenuChanges& c, const char* name)
{
    return c.value(QString::fromLatin1(name)).visible;
}

} // namespace

TEST(MenuCaptionRules, NameRules)
{
    EXPECT_EQ(MenuPictureName(QStringLiteral("/a/b/Tom & Jerry.jpg")), QStringLiteral("Tom && Jerry.jpg"));
    EXPECT_TRUE(IsVideoFileName(QStringLiteral("/a/clip.MOV")));
    EXPECT_TRUE(IsVideoFileName(QStringLiteral("/a/clip.mpeg")));
    EXPECT_TRUE(IsVideoFileName(QStringLiteral("/a/clip.mpeg4")));
    EXPECT_FALSE(IsVideoFileName(QStringLiteral("/a/clip.mp4")));
    EXPECT_FALSE(IsVideoFileName(QStringLiteral("/a.mov/picture")));
    MenuCaptionState s = baseState();
    EXPECT_EQ(OpenShowCaptionName(s), QStringLiteral("'/home/ann/Shows/Summer.vxt'"));
    s.draftShowOpen = true;
    EXPECT_EQ(OpenShowCaptionName(s), QStringLiteral("Draft"));
    s.draftShowOpen = false;
    s.namedShowOpen = false;
    EXPECT_EQ(OpenShowCaptionName(s), QStringLiteral("My Show"));
}

TEST(MenuCaptionRules, FileOperationsNameThePictureWithAmpersandDoubled)
{
    MenuCaptionState s = baseState();
    MenuChanges c = UpdateFileOperationsCaptions(s);
    EXPECT_EQ(caption(c, "SavePictureTo"), QStringLiteral("&Save 'Tom && Jerry.jpg' to"));
    EXPECT_EQ(caption(c, "MovePictureTo"), QStringLiteral("&Move 'Tom && Jerry.jpg' to"));
    EXPECT_EQ(caption(c, "SendRecycleBin"), QStringLiteral("Send 'Tom && Jerry.jpg' to Recycle &Bin"));
    EXPECT_EQ(caption(c, "RenamePicture"), QStringLiteral("Re&name 'Tom && Jerry.jpg"));
    EXPECT_EQ(visible(c, "MRotateL"), false);
    EXPECT_EQ(enabled(c, "MovePictureTo"), true);

    s.current.readOnly = true;
    c = UpdateFileOperationsCaptions(s);
    EXPECT_EQ(enabled(c, "SavePictureTo"), true);
    EXPECT_EQ(enabled(c, "MovePictureTo"), false);
    EXPECT_EQ(enabled(c, "SendRecycleBin"), false);
    EXPECT_EQ(enabled(c, "RenamePicture"), false);

    s.showRunning = true;
    s.toolEnabled = [](const QString& n) { return n == QLatin1String("TBRotateL"); };
    c = UpdateFileOperationsCaptions(s);
    EXPECT_EQ(visible(c, "MRotateL"), true);
    EXPECT_EQ(enabled(c, "MRotateL"), true);
    EXPECT_EQ(enabled(c, "SavePictureTo"), false);
}

TEST(MenuCaptionRules, FavouritesAndDraftShow)
{
    MenuCaptionState s = baseState();
    MenuChanges c = UpdateFavoritesMenuCaptions(s);
    EXPECT_EQ(visible(c, "AddSelectedFolder"), false);
    EXPECT_EQ(caption(c, "AddFolder"), QStringLiteral("Add &folder '/home/ann/Pictures/Holiday' to Favorites"));
    EXPECT_EQ(caption(c, "AddShow"), QStringLiteral("Add &show '/home/ann/Shows/Summer.vxt' to Favorites"));

    s.favorites = {QStringLiteral("/HOME/ann/pictures/holiday")};
    s.draftShowOpen = true;
    c = UpdateFavoritesMenuCaptions(s);
    EXPECT_EQ(caption(c, "AddFolder"), QStringLiteral("Delete &folder '/home/ann/Pictures/Holiday' from Favorites"));
    EXPECT_EQ(caption(c, "AddShow"), QStringLiteral("Add &show Draft to Favorites"));
    EXPECT_EQ(enabled(c, "AddShow"), false);

    // Single item while a Draft show runs.
    s.showRunning = true;
    s.runningSourceIsShow = true;
    s.runningSourceIsDraft = true;
    c = UpdateFavoritesMenuCaptions(s);
    EXPECT_EQ(visible(c, "AddSelectedFolderB"), false);
    EXPECT_EQ(caption(c, "AddSelectedFolder"), QStringLiteral("Add show Draft to &Favorites"));
    EXPECT_EQ(enabled(c, "AddSelectedFolder"), false);

    s = baseState();
    s.myShowHidden = true;
    s.favorites = {s.selectedFolder};
    c = UpdateFavoritesMenuCaptions(s);
    EXPECT_EQ(caption(c, "AddSelectedFolder"),
              QStringLiteral("Delete folder '/home/ann/Pictures/Holiday' from &Favorites"));
}

TEST(MenuCaptionRules, AutomaticShowCaptions)
{
    MenuCaptionState s = baseState();
    s.myShowHidden = true;
    MenuChanges c = UpdateAutomaticShowCaptions(s);
    EXPECT_EQ(caption(c, "MakeAutomatic"), QStringLiteral("Make '/home/ann/Pictures/Holiday' the Automa&tic Show folder "));
    s.folderIsAutomatic = true;
    c = UpdateAutomaticShowCaptions(s);
    EXPECT_EQ(caption(c, "MakeAutomatic"), QStringLiteral("'/home/ann/Pictures/Holiday' is already the Automatic Show folder "));
    EXPECT_EQ(enabled(c, "MakeAutomatic"), false);
    s.folderAutomaticOptionsChanged = true;
    c = UpdateAutomaticShowCaptions(s);
    EXPECT_EQ(caption(c, "MakeAutomatic"),
              QStringLiteral("Update Au&tomatic Show folder '/home/ann/Pictures/Holiday' with current Options"));

    s = baseState();
    c = UpdateAutomaticShowCaptions(s);
    EXPECT_EQ(caption(c, "AutomaticShow"), QStringLiteral("&Make '/home/ann/Shows/Summer.vxt' the Automatic Show "));
    s.showIsAutomatic = s.showAutomaticOptionsChanged = true;
    c = UpdateAutomaticShowCaptions(s);
    EXPECT_EQ(caption(c, "AutomaticShow"),
              QStringLiteral("&Update Au&tomatic Show '/home/ann/Shows/Summer.vxt' with current Options"));
}

TEST(MenuCaptionRules, FileMenuPicturesAndVideos)
{
    MenuCaptionState s = baseState();
    MenuChanges c = FileMenuCaptions(s);
    EXPECT_FALSE(c.pauseShow);
    EXPECT_EQ(caption(c, "AddPicMult"), QStringLiteral("Add  'Tom && Jerry.jpg' to &Multiple Shows"));
    EXPECT_EQ(caption(c, "AddToShowM"), QStringLiteral("&Add all pictures to '/home/ann/Shows/Summer.vxt'"));
    EXPECT_EQ(caption(c, "AddPicMyShow"), QStringLiteral("A&dd 'Tom && Jerry.jpg' to '/home/ann/Shows/Summer.vxt' ~- Left click"));
    EXPECT_EQ(caption(c, "MakeDefault"), QStringLiteral("Make '/home/ann/Pictures/Holiday' the default start-&up folder"));
    EXPECT_EQ(caption(c, "ShowPicFullFolder"), QStringLiteral("&Show 'Tom && Jerry.jpg' in Full Screen"));
    EXPECT_EQ(caption(c, "WallPaperMyShow"), QStringLiteral("Set  'beach.jpg' as W&allpaper"));
    EXPECT_EQ(caption(c, "PathToCBMyShow"), QStringLiteral("Pa&th  'beach.jpg' to Clipboard"));
    EXPECT_EQ(caption(c, "PictureToClipboard"), QStringLiteral("&Picture  'Tom && Jerry.jpg' to Clipboard"));
    EXPECT_EQ(c.value("ShowPicFull").hint, QStringLiteral("D"));
    EXPECT_EQ(c.value("ShowPicFullHidden").hint, QStringLiteral("E"));
    EXPECT_EQ(visible(c, "Voice"), true);
    EXPECT_EQ(visible(c, "LaunchEditProgram1"), false);

    s.startupFolder = s.selectedFolder.toUpper();
    s.myShowHidden = true;
    s.current.path = QStringLiteral("/home/ann/clip.avi");
    c = FileMenuCaptions(s);
    EXPECT_EQ(caption(c, "MakeDefault"), QStringLiteral("'/home/ann/Pictures/Holiday' is already the default start-up folder"));
    EXPECT_EQ(enabled(c, "MakeDefault"), false);
    EXPECT_EQ(caption(c, "AddPicMult"), QStringLiteral("Add to Multiple Shows"));
    EXPECT_EQ(enabled(c, "AddPicMult"), false);
    EXPECT_EQ(caption(c, "ShowPicFullHidden"), QStringLiteral("&Show picture in Full Screen ~- Ctrl + Left click"));
    EXPECT_EQ(enabled(c, "ShowPicFullHidden"), false);
    EXPECT_EQ(caption(c, "Wallpaper"), QStringLiteral("Set picture as &Wallpaper"));
    EXPECT_EQ(visible(c, "AddPicMyShow"), false);
    EXPECT_EQ(visible(c, "PictureToClipboard"), false);
    EXPECT_EQ(enabled(c, "ClipBoardFunctions"), false);
}

TEST(MenuCaptionRules, MenusPauseARunningShow)
{
    MenuCaptionState s = baseState();
    s.showRunning = true;
    EXPECT_TRUE(FileMenuCaptions(s).pauseShow);
    EXPECT_TRUE(MyShowMenuCaptions(s).pauseShow);
    EXPECT_TRUE(HelpMenuCaptions(s).pauseShow);
    EXPECT_TRUE(ShowMenuCaptions(s).pauseShow);
    s.manualMode = true;
    EXPECT_FALSE(ShowMenuCaptions(s).pauseShow);
    s.demoMode = true;
    EXPECT_FALSE(FileMenuCaptions(s).pauseShow);
}

TEST(MenuCaptionRules, ShowMenu)
{
    MenuCaptionState s = baseState();
    MenuChanges c = ShowMenuCaptions(s);
    EXPECT_EQ(visible(c, "Restart"), false);
    EXPECT_EQ(caption(c, "PictureShow1"), QStringLiteral("Start Sl&ide Show - Full screen"));
    EXPECT_EQ(caption(c, "SlideShowFolder"), QStringLiteral("from &folder '/home/ann/Pictures/Holiday'"));
    EXPECT_EQ(caption(c, "SlideShowThShow"), QStringLiteral("of &show '/home/ann/Shows/Summer.vxt'"));
    EXPECT_EQ(visible(c, "AddBookMark"), false);
    s.draftShowOpen = true;
    EXPECT_EQ(caption(ShowMenuCaptions(s), "SlideShowShow"), QStringLiteral("of &show Draft"));

    s.myShowHidden = true;
    c = ShowMenuCaptions(s);
    EXPECT_EQ(visible(c, "PictureShow1"), false);
    EXPECT_EQ(caption(c, "Restart"), QStringLiteral("Start Sl&ide Show of &folder '/home/ann/Pictures/Holiday'"));
    s.showRunning = true;
    c = ShowMenuCaptions(s);
    EXPECT_EQ(caption(c, "Restart"), QStringLiteral("Restart Sl&ide Show ~- Home"));
    EXPECT_EQ(visible(c, "BookMarks"), true);
    s.thumbnailView = true;
    EXPECT_EQ(visible(ShowMenuCaptions(s), "BookMarks"), false);
}

TEST(MenuCaptionRules, MyShowAndHelpMenus)
{
    MenuCaptionState s = baseState();
    s.openShowPictureCount = 3;
    MenuChanges c = MyShowMenuCaptions(s);
    EXPECT_EQ(enabled(c, "CopyMyShow"), true);
    EXPECT_EQ(enabled(c, "MyShowDraft"), true);
    s.draftShowOpen = true;
    EXPECT_EQ(enabled(MyShowMenuCaptions(s), "MyShowDraft"), false);
    s.myShowHidden = true;
    c = MyShowMenuCaptions(s);
    EXPECT_EQ(enabled(c, "MyShowDraft"), true);
    EXPECT_EQ(enabled(c, "CopyMyShow"), false);
    EXPECT_EQ(enabled(c, "SortMyShow"), false);
    s.showRunning = true;
    s.toolVisible = [](const QString& n) { return n != QLatin1String("AddPicMultTB"); };
    c = MyShowMenuCaptions(s);
    EXPECT_EQ(enabled(c, "ShowAll"), false);
    EXPECT_EQ(enabled(c, "AttachPlaylist"), false);

    s.irfanViewFound = false;
    c = HelpMenuCaptions(s);
    EXPECT_EQ(visible(c, "Irfanview"), true);
    EXPECT_EQ(visible(c, "N23"), true);
    EXPECT_EQ(HideShowMyShowCaptions(true).value("HideShowMyShow").caption, QStringLiteral("&Show MyShow"));
}

TEST(MenuCaptionRules, TreePopupShowsFolderOrFileItems)
{
    QStringList names;
    for (int i = 0; i < 40; ++i)
        names << QStringLiteral("item%1").arg(i);
    MenuCaptionState s = baseState();
    TreePopupState t;
    t.kind = TreeNodeKind::Picture;
    t.launchProgram[1] = true;
    t.launchCaption[1] = QStringLiteral("/usr/bin/gimp");
    TreePopupResult r = TreePopupCaptions(s, t, names);
    EXPECT_TRUE(r.message.isEmpty());
    EXPECT_EQ(visible(r.changes, "item21"), false);
    EXPECT_EQ(visible(r.changes, "item22"), true);
    EXPECT_EQ(caption(r.changes, "Save"), QStringLiteral("&Save picture to"));
    EXPECT_EQ(caption(r.changes, "MailPicPop"), QStringLiteral("Mai&l picture"));
    EXPECT_EQ(enabled(r.changes, "Raunch1"), true);
    EXPECT_EQ(enabled(r.changes, "Raunch0"), false);
    EXPECT_EQ(caption(r.changes, "AddPicMyShowPop"),
              QStringLiteral("A&dd picture to '/home/ann/Shows/Summer.vxt'  ~- Left click"));

    EXPECT_EQ(enabled(r.changes, "RaunchEditProgram"), true);
    EXPECT_EQ(enabled(r.changes, "UploadPicture"), true);
    t.kind = TreeNodeKind::Video;
    r = TreePopupCaptions(s, t, names);
    EXPECT_EQ(enabled(r.changes, "LaunchVideoProgram"), false);
    t.videoProgram[0] = true;
    r = TreePopupCaptions(s, t, names);
    EXPECT_EQ(enabled(r.changes, "LaunchVideoProgram"), true);
    EXPECT_EQ(enabled(r.changes, "Vaunch0"), true);
    EXPECT_EQ(enabled(r.changes, "UploadPicture"), false);
    EXPECT_EQ(caption(r.changes, "RecycleBin"), QStringLiteral("Send video to Recycle &Bin"));
    EXPECT_EQ(enabled(r.changes, "SetWalPaper"), false);

    t.kind = TreeNodeKind::Folder;
    t.folderOnMountPoint = true;
    t.uploaderName = QStringLiteral("Uploader");
    r = TreePopupCaptions(s, t, names);
    EXPECT_EQ(visible(r.changes, "item0"), true);
    EXPECT_EQ(visible(r.changes, "item21"), true);
    EXPECT_EQ(visible(r.changes, "item22"), false);
    EXPECT_EQ(caption(r.changes, "RefreshPop"), QStringLiteral("Refresh  ~- F5 "));
    EXPECT_EQ(caption(r.changes, "UploadFolderR"), QStringLiteral("Upload pictures through Uploader"));
    EXPECT_EQ(enabled(r.changes, "DeleteFolderPop"), false);
    EXPECT_EQ(enabled(r.changes, "CreateFolderPop"), true);
    EXPECT_EQ(enabled(r.changes, "ExcludeFolderPop"), false);

    t.exists = false;
    r = TreePopupCaptions(s, t, names);
    EXPECT_EQ(r.message, QStringLiteral("Folder does not exist anymore but might be still in use by another program"));
    EXPECT_EQ(visible(r.changes, "item3"), false);
    t.kind = TreeNodeKind::Picture;
    EXPECT_EQ(TreePopupCaptions(s, t, names).message,
              QStringLiteral("Picture or video file does not exist anymore but might be still in use by another program"));
}

TEST(MenuCaptionRules, PicturePopupOnThePage)
{
    MenuCaptionState s = baseState();
    PicturePopupState p;
    p.showPictures = true;
    p.selectedCount = 0;
    p.selectedIsThumbnailWithMaster = true;
    p.masterFolder = QStringLiteral("/home/ann/Masters");
    MenuChanges c = PicturePopupCaptions(s, p, {QStringLiteral("StartSlideShowPop")});
    EXPECT_EQ(visible(c, "StartSlideShowPop"), false);
    EXPECT_EQ(caption(c, "RecycleBin"), QStringLiteral("Remove picture(s) from Show"));
    EXPECT_EQ(enabled(c, "ResumeInFull"), false);
    EXPECT_EQ(caption(c, "ShowPicFullPop"), QStringLiteral("Show original from folder '/home/ann/Masters' in full screen mode"));
    EXPECT_EQ(enabled(c, "ShowPicFullPop"), false);
}

TEST(MenuCaptionRules, AutomaticCdTexts)
{
    MenuCaptionState s = baseState();
    MenuChanges c = AutomaticCdCaptions(s);
    EXPECT_EQ(enabled(c, "MakeAutCDROM"), false);
    EXPECT_EQ(caption(c, "AutoFolderToCD"),
              QStringLiteral("&Create show 'Holiday.vxt' and copy to CD (pictures from selected folder)"));
    EXPECT_EQ(c.statusTextA,
              QStringLiteral("'autorun.inf and/or 'autorun.exe' are missing from application directory, reinstall Vistamo!"));
    EXPECT_EQ(c.statusTextC, QStringLiteral("Pictures in folder Holiday on CD excluding its subfolders will, at runtime, be put together to one single slide show"));
    s.cdFilesPresent = true;
    s.writableCdDrive = QStringLiteral("E");
    s.showOnCd = true;
    c = AutomaticCdCaptions(s);
    EXPECT_EQ(enabled(c, "MakeAutCDROM"), true);
    EXPECT_EQ(caption(c, "AutoCDMyShow"), QStringLiteral("&Replace show 'Summer.vxt' on E:"));
    EXPECT_EQ(caption(c, "AutoFolderToCD"),
              QStringLiteral("&Create show 'Holiday' and add to E: (pictures from selected folder)"));
}
