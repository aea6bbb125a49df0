// Work on worker threads, repeated in the assembled window: pages of 77
// cells shown from originals that write their thumbnail files, a thumbnail
// run over the same pictures, and a full-screen show stepped through
// pictures decoded ahead. Each is repeated VISTAMO_STRESS_ROUNDS times
// (2 unless set; the thread-sanitizer pass sets 20), so that workers of one
// round meet the window's thread and each other in many orders.
#include "app/main_window.h"
#include "base/add_settings_record.h"
#include "base/settings_record.h"
#include "browse/page_state.h"
#include "browse/thumbnail_files.h"
#include "browse/thumbnail_files_batch.h"
#include "browse/thumbnail_page_section.h"
#include "formats/picture_fixtures.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/thumbnail_batch_wait.h"
#include "support/test_state.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

namespace {

int rounds()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VISTAMO_STRESS_ROUNDS", &ok);
    return ok && n > 0 ? n : 2;
}

// A photograph-like JPEG (noise in 4-pixel blocks, so it compresses as a
// photograph does, not as a flat colour).
QByteArray photograph(int w, int h, quint32 seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < h; y += 4)
        for (int x = 0; x < w; x += 4) {
            const quint32 c = random.generate() | 0xff000000u;
            for (int dy = 0; dy < 4 && y + dy < h; ++dy)
                for (int dx = 0; dx < 4 && x + dx < w; ++dx)
                    image.setPixel(x + dx, y + dy, c);
        }
    return fixtures::encode(image, "JPG", 85);
}

// `count` photographs with EXIF (a date of their own each, the camera and
// the pixel size), all of one file date so the play order is the folder's.
QString makePhotoFolder(MainWindowFixture& f, const QString& name, int count)
{
    const QString folder = f.parentFolder() + QLatin1Char('/') + name;
    QDir().mkpath(folder);
    const QByteArray base[2] = {photograph(1600, 1200, 1), photograph(1200, 1600, 2)};
    const QDateTime fileDate(QDate(2024, 6, 1), QTime(12, 0));
    for (int i = 1; i <= count; ++i) {
        const std::string taken = QStringLiteral("2019:05:%1 10:%2:00")
                                      .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                      .arg(i % 60, 2, 10, QLatin1Char('0'))
                                      .toStdString();
        const QByteArray bytes = fixtures::withExif(base[i % 2], {{"Exif.Photo.DateTimeOriginal", taken},
                                                                  {"Exif.Image.Make", "Canon"},
                                                                  {"Exif.Image.Model", "Canon EOS 20D"},
                                                                  // as long as a camera's maker notes
                                                                  {"Exif.Image.ImageDescription", std::string(40000, 'd')}});
        const QString path = folder + QStringLiteral("/p%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        EXPECT_TRUE(file.setFileTime(fileDate, QFileDevice::FileModificationTime));
    }
    return folder;
}

int thumbnailCount(const QString& folder)
{
    return int(QDir(folder + QStringLiteral("/vxothumb")).entryList({QStringLiteral("*.jpg")}, QDir::Files).size());
}

// Thumbnails for every picture, whatever its size, on the test's drive; a
// new thumbnail gives its picture the EXIF date (a metadata read on the
// worker that makes it).
void allowThumbnails()
{
    TestState().settings.Settings.ResetFileDate = QStringLiteral("1");
    TAddSettingsRecord& add = TestState().settings.AddSettings;
    add.ThumbMinSizeKB = 0;
    add.ThumbsOnFixedDrives = 1;
    add.ThumbsOnRemovableDrives = 1;
}

// A show steps on only when the test says so.
void holdShowSteps(MainWindowFixture& f)
{
    TestState().session.ShowState.DefaultInterval = TestState().session.ShowState.CurrentInterval = 3600;
    for (QTimer* timer : {f.form()->slideShow()->intervalTimer(), f.showWindow() ? f.showWindow()->IntervalTimer.data() : nullptr})
        if (timer && timer->isActive())
            timer->start(3600 * 1000);
}

} // namespace

TEST(WorkerStress, PagesOfSeventySevenFromOriginalsWriteTheirThumbnails)
{
    MainWindowFixture f(MainWindowFixture::Options{QSize(1920, 1080), false, true});
    f.form()->showMaximized();
    f.settle();
    allowThumbnails();
    const QString folder = makePhotoFolder(f, QStringLiteral("Big"), 77);
    TSettingsRecord& Settings = TestState().settings.Settings;
    f.openFolder(folder);
    f.settle();
    ThumbnailPageController* page = f.form()->thumbnailPage()->PageView;
    for (int round = 0; round < rounds(); ++round) {
        // The page is shown from the originals, which write their thumbnails.
        QDir(folder + QStringLiteral("/vxothumb")).removeRecursively();
        Settings.PicturesPerPageIndex = QStringLiteral("24");
        Settings.IntervalIndex = 4;
        f.form()->actionNamed("TBGoSmall")->trigger();
        ASSERT_TRUE(f.waitFor([page] { return page->ThumbnailViewActive() && !page->State().PageLoading; }, 120000))
            << "round " << round;
        holdShowSteps(f);
        EXPECT_EQ(page->State().count(), 77);
        EXPECT_EQ(thumbnailCount(folder), 77) << "round " << round;
        // Each picture took the date of its own EXIF block.
        EXPECT_EQ(QFileInfo(folder + QStringLiteral("/p05.jpg")).lastModified().date(), QDate(2019, 5, 6));
        EXPECT_EQ(QFileInfo(folder + QStringLiteral("/p30.jpg")).lastModified().date(), QDate(2019, 5, 3));
        // Stop, as the tool bar's button does.
        f.form()->actionNamed("ToolButton2")->trigger();
        ASSERT_TRUE(f.waitFor([page] { return !page->ThumbnailViewActive() && TestState().session.PlaybackActive == 0; },
                              30000))
            << "round " << round << ": view " << page->ThumbnailViewActive() << ", playing "
            << TestState().session.PlaybackActive;
    }
}

TEST(WorkerStress, ThumbnailRunsOverSeventySevenPhotographs)
{
    MainWindowFixture f(MainWindowFixture::Options{QSize(), false, false});
    const QString folder = makePhotoFolder(f, QStringLiteral("Run"), 77);
    for (int round = 0; round < rounds(); ++round) {
        QDir(folder + QStringLiteral("/vxothumb")).removeRecursively();
        ThumbnailBatch batch;
        batch.thumbnailOptions = CurrentThumbnailOptions(TestState().settings, false);
        batch.thumbnailOptions.minSizeKB = 0;
        int previews = 0;
        batch.previewBox = QSize(160, 120);
        batch.showPreview = [&previews](const QString&, int result, const QImage& image) {
            if (result == 0 && !image.isNull())
                ++previews;
        };
        ThumbnailBatchOptions options;
        options.folder = folder;
        options.driveAlreadyAllowed = true;
        const ThumbnailBatchCounts counts = runThumbnailBatchToEnd(batch, options);
        EXPECT_EQ(counts.created, 77) << "round " << round;
        EXPECT_EQ(previews, 77) << "round " << round;
        EXPECT_EQ(thumbnailCount(folder), 77) << "round " << round;
    }
}

TEST(WorkerStress, AShowSteppedThroughPicturesDecodedAhead)
{
    MainWindowFixture f(MainWindowFixture::Options{QSize(1366, 768), false, true});
    allowThumbnails();
    const QString folder = makePhotoFolder(f, QStringLiteral("Steps"), 12);
    TSettingsRecord& Settings = TestState().settings.Settings;
    f.openFolder(folder);
    f.settle();
    for (int round = 0; round < rounds(); ++round) {
        Settings.IntervalIndex = 4;
        f.form()->actionNamed("ToolButton1")->trigger();
        ASSERT_TRUE(f.waitFor([&] { return f.showWindow() && f.showWindow()->isVisible()
                                           && TestState().session.PlaybackActive == 1; }, 30000));
        holdShowSteps(f);
        ShowWindow* show = f.showWindow();
        // Every step shows a picture not shown before in this round, until
        // all twelve were shown.
        QStringList seen;
        ASSERT_TRUE(f.waitFor([&] { return show->CurrentPicture().startsWith(folder); }, 30000));
        seen << show->CurrentPicture();
        for (int i = 2; i <= 12; ++i) {
            QTest::keyClick(show, Qt::Key_Right);
            ASSERT_TRUE(f.waitFor([&] { return !seen.contains(show->CurrentPicture()); }, 30000))
                << "round " << round << " step " << i;
            seen << show->CurrentPicture();
        }
        EXPECT_EQ(seen.size(), 12);
        QTest::keyClick(show, Qt::Key_Escape);
        ASSERT_TRUE(f.waitFor([] { return TestState().session.PlaybackActive == 0; }, 30000));
    }
}
