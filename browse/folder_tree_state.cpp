#include "browse/folder_tree_state.h"

#include "browse/folder_tree_logic.h"

QString SelectedFolder;
QString FolderToOpen;
uint8_t KeepListEntry = 0;
ListEntryRef ListEntryToUpdate;
int32_t VideoImageIndex = ImgVideoPlain;

void MarkListEntryOpening(bool favorites, int index)
{
    ListEntryToUpdate = ListEntryRef{favorites, index};
}
