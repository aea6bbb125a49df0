#include "app/keyboard_hook_application.h"
#include "platform/prompt.h"

#include <exception>

namespace {
std::function<void(const QString&)>& handler()
{
    static std::function<void(const QString&)> h;
    return h;
}
bool g_reporting = false;
} // namespace

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

void TApplication::setExceptionHandler(std::function<void(const QString&)> h)
{
    handler() = std::move(h);
}

void ReportEscapedException(const QString& message)
{
    if (g_reporting)
        return;   // one message, even when the box itself runs more events
    g_reporting = true;
    if (handler()) {
        handler()(message);
    } else {
        platform::showMessage(platform::PromptKind::Error, message);
        QCoreApplication::exit(1);
    }
    g_reporting = false;
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ReportEscapedException(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ReportEscapedException(QStringLiteral("Unknown exception"));
    }
    return false;
}
