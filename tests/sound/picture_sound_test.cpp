// The sound of a shown picture: when it plays, when the show waits for it,
// what interval a picture gets without its voice, when the music fades, and
// the voice player's release.
#include "app/main_window.h"
#include "support/test_state.h"
#include "sound/sound_state.h"

#include "support/sandbox.h"

#include <QAction>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(PictureSound, PlaysOnlyARecordsExistingSoundFileOnADevice)
{
    PictureSoundInput in;
    in.recordRead = true;
    in.devicePresent = true;
    in.soundKind = QStringLiteral("F");
    in.soundFile = QStringLiteral("/s/a.wav");
    in.soundFileExists = true;
    in.intervalSeconds = VoiceIntervalSeconds;
    PictureSoundPlan plan = PlanPictureSound(in);
    EXPECT_TRUE(plan.playPictureSound);
    EXPECT_TRUE(plan.waitForVoice);
    EXPECT_FALSE(plan.restartQueue || plan.playQueueFirst);

    in.intervalSeconds = 5;
    in.queueActive = in.restartPending = true;
    plan = PlanPictureSound(in);
    EXPECT_TRUE(plan.playPictureSound && plan.restartQueue);
    EXPECT_FALSE(plan.waitForVoice);

    // No device, no record, a playlist link or a missing file: the picture's
    // sound does not play and nothing waits for it; a pending music queue
    // starts from its first track instead (on a device only).
    for (auto change : {+[](PictureSoundInput& i) { i.devicePresent = false; },
                        +[](PictureSoundInput& i) { i.recordRead = false; },
                        +[](PictureSoundInput& i) { i.soundKind = QStringLiteral("L"); },
                        +[](PictureSoundInput& i) { i.soundFileExists = false; }}) {
        PictureSoundInput other = in;
        other.intervalSeconds = VoiceIntervalSeconds;
        change(other);
        plan = PlanPictureSound(other);
        EXPECT_FALSE(plan.playPictureSound || plan.waitForVoice);
        EXPECT_EQ(plan.playQueueFirst, other.devicePresent && other.recordRead);
    }

    EXPECT_EQ(IntervalWithoutVoice(VoiceIntervalSeconds, 3), 3);
    EXPECT_EQ(IntervalWithoutVoice(7, 3), 7);
}

TEST(PictureSound, MusicFadesOnlyWithTimeADeviceAndAMusicFileOfItsOwn)
{
    EXPECT_TRUE(MusicFadeDue(3500, true, QStringLiteral("F"), true, false));
    EXPECT_FALSE(MusicFadeDue(50, true, QStringLiteral("F"), true, false));
    EXPECT_FALSE(MusicFadeDue(3500, false, QStringLiteral("F"), true, false));
    EXPECT_FALSE(MusicFadeDue(3500, true, QStringLiteral("L"), true, false));
    EXPECT_FALSE(MusicFadeDue(3500, true, QStringLiteral("F"), false, false));
    EXPECT_FALSE(MusicFadeDue(3500, true, QStringLiteral("F"), true, true));
}

TEST(PictureSound, TheVoicePlayerIsReleasedForItsOwnPictureOnly)
{
    const QString dir = testsupport::freshDir(QStringLiteral("voice"));
    MainWindow form(TestState());
    form.findChild<QToolButton*>(QStringLiteral("VoicePlaySB"))->setToolTip(QStringLiteral("Stop"));
    // The picture-sound player holds Photo's voice recording (the player
    // itself is made only when a sound device exists).
    SoundSession& sound = form.sound()->session();
    const auto holdVoice = [&dir, &sound] {
        sound.VoicePlayerFile = dir + "/Photo.wav";
        sound.PictureSoundPlayerOpen = 1;
        sound.PictureSoundPlaying = 1;
    };
    holdVoice();

    // Another picture's voice stays open; this picture's (any letter case) closes.
    form.sound()->ReleaseVoiceFile(dir + "/Other.jpg");
    EXPECT_EQ(sound.PictureSoundPlayerOpen, 1);
    EXPECT_EQ(form.findChild<QToolButton*>(QStringLiteral("VoicePlaySB"))->toolTip(), QStringLiteral("Stop"));
    form.sound()->ReleaseVoiceFile(dir + "/PHOTO.JPG");
    EXPECT_EQ(sound.PictureSoundPlayerOpen, 0);
    EXPECT_EQ(sound.PictureSoundPlaying, 0);
    EXPECT_TRUE(sound.VoicePlayerFile.isEmpty());
    EXPECT_EQ(form.findChild<QToolButton*>(QStringLiteral("VoicePlaySB"))->toolTip(), QStringLiteral("Play voice recording"));
    EXPECT_FALSE(form.findChild<QToolButton*>(QStringLiteral("VoicePlaySB"))->icon().isNull());

    // Without a picture the player is always closed.
    holdVoice();
    form.sound()->ReleaseVoiceFile();
    EXPECT_EQ(sound.PictureSoundPlayerOpen, 0);
}
