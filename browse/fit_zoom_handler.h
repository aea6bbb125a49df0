// The fitting, wheel zoom and crop-and-enlarge handlers of one picture
// window: sizes and centres the image that shows a picture slot, turns the
// wheel into zoom steps while a cut-out is shown, and turns a left-button
// drag over the image into a cut-out that is saved as "cut" + n + ".bmp"
// and shown enlarged in place of the picture.
//
// The window (MainWindow, or the full-screen window) owns one handler per image
// it shows. The handler reads the state both windows share (the show session,
// the settings, the data paths, the start modes) and the few plain values and
// widgets its window hands over when it makes it; what the window does in
// answer (the hint, the text labels, the show's pause) follows the handler's
// signals, which the window connects.
#pragma once

#include "browse/crop.h"
#include "browse/fit_zoom.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

class CropBandOverlay;
class PictureSlotModel;
class QLabel;
class QWidget;
struct DataPaths;
struct SettingsStore;
struct ShowSession;
struct StartContext;
struct TAddSettingsRecord;

// The area of the full-screen window's pictures (FullScreenPictureArea of
// the primary screen and the stored second monitor), at its top left.
QRect FullScreenPictureRect(const ShowSession& session, const TAddSettingsRecord& addSettings, bool navPanelShown);

class FitZoomHandler : public QObject {
    Q_OBJECT
public:
    // `session` holds the view state of the shown picture (cut-outs, zoom,
    // full view) the handlers of both windows share and the show's state;
    // `image` is the widget the picture view is attached to (e.g. Image1);
    // `slot` the picture slot it shows; `settings` the limits and ratios;
    // `paths` the cut-out folder; `start` the demo mode.
    FitZoomHandler(ShowSession& session, const SettingsStore& settings, const DataPaths& paths,
                   const StartContext& start, QWidget* image, PictureSlotModel* slot, QObject* parent = nullptr);
    ~FitZoomHandler() override;

    PictureSlotModel* Slot() const { return m_slot; }
    CropBandOverlay* Overlay() const { return m_overlay; }

    // What the window hands over. FullScreen: the image is one of the
    // full-screen window's: its pictures fill FullScreenPictureRect (leaving
    // room for NavPanel while it is shown), the show's enlargement limit
    // always applies and the crop rules are the full-screen window's.
    // Otherwise the main window's: pictures fill LayoutArea (in the image's
    // parent's coordinates; until it has a width and a height, the image's
    // bounds when the handler was made), and the show's limit applies while
    // a show or the full view runs, else the settings' MaxEnlargePercent.
    bool FullScreen = false;
    QPointer<QWidget> NavPanel;
    QRect LayoutArea;
    // The readout label ("Enlargement factor: n%"); none: no readout.
    QPointer<QLabel> SpeedLabel;
    // While this panel is shown the image's mouse handlers do nothing (the
    // custom ratio panel).
    QPointer<QWidget> BlockingPanel;

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

    // The image's mouse handlers: the left button crops; the right and
    // middle buttons are signalled.
    void ImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void ImageMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void ImageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // The wheel over the image zooms while a cut-out is shown (and is then
    // not passed on to the window). Off when the window's own wheel handler
    // calls WheelZoomPicture.
    bool HandleWheel = true;

signals:
    // After every sizing; with toggle the full-screen window flips its
    // active image (it also places its text labels then).
    void sized(bool toggle);
    // Before the readout shows: the window's speed-message timers stop.
    void readoutShown();
    // A crop refused while a show runs: the pause hint.
    void pauseHintWanted(const QString& text);
    // A click in the full view (it ends).
    void fullViewClicked();
    // A cut-out was saved; the window hides its text labels before it shows.
    void cutOutMade();
    // The cut-out is in the slot, before it is fitted (menu captions and status).
    void cutOutShown();
    // The right button (full screen on or off) and the middle button (pause
    // or continue) pressed on the picture.
    void rightButtonPressed();
    void middleButtonPressed();
    // A press (true) on the picture and its release (false).
    void mouseButtonChanged(bool down);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect pictureArea() const;
    int enlargeLimit() const;
    // The screen width the readouts are placed against: the full-screen
    // area's, else the width of `widget`'s parent.
    int screenWidth(const QWidget* widget) const;
    bool handlersBlocked() const;
    fitzoom::FitInput fitInput() const;
    // The folder cut-outs are written to (the data paths', else the default
    // data folder's).
    QString cutOutFolder() const;
    void applyResult(const fitzoom::FitResult& r);
    CropContext cropContext() const;
    CropGeometry cropGeometry() const;
    double ratioWidth() const;
    double ratioHeight() const;
    void makeCutOut(const QRect& source);

    ShowSession& m_session;
    const SettingsStore& m_settings;
    const DataPaths& m_paths;
    const StartContext& m_start;
    QPointer<QWidget> m_image;
    PictureSlotModel* m_slot = nullptr;
    CropSelection m_crop;
    CropBandOverlay* m_overlay = nullptr;
    QRect m_designArea;
    bool m_leftDown = false;
};
