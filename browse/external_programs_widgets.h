// The window's panels the main window's external programs and wallpaper
// section updates, handed to it once at construction, and the menus and items
// it serves, which it takes from the window by objectName.
#pragma once

#include <array>

class PreviewPanel;
class QAction;
class QLabel;
class QMenu;
class QTableWidget;
class QTreeWidget;
class QWidget;

// The window's widgets the section uses, handed over by the main window (any
// may be null but Window and the two previews).
struct ExternalProgramsWidgets {
    QWidget* Window = nullptr;
    QTableWidget* MyShowSG = nullptr;   // the show list grid (Seq, T, S, Title, Path)
    QTreeWidget* TreeView1 = nullptr;
    PreviewPanel* BrowsePreview = nullptr;   // under the tree
    PreviewPanel* ShowPreview = nullptr;     // under the show list
    QLabel* StatusPanel1 = nullptr;
};

// The menus and items the section serves, taken from the window by
// objectName (any may be null).
struct ExternalProgramsItems {
    // Edit and video program launches.
    QAction* RunExeToolButton = nullptr;
    QAction* RunExeMyShowTB = nullptr;
    QMenu* LaunchEditProgram1 = nullptr;
    std::array<QAction*, 5> LaunchItems{};   // Launch0..Launch4
    std::array<QAction*, 5> RaunchItems{};   // Raunch0..Raunch4
    std::array<QAction*, 5> VaunchItems{};   // Vaunch0..Vaunch4
    // Rotations, the viewer's home page, the sibling program, EXIF dates.
    QAction* TBRotateL = nullptr;
    QAction* TBRotateR = nullptr;
    QAction* MRotateL = nullptr;
    QAction* MRotateR = nullptr;
    QAction* RCRotateL = nullptr;   // the pop-up's rotations
    QAction* RCRotateR = nullptr;
    QAction* Irfanview = nullptr;
    QAction* TBTarnivo = nullptr;
    QAction* TarnivoPop = nullptr;
    QAction* Tarnivo = nullptr;
    QAction* ResetToExifPop = nullptr;
    QAction* MResetToEXIF = nullptr;
    // Wallpaper.
    QAction* Wallpaper = nullptr;
    QAction* WallPaperFolder = nullptr;
    QAction* WallPaperMyShow = nullptr;
    QAction* SetWalPaper = nullptr;
};

// Both, as the section keeps them.
struct ExternalProgramsControls : ExternalProgramsWidgets, ExternalProgramsItems {};
