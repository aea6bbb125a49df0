// What the benchmarks of the assembled window share: a home folder of their
// own and the screen they run on, set up before the application starts; an
// even spread of the photographs copied into one folder; and the show
// settings under which the benchmark takes each step itself.
#pragma once

#include "app/main_window.h"
#include "base/program_state.h"
#include "base/settings_record.h"
#include "bench_photos.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace benchwindow {

// HOME and the XDG folders point into `home`; the platform is X when `onX`,
// else an offscreen screen of 1920 x 1080 described by a file in `home`.
inline void useOwnHome(const QString& home, bool onX)
{
    for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(var, QFile::encodeName(home + (qstrcmp(var, "HOME") ? QStringLiteral("/") + var : QString())));
    if (onX) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        return;
    }
    const QString screens = home + "/screens.json";
    QFile f(screens);
    f.open(QIODevice::WriteOnly);
    f.write(R"({ "screens": [ { "name": "Screen1920", "x": 0, "y": 0, "width": 1920, "height": 1080,
                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] })");
    f.close();
    qputenv("QT_QPA_PLATFORM", QFile::encodeName("offscreen:configfile=" + screens));
}

// Copies an even spread of `count` of `sources` into `folder` (made when
// missing); the copies' paths.
inline QStringList copySpread(const QStringList& sources, int count, const QString& folder)
{
    QDir().mkpath(folder);
    QStringList copies;
    for (int i = 0; i < count; ++i)
        copies << benchphotos::copyInto(folder, i, sources[int(qint64(i) * sources.size() / count)]);
    return copies;
}

// Every JPEG in the show, the photographs in turn (alphabetic order), and
// the longest interval (10 s): the benchmark takes each step itself.
inline void settingsForSteppedShow(TSettingsRecord& settings)
{
    settings.InclJPG = 1;
    settings.IntervalIndex = 4;
    settings.PlayOrder = 2;
    settings.ShowTitles = 1;
}

// The photographs of a show benchmark and the main window that plays them:
// an even spread of at most 30 (and at most `wanted`) of the photographs of
// `folders` copied into home/Photos, and the window shown, set for a show
// the benchmark steps itself and closed without saving.
struct ShowBenchWindow {
    QString photoDir;
    QStringList photos;
    int count = 0;
    ProgramState state;
    MainWindow form{state};

    // Null, with a message, when the folders hold fewer than 2 photographs.
    static std::unique_ptr<ShowBenchWindow> make(const QStringList& folders, int wanted, const QString& home)
    {
        const QStringList sources = benchphotos::photoPaths(folders);
        if (sources.size() < 2) {
            std::fprintf(stderr, "Fewer than 2 JPEG photographs of at least 1 megapixel in %s\n",
                         qPrintable(folders.join(", ")));
            return nullptr;
        }
        auto bench = std::make_unique<ShowBenchWindow>();
        bench->photoDir = home + "/Photos";
        bench->count = std::min<int>(std::min(std::max(2, wanted), 30), int(sources.size()));
        bench->photos = copySpread(sources, bench->count, bench->photoDir);
        bench->form.closing()->CloseWithoutSaving = true;
        bench->form.show();
        settingsForSteppedShow(bench->state.settings.Settings);
        return bench;
    }
};

// Serves the window's events until `done` holds (true) or `ms` pass (false).
inline bool serveUntil(const std::function<bool()>& done, int ms = 60000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

} // namespace benchwindow
