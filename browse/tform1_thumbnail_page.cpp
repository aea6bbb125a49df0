// The thumbnail view on the assembled main window: the host the page
// controller works through, the page show's start, pause and steps, the
// layout menu and the view's menu items.
#include "app/tform1.h"

#include "base/environment.h"
#include "app/menu_style.h"
#include "base/picture_table.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "browse/external_programs.h"
#include "browse/fit_zoom.h"
#include "browse/page_layouts.h"
#include "browse/picture_display.h"
#include "browse/picture_display_section.h"
#include "browse/picture_info.h"
#include "browse/thumbnail_page_controller.h"
#include "platform/prompt.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

class TForm1PageHost : public QObject, public ThumbnailPageHost {
public:
    explicit TForm1PageHost(TForm1* form) : QObject(form), f(form) {}

    QWidget* PageParent() override { return f->ClientArea; }
    int ToolBarHeight() const override { return f->ToolBar1 ? f->ToolBar1->height() : 0; }
    QSize ClientAreaBelowToolBar() const override
    {
        const QSize c = f->ClientArea ? f->ClientArea->size() : QSize();
        return QSize(c.width(), std::max(0, c.height() - ToolBarHeight()));
    }
    ThumbFill FillOrder() const override { return ThumbFillFromSetting(f->state().settings.Settings.ThumbFillMode); }
    int EnlargeLimit() const override { return f->state().session.ShowState.EnlargeLimit; }
    ThumbnailOptions ThumbOptions() const override
    {
        return CurrentThumbnailOptions(f->state().settings, f->state().start.DemoMode != 0);
    }
    // Pictures deleted or moved during the page show leave its play order.
    int PictureTotal() const override
    {
        return f->PageView && f->PageView->PageShowRunning() ? f->PageView->PicturesLeft() : f->state().session.PictureCount;
    }
    QString PicturePath(int index) const override
    {
        return index >= 0 && index < f->state().session.PictureCount && index < int(f->state().session.PictureTable.size())
                   ? f->state().session.PictureTable[size_t(index)].FullPath
                   : QString();
    }
    void SetPictureIndex(int index) override
    {
        f->state().session.PictureIndex = index;
        f->state().session.ShowState.ShownNumber = f->PageView ? f->PageView->Cursor().ShownNumber() : 0;
    }
    void PauseShow() override { f->PauseShow(); }
    void TogglePause() override { f->PageTogglePause(); }
    bool InManualMode() const override { return f->InManualMode(); }
    bool ShowShown() const override { return f->state().session.PlaybackActive == 1; }
    void StoreLayoutChoice(int layout) override { f->state().settings.Settings.PicturesPerPageIndex = QString::number(layout); }
    void SetWindowCaption(const QString& caption) override { f->setWindowTitle(caption); }
    void SetSelectionMenuCaptions(const SelectionCells&, bool) override
    {
        f->SetSelectionMenuCaptions();
        const bool usable = f->PageView && f->PageView->State().SelectionCommandsEnabled();
        for (QAction* a : {f->TBSelAll, f->TBSelNone, f->TBSelInvert, f->TBMultMode})
            if (a)
                a->setEnabled(usable);
    }
    void SetSelectionButtonsVisible(bool visible) override
    {
        for (QAction* a : {f->TBSelAll, f->TBSelNone, f->TBSelInvert, f->TBMultMode})
            if (a)
                a->setVisible(visible);
    }
    void SetCurrentPicturePath(const QString& path) override { f->pictureDisplay()->displayState().CurrentPicturePath = path; }
    void ShowPagePopup(QPoint globalPos) override
    {
        if (f->RightClickTreeView)
            f->RightClickTreeView->popup(globalPos);
    }
    void ShowPictureFull(const QString& path) override { f->ShowPictureFull(path); }
    QString PictureInfoText(const QString& path) const override { return ::PictureInfoText(path); }
    void ShowPageArea(bool shown) override
    {
        if (!f->PageBackdrop) {
            f->PageBackdrop = new QWidget(f->ClientArea);
            f->PageBackdrop->setObjectName(QStringLiteral("PageBackdrop"));
            f->PageBackdrop->setAutoFillBackground(true);
        }
        if (shown) {
            f->ClientArea->installEventFilter(this);
            placeBackdrop();
            f->PageBackdrop->show();
            f->PageBackdrop->raise();
            if (f->MMultSlide)
                f->MMultSlide->menuAction()->setVisible(true);
        } else {
            f->ClientArea->removeEventFilter(this);
            f->PageBackdrop->hide();
            if (f->PageBar)
                f->PageBar->hide();
            if (f->MMultSlide)
                f->MMultSlide->menuAction()->setVisible(false);
        }
    }
    void ReturnToSingleDisplay(int picture) override
    {
        // The show goes on full screen, one picture at a time, at the page's
        // first picture in the same play order, paused.
        TForm9* const Form9 = f->showWindow();
        if (!Form9 || !f->PageView)
            return;
        const QList<int> order = f->PageView->Cursor().order;
        const int at = std::max(0, int(order.indexOf(picture)));
        const bool continuous = f->PageView->Cursor().continuous;
        if (f->IntervalTimer) {
            f->IntervalTimer->stop();
            QObject::disconnect(f->IntervalTimer, &QTimer::timeout, f->PageView,
                                &ThumbnailPageController::IntervalTimerTimer);
            QObject::connect(f->IntervalTimer, &QTimer::timeout, Form9, &TForm9::IntervalTimerTimer,
                             Qt::UniqueConnection);
        }
        QPointer<TForm1> self(f);
        Form9->PlayFrom(order, continuous, [self] {
            if (self)
                self->EndShow();
        }, at, true);
        f->layouts()->SetShowRunningHints();
    }
    bool LeaveSingleDisplay(QList<int>& order, int& position) override
    {
        TForm9* const Form9 = f->showWindow();
        if (!Form9 || !Form9->isVisible() || !Form9->ShowPlaying() || f->state().session.FullViewActive == 1)
            return false;
        order = Form9->PlayOrder();
        position = std::max(0, Form9->CurrentPosition());
        // The cut-out or zoom of the full-screen picture goes with its window.
        f->state().session.CutOutCount = 0;
        f->state().session.ZoomFactor = 0;
        Form9->HandOverShow();
        f->PreparePageShow();
        f->show();
        f->raise();
        f->activateWindow();
        return true;
    }
    void PageViewEntered() override { f->layouts()->SetShowRunningHints(); }
    void PageFilled(bool holdsAll) override
    {
        f->state().session.ShowState.StepReentry = 0;
        if (!holdsAll && !f->InManualMode() && f->IntervalTimer) {
            f->IntervalTimer->setInterval(NextIntervalMs(f->state().session.ShowState.CurrentInterval, 0));
            f->IntervalTimer->start();
        }
    }
    void EndShow() override
    {
        QPointer<TForm1> self(f);
        QTimer::singleShot(0, f, [self] {
            if (self)
                self->EndShow();
        });
    }
    PagePositionBarInput PositionBarSizes() const override
    {
        PagePositionBarInput in;
        in.statusBarHeight = f->StatusBar1 ? f->StatusBar1->height() : 0;
        in.clientWidth = f->width();
        in.screenWidth = f->screen() ? f->screen()->geometry().width() : f->width();
        in.panelWidth = f->width() - 4 * (f->width() / 5);
        in.percentTextWidth = f->fontMetrics().horizontalAdvance(QStringLiteral(" 100%"));
        in.maximizedLayout = f->layouts()->layoutState().MaximizedLayout == 1;
        return in;
    }
    void DrawPositionBar(const PagePositionBar& bar) override
    {
        if (!f->StatusBar1)
            return;
        if (!f->PageBar)
            f->PageBar = new PagePositionBarWidget(f->StatusBar1);
        const int x = 4 * (f->width() / 5);
        f->PageBar->setGeometry(x, 0, f->StatusBar1->width() - x, f->StatusBar1->height());
        f->PageBar->SetBar(bar, x);
        f->PageBar->show();
        f->PageBar->raise();
    }
    bool StopPending() const override { return f->state().session.PlaybackActive != 1; }
    bool WheelZoomed() const override { return f->state().session.ZoomFactor >= 1; }
    void ResetWheelZoom() override { f->state().session.ZoomFactor = 0; }

    // The backdrop follows the client area while the page is shown.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == f->ClientArea && event->type() == QEvent::Resize && f->PageBackdrop
            && f->PageBackdrop->isVisible())
            placeBackdrop();
        return false;
    }

private:
    void placeBackdrop()
    {
        const int top = ToolBarHeight();
        f->PageBackdrop->setGeometry(0, top, f->ClientArea->width(), std::max(0, f->ClientArea->height() - top));
    }

    TForm1* f;
};

// The full view of a cell's picture ends when the full-screen window hides.
class PageFullViewWatch : public QObject {
public:
    explicit PageFullViewWatch(TForm1* form) : QObject(form), form_(form) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && watched == form_->showWindow() && form_->PageView
            && form_->PageView->ReturnToPagePending())
            QTimer::singleShot(0, form_, [f = QPointer<TForm1>(form_)] {
                if (f && f->PageView)
                    f->PageView->FullViewEnded();
            });
        return false;
    }

private:
    TForm1* form_;
};

} // namespace

void TForm1::InstallThumbnailPage()
{
    auto* host = new TForm1PageHost(this);
    m_pageHost = host;
    PageView = new ThumbnailPageController(*host, PageLook(), this);
    PageView->setObjectName(QStringLiteral("ThumbnailPageController"));
    PageView->ShowStepDirection = [this] { return m_state.session.ShowState.Direction < 0 ? -1 : 1; };

    // What the picture commands and the display step read of the page.
    QPointer<TForm1> self(this);
    PageProgramHooks& page = PageHooks();
    page.ThumbnailViewActive = [self] { return self && self->PageView && self->PageView->ThumbnailViewActive(); };
    page.TickedPictures = [self] { return self && self->PageView ? self->PageView->TickedPictures() : QStringList(); };
    page.CurrentSlotPicture = [self] {
        if (!self || !self->PageView)
            return QString();
        const int slot = self->PageView->SelectedSlot();
        return slot >= 0 ? self->PageView->State().cell(slot).path : QString();
    };
    page.Untick = [self](const QString& path) {
        if (!self || !self->PageView)
            return;
        const PageState& st = self->PageView->State();
        for (int i = 0; i < st.count(); ++i)
            if (st.cell(i).ticked && st.cell(i).path == path)
                self->PageView->PageCheckBoxClick(i, false);
    };
    page.ReloadPagePicture = [self](const QString& path) {
        if (!self || !self->PageView)
            return;
        const PageState& st = self->PageView->State();
        for (int i = 0; i < st.count(); ++i)
            if (st.cell(i).path == path)
                self->PageView->ReloadPagePicture(i, path);
    };
    page.DrawPagePositionBar = [self] {
        if (self && self->PageView)
            self->PageView->DrawPagePositionBar();
    };
    DisplayHooks().PageSlotCount = [self] {
        return self && self->PageView && self->PageView->ThumbnailViewActive() ? self->PageView->State().count() : 0;
    };
    DisplayHooks().ThumbnailStep = [self] {
        if (self && self->PageView)
            self->PageView->LoadPicturePage(0);
    };

    // The layout menu and the view's menu items.
    for (QAction* item : MultiItems) {
        if (!item)
            continue;
        const int layout = PageLayoutOfMenuItem(item->objectName());
        connect(item, &QAction::triggered, this, [this, layout] { M2Click(layout); });
    }
    connect(TBMultMode, &QAction::triggered, this, [this] { layouts()->TBNrOfThumbsClick(false); });
    connect(MMultMode, &QAction::triggered, this, [this] {
        if (MultiPop)
            MultiPop->popup(QPoint(100, 48));
    });
    connect(MMultSlide, &QMenu::aboutToShow, this, [this] { MMultSlideClick(); });
    connect(TBSelAll, &QAction::triggered, PageView, &ThumbnailPageController::TBSelAllClick);
    connect(TBSelNone, &QAction::triggered, PageView, &ThumbnailPageController::TBSelNoneClick);
    connect(TBSelInvert, &QAction::triggered, PageView, &ThumbnailPageController::TBSelInvertClick);
    connect(MSelectAll, &QAction::triggered, PageView, &ThumbnailPageController::MSelectAllClick);
    connect(MSelectNone, &QAction::triggered, PageView, &ThumbnailPageController::MSelectNoneClick);
    connect(MSelectInvert, &QAction::triggered, PageView, &ThumbnailPageController::MSelectInvertClick);

    // The show buttons step, pause and continue a page show.
    const auto whilePages = [this](QAction* a, auto&& f) {
        if (a)
            connect(a, &QAction::triggered, this, [this, f] {
                if (PageShowRuns())
                    f();
            });
    };
    whilePages(Forward1ToolButton, [this] { PagePause(); PageView->StepPage(1); });
    whilePages(Backwards1ToolButton, [this] { PagePause(); PageView->StepPage(-1); });
    whilePages(ManualModeToolButton, [this] {
        PagePause();
        m_state.session.ShowState.ManualMode = true;
    });
    whilePages(ShowForwardToolButton, [this] { PageContinue(1); });
    whilePages(ShowinReverseToolButton, [this] { PageContinue(-1); });
}

bool TForm1::PageShowRuns() const
{
    return m_state.session.PlaybackActive == 1 && PageView && PageView->PageShowRunning();
}

bool TForm1::StartPageShowIfWanted(const QList<int>& order, bool continuous)
{
    TShowState& ShowState = m_state.session.ShowState;
    const bool requested = std::exchange(PageStartRequested, false);
    // A demo, a start with an argument, the automatic show and a
    // full-screen start play one picture at a time.
    const int layout = (state().start.DemoMode || state().start.ArgumentMode || m_state.session.AutoShowRunning == 1 || !requested)
                           ? 0
                           : PageLayoutFromSetting(state().settings.Settings.PicturesPerPageIndex);
    if (layout < 1 || !PageView)
        return false;
    PreparePageShow();
    // A page show plays continuously.
    ShowState.Direction = 1;
    ShowState.LastDirection = 1;
    ShowState.PictureCount = int32_t(order.size());
    ShowState.ManualMode = false;
    PageView->StartPageShow(order, true, layout);
    Q_UNUSED(continuous);
    return true;
}

void TForm1::PreparePageShow()
{
    TForm9* const Form9 = m_showWindow;
    // The interval timer steps the pages.
    if (IntervalTimer) {
        IntervalTimer->stop();
        if (Form9)
            disconnect(IntervalTimer, &QTimer::timeout, Form9, &TForm9::IntervalTimerTimer);
        connect(IntervalTimer, &QTimer::timeout, PageView, &ThumbnailPageController::IntervalTimerTimer,
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
    if (Form9) {
        static const QString watchName = QStringLiteral("PageFullViewWatch");
        if (!findChild<QObject*>(watchName, Qt::FindDirectChildrenOnly)) {
            auto* watch = new PageFullViewWatch(this);
            watch->setObjectName(watchName);
            Form9->installEventFilter(watch);
        }
    }
}

void TForm1::M2Click(int layout)
{
    if (PageView)
        PageView->M2Click(layout);
}

void TForm1::MMultSlideClick()
{
    const auto follow = [](QAction* item, QAction* button) {
        if (item && button)
            item->setEnabled(button->isEnabled() && button->isVisible());
    };
    follow(MMultMode, TBMultMode);
    follow(MSelectAll, TBSelAll);
    follow(MSelectNone, TBSelNone);
    follow(MSelectInvert, TBSelInvert);
    // A menu item that stays enabled while a page loads tells why nothing happens.
    if (PageView && PageView->State().PageLoading)
        for (QAction* item : {MSelectAll, MSelectNone, MSelectInvert})
            if (item)
                item->setEnabled(true);
    MeasureMenu(MMultSlide);
}

void TForm1::PagePause()
{
    TShowState& ShowState = m_state.session.ShowState;
    if (!PageShowRuns())
        return;
    if (IntervalTimer)
        IntervalTimer->stop();
    if (ShowState.Direction != 0)
        ShowState.LastDirection = ShowState.Direction;
    ShowState.Direction = 0;
    if (StatusPanel1)
        StatusPanel1->setText(QStringLiteral("Show paused"));
}

void TForm1::PageContinue(int direction)
{
    TShowState& ShowState = m_state.session.ShowState;
    if (!PageShowRuns() || PageView->State().PageHoldsAllPictures(m_state.session.PictureCount))
        return;
    ShowState.ManualMode = false;
    ShowState.Direction = direction < 0 ? -1 : 1;
    ShowState.LastDirection = ShowState.Direction;
    if (StatusPanel1)
        StatusPanel1->clear();
    if (IntervalTimer && !PageView->State().PageLoading) {
        IntervalTimer->setInterval(NextIntervalMs(ShowState.CurrentInterval, 0));
        IntervalTimer->start();
    }
}

void TForm1::PageTogglePause()
{
    if (!PageShowRuns())
        return;
    if (m_state.session.ShowState.Direction != 0)
        PagePause();
    else
        PageContinue(m_state.session.ShowState.LastDirection);
}
