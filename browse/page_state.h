// The state of a thumbnail page, held without widgets: one record per slot
// (its picture, check box, caption line, frame text and control states),
// the layout in effect and the loader's two guards. The main window's page
// controls show this state and feed user input back through the methods
// below; every method says which slots changed so the window repaints
// only those.
//
// Guards: while PageLoading is set the layout cannot be changed, the
// selection commands and "first on this page" do nothing and the position
// bar is not drawn; while PageResetting is set a check-box click is ignored
// (the loader itself unticks the boxes).
#pragma once

#include "browse/page_layouts.h"
#include "browse/page_position_bar.h"

#include <QString>
#include <qnamespace.h>

#include <cstdint>
#include <vector>

struct PageSlot;

// ---- texts -------------------------------------------------------------------

inline const QString kPageLoadingText = QStringLiteral("Loading.........");
inline const QString kPageFailedText = QStringLiteral("Can not show picture ");
inline const QString kPageFirstButtonHint = QStringLiteral("Make this picture the first on this page");
inline const QString kLayoutWhileLoadingText =
    QStringLiteral("Do not change the number of pictures per page while pictures are loaded!");
inline const QString kSelectAllWhileLoadingText =
    QStringLiteral("While a picture page is loading, you can not make a selection");
inline const QString kSelectNoneWhileLoadingText =
    QStringLiteral("While a picture page is loading, you can not undo a selection");
inline const QString kSelectInvertWhileLoadingText =
    QStringLiteral("While a picture page is loading, you can not invert a selection");
inline const QString kNoPageLoadedText = QStringLiteral("Not a single picture could be loaded!");

// The view's menu items and tool buttons.
inline const QString kThumbnailViewMenuText = QStringLiteral("Th&umbnail view");                  // MMultSlide
inline const QString kMultModeMenuText = QStringLiteral("&Change number of pictures displayed per page");  // MMultMode
inline const QString kMultModeHint = QStringLiteral("Change number of pictures displayed per page");      // TBMultMode
inline const QString kSelectAllMenuText = QStringLiteral("Select &all pictures");                 // MSelectAll
inline const QString kSelectNoneMenuText = QStringLiteral("&Deselect all pictures");              // MSelectNone
inline const QString kSelectInvertMenuText = QStringLiteral("&Invert selection");                 // MSelectInvert
inline const QString kSelectAllHint = QStringLiteral("Select all pictures");                      // TBSelAll
inline const QString kSelectNoneHint = QStringLiteral("Deselect all pictures");                   // TBSelNone
inline const QString kSelectInvertHint = QStringLiteral("Invert selection");                      // TBSelInvert

// "Vistamo!  Thumbnail view - " + slotCount + " pictures per page - " and "No
// pictures selected", "1 picture selected" or k + " pictures selected".
QString PageWindowCaption(int slotCount, int selected);

// ---- one slot -------------------------------------------------------------------

struct PageCell {
    int32_t PageSlotPicture = -1;   // entry of the picture table; -1 empty
    QString path;                   // that entry's path
    int32_t PageSlotRow = 0;
    int32_t PageSlotColumn = 0;
    uint8_t PageSlotLoaded = 0;     // 1 when the picture was loaded into the slot
    bool ticked = false;            // the check box
    bool checkEnabled = false;
    bool cellEnabled = false;       // the cell with its caption line
    bool imageVisible = false;
    bool captionVisible = true;
    bool firstButtonVisible = false;
    QString caption;                // play position + " - " + file name
    QString captionHint;            // shown once made (hintOn)
    bool hintOn = false;
    QString frameText;              // "", kPageLoadingText or kPageFailedText
};

// ---- the page ---------------------------------------------------------------------

// What building a page asks of the window. Afterwards every cell is laid
// out disabled with its check box disabled and its first button hidden;
// SetSelectionMenuCaptions enables the loaded ones again.
struct PageBuild {
    bool toSingle = false;     // back to the single display: show `firstPicture`
    int32_t firstPicture = -1; // the picture of slot 0 before the page went
    int freeFrom = -1;         // free the controls of slots freeFrom .. (old last); -1 none
    int oldLast = -1;          // slots above it are new: their controls are created
    int count = 0;             // slots of the page
};

// What a layout change during a show asks of the window, in this order.
struct LayoutChange {
    int oldLayout = 0;
    int oldCount = 0;
    int32_t lastPicture = 0;   // picture of the old last slot (0 without slots)
    PageBuild build;
    bool pageView = false;     // the view is a page view afterwards
    // The slots below min(old, new count) keep their controls, pictures,
    // captions and ticks and are never reloaded; the loaded ones among them
    // are refitted into their new cells with their captions kept.
    std::vector<int> refit;
    // Slots whose cell colour is refreshed.
    std::vector<int> recolour;
    // PictureIndex := cursorPicture, then FindPlayPosition(cursorPicture)
    // when findPlayPosition, then one step "Next" when stepNext.
    bool setCursor = false;
    int32_t cursorPicture = -1;
    bool findPlayPosition = false;
    bool stepNext = false;
    // LoadPicturePage(loadFrom); -1: no load (a shrink, or a grow of a page
    // that held the whole list, only refreshes the
    // selection commands and the position bar).
    int loadFrom = -1;
};

// A click on a cell's frame or caption line.
enum class CellMouseAction { None, TogglePause, Select, Popup };
struct CellMouseResult {
    CellMouseAction action = CellMouseAction::None;
    bool pause = false;          // PauseShow first
    std::vector<int> changed;    // slots whose check box changed
    QString popupPath;           // Popup: CurrentPicturePath
};

// "Make this picture the first on this page".
struct FirstOnPageMove {
    int to;     // d
    int from;   // j: slot d takes slot j's picture (its image when loaded)
    bool loaded;
};
struct FirstOnPageResult {
    bool done = false;             // false while PageLoading or for a bad slot
    std::vector<FirstOnPageMove> moves;
    int loadFrom = -1;             // LoadPicturePage(count - k) after PictureIndex := Next
};

// The per-cell part of SetSelectionMenuCaptions.
struct SelectionCells {
    int selected = 0;              // SelectedPictureCount
    int selectedSlot = -1;         // the ticked slot when exactly one is ticked
    QString CurrentPicturePath;    // its path (else empty)
    std::vector<int> changed;      // slots whose controls changed
};

// The page after the removed pictures' slots were packed.
struct PackResult {
    std::vector<FirstOnPageMove> moves;   // slot `to` shows what slot `from` showed
    int32_t lastPicture = -1;             // the last filled slot's picture; -1: every slot is empty
    int firstEmpty = 0;                   // the first slot left without a picture
};

class PageState {
public:
    int32_t PageLayoutIndex = 0;
    uint8_t PageLoading = 0;
    uint8_t PageResetting = 0;

    const std::vector<PageCell>& cells() const { return cells_; }
    const PageCell& cell(int slot) const { return cells_[size_t(slot)]; }
    int count() const { return int(cells_.size()); }
    const PageGeometry& geometry() const { return geometry_; }
    // PageLayoutIndex >= 1 and the page has slots.
    bool ThumbnailViewActive() const { return PageLayoutIndex >= 1 && !cells_.empty(); }
    bool PageHoldsAllPictures(int pictureCount) const;

    // ---- building and layout ----

    // Builds the page of `layout` in the page area, keeping the state of the
    // slots that exist already (their pictures, ticks and captions) and
    // giving new slots an empty picture; slots beyond the new count are
    // freed. Layout 0 after a page returns to the single display and frees
    // every slot.
    PageBuild BuildPicturePage(int layout, int previousLayout, QSize pageArea, int toolBarHeight, ThumbFill fill);

    // The layout menu: false (with kLayoutWhileLoadingText) while a page
    // loads; else true, and the caller stores the choice when no show is
    // shown or calls ApplyPageLayout.
    bool M2ClickAllowed() const { return !PageLoading; }

    // Changes the layout while a show runs: a shrink keeps the first slots
    // and puts the cursor on the last kept picture; a grow keeps the old
    // slots and continues the list after the old last picture; coming from
    // the single display the whole page is filled from the current picture.
    LayoutChange ApplyPageLayout(int layout, QSize pageArea, int toolBarHeight, ThumbFill fill);

    // Frees every slot (FreePageControls(0)); PageLayoutIndex stays.
    void FreePageControls() { cells_.clear(); geometry_ = PageGeometry{}; }

    // ---- loading (the page loader's side) ----

    // Sets PageLoading and PageResetting; every slot from `first` on is
    // disabled, unticked, its first button hidden and its picture emptied.
    // Returns the slots reset.
    std::vector<int> BeginPageLoad(int first);
    // The slot is being filled with picture `pictureIndex`: it reads
    // kPageLoadingText, without a caption until the picture is shown.
    void SlotLoading(int slot, int32_t pictureIndex, const QString& path);
    // The picture is shown in the slot, with this caption.
    void SlotLoaded(int slot, const QString& caption);
    // The picture could not be shown: the slot keeps its place with
    // kPageFailedText and a disabled check box.
    void SlotFailed(int slot, const QString& caption);
    // Clears both guards. Unless aborted, every slot still empty is hidden
    // and cleared. Returns the number of slots with a shown picture.
    int EndPageLoad(bool aborted);

    // ---- selection ----

    int SelectedPictureCount() const;
    QString WindowCaption() const { return PageWindowCaption(count(), SelectedPictureCount()); }

    // The click rule: nothing for slot >= 99 or a disabled check box; a click
    // without Ctrl and Shift first clears every tick; the slot is toggled;
    // with Shift the slots before it are toggled back to the nearest one that
    // already has the clicked slot's new state (slots with a disabled check
    // box are passed over). Returns the slots changed.
    std::vector<int> ToggleSlotSelection(int slot, bool shift, bool ctrl);

    // Tool buttons: all ticks every enabled box, none unticks every ticked
    // box, invert toggles every enabled box. Nothing while a page loads.
    std::vector<int> TBSelAllClick();
    std::vector<int> TBSelNoneClick();
    std::vector<int> TBSelInvertClick();
    // The tool buttons (and so their menu twins) are usable.
    bool SelectionCommandsEnabled() const { return !PageLoading; }

    // The slot's check box was clicked to `ticked`. Returns true when the
    // window pauses the show and updates the caption and the commands;
    // false while PageResetting.
    bool PageCheckBoxClick(int slot, bool ticked);

    // Frame (onCaption false) or caption line: middle button pauses or
    // continues; left pauses and applies the click rule; right pauses,
    // selects an unticked slot by the click rule and opens the pop-up for
    // the slot's picture. On the caption line left and right do nothing
    // when the check box is disabled.
    CellMouseResult PageFrameMouseDown(int slot, Qt::MouseButton button, bool shift, bool ctrl, bool onCaption);

    // The caption line wants its hint made (once, when its check box is
    // enabled); SetCaptionHint stores it.
    bool CaptionHintWanted(int slot) const;
    void SetCaptionHint(int slot, const QString& hint);

    // ---- first on this page ----

    // Slot k's picture and the ones after it move to the front of the page
    // (a failed slot moves with its text and disabled check box); every cell
    // is disabled and the first buttons hidden; the window then moves the
    // cursor "Next" and loads the page from count - k.
    FirstOnPageResult PageFirstButtonClick(int k);

    // ---- commands for the selection ----

    // Every loaded slot gets its cell and check box enabled and, from the
    // second slot on and when the page does not hold all pictures, its
    // first button shown; with one tick that slot's path is the current
    // picture.
    SelectionCells SetSelectionMenuCaptions(bool pageHoldsAll);

    // ---- the picture and folder commands ----

    // The records the ticked-picture operations work on (MarkSlotRemoved,
    // PackPageSlots) and their return into the page.
    std::vector<PageSlot> ToPageSlots() const;
    void FromPageSlots(const std::vector<PageSlot>& pageSlots);

    // The picture of `slot` left the show or folder: its cell reads
    // "Removed from show" (fromShow) or "Deleted", unticked, its image
    // hidden; the captions of the later slots are renumbered.
    void MarkSlotRemoved(int slot, bool fromShow);
    // The slot's check box is cleared (a saved picture).
    void UntickSlot(int slot);
    // The slot's picture was renamed to `newPath`: its caption keeps its
    // number before the dash and names the new file; the hint is made anew.
    void RenameSlotPicture(int slot, const QString& newPath);
    // After removals the remaining pictures are packed towards the front;
    // the moves say which slot takes which slot's shown picture.
    PackResult PackRemovedSlots();

    // ---- the position bar ----

    // The bar is drawn unless the show's stop request is pending, the page
    // has no slots or a page loads.
    bool PagePositionBarWanted(bool stopPending) const { return !stopPending && !cells_.empty() && !PageLoading; }
    // The page's part of the bar's input (last caption, slots, whether the
    // page holds all `total` pictures); the window adds its sizes.
    PagePositionBarInput PositionBarInput(int total) const;

private:
    bool usable(int slot) const { return slot >= 0 && slot < count(); }
    void toggle(int slot, std::vector<int>& changed);

    std::vector<PageCell> cells_;
    PageGeometry geometry_;
};
