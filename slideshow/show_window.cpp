#include "slideshow/show_window.h"

#include "base/add_settings_record.h"
#include "base/picture_table.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "base/layout_calc.h"
#include "browse/external_programs.h"
#include "platform/icons.h"
#include "browse/crop.h"
#include "browse/drive_menu.h"
#include "platform/drives.h"
#include "browse/fit_zoom.h"
#include "browse/fit_zoom_handler.h"
#include "browse/picture_display.h"
#include "browse/picture_display_view.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "platform/prompt.h"
#include "platform/record_file.h"
#include "slideshow/show_state.h"
#include "sound/sound_state.h"

#include <QAction>
#include <QBuffer>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHash>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>


namespace {

// The slot decodes for the full-screen area and the show's enlargement limit.
void prepareSlot(PictureSlotModel* slot, QSize area, const TShowState& ShowState)
{
    if (slot) {
        slot->DisplayArea = area;
        slot->EnlargeLimit = ShowState.NoLimitOnce ? 9999 : ShowState.EnlargeLimit;
    }
}

// The interval a show continues with: a picture that was to stay as long as
// its voice (which a pause may have cut short) gets the default interval.
int resumeIntervalSeconds(const TShowState& ShowState)
{
    return IntervalWithoutVoice(ShowState.CurrentInterval, ShowState.DefaultInterval);
}

bool validEntry(const ShowSession& session, int index)
{
    return index >= 0 && index < session.PictureCount && index < int(session.PictureTable.size());
}

} // namespace

// The crop ratio menu of SBRatio; its custom item opens the custom ratio panel.
void ShowWindow::makeRatioMenu()
{
    PMRatio = new QMenu(this);
    PMRatio->setObjectName(QStringLiteral("PMRatio"));
    SBRatio->setToolTip(QStringLiteral("Crop ratio"));
    for (const CropRatioChoice& choice : CropRatioChoices()) {
        QAction* item = PMRatio->addAction(choice.caption);
        item->setObjectName(choice.name);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, choice] {
            if (choice.custom) {
                emit CustomRatioRequested();
                return;
            }
            m_state.settings.Settings.CropRatioWidth = choice.width;
            m_state.settings.Settings.CropRatioHeight = choice.height;
        });
    }
    connect(PMRatio, &QMenu::aboutToShow, this, &ShowWindow::RefreshRatioMenu);
    connect(SBRatio, &QToolButton::clicked, this, &ShowWindow::SBRatioClick);
}

QRect ShowWindow::PictureArea() const
{
    return FullScreenPictureRect(m_state.session, m_state.settings.AddSettings, NavPanel && NavPanel->isVisible());
}

void ShowWindow::makeFitZoom(int index, QLabel* image, PictureSlotModel* slot)
{
    auto* handler = new FitZoomHandler(m_state.session, m_state.settings, m_state.paths, m_state.start, image,
                                       slot, this);
    handler->setObjectName(QStringLiteral("FitZoom") + image->objectName());
    handler->ReadoutMargin = 30;
    handler->FullScreen = true;
    handler->NavPanel = NavPanel;
    handler->SpeedLabel = SpeedLabel;
    m_fitZoom[size_t(index)] = handler;

    connect(handler, &FitZoomHandler::middleButtonPressed, this, [this] { TogglePause(); });
    connect(handler, &FitZoomHandler::readoutShown, SpeedTimer, &QTimer::stop);
    connect(handler, &FitZoomHandler::pauseHintWanted, this, [this](const QString& text) {
        if (m_state.settings.Settings.ShowHints)
            ShowCenteredHint(text);
    });
    connect(handler, &FitZoomHandler::cutOutMade, this, [this] {
        for (QLabel* text : TextLabels)
            text->hide();
    });
    connect(handler, &FitZoomHandler::fullViewClicked, this, [this] { StopSlideShow(); });
    connect(handler, &FitZoomHandler::cutOutShown, this, [this] {
        if (m_state.session.FullViewActive == 1)
            showCutOutButtons(true);
        emit cutOutShown();
    });
    connect(handler, &FitZoomHandler::sized, this, [this, index](bool toggle) { afterSizing(index, toggle); });
}

void ShowWindow::afterSizing(int index, bool toggle)
{
    // The image that got the picture is shown, the other one hidden; with
    // toggle the next picture goes into the other image.
    QLabel* receiving = index == 0 ? Image1 : Image2;
    QLabel* other = index == 0 ? Image2 : Image1;
    if (m_fitZoom[size_t(index)]->Slot() && m_fitZoom[size_t(index)]->Slot()->Visible) {
        receiving->setEnabled(true);
        receiving->show();
    }
    other->hide();
    other->setEnabled(false);
    if (PictureSlotModel* slot = m_fitZoom[size_t(1 - index)]->Slot())
        slot->Visible = false;
    if (toggle && isVisible())
        m_state.session.ShowState.ActiveImage = index == 0 ? 0 : 1;
    if (TitleLabel->isVisible())
        TitleLabel->raise();
    Label1->raise();
    ControlPanel->raise();
    HintPanel->raise();
}

FitZoomHandler* ShowWindow::ReceivingFitZoom() const
{
    return m_fitZoom[m_state.session.ShowState.ActiveImage == 1 ? 0 : 1];
}

FitZoomHandler* ShowWindow::ShownFitZoom() const
{
    return m_fitZoom[m_state.session.ShowState.ActiveImage == 1 ? 1 : 0];
}

QString ShowWindow::CurrentPicture() const
{
    const int index = m_sequence.Current();
    if (!validEntry(m_state.session, index))
        return {};
    return m_state.session.PictureTable[size_t(index)].FullPath;
}

QString ShowWindow::shownPicturePath() const
{
    if (m_state.session.FullViewActive == 1)
        return ShownFitZoom()->CropPath;
    return validEntry(m_state.session, m_state.session.PictureIndex) ? m_state.session.PictureTable[size_t(m_state.session.PictureIndex)].FullPath : QString();
}

void ShowWindow::showCutOutButtons(bool shown)
{
    OneBackwardsSpeedButton->setVisible(shown);
    SaveSB->setVisible(shown);
    arrangeControlPanel();
}

void ShowWindow::arrangeControlPanel()
{
    ControlPanel->adjustSize();
    ControlPanel->move((width() - ControlPanel->width()) / 2, height() - ControlPanel->height() - 24);
    ControlPanel->show();
    ControlPanel->raise();
}

void ShowWindow::Play(const QStringList& pictures, const QList<int>& order, int intervalMs, bool continuous,
                  bool showTitles, std::function<void()> ended, const QList<int>& records,
                  const QList<double>& dates)
{
    SetPictureTable(pictures, records, dates);
    m_state.session.ShowState.CurrentInterval = std::max(1, intervalMs / 1000);
    m_state.session.ShowState.TitleOption = showTitles ? 1 : 0;
    Play(order, continuous, std::move(ended));
}

void ShowWindow::SetPictureTable(const QStringList& pictures, const QList<int>& records, const QList<double>& dates)
{
    GrowSelectionList(int32_t(pictures.size()), false, m_state.session);
    for (int i = 0; i < pictures.size(); ++i) {
        TPictureEntry& entry = m_state.session.PictureTable[size_t(i)];
        entry = TPictureEntry{};
        entry.FullPath = pictures[i];
        entry.RecordIndex = records.size() == pictures.size() ? records[i] : i;
        entry.PictureDate = dates.size() == pictures.size() ? dates[i] : 0;
    }
    m_state.session.PictureCount = int32_t(pictures.size());
    m_sequence.SetCurrentPicture(0);
}

void ShowWindow::Play(const QList<int>& order, bool continuous, std::function<void()> ended)
{
    PlayFrom(order, continuous, std::move(ended), 0, false);
}

void ShowWindow::PlayFrom(const QList<int>& order, bool continuous, std::function<void()> ended, int start, bool paused)
{
    ended_ = std::move(ended);
    m_sequence.Start(order, continuous, start, paused);
    m_state.session.FullViewActive = 0;
    m_state.session.ShowState.ActiveImage = 1;
    for (QToolButton* b : {OneForwardSpeedButton, OneBackwardsSpeedButton, StopButton})
        b->show();
    StopButton->setToolTip(QStringLiteral("Stop Slide Show - Escape"));
    SaveSB->hide();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
    Step(1);
}

void ShowWindow::Step(int direction)
{
    // The display step arms the interval timer again for the next picture;
    // a timer armed by a step that ran while the show was being stopped
    // stays off.
    if (IntervalTimer)
        IntervalTimer->stop();
    const ShowStep step = m_sequence.BeginStep(direction);
    switch (step.outcome) {
    case StepOutcome::None:
    case StepOutcome::Waits:
        return;
    case StepOutcome::Ends:
        StopSlideShow();
        return;
    case StepOutcome::Shows:
        break;
    }
    // A hint about the show ("Show restarted …") goes with the picture it came with.
    HintPanel->hide();
    emit displayStepWanted(step.index);
    if (const int pending = m_sequence.EndStep()) {
        Step(pending);
        return;
    }
    keepAhead();
}

void ShowWindow::keepAhead()
{
    // In every mode, paused or not: the next picture in the show's
    // direction (paused: in the direction of the last step) and the one
    // just left stay decoded, so that a step either way is shown at once.
    if (m_sequence.Stopping())
        return;
    const PicturesAhead ahead = m_sequence.Ahead();
    emit decodeAheadWanted(ahead.next, ahead.left);
}

void ShowWindow::dropAhead()
{
    emit decodeAheadWanted(-1, -1);
}

void ShowWindow::IntervalTimerTimer()
{
    Step(m_sequence.TimerDirection());
}

void ShowWindow::TogglePause()
{
    if (!m_sequence.TogglePause())
        return;
    if (m_sequence.Paused()) {
        if (IntervalTimer)
            IntervalTimer->stop();
    } else if (IntervalTimer) {
        IntervalTimer->setInterval(NextIntervalMs(resumeIntervalSeconds(m_state.session.ShowState), 0));
        IntervalTimer->start();
    }
    keepAhead();
    emit playStateChanged();
}

void ShowWindow::StopSlideShow()
{
    if (m_state.session.FullViewActive == 1) {
        // The full view ends: back to the window it came from.
        m_state.session.FullViewActive = 0;
        m_state.session.CutOutCount = 0;
        m_state.session.ZoomFactor = 0;
        HintPanel->hide();
        ControlPanel->hide();
        hide();
        return;
    }
    if (!m_sequence.Stop()) {
        hide();
        return;
    }
    dropAhead();
    if (IntervalTimer)
        IntervalTimer->stop();
    HintPanel->hide();
    hide();
    if (auto ended = std::exchange(ended_, nullptr))
        ended();
}

void ShowWindow::HandOverShow()
{
    m_sequence.Clear();
    dropAhead();
    if (IntervalTimer)
        IntervalTimer->stop();
    ended_ = nullptr;
    HintPanel->hide();
    SpeedLabel->hide();
    hide();
}

void ShowWindow::RemoveCurrentFromPlayOrder()
{
    switch (m_sequence.RemoveCurrent()) {
    case RemoveOutcome::None:
        return;
    case RemoveOutcome::Emptied:
        platform::showMessage(platform::PromptKind::Information, QStringLiteral("No more pictures left in show"));
        StopSlideShow();
        return;
    case RemoveOutcome::ShowsNext:
        break;
    }
    ShowCenteredHint(QStringLiteral("Number of pictures : ") + QString::number(m_sequence.Order().size()));
    // The picture that took the removed one's place is shown next.
    Step(1);
}

void ShowWindow::StartFullView(const QString& path, bool fromThumbnailView,
                               std::function<void(const QString& failure)> done)
{
    m_sequence.Clear();
    m_state.session.FullViewActive = 1;
    m_state.session.ShowState.ActiveImage = 1;
    m_sequence.Halt();
    FitZoom(1)->CropPath = path;
    FitZoom(2)->CropPath = path;
    // The panel: the stop button, which returns to where the view came
    // from; the one-back and save buttons come with a cut-out.
    ControlPanel->hide();
    StopButton->show();
    StopButton->setToolTip(fromThumbnailView ? QStringLiteral("Return to thumbnail view")
                                             : QStringLiteral("Return to browse window"));
    for (QToolButton* b : {SaveSB, OneBackwardsSpeedButton, OneForwardSpeedButton, SBManualMode,
                           WindowScreenSpeedButton, ShowForwardSpeedButton, ShowInReverseSpeedButton,
                           StartShowSpeedButton, VolumeSpeedButton, PlaylistBASB, PlaylistFWSB})
        b->hide();
    SpeedLabel->hide();
    // The edit program's button when the first edit program is there.
    const QString editProgram = m_state.settings.Settings.EditPrograms[0];
    const bool editable = !editProgram.isEmpty() && QFileInfo(editProgram).isFile();
    RunExeSpeedButton->setEnabled(editable);
    RunExeSpeedButton->setVisible(editable);
    // A picture that may be rotated gets the rotate buttons; a picture that
    // may be cropped the crop ratio button.
    const QFileInfo info(path);
    const bool readOnly = info.exists() && !info.permissions().testFlag(QFileDevice::WriteOwner);
    const bool rotatable =
        CanRotatePicture(path, readOnly, FreeSpaceOnDrive(platform::DriveLetterOf(path), m_state.start.DemoMode != 0));
    for (QToolButton* b : {SBRotateLeft, SBRotateRight}) {
        b->setEnabled(rotatable);
        b->setVisible(rotatable);
    }
    const QString ext = info.suffix().toLower();
    SBRatio->setVisible(ext != QLatin1String("emf") && ext != QLatin1String("wmf") && ext != QLatin1String("ico"));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
    prepareSlot(Slot(1), PictureArea().size(), m_state.session.ShowState);
    const auto answered = [this, done](const LoadOutcome& outcome) {
        if (outcome) {
            m_state.session.FullViewActive = 0;
            hide();
        } else {
            ReceivingFitZoom()->SizePictureToDisplay(true);
            arrangeControlPanel();
        }
        if (done)
            done(outcome ? LoadFailureName(outcome->kind) : QString());
    };
    const quint64 ticket = RequestPictureForSlot(path, Slot(1));
    if (!ticket)
        answered(LoadOutcome());
    else
        WhenSlotAnswers(Slot(1), ticket, this, answered);
}

int ShowWindow::PeekNextIndex(int direction, bool* reachedEnd) const
{
    return m_sequence.PeekNext(direction, reachedEnd);
}

void ShowWindow::RefreshRatioMenu()
{
    const TSettingsRecord& Settings = m_state.settings.Settings;
    const QString inEffect = CropRatioCaption(true, Settings.CropRatioHeight, Settings.CropRatioWidth,
                                              Settings.CustomRatioHeight, Settings.CustomRatioWidth);
    for (QAction* item : PMRatio->actions())
        item->setChecked(item->text().remove(QLatin1Char('&')) == inEffect);
}

void ShowWindow::SBRatioClick()
{
    RefreshRatioMenu();
    PMRatio->popup(SBRatio->mapToGlobal(QPoint(0, -PMRatio->sizeHint().height())));
}

void ShowWindow::ShowCenteredHint(const QString& text)
{
    HintLabel->setText(text);
    HintLabel->adjustSize();
    HintPanel->resize(HintLabel->width() + 20, HintLabel->height() + 10);
    HintPanel->move((width() - HintPanel->width()) / 2, (height() - HintPanel->height()) / 2);
    HintPanel->show();
    HintPanel->raise();
}

void ShowWindow::OneBackwardsClick()
{
    if (m_state.session.CutOutCount > 0) {
        FitZoomHandler* shown = ShownFitZoom();
        if (m_state.session.CutOutCount == 1) {
            // From the first cut-out back to the picture itself, through the loader.
            PictureSlotModel* const slot = shown->Slot();
            prepareSlot(slot, PictureArea().size(), m_state.session.ShowState);
            const quint64 ticket = RequestPictureForSlot(shownPicturePath(), slot);
            QPointer<FitZoomHandler> handler(shown);
            WhenSlotAnswers(shown->Slot(), ticket, this, [this, handler](const LoadOutcome& outcome) {
                if (outcome || !handler)
                    return;
                m_state.session.CutOutCount = 0;
                handler->SizePictureToDisplay(false);
                if (m_state.session.FullViewActive == 1)
                    showCutOutButtons(false);
            });
        } else {
            // Steps back from the second cut-out or later: a cut-out stays.
            shown->StepBackCutOut(shownPicturePath());
        }
        return;
    }
    Step(-1);
}

void ShowWindow::SaveCutOutClick()
{
    FitZoomHandler* shown = ShownFitZoom();
    PictureSlotModel* slot = shown ? shown->Slot() : nullptr;
    if (m_state.session.CutOutCount < 1 || !slot || !slot->Loaded())
        return;
    const QFileInfo picture(shownPicturePath());
    const std::optional<QString> target = platform::chooseSaveFile(
        QStringLiteral("Save cut-out as"), picture.absolutePath(),
        QStringLiteral("Bitmap (*.bmp);;JPEG (*.jpg *.jpeg)"),
        picture.completeBaseName() + QStringLiteral("_cut") + QString::number(m_state.session.CutOutCount) + QStringLiteral(".bmp"),
        QStringLiteral("bmp"));
    if (!target || target->isEmpty())
        return;
    const QString suffix = QFileInfo(*target).suffix().toLower();
    const char* format = (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) ? "JPG" : "BMP";
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !slot->FullResolutionImage().save(&buffer, format, 95)
        || !platform::SafeWriteFile(*target, bytes).ok())
        platform::showMessage(platform::PromptKind::Error, *target + QStringLiteral(" could not be written!"));
}

void ShowWindow::ContinueShow(int direction)
{
    TShowState& ShowState = m_state.session.ShowState;
    if (!m_sequence.Continue(direction))
        return;
    if (IntervalTimer) {
        IntervalTimer->setInterval(NextIntervalMs(resumeIntervalSeconds(ShowState), 0));
        IntervalTimer->start();
    }
    keepAhead();
    emit playStateChanged();
}

void ShowWindow::ShowKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    runShowKey(DecideShowKey(key, modifiers.testFlag(Qt::ControlModifier), ShowKeyPlace::ShowWindow));
}

void ShowWindow::runShowKey(ShowKeyCommand command)
{
    switch (command) {
    case ShowKeyCommand::None: break;
    case ShowKeyCommand::StopShow: StopSlideShow(); break;
    case ShowKeyCommand::TogglePause: TogglePause(); break;
    case ShowKeyCommand::RestartShow:
        if (m_state.session.FullViewActive != 1)
            emit restartWanted();
        break;
    case ShowKeyCommand::Forward1: Step(1); break;
    case ShowKeyCommand::Backwards1: OneBackwardsClick(); break;
    case ShowKeyCommand::ShowForward: ContinueShow(1); break;
    case ShowKeyCommand::ShowInReverse: ContinueShow(-1); break;
    case ShowKeyCommand::RotateLeft:
        if (!SBRotateLeft->isHidden() && SBRotateLeft->isEnabled())
            emit RotateLeftClicked();
        break;
    case ShowKeyCommand::RotateRight:
        if (!SBRotateRight->isHidden() && SBRotateRight->isEnabled())
            emit RotateRightClicked();
        break;
    }
}

void ShowWindow::keyPressEvent(QKeyEvent* event)
{
    const ShowKeyCommand command =
        DecideShowKey(event->key(), event->modifiers().testFlag(Qt::ControlModifier), ShowKeyPlace::ShowWindow);
    if (command == ShowKeyCommand::None)
        QWidget::keyPressEvent(event);
    else
        runShowKey(command);
}

void ShowWindow::wheelEvent(QWheelEvent* event)
{
    // Over a cut-out the wheel zooms (the image's handler takes turns over
    // the picture itself); otherwise it steps or changes the show's speed.
    const int delta = event->angleDelta().y();
    event->accept();
    if (delta == 0)
        return;
    if (m_state.session.CutOutCount >= 1) {
        if (FitZoomHandler* shown = ShownFitZoom())
            shown->WheelZoomPicture(delta > 0 ? 3 : -3);
        return;
    }
    if (m_state.session.FullViewActive != 1)
        emit wheelTurned(delta);
}

void ShowWindow::closeEvent(QCloseEvent* event)
{
    StopSlideShow();
    event->accept();
}
