// Helpers of the fuzz targets that go through the program's file readers:
// the input is written to a file in a private temporary folder, which the
// reader then opens as it would a user's file.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace fuzzfiles {

// In memory (/dev/shm) where there is one: the readers' safe writes sync
// every file, which on a disk would slow the fuzzing down a hundredfold.
inline const QString& Folder()
{
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/vistamo-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/vistamo-fuzz-XXXXXX"));
    static const QString path = dir.path();
    return path;
}

// Writes the bytes as Folder()/name and returns its path.
inline QString Write(const QString& name, const QByteArray& bytes)
{
    const QString path = Folder() + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

inline QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace fuzzfiles
