#include "app/application_setup.h"

#include "platform/prompt_dialogs.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

// Gives each widget without a tool-tip duration of its own the pause, just
// before its first tool tip shows.
class HintHidePause : public QObject {
public:
    HintHidePause(int ms, QObject* parent) : QObject(parent), m_ms(ms) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->toolTipDuration() < 0)
                widget->setToolTipDuration(m_ms);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const int m_ms;
};

} // namespace

void InstallHintHidePause(int ms)
{
    qApp->installEventFilter(new HintHidePause(ms, qApp));
}

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Vistamo!"));
    QApplication::setQuitOnLastWindowClosed(false);
    platform::InstallPromptDialogs();
    InstallHintHidePause(10000);
}
