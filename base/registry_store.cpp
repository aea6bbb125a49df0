// The INI file that holds the registry values the program keeps.
#include "base/registry_store.h"

#include "platform/ini_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString& overridePath()
{
    static QString path;
    return path;
}

QString settingsKey(const QString& root, const QString& keyPath, const QString& valueName)
{
    QString key = keyPath;
    key.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (key.startsWith(QLatin1Char('/')))
        key.remove(0, 1);
    while (key.endsWith(QLatin1Char('/')))
        key.chop(1);
    QString name = valueName.isEmpty() ? QStringLiteral("@") : valueName;   // "@": the key's default value
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    return root + QLatin1Char('/') + (key.isEmpty() ? QString() : key + QLatin1Char('/')) + name;
}

} // namespace

QString RegistryStorePath()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Vistamo/registry.ini");
}

void SetRegistryStorePath(const QString& path)
{
    overridePath() = path;
}

QString ReadRegistryString(const QString& root, const QString& keyPath, const QString& valueName)
{
    const QString file = RegistryStorePath();
    if (!QFileInfo(file).isFile())
        return QString();
    QSettings ini(file, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return QString();
    const QVariant v = ini.value(settingsKey(root, keyPath, valueName));
    if (!v.isValid())
        return QString();
    return v.toString();
}

bool WriteRegistryString(const QString& root, const QString& keyPath, const QString& valueName,
                         const QString& value)
{
    const QString file = RegistryStorePath();
    QDir().mkpath(QFileInfo(file).absolutePath());
    return platform::SetIniValue(file, settingsKey(root, keyPath, valueName), value).ok();
}
