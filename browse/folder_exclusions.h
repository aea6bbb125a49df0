// Folder exclusions: which folders the tree does not show and which
// subfolders the picture collections leave out. The user's choices are
// stored per folder in "ExcludeFolder.dat" (records of 205 bytes); the
// program's own folders and the thumbnail folders are always refused.
#pragma once

#include "base/data_folder.h"
#include "platform/record_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// One folder's exclusion record, 205 bytes:
//   0    length of the path (0 .. 200)
//   1    200 bytes: the folder path, lower case, no trailing "/"
//   201  Browse     1 = not shown in the folder tree
//   202  SubShow    1 = not collected as subfolder for shows and mail
//   203  SubSearch  1 = not collected as subfolder for picture-search results
//   204  All        1 = excluded everywhere (the three flags above are then 0)
struct TExcludeFolderRecord {
    QString Path;
    uint8_t Browse = 0;
    uint8_t SubShow = 0;
    uint8_t SubSearch = 0;
    uint8_t All = 0;
};

// ExcludeFolderRecordSize (205) comes with the data-file sizes of app/data_folder.h.
inline constexpr int ExcludeFolderPathCapacity = 200;
// The most folders the file holds; a larger file is refused unread.
inline constexpr qint64 MaxExcludeFolderRecords = 10000;

QByteArray EncodeExcludeFolderRecord(const TExcludeFolderRecord& record);
// `bytes` must hold at least 205 bytes; a shorter buffer gives an empty record.
TExcludeFolderRecord DecodeExcludeFolderRecord(const QByteArray& bytes);

// Every whole record of the file in file order (a missing file gives none; a
// partial record at the end is ignored). A file that is refused (too large,
// not a regular file, unreadable) gives none and says why: it must then not
// be rewritten from the empty list.
using ExcludeFolderRead = platform::ListRead<std::vector<TExcludeFolderRecord>>;
ExcludeFolderRead ReadExcludeFolderFile(const QString& path);
// The message when the file could not be read and is therefore not rewritten.
QString ExclusionsLeftText(const QString& path, const QString& reason);
// Rewrites the whole file through a temporary file; false on failure (the old
// file then stays as it was).
bool WriteExcludeFolderFile(const QString& path, const std::vector<TExcludeFolderRecord>& records);

// Lower-cases a folder path and removes a trailing "/" (but keeps "/").
QString ExclusionKey(const QString& folder);

// Builds the in-memory list: the file's records, then the own folders with
// every flag set, sorted ascending by the paths' bytes.
std::vector<TExcludeFolderRecord> BuildExclusionList(const std::vector<TExcludeFolderRecord>& fileRecords,
                                                     const QStringList& ownFolders);

// What the exclusion test needs besides the list.
struct ExclusionRules {
    bool active = true;            // "Folder Exclusions Active"
    bool demoMode = false;         // the self-running CD mode: only the fixed rules
    bool excludeSmallPics = false; // the "ExcludeSmallPics" setting is "1"
    QString cutOutFolder;          // lower-case keys of the two temp folders that
    QString mailFolder;            // stay excluded when exclusions are off
};

// 1 = the folder is allowed, 0 = refused. `folder` is a lower-case path
// without trailing "/". The tree passes browse; the subfolder collection
// passes collect, with search while the picture search collects.
uint8_t IsFolderExcluded(const std::vector<TExcludeFolderRecord>& list, const ExclusionRules& rules,
                         const QString& folder, bool browse, bool search, bool collect);

// ---- The program's state -------------------------------------------------

// The exclusions in force (kept by the folder tree's controller).
struct FolderExclusionState {
    std::vector<TExcludeFolderRecord> ExclusionList;
    uint8_t ExclusionsChanged = 1;       // 1: rebuild the list from the file
    uint8_t FolderExclusionsActive = 1;  // 1 while "Folder Exclusions Active" is checked
    uint8_t SearchCollecting = 0;        // 1 while the picture search collects its results
    // Set by the copy dialog before it asks for SubShow on a folder it created:
    // subfolders excluded from shows and search (not from the tree), or nothing.
    uint8_t ExclusionPresetSubfolders = 0;
    uint8_t ExclusionPresetNone = 0;
};

// The program's own folders that are always excluded (full paths): its
// installed share folder, and of the data folder (app/data_folder.h)
// ShowsFolder, CutOutFolder and MailTempFolder.
QStringList OwnExcludedFolders(const DataPaths& paths);

// Rebuilds ExclusionList from "ExcludeFolder.dat" (ExcludeFolderPath) when
// ExclusionsChanged is set.
void LoadFolderExclusions(FolderExclusionState& state, const DataPaths& paths);

// The rules in force (active flag, demo mode, the ExcludeSmallPics setting
// given as `excludeSmallPics`, the cut-out and mail folders of `paths`).
ExclusionRules CurrentExclusionRules(const FolderExclusionState& state, const DataPaths& paths, bool demoMode,
                                     bool excludeSmallPics);

// The program's one exclusion test, over the list and rules in force
// (`excludeSmallPics` counts only outside browsing).
uint8_t IsFolderExcluded(const FolderExclusionState& state, const DataPaths& paths, const QString& folder,
                         bool browse, bool search, bool collect, bool demoMode, bool excludeSmallPics);

// Before a walk to a folder: when exclusions are active and one of the
// folder's levels (`levelFolders`, the drive root left out) is excluded from
// browsing, exclusions are switched off with a message. Returns true when it
// switched them off.
bool CheckOpenFolderExcluded(FolderExclusionState& state, const DataPaths& paths, const QStringList& levelFolders,
                             bool demoMode);

extern const QString ExclusionsTurnedOffText;
extern const QString ConfirmClearExclusionsText;

// ---- Editing one folder's exclusion -----------------------------------------

// The four check marks of the "Exclude from" menu.
struct ExclusionChoice {
    bool browse = false;
    bool subShow = false;
    bool subSearch = false;
    bool all = false;
    bool operator==(const ExclusionChoice&) const = default;
};
enum class ExclusionItem { Browse, SubShow, SubSearch, All };

// Index of the record of a folder (compared by its lower-case key), or -1.
int FindExclusionRecord(const std::vector<TExcludeFolderRecord>& records, const QString& folder);
// The check marks a record shows: All alone when it is set.
ExclusionChoice ChoiceOfRecord(const TExcludeFolderRecord& record);
// The check marks after one item is chosen: the three single items uncheck
// All; All, when it ends checked, unchecks the three. SubShow follows the
// presets instead of toggling and clears them.
ExclusionChoice ToggleExclusionChoice(FolderExclusionState& state, ExclusionChoice choice, ExclusionItem item);
// Writes the check marks of `folder` into the file: its record is changed in
// place, or a new one is appended (a record with no flag set stays). The
// whole file is rewritten safely; sets ExclusionsChanged. Fails, with the
// user's text in Message, when the file could not be read (it is then left
// as it is) or written; fails with no text without a file name.
platform::RecordResult StoreExclusionFlags(FolderExclusionState& state, const QString& file, const QString& folder,
                                           const ExclusionChoice& choice);
// Empties the file; sets ExclusionsChanged.
bool ClearExclusionFile(FolderExclusionState& state, const QString& file);
