#include "app/keyboard_hook_application.h"
#include "platform/prompt.h"

#include <exception>

void EscapedExceptionReport::Report(const QString& message)
{
    if (m_reporting)
        return;   // one message, even when the box itself runs more events
    m_reporting = true;
    emit escaped(message);
    m_reporting = false;
}

void ShowExceptionAndEnd(const QString& message)
{
    platform::showMessage(platform::PromptKind::Error, message);
    QCoreApplication::exit(1);
}

KeyboardHookApplication::KeyboardHookApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

bool KeyboardHookApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        m_exceptionReport.Report(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        m_exceptionReport.Report(QStringLiteral("Unknown exception"));
    }
    return false;
}
