// The assembled window with real photographs, in one run:
//   show step   - a full-screen show on a 1920x1080 screen: from the
//                 interval's end (the interval timer's step) to the picture
//                 painted, with the next picture decoded ahead during the
//                 interval, and the same step with nothing decoded ahead;
//   window block - the longest time the window's thread serves no event
//                 (a 1 ms heartbeat timer on it) while up to 30 photographs
//                 are browsed one after another: each previewed (a plain
//                 click, its thumbnail file made on the first view) and
//                 opened in the full view (Ctrl+click) and closed again.
//
//   bench_show_and_browse [--reps N] [--photos N] [--thumbs N] [FOLDER...]
//
// --thumbs is accepted and ignored (it belongs to bench_picture_fit). The
// program runs in a home folder of its own, so the user's settings stay
// untouched.
#include "bench_photos.h"
#include "bench_window.h"

#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/fit_zoom_section.h"
#include "browse/picture_info_controller.h"
#include "browse/folder_tree_widget.h"
#include "tests/support/event_waits.h"
#include "browse/picture_slot_decoder.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace benchphotos;
using benchwindow::serveUntil;

namespace {


} // namespace

int main(int argc, char** argv)
{
    // A home of its own and a 1920 x 1080 offscreen screen, set up before the
    // application starts.
    QTemporaryDir home;
    benchwindow::useOwnHome(home.path(), false);
    QApplication app(argc, argv);
    const Args parsed = parseArgs(app.arguments().mid(1), 30, 0);
    const int reps = parsed.reps, maxPhotos = std::max(2, parsed.photos);
    const auto bench = benchwindow::ShowBenchWindow::make(parsed.folders, maxPhotos, home.path());
    if (!bench)
        return 1;
    const QStringList& photos = bench->photos;
    MainWindow& form = bench->form;

    // ---- the show step ------------------------------------------------------
    std::vector<double> ahead, cold;
    for (int r = 0; r < reps; ++r) {
        for (const bool withPrefetch : {true, false}) {
            form.folderTree()->SelectedFolder = bench->photoDir;
            form.actionNamed("ToolButton1")->trigger();
            if (!form.showWindow() || !form.showWindow()->isVisible()) {
                std::fprintf(stderr, "The show did not start\n");
                return 1;
            }
            for (int step = 1; step < bench->count && form.showWindow()->isVisible(); ++step) {
                // The interval: long enough for the decode ahead to finish.
                if (withPrefetch)
                    serveUntil([] { return PrefetchedPictureReady() || PrefetchedPicturePath().isEmpty(); });
                else
                    DropPrefetchedPicture();
                serveUntil([] { return false; }, 20);   // the rest of the interval
                if (!withPrefetch)
                    DropPrefetchedPicture();
                QElapsedTimer t;
                t.start();
                form.showWindow()->IntervalTimerTimer();
                form.showWindow()->repaint();
                (withPrefetch ? ahead : cold).push_back(msSince(t));
            }
            if (form.showWindow()->isVisible())
                form.showWindow()->StopSlideShow();
            serveUntil([] { return false; }, 50);
        }
    }

    // ---- the window's thread while photographs are browsed -------------------
    double longest = 0;
    {
        QElapsedTimer sinceTick;
        QTimer heartbeat;
        heartbeat.setTimerType(Qt::PreciseTimer);
        heartbeat.setInterval(1);
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            longest = std::max(longest, msSince(sinceTick));
            sinceTick.restart();
        });
        serveUntil([] { return false; }, 100);
        sinceTick.start();
        heartbeat.start();
        for (const QString& photo : photos) {
            form.pictureInfo()->ShowPictureInfo(photo, true, true);   // a plain click: the preview
            QCoreApplication::processEvents();
            form.fitZoom()->ShowPictureFull(photo);    // Ctrl+click: the full view
            QCoreApplication::processEvents();
            if (form.showWindow() && form.showWindow()->isVisible())
                form.showWindow()->StopSlideShow();
            QCoreApplication::processEvents();
        }
        heartbeat.stop();
        testsupport::waitForBackgroundWrites();
    }

    std::printf("%d photographs; %d repetitions of the show; %d cores\n", bench->count, reps, QThread::idealThreadCount());
    std::printf("\n%-58s %8s %10s %s\n", "figure", "value", "target", "");
    const double step = median(ahead);
    std::printf("%-58s %8.2f %10s %s (median of %zu steps; longest %.1f)\n",
                "show step, interval end to picture on screen (ms)", step, "< 20", step < 20 ? "met    " : "NOT met",
                ahead.size(), ahead.empty() ? 0.0 : *std::max_element(ahead.begin(), ahead.end()));
    std::printf("%-58s %8.2f %10s (median of %zu steps)\n", "show step with nothing decoded ahead (ms)", median(cold),
                "-", cold.size());
    std::printf("%-58s %8.2f %10s %s (preview and full view of each)\n",
                "longest block of the window's thread, browsing (ms)", longest, "< 50",
                longest < 50 ? "met    " : "NOT met");
    form.close();
    return 0;
}
