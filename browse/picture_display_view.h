// The widget that shows a picture slot: it paints the slot's current image
// stretched over its own rectangle and steps an animated GIF on a timer.
// A shrunk picture is scaled once for each new image or size and the scaled
// copy painted; everything else comes from the slot.
#pragma once

#include "browse/picture_loader_slots.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);
    ~PictureView() override;

    void SetModel(PictureSlotModel* model);
    PictureSlotModel* Model() const { return m_model.data(); }

    // The picture as it is painted when shrunk: the slot's current image at
    // the view's size in device pixels, made at the next paint when out of
    // date. Null when there is nothing to paint or the picture is enlarged
    // (then it is painted straight from the buffer, clipped to what shows).
    const QImage& ScaledImage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void modelChanged();
    void nextFrame();
    void dropScaled() { m_scaled = QImage(); m_scaledFrom = 0; }

    // The slot's window may go first.
    QPointer<PictureSlotModel> m_model;
    int m_listener = 0;
    bool m_smooth = true;
    QTimer m_frameTimer;
    QImage m_scaled;          // the current image at the view's size
    qint64 m_scaledFrom = 0;  // cacheKey of the image it was made from
};

// Puts a PictureView over the whole of `host` (e.g. the main window's image
// label) that follows the host's size, lets mouse events through to the
// host, and shows the slot. Returns the view (owned by the host).
PictureView* AttachPictureView(QWidget* host, PictureSlotModel* model);
