#include "browse/crop_band_overlay.h"
#include "browse/crop_cut_out.h"
#include "browse/fit_zoom_handler.h"
#include "browse/picture_loader_slots.h"
#include "formats/picture_file.h"
#include "platform/prompt.h"
#include "support/sandbox.h"
#include "support/test_state.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window with an image of 800 x 600 below a 30-pixel bar, a readout
// label and a slot holding a 4000 x 3000 picture decoded at a quarter,
// shown in the full view with an enlargement limit of 100%.
struct Window {
    QWidget window;
    QLabel* image = nullptr;
    QLabel* speed = nullptr;
    PictureSlotModel slot{QStringLiteral("form1im1")};
    std::unique_ptr<FitZoomHandler> handler;
    DataPaths paths;
    QString folder;
    QString picturePath = QStringLiteral("/pics/holiday.jpg");
    QStringList hints;

    Window()
    {
        ShowSession& session = TestState().session;
        session.CutOutCount = 0;
        session.ZoomFactor = 0;
        session.ZoomSteps = 0;
        session.FullViewActive = 1;
        session.PlaybackActive = 0;
        session.ShowState.EnlargeLimit = 100;
        TestState().settings.Settings.CropRatioWidth = 0;
        TestState().settings.Settings.CropRatioHeight = 0;
        window.resize(1000, 700);
        image = new QLabel(&window);
        image->setObjectName(QStringLiteral("Image1"));
        image->setGeometry(0, 30, 800, 600);
        speed = new QLabel(&window);
        speed->setObjectName(QStringLiteral("SpeedLabel"));
        folder = CutOutFolderFor(testsupport::freshDir(QStringLiteral("data")));
        paths.CutOutFolder = folder;

        QImage buffer(1000, 750, QImage::Format_RGB32);
        buffer.fill(Qt::red);
        {
            QPainter p(&buffer);
            p.fillRect(500, 0, 500, 750, Qt::blue);
        }
        LoadedPicture picture;
        picture.image = buffer;
        picture.trueSize = QSize(4000, 3000);
        picture.kind = PictureKind::Jpeg;
        picture.jpegScaleNum = 2;
        slot.SetPicture(picturePath, picture);

        handler = std::make_unique<FitZoomHandler>(session, TestState().settings, paths, TestState().start, image,
                                                   &slot);
        handler->LayoutArea = QRect(0, 30, 800, 600);
        handler->SpeedLabel = speed;
        handler->CropPath = picturePath;
        QObject::connect(handler.get(), &FitZoomHandler::pauseHintWanted, [this](const QString& t) { hints << t; });
        window.show();
    }

    void send(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QMouseEvent e(type, QPointF(p), QPointF(image->mapToGlobal(p)), button, buttons, mods);
        QApplication::sendEvent(image, &e);
    }

    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, mods);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, mods);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, mods);
    }

    void wheel(int delta)
    {
        const QPointF p(100, 100);
        QWheelEvent e(p, QPointF(image->mapToGlobal(p.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(image, &e);
    }
};

} // namespace

TEST(FitZoomHandler, FitsThePictureByItsTrueSize)
{
    Window w;
    const fitzoom::FitResult r = w.handler->SizePictureToDisplay();
    EXPECT_DOUBLE_EQ(r.factor, 0.2);
    EXPECT_EQ(w.image->geometry(), QRect(0, 30, 800, 600));
    EXPECT_EQ(w.slot.ImageRect, QRect(0, 30, 800, 600));
    EXPECT_TRUE(w.slot.Visible);
    EXPECT_TRUE(w.speed->text().isEmpty());
    // The wheel does not zoom a picture that is not a cut-out.
    w.wheel(120);
    EXPECT_EQ(TestState().session.ZoomFactor, 0);
    EXPECT_EQ(w.image->geometry(), QRect(0, 30, 800, 600));
}

TEST(FitZoomHandler, DragCutsOutSavesAndShowsItEnlarged)
{
    Window w;
    w.handler->SizePictureToDisplay();
    w.send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    w.send(QEvent::MouseMove, {110, 60}, Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(w.handler->Overlay()->BandShown());
    EXPECT_EQ(w.handler->Overlay()->SizeText(), QStringLiteral("500x250"));
    EXPECT_EQ(w.handler->Overlay()->FullSizeText(), QStringLiteral("4000x3000"));
    w.send(QEvent::MouseButtonRelease, {110, 60}, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(w.handler->Overlay()->BandShown());

    EXPECT_EQ(TestState().session.CutOutCount, 1);
    const QString cut1 = w.folder + QStringLiteral("/cut1.bmp");
    ASSERT_TRUE(QFileInfo::exists(cut1));
    QImage saved(cut1, "BMP");
    EXPECT_EQ(saved.size(), QSize(500, 250));   // true-size pixels, not the buffer's 125 x 63
    EXPECT_EQ(w.slot.Path(), cut1);
    EXPECT_EQ(w.slot.PictureSize(), QSize(500, 250));
    // 500 x 250 fitted into 800 x 600 with limit 100: factor 1.6.
    EXPECT_EQ(w.image->geometry(), QRect(0, 130, 800, 400));
    EXPECT_EQ(w.speed->text(), QStringLiteral("Enlargement factor: 60%"));
}

TEST(FitZoomHandler, WheelZoomsACutOutAndTheNextFitKeepsIt)
{
    Window w;
    w.handler->SizePictureToDisplay();
    w.drag({10, 10}, {110, 60});
    ASSERT_EQ(TestState().session.CutOutCount, 1);
    w.wheel(120);
    EXPECT_NEAR(TestState().session.ZoomFactor, 1.648, 1e-9);
    EXPECT_EQ(w.image->geometry(), QRect(-12, 124, 824, 412));
    EXPECT_EQ(w.speed->text(), QStringLiteral("Enlargement factor: 65%"));
    w.wheel(-120);
    EXPECT_NEAR(TestState().session.ZoomFactor, 1.648 * 0.97, 1e-9);
    w.handler->SizePictureToDisplay();
    EXPECT_NEAR(TestState().session.ZoomFactor, 1.648 * 0.97, 1e-9);
    EXPECT_EQ(TestState().session.ZoomSteps, 0);
}

TEST(FitZoomHandler, ThreeCutOutsOfOnePictureAreNumbered)
{
    Window w;
    w.handler->SizePictureToDisplay();
    w.drag({10, 10}, {410, 310});
    w.drag({0, 0}, {400, 300});
    w.drag({100, 100}, {500, 300});
    EXPECT_EQ(TestState().session.CutOutCount, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(QFileInfo::exists(w.folder + QStringLiteral("/cut%1.bmp").arg(i))) << i;
    // The readout shows the enlargement of the last cut-out.
    const QSize last = w.slot.PictureSize();
    EXPECT_EQ(w.speed->text(), fitzoom::EnlargementText(w.image->height(), last.height()));
    EXPECT_EQ(w.slot.Path(), w.folder + QStringLiteral("/cut3.bmp"));
}

TEST(FitZoomHandler, SmallSelectionsAndRefusals)
{
    Window w;
    w.handler->SizePictureToDisplay();
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    // Two pixels wide: only repainted.
    w.drag({10, 10}, {12, 200});
    EXPECT_EQ(TestState().session.CutOutCount, 0);
    EXPECT_TRUE(platform::promptLog().isEmpty());

    // A running, not paused show: no band and the pause hint on release.
    TestState().session.FullViewActive = 0;
    TestState().session.PlaybackActive = 1;
    TestState().session.ShowState.Direction = 1;
    w.send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    w.send(QEvent::MouseMove, {300, 300}, Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(w.handler->Overlay()->BandShown());
    w.send(QEvent::MouseButtonRelease, {300, 300}, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(w.hints.size(), 1);
    EXPECT_EQ(w.hints.first(), CropPauseHintText());
    EXPECT_EQ(TestState().session.CutOutCount, 0);
    TestState().session.PlaybackActive = 0;
}

TEST(FitZoomHandler, SelectionCoveringNoPicturePixelSaysSo)
{
    Window w;
    LoadedPicture tiny;
    tiny.image = QImage(2, 2, QImage::Format_RGB32);
    tiny.image.fill(Qt::white);
    tiny.trueSize = QSize(2, 2);
    tiny.kind = PictureKind::Bitmap;
    w.slot.SetPicture(w.picturePath, tiny);
    TestState().session.ShowState.EnlargeLimit = 9999;
    w.handler->SizePictureToDisplay();
    ASSERT_EQ(w.image->size(), QSize(202, 202));   // factor (9999 + 100) / 100
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    w.drag({0, 0}, {4, 4});
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog().first().request.text, QStringLiteral("Selection too small!"));
    EXPECT_EQ(platform::promptLog().first().request.kind, platform::PromptKind::Error);
    EXPECT_EQ(TestState().session.CutOutCount, 0);
}

TEST(FitZoomHandler, AClickInTheFullViewClosesIt)
{
    Window w;
    w.handler->SizePictureToDisplay();
    int closed = 0;
    QObject::connect(w.handler.get(), &FitZoomHandler::fullViewClicked, [&] { ++closed; });
    w.drag({50, 50}, {51, 50});
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(TestState().session.CutOutCount, 0);
}

TEST(FitZoomHandler, APictureWithoutSizeHidesTheImage)
{
    Window w;
    w.slot.Clear();
    const fitzoom::FitResult r = w.handler->SizePictureToDisplay();
    EXPECT_FALSE(r.valid);
    EXPECT_FALSE(w.image->isVisible());
    EXPECT_FALSE(w.slot.Visible);
    w.drag({10, 10}, {200, 200});
    EXPECT_EQ(TestState().session.CutOutCount, 0);
}

TEST(FitZoomHandler, StepBackThroughTheCutOutsToThePicture)
{
    Window w;
    const QString path = testsupport::freshDir(QStringLiteral("pics")) + QStringLiteral("/real.jpg");
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    ASSERT_TRUE(picture.save(path, "JPG"));
    w.handler->CropPath = path;
    w.slot.SetPicture(path, LoadPictureFile(path, QSize()));
    w.handler->SizePictureToDisplay();
    w.drag({0, 0}, {400, 300});
    w.drag({0, 0}, {400, 300});
    ASSERT_EQ(TestState().session.CutOutCount, 2);
    EXPECT_EQ(w.slot.PictureSize(), QSize(200, 150));
    // The readout sits 40 pixels from the right edge.
    EXPECT_EQ(w.speed->x(), 1000 - w.speed->width() - 40);

    ASSERT_TRUE(w.handler->StepBackCutOut(path));
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(TestState().session.CutOutCount, 1);
    EXPECT_EQ(w.slot.Path(), w.folder + QStringLiteral("/cut1.bmp"));
    EXPECT_EQ(w.slot.PictureSize(), QSize(400, 300));
    ASSERT_TRUE(w.handler->StepBackCutOut(path));
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(TestState().session.CutOutCount, 0);
    EXPECT_EQ(w.slot.Path(), path);
    EXPECT_EQ(w.slot.PictureSize(), QSize(800, 600));
    EXPECT_EQ(w.image->geometry(), QRect(0, 30, 800, 600));
    EXPECT_TRUE(w.speed->text().isEmpty());
    EXPECT_FALSE(w.handler->StepBackCutOut(path));
    testsupport::waitForPictureAnswers();
    EXPECT_EQ(TestState().session.CutOutCount, 0);
}

TEST(FitZoomHandler, AnotherPictureInTheImageEndsTheCutOutZoom)
{
    Window w;
    w.handler->SizePictureToDisplay();
    w.drag({10, 10}, {110, 60});
    w.wheel(120);
    ASSERT_EQ(TestState().session.CutOutCount, 1);
    ASSERT_GT(TestState().session.ZoomFactor, 0);
    LoadedPicture other;
    other.image = QImage(400, 300, QImage::Format_RGB32);
    other.trueSize = QSize(400, 300);
    other.kind = PictureKind::Bitmap;
    w.slot.SetPicture(QStringLiteral("/pics/other.bmp"), other);
    const fitzoom::FitResult r = w.handler->SizePictureToDisplay();
    EXPECT_EQ(TestState().session.CutOutCount, 0);
    EXPECT_EQ(TestState().session.ZoomFactor, 0);
    EXPECT_DOUBLE_EQ(r.factor, 2.0);
    EXPECT_TRUE(w.speed->text().isEmpty());
}
