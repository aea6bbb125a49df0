// Main window creation in this process: the files of a first start byte by
// byte, the refusals with their texts, demo mode, migration, a damaged
// settings file, and the close of an argument start.
#include "base/add_settings_record.h"
#include "support/test_state.h"
#include "base/data_folder.h"
#include "base/settings_fields.h"
#include "base/start_args.h"
#include "base/start_modes.h"
#include "app/main_window.h"
#include "browse/file_ops_controller.h"
#include "browse/external_programs.h"
#include "browse/external_programs_controller.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"
#include "platform/prompt.h"
#include "platform/record_file.h"
#include "support/sandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QMenu>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

using namespace platform;
using testsupport::freshDir;
using testsupport::readFile;
using testsupport::setReadOnly;
using testsupport::writeFile;

namespace {

QString dataFolder() { return DefaultDataFolder(); }

int32_t int32At(const QByteArray& b, int off)
{
    int32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(b.at(off + i));
    return v;
}

uint8_t byteAt(const QByteArray& b, int off) { return static_cast<uint8_t>(b.at(off)); }

bool shown(PromptKind kind, const QString& text)
{
    for (const PromptRecord& r : promptLog())
        if (r.request.kind == kind && r.request.text == text)
            return true;
    return false;
}

struct Quiet {
    ScopedPromptResponder responder{[](const PromptRequest& r) { return defaultReply(r); }};
};

} // namespace

TEST(FormCreate, FirstStartCreatesEveryDataFileAtItsRecordSize)
{
    Quiet quiet;
    MainWindow form(TestState());
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    EXPECT_EQ(TestState().start.StartupRunFlag, 1);
    const QString d = dataFolder();
    EXPECT_EQ(TestState().paths.DataFolder, d);

    EXPECT_EQ(QFileInfo(d + "/VXSettings61.dat").size(), 12048);
    EXPECT_EQ(QFileInfo(d + "/VXAddSettings.dat").size(), 9468);
    for (const char* empty : {"AllMyShow.dat", "ExcludeFolder.dat", "PlaylistHist.dat", "Default Playlist.vxz",
                              "vistamo.vxt", "vistamo.tmp", "OtherRun.dat"}) {
        const QFileInfo info(d + "/" + empty);
        EXPECT_TRUE(info.isFile()) << empty;
        EXPECT_EQ(info.size(), 0) << empty;
    }
    for (const char* folder : {"temp", "temp/Conversion Backup", "temp/Cut out Bitmap Files",
                               "temp/Temporary pictures for mail", "Vistamo! Slide Shows", "Vistamo! Sound Playlists"})
        EXPECT_TRUE(QFileInfo(d + "/" + folder).isDir()) << folder;
    EXPECT_FALSE(QFileInfo::exists(d + "/AudioRun.dat"));

    const QByteArray rc = readFile(d + "/RCSettings.dat");
    ASSERT_EQ(rc.size(), 664);
    EXPECT_EQ(byteAt(rc, 0), 1);  // include subfolders
    EXPECT_EQ(byteAt(rc, 1), 1);  // voice recordings
    EXPECT_EQ(byteAt(rc, 2), 0);  // sound playlist
    EXPECT_EQ(byteAt(rc, 3), 1);  // fade
    EXPECT_EQ(int32At(rc, 4), 1); // random play order
    EXPECT_EQ(int32At(rc, 8), 1); // random playlist order
    EXPECT_EQ(byteAt(rc, 12), 0); // no playlist
    EXPECT_EQ(byteAt(rc, 213), 0); // no loop

    const QByteArray search = readFile(d + "/VXSearchSettings.dat");
    ASSERT_EQ(search.size(), 3920);
    EXPECT_GT(byteAt(search, 0), 0);  // at least one folder
    for (int off = 1809; off <= 1813; ++off)
        EXPECT_EQ(byteAt(search, off), 1) << off;
    for (int off : {1814, 2324, 2834})
        EXPECT_EQ(byteAt(search, off), 0) << off;
    for (int off = 3344; off <= 3354; ++off)
        EXPECT_EQ(byteAt(search, off), (off >= 3347 && off <= 3352) ? 1 : 0) << off;

    EXPECT_EQ(form.showList()->grid()->columnCount(), 5);
    EXPECT_EQ(form.showList()->grid()->columnWidth(0), 35);
    EXPECT_EQ(form.showList()->grid()->columnWidth(3), 200);
    EXPECT_TRUE(form.startup()->VisibleAtStart());

    // A second start reads the file and marks it in use.
    MainWindow again(TestState());
    again.startup()->FormCreate();
    const QByteArray settings = readFile(d + "/VXSettings61.dat");
    ASSERT_EQ(settings.size(), 12048);
    EXPECT_EQ(byteAt(settings, 2426), 1);
}

TEST(FormCreate, ReadOnlyDataFileRefusesAndRemovesTheMarker)
{
    // A data folder path with "&": the Draft show's path is shown with it doubled.
    const QString base = testsupport::sandboxRoot() + "/R&D";
    QDir().mkpath(base);
    qputenv("XDG_DATA_HOME", base.toLocal8Bit());
    const QString d = dataFolder();
    ASSERT_TRUE(writeFile(d + "/vistamo.vxt", {}));
    setReadOnly(d + "/vistamo.vxt", true);
    ASSERT_TRUE(writeFile(d + "/AllMyShow.dat", {}));
    setReadOnly(d + "/AllMyShow.dat", true);

    Quiet quiet;
    MainWindow form(TestState());
    form.startup()->FormCreate();
    EXPECT_EQ(TestState().start.StartAbort, 1);
    EXPECT_NE(TestState().start.StartupRunFlag, 1);
    // The first hit in checking order is reported, one message only.
    const QString expected = base + "/Vistamo/vistamo.vxt";
    EXPECT_TRUE(shown(PromptKind::Error,
                      QString(expected).replace("&", "&&") + " is set to read only, can not run Vistamo!"));
    EXPECT_EQ(promptLog().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(d + "/OtherRun.dat"));
    EXPECT_FALSE(QFileInfo::exists(d + "/VXSettings61.dat"));
}

TEST(FormCreate, NarrowScreenRefuses)
{
    Quiet quiet;
    SetScreenWidthForTests(640);
    MainWindow form(TestState());
    form.startup()->FormCreate();
    SetScreenWidthForTests(0);
    EXPECT_EQ(TestState().start.StartAbort, 1);
    EXPECT_TRUE(shown(PromptKind::Error, "Screen resolation must be at least 800x600, can not run Vistamo!"));
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/OtherRun.dat"));
}

TEST(FormCreate, ProgramNotOnAFixedDriveRefuses)
{
    Quiet quiet;
    const QString program = QCoreApplication::applicationDirPath();
    setFakeMountTable({MountEntry{"/", "ext4", "/dev/sda1", false}, MountEntry{program, "vfat", "/dev/sdb1", true}});
    MainWindow form(TestState());
    form.startup()->FormCreate();
    clearFakeMountTable();
    EXPECT_EQ(TestState().start.StartAbort, 1);
    EXPECT_TRUE(shown(PromptKind::Error,
                      "Please install Vistamo! on a fixed drive first and then run the program again"));
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/OtherRun.dat"));
}

TEST(FormCreate, DemoModeReadsTheSettingsAtTheDriveRootAndRefusesWithoutThem)
{
    Quiet quiet;
    const QString cd = freshDir("cdrom");
    QDir().mkpath(cd + "/shows");
    setFakeMountTable({MountEntry{"/", "ext4", "/dev/sda1", false}, MountEntry{cd, "iso9660", "/dev/sr0", true}});
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(cd + "/shows");

    MainWindow refused(TestState());
    refused.startup()->StartParameters = {"/vxdemo"};
    refused.startup()->FormCreate();
    EXPECT_EQ(TestState().start.DemoMode, 1);
    EXPECT_EQ(TestState().start.StartAbort, 1);
    EXPECT_TRUE(shown(PromptKind::Plain, "No settingsfile found, run will be terminated"));
    // Nothing is written at the drive root, no marker is made.
    EXPECT_FALSE(QFileInfo::exists(cd + "/VXSettings61.dat"));
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/OtherRun.dat"));

    // With the file there the demo runs from it and writes nothing.
    TSettingsRecord rec;
    rec.AutoShowPath = "/media/elsewhere/shows/Trip.vxt";
    ASSERT_TRUE(WriteSettingsFile(cd + "/VXSettings61.dat", rec).ok());
    ASSERT_TRUE(writeFile(cd + "/media/elsewhere/shows/Trip.vxt", "x"));
    const QByteArray before = readFile(cd + "/VXSettings61.dat");
    clearPromptLog();
    MainWindow demo(TestState());
    demo.startup()->StartParameters = {"/vxdemo"};
    demo.startup()->FormCreate();
    QDir::setCurrent(oldCwd);
    clearFakeMountTable();
    EXPECT_EQ(TestState().start.StartAbort, 0);
    EXPECT_EQ(TestState().start.StartupRunFlag, 1);
    EXPECT_EQ(TestState().paths.SettingsFileName, cd + "/VXSettings61.dat");
    EXPECT_EQ(readFile(cd + "/VXSettings61.dat"), before);
    EXPECT_FALSE(demo.startup()->VisibleAtStart());
    EXPECT_FALSE(demo.findChild<QMenu*>("Bestand1")->menuAction()->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/OtherRun.dat"));
}

TEST(FormCreate, OlderSettingsFileIsMigratedWithAMessage)
{
    const QString d = dataFolder();
    QDir().mkpath(d);
    TSettingsRecord old;
    old.PlayOrder = 2;
    old.SearchShowResults = "0";
    ASSERT_TRUE(WriteSettingsFile(d + "/VXSettings54.dat", old).ok());
    Quiet quiet;
    MainWindow form(TestState());
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    EXPECT_TRUE(shown(PromptKind::Information, "Vistamo! : Settingsfile converted to new version"));
    EXPECT_EQ(TestState().paths.FoundSettingsVersion, 54);
    EXPECT_FALSE(QFileInfo::exists(d + "/VXSettings54.dat"));
    TSettingsRecord now;
    ASSERT_TRUE(ReadSettingsFile(d + "/VXSettings61.dat", now).ok());
    EXPECT_EQ(now.PlayOrder, 2);
    EXPECT_EQ(now.SearchShowResults, QStringLiteral("1"));  // upgrade block 54
    EXPECT_EQ(now.RunningMarker, 1);
}

TEST(FormCreate, ShortSettingsFileIsKeptAsBadAndDefaultsWritten)
{
    const QString d = dataFolder();
    ASSERT_TRUE(writeFile(d + "/VXSettings61.dat", QByteArray(300, 'q')));
    Quiet quiet;
    MainWindow form(TestState());
    form.startup()->FormCreate();
    EXPECT_EQ(TestState().start.StartAbort, 0);
    EXPECT_EQ(readFile(d + "/VXSettings61.dat.bad"), QByteArray(300, 'q'));
    EXPECT_EQ(QFileInfo(d + "/VXSettings61.dat").size(), 12048);
}

TEST(FormCreate, ArgumentStartWritesNoSettingsAndItsCloseRemovesTheMarker)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Quiet quiet;
    {
        MainWindow first(TestState());  // a normal start makes the settings file
        first.startup()->FormCreate();
        first.closing()->CloseWithoutSaving = true;
    }
    const QString d = dataFolder();
    QFile::remove(d + "/OtherRun.dat");
    const QByteArray before = readFile(d + "/VXSettings61.dat");
    const QString pictures = freshDir("pictures");

    MainWindow form(TestState());
    form.startup()->StartParameters = {pictures};
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    EXPECT_EQ(TestState().start.ArgumentMode, 1);
    EXPECT_FALSE(form.startup()->VisibleAtStart());
    EXPECT_TRUE(QFileInfo::exists(d + "/OtherRun.dat"));
    Settings.PlayOrder = 4;
    EXPECT_TRUE(form.closing()->FormClose());
    EXPECT_FALSE(QFileInfo::exists(d + "/OtherRun.dat"));
    EXPECT_EQ(readFile(d + "/VXSettings61.dat"), before);
}

TEST(FormCreate, NormalCloseMergesWithTheFileOnDisk)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Quiet quiet;
    MainWindow form(TestState());
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    const QString path = dataFolder() + "/VXSettings61.dat";
    // Another instance changes the interval on disk; this one the play order.
    TSettingsRecord disk;
    ASSERT_TRUE(ReadSettingsFile(path, disk).ok());
    disk.IntervalIndex = 17;
    ASSERT_TRUE(WriteSettingsFile(path, disk).ok());
    Settings.PlayOrder = 3;
    EXPECT_TRUE(form.closing()->FormClose());
    TSettingsRecord after;
    ASSERT_TRUE(ReadSettingsFile(path, after).ok());
    EXPECT_EQ(after.IntervalIndex, 17);
    EXPECT_EQ(after.PlayOrder, 3);
    EXPECT_EQ(after.RunningMarker, 0);
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/OtherRun.dat"));
}

TEST(FormCreate, AStartupFolderOnAVolumeNotMountedNamesThatVolume)
{
    QDir().mkpath(dataFolder());
    TSettingsRecord rec;
    FillFirstRunSettings(rec, TFirstRunInputs{dataFolder(), "/", "Sans", 0, 1});
    rec.StartupFolder = "/media/vistamo-absent-stick/Photos";
    ASSERT_TRUE(WriteSettingsFile(dataFolder() + "/VXSettings61.dat", rec).ok());
    Quiet quiet;
    MainWindow form(TestState());
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    EXPECT_EQ(TestState().start.StartupMessage,
              QStringLiteral("Drive /media/vistamo-absent-stick: not ready, could not open Default start-up folder "
                             "/media/vistamo-absent-stick/Photos."));
    form.closing()->FormClose();
}

TEST(FormCreate, FolderArgumentOpenedNormallyMakesTheDataFilesWritableAgain)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString pictures = freshDir("pictures");
    // The launcher is answered "open in the normal window".
    ScopedPromptResponder responder([&](const PromptRequest& r) {
        if (r.text == pictures)
            return PromptReply::button(PromptAnswer::Ignore);
        return defaultReply(r);
    });
    MainWindow form(TestState());
    form.startup()->StartParameters = {pictures};
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    ASSERT_EQ(TestState().start.ArgumentMode, 1);
    SetDataFileMode(TestState().start, FileModeReadWrite, false);
    EXPECT_EQ(CurrentFileMode(), FileModeReadOnly);  // an argument start opens data files read only

    form.startup()->DispatchStartArgument();
    EXPECT_EQ(TestState().start.OpenNormally, 1);
    EXPECT_EQ(TestState().start.ArgumentMode, 0);
    EXPECT_EQ(CurrentFileMode(), FileModeReadWrite);
    SetDataFileMode(TestState().start, FileModeReadWrite, false);
    EXPECT_EQ(CurrentFileMode(), FileModeReadWrite);
    EXPECT_TRUE(form.isVisible());
    // Now a normal instance: its close saves the settings.
    Settings.PlayOrder = 2;
    EXPECT_TRUE(form.closing()->FormClose());
    TSettingsRecord after;
    ASSERT_TRUE(ReadSettingsFile(dataFolder() + "/VXSettings61.dat", after).ok());
    EXPECT_EQ(after.PlayOrder, 2);
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/OtherRun.dat"));
}

TEST(FormCreate, ShowFileArgumentCancelledClosesWithoutSaving)
{
    const QString dir = freshDir("shows");
    ASSERT_TRUE(writeFile(dir + "/Trip.vxt", {}));
    Quiet quiet;  // the launcher's default answer is Cancel
    MainWindow form(TestState());
    form.startup()->StartParameters = {dir + "/Trip.vxt"};
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    EXPECT_EQ(TestState().start.ShowFileArgument, 1);
    const QByteArray before = readFile(dataFolder() + "/VXSettings61.dat");
    form.startup()->DispatchStartArgument();
    EXPECT_NE(TestState().start.OpenNormally, 1);
    EXPECT_TRUE(form.closing()->FormClose());
    EXPECT_EQ(readFile(dataFolder() + "/VXSettings61.dat"), before);
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/OtherRun.dat"));
}

TEST(FormCreate, RequestFileMakesADesktopLinkToTheShowsFolder)
{
    QDir().mkpath(dataFolder());
    ASSERT_TRUE(writeFile(dataFolder() + "/CSCSS.txt", "x"));
    Quiet quiet;
    MainWindow form(TestState());
    form.startup()->FormCreate();
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/CSCSS.txt"));
    const QString link = QDir::homePath() + "/Desktop/Vistamo! Slide Shows.desktop";
    ASSERT_TRUE(QFileInfo(link).isFile());
    const QByteArray text = readFile(link);
    EXPECT_TRUE(text.contains("Type=Link"));
    // The address is percent-encoded (the folder's name has a blank).
    EXPECT_TRUE(text.contains("URL=" + QUrl::fromLocalFile(dataFolder() + "/Vistamo! Slide Shows").toEncoded() + "\n"));
    EXPECT_TRUE(text.contains("/Vistamo!%20Slide%20Shows\n"));
    EXPECT_TRUE(text.contains("Comment=Quick access to your Vistamo! slide shows"));
}

TEST(FormCreate, CloseDuringAShowEndsTheShowThenSaves)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Quiet quiet;
    MainWindow form(TestState());
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    form.show();
    TestState().session.PlaybackActive = 1;
    Settings.PlayOrder = 3;
    form.close();
    // The first pass only ends the show; the close that ending makes saves.
    EXPECT_EQ(TestState().session.PlaybackActive, 0);
    EXPECT_TRUE(QFileInfo::exists(dataFolder() + "/OtherRun.dat"));
    for (int i = 0; i < 20 && QFileInfo::exists(dataFolder() + "/OtherRun.dat"); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(QFileInfo::exists(dataFolder() + "/OtherRun.dat"));
    TSettingsRecord after;
    ASSERT_TRUE(ReadSettingsFile(dataFolder() + "/VXSettings61.dat", after).ok());
    EXPECT_EQ(after.PlayOrder, 3);
}

TEST(FormCreate, DraftShowFileArgumentOpenedNormallyOpensTheDraftShow)
{
    // Make the data folder and its Draft show with a first start.
    {
        Quiet quiet;
        MainWindow first(TestState());
        first.startup()->FormCreate();
        first.closing()->CloseWithoutSaving = true;
    }
    const QString draft = dataFolder() + "/vistamo.vxt";
    const QString argument = freshDir("copy") + "/VISTAMO.VXT";
    ASSERT_TRUE(QFile::copy(draft, argument));
    ScopedPromptResponder responder([&](const PromptRequest& r) {
        if (r.text == argument)
            return PromptReply::button(PromptAnswer::Ignore);
        return defaultReply(r);
    });
    MainWindow form(TestState());
    form.startup()->StartParameters = {argument};
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.ShowFileArgument, 1);
    form.startup()->DispatchStartArgument();
    EXPECT_EQ(TestState().start.OpenNormally, 1);
    EXPECT_EQ(form.openShow().DraftShowOpen, 1);
    EXPECT_EQ(form.openShow().NamedShowOpen, 0);
    form.closing()->CloseWithoutSaving = true;
}

TEST(FormCreate, MonthlySuggestionIsOfferedOnceAMonthAndMarked)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Quiet quiet;  // answered No
    MainWindow form(TestState());
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    Settings.AskMonthlyUpdate = 1;
    Settings.SuggestionMonths.fill(0);
    clearPromptLog();
    form.startup()->OfferMonthlySuggestion();
    EXPECT_EQ(promptLog().size(), 1);
    EXPECT_EQ(promptLog().at(0).request.text, QStringLiteral("Check for Update/New version?"));
    const int month = platform::now().date().month();
    EXPECT_EQ(Settings.SuggestionMonths[size_t(month - 1)], 1);
    // Not a second time this month.
    form.startup()->OfferMonthlySuggestion();
    EXPECT_EQ(promptLog().size(), 1);
}

TEST(FormCreate, CloseWhileAnOutsideProgramRunsIsAnnouncedAndStillSaves)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Quiet quiet;
    MainWindow form(TestState());
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    Settings.PlayOrder = 2;
    form.externalPrograms()->ExternalProcessRunning = 1;
    EXPECT_TRUE(form.closing()->FormClose());
    form.externalPrograms()->ExternalProcessRunning = 0;
    EXPECT_TRUE(shown(PromptKind::Information,
                      "Vistamo! will be closed as soon the called external program is closed"));
    TSettingsRecord after;
    ASSERT_TRUE(ReadSettingsFile(dataFolder() + "/VXSettings61.dat", after).ok());
    EXPECT_EQ(after.PlayOrder, 2);
}

TEST(FormCreate, CloseIsRefusedWhileTheUploaderHasPicturesWaitingThenEmptiesTheirFolder)
{
    TAddSettingsRecord& AddSettings = TestState().settings.AddSettings;
    Quiet quiet;
    MainWindow form(TestState());
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    // A real uploader process, waiting on its input, with a batch of
    // pictures in the mail folder.
    const QString uploader = freshDir("uploader") + "/photo-uploader.sh";
    ASSERT_TRUE(writeFile(uploader, "#!/bin/sh\nread line\n"));
    const QString mail = TestState().paths.MailTempFolder;
    ASSERT_TRUE(writeFile(mail + "/U1/beach.jpg", "jpg"));
    AddSettings.UploaderPath = uploader;
    QProcess running;
    running.start(QStringLiteral("/bin/sh"), {uploader});
    ASSERT_TRUE(running.waitForStarted());

    EXPECT_FALSE(form.closing()->FormClose());
    EXPECT_TRUE(shown(PromptKind::Information, "Please close photo-uploader before closing Vistamo!\n\n"
                                               "Temporary picture files to be uploaded would be lost!"));
    EXPECT_FALSE(form.closing()->CloseDone);
    EXPECT_TRUE(QFileInfo::exists(mail + "/U1/beach.jpg"));

    // Once the uploader has ended the close goes on and the batch goes.
    running.closeWriteChannel();
    ASSERT_TRUE(running.waitForFinished());
    EXPECT_TRUE(form.closing()->FormClose());
    EXPECT_TRUE(form.closing()->CloseDone);
    EXPECT_TRUE(QFileInfo(mail).isDir());
    EXPECT_TRUE(QDir(mail).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    AddSettings.UploaderPath.clear();
}

TEST(FormCreate, UploaderNamesTheUploadCommandsAndTheDisabledButtonIsGrey)
{
    TAddSettingsRecord& AddSettings = TestState().settings.AddSettings;
    Quiet quiet;
    const QString uploader = freshDir("prog") + "/photo-uploader.sh";
    ASSERT_TRUE(writeFile(uploader, "#!/bin/sh\n"));
    // An upload program of the known ones on PATH is found at start and kept
    // in the additional settings.
    const QString bin = freshDir("bin");
    ASSERT_TRUE(writeFile(bin + "/uploadr", "#!/bin/sh\n"));
    QFile(bin + "/uploadr").setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toLocal8Bit() + ':' + path);
    MainWindow form(TestState());
    form.startup()->FormCreate();
    qputenv("PATH", path);
    ASSERT_EQ(TestState().start.StartAbort, 0);
    TAddSettingsRecord stored;
    ASSERT_TRUE(DecodeAddSettings(readFile(TestState().paths.AddSettingsPath), stored).ok());
    EXPECT_EQ(stored.UploaderPath, bin + "/uploadr");
    EXPECT_EQ(form.actionNamed("UploadPicture")->text(), QStringLiteral("&Upload picture through uploadr"));
    AddSettings.UploaderPath = uploader;
    form.startup()->ApplyUploadCaptions();
    EXPECT_EQ(form.actionNamed("UploadPicture")->text(), QStringLiteral("&Upload picture through photo-uploader"));
    EXPECT_EQ(form.findChild<QToolButton*>(QStringLiteral("UploadSp"))->toolTip(), QStringLiteral("Upload show through photo-uploader"));

    // Disabled, the button shows the grey copy of its glyph.
    form.findChild<QToolButton*>(QStringLiteral("UploadSp"))->setEnabled(false);
    form.startup()->UpdateUploadButtonGlyph();
    const QImage grey = form.findChild<QToolButton*>(QStringLiteral("UploadSp"))->icon().pixmap(16, 16).toImage();
    ASSERT_FALSE(grey.isNull());
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QColor c = grey.pixelColor(x, y);
            EXPECT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << "," << y;
        }
    AddSettings.UploaderPath.clear();
    form.closing()->FormClose();
}

TEST(FormCreate, DeletingAPictureAsksAboutItsVoiceFileThroughTheVoiceWindow)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString folder = freshDir("voice");
    const QString picture = folder + "/beach.jpg";
    const QString voice = folder + "/beach.wav";
    ASSERT_TRUE(writeFile(picture, "jpg"));
    ASSERT_TRUE(writeFile(voice, "RIFF"));
    QString titleShown;
    ScopedPromptResponder responder([&](const PromptRequest& r) {
        if (r.text == voice) {
            titleShown = r.title;
            return PromptReply::button(PromptAnswer::NoToAll);   // "Never"
        }
        return defaultReply(r);
    });
    MainWindow form(TestState());
    form.startup()->FormCreate();
    ASSERT_EQ(TestState().start.StartAbort, 0);
    form.show();   // the window's file operations are made as it first shows
    FileOperationsController* fileOps = FileOperationsController::Of(&form);
    ASSERT_NE(fileOps, nullptr);
    fileOps->carryVoice(picture, false, "D", QString());
    EXPECT_EQ(titleShown, QStringLiteral("Voice file detected (.wav)"));
    EXPECT_TRUE(QFileInfo::exists(voice));             // kept
    EXPECT_EQ(Settings.VoiceDeleteMode, QStringLiteral("2"));   // and never asked again
    form.closing()->FormClose();
}
