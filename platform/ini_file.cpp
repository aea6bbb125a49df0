#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace platform {

RecordResult SetIniValue(const QString& path, const QString& key, const QVariant& value)
{
    // QSettings writes its own files without checking that the bytes reached
    // the disk, so the new text is made in a scratch copy and then written
    // over the real file in one safe write.
    QByteArray text;
    if (QFileInfo(path).isFile()) {
        const RecordResult read = ReadWholeFile(path, text);
        if (!read.ok())
            return read;
    }
    const QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("values.ini"));
    const auto failed = [&](const QString& reason) {
        return RecordResult::Fail(RecordStatus::WriteFailed, QStringLiteral("Could not write the file '%1': %2")
                                                                 .arg(QDir::toNativeSeparators(path), reason));
    };
    if (!scratch.isValid())
        return failed(scratch.errorString());
    {
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.flush())
            return failed(file.errorString());
    }
    {
        QSettings ini(copy, QSettings::IniFormat);
        ini.setValue(key, value);
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return failed(QStringLiteral("the values could not be put together"));
    }
    const RecordResult read = ReadWholeFile(copy, text);
    if (!read.ok())
        return failed(read.Message);
    return SafeWriteFile(path, text);
}

QVariant ReadIniValue(const QString& path, const QString& key)
{
    QByteArray text;
    if (!QFileInfo(path).isFile() || !ReadWholeFile(path, text).ok())
        return {};
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return {};
    const QString copy = scratch.filePath(QStringLiteral("values.ini"));
    {
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            return {};
    }
    return QSettings(copy, QSettings::IniFormat).value(key);
}

} // namespace platform
