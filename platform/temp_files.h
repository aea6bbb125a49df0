// The temporary files of whole-file writes. Each target has one temporary
// name beside it, ".<name>.vistamo-tmp" (".vistamo-tmp-<hash>" for a very
// long name), and the writer holds an exclusive flock on it for as long as
// it writes. A temporary file that nobody holds a lock on is the leftover of
// a write that was interrupted (a crash, a kill, a power cut): the next write
// to the same target takes it over, and the data folder's leftovers are
// removed at start.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The temporary file of a write to `target`, in the target's folder.
QString TempPathFor(const QString& target);

// True when a file name has the form of a temporary file of a write.
bool IsTempFileName(const QString& name);

// An open temporary file, locked and empty; fd < 0 with `error` (an errno
// value) when it could not be had.
struct TempFile {
    int fd = -1;
    QByteArray path;   // encoded path of the temporary file
    int error = 0;
};

// Opens (or takes over) the temporary file of `target`: a leftover of an
// interrupted write is emptied and reused; while another running writer
// holds it, this waits up to two seconds and then fails with EBUSY. The
// caller renames it over the target and closes `fd` only afterwards (the
// lock ends with the close), or unlinks it and closes on failure.
TempFile OpenTempFor(const QString& target);

// Removes every temporary file of `folder` that no running writer holds.
// With `olderForms`, also the hidden temporary files of earlier versions
// (".<name>.XXXXXX", ".vistamo-copy-XXXXXX", ".vistamo-write.XXXXXX") that
// are more than a minute old; only for folders that hold nothing but the
// program's own files. Returns how many were removed.
int RemoveStaleTempFiles(const QString& folder, bool olderForms);

} // namespace platform
