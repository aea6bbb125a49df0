// The page controller with its widgets on a stand-in window: decodes that
// come back out of order are applied in slot order, a list of a thousand
// pictures pages on and back keeping only the page's own pictures, and a
// page loaded again while the last one still decodes drops the old results;
// the cells' decodes start with the costliest file.
#include "browse/thumbnail_page_controller.h"
#include "browse/thumbnail_files.h"
#include "support/test_state.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

#include <atomic>

namespace {

class FakeHost : public ThumbnailPageHost {
public:
    QWidget window;
    int total = 1000;
    int pictureIndex = -1;
    QString caption;
    int filled = 0;
    int ended = 0;
    int pauses = 0;
    QString storedLayout;
    PagePositionBar bar;

    FakeHost() { window.resize(1000, 730); }
    QWidget* PageParent() override { return &window; }
    int ToolBarHeight() const override { return 30; }
    QSize ClientAreaBelowToolBar() const override { return QSize(1000, 700); }
    ThumbFill FillOrder() const override { return ThumbFill::RowByRow; }
    int EnlargeLimit() const override { return 0; }
    ThumbnailOptions ThumbOptions() const override { return CurrentThumbnailOptions(TestState().settings, false); }
    int PictureTotal() const override { return total; }
    QString PicturePath(int index) const override { return QStringLiteral("/pictures/p%1.jpg").arg(index); }
    void SetPictureIndex(int index) override { pictureIndex = index; }
    void PauseShow() override { ++pauses; }
    void TogglePause() override {}
    bool InManualMode() const override { return false; }
    bool ShowShown() const override { return true; }
    void StoreLayoutChoice(int layout) override { storedLayout = QString::number(layout); }
    void SetWindowCaption(const QString& c) override { caption = c; }
    void SetSelectionMenuCaptions(const SelectionCells&, bool) override {}
    void SetSelectionButtonsVisible(bool) override {}
    void SetCurrentPicturePath(const QString&) override {}
    void ShowPagePopup(QPoint) override {}
    void ShowPictureFull(const QString&) override {}
    QString PictureInfoText(const QString& path) const override { return path; }
    void ShowPageArea(bool) override {}
    void ReturnToSingleDisplay(int) override {}
    void PageFilled(bool) override { ++filled; }
    void EndShow() override { ++ended; }
    PagePositionBarInput PositionBarSizes() const override
    {
        PagePositionBarInput in;
        in.statusBarHeight = 20;
        in.clientWidth = 1000;
        in.screenWidth = 1366;
        in.panelWidth = 200;
        in.percentTextWidth = 30;
        return in;
    }
    void DrawPositionBar(const PagePositionBar& b) override { bar = b; }
};

// A decode that knows no files: a picture of 400 x 300 drawn for the box;
// "bad" pictures fail; low slots take longest, so results arrive out of order.
PageDecodeResult fakeDecode(const PageDecodeRequest& request)
{
    const int number = QStringView(request.path).mid(11).toString().chopped(4).toInt();
    QThread::msleep(unsigned(number % 7 == 0 ? 20 : 0));
    PageDecodeResult r;
    if (request.path.contains(QLatin1String("p13."))) {
        r.kind = QStringLiteral("Invalid Graphic");
        return r;
    }
    r.trueSize = QSize(400, 300);
    r.image = QImage(request.box.boundedTo(QSize(400, 300)), QImage::Format_RGB32);
    r.image.fill(Qt::darkGreen);
    r.ok = true;
    return r;
}

// The host's pictures in their order.
QList<int> everyPicture(const FakeHost& host)
{
    QList<int> order;
    for (int i = 0; i < host.total; ++i)
        order << i;
    return order;
}

bool waitLoaded(ThumbnailPageController& page)
{
    QElapsedTimer t;
    t.start();
    while (page.State().PageLoading && t.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return !page.State().PageLoading;
}

} // namespace

TEST(ThumbnailPageController, OutOfOrderDecodesAreAppliedInSlotOrder)
{
    FakeHost host;
    ThumbnailPageController page(host, PageLook());
    page.Decode = fakeDecode;
    page.StartPageShow(everyPicture(host), true, kLastPageLayout);   // 77 pictures a page
    ASSERT_EQ(page.State().count(), 77);
    ASSERT_TRUE(waitLoaded(page));
    EXPECT_EQ(host.filled, 1);
    for (int i = 0; i < 77; ++i) {
        const PageSlotWidgets& w = page.View().slot(i);
        // The narrow cells show their captions with the middle left out.
        EXPECT_EQ(page.State().cell(i).caption, QStringLiteral("%1 - p%2.jpg").arg(i + 1).arg(i)) << i;
        EXPECT_LT(w.caption->fontMetrics().horizontalAdvance(w.caption->text()), w.caption->width()) << i;
        EXPECT_EQ(page.State().cell(i).PageSlotPicture, i);
        if (i == 13) {
            EXPECT_EQ(w.frame->text(), kPageFailedText);
            EXPECT_FALSE(w.checkBox->isEnabled());
        } else {
            EXPECT_TRUE(w.checkBox->isEnabled()) << i;
            // Fitted into the cell's picture box, centred.
            EXPECT_TRUE(w.frame->rect().contains(w.image->geometry())) << i;
        }
    }
    EXPECT_EQ(host.pictureIndex, 76);
    EXPECT_EQ(host.caption, QStringLiteral("Vistamo!  Thumbnail view - 77 pictures per page - No pictures selected"));
    EXPECT_EQ(host.bar.text, QStringLiteral("8 %     "));
}

TEST(ThumbnailPageController, AThousandPicturesPageOnAndBackKeepingOnlyThePagesPictures)
{
    FakeHost host;
    ThumbnailPageController page(host, PageLook());
    std::atomic<int> decodes{0};
    page.Decode = [&decodes](const PageDecodeRequest& r) {
        ++decodes;
        return fakeDecode(r);
    };
    page.StartPageShow(everyPicture(host), true, 7);   // 12 a page
    ASSERT_TRUE(waitLoaded(page));
    for (int step = 0; step < 40; ++step) {
        page.StepPage(1);
        ASSERT_TRUE(waitLoaded(page));
    }
    EXPECT_EQ(page.View().slot(0).caption->text(), QStringLiteral("481 - p480.jpg"));
    for (int step = 0; step < 40; ++step) {
        page.StepPage(-1);
        ASSERT_TRUE(waitLoaded(page));
    }
    EXPECT_EQ(page.View().slot(0).caption->text(), QStringLiteral("1 - p0.jpg"));
    // Each page decoded its own twelve pictures once; the cells hold no
    // more than the pictures of the page shown, each no larger than its box.
    EXPECT_EQ(decodes.load(), 81 * 12);
    const QSize box = page.State().geometry().slotRects.front().pictureBox;
    EXPECT_EQ(page.View().count(), 12);
    for (int i = 0; i < 12; ++i) {
        const QPixmap p = page.View().Picture(i);
        EXPECT_LE(p.width(), box.width());
        EXPECT_LE(p.height(), box.height());
    }
    // A layout change keeps the cells' pictures: a shrink decodes again
    // only the kept cells, which grew, at their new size; a grow decodes
    // only the new cells.
    const int before = decodes.load();
    const QLabel* kept = page.View().slot(3).image;
    const int smallWidth = page.View().Picture(3).width();
    page.ApplyPageLayout(3);   // 6 a page
    ASSERT_TRUE(waitLoaded(page));
    QElapsedTimer clock;
    clock.start();
    const auto stillSmall = [&page, smallWidth] {
        for (int i = 0; i < 6; ++i)
            if (page.View().Picture(i).width() == smallWidth)
                return true;
        return false;
    };
    while (stillSmall() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(decodes.load(), before + 6);
    EXPECT_EQ(page.View().slot(3).image, kept);
    EXPECT_GT(page.View().Picture(3).width(), smallWidth);
    EXPECT_EQ(page.View().slot(3).caption->text(), QStringLiteral("4 - p3.jpg"));
    EXPECT_EQ(page.View().slot(5).caption->text(), QStringLiteral("6 - p5.jpg"));
    page.ApplyPageLayout(7);
    ASSERT_TRUE(waitLoaded(page));
    EXPECT_EQ(decodes.load(), before + 12);
    EXPECT_EQ(page.View().slot(6).caption->text(), QStringLiteral("7 - p6.jpg"));
    // Going back past the first page wraps to the end of the list.
    page.StepPage(-1);
    ASSERT_TRUE(waitLoaded(page));
    EXPECT_EQ(page.View().slot(0).caption->text(), QStringLiteral("989 - p988.jpg"));
}

TEST(ThumbnailPageController, APageLoadedAgainDropsTheOldDecodesAndAnEmptyPageEndsTheShow)
{
    FakeHost host;
    ThumbnailPageController page(host, PageLook());
    page.Decode = fakeDecode;
    page.StartPageShow(everyPicture(host), true, 3);   // 6 a page
    // Before the first page is done, the next one is asked for: the loader
    // starts over and only the second page's pictures land in the cells.
    page.State().PageLoading = 0;
    page.StepPage(1);
    ASSERT_TRUE(waitLoaded(page));
    QApplication::processEvents();
    EXPECT_EQ(page.View().slot(0).caption->text(), QStringLiteral("7 - p6.jpg"));
    EXPECT_EQ(page.View().slot(5).caption->text(), QStringLiteral("12 - p11.jpg"));
    EXPECT_EQ(host.ended, 0);

    // No picture of a page can be shown: the show ends.
    page.Decode = [](const PageDecodeRequest&) { return PageDecodeResult{}; };
    page.StepPage(1);
    ASSERT_TRUE(waitLoaded(page));
    EXPECT_EQ(host.ended, 1);
}

TEST(PageShowCursor, ARemovedPictureLeavesTheOrderAndTheCursorStaysOnItsSuccessor)
{
    PageShowCursor c;
    c.order = {5, 6, 7, 8};
    c.position = 1;
    EXPECT_TRUE(c.RemovePicture(6));
    EXPECT_EQ(c.current(), 7);
    EXPECT_TRUE(c.RemovePicture(5));      // before the cursor
    EXPECT_EQ(c.current(), 7);
    c.FindPlayPosition(8);
    EXPECT_TRUE(c.RemovePicture(8));      // the last one: the show goes on from the first
    EXPECT_EQ(c.current(), 7);
    EXPECT_FALSE(c.RemovePicture(42));
    EXPECT_TRUE(c.RemovePicture(7));
    EXPECT_EQ(c.current(), -1);
    EXPECT_EQ(c.NextShowIndex(true), -1);
}

TEST(PageDecodeOrder, TheCostliestFileStartsFirstAndAThumbnailFileCountsForItsPicture)
{
    QTemporaryDir dir;
    auto write = [&dir](const QString& name, int bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(bytes, 'x'));
        return f.fileName();
    };
    std::vector<PageDecodeRequest> requests(4);
    requests[0].path = write("small.jpg", 100);
    requests[1].path = write("large.jpg", 5000);
    requests[2].path = write("middle.jpg", 1000);
    requests[2].thumbnail = dir.filePath("missing-thumbnail.jpg");
    // A large picture with a small thumbnail file decodes the thumbnail.
    requests[3].path = write("huge.jpg", 9000);
    requests[3].thumbnail = write("huge-thumbnail.jpg", 500);
    EXPECT_EQ(PageDecodeOrder(requests), (std::vector<size_t>{1, 2, 3, 0}));
    requests[3].useThumbnail = false;
    EXPECT_EQ(PageDecodeOrder(requests), (std::vector<size_t>{3, 1, 2, 0}));
}
