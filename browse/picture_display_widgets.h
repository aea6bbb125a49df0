// The window's widgets the main window's picture display section uses: the
// commands it enables for the shown picture and the timers of the show's
// step, handed to it once at construction.
#pragma once

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QWidget;

// The window's widgets the picture display section uses (any may be null but
// Window).
struct PictureDisplayWidgets {
    QWidget* Window = nullptr;
    QLabel* Image1 = nullptr;            // the main picture area
    QToolBar* ToolBar1 = nullptr;
    QTimer* IntervalTimer = nullptr;     // the slide show's step
    // Bookmark items of the Show menu.
    QAction* AddBookMark = nullptr;
    QAction* RemoveBookmark = nullptr;
    QAction* GoToNextBookMark = nullptr;
    QAction* GoToPreviousBoolMark = nullptr;
    // Tool bar buttons and menu items of the shown or ticked pictures.
    QAction* SaveToolButton = nullptr;
    QAction* MoveToolButton = nullptr;
    QAction* RunExeToolButton = nullptr;
    QAction* FullScreenToolButton3 = nullptr;
    QAction* Voice = nullptr;
    QAction* MicroTB = nullptr;
    QAction* VoicePlayTB = nullptr;
    QAction* SavePictureTo = nullptr;
    QAction* MovePictureTo = nullptr;
    QAction* RenamePictureToolButton = nullptr;
    QAction* RenamePicture = nullptr;
    QAction* RecycleBinToolButton = nullptr;
    QAction* TBRotateR = nullptr;
    QAction* TBRotateL = nullptr;
    QAction* SendRecycleBin = nullptr;
    QAction* PictureToClipboard = nullptr;
    QAction* PathToClipboard = nullptr;
    QAction* PictureToCBMyShow = nullptr;
    QAction* PathToCBMyShow = nullptr;
    QAction* ShowAllTB = nullptr;
    QAction* AddPicMultTB = nullptr;
    QAction* ShowForwardToolButton = nullptr;
    QAction* ShowinReverseToolButton = nullptr;
    QAction* ManualModeToolButton = nullptr;
    QAction* Backwards1ToolButton = nullptr;
    QAction* Forward1ToolButton = nullptr;
    QMenu* LaunchEditProgram1 = nullptr;
};
