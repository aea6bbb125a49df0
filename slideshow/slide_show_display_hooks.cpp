// The display step's hooks on the assembled main window: the show record,
// the sound of the shown picture, the music fade, the status of the shown
// picture and the page view's part. Installed when the window is created.
#include "slideshow/slide_show_controller.h"

#include "base/program_state.h"
#include "base/picture_table.h"
#include "browse/external_programs.h"
#include "browse/fit_zoom.h"
#include "browse/picture_display.h"
#include "browse/picture_display_section.h"
#include "sound/sound_controller.h"
#include "sound/sound_state.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QAudioDevice>
#include <QLabel>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

namespace {

bool pageViewShown() { return PageHooks().ThumbnailViewActive && PageHooks().ThumbnailViewActive(); }

} // namespace

void SlideShowController::InstallDisplayHooks()
{
    QPointer<SlideShowController> self(this);
    PictureDisplayHooks& hooks = DisplayHooks();
    // The page of thumbnails tells whether it is shown; without it every
    // picture is shown on its own.
    hooks.ThumbnailViewActive = [] { return pageViewShown(); };
    hooks.ThumbnailStep = [self, &session = m_state.session] {
        if (!self)
            return;
        self->m_host->sound()->RestartPendingQueue();
        TShowState& ShowState = session.ShowState;
        ShowState.StepReentry = 0;
        const int slotCount = DisplayHooks().PageSlotCount ? DisplayHooks().PageSlotCount() : 0;
        if (ShowState.PageAbort == 0 && !PageHoldsAllPictures(slotCount, session.PictureCount) && !self->InManualMode()
            && self->m_items.IntervalTimer) {
            self->m_items.IntervalTimer->setInterval(NextIntervalMs(ShowState.CurrentInterval, 0));
            self->m_items.IntervalTimer->start();
        }
    };
    hooks.ReadShowRecord = [self](int index) { return self && self->m_host->pictureDisplay()->ReadShowRecordForDisplay(index); };
    hooks.TextLineDelayMs = [self] { return self ? self->m_host->pictureDisplay()->ShowRecordTextDelayMs() : 0; };
    hooks.PlayPictureSound = [self](bool recordRead) { return self && self->m_host->sound()->PlayShownPictureSound(recordRead); };
    hooks.PrepareNextStep = [self] {
        if (self)
            self->PrepareNextShowStep();
    };
    hooks.StartMusicFade = [self](int intervalMs) {
        if (self)
            self->m_host->sound()->StartMusicFadeBeforeNextStep(intervalMs);
    };
    hooks.ShowCurrentPictureStatus = [self] {
        if (self)
            self->ShowCurrentPictureStatus(true);
    };
    hooks.SetPictureDisplayName = [self] {
        if (self)
            self->m_host->pictureDisplay()->SetPictureDisplayName();
    };
    // The ticked cells of the page, as picture indexes.
    hooks.SelectedPictures = [&session = m_state.session] {
        QList<int> indexes;
        if (!pageViewShown() || !PageHooks().TickedPictures)
            return indexes;
        const QStringList ticked = PageHooks().TickedPictures();
        for (int i = 0; i < session.PictureCount && i < int(session.PictureTable.size()); ++i)
            if (ticked.contains(session.PictureTable[size_t(i)].FullPath))
                indexes << i;
        return indexes;
    };
    hooks.PageSlotCount = [] { return 0; };
    hooks.VoiceRecordingPossible = [] { return !QMediaDevices::audioInputs().isEmpty(); };
}

void SlideShowController::PrepareNextShowStep()
{
    ShowCurrentPictureStatus(true);
}

void SlideShowController::ShowCurrentPictureStatus(bool Full)
{
    ShowWindow* const Form9 = m_host->showWindow();
    // The one-back button steps back one picture while no cut-out is shown.
    if (Form9 && m_state.session.CutOutCount == 0)
        Form9->ResetOneBackwardsHint();
    if (Full && m_items.StatusPanel1 && !m_host->pictureDisplay()->displayState().PictureDisplayName.isEmpty())
        m_items.StatusPanel1->setText(m_host->pictureDisplay()->displayState().PictureDisplayName);
}
