// Thumbnail files: a smaller JPEG copy of each large JPEG picture, kept
// under the same name in the hidden subfolder "vxothumb" of the picture's
// folder. This file holds the path rule, the eligibility rule, the
// make-or-renew decision with its result codes, the date and size probe,
// and the helpers that keep a thumbnail in step when its picture is deleted,
// renamed or moved. A thumbnail is always written through a temporary file
// and a rename; the picture's own bytes are never written.
#pragma once

#include "base/settings_store.h"
#include "browse/picture_loader.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

// The name of the thumbnail folder inside a picture folder, and the name of
// the older folders of earlier versions (both compared in lower case).
extern const QString ThumbFolderName;      // "vxothumb"
extern const QString OldThumbFolderName;   // "smallpics"

// Packed file date (local DOS date-time) and size in KB of a file; both -1
// when the path does not exist or is a folder.
struct TFileDateSize {
    int32_t Date = -1;
    int32_t SizeKB = -1;
};

// Fills `out` for the path: the file's packed date and its size in KB
// (bytes / 1024 rounded, halves to even: 1535 -> 1, 1536 -> 2, 2560 -> 2).
void GetFileDateAndSizeKB(const QString& path, TFileDateSize& out);

// The size in KB as GetFileDateAndSizeKB gives it (held within int32).
int32_t SizeInKB(qint64 bytes);

// folder + "/vxothumb/" + name; a path without "/" gives "vxothumb/" + path.
QString ThumbnailPath(const QString& picture);

// The thumbnail folder of a picture's folder: folder + "/vxothumb".
QString ThumbnailFolderOf(const QString& picture);

// False when the picture lies directly in a folder named "vxothumb" or
// "smallpics" (any case), or below the Internet cache folder
// (`internetCacheLower`, lower case; empty: no cache).
bool OutsideThumbnailFolders(const QString& picture, const QString& internetCacheLower);

// The original ("master") of a picture shown on a page: a picture in a
// "vxothumb" or "smallpics" folder (any case) is a smaller copy whose master
// has its name in the folder above; any other picture is its own master.
struct MasterPicture {
    QString path;             // the master picture
    QString folder;           // the master's folder
    bool isSmallerCopy = false;
    bool exists = false;      // the master is an existing file
};
MasterPicture FindMasterPicture(const QString& picture);

// The settings the thumbnail rules read, taken apart so the rules can be
// called with any values.
struct ThumbnailOptions {
    bool onFixedDrives = true;
    bool onNetworkDrives = false;
    bool onRemovableDrives = false;
    int32_t minSizeKB = 300;
    int32_t sizeIndex = 2;            // 0 Tiny .. 4 Extra
    bool resetFileDate = false;       // the ResetFileDate setting is "1"
    bool demoMode = false;
    QString internetCacheLower;
};

// The options from the store's AddSettings and Settings and the demo mode.
// internetCacheLower stays empty: there is no internet cache folder on Linux
// (EnvironmentInfo::InternetCacheFolder is always empty).
ThumbnailOptions CurrentThumbnailOptions(const SettingsStore& settings, bool demoMode);

// Eligibility of a picture of `sizeKB` for a thumbnail: at least
// minSizeKB; extension ".jpg" (lower-cased; never ".jpeg"); its drive kind
// allowed by the options unless ignoreDrive (CD-ROM, RAM disk and unknown
// drives never); not in a thumbnail, old thumbnail or cache folder. When it
// is eligible and has no thumbnail yet (thumbnailDate < 0), the thumbnail
// folder is created hidden when missing; a folder that cannot be created
// makes the picture ineligible.
bool ThumbnailAllowed(const QString& picture, int32_t sizeKB, bool ignoreDrive, int32_t thumbnailDate,
                      const ThumbnailOptions& options);

// Results of CreateOrRefreshThumbnail.
enum ThumbnailResult : int {
    ThumbNothingDone = -1,        // demo mode
    ThumbMade = 0,                // made or renewed
    ThumbNotAllowed = 1,          // not eligible, no thumbnail existed
    ThumbNotAllowedDeleted = 2,   // not eligible, its thumbnail deleted
    ThumbFailed = 3,              // making failed (an older thumbnail stays as it was)
    ThumbUpToDate = 4,            // exists and is up to date
};

// Writes the thumbnail of `picture` at `thumbnail` in the size choice's box
// (from `shown` when it is large enough, else from the file). False when
// nothing was written.
using ThumbnailMaker =
    std::function<bool(const QString& picture, const QString& thumbnail, const QImage& shown, int32_t sizeIndex)>;

struct ThumbnailRequest {
    QString picture;
    QString thumbnail;
    QImage shownPicture;          // the picture as already loaded (may be null)
    bool fromPreview = false;
    bool ignoreDrive = false;
    bool forceRenew = false;
    bool setPictureDate = false;
    // Shows "T" while a thumbnail is made and "" afterwards (status panel 0).
    std::function<void(const QString&)> showStatus;
    // The picture's EXIF date taken as a packed file date, else the fallback,
    // when already known (no second read of the picture); unset: read.
    std::function<int32_t(int32_t fallback)> exifFileDate;
};

// The make-or-renew decision. A thumbnail is renewed when forced, or when
// ResetFileDate is on and the packed dates of picture and thumbnail differ
// by more than 10. With ResetFileDate on, a picture whose thumbnail was
// (re)made, or whose date was asked to be set, gets its EXIF date taken as
// its file date; a picture whose date cannot be set (read-only) gives its
// own date to the new thumbnail instead, so the two stay in step.
// `maker` defaults to DefaultThumbnailMaker.
int CreateOrRefreshThumbnail(const ThumbnailRequest& request, const ThumbnailOptions& options,
                             const ThumbnailMaker& maker = ThumbnailMaker());

// Where the status of thumbnail making is shown ("T" while a thumbnail is
// made, "" afterwards); called on the window's thread. Unset: nowhere.
using ThumbnailStatus = std::function<void(const QString& text)>;

// The same with `options` (not from the preview, nothing forced) made on the background
// writer thread, so the window's thread never waits for the write; writes run
// one after another. Returns ThumbNothingDone at once; the status "T" goes
// to `status` on the window's thread while the thumbnail is made.
int CreateOrRefreshThumbnailInBackground(const QString& picture, const QString& thumbnail, const PictureSlotModel* slot,
                                         const ThumbnailOptions& options, const ThumbnailStatus& status);

// The program's form without a slot, not from the preview and nothing
// forced, for a worker: its status goes to `status` through the window's
// thread. Made on the window's thread; the worker runs
// CreateOrRefreshThumbnail(request, options) with it.
ThumbnailRequest WorkerThumbnailRequest(const QString& picture, const QString& thumbnail,
                                        const ThumbnailOptions& options, const ThumbnailStatus& status);

// The picture loader's thumbnail and information steps (the path rule,
// PictureInfoText, and the program's CreateOrRefreshThumbnail with the slot
// just loaded, made in the background, its status going to `status`); no
// title hint. `options`, asked at each thumbnail, gives the thumbnail
// options in effect (the settings and the demo mode; unset: the defaults,
// no drive allowed).
PictureLoaderSteps ThumbnailLoaderSteps(std::function<ThumbnailOptions()> options, ThumbnailStatus status);

// Fits the picture (the shown image when it is at least as large as the
// fitted thumbnail, else the file) into the size choice's box without
// enlarging, JPEG quality 75 with the picture's EXIF block, dated like the
// picture (EXIF date taken, else file date).
bool DefaultThumbnailMaker(const QString& picture, const QString& thumbnail, const QImage& shown,
                           int32_t sizeIndex);

// ---- keeping thumbnails in step ------------------------------------------------

// True when the folder holds no file other than "Thumbs.db" (any case) and
// no subfolder: an emptied thumbnail folder that may be removed.
bool FolderHoldsOnlyThumbsDb(const QString& folder);
