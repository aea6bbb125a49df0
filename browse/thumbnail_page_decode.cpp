#include "browse/thumbnail_page_decode.h"

#include "browse/picture_loader.h"
#include "formats/picture_file.h"

#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <numeric>

PageDecodeResult DecodePageCell(const PageDecodeRequest& request)
{
    PageDecodeResult r;
    QString file = request.path;
    if (request.useThumbnail && !request.thumbnail.isEmpty()) {
        ThumbnailRequest make;
        make.picture = request.path;
        make.thumbnail = request.thumbnail;
        make.ignoreDrive = request.ignoreDrive;
        const int made = CreateOrRefreshThumbnail(make, request.options);
        if (made == ThumbMade || made == ThumbUpToDate) {
            file = request.thumbnail;
            r.fromThumbnail = true;
        }
    }
    try {
        const QSize box = request.box;
        const int limit = request.limitPercent;
        LoadedPicture picture =
            LoadPictureFile(file, [box, limit](QSize trueSize) { return FittedPictureSize(trueSize, box, limit); });
        r.image = std::move(picture.image);
        r.trueSize = picture.trueSize;
        r.ok = !r.image.isNull();
        if (!r.ok)
            r.kind = QStringLiteral("Invalid Graphic");
    } catch (...) {
        r.kind = ClassifyLoadError(std::current_exception());
    }
    // A thumbnail that can't be read gives way to the picture itself.
    if (!r.ok && r.fromThumbnail) {
        PageDecodeRequest again = request;
        again.useThumbnail = false;
        return DecodePageCell(again);
    }
    return r;
}

std::vector<size_t> PageDecodeOrder(const std::vector<PageDecodeRequest>& requests)
{
    std::vector<qint64> cost(requests.size());
    for (size_t i = 0; i < requests.size(); ++i) {
        const PageDecodeRequest& r = requests[i];
        const QFileInfo thumbnail(r.thumbnail);
        const bool fromThumbnail = r.useThumbnail && !r.thumbnail.isEmpty() && thumbnail.isFile();
        cost[i] = fromThumbnail ? thumbnail.size() : QFileInfo(r.path).size();
    }
    std::vector<size_t> order(requests.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&cost](size_t a, size_t b) { return cost[a] > cost[b]; });
    return order;
}
