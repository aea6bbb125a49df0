#include "browse/folder_tree_panel.h"

#include <QTreeWidget>

FolderTreePanel::FolderTreePanel(QWidget* clientArea)
    : m_tree(new QTreeWidget(clientArea))
{
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setGeometry(4, 32, 392, 318);
    m_tree->setHeaderHidden(true);
}
