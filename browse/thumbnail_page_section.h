// The main window's thumbnail view: the page controller and its host, the
// backdrop that covers the browse controls while the page is shown, the
// position bar, the page show's start, pause and steps, the layout menu and
// the view's menu items. It reaches the rest of the window through
// ThumbnailPageSectionHost.
#pragma once

#include "base/program_state.h"
#include "browse/page_selection.h"
#include "browse/thumbnail_page_controller.h"
#include "browse/thumbnail_page_section_host.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class PagePositionBarWidget;

class ThumbnailPageSection : public QObject, public PageSelection, private ThumbnailPageHost {
    Q_OBJECT
public:
    // A child of the host's window; makes the page controller and wires the
    // layout menu, the selection items and the show buttons. `state` gives
    // the show session, the settings, how the program was started and the
    // environment's colours and font.
    ThumbnailPageSection(std::unique_ptr<ThumbnailPageSectionHost> host, ProgramState& state);
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
    void Untick(const QString& path) override;
    void ReloadPagePicture(const QString& path) override;
    void DrawPagePositionBar() override;
    void LoadPageFromCurrent() override;

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

    std::unique_ptr<ThumbnailPageSectionHost> m_host;
    const ThumbnailPageWidgets m_w;
    ProgramState& m_state;
    ShowSession& m_session;
    // The full-screen window whose hiding ends a cell's full view.
    QPointer<QObject> m_watchedShowWindow;
};
