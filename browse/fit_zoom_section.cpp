// The main window's fitting, zooming and crop-and-enlarge section: the
// handler of Image1, the full view and the custom ratio panel.
#include "browse/fit_zoom_section.h"

#include "browse/crop_ratio_panel.h"
#include "browse/fit_zoom_handler.h"
#include "browse/picture_display.h"
#include "browse/picture_display_view.h"
#include "browse/picture_info.h"
#include "platform/dos_date.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "base/data_paths.h"
#include "base/play_options.h"
#include "base/picture_table.h"
#include "base/program_state.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "platform/prompt.h"
#include "browse/show_view.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// The window title and the full-screen title of the picture in the full
// view: its name or path and its date (taken, else the file's).
void showFullViewStatus(QWidget* window, ShowView* showView, const QString& path, const TPlayOptions& PlayOptions)
{
    const QFileInfo info(path);
    const int32_t fileDate = int32_t(platform::FileDosDate(path));
    const int32_t packed = ExifDateAsFileDate(path, fileDate);
    const double days = packed ? platform::DateTimeToDays(platform::DosToDateTime(platform::DosDateTime(packed))) : 0;
    const QString dateText = StatusDateText(days);
    window->setWindowTitle(info.fileName() + QStringLiteral("  - ") + dateText);
    if (!showView)
        return;
    showView->SetTitle(path + QStringLiteral("  - ") + dateText, showView->size());
    showView->SetTitleShown(PlayOptions.ShowTitles == 1, true);
}

// When the full-screen window closes after a full view, the main window
// shows the browse view again.
class FullViewEndWatch : public QObject {
public:
    FullViewEndWatch(QWidget* window, FitZoomSection& section, const QPointer<ShowView>& showView,
                     const ShowSession& session)
        : QObject(window), section_(section), showView_(showView), session_(session)
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // (qobject_cast first: the window hides itself while it is destroyed,
        // when it is no longer a ShowView.)
        if (event->type() == QEvent::Hide && qobject_cast<ShowView*>(watched) && watched == showView_.data()
            && armed) {
            armed = false;
            if (session_.PlaybackActive != 1)
                emit section_.browseViewWanted();
        }
        return false;
    }
    bool armed = false;

private:
    FitZoomSection& section_;
    const QPointer<ShowView>& showView_;
    const ShowSession& session_;
};

void watchFullViewEnd(QWidget* window, FitZoomSection& section, const QPointer<ShowView>& showView,
                      const ShowSession& session)
{
    static const QString name = QStringLiteral("FullViewEndWatch");
    auto* watch = static_cast<FullViewEndWatch*>(window->findChild<QObject*>(name, Qt::FindDirectChildrenOnly));
    if (!watch) {
        watch = new FullViewEndWatch(window, section, showView, session);
        watch->setObjectName(name);
    }
    showView->installEventFilter(watch);   // (once per window: installing again only moves it first)
    watch->armed = true;
}

} // namespace

FitZoomSection::FitZoomSection(const FitZoomWidgets& widgets, SettingsStore& settings, const DataPaths& paths,
                               const StartContext& start, ShowSession& session)
    : m_session(session), m_settings(settings), m_paths(paths), m_start(start), m_w(widgets)
{
    setParent(m_w.Window);
}

FitZoomSection::~FitZoomSection() = default;

void FitZoomSection::SetShowView(ShowView* window) { m_showView = window; }

void FitZoomSection::SetPictureArea(const QRect& area)
{
    m_pictureArea = area;
    if (m_image1FitZoom)
        m_image1FitZoom->LayoutArea = area;
}

// With the full-screen window at hand, the full view opens there (the
// picture loaded into "form9im1" and fitted to the screen); `done` follows
// when the picture is shown or failed, with the kind of the load failure.
void FitZoomSection::StartFullView(const QString& path, bool fromThumbnailView,
                                   std::function<void(const QString& failure)> done)
{
    ShowView* const showView = m_showView.data();
    if (!showView) {
        if (done)
            done(QString());
        return;
    }
    // The titles describe the picture of the full view (never the last
    // picture of a show played before).
    disconnect(showView, &ShowView::cutOutShown, nullptr, nullptr);
    connect(showView, &ShowView::cutOutShown, this, [this, path] {
        emit menuCaptionsWanted();
        showFullViewStatus(m_w.Window, m_showView.data(), path, m_session.PlayOptions);
    });
    const QString editProgram = m_settings.Settings.EditPrograms[0];
    showView->SetEditButtonEnabled(!editProgram.isEmpty() && QFile::exists(editProgram));
    watchFullViewEnd(m_w.Window, *this, m_showView, m_session);
    QPointer<ShowView> window(showView);
    showView->StartFullView(path, fromThumbnailView, [this, window, path, done](const QString& failure) {
        if (window && window->isVisible())
            showFullViewStatus(m_w.Window, window, path, m_session.PlayOptions);
        if (done)
            done(failure);
    });
}

// The window's answers to Image1's handler: without the full-screen window
// the full view is shown in Image1 and closed by a click on it; the
// readout's timer, the hint panel and the text labels are the window's
// when it has them.
void FitZoomSection::ConnectImage1FitZoom(FitZoomHandler* handler)
{
    connect(handler, &FitZoomHandler::mouseButtonChanged, this, [this](bool down) { emit mouseButtonChanged(down); });
    connect(handler, &FitZoomHandler::fullViewClicked, this, [this] {
        m_session.FullViewActive = 0;
        m_session.CutOutCount = 0;
        if (m_w.Image1)
            m_w.Image1->hide();
    });
    connect(handler, &FitZoomHandler::pauseHintWanted, this, [this](const QString& text) {
        auto* panel = m_w.Window->findChild<QWidget*>(QStringLiteral("HintPanel"));
        auto* label = m_w.Window->findChild<QLabel*>(QStringLiteral("HintLabel"));
        if (!panel || !label)
            return;
        label->setText(text);
        label->adjustSize();
        panel->resize(label->width() + 20, label->height() + 10);
        if (QWidget* parent = panel->parentWidget())
            panel->move((parent->width() - panel->width()) / 2, (parent->height() - panel->height()) / 2);
        panel->show();
        panel->raise();
    });
    connect(handler, &FitZoomHandler::readoutShown, this, [this] {
        if (auto* timer = m_w.Window->findChild<QTimer*>(QStringLiteral("SpeedTimer")))
            timer->stop();
    });
    connect(handler, &FitZoomHandler::cutOutMade, this, [this] {
        for (int i = 0; i < 5; ++i)
            if (auto* label = m_w.Window->findChild<QLabel*>(QStringLiteral("TextLabel%1").arg(i)))
                label->hide();
    });
}

FitZoomHandler* FitZoomSection::Image1FitZoom()
{
    if (!m_image1FitZoom) {
        // Image1 shows slot "form1im1" through a picture view; attach one
        // when the picture display has not done so yet.
        if (m_w.Image1 && !m_w.Image1->findChild<PictureView*>())
            AttachPictureView(m_w.Image1, m_slot);
        m_image1FitZoom = new FitZoomHandler(m_session, m_settings, m_paths, m_start, m_w.Image1,
                                             m_slot, m_w.Window);
        m_image1FitZoom->LayoutArea = m_pictureArea;
        m_image1FitZoom->SpeedLabel = m_w.Window->findChild<QLabel*>(QStringLiteral("SpeedLabel"));
        m_image1FitZoom->BlockingPanel = m_customRatio;
        ConnectImage1FitZoom(m_image1FitZoom);
    }
    return m_image1FitZoom;
}

CustomRatioPanel* FitZoomSection::CustomRatio()
{
    if (!m_customRatio) {
        m_customRatio = new CustomRatioPanel(m_settings.Settings, m_w.ClientArea ? m_w.ClientArea : m_w.Window);
        if (m_image1FitZoom)
            m_image1FitZoom->BlockingPanel = m_customRatio;
        connect(m_customRatio, &CustomRatioPanel::windowCommandsEnabled, this, [this](bool enabled) {
            if (m_w.ToolBar1)
                m_w.ToolBar1->setEnabled(enabled);
            // Every title of the menu bar, on either of its rows.
            if (m_w.MainMenu1) {
                QWidget* rows = m_w.MainMenu1->parentWidget();
                const QList<QMenuBar*> bars = rows ? rows->findChildren<QMenuBar*>() : QList<QMenuBar*>{m_w.MainMenu1};
                for (QMenuBar* bar : bars)
                    for (QAction* item : bar->actions())
                        item->setEnabled(enabled);
            }
        });
    }
    return m_customRatio;
}

namespace {

bool fullScreenShown(const ShowView* showView) { return showView && showView->isVisible(); }

} // namespace

void FitZoomSection::SizePictureToDisplay(bool toggle)
{
    ShowView* const showView = m_showView.data();
    // In the full-screen window the picture went into the image that the
    // active-image byte names.
    if (fullScreenShown(showView))
        showView->ReceivingFitZoom()->SizePictureToDisplay(toggle);
    else
        Image1FitZoom()->SizePictureToDisplay(toggle);
}

void FitZoomSection::WheelZoomPicture(int step)
{
    ShowView* const showView = m_showView.data();
    // The full-screen window zooms the image shown now.
    if (fullScreenShown(showView))
        showView->ShownFitZoom()->WheelZoomPicture(step);
    else
        Image1FitZoom()->WheelZoomPicture(step);
}

void FitZoomSection::ShowPictureFull(const QString& path)
{
    showPictureFull(path, false);
}

void FitZoomSection::ShowPageCellFull(const QString& path)
{
    showPictureFull(path, true);
}

void FitZoomSection::showPictureFull(const QString& path, bool fromThumbnailView)
{
    ShowView* const showView = m_showView.data();
    FitZoomHandler* handler = Image1FitZoom();
    m_session.CutOutCount = 0;
    m_session.ZoomFactor = 0;
    m_session.FullViewActive = 1;
    handler->CropPath = path;
    if (showView)
        showView->HaltShow();
    m_session.AutoShowRunning = 0;
    emit showOptionsWanted();
    // The full view's end follows the picture's arrival (or failure).
    const auto done = [this, path](const QString& failure) {
        if (failure.isEmpty())
            return;
        m_session.FullViewActive = 0;
        platform::showMessage(platform::PromptKind::Error,
                              QStringLiteral("Open error, ") + path + QStringLiteral(" can not be shown!"));
    };
    if (showView) {
        StartFullView(path, fromThumbnailView, done);
    } else {
        const quint64 ticket = RequestPictureForSlot(path, m_slot);
        if (!ticket) {
            handler->SizePictureToDisplay(false);
            return;
        }
        WhenSlotAnswers(m_slot, ticket, this, [handler, done](const LoadOutcome& outcome) {
            if (!outcome)
                handler->SizePictureToDisplay(false);
            done(outcome ? LoadFailureName(outcome->kind) : QString());
        });
    }
}

void FitZoomSection::ShowCustomRatioPanel()
{
    CustomRatio()->ShowPanel();
}
