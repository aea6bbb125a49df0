// The read-only rule of the data files, decided by the start modes.
#pragma once

struct StartContext;

// Sets the mode of the next data-file open (SetFileMode): read only while
// `start` runs on a folder or show given as argument (`ArgumentMode`) and
// `Force` is false; otherwise `Mode`.
void SetDataFileMode(const StartContext& start, int Mode, bool Force);
