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

// A copy of a photograph with an EXIF block as large cameras write it: the
// camera, the date taken and a maker note of 86 tags of 256 numbers each
// (about 44 KB) in the layout of one camera make's notes.
QString withLargeMakerNote(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    const QByteArray jpeg = in.readAll();
    QByteArray tiff;
    const auto u16 = [&tiff](int v) { tiff.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    const auto u32 = [&tiff](quint32 v) {
        for (int i = 0; i < 4; ++i)
            tiff.append(char((v >> (8 * i)) & 0xFF));
    };
    const QByteArray make("Canon\0", 6), model("Canon EOS 5D\0", 13), date("2019:05:06 07:08:09\0", 20);
    const int tags = 86, numbers = 256;
    // Header, IFD0 (3 entries), its data, the EXIF IFD (2 entries), the
    // maker note (an IFD and its arrays).
    const quint32 ifd0 = 8, ifd0Data = ifd0 + 2 + 3 * 12 + 4;
    const quint32 exifIfd = ifd0Data + quint32(make.size() + model.size());
    const quint32 exifData = exifIfd + 2 + 2 * 12 + 4;
    const quint32 note = exifData + quint32(date.size());
    const quint32 noteData = note + 2 + tags * 12 + 4;
    const quint32 noteSize = noteData - note + quint32(tags * numbers * 2);
    tiff.append("II*\0", 4);
    u32(ifd0);
    u16(3);
    u16(271); u16(2); u32(quint32(make.size())); u32(ifd0Data);
    u16(272); u16(2); u32(quint32(model.size())); u32(ifd0Data + quint32(make.size()));
    u16(0x8769); u16(4); u32(1); u32(exifIfd);
    u32(0);
    tiff.append(make).append(model);
    u16(2);
    u16(36867); u16(2); u32(quint32(date.size())); u32(exifData);
    u16(0x927C); u16(7); u32(noteSize); u32(note);
    u32(0);
    tiff.append(date);
    u16(tags);
    for (int t = 0; t < tags; ++t) {
        u16(t + 1); u16(3); u32(numbers); u32(noteData + quint32(t * numbers * 2));
    }
    u32(0);
    for (int i = 0; i < tags * numbers; ++i)
        u16(i % 1000);
    QByteArray segment("\xFF\xE1", 2);
    const int length = 2 + 6 + int(tiff.size());
    segment.append(char(length >> 8)).append(char(length & 0xFF)).append("Exif\0\0", 6).append(tiff);
    QFile out(target);
    if (length > 0xFFFF || !out.open(QIODevice::WriteOnly))
        return {};
    out.write(jpeg.left(2) + segment + jpeg.mid(2));
    return target;
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
            form.actionNamed("ToolButton1")->trigger();
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
    // the next one once its preview has settled. The photographs as they
    // are, then copies with a large maker note.
    const int browsed = std::min<int>(int(sources.size()), std::max(2, parsed.photos));
    const QString noted = home.path() + QStringLiteral("/MakerNotes");
    QDir().mkpath(noted);
    QStringList withNotes;
    for (int i = 0; i < browsed; ++i)
        withNotes << withLargeMakerNote(sources[i], QStringLiteral("%1/%2.jpg").arg(noted).arg(i, 3, 10, QLatin1Char('0')));
    PictureInfoController* info = form.pictureInfo();
    for (const bool notes : {false, true}) {
        std::vector<double> blocks;
        for (int r = 0; r < parsed.reps; ++r) {
            for (int i = 0; i < browsed; ++i) {
                watch.start();
                info->PreviewKind = QLatin1Char('P');
                info->ShowPictureInfo(notes ? withNotes[i] : sources[i], true, true);
                serveFor(150);
                blocks.push_back(watch.stop());
            }
        }
        std::printf("%-62s %9.1f %9.1f %9s\n",
                    qPrintable(QStringLiteral("browse preview, %1 photos%2: longest block (ms)")
                                   .arg(browsed)
                                   .arg(notes ? QStringLiteral(" with maker notes") : QString())),
                    median(blocks), *std::max_element(blocks.begin(), blocks.end()), "<= 20");
    }
    form.close();
    return 0;
}
