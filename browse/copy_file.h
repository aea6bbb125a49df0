// The copies of the file operations, all through CopyFileVerified (in
// base/file_helpers.h): the bytes go to a temporary file in the target's
// folder, are synced, read back and compared, and only then renamed to the
// target. A failure anywhere leaves no partial target behind (an older file
// of the target's name stays as it was).
#pragma once

#include "base/file_helpers.h"

#include <QString>
#include <QStringList>

// True when the two paths lie on different volumes (the target's nearest
// existing folder is compared with the source file's).
bool OnDifferentVolumes(const QString& source, const QString& target);

// Renames a file or folder without ever replacing another one: false (and
// nothing changed) when `to` names an existing entry, except when both
// names are the same entry (a change of letter case on a file system that
// ignores case).
bool RenameNoReplace(const QString& from, const QString& to);
