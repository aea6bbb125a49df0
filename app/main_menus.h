// The main window's menu bar with its menus and items, and the pop-up
// menus: the folder tree's RightClickTreeView, DrivePop, the monitor choice
// PopScreen and the pictures-per-page MultiPop. The section builds them with
// their captions and first visible, enabled and check states; the
// controllers get the menus and items from it. Each carries its own name as
// objectName, and each accessor is named as that objectName; a numbered group
// of items (drives, launch programs, bookmarks, list entries, layouts) comes
// as one array.
#pragma once

#include <array>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;

class MainMenus {
public:
    // Builds the menus into the menu bar of `window` and the pop-up menus as
    // children of `window`; File > Exit closes `window`.
    explicit MainMenus(QMainWindow& window);
    MainMenus(const MainMenus&) = delete;
    MainMenus& operator=(const MainMenus&) = delete;

    // The menu bar and its menus.
    QMenuBar* MainMenu1() const { return m_MainMenu1; }
    // The menu bar's rows (MainMenu1 and, in a narrow window, MainMenu2).
    class MenuBarRows* BarRows() const { return m_barRows; }
    QMenu* Bestand1() const { return m_Bestand1; }  // File
    QMenu* Show() const { return m_Show; }
    QMenu* MMultSlide() const { return m_MMultSlide; }  // pictures per page
    QMenu* MyShow() const { return m_MyShow; }
    QMenu* Playlist() const { return m_Playlist; }
    QMenu* Favorites() const { return m_Favorites; }
    QMenu* Recent1() const { return m_Recent1; }
    QMenu* Options1() const { return m_Options1; }
    QMenu* Help1() const { return m_Help1; }

    // File menu.
    QAction* AddSelectedFolder() const { return m_AddSelectedFolder; }
    QMenu* AddSelectedFolderB() const { return m_AddSelectedFolderB; }
    QAction* AddFolder() const { return m_AddFolder; }
    QAction* AddShow() const { return m_AddShow; }
    QAction* MakeDefault() const { return m_MakeDefault; }
    QAction* MakeAutomatic() const { return m_MakeAutomatic; }
    QMenu* MakeAutomaticB() const { return m_MakeAutomaticB; }
    QAction* AutomaticFolder() const { return m_AutomaticFolder; }
    QAction* AutomaticShow() const { return m_AutomaticShow; }
    QMenu* DriveChange1() const { return m_DriveChange1; }
    const std::array<QAction*, 26>& DriveItems() const { return m_DriveItems; }  // Drive01..Drive26
    QAction* N26() const { return m_N26; }
    QAction* MDesktop() const { return m_MDesktop; }
    QAction* MMyPictures() const { return m_MMyPictures; }
    QAction* MInternet() const { return m_MInternet; }
    QAction* MDefStartUp() const { return m_MDefStartUp; }
    QAction* ShowPicFullHidden() const { return m_ShowPicFullHidden; }
    QMenu* ShowPicFull() const { return m_ShowPicFull; }
    QAction* ShowPicFullFolder() const { return m_ShowPicFullFolder; }
    QAction* ShowPicFullMyShow() const { return m_ShowPicFullMyShow; }
    QAction* AddPicMyShow() const { return m_AddPicMyShow; }
    QAction* AddPicMult() const { return m_AddPicMult; }
    QAction* AddToShowM() const { return m_AddToShowM; }
    QAction* Voice() const { return m_Voice; }
    QAction* Search() const { return m_Search; }
    QMenu* FileOperations() const { return m_FileOperations; }
    QAction* SavePictureTo() const { return m_SavePictureTo; }
    QAction* MovePictureTo() const { return m_MovePictureTo; }
    QAction* SendRecycleBin() const { return m_SendRecycleBin; }
    QAction* RenamePicture() const { return m_RenamePicture; }
    QAction* MRotateL() const { return m_MRotateL; }
    QAction* MRotateR() const { return m_MRotateR; }
    QMenu* FolderOperations() const { return m_FolderOperations; }
    QAction* CreatenewFolder() const { return m_CreatenewFolder; }
    QAction* EmptyFolder() const { return m_EmptyFolder; }
    QAction* DeleteFolder1() const { return m_DeleteFolder1; }
    QAction* RenameFolder() const { return m_RenameFolder; }
    QAction* HideSmall() const { return m_HideSmall; }
    QAction* Refresh() const { return m_Refresh; }
    QAction* WindowsExplorer1() const { return m_WindowsExplorer1; }
    QAction* Tarnivo() const { return m_Tarnivo; }
    QAction* MResetToEXIF() const { return m_MResetToEXIF; }
    QAction* MMakeSmall() const { return m_MMakeSmall; }
    QAction* Wallpaper() const { return m_Wallpaper; }
    QMenu* WallPaperB() const { return m_WallPaperB; }
    QAction* WallPaperFolder() const { return m_WallPaperFolder; }
    QAction* WallPaperMyShow() const { return m_WallPaperMyShow; }
    QMenu* ClipBoardFunctions() const { return m_ClipBoardFunctions; }
    QAction* PictureToClipboard() const { return m_PictureToClipboard; }
    QAction* PathToClipboard() const { return m_PathToClipboard; }
    QAction* PictureToCBMyShow() const { return m_PictureToCBMyShow; }
    QAction* PathToCBMyShow() const { return m_PathToCBMyShow; }
    QMenu* MakeAutCDROM() const { return m_MakeAutCDROM; }
    QAction* AutoCDFolder() const { return m_AutoCDFolder; }
    QAction* AutoCDMyShow() const { return m_AutoCDMyShow; }
    QAction* AutoFolderToCD() const { return m_AutoFolderToCD; }
    QAction* Mail() const { return m_Mail; }
    QAction* Upload() const { return m_Upload; }
    QMenu* LaunchEditProgram1() const { return m_LaunchEditProgram1; }
    const std::array<QAction*, 5>& LaunchItems() const { return m_LaunchItems; }  // Launch0..Launch4
    QAction* Afsluiten1() const { return m_Afsluiten1; }  // Exit

    // Show menu.
    QMenu* PictureShow1() const { return m_PictureShow1; }
    QAction* SlideShowFolder() const { return m_SlideShowFolder; }
    QAction* SlideShowShow() const { return m_SlideShowShow; }
    QAction* Restart() const { return m_Restart; }
    QAction* StopPictureShow1() const { return m_StopPictureShow1; }
    QMenu* MGoSmall() const { return m_MGoSmall; }
    QAction* SlideShowThFolder() const { return m_SlideShowThFolder; }
    QAction* SlideShowThShow() const { return m_SlideShowThShow; }
    QAction* ShowinReverse1() const { return m_ShowinReverse1; }
    QAction* ShowForward1() const { return m_ShowForward1; }
    QAction* ManualMode1() const { return m_ManualMode1; }
    QAction* PictureForward() const { return m_PictureForward; }
    QAction* PictureBackwards() const { return m_PictureBackwards; }
    QAction* UseEntireScreen1() const { return m_UseEntireScreen1; }
    QAction* N10() const { return m_N10; }
    QAction* AddBookMark() const { return m_AddBookMark; }
    QAction* RemoveBookmark() const { return m_RemoveBookmark; }
    QAction* GoToNextBookMark() const { return m_GoToNextBookMark; }
    QAction* GoToPreviousBoolMark() const { return m_GoToPreviousBoolMark; }
    QMenu* BookMarks() const { return m_BookMarks; }
    const std::array<QAction*, 20>& BookmarkItems() const { return m_BookmarkItems; }  // Bookmark00..Bookmark19
    QAction* ClearBookMarks() const { return m_ClearBookMarks; }

    // Pictures-per-page menu.
    QAction* MMultMode() const { return m_MMultMode; }
    QAction* MSelectAll() const { return m_MSelectAll; }
    QAction* MSelectNone() const { return m_MSelectNone; }
    QAction* MSelectInvert() const { return m_MSelectInvert; }
    QAction* MRatio() const { return m_MRatio; }

    // My Show menu.
    QAction* LoadMyShow() const { return m_LoadMyShow; }
    QAction* NewShow() const { return m_NewShow; }
    QAction* MyShowDraft() const { return m_MyShowDraft; }
    QAction* SaveMyShow() const { return m_SaveMyShow; }
    QAction* SaveMyShowAs() const { return m_SaveMyShowAs; }
    QAction* CopyMyShow() const { return m_CopyMyShow; }
    QAction* SortMyShow() const { return m_SortMyShow; }
    QAction* ShowAll() const { return m_ShowAll; }
    QAction* UndoM() const { return m_UndoM; }
    QAction* AttachPlaylist() const { return m_AttachPlaylist; }
    QAction* HideShowMyShow() const { return m_HideShowMyShow; }
    QAction* MailMyShow() const { return m_MailMyShow; }
    QAction* MailPicMyShow() const { return m_MailPicMyShow; }
    QAction* DeleteMyShow() const { return m_DeleteMyShow; }
    QAction* N1() const { return m_N1; }
    const std::array<QAction*, 5>& HistoryItems() const { return m_HistoryItems; }  // histVXO1..histVXO5

    // Playlist menu.
    QAction* DefPlaylist() const { return m_DefPlaylist; }
    const std::array<QAction*, 9>& PlaylistHistItems() const { return m_PlaylistHistItems; }  // PH1..PH9

    // Favorites and Recent menus.
    const std::array<QAction*, 9>& FavItems() const { return m_FavItems; }  // Fav1..Fav9
    QAction* N12() const { return m_N12; }
    QAction* ClearFavs() const { return m_ClearFavs; }
    const std::array<QAction*, 9>& FolderItems() const { return m_FolderItems; }  // Folder1..Folder9
    QAction* N16() const { return m_N16; }
    QAction* ClearRec() const { return m_ClearRec; }

    // Options menu.
    QAction* PictureShowOptions1() const { return m_PictureShowOptions1; }
    QMenu* ExcludeFolder() const { return m_ExcludeFolder; }
    QAction* Browse() const { return m_Browse; }
    QAction* SubShow() const { return m_SubShow; }
    QAction* SubSearch() const { return m_SubSearch; }
    QAction* All() const { return m_All; }
    QAction* FolderExclusions() const { return m_FolderExclusions; }
    QAction* ClearExclusions() const { return m_ClearExclusions; }

    // Help menu.
    QAction* GettingStarted() const { return m_GettingStarted; }
    QAction* WhatsNew() const { return m_WhatsNew; }
    QAction* Credits() const { return m_Credits; }
    QAction* VXOnlineHelp() const { return m_VXOnlineHelp; }
    QAction* N23() const { return m_N23; }
    QAction* Irfanview() const { return m_Irfanview; }
    QAction* Checkforupdate() const { return m_Checkforupdate; }
    QAction* ReportBug() const { return m_ReportBug; }
    QAction* Support() const { return m_Support; }
    QAction* AboutPictureShow1() const { return m_AboutPictureShow1; }

    // Pop-up menus.

    // Folder-tree pop-up: items 0..21 are the folder items, 22.. the file items.
    QMenu* RightClickTreeView() const { return m_RightClickTreeView; }
    QAction* StartSlideShowPop() const { return m_StartSlideShowPop; }
    QAction* GoSmallPop() const { return m_GoSmallPop; }
    QAction* AddSelectedFolderPop() const { return m_AddSelectedFolderPop; }
    QAction* MakeDefaultPop() const { return m_MakeDefaultPop; }
    QAction* MakeAutoMaticPop() const { return m_MakeAutoMaticPop; }
    QMenu* ExcludeFolderPop() const { return m_ExcludeFolderPop; }
    QAction* BrowsePop() const { return m_BrowsePop; }
    QAction* SubShowPop() const { return m_SubShowPop; }
    QAction* SubSearchPop() const { return m_SubSearchPop; }
    QAction* AllPop() const { return m_AllPop; }
    QAction* RefreshPop() const { return m_RefreshPop; }
    QAction* UploadFolderR() const { return m_UploadFolderR; }
    QAction* AddToShow() const { return m_AddToShow; }
    QAction* MailPictures() const { return m_MailPictures; }
    QAction* AutoFolderToCDPop() const { return m_AutoFolderToCDPop; }
    QAction* TarnivoPop() const { return m_TarnivoPop; }
    QAction* ResetToExifPop() const { return m_ResetToExifPop; }
    QAction* CreateFolderPop() const { return m_CreateFolderPop; }
    QAction* DeleteFolderPop() const { return m_DeleteFolderPop; }
    QAction* EmptyFolderPop() const { return m_EmptyFolderPop; }
    QAction* RenameFolderPop() const { return m_RenameFolderPop; }
    QAction* MakeSmall() const { return m_MakeSmall; }
    QAction* SearchPop() const { return m_SearchPop; }
    QAction* WindowsExplorer() const { return m_WindowsExplorer; }
    QAction* ShowPicFullPop() const { return m_ShowPicFullPop; }
    QAction* AddPicMyShowPop() const { return m_AddPicMyShowPop; }
    QAction* Save() const { return m_Save; }
    QAction* Move() const { return m_Move; }
    QAction* Rename() const { return m_Rename; }
    QAction* RecycleBin() const { return m_RecycleBin; }
    QAction* MailPicPop() const { return m_MailPicPop; }
    QAction* UploadPicture() const { return m_UploadPicture; }
    QAction* SetWalPaper() const { return m_SetWalPaper; }
    QAction* VoicePop() const { return m_VoicePop; }
    QAction* AddMult() const { return m_AddMult; }
    QAction* RCRotateL() const { return m_RCRotateL; }
    QAction* RCRotateR() const { return m_RCRotateR; }
    QAction* ResumeInFull() const { return m_ResumeInFull; }
    QAction* N24() const { return m_N24; }
    QAction* PictureToClipboradPop() const { return m_PictureToClipboradPop; }
    QAction* PathToClipboardPop() const { return m_PathToClipboardPop; }
    QMenu* RaunchEditProgram() const { return m_RaunchEditProgram; }
    const std::array<QAction*, 5>& RaunchItems() const { return m_RaunchItems; }  // Raunch0..Raunch4
    QMenu* LaunchVideoProgram() const { return m_LaunchVideoProgram; }
    const std::array<QAction*, 5>& VaunchItems() const { return m_VaunchItems; }  // Vaunch0..Vaunch4

    // Drive pop-up (item for item like DriveChange1).
    QMenu* DrivePop() const { return m_DrivePop; }
    const std::array<QAction*, 26>& PDriveItems() const { return m_PDriveItems; }  // PDrive01..PDrive26
    QAction* N25() const { return m_N25; }
    QAction* Desktop() const { return m_Desktop; }
    QAction* MyPictures() const { return m_MyPictures; }
    QAction* Internet() const { return m_Internet; }
    QAction* DPDefStartUp() const { return m_DPDefStartUp; }

    // Monitor choice and pictures-per-page pop-ups.
    QMenu* PopScreen() const { return m_PopScreen; }
    QAction* MMainMonitor() const { return m_MMainMonitor; }
    QAction* MSecondMonitor() const { return m_MSecondMonitor; }
    QMenu* MultiPop() const { return m_MultiPop; }
    const std::array<QAction*, 25>& MultiItems() const { return m_MultiItems; }  // M1, M2, M4 ... M77 (PageLayoutTable's order)

private:
    void buildFileMenu(QMainWindow& window);
    void buildShowMenu();
    void buildPageAndMyShowMenus();
    void buildListMenus();
    void buildOptionsAndHelpMenus();
    void buildPopups(QMainWindow& window);
    void addTreeFileItems(QMenu* popup);

    QMenuBar* m_MainMenu1 = nullptr;
    class MenuBarRows* m_barRows = nullptr;
    QMenu* m_Bestand1 = nullptr;
    QMenu* m_Show = nullptr;
    QMenu* m_MMultSlide = nullptr;
    QMenu* m_MyShow = nullptr;
    QMenu* m_Playlist = nullptr;
    QMenu* m_Favorites = nullptr;
    QMenu* m_Recent1 = nullptr;
    QMenu* m_Options1 = nullptr;
    QMenu* m_Help1 = nullptr;

    QAction* m_AddSelectedFolder = nullptr;
    QMenu* m_AddSelectedFolderB = nullptr;
    QAction* m_AddFolder = nullptr;
    QAction* m_AddShow = nullptr;
    QAction* m_MakeDefault = nullptr;
    QAction* m_MakeAutomatic = nullptr;
    QMenu* m_MakeAutomaticB = nullptr;
    QAction* m_AutomaticFolder = nullptr;
    QAction* m_AutomaticShow = nullptr;
    QMenu* m_DriveChange1 = nullptr;
    std::array<QAction*, 26> m_DriveItems{};
    QAction* m_N26 = nullptr;
    QAction* m_MDesktop = nullptr;
    QAction* m_MMyPictures = nullptr;
    QAction* m_MInternet = nullptr;
    QAction* m_MDefStartUp = nullptr;
    QAction* m_ShowPicFullHidden = nullptr;
    QMenu* m_ShowPicFull = nullptr;
    QAction* m_ShowPicFullFolder = nullptr;
    QAction* m_ShowPicFullMyShow = nullptr;
    QAction* m_AddPicMyShow = nullptr;
    QAction* m_AddPicMult = nullptr;
    QAction* m_AddToShowM = nullptr;
    QAction* m_Voice = nullptr;
    QAction* m_Search = nullptr;
    QMenu* m_FileOperations = nullptr;
    QAction* m_SavePictureTo = nullptr;
    QAction* m_MovePictureTo = nullptr;
    QAction* m_SendRecycleBin = nullptr;
    QAction* m_RenamePicture = nullptr;
    QAction* m_MRotateL = nullptr;
    QAction* m_MRotateR = nullptr;
    QMenu* m_FolderOperations = nullptr;
    QAction* m_CreatenewFolder = nullptr;
    QAction* m_EmptyFolder = nullptr;
    QAction* m_DeleteFolder1 = nullptr;
    QAction* m_RenameFolder = nullptr;
    QAction* m_HideSmall = nullptr;
    QAction* m_Refresh = nullptr;
    QAction* m_WindowsExplorer1 = nullptr;
    QAction* m_Tarnivo = nullptr;
    QAction* m_MResetToEXIF = nullptr;
    QAction* m_MMakeSmall = nullptr;
    QAction* m_Wallpaper = nullptr;
    QMenu* m_WallPaperB = nullptr;
    QAction* m_WallPaperFolder = nullptr;
    QAction* m_WallPaperMyShow = nullptr;
    QMenu* m_ClipBoardFunctions = nullptr;
    QAction* m_PictureToClipboard = nullptr;
    QAction* m_PathToClipboard = nullptr;
    QAction* m_PictureToCBMyShow = nullptr;
    QAction* m_PathToCBMyShow = nullptr;
    QMenu* m_MakeAutCDROM = nullptr;
    QAction* m_AutoCDFolder = nullptr;
    QAction* m_AutoCDMyShow = nullptr;
    QAction* m_AutoFolderToCD = nullptr;
    QAction* m_Mail = nullptr;
    QAction* m_Upload = nullptr;
    QMenu* m_LaunchEditProgram1 = nullptr;
    std::array<QAction*, 5> m_LaunchItems{};
    QAction* m_Afsluiten1 = nullptr;

    QMenu* m_PictureShow1 = nullptr;
    QAction* m_SlideShowFolder = nullptr;
    QAction* m_SlideShowShow = nullptr;
    QAction* m_Restart = nullptr;
    QAction* m_StopPictureShow1 = nullptr;
    QMenu* m_MGoSmall = nullptr;
    QAction* m_SlideShowThFolder = nullptr;
    QAction* m_SlideShowThShow = nullptr;
    QAction* m_ShowinReverse1 = nullptr;
    QAction* m_ShowForward1 = nullptr;
    QAction* m_ManualMode1 = nullptr;
    QAction* m_PictureForward = nullptr;
    QAction* m_PictureBackwards = nullptr;
    QAction* m_UseEntireScreen1 = nullptr;
    QAction* m_N10 = nullptr;
    QAction* m_AddBookMark = nullptr;
    QAction* m_RemoveBookmark = nullptr;
    QAction* m_GoToNextBookMark = nullptr;
    QAction* m_GoToPreviousBoolMark = nullptr;
    QMenu* m_BookMarks = nullptr;
    std::array<QAction*, 20> m_BookmarkItems{};
    QAction* m_ClearBookMarks = nullptr;

    QAction* m_MMultMode = nullptr;
    QAction* m_MSelectAll = nullptr;
    QAction* m_MSelectNone = nullptr;
    QAction* m_MSelectInvert = nullptr;
    QAction* m_MRatio = nullptr;

    QAction* m_LoadMyShow = nullptr;
    QAction* m_NewShow = nullptr;
    QAction* m_MyShowDraft = nullptr;
    QAction* m_SaveMyShow = nullptr;
    QAction* m_SaveMyShowAs = nullptr;
    QAction* m_CopyMyShow = nullptr;
    QAction* m_SortMyShow = nullptr;
    QAction* m_ShowAll = nullptr;
    QAction* m_UndoM = nullptr;
    QAction* m_AttachPlaylist = nullptr;
    QAction* m_HideShowMyShow = nullptr;
    QAction* m_MailMyShow = nullptr;
    QAction* m_MailPicMyShow = nullptr;
    QAction* m_DeleteMyShow = nullptr;
    QAction* m_N1 = nullptr;
    std::array<QAction*, 5> m_HistoryItems{};

    QAction* m_DefPlaylist = nullptr;
    std::array<QAction*, 9> m_PlaylistHistItems{};

    std::array<QAction*, 9> m_FavItems{};
    QAction* m_N12 = nullptr;
    QAction* m_ClearFavs = nullptr;
    std::array<QAction*, 9> m_FolderItems{};
    QAction* m_N16 = nullptr;
    QAction* m_ClearRec = nullptr;

    QAction* m_PictureShowOptions1 = nullptr;
    QMenu* m_ExcludeFolder = nullptr;
    QAction* m_Browse = nullptr;
    QAction* m_SubShow = nullptr;
    QAction* m_SubSearch = nullptr;
    QAction* m_All = nullptr;
    QAction* m_FolderExclusions = nullptr;
    QAction* m_ClearExclusions = nullptr;

    QAction* m_GettingStarted = nullptr;
    QAction* m_WhatsNew = nullptr;
    QAction* m_Credits = nullptr;
    QAction* m_VXOnlineHelp = nullptr;
    QAction* m_N23 = nullptr;
    QAction* m_Irfanview = nullptr;
    QAction* m_Checkforupdate = nullptr;
    QAction* m_ReportBug = nullptr;
    QAction* m_Support = nullptr;
    QAction* m_AboutPictureShow1 = nullptr;

    QMenu* m_RightClickTreeView = nullptr;
    QAction* m_StartSlideShowPop = nullptr;
    QAction* m_GoSmallPop = nullptr;
    QAction* m_AddSelectedFolderPop = nullptr;
    QAction* m_MakeDefaultPop = nullptr;
    QAction* m_MakeAutoMaticPop = nullptr;
    QMenu* m_ExcludeFolderPop = nullptr;
    QAction* m_BrowsePop = nullptr;
    QAction* m_SubShowPop = nullptr;
    QAction* m_SubSearchPop = nullptr;
    QAction* m_AllPop = nullptr;
    QAction* m_RefreshPop = nullptr;
    QAction* m_UploadFolderR = nullptr;
    QAction* m_AddToShow = nullptr;
    QAction* m_MailPictures = nullptr;
    QAction* m_AutoFolderToCDPop = nullptr;
    QAction* m_TarnivoPop = nullptr;
    QAction* m_ResetToExifPop = nullptr;
    QAction* m_CreateFolderPop = nullptr;
    QAction* m_DeleteFolderPop = nullptr;
    QAction* m_EmptyFolderPop = nullptr;
    QAction* m_RenameFolderPop = nullptr;
    QAction* m_MakeSmall = nullptr;
    QAction* m_SearchPop = nullptr;
    QAction* m_WindowsExplorer = nullptr;
    QAction* m_ShowPicFullPop = nullptr;
    QAction* m_AddPicMyShowPop = nullptr;
    QAction* m_Save = nullptr;
    QAction* m_Move = nullptr;
    QAction* m_Rename = nullptr;
    QAction* m_RecycleBin = nullptr;
    QAction* m_MailPicPop = nullptr;
    QAction* m_UploadPicture = nullptr;
    QAction* m_SetWalPaper = nullptr;
    QAction* m_VoicePop = nullptr;
    QAction* m_AddMult = nullptr;
    QAction* m_RCRotateL = nullptr;
    QAction* m_RCRotateR = nullptr;
    QAction* m_ResumeInFull = nullptr;
    QAction* m_N24 = nullptr;
    QAction* m_PictureToClipboradPop = nullptr;
    QAction* m_PathToClipboardPop = nullptr;
    QMenu* m_RaunchEditProgram = nullptr;
    std::array<QAction*, 5> m_RaunchItems{};
    QMenu* m_LaunchVideoProgram = nullptr;
    std::array<QAction*, 5> m_VaunchItems{};

    QMenu* m_DrivePop = nullptr;
    std::array<QAction*, 26> m_PDriveItems{};
    QAction* m_N25 = nullptr;
    QAction* m_Desktop = nullptr;
    QAction* m_MyPictures = nullptr;
    QAction* m_Internet = nullptr;
    QAction* m_DPDefStartUp = nullptr;

    QMenu* m_PopScreen = nullptr;
    QAction* m_MMainMonitor = nullptr;
    QAction* m_MSecondMonitor = nullptr;
    QMenu* m_MultiPop = nullptr;
    std::array<QAction*, 25> m_MultiItems{};
};
