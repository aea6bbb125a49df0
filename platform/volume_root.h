// Whether a folder is the root of a volume, decided by the file system
// itself rather than by the drive table (which leaves some volumes out).
#pragma once

#include <QString>

namespace platform {

// True when `folder` is "/", lies on another device than its parent folder,
// or is listed as a mount point in /proc/self/mountinfo (a bind mount):
// the top folder of a mounted volume, whatever the drive table lists. A folder that can't be examined counts as a root, so nothing is
// emptied, deleted or renamed on a guess.
bool IsVolumeRoot(const QString& folder);

} // namespace platform
