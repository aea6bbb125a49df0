#include "sharing/reduce_picture.h"

#include "base/environment.h"
#include "browse/external_programs.h"
#include "formats/img_data.h"
#include "formats/jpeg_decoder.h"
#include "formats/picture_file.h"
#include "formats/picture_scale.h"
#include "platform/prompt.h"
#include "platform/record_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

#include <cmath>
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
    // Nearest, halves to the even neighbour.
    return QSize(qMax(1, int(std::nearbyint(size.width() * ratio))),
                 qMax(1, int(std::nearbyint(size.height() * ratio))));
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

// Decoded at the smallest DCT scale that still covers the box (a JPEG), or
// by the reader that knows the format.
LoadedPicture decodePicture(const QByteArray& bytes, const QString& path, QSize box)
{
    if (bytes.isEmpty())
        return {};
    // Each format by its own decoder, never by a format guessed from the
    // content; a JPEG at the smallest DCT scale that still covers the box.
    try {
        const PictureKind kind = bytes.startsWith("\xFF\xD8") ? PictureKind::Jpeg : PictureKindOfPath(path);
        return DecodePicture(bytes, kind, [box](QSize trueSize) {
                   return box.isEmpty() ? QSize() : FitWithoutEnlarging(trueSize, box);
               });
    } catch (...) {
        return {};
    }
}

// The date taken of the EXIF block as stored. A JPEG's block is read on
// its own (a small JPEG of just that segment), so nothing else of the file
// reaches the metadata library; other formats are read whole.
QString exifDateText(const QByteArray& bytes, const QList<JpegSegment>& segments)
{
    TimgData data(255);
    bool read = false;
    if (bytes.startsWith("\xFF\xD8")) {
        for (const JpegSegment& segment : segments) {
            if (segment.marker != JPEG_APP0 + 1 || !segment.data.startsWith(QByteArray("Exif\0\0", 6)))
                continue;
            QByteArray block("\xFF\xD8\xFF\xE1", 4);
            const int length = int(segment.data.size()) + 2;
            block.append(char(length >> 8)).append(char(length & 0xFF)).append(segment.data).append("\xFF\xD9", 2);
            read = data.ProcessBytes(block);
            break;
        }
    } else {
        read = data.ProcessBytes(bytes);
    }
    return read ? data.DateTaken() : QString();
}

QDateTime exifDate(const QString& text)
{
    const QDateTime date = QDateTime::fromString(text, QStringLiteral("yyyy:MM:dd HH:mm:ss"));
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

QList<JpegSegment> ExifAndColourProfile(const QList<JpegSegment>& segments)
{
    static const QByteArray exif("Exif\0\0", 6);
    static const QByteArray icc("ICC_PROFILE\0", 12);
    // The profile's colour space stands at offset 16 of the profile, in its
    // first part (after the 12-byte name and the part number and count). A
    // profile for CMYK or grey does not describe the RGB copy.
    bool rgbProfile = false;
    for (const JpegSegment& s : segments)
        if (s.marker == JPEG_APP0 + 2 && s.data.startsWith(icc) && s.data.size() >= 34 && s.data.at(12) == 1)
            rgbProfile = s.data.mid(14 + 16, 4) == "RGB ";
    QList<JpegSegment> kept;
    bool exifKept = false;
    for (const JpegSegment& s : segments) {
        if (s.marker == JPEG_APP0 + 1 && s.data.startsWith(exif) && !exifKept) {
            kept.append(s);
            exifKept = true;
        } else if (s.marker == JPEG_APP0 + 2 && s.data.startsWith(icc) && rgbProfile) {
            kept.append(s);
        }
    }
    return kept;
}

ReduceSource ReadReduceSource(const QString& path, QSize box, bool decode)
{
    ReduceSource source;
    const QFileInfo info(path);
    if (!info.isFile())
        return source;
    if (!platform::ReadWholeFile(path, source.bytes, MaxPictureFileBytes).ok())
        source.bytes.clear();
    source.fileDate = info.lastModified();
    if (decode) {
        const LoadedPicture loaded = decodePicture(source.bytes, path, box);
        source.picture = loaded.image;
        if (!loaded.image.isNull())
            source.trueSize = loaded.trueSize;
    }
    return source;
}

ReducedJpeg PrepareReducedJpeg(const ReduceRequest& request, const ReduceSource& source)
{
    ReducedJpeg reduced;
    const QString name = QFileInfo(request.sourcePath).fileName();
    QImage picture = request.shownPicture.isNull() ? source.picture : request.shownPicture;
    if (picture.isNull()) {
        reduced.message = QStringLiteral("Picture ") + name + QStringLiteral(" could not be loaded, picture skipped");
        return reduced;
    }
    const QSize box = ReduceBoxSize(request.sizeChoice, request.customSize);
    // The size is fitted from the picture's own size, not from the buffer
    // decoded for it (a JPEG decoded at a DCT scale is a few pixels larger
    // than the fitted size, which would round the copy one pixel short).
    const QSize own = request.shownPicture.isNull() ? source.trueSize : QSize();
    const QSize fitted = request.sizeChoice < 0 ? picture.size()
                                                : FitWithoutEnlarging(own.isEmpty() ? picture.size() : own, box);
    picture = ScaleDecodedPicture(picture, fitted);
    const QList<JpegSegment> all = ReadJpegMetadataSegments(source.bytes);
    const QList<JpegSegment> segments = ExifAndColourProfile(all);
    reduced.jpeg = EncodeJpeg(picture, request.quality, segments);
    if (reduced.jpeg.isEmpty()) {
        reduced.message = QStringLiteral("Vistamo! : Could not write ") + request.targetPath;
        return reduced;
    }
    if (!segments.isEmpty())
        reduced.jpeg = UpdateExifPixelDimensions(reduced.jpeg, picture.size());
    // The copy carries the date the picture was taken, else the source's date.
    reduced.dateTaken = exifDateText(source.bytes, all);
    if (!request.keepFileDate)
        reduced.date = exifDate(reduced.dateTaken);
    if (!reduced.date.isValid())
        reduced.date = source.fileDate;
    return reduced;
}

ReduceResult WriteReducedJpeg(const QString& targetPath, const ReducedJpeg& reduced)
{
    ReduceResult result;
    if (reduced.jpeg.isEmpty()) {
        result.message = reduced.message;
        return result;
    }
    const platform::RecordResult saved = platform::SafeWriteFile(targetPath, reduced.jpeg);
    if (!saved.ok()) {
        result.message = saved.Message;
        return result;
    }
    if (reduced.date.isValid()) {
        QFile target(targetPath);
        if (target.open(QIODevice::ReadWrite))
            target.setFileTime(reduced.date, QFileDevice::FileModificationTime);
    }
    result.written = true;
    return result;
}

ReduceResult ReducePicture(const ReduceRequest& request)
{
    const QSize box = ReduceBoxSize(request.sizeChoice, request.customSize);
    if (!request.outsideViewer.isEmpty() && request.shownPicture.isNull() && !box.isEmpty()
        && RunIrfanViewResize(request.outsideViewer, request.sourcePath, request.targetPath, box.width(),
                              box.height())) {
        // The viewer wrote the copy; it is dated like any other.
        const ReduceSource source = ReadReduceSource(request.sourcePath, box, false);
        QDateTime date;
        if (!request.keepFileDate)
            date = exifDate(exifDateText(source.bytes, ReadJpegMetadataSegments(source.bytes)));
        if (!date.isValid())
            date = source.fileDate;
        if (date.isValid()) {
            QFile target(request.targetPath);
            if (target.open(QIODevice::ReadWrite))
                target.setFileTime(date, QFileDevice::FileModificationTime);
        }
        ReduceResult result;
        result.written = true;
        return result;
    }
    const ReduceSource source = ReadReduceSource(request.sourcePath, box, request.shownPicture.isNull());
    return WriteReducedJpeg(request.targetPath, PrepareReducedJpeg(request, source));
}

bool ReducePictureSize(const QString& sourcePath, const QString& targetPath, const QImage& shownPicture,
                       const QString& outsideViewer, bool keepFileDate, int sizeChoice, int quality,
                       QSize customSize)
{
    ReduceRequest request;
    request.sourcePath = sourcePath;
    request.targetPath = targetPath;
    request.shownPicture = shownPicture;
    request.outsideViewer = outsideViewer;
    request.keepFileDate = keepFileDate;
    request.sizeChoice = sizeChoice;
    request.customSize = customSize;
    request.quality = quality;
    const ReduceResult result = ReducePicture(request);
    if (!result.written)
        platform::showMessage(platform::PromptKind::Error, result.message);
    return result.written;
}
