// The selection band of crop-and-enlarge and its two readouts, drawn over
// the picture window while the user drags: a white dash-dot-dot rectangle
// with a black one 1 pixel inside, the selection's size in picture pixels
// (white bold on red) beside the pointer, and the picture's full size in
// black centred at the image's top. The overlay covers the image's parent
// and lets every mouse event through.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class CropBandOverlay : public QWidget {
    Q_OBJECT
public:
    // `image` is the widget the picture is shown in; the overlay is made a
    // child of its parent.
    explicit CropBandOverlay(QWidget* image);

    // Band corners in image coordinates and the two texts.
    void ShowBand(QPoint start, QPoint end, const QString& sizeText, const QString& fullSizeText,
                  int screenWidth);
    // Erases the band (the picture is repainted underneath).
    void Clear();

    bool BandShown() const { return m_shown; }
    const QString& SizeText() const { return m_sizeText; }
    const QString& FullSizeText() const { return m_fullText; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_image;
    bool m_shown = false;
    QPoint m_start;
    QPoint m_end;
    QString m_sizeText;
    QString m_fullText;
    QRect m_sizeRect;
    QRect m_fullRect;
};
