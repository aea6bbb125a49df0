// The temporary files of whole-file writes. Each target has one temporary
// name beside it, ".<name>.vistamo-tmp" (".vistamo-tmp-<hash>" for a very
// long name), and the writer holds an exclusive flock on it for as long as
// it writes. A temporary file that nobody holds a lock on is the leftover of
// a write that was interrupted (a crash, a kill, a power cut): the next write
// to the same target takes it over, and the data folder's leftovers are
// removed at start. While a write runs, its folder is listed in a journal of
// this process (platform/work_journal.h), so that the next start finds the
// leftovers of a killed write wherever they lie (picture and thumbnail
// folders too).
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
// caller renames it over the target and then ends the write with CloseTemp
// (the lock ends with the close), or unlinks it and closes on failure.
TempFile OpenTempFor(const QString& target);

// Closes the temporary file's descriptor (renamed or unlinked by then) and
// takes its folder off this process's journal of running writes.
void CloseTemp(TempFile& temp);

// Removes every temporary file of `folder` that no running writer holds.
// Only the program's own form is touched: any other file, hidden or not,
// stays. Returns how many were removed.
int RemoveStaleTempFiles(const QString& folder);

// Removes the unheld temporary files of every folder that a process which
// ended in the middle of a write had listed in its journal. Returns how
// many were removed.
int RemoveInterruptedWriteLeftovers();

} // namespace platform
