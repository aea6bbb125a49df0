// PictureDecodeQueue: pictures decoded on workers for the fitted size,
// delivered on the owner's thread, cancelled tickets dropped, failures sorted
// into the loader's kinds.
#include "browse/picture_decode_queue.h"
#include "browse/picture_loader.h"
#include "formats/picture_fixtures.h"
#include "support/sandbox.h"

#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

using namespace fixtures;

namespace {

struct Result {
    quint64 ticket = 0;
    LoadedPicture picture;
    QString kind;
    QString detail;
    QThread* thread = nullptr;
};

struct Collector {
    explicit Collector(PictureDecodeQueue& queue)
    {
        QObject::connect(&queue, &PictureDecodeQueue::decoded, &queue,
                         [this](quint64 ticket, const LoadedPicture& picture, const LoadOutcome& outcome) {
                             results.push_back({ticket, picture, outcome ? LoadFailureName(outcome->kind) : QString(),
                                                outcome ? outcome->text : QString(), QThread::currentThread()});
                         });
    }
    bool waitFor(quint64 ticket)
    {
        return QTest::qWaitFor([&] { return find(ticket) != nullptr; }, 60000);
    }
    const Result* find(quint64 ticket) const
    {
        for (const Result& r : results)
            if (r.ticket == ticket)
                return &r;
        return nullptr;
    }
    std::vector<Result> results;
};

} // namespace

TEST(PictureDecodeQueue, DecodesForTheFittedSizeOnWorkersAndDeliversOnTheOwnersThread)
{
    const QString dir = testsupport::freshDir("queue");
    ASSERT_TRUE(testsupport::writeFile(dir + "/big.jpg", jpeg(4000, 3000)));
    PictureDecodeQueue queue(2);
    Collector got(queue);
    const quint64 fitted = queue.submit({dir + "/big.jpg", QSize(400, 300), 0});
    const quint64 full = queue.submit({dir + "/big.jpg", QSize(), 0});
    EXPECT_NE(fitted, 0u);
    EXPECT_NE(fitted, full);
    EXPECT_TRUE(queue.isPending(fitted));
    ASSERT_TRUE(got.waitFor(fitted));
    ASSERT_TRUE(got.waitFor(full));
    const Result* a = got.find(fitted);
    EXPECT_TRUE(a->kind.isEmpty());
    EXPECT_EQ(a->thread, QThread::currentThread());
    EXPECT_EQ(a->picture.trueSize, QSize(4000, 3000));
    // Decoded to FittedPictureSize, as the loader does.
    EXPECT_EQ(FittedPictureSize(QSize(4000, 3000), QSize(400, 300), 0), QSize(400, 300));
    EXPECT_EQ(a->picture.image.size(), QSize(400, 300));
    EXPECT_EQ(got.find(full)->picture.image.size(), QSize(4000, 3000));
    EXPECT_FALSE(queue.isPending(fitted));
}

TEST(PictureDecodeQueue, CancelledTicketsAreNeverDelivered)
{
    const QString dir = testsupport::freshDir("cancel");
    ASSERT_TRUE(testsupport::writeFile(dir + "/a.jpg", jpeg(1600, 1200)));
    PictureDecodeQueue queue(1);
    Collector got(queue);
    const quint64 first = queue.submit({dir + "/a.jpg", QSize(), 0});
    const quint64 second = queue.submit({dir + "/a.jpg", QSize(), 0});
    const quint64 third = queue.submit({dir + "/a.jpg", QSize(), 0});
    queue.cancel(first);
    queue.cancel(second);
    EXPECT_FALSE(queue.isPending(first));
    // One worker runs the jobs in order, so the third arrives after the
    // others would have.
    ASSERT_TRUE(got.waitFor(third));
    EXPECT_EQ(got.results.size(), 1u);
    EXPECT_EQ(got.find(first), nullptr);

    const quint64 fourth = queue.submit({dir + "/a.jpg", QSize(), 0});
    queue.cancelAll();
    EXPECT_FALSE(queue.isPending(fourth));
    const quint64 fifth = queue.submit({dir + "/a.jpg", QSize(), 0});
    ASSERT_TRUE(got.waitFor(fifth));
    EXPECT_EQ(got.find(fourth), nullptr);

    // A queue destroyed with work in flight delivers nothing and waits.
    auto doomed = std::make_unique<PictureDecodeQueue>(2);
    for (int i = 0; i < 4; ++i)
        doomed->submit({dir + "/a.jpg", QSize(), 0});
    doomed.reset();
}

TEST(PictureDecodeQueue, FailuresAreSortedIntoTheLoadersKinds)
{
    const QString dir = testsupport::freshDir("fail");
    ASSERT_TRUE(testsupport::writeFile(dir + "/bad.jpg", QByteArray("not a picture at all")));
    PictureDecodeQueue queue;
    Collector got(queue);
    const quint64 bad = queue.submit({dir + "/bad.jpg", QSize(800, 600), 0});
    const quint64 missing = queue.submit({dir + "/missing.jpg", QSize(800, 600), 0});
    ASSERT_TRUE(got.waitFor(bad));
    ASSERT_TRUE(got.waitFor(missing));
    EXPECT_EQ(got.find(bad)->kind, "Invalid Graphic");
    EXPECT_FALSE(got.find(bad)->detail.isEmpty());
    EXPECT_TRUE(got.find(bad)->picture.image.isNull());
    EXPECT_EQ(got.find(missing)->kind, "Open error");
}
