// File attributes the program's rules use, the Linux way:
// read-only = the owner's write bit is clear (never access(): as root it
// always allows writing); hidden = the name starts with "." or is listed in
// its folder's `.hidden` file (honoured by GNOME Files and Dolphin).
#pragma once

#include <QString>

namespace platform {

// Attribute bits as the program's directory-entry records keep them.
enum FileAttributeBits : int {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faVolumeID = 0x08,
    faDirectory = 0x10,
    faArchive = 0x20,
};

// The attribute bits of a file or folder; -1 when it does not exist.
// Plain files carry faArchive.
int FileAttributesOf(const QString& path);

// Read-only: the owner's write bit is clear. False when the file is missing.
bool IsReadOnly(const QString& path);

// Making a file read-only clears every write bit (nobody may write it);
// making it writable sets the owner's write bit.
bool SetReadOnly(const QString& path, bool readOnly);

// Hidden: dot-name, or listed in the parent folder's `.hidden` file.
bool IsHidden(const QString& path);

// Makes a file or folder hidden by adding its name to the parent's
// `.hidden` (or visible by removing it). A dot-name stays hidden whatever
// is asked. Returns false when the `.hidden` file can't be written.
bool SetHidden(const QString& path, bool hidden);

} // namespace platform
