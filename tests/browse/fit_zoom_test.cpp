#include "browse/fit_zoom.h"

#include "base/show_session.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

using namespace fitzoom;

namespace {

FitInput input(QSize area, QSize picture, int limit, QPoint offset = {})
{
    FitInput in;
    in.area = area;
    in.picture = picture;
    in.limitPercent = limit;
    in.offset = offset;
    return in;
}

} // namespace

TEST(FitZoomRounding, HalvesGoToEvenAndCentringTruncates)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(2.5001), 3);
    EXPECT_EQ(RoundHalfEven(1e300), INT_MAX);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(HalfTowardZero(-1), 0);
    EXPECT_EQ(HalfTowardZero(-3), -1);
    EXPECT_EQ(HalfTowardZero(3), 1);
}

TEST(FitZoomFit, LargePictureShrinksToAreaWithoutReadout)
{
    ZoomState s;
    const FitResult r = FitPicture(s, input({800, 600}, {4000, 3000}, 100));
    ASSERT_TRUE(r.valid);
    EXPECT_DOUBLE_EQ(r.factor, 0.2);
    EXPECT_EQ(r.image, QSize(800, 600));
    EXPECT_EQ(r.topLeft, QPoint(0, 0));
    EXPECT_DOUBLE_EQ(s.fitFactorY, 0.2);
    EXPECT_DOUBLE_EQ(s.fitFactorX, 0.2);
}

TEST(FitZoomFit, SmallPictureEnlargedToLimitAndCentred)
{
    ZoomState s;
    const FitResult r = FitPicture(s, input({800, 600}, {400, 300}, 50));
    EXPECT_DOUBLE_EQ(r.factor, 1.5);
    EXPECT_EQ(r.image, QSize(600, 450));
    EXPECT_EQ(r.topLeft, QPoint(100, 75));
    // The main window's offsets are added to the centring.
    const FitResult w = FitPicture(s, input({800, 600}, {400, 300}, 50, {12, 34}));
    EXPECT_EQ(w.topLeft, QPoint(112, 109));
}

TEST(FitZoomFit, NegativeLimitShowsAtMostHalfSize)
{
    ZoomState s;
    EXPECT_EQ(FitPicture(s, input({800, 600}, {100, 100}, -50)).image, QSize(50, 50));
    EXPECT_EQ(FitPicture(s, input({800, 600}, {4000, 3000}, -50)).image, QSize(800, 600));
    // The one-shot no-limit byte lifts the limit for one sizing.
    FitInput in = input({800, 600}, {100, 100}, -50);
    in.noLimit = true;
    EXPECT_EQ(FitPicture(s, in).image, QSize(600, 600));
}

TEST(FitZoomFit, SizesRoundHalvesToEven)
{
    ZoomState s;
    // 5 x 3 at 1.5: 7.5 -> 8, 4.5 -> 4.
    const FitResult r = FitPicture(s, input({100, 100}, {5, 3}, 50));
    EXPECT_EQ(r.image, QSize(8, 4));
    EXPECT_EQ(r.topLeft, QPoint(46, 48));
}

TEST(FitZoomFit, CentringOfALargerImageTruncatesTowardZero)
{
    ZoomState s;
    s.cutOutCount = 1;
    s.zoomFactor = 1.0;
    const FitResult r = FitPicture(s, input({200, 100}, {601, 101}, 0));
    EXPECT_EQ(r.image, QSize(601, 101));
    EXPECT_EQ(r.topLeft, QPoint(-200, 0));   // floor would give -201 and -1
}

TEST(FitZoomFit, ZoomFactorKeptOnlyWhileACutOutIsShown)
{
    ZoomState s;
    s.zoomFactor = 2.0;
    s.zoomSteps = 9;
    FitPicture(s, input({800, 600}, {400, 300}, 0));
    EXPECT_EQ(s.zoomFactor, 0);
    EXPECT_EQ(s.zoomSteps, 0);

    s.cutOutCount = 2;
    s.zoomFactor = 2.0;
    s.zoomSteps = 9;
    const FitResult r = FitPicture(s, input({800, 600}, {100, 50}, 0));
    EXPECT_DOUBLE_EQ(r.factor, 2.0);
    EXPECT_EQ(r.image, QSize(200, 100));
    EXPECT_EQ(s.zoomSteps, 0);
    EXPECT_DOUBLE_EQ(s.zoomFactor, 2.0);
}

TEST(FitZoomFit, PictureWithoutWidthOrHeightGivesNoImage)
{
    ZoomState s;
    for (const QSize pic : {QSize(0, 300), QSize(400, 0), QSize(0, 0), QSize(-5, 10)}) {
        const FitResult r = FitPicture(s, input({800, 600}, pic, 100));
        EXPECT_FALSE(r.valid);
        EXPECT_EQ(r.image, QSize(0, 0));
        EXPECT_EQ(r.topLeft, QPoint(400, 300));
        const FitResult z = WheelZoom(s, 3, input({800, 600}, pic, 100));
        EXPECT_FALSE(z.valid);
        EXPECT_GE(s.zoomFactor, 0);
    }
    // A thin picture keeps at least one pixel on its short side.
    EXPECT_EQ(FitPicture(s, input({800, 600}, {8000, 1}, 100)).image, QSize(800, 1));
}

TEST(FitZoomFit, LimitNeverGivesANegativeScale)
{
    EXPECT_DOUBLE_EQ(LimitFactor(100), 2.0);
    EXPECT_DOUBLE_EQ(LimitFactor(-50), 0.5);
    EXPECT_GT(LimitFactor(-100), 0);
    EXPECT_GT(LimitFactor(-300), 0);
    ZoomState s;
    const FitResult r = FitPicture(s, input({800, 600}, {400, 300}, -250));
    EXPECT_GT(r.factor, 0);
    EXPECT_GE(r.image.width(), 1);
}

TEST(FitZoomWheel, EachNotchMultipliesAfterTheFirst)
{
    ZoomState s;
    s.cutOutCount = 1;
    const FitInput in = input({800, 600}, {4000, 3000}, 100);
    FitPicture(s, in);
    FitResult r = WheelZoom(s, 3, in);
    EXPECT_NEAR(r.factor, 0.206, 1e-12);
    EXPECT_EQ(r.image, QSize(824, 618));
    EXPECT_EQ(r.topLeft, QPoint(-12, -9));
    EXPECT_EQ(s.zoomSteps, 3);
    r = WheelZoom(s, 3, in);
    EXPECT_NEAR(r.factor, 0.206 * 1.03, 1e-12);
    EXPECT_EQ(r.image, QSize(849, 637));
    r = WheelZoom(s, -3, in);
    EXPECT_NEAR(r.factor, 0.206 * 1.03 * 0.97, 1e-12);
    EXPECT_EQ(r.image, QSize(823, 617));
    EXPECT_EQ(s.zoomSteps, 3);
    // The next fit of the cut-out keeps the zoom.
    EXPECT_NEAR(FitPicture(s, in).factor, 0.206 * 1.03 * 0.97, 1e-12);
}

TEST(FitZoomWheel, AStepThatMakesTheImageVanishIsUndone)
{
    ZoomState s;
    s.cutOutCount = 1;
    const FitInput in = input({10, 10}, {1, 1}, -50);
    const FitResult fit = FitPicture(s, in);
    EXPECT_EQ(fit.image, QSize(1, 1));
    const FitResult r = WheelZoom(s, -3, in);
    EXPECT_TRUE(r.undone);
    EXPECT_EQ(s.zoomSteps, 0);
    EXPECT_EQ(s.zoomFactor, 0);
    EXPECT_DOUBLE_EQ(r.factor, 0.5);
    EXPECT_EQ(r.image, QSize(1, 1));
}

TEST(FitZoomWheel, UndoingPastTheStartNeverTurnsNegative)
{
    ZoomState s;
    s.cutOutCount = 1;
    const FitInput in = input({100, 100}, {100, 100}, 0);
    FitPicture(s, in);
    FitResult r;
    int undone = 0;
    for (int i = 0; i < 400; ++i) {
        r = WheelZoom(s, -3, in);
        ASSERT_GT(r.factor, 0) << "notch " << i;
        ASSERT_GE(r.image.width(), 1);
        undone += r.undone;
    }
    EXPECT_GT(undone, 0);
    EXPECT_GT(s.zoomFactor, 0);
    const double smallest = r.factor;
    // Once held at the smallest size, turning the wheel forward zooms in again.
    r = WheelZoom(s, 3, in);
    EXPECT_FALSE(r.undone);
    EXPECT_GT(r.factor, smallest);
}

TEST(FitZoomWheel, ZoomInStopsAtTheLargestDrawableSize)
{
    ZoomState s;
    s.cutOutCount = 1;
    const FitInput in = input({800, 600}, {800, 600}, 0);
    FitPicture(s, in);
    FitResult r;
    for (int i = 0; i < 200; ++i)
        r = WheelZoom(s, 3, in);
    EXPECT_TRUE(r.undone);
    EXPECT_LE(r.image.width(), kMaxImageSide);
    EXPECT_LE(r.image.height(), kMaxImageSide);
}

TEST(FitZoomReadout, PercentRoundsHalvesToEven)
{
    EXPECT_EQ(EnlargementPercent(450, 300), 50);
    EXPECT_EQ(EnlargementPercent(9, 8), 12);    // 112.5 -> 112
    EXPECT_EQ(EnlargementPercent(11, 8), 38);   // 137.5 -> 138
    EXPECT_EQ(EnlargementPercent(600, 0), 0);
    EXPECT_EQ(EnlargementText(450, 300), QStringLiteral("Enlargement factor: 50%"));
}

TEST(FitZoomState, SessionRoundTrip)
{
    ShowSession session;
    ZoomState s;
    s.cutOutCount = 3;
    s.zoomFactor = 1.25;
    s.zoomSteps = -6;
    StoreZoomState(session, s);
    EXPECT_EQ(session.CutOutCount, 3);
    EXPECT_EQ(session.ZoomFactor, 1.25);
    const ZoomState back = ZoomStateFrom(session);
    EXPECT_EQ(back.zoomSteps, -6);
}

TEST(FitZoomArea, FullScreenAreaFallsBackToThePrimaryScreen)
{
    const QSize primary(1920, 1080);
    EXPECT_EQ(FullScreenPictureArea(false, false, primary, 1280, 1024), QSize(1280, 1024));
    EXPECT_EQ(FullScreenPictureArea(true, false, primary, 1280, 1024), primary);
    EXPECT_EQ(FullScreenPictureArea(false, true, primary, 1280, 1024), primary);
    EXPECT_EQ(FullScreenPictureArea(false, false, primary, 0, 1024), primary);
    EXPECT_EQ(FullScreenPictureArea(false, false, primary, 1280, -1), primary);
}
