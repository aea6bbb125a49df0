#include "platform/designed_widgets.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace platform {

QAction* ActionNamed(const QWidget& window, const QString& name)
{
    const QList<QAction*> found = window.findChildren<QAction*>(name);
    return found.isEmpty() ? nullptr : found.first();
}

QAction* ActionNamed(const QWidget& window, const char* name)
{
    return ActionNamed(window, QString::fromLatin1(name));
}

QMenu* MenuNamed(const QWidget& window, const char* name)
{
    return window.findChild<QMenu*>(QString::fromLatin1(name));
}

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
