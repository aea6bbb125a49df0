#include "browse/thumbnail_files_batch.h"

#include "app/caption_helpers.h"
#include "app/file_helpers.h"
#include "browse/thumbnail_files.h"
#include "formats/jpeg_decoder.h"
#include "platform/file_attributes.h"
#include "platform/regular_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace {

void processMessages() { QCoreApplication::processEvents(); }

// The entry of a folder whose name is `lowerName` in lower case ("" when none).
QString entryNamedIgnoringCase(const QString& folder, const QString& lowerName)
{
    const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        if (name.toLower() == lowerName)
            return folder + QLatin1Char('/') + name;
    return QString();
}

bool isJpgName(const QString& name) { return FileExtOf(name).toLower() == QLatin1String(".jpg"); }

QString join(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The kernel's and the system's folders of the root volume hold no pictures
// and are never walked.
bool isSystemFolder(const QString& path)
{
    static const QStringList system{QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"),
                                    QStringLiteral("/run"), QStringLiteral("/boot")};
    return system.contains(QDir::cleanPath(path));
}

} // namespace

int CheckPictureReadable(const QString& picture)
{
    const QFileInfo info(picture);
    if (!info.exists() || info.isDir())
        return 2;
    // Only a regular file, and only its header through the JPEG reader (the
    // batch handles ".jpg" pictures): a pipe or a device is never opened.
    try {
        QFile file(picture);
        if (!platform::OpenRegularFileForReading(file, picture).isEmpty())
            return 1;
        return ReadJpegHeader(file.read(std::min<qint64>(file.size(), 4 * 1024 * 1024))).size.isValid() ? 0 : 1;
    } catch (...) {
        return 1;
    }
}

void ThumbnailBatch::log(const QString& text, int32_t colour, bool blankAfter, bool blankBefore)
{
    if (addLogLine)
        addLogLine(text, colour, blankAfter, blankBefore);
    processMessages();
}

bool ThumbnailBatch::stopNow()
{
    if (!m_cancelled && cancelRequested && cancelRequested())
        m_cancelled = true;
    return m_cancelled;
}

ThumbnailBatchCounts ThumbnailBatch::run(const ThumbnailBatchOptions& options)
{
    m_cancelled = false;
    ThumbnailBatchCounts counts;
    processMessages();
    QStringList folders{options.folder};
    QStringList cleanup;
    // The list grows while it is walked.
    for (int i = 0; i < folders.size() && !stopNow(); ++i) {
        const QString folder = folders.at(i);
        log(QStringLiteral("Processing: ") + ShortenPathToLength(folder, 60), ThumbLogBlack, true, i > 0);
        processFolder(folder, options, folders, cleanup, counts);
    }
    if (!stopNow() && !cleanup.isEmpty()) {
        log(QStringLiteral("Start Cleanup"), ThumbLogBlack, false, true);
        for (const QString& thumbFolder : cleanup) {
            if (stopNow())
                break;
            cleanupFolder(thumbFolder, counts);
        }
    }
    processMessages();
    return counts;
}

void ThumbnailBatch::processFolder(const QString& folder, const ThumbnailBatchOptions& options, QStringList& folders,
                                   QStringList& cleanup, ThumbnailBatchCounts& counts)
{
    const QString thumbFolder = join(folder, ThumbFolderName);
    if (!options.onlyCleanup && options.convertSmallPics && !QFileInfo::exists(thumbFolder)) {
        const QString old = entryNamedIgnoringCase(folder, OldThumbFolderName);
        if (!old.isEmpty() && QFileInfo(old).isDir() && !QFileInfo(old).isSymLink() && QDir().rename(old, thumbFolder)) {
            log(folder + QStringLiteral(" - SmallPics folder converted"), ThumbLogGreen, true, true);
            platform::SetHidden(thumbFolder, true);
        }
    }

    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                    QDir::Name | QDir::IgnoreCase);
    if (entries.isEmpty())
        return;
    if (!options.onlyCleanup && !QFileInfo::exists(thumbFolder)) {
        for (const QFileInfo& e : entries) {
            if (e.isFile() && isJpgName(e.fileName())) {
                if (QDir().mkdir(thumbFolder))
                    platform::SetHidden(thumbFolder, true);
                break;
            }
        }
    }

    for (const QFileInfo& e : entries) {
        processMessages();
        if (stopNow())
            return;
        const QString name = e.fileName();
        const QString path = join(folder, name);
        if (e.isDir()) {
            // A linked folder is not walked: a link back up would never end.
            // Nor are the system's own folders of the root.
            if (!options.includeSubfolders || e.isSymLink() || isSystemFolder(path))
                continue;
            const QString lower = name.toLower();
            if (lower == OldThumbFolderName)
                continue;
            if (lower == ThumbFolderName)
                cleanup << path;
            else
                folders << path;
            continue;
        }
        if (options.onlyCleanup || !isJpgName(name))
            continue;
        const int attributes = platform::FileAttributesOf(path);
        if (attributes < 0 || (attributes & (platform::faHidden | platform::faSysFile)))
            continue;

        const QString thumbnail = ThumbnailPath(path);
        bool exists = false;
        if (!options.forceReplace && QFileInfo(thumbnail).isFile()) {
            exists = true;
            if (options.resetFileDate) {
                TFileDateSize p, t;
                GetFileDateAndSizeKB(path, p);
                GetFileDateAndSizeKB(thumbnail, t);
                if (std::llabs(qint64(p.Date) - qint64(t.Date)) > 10) {
                    ++counts.notInSync;
                    log(name + QStringLiteral(" - thumbnail not in sync with original, will be updated/deleted"),
                        ThumbLogPurple);
                    exists = false;
                }
            }
        }
        if (exists) {
            ++counts.alreadyExists;
            log(name + QStringLiteral(" - thumbnail already exists"), ThumbLogGreen);
            continue;
        }
        const int shown = previewPicture ? previewPicture(path) : CheckPictureReadable(path);
        if (shown == 1) {
            ++counts.cannotOpen;
            log(name + QStringLiteral(" - could not be opened"), ThumbLogRed);
            continue;
        }
        if (shown == 2) {
            ++counts.notExist;
            log(name + QStringLiteral(" - does not exist!"), ThumbLogRed);
            continue;
        }
        const int result = createThumbnail
                               ? createThumbnail(path, thumbnail, options.driveAlreadyAllowed, options.forceReplace)
                               : CreateOrRefreshThumbnail(path, thumbnail, QString(), true, options.driveAlreadyAllowed,
                                                          options.forceReplace, false);
        switch (result) {
        case ThumbMade:
            ++counts.created;
            log(name + QStringLiteral(" - thumbnail successfully (re)created"), ThumbLogBlue);
            break;
        case ThumbNotAllowed:
            ++counts.notAllowed;
            log(name + QStringLiteral(" - creation of thumbnail was not allowed"), ThumbLogFuchsia);
            break;
        case ThumbNotAllowedDeleted:
            ++counts.notAllowedDeleted;
            log(name + QStringLiteral(" - (re)creation not allowed; existing thumbnail deleted"), ThumbLogFuchsia);
            break;
        case ThumbFailed:
            ++counts.errors;
            log(name + QStringLiteral(" - error occurred in creation process"), ThumbLogRed);
            break;
        case ThumbUpToDate:
            ++counts.alreadyExists;
            log(name + QStringLiteral(" - thumbnail already exists"), ThumbLogGreen);
            break;
        default:
            break;
        }
    }
}

void ThumbnailBatch::cleanupFolder(const QString& thumbFolder, ThumbnailBatchCounts& counts)
{
    const QString shortPath = ShortenPathToLength(thumbFolder, 60);
    log(QStringLiteral("Cleanup folder ") + shortPath, ThumbLogBlack, true, true);
    // The picture folder: the thumbnail folder without its last 8 characters.
    const QString pictureFolder = thumbFolder.left(thumbFolder.size() - ThumbFolderName.size());
    const QFileInfoList files =
        QDir(thumbFolder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& f : files) {
        if (stopNow())
            return;
        if (!isJpgName(f.fileName()))
            continue;
        if (QFileInfo::exists(pictureFolder + f.fileName()))
            continue;
        log(QStringLiteral("Deleting ") + f.fileName(), ThumbLogBlue);
        if (QFile::remove(f.filePath()))
            ++counts.thumbsRemoved;
    }
    if (FolderHoldsOnlyThumbsDb(thumbFolder)) {
        const QString db = entryNamedIgnoringCase(thumbFolder, QStringLiteral("thumbs.db"));
        if (!db.isEmpty())
            QFile::remove(db);
        if (QDir().rmdir(thumbFolder)) {
            ++counts.foldersRemoved;
            log(QStringLiteral("Empty folder ") + shortPath + QStringLiteral(" has been removed"), ThumbLogBlack, false,
                true);
        } else {
            log(QStringLiteral("Empty folder ") + shortPath + QStringLiteral(" could not be be removed"), ThumbLogRed,
                false, true);
        }
    }
}

void ThumbnailBatch::writeSummary(const ThumbnailBatchCounts& c, bool cancelled)
{
    const auto count = [this](int n, const char* text, int32_t colour) {
        if (n > 0)
            log(QString::fromLatin1(text) + QString::number(n), colour);
    };
    log(QStringLiteral("Final results of thumbail processing"), ThumbLogBlack, false, true);
    count(c.notExist, "Number of orginals that didn't exist: ", ThumbLogRed);
    count(c.cannotOpen, "Number of orginals that could not be opened: ", ThumbLogRed);
    count(c.errors, "Number of thumbnail creation errors: ", ThumbLogRed);
    count(c.notAllowed, "Number of orginals where creation of thumbnail was not allowed: ", ThumbLogFuchsia);
    count(c.notAllowedDeleted,
          "Number of orginals where creation of thumbnail was not allowed and existing thumbnail was deleted: ",
          ThumbLogFuchsia);
    count(c.alreadyExists, "Number of orginals where thumbnail already exists: ", ThumbLogGreen);
    count(c.notInSync, "Number of existing thumbnails not in sync with the original (update/delete): ", ThumbLogPurple);
    count(c.created, "Number of thumbnails successfully created: ", ThumbLogBlue);
    log(QStringLiteral("Final results of cleanup process"), ThumbLogBlack, true, true);
    log(QStringLiteral("Number of thumbnails without original removed: ") + QString::number(c.thumbsRemoved),
        ThumbLogBlue);
    count(c.foldersRemoved, "Number of empty thumbnail folders removed: ", ThumbLogBlue);
    if (cancelled)
        log(QStringLiteral("Creation/Cleanup of thumbnails cancelled"), ThumbLogRed, false, true);
    else
        log(QStringLiteral("Creation/Cleanup of thumbnails finished"), ThumbLogBlack, false, true);
    if (c.notAllowed > 0) {
        log(QStringLiteral("Thumbpics are not allowed for the following reasons:"), ThumbLogBlack, true, true);
        log(QStringLiteral("1 - Folder of the original picture is part of the Internet Explorer cache"), ThumbLogBlack);
        log(QStringLiteral("2 - The size of the original picture is smaller than the value defined in the Thumbails tab in Options"),
            ThumbLogBlack);
    }
}
