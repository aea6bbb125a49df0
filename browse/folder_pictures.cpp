#include "browse/folder_pictures.h"

#include "browse/folder_exclusions.h"
#include "browse/folder_tree_collect.h"
#include "browse/picture_info.h"
#include "platform/dos_date.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

bool PictureIncluded(const QString& path, qint64 sizeBytes, const TPlayOptions& o)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool typeOn = false;
    if (suffix == QLatin1String("jpg"))
        typeOn = o.InclJPG;
    else if (suffix == QLatin1String("jpeg"))
        typeOn = o.InclJPEG;
    else if (suffix == QLatin1String("bmp"))
        typeOn = o.InclBMP;
    else if (suffix == QLatin1String("ico"))
        typeOn = o.InclICO;
    else if (suffix == QLatin1String("emf"))
        typeOn = o.InclEMF;
    else if (suffix == QLatin1String("wmf"))
        typeOn = o.InclWMF;
    else if (suffix == QLatin1String("gif"))
        typeOn = o.InclGIF;
    if (!typeOn)
        return false;
    if (o.MinSizeKB > 0 && sizeBytes < qint64(o.MinSizeKB) * 1024)
        return false;
    if (o.MaxSizeKB > 0 && sizeBytes > qint64(o.MaxSizeKB) * 1024)
        return false;
    return true;
}

QStringList PicturesOfOneFolder(const QString& folder, const TPlayOptions& options)
{
    QDir::Filters filters = QDir::Files | QDir::NoDotAndDotDot;
    if (options.IncludeSystemFolders)
        filters |= QDir::Hidden;
    QStringList pictures;
    const QFileInfoList files = QDir(folder).entryInfoList(filters, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& file : files)
        if (PictureIncluded(file.fileName(), file.size(), options))
            pictures << file.absoluteFilePath();
    if (options.MaxPictures > 0 && pictures.size() > options.MaxPictures)
        pictures = pictures.mid(0, options.MaxPictures);
    return pictures;
}

QStringList CollectFolderPictures(const DataPaths& paths, FolderExclusionState& exclusions, const QString& folder,
                                  const TPlayOptions& options, bool demoMode, const bool* cancel)
{
    // The folders come from the tree's subfolder collection: no names with
    // "xx", no thumbnail or excluded folders, each folder once even when
    // symbolic links lead back to it.
    const QStringList folders =
        options.IncludeSubfolders ? CollectSubfolderTree(paths, exclusions, folder, options.IncludeSystemFolders != 0,
                                                         exclusions.SearchCollecting == 1, demoMode,
                                                         options.ExcludeSmallPics != 0, cancel)
                                  : QStringList{folder};
    QStringList pictures;
    for (const QString& current : folders) {
        if (cancel && *cancel)
            break;
        pictures << PicturesOfOneFolder(current, options);
        if (options.MaxPictures > 0 && pictures.size() >= options.MaxPictures)
            break;
        // The window repaints and answers while a large folder tree is read.
        QCoreApplication::processEvents();
    }
    if (options.MaxPictures > 0 && pictures.size() > options.MaxPictures)
        pictures = pictures.mid(0, options.MaxPictures);
    return pictures;
}

double ShowPictureDate(const QString& path)
{
    const platform::DosDateTime fileDate = platform::FileDosDate(path);
    const platform::DosDateTime packed = platform::DosDateTime(ExifDateAsFileDate(path, int32_t(fileDate)));
    if (packed == 0)
        return 0;
    return platform::DateTimeToDays(platform::DosToDateTime(packed));
}
