// Fuzz target of the thumbnail files: the bytes are a picture named ".jpg".
// Its thumbnail is made as the program makes it (decode at a reduced size,
// metadata carried over, EXIF date as file date), then the thumbnail file
// is loaded and checked for being up to date, and made again by force.
#include "fuzz_application.h"
#include "fuzz_files.h"

#include "browse/thumbnail_files.h"
#include "formats/picture_errors.h"
#include "formats/picture_file.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzapp::Ensure("fuzz_thumbnail_file");
    const QString picture = fuzzfiles::Write(QStringLiteral("picture.jpg"), fuzzfiles::Bytes(data, size));
    const QString thumbnail = ThumbnailPath(picture);
    QFile::remove(thumbnail);
    ThumbnailOptions options;
    options.minSizeKB = 0;
    options.sizeIndex = int32_t(size % 5);
    options.resetFileDate = true;
    ThumbnailRequest request;
    request.picture = picture;
    request.thumbnail = thumbnail;
    request.ignoreDrive = true;
    if (CreateOrRefreshThumbnail(request, options) == ThumbMade) {
        try {
            (void)LoadPictureFile(thumbnail, QSize(160, 120));
        } catch (const EInvalidGraphic&) {
        }
        (void)CreateOrRefreshThumbnail(request, options);
        request.forceRenew = true;
        (void)CreateOrRefreshThumbnail(request, options);
    }
    return 0;
}
