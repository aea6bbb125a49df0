#include "base/settings_store.h"

#include "base/settings_fields.h"

platform::RecordResult SettingsStore::ReadSettingsSnapshot(const QString& path)
{
    return ReadSettingsFile(path, SettingsSnapshot);
}

void SettingsStore::SettingsChanged()
{
    AutoShowMatchesOptions = AutoShowOptionsMatch(Settings) ? 1 : 0;
}

TAddSettingsLoad SettingsStore::LoadAddSettings(const QString& path, int32_t currentVersion,
                                                const StartContext& start, const QString& detectedUploader)
{
    UploaderRestartPending = 1;
    return ::LoadAddSettings(path, AddSettings, currentVersion, start, detectedUploader);
}
