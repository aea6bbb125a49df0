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
// calling thread in the walk's order exactly.
#pragma once

#include "browse/thumbnail_files.h"

#include <QImage>
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

class ThumbnailBatch {
public:
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

    // Walks, makes, cleans up; the counts of what was done. Pending window
    // messages run after every entry and log line and while workers work.
    // A cancelled run starts no further picture; those under way are
    // finished and reported, so the log names every thumbnail written.
    ThumbnailBatchCounts run(const ThumbnailBatchOptions& options);
    // The closing summary of a run.
    void writeSummary(const ThumbnailBatchCounts& counts, bool cancelled);

    // True when the last run was cancelled.
    bool cancelled() const { return m_cancelled; }

    struct Job;

private:
    // A step of the run that waits its turn: a log line, or the end of a
    // picture whose worker may still be busy.
    struct Pending {
        std::function<void()> finish;
        std::shared_ptr<Job> job;
    };
    void log(const QString& text, int32_t colour, bool blankAfter = false, bool blankBefore = false);
    void emitLine(const QString& text, int32_t colour, bool blankAfter, bool blankBefore);
    void queue(std::function<void()> finish, std::shared_ptr<Job> job = nullptr);
    // Runs the steps whose turn has come; with `wait`, waits (serving
    // window messages) until all have run. Once the run is cancelled, the
    // pictures not started are dropped and the others waited for.
    void flush(bool wait);
    // The pictures queued or being made.
    int unfinishedJobs() const;
    void submitPicture(const QString& path, const QString& name, const QString& thumbnail,
                       const ThumbnailBatchOptions& options, ThumbnailBatchCounts& counts);
    void finishPicture(const Job& job, const QString& name, ThumbnailBatchCounts& counts);
    bool stopNow();
    void processFolder(const QString& folder, const ThumbnailBatchOptions& options, QStringList& folders,
                       QStringList& cleanup, ThumbnailBatchCounts& counts);
    void cleanupFolder(const QString& thumbFolder, ThumbnailBatchCounts& counts);
    bool m_cancelled = false;
    ThumbnailOptions m_thumbOptions;
    std::deque<Pending> m_pending;
};
