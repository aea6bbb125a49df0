// Widgets made as designed: each carries its objectName (the name tests and
// the other windows find it by), and the placed ones sit at their designed
// bounds in their parent.
#pragma once

#include <QFrame>
#include <QRect>
#include <QString>

class QAction;
class QLabel;
class QMenu;
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

// The window's registry of actions: the menu or tool-bar action (or menu)
// of that objectName among `window`'s descendants, or none. A controller
// takes the actions it serves this way, whoever made and placed them.
QAction* ActionNamed(const QWidget& window, const QString& name);
QAction* ActionNamed(const QWidget& window, const char* name);
QMenu* MenuNamed(const QWidget& window, const char* name);

QLabel* PlacedLabel(QWidget* parent, const char* name, QRect bounds, const QString& text = QString());
QFrame* PlacedFrame(QWidget* parent, const char* name, QRect bounds, QFrame::Shape shape = QFrame::StyledPanel);
// A flat tool button, raised while the mouse is over it.
QToolButton* PlacedButton(QWidget* parent, const char* name, QRect bounds);

} // namespace platform
