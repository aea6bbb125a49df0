#include "platform/build_info.h"

#include <QCoreApplication>

namespace platform {

QString programVersion()
{
    return QStringLiteral(VISTAMO_VERSION);
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace platform
