// The folder tree "TreeView1" of the main window, a child of the client area
// at its design bounds (the layouts place it). The folder tree section
// fills and drives it.
#pragma once

class QTreeWidget;
class QWidget;

class FolderTreePanel {
public:
    // Builds the tree, without a header, on `clientArea`.
    explicit FolderTreePanel(QWidget* clientArea);

    QTreeWidget* tree() const { return m_tree; }

private:
    QTreeWidget* m_tree;
};
