// What the main window's list and drive menus need from the window: the
// menus and items they fill and wire, and the routines of other sections
// they call (folder tree, shows, the MyShow panel, the user's folders).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

class FolderTreeController;
struct OpenShow;
class QAction;
class QMenu;
class QTimer;
class QWidget;

// The window's menus and items of the lists and drives (any may be null but
// Window).
struct ListMenusWidgets {
    QWidget* Window = nullptr;
    QTimer* Timer1 = nullptr;   // the idle timer
    QMenu* Recent1 = nullptr;
    QMenu* Favorites = nullptr;
    QMenu* MyShow = nullptr;
    QMenu* Bestand1 = nullptr;
    QMenu* DriveChange1 = nullptr;
    QMenu* DrivePop = nullptr;
    std::array<QAction*, 9> FolderItems{};
    std::array<QAction*, 9> FavItems{};
    std::array<QAction*, 5> HistoryItems{};
    std::array<QAction*, 26> DriveItems{};
    std::array<QAction*, 26> PDriveItems{};
    QAction* MDesktop = nullptr;
    QAction* Desktop = nullptr;
    QAction* MMyPictures = nullptr;
    QAction* MyPictures = nullptr;
    QAction* MInternet = nullptr;
    QAction* Internet = nullptr;
    QAction* MDefStartUp = nullptr;
    QAction* DPDefStartUp = nullptr;
    QAction* AddSelectedFolder = nullptr;
    QAction* AddSelectedFolderPop = nullptr;
    QAction* AddFolder = nullptr;
    QAction* AddShow = nullptr;
    QAction* MakeDefault = nullptr;
    QAction* MakeDefaultPop = nullptr;
    QAction* MakeAutomatic = nullptr;
    QAction* AutomaticFolder = nullptr;
    QAction* AutomaticShow = nullptr;
    QAction* MakeAutoMaticPop = nullptr;
    QAction* N1 = nullptr;
    QAction* N12 = nullptr;
    QAction* N16 = nullptr;
    QAction* N25 = nullptr;
    QAction* ClearRec = nullptr;
    QAction* ClearFavs = nullptr;
    QAction* SaveMyShowAs = nullptr;
    QAction* DeleteMyShow = nullptr;
};

class ListMenusHost {
public:
    virtual ~ListMenusHost() = default;

    virtual ListMenusWidgets widgets() const = 0;
    // The open show.
    virtual OpenShow& openShow() = 0;
    // Fits a menu's width to its captions.
    virtual void MeasureMenu(QMenu* menu) = 0;
    // The folder tree's controller (the selected folder, the folder to open).
    virtual FolderTreeController* folderTree() = 0;

    virtual void OpenFolderOrShow() = 0;
    virtual void UpdateFolderCaption() = 0;
    virtual void DesktopClick() = 0;
    virtual void MyPicturesClick() = 0;
    virtual void InternetClick() = 0;
    virtual void EndShow() = 0;
    virtual void ToolButton2Click() = 0;
    virtual void ApplyShowOptions() = 0;
    virtual void PlayPictures(const QStringList& Pictures, const QList<int>& Records) = 0;
    virtual void LoadMyShowClick(const QString& PresetFile) = 0;
    virtual void ShowMyShowLabel(const QString& action) = 0;
};
