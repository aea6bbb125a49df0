#include "browse/fit_zoom_handler.h"

#include "base/data_folder.h"
#include "base/data_paths.h"
#include "base/settings_store.h"
#include "base/show_session.h"
#include "base/start_context.h"
#include "browse/crop_band_overlay.h"
#include "browse/crop_cut_out.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "formats/picture_file.h"
#include "platform/prompt.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

using namespace fitzoom;

QRect FullScreenPictureRect(const ShowSession& session, const TAddSettingsRecord& addSettings, bool navPanelShown)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize primary = screen ? screen->size() : QSize(1024, 768);
    return QRect(QPoint(0, 0), FullScreenPictureArea(session.UseMainMonitor == 1, navPanelShown, primary,
                                                     addSettings.Mon2Width, addSettings.Mon2Height));
}

FitZoomHandler::FitZoomHandler(ShowSession& session, const SettingsStore& settings, const DataPaths& paths,
                               const StartContext& start, QWidget* image, PictureSlotModel* slot, QObject* parent)
    : QObject(parent), m_session(session), m_settings(settings), m_paths(paths), m_start(start), m_image(image),
      m_slot(slot)
{
    setObjectName(QStringLiteral("FitZoomHandler"));
    if (m_image) {
        m_designArea = m_image->geometry();
        m_image->installEventFilter(this);
        // The band is drawn over the image's window; an image without a
        // parent has no window to draw it on.
        if (m_image->parentWidget())
            m_overlay = new CropBandOverlay(m_image);
    }
}

FitZoomHandler::~FitZoomHandler()
{
    if (m_image)
        m_image->removeEventFilter(this);
}

// ---- Fitting and zoom -------------------------------------------------------

QString FitZoomHandler::cutOutFolder() const
{
    const QString folder = m_paths.CutOutFolder;
    return folder.isEmpty() ? CutOutFolderFor(DefaultDataFolder()) : folder;
}

QRect FitZoomHandler::pictureArea() const
{
    if (FullScreen)
        return FullScreenPictureRect(m_session, m_settings.AddSettings, NavPanel && NavPanel->isVisible());
    if (LayoutArea.width() > 0 && LayoutArea.height() > 0)
        return LayoutArea;
    return m_designArea;
}

int FitZoomHandler::enlargeLimit() const
{
    if (FullScreen || m_session.PlaybackActive == 1 || m_session.FullViewActive == 1)
        return int(m_session.ShowState.EnlargeLimit);
    return int(m_settings.Settings.MaxEnlargePercent);
}

int FitZoomHandler::screenWidth(const QWidget* widget) const
{
    if (FullScreen)
        return pictureArea().width();
    return widget && widget->parentWidget() ? widget->parentWidget()->width() : 0;
}

bool FitZoomHandler::handlersBlocked() const
{
    return BlockingPanel && BlockingPanel->isVisible();
}

FitInput FitZoomHandler::fitInput() const
{
    FitInput in;
    const QRect area = pictureArea();
    in.area = area.size();
    in.offset = area.topLeft();
    in.picture = (m_slot && m_slot->Loaded()) ? m_slot->PictureSize() : QSize();
    in.limitPercent = enlargeLimit();
    in.noLimit = m_session.ShowState.NoLimitOnce != 0;
    return in;
}

void FitZoomHandler::applyResult(const FitResult& r)
{
    if (!r.valid) {
        // Nothing to draw: no picture, or one without width or height.
        if (m_slot) {
            m_slot->Visible = false;
            m_slot->ImageRect = QRect();
        }
        if (m_image)
            m_image->hide();
        return;
    }
    const QRect rect(r.topLeft, r.image);
    if (m_slot) {
        m_slot->ImageRect = rect;
        m_slot->Visible = true;
        m_slot->Enabled = true;
    }
    if (m_image) {
        m_image->setGeometry(rect);
        m_image->show();
        m_image->update();
    }
}

FitResult FitZoomHandler::SizePictureToDisplay(bool toggle)
{
    // A cut-out count left over from another picture (one shown without
    // the display step that resets it) would zoom the new picture by the
    // old cut-out's factor: the image holds no cut-out, so the count is 0.
    if (m_session.CutOutCount > 0 && m_slot && m_slot->Loaded()
        && QFileInfo(m_slot->Path()).fileName() != CutOutFileName(m_session.CutOutCount))
        m_session.CutOutCount = 0;
    const FitInput in = fitInput();
    ZoomState state = ZoomStateFrom(m_session);
    const FitResult r = FitPicture(state, in);
    StoreZoomState(m_session, state);
    applyResult(r);
    m_session.ShowState.NoLimitOnce = 0;
    ShowEnlargementFactor(r.image.height(), in.picture.height());
    emit sized(toggle);
    return r;
}

FitResult FitZoomHandler::WheelZoomPicture(int step)
{
    if (m_session.CutOutCount < 1)
        return FitResult{};
    const FitInput in = fitInput();
    ZoomState state = ZoomStateFrom(m_session);
    const FitResult r = WheelZoom(state, step, in);
    StoreZoomState(m_session, state);
    applyResult(r);
    m_session.ShowState.NoLimitOnce = 0;
    ShowEnlargementFactor(r.image.height(), in.picture.height());
    emit sized(false);
    return r;
}

void FitZoomHandler::ShowEnlargementFactor(int imageHeight, int pictureHeight)
{
    QLabel* label = SpeedLabel;
    if (!label)
        return;
    if (m_session.CutOutCount != 0) {
        emit readoutShown();
        label->setText(EnlargementText(imageHeight, pictureHeight));
        label->adjustSize();
        label->move(screenWidth(label) - label->width() - ReadoutMargin, label->y());
        label->show();
        label->raise();
    } else if (label->text().startsWith(QLatin1String("Enlarge"))) {
        label->clear();
    }
}

bool FitZoomHandler::StepBackCutOut(const QString& picturePath)
{
    if (m_session.CutOutCount < 1 || !m_slot)
        return false;
    const int previous = m_session.CutOutCount - 1;
    const QString folder = cutOutFolder();
    const QString path = previous >= 1 ? CutOutFilePath(folder, previous) : picturePath;
    const FitInput in = fitInput();
    const int limit = in.noLimit ? 9999 : in.limitPercent;
    // Decoded on a worker; the step back is taken when the slot answers
    // with the picture (a file that can't be read changes nothing).
    const quint64 ticket = m_slot->Request(path, in.area, limit);
    WhenSlotAnswers(m_slot, ticket, this, [this, previous](const LoadOutcome& outcome) {
        if (outcome || !m_slot->Loaded())
            return;
        m_session.CutOutCount = previous;
        SizePictureToDisplay(false);
    });
    return true;
}

// ---- Crop --------------------------------------------------------------------

double FitZoomHandler::ratioWidth() const
{
    return m_settings.Settings.CropRatioWidth;
}

double FitZoomHandler::ratioHeight() const
{
    return m_settings.Settings.CropRatioHeight;
}

// The crop rules' view of the show. In the full-screen window a show runs
// only outside the full view, and the window itself is always visible; in
// the main window the full view is what the full-screen window shows.
CropContext FitZoomHandler::cropContext() const
{
    CropContext ctx;
    ctx.fullViewActive = m_session.FullViewActive == 1;
    ctx.showRunning = m_session.PlaybackActive == 1 && !(FullScreen && ctx.fullViewActive);
    ctx.autoShowRunning = m_session.AutoShowRunning == 1;
    const TShowState& ShowState = m_session.ShowState;
    ctx.manualMode = ctx.showRunning && (ShowState.ManualMode || ShowState.Direction == 0);
    ctx.demoMode = m_start.DemoMode == 1;
    ctx.navPanelShown = FullScreen && NavPanel && NavPanel->isVisible();
    ctx.fullScreenVisible = FullScreen || ctx.fullViewActive;
    // In a show the current entry; otherwise the picture of the full view
    // (or the one shown).
    const int32_t index = m_session.PictureIndex;
    if (ctx.showRunning && !ctx.fullViewActive && index >= 0 && index < m_session.PictureCount
        && index < int(m_session.PictureTable.size()))
        ctx.picturePath = m_session.PictureTable[size_t(index)].FullPath;
    else if (!CropPath.isEmpty())
        ctx.picturePath = CropPath;
    else if (m_slot)
        ctx.picturePath = m_slot->Path();
    return ctx;
}

CropGeometry FitZoomHandler::cropGeometry() const
{
    CropGeometry g;
    g.image = m_image ? m_image->size() : QSize();
    g.picture = (m_slot && m_slot->Loaded()) ? m_slot->PictureSize() : QSize();
    return g;
}

void FitZoomHandler::CropSelectionMouseDown(int x, int y)
{
    const double customW = m_settings.Settings.CustomRatioWidth;
    const double customH = m_settings.Settings.CustomRatioHeight;
    m_crop.mouseDown(QPoint(x, y), cropContext(), ratioWidth(), ratioHeight(), customW, customH);
}

void FitZoomHandler::CropSelectionMouseMove(Qt::KeyboardModifiers shift, int x, int y)
{
    const CropMoveResult r = m_crop.mouseMove(QPoint(x, y), m_leftDown, shift.testFlag(Qt::ShiftModifier),
                                              shift.testFlag(Qt::ControlModifier), cropGeometry(),
                                              cropContext(), ratioWidth(), ratioHeight());
    if (r.draw && m_overlay)
        m_overlay->ShowBand(r.start, r.end, r.sizeText, r.fullSizeText, screenWidth(m_overlay));
}

CropUpResult FitZoomHandler::CropSelectionMouseUp(int x, int y)
{
    const CropUpResult r = m_crop.mouseUp(QPoint(x, y), cropGeometry(), cropContext());
    if (m_overlay)
        m_overlay->Clear();
    switch (r.action) {
    case CropUpAction::Refused:
        if (r.showPauseHint)
            emit pauseHintWanted(CropPauseHintText());
        break;
    case CropUpAction::CloseFullView:
        emit fullViewClicked();
        break;
    case CropUpAction::SelectionTooSmall:
        platform::showMessage(platform::PromptKind::Error, SelectionTooSmallText(), platform::kOk);
        break;
    case CropUpAction::CutOut:
        makeCutOut(r.source);
        break;
    case CropUpAction::None:
    case CropUpAction::RepaintOnly:
        break;
    }
    return r;
}

void FitZoomHandler::makeCutOut(const QRect& source)
{
    if (!m_slot || !m_slot->Loaded())
        return;
    const QString folder = cutOutFolder();

    int count = m_session.CutOutCount;
    QImage bitmap;
    const CutOutSaved saved = MakeCutOut(m_slot->CurrentImage(), m_slot->PictureSize(), m_slot->Path(), source,
                                         folder, count, &bitmap);
    if (saved.result != CutOutSaveResult::Saved) {
        platform::showMessage(platform::PromptKind::Error, saved.message, platform::kOk);
        return;
    }
    m_session.CutOutCount = count;
    emit cutOutMade();
    // The cut-out takes the picture's place in the slot; its true size is
    // the bitmap's own.
    LoadedPicture picture;
    picture.image = bitmap;
    picture.trueSize = bitmap.size();
    picture.kind = PictureKind::Bitmap;
    m_slot->SetPicture(saved.path, std::move(picture));
    emit cutOutShown();
    SizePictureToDisplay(true);
}

// ---- The image's mouse ---------------------------------------------------------

void FitZoomHandler::ImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y)
{
    if (handlersBlocked())
        return;
    emit mouseButtonChanged(true);
    switch (button) {
    case Qt::LeftButton:
        m_leftDown = true;
        CropSelectionMouseDown(x, y);
        break;
    case Qt::RightButton:
        emit rightButtonPressed();
        break;
    case Qt::MiddleButton:
        emit middleButtonPressed();
        break;
    default:
        break;
    }
}

void FitZoomHandler::ImageMouseMove(Qt::KeyboardModifiers shift, int x, int y)
{
    if (handlersBlocked())
        return;
    CropSelectionMouseMove(shift, x, y);
}

void FitZoomHandler::ImageMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, int, int)
{
    if (handlersBlocked())
        return;
    emit mouseButtonChanged(false);
    if (button != Qt::LeftButton)
        return;
    const bool wasDown = m_leftDown;
    m_leftDown = false;
    if (!wasDown)
        return;
    const QPoint last = m_crop.last();
    CropSelectionMouseUp(last.x(), last.y());
}

bool FitZoomHandler::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_image)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint p = e->position().toPoint();
        ImageMouseDown(e->button(), e->modifiers(), p.x(), p.y());
        return true;
    }
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint p = e->position().toPoint();
        ImageMouseMove(e->modifiers(), p.x(), p.y());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(event);
        const QPoint p = e->position().toPoint();
        ImageMouseUp(e->button(), e->modifiers(), p.x(), p.y());
        return true;
    }
    case QEvent::Wheel: {
        if (!HandleWheel || m_session.CutOutCount < 1)
            return false;
        auto* e = static_cast<QWheelEvent*>(event);
        const int delta = e->angleDelta().y();
        if (delta == 0)
            return false;
        WheelZoomPicture(delta > 0 ? 3 : -3);
        return true;
    }
    default:
        return false;
    }
}
