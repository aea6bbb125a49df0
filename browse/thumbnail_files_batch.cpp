#include "browse/thumbnail_files_batch.h"

#include "base/caption_helpers.h"
#include "base/file_helpers.h"
#include "browse/thumbnail_files.h"
#include "browse/picture_info.h"
#include "formats/picture_scale.h"
#include "platform/file_attributes.h"
#include "platform/worker_pool.h"
#include "sharing/reduce_picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>

// One picture's work for a worker thread: everything it reads or writes is
// in here, shared with the run until both are done with it. The inputs are
// set before the job is queued; the results are written by the worker
// before `state` becomes Done and read by the run only after that.
struct ThumbnailBatch::Job {
    enum State { Queued, Running, Done, Dropped };
    QString picture;
    QString thumbnail;
    ThumbnailOptions options;
    bool ignoreDrive = false;
    bool forceRenew = false;
    QSize previewBox;
    bool makePreview = true;
    // Results.
    int previewResult = 1;          // 0 decoded, 1 cannot be opened, 2 missing
    QImage preview;
    int result = ThumbNothingDone;  // CreateOrRefreshThumbnail's, when decoded
    std::atomic<int> state{Queued};
};

namespace {

// Entries (or folders opened) per step of the walk and of the cleanup: the
// window answers its messages between the steps.
constexpr int kEntriesPerStep = 16;

// The workers of thumbnail runs: one per core.
platform::WorkerPool& thumbnailPool()
{
    static platform::WorkerPool pool;
    return pool;
}

// Reads and decodes the picture once; fits the preview from that decode,
// then makes or renews the thumbnail as CreateOrRefreshThumbnail decides,
// encoding it from the same decode and writing it through the safe write.
void runJob(ThumbnailBatch::Job& job)
{
    if (!QFileInfo(job.picture).isFile()) {
        job.previewResult = 2;
        return;
    }
    const ReduceSource source = ReadReduceSource(job.picture, ReduceBoxSize(job.options.sizeIndex));
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

    ThumbnailRequest request;
    request.picture = job.picture;
    request.thumbnail = job.thumbnail;
    request.fromPreview = true;
    request.ignoreDrive = job.ignoreDrive;
    request.forceRenew = job.forceRenew;
    // The thumbnail is encoded from this decode only when it is to be made.
    ReducedJpeg reduced;
    const ThumbnailMaker maker = [&source, &reduced](const QString& picture, const QString& target, const QImage&,
                                                     int32_t sizeIndex) {
        ReduceRequest r;
        r.sourcePath = picture;
        r.targetPath = target;
        r.sizeChoice = sizeIndex;
        r.quality = 75;
        reduced = PrepareReducedJpeg(r, source);
        return WriteReducedJpeg(target, reduced).written;
    };
    // The date taken as read with the picture (no second read).
    request.exifFileDate = [&reduced, &job](int32_t fallback) {
        if (reduced.jpeg.isEmpty())
            return ExifDateAsFileDate(job.picture, fallback);
        return ExifTextAsFileDate(reduced.dateTaken, fallback);
    };
    job.result = CreateOrRefreshThumbnail(request, job.options, maker);
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

ThumbnailBatch::ThumbnailBatch(QObject* parent) : QObject(parent) {}

ThumbnailBatch::~ThumbnailBatch()
{
    for (const Pending& step : m_pending)
        if (step.job) {
            int queued = Job::Queued;
            step.job->state.compare_exchange_strong(queued, Job::Dropped);
        }
}

void ThumbnailBatch::emitLine(const QString& text, int32_t colour, bool blankAfter, bool blankBefore)
{
    if (addLogLine)
        addLogLine(text, colour, blankAfter, blankBefore);
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

void ThumbnailBatch::flush()
{
    while (!m_pending.empty()) {
        Pending& front = m_pending.front();
        if (front.job && stopNow()) {
            // A picture whose worker has not started it is not done; one
            // under way is waited for and reported like any other.
            int queued = Job::Queued;
            if (front.job->state.compare_exchange_strong(queued, Job::Dropped) || queued == Job::Dropped) {
                m_pending.pop_front();
                continue;
            }
        }
        // A picture still being made: its worker's answer comes back here.
        if (front.job && front.job->state.load() != Job::Done)
            return;
        Pending step = std::move(front);
        m_pending.pop_front();
        step.finish();
    }
}

int ThumbnailBatch::unfinishedJobs() const
{
    int n = 0;
    for (const Pending& step : m_pending)
        if (step.job && step.job->state.load() < Job::Done)
            ++n;
    return n;
}

bool ThumbnailBatch::queueFull() const
{
    // Enough pictures queued to keep every worker busy, and room for the
    // finished ones to wait behind a slow one for their turn to be shown.
    const int workers = thumbnailPool().threadCount();
    return unfinishedJobs() >= 2 * workers || int(m_pending.size()) >= 32 * workers;
}

bool ThumbnailBatch::stopNow()
{
    if (!m_cancelled && cancelRequested && cancelRequested())
        m_cancelled = true;
    return m_cancelled;
}

void ThumbnailBatch::start(const ThumbnailBatchOptions& options)
{
    if (busy())
        return;
    m_cancelled = false;
    m_pending.clear();
    m_thumbOptions = thumbnailOptions;
    m_options = options;
    m_counts = ThumbnailBatchCounts();
    m_folders = QStringList{options.folder};
    m_nextFolder = 0;
    m_entries.clear();
    m_nextEntry = 0;
    m_cleanup.clear();
    m_nextCleanup = 0;
    m_cleanupFolder.clear();
    m_cleanupFiles.clear();
    m_nextCleanupFile = 0;
    m_phase = Phase::Walk;
    // The first step comes from the event loop, once the window has shown
    // that the run began.
    scheduleStep();
}

void ThumbnailBatch::scheduleStep()
{
    if (m_stepScheduled)
        return;
    m_stepScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_stepScheduled = false;
        pump();
    });
}

void ThumbnailBatch::pump()
{
    if (m_pumping || m_phase == Phase::Idle)
        return;
    m_pumping = true;
    flush();
    if (m_phase == Phase::Walk)
        walkSome();
    if (m_phase == Phase::Drain) {
        flush();
        if (m_pending.empty()) {
            if (!stopNow() && !m_cleanup.isEmpty()) {
                log(QStringLiteral("Start Cleanup"), ThumbLogBlack, false, true);
                m_phase = Phase::Cleanup;
            } else {
                m_phase = Phase::Done;
            }
        }
    }
    if (m_phase == Phase::Cleanup)
        cleanupSome();
    m_pumping = false;
    if (m_phase == Phase::Done) {
        m_phase = Phase::Idle;
        emit finished(m_counts);
    }
}

void ThumbnailBatch::walkSome()
{
    for (int budget = kEntriesPerStep; budget > 0; --budget) {
        if (m_nextEntry < m_entries.size()) {
            if (stopNow()) {
                m_phase = Phase::Drain;
                return;
            }
            // The walk goes on when a worker finishes a picture.
            if (queueFull())
                return;
            walkEntry(m_entries.at(m_nextEntry++));
            continue;
        }
        m_entries.clear();
        m_nextEntry = 0;
        if (m_nextFolder >= m_folders.size() || stopNow()) {
            m_phase = Phase::Drain;
            return;
        }
        const int i = m_nextFolder++;
        openFolder(m_folders.at(i), i == 0);
    }
    scheduleStep();
}

void ThumbnailBatch::openFolder(const QString& folder, bool first)
{
    log(QStringLiteral("Processing: ") + ShortenPathToLength(folder, 60), ThumbLogBlack, true, !first);
    const ThumbnailBatchOptions& options = m_options;
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
    m_entries = entries;
    m_nextEntry = 0;
}

void ThumbnailBatch::walkEntry(const QFileInfo& e)
{
    const ThumbnailBatchOptions& options = m_options;
    const QString name = e.fileName();
    const QString path = join(m_folders.at(m_nextFolder - 1), name);
    if (e.isDir()) {
        // A linked folder is not walked: a link back up would never end.
        // Nor are the system's own folders of the root.
        if (!options.includeSubfolders || e.isSymLink() || isSystemFolder(path))
            return;
        const QString lower = name.toLower();
        if (lower == OldThumbFolderName)
            return;
        if (lower == ThumbFolderName)
            m_cleanup << path;
        else
            m_folders << path;
        return;
    }
    if (options.onlyCleanup || !isJpgName(name))
        return;
    const int attributes = platform::FileAttributesOf(path);
    if (attributes < 0 || (attributes & (platform::faHidden | platform::faSysFile)))
        return;

    const QString thumbnail = ThumbnailPath(path);
    bool exists = false;
    if (!options.forceReplace && QFileInfo(thumbnail).isFile()) {
        exists = true;
        if (options.resetFileDate) {
            TFileDateSize p, t;
            GetFileDateAndSizeKB(path, p);
            GetFileDateAndSizeKB(thumbnail, t);
            if (std::llabs(qint64(p.Date) - qint64(t.Date)) > 10) {
                ++m_counts.notInSync;
                log(name + QStringLiteral(" - thumbnail not in sync with original, will be updated/deleted"),
                    ThumbLogPurple);
                exists = false;
            }
        }
    }
    if (exists) {
        ++m_counts.alreadyExists;
        log(name + QStringLiteral(" - thumbnail already exists"), ThumbLogGreen);
        return;
    }
    submitPicture(path, name, thumbnail);
}

void ThumbnailBatch::submitPicture(const QString& path, const QString& name, const QString& thumbnail)
{
    auto job = std::make_shared<Job>();
    job->picture = path;
    job->thumbnail = thumbnail;
    job->options = m_thumbOptions;
    job->ignoreDrive = m_options.driveAlreadyAllowed;
    job->forceRenew = m_options.forceReplace;
    job->previewBox = previewBox;
    job->makePreview = bool(showPreview);
    // Worker: reads and writes only its job, the picture's file and its
    // thumbnail file and folder; the drive table and the `.hidden` lists it
    // may reach are guarded. The run reads the results once `state` is Done,
    // on the window's thread, where the worker's answer goes (dropped when
    // the run is gone).
    QPointer<ThumbnailBatch> owner(this);
    thumbnailPool().run([job, owner] {
        int queued = Job::Queued;
        if (!job->state.compare_exchange_strong(queued, Job::Running))
            return;   // dropped by a cancelled run
        runJob(*job);
        job->state = Job::Done;
        platform::postToWindowThread([owner] {
            if (owner)
                owner->pump();
        });
    });
    queue([this, job, name] { finishPicture(*job, name); }, job);
    flush();
}

void ThumbnailBatch::finishPicture(const Job& job, const QString& name)
{
    ThumbnailBatchCounts& counts = m_counts;
    if (showPreview)
        showPreview(job.picture, job.previewResult, job.preview);
    const auto line = [this, &name](const char* text, int32_t colour) {
        emitLine(name + QString::fromLatin1(text), colour, false, false);
    };
    if (job.previewResult == 1) {
        ++counts.cannotOpen;
        line(" - could not be opened", ThumbLogRed);
        return;
    }
    if (job.previewResult == 2) {
        ++counts.notExist;
        line(" - does not exist!", ThumbLogRed);
        return;
    }
    switch (job.result) {
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

void ThumbnailBatch::cleanupSome()
{
    for (int budget = kEntriesPerStep; budget > 0; --budget) {
        if (m_nextCleanupFile < m_cleanupFiles.size()) {
            // A cancel stops the cleanup within a folder.
            if (stopNow()) {
                m_phase = Phase::Done;
                return;
            }
            cleanupFile(m_cleanupFiles.at(m_nextCleanupFile++));
            continue;
        }
        if (!m_cleanupFolder.isEmpty()) {
            closeCleanupFolder();
            continue;
        }
        if (m_nextCleanup >= m_cleanup.size() || stopNow()) {
            m_phase = Phase::Done;
            return;
        }
        openCleanupFolder(m_cleanup.at(m_nextCleanup++));
    }
    scheduleStep();
}

void ThumbnailBatch::openCleanupFolder(const QString& thumbFolder)
{
    log(QStringLiteral("Cleanup folder ") + ShortenPathToLength(thumbFolder, 60), ThumbLogBlack, true, true);
    m_cleanupFolder = thumbFolder;
    m_cleanupFiles =
        QDir(thumbFolder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    m_nextCleanupFile = 0;
}

void ThumbnailBatch::cleanupFile(const QFileInfo& f)
{
    if (!isJpgName(f.fileName()))
        return;
    // The picture folder: the thumbnail folder without its last 8 characters.
    const QString pictureFolder = m_cleanupFolder.left(m_cleanupFolder.size() - ThumbFolderName.size());
    if (QFileInfo::exists(pictureFolder + f.fileName()))
        return;
    log(QStringLiteral("Deleting ") + f.fileName(), ThumbLogBlue);
    if (QFile::remove(f.filePath()))
        ++m_counts.thumbsRemoved;
}

void ThumbnailBatch::closeCleanupFolder()
{
    const QString thumbFolder = m_cleanupFolder;
    m_cleanupFolder.clear();
    m_cleanupFiles.clear();
    m_nextCleanupFile = 0;
    const QString shortPath = ShortenPathToLength(thumbFolder, 60);
    if (FolderHoldsOnlyThumbsDb(thumbFolder)) {
        const QString db = entryNamedIgnoringCase(thumbFolder, QStringLiteral("thumbs.db"));
        if (!db.isEmpty())
            QFile::remove(db);
        if (QDir().rmdir(thumbFolder)) {
            ++m_counts.foldersRemoved;
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
