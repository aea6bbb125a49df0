// Keeping every known show in step when a picture, sound or folder is
// renamed, moved or deleted.
#pragma once

#include "shows/show_record.h"

#include <QString>
#include <QStringList>

#include <functional>

struct OpenShow;

// The record after a rename of `oldPath` to `newPath`. With `folder` set,
// every stored path that no longer exists and starts with the old folder
// (first `oldLength` characters, compared in lower case, at a whole folder
// name) gets the new folder instead. Returns true when it changed.
bool RenameInShowRecord(TShowRecord& record, const QString& oldPath, const QString& newPath, int oldLength,
                        bool folder);

// Applies the rename to one show file (whole-file safe write); read-only and
// unreadable files are skipped. Returns true when the file was rewritten.
bool RenameInShowFile(const QString& showPath, const QString& oldPath, const QString& newPath, int oldLength,
                      bool folder);

// Removes the records of a deleted picture, and detaches a deleted sound or
// voice file from the records that use it. Returns true when rewritten.
bool RemoveFromShowFile(const QString& showPath, const QString& deletedPath);

// What keeping the shows in step needs from the windows: the shows of the
// MyShow manager, a status-bar text while it works, and a new reading of the
// open show's list once its working copy was rewritten. An unset member does
// nothing (no known shows, no text, no new reading).
struct ShowSyncSteps {
    std::function<QStringList()> knownShows;
    std::function<void(const QString&)> showStatus;
    std::function<void()> showFileRewritten;
};

// Every show of the MyShow manager (steps.knownShows), the open show file and
// its working copy (rewritten in place, since it stays open). Failures are
// not reported.
void SyncShowsAfterRename(OpenShow& openShow, const ShowSyncSteps& steps, const QString& oldPath,
                          const QString& newPath, int oldLength = 0, bool folder = false);
void SyncShowsAfterDelete(OpenShow& openShow, const ShowSyncSteps& steps, const QString& deletedPath);
