// The main window's thumbnail view: the page controller's host over the
// window, the page show's start, pause and steps, the layout menu and the
// view's menu items.
#include "browse/thumbnail_page_section.h"

#include "base/layout_state.h"
#include "base/settings_record.h"
#include "browse/external_programs.h"
#include "browse/page_layouts.h"
#include "browse/picture_display.h"
#include "browse/picture_info.h"
#include "browse/thumbnail_files.h"
#include "browse/thumbnail_page_view.h"
#include "platform/designed_widgets.h"
#include "shows/show_windows.h"
#include "browse/show_view.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <utility>

namespace {

ThumbnailPageItems TakeThumbnailPageItems(const QWidget& window)
{
    const auto action = [&window](const char* name) { return platform::ActionNamed(window, name); };
    std::array<QAction*, 25> multiItems{};
    for (const PageLayoutEntry& layout : PageLayoutTable())
        multiItems[size_t(layout.index)] = action(layout.menuItem);
    return {
        .RightClickTreeView = platform::MenuNamed(window, "RightClickTreeView"),
        .MMultSlide = platform::MenuNamed(window, "MMultSlide"),
        .MultiPop = platform::MenuNamed(window, "MultiPop"),
        .MultiItems = multiItems,
        .TBMultMode = action("TBMultMode"),
        .TBSelAll = action("TBSelAll"),
        .TBSelNone = action("TBSelNone"),
        .TBSelInvert = action("TBSelInvert"),
        .MMultMode = action("MMultMode"),
        .MSelectAll = action("MSelectAll"),
        .MSelectNone = action("MSelectNone"),
        .MSelectInvert = action("MSelectInvert"),
        .Forward1ToolButton = action("Forward1ToolButton"),
        .Backwards1ToolButton = action("Backwards1ToolButton"),
        .ManualModeToolButton = action("ManualModeToolButton"),
        .ShowForwardToolButton = action("ShowForwardToolButton"),
        .ShowinReverseToolButton = action("ShowinReverseToolButton"),
        .ToolButton2 = action("ToolButton2"),
        .FullScreenToolButton3 = action("FullScreenToolButton3"),
        .PictureForward = action("PictureForward"),
        .PictureBackwards = action("PictureBackwards")
    };
}

} // namespace

ThumbnailPageSection::ThumbnailPageSection(const ThumbnailPageWidgets& widgets, ProgramState& state,
                                           PictureDisplayState& display, const LayoutState& layout,
                                           std::function<bool()> manualMode)
    : QObject(widgets.Window), m_w{widgets, TakeThumbnailPageItems(*widgets.Window)}, m_state(state),
      m_session(m_state.session), m_display(display),
      m_layout(layout), m_manualMode(std::move(manualMode))
{
    setObjectName(QStringLiteral("ThumbnailPageSection"));
    PageView = new ThumbnailPageController(*this, PageLook(), this);
    PageView->setObjectName(QStringLiteral("ThumbnailPageController"));
    PageView->ShowStepDirection = [this] { return m_session.ShowState.Direction < 0 ? -1 : 1; };
    connectMenus();
    connectShowButtons();
}

ThumbnailPageSection::~ThumbnailPageSection() = default;

bool ThumbnailPageSection::ThumbnailViewActive() const { return PageView && PageView->ThumbnailViewActive(); }

int ThumbnailPageSection::ShownSlotCount() const { return ThumbnailViewActive() ? PageView->State().count() : 0; }

QStringList ThumbnailPageSection::TickedPictures() const { return PageView ? PageView->TickedPictures() : QStringList(); }

QString ThumbnailPageSection::CurrentSlotPicture() const
{
    if (!PageView)
        return QString();
    const int slot = PageView->SelectedSlot();
    return slot >= 0 ? PageView->State().cell(slot).path : QString();
}

QString ThumbnailPageSection::SlotPicturePath(const QString& path) const
{
    if (!PageView)
        return QString();
    const PageState& st = PageView->State();
    int slot = -1;
    for (int i = 0; i < st.count() && slot < 0; ++i)
        if (!path.isEmpty() && st.cell(i).PageSlotPicture >= 0 && st.cell(i).path == path)
            slot = i;
    if (slot < 0)
        slot = PageView->SelectedSlot();
    return slot >= 0 ? st.cell(slot).path : QString();
}

void ThumbnailPageSection::Untick(const QString& path)
{
    if (!PageView)
        return;
    const PageState& st = PageView->State();
    for (int i = 0; i < st.count(); ++i)
        if (st.cell(i).ticked && st.cell(i).path == path)
            PageView->PageCheckBoxClick(i, false);
}

void ThumbnailPageSection::ReloadPagePicture(const QString& path)
{
    if (!PageView)
        return;
    const PageState& st = PageView->State();
    for (int i = 0; i < st.count(); ++i)
        if (st.cell(i).path == path)
            PageView->ReloadPagePicture(i, path);
}

void ThumbnailPageSection::DrawPagePositionBar()
{
    if (PageView)
        PageView->DrawPagePositionBar();
}

void ThumbnailPageSection::LoadPageFromCurrent()
{
    if (PageView)
        PageView->LoadPicturePage(0);
}

// The layout menu and the view's menu items.
void ThumbnailPageSection::connectMenus()
{
    for (QAction* item : m_w.MultiItems) {
        if (!item)
            continue;
        const int layout = PageLayoutOfMenuItem(item->objectName());
        connect(item, &QAction::triggered, this, [this, layout] { M2Click(layout); });
    }
    if (m_w.TBMultMode)
        connect(m_w.TBMultMode, &QAction::triggered, this, [this] { emit layoutMenuWanted(); });
    if (m_w.MMultMode)
        connect(m_w.MMultMode, &QAction::triggered, this, [this] { emit layoutMenuWanted(); });
    if (m_w.MMultSlide)
        connect(m_w.MMultSlide, &QMenu::aboutToShow, this, [this] { MMultSlideClick(); });
    const auto wire = [this](QAction* a, void (ThumbnailPageController::*slot)()) {
        if (a)
            connect(a, &QAction::triggered, PageView, slot);
    };
    wire(m_w.TBSelAll, &ThumbnailPageController::TBSelAllClick);
    wire(m_w.TBSelNone, &ThumbnailPageController::TBSelNoneClick);
    wire(m_w.TBSelInvert, &ThumbnailPageController::TBSelInvertClick);
    wire(m_w.MSelectAll, &ThumbnailPageController::MSelectAllClick);
    wire(m_w.MSelectNone, &ThumbnailPageController::MSelectNoneClick);
    wire(m_w.MSelectInvert, &ThumbnailPageController::MSelectInvertClick);
}

// The show buttons step, pause and continue a page show.
void ThumbnailPageSection::connectShowButtons()
{
    const auto whilePages = [this](QAction* a, auto&& f) {
        if (a)
            connect(a, &QAction::triggered, this, [this, f] {
                if (PageShowRuns())
                    f();
            });
    };
    // One page on or back by hand: the tool buttons (which the arrow keys
    // press) and their twins in the Show menu, while the button is enabled.
    const auto step = [this](QAction* button, int direction) {
        if (button && !button->isEnabled())
            return;
        PagePause();
        PageView->StepPage(direction);
    };
    whilePages(m_w.Forward1ToolButton, [step, this] { step(m_w.Forward1ToolButton, 1); });
    whilePages(m_w.PictureForward, [step, this] { step(m_w.Forward1ToolButton, 1); });
    whilePages(m_w.Backwards1ToolButton, [step, this] { step(m_w.Backwards1ToolButton, -1); });
    whilePages(m_w.PictureBackwards, [step, this] { step(m_w.Backwards1ToolButton, -1); });
    whilePages(m_w.ManualModeToolButton, [this] {
        PagePause();
        if (ShowView* const showView = m_showView.data())
            showView->SetManualMode(true);
    });
    whilePages(m_w.ShowForwardToolButton, [this] { PageContinue(1); });
    whilePages(m_w.ShowinReverseToolButton, [this] { PageContinue(-1); });
}

bool ThumbnailPageSection::PageShowRuns() const
{
    return m_session.PlaybackActive == 1 && PageView && PageView->PageShowRunning();
}

bool ThumbnailPageSection::StartPageShowIfWanted(const QList<int>& order, bool continuous)
{
    const StartContext& start = m_state.start;
    const bool requested = std::exchange(PageStartRequested, false);
    // A demo, a start with an argument, the automatic show and a
    // full-screen start play one picture at a time.
    const int layout = (start.DemoMode || start.ArgumentMode || m_session.AutoShowRunning == 1 || !requested)
                           ? 0
                           : PageLayoutFromSetting(m_state.settings.Settings.PicturesPerPageIndex);
    if (layout < 1 || !PageView)
        return false;
    PreparePageShow();
    // A page show plays continuously; with "Start in Manual mode" of the
    // thumbnail view it starts paused and is stepped by hand.
    const bool manual = m_state.settings.Settings.ThumbManualMode == 1;
    if (ShowView* const showView = m_showView.data()) {
        showView->GoShow(1);
        if (manual)
            showView->HaltShow();
        showView->SetShowPictureCount(int(order.size()));
        showView->SetManualMode(manual);
    }
    // Started paused, the show says so: the first Space then starts it.
    if (manual && m_w.StatusPanel1)
        m_w.StatusPanel1->setText(QStringLiteral("Show paused"));
    PageView->StartPageShow(order, true, layout);
    // The show buttons' tips are those of the thumbnail view.
    emit showRunningHintsWanted();
    Q_UNUSED(continuous);
    return true;
}

void ThumbnailPageSection::PreparePageShow()
{
    ShowView* const showView = m_showView.data();
    // The interval timer steps the pages.
    if (m_w.IntervalTimer) {
        m_w.IntervalTimer->stop();
        if (showView)
            disconnect(m_w.IntervalTimer, &QTimer::timeout, showView, &ShowView::IntervalTimerTimer);
        connect(m_w.IntervalTimer, &QTimer::timeout, PageView, &ThumbnailPageController::IntervalTimerTimer,
                Qt::UniqueConnection);
    }
    // The page's colours: the scheme's eighth (thumbnail page background)
    // and ninth colour (thumbnail page controls).
    PageLook look;
    if (m_state.environment.ColorScheme[7].isValid())
        look.frame = m_state.environment.ColorScheme[7];
    if (m_state.environment.ColorScheme[8].isValid())
        look.caption = m_state.environment.ColorScheme[8];
    look.fontName = m_state.environment.UIFontName;
    PageView->SetLook(look);
    // The full view of a cell's picture comes back to the page.
    if (showView && m_watchedShowWindow != showView) {
        showView->installEventFilter(this);
        m_watchedShowWindow = showView;
    }
}

void ThumbnailPageSection::M2Click(int layout)
{
    if (PageView)
        PageView->M2Click(layout);
}

void ThumbnailPageSection::MMultSlideClick()
{
    const auto follow = [](QAction* item, QAction* button) {
        if (item && button)
            item->setEnabled(button->isEnabled() && button->isVisible());
    };
    follow(m_w.MMultMode, m_w.TBMultMode);
    follow(m_w.MSelectAll, m_w.TBSelAll);
    follow(m_w.MSelectNone, m_w.TBSelNone);
    follow(m_w.MSelectInvert, m_w.TBSelInvert);
    // A menu item that stays enabled while a page loads tells why nothing happens.
    if (PageView && PageView->State().PageLoading)
        for (QAction* item : {m_w.MSelectAll, m_w.MSelectNone, m_w.MSelectInvert})
            if (item)
                item->setEnabled(true);
    emit menuMeasureWanted(m_w.MMultSlide);
}

void ThumbnailPageSection::PagePause()
{
    if (!PageShowRuns())
        return;
    if (m_w.IntervalTimer)
        m_w.IntervalTimer->stop();
    if (ShowView* const showView = m_showView.data())
        showView->HoldShow();
    if (m_w.StatusPanel1)
        m_w.StatusPanel1->setText(QStringLiteral("Show paused"));
    refreshShowButtons();
}

// The show buttons follow the show's direction (the step buttons while it
// is paused, continuing while it is not advancing, ...); a page being
// loaded keeps them off until it is filled.
void ThumbnailPageSection::refreshShowButtons()
{
    if (PageView && !PageView->State().PageLoading)
        emit selectionCaptionsWanted();
}

void ThumbnailPageSection::setShowButtonsVisible(bool visible)
{
    for (QAction* a : {m_w.ToolButton2, m_w.ShowinReverseToolButton, m_w.ShowForwardToolButton,
                       m_w.ManualModeToolButton, m_w.Backwards1ToolButton, m_w.Forward1ToolButton,
                       m_w.FullScreenToolButton3})
        if (a)
            a->setVisible(visible);
    // The pages' show goes on full screen from the selected picture ('F').
    if (m_w.FullScreenToolButton3)
        m_w.FullScreenToolButton3->setEnabled(visible);
}

void ThumbnailPageSection::PageContinue(int direction)
{
    TShowState& ShowState = m_session.ShowState;
    if (!PageShowRuns() || PageView->State().PageHoldsAllPictures(m_session.PictureCount))
        return;
    if (ShowView* const showView = m_showView.data()) {
        showView->SetManualMode(false);
        showView->GoShow(direction);
    }
    if (m_w.StatusPanel1)
        m_w.StatusPanel1->clear();
    if (m_w.IntervalTimer && !PageView->State().PageLoading) {
        m_w.IntervalTimer->setInterval(NextIntervalMs(ShowState.CurrentInterval, 0));
        m_w.IntervalTimer->start();
    }
    refreshShowButtons();
}

void ThumbnailPageSection::PageTogglePause()
{
    if (!PageShowRuns())
        return;
    if (m_session.ShowState.Direction != 0)
        PagePause();
    else
        PageContinue(m_session.ShowState.LastDirection);
}

bool ThumbnailPageSection::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_w.ClientArea && event->type() == QEvent::Resize && PageBackdrop && PageBackdrop->isVisible())
        placeBackdrop();
    // (qobject_cast first: a window being destroyed hides itself and is no
    // longer a ShowView.)
    if (event->type() == QEvent::Hide && qobject_cast<ShowView*>(watched) && watched == m_showView.data() && PageView
        && PageView->ReturnToPagePending())
        QTimer::singleShot(0, this, [this] {
            if (PageView)
                PageView->FullViewEnded();
        });
    return false;
}

void ThumbnailPageSection::SetShowView(ShowView* window) { m_showView = window; }
void ThumbnailPageSection::SetShowManager(ShowManagerWindow* window) { m_showManager = window; }

void ThumbnailPageSection::placeBackdrop()
{
    const int top = ToolBarHeight();
    PageBackdrop->setGeometry(0, top, m_w.ClientArea->width(), std::max(0, m_w.ClientArea->height() - top));
}

// ---- ThumbnailPageHost ----

QWidget* ThumbnailPageSection::PageParent()
{
    // The page area holds the cells: hidden while they are made and shown
    // with them in one step. A widget shown on its own in a visible window
    // asks the display where the pointer is, 77 times for a page.
    if (!PageBackdrop) {
        PageBackdrop = new QWidget(m_w.ClientArea);
        PageBackdrop->setObjectName(QStringLiteral("PageBackdrop"));
        PageBackdrop->setAutoFillBackground(true);
        PageBackdrop->hide();
    }
    return PageBackdrop;
}
int ThumbnailPageSection::ToolBarHeight() const { return m_w.ToolBar1 ? m_w.ToolBar1->height() : 0; }
QSize ThumbnailPageSection::ClientAreaBelowToolBar() const
{
    const QSize c = m_w.ClientArea ? m_w.ClientArea->size() : QSize();
    return QSize(c.width(), std::max(0, c.height() - ToolBarHeight()));
}
ThumbFill ThumbnailPageSection::FillOrder() const { return ThumbFillFromSetting(m_state.settings.Settings.ThumbFillMode); }
int ThumbnailPageSection::EnlargeLimit() const { return m_session.ShowState.EnlargeLimit; }
ThumbnailOptions ThumbnailPageSection::ThumbOptions() const
{
    return CurrentThumbnailOptions(m_state.settings, m_state.start.DemoMode != 0);
}
// Pictures deleted or moved during the page show leave its play order.
int ThumbnailPageSection::PictureTotal() const
{
    return PageView && PageView->PageShowRunning() ? PageView->PicturesLeft() : m_session.PictureCount;
}
QString ThumbnailPageSection::PicturePath(int index) const
{
    return index >= 0 && index < m_session.PictureCount && index < int(m_session.PictureTable.size())
               ? m_session.PictureTable[size_t(index)].FullPath
               : QString();
}
void ThumbnailPageSection::SetPictureIndex(int index)
{
    if (ShowView* const showView = m_showView.data())
        showView->SetShowPicture(index, PageView ? PageView->Cursor().ShownNumber() : 0);
}
void ThumbnailPageSection::PauseShow() { emit pauseWanted(); }
void ThumbnailPageSection::TogglePause() { PageTogglePause(); }
bool ThumbnailPageSection::InManualMode() const { return m_manualMode(); }
bool ThumbnailPageSection::ShowShown() const { return m_session.PlaybackActive == 1; }
void ThumbnailPageSection::StoreLayoutChoice(int layout) { m_state.settings.Settings.PicturesPerPageIndex = QString::number(layout); }
void ThumbnailPageSection::SetWindowCaption(const QString& caption) { m_w.Window->setWindowTitle(caption); }
void ThumbnailPageSection::SetSelectionMenuCaptions(const SelectionCells&, bool)
{
    emit selectionCaptionsWanted();
    const bool usable = PageView && PageView->State().SelectionCommandsEnabled();
    for (QAction* a : {m_w.TBSelAll, m_w.TBSelNone, m_w.TBSelInvert, m_w.TBMultMode})
        if (a)
            a->setEnabled(usable);
}
void ThumbnailPageSection::SetSelectionButtonsVisible(bool visible)
{
    for (QAction* a : {m_w.TBSelAll, m_w.TBSelNone, m_w.TBSelInvert, m_w.TBMultMode})
        if (a)
            a->setVisible(visible);
}
void ThumbnailPageSection::SetCurrentPicturePath(const QString& path) { m_display.CurrentPicturePath = path; }
void ThumbnailPageSection::ShowPagePopup(QPoint globalPos)
{
    if (m_w.RightClickTreeView)
        m_w.RightClickTreeView->popup(globalPos);
}
void ThumbnailPageSection::ShowPictureFull(const QString& path) { emit fullViewRequested(path); }
QString ThumbnailPageSection::PictureInfoText(const QString& path) const { return ::PictureInfoText(path); }

void ThumbnailPageSection::ShowPageArea(bool shown)
{
    PageParent();
    if (shown) {
        m_w.ClientArea->installEventFilter(this);
        placeBackdrop();
        PageBackdrop->show();
        PageBackdrop->raise();
        if (m_w.MMultSlide)
            m_w.MMultSlide->menuAction()->setVisible(true);
        setShowButtonsVisible(true);
    } else {
        setShowButtonsVisible(false);
        m_w.ClientArea->removeEventFilter(this);
        PageBackdrop->hide();
        if (PageBar)
            PageBar->hide();
        if (m_w.MMultSlide)
            m_w.MMultSlide->menuAction()->setVisible(false);
    }
}

void ThumbnailPageSection::ReturnToSingleDisplay(int picture)
{
    // The show goes on full screen, one picture at a time, at the page's
    // first picture in the same play order, paused.
    ShowView* const showView = m_showView.data();
    if (!showView || !PageView)
        return;
    const QList<int> order = PageView->Cursor().order;
    const int at = std::max(0, int(order.indexOf(picture)));
    const bool continuous = PageView->Cursor().continuous;
    if (m_w.IntervalTimer) {
        m_w.IntervalTimer->stop();
        QObject::disconnect(m_w.IntervalTimer, &QTimer::timeout, PageView,
                            &ThumbnailPageController::IntervalTimerTimer);
        QObject::connect(m_w.IntervalTimer, &QTimer::timeout, showView, &ShowView::IntervalTimerTimer,
                         Qt::UniqueConnection);
    }
    QPointer<ThumbnailPageSection> self(this);
    showView->PlayFrom(order, continuous, [self] {
        if (self)
            emit self->showEndWanted();
    }, at, true);
    emit showRunningHintsWanted();
}

bool ThumbnailPageSection::LeaveSingleDisplay(QList<int>& order, int& position)
{
    ShowView* const showView = m_showView.data();
    if (!showView || !showView->isVisible() || !showView->ShowPlaying() || m_session.FullViewActive == 1)
        return false;
    order = showView->PlayOrder();
    position = std::max(0, showView->CurrentPosition());
    // The cut-out or zoom of the full-screen picture goes with its window.
    m_session.CutOutCount = 0;
    m_session.ZoomFactor = 0;
    showView->HandOverShow();
    PreparePageShow();
    m_w.Window->show();
    m_w.Window->raise();
    m_w.Window->activateWindow();
    return true;
}

void ThumbnailPageSection::PageViewEntered() { emit showRunningHintsWanted(); }

void ThumbnailPageSection::PageLayoutApplied()
{
    // The show list window's automatic advance follows its setting.
    ShowManagerWindow* const Form16 = m_showManager.data();
    if (Form16 && Form16->isVisible() && Form16->AutoAdvanceCB) {
        Form16->AutoAdvanceCB->setChecked(m_state.settings.Settings.SyncAutoAdvance == 1);
        Form16->AutoAdvanceCB->setEnabled(true);
    }
}

void ThumbnailPageSection::PageLoadStarted()
{
    // While the page is filled no step or change of direction is taken.
    for (QAction* a : {m_w.ShowinReverseToolButton, m_w.ShowForwardToolButton, m_w.ManualModeToolButton,
                       m_w.Backwards1ToolButton, m_w.Forward1ToolButton})
        if (a)
            a->setEnabled(false);
}

void ThumbnailPageSection::PageFilled(bool holdsAll)
{
    if (!holdsAll && !m_manualMode() && m_w.IntervalTimer) {
        m_w.IntervalTimer->setInterval(NextIntervalMs(m_session.ShowState.CurrentInterval, 0));
        m_w.IntervalTimer->start();
    }
}

void ThumbnailPageSection::EndShow()
{
    QPointer<ThumbnailPageSection> self(this);
    QTimer::singleShot(0, this, [self] {
        if (self)
            emit self->showEndWanted();
    });
}

PagePositionBarInput ThumbnailPageSection::PositionBarSizes() const
{
    QWidget* const window = m_w.Window;
    PagePositionBarInput in;
    in.statusBarHeight = m_w.StatusBar1 ? m_w.StatusBar1->height() : 0;
    in.clientWidth = window->width();
    in.screenWidth = window->screen() ? window->screen()->geometry().width() : window->width();
    in.panelWidth = window->width() - 4 * (window->width() / 5);
    in.percentTextWidth = window->fontMetrics().horizontalAdvance(QStringLiteral(" 100%"));
    in.maximizedLayout = m_layout.MaximizedLayout == 1;
    return in;
}

void ThumbnailPageSection::DrawPositionBar(const PagePositionBar& bar)
{
    if (!m_w.StatusBar1)
        return;
    if (!PageBar)
        PageBar = new PagePositionBarWidget(m_w.StatusBar1);
    const int x = 4 * (m_w.Window->width() / 5);
    PageBar->setGeometry(x, 0, m_w.StatusBar1->width() - x, m_w.StatusBar1->height());
    PageBar->SetBar(bar, x);
    PageBar->show();
    PageBar->raise();
}

bool ThumbnailPageSection::StopPending() const { return m_session.PlaybackActive != 1; }
bool ThumbnailPageSection::WheelZoomed() const { return m_session.ZoomFactor >= 1; }
void ThumbnailPageSection::ResetWheelZoom() { m_session.ZoomFactor = 0; }
