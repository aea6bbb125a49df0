#include "base/data_folder.h"
#include "support/test_state.h"
#include "base/picture_table.h"
#include "browse/picture_loader.h"
#include "slideshow/show_state.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/crop_cut_out.h"
#include "browse/crop_ratio_panel.h"
#include "browse/fit_zoom.h"
#include "browse/fit_zoom_handler.h"
#include "browse/fit_zoom_section.h"
#include "browse/picture_loader_slots.h"
#include "platform/prompt.h"
#include "support/sandbox.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

QString makeJpeg(int w, int h)
{
    const QString path = testsupport::freshDir(QStringLiteral("pics")) + QStringLiteral("/photo.jpg");
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(w / 2, 0, w - w / 2, h, Qt::darkGreen);
    image.save(path, "JPG", 95);
    return path;
}

void mouse(QWidget* target, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(p), QPointF(target->mapToGlobal(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

void drag(QWidget* target, QPoint from, QPoint to)
{
    mouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    mouse(target, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    mouse(target, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

} // namespace

TEST(MainWindowFitZoom, FullViewShowsThePictureFittedAndCropsIt)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    TestState().paths.CutOutFolder = CutOutFolderFor(testsupport::freshDir(QStringLiteral("data")));
    Settings.MaxEnlargePercent = 0;
    MainWindow form(TestState());
    const QString path = makeJpeg(400, 300);
    form.fitZoom()->ShowPictureFull(path);
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(TestState().session.FullViewActive, 1);
    EXPECT_EQ(TestState().session.CutOutCount, 0);
    ASSERT_TRUE(form.pictureSlot()->Loaded());
    EXPECT_EQ(form.pictureSlot()->PictureSize(), QSize(400, 300));
    // The picture area is Image1's designed place: 800 x 515 at (0, 30).
    EXPECT_EQ(form.clientArea()->picture()->geometry(), QRect(200, 137, 400, 300));

    drag(form.clientArea()->picture(), {200, 0}, {400, 100});
    EXPECT_EQ(TestState().session.CutOutCount, 1);
    const QString cut1 = TestState().paths.CutOutFolder + QStringLiteral("/cut1.bmp");
    ASSERT_TRUE(QFileInfo::exists(cut1));
    EXPECT_EQ(QImage(cut1).size(), QSize(200, 100));
    const QColor inside(QImage(cut1).pixel(100, 50));   // the green right half
    EXPECT_LT(inside.red(), 40);
    EXPECT_NEAR(inside.green(), 128, 20);
    EXPECT_EQ(form.pictureSlot()->Path(), cut1);
    // The cut-out is fitted like a picture, held to the limit (0 %: factor 1).
    EXPECT_EQ(form.clientArea()->picture()->geometry(), QRect(300, 237, 200, 100));

    // A click (no drag) closes the full view.
    drag(form.clientArea()->picture(), {50, 50}, {50, 50});
    EXPECT_EQ(TestState().session.FullViewActive, 0);
    EXPECT_TRUE(form.clientArea()->picture()->isHidden());
}

TEST(MainWindowFitZoom, AFullViewThatCannotLoadSaysSo)
{
    MainWindow form(TestState());
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    const QString path = testsupport::freshDir(QStringLiteral("pics")) + QStringLiteral("/gone.jpg");
    form.fitZoom()->ShowPictureFull(path);
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(TestState().session.FullViewActive, 0);
    ASSERT_FALSE(platform::promptLog().isEmpty());
    EXPECT_EQ(platform::promptLog().last().request.text,
              QStringLiteral("Open error, ") + path + QStringLiteral(" can not be shown!"));
}

TEST(MainWindowFitZoom, CustomRatioPanelStoresOnlyRatiosAboveZero)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    MainWindow form(TestState());
    form.show();
    Settings.CropRatioWidth = 3;
    Settings.CropRatioHeight = 2;
    Settings.CustomRatioWidth = 0;
    Settings.CustomRatioHeight = 0;
    form.fitZoom()->ShowCustomRatioPanel();
    auto* panel = form.findChild<CustomRatioPanel*>(QStringLiteral("PnlCustomRatio"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(form.toolBars().ToolBar1()->isEnabled());
    auto* x = form.findChild<QLineEdit*>(QStringLiteral("LECusRatioX"));
    auto* y = form.findChild<QLineEdit*>(QStringLiteral("LECusRatioY"));
    auto* illegalX = form.findChild<QLabel*>(QStringLiteral("LblIllegalX"));
    ASSERT_TRUE(x && y && illegalX);

    // A zero is refused when the edit is left.
    x->setText(QStringLiteral("0"));
    panel->LECusRatioXExit();
    EXPECT_FALSE(illegalX->isHidden());
    x->setText(QStringLiteral("16"));
    panel->LECusRatioXExit();
    EXPECT_TRUE(illegalX->isHidden());

    // The height edit was never left and is empty: OK stores nothing.
    y->clear();
    panel->BtnOK->click();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(Settings.CropRatioWidth, 3);
    EXPECT_EQ(Settings.CustomRatioHeight, 0);

    // While the panel is shown, a drag over the picture does nothing.
    TestState().session.CutOutCount = 0;
    TestState().session.FullViewActive = 1;
    drag(form.clientArea()->picture(), {10, 10}, {200, 200});
    EXPECT_EQ(TestState().session.CutOutCount, 0);

    y->setText(QStringLiteral("9"));
    panel->LECusRatioYExit();
    panel->BtnOK->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(form.toolBars().ToolBar1()->isEnabled());
    EXPECT_EQ(Settings.CropRatioWidth, 16);
    EXPECT_EQ(Settings.CropRatioHeight, 9);
    EXPECT_EQ(Settings.CustomRatioWidth, 16);
    EXPECT_EQ(Settings.CustomRatioHeight, 9);

    // Cancel closes without storing.
    form.fitZoom()->ShowCustomRatioPanel();
    EXPECT_EQ(x->text(), QStringLiteral("16"));
    x->setText(QStringLiteral("4"));
    panel->BtnCancel->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(Settings.CropRatioWidth, 16);
}

TEST(CropRatioPanel, ParsesNumbersAboveZero)
{
    EXPECT_EQ(ParseCropRatioPart(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(ParseCropRatioPart(QStringLiteral(" 16 ")), 16.0);
    EXPECT_FALSE(ParseCropRatioPart(QStringLiteral("0")));
    EXPECT_FALSE(ParseCropRatioPart(QStringLiteral("-2")));
    EXPECT_FALSE(ParseCropRatioPart(QStringLiteral("abc")));
    EXPECT_FALSE(ParseCropRatioPart(QString()));
    EXPECT_FALSE(ParseCropRatioPart(QStringLiteral("inf")));
}

TEST(MainWindowFitZoom, ThePictureAreaOfTheLayoutsIsUsedWhenSet)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    Settings.MaxEnlargePercent = 100;
    MainWindow form(TestState());
    form.fitZoom()->SetPictureArea(QRect(10, 40, 1001, 500));
    form.fitZoom()->ShowPictureFull(makeJpeg(400, 300));
    testsupport::waitForPictureAnswers();
    // Factor min(500 / 300, 1001 / 400, 2): 1.6667 -> 667 x 500; left 10 + 334 / 2.
    EXPECT_EQ(form.clientArea()->picture()->geometry(), QRect(177, 40, 667, 500));
}

TEST(MainWindowFitZoom, InAShowOnlyAPausedPictureIsCropped)
{
    TestState().paths.CutOutFolder = CutOutFolderFor(testsupport::freshDir(QStringLiteral("data")));
    MainWindow form(TestState());
    const QString path = makeJpeg(400, 300);
    TestState().session.PictureTable.assign(1, TPictureEntry{});
    TestState().session.PictureTable[0].FullPath = path;
    TestState().session.PictureCount = 1;
    TestState().session.PictureIndex = 0;
    TestState().session.PlaybackActive = 1;
    TestState().session.ShowState.Direction = 1;
    TestState().session.ShowState.EnlargeLimit = 0;
    ASSERT_TRUE(TryLoadPictureIntoSlot(path, form.pictureSlot()).isEmpty());
    form.fitZoom()->SizePictureToDisplay(true);
    EXPECT_EQ(form.clientArea()->picture()->geometry(), QRect(200, 137, 400, 300));

    drag(form.clientArea()->picture(), {10, 10}, {200, 200});
    EXPECT_EQ(TestState().session.CutOutCount, 0);

    TestState().session.ShowState.Direction = 0;   // paused
    drag(form.clientArea()->picture(), {10, 10}, {200, 200});
    EXPECT_EQ(TestState().session.CutOutCount, 1);
    EXPECT_TRUE(QFileInfo::exists(TestState().paths.CutOutFolder + QStringLiteral("/cut1.bmp")));
    TestState().session.PlaybackActive = 0;
}
