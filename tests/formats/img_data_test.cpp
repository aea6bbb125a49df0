// The metadata reader over exiv2: found tags in file order, the usual
// fields, damaged and missing files, the camera name rule of the EXIF
// reads, and the metadata copy into a re-saved JPEG.
#include "formats/img_data.h"
#include "formats/jpeg_decoder.h"
#include "formats/picture_fixtures.h"
#include "formats/read_exif_info.h"
#include "support/sandbox.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace fixtures;

namespace {

QByteArray exifJpeg(int w = 120, int h = 80)
{
    return withExif(jpeg(w, h), {
                                    {"Exif.Image.Make", "Canon"},
                                    {"Exif.Image.Model", "Canon EOS 20D"},
                                    {"Exif.Image.DateTime", "2009:01:02 03:04:05"},
                                    {"Exif.Photo.DateTimeOriginal", "2008:07:06 05:04:03"},
                                    {"Exif.Photo.PixelXDimension", std::to_string(w)},
                                    {"Exif.Photo.PixelYDimension", std::to_string(h)},
                                });
}

} // namespace

TEST(TimgData, ReadsTheExifFieldsOfAPicture)
{
    const QString path = testsupport::freshDir("exif") + "/photo.jpg";
    ASSERT_TRUE(testsupport::writeFile(path, exifJpeg()));
    TimgData data(255);
    ASSERT_TRUE(data.ProcessFile(path));
    ASSERT_TRUE(data.HasExif());
    EXPECT_EQ(data.CameraMake(), "Canon");
    EXPECT_EQ(data.CameraModel(), "Canon EOS 20D");
    EXPECT_EQ(data.DateTaken(), "2008:07:06 05:04:03");
    EXPECT_EQ(data.PictureSize(), QSize(120, 80));

    // The main block's tags come before the EXIF sub-block's.
    std::vector<uint16_t> order;
    TTagEntry tag;
    data.ExifObj.ResetIterator();
    while (data.ExifObj.NextFoundTag(0, tag))
        order.push_back(tag.Tag);
    const auto pos = [&](uint16_t t) { return std::find(order.begin(), order.end(), t) - order.begin(); };
    EXPECT_LT(pos(306), pos(36867));
    EXPECT_LT(pos(271), pos(40962));
    EXPECT_LT(pos(40963), qsizetype(order.size()));
    // The iterator starts over after a reset; other kinds give nothing.
    data.ExifObj.ResetIterator();
    ASSERT_TRUE(data.ExifObj.NextFoundTag(0, tag));
    EXPECT_EQ(tag.Tag, order.front());
    EXPECT_FALSE(data.ExifObj.NextFoundTag(1, tag));
}

TEST(TimgData, FilesWithoutUsableExif)
{
    const QString dir = testsupport::freshDir("noexif");
    TimgData data;
    ASSERT_TRUE(testsupport::writeFile(dir + "/plain.jpg", jpeg(40, 30)));
    EXPECT_TRUE(data.ProcessFile(dir + "/plain.jpg"));
    EXPECT_FALSE(data.HasExif());
    EXPECT_FALSE(data.ProcessFile(dir + "/missing.jpg"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/empty.jpg", QByteArray()));
    EXPECT_FALSE(data.ProcessFile(dir + "/empty.jpg"));
    EXPECT_FALSE(data.HasExif());
    ASSERT_TRUE(testsupport::writeFile(dir + "/junk.jpg", QByteArray(300, '\x17')));
    EXPECT_FALSE(data.ProcessFile(dir + "/junk.jpg"));

    // An EXIF block whose offsets point past its end: no crash, and the
    // reader gives whatever it could make of it.
    QByteArray damaged = exifJpeg();
    const int tiff = damaged.indexOf("Exif\0\0", 0) + 6;
    ASSERT_GT(tiff, 6);
    for (int i = tiff + 8; i < tiff + 120 && i < damaged.size(); i += 3)
        damaged[i] = char(0xFF);
    data.ProcessBytes(damaged);
}

TEST(ReadExifInfo, CameraNameRules)
{
    EXPECT_EQ(JoinCameraName("Canon", "Canon EOS 20D"), "Canon EOS 20D");
    EXPECT_EQ(JoinCameraName("NIKON CORPORATION", "NIKON D70"), "NIKON CORPORATION NIKON D70");
    EXPECT_EQ(JoinCameraName(" Canon ", ""), "Canon ");
    EXPECT_EQ(JoinCameraName("", "E950"), "E950");
}

TEST(ReadExifInfo, ReadsOnlyTheWantedGroups)
{
    const QString path = testsupport::freshDir("exifinfo") + "/photo.JPG";
    ASSERT_TRUE(testsupport::writeFile(path, exifJpeg(64, 48)));
    ExifInfo all;
    ReadExifInfo(path, true, true, true, all);
    EXPECT_EQ(all.DateTaken, "2008:07:06 05:04:03"); // DateTimeOriginal comes later and wins
    EXPECT_EQ(all.Camera, "Canon EOS 20D");
    EXPECT_EQ(all.Width, "64");
    EXPECT_EQ(all.Height, "48");

    ExifInfo cameraOnly;
    ReadExifInfo(path, false, true, false, cameraOnly);
    EXPECT_TRUE(cameraOnly.DateTaken.isEmpty());
    EXPECT_EQ(cameraOnly.Camera, "Canon EOS 20D");
    EXPECT_TRUE(cameraOnly.Width.isEmpty());

    ExifInfo none;
    ReadExifInfo(path + ".missing", true, true, true, none);
    EXPECT_TRUE(none.DateTaken.isEmpty() && none.Camera.isEmpty() && none.Width.isEmpty());
}

// Page decodes and thumbnail runs read metadata on several workers at once:
// each read gets its own file's fields, whatever the others do meanwhile.
TEST(ReadExifInfo, ThreadsReadingAtOnceEachGetTheirOwnFile)
{
    const QString dir = testsupport::freshDir("exifthreads");
    constexpr int kFiles = 8;
    QStringList paths;
    for (int i = 0; i < kFiles; ++i) {
        const std::string date = "2010:01:0" + std::to_string(i + 1) + " 10:11:12";
        // Sizes differ, so that the parses take different times and overlap.
        const QByteArray bytes = withExif(jpeg(40 + 30 * i, 30 + 20 * i),
                                          {{"Exif.Photo.DateTimeOriginal", date},
                                           {"Exif.Image.Model", "Camera " + std::to_string(i)},
                                           {"Exif.Photo.PixelXDimension", std::to_string(1000 + i)}});
        paths << dir + QStringLiteral("/p%1.jpg").arg(i);
        ASSERT_TRUE(testsupport::writeFile(paths.back(), bytes));
    }
    std::vector<int> wrong(kFiles, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kFiles; ++t) {
        threads.emplace_back([&, t] {
            const QString wantDate = QStringLiteral("2010:01:0%1 10:11:12").arg(t + 1);
            for (int round = 0; round < 200; ++round) {
                ExifInfo info;
                ReadExifInfo(paths.at(t), true, true, true, info);
                if (info.DateTaken != wantDate || info.Camera != QStringLiteral("Camera %1").arg(t)
                    || info.Width != QString::number(1000 + t))
                    ++wrong[size_t(t)];
            }
        });
    }
    for (std::thread& th : threads)
        th.join();
    for (int t = 0; t < kFiles; ++t)
        EXPECT_EQ(wrong[size_t(t)], 0) << "file " << t;
}

TEST(WriteExifJpeg, CarriesTheMetadataIntoTheResavedPicture)
{
    const QString dir = testsupport::freshDir("carry");
    ASSERT_TRUE(testsupport::writeFile(dir + "/source.jpg", exifJpeg(400, 300)));
    const QByteArray reduced = jpeg(200, 150, 60);
    ASSERT_TRUE(testsupport::writeFile(dir + "/reduced.jpg", reduced));

    TimgData data;
    ASSERT_TRUE(data.WriteExifJpeg(dir + "/source.jpg", dir + "/reduced.jpg"));
    const QByteArray written = testsupport::readFile(dir + "/reduced.jpg");
    EXPECT_EQ(DecodeJpeg(written, QSize()).image.size(), QSize(200, 150));
    // EXIF stands right after the start marker.
    EXPECT_EQ(written.mid(6, 4), QByteArray("Exif"));
    ASSERT_TRUE(data.ProcessFile(dir + "/reduced.jpg"));
    EXPECT_EQ(data.CameraModel(), "Canon EOS 20D");
    EXPECT_EQ(data.DateTaken(), "2008:07:06 05:04:03");
    EXPECT_EQ(data.PictureSize(), QSize(200, 150));

    // A source that cannot be read leaves the target as it was.
    const QByteArray before = testsupport::readFile(dir + "/reduced.jpg");
    EXPECT_FALSE(data.WriteExifJpeg(dir + "/missing.jpg", dir + "/reduced.jpg"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/broken.jpg", QByteArray("\xFF\xD8\xFF\xE1 broken")));
    EXPECT_FALSE(data.WriteExifJpeg(dir + "/source.jpg", dir + "/broken.jpg"));
    EXPECT_EQ(testsupport::readFile(dir + "/reduced.jpg"), before);
}
