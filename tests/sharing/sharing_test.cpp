#include "sharing/grayscale.h"
#include "sharing/process_check.h"
#include "sharing/reduce_picture.h"

#include "formats/img_data.h"
#include "platform/prompt.h"
#include "support/sandbox.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <gtest/gtest.h>

#include <exiv2/exiv2.hpp>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// A JPEG of the given size with an EXIF block (date taken and camera model).
QString makeExifJpeg(const QString& dir, QSize size, const char* dateTaken = "2009:07:14 10:20:30")
{
    const QString path = dir + QStringLiteral("/camera.jpg");
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(200, 100, 50));
    writeFile(path, EncodeJpeg(image, 90));
    auto file = Exiv2::ImageFactory::open(path.toStdString());
    file->readMetadata();
    Exiv2::ExifData exif;
    exif["Exif.Image.Model"] = "TestCam 3000";
    exif["Exif.Photo.DateTimeOriginal"] = dateTaken;
    exif["Exif.Photo.PixelXDimension"] = uint32_t(size.width());
    exif["Exif.Photo.PixelYDimension"] = uint32_t(size.height());
    file->setExifData(exif);
    file->writeMetadata();
    return path;
}

} // namespace

TEST(Grayscale, WeightsThreeSixOneRoundedHalvesToEvenInEveryChannel)
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));     // 76.5 -> 76
    image.setPixel(1, 0, qRgba(10, 20, 35, 128));    // 3 + 12 + 3.5 = 18.5 -> 18
    image.setPixel(2, 0, qRgba(0, 0, 255, 0));       // 25.5 -> 26
    GrayscaleBitmap(image);
    EXPECT_EQ(image.pixel(0, 0), qRgba(76, 76, 76, 255));
    EXPECT_EQ(image.pixel(1, 0), qRgba(18, 18, 18, 128));
    EXPECT_EQ(qRed(image.pixel(2, 0)), 26);
    EXPECT_EQ(qAlpha(image.pixel(2, 0)), 0);

    QImage opaque(1, 1, QImage::Format_RGB888);
    opaque.setPixel(0, 0, qRgb(100, 200, 50)); // 30 + 120 + 5
    GrayscaleBitmap(opaque);
    EXPECT_EQ(opaque.pixel(0, 0), qRgb(155, 155, 155));
    QImage empty;
    GrayscaleBitmap(empty);
    EXPECT_TRUE(empty.isNull());
}

TEST(ProcessCheck, FindsARunningProgramByNameOrPathInAnyCase)
{
    QProcess sleeper;
    sleeper.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(sleeper.waitForStarted());
    const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(sleeper.processId()));
    EXPECT_TRUE(IsProcessRunning(QStringLiteral("sleep")));
    EXPECT_TRUE(IsProcessRunning(QStringLiteral("SLEEP")));
    EXPECT_TRUE(IsProcessRunning(exe));
    EXPECT_FALSE(IsProcessRunning(QStringLiteral("/no/such/sleep")));
    EXPECT_FALSE(IsProcessRunning(QStringLiteral("no-such-program-xyz")));
    EXPECT_FALSE(IsProcessRunning(QString()));
    sleeper.kill();
    sleeper.waitForFinished();
}

TEST(ProcessCheck, CloseIsRefusedOnlyWhileTheUploaderHasPicturesWaiting)
{
    // A fake process table: one process whose command line is a script.
    const QString proc = freshDir(QStringLiteral("proc"));
    writeFile(proc + QStringLiteral("/4242/cmdline"), QByteArray("/usr/bin/python3\0/opt/up/Flickr Uploadr.py\0-x\0", 47));
    writeFile(proc + QStringLiteral("/self/cmdline"), QByteArray("ignored\0", 8));
    EXPECT_TRUE(IsProcessRunning(QStringLiteral("flickr uploadr.py"), proc));
    EXPECT_TRUE(IsProcessRunning(QStringLiteral("python3"), proc));

    const QString mail = freshDir(QStringLiteral("mail"));
    const QString uploader = QStringLiteral("/opt/up/Flickr Uploadr.py");
    EXPECT_TRUE(UploadPendingMessage(uploader, mail, proc).isEmpty()); // no batch folder
    QDir().mkpath(mail + QStringLiteral("/U1"));
    EXPECT_EQ(UploadPendingMessage(uploader, mail, proc),
              QStringLiteral("Please close Flickr Uploadr before closing Vistamo!\n\n"
                             "Temporary picture files to be uploaded would be lost!"));
    EXPECT_TRUE(UploadPendingMessage(QStringLiteral("/opt/other/up.py"), mail, proc).isEmpty());
    EXPECT_TRUE(UploadPendingMessage(QString(), mail, proc).isEmpty());
}

TEST(ReducePicture, FitsIntoTheBoxWithoutEnlarging)
{
    EXPECT_EQ(FitWithoutEnlarging({2000, 1000}, {640, 480}), QSize(640, 320));
    EXPECT_EQ(FitWithoutEnlarging({1000, 2000}, {640, 480}), QSize(240, 480));
    EXPECT_EQ(FitWithoutEnlarging({300, 200}, {640, 480}), QSize(300, 200));
    EXPECT_EQ(FitWithoutEnlarging({700, 200}, {640, 480}), QSize(640, 183));
    EXPECT_EQ(ReduceBoxSize(0), QSize(320, 240));
    EXPECT_EQ(ReduceBoxSize(4), QSize(1280, 1024));
    EXPECT_EQ(ReduceBoxSize(5, {100, 75}), QSize(100, 75));
    EXPECT_TRUE(ReduceBoxSize(-1).isEmpty());

    const QString dir = freshDir(QStringLiteral("reduce"));
    const QString small = dir + QStringLiteral("/small.bmp");
    QImage tiny(200, 100, QImage::Format_RGB32);
    tiny.fill(Qt::blue);
    tiny.save(small);
    const QString target = dir + QStringLiteral("/small-copy.jpg");
    ASSERT_TRUE(ReducePictureSize(small, target, QImage(), QString(), false, 2, 75));
    EXPECT_EQ(QImageReader(target).size(), QSize(200, 100));
}

TEST(ReducePicture, KeepsTheSourceMetadataAndTakesTheDateTaken)
{
    const QString dir = freshDir(QStringLiteral("exif"));
    const QString source = makeExifJpeg(dir, {1600, 1200});
    const QString target = dir + QStringLiteral("/reduced.jpg");
    ASSERT_TRUE(ReducePictureSize(source, target, QImage(), QString(), false, 1, 75));

    EXPECT_EQ(QImageReader(target).size(), QSize(640, 480));
    TimgData data(255);
    ASSERT_TRUE(data.ProcessFile(target));
    EXPECT_TRUE(data.HasExif());
    EXPECT_EQ(data.CameraModel(), QStringLiteral("TestCam 3000"));
    EXPECT_EQ(data.DateTaken(), QStringLiteral("2009:07:14 10:20:30"));
    EXPECT_EQ(data.PictureSize(), QSize(640, 480));
    EXPECT_EQ(QFileInfo(target).lastModified(),
              QDateTime::fromString(QStringLiteral("2009-07-14 10:20:30"), QStringLiteral("yyyy-MM-dd HH:mm:ss")));

    // With the date taken from the file, the source's file date is used.
    const QDateTime fileDate(QDate(2015, 3, 1), QTime(8, 0, 0));
    {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(fileDate, QFileDevice::FileModificationTime);
    }
    const QString second = dir + QStringLiteral("/second.jpg");
    ASSERT_TRUE(ReducePictureSize(source, second, QImage(), QString(), true, 0, 60));
    EXPECT_EQ(QImageReader(second).size(), QSize(320, 240));
    EXPECT_EQ(QFileInfo(second).lastModified(), fileDate);
}

// A colour profile segment (one part) whose profile claims the colour space.
static JpegSegment iccSegment(const char* colourSpace)
{
    QByteArray profile(128, '\0');
    profile[3] = char(128);   // the profile's size
    profile.replace(16, 4, colourSpace);
    profile.replace(36, 4, "acsp");
    return {0xE2, QByteArray("ICC_PROFILE\0\1\1", 14) + profile};
}

TEST(ReducePicture, CarriesOnlyTheExifBlockAndAnRgbColourProfile)
{
    const QString dir = freshDir(QStringLiteral("segments"));
    const QString camera = makeExifJpeg(dir, {1600, 1200});
    const QList<JpegSegment> cameraSegments = ReadJpegMetadataSegments(readFile(camera));
    QList<JpegSegment> segments{iccSegment("RGB "),
                                {0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>", 41)},
                                {0xE2, QByteArray("FPXR\0", 5) + QByteArray(60000, 'f')},
                                {0xED, QByteArray("Photoshop 3.0\0", 14) + QByteArray(60000, 'p')},
                                {0xFE, QByteArray("a comment")}};
    for (const JpegSegment& s : cameraSegments)
        if (s.marker == 0xE1 && s.data.startsWith("Exif"))
            segments.prepend(s);
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.fill(QColor(20, 120, 220));
    const QString source = dir + QStringLiteral("/full.jpg");
    writeFile(source, EncodeJpeg(image, 90, segments));

    const QString target = dir + QStringLiteral("/thumb.jpg");
    ASSERT_TRUE(ReducePictureSize(source, target, QImage(), QString(), false, 2, 75));
    const QList<JpegSegment> kept = ReadJpegMetadataSegments(readFile(target));
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept[0].marker, 0xE1);
    EXPECT_TRUE(kept[0].data.startsWith(QByteArray("Exif\0\0", 6)));
    EXPECT_EQ(kept[1].data, iccSegment("RGB ").data);
    EXPECT_LT(QFileInfo(target).size(), 30000);
    TimgData data(255);
    ASSERT_TRUE(data.ProcessFile(target));
    EXPECT_EQ(data.PictureSize(), QSize(800, 600));
    EXPECT_EQ(QFileInfo(target).lastModified(),
              QDateTime::fromString(QStringLiteral("2009-07-14 10:20:30"), QStringLiteral("yyyy-MM-dd HH:mm:ss")));

    // A profile for CMYK or grey does not describe the RGB copy.
    EXPECT_TRUE(ExifAndColourProfile({iccSegment("CMYK")}).isEmpty());
    EXPECT_TRUE(ExifAndColourProfile({iccSegment("GRAY")}).isEmpty());
}

TEST(ReducePicture, ShownPictureAtItsSizeAndAFailedLoadIsReported)
{
    const QString dir = freshDir(QStringLiteral("shown"));
    QImage shown(123, 77, QImage::Format_RGB32);
    shown.fill(Qt::green);
    const QString cut = dir + QStringLiteral("/cut1.jpg");
    ASSERT_TRUE(ReducePictureSize(dir + QStringLiteral("/cut1.bmp"), cut, shown, QString(), false, -1, 100));
    EXPECT_EQ(QImageReader(cut).size(), QSize(123, 77));

    const QString broken = dir + QStringLiteral("/broken.jpg");
    writeFile(broken, QByteArray("\xFF\xD8\xFF\xE0garbage", 11));
    const QString keep = dir + QStringLiteral("/keep.jpg");
    writeFile(keep, "old");
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    EXPECT_FALSE(ReducePictureSize(broken, keep, QImage(), QString(), false, 1, 75));
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.text,
              QStringLiteral("Picture broken.jpg could not be loaded, picture skipped"));
    EXPECT_EQ(platform::promptLog()[0].request.kind, platform::PromptKind::Error);
    EXPECT_EQ(readFile(keep), QByteArray("old"));
}

#include "sharing/uploader.h"

TEST(Uploader, ConnectedOnlyWhenTheProgramExists)
{
    const QString program = freshDir(QStringLiteral("up")) + QStringLiteral("/uploadr");
    writeFile(program, "#!/bin/sh\n");
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    EXPECT_TRUE(CheckUploaderConnected(false, program));
    EXPECT_FALSE(CheckUploaderConnected(true, program + QStringLiteral("-gone")));
    EXPECT_TRUE(platform::promptLog().isEmpty());
    EXPECT_FALSE(CheckUploaderConnected(false, QString()));
    EXPECT_EQ(platform::promptLog().size(), 1);
}
