// What the picture and folder operations need from the window they serve:
// the actions they wire, the folder tree and status panel they read and
// update, and the few window routines they call. The main window provides
// it; the operations never see the window's class.
#pragma once

#include <QString>

class FolderTreeController;
struct PictureDisplayState;
struct OpenShow;
class QAction;
class QLabel;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class ThumbnailPageController;
class ShowView;
class ShowManagerWindow;

// The window's widgets the operations wire and read (any may be null).
struct FileOpsWidgets {
    QWidget* Window = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QMenu* FolderOperations = nullptr;

    // Picture commands: tool buttons, menu items and pop-up items.
    QAction* SaveToolButton = nullptr;
    QAction* SavePictureTo = nullptr;
    QAction* Save = nullptr;
    QAction* MoveToolButton = nullptr;
    QAction* MovePictureTo = nullptr;
    QAction* Move = nullptr;
    QAction* RecycleBinToolButton = nullptr;
    QAction* SendRecycleBin = nullptr;
    QAction* RecycleBin = nullptr;
    QAction* RenamePictureToolButton = nullptr;
    QAction* RenamePicture = nullptr;
    QAction* Rename = nullptr;
    QAction* Backwards1ToolButton = nullptr;
    QAction* PictureBackwards = nullptr;
    QAction* Forward1ToolButton = nullptr;
    QAction* PictureForward = nullptr;
    QAction* AddBookMark = nullptr;
    QAction* VXOnlineHelp = nullptr;

    // Folder commands.
    QAction* CreateFolderPop = nullptr;
    QAction* CreatenewFolder = nullptr;
    QAction* RenameFolderPop = nullptr;
    QAction* RenameFolder = nullptr;
    QAction* DeleteFolderPop = nullptr;
    QAction* DeleteFolder1 = nullptr;
    QAction* EmptyFolderPop = nullptr;
    QAction* EmptyFolder = nullptr;
    QAction* HideSmall = nullptr;
    QAction* WindowsExplorer1 = nullptr;
    QAction* WindowsExplorer = nullptr;
    QAction* ExplorerTB = nullptr;      // "Files": the selected folder in the file manager
    QAction* MResetToEXIF = nullptr;
    QAction* MMakeSmall = nullptr;
    QAction* Refresh = nullptr;
    QAction* Tarnivo = nullptr;
};

class FileOpsHost {
public:
    virtual ~FileOpsHost() = default;

    virtual FileOpsWidgets widgets() const = 0;
    // The state of the shown picture (its path and name).
    virtual PictureDisplayState& pictureDisplayState() const = 0;
    // The open show.
    virtual OpenShow& openShow() = 0;
    // The controller of the thumbnail page now shown (null when none).
    virtual ThumbnailPageController* PageView() const = 0;
    virtual bool PageShowRuns() const = 0;
    // The folder tree's controller (the selected folder, the folder to open).
    virtual FolderTreeController* folderTree() = 0;

    // Folder tree.
    virtual QString GetNodePath(QTreeWidgetItem* node) = 0;
    virtual void OpenFolderOrShow() = 0;
    virtual void RefreshSelectedFolder() = 0;
    virtual void UpdateFolderCaption() = 0;
    virtual void LoadFolderExclusions() = 0;

    // Running show and picture display.
    virtual bool InManualMode() const = 0;
    virtual void PauseShow() = 0;
    virtual void EndShow() = 0;
    virtual void UpdatePictureStatus() = 0;
    virtual void ReleaseVoiceFile(const QString& PicturePath = QString()) = 0;
    virtual bool ReducePictureSize(const QString& Source, const QString& Target, const QString& SlotName,
                                   bool FromPreview, bool UseViewer, bool KeepDate, int SizeChoice, int Quality) = 0;

    // Keyboard hook around modal prompts.
    virtual void FormDestroy() = 0;
    virtual void InstallKeyboardHook() = 0;
    virtual void VXOnlineHelpClick() = 0;

    // Recent folders, favourites, history and MyShow.
    virtual void RemoveFromRecent(const QString& path) = 0;
    virtual void RemoveFromFavorites(const QString& path) = 0;
    virtual void RemoveFromHistory(const QString& path) = 0;
    virtual void BuildRecentMenu() = 0;
    virtual void BuildHistoryMenu() = 0;
    virtual void BuildFavoritesMenu() = 0;
    virtual void ReadMyShowFile() = 0;
    virtual void MyShowDraftClick() = 0;
    virtual void WriteAllMyShowList(const QString& OldPrefix, const QString& NewPrefix, int PrefixLength,
                                    bool Replace) = 0;

    // The full-screen show window and the MyShow manager (either may be null).
    virtual ShowView* showView() const = 0;
    virtual ShowManagerWindow* showManager() const = 0;
};
