// The thumbnail view: a slide show played inside the main window as pages
// of 2 to 77 pictures. The controller owns the page's state (PageState),
// its widgets (ThumbnailPageView) and the page show's cursor, loads the
// cells' pictures on worker threads and applies every result on the
// window's thread in slot order. It reaches the main window only through
// ThumbnailPageHost.
#pragma once

#include "browse/page_state.h"
#include "browse/thumbnail_page_decode.h"
#include "browse/thumbnail_page_view.h"
#include "platform/worker_pool.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class ThumbnailPageHost {
public:
    virtual ~ThumbnailPageHost() = default;
    // The page area the cells go on: it lies below the tool bar and is
    // shown (ShowPageArea) once its cells are made, so that they appear
    // with it in one step.
    virtual QWidget* PageParent() = 0;
    virtual int ToolBarHeight() const = 0;
    virtual QSize ClientAreaBelowToolBar() const = 0;  // the page area now
    virtual ThumbFill FillOrder() const = 0;
    virtual int EnlargeLimit() const = 0;
    virtual ThumbnailOptions ThumbOptions() const = 0;  // the thumbnail options in effect (none made in a demo start)
    virtual int PictureTotal() const = 0;
    virtual QString PicturePath(int index) const = 0;
    virtual void SetPictureIndex(int index) = 0;       // the show cursor's picture (PictureIndex)
    virtual void PauseShow() = 0;
    virtual void TogglePause() = 0;
    virtual bool InManualMode() const = 0;
    virtual bool ShowShown() const = 0;                // PlaybackActive
    virtual void StoreLayoutChoice(int layout) = 0;    // PicturesPerPageIndex
    virtual void SetWindowCaption(const QString& caption) = 0;
    // The window's part of SetSelectionMenuCaptions (tool buttons and menus).
    virtual void SetSelectionMenuCaptions(const SelectionCells& cells, bool pageHoldsAll) = 0;
    virtual void SetSelectionButtonsVisible(bool visible) = 0;
    virtual void SetCurrentPicturePath(const QString& path) = 0;
    virtual void ShowPagePopup(QPoint globalPos) = 0;  // RightClickTreeView
    virtual void ShowPictureFull(const QString& path) = 0;
    virtual QString PictureInfoText(const QString& path) const = 0;
    // The page view takes the client area (true) or gives it back.
    virtual void ShowPageArea(bool shown) = 0;
    // Layout 0 during a page show: the show goes on one picture at a time
    // from `picture`.
    virtual void ReturnToSingleDisplay(int picture) = 0;
    // A page layout during a show played one picture at a time: that show
    // leaves the single display and hands over its play order and the
    // position of the picture shown; false when no such show plays.
    virtual bool LeaveSingleDisplay(QList<int>& order, int& position)
    {
        Q_UNUSED(order);
        Q_UNUSED(position);
        return false;
    }
    // The show now plays as pages (the tool tips of a running page show).
    virtual void PageViewEntered() {}
    // A page load begins: the show's step and direction buttons go off.
    virtual void PageLoadStarted() {}
    // A layout chosen during the show has been applied.
    virtual void PageLayoutApplied() {}
    // The page is filled: the next step is armed unless the page holds
    // every picture or the show is in manual mode.
    virtual void PageFilled(bool holdsAll) = 0;
    virtual void EndShow() = 0;
    // The sizes the position bar is drawn with; and the drawing.
    virtual PagePositionBarInput PositionBarSizes() const = 0;
    virtual void DrawPositionBar(const PagePositionBar& bar) = 0;
    virtual bool StopPending() const { return false; }
    virtual bool WheelZoomed() const { return false; }
    virtual void ResetWheelZoom() {}
};

// How long a loading page holds its painting (ms): under the time a user
// perceives as a delay.
constexpr int kPagePaintHoldMs = 100;

// The page show's cursor over the play order.
struct PageShowCursor {
    QList<int> order;
    int position = -1;
    bool continuous = true;
    int current() const { return position >= 0 && position < order.size() ? order[position] : -1; }
    // One step "Next" (forward) or "Previous", wrapping round; the picture there.
    int NextShowIndex(bool forward);
    // Puts the cursor on `picture`.
    void FindPlayPosition(int picture);
    int ShownNumber() const { return position + 1; }
    // The picture leaves the play order; the cursor stays on the picture
    // that takes its place (the first after the last one). False when the
    // picture was not in the order.
    bool RemovePicture(int picture);
};

class ThumbnailPageController : public QObject {
    Q_OBJECT
public:
    ThumbnailPageController(ThumbnailPageHost& host, PageLook look, QObject* parent = nullptr);
    ~ThumbnailPageController() override;

    PageState& State() { return state_; }
    const PageState& State() const { return state_; }
    ThumbnailPageView& View() { return *view_; }
    PageShowCursor& Cursor() { return cursor_; }
    bool PageShowRunning() const { return running_; }
    bool ThumbnailViewActive() const { return running_ && state_.ThumbnailViewActive(); }

    // The colours and font of the cells (the colour scheme is read at start).
    void SetLook(const PageLook& look) { view_->SetLook(look); }
    // Starts a page show of `order` with `layout` (1 .. 24) from order[start].
    void StartPageShow(const QList<int>& order, bool continuous, int layout, int start = 0);
    // Ends it: every slot freed, pending decodes dropped.
    void EndPageShow();

    void BuildPicturePage(int layout, int previousLayout);
    // The show leaves the page view and goes on one picture at a time from
    // `picture` (the page's first when -1).
    void LeavePageView(int picture);
    void ApplyPageLayout(int layout);
    // A layout menu item: refused while a page loads; stored while no show
    // is shown; else the layout changes.
    void M2Click(int layout);

    // Fills the slots from `first` on, from the picture at the cursor.
    void LoadPicturePage(int first, bool keepCaptions = false);
    void ShowTitlePathHint(int slot, bool keepCaption);
    void UpdatePageCaption(int slot);
    void SetSelectionMenuCaptions();
    void DrawPagePositionBar();
    void ReloadPagePicture(int slot, const QString& path);
    void FreePageControls(int first);

    // The interval timer's step: the next page (or the previous one).
    void IntervalTimerTimer();
    // One page on (+1) or back (-1) by hand.
    void StepPage(int direction);

    // Selection.
    void TBSelAllClick();
    void TBSelNoneClick();
    void TBSelInvertClick();
    void MSelectAllClick();
    void MSelectNoneClick();
    void MSelectInvertClick();
    QStringList TickedPictures() const;
    int SelectedSlot() const;
    std::vector<int> TickedSlots() const;

    // The picture and file commands on the ticked cells.
    // The show cursor is put on `picture` (PictureIndex follows).
    void PointCursorAt(int picture);
    // The number of pictures left in the page show's play order.
    int PicturesLeft() const { return int(cursor_.order.size()); }
    bool RemovePictureFromPlayOrder(int picture) { return cursor_.RemovePicture(picture); }
    void MarkSlotRemoved(int slot, bool fromShow);
    void UntickSlot(int slot);
    void RenameSlotPicture(int slot, const QString& newPath);
    // The remaining pictures are packed towards the front of the page, with
    // their shown pictures (nothing kept is decoded again), and the freed
    // slots at the end are filled from the picture after the last kept one;
    // with every slot emptied the page is filled from the cursor.
    void PackRemovedSlots();

    // Slot events.
    void PageFrameMouseDown(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, bool onCaption,
                            QPoint globalPos);
    void PageImageMouseDown(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint globalPos);
    void PageImageClick(int slot);
    void PageCheckBoxClick(int slot, bool checked);
    void PageCaptionMouseEnter(int slot);
    void PageFirstButtonClick(int slot);

    // The full view of a cell's picture ended: back to the page.
    bool ReturnToPagePending() const { return returnToPage_; }
    void FullViewEnded();

    // The keyboard state of Ctrl for clicks (QGuiApplication's by default).
    std::function<bool()> CtrlHeld;
    // The show's direction for the timer's step (>= 0 forward); forward when unset.
    std::function<int()> ShowStepDirection;
    // The decode of one cell (DecodePageCell); run on a worker thread.
    std::function<PageDecodeResult(const PageDecodeRequest&)> Decode = DecodePageCell;

signals:
    // A page finished loading (for tests and the benchmark).
    void pageLoaded();

private:
    struct Pending {
        int slot;
        PageDecodeResult result;
    };
    void showCells(const std::vector<int>& which);
    void showAll();
    // Slot `to` shows what slot `from` showed, for each move in turn.
    void moveCells(const std::vector<FirstOnPageMove>& moves);
    // The captions of the changed cells and the selection commands again.
    void showSelectionChange(const std::vector<int>& changed);
    // While the page loads the selection commands are refused with the text.
    bool selectionRefused(const QString& whileLoadingText);
    PageDecodeRequest request(const QString& path) const;
    void submit(int slot, const QString& path);
    void submit(int slot, const PageDecodeRequest& request);
    void decoded(quint64 generation, int slot, PageDecodeResult result);
    void applyReady();
    void finishLoad(bool aborted);
    QSize pictureBox() const;
    void applySlotResult(int slot, const PageDecodeResult& r);
    void enterPageView(int layout);
    void changePageLayout(int layout);
    // A kept cell whose fitted picture is now larger than the picture it
    // holds, which its file could give sharper.
    bool cellOutgrewPicture(int slot) const;
    void decodeAgainAtCellSize(int slot);
    void applyRedecoded(int slot, const PageDecodeResult& r);

    ThumbnailPageHost& host_;
    PageState state_;
    std::unique_ptr<ThumbnailPageView> view_;
    PageShowCursor cursor_;
    PageAreaSize area_;
    bool running_ = false;
    std::vector<QSize> trueSizes_;     // the shown file's size per slot
    // The load in progress.
    quint64 generation_ = 0;
    int loadFirst_ = 0;
    int nextToApply_ = 0;
    int lastToLoad_ = -1;              // the last slot that got a picture
    bool keepCaptions_ = false;
    bool loading_ = false;
    std::map<int, PageDecodeResult> ready_;
    std::vector<QString> captions_;    // the caption each loading slot gets
    std::map<int, QString> redecoding_; // kept cells decoded again at their grown size: the path asked for
    bool returnToPage_ = false;
    int returnSlot_ = -1;
    // A page that fills within this time appears whole: its cells are not
    // painted in their loading state and again for every picture that
    // arrives. A slower page shows its loading cells when the time is up.
    QTimer paintHold_;
    // The workers that decode the cells, made at the first page; last, so
    // they stop before the rest of the controller goes.
    std::unique_ptr<platform::WorkerPool> workers_;
};
