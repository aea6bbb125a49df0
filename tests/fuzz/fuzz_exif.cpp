// Fuzz target of the EXIF reading: with an even first byte the rest is a
// whole file for the metadata reader (in memory and as a file); with an odd one it is the EXIF block
// itself, wrapped into a small JPEG's APP1 segment, so the fuzzer works on
// the TIFF structure (offsets and counts pointing anywhere). The reads the
// program makes (date taken, camera, dimensions, tag by tag) all run.
#include "fuzz_files.h"

#include "formats/img_data.h"
#include "formats/jpeg_segments.h"
#include "formats/read_exif_info.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

// A 1 x 1 grey baseline JPEG without metadata.
const unsigned char kTinyJpeg[] = {
    0xFF, 0xD8, 0xFF, 0xDB, 0x00, 0x43, 0x00, 0x08, 0x06, 0x06, 0x07, 0x06, 0x05, 0x08, 0x07, 0x07, 0x07, 0x09,
    0x09, 0x08, 0x0A, 0x0C, 0x14, 0x0D, 0x0C, 0x0B, 0x0B, 0x0C, 0x19, 0x12, 0x13, 0x0F, 0x14, 0x1D, 0x1A, 0x1F,
    0x1E, 0x1D, 0x1A, 0x1C, 0x1C, 0x20, 0x24, 0x2E, 0x27, 0x20, 0x22, 0x2C, 0x23, 0x1C, 0x1C, 0x28, 0x37, 0x29,
    0x2C, 0x30, 0x31, 0x34, 0x34, 0x34, 0x1F, 0x27, 0x39, 0x3D, 0x38, 0x32, 0x3C, 0x2E, 0x33, 0x34, 0x32, 0xFF,
    0xC0, 0x00, 0x0B, 0x08, 0x00, 0x01, 0x00, 0x01, 0x01, 0x01, 0x11, 0x00, 0xFF, 0xC4, 0x00, 0x14, 0x00, 0x01,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x09,
    0xFF, 0xC4, 0x00, 0x14, 0x10, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0x2A, 0x9F,
    0xFF, 0xD9};

QByteArray wrapAsExif(const uint8_t* data, size_t size)
{
    const size_t body = std::min<size_t>(size, 65533 - 6);
    QByteArray out;
    out.append("\xFF\xD8\xFF\xE1", 4);
    const size_t length = body + 6 + 2;
    out.append(char(length >> 8));
    out.append(char(length & 0xFF));
    out.append("Exif\0\0", 6);
    out.append(reinterpret_cast<const char*>(data), qsizetype(body));
    out.append(reinterpret_cast<const char*>(kTinyJpeg) + 2, qsizetype(sizeof kTinyJpeg - 2));
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const QByteArray bytes = (data[0] & 1) ? wrapAsExif(data + 1, size - 1)
                                           : QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    TimgData reader(255);
    if (reader.ProcessBytes(bytes) && reader.HasExif()) {
        (void)reader.DateTaken();
        (void)reader.CameraMake();
        (void)reader.CameraModel();
        (void)reader.PictureSize();
        TTagEntry tag;
        reader.ExifObj.ResetIterator();
        while (reader.ExifObj.NextFoundTag(0, tag)) {
        }
    }
    // The program's own reading of the fields it shows.
    (void)ExifInfoOfBlock(FindJpegExifBlock(bytes));
    // The same bytes as a file named ".jpg", read as the program reads it.
    TimgData fileReader(255);
    (void)fileReader.ProcessFile(fuzzfiles::Write(QStringLiteral("picture.jpg"), bytes));
    // The metadata copy into a re-saved JPEG reads the same blocks.
    (void)CopyJpegMetadata(bytes, QByteArray(reinterpret_cast<const char*>(kTinyJpeg), sizeof kTinyJpeg));
    return 0;
}
