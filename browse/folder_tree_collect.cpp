#include "browse/folder_tree_collect.h"

#include "browse/folder_exclusions.h"
#include "browse/folder_tree_logic.h"

#include <QCoreApplication>

QStringList CollectSubfolderTree(const QString& start, bool includeSystemFolders, bool searchCollecting,
                                 bool excludeSmallPics, const bool* cancel)
{
    LoadFolderExclusions();
    const CollectAllowedFn allowed = [searchCollecting, excludeSmallPics](const QString& lowerPath) {
        return IsFolderExcluded(lowerPath, false, searchCollecting, true, excludeSmallPics) == 1;
    };
    SubfolderList.start(start);
    for (int i = 0; i <= SubfolderList.count(); ++i) {
        if (cancel && *cancel)
            break;
        AddSubfoldersToList(SubfolderList, SubfolderList.folders[i], includeSystemFolders, allowed);
        QCoreApplication::processEvents();
    }
    QStringList folders;
    for (const QString& folder : SubfolderList.folders)
        folders << folder;
    return folders;
}
