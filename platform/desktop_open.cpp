#include "platform/desktop_open.h"

#include "platform/prompt.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {

// xdg-open's exit codes for "no program found" (3) and "the program could
// not open it" (4).
constexpr int XdgOpenNoMethod = 3;
constexpr int XdgOpenFailed = 4;

UrlOpener& opener()
{
    static UrlOpener o;
    return o;
}

QList<QUrl>& opened()
{
    static QList<QUrl> list;
    return list;
}

void openTelling(const QUrl& url, const QString& text, const QString& what)
{
    OpenInBrowser(url, [text, what] { showMessage(PromptKind::Information, text + what); });
}

} // namespace

void OpenWithDesktop(const QUrl& url, QObject* context, std::function<void()> noProgram)
{
    QPointer<QObject> guard(context);
    const auto report = [guard, noProgram] {
        if (guard && noProgram)
            noProgram();
    };
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            report();
        return;
    }
    // Without a parent: xdg-open may stay until the browser it started
    // ends, and a browser outlives the program that asked for it.
    auto* process = new QProcess;
    process->setProgram(xdgOpen);
    process->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process, [process, report](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        report();
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::finished, process, [process, report](int code, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && (code == XdgOpenNoMethod || code == XdgOpenFailed))
            report();
        process->deleteLater();
    });
    process->start();
}

void OpenInBrowser(const QUrl& url, NoProgramHandler noProgram)
{
    opened().append(url);
    if (opener()) {
        opener()(url, noProgram);
        return;
    }
    // Without a screen (offscreen test runs) no browser is started.
    const QString qpa = QGuiApplication::platformName();
    if (qpa == QLatin1String("offscreen") || qpa == QLatin1String("minimal"))
        return;
    OpenWithDesktop(url, QCoreApplication::instance(), std::move(noProgram));
}

void OpenWebAddress(const QUrl& url)
{
    openTelling(url, NoBrowserText, url.toString());
}

void OpenMailAddress(const QString& address)
{
    openTelling(QUrl(QStringLiteral("mailto:") + address), NoMailProgramText, address);
}

void OpenFolderInFileManager(const QString& folder)
{
    openTelling(QUrl::fromLocalFile(folder), NoFileManagerText, folder);
}

void SetUrlOpener(UrlOpener o)
{
    opener() = std::move(o);
}

const QList<QUrl>& OpenedUrls()
{
    return opened();
}

void ClearOpenedUrls()
{
    opened().clear();
}

} // namespace platform
