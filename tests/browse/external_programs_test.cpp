// Outside programs: which files a launch hands over, the wait loop with a
// real process, the viewer's command lines, the most-recently-used video
// program, the resample filter text, the rotation refusal and the EXIF
// file dates of a folder.
#include "browse/external_programs.h"
#include "support/test_state.h"

#include "base/data_folder.h"
#include "base/environment.h"
#include "formats/picture_fixtures.h"
#include "platform/dos_date.h"
#include "support/sandbox.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// Starts the program and serves events until it has ended.
ExternalRunOutcome runToEnd(const ExternalCommand& command, const std::function<void()>& atTheEnd = {})
{
    std::optional<ExternalRunOutcome> outcome;
    QObject context;
    StartExternalProgram(command, &context, [&](const ExternalRunOutcome& o) {
        if (atTheEnd)
            atTheEnd();
        outcome = o;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return outcome.has_value(); }, 30000));
    return outcome.value_or(ExternalRunOutcome());
}

// Rotates through the viewer and serves events until both files are done.
bool rotateToEnd(const QString& viewer, const QString& file, const QString& thumbnail, QChar direction,
                 bool resetFileDate, int32_t previousDate)
{
    std::optional<bool> rotated;
    QObject context;
    RotateFileWithViewer(viewer, file, thumbnail, direction, resetFileDate, previousDate, &context,
                         [&](bool r) { rotated = r; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return rotated.has_value(); }, 30000));
    return rotated.value_or(false);
}

QString vxviewBinary()
{
    const QString path = QFileInfo(QStringLiteral(VISTAMO_BIN)).path() + QStringLiteral("/vxview");
    return QFileInfo(path).isFile() ? path : QString();
}

void setFileDate(const QString& path, const QDateTime& when)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

TEST(ExternalLaunch, ArgumentsFollowTheViewAndTheShow)
{
    const ExternalCommand start{QStringLiteral("/usr/bin/gimp"), {}};
    ExternalLaunchState s;
    s.editTarget = QStringLiteral("/p/target.jpg");
    s.currentShowPicture = QStringLiteral("/p/show.jpg");
    s.selectedFolder = QStringLiteral("/p");
    s.tickedPictures = {QStringLiteral("/p/1.jpg"), QStringLiteral("/p/2.jpg")};

    // Without picture: the folder.
    ExternalLaunchPlan plan = PlanExternalLaunch(start, s);
    EXPECT_EQ(plan.command.arguments, QStringList{"/p"});
    EXPECT_TRUE(plan.pictures.isEmpty());

    s.withPicture = true;
    plan = PlanExternalLaunch(start, s);
    EXPECT_EQ(plan.command.arguments, QStringList{"/p/target.jpg"});

    s.showRunning = true;
    EXPECT_EQ(PlanExternalLaunch(start, s).command.arguments, QStringList{"/p/show.jpg"});

    s.cutOutPath = QStringLiteral("/data/cut2.bmp");
    plan = PlanExternalLaunch(start, s);
    EXPECT_TRUE(plan.cutOut);
    EXPECT_EQ(plan.command.arguments, QStringList{"/data/cut2.bmp"});

    // The page of thumbnails: every ticked picture, in order.
    s.thumbnailView = true;
    plan = PlanExternalLaunch(start, s);
    EXPECT_TRUE(plan.pageRun);
    EXPECT_EQ(plan.command.arguments, (QStringList{"/p/1.jpg", "/p/2.jpg"}));

    // The full view over the page during a show: the edit target.
    s.fullViewOpen = true;
    s.cutOutPath.clear();
    EXPECT_EQ(PlanExternalLaunch(start, s).command.arguments, QStringList{"/p/target.jpg"});

    // The sibling program's folder start gets the folder a second time.
    ExternalLaunchState folderLaunch;
    folderLaunch.selectedFolder = QStringLiteral("/p/a b");
    EXPECT_EQ(PlanExternalLaunch({QStringLiteral("tarnivo"), {QStringLiteral("/p/a b")}}, folderLaunch).command.arguments,
              (QStringList{"/p/a b", "/p/a b"}));
}

TEST(ExternalWait, WaitsForARealProcessWhileMessagesRun)
{
    const QString sleep = QStandardPaths::findExecutable(QStringLiteral("sleep"));
    ASSERT_FALSE(sleep.isEmpty());
    bool timerRan = false;
    bool timerRanBeforeTheEnd = false;
    QTimer::singleShot(50, [&] { timerRan = true; });
    const ExternalRunOutcome r = runToEnd({sleep, {QStringLiteral("0.3")}}, [&] { timerRanBeforeTheEnd = timerRan; });
    EXPECT_EQ(r.result, ExternalRunResult::Finished);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(timerRanBeforeTheEnd);   // window messages ran during the wait

    // A program that ends with an error, and one that cannot be started.
    const QString sh = QStandardPaths::findExecutable(QStringLiteral("sh"));
    EXPECT_EQ(runToEnd({sh, {QStringLiteral("-c"), QStringLiteral("exit 3")}}).exitCode, 3);
    EXPECT_EQ(runToEnd({QStringLiteral("/no/such/program"), {}}).result, ExternalRunResult::NotStarted);
    EXPECT_EQ(RunAndWait({sh, {QStringLiteral("-c"), QStringLiteral("exit 3")}}).exitCode, 3);
    EXPECT_EQ(RunAndWait({QStringLiteral("/no/such/program"), {}}).result, ExternalRunResult::NotStarted);
    // Arguments are never read by a shell.
    const QString dir = freshDir(QStringLiteral("noshell"));
    const QString touch = QStandardPaths::findExecutable(QStringLiteral("touch"));
    const QString odd = dir + QStringLiteral("/a b; rm -rf x $(id).jpg");
    EXPECT_EQ(runToEnd({touch, {odd}}).exitCode, 0);
    EXPECT_TRUE(QFileInfo(odd).isFile());
}

TEST(ExternalVideo, ChosenProgramMovesToTheFront)
{
    std::array<QString, 5> p = {"a", "b", "c", "d", "e"};
    MoveVideoProgramToFront(p, 3);
    EXPECT_EQ(p, (std::array<QString, 5>{"d", "a", "b", "c", "e"}));
    MoveVideoProgramToFront(p, 0);
    EXPECT_EQ(p, (std::array<QString, 5>{"d", "a", "b", "c", "e"}));
    MoveVideoProgramToFront(p, 4);
    EXPECT_EQ(p, (std::array<QString, 5>{"e", "d", "a", "b", "c"}));
    MoveVideoProgramToFront(p, 7);   // out of range: unchanged
    EXPECT_EQ(p[0], "e");
}

TEST(ExternalViewer, ExactCommandLines)
{
    EXPECT_EQ(ViewerRotateCommand("/opt/vxview", "/p/a b.jpg", QLatin1Char('L')),
              (ExternalCommand{"/opt/vxview", {"/p/a b.jpg", "/rotate_l", "/convert=/p/a b.jpg"}}));
    EXPECT_EQ(ViewerRotateCommand("/opt/vxview", "/p/a.jpg", QLatin1Char('R')).arguments[1], "/rotate_r");
    const ExternalCommand resize = ViewerResizeCommand("/opt/vxview", "/s.jpg", "/t x.jpg", 640, 480);
    EXPECT_EQ(resize.arguments,
              (QStringList{"/s.jpg", "/resize=(640,480)", "/aspectratio", "/resample", "/convert=/t x.jpg"}));
    EXPECT_EQ(ExternalCommandText(resize),
              "/opt/vxview /s.jpg /resize=(640,480) /aspectratio /resample \"/convert=/t x.jpg\"");
}

TEST(ExternalViewer, RotationThroughTheRealToolKeepsDatesWhenAsked)
{
    const QString viewer = vxviewBinary();
    if (viewer.isEmpty())
        GTEST_SKIP() << "vxview not built";
    const QString dir = freshDir(QStringLiteral("rotreal"));
    const QString picture = dir + QStringLiteral("/p.jpg");
    const QString thumb = dir + QStringLiteral("/vxothumb/p.jpg");
    ASSERT_TRUE(writeFile(picture, fixtures::withExif(fixtures::jpeg(64, 32),
                                                      {{"Exif.Photo.DateTimeOriginal", "2015:03:04 05:06:08"}})));
    ASSERT_TRUE(writeFile(thumb, fixtures::jpeg(32, 16)));
    const qint32 before = qint32(platform::FileDosDate(picture));
    ASSERT_TRUE(rotateToEnd(viewer, picture, thumb, QLatin1Char('L'), true, before));
    EXPECT_EQ(QImage(picture).size(), QSize(32, 64));
    EXPECT_EQ(QImage(thumb).size(), QSize(16, 32));
    EXPECT_EQ(platform::DosToDateTime(platform::FileDosDate(picture)),
              QDateTime(QDate(2015, 3, 4), QTime(5, 6, 8)));

    // Without EXIF the picture keeps the date it had.
    const QString plain = dir + QStringLiteral("/plain.jpg");
    ASSERT_TRUE(writeFile(plain, fixtures::jpeg(64, 32)));
    setFileDate(plain, QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6)));
    const qint32 plainDate = qint32(platform::FileDosDate(plain));
    ASSERT_TRUE(rotateToEnd(viewer, plain, QString(), QLatin1Char('R'), true, plainDate));
    EXPECT_EQ(qint32(platform::FileDosDate(plain)), plainDate);

    // A resized copy through the installed viewer.
    EXPECT_TRUE(RunIrfanViewResize(viewer, picture, dir + QStringLiteral("/small.jpg"), 16, 16));
    EXPECT_EQ(QImage(dir + QStringLiteral("/small.jpg")).size(), QSize(8, 16));
    // A picture the viewer cannot read: no copy, reported as such.
    ASSERT_TRUE(writeFile(dir + QStringLiteral("/bad.jpg"), QByteArray("nothing")));
    EXPECT_FALSE(RunIrfanViewResize(viewer, dir + QStringLiteral("/bad.jpg"), dir + QStringLiteral("/bad2.jpg"), 16, 16));
}

TEST(ExternalViewer, ResampleFilterText)
{
    const QString dir = freshDir(QStringLiteral("ini"));
    const QString data = dir + QStringLiteral("/data.ini");
    const QString beside = dir + QStringLiteral("/beside.ini");
    EXPECT_EQ(GetResampleFilterText(data, beside), "Resample filter not determined");

    ASSERT_TRUE(writeFile(beside, QByteArray("[Other]\nResampleFilter=1\n")));
    EXPECT_EQ(GetResampleFilterText(data, beside), "Use resample filter Lanczos");   // no [Resize]
    ASSERT_TRUE(writeFile(beside, QByteArray("[Resize]\nX=1\nResampleFilter=2\n")));
    EXPECT_EQ(GetResampleFilterText(data, beside), "Use resample filter Mitchell");
    ASSERT_TRUE(writeFile(beside, QByteArray("[Resize]\nResampleFilter=7\n")));
    EXPECT_EQ(GetResampleFilterText(data, beside), "Use resample filter Lanczos");

    // The data folder's file wins only when it is newer.
    ASSERT_TRUE(writeFile(data, QByteArray("[Resize]\nResampleFilter=0\n")));
    setFileDate(beside, QDateTime::currentDateTime().addDays(-2));
    EXPECT_EQ(GetResampleFilterText(data, beside), "Use resample filter Hermite");
    setFileDate(data, QDateTime::currentDateTime().addDays(-3));
    EXPECT_EQ(GetResampleFilterText(data, beside), "Use resample filter Lanczos");

    EXPECT_EQ(ViewerIniBesideProgram(QStringLiteral("/opt/vx/vxview")), "/opt/vx/vxview.ini");
}

TEST(ExternalRotate, RefusalTextsAndWhatMayBeRotated)
{
    EXPECT_EQ(RotateRefusalText(0, 3), "");
    EXPECT_TRUE(RotateRefusalText(1, 3).startsWith("One of the picture you selected can not be rotated because\r\n"
                                                   "1) The picture(s) is/are set to read-only"));
    EXPECT_TRUE(RotateRefusalText(2, 3).startsWith("2 of the pictures you selected can not"));
    EXPECT_TRUE(RotateRefusalText(1, 1).startsWith("The picture you selected can not"));
    EXPECT_TRUE(RotateRefusalText(3, 3).endsWith("extension different from .jpg, .jpeg or .bmp."));
    EXPECT_TRUE(RotateRefusalText(3, 3).startsWith("The pictures you selected can not"));

    const QString dir = freshDir(QStringLiteral("canrot"));
    for (const char* name : {"a.JPG", "b.jpeg", "c.bmp", "d.gif", "e.jpg"})
        ASSERT_TRUE(writeFile(dir + "/" + name, fixtures::jpeg(8, 8)));
    testsupport::setReadOnly(dir + "/e.jpg", true);
    EXPECT_TRUE(CanRotatePictureFile(dir + "/a.JPG"));
    EXPECT_TRUE(CanRotatePictureFile(dir + "/b.jpeg"));
    EXPECT_TRUE(CanRotatePictureFile(dir + "/c.bmp"));
    EXPECT_FALSE(CanRotatePictureFile(dir + "/d.gif"));
    EXPECT_FALSE(CanRotatePictureFile(dir + "/e.jpg"));
    EXPECT_FALSE(CanRotatePictureFile(dir + "/missing.jpg"));
}

TEST(ExternalLaunchButtons, CaptionsHintsAndPlaces)
{
    EXPECT_EQ(LaunchCaption("/usr/bin/R&D tool"), "R&&D tool");
    EXPECT_EQ(LaunchCaption(""), "");
    EXPECT_EQ(LaunchHint("/usr/bin/gimp"), "Launch gimp");
    EXPECT_EQ(LaunchButtonLefts(200, {1, 0, 1, 0, 1}), (std::array<int, 5>{119, -1, 143, -1, 167}));
    EXPECT_EQ(LaunchButtonLefts(200, {0, 0, 0, 0, 0}), (std::array<int, 5>{-1, -1, -1, -1, -1}));
}

TEST(ExternalExifDates, FolderResetCountsEachKind)
{
    const QString dir = freshDir(QStringLiteral("exifdates"));
    const QDateTime taken(QDate(2012, 7, 8), QTime(9, 10, 12));
    const QByteArray withDate =
        fixtures::withExif(fixtures::jpeg(16, 16), {{"Exif.Photo.DateTimeOriginal", "2012:07:08 09:10:12"}});
    ASSERT_TRUE(writeFile(dir + "/differs.jpg", withDate));
    ASSERT_TRUE(writeFile(dir + "/same.jpg", withDate));
    setFileDate(dir + "/same.jpg", taken);
    ASSERT_TRUE(writeFile(dir + "/plain.jpg", fixtures::jpeg(16, 16)));
    ASSERT_TRUE(writeFile(dir + "/notes.txt", QByteArray("x")));
    ASSERT_TRUE(writeFile(dir + "/.hidden.jpg", withDate));
    ASSERT_TRUE(writeFile(dir + "/locked.jpg", withDate));
    testsupport::setReadOnly(dir + "/locked.jpg", true);
    ASSERT_TRUE(writeFile(dir + "/sub/deep.jpg", withDate));
    ASSERT_TRUE(writeFile(dir + "/vxothumb/differs.jpg", withDate));

    QStringList seen;
    ResetDateCounts c = ResetFileDatesInFolder(dir, false, [&](const QString& n) {
        seen << n;
        return true;
    });
    EXPECT_EQ(c.processed, 3);
    EXPECT_EQ(c.reset, 1);
    EXPECT_EQ(c.noNeed, 1);
    EXPECT_EQ(c.noExif, 1);
    EXPECT_EQ(c.error, 0);
    EXPECT_EQ(seen, (QStringList{"differs.jpg", "plain.jpg", "same.jpg"}));
    EXPECT_EQ(platform::DosToDateTime(platform::FileDosDate(dir + "/differs.jpg")), taken);

    // Again with subfolders: everything is in step now, the thumbnail folder is left out.
    c = ResetFileDatesInFolder(dir, true);
    EXPECT_EQ(c.processed, 4);
    EXPECT_EQ(c.reset, 1);   // sub/deep.jpg
    EXPECT_EQ(c.noNeed, 2);
    EXPECT_NE(platform::DosToDateTime(platform::FileDosDate(dir + "/vxothumb/differs.jpg")), taken);

    EXPECT_EQ(ResetDatesResultText({5, 1, 2, 1, 1}),
              "Results of resetting file dates to picture date taken (EXIF)\r\n\r\n"
              "5 pictures processed\r\n"
              "1 pictures had the file date successfully reset\r\n"
              "2 pictures where there was no need to reset file date\r\n"
              "1 pictures that have no EXIF data\r\n"
              "1 pictures where an error occurred opening the file to reset the file date");
}

// ---- the main window ------------------------------------------------------------------

#include "app/main_window.h"
#include "browse/external_programs_controller.h"
#include "browse/folder_tree_widget.h"
#include "base/settings_record.h"
#include "browse/picture_display.h"
#include "browse/picture_display_section.h"
#include "platform/prompt.h"

#include <QAction>

namespace {

// A program that writes its arguments to `out`, one a line, then waits.
QString recordingProgram(const QString& dir, const QString& out, const char* wait = "0.3")
{
    const QString script = dir + QStringLiteral("/editor.sh");
    writeFile(script, QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\" >> '%1'; done\nsleep %2\n")
                          .arg(out, QLatin1String(wait))
                          .toUtf8());
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    return script;
}

// Serves events until the outside program started from the window has ended.
void waitForProgram(MainWindow& form)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.externalPrograms()->ExternalProcessRunning == 0; }, 30000));
}

struct SettingsGuard {
    TSettingsRecord saved = TestState().settings.Settings;
    ~SettingsGuard()
    {
        TestState().settings.Settings = saved;
        TestState().environment.IrfanViewFound = 0;
        TestState().environment.IrfanViewPath.clear();
    }
};

} // namespace

TEST(ExternalMainWindow, OneProgramAtATimeAndThePictureHandedOver)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    SettingsGuard guard;
    const QString dir = freshDir(QStringLiteral("launch"));
    const QString out = dir + QStringLiteral("/args.txt");
    const QString picture = dir + QStringLiteral("/my pic.jpg");
    ASSERT_TRUE(writeFile(picture, fixtures::jpeg(16, 16)));
    Settings.EditPrograms[0] = recordingProgram(dir, out);
    MainWindow form(TestState());
    form.pictureDisplay()->displayState().CurrentPicturePath = picture;
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    bool triedSecond = false;
    QTimer::singleShot(60, &form, [&] {
        triedSecond = true;
        EXPECT_EQ(form.externalPrograms()->ExternalProcessRunning, 1);
        form.externalPrograms()->RunExternalProgram(Settings.EditPrograms[0], {}, true);
    });
    form.externalPrograms()->RunExeToolButtonClick();
    waitForProgram(form);
    EXPECT_TRUE(triedSecond);
    EXPECT_EQ(form.externalPrograms()->ExternalProcessRunning, 0);
    EXPECT_EQ(form.externalPrograms()->EditProgramIndex, -1);
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog()[0].request.kind, platform::PromptKind::Error);
    EXPECT_EQ(platform::promptLog()[0].request.text, "Not allowed to start more than 1 external process from Vistamo!");
    EXPECT_EQ(readFile(out), (picture + "\n").toUtf8());   // once, as one argument
}

TEST(ExternalMainWindow, NoEditProgramDisablesTheButton)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    SettingsGuard guard;
    for (auto& p : Settings.EditPrograms)
        p.clear();
    MainWindow form(TestState());
    form.externalPrograms()->BuildLaunchMenu();
    EXPECT_FALSE(form.actionNamed("RunExeToolButton")->isEnabled());
    EXPECT_EQ(form.actionNamed("RunExeToolButton")->toolTip(), "Launch Edit Program, Define in Options");
    EXPECT_EQ(form.actionNamed("RunExeMyShowTB")->toolTip(), "Launch Edit Program, Define in Options");
    EXPECT_FALSE(form.actionNamed("Launch0")->isVisible());

    Settings.EditPrograms[1] = QStringLiteral("/usr/bin/R&D");
    Settings.EditPrograms[0] = QStringLiteral("/usr/bin/gimp");
    form.externalPrograms()->BuildLaunchMenu();
    EXPECT_TRUE(form.actionNamed("RunExeToolButton")->isEnabled());
    EXPECT_EQ(form.actionNamed("RunExeToolButton")->toolTip(), "Launch gimp");
    EXPECT_EQ(form.actionNamed("Launch1")->text(), "R&&D");
}

TEST(ExternalMainWindow, VideoProgramMovesToTheFrontAndGetsTheVideo)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    SettingsGuard guard;
    const QString dir = freshDir(QStringLiteral("video"));
    const QString out = dir + QStringLiteral("/args.txt");
    const QString player = recordingProgram(dir, out, "0");
    Settings.VideoPrograms = {"/a", "/b", "/c", player, "/e"};
    MainWindow form(TestState());
    form.externalPrograms()->VideoProgramIndex = 3;
    form.externalPrograms()->LaunchChosenVideoProgram();
    waitForProgram(form);
    EXPECT_EQ(Settings.VideoPrograms, (std::array<QString, 5>{player, "/a", "/b", "/c", "/e"}));
    EXPECT_TRUE(QFileInfo(out).isFile());
}

TEST(ExternalMainWindow, RotationNeedsTheViewerAndRotatesTheShownPicture)
{
    SettingsGuard guard;
    const QString dir = freshDir(QStringLiteral("rotwin"));
    const QString picture = dir + QStringLiteral("/p.jpg");
    ASSERT_TRUE(writeFile(picture, fixtures::jpeg(64, 32)));
    MainWindow form(TestState());
    form.pictureDisplay()->displayState().CurrentPicturePath = picture;
    {
        platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
        form.state().environment.IrfanViewFound = 0;
        form.externalPrograms()->TBRotateLClick();
        ASSERT_EQ(platform::promptLog().size(), 1);
        EXPECT_EQ(platform::promptLog()[0].request.text,
                  "To rotate pictures, IrfanView must be installed! (free for personal use)\r\n"
                  "Go in the Browse window to the Help menu and choose the IrfanView option.");
        EXPECT_EQ(QImage(picture).size(), QSize(64, 32));
    }
    const QString viewer = vxviewBinary();
    if (viewer.isEmpty())
        GTEST_SKIP() << "vxview not built";
    form.state().environment.IrfanViewPath = viewer;
    form.state().environment.IrfanViewFound = 1;
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    form.externalPrograms()->TBRotateRClick();
    waitForProgram(form);
    EXPECT_EQ(QImage(picture).size(), QSize(32, 64));
    EXPECT_TRUE(platform::promptLog().isEmpty());
}

#include "base/data_folder.h"
#include "browse/fit_zoom.h"

TEST(ExternalMainWindow, ACutOutIsHandedOverReadOnlyAndWritableAgainAfterwards)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    SettingsGuard guard;
    const QString dir = freshDir(QStringLiteral("cutout"));
    const QString out = dir + QStringLiteral("/mode.txt");
    const QString script = dir + QStringLiteral("/editor.sh");
    ASSERT_TRUE(writeFile(script, QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\nstat -c %a \"$1\" >> '%1'\n")
                                      .arg(out)
                                      .toUtf8()));
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    const QString savedFolder = TestState().paths.CutOutFolder;
    TestState().paths.CutOutFolder = dir + QStringLiteral("/cuts");
    const QString cut = TestState().paths.CutOutFolder + QStringLiteral("/cut2.bmp");
    ASSERT_TRUE(writeFile(cut, fixtures::bmp(8, 8)));
    TestState().session.CutOutCount = 2;
    Settings.EditPrograms[0] = script;
    MainWindow form(TestState());
    form.externalPrograms()->RunExeToolButtonClick();
    waitForProgram(form);
    const QStringList lines = QString::fromUtf8(readFile(out)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], cut);
    EXPECT_EQ(lines[1].toInt(nullptr, 8) & 0222, 0);     // no one could write it meanwhile
    EXPECT_TRUE(QFile::permissions(cut) & QFileDevice::WriteOwner);
    TestState().session.CutOutCount = 0;
    TestState().paths.CutOutFolder = savedFolder;
}

TEST(ExternalMainWindow, TheDateResetRunsWhileTheWindowGoesOnAndTellsItsCounts)
{
    const QString dir = freshDir(QStringLiteral("exifreset"));
    const QString picture = dir + QStringLiteral("/p.jpg");
    ASSERT_TRUE(writeFile(picture, fixtures::withExif(fixtures::jpeg(16, 16),
                                                      {{"Exif.Photo.DateTimeOriginal", "2015:03:04 05:06:08"}})));
    MainWindow form(TestState());
    form.folderTree()->SelectedFolder = dir;
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    platform::clearPromptLog();
    form.externalPrograms()->ResetFileDatesToExif();
    ASSERT_TRUE(QTest::qWaitFor([] { return !platform::promptLog().isEmpty(); }, 30000));
    ResetDateCounts counts;
    counts.processed = 1;
    counts.reset = 1;
    EXPECT_EQ(platform::promptLog()[0].request.text, ResetDatesResultText(counts));
    EXPECT_EQ(platform::DosToDateTime(platform::FileDosDate(picture)), QDateTime(QDate(2015, 3, 4), QTime(5, 6, 8)));
}
