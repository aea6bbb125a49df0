#include "browse/crop_band_overlay.h"

#include "browse/crop.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

CropBandOverlay::CropBandOverlay(QWidget* image)
    : QWidget(image ? image->parentWidget() : nullptr), m_image(image)
{
    setObjectName(image ? image->objectName() + QStringLiteral("CropBand") : QStringLiteral("CropBand"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    if (parentWidget()) {
        setGeometry(parentWidget()->rect());
        parentWidget()->installEventFilter(this);
    }
    hide();
}

bool CropBandOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return false;
}

void CropBandOverlay::ShowBand(QPoint start, QPoint end, const QString& sizeText, const QString& fullSizeText,
                               int screenWidth)
{
    m_shown = true;
    m_start = start;
    m_end = end;
    m_sizeText = sizeText;
    m_fullText = fullSizeText;

    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const QFontMetrics plainMetrics(font());
    const QRect image = m_image ? m_image->geometry() : QRect();
    const QSize sizeTextSize(boldMetrics.horizontalAdvance(sizeText) + 4, boldMetrics.height());
    m_sizeRect = QRect(SizeReadoutPosition(image.topLeft(), image.size(), end, sizeTextSize), sizeTextSize);
    const int fullWidth = plainMetrics.horizontalAdvance(fullSizeText);
    m_fullRect = QRect((screenWidth - fullWidth) / 2, image.top() + 5, fullWidth, plainMetrics.height());

    if (parentWidget())
        setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
}

void CropBandOverlay::Clear()
{
    m_shown = false;
    hide();
    if (m_image)
        m_image->update();
}

void CropBandOverlay::paintEvent(QPaintEvent*)
{
    if (!m_shown)
        return;
    QPainter p(this);
    const QPoint origin = m_image ? m_image->geometry().topLeft() : QPoint();
    const QRect band(m_start + origin, m_end + origin);

    // The band: white dash-dot-dot, then black 1 pixel inside.
    QPen white(Qt::white, 1, Qt::DashDotDotLine);
    p.setPen(white);
    p.setBrush(Qt::NoBrush);
    p.drawRect(band.normalized());
    QPen black(Qt::black, 1, Qt::DashDotDotLine);
    p.setPen(black);
    p.drawRect(band.normalized().adjusted(1, 1, -1, -1));

    // The size readout and the picture's full size.
    QFont bold = font();
    bold.setBold(true);
    p.fillRect(m_sizeRect, Qt::red);
    p.setFont(bold);
    p.setPen(Qt::white);
    p.drawText(m_sizeRect, Qt::AlignCenter, m_sizeText);
    p.setFont(font());
    p.setPen(Qt::black);
    p.drawText(m_fullRect, Qt::AlignCenter, m_fullText);
}
