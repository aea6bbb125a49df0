#include "browse/folder_tree_open.h"

#include "platform/drives.h"

#include <QDir>
#include <QFileInfo>

const QString OpenRefusedWhileShowText = QStringLiteral(
    "You can not browse a folder or open a MyShow-file while the slide show is running!");
const QString FolderOrFileGoneText = QStringLiteral("Folder or file no longer exists!");

QString DriveNotReadyText(QChar letter)
{
    return QStringLiteral("Drive ") + letter + QStringLiteral(": not ready !");
}

// "X:" at the start of a text, followed by nothing or a separator.
static bool HasLetterPrefix(const QString& text)
{
    if (text.size() < 2 || text.at(1) != QLatin1Char(':'))
        return false;
    const QChar c = text.at(0).toUpper();
    if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
        return false;
    return text.size() == 2 || text.at(2) == QLatin1Char('/') || text.at(2) == QLatin1Char('\\');
}

QString NativeFolderPath(const QString& text)
{
    if (HasLetterPrefix(text)) {
        const QString root = platform::DriveRoot(text.at(0).toUpper());
        if (root.isEmpty())
            return QString();
        QString rest = text.mid(2);
        rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return QDir::cleanPath(root + QLatin1Char('/') + rest);
    }
    if (text.isEmpty() || !QDir::isAbsolutePath(text))
        return QString();
    return QDir::cleanPath(text);
}

QChar OpenTargetLetter(const QString& text)
{
    if (HasLetterPrefix(text))
        return text.at(0).toUpper();
    const QString path = NativeFolderPath(text);
    if (path.isEmpty())
        return QChar();
    return platform::DriveLetterOf(path);
}

OpenTarget ResolveOpenTarget(const QString& folderToOpen, bool playbackActive)
{
    OpenTarget target;
    if (playbackActive) {
        target.kind = OpenTargetKind::ShowRunning;
        target.message = OpenRefusedWhileShowText;
        return target;
    }
    target.letter = OpenTargetLetter(folderToOpen);
    // A path that lies on no drive at all (an empty or relative path, a
    // drive table without "/") is reported like any path that is gone.
    if (target.letter.isNull()) {
        target.kind = OpenTargetKind::Missing;
        target.message = FolderOrFileGoneText;
        return target;
    }
    if (!platform::DriveReady(target.letter)) {
        target.kind = OpenTargetKind::DriveNotReady;
        target.message = DriveNotReadyText(target.letter);
        return target;
    }
    target.mountPoint = platform::DriveRoot(target.letter);
    target.path = NativeFolderPath(folderToOpen);
    const QFileInfo info(target.path);
    if (!target.path.isEmpty() && info.exists() && !info.isDir()) {
        target.kind = OpenTargetKind::ShowFile;
        return target;
    }
    if (!target.path.isEmpty() && info.isDir()) {
        target.kind = OpenTargetKind::Folder;
        return target;
    }
    target.kind = OpenTargetKind::Missing;
    target.message = FolderOrFileGoneText;
    return target;
}
