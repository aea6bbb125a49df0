// The pictures a show takes from a folder and the date a show gives each.
#pragma once

#include "base/data_paths.h"
#include "base/show_session.h"

#include <QString>
#include <QStringList>

struct FolderExclusionState;

// Whether a file is a picture that the options in effect let into a show:
// its type is included and its size within the limits.
bool PictureIncluded(const QString& path, qint64 sizeBytes, const TPlayOptions& options);

// The pictures of one folder, by name, filtered by the options and cut to
// the maximum number of pictures. Touches nothing but the folder: safe on
// any thread.
QStringList PicturesOfOneFolder(const QString& folder, const TPlayOptions& options);

// The pictures of a folder (and of the subfolders the folder collection
// allows when asked: no "xx" names, no thumbnail or excluded folders, hidden
// folders only with `includeSystemFolders`, each folder once), in folder
// order and by name within a folder, filtered by the options, cut to the
// maximum number of pictures. Polls `cancel` between folders. `paths` give
// the folder exclusions' file and the program's own folders; `exclusions`
// the exclusions in force; `demoMode` keeps only the fixed exclusions.
QStringList CollectFolderPictures(const DataPaths& paths, FolderExclusionState& exclusions, const QString& folder,
                                  const TPlayOptions& options, bool demoMode, const bool* cancel = nullptr);

// The date a show gives a picture, in days since 1899-12-30: its EXIF date
// taken, else the file's date; 0 when neither is known.
double ShowPictureDate(const QString& path);
