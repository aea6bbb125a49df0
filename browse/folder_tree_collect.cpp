#include "browse/folder_tree_collect.h"

#include "browse/folder_exclusions.h"
#include "browse/folder_tree_logic.h"

#include <QCoreApplication>

QStringList CollectSubfolderTree(const DataPaths& paths, FolderExclusionState& exclusions, const QString& start,
                                 bool includeSystemFolders, bool searchCollecting, bool demoMode,
                                 bool excludeSmallPics, const bool* cancel)
{
    LoadFolderExclusions(exclusions, paths);
    const CollectAllowedFn allowed = [&paths, &exclusions, searchCollecting, demoMode,
                                      excludeSmallPics](const QString& lowerPath) {
        return IsFolderExcluded(exclusions, paths, lowerPath, false, searchCollecting, true, demoMode,
                                excludeSmallPics) == 1;
    };
    TSubfolderList SubfolderList;
    SubfolderList.start(start);
    for (int i = 0; i <= SubfolderList.count(); ++i) {
        if (cancel && *cancel)
            break;
        AddSubfoldersToList(SubfolderList, SubfolderList.folders[i], includeSystemFolders, allowed);
        // The window repaints and answers while a large folder tree is walked.
        QCoreApplication::processEvents();
    }
    QStringList folders;
    for (const QString& folder : SubfolderList.folders)
        folders << folder;
    return folders;
}
