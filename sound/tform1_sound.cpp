// The main window's sound commands: the sound of a shown picture, the
// voice player and the music queue.
#include "app/tform1.h"

#include "base/start_args.h"
#include "browse/picture_display.h"
#include "platform/icons.h"
#include "shows/show_file.h"
#include "sound/sound_state.h"
#include "slideshow/show_state.h"

#include <QAction>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

// The image of the voice-play controls while no voice plays.
constexpr int VoicePlayIdleGlyph = 103;

} // namespace

void TForm1::StopMusic()
{
    if (FadeTimer)
        FadeTimer->stop();
    ::StopMusic(m_sound);
    m_waitingForVoice = false;
    ResetVoicePlayButton();
}

void TForm1::ReleaseVoiceFile(const QString& PicturePath)
{
    if (::ReleaseVoiceFile(m_sound, PicturePath)) {
        m_waitingForVoice = false;
        ResetVoicePlayButton();
    }
}

void TForm1::ResetVoicePlayButton()
{
    const QString hint = QStringLiteral("Play voice recording");
    const QIcon idle = platform::ImageListIcon(platform::ImageListId::MenuIL, VoicePlayIdleGlyph);
    if (m_state.session.PlaybackActive == 1) {
        if (VoicePlayTB) {
            VoicePlayTB->setToolTip(hint);
            VoicePlayTB->setIcon(idle);
        }
    } else if (VoicePlaySB) {
        VoicePlaySB->setToolTip(hint);
        VoicePlaySB->setIcon(idle);
    }
}

void TForm1::DefPlaylistClick()
{
    // The playlist editor is not built yet: the default (or given) playlist
    // is only queued. An audio-only start has nothing else to show and ends.
    m_sound.PlayQueue.clear();
    m_sound.PlayQueueIndex = -1;
    if (state().start.AudioMode)
        QTimer::singleShot(0, this, [this] { close(); });
}

void TForm1::WatchVoicePlayer()
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

bool TForm1::PlaySoundFile()
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

bool TForm1::PlayShownPictureSound(bool recordRead)
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
            if (TimerMusic)
                TimerMusic->start();
        }
    } else if (plan.playQueueFirst) {
        m_sound.PlayQueueIndex = 0;
        PlaySoundFile();
        if (TimerMusic)
            TimerMusic->start();
    }
    return m_waitingForVoice;
}

void TForm1::VoiceEnded(bool failed)
{
    TShowState& ShowState = m_state.session.ShowState;
    m_sound.PictureSoundPlaying = 0;
    if (!m_waitingForVoice)
        return;
    m_waitingForVoice = false;
    if (m_state.session.PlaybackActive != 1 || ShowState.Direction == 0 || !IntervalTimer)
        return;
    // After the voice the show steps on; a voice that could not be played
    // leaves the picture its default interval.
    if (failed)
        ShowState.CurrentInterval = IntervalWithoutVoice(ShowState.CurrentInterval, ShowState.DefaultInterval);
    ShowState.StepReentry = 0;
    IntervalTimer->setInterval(failed ? NextIntervalMs(ShowState.CurrentInterval, 0) : 200);
    IntervalTimer->start();
}

void TForm1::StartMusicFadeBeforeNextStep(int intervalMs)
{
    if (!FadeTimer)
        return;
    const int fadeDelay = intervalMs - 1500;
    FadeTimer->stop();
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
    FadeTimer->setInterval(fadeDelay);
    FadeTimer->setSingleShot(true);
    FadeTimer->start();
}
