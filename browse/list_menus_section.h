// The main window's recent folders, favourites, MyShow history and drive
// menus. What it asks of other parts it says with signals, which the main
// window connects.
#pragma once

#include "base/show_session.h"
#include "browse/drive_menu.h"
#include "browse/list_menus_widgets.h"
#include "browse/page_selection.h"

#include <QChar>
#include <QObject>
#include <QList>
#include <QMenu>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

struct SettingsStore;
struct DataPaths;
struct EnvironmentInfo;
struct StartContext;
struct OpenShow;
class FolderTreeController;

class ListMenusSection : public QObject {
    Q_OBJECT
public:
    // A child of the widgets' window; the menus are wired on first use.
    // `tree` is the folder tree the entries are opened in (its selected
    // folder, the folder to open).
    ListMenusSection(const ListMenusWidgets& widgets, FolderTreeController& tree, OpenShow& openShow,
                     SettingsStore& settings, const DataPaths& paths, const EnvironmentInfo& environment,
                     const StartContext& start, ShowSession& session);
    ~ListMenusSection() override;

    // Connects the list and drive menus and their items to their handlers
    // (done once; building any of the list menus does it too).
    void SetupListMenus();
    // The list menus rebuilt from the settings (used entries shown).
    void BuildRecentMenu();
    void BuildFavoritesMenu();
    void BuildHistoryMenu();
    // Puts RecentCandidate at the top of the recent list (a show starts).
    void AddToRecentFolders();
    // Puts a MyShow file at the top of the history (opened, saved, closed).
    void AddToShowHistory(const QString& path);
    // Browses or plays entry ListEntryIndex of the recent list or favourites.
    void OpenRecentEntry();
    // Opens entry HistoryEntryIndex of the history as the MyShow.
    void OpenHistoryShow();
    void AddToFavorites(const QString& path, bool add);
    void RemoveFromRecent(const QString& path);
    void RemoveFromFavorites(const QString& path);
    void RemoveFromHistory(const QString& path);
    // kind 'R', 'F' or 'H'; the index found goes into FoundListIndex.
    bool FindInRecentLists(QChar kind, const QString& path);
    int32_t FavoriteIndexOf(const QString& path);
    void MakeDefaultClick();
    void MakeAutomaticClick(QObject* sender);
    // `item` (AddSelectedFolder or the pop-up's AddSelectedFolderPop) adds
    // or removes its path as its caption says.
    void AddSelectedFolderClick(const QAction* item);
    void MakeDefaultPopClick();
    void MakeAutoMaticPopClick();
    void DPDefStartUpClick();
    // Menu openings.
    void Recent1Click();
    void FavoritesClick();
    // Entry n for letter A + n: the drive's letter, ":", a blank, its mount
    // point and its kind ("C: / Fixed Drive"); empty when the letter has no drive.
    std::array<QString, DriveLetterCount> DriveTable;
    // The entry chosen in a drive menu (0 .. 25).
    int32_t DriveMenuIndex = 0;
    // The first CD/DVD drive that is ready and has more than 1 KB free, or '1'
    // when there is none.
    QChar FirstWritableCdDrive = QLatin1Char('1');
    // The drive table and the drive menus; OpenDrive opens DriveMenuIndex.
    void PrepareDriveTable();
    void BuildDriveMenu();
    void DrivePopPopup();
    void OpenDrive();
    qint64 FreeSpaceOnDrive(QChar letter);

    // ---- State of the list entry being opened ----
    int32_t ListEntryIndex = 0;     // 0 .. 8: the recent or favourite entry being opened
    uint8_t ListIsFavorites = 0;    // 1 when ListEntryIndex names a favourite
    uint8_t ListEntryStarted = 0;   // 1 when the current show was played straight from a list entry
    QString StartedListEntry;       // ... and that entry
    int32_t HistoryEntryIndex = 0;  // 0 .. 4: the history entry being opened
    int32_t FoundListIndex = -1;    // index found by the last FindInRecentLists
    QString RecentCandidate;        // the folder or show file of the show that is starting
    uint8_t ListEntryIsShow = 0;    // 1 when the entry last opened is a show file, 0 a folder
    uint8_t ReopenAfterStop = 0;    // the entry is opened again once the running show has stopped

    // The page of thumbnails: an entry opened while it is shown stops the show first.
    void SetPage(PageSelection* page) { m_page = page ? page : &m_noPage; }

signals:
    // A menu was filled: its width is to fit its captions.
    void menuMeasureWanted(QMenu* menu);
    // The tree is to open its FolderToOpen, or to show its folder caption.
    void folderOpenWanted();
    void folderCaptionWanted();
    // The user's Desktop, My Pictures or Internet folder was chosen.
    void desktopWanted();
    void myPicturesWanted();
    void internetWanted();
    // The running show is to stop (as its Stop button does) or to end; the
    // play options are to be applied; pictures are to be played.
    void showStopWanted();
    void showEndWanted();
    void showOptionsWanted();
    void playWanted(const QStringList& pictures, const QList<int>& records);
    // A show file of the history is to be opened as the MyShow; the MyShow
    // label is to show `action`.
    void showFileOpenWanted(const QString& path);
    void showLabelWanted(const QString& action);

private:
    // The list's separator and maintenance item after the list is filled.
    static void showMaintenance(QAction* separator, QAction* maintenance, bool used);
    void playListEntry(const QString& entry);

    FolderTreeController& m_tree;
    OpenShow& m_openShow;
    ShowSession& m_session;
    SettingsStore& m_settings;
    const DataPaths& m_paths;
    const EnvironmentInfo& m_environment;
    const StartContext& m_start;
    const ListMenusControls m_w;
    bool m_listMenusSetUp = false;
    PageSelection m_noPage;
    PageSelection* m_page = &m_noPage;
};
