// Folder operations and the stored paths that follow a folder rename.
#include "browse/folder_ops.h"

#include "base/file_helpers.h"
#include "base/settings_fields.h"
#include "base/settings_record.h"
#include "browse/copy_file.h"
#include "browse/folder_exclusions.h"
#include "browse/picture_file_ops.h"
#include "browse/thumbnail_files.h"
#include "platform/drives.h"
#include "platform/file_attributes.h"
#include "platform/prompt.h"
#include "platform/volume_root.h"
#include "platform/work_journal.h"
#include "base/sound_records.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

using platform::PromptAnswer;
using platform::PromptKind;

void box(PromptKind kind, const QString& text)
{
    platform::showMessage(kind, text, platform::kOk);
}

bool isThumbsDb(const QString& name)
{
    return name.toLower() == QLatin1String("thumbs.db");
}

// The program's own bookkeeping files of a folder: "Thumbs.db" and the
// `.hidden` list that marks its thumbnail folder hidden.
bool isBookkeeping(const QString& name)
{
    return isThumbsDb(name) || name == QLatin1String(".hidden");
}

// True when the folder holds nothing but bookkeeping files.
bool holdsOnlyBookkeeping(const QString& folder)
{
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& e : entries)
        if (e.isDir() || !isBookkeeping(e.fileName()))
            return false;
    return true;
}

bool isRootOfVolume(const QString& folder)
{
    return platform::IsVolumeRoot(folder);
}

QString parentOf(const QString& folder)
{
    return FolderOf(folder);
}

} // namespace

const QStringList& FolderOpsFileTypes()
{
    static const QStringList types = {
        QStringLiteral(".emf"), QStringLiteral(".wmf"), QStringLiteral(".ico"), QStringLiteral(".gif"),
        QStringLiteral(".jpg"), QStringLiteral(".jpeg"), QStringLiteral(".bmp"), QStringLiteral(".vxt"),
        QStringLiteral(".mpg"), QStringLiteral(".mpeg"), QStringLiteral(".mov"), QStringLiteral(".avi"),
        QStringLiteral(".mpa"), QStringLiteral(".wmv"), QStringLiteral(".vxy"), QStringLiteral(".mp3"),
        QStringLiteral(".wav"), QStringLiteral(".rmi"), QStringLiteral(".mid"),
    };
    return types;
}

bool FolderHoldsPath(const QString& folder, const QString& path)
{
    if (folder.isEmpty() || path.size() < folder.size())
        return false;
    if (path.left(folder.size()).toLower() != folder.toLower())
        return false;
    return path.size() == folder.size() || folder.endsWith(QLatin1Char('/')) || path[folder.size()] == QLatin1Char('/');
}

std::optional<QString> ReplaceFolderPrefix(const QString& path, const QString& oldFolder, const QString& newFolder)
{
    if (!FolderHoldsPath(oldFolder, path))
        return std::nullopt;
    return newFolder + path.mid(oldFolder.size());
}

void FolderOpsHost::processEvents()
{
    QCoreApplication::processEvents();
}

bool FolderOpsHost::deletePictureFile(const QString& path, QString* problem)
{
    PictureOpsHost plain(m_settingsRecord);
    return DeletePictureFile(path, true, false, false, plain, false, problem);
}

// ---- create and rename -------------------------------------------------------

QString CreateFolder(const QString& parent, const QString& name, bool presetSmallPics, bool hideSmallPics)
{
    if (name.toLower() == ThumbFolderName) {
        box(PromptKind::Error, name + QStringLiteral(" is a reserved name, can not create folder "));
        return QString();
    }
    const QString invalid = InvalidNameText(name, true);
    if (!invalid.isEmpty()) {
        box(PromptKind::Error, invalid);
        return QString();
    }
    const QString path = (parent.endsWith(QLatin1Char('/')) ? parent : parent + QLatin1Char('/')) + name;
    if (QFileInfo::exists(path) || !QDir().mkdir(path)) {
        box(PromptKind::Error, QStringLiteral("Could not create folder ") + name
                                   + QStringLiteral("\r\nMedium not writable or you do not have the proper authorization"));
        return QString();
    }
    if (presetSmallPics && hideSmallPics)
        platform::SetHidden(path, true);
    return path;
}

FolderRenameOutcome RenameFolder(const QString& folder, const QString& newName, TSettingsRecord& settings,
                                 const QString& settingsPath, const QString& exclusionsPath, bool keepShowsInSync,
                                 FolderOpsHost& host)
{
    FolderRenameOutcome outcome;
    if (isRootOfVolume(folder)) {
        box(PromptKind::Error, QStringLiteral("The root of a drive can not be renamed"));
        return outcome;
    }
    if (newName.isEmpty()) {
        box(PromptKind::Error, QStringLiteral("Folder name can not be empty"));
        return outcome;
    }
    if (newName.toLower() == ThumbFolderName) {
        box(PromptKind::Error, newName + QStringLiteral(" is a reserved name, can not rename folder "));
        return outcome;
    }
    const QString invalid = InvalidNameText(newName, true);
    if (!invalid.isEmpty()) {
        box(PromptKind::Error, invalid);
        return outcome;
    }
    const QString newPath = CutAtLastBackslash(folder, true) + newName;
    const QFileInfo target(newPath);
    if ((target.exists() || target.isSymLink()) && !SameFile(folder, newPath)) {
        box(PromptKind::Error, QStringLiteral("Folder ") + newPath + QStringLiteral(" already exists, choose a different name"));
        return outcome;
    }
    if (newPath == folder) {
        box(PromptKind::Error, QStringLiteral("To rename new folder name must differ from current folder name"));
        return outcome;
    }
    // The rename is written down before it happens: a start after a crash
    // in the middle finishes the rewrite of the stored paths.
    platform::Journal journal;
    journal.start(QStringLiteral("rename"), {folder, newPath, keepShowsInSync ? QStringLiteral("1") : QStringLiteral("0")});
    if (!RenameNoReplace(folder, newPath)) {
        box(PromptKind::Error, QStringLiteral("Could not rename folder (folder might be in use by another program)"));
        return outcome;
    }
    outcome.renamed = true;
    outcome.newPath = newPath;
    SyncAfterFolderRename(folder, newPath, settings, settingsPath, exclusionsPath, keepShowsInSync, host);
    return outcome;
}

int RenameFolderInSettings(TSettingsRecord& s, const QString& oldFolder, const QString& newFolder)
{
    int changed = 0;
    const auto apply = [&](QString& stored, bool folderMayExist, bool fileMayExist) {
        if (stored.isEmpty())
            return;
        const QFileInfo info(stored);
        if ((folderMayExist && info.isDir()) || (fileMayExist && info.isFile()))
            return;
        if (const auto renamed = ReplaceFolderPrefix(stored, oldFolder, newFolder)) {
            stored = *renamed;
            ++changed;
        }
    };
    for (QString& p : s.Favorites)
        apply(p, true, true);
    for (QString& p : s.RecentFolders)
        apply(p, true, true);
    for (QString& p : s.ShowHistory)
        apply(p, true, true);
    for (QString& p : s.EditPrograms)
        apply(p, false, true);
    for (QString& p : s.VideoPrograms)
        apply(p, false, true);
    for (QString* p : {&s.LastTargetDrive, &s.LastOpenShowFolder, &s.LastSaveShowFolder, &s.LastCopyTarget,
                       &s.AutoShowPath, &s.StartupFolder})
        apply(*p, true, false);
    return changed;
}

int RenameFolderInExclusions(const QString& exclusionsPath, const QString& oldFolder, const QString& newFolder,
                             QString& problem)
{
    problem.clear();
    // A file that could not be read is left as it is: rewriting it from what
    // was read would drop every other folder's record.
    const ExcludeFolderRead read = ReadExcludeFolderFile(exclusionsPath);
    if (read.refused()) {
        problem = ExclusionsLeftText(exclusionsPath, read.Reason);
        return 0;
    }
    std::vector<TExcludeFolderRecord> records = read.Items;
    int changed = 0;
    for (TExcludeFolderRecord& r : records) {
        if (r.Path.isEmpty() || QFileInfo(r.Path).isDir())
            continue;
        if (const auto renamed = ReplaceFolderPrefix(r.Path, oldFolder, newFolder)) {
            r.Path = renamed->toLower();
            ++changed;
        }
    }
    if (changed > 0 && !WriteExcludeFolderFile(exclusionsPath, records)) {
        problem = QStringLiteral("The folder exclusions could not be saved to ") + exclusionsPath;
        return 0;
    }
    return changed;
}

QString RenameFolderInPlaylist(const QString& playlistPath, const QString& oldFolder, const QString& newFolder)
{
    const QString cannotOpen = QStringLiteral("Can not open ") + playlistPath;
    // Read without opening anything but a regular file (a pipe would block).
    const PlaylistRead read = ReadPlaylist(playlistPath);
    if (read.Status == platform::RecordStatus::NotFound) {
        box(PromptKind::Error, cannotOpen);
        return cannotOpen;
    }
    // One that could not be read whole is left as it is.
    if (read.refused()) {
        const QString text = cannotOpen + QStringLiteral(" (") + read.Reason + QStringLiteral("); it is left as it is.");
        box(PromptKind::Error, text);
        return text;
    }
    QList<TPlaylistRecord> tracks = read.Items;
    bool changed = false;
    for (TPlaylistRecord& t : tracks) {
        if (t.SoundPath.isEmpty() || QFileInfo::exists(t.SoundPath))
            continue;
        if (const auto renamed = ReplaceFolderPrefix(t.SoundPath, oldFolder, newFolder)) {
            t.SoundPath = *renamed;
            changed = true;
        }
    }
    if (changed && !WritePlaylist(playlistPath, tracks).ok()) {
        box(PromptKind::Error, cannotOpen);
        return cannotOpen;
    }
    return QString();
}

QStringList SyncAfterFolderRename(const QString& oldFolder, const QString& newFolder, TSettingsRecord& settings,
                                  const QString& settingsPath, const QString& exclusionsPath, bool keepShowsInSync,
                                  FolderOpsHost& host)
{
    QStringList errors;
    const auto report = [&](const QString& text) {
        errors << text;
        box(PromptKind::Error, text);
    };
    host.setBusyCursor(true);
    const QString kept = host.statusText();
    host.status(QStringLiteral("Synchronizing folder information..."));
    // The hourglass and the status text show while the files that name the
    // folder are rewritten.
    host.processEvents();

    RenameFolderInSettings(settings, oldFolder, newFolder);
    host.rebuildListMenus();
    // The settings file is written at once; a failure is told and the other
    // files still follow.
    if (!settingsPath.isEmpty()) {
        const platform::RecordResult written = WriteSettingsFile(settingsPath, settings);
        if (!written.ok())
            report(QStringLiteral("The settings could not be saved to ") + settingsPath
                   + (written.Message.isEmpty() ? QString() : QStringLiteral("\r\n") + written.Message));
    }
    QString exclusionsProblem;
    if (RenameFolderInExclusions(exclusionsPath, oldFolder, newFolder, exclusionsProblem) > 0)
        host.reloadExclusions();
    if (!exclusionsProblem.isEmpty())
        report(exclusionsProblem);

    if (keepShowsInSync) {
        host.status(QStringLiteral("Synchronizing MyShow files..."));
        // The new status text shows while the shows and playlists are rewritten.
        host.processEvents();
        host.writeKnownShows(oldFolder, newFolder);
        host.syncShowsAfterFolderRename(oldFolder, newFolder);
        for (const QString& playlist : host.playlists())
            if (const QString problem = RenameFolderInPlaylist(playlist, oldFolder, newFolder); !problem.isEmpty())
                errors << problem;
    }
    host.setBusyCursor(false);
    host.status(kept);
    return errors;
}

// ---- empty and delete --------------------------------------------------------

bool WalkAndDeleteFolder(const QString& folder, FolderWalkMode mode, bool subfolders, bool quiet,
                         FolderOpsHost& host, QStringList* problems)
{
    const bool setHidden = mode == FolderWalkMode::SetSmallPicsHidden;
    bool result = true;
    if (!quiet)
        host.progressShow(setHidden ? QStringLiteral("Setting all SmallPics folders to hidden...")
                                    : QStringLiteral("Deleting files and subfolders....."));
    QStringList list{folder};
    for (int i = 0; i < list.size(); ++i) {
        const QString entry = list[i];
        const QDir dir(entry);
        const QFileInfoList items =
            dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        // A picture's voice recording is no file of its own here: it goes or
        // stays with its picture, as the answer to the voice question says.
        QSet<QString> voices;
        for (const QFileInfo& item : items)
            if (!item.isDir() && PictureCarriesVoice(item.fileName()))
                voices.insert(VoicePathFor(entry + QLatin1Char('/') + item.fileName()));
        for (const QFileInfo& item : items) {
            const QString name = item.fileName();
            const QString path = entry + QLatin1Char('/') + name;
            // A link is never followed: it is an entry of this folder only.
            if (item.isDir() && !item.isSymLink()) {
                if (setHidden && name.toLower() == QLatin1String("smallpics")) {
                    host.progressLabel(QStringLiteral("Setting ") + name + QStringLiteral(" to hidden"));
                    // The progress window repaints with each folder's name during the walk.
                    host.processEvents();
                    platform::SetHidden(path, true);
                }
                if (subfolders)
                    list << path;
                continue;
            }
            if (setHidden)
                continue;
            if (isThumbsDb(name)) {
                QFile::remove(path);
                continue;
            }
            if (quiet) {
                if (!QFile::remove(path))
                    result = false;
                continue;
            }
            if (platform::IsHidden(path) || platform::IsReadOnly(path) || voices.contains(path))
                continue;
            if (!FolderOpsFileTypes().contains(FileExtOf(name).toLower()))
                continue;
            host.progressLabel(QStringLiteral("Deleting ") + name);
            // The progress window repaints with each file's name as it goes.
            host.processEvents();
            QString problem;
            const bool deleted = FileExtOf(name).toLower() == QLatin1String(".vxt")
                                     ? host.deleteShowFile(path, &problem)
                                     : host.deletePictureFile(path, &problem);
            if (!deleted && problems)
                problems->append(problem.isEmpty() ? path : problem);
        }
    }
    if (!setHidden) {
        const int first = mode == FolderWalkMode::Delete ? 0 : 1;
        for (int i = int(list.size()) - 1; i >= first; --i) {
            const QString f = list[i];
            if (!quiet)
                host.progressLabel(QStringLiteral("Deleting ") + f);
            // The progress window (or, when quiet, the window) repaints as
            // each folder is removed.
            host.processEvents();
            // What is left of the program's own bookkeeping goes with the folder.
            if (holdsOnlyBookkeeping(f))
                for (const QString& name : QDir(f).entryList(QDir::Files | QDir::Hidden | QDir::System))
                    QFile::remove(f + QLatin1Char('/') + name);
            if (!QDir().rmdir(f)) {
                result = false;
                break;
            }
            if (!quiet)
                host.folderRemoved(f);
        }
    }
    host.progressHide();
    if (mode == FolderWalkMode::Empty && subfolders && !holdsOnlyBookkeeping(folder))
        result = false;
    if (!quiet && !setHidden)
        host.reloadShowList();
    return result;
}

FolderDeleteOutcome DeleteOrEmptyFolder(const QString& folder, FolderWalkMode mode, bool quiet, bool subfolders,
                                        FolderOpsHost& host)
{
    FolderDeleteOutcome outcome;
    const bool setHidden = mode == FolderWalkMode::SetSmallPicsHidden;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return outcome;
    if (!setHidden && isRootOfVolume(folder)) {
        box(PromptKind::Error, QStringLiteral("The root of a drive can not be emptied or deleted"));
        return outcome;
    }
    // The window is painted up to date (the menu just used closed away, the
    // voice button reset) before the question and the walk.
    host.processEvents();
    QString warning;
    if (!quiet && !setHidden) {
        const QString show = host.openShowFile();
        if (!show.isEmpty() && !host.draftShowOpen() && FolderHoldsPath(folder, show))
            warning = QStringLiteral(" Warning: Also currently opened MyShow file will be removed!");
    }
    if (!quiet) {
        QString prompt = mode == FolderWalkMode::Delete ? QStringLiteral("Delete folder ") + folder + QStringLiteral("?")
                         : setHidden ? QStringLiteral("Set all SmallPics folder of ") + folder + QStringLiteral(" to hidden?")
                                     : QStringLiteral("Empty folder ") + folder + QStringLiteral("?");
        if (!warning.isEmpty())
            prompt += QStringLiteral("\r\n") + warning;
        if (platform::showMessage(PromptKind::Confirmation, prompt, platform::kYesNo) != PromptAnswer::Yes)
            return outcome;
    }
    outcome.asked = true;
    if (!warning.isEmpty())
        host.openDraftShow();

    const QString twoLines = QStringLiteral("\r\nOnly image and sound formats Vistamo! supports and MyShow files will be deleted."
                                            "\r\nRead-only files will not be deleted.");
    const QString failure =
        quiet ? QStringLiteral("Temporary mail folder could not be completely emptied!")
        : setHidden ? QStringLiteral("Action to set SmallPics folders to hidden was not completed")
        : mode == FolderWalkMode::Delete
            ? QStringLiteral("Folder ") + folder + QStringLiteral(" could not be completely emptied and was therefore not deleted!") + twoLines
            : QStringLiteral("Folder ") + folder + QStringLiteral(" could not be completely emptied!") + twoLines;

    QStringList problems;
    outcome.complete = WalkAndDeleteFolder(folder, mode, subfolders, quiet, host, &problems);
    if (!outcome.complete) {
        // One message names the files that stayed and why (the first ten).
        QString files;
        if (!problems.isEmpty()) {
            files = QStringLiteral("\r\n\r\nFile could not be deleted:");
            for (const QString& p : problems.mid(0, 10))
                files += QStringLiteral("\r\n") + p;
            if (problems.size() > 10)
                files += QStringLiteral("\r\n(and %1 more)").arg(problems.size() - 10);
        }
        box(PromptKind::Information, failure + files);
    }
    if (!quiet && !setHidden)
        outcome.folderToShow = outcome.complete && mode == FolderWalkMode::Delete ? parentOf(folder) : folder;
    return outcome;
}
