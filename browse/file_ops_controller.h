// The controller that wires the picture and folder operations to the main
// window: its tool buttons, menu items and pop-up items, the folder tree,
// the running show and the MyShow list. The work itself is done by the
// plain routines of picture_file_ops, folder_ops and copy_file.
#pragma once

#include "base/show_session.h"
#include "browse/file_ops_widgets.h"
#include "browse/folder_ops.h"
#include "browse/picture_file_ops.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

struct SettingsStore;
struct DataPaths;
struct EnvironmentInfo;

class QTreeWidgetItem;
class ProgressWindow;
class FolderTreeController;
class ShowManagerWindow;
class ShowView;
class ThumbnailPageSection;
class ThumbnailPageController;
struct OpenShow;
struct PictureDisplayState;

// What the operations read of the window's other parts, handed over once at
// construction.
struct FileOpsSources {
    FolderTreeController& tree;         // the selected folder and node, the folder to open
    PictureDisplayState& display;       // the shown picture
    OpenShow& openShow;
    ThumbnailPageSection& page;         // the thumbnail page and its page show
    std::function<bool()> manualMode;   // whether the running show is in manual mode
};

class FileOperationsController : public QObject, public PictureOpsHost, public FolderOpsHost {
    Q_OBJECT
public:
    // The controller of a window (null until one was made for it).
    static FileOperationsController* Of(QObject* window);
    // Makes and wires the controller of the widgets' window (a child of
    // it); returns the existing one when the window has one already.
    static FileOperationsController* Create(const FileOpsWidgets& widgets, const FileOpsSources& sources,
                                            SettingsStore& settings, const DataPaths& paths,
                                            const EnvironmentInfo& environment, ShowSession& session);
    ~FileOperationsController() override;

    // Set when a picture was moved, deleted or renamed while a slide show runs
    // (the folder of a folder show is opened again when the show ends).
    uint8_t FolderChangedDuringShow = 0;
    // 1 while a folder is emptied or deleted, and while its walk runs.
    uint8_t FolderEmptying = 0;
    uint8_t FolderWalkBusy = 0;
    // A folder name the next folder creation uses without asking (cleared after).
    QString PresetFolderName;
    // 1 after a folder was created.
    uint8_t FolderCreated = 0;

    PictureOpsOptions options() const;
    // The progress window, made on first use.
    ProgressWindow* progressWindow();

    // ---- picture commands ---------------------------------------------------
    void SaveToolButtonClick();
    void SavePictureToClick();
    void MoveToolButtonClick();
    void RecycleBinToolButtonClick();
    void RenamePictureToolButtonClick();
    void Backwards1ToolButtonClick();
    void Forward1ToolButtonClick();
    // The save/move dialog and its follow-up for m_copy.CopySource; `then`
    // runs when the copy or move has ended (or did not start). A second
    // copy asked for while one runs is not started.
    void CopyOrMovePictureTo(std::function<void()> then = {});
    bool CopyRunning() const { return m_copyRunning; }
    void ConfirmAndDeletePicture();
    void DeleteCurrentPicture(bool onFixedDrive);
    // "Save", "Move" or "Delete" on the ticked cells of the thumbnail page,
    // one picture after the other through the single-picture operation.
    void ApplyToTickedPictures(const QString& action);
    // The flags of an operation on the ticked pictures.
    struct TickedFlags {
        uint8_t TickedYesToAll = 0;   // "All" was answered: no more prompts
        uint8_t TickedCancel = 0;     // the user cancelled
        uint8_t TickedSkip = 0;       // "No" for this picture
        uint8_t TickedBusy = 0;       // an operation on ticked pictures is under way
    };

    // ---- folder commands ------------------------------------------------------
    void FolderOperationsClick();
    void CreateFolderPopClick();
    void CreatenewFolderClick();
    void RenameFolderPopClick();
    void DeleteFolderPopClick();
    void DeleteFolder1Click();
    void EmptyFolderPopClick();
    void HideSmallClick();
    void WindowsExplorer1Click();
    void DeleteOrEmptyFolder(const QString& folder, FolderWalkMode mode, bool quiet, bool subfolders);

    // The picture the commands work on: during a show the show's current
    // picture, else the picture selected in the tree (else the one shown).
    QString currentPicture() const;

    // ---- PictureOpsHost / FolderOpsHost ---------------------------------------
    void status(const QString& text) override;
    QString statusText() const override;
    void processEvents() override;
    bool showRunning() const override;
    void pictureMovedDuringShow(const QString& newPath) override;
    // During a show whose current picture is bookmarked: its bookmark slot
    // in the settings record becomes `key` (cut to 75 characters).
    void setCurrentBookmark(const QString& key);
    void removeFromPlayOrder() override;
    void treePictureRemoved(const QString& path) override;
    void showCdHelp() override;
    void setBusyCursor(bool busy) override;
    void progressShow(const QString& caption) override;
    void progressLabel(const QString& text) override;
    void progressHide() override;
    bool deletePictureFile(const QString& path, QString* problem) override;
    bool deleteShowFile(const QString& path, QString* problem) override;
    void folderRemoved(const QString& folder) override;
    void reloadShowList() override;
    QString openShowFile() const override;
    bool draftShowOpen() const override;
    void openDraftShow() override;
    void rebuildListMenus() override;
    void reloadExclusions() override;
    void writeKnownShows(const QString& oldFolder, const QString& newFolder) override;
    void syncShowsAfterFolderRename(const QString& oldFolder, const QString& newFolder) override;
    void syncShowsAfterRename(const QString& oldPath, const QString& newPath) override;
    void syncShowsAfterDelete(const QString& path) override;
    QStringList playlists() const override;

    // The full-screen show window and the MyShow manager, once made (either
    // may be null).
    void SetShowView(ShowView* window);
    void SetShowManager(ShowManagerWindow* window);

signals:
    // The folder tree is to open its FolderToOpen, to read its selected
    // folder again, to show its folder caption, or to read the folder
    // exclusions again.
    void folderOpenWanted();
    void folderRefreshWanted();
    void folderCaptionWanted();
    void exclusionsReloadWanted();
    // The running show is to pause, or to end.
    void pauseWanted();
    void showEndWanted();
    // The title of the shown picture is to follow it.
    void pictureStatusWanted();
    // The sound of a picture (of the shown one when empty) is to end.
    void voiceReleaseWanted(const QString& picturePath);
    // A cut-out is to be saved as a reduced copy.
    void pictureReductionWanted(const QString& source, const QString& target, bool fromPreview, bool useViewer, bool keepDate, int sizeChoice, int quality);
    // The keyboard hook is to go before a modal prompt and to come back after.
    void keyboardHookRemovalWanted();
    void keyboardHookWanted();
    // The online help is to open.
    void onlineHelpWanted();
    // A path leaves the recent list, the favourites or the MyShow history;
    // the list menus are to be built again.
    void recentRemovalWanted(const QString& path);
    void favoriteRemovalWanted(const QString& path);
    void historyRemovalWanted(const QString& path);
    void recentMenuWanted();
    void historyMenuWanted();
    void favoritesMenuWanted();
    // The open show's list is to be read again; the draft show is to open.
    void showListReloadWanted();
    void draftShowWanted();
    // The list of known shows is to name `newPrefix` for `oldPrefix`.
    void knownShowsRewriteWanted(const QString& oldPrefix, const QString& newPrefix, int prefixLength,
                                 bool replace);

private:
    FileOperationsController(const FileOpsWidgets& widgets, const FileOpsSources& sources, SettingsStore& settings,
                             const DataPaths& paths, const EnvironmentInfo& environment, ShowSession& session);
    void wire();
    void pauseRunningShow();
    void reopenFolder(const QString& folder);
    void removeShowRecordDuringShow(int recordIndex);
    // The thumbnail page of a running page show is shown.
    bool pageShown() const;
    // The delete prompt of one ticked picture (Yes / No / Cancel / All).
    bool confirmTickedRemoval(const QString& prompt);
    // The ticked run's next pictures, up to the next copy or move (which
    // goes on from its end) or the run's end.
    void tickedStep();
    // One ticked picture's operation has ended: false when that ended the run.
    bool tickedPictureDone(int slot, int before);
    // The run's end: the page packs its removed cells, the window is enabled.
    void tickedEnd();
    // After a copy or move of the current picture: the captions and the tree.
    void copyFollowUp(const QString& source, bool save, bool show);
    // A picture or video node of the tree (not a folder, not the placeholder).
    static bool isFileNode(const QTreeWidgetItem* node);

    FolderTreeController& m_tree;
    PictureDisplayState& m_display;
    OpenShow& m_openShow;
    ThumbnailPageSection& m_page;
    const std::function<bool()> m_manualMode;
    QPointer<ShowView> m_showView;
    QPointer<ShowManagerWindow> m_showManager;
    ShowSession& m_session;
    SettingsStore& m_settings;
    const DataPaths& m_paths;
    const EnvironmentInfo& m_environment;
    const FileOpsControls m_w;
    CopyState m_copy;
    bool m_copyRunning = false;
    TickedFlags m_ticked;
    // The run over the ticked pictures, one picture after the other.
    struct TickedRun {
        bool save = false;
        bool remove = false;
        QPointer<ThumbnailPageController> page;
        std::vector<int> cells;   // the ticked cells, read once
        size_t next = 0;
        bool removed = false;
    };
    TickedRun m_tickedRun;
    QPointer<ProgressWindow> m_progress;
};
