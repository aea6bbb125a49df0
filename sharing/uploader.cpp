#include "sharing/uploader.h"

#include "platform/prompt.h"

#include <QFileInfo>

bool CheckUploaderConnected(bool quiet, const QString& uploaderPath)
{
    if (!uploaderPath.isEmpty() && QFileInfo(uploaderPath).isFile())
        return true;
    if (!quiet) {
        const QString text = uploaderPath.isEmpty()
            ? QStringLiteral("Vistamo! : No upload program defined, define one in Options")
            : QStringLiteral("Vistamo! : Upload program ") + uploaderPath + QStringLiteral(" not found");
        platform::showMessage(platform::PromptKind::Information, text);
    }
    return false;
}
