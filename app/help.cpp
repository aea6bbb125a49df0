#include "app/help.h"

#include <QDir>
#include <QFileInfo>

const QString HelpPagesMissingText = QStringLiteral("Download Vistamo! (again), Help pages are missing");
const QString NoHelpForSubjectText = QStringLiteral("No help available for this subject");
const QString NoWebPageProgramText =
    QStringLiteral("This desktop has no program to show web pages.\nThe help page is\n");

const QStringList& HelpTopics()
{
    static const QStringList topics = {
        QStringLiteral("GettingStarted.htm"),
        QStringLiteral("Credits.htm"),
        QStringLiteral("ControlSlideShow.htm"),
        QStringLiteral("Edit MyShow.htm"),
        QStringLiteral("CopyShow.htm"),
        QStringLiteral("MailPictures.htm"),
        QStringLiteral("UploadPictures.htm"),
        QStringLiteral("MakeAutomaticCD.htm"),
        QStringLiteral("MakeAutomaticCDMan.htm"),
        QStringLiteral("MiscellaneousFeatures.htm"),
        QStringLiteral("Options.htm"),
        QStringLiteral("Search.htm"),
        QStringLiteral("SoundPlayList.htm"),
        QStringLiteral("ThumbnailCreationManually.htm"),
    };
    return topics;
}

QString HelpFolder(const QString& programFolder)
{
    if (programFolder.isEmpty())
        return QString();
    for (const QString& candidate : {programFolder + QStringLiteral("/help"),
                                     programFolder + QStringLiteral("/../share/vistamo/help")}) {
        if (QFileInfo(candidate + QStringLiteral("/index.html")).isFile())
            return QDir::cleanPath(candidate);
    }
    return QString();
}

HelpPageResult FindHelpPage(const QString& helpFolder, const QString& topic)
{
    if (helpFolder.isEmpty() || !QFileInfo(helpFolder).isDir())
        return {HelpPageKind::PagesMissing, QString()};
    const QString name = topic.trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.startsWith(QLatin1Char('.')))
        return {HelpPageKind::NoPage, QString()};
    const QString path = helpFolder + QLatin1Char('/') + name;
    if (!QFileInfo(path).isFile())
        return {HelpPageKind::NoPage, QString()};
    return {HelpPageKind::Page, path};
}

QString DefaultHelpTopic(const QString& windowName, const QString& collectPurpose)
{
    if (windowName == QLatin1String("Form1") || windowName == QLatin1String("Form16")
        || windowName == QLatin1String("Form34"))
        return GettingStartedTopic;
    if (windowName == QLatin1String("Form9"))
        return QStringLiteral("ControlSlideShow.htm");
    if (windowName == QLatin1String("Form20")) {
        if (collectPurpose == QLatin1String("FolderToCD"))
            return QStringLiteral("MakeAutomaticCD.htm");
        if (collectPurpose.contains(QLatin1String("mail"), Qt::CaseInsensitive))
            return QStringLiteral("MailPictures.htm");
        if (collectPurpose == QLatin1String("AddAll"))
            return GettingStartedTopic;
    }
    return QString();
}
