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

} // namespace platform
