// Fitting real photographs, measured side by side in one interleaved run:
//   loader      - LoadPictureIntoSlot (DCT-scaled decode, with the thumbnail
//                 and information steps every load runs, the thumbnail file
//                 already made) and the picture view's scale to the shown size;
//   limit       - reading the file and the DCT-scaled decode alone, with the
//                 loader's decoder settings: what no loader can beat;
//   full+scale  - a full decode (Qt's reader) and a smooth scale;
//   fit_one     - the loader in a process of its own writing the fitted JPEG,
//   vips        - vipsthumbnail doing the same (process against process);
// and, to tell where the loader's time goes: the loader without its
// thumbnail and information steps, and the smooth scale alone from the
// DCT-scaled buffer to the shown size (what a load would add if it shrank
// the decoded buffer after the decode; the loader shrinks it beside the
// decode). The fitted load at 1920x1080 is shown per size class too.
// Then thumbnail files for up to 200 photographs: the manual thumbnail run
// on every core against vipsthumbnail in as many processes as there are cores
// (wall time, and the CPU time each spent with the cores it kept busy).
//
//   bench_picture_fit [--reps N] [--photos N] [--thumbs N] [FOLDER...]
//
// The folders are searched with their subfolders for JPEG photographs of at
// least one megapixel (default: the wallpaper packages that scripts/deps
// --bench installs). Every figure is the median over the photographs of each
// photograph's best repetition (the other work on the machine only ever adds
// time). The targets are shown for all photographs and for those of at least
// 8 megapixels, where decoding at a DCT scale has something to save.
#include "bench_photos.h"

#include "base/add_settings_record.h"
#include "base/settings_record.h"
#include "browse/picture_display_view.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "tests/support/event_waits.h"
#include "browse/thumbnail_files.h"
#include "browse/thumbnail_files_batch.h"
#include "formats/jpeg_decoder.h"
#include "formats/picture_file.h"
#include "formats/picture_scale.h"
#include "tests/support/thumbnail_batch_wait.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <map>
#include <vector>
#include <memory>

using namespace benchphotos;

namespace {

struct Photo {
    QString source;
    QString copy;      // in the run's own folder (thumbnails are written beside it)
    QSize size;
    bool progressive = false;
};

// JPEG photographs of at least one megapixel. A folder whose pictures are
// all named by their size ("1920x1080.jpg", a wallpaper in several sizes)
// gives only its largest.
std::vector<Photo> findPhotos(const QStringList& folders)
{
    std::map<QString, std::vector<Photo>> byFolder;
    for (const PhotoFile& file : photoFiles(folders))
        byFolder[QFileInfo(file.path).path()].push_back({file.path, QString(), file.header.size, file.header.progressive});
    static const QRegularExpression sizeName(QStringLiteral("^\\d+x\\d+\\.jpe?g$"), QRegularExpression::CaseInsensitiveOption);
    std::vector<Photo> photos;
    for (auto& [folder, list] : byFolder) {
        const bool sizesOfOne = std::all_of(list.begin(), list.end(), [](const Photo& p) {
            return sizeName.match(QFileInfo(p.source).fileName()).hasMatch();
        });
        if (sizesOfOne && list.size() > 1) {
            auto largest = std::max_element(list.begin(), list.end(), [](const Photo& a, const Photo& b) {
                return qint64(a.size.width()) * a.size.height() < qint64(b.size.width()) * b.size.height();
            });
            photos.push_back(*largest);
        } else {
            photos.insert(photos.end(), list.begin(), list.end());
        }
    }
    std::sort(photos.begin(), photos.end(), [](const Photo& a, const Photo& b) { return a.source < b.source; });
    return photos;
}

bool runProcess(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

enum Method { Loader, Limit, FullScale, OwnProcess, VipsProcess, LoaderNoSteps, LastScale, MethodCount };

struct Target {
    QSize area;
    const char* name;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Args parsed = parseArgs(app.arguments().mid(1), 1000, 200);
    const int reps = parsed.reps, maxPhotos = parsed.photos, maxThumbs = parsed.thumbs;
    const QStringList& folders = parsed.folders;

    std::vector<Photo> photos = findPhotos(folders);
    if (int(photos.size()) > maxPhotos) {
        // An even spread over the list, not just its first folder.
        std::vector<Photo> spread;
        for (int i = 0; i < maxPhotos; ++i)
            spread.push_back(photos[size_t(i) * photos.size() / size_t(maxPhotos)]);
        photos = spread;
    }
    if (photos.empty()) {
        std::fprintf(stderr, "No JPEG photographs of at least 1 megapixel in %s\n", qPrintable(folders.join(", ")));
        return 1;
    }
    QTemporaryDir work;
    const QString photoDir = work.path() + "/photos";
    QDir().mkpath(photoDir);
    int progressive = 0;
    double minMp = 1e9, maxMp = 0;
    for (size_t i = 0; i < photos.size(); ++i) {
        photos[i].copy = copyInto(photoDir, int(i), photos[i].source);
        progressive += photos[i].progressive;
        const double mp = photos[i].size.width() * double(photos[i].size.height()) / 1e6;
        minMp = std::min(minMp, mp);
        maxMp = std::max(maxMp, mp);
    }
    std::printf("%zu photographs, %.1f-%.1f megapixels, %d progressive; %d repetitions; %d cores\n", photos.size(),
                minMp, maxMp, progressive, reps, QThread::idealThreadCount());

    // The program's settings and the loader's steps as the program installs
    // them; the information step runs on every load.
    SettingsStore settings;
    settings.AddSettings.ThumbsOnFixedDrives = 1;
    settings.AddSettings.ThumbSizeIndex = 2;
    settings.AddSettings.ThumbMinSizeKB = 300;
    settings.Settings.ResetFileDate = QStringLiteral("0");
    PictureLoaderSteps loaderSteps =
        ThumbnailLoaderSteps([&settings] { return CurrentThumbnailOptions(settings, false); }, nullptr);
    QString titleHint;
    loaderSteps.SetTitleHint = [&titleHint](const QString& text) { titleHint = text; };
    // The steps follow the slot's pictures while stepsOwner lives.
    PictureSlotModel mainSlot(SlotForm1Im1);
    PictureSlotModel* slot = &mainSlot;
    auto stepsOwner = std::make_unique<QObject>();
    ConnectPictureLoaderSteps(stepsOwner.get(), slot, loaderSteps);

    QWidget host;
    host.setObjectName("Image1");
    PictureView* view = AttachPictureView(&host, slot);
    host.show();
    // The picture area at the shown size (the view follows its host).
    const auto showAt = [&host, view](QSize size) {
        host.resize(size);
        view->resize(size);
    };

    const QString vips = QStandardPaths::findExecutable("vipsthumbnail");
    const QString fitOne = QCoreApplication::applicationDirPath() + "/fit_one";
    const bool haveFitOne = QFileInfo(fitOne).isExecutable();
    const QString out = work.path() + "/out.jpg";

    const Target targets[] = {{{1920, 1080}, "1920x1080"}, {{160, 120}, "160x120"}};
    const auto fittedFor = [](const Photo& p, QSize area) { return FittedPictureSize(p.size, area, 0); };

    // The first showing of each picture also makes its thumbnail file.
    std::vector<double> firstView;
    slot->DisplayArea = targets[0].area;
    slot->EnlargeLimit = 0;
    for (const Photo& p : photos) {
        showAt(fittedFor(p, targets[0].area));
        QElapsedTimer t;
        t.start();
        TryLoadPictureIntoSlot(p.copy, slot);
        view->ScaledImage();
        firstView.push_back(msSince(t));
        testsupport::waitForBackgroundWrites();
    }

    // times[target][method][photo] -> one time per repetition
    std::vector<std::vector<std::vector<std::vector<double>>>> times(
        2, std::vector<std::vector<std::vector<double>>>(MethodCount, std::vector<std::vector<double>>(photos.size())));
    // Each method times itself (the last scale alone leaves its decode out);
    // -1 when it failed.
    const std::function<double(int, const Photo&, const Target&)> runMethod = [&](int m, const Photo& p,
                                                                                  const Target& target) {
        const QSize fitted = fittedFor(p, target.area);
        QElapsedTimer t;
        const auto done = [&t](bool ok) { return ok ? msSince(t) : -1.0; };
        switch (m) {
        case Loader:
        case LoaderNoSteps: {
            slot->DisplayArea = target.area;
            showAt(fitted);
            if (m == LoaderNoSteps)
                stepsOwner.reset();
            t.start();
            const bool ok = TryLoadPictureIntoSlot(p.copy, slot).isEmpty() && !view->ScaledImage().isNull();
            const double ms = done(ok);
            if (!stepsOwner) {
                stepsOwner = std::make_unique<QObject>();
                ConnectPictureLoaderSteps(stepsOwner.get(), slot, loaderSteps);
            }
            testsupport::waitForBackgroundWrites();   // the thumbnail check, outside the time
            return ms;
        }
        case Limit:
            t.start();
            return done(!DecodeJpeg(ReadPictureFile(p.copy), fitted).image.isNull());
        case FullScale: {
            t.start();
            QImageReader reader(p.copy);
            reader.setAutoTransform(false);
            const QImage full = reader.read();
            return done(!full.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).isNull());
        }
        case LastScale: {
            const QImage buffer = DecodeJpeg(ReadPictureFile(p.copy), fitted).image;
            t.start();
            return done(!ScaleDecodedPicture(buffer, fitted).isNull());
        }
        case OwnProcess:
            t.start();
            return done(haveFitOne && runProcess(fitOne, {p.copy, QString::number(target.area.width()),
                                                          QString::number(target.area.height()), out}));
        case VipsProcess:
            t.start();
            return done(!vips.isEmpty()
                        && runProcess(vips, {p.copy, "--size",
                                             QStringLiteral("%1x%2").arg(target.area.width()).arg(target.area.height()),
                                             "-o", out + "[Q=75]"}));
        }
        return -1.0;
    };
    for (int r = 0; r < reps; ++r) {
        for (size_t i = 0; i < photos.size(); ++i) {
            for (int ti = 0; ti < 2; ++ti) {
                for (int k = 0; k < MethodCount; ++k) {
                    // The order turns with each photograph, so no method
                    // always runs right after another.
                    const int m = (k + int(i) + r) % MethodCount;
                    double ms = -1;
                    try {
                        ms = runMethod(m, photos[i], targets[ti]);
                    } catch (...) {
                        ms = -1;
                    }
                    if (ms >= 0)
                        times[size_t(ti)][size_t(m)][i].push_back(ms);
                }
            }
        }
        std::fprintf(stderr, "repetition %d of %d done\n", r + 1, reps);
    }

    // Per photograph: its best repetition.
    const auto perPhoto = [&](int ti, int m) {
        std::vector<double> v(photos.size(), -1);
        for (size_t i = 0; i < photos.size(); ++i) {
            const std::vector<double>& runs = times[size_t(ti)][size_t(m)][i];
            if (!runs.empty())
                v[i] = *std::min_element(runs.begin(), runs.end());
        }
        return v;
    };
    const auto pixelsOf = [&](size_t i) { return qint64(photos[i].size.width()) * photos[i].size.height(); };
    const auto isLarge = [&](size_t i) { return pixelsOf(i) >= 8000000; };
    // The size classes of the fitted load: below 4 MP, 4 to 8 MP, 8 MP and more.
    struct SizeClass {
        const char* name;
        qint64 from, to;   // pixels, to exclusive
    };
    const SizeClass sizeClasses[] = {{"< 4 MP", 0, 4000000}, {"4-8 MP", 4000000, 8000000},
                                     {">= 8 MP", 8000000, std::numeric_limits<qint64>::max()}};
    const auto inClass = [&](size_t i, const SizeClass& c) { return pixelsOf(i) >= c.from && pixelsOf(i) < c.to; };
    const auto ratioMedianOf = [&](int ti, int num, int den, const std::function<bool(size_t)>& take, int* meets,
                                   double goal, bool atMost) {
        const std::vector<double> a = perPhoto(ti, num), b = perPhoto(ti, den);
        std::vector<double> r;
        int met = 0;
        for (size_t i = 0; i < photos.size(); ++i)
            if (a[i] > 0 && b[i] > 0 && take(i)) {
                r.push_back(a[i] / b[i]);
                met += atMost ? a[i] / b[i] <= goal : a[i] / b[i] >= goal;
            }
        if (meets)
            *meets = met;
        return median(r);
    };
    const auto ratioMedian = [&](int ti, int num, int den, int* meets = nullptr, double goal = 0, bool atMost = false,
                                 bool largeOnly = false) {
        return ratioMedianOf(ti, num, den, [&](size_t i) { return !largeOnly || isLarge(i); }, meets, goal, atMost);
    };
    const auto timeMedian = [&](int ti, int m) {
        std::vector<double> v;
        for (double x : perPhoto(ti, m))
            if (x > 0)
                v.push_back(x);
        return median(v);
    };

    std::printf("\nMilliseconds per photograph (median over the photographs of each one's best of %d):\n", reps);
    std::printf("%-10s %8s %8s %11s %8s %8s | %9s %10s\n", "fitted to", "loader", "limit", "full+scale", "fit_one",
                "vips", "no steps", "last scale");
    // A method that failed on every photograph (e.g. vipsthumbnail missing) shows "n/a".
    const auto cell = [](double ms, int width, int decimals) {
        return ms < 0 ? QString("n/a").rightJustified(width) : QString::number(ms, 'f', decimals).rightJustified(width);
    };
    for (int ti = 0; ti < 2; ++ti)
        std::printf("%-10s %s %s %s %s %s | %s %s\n", targets[ti].name, qPrintable(cell(timeMedian(ti, Loader), 8, 1)),
                    qPrintable(cell(timeMedian(ti, Limit), 8, 1)), qPrintable(cell(timeMedian(ti, FullScale), 11, 1)),
                    qPrintable(cell(timeMedian(ti, OwnProcess), 8, 1)), qPrintable(cell(timeMedian(ti, VipsProcess), 8, 1)),
                    qPrintable(cell(timeMedian(ti, LoaderNoSteps), 9, 1)), qPrintable(cell(timeMedian(ti, LastScale), 10, 2)));
    std::printf("(no steps: the loader without its thumbnail and information steps; last scale: a smooth\n"
                " scale from the DCT-scaled buffer to the shown size after the decode, for comparison)\n");
    std::printf("first showing at 1920x1080 (its thumbnail file is written in the background): %.1f ms\n",
                median(firstView));

    int met = 0;
    std::printf("\n%-58s %8s %10s %s\n", "figure (median over the photographs)", "value", "target", "");
    const auto row = [](const char* name, double value, const char* target, bool ok, const QString& note) {
        std::printf("%-58s %8.2f %10s %s %s\n", name, value, target, ok ? "met    " : "NOT met", qPrintable(note));
    };
    int large = 0;
    for (size_t i = 0; i < photos.size(); ++i)
        large += isLarge(i);
    double v = 0;
    for (const bool largeOnly : {false, true}) {
        const int n = largeOnly ? large : int(photos.size());
        if (n == 0)
            continue;
        const QString of = largeOnly ? QStringLiteral(" (of %1 photos of 8 MP and more)") : QStringLiteral(" (of %1 photos)");
        const QByteArray tag = largeOnly ? " >=8MP" : "";
        v = ratioMedian(0, FullScale, Loader, &met, 1.5, false, largeOnly);
        row(("1920x1080: full+scale / loader" + tag).constData(), v, ">= 1.5", v >= 1.5,
            QStringLiteral("%1").arg(met) + of.arg(n));
        v = ratioMedian(0, Loader, Limit, &met, 1.1, true, largeOnly);
        row(("1920x1080: loader / limit" + tag).constData(), v, "<= 1.1", v <= 1.1, QStringLiteral("%1").arg(met) + of.arg(n));
        v = ratioMedian(1, FullScale, Loader, &met, 2.0, false, largeOnly);
        row(("160x120:   full+scale / loader" + tag).constData(), v, ">= 2", v >= 2, QStringLiteral("%1").arg(met) + of.arg(n));
    }
    // The fitted load at 1920x1080 against the DCT-scaled decode limit, per
    // size class of the photographs.
    std::printf("\nFitted load at 1920x1080 per size class (milliseconds: medians over the class):\n");
    std::printf("%-9s %6s %8s %8s %10s %14s %8s\n", "class", "photos", "loader", "limit", "last scale", "loader / limit",
                "target");
    for (const SizeClass& c : sizeClasses) {
        const auto take = [&](size_t i) { return inClass(i, c); };
        int count = 0;
        for (size_t i = 0; i < photos.size(); ++i)
            count += take(i);
        if (count == 0) {
            std::printf("%-9s %6d %8s %8s %10s %14s %8s\n", c.name, 0, "-", "-", "-", "-", "<= 1.1");
            continue;
        }
        const auto classMedian = [&](int m) {
            std::vector<double> v;
            const std::vector<double> all = perPhoto(0, m);
            for (size_t i = 0; i < photos.size(); ++i)
                if (all[i] > 0 && take(i))
                    v.push_back(all[i]);
            return median(v);
        };
        const double ratio = ratioMedianOf(0, Loader, Limit, take, &met, 1.1, true);
        std::printf("%-9s %6d %s %s %s %14.2f %8s %s (%d of %d photos)\n", c.name, count,
                    qPrintable(cell(classMedian(Loader), 8, 1)), qPrintable(cell(classMedian(Limit), 8, 1)),
                    qPrintable(cell(classMedian(LastScale), 10, 2)), ratio, "<= 1.1", ratio <= 1.1 ? "met    " : "NOT met",
                    met, count);
    }

    const int n = int(photos.size());
    v = ratioMedian(1, Loader, Limit);
    std::printf("%-58s %8.2f %10s\n", "160x120:   loader / limit", v, "-");
    for (int ti = 0; ti < 2; ++ti) {
        v = ratioMedian(ti, VipsProcess, OwnProcess, &met, 1.0);
        const QByteArray name = QByteArray(targets[ti].name) + ": vips / fit_one (process against process)";
        std::printf("%-58s %8.2f %10s (fit_one faster on %d of %d photos)\n", name.constData(), v, "-", met, n);
    }
    // The show step and the window's thread are measured on the assembled
    // window by bench_show_and_browse.

    // ---- thumbnail files ------------------------------------------------------------
    // Every photograph, sizes of one wallpaper included.
    const QStringList thumbSources = photoPaths(folders).mid(0, maxThumbs);
    if (thumbSources.isEmpty() || maxThumbs == 0)
        return 0;
    const QString thumbDir = work.path() + "/thumbs";
    QDir().mkpath(thumbDir);
    QStringList thumbFiles;
    for (int i = 0; i < thumbSources.size(); ++i)
        thumbFiles << copyInto(thumbDir, i, thumbSources[i]);
    const int cores = QThread::idealThreadCount();
    const QString vipsOut = work.path() + "/vthumbs";
    QDir().mkpath(vipsOut);
    std::vector<double> ours, theirs, ourCpu, theirCpu;
    // The CPU time of this process (its threads) or of its finished children.
    const auto cpuMs = [](int who) {
        rusage u{};
        getrusage(who, &u);
        return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
    };
    int made = 0;
    for (int r = 0; r < std::min(reps, 3); ++r) {
        ThumbnailBatch batch;
        ThumbnailOptions o;
        o.onFixedDrives = true;
        o.minSizeKB = 0;
        o.sizeIndex = 2;   // 800 x 600, the default
        batch.thumbnailOptions = o;
        ThumbnailBatchOptions run;
        run.folder = thumbDir;
        run.includeSubfolders = false;
        run.forceReplace = true;
        run.driveAlreadyAllowed = true;
        QElapsedTimer t;
        double cpu = cpuMs(RUSAGE_SELF);
        t.start();
        made = runThumbnailBatchToEnd(batch, run).created;
        ours.push_back(msSince(t));
        ourCpu.push_back(cpuMs(RUSAGE_SELF) - cpu);

        if (vips.isEmpty())
            continue;
        cpu = cpuMs(RUSAGE_CHILDREN);
        t.start();
        std::vector<std::unique_ptr<QProcess>> procs;
        for (int c = 0; c < cores; ++c) {
            QStringList vargs{"--size", "800x600", "-o", vipsOut + "/%s.jpg[Q=75]"};
            for (int i = c; i < thumbFiles.size(); i += cores)
                vargs << thumbFiles[i];
            if (vargs.size() == 4)
                continue;
            procs.push_back(std::make_unique<QProcess>());
            procs.back()->start(vips, vargs);
        }
        for (auto& p : procs)
            p->waitForFinished(600000);
        theirs.push_back(msSince(t));
        theirCpu.push_back(cpuMs(RUSAGE_CHILDREN) - cpu);
    }
    const double ourMs = median(ours), vipsMs = median(theirs);
    std::printf("\nThumbnail files (800x600, quality 75) for %lld photographs, %d cores (%d made):\n",
                static_cast<long long>(thumbFiles.size()), cores, made);
    const double ourCpuMs = median(ourCpu), vipsCpuMs = median(theirCpu);
    std::printf("  thumbnail run on %d worker threads: %8.0f ms (%.1f ms a picture), CPU %6.0f ms, %.1f cores busy\n",
                cores, ourMs, ourMs / thumbFiles.size(), ourCpuMs, ourCpuMs / ourMs);
    if (vipsMs > 0)
        std::printf("  vipsthumbnail in %d processes:      %8.0f ms (%.1f ms a picture), CPU %6.0f ms, %.1f cores busy\n",
                    cores, vipsMs, vipsMs / thumbFiles.size(), vipsCpuMs, vipsCpuMs / vipsMs);
    // Wall time, the same photographs, the same run.
    if (vipsMs > 0)
        row("thumbnail files: vips / ours (wall time)", vipsMs / ourMs, ">= 1.5", vipsMs >= 1.5 * ourMs, QString());
    return 0;
}
