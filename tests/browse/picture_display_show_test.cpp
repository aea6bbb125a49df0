// The picture commands of a show list and of a page selection, and the
// look-ahead record of the picture that follows in the show.
#include "base/file_helpers.h"
#include "support/test_state.h"
#include "base/picture_table.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/fit_zoom.h"
#include "browse/fit_zoom_section.h"
#include "browse/picture_display.h"
#include "browse/page_selection.h"
#include "browse/picture_display_section.h"
#include "browse/picture_loader.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "formats/picture_fixtures.h"
#include "support/sandbox.h"

#include <QToolButton>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void showAll(std::initializer_list<QAction*> actions)
{
    for (QAction* a : actions)
        if (a)
            a->setVisible(true);
}

void setList(const QStringList& paths)
{
    TestState().session.PictureTable.assign(size_t(paths.size()) + 10, TPictureEntry());
    for (int i = 0; i < paths.size(); ++i) {
        TestState().session.PictureTable[size_t(i)].FullPath = paths[i];
        TestState().session.PictureTable[size_t(i)].RecordIndex = i;
    }
    TestState().session.PictureCount = int32_t(paths.size());
    TestState().session.PictureIndex = 0;
}

} // namespace

TEST(PictureDisplayShow, RemoveRulesOfAShowList)
{
    EXPECT_EQ(RemoveFromShowHint("Holiday", false), "Remove picture from Holiday - 'D'");
    EXPECT_EQ(RemoveFromShowHint("Draft", true), "Remove pictures from Draft - 'D'");
    // The Draft show may lose pictures on a full drive; a named show not.
    EXPECT_TRUE(ShowRemoveAllowed(false, true, "Draft", 0));
    EXPECT_FALSE(ShowRemoveAllowed(false, true, "Holiday", 0));
    EXPECT_TRUE(ShowRemoveAllowed(false, true, "Holiday", 1));
    // A show that may not be changed, unless the show plays its own file.
    EXPECT_FALSE(ShowRemoveAllowed(false, false, "Draft", 100));
    EXPECT_TRUE(ShowRemoveAllowed(true, false, "Holiday", 100));
}

TEST(PictureDisplayShow, SelectionCommandsFollowTheCountAndTheShowState)
{
    SelectionCommandInput in;
    in.selected = 1;
    in.direction = 0;
    in.voiceFileExists = true;
    SelectionCommandState s = ComputeSelectionCommands(in, "Draft");
    EXPECT_TRUE(s.backwards1 && s.forward1 && s.showForward && s.showInReverse);
    EXPECT_FALSE(s.manualMode);
    EXPECT_TRUE(s.save && s.move && s.rename && s.micro && s.voicePlay && s.clipboard);
    EXPECT_EQ(s.recycleHint, "Send picture(s) to Recycle Bin - 'D'");
    EXPECT_EQ(s.recycleCaption, "Send picture(s) to Recycle &Bin          ~- D");

    in.selected = 3;
    in.direction = 1;
    s = ComputeSelectionCommands(in, "Draft");
    EXPECT_FALSE(s.showForward);
    EXPECT_TRUE(s.showInReverse && s.manualMode && s.recycle && s.rotate && s.addMult);
    EXPECT_FALSE(s.save || s.move || s.clipboard || s.voicePlay);

    in.pageHoldsAll = true;
    s = ComputeSelectionCommands(in, "Draft");
    EXPECT_FALSE(s.showForward || s.showInReverse || s.manualMode || s.backwards1 || s.forward1);

    in.sourceIsShow = true;
    in.removeAllowed = false;
    s = ComputeSelectionCommands(in, "Holiday");
    EXPECT_EQ(s.recycleHint, "Remove pictures from Holiday - 'D'");
    EXPECT_EQ(s.recycleCaption, "Remove pictures from M&yShow     ~- D");
    EXPECT_FALSE(s.recycle || s.rotate || s.voice || s.showAll);
}

TEST(PictureDisplayShow, ShowListPictureNamesTheShowAndChecksTheVoiceFile)
{
    const QString dir = testsupport::freshDir("showcmds");
    const QString picture = dir + "/a.jpg";
    ASSERT_TRUE(testsupport::writeFile(picture, "x"));
    setList({picture});
    TestState().session.PlaybackActive = 1;
    TestState().session.CutOutCount = 0;
    MainWindow form(TestState());
    form.openShow().SourceIsShow = 1;
    form.openShow().ShowChangeable = 0;
    form.openShow().OpenShowName = "Holiday";
    form.pictureDisplay()->AudioInputPresent = [] { return true; };
    showAll({form.actionNamed("RecycleBinToolButton"), form.actionNamed("SendRecycleBin"), form.actionNamed("Voice"),
             form.actionNamed("MicroTB"), form.actionNamed("VoicePlayTB")});
    form.pictureDisplay()->SetPictureMenuCaptions();
    EXPECT_EQ(form.actionNamed("RecycleBinToolButton")->toolTip(), "Remove picture from Holiday - 'D'");
    EXPECT_EQ(form.actionNamed("SendRecycleBin")->text(), "Remove picture from M&yShow     ~- D");
    EXPECT_FALSE(form.actionNamed("RecycleBinToolButton")->isEnabled());   // the show may not be changed
    EXPECT_TRUE(form.actionNamed("MicroTB")->isEnabled());
    EXPECT_FALSE(form.actionNamed("VoicePlayTB")->isEnabled());             // no voice file yet

    ASSERT_TRUE(testsupport::writeFile(VoicePathFor(picture), "RIFF"));
    form.openShow().ShowChangeable = 1;
    form.openShow().OpenShowName = "Draft";
    form.pictureDisplay()->SetPictureMenuCaptions();
    EXPECT_TRUE(form.actionNamed("RecycleBinToolButton")->isEnabled());
    EXPECT_TRUE(form.actionNamed("VoicePlayTB")->isEnabled());

    TestState().session.PlaybackActive = 0;
}

TEST(PictureDisplayShow, PageSelectionSetsClipboardAndStepButtons)
{
    const QString dir = testsupport::freshDir("selcmds");
    ASSERT_TRUE(testsupport::writeFile(dir + "/a.jpg", "x"));
    ASSERT_TRUE(testsupport::writeFile(dir + "/b.jpg", "x"));
    setList({dir + "/a.jpg", dir + "/b.jpg", dir + "/c.jpg", dir + "/d.jpg"});
    TestState().session.ShowState = TShowState();
    TestState().session.ShowState.Direction = 0;
    QList<int> ticked{1};
    // A page of two cells with the ticked pictures of `ticked`.
    struct TwoCellPage : PageSelection {
        const QList<int>& ticked;
        explicit TwoCellPage(const QList<int>& t) : ticked(t) {}
        bool ThumbnailViewActive() const override { return true; }
        int ShownSlotCount() const override { return 2; }
        QStringList TickedPictures() const override
        {
            QStringList paths;
            for (int i : ticked)
                paths << TestState().session.PictureTable[size_t(i)].FullPath;
            return paths;
        }
    } page(ticked);
    MainWindow form(TestState());
    form.openShow().SourceIsShow = 0;
    form.pictureDisplay()->SetPage(&page);

    showAll({form.actionNamed("Backwards1ToolButton"), form.actionNamed("ManualModeToolButton"),
             form.actionNamed("SaveToolButton"), form.actionNamed("PictureToClipboard")});
    form.pictureDisplay()->displayState().CurrentPicturePath = "old";
    form.pictureDisplay()->SetSelectionMenuCaptions();
    EXPECT_EQ(form.pictureDisplay()->displayState().CurrentPicturePath, dir + "/b.jpg");
    EXPECT_TRUE(form.actionNamed("Backwards1ToolButton")->isEnabled());
    EXPECT_FALSE(form.actionNamed("ManualModeToolButton")->isEnabled());
    EXPECT_TRUE(form.actionNamed("SaveToolButton")->isEnabled());
    EXPECT_TRUE(form.actionNamed("PictureToClipboard")->isVisible());
    EXPECT_EQ(form.actionNamed("PictureToClipboard")->text(), "&Picture to Clipboard");

    ticked = {0, 1};
    form.pictureDisplay()->SetSelectionMenuCaptions();
    EXPECT_TRUE(form.pictureDisplay()->displayState().CurrentPicturePath.isEmpty());
    EXPECT_FALSE(form.actionNamed("PictureToClipboard")->isVisible());
    EXPECT_FALSE(form.actionNamed("SaveToolButton")->isEnabled());

}

TEST(PictureDisplayShow, LookAheadReadsTheNextRecordOfTheOpenShow)
{
    const QString dir = testsupport::freshDir("prefetch");
    MainWindow form(TestState());
    OpenShow& show = form.openShow();
    ASSERT_TRUE(OpenDraftShow(show, dir + "/vistamo.vxt", dir + "/vistamo.tmp").ok());
    const QStringList pictures{dir + "/a.jpg", dir + "/b.jpg", dir + "/c.jpg"};
    for (const QString& p : pictures)
        ASSERT_TRUE(AddPictureToShowFile(show, p).ok());
    setList(pictures);
    TestState().session.ShowState = TShowState();

    ShowWindow window(TestState());
    form.setShowWindow(&window);
    window.Play({0, 1, 2}, false, [] {});   // no display step: only the cursor moves
    ASSERT_EQ(TestState().session.PictureIndex, 0);
    form.pictureDisplay()->PrefetchNextShowRecord("TFFile");
    EXPECT_EQ(show.NextShowRec.PicturePath, pictures[1]);
    EXPECT_EQ(TestState().session.ShowState.LastPictureAhead, 0);

    window.Step(1);
    window.Step(1);   // the last picture: the end of the order is next
    form.pictureDisplay()->PrefetchNextShowRecord("TFFile");
    EXPECT_EQ(show.NextShowRec.PicturePath, pictures[0]);
    EXPECT_EQ(TestState().session.ShowState.LastPictureAhead, 1);
    EXPECT_EQ(TestState().session.PictureIndex, 2);   // the cursor did not move

    TestState().session.ShowState.Direction = -1;
    form.pictureDisplay()->PrefetchNextShowRecord("TFFile");
    EXPECT_EQ(show.NextShowRec.PicturePath, pictures[1]);
    EXPECT_EQ(TestState().session.ShowState.LastPictureAhead, 0);

    window.StopSlideShow();
    CloseOpenShow(show);
}

TEST(PictureDisplayShow, RatioMenuSetsTheCropRatio)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    ShowWindow window(TestState());
    form.setShowWindow(&window);   // as the program pairs them at start
    QMenu* menu = window.findChild<QMenu*>("PMRatio");
    ASSERT_NE(menu, nullptr);
    QAction* wide = window.findChild<QAction*>("Ratio16x9");
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->text(), "16:9");
    wide->trigger();
    EXPECT_EQ(Settings.CropRatioWidth, 16);
    EXPECT_EQ(Settings.CropRatioHeight, 9);
    window.RefreshRatioMenu();
    EXPECT_TRUE(wide->isChecked());

    QAction* square = window.findChild<QAction*>("RatioSquare");
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->text(), "Square");
    square->trigger();
    EXPECT_EQ(Settings.CropRatioWidth, 0);
    window.RefreshRatioMenu();
    EXPECT_TRUE(square->isChecked());
    EXPECT_FALSE(wide->isChecked());

    // The custom choice opens the custom ratio panel of the main window.
    QAction* custom = window.findChild<QAction*>("RatioCustom");
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(custom->text(), "Custom ratio");
    custom->trigger();
    QWidget* panel = form.findChild<QWidget*>("PnlCustomRatio");
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isHidden());
    auto* cancel = panel->findChild<QPushButton*>("BtnCancel");
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    EXPECT_TRUE(panel->isHidden());
}

TEST(PictureDisplayShow, IntervalOfAShowRecord)
{
    // 999 waits for the picture's voice only when that sound file exists.
    EXPECT_EQ(ShowRecordIntervalSeconds(999, "F", "/v/a.wav", true, 5), 999);
    EXPECT_EQ(ShowRecordIntervalSeconds(999, "F", "/v/a.wav", false, 5), 5);
    EXPECT_EQ(ShowRecordIntervalSeconds(999, "L", "/v/list", true, 5), 5);
    EXPECT_EQ(ShowRecordIntervalSeconds(999, "F", "", true, 5), 5);
    EXPECT_EQ(ShowRecordIntervalSeconds(0, "", "", false, 5), 5);
    EXPECT_EQ(ShowRecordIntervalSeconds(8, "", "", false, 5), 8);
}

TEST(PictureDisplayShow, DisplayStepReadsTheRecordOfTheOpenShow)
{
    const QString dir = testsupport::freshDir("showstep");
    const QStringList pictures{dir + "/a.jpg", dir + "/b.jpg"};
    for (const QString& p : pictures)
        ASSERT_TRUE(testsupport::writeFile(p, fixtures::jpeg(64, 48)));
    MainWindow form(TestState());
    OpenShow& show = form.openShow();
    ASSERT_TRUE(OpenDraftShow(show, dir + "/vistamo.vxt", dir + "/vistamo.tmp").ok());
    for (const QString& p : pictures)
        ASSERT_TRUE(AddPictureToShowFile(show, p).ok());
    TShowRecord first = NewPictureRecord(pictures[0], 40);
    first.IntervalSeconds = 999;        // as long as a voice that is missing
    first.SoundKind = "F";
    first.SoundFile = dir + "/missing.wav";
    first.TextLines[0] = "Hello";
    ASSERT_TRUE(show.ShowFile.Write(0, EncodeShowRecord(first)).ok());
    TShowRecord second = NewPictureRecord(pictures[1], 40);
    second.IntervalSeconds = 4;
    ASSERT_TRUE(show.ShowFile.Write(1, EncodeShowRecord(second)).ok());

    setList(pictures);
    TestState().session.PlaybackActive = 1;
    show.SourceIsShow = 1;
    TestState().session.AutoShowRunning = 0;
    TestState().session.ShowState = TShowState();
    TestState().session.ShowState.DefaultInterval = 7;

    form.pictureDisplay()->DisplayCurrentPicture();
    testsupport::waitForPictureAnswers();
    EXPECT_TRUE(form.pictureDisplay()->displayState().LoadErrorKind.isEmpty());
    EXPECT_EQ(show.ShowRec.TextLines[0], "Hello");
    EXPECT_EQ(TestState().session.ShowState.CurrentInterval, 7);
    TestState().session.PictureIndex = 1;
    form.pictureDisplay()->DisplayCurrentPicture();
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(TestState().session.ShowState.CurrentInterval, 4);

    // An entry whose record belongs to another picture keeps the default.
    TestState().session.PictureTable[0].RecordIndex = 1;
    TestState().session.PictureIndex = 0;
    TestState().session.ShowState.CurrentInterval = 7;
    form.pictureDisplay()->DisplayCurrentPicture();
    testsupport::waitForPictureAnswers();
    EXPECT_TRUE(form.pictureDisplay()->displayState().LoadErrorKind.isEmpty());
    EXPECT_EQ(TestState().session.ShowState.CurrentInterval, 7);

    CloseOpenShow(show);
    TestState().session.PlaybackActive = 0;
}

TEST(PictureDisplayShow, FullViewShowsRotateAndRatioButtonsForWritablePictures)
{
    const QString dir = testsupport::freshDir("fullbuttons");
    ASSERT_TRUE(testsupport::writeFile(dir + "/a.jpg", fixtures::jpeg(64, 48)));
    ASSERT_TRUE(testsupport::writeFile(dir + "/b.jpg", fixtures::jpeg(64, 48)));
    testsupport::setReadOnly(dir + "/b.jpg", true);
    ShowWindow window(TestState());
    window.StartFullView(dir + "/a.jpg");
    testsupport::waitForPictureAnswers();
    auto* left = window.findChild<QToolButton*>("SBRotateLeft");
    auto* ratio = window.findChild<QToolButton*>("SBRatio");
    ASSERT_TRUE(left && ratio);
    EXPECT_FALSE(left->isHidden());   // the control panel itself may be hidden
    EXPECT_TRUE(left->isEnabled());
    EXPECT_FALSE(ratio->isHidden());
    window.StopSlideShow();

    window.StartFullView(dir + "/b.jpg");
    testsupport::waitForPictureAnswers();
    EXPECT_TRUE(left->isHidden());
    window.StopSlideShow();
    testsupport::setReadOnly(dir + "/b.jpg", false);
}

TEST(PictureDisplayShow, DemoSoundLiesOnTheStartUpDrive)
{
    EXPECT_EQ(DemoSoundPath("/media/cd/sounds/a.wav", "/media/cd", "/media/usb"), "/media/usb/sounds/a.wav");
    EXPECT_EQ(DemoSoundPath("/sounds/a.wav", "/", "/media/cd"), "/media/cd/sounds/a.wav");
    EXPECT_EQ(DemoSoundPath("/media/cd/a.wav", "/media/cd", "/"), "/a.wav");
    EXPECT_EQ(DemoSoundPath("", "/", "/media/cd"), "");
    EXPECT_EQ(DemoSoundPath("/" + QString(300, 'x'), "/", "/m").size(), 200);
}
