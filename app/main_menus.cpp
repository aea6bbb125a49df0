#include "app/main_menus.h"
#include "app/menu_bar_rows.h"
#include "platform/designed_widgets.h"

#include "browse/page_layouts.h"
#include "browse/page_state.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QString>

namespace {

QAction* item(QMenu* menu, const char* name, const QString& caption)
{
    auto* a = platform::Named(menu->addAction(caption), name);
    return a;
}

QAction* separator(QMenu* menu, const char* name)
{
    QAction* a = menu->addSeparator();
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu* submenu(QMenu* parent, const char* name, const QString& caption)
{
    auto* m = platform::Named(parent->addMenu(caption), name);
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QMenu* barMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    auto* m = platform::Named(bar->addMenu(caption), name);
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

} // namespace

MainMenus::MainMenus(QMainWindow& window)
{
    // The menu bar wraps to a second row when the window is too narrow for
    // its titles (the window's own menuBar() is never made).
    m_barRows = new MenuBarRows(&window);
    window.setMenuWidget(m_barRows);
    m_MainMenu1 = m_barRows->firstRow();
    buildFileMenu(window);
    buildShowMenu();
    buildPageAndMyShowMenus();
    buildListMenus();
    buildOptionsAndHelpMenus();
    buildPopups(window);
    m_barRows->TakeTitles();
}

// The File menu.
void MainMenus::buildFileMenu(QMainWindow& window)
{
    m_Bestand1 = barMenu(m_MainMenu1, "Bestand1", QStringLiteral("&File"));
    item(m_Bestand1, "AddSelectedFolder", QStringLiteral("Add folder to &Favorites"));
    m_AddSelectedFolderB = submenu(m_Bestand1, "AddSelectedFolderB", QStringLiteral("&Favorites"));
    item(m_AddSelectedFolderB, "AddFolder", QStringLiteral("Add &folder to Favorites"));
    item(m_AddSelectedFolderB, "AddShow", QStringLiteral("Add &show to Favorites"));
    item(m_Bestand1, "MakeDefault", QStringLiteral("Make folder the default start-&up folder"));
    item(m_Bestand1, "MakeAutomatic", QStringLiteral("Make the Automa&tic Show"));
    m_MakeAutomaticB = submenu(m_Bestand1, "MakeAutomaticB", QStringLiteral("Automa&tic Show"));
    item(m_MakeAutomaticB, "AutomaticFolder", QStringLiteral("&Make folder the Automatic Show"));
    item(m_MakeAutomaticB, "AutomaticShow", QStringLiteral("&Make show the Automatic Show"));
    m_DriveChange1 = submenu(m_Bestand1, "DriveChange1", QStringLiteral("Change Dr&ive/Open special folders"));
    for (int n = 0; n < 26; ++n) {
        m_DriveItems[n] = item(m_DriveChange1, ("Drive" + twoDigits(n + 1)).toLatin1().constData(), QString());
        m_DriveItems[n]->setVisible(false);
    }
    separator(m_DriveChange1, "N26");
    item(m_DriveChange1, "MDesktop", QStringLiteral("&Desktop"));
    item(m_DriveChange1, "MMyPictures", QStringLiteral("&My Pictures"));
    item(m_DriveChange1, "MInternet", QStringLiteral("&Internet"));
    item(m_DriveChange1, "MDefStartUp", QStringLiteral("Default start-&up folder"));
    m_Bestand1->addSeparator();
    m_ShowPicFullHidden = item(m_Bestand1, "ShowPicFullHidden",
                             QStringLiteral("&Show picture in Full Screen ~- Ctrl + Left click"));
    m_ShowPicFullHidden->setToolTip(QStringLiteral("E"));
    m_ShowPicFull = submenu(m_Bestand1, "ShowPicFull", QStringLiteral("&Show picture in Full Screen"));
    m_ShowPicFull->menuAction()->setToolTip(QStringLiteral("D"));
    item(m_ShowPicFull, "ShowPicFullFolder", QString());
    item(m_ShowPicFull, "ShowPicFullMyShow", QString());
    item(m_Bestand1, "AddPicMyShow", QStringLiteral("A&dd picture to My Show ~- Left click"));
    item(m_Bestand1, "AddPicMult", QStringLiteral("Add to Multiple Shows"));
    item(m_Bestand1, "AddToShowM", QStringLiteral("&Add all pictures to My Show"));
    item(m_Bestand1, "Voice", QStringLiteral("&Voice recording"));
    item(m_Bestand1, "Search", QStringLiteral("Searc&h"));
    m_Bestand1->addSeparator();
    m_FileOperations = submenu(m_Bestand1, "FileOperations", QStringLiteral("&Picture operations"));
    item(m_FileOperations, "SavePictureTo", QStringLiteral("&Save picture to"));
    item(m_FileOperations, "MovePictureTo", QStringLiteral("&Move picture to"));
    item(m_FileOperations, "SendRecycleBin", QStringLiteral("Send picture to Recycle &Bin"));
    item(m_FileOperations, "RenamePicture", QStringLiteral("Re&name picture"));
    item(m_FileOperations, "MRotateL", QStringLiteral("Rotate &left"));
    item(m_FileOperations, "MRotateR", QStringLiteral("Rotate &right"));
    m_FolderOperations = submenu(m_Bestand1, "FolderOperations", QStringLiteral("F&older operations"));
    item(m_FolderOperations, "CreatenewFolder", QStringLiteral("Create new folder"));
    item(m_FolderOperations, "EmptyFolder", QStringLiteral("Empty"));
    item(m_FolderOperations, "DeleteFolder1", QStringLiteral("Delete"));
    item(m_FolderOperations, "RenameFolder", QStringLiteral("Rename"));
    item(m_FolderOperations, "HideSmall", QStringLiteral("Delete thumbnails"));
    item(m_FolderOperations, "Refresh", QStringLiteral("Refresh  ~- F5 "));
    item(m_FolderOperations, "WindowsExplorer1", QStringLiteral("Open in file manager"));
    m_Tarnivo = item(m_FolderOperations, "Tarnivo", QStringLiteral("Launch &Tarnivo"));
    m_Tarnivo->setVisible(false);
    item(m_FolderOperations, "MResetToEXIF", QStringLiteral("Reset file dates to picture date taken (EXI&F)"));
    item(m_FolderOperations, "MMakeSmall", QStringLiteral("Create/Replace thumbnails manually"));
    item(m_Bestand1, "Wallpaper", QStringLiteral("Set picture as &Wallpaper"));
    m_WallPaperB = submenu(m_Bestand1, "WallPaperB", QStringLiteral("Set as &Wallpaper"));
    item(m_WallPaperB, "WallPaperFolder", QString());
    item(m_WallPaperB, "WallPaperMyShow", QString());
    m_ClipBoardFunctions = submenu(m_Bestand1, "ClipBoardFunctions", QStringLiteral("&Clipboard"));
    item(m_ClipBoardFunctions, "PictureToClipboard", QStringLiteral("Picture to Clipboard"));
    item(m_ClipBoardFunctions, "PathToClipboard", QStringLiteral("Path to Clipboard"));
    item(m_ClipBoardFunctions, "PictureToCBMyShow", QStringLiteral("Picture to Clipboard"));
    item(m_ClipBoardFunctions, "PathToCBMyShow", QStringLiteral("Path to Clipboard"));
    item(m_Bestand1, "Mail", QStringLiteral("Mai&l picture"));
    item(m_Bestand1, "Upload", QStringLiteral("&Upload picture"));
    m_MakeAutCDROM = submenu(m_Bestand1, "MakeAutCDROM", QStringLiteral("Ma&ke Automatic Starting CD"));
    m_MakeAutCDROM->menuAction()->setEnabled(false);
    item(m_MakeAutCDROM, "AutoCDFolder", QString());
    item(m_MakeAutCDROM, "AutoCDMyShow", QString());
    item(m_Bestand1, "AutoFolderToCD", QStringLiteral("&Create show from folder and copy to CD"));
    m_LaunchEditProgram1 = submenu(m_Bestand1, "LaunchEditProgram1", QStringLiteral("&Launch edit program"));
    m_LaunchEditProgram1->menuAction()->setVisible(false);
    for (int k = 0; k < 5; ++k) {
        m_LaunchItems[k] = item(m_LaunchEditProgram1, QStringLiteral("Launch%1").arg(k).toLatin1().constData(), QString());
        m_LaunchItems[k]->setVisible(false);
    }
    m_Bestand1->addSeparator();
    m_Afsluiten1 = item(m_Bestand1, "Afsluiten1", QStringLiteral("E&xit"));
    QObject::connect(m_Afsluiten1, &QAction::triggered, &window, &QWidget::close);
}

// The Show menu with its bookmarks.
void MainMenus::buildShowMenu()
{
    m_Show = barMenu(m_MainMenu1, "Show", QStringLiteral("&Show"));
    m_PictureShow1 = submenu(m_Show, "PictureShow1", QStringLiteral("Start Sl&ide Show - Full screen"));
    item(m_PictureShow1, "SlideShowFolder", QStringLiteral("from &folder"));
    item(m_PictureShow1, "SlideShowShow", QStringLiteral("of &show"));
    m_Restart = item(m_Show, "Restart", QStringLiteral("Restart Sl&ide Show ~- Home"));
    m_Restart->setVisible(false);
    m_StopPictureShow1 = item(m_Show, "StopPictureShow1", QStringLiteral("&Stop Slide Show                 ~- Escape"));
    m_StopPictureShow1->setEnabled(false);
    m_MGoSmall = submenu(m_Show, "MGoSmall", QStringLiteral("Start Slide Show - &Thumbnail view"));
    item(m_MGoSmall, "SlideShowThFolder", QStringLiteral("from &folder"));
    item(m_MGoSmall, "SlideShowThShow", QStringLiteral("of &show"));
    m_ShowinReverse1 = item(m_Show, "ShowinReverse1", QStringLiteral("Show in &Reverse"));
    m_ShowForward1 = item(m_Show, "ShowForward1", QStringLiteral("Show &Forward"));
    m_ManualMode1 = item(m_Show, "ManualMode1", QStringLiteral("&Manual Mode"));
    m_PictureForward = item(m_Show, "PictureForward", QStringLiteral("1 Picture/Page f&orward"));
    m_PictureBackwards = item(m_Show, "PictureBackwards", QStringLiteral("1 Picture/Page bac&kwards"));
    m_UseEntireScreen1 = item(m_Show, "UseEntireScreen1", QStringLiteral("Full Screen mode"));
    for (QAction* a : {m_ShowinReverse1, m_ShowForward1, m_ManualMode1, m_PictureForward, m_PictureBackwards, m_UseEntireScreen1})
        a->setEnabled(false);
    m_N10 = separator(m_Show, "N10");
    m_AddBookMark = item(m_Show, "AddBookMark", QStringLiteral("&Add bookmark"));
    m_RemoveBookmark = item(m_Show, "RemoveBookmark", QStringLiteral("&Remove bookmark"));
    m_GoToNextBookMark = item(m_Show, "GoToNextBookMark", QStringLiteral("Go to &next bookmark"));
    m_GoToPreviousBoolMark = item(m_Show, "GoToPreviousBoolMark", QStringLiteral("Go to &previous bookmark"));
    m_BookMarks = submenu(m_Show, "BookMarks", QStringLiteral("&Bookmarks"));
    for (int n = 0; n < 20; ++n) {
        m_BookmarkItems[n] = item(m_BookMarks, ("Bookmark" + twoDigits(n)).toLatin1().constData(), QString());
        m_BookmarkItems[n]->setVisible(false);
    }
    m_ClearBookMarks = item(m_Show, "ClearBookMarks", QStringLiteral("&Clear bookmarks"));
    for (QAction* a : {m_N10, m_AddBookMark, m_RemoveBookmark, m_GoToNextBookMark, m_GoToPreviousBoolMark,
                       m_BookMarks->menuAction(), m_ClearBookMarks})
        a->setVisible(false);
}

// The pictures-per-page and My Show menus.
void MainMenus::buildPageAndMyShowMenus()
{
    m_MMultSlide = barMenu(m_MainMenu1, "MMultSlide", kThumbnailViewMenuText);
    m_MMultSlide->menuAction()->setVisible(false);
    item(m_MMultSlide, "MMultMode", kMultModeMenuText);
    item(m_MMultSlide, "MSelectAll", kSelectAllMenuText);
    item(m_MMultSlide, "MSelectNone", kSelectNoneMenuText);
    item(m_MMultSlide, "MSelectInvert", kSelectInvertMenuText);
    item(m_MMultSlide, "MRatio", QStringLiteral("Crop &ratio"));

    // My m_Show.
    m_MyShow = barMenu(m_MainMenu1, "MyShow", QStringLiteral("&My Show"));
    item(m_MyShow, "LoadMyShow", QStringLiteral("&Open show"));
    item(m_MyShow, "NewShow", QStringLiteral("&New show"));
    item(m_MyShow, "MyShowDraft", QStringLiteral("&Draft show"));
    item(m_MyShow, "SaveMyShow", QStringLiteral("&Save show"));
    item(m_MyShow, "SaveMyShowAs", QStringLiteral("Save show &as"));
    item(m_MyShow, "CopyMyShow", QStringLiteral("&Copy show with pictures"));
    item(m_MyShow, "SortMyShow", QStringLiteral("S&ort show"));
    item(m_MyShow, "ShowAll", QStringLiteral("Show &manager"));
    item(m_MyShow, "UndoM", QStringLiteral("&Undo"));
    item(m_MyShow, "AttachPlaylist", QStringLiteral("A&ttach playlist"));
    item(m_MyShow, "HideShowMyShow", QStringLiteral("&Hide MyShow"));
    item(m_MyShow, "MailMyShow", QStringLiteral("Mai&l show"));
    item(m_MyShow, "MailPicMyShow", QStringLiteral("Mail p&icture"));
    item(m_MyShow, "DeleteMyShow", QStringLiteral("D&elete show"));
    separator(m_MyShow, "N1");
    for (int n = 0; n < 5; ++n) {
        m_HistoryItems[n] = item(m_MyShow, QStringLiteral("histVXO%1").arg(n + 1).toLatin1().constData(), QString());
        m_HistoryItems[n]->setVisible(false);
    }
}

// The Playlist, Favorites and Recent menus.
void MainMenus::buildListMenus()
{
    m_Playlist = barMenu(m_MainMenu1, "Playlist", QStringLiteral("P&laylist"));
    item(m_Playlist, "DefPlaylist", QStringLiteral("&Default playlist"));
    for (int n = 0; n < 9; ++n) {
        m_PlaylistHistItems[n] = item(m_Playlist, QStringLiteral("PH%1").arg(n + 1).toLatin1().constData(), QString());
        m_PlaylistHistItems[n]->setVisible(false);
    }

    // m_Favorites and Recent.
    m_Favorites = barMenu(m_MainMenu1, "Favorites", QStringLiteral("F&avorites"));
    for (int n = 0; n < 9; ++n) {
        m_FavItems[n] = item(m_Favorites, QStringLiteral("Fav%1").arg(n + 1).toLatin1().constData(), QString());
        m_FavItems[n]->setVisible(false);
    }
    m_N12 = separator(m_Favorites, "N12");
    item(m_Favorites, "ClearFavs", QStringLiteral("&Maintenance Favorites"));
    m_Recent1 = barMenu(m_MainMenu1, "Recent1", QStringLiteral("&Recent "));
    for (int n = 0; n < 9; ++n) {
        m_FolderItems[n] = item(m_Recent1, QStringLiteral("Folder%1").arg(n + 1).toLatin1().constData(), QString());
        m_FolderItems[n]->setVisible(false);
    }
    m_N16 = separator(m_Recent1, "N16");
    item(m_Recent1, "ClearRec", QStringLiteral("&Maintenance Recent"));
    // Each menu keeps a visible item: its maintenance item.
    for (QAction* a : {m_N12, m_N16})
        a->setVisible(false);
}

// The Options and Help menus.
void MainMenus::buildOptionsAndHelpMenus()
{
    m_Options1 = barMenu(m_MainMenu1, "Options1", QStringLiteral("&Options"));
    item(m_Options1, "PictureShowOptions1", QStringLiteral("&Options"));
    m_ExcludeFolder = submenu(m_Options1, "ExcludeFolder", QStringLiteral("E&xclude from"));
    item(m_ExcludeFolder, "Browse", QStringLiteral("&Browse window"));
    item(m_ExcludeFolder, "SubShow", QStringLiteral("&Slide show and mail selection"));
    item(m_ExcludeFolder, "SubSearch", QStringLiteral("S&earch results"));
    item(m_ExcludeFolder, "All", QStringLiteral("&All"));
    m_FolderExclusions = item(m_Options1, "FolderExclusions", QStringLiteral("&Folder Exclusions Active"));
    m_FolderExclusions->setCheckable(true);
    m_FolderExclusions->setChecked(true);
    item(m_Options1, "ClearExclusions", QStringLiteral("&Clear Folder Exclusions"));

    // Help (the last item of the bar).
    m_Help1 = barMenu(m_MainMenu1, "Help1", QStringLiteral(">&Help"));
    item(m_Help1, "GettingStarted", QStringLiteral("&Getting started"));
    item(m_Help1, "WhatsNew", QStringLiteral("&What's new"));
    item(m_Help1, "Credits", QStringLiteral("&Credits"));
    item(m_Help1, "VXOnlineHelp", QStringLiteral("&Online help"));
    m_N23 = separator(m_Help1, "N23");
    m_Irfanview = item(m_Help1, "Irfanview", QStringLiteral("Get &IrfanView (for picture rotation and resampling)"));
    m_N23->setVisible(false);
    m_Irfanview->setVisible(false);
    item(m_Help1, "Checkforupdate", QStringLiteral("&Check for update"));
    item(m_Help1, "ReportBug", QStringLiteral("&Report a bug"));
    item(m_Help1, "Support", QStringLiteral("&Support"));
    item(m_Help1, "AboutPictureShow1", QStringLiteral("&About"));
}

// The pop-up menus, children of the window.
void MainMenus::buildPopups(QMainWindow& window)
{
    m_RightClickTreeView = platform::Named(new QMenu(&window), "RightClickTreeView");
    QMenu* p = m_RightClickTreeView;
    // Folder items: positions 0..21.
    item(p, "StartSlideShowPop", QStringLiteral("Start Slide Show - Full screen"));
    item(p, "GoSmallPop", QStringLiteral("Start Slide Show - Thumbnail view"));
    item(p, "SearchPop", QStringLiteral("Searc&h"));
    separator(p, "N2");
    item(p, "AddSelectedFolderPop", QStringLiteral("Add to &Favorites"));
    item(p, "MakeDefaultPop", QStringLiteral("Set as default start-up folder"));
    item(p, "MakeAutoMaticPop", QStringLiteral("Set as AutomaticShow folder"));
    m_ExcludeFolderPop = submenu(p, "ExcludeFolderPop", QStringLiteral("E&xclude from"));
    item(m_ExcludeFolderPop, "BrowsePop", QStringLiteral("&Browse window"));
    item(m_ExcludeFolderPop, "SubShowPop", QStringLiteral("&Slide show and mail selection"));
    item(m_ExcludeFolderPop, "SubSearchPop", QStringLiteral("S&earch results"));
    item(m_ExcludeFolderPop, "AllPop", QStringLiteral("&All"));
    item(p, "RefreshPop", QStringLiteral("Refresh  ~- F5 "));
    item(p, "UploadFolderR", QStringLiteral("Upload pictures"));
    item(p, "AddToShow", QStringLiteral("&Add pictures to My Show"));
    item(p, "MailPictures", QStringLiteral("Mai&l pictures/video's"));
    item(p, "AutoFolderToCDPop", QStringLiteral("Create show from folder and copy to cd"));
    m_TarnivoPop = item(p, "TarnivoPop", QStringLiteral("Launch &Tarnivo"));
    m_TarnivoPop->setVisible(false);
    item(p, "ResetToExifPop", QStringLiteral("Reset file dates to picture date taken (EXI&F)"));
    item(p, "WindowsExplorer", QStringLiteral("Open in file manager"));
    separator(p, "N3");
    item(p, "CreateFolderPop", QStringLiteral("Create new folder"));
    item(p, "DeleteFolderPop", QStringLiteral("&Delete"));
    item(p, "EmptyFolderPop", QStringLiteral("&Empty"));
    item(p, "RenameFolderPop", QStringLiteral("Ren&ame"));
    item(p, "MakeSmall", QStringLiteral("Create/Replace thumbnails manually"));
    addTreeFileItems(p);

    m_DrivePop = platform::Named(new QMenu(&window), "DrivePop");
    for (int n = 0; n < 26; ++n) {
        m_PDriveItems[n] = item(m_DrivePop, ("PDrive" + twoDigits(n + 1)).toLatin1().constData(), QString());
        m_PDriveItems[n]->setVisible(false);
    }
    separator(m_DrivePop, "N25");
    item(m_DrivePop, "Desktop", QStringLiteral("&Desktop"));
    item(m_DrivePop, "MyPictures", QStringLiteral("&My Pictures"));
    item(m_DrivePop, "Internet", QStringLiteral("&Internet"));
    item(m_DrivePop, "DPDefStartUp", QStringLiteral("Default start-&up folder"));

    m_PopScreen = platform::Named(new QMenu(&window), "PopScreen");
    item(m_PopScreen, "MMainMonitor", QStringLiteral("&Main monitor"));
    item(m_PopScreen, "MSecondMonitor", QStringLiteral("&Second monitor"));

    m_MultiPop = platform::Named(new QMenu(&window), "MultiPop");
    for (const PageLayoutEntry& layout : PageLayoutTable())
        item(m_MultiPop, layout.menuItem, QString::fromLatin1(layout.caption));
}

// The tree pop-up's file items (positions 22 and up), after its folder items.
void MainMenus::addTreeFileItems(QMenu* p)
{
    item(p, "ShowPicFullPop", QStringLiteral("&Show picture in Full Screen mode ~- Ctrl + Left click"));
    item(p, "AddPicMyShowPop", QStringLiteral("A&dd picture to Draft  ~- Left click"));
    item(p, "AddMult", QStringLiteral("Add to &Multiple Shows"));
    m_ResumeInFull = item(p, "ResumeInFull", QStringLiteral("Resume slide show in full screen mode starting with selected picture"));
    m_N24 = separator(p, "N24");
    item(p, "Save", QStringLiteral("&Save picture to"));
    item(p, "Move", QStringLiteral("&Move picture to"));
    item(p, "Rename", QStringLiteral("Re&name picture"));
    item(p, "RecycleBin", QStringLiteral("Send picture to Recycle &Bin"));
    item(p, "MailPicPop", QStringLiteral("Mai&l picture"));
    item(p, "UploadPicture", QStringLiteral("&Upload picture"));
    item(p, "SetWalPaper", QStringLiteral("Set as &Wallpaper"));
    item(p, "VoicePop", QStringLiteral("&Voice recording"));
    item(p, "RCRotateL", QStringLiteral("Rotate &left"));
    item(p, "RCRotateR", QStringLiteral("Rotate &right"));
    item(p, "PictureToClipboradPop", QStringLiteral("&Picture to Clipboard"));
    item(p, "PathToClipboardPop", QStringLiteral("P&ath to Clipboard"));
    m_RaunchEditProgram = submenu(p, "RaunchEditProgram", QStringLiteral("&Launch edit program"));
    for (int k = 0; k < 5; ++k) {
        m_RaunchItems[k] = item(m_RaunchEditProgram, QStringLiteral("Raunch%1").arg(k).toLatin1().constData(), QString());
        m_RaunchItems[k]->setVisible(false);
        m_RaunchItems[k]->setEnabled(false);
    }
    m_LaunchVideoProgram = submenu(p, "LaunchVideoProgram", QStringLiteral("Launch &video program"));
    for (int k = 0; k < 5; ++k) {
        m_VaunchItems[k] = item(m_LaunchVideoProgram, QStringLiteral("Vaunch%1").arg(k).toLatin1().constData(), QString());
        m_VaunchItems[k]->setVisible(false);
        m_VaunchItems[k]->setEnabled(false);
    }
    m_ResumeInFull->setVisible(false);
    m_N24->setVisible(false);
}
