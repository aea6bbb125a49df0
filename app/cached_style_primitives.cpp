#include "app/cached_style_primitives.h"

#include <QHashFunctions>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOption>

namespace {

// Everything the base style reads to draw the element: its size, state,
// direction, frame metrics and the palette's colours in the current group.
QString lookKey(QStyle::PrimitiveElement element, const QStyleOption* o, qreal dpr)
{
    size_t h = qHashMulti(0x5eed, int(element), o->rect.width(), o->rect.height(), uint(o->state),
                          int(o->direction), qRound(dpr * 100));
    if (const auto* f = qstyleoption_cast<const QStyleOptionFrame*>(o))
        h = qHashMulti(h, f->lineWidth, f->midLineWidth, uint(f->features), int(f->frameShape));
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        h = qHashMulti(h, o->palette.color(QPalette::ColorRole(role)).rgba());
    return QStringLiteral("vx-primitive-") + QString::number(quint64(h), 16);
}

template <typename Option>
QPixmap render(const Option& option, qreal dpr, const std::function<void(const QStyleOption*, QPainter*)>& draw)
{
    QPixmap pixmap(option.rect.size() * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    Option atOrigin = option;
    atOrigin.rect.moveTo(0, 0);
    QPainter painter(&pixmap);
    draw(&atOrigin, &painter);
    return pixmap;
}

} // namespace

bool DrawCachedPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                         const std::function<void(const QStyleOption*, QPainter*)>& draw)
{
    if (element != QStyle::PE_FrameLineEdit && element != QStyle::PE_IndicatorCheckBox)
        return false;
    if (!option || !painter || !painter->device() || option->rect.isEmpty()
        || painter->transform().type() > QTransform::TxTranslate)
        return false;
    const qreal dpr = painter->device()->devicePixelRatio();
    const QString key = lookKey(element, option, dpr);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option))
            pixmap = render(*frame, dpr, draw);
        else if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option))
            pixmap = render(*button, dpr, draw);
        else
            return false;
        QPixmapCache::insert(key, pixmap);
    }
    painter->drawPixmap(option->rect.topLeft(), pixmap);
    return true;
}
