#include "platform/title_width.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace platform {

namespace {

// The title bar's icon, its three buttons and its margins.
constexpr int TitleBarExtra = 110;

void widenForTitle(QWidget* window)
{
    const QString title = window->windowTitle();
    if (title.isEmpty())
        return;
    const int need = std::max(TitleBarWidth(title), window->minimumSizeHint().width());
    if (window->minimumWidth() >= need)
        return;
    if (window->maximumWidth() < need)
        window->setMaximumWidth(need);
    window->setMinimumWidth(need);
    if (window->width() < need)
        window->resize(need, window->height());
}

class TitleWidthKeeper : public QObject {
public:
    explicit TitleWidthKeeper(QWidget* window) : QObject(window), window_(window)
    {
        setObjectName(QStringLiteral("TitleWidthKeeper"));
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && (event->type() == QEvent::Show || event->type() == QEvent::WindowTitleChange))
            widenForTitle(window_);
        return false;
    }

private:
    QWidget* window_;
};

} // namespace

int TitleBarWidth(const QString& title)
{
    // Window managers draw titles in a bold face of about the program's size.
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + TitleBarExtra;
}

void KeepWidthForTitle(QWidget* window)
{
    if (!window || window->findChild<QObject*>(QStringLiteral("TitleWidthKeeper"), Qt::FindDirectChildrenOnly))
        return;
    window->installEventFilter(new TitleWidthKeeper(window));
    widenForTitle(window);
}

} // namespace platform
