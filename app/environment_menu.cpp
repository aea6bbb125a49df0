// The "Desktop", "Pictures" and "Internet images" items of the drive menus:
// each opens its folder in the folder tree.
#include "base/environment.h"
#include "app/tform1.h"
#include "browse/folder_tree_state.h"

namespace {
void openShellFolder(TForm1* form, const QString& folder)
{
    if (folder.isEmpty())
        return;
    KeepListEntry = 0;
    ListEntryToUpdate = ListEntryRef{};
    FolderToOpen = folder;
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
