// The folder tree's rules without any widget: which entries of a folder
// become nodes, with which image and in which order; the path levels of a
// folder to open; the recursive subfolder list of picture collections.
// The tree widget only shows what these functions decide.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <set>
#include <utility>
#include <vector>

// Image indexes of the tree's nodes (the node kinds).
enum TreeImage : int {
    ImgFixedDrive = 0,      // drive root of a fixed drive, RAM disk or other
    ImgFolderClosed = 1,
    ImgFolderOpen = 2,
    ImgPlaceholder = 3,     // "<no picture or video files to select>"
    ImgPictureFirst = 4,    // .jpg 4 .jpeg 5 .bmp 6 .ico 7 .emf 8 .wmf 9 .gif 10
    ImgPictureLast = 10,
    ImgPictureOffFirst = 11, // the same types left out by the play options
    ImgPictureOffLast = 17,
    ImgCdDrive = 18,
    ImgRemovableDrive = 19,
    ImgNetworkDrive = 20,
    ImgVideoPlain = 21,
    ImgVideoProgram = 22,
};

inline constexpr int PictureTypeCount = 7;

extern const QString TreePlaceholderText; // "<no picture or video files to select>"

// True for drive roots and folders; false for pictures, videos and the placeholder.
bool IsFolderNode(int image);
bool IsFileNode(int image);
bool IsDriveRootImage(int image);
bool IsPictureImage(int image);   // 4 .. 17
bool IsVideoImage(int image);     // 21 or 22

// The play options that decide whether a picture node is "selected".
struct TreePlayOptions {
    // .jpg .jpeg .bmp .ico .emf .wmf .gif, in this order.
    bool include[PictureTypeCount] = {true, true, true, true, true, true, true};
    std::int64_t minSizeKB = 0;
    std::int64_t maxSizeKB = 999999;
    bool includeSubfolders = false;
    bool includeSystemFolders = false;
};

// Picture type index 0 .. 6 of a lower-case extension with its dot, or -1.
int PictureTypeOf(const QString& lowerExt);
// The lower-cased extension from the last "." (empty when there is no dot).
QString TreeExtensionOf(const QString& name);
bool IsVideoExtension(const QString& lowerExt);

// Image of a picture node of the given type and 64-bit size under the options.
int PictureImageFor(int type, std::int64_t size, const TreePlayOptions& opts);
// Re-derives a picture or video node's image after the options or the video
// image changed; other images come back unchanged.
int RefreshedNodeImage(int image, std::int64_t size, const TreePlayOptions& opts,
                       int previousVideoImage, int videoImageIndex);

enum class TreeEntryKind { Ignored, Folder, Picture, Video };

struct ClassifiedEntry {
    TreeEntryKind kind = TreeEntryKind::Ignored;
    int image = -1;
};

// Classifies one file entry (not a folder) by name and size.
ClassifiedEntry ClassifyTreeFile(const QString& name, std::int64_t size,
                                 const TreePlayOptions& opts, int videoImageIndex);

// Sibling order: folders (and drive roots) first, then files and the placeholder,
// each group by a case-insensitive, locale-aware comparison of the texts.
int CompareTreeTexts(const QString& a, const QString& b);
int CompareTreeNodes(int image1, const QString& text1, int image2, const QString& text2);

// One node that a fill adds below a folder node.
struct TreeEntry {
    QString name;
    int image = ImgFolderClosed;
    std::int64_t size = 0;   // file size in bytes (pictures and videos)
};

// Decides whether a folder (lower-case full path, no trailing "/") is browsed.
using BrowseAllowedFn = std::function<bool(const QString& lowerFolderPath)>;

struct FolderFillResult {
    bool readable = false;        // the folder could be listed
    bool entryPassed = false;     // an entry other than "." / ".." / an excluded folder was seen
    bool selectableAdded = false; // a folder, picture or video node was added
    std::vector<TreeEntry> children; // sorted; the placeholder alone when nothing selectable
    int nextLevelChild = -1;      // index in children of the folder named like the next level
    QString nextLevelName;        // that folder's name as found on disk
    // What could not be read, as the node told after the others says it
    // ("<Folder could not be read: Permission denied>", "<… could not be
    // read: its name is not valid UTF-8>"); empty when all was read.
    QString problem;
};

// Why a folder can't be listed (the system's reason), or "" when it can;
// `undecodable` gets the names (decoded with replacement characters) whose
// bytes are not valid UTF-8, which Qt's listings leave out.
QString ListingRefusal(const QString& folder, QStringList* undecodable = nullptr);

// Reads one folder for the tree: hidden entries included, excluded folders left
// out, folders first, a placeholder when entries were seen but none is selectable.
// A folder that can't be listed gets one placeholder saying why; entries
// whose names are not valid UTF-8 are told in a placeholder after the others.
// `nextLevel` (may be empty) is the name of the next level of a walk, matched
// ignoring letter case.
FolderFillResult ReadFolderForTree(const QString& folder, const TreePlayOptions& opts,
                                   int videoImageIndex, const BrowseAllowedFn& browseAllowed,
                                   const QString& nextLevel = QString());

// Joins a folder and a name with one "/" (the root "/" stays "/name").
QString JoinTreePath(const QString& folder, const QString& name);

// The levels of a folder to open below the mount point of its drive:
// level 0 is the mount point, levels 1.. are the path's components.
struct FolderLevelSplit {
    QStringList levels;       // names; level 0 is the mount point
    QStringList masks;        // the folder path of each level (what the level reads)
};
FolderLevelSplit SplitFolderIntoLevels(const QString& folder, const QString& mountPoint);

// Names hidden in a folder: those listed in its ".hidden" file.
std::set<QString> ReadDotHiddenNames(const QString& folder);
bool IsHiddenName(const QString& name, const std::set<QString>& dotHidden);

// The recursive subfolder list of picture collections. Slot 0 is the start
// folder; each call of AddSubfoldersToList appends the subfolders of one folder.
// A folder reached twice (through a symbolic link) is listed only once.
struct TSubfolderList {
    std::vector<QString> folders;
    std::set<std::pair<std::uint64_t, std::uint64_t>> seen; // (device, inode)
    // Index of the last entry (-1 when empty).
    int count() const { return static_cast<int>(folders.size()) - 1; }
    void start(const QString& folder);
};

// Decides whether a folder (lower-case full path) may be collected.
using CollectAllowedFn = std::function<bool(const QString& lowerFolderPath)>;

// Appends the subfolders of `folder` to the list. Names holding "xx" in any
// letter case are skipped; hidden folders only with includeSystemFolders.
void AddSubfoldersToList(TSubfolderList& list, const QString& folder,
                         bool includeSystemFolders, const CollectAllowedFn& collectAllowed);
// Whether one directory entry is appended (the name rules and the exclusion test).
bool AcceptSubfolderEntry(const QString& folder, const QString& name,
                          const CollectAllowedFn& collectAllowed);
