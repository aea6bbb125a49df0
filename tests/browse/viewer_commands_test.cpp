// The outside viewer vxview: its command lines, lossless JPEG turns that keep
// every marker, resized copies, and safe writes.
#include "browse/viewer_commands.h"

#include "formats/jpeg_segments.h"
#include "formats/picture_fixtures.h"
#include "formats/read_exif_info.h"
#include "sharing/reduce_picture.h"
#include "support/sandbox.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

QImage decode(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    return reader.read();
}

QByteArray exifJpeg(int w, int h)
{
    QByteArray bytes = fixtures::withExif(fixtures::jpeg(w, h),
                                          {{"Exif.Photo.DateTimeOriginal", "2019:05:06 07:08:09"},
                                           {"Exif.Image.Model", "TestCam"}});
    // A comment marker too: every marker must come through.
    return bytes;
}

QList<QByteArray> appSegments(const QByteArray& jpeg)
{
    QList<QByteArray> out;
    for (const JpegSegment& s : ReadJpegMetadataSegments(jpeg))
        out << QByteArray::number(s.marker) + ':' + s.data;
    return out;
}

} // namespace

TEST(ViewerCommandLine, SplitsTheClassicFormsWithQuotesInsideWords)
{
    EXPECT_EQ(SplitViewerCommandLine(QStringLiteral("\"/p/a b.jpg\" /rotate_l /convert=\"/p/a b.jpg\"")),
              (QStringList{"/p/a b.jpg", "/rotate_l", "/convert=/p/a b.jpg"}));
    EXPECT_EQ(SplitViewerCommandLine(
                  QStringLiteral("\"/s.jpg\" /resize=(640,480) /aspectratio /resample /convert=\"/t x.jpg\"")),
              (QStringList{"/s.jpg", "/resize=(640,480)", "/aspectratio", "/resample", "/convert=/t x.jpg"}));
    EXPECT_EQ(SplitViewerCommandLine(QStringLiteral("  a   \"\"  b ")), (QStringList{"a", "", "b"}));
}

TEST(ViewerCommandLine, ParsesRotateAndResizeLines)
{
    ViewerCommand left = ParseViewerCommand({QStringLiteral("\"/p/a b.jpg\" /rotate_l /convert=\"/p/a b.jpg\"")});
    ASSERT_TRUE(left.ok()) << left.error.toStdString();
    EXPECT_EQ(left.action, ViewerCommand::Action::Rotate);
    EXPECT_EQ(left.quarterTurns, -1);
    EXPECT_EQ(left.source, "/p/a b.jpg");
    EXPECT_EQ(left.target, "/p/a b.jpg");

    // The argument-list form the program starts it with.
    ViewerCommand right = ParseViewerCommand({"/p/a.jpg", "/rotate_r", "/convert=/p/a.jpg"});
    ASSERT_TRUE(right.ok());
    EXPECT_EQ(right.quarterTurns, 1);

    ViewerCommand resize =
        ParseViewerCommand({"/s.jpg", "/resize=(640,480)", "/aspectratio", "/resample", "/convert=\"/t.jpg\""});
    ASSERT_TRUE(resize.ok());
    EXPECT_EQ(resize.action, ViewerCommand::Action::Resize);
    EXPECT_EQ(resize.box, QSize(640, 480));
    EXPECT_TRUE(resize.aspectRatio);
    EXPECT_TRUE(resize.resample);
    EXPECT_EQ(resize.target, "/t.jpg");
}

TEST(ViewerCommandLine, RefusesWhatItCannotDo)
{
    EXPECT_FALSE(ParseViewerCommand({"/s.jpg"}).ok());                                   // nothing to do
    EXPECT_FALSE(ParseViewerCommand({"/rotate_l"}).ok());                                // no picture
    EXPECT_FALSE(ParseViewerCommand({"/s.jpg", "/resize=(a,3)", "/convert=/t.jpg"}).ok());
    EXPECT_FALSE(ParseViewerCommand({"/s.jpg", "/resize=(0,0)", "/convert=/t.jpg"}).ok());
    EXPECT_FALSE(ParseViewerCommand({"/s.jpg", "/rotate_l", "/resize=(5,5)"}).ok());
    EXPECT_FALSE(ParseViewerCommand({"/s.jpg", "/rotate_l", "/bogus"}).ok());
    EXPECT_FALSE(ParseViewerCommand({"/s.jpg", "/rotate_l", "/convert="}).ok());
}

TEST(ViewerResize, SizeRules)
{
    EXPECT_EQ(ViewerResizedSize({1000, 500}, {640, 480}, true), QSize(640, 320));
    EXPECT_EQ(ViewerResizedSize({500, 1000}, {640, 480}, true), QSize(240, 480));
    EXPECT_EQ(ViewerResizedSize({1000, 500}, {0, 100}, true), QSize(200, 100));
    EXPECT_EQ(ViewerResizedSize({1000, 500}, {640, 480}, false), QSize(640, 480));
    EXPECT_EQ(ViewerResizedSize({1000, 500}, {0, 480}, false), QSize(1000, 480));
    EXPECT_EQ(ViewerResizedSize({3000, 2}, {100, 100}, true), QSize(100, 1));
}

TEST(ViewerRotation, JpegOfWholeBlocksTurnsLosslesslyKeepingItsMarkers)
{
    const QByteArray source = exifJpeg(64, 48);   // whole 16 x 16 blocks
    QByteArray turned;
    ASSERT_EQ(RotateJpegData(source, false, turned, false), JpegRotation::Lossless);
    const QImage image = decode(turned);
    EXPECT_EQ(image.size(), QSize(48, 64));
    EXPECT_EQ(appSegments(turned), appSegments(source));
    // Left turn: the top-left red quarter ends at the bottom left.
    const QColor bottomLeft = image.pixelColor(5, 58);
    EXPECT_GT(bottomLeft.red(), 180);
    EXPECT_LT(bottomLeft.blue(), 90);

    // Four quarter turns give back the very same coded picture.
    QByteArray back = source;
    for (int i = 0; i < 4; ++i) {
        QByteArray next;
        ASSERT_EQ(RotateJpegData(back, true, next, false), JpegRotation::Lossless);
        back = next;
    }
    EXPECT_EQ(decode(back), decode(source));

    // The EXIF pixel dimensions name the turned picture's size.
    const QByteArray sized = fixtures::withExif(fixtures::jpeg(64, 48), {{"Exif.Photo.PixelXDimension", "64"},
                                                                         {"Exif.Photo.PixelYDimension", "48"}});
    ASSERT_EQ(RotateJpegData(sized, true, turned, false), JpegRotation::Lossless);
    const ExifInfo info = ExifInfoOfBlock(FindJpegExifBlock(turned));
    EXPECT_EQ(info.Width + 'x' + info.Height, QStringLiteral("48x64"));
}

TEST(ViewerRotation, PartialBlocksAreNeverCutOff)
{
    const QByteArray source = exifJpeg(61, 45);
    QByteArray turned;
    EXPECT_EQ(RotateJpegData(source, true, turned, false), JpegRotation::Failed);
    ASSERT_EQ(RotateJpegData(source, true, turned, true), JpegRotation::Reencoded);
    EXPECT_EQ(decode(turned).size(), QSize(45, 61));
    EXPECT_EQ(appSegments(turned), appSegments(source));
}

TEST(ViewerRun, RotatesAFileInPlaceAndKeepsItsExif)
{
    const QString dir = freshDir(QStringLiteral("vxrot"));
    const QString path = dir + QStringLiteral("/a b.jpg");
    const QByteArray source = exifJpeg(64, 48);
    ASSERT_TRUE(writeFile(path, source));
    const ViewerResult r =
        RunViewerCommand(ParseViewerCommand({QStringLiteral("\"") + path + "\" /rotate_r /convert=\"" + path + "\""}));
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_TRUE(r.lossless);
    const QByteArray written = readFile(path);
    EXPECT_EQ(decode(written).size(), QSize(48, 64));
    EXPECT_TRUE(written.contains("2019:05:06 07:08:09"));
    EXPECT_TRUE(written.contains("TestCam"));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{"a b.jpg"});
}

TEST(ViewerRun, RotatesABitmap)
{
    const QString dir = freshDir(QStringLiteral("vxbmp"));
    const QString path = dir + QStringLiteral("/p.bmp");
    ASSERT_TRUE(writeFile(path, fixtures::bmp(30, 20)));
    ASSERT_TRUE(RunViewerCommand(ParseViewerCommand({path, "/rotate_l", "/convert=" + path})).ok);
    EXPECT_EQ(QImage(path).size(), QSize(20, 30));
}

TEST(ViewerRun, FailuresLeaveThePictureAsItWas)
{
    const QString dir = freshDir(QStringLiteral("vxfail"));
    // Not a picture.
    const QString junk = dir + QStringLiteral("/junk.jpg");
    ASSERT_TRUE(writeFile(junk, QByteArray("\xFF\xD8\xFF\xE0 not really", 16)));
    EXPECT_FALSE(RunViewerCommand(ParseViewerCommand({junk, "/rotate_l", "/convert=" + junk})).ok);
    EXPECT_EQ(readFile(junk), QByteArray("\xFF\xD8\xFF\xE0 not really", 16));
    // A read-only picture is not replaced.
    const QString locked = dir + QStringLiteral("/locked.jpg");
    const QByteArray bytes = fixtures::jpeg(32, 32);
    ASSERT_TRUE(writeFile(locked, bytes));
    testsupport::setReadOnly(locked, true);
    EXPECT_FALSE(RunViewerCommand(ParseViewerCommand({locked, "/rotate_r", "/convert=" + locked})).ok);
    EXPECT_EQ(readFile(locked), bytes);
    // A missing source.
    EXPECT_FALSE(RunViewerCommand(ParseViewerCommand({dir + "/none.jpg", "/rotate_r"})).ok);
}

TEST(ViewerRun, ResizedCopyFitsTheBoxAndKeepsTheSourceMetadata)
{
    const QString dir = freshDir(QStringLiteral("vxres"));
    const QString source = dir + QStringLiteral("/s.jpg");
    const QString target = dir + QStringLiteral("/sub/t.jpg");
    ASSERT_TRUE(writeFile(source, exifJpeg(200, 100)));
    const ViewerCommand cmd = ParseViewerCommand(
        {QStringLiteral("\"") + source + "\" /resize=(50,50) /aspectratio /resample /convert=\"" + target + "\""});
    const ViewerResult r = RunViewerCommand(cmd);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    const QByteArray written = readFile(target);
    EXPECT_EQ(decode(written).size(), QSize(50, 25));
    EXPECT_TRUE(written.contains("2019:05:06 07:08:09"));
    // The source is untouched.
    EXPECT_EQ(decode(readFile(source)).size(), QSize(200, 100));
}

TEST(ViewerRun, EveryResampleFilterGivesAPlausiblePicture)
{
    const QString dir = freshDir(QStringLiteral("vxfilter"));
    const QString source = dir + QStringLiteral("/s.png");
    ASSERT_TRUE(writeFile(source, fixtures::encode(fixtures::testPattern(120, 80), "PNG")));
    for (int filter = 0; filter <= 5; ++filter) {
        // A file of its own for each filter: QSettings caches a file's values
        // by path and misses a rewrite of the same size within one tick.
        const QString ini = dir + QStringLiteral("/vxview%1.ini").arg(filter);
        ASSERT_TRUE(writeFile(ini, QStringLiteral("[Resize]\nResampleFilter=%1\n").arg(filter).toUtf8()));
        EXPECT_EQ(ViewerResampleFilter(ini), filter);
        const QString target = dir + QStringLiteral("/t%1.png").arg(filter);
        ASSERT_TRUE(RunViewerCommand(ParseViewerCommand({source, "/resize=(60,40)", "/resample", "/convert=" + target}),
                                     ini)
                        .ok);
        const QImage out(target);
        ASSERT_EQ(out.size(), QSize(60, 40));
        // Far from the quarter borders the colours stay as they were.
        EXPECT_NEAR(out.pixelColor(5, 5).red(), 230, 12) << filter;
        EXPECT_NEAR(out.pixelColor(55, 35).green(), 240, 12) << filter;
    }
    const QString outOfRange = dir + QStringLiteral("/vxview9.ini");
    ASSERT_TRUE(writeFile(outOfRange, QByteArray("[Resize]\nResampleFilter=9\n")));
    EXPECT_EQ(ViewerResampleFilter(outOfRange), 5);
    EXPECT_EQ(ViewerResampleFilter(dir + "/missing.ini"), 5);
}
