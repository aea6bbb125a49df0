#include "browse/folder_tree_caption.h"

#include "platform/drives.h"

FolderCaptionTexts BuildFolderCaption(const QString& selectedFolder, const QString& shortFolder,
                                      bool includeSubfolders, const QString& mappedPicturesDrive)
{
    const QString suffix = includeSubfolders ? QStringLiteral("  (including subfolders)")
                                             : QStringLiteral("  (excluding subfolders)");
    FolderCaptionTexts texts;
    texts.statusHint = QStringLiteral("Selected folder: ") + selectedFolder + suffix;
    texts.panelText = QStringLiteral("Selected folder: ") + shortFolder + suffix;
    if (!mappedPicturesDrive.isEmpty() && platform::IsPathPrefix(mappedPicturesDrive, selectedFolder))
        texts.panelText += QStringLiteral(" - Mapped drive for folder Pictures");
    texts.searchHint = QStringLiteral("Search folder '") + shortFolder + QStringLiteral("'");
    texts.copyHint = QStringLiteral("Copy pictures/sound in show to Selected Folder : ") + selectedFolder;
    return texts;
}
