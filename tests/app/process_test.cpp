// The real program, started offscreen with its own HOME and XDG folders:
// first start, a refused second start, "/audio" beside a plain instance, a
// crash followed by a new start, and the close that merges the settings.
// The program is closed from outside with SIGTERM, which it handles as a
// normal close of the main window.
#include "app/instance_guard.h"
#include "base/settings_fields.h"
#include "platform/drives.h"
#include "support/program_process.h"
#include "support/sandbox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::setReadOnly;

namespace {

using Home = testsupport::ProgramHome;
using testsupport::startProgram;

Home makeHome() { return testsupport::makeProgramHome("offscreen"); }

// The instance in `slot` has created its windows and answers on its socket.
bool waitReady(const Home& h, int slot, QProcess& p) { return testsupport::waitInstanceAnswers(h, slot, p); }

int closeWithSigterm(QProcess& p)
{
    ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
    EXPECT_TRUE(p.waitForFinished(60000));
    return p.exitCode();
}

uint8_t byteAt(const QByteArray& b, int off) { return b.size() > off ? static_cast<uint8_t>(b.at(off)) : 0xff; }

} // namespace

TEST(ProgramProcess, FirstStartCreatesTheDataFolderAndCloseWritesMergedSettings)
{
    const Home h = makeHome();
    auto p = startProgram(h);
    ASSERT_TRUE(waitReady(h, 1, *p));

    const QString d = h.data;
    EXPECT_TRUE(QFileInfo(d + "/OtherRun.dat").isFile());
    const QByteArray settings = readFile(d + "/VXSettings61.dat");
    ASSERT_EQ(settings.size(), 12048);
    EXPECT_EQ(QFileInfo(d + "/VXAddSettings.dat").size(), 9468);
    const QByteArray rc = readFile(d + "/RCSettings.dat");
    ASSERT_EQ(rc.size(), 664);
    EXPECT_EQ(rc.left(4), QByteArray::fromHex("01010001"));
    EXPECT_EQ(rc.mid(4, 8), QByteArray::fromHex("0100000001000000"));
    EXPECT_EQ(byteAt(rc, 12), 0);
    const QByteArray search = readFile(d + "/VXSearchSettings.dat");
    ASSERT_EQ(search.size(), 3920);
    EXPECT_EQ(search.mid(1809, 5), QByteArray::fromHex("0101010101"));
    EXPECT_EQ(search.mid(3344, 11), QByteArray::fromHex("0000000101010101010000"));
    for (const char* empty : {"AllMyShow.dat", "ExcludeFolder.dat", "PlaylistHist.dat", "Default Playlist.vxz",
                              "vistamo.vxt", "vistamo.tmp"})
        EXPECT_EQ(QFileInfo(d + "/" + empty).size(), 0) << empty;
    for (const char* folder : {"temp/Conversion Backup", "temp/Cut out Bitmap Files",
                               "temp/Temporary pictures for mail", "Vistamo! Slide Shows", "Vistamo! Sound Playlists"})
        EXPECT_TRUE(QFileInfo(d + "/" + folder).isDir()) << folder;

    // While it runs another instance changes a field on disk.
    TSettingsRecord disk;
    ASSERT_TRUE(ReadSettingsFile(d + "/VXSettings61.dat", disk).ok());
    disk.IntervalIndex = 23;
    disk.Favorites[0] = "/elsewhere/favourite";
    ASSERT_TRUE(WriteSettingsFile(d + "/VXSettings61.dat", disk).ok());

    EXPECT_EQ(closeWithSigterm(*p), 0);
    TSettingsRecord after;
    ASSERT_TRUE(ReadSettingsFile(d + "/VXSettings61.dat", after).ok());
    EXPECT_EQ(after.IntervalIndex, 23);
    EXPECT_EQ(after.Favorites[0], QStringLiteral("/elsewhere/favourite"));
    EXPECT_EQ(byteAt(readFile(d + "/VXSettings61.dat"), 2426), 0);  // RunningMarker
    EXPECT_FALSE(QFileInfo::exists(d + "/OtherRun.dat"));
}

// Sets the RunningMarker byte of the settings file: a start that is admitted
// rewrites it, a refused one leaves it.
void markSettings(const QString& data, uint8_t value)
{
    QByteArray bytes = readFile(data + "/VXSettings61.dat");
    ASSERT_EQ(bytes.size(), 12048);
    bytes[2426] = char(value);
    ASSERT_TRUE(testsupport::writeFile(data + "/VXSettings61.dat", bytes));
}

TEST(ProgramProcess, SecondStartOfTheSameKindIsRefusedAndAudioIsAdmittedBeside)
{
    const Home h = makeHome();
    auto first = startProgram(h);
    ASSERT_TRUE(waitReady(h, 1, *first));
    markSettings(h.data, 7);

    auto second = startProgram(h);
    ASSERT_TRUE(second->waitForFinished(60000));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(InstanceGuard::RunningInstances(h.data), 1);
    EXPECT_EQ(byteAt(readFile(h.data + "/VXSettings61.dat"), 2426), 7);  // the refused start read nothing

    // An audio-only start beside it is admitted: it runs (it says that the
    // audio player is not built and ends with a failure status) and its
    // close writes the settings.
    auto audio = startProgram(h, {"/audio"});
    ASSERT_TRUE(audio->waitForFinished(60000));
    EXPECT_EQ(audio->exitCode(), 3);
    EXPECT_EQ(byteAt(readFile(h.data + "/VXSettings61.dat"), 2426), 0);
    EXPECT_FALSE(QFileInfo::exists(h.data + "/AudioRun.dat"));
    EXPECT_TRUE(QFileInfo::exists(h.data + "/OtherRun.dat"));

    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(closeWithSigterm(*first), 0);
    EXPECT_FALSE(QFileInfo::exists(h.data + "/OtherRun.dat"));
}

TEST(ProgramProcess, CrashedInstanceNeverKeepsItsPlace)
{
    const Home h = makeHome();
    auto crashed = startProgram(h);
    ASSERT_TRUE(waitReady(h, 1, *crashed));
    crashed->kill();  // SIGKILL: no close handler runs
    ASSERT_TRUE(crashed->waitForFinished(30000));
    EXPECT_TRUE(QFileInfo::exists(h.data + "/OtherRun.dat"));  // left behind by the crash
    EXPECT_EQ(InstanceGuard::RunningInstances(h.data), 0);

    auto next = startProgram(h);
    ASSERT_TRUE(waitReady(h, 1, *next));
    EXPECT_EQ(closeWithSigterm(*next), 0);
    EXPECT_FALSE(QFileInfo::exists(h.data + "/OtherRun.dat"));
}

TEST(ProgramProcess, ReadOnlyDataFileEndsTheStartWithoutLeavingAMarker)
{
    const Home h = makeHome();
    QDir().mkpath(h.data);
    ASSERT_TRUE(testsupport::writeFile(h.data + "/PlaylistHist.dat", {}));
    setReadOnly(h.data + "/PlaylistHist.dat", true);
    auto p = startProgram(h);
    ASSERT_TRUE(p->waitForFinished(60000));
    EXPECT_EQ(p->exitCode(), 2);
    EXPECT_FALSE(QFileInfo::exists(h.data + "/OtherRun.dat"));
    EXPECT_FALSE(QFileInfo::exists(h.data + "/VXSettings61.dat"));
    EXPECT_EQ(InstanceGuard::RunningInstances(h.data), 0);
}

TEST(ProgramProcess, FolderArgumentStartSavesNothingAndRemovesItsMarker)
{
    const Home h = makeHome();
    {
        auto first = startProgram(h);  // a normal first start makes the settings file
        ASSERT_TRUE(waitReady(h, 1, *first));
        EXPECT_EQ(closeWithSigterm(*first), 0);
    }
    markSettings(h.data, 7);
    const QString pictures = h.root + "/Pictures/Holiday";
    QDir().mkpath(pictures);
    // Headless, the launcher is answered with its default (Cancel): the
    // program ends without touching the settings.
    auto p = startProgram(h, {pictures});
    ASSERT_TRUE(p->waitForFinished(60000));
    EXPECT_EQ(p->exitCode(), 0);
    EXPECT_EQ(byteAt(readFile(h.data + "/VXSettings61.dat"), 2426), 7);
    EXPECT_FALSE(QFileInfo::exists(h.data + "/OtherRun.dat"));
}

TEST(ProgramProcess, DemoStartWithoutASettingsFileRefusesAndWritesNothing)
{
    const Home h = makeHome();
    const auto drive = platform::DriveOf(h.root);
    ASSERT_TRUE(drive.has_value());
    const QString rootSettings = QDir(drive->mountPoint).filePath("VXSettings61.dat");
    if (QFileInfo::exists(rootSettings))
        GTEST_SKIP() << "a settings file lies at " << rootSettings.toStdString();
    auto p = startProgram(h, {"/vxdemo"});
    ASSERT_TRUE(p->waitForFinished(60000));
    EXPECT_EQ(p->exitCode(), 2);
    EXPECT_FALSE(QFileInfo::exists(rootSettings));
    EXPECT_FALSE(QFileInfo::exists(h.data + "/OtherRun.dat"));
    EXPECT_FALSE(QFileInfo::exists(h.data + "/VXSettings61.dat"));
}

TEST(ProgramProcess, SimultaneousStartsOfOneKindAdmitOnlyOne)
{
    const Home h = makeHome();
    std::vector<std::unique_ptr<QProcess>> starts;
    for (int i = 0; i < 4; ++i)
        starts.push_back(startProgram(h));
    // The refused ones end by themselves.
    QElapsedTimer t;
    t.start();
    auto running = [&] {
        int n = 0;
        for (auto& p : starts) {
            p->waitForFinished(10);  // lets QProcess notice an end
            n += p->state() == QProcess::Running ? 1 : 0;
        }
        return n;
    };
    while (running() > 1 && t.elapsed() < 60000)
        QThread::msleep(20);
    ASSERT_EQ(running(), 1);
    for (auto& p : starts) {
        if (p->state() == QProcess::Running) {
            ASSERT_TRUE(waitReady(h, 1, *p));
            EXPECT_EQ(closeWithSigterm(*p), 0);
        }
    }
    EXPECT_FALSE(QFileInfo::exists(h.data + "/OtherRun.dat"));
}
