#include "sound/sound_plan.h"

#include <QFileInfo>

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
