// Widgets made as designed: each carries its objectName (the name tests and
// the other windows find it by), and the placed ones sit at their designed
// bounds in their parent.
#pragma once

#include <QFrame>
#include <QRect>
#include <QString>

class QLabel;
class QToolButton;
class QWidget;

namespace platform {

// Gives `widget` (or action, or menu) its objectName and hands it back.
template <class W>
W* Named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* PlacedLabel(QWidget* parent, const char* name, QRect bounds, const QString& text = QString());
QFrame* PlacedFrame(QWidget* parent, const char* name, QRect bounds, QFrame::Shape shape = QFrame::StyledPanel);
// A flat tool button, raised while the mouse is over it.
QToolButton* PlacedButton(QWidget* parent, const char* name, QRect bounds);

} // namespace platform
