// The main window's thumbnail view: the page controller and its host, the
// backdrop that covers the browse controls while the page is shown, the
// position bar, the page show's start, pause and steps, the layout menu and
// the view's menu items. What it asks of other parts it says with signals,
// which the main window connects.
#pragma once

#include "base/program_state.h"
#include "browse/page_selection.h"
#include "browse/thumbnail_page_controller.h"
#include "browse/thumbnail_page_widgets.h"

#include <QList>
#include <QMenu>
#include <QObject>
#include <QPixmap>
#include <QPointer>

#include <functional>

class PagePositionBarWidget;
class ShowManagerWindow;
class ShowView;
struct LayoutState;
struct PictureDisplayState;

class ThumbnailPageSection : public QObject, public PageSelection, private ThumbnailPageHost {
    Q_OBJECT
public:
    // A child of the widgets' window; makes the page controller and wires
    // the layout menu, the selection items and the show buttons. `state`
    // gives the show session, the settings, how the program was started and
    // the environment's colours and font; the picture a page selects becomes
    // `display`'s current picture; `layout` says whether the maximized
    // layout is in effect; `manualMode` whether the show is in manual mode.
    ThumbnailPageSection(const ThumbnailPageWidgets& widgets, ProgramState& state, PictureDisplayState& display,
                         const LayoutState& layout, std::function<bool()> manualMode);
    ~ThumbnailPageSection() override;

    // The page of thumbnails: its controller (state, cells, page show) and
    // the backdrop that covers the browse controls while it is shown.
    ThumbnailPageController* PageView = nullptr;
    QWidget* PageBackdrop = nullptr;
    PagePositionBarWidget* PageBar = nullptr;
    // Set by the thumbnail-view start buttons: the next show plays as pages.
    bool PageStartRequested = false;

    // True while a show plays as pages.
    bool PageShowRuns() const;
    // The layout menu's items `M1` .. `M77`.
    void M2Click(int layout);
    void MMultSlideClick();
    // Starts the show of `order` in the thumbnail view when a page layout
    // is chosen for it; false when it plays one picture at a time.
    bool StartPageShowIfWanted(const QList<int>& order, bool continuous);
    // Wires the interval timer, the cells' look and the full view's return
    // for a show that plays as pages.
    void PreparePageShow();
    // Pauses, continues and steps a show played as pages.
    void PagePause();
    void PageContinue(int direction);
    void PageTogglePause();

    // The backdrop follows the client area while the page is shown; the
    // full view of a cell's picture ends when the full-screen window hides.
    bool eventFilter(QObject* watched, QEvent* event) override;

    // What the other sections read of the page and ask of it.
    bool ThumbnailViewActive() const override;
    int ShownSlotCount() const override;
    QStringList TickedPictures() const override;
    QString CurrentSlotPicture() const override;
    // The picture of the cell that shows `path` (the cell the pop-up was
    // opened on), else that of the selected cell.
    QString SlotPicturePath(const QString& path) const;
    void Untick(const QString& path) override;
    void ReloadPagePicture(const QString& path) override;
    void DrawPagePositionBar() override;
    void LoadPageFromCurrent() override;

    // The full-screen show window and the show list window, once made
    // (either may be null).
    void SetShowView(ShowView* window);
    void SetShowManager(ShowManagerWindow* window);

signals:
    // The running show is to pause, or to end.
    void pauseWanted();
    void showEndWanted();
    // The window's selection captions of the menus are to follow the page.
    void selectionCaptionsWanted();
    // A cell's picture is to be shown in the full view.
    void fullViewRequested(const QString& path);
    // The tool tips of a running show are wanted.
    void showRunningHintsWanted();
    // The layout menu of the tool bar's "number of thumbnails" button is
    // to open.
    void layoutMenuWanted();
    // A menu was filled: its width is to fit its captions.
    void menuMeasureWanted(QMenu* menu);

private:
    void connectMenus();
    void connectShowButtons();
    void placeBackdrop();
    void refreshShowButtons();
    void setShowButtonsVisible(bool visible);

    // ThumbnailPageHost: what the page controller asks of the window.
    QWidget* PageParent() override;
    int ToolBarHeight() const override;
    QSize ClientAreaBelowToolBar() const override;
    ThumbFill FillOrder() const override;
    int EnlargeLimit() const override;
    ThumbnailOptions ThumbOptions() const override;
    int PictureTotal() const override;
    QString PicturePath(int index) const override;
    void SetPictureIndex(int index) override;
    void PauseShow() override;
    void TogglePause() override;
    bool InManualMode() const override;
    bool ShowShown() const override;
    void StoreLayoutChoice(int layout) override;
    void SetWindowCaption(const QString& caption) override;
    void SetSelectionMenuCaptions(const SelectionCells& cells, bool pageHoldsAll) override;
    void SetSelectionButtonsVisible(bool visible) override;
    void SetCurrentPicturePath(const QString& path) override;
    void ShowPagePopup(QPoint globalPos) override;
    void ShowPictureFull(const QString& path) override;
    QString PictureInfoText(const QString& path) const override;
    void ShowPageArea(bool shown) override;
    void ReturnToSingleDisplay(int picture) override;
    bool LeaveSingleDisplay(QList<int>& order, int& position) override;
    void PageViewEntered() override;
    void PageLoadStarted() override;
    void PageLayoutApplied() override;
    void PageFilled(bool holdsAll) override;
    void EndShow() override;
    PagePositionBarInput PositionBarSizes() const override;
    void DrawPositionBar(const PagePositionBar& bar) override;
    bool StopPending() const override;
    bool WheelZoomed() const override;
    void ResetWheelZoom() override;

    const ThumbnailPageControls m_w;
    ProgramState& m_state;
    ShowSession& m_session;
    PictureDisplayState& m_display;
    const LayoutState& m_layout;
    std::function<bool()> m_manualMode;
    QPointer<ShowView> m_showView;
    QPointer<ShowManagerWindow> m_showManager;
    // The full-screen window whose hiding ends a cell's full view.
    QPointer<QObject> m_watchedShowWindow;
};
