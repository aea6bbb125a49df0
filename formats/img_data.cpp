#include "formats/img_data.h"

#include "formats/jpeg_segments.h"
#include "formats/picture_file.h"
#include "platform/record_file.h"
#include "platform/regular_file.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <exiv2/exiv2.hpp>
#include <jpeglib.h>

namespace {

// exiv2's log level is process-wide: set once, by whichever thread reads
// metadata first.
void quietExiv2()
{
    static const bool done = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        return true;
    }();
    (void)done;
}

QString cleanValue(std::string text)
{
    while (!text.empty() && (text.back() == '\0' || text.back() == ' '))
        text.pop_back();
    // ASCII values may carry a NUL in the middle; keep what stands before it.
    const auto nul = text.find('\0');
    if (nul != std::string::npos)
        text.resize(nul);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool isMainExifGroup(const std::string& group)
{
    // IFD0 of the main picture, the EXIF sub-block, interoperability and
    // GPS; the thumbnail's IFD1 tags (its own sizes) are left out.
    return group == "Image" || group == "Photo" || group == "Iop" || group == "GPSInfo";
}

// Sub-block tags after the main block's, each group in file order.
int groupRank(const std::string& group)
{
    if (group == "Image")
        return 0;
    if (group == "Photo")
        return 1;
    if (group == "Iop")
        return 2;
    return 3;
}

} // namespace

bool TImageInfo::NextFoundTag(int kind, TTagEntry& tag)
{
    if (kind != 0 || m_next >= Tags.size())
        return false;
    tag = Tags[m_next++];
    return true;
}

bool TimgData::ProcessFile(const QString& path)
{
    ExifObj = TImageInfo();
    // Only a regular file, and of it only the JPEG header segments up to
    // the EXIF block: whatever else the file holds never reaches a parser.
    QFile file(path);
    if (!platform::OpenRegularFileForReading(file, path).isEmpty())
        return false;
    const QByteArray block = FindJpegExifBlock([&file](qint64 offset, qint64 count) {
        if (!file.seek(offset))
            return QByteArray();
        return file.read(count);
    });
    if (block.isEmpty()) {
        // A JPEG without an EXIF block is processed (no tags); anything
        // else is not a picture the reader knows.
        file.seek(0);
        return LooksLikeJpeg(file.read(4));
    }
    return decodeExifBlock(block);
}

bool TimgData::ProcessBytes(const QByteArray& bytes)
{
    ExifObj = TImageInfo();
    const QByteArray block = FindJpegExifBlock(bytes);
    if (block.isEmpty())
        return LooksLikeJpeg(bytes);
    return decodeExifBlock(block);
}

bool TimgData::decodeExifBlock(const QByteArray& block)
{
    ExifObj = TImageInfo();
    quietExiv2();
    try {
        // The TIFF structure alone goes to exiv2's EXIF parser: no format
        // detection, no other parser.
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, reinterpret_cast<const Exiv2::byte*>(block.constData()),
                                  uint32_t(block.size()));
        std::vector<std::pair<int, TTagEntry>> found;
        for (const Exiv2::Exifdatum& datum : exif) {
            const std::string group = datum.groupName();
            if (!isMainExifGroup(group))
                continue;
            TTagEntry entry;
            entry.Tag = datum.tag();
            entry.Name = QString::fromStdString(datum.key());
            try {
                entry.Data = cleanValue(datum.toString());
            } catch (...) {
                entry.Data.clear();
            }
            found.emplace_back(groupRank(group), entry);
        }
        std::stable_sort(found.begin(), found.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto& f : found)
            ExifObj.Tags.push_back(std::move(f.second));
        return true;
    } catch (...) {
        ExifObj = TImageInfo();
        return false;
    }
}

QString TimgData::tagText(uint16_t tag) const
{
    QString value;
    for (const TTagEntry& t : ExifObj.Tags)
        if (t.Tag == tag)
            value = t.Data; // the last one met wins
    return value;
}

QString TimgData::DateTaken() const
{
    const QString original = tagText(36867);
    return original.isEmpty() ? tagText(306) : original;
}

QString TimgData::CameraMake() const { return tagText(271).trimmed(); }
QString TimgData::CameraModel() const { return tagText(272).trimmed(); }

QSize TimgData::PictureSize() const
{
    bool okW = false, okH = false;
    const int w = tagText(40962).toInt(&okW);
    const int h = tagText(40963).toInt(&okH);
    return okW && okH ? QSize(w, h) : QSize();
}

// ---- metadata copy into a re-saved JPEG ----

namespace {

struct CopyErrorMgr {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void copyErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<CopyErrorMgr*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}
void copyNoMessage(j_common_ptr, int) {}
void copyNoOutput(j_common_ptr) {}

// All libjpeg state of one copy; freed by its destructor after any jump.
struct CopyJob {
    jpeg_decompress_struct source;
    jpeg_decompress_struct target;
    jpeg_compress_struct out;
    CopyErrorMgr err;
    bool sourceMade = false, targetMade = false, outMade = false;
    unsigned char* outBuffer = nullptr;
    unsigned long outSize = 0;

    ~CopyJob()
    {
        if (outMade)
            jpeg_destroy_compress(&out);
        if (targetMade)
            jpeg_destroy_decompress(&target);
        if (sourceMade)
            jpeg_destroy_decompress(&source);
        std::free(outBuffer);
    }
};

void setErrors(CopyJob* job)
{
    jpeg_std_error(&job->err.pub);
    job->err.message[0] = 0;
    job->err.pub.error_exit = copyErrorExit;
    job->err.pub.emit_message = copyNoMessage;
    job->err.pub.output_message = copyNoOutput;
}

bool isExifApp1(const jpeg_saved_marker_ptr m)
{
    return m->marker == JPEG_APP0 + 1 && m->data_length >= 6 && std::memcmp(m->data, "Exif\0\0", 6) == 0;
}

bool runCopy(CopyJob* job, const QByteArray& source, const QByteArray& target)
{
    if (setjmp(job->err.jump))
        return false;
    job->source.err = &job->err.pub;
    jpeg_create_decompress(&job->source);
    job->sourceMade = true;
    jpeg_mem_src(&job->source, reinterpret_cast<const unsigned char*>(source.constData()),
                 static_cast<unsigned long>(source.size()));
    for (int m = 1; m < 16; ++m)
        jpeg_save_markers(&job->source, JPEG_APP0 + m, 0xFFFF);
    jpeg_save_markers(&job->source, JPEG_COM, 0xFFFF);
    jpeg_read_header(&job->source, TRUE);

    job->target.err = &job->err.pub;
    jpeg_create_decompress(&job->target);
    job->targetMade = true;
    jpeg_mem_src(&job->target, reinterpret_cast<const unsigned char*>(target.constData()),
                 static_cast<unsigned long>(target.size()));
    jpeg_read_header(&job->target, TRUE);
    jvirt_barray_ptr* coefficients = jpeg_read_coefficients(&job->target);

    job->out.err = &job->err.pub;
    jpeg_create_compress(&job->out);
    job->outMade = true;
    jpeg_mem_dest(&job->out, &job->outBuffer, &job->outSize);
    jpeg_copy_critical_parameters(&job->target, &job->out);
    bool hasExif = false;
    for (jpeg_saved_marker_ptr m = job->source.marker_list; m; m = m->next)
        hasExif = hasExif || isExifApp1(m);
    // An EXIF block stands right after the start of the picture, without a
    // JFIF block before it.
    job->out.write_JFIF_header = hasExif ? FALSE : job->target.saw_JFIF_marker;
    jpeg_write_coefficients(&job->out, coefficients);
    for (jpeg_saved_marker_ptr m = job->source.marker_list; m; m = m->next)
        jpeg_write_marker(&job->out, m->marker, m->data, m->data_length);
    jpeg_finish_compress(&job->out);
    jpeg_finish_decompress(&job->target);
    return true;
}

} // namespace

// Sets the EXIF pixel dimensions to the new picture's size when the block
// has them: the EXIF segment is decoded, changed, encoded again and put in
// place of the old one; the rest of the JPEG is kept byte for byte.
QByteArray UpdateExifPixelDimensions(const QByteArray& jpeg, QSize size)
{
    const JpegSegmentSpan span = FindJpegExifSegment(jpeg);
    if (span.length == 0)
        return jpeg;
    QByteArray block = jpeg.mid(qsizetype(span.offset + 10), qsizetype(span.length - 10));
    quietExiv2();
    try {
        Exiv2::ExifData exif;
        const Exiv2::ByteOrder order = Exiv2::ExifParser::decode(
            exif, reinterpret_cast<const Exiv2::byte*>(block.constData()), uint32_t(block.size()));
        bool changed = false;
        const auto setIfPresent = [&](const char* key, int value) {
            auto it = exif.findKey(Exiv2::ExifKey(key));
            if (it != exif.end()) {
                it->setValue(std::to_string(value));
                changed = true;
            }
        };
        setIfPresent("Exif.Photo.PixelXDimension", size.width());
        setIfPresent("Exif.Photo.PixelYDimension", size.height());
        if (!changed)
            return jpeg;
        Exiv2::Blob blob;
        const Exiv2::WriteMethod method = Exiv2::ExifParser::encode(
            blob, reinterpret_cast<Exiv2::byte*>(block.data()), uint32_t(block.size()), order, exif);
        const QByteArray tiff = method == Exiv2::wmNonIntrusive
                                    ? block
                                    : QByteArray(reinterpret_cast<const char*>(blob.data()), qsizetype(blob.size()));
        const qint64 segmentLength = 2 + 6 + tiff.size();
        if (tiff.isEmpty() || segmentLength > 0xFFFF)
            return jpeg;
        QByteArray segment;
        segment.append("\xFF\xE1", 2);
        segment.append(char(segmentLength >> 8));
        segment.append(char(segmentLength & 0xFF));
        segment.append("Exif\0\0", 6);
        segment.append(tiff);
        QByteArray result = jpeg;
        result.replace(qsizetype(span.offset), qsizetype(span.length), segment);
        return result;
    } catch (...) {
        return jpeg;
    }
}

QByteArray CopyJpegMetadata(const QByteArray& sourceJpeg, const QByteArray& targetJpeg)
{
    if (sourceJpeg.size() < 4 || targetJpeg.size() < 4)
        return {};
    auto job = std::make_unique<CopyJob>();
    setErrors(job.get());
    if (!runCopy(job.get(), sourceJpeg, targetJpeg) || !job->outBuffer)
        return {};
    const QSize size(int(job->target.image_width), int(job->target.image_height));
    const QByteArray joined(reinterpret_cast<const char*>(job->outBuffer), qsizetype(job->outSize));
    return UpdateExifPixelDimensions(joined, size);
}

bool TimgData::WriteExifJpeg(const QString& sourcePath, const QString& jpegPath)
{
    QByteArray source, target;
    try {
        source = ReadPictureFile(sourcePath);
        target = ReadPictureFile(jpegPath);
    } catch (...) {
        return false;
    }
    const QByteArray joined = CopyJpegMetadata(source, target);
    if (joined.isEmpty())
        return false;
    return platform::SafeWriteFile(jpegPath, joined).ok();
}
