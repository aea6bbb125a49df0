#include "browse/picture_display_view.h"

#include "browse/picture_loader_slots.h"
#include "formats/picture_scale.h"

#include <QEvent>
#include <QPainter>

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    m_frameTimer.setSingleShot(true);
    connect(&m_frameTimer, &QTimer::timeout, this, &PictureView::nextFrame);
}

PictureView::~PictureView()
{
    if (m_model)
        m_model->RemoveListener(m_listener);
}

void PictureView::SetModel(PictureSlotModel* model)
{
    if (m_model)
        m_model->RemoveListener(m_listener);
    m_model = model;
    m_listener = m_model ? m_model->AddListener([this] { modelChanged(); }) : 0;
    modelChanged();
}

void PictureView::modelChanged()
{
    if (m_model && m_model->Animated()) {
        if (!m_frameTimer.isActive())
            m_frameTimer.start(m_model->FrameDelay());
    } else {
        m_frameTimer.stop();
    }
    dropScaled();
    update();
}

void PictureView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    dropScaled();
}

const QImage& PictureView::ScaledImage()
{
    static const QImage none;
    if (!m_model || !m_model->Loaded())
        return none;
    const QImage& image = m_model->CurrentImage();
    if (image.isNull() || width() <= 0 || height() <= 0)
        return none;
    const qreal ratio = devicePixelRatioF();
    const QSize target = (QSizeF(size()) * ratio).toSize();
    // An enlarged picture (a zoom may make the view far larger than the
    // screen) is painted straight from the buffer, clipped to what shows.
    if (target.width() > image.width() || target.height() > image.height())
        return none;
    if (m_scaled.isNull() || m_scaledFrom != image.cacheKey() || m_scaled.size() != target) {
        m_scaled = m_smooth ? ScaleDecodedPicture(image, target)
                            : image.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        m_scaled.setDevicePixelRatio(ratio);
        m_scaledFrom = image.cacheKey();
    }
    return m_scaled;
}

void PictureView::nextFrame()
{
    if (m_model && m_model->Animated()) {
        m_model->AdvanceFrame(); // notifies, which re-arms the timer
        if (!m_frameTimer.isActive())
            m_frameTimer.start(m_model->FrameDelay());
    }
}

void PictureView::paintEvent(QPaintEvent*)
{
    if (!m_model || !m_model->Loaded() || m_model->CurrentImage().isNull())
        return;
    QPainter painter(this);
    const QImage& scaled = ScaledImage();
    if (!scaled.isNull()) {
        painter.drawImage(QPoint(0, 0), scaled);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_smooth);
    painter.drawImage(rect(), m_model->CurrentImage());
}

namespace {

// Keeps the view the size of its host.
class FollowHostSize : public QObject {
public:
    FollowHostSize(QWidget* host, QWidget* view) : QObject(view), m_view(view) { host->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && m_view)
            m_view->setGeometry(static_cast<QWidget*>(watched)->rect());
        return false;
    }

private:
    QPointer<QWidget> m_view;
};

} // namespace

PictureView* AttachPictureView(QWidget* host, PictureSlotModel* model)
{
    auto* view = new PictureView(host);
    view->setObjectName(host->objectName() + QStringLiteral("View"));
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->setGeometry(host->rect());
    view->SetModel(model);
    new FollowHostSize(host, view);
    view->show();
    return view;
}
