#include "app/help_key.h"

#include "app/tform1.h"

#include <QVariant>
#include <QWidget>

void ShowHelpTopicFromWindow(const QString& topic)
{
    if (Form1)
        Form1->ShowHelpTopic(topic);
}

void InstallHelpKey(QWidget* window, const QString& topic)
{
    if (window)
        window->setProperty(HelpTopicProperty, topic);
}

QString HelpTopicOf(const QWidget* window)
{
    return window ? window->property(HelpTopicProperty).toString() : QString();
}
