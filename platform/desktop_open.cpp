#include "platform/desktop_open.h"

#include <QDesktopServices>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {

// xdg-open's exit codes for "no program found" (3) and "the program could
// not open it" (4).
constexpr int XdgOpenNoMethod = 3;
constexpr int XdgOpenFailed = 4;

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

} // namespace platform
