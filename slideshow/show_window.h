// The full-screen show window `Form9`: two alternating picture images that
// show the slots "form9im1" and "form9im2", each with its own fitting, zoom
// and crop handler; the title and text labels, the navigation and control
// panels. The show's sequence (play order, cursor, direction, pause, steps
// and the pictures to decode ahead) is a ShowSequence that the window asks
// and follows; every picture is put on the screen by the program's display
// step (which loads it through the one picture loader), so the window never
// loads a picture itself. Keys: the show's key table (show_keys.h).
#pragma once

#include "base/program_state.h"
#include "browse/show_view.h"
#include "slideshow/show_keys.h"
#include "slideshow/show_sequence.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class FitZoomHandler;
class PictureSlotModel;
class PictureView;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;

// The window whose objectName is "Form9".
class ShowWindow : public ShowView {
    Q_OBJECT
public:
    explicit ShowWindow(ProgramState& state, QWidget* parent = nullptr);

    // The two images; each carries a picture view of its slot
    // (Image1: "form9im1", Image2: "form9im2").
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* TitleLabel = nullptr;
    std::array<QLabel*, 5> TextLabels{};   // textlabel0, TextLabel1..TextLabel4
    QLabel* SpeedLabel = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* HintLabel = nullptr;           // the text of HintPanel
    QTimer* SpeedTimer = nullptr;
    QTimer* LabelTimer = nullptr;
    QFrame* NavPanel = nullptr;
    QFrame* HintPanel = nullptr;
    QFrame* ControlPanel = nullptr;
    QToolButton* SaveSB = nullptr;
    QToolButton* StopButton = nullptr;
    QToolButton* OneBackwardsSpeedButton = nullptr;
    QToolButton* OneForwardSpeedButton = nullptr;
    QToolButton* ShowForwardSpeedButton = nullptr;
    QToolButton* ShowInReverseSpeedButton = nullptr;
    QToolButton* StartShowSpeedButton = nullptr;
    QToolButton* RunExeSpeedButton = nullptr;
    QToolButton* WindowScreenSpeedButton = nullptr;
    QToolButton* VolumeSpeedButton = nullptr;
    QToolButton* PlaylistBASB = nullptr;
    QToolButton* PlaylistFWSB = nullptr;
    QToolButton* SBRotateLeft = nullptr;
    QToolButton* SBRotateRight = nullptr;
    QToolButton* SBRatio = nullptr;
    QToolButton* SBManualMode = nullptr;
    QToolButton* SBInfo = nullptr;
    QMenu* PMRatio = nullptr;

    // ---- fitting, zoom and crop -------------------------------------------
    // FitZoom(1) is the handler of Image1 / "form9im1", FitZoom(2) of
    // Image2 / "form9im2".
    // The handler of the image that takes the next picture (the active-image
    // byte: 1 = Image1), and of the image shown now (the other one).
    FitZoomHandler* ReceivingFitZoom() const override;
    FitZoomHandler* ShownFitZoom() const override;
    // The area pictures are fitted into: the primary screen when the show
    // goes to the main monitor, the navigation panel is shown or no second
    // monitor size is known; else the second monitor's size.
    QRect PictureArea() const override;

    // ---- the show -----------------------------------------------------------
    // The show's interval timer: armed by the display step, its timeout takes
    // the next step (IntervalTimerTimer).
    QPointer<QTimer> IntervalTimer;

    // Plays entries 0 .. count - 1 of the picture table in `order`, looping
    // when `continuous` is set. `ended` is called once the show has stopped.
    void Play(const QList<int>& order, bool continuous, std::function<void()> ended);
    // The same for a list of pictures: they become the picture table (record
    // index = the entry of `records`, else the position in the list; date =
    // the entry of `dates`, else unknown), shown `intervalMs` apart, with
    // titles when `showTitles` is set.
    void Play(const QStringList& pictures, const QList<int>& order, int intervalMs, bool continuous,
              bool showTitles, std::function<void()> ended, const QList<int>& records = {},
              const QList<double>& dates = {});
    // Plays `order` as the first Play does, from order[start] on; `paused`
    // shows that picture with the show paused (it continues in its last
    // direction).
    void PlayFrom(const QList<int>& order, bool continuous, std::function<void()> ended, int start,
                  bool paused) override;
    // Makes the pictures the picture table (as Play does) without playing them.
    void SetPictureTable(const QStringList& pictures, const QList<int>& records = {}, const QList<double>& dates = {});
    // One step: +1 forward, -1 back (by hand or by the timer). Moves the
    // cursor over the play order and runs the display step.
    void Step(int direction) override;
    // The interval timer's step in the show's direction.
    void IntervalTimerTimer() override;
    void TogglePause();
    // Continues the show in `direction` (1 forward, -1 in reverse), paused
    // or not.
    void ContinueShow(int direction);
    // The show's keys (the show's key table): Escape stops, Space pauses and
    // continues, the cursor keys step by hand (with Ctrl they continue the
    // show that way), Home restarts. Keys pressed in another window reach it
    // through the main window's keyboard hook.
    void ShowKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Closes the window (and the full view) and reports a show's end once.
    void StopSlideShow();
    // The current picture leaves the
    // play order ("Number of pictures : n"); the next picture is shown, or
    // the show ends with "No more pictures left in show" when none is left.
    void RemoveCurrentFromPlayOrder() override;

    // The full view of one picture: the window opens with the step and show
    // buttons hidden and asks "form9im1" for the picture; when it arrives it
    // is fitted and the control panel shows the stop button ("Return to
    // browse window", or "Return to thumbnail view"), the edit program's
    // button when one is set, the rotate buttons for a picture that may be
    // rotated and the crop ratio button for one that may be cropped. On a
    // load failure the window is hidden again. `done` follows either, with
    // the kind of the failure (empty when the picture is shown).
    void StartFullView(const QString& path, bool fromThumbnailView = false,
                       std::function<void(const QString& failure)> done = {}) override;

    // HintPanel with the text, centred.
    void ShowCenteredHint(const QString& text);
    // The one-back button: one cut-out back (to the picture from the first),
    // or, without a cut-out, one picture back.
    void OneBackwardsClick() override;
    // The save button: saves the cut-out shown to a file the user chooses.
    void SaveCutOutClick();

    // ---- what the main window asks of the window's controls ---------------
    // The edit-program button of the control panel on or off, and its hint.
    void SetEditButtonEnabled(bool on) override;
    void SetEditButtonHint(const QString& hint);
    // The full-screen button on or off.
    void SetWindowScreenButtonEnabled(bool on) override;
    // The buttons that act on the shown picture (rotations, edit program)
    // on or off, as a step begins.
    void SetPictureButtonsEnabled(bool on) override;
    // The one-back button's hint for stepping back a picture.
    void ResetOneBackwardsHint();
    // The control panel's twins of the main window's show commands.
    struct PanelButtons {
        bool showInReverse = false, showForward = false, windowScreen = false, volume = false;
        bool playlistBack = false, playlistForward = false, editProgram = false;
        bool oneForward = false, oneBackwards = false, rotateLeft = false, rotateRight = false;
    };
    void SetPanelButtons(const PanelButtons& on);
    // The hints button's look for hints shown or not.
    void ShowHintsButton(bool hintsOn);
    // The speed message at the window's top right, for two seconds.
    void ShowSpeedMessage(const QString& text);
    // The hint of both picture images.
    void SetPictureHint(const QString& hint);
    bool NavPanelShown() const;
    // The control panel's place, or nothing while the navigation panel shows.
    std::optional<QRect> ControlPanelPlace() const;
    // The title: shown or not (raised over the pictures when `raised`); its
    // text, sized and centred at the bottom of an area of `area`'s size.
    void SetTitleShown(bool shown, bool raised = false) override;
    void SetTitle(const QString& text, const QSize& area) override;
    // The picture images, and the text lines, hidden.
    void HidePictures() override;
    void HideTextLines() override;
    // The crop-ratio menu, refreshed, at `globalPos`.
    void PopupRatioMenu(const QPoint& globalPos) override;

signals:
    // A step made picture `index` the current one and wants it on the
    // screen (the display step).
    void displayStepWanted(int index);
    // The crop menu's "Custom" ratio was chosen: it is typed in the main
    // window's panel, whose OK button puts it into effect.
    void CustomRatioRequested();
    // The pictures at these indexes of PictureTable are to stay decoded for
    // the steps to come: `next` decoded ahead, `left` (the one just left)
    // kept when it is still at hand; any other picture decoded ahead is
    // dropped. -1 for none; (-1, -1) drops them all.
    void decodeAheadWanted(int next, int left);
    // "Restart Slide Show - Home": the show starts again from its first picture.
    void restartWanted();
    // A wheel turn that is no zoom (angle delta; forward > 0): the show
    // steps or changes its speed.
    void wheelTurned(int delta);
    // The show paused, or went on in a direction: the control panel's
    // buttons and the picture's tip follow.
    void playStateChanged();

public:
    // (The rotate buttons of the control panel emit RotateLeftClicked and
    // RotateRightClicked.)

    // The picture index that follows the cursor one step in `direction`
    // (>= 1 forward, else back) without moving it; -1 when there is none.
    // `reachedEnd` is set when that step passes the end of the play order
    // (the show ends there unless it plays continuously).
    int PeekNextIndex(int direction, bool* reachedEnd = nullptr) const override;

    // The crop-ratio menu `PMRatio` (shown by `SBRatio`): "Square", fixed
    // ratios and "Custom ratio"; the one in effect is ticked.
    void RefreshRatioMenu();
    void SBRatioClick();

    // The show leaves this window without ending: it goes on as pages in the
    // main window. The window hides; its steps and its end report stop.
    void HandOverShow() override;
    // A show plays here (not stopped, not the full view of one picture).
    bool ShowPlaying() const override { return m_sequence.Playing(); }
    const QList<int>& PlayOrder() const override { return m_sequence.Order(); }

    int CurrentPosition() const override { return m_sequence.Position(); }
    void SetShowPicture(int index, int shownNumber = -1) override { m_sequence.SetCurrentPicture(index, shownNumber); }
    void SetShowPictureCount(int count) override { m_sequence.SetPictureCount(count); }
    void HaltShow() override { m_sequence.Halt(); }
    void HoldShow() override { m_sequence.Hold(); }
    void GoShow(int direction) override { m_sequence.Go(direction); }
    void SetManualMode(bool manual) override { m_sequence.SetManualMode(manual); }
    // A paused show continues forward.
    void AimShowForward() { m_sequence.AimForward(); }
    QString CurrentPicture() const;
    bool Paused() const { return m_sequence.Paused(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    ProgramState& m_state;
    void makeLabels();
    void makeTimers();
    void makePanels();
    void connectControlPanel();
    void makeRatioMenu();
    void makeFitZoom(int index, QLabel* image, PictureSlotModel* slot);
    void dressControlPanel();
    void afterSizing(int index, bool toggle);
    void showCutOutButtons(bool shown);
    // Sizes the control panel to its visible buttons and shows it centred
    // above the bottom edge.
    void arrangeControlPanel();
    QString shownPicturePath() const;

    ShowSequence m_sequence;
    // Hands the sequence's pictures to decode ahead to KeepDecodedAhead,
    // or none.
    void keepAhead();
    void dropAhead();
    // Runs one command of the show's key table.
    void runShowKey(ShowKeyCommand command);
    std::function<void()> ended_;
};
