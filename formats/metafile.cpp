#include "formats/metafile.h"

#include "formats/isolated_call.h"
#include "formats/jpeg_decoder.h"
#include "formats/picture_errors.h"

#include <QPainter>
#include <QSizeF>
#include <QtEndian>
#include <QSvgRenderer>

#include <cstdlib>
#include <cstring>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

namespace {

quint32 u32At(const QByteArray& b, qint64 at)
{
    quint32 v;
    std::memcpy(&v, b.constData() + at, 4);
    return qFromLittleEndian(v);
}
qint32 i32At(const QByteArray& b, qint64 at) { return qint32(u32At(b, at)); }
quint16 u16At(const QByteArray& b, qint64 at)
{
    quint16 v;
    std::memcpy(&v, b.constData() + at, 2);
    return qFromLittleEndian(v);
}
qint16 i16At(const QByteArray& b, qint64 at) { return qint16(u16At(b, at)); }

constexpr quint32 EmrHeader = 1;
constexpr quint32 EmrEof = 14;
constexpr quint32 EmfSignature = 0x464D4520; // " EMF"
constexpr int MaxSide = 20000;               // a metafile drawn larger than this is refused

QSize sanePictureSize(qint64 w, qint64 h, const char* kind)
{
    if (w <= 0 || h <= 0)
        throw EMetafileError(std::string(kind) + " picture has no size");
    if (w > MaxSide || h > MaxSide)
        throw EMetafileError(std::string(kind) + " picture is too large");
    return QSize(int(w), int(h));
}

} // namespace

QSize CheckEmfStructure(const QByteArray& bytes)
{
    const qint64 n = bytes.size();
    if (n < 88 || u32At(bytes, 0) != EmrHeader || u32At(bytes, 40) != EmfSignature)
        throw EMetafileError("Not an enhanced metafile");
    const quint32 headerSize = u32At(bytes, 4);
    if (headerSize < 88 || headerSize % 4 != 0 || headerSize > n)
        throw EMetafileError("Enhanced metafile header is damaged");
    // Walk the record chain up to the end record.
    qint64 at = 0;
    bool ended = false;
    for (int count = 0; at + 8 <= n && count < 2'000'000; ++count) {
        const quint32 type = u32At(bytes, at);
        const quint32 size = u32At(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || size > n - at || (count > 0 && type == EmrHeader))
            throw EMetafileError("Enhanced metafile record is damaged");
        if (type == 0 || type > 122)
            throw EMetafileError("Enhanced metafile has an unknown record");
        at += size;
        if (type == EmrEof) {
            ended = true;
            break;
        }
    }
    if (!ended)
        throw EMetafileError("Enhanced metafile is truncated");

    // Size: the frame (in 0.01 mm) converted through the reference device,
    // or the bounds when the frame is missing.
    const qint64 frameW = qint64(i32At(bytes, 32)) - i32At(bytes, 24);
    const qint64 frameH = qint64(i32At(bytes, 36)) - i32At(bytes, 28);
    const qint64 devW = i32At(bytes, 72), devH = i32At(bytes, 76);
    const qint64 mmW = i32At(bytes, 80), mmH = i32At(bytes, 84);
    if (frameW > 0 && frameH > 0 && devW > 0 && devH > 0 && mmW > 0 && mmH > 0)
        return sanePictureSize((frameW * devW + mmW * 50) / (mmW * 100), (frameH * devH + mmH * 50) / (mmH * 100), "EMF");
    const qint64 boundsW = qint64(i32At(bytes, 16)) - i32At(bytes, 8) + 1;
    const qint64 boundsH = qint64(i32At(bytes, 20)) - i32At(bytes, 12) + 1;
    return sanePictureSize(boundsW, boundsH, "EMF");
}

namespace {

struct WmfLayout {
    QSize placeableSize;
    // A placeable file's frame in the reader's drawing units (points,
    // counted from the frame's top left); empty without a placeable header.
    QSizeF placeableFramePoints;
    qint64 metaHeaderAt = 0;
    qint64 maxRecordWords = 0;
};

WmfLayout checkWmf(const QByteArray& bytes);

} // namespace

QSize CheckWmfStructure(const QByteArray& bytes)
{
    return checkWmf(bytes).placeableSize;
}

namespace {

WmfLayout checkWmf(const QByteArray& bytes)
{
    WmfLayout layout;
    const qint64 n = bytes.size();
    qint64 at = 0;
    QSize size;
    if (n >= 22 && u32At(bytes, 0) == 0x9AC6CDD7u) {
        const qint64 w = qint64(i16At(bytes, 10)) - i16At(bytes, 6);
        const qint64 h = qint64(i16At(bytes, 12)) - i16At(bytes, 8);
        const qint64 inch = u16At(bytes, 14);
        if (inch == 0)
            throw EMetafileError("Windows metafile header is damaged");
        size = sanePictureSize((qAbs(w) * 96 + inch / 2) / inch, (qAbs(h) * 96 + inch / 2) / inch, "WMF");
        layout.placeableFramePoints = QSizeF(qAbs(w) * 72.0 / inch, qAbs(h) * 72.0 / inch);
        at = 22;
    }
    if (n - at < 18)
        throw EMetafileError("Not a Windows metafile");
    const quint16 type = u16At(bytes, at);
    const quint16 headerWords = u16At(bytes, at + 2);
    if ((type != 1 && type != 2) || headerWords != 9)
        throw EMetafileError("Not a Windows metafile");
    layout.metaHeaderAt = at;
    at += 18;
    bool ended = false;
    for (int count = 0; at + 6 <= n && count < 2'000'000; ++count) {
        const qint64 words = u32At(bytes, at);
        const quint16 function = u16At(bytes, at + 4);
        if (words < 3 || words * 2 > n - at)
            throw EMetafileError("Windows metafile record is damaged");
        layout.maxRecordWords = std::max(layout.maxRecordWords, words);
        at += words * 2;
        if (function == 0) {
            ended = true;
            break;
        }
    }
    if (!ended)
        throw EMetafileError("Windows metafile is truncated");
    layout.placeableSize = size;
    return layout;
}

} // namespace

namespace {

// The conversion itself; runs in the isolated child.
QByteArray emfToSvgDirect(const QByteArray& bytes, QSize trueSize)
{
    generatorOptions options{};
    char ns[] = "";
    options.nameSpace = ns;
    options.verbose = false;
    options.emfplus = false;
    options.svgDelimiter = true;
    options.imgWidth = trueSize.width();
    options.imgHeight = trueSize.height();
    QByteArray copy = bytes; // the converter takes a non-const buffer
    char* svg = nullptr;
    size_t svgLength = 0;
    const int ok = emf2svg(copy.data(), size_t(copy.size()), &svg, &svgLength, &options);
    QByteArray out;
    if (svg) {
        if (ok)
            out = QByteArray(svg, qsizetype(svgLength));
        std::free(svg);
    }
    return out;
}

} // namespace

namespace {

// The header's description text and pixel format are not needed for the
// drawing, and the converter reads them without checking their offsets
// (a description offset without a length is read up to a NUL wherever
// that is): the copy handed over has neither.
QByteArray withoutHeaderExtras(QByteArray bytes)
{
    const quint32 headerSize = u32At(bytes, 4);
    std::memset(bytes.data() + 60, 0, 8); // nDescription, offDescription
    if (headerSize >= 100)
        std::memset(bytes.data() + 88, 0, 8); // cbPixelFormat, offPixelFormat
    return bytes;
}

} // namespace

MetafileSvg EmfToSvg(const QByteArray& bytes)
{
    MetafileSvg out;
    out.trueSize = CheckEmfStructure(bytes);
    const QSize size = out.trueSize;
    const QByteArray handed = withoutHeaderExtras(bytes);
    const std::optional<QByteArray> svg = RunIsolated([&] { return emfToSvgDirect(handed, size); });
    if (!svg)
        throw EMetafileError("Enhanced metafile could not be converted");
    out.svg = *svg;
    return out;
}

namespace {

// The conversion itself; runs in the isolated child. The result starts
// with the drawing's width and height (4 bytes each).
QByteArray wmfToSvgDirect(const QByteArray& bytes, const WmfLayout& layout)
{

    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    wmfAPI* api = nullptr;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        return QByteArray();
    }
    // The reader sizes its record buffer by the header's largest-record
    // field: set it to the largest record actually present.
    QByteArray copy = bytes;
    const quint32 maxRecord = qToLittleEndian(quint32(layout.maxRecordWords));
    std::memcpy(copy.data() + layout.metaHeaderAt + 12, &maxRecord, 4);
    char* svg = nullptr;
    unsigned long svgLength = 0;
    bool ok = false;
    unsigned int width = 0, height = 0;
    do {
        auto* ddata = WMF_SVG_GetData(api);
        if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(copy.data()), long(copy.size())) != wmf_E_None)
            break;
        wmfD_Rect bbox;
        if (wmf_scan(api, 0, &bbox) != wmf_E_None)
            break;
        if (wmf_display_size(api, &width, &height, 96, 96) != wmf_E_None)
            break;
        if (width == 0 || height == 0 || width > unsigned(MaxSide) || height > unsigned(MaxSide))
            break;
        // A placeable file is framed by its own bounds, not by the part of
        // it that is drawn on.
        if (!layout.placeableFramePoints.isEmpty()) {
            bbox.TL.x = 0;
            bbox.TL.y = 0;
            bbox.BR.x = float(layout.placeableFramePoints.width());
            bbox.BR.y = float(layout.placeableFramePoints.height());
        }
        ddata->bbox = bbox;
        ddata->width = width;
        ddata->height = height;
        ddata->flags |= WMF_SVG_INLINE_IMAGES;
        ddata->out = wmf_stream_create(api, nullptr);
        if (!ddata->out)
            break;
        const bool played = wmf_play(api, 0, &bbox) == wmf_E_None;
        wmf_stream_destroy(api, ddata->out, &svg, &svgLength);
        ddata->out = nullptr;
        ok = played;
    } while (false);
    QByteArray result;
    if (svg && ok && svgLength > 0) {
        const quint32 w = width, h = height;
        result.append(reinterpret_cast<const char*>(&w), 4);
        result.append(reinterpret_cast<const char*>(&h), 4);
        result.append(svg, qsizetype(svgLength));
    }
    if (svg)
        wmf_free(api, svg);
    wmf_api_destroy(api);
    return result;
}

} // namespace

MetafileSvg WmfToSvg(const QByteArray& bytes)
{
    const WmfLayout layout = checkWmf(bytes);
    const std::optional<QByteArray> result = RunIsolated([&] { return wmfToSvgDirect(bytes, layout); });
    if (!result || result->size() <= 8)
        throw EMetafileError("Windows metafile could not be converted");
    quint32 width = 0, height = 0;
    std::memcpy(&width, result->constData(), 4);
    std::memcpy(&height, result->constData() + 4, 4);
    MetafileSvg out;
    out.svg = result->mid(8);
    const QSize placeable = layout.placeableSize;
    out.trueSize = placeable.isValid() && !placeable.isEmpty() ? placeable : sanePictureSize(width, height, "WMF");
    return out;
}

QImage RenderSvgToImage(const QByteArray& svg, QSize size)
{
    if (size.width() <= 0 || size.height() <= 0 || qint64(size.width()) * size.height() > MaxDecodedPixels)
        throw EMetafileError("Metafile picture size is not valid");
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        throw EMetafileError("Metafile drawing is not valid");
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw EMetafileError("Out of memory drawing the metafile");
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size.width(), size.height()));
    painter.end();
    return image;
}
