// The few registry values the program keeps for the desktop (the
// wallpaper's) live in a small INI file in the data folder,
// "registry.ini", under "<root>/<key path>" groups ("\" in key paths reads
// as "/"). Reading a value that was never written gives "".
#pragma once

#include <QString>

// The data folder's INI file; tests may point it elsewhere ("" restores it).
QString RegistryStorePath();
void SetRegistryStorePath(const QString& path);

// The stored text of a value; "" when the key or value is missing or on any
// error.
QString ReadRegistryString(const QString& root, const QString& keyPath, const QString& valueName);

// Stores a text value (written through a temporary file and rename).
bool WriteRegistryString(const QString& root, const QString& keyPath, const QString& valueName,
                         const QString& value);
