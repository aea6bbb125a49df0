// Opening outside files for reading only when they are regular files: a
// FIFO, a device or a socket named like a picture, a sound or a data file
// would block the window (a FIFO without a writer) or read without end, so
// it is refused before it is opened for reading.
#pragma once

#include <QFile>
#include <QString>

namespace platform {

// True when the path (after symbolic links) names a regular file.
bool IsRegularFile(const QString& path);

// Opens `file` on `path` for reading when it is a regular file. The path
// is checked with stat first, then opened without blocking and checked
// again on the open descriptor (the entry may change in between). Returns
// an empty text on success, else the reason for the user.
QString OpenRegularFileForReading(QFile& file, const QString& path);

} // namespace platform
