#include "browse/fit_zoom.h"

#include "base/show_session.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace fitzoom {

int RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    const double lower = std::floor(value);
    const double rest = value - lower;
    double r = lower;
    if (rest > 0.5)
        r = lower + 1;
    else if (rest == 0.5)
        r = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    return int(r);
}

double LimitFactor(int limitPercent)
{
    const double f = (double(limitPercent) + 100.0) / 100.0;
    return f > 0.01 ? f : 0.01;
}

namespace {

// Scales one side; a picture side that is there stays at least one pixel
// as long as the factor is positive.
int scaledSide(int side, double f)
{
    if (side <= 0 || !(f > 0))
        return 0;
    return std::max(1, RoundHalfEven(double(side) * f));
}

// The limited fit factor of the leading side; also records the two factors.
double limitedFitFactor(ZoomState& state, const FitInput& in, const QSize& area)
{
    const double fy = double(area.height()) / double(in.picture.height());
    const double fx = double(area.width()) / double(in.picture.width());
    state.fitFactorY = fy;
    state.fitFactorX = fx;
    double f = fy < fx ? fy : fx;
    return std::min(f, LimitFactor(in.noLimit ? 9999 : in.limitPercent));
}

QSize clampedArea(const QSize& area)
{
    return QSize(std::max(0, area.width()), std::max(0, area.height()));
}

void place(FitResult& r, const FitInput& in, const QSize& area)
{
    r.topLeft = QPoint(HalfTowardZero(area.width() - r.image.width()) + in.offset.x(),
                       HalfTowardZero(area.height() - r.image.height()) + in.offset.y());
}

bool pictureIsEmpty(const FitInput& in)
{
    return in.picture.width() <= 0 || in.picture.height() <= 0;
}

FitResult emptyResult(ZoomState& state, const FitInput& in, const QSize& area)
{
    state.fitFactorY = 0;
    state.fitFactorX = 0;
    FitResult r;
    r.image = QSize(0, 0);
    place(r, in, area);
    return r;
}

bool tooLarge(const QSize& s)
{
    return s.width() > kMaxImageSide || s.height() > kMaxImageSide;
}

} // namespace

FitResult FitPicture(ZoomState& state, const FitInput& in)
{
    state.zoomSteps = 0;
    if (state.cutOutCount == 0)
        state.zoomFactor = 0;
    const QSize area = clampedArea(in.area);
    if (pictureIsEmpty(in))
        return emptyResult(state, in, area);

    double f = limitedFitFactor(state, in, area);
    if (state.cutOutCount > 0 && state.zoomFactor > 0)
        f = state.zoomFactor;

    FitResult r;
    r.valid = true;
    r.factor = f;
    r.image = QSize(scaledSide(in.picture.width(), f), scaledSide(in.picture.height(), f));
    if (tooLarge(r.image)) {
        // A zoom factor carried over to a much larger cut-out: hold the
        // image to the largest drawable size.
        const int longest = std::max(in.picture.width(), in.picture.height());
        r.factor = double(kMaxImageSide) / double(longest);
        r.image = QSize(scaledSide(in.picture.width(), r.factor),
                        scaledSide(in.picture.height(), r.factor));
    }
    place(r, in, area);
    return r;
}

FitResult WheelZoom(ZoomState& state, int step, const FitInput& in)
{
    const QSize area = clampedArea(in.area);
    if (pictureIsEmpty(in))
        return emptyResult(state, in, area);

    const double previousZoom = state.zoomFactor;
    const int previousSteps = state.zoomSteps;
    state.zoomSteps += step;
    const double fit = limitedFitFactor(state, in, area);

    double f;
    if (state.zoomFactor > 0) {
        f = state.zoomFactor + step * state.zoomFactor / 100.0;
        state.zoomFactor = 0;
    } else {
        f = fit + state.zoomSteps * fit / 100.0;
    }
    state.zoomFactor = f;

    FitResult r;
    r.valid = true;
    r.factor = f;
    const bool vanishes = !(f > 0)
        || RoundHalfEven(in.picture.width() * f) < 1
        || RoundHalfEven(in.picture.height() * f) < 1;
    r.image = vanishes ? QSize(0, 0)
                       : QSize(scaledSide(in.picture.width(), f), scaledSide(in.picture.height(), f));
    if (vanishes || tooLarge(r.image)) {
        // Undo the step: the image stays exactly as it was before it, also
        // after many steps down (a zoom factor never turns negative).
        state.zoomSteps = previousSteps;
        state.zoomFactor = previousZoom;
        f = previousZoom > 0 ? previousZoom : fit + state.zoomSteps * fit / 100.0;
        if (!(f > 0))
            f = fit;
        r.undone = true;
        r.factor = f;
        r.image = QSize(scaledSide(in.picture.width(), f), scaledSide(in.picture.height(), f));
    }
    place(r, in, area);
    return r;
}

int EnlargementPercent(int imageHeight, int pictureHeight)
{
    if (pictureHeight <= 0)
        return 0;
    return RoundHalfEven(double(imageHeight) / double(pictureHeight) * 100.0) - 100;
}

QString EnlargementText(int imageHeight, int pictureHeight)
{
    return QStringLiteral("Enlargement factor: ") + QString::number(EnlargementPercent(imageHeight, pictureHeight))
        + QStringLiteral("%");
}

QSize FullScreenPictureArea(bool useMainMonitor, bool navPanelShown, const QSize& primaryScreen,
                            int mon2Width, int mon2Height)
{
    if (useMainMonitor || navPanelShown || mon2Width <= 0 || mon2Height <= 0)
        return primaryScreen;
    return QSize(mon2Width, mon2Height);
}

ZoomState ZoomStateFrom(const ShowSession& session)
{
    ZoomState s;
    s.cutOutCount = session.CutOutCount;
    s.zoomFactor = session.ZoomFactor;
    s.zoomSteps = session.ZoomSteps;
    s.fitFactorY = session.LastFitFactorY;
    s.fitFactorX = session.LastFitFactorX;
    return s;
}

void StoreZoomState(ShowSession& session, const ZoomState& state)
{
    session.CutOutCount = state.cutOutCount;
    session.ZoomFactor = state.zoomFactor;
    session.ZoomSteps = state.zoomSteps;
    session.LastFitFactorY = state.fitFactorY;
    session.LastFitFactorX = state.fitFactorX;
}

} // namespace fitzoom
