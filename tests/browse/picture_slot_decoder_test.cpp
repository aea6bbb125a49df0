// Slot loads off the window's thread: the newest load of a slot wins, a
// picture decoded ahead is taken by a load of the same file at the same size
// and only while the file is unchanged, and failures keep their kinds.
#include "browse/picture_loader.h"
#include "browse/picture_slot_decoder.h"
#include "formats/picture_errors.h"
#include "formats/picture_fixtures.h"
#include "support/sandbox.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace fixtures;

TEST(SlotDecoder, ANewerLoadOfTheSlotReplacesTheOneWaiting)
{
    const QString dir = testsupport::freshDir("newest");
    ASSERT_TRUE(testsupport::writeFile(dir + "/old.jpg", jpeg(3000, 2000)));
    ASSERT_TRUE(testsupport::writeFile(dir + "/new.jpg", jpeg(300, 200)));
    LoadedPicture newer;
    bool otherSlotDone = false;
    // Started from the event loop the first load serves while it waits.
    QTimer::singleShot(0, [&] {
        newer = DecodeForSlot("form1im1", dir + "/new.jpg", QSize(), 0);
        // Another slot's load leaves the first one alone.
        otherSlotDone = !DecodeForSlot("form9im1", dir + "/new.jpg", QSize(), 0).image.isNull();
    });
    EXPECT_THROW(DecodeForSlot("form1im1", dir + "/old.jpg", QSize(), 0), ELoadSuperseded);
    EXPECT_EQ(newer.trueSize, QSize(300, 200));
    EXPECT_TRUE(otherSlotDone);
    EXPECT_EQ(SlotLoadsWaiting(), 0);

    // Failures leave as the loader's exceptions.
    EXPECT_THROW(DecodeForSlot("form1im1", dir + "/missing.jpg", QSize(), 0), EFOpenError);
    ASSERT_TRUE(testsupport::writeFile(dir + "/bad.jpg", QByteArray("\xff\xd8 broken")));
    EXPECT_THROW(DecodeForSlot("form1im1", dir + "/bad.jpg", QSize(), 0), EInvalidGraphic);
}

TEST(SlotDecoder, APictureDecodedAheadIsTakenOnlyForTheSameFileAndSize)
{
    const QString dir = testsupport::freshDir("ahead");
    const QString path = dir + "/a.jpg";
    ASSERT_TRUE(testsupport::writeFile(path, jpeg(1600, 1200)));
    PrefetchPicture(path, QSize(800, 600), 0);
    EXPECT_EQ(PrefetchedPicturePath(), path);
    ASSERT_TRUE(QTest::qWaitFor([] { return PrefetchedPictureReady(); }, 30000));
    // Another size decodes anew and leaves the picture decoded ahead.
    EXPECT_EQ(DecodeForSlot("form1im1", path, QSize(400, 300), 0).image.size(), QSize(400, 300));
    EXPECT_EQ(PrefetchedPicturePath(), path);
    EXPECT_EQ(DecodeForSlot("form1im1", path, QSize(800, 600), 0).image.size(), QSize(800, 600));
    EXPECT_EQ(PrefetchedPicturePath(), QString());

    // The file replaced after its decode ahead: the new file is decoded.
    PrefetchPicture(path, QSize(800, 600), 0);
    ASSERT_TRUE(QTest::qWaitFor([] { return PrefetchedPictureReady(); }, 30000));
    ASSERT_TRUE(testsupport::writeFile(path, jpeg(640, 480)));
    EXPECT_EQ(DecodeForSlot("form1im1", path, QSize(800, 600), 0).trueSize, QSize(640, 480));

    // Taken while it still decodes: the load waits for that decode.
    PrefetchPicture(path, QSize(), 0);
    EXPECT_EQ(DecodeForSlot("form9im2", path, QSize(), 0).image.size(), QSize(640, 480));
    PrefetchPicture(path, QSize(), 0);
    DropPrefetchedPicture();
    EXPECT_EQ(PrefetchedPicturePath(), QString());
}
