// The options dialog: its checks on their own values, what Apply writes and
// Cancel leaves, the program lists, the interval table, and the window
// itself offscreen, found by objectName.
#include "base/add_settings_record.h"
#include "support/test_state.h"
#include "base/data_folder.h"
#include "app/options_dialog.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/folder_tree_widget.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "slideshow/show_state.h"
#include "tests/support/sandbox.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QTest>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// A settings record with sensible values in every field the dialog shows.
TSettingsRecord sampleSettings()
{
    TSettingsRecord s;
    s.InclJPG = s.InclJPEG = s.InclBMP = 1;
    s.MinSizeKB = 10;
    s.MaxSizeKB = 5000;
    s.MaxPictures = 500;
    s.MaxPictureAttachments = 20;
    s.MaxSoundAttachments = 3;
    s.AutoShowWaitSeconds = 60;
    s.MaxEnlargePercent = 100;
    s.IntervalIndex = 2;
    s.PlayOrder = 4;
    s.TextHAlign = QStringLiteral("C");
    s.TextVAlign = QStringLiteral("B");
    s.AttachVoice = QStringLiteral("A");
    s.TextFontName = QStringLiteral("Sans");
    s.TextFontSize = 12;
    s.TextColor = 255;
    s.NewShowInterval = 90;
    s.VoiceDeleteMode = QStringLiteral("1");
    s.VoiceLongerAction = QStringLiteral("2");
    s.PicturesPerPageIndex = QStringLiteral("3");
    s.ThumbFillMode = QStringLiteral("1");
    s.PlaylistPlayOrder = QStringLiteral("0");
    s.AskMonthlyUpdate = 1;
    s.CDIntroText1 = QStringLiteral("Free text line 1");
    return s;
}

TAddSettingsRecord sampleAdd()
{
    TAddSettingsRecord a;
    a.UploadBatchSize = 50;
    a.UploaderWaitSeconds = 3;
    a.ThumbsOnFixedDrives = 1;
    a.ThumbSizeIndex = 2;
    a.ThumbMinSizeKB = 300;
    a.AddSettingsVersion = SettingsVersion;
    return a;
}

TOptionsValues validValues()
{
    return OptionsValuesFrom(sampleSettings(), sampleAdd());
}

TOptionsCheck check(const TOptionsValues& v, bool secondMonitor = false, bool programExists = true)
{
    TOptionsNumbers n;
    TOptionsCheckContext ctx;
    ctx.secondMonitorSelected = secondMonitor;
    ctx.editProgramExists = programExists;
    return CheckOptions(v, ctx, n);
}

// Puts the sample records in place and points the additional settings at a
// file of the sandbox (not created).
class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestState().settings.Settings = sampleSettings();
        TestState().settings.AddSettings = sampleAdd();
        TestState().paths.AddSettingsPath = testsupport::freshDir(QStringLiteral("options")) + QStringLiteral("/VXAddSettings.dat");
        TestState().session.PlaybackActive = 0;
        TestState().session.UseMainMonitor = 1;
        savedPlayOptions_ = TestState().session.PlayOptions;
        savedShowState_ = TestState().session.ShowState;
        setClock(QDateTime(QDate(2026, 3, 30), QTime(10, 0)));
    }
    void TearDown() override
    {
        resetClock();
        TestState().settings.Settings = TSettingsRecord{};
        TestState().settings.AddSettings = TAddSettingsRecord{};
        TestState().paths.AddSettingsPath.clear();
        TestState().session.PlaybackActive = 0;
        TestState().session.PlayOptions = savedPlayOptions_;
        TestState().session.ShowState = savedShowState_;
    }

private:
    TPlayOptions savedPlayOptions_;
    TShowState savedShowState_;
};

} // namespace

// ---- checks ---------------------------------------------------------------------

TEST(OptionsChecks, EachFailureNamesItsPageControlAndMessage)
{
    EXPECT_TRUE(check(validValues()).ok());

    TOptionsValues v = validValues();
    v.MinSizeText = QStringLiteral("500");
    v.MaxSizeText = QStringLiteral("100");
    TOptionsCheck c = check(v);
    EXPECT_EQ(c.Number, 7);
    EXPECT_EQ(c.Page, QStringLiteral("Include"));
    EXPECT_EQ(c.Focus, QStringLiteral("MinSizeEdit"));
    EXPECT_EQ(c.Message, QStringLiteral("Error Minimum size can not exceed Maximum size"));

    v = validValues();
    v.SecondsWaitText = QStringLiteral("4");
    c = check(v);
    EXPECT_EQ(c.Number, 5);
    EXPECT_EQ(c.Message, QStringLiteral("Error Minimum number of seconds is 5"));
    EXPECT_EQ(c.Page, QStringLiteral("Automatic Show/CD"));
    v.SecondsWaitText = QStringLiteral("abc");
    c = check(v);
    EXPECT_EQ(c.Number, 4);
    EXPECT_EQ(c.Message, QStringLiteral("Error Seconds to wait before activation : Only numeric input allowed"));

    v = validValues();
    v.MaxPicText = QStringLiteral("10");
    v.MaxAttachText = QStringLiteral("20");
    c = check(v);
    EXPECT_EQ(c.Number, 11);
    EXPECT_EQ(c.Focus, QStringLiteral("MaxPicEdit"));
    EXPECT_EQ(c.Message,
              QStringLiteral("Error Maximum pictures attachments can not exceed Maximum pictures to select"));

    v = validValues();
    v.InclTypes.fill(false);
    c = check(v);
    EXPECT_EQ(c.Number, 2);
    EXPECT_EQ(c.Message, QStringLiteral("You have to select at least one type of image file"));
    EXPECT_TRUE(c.Page.isEmpty());
}

TEST(OptionsChecks, TheLowestNumberedFailureWinsAcrossPages)
{
    // Checks 4 and 5 ("Automatic Show/CD") run between the "Include" page's
    // checks 3 and 6.
    TOptionsValues v = validValues();
    v.MaxSizeText = QStringLiteral("x");
    v.SecondsWaitText = QStringLiteral("abc");
    EXPECT_EQ(check(v).Number, 4);
    v.MinSizeText = QStringLiteral("y");
    EXPECT_EQ(check(v).Number, 3);
    v.MaxEnlargeText = QStringLiteral("z");
    EXPECT_EQ(check(v).Number, 1);
    v = validValues();
    v.EditProgramText = QStringLiteral("/no/such/editor");
    v.Mon2WidthText = QStringLiteral("wide");
    EXPECT_EQ(check(v, false, false).Number, 15);
}

TEST(OptionsChecks, EnlargementMustBeANumberWithinTheUpDownRange)
{
    TOptionsValues v = validValues();
    for (const char* text : {"x", "", "1000", "-51"}) {
        v.MaxEnlargeText = QString::fromLatin1(text);
        const TOptionsCheck c = check(v);
        EXPECT_EQ(c.Number, 1) << text;
        EXPECT_EQ(c.Focus, QStringLiteral("EdMaxEnlarge"));
        EXPECT_EQ(c.Message, QStringLiteral("Error Maximum picture enlargement : Only numeric input allowed"));
    }
    v.MaxEnlargeText = QStringLiteral("-50");
    EXPECT_TRUE(check(v).ok());
}

TEST(OptionsChecks, SecondMonitorSizes)
{
    TOptionsValues v = validValues();
    v.Mon2WidthText = QStringLiteral("0");
    v.Mon2HeightText = QStringLiteral("0");
    EXPECT_TRUE(check(v).ok());
    EXPECT_EQ(check(v, true).Number, 20);
    EXPECT_EQ(check(v, true).Message,
              QStringLiteral("Second monitor is selected in Vistamo!'s main window\n"
                             "select the Main monitor first and try to change this setting again"));

    v.Mon2WidthText = QStringLiteral("800");
    TOptionsCheck c = check(v);
    EXPECT_EQ(c.Number, 21);
    EXPECT_EQ(c.Focus, QStringLiteral("LEMon2Width"));
    EXPECT_EQ(c.Page, QStringLiteral("Full Screen"));

    v.Mon2WidthText = QStringLiteral("600");
    v.Mon2HeightText = QStringLiteral("600");
    EXPECT_EQ(check(v).Number, 19);
    v.Mon2HeightText = QStringLiteral("400");
    EXPECT_EQ(check(v).Number, 18);
    v.Mon2HeightText = QStringLiteral("wide");
    EXPECT_EQ(check(v).Number, 17);
}

TEST(OptionsChecks, EditProgramMustExistWhenGiven)
{
    TOptionsValues v = validValues();
    v.EditProgramText = QStringLiteral("/no/such/editor");
    EXPECT_EQ(check(v, false, false).Number, 15);
    EXPECT_EQ(check(v, false, false).Message, QStringLiteral("Error Edit program : Program doesn't exist"));
    EXPECT_FALSE(EditProgramAcceptable(v.EditProgramText));
    EXPECT_FALSE(EditProgramAcceptable(testsupport::freshDir()));   // a folder is no program
    EXPECT_TRUE(EditProgramAcceptable(QString()));
}

// ---- tables and lists ------------------------------------------------------------

TEST(OptionsTables, NewShowIntervalItemsAndStoredSeconds)
{
    const QStringList items = NewShowIntervalItems();
    ASSERT_EQ(items.size(), 24);
    EXPECT_EQ(items[19], QStringLiteral("1.30 minutes"));
    EXPECT_EQ(NewShowIntervalSeconds(19), 90);
    EXPECT_EQ(NewShowIntervalIndex(90), 19);
    EXPECT_EQ(items[NewShowIntervalIndex(7)], QStringLiteral("  7 seconds"));
    EXPECT_EQ(items[NewShowIntervalIndex(999)], QStringLiteral("Soundtrack"));
    EXPECT_EQ(NewShowIntervalIndex(11), 11);   // index of the same value
    EXPECT_EQ(NewShowIntervalIndex(4711), 0);  // beyond the list
    EXPECT_EQ(PicturesPerPageItems().size(), 16);
    EXPECT_EQ(PicturesPerPageItems()[15], QStringLiteral("35 pictures per page"));
    EXPECT_EQ(TextDelayItems().size(), 11);
    EXPECT_EQ(IntervalGroupSeconds(3), 5);
    EXPECT_EQ(IntervalGroupSeconds(4), 10);
}

TEST(OptionsProgramLists, AddRemoveAndChoose)
{
    QStringList list;
    EXPECT_EQ(AddProgramAtTop(list, QStringLiteral("/p/a")), ProgramListAdd::Added);
    for (const char* p : {"/p/b", "/p/c", "/p/d", "/p/e"})
        AddProgramAtTop(list, QString::fromLatin1(p));
    EXPECT_EQ(list, QStringList({"/p/e", "/p/d", "/p/c", "/p/b", "/p/a"}));
    EXPECT_FALSE(ProgramBrowseEnabled(list));
    EXPECT_EQ(AddProgramAtTop(list, QStringLiteral("/P/C")), ProgramListAdd::AlreadyListed);
    EXPECT_EQ(AddProgramAtTop(list, QStringLiteral("/p/f")), ProgramListAdd::Added);
    EXPECT_EQ(list, QStringList({"/p/f", "/p/e", "/p/d", "/p/c", "/p/b"}));   // the old last dropped

    ChooseProgram(list, 3);
    EXPECT_EQ(list, QStringList({"/p/c", "/p/f", "/p/e", "/p/d", "/p/b"}));
    EXPECT_TRUE(RemoveProgram(list, QStringLiteral("/P/E")));
    EXPECT_EQ(list, QStringList({"/p/c", "/p/f", "/p/d", "/p/b"}));
    EXPECT_TRUE(ProgramBrowseEnabled(list));
    EXPECT_FALSE(RemoveProgram(list, QStringLiteral("/p/zz")));
}

TEST(OptionsPlacement, ExampleLabelInItsPanel)
{
    EXPECT_EQ(ExampleLabelX('L', 300, 100), 10);
    EXPECT_EQ(ExampleLabelX('C', 300, 101), 100);   // 99.5 to even
    EXPECT_EQ(ExampleLabelX('R', 300, 100), 190);
    EXPECT_EQ(ExampleLabelX('R', 300, 290), 0);
    EXPECT_EQ(ExampleLabelY('T', 80, 20), 2);
    EXPECT_EQ(ExampleLabelY('B', 80, 20), 58);
    EXPECT_EQ(ExampleLabelY('C', 80, 20), 30);
    EXPECT_EQ(ExampleLabelY('C', 80, 75), 0);
    EXPECT_EQ(ExampleLabelY('x', 80, 78), 0);
}

// ---- writing back ------------------------------------------------------------------

TEST(OptionsStore, ValuesLoadedAndStoredAgainLeaveTheRecordAsItWas)
{
    const TSettingsRecord before = sampleSettings();
    TSettingsRecord s = before;
    const TOptionsValues v = OptionsValuesFrom(s, sampleAdd());
    TOptionsNumbers n;
    ASSERT_TRUE(CheckOptions(v, {}, n).ok());
    StoreOptionsInSettings(s, v, n, QDate(2026, 3, 30));
    EXPECT_EQ(s.NewShowInterval, 90);
    EXPECT_EQ(s.MinSizeKB, before.MinSizeKB);
    EXPECT_EQ(s.MaxPictures, before.MaxPictures);
    EXPECT_EQ(s.IntervalIndex, before.IntervalIndex);
    EXPECT_EQ(s.PlayOrder, before.PlayOrder);
    EXPECT_EQ(s.TextHAlign, QStringLiteral("C"));
    EXPECT_EQ(s.TextVAlign, QStringLiteral("B"));
    EXPECT_EQ(s.AttachVoice, QStringLiteral("A"));
    EXPECT_EQ(s.VoiceDeleteMode, QStringLiteral("1"));
    EXPECT_EQ(s.VoiceLongerAction, QStringLiteral("2"));
    EXPECT_EQ(s.PicturesPerPageIndex, QStringLiteral("3"));
    EXPECT_EQ(s.CDIntroText1, before.CDIntroText1);
    EXPECT_EQ(s.SuggestionDay, before.SuggestionDay);   // the flag stayed on: no reset
}

TEST(OptionsStore, FieldsFollowTheControls)
{
    TSettingsRecord s = sampleSettings();
    s.AskMonthlyUpdate = 0;
    s.EditPrograms = {QStringLiteral("/old/1"), QStringLiteral("/old/2"), QStringLiteral("/old/3"), {}, {}};
    TOptionsValues v = OptionsValuesFrom(s, sampleAdd());
    v.TextHAlign = QChar();
    v.TextVAlign = QChar();
    v.AttachVoiceIndex = 1;
    v.AskMonthlyUpdate = true;
    v.EditPrograms = {QStringLiteral("/new/editor")};
    v.KeepShowsInSync = true;
    v.PlaylistPlayOrder = 1;
    v.NewShowIntervalIndex = 23;
    v.ResetFileDate = true;
    TOptionsNumbers n;
    ASSERT_TRUE(CheckOptions(v, {}, n).ok());
    StoreOptionsInSettings(s, v, n, QDate(2026, 3, 30));
    EXPECT_EQ(s.TextHAlign, QStringLiteral("R"));   // none pressed
    EXPECT_EQ(s.TextVAlign, QStringLiteral("B"));
    EXPECT_EQ(s.AttachVoice, QStringLiteral("N"));
    EXPECT_EQ(s.AskMonthlyUpdate, 1);
    EXPECT_EQ(s.SuggestionDay, 28);                  // reset: today's day, at most 28
    EXPECT_EQ(s.EditPrograms[0], QStringLiteral("/new/editor"));
    EXPECT_TRUE(s.EditPrograms[1].isEmpty());
    EXPECT_TRUE(s.EditPrograms[2].isEmpty());
    EXPECT_EQ(s.KeepShowsInSync, 1);
    EXPECT_EQ(s.PlaylistPlayOrder, QStringLiteral("1"));
    EXPECT_EQ(s.NewShowInterval, 999);
    EXPECT_EQ(s.ResetFileDate, QStringLiteral("1"));
}

TEST(OptionsStore, AdditionalSettingsChangeAndThumbnailSwitch)
{
    TAddSettingsRecord a = sampleAdd();
    TOptionsValues v = OptionsValuesFrom(sampleSettings(), a);
    TOptionsNumbers n;
    ASSERT_TRUE(CheckOptions(v, {}, n).ok());
    EXPECT_FALSE(AddSettingsDiffer(a, v, n));
    v.UploaderPath = QStringLiteral("/usr/bin/Up");
    EXPECT_TRUE(AddSettingsDiffer(a, v, n));

    a.ThumbsOnFixedDrives = 0;
    v = OptionsValuesFrom(sampleSettings(), a);
    EXPECT_FALSE(ThumbnailsSwitchedOn(a, v));
    v.ThumbsOnNetworkDrives = true;
    EXPECT_TRUE(ThumbnailsSwitchedOn(a, v));
    StoreAddSettings(a, v, n);
    EXPECT_EQ(a.ThumbsOnNetworkDrives, 1);
    EXPECT_FALSE(ThumbnailsSwitchedOn(a, v));
}

// ---- the window ------------------------------------------------------------------

TEST_F(OptionsDialogTest, ControlsAreFoundByNameWithTheirCaptions)
{
    OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("Form3"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vistamo! - Options"));
    auto* tabs = dialog.findChild<QTabWidget*>("PageControl1");
    ASSERT_TRUE(tabs);
    ASSERT_EQ(tabs->count(), 13);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Include"));
    EXPECT_EQ(tabs->tabText(12), QStringLiteral("SmallPics"));
    EXPECT_EQ(tabs->currentWidget()->objectName(), QStringLiteral("IncludeSheet"));
    for (const char* name : {"InclJPGBox", "InclGIFBox", "GImGIF", "ImJPG", "MinSizeEdit", "MAxAttachEdit",
                             "Intervalgroup", "RadioGroup1", "UDMaxEnlarge", "EdMaxEnlarge", "LEMon2Width",
                             "ExtProgComboBox", "BrowseButton", "SecondsWaitASEdit", "Bevel1", "IntervalComboBox",
                             "DelayCB", "AttachWAVRG", "ExampleLabel", "VidProgComboBox", "AskUpdateCB",
                             "PLPlayorderRG", "VoiceRG", "CBMultMode", "RGThumbSize", "UDThumbOrgMin",
                             "EDUploadProgram", "UDSupplyAtOnce", "CBHideSmallPics", "PictureOptionsDone",
                             "CancelButton", "TimerOnActivate", "TimerAltKey"})
        EXPECT_TRUE(dialog.findChild<QObject*>(QString::fromLatin1(name))) << name;
    EXPECT_EQ(dialog.findChild<QPushButton*>("PictureOptionsDone")->text(), QStringLiteral("&Apply"));
    EXPECT_EQ(dialog.findChild<QCheckBox*>("ShowHintsBox")->text(), QStringLiteral("Show hints "));
    EXPECT_EQ(dialog.findChild<QCheckBox*>("HoldLastShowBox")->text(), QStringLiteral("Keep current  Automatic Show "));
    EXPECT_EQ(dialog.findChild<QComboBox*>("IntervalComboBox")->currentText(), QStringLiteral("1.30 minutes"));
    EXPECT_EQ(dialog.findChild<QLineEdit*>("MinSizeEdit")->text(), QStringLiteral("10"));
    EXPECT_EQ(dialog.Bevel1->toolTip(), QStringLiteral("Current Automatic Show : "));
    // Types not chosen show their grey picture.
    EXPECT_FALSE(dialog.findChild<QWidget*>("GImJPG")->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.findChild<QWidget*>("GImGIF")->isVisibleTo(&dialog));
    // Once shown, the header picture lies over the top panel.
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&dialog] { return dialog.findChild<QLabel*>("PanelPicture"); }));
    const QLabel* header = dialog.findChild<QLabel*>("PanelPicture");
    EXPECT_FALSE(header->pixmap().isNull());
    EXPECT_EQ(header->geometry(), dialog.Panel2->rect());
    EXPECT_TRUE(header->isVisible());
    // At its default size every tab shows, none behind scroll arrows (on a
    // screen wide enough for that).
    const QTabBar* bar = tabs->tabBar();
    if (dialog.screen()->availableGeometry().width() >= bar->sizeHint().width() + 60) {
        EXPECT_GE(bar->tabRect(0).left(), 0);
        EXPECT_LE(bar->tabRect(tabs->count() - 1).right(), bar->width());
    }
    dialog.hide();
}

TEST_F(OptionsDialogTest, FailedCheckShowsItsPageAndWritesNothing)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ScopedPromptResponder answer(QList<PromptReply>{});
    OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
    dialog.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(5);
    dialog.findChild<QLineEdit*>("MinSizeEdit")->setText(QStringLiteral("500"));
    dialog.findChild<QLineEdit*>("MaxSizeEdit")->setText(QStringLiteral("100"));
    dialog.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
    dialog.findChild<QPushButton*>("PictureOptionsDone")->click();
    ASSERT_EQ(promptLog().size(), 1);
    EXPECT_EQ(promptLog()[0].request.text, QStringLiteral("Error Minimum size can not exceed Maximum size"));
    EXPECT_EQ(dialog.PageControl1->currentWidget(), dialog.IncludeSheet);
    EXPECT_EQ(dialog.LastCheck.Focus, QStringLiteral("MinSizeEdit"));
    EXPECT_EQ(Settings.MinSizeKB, 10);
    EXPECT_EQ(Settings.ContinuousPlay, 0);
    EXPECT_FALSE(QFile::exists(TestState().paths.AddSettingsPath));
}

TEST_F(OptionsDialogTest, TheFirstFailureOverAllPagesShowsItsPage)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    ScopedPromptResponder answer(QList<PromptReply>{});
    OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
    dialog.findChild<QLineEdit*>("MaxSizeEdit")->setText(QStringLiteral("x"));
    dialog.findChild<QLineEdit*>("SecondsWaitASEdit")->setText(QStringLiteral("4"));
    dialog.PictureOptionsDone->click();
    ASSERT_EQ(promptLog().size(), 1);
    EXPECT_EQ(promptLog()[0].request.text, QStringLiteral("Error Minimum number of seconds is 5"));
    EXPECT_EQ(dialog.PageControl1->currentWidget()->objectName(), QStringLiteral("AutomaticShowSheet"));
    EXPECT_EQ(dialog.LastCheck.Focus, QStringLiteral("SecondsWaitASEdit"));
    EXPECT_EQ(Settings.AutoShowWaitSeconds, 60);
}

TEST_F(OptionsDialogTest, ApplyWritesTheFieldsAndCancelNone)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    {
        OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
        dialog.findChild<QLineEdit*>("MaxPicEdit")->setText(QStringLiteral("250"));
        dialog.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
        dialog.CancelButton->click();
        EXPECT_EQ(dialog.result(), 1);
    }
    EXPECT_EQ(Settings.MaxPictures, 500);
    EXPECT_EQ(Settings.ContinuousPlay, 0);

    ScopedPromptResponder answer(QList<PromptReply>{});
    OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
    dialog.findChild<QLineEdit*>("MaxPicEdit")->setText(QStringLiteral("250"));
    dialog.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
    dialog.findChild<QComboBox*>("IntervalComboBox")->setCurrentIndex(7);
    dialog.findChild<RadioGroup*>("Intervalgroup")->setItemIndex(4);
    dialog.findChild<QCheckBox*>("CBExcludeSmallPics")->setChecked(true);
    dialog.PictureOptionsDone->click();
    EXPECT_TRUE(dialog.LastCheck.ok());
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_TRUE(promptLog().isEmpty());
    EXPECT_EQ(Settings.MaxPictures, 250);
    EXPECT_EQ(Settings.ContinuousPlay, 1);
    EXPECT_EQ(Settings.NewShowInterval, 7);
    EXPECT_EQ(Settings.IntervalIndex, 4);
    EXPECT_EQ(Settings.ExcludeSmallPics, QStringLiteral("1"));
    EXPECT_EQ(TestState().session.PlayOptions.IntervalSeconds, 10);
    // No change of the additional settings: their file is not written.
    EXPECT_FALSE(QFile::exists(TestState().paths.AddSettingsPath));
}

TEST_F(OptionsDialogTest, ThumbnailsSwitchedOnAskToResetFileDatesInTheSameApply)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    TAddSettingsRecord& AddSettings = TestState().settings.AddSettings;
    AddSettings.ThumbsOnFixedDrives = 0;
    Settings.ResetFileDate = QStringLiteral("0");
    ScopedPromptResponder answer(QList<PromptReply>{PromptReply::button(PromptAnswer::Yes)});
    OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
    dialog.findChild<QCheckBox*>("CBUseThumbNWD")->setChecked(true);
    EXPECT_TRUE(dialog.findChild<QWidget*>("RGThumbSize")->isEnabled());
    dialog.PictureOptionsDone->click();
    ASSERT_EQ(promptLog().size(), 1);
    EXPECT_EQ(promptLog()[0].request.text, ResetFileDateQuestion);
    EXPECT_EQ(Settings.ResetFileDate, QStringLiteral("1"));
    EXPECT_EQ(AddSettings.ThumbsOnNetworkDrives, 1);
    // Changed additional settings are written at once.
    TAddSettingsRecord onDisk;
    ASSERT_TRUE(DecodeAddSettings(testsupport::readFile(TestState().paths.AddSettingsPath), onDisk).ok());
    EXPECT_EQ(onDisk.ThumbsOnNetworkDrives, 1);
}

TEST_F(OptionsDialogTest, ChosenColoursShowOnBothExamplesAndAreStored)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    QList<QColor> answers{QColor(0, 0, 255), QColor(0, 255, 0)};
    ScopedPromptResponder answer([&](const PromptRequest& r) {
        auto* colors = qobject_cast<QColorDialog*>(r.dialog);
        if (!colors || answers.isEmpty())
            return PromptReply::result(0);
        colors->setCurrentColor(answers.takeFirst());
        colors->accept();   // the user's OK makes the colour the chosen one
        return PromptReply::result(QDialog::Accepted);
    });
    OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
    dialog.findChild<QPushButton*>("BackGroundButton")->click();   // blue background
    dialog.findChild<QPushButton*>("ColorSB")->click();            // green text
    const auto* background = dialog.findChild<QLabel*>("BackgroundColorLabel");
    const auto* example = dialog.findChild<QLabel*>("ExampleLabel");
    EXPECT_EQ(background->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(example->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(example->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    dialog.PictureOptionsDone->click();
    ASSERT_TRUE(dialog.LastCheck.ok());
    EXPECT_EQ(Settings.BackgroundColor, 0xFF0000);   // blue-green-red
    EXPECT_EQ(Settings.TextColor, 0x00FF00);
}

TEST_F(OptionsDialogTest, BrowsingAProgramAlreadyListedIsRefused)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Settings.EditPrograms[0] = QStringLiteral("/Prog/Edit");
    ScopedPromptResponder answer(QList<PromptReply>{PromptReply::ok(QStringLiteral("/prog/edit"))});
    OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
    dialog.BrowseButton->click();
    ASSERT_EQ(promptLog().size(), 2);
    EXPECT_EQ(promptLog()[1].request.text, QStringLiteral("Program already exists in list!"));
    EXPECT_EQ(dialog.ExtProgComboBox->count(), 1);
}

TEST_F(OptionsDialogTest, NeverUseAutomaticShowDisablesItsControlsButNotTheCdTexts)
{
    OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
    dialog.NeverUseASCheckBox->setChecked(true);
    EXPECT_FALSE(dialog.HoldLastShowBox->isEnabled());
    EXPECT_FALSE(dialog.SecondsWaitASEdit->isEnabled());
    EXPECT_TRUE(dialog.EditASText1->isEnabled());
    EXPECT_EQ(dialog.EditASText1->maxLength(), 38);
}

TEST_F(OptionsDialogTest, MainWindowItemsOpenTheDialogModally)
{
    QStringList shown;
    ScopedPromptResponder answer([&](const PromptRequest& r) {
        if (r.type == PromptType::Dialog && r.dialog)
            shown << r.dialog->objectName() + QLatin1Char('|') + r.dialog->windowTitle();
        return PromptReply::result(1);
    });
    MainWindow form(TestState());
    form.options()->SetupOptionsHandlers();
    form.input()->idleTimer()->start();
    form.actionNamed("PictureShowOptions1")->trigger();
    form.actionNamed("OptionsTB")->trigger();
    EXPECT_FALSE(form.input()->idleTimer()->isActive());
    form.actionNamed("ClearFavs")->trigger();
    form.actionNamed("ClearRec")->trigger();
    EXPECT_EQ(shown, QStringList({QStringLiteral("Form3|Vistamo! - Options"), QStringLiteral("Form3|Vistamo! - Options"),
                                  QStringLiteral("Form36|Maintenance Favorites"),
                                  QStringLiteral("Form36|Maintenance Recent")}));
}

TEST_F(OptionsDialogTest, RunningShowKeepsItsIntervalUnlessTheChoiceChanged)
{
    TestState().session.PlaybackActive = 1;
    TestState().session.ShowState.CurrentInterval = 7;
    {
        OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
        dialog.FormActivate();
        dialog.PictureOptionsDone->click();
        ASSERT_TRUE(dialog.LastCheck.ok());
    }
    EXPECT_EQ(TestState().session.ShowState.CurrentInterval, 7);
    {
        OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
        dialog.FormActivate();
        dialog.Intervalgroup->setItemIndex(3);
        dialog.PictureOptionsDone->click();
    }
    EXPECT_EQ(TestState().session.ShowState.CurrentInterval, 5);
    TestState().session.PlaybackActive = 0;
}

TEST_F(OptionsDialogTest, ApplyRebuildsTheMainWindowsLaunchItems)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    const QString editor = testsupport::freshDir(QStringLiteral("prog")) + QStringLiteral("/editor");
    ASSERT_TRUE(testsupport::writeFile(editor, "#!/bin/sh\n"));
    Settings.EditPrograms[0] = editor;
    MainWindow form(TestState());
    // Opened from the Options menu, Apply reaches the window through the
    // options controller's signals.
    bool applied = false;
    ScopedPromptResponder apply([&](const PromptRequest& r) {
        auto* dialog = qobject_cast<OptionsDialog*>(r.dialog);
        if (r.type != PromptType::Dialog || !dialog)
            return defaultReply(r);
        EXPECT_EQ(dialog->ExtProgComboBox->currentText(), editor);
        dialog->PictureOptionsDone->click();
        applied = dialog->LastCheck.ok();
        return PromptReply::result(dialog->result());
    });
    form.options()->PictureShowOptions1Click();
    ASSERT_TRUE(applied);
    ASSERT_TRUE(form.actionNamed("Launch0"));
    EXPECT_TRUE(form.actionNamed("Launch0")->isVisible());
    EXPECT_FALSE(form.actionNamed("Launch1")->isVisible());
    // No MyShow rows: the MyShow edit button stays off.
    EXPECT_FALSE(form.actionNamed("RunExeMyShowTB")->isEnabled());
}

TEST_F(OptionsDialogTest, ExcludeItemNeedsAFolderBelowADrivesRoot)
{
    MainWindow form(TestState());
    form.folderTree()->SelectedFolder = QStringLiteral("/");
    form.options()->Options1Click();
    EXPECT_FALSE(form.findChild<QMenu*>("ExcludeFolder")->isEnabled());
    EXPECT_EQ(form.findChild<QMenu*>("ExcludeFolder")->title(), QStringLiteral("E&xclude from"));
    form.folderTree()->SelectedFolder = testsupport::freshDir(QStringLiteral("pics"));
    form.options()->Options1Click();
    EXPECT_TRUE(form.findChild<QMenu*>("ExcludeFolder")->isEnabled());
    form.folderTree()->SelectedFolder.clear();
}

TEST(OptionsLoad, DamagedDigitTextsSelectTheFirstItem)
{
    TSettingsRecord s = sampleSettings();
    s.VoiceDeleteMode = QStringLiteral("7");
    s.PicturesPerPageIndex = QStringLiteral("x");
    s.ThumbFillMode.clear();
    s.IntervalIndex = 9;
    s.MaxEnlargePercent = 5000;
    const TOptionsValues v = OptionsValuesFrom(s, sampleAdd());
    EXPECT_EQ(v.VoiceDeleteMode, 0);
    EXPECT_EQ(v.PicturesPerPageIndex, 0);
    EXPECT_EQ(v.ThumbFillMode, 0);
    EXPECT_EQ(v.IntervalIndex, 0);
    EXPECT_EQ(v.MaxEnlargeText, QStringLiteral("999"));   // within the up-down's range
}

TEST_F(OptionsDialogTest, ChoosingAProgramMakesItTheFirstAndRemoveEmptiesTheText)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Settings.EditPrograms = {QStringLiteral("/p/a"), QStringLiteral("/p/b"), QStringLiteral("/p/c"), {}, {}};
    OptionsDialog dialog(TestState().settings, TestState().paths, TestState().environment, TestState().start, TestState().session);
    auto* list = dialog.findChild<QComboBox*>("ExtProgComboBox");
    ASSERT_EQ(list->count(), 3);
    EXPECT_TRUE(dialog.BrowseButton->isEnabled());
    list->setCurrentIndex(2);
    emit list->activated(2);
    EXPECT_EQ(dialog.values().EditPrograms, QStringList({"/p/c", "/p/a", "/p/b"}));
    EXPECT_EQ(list->currentText(), QStringLiteral("/p/c"));
    dialog.RemoveEditProgram->click();
    EXPECT_EQ(dialog.values().EditPrograms, QStringList({"/p/a", "/p/b"}));
    EXPECT_TRUE(list->currentText().isEmpty());
    // Apply stores the list in order and empties the slots after it.
    dialog.PictureOptionsDone->click();
    ASSERT_TRUE(dialog.LastCheck.ok());
    EXPECT_EQ(Settings.EditPrograms[0], QStringLiteral("/p/a"));
    EXPECT_EQ(Settings.EditPrograms[1], QStringLiteral("/p/b"));
    EXPECT_TRUE(Settings.EditPrograms[2].isEmpty());
}
