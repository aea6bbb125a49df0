// Fitting a 24-megapixel JPEG into a 1920 x 1080 screen and into a 160 x 120
// thumbnail cell, three ways:
//   loader     - the program's LoadPictureIntoSlot (libjpeg DCT scaling to the
//                smallest n/8 that covers the fitted size), then the smooth
//                scale to the exact fitted size that the picture view paints;
//   full+scale - a full decode (QImage) followed by a smooth scale;
//   vips       - vipsthumbnail (libvips-tools), run as a process.
// The picture is made by the benchmark itself. At the end the three times
// and their ratios are printed; the loader should be at least 1.5 times
// faster than the full decode plus scale.
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

QTemporaryDir* g_dir = nullptr;
QString g_jpeg;
QString g_vips;
const QSize kPicture(6000, 4000);

// A photo-like picture: gradients, shapes and noise, so the JPEG has the
// detail (and the size) of a real photo.
QString makePicture(const QString& folder)
{
    QImage image(kPicture, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, kPicture.width(), kPicture.height());
    g.setColorAt(0, QColor(30, 80, 160));
    g.setColorAt(0.5, QColor(220, 200, 120));
    g.setColorAt(1, QColor(40, 120, 40));
    p.fillRect(image.rect(), g);
    QRandomGenerator rng(24);
    for (int i = 0; i < 400; ++i) {
        p.setBrush(QColor::fromRgb(rng.generate() | 0xFF000000u));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(rng.bounded(kPicture.width()), rng.bounded(kPicture.height())), rng.bounded(20, 400),
                      rng.bounded(20, 400));
    }
    p.end();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(rng.bounded(24)) - 12;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255), qBound(0, qBlue(c) + n, 255));
        }
    }
    const QString path = folder + "/photo24mp.jpg";
    image.save(path, "JPG", 90);
    return path;
}

QSize fitted(QSize area) { return FittedPictureSize(kPicture, area, 0); }

void BM_Loader(benchmark::State& state)
{
    const QSize area(int(state.range(0)), int(state.range(1)));
    PictureSlotModel* slot = PictureSlot(SlotForm1Im1);
    slot->DisplayArea = area;
    slot->EnlargeLimit = 0;
    for (auto _ : state) {
        LoadPictureIntoSlot(g_jpeg, SlotForm1Im1);
        QImage shown = slot->Buffer().scaled(fitted(area), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(shown.constBits());
    }
    state.counters["scale_n_of_8"] = slot->JpegScaleNum();
}

void BM_FullDecodeScale(benchmark::State& state)
{
    const QSize area(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        QImage full(g_jpeg);
        QImage shown = full.scaled(fitted(area), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(shown.constBits());
    }
}

void BM_Vipsthumbnail(benchmark::State& state)
{
    if (g_vips.isEmpty()) {
        state.SkipWithError("vipsthumbnail is not installed");
        return;
    }
    const QSize area(int(state.range(0)), int(state.range(1)));
    const QString out = g_dir->path() + "/thumb.v";
    for (auto _ : state) {
        QProcess vips;
        vips.start(g_vips, {g_jpeg, "--size", QString("%1x%2").arg(area.width()).arg(area.height()), "-o", out});
        if (!vips.waitForFinished(60000) || vips.exitCode() != 0) {
            state.SkipWithError("vipsthumbnail failed");
            return;
        }
    }
}

// Collects the mean real time of each run for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred && r.iterations > 0)
                ms[r.benchmark_name()] = r.GetAdjustedRealTime() * (r.time_unit == benchmark::kMillisecond ? 1.0 : 1e-6);
    }
};

void printSummary(const SummaryReporter& reporter)
{
    std::printf("\nFitting a %dx%d JPEG (mean wall time per picture):\n", kPicture.width(), kPicture.height());
    std::printf("%-12s %12s %14s %12s %16s %14s\n", "target", "loader ms", "full+scale ms", "vips ms",
                "full+scale/loader", "vips/loader");
    for (const char* target : {"1920/1080", "160/120"}) {
        const auto get = [&](const char* name) {
            const auto it = reporter.ms.find(std::string(name) + "/" + target + "/iterations:5/real_time");
            return it == reporter.ms.end() ? -1.0 : it->second;
        };
        const double loader = get("BM_Loader"), full = get("BM_FullDecodeScale"), vips = get("BM_Vipsthumbnail");
        std::printf("%-12s %12.1f %14.1f %12.1f %16.2f %14.2f\n", target, loader, full, vips,
                    loader > 0 ? full / loader : 0.0, loader > 0 && vips > 0 ? vips / loader : 0.0);
        std::printf("  goal: loader at least 1.5x faster than full decode + scale: %s\n",
                    loader > 0 && full / loader >= 1.5 ? "met" : "NOT met");
    }
}

} // namespace

BENCHMARK(BM_Loader)->Args({1920, 1080})->Args({160, 120})->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullDecodeScale)->Args({1920, 1080})->Args({160, 120})->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Vipsthumbnail)->Args({1920, 1080})->Args({160, 120})->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    std::printf("Making the %dx%d test picture...\n", kPicture.width(), kPicture.height());
    g_jpeg = makePicture(dir.path());
    g_vips = QStandardPaths::findExecutable("vipsthumbnail");
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    benchmark::Shutdown();
    return 0;
}
