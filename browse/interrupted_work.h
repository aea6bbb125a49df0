// What the start does about operations that a crash, a kill or a power cut
// interrupted (their journals, platform/work_journal.h): the leftovers of
// whole-file writes wherever they lie, a picture moved with its recording,
// and the rewrite of stored paths after a folder rename.
#pragma once

#include <QString>
#include <QStringList>

struct DataPaths;

// Removes the leftovers of interrupted writes in the data folders and in
// every folder an ended process was writing into, and finishes or undoes
// the interrupted moves and folder renames. Only journals that no running
// process holds are taken; the journal folder must be set.
void FinishInterruptedWork(const DataPaths& paths);

// A move's journal (source, target, the source's recording, the target's
// recording; the recordings "" when there were none). While the source
// picture is still there, the move is undone: the checked copies at the
// target go. Once it went, the move is finished: the recording follows.
// True when the journal may go.
bool FinishInterruptedMove(const QStringList& lines);

// A folder rename's journal (old folder, new folder, "1" when the shows and
// playlists follow). Once the folder has its new name, every stored path
// below the old one is rewritten as the rename does it (only paths that no
// longer exist change, so parts done before the interruption stay right).
// True when the journal may go.
bool FinishInterruptedFolderRename(const QStringList& lines, const DataPaths& paths);
