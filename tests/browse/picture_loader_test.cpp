// RequestPictureForSlot: decoding for the slot's display area, the true size
// kept apart, the message for a slot of another name, the loader's steps, and the sorting of load
// failures into the five kinds with their caption text.
#include "browse/picture_display_view.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "formats/picture_errors.h"
#include "formats/picture_fixtures.h"
#include "platform/prompt.h"
#include "support/sandbox.h"
#include "support/test_slots.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <new>

using namespace fixtures;

namespace {

// Asks the slot for the picture and waits for its answer.
void loadIntoSlot(const QString& path, const QString& slot)
{
    RequestPictureForSlot(path, testsupport::testSlot(slot));
    ASSERT_TRUE(QTest::qWaitFor([&] { return testsupport::testSlot(slot)->PendingTicket() == 0; }, 30000));
}

} // namespace

TEST(PictureLoader, FittedSizeFollowsTheFitRule)
{
    EXPECT_EQ(FittedPictureSize(QSize(4000, 3000), QSize(800, 600), 100), QSize(800, 600));
    EXPECT_EQ(FittedPictureSize(QSize(400, 300), QSize(800, 600), 50), QSize(600, 450));
    EXPECT_EQ(FittedPictureSize(QSize(400, 300), QSize(800, 600), -50), QSize(200, 150));
    EXPECT_EQ(FittedPictureSize(QSize(6000, 4000), QSize(1920, 1080), 0), QSize(1620, 1080));
    // A picture or area of no width gives no target: decode in full.
    EXPECT_EQ(FittedPictureSize(QSize(0, 300), QSize(800, 600), 0), QSize());
    EXPECT_EQ(FittedPictureSize(QSize(400, 300), QSize(0, 600), 0), QSize());
    // A very thin picture keeps at least one pixel.
    EXPECT_EQ(FittedPictureSize(QSize(10000, 1), QSize(100, 100), 0), QSize(100, 1));
}

TEST(PictureLoader, DecodesForTheSlotAreaAndKeepsTheTrueSize)
{
    const QString path = testsupport::freshDir("slot") + "/big.jpg";
    ASSERT_TRUE(testsupport::writeFile(path, jpeg(4000, 3000)));
    PictureSlotModel* slot = testsupport::testSlot("form1im1");
    ASSERT_NE(slot, nullptr);
    slot->DisplayArea = QSize(400, 300);
    slot->EnlargeLimit = 0;
    loadIntoSlot(path, "form1im1");
    EXPECT_TRUE(slot->Loaded());
    EXPECT_EQ(slot->Path(), path);
    EXPECT_EQ(slot->PictureSize(), QSize(4000, 3000));
    EXPECT_EQ(slot->JpegScaleNum(), 1);
    // Decoded at 1/8 (500 x 375) and shrunk to the size shown.
    EXPECT_EQ(slot->Buffer().size(), QSize(400, 300));
    // The full picture is there on request.
    EXPECT_EQ(slot->FullResolutionImage().size(), QSize(4000, 3000));
    slot->Clear();
    slot->DisplayArea = QSize();
    EXPECT_FALSE(slot->Loaded());
}

TEST(PictureLoader, UnknownSlotShowsTheMessage)
{
    const QString path = testsupport::freshDir("unknown") + "/a.bmp";
    ASSERT_TRUE(testsupport::writeFile(path, bmp(8, 8)));
    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    EXPECT_EQ(RequestPictureForSlot(path, testsupport::testSlot("form5im1")), 0u);
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog().front().request.text, "Unknown formim: form5im1");
}

TEST(PictureLoader, TheConnectedStepsFollowThePictureIntoTheSlot)
{
    const QString path = testsupport::freshDir("steps") + "/a.bmp";
    ASSERT_TRUE(testsupport::writeFile(path, bmp(8, 8)));
    QStringList calls;
    PictureLoaderSteps steps;
    steps.ThumbnailPath = [&](const QString& p) { calls << "thumbpath"; return p + ".thumb"; };
    steps.PictureInfoText = [&](const QString&) { calls << "info"; return QStringLiteral("File size:  1 kb"); };
    steps.SetTitleHint = [&](const QString& text) { calls << "hint:" + text; };
    steps.CreateOrRefreshThumbnail = [&](const QString&, const QString& thumb, const PictureSlotModel* slot) {
        calls << "thumb:" + thumb + ":" + slot->Name() + (slot->Path() == path ? ":in" : ":out");
        return 4;
    };
    {
        QObject owner;
        ConnectPictureLoaderSteps(&owner, testsupport::testSlot(SlotForm9Im2), steps);
        loadIntoSlot(path, SlotForm9Im2);
        EXPECT_EQ(calls, QStringList({"thumbpath", "info", "hint:File size:  1 kb", "thumb:" + path + ".thumb:form9im2:in"}));
    }
    // Gone with their owner.
    calls.clear();
    loadIntoSlot(path, SlotForm9Im2);
    EXPECT_TRUE(calls.isEmpty());
    testsupport::testSlot(SlotForm9Im2)->Clear();
}

TEST(PictureLoader, FailuresAreSortedIntoTheFiveKinds)
{
    const auto kind = [](auto exception) { return ClassifyLoadError(std::make_exception_ptr(exception)); };
    EXPECT_EQ(kind(EInvalidGraphic("x")), "Invalid Graphic");
    EXPECT_EQ(kind(EJPEGError("x")), "Invalid Graphic");
    EXPECT_EQ(kind(EGIFError("x")), "Invalid Graphic");
    EXPECT_EQ(kind(EMetafileError("x")), "Invalid Graphic");
    EXPECT_EQ(kind(EWin32Error("x")), "EWin32Error");
    EXPECT_EQ(kind(EFOpenError("x")), "Open error");
    EXPECT_EQ(kind(EAccessViolation("x")), "Access Violation");
    EXPECT_EQ(kind(std::bad_alloc()), "Other Error");
    EXPECT_EQ(kind(42), "Other Error");
    EXPECT_EQ(LoadErrorCaption("Beach.jpg", "Invalid Graphic"),
              "Vistamo! :  Error occurred, File Beach.jpg can not be opened, Invalid Graphic");
}

TEST(PictureLoader, TryLoadSetsTheErrorKindOfRealFiles)
{
    const QString dir = testsupport::freshDir("try");
    const QByteArray good = jpeg(64, 48);
    ASSERT_TRUE(testsupport::writeFile(dir + "/good.jpg", good));
    ASSERT_TRUE(testsupport::writeFile(dir + "/cut.jpg", good.left(good.size() / 2)));
    ASSERT_TRUE(testsupport::writeFile(dir + "/empty.gif", QByteArray()));
    ASSERT_TRUE(testsupport::writeFile(dir + "/huge.jpg", withJpegSize(good, 60000, 60000)));
    ASSERT_TRUE(testsupport::writeFile(dir + "/note.txt", "text"));
    QString detail;
    EXPECT_EQ(TryLoadPictureIntoSlot(dir + "/good.jpg", testsupport::testSlot("form9im2")), "");
    EXPECT_EQ(TryLoadPictureIntoSlot(dir + "/cut.jpg", testsupport::testSlot("form9im2"), &detail), "Invalid Graphic");
    EXPECT_EQ(detail, "JPEG file is truncated");
    EXPECT_EQ(TryLoadPictureIntoSlot(dir + "/empty.gif", testsupport::testSlot("form9im2")), "Invalid Graphic");
    EXPECT_EQ(TryLoadPictureIntoSlot(dir + "/huge.jpg", testsupport::testSlot("form9im2")), "Invalid Graphic");
    EXPECT_EQ(TryLoadPictureIntoSlot(dir + "/note.txt", testsupport::testSlot("form9im2")), "Invalid Graphic");
    EXPECT_EQ(TryLoadPictureIntoSlot(dir + "/gone.jpg", testsupport::testSlot("form9im2")), "Open error");
    EXPECT_EQ(TryLoadPictureIntoSlot(dir, testsupport::testSlot("form9im2")), "Open error");
    // A failed load leaves the slot's previous picture in place.
    EXPECT_EQ(testsupport::testSlot("form9im2")->Path(), dir + "/good.jpg");

    platform::ScopedPromptResponder answers(QList<platform::PromptReply>{});
    ReportLoadFailure("gone.jpg", "Open error");
    ASSERT_EQ(platform::promptLog().size(), 1);
    EXPECT_EQ(platform::promptLog().front().request.kind, platform::PromptKind::Error);
    EXPECT_EQ(platform::promptLog().front().request.text,
              "Vistamo! :  Error occurred, File gone.jpg can not be opened, Open error");
}

TEST(PictureView, ScalesOncePerPictureAndSize)
{
    const QString dir = testsupport::freshDir("viewcache");
    QImage red(400, 300, QImage::Format_RGB32), blue(400, 300, QImage::Format_RGB32);
    red.fill(QColor(250, 0, 0));
    blue.fill(QColor(0, 0, 250));
    ASSERT_TRUE(red.save(dir + "/red.bmp") && blue.save(dir + "/blue.bmp"));
    QWidget host;
    host.resize(80, 60);
    host.show();
    PictureSlotModel* slot = testsupport::testSlot("form9im2");
    PictureView* view = AttachPictureView(&host, slot);
    loadIntoSlot(dir + "/red.bmp", "form9im2");

    const QImage first = view->ScaledImage();
    EXPECT_EQ(first.size(), QSize(80, 60));
    EXPECT_EQ(first.pixelColor(40, 30), QColor(250, 0, 0));
    EXPECT_EQ(view->ScaledImage().cacheKey(), first.cacheKey());   // painted again, not scaled again

    host.resize(40, 30);
    EXPECT_EQ(view->ScaledImage().size(), QSize(40, 30));
    loadIntoSlot(dir + "/blue.bmp", "form9im2");
    EXPECT_EQ(view->ScaledImage().pixelColor(20, 15), QColor(0, 0, 250));
    QImage shot(view->size(), QImage::Format_RGB32);
    view->render(&shot);
    EXPECT_EQ(shot.pixelColor(20, 15), QColor(0, 0, 250));
    // Zoomed far beyond the picture: no enlarged copy is kept, the picture
    // is painted straight from the buffer.
    host.resize(4000, 3000);
    EXPECT_TRUE(view->ScaledImage().isNull());
    QImage corner(100, 100, QImage::Format_RGB32);
    view->render(&corner, QPoint(), QRegion(3900, 2900, 100, 100));
    EXPECT_EQ(corner.pixelColor(50, 50), QColor(0, 0, 250));
    slot->Clear();
    EXPECT_TRUE(view->ScaledImage().isNull());
}

TEST(PictureView, PaintsWhatTheSlotHoldsAndStepsAnimations)
{
    const QString dir = testsupport::freshDir("view");
    ASSERT_TRUE(testsupport::writeFile(dir + "/anim.gif", animatedGif(10, 10, {1, 2}, 5)));
    QWidget host;
    host.setObjectName("Image1");
    host.resize(40, 40);
    host.show();
    PictureSlotModel* slot = testsupport::testSlot("form9im1");
    PictureView* view = AttachPictureView(&host, slot);
    EXPECT_EQ(view->objectName(), "Image1View");
    EXPECT_EQ(view->size(), QSize(40, 40));
    host.resize(80, 60);
    EXPECT_EQ(view->size(), QSize(80, 60));

    loadIntoSlot(dir + "/anim.gif", "form9im1");
    ASSERT_TRUE(slot->Animated());
    EXPECT_EQ(slot->FrameDelay(), 50);
    QImage shot(view->size(), QImage::Format_RGB32);
    view->render(&shot);
    EXPECT_EQ(shot.pixelColor(40, 30), QColor(255, 0, 0));
    slot->AdvanceFrame();
    view->render(&shot);
    EXPECT_EQ(shot.pixelColor(40, 30), QColor(0, 255, 0));
    slot->AdvanceFrame();
    EXPECT_EQ(slot->FrameIndex(), 0);
    slot->Clear();
}
