// The window's previews, items and timer the main window's picture
// information and thumbnail files section wires and fills, handed to it once
// at construction.
#pragma once

class PreviewPanel;
class QAction;
class QMenu;
class QTableWidget;
class QTimer;
class QTreeWidget;
class QWidget;

// The window's widgets the section uses, handed over by the main window (any
// may be null but Window and the two previews).
struct PictureInfoWidgets {
    QWidget* Window = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QTableWidget* MyShowSG = nullptr;
    QTimer* Timer1 = nullptr;           // the idle timer
    // The browse preview (under the tree) and the MyShow preview (under the list).
    PreviewPanel* BrowsePreview = nullptr;
    PreviewPanel* ShowPreview = nullptr;
};

// The menus and items the section serves, taken from the window by
// objectName (any may be null).
struct PictureInfoItems {
    // "Create thumbnails manually" of the tool bar, the menu and the tree's pop-up.
    QAction* TBMakeSmall = nullptr;
    QAction* MMakeSmall = nullptr;
    QAction* MakeSmall = nullptr;
    // Items that follow the previewed file.
    QAction* PictureToClipboard = nullptr;
    QAction* PathToClipboard = nullptr;
    QMenu* FileOperations = nullptr;
    QAction* SavePictureTo = nullptr;
    QAction* MovePictureTo = nullptr;
    QAction* SendRecycleBin = nullptr;
    QAction* RenamePicture = nullptr;
};

// Both, as the section keeps them.
struct PictureInfoControls : PictureInfoWidgets, PictureInfoItems {};
