#include "platform/designed_widgets.h"

#include <QLabel>
#include <QToolButton>

namespace platform {

QLabel* PlacedLabel(QWidget* parent, const char* name, QRect bounds, const QString& text)
{
    auto* label = Named(new QLabel(text, parent), name);
    label->setGeometry(bounds);
    return label;
}

QFrame* PlacedFrame(QWidget* parent, const char* name, QRect bounds, QFrame::Shape shape)
{
    auto* frame = Named(new QFrame(parent), name);
    frame->setFrameShape(shape);
    frame->setGeometry(bounds);
    return frame;
}

QToolButton* PlacedButton(QWidget* parent, const char* name, QRect bounds)
{
    auto* button = Named(new QToolButton(parent), name);
    button->setGeometry(bounds);
    button->setAutoRaise(true);
    return button;
}

} // namespace platform
