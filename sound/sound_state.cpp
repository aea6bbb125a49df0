#include "sound/sound_state.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

QStringList PlayQueue;
int32_t PlayQueueIndex = -1;
uint8_t PlaylistPaused = 0;
QString CurrentTrackTitle;
uint8_t MusicQueueActive = 0;
uint8_t QueueRestartPending = 0;
uint8_t PictureSoundPlaying = 0;
uint8_t PictureSoundPlayerOpen = 0;
uint8_t RecordingPlaying = 0;
QString CurrentTrackKind;
QString CurrentTrackPath;
QString VoicePlayerFile;

bool SoundDevicePresent()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

QString VoiceFileName(const QString& picturePath, bool keep)
{
    const QFileInfo info(picturePath);
    QString base = picturePath;
    if (!info.suffix().isEmpty())
        base.chop(info.suffix().size() + 1);
    const QString voice = base + QStringLiteral(".wav");
    if (keep || QFileInfo(voice).isFile())
        return voice;
    return {};
}

namespace {

QMediaPlayer* makePlayer()
{
    auto* player = new QMediaPlayer;
    auto* output = new QAudioOutput(player);
    player->setAudioOutput(output);
    return player;
}

QMediaPlayer* forcePlayer = nullptr;
QMediaPlayer* queuePlayer = nullptr;

} // namespace

QMediaPlayer* PlayerForce()
{
    if (!forcePlayer)
        forcePlayer = makePlayer();
    return forcePlayer;
}

QMediaPlayer* PlayerQueue()
{
    if (!queuePlayer)
        queuePlayer = makePlayer();
    return queuePlayer;
}

bool ReleaseVoiceFile(const QString& picturePath)
{
    if (!PictureSoundPlayerOpen)
        return false;
    if (!picturePath.isEmpty()) {
        const QString voice = VoiceFileName(picturePath, true);
        if (voice.compare(VoicePlayerFile, Qt::CaseInsensitive) != 0)
            return false;
    }
    if (forcePlayer) {
        forcePlayer->stop();
        forcePlayer->setSource(QUrl());
    }
    PictureSoundPlayerOpen = 0;
    PictureSoundPlaying = 0;
    RecordingPlaying = 0;
    VoicePlayerFile.clear();
    return true;
}

bool PlayPictureSound(const QString& soundPath)
{
    if (!QFileInfo(soundPath).isFile())
        return false;
    QMediaPlayer* player = PlayerForce();
    player->setSource(QUrl::fromLocalFile(soundPath));
    player->play();
    VoicePlayerFile = soundPath;
    PictureSoundPlayerOpen = 1;
    PictureSoundPlaying = 1;
    return true;
}

void StopMusic()
{
    if (queuePlayer)
        queuePlayer->stop();
    ReleaseVoiceFile(QString());
    MusicQueueActive = 0;
    PlaylistPaused = 0;
}

void StartMusicFadeOut()
{
    if (queuePlayer)
        queuePlayer->stop();
    MusicQueueActive = 0;
}

PictureSoundPlan PlanPictureSound(const PictureSoundInput& in)
{
    PictureSoundPlan plan;
    if (!in.recordRead || !in.devicePresent)
        return plan;
    if (in.soundKind == QLatin1String("F") && !in.soundFile.isEmpty() && in.soundFileExists) {
        plan.playPictureSound = true;
        plan.waitForVoice = in.intervalSeconds == VoiceIntervalSeconds;
        plan.restartQueue = in.queueActive && in.restartPending;
    } else if (in.queueActive && in.restartPending) {
        plan.playQueueFirst = true;
    }
    return plan;
}

int IntervalWithoutVoice(int intervalSeconds, int defaultSeconds)
{
    return intervalSeconds == VoiceIntervalSeconds ? defaultSeconds : intervalSeconds;
}

bool MusicFadeDue(int fadeDelayMs, bool devicePresent, const QString& musicKind, bool musicFileExists,
                  bool pictureHasOwnSound)
{
    return fadeDelayMs > 50 && devicePresent && musicKind == QLatin1String("F") && musicFileExists
           && !pictureHasOwnSound;
}
