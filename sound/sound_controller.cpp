// The main window's sound commands: the sound of a shown picture, the
// voice player and the music queue.
#include "sound/sound_controller.h"

#include "base/program_state.h"
#include "base/named_timer.h"
#include "base/start_args.h"
#include "browse/picture_display.h"
#include "browse/preview_panel.h"
#include "platform/designed_widgets.h"
#include "platform/icons.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "sound/sound_state.h"
#include "slideshow/show_state.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace {

// The image of the voice-play controls while no voice plays.
constexpr int VoicePlayIdleGlyph = 103;

} // namespace

SoundController::SoundController(QWidget& window, OpenShow& openShow, ProgramState& state)
    : QObject(&window), m_window(window), m_openShow(openShow), m_state(state),
      m_fadeTimer(MakeNamedTimer(this, "FadeTimer", 100, false)),
      m_musicTimer(MakeNamedTimer(this, "TimerMusic", 1000, false))
{
}

void SoundController::SetWidgets(const Widgets& widgets)
{
    m_items = widgets;
    m_voicePlay = platform::ActionNamed(m_window, "VoicePlayTB");
    if (m_fadeTimer)
        connect(m_fadeTimer, &QTimer::timeout, this, [this] {
            if (m_fadeTimer->isSingleShot())
                ::StartMusicFadeOut(m_sound);
        });
}

void SoundController::StopMusic()
{
    if (m_fadeTimer)
        m_fadeTimer->stop();
    ::StopMusic(m_sound);
    m_waitingForVoice = false;
    ResetVoicePlayButton();
}

void SoundController::ReleaseVoiceFile(const QString& PicturePath)
{
    if (::ReleaseVoiceFile(m_sound, PicturePath)) {
        m_waitingForVoice = false;
        ResetVoicePlayButton();
    }
}

void SoundController::ResetVoicePlayButton()
{
    const QString hint = QStringLiteral("Play voice recording");
    const QIcon idle = platform::ImageListIcon(platform::ImageListId::MenuIL, VoicePlayIdleGlyph);
    if (m_state.session.PlaybackActive == 1) {
        if (m_voicePlay) {
            m_voicePlay->setToolTip(hint);
            m_voicePlay->setIcon(idle);
        }
    } else if (m_items.BrowsePreview) {
        m_items.BrowsePreview->setVoicePlayLook(idle, hint);
    }
}

void SoundController::DefPlaylistClick()
{
    // The playlist editor and the audio-only player are not built: the
    // default (or given) playlist is only queued. An audio-only start says
    // so and ends with a failure status.
    m_sound.PlayQueue.clear();
    m_sound.PlayQueueIndex = -1;
    if (m_state.start.AudioMode) {
        const QString playlist = m_state.start.AudioPlaylistArgument;
        platform::showMessage(platform::PromptKind::Error,
                              QStringLiteral("Vistamo! : The audio player is not part of this version, ")
                                  + (playlist.isEmpty() ? QStringLiteral("no playlist can be played")
                                                        : playlist + QStringLiteral(" can not be played")));
        QTimer::singleShot(0, &m_window, [window = &m_window] {
            window->close();
            QCoreApplication::exit(AudioPlayerMissingExitCode);
        });
    }
}

void SoundController::WatchVoicePlayer()
{
    if (m_voicePlayerWatched)
        return;
    m_voicePlayerWatched = true;
    QMediaPlayer* player = PlayerForce();
    connect(player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            VoiceEnded(false);
        else if (status == QMediaPlayer::InvalidMedia)
            VoiceEnded(true);
    });
    connect(player, &QMediaPlayer::errorOccurred, this, [this] { VoiceEnded(true); });
}

bool SoundController::PlaySoundFile()
{
    if (m_sound.PictureSoundPlaying == 1) {
        // The sound of the shown picture, on the picture-sound player.
        WatchVoicePlayer();
        if (!PlayerForce()->isAvailable() || !::PlayPictureSound(m_sound, m_openShow.ShowRec.SoundFile)) {
            m_sound.PictureSoundPlaying = 0;
            return false;
        }
        return true;
    }
    // The music queue's track at PlayQueueIndex.
    if (m_sound.PlayQueueIndex < 0 || m_sound.PlayQueueIndex >= m_sound.PlayQueue.size()
        || !QFileInfo(m_sound.PlayQueue[m_sound.PlayQueueIndex]).isFile())
        return false;
    QMediaPlayer* player = PlayerQueue();
    if (!player->isAvailable())
        return false;
    m_sound.CurrentTrackKind = QStringLiteral("F");
    m_sound.CurrentTrackPath = m_sound.PlayQueue[m_sound.PlayQueueIndex];
    player->setSource(QUrl::fromLocalFile(m_sound.CurrentTrackPath));
    player->play();
    return true;
}

bool SoundController::PlayShownPictureSound(bool recordRead)
{
    PictureSoundInput in;
    in.recordRead = recordRead;
    in.devicePresent = recordRead && SoundDevicePresent();
    const TShowRecord& ShowRec = m_openShow.ShowRec;
    in.soundKind = ShowRec.SoundKind;
    in.soundFile = ShowRec.SoundFile;
    in.soundFileExists = !ShowRec.SoundFile.isEmpty() && QFileInfo(ShowRec.SoundFile).isFile();
    in.intervalSeconds = m_state.session.ShowState.CurrentInterval;
    in.queueActive = m_sound.MusicQueueActive == 1;
    in.restartPending = m_sound.QueueRestartPending == 1;
    const PictureSoundPlan plan = PlanPictureSound(in);
    m_waitingForVoice = false;
    if (plan.playPictureSound) {
        m_sound.PictureSoundPlaying = 1;
        const bool playing = PlaySoundFile();
        m_waitingForVoice = plan.waitForVoice && playing;
        if (plan.restartQueue) {
            m_sound.QueueRestartPending = 0;
            m_sound.PlayQueueIndex = -1;
            if (m_musicTimer)
                m_musicTimer->start();
        }
    } else if (plan.playQueueFirst) {
        m_sound.PlayQueueIndex = 0;
        PlaySoundFile();
        if (m_musicTimer)
            m_musicTimer->start();
    }
    return m_waitingForVoice;
}

void SoundController::VoiceEnded(bool failed)
{
    TShowState& ShowState = m_state.session.ShowState;
    m_sound.PictureSoundPlaying = 0;
    if (!m_waitingForVoice)
        return;
    m_waitingForVoice = false;
    if (m_state.session.PlaybackActive != 1 || ShowState.Direction == 0 || !m_items.IntervalTimer)
        return;
    // After the voice the show steps on; a voice that could not be played
    // leaves the picture its default interval.
    if (failed)
        ShowState.CurrentInterval = IntervalWithoutVoice(ShowState.CurrentInterval, ShowState.DefaultInterval);
    m_items.IntervalTimer->setInterval(failed ? NextIntervalMs(ShowState.CurrentInterval, 0) : 200);
    m_items.IntervalTimer->start();
}

void SoundController::StartMusicFadeBeforeNextStep(int intervalMs)
{
    if (!m_fadeTimer)
        return;
    const int fadeDelay = intervalMs - 1500;
    m_fadeTimer->stop();
    const TShowRecord& ShowRec = m_openShow.ShowRec;
    const bool ownSound = ShowRec.SoundKind == QLatin1String("F") && !ShowRec.SoundFile.isEmpty()
                          && QFileInfo(ShowRec.SoundFile).isFile();
    if (!MusicFadeDue(fadeDelay, SoundDevicePresent(), m_sound.CurrentTrackKind,
                      !m_sound.CurrentTrackPath.isEmpty() && QFileInfo(m_sound.CurrentTrackPath).isFile(), ownSound))
        return;
    // The music fades out before the end of the show: only when the last
    // picture is the one that follows.
    if (m_state.session.ShowState.LastPictureAhead != 1)
        return;
    m_fadeTimer->setInterval(fadeDelay);
    m_fadeTimer->setSingleShot(true);
    m_fadeTimer->start();
}

void SoundController::RestartPendingQueue()
{
    if (m_sound.MusicQueueActive == 1 && m_sound.QueueRestartPending == 1) {
        m_sound.QueueRestartPending = 0;
        m_sound.PlayQueueIndex = -1;
        if (m_musicTimer)
            m_musicTimer->start();
    }
}
