// Whether an outside program runs, and the close refusal that depends on it.
#pragma once

#include <QString>

// True when a process runs whose program has that file name (when `exeName`
// holds no "/") or that full path; compared case-insensitively. The program
// is the process's executable or, for scripts, the first word of its command
// line. `procRoot` is "/proc" except in tests.
bool IsProcessRunning(const QString& exeName, const QString& procRoot = QStringLiteral("/proc"));

// The close is refused while the uploader runs and its batch folder
// ("U1" in the temporary mail folder) exists, since the pictures waiting for
// upload would be lost: returns the message to show, or empty when the close
// may go on.
QString UploadPendingMessage(const QString& uploaderPath, const QString& mailTempFolder,
                             const QString& procRoot = QStringLiteral("/proc"));
