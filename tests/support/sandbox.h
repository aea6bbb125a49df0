// Test sandbox: every test process runs with its own HOME and XDG folders
// under a temporary directory, so nothing touches the real home folder.
#pragma once

#include <QString>

namespace testsupport {

// Root of this process's sandbox (HOME lives below it).
QString sandboxRoot();

// A fresh, empty folder below the sandbox root, unique for each call.
QString freshDir(const QString& hint = QStringLiteral("dir"));

// Writes bytes to a file, creating its folder; returns false on failure.
bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Sets the file's mode bits read-only (or writable again).
void setReadOnly(const QString& path, bool readOnly);

// Lets events run until every picture asked of a slot or a preview, and
// the dates of every date-ordered show, have been answered (the answers
// come later, through the event loop); false when
// `ms` pass first.
bool waitForPictureAnswers(int ms = 30000);

} // namespace testsupport
