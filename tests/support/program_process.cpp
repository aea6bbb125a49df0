#include "support/program_process.h"

#include "app/instance_guard.h"
#include "support/sandbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

namespace testsupport {

ProgramHome makeProgramHome(const QString& platform)
{
    ProgramHome h;
    h.root = freshDir("home");
    h.data = h.root + "/.local/share/Vistamo";
    h.env = QProcessEnvironment::systemEnvironment();
    h.env.insert("HOME", h.root);
    h.env.insert("XDG_DATA_HOME", h.root + "/.local/share");
    h.env.insert("XDG_CONFIG_HOME", h.root + "/.config");
    h.env.insert("XDG_CACHE_HOME", h.root + "/.cache");
    h.env.insert("XDG_STATE_HOME", h.root + "/.local/state");
    const QString runtime = h.root + "/run";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    h.env.insert("XDG_RUNTIME_DIR", runtime);
    h.env.insert("QT_QPA_PLATFORM", platform);
    return h;
}

std::unique_ptr<QProcess> startProgram(const ProgramHome& h, const QStringList& args)
{
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(h.env);
    p->setWorkingDirectory(h.root);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QStringLiteral(VISTAMO_BIN), args);
    p->waitForStarted(10000);
    return p;
}

bool waitInstanceAnswers(const ProgramHome& h, int slot, QProcess& p)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 60000 && p.state() == QProcess::Running) {
        QLocalSocket s;
        s.connectToServer(InstanceGuard::ServerName(h.data, slot));
        if (s.waitForConnected(200)) {
            s.disconnectFromServer();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

} // namespace testsupport
