// What the main window's picture display section needs from the window: the
// commands it enables for the shown picture, the timers of the show's step,
// and the few routines of other sections the display step calls (sound,
// fitting, the show's pause and end).
#pragma once

#include <QString>

class QAction;
class QSize;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QWidget;
class ShowView;
class ShowManagerWindow;
struct OpenShow;

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
    QMenu* ClipBoardFunctions = nullptr;
};

class PictureDisplayHost {
public:
    virtual ~PictureDisplayHost() = default;

    virtual PictureDisplayWidgets widgets() const = 0;
    // The main window's picture area set by the layouts (empty when not set).
    virtual QSize MainPictureArea() const = 0;

    // The sound of the picture shown before ends with it.
    virtual void ReleaseVoiceFile() = 0;
    // Fits the picture just loaded into its image.
    virtual void SizePictureToDisplay(bool toggle) = 0;
    virtual void PauseShow() = 0;
    virtual void EndShow() = 0;
    // The recent or favourite entry the running show was started from.
    virtual QString StartedListEntry() const = 0;
    // The picture-sound player holds a sound.
    virtual bool PictureSoundPlayerOpen() const = 0;
    // Plays the shown picture's sound (its show record read or not); true
    // when a voice plays that the show waits for.
    virtual bool PlayPictureSound(bool recordRead) = 0;
    // The open show.
    virtual OpenShow& openShow() = 0;

    // The full-screen show window and the MyShow manager (either may be null).
    virtual ShowView* showView() const = 0;
    virtual ShowManagerWindow* showManager() const = 0;
};
