#include "sound/sound_state.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

bool SoundDevicePresent()
{
    return !QMediaDevices::audioOutputs().isEmpty();
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
