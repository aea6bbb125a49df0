// The additional settings record: the options added after the settings record
// had been laid out (upload program, thumbnail creation, second-monitor size).
// One 9468-byte record, the only record of "VXAddSettings.dat" in the data
// folder. Unlike the settings record it is written at once whenever it changes
// and takes no part in the merge at close.
#pragma once

#include "platform/record_file.h"

#include <QString>

#include <array>
#include <cstdint>

struct StartContext;

constexpr int AddSettingsRecordSize = 9468;

struct TAddSettingsRecord {
    QString UploaderPath;                 // 0 string[255]
    int32_t UploadBatchSize = 0;          // 256
    int32_t UploaderWaitSeconds = 0;      // 260
    uint8_t ThumbsOnFixedDrives = 0;      // 264
    uint8_t ThumbsOnNetworkDrives = 0;    // 265
    uint8_t ThumbsOnRemovableDrives = 0;  // 266
                                          // 267: 46 reserved bytes
    uint8_t Mon2Manual = 0;               // 313
    int32_t ThumbSizeIndex = 0;           // 316 0 Tiny .. 4 Extra
    int32_t AddSettingsVersion = 0;       // 320
    int32_t ThumbMinSizeKB = 0;           // 324
                                          // 328: 45 reserved int32
    int32_t Mon2Width = 0;                // 508
    int32_t Mon2Height = 0;               // 512
                                          // 516: 50 reserved string[50]
                                          // 3066: 25 reserved string[255]

    // The record's bytes as last read (all zero for a new record): reserved
    // areas, gaps and bytes after a text's length are written back unchanged.
    std::array<uint8_t, AddSettingsRecordSize> RawBytes{};
};

// Codec: one record to and from its 9468 bytes. Decoding never fails on a
// buffer of the right size; a buffer of another size gives WrongSize.
QByteArray EncodeAddSettings(const TAddSettingsRecord& rec);
platform::RecordResult DecodeAddSettings(const QByteArray& bytes, TAddSettingsRecord& rec);

// The first-run values: 50, 3, thumbnails on fixed drives only, size index 2,
// 300 KB, the given version, everything else (reserved areas too) cleared.
TAddSettingsRecord DefaultAddSettings(int32_t currentVersion);

// What LoadAddSettings did.
struct TAddSettingsLoad {
    platform::RecordResult Result;  // Ok, or the I/O failure (then `rec` holds defaults)
    bool Created = false;           // the file was empty: defaults were written
    bool Repaired = false;          // a repair was written back
    bool UploaderFound = false;     // an empty uploader path was filled from `detectedUploader`
};

// Reads record 0 of the file `path` (created empty when missing), fills `rec`,
// repairs it and writes it back at once when something was repaired:
//  - empty file: defaults, written;
//  - `UploaderPath` empty (always written back) or naming no existing file (emptied);
//  - `AddSettingsVersion` other than `currentVersion` (below 55: thumbnail options reset);
//  - then an empty path takes `detectedUploader` when that file exists, and is written.
// Repairs are written only when the data files may be written: the load sets
// the file mode as SetDataFileMode does for `start`, not forced.
// A file whose size is not a whole number of records
// is read from its first complete record; a file shorter than one record counts
// as empty (defaults written). Captions and glyphs are the caller's (MainWindow).
TAddSettingsLoad LoadAddSettings(const QString& path, TAddSettingsRecord& rec, int32_t currentVersion,
                                 const StartContext& start, const QString& detectedUploader = {});

// Writes `rec` as record 0 of the file `path` whole, through a temporary file
// and rename, so a failed write leaves the old file as it was.
platform::RecordResult WriteAddSettings(const QString& path, const TAddSettingsRecord& rec);

// The main window's upload captions for an upload program (all empty when the
// path is empty): the name is the program's file name without its extension.
struct TUploadCaptions {
    QString ProgramName;
    QString UploadPicture;  // menu items `UploadPicture` and `Upload`
    QString UploadB;        // menu item `UploadB`
    QString UploadSpHint;   // hint of the speed button `UploadSp`
};
TUploadCaptions UploadCaptionsFor(const QString& uploaderPath);
