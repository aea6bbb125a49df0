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
#include "browse/folder_tree_widget.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>



namespace {

template <class W>
W* named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect r, const QString& text = QString())
{
    auto* l = named(new QLabel(text, parent), name);
    l->setGeometry(r);
    return l;
}

QFrame* makeFrame(QWidget* parent, const char* name, QRect r, QFrame::Shape shape = QFrame::StyledPanel)
{
    auto* f = named(new QFrame(parent), name);
    f->setFrameShape(shape);
    f->setGeometry(r);
    return f;
}

QToolButton* makeButton(QWidget* parent, const char* name, QRect r, const QString& tip = QString())
{
    auto* b = named(new QToolButton(parent), name);
    b->setGeometry(r);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

} // namespace

MainWindow::MainWindow(ProgramState& state, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_myShow(makeMyShow()), m_openShow(m_myShow->openShow()),
      m_startup(std::make_unique<StartupController>(*this, *this, *this, state)),
      m_close(std::make_unique<CloseController>(*this, *this, *this, state)),
      m_layout(std::make_unique<LayoutController>(*this, *this, state))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vistamo!"));
    resize(800, 600);
    buildClientArea();
    m_mainMenus = std::make_unique<MainMenus>(*this);
    copyItemsForControllers();
    buildTimers();
    KeepAbsentFeaturesDisabled(this);
    const MainMenus& menu = mainMenus();
    const MainToolBars& tools = toolBars();
    m_layout->SetItems({ClientArea, tools.FullScreenToolButton3(), ImBottomBar, ImMyShowHeader, Image1, IntervalTimer,
                        menu.MMainMonitor(), menu.MSecondMonitor(), menu.MultiPop(), MyShowLabel, MyShowSG,
                        tools.PlaylistBATB(), tools.PlaylistFWTB(), menu.PopScreen(), tools.RunExeToolButton(),
                        tools.ShowForwardToolButton(), tools.ShowinReverseToolButton(), tools.StartMySlideShowTB(),
                        StatusPanel0, StatusPanel1, tools.TBGoSmall(), tools.TBGoSmallMS(), tools.TBRotateL(),
                        tools.TBRotateR(), tools.ToolBar1(), tools.ToolBar2(), tools.ToolButton1(), TreeView1,
                        tools.Volume(), m_browsePreview, m_showPreview});
    m_myShow->SetItems(
        {MyShowSG, MyShowLabel, tools.StartMySlideShowTB(), tools.SaveMyShowAsTB(), tools.SaveMyShowTB()});
    m_sound = std::make_unique<SoundController>(*this, m_openShow, state);
    m_sound->SetItems({tools.VoicePlayTB(), m_browsePreview, FadeTimer, TimerMusic, IntervalTimer});
    m_slideShow = makeSlideShow();
    m_slideShow->SetItems(
        {Timer1, IntervalTimer, tools.ToolButton2(), tools.RunExeToolButton(), StatusPanel1, MyShowSG});
    m_menus = new MenuController(*this, *this, menu, tools,
                                 {ImMenuBG, StatusBar1, TreeView1, Image1, MyShowSG}, m_state);
    m_input = new InputController(*this, *this, *this, m_state);
    InstallPictureDisplay();
    InstallFitZoom();
    m_helpAndVersion = new HelpAndVersionController(
        this, m_state.settings, m_state.start, m_state.paths, m_state.environment,
        {menu.GettingStarted(), menu.WhatsNew(), menu.Credits(), menu.VXOnlineHelp(), menu.Checkforupdate(),
         menu.ReportBug(), menu.Support(), menu.AboutPictureShow1(), HelpTimer});
    ConnectHelpAndVersion();
    m_options = new OptionsController(
        this, m_state.settings, m_state.paths, m_state.environment, m_state.session,
        {menu.Options1(), menu.ExcludeFolder(), menu.PictureShowOptions1(), tools.OptionsTB(), menu.ClearFavs(),
         menu.ClearRec()},
        {[this] { return folderTree()->SelectedFolder; }, [this] { return PictureTextWindowShown(); }});
    ConnectOptions();
    InstallThumbnailPage();
    InstallFolderTree();
    InstallListMenus();
    InstallExternalPrograms();
    InstallPictureInfo();
    InstallFileOperations();
    ConnectPictureDisplay();
}

// The start-up and input controllers still read these menu and tool-bar
// items through MainWindowWidgets.
void MainWindow::copyItemsForControllers()
{
    Bestand1 = mainMenus().Bestand1();
    Favorites = mainMenus().Favorites();
    GettingStarted = mainMenus().GettingStarted();
    Help1 = mainMenus().Help1();
    HideShowMyShow = mainMenus().HideShowMyShow();
    HideShowMyShowTB = toolBars().HideShowMyShowTB();
    Options1 = mainMenus().Options1();
    Recent1 = mainMenus().Recent1();
    RunExeMyShowTB = toolBars().RunExeMyShowTB();
    RunExeToolButton = toolBars().RunExeToolButton();
    Show = mainMenus().Show();
    ShowAllTB = toolBars().ShowAllTB();
    TBSepTarn = toolBars().TBSepTarn();
    TBTarnivo = toolBars().TBTarnivo();
    Tarnivo = mainMenus().Tarnivo();
    TarnivoPop = mainMenus().TarnivoPop();
    ToolBar1 = toolBars().ToolBar1();
    ToolButton1 = toolBars().ToolButton1();
    Upload = mainMenus().Upload();
    UploadPicture = mainMenus().UploadPicture();
    VXOnlineHelp = mainMenus().VXOnlineHelp();
    WhatsNew = mainMenus().WhatsNew();
    Backwards1ToolButton = toolBars().Backwards1ToolButton();
    Forward1ToolButton = toolBars().Forward1ToolButton();
    MoveToolButton = toolBars().MoveToolButton();
    RecycleBinToolButton = toolBars().RecycleBinToolButton();
    RenamePictureToolButton = toolBars().RenamePictureToolButton();
    SaveToolButton = toolBars().SaveToolButton();
    ShowForwardToolButton = toolBars().ShowForwardToolButton();
    ShowinReverseToolButton = toolBars().ShowinReverseToolButton();
    TBRotateL = toolBars().TBRotateL();
    TBRotateR = toolBars().TBRotateR();
    Volume = toolBars().Volume();
    Wallpaper = mainMenus().Wallpaper();
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
    ClientArea = named(new QWidget(this), "ClientArea");
    setCentralWidget(ClientArea);
    QWidget* c = ClientArea;

    // Design bounds of the restored 800 x 600 layout (client area below the
    // menu bar). The two tool bars sit at the top of the client area.
    m_toolBars = std::make_unique<MainToolBars>(c);
    Bevel2 = makeFrame(c, "Bevel2", QRect(404, 32, 392, 22), QFrame::Box);
    ImMyShowHeader = makeLabel(c, "ImMyShowHeader", QRect(404, 32, 392, 22));
    MyShowLabel = makeLabel(c, "MyShowLabel", QRect(409, 35, 380, 16));

    TreeView1 = named(new QTreeWidget(c), "TreeView1");
    TreeView1->setGeometry(4, 32, 392, 318);
    TreeView1->setHeaderHidden(true);

    MyShowSG = named(new QTableWidget(0, 5, c), "MyShowSG");
    MyShowSG->setGeometry(404, 56, 392, 262);
    MyShowSG->setHorizontalHeaderLabels(
        {QStringLiteral("Seq"), QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("Title"), QStringLiteral("Path")});
    MyShowSG->verticalHeader()->hide();
    MyShowSG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MyShowSG->setSelectionBehavior(QAbstractItemView::SelectRows);
    MyShowSG->hide();

    // The list buttons under the grid: six of one width.
    const int btnTop = 322, btnW = 65, btnH = 24;
    ExchangeButtonBoven = makeButton(c, "ExchangeButtonBoven", QRect(404 + 0 * btnW, btnTop, btnW, btnH));
    ExchangeButtonBeneden = makeButton(c, "ExchangeButtonBeneden", QRect(404 + 1 * btnW, btnTop, btnW, btnH));
    MoveButton = makeButton(c, "MoveButton", QRect(404 + 2 * btnW, btnTop, btnW, btnH));
    DeleteButton = makeButton(c, "DeleteButton", QRect(404 + 3 * btnW, btnTop, btnW, btnH));
    TextSB = makeButton(c, "TextSB", QRect(404 + 4 * btnW, btnTop, btnW, btnH));
    ClearListButton = makeButton(c, "ClearListButton", QRect(404 + 5 * btnW, btnTop, btnW, btnH));
    for (QToolButton* b : {ExchangeButtonBoven, ExchangeButtonBeneden, MoveButton, DeleteButton, TextSB, ClearListButton})
        b->setEnabled(false);

    // The browse preview under the tree and the MyShow preview under the list.
    m_browsePreview = new PreviewPanel(PreviewPanel::Kind::Browse, c);
    m_browsePreview->setGeometry(4, 355, 392, 190);
    // Its box shows the play order in effect (PlayOrder indexes these items).
    m_browsePreview->setPlayOrderItems(PlayOrderItems());
    m_showPreview = new PreviewPanel(PreviewPanel::Kind::MyShow, c);
    m_showPreview->setGeometry(404, 355, 392, 190);

    // The main picture area: covers the client area while a show runs in
    // the window; hidden otherwise.
    Image1 = makeLabel(c, "Image1", QRect(0, 30, 800, 515));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->hide();

    // Hidden helper images.
    Image3 = makeLabel(c, "Image3", QRect(0, 0, 1, 1));
    ImMenuBG = makeLabel(c, "ImMenuBG", QRect(0, 0, 1, 1));
    ImBottomBar = makeLabel(c, "ImBottomBar", QRect(0, 0, 1, 1));
    for (QLabel* l : {Image3, ImMenuBG, ImBottomBar})
        l->hide();

    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    setStatusBar(StatusBar1);
    StatusPanel0 = named(new QLabel(StatusBar1), "StatusBar1Panel0");
    StatusPanel1 = named(new QLabel(StatusBar1), "StatusBar1Panel1");
    StatusPanel0->setMinimumWidth(250);
    // Panel 1 takes the rest of the bar's width (window width less panel 0);
    // its text never makes the window wider.
    StatusPanel1->setMinimumWidth(0);
    StatusPanel1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);
}

void MainWindow::buildTimers()
{
    Timer1 = MakeNamedTimer(this, "Timer1", 1000, false);
    TimerHook = MakeNamedTimer(this, "TimerHook", 500, false);
    HookHandled = MakeNamedTimer(this, "HookHandled", 300, false);
    TimerAutoCDRun = MakeNamedTimer(this, "TimerAutoCDRun", 1, false);
    HelpTimer = MakeNamedTimer(this, "HelpTimer", 1500, true);
    TimerThumbnail = MakeNamedTimer(this, "TimerThumbnail", 100, true);
    IntervalTimer = MakeNamedTimer(this, "IntervalTimer", 1000, false);
    FadeTimer = MakeNamedTimer(this, "FadeTimer", 100, false);
    TimerMusic = MakeNamedTimer(this, "TimerMusic", 1000, false);
    ImageTimer = MakeNamedTimer(this, "ImageTimer", 100, true);
    connect(TimerAutoCDRun, &QTimer::timeout, this, [this] { m_startup->TimerAutoCDRunTimer(); });
}
