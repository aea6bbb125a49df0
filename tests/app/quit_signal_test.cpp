// SIGTERM ends the real program cleanly while a modal window of the start
// waits for the user: the monthly suggestion of a first start, the start-up
// warning, the launcher of a folder argument. The program runs on the VNC
// platform, where its windows are real and modal windows block (on the
// offscreen platform nobody could answer them, so they are not shown).
#include "app/instance_guard.h"
#include "base/settings_fields.h"
#include "support/sandbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

using testsupport::freshDir;
using testsupport::readFile;

namespace {

struct Home {
    QString root;
    QString data;
    QProcessEnvironment env;
};

Home makeHome()
{
    Home h;
    h.root = freshDir("home");
    h.data = h.root + "/.local/share/Vistamo";
    h.env = QProcessEnvironment::systemEnvironment();
    h.env.insert("HOME", h.root);
    h.env.insert("XDG_DATA_HOME", h.root + "/.local/share");
    h.env.insert("XDG_CONFIG_HOME", h.root + "/.config");
    h.env.insert("XDG_CACHE_HOME", h.root + "/.cache");
    const QString runtime = h.root + "/run";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    h.env.insert("XDG_RUNTIME_DIR", runtime);
    // Real windows, nobody to answer them; the server listens on a free port.
    h.env.insert("QT_QPA_PLATFORM", "vnc:size=1366x768:port=0");
    return h;
}

std::unique_ptr<QProcess> start(const Home& h, const QStringList& args = {})
{
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(h.env);
    p->setWorkingDirectory(h.root);
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QStringLiteral(VISTAMO_BIN), args);
    p->waitForStarted(10000);
    return p;
}

// The instance listens on its socket: its windows exist and the start-up
// sequence goes on to its modal windows. Then, where the kernel tells it,
// the main thread is waited for until it sleeps in poll(): the start has
// nothing to wait for but the user, so a modal window's event loop waits
// for input (true when that was seen).
bool waitIdle(QProcess& p)
{
    const QString wchan = QStringLiteral("/proc/%1/wchan").arg(p.processId());
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30000 && p.state() == QProcess::Running) {
        const QByteArray where = readFile(wchan);
        if (where.isEmpty() || where == "0")
            return false;   // not told here
        if (where.contains("poll"))
            return true;
        QThread::msleep(20);
    }
    return false;
}

bool waitReady(const Home& h, QProcess& p)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 60000 && p.state() == QProcess::Running) {
        QLocalSocket s;
        s.connectToServer(InstanceGuard::ServerName(h.data, 1));
        if (s.waitForConnected(200)) {
            s.disconnectFromServer();
            waitIdle(p);
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

// SIGTERM; the program must end by itself with exit code 0.
void terminateAndExpectTheEnd(QProcess& p)
{
    ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
    const bool ended = p.waitForFinished(60000);
    if (!ended) {
        p.kill();
        p.waitForFinished(10000);
    }
    ASSERT_TRUE(ended) << "the program stayed alive after SIGTERM";
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0);
}

TSettingsRecord settingsOnDisk(const Home& h)
{
    TSettingsRecord rec;
    EXPECT_EQ(QFileInfo(h.data + "/VXSettings61.dat").size(), 12048);
    EXPECT_TRUE(ReadSettingsFile(h.data + "/VXSettings61.dat", rec).ok());
    return rec;
}

void expectDataFilesWhole(const Home& h)
{
    EXPECT_EQ(QFileInfo(h.data + "/VXSettings61.dat").size(), 12048);
    EXPECT_EQ(QFileInfo(h.data + "/AllMyShow.dat").size() % 201, 0);
    EXPECT_EQ(QFileInfo(h.data + "/VXAddSettings.dat").size(), 9468);
    EXPECT_FALSE(QFileInfo::exists(h.data + "/OtherRun.dat"));
    EXPECT_EQ(InstanceGuard::RunningInstances(h.data), 0);
    // No temporary file of a safe write is left behind.
    for (const QString& name : QDir(h.data).entryList(QDir::Files | QDir::Hidden))
        EXPECT_FALSE(name.contains(QStringLiteral(".tmp")) && name != QStringLiteral("vistamo.tmp")) << name.toStdString();
}

} // namespace

TEST(QuitOnSignal, WhileTheMonthlySuggestionOfAFirstStartWaits)
{
    const Home h = makeHome();
    auto p = start(h);
    ASSERT_TRUE(waitReady(h, *p));
    const bool waiting = waitIdle(*p);
    terminateAndExpectTheEnd(*p);
    expectDataFilesWhole(h);
    const TSettingsRecord rec = settingsOnDisk(h);
    EXPECT_EQ(rec.RunningMarker, 0);
    // Seen waiting: the suggestion was up (its month is marked before it
    // shows), and the close saved the settings after it.
    if (waiting)
        EXPECT_EQ(rec.SuggestionMonths[size_t(QDate::currentDate().month() - 1)], 1);

    // The next start is admitted, and a SIGTERM then ends it too.
    auto next = start(h);
    ASSERT_TRUE(waitReady(h, *next));
    terminateAndExpectTheEnd(*next);
    expectDataFilesWhole(h);
}

TEST(QuitOnSignal, WhileTheStartupWarningWaits)
{
    const Home h = makeHome();
    QDir().mkpath(h.data);
    TSettingsRecord rec;
    FillFirstRunSettings(rec, TFirstRunInputs{h.data, "/", "Sans", 0, 1});
    rec.AskMonthlyUpdate = 0;
    // On a volume that is not mounted: "Drive ...: not ready, could not open ..."
    rec.StartupFolder = "/mnt/vistamo-absent-volume/Pictures";
    rec.PlayOrder = 3;
    ASSERT_TRUE(WriteSettingsFile(h.data + "/VXSettings61.dat", rec).ok());

    auto p = start(h);
    ASSERT_TRUE(waitReady(h, *p));
    terminateAndExpectTheEnd(*p);
    expectDataFilesWhole(h);
    const TSettingsRecord after = settingsOnDisk(h);
    EXPECT_EQ(after.RunningMarker, 0);
    EXPECT_EQ(after.PlayOrder, 3);
    EXPECT_EQ(after.StartupFolder, rec.StartupFolder);
}

TEST(QuitOnSignal, WhileTheLauncherOfAFolderArgumentWaits)
{
    const Home h = makeHome();
    {
        // A first start makes the data files.
        auto first = start(h);
        ASSERT_TRUE(waitReady(h, *first));
        terminateAndExpectTheEnd(*first);
    }
    const QByteArray before = readFile(h.data + "/VXSettings61.dat");
    const QString pictures = freshDir("pictures");
    auto p = start(h, {pictures});
    ASSERT_TRUE(waitReady(h, *p));
    terminateAndExpectTheEnd(*p);
    expectDataFilesWhole(h);
    // An argument start writes no settings.
    EXPECT_EQ(readFile(h.data + "/VXSettings61.dat"), before);
}
