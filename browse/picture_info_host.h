// What the main window's picture information and thumbnail files section
// needs from the window: the previews, panels, items and timers it wires and
// fills, and the routines of other sections it calls (folder tree, the
// thumbnail timer's preview, the window's layout).
#pragma once

#include <QRect>
#include <QString>

class FolderTreeController;
class PreviewPanel;
class QAction;
class QMenu;
class QTableWidget;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The window's widgets the section uses (any may be null but Window and the
// two previews).
struct PictureInfoWidgets {
    QWidget* Window = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QTableWidget* MyShowSG = nullptr;
    QTimer* Timer1 = nullptr;           // the idle timer
    // "Create thumbnails manually" of the tool bar, the menu and the tree's pop-up.
    QAction* TBMakeSmall = nullptr;
    QAction* MMakeSmall = nullptr;
    QAction* MakeSmall = nullptr;
    // The browse preview (under the tree) and the MyShow preview (under the list).
    PreviewPanel* BrowsePreview = nullptr;
    PreviewPanel* ShowPreview = nullptr;
    // Items that follow the previewed file.
    QAction* PictureToClipboard = nullptr;
    QAction* PathToClipboard = nullptr;
    QMenu* FileOperations = nullptr;
    QAction* SavePictureTo = nullptr;
    QAction* MovePictureTo = nullptr;
    QAction* SendRecycleBin = nullptr;
    QAction* RenamePicture = nullptr;
};

class PictureInfoHost {
public:
    virtual ~PictureInfoHost() = default;

    virtual PictureInfoWidgets widgets() const = 0;
    // The designed bounds of a widget of the window's layout (invalid when none).
    virtual QRect designBound(const QString& name) const = 0;
    // The picture box of the previews the window's layout keeps (none before
    // the first layout).
    virtual QRect previewDrawBounds() const = 0;
    // The picture the tree's selection names becomes the current picture.
    virtual void SetCurrentPicturePath(const QString& path) = 0;

    virtual void RefreshSelectedFolder() = 0;
    // The folder tree's controller (the selected folder, the video image).
    virtual FolderTreeController* folderTree() = 0;
    // The sibling renaming program is installed.
    virtual bool tarnivoInstalled() const = 0;
    virtual QString GetNodePath(QTreeWidgetItem* node) = 0;
    // The MyShow manager is open.
    virtual bool ShowManagerShown() const = 0;
    // A voice recording plays.
    virtual bool RecordingPlaying() const = 0;
};
