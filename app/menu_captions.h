// The rules behind the menu captions that name what they act on: which
// items of the File, Show, My Show and Help menus and of the pop-up menus
// are shown, enabled and how they read, from a small state record. The
// main window fills the record when a menu opens and applies the changes
// to its actions by object name.
#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// One item's new look; unset fields stay as they are.
struct MenuItemChange {
    std::optional<QString> caption;
    std::optional<bool> visible;
    std::optional<bool> enabled;
    std::optional<QString> hint;
};

class MenuChanges {
public:
    MenuItemChange& operator[](const QString& name) { return m_items[name]; }
    MenuItemChange& operator[](const char* name) { return m_items[QString::fromLatin1(name)]; }
    const MenuItemChange value(const QString& name) const { return m_items.value(name); }
    bool contains(const QString& name) const { return m_items.contains(name); }
    const QHash<QString, MenuItemChange>& items() const { return m_items; }
    void merge(const MenuChanges& other);
    // What the menu opening asks for besides the item changes.
    bool pauseShow = false;
    QString statusTextA, statusTextC, statusTextF;  // texts kept for the CD items' hints
private:
    QHash<QString, MenuItemChange> m_items;
};

// A picture the menus may name.
struct MenuPicture {
    QString path;
    bool exists = false;       // an existing file, not a folder
    bool readOnly = false;
    bool driveHasSpace = true;
};

// The state the caption rules read.
struct MenuCaptionState {
    bool showRunning = false;
    bool manualMode = false;        // the running show is paused by hand / not advancing
    bool myShowHidden = false;
    bool thumbnailView = false;
    bool demoMode = false;
    bool cutOutShown = false;       // a cropped version of the picture is displayed

    MenuPicture current;            // CurrentPicturePath
    MenuPicture browsePreview;      // BrowsePreviewPath (shown in Image4)
    MenuPicture myShowPreview;      // MyShowPreviewPath (shown in image2)
    bool browsePreviewVisible = true;
    bool myShowPreviewVisible = true;

    QString selectedFolder;
    bool draftShowOpen = false;
    bool namedShowOpen = false;
    QString openShowFile;
    int openShowPictureCount = 0;
    bool showChangeable = false;
    // The running show's source: a folder (path) or a show file.
    QString runningSource;
    bool runningSourceIsShow = false;
    bool runningSourceIsDraft = false;

    QString startupFolder;
    QStringList favorites;
    // Automatic show: the folder / the open show is the stored automatic
    // show, and whether the current options differ from the stored ones.
    bool folderIsAutomatic = false, folderAutomaticOptionsChanged = false;
    bool showIsAutomatic = false, showAutomaticOptionsChanged = false;
    bool irfanViewFound = true;

    // Automatic CD: the program's autorun files, a writable CD drive letter
    // (empty when none), the open show / folder show already on it,
    // subfolders included in folder shows.
    bool cdFilesPresent = false;
    QString writableCdDrive;
    bool showOnCd = false, folderShowOnCd = false;
    bool includeSubfolders = false;

    // Tool buttons: enabled / visible by name (false when unknown).
    std::function<bool(const QString&)> toolEnabled;
    std::function<bool(const QString&)> toolVisible;
    // Path short form for captions (ShortenPathCaption).
    std::function<QString(const QString&)> shorten;
};

// ---- Name rules --------------------------------------------------------------

// File name (after the last "/", "\" or ":") with "&" doubled.
QString MenuPictureName(const QString& path);
// ".mpg", ".mov", ".avi", ".mpa", ".wmv" or an extension starting ".mpeg".
bool IsVideoFileName(const QString& path);
// Offered as a picture: path set, the file exists and it is not a video.
bool IsOfferedPicture(const MenuPicture& p);
// "Draft", "'" + shortened show path + "'", or "My Show".
QString OpenShowCaptionName(const MenuCaptionState& s);
// "'" + shortened path + "'".
QString QuotedPath(const MenuCaptionState& s, const QString& path);
// True when the two-entry submenus are used (no show runs, the MyShow panel
// is shown).
bool UsesSubmenuLayout(const MenuCaptionState& s);

// ---- File menu ------------------------------------------------------------

MenuChanges UpdateFavoritesMenuCaptions(const MenuCaptionState& s);
MenuChanges UpdateAutomaticShowCaptions(const MenuCaptionState& s);
MenuChanges UpdateFullScreenCaptions(const MenuCaptionState& s);
MenuChanges UpdateAddPictureCaption(const MenuCaptionState& s);
MenuChanges UpdateFileOperationsCaptions(const MenuCaptionState& s);
MenuChanges UpdateWallpaperCaptions(const MenuCaptionState& s);
MenuChanges UpdateClipboardCaptions(const MenuCaptionState& s);
MenuChanges AutomaticCdCaptions(const MenuCaptionState& s);
// The whole File menu, in the order it is rebuilt.
MenuChanges FileMenuCaptions(const MenuCaptionState& s);

// ---- Other menus ------------------------------------------------------------

MenuChanges ShowMenuCaptions(const MenuCaptionState& s);
MenuChanges MyShowMenuCaptions(const MenuCaptionState& s);
MenuChanges HelpMenuCaptions(const MenuCaptionState& s);
// Captions of the MyShow panel switch after the panel was hidden or shown.
MenuChanges HideShowMyShowCaptions(bool nowHidden);

// ---- Pop-up menus -----------------------------------------------------------

enum class TreeNodeKind { Folder, Picture, Video };

struct TreePopupState {
    TreeNodeKind kind = TreeNodeKind::Folder;
    bool exists = true;               // the node's folder or file still exists
    QString folder;                   // the folder node's path (SelectedFolder)
    bool folderOnMountPoint = false;  // the folder is a drive's root
    bool driveHasSpace = true;
    bool launchProgram[5] = {false, false, false, false, false};  // edit programs
    QString launchCaption[5];
    bool videoProgram[5] = {false, false, false, false, false};
    QString uploaderName;             // configured uploader ("" none)
    bool tarnivoInstalled = false;
    // Mirrored File-menu items (already updated).
    bool addSelectedFolderEnabled = true, automaticFolderEnabled = true, autoFolderToCdEnabled = true;
    bool renameEnabled = true, sendEnabled = true, moveEnabled = true;
    bool addPicMyShowEnabled = true, showPicFullEnabled = true;
    bool browsePreviewShown = false;
};

// The tree pop-up's items; `message` is set (and every item hidden) when
// the node's folder or file is gone.
struct TreePopupResult {
    MenuChanges changes;
    QString message;
};
TreePopupResult TreePopupCaptions(const MenuCaptionState& s, const TreePopupState& t,
                                  const QStringList& itemNames);

struct PicturePopupState {
    bool showPictures = false;        // the page shows the pictures of a show
    int selectedCount = 0;
    bool selectedIsThumbnailWithMaster = false;
    QString masterFolder;
    bool masterExists = false;
    QString launchCaption[5];
    bool launchVisible[5] = {false, false, false, false, false};
    bool launchEnabled[5] = {false, false, false, false, false};
};
MenuChanges PicturePopupCaptions(const MenuCaptionState& s, const PicturePopupState& p,
                                 const QStringList& folderItemNames);
