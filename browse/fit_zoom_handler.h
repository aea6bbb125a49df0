// The fitting, wheel zoom and crop-and-enlarge handlers of one picture
// window: sizes and centres the image that shows a picture slot, turns the
// wheel into zoom steps while a cut-out is shown, and turns a left-button
// drag over the image into a cut-out that is saved as "cut" + n + ".bmp"
// and shown enlarged in place of the picture.
//
// The window (MainWindow, or the full-screen window) owns one handler per image
// it shows. What belongs to other parts of the program (the show state, the
// full-screen window, the text labels, the menu captions) reaches the
// handler through FitZoomHooks; unset hooks mean "no show runs, nothing
// more to do".
#pragma once

#include "browse/crop.h"
#include "base/settings_record.h"
#include "browse/fit_zoom.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>

class CropBandOverlay;
class PictureSlotModel;
class QLabel;
class QWidget;
struct ShowSession;

struct FitZoomHooks {
    // The area the picture is fitted into, in the coordinates of the
    // image's parent (its top left is the window's offset). Unset: the
    // image's bounds when the handler was made.
    std::function<QRect()> PictureArea;
    // The enlargement limit in effect, percent. Unset: the settings' MaxEnlargePercent.
    std::function<int()> EnlargeLimit;
    // The one-shot no-limit byte: read, and cleared after the sizing.
    std::function<bool()> NoLimitOnce;
    std::function<void()> ClearNoLimitOnce;
    // The show state the crop rules read. Unset: no show runs (nor a demo); the full
    // view is FullViewActive; the picture is the one the crop path names
    // (or the slot's).
    std::function<CropContext()> CropState;
    // The crop ratio in effect and the custom ratio (the settings' fields when unset).
    std::function<double()> RatioWidth;
    std::function<double()> RatioHeight;
    std::function<double()> CustomRatioWidth;
    std::function<double()> CustomRatioHeight;
    // Where cut-outs are written. Unset or empty: the default data folder's.
    std::function<QString()> CutOutFolderPath;
    // The readout label ("Enlargement factor: n%"); unset: none.
    std::function<QLabel*()> SpeedLabel;
    // Stops the window's speed-message timers before the readout is shown.
    std::function<void()> StopSpeedTimers;
    // The screen width the readout is placed against. Unset: the window's width.
    std::function<int()> ScreenWidth;
    // Steps the rest of the program takes part in.
    // Opens the full-screen window on the picture of the full view
    // (`ShowView::StartFullView`, with the full view's buttons). Unset:
    // the full view shows the picture in this handler's own image. `done`
    // follows when the picture is shown or failed, with the kind of the load
    // failure (empty when the picture is shown).
    std::function<void(const QString& path, std::function<void(const QString& failure)> done)> StartFullView;
    std::function<void()> CloseFullView;          // a click in the full view
    std::function<void(const QString&)> ShowHint; // the pause hint
    std::function<void()> HideTextLabels;         // before a cut-out is shown
    std::function<void()> AfterCutOutShown;       // menu captions and status
    // After every sizing: with toggle, the full-screen window flips its
    // active image; also where it places its text labels.
    std::function<void(bool toggle)> AfterSizing;
};

class FitZoomHandler : public QObject {
    Q_OBJECT
public:
    // `session` holds the view state of the shown picture (cut-outs, zoom,
    // full view) the handlers of both windows share; `image` is the widget
    // the picture view is attached to (e.g. Image1); `slot` the picture slot
    // it shows; `settings` the record whose limits and ratios apply where a
    // hook is unset.
    FitZoomHandler(ShowSession& session, QWidget* image, PictureSlotModel* slot, const TSettingsRecord& settings,
                   QObject* parent = nullptr);
    ~FitZoomHandler() override;

    FitZoomHooks& Hooks() { return m_hooks; }
    PictureSlotModel* Slot() const { return m_slot; }
    CropBandOverlay* Overlay() const { return m_overlay; }

    // The picture the full view shows, or the one last hovered in the tree.
    QString CropPath;

    // Fits and centres the slot's picture.
    fitzoom::FitResult SizePictureToDisplay(bool toggle = false);
    // Zooms by step percent (+3 / -3); only
    // while a cut-out is shown (CutOutCount >= 1), otherwise nothing.
    fitzoom::FitResult WheelZoomPicture(int step);
    // With a cut-out shown, the readout "Enlargement factor: n%" against the
    // screen's right edge; without one, clears a readout left from before.
    void ShowEnlargementFactor(int imageHeight, int pictureHeight);
    // Space between the readout and the screen's right edge: 40 in the
    // main window, 30 in the full-screen window.
    int ReadoutMargin = 40;

    // One step back through the cut-outs (the show's one-back button): asks
    // the slot for the cut-out before, or, from the first cut-out, the
    // picture itself again (picturePath); when the slot answers with it,
    // CutOutCount goes down by one and the picture is fitted (a file that
    // can't be read changes nothing). False when no cut-out is shown.
    bool StepBackCutOut(const QString& picturePath);

    // The crop mouse routines, in image coordinates.
    void CropSelectionMouseDown(int x, int y);
    void CropSelectionMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    CropUpResult CropSelectionMouseUp(int x, int y);

    // The main window's image handlers: left button crops; right and
    // middle buttons go to the hooks below.
    void ImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void ImageMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void ImageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    std::function<void()> RightButton;   // full screen on or off
    std::function<void()> MiddleButton;  // pause or continue
    // A press (true) on the picture and its release (false), for the
    // window's MouseButtonDown.
    std::function<void(bool down)> MouseButtonChanged;
    // True while the image handlers do nothing (custom ratio panel shown,
    // thumbnail view in the main window).
    std::function<bool()> HandlersBlocked;
    // True in the thumbnail view, where a press on the image does nothing.
    std::function<bool()> ThumbnailView;
    // The wheel over the image zooms while a cut-out is shown (and is then
    // not passed on to the window). Off when the window's own wheel handler
    // calls WheelZoomPicture.
    bool HandleWheel = true;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    fitzoom::FitInput fitInput() const;
    // The folder cut-outs are written to (CutOutFolderPath's, else the
    // default data folder's).
    QString cutOutFolder() const;
    void applyResult(const fitzoom::FitResult& r);
    CropContext cropContext() const;
    CropGeometry cropGeometry() const;
    double ratioWidth() const;
    double ratioHeight() const;
    void makeCutOut(const QRect& source);

    ShowSession& m_session;
    QPointer<QWidget> m_image;
    PictureSlotModel* m_slot = nullptr;
    const TSettingsRecord& m_settings;
    FitZoomHooks m_hooks;
    CropSelection m_crop;
    CropBandOverlay* m_overlay = nullptr;
    QRect m_designArea;
    bool m_leftDown = false;
};
