// The settings records with their load and save.
#pragma once

#include "base/add_settings_record.h"
#include "base/settings_record.h"
#include "platform/record_file.h"

#include <QString>

#include <cstdint>

struct SettingsStore {
    // The live record, the disk record after start-up (merge base), the disk
    // record at close, and the save area used while a settings file for a CD
    // is written.
    TSettingsRecord Settings, SettingsSnapshot, SettingsOnDisk, SettingsBackup;

    // 1 when `AutoShowOptions` equal the live play options (set by SettingsChanged).
    uint8_t AutoShowMatchesOptions = 0;

    // The live additional settings record.
    TAddSettingsRecord AddSettings;

    // Set to 1 by every LoadAddSettings: the upload service then starts the
    // upload program afresh instead of reusing a running one, and clears it.
    uint8_t UploaderRestartPending = 0;

    // Reads record 0 of the settings file `path` into SettingsSnapshot (the
    // base of the merge at close).
    platform::RecordResult ReadSettingsSnapshot(const QString& path);

    // Sets AutoShowMatchesOptions from the live Settings.
    void SettingsChanged();

    // Loads (and repairs) the additional settings file `path` into AddSettings
    // and sets UploaderRestartPending.
    TAddSettingsLoad LoadAddSettings(const QString& path, int32_t currentVersion, const StartContext& start,
                                     const QString& detectedUploader = {});
};
