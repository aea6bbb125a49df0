// The main window's menu bar with its menus and items, and the pop-up
// menus: the folder tree's RightClickTreeView, DrivePop, the monitor choice
// PopScreen and the pictures-per-page MultiPop. The section builds them with
// their captions and first visible, enabled and check states; it only makes
// and places them. Each carries its own name as objectName, and the
// controller that serves an item takes it from the window by that name
// (`platform::ActionNamed`, `platform::MenuNamed`). The few accessors left
// are named as their objectNames; a numbered group of items comes as one
// array.
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

    // File menu.
    QAction* Voice() const { return m_Voice; }
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
    QAction* WallPaperFolder() const { return m_WallPaperFolder; }
    QAction* WallPaperMyShow() const { return m_WallPaperMyShow; }
    QAction* PictureToClipboard() const { return m_PictureToClipboard; }
    QAction* PathToClipboard() const { return m_PathToClipboard; }
    QAction* PictureToCBMyShow() const { return m_PictureToCBMyShow; }
    QAction* PathToCBMyShow() const { return m_PathToCBMyShow; }
    QMenu* LaunchEditProgram1() const { return m_LaunchEditProgram1; }
    const std::array<QAction*, 5>& LaunchItems() const { return m_LaunchItems; }  // Launch0..Launch4

    // Show menu.
    QAction* PictureForward() const { return m_PictureForward; }
    QAction* PictureBackwards() const { return m_PictureBackwards; }
    QAction* AddBookMark() const { return m_AddBookMark; }
    QAction* RemoveBookmark() const { return m_RemoveBookmark; }
    QAction* GoToNextBookMark() const { return m_GoToNextBookMark; }

    // My Show menu.

    // Favorites and Recent menus.
    const std::array<QAction*, 9>& FavItems() const { return m_FavItems; }  // Fav1..Fav9
    const std::array<QAction*, 9>& FolderItems() const { return m_FolderItems; }  // Folder1..Folder9

    // Options menu.

    // Help menu.
    QAction* VXOnlineHelp() const { return m_VXOnlineHelp; }
    QAction* Irfanview() const { return m_Irfanview; }

    // Pop-up menus.

    // Folder-tree pop-up: items 0..21 are the folder items, 22.. the file items.
    QAction* TarnivoPop() const { return m_TarnivoPop; }
    QAction* ResetToExifPop() const { return m_ResetToExifPop; }
    QAction* CreateFolderPop() const { return m_CreateFolderPop; }
    QAction* DeleteFolderPop() const { return m_DeleteFolderPop; }
    QAction* EmptyFolderPop() const { return m_EmptyFolderPop; }
    QAction* RenameFolderPop() const { return m_RenameFolderPop; }
    QAction* WindowsExplorer() const { return m_WindowsExplorer; }
    QAction* Save() const { return m_Save; }
    QAction* Move() const { return m_Move; }
    QAction* Rename() const { return m_Rename; }
    QAction* RecycleBin() const { return m_RecycleBin; }
    QAction* SetWalPaper() const { return m_SetWalPaper; }
    QAction* RCRotateL() const { return m_RCRotateL; }
    QAction* RCRotateR() const { return m_RCRotateR; }
    const std::array<QAction*, 5>& RaunchItems() const { return m_RaunchItems; }  // Raunch0..Raunch4
    const std::array<QAction*, 5>& VaunchItems() const { return m_VaunchItems; }  // Vaunch0..Vaunch4

    // Drive pop-up (item for item like DriveChange1).

    // Monitor choice and pictures-per-page pop-ups.
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

    QMenu* m_AddSelectedFolderB = nullptr;
    QMenu* m_MakeAutomaticB = nullptr;
    QMenu* m_DriveChange1 = nullptr;
    std::array<QAction*, 26> m_DriveItems{};
    QAction* m_ShowPicFullHidden = nullptr;
    QMenu* m_ShowPicFull = nullptr;
    QAction* m_Voice = nullptr;
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
    QMenu* m_LaunchEditProgram1 = nullptr;
    std::array<QAction*, 5> m_LaunchItems{};
    QAction* m_Afsluiten1 = nullptr;

    QMenu* m_PictureShow1 = nullptr;
    QAction* m_Restart = nullptr;
    QAction* m_StopPictureShow1 = nullptr;
    QMenu* m_MGoSmall = nullptr;
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


    std::array<QAction*, 5> m_HistoryItems{};

    std::array<QAction*, 9> m_PlaylistHistItems{};

    std::array<QAction*, 9> m_FavItems{};
    QAction* m_N12 = nullptr;
    std::array<QAction*, 9> m_FolderItems{};
    QAction* m_N16 = nullptr;

    QMenu* m_ExcludeFolder = nullptr;
    QAction* m_FolderExclusions = nullptr;

    QAction* m_VXOnlineHelp = nullptr;
    QAction* m_N23 = nullptr;
    QAction* m_Irfanview = nullptr;

    QMenu* m_RightClickTreeView = nullptr;
    QMenu* m_ExcludeFolderPop = nullptr;
    QAction* m_TarnivoPop = nullptr;
    QAction* m_ResetToExifPop = nullptr;
    QAction* m_CreateFolderPop = nullptr;
    QAction* m_DeleteFolderPop = nullptr;
    QAction* m_EmptyFolderPop = nullptr;
    QAction* m_RenameFolderPop = nullptr;
    QAction* m_WindowsExplorer = nullptr;
    QAction* m_Save = nullptr;
    QAction* m_Move = nullptr;
    QAction* m_Rename = nullptr;
    QAction* m_RecycleBin = nullptr;
    QAction* m_SetWalPaper = nullptr;
    QAction* m_RCRotateL = nullptr;
    QAction* m_RCRotateR = nullptr;
    QAction* m_ResumeInFull = nullptr;
    QAction* m_N24 = nullptr;
    QMenu* m_RaunchEditProgram = nullptr;
    std::array<QAction*, 5> m_RaunchItems{};
    QMenu* m_LaunchVideoProgram = nullptr;
    std::array<QAction*, 5> m_VaunchItems{};

    QMenu* m_DrivePop = nullptr;
    std::array<QAction*, 26> m_PDriveItems{};

    QMenu* m_PopScreen = nullptr;
    QMenu* m_MultiPop = nullptr;
    std::array<QAction*, 25> m_MultiItems{};
};
