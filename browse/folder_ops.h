// Folder operations: create, rename, empty and delete a folder, set the old
// "SmallPics" folders hidden, and keep every stored path in step when a
// folder is renamed (settings record, exclusions, known shows, show files,
// playlists). The routines take their state explicitly and report through a
// small host.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct TSettingsRecord;

// The file types emptying and deleting remove (lower-cased extensions).
const QStringList& FolderOpsFileTypes();

// True when `folder` is `path` itself or one of its parent folders, compared
// in lower case and only at a whole folder name ("/p/Pics" holds
// "/p/Pics/x.jpg", not "/p/Pictures/x.jpg").
bool FolderHoldsPath(const QString& folder, const QString& path);

// `path` with the folder `oldFolder` at its front replaced by `newFolder`
// (the rule of FolderHoldsPath); nothing when it does not lie there.
std::optional<QString> ReplaceFolderPrefix(const QString& path, const QString& oldFolder, const QString& newFolder);

// What the folder operations need from the window they run in.
class FolderOpsHost {
public:
    // `settings` is the record the voice files' questions read and store
    // answers in.
    explicit FolderOpsHost(TSettingsRecord& settings) : m_settingsRecord(settings) {}
    virtual ~FolderOpsHost() = default;
    virtual void status(const QString& text) {}
    virtual QString statusText() const { return {}; }
    // Lets the window repaint and answer in the middle of an operation
    // (status text and progress window brought up to date).
    virtual void processEvents();
    virtual void setBusyCursor(bool busy) {}
    // The progress window: shown with a caption, its label, hidden.
    virtual void progressShow(const QString& caption) {}
    virtual void progressLabel(const QString& text) {}
    virtual void progressHide() {}
    // A supported file (not a show file) goes to the Trash with its voice
    // file, thumbnail and shows; default: DeletePictureFile with a plain host
    // over the settings record. A failure is not told: `problem` gets the
    // file and the reason, for the walk's one message.
    virtual bool deletePictureFile(const QString& path, QString* problem);
    // A show file is deleted by the show deletion (closed, left out of the
    // lists); default: as a picture file.
    virtual bool deleteShowFile(const QString& path, QString* problem) { return deletePictureFile(path, problem); }
    // The folder left the favourites and the recent list.
    virtual void folderRemoved(const QString& folder) {}
    virtual void reloadShowList() {}
    // The open show file ("" when none) and whether the Draft show is open.
    virtual QString openShowFile() const { return {}; }
    virtual bool draftShowOpen() const { return true; }
    // The open show is marked unchanged and the Draft show opened.
    virtual void openDraftShow() {}
    // After a rename: the list menus rebuilt, the exclusions reloaded, the
    // known-show list and every show file rewritten.
    virtual void rebuildListMenus() {}
    virtual void reloadExclusions() {}
    virtual void writeKnownShows(const QString& oldFolder, const QString& newFolder) {}
    virtual void syncShowsAfterFolderRename(const QString& oldFolder, const QString& newFolder) {}
    // The playlists whose sound paths follow a folder rename.
    virtual QStringList playlists() const { return {}; }

protected:
    TSettingsRecord& m_settingsRecord;
};

// ---- create and rename -------------------------------------------------------

// Creates `parent` + "/" + name. Refuses the reserved name "vxothumb" (any
// case) and unusable names with an error box; a preset "SmallPics" with
// `hideSmallPics` becomes hidden. Returns the new folder ("" on failure).
QString CreateFolder(const QString& parent, const QString& name, bool presetSmallPics, bool hideSmallPics);

struct FolderRenameOutcome {
    bool renamed = false;
    QString newPath;
};

// Renames `folder` to its parent + "/" + newName, after the checks in order
// (unusable name, reserved name, an existing other folder or file of that
// name, the same name), each refusal an error box. A folder that is the
// root of a volume is refused. Never replaces an existing entry; a change of
// letter case only works. The stored paths follow (SyncAfterFolderRename).
// The rename is journaled first, so that a start after a crash in the
// middle finishes the rewrite (FinishInterruptedFolderRename).
FolderRenameOutcome RenameFolder(const QString& folder, const QString& newName, TSettingsRecord& settings,
                                 const QString& settingsPath, const QString& exclusionsPath, bool keepShowsInSync,
                                 FolderOpsHost& host);

// Rewrites the stored paths below `oldFolder` to lie below `newFolder`: the
// settings lists and single paths (only entries that no longer exist), the
// settings file at once, the exclusion file, and with `keepShowsInSync` the
// known shows, every show file and the playlists. A failed write is
// reported and the rest goes on. Returns the error texts shown.
QStringList SyncAfterFolderRename(const QString& oldFolder, const QString& newFolder, TSettingsRecord& settings,
                                  const QString& settingsPath, const QString& exclusionsPath, bool keepShowsInSync,
                                  FolderOpsHost& host);

// The settings part of the above, on the record only: returns how many
// entries changed.
int RenameFolderInSettings(TSettingsRecord& settings, const QString& oldFolder, const QString& newFolder);

// The exclusion records whose folder no longer exists and lies below the old
// folder get the new one (lower case). Returns how many changed; `problem`
// gets the user's text when the file could not be read (it is then left as
// it is) or rewritten, else it is emptied.
int RenameFolderInExclusions(const QString& exclusionsPath, const QString& oldFolder, const QString& newFolder,
                             QString& problem);

// Each track of the playlist whose sound file no longer exists and lies below
// the old folder gets the new one. When the playlist is missing, cannot be
// read whole (it is then left as it is) or written, "Can not open " + the
// path (with the reason of a refused read) is shown and returned; else an
// empty text.
QString RenameFolderInPlaylist(const QString& playlistPath, const QString& oldFolder, const QString& newFolder);

// ---- empty and delete --------------------------------------------------------

enum class FolderWalkMode { Empty, Delete, SetSmallPicsHidden };

// The worker: walks the folder (and with `subfolders` its subfolders,
// breadth first, never through a symbolic link) and deletes every supported
// file that is not hidden or read-only through the host (a picture's voice
// recording only with its picture, as the answer to the voice question
// says), sets "SmallPics" folders hidden in that mode, then removes the
// folders from the last back to the first (Delete) or the second (Empty).
// Quiet mode deletes every file for good without progress window. True
// when everything asked is gone; `problems` gets each file that could not
// be deleted with the reason.
bool WalkAndDeleteFolder(const QString& folder, FolderWalkMode mode, bool subfolders, bool quiet,
                         FolderOpsHost& host, QStringList* problems = nullptr);

struct FolderDeleteOutcome {
    bool asked = false;      // the user agreed (always in quiet mode)
    bool complete = false;   // the walk removed everything it was asked to
    QString folderToShow;    // the folder to reopen in the tree ("" in quiet and set-hidden modes)
};

// Empties, deletes or walks for "SmallPics" after the confirmation (none in
// quiet mode). The root of a volume is refused for Empty and Delete. When
// the open show lies in the folder the user is warned and the Draft show
// opened before the walk. A walk that leaves files behind shows its failure
// message once, with the files that could not be deleted and why.
FolderDeleteOutcome DeleteOrEmptyFolder(const QString& folder, FolderWalkMode mode, bool quiet, bool subfolders,
                                        FolderOpsHost& host);
