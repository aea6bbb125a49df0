// The window's widgets the main window's picture display section uses: the
// picture area, the tool bar and the show's step timer, handed to it once at
// construction, and the commands it enables for the shown picture, which it
// takes from the window by objectName.
#pragma once

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QWidget;

// The window's widgets the picture display section uses, handed over by the
// main window (any may be null but Window).
struct PictureDisplayWidgets {
    QWidget* Window = nullptr;
    QLabel* Image1 = nullptr;            // the main picture area
    QToolBar* ToolBar1 = nullptr;
    QTimer* IntervalTimer = nullptr;     // the slide show's step
};

// The menus and items the section enables, taken from the window by
// objectName (any may be null).
struct PictureDisplayItems {
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

// Both, as the section keeps them.
struct PictureDisplayControls : PictureDisplayWidgets, PictureDisplayItems {};
