// Hostile files at the readers of the formats layer: a movie named ".jpg"
// never reaches a metadata parser, a JPEG whose data cannot fill the size
// its header claims is refused before its buffer is allocated, and pipes,
// devices and sockets named like pictures are refused without being opened
// for reading (a pipe without a writer would block here for ever; the
// test's CTest timeout is the guard).
#include "formats/img_data.h"
#include "formats/jpeg_decoder.h"
#include "formats/jpeg_segments.h"
#include "formats/picture_errors.h"
#include "formats/picture_file.h"
#include "formats/picture_fixtures.h"
#include "formats/read_exif_info.h"
#include "support/sandbox.h"

#include <QFile>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace fixtures;

namespace {

long peakResidentKB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Cuts a JPEG in the middle of its coded data and closes it with an
// end-of-picture marker, as a damaged copy often looks.
QByteArray cutWithEndMarker(const QByteArray& jpeg)
{
    return jpeg.left(jpeg.size() / 2) + QByteArray("\xFF\xD9", 2);
}

} // namespace

TEST(HostileFiles, AMovieNamedJpgReachesNoMetadataParser)
{
    const QByteArray movie = quickTimeWithBadUserData();
    ASSERT_EQ(movie.size(), 99);
    const QString path = testsupport::freshDir("movie") + "/.jpg";
    ASSERT_TRUE(testsupport::writeFile(path, movie));

    TimgData data(255);
    EXPECT_FALSE(data.ProcessFile(path));
    EXPECT_FALSE(data.HasExif());
    EXPECT_FALSE(data.ProcessBytes(movie));
    ExifInfo info;
    ReadExifInfo(path, true, true, true, info);
    EXPECT_TRUE(info.DateTaken.isEmpty() && info.Camera.isEmpty() && info.Width.isEmpty());
    EXPECT_THROW(LoadPictureFile(path, QSize(160, 120)), EInvalidGraphic);
    EXPECT_TRUE(CopyJpegMetadata(movie, jpeg(8, 8)).isEmpty());
}

TEST(HostileFiles, OnlyTheExifBlockOfAJpegIsFound)
{
    const QByteArray photo = withExif(jpeg(32, 24), {{"Exif.Image.Make", "Canon"}});
    const QByteArray block = FindJpegExifBlock(photo);
    ASSERT_FALSE(block.isEmpty());
    EXPECT_TRUE(block.startsWith("II*") || block.startsWith("MM"));
    // Segment lengths that run past the end, a missing marker, a header
    // with no EXIF: nothing is found and nothing is read out of bounds.
    QByteArray overlong = photo.left(photo.indexOf("Exif") + 10);
    EXPECT_TRUE(FindJpegExifBlock(overlong).isEmpty());
    EXPECT_TRUE(FindJpegExifBlock(QByteArray("\xFF\xD8\xFF\xE1\x00", 5)).isEmpty());
    EXPECT_TRUE(FindJpegExifBlock(QByteArray("\xFF\xD8\x00\x00", 4)).isEmpty());
    EXPECT_TRUE(FindJpegExifBlock(jpeg(8, 8)).isEmpty());
    EXPECT_TRUE(FindJpegExifBlock(quickTimeWithBadUserData()).isEmpty());
    // The pixel dimensions are rewritten inside the EXIF segment only.
    const QByteArray sized = withExif(jpeg(32, 24), {{"Exif.Photo.PixelXDimension", "32"},
                                                     {"Exif.Photo.PixelYDimension", "24"}});
    const QByteArray updated = UpdateExifPixelDimensions(sized, QSize(640, 480));
    TimgData data(255);
    ASSERT_TRUE(data.ProcessBytes(updated));
    EXPECT_EQ(data.PictureSize(), QSize(640, 480));
    EXPECT_EQ(DecodeJpeg(updated, QSize()).trueSize, QSize(32, 24));
}

TEST(HostileFiles, AJpegWhoseDataCannotFillItsSizeIsInvalid)
{
    const QByteArray real = noisyJpeg(600, 400);
    ASSERT_GT(real.size(), 100 * 1024);
    ASSERT_EQ(DecodeJpeg(real, QSize()).image.size(), QSize(600, 400));

    // The header claims 60000 x 60000 over a few hundred KB of data: refused
    // before the buffer (225 MB even at the smallest scale) is allocated.
    const QByteArray huge = withJpegSize(real, 60000, 60000);
    const long before = peakResidentKB();
    EXPECT_THROW(DecodeJpeg(huge, QSize(1366, 768)), EJPEGError);
    EXPECT_THROW(DecodeJpeg(huge, QSize()), EJPEGError);
    EXPECT_LT(peakResidentKB() - before, 64 * 1024);

    // The data ends before the picture is filled: the file ends, or an end
    // marker comes in the middle of the coded data.
    EXPECT_THROW(DecodeJpeg(real.left(real.size() / 2), QSize()), EJPEGError);
    EXPECT_THROW(DecodeJpeg(cutWithEndMarker(real), QSize()), EJPEGError);
    EXPECT_THROW(DecodeJpeg(cutWithEndMarker(real), QSize(75, 50)), EJPEGError);

    // The same for a progressive picture; a whole one loads.
    const QByteArray progressive = noisyJpeg(320, 240, true);
    ASSERT_TRUE(ReadJpegHeader(progressive).progressive);
    EXPECT_EQ(DecodeJpeg(progressive, QSize()).image.size(), QSize(320, 240));
    EXPECT_THROW(DecodeJpeg(progressive.left(progressive.size() / 2), QSize()), EJPEGError);
    EXPECT_THROW(DecodeJpeg(cutWithEndMarker(progressive), QSize()), EJPEGError);
}

TEST(HostileFiles, PipesDevicesAndSocketsAreNeverOpenedForReading)
{
    const QString dir = testsupport::freshDir("special");
    const QString fifo = dir + "/pipe.jpg";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString device = dir + "/zero.jpg";
    ASSERT_TRUE(QFile::link("/dev/zero", device));
    const QString socketPath = dir + "/socket.gif";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(socketPath);
    ASSERT_LT(size_t(name.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    for (const QString& path : {fifo, device, socketPath}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_THROW(ReadPictureFile(path), EFOpenError);
        EXPECT_THROW(LoadPictureFile(path, QSize()), EFOpenError);
        TimgData data(255);
        EXPECT_FALSE(data.ProcessFile(path));
        EXPECT_FALSE(data.WriteExifJpeg(path, path));
        GifImage gif;
        EXPECT_THROW(gif.LoadFromFile(path), EFOpenError);
    }
    ::close(fd);
}
