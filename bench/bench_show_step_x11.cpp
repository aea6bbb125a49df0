// The show step on the X platform, as a user sees it: the assembled window
// plays a full-screen show of real photographs, and each step is timed from
// its cause to the new picture on the X server's screen (the screen's middle
// row read back from the server until it changes):
//   playing - the interval timer's step after an interval of one second,
//             during which the show decodes ahead as it will;
//   paused  - the Right key in a paused show, pressed one second after the
//             last step; then the Left key back over the same pictures (the
//             first Left goes back to the picture just left).
// Nothing waits for the decode ahead and nothing repaints synchronously, so
// these are the figures the offscreen show step of bench_show_and_browse is
// a lower bound of. Needs an X display (scripts/bench starts Xvfb where none
// is set); without one it says so and does nothing.
//
//   bench_show_step_x11 [--reps N] [--photos N] [--thumbs N] [FOLDER...]
//
// --thumbs is accepted and ignored. The program runs in a home folder of its
// own, so the user's settings stay untouched.
#include "bench_photos.h"
#include "bench_window.h"

#include "app/main_window.h"
#include "base/settings_record.h"
#include "browse/folder_tree_widget.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace benchphotos;

namespace {

constexpr int kIntervalMs = 1000;

// Serves events for the given time.
void serveFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// The middle row of the screen as the X server holds it.
QImage screenRow(QScreen* screen)
{
    const QRect g = screen->geometry();
    return screen->grabWindow(0, g.x(), g.y() + g.height() / 2, g.width(), 1).toImage();
}

// Times `step` from its call to the screen's middle row changing; -1 when
// nothing changed within 10 seconds.
double timeToScreen(QScreen* screen, const std::function<void()>& step)
{
    const QImage before = screenRow(screen);
    QElapsedTimer t;
    t.start();
    step();
    while (t.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (screenRow(screen) != before)
            return msSince(t);
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("No X display (DISPLAY is not set): the show step on X is not measured\n");
        return 0;
    }
    QTemporaryDir home;
    benchwindow::useOwnHome(home.path(), true);
    QApplication app(argc, argv);
    const Args parsed = parseArgs(app.arguments().mid(1), 30, 0);
    const int reps = parsed.reps, maxPhotos = std::max(2, parsed.photos);
    const auto bench = benchwindow::ShowBenchWindow::make(parsed.folders, maxPhotos, home.path());
    if (!bench)
        return 1;
    MainWindow& form = bench->form;
    QScreen* screen = QGuiApplication::primaryScreen();

    std::vector<double> playing, paused, pausedBack;
    int lost = 0;
    for (int r = 0; r < reps; ++r) {
        for (const bool pausedShow : {false, true}) {
            form.folderTree()->SelectedFolder = bench->photoDir;
            form.actionNamed("ToolButton1")->trigger();
            ShowWindow* show = form.showWindow();
            if (!show || !show->isVisible()) {
                std::fprintf(stderr, "The show did not start\n");
                return 1;
            }
            serveFor(kIntervalMs);   // the first picture on screen
            if (pausedShow && !show->Paused())
                show->TogglePause();
            for (int step = 1; step < bench->count && show->isVisible(); ++step) {
                serveFor(kIntervalMs);
                const double ms = timeToScreen(screen, [show, pausedShow] {
                    if (pausedShow)
                        QCoreApplication::postEvent(show, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
                    else
                        show->IntervalTimerTimer();
                });
                if (ms < 0)
                    ++lost;
                else
                    (pausedShow ? paused : playing).push_back(ms);
            }
            for (int step = 1; pausedShow && step < bench->count && show->isVisible(); ++step) {
                serveFor(kIntervalMs);
                const double ms = timeToScreen(screen, [show] {
                    QCoreApplication::postEvent(show, new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
                });
                if (ms < 0)
                    ++lost;
                else
                    pausedBack.push_back(ms);
            }
            if (show->isVisible())
                show->StopSlideShow();
            serveFor(200);
        }
    }

    const QSize size = screen->geometry().size();
    std::printf("%d photographs; %d repetitions; X screen %dx%d; %d cores\n", bench->count, reps, size.width(),
                size.height(), QThread::idealThreadCount());
    std::printf("\n%-58s %8s %10s %s\n", "figure", "value", "target", "");
    const auto longest = [](const std::vector<double>& v) {
        return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
    };
    const double play = median(playing), pause = median(paused), back = median(pausedBack);
    std::printf("%-58s %8.2f %10s (median of %zu steps; longest %.1f)\n",
                "show step on X, playing: interval end to screen (ms)", play, "-", playing.size(), longest(playing));
    const double limit = 1.5 * play;
    char target[32];
    std::snprintf(target, sizeof target, "<= %.1f", limit);
    std::printf("%-58s %8.2f %10s %s (median of %zu steps; longest %.1f; 1.5x playing)\n",
                "show step on X, paused: Right key to screen (ms)", pause, target,
                pause >= 0 && play > 0 && pause <= limit ? "met    " : "NOT met", paused.size(), longest(paused));
    std::printf("%-58s %8.2f %10s %s (median of %zu steps; longest %.1f; 1.5x playing)\n",
                "show step on X, paused: Left key back to screen (ms)", back, target,
                back >= 0 && play > 0 && back <= limit ? "met    " : "NOT met", pausedBack.size(), longest(pausedBack));
    if (lost > 0)
        std::printf("%d steps did not change the screen within 10 s\n", lost);
    form.close();
    return 0;
}
