// The folders a picture collection walks: the start folder and, breadth
// first, every subfolder that the collection rules allow (no names with
// "xx", no excluded or thumbnail folders, hidden folders only with the
// system-folders option, each folder once even through symbolic links).
#pragma once

#include <QString>
#include <QStringList>

struct DataPaths;
struct FolderExclusionState;

// Collects the subfolder list from `start` and returns its folders, start
// folder first. `paths` give the exclusion file and the program's own
// folders (always excluded); `exclusions` the exclusions in force.
// `searchCollecting` selects the exclusions for picture-search results
// instead of those for shows and mail; `demoMode` keeps only the fixed
// exclusions; `excludeSmallPics` leaves out "SmallPics" folders. Window
// events run after each folder; a set `cancel` stops the walk with what was
// found so far.
QStringList CollectSubfolderTree(const DataPaths& paths, FolderExclusionState& exclusions, const QString& start,
                                 bool includeSystemFolders, bool searchCollecting, bool demoMode,
                                 bool excludeSmallPics, const bool* cancel = nullptr);
