#include "base/layout_calc.h"

#include <gtest/gtest.h>

namespace {

// The designed bounds of the restored 800 x 600 window.
ControlBounds designBounds()
{
    ControlBounds d;
    d["ToolBar1"] = QRect(0, 0, 401, 30);
    d["ToolBar2"] = QRect(401, 0, 399, 30);
    d["Bevel2"] = QRect(404, 32, 392, 22);
    d["ImMyShowHeader"] = QRect(404, 32, 392, 22);
    d["MyShowLabel"] = QRect(409, 35, 380, 16);
    d["TreeView1"] = QRect(4, 32, 392, 318);
    d["MyShowSG"] = QRect(404, 56, 392, 262);
    const char* buttons[] = {"ExchangeButtonBoven", "ExchangeButtonBeneden", "MoveButton",
                             "DeleteButton", "TextSB", "ClearListButton"};
    for (int i = 0; i < 6; ++i)
        d[buttons[i]] = QRect(404 + 65 * i, 322, 65, 24);
    d["TreeThumbnailPanel"] = QRect(4, 355, 392, 190);
    d["Bevel3"] = QRect(6, 6, 190, 178);
    d["NoShowPanel4"] = QRect(12, 12, 178, 166);
    d["Image4"] = QRect(18, 28, 166, 124);
    for (const char* n : {"CannotOpenLabel4", "VideoLabel4", "FileNotExistLabel4",
                          "CannotOpenLabel", "VideoLabel", "FileNotExistLabel"})
        d[n] = QRect(40, 80, 120, 16);
    d["SizeDatePanel4"] = QRect(201, 100, 185, 84);
    d["Label7"] = QRect(201, 6, 120, 16);
    d["FPlayorderCB"] = QRect(201, 24, 120, 22);
    d["VoiceBevel"] = QRect(322, 54, 50, 28);
    d["MicroSB"] = QRect(325, 57, 22, 22);
    d["VoicePlaySB"] = QRect(348, 57, 22, 22);
    d["TarnivoPanel"] = QRect(330, 6, 56, 40);
    d["Panel1"] = QRect(404, 355, 392, 190);
    d["Bevel1"] = QRect(6, 6, 190, 178);
    d["NoShowPanel"] = QRect(12, 12, 178, 166);
    d["image2"] = QRect(18, 28, 166, 124);
    d["SizeDatePanel"] = QRect(201, 100, 185, 84);
    d["Label2"] = QRect(201, 6, 120, 16);
    d["ShowPlayOrderCB"] = QRect(201, 24, 120, 22);
    d["NrofPicLabel"] = QRect(347, 24, 40, 16);
    d["PicInListLabel"] = QRect(300, 6, 86, 16);
    d["CopyVXOButton"] = QRect(297, 54, 28, 24);
    d["MailSP"] = QRect(330, 54, 28, 24);
    d["UploadSp"] = QRect(359, 54, 28, 24);
    d["MusicBlackIm"] = QRect(272, 54, 20, 20);
    d["MusicPurpleIm"] = QRect(272, 54, 20, 20);
    return d;
}

MaximizedLayoutInput fullHd(bool hidden = false)
{
    MaximizedLayoutInput in;
    in.screen = QSize(1920, 1080);
    in.statusBarTop = 1030;
    in.statusPanel0Width = 250;
    in.myShowHidden = hidden;
    in.rowButtonsInPanel1 = true;
    return in;
}

} // namespace

TEST(LayoutCalc, RoundingHalvesToEvenAndTruncatedHalving)
{
    EXPECT_EQ(RoundEven(2.5), 2);
    EXPECT_EQ(RoundEven(3.5), 4);
    EXPECT_EQ(RoundEven(159.33), 159);
    EXPECT_EQ(HalfTrunc(-3), -1);
    EXPECT_EQ(HalfTrunc(7), 3);
    EXPECT_EQ(DesignBoundsControls().size(), 34);
    EXPECT_EQ(DesignBoundsControls().first(), QStringLiteral("TreeView1"));
    EXPECT_EQ(DesignBoundsControls().last(), QStringLiteral("FileNotExistLabel4"));
}

TEST(LayoutCalc, MaximizedLayoutFromTheScreen)
{
    const ControlBounds design = designBounds();
    ControlBounds b = design;
    const MaximizedLayoutResult r = ApplyMaximizedBounds(b, design, fullHd());
    EXPECT_FALSE(r.halfWidth);
    EXPECT_EQ(r.window, QRect(0, 0, 1920, 1080));
    EXPECT_EQ(r.statusPanel1Width, 1920 - 250);

    EXPECT_EQ(b["TreeView1"], QRect(4, 32, 956, 646));
    EXPECT_EQ(b["MyShowSG"], QRect(960, 56, 956, 590));
    EXPECT_EQ(b["ToolBar2"], QRect(960, 0, 956, 30));
    EXPECT_EQ(b["Bevel2"], QRect(960, 32, 956, 22));
    EXPECT_EQ(b["ImMyShowHeader"], b["Bevel2"]);
    EXPECT_EQ(b["MyShowLabel"].x(), 965);
    EXPECT_EQ(b["ToolBar1"].width(), 961);

    EXPECT_EQ(b["TreeThumbnailPanel"], QRect(4, 683, 956, 342));   // 190 x 1.8, 5 above the status bar
    EXPECT_EQ(b["Bevel3"], QRect(6, 6, 352, 330));
    EXPECT_EQ(b["NoShowPanel4"], QRect(12, 12, 340, 318));
    EXPECT_EQ(b["image2"], QRect(18, 48, 328, 246));
    EXPECT_EQ(r.image2Bounds, b["image2"]);
    EXPECT_EQ(b["Image4"].y(), 48);
    EXPECT_EQ(b["SizeDatePanel4"], QRect(363, 252, 588, 84));
    EXPECT_EQ(b["Panel1"], QRect(960, 683, 956, 342));
    EXPECT_EQ(b["Bevel1"], b["Bevel3"]);
    EXPECT_EQ(b["NoShowPanel"], b["NoShowPanel4"]);
    EXPECT_EQ(b["SizeDatePanel"], b["SizeDatePanel4"]);

    for (const char* n : {"Label2", "ShowPlayOrderCB", "Label7", "FPlayorderCB"})
        EXPECT_EQ(b[n].x(), 363) << n;
    EXPECT_EQ(b["PicInListLabel"].x(), 860);
    EXPECT_EQ(b["UploadSp"].x(), 923);
    EXPECT_EQ(b["MailSP"].x(), 890);
    EXPECT_EQ(b["CopyVXOButton"].x(), 857);
    EXPECT_EQ(b["MusicBlackIm"].x(), 832);
    EXPECT_EQ(b["MusicPurpleIm"].x(), 832);

    const char* buttons[] = {"ExchangeButtonBoven", "ExchangeButtonBeneden", "MoveButton",
                             "DeleteButton", "TextSB", "ClearListButton"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(b[buttons[i]], QRect(960 + 159 * i, 651, 159, 24)) << buttons[i];

    EXPECT_EQ(b["CannotOpenLabel"].topLeft(), QPoint(110, 151));
    EXPECT_EQ(b["FileNotExistLabel4"].topLeft(), QPoint(110, 151));
    EXPECT_EQ(b["NrofPicLabel"].topLeft(), QPoint(911, 24));
    EXPECT_EQ(b["VoiceBevel"].topLeft(), QPoint(886, 19));
    EXPECT_EQ(b["MicroSB"].topLeft(), QPoint(889, 22));
    EXPECT_EQ(b["VoicePlaySB"].topLeft(), QPoint(912, 22));
    // The sibling panel stays 6 pixels from the panel's right edge, off the
    // play order box.
    EXPECT_EQ(b["TarnivoPanel"], QRect(894, 6, 56, 40));
    EXPECT_FALSE(b["TarnivoPanel"].intersects(b["FPlayorderCB"]));
}

TEST(LayoutCalc, RowButtonsOnTheFormAddTheListLeft)
{
    const ControlBounds design = designBounds();
    ControlBounds b = design;
    MaximizedLayoutInput in = fullHd();
    in.rowButtonsInPanel1 = false;
    ApplyMaximizedBounds(b, design, in);
    EXPECT_EQ(b["UploadSp"].x(), 956 - 28 - 5 + 960);
}

TEST(LayoutCalc, HiddenMyShowPanelHalfWidthTopCentre)
{
    const ControlBounds design = designBounds();
    ControlBounds b = design;
    const MaximizedLayoutResult r = ApplyMaximizedBounds(b, design, fullHd(true));
    EXPECT_TRUE(r.halfWidth);
    EXPECT_EQ(r.window, QRect(480, 0, 960, 1080));
    EXPECT_EQ(r.statusPanel1Width, 960 - 250);
    EXPECT_EQ(HalfWidthTopCentre(QRect(10, 50, 1367, 700), 1366), QRect(341, 0, 684, 700));

    const RestoredLayoutResult rr = ApplyRestoredBounds(b, design, true, 250);
    EXPECT_EQ(rr.window, QSize(400, 600));
    EXPECT_EQ(rr.statusPanel1Width, 150);
    EXPECT_EQ(ApplyRestoredBounds(b, design, false, 250).window, QSize(800, 600));
}

TEST(LayoutCalc, RestoredLayoutPutsBackEveryMovedControl)
{
    const ControlBounds design = designBounds();
    ControlBounds b = design;
    ApplyMaximizedBounds(b, design, fullHd());
    ApplyRestoredBounds(b, design, false, 250);
    for (auto it = design.begin(); it != design.end(); ++it) {
        if (it.key() == QLatin1String("VoiceBevel") || it.key() == QLatin1String("MicroSB")
            || it.key() == QLatin1String("VoicePlaySB"))
            continue;   // placed by the voice-button rule
        EXPECT_EQ(b[it.key()], it.value()) << it.key().toStdString();
    }
    EXPECT_EQ(b["ImMyShowHeader"], b["Bevel2"]);
    EXPECT_EQ(b["NrofPicLabel"].topLeft(), QPoint(347, 24));
    EXPECT_EQ(b["VoiceBevel"].topLeft(), QPoint(331, 19));   // 392 - 70 + 9
    EXPECT_EQ(b["VoicePlaySB"].topLeft(), QPoint(357, 22));
}

TEST(LayoutCalc, PreviewFitAndZeroSizedPicture)
{
    EXPECT_EQ(FitPreviewRect(QSize(800, 600), QRect(0, 0, 200, 100)), QRect(33, 0, 133, 100));
    EXPECT_EQ(FitPreviewRect(QSize(100, 400), QRect(10, 10, 200, 200)), QRect(85, 10, 50, 200));
    EXPECT_FALSE(FitPreviewRect(QSize(0, 600), QRect(0, 0, 200, 100)).isValid());
    EXPECT_FALSE(FitPreviewRect(QSize(800, 0), QRect(0, 0, 200, 100)).isValid());
}

TEST(LayoutCalc, ShowSpeedStopsAtBothEnds)
{
    int step = 0;
    EXPECT_EQ(ChangeShowSpeedStep(step, true), QStringLiteral("Already in fastest mode of "));
    EXPECT_EQ(step, 0);
    EXPECT_EQ(ChangeShowSpeedStep(step, false), QStringLiteral("Slowing down, interval is set to "));
    EXPECT_EQ(step, 1);
    EXPECT_EQ(ChangeShowSpeedStep(step, true), QStringLiteral("Speeding up, interval is set to "));
    EXPECT_EQ(step, 0);
    step = 59;
    EXPECT_EQ(ChangeShowSpeedStep(step, false), QStringLiteral("Already in slowest mode of "));
    EXPECT_EQ(step, 59);
}

TEST(LayoutCalc, MyShowLabelTexts)
{
    MyShowLabelText t = MyShowLabelFor(QStringLiteral("File"), QStringLiteral("Tom & Jerry.vxt"), false);
    EXPECT_EQ(t.text, QStringLiteral("Tom && Jerry.vxt"));
    EXPECT_FALSE(t.busyCursor);
    t = MyShowLabelFor(QStringLiteral("Save"), {}, false);
    EXPECT_EQ(t.text, QStringLiteral("Saving..."));
    EXPECT_TRUE(t.saving);
    EXPECT_TRUE(t.busyCursor);
    t = MyShowLabelFor(QStringLiteral("Copy"), {}, true);
    EXPECT_TRUE(t.keep);
    EXPECT_FALSE(t.saving);
    EXPECT_EQ(MyShowLabelFor(QStringLiteral("Copy"), {}, false).text,
              QStringLiteral("Creating temporary MyShow file..."));
    EXPECT_EQ(MyShowLabelFor(QStringLiteral("Draft"), {}, false).text,
              QStringLiteral("Draft (saves automatically)"));
    EXPECT_EQ(MyShowLabelFor(QStringLiteral("SaveAs"), {}, false).text, QStringLiteral("Saving as..."));
    EXPECT_FALSE(MyShowLabelFor(QStringLiteral("Bogus"), {}, false).known);
}

TEST(LayoutCalc, FullScreenPictureTip)
{
    FullScreenHintInput in;
    EXPECT_EQ(FullScreenImageHint(in),
              QStringLiteral("Use mousewheel to slow down/speed up the slide show\r\n\r\n"
                             "Click the I-button on the toolbar to suppress hints"));
    in.automaticShow = true;
    EXPECT_EQ(FullScreenImageHint(in), QStringLiteral("Click left or press Escape to exit"));
    in = {};
    in.zoomed = true;
    EXPECT_EQ(FullScreenImageHint(in), QStringLiteral("Use mousewheel to zoom in and out\r\n\r\n"
                                                      "Click the I-button on the toolbar to suppress hints"));
    in = {};
    in.fullView = true;
    EXPECT_TRUE(FullScreenImageHint(in).startsWith(
        QStringLiteral("Click once to return\r\n\r\nUse the mouse to draw a rectangle to crop and enlarge,\r\n")));
    in = {};
    in.navPanelVisible = true;
    in.zoomed = true;
    EXPECT_EQ(FullScreenImageHint(in),
              QStringLiteral("Drag and drop text labels to the desired positions\r\n"
                             "Use panel to fine tune text label positions\r\n"
                             "Click one to return to Add/Change Text/Sound window"));
    EXPECT_EQ(HintsButtonFor(true).glyph, 133);
    EXPECT_EQ(HintsButtonFor(false).tip, QStringLiteral("Press to show hints/tooltips"));
}

TEST(SysCommands, MaximizeAndRestoreSwitchLayoutsWithoutShow)
{
    SysCommandState st;
    SysCommandContext ctx;
    SysCommandActions a = HandleSysCommand(SysCommand::Maximize, st, ctx);
    EXPECT_TRUE(a.rememberRestoredPos);
    EXPECT_TRUE(a.applyMaximized);
    EXPECT_TRUE(a.defaultHandling);
    EXPECT_TRUE(st.windowMaximized);
    EXPECT_TRUE(st.sizeCommandSeen);
    st.maximizedLayout = true;
    a = HandleSysCommand(SysCommand::Maximize, st, ctx);
    EXPECT_FALSE(a.applyMaximized);
    EXPECT_FALSE(a.rememberRestoredPos);
    a = HandleSysCommand(SysCommand::Restore, st, ctx);
    EXPECT_TRUE(a.applyRestored);
    EXPECT_TRUE(a.hideWindowFirst);
    EXPECT_FALSE(st.windowMaximized);
}

TEST(SysCommands, RefusedDuringShow)
{
    SysCommandState st;
    SysCommandContext ctx;
    ctx.showRunning = true;
    const SysCommandActions a = HandleSysCommand(SysCommand::Maximize, st, ctx);
    EXPECT_TRUE(a.refuse);
    EXPECT_FALSE(a.defaultHandling);
    EXPECT_FALSE(a.applyMaximized);
    EXPECT_EQ(SizeChangeRefusedText(), QStringLiteral("Maximizing/Restoring not allowed in a running slide show!"));
    EXPECT_TRUE(HandleSysCommand(SysCommand::Restore, st, ctx).refuse);
}

TEST(SysCommands, InactiveApplicationKeepsItsLayout)
{
    SysCommandState st;
    st.maximizedLayout = true;
    SysCommandContext ctx;
    ctx.appActive = false;
    ctx.myShowHidden = true;
    SysCommandActions a = HandleSysCommand(SysCommand::Maximize, st, ctx);
    EXPECT_EQ(a.command, SysCommand::Restore);
    EXPECT_TRUE(a.halfWidth);
    ctx.myShowHidden = false;
    a = HandleSysCommand(SysCommand::Restore, st, ctx);
    EXPECT_EQ(a.command, SysCommand::Maximize);
    EXPECT_FALSE(a.halfWidth);
}

TEST(SysCommands, MinimizeDuringShowPausesAndResumesOnce)
{
    SysCommandState st;
    SysCommandContext ctx;
    ctx.showRunning = true;
    SysCommandActions a = HandleSysCommand(SysCommand::Minimize, st, ctx);
    EXPECT_TRUE(a.pauseShow);
    EXPECT_TRUE(a.minimizeApp);
    EXPECT_FALSE(a.defaultHandling);
    EXPECT_TRUE(st.minimizedDuringShow);

    // Restored from the taskbar: the restore handler resumes the show, the
    // maximize command that follows must not resume it a second time.
    ctx.windowMinimized = true;
    const AppRestoreActions r = HandleAppRestore(st, ctx);
    EXPECT_TRUE(r.resumeShow);
    EXPECT_TRUE(r.restoreApp);
    EXPECT_TRUE(r.updateFolderCaption);
    a = HandleSysCommand(SysCommand::Maximize, st, ctx);
    EXPECT_FALSE(a.resumeShow);
    EXPECT_FALSE(HandleAppRestore(st, ctx).resumeShow);

    // The other order: the command resumes, the restore handler does not.
    SysCommandState st2;
    ctx.windowMinimized = false;
    HandleSysCommand(SysCommand::Minimize, st2, ctx);
    ctx.windowMinimized = true;
    a = HandleSysCommand(SysCommand::Maximize, st2, ctx);
    EXPECT_TRUE(a.resumeShow);
    EXPECT_EQ(a.command, SysCommand::Restore);
    EXPECT_FALSE(HandleAppRestore(st2, ctx).resumeShow);
}

TEST(SysCommands, ManualModeShowIsNotResumed)
{
    SysCommandState st;
    SysCommandContext ctx;
    ctx.showRunning = true;
    ctx.inManualMode = true;
    EXPECT_FALSE(HandleSysCommand(SysCommand::Minimize, st, ctx).pauseShow);
    EXPECT_TRUE(st.showWasPaused);
    ctx.windowMinimized = true;
    EXPECT_FALSE(HandleAppRestore(st, ctx).resumeShow);
}

TEST(LayoutCalc, NarrowScreenFitsTheControlsAboveTheStatusBar)
{
    ControlBounds b;
    b.insert("TreeView1", QRect(0, 60, 400, 300));
    b.insert("MyShowSG", QRect(400, 60, 400, 250));
    b.insert("Panel1", QRect(0, 400, 800, 140));
    b.insert("DeleteButton", QRect(700, 320, 24, 24));
    b.insert("Bevel1", QRect(0, 50, 800, 2));
    // A work area whose status bar starts at 520: everything below the lists
    // moves up 26 pixels and the lists lose 26 pixels of height.
    ApplyNarrowScreenShift(b, 520);
    EXPECT_EQ(b["TreeView1"], QRect(0, 60, 400, 274));
    EXPECT_EQ(b["MyShowSG"], QRect(400, 60, 400, 224));
    EXPECT_EQ(b["Panel1"], QRect(0, 374, 800, 140));
    EXPECT_EQ(b["DeleteButton"], QRect(700, 294, 24, 24));
    EXPECT_EQ(b["Bevel1"], QRect(0, 50, 800, 2));   // not one of the moved controls
}
