// What the main window's external programs and wallpaper section needs from
// the window: the items, buttons and panels it wires and updates, and the
// routines of other sections it calls (folder tree, picture display, shows).
#pragma once

#include <QString>

#include <array>

struct OpenShow;
class FolderTreeController;
class PreviewPanel;
struct PictureDisplayState;
class QAction;
class QLabel;
class QMenu;
class QTableWidget;
class QTreeWidget;
class QWidget;
class ShowView;
class FolderPictureChooser;

// The window's widgets the section uses (any may be null but Window and the
// two previews).
struct ExternalProgramsWidgets {
    QWidget* Window = nullptr;
    QTableWidget* MyShowSG = nullptr;   // the show list grid (Seq, T, S, Title, Path)
    QTreeWidget* TreeView1 = nullptr;
    PreviewPanel* BrowsePreview = nullptr;   // under the tree
    PreviewPanel* ShowPreview = nullptr;     // under the show list
    QLabel* StatusPanel1 = nullptr;
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

class ExternalProgramsHost {
public:
    virtual ~ExternalProgramsHost() = default;

    virtual ExternalProgramsWidgets widgets() const = 0;
    // The state of the shown picture (its path and name).
    virtual PictureDisplayState& pictureDisplayState() const = 0;
    // The open show.
    virtual OpenShow& openShow() = 0;

    // Folder tree.
    virtual FolderTreeController* folderTree() = 0;
    virtual void OpenFolderOrShow() = 0;
    virtual void RefreshSelectedFolder() = 0;
    virtual void UpdateFolderCaption() = 0;

    // Running show and picture display.
    virtual void PauseShow() = 0;
    virtual void ReleaseVoiceFile() = 0;
    virtual void DisplayCurrentPicture() = 0;
    virtual void ShowPicturePreview(const QString& path) = 0;
    virtual void SizePictureToDisplay(bool toggle) = 0;

    // The full-screen show window (or none).
    virtual ShowView* showView() const = 0;
    // The folder picture chooser, made at first use.
    virtual FolderPictureChooser* folderPictureWindow() = 0;
};
