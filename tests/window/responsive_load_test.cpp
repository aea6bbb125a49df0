// The window keeps serving its events while a big photograph decodes: a
// Ctrl+click on a 24-megapixel JPEG opens the full view, and a zero-timer on
// the window's thread goes on firing until the picture arrives.
#include "app/main_window.h"
#include "browse/picture_loader_slots.h"
#include "browse/picture_slot_decoder.h"
#include "slideshow/show_window.h"
#include "support/main_window_fixture.h"
#include "support/sandbox.h"

#include <QImage>
#include <QRandomGenerator>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using testsupport::MainWindowFixture;

namespace {

// 6000 x 4000 of noise in blocks: no colour run for the decoder to race
// through, as in a real photograph.
bool writeBigPhotograph(const QString& path)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = random.generate() | 0xff000000u;
    }
    return image.save(path, "JPG", 90);
}

} // namespace

TEST(ResponsiveLoad, EventsAreServedWhileABigPhotographDecodes)
{
    MainWindowFixture f;
    const QString big = f.picture("big.jpg");
    ASSERT_TRUE(writeBigPhotograph(big));
    QTreeWidgetItem* trip = f.node(f.folder());
    ASSERT_NE(trip, nullptr);
    f.clickExpander(trip);
    ASSERT_NE(f.node(big), nullptr);

    // Ticks of a zero-timer on the window's thread while a load waits for
    // its picture.
    int ticks = 0;
    QTimer heartbeat;
    heartbeat.setInterval(0);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        if (SlotLoadsWaiting() > 0)
            ++ticks;
    });
    int ticksAtArrival = -1;
    PictureSlotModel* slot = f.form()->showWindow()->Slot(1);
    ASSERT_NE(slot, nullptr);
    const int listener = slot->AddListener([&] {
        if (ticksAtArrival < 0 && slot->Path() == big && slot->Loaded())
            ticksAtArrival = ticks;
    });
    heartbeat.start();
    f.clickNode(big, Qt::LeftButton, Qt::ControlModifier);
    ASSERT_TRUE(f.waitFor([&] { return ticksAtArrival >= 0; }, 60000));
    heartbeat.stop();
    slot->RemoveListener(listener);

    EXPECT_GT(ticksAtArrival, 0);
    EXPECT_EQ(SlotLoadsWaiting(), 0);
    ASSERT_NE(f.showWindow(), nullptr);
    EXPECT_TRUE(f.waitFor([&] { return f.showWindow()->isVisible(); }));
    EXPECT_EQ(slot->PictureSize(), QSize(6000, 4000));
    EXPECT_TRUE(f.closeWindow());
}
