#include "browse/page_state.h"

#include "browse/picture_display.h"
#include "browse/picture_file_ops.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

// Keeps the first mention of every slot.
std::vector<int> unique(std::vector<int> changed)
{
    std::vector<int> out;
    for (int s : changed)
        if (std::find(out.begin(), out.end(), s) == out.end())
            out.push_back(s);
    return out;
}

} // namespace

QString PageWindowCaption(int slotCount, int selected)
{
    QString text = QStringLiteral("Vistamo!  Thumbnail view - ") + QString::number(slotCount) +
                   QStringLiteral(" pictures per page - ");
    if (selected <= 0)
        return text + QStringLiteral("No pictures selected");
    if (selected == 1)
        return text + QStringLiteral("1 picture selected");
    return text + QString::number(selected) + QStringLiteral(" pictures selected");
}

// ---- building and layout ---------------------------------------------------------

PageBuild PageState::BuildPicturePage(int layout, int previousLayout, QSize pageArea, int toolBarHeight,
                                      ThumbFill fill)
{
    PageBuild b;
    b.oldLast = count() - 1;
    layout = PageLayoutAt(layout).index;
    if (layout == 0) {
        if (previousLayout != 0) {
            b.toSingle = true;
            b.firstPicture = cells_.empty() ? -1 : cells_.front().PageSlotPicture;
            b.freeFrom = cells_.empty() ? -1 : 0;
            FreePageControls();
        }
        return b;
    }
    geometry_ = ComputePageGeometry(layout, pageArea, toolBarHeight, fill);
    b.count = int(geometry_.slotRects.size());
    if (b.count < b.oldLast + 1)
        b.freeFrom = b.count;
    cells_.resize(size_t(b.count));
    for (int i = 0; i < b.count; ++i) {
        PageCell& c = cells_[size_t(i)];
        if (i > b.oldLast)
            c = PageCell{};
        // Every cell is laid out disabled with its first button hidden; the
        // commands for the selection enable the loaded ones again.
        c.PageSlotRow = geometry_.slotRects[size_t(i)].PageSlotRow;
        c.PageSlotColumn = geometry_.slotRects[size_t(i)].PageSlotColumn;
        c.cellEnabled = false;
        c.checkEnabled = false;
        c.firstButtonVisible = false;
    }
    return b;
}

LayoutChange PageState::ApplyPageLayout(int layout, QSize pageArea, int toolBarHeight, ThumbFill fill)
{
    LayoutChange ch;
    ch.oldCount = count();
    ch.lastPicture = cells_.empty() ? 0 : cells_.back().PageSlotPicture;
    ch.oldLayout = PageLayoutIndex;
    PageLayoutIndex = PageLayoutAt(layout).index;
    ch.build = BuildPicturePage(PageLayoutIndex, ch.oldLayout, pageArea, toolBarHeight, fill);
    ch.pageView = ThumbnailViewActive();
    if (!ch.pageView)
        return ch;

    const int n = count();
    if (ch.oldCount > 0 && n <= ch.oldCount) {
        // Shrunk or the same: the kept slots stay as they are.
        for (int i = 0; i < n; ++i) {
            if (cells_[size_t(i)].PageSlotLoaded) {
                ch.refit.push_back(i);
                ch.recolour.push_back(i);
            }
        }
        const int32_t last = cells_.back().PageSlotPicture;
        if (last != -1) {
            ch.setCursor = true;
            ch.cursorPicture = last;
            ch.findPlayPosition = true;
        }
        return ch;
    }
    if (ch.oldCount > 0 && ch.lastPicture == -1) {
        // Grown from a page that held the whole list (it ends in an empty
        // slot): there is nothing more to show; the new cells stay empty
        // and the cursor stays on the list's last picture.
        for (int i = 0; i < ch.oldCount; ++i) {
            if (cells_[size_t(i)].PageSlotLoaded)
                ch.refit.push_back(i);
            ch.recolour.push_back(i);
        }
        return ch;
    }
    if (ch.oldCount > 0) {
        // Grown: the list continues after the old last picture.
        ch.setCursor = true;
        ch.cursorPicture = ch.lastPicture;
        ch.findPlayPosition = ch.stepNext = ch.lastPicture != -1;
        for (int i = 0; i < ch.oldCount; ++i) {
            if (cells_[size_t(i)].PageSlotLoaded)
                ch.refit.push_back(i);
            ch.recolour.push_back(i);
        }
    }
    ch.loadFrom = ch.oldCount;
    return ch;
}

// ---- loading -----------------------------------------------------------------------

std::vector<int> PageState::BeginPageLoad(int first)
{
    PageLoading = 1;
    PageResetting = 1;
    std::vector<int> reset;
    for (int i = std::max(0, first); i < count(); ++i) {
        PageCell& c = cells_[size_t(i)];
        c.cellEnabled = false;
        c.ticked = false;
        c.checkEnabled = false;
        c.firstButtonVisible = false;
        c.PageSlotPicture = -1;
        c.PageSlotLoaded = 0;
        reset.push_back(i);
    }
    return reset;
}

void PageState::SlotLoading(int slot, int32_t pictureIndex, const QString& path)
{
    if (!usable(slot))
        return;
    PageCell& c = cells_[size_t(slot)];
    c.PageSlotPicture = pictureIndex;
    c.path = path;
    c.PageSlotLoaded = 0;
    c.imageVisible = false;
    c.frameText = kPageLoadingText;
    // The caption of the picture the cell showed before goes; the cell's
    // own comes with its picture.
    c.caption.clear();
    c.captionHint.clear();
    c.hintOn = false;
}

void PageState::SlotLoaded(int slot, const QString& caption)
{
    if (!usable(slot))
        return;
    PageCell& c = cells_[size_t(slot)];
    c.frameText.clear();
    c.caption = caption;
    c.captionVisible = true;
    c.captionHint.clear();
    c.hintOn = false;
    c.imageVisible = true;
    c.PageSlotLoaded = 1;
}

void PageState::SlotFailed(int slot, const QString& caption)
{
    if (!usable(slot))
        return;
    PageCell& c = cells_[size_t(slot)];
    c.frameText = kPageFailedText;
    c.caption = caption;
    c.captionVisible = true;
    c.captionHint.clear();
    c.hintOn = false;
    c.imageVisible = false;
    c.ticked = false;
    c.checkEnabled = false;
    c.PageSlotLoaded = 0;
}

int PageState::EndPageLoad(bool aborted)
{
    PageLoading = 0;
    PageResetting = 0;
    int shown = 0;
    for (PageCell& c : cells_) {
        if (c.PageSlotLoaded)
            ++shown;
        if (aborted || c.PageSlotPicture != -1)
            continue;
        c.imageVisible = false;
        c.PageSlotLoaded = 0;
        c.checkEnabled = false;
        c.ticked = false;
        c.caption.clear();
        c.frameText.clear();
        c.path.clear();
        c.captionHint.clear();
        c.hintOn = false;
    }
    return shown;
}

bool PageState::PageHoldsAllPictures(int pictureCount) const
{
    return ::PageHoldsAllPictures(count(), pictureCount);
}

PagePositionBarInput PageState::PositionBarInput(int total) const
{
    PagePositionBarInput in;
    in.pageHoldsAll = PageHoldsAllPictures(total);
    in.lastCaption = cells_.empty() ? QString() : cells_.back().caption;
    in.total = total;
    in.slotsPerPage = count();
    return in;
}

// ---- selection -----------------------------------------------------------------------

int PageState::SelectedPictureCount() const
{
    return int(std::count_if(cells_.begin(), cells_.end(), [](const PageCell& c) { return c.ticked; }));
}

void PageState::toggle(int slot, std::vector<int>& changed)
{
    cells_[size_t(slot)].ticked = !cells_[size_t(slot)].ticked;
    changed.push_back(slot);
}

std::vector<int> PageState::ToggleSlotSelection(int slot, bool shift, bool ctrl)
{
    std::vector<int> changed;
    if (slot >= 99 || !usable(slot) || !cells_[size_t(slot)].checkEnabled)
        return changed;
    if (!ctrl && !shift) {
        for (int i = 0; i < count(); ++i)
            if (cells_[size_t(i)].ticked)
                toggle(i, changed);
    }
    toggle(slot, changed);
    if (shift) {
        const bool s = cells_[size_t(slot)].ticked;
        for (int j = slot - 1; j >= 0; --j) {
            const PageCell& c = cells_[size_t(j)];
            if (!c.checkEnabled)
                continue;
            if (c.ticked == s)
                break;
            toggle(j, changed);
        }
    }
    return unique(std::move(changed));
}

std::vector<int> PageState::TBSelAllClick()
{
    std::vector<int> changed;
    if (PageLoading)
        return changed;
    for (int i = 0; i < count(); ++i)
        if (cells_[size_t(i)].checkEnabled && !cells_[size_t(i)].ticked)
            toggle(i, changed);
    return changed;
}

std::vector<int> PageState::TBSelNoneClick()
{
    std::vector<int> changed;
    if (PageLoading)
        return changed;
    for (int i = 0; i < count(); ++i)
        if (cells_[size_t(i)].ticked)
            toggle(i, changed);
    return changed;
}

std::vector<int> PageState::TBSelInvertClick()
{
    std::vector<int> changed;
    if (PageLoading)
        return changed;
    for (int i = 0; i < count(); ++i)
        if (cells_[size_t(i)].checkEnabled)
            toggle(i, changed);
    return changed;
}

bool PageState::PageCheckBoxClick(int slot, bool ticked)
{
    if (!usable(slot))
        return false;
    cells_[size_t(slot)].ticked = ticked;
    return !PageResetting;
}

CellMouseResult PageState::PageFrameMouseDown(int slot, Qt::MouseButton button, bool shift, bool ctrl,
                                               bool onCaption)
{
    CellMouseResult r;
    if (!usable(slot))
        return r;
    const PageCell& c = cells_[size_t(slot)];
    if (button == Qt::MiddleButton) {
        r.action = CellMouseAction::TogglePause;
        return r;
    }
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return r;
    if (onCaption && !c.checkEnabled)
        return r;
    r.pause = true;
    if (button == Qt::LeftButton) {
        r.action = CellMouseAction::Select;
        r.changed = ToggleSlotSelection(slot, shift, ctrl);
        return r;
    }
    if (!c.ticked)
        r.changed = ToggleSlotSelection(slot, shift, ctrl);
    // An empty slot has no picture to act on.
    if (c.PageSlotPicture >= 0) {
        r.action = CellMouseAction::Popup;
        r.popupPath = c.path;
    }
    return r;
}

bool PageState::CaptionHintWanted(int slot) const
{
    return usable(slot) && cells_[size_t(slot)].checkEnabled && !cells_[size_t(slot)].hintOn;
}

void PageState::SetCaptionHint(int slot, const QString& hint)
{
    if (!usable(slot))
        return;
    cells_[size_t(slot)].captionHint = hint;
    cells_[size_t(slot)].hintOn = true;
}

// ---- first on this page ---------------------------------------------------------------

FirstOnPageResult PageState::PageFirstButtonClick(int k)
{
    FirstOnPageResult r;
    if (PageLoading || !usable(k))
        return r;
    r.done = true;
    for (PageCell& c : cells_) {
        c.cellEnabled = false;
        c.firstButtonVisible = false;
    }
    const int n = count();
    for (int j = k; j < n; ++j) {
        const int d = j - k;
        const PageCell src = cells_[size_t(j)];
        PageCell& dst = cells_[size_t(d)];
        const bool loaded = src.PageSlotLoaded != 0;
        if (loaded) {
            dst.frameText.clear();
            dst.imageVisible = true;
        } else {
            dst.imageVisible = false;
            dst.frameText = src.PageSlotPicture >= 0 ? kPageFailedText : QString();
        }
        dst.PageSlotPicture = src.PageSlotPicture;
        dst.path = src.path;
        dst.caption = src.caption;
        dst.captionHint = src.captionHint;
        dst.hintOn = src.hintOn;
        dst.ticked = src.ticked;
        dst.checkEnabled = src.checkEnabled;
        dst.PageSlotLoaded = src.PageSlotLoaded;
        r.moves.push_back({d, j, loaded});
    }
    r.loadFrom = n - k;
    return r;
}

// ---- commands for the selection -------------------------------------------------------

SelectionCells PageState::SetSelectionMenuCaptions(bool pageHoldsAll)
{
    SelectionCells r;
    r.selected = SelectedPictureCount();
    for (int i = 0; i < count(); ++i) {
        PageCell& c = cells_[size_t(i)];
        if (!c.PageSlotLoaded)
            continue;
        c.cellEnabled = true;
        c.checkEnabled = true;
        c.firstButtonVisible = i >= 1 && !pageHoldsAll;
        r.changed.push_back(i);
    }
    if (r.selected == 1) {
        for (int i = 0; i < count(); ++i) {
            if (cells_[size_t(i)].ticked) {
                r.selectedSlot = i;
                r.CurrentPicturePath = cells_[size_t(i)].path;
                break;
            }
        }
    }
    return r;
}

// ---- the picture and folder commands -----------------------------------------------------

std::vector<PageSlot> PageState::ToPageSlots() const
{
    std::vector<PageSlot> out(cells_.size());
    for (size_t i = 0; i < cells_.size(); ++i) {
        const PageCell& c = cells_[i];
        PageSlot& s = out[i];
        s.pictureIndex = c.PageSlotPicture;
        s.ticked = c.ticked;
        s.enabled = c.checkEnabled;
        s.caption = c.caption;
        s.hint = c.hintOn ? c.captionHint : QString();
        s.labelVisible = c.captionVisible;
        s.imageVisible = c.imageVisible;
        s.loaded = c.PageSlotLoaded != 0;
    }
    return out;
}

void PageState::FromPageSlots(const std::vector<PageSlot>& pageSlots)
{
    // The slots may have moved: a picture's path goes with its index.
    QHash<int32_t, QString> paths;
    for (const PageCell& c : cells_)
        if (c.PageSlotPicture >= 0)
            paths.insert(c.PageSlotPicture, c.path);
    const size_t n = std::min(pageSlots.size(), cells_.size());
    for (size_t i = 0; i < n; ++i) {
        const PageSlot& s = pageSlots[i];
        PageCell& c = cells_[i];
        c.PageSlotPicture = s.pictureIndex;
        c.path = s.pictureIndex >= 0 ? paths.value(s.pictureIndex) : QString();
        c.ticked = s.ticked;
        c.checkEnabled = s.enabled;
        c.caption = s.caption;
        c.captionHint = s.hint;
        c.hintOn = !s.hint.isEmpty();
        c.captionVisible = s.labelVisible;
        c.imageVisible = s.imageVisible;
        c.PageSlotLoaded = s.loaded ? 1 : 0;
        if (s.pictureIndex >= 0)
            c.frameText = s.loaded ? QString() : kPageFailedText;
        else if (s.pictureIndex == -1)
            c.frameText.clear();
        if (s.pictureIndex == -1) {
            c.cellEnabled = false;
            c.firstButtonVisible = false;
        }
    }
}

void PageState::MarkSlotRemoved(int slot, bool fromShow)
{
    if (!usable(slot))
        return;
    std::vector<PageSlot> records = ToPageSlots();
    ::MarkSlotRemoved(records, slot, fromShow);
    FromPageSlots(records);
    PageCell& c = cells_[size_t(slot)];
    c.PageSlotLoaded = 0;
    c.checkEnabled = false;
    c.firstButtonVisible = false;
    c.frameText.clear();
}

void PageState::UntickSlot(int slot)
{
    if (usable(slot))
        cells_[size_t(slot)].ticked = false;
}

void PageState::RenameSlotPicture(int slot, const QString& newPath)
{
    if (!usable(slot))
        return;
    PageCell& c = cells_[size_t(slot)];
    c.caption = QString::number(NumberBeforeDash(c.caption)) + QStringLiteral(" - ") + QFileInfo(newPath).fileName();
    c.path = newPath;
    c.captionHint.clear();
    c.hintOn = false;
}

PackResult PageState::PackRemovedSlots()
{
    // Where each shown picture stood before the packing.
    QHash<int32_t, int> from;
    for (int i = 0; i < count(); ++i)
        if (cells_[size_t(i)].PageSlotPicture >= 0 && !from.contains(cells_[size_t(i)].PageSlotPicture))
            from.insert(cells_[size_t(i)].PageSlotPicture, i);
    std::vector<PageSlot> records = ToPageSlots();
    PackResult r;
    r.lastPicture = PackPageSlots(records);
    FromPageSlots(records);
    r.firstEmpty = count();
    for (int i = 0; i < count(); ++i) {
        PageCell& c = cells_[size_t(i)];
        if (c.PageSlotPicture < 0) {
            r.firstEmpty = std::min(r.firstEmpty, i);
            c.path.clear();
            c.frameText.clear();
            continue;
        }
        const int old = from.value(c.PageSlotPicture, i);
        if (old != i)
            r.moves.push_back({i, old, c.PageSlotLoaded != 0});
    }
    return r;
}
