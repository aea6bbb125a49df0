// The state of the sound players that browsing and start-up read and set,
// the voice recording of a picture, and the plain decisions about a shown
// picture's sound (no player: see sound_state.h).
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The state of the sound players and the music queue, kept by the main
// window and handed to the functions that play and release sounds.
struct SoundSession {
    QStringList PlayQueue;              // the music queue (sound file paths)
    int32_t PlayQueueIndex = -1;        // -1 before the first track
    uint8_t PlaylistPaused = 0;
    QString CurrentTrackTitle;          // read by the "P" hint
    uint8_t MusicQueueActive = 0;
    uint8_t QueueRestartPending = 0;
    uint8_t PictureSoundPlaying = 0;
    uint8_t PictureSoundPlayerOpen = 0;
    uint8_t RecordingPlaying = 0;
    QString CurrentTrackKind;           // "F" = file
    QString CurrentTrackPath;
    QString VoicePlayerFile;            // the file the picture-sound player holds
    QString VoiceFileDetected;          // the voice file the "Voice file detected" window names
};

// The picture's voice recording: the picture path without its extension +
// ".wav"; empty when that file does not exist, unless `keep` is set.
QString VoiceFileName(const QString& picturePath, bool keep);

// ---- the sound of a shown picture ---------------------------------------------

// The interval value of a show record that holds its picture as long as the
// picture's voice plays.
constexpr int VoiceIntervalSeconds = 999;

// What the display step does with the sound once a picture is shown.
struct PictureSoundInput {
    bool recordRead = false;      // the picture's show record was read
    bool devicePresent = false;   // SoundDevicePresent()
    QString soundKind;            // the record's sound kind ("F" = file)
    QString soundFile;
    bool soundFileExists = false;
    int intervalSeconds = 0;      // the picture's interval
    bool queueActive = false;     // MusicQueueActive
    bool restartPending = false;  // QueueRestartPending
};
struct PictureSoundPlan {
    bool playPictureSound = false;   // the record's own sound plays
    bool waitForVoice = false;       // the show waits until it has played
    bool restartQueue = false;       // the music queue starts again (after the picture's sound)
    bool playQueueFirst = false;     // the music queue starts again from its first track now
};
PictureSoundPlan PlanPictureSound(const PictureSoundInput& in);

// The interval a picture keeps when no voice plays: a picture that was to
// stay as long as its voice gets the show's default interval.
int IntervalWithoutVoice(int intervalSeconds, int defaultSeconds);

// Whether the music fades out before the next picture: the fade has time
// (`fadeDelayMs` above 50), a sound device exists, the music plays a file
// that exists, and the picture has no sound file of its own.
bool MusicFadeDue(int fadeDelayMs, bool devicePresent, const QString& musicKind, bool musicFileExists,
                  bool pictureHasOwnSound);
