// The settings records with their load, save and merge.
#pragma once

struct SettingsStore {
};
