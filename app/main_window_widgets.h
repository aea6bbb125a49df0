// The main window's widgets: every component the main window builds, each
// carrying its own name as objectName, so that tests and the controllers find
// them by name. MainWindow builds them in its constructor; the controllers get the
// ones they work with.
#pragma once

#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;
class QWidget;

struct MainWindowWidgets {

    // --- tool bars --------------------------------------------------------
    QToolBar* ToolBar1 = nullptr;            // folder / picture tool bar (left half)
    QToolBar* ToolBar2 = nullptr;            // MyShow tool bar (right half)

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
    QAction* ClearExclusions = nullptr;

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
};
