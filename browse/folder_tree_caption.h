// The texts that show the selected folder: the status bar's hint and panel,
// the search button's hint and the copy button's hint.
#pragma once

#include <QString>

struct FolderCaptionTexts {
    QString statusHint;   // hint of the status bar
    QString panelText;    // panel 1 of the status bar
    QString searchHint;   // hint of the search button
    QString copyHint;     // hint of the "copy show to folder" button
};

// `shortFolder` is the selected folder in its short caption form;
// `mappedPicturesDrive` the drive mapped to the Pictures folder ("" when none).
FolderCaptionTexts BuildFolderCaption(const QString& selectedFolder, const QString& shortFolder,
                                      bool includeSubfolders, const QString& mappedPicturesDrive);
