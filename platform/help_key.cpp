#include "platform/help_key.h"

#include <QVariant>
#include <QWidget>

void InstallHelpKey(QWidget* window, const QString& topic)
{
    if (window)
        window->setProperty(HelpTopicProperty, topic);
}
