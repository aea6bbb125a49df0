// The folder tree's list-entry reference: the recent or favourite entry
// whose opening is under way (kept by FolderTreeController).
#pragma once

// The recent or favourite entry whose opening is under way. Only the opening
// of a list entry sets it (MarkListEntryOpening); the next run of
// FolderTreeController::OpenFolderOrShow uses it once to write the walked path (with its
// letter case as found on disk) back into that entry, and clears it.
struct ListEntryRef {
    bool favorites = false;
    int index = -1;      // 0 .. 8
    bool valid() const { return index >= 0 && index < 9; }
};
