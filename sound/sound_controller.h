// The main window's sound: the sound of a shown picture, the voice player,
// the music queue and its fade before the next step of a show. The main
// window owns the controller and hands it its controls once built.
#pragma once

#include "sound/sound_plan.h"

#include <QObject>
#include <QString>

struct OpenShow;
struct ProgramState;
class QAction;
class QTimer;
class PreviewPanel;
class QWidget;

class SoundController : public QObject {
    Q_OBJECT
public:
    // The widgets the sound uses, built by the main window (any may be missing).
    struct Widgets {
        PreviewPanel* BrowsePreview = nullptr;   // its voice play button
        QTimer* IntervalTimer = nullptr;         // the slide show's step
    };

    // `window` is the main window (closed after an audio-only start);
    // `openShow` is the open show, whose record names the shown picture's
    // sound. Makes the music's fade timer ("FadeTimer", 100 ms) and queue
    // timer ("TimerMusic", 1000 ms), neither running.
    SoundController(QWidget& window, OpenShow& openShow, ProgramState& state);
    // The music's fade timer (running while a fade-out waits) and queue timer.
    QTimer* fadeTimer() const { return m_fadeTimer; }
    QTimer* musicTimer() const { return m_musicTimer; }
    // The widgets, handed over once the window has built them and its tool
    // bars (the voice play button is taken by objectName); the music fades
    // out once the fade timer has run down.
    void SetWidgets(const Widgets& widgets);

    // The state of the sound players and the music queue.
    SoundSession& session() { return m_sound; }

    void StopMusic();
    void ReleaseVoiceFile(const QString& PicturePath = QString());
    void ResetVoicePlayButton();
    // The default (or given) playlist; an audio-only start ends here with
    // AudioPlayerMissingExitCode, since the audio-only player is not built.
    void DefPlaylistClick();
    static constexpr int AudioPlayerMissingExitCode = 3;
    // Plays the sound of the open show's record (marked by
    // session().PictureSoundPlaying) or the music queue's track; false when
    // it could not be started.
    bool PlaySoundFile();
    // The display step's sound of the shown picture; true when the show
    // waits until the picture's voice has played.
    bool PlayShownPictureSound(bool RecordRead);
    // The voice the show waited for has ended (or could not be played).
    void VoiceEnded(bool Failed);
    // Arms the music fade-out before the next step of the show.
    void StartMusicFadeBeforeNextStep(int IntervalMs);
    // A page of thumbnails was shown: a music queue waiting to restart
    // starts again from its first track.
    void RestartPendingQueue();

private:
    void WatchVoicePlayer();

    QWidget& m_window;
    OpenShow& m_openShow;
    ProgramState& m_state;
    Widgets m_items;
    QAction* m_voicePlay = nullptr;  // VoicePlayTB
    QTimer* m_fadeTimer;
    QTimer* m_musicTimer;
    SoundSession m_sound;
    bool m_waitingForVoice = false;      // the show waits for the picture's voice
    bool m_voicePlayerWatched = false;
};
