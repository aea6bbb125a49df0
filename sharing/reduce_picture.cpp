#include "sharing/reduce_picture.h"

#include "app/environment.h"
#include "browse/external_programs.h"
#include "formats/img_data.h"
#include "formats/jpeg_decoder.h"
#include "formats/picture_file.h"
#include "platform/prompt.h"
#include "platform/record_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <csetjmp>
#include <jpeglib.h>


QSize ReduceBoxSize(int sizeChoice, QSize customSize)
{
    switch (sizeChoice) {
    case 0: return {320, 240};
    case 1: return {640, 480};
    case 2: return {800, 600};
    case 3: return {1024, 768};
    case 4: return {1280, 1024};
    case 5: return customSize;
    default: return {};
    }
}

QSize FitWithoutEnlarging(QSize size, QSize box)
{
    if (size.isEmpty() || box.isEmpty())
        return size;
    if (size.width() <= box.width() && size.height() <= box.height())
        return size;
    const double ratio = qMin(double(box.width()) / size.width(), double(box.height()) / size.height());
    return QSize(qMax(1, int(size.width() * ratio + 0.5)), qMax(1, int(size.height() * ratio + 0.5)));
}

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf jump;
};

void onJpegError(j_common_ptr cinfo)
{
    longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

QImage loadPicture(const QString& path, QSize box)
{
    // The picture loader's own read and decoders: only regular files of a
    // bounded size, each format by its own decoder (a JPEG at the smallest
    // DCT scale that still covers the box).
    try {
        const QByteArray bytes = ReadPictureFile(path);
        const PictureKind kind = bytes.startsWith("\xFF\xD8") ? PictureKind::Jpeg : PictureKindOfPath(path);
        return DecodePicture(bytes, kind, [box](QSize trueSize) {
                   return box.isEmpty() ? QSize() : FitWithoutEnlarging(trueSize, box);
               }).image;
    } catch (...) {
        return {};
    }
}

QDateTime exifDate(const QString& sourcePath)
{
    TimgData data(255);
    if (!data.ProcessFile(sourcePath))
        return {};
    const QString text = data.DateTaken();
    QDateTime date = QDateTime::fromString(text, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
    return date.isValid() ? date : QDateTime();
}


} // namespace

QList<JpegSegment> ReadJpegMetadataSegments(const QByteArray& jpeg)
{
    QList<JpegSegment> segments;
    if (!jpeg.startsWith("\xFF\xD8"))
        return segments;
    jpeg_decompress_struct cinfo;
    ErrorManager error;
    cinfo.err = jpeg_std_error(&error.base);
    error.base.error_exit = onJpegError;
    error.base.output_message = [](j_common_ptr) {};
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return {};
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    for (int m = 1; m < 16; ++m)
        jpeg_save_markers(&cinfo, JPEG_APP0 + m, 0xFFFF);
    jpeg_save_markers(&cinfo, JPEG_COM, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next)
        segments.append({int(m->marker), QByteArray(reinterpret_cast<const char*>(m->data), qsizetype(m->data_length))});
    jpeg_destroy_decompress(&cinfo);
    return segments;
}

QByteArray EncodeJpeg(const QImage& input, int quality, const QList<JpegSegment>& segments)
{
    if (input.isNull())
        return {};
    const QImage image = input.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo;
    ErrorManager error;
    cinfo.err = jpeg_std_error(&error.base);
    error.base.error_exit = onJpegError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&cinfo);
        free(buffer);
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, qBound(1, quality, 100), TRUE);
    for (const JpegSegment& segment : segments)
        if (segment.marker == JPEG_APP0 + 1 && segment.data.startsWith(QByteArray("Exif\0\0", 6)))
            cinfo.write_JFIF_header = FALSE;
    jpeg_start_compress(&cinfo, TRUE);
    for (const JpegSegment& segment : segments)
        jpeg_write_marker(&cinfo, segment.marker, reinterpret_cast<const JOCTET*>(segment.data.constData()),
                          unsigned(segment.data.size()));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    free(buffer);
    return out;
}

ReduceResult ReducePicture(const ReduceRequest& request)
{
    ReduceResult result;
    const QString name = QFileInfo(request.sourcePath).fileName();
    const QString loadFailure = QStringLiteral("Picture ") + name + QStringLiteral(" could not be loaded, picture skipped");
    const QSize box = ReduceBoxSize(request.sizeChoice, request.customSize);

    bool written = false;
    if (request.useOutsideViewer && request.shownPicture.isNull())
        written = IrfanViewFound && !box.isEmpty()
                  && RunIrfanViewResize(request.sourcePath, request.targetPath, box.width(), box.height());

    if (!written) {
        QImage picture = request.shownPicture.isNull() ? loadPicture(request.sourcePath, box) : request.shownPicture;
        if (picture.isNull()) {
            result.message = loadFailure;
            return result;
        }
        const QSize fitted = request.sizeChoice < 0 ? picture.size() : FitWithoutEnlarging(picture.size(), box);
        if (fitted != picture.size())
            picture = picture.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The source's metadata segments go along in the same write.
        QByteArray source;
        QList<JpegSegment> segments;
        if (platform::ReadWholeFile(request.sourcePath, source, MaxPictureFileBytes).ok())
            segments = ReadJpegMetadataSegments(source);
        QByteArray jpeg = EncodeJpeg(picture, request.quality, segments);
        if (jpeg.isEmpty()) {
            result.message = QStringLiteral("Vistamo! : Could not write ") + request.targetPath;
            return result;
        }
        if (!segments.isEmpty())
            jpeg = UpdateExifPixelDimensions(jpeg, picture.size());
        const platform::RecordResult saved = platform::SafeWriteFile(request.targetPath, jpeg);
        if (!saved.ok()) {
            result.message = saved.Message;
            return result;
        }
    }

    // The copy carries the date the picture was taken, else the source's date.
    QDateTime date;
    if (!request.keepFileDate)
        date = exifDate(request.sourcePath);
    if (!date.isValid() && QFileInfo(request.sourcePath).isFile())
        date = QFileInfo(request.sourcePath).lastModified();
    if (date.isValid()) {
        QFile target(request.targetPath);
        if (target.open(QIODevice::ReadWrite))
            target.setFileTime(date, QFileDevice::FileModificationTime);
    }
    result.written = true;
    return result;
}

bool ReducePictureSize(const QString& sourcePath, const QString& targetPath, const QImage& shownPicture,
                       bool useOutsideViewer, bool keepFileDate, int sizeChoice, int quality, QSize customSize)
{
    ReduceRequest request;
    request.sourcePath = sourcePath;
    request.targetPath = targetPath;
    request.shownPicture = shownPicture;
    request.useOutsideViewer = useOutsideViewer;
    request.keepFileDate = keepFileDate;
    request.sizeChoice = sizeChoice;
    request.customSize = customSize;
    request.quality = quality;
    const ReduceResult result = ReducePicture(request);
    if (!result.written)
        platform::showMessage(platform::PromptKind::Error, result.message);
    return result.written;
}
