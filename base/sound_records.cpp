#include "base/sound_records.h"

#include "platform/fixed_text.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

namespace {

QByteArray sized(const QByteArray& input, int size)
{
    QByteArray bytes = input.left(size);
    if (bytes.size() < size)
        bytes.append(QByteArray(size - bytes.size(), '\0'));
    return bytes;
}

QString readText(const QByteArray& bytes, int offset, int capacity)
{
    return platform::DecodeFixedText(reinterpret_cast<const uint8_t*>(bytes.constData()) + offset, capacity);
}

void writeText(QByteArray& bytes, int offset, int capacity, const QString& text)
{
    platform::EncodeFixedText(text, capacity, reinterpret_cast<uint8_t*>(bytes.data()) + offset);
}

} // namespace

TPlaylistRecord DecodePlaylistRecord(const QByteArray& input)
{
    namespace L = PlaylistRecordLayout;
    TPlaylistRecord record;
    record.RawBytes = sized(input, PlaylistRecordSize);
    record.SoundPath = readText(record.RawBytes, L::SoundPath, L::SoundPathCapacity);
    record.PlayOrder = qFromLittleEndian<int32_t>(reinterpret_cast<const uchar*>(record.RawBytes.constData()) + L::PlayOrder);
    return record;
}

QByteArray EncodePlaylistRecord(const TPlaylistRecord& record)
{
    namespace L = PlaylistRecordLayout;
    QByteArray bytes = sized(record.RawBytes, PlaylistRecordSize);
    writeText(bytes, L::SoundPath, L::SoundPathCapacity, record.SoundPath);
    qToLittleEndian<int32_t>(record.PlayOrder, reinterpret_cast<uchar*>(bytes.data()) + L::PlayOrder);
    return bytes;
}

PlaylistRead ReadPlaylist(const QString& path)
{
    return platform::ReadRecordList<QList<TPlaylistRecord>>(
        path, PlaylistRecordSize, MaxPlaylistRecords,
        [](QList<TPlaylistRecord>& tracks, const QByteArray& bytes) { tracks << DecodePlaylistRecord(bytes); });
}

platform::RecordResult WritePlaylist(const QString& path, const QList<TPlaylistRecord>& tracks)
{
    QList<QByteArray> records;
    for (const TPlaylistRecord& track : tracks)
        records << EncodePlaylistRecord(track);
    return platform::WriteRecords(path, records, PlaylistRecordSize);
}

TSearchSettingsRecord DecodeSearchSettings(const QByteArray& input)
{
    namespace L = SearchSettingsLayout;
    TSearchSettingsRecord r;
    r.RawBytes = sized(input, SearchSettingsSize);
    const QByteArray& b = r.RawBytes;
    for (int i = 0; i < L::FolderCount; ++i)
        r.Folders[i] = readText(b, L::Folders + i * L::FolderStride, L::FolderCapacity);
    r.IncludeMP3 = quint8(b[L::IncludeMP3]);
    r.IncludeWAV = quint8(b[L::IncludeWAV]);
    r.IncludeRMI = quint8(b[L::IncludeRMI]);
    r.IncludeMID = quint8(b[L::IncludeMID]);
    r.IncludeSubfolders = quint8(b[L::IncludeSubfolders]);
    for (int h = 0; h < 3; ++h)
        for (int w = 0; w < L::WordCount; ++w)
            r.WordHistories[h][w] = readText(b, L::WordHistories + h * L::WordHistoryStride + w * L::WordStride, L::WordCapacity);
    for (int box = 0; box < 3; ++box) {
        r.BoxUsed[box] = quint8(b[L::BoxUsed + box]);
        r.MustContain[box] = quint8(b[L::MustContain + box]);
        r.IgnoreCase[box] = quint8(b[L::IgnoreCase + box]);
    }
    r.OrAnd = quint8(b[L::OrAnd]);
    r.MatchPathAndTitle = quint8(b[L::MatchPathAndTitle]);
    return r;
}

QByteArray EncodeSearchSettings(const TSearchSettingsRecord& r)
{
    namespace L = SearchSettingsLayout;
    QByteArray b = sized(r.RawBytes, SearchSettingsSize);
    for (int i = 0; i < L::FolderCount; ++i)
        writeText(b, L::Folders + i * L::FolderStride, L::FolderCapacity, r.Folders[i]);
    b[L::IncludeMP3] = char(r.IncludeMP3);
    b[L::IncludeWAV] = char(r.IncludeWAV);
    b[L::IncludeRMI] = char(r.IncludeRMI);
    b[L::IncludeMID] = char(r.IncludeMID);
    b[L::IncludeSubfolders] = char(r.IncludeSubfolders);
    for (int h = 0; h < 3; ++h)
        for (int w = 0; w < L::WordCount; ++w)
            writeText(b, L::WordHistories + h * L::WordHistoryStride + w * L::WordStride, L::WordCapacity, r.WordHistories[h][w]);
    for (int box = 0; box < 3; ++box) {
        b[L::BoxUsed + box] = char(r.BoxUsed[box]);
        b[L::MustContain + box] = char(r.MustContain[box]);
        b[L::IgnoreCase + box] = char(r.IgnoreCase[box]);
    }
    b[L::OrAnd] = char(r.OrAnd);
    b[L::MatchPathAndTitle] = char(r.MatchPathAndTitle);
    return b;
}

TSearchSettingsRecord DefaultSearchSettings(const QString& musicFolder, const QString& startVolumeRoot)
{
    TSearchSettingsRecord r;
    QStringList candidates;
    if (!musicFolder.isEmpty())
        candidates << musicFolder;
    const QString root = startVolumeRoot.isEmpty() ? QStringLiteral("/") : startVolumeRoot;
    const QString base = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    for (const char* name : {"Sound", "Sound files", "My Music", "Music"})
        candidates << base + QLatin1String(name);
    int slot = 0;
    for (const QString& folder : candidates) {
        if (slot >= SearchSettingsLayout::FolderCount || !QFileInfo(folder).isDir())
            continue;
        const QString clean = QDir::cleanPath(folder);
        bool listed = false;
        for (int i = 0; i < slot; ++i)
            listed = listed || QDir::cleanPath(r.Folders[i]) == clean;
        if (!listed)
            r.Folders[slot++] = clean;
    }
    if (slot == 0)
        r.Folders[0] = root;
    r.IncludeMP3 = r.IncludeWAV = r.IncludeRMI = r.IncludeMID = r.IncludeSubfolders = 1;
    r.BoxUsed = {0, 0, 0};
    r.MustContain = {1, 1, 1};
    r.IgnoreCase = {1, 1, 1};
    r.OrAnd = 0;
    r.MatchPathAndTitle = 0;
    return r;
}

platform::RecordResult ReadSearchSettings(const QString& path, TSearchSettingsRecord& out)
{
    QByteArray bytes;
    const platform::RecordResult result = platform::ReadRecordAt(path, SearchSettingsSize, 0, bytes);
    if (result.ok())
        out = DecodeSearchSettings(bytes);
    return result;
}

platform::RecordResult WriteSearchSettings(const QString& path, const TSearchSettingsRecord& record)
{
    return platform::WriteRecords(path, {EncodeSearchSettings(record)}, SearchSettingsSize);
}
