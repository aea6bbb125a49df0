// The manual thumbnail run: walks a folder (and its subfolders), converts
// the "SmallPics" folders of earlier versions, makes or renews the
// thumbnails, removes thumbnails whose picture is gone and emptied
// thumbnail folders, and writes its log and summary through a sink, so the
// window that shows the log stays a thin shell.
//
// Each picture is done whole on a worker thread (as many as there are
// cores): the worker reads and decodes it once, makes the preview, decides
// whether the thumbnail is made and writes it. The workers run ahead of what
// the user sees: the previews, the log lines and the counts follow on the
// window's thread in the walk's order exactly.
#pragma once

#include "browse/thumbnail_files.h"

#include <QFileInfo>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

// Log colours (platform colour values, blue-green-red order).
enum ThumbLogColour : int32_t {
    ThumbLogBlack = 0,
    ThumbLogRed = 255,
    ThumbLogGreen = 0x008000,
    ThumbLogBlue = 0xFF0000,
    ThumbLogPurple = 0x800080,
    ThumbLogFuchsia = 0xFF00FF,
};

struct ThumbnailBatchOptions {
    QString folder;                  // SelectedFolder
    bool includeSubfolders = true;   // CBInclSubfolders
    bool forceReplace = false;       // CBReplaceExisting
    bool convertSmallPics = true;    // CBConvertSmallPics
    bool onlyCleanup = false;        // CBOnlyCleanup
    bool driveAlreadyAllowed = false;
    bool resetFileDate = false;      // the ResetFileDate setting is "1"
};

struct ThumbnailBatchCounts {
    int notExist = 0;
    int cannotOpen = 0;
    int errors = 0;
    int notAllowed = 0;
    int notAllowedDeleted = 0;
    int alreadyExists = 0;
    int notInSync = 0;
    int created = 0;
    int thumbsRemoved = 0;
    int foldersRemoved = 0;
};

// One run at a time: start() begins it, and it goes on in steps from the
// window's event loop (each walks a bounded number of entries, or stops
// while the workers have enough to do) until it emits `finished`. A worker
// that finishes a picture posts to the window's thread, where the steps
// whose turn has come run. Nothing waits: the window answers its messages
// between the steps.
class ThumbnailBatch : public QObject {
    Q_OBJECT
public:
    explicit ThumbnailBatch(QObject* parent = nullptr);
    // Pictures not started are dropped; those under way finish unreported.
    ~ThumbnailBatch() override;

    // One log line: text, colour, empty line after, empty line before.
    std::function<void(const QString& text, int32_t colour, bool blankAfter, bool blankBefore)> addLogLine;
    // Shows the preview a worker made of a picture before its thumbnail is
    // made: result 0 shown (the picture fitted into previewBox), 1 cannot be
    // opened, 2 does not exist. Unset: no preview is shown.
    std::function<void(const QString& picture, int result, const QImage& preview)> showPreview;
    QSize previewBox;
    // The thumbnail settings of the run (none are made in demo mode).
    ThumbnailOptions thumbnailOptions;
    // Polled before every folder and entry; true stops the run.
    std::function<bool()> cancelRequested;

    // Starts a run that walks, makes and cleans up, and emits `finished`
    // with the counts of what was done. A cancelled run starts no further
    // picture; those under way are finished and reported, so the log names
    // every thumbnail written. Does nothing while a run is busy.
    void start(const ThumbnailBatchOptions& options);
    bool busy() const { return m_phase != Phase::Idle; }
    // The closing summary of a run.
    void writeSummary(const ThumbnailBatchCounts& counts, bool cancelled);

    // True when the last run was cancelled.
    bool cancelled() const { return m_cancelled; }

    struct Job;

signals:
    void finished(const ThumbnailBatchCounts& counts);

private:
    enum class Phase { Idle, Walk, Drain, Cleanup, Done };
    // A step of the run that waits its turn: a log line, or the end of a
    // picture whose worker may still be busy.
    struct Pending {
        std::function<void()> finish;
        std::shared_ptr<Job> job;
    };
    void log(const QString& text, int32_t colour, bool blankAfter = false, bool blankBefore = false);
    void emitLine(const QString& text, int32_t colour, bool blankAfter, bool blankBefore);
    void queue(std::function<void()> finish, std::shared_ptr<Job> job = nullptr);
    // Runs the steps whose turn has come, up to the first picture still
    // being made. Once the run is cancelled, the pictures not started are
    // dropped.
    void flush();
    // Runs what can run now; called by the step timer and by every
    // picture a worker finishes.
    void pump();
    void scheduleStep();
    void walkSome();
    void cleanupSome();
    // The pictures queued or being made.
    int unfinishedJobs() const;
    // The walk waits while the workers have enough to do.
    bool queueFull() const;
    void openFolder(const QString& folder, bool first);
    void walkEntry(const QFileInfo& entry);
    void submitPicture(const QString& path, const QString& name, const QString& thumbnail);
    void finishPicture(const Job& job, const QString& name);
    bool stopNow();
    void openCleanupFolder(const QString& thumbFolder);
    void cleanupFile(const QFileInfo& file);
    void closeCleanupFolder();

    Phase m_phase = Phase::Idle;
    bool m_cancelled = false;
    bool m_stepScheduled = false;
    bool m_pumping = false;
    ThumbnailOptions m_thumbOptions;
    ThumbnailBatchOptions m_options;
    ThumbnailBatchCounts m_counts;
    std::deque<Pending> m_pending;
    // The walk: the folders (the list grows while it is walked), the next
    // one to open, and the entries of the one open.
    QStringList m_folders;
    int m_nextFolder = 0;
    QFileInfoList m_entries;
    int m_nextEntry = 0;
    // The cleanup: the thumbnail folders found, the next one to open, and
    // the files of the one open.
    QStringList m_cleanup;
    int m_nextCleanup = 0;
    QString m_cleanupFolder;
    QFileInfoList m_cleanupFiles;
    int m_nextCleanupFile = 0;
};
