// The main window's widgets: every component the main window builds besides
// its menus (app/main_menus.h) and tool bars (app/main_tool_bars.h), each
// carrying its own name as objectName, so that tests and the controllers find
// them by name. MainWindow builds them in its constructor; the controllers get the
// ones they work with.
#pragma once

#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QStatusBar;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QWidget;

struct MainWindowWidgets {

    // --- client area -----------------------------------------------------
    QWidget* ClientArea = nullptr;           // central widget, controls placed at design bounds
    QTreeWidget* TreeView1 = nullptr;        // the folder tree
    QTableWidget* MyShowSG = nullptr;        // the show list grid (Seq, T, S, Title, Path)
    QFrame* Bevel2 = nullptr;

    // Images (QLabel holding a pixmap).
    QLabel* Image1 = nullptr;                // main picture area ("form1im1")
    QLabel* Image3 = nullptr;                // hidden; text measurements
    QLabel* ImMenuBG = nullptr;              // hidden; menu bar background
    QLabel* ImMyShowHeader = nullptr;        // header picture over the show list
    QLabel* ImBottomBar = nullptr;           // hidden; bottom-bar bitmap

    // Labels.
    QLabel* MyShowLabel = nullptr;

    // Buttons of the show list column.
    QToolButton* ExchangeButtonBoven = nullptr;   // move up
    QToolButton* ExchangeButtonBeneden = nullptr; // move down
    QToolButton* MoveButton = nullptr;
    QToolButton* DeleteButton = nullptr;
    QToolButton* TextSB = nullptr;
    QToolButton* ClearListButton = nullptr;

    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel0 = nullptr;               // panel 0 of StatusBar1 ("StatusBar1Panel0")
    QLabel* StatusPanel1 = nullptr;               // panel 1 of StatusBar1 ("StatusBar1Panel1")

    // --- menu and tool-bar items read by the start-up and input controllers
    // Copies of what MainMenus and MainToolBars built (MainWindow sets them
    // right after building those); the two controllers read them here.
    // Start-up controller.
    QMenu* Bestand1 = nullptr;
    QMenu* Favorites = nullptr;
    QAction* GettingStarted = nullptr;
    QMenu* Help1 = nullptr;
    QAction* HideShowMyShow = nullptr;
    QAction* HideShowMyShowTB = nullptr;
    QMenu* Options1 = nullptr;
    QMenu* Recent1 = nullptr;
    QAction* RunExeMyShowTB = nullptr;
    QAction* RunExeToolButton = nullptr;
    QMenu* Show = nullptr;
    QAction* ShowAllTB = nullptr;
    QAction* TBSepTarn = nullptr;
    QAction* TBTarnivo = nullptr;
    QAction* Tarnivo = nullptr;
    QAction* TarnivoPop = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QAction* ToolButton1 = nullptr;
    QAction* Upload = nullptr;
    QAction* UploadPicture = nullptr;
    QAction* VXOnlineHelp = nullptr;
    QAction* WhatsNew = nullptr;
    // Input controller.
    QAction* Backwards1ToolButton = nullptr;
    QAction* Forward1ToolButton = nullptr;
    QAction* MoveToolButton = nullptr;
    QAction* RecycleBinToolButton = nullptr;
    QAction* RenamePictureToolButton = nullptr;
    QAction* SaveToolButton = nullptr;
    QAction* ShowForwardToolButton = nullptr;
    QAction* ShowinReverseToolButton = nullptr;
    QAction* TBRotateL = nullptr;
    QAction* TBRotateR = nullptr;
    QAction* Volume = nullptr;
    QAction* Wallpaper = nullptr;

    // --- timers ------------------------------------------------------------------
    QTimer* Timer1 = nullptr;                     // idle timer, 1000 ms, off at design
    QTimer* TimerHook = nullptr;                  // 500 ms, off
    QTimer* HookHandled = nullptr;                // 300 ms, off
    QTimer* TimerAutoCDRun = nullptr;             // 1 ms, off
    QTimer* HelpTimer = nullptr;                  // 1500 ms one-shot, off
    QTimer* TimerThumbnail = nullptr;             // 100 ms one-shot, off
    QTimer* IntervalTimer = nullptr;              // slide show step, off
    QTimer* FadeTimer = nullptr;                  // music fade, off
    QTimer* TimerMusic = nullptr;                 // music queue, off
    QTimer* ImageTimer = nullptr;                 // picture settle timer, off
};
