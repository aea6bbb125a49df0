// Record lists that can't be read whole are never rewritten from what was
// read: the list of known shows ("AllMyShow.dat"), the folder exclusions
// ("ExcludeFolder.dat") and a playlist, each larger than its format holds
// (a sparse file), a pipe, or a folder in the file's place. The assembled
// main window meets each through its real rewrite: the close, an exclusion
// change, a folder rename. The file stays as it was and the user is told.
#include "base/data_folder.h"
#include "support/test_state.h"
#include "base/settings_fields.h"
#include "base/settings_record.h"
#include "app/main_window.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"
#include "platform/prompt.h"
#include "shows/known_shows.h"
#include "shows/show_windows.h"
#include "base/sound_records.h"
#include "support/main_window_fixture.h"
#include "support/sandbox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include <sys/stat.h>

using testsupport::MainWindowFixture;
using testsupport::readFile;

namespace {

enum class Refused { TooLarge, Pipe, Folder };

const char* nameOf(Refused kind)
{
    switch (kind) {
    case Refused::TooLarge:
        return "TooLarge";
    case Refused::Pipe:
        return "Pipe";
    case Refused::Folder:
        return "Folder";
    }
    return "Other";
}

void PrintTo(Refused kind, std::ostream* out)
{
    *out << nameOf(kind);
}

// Puts in `path` what the readers refuse: a sparse file one record larger
// than the format holds that starts with `firstRecord`, a pipe, or a folder
// holding a file.
void placeRefused(const QString& path, Refused kind, qint64 maxBytes, const QByteArray& firstRecord)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    switch (kind) {
    case Refused::TooLarge: {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(firstRecord), firstRecord.size());
        ASSERT_TRUE(file.resize(maxBytes + firstRecord.size()));
        break;
    }
    case Refused::Pipe:
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        break;
    case Refused::Folder:
        ASSERT_TRUE(QDir().mkpath(path));
        ASSERT_TRUE(testsupport::writeFile(path + "/inside", "kept"));
        break;
    }
}

// What is at a path: a pipe, a folder with its entries, or a file's bytes.
QByteArray onDisk(const QString& path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return "missing";
    if (S_ISFIFO(st.st_mode))
        return "pipe";
    if (S_ISDIR(st.st_mode))
        return "folder:" + QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join('|').toUtf8();
    return "file:" + readFile(path);
}

// The reason a reader gives for the refused file.
QString reasonFor(Refused kind, qint64 maxBytes, qint64 recordSize)
{
    switch (kind) {
    case Refused::TooLarge:
        return QStringLiteral("it is larger than its format holds: %1 bytes, at most %2")
            .arg(maxBytes + recordSize)
            .arg(maxBytes);
    case Refused::Pipe:
        return QStringLiteral("it is a pipe, not a file");
    case Refused::Folder:
        return QStringLiteral("it is a folder, not a file");
    }
    return {};
}

bool shown(platform::PromptKind kind, const QString& text)
{
    for (const platform::PromptRecord& r : platform::promptLog())
        if (r.request.kind == kind && r.request.text == text)
            return true;
    return false;
}

QString allPrompts()
{
    QStringList texts;
    for (const platform::PromptRecord& r : platform::promptLog())
        texts << r.request.text;
    return texts.join(" | ");
}

const qint64 ShowListMaxBytes = MaxKnownShows * ShowListRecordSize;
const qint64 ExclusionsMaxBytes = MaxExcludeFolderRecords * ExcludeFolderRecordSize;
const qint64 PlaylistMaxBytes = MaxPlaylistRecords * PlaylistRecordSize;

class RefusedListTest : public ::testing::TestWithParam<Refused> {
protected:
    QString showList = DefaultDataFolder() + "/AllMyShow.dat";
    QString exclusions = DefaultDataFolder() + "/ExcludeFolder.dat";
};

} // namespace

TEST_P(RefusedListTest, TheCloseLeavesTheKnownShowsAsTheyAreAndSaysSo)
{
    placeRefused(showList, GetParam(), ShowListMaxBytes, EncodeShowListRecord("/shows/kept.vxt"));
    const QByteArray before = onDisk(showList);
    MainWindowFixture window;
    ASSERT_EQ(window.form()->state().paths.ShowListPath, showList);
    ASSERT_TRUE(window.form()->showManager());
    EXPECT_TRUE(window.form()->showManager()->KnownShows().isEmpty());
    // A show added during the run does not make the close rewrite the file.
    window.form()->showManager()->AddKnownShow(window.parentFolder() + "/new.vxt");

    window.clearPrompts();
    ASSERT_TRUE(window.closeWindow());
    EXPECT_EQ(onDisk(showList), before);
    const QString told = KnownShowsLeftText(showList, reasonFor(GetParam(), ShowListMaxBytes, ShowListRecordSize));
    EXPECT_EQ(told, "Vistamo! : The list of MyShow files " + showList + " could not be read ("
                        + reasonFor(GetParam(), ShowListMaxBytes, ShowListRecordSize) + "); it is left as it is.");
    EXPECT_TRUE(shown(platform::PromptKind::Warning, told)) << allPrompts().toStdString();
    EXPECT_EQ(platform::promptLog().size(), 1) << allPrompts().toStdString();
    // The settings were saved as usual.
    TSettingsRecord saved;
    ASSERT_TRUE(ReadSettingsFile(window.form()->state().paths.SettingsFileName, saved).ok());
    EXPECT_EQ(saved.RunningMarker, 0);
}

TEST_P(RefusedListTest, AnExclusionChangeLeavesTheExclusionsAsTheyAreAndSaysSo)
{
    placeRefused(exclusions, GetParam(), ExclusionsMaxBytes,
                 EncodeExcludeFolderRecord(TExcludeFolderRecord{"/kept", 1, 0, 0, 0}));
    const QByteArray before = onDisk(exclusions);
    MainWindowFixture window;
    ASSERT_EQ(window.form()->state().paths.ExcludeFolderPath, exclusions);
    window.clickNode(window.folder());
    ASSERT_EQ(window.form()->folderTree()->SelectedFolder, window.folder());

    window.clearPrompts();
    window.form()->actionNamed("BrowsePop")->trigger();
    EXPECT_EQ(onDisk(exclusions), before);
    const QString reason = reasonFor(GetParam(), ExclusionsMaxBytes, ExcludeFolderRecordSize);
    EXPECT_TRUE(shown(platform::PromptKind::Warning, "Vistamo! : The folder exclusions " + exclusions
                                                         + " could not be read (" + reason
                                                         + "); they are left as they are."))
        << allPrompts().toStdString();
    EXPECT_EQ(platform::promptLog().size(), 1) << allPrompts().toStdString();
    // The marks show that nothing was stored.
    EXPECT_FALSE(window.form()->actionNamed("Browse")->isChecked());
    EXPECT_FALSE(window.form()->actionNamed("BrowsePop")->isChecked());

    // Clearing the refused file asks first; cancelled, it stays too.
    window.form()->actionNamed("ClearExclusions")->trigger();
    EXPECT_TRUE(shown(platform::PromptKind::Confirmation, "Please confirm clearing all folder exclusions"))
        << allPrompts().toStdString();
    EXPECT_EQ(onDisk(exclusions), before);
}

TEST_P(RefusedListTest, AFolderRenameLeavesEveryRefusedListAsItIsAndSaysSo)
{
    TSettingsRecord& Settings = TestState().settings.Settings;
    placeRefused(showList, GetParam(), ShowListMaxBytes, EncodeShowListRecord("/shows/kept.vxt"));
    placeRefused(exclusions, GetParam(), ExclusionsMaxBytes,
                 EncodeExcludeFolderRecord(TExcludeFolderRecord{"/kept", 1, 0, 0, 0}));
    MainWindowFixture window;
    // A playlist in the playlist folder, refused the same way; a pipe or a
    // folder there is not taken for a playlist at all.
    const QString playlist = window.form()->state().paths.PlaylistsFolder + "/Trip songs.vxz";
    TPlaylistRecord track;
    track.SoundPath = window.folder() + "/song.mp3";
    placeRefused(playlist, GetParam(), PlaylistMaxBytes, EncodePlaylistRecord(track));
    const QByteArray showListBefore = onDisk(showList);
    const QByteArray exclusionsBefore = onDisk(exclusions);
    const QByteArray playlistBefore = onDisk(playlist);
    Settings.KeepShowsInSync = 1;
    window.clickNode(window.folder());
    ASSERT_EQ(window.form()->folderTree()->SelectedFolder, window.folder());

    {
        platform::ScopedPromptResponder answers(QList<platform::PromptReply>{platform::PromptReply::ok("Holiday")});
        emit window.form()->findChild<QMenu*>("FolderOperations")->aboutToShow();
        ASSERT_TRUE(window.form()->actionNamed("RenameFolder")->isEnabled());
        window.form()->actionNamed("RenameFolder")->trigger();
        EXPECT_TRUE(QFileInfo(window.parentFolder() + "/Holiday/a.jpg").isFile());
        EXPECT_EQ(onDisk(showList), showListBefore);
        EXPECT_EQ(onDisk(exclusions), exclusionsBefore);
        EXPECT_EQ(onDisk(playlist), playlistBefore);
        EXPECT_TRUE(shown(platform::PromptKind::Error,
                          ExclusionsLeftText(exclusions,
                                             reasonFor(GetParam(), ExclusionsMaxBytes, ExcludeFolderRecordSize))))
            << allPrompts().toStdString();
        EXPECT_TRUE(shown(platform::PromptKind::Warning,
                          KnownShowsLeftText(showList, reasonFor(GetParam(), ShowListMaxBytes, ShowListRecordSize))))
            << allPrompts().toStdString();
        const QString playlistTold = "Can not open " + playlist + " ("
                                     + reasonFor(GetParam(), PlaylistMaxBytes, PlaylistRecordSize)
                                     + "); it is left as it is.";
        EXPECT_EQ(shown(platform::PromptKind::Error, playlistTold), GetParam() == Refused::TooLarge)
            << allPrompts().toStdString();
        // The input box and one message for each list the rename could not follow.
        EXPECT_EQ(platform::promptLog().size(), GetParam() == Refused::TooLarge ? 4 : 3) << allPrompts().toStdString();
    }

    // The close that follows leaves the known shows too.
    ASSERT_TRUE(window.closeWindow());
    EXPECT_EQ(onDisk(showList), showListBefore);
}

INSTANTIATE_TEST_SUITE_P(InTheFilesPlace, RefusedListTest,
                         ::testing::Values(Refused::TooLarge, Refused::Pipe, Refused::Folder),
                         [](const ::testing::TestParamInfo<Refused>& info) { return std::string(nameOf(info.param)); });
