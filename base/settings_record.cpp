#include "base/settings_record.h"

TSettingsRecord Settings, SettingsSnapshot, SettingsOnDisk, SettingsBackup;
uint8_t AutoShowMatchesOptions = 0;
