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

bool ReleaseVoiceFile(SoundSession& sound, const QString& picturePath)
{
    if (!sound.PictureSoundPlayerOpen)
        return false;
    if (!picturePath.isEmpty()) {
        const QString voice = VoiceFileName(picturePath, true);
        if (voice.compare(sound.VoicePlayerFile, Qt::CaseInsensitive) != 0)
            return false;
    }
    if (forcePlayer) {
        forcePlayer->stop();
        forcePlayer->setSource(QUrl());
    }
    sound.PictureSoundPlayerOpen = 0;
    sound.PictureSoundPlaying = 0;
    sound.RecordingPlaying = 0;
    sound.VoicePlayerFile.clear();
    return true;
}

bool PlayPictureSound(SoundSession& sound, const QString& soundPath)
{
    if (!QFileInfo(soundPath).isFile())
        return false;
    QMediaPlayer* player = PlayerForce();
    player->setSource(QUrl::fromLocalFile(soundPath));
    player->play();
    sound.VoicePlayerFile = soundPath;
    sound.PictureSoundPlayerOpen = 1;
    sound.PictureSoundPlaying = 1;
    return true;
}

void StopMusic(SoundSession& sound)
{
    if (queuePlayer)
        queuePlayer->stop();
    ReleaseVoiceFile(sound, QString());
    sound.MusicQueueActive = 0;
    sound.PlaylistPaused = 0;
}

void StartMusicFadeOut(SoundSession& sound)
{
    if (queuePlayer)
        queuePlayer->stop();
    sound.MusicQueueActive = 0;
}
