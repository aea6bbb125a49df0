// A 77-cell thumbnail page, measured two ways in one interleaved run:
//   thumbnails - every cell from the picture's thumbnail file (made once
//                before the run), as the page loader shows a page it has
//                shown before;
//   originals  - every cell decoded from the 24-megapixel original, as for
//                pictures without thumbnail files.
// Both decode the cells on every core, as the page loader does. The
// originals are real photographs (the wallpaper packages that scripts/deps
// --bench installs, or the folders given) enlarged to 6000 x 4000 and saved
// as JPEG quality 90. Each figure is the best of the repetitions; the CPU
// time over the wall time tells how many cores were busy.
//
//   bench_thumbnail_page [--reps N] [FOLDER...]
#include "browse/page_layouts.h"
#include "browse/thumbnail_files.h"
#include "browse/thumbnail_page_decode.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <thread>
#include <vector>

namespace {

constexpr int kCells = 77;

QStringList findPhotos(const QStringList& folders, int limit)
{
    QStringList found;
    for (const QString& folder : folders) {
        QDirIterator it(folder, {"*.jpg", "*.jpeg", "*.JPG", "*.JPEG"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext() && found.size() < limit) {
            const QString path = it.next();
            if (path.contains("/vxothumb/"))
                continue;
            QImageReader reader(path);
            const QSize s = reader.size();
            if (qint64(s.width()) * s.height() >= 1000000)
                found << path;
        }
    }
    return found;
}

struct Run {
    double wallMs = 0;
    double cpuMs = 0;
    int failed = 0;
};

// Decodes the cells on `threads` threads, as the page loader's workers do.
Run decodePage(const std::vector<PageDecodeRequest>& cells, int threads)
{
    std::atomic<int> next{0};
    std::atomic<int> failed{0};
    QElapsedTimer wall;
    const std::clock_t cpu0 = std::clock();
    wall.start();
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t)
        workers.emplace_back([&] {
            for (int i = next++; i < int(cells.size()); i = next++)
                if (!DecodePageCell(cells[size_t(i)]).ok)
                    ++failed;
        });
    for (std::thread& w : workers)
        w.join();
    Run r;
    r.wallMs = double(wall.nsecsElapsed()) / 1e6;
    r.cpuMs = double(std::clock() - cpu0) * 1000.0 / CLOCKS_PER_SEC;
    r.failed = failed;
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int reps = 3;
    QStringList folders;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--reps" && i + 1 < args.size())
            reps = std::max(1, args[++i].toInt());
        else if (!args[i].startsWith("--"))
            folders << args[i];
        else if (i + 1 < args.size() && !args[i + 1].startsWith("--"))
            ++i;   // another benchmark's option and its value
    }
    if (folders.isEmpty())
        folders << "/usr/share/backgrounds" << "/usr/share/wallpapers";
    const QStringList photos = findPhotos(folders, 8);
    if (photos.isEmpty()) {
        std::fprintf(stderr, "No JPEG photographs of at least 1 megapixel in %s\n", qPrintable(folders.join(", ")));
        return 1;
    }

    // The 24-megapixel originals, and 77 pictures of them in one folder.
    QTemporaryDir work;
    const QString folder = work.path() + "/page";
    QDir().mkpath(folder);
    QStringList originals;
    for (int i = 0; i < photos.size(); ++i) {
        QImage image(photos[i]);
        image = image.scaled(6000, 4000, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        image = image.copy((image.width() - 6000) / 2, (image.height() - 4000) / 2, 6000, 4000);
        const QString path = QStringLiteral("%1/original%2.jpg").arg(work.path()).arg(i);
        if (image.save(path, "JPG", 90))
            originals << path;
    }
    if (originals.isEmpty()) {
        std::fprintf(stderr, "The originals could not be written\n");
        return 1;
    }
    // The cells of the 77-picture layout in a 1366 x 768 window.
    const PageGeometry geometry = ComputePageGeometry(kLastPageLayout, QSize(1366, 768 - 30 - 20 - 23), 30,
                                                      ThumbFill::RowByRow);
    const QSize box = geometry.slotRects.front().pictureBox;
    ThumbnailOptions options;
    options.minSizeKB = 0;
    std::vector<PageDecodeRequest> fromThumbnails, fromOriginals;
    for (int i = 0; i < kCells; ++i) {
        const QString path = QStringLiteral("%1/p%2.jpg").arg(folder).arg(i, 2, 10, QLatin1Char('0'));
        QFile::copy(originals[i % originals.size()], path);
        PageDecodeRequest r;
        r.path = path;
        r.thumbnail = ThumbnailPath(path);
        r.box = box;
        r.options = options;
        r.ignoreDrive = true;
        // The thumbnail file is made once, as the first showing of the page does.
        ThumbnailRequest make;
        make.picture = path;
        make.thumbnail = r.thumbnail;
        make.ignoreDrive = true;
        make.processMessages = false;
        CreateOrRefreshThumbnail(make, options);
        fromThumbnails.push_back(r);
        r.useThumbnail = false;
        fromOriginals.push_back(r);
    }
    const int cores = std::max(1, int(std::thread::hardware_concurrency()));
    std::printf("77-cell page, picture box %d x %d, %lld originals of 6000 x 4000 from %lld photographs, %d cores, "
                "%d repetitions\n",
                box.width(), box.height(), static_cast<long long>(kCells), static_cast<long long>(originals.size()),
                cores, reps);
    Run bestThumbs, bestOriginals;
    bestThumbs.wallMs = bestOriginals.wallMs = 1e18;
    for (int rep = 0; rep < reps; ++rep) {
        const Run t = decodePage(fromThumbnails, cores);
        const Run o = decodePage(fromOriginals, cores);
        if (t.wallMs < bestThumbs.wallMs)
            bestThumbs = t;
        if (o.wallMs < bestOriginals.wallMs)
            bestOriginals = o;
    }
    const Run oneCore = decodePage(fromOriginals, 1);
    std::printf("  from thumbnail files  %9.1f ms   (%.1f cores busy)%s\n", bestThumbs.wallMs,
                bestThumbs.cpuMs / std::max(1.0, bestThumbs.wallMs),
                bestThumbs.failed ? "  SOME CELLS FAILED" : "");
    std::printf("  from the originals    %9.1f ms   (%.1f cores busy)%s\n", bestOriginals.wallMs,
                bestOriginals.cpuMs / std::max(1.0, bestOriginals.wallMs),
                bestOriginals.failed ? "  SOME CELLS FAILED" : "");
    std::printf("  originals on 1 core   %9.1f ms   (all cores %.1fx faster)\n", oneCore.wallMs,
                oneCore.wallMs / std::max(0.001, bestOriginals.wallMs));
    const double ratio = bestThumbs.wallMs / std::max(0.001, bestOriginals.wallMs) * 100;
    std::printf("  page ratio thumbnails / originals: %.1f %% (target: under 10 %%)\n", ratio);
    return 0;
}
