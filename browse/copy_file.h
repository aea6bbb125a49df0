// The one whole-file copy of the file operations: the bytes go to a
// temporary file in the target's folder, are read back and compared, synced,
// and only then renamed to the target. A failure anywhere leaves no partial
// target behind (an older file of the target's name stays as it was).
#pragma once

#include <QString>
#include <QStringList>

// What a copy came to.
enum class CopyStatus {
    Ok,
    SameFile,            // source and target are one file (a link, "..", another letter case)
    SourceUnreadable,    // the source is missing, a folder, or cannot be read
    TargetUnwritable,    // the target cannot be created or written (full, read-only, no folder)
    VerifyFailed,        // the bytes read back differ from the source's
};

// Copies `source` onto `target` (an existing target file is replaced) as
// described above. The copy keeps the source's mode bits and file date.
CopyStatus CopyFileVerified(const QString& source, const QString& target);

// True when the two paths lie on different volumes (the target's nearest
// existing folder is compared with the source file's).
bool OnDifferentVolumes(const QString& source, const QString& target);

// The copy of show working files and conversions: a verified copy; on
// failure, unless quiet, an error box source + " could not be copied to " +
// target. True when the target now holds the source's bytes.
bool CopyFileByStream(const QString& source, const QString& target, bool quiet = false);

// The same copy, with "Start copy : " + source + " -> " + target before and
// "End of copy : " + source + " -> " + target after it appended to `log`.
bool CopyFileWithLog(const QString& source, const QString& target, QStringList& log);

// Renames a file or folder without ever replacing another one: false (and
// nothing changed) when `to` names an existing entry, except when both
// names are the same entry (a change of letter case on a file system that
// ignores case).
bool RenameNoReplace(const QString& from, const QString& to);
