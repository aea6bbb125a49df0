// Crop-and-enlarge: the selection the user drags over the shown picture,
// the width:height ratio it may be held to, and where the selected part
// lies in the picture. Plain values, no widgets; the window's handlers feed
// the mouse into a CropSelection and act on what it answers.
//
// Image coordinates are those of the image on screen (0,0 = its top left);
// picture coordinates are those of the picture at its TRUE size.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QList>
#include <QString>

#include <cstdint>

// ---- Ratio ------------------------------------------------------------------

// Caption of a crop ratio: "Square" when the width is 0; "Custom ratio"
// when custom is allowed and both values equal the stored custom ratio;
// else width + ":" + height, each in its shortest decimal form.
QString CropRatioCaption(bool allowCustom, double height, double width,
                         double customHeight, double customWidth);

// The choices of the full-screen window's crop-ratio menu: the square, the
// common photo ratios landscape and portrait, and the custom ratio.
struct CropRatioChoice {
    QString name;      // the menu item's objectName
    QString caption;   // as CropRatioCaption gives it for the ratio
    double width = 0;
    double height = 0;
    bool custom = false;
};
QList<CropRatioChoice> CropRatioChoices();

// Holds the point (x, y) to the ratio W:H (`CropRatioWidth`,
// `CropRatioHeight`) from the start point; exactly one coordinate is
// changed, the other is returned as it came. A pinned coordinate stays and
// the other follows it. W = 0 is the square; a ratio whose height is 0 (or
// that is negative or not a number) is taken as the square too, so that a
// stored ratio of zero never divides by zero.
QPoint KeepCropRatio(QPoint p, QPoint start, bool yPinned, bool xPinned,
                     double ratioWidth, double ratioHeight);

// Text of the pause hint shown when a running show is dragged over.
QString CropPauseHintText();
// Message for a selection that covers no picture pixel.
QString SelectionTooSmallText();

// ---- Mapping the selection onto the picture --------------------------------

// The result of mapping a selection onto the picture.
struct CutOutGeometry {
    bool tooSmall = true;   // the selection maps to no picture pixel
    QRect source;           // the part of the picture (true size) to cut out
};

// Maps the normalised selection (x1 <= x2, y1 <= y2 in image coordinates)
// onto the picture: left = picture width x x1 / image width, width =
// round(picture width x (x2 - x1) / image width), likewise vertically, the
// rectangle (round(left), round(top), width, height). A rectangle that the
// rounding puts past the picture's edge is cut back to the edge. An image
// or picture without width or height gives tooSmall.
CutOutGeometry MapSelectionToPicture(const QRect& selection, const QSize& image,
                                     const QSize& picture);

// ---- The selection ----------------------------------------------------------

// What the handlers know about the moment of a mouse event.
struct CropContext {
    QString picturePath;        // the picture the crop works on now
    bool showRunning = false;   // a slide show runs (`PlaybackActive`)
    bool autoShowRunning = false;
    bool fullViewActive = false;
    bool manualMode = false;    // the show is paused / not advancing
    bool demoMode = false;
    bool navPanelShown = false; // the show window's `NavPanel` shown
    bool thumbnailView = false;
    bool fullScreenVisible = false;
};

// Geometry of the image the selection is drawn on.
struct CropGeometry {
    QSize image;                // image size on screen
    QSize picture;              // the shown picture's true size
};

struct CropMoveResult {
    bool draw = false;          // draw the band and the readouts
    QPoint start;               // band corners, image coordinates
    QPoint end;
    QString sizeText;           // w + "x" + h [+ " (" + ratio + ")"]
    QString fullSizeText;       // picture width + "x" + picture height
};

enum class CropUpAction {
    None,               // nothing to do (crop not allowed)
    Refused,            // repaint; show the pause hint when hint is set
    CloseFullView,      // a click in the full view: close it
    RepaintOnly,        // a selection under 3 pixels
    SelectionTooSmall,  // message "Selection too small!", repaint
    CutOut,             // cut out `source` of the shown picture
};

struct CropUpResult {
    CropUpAction action = CropUpAction::None;
    bool showPauseHint = false;
    QRect selection;            // normalised, image coordinates
    QRect source;               // CutOut: picture coordinates (true size)
};

// The crop state and its mouse rules (applied by
// `FitZoomHandler::CropSelectionMouseDown`, `FitZoomHandler::CropSelectionMouseMove`
// and `FitZoomHandler::CropSelectionMouseUp`).
class CropSelection {
public:
    void mouseDown(QPoint p, const CropContext& ctx, double ratioWidth, double ratioHeight,
                   double customWidth, double customHeight);
    CropMoveResult mouseMove(QPoint p, bool leftDown, bool shift, bool ctrl,
                             const CropGeometry& g, const CropContext& ctx,
                             double ratioWidth, double ratioHeight);
    // `p` is the last point of the move.
    CropUpResult mouseUp(QPoint p, const CropGeometry& g, const CropContext& ctx);

    QPoint start() const { return start_; }
    QPoint end() const { return end_; }
    QPoint last() const { return last_; }

    uint8_t CropAllowed = 0;
    uint8_t CropRefused = 0;

    // The last mouse point when there is none.
    static constexpr QPoint kNoPoint{-100, -100};

private:
    QPoint start_;
    QPoint end_;
    QPoint last_ = kNoPoint;
    QString cropPath_;
    QString ratioCaption_;
    int downCount_ = 0;
};

// True for the kinds of picture that are never cropped (".emf", ".wmf", ".ico").
bool IsUncroppableExtension(const QString& path);

// Where the size readout goes: right of and above the pointer, kept inside
// the image's right edge and below its top.
QPoint SizeReadoutPosition(QPoint imageTopLeft, const QSize& image, QPoint p, const QSize& text);
