// File tests that can hand the found directory entry to the caller (date,
// size, attributes).
#pragma once

#include <QString>

#include <cstdint>

struct TSearchRec {
    int32_t Time = 0;      // packed DOS date-time of the last write (local); 0 = none
    int64_t Size = 0;      // bytes
    int32_t Attr = 0;      // attribute bits (platform::faDirectory 16, faReadOnly 1 …)
    QString Name;          // the entry's name
    QString FullPath;      // the entry's full path
};

// True when the path names an entry that is not a folder. The path may hold
// the wildcards "*" and "?" in its last part (compared ignoring case, "*.*"
// meaning every name); the first match in name order decides. Fills
// *found when given (emptied when nothing is found).
bool FileExistsNotDir(const QString& path, TSearchRec* found = nullptr);

// As FileExistsNotDir, but also false when the file's date can't be packed
// (outside 1980..2107): the test that a file exists and has a usable date.
bool FileExistsDated(const QString& path, TSearchRec* found = nullptr);

// The record's packed time stamp as the program's date-time value (days
// since 1899-12-30); 0 when the record holds no valid date.
double SearchRecDateTime(const TSearchRec& rec);

// True when the path exists as a file (not a folder) and is read-only
// (its owner's write bit is clear).
bool IsReadOnlyFile(const QString& path);
