#include "app/application_setup.h"

#include <QApplication>

void SetUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("Vistamo!"));
    QApplication::setQuitOnLastWindowClosed(false);
}
