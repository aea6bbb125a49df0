// Thumbnail files: the path rule, eligibility, the make-or-renew decision
// with its result codes and dates, the hidden thumbnail folder, and the
// thumbnails kept in step with their pictures.
#include "browse/thumbnail_files.h"
#include "support/test_state.h"
#include "support/event_waits.h"

#include "browse/picture_info.h"
#include "platform/dos_date.h"
#include "platform/drives.h"
#include "platform/file_attributes.h"
#include "base/caption_helpers.h"
#include "platform/record_file.h"
#include "support/main_window_fixture.h"
#include "support/sandbox.h"
#include "support/write_failure.h"
#include "tests/formats/picture_fixtures.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace {

QDateTime at(int y, int mo, int d, int h, int mi, int s) { return QDateTime(QDate(y, mo, d), QTime(h, mi, s)); }

// A JPEG of at least `minBytes` (padding after the end of the picture, which
// every reader ignores), with an EXIF date taken when one is given.
QByteArray pictureBytes(int w, int h, qint64 minBytes, const char* exifDate = nullptr)
{
    QByteArray bytes = fixtures::jpeg(w, h);
    if (exifDate)
        bytes = fixtures::withExif(bytes, {{"Exif.Photo.DateTimeOriginal", exifDate}, {"Exif.Image.Make", "Canon"}});
    if (bytes.size() < minBytes)
        bytes.append(QByteArray(minBytes - bytes.size(), '\0'));
    return bytes;
}

// The sandbox folders lie on one fixed drive, or on the drive kind asked.
class ThumbFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = testsupport::freshDir(QStringLiteral("thumbs"));
        setDrive("ext4", false);
        options.onFixedDrives = true;
        options.minSizeKB = 300;
        options.sizeIndex = 0;   // Tiny, 320 x 240
        options.resetFileDate = true;
    }
    void TearDown() override
    {
        platform::clearFakeMountTable();
    }
    void setDrive(const char* fsType, bool removable)
    {
        platform::setFakeMountTable({{QStringLiteral("/"), QStringLiteral("ext4"), QStringLiteral("/dev/sda1"), false},
                                     {dir, QString::fromLatin1(fsType), QStringLiteral("/dev/sdb1"), removable}});
    }
    QString write(const QString& name, const QByteArray& bytes, QDateTime fileDate = at(2021, 6, 1, 12, 0, 0))
    {
        const QString path = dir + QLatin1Char('/') + name;
        testsupport::writeFile(path, bytes);
        platform::SetFileDosDate(path, platform::DateTimeToDos(fileDate));
        return path;
    }
    int run(const QString& picture, bool force = false, ThumbnailMaker maker = {})
    {
        ThumbnailRequest request;
        request.picture = picture;
        request.thumbnail = ThumbnailPath(picture);
        request.forceRenew = force;
        request.showStatus = [this](const QString& s) { status << s; };
        return CreateOrRefreshThumbnail(request, options, maker);
    }

    QString dir;
    ThumbnailOptions options;
    QStringList status;
};

} // namespace

TEST(ThumbnailRules, PathSizeAndFolders)
{
    EXPECT_EQ(ThumbnailPath("/p/Holiday/photo.jpg"), "/p/Holiday/vxothumb/photo.jpg");
    EXPECT_EQ(ThumbnailPath("photo.jpg"), "vxothumb/photo.jpg");
    EXPECT_EQ(ThumbnailFolderOf("/p/Holiday/photo.jpg"), "/p/Holiday/vxothumb");

    EXPECT_EQ(SizeInKB(1535), 1);
    EXPECT_EQ(SizeInKB(1536), 2);
    EXPECT_EQ(SizeInKB(2560), 2);
    EXPECT_EQ(SizeInKB(Q_INT64_C(1) << 50), std::numeric_limits<int32_t>::max());

    TFileDateSize f;
    GetFileDateAndSizeKB("/no/such/file.jpg", f);
    EXPECT_EQ(f.Date, -1);
    EXPECT_EQ(f.SizeKB, -1);
    GetFileDateAndSizeKB(testsupport::freshDir(), f);
    EXPECT_EQ(f.Date, -1);
    EXPECT_EQ(f.SizeKB, -1);

    EXPECT_TRUE(OutsideThumbnailFolders("/p/Holiday/a.jpg", QString()));
    EXPECT_FALSE(OutsideThumbnailFolders("/p/Holiday/VxoThumb/a.jpg", QString()));
    EXPECT_FALSE(OutsideThumbnailFolders("/p/Holiday/SmallPics/a.jpg", QString()));
    EXPECT_FALSE(OutsideThumbnailFolders("/home/u/cache/sub/a.jpg", "/home/u/cache"));
    EXPECT_TRUE(OutsideThumbnailFolders("/home/u/cache2/a.jpg", "/home/u/cache"));
}

TEST_F(ThumbFiles, EligibilityByExtensionSizeAndDrive)
{
    const QString jpg = dir + "/photo.JPG";
    EXPECT_FALSE(ThumbnailAllowed(dir + "/photo.jpeg", 500, false, -1, options));
    EXPECT_FALSE(ThumbnailAllowed(dir + "/photo.png", 500, false, -1, options));
    EXPECT_FALSE(ThumbnailAllowed(jpg, 299, false, -1, options));
    EXPECT_FALSE(QFileInfo::exists(dir + "/vxothumb"));   // nothing made for an ineligible picture

    EXPECT_TRUE(ThumbnailAllowed(jpg, 300, false, -1, options));
    EXPECT_TRUE(QFileInfo(dir + "/vxothumb").isDir());
    EXPECT_TRUE(platform::IsHidden(dir + "/vxothumb"));

    options.onFixedDrives = false;
    EXPECT_FALSE(ThumbnailAllowed(jpg, 300, false, 0, options));
    EXPECT_TRUE(ThumbnailAllowed(jpg, 300, true, 0, options));   // the manual window's override
    setDrive("vfat", true);
    EXPECT_FALSE(ThumbnailAllowed(jpg, 300, false, 0, options));
    options.onRemovableDrives = true;
    EXPECT_TRUE(ThumbnailAllowed(jpg, 300, false, 0, options));
    setDrive("nfs", false);
    EXPECT_FALSE(ThumbnailAllowed(jpg, 300, false, 0, options));
    options.onNetworkDrives = true;
    EXPECT_TRUE(ThumbnailAllowed(jpg, 300, false, 0, options));
    setDrive("iso9660", false);
    EXPECT_FALSE(ThumbnailAllowed(jpg, 300, false, 0, options));

    // Pictures inside thumbnail folders never get one.
    setDrive("ext4", false);
    EXPECT_FALSE(ThumbnailAllowed(dir + "/vxothumb/a.jpg", 500, false, -1, options));
    EXPECT_FALSE(ThumbnailAllowed(dir + "/SMALLPICS/a.jpg", 500, false, -1, options));

    // A file where the folder should be makes the picture ineligible.
    const QString other = testsupport::freshDir();
    testsupport::writeFile(other + "/vxothumb", "x");
    setDrive("ext4", false);
    options.onFixedDrives = true;
    EXPECT_FALSE(ThumbnailAllowed(other + "/a.jpg", 500, true, -1, options));
}

TEST_F(ThumbFiles, MakesADatedThumbnailInTheHiddenFolder)
{
    const QByteArray bytes = pictureBytes(1000, 800, 310 * 1024, "2018:08:09 10:11:12");
    const QString picture = write("beach.jpg", bytes);
    const QString thumb = ThumbnailPath(picture);

    options.demoMode = true;
    EXPECT_EQ(run(picture), ThumbNothingDone);
    EXPECT_FALSE(QFileInfo::exists(thumb));
    options.demoMode = false;

    EXPECT_EQ(run(picture), ThumbMade);
    EXPECT_EQ(status, QStringList({"T", ""}));
    ASSERT_TRUE(QFileInfo(thumb).isFile());
    EXPECT_TRUE(platform::IsHidden(dir + "/vxothumb"));
    EXPECT_EQ(QImageReader(thumb).size(), QSize(300, 240));   // 1000 x 800 into 320 x 240
    // The picture's bytes are untouched; with ResetFileDate picture and
    // thumbnail both carry the date taken.
    EXPECT_EQ(testsupport::readFile(picture), bytes);
    const uint32_t taken = platform::DateTimeToDos(at(2018, 8, 9, 10, 11, 12));
    EXPECT_EQ(platform::FileDosDate(picture), taken);
    EXPECT_EQ(platform::FileDosDate(thumb), taken);
    // The thumbnail folder holds no temporary file.
    EXPECT_EQ(QDir(dir + "/vxothumb").entryList(QDir::Files | QDir::Hidden).size(), 1);

    EXPECT_EQ(run(picture), ThumbUpToDate);
}

TEST_F(ThumbFiles, SizeIsFittedFromThePicturesOwnSize)
{
    // 1600 x 1203 into 800 x 600: 1600 * 600 / 1203 = 798.0, although the
    // picture is decoded at half scale (800 x 602) first.
    options.sizeIndex = 2;
    const QString picture = write("wide.jpg", pictureBytes(1600, 1203, 310 * 1024));
    EXPECT_EQ(run(picture), ThumbMade);
    EXPECT_EQ(QImageReader(ThumbnailPath(picture)).size(), QSize(798, 600));
}

TEST_F(ThumbFiles, RenewsByDateOnlyWithResetFileDateOrByForce)
{
    const QString picture = write("p.jpg", pictureBytes(800, 600, 310 * 1024));
    ASSERT_EQ(run(picture), ThumbMade);
    const QString thumb = ThumbnailPath(picture);
    EXPECT_EQ(platform::FileDosDate(thumb), platform::FileDosDate(picture));   // no EXIF: its file date

    // The picture was edited: a newer date renews the thumbnail.
    platform::SetFileDosDate(picture, platform::DateTimeToDos(at(2022, 1, 1, 9, 0, 0)));
    EXPECT_EQ(run(picture), ThumbMade);
    EXPECT_EQ(platform::FileDosDate(thumb), platform::DateTimeToDos(at(2022, 1, 1, 9, 0, 0)));

    // Within 10 of the packed value (20 seconds) counts as the same date.
    platform::SetFileDosDate(picture, platform::DateTimeToDos(at(2022, 1, 1, 9, 0, 20)));
    EXPECT_EQ(run(picture), ThumbUpToDate);

    options.resetFileDate = false;
    platform::SetFileDosDate(picture, platform::DateTimeToDos(at(2023, 1, 1, 9, 0, 0)));
    EXPECT_EQ(run(picture), ThumbUpToDate);
    EXPECT_EQ(run(picture, true), ThumbMade);
}

TEST_F(ThumbFiles, IneligiblePictureLosesItsThumbnail)
{
    const QString picture = write("small.jpg", pictureBytes(640, 480, 299 * 1024));
    EXPECT_EQ(run(picture), ThumbNotAllowed);
    EXPECT_FALSE(QFileInfo::exists(dir + "/vxothumb"));
    testsupport::writeFile(ThumbnailPath(picture), fixtures::jpeg(32, 24));
    EXPECT_EQ(run(picture), ThumbNotAllowedDeleted);
    EXPECT_FALSE(QFileInfo::exists(ThumbnailPath(picture)));
    EXPECT_TRUE(QFileInfo::exists(picture));

    EXPECT_EQ(run(write("photo.jpeg", pictureBytes(640, 480, 400 * 1024))), ThumbNotAllowed);
    // A picture gone: its thumbnail goes too.
    testsupport::writeFile(ThumbnailPath(dir + "/gone.jpg"), fixtures::jpeg(32, 24));
    EXPECT_EQ(run(dir + "/gone.jpg"), ThumbNotAllowedDeleted);
}

TEST_F(ThumbFiles, FailureKeepsTheOldThumbnailWhole)
{
    const QString picture = write("f.jpg", pictureBytes(800, 600, 310 * 1024));
    const QString thumb = ThumbnailPath(picture);
    const QByteArray old = fixtures::jpeg(40, 30);
    testsupport::writeFile(thumb, old);
    platform::SetFileDosDate(thumb, platform::DateTimeToDos(at(2001, 1, 1, 0, 0, 0)));

    {
        testsupport::ScopedFileSizeLimit limit(256);  // smaller than any thumbnail
        EXPECT_EQ(run(picture, true), ThumbFailed);
    }
    EXPECT_EQ(testsupport::readFile(thumb), old);
    EXPECT_EQ(QDir(dir + "/vxothumb").entryList(QDir::Files | QDir::Hidden).size(), 1);

    // A picture that cannot be decoded: failed, nothing written.
    const QString broken = write("broken.jpg", QByteArray("\xFF\xD8\xFF\xDB", 4) + QByteArray(400 * 1024, '\x11'));
    EXPECT_EQ(run(broken), ThumbFailed);
    EXPECT_FALSE(QFileInfo::exists(ThumbnailPath(broken)));

    // A maker that throws is a failure, not a crash.
    EXPECT_EQ(run(picture, true, [](const QString&, const QString&, const QImage&, int32_t) -> bool {
                  throw std::runtime_error("disk gone");
              }),
              ThumbFailed);
}

TEST_F(ThumbFiles, ThePictureItselfIsNeverTheTarget)
{
    const QByteArray bytes = pictureBytes(800, 600, 310 * 1024);
    const QString picture = write("self.jpg", bytes);
    ThumbnailRequest request;
    request.picture = picture;
    request.thumbnail = dir + "/./self.jpg";
    EXPECT_EQ(CreateOrRefreshThumbnail(request, options), ThumbNotAllowed);
    EXPECT_EQ(testsupport::readFile(picture), bytes);
}

TEST(ThumbnailFolders, OnlyThumbsDbCountsAsEmpty)
{
    const QString d = testsupport::freshDir();
    EXPECT_TRUE(FolderHoldsOnlyThumbsDb(d));
    testsupport::writeFile(d + "/THUMBS.DB", "x");
    EXPECT_TRUE(FolderHoldsOnlyThumbsDb(d));
    testsupport::writeFile(d + "/a.jpg", "x");
    EXPECT_FALSE(FolderHoldsOnlyThumbsDb(d));
    const QString e = testsupport::freshDir();
    QDir().mkdir(e + "/sub");
    EXPECT_FALSE(FolderHoldsOnlyThumbsDb(e));
    EXPECT_FALSE(FolderHoldsOnlyThumbsDb(e + "/missing"));
}

// ---- the manual run ------------------------------------------------------------------

#include "browse/thumbnail_files_batch.h"
#include "support/thumbnail_batch_wait.h"

namespace {

struct LogLine {
    QString text;
    int32_t colour;
};

class ThumbBatch : public ThumbFiles {
protected:
    void prepare(ThumbnailBatch& batch)
    {
        batch.addLogLine = [this](const QString& text, int32_t colour, bool, bool) { lines.push_back({text, colour}); };
        batch.thumbnailOptions = options;
    }
    ThumbnailBatchCounts runFresh(const ThumbnailBatchOptions& o)
    {
        ThumbnailBatch batch;
        prepare(batch);
        return runThumbnailBatchToEnd(batch, o);
    }
    QStringList texts() const
    {
        QStringList out;
        for (const LogLine& l : lines)
            out << l.text;
        return out;
    }
    int32_t colourOf(const QString& text) const
    {
        for (const LogLine& l : lines)
            if (l.text == text)
                return l.colour;
        return -1;
    }
    std::vector<LogLine> lines;
};

} // namespace

TEST_F(ThumbBatch, WalksConvertsMakesAndCleansUp)
{
    write("a.jpg", pictureBytes(800, 600, 310 * 1024));
    write("small.jpg", pictureBytes(64, 48, 0));
    write("bad.jpg", QByteArray(400 * 1024, 'x'));
    write("notes.txt", "x");
    write("SmallPics/old.jpg", fixtures::jpeg(40, 30));      // its original is gone
    write("sub/b.jpg", pictureBytes(800, 600, 310 * 1024));
    write("sub/.secret.jpg", pictureBytes(800, 600, 310 * 1024));
    testsupport::writeFile(dir + "/empty/vxothumb/Thumbs.db", "db");

    ThumbnailBatch batch;
    prepare(batch);
    ThumbnailBatchOptions o;
    o.folder = dir;
    o.resetFileDate = true;
    const ThumbnailBatchCounts c = runThumbnailBatchToEnd(batch, o);

    EXPECT_EQ(c.created, 2);
    EXPECT_EQ(c.notAllowed, 1);      // small.jpg
    EXPECT_EQ(c.cannotOpen, 1);      // bad.jpg
    EXPECT_EQ(c.thumbsRemoved, 1);   // old.jpg
    EXPECT_EQ(c.foldersRemoved, 1);  // empty/vxothumb
    EXPECT_TRUE(QFileInfo::exists(dir + "/vxothumb/a.jpg"));
    EXPECT_TRUE(QFileInfo::exists(dir + "/sub/vxothumb/b.jpg"));
    EXPECT_FALSE(QFileInfo::exists(dir + "/sub/vxothumb/.secret.jpg"));
    EXPECT_FALSE(QFileInfo::exists(dir + "/SmallPics"));
    EXPECT_TRUE(platform::IsHidden(dir + "/vxothumb"));
    EXPECT_TRUE(platform::IsHidden(dir + "/sub/vxothumb"));
    EXPECT_FALSE(QFileInfo::exists(dir + "/empty/vxothumb"));

    const QStringList t = texts();
    EXPECT_EQ(t.first(), QStringLiteral("Processing: ") + ShortenPathToLength(dir, 60));
    EXPECT_EQ(colourOf(dir + " - SmallPics folder converted"), ThumbLogGreen);
    EXPECT_EQ(colourOf("a.jpg - thumbnail successfully (re)created"), ThumbLogBlue);
    EXPECT_EQ(colourOf("small.jpg - creation of thumbnail was not allowed"), ThumbLogFuchsia);
    EXPECT_EQ(colourOf("bad.jpg - could not be opened"), ThumbLogRed);
    EXPECT_EQ(colourOf("Deleting old.jpg"), ThumbLogBlue);
    EXPECT_TRUE(t.contains("Start Cleanup"));
    EXPECT_TRUE(t.contains(QStringLiteral("Empty folder ") + ShortenPathToLength(dir + "/empty/vxothumb", 60)
                           + " has been removed"));

    lines.clear();
    batch.writeSummary(c, false);
    EXPECT_EQ(texts(), QStringList({"Final results of thumbail processing",
                                    "Number of orginals that could not be opened: 1",
                                    "Number of orginals where creation of thumbnail was not allowed: 1",
                                    "Number of thumbnails successfully created: 2",
                                    "Final results of cleanup process",
                                    "Number of thumbnails without original removed: 1",
                                    "Number of empty thumbnail folders removed: 1",
                                    "Creation/Cleanup of thumbnails finished",
                                    "Thumbpics are not allowed for the following reasons:",
                                    "1 - Folder of the original picture is part of the Internet Explorer cache",
                                    "2 - The size of the original picture is smaller than the value defined in the "
                                    "Thumbails tab in Options"}));
}

TEST_F(ThumbBatch, SecondRunFindsThemAndDatesOutOfStep)
{
    const QString a = write("a.jpg", pictureBytes(800, 600, 310 * 1024));
    ThumbnailBatchOptions o;
    o.folder = dir;
    o.resetFileDate = true;
    runFresh(o);

    lines.clear();
    ThumbnailBatch batch;
    prepare(batch);
    EXPECT_EQ(runThumbnailBatchToEnd(batch, o).alreadyExists, 1);
    EXPECT_EQ(colourOf("a.jpg - thumbnail already exists"), ThumbLogGreen);

    platform::SetFileDosDate(a, platform::DateTimeToDos(at(2024, 2, 2, 2, 2, 2)));
    lines.clear();
    const ThumbnailBatchCounts c = runThumbnailBatchToEnd(batch, o);
    EXPECT_EQ(c.notInSync, 1);
    EXPECT_EQ(c.created, 1);
    EXPECT_EQ(colourOf("a.jpg - thumbnail not in sync with original, will be updated/deleted"), ThumbLogPurple);

    // Without ResetFileDate a date difference is no reason; force is.
    platform::SetFileDosDate(a, platform::DateTimeToDos(at(2025, 2, 2, 2, 2, 2)));
    o.resetFileDate = false;
    options.resetFileDate = false;
    EXPECT_EQ(runThumbnailBatchToEnd(batch, o).alreadyExists, 1);
    o.forceReplace = true;
    EXPECT_EQ(runThumbnailBatchToEnd(batch, o).created, 1);
}

TEST_F(ThumbBatch, CleanupOnlyAndSubfoldersAndCancel)
{
    write("sub/vxothumb/gone.jpg", fixtures::jpeg(40, 30));
    write("sub/x.jpg", pictureBytes(800, 600, 310 * 1024));
    ThumbnailBatchOptions o;
    o.folder = dir;
    o.onlyCleanup = true;
    o.includeSubfolders = false;
    EXPECT_EQ(runFresh(o).thumbsRemoved, 0);   // no subfolders: no cleanup at all
    EXPECT_TRUE(QFileInfo::exists(dir + "/sub/vxothumb/gone.jpg"));

    o.includeSubfolders = true;
    const ThumbnailBatchCounts c = runFresh(o);
    EXPECT_EQ(c.thumbsRemoved, 1);
    EXPECT_EQ(c.created, 0);
    EXPECT_FALSE(QFileInfo::exists(dir + "/sub/vxothumb/x.jpg"));
    EXPECT_FALSE(QFileInfo::exists(dir + "/sub/vxothumb"));

    ThumbnailBatch batch;
    prepare(batch);
    int polls = 0;
    batch.cancelRequested = [&polls] { return ++polls > 1; };
    o.onlyCleanup = false;
    const ThumbnailBatchCounts cancelled = runThumbnailBatchToEnd(batch, o);
    EXPECT_TRUE(batch.cancelled());
    EXPECT_EQ(cancelled.created, 0);
    lines.clear();
    batch.writeSummary(cancelled, true);
    EXPECT_EQ(colourOf("Creation/Cleanup of thumbnails cancelled"), ThumbLogRed);
}

TEST_F(ThumbBatch, LinkedFoldersAreNotWalked)
{
    write("a/p.jpg", pictureBytes(800, 600, 310 * 1024));
    QFile::link(dir, dir + "/a/loop");
    ThumbnailBatchOptions o;
    o.folder = dir;
    EXPECT_EQ(runFresh(o).created, 1);
}

TEST_F(ThumbBatch, ResultsComeInTheWalksOrderWhateverTheWorkersFinishFirst)
{
    // A large picture first, so the workers finish out of order.
    write("a.jpg", pictureBytes(3200, 2400, 310 * 1024));
    write("b.jpg", QByteArray(400 * 1024, 'x'));
    write("c.jpg", pictureBytes(64, 48, 0));
    write("d.jpg", pictureBytes(800, 600, 310 * 1024));
    write("vxothumb/d.jpg", fixtures::jpeg(80, 60));
    write("e.jpg", pictureBytes(1000, 500, 310 * 1024, "2011:02:03 04:05:06"));
    QStringList expected{"a.jpg - thumbnail successfully (re)created", "b.jpg - could not be opened",
                         "c.jpg - creation of thumbnail was not allowed", "d.jpg - thumbnail already exists",
                         "e.jpg - thumbnail successfully (re)created"};
    for (const char* name : {"f", "g", "h", "i", "j", "k", "l", "m"}) {
        write(QString::fromLatin1(name) + ".jpg", pictureBytes(400 + 100 * (name[0] - 'f'), 300, 310 * 1024));
        expected << QString::fromLatin1(name) + ".jpg - thumbnail successfully (re)created";
    }
    ThumbnailBatchOptions o;
    o.folder = dir;
    const ThumbnailBatchCounts c = runFresh(o);

    EXPECT_EQ(texts().mid(1, expected.size()), expected);
    EXPECT_EQ(c.created, 10);
    EXPECT_EQ(c.cannotOpen, 1);
    EXPECT_EQ(c.notAllowed, 1);
    EXPECT_EQ(c.alreadyExists, 1);
    EXPECT_EQ(QImageReader(dir + "/vxothumb/a.jpg").size(), QSize(320, 240));
    EXPECT_EQ(QImageReader(dir + "/vxothumb/d.jpg").size(), QSize(80, 60));   // left as it was
    // The thumbnail carries the picture's EXIF block; with ResetFileDate both
    // are dated by it.
    const int32_t taken = int32_t(platform::DateTimeToDos(at(2011, 2, 3, 4, 5, 6)));
    EXPECT_EQ(ExifDateAsFileDate(dir + "/vxothumb/e.jpg", 0), taken);
    EXPECT_EQ(int32_t(platform::FileDosDate(dir + "/e.jpg")), taken);
    EXPECT_EQ(int32_t(platform::FileDosDate(dir + "/vxothumb/e.jpg")), taken);
}

TEST_F(ThumbBatch, CancelStartsNoMorePicturesAndReportsEveryThumbnailWritten)
{
    const int pictures = 64;
    for (int i = 0; i < pictures; ++i)
        write(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')), pictureBytes(640, 480, 310 * 1024));
    ThumbnailBatch batch;
    prepare(batch);
    batch.cancelRequested = [this] { return lines.size() >= 2; };   // after the first picture
    ThumbnailBatchOptions o;
    o.folder = dir;
    const ThumbnailBatchCounts c = runThumbnailBatchToEnd(batch, o);
    EXPECT_TRUE(batch.cancelled());
    // The pictures under way were finished, the others not started; the log
    // names every thumbnail there is, in the walk's order.
    const QStringList written = QDir(dir + "/vxothumb").entryList(QDir::Files, QDir::Name);
    EXPECT_GE(c.created, 1);
    EXPECT_LT(c.created, pictures);
    EXPECT_EQ(written.size(), c.created);
    QStringList expected;
    for (const QString& name : written)
        expected << name + " - thumbnail successfully (re)created";
    EXPECT_EQ(texts().mid(1), expected);
}

// ---- the windows and the main window's part ------------------------------------------

#include "base/add_settings_record.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/picture_info_controller.h"
#include "browse/folder_tree_state.h"
#include "browse/picture_loader.h"
#include "browse/thumbnail_files_window.h"
#include "platform/prompt.h"
#include "support/test_slots.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

TEST_F(ThumbBatch, CreationWindowRunsAndReportsDone)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    TAddSettingsRecord& AddSettings = TestState().settings.AddSettings;
    write("a.jpg", pictureBytes(800, 600, 310 * 1024));
    const TAddSettingsRecord savedAdd = AddSettings;
    const QString savedReset = Settings.ResetFileDate;
    AddSettings.ThumbsOnFixedDrives = 0;
    AddSettings.ThumbMinSizeKB = 300;
    AddSettings.ThumbSizeIndex = 0;
    Settings.ResetFileDate = QStringLiteral("0");

    ThumbnailOptionsDialog window(TestState().settings, TestState().paths, TestState().environment, dir, false);
    EXPECT_EQ(window.windowTitle(), "Vistamo! - Create/Replace thumbnails manually");
    EXPECT_EQ(window.FolderLabel->text(), "Folder: " + QFileInfo(dir).fileName());
    EXPECT_EQ(window.LblInfo->text(), "Info: The option 'Create thumbnails on Fixed drives' will be automatically checked");
    EXPECT_FALSE(window.DriveAlreadyAllowed);

    window.CBOnlyCleanup->setChecked(true);
    EXPECT_FALSE(window.CBConvertSmallPics->isEnabled());
    EXPECT_FALSE(window.CBReplaceExisting->isEnabled());
    window.CBOnlyCleanup->setChecked(false);
    EXPECT_TRUE(window.CBReplaceExisting->isEnabled());

    {
        platform::ScopedPromptResponder answers(QList<platform::PromptReply>{{platform::PromptAnswer::Yes}});
        window.BtnOKClick();
        ASSERT_EQ(platform::promptLog().size(), 1);
        EXPECT_TRUE(window.Busy);
        ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.Busy; }, 60000));
        EXPECT_TRUE(platform::promptLog().front().request.text.startsWith("For thumbnails to be automatically replaced when the\n"));
    }
    EXPECT_EQ(Settings.ResetFileDate, "1");
    EXPECT_EQ(AddSettings.ThumbsOnFixedDrives, 1);
    EXPECT_TRUE(QFileInfo::exists(dir + "/vxothumb/a.jpg"));
    EXPECT_EQ(window.LastCounts.created, 1);
    EXPECT_EQ(window.BtnOK->text(), "&Done");
    EXPECT_TRUE(window.BtnOK->isEnabled());
    EXPECT_TRUE(window.BtnCancel->isHidden());
    const QString log = window.REResult->toPlainText();
    EXPECT_TRUE(log.contains("a.jpg - thumbnail successfully (re)created"));
    EXPECT_TRUE(log.contains("Creation/Cleanup of thumbnails finished"));

    AddSettings = savedAdd;
    Settings.ResetFileDate = savedReset;
}

TEST_F(ThumbBatch, CancelledRunSaysSo)
{
    write("a.jpg", pictureBytes(800, 600, 310 * 1024));
    ThumbnailOptionsDialog window(TestState().settings, TestState().paths, TestState().environment, dir, false);
    window.DriveAlreadyAllowed = true;
    window.CancelRequested = true;   // as if Cancel was pressed at once
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    window.ProcessThumbnails();
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.Busy; }, 60000));
    ASSERT_FALSE(platform::promptLog().isEmpty());
    EXPECT_EQ(platform::promptLog().back().request.text, "Creation/Cleanup of thumbnails cancelled");
    EXPECT_EQ(window.BtnOK->text(), "&OK");
    EXPECT_TRUE(window.REResult->toPlainText().contains("Creation/Cleanup of thumbnails cancelled"));
    EXPECT_FALSE(QFileInfo::exists(dir + "/vxothumb/a.jpg"));
}

TEST_F(ThumbBatch, CancelClickedDuringARunStopsItAndTheLogSaysSo)
{
    const int pictures = 64;
    for (int i = 0; i < pictures; ++i)
        write(QStringLiteral("p%1.jpg").arg(i, 2, 10, QLatin1Char('0')), pictureBytes(640, 480, 310 * 1024));
    ThumbnailOptionsDialog window(TestState().settings, TestState().paths, TestState().environment, dir, false);
    window.DriveAlreadyAllowed = true;
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    window.BtnOKClick();
    // The window answers its messages while the run goes on.
    ASSERT_TRUE(QTest::qWaitFor([&window] { return window.REResult->toPlainText().contains("successfully"); }, 60000));
    ASSERT_TRUE(window.Busy);
    window.BtnCancel->click();
    EXPECT_EQ(window.result(), 0);   // a busy window is not closed by Cancel
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.Busy; }, 60000));
    ASSERT_FALSE(platform::promptLog().isEmpty());
    EXPECT_EQ(platform::promptLog().back().request.text, "Creation/Cleanup of thumbnails cancelled");
    const int written = int(QDir(dir + "/vxothumb").entryList(QDir::Files).size());
    EXPECT_LT(written, pictures);
    EXPECT_EQ(window.LastCounts.created, written);
    EXPECT_EQ(window.REResult->toPlainText().count(" - thumbnail successfully (re)created"), written);
    EXPECT_TRUE(window.REResult->toPlainText().endsWith("Creation/Cleanup of thumbnails cancelled"));
}

TEST_F(ThumbBatch, PreviewOfOnePicture)
{
    ThumbnailOptionsDialog window(TestState().settings, TestState().paths, TestState().environment, dir, false);
    EXPECT_EQ(window.PreviewPicture(write("p.jpg", fixtures::jpeg(400, 200))), 0);
    EXPECT_FALSE(window.Image1->pixmap().isNull());
    EXPECT_EQ(window.PreviewPicture(write("bad.jpg", "not a picture")), 1);
    EXPECT_FALSE(window.CannotOpenLabel->isHidden());
    EXPECT_EQ(window.PreviewPicture(dir + "/missing.jpg"), 2);
    EXPECT_FALSE(window.FileNotExistLabel->isHidden());
    EXPECT_TRUE(window.CannotOpenLabel->isHidden());
}

TEST(ThumbnailInfo, TheFirstFolderClickAsksOnceAndNoOpensTheInformation)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    testsupport::MainWindowFixture f;
    Settings.ThumbInfoShown = 0;
    f.clearPrompts();
    QStringList texts;
    {
        platform::ScopedPromptResponder answers([&](const platform::PromptRequest& r) {
            platform::PromptReply reply;
            if (r.type == platform::PromptType::Message) {
                EXPECT_EQ(r.text, "Important information about the use of thumbnails\n\n"
                                  "Are you familiar with Vistamo!'s SmallPics folders?");
                reply.answer = platform::PromptAnswer::No;
            } else if (auto* info = qobject_cast<ThumbnailRunWindow*>(r.dialog)) {
                EXPECT_EQ(info->windowTitle(), "Vistamo! - Thumbnails info");
                texts = info->REText->toPlainText().split('\n');
                info->CBNext->setChecked(false);
                reply.code = 1;
            }
            return reply;
        });
        f.clickNode(f.folder());
        f.settle();
        EXPECT_EQ(platform::promptLog().size(), 2);
        f.clickNode(f.parentFolder());   // once per run
        f.settle();
        EXPECT_EQ(platform::promptLog().size(), 2);
    }
    ASSERT_GE(texts.size(), 3);
    EXPECT_EQ(texts[0], "Thumbnails");
    EXPECT_EQ(texts[1], "");
    EXPECT_TRUE(texts.contains(QString::fromUtf8("That won\u2019t be noticeable when you play a slide show in Full screen mode (one by one).")));
    EXPECT_EQ(texts.last(), "See also: Thumbnail tab page in Options");
    EXPECT_EQ(Settings.ThumbInfoShown, 1);

    EXPECT_EQ(ThumbnailInfoLines(true).first().text, "SmallPics folders");
}

TEST(ThumbnailLoaderSteps, ThePathRuleAndTheInformation)
{
    const PictureLoaderSteps steps = ThumbnailLoaderSteps(nullptr, nullptr);
    ASSERT_TRUE(bool(steps.ThumbnailPath));
    ASSERT_TRUE(bool(steps.PictureInfoText));
    ASSERT_TRUE(bool(steps.CreateOrRefreshThumbnail));
    EXPECT_FALSE(bool(steps.SetTitleHint));
    EXPECT_EQ(steps.ThumbnailPath("/p/a.jpg"), "/p/vxothumb/a.jpg");
}

TEST_F(ThumbFiles, ShowingAPictureMakesItsThumbnailFromTheSlot)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    TAddSettingsRecord& AddSettings = TestState().settings.AddSettings;
    const QString picture = write("show.jpg", pictureBytes(1600, 1203, 310 * 1024, "2017:03:04 05:06:08"));
    const TAddSettingsRecord savedAdd = AddSettings;
    const QString savedReset = Settings.ResetFileDate;
    AddSettings.ThumbsOnFixedDrives = 1;
    AddSettings.ThumbMinSizeKB = 300;
    AddSettings.ThumbSizeIndex = 2;   // 800 x 600
    Settings.ResetFileDate = QStringLiteral("1");
    QStringList status;
    PictureLoaderSteps steps = ThumbnailLoaderSteps([] { return CurrentThumbnailOptions(TestState().settings, false); },
                                                    [&status](const QString& text) { status << text; });
    steps.SetTitleHint = [](const QString&) {};
    QObject stepsOwner;
    ConnectPictureLoaderSteps(&stepsOwner, testsupport::testSlot(SlotForm1Im1), steps);

    EXPECT_EQ(TryLoadPictureIntoSlot(picture, testsupport::testSlot("form1im1")), QString());
    // The thumbnail is written on the background writer.
    testsupport::waitForBackgroundWrites();
    // Its status reaches the window's thread.
    QCoreApplication::processEvents();
    EXPECT_EQ(status, QStringList({"T", ""}));
    const QString thumb = ThumbnailPath(picture);
    ASSERT_TRUE(QFileInfo::exists(thumb));
    EXPECT_EQ(QImageReader(thumb).size(), QSize(798, 600));
    EXPECT_EQ(platform::FileDosDate(thumb), platform::DateTimeToDos(at(2017, 3, 4, 5, 6, 8)));
    EXPECT_EQ(platform::FileDosDate(picture), platform::DateTimeToDos(at(2017, 3, 4, 5, 6, 8)));
    EXPECT_EQ(steps.PictureInfoText(picture).split("\r\n").value(2), "Creation date: March 4, 2017, 05:06:08");

    AddSettings = savedAdd;
    Settings.ResetFileDate = savedReset;
}

TEST_F(ThumbFiles, ReadOnlyPictureKeepsItsDateAndIsNotRemadeEachTime)
{
    const QByteArray bytes = pictureBytes(800, 600, 310 * 1024, "2012:12:12 12:12:12");
    const QString picture = write("locked.jpg", bytes);
    const uint32_t own = platform::FileDosDate(picture);
    testsupport::setReadOnly(picture, true);
    EXPECT_EQ(run(picture), ThumbMade);
    EXPECT_EQ(platform::FileDosDate(picture), own);
    EXPECT_EQ(platform::FileDosDate(ThumbnailPath(picture)), own);
    EXPECT_EQ(run(picture), ThumbUpToDate);
    EXPECT_EQ(testsupport::readFile(picture), bytes);
    testsupport::setReadOnly(picture, false);
}
