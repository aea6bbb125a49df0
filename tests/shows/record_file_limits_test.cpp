// The record readers against hostile data files: a file larger than its
// format can hold is refused unread with a message, and a pipe named like
// a data file (or a sound, or a folder's ".hidden" list) is refused without
// being opened (a pipe without a writer
// would block here for ever; the test's CTest timeout is the guard).
#include "base/settings_fields.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_logic.h"
#include "platform/file_attributes.h"
#include "platform/record_file.h"
#include "shows/known_shows.h"
#include "shows/show_file.h"
#include "base/rc_settings.h"
#include "base/sound_records.h"
#include "sound/sound_state.h"
#include "support/sandbox.h"

#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A sparse file of the given size (takes no disk space).
QString sparseFile(const QString& path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        return QString();
    return path;
}

} // namespace

TEST(RecordFileLimits, FilesLargerThanTheirFormatHoldsAreRefused)
{
    const QString dir = testsupport::freshDir("limits");
    const QString show = sparseFile(dir + "/big.vxt", MaxShowFileBytes + ShowRecordSize);
    ASSERT_FALSE(show.isEmpty());
    OpenShow openShow;
    const platform::RecordResult opened = PrepareShowWorkingCopy(openShow, show, dir + "/work.tmp");
    EXPECT_EQ(opened.Status, platform::RecordStatus::WrongSize);
    EXPECT_TRUE(opened.Message.contains("too large")) << opened.Message.toStdString();
    EXPECT_FALSE(openShow.ShowFile.IsOpen());
    EXPECT_TRUE(ReadShowPicturePaths(show).isEmpty());

    // The list readers say that the file was refused, and why.
    const auto refusedAsTooLarge = [](const auto& read) {
        return read.refused() && read.Items.empty() && read.Status == platform::RecordStatus::WrongSize
               && read.Reason.startsWith("it is larger than its format holds");
    };
    const QString list = sparseFile(dir + "/AllMyShow.dat", (MaxKnownShows + 1) * ShowListRecordSize);
    EXPECT_TRUE(refusedAsTooLarge(ReadKnownShows(list, false)));
    const QString playlist = sparseFile(dir + "/big.vxz", (MaxPlaylistRecords + 1) * PlaylistRecordSize);
    EXPECT_TRUE(refusedAsTooLarge(ReadPlaylist(playlist)));
    const QString exclusions = sparseFile(dir + "/ExcludeFolder.dat", (MaxExcludeFolderRecords + 1) * 205);
    EXPECT_TRUE(refusedAsTooLarge(ReadExcludeFolderFile(exclusions)));

    QByteArray bytes;
    const QString other = sparseFile(dir + "/other.dat", platform::MaxWholeFileBytes + 1);
    const platform::RecordResult read = platform::ReadWholeFile(other, bytes);
    EXPECT_EQ(read.Status, platform::RecordStatus::WrongSize);
    EXPECT_TRUE(bytes.isEmpty());
}

TEST(RecordFileLimits, APipeNamedLikeADataFileIsRefused)
{
    const QString dir = testsupport::freshDir("pipes");
    const auto pipe = [&](const QString& name) {
        const QString path = dir + "/" + name;
        EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        return path;
    };
    const QString show = pipe("pipe.vxt");
    OpenShow openShow;
    EXPECT_FALSE(OpenNamedShow(openShow, show, dir + "/work.tmp", dir + "/vistamo.vxt").ok());
    EXPECT_FALSE(PrepareShowWorkingCopy(openShow, show, dir + "/work.tmp").ok() && OpenShowCount(openShow) > 0);
    CloseOpenShow(openShow);
    EXPECT_TRUE(ReadShowPicturePaths(show).isEmpty());
    const auto refusedAsPipe = [](const auto& read) {
        return read.refused() && read.Items.empty() && read.Reason == "it is a pipe, not a file";
    };
    EXPECT_TRUE(refusedAsPipe(ReadKnownShows(pipe("AllMyShow.dat"), false)));
    EXPECT_TRUE(refusedAsPipe(ReadPlaylist(pipe("list.vxz"))));
    EXPECT_TRUE(refusedAsPipe(ReadExcludeFolderFile(pipe("ExcludeFolder.dat"))));
    const TRCSettingsRecord rc = ReadRCSettings(pipe("RCSettings.dat"));
    EXPECT_EQ(EncodeRCSettings(rc), EncodeRCSettings(DefaultRCSettings()));
    TSearchSettingsRecord search;
    EXPECT_FALSE(ReadSearchSettings(pipe("VXSearchSettings.dat"), search).ok());
    TSettingsRecord settings;
    EXPECT_EQ(ReadSettingsFile(pipe("VXSettings61.dat"), settings).Status, platform::RecordStatus::OpenFailed);

    QByteArray bytes;
    const platform::RecordResult whole = platform::ReadWholeFile(pipe("any.dat"), bytes);
    EXPECT_EQ(whole.Status, platform::RecordStatus::OpenFailed);
    EXPECT_TRUE(whole.Message.contains("pipe")) << whole.Message.toStdString();
    platform::RecordFile file;
    EXPECT_EQ(file.OpenWithMode(pipe("records.dat"), 10, FileModeReadOnly).Status, platform::RecordStatus::OpenFailed);

    // A sound, and a folder's ".hidden" list, that are pipes.
    SoundSession sound;
    EXPECT_FALSE(PlayPictureSound(sound, pipe("voice.wav")));
    pipe(".hidden");
    EXPECT_TRUE(ReadDotHiddenNames(dir).empty());
    EXPECT_FALSE(platform::IsHidden(dir + "/pipe.vxt"));
    EXPECT_FALSE(platform::SetHidden(dir + "/pipe.vxt", true));
}
