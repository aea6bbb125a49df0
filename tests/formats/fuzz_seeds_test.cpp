// The seed files of the two fuzz targets are made from the same sandbox
// pictures as the tests. With VISTAMO_WRITE_FUZZ_SEEDS set to the
// repository's tests/fuzz/seeds folder, this test (re)writes them;
// otherwise it checks that every seed is there and small.
#include "formats/picture_fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace fixtures;

namespace {

std::vector<std::pair<QString, QByteArray>> loaderSeeds()
{
    const auto tagged = [](int kind, const QByteArray& body) { return QByteArray(1, char(kind)) + body; };
    return {
        {"jpeg_cell", tagged(0, jpeg(40, 30, 50))},
        {"jpeg_full", tagged(6, jpeg(17, 9, 50))},
        {"bmp", tagged(1, bmp(12, 7))},
        {"ico", tagged(2, ico(16, 16))},
        {"gif_anim", tagged(3, animatedGif(6, 4, {1, 2, 3}))},
        {"emf", tagged(4, emf(64, 32))},
        {"wmf", tagged(5, wmf(48, 24))},
    };
}

std::vector<std::pair<QString, QByteArray>> exifSeeds()
{
    const QByteArray photo = withExif(jpeg(16, 16, 40), {{"Exif.Image.Make", "Canon"},
                                                         {"Exif.Image.Model", "Canon EOS 20D"},
                                                         {"Exif.Image.DateTime", "2009:01:02 03:04:05"},
                                                         {"Exif.Photo.DateTimeOriginal", "2008:07:06 05:04:03"},
                                                         {"Exif.Photo.PixelXDimension", "16"},
                                                         {"Exif.Photo.PixelYDimension", "16"}});
    // The bare EXIF block (after "Exif\0\0") for the wrapped form.
    const int at = photo.indexOf(QByteArray("Exif\0\0", 6));
    const int length = (uchar(photo[at - 2]) << 8) | uchar(photo[at - 1]);
    const QByteArray block = photo.mid(at + 6, length - 8);
    return {
        {"file_with_exif", QByteArray(1, '\0') + photo},
        {"file_plain", QByteArray(1, '\0') + jpeg(8, 8, 40)},
        {"block", QByteArray(1, '\1') + block},
    };
}

void writeOrCheck(const QString& target, const std::vector<std::pair<QString, QByteArray>>& seeds)
{
    const QString root = qEnvironmentVariable("VISTAMO_WRITE_FUZZ_SEEDS");
    if (!root.isEmpty()) {
        QDir().mkpath(root + "/" + target);
        for (const auto& s : seeds) {
            QFile f(root + "/" + target + "/" + s.first);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(s.second);
        }
        return;
    }
    const QString dir = QStringLiteral(VISTAMO_TEST_DATA) + "/fuzz/seeds/" + target;
    for (const auto& s : seeds) {
        QFileInfo info(dir + "/" + s.first);
        EXPECT_TRUE(info.exists()) << s.first.toStdString();
        EXPECT_LT(info.size(), 8 * 1024) << s.first.toStdString();
    }
}

} // namespace

TEST(FuzzSeeds, PictureLoaderSeedsArePresentAndSmall) { writeOrCheck("fuzz_picture_loader", loaderSeeds()); }
TEST(FuzzSeeds, ExifSeedsArePresentAndSmall) { writeOrCheck("fuzz_exif", exifSeeds()); }
