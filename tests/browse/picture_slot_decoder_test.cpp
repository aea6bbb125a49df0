// A picture slot asked for a picture answers later: `loaded` with the
// picture in the slot, or `failed` with the failure's kind and text; a newer
// request replaces the one waiting, which is never answered. A picture
// decoded ahead is taken by a request of the same file at the same size and
// only while the file is unchanged.
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "browse/picture_slot_decoder.h"
#include "formats/picture_errors.h"
#include "formats/picture_fixtures.h"
#include "support/sandbox.h"
#include "support/test_slots.h"

#include <QTest>
#include <gtest/gtest.h>

#include <map>

using namespace fixtures;

namespace {

// The answers a slot gave, by ticket.
struct Answers {
    explicit Answers(PictureSlotModel* slot)
    {
        QObject::connect(slot, &PictureSlotModel::loaded, &context,
                         [this](quint64 ticket, const LoadedPicture& p) { loaded[ticket] = p.trueSize; });
        QObject::connect(slot, &PictureSlotModel::failed, &context,
                         [this](quint64 ticket, const LoadError& e) { failed[ticket] = e; });
    }
    bool answered(quint64 ticket) const { return loaded.count(ticket) || failed.count(ticket); }
    bool waitFor(quint64 ticket) { return QTest::qWaitFor([&] { return answered(ticket); }, 30000); }
    QObject context;
    std::map<quint64, QSize> loaded;
    std::map<quint64, LoadError> failed;
};

} // namespace

TEST(PictureSlotAnswers, LoadedFailedAndSuperseded)
{
    const QString dir = testsupport::freshDir("answers");
    ASSERT_TRUE(testsupport::writeFile(dir + "/old.jpg", jpeg(3000, 2000)));
    ASSERT_TRUE(testsupport::writeFile(dir + "/new.jpg", jpeg(300, 200)));
    ASSERT_TRUE(testsupport::writeFile(dir + "/bad.jpg", QByteArray("\xff\xd8 broken")));
    PictureSlotModel* slot = testsupport::testSlot(SlotForm1Im1);
    Answers got(slot);

    // Asked, the slot answers later, never from inside the request.
    const quint64 old = slot->Request(dir + "/old.jpg", QSize(), 0);
    EXPECT_FALSE(got.answered(old));
    // A newer request replaces the one waiting: only the newer is answered.
    const quint64 newer = slot->Request(dir + "/new.jpg", QSize(), 0);
    ASSERT_TRUE(got.waitFor(newer));
    EXPECT_EQ(got.loaded[newer], QSize(300, 200));
    EXPECT_EQ(slot->Path(), dir + "/new.jpg");
    EXPECT_EQ(slot->PictureSize(), QSize(300, 200));
    EXPECT_TRUE(QTest::qWaitFor([] { return SlotLoadsWaiting() == 0; }, 30000));
    QTest::qWait(50);
    EXPECT_FALSE(got.answered(old));

    // Failures are values with their kind and the decoder's text; the slot
    // keeps the picture it held.
    const quint64 missing = slot->Request(dir + "/missing.jpg", QSize(), 0);
    ASSERT_TRUE(got.waitFor(missing));
    EXPECT_EQ(got.failed[missing].kind, LoadFailure::OpenError);
    const quint64 folder = slot->Request(dir, QSize(), 0);
    ASSERT_TRUE(got.waitFor(folder));
    EXPECT_EQ(got.failed[folder].kind, LoadFailure::OpenError);
    const quint64 bad = slot->Request(dir + "/bad.jpg", QSize(), 0);
    ASSERT_TRUE(got.waitFor(bad));
    EXPECT_EQ(got.failed[bad].kind, LoadFailure::InvalidGraphic);
    EXPECT_FALSE(got.failed[bad].text.isEmpty());
    EXPECT_EQ(slot->Path(), dir + "/new.jpg");

    // A cancelled request is never answered.
    const quint64 dropped = slot->Request(dir + "/new.jpg", QSize(), 0);
    slot->CancelRequest();
    EXPECT_TRUE(QTest::qWaitFor([] { return SlotLoadsWaiting() == 0; }, 30000));
    QTest::qWait(50);
    EXPECT_FALSE(got.answered(dropped));
}

TEST(PictureSlotAnswers, EachExceptionOfTheDecodersBecomesItsKind)
{
    const auto of = [](auto exception) { return LoadErrorOf(std::make_exception_ptr(exception)); };
    EXPECT_EQ(of(EJPEGError("cut")).kind, LoadFailure::InvalidGraphic);
    EXPECT_EQ(of(EJPEGError("cut")).text, "cut");
    EXPECT_EQ(of(EWin32Error("x")).kind, LoadFailure::Win32Error);
    EXPECT_EQ(of(EFOpenError("x")).kind, LoadFailure::OpenError);
    EXPECT_EQ(of(EAccessViolation("x")).kind, LoadFailure::AccessViolation);
    EXPECT_EQ(of(std::bad_alloc()).kind, LoadFailure::Other);
    EXPECT_EQ(of(7).kind, LoadFailure::Other);
    EXPECT_EQ(LoadFailureName(LoadFailure::InvalidGraphic), "Invalid Graphic");
    EXPECT_EQ(LoadFailureName(LoadFailure::Win32Error), "EWin32Error");
    EXPECT_EQ(LoadFailureName(LoadFailure::OpenError), "Open error");
    EXPECT_EQ(LoadFailureName(LoadFailure::AccessViolation), "Access Violation");
    EXPECT_EQ(LoadFailureName(LoadFailure::Other), "Other Error");
}

TEST(PictureSlotAnswers, APictureDecodedAheadIsTakenOnlyForTheSameFileAndSize)
{
    const QString dir = testsupport::freshDir("ahead");
    const QString path = dir + "/a.jpg";
    ASSERT_TRUE(testsupport::writeFile(path, jpeg(1600, 1200)));
    PictureSlotModel* slot = testsupport::testSlot(SlotForm1Im1);
    Answers got(slot);
    const auto load = [&](QSize area) {
        const quint64 ticket = slot->Request(path, area, 0);
        EXPECT_TRUE(got.waitFor(ticket));
        return slot->Buffer().size();
    };
    PrefetchPicture(path, QSize(800, 600), 0);
    EXPECT_EQ(PrefetchedPicturePath(), path);
    ASSERT_TRUE(QTest::qWaitFor([] { return PrefetchedPictureReady(); }, 30000));
    // Another size decodes anew and leaves the picture decoded ahead.
    EXPECT_EQ(load(QSize(400, 300)), QSize(400, 300));
    EXPECT_EQ(PrefetchedPicturePath(), path);
    EXPECT_EQ(load(QSize(800, 600)), QSize(800, 600));
    EXPECT_EQ(PrefetchedPicturePath(), QString());

    // The file replaced after its decode ahead: the new file is decoded.
    PrefetchPicture(path, QSize(800, 600), 0);
    ASSERT_TRUE(QTest::qWaitFor([] { return PrefetchedPictureReady(); }, 30000));
    ASSERT_TRUE(testsupport::writeFile(path, jpeg(640, 480)));
    load(QSize(800, 600));
    EXPECT_EQ(slot->PictureSize(), QSize(640, 480));

    // Taken while it still decodes: the request waits for that decode.
    PrefetchPicture(path, QSize(), 0);
    EXPECT_EQ(load(QSize()), QSize(640, 480));
    PrefetchPicture(path, QSize(), 0);
    DropPrefetchedPicture();
    EXPECT_EQ(PrefetchedPicturePath(), QString());
}
