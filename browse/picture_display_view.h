// The widget that shows a picture slot: it paints the slot's current image
// stretched over its own rectangle and steps an animated GIF on a timer.
// It holds no picture state of its own; everything comes from the slot.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class PictureSlotModel;

class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);
    ~PictureView() override;

    void SetModel(PictureSlotModel* model);
    PictureSlotModel* Model() const { return m_model; }

    // Smooth (bilinear) scaling; on by default.
    void SetSmooth(bool smooth) { m_smooth = smooth; update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void modelChanged();
    void nextFrame();

    PictureSlotModel* m_model = nullptr;
    int m_listener = 0;
    bool m_smooth = true;
    QTimer m_frameTimer;
};

// Puts a PictureView over the whole of `host` (e.g. the main window's image
// label) that follows the host's size, lets mouse events through to the
// host, and shows the slot. Returns the view (owned by the host).
PictureView* AttachPictureView(QWidget* host, PictureSlotModel* model);
