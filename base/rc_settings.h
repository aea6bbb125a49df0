// The instant slide-show launcher's choices ("RCSettings.dat", one record
// of 664 bytes).
#pragma once

#include "platform/record_file.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

constexpr int RCSettingsSize = 664;
namespace RCSettingsLayout {
constexpr int IncludeSubfolders = 0;  // byte
constexpr int PlayVoice = 1;          // byte
constexpr int PlayPlaylist = 2;       // byte
constexpr int Fade = 3;               // byte
constexpr int PlayOrder = 4;          // int32
constexpr int PlaylistOrder = 8;      // int32
constexpr int PlaylistPath = 12;      // string[200]
constexpr int PlaylistPathCapacity = 200;
constexpr int Loop = 213;             // byte
} // namespace RCSettingsLayout

struct TRCSettingsRecord {
    uint8_t IncludeSubfolders = 0;
    uint8_t PlayVoice = 0;
    uint8_t PlayPlaylist = 0;
    uint8_t Fade = 0;
    int32_t PlayOrder = 0;
    int32_t PlaylistOrder = 0;
    QString PlaylistPath;
    uint8_t Loop = 0;
    QByteArray RawBytes = QByteArray(RCSettingsSize, '\0');
};

TRCSettingsRecord DecodeRCSettings(const QByteArray& bytes);
QByteArray EncodeRCSettings(const TRCSettingsRecord& record);

// The record written when the file is missing: subfolders, voice and fade on,
// no playlist, random picture and playlist order, no loop; all else 0.
TRCSettingsRecord DefaultRCSettings();

// Reads the record; a missing or short file gives the default record.
TRCSettingsRecord ReadRCSettings(const QString& path);
platform::RecordResult WriteRCSettings(const QString& path, const TRCSettingsRecord& record);
