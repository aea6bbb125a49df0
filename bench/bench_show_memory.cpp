// The program's memory while a show plays 30 real photographs: the assembled
// window on a 1920 x 1080 screen plays a full-screen show of the photographs,
// each step taken when the next picture is decoded ahead, and then reads its
// own peak (VmHWM) and resident size (VmRSS) from /proc. A process of its
// own, so that nothing else it did counts in the peak.
//
//   bench_show_memory [--reps N] [--photos N] [--thumbs N] [FOLDER...]
//
// --reps and --thumbs are accepted and ignored. The program runs in a home
// folder of its own, so the user's settings stay untouched.
#include "bench_photos.h"
#include "bench_window.h"

#include "app/main_window.h"
#include "base/settings_record.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_slot_decoder.h"
#include "slideshow/show_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace benchphotos;
using benchwindow::serveUntil;

namespace {

constexpr double kPeakGoalMB = 220;


// A "VmXXX:   1234 kB" line of /proc/self/status in megabytes; -1 when missing.
double statusMB(const char* key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key)) {
            const QList<QByteArray> parts = line.simplified().split(' ');
            return parts.size() >= 2 ? parts[1].toDouble() / 1024.0 : -1;
        }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    benchwindow::useOwnHome(home.path(), false);
    QApplication app(argc, argv);
    const Args parsed = parseArgs(app.arguments().mid(1), 30, 0);
    const auto bench = benchwindow::ShowBenchWindow::make(parsed.folders, parsed.photos, home.path());
    if (!bench)
        return 1;
    MainWindow& form = bench->form;
    serveUntil([] { return false; }, 200);
    const double beforeMB = statusMB("VmRSS:");

    form.folderTree()->SelectedFolder = bench->photoDir;
    form.actionNamed("ToolButton1")->trigger();
    if (!form.showWindow() || !form.showWindow()->isVisible()) {
        std::fprintf(stderr, "The show did not start\n");
        return 1;
    }
    int shown = 1;
    for (int step = 1; step < bench->count && form.showWindow()->isVisible(); ++step) {
        serveUntil([] { return PrefetchedPictureReady() || PrefetchedPicturePath().isEmpty(); });
        serveUntil([] { return false; }, 20);
        form.showWindow()->IntervalTimerTimer();
        serveUntil([] { return SlotLoadsWaiting() == 0; });
        form.showWindow()->repaint();
        ++shown;
    }
    serveUntil([] { return false; }, 200);
    const double peak = statusMB("VmHWM:"), resident = statusMB("VmRSS:");
    if (form.showWindow()->isVisible())
        form.showWindow()->StopSlideShow();
    serveUntil([] { return false; }, 50);

    std::printf("%d photographs played full screen at 1920 x 1080; %d cores; resident before the show %.0f MB\n",
                shown, QThread::idealThreadCount(), beforeMB);
    std::printf("\n%-58s %8s %10s %s\n", "figure", "value", "goal", "");
    std::printf("%-58s %8.0f %10s %s\n", "peak memory while playing (VmHWM, MB)", peak, "<= 220",
                peak <= kPeakGoalMB ? "met" : "NOT met");
    std::printf("%-58s %8.0f %10s\n", "resident after the show (VmRSS, MB)", resident, "-");
    form.close();
    return 0;
}
