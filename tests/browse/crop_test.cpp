#include "browse/crop.h"
#include "browse/crop_cut_out.h"
#include "platform/file_attributes.h"
#include "support/sandbox.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

CropContext fullView(const QString& path = QStringLiteral("/pics/a.jpg"))
{
    CropContext c;
    c.picturePath = path;
    c.fullViewActive = true;
    c.fullScreenVisible = true;
    return c;
}

CropContext pausedShow(const QString& path = QStringLiteral("/pics/a.jpg"))
{
    CropContext c;
    c.picturePath = path;
    c.showRunning = true;
    c.manualMode = true;
    return c;
}

CropGeometry geometry(QSize image, QSize picture)
{
    return CropGeometry{image, picture};
}

} // namespace

TEST(CropRatio, CaptionNamesSquareCustomOrTheNumbers)
{
    EXPECT_EQ(CropRatioCaption(false, 9, 0, 0, 0), QStringLiteral("Square"));
    EXPECT_EQ(CropRatioCaption(false, 9, 16, 0, 0), QStringLiteral("16:9"));
    EXPECT_EQ(CropRatioCaption(false, 1, 1.5, 0, 0), QStringLiteral("1.5:1"));
    EXPECT_EQ(CropRatioCaption(false, 0.1, 0.3, 0, 0), QStringLiteral("0.3:0.1"));
    EXPECT_EQ(CropRatioCaption(true, 2, 3, 2, 3), QStringLiteral("Custom ratio"));
    EXPECT_EQ(CropRatioCaption(false, 2, 3, 2, 3), QStringLiteral("3:2"));
}

TEST(CropRatio, KeepsSixteenToNine)
{
    const QPoint s(0, 0);
    EXPECT_EQ(KeepCropRatio({160, 10}, s, false, false, 16, 9), QPoint(160, 90));
    EXPECT_EQ(KeepCropRatio({10, 90}, s, false, false, 16, 9), QPoint(160, 90));
    // Pinned coordinates stay, the other follows (rounded to nearest).
    EXPECT_EQ(KeepCropRatio({300, 5}, {100, 50}, false, true, 16, 9), QPoint(300, 162));  // 112.5 -> 112
    EXPECT_EQ(KeepCropRatio({5, 140}, {100, 50}, true, false, 16, 9), QPoint(260, 140));
    // Square: width 0.
    EXPECT_EQ(KeepCropRatio({110, 20}, {10, 10}, false, false, 0, 0), QPoint(110, 110));
    EXPECT_EQ(KeepCropRatio({20, 110}, {10, 10}, false, false, 0, 5), QPoint(110, 110));
}

TEST(CropRatio, AStoredRatioOfZeroActsAsTheSquare)
{
    for (const auto& [w, h] : {std::pair{16.0, 0.0}, {0.0, 0.0}, {-4.0, 3.0}, {std::nan(""), 2.0},
                               {4.0, HUGE_VAL}}) {
        EXPECT_EQ(KeepCropRatio({110, 20}, {10, 10}, false, false, w, h), QPoint(110, 110));
        EXPECT_EQ(KeepCropRatio({20, 110}, {10, 10}, true, false, w, h), QPoint(110, 110));
    }
}

TEST(CropRatio, ExtremeRatiosStayInRange)
{
    const QPoint q = KeepCropRatio({500, 10}, {10, 10}, false, true, 1e-300, 1);
    EXPECT_EQ(q.x(), 500);
    EXPECT_EQ(q.y(), 1 << 28);
    const QPoint r = KeepCropRatio({10, 500}, {INT_MAX - 5, 10}, true, false, 1e300, 1);
    EXPECT_EQ(r.x(), 1 << 28);
    // Through the selection the point ends up on the image's edge.
    CropSelection c;
    CropContext ctx;
    ctx.picturePath = QStringLiteral("/p/a.jpg");
    ctx.fullViewActive = true;
    c.mouseDown({10, 10}, ctx, 1e-300, 1, 0, 0);
    const CropMoveResult m = c.mouseMove({500, 600}, true, true, false, CropGeometry{{400, 300}, {400, 300}}, ctx,
                                         1e-300, 1);
    EXPECT_EQ(m.end, QPoint(10, 300));
    CropSelection wide;
    wide.mouseDown({10, 10}, ctx, 1e300, 1, 0, 0);
    const CropMoveResult n = wide.mouseMove({500, 600}, true, true, false, CropGeometry{{400, 300}, {400, 300}},
                                            ctx, 1e300, 1);
    EXPECT_EQ(n.end, QPoint(400, 10));
}

TEST(CropMapping, SelectionMapsOntoTheTruePictureSize)
{
    const CutOutGeometry g = MapSelectionToPicture(QRect(10, 10, 100, 50), {800, 600}, {4000, 3000});
    ASSERT_FALSE(g.tooSmall);
    EXPECT_EQ(g.source, QRect(50, 50, 500, 250));
}

TEST(CropMapping, ARectangleOnePixelPastTheEdgeIsCutBack)
{
    // left 1.5 -> 2, width round(7.5) -> 8: right edge 10 on a 9-pixel picture.
    const CutOutGeometry g = MapSelectionToPicture(QRect(1, 1, 5, 5), {6, 6}, {9, 9});
    ASSERT_FALSE(g.tooSmall);
    EXPECT_EQ(g.source, QRect(2, 2, 7, 7));
}

TEST(CropMapping, SelectionWithoutPicturePixelsIsTooSmall)
{
    EXPECT_TRUE(MapSelectionToPicture(QRect(0, 0, 3, 3), {800, 800}, {2, 2}).tooSmall);
    EXPECT_TRUE(MapSelectionToPicture(QRect(0, 0, 30, 30), {0, 600}, {400, 300}).tooSmall);
    EXPECT_TRUE(MapSelectionToPicture(QRect(0, 0, 30, 30), {800, 600}, {0, 300}).tooSmall);
}

TEST(CropSelectionFlow, DragInTheFullViewCutsOut)
{
    CropSelection c;
    const CropContext ctx = fullView();
    const CropGeometry g = geometry({800, 600}, {4000, 3000});
    c.mouseDown({10, 10}, ctx, 0, 0, 0, 0);
    EXPECT_EQ(c.CropAllowed, 1);
    const CropMoveResult m = c.mouseMove({110, 60}, true, false, false, g, ctx, 0, 0);
    ASSERT_TRUE(m.draw);
    EXPECT_EQ(m.sizeText, QStringLiteral("500x250"));
    EXPECT_EQ(m.fullSizeText, QStringLiteral("4000x3000"));
    const CropUpResult u = c.mouseUp(c.last(), g, ctx);
    EXPECT_EQ(u.action, CropUpAction::CutOut);
    EXPECT_EQ(u.source, QRect(50, 50, 500, 250));
    EXPECT_EQ(c.last(), CropSelection::kNoPoint);
    EXPECT_EQ(c.CropAllowed, 0);
}

TEST(CropSelectionFlow, ShiftDragPastTheRightEdgePinsXAndYFollows)
{
    CropSelection c;
    const CropContext ctx = fullView();
    const CropGeometry g = geometry({400, 300}, {400, 300});
    c.mouseDown({100, 50}, ctx, 16, 9, 0, 0);
    const CropMoveResult m = c.mouseMove({500, 60}, true, true, false, g, ctx, 16, 9);
    ASSERT_TRUE(m.draw);
    EXPECT_EQ(m.end, QPoint(400, 219));
    EXPECT_EQ(m.sizeText, QStringLiteral("300x169 (16:9)"));
}

TEST(CropSelectionFlow, CtrlMovesTheWholeRectangleAndStopsAtTheEdge)
{
    CropSelection c;
    const CropContext ctx = fullView();
    const CropGeometry g = geometry({400, 300}, {400, 300});
    c.mouseDown({50, 50}, ctx, 0, 0, 0, 0);
    c.mouseMove({150, 100}, true, false, false, g, ctx, 0, 0);
    const CropMoveResult m = c.mouseMove({70, 100}, true, false, true, g, ctx, 0, 0);
    EXPECT_EQ(m.start, QPoint(0, 50));
    EXPECT_EQ(m.end, QPoint(100, 100));
}

TEST(CropSelectionFlow, RunningShowRefusesWithThePauseHint)
{
    CropSelection c;
    CropContext ctx = pausedShow();
    ctx.manualMode = false;
    const CropGeometry g = geometry({800, 600}, {800, 600});
    c.mouseDown({10, 10}, ctx, 0, 0, 0, 0);
    EXPECT_EQ(c.CropAllowed, 0);
    EXPECT_FALSE(c.mouseMove({200, 200}, true, false, false, g, ctx, 0, 0).draw);
    const CropUpResult u = c.mouseUp({200, 200}, g, ctx);
    EXPECT_EQ(u.action, CropUpAction::Refused);
    EXPECT_TRUE(u.showPauseHint);
    EXPECT_EQ(CropPauseHintText(),
              QStringLiteral(" To crop and enlarge, pause show first (press space bar or click mouse wheel)"));
}

TEST(CropSelectionFlow, ClicksSmallSelectionsAndOtherPictures)
{
    const CropGeometry g = geometry({800, 800}, {2, 2});
    {   // A click in the full view closes it.
        CropSelection c;
        c.mouseDown({10, 10}, fullView(), 0, 0, 0, 0);
        EXPECT_EQ(c.mouseUp({11, 12}, g, fullView()).action, CropUpAction::CloseFullView);
    }
    {   // Under 3 pixels in a paused show: repaint only.
        CropSelection c;
        c.mouseDown({10, 10}, pausedShow(), 0, 0, 0, 0);
        c.mouseMove({12, 200}, true, false, false, g, pausedShow(), 0, 0);
        EXPECT_EQ(c.mouseUp(c.last(), g, pausedShow()).action, CropUpAction::RepaintOnly);
    }
    {   // Three pixels of a 2 x 2 picture on 800 x 800: no picture pixel.
        CropSelection c;
        c.mouseDown({0, 0}, pausedShow(), 0, 0, 0, 0);
        c.mouseMove({3, 3}, true, false, false, g, pausedShow(), 0, 0);
        EXPECT_EQ(c.mouseUp(c.last(), g, pausedShow()).action, CropUpAction::SelectionTooSmall);
        EXPECT_EQ(SelectionTooSmallText(), QStringLiteral("Selection too small!"));
    }
    {   // Another picture shown by the time the button is released.
        CropSelection c;
        c.mouseDown({10, 10}, fullView(), 0, 0, 0, 0);
        c.mouseMove({300, 300}, true, false, false, g, fullView(), 0, 0);
        const CropUpResult u = c.mouseUp(c.last(), g, fullView(QStringLiteral("/pics/b.jpg")));
        EXPECT_EQ(u.action, CropUpAction::Refused);
        EXPECT_FALSE(u.showPauseHint);
    }
    {   // Metafiles and icons are never cropped; nor is a zero-sized image.
        CropSelection c;
        c.mouseDown({10, 10}, fullView(QStringLiteral("/pics/a.WMF")), 0, 0, 0, 0);
        EXPECT_EQ(c.CropAllowed, 0);
        CropSelection z;
        z.mouseDown({0, 0}, fullView(), 0, 0, 0, 0);
        const CropGeometry empty = geometry({0, 0}, {0, 0});
        z.mouseMove({50, 50}, true, false, false, empty, fullView(), 0, 0);
        EXPECT_NE(z.mouseUp({50, 50}, empty, fullView()).action, CropUpAction::CutOut);
    }
}

TEST(CropReadout, StaysInsideTheImage)
{
    EXPECT_EQ(SizeReadoutPosition({100, 50}, {400, 300}, {10, 40}, {60, 12}), QPoint(115, 75));
    EXPECT_EQ(SizeReadoutPosition({100, 50}, {400, 300}, {390, 5}, {60, 12}), QPoint(430, 60));
}

// ---- Cut-out files ------------------------------------------------------------

TEST(CutOutFiles, NamesAndFolder)
{
    EXPECT_EQ(CutOutFolderFor(QStringLiteral("/home/u/.local/share/Vistamo")),
              QStringLiteral("/home/u/.local/share/Vistamo/temp/Cut out Bitmap Files"));
    EXPECT_EQ(CutOutFileName(12), QStringLiteral("cut12.bmp"));
    EXPECT_EQ(CutOutFilePath(QStringLiteral("/d/"), 1), QStringLiteral("/d/cut1.bmp"));
}

TEST(CutOutFiles, ThreeCutOutsAreNumberedAndWrittenAsBitmaps)
{
    const QString folder = CutOutFolderFor(testsupport::freshDir(QStringLiteral("data")));
    QImage shown(400, 300, QImage::Format_RGB32);
    shown.fill(Qt::green);
    int count = 0;
    for (int i = 1; i <= 3; ++i) {
        QImage bitmap;
        const CutOutSaved s = MakeCutOut(shown, shown.size(), QString(), QRect(10 * i, 10, 50 + i, 40),
                                         folder, count, &bitmap);
        ASSERT_EQ(s.result, CutOutSaveResult::Saved) << s.message.toStdString();
        EXPECT_EQ(count, i);
        EXPECT_EQ(s.path, folder + QStringLiteral("/cut") + QString::number(i) + QStringLiteral(".bmp"));
        const QByteArray bytes = testsupport::readFile(s.path);
        ASSERT_TRUE(bytes.startsWith("BM"));
        QImage back;
        ASSERT_TRUE(back.load(s.path, "BMP"));
        EXPECT_EQ(back.size(), QSize(50 + i, 40));
        EXPECT_EQ(back.pixel(5, 5), QColor(Qt::green).rgb());
        EXPECT_EQ(bitmap.size(), back.size());
    }
}

TEST(CutOutFiles, AReadOnlyOldCutOutIsReplaced)
{
    const QString folder = CutOutFolderFor(testsupport::freshDir(QStringLiteral("data")));
    const QString old = CutOutFilePath(folder, 1);
    ASSERT_TRUE(testsupport::writeFile(old, "old"));
    testsupport::setReadOnly(old, true);
    QImage bitmap(20, 10, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    const CutOutSaved s = SaveCutOutBitmap(bitmap, folder, 1);
    ASSERT_EQ(s.result, CutOutSaveResult::Saved);
    EXPECT_TRUE(testsupport::readFile(old).startsWith("BM"));
}

TEST(CutOutFiles, FailuresKeepTheCount)
{
    const QString dir = testsupport::freshDir(QStringLiteral("data"));
    const QString notAFolder = dir + QStringLiteral("/file");
    ASSERT_TRUE(testsupport::writeFile(notAFolder, "x"));
    QImage shown(40, 30, QImage::Format_RGB32);
    shown.fill(Qt::white);
    int count = 2;
    EXPECT_EQ(MakeCutOut(shown, shown.size(), QString(), QRect(0, 0, 10, 10), notAFolder, count).result,
              CutOutSaveResult::FolderFailed);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(MakeCutOut(QImage(), QSize(40, 30), QString(), QRect(0, 0, 10, 10), dir, count).result,
              CutOutSaveResult::NothingToSave);
    EXPECT_EQ(MakeCutOut(shown, shown.size(), QString(), QRect(50, 50, 10, 10), dir, count).result,
              CutOutSaveResult::NothingToSave);
    EXPECT_EQ(count, 2);
}

TEST(CutOutFiles, ABufferDecodedSmallerIsMappedByTheTrueSize)
{
    // The buffer is a quarter of the picture: left half red, right half blue.
    QImage shown(1000, 750, QImage::Format_RGB32);
    shown.fill(Qt::red);
    {
        QPainter p(&shown);
        p.fillRect(500, 0, 500, 750, Qt::blue);
    }
    const QImage cut = CopyCutOut(shown, QSize(4000, 3000), QRect(1800, 100, 400, 200));
    ASSERT_EQ(cut.size(), QSize(400, 200));
    EXPECT_EQ(QColor(cut.pixel(20, 100)), QColor(Qt::red));
    EXPECT_EQ(QColor(cut.pixel(380, 100)), QColor(Qt::blue));
}

TEST(CutOutFiles, FullResolutionIsReadFromTheFileWhenTheBufferIsSmaller)
{
    const QString dir = testsupport::freshDir(QStringLiteral("pics"));
    const QString path = dir + QStringLiteral("/big.jpg");
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        p.fillRect(400, 300, 400, 300, QColor(0, 0, 200));
    }
    ASSERT_TRUE(picture.save(path, "JPG", 95));
    QImage shown(200, 150, QImage::Format_RGB32);   // as decoded at 1/4, but black
    shown.fill(Qt::black);
    int count = 0;
    QImage bitmap;
    const CutOutSaved s = MakeCutOut(shown, QSize(800, 600), path, QRect(500, 400, 100, 80),
                                     CutOutFolderFor(dir), count, &bitmap);
    ASSERT_EQ(s.result, CutOutSaveResult::Saved);
    ASSERT_EQ(bitmap.size(), QSize(100, 80));
    const QColor c(bitmap.pixel(50, 40));
    EXPECT_LT(c.red(), 30);
    EXPECT_GT(c.blue(), 170);
}
