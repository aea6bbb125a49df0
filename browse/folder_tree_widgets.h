// The window's widgets the main window's folder tree section wires and
// updates, handed to it once at construction.
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

// The window's widgets the folder tree section uses (any may be null but
// Window and TreeView1).
struct FolderTreeWidgets {
    QWidget* Window = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QMenu* RightClickTreeView = nullptr;   // the tree's pop-up menu
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QAction* SearchTB = nullptr;
    PreviewPanel* ShowPreview = nullptr;   // its copy button names the folder
    QTimer* Timer1 = nullptr;              // the idle timer
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
