#include "base/data_folder.h"
#include "support/test_state.h"
#include "base/picture_table.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "app/main_window.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_loader_slots.h"
#include "platform/prompt.h"
#include "slideshow/launcher_window.h"
#include "base/rc_settings.h"
#include "shows/show_record.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include "support/sandbox.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QtEndian>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

void makePicture(const QString& path, int bytes = 0)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QDir().mkpath(QFileInfo(path).path());
    if (bytes > 0) {
        writeFile(path, QByteArray(bytes, 'x'));
        return;
    }
    image.save(path);
}

struct ModeReset {
    ~ModeReset()
    {
        TestState().start.ArgumentMode = 0;
        TestState().start.OpenNormally = 0;
        TestState().session.PlaybackActive = 0;
        TestState().session.CloseAfterShowPending = 0;
    }
};

} // namespace

TEST(RCSettings, DefaultRecordByteByByteAndRoundTrip)
{
    const QByteArray b = EncodeRCSettings(DefaultRCSettings());
    ASSERT_EQ(b.size(), 664);
    QByteArray expected(664, '\0');
    expected[0] = 1;  // include subfolders
    expected[1] = 1;  // play voice recordings
    expected[3] = 1;  // fade
    expected[4] = 1;  // play order random
    expected[8] = 1;  // playlist order random
    EXPECT_EQ(b, expected);

    TRCSettingsRecord r = DefaultRCSettings();
    r.PlaylistPath = QStringLiteral("/m/list.vxz");
    r.Loop = 1;
    r.PlaylistOrder = 0x0A0B0C0D;
    const QByteArray c = EncodeRCSettings(r);
    EXPECT_EQ(quint8(c[12]), 11);
    EXPECT_EQ(c.mid(13, 11), QByteArray("/m/list.vxz"));
    EXPECT_EQ(c[213], 1);
    EXPECT_EQ(quint8(c[8]), 0x0D);

    const QString path = freshDir(QStringLiteral("rc")) + QStringLiteral("/RCSettings.dat");
    EXPECT_EQ(ReadRCSettings(path).IncludeSubfolders, 1); // missing: defaults
    ASSERT_TRUE(WriteRCSettings(path, r).ok());
    EXPECT_EQ(readFile(path), c);
    EXPECT_EQ(ReadRCSettings(path).PlaylistPath, r.PlaylistPath);
}

TEST(PlayOptions, TakenFromTheSettingsOrTheAutomaticShow)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    TSettingsRecord s;
    s.PlayOrder = 1;
    s.IntervalIndex = 4;
    s.IncludeSubfolders = 1;
    s.InclGIF = 0;
    s.InclJPG = 1;
    s.MaxSizeKB = 10;
    s.ContinuousPlay = 1;
    s.AutoShowOptions.PlayOrder = 0;
    s.AutoShowOptions.IntervalIndex = 3;
    s.AutoShowOptions.InclGIF = 1;
    const TPlayOptions live = PlayOptionsFrom(s, false);
    EXPECT_EQ(live.PlayOrder, 1);
    EXPECT_EQ(live.IntervalSeconds, 10);   // choices 0..4 are 1, 2, 3, 5, 10 seconds
    EXPECT_EQ(live.InclGIF, 0);
    const TPlayOptions automatic = PlayOptionsFrom(s, true);
    EXPECT_EQ(automatic.PlayOrder, 0);
    EXPECT_EQ(automatic.IntervalSeconds, 5);
    EXPECT_EQ(automatic.InclGIF, 1);
    EXPECT_EQ(automatic.ContinuousPlay, 1);

    Settings = s;
    TestState().session.ShowState.LoopFlag = 1;
    TestState().session.PlaybackActive = 1;
    Settings.ContinuousPlay = 0;
    ApplyShowOptions(TestState().session, Settings);
    EXPECT_EQ(TestState().session.ShowState.DefaultInterval, 10);
    EXPECT_EQ(IntervalSecondsForIndex(TestState().session.ShowIntervalStep), 10);   // the speed step starts at the chosen interval
    EXPECT_EQ(TestState().session.ShowState.ContinuousPlay, 1); // the loop forces continuous play while a show runs
    TestState().session.ShowState.LoopFlag = 0;
    TestState().session.PlaybackActive = 0;
    Settings = TSettingsRecord{};

    EXPECT_TRUE(PictureIncluded(QStringLiteral("a.JPG"), 5 * 1024, live));
    EXPECT_FALSE(PictureIncluded(QStringLiteral("a.jpg"), 11 * 1024, live));
    EXPECT_FALSE(PictureIncluded(QStringLiteral("a.gif"), 100, live));
    EXPECT_FALSE(PictureIncluded(QStringLiteral("a.txt"), 100, live));
}

TEST(PlayOptions, CollectsAFolderWithOrWithoutSubfolders)
{
    const QString root = freshDir(QStringLiteral("collect"));
    makePicture(root + QStringLiteral("/b.jpg"));
    makePicture(root + QStringLiteral("/A.png"));
    makePicture(root + QStringLiteral("/c.bmp"));
    makePicture(root + QStringLiteral("/sub/d.jpg"));
    makePicture(root + QStringLiteral("/.hidden/e.jpg"));
    TPlayOptions options;
    FolderExclusionState exclusions;
    EXPECT_EQ(CollectFolderPictures(TestState().paths, exclusions, root, options, false),
              (QStringList{root + QStringLiteral("/b.jpg"), root + QStringLiteral("/c.bmp")}));
    options.IncludeSubfolders = 1;
    EXPECT_EQ(CollectFolderPictures(TestState().paths, exclusions, root, options, false).size(), 3);
    options.IncludeSystemFolders = 1;
    EXPECT_EQ(CollectFolderPictures(TestState().paths, exclusions, root, options, false).size(), 4);
    options.MaxPictures = 2;
    EXPECT_EQ(CollectFolderPictures(TestState().paths, exclusions, root, options, false).size(), 2);

}

TEST(PlayOrder, ListedRandomAlphabeticAndByDate)
{
    const QStringList paths{"/p/c.jpg", "/p/A.jpg", "/p/b.jpg", "/p/d.jpg"};
    const QList<double> dates{40000.5, 0, 39000.25, 40000.5};
    EXPECT_EQ(BuildPlayOrder(paths, dates, 0, 1), (QList<int>{0, 1, 2, 3}));
    EXPECT_EQ(BuildPlayOrder(paths, dates, 2, 1), (QList<int>{1, 2, 0, 3}));   // letter case ignored
    // Unknown dates (0) come first going up; equal dates keep the listed order.
    EXPECT_EQ(BuildPlayOrder(paths, dates, 3, 1), (QList<int>{1, 2, 0, 3}));
    EXPECT_EQ(BuildPlayOrder(paths, dates, 4, 1), (QList<int>{0, 3, 2, 1}));

    QStringList many;
    for (int i = 0; i < 50; ++i)
        many << QStringLiteral("/p/%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    QList<int> random = BuildPlayOrder(many, {}, 1, 7);
    const QList<int> listed = BuildPlayOrder(many, {}, 0, 7);
    EXPECT_NE(random, listed);
    std::sort(random.begin(), random.end());
    EXPECT_EQ(random, listed);
}

TEST(Launcher, ChoicesAreKeptOnlyWhenPlaying)
{
    const QString path = freshDir(QStringLiteral("launch")) + QStringLiteral("/RCSettings.dat");
    {
        platform::ScopedPromptResponder answer({platform::PromptReply::button(platform::PromptAnswer::Cancel)});
        ShowLauncherDialog launcher(QStringLiteral("/pics"), path);
        EXPECT_EQ(launcher.objectName(), QStringLiteral("Form34"));
        // Voice recordings, playlists and fades are not played here: greyed.
        for (QCheckBox* absent : {launcher.VoiceCB, launcher.PlaylistCB, launcher.FadeCB})
            EXPECT_FALSE(absent->isEnabled()) << absent->objectName().toStdString();
        EXPECT_TRUE(launcher.LoopCB->isEnabled());
        launcher.SubfoldersCB->setChecked(false);
        EXPECT_EQ(launcher.Run(), LauncherEnd);
        EXPECT_FALSE(QFile::exists(path));
    }
    {
        platform::ScopedPromptResponder answer({platform::PromptReply::button(platform::PromptAnswer::Ok)});
        ShowLauncherDialog launcher(QStringLiteral("/pics"), path);
        EXPECT_TRUE(launcher.SubfoldersCB->isChecked());
        launcher.SubfoldersCB->setChecked(false);
        launcher.LoopCB->setChecked(true);
        EXPECT_EQ(launcher.Run(), LauncherPlay);
        EXPECT_EQ(platform::promptLog().value(0).request.text, QStringLiteral("/pics"));
    }
    const QByteArray stored = readFile(path);
    ASSERT_EQ(stored.size(), 664);
    EXPECT_EQ(stored[0], 0);
    EXPECT_EQ(stored[213], 1);
    {
        platform::ScopedPromptResponder answer({platform::PromptReply::button(platform::PromptAnswer::Ignore)});
        ShowLauncherDialog launcher(QStringLiteral("/pics"), path);
        EXPECT_FALSE(launcher.SubfoldersCB->isChecked());
        EXPECT_EQ(launcher.Run(), LauncherNormal);
    }
    {
        // Closed without a choice: taken as Cancel, never left hanging.
        platform::ScopedPromptResponder answer({platform::PromptReply::button(platform::PromptAnswer::None)});
        ShowLauncherDialog launcher(QStringLiteral("/pics"), path);
        EXPECT_EQ(launcher.Run(), LauncherEnd);
    }
}

TEST(Launcher, FolderArgumentPlaysItsPicturesOrOpensNormally)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ModeReset reset;
    const QString folder = freshDir(QStringLiteral("argfolder"));
    makePicture(folder + QStringLiteral("/one.jpg"));
    makePicture(folder + QStringLiteral("/two.jpg"));
    TestState().paths.RCSettingsPath = freshDir(QStringLiteral("argdata")) + QStringLiteral("/RCSettings.dat");
    TestState().start.ArgumentMode = 1;
    Settings = TSettingsRecord{};
    Settings.InclJPG = 1;

    MainWindow form(TestState());
    form.folderTree()->SelectedFolder = folder;
    {
        platform::ScopedPromptResponder answer({platform::PromptReply::button(platform::PromptAnswer::Ignore)});
        form.slideShow()->ShowAddAllDialog();
        EXPECT_EQ(TestState().start.OpenNormally, 1);
        EXPECT_EQ(TestState().session.PlaybackActive, 0);
    }
    TestState().start.OpenNormally = 0;
    {
        platform::ScopedPromptResponder answer({platform::PromptReply::button(platform::PromptAnswer::Ok)});
        form.slideShow()->ShowAddAllDialog();
        EXPECT_EQ(TestState().session.PlaybackActive, 1);
        EXPECT_EQ(TestState().session.PictureCount, 2);
        ASSERT_NE(form.showWindow(), nullptr);
        EXPECT_TRUE(form.showWindow()->isVisible());
        EXPECT_TRUE(form.showWindow()->CurrentPicture().startsWith(folder));
        // The first picture went through the loader into "form9im1".
        testsupport::waitForPictureAnswers();
        EXPECT_TRUE(form.showWindow()->Slot(1)->Loaded());
        EXPECT_EQ(form.showWindow()->Slot(1)->Path(), form.showWindow()->CurrentPicture());
        form.showWindow()->Step(1);
        form.showWindow()->StopSlideShow();
        EXPECT_EQ(TestState().session.PlaybackActive, 0);
        EXPECT_FALSE(form.showWindow()->isVisible());
    }
    Settings = TSettingsRecord{};
}

TEST(Launcher, CancelAndAnEmptyFolderCloseTheMainWindow)
{
    ModeReset reset;
    TestState().paths.RCSettingsPath.clear();
    TestState().start.ArgumentMode = 1;
    MainWindow form(TestState());
    form.folderTree()->SelectedFolder = freshDir(QStringLiteral("emptyarg"));
    form.closing()->CloseWithoutSaving = true;
    form.show();
    {
        platform::ScopedPromptResponder answer({platform::PromptReply::button(platform::PromptAnswer::Cancel)});
        form.slideShow()->ShowAddAllDialog();
        EXPECT_FALSE(form.isVisible());
    }
    form.show();
    {
        platform::ScopedPromptResponder answer({platform::PromptReply::button(platform::PromptAnswer::Ok)});
        form.slideShow()->ShowAddAllDialog();
        EXPECT_EQ(TestState().session.PlaybackActive, 0);
        EXPECT_FALSE(form.isVisible());
    }
}

#include "slideshow/auto_show_windows.h"

#include <QPushButton>

TEST(AutomaticShow, ReplayCountsDownThenPlaysTheLastShow)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ModeReset reset;
    const QString folder = freshDir(QStringLiteral("auto"));
    makePicture(folder + QStringLiteral("/a.jpg"));
    makePicture(folder + QStringLiteral("/b.gif"));
    Settings = TSettingsRecord{};
    Settings.AutoShowPath = folder;
    Settings.AutoShowOptions.InclJPG = 1;
    FolderExclusionState exclusions;
    EXPECT_EQ(AutomaticShowPictures(TestState().paths, exclusions, folder, Settings, false),
              QStringList{folder + QStringLiteral("/a.jpg")});

    MainWindow form(TestState());
    AutoShowCountdownWindow replay(form, form.folderTree()->Exclusions, form.state());
    form.setReplayWindow(&replay);
    replay.StartCountdown();
    EXPECT_FALSE(form.isEnabled());
    EXPECT_EQ(replay.CountLabel->text(), QStringLiteral("5"));
    for (int i = 0; i < 4; ++i)
        replay.Tick();
    EXPECT_EQ(replay.CountLabel->text(), QStringLiteral("1"));
    EXPECT_EQ(TestState().session.PlaybackActive, 0);
    replay.Tick();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_FALSE(replay.isVisible());
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    EXPECT_EQ(TestState().session.AutoShowRunning, 1);
    ASSERT_NE(form.showWindow(), nullptr);
    EXPECT_EQ(form.showWindow()->CurrentPicture(), folder + QStringLiteral("/a.jpg"));
    form.showWindow()->StopSlideShow();
    EXPECT_EQ(TestState().session.AutoShowRunning, 0);

    // Cancel: nothing plays, the main window is usable again.
    replay.StartCountdown();
    replay.CancelCountdown();
    EXPECT_TRUE(form.isEnabled());
    EXPECT_FALSE(replay.isVisible());
    EXPECT_EQ(TestState().session.PlaybackActive, 0);
    Settings = TSettingsRecord{};
}

TEST(AutomaticShow, DemoWindowPlaysAShowFileOrEnds)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ModeReset reset;
    const QString dir = freshDir(QStringLiteral("demo"));
    makePicture(dir + QStringLiteral("/one.jpg"));
    const QString show = dir + QStringLiteral("/Demo.vxt");
    writeFile(show, EncodeShowRecord(NewPictureRecord(dir + QStringLiteral("/one.jpg"), 40))
                        + EncodeShowRecord(NewPictureRecord(dir + QStringLiteral("/gone.jpg"), 40)));
    Settings = TSettingsRecord{};
    Settings.AutoShowPath = show;
    // The missing picture keeps its place: it is reported when its turn comes.
    FolderExclusionState exclusions;
    EXPECT_EQ(AutomaticShowPictures(TestState().paths, exclusions, show, Settings, false),
              (QStringList{dir + QStringLiteral("/one.jpg"), dir + QStringLiteral("/gone.jpg")}));

    MainWindow form(TestState());
    form.closing()->CloseWithoutSaving = true;
    form.show();
    AutoShowOfferWindow demo(form, form.folderTree()->Exclusions, form.state());
    form.setDemoShowWindow(&demo);
    demo.show();
    demo.PictureShowButton->click();
    EXPECT_FALSE(demo.isVisible());
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    // The show's end offers a demo start's show again.
    form.setDemoShowWindow(&demo);
    TestState().start.DemoMode = 1;
    form.showWindow()->StopSlideShow();
    TestState().start.DemoMode = 0;
    EXPECT_TRUE(demo.isVisible());
    demo.CancelButton->click();
    EXPECT_FALSE(form.isVisible());
    Settings = TSettingsRecord{};
}

TEST(AutomaticShow, AUserStartedShowIsRememberedWithItsOptions)
{
    const QString folder = freshDir(QStringLiteral("remember"));
    TSettingsRecord s;
    s.PlayOrder = 1;
    s.IntervalIndex = 7;
    s.InclGIF = 1;
    s.ShowTitles = 1;
    StoreLastShowRecord(s, folder, true, false);
    EXPECT_TRUE(s.AutoShowPath.isEmpty());
    StoreLastShowRecord(s, folder, false, true);
    EXPECT_TRUE(s.AutoShowPath.isEmpty());
    StoreLastShowRecord(s, folder + QStringLiteral("/missing"), false, false);
    EXPECT_TRUE(s.AutoShowPath.isEmpty());
    StoreLastShowRecord(s, folder, false, false);
    EXPECT_EQ(s.AutoShowPath, folder);
    EXPECT_EQ(s.AutoShowOptions.PlayOrder, 1);
    EXPECT_EQ(s.AutoShowOptions.IntervalIndex, 7);
    EXPECT_EQ(s.AutoShowOptions.InclGIF, 1);
    EXPECT_EQ(s.AutoShowOptions.ShowTitles, 1);
}

TEST(AutomaticShow, StopButtonEndsTheShowAndACloseDuringTheShowCompletes)
{
    ModeReset reset;
    const QString folder = freshDir(QStringLiteral("stop"));
    makePicture(folder + QStringLiteral("/a.jpg"));
    MainWindow form(TestState());
    form.closing()->CloseWithoutSaving = true;
    form.show();
    form.PlayPictures({folder + QStringLiteral("/a.jpg")});
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(TestState().session.PlaybackActive, 1);
    form.actionNamed("ToolButton2")->trigger();
    EXPECT_EQ(TestState().session.PlaybackActive, 0);
    EXPECT_FALSE(form.showWindow()->isVisible());

    form.PlayPictures({folder + QStringLiteral("/a.jpg")});
    testsupport::waitForPictureAnswers();
    TestState().session.CloseAfterShowPending = 1;
    form.actionNamed("ToolButton2")->trigger();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.isVisible());
}

#include "shows/show_file.h"

TEST(ShowPictures, MissingPicturesKeepTheirPlaceAndEachPictureItsRecord)
{
    const QString dir = freshDir(QStringLiteral("gaps"));
    const QString a = dir + QStringLiteral("/a.jpg"), b = dir + QStringLiteral("/b.jpg"), c = dir + QStringLiteral("/c.jpg");
    makePicture(a);
    makePicture(c);   // b is gone
    // The missing picture stays in the show (it is reported when its turn
    // comes); records without a path are left out.
    const TShowPictures play = ShowPicturesToPlay({a, b, QString(), c});
    EXPECT_EQ(play.Paths, (QStringList{a, b, c}));
    EXPECT_EQ(play.Records, (QList<int>{0, 1, 3}));
    // A show none of whose pictures exists plays nothing.
    EXPECT_TRUE(ShowPicturesToPlay({b}).Paths.isEmpty());

    // The played picture table keeps each record number, so c gets its own
    // texts, sound and interval.
    ShowWindow show(TestState());
    show.Play(play.Paths, {0, 1, 2}, 600000, false, false, [] {}, play.Records);
    ASSERT_EQ(TestState().session.PictureCount, 3);
    EXPECT_EQ(TestState().session.PictureTable[1].RecordIndex, 1);
    EXPECT_EQ(TestState().session.PictureTable[2].RecordIndex, 3);
    show.StopSlideShow();
}

TEST(AutomaticShow, TheMainWindowDeletesOnlyTheShowWindowItMadeItself)
{
    ModeReset reset;
    const QString folder = freshDir(QStringLiteral("owner"));
    makePicture(folder + QStringLiteral("/a.jpg"));
    QPointer<ShowWindow> made;
    {
        MainWindow form(TestState());
        form.closing()->CloseWithoutSaving = true;
        form.PlayPictures({folder + QStringLiteral("/a.jpg")});
        testsupport::waitForPictureAnswers();
        made = form.showWindow();
        ASSERT_TRUE(made);
        form.slideShow()->EndShow();
    }
    EXPECT_FALSE(made);   // made at first use: it goes with the main window

    ShowWindow given(TestState());
    {
        MainWindow form(TestState());
        form.closing()->CloseWithoutSaving = true;
        form.setShowWindow(&given);
        form.PlayPictures({folder + QStringLiteral("/a.jpg")});
        testsupport::waitForPictureAnswers();
        EXPECT_EQ(form.showWindow(), &given);
        EXPECT_TRUE(given.isVisible());
        form.slideShow()->EndShow();
        // A window deleted by its maker is no longer named.
        auto* other = new ShowWindow(TestState());
        form.setShowWindow(other);
        delete other;
        EXPECT_EQ(form.showWindow(), nullptr);
    }
    EXPECT_FALSE(given.isVisible());   // given by the caller: still the caller's
}
