#include "browse/thumbnail_files.h"

#include "base/add_settings_record.h"
#include "base/environment.h"
#include "base/file_helpers.h"
#include "base/settings_record.h"
#include "browse/picture_info.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "browse/background_work.h"
#include "platform/dos_date.h"
#include "platform/drives.h"
#include "platform/file_attributes.h"
#include "platform/worker_pool.h"
#include "sharing/reduce_picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <limits>

const QString ThumbFolderName = QStringLiteral("vxothumb");
const QString OldThumbFolderName = QStringLiteral("smallpics");

int32_t SizeInKB(qint64 bytes)
{
    const double kb = std::nearbyint(double(bytes) / 1024.0);   // halves to even
    if (kb > double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return int32_t(kb);
}

void GetFileDateAndSizeKB(const QString& path, TFileDateSize& out)
{
    out = TFileDateSize();
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        return;
    out.Date = int32_t(platform::FileDosDate(path));
    out.SizeKB = SizeInKB(info.size());
}

QString ThumbnailPath(const QString& picture)
{
    const int slash = picture.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return ThumbFolderName + QLatin1Char('/') + picture;
    return picture.left(slash + 1) + ThumbFolderName + QLatin1Char('/') + picture.mid(slash + 1);
}

QString ThumbnailFolderOf(const QString& picture)
{
    const int slash = picture.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return ThumbFolderName;
    return picture.left(slash + 1) + ThumbFolderName;
}

MasterPicture FindMasterPicture(const QString& picture)
{
    MasterPicture m;
    const QFileInfo info(picture);
    const QString folderName = info.dir().dirName();
    m.isSmallerCopy = folderName.compare(ThumbFolderName, Qt::CaseInsensitive) == 0
                      || folderName.compare(QLatin1String("smallpics"), Qt::CaseInsensitive) == 0;
    QDir folder = info.dir();
    if (m.isSmallerCopy)
        folder.cdUp();
    m.folder = folder.path();
    m.path = m.isSmallerCopy ? folder.filePath(info.fileName()) : picture;
    m.exists = !picture.isEmpty() && QFileInfo(m.path).isFile();
    return m;
}

bool OutsideThumbnailFolders(const QString& picture, const QString& internetCacheLower)
{
    const int slash = picture.lastIndexOf(QLatin1Char('/'));
    const QString folder = slash < 0 ? QString() : picture.left(slash);
    const QString lastName = folder.mid(folder.lastIndexOf(QLatin1Char('/')) + 1).toLower();
    if (lastName == OldThumbFolderName || lastName == ThumbFolderName)
        return false;
    if (!internetCacheLower.isEmpty()) {
        // Whole components only: "/p/cache" does not hold "/p/cache2".
        const QString lower = folder.toLower();
        if (platform::IsPathPrefix(internetCacheLower, lower))
            return false;
    }
    return true;
}

ThumbnailOptions CurrentThumbnailOptions(const SettingsStore& settings, bool demoMode)
{
    const TAddSettingsRecord& AddSettings = settings.AddSettings;
    const TSettingsRecord& Settings = settings.Settings;
    ThumbnailOptions o;
    o.onFixedDrives = AddSettings.ThumbsOnFixedDrives != 0;
    o.onNetworkDrives = AddSettings.ThumbsOnNetworkDrives != 0;
    o.onRemovableDrives = AddSettings.ThumbsOnRemovableDrives != 0;
    o.minSizeKB = AddSettings.ThumbMinSizeKB;
    o.sizeIndex = AddSettings.ThumbSizeIndex;
    o.resetFileDate = Settings.ResetFileDate == QLatin1String("1");
    o.demoMode = demoMode;
    return o;
}

bool ThumbnailAllowed(const QString& picture, int32_t sizeKB, bool ignoreDrive, int32_t thumbnailDate,
                      const ThumbnailOptions& options)
{
    if (sizeKB < options.minSizeKB)
        return false;
    if (FileExtOf(picture).toLower() != QLatin1String(".jpg"))
        return false;
    bool allowed = true;
    if (!ignoreDrive) {
        switch (platform::DriveKindOfPath(picture)) {
        case platform::DriveKind::Removable: allowed = options.onRemovableDrives; break;
        case platform::DriveKind::Fixed: allowed = options.onFixedDrives; break;
        case platform::DriveKind::Remote: allowed = options.onNetworkDrives; break;
        default: allowed = false; break;
        }
    }
    if (allowed && !OutsideThumbnailFolders(picture, options.internetCacheLower))
        allowed = false;
    if (allowed && thumbnailDate < 0) {
        const QString folder = ThumbnailFolderOf(picture);
        const QFileInfo info(folder);
        if (info.exists()) {
            // A file of that name leaves no room for the folder.
            allowed = info.isDir();
        } else {
            // Workers of one page may make the same folder at once; the
            // folder is there for all of them whoever made it.
            allowed = QDir().mkdir(folder) || QFileInfo(folder).isDir();
            if (allowed)
                platform::SetHidden(folder, true);
        }
    }
    return allowed;
}

bool DefaultThumbnailMaker(const QString& picture, const QString& thumbnail, const QImage& shown, int32_t sizeIndex)
{
    ReduceRequest request;
    request.sourcePath = picture;
    request.targetPath = thumbnail;
    request.shownPicture = shown;
    request.keepFileDate = false;
    request.sizeChoice = sizeIndex;
    request.quality = 75;
    return ReducePicture(request).written;
}

namespace {

// The thumbnail must never be the picture itself (a caller's mistake or a
// link would otherwise overwrite the user's picture).
bool thumbnailIsPicture(const QString& picture, const QString& thumbnail)
{
    if (QDir::cleanPath(picture) == QDir::cleanPath(thumbnail))
        return true;
    return QFileInfo::exists(thumbnail) && SameFile(picture, thumbnail);
}

} // namespace

int CreateOrRefreshThumbnail(const ThumbnailRequest& request, const ThumbnailOptions& options,
                             const ThumbnailMaker& maker)
{
    if (options.demoMode)
        return ThumbNothingDone;
    if (request.picture.isEmpty() || request.thumbnail.isEmpty() || thumbnailIsPicture(request.picture, request.thumbnail))
        return ThumbNotAllowed;

    TFileDateSize t, p;
    GetFileDateAndSizeKB(request.thumbnail, t);
    GetFileDateAndSizeKB(request.picture, p);
    bool dateFlag = request.setPictureDate;

    if (!ThumbnailAllowed(request.picture, p.SizeKB, request.ignoreDrive, t.Date, options)) {
        if (t.Date < 0)
            return ThumbNotAllowed;
        QFile::remove(request.thumbnail);   // errors ignored
        return ThumbNotAllowedDeleted;
    }

    bool make = false;
    if (t.Date < 0) {
        if (options.resetFileDate)
            dateFlag = true;
        make = true;
    } else {
        const qint64 d = std::llabs(qint64(p.Date) - qint64(t.Date));
        if ((d > 10 && options.resetFileDate) || request.forceRenew) {
            dateFlag = true;
            make = true;
        }
    }
    if (!make)
        return ThumbUpToDate;

    if (request.showStatus)
        request.showStatus(QStringLiteral("T"));
    const ThumbnailMaker& write = maker ? maker : ThumbnailMaker(DefaultThumbnailMaker);
    bool ok = false;
    try {
        ok = write ? write(request.picture, request.thumbnail, request.shownPicture, options.sizeIndex) : false;
    } catch (...) {
        ok = false;
    }
    const int result = ok ? ThumbMade : ThumbFailed;

    if (options.resetFileDate && dateFlag) {
        const int32_t e =
            request.exifFileDate ? request.exifFileDate(p.Date) : ExifDateAsFileDate(request.picture, p.Date);
        // Only the picture's date changes; a read-only picture keeps its date.
        bool pictureDated = e == p.Date;
        if (!pictureDated && p.Date >= 0 && !platform::IsReadOnly(request.picture))
            pictureDated = platform::SetFileDosDate(request.picture, platform::DosDateTime(e));
        // A picture that keeps its own date gives it to its new thumbnail, or
        // the two would differ at every showing and the thumbnail be made again
        // each time.
        if (!pictureDated && ok && p.Date > 0)
            platform::SetFileDosDate(request.thumbnail, platform::DosDateTime(p.Date));
    }
    if (request.showStatus)
        request.showStatus(QString());
    return result;
}

namespace {

ThumbnailRequest programThumbnailRequest(const QString& picture, const QString& thumbnail, const PictureSlotModel* slot,
                                         bool fromPreview, bool ignoreDrive, bool forceRenew, bool setPictureDate,
                                         const ThumbnailOptions& options)
{
    ThumbnailRequest request;
    request.picture = picture;
    request.thumbnail = thumbnail;
    request.fromPreview = fromPreview;
    request.ignoreDrive = ignoreDrive;
    request.forceRenew = forceRenew;
    request.setPictureDate = setPictureDate;
    // The picture as loaded into the slot saves decoding it again, when it
    // was decoded at least as large as the thumbnail will be.
    if (slot && slot->Loaded() && slot->Path() == picture && !slot->Animated()) {
        const QSize fitted = FitWithoutEnlarging(slot->PictureSize(), ReduceBoxSize(options.sizeIndex));
        const QSize buffer = slot->Buffer().size();
        // A buffer decoded at a DCT scale fits a pixel short of the
        // picture's own fit; then the file is decoded again.
        const QSize box = ReduceBoxSize(options.sizeIndex);
        if (buffer.width() >= fitted.width() && buffer.height() >= fitted.height()
            && FitWithoutEnlarging(buffer, box) == fitted)
            request.shownPicture = slot->Buffer();
    }
    return request;
}

// `status` called on the window's thread from a worker (the worker posts
// copies of it and of the text).
std::function<void(const QString&)> statusThroughWindowThread(const ThumbnailStatus& status)
{
    if (!status)
        return nullptr;
    return [status](const QString& text) { platform::postToWindowThread([status, text] { status(text); }); };
}

} // namespace

int CreateOrRefreshThumbnailInBackground(const QString& picture, const QString& thumbnail, const PictureSlotModel* slot,
                                         const ThumbnailOptions& options, const ThumbnailStatus& status)
{
    if (options.demoMode)
        return ThumbNothingDone;
    ThumbnailRequest request =
        programThumbnailRequest(picture, thumbnail, slot, false, false, false, false, options);
    // The status panel is the window's: the worker's "T" and "" go there
    // through the window's thread.
    request.showStatus = statusThroughWindowThread(status);
    // Worker: copies of the request and options; reaches the picture's own
    // files, the drive table and the `.hidden` lists (both guarded), and
    // posts its status to the window's thread.
    RunInBackgroundWriter([request, options] { CreateOrRefreshThumbnail(request, options); }, {});
    return ThumbNothingDone;
}

ThumbnailRequest WorkerThumbnailRequest(const QString& picture, const QString& thumbnail,
                                        const ThumbnailOptions& options, const ThumbnailStatus& status)
{
    ThumbnailRequest request = programThumbnailRequest(picture, thumbnail, nullptr, false, false, false, false, options);
    request.showStatus = statusThroughWindowThread(status);
    return request;
}

PictureLoaderSteps ThumbnailLoaderSteps(std::function<ThumbnailOptions()> options, ThumbnailStatus status)
{
    PictureLoaderSteps steps;
    steps.ThumbnailPath = [](const QString& path) { return ThumbnailPath(path); };
    steps.PictureInfoText = [](const QString& path) { return PictureInfoText(path); };
    steps.CreateOrRefreshThumbnail = [options, status](const QString& path, const QString& thumbnail,
                                                       const PictureSlotModel* slot) {
        return CreateOrRefreshThumbnailInBackground(path, thumbnail, slot, options ? options() : ThumbnailOptions(),
                                                    status);
    };
    return steps;
}

// ---- keeping thumbnails in step ------------------------------------------------

bool FolderHoldsOnlyThumbsDb(const QString& folder)
{
    const QDir dir(folder);
    if (!dir.exists())
        return false;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : entries) {
        if (e.isDir())
            return false;
        if (e.fileName().compare(QLatin1String("Thumbs.db"), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}
