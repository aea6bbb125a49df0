// Writing values into INI files (QSettings' INI format) through the safe
// whole-file write, so a failed write never empties or cuts the file.
#pragma once

#include "platform/record_file.h"

#include <QString>
#include <QVariant>

namespace platform {

// Sets `key` ("Group/Name") to `value` in the INI file at `path` (created
// when missing; its folder must exist). Other values stay as they were.
RecordResult SetIniValue(const QString& path, const QString& key, const QVariant& value);

// The value of `key` ("Group/Name") as the INI file at `path` holds it now
// (an invalid value when the file or the key is missing). Read from a copy
// of the file's bytes: QSettings keeps files it has read and may answer from
// them when the file was rewritten with the same size in the same moment.
QVariant ReadIniValue(const QString& path, const QString& key);

} // namespace platform
