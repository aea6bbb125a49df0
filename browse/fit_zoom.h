// Fitting and wheel zoom of the shown picture: where the picture goes and
// how large it is drawn, as plain values (no widgets).
//
// Rules used throughout:
//  - scale factors are doubles;
//  - sizes are rounded to the nearest integer, halves to even;
//  - centring offsets are integer halves truncated towards zero.
// Every size in here is the picture's TRUE size (from its header), never
// the size of a buffer that was decoded smaller.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include <cstdint>

struct ShowSession;

namespace fitzoom {

// Round to nearest, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Values beyond the int range are clamped to it; NaN gives 0.
int RoundHalfEven(double value);

// Integer half truncated towards zero (-1 / 2 == 0, -3 / 2 == -1).
constexpr int HalfTowardZero(int value) { return value / 2; }

// The largest scale factor an enlargement limit in percent allows:
// (limit + 100) / 100. A limit of -100 or below would give no picture or a
// negative scale; it is held at the smallest positive factor 0.01.
double LimitFactor(int limitPercent);

// The side a zoomed image may not pass: a wheel step that would make the
// image larger than this on either side is undone like one that makes it
// vanish (the drawing surface can't be that large).
constexpr int kMaxImageSide = 32000;

// What a fit or zoom works on.
struct FitInput {
    QSize area;                 // target area (main window picture area or screen)
    QSize picture;              // the picture's true size
    int limitPercent = 0;       // enlargement limit in effect, percent
    bool noLimit = false;       // the one-shot no-limit byte: 9999 % for this sizing
    QPoint offset;              // main window's left/top offsets (0,0 full screen)
};

// The zoom part of the view state, handed in and out of the calculations.
struct ZoomState {
    int cutOutCount = 0;
    double zoomFactor = 0;
    int zoomSteps = 0;
    double fitFactorY = 0;
    double fitFactorX = 0;
};

// Where and how large the image is drawn.
struct FitResult {
    bool valid = false;         // false: the picture has no width or height
    double factor = 0;          // scale factor used
    QSize image;                // image size on screen
    QPoint topLeft;             // image position (with the window offsets)
    bool undone = false;        // wheel zoom: the step was undone
};

// Fit (the geometry of `FitZoomHandler::SizePictureToDisplay`): clears the zoom steps and,
// without a cut-out, the zoom factor; takes the smaller of the two fit
// factors, holds it to the enlargement limit, and while a cut-out is shown
// and zoomed keeps the zoom factor. A picture of zero width or height gives
// an invalid result with no image, centred in the area.
FitResult FitPicture(ZoomState& state, const FitInput& in);

// Wheel zoom by `step` percent (the geometry of `FitZoomHandler::WheelZoomPicture`). A step
// that would make the image vanish (or larger than kMaxImageSide) is undone:
// the image and the zoom state stay as they were before it.
FitResult WheelZoom(ZoomState& state, int step, const FitInput& in);

// Enlargement readout percentage: round(imageHeight / pictureHeight x 100) - 100.
// 0 for a picture of no height.
int EnlargementPercent(int imageHeight, int pictureHeight);
// "Enlargement factor: " + p + "%".
QString EnlargementText(int imageHeight, int pictureHeight);

// The area of the full-screen window: the primary screen when the show
// goes to the main monitor or the navigation panel is shown, else the
// second monitor's stored size. A second-monitor size that was never
// stored (0 or less) falls back to the primary screen instead of giving
// every picture a size of 0.
QSize FullScreenPictureArea(bool useMainMonitor, bool navPanelShown, const QSize& primaryScreen,
                            int mon2Width, int mon2Height);

// Reads and writes the zoom part of the show's view state.
ZoomState ZoomStateFrom(const ShowSession& session);
void StoreZoomState(ShowSession& session, const ZoomState& state);

} // namespace fitzoom
