// Opening a large folder in the assembled window's folder tree: from the
// opening by path (the tree rebuilt from the drive root and walked down) to
// the tree painted, for folders of 1 000, 10 000 and 100 000 files side by
// side. The files are one-byte pictures and videos with mixed names and
// letter cases, and a few other files and subfolders, created once in the
// program's own home folder. Before each timed opening the tree holds a
// small folder, as when a user goes from one folder to the next. The window
// is on the X server named by DISPLAY (scripts/bench starts Xvfb where none
// is set), else offscreen. Smaller folders are opened more often (ten times
// for a tenth of the files); the time ratio of 100 000 to 10 000 files is
// taken from the least opening of each, which the machine's other work
// disturbs least.
//
//   bench_folder_tree [--reps N] [--benchmark_...] [FOLDER...]
//
// VISTAMO_BENCH_TREE_FOLDERS names a folder where the folders are made and
// kept for the next run (to profile the openings alone). FOLDER, --photos
// and --thumbs are accepted and ignored (they belong to the
// benchmarks with photographs).
#include "bench_photos.h"

#include "app/main_window.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <vector>

using namespace benchphotos;

namespace {

MainWindow* gForm = nullptr;
QString gHome;
QString gFolders;   // where the folders are made
std::map<int, std::vector<double>> gTimes;   // files -> milliseconds of each opening

// Counts the paints of the tree's viewport.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// A folder of `files` entries: pictures and videos of one byte with mixed
// names, a few other files and 20 subfolders; made once.
QString folderOf(int files)
{
    const QString folder = QStringLiteral("%1/f%2").arg(gFolders).arg(files);
    if (QDir(folder).exists())
        return folder;
    QDir().mkpath(folder);
    static const char* const stems[] = {"IMG_", "img_", "DSC", "Holiday ", "photo-", "Été ", "scan"};
    static const char* const exts[] = {".jpg", ".JPG", ".jpeg", ".bmp", ".gif", ".avi", ".txt", ".mpeg"};
    std::mt19937 random(files);
    std::vector<int> order(files);
    for (int i = 0; i < files; ++i)
        order[i] = i;
    std::shuffle(order.begin(), order.end(), random);
    for (int i = 0; i < 20; ++i)
        QDir().mkpath(QStringLiteral("%1/Sub %2").arg(folder).arg(i));
    for (int i : order) {
        const QString name = QString::fromUtf8(stems[i % 7]) + QString::number(i)
                             + QString::fromUtf8(exts[(i / 7) % 8]);
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name);
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd >= 0) {
            (void)!::write(fd, "x", 1);
            ::close(fd);
        }
    }
    return folder;
}

void openFolder(const QString& folder)
{
    FolderTreeController* tree = gForm->folderTree();
    tree->FolderToOpen = folder;
    tree->KeepListEntry = 1;
    gForm->folderTreeSection()->OpenFolderOrShow();
}

void BM_OpenFolder(benchmark::State& state)
{
    const int files = int(state.range(0));
    const QString folder = folderOf(files);
    const QString small = gHome;
    QTreeWidget* view = gForm->treeView();
    PaintCounter counter;
    view->viewport()->installEventFilter(&counter);
    // The first opening fills the system's caches; it is not timed.
    openFolder(folder);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        openFolder(small);
        QCoreApplication::processEvents();
        const int before = counter.paints;
        QElapsedTimer t;
        t.start();
        openFolder(folder);
        while (counter.paints == before && t.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const double ms = msSince(t);
        gTimes[files].push_back(ms);
        state.SetIterationTime(ms / 1000);
    }
    view->viewport()->removeEventFilter(&counter);
    state.counters["nodes"] = double(view->topLevelItemCount() ? view->currentItem()->childCount() : 0);
}

} // namespace

int main(int argc, char** argv)
{
    // The offscreen platform's note on every opening (the window is raised)
    // is left out of the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.contains(QLatin1String("does not support raise()")))
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    });
    // A home of its own, set up before the application starts.
    QTemporaryDir home;
    gHome = home.path();
    for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(var, QFile::encodeName(home.path() + (qstrcmp(var, "HOME") ? QStringLiteral("/") + var : QString())));
    // Google Benchmark gets its own options; the shared ones are read here.
    std::vector<char*> benchArgs{argv[0]};
    QStringList ours;
    for (int i = 1; i < argc; ++i) {
        if (qstrncmp(argv[i], "--benchmark_", 12) == 0)
            benchArgs.push_back(argv[i]);
        else
            ours << QString::fromLocal8Bit(argv[i]);
    }
    int benchArgc = int(benchArgs.size());
    // On the X server where there is one (scripts/bench starts Xvfb), as the
    // program runs; else offscreen.
    qputenv("QT_QPA_PLATFORM", qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "xcb");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const Args parsed = parseArgs(ours, 0, 0);
    // Each folder is opened for about the same total time: ten times the
    // openings of a folder a tenth the size (90, 27 and 9 by default).
    const int reps = std::max(3, parsed.reps * 3);
    const auto openingsOf = [reps](int files) { return files >= 100000 ? reps : files >= 10000 ? reps * 3 : reps * 10; };

    gFolders = qEnvironmentVariable("VISTAMO_BENCH_TREE_FOLDERS", gHome + QStringLiteral("/Folders"));

    ProgramState state;
    MainWindow form(state);
    form.closing()->CloseWithoutSaving = true;
    form.show();
    QCoreApplication::processEvents();
    gForm = &form;

    benchmark::Initialize(&benchArgc, benchArgs.data());
    for (const int files : {1000, 10000, 100000})
        benchmark::RegisterBenchmark("open folder in tree", BM_OpenFolder)
            ->Arg(files)
            ->Iterations(openingsOf(files))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // The least of the openings is the one the machine's other work
    // disturbed least; the ratio of the least times is the figure that
    // says whether the opening is linear, the medians are beside it.
    const auto least = [](const std::vector<double>& v) { return v.empty() ? -1.0 : *std::min_element(v.begin(), v.end()); };
    const double m1k = median(gTimes[1000]), m10k = median(gTimes[10000]), m100k = median(gTimes[100000]);
    const double l1k = least(gTimes[1000]), l10k = least(gTimes[10000]), l100k = least(gTimes[100000]);
    std::printf("\nThe %s platform; %zu, %zu and %zu openings of the three folders\n",
                qPrintable(QGuiApplication::platformName()), gTimes[1000].size(), gTimes[10000].size(),
                gTimes[100000].size());
    std::printf("\n%-58s %8s %10s %s\n", "figure", "value", "target", "");
    std::printf("%-58s %8.1f %10s (least %.1f; %.2f us a file)\n", "open a folder of 1 000 files, to the tree painted (ms)",
                m1k, "-", l1k, l1k * 1000 / 1000);
    const bool fast = m10k >= 0 && m10k <= 100;
    std::printf("%-58s %8.1f %10s %s (least %.1f; %.2f us a file)\n",
                "open a folder of 10 000 files, to the tree painted (ms)", m10k, "<= 100", fast ? "met    " : "NOT met",
                l10k, l10k * 1000 / 10000);
    std::printf("%-58s %8.1f %10s (least %.1f; %.2f us a file)\n",
                "open a folder of 100 000 files, to the tree painted (ms)", m100k, "-", l100k, l100k * 1000 / 100000);
    const double ratio = l10k > 0 ? l100k / l10k : -1;
    std::printf("%-58s %8.1f %10s %s (10x the files; medians %.1fx; 1 000 -> 10 000: %.1fx)\n",
                "100 000 files over 10 000 files (least times' ratio)", ratio, "<= 11",
                ratio >= 0 && ratio <= 11 ? "met    " : "NOT met", m10k > 0 ? m100k / m10k : -1.0,
                l1k > 0 ? l10k / l1k : -1.0);
    form.close();
    return 0;
}
