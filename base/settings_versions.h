// Versions of the settings file "VXSettings61.dat": moving an older file into
// place, keeping a damaged one aside, and upgrading the fields an older
// version did not have.
#pragma once

#include "base/settings_record.h"
#include "base/settings_fields.h"

#include <QString>
#include <QStringList>

#include <vector>

// The older versions a settings file may have, oldest first.
const std::vector<int>& OlderSettingsVersions();

struct TSettingsMigration {
    int FoundVersion = 0;       // version of the older file moved into place (0: none)
    bool Converted = false;     // an older file was found
    bool Moved = false;         // it was moved into place
    QStringList DeletedFiles;   // old numbered files removed beside a current file
};

// When `settingsPath` exists, every "VXSettings10.dat" .. "VXSettings60.dat"
// of the data folder is deleted (failures ignored). Otherwise the newest
// older settings file is moved to `settingsPath`.
TSettingsMigration MigrateSettingsFile(const QString& dataFolder, const QString& settingsPath);

// A settings file shorter than one record cannot be read: it is renamed to
// path + ".bad" (replacing an older one) so the start goes on as a first start
// without losing what was there. Returns the new path, or an empty text when
// the file is missing or whole.
QString KeepShortSettingsFileAside(const QString& settingsPath);

// The fields an older version lacked, set for each upgrade block whose bound
// is at least `foundVersion` (32, 33, 40, 42, 43, 50, 52, 53, 54 in order).
// `dayOfMonth` restarts the monthly suggestion.
void ApplySettingsUpgrades(TSettingsRecord& rec, int foundVersion, const QString& dataFolder,
                           const QString& showsFolder, int dayOfMonth);

// An entry naming a file that no longer exists is emptied; then the non-empty
// entries move up in their order, the empty ones last.
void CompactProgramList(std::array<QString, 5>& list);
