// The main window's menus and captions: the owner-drawn menu style, the
// caption rules applied as each menu opens, the menu measurers, the MyShow
// panel switch and the clipboard commands. The main window owns the
// controller, hands it its menus, tool bars and the few other widgets it
// reads, and reaches it through menus(); the controller reaches the window
// only through MenuHost.
#pragma once

#include <QObject>
#include <QString>

struct MenuCaptionState;
struct OpenShow;
struct ProgramState;
class FolderTreeController;
class LayoutController;
class MainMenus;
class MainToolBars;
class MenuChanges;
class MyShowController;
class PreviewPanel;
class QAction;
class QLabel;
class QStatusBar;
class QTableWidget;
class QTreeWidget;
class QPainter;
class QRect;
class QTreeWidgetItem;
class QWidget;
class PictureDisplaySection;
class ThumbnailPageSection;

// What the menus ask of the main window.
class MenuHost {
public:
    virtual ~MenuHost() = default;
    // The tool-bar or menu action of that objectName (or none).
    virtual QAction* actionNamed(const QString& name) const = 0;
    virtual bool InManualMode() const = 0;
    virtual void PauseShow() = 0;
    // A running show starts again from its first picture.
    virtual void RestartShow() = 0;
    // Connects the start, restart and resume commands (once).
    virtual void ConnectShowCommands() = 0;
    // The Show menu's show items take the state of the show that plays in
    // the full-screen window.
    virtual void SyncShowButtons() = 0;
    // The page of thumbnails (whether a show plays as pages, its selection).
    virtual ThumbnailPageSection* thumbnailPage() const = 0;
    // The picture display (the picture shown now).
    virtual PictureDisplaySection* pictureDisplay() const = 0;
    // The open show (its flags and file).
    virtual OpenShow& openShow() = 0;
    // The folder tree's controller (the selected folder) and a node's path.
    virtual FolderTreeController* folderTree() const = 0;
    virtual QString GetNodePath(QTreeWidgetItem* node) = 0;
    // The layouts and screen modes of the window.
    virtual LayoutController* layouts() const = 0;
    // The MyShow (its changes kept or dropped, the Draft show opened).
    virtual MyShowController* myShow() const = 0;
    // The browse preview and the MyShow preview (the pictures they show).
    virtual PreviewPanel* browsePreview() const = 0;
    virtual PreviewPanel* showPreview() const = 0;
};

class MenuController : public QObject {
    Q_OBJECT
public:
    // `window` is the main window whose menus these are (it parents the
    // controller); `menus` and `toolBars` are its menus and tool bars, built
    // before the controller and outliving it.
    MenuController(QWidget& window, MenuHost& host, const MainMenus& menus, const MainToolBars& toolBars,
                   ProgramState& state);

    ProgramState& state() const { return m_state; }

    // The client area's widgets the menus read: the menu bar's background
    // picture, the status bar (repainted with the menus), the folder tree
    // (the pop-up's node), the show list (its picture count) and the main
    // picture (copied to the clipboard).
    struct ClientWidgets {
        QLabel* ImMenuBG = nullptr;
        QStatusBar* StatusBar1 = nullptr;
        QTreeWidget* TreeView1 = nullptr;
        QTableWidget* MyShowSG = nullptr;
        QLabel* Image1 = nullptr;
    };
    void SetClientWidgets(const ClientWidgets& widgets) { m_c = widgets; }

    // Connects the menus' opening handlers and the owner-drawn menu style
    // (done once; the first showing of the window does it too).
    void SetupMenus();
    void MeasureMenuWidth(int menuIndex);
    void MeasureTreePopupWidth();
    // Menu openings: captions, visibility and enabled states rebuilt.
    void Bestand1Click();
    void ShowClick();
    void MyShowClick();
    void Help1Click();
    void RightClickTreeViewPopup();
    void SetPicturePopupCaptions();
    // The layout pop-up: the layout in effect is checked and can't be chosen.
    void MultiPopPopup();
    void HideShowMyShowClick();
    void PathToClipboardClick(QObject* sender);
    void PictureToClipboardClick(QObject* sender);
    // The state the caption rules read, taken from the program's state.
    MenuCaptionState menuCaptionState() const;
    // Applies caption changes to the actions by object name.
    void applyMenuChanges(const MenuChanges& changes);
    // Texts prepared by the File menu for the CD items' status hints.
    QString CdMenuStatusText, CdFolderStatusText, CdShowStatusText;

private:
    void setupMenuStyle();
    void tagStatusHints();
    void connectMenuOpenings();
    void connectMenuCommands();
    void connectPopupCommands();

    QWidget& m_window;
    MenuHost& m_host;
    const MainMenus& m_menus;
    const MainToolBars& m_toolBars;
    ClientWidgets m_c;
    ProgramState& m_state;
    bool m_menusSetUp = false;
};
