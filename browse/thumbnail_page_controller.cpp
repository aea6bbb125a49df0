#include "browse/thumbnail_page_controller.h"

#include "browse/picture_display_page.h"
#include "browse/thumbnail_files.h"
#include "platform/prompt.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>

#include <algorithm>

// ---- the cursor ---------------------------------------------------------------------

int PageShowCursor::NextShowIndex(bool forward)
{
    if (order.isEmpty())
        return -1;
    position += forward ? 1 : -1;
    if (position >= order.size())
        position = 0;
    if (position < 0)
        position = int(order.size()) - 1;
    return order[position];
}

void PageShowCursor::FindPlayPosition(int picture)
{
    const int at = int(order.indexOf(picture));
    if (at >= 0)
        position = at;
}

bool PageShowCursor::RemovePicture(int picture)
{
    const int at = int(order.indexOf(picture));
    if (at < 0)
        return false;
    order.removeAt(at);
    if (order.isEmpty())
        position = -1;
    else if (at < position)
        --position;
    else if (position >= order.size())
        position = 0;
    return true;
}

// ---- the controller ---------------------------------------------------------------------

ThumbnailPageController::ThumbnailPageController(ThumbnailPageHost& host, PageLook look, QObject* parent)
    : QObject(parent), host_(host), view_(std::make_unique<ThumbnailPageView>(host.PageParent(), look))
{
    CtrlHeld = [] { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier); };
    paintHold_.setSingleShot(true);
    paintHold_.setInterval(kPagePaintHoldMs);
    connect(&paintHold_, &QTimer::timeout, this, [this] { view_->ReleasePaint(); });
    ThumbnailPageView* v = view_.get();
    connect(v, &ThumbnailPageView::frameMouseDown, this, &ThumbnailPageController::PageFrameMouseDown);
    connect(v, &ThumbnailPageView::imageMouseDown, this, &ThumbnailPageController::PageImageMouseDown);
    connect(v, &ThumbnailPageView::imageClicked, this, &ThumbnailPageController::PageImageClick);
    connect(v, &ThumbnailPageView::checkBoxClicked, this, &ThumbnailPageController::PageCheckBoxClick);
    connect(v, &ThumbnailPageView::captionEntered, this, &ThumbnailPageController::PageCaptionMouseEnter);
    connect(v, &ThumbnailPageView::firstButtonClicked, this, &ThumbnailPageController::PageFirstButtonClick);
}

ThumbnailPageController::~ThumbnailPageController()
{
    // The workers stop first (queued cells dropped, running ones awaited);
    // answers already posted find no controller and are dropped.
    ++generation_;
}

void ThumbnailPageController::showCells(const std::vector<int>& which)
{
    for (int i : which)
        if (i >= 0 && i < state_.count())
            view_->ShowCell(i, state_.cell(i));
}

void ThumbnailPageController::showAll()
{
    for (int i = 0; i < state_.count(); ++i)
        view_->ShowCell(i, state_.cell(i));
}

QSize ThumbnailPageController::pictureBox() const
{
    const PageGeometry& g = state_.geometry();
    return g.slotRects.empty() ? QSize() : g.slotRects.front().pictureBox;
}

// ---- the show -------------------------------------------------------------------------

void ThumbnailPageController::StartPageShow(const QList<int>& order, bool continuous, int layout, int start)
{
    EndPageShow();
    cursor_.order = order;
    cursor_.continuous = continuous;
    cursor_.position = std::clamp(start, 0, std::max(0, int(order.size()) - 1));
    host_.SetPictureIndex(cursor_.current());
    running_ = true;
    host_.SetSelectionButtonsVisible(true);
    const int previous = state_.PageLayoutIndex;
    state_.PageLayoutIndex = PageLayoutAt(layout).index;
    BuildPicturePage(state_.PageLayoutIndex, previous);
    host_.ShowPageArea(true);
    LoadPicturePage(0);
}

void ThumbnailPageController::EndPageShow()
{
    ++generation_;
    if (workers_)
        workers_->clear();   // the decodes not started are for no page now
    loading_ = false;
    ready_.clear();
    redecoding_.clear();
    paintHold_.stop();
    view_->ReleasePaint();
    state_.PageLoading = 0;
    state_.PageResetting = 0;
    FreePageControls(0);
    returnToPage_ = false;
    returnSlot_ = -1;
    if (running_) {
        running_ = false;
        host_.SetSelectionButtonsVisible(false);
        host_.ShowPageArea(false);
    }
}

void ThumbnailPageController::BuildPicturePage(int layout, int previousLayout)
{
    area_.Record(host_.ClientAreaBelowToolBar());
    const PageBuild build =
        state_.BuildPicturePage(layout, previousLayout, area_.size(), host_.ToolBarHeight(), host_.FillOrder());
    if (build.toSingle) {
        view_->FreePageControls(0);
        trueSizes_.clear();
        return;
    }
    view_->BuildPicturePage(state_.geometry(), build);
    trueSizes_.resize(size_t(state_.count()));
    host_.SetWindowCaption(state_.WindowCaption());
    showAll();
}

void ThumbnailPageController::LeavePageView(int picture)
{
    if (picture < 0 && state_.count() > 0)
        picture = state_.cell(0).PageSlotPicture;
    state_.PageLayoutIndex = 0;
    // The page goes first; the cursor's order stays for the host.
    EndPageShow();
    host_.ReturnToSingleDisplay(picture);
}

void ThumbnailPageController::FreePageControls(int first)
{
    view_->FreePageControls(first);
    if (first <= 0) {
        state_.FreePageControls();
        trueSizes_.clear();
    }
}

void ThumbnailPageController::M2Click(int layout)
{
    if (!state_.M2ClickAllowed()) {
        platform::showMessage(platform::PromptKind::Error, kLayoutWhileLoadingText);
        return;
    }
    if (!host_.ShowShown()) {
        host_.StoreLayoutChoice(layout);
        return;
    }
    ApplyPageLayout(layout);
}

void ThumbnailPageController::ApplyPageLayout(int layout)
{
    changePageLayout(layout);
    host_.PageLayoutApplied();
}

void ThumbnailPageController::changePageLayout(int layout)
{
    if (!running_) {
        // The show plays one picture at a time: a page layout makes it a
        // page show from the picture shown on.
        enterPageView(layout);
        return;
    }
    if (!host_.InManualMode())
        host_.PauseShow();
    host_.SetSelectionButtonsVisible(layout >= 1);
    if (state_.PageLayoutIndex == 0 && host_.WheelZoomed())
        host_.ResetWheelZoom();
    area_.Record(host_.ClientAreaBelowToolBar());
    const LayoutChange plan =
        state_.ApplyPageLayout(layout, area_.size(), host_.ToolBarHeight(), host_.FillOrder());
    if (plan.build.toSingle) {
        // Back to one picture at a time, from the page's first picture.
        LeavePageView(plan.build.firstPicture);
        return;
    }
    if (!plan.pageView)
        return;
    view_->BuildPicturePage(state_.geometry(), plan.build);
    trueSizes_.resize(size_t(state_.count()));
    host_.SetWindowCaption(state_.WindowCaption());
    for (int i : plan.refit)
        ShowTitlePathHint(i, true);
    showAll();
    for (int i : plan.recolour)
        UpdatePageCaption(i);
    // Kept cells that grew get their pictures decoded again at the new size
    // (the picture decoded for the smaller cell stays until then).
    std::vector<int> grown;
    for (int i : plan.refit)
        if (cellOutgrewPicture(i))
            grown.push_back(i);
    if (plan.setCursor) {
        host_.SetPictureIndex(plan.cursorPicture);
        if (plan.findPlayPosition)
            cursor_.FindPlayPosition(plan.cursorPicture);
        if (plan.stepNext)
            host_.SetPictureIndex(cursor_.NextShowIndex(true));
    }
    if (plan.loadFrom < 0) {
        SetSelectionMenuCaptions();
        DrawPagePositionBar();
    } else {
        LoadPicturePage(plan.loadFrom);
    }
    for (int i : grown)
        decodeAgainAtCellSize(i);
}

bool ThumbnailPageController::cellOutgrewPicture(int slot) const
{
    if (slot < 0 || slot >= state_.count() || slot >= int(trueSizes_.size()) || !state_.cell(slot).PageSlotLoaded)
        return false;
    const QSize shown = view_->Picture(slot).size();
    const QSize file = trueSizes_[size_t(slot)];
    const QRect fit = FitPictureInCell(pictureBox(), file, host_.EnlargeLimit());
    // Only a picture decoded smaller than its file can come out sharper.
    const bool larger = fit.width() > shown.width() || fit.height() > shown.height();
    const bool sharper = shown.width() < file.width() && shown.height() < file.height();
    return !shown.isEmpty() && larger && sharper;
}

void ThumbnailPageController::decodeAgainAtCellSize(int slot)
{
    const QString path = state_.cell(slot).path;
    redecoding_[slot] = path;
    submit(slot, path);
}

void ThumbnailPageController::applyRedecoded(int slot, const PageDecodeResult& r)
{
    const auto it = redecoding_.find(slot);
    if (it == redecoding_.end())
        return;
    const QString path = it->second;
    redecoding_.erase(it);
    // The cell may have been given another picture meanwhile.
    if (!r.ok || slot >= state_.count() || !state_.cell(slot).PageSlotLoaded || state_.cell(slot).path != path)
        return;
    trueSizes_[size_t(slot)] = r.trueSize;
    view_->SetPicture(slot, QPixmap::fromImage(r.image), QRect());
    ShowTitlePathHint(slot, true);
}

void ThumbnailPageController::enterPageView(int layout)
{
    layout = PageLayoutAt(layout).index;
    if (layout < 1)
        return;
    if (!host_.InManualMode())
        host_.PauseShow();
    if (host_.WheelZoomed())
        host_.ResetWheelZoom();
    QList<int> order;
    int position = 0;
    if (!host_.LeaveSingleDisplay(order, position)) {
        // No show is shown after all (the music queue plays alone): the
        // choice waits for the next show.
        host_.StoreLayoutChoice(layout);
        return;
    }
    state_.PageLayoutIndex = 0;
    // A page show plays continuously; the whole page is filled from the
    // picture that was shown on. The show stays paused.
    StartPageShow(order, true, layout, position);
    host_.PageViewEntered();
    host_.PauseShow();
}

void ThumbnailPageController::IntervalTimerTimer()
{
    StepPage(ShowStepDirection ? ShowStepDirection() : 1);
}

void ThumbnailPageController::StepPage(int direction)
{
    if (!running_ || state_.PageLoading || state_.count() == 0)
        return;
    if (direction >= 0) {
        host_.SetPictureIndex(cursor_.NextShowIndex(true));
    } else {
        // From the page's last picture back to the first of the page before.
        const int back = 2 * state_.count() - 1;
        for (int i = 0; i < back; ++i)
            cursor_.NextShowIndex(false);
        host_.SetPictureIndex(cursor_.current());
    }
    LoadPicturePage(0);
}

// ---- loading a page ---------------------------------------------------------------------

void ThumbnailPageController::LoadPicturePage(int first, bool keepCaptions)
{
    if (state_.count() == 0)
        return;
    ++generation_;
    // The decodes not started yet are for the page being left.
    if (workers_)
        workers_->clear();
    ready_.clear();
    redecoding_.clear();
    loading_ = true;
    keepCaptions_ = keepCaptions;
    first = std::clamp(first, 0, state_.count());
    loadFirst_ = first;
    nextToApply_ = first;
    lastToLoad_ = first - 1;
    host_.PageLoadStarted();
    view_->HoldPaint();
    paintHold_.start();
    const std::vector<int> reset = state_.BeginPageLoad(first);
    for (int i : reset)
        view_->ClearPicture(i);
    showCells(reset);
    host_.SetWindowCaption(state_.WindowCaption());

    std::vector<int> cells(size_t(state_.count()), -1);
    for (int i = 0; i < first; ++i)
        cells[size_t(i)] = state_.cell(i).PageSlotPicture;
    PageCursor cursor;
    cursor.currentIndex = [this] { return cursor_.current(); };
    cursor.next = [this] { host_.SetPictureIndex(cursor_.NextShowIndex(true)); };
    cursor.previous = [this] { host_.SetPictureIndex(cursor_.NextShowIndex(false)); };
    captions_.assign(size_t(state_.count()), QString());
    std::vector<std::pair<int, PageDecodeRequest>> requests;
    const PageLoadResult fill = FillPageSlots(cells, first, cursor, [this, &requests](int slot, int picture) {
        const QString path = host_.PicturePath(picture);
        state_.SlotLoading(slot, picture, path);
        captions_[size_t(slot)] = CellCaptionText(cursor_.ShownNumber(), path);
        view_->ShowCell(slot, state_.cell(slot));
        lastToLoad_ = slot;
        requests.emplace_back(slot, request(path));
        return true;
    });
    Q_UNUSED(fill);
    // The costliest decodes start first, so that no large photograph is left
    // to decode alone at the end while the other cores idle; the pictures
    // are still shown in slot order.
    for (const size_t i : PageDecodeOrder([&requests] {
             std::vector<PageDecodeRequest> r;
             r.reserve(requests.size());
             for (const auto& [slot, req] : requests)
                 r.push_back(req);
             return r;
         }()))
        submit(requests[i].first, requests[i].second);
    applyReady();
}

PageDecodeRequest ThumbnailPageController::request(const QString& path) const
{
    PageDecodeRequest request;
    request.path = path;
    request.thumbnail = ThumbnailPath(path);
    request.box = pictureBox();
    request.limitPercent = host_.EnlargeLimit();
    request.options = host_.ThumbOptions();
    return request;
}

void ThumbnailPageController::submit(int slot, const QString& path)
{
    submit(slot, request(path));
}

void ThumbnailPageController::submit(int slot, const PageDecodeRequest& request)
{
    const quint64 generation = generation_;
    // Worker: gets the request by value and gives back a result by value;
    // it touches nothing of the controller. The answer reaches the
    // controller only if it still exists when the answer is served.
    if (!workers_)
        workers_ = std::make_unique<platform::WorkerPool>();
    QPointer<ThumbnailPageController> self(this);
    workers_->run([self, generation, slot, request, decode = Decode]() mutable {
        PageDecodeResult result = decode(request);
        platform::postToWindowThread([self = std::move(self), generation, slot, result = std::move(result)]() mutable {
            if (self)
                self->decoded(generation, slot, std::move(result));
        });
    });
}

void ThumbnailPageController::decoded(quint64 generation, int slot, PageDecodeResult result)
{
    if (generation != generation_)
        return;   // a page that was left or refilled meanwhile
    // A kept cell's picture decoded again for its grown cell.
    if (redecoding_.count(slot) && (!loading_ || slot < loadFirst_)) {
        applyRedecoded(slot, result);
        return;
    }
    if (!loading_)
        return;
    ready_[slot] = std::move(result);
    applyReady();
}

void ThumbnailPageController::applyReady()
{
    if (!loading_)
        return;
    // Results are applied in slot order, whatever order they came in.
    while (nextToApply_ <= lastToLoad_) {
        auto it = ready_.find(nextToApply_);
        if (it == ready_.end())
            return;
        applySlotResult(nextToApply_, it->second);
        ready_.erase(it);
        ++nextToApply_;
    }
    finishLoad(false);
}

void ThumbnailPageController::applySlotResult(int slot, const PageDecodeResult& r)
{
    const QString caption = keepCaptions_ && !state_.cell(slot).caption.isEmpty() ? state_.cell(slot).caption
                                                                                   : captions_[size_t(slot)];
    if (r.ok) {
        trueSizes_[size_t(slot)] = r.trueSize;
        view_->SetPicture(slot, QPixmap::fromImage(r.image), QRect());
        state_.SlotLoaded(slot, caption);
        ShowTitlePathHint(slot, true);
    } else {
        trueSizes_[size_t(slot)] = QSize();
        view_->ClearPicture(slot);
        state_.SlotFailed(slot, caption);
    }
    view_->ShowCell(slot, state_.cell(slot));
}

void ThumbnailPageController::finishLoad(bool aborted)
{
    loading_ = false;
    paintHold_.stop();
    view_->ReleasePaint();
    const int shown = state_.EndPageLoad(aborted);
    if (aborted) {
        host_.EndShow();
        return;
    }
    SetSelectionMenuCaptions();
    view_->FocusFirstPageCaption();
    showAll();
    for (int i = 0; i < state_.count(); ++i)
        if (state_.cell(i).PageSlotPicture == -1)
            view_->ClearPicture(i);
    host_.SetWindowCaption(state_.WindowCaption());
    DrawPagePositionBar();
    emit pageLoaded();
    if (shown == 0) {
        platform::showMessage(platform::PromptKind::Information, kNoPageLoadedText);
        host_.EndShow();
        return;
    }
    host_.PageFilled(state_.PageHoldsAllPictures(host_.PictureTotal()));
}

void ThumbnailPageController::ShowTitlePathHint(int slot, bool keepCaption)
{
    if (slot < 0 || slot >= state_.count() || slot >= int(trueSizes_.size()))
        return;
    Q_UNUSED(keepCaption);   // captions are set by the loader; a refit keeps them
    const QRect fit = FitPictureInCell(pictureBox(), trueSizes_[size_t(slot)], host_.EnlargeLimit());
    // The picture box lies 3 pixels inside the frame on every side.
    view_->PlacePicture(slot, fit.translated(3, 3));
}

void ThumbnailPageController::ReloadPagePicture(int slot, const QString& path)
{
    if (slot < 0 || slot >= state_.count())
        return;
    view_->ClearPicture(slot);
    PageDecodeRequest request;
    request.path = path;
    const QString t = ThumbnailPath(path);
    if (QFileInfo(t).isFile())
        request.path = t;
    request.useThumbnail = false;
    request.box = pictureBox();
    request.limitPercent = host_.EnlargeLimit();
    const PageDecodeResult r = DecodePageCell(request);
    if (r.ok) {
        trueSizes_[size_t(slot)] = r.trueSize;
        view_->SetPicture(slot, QPixmap::fromImage(r.image), QRect());
        ShowTitlePathHint(slot, true);
    }
    view_->ShowCell(slot, state_.cell(slot));
}

// ---- captions and the selection --------------------------------------------------------

void ThumbnailPageController::UpdatePageCaption(int slot)
{
    showCells({slot});
    host_.SetWindowCaption(state_.WindowCaption());
}

void ThumbnailPageController::SetSelectionMenuCaptions()
{
    const bool holdsAll = state_.PageHoldsAllPictures(host_.PictureTotal());
    const SelectionCells cells = state_.SetSelectionMenuCaptions(holdsAll);
    showCells(cells.changed);
    host_.SetCurrentPicturePath(cells.CurrentPicturePath);
    host_.SetSelectionMenuCaptions(cells, holdsAll);
}

void ThumbnailPageController::DrawPagePositionBar()
{
    if (!state_.PagePositionBarWanted(host_.StopPending()))
        return;
    PagePositionBarInput in = host_.PositionBarSizes();
    const PagePositionBarInput page = state_.PositionBarInput(host_.PictureTotal());
    in.pageHoldsAll = page.pageHoldsAll;
    in.lastCaption = page.lastCaption;
    in.total = page.total;
    in.slotsPerPage = page.slotsPerPage;
    host_.DrawPositionBar(ComputePagePositionBar(in));
}

void ThumbnailPageController::showSelectionChange(const std::vector<int>& changed)
{
    for (int i : changed)
        UpdatePageCaption(i);
    SetSelectionMenuCaptions();
}

bool ThumbnailPageController::selectionRefused(const QString& whileLoadingText)
{
    if (state_.SelectionCommandsEnabled())
        return false;
    platform::showMessage(platform::PromptKind::Error, whileLoadingText);
    return true;
}

void ThumbnailPageController::TBSelAllClick()
{
    showSelectionChange(state_.TBSelAllClick());
}

void ThumbnailPageController::TBSelNoneClick()
{
    showSelectionChange(state_.TBSelNoneClick());
}

void ThumbnailPageController::TBSelInvertClick()
{
    showSelectionChange(state_.TBSelInvertClick());
}

void ThumbnailPageController::MSelectAllClick()
{
    if (selectionRefused(kSelectAllWhileLoadingText))
        return;
    TBSelAllClick();
}

void ThumbnailPageController::MSelectNoneClick()
{
    if (selectionRefused(kSelectNoneWhileLoadingText))
        return;
    TBSelNoneClick();
}

void ThumbnailPageController::MSelectInvertClick()
{
    if (selectionRefused(kSelectInvertWhileLoadingText))
        return;
    TBSelInvertClick();
}

QStringList ThumbnailPageController::TickedPictures() const
{
    QStringList paths;
    for (const PageCell& c : state_.cells())
        if (c.ticked && c.PageSlotPicture >= 0)
            paths << c.path;
    return paths;
}

int ThumbnailPageController::SelectedSlot() const
{
    for (int i = 0; i < state_.count(); ++i)
        if (state_.cell(i).ticked)
            return i;
    return -1;
}

std::vector<int> ThumbnailPageController::TickedSlots() const
{
    std::vector<int> ticked;
    for (int i = 0; i < state_.count(); ++i)
        if (state_.cell(i).ticked && state_.cell(i).PageSlotPicture >= 0)
            ticked.push_back(i);
    return ticked;
}

// ---- the picture and file commands on ticked cells --------------------------------------

void ThumbnailPageController::PointCursorAt(int picture)
{
    cursor_.FindPlayPosition(picture);
    host_.SetPictureIndex(picture);
}

void ThumbnailPageController::MarkSlotRemoved(int slot, bool fromShow)
{
    if (slot < 0 || slot >= state_.count())
        return;
    state_.MarkSlotRemoved(slot, fromShow);
    view_->ClearPicture(slot);
    for (int i = slot; i < state_.count(); ++i)
        view_->ShowCell(i, state_.cell(i));
    host_.SetWindowCaption(state_.WindowCaption());
}

void ThumbnailPageController::UntickSlot(int slot)
{
    if (slot < 0 || slot >= state_.count())
        return;
    state_.UntickSlot(slot);
    UpdatePageCaption(slot);
    SetSelectionMenuCaptions();
}

void ThumbnailPageController::RenameSlotPicture(int slot, const QString& newPath)
{
    if (slot < 0 || slot >= state_.count())
        return;
    state_.RenameSlotPicture(slot, newPath);
    view_->ShowCell(slot, state_.cell(slot));
}

// Each kept picture moves with its decoded image; moves run front to back,
// so a source slot is read before it is overwritten.
void ThumbnailPageController::moveCells(const std::vector<FirstOnPageMove>& moves)
{
    for (const FirstOnPageMove& m : moves) {
        if (m.loaded) {
            view_->SetPicture(m.to, view_->Picture(m.from), QRect());
            trueSizes_[size_t(m.to)] = trueSizes_[size_t(m.from)];
            ShowTitlePathHint(m.to, true);
        } else {
            view_->ClearPicture(m.to);
        }
    }
}

void ThumbnailPageController::PackRemovedSlots()
{
    const PackResult r = state_.PackRemovedSlots();
    moveCells(r.moves);
    for (int i = r.firstEmpty; i < state_.count(); ++i)
        view_->ClearPicture(i);
    showAll();
    host_.SetWindowCaption(state_.WindowCaption());
    if (r.lastPicture < 0) {
        LoadPicturePage(0);
        return;
    }
    cursor_.FindPlayPosition(r.lastPicture);
    host_.SetPictureIndex(r.lastPicture);
    if (r.firstEmpty >= state_.count()) {
        SetSelectionMenuCaptions();
        DrawPagePositionBar();
        return;
    }
    host_.SetPictureIndex(cursor_.NextShowIndex(true));
    LoadPicturePage(r.firstEmpty);
}

// ---- slot events ------------------------------------------------------------------------

void ThumbnailPageController::PageFrameMouseDown(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                                 bool onCaption, QPoint globalPos)
{
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool ctrl = (CtrlHeld && CtrlHeld()) || modifiers.testFlag(Qt::ControlModifier);
    const CellMouseResult r = state_.PageFrameMouseDown(slot, button, shift, ctrl, onCaption);
    if (r.action == CellMouseAction::None)
        return;
    if (r.action == CellMouseAction::TogglePause) {
        host_.TogglePause();
        return;
    }
    if (r.pause)
        host_.PauseShow();
    for (int i : r.changed)
        UpdatePageCaption(i);
    SetSelectionMenuCaptions();
    if (r.action == CellMouseAction::Popup) {
        host_.SetCurrentPicturePath(r.popupPath);
        host_.ShowPagePopup(globalPos);
    }
}

void ThumbnailPageController::PageImageMouseDown(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                                 QPoint globalPos)
{
    if (button == Qt::MiddleButton) {
        host_.TogglePause();
        return;
    }
    if (button != Qt::RightButton || slot < 0 || slot >= state_.count())
        return;
    host_.PauseShow();
    if (!state_.cell(slot).ticked) {
        for (int i : state_.ToggleSlotSelection(slot, modifiers.testFlag(Qt::ShiftModifier), false))
            UpdatePageCaption(i);
        SetSelectionMenuCaptions();
    }
    host_.SetCurrentPicturePath(state_.cell(slot).path);
    host_.ShowPagePopup(globalPos);
}

void ThumbnailPageController::PageImageClick(int slot)
{
    if (slot < 0 || slot >= state_.count() || state_.cell(slot).path.isEmpty())
        return;
    host_.PauseShow();
    returnToPage_ = true;
    returnSlot_ = slot;
    host_.ShowPictureFull(state_.cell(slot).path);
}

void ThumbnailPageController::FullViewEnded()
{
    if (!returnToPage_)
        return;
    returnToPage_ = false;
    const int slot = std::exchange(returnSlot_, -1);
    // The picture may have been rotated in the full view.
    if (slot >= 0 && slot < state_.count() && state_.cell(slot).PageSlotLoaded)
        ReloadPagePicture(slot, state_.cell(slot).path);
    host_.SetWindowCaption(state_.WindowCaption());
    DrawPagePositionBar();
}

void ThumbnailPageController::PageCheckBoxClick(int slot, bool checked)
{
    if (!state_.PageCheckBoxClick(slot, checked)) {
        showCells({slot});
        return;
    }
    host_.PauseShow();
    if (slot >= 0 && slot < state_.count() && state_.cell(slot).checkEnabled)
        UpdatePageCaption(slot);
    SetSelectionMenuCaptions();
}

void ThumbnailPageController::PageCaptionMouseEnter(int slot)
{
    if (!state_.CaptionHintWanted(slot))
        return;
    state_.SetCaptionHint(slot, host_.PictureInfoText(state_.cell(slot).path));
    showCells({slot});
}

void ThumbnailPageController::PageFirstButtonClick(int k)
{
    if (state_.PageLoading)
        return;
    host_.PauseShow();
    const FirstOnPageResult r = state_.PageFirstButtonClick(k);
    if (!r.done)
        return;
    moveCells(r.moves);
    showAll();
    // The picture after the page, then the freed slots at the end.
    host_.SetPictureIndex(cursor_.NextShowIndex(true));
    LoadPicturePage(r.loadFrom);
}
