// Path helpers and free copy names.
#include "app/file_helpers.h"

#include "platform/prompt.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Index of the extension's dot in the path, or -1.
qsizetype extDot(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1)   // no dot in the name, or only a leading one
        return -1;
    return dot;
}

QString fileNameOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

bool entryExists(const QString& path)
{
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

} // namespace

QString FileExtOf(const QString& path)
{
    const qsizetype dot = extDot(path);
    return dot < 0 ? QString() : path.mid(dot);
}

QString StripFileExt(const QString& path, bool dropDot)
{
    const qsizetype dot = extDot(path);
    if (dot < 0)
        return path;
    return path.left(dropDot ? dot : dot + 1);
}

QString CutAtLastBackslash(const QString& path, bool keepSeparator)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return path;
    return path.left(keepSeparator ? slash + 1 : slash);
}

QString FolderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    if (slash == 0)
        return QStringLiteral("/");
    return path.left(slash);
}

QString VoicePathFor(const QString& picturePath)
{
    if (extDot(picturePath) < 0)
        return picturePath + QStringLiteral(".wav");
    return StripFileExt(picturePath, false) + QStringLiteral("wav");
}

bool PictureCarriesVoice(const QString& picturePath)
{
    static const QStringList exts = {
        QStringLiteral(".jpg"), QStringLiteral(".jpeg"), QStringLiteral(".ico"), QStringLiteral(".bmp"),
        QStringLiteral(".wmf"), QStringLiteral(".emf"), QStringLiteral(".gif"),
    };
    return exts.contains(FileExtOf(picturePath).toLower());
}

QString ReadOnlyShowSavedText(const QString& originalPath, const QString& newPath)
{
    // A message box shows "&" as it is, so the name is not doubled here.
    return fileNameOf(originalPath) + QStringLiteral(" is set to read-only,") + QStringLiteral("\r\n")
           + QStringLiteral("file has been saved as : ") + newPath;
}

QString MakeUniqueCopyName(const QString& path, const QString& kind, bool quiet)
{
    const QString ext = FileExtOf(path);
    const QString dir = FolderOf(path);
    QString name = fileNameOf(path);

    // Drop an earlier numbering tail, looked for in the file name only.
    QString tail;
    if (kind == QLatin1String("PictureFile") || kind == QLatin1String("SoundFile"))
        tail = QStringLiteral("_Renamed_");
    else if (kind == QLatin1String("CutOutFile"))
        tail = QStringLiteral("_CutOut_");
    if (!tail.isEmpty()) {
        const qsizetype at = name.indexOf(tail);
        if (at >= 0)
            name = name.left(at) + ext;
    }
    const QString base = StripFileExt(name, true);
    // Inside "/" the separator is already there.
    const QString prefix = dir.isEmpty() ? QString()
                           : dir.endsWith(QLatin1Char('/')) ? dir
                                                            : dir + QLatin1Char('/');

    QString candidate;
    for (qint64 n = 1;; ++n) {
        const QString num = QString::number(n);
        if (kind == QLatin1String("ShowFile")) {
            candidate = prefix + QStringLiteral("Copy ") + num + QStringLiteral(" of ") + name;
            if (!entryExists(candidate))
                break;
        } else if (kind == QLatin1String("CutOutFile")) {
            candidate = prefix + base + QStringLiteral("_CutOut_") + num;
            if (!entryExists(candidate + QStringLiteral(".bmp")) && !entryExists(candidate + QStringLiteral(".jpg")))
                break;
        } else if (kind == QLatin1String("PictureFile")) {
            candidate = prefix + base + QStringLiteral("_Renamed_") + num + ext;
            if (!entryExists(candidate) && !entryExists(VoicePathFor(candidate)))
                break;
        } else {   // "SoundFile" and any other kind
            candidate = prefix + base + QStringLiteral("_Renamed_") + num + ext;
            if (!entryExists(candidate))
                break;
        }
    }
    if (kind == QLatin1String("ShowFile") && !quiet)
        platform::showMessage(platform::PromptKind::Warning, ReadOnlyShowSavedText(path, candidate));
    return candidate;
}
