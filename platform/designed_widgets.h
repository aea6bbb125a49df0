// Widgets made as designed: each carries its objectName (the name tests and
// the other windows find it by), and the placed ones sit at their designed
// bounds in their parent.
#pragma once

#include <QFrame>
#include <QRect>
#include <QString>

#include <array>
#include <cstddef>

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
// The numbered actions `prefix`1, `prefix`2, ... (from `first`, the number
// written with at least `digits` digits), as the menus number their entries.
template <std::size_t N>
std::array<QAction*, N> NumberedActions(const QWidget& window, const char* prefix, int first, int digits = 1)
{
    std::array<QAction*, N> actions{};
    for (std::size_t k = 0; k < N; ++k)
        actions[k] = ActionNamed(window, QString::fromLatin1(prefix)
                                             + QStringLiteral("%1").arg(first + int(k), digits, 10, QLatin1Char('0')));
    return actions;
}

QLabel* PlacedLabel(QWidget* parent, const char* name, QRect bounds, const QString& text = QString());
QFrame* PlacedFrame(QWidget* parent, const char* name, QRect bounds, QFrame::Shape shape = QFrame::StyledPanel);
// A flat tool button, raised while the mouse is over it.
QToolButton* PlacedButton(QWidget* parent, const char* name, QRect bounds);

} // namespace platform
