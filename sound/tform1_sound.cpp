// The main window's sound commands.
#include "app/tform1.h"

#include "app/start_args.h"
#include "sound/sound_state.h"
#include "slideshow/show_state.h"

#include <QAction>
#include <QTimer>
#include <QToolButton>

void TForm1::StopMusic()
{
    if (FadeTimer)
        FadeTimer->stop();
    ::StopMusic();
    ResetVoicePlayButton();
}

void TForm1::ReleaseVoiceFile(const QString& PicturePath)
{
    if (::ReleaseVoiceFile(PicturePath))
        ResetVoicePlayButton();
}

void TForm1::ResetVoicePlayButton()
{
    const QString hint = QStringLiteral("Play voice recording");
    if (PlaybackActive == 1) {
        if (VoicePlayTB)
            VoicePlayTB->setToolTip(hint);
    } else if (VoicePlaySB) {
        VoicePlaySB->setToolTip(hint);
    }
}

void TForm1::DefPlaylistClick()
{
    // The playlist editor is not built yet: the default (or given) playlist
    // is only queued. An audio-only start has nothing else to show and ends.
    PlayQueue.clear();
    PlayQueueIndex = -1;
    if (AudioMode)
        QTimer::singleShot(0, this, [this] { close(); });
}
