// Decoders: DCT scale choice, true size kept apart from the buffer, every
// format loaded from sandbox files, and bad input refused as an invalid
// graphic without large allocations.
#include "formats/isolated_call.h"
#include "formats/jpeg_decoder.h"
#include "formats/metafile.h"
#include "formats/picture_errors.h"
#include "formats/picture_file.h"
#include "formats/picture_fixtures.h"
#include "support/sandbox.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

using namespace fixtures;

TEST(JpegScale, SmallestScaleThatStillCoversTheTarget)
{
    // 6000 x 4000 fitted into 1920 x 1080 is shown 1620 x 1080: 3/8 gives
    // 2250 x 1500, 2/8 only 1500 x 1000.
    EXPECT_EQ(ChooseJpegScale(QSize(6000, 4000), QSize(1620, 1080)), 3);
    EXPECT_EQ(ChooseJpegScale(QSize(6000, 4000), QSize(160, 107)), 1);
    EXPECT_EQ(ChooseJpegScale(QSize(6000, 4000), QSize(750, 500)), 1);  // exactly 1/8
    EXPECT_EQ(ChooseJpegScale(QSize(6000, 4000), QSize(751, 500)), 2);
    EXPECT_EQ(ChooseJpegScale(QSize(400, 300), QSize(800, 600)), 8);    // enlargement: full size
    EXPECT_EQ(ChooseJpegScale(QSize(400, 300), QSize()), 8);            // no target: full size
    EXPECT_EQ(ChooseJpegScale(QSize(0, 300), QSize(10, 10)), 8);
    // libjpeg rounds scaled sides up.
    EXPECT_EQ(ScaledJpegSize(QSize(1001, 667), 1), QSize(126, 84));
}

TEST(JpegDecode, KeepsTrueSizeApartFromTheScaledBuffer)
{
    const QByteArray bytes = jpeg(1001, 667);
    const DecodedJpeg small = DecodeJpeg(bytes, QSize(200, 133));
    EXPECT_EQ(small.trueSize, QSize(1001, 667));
    EXPECT_EQ(small.scaleNum, 2);
    EXPECT_EQ(small.image.size(), QSize(251, 167));
    // The colours survive the scaled decode (top-left quarter is red).
    const QColor c = small.image.pixelColor(20, 20);
    EXPECT_GT(c.red(), 180);
    EXPECT_LT(c.blue(), 90);

    const DecodedJpeg full = DecodeJpeg(bytes, QSize());
    EXPECT_EQ(full.image.size(), QSize(1001, 667));
    EXPECT_EQ(full.scaleNum, 8);
    EXPECT_EQ(ReadJpegHeader(bytes).size, QSize(1001, 667));
}

TEST(JpegDecode, ToSizeLooksLikeTheSmoothScaleOfTheScaledBuffer)
{
    // Gradients, hard edges and fine lines, shrunk a little (7/8 then to the
    // size) and a lot (1/8 then to the size).
    QImage picture(1600, 1000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 1599, (x / 40 + y / 40) % 2 ? 230 : 20, y % 3 ? y * 255 / 999 : 0));
    const QByteArray bytes = encode(picture, "JPG", 90);
    for (const QSize target : {QSize(1370, 856), QSize(190, 119)}) {
        const DecodedJpeg fitted = DecodeJpegToSize(bytes, target);
        ASSERT_EQ(fitted.image.size(), target);
        ASSERT_EQ(fitted.image.format(), QImage::Format_RGB32);
        const QImage smooth = DecodeJpeg(bytes, target).image.scaled(target, Qt::IgnoreAspectRatio,
                                                                         Qt::SmoothTransformation);
        double total = 0;
        int largest = 0;
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x) {
                const QRgb a = fitted.image.pixel(x, y), b = smooth.pixel(x, y);
                for (const int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
                    total += std::abs(d);
                    largest = std::max(largest, std::abs(d));
                }
                ASSERT_EQ(qAlpha(a), 255);
            }
        EXPECT_LT(total / (3.0 * target.width() * target.height()), 1.0) << target.width();
        EXPECT_LE(largest, 24) << target.width();
    }
    // No reduction left: the decoded size itself.
    EXPECT_EQ(DecodeJpegToSize(bytes, QSize(1400, 875)).image.size(), QSize(1400, 875));
    EXPECT_EQ(DecodeJpegToSize(bytes, QSize(3200, 2000)).image.size(), QSize(1600, 1000));
}

namespace {

// The picture written as a progressive JPEG (empty when it can't be).
QByteArray progressiveJpeg(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    return writer.write(picture) ? bytes : QByteArray();
}

} // namespace

TEST(JpegDecode, ProgressivePicturesDecodeScaled)
{
    const QByteArray bytes = progressiveJpeg(testPattern(800, 600));
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(ReadJpegHeader(bytes).progressive);
    const DecodedJpeg d = DecodeJpeg(bytes, QSize(200, 150));
    EXPECT_EQ(d.trueSize, QSize(800, 600));
    EXPECT_EQ(d.image.size(), QSize(200, 150));
    EXPECT_EQ(d.scaleNum, 2);
}

TEST(JpegDecode, ProgressiveAtOneEighthGivesThePixelsOfTheWholeData)
{
    // At 1/8 the luma reads only DC coefficients, so its AC scans are left
    // out; the pixels are those libjpeg makes from every scan.
    const QByteArray bytes = progressiveJpeg(testPattern(800, 600));
    ASSERT_FALSE(bytes.isEmpty());
    const DecodedJpeg d = DecodeJpeg(bytes, QSize(100, 75));
    ASSERT_EQ(d.scaleNum, 1);
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr err;
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = 1;
    cinfo.scale_denom = 8;
    cinfo.do_fancy_upsampling = FALSE;
    cinfo.dct_method = JDCT_IFAST;
    cinfo.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&cinfo);
    QImage whole(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = whole.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    EXPECT_EQ(d.image, whole);
}

TEST(JpegDecode, GreyPicturesDecode)
{
    QImage grey = testPattern(33, 17).convertToFormat(QImage::Format_Grayscale8);
    const DecodedJpeg d = DecodeJpeg(encode(grey, "JPG"), QSize());
    EXPECT_EQ(d.image.size(), QSize(33, 17));
}

TEST(JpegDecode, BadDataIsAnInvalidGraphic)
{
    const QByteArray good = jpeg(640, 480);
    EXPECT_THROW(DecodeJpeg(QByteArray(), QSize()), EInvalidGraphic);
    EXPECT_THROW(DecodeJpeg(good.left(good.size() / 2), QSize()), EJPEGError);   // truncated
    EXPECT_THROW(DecodeJpeg(good.left(100), QSize()), EJPEGError);               // header cut
    EXPECT_THROW(DecodeJpeg(QByteArray("\xFF\xD8 not a jpeg at all"), QSize()), EJPEGError);
    QByteArray scrambled = good;
    for (int i = 200; i < scrambled.size(); i += 7)
        scrambled[i] = char(scrambled[i] ^ 0x5A);
    try {
        DecodeJpeg(scrambled, QSize(100, 100)); // may decode as noise, must not crash
    } catch (const EInvalidGraphic&) {
    }
}

TEST(JpegDecode, HugeClaimedDimensionsAreRefusedBeforeAllocating)
{
    const QByteArray huge = withJpegSize(jpeg(64, 64), 65000, 65000);
    EXPECT_EQ(ReadJpegHeader(huge).size, QSize(65000, 65000)); // the header alone reads fine
    EXPECT_THROW(DecodeJpeg(huge, QSize()), EJPEGError);
    EXPECT_THROW(DecodeJpeg(huge, QSize(160, 120)), EJPEGError);
}

TEST(PictureFile, KindByExtensionIgnoresCase)
{
    EXPECT_EQ(PictureKindOfPath("/p/a.JPG"), PictureKind::Jpeg);
    EXPECT_EQ(PictureKindOfPath("/p/a.jpeg"), PictureKind::Jpeg);
    EXPECT_EQ(PictureKindOfPath("/p/a.Bmp"), PictureKind::Bitmap);
    EXPECT_EQ(PictureKindOfPath("/p/a.ico"), PictureKind::Icon);
    EXPECT_EQ(PictureKindOfPath("/p/a.GIF"), PictureKind::Gif);
    EXPECT_EQ(PictureKindOfPath("/p/a.emf"), PictureKind::Emf);
    EXPECT_EQ(PictureKindOfPath("/p/a.wmf"), PictureKind::Wmf);
    EXPECT_EQ(PictureKindOfPath("/p/a.png"), PictureKind::Unknown);
    EXPECT_EQ(PictureKindOfPath("/p/jpg"), PictureKind::Unknown);
}

TEST(PictureFile, EveryFormatLoadsWithItsTrueSize)
{
    const QString dir = testsupport::freshDir("formats");
    struct Case {
        QString name;
        QByteArray bytes;
        QSize size;
    };
    const std::vector<Case> cases = {
        {"odd.jpg", jpeg(333, 77), QSize(333, 77)},
        {"odd.bmp", bmp(31, 9), QSize(31, 9)},
        {"icon.ico", ico(32, 32), QSize(32, 32)},
        {"anim.gif", animatedGif(20, 10, {1, 2, 3}), QSize(20, 10)},
        {"shape.emf", emf(200, 100), QSize(200, 100)},
        {"shape.wmf", wmf(96, 48), QSize(96, 48)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        ASSERT_TRUE(testsupport::writeFile(dir + "/" + c.name, c.bytes));
        const LoadedPicture p = LoadPictureFile(dir + "/" + c.name, QSize());
        EXPECT_EQ(p.trueSize, c.size);
        EXPECT_FALSE(p.image.isNull());
    }
}

TEST(PictureFile, MetafilesAreDrawnAtTheSizeShown)
{
    const LoadedPicture p = DecodePicture(emf(200, 100), PictureKind::Emf, QSize(400, 200));
    EXPECT_EQ(p.trueSize, QSize(200, 100));
    EXPECT_EQ(p.image.size(), QSize(400, 200));
    // The rectangle's middle is drawn, the corner stays white.
    EXPECT_EQ(p.image.pixelColor(2, 2), QColor(Qt::white));

    // A placeable WMF is framed by its header's bounds: the rectangle drawn
    // from 20 % to 80 % of the frame stays there (not stretched to fill it).
    const LoadedPicture w = DecodePicture(wmf(96, 48), PictureKind::Wmf, QSize(384, 192));
    EXPECT_EQ(w.trueSize, QSize(96, 48));
    EXPECT_EQ(w.image.size(), QSize(384, 192));
    EXPECT_EQ(w.image.pixelColor(4, 96), QColor(Qt::white));
    EXPECT_LT(w.image.pixelColor(77, 96).lightness(), 100);
    EXPECT_EQ(w.image.pixelColor(192, 96), QColor(Qt::white));
}

TEST(PictureFile, AnimatedGifKeepsItsFrames)
{
    const LoadedPicture p = DecodePicture(animatedGif(8, 6, {1, 2, 3}, 25), PictureKind::Gif, QSize());
    ASSERT_TRUE(p.gif);
    EXPECT_TRUE(p.gif->Animated());
    EXPECT_EQ(p.gif->FrameCount(), 3);
    EXPECT_EQ(p.gif->Delay(0), 250);
    EXPECT_EQ(p.gif->Frame(0).pixelColor(3, 3), QColor(255, 0, 0));
    EXPECT_EQ(p.gif->Frame(1).pixelColor(3, 3), QColor(0, 255, 0));
}

TEST(PictureFile, BadFilesOfEveryKindAreInvalidGraphics)
{
    for (PictureKind kind : {PictureKind::Jpeg, PictureKind::Bitmap, PictureKind::Icon, PictureKind::Gif,
                             PictureKind::Emf, PictureKind::Wmf, PictureKind::Unknown}) {
        SCOPED_TRACE(int(kind));
        EXPECT_THROW(DecodePicture(QByteArray(), kind, QSize()), EInvalidGraphic);          // zero bytes
        EXPECT_THROW(DecodePicture(QByteArray(64, 'x'), kind, QSize()), EInvalidGraphic);   // garbage
    }
    const QByteArray gif = animatedGif(8, 6, {1});
    EXPECT_THROW(DecodePicture(gif.left(20), PictureKind::Gif, QSize()), EGIFError);
    const QByteArray b = bmp(40, 30);
    EXPECT_THROW(DecodePicture(b.left(30), PictureKind::Bitmap, QSize()), EInvalidGraphic);
}

TEST(PictureFile, HugeClaimedSizesAreRefused)
{
    QByteArray gif = animatedGif(8, 6, {1});
    gif[6] = gif[7] = gif[8] = gif[9] = char(0xFF); // 65535 x 65535 screen
    EXPECT_THROW(DecodePicture(gif, PictureKind::Gif, QSize()), EGIFError);

    QByteArray b = bmp(4, 4);
    const qint32 side = 200000;
    memcpy(b.data() + 18, &side, 4);
    memcpy(b.data() + 22, &side, 4);
    EXPECT_THROW(DecodePicture(b, PictureKind::Bitmap, QSize()), EInvalidGraphic);
}

TEST(Metafile, DamagedRecordChainsAreRefused)
{
    const QByteArray good = emf(50, 50);
    EXPECT_EQ(CheckEmfStructure(good), QSize(50, 50));
    EXPECT_THROW(CheckEmfStructure(good.left(good.size() - 20)), EMetafileError); // no end record
    QByteArray longRecord = good;
    const quint32 tooLong = 4000;
    memcpy(longRecord.data() + 88 + 4, &tooLong, 4);
    EXPECT_THROW(CheckEmfStructure(longRecord), EMetafileError);
    QByteArray zeroFrame = good;
    memset(zeroFrame.data() + 8, 0, 32); // no frame, bounds of no width
    const qint32 minusOne = -1;
    memcpy(zeroFrame.data() + 16, &minusOne, 4);
    EXPECT_THROW(EmfToSvg(zeroFrame), EMetafileError);

    const QByteArray w = wmf(96, 48);
    EXPECT_EQ(CheckWmfStructure(w), QSize(96, 48));
    EXPECT_THROW(CheckWmfStructure(w.left(w.size() - 6)), EMetafileError);
    QByteArray noInch = w;
    noInch[14] = noInch[15] = 0;
    EXPECT_THROW(CheckWmfStructure(noInch), EMetafileError);
}

TEST(PictureFile, OpenFailuresAreFileOpenErrors)
{
    const QString dir = testsupport::freshDir("open");
    EXPECT_THROW(ReadPictureFile(dir + "/missing.jpg"), EFOpenError);
    EXPECT_THROW(ReadPictureFile(dir), EFOpenError);
    EXPECT_THROW(LoadPictureFile(dir + "/x.png", QSize()), EFOpenError); // missing comes first
    ASSERT_TRUE(testsupport::writeFile(dir + "/x.png", "png?"));
    EXPECT_THROW(LoadPictureFile(dir + "/x.png", QSize()), EInvalidGraphic);
    ASSERT_TRUE(testsupport::writeFile(dir + "/empty.jpg", QByteArray()));
    EXPECT_THROW(LoadPictureFile(dir + "/empty.jpg", QSize()), EInvalidGraphic);
}

TEST(PictureFile, FilesBeyondFourGigabytesAreRefusedWithoutReading)
{
    // A sparse file: its 64-bit size is what counts, no byte is read.
    const QString path = testsupport::freshDir("large") + "/huge.jpg";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(jpeg(8, 8));
    ASSERT_TRUE(file.resize(5LL * 1024 * 1024 * 1024));
    file.close();
    EXPECT_EQ(QFileInfo(path).size(), 5LL * 1024 * 1024 * 1024);
    EXPECT_THROW(LoadPictureFile(path, QSize(100, 100)), EInvalidGraphic);
    QFile::remove(path);
}

TEST(IsolatedCall, ChildFailuresBecomeNoResult)
{
    EXPECT_EQ(RunIsolated([] { return QByteArray("svg"); }).value_or("none"), "svg");
    EXPECT_FALSE(RunIsolated([] { return QByteArray(); }).has_value());
    EXPECT_FALSE(RunIsolated([]() -> QByteArray { throw std::runtime_error("x"); }).has_value());
    EXPECT_FALSE(RunIsolated([]() -> QByteArray { std::abort(); }).has_value());
    EXPECT_FALSE(RunIsolated([]() -> QByteArray {
        for (;;)
            ::pause();
    }, 300).has_value());
    // A large result comes through the pipe whole.
    const QByteArray big(3 * 1024 * 1024, 'x');
    EXPECT_EQ(RunIsolated([&] { return big; }).value_or(QByteArray()).size(), big.size());
}
