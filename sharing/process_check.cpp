#include "sharing/process_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool matches(const QString& program, const QString& exeName, bool fullPath)
{
    if (program.isEmpty())
        return false;
    QString candidate = program;
    if (candidate.endsWith(QLatin1String(" (deleted)")))
        candidate.chop(10);
    if (fullPath)
        return QDir::cleanPath(candidate).compare(QDir::cleanPath(exeName), Qt::CaseInsensitive) == 0;
    return QFileInfo(candidate).fileName().compare(exeName, Qt::CaseInsensitive) == 0;
}

} // namespace

bool IsProcessRunning(const QString& exeName, const QString& procRoot)
{
    if (exeName.trimmed().isEmpty())
        return false;
    const bool fullPath = exeName.contains(QLatin1Char('/'));
    const QDir proc(procRoot);
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool numeric = false;
        entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        const QString base = procRoot + QLatin1Char('/') + entry;
        if (matches(QFile::symLinkTarget(base + QStringLiteral("/exe")), exeName, fullPath))
            return true;
        QFile cmdline(base + QStringLiteral("/cmdline"));
        if (cmdline.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> words = cmdline.readAll().split('\0');
            // The program itself, then a script run by an interpreter.
            for (int i = 0; i < qMin<qsizetype>(2, words.size()); ++i)
                if (matches(QString::fromLocal8Bit(words[i]), exeName, fullPath))
                    return true;
        }
    }
    return false;
}

QString UploadPendingMessage(const QString& uploaderPath, const QString& mailTempFolder,
                             const QString& procRoot)
{
    if (uploaderPath.isEmpty())
        return {};
    const QString fileName = QFileInfo(uploaderPath).fileName();
    if (!IsProcessRunning(fileName, procRoot))
        return {};
    const QString folder = mailTempFolder.endsWith(QLatin1Char('/')) ? mailTempFolder : mailTempFolder + QLatin1Char('/');
    if (!QFileInfo(folder + QStringLiteral("U1")).isDir())
        return {};
    return QStringLiteral("Please close ") + QFileInfo(uploaderPath).completeBaseName()
        + QStringLiteral(" before closing Vistamo!") + QStringLiteral("\n\n")
        + QStringLiteral("Temporary picture files to be uploaded would be lost!");
}
