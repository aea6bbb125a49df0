#include "app/application_setup.h"

#include "platform/prompt_dialogs.h"

#include <QApplication>

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Vistamo!"));
    QApplication::setQuitOnLastWindowClosed(false);
    platform::InstallPromptDialogs();
}
