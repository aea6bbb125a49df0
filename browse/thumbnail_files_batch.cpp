#include "browse/thumbnail_files_batch.h"

#include "base/caption_helpers.h"
#include "base/file_helpers.h"
#include "browse/thumbnail_files.h"
#include "browse/picture_info.h"
#include "formats/picture_scale.h"
#include "platform/file_attributes.h"
#include "platform/worker_pool.h"
#include "sharing/reduce_picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>

// One picture's work for a worker thread: everything it reads or writes is
// in here, shared with the run until both are done with it.
struct ThumbnailBatch::Job {
    QString picture;
    QString thumbnail;
    int32_t sizeIndex = 2;
    int32_t minSizeKB = 0;
    QSize previewBox;
    bool makePreview = true;
    // Results.
    int previewResult = 1;       // 0 decoded, 1 cannot be opened, 2 missing
    QImage preview;
    ReducedJpeg reduced;         // empty jpeg: not made ahead
    std::atomic<bool> done{false};
};

namespace {

void processMessages() { QCoreApplication::processEvents(); }

// The workers of thumbnail runs: one per core.
platform::WorkerPool& thumbnailPool()
{
    static platform::WorkerPool pool;
    return pool;
}

// Reads and decodes the picture once; fits the preview and encodes the
// thumbnail from the same decode. The thumbnail is made ahead only for a
// picture large enough to get one (the decision itself comes later, in order).
void runJob(ThumbnailBatch::Job& job)
{
    if (!QFileInfo(job.picture).isFile()) {
        job.previewResult = 2;
        return;
    }
    const QSize box = ReduceBoxSize(job.sizeIndex);
    const ReduceSource source = ReadReduceSource(job.picture, box);
    if (source.picture.isNull()) {
        job.previewResult = 1;
        return;
    }
    job.previewResult = 0;
    if (job.makePreview && !job.previewBox.isEmpty()) {
        const QSize size = source.picture.size();
        const double f = std::min(double(job.previewBox.height()) / size.height(),
                                  double(job.previewBox.width()) / size.width());
        const QSize fitted(std::max(1, int(std::nearbyint(size.width() * f))),
                           std::max(1, int(std::nearbyint(size.height() * f))));
        job.preview = ScaleDecodedPicture(source.picture, fitted);
    }
    if (SizeInKB(source.bytes.size()) >= job.minSizeKB) {
        ReduceRequest request;
        request.sourcePath = job.picture;
        request.targetPath = job.thumbnail;
        request.sizeChoice = job.sizeIndex;
        request.quality = 75;
        job.reduced = PrepareReducedJpeg(request, source);
    }
}

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

void ThumbnailBatch::emitLine(const QString& text, int32_t colour, bool blankAfter, bool blankBefore)
{
    if (addLogLine)
        addLogLine(text, colour, blankAfter, blankBefore);
    processMessages();
}

void ThumbnailBatch::log(const QString& text, int32_t colour, bool blankAfter, bool blankBefore)
{
    // A line waits behind the pictures before it that are still being made.
    if (m_pending.empty())
        emitLine(text, colour, blankAfter, blankBefore);
    else
        queue([this, text, colour, blankAfter, blankBefore] { emitLine(text, colour, blankAfter, blankBefore); });
}

void ThumbnailBatch::queue(std::function<void()> finish, std::shared_ptr<Job> job)
{
    m_pending.push_back({std::move(finish), std::move(job)});
}

void ThumbnailBatch::flush(bool wait)
{
    while (!m_pending.empty()) {
        if (stopNow()) {
            // Pictures not reported yet are not done: the workers' results
            // are dropped. The lines of what the walk did do still appear.
            for (Pending& step : m_pending)
                if (!step.job)
                    step.finish();
            m_pending.clear();
            return;
        }
        Pending& front = m_pending.front();
        if (front.job && !front.job->done.load()) {
            if (!wait)
                return;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            continue;
        }
        Pending step = std::move(front);
        m_pending.pop_front();
        if (step.job)
            --m_busyJobs;
        step.finish();
    }
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
    m_pending.clear();
    m_busyJobs = 0;
    m_thumbOptions = thumbnailOptions;
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
    flush(true);
    m_pending.clear();
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
        submitPicture(path, name, thumbnail, options, counts);
    }
}

void ThumbnailBatch::submitPicture(const QString& path, const QString& name, const QString& thumbnail,
                                   const ThumbnailBatchOptions& options, ThumbnailBatchCounts& counts)
{
    auto job = std::make_shared<Job>();
    job->picture = path;
    job->thumbnail = thumbnail;
    job->sizeIndex = m_thumbOptions.sizeIndex;
    job->minSizeKB = m_thumbOptions.minSizeKB;
    job->previewBox = previewBox;
    job->makePreview = !previewPicture && showPreview;
    if (createThumbnail && previewPicture) {
        // Both steps replaced: nothing for a worker to do.
        job->done = true;
    } else {
        // Enough in flight to keep every worker busy; the rest waits.
        const int limit = 2 * thumbnailPool().threadCount();
        for (flush(false); m_busyJobs >= limit && !stopNow(); flush(false))
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (stopNow())
            return;
        // Worker: reads and writes only its job (the picture's own files
        // and results); the run reads the results after `done`.
        thumbnailPool().run([job] {
            runJob(*job);
            job->done = true;
            platform::postToWindowThread({});   // wakes the run waiting in flush()
        });
    }
    ++m_busyJobs;
    queue([this, job, name, thumbnail, options, &counts] { finishPicture(*job, name, thumbnail, options, counts); },
          job);
    flush(false);
}

void ThumbnailBatch::finishPicture(Job& job, const QString& name, const QString& thumbnail,
                                   const ThumbnailBatchOptions& options, ThumbnailBatchCounts& counts)
{
    const QString& path = job.picture;
    int shown = job.previewResult;
    if (previewPicture)
        shown = previewPicture(path);
    else if (showPreview)
        showPreview(path, shown, job.preview);
    if (shown == 1) {
        ++counts.cannotOpen;
        emitLine(name + QStringLiteral(" - could not be opened"), ThumbLogRed, false, false);
        return;
    }
    if (shown == 2) {
        ++counts.notExist;
        emitLine(name + QStringLiteral(" - does not exist!"), ThumbLogRed, false, false);
        return;
    }
    int result;
    if (createThumbnail) {
        result = createThumbnail(path, thumbnail, options.driveAlreadyAllowed, options.forceReplace);
    } else {
        ThumbnailRequest request;
        request.picture = path;
        request.thumbnail = thumbnail;
        request.fromPreview = true;
        request.ignoreDrive = options.driveAlreadyAllowed;
        request.forceRenew = options.forceReplace;
        request.showStatus = ThumbnailStatusSink();
        request.processMessages = false;
        // The thumbnail the worker made; one it did not make ahead (or for
        // other settings) is made here.
        const ReducedJpeg reduced = job.reduced;
        const int32_t madeFor = job.sizeIndex;
        const ThumbnailMaker maker = [reduced, madeFor](const QString& picture, const QString& target,
                                                        const QImage& shownImage, int32_t sizeIndex) {
            if (reduced.jpeg.isEmpty() || sizeIndex != madeFor)
                return DefaultThumbnailMaker(picture, target, shownImage, sizeIndex);
            return WriteReducedJpeg(target, reduced).written;
        };
        if (!reduced.jpeg.isEmpty())
            request.exifFileDate = [taken = reduced.dateTaken](int32_t fallback) {
                return ExifTextAsFileDate(taken, fallback);
            };
        result = CreateOrRefreshThumbnail(request, m_thumbOptions, maker);
    }
    job.reduced = ReducedJpeg();
    job.preview = QImage();
    const auto line = [this, &name](const char* text, int32_t colour) {
        emitLine(name + QString::fromLatin1(text), colour, false, false);
    };
    switch (result) {
    case ThumbMade:
        ++counts.created;
        line(" - thumbnail successfully (re)created", ThumbLogBlue);
        break;
    case ThumbNotAllowed:
        ++counts.notAllowed;
        line(" - creation of thumbnail was not allowed", ThumbLogFuchsia);
        break;
    case ThumbNotAllowedDeleted:
        ++counts.notAllowedDeleted;
        line(" - (re)creation not allowed; existing thumbnail deleted", ThumbLogFuchsia);
        break;
    case ThumbFailed:
        ++counts.errors;
        line(" - error occurred in creation process", ThumbLogRed);
        break;
    case ThumbUpToDate:
        ++counts.alreadyExists;
        line(" - thumbnail already exists", ThumbLogGreen);
        break;
    default:
        break;
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
