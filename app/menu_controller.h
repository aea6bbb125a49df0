// The main window's menus and captions: the owner-drawn menu style, the
// caption rules applied as each menu opens, the menu measurers, the MyShow
// panel switch and the clipboard commands. The main window owns the
// controller, hands it its menus, tool bars, the open show, the layouts and
// the few widgets and parts it reads, and connects its signals to the parts
// that pause, restart and lay out.
#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>

struct MenuCaptionState;
struct OpenShow;
struct PictureDisplayState;
struct ProgramState;
class FolderTreeController;
class LayoutController;
class MenuBarRows;
class MenuChanges;
class PreviewPanel;
class QAction;
class QMenu;
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
namespace platform {
class WorkerPool;
}

class MenuController : public QObject {
    Q_OBJECT
public:
    // `window` is the main window whose menus these are (it parents the
    // controller; its menus and actions, made before the controller, are
    // taken by objectName); `openShow` is the open show (its flags and file)
    // and `layouts` its layouts (the maximized layout, the fit to an
    // 800-pixel work area), both made before the controller and outliving
    // it. `inManualMode` tells whether the running show waits for the
    // user's steps.
    MenuController(QWidget& window, ProgramState& state, const OpenShow& openShow, const LayoutController& layouts,
                   std::function<bool()> inManualMode);
    ~MenuController() override;

    ProgramState& state() const { return m_state; }

    // The window's widgets the menus read: the menu bar's rows (their
    // titles), the menu bar's background picture, the status bar (repainted
    // with the menus), the folder tree (the pop-up's node), the show list
    // (its picture count) and the main picture (copied to the clipboard);
    // the browse and the MyShow preview (the pictures they show).
    struct ClientWidgets {
        MenuBarRows* BarRows = nullptr;
        QLabel* ImMenuBG = nullptr;
        QStatusBar* StatusBar1 = nullptr;
        QTreeWidget* TreeView1 = nullptr;
        QTableWidget* MyShowSG = nullptr;
        QLabel* Image1 = nullptr;
        const PreviewPanel* BrowsePreview = nullptr;
        const PreviewPanel* ShowPreview = nullptr;
    };
    void SetClientWidgets(const ClientWidgets& widgets) { m_c = widgets; }

    // The parts made after the controller: the folder tree's controller
    // (the selected folder, a node's path; the tree pop-up selects its
    // folder), the picture display's state (the picture shown now) and the
    // page of thumbnails (whether a show plays as pages, its selection and
    // layout). Set once by the main window when every section exists.
    struct Parts {
        FolderTreeController* Tree = nullptr;
        const PictureDisplayState* Display = nullptr;
        const ThumbnailPageSection* Page = nullptr;
    };
    void SetParts(const Parts& parts) { m_parts = parts; }

    // Connects the menus' opening handlers and the owner-drawn menu style
    // (done once; the first showing of the window does it too).
    void SetupMenus();
    // Escape in a menu-bar menu opened with the mouse closes it and leaves
    // the keys to the window (not to the menu bar's titles).
    bool eventFilter(QObject* watched, QEvent* event) override;
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
    // Copies the picture itself (decoded at its own size on a worker), or
    // during a show the cropped version that is shown.
    void PictureToClipboardClick(QObject* sender);
    // The state the caption rules read, taken from the program's state.
    MenuCaptionState menuCaptionState() const;
    // Applies caption changes to the actions by object name.
    void applyMenuChanges(const MenuChanges& changes);
    // Texts prepared by the File menu for the CD items' status hints.
    QString CdMenuStatusText, CdFolderStatusText, CdShowStatusText;

signals:
    // The menus' own commands are connected (once, in SetupMenus): the
    // window's start, restart and resume commands are connected next.
    void menuCommandsConnected();
    // A menu that opens while the show advances holds the show.
    void pauseWanted();
    // "Restart" while a show runs: the show starts again from its first picture.
    void restartWanted();
    // The Show menu's captions are applied: its show items take the state of
    // the show that plays in the full-screen window.
    void showMenuCaptionsApplied();
    // The MyShow panel is hidden while a named show with changes is open: its
    // changes are kept or dropped first, then the Draft show opens.
    void showChangesDecisionWanted();
    void draftShowWanted();
    // The window takes the width of the MyShow panel hidden (half) or shown.
    void panelWidthWanted(bool hidden);
    // The MyShow panel is shown again: its list and controls with it.
    void myShowPanelShown();
    // The MyShow panel was hidden or shown: the window fits the work area and
    // the controls take the layout of its new width.
    void windowWidthSwitched();

private:
    // The window's menu or tool-bar action of that objectName (or none).
    QAction* actionNamed(const QString& name) const;
    void setupMenuStyle();
    void tagStatusHints();
    void connectMenuOpenings();
    void connectMenuCommands();

    QWidget& m_window;
    // The menus and actions the menus' rules and commands serve, taken by
    // objectName.
    struct Items {
        QMenu* Bestand1 = nullptr;
        QMenu* Favorites = nullptr;
        QMenu* Help1 = nullptr;
        QMenu* LaunchEditProgram1 = nullptr;
        QMenu* LaunchVideoProgram = nullptr;
        QMenu* MultiPop = nullptr;
        QMenu* MyShow = nullptr;
        QMenu* Options1 = nullptr;
        QMenu* RaunchEditProgram = nullptr;
        QMenu* Recent1 = nullptr;
        QMenu* RightClickTreeView = nullptr;
        QMenu* Show = nullptr;
        QAction* AddFolder = nullptr;
        QAction* AddPicMyShow = nullptr;
        QAction* AddSelectedFolder = nullptr;
        QAction* AddSelectedFolderPop = nullptr;
        QAction* AutoFolderToCD = nullptr;
        QAction* AutomaticFolder = nullptr;
        QAction* HideShowMyShow = nullptr;
        QAction* MakeAutomatic = nullptr;
        QAction* MakeDefault = nullptr;
        QAction* MakeDefaultPop = nullptr;
        QAction* MovePictureTo = nullptr;
        QAction* PathToCBMyShow = nullptr;
        QAction* PathToClipboard = nullptr;
        QAction* PathToClipboardPop = nullptr;
        QAction* PictureToCBMyShow = nullptr;
        QAction* PictureToClipboard = nullptr;
        QAction* PictureToClipboradPop = nullptr;
        QAction* RenamePicture = nullptr;
        QAction* Restart = nullptr;
        QAction* SendRecycleBin = nullptr;
        QAction* SlideShowFolder = nullptr;
        QAction* StartSlideShowPop = nullptr;
        QAction* HideShowMyShowTB = nullptr;
        QAction* ToolButton1 = nullptr;
        std::array<QAction*, 5> LaunchItems{};    // Launch0..Launch4
        std::array<QAction*, 25> MultiItems{};    // the layout pop-up's items, in the layout table's order
    } m_items;
    ClientWidgets m_c;
    Parts m_parts;
    ProgramState& m_state;
    const OpenShow& m_openShow;
    const LayoutController& m_layouts;
    std::function<bool()> m_inManualMode;
    bool m_menusSetUp = false;
    // Decodes the picture copied to the clipboard (made on first use).
    std::unique_ptr<platform::WorkerPool> m_clipboardDecoder;
};
