// The manual thumbnail run: walks a folder (and its subfolders), converts
// the "SmallPics" folders of earlier versions, makes or renews the
// thumbnails, removes thumbnails whose picture is gone and emptied
// thumbnail folders, and writes its log and summary through a sink, so the
// window that shows the log stays a thin shell.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

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
    bool resetFileDate = false;      // Settings.ResetFileDate == "1"
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
    // Shows a picture before its thumbnail is made: 0 shown, 1 cannot be
    // opened, 2 does not exist. Default: the file is checked and its header read.
    std::function<int(const QString& picture)> previewPicture;
    // Makes or renews one thumbnail; a CreateOrRefreshThumbnail result.
    // Default: the program's CreateOrRefreshThumbnail with no slot, from the
    // preview, the drive override and the force option.
    std::function<int(const QString& picture, const QString& thumbnail, bool ignoreDrive, bool forceRenew)>
        createThumbnail;
    // Polled before every folder and entry; true stops the run.
    std::function<bool()> cancelRequested;

    // Walks, makes, cleans up; the counts of what was done. Pending window
    // messages run after every entry and log line.
    ThumbnailBatchCounts run(const ThumbnailBatchOptions& options);
    // The closing summary of a run.
    void writeSummary(const ThumbnailBatchCounts& counts, bool cancelled);

    // True when the last run was cancelled.
    bool cancelled() const { return m_cancelled; }

private:
    void log(const QString& text, int32_t colour, bool blankAfter = false, bool blankBefore = false);
    bool stopNow();
    void processFolder(const QString& folder, const ThumbnailBatchOptions& options, QStringList& folders,
                       QStringList& cleanup, ThumbnailBatchCounts& counts);
    void cleanupFolder(const QString& thumbFolder, ThumbnailBatchCounts& counts);
    bool m_cancelled = false;
};

// The default preview check: 0 when the file exists and its picture header
// can be read, 1 when it cannot be opened as a picture, 2 when it is missing.
int CheckPictureReadable(const QString& picture);
