// The main window's folder tree section: owns TreeView1's FolderTreeController,
// wires the tree's pop-up, Refresh and the folder exclusion items, and keeps
// the folder caption. What it asks of other parts it says with signals, which
// the main window connects.
#pragma once

#include "base/show_session.h"
#include "browse/folder_tree_widgets.h"
#include "browse/folder_tree_logic.h"

#include <QObject>
#include <QPoint>
#include <QTreeWidgetItem>

struct SettingsStore;
struct DataPaths;
struct EnvironmentInfo;
struct StartContext;
struct OpenShow;

class FolderTreeController;

class FolderTreeSection : public QObject {
    Q_OBJECT
public:
    // A child of the widgets' window; wires the widgets at once. `openShow`
    // is the open show a clicked picture may join.
    FolderTreeSection(const FolderTreeWidgets& widgets, OpenShow& openShow, SettingsStore& settings,
                      const DataPaths& paths, const EnvironmentInfo& environment, const StartContext& start,
                      ShowSession& session);
    ~FolderTreeSection() override;

    // The controller of TreeView1 (tree state, fill, walk, handlers).
    FolderTreeController* folderTree() const { return m_tree; }

    // Opens FolderToOpen: a folder is walked to in the tree, a file is opened
    // as the MyShow. Refused while a slide show runs.
    void OpenFolderOrShow();
    QString GetNodePath(QTreeWidgetItem* node);
    void UpdateFolderCaption();
    void RefreshTreeImages();
    void RefreshSelectedFolder();
    QTreeWidgetItem* FindAndSelectTreeNode(const QString& name, bool select);
    bool DriveReady(QChar letter);
    TSubfolderList SubfolderList;
    // The mouse-down handler; TreeView1KeyDown calls it with fromTree false
    // (Enter: left click on SelectedTreeNode; Shift+F10, menu key: right click).
    void TreeView1MouseDown(bool fromTree, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                            const QPoint& pos);
    // The tree's keys and selection: Enter, Shift+F10 and the menu key act
    // through TreeView1KeyDown, a selected node is previewed, the selected
    // node takes the scheme's colour (once; the first showing of the window
    // does it).
    void ConnectKeysAndSelection();
    // Returns true when the key was a tree command (Enter, Shift+F10, the
    // menu key) and has been handled.
    bool TreeView1KeyDown(int key, Qt::KeyboardModifiers shift);
    // A node was selected (by keyboard or mouse): captions and the preview
    // follow it.
    void TreeView1Change(QTreeWidgetItem* node);
    // Where the tree's pop-up opens from the keyboard (screen coordinates).
    QPoint TreePopupKeyAnchor() const;
    void TreeView1CustomDrawItem();   // selected node: black on scheme colour 7EB6FF
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Folder exclusions.
    void LoadFolderExclusions();
    void FolderExclusionsClick();
    // The "Exclude from" submenus (Options and the tree's pop-up) for
    // SelectedFolder: opening shows the stored choice; each item stores it.
    void ExcludeFolderClick();
    void ClearExclusionsClick();

signals:
    // The user worked in the tree (the idle time starts again).
    void userActed();
    // A show file was opened from the tree.
    void showFileOpened(const QString& path);
    // A picture is to be shown in the full view.
    void fullViewRequested(const QString& path);
    // The preview is to show the tree's node as the mouse over the tree
    // does; a non-null `node` becomes the node previewed first.
    void nodePreviewRequested(QTreeWidgetItem* node);
    // A clicked picture joins the open show.
    void addToShowRequested(const QString& path);
    // An outside program is to be run on one file alone.
    void programOnFileRequested(const QString& program, const QString& file);
    // A folder of the tree was clicked.
    void folderClicked(const QString& path);
    // The tree was built anew and walked down to `folder`: what was
    // previewed of the old tree is gone.
    void folderWalked(const QString& folder);
    // The selected folder is about to be read again.
    void refreshStarting();

private:
    void wire();
    void exclusionItemClick(int item, QAction* sender);
    void showTreePopup(const QPoint& pos);
    void loadPictureFromTree(const QString& path, bool showFull);
    // "Folder Exclusions Active" shows whether the exclusions are in force
    // (a walk into an excluded folder switches them off).
    void showExclusionsActive();

    OpenShow& m_openShow;
    ShowSession& m_session;
    SettingsStore& m_settings;
    const DataPaths& m_paths;
    const EnvironmentInfo& m_environment;
    const StartContext& m_start;
    const FolderTreeControls m_w;
    FolderTreeController* m_tree = nullptr;
    bool m_keysConnected = false;
};
