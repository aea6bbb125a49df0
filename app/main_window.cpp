// The main window's widgets: built once by the constructor, all inactive
// until the concerns that own them switch them on.
#include "app/main_window.h"

#include "app/absent_features.h"
#include "app/main_menus.h"
#include "app/main_tool_bars.h"
#include "app/options_dialog_logic.h"
#include "platform/keyboard_hook.h"
#include "base/named_timer.h"
#include "browse/preview_panel.h"

#include "shows/show_windows.h"
#include "slideshow/auto_show_windows.h"
#include "browse/fit_zoom_section.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"
#include "browse/list_menus_section.h"
#include "browse/crop_ratio_panel.h"
#include "browse/external_programs_controller.h"
#include "browse/file_ops_controller.h"
#include "browse/picture_display_section.h"
#include "browse/picture_info_controller.h"
#include "browse/thumbnail_page_section.h"
#include "browse/picture_loader_slots.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QShowEvent>
#include <QTimer>




MainWindow::MainWindow(ProgramState& state, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_myShow(makeMyShow()), m_openShow(m_myShow->openShow()),
      m_layout(std::make_unique<LayoutController>(
          *this, state, m_openShow,
          LayoutController::Queries{.inManualMode = [this] { return m_slideShow->InManualMode(); },
                                    .showWindow = [this] { return showWindow(); },
                                    .thumbnailView =
                                        [this] { return ThumbnailPageSect && ThumbnailPageSect->PageShowRuns(); }}))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vistamo!"));
    resize(800, 600);
    buildClientArea();
    m_mainMenus = std::make_unique<MainMenus>(*this);
    KeepAbsentFeaturesDisabled(this);
    const MainMenus& menu = mainMenus();
    const MainToolBars& tools = toolBars();
    m_input = new InputController(*this, {.ClientArea = clientArea()->widget(), .StatusBar1 = m_statusBar},
                                  m_state, *m_layout, m_showWindow, m_replayWindow,
                                  {[this] { return m_slideShow->InManualMode(); },
                                   [this] { return PictureTextWindowShown(); },
                                   [this] { return m_externalPrograms->ExternalProcessRunning == 1; },
                                   [this] { return ThumbnailPageSect->PageShowRuns(); },
                                   [this]() -> const QWidget* {
                                       return FitZoomSect ? FitZoomSect->CustomRatioIfMade() : nullptr;
                                   },
                                   [this] { return PictureDisplaySect->displayState().CurrentPicturePath; },
                                   [this] {
                                       return std::array<QString, 3>{m_menus->CdMenuStatusText,
                                                                     m_menus->CdFolderStatusText,
                                                                     m_menus->CdShowStatusText};
                                   },
                                   [this] { return m_externalPrograms && m_externalPrograms->BrowsedPictureRotatable(); }});
    m_slideShow = makeSlideShow();
    m_layout->SetWidgets({.ClientArea = clientArea()->widget(),
                          .ImBottomBar = clientArea()->bottomBar(),
                          .ImMyShowHeader = showList()->header(),
                          .Image1 = clientArea()->picture(),
                          .IntervalTimer = m_slideShow->intervalTimer(),
                          .MyShowLabel = showList()->nameLabel(),
                          .MyShowSG = showList()->grid(),
                          .StatusPanel0 = statusPanels()->panel0(),
                          .StatusPanel1 = statusPanels()->panel1(),
                          .ToolBar1 = tools.ToolBar1(),
                          .ToolBar2 = tools.ToolBar2(),
                          .TreeView1 = treeView(),
                          .BrowsePreview = m_browsePreview,
                          .ShowPreview = m_showPreview});
    m_myShow->SetWidgets({.MyShowSG = showList()->grid(), .MyShowLabel = showList()->nameLabel()});
    m_sound = std::make_unique<SoundController>(*this, m_openShow, state);
    m_sound->SetWidgets({.BrowsePreview = m_browsePreview, .IntervalTimer = m_slideShow->intervalTimer()});
    m_slideShow->SetWidgets(
        {.Timer1 = m_input->idleTimer(), .StatusPanel1 = statusPanels()->panel1(), .MyShowSG = showList()->grid()});
    m_menus = new MenuController(*this, m_state, m_openShow, *m_layout,
                                 [show = m_slideShow.get()] { return show->InManualMode(); });
    m_menus->SetClientWidgets({.BarRows = menu.BarRows(),
                               .ImMenuBG = clientArea()->menuBackground(),
                               .StatusBar1 = m_statusBar,
                               .TreeView1 = treeView(),
                               .MyShowSG = showList()->grid(),
                               .Image1 = clientArea()->picture(),
                               .BrowsePreview = m_browsePreview,
                               .ShowPreview = m_showPreview});
    InstallPictureDisplay();
    InstallFitZoom();
    m_helpAndVersion = new HelpAndVersionController(this, m_state.settings, m_state.start, m_state.paths,
                                                     m_state.environment);
    ConnectHelpAndVersion();
    m_options = new OptionsController(
        this, m_state.settings, m_state.paths, m_state.environment, m_state.start, m_state.session,
        {[this] { return folderTree()->SelectedFolder; }, [this] { return PictureTextWindowShown(); }});
    ConnectOptions();
    InstallThumbnailPage();
    InstallFolderTree();
    InstallListMenus();
    InstallExternalPrograms();
    InstallPictureInfo();
    ConnectLayouts();
    ConnectPictureDisplay();
    m_startup = std::make_unique<StartupController>(*this, m_state, m_openShow, *folderTree(), *m_browsePreview,
                                                    *m_showPreview, m_showManager, m_folderPictureWindow,
                                                    m_demoShowWindow);
    m_startup->SetWidgets({.ToolBar1 = tools.ToolBar1(),
                           .MyShowSG = showList()->grid(),
                           .StatusPanel0 = statusPanels()->panel0(),
                           .Timer1 = m_input->idleTimer()});
    m_close = std::make_unique<CloseController>(*this, m_state, m_openShow, *m_sound, *m_slideShow,
                                                *m_externalPrograms, m_showManager);
    ConnectSlideShow();
    ConnectMyShow();
    ConnectMenus();
    ConnectInput();
    ConnectStartup();
    ConnectClose();
    ConnectFolderTree();
    ConnectFitZoom();
    ConnectListMenus();
    ConnectThumbnailPage();
    ConnectPictureInfo();
    ConnectExternalPrograms();
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
    const bool another = window != m_showWindow;
    if (m_showWindow) {
        disconnect(m_showWindow, &ShowWindow::CustomRatioRequested, this, nullptr);
        disconnect(m_showWindow, &ShowWindow::playStateChanged, this, nullptr);
        if (another)
            for (int image : {1, 2})
                disconnect(m_showWindow->Slot(image), nullptr, this, nullptr);
    }
    m_showWindow = window;
    if (window && another)
        for (int image : {1, 2})
            FollowPictureLoads(window->Slot(image));
    m_slideShow->SetShowWindow(window);
    PictureDisplaySect->SetShowView(window);
    ThumbnailPageSect->SetShowView(window);
    m_externalPrograms->SetShowView(window);
    if (FileOperationsController* fileOps = FileOperationsController::Of(this))
        fileOps->SetShowView(window);
    if (FitZoomSect)
        FitZoomSect->SetShowView(window);
    // The full-screen show's "Custom" crop ratio is typed in this window's panel.
    if (window) {
        connect(window, &ShowWindow::CustomRatioRequested, this, [this] { fitZoom()->ShowCustomRatioPanel(); });
        connect(window, &ShowWindow::playStateChanged, this, &MainWindow::SyncFullScreenControls,
                Qt::UniqueConnection);
    }
}
PictureTextWindow* MainWindow::pictureTextWindow() const { return m_pictureTextWindow; }
void MainWindow::setPictureTextWindow(PictureTextWindow* window) { m_pictureTextWindow = window; }
ShowManagerWindow* MainWindow::showManager() const { return m_showManager; }
void MainWindow::setShowManager(ShowManagerWindow* window)
{
    m_showManager = window;
    PictureDisplaySect->SetShowManager(window);
    ThumbnailPageSect->SetShowManager(window);
    m_pictureInfo->SetShowManager(window);
    if (FileOperationsController* fileOps = FileOperationsController::Of(this))
        fileOps->SetShowManager(window);
}
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

// FormCreate connects the application's events and installs the keyboard
// hook through the input controller, takes the designed bounds and fits the
// work area through the layouts, applies the play options through the slide
// show and opens the start-up folder through the folder tree. The argument
// reaches the folder tree, the slide show, the sound and the MyShow; the
// MyShow manager made for the normal window goes with this window; Yes to
// the monthly suggestion runs the update check.
void MainWindow::ConnectStartup()
{
    StartupController* const startup = m_startup.get();
    SlideShowController* const show = m_slideShow.get();
    connect(startup, &StartupController::ApplicationEventsRequested, m_input, &InputController::InstallApplicationEvents);
    connect(startup, &StartupController::ControlBoundsRequested, m_layout.get(), &LayoutController::SaveControlBounds);
    connect(startup, &StartupController::WorkAreaFitRequested, m_layout.get(), &LayoutController::FitToWorkArea);
    connect(startup, &StartupController::PlayOptionsRequested, show, &SlideShowController::ApplyShowOptions);
    connect(startup, &StartupController::FolderOrShowRequested, FolderTreeSect, &FolderTreeSection::OpenFolderOrShow);
    connect(startup, &StartupController::KeyboardHookRequested, m_input, &InputController::InstallKeyboardHook);
    connect(startup, &StartupController::FolderExclusionsRequested, FolderTreeSect,
            &FolderTreeSection::LoadFolderExclusions);
    connect(startup, &StartupController::AddAllDialogRequested, show, &SlideShowController::ShowAddAllDialog);
    connect(startup, &StartupController::ShowStartRequested, show, &SlideShowController::BuildAndStartShow);
    connect(startup, &StartupController::DefaultPlaylistRequested, m_sound.get(), &SoundController::DefPlaylistClick);
    connect(startup, &StartupController::DraftShowRequested, this, [this] { m_myShow->MyShowDraftClick(); });
    connect(startup, &StartupController::ShowFileRequested, this,
            [this](const QString& path) { m_myShow->LoadMyShowClick(path); });
    connect(startup, &StartupController::ShowManagerMade, this, [this](ShowManagerWindow* window) {
        setShowManager(window);
        adoptWindow(window);
    });
    connect(startup, &StartupController::UpdateCheckRequested, m_helpAndVersion,
            &HelpAndVersionController::CheckforupdateClick);
}

// The close stops the music through the sound, pauses and stops a running
// show through the slide show, keeps or asks about the open show's changes
// through the MyShow and takes the control panel's place through the
// layouts.
void MainWindow::ConnectClose()
{
    CloseController* const close = m_close.get();
    SlideShowController* const show = m_slideShow.get();
    connect(close, &CloseController::MusicStopRequested, m_sound.get(), &SoundController::StopMusic);
    connect(close, &CloseController::ShowPauseRequested, show, &SlideShowController::PauseShow);
    connect(close, &CloseController::ShowStopRequested, show, &SlideShowController::ToolButton2Click);
    connect(close, &CloseController::DraftShowKeepRequested, this, [this] { m_myShow->MyShowDraftClick(); });
    connect(close, &CloseController::ChangesQuestionRequested, this, [this] { m_myShow->AskMakeChangesPermanent(); });
    connect(close, &CloseController::ControlPanelPositionRequested, m_layout.get(),
            &LayoutController::SaveControlPanelPosition);
}

// The first show wires what waits for a window on screen, in the order
// written here.
void MainWindow::RunFirstShowSteps()
{
    // The picture and folder operations work on the show window and the show
    // manager, which are handed over after the window's construction.
    MakeFileOperations();

    // The list menus come from the settings read at start.
    ListMenusSect->BuildRecentMenu();
    ListMenusSect->BuildFavoritesMenu();
    ListMenusSect->BuildHistoryMenu();

    // The menus' style and commands, the application's events, the designed
    // bounds (not in a demo start) and the keyboard hook (unless the start
    // installed it).
    m_menus->SetupMenus();
    m_input->InstallApplicationEvents();
    if (!m_state.start.DemoMode)
        m_layout->SaveControlBounds();
    if (!m_input->KeyboardHookInstalled)
        m_input->InstallKeyboardHook();

    m_options->SetupOptionsHandlers();

    // The Help menu, the picture and thumbnail timers, the tree's keys and the
    // show list's mouse moves; after a complete start the monthly update
    // suggestion waits for the first idle moment.
    SetupSmallHandlers();
    if (m_state.start.StartupRunFlag == 1 && QCoreApplication::applicationName() == QLatin1String("Vistamo!"))
        m_helpAndVersion->OfferMonthlySuggestionWhenIdle();

    // The external programs' and wallpaper commands, then the thumbnail
    // commands and the tree's hover preview.
    m_externalPrograms->SetupExternalPrograms();
    m_pictureInfo->SetupThumbnailFiles();
}

void MainWindow::showEvent(QShowEvent* event)
{
    if (!m_firstShowDone) {
        m_firstShowDone = true;
        RunFirstShowSteps();
    }
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
    m_toolBars = std::make_unique<MainToolBars>(c);
    m_folderTreePanel = std::make_unique<FolderTreePanel>(c);
    m_showList = std::make_unique<ShowListPanel>(c);

    // The browse preview under the tree and the MyShow preview under the list.
    m_browsePreview = new PreviewPanel(PreviewPanel::Kind::Browse, c);
    m_browsePreview->setGeometry(4, 355, 392, 190);
    // Its box shows the play order in effect (PlayOrder indexes these items).
    m_browsePreview->setPlayOrderItems(PlayOrderItems());
    m_showPreview = new PreviewPanel(PreviewPanel::Kind::MyShow, c);
    m_showPreview->setGeometry(404, 355, 392, 190);
    // Its box, the open show's play order, is sized for its items before
    // the window's layouts take their bounds.
    m_showPreview->setPlayOrderItems(NewShowPlayOrderItems());

    // The main picture covers the client area while a show runs in the
    // window; hidden otherwise.
    m_clientArea->addPictures();

    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);
}

