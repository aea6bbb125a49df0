// The sound players (the picture's own sound and the music queue) and the
// sound device check; the state they keep is a SoundSession (sound_plan.h).
#pragma once

#include "sound/sound_plan.h"

#include <QString>

class QMediaPlayer;

// True when at least one sound output device exists. No device is a normal
// state, not an error.
bool SoundDevicePresent();

// The two players: the picture's own sound and the music queue (created on
// first use).
QMediaPlayer* PlayerForce();
QMediaPlayer* PlayerQueue();

// Closes the picture-sound player when it holds `picturePath`'s voice
// recording (compared case-insensitively), or always when the path is empty.
// Returns true when the player was closed.
bool ReleaseVoiceFile(SoundSession& sound, const QString& picturePath);

// Plays a sound file on the picture-sound player (returns false when the
// file does not exist).
bool PlayPictureSound(SoundSession& sound, const QString& soundPath);

// Stops both players and ends a fade; clears the queue state.
void StopMusic(SoundSession& sound);
// Starts fading out the music queue (the least: stops it).
void StartMusicFadeOut(SoundSession& sound);
