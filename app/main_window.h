// The main window of Vistamo!.
//
// The constructor only builds the widgets (cheap, touches no file), so tests
// can make a MainWindow freely; startup()->FormCreate() does the settings work of a real
// start. Every component carries its own name as objectName, so tests and
// other windows find it with findChild<...>("Name").
//
// The class is shared by several concerns. Each has one marked section
// below; members of a concern are declared only inside its section and
// defined in that concern's own .cpp file (app/main_window_<concern>.cpp).
#pragma once

#include "app/close_controller.h"
#include "app/help_and_version_controller.h"
#include "app/input_controller.h"
#include "app/layout_controller.h"
#include "app/main_client_area.h"
#include "app/main_status_bar.h"
#include "app/main_menus.h"
#include "app/main_tool_bars.h"
#include "app/menu_controller.h"
#include "app/options_controller.h"
#include "app/startup_controller.h"
#include "base/program_state.h"
#include "browse/folder_tree_panel.h"
#include "shows/my_show_controller.h"
#include "shows/show_list_panel.h"
#include "slideshow/slide_show_controller.h"
#include "sound/sound_controller.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QWidget;
class QSlider;
class QCloseEvent;
class QShowEvent;
class AutoShowCountdownWindow;
class ShowView;
class ShowWindow;
class PictureTextWindow;
class AutoShowOfferWindow;
class ShowManagerWindow;
class FolderPictureChooser;
class PreviewPanel;
class PictureSlotModel;

// The window whose objectName is "Form1".
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(ProgramState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The program's state, made by main() (or a test) and outliving the window.
    ProgramState& state() const { return m_state; }
    // The open show (its working copy and flags), kept by the show controller.
    OpenShow& openShow() { return m_openShow; }
private:
    ProgramState& m_state;
    std::unique_ptr<MyShowController> m_myShow;
    OpenShow& m_openShow;  // the show controller's open show
    // Makes the show controller (app/main_window_shows.cpp).
    std::unique_ptr<MyShowController> makeMyShow();
    std::unique_ptr<SoundController> m_sound;
    std::unique_ptr<SlideShowController> m_slideShow;
    // Makes the slide show controller with the makers of the windows it
    // uses (app/main_window_slideshow.cpp).
    std::unique_ptr<SlideShowController> makeSlideShow();
public:

    // The other long-lived windows, made and deleted by main() (or a test)
    // and kept here; any may be null (not made yet, or not for this start).
    // The full-screen show window `Form9`.
    ShowWindow* showWindow() const;
    // The show window as browsing sees it.
    ShowView* showView() const;
    void setShowWindow(ShowWindow* window);
    // This window's picture slot ("form1im1"), which Image1 shows; made at
    // first use and handed to the sections that load, fit and rotate it.
    PictureSlotModel* pictureSlot();
    // The picture-text window `Form10`.
    PictureTextWindow* pictureTextWindow() const;
    void setPictureTextWindow(PictureTextWindow* window);
    // The MyShow manager `Form16`.
    ShowManagerWindow* showManager() const;
    void setShowManager(ShowManagerWindow* window);
    // The folder picture chooser `Form20` (a child of this window).
    FolderPictureChooser* folderPictureWindow() const;
    void setFolderPictureWindow(FolderPictureChooser* window);
    // The automatic show window of a demo start `Form13`.
    AutoShowOfferWindow* demoShowWindow() const;
    void setDemoShowWindow(AutoShowOfferWindow* window);
    // The idle replay window `Form2`.
    AutoShowCountdownWindow* replayWindow() const;
    void setReplayWindow(AutoShowCountdownWindow* window);
private:
    // Connects the automatic-show windows' signals to the slide show and
    // the idle timer (each window once, when it is set).
    void ConnectAutomaticShow();
    QPointer<ShowWindow> m_showWindow;
    PictureSlotModel* m_pictureSlot = nullptr;
    QPointer<PictureTextWindow> m_pictureTextWindow;
    QPointer<ShowManagerWindow> m_showManager;
    QPointer<FolderPictureChooser> m_folderPictureWindow;
    QPointer<AutoShowOfferWindow> m_demoShowWindow;
    QPointer<AutoShowCountdownWindow> m_replayWindow;
    // The windows of their own this window made at first use; they go with it.
    QList<QPointer<QWidget>> m_windowsMadeHere;
public:

    // The client area and its pictures, the folder tree, the MyShow list's
    // column and the status bar, built by the constructor.
    MainClientArea* clientArea() const { return m_clientArea.get(); }
    QTreeWidget* treeView() const { return m_folderTreePanel->tree(); }
    ShowListPanel* showList() const { return m_showList.get(); }
    MainStatusBar* statusPanels() const { return m_statusBar; }
private:
    std::unique_ptr<MainClientArea> m_clientArea;
    std::unique_ptr<FolderTreePanel> m_folderTreePanel;
    std::unique_ptr<ShowListPanel> m_showList;
    MainStatusBar* m_statusBar = nullptr;
public:

    // Finds a menu or tool-bar action by its objectName (nullptr when none).
    QAction* actionNamed(const QString& name) const;

    // The menu bar with its menus and items, and the pop-up menus
    // (app/main_menus.h). (Named so as not to clash with menus(), the
    // menu controller.)
    const MainMenus& mainMenus() const { return *m_mainMenus; }
    // The two tool bars and their actions (app/main_tool_bars.h), made with
    // the client area.
    const MainToolBars& toolBars() const { return *m_toolBars; }
private:
    std::unique_ptr<MainToolBars> m_toolBars;
    std::unique_ptr<MainMenus> m_mainMenus;
public:

    // The browse preview under the tree and the MyShow preview under the
    // list (browse/preview_panel.h), made with the client area.
    PreviewPanel* browsePreview() const { return m_browsePreview; }
    PreviewPanel* showPreview() const { return m_showPreview; }
private:
    PreviewPanel* m_browsePreview = nullptr;
    PreviewPanel* m_showPreview = nullptr;
public:

    // =====================================================================
    // SECTION: start-up and close  (owner: startup; the controllers in
    // app/startup_controller.cpp and app/close_controller.cpp)
    // =====================================================================
public:
    // The start: the settings work of FormCreate, the command-line argument,
    // the monthly update suggestion, the demo start's hand-over and the
    // upload commands' captions and glyphs (app/startup_controller.h).
    StartupController* startup() const { return m_startup.get(); }
    // The close: refusals, the open show's changes, the settings merge and
    // save, the list of known shows (app/close_controller.h).
    CloseController* closing() const { return m_close.get(); }
    // A window of its own made at first use by a controller: it goes with
    // this window.
    void adoptWindow(QWidget* window);
protected:
    // The close and show events are handed to the controllers; the first
    // show runs the first-show steps before.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
private:
    // The wiring done when the window is first shown, in its written order
    // (once).
    void RunFirstShowSteps();
    bool m_firstShowDone = false;
    // Made once every part they reach exists.
    std::unique_ptr<StartupController> m_startup;
    std::unique_ptr<CloseController> m_close;
    // Connects what the start and the close ask at each point of their
    // procedures to the part that does it (once).
    void ConnectStartup();
    void ConnectClose();
public:
    // === end of section: start-up and close ===

    // =====================================================================
    // SECTION: layouts and screen modes  (owner: menus; app/main_window_layout.cpp,
    // the controller in app/layout_controller.cpp)
    // =====================================================================
public:
    // The layouts and screen modes (app/layout_controller.cpp): the restored
    // and maximized layouts, window state changes, status panels, the tips
    // of a running or stopped show, the show speed and the monitor pop-ups.
    // (Named so as not to hide QWidget::layout().)
    LayoutController* layouts() const { return m_layout.get(); }
protected:
    // The size, move and state events are forwarded to the layout controller.
    void changeEvent(QEvent* event) override;
    void resizeEvent(class QResizeEvent* event) override;
    void moveEvent(class QMoveEvent* event) override;
private:
    std::unique_ptr<LayoutController> m_layout;
    // Connects the layout controller's signals (once).
    void ConnectLayouts();
public:
    // === end of section: layouts and screen modes ===

    // =====================================================================
    // SECTION: menus and captions  (owner: menus; the controller in
    // app/menu_controller.cpp)
    // =====================================================================
public:
    // The menus and captions (app/menu_controller.cpp): the owner-drawn
    // style, the menus' opening handlers, the measurers, the MyShow panel
    // switch and the clipboard commands.
    MenuController* menus() const { return m_menus; }
private:
    MenuController* m_menus = nullptr;
    // Hands the menu controller the parts made after it and connects its
    // signals to the slide show, the layouts, the open show and the show
    // commands (once, when every section exists).
    void ConnectMenus();
public:
    // === end of section: menus and captions ===

    // =====================================================================
    // SECTION: keyboard hook, events and show commands  (owner: menus; the
    // controller in app/input_controller.cpp, app/main_window_show_commands.cpp)
    // =====================================================================
public:
    // The keyboard hook, the key commands, the idle timer and the window's
    // mouse, hint and activation events (app/input_controller.cpp).
    InputController* input() const { return m_input; }
    // The status panels hand their painting on to the input controller.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A running show starts again from its first picture; with none running
    // a new show of the current source starts.
    void RestartShow();
    // Start buttons and items: "Start Slide Show" (ToolButton1), the
    // thumbnail-view starts of the folder and of the MyShow, and the
    // resume in full screen from the page.
    void ToolButton1Click();
    void TBGoSmallClick();
    void TBGoSmallMSClick();
    void ResumeInFullClick();
    // Full screen on or off: from the page show the show resumes in full
    // screen; a show in the full-screen window comes to the front (a show
    // of one picture at a time plays there only).
    void FullScreenToolButton3Click();
    // The Show menu's show items take the state of the show in the
    // full-screen window (after the caption rules).
    void SyncShowButtons();
    // After a step of the full-screen show and when it pauses or goes on:
    // the control panel's twins and the picture's tip.
    void SyncFullScreenControls();
    // A show plays one picture at a time in the full-screen window.
    bool FullScreenShowRuns() const;
    // "Show Forward"/"Show in Reverse" and "Manual Mode" of the Show menu.
    void ShowDirectionClick(int direction, QAction* pageButton);
    void ManualModeClick();
    // The screen choice of the folder source (SBScreenMode).
    void SBScreenModeClick();
    // Connects the start, restart and resume commands and the Show menu's
    // show items (once; SetupMenus).
    void ConnectShowCommands();
    // Browse and MyShow commands (app/main_window_browse_commands.cpp): the
    // current picture joins the open show; a click on the browse or the
    // MyShow preview, or the pop-up's item, opens the full view; the
    // selected row of MyShowSG is previewed.
    void AddCurrentPictureToMyShow();
    void Image4Click();
    void Image2Click();
    void ShowPicFullPopClick();
    void MyShowSGSelectCell();
    // Connects those and the play-order boxes (once, with the show commands).
    void ConnectBrowseCommands();
private:
    InputController* m_input = nullptr;
    // Connects the input controller's key and wheel commands (once).
    void ConnectInput();
public:
    // === end of section: keyboard hook and events ===

    // =====================================================================
    // SECTION: folder tree  (owner: tree; app/main_window_folder_tree*.cpp)
    // =====================================================================
public:
    // The folder tree section (browse/folder_tree_section.h), made in the
    // constructor.
    class FolderTreeSection* folderTreeSection() const { return FolderTreeSect; }
    // The controller of TreeView1 (tree state, fill, walk, handlers).
    class FolderTreeController* folderTree() const;
private:
    class FolderTreeSection* FolderTreeSect = nullptr;
    void InstallFolderTree();
    // Connects what the tree asks for to the input, MyShow, full view,
    // preview and external program sections, once every section exists.
    void ConnectFolderTree();
public:
    // === end of section: folder tree ===

    // =====================================================================
    // SECTION: picture display  (owner: loader; app/main_window_picture*.cpp)
    // =====================================================================
public:
    // The picture display section (browse/picture_display_section.h), made
    // in the constructor: the display step, the picture commands and the
    // title of the shown picture.
    class PictureDisplaySection* pictureDisplay() const { return PictureDisplaySect; }
private:
    class PictureDisplaySection* PictureDisplaySect = nullptr;
    void InstallPictureDisplay();
    // Connects the display step to the page of thumbnails, the show and the
    // sound, once every section exists.
    void ConnectPictureDisplay();
public:
    // === end of section: picture display ===

    // =====================================================================
    // SECTION: fitting, zooming and crop  (owner: zoom; app/main_window_fit*.cpp)
    // =====================================================================
public:
    // The fitting, zooming and crop section (browse/fit_zoom_section.h), made
    // in the constructor: Image1's fit-zoom handler, the full view and the
    // custom ratio panel.
    class FitZoomSection* fitZoom() const { return FitZoomSect; }
private:
    class FitZoomSection* FitZoomSect = nullptr;
    void InstallFitZoom();
    // Connects what the full view asks for to the picture display, the
    // layouts, the show and the input, once every section exists.
    void ConnectFitZoom();
public:
    // === end of section: fitting, zooming and crop ===

    // =====================================================================
    // SECTION: shows and services  (owner: services; shows/, slideshow/,
    // sound/, sharing/ main_window_*.cpp files)
    // =====================================================================
public:
    // The open show and its list MyShowSG (shows/my_show_controller.h).
    MyShowController* myShow() const { return m_myShow.get(); }
    // The slide show: its start, play, pause and end
    // (slideshow/slide_show_controller.h). The hosts' show commands hand off to it.
    SlideShowController* slideShow() const { return m_slideShow.get(); }
    void PlayPictures(const QStringList& Pictures, const QList<int>& Records = {})
    {
        m_slideShow->PlayPictures(Pictures, Records);
    }
    void ToolButton2Click() { m_slideShow->ToolButton2Click(); }
    void PauseShow() { m_slideShow->PauseShow(); }
    bool InManualMode() const { return m_slideShow->InManualMode(); }
    // The sound of a shown picture, the voice player and the music queue
    // (sound/sound_controller.h).
    SoundController* sound() const { return m_sound.get(); }
private:
    // Hands the slide show the parts it reads and drives and connects its
    // signals to the other sections (app/main_window_slideshow.cpp);
    // connects the open show's signals (app/main_window_shows.cpp). Once,
    // when every section exists.
    void ConnectSlideShow();
    void ConnectMyShow();
public:
    // Sharing (app/main_window_sharing.cpp).
    bool ReducePictureSize(const QString& Source, const QString& Target, bool FromPreview, bool UseViewer, bool KeepDate, int SizeChoice, int Quality);
    // Environment (app/environment_menu.cpp): the user's folders of the drive menus.
    void DesktopClick();
    void MyPicturesClick();
    void InternetClick();
    // === end of section: shows and services ===

    // =====================================================================
    // SECTION: recent folders, favourites, history and drives  (owner: lists;
    // app/main_window_lists.cpp)
    // =====================================================================
public:
    // The list and drive menus (browse/list_menus_section.h), made in the
    // constructor.
    class ListMenusSection* listMenus() const { return ListMenusSect; }
    // Invokable, so the window's meta-object links it in: the list menus are
    // built when the window is first shown.
    Q_INVOKABLE void SetupListMenus();
private:
    class ListMenusSection* ListMenusSect = nullptr;
    void InstallListMenus();
    // Connects what the list menus ask for to the folder tree, this window's
    // user folders, the show, MyShow and the layouts, once every section exists.
    void ConnectListMenus();
public:
    // === end of section: recent folders, favourites, history and drives ===

    // =====================================================================
    // SECTION: help, version check, about and small handlers  (owner:
    // smallwin; app/main_window_small_handlers.cpp, the help and version
    // controller in app/help_and_version_controller.cpp)
    // =====================================================================
public:
    // Connects the Help menu items, the picture and thumbnail timers, the
    // tree's keys and selection and the show list's mouse moves (once; the
    // first showing of the window does it too).
    Q_INVOKABLE void SetupSmallHandlers();
    // Help, the version check, the About box and the maker's web pages.
    HelpAndVersionController* helpAndVersion() const { return m_helpAndVersion; }
    // The show list takes the keyboard when the mouse moves over it.
    void MyShowSGMouseMove();
private:
    bool m_smallHandlersSetUp = false;
    HelpAndVersionController* m_helpAndVersion = nullptr;
    // Connects the help and version controller's signals (once).
    void ConnectHelpAndVersion();
public:
    // === end of section: help, version check, about and small handlers ===

    // =====================================================================
    // SECTION: options and favourites windows  (owner: options;
    // app/main_window_options.cpp, the controller in app/options_controller.cpp)
    // =====================================================================
public:
    // The Options menu, the options dialog and the maintenance window.
    OptionsController* options() const { return m_options; }
    // What the options dialog's "&Apply" changes in this window.
    void EnableEditCommands(bool on);
    void EnableShowWindowEditButton(bool on);
    void RefreshAfterOptions();
    void OptionsDialogClosed();
    // The picture-text window of MyShow is open.
    bool PictureTextWindowShown() const;
private:
    OptionsController* m_options = nullptr;
    // Connects the options controller's signals (once).
    void ConnectOptions();
public:
    // === end of section: options and favourites windows ===

    // =====================================================================
    // SECTION: external programs and wallpaper  (owner: extprog;
    // app/main_window_external_programs.cpp, the controller in
    // browse/external_programs_controller.cpp)
    // =====================================================================
public:
    // The launch menus and buttons, rotations, the sibling program, the EXIF
    // date reset and the wallpaper (browse/external_programs_controller.h).
    class ExternalProgramsController* externalPrograms() const { return m_externalPrograms; }
private:
    class ExternalProgramsController* m_externalPrograms = nullptr;
    void InstallExternalPrograms();
    // Connects what the launches and rotations ask for to the folder tree,
    // the show, the sound, the picture display, the full view and the
    // layouts, once every section exists.
    void ConnectExternalPrograms();
public:
    // === end of section: external programs and wallpaper ===

    // =====================================================================
    // SECTION: picture information and thumbnail files  (owner: thumbs;
    // app/main_window_thumbnail_files.cpp, the controller in
    // browse/picture_info_controller.cpp)
    // =====================================================================
public:
    // The browse and MyShow previews, the tree's hover preview and the
    // thumbnail files (browse/picture_info_controller.h).
    class PictureInfoController* pictureInfo() const { return m_pictureInfo; }
private:
    class PictureInfoController* m_pictureInfo = nullptr;
    void InstallPictureInfo();
    // The thumbnail and information steps follow each picture loaded into
    // `slot` (this window's, or the show window's).
    void FollowPictureLoads(PictureSlotModel* slot);
    // Connects what the previews ask for to the folder tree, once every
    // section exists.
    void ConnectPictureInfo();
public:
    // === end of section: picture information and thumbnail files ===

    // === section: thumbnail view (app/main_window_thumbnail_page.cpp) ===
public:
    // The page of thumbnails, its page show and the layout menu
    // (browse/thumbnail_page_section.h), made in the constructor.
    class ThumbnailPageSection* thumbnailPage() const { return ThumbnailPageSect; }
private:
    class ThumbnailPageSection* ThumbnailPageSect = nullptr;
    void InstallThumbnailPage();
    // Makes the operations (first showing) and connects what they ask for
    // to the folder tree, the show, the picture display, the sound, the
    // keyboard hook, help, the list menus, MyShow and the close's show list.
    void MakeFileOperations();
    void ConnectFileOperations(class FileOperationsController* fileOps);
    // Connects what the page asks for to the show, the picture display, the
    // full view and the layouts, once every section exists.
    void ConnectThumbnailPage();
public:
    // === end of section: thumbnail view ===

private:
    void buildClientArea();
};
