// The window's widgets the main window's folder tree section wires and
// updates, handed to it once at construction, and the menus and items it
// takes from the window by objectName.
#pragma once

#include <array>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class PreviewPanel;
class QTreeWidget;
class QWidget;

// The window's widgets the folder tree section uses, handed over by the main
// window (any may be null but Window and TreeView1).
struct FolderTreeWidgets {
    QWidget* Window = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    PreviewPanel* ShowPreview = nullptr;   // its copy button names the folder
    QTimer* Timer1 = nullptr;              // the idle timer
};

// The menus and items the folder tree serves, taken from the window by
// objectName (any may be null).
struct FolderTreeItems {
    QMenu* RightClickTreeView = nullptr;   // the tree's pop-up menu
    QAction* SearchTB = nullptr;
    QAction* FolderExclusions = nullptr;
    // "Exclude from": Browse, SubShow, SubSearch, All of the Options menu,
    // then the same four of the tree's pop-up.
    std::array<QAction*, 8> ExclusionItems{};
    QMenu* ExcludeFolder = nullptr;
    QMenu* ExcludeFolderPop = nullptr;
    QAction* Refresh = nullptr;
    QAction* RefreshPop = nullptr;
    // The Favorites and Recent menus' entries; a walk to an entry's folder
    // renames its item.
    std::array<QAction*, 9> FavItems{};
    std::array<QAction*, 9> FolderItems{};
};

// Both, as the section keeps them.
struct FolderTreeControls : FolderTreeWidgets, FolderTreeItems {};
