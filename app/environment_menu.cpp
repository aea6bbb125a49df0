// The "Desktop", "Pictures" and "Internet images" items of the drive menus:
// each opens its folder in the folder tree.
#include "base/environment.h"
#include "app/tform1.h"
#include "browse/folder_tree_widget.h"

namespace {
void openShellFolder(TForm1* form, const QString& folder)
{
    if (folder.isEmpty())
        return;
    FolderTreeController* tree = form->folderTree();
    tree->KeepListEntry = 0;
    tree->ListEntryToUpdate = ListEntryRef{};
    tree->FolderToOpen = folder;
    form->OpenFolderOrShow();
}
} // namespace

void TForm1::DesktopClick()
{
    openShellFolder(this, m_state.environment.DesktopFolder);
}

void TForm1::MyPicturesClick()
{
    openShellFolder(this, m_state.environment.MyPicturesFolder);
}

void TForm1::InternetClick()
{
    openShellFolder(this, m_state.environment.InternetCacheFolder);
}
