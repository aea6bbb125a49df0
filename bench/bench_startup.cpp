// Start-up: the program itself (the vistamo executable beside the
// benchmarks' folder) started on the X server named by DISPLAY, timed from
// just before the process is started to the main window's first paint,
// which a small library loaded into it (startup_probe) notes. Each start
// has the same home folder of its own; one start before the timed ones
// makes its settings. The figure is the median of the starts; the program
// is ended as a signal ends it.
//
//   bench_startup [--reps N] [FOLDER...]
//
// FOLDER, --photos and --thumbs are accepted and ignored. Without DISPLAY
// it says so and does nothing.
#include "bench_photos.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <ctime>
#include <vector>

using namespace benchphotos;

namespace {

constexpr double kLimitMs = 230;   // the start-up before this round of work

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// One start: milliseconds to the first paint, or -1.
double startOnce(const QString& program, const QString& probe, const QString& home)
{
    const QString out = home + "/first-paint";
    QFile::remove(out);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        env.insert(var, home + (qstrcmp(var, "HOME") ? QStringLiteral("/") + var : QString()));
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("LD_PRELOAD", probe);
    env.insert("VISTAMO_STARTUP_PROBE_OUT", out);
    QProcess p;
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    const qint64 started = monotonicNs();
    p.start(program, {});
    QElapsedTimer wait;
    wait.start();
    double ms = -1;
    while (wait.elapsed() < 20000 && p.state() != QProcess::NotRunning) {
        QFile f(out);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray text = f.readAll();
            if (!text.isEmpty()) {
                ms = double(text.toLongLong() - started) / 1e6;
                break;
            }
        }
        QThread::msleep(5);
    }
    p.terminate();
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished(5000);
    }
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const Args parsed = parseArgs(app.arguments().mid(1), 0, 0);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("No X display (DISPLAY): the start-up is not timed\n");
        return 0;
    }
    const QString dir = QCoreApplication::applicationDirPath();
    const QString program = QDir::cleanPath(dir + "/../vistamo");
    const QString probe = dir + "/startup_probe.so";
    if (!QFile::exists(program) || !QFile::exists(probe)) {
        std::fprintf(stderr, "%s or %s is missing\n", qPrintable(program), qPrintable(probe));
        return 1;
    }
    QTemporaryDir home;
    if (startOnce(program, probe, home.path()) < 0) {
        std::fprintf(stderr, "The program's main window was not painted\n");
        return 1;
    }
    const int starts = std::max(5, parsed.reps * 3);
    std::vector<double> times;
    for (int i = 0; i < starts; ++i) {
        const double ms = startOnce(program, probe, home.path());
        if (ms >= 0)
            times.push_back(ms);
    }
    const double t = median(times);
    std::printf("\n%-58s %8s %10s %s\n", "figure", "value", "target", "");
    std::printf("%-58s %8.1f %10s %s (median of %zu starts on X; least %.1f)\n",
                "start-up to the main window's first paint (ms)", t, "<= 230",
                !times.empty() && t <= kLimitMs ? "met    " : "NOT met", times.size(),
                times.empty() ? -1.0 : *std::min_element(times.begin(), times.end()));
    return 0;
}
