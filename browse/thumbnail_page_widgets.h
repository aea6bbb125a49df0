// The window's widgets the main window's thumbnail view covers, fills and
// wires, handed to its section once at construction.
#pragma once

#include <array>

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolBar;
class QWidget;

// The window's widgets of the thumbnail view, handed over by the main window
// (any may be null but Window).
struct ThumbnailPageWidgets {
    QWidget* Window = nullptr;
    QWidget* ClientArea = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QTimer* IntervalTimer = nullptr;
};

// The menus and items the thumbnail view serves, taken from the window by
// objectName (any may be null).
struct ThumbnailPageItems {
    QMenu* RightClickTreeView = nullptr;
    QMenu* MMultSlide = nullptr;
    QMenu* MultiPop = nullptr;
    std::array<QAction*, 25> MultiItems{};   // the layout menu's items M1 .. M77
    QAction* TBMultMode = nullptr;
    QAction* TBSelAll = nullptr;
    QAction* TBSelNone = nullptr;
    QAction* TBSelInvert = nullptr;
    QAction* MMultMode = nullptr;
    QAction* MSelectAll = nullptr;
    QAction* MSelectNone = nullptr;
    QAction* MSelectInvert = nullptr;
    QAction* Forward1ToolButton = nullptr;
    QAction* Backwards1ToolButton = nullptr;
    QAction* ManualModeToolButton = nullptr;
    QAction* ShowForwardToolButton = nullptr;
    QAction* ShowinReverseToolButton = nullptr;
    QAction* ToolButton2 = nullptr;          // Stop Slide Show
    QAction* FullScreenToolButton3 = nullptr; // Resume slide show in full screen mode
    QAction* PictureForward = nullptr;       // the Show menu's "1 Picture/Page forward"
    QAction* PictureBackwards = nullptr;
};

// Both, as the section keeps them.
struct ThumbnailPageControls : ThumbnailPageWidgets, ThumbnailPageItems {};
