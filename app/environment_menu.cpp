// The "Desktop", "Pictures" and "Internet images" items of the drive menus:
// each opens its folder in the folder tree.
#include "base/environment.h"
#include "app/main_window.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"

namespace {
void openShellFolder(MainWindow* form, const QString& folder)
{
    if (folder.isEmpty())
        return;
    FolderTreeController* tree = form->folderTree();
    tree->KeepListEntry = 0;
    tree->ListEntryToUpdate = ListEntryRef{};
    tree->FolderToOpen = folder;
    form->folderTreeSection()->OpenFolderOrShow();
}
} // namespace

void MainWindow::DesktopClick()
{
    openShellFolder(this, m_state.environment.DesktopFolder);
}

void MainWindow::MyPicturesClick()
{
    openShellFolder(this, m_state.environment.MyPicturesFolder);
}

void MainWindow::InternetClick()
{
    openShellFolder(this, m_state.environment.InternetCacheFolder);
}
