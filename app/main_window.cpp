// The main window's widgets: built once by the constructor, all inactive
// until the concerns that own them switch them on.
#include "app/main_window.h"

#include "app/absent_features.h"
#include "app/options_dialog_logic.h"
#include "platform/keyboard_hook.h"
#include "base/named_timer.h"
#include "browse/page_layouts.h"
#include "browse/page_state.h"
#include "browse/preview_panel.h"

#include "platform/icons.h"
#include "shows/show_windows.h"
#include "slideshow/auto_show_windows.h"
#include "browse/fit_zoom_section.h"
#include "browse/folder_tree_widget.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>
#include <QTimer>
#include <QToolBar>



namespace {

template <class W>
W* named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QAction* tool(QToolBar* bar, const char* name, const QString& tip)
{
    auto* a = named(bar->addAction(QString::fromLatin1(name)), name);
    a->setToolTip(tip);
    a->setStatusTip(tip);
    return a;
}

QAction* item(QMenu* menu, const char* name, const QString& caption)
{
    auto* a = named(menu->addAction(caption), name);
    return a;
}

QAction* separator(QMenu* menu, const char* name)
{
    QAction* a = menu->addSeparator();
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu* submenu(QMenu* parent, const char* name, const QString& caption)
{
    auto* m = named(parent->addMenu(caption), name);
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QMenu* barMenu(QMenuBar* bar, const char* name, const QString& caption)
{
    auto* m = named(bar->addMenu(caption), name);
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

} // namespace

MainWindow::MainWindow(ProgramState& state, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_myShow(makeMyShow()), m_openShow(m_myShow->openShow()),
      m_startup(std::make_unique<StartupController>(*this, *this, state)),
      m_close(std::make_unique<CloseController>(*this, *this, state)),
      m_layout(std::make_unique<LayoutController>(*this, *this, state))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vistamo!"));
    resize(800, 600);
    buildClientArea();
    buildToolBars();
    buildMenus();
    buildPopups();
    KeepAbsentFeaturesDisabled(this);
    m_input = new InputController(*this, *this,
                                  {clientArea()->widget(), m_statusBar, TBRotateL, TBRotateR, Wallpaper,
                                   ShowForwardToolButton, ShowinReverseToolButton, Forward1ToolButton,
                                   Backwards1ToolButton, SaveToolButton, MoveToolButton, RenamePictureToolButton, Volume,
                                   RecycleBinToolButton},
                                  m_state);
    m_slideShow = makeSlideShow();
    m_layout->SetItems({clientArea()->widget(), FullScreenToolButton3, clientArea()->bottomBar(), showList()->header(), clientArea()->picture(), m_slideShow->intervalTimer(), MMainMonitor, MSecondMonitor, MultiPop, showList()->nameLabel(), showList()->grid(), PlaylistBATB, PlaylistFWTB, PopScreen, RunExeToolButton, ShowForwardToolButton, ShowinReverseToolButton, StartMySlideShowTB, statusPanels()->panel0(), statusPanels()->panel1(), TBGoSmall, TBGoSmallMS, TBRotateL, TBRotateR, ToolBar1, ToolBar2, ToolButton1, treeView(), Volume, m_browsePreview, m_showPreview});
    m_myShow->SetItems({showList()->grid(), showList()->nameLabel(), StartMySlideShowTB, SaveMyShowAsTB, SaveMyShowTB});
    m_sound = std::make_unique<SoundController>(*this, m_openShow, state);
    m_sound->SetItems({VoicePlayTB, m_browsePreview, m_slideShow->intervalTimer()});
    m_slideShow->SetItems({m_input->idleTimer(), ToolButton2, RunExeToolButton, statusPanels()->panel1(), showList()->grid()});
    m_startup->SetItems({ShowAllTB, TBTarnivo, TBSepTarn, Tarnivo, TarnivoPop, GettingStarted, WhatsNew, VXOnlineHelp,
                         HideShowMyShowTB, HideShowMyShow, RunExeMyShowTB, RunExeToolButton, ToolButton1, UploadPicture,
                         Upload, Bestand1, Recent1, Show, Options1, Favorites, Help1, ToolBar1, showList()->grid(),
                         statusPanels()->panel0(), m_input->idleTimer()});
    m_menus = new MenuController(*this, *this, *this, m_state);
    m_menus->SetClientWidgets({clientArea()->menuBackground(), m_statusBar, treeView(), showList()->grid(),
                               clientArea()->picture()});
    InstallPictureDisplay();
    InstallFitZoom();
    m_helpAndVersion = new HelpAndVersionController(
        this, m_state.settings, m_state.start, m_state.paths, m_state.environment,
        {GettingStarted, WhatsNew, Credits, VXOnlineHelp, Checkforupdate, ReportBug, Support, AboutPictureShow1});
    ConnectHelpAndVersion();
    m_options = new OptionsController(
        this, m_state.settings, m_state.paths, m_state.environment, m_state.start, m_state.session,
        {Options1, ExcludeFolder, PictureShowOptions1, OptionsTB, ClearFavs, ClearRec},
        {[this] { return folderTree()->SelectedFolder; }, [this] { return PictureTextWindowShown(); }});
    ConnectOptions();
    InstallThumbnailPage();
    InstallFolderTree();
    InstallListMenus();
    InstallExternalPrograms();
    InstallPictureInfo();
    InstallFileOperations();
    ConnectPictureDisplay();
    ConnectSlideShow();
    ConnectMyShow();
}

MainWindow::~MainWindow()
{
    m_input->FormDestroy();  // the keyboard hook goes with the window
    m_input->DetachFromWindow();
    FitZoomSect = nullptr;  // the event filter no longer asks it for the ratio panel
    for (const QPointer<QWidget>& window : m_windowsMadeHere)
        delete window.data();
}

ShowWindow* MainWindow::showWindow() const { return m_showWindow; }
ShowView* MainWindow::showView() const { return m_showWindow.data(); }
void MainWindow::setShowWindow(ShowWindow* window)
{
    if (m_showWindow)
        disconnect(m_showWindow, &ShowWindow::CustomRatioRequested, this, nullptr);
    m_showWindow = window;
    m_slideShow->SetShowWindow(window);
    // The full-screen show's "Custom" crop ratio is typed in this window's panel.
    if (window)
        connect(window, &ShowWindow::CustomRatioRequested, this, [this] { fitZoom()->ShowCustomRatioPanel(); });
}
PictureTextWindow* MainWindow::pictureTextWindow() const { return m_pictureTextWindow; }
void MainWindow::setPictureTextWindow(PictureTextWindow* window) { m_pictureTextWindow = window; }
ShowManagerWindow* MainWindow::showManager() const { return m_showManager; }
void MainWindow::setShowManager(ShowManagerWindow* window) { m_showManager = window; }
FolderPictureChooser* MainWindow::folderPictureWindow() const { return m_folderPictureWindow; }
void MainWindow::setFolderPictureWindow(FolderPictureChooser* window) { m_folderPictureWindow = window; }
AutoShowOfferWindow* MainWindow::demoShowWindow() const { return m_demoShowWindow; }
void MainWindow::setDemoShowWindow(AutoShowOfferWindow* window)
{
    m_demoShowWindow = window;
    ConnectAutomaticShow();
}
AutoShowCountdownWindow* MainWindow::replayWindow() const { return m_replayWindow; }
void MainWindow::setReplayWindow(AutoShowCountdownWindow* window)
{
    m_replayWindow = window;
    ConnectAutomaticShow();
}

// The automatic show plays in the slide show; the replay window's
// count-down holds the idle timer, and its cancel starts the idle time
// again with the timer off. A window is connected once however often it
// is set.
void MainWindow::ConnectAutomaticShow()
{
    const auto once = Qt::UniqueConnection;
    SlideShowController* const show = m_slideShow.get();
    if (m_demoShowWindow)
        connect(m_demoShowWindow, &AutoShowOfferWindow::PlayRequested, show, &SlideShowController::PlayPictures, once);
    if (AutoShowCountdownWindow* const replay = m_replayWindow) {
        connect(replay, &AutoShowCountdownWindow::CountdownStarted, m_input, &InputController::StopIdleTimer, once);
        connect(replay, &AutoShowCountdownWindow::CountdownCancelled, m_input, &InputController::RestartIdleTime, once);
        connect(replay, &AutoShowCountdownWindow::CountdownCancelled, m_input, &InputController::StopIdleTimer, once);
        connect(replay, &AutoShowCountdownWindow::PlayRequested, show, &SlideShowController::PlayPictures, once);
    }
}
void MainWindow::adoptWindow(QWidget* window) { m_windowsMadeHere << window; }

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    m_startup->WindowShown(event->spontaneous());
}

void MainWindow::closeEvent(QCloseEvent* event) { m_close->CloseRequested(event); }

QAction* MainWindow::actionNamed(const QString& name) const
{
    const auto actions = findChildren<QAction*>(name);
    return actions.isEmpty() ? nullptr : actions.first();
}

void MainWindow::buildClientArea()
{
    m_clientArea = std::make_unique<MainClientArea>(this);
    QWidget* c = m_clientArea->widget();

    // Design bounds of the restored 800 x 600 layout (client area below the
    // menu bar). The two tool bars sit at the top of the client area.
    ToolBar1 = named(new QToolBar(c), "ToolBar1");
    ToolBar1->setGeometry(0, 0, 401, 30);
    ToolBar2 = named(new QToolBar(c), "ToolBar2");
    ToolBar2->setGeometry(401, 0, 399, 30);
    m_folderTreePanel = std::make_unique<FolderTreePanel>(c);
    m_showList = std::make_unique<ShowListPanel>(c);

    // The browse preview under the tree and the MyShow preview under the list.
    m_browsePreview = new PreviewPanel(PreviewPanel::Kind::Browse, c);
    m_browsePreview->setGeometry(4, 355, 392, 190);
    // Its box shows the play order in effect (PlayOrder indexes these items).
    m_browsePreview->setPlayOrderItems(PlayOrderItems());
    m_showPreview = new PreviewPanel(PreviewPanel::Kind::MyShow, c);
    m_showPreview->setGeometry(404, 355, 392, 190);

    // The main picture covers the client area while a show runs in the
    // window; hidden otherwise.
    m_clientArea->addPictures();

    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);
}

void MainWindow::buildToolBars()
{
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolButton1 = tool(ToolBar1, "ToolButton1", QStringLiteral("Start Slide Show from selected folder - Full screen"));
    TBMonitorSelection = tool(ToolBar1, "TBMonitorSelection", QStringLiteral("Full Screen - Monitor Selection"));
    TBGoSmall = tool(ToolBar1, "TBGoSmall", QStringLiteral("Start Slide Show from selected folder - Thumbnail view"));
    TBNrOfThumbs = tool(ToolBar1, "TBNrOfThumbs", QString());
    ToolButton2 = tool(ToolBar1, "ToolButton2", QString());
    ShowinReverseToolButton = tool(ToolBar1, "ShowinReverseToolButton", QString());
    ShowForwardToolButton = tool(ToolBar1, "ShowForwardToolButton", QString());
    ManualModeToolButton = tool(ToolBar1, "ManualModeToolButton", QString());
    Backwards1ToolButton = tool(ToolBar1, "Backwards1ToolButton", QString());
    Forward1ToolButton = tool(ToolBar1, "Forward1ToolButton", QString());
    FullScreenToolButton3 = tool(ToolBar1, "FullScreenToolButton3", QString());
    TBSelAll = tool(ToolBar1, "TBSelAll", QString());
    TBSelNone = tool(ToolBar1, "TBSelNone", QString());
    TBSelInvert = tool(ToolBar1, "TBSelInvert", QString());
    TBMultMode = tool(ToolBar1, "TBMultMode", QString());
    TBSelAll->setToolTip(kSelectAllHint);
    TBSelNone->setToolTip(kSelectNoneHint);
    TBSelInvert->setToolTip(kSelectInvertHint);
    TBMultMode->setToolTip(kMultModeHint);
    SaveToolButton = tool(ToolBar1, "SaveToolButton", QString());
    MoveToolButton = tool(ToolBar1, "MoveToolButton", QString());
    RenamePictureToolButton = tool(ToolBar1, "RenamePictureToolButton", QString());
    RecycleBinToolButton = tool(ToolBar1, "RecycleBinToolButton", QString());
    TBRotateL = tool(ToolBar1, "TBRotateL", QString());
    TBRotateR = tool(ToolBar1, "TBRotateR", QString());
    TBMakeSmall = tool(ToolBar1, "TBMakeSmall", QString());
    RunExeToolButton = tool(ToolBar1, "RunExeToolButton", QString());
    ExplorerTB = tool(ToolBar1, "ExplorerTB", QString());
    SearchTB = tool(ToolBar1, "SearchTB", QString());
    AddPicMultTB = tool(ToolBar1, "AddPicMultTB", QString());
    MicroTB = tool(ToolBar1, "MicroTB", QString());
    VoicePlayTB = tool(ToolBar1, "VoicePlayTB", QString());
    PlaylistBATB = tool(ToolBar1, "PlaylistBATB", QString());
    PlaylistFWTB = tool(ToolBar1, "PlaylistFWTB", QString());
    Volume = tool(ToolBar1, "Volume", QStringLiteral("Control Volume"));
    OptionsTB = tool(ToolBar1, "OptionsTB", QString());
    TBSepTarn = ToolBar1->addSeparator();
    TBSepTarn->setObjectName(QStringLiteral("TBSepTarn"));
    TBTarnivo = tool(ToolBar1, "TBTarnivo", QString());
    SBScreenMode = tool(ToolBar1, "SBScreenMode", QString());
    HideShowMyShowTB = tool(ToolBar1, "HideShowMyShowTB", QStringLiteral("Hide MyShow"));

    // Items that only a running show or the thumbnail view uses start hidden
    // or disabled; the show and page code switches them on.
    for (QAction* a : {ToolButton2, ShowinReverseToolButton, ShowForwardToolButton, ManualModeToolButton,
                       Backwards1ToolButton, Forward1ToolButton, FullScreenToolButton3, TBSelAll, TBSelNone,
                       TBSelInvert, TBMultMode, TBRotateL, TBRotateR, MicroTB, VoicePlayTB, PlaylistBATB, PlaylistFWTB,
                       TBTarnivo, TBSepTarn})
        a->setVisible(false);
    for (QAction* a : {SaveToolButton, MoveToolButton, RenamePictureToolButton, RecycleBinToolButton,
                       RunExeToolButton, AddPicMultTB})
        a->setEnabled(false);

    buildMyShowToolBar();
    setToolBarGlyphs();
}

// Tool bar 2, of the MyShow column.
void MainWindow::buildMyShowToolBar()
{
    ToolBar2->setIconSize(QSize(16, 16));
    ToolBar2->setToolButtonStyle(Qt::ToolButtonIconOnly);
    StartMySlideShowTB = tool(ToolBar2, "StartMySlideShowTB", QString());
    TBMonitorSelectionMS = tool(ToolBar2, "TBMonitorSelectionMS", QStringLiteral("Full Screen - Monitor Selection"));
    TBGoSmallMS = tool(ToolBar2, "TBGoSmallMS", QString());
    TBNrOfThumbsMS = tool(ToolBar2, "TBNrOfThumbsMS", QString());
    ShowOpenTB = tool(ToolBar2, "ShowOpenTB", QString());
    NewShowTB = tool(ToolBar2, "NewShowTB", QString());
    MyShowDraftTB = tool(ToolBar2, "MyShowDraftTB", QString());
    CloseMyShowTB = tool(ToolBar2, "CloseMyShowTB", QString());
    SaveMyShowTB = tool(ToolBar2, "SaveMyShowTB", QString());
    SaveMyShowAsTB = tool(ToolBar2, "SaveMyShowAsTB", QString());
    UndoTB = tool(ToolBar2, "UndoTB", QString());
    AttachPlaylistTB = tool(ToolBar2, "AttachPlaylistTB", QString());
    RunExeMyShowTB = tool(ToolBar2, "RunExeMyShowTB", QString());
    ShowAllTB = tool(ToolBar2, "ShowAllTB", QStringLiteral("View shows stored on fixed disk(s)"));
    for (QAction* a : {SaveMyShowTB, UndoTB, CloseMyShowTB, RunExeMyShowTB})
        a->setEnabled(false);
}

// The tool buttons' glyphs: the menu glyph of the menu item each button
// mirrors; the text is what a tool bar without the icon shows.
void MainWindow::setToolBarGlyphs()
{
    const struct {
        QAction* action;
        int glyph;
        const char* text;
    } glyphs[] = {
        {ToolButton1, 19, "Start"}, {ToolButton2, 21, "Stop"}, {ShowinReverseToolButton, 23, "Reverse"},
        {ShowForwardToolButton, 25, "Forward"}, {ManualModeToolButton, 27, "Pause"},
        {Backwards1ToolButton, 29, "Back"}, {Forward1ToolButton, 31, "Next"},
        {FullScreenToolButton3, 33, "Full screen"}, {TBGoSmall, 131, "Thumbnails"},
        {TBMonitorSelection, 37, "Monitor"}, {TBNrOfThumbs, 117, "Per page"}, {TBSelAll, 119, "All"},
        {TBSelNone, 121, "None"}, {TBSelInvert, 123, "Invert"}, {TBMultMode, 118, "Per page"}, {SaveToolButton, 5, "Save"},
        {MoveToolButton, 7, "Move"}, {RenamePictureToolButton, 11, "Rename"}, {RecycleBinToolButton, 9, "Delete"},
        {TBRotateL, 112, "Left"}, {TBRotateR, 114, "Right"}, {TBMakeSmall, 129, "Thumbnails"},
        {RunExeToolButton, 13, "Edit"}, {ExplorerTB, 89, "Files"}, {SearchTB, 0, "Search"},
        {AddPicMultTB, 74, "Add"}, {MicroTB, 103, "Record"}, {VoicePlayTB, 103, "Voice"},
        {PlaylistBATB, 99, "Previous track"}, {PlaylistFWTB, 98, "Next track"}, {Volume, 106, "Volume"},
        {OptionsTB, 59, "Options"}, {TBTarnivo, 116, "Tarnivo"}, {SBScreenMode, 33, "Screen"},
        {HideShowMyShowTB, 92, "MyShow"}, {StartMySlideShowTB, 19, "Start"}, {TBGoSmallMS, 131, "Thumbnails"},
        {TBMonitorSelectionMS, 37, "Monitor"}, {TBNrOfThumbsMS, 117, "Per page"}, {ShowOpenTB, 45, "Open"},
        {NewShowTB, 49, "New"}, {MyShowDraftTB, 47, "Draft"}, {CloseMyShowTB, 54, "Close"},
        {SaveMyShowTB, 50, "Save"}, {SaveMyShowAsTB, 52, "Save as"}, {UndoTB, 108, "Undo"},
        {AttachPlaylistTB, 98, "Playlist"}, {RunExeMyShowTB, 13, "Edit"}, {ShowAllTB, 137, "Shows"},
    };
    for (const auto& g : glyphs) {
        g.action->setText(QString::fromLatin1(g.text));
        g.action->setIcon(platform::ImageListIcon(platform::ImageListId::MenuIL, g.glyph));
    }
}

void MainWindow::buildMenus()
{
    MainMenu1 = named(menuBar(), "MainMenu1");
    buildFileMenu();
    buildShowMenu();
    buildPageAndMyShowMenus();
    buildListMenus();
    buildOptionsAndHelpMenus();
}

// The File menu.
void MainWindow::buildFileMenu()
{
    Bestand1 = barMenu(MainMenu1, "Bestand1", QStringLiteral("&File"));
    AddSelectedFolder = item(Bestand1, "AddSelectedFolder", QStringLiteral("Add folder to &Favorites"));
    AddSelectedFolderB = submenu(Bestand1, "AddSelectedFolderB", QStringLiteral("&Favorites"));
    AddFolder = item(AddSelectedFolderB, "AddFolder", QStringLiteral("Add &folder to Favorites"));
    AddShow = item(AddSelectedFolderB, "AddShow", QStringLiteral("Add &show to Favorites"));
    MakeDefault = item(Bestand1, "MakeDefault", QStringLiteral("Make folder the default start-&up folder"));
    MakeAutomatic = item(Bestand1, "MakeAutomatic", QStringLiteral("Make the Automa&tic Show"));
    MakeAutomaticB = submenu(Bestand1, "MakeAutomaticB", QStringLiteral("Automa&tic Show"));
    AutomaticFolder = item(MakeAutomaticB, "AutomaticFolder", QStringLiteral("&Make folder the Automatic Show"));
    AutomaticShow = item(MakeAutomaticB, "AutomaticShow", QStringLiteral("&Make show the Automatic Show"));
    DriveChange1 = submenu(Bestand1, "DriveChange1", QStringLiteral("Change Dr&ive/Open special folders"));
    for (int n = 0; n < 26; ++n) {
        DriveItems[n] = item(DriveChange1, ("Drive" + twoDigits(n + 1)).toLatin1().constData(), QString());
        DriveItems[n]->setVisible(false);
    }
    N26 = separator(DriveChange1, "N26");
    MDesktop = item(DriveChange1, "MDesktop", QStringLiteral("&Desktop"));
    MMyPictures = item(DriveChange1, "MMyPictures", QStringLiteral("&My Pictures"));
    MInternet = item(DriveChange1, "MInternet", QStringLiteral("&Internet"));
    MDefStartUp = item(DriveChange1, "MDefStartUp", QStringLiteral("Default start-&up folder"));
    Bestand1->addSeparator();
    ShowPicFullHidden = item(Bestand1, "ShowPicFullHidden",
                             QStringLiteral("&Show picture in Full Screen ~- Ctrl + Left click"));
    ShowPicFullHidden->setToolTip(QStringLiteral("E"));
    ShowPicFull = submenu(Bestand1, "ShowPicFull", QStringLiteral("&Show picture in Full Screen"));
    ShowPicFull->menuAction()->setToolTip(QStringLiteral("D"));
    ShowPicFullFolder = item(ShowPicFull, "ShowPicFullFolder", QString());
    ShowPicFullMyShow = item(ShowPicFull, "ShowPicFullMyShow", QString());
    AddPicMyShow = item(Bestand1, "AddPicMyShow", QStringLiteral("A&dd picture to My Show ~- Left click"));
    AddPicMult = item(Bestand1, "AddPicMult", QStringLiteral("Add to Multiple Shows"));
    AddToShowM = item(Bestand1, "AddToShowM", QStringLiteral("&Add all pictures to My Show"));
    Voice = item(Bestand1, "Voice", QStringLiteral("&Voice recording"));
    Search = item(Bestand1, "Search", QStringLiteral("Searc&h"));
    Bestand1->addSeparator();
    FileOperations = submenu(Bestand1, "FileOperations", QStringLiteral("&Picture operations"));
    SavePictureTo = item(FileOperations, "SavePictureTo", QStringLiteral("&Save picture to"));
    MovePictureTo = item(FileOperations, "MovePictureTo", QStringLiteral("&Move picture to"));
    SendRecycleBin = item(FileOperations, "SendRecycleBin", QStringLiteral("Send picture to Recycle &Bin"));
    RenamePicture = item(FileOperations, "RenamePicture", QStringLiteral("Re&name picture"));
    MRotateL = item(FileOperations, "MRotateL", QStringLiteral("Rotate &left"));
    MRotateR = item(FileOperations, "MRotateR", QStringLiteral("Rotate &right"));
    FolderOperations = submenu(Bestand1, "FolderOperations", QStringLiteral("F&older operations"));
    CreatenewFolder = item(FolderOperations, "CreatenewFolder", QStringLiteral("Create new folder"));
    EmptyFolder = item(FolderOperations, "EmptyFolder", QStringLiteral("Empty"));
    DeleteFolder1 = item(FolderOperations, "DeleteFolder1", QStringLiteral("Delete"));
    RenameFolder = item(FolderOperations, "RenameFolder", QStringLiteral("Rename"));
    HideSmall = item(FolderOperations, "HideSmall", QStringLiteral("Delete thumbnails"));
    Refresh = item(FolderOperations, "Refresh", QStringLiteral("Refresh  ~- F5 "));
    WindowsExplorer1 = item(FolderOperations, "WindowsExplorer1", QStringLiteral("Open in file manager"));
    Tarnivo = item(FolderOperations, "Tarnivo", QStringLiteral("Launch &Tarnivo"));
    Tarnivo->setVisible(false);
    MResetToEXIF = item(FolderOperations, "MResetToEXIF", QStringLiteral("Reset file dates to picture date taken (EXI&F)"));
    MMakeSmall = item(FolderOperations, "MMakeSmall", QStringLiteral("Create/Replace thumbnails manually"));
    Wallpaper = item(Bestand1, "Wallpaper", QStringLiteral("Set picture as &Wallpaper"));
    WallPaperB = submenu(Bestand1, "WallPaperB", QStringLiteral("Set as &Wallpaper"));
    WallPaperFolder = item(WallPaperB, "WallPaperFolder", QString());
    WallPaperMyShow = item(WallPaperB, "WallPaperMyShow", QString());
    ClipBoardFunctions = submenu(Bestand1, "ClipBoardFunctions", QStringLiteral("&Clipboard"));
    PictureToClipboard = item(ClipBoardFunctions, "PictureToClipboard", QStringLiteral("Picture to Clipboard"));
    PathToClipboard = item(ClipBoardFunctions, "PathToClipboard", QStringLiteral("Path to Clipboard"));
    PictureToCBMyShow = item(ClipBoardFunctions, "PictureToCBMyShow", QStringLiteral("Picture to Clipboard"));
    PathToCBMyShow = item(ClipBoardFunctions, "PathToCBMyShow", QStringLiteral("Path to Clipboard"));
    Mail = item(Bestand1, "Mail", QStringLiteral("Mai&l picture"));
    Upload = item(Bestand1, "Upload", QStringLiteral("&Upload picture"));
    MakeAutCDROM = submenu(Bestand1, "MakeAutCDROM", QStringLiteral("Ma&ke Automatic Starting CD"));
    MakeAutCDROM->menuAction()->setEnabled(false);
    AutoCDFolder = item(MakeAutCDROM, "AutoCDFolder", QString());
    AutoCDMyShow = item(MakeAutCDROM, "AutoCDMyShow", QString());
    AutoFolderToCD = item(Bestand1, "AutoFolderToCD", QStringLiteral("&Create show from folder and copy to CD"));
    LaunchEditProgram1 = submenu(Bestand1, "LaunchEditProgram1", QStringLiteral("&Launch edit program"));
    LaunchEditProgram1->menuAction()->setVisible(false);
    for (int k = 0; k < 5; ++k) {
        LaunchItems[k] = item(LaunchEditProgram1, QStringLiteral("Launch%1").arg(k).toLatin1().constData(), QString());
        LaunchItems[k]->setVisible(false);
    }
    Bestand1->addSeparator();
    Afsluiten1 = item(Bestand1, "Afsluiten1", QStringLiteral("E&xit"));
    connect(Afsluiten1, &QAction::triggered, this, &QWidget::close);
}

// The Show menu with its bookmarks.
void MainWindow::buildShowMenu()
{
    Show = barMenu(MainMenu1, "Show", QStringLiteral("&Show"));
    PictureShow1 = submenu(Show, "PictureShow1", QStringLiteral("Start Sl&ide Show - Full screen"));
    SlideShowFolder = item(PictureShow1, "SlideShowFolder", QStringLiteral("from &folder"));
    SlideShowShow = item(PictureShow1, "SlideShowShow", QStringLiteral("of &show"));
    Restart = item(Show, "Restart", QStringLiteral("Restart Sl&ide Show ~- Home"));
    Restart->setVisible(false);
    StopPictureShow1 = item(Show, "StopPictureShow1", QStringLiteral("&Stop Slide Show                 ~- Escape"));
    StopPictureShow1->setEnabled(false);
    MGoSmall = submenu(Show, "MGoSmall", QStringLiteral("Start Slide Show - &Thumbnail view"));
    SlideShowThFolder = item(MGoSmall, "SlideShowThFolder", QStringLiteral("from &folder"));
    SlideShowThShow = item(MGoSmall, "SlideShowThShow", QStringLiteral("of &show"));
    ShowinReverse1 = item(Show, "ShowinReverse1", QStringLiteral("Show in &Reverse"));
    ShowForward1 = item(Show, "ShowForward1", QStringLiteral("Show &Forward"));
    ManualMode1 = item(Show, "ManualMode1", QStringLiteral("&Manual Mode"));
    PictureForward = item(Show, "PictureForward", QStringLiteral("1 Picture/Page f&orward"));
    PictureBackwards = item(Show, "PictureBackwards", QStringLiteral("1 Picture/Page bac&kwards"));
    UseEntireScreen1 = item(Show, "UseEntireScreen1", QStringLiteral("Full Screen mode"));
    for (QAction* a : {ShowinReverse1, ShowForward1, ManualMode1, PictureForward, PictureBackwards, UseEntireScreen1})
        a->setEnabled(false);
    N10 = separator(Show, "N10");
    AddBookMark = item(Show, "AddBookMark", QStringLiteral("&Add bookmark"));
    RemoveBookmark = item(Show, "RemoveBookmark", QStringLiteral("&Remove bookmark"));
    GoToNextBookMark = item(Show, "GoToNextBookMark", QStringLiteral("Go to &next bookmark"));
    GoToPreviousBoolMark = item(Show, "GoToPreviousBoolMark", QStringLiteral("Go to &previous bookmark"));
    BookMarks = submenu(Show, "BookMarks", QStringLiteral("&Bookmarks"));
    for (int n = 0; n < 20; ++n) {
        BookmarkItems[n] = item(BookMarks, ("Bookmark" + twoDigits(n)).toLatin1().constData(), QString());
        BookmarkItems[n]->setVisible(false);
    }
    ClearBookMarks = item(Show, "ClearBookMarks", QStringLiteral("&Clear bookmarks"));
    for (QAction* a : {N10, AddBookMark, RemoveBookmark, GoToNextBookMark, GoToPreviousBoolMark,
                       BookMarks->menuAction(), ClearBookMarks})
        a->setVisible(false);
}

// The pictures-per-page and My Show menus.
void MainWindow::buildPageAndMyShowMenus()
{
    MMultSlide = barMenu(MainMenu1, "MMultSlide", kThumbnailViewMenuText);
    MMultSlide->menuAction()->setVisible(false);
    MMultMode = item(MMultSlide, "MMultMode", kMultModeMenuText);
    MSelectAll = item(MMultSlide, "MSelectAll", kSelectAllMenuText);
    MSelectNone = item(MMultSlide, "MSelectNone", kSelectNoneMenuText);
    MSelectInvert = item(MMultSlide, "MSelectInvert", kSelectInvertMenuText);
    MRatio = item(MMultSlide, "MRatio", QStringLiteral("Crop &ratio"));

    // My Show.
    MyShow = barMenu(MainMenu1, "MyShow", QStringLiteral("&My Show"));
    LoadMyShow = item(MyShow, "LoadMyShow", QStringLiteral("&Open show"));
    NewShow = item(MyShow, "NewShow", QStringLiteral("&New show"));
    MyShowDraft = item(MyShow, "MyShowDraft", QStringLiteral("&Draft show"));
    SaveMyShow = item(MyShow, "SaveMyShow", QStringLiteral("&Save show"));
    SaveMyShowAs = item(MyShow, "SaveMyShowAs", QStringLiteral("Save show &as"));
    CopyMyShow = item(MyShow, "CopyMyShow", QStringLiteral("&Copy show with pictures"));
    SortMyShow = item(MyShow, "SortMyShow", QStringLiteral("S&ort show"));
    ShowAll = item(MyShow, "ShowAll", QStringLiteral("Show &manager"));
    UndoM = item(MyShow, "UndoM", QStringLiteral("&Undo"));
    AttachPlaylist = item(MyShow, "AttachPlaylist", QStringLiteral("A&ttach playlist"));
    HideShowMyShow = item(MyShow, "HideShowMyShow", QStringLiteral("&Hide MyShow"));
    MailMyShow = item(MyShow, "MailMyShow", QStringLiteral("Mai&l show"));
    MailPicMyShow = item(MyShow, "MailPicMyShow", QStringLiteral("Mail p&icture"));
    DeleteMyShow = item(MyShow, "DeleteMyShow", QStringLiteral("D&elete show"));
    N1 = separator(MyShow, "N1");
    for (int n = 0; n < 5; ++n) {
        HistoryItems[n] = item(MyShow, QStringLiteral("histVXO%1").arg(n + 1).toLatin1().constData(), QString());
        HistoryItems[n]->setVisible(false);
    }
}

// The Playlist, Favorites and Recent menus.
void MainWindow::buildListMenus()
{
    Playlist = barMenu(MainMenu1, "Playlist", QStringLiteral("P&laylist"));
    DefPlaylist = item(Playlist, "DefPlaylist", QStringLiteral("&Default playlist"));
    for (int n = 0; n < 9; ++n) {
        PlaylistHistItems[n] = item(Playlist, QStringLiteral("PH%1").arg(n + 1).toLatin1().constData(), QString());
        PlaylistHistItems[n]->setVisible(false);
    }

    // Favorites and Recent.
    Favorites = barMenu(MainMenu1, "Favorites", QStringLiteral("F&avorites"));
    for (int n = 0; n < 9; ++n) {
        FavItems[n] = item(Favorites, QStringLiteral("Fav%1").arg(n + 1).toLatin1().constData(), QString());
        FavItems[n]->setVisible(false);
    }
    N12 = separator(Favorites, "N12");
    ClearFavs = item(Favorites, "ClearFavs", QStringLiteral("&Maintenance Favorites"));
    Recent1 = barMenu(MainMenu1, "Recent1", QStringLiteral("&Recent "));
    for (int n = 0; n < 9; ++n) {
        FolderItems[n] = item(Recent1, QStringLiteral("Folder%1").arg(n + 1).toLatin1().constData(), QString());
        FolderItems[n]->setVisible(false);
    }
    N16 = separator(Recent1, "N16");
    ClearRec = item(Recent1, "ClearRec", QStringLiteral("&Maintenance Recent"));
    for (QAction* a : {N12, ClearFavs, N16, ClearRec})
        a->setVisible(false);
}

// The Options and Help menus.
void MainWindow::buildOptionsAndHelpMenus()
{
    Options1 = barMenu(MainMenu1, "Options1", QStringLiteral("&Options"));
    PictureShowOptions1 = item(Options1, "PictureShowOptions1", QStringLiteral("&Options"));
    ExcludeFolder = submenu(Options1, "ExcludeFolder", QStringLiteral("E&xclude from"));
    Browse = item(ExcludeFolder, "Browse", QStringLiteral("&Browse window"));
    SubShow = item(ExcludeFolder, "SubShow", QStringLiteral("&Slide show and mail selection"));
    SubSearch = item(ExcludeFolder, "SubSearch", QStringLiteral("S&earch results"));
    All = item(ExcludeFolder, "All", QStringLiteral("&All"));
    FolderExclusions = item(Options1, "FolderExclusions", QStringLiteral("&Folder Exclusions Active"));
    FolderExclusions->setCheckable(true);
    FolderExclusions->setChecked(true);
    ClearExclusions = item(Options1, "ClearExclusions", QStringLiteral("&Clear Folder Exclusions"));

    // Help (the last item of the bar).
    Help1 = barMenu(MainMenu1, "Help1", QStringLiteral(">&Help"));
    GettingStarted = item(Help1, "GettingStarted", QStringLiteral("&Getting started"));
    WhatsNew = item(Help1, "WhatsNew", QStringLiteral("&What's new"));
    Credits = item(Help1, "Credits", QStringLiteral("&Credits"));
    VXOnlineHelp = item(Help1, "VXOnlineHelp", QStringLiteral("&Online help"));
    N23 = separator(Help1, "N23");
    Irfanview = item(Help1, "Irfanview", QStringLiteral("Get &IrfanView (for picture rotation and resampling)"));
    N23->setVisible(false);
    Irfanview->setVisible(false);
    Checkforupdate = item(Help1, "Checkforupdate", QStringLiteral("&Check for update"));
    ReportBug = item(Help1, "ReportBug", QStringLiteral("&Report a bug"));
    Support = item(Help1, "Support", QStringLiteral("&Support"));
    AboutPictureShow1 = item(Help1, "AboutPictureShow1", QStringLiteral("&About"));
}

void MainWindow::buildPopups()
{
    RightClickTreeView = named(new QMenu(this), "RightClickTreeView");
    QMenu* p = RightClickTreeView;
    // Folder items: positions 0..21.
    StartSlideShowPop = item(p, "StartSlideShowPop", QStringLiteral("Start Slide Show - Full screen"));
    GoSmallPop = item(p, "GoSmallPop", QStringLiteral("Start Slide Show - Thumbnail view"));
    SearchPop = item(p, "SearchPop", QStringLiteral("Searc&h"));
    separator(p, "N2");
    AddSelectedFolderPop = item(p, "AddSelectedFolderPop", QStringLiteral("Add to &Favorites"));
    MakeDefaultPop = item(p, "MakeDefaultPop", QStringLiteral("Set as default start-up folder"));
    MakeAutoMaticPop = item(p, "MakeAutoMaticPop", QStringLiteral("Set as AutomaticShow folder"));
    ExcludeFolderPop = submenu(p, "ExcludeFolderPop", QStringLiteral("E&xclude from"));
    BrowsePop = item(ExcludeFolderPop, "BrowsePop", QStringLiteral("&Browse window"));
    SubShowPop = item(ExcludeFolderPop, "SubShowPop", QStringLiteral("&Slide show and mail selection"));
    SubSearchPop = item(ExcludeFolderPop, "SubSearchPop", QStringLiteral("S&earch results"));
    AllPop = item(ExcludeFolderPop, "AllPop", QStringLiteral("&All"));
    RefreshPop = item(p, "RefreshPop", QStringLiteral("Refresh  ~- F5 "));
    UploadFolderR = item(p, "UploadFolderR", QStringLiteral("Upload pictures"));
    AddToShow = item(p, "AddToShow", QStringLiteral("&Add pictures to My Show"));
    MailPictures = item(p, "MailPictures", QStringLiteral("Mai&l pictures/video's"));
    AutoFolderToCDPop = item(p, "AutoFolderToCDPop", QStringLiteral("Create show from folder and copy to cd"));
    TarnivoPop = item(p, "TarnivoPop", QStringLiteral("Launch &Tarnivo"));
    TarnivoPop->setVisible(false);
    ResetToExifPop = item(p, "ResetToExifPop", QStringLiteral("Reset file dates to picture date taken (EXI&F)"));
    WindowsExplorer = item(p, "WindowsExplorer", QStringLiteral("Open in file manager"));
    separator(p, "N3");
    CreateFolderPop = item(p, "CreateFolderPop", QStringLiteral("Create new folder"));
    DeleteFolderPop = item(p, "DeleteFolderPop", QStringLiteral("&Delete"));
    EmptyFolderPop = item(p, "EmptyFolderPop", QStringLiteral("&Empty"));
    RenameFolderPop = item(p, "RenameFolderPop", QStringLiteral("Ren&ame"));
    MakeSmall = item(p, "MakeSmall", QStringLiteral("Create/Replace thumbnails manually"));
    addTreeFileItems(p);

    DrivePop = named(new QMenu(this), "DrivePop");
    for (int n = 0; n < 26; ++n) {
        PDriveItems[n] = item(DrivePop, ("PDrive" + twoDigits(n + 1)).toLatin1().constData(), QString());
        PDriveItems[n]->setVisible(false);
    }
    N25 = separator(DrivePop, "N25");
    Desktop = item(DrivePop, "Desktop", QStringLiteral("&Desktop"));
    MyPictures = item(DrivePop, "MyPictures", QStringLiteral("&My Pictures"));
    Internet = item(DrivePop, "Internet", QStringLiteral("&Internet"));
    DPDefStartUp = item(DrivePop, "DPDefStartUp", QStringLiteral("Default start-&up folder"));

    PopScreen = named(new QMenu(this), "PopScreen");
    MMainMonitor = item(PopScreen, "MMainMonitor", QStringLiteral("&Main monitor"));
    MSecondMonitor = item(PopScreen, "MSecondMonitor", QStringLiteral("&Second monitor"));

    MultiPop = named(new QMenu(this), "MultiPop");
    for (const PageLayoutEntry& layout : PageLayoutTable())
        MultiItems[size_t(layout.index)] = item(MultiPop, layout.menuItem, QString::fromLatin1(layout.caption));
}

// The tree pop-up's file items (positions 22 and up), after its folder items.
void MainWindow::addTreeFileItems(QMenu* p)
{
    ShowPicFullPop = item(p, "ShowPicFullPop", QStringLiteral("&Show picture in Full Screen mode ~- Ctrl + Left click"));
    AddPicMyShowPop = item(p, "AddPicMyShowPop", QStringLiteral("A&dd picture to Draft  ~- Left click"));
    AddMult = item(p, "AddMult", QStringLiteral("Add to &Multiple Shows"));
    ResumeInFull = item(p, "ResumeInFull", QStringLiteral("Resume slide show in full screen mode starting with selected picture"));
    N24 = separator(p, "N24");
    Save = item(p, "Save", QStringLiteral("&Save picture to"));
    Move = item(p, "Move", QStringLiteral("&Move picture to"));
    Rename = item(p, "Rename", QStringLiteral("Re&name picture"));
    RecycleBin = item(p, "RecycleBin", QStringLiteral("Send picture to Recycle &Bin"));
    MailPicPop = item(p, "MailPicPop", QStringLiteral("Mai&l picture"));
    UploadPicture = item(p, "UploadPicture", QStringLiteral("&Upload picture"));
    SetWalPaper = item(p, "SetWalPaper", QStringLiteral("Set as &Wallpaper"));
    VoicePop = item(p, "VoicePop", QStringLiteral("&Voice recording"));
    RCRotateL = item(p, "RCRotateL", QStringLiteral("Rotate &left"));
    RCRotateR = item(p, "RCRotateR", QStringLiteral("Rotate &right"));
    PictureToClipboradPop = item(p, "PictureToClipboradPop", QStringLiteral("&Picture to Clipboard"));
    PathToClipboardPop = item(p, "PathToClipboardPop", QStringLiteral("P&ath to Clipboard"));
    RaunchEditProgram = submenu(p, "RaunchEditProgram", QStringLiteral("&Launch edit program"));
    for (int k = 0; k < 5; ++k) {
        RaunchItems[k] = item(RaunchEditProgram, QStringLiteral("Raunch%1").arg(k).toLatin1().constData(), QString());
        RaunchItems[k]->setVisible(false);
        RaunchItems[k]->setEnabled(false);
    }
    LaunchVideoProgram = submenu(p, "LaunchVideoProgram", QStringLiteral("Launch &video program"));
    for (int k = 0; k < 5; ++k) {
        VaunchItems[k] = item(LaunchVideoProgram, QStringLiteral("Vaunch%1").arg(k).toLatin1().constData(), QString());
        VaunchItems[k]->setVisible(false);
        VaunchItems[k]->setEnabled(false);
    }
    ResumeInFull->setVisible(false);
    N24->setVisible(false);
}

