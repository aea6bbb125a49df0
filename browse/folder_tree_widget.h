// The folder tree on screen: drives the QTreeWidget `TreeView1` from the
// rules of folder_tree_logic (which nodes, order, names, images). Folders
// are read when their node is expanded and thrown away when it collapses;
// opening a folder by path rebuilds the tree from the drive root and walks
// it down level by level.
#pragma once

#include "browse/folder_exclusions.h"
#include "browse/folder_tree_logic.h"
#include "browse/folder_tree_open.h"
#include "browse/folder_tree_state.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <QStringList>

#include <functional>

struct DataPaths;
class QTreeWidget;
class QTreeWidgetItem;

// Item data roles of the tree's nodes.
inline constexpr int TreeImageRole = Qt::UserRole + 1;   // the node's image index
inline constexpr int TreeSizeRole = Qt::UserRole + 2;    // 64-bit file size

extern const QString FolderGoneInUseText;
extern const QString FileGoneInUseText;
extern const QString NoVideoProgramText;
QString PictureGoneText(const QString& path);

// What the tree asks of the rest of the main window. Every hook may be empty.
struct FolderTreeHooks {
    std::function<bool()> playbackActive;              // a slide show runs
    std::function<TreePlayOptions()> playOptions;      // the play options in effect
    std::function<void(const QString&)> openShowFile;  // open a MyShow file
    std::function<void()> captionChanged;              // SelectedFolder changed
    std::function<void()> stopIdleTimer;
    std::function<void()> userActivity;                // a mouse press in the tree
    std::function<void(const ListEntryRef&, const QString&)> listEntryWalked;
    std::function<void()> afterWalk;                   // refresh the preview of SelectedFolder
    std::function<void(const QString&)> folderClicked;
    std::function<void(const QString&, bool showFull)> pictureClicked;
    std::function<QString()> videoProgram;             // the first video program ("" = none)
    std::function<void(const QString& program, const QString& file)> runVideo;
    std::function<void()> focusMainWindow;
    std::function<void()> beforeRefresh;               // hide the preview side window
    std::function<bool()> demoMode;                    // the self-running demo start
};

class FolderTreeController : public QObject {
    Q_OBJECT
public:
    // `paths` give the folder exclusions' file and the program's own folders.
    FolderTreeController(QTreeWidget* tree, const DataPaths& paths, FolderTreeHooks hooks, QObject* parent = nullptr);

    QTreeWidget* tree() const { return tree_; }
    FolderTreeHooks& hooks() { return hooks_; }

    // ---- Tree state -------------------------------------------------------
    QChar TreeDriveLetter;
    QString TreeDriveRoot;                 // mount point of the tree's drive
    QTreeWidgetItem* TreeRootNode = nullptr;
    QTreeWidgetItem* CurrentFolderNode = nullptr;
    QTreeWidgetItem* SelectedTreeNode = nullptr;
    QTreeWidgetItem* ClickedTreeNode = nullptr;
    QTreeWidgetItem* OpenedFolderNode = nullptr;
    // The node the tree's pop-up acts on: the selected node when the
    // keyboard opens it, the clicked node when the mouse does.
    QTreeWidgetItem* PopupTreeNode = nullptr;
    QStringList FolderLevels;              // level 0 is the mount point
    QStringList FolderLevelMasks;          // the folder each level reads
    int FolderLevelIndex = 0;
    int PreviousVideoImageIndex = ImgVideoPlain;
    bool PopupEnabled = true;              // the tree's pop-up menu may open
    bool AutoExpand = false;
    QString LastVideoPath;

    // ---- Folder state ---------------------------------------------------------
    // The folder selected in the tree (shows, mail, copy and search work on it).
    QString SelectedFolder;
    // The folder or MyShow file that OpenFolderOrShow opens next; every
    // caller fills it first.
    QString FolderToOpen;
    // Set by callers that open a path not taken from the recent or favourites
    // list; cleared by every run of OpenFolderOrShow.
    uint8_t KeepListEntry = 0;
    // The recent or favourite entry whose opening is under way.
    ListEntryRef ListEntryToUpdate;
    // The image of video nodes (21 plain, 22 with the video program's icon).
    int32_t VideoImageIndex = ImgVideoPlain;
    // Called by the opening of a recent (favorites false) or favourite entry
    // right before it fills FolderToOpen and calls OpenFolderOrShow.
    void MarkListEntryOpening(bool favorites, int index) { ListEntryToUpdate = ListEntryRef{favorites, index}; }
    // The folder exclusions in force (the tree and the collections follow them).
    FolderExclusionState Exclusions;

    // ---- Operations ---------------------------------------------------------
    // Reads `folder` into `node`; with no node, clears the tree and builds a new
    // drive root for it first. Returns the child named like `nextLevel` (or null).
    QTreeWidgetItem* FillFolderNode(const QString& folder, QTreeWidgetItem* node,
                                    const QString& nextLevel = QString());
    // Opens FolderToOpen (a folder: rebuild and walk; a file: open it as the
    // MyShow). Clears KeepListEntry and the list entry under way at the end.
    OpenTargetKind OpenFolderOrShow();
    QString GetNodePath(const QTreeWidgetItem* node) const;
    QString BuildLevelMask(const QTreeWidgetItem* node) const { return GetNodePath(node); }
    void RefreshTreeImages();
    void RefreshSelectedFolder();
    QTreeWidgetItem* FindAndSelectTreeNode(const QString& name, bool select);

    // ---- Event handlers ----------------------------------------------------
    void TreeView1Expanded(QTreeWidgetItem* node);
    void TreeView1Collapsed(QTreeWidgetItem* node);
    void TreeView1Click();
    // `fromTree`: the press came from the tree at `pos` (viewport coordinates);
    // otherwise it acts on SelectedTreeNode (Enter, Shift+F10, the menu key).
    void TreeView1MouseDown(bool fromTree, Qt::MouseButton button,
                            Qt::KeyboardModifiers modifiers, const QPoint& pos);

    static int NodeImage(const QTreeWidgetItem* node);
    static qint64 NodeSize(const QTreeWidgetItem* node);
    static void SetNodeImage(QTreeWidgetItem* node, int image);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const TreeEntry& entry);
    void addPlaceholder(QTreeWidgetItem* parent);
    void deleteChildren(QTreeWidgetItem* node);
    void forgetNodesBelow(QTreeWidgetItem* node, bool includingNode);
    void clearTree();
    void walkTo(const OpenTarget& target);
    // Scrolls the tree so that the node shows with as many of its children
    // as fit below it (the node itself stays in view).
    void scrollToNodeWithChildren(QTreeWidgetItem* node);
    void captionChanged();
    TreePlayOptions playOptions() const;
    bool demoMode() const;

    QTreeWidget* tree_;
    QPointer<QWidget> viewport_;  // the tree's viewport, watched for presses
    const DataPaths& paths_;
    FolderTreeHooks hooks_;
};

// An icon for each image index of the tree.
class QIcon;
QIcon TreeImageIcon(int image);
