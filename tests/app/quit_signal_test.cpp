// SIGTERM ends the real program cleanly while a modal window of the start
// waits for the user: the monthly suggestion of a first start, the start-up
// warning, the launcher of a folder argument; during a running show it ends
// the show and saves the settings as the close button does. The program runs on the VNC
// platform, where its windows are real and modal windows block (on the
// offscreen platform nobody could answer them, so they are not shown).
#include "app/instance_guard.h"
#include "base/settings_fields.h"
#include "browse/thumbnail_files.h"
#include "support/program_process.h"
#include "support/sandbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

using testsupport::freshDir;
using testsupport::readFile;

namespace {

using Home = testsupport::ProgramHome;
using testsupport::startProgram;

// Real windows, nobody to answer them; the server listens on a free port.
Home makeHome() { return testsupport::makeProgramHome("vnc:size=1366x768:port=0"); }

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
    if (!testsupport::waitInstanceAnswers(h, 1, p))
        return false;
    waitIdle(p);
    return true;
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
    auto p = startProgram(h);
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
    auto next = startProgram(h);
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

    auto p = startProgram(h);
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
        auto first = startProgram(h);
        ASSERT_TRUE(waitReady(h, *first));
        terminateAndExpectTheEnd(*first);
    }
    const QByteArray before = readFile(h.data + "/VXSettings61.dat");
    const QString pictures = freshDir("pictures");
    auto p = startProgram(h, {pictures});
    ASSERT_TRUE(waitReady(h, *p));
    terminateAndExpectTheEnd(*p);
    expectDataFilesWhole(h);
    // An argument start writes no settings.
    EXPECT_EQ(readFile(h.data + "/VXSettings61.dat"), before);
}

TEST(QuitOnSignal, DuringARunningShowTheShowEndsAndTheSettingsAreSaved)
{
    const Home h = makeHome();
    QDir().mkpath(h.data);
    const QString pictures = freshDir("show");
    // Pictures large enough to get thumbnails (noise compresses badly).
    QImage noise(800, 600, QImage::Format_RGB32);
    quint32 seed = 1;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, seed = seed * 1664525u + 1013904223u);
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        ASSERT_TRUE(noise.save(pictures + "/" + name, "JPEG", 95));
    // The automatic show of the folder starts after a second of rest: a
    // full-screen show of a folder, running when the signal comes.
    TSettingsRecord rec;
    FillFirstRunSettings(rec, TFirstRunInputs{h.data, "/", "Sans", 0, 1});
    rec.AskMonthlyUpdate = 0;
    rec.StartupFolder = h.root;
    rec.AutoShowPath = pictures;
    rec.AutoShowWaitSeconds = 1;
    rec.NeverAutoShow = 0;
    StorePlayOptionsInAutoShow(rec);
    ASSERT_TRUE(WriteSettingsFile(h.data + "/VXSettings61.dat", rec).ok());

    auto p = startProgram(h);
    ASSERT_TRUE(waitReady(h, *p));
    // The start marks the settings file as in use.
    EXPECT_EQ(settingsOnDisk(h).RunningMarker, 1);
    // A picture of the show gets its thumbnail as it shows.
    const auto shown = [&] { return !QDir(pictures + "/" + ThumbFolderName).entryList(QDir::Files).isEmpty(); };
    QElapsedTimer t;
    t.start();
    while (!shown() && t.elapsed() < 60000 && p->state() == QProcess::Running)
        QThread::msleep(50);
    ASSERT_TRUE(shown()) << "the show did not start";
    terminateAndExpectTheEnd(*p);
    expectDataFilesWhole(h);
    EXPECT_EQ(settingsOnDisk(h).RunningMarker, 0);
}
