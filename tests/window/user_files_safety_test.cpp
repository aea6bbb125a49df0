// Nothing the user owns is lost, seen in the assembled window: the start
// after real kills of a write, a move and a folder rename keeps the user's
// own hidden files, removes the killed write's leftover in a picture folder,
// finds the picture with its recording and the stored paths naming the
// renamed folder; a bind mount's top folder is a volume root for the
// keyboard's pop-up; a folder on a drive without a Trash is not deleted,
// with one message that names the files and the reason.
#include "app/main_window.h"
#include "base/data_folder.h"
#include "base/data_paths.h"
#include "base/file_helpers.h"
#include "base/settings_fields.h"
#include "base/settings_record.h"
#include "browse/folder_ops.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"
#include "browse/picture_file_ops.h"
#include "platform/prompt.h"
#include "platform/temp_files.h"
#include "platform/work_journal.h"
#include "support/event_waits.h"
#include "support/main_window_fixture.h"
#include "support/sandbox.h"
#include "support/scoped_mount.h"
#include "support/test_state.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::freshDir;
using testsupport::MainWindowFixture;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// Runs `work` in a child process, which calls `atThePoint` where it is to be
// killed; the child is then killed with SIGKILL, as a crash would end it.
// False when the child never came to that point.
bool killMidway(const std::function<void(const std::function<void()>& atThePoint)>& work)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return false;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ready[0]);
        work([&] {
            const char one = 1;
            if (::write(ready[1], &one, 1) == 1)
                for (;;)
                    ::pause();
        });
        ::_exit(1);
    }
    ::close(ready[1]);
    char got = 0;
    const bool reached = pid > 0 && ::read(ready[0], &got, 1) == 1;
    ::close(ready[0]);
    if (pid > 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    return reached;
}

void makeOld(const QString& path)
{
    QFile f(path);
    if (f.open(QIODevice::ReadWrite))
        f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
}

// A folder operations host whose rewrite of the stored paths stops (for the
// kill) right after the folder got its new name.
class StopAfterRename : public FolderOpsHost {
public:
    StopAfterRename(TSettingsRecord& settings, std::function<void()> stop) : FolderOpsHost(settings), m_stop(std::move(stop)) {}
    void processEvents() override { m_stop(); }

private:
    std::function<void()> m_stop;
};

} // namespace

TEST(UserFilesSafety, TheStartAfterKillsKeepsTheUsersFilesAndFinishesWhatWasInterrupted)
{
    DataPaths paths;
    SetDataFolderPaths(paths, DefaultDataFolder());
    for (const QString& folder : {paths.DataFolder, paths.ShowsFolder, paths.PlaylistsFolder})
        QDir().mkpath(folder);
    // The user's own hidden files, named like temporary files of old, an hour old.
    const QStringList own{paths.DataFolder + "/.holiday.backup", paths.ShowsFolder + "/.mynotes.rescue",
                          paths.PlaylistsFolder + "/.party.Ab12Cd"};
    for (const QString& file : own) {
        ASSERT_TRUE(writeFile(file, "the user's"));
        makeOld(file);
    }
    const QString pictures = freshDir("killed");
    platform::SetJournalFolder(paths.DataFolder);

    // A thumbnail write killed half way in a picture folder.
    QDir().mkpath(pictures + "/vxothumb");
    ASSERT_TRUE(killMidway([&](const std::function<void()>& stop) {
        platform::TempFile t = platform::OpenTempFor(pictures + "/vxothumb/beach.jpg");
        if (t.fd >= 0 && ::write(t.fd, "half", 4) == 4)
            stop();
    }));
    ASSERT_TRUE(QFileInfo::exists(pictures + "/vxothumb/.beach.jpg.vistamo-tmp"));

    // A folder rename killed before the stored paths followed.
    const QString album = pictures + "/album";
    QDir().mkpath(album);
    TSettingsRecord rec;
    rec.Favorites[0] = album;
    rec.RecentFolders[0] = album + "/sub";
    rec.StartupFolder = album;
    ASSERT_TRUE(WriteSettingsFile(paths.SettingsPath, rec).ok());
    ASSERT_TRUE(killMidway([&](const std::function<void()>& stop) {
        platform::setPromptResponder([](const platform::PromptRequest&) { return platform::PromptReply(); });
        StopAfterRename host(rec, stop);
        RenameFolder(album, "trip", rec, paths.SettingsPath, paths.ExcludeFolderPath, true, host);
    }));
    ASSERT_TRUE(QFileInfo(pictures + "/trip").isDir());

    // A picture moved with its recording to another volume, killed while
    // the user is asked to confirm the removal of the source.
    const QString picture = pictures + "/beach.jpg";
    ASSERT_TRUE(writeFile(picture, QByteArray(300000, 'p')));
    ASSERT_TRUE(writeFile(VoicePathFor(picture), QByteArray(200000, 'v')));
    testsupport::ScopedMount other("tmpfs", freshDir("other") + "/volume", "tmpfs", 0, "size=8m");
    if (other.mounted) {
        ASSERT_TRUE(killMidway([&](const std::function<void()>& stop) {
            platform::setPromptResponder([&](const platform::PromptRequest&) {
                stop();
                return platform::PromptReply();
            });
            TSettingsRecord settings;
            PictureOpsHost host(settings);
            CopyState state;
            state.CopyModeMove = 1;
            testsupport::copyPictureFileToEnd(picture, other.path + "/beach.jpg", state, PictureOpsOptions(), host);
        }));
        ASSERT_TRUE(QFileInfo::exists(other.path + "/beach.wav"));
    }
    platform::SetJournalFolder(QString());

    MainWindowFixture f;
    for (const QString& file : own)
        EXPECT_EQ(readFile(file), "the user's") << file.toStdString();
    EXPECT_TRUE(QDir(pictures + "/vxothumb").entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_EQ(QDir(paths.DataFolder).entryList({"*.journal"}, QDir::Files), QStringList());
    const TSettingsRecord& settings = TestState().settings.Settings;
    EXPECT_EQ(settings.Favorites[0], pictures + "/trip");
    EXPECT_EQ(settings.RecentFolders[0], pictures + "/trip/sub");
    EXPECT_EQ(settings.StartupFolder, pictures + "/trip");
    // The picture and its recording are both where they were, whole, once.
    EXPECT_EQ(readFile(picture), QByteArray(300000, 'p'));
    EXPECT_EQ(readFile(VoicePathFor(picture)), QByteArray(200000, 'v'));
    if (!other.mounted)
        GTEST_SKIP() << "the move across volumes needs root to mount a tmpfs";
    EXPECT_TRUE(QDir(other.path).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(UserFilesSafety, ABindMountsTopFolderIsAVolumeRootAndADriveWithoutTrashKeepsItsFolder)
{
    MainWindowFixture f;
    MainWindow* form = f.form();
    const QString source = freshDir("bound");
    const QString bound = f.parentFolder() + "/Bound";
    writeFile(source + "/q.jpg", "picture");
    testsupport::ScopedMount bind(QFile::encodeName(source).constData(), bound, nullptr, MS_BIND, nullptr);
    if (!bind.mounted)
        GTEST_SKIP() << "a bind mount needs root";
    f.openFolder(f.parentFolder());
    QTreeWidget* tree = f.tree();
    QMenu* popup = form->findChild<QMenu*>("RightClickTreeView");
    const auto keyboardPopup = [&](const QString& selected, const QString& pointer) {
        f.clickNode(selected);
        f.hoverNode(f.node(pointer));
        f.clearPrompts();
        f.key(tree, Qt::Key_Menu);
        EXPECT_TRUE(f.waitFor([&] { return popup->isVisible(); }));
        const QList<bool> enabled{form->actionNamed("EmptyFolderPop")->isEnabled(),
                                  form->actionNamed("DeleteFolderPop")->isEnabled(),
                                  form->actionNamed("RenameFolderPop")->isEnabled()};
        popup->hide();
        f.settle();
        return enabled;
    };
    // The pop-up acts on the selected node, wherever the pointer rests.
    ASSERT_TRUE(f.node(bound));
    EXPECT_EQ(keyboardPopup(bound, f.folder()), (QList<bool>{false, false, false}));
    EXPECT_EQ(form->folderTree()->SelectedFolder, bound);
    EXPECT_EQ(keyboardPopup(f.folder(), bound), (QList<bool>{true, true, true}));
    EXPECT_EQ(form->folderTree()->SelectedFolder, f.folder());

    // A folder on a read-only volume (its drive has no Trash): nothing goes,
    // and one message names the files and why.
    const QString locked = f.parentFolder() + "/Locked";
    testsupport::ScopedMount card("tmpfs", locked, "tmpfs", 0, "size=1m");
    ASSERT_TRUE(card.mounted);
    QDir().mkpath(locked + "/Sub");
    writeFile(locked + "/Sub/r.jpg", "one");
    writeFile(locked + "/Sub/s.gif", "two");
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(locked).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    f.openFolder(f.parentFolder());
    f.clickExpander(f.node(locked));
    ASSERT_TRUE(f.node(locked + "/Sub"));
    EXPECT_EQ(keyboardPopup(locked + "/Sub", bound), (QList<bool>{true, true, true}));
    platform::ScopedPromptResponder answers([](const platform::PromptRequest& r) {
        return platform::PromptReply::button(r.buttons & unsigned(platform::PromptAnswer::Yes) ? platform::PromptAnswer::Yes
                                                                                               : platform::PromptAnswer::Ok);
    });
    form->actionNamed("DeleteFolderPop")->trigger();
    f.settle();
    const QStringList told = f.prompts();
    ASSERT_EQ(told.size(), 2) << told.join(" | ").toStdString();
    EXPECT_EQ(told[0], "Delete folder " + locked + "/Sub?");
    EXPECT_TRUE(told[1].startsWith("Folder " + locked + "/Sub could not be completely emptied and was therefore not deleted!"));
    for (const char* name : {"/Sub/r.jpg: ", "/Sub/s.gif: "})
        EXPECT_TRUE(told[1].contains(locked + name)) << told[1].toStdString();
    EXPECT_TRUE(told[1].contains("Read-only file system")) << told[1].toStdString();
    EXPECT_EQ(readFile(locked + "/Sub/r.jpg"), "one");
}
