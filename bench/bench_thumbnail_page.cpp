// A 77-cell page of the thumbnail view as a user sees it: the assembled main
// window, maximized on a 1920 x 1080 screen, plays a folder of 77 real
// photographs as pages of 77 in "Date desc." order, and each page is timed
// from the thumbnail view's tool button (the folder's collection and the
// dating of its pictures included) to the last cell on the screen (the end
// of the paint pass that paints the last cell's picture after the page is
// filled).
// Measured two ways, interleaved in one run:
//   thumbnails - every cell from the picture's thumbnail file (made by a
//                first showing before the run), as a page shown before;
//   originals  - thumbnail files off: every cell decoded from the photograph.
// The figure is the median of the repetitions; beside it the time to the
// page filled (the last cell's picture applied), and how the page's time
// divides into the decodes on the workers (their CPU time and how many
// cores they kept busy) and the window's thread (applying the pictures and
// painting). The page from the originals is set against the least it could
// take: its cells' decodes alone on idle cores, and the same decodes run on
// every core with no window, timed between the pages of this run.
//
// The run is offscreen; with an X display (DISPLAY set) it runs once more on
// the X platform in a process of its own.
//
//   bench_thumbnail_page [--reps N] [--photos N] [--thumbs N] [FOLDER...]
//
// --photos and --thumbs are accepted and ignored. The program runs in a home
// folder of its own, so the user's settings stay untouched.
#include "bench_photos.h"
#include "bench_window.h"

#include "app/main_window.h"
#include "base/add_settings_record.h"
#include "base/settings_record.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"
#include "browse/page_layouts.h"
#include "browse/thumbnail_files.h"
#include "browse/thumbnail_page_controller.h"
#include "browse/thumbnail_page_decode.h"
#include "browse/thumbnail_page_section.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <functional>
#include <thread>
#include <vector>

using namespace benchphotos;

namespace {

constexpr int kCells = 77;

// Serves events until done() holds or the time is up; between events the
// thread sleeps (a 5 ms timer wakes it), so the decodes have every core.
bool serveUntil(const std::function<bool()>& done, int ms = 60000)
{
    QElapsedTimer t;
    t.start();
    QTimer wake;
    wake.start(5);
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Notes when the last cell's picture is on the screen: the event loop runs
// again after the paint pass that painted it, which ends by handing the
// painted window to the display.
class PaintWatch : public QObject {
public:
    QString lastImage;
    qint64 paintedAt = -1;   // ns on `clock`
    const QElapsedTimer* clock = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && clock && watched->objectName() == lastImage)
            QMetaObject::invokeMethod(this, [this] { paintedAt = clock->nsecsElapsed(); }, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

struct PageRun {
    double painted = -1;   // ms to the last cell painted
    double filled = -1;    // ms to the page filled
    double workerCpu = 0;  // ms of CPU time on the other threads
    double windowCpu = 0;  // ms of CPU time on the window's thread
};

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1000 + double(ts.tv_nsec) / 1e6;
}

double processCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1000 + double(ts.tv_nsec) / 1e6;
}

int runBench(QApplication& app, const Args& parsed, const QString& platformName)
{
    const QStringList sources = photoPaths(parsed.folders);
    // Photographs large enough to get a thumbnail file (300 KB, the least by default).
    QStringList large;
    for (const QString& s : sources)
        if (QFileInfo(s).size() >= 300 * 1024)
            large << s;
    if (large.isEmpty()) {
        std::fprintf(stderr, "No JPEG photographs of at least 1 megapixel and 300 KB in %s\n",
                     qPrintable(parsed.folders.join(", ")));
        return 1;
    }
    // Two folders of the same 77 photographs (an even spread over the list;
    // fewer than 77 are taken again): one gets its thumbnail files, the
    // other can't, as a file stands where its thumbnail folder would be.
    QTemporaryDir work;
    const QString folder = work.path() + "/Photos";
    const QString plainFolder = work.path() + "/Originals";
    for (const QString& f : {folder, plainFolder}) {
        QDir().mkpath(f);
        for (int i = 0; i < kCells; ++i)
            copyInto(f, i, large[int(qint64(i) * large.size() / kCells) % large.size()]);
    }
    {
        QFile blocker(QFileInfo(ThumbnailPath(plainFolder + "/x.jpg")).path());
        blocker.open(QIODevice::WriteOnly);
    }

    ProgramState state;
    MainWindow form(state);
    form.closing()->CloseWithoutSaving = true;
    form.setGeometry(form.screen()->availableGeometry());
    form.showMaximized();
    serveUntil([] { return false; }, 300);
    TSettingsRecord& Settings = state.settings.Settings;
    Settings.InclJPG = 1;
    // "Date desc.", the first start's order: the page's time includes the
    // collection of the folder and the dating of its pictures.
    Settings.PlayOrder = 4;
    Settings.IntervalIndex = 4;
    Settings.PicturesPerPageIndex = QString::number(kLastPageLayout);
    Settings.ThumbManualMode = 1;   // the page stays until the bench ends the show
    // The thumbnail options a first start sets.
    state.settings.AddSettings = DefaultAddSettings(state.settings.AddSettings.AddSettingsVersion);
    auto openFolder = [&](const QString& path) {
        form.folderTree()->FolderToOpen = path;
        form.folderTree()->KeepListEntry = 1;
        form.folderTreeSection()->OpenFolderOrShow();
        serveUntil([] { return false; }, 300);
    };

    PaintWatch watch;
    watch.lastImage = QStringLiteral("PageImage%1").arg(kCells - 1);
    app.installEventFilter(&watch);
    QElapsedTimer clock;
    watch.clock = &clock;

    QSize box;   // a cell's picture box
    auto showPage = [&](bool thumbnails) {
        openFolder(thumbnails ? folder : plainFolder);
        PageRun r;
        bool filled = false;
        qint64 filledAt = -1;
        watch.paintedAt = -1;
        const double window0 = threadCpuMs(), process0 = processCpuMs();
        clock.start();
        form.actionNamed("TBGoSmall")->trigger();
        ThumbnailPageController* page = form.thumbnailPage()->PageView;
        if (!page)
            return r;
        QMetaObject::Connection c = QObject::connect(page, &ThumbnailPageController::pageLoaded, [&] {
            filled = true;
            filledAt = clock.nsecsElapsed();
        });
        serveUntil([&] { return filled && watch.paintedAt > filledAt; }, 60000);
        QObject::disconnect(c);
        r.filled = double(filledAt) / 1e6;
        r.painted = double(watch.paintedAt) / 1e6;
        r.windowCpu = threadCpuMs() - window0;
        r.workerCpu = processCpuMs() - process0 - r.windowCpu;
        if (page->State().count() != kCells)
            r.painted = -1;
        else
            box = page->State().geometry().slotRects.front().pictureBox;
        // Stop, as the tool bar's button does.
        form.actionNamed("ToolButton2")->trigger();
        serveUntil([&] { return !page->ThumbnailViewActive() && state.session.PlaybackActive == 0; }, 30000);
        serveUntil([] { return false; }, 200);
        return r;
    };

    // The same cells from the originals with nothing else running: one
    // thread a core takes the next cell, costliest first, as the page does.
    // Timed in the same run as the pages, between them, so the load the
    // machine carries weighs on both alike.
    auto decodeOnEveryCore = [&] {
        const QStringList names = QDir(plainFolder).entryList({"*.jpg"}, QDir::Files, QDir::Name);
        std::vector<PageDecodeRequest> requests;
        for (const QString& name : names) {
            PageDecodeRequest r;
            r.path = plainFolder + "/" + name;
            r.box = box;
            r.useThumbnail = false;
            requests.push_back(r);
        }
        const std::vector<size_t> order = PageDecodeOrder(requests);
        std::atomic<size_t> next{0};
        QElapsedTimer t;
        t.start();
        std::vector<std::thread> threads;
        for (int i = 0; i < QThread::idealThreadCount(); ++i)
            threads.emplace_back([&] {
                for (size_t k = next++; k < order.size(); k = next++)
                    DecodePageCell(requests[order[k]]);
            });
        for (std::thread& thread : threads)
            thread.join();
        return msSince(t);
    };

    // The first showing makes the thumbnail files.
    const PageRun firstShowing = showPage(true);
    const qsizetype thumbnailFiles = QDir(QFileInfo(ThumbnailPath(folder + "/x.jpg")).path()).entryList(QDir::Files).size();
    std::vector<double> thumbPainted, thumbFilled, origPainted, origFilled, bareCells;
    PageRun thumbCpu, origCpu;
    for (int rep = 0; rep < parsed.reps; ++rep) {
        for (const bool thumbnails : {true, false}) {
            const PageRun r = showPage(thumbnails);
            if (r.painted < 0) {
                std::fprintf(stderr, "The page of %d was not shown\n", kCells);
                return 1;
            }
            (thumbnails ? thumbPainted : origPainted).push_back(r.painted);
            (thumbnails ? thumbFilled : origFilled).push_back(r.filled);
            PageRun& cpu = thumbnails ? thumbCpu : origCpu;
            cpu.windowCpu += r.windowCpu / parsed.reps;
            cpu.workerCpu += r.workerCpu / parsed.reps;
        }
        bareCells.push_back(decodeOnEveryCore());
    }
    app.removeEventFilter(&watch);
    // The least the page from the originals can take: every core busy, or
    // the longest single decode, each cell decoded alone once.
    double longestCell = 0, allCells = 0;
    {
        const QStringList names = QDir(plainFolder).entryList({"*.jpg"}, QDir::Files, QDir::Name);
        for (const QString& name : names) {
            PageDecodeRequest r;
            r.path = plainFolder + "/" + name;
            r.box = box;
            r.useThumbnail = false;
            QElapsedTimer t;
            t.start();
            DecodePageCell(r);
            longestCell = std::max(longestCell, msSince(t));
            allCells += msSince(t);
        }
    }

    const QSize area = form.size();
    std::printf("[%s] 77-cell page in a %d x %d window, %lld photographs (%lld distinct), %d cores, "
                "median of %d\n",
                qPrintable(platformName), area.width(), area.height(), static_cast<long long>(kCells),
                static_cast<long long>(std::min<qsizetype>(kCells, large.size())), QThread::idealThreadCount(),
                parsed.reps);
    std::printf("thumbnail files made by the first showing: %lld\n", static_cast<long long>(thumbnailFiles));
    std::printf("\n%-50s %9s %9s %10s %10s\n", "page", "painted", "filled", "window CPU", "worker CPU");
    const double tp = median(thumbPainted), op = median(origPainted);
    std::printf("%-50s %9.1f %9.1f %10.1f %10.1f (%.1f cores busy)\n", "from thumbnail files (ms)", tp,
                median(thumbFilled), thumbCpu.windowCpu, thumbCpu.workerCpu, thumbCpu.workerCpu / std::max(1.0, tp));
    std::printf("%-50s %9.1f %9.1f %10.1f %10.1f (%.1f cores busy)\n", "from the originals (ms)", op,
                median(origFilled), origCpu.windowCpu, origCpu.workerCpu, origCpu.workerCpu / std::max(1.0, op));
    std::printf("%-50s %9.1f %9.1f %10.1f %10.1f (%.1f cores busy)\n", "first showing, making the thumbnail files (ms)",
                firstShowing.painted, firstShowing.filled, firstShowing.windowCpu, firstShowing.workerCpu,
                firstShowing.workerCpu / std::max(1.0, firstShowing.painted));
    const double ratio = tp / std::max(0.001, op) * 100;
    std::printf("%-50s %8.1f %% %10s %s\n", "page from thumbnail files / from originals", ratio, "<= 10 %",
                ratio <= 10 ? "met" : "NOT met");
    // The least on every core: the longest cell, or all cells spread over
    // every core, each decoded alone once (a machine carrying other work
    // can't reach it); beside it the same decodes run on every core in this
    // run, with no window (the goal: what the page adds to them).
    const int cores = QThread::idealThreadCount();
    const double limit = std::max(longestCell, allCells / cores);
    const double bare = median(bareCells);
    std::printf("%-50s %9.1f %10s (all cells alone %.0f ms, the longest %.0f ms; %d cores)\n",
                "page from originals / least on idle cores (x)", op / std::max(0.001, limit), "-", allCells,
                longestCell, cores);
    std::printf("%-50s %9.1f %10s %s (those decodes %.0f ms, median of %zu)\n",
                "page from originals / its decodes on every core (x)", op / std::max(0.001, bare), "<= 1.25",
                op <= 1.25 * bare ? "met" : "NOT met", bare, bareCells.size());
    form.close();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const bool onX = argc > 1 && qstrcmp(argv[argc - 1], "--on-x") == 0;
    // A home of its own and, offscreen, a 1920 x 1080 screen, set up before
    // the application starts.
    QTemporaryDir home;
    benchwindow::useOwnHome(home.path(), onX);
    int code = 0;
    QStringList args;
    {
        QApplication app(argc, argv);
        args = app.arguments().mid(1);
        args.removeAll(QStringLiteral("--on-x"));
        code = runBench(app, parseArgs(args, 30, 0), onX ? QStringLiteral("X") : QStringLiteral("offscreen"));
    }
    std::fflush(stdout);
    if (!onX && code == 0 && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        // The same on the X platform, in a process of its own.
        std::printf("\n");
        std::fflush(stdout);
        QProcess x;
        x.setProcessChannelMode(QProcess::ForwardedChannels);
        x.start(QString::fromLocal8Bit(argv[0]), args << QStringLiteral("--on-x"));
        x.waitForFinished(-1);
        code = x.exitCode();
    }
    return code;
}
