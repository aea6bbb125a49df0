// Picture information: EXIF date as a file date, the information hint and
// the preview texts, on pictures made in the sandbox.
#include "browse/picture_info.h"
#include "support/test_state.h"

#include "platform/dos_date.h"
#include "support/sandbox.h"
#include "tests/formats/picture_fixtures.h"

#include <gtest/gtest.h>

#include <QFileInfo>

using fixtures::withExif;

namespace {

QString writePicture(const QString& name, const QByteArray& bytes)
{
    const QString path = testsupport::freshDir(QStringLiteral("info")) + QLatin1Char('/') + name;
    testsupport::writeFile(path, bytes);
    return path;
}

// 2 March 2015, 10:00:00 local time, packed.
constexpr auto kFileDate = "2015-03-02T10:00:00";

QString writeDated(const QString& name, const QByteArray& bytes)
{
    const QString path = writePicture(name, bytes);
    platform::SetFileDosDate(path, platform::DateTimeToDos(QDateTime::fromString(kFileDate, Qt::ISODate)));
    return path;
}

} // namespace

TEST(ExifDate, ConvertsTheFixedPositionsOrFallsBack)
{
    EXPECT_EQ(ExifDateToDateTime("2019:07:14 15:30:42"), QDateTime(QDate(2019, 7, 14), QTime(15, 30, 42)));
    for (const char* bad : {"", "0000:00:00 00:00:00", "2019:13:01 10:00:00", "2019:02:30 10:00:00",
                            "2019:07:14 25:00:00", "2019:07:14", "2019-07-14 1O:00:00", "    :  :     :  :  "})
        EXPECT_FALSE(ExifDateToDateTime(bad).isValid()) << bad;

    const QString withDate =
        writePicture("a.jpg", withExif(fixtures::jpeg(64, 48), {{"Exif.Photo.DateTimeOriginal", "2019:07:14 15:30:42"}}));
    EXPECT_EQ(uint32_t(ExifDateAsFileDate(withDate, -7)),
              platform::DateTimeToDos(QDateTime(QDate(2019, 7, 14), QTime(15, 30, 42))));

    const QString zero =
        writePicture("z.jpg", withExif(fixtures::jpeg(64, 48), {{"Exif.Photo.DateTimeOriginal", "0000:00:00 00:00:00"}}));
    EXPECT_EQ(ExifDateAsFileDate(zero, -7), -7);
    // A date no packed file date can hold.
    const QString old =
        writePicture("o.jpg", withExif(fixtures::jpeg(64, 48), {{"Exif.Photo.DateTimeOriginal", "1975:01:01 00:00:00"}}));
    EXPECT_EQ(ExifDateAsFileDate(old, 12345), 12345);
    EXPECT_EQ(ExifDateAsFileDate(writePicture("n.jpg", fixtures::jpeg(64, 48)), 99), 99);
    EXPECT_EQ(ExifDateAsFileDate(QStringLiteral("/no/such/file.jpg"), 5), 5);
}

TEST(PictureInfoText, FileAndExifLines)
{
    const QString path = writeDated(
        "IMG_1.JPG", withExif(fixtures::jpeg(64, 48), {{"Exif.Image.Make", "Canon"},
                                                      {"Exif.Image.Model", "Canon EOS 20D"},
                                                      {"Exif.Photo.DateTimeOriginal", "2006:11:05 09:07:03"},
                                                      {"Exif.Photo.PixelXDimension", "3504"},
                                                      {"Exif.Photo.PixelYDimension", "2336"}}));
    const qint64 bytes = QFileInfo(path).size();
    const QString kb = QString::number(qRound64(double(bytes) / 1024.0));
    EXPECT_EQ(PictureInfoText(path), QStringLiteral("File size:  ") + kb + " kb\r\n"
                                         "File date: March 2, 2015, 10:00:00\r\n"
                                         "Creation date: November 5, 2006, 09:07:03\r\n"
                                         "Camera model: Canon EOS 20D\r\n"
                                         "Dimensions: 3504 x 2336 pixels");
}

TEST(PictureInfoText, CameraJoiningAndRawDates)
{
    const QString nikon = writeDated("n.jpg", withExif(fixtures::jpeg(32, 32), {{"Exif.Image.Make", "NIKON CORPORATION"},
                                                                             {"Exif.Image.Model", "NIKON D70"}}));
    EXPECT_TRUE(PictureInfoText(nikon).endsWith("\r\nCamera model: NIKON CORPORATION NIKON D70"));

    // Only the make: the make followed by one blank.
    const QString makeOnly = writeDated("m.jpg", withExif(fixtures::jpeg(32, 32), {{"Exif.Image.Make", "Canon"}}));
    EXPECT_TRUE(PictureInfoText(makeOnly).endsWith("\r\nCamera model: Canon "));

    // A date that does not convert is shown as it stands; one dimension alone
    // gives no dimension line.
    const QString raw = writeDated("r.jpg", withExif(fixtures::jpeg(32, 32), {{"Exif.Image.DateTime", "0000:00:00 00:00:00"},
                                                                            {"Exif.Photo.PixelXDimension", "32"}}));
    const QStringList lines = PictureInfoText(raw).split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[2], "Creation date: 0000:00:00 00:00:00");
}

TEST(PictureInfoText, OnlyJpgGetsExifLines)
{
    const QByteArray bytes = withExif(fixtures::jpeg(32, 32), {{"Exif.Image.Make", "Canon"}});
    EXPECT_EQ(PictureInfoText(writeDated("a.jpeg", bytes)).split("\r\n").size(), 2);
    EXPECT_EQ(PictureInfoText(writeDated("a.JPG", bytes)).split("\r\n").size(), 3);
    // Without EXIF only the file lines.
    EXPECT_EQ(PictureInfoText(writeDated("plain.jpg", fixtures::jpeg(32, 32))).split("\r\n").size(), 2);
    // A broken JPEG still gets its file lines.
    EXPECT_EQ(PictureInfoText(writeDated("broken.jpg", QByteArray("\xFF\xD8\xFF\xE1\xFF\xFF", 6))).split("\r\n").size(), 2);
    EXPECT_EQ(PictureInfoText(QStringLiteral("/no/such/picture.jpg")), QString());
}

TEST(PreviewTexts, SizeDateAndCamera)
{
    EXPECT_EQ(PreviewSizeText(12000000), "11 Mb - ");
    EXPECT_EQ(PreviewSizeText(10239000), "9999 Kb - ");
    EXPECT_EQ(PreviewSizeText(1536), "2 Kb - ");
    EXPECT_EQ(PreviewSizeText(2560), "2 Kb - ");
    EXPECT_EQ(PreviewSizeText(0), "0 Kb - ");
    EXPECT_EQ(PreviewSizeText(Q_INT64_C(5) * 1024 * 1024 * 1024), "5120 Mb - ");

    EXPECT_EQ(PreviewDateText(0), "Date unknown");
    EXPECT_EQ(PreviewDateText(platform::DateTimeToDos(QDateTime(QDate(2020, 12, 24), QTime(8, 5, 0)))),
              "December 24, 2020, 08:05");
    EXPECT_EQ(FormatInfoDate(QDateTime(QDate(2020, 1, 9), QTime(23, 59, 58))), "January 9, 2020, 23:59:58");

    EXPECT_EQ(PreviewCameraText(QString()), "Camera model unknown");
    EXPECT_EQ(PreviewCameraText("NIKON D70"), "NIKON D70");
}

TEST(ResetFileDate, SetsTheExifDateAndNeverTheBytes)
{
    const QByteArray bytes = withExif(fixtures::jpeg(32, 32), {{"Exif.Photo.DateTimeOriginal", "2010:05:06 07:08:10"}});
    const QString path = writeDated("d.jpg", bytes);
    EXPECT_TRUE(ResetFileDateToExifDate(path));
    EXPECT_EQ(platform::FileDosDate(path), platform::DateTimeToDos(QDateTime(QDate(2010, 5, 6), QTime(7, 8, 10))));
    EXPECT_EQ(testsupport::readFile(path), bytes);
    EXPECT_FALSE(ResetFileDateToExifDate(path));   // already so

    const QString plain = writeDated("p.jpg", fixtures::jpeg(32, 32));
    const uint32_t before = platform::FileDosDate(plain);
    EXPECT_FALSE(ResetFileDateToExifDate(plain));
    EXPECT_EQ(platform::FileDosDate(plain), before);

    const QString locked = writeDated("l.jpg", bytes);
    testsupport::setReadOnly(locked, true);
    EXPECT_FALSE(ResetFileDateToExifDate(locked));
    testsupport::setReadOnly(locked, false);
}

// ---- the previews of the main window -----------------------------------------------------

#include "app/main_window.h"
#include "browse/picture_info_controller.h"
#include "browse/external_programs.h"
#include "browse/external_programs_controller.h"
#include "browse/thumbnail_files.h"
#include "base/add_settings_record.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

TEST(PicturePreview, BrowsePreviewShowsFileLinesAndPicture)
{
    MainWindow form(TestState());
    form.resize(1000, 700);
    const QString path = writeDated("p.jpg", withExif(fixtures::jpeg(400, 300), {{"Exif.Image.Make", "NIKON CORPORATION"},
                                                                              {"Exif.Image.Model", "NIKON D70"}}));
    form.pictureInfo()->PreviewKind = QLatin1Char('P');
    form.pictureInfo()->ShowPictureInfo(path, true, false);
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("FileSizeLabel4"))->text(), PreviewSizeText(QFileInfo(path).size()));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("FileDateLabel4"))->text(), "March 2, 2015, 10:00");
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("ModelLabel4"))->text(), "NIKON CORPORATION NIKON D70");
    EXPECT_FALSE(form.findChild<QFrame*>(QStringLiteral("SizeDatePanel4"))->isHidden());
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("Image4"))->pixmap().isNull());
    EXPECT_TRUE(form.findChild<QFrame*>(QStringLiteral("NoShowPanel4"))->isHidden());
    EXPECT_EQ(form.pictureInfo()->PreviewedPath, path);

    // Shown from its thumbnail file, a picture without EXIF sizes is told
    // by its own size, not the thumbnail's.
    TAddSettingsRecord& add = TestState().settings.AddSettings;
    const TAddSettingsRecord savedAdd = add;
    add.ThumbMinSizeKB = 0;
    add.ThumbsOnFixedDrives = 1;
    const QString large = writeDated("large.jpg", fixtures::jpeg(2000, 1250));
    form.pictureInfo()->ShowPictureInfo(large, true, true);
    testsupport::waitForPictureAnswers();
    add = savedAdd;
    EXPECT_TRUE(QFileInfo::exists(ThumbnailPath(large)));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("ModelLabel4"))->text(),
              QStringLiteral("Camera model unknown  2000\u00A0x\u00A01250"));

    form.pictureInfo()->ShowPictureInfo(path + ".gone", true, false);
    testsupport::waitForPictureAnswers();
    EXPECT_TRUE(form.findChild<QFrame*>(QStringLiteral("SizeDatePanel4"))->isHidden());
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("FileNotExistLabel4"))->isHidden());
    EXPECT_FALSE(form.findChild<QFrame*>(QStringLiteral("NoShowPanel4"))->isHidden());

    form.pictureInfo()->PreviewKind = QLatin1Char('V');
    form.pictureInfo()->ShowPictureInfo(path, true, false);
    testsupport::waitForPictureAnswers();
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("VideoLabel4"))->isHidden());

    // The sibling panel shows only while the size panel is hidden, and
    // never while the sibling program is not installed.
    form.pictureInfo()->PreviewKind = QLatin1Char('O');
    form.pictureInfo()->ShowPictureInfo(path, true, false);
    testsupport::waitForPictureAnswers();
    EXPECT_TRUE(form.findChild<QFrame*>(QStringLiteral("SizeDatePanel4"))->isHidden());
    EXPECT_TRUE(form.findChild<QFrame*>(QStringLiteral("TarnivoPanel"))->isHidden());
    form.externalPrograms()->TarnivoInstalled = 1;
    form.pictureInfo()->UpdateTarnivoPanelVisibility();
    EXPECT_FALSE(form.findChild<QFrame*>(QStringLiteral("TarnivoPanel"))->isHidden());
    form.pictureInfo()->HideTarnivoPanel = true;
    form.pictureInfo()->UpdateTarnivoPanelVisibility();
    EXPECT_TRUE(form.findChild<QFrame*>(QStringLiteral("TarnivoPanel"))->isHidden());
}

TEST(PicturePreview, MyShowPreview)
{
    MainWindow form(TestState());
    const QString path = writeDated("m.jpg", fixtures::jpeg(200, 100));
    form.pictureInfo()->ShowMyShowPictureInfo(path, true, false);
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("ModelLabel"))->text(), "Camera model unknown");
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("FileDateLabel"))->text(), "March 2, 2015, 10:00");
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("ReadOnlyLabel"))->isHidden());
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("image2"))->pixmap().isNull());
    testsupport::setReadOnly(path, true);
    form.pictureInfo()->ShowMyShowPictureInfo(path, true, false);   // the same path again: nothing happens
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("ReadOnlyLabel"))->isHidden());
    form.pictureInfo()->ShowMyShowPictureInfo(path, true, true);
    testsupport::waitForPictureAnswers();
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("ReadOnlyLabel"))->isHidden());
    testsupport::setReadOnly(path, false);
    form.pictureInfo()->ShowMyShowPictureInfo("/no/such.jpg", true, false);
    testsupport::waitForPictureAnswers();
    EXPECT_FALSE(form.findChild<QLabel*>(QStringLiteral("FileNotExistLabel"))->isHidden());
    EXPECT_TRUE(form.findChild<QFrame*>(QStringLiteral("SizeDatePanel"))->isHidden());
}

// Both previews are one panel class: a picture that can't be decoded gets the
// same framed message in place of the picture in each.
TEST(PicturePreview, BothPreviewsSayABrokenPictureCanNotBeShown)
{
    MainWindow form(TestState());
    const QString path = writePicture("broken.jpg", "not a picture");
    form.pictureInfo()->ShowPictureInfo(path, true, false);
    form.pictureInfo()->ShowMyShowPictureInfo(path, true, false);
    testsupport::waitForPictureAnswers();
    for (const QString suffix : {QStringLiteral("4"), QString()}) {
        const QLabel* message = form.findChild<QLabel*>(QStringLiteral("CannotOpenLabel") + suffix);
        EXPECT_FALSE(message->isHidden()) << suffix.toStdString();
        EXPECT_EQ(message->text(), "Can not show picture");
        EXPECT_FALSE(form.findChild<QFrame*>(QStringLiteral("NoShowPanel") + suffix)->isHidden());
        EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("FileNotExistLabel") + suffix)->isHidden());
        EXPECT_FALSE(form.findChild<QFrame*>(QStringLiteral("SizeDatePanel") + suffix)->isHidden());
    }
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("Image4"))->isHidden());
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("image2"))->isHidden());
}

#include "browse/folder_tree_state.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_display.h"
#include "browse/picture_display_section.h"

#include <QAction>
#include <QTimer>
#include <QTreeWidget>

TEST(PicturePreview, TreeMouseMovePreviewsTheNode)
{
    MainWindow form(TestState());
    const QString dir = testsupport::freshDir(QStringLiteral("hover"));
    const QString path = dir + "/IMG 1.jpg";
    testsupport::writeFile(path, withExif(fixtures::jpeg(64, 48), {{"Exif.Image.Make", "Canon"},
                                                                  {"Exif.Image.Model", "Canon EOS 20D"}}));
    platform::SetFileDosDate(path, platform::DateTimeToDos(QDateTime(QDate(2019, 4, 3), QTime(21, 5, 0))));
    form.folderTree()->TreeDriveRoot = dir;
    auto* root = new QTreeWidgetItem(form.treeView(), QStringList{"C:"});
    auto* node = new QTreeWidgetItem(root, QStringList{"IMG 1.jpg"});
    node->setData(0, TreeImageRole, 5);
    node->setData(0, TreeSizeRole, qlonglong(12000000));
    auto* missing = new QTreeWidgetItem(root, QStringList{"gone.jpg"});
    missing->setData(0, TreeImageRole, 5);

    form.pictureInfo()->PreviewNode = node;
    form.pictureInfo()->PreviewTreeNode(nullptr);
    EXPECT_EQ(form.pictureInfo()->TreeHoverPath, path);
    EXPECT_EQ(form.pictureDisplay()->displayState().CurrentPicturePath, path);
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("FileSizeLabel4"))->text(), "11 Mb - ");
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("FileDateLabel4"))->text(), "April 3, 2019, 21:05");
    // The camera line follows the picture's facts, read on a worker.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.findChild<QLabel*>(QStringLiteral("ModelLabel4"))->text().isEmpty(); }));
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("ModelLabel4"))->text(), "Canon EOS 20D");
    EXPECT_EQ(form.actionNamed("SavePictureTo")->text(), "&Save picture to");
    EXPECT_EQ(form.actionNamed("RenamePicture")->text(), "Re&name picture");
    EXPECT_TRUE(form.pictureInfo()->thumbnailTimer()->isActive());
    EXPECT_EQ(form.pictureInfo()->ThumbnailPreviewPath, path);

    form.pictureInfo()->PreviewNode = missing;
    form.pictureInfo()->PreviewTreeNode(nullptr);
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("FileDateLabel4"))->text(), "Date unknown");
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("FileSizeLabel4"))->text(), "Could not be determined");
    EXPECT_EQ(form.findChild<QLabel*>(QStringLiteral("ModelLabel4"))->text(), "Camera model unknown");

    // A node no longer in the tree is never touched.
    form.pictureInfo()->TreeHoverPath.clear();
    delete missing;
    form.pictureInfo()->PreviewTreeNode(nullptr);
    EXPECT_TRUE(form.pictureInfo()->TreeHoverPath.isEmpty());
}

#include <QToolButton>

TEST(PicturePreview, VoiceControlsFollowTheKind)
{
    MainWindow form(TestState());
    // Nothing previewed yet: no empty voice frame.
    EXPECT_TRUE(form.findChild<QFrame*>(QStringLiteral("VoiceBevel"))->isHidden());
    const QString dir = testsupport::freshDir(QStringLiteral("voice"));
    const QString path = dir + "/v.jpg";
    testsupport::writeFile(path, fixtures::jpeg(40, 30));
    form.pictureInfo()->PreviewKind = QLatin1Char('P');
    form.pictureInfo()->ShowPictureInfo(path, false, false);
    testsupport::waitForPictureAnswers();
    EXPECT_FALSE(form.findChild<QToolButton*>(QStringLiteral("MicroSB"))->isHidden());
    EXPECT_FALSE(form.findChild<QFrame*>(QStringLiteral("VoiceBevel"))->isHidden());
    // The frame holds the buttons' glyphs; recording is greyed.
    EXPECT_FALSE(form.findChild<QToolButton*>(QStringLiteral("MicroSB"))->icon().isNull());
    EXPECT_FALSE(form.findChild<QToolButton*>(QStringLiteral("MicroSB"))->isEnabled());
    EXPECT_FALSE(form.findChild<QToolButton*>(QStringLiteral("VoicePlaySB"))->icon().isNull());
    EXPECT_FALSE(form.findChild<QToolButton*>(QStringLiteral("VoicePlaySB"))->isEnabled());
    testsupport::writeFile(dir + "/v.wav", "RIFF");
    form.pictureInfo()->PreviewedPath.clear();
    form.pictureInfo()->ShowPictureInfo(path, false, false);
    testsupport::waitForPictureAnswers();
    EXPECT_TRUE(form.findChild<QToolButton*>(QStringLiteral("VoicePlaySB"))->isEnabled());

    form.pictureInfo()->PreviewKind = QLatin1Char('V');
    form.pictureInfo()->ShowPictureInfo(dir + "/clip.mp4", false, false);
    testsupport::waitForPictureAnswers();
    EXPECT_TRUE(form.findChild<QToolButton*>(QStringLiteral("MicroSB"))->isHidden());
    EXPECT_TRUE(form.findChild<QToolButton*>(QStringLiteral("VoicePlaySB"))->isHidden());
}
