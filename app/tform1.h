// The main window of Vistamo!.
//
// The constructor only builds the widgets (cheap, touches no file), so tests
// can make a TForm1 freely; FormCreate() does the settings work of a real
// start. Every component carries its own name as objectName, so tests and
// other windows find it with findChild<...>("Name").
//
// The class is shared by several concerns. Each has one marked section
// below; members of a concern are declared only inside its section and
// defined in that concern's own .cpp file (app/tform1_<concern>.cpp or
// browse/tform1_<concern>.cpp).
#pragma once

#include "app/help_and_version_controller.h"
#include "app/layout_controller.h"
#include "app/options_controller.h"
#include "app/options_host.h"
#include "base/program_state.h"
#include "slideshow/automatic_show_host.h"

#include <QHash>
#include <QMainWindow>
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
class PagePositionBarWidget;
class ThumbnailPageController;
class ThumbnailPageHost;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QWidget;
class QSlider;
class QCloseEvent;
class QShowEvent;

class TForm1 : public QMainWindow, public AutomaticShowHost, public OptionsHost,
               public HelpAndVersionHost, public OptionsMenuHost, public LayoutHost {
    Q_OBJECT

public:
    explicit TForm1(ProgramState& state, QWidget* parent = nullptr);
    ~TForm1() override;

    // The program's state, made by main() (or a test) and outliving the window.
    ProgramState& state() const { return m_state; }
    // The settings store the hosts' interfaces hand to the controllers and windows.
    SettingsStore& settings() override { return m_state.settings; }
private:
    ProgramState& m_state;
public:

    // Finds a menu or tool-bar action by its objectName (nullptr when none).
    QAction* actionNamed(const QString& name) const;

    // ===================================================================
    // Components. Built by the constructor; every one has its objectName.
    // ===================================================================

    // --- client area -----------------------------------------------------
    QWidget* ClientArea = nullptr;           // central widget, controls placed at design bounds
    QToolBar* ToolBar1 = nullptr;            // folder / picture tool bar (left half)
    QToolBar* ToolBar2 = nullptr;            // MyShow tool bar (right half)
    QTreeWidget* TreeView1 = nullptr;        // the folder tree
    QTableWidget* MyShowSG = nullptr;        // the show list grid (Seq, T, S, Title, Path)
    QFrame* Bevel1 = nullptr;
    QFrame* Bevel2 = nullptr;
    QFrame* Bevel3 = nullptr;
    QFrame* TreeThumbnailPanel = nullptr;    // browse preview panel under the tree
    QFrame* Panel1 = nullptr;                // show preview panel under the list
    QFrame* NoShowPanel4 = nullptr;          // frame of the browse preview
    QFrame* NoShowPanel = nullptr;           // frame of the show preview
    QFrame* SizeDatePanel4 = nullptr;        // file information of the browse preview
    QFrame* SizeDatePanel = nullptr;         // file information of the show preview
    QFrame* TarnivoPanel = nullptr;
    QFrame* VoiceBevel = nullptr;

    // Images (QLabel holding a pixmap).
    QLabel* Image1 = nullptr;                // main picture area ("form1im1")
    QLabel* image2 = nullptr;                // MyShow preview
    QLabel* Image3 = nullptr;                // hidden; text measurements
    QLabel* Image4 = nullptr;                // browse preview
    QLabel* ImMenuBG = nullptr;              // hidden; menu bar background
    QLabel* ImMyShowHeader = nullptr;        // header picture over the show list
    QLabel* ImBottomBar = nullptr;           // hidden; bottom-bar bitmap
    QLabel* MusicBlackIm = nullptr;
    QLabel* MusicPurpleIm = nullptr;

    // Labels.
    QLabel* Label2 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* PicInListLabel = nullptr;
    QLabel* NrofPicLabel = nullptr;
    QLabel* MyShowLabel = nullptr;
    QLabel* CannotOpenLabel = nullptr;
    QLabel* VideoLabel = nullptr;
    QLabel* FileNotExistLabel = nullptr;
    QLabel* CannotOpenLabel4 = nullptr;
    QLabel* VideoLabel4 = nullptr;
    QLabel* FileNotExistLabel4 = nullptr;
    QLabel* FileDateLabel = nullptr;
    QLabel* FileDateLabel4 = nullptr;
    QLabel* FileSizeLabel = nullptr;
    QLabel* FileSizeLabel4 = nullptr;
    QLabel* ModelLabel = nullptr;
    QLabel* ModelLabel4 = nullptr;
    QLabel* ReadOnlyLabel = nullptr;
    QLabel* ReadOnlyLabel4 = nullptr;

    QComboBox* ShowPlayOrderCB = nullptr;
    QComboBox* FPlayorderCB = nullptr;

    // Buttons of the show list column and the preview panels.
    QToolButton* MailSP = nullptr;
    QToolButton* UploadSp = nullptr;
    QToolButton* CopyVXOButton = nullptr;
    QToolButton* ExchangeButtonBoven = nullptr;   // move up
    QToolButton* ExchangeButtonBeneden = nullptr; // move down
    QToolButton* MoveButton = nullptr;
    QToolButton* DeleteButton = nullptr;
    QToolButton* TextSB = nullptr;
    QToolButton* ClearListButton = nullptr;
    QToolButton* MicroSB = nullptr;
    QToolButton* VoicePlaySB = nullptr;
    std::array<QToolButton*, 5> ExeSB{};          // ExeSB0..ExeSB4 (show list edit programs)
    std::array<QToolButton*, 5> Exe4SB{};         // Exe4SB0..Exe4SB4 (browse preview edit programs)

    QStatusBar* StatusBar1 = nullptr;
    QLabel* StatusPanel0 = nullptr;               // panel 0 of StatusBar1 ("StatusBar1Panel0")
    QLabel* StatusPanel1 = nullptr;               // panel 1 of StatusBar1 ("StatusBar1Panel1")

    // --- tool bar 1 (actions) ----------------------------------------------
    QAction* ToolButton1 = nullptr;               // start slide show from folder
    QAction* ToolButton2 = nullptr;               // stop slide show
    QAction* ShowinReverseToolButton = nullptr;
    QAction* ShowForwardToolButton = nullptr;
    QAction* ManualModeToolButton = nullptr;
    QAction* Backwards1ToolButton = nullptr;
    QAction* Forward1ToolButton = nullptr;
    QAction* FullScreenToolButton3 = nullptr;
    QAction* TBGoSmall = nullptr;
    QAction* TBMonitorSelection = nullptr;
    QAction* TBNrOfThumbs = nullptr;
    QAction* TBSelAll = nullptr;
    QAction* TBMultMode = nullptr;                // pictures per page (MultiPop)
    QAction* TBSelNone = nullptr;
    QAction* TBSelInvert = nullptr;
    QAction* SaveToolButton = nullptr;
    QAction* MoveToolButton = nullptr;
    QAction* RenamePictureToolButton = nullptr;
    QAction* RecycleBinToolButton = nullptr;
    QAction* TBRotateL = nullptr;
    QAction* TBRotateR = nullptr;
    QAction* TBMakeSmall = nullptr;
    QAction* RunExeToolButton = nullptr;
    QAction* ExplorerTB = nullptr;
    QAction* SearchTB = nullptr;
    QAction* AddPicMultTB = nullptr;
    QAction* MicroTB = nullptr;
    QAction* VoicePlayTB = nullptr;
    QAction* PlaylistBATB = nullptr;
    QAction* PlaylistFWTB = nullptr;
    QAction* Volume = nullptr;
    QAction* OptionsTB = nullptr;
    QAction* TBTarnivo = nullptr;
    QAction* TBSepTarn = nullptr;
    QAction* SBScreenMode = nullptr;
    QAction* HideShowMyShowTB = nullptr;

    // --- tool bar 2 (MyShow) -----------------------------------------------
    QAction* StartMySlideShowTB = nullptr;
    QAction* TBGoSmallMS = nullptr;
    QAction* TBMonitorSelectionMS = nullptr;
    QAction* TBNrOfThumbsMS = nullptr;
    QAction* ShowOpenTB = nullptr;
    QAction* NewShowTB = nullptr;
    QAction* MyShowDraftTB = nullptr;
    QAction* CloseMyShowTB = nullptr;
    QAction* SaveMyShowTB = nullptr;
    QAction* SaveMyShowAsTB = nullptr;
    QAction* UndoTB = nullptr;
    QAction* AttachPlaylistTB = nullptr;
    QAction* RunExeMyShowTB = nullptr;
    QAction* ShowAllTB = nullptr;

    // --- main menu -----------------------------------------------------------
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Bestand1 = nullptr;                    // File
    QMenu* Show = nullptr;
    QMenu* MMultSlide = nullptr;                  // pictures per page
    QMenu* MyShow = nullptr;
    QMenu* Playlist = nullptr;
    QMenu* Favorites = nullptr;
    QMenu* Recent1 = nullptr;
    QMenu* Options1 = nullptr;
    QMenu* Help1 = nullptr;

    // File menu.
    QAction* AddSelectedFolder = nullptr;
    QMenu* AddSelectedFolderB = nullptr;
    QAction* AddFolder = nullptr;
    QAction* AddShow = nullptr;
    QAction* MakeDefault = nullptr;
    QAction* MakeAutomatic = nullptr;
    QMenu* MakeAutomaticB = nullptr;
    QAction* AutomaticFolder = nullptr;
    QAction* AutomaticShow = nullptr;
    QMenu* DriveChange1 = nullptr;
    std::array<QAction*, 26> DriveItems{};        // Drive01..Drive26
    QAction* N26 = nullptr;
    QAction* MDesktop = nullptr;
    QAction* MMyPictures = nullptr;
    QAction* MInternet = nullptr;
    QAction* MDefStartUp = nullptr;
    QAction* ShowPicFullHidden = nullptr;
    QMenu* ShowPicFull = nullptr;
    QAction* ShowPicFullFolder = nullptr;
    QAction* ShowPicFullMyShow = nullptr;
    QAction* AddPicMyShow = nullptr;
    QAction* AddPicMult = nullptr;
    QAction* AddToShowM = nullptr;
    QAction* Voice = nullptr;
    QAction* Search = nullptr;
    QMenu* FileOperations = nullptr;
    QAction* SavePictureTo = nullptr;
    QAction* MovePictureTo = nullptr;
    QAction* SendRecycleBin = nullptr;
    QAction* RenamePicture = nullptr;
    QAction* MRotateL = nullptr;
    QAction* MRotateR = nullptr;
    QMenu* FolderOperations = nullptr;
    QAction* CreatenewFolder = nullptr;
    QAction* EmptyFolder = nullptr;
    QAction* DeleteFolder1 = nullptr;
    QAction* RenameFolder = nullptr;
    QAction* HideSmall = nullptr;
    QAction* Refresh = nullptr;
    QAction* WindowsExplorer1 = nullptr;
    QAction* Tarnivo = nullptr;
    QAction* MResetToEXIF = nullptr;
    QAction* MMakeSmall = nullptr;
    QAction* Wallpaper = nullptr;
    QMenu* WallPaperB = nullptr;
    QAction* WallPaperFolder = nullptr;
    QAction* WallPaperMyShow = nullptr;
    QMenu* ClipBoardFunctions = nullptr;
    QAction* PictureToClipboard = nullptr;
    QAction* PathToClipboard = nullptr;
    QAction* PictureToCBMyShow = nullptr;
    QAction* PathToCBMyShow = nullptr;
    QMenu* MakeAutCDROM = nullptr;
    QAction* AutoCDFolder = nullptr;
    QAction* AutoCDMyShow = nullptr;
    QAction* AutoFolderToCD = nullptr;
    QAction* Mail = nullptr;
    QAction* Upload = nullptr;
    QMenu* LaunchEditProgram1 = nullptr;
    std::array<QAction*, 5> LaunchItems{};        // Launch0..Launch4
    QAction* Afsluiten1 = nullptr;                // Exit

    // Show menu.
    QMenu* PictureShow1 = nullptr;
    QAction* SlideShowFolder = nullptr;
    QAction* SlideShowShow = nullptr;
    QAction* Restart = nullptr;
    QAction* StopPictureShow1 = nullptr;
    QMenu* MGoSmall = nullptr;
    QAction* SlideShowThFolder = nullptr;
    QAction* SlideShowThShow = nullptr;
    QAction* ShowinReverse1 = nullptr;
    QAction* ShowForward1 = nullptr;
    QAction* ManualMode1 = nullptr;
    QAction* PictureForward = nullptr;
    QAction* PictureBackwards = nullptr;
    QAction* UseEntireScreen1 = nullptr;
    QAction* N10 = nullptr;
    QAction* AddBookMark = nullptr;
    QAction* RemoveBookmark = nullptr;
    QAction* GoToNextBookMark = nullptr;
    QAction* GoToPreviousBoolMark = nullptr;
    QMenu* BookMarks = nullptr;
    std::array<QAction*, 20> BookmarkItems{};     // Bookmark00..Bookmark19
    QAction* ClearBookMarks = nullptr;

    // Pictures-per-page menu.
    QAction* MMultMode = nullptr;
    QAction* MSelectAll = nullptr;
    QAction* MSelectNone = nullptr;
    QAction* MSelectInvert = nullptr;
    QAction* MRatio = nullptr;

    // My Show menu.
    QAction* LoadMyShow = nullptr;
    QAction* NewShow = nullptr;
    QAction* MyShowDraft = nullptr;
    QAction* SaveMyShow = nullptr;
    QAction* SaveMyShowAs = nullptr;
    QAction* CopyMyShow = nullptr;
    QAction* SortMyShow = nullptr;
    QAction* ShowAll = nullptr;
    QAction* UndoM = nullptr;
    QAction* AttachPlaylist = nullptr;
    QAction* HideShowMyShow = nullptr;
    QAction* MailMyShow = nullptr;
    QAction* MailPicMyShow = nullptr;
    QAction* DeleteMyShow = nullptr;
    QAction* N1 = nullptr;
    std::array<QAction*, 5> HistoryItems{};       // histVXO1..histVXO5

    // Playlist menu.
    QAction* DefPlaylist = nullptr;
    std::array<QAction*, 9> PlaylistHistItems{};  // PH1..PH9

    // Favorites and Recent menus.
    std::array<QAction*, 9> FavItems{};           // Fav1..Fav9
    QAction* N12 = nullptr;
    QAction* ClearFavs = nullptr;
    std::array<QAction*, 9> FolderItems{};        // Folder1..Folder9
    QAction* N16 = nullptr;
    QAction* ClearRec = nullptr;

    // Options menu.
    QAction* PictureShowOptions1 = nullptr;
    QMenu* ExcludeFolder = nullptr;
    QAction* Browse = nullptr;
    QAction* SubShow = nullptr;
    QAction* SubSearch = nullptr;
    QAction* All = nullptr;
    QAction* FolderExclusions = nullptr;

    // Help menu.
    QAction* GettingStarted = nullptr;
    QAction* WhatsNew = nullptr;
    QAction* Credits = nullptr;
    QAction* VXOnlineHelp = nullptr;
    QAction* N23 = nullptr;
    QAction* Irfanview = nullptr;
    QAction* Checkforupdate = nullptr;
    QAction* ReportBug = nullptr;
    QAction* Support = nullptr;
    QAction* AboutPictureShow1 = nullptr;

    // --- pop-up menus ----------------------------------------------------------
    // Folder-tree pop-up: items 0..21 are the folder items, 22.. the file items.
    QMenu* RightClickTreeView = nullptr;
    QAction* StartSlideShowPop = nullptr;
    QAction* GoSmallPop = nullptr;
    QAction* AddSelectedFolderPop = nullptr;
    QAction* MakeDefaultPop = nullptr;
    QAction* MakeAutoMaticPop = nullptr;
    QMenu* ExcludeFolderPop = nullptr;
    QAction* BrowsePop = nullptr;
    QAction* SubShowPop = nullptr;
    QAction* SubSearchPop = nullptr;
    QAction* AllPop = nullptr;
    QAction* RefreshPop = nullptr;
    QAction* UploadFolderR = nullptr;
    QAction* AddToShow = nullptr;
    QAction* MailPictures = nullptr;
    QAction* AutoFolderToCDPop = nullptr;
    QAction* TarnivoPop = nullptr;
    QAction* ResetToExifPop = nullptr;
    QAction* CreateFolderPop = nullptr;
    QAction* DeleteFolderPop = nullptr;
    QAction* EmptyFolderPop = nullptr;
    QAction* RenameFolderPop = nullptr;
    QAction* MakeSmall = nullptr;
    QAction* SearchPop = nullptr;
    QAction* WindowsExplorer = nullptr;
    QAction* ShowPicFullPop = nullptr;
    QAction* AddPicMyShowPop = nullptr;
    QAction* Save = nullptr;
    QAction* Move = nullptr;
    QAction* Rename = nullptr;
    QAction* RecycleBin = nullptr;
    QAction* MailPicPop = nullptr;
    QAction* UploadPicture = nullptr;
    QAction* SetWalPaper = nullptr;
    QAction* VoicePop = nullptr;
    QAction* AddMult = nullptr;
    QAction* RCRotateL = nullptr;
    QAction* RCRotateR = nullptr;
    QAction* ResumeInFull = nullptr;
    QAction* N24 = nullptr;
    QAction* PictureToClipboradPop = nullptr;
    QAction* PathToClipboardPop = nullptr;
    QMenu* RaunchEditProgram = nullptr;
    std::array<QAction*, 5> RaunchItems{};        // Raunch0..Raunch4
    QMenu* LaunchVideoProgram = nullptr;
    std::array<QAction*, 5> VaunchItems{};        // Vaunch0..Vaunch4

    // Drive pop-up (item for item like DriveChange1).
    QMenu* DrivePop = nullptr;
    std::array<QAction*, 26> PDriveItems{};       // PDrive01..PDrive26
    QAction* N25 = nullptr;
    QAction* Desktop = nullptr;
    QAction* MyPictures = nullptr;
    QAction* Internet = nullptr;
    QAction* DPDefStartUp = nullptr;

    // Monitor choice and pictures-per-page pop-ups.
    QMenu* PopScreen = nullptr;
    QAction* MMainMonitor = nullptr;
    QAction* MSecondMonitor = nullptr;
    QMenu* MultiPop = nullptr;
    std::array<QAction*, 25> MultiItems{};        // M1, M2, M4 ... M77 (PageLayoutTable's order)

    // --- timers ------------------------------------------------------------------
    QTimer* Timer1 = nullptr;                     // idle timer, 1000 ms, off at design
    QTimer* TimerHook = nullptr;                  // 500 ms, off
    QTimer* HookHandled = nullptr;                // 300 ms, off
    QTimer* TimerAutoCDRun = nullptr;             // 1 ms, off
    QTimer* HelpTimer = nullptr;                  // 1500 ms one-shot, off
    QTimer* TimerThumbnail = nullptr;             // 100 ms one-shot, off
    QTimer* IntervalTimer = nullptr;              // slide show step, off
    QTimer* FadeTimer = nullptr;                  // music fade, off
    QTimer* TimerMusic = nullptr;                 // music queue, off
    QTimer* ImageTimer = nullptr;                 // picture settle timer, off

    // =====================================================================
    // SECTION: start-up and close  (owner: startup; app/tform1_create*.cpp,
    // app/tform1_close*.cpp)
    // =====================================================================
public:
    // The command-line parameters (without the program name) FormCreate reads;
    // main() fills them from the real command line.
    QStringList StartParameters;

    // The settings work of a real start: modes, data folder, settings file,
    // refusals, data files. Sets StartAbort / StartupRunFlag.
    void FormCreate();
    // True when the main window shows itself at start (none of demo, audio
    // and argument mode).
    bool VisibleAtStart() const;
    // The close handler: false when the close is refused or put off.
    bool FormClose();
    // The folder argument and the "Create show from folder" items.
    void AutoFolderToCDClick();
    // Acts on the command-line argument once the windows exist: the audio
    // player, the launcher for a show file or a folder, or the tree and the
    // Draft show of a normal start.
    void DispatchStartArgument();
    // The user chose to open the argument in the normal window: data files
    // writable again, the window shown, the folder or show opened.
    void OpenArgumentNormally(bool showFileGiven);
    // Once a month at start (not in demo, audio or argument mode): asks
    // whether to check for a new version, and checks on Yes.
    void OfferMonthlySuggestion();
    // Rewrites "AllMyShow.dat" from the list of known shows; with `Replace`
    // paths under a renamed folder are rewritten first.
    void WriteAllMyShowList(const QString& OldPrefix, const QString& NewPrefix, int PrefixLength, bool Replace);
    // Lets the program close without the close handler (after a refusal).
    bool CloseWithoutSaving = false;
    // Set once the close has run its save (the window may close).
    bool CloseDone = false;
    // The upload button's glyph and its grey copy for the disabled state.
    QPixmap UploadGlyph;
    QPixmap UploadGlyphGrey;
    // Gives `UploadSp` the glyph of its state (the grey copy when disabled).
    void UpdateUploadButtonGlyph();
    // Names the configured uploader program in the upload commands and takes
    // its icon for them.
    void ApplyUploadCaptions();
protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
private:
    void TimerAutoCDRunTimer();
    void sizeWindowAtStart();
    void openStartupFolder();
    void applyStartFonts();
    // === end of section: start-up and close ===

    // =====================================================================
    // SECTION: layouts and screen modes  (owner: menus; app/tform1_layout.cpp,
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
public:
    // === end of section: layouts and screen modes ===

    // =====================================================================
    // SECTION: menus and captions  (owner: menus; app/tform1_menus*.cpp)
    // =====================================================================
public:
    // Connects the menus' opening handlers and the owner-drawn menu style
    // (done once; the first showing of the window does it too).
    void SetupMenus();
    // The one painter of every menu item (windows other than the main
    // window call it on Form1).
    void DrawMenuItem(const QString& hint, class QPainter& canvas, const QRect& rect, bool selected,
                      const QString& caption, int imageIndex, int disabledImageIndex, bool enabled);
    QString SplitMenuCaption(const QString& caption);
    void MeasureMenuWidth(int menuIndex);
    void MeasureSubMenuWidth(int menuIndex, int itemIndex);
    void MeasurePopupSubMenuWidth(int itemIndex);
    void MeasureTreePopupWidth();
    // Menu openings: captions, visibility and enabled states rebuilt.
    void Bestand1Click();
    void ShowClick();
    void MyShowClick();
    void Help1Click();
    void RightClickTreeViewPopup();
    void SetPicturePopupCaptions();
    void HideShowMyShowClick();
    void PathToClipboardClick(QObject* sender);
    void PictureToClipboardClick(QObject* sender);
    // The state the caption rules read, taken from the program's globals.
    struct MenuCaptionState menuCaptionState() const;
    // Applies caption changes to the actions by object name.
    void applyMenuChanges(const class MenuChanges& changes);
    // Texts prepared by the File menu for the CD items' status hints.
    QString CdMenuStatusText, CdFolderStatusText, CdShowStatusText;
private:
    bool m_menusSetUp = false;
public:
    // === end of section: menus and captions ===

    // =====================================================================
    // SECTION: keyboard hook and events  (owner: menus; app/tform1_events*.cpp)
    // =====================================================================
public:
    // The keyboard hook: an application event filter on the GUI thread.
    void InstallKeyboardHook();
    // Removes the hook (before a modal dialog; also at destruction).
    void FormDestroy();
    void KeyboardHookProc(int key, Qt::KeyboardModifiers modifiers);
    void TimerHookTimer();
    void HookHandledTimer();
    void Timer1Timer();
    // User activity: the idle time starts again.
    void UserActivity();
    void FormMouseDown(Qt::MouseButton button);
    void FormMouseUp();
    void FormMouseMove();
    void FormMouseWheel(int delta);
    void FormActivate();
    void AppMinimize();
    void QuestionUpdateStatusBar();
    void ApplicationHint(const QString& hint);
    // Shows an exception's message and asks the application to end.
    void AppException(const QString& message);
    void MultiPopPopup();
    // The main window's key commands, for a key handed on by the hook
    // (app/tform1_events_keys.cpp). Ctrl is also read from the keyboard.
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
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
    // Connects the start, restart and resume commands (once; SetupMenus).
    void ConnectShowCommands();
    // Connects the timers and the application's events (once).
    void InstallApplicationEvents();
    bool eventFilter(QObject* watched, QEvent* event) override;
private:
    class KeyboardHookFilter* m_hookFilter = nullptr;
    bool m_appEventsInstalled = false;
    bool m_waitingForVoice = false;      // the show waits for the picture's voice
    bool m_voicePlayerWatched = false;
    void WatchVoicePlayer();
    std::unique_ptr<struct HintMemory> m_hintMemory;  // made at first use, freed with the window
    // The idle timer's message that the automatic show can't start was
    // given; it is not given again before the next real user input.
    bool m_idleMessageGiven = false;
public:
    // === end of section: keyboard hook and events ===

    // =====================================================================
    // SECTION: folder tree  (owner: tree; browse/tform1_folder_tree*.cpp)
    // =====================================================================
public:
    // The folder tree section (browse/folder_tree_section.h), made in the
    // constructor; its routines are forwarded here for the other sections.
    class FolderTreeSection* folderTreeSection() const { return FolderTreeSect; }
    // The controller of TreeView1 (tree state, fill, walk, handlers).
    class FolderTreeController* folderTree();
    void OpenFolderOrShow();
    QString GetNodePath(class QTreeWidgetItem* node);
    void UpdateFolderCaption();
    void RefreshTreeImages();
    void RefreshSelectedFolder();
    bool DriveReady(QChar letter);
    void TreeView1MouseDown(bool fromTree, Qt::MouseButton button,
                            Qt::KeyboardModifiers modifiers, const QPoint& pos);
    void LoadFolderExclusions();
private:
    class FolderTreeSection* FolderTreeSect = nullptr;
    void InstallFolderTree();
public:
    // === end of section: folder tree ===

    // =====================================================================
    // SECTION: picture display  (owner: loader; browse/tform1_picture*.cpp)
    // =====================================================================
public:
    // The picture display section (browse/picture_display_section.h), made
    // in the constructor: the display step, the picture commands and the
    // title of the shown picture. The routines other sections call are
    // forwarded here.
    class PictureDisplaySection* pictureDisplay() const { return PictureDisplaySect; }
    void DisplayCurrentPicture();
    void SetPictureMenuCaptions();
    void SetSelectionMenuCaptions();
    void UpdatePictureStatus();
private:
    class PictureDisplaySection* PictureDisplaySect = nullptr;
    void InstallPictureDisplay();
public:
    // === end of section: picture display ===

    // =====================================================================
    // SECTION: fitting, zooming and crop  (owner: zoom; browse/tform1_fit*.cpp)
    // =====================================================================
public:
    // The fitting, zooming and crop section (browse/fit_zoom_section.h), made
    // in the constructor: Image1's fit-zoom handler, the full view and the
    // custom ratio panel. The routines other sections call are forwarded here.
    class FitZoomSection* fitZoom() const { return FitZoomSect; }
    void SizePictureToDisplay(bool toggle);
    void ShowPictureFull(const QString& path);
private:
    class FitZoomSection* FitZoomSect = nullptr;
    void InstallFitZoom();
public:
    // === end of section: fitting, zooming and crop ===

    // =====================================================================
    // SECTION: shows and services  (owner: services; shows/, slideshow/,
    // sound/, sharing/ tform1_*.cpp files)
    // =====================================================================
public:
    // Shows (shows/tform1_shows.cpp): the open show and its list MyShowSG.
    void AddPictureToMyShow(const QString& PicturePath, int A, int B, int C, int D);
    void MyShowDraftClick();
    void AskMakeChangesPermanent();
    void LoadMyShowClick(const QString& PresetFile = QString());
    void ReadMyShowFile();
    void UpdateMyShowControls();
    void ShowMyShowPanel();
    // Slide show (slideshow/tform1_slideshow.cpp).
    void ApplyShowOptions();
    void ShowAddAllDialog();
    void CollectPictures();
    void BuildAndStartShow();
    // Plays the pictures; `Records` gives each one's record number in the
    // show file it came from (else its position in the list).
    void PlayPictures(const QStringList& Pictures, const QList<int>& Records = {}) override;
    // The automatic-show windows' host: this window and its idle timer.
    QWidget* AutomaticShowWindow() override { return this; }
    QTimer* IdleTimer() override { return Timer1; }
    void EndShow();
    void ToolButton2Click();
    void PauseShow();
    bool InManualMode() const;
    // Sound (sound/tform1_sound.cpp).
    void StopMusic();
    void ReleaseVoiceFile(const QString& PicturePath = QString());
    void ResetVoicePlayButton();
    void DefPlaylistClick();
    // Plays the sound of `ShowRec` (marked by PictureSoundPlaying) or the
    // music queue's track; false when it could not be started.
    bool PlaySoundFile();
    // The display step's sound of the shown picture; true when the show
    // waits until the picture's voice has played.
    bool PlayShownPictureSound(bool RecordRead);
    // The voice the show waited for has ended (or could not be played).
    void VoiceEnded(bool Failed);
    // Arms the music fade-out before the next step of the show.
    void StartMusicFadeBeforeNextStep(int IntervalMs);
    // The display step's hooks into the show, its files, the sound and the
    // page view; installed at creation.
    void InstallDisplayHooks();
    // Installs the hooks through which other windows and the plain logic
    // reach this window (tform1_hooks.cpp).
    void InstallWindowHooks();
    void ShowCurrentPictureStatus(bool Full);
    void PrepareNextShowStep();
    // Each control panel button of the full-screen window gets the glyph
    // and hint of its twin in this window.
    void DressControlPanel();
    // Sharing (sharing/tform1_sharing.cpp).
    bool ReducePictureSize(const QString& Source, const QString& Target, const QString& SlotName,
                           bool FromPreview, bool UseViewer, bool KeepDate, int SizeChoice, int Quality);
    // Environment (app/environment_menu.cpp): the user's folders of the drive menus.
    void DesktopClick();
    void MyPicturesClick();
    void InternetClick();
    // === end of section: shows and services ===

    // =====================================================================
    // SECTION: recent folders, favourites, history and drives  (owner: lists;
    // browse/tform1_lists.cpp)
    // =====================================================================
public:
    // The list and drive menus (browse/list_menus_section.h), made in the
    // constructor; their routines are forwarded here for the other sections.
    class ListMenusSection* listMenus() const { return ListMenusSect; }
    // Invokable, so the window's meta-object links it in: the list menus are
    // built when the window is first shown.
    Q_INVOKABLE void SetupListMenus();
    void BuildRecentMenu();
    void BuildFavoritesMenu();
    void BuildHistoryMenu();
    void AddToRecentFolders();
    qint64 FreeSpaceOnDrive(QChar letter);
private:
    class ListMenusSection* ListMenusSect = nullptr;
    void InstallListMenus();
public:
    // === end of section: recent folders, favourites, history and drives ===

    // =====================================================================
    // SECTION: help, version check, about and small handlers  (owner:
    // smallwin; app/tform1_small_handlers.cpp, the help and version
    // controller in app/help_and_version_controller.cpp)
    // =====================================================================
public:
    // Connects the Help menu items, the help, picture and thumbnail timers
    // and the tree and show-list handlers of this section (once; the first
    // showing of the window does it too).
    Q_INVOKABLE void SetupSmallHandlers() override;
    // Help, the version check, the About box and the maker's web pages.
    HelpAndVersionController* helpAndVersion() const { return m_helpAndVersion; }
    // The Help menu's contents item (help pages, else the download page).
    void VXOnlineHelpClick();
    void StopIdleTimer() override;
    void CloseMainWindow() override;
    // Small handlers of the tree, the show list and the main picture.
    // Returns true when the key was a tree command (Enter, Shift+F10, the
    // menu key) and has been handled.
    bool TreeView1KeyDown(int key, Qt::KeyboardModifiers shift);
    // A node was selected (by keyboard or mouse): captions and the preview
    // follow it.
    void TreeView1Change(class QTreeWidgetItem* node);
    // Where the tree's pop-up opens from the keyboard (screen coordinates).
    QPoint TreePopupKeyAnchor() const;
    void TreeView1MouseUp() {}
    void TreeView1CustomDrawItem();   // selected node: black on scheme colour 7EB6FF
    void TimerThumbnailTimer();
    void MyShowSGMouseMove();
    void Image1Progress(bool endStage);
    void ImageTimerTimer();
    void OpenDraftShowAtStart();
    // Waits hours : seconds . milliseconds while window messages run.
    void WaitProcessingMessages(quint16 Hours, quint16 Seconds, quint16 Milliseconds);
    // The text after the last "/" ("/" itself for the root; a text without
    // "/" whole).
    static QString LastPathComponent(const QString& Path);
    // The preview TimerThumbnail shows, and whether it is the tree's.
    QString ThumbnailPreviewPath;
    bool ThumbnailPreviewFromTree = true;
    // Monotonic time of the last finished picture load.
    qint64 PictureLoadTimeMs = 0;
private:
    bool m_smallHandlersSetUp = false;
    HelpAndVersionController* m_helpAndVersion = nullptr;
public:
    // === end of section: help, version check, about and small handlers ===

    // =====================================================================
    // SECTION: options and favourites windows  (owner: options;
    // app/tform1_options.cpp, the controller in app/options_controller.cpp)
    // =====================================================================
public:
    // The Options menu, the options dialog and the maintenance window.
    OptionsController* options() const { return m_options; }
    // What the options controller asks of this window.
    void RemoveKeyboardHook() override;
    void RestoreKeyboardHook() override;
    void MeasureOptionsMenu() override;
    // What the options dialog asks of this window on "&Apply".
    void EnableEditCommands(bool on) override;
    void RefitShownPicture() override;
    void RefreshAfterOptions() override;
    void OptionsDialogClosed() override;
private:
    OptionsController* m_options = nullptr;
public:
    // === end of section: options and favourites windows ===

    // =====================================================================
    // SECTION: external programs and wallpaper  (owner: extprog;
    // browse/tform1_external_programs.cpp, the controller in
    // browse/external_programs_controller.cpp)
    // =====================================================================
public:
    // The launch menus and buttons, rotations, the sibling program, the EXIF
    // date reset and the wallpaper (browse/external_programs_controller.h).
    class ExternalProgramsController* externalPrograms() const { return m_externalPrograms; }
private:
    class ExternalProgramsController* m_externalPrograms = nullptr;
    void InstallExternalPrograms();
public:
    // === end of section: external programs and wallpaper ===

    // =====================================================================
    // SECTION: picture information and thumbnail files  (owner: thumbs;
    // browse/tform1_thumbnail_files.cpp, the controller in
    // browse/picture_info_controller.cpp)
    // =====================================================================
public:
    // The browse and MyShow previews, the tree's hover preview and the
    // thumbnail files (browse/picture_info_controller.h).
    class PictureInfoController* pictureInfo() const { return m_pictureInfo; }
private:
    class PictureInfoController* m_pictureInfo = nullptr;
    void InstallPictureInfo();
public:
    // === end of section: picture information and thumbnail files ===

    // === section: thumbnail view (browse/tform1_thumbnail_page.cpp) ===
public:
    // The page of thumbnails: its controller (state, cells, page show) and
    // the backdrop that covers the browse controls while it is shown.
    ThumbnailPageController* PageView = nullptr;
    QWidget* PageBackdrop = nullptr;
    PagePositionBarWidget* PageBar = nullptr;
    // Set by the thumbnail-view start buttons: the next show plays as pages.
    bool PageStartRequested = false;
    void InstallThumbnailPage();
    bool PageShowRuns() const;
    // Makes and wires the picture and folder operations (FileOperationsController)
    // when the window is first shown (app/tform1_file_ops.cpp).
    void InstallFileOperations();
    // The layout menu's items `M1` .. `M77`.
    void M2Click(int layout);
    void MMultSlideClick();
    // Starts the show of `order` in the thumbnail view when a page layout
    // is chosen for it; false when it plays one picture at a time.
    bool StartPageShowIfWanted(const QList<int>& order, bool continuous);
    // Wires the interval timer, the cells' look and the full view's return
    // for a show that plays as pages.
    void PreparePageShow();
    // Pauses, continues and steps a show played as pages.
    void PagePause();
    void PageContinue(int direction);
    void PageTogglePause();
private:
    ThumbnailPageHost* m_pageHost = nullptr;
public:
    // === end of section: thumbnail view ===

private:
    void buildClientArea();
    void buildToolBars();
    void buildMenus();
    void buildPopups();
    void buildTimers();
};

// The one main window of the process (nullptr until main() makes it).
extern TForm1* Form1;
