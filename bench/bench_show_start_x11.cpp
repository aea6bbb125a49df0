// What a user sees of a date-ordered start and of browsing, on the X
// platform:
//   show start - a full-screen show in "Date desc." order of a folder of
//                1 000 and of 10 000 photographs (links to the photographs,
//                or copies where links cannot be made), from the tool
//                button's click to the first picture on the X server's
//                screen, and the longest time the window's thread did not
//                serve its events meanwhile;
//   browsing   - the browse preview stepped through the photographs (each
//                shown as the tree's timer shows it), the longest block of
//                the window's thread.
// Needs an X display (scripts/bench starts Xvfb where none is set).
//
//   bench_show_start_x11 [--reps N] [--photos N] [--thumbs N] [FOLDER...]
//
// --photos caps the photographs browsed; --thumbs is ignored.
#include "bench_photos.h"
#include "bench_window.h"

#include "app/main_window.h"
#include "base/settings_record.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_info_controller.h"
#include "slideshow/show_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace benchphotos;

namespace {

// The longest gap between two turns of the window's event loop, watched by
// a timer that fires on every turn.
class BlockWatch {
public:
    BlockWatch()
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
        });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    double stop()
    {
        m_timer.stop();
        return double(std::max(m_longest, m_clock.nsecsElapsed() - m_last)) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

QImage screenRow(QScreen* screen)
{
    const QRect g = screen->geometry();
    return screen->grabWindow(0, g.x(), g.y() + g.height() / 2, g.width(), 1).toImage();
}

// A folder of `count` photographs: hard links to the sources in turn.
QString linkedFolder(const QString& home, const QStringList& sources, int count)
{
    const QString folder = home + QStringLiteral("/Show%1").arg(count);
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        const QString source = sources[i % sources.size()];
        const QString target = QStringLiteral("%1/%2.jpg").arg(folder).arg(i, 5, 10, QLatin1Char('0'));
        if (::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) != 0)
            QFile::copy(source, target);
    }
    return folder;
}

void serveFor(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("No X display (DISPLAY is not set): the show start on X is not measured\n");
        return 0;
    }
    QTemporaryDir home;
    benchwindow::useOwnHome(home.path(), true);
    QApplication app(argc, argv);
    const Args parsed = parseArgs(app.arguments().mid(1), 30, 0);
    const auto bench = benchwindow::ShowBenchWindow::make(parsed.folders, 30, home.path());
    if (!bench)
        return 1;
    const QStringList sources = photoPaths(parsed.folders);
    MainWindow& form = bench->form;
    form.setWindowState(Qt::WindowMaximized);
    serveFor(300);
    TSettingsRecord& settings = bench->state.settings.Settings;
    QScreen* screen = QGuiApplication::primaryScreen();
    BlockWatch watch;

    std::printf("%d photographs as sources; %d repetitions; X screen %dx%d; %d cores\n", int(sources.size()),
                parsed.reps, screen->geometry().width(), screen->geometry().height(), QThread::idealThreadCount());
    std::printf("\n%-62s %9s %9s %9s\n", "figure", "median", "longest", "target");
    for (const int count : {1000, 10000}) {
        const QString folder = linkedFolder(home.path(), sources, count);
        std::vector<double> first, blocked;
        for (int r = 0; r < parsed.reps; ++r) {
            settings.PlayOrder = 4;   // "Date desc."
            form.folderTree()->SelectedFolder = folder;
            const QImage before = screenRow(screen);
            QElapsedTimer t;
            watch.start();
            t.start();
            form.toolBars().ToolButton1()->trigger();
            double shown = -1;
            while (t.elapsed() < 60000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents);
                ShowWindow* show = form.showWindow();
                if (show && show->isVisible() && screenRow(screen) != before) {
                    shown = msSince(t);
                    break;
                }
            }
            blocked.push_back(watch.stop());
            first.push_back(shown);
            if (form.showWindow() && form.showWindow()->isVisible())
                form.showWindow()->StopSlideShow();
            serveFor(300);
        }
        const auto longest = [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); };
        std::printf("%-62s %9.1f %9.1f %9s\n",
                    qPrintable(QStringLiteral("show start, %1 photos, date order: click to picture (ms)").arg(count)),
                    median(first), longest(first), "<= 1000");
        std::printf("%-62s %9.1f %9.1f %9s\n",
                    qPrintable(QStringLiteral("show start, %1 photos: longest block of the window (ms)").arg(count)),
                    median(blocked), longest(blocked), "<= 50");
    }

    // Browsing: each photograph previewed as the tree's timer previews it;
    // the next one once its preview has settled.
    const int browsed = std::min<int>(int(sources.size()), std::max(2, parsed.photos));
    PictureInfoController* info = form.pictureInfo();
    std::vector<double> blocks;
    for (int r = 0; r < parsed.reps; ++r) {
        for (int i = 0; i < browsed; ++i) {
            watch.start();
            info->PreviewKind = QLatin1Char('P');
            info->ShowPictureInfo(sources[i], true, true);
            serveFor(150);
            blocks.push_back(watch.stop());
        }
    }
    std::printf("%-62s %9.1f %9.1f %9s\n", qPrintable(QStringLiteral("browse preview, %1 photos: longest block (ms)").arg(browsed)),
                median(blocks), *std::max_element(blocks.begin(), blocks.end()), "<= 20");
    form.close();
    return 0;
}
