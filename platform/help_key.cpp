#include "platform/help_key.h"

#include <QVariant>
#include <QWidget>

namespace {
std::function<void(const QString&)>& shower()
{
    static std::function<void(const QString&)> s;
    return s;
}
} // namespace

void SetHelpTopicShower(std::function<void(const QString&)> show)
{
    shower() = std::move(show);
}

void ShowHelpTopicFromWindow(const QString& topic)
{
    if (shower())
        shower()(topic);
}

void InstallHelpKey(QWidget* window, const QString& topic)
{
    if (window)
        window->setProperty(HelpTopicProperty, topic);
}
