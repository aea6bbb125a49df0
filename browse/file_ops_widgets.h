// The window's actions, tree and status panel the picture and folder
// operations wire, read and update, handed to them once at construction;
// the operations never see the window's class.
#pragma once

class QAction;
class QLabel;
class QMenu;
class QTreeWidget;
class QWidget;

// The window's widgets the operations wire and read (any may be null).
struct FileOpsWidgets {
    QWidget* Window = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QLabel* StatusPanel1 = nullptr;
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
