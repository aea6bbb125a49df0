// Records of the sound subsystem: playlist tracks (208 bytes, also a show's
// own sound list) and the one record of the sound-file search settings
// ("VXSearchSettings.dat", 3920 bytes).
#pragma once

#include "platform/record_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// ---- Playlist track -----------------------------------------------------------
constexpr int PlaylistRecordSize = 208;
// The most tracks a playlist file holds; a larger file is refused unread.
constexpr qint64 MaxPlaylistRecords = 100000;
namespace PlaylistRecordLayout {
constexpr int SoundPath = 0;          // string[200]
constexpr int SoundPathCapacity = 200;
constexpr int PlayOrder = 204;        // int32
} // namespace PlaylistRecordLayout

struct TPlaylistRecord {
    QString SoundPath;
    int32_t PlayOrder = 0;
    QByteArray RawBytes = QByteArray(PlaylistRecordSize, '\0');
};
TPlaylistRecord DecodePlaylistRecord(const QByteArray& bytes);
QByteArray EncodePlaylistRecord(const TPlaylistRecord& record);
// All tracks of a playlist file, in order (a partial last record is ignored;
// a missing file has none). A file that is refused (too large, not a regular
// file, unreadable) gives none and says why: it must then not be rewritten
// from the empty list.
using PlaylistRead = platform::ListRead<QList<TPlaylistRecord>>;
PlaylistRead ReadPlaylist(const QString& path);
platform::RecordResult WritePlaylist(const QString& path, const QList<TPlaylistRecord>& tracks);

// ---- Sound-file search settings ---------------------------------------------------
constexpr int SearchSettingsSize = 3920;
namespace SearchSettingsLayout {
constexpr int Folders = 0;            // 9 x string[200]
constexpr int FolderCount = 9;
constexpr int FolderStride = 201;
constexpr int FolderCapacity = 200;
constexpr int IncludeMP3 = 1809;      // bytes 1809..1813: MP3, WAV, RMI, MID, subfolders
constexpr int IncludeWAV = 1810;
constexpr int IncludeRMI = 1811;
constexpr int IncludeMID = 1812;
constexpr int IncludeSubfolders = 1813;
constexpr int WordHistories = 1814;   // 3 x (10 x string[50]); 1814, 2324, 2834
constexpr int WordHistoryStride = 510;
constexpr int WordCount = 10;
constexpr int WordStride = 51;
constexpr int WordCapacity = 50;
constexpr int BoxUsed = 3344;         // 3 bytes
constexpr int MustContain = 3347;     // 3 bytes
constexpr int IgnoreCase = 3350;      // 3 bytes
constexpr int OrAnd = 3353;
constexpr int MatchPathAndTitle = 3354;
} // namespace SearchSettingsLayout

struct TSearchSettingsRecord {
    std::array<QString, SearchSettingsLayout::FolderCount> Folders;
    uint8_t IncludeMP3 = 0, IncludeWAV = 0, IncludeRMI = 0, IncludeMID = 0, IncludeSubfolders = 0;
    std::array<std::array<QString, SearchSettingsLayout::WordCount>, 3> WordHistories;
    std::array<uint8_t, 3> BoxUsed{}, MustContain{}, IgnoreCase{};
    uint8_t OrAnd = 0;
    uint8_t MatchPathAndTitle = 0;
    QByteArray RawBytes = QByteArray(SearchSettingsSize, '\0');
};
TSearchSettingsRecord DecodeSearchSettings(const QByteArray& bytes);
QByteArray EncodeSearchSettings(const TSearchSettingsRecord& record);

// The default record of a first start. Its folders are, in order and only
// when they exist: the user's Music folder, then the folders "Sound",
// "Sound files", "My Music" and "Music" at the root of the start folder's
// volume; when none exists the first folder is that root itself.
TSearchSettingsRecord DefaultSearchSettings(const QString& musicFolder, const QString& startVolumeRoot);

// Reads and writes the one record of the file (the write is a whole-file
// safe write).
platform::RecordResult ReadSearchSettings(const QString& path, TSearchSettingsRecord& out);
platform::RecordResult WriteSearchSettings(const QString& path, const TSearchSettingsRecord& record);
