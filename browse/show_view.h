// What browsing asks of the full-screen show window: its picture area and
// fitting handlers, the full view of one picture, the steps of a show played
// there and the controls the display step sets. The show window implements
// it; browsing reaches the window only through it.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class FitZoomHandler;
class PictureSlotModel;

class ShowView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The fitting, zoom and crop handler of the first image (1) or the
    // second (2).
    FitZoomHandler* FitZoom(int image) const { return m_fitZoom[size_t(image == 2 ? 1 : 0)]; }
    // The window's picture slot of the first image ("form9im1") or the
    // second ("form9im2"); the window owns them.
    PictureSlotModel* Slot(int image) const { return m_slots[size_t(image == 2 ? 1 : 0)]; }

    // The handler of the image that takes the next picture, and of the image
    // shown now.
    virtual FitZoomHandler* ReceivingFitZoom() const = 0;
    virtual FitZoomHandler* ShownFitZoom() const = 0;
    // The area pictures are fitted into.
    virtual QRect PictureArea() const = 0;

    // Plays `order` from order[start] on, looping when `continuous` is set;
    // `paused` shows that picture with the show paused. `ended` is called
    // once the show has stopped.
    virtual void PlayFrom(const QList<int>& order, bool continuous, std::function<void()> ended, int start,
                          bool paused) = 0;
    // One step: +1 forward, -1 back.
    virtual void Step(int direction) = 0;
    // The interval timer's step in the show's direction.
    virtual void IntervalTimerTimer() = 0;
    // The current picture leaves the play order.
    virtual void RemoveCurrentFromPlayOrder() = 0;
    // The picture index one step in `direction` from the cursor without
    // moving it; -1 when there is none. `reachedEnd` is set when that step
    // passes the end of the play order.
    virtual int PeekNextIndex(int direction, bool* reachedEnd = nullptr) const = 0;
    // The show leaves the window without ending: it goes on as pages.
    virtual void HandOverShow() = 0;
    // A show plays here (not stopped, not the full view of one picture).
    virtual bool ShowPlaying() const = 0;
    virtual const QList<int>& PlayOrder() const = 0;
    virtual int CurrentPosition() const = 0;

    // The show's position and direction, which the window's sequence alone
    // writes; the page show and the full view ask it. The session's current
    // picture becomes `index`, the `shownNumber`th of the show (< 0 leaves
    // the number):
    virtual void SetShowPicture(int index, int shownNumber = -1) = 0;
    // the show has `count` pictures;
    virtual void SetShowPictureCount(int count) = 0;
    // the show advances no more (its last direction stays);
    virtual void HaltShow() = 0;
    // it pauses (its direction becomes the last one);
    virtual void HoldShow() = 0;
    // it advances in `direction` (< 0 back, else forward);
    virtual void GoShow(int direction) = 0;
    // it is stepped by hand (manual mode), or no longer.
    virtual void SetManualMode(bool manual) = 0;

    // The full view of one picture; `fromThumbnailView`: its stop button
    // returns to the thumbnail view. `done` follows with the kind of a load
    // failure (empty when the picture is shown).
    virtual void StartFullView(const QString& path, bool fromThumbnailView = false,
                               std::function<void(const QString& failure)> done = {}) = 0;
    // One cut-out back, or one picture back without a cut-out.
    virtual void OneBackwardsClick() = 0;

    // The controls the display step and the menus set.
    virtual void SetEditButtonEnabled(bool on) = 0;
    virtual void SetWindowScreenButtonEnabled(bool on) = 0;
    virtual void SetPictureButtonsEnabled(bool on) = 0;
    virtual void SetTitleShown(bool shown, bool raised = false) = 0;
    virtual void SetTitle(const QString& text, const QSize& area) = 0;
    virtual void HidePictures() = 0;
    virtual void HideTextLines() = 0;
    virtual void PopupRatioMenu(const QPoint& globalPos) = 0;

signals:
    // The rotate buttons of the window's control panel were clicked.
    void RotateLeftClicked();
    void RotateRightClicked();
    // A cut-out is shown (menu captions and status follow).
    void cutOutShown();

protected:
    std::array<FitZoomHandler*, 2> m_fitZoom{};
    std::array<PictureSlotModel*, 2> m_slots{};
};
