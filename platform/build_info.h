// Facts of the build: the program's version is the build's version.
#pragma once
#include <QString>

namespace platform {
QString programVersion();   // "1.0.0.0"
QString programFolder();    // folder of the running executable
} // namespace platform
