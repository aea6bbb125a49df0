// The window, tree and status panel the picture and folder operations read
// and update, handed to them once at construction, and the menus and items
// they serve, which they take from the window by objectName; the operations
// never see the window's class.
#pragma once

class QAction;
class QLabel;
class QMenu;
class QTreeWidget;
class QWidget;

// The window's widgets the operations read and update, handed over by the
// main window (any may be null but Window).
struct FileOpsWidgets {
    QWidget* Window = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QLabel* StatusPanel1 = nullptr;
};

// The menus and items the operations serve, taken from the window by
// objectName (any may be null).
struct FileOpsItems {
    QMenu* FolderOperations = nullptr;

    // Picture commands: tool buttons, menu items and pop-up items.
    QAction* SaveToolButton = nullptr;
    QAction* SavePictureTo = nullptr;
    QAction* Save = nullptr;
    QAction* MoveToolButton = nullptr;
    QAction* MovePictureTo = nullptr;
    QAction* Move = nullptr;
    QAction* RecycleBinToolButton = nullptr;
    QAction* SendRecycleBin = nullptr;
    QAction* RecycleBin = nullptr;
    QAction* RenamePictureToolButton = nullptr;
    QAction* RenamePicture = nullptr;
    QAction* Rename = nullptr;
    QAction* Backwards1ToolButton = nullptr;
    QAction* PictureBackwards = nullptr;
    QAction* Forward1ToolButton = nullptr;
    QAction* PictureForward = nullptr;
    QAction* AddBookMark = nullptr;
    QAction* VXOnlineHelp = nullptr;

    // Folder commands.
    QAction* CreateFolderPop = nullptr;
    QAction* CreatenewFolder = nullptr;
    QAction* RenameFolderPop = nullptr;
    QAction* RenameFolder = nullptr;
    QAction* DeleteFolderPop = nullptr;
    QAction* DeleteFolder1 = nullptr;
    QAction* EmptyFolderPop = nullptr;
    QAction* EmptyFolder = nullptr;
    QAction* HideSmall = nullptr;
    QAction* WindowsExplorer1 = nullptr;
    QAction* WindowsExplorer = nullptr;
    QAction* ExplorerTB = nullptr;      // "Files": the selected folder in the file manager
    QAction* MResetToEXIF = nullptr;
    QAction* MMakeSmall = nullptr;
    QAction* Refresh = nullptr;
    QAction* Tarnivo = nullptr;
};

// Both, as the operations keep them.
struct FileOpsControls : FileOpsWidgets, FileOpsItems {};
