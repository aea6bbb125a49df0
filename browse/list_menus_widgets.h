// The window's menus and items the main window's list and drive menus fill
// and wire: the section takes them from the window by objectName.
#pragma once

#include <array>

class QAction;
class QMenu;
class QTimer;
class QWidget;

// The window (never null) and its idle timer, handed over by the main window.
struct ListMenusWidgets {
    QWidget* Window = nullptr;
    QTimer* Timer1 = nullptr;   // the idle timer
};

// The menus and items of the lists and drives, taken from the window by
// objectName (any may be null).
struct ListMenusItems {
    QMenu* Recent1 = nullptr;
    QMenu* Favorites = nullptr;
    QMenu* MyShow = nullptr;
    QMenu* Bestand1 = nullptr;
    QMenu* DriveChange1 = nullptr;
    QMenu* DrivePop = nullptr;
    std::array<QAction*, 9> FolderItems{};
    std::array<QAction*, 9> FavItems{};
    std::array<QAction*, 5> HistoryItems{};
    std::array<QAction*, 26> DriveItems{};
    std::array<QAction*, 26> PDriveItems{};
    QAction* MDesktop = nullptr;
    QAction* Desktop = nullptr;
    QAction* MMyPictures = nullptr;
    QAction* MyPictures = nullptr;
    QAction* MInternet = nullptr;
    QAction* Internet = nullptr;
    QAction* MDefStartUp = nullptr;
    QAction* DPDefStartUp = nullptr;
    QAction* AddSelectedFolder = nullptr;
    QAction* AddSelectedFolderPop = nullptr;
    QAction* AddFolder = nullptr;
    QAction* AddShow = nullptr;
    QAction* MakeDefault = nullptr;
    QAction* MakeDefaultPop = nullptr;
    QAction* MakeAutomatic = nullptr;
    QAction* AutomaticFolder = nullptr;
    QAction* AutomaticShow = nullptr;
    QAction* MakeAutoMaticPop = nullptr;
    QAction* N1 = nullptr;
    QAction* N12 = nullptr;
    QAction* N16 = nullptr;
    QAction* N25 = nullptr;
    QAction* ClearRec = nullptr;
    QAction* ClearFavs = nullptr;
    QAction* SaveMyShowAs = nullptr;
    QAction* DeleteMyShow = nullptr;
};

// Both, as the section keeps them.
struct ListMenusControls : ListMenusWidgets, ListMenusItems {};
