// The main window's menu bar with its menus and items, and the pop-up
// menus: the folder tree's RightClickTreeView, DrivePop, the monitor choice
// PopScreen and the pictures-per-page MultiPop. The section builds them with
// their captions and first visible, enabled and check states; it only makes
// and places them. Each carries its own name as objectName, and the
// controller that serves an item takes it from the window by that name
// (`platform::ActionNamed`, `platform::MenuNamed`). The section hands out
// only the menu bar and its rows.
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

    // The menu bar.
    QMenuBar* MainMenu1() const { return m_MainMenu1; }
    // The menu bar's rows (MainMenu1 and, in a narrow window, MainMenu2).
    class MenuBarRows* BarRows() const { return m_barRows; }

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
    QMenu* m_FileOperations = nullptr;
    QMenu* m_FolderOperations = nullptr;
    QAction* m_Tarnivo = nullptr;
    QMenu* m_WallPaperB = nullptr;
    QMenu* m_ClipBoardFunctions = nullptr;
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

    QAction* m_N23 = nullptr;
    QAction* m_Irfanview = nullptr;

    QMenu* m_RightClickTreeView = nullptr;
    QMenu* m_ExcludeFolderPop = nullptr;
    QAction* m_TarnivoPop = nullptr;
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
};
