#include "shows/show_sync.h"

#include "platform/record_file.h"
#include "shows/show_file.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool startsWithFolder(const QString& path, const QString& oldFolder, int oldLength)
{
    const int length = oldLength > 0 ? oldLength : int(oldFolder.size());
    if (path.size() <= length || path.left(length).toLower() != oldFolder.left(length).toLower())
        return false;
    return path[length] == QLatin1Char('/') || oldFolder.endsWith(QLatin1Char('/'));
}

bool renamePath(QString& stored, const QString& oldPath, const QString& newPath, int oldLength, bool folder)
{
    if (stored.isEmpty())
        return false;
    if (!folder) {
        if (stored != oldPath)
            return false;
        stored = newPath;
        return true;
    }
    const int length = oldLength > 0 ? oldLength : int(oldPath.size());
    if (QFileInfo::exists(stored) || !startsWithFolder(stored, oldPath, length))
        return false;
    stored = newPath + stored.mid(length);
    return true;
}

bool writable(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && (info.permissions() & QFileDevice::WriteOwner);
}

QList<TShowRecord> readAll(const QString& showPath, bool& ok)
{
    QList<TShowRecord> records;
    QByteArray bytes;
    ok = platform::ReadWholeFile(showPath, bytes, MaxShowFileBytes).ok() && bytes.size() % ShowRecordSize == 0;
    if (!ok)
        return records;
    for (qsizetype offset = 0; offset < bytes.size(); offset += ShowRecordSize)
        records << DecodeShowRecord(bytes.mid(offset, ShowRecordSize));
    return records;
}

bool writeAll(const QString& showPath, const QList<TShowRecord>& records)
{
    QList<QByteArray> encoded;
    for (const TShowRecord& record : records)
        encoded << EncodeShowRecord(record);
    return platform::WriteRecords(showPath, encoded, ShowRecordSize).ok();
}

bool removeFromRecords(QList<TShowRecord>& records, const QString& deletedPath)
{
    bool changed = false;
    for (int i = int(records.size()) - 1; i >= 0; --i) {
        if (records[i].PicturePath == deletedPath) {
            records.removeAt(i);
            changed = true;
        } else if (records[i].SoundFile == deletedPath) {
            records[i].SoundFile.clear();
            records[i].SoundKind.clear();
            changed = true;
        }
    }
    return changed;
}

// The working copy stays open: it is rewritten through its own handle.
void rewriteWorkingCopy(OpenShow& show, const std::function<bool(QList<TShowRecord>&)>& change)
{
    if (!show.ShowFile.IsOpen() || !show.ShowFile.IsWritable())
        return;
    QList<TShowRecord> records;
    for (qint64 i = 0; i < show.ShowFile.RecordCount(); ++i) {
        TShowRecord record;
        if (!ReadShowRecord(show, i, record).ok())
            return;
        records << record;
    }
    if (!change(records))
        return;
    for (qint64 i = 0; i < records.size(); ++i)
        if (!show.ShowFile.Write(i, EncodeShowRecord(records[int(i)])).ok())
            return;
    show.ShowFile.Truncate(records.size());
    show.ShowFile.Flush();
    show.ShowChanged = 1;
}

QStringList showsToSync(const OpenShow& show, const ShowSyncSteps& steps)
{
    QStringList shows;
    if (steps.knownShows)
        shows = steps.knownShows();
    if (!show.OpenShowPath.isEmpty() && !shows.contains(show.OpenShowPath))
        shows << show.OpenShowPath;
    return shows;
}

void refreshList(const OpenShow& show, const ShowSyncSteps& steps)
{
    if (show.ShowFile.IsOpen() && steps.showFileRewritten)
        steps.showFileRewritten();
}

} // namespace

bool RenameInShowRecord(TShowRecord& record, const QString& oldPath, const QString& newPath, int oldLength,
                        bool folder)
{
    bool changed = renamePath(record.PicturePath, oldPath, newPath, oldLength, folder);
    changed = renamePath(record.SoundFile, oldPath, newPath, oldLength, folder) || changed;
    return changed;
}

bool RenameInShowFile(const QString& showPath, const QString& oldPath, const QString& newPath, int oldLength,
                      bool folder)
{
    if (!writable(showPath))
        return false;
    bool ok = false;
    QList<TShowRecord> records = readAll(showPath, ok);
    if (!ok)
        return false;
    bool changed = false;
    for (TShowRecord& record : records)
        changed = RenameInShowRecord(record, oldPath, newPath, oldLength, folder) || changed;
    return changed && writeAll(showPath, records);
}

bool RemoveFromShowFile(const QString& showPath, const QString& deletedPath)
{
    if (!writable(showPath))
        return false;
    bool ok = false;
    QList<TShowRecord> records = readAll(showPath, ok);
    if (!ok || !removeFromRecords(records, deletedPath))
        return false;
    return writeAll(showPath, records);
}

void SyncShowsAfterRename(OpenShow& openShow, const ShowSyncSteps& steps, const QString& oldPath,
                          const QString& newPath, int oldLength, bool folder)
{
    if (steps.showStatus)
        steps.showStatus(QStringLiteral("Synchronizing MyShow files..."));
    for (const QString& show : showsToSync(openShow, steps))
        RenameInShowFile(show, oldPath, newPath, oldLength, folder);
    rewriteWorkingCopy(openShow, [&](QList<TShowRecord>& records) {
        bool changed = false;
        for (TShowRecord& record : records)
            changed = RenameInShowRecord(record, oldPath, newPath, oldLength, folder) || changed;
        return changed;
    });
    refreshList(openShow, steps);
}

void SyncShowsAfterDelete(OpenShow& openShow, const ShowSyncSteps& steps, const QString& deletedPath)
{
    for (const QString& show : showsToSync(openShow, steps))
        RemoveFromShowFile(show, deletedPath);
    rewriteWorkingCopy(openShow, [&](QList<TShowRecord>& records) { return removeFromRecords(records, deletedPath); });
    refreshList(openShow, steps);
}
