#include "shows/known_shows.h"

#include "platform/fixed_text.h"

#include <QFileInfo>

QByteArray EncodeShowListRecord(const QString& path)
{
    QByteArray record(ShowListRecordSize, '\0');
    platform::EncodeFixedText(path, ShowListPathCapacity, reinterpret_cast<uint8_t*>(record.data()));
    return record;
}

QString DecodeShowListRecord(const QByteArray& record)
{
    if (record.size() < ShowListRecordSize)
        return {};
    return platform::DecodeFixedText(reinterpret_cast<const uint8_t*>(record.constData()), ShowListPathCapacity);
}

KnownShowsRead ReadKnownShows(const QString& listPath, bool skipMissing)
{
    return platform::ReadRecordList<QStringList>(
        listPath, ShowListRecordSize, MaxKnownShows, [skipMissing](QStringList& paths, const QByteArray& record) {
            const QString path = DecodeShowListRecord(record);
            if (path.isEmpty() || (skipMissing && !QFileInfo(path).isFile()))
                return;
            paths << path;
        });
}

QString KnownShowsLeftText(const QString& listPath, const QString& reason)
{
    return QStringLiteral("Vistamo! : The list of MyShow files ") + listPath + QStringLiteral(" could not be read (")
           + reason + QStringLiteral("); it is left as it is.");
}

int RenameKnownShowFolder(QStringList& paths, const QString& oldPrefix, const QString& newPrefix,
                          int prefixLength)
{
    int changed = 0;
    for (QString& path : paths) {
        if (QFileInfo(path).isFile())
            continue;
        if (path.left(prefixLength).toLower() != oldPrefix.left(prefixLength).toLower())
            continue;
        // A prefix matches only at a whole folder name.
        if (path.size() > prefixLength && path[prefixLength] != QLatin1Char('/')
            && !oldPrefix.endsWith(QLatin1Char('/')))
            continue;
        path = newPrefix + path.mid(prefixLength);
        ++changed;
    }
    return changed;
}

platform::RecordResult WriteKnownShows(const QString& listPath, QStringList& paths, const QString& oldPrefix,
                                       const QString& newPrefix, int prefixLength, bool replace)
{
    if (replace)
        RenameKnownShowFolder(paths, oldPrefix, newPrefix, prefixLength);
    QList<QByteArray> records;
    for (const QString& path : paths)
        records << EncodeShowListRecord(path);
    return platform::WriteRecords(listPath, records, ShowListRecordSize);
}
