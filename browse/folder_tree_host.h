// What the main window's folder tree section needs from the window: the
// widgets it wires and updates, and the few routines of other sections it
// calls (picture display, MyShow, external programs, the idle timer).
#pragma once

#include <QString>
#include <QStringList>

#include <array>

struct OpenShow;
class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class PreviewPanel;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The window's widgets the folder tree section uses (any may be null but
// Window and TreeView1).
struct FolderTreeWidgets {
    QWidget* Window = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QMenu* RightClickTreeView = nullptr;   // the tree's pop-up menu
    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QAction* SearchTB = nullptr;
    PreviewPanel* ShowPreview = nullptr;   // its copy button names the folder
    QTimer* Timer1 = nullptr;              // the idle timer
    QAction* FolderExclusions = nullptr;
    // "Exclude from": Browse, SubShow, SubSearch, All of the Options menu,
    // then the same four of the tree's pop-up.
    std::array<QAction*, 8> ExclusionItems{};
    QMenu* ExcludeFolder = nullptr;
    QMenu* ExcludeFolderPop = nullptr;
    QAction* Refresh = nullptr;
    QAction* RefreshPop = nullptr;
};

class FolderTreeHost {
public:
    virtual ~FolderTreeHost() = default;

    virtual FolderTreeWidgets widgets() const = 0;
    // The open show.
    virtual OpenShow& openShow() = 0;
    // The menu item of entry `index` of the favourites or the recent folders.
    virtual QAction* listItem(bool favorites, int index) const = 0;

    virtual void UserActivity() = 0;
    virtual void LoadMyShowClick(const QString& PresetFile) = 0;
    virtual void ShowPictureFull(const QString& path) = 0;
    // Shows the preview as the mouse over the tree does; a non-null `node`
    // becomes the node previewed first.
    virtual void PreviewTreeNode(QTreeWidgetItem* node) = 0;
    virtual void AddPictureToMyShow(const QString& PicturePath, int A, int B, int C, int D) = 0;
    virtual void RunExternalProgram(const QString& program, const QStringList& startArguments,
                                    bool withPicture) = 0;
    // Runs a program on one file alone (the file becomes the edit target).
    virtual void RunProgramOnFile(const QString& program, const QString& file) = 0;
};
