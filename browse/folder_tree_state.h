// The folder tree's shared state: the selected folder that folder commands
// work on, and the request to open a folder or show file.
#pragma once

#include <QString>

#include <cstdint>

// The folder selected in the tree (shows, mail, copy and search work on it).
extern QString SelectedFolder;

// The folder or MyShow file that TForm1::OpenFolderOrShow opens next; every
// caller fills it first.
extern QString FolderToOpen;

// Set by callers that open a path not taken from the recent or favourites
// list; cleared by every run of TForm1::OpenFolderOrShow.
extern uint8_t KeepListEntry;

// The recent or favourite entry whose opening is under way. Only the opening
// of a list entry sets it (MarkListEntryOpening); the next run of
// TForm1::OpenFolderOrShow uses it once to write the walked path (with its
// letter case as found on disk) back into that entry, and clears it.
struct ListEntryRef {
    bool favorites = false;
    int index = -1;      // 0 .. 8
    bool valid() const { return index >= 0 && index < 9; }
};
extern ListEntryRef ListEntryToUpdate;

// Called by the opening of a recent (favorites false) or favourite entry
// right before it fills FolderToOpen and calls TForm1::OpenFolderOrShow.
void MarkListEntryOpening(bool favorites, int index);

// The image of video nodes (21 plain, 22 with the video program's icon).
extern int32_t VideoImageIndex;
