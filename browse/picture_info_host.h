// What the main window's picture information and thumbnail files section
// needs from the window: the items and widgets it wires and fills, and the
// routines of other sections it calls (folder tree).
#pragma once

#include <Qt>

class QAction;
class QObject;
class QTreeWidget;
class QWidget;

// The window's widgets the section uses (any may be null but Window).
struct PictureInfoWidgets {
    QWidget* Window = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    // "Create thumbnails manually" of the tool bar, the menu and the tree's pop-up.
    QAction* TBMakeSmall = nullptr;
    QAction* MMakeSmall = nullptr;
    QAction* MakeSmall = nullptr;
};

class PictureInfoHost {
public:
    virtual ~PictureInfoHost() = default;

    virtual PictureInfoWidgets widgets() const = 0;

    // Installs the picture loader's thumbnail and information steps and the
    // status of thumbnail making, unless something else installed its own.
    virtual void InstallLoaderSteps() = 0;
    virtual void RefreshSelectedFolder() = 0;
    // The tree's mouse move: the node under the mouse is previewed.
    virtual void TreeView1MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y) = 0;
};
