#include "base/environment.h"
#include "base/sound_records.h"
#include "sound/sound_state.h"
#include "sound/voice_file_window.h"

#include "platform/prompt.h"
#include "support/sandbox.h"

#include <QDir>
#include <QLabel>
#include <QtEndian>
#include <gtest/gtest.h>

using testsupport::freshDir;
using testsupport::readFile;
using testsupport::writeFile;

TEST(PlaylistRecord, PathAndPlayOrderAtTheirOffsets)
{
    TPlaylistRecord track;
    track.SoundPath = QStringLiteral("/music/song.mp3");
    track.PlayOrder = 0x01020304;
    const QByteArray b = EncodePlaylistRecord(track);
    ASSERT_EQ(b.size(), 208);
    EXPECT_EQ(quint8(b[0]), 15);
    EXPECT_EQ(b.mid(1, 15), QByteArray("/music/song.mp3"));
    EXPECT_EQ(quint8(b[204]), 0x04);
    EXPECT_EQ(quint8(b[207]), 0x01);

    const QString path = freshDir(QStringLiteral("pl")) + QStringLiteral("/Default Playlist.vxz");
    TPlaylistRecord second;
    second.SoundPath = QStringLiteral("/music/two.wav");
    second.PlayOrder = 2;
    ASSERT_TRUE(WritePlaylist(path, {track, second}).ok());
    EXPECT_EQ(readFile(path).size(), 416);
    const auto back = ReadPlaylist(path).Items;
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back[1].SoundPath, second.SoundPath);
    EXPECT_EQ(back[0].PlayOrder, 0x01020304);
}

TEST(SearchSettings, DefaultRecordByteByByte)
{
    const QString root = freshDir(QStringLiteral("vol"));
    const QString music = freshDir(QStringLiteral("Music"));
    QDir().mkpath(root + QStringLiteral("/Sound files"));
    QDir().mkpath(root + QStringLiteral("/Music"));

    const TSearchSettingsRecord record = DefaultSearchSettings(music, root);
    const QByteArray b = EncodeSearchSettings(record);
    ASSERT_EQ(b.size(), 3920);
    const auto folderAt = [&](int i) {
        return QString::fromUtf8(b.mid(i * 201 + 1, quint8(b[i * 201])));
    };
    EXPECT_EQ(folderAt(0), music);
    EXPECT_EQ(folderAt(1), root + QStringLiteral("/Sound files"));
    EXPECT_EQ(folderAt(2), root + QStringLiteral("/Music"));
    EXPECT_EQ(quint8(b[3 * 201]), 0);
    for (int offset = 1809; offset <= 1813; ++offset)
        EXPECT_EQ(b[offset], 1) << offset;
    for (int offset : {1814, 2324, 2834})
        EXPECT_EQ(b[offset], 0);
    EXPECT_EQ(b.mid(3344, 3), QByteArray(3, 0));
    EXPECT_EQ(b.mid(3347, 3), QByteArray(3, 1));
    EXPECT_EQ(b.mid(3350, 3), QByteArray(3, 1));
    EXPECT_EQ(b[3353], 0);
    EXPECT_EQ(b[3354], 0);

    // None of the folders exists: the volume root.
    const TSearchSettingsRecord bare = DefaultSearchSettings(QString(), freshDir(QStringLiteral("empty")));
    EXPECT_FALSE(bare.Folders[0].isEmpty());
    EXPECT_TRUE(bare.Folders[1].isEmpty());
}

TEST(SearchSettings, DroppingOldFoldersRewritesOnlyTheFolders)
{
    const QString path = freshDir(QStringLiteral("s")) + QStringLiteral("/VXSearchSettings.dat");
    const QString music = freshDir(QStringLiteral("Music"));
    TSearchSettingsRecord record = DefaultSearchSettings(QString(), QStringLiteral("/nonexistent"));
    record.Folders[0] = QStringLiteral("C:\\Documents and Settings\\me\\My Music");
    record.Folders[1] = QStringLiteral("/sounds");
    record.WordHistories[1][3] = QStringLiteral("beatles");
    record.RawBytes[3900] = 'k';
    ASSERT_TRUE(WriteSearchSettings(path, record).ok());

    ASSERT_TRUE(DropOldSoundSearchFolders(path, QStringLiteral("c"), music));
    TSearchSettingsRecord back;
    ASSERT_TRUE(ReadSearchSettings(path, back).ok());
    EXPECT_EQ(back.Folders[0], QStringLiteral("/sounds"));
    EXPECT_EQ(back.Folders[1], music);
    EXPECT_EQ(back.WordHistories[1][3], QStringLiteral("beatles"));
    EXPECT_EQ(back.RawBytes[3900], 'k');
    EXPECT_EQ(readFile(path).size(), 3920);

    // A second run does not add the music folder again.
    ASSERT_TRUE(DropOldSoundSearchFolders(path, QStringLiteral("c"), music));
    ASSERT_TRUE(ReadSearchSettings(path, back).ok());
    EXPECT_TRUE(back.Folders[2].isEmpty());
    EXPECT_FALSE(DropOldSoundSearchFolders(path + QStringLiteral(".missing"), QStringLiteral("c"), music));
}

TEST(Voice, FileNameAndTheVoiceFileQuestion)
{
    const QString dir = freshDir(QStringLiteral("voice"));
    const QString picture = dir + QStringLiteral("/Beach.JPG");
    EXPECT_TRUE(VoiceFileName(picture, false).isEmpty());
    EXPECT_EQ(VoiceFileName(picture, true), dir + QStringLiteral("/Beach.wav"));
    writeFile(dir + QStringLiteral("/Beach.wav"), "RIFF");
    EXPECT_EQ(VoiceFileName(picture, false), dir + QStringLiteral("/Beach.wav"));

    platform::ScopedPromptResponder answer({platform::PromptReply::button(platform::PromptAnswer::All),
                                            platform::PromptReply::button(platform::PromptAnswer::NoToAll)});
    SoundSession sound;
    EXPECT_EQ(AskVoiceFileAction(sound, dir + QStringLiteral("/Beach.wav")), VoiceAnswerAlways);
    EXPECT_EQ(AskVoiceFileAction(sound, dir + QStringLiteral("/Beach.wav")), VoiceAnswerNever);
    ASSERT_EQ(platform::promptLog().size(), 2);
    EXPECT_EQ(platform::promptLog()[0].request.title, QStringLiteral("Voice file detected (.wav)"));
    EXPECT_EQ(platform::promptLog()[0].request.text, dir + QStringLiteral("/Beach.wav"));
    EXPECT_EQ(sound.VoiceFileDetected, dir + QStringLiteral("/Beach.wav"));

    VoiceFileDialog window;
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("WavLabel")), static_cast<QWidget*>(window.WavLabel));
}
