// The display step against a fake host: success, failure reporting, the
// repeated failure that is not loaded again, skipping unreadable pictures
// through the event loop, a show in which no picture loads, and the small
// rules of the step.
#include "browse/picture_display.h"
#include "browse/picture_loader.h"
#include "formats/picture_errors.h"
#include "support/test_slots.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <map>

namespace {

class FakeHost : public DisplayStepHost {
public:
    std::vector<QString> paths;
    std::map<QString, std::function<void()>> failures; // path -> thrower
    int index = 0;
    bool fullScreen = false, demo = false, showView = true, fullView = false, manual = false, skip = false;
    int direction = 1, active = 1, intervalSeconds = 3, textDelays = 0;
    bool recordRead = false, waitVoice = false;

    QStringList log;
    int loads = 0;
    int queued = 0;
    int ended = 0;
    QString caption;
    std::vector<int> armed;

    ShowNow Now() const override
    {
        return {int(paths.size()), fullScreen, showView, fullView, manual, skip, direction};
    }
    bool ReadShowRecord(int) override { return recordRead; }
    int TextLineDelayMs() const override { return textDelays; }
    int CurrentIntervalSeconds() const override { return intervalSeconds; }
    quint64 RequestPicture(const QString& path, PictureSlotModel* slot) override
    {
        ++loads;
        log << "load " + path + " " + slot->Name();
        requested = path;
        return ++lastTicket;
    }
    void CancelPicture(PictureSlotModel* slot) override { log << "cancel " + slot->Name(); }
    // The slot's answer to the request: the failure the path is given
    // (a decoder's exception, as a value), else the picture.
    LoadOutcome answerFor(const QString& path) const
    {
        auto it = failures.find(path);
        if (it == failures.end())
            return LoadOutcome();
        try {
            it->second();
        } catch (...) {
            return LoadErrorOf(std::current_exception());
        }
        return LoadOutcome();
    }
    void SizePictureToDisplay(bool toggle) override { log << QString("size %1").arg(toggle); }
    void HidePictureImages() override { log << "hide"; }
    void SetErrorCaption(const QString& c) override { caption = c; }
    void ArmIntervalTimer(int ms) override { armed.push_back(ms); }
    void QueueNextStep() override { ++queued; }
    void EndShowNoPictures() override { ++ended; }
    bool PlayPictureSound(bool) override { return waitVoice; }
    void SetPictureDisplayName() override { state.PictureDisplayName = paths.at(size_t(index)).section('/', -1); }

    PictureDisplayState state;
    QString requested;
    quint64 lastTicket = 0;

    // The step of picture `index`.
    DisplayStep step() const
    {
        DisplayStep s;
        s.index = index;
        s.path = paths.at(size_t(index));
        s.demoMode = demo;
        s.mainSlot = testsupport::testSlot(SlotForm1Im1);
        s.fullScreenSlot = testsupport::testSlot(active == 1 ? SlotForm9Im1 : SlotForm9Im2);
        return s;
    }
};

// The step's beginning, then the slot's answer to its request.
void runStep(FakeHost& host)
{
    RunDisplayStep(host, host.state, host.step());
    if (host.state.PendingTicket)
        FinishDisplayStep(host, host.state, host.state.PendingTicket, host.answerFor(host.requested));
}

} // namespace

TEST(DisplayStep, ShowsThePictureAndArmsTheNextInterval)
{
    FakeHost host;
    host.paths = {"/p/a.jpg", "/p/b.bmp"};
    host.recordRead = true;
    host.fullScreen = true;
    host.textDelays = 2500;
    host.active = 0;
    runStep(host);
    EXPECT_EQ(host.log, QStringList({"load /p/a.jpg form9im2", "size 1"}));
    EXPECT_EQ(host.state.CurrentPicturePath, "/p/a.jpg");
    EXPECT_TRUE(host.state.LoadErrorKind.isEmpty());
    EXPECT_EQ(host.armed, std::vector<int>({5500}));

    // The main window takes "form1im1"; a voice to wait for arms nothing.
    FakeHost main;
    main.paths = {"/p/a.jpg"};
    main.waitVoice = true;
    runStep(main);
    EXPECT_EQ(main.log.front(), "load /p/a.jpg form1im1");
    EXPECT_TRUE(main.armed.empty());
}

TEST(DisplayStep, FailureIsReportedAndTheSameIndexIsNotLoadedAgain)
{
    FakeHost host;
    host.paths = {"/p/bad.jpg", "/p/b.jpg"};
    host.failures["/p/bad.jpg"] = [] { throw EJPEGError("JPEG file is truncated"); };
    runStep(host);
    EXPECT_EQ(host.state.LoadErrorKind, "Invalid Graphic");
    EXPECT_EQ(host.state.LastLoadFailed, 1);
    EXPECT_EQ(host.state.LastFailedIndex, 0);
    EXPECT_EQ(host.caption, "Vistamo! :  Error occurred, File bad.jpg can not be opened, Invalid Graphic");
    EXPECT_TRUE(host.log.contains("hide"));
    EXPECT_EQ(host.armed, std::vector<int>({1000}));

    host.state.LoadErrorKind.clear(); // the repeat reports the kind it kept
    host.caption.clear();
    runStep(host);
    EXPECT_EQ(host.loads, 1); // not opened again
    EXPECT_EQ(host.state.LoadErrorKind, "Invalid Graphic");
    EXPECT_EQ(host.caption, "Vistamo! :  Error occurred, File bad.jpg can not be opened, Invalid Graphic");

    // Another index loads again and clears the failure.
    host.index = 1;
    runStep(host);
    EXPECT_EQ(host.loads, 2);
    EXPECT_EQ(host.state.LastLoadFailed, 0);
    EXPECT_TRUE(host.state.LoadErrorKind.isEmpty());
}

TEST(DisplayStep, EveryKindOfFailureIsCaught)
{
    const std::vector<std::pair<std::function<void()>, QString>> cases = {
        {[] { throw EWin32Error("x"); }, "EWin32Error"},
        {[] { throw EFOpenError("x"); }, "Open error"},
        {[] { throw EAccessViolation("x"); }, "Access Violation"},
        {[] { throw std::bad_alloc(); }, "Other Error"},
        {[] { throw 7; }, "Other Error"},
    };
    for (const auto& c : cases) {
            FakeHost host;
        host.paths = {"/p/x.gif"};
        host.failures["/p/x.gif"] = c.first;
        runStep(host);
        EXPECT_EQ(host.state.LoadErrorKind, c.second);
    }
}

TEST(DisplayStep, SkippingQueuesTheNextStepInsteadOfRecursing)
{
    FakeHost host;
    host.paths = {"/p/1.jpg", "/p/2.jpg", "/p/3.jpg"};
    host.skip = true;
    host.fullScreen = true;
    host.failures["/p/1.jpg"] = [] { throw EJPEGError("bad"); };
    host.failures["/p/2.jpg"] = [] { throw EJPEGError("bad"); };
    runStep(host);
    EXPECT_EQ(host.queued, 1);
    EXPECT_TRUE(host.caption.isEmpty()); // no error title while skipping
    EXPECT_FALSE(host.log.contains("hide"));
    host.index = 1;
    runStep(host);
    EXPECT_EQ(host.queued, 2);
    host.index = 2;
    runStep(host);
    EXPECT_EQ(host.queued, 2);
    EXPECT_EQ(host.ended, 0);
    EXPECT_EQ(host.state.ConsecutiveLoadFailures, 0);
}

TEST(DisplayStep, AShowInWhichNoPictureLoadsEnds)
{
    FakeHost host;
    host.paths = {"/p/1.jpg", "/p/2.jpg"};
    host.skip = true;
    for (const auto& p : host.paths)
        host.failures[p] = [] { throw EInvalidGraphic("bad"); };
    // The show's cursor takes each queued step; a thousand rounds are far
    // more than the show holds.
    for (int round = 0; round < 1000 && host.ended == 0; ++round) {
        runStep(host);
        host.index = (host.index + 1) % 2;
    }
    EXPECT_EQ(host.ended, 1);
    EXPECT_EQ(host.queued, 1);

    // A single-picture show ends at its first failure.
    FakeHost one;
    one.paths = {"/p/1.jpg"};
    one.skip = true;
    one.failures["/p/1.jpg"] = [] { throw EInvalidGraphic("bad"); };
    runStep(one);
    EXPECT_EQ(one.ended, 1);
    EXPECT_EQ(one.queued, 0);
    EXPECT_EQ(NoPictureLoadedText, "Not a single picture could be loaded!");
}

TEST(DisplayStep, ManualModeAndFullViewTakeNoNextStep)
{
    FakeHost host;
    host.paths = {"/p/1.jpg"};
    host.skip = true;
    host.manual = true;
    host.failures["/p/1.jpg"] = [] { throw EInvalidGraphic("bad"); };
    runStep(host);
    EXPECT_EQ(host.queued, 0);
    EXPECT_TRUE(host.armed.empty());
    EXPECT_FALSE(host.caption.isEmpty()); // manual mode reports on screen
}

TEST(DisplayStep, ANewerStepReplacesTheOneWaitingForItsPicture)
{
    FakeHost host;
    host.paths = {"/p/a.jpg", "/p/b.jpg"};
    RunDisplayStep(host, host.state, host.step());
    const quint64 older = host.state.PendingTicket;
    ASSERT_NE(older, 0u);
    // Nothing of the step's end runs before the slot answers.
    EXPECT_EQ(host.log, QStringList({"load /p/a.jpg form1im1"}));
    host.index = 1;
    RunDisplayStep(host, host.state, host.step());
    const quint64 newer = host.state.PendingTicket;
    EXPECT_EQ(host.log, QStringList({"load /p/a.jpg form1im1", "cancel form1im1", "load /p/b.jpg form1im1"}));
    // The older answer is ignored; the newer one ends the step once.
    FinishDisplayStep(host, host.state, older, LoadOutcome());
    EXPECT_EQ(host.log.size(), 3);
    FinishDisplayStep(host, host.state, newer, LoadOutcome());
    EXPECT_EQ(host.log.last(), "size 1");
    EXPECT_EQ(host.armed, std::vector<int>({3000}));
    FinishDisplayStep(host, host.state, newer, LoadError{LoadFailure::OpenError, "gone"});
    EXPECT_TRUE(host.state.LoadErrorKind.isEmpty());
}

TEST(DisplayRules, TextDelaysAndIntervals)
{
    EXPECT_EQ(TextLineDelayMs({"a", "", "b", "", ""}, {1, 5, 3, 0, 0}), 2500);
    EXPECT_EQ(TextLineDelayMs({"a", "b", "c", "d", "e"}, {0, 10, 11, -1, 2}), 10000);
    EXPECT_EQ(NextIntervalMs(0, 0), 200);
    EXPECT_EQ(NextIntervalMs(4, 500), 4500);
}

TEST(DisplayRules, BookmarkMenuState)
{
    std::array<QString, 20> table;
    table[0] = "/p/a.jpg";
    BookmarkMenuState one = ComputeBookmarkMenuState("/p/a.jpg", table, 1);
    EXPECT_FALSE(one.AddEnabled);
    EXPECT_TRUE(one.RemoveEnabled);
    EXPECT_FALSE(one.GoToEnabled);
    EXPECT_EQ(one.CurrentIndex, 0);

    table[1] = "/p/b.jpg";
    table[3] = "/p/after-gap.jpg"; // the search stops at the first empty entry
    BookmarkMenuState two = ComputeBookmarkMenuState("/p/b.jpg", table, 2);
    EXPECT_TRUE(two.GoToEnabled);
    EXPECT_EQ(two.CurrentIndex, 1);
    BookmarkMenuState none = ComputeBookmarkMenuState("/p/after-gap.jpg", table, 2);
    EXPECT_TRUE(none.AddEnabled);
    EXPECT_FALSE(none.RemoveEnabled);
    EXPECT_EQ(none.CurrentIndex, -1);
    EXPECT_FALSE(ComputeBookmarkMenuState("x", {}, 0).GoToEnabled);
}

TEST(DisplayRules, RotationAndPages)
{
    EXPECT_TRUE(CanRotatePicture("/p/a.JPG", false, 10));
    EXPECT_TRUE(CanRotatePicture("/p/a.jpeg", false, 10));
    EXPECT_TRUE(CanRotatePicture("/p/a.bmp", false, 10));
    EXPECT_FALSE(CanRotatePicture("/p/a.gif", false, 10));
    EXPECT_FALSE(CanRotatePicture("/p/a.jpg", true, 10));
    EXPECT_FALSE(CanRotatePicture("/p/a.jpg", false, 0));
    EXPECT_TRUE(PageHoldsAllPictures(4, 4));
    EXPECT_FALSE(PageHoldsAllPictures(4, 5));
}

TEST(DisplayRules, StatusLineAndTitle)
{
    PictureStatusInput in;
    in.displayName = "Beach.jpg";
    in.path = "/p/Tom & Jerry/Beach.jpg";
    in.date = 39448.5; // January 1, 2008, 12:00
    in.position = 3;
    in.total = 10;
    PictureStatusTexts t = ComputePictureStatus(in);
    EXPECT_EQ(t.mainCaption, "Beach.jpg  - January 1, 2008,12:00");
    EXPECT_EQ(t.titleLabel, "/p/Tom & Jerry/Beach.jpg  - January 1, 2008,12:00 3/10");

    in.playOrder = 3;
    in.bookmarked = true;
    in.showCamera = true;
    in.camera = "Canon EOS 20D";
    t = ComputePictureStatus(in);
    EXPECT_EQ(t.mainCaption, "Vistamo! : Canon EOS 20D - (Bookmarked)  January 1, 2008,12:00  Beach.jpg");
    EXPECT_EQ(t.titleLabel, "Canon EOS 20D - (Bookmarked) January 1, 2008,12:00   /p/Tom & Jerry/Beach.jpg 3/10");

    in.date = 0;
    in.showCamera = false;
    in.bookmarked = false;
    in.playOrder = 1;
    EXPECT_EQ(ComputePictureStatus(in).mainCaption, "Beach.jpg  - File date unknown");
}
