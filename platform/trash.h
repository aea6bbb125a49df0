// The freedesktop Trash: a file or folder is moved into the Trash of its
// volume (the home Trash, $XDG_DATA_HOME/Trash, for the home volume; else
// "$topdir/.Trash-$uid" at the top of its own volume) with its ".trashinfo"
// record, so that a file manager can put it back. Nothing is ever copied
// or deleted: when the Trash cannot be made or the rename fails, the file
// stays where it is and the result is false.
#pragma once

#include <QString>

namespace platform {

// Moves `path` (a file, a link or a folder) into the Trash; true when it is
// there now. `trashedAs` gets its path inside the Trash; `reason` gets why
// not (for the user) on failure.
bool MoveToTrash(const QString& path, QString* trashedAs = nullptr, QString* reason = nullptr);

} // namespace platform
