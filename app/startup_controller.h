// The start of the main window: FormCreate reads the command line into the
// start modes, finds the data folder, moves an older settings file into
// place, refuses to run where the program cannot work (not on a fixed drive,
// a read-only data file, a screen narrower than 800 pixels, demo mode
// without a settings file), reads or makes the settings, creates the missing
// data files and folders, and sizes the window. StartAbort / StartupRunFlag
// tell main() how it went. Once the windows exist the command-line argument
// is acted on, and once a month an update check is offered. The main window
// owns the controller, hands it what the start reads and fills at
// construction, and connects what it asks of the other parts at each point
// of the start to the part that does it.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QStringList>

struct ProgramState;
struct OpenShow;
class AutoShowOfferWindow;
class FolderPictureChooser;
class FolderTreeController;
class PreviewPanel;
class ShowManagerWindow;
class QAction;
class QLabel;
class QMenu;
class QTableWidget;
class QTimer;
class QToolBar;
class QWidget;

class StartupController : public QObject {
    Q_OBJECT
public:
    // `window` is the main window the start sizes, shows and hides.
    // The widgets the start sets up, built by the main window after the
    // controller: the tool bar, the show list, the status panel and the
    // idle timer. The menus and tool-bar items whose captions and tips
    // depend on the start it takes by objectName.
    struct Widgets {
        QToolBar* ToolBar1 = nullptr;
        QTableWidget* MyShowSG = nullptr;
        QLabel* StatusPanel0 = nullptr;
        QTimer* Timer1 = nullptr;   // the idle timer
    };

    // Makes the demo start's hand-over timer ("TimerAutoCDRun", 1 ms, not
    // running) on `window`. The start fills `openShow` (the folder argument's
    // purpose) and `folderTree` (the folder to open, the exclusions to read
    // again); the browse preview takes the play order, the MyShow preview the
    // upload glyphs and hint. The windows made later (any may be null): the
    // MyShow manager, the folder picture chooser, the demo start's
    // automatic show window.
    StartupController(QWidget& window, ProgramState& state, OpenShow& openShow, FolderTreeController& folderTree,
                      PreviewPanel& browsePreview, PreviewPanel& showPreview,
                      const QPointer<ShowManagerWindow>& showManager,
                      const QPointer<FolderPictureChooser>& folderPictureWindow,
                      const QPointer<AutoShowOfferWindow>& demoShowWindow);
    // The widgets, handed over once the window has built them and its
    // menus and tool bars; takes the menus and items by objectName.
    void SetWidgets(const Widgets& widgets);
    // The demo start's hand-over timer.
    QTimer* autoCdRunTimer() const { return m_autoCdRunTimer; }

    // The program's state the start fills.
    ProgramState& state() const { return m_state; }

    // The command-line parameters (without the program name) FormCreate reads;
    // main() fills them from the real command line.
    QStringList StartParameters;

    // The settings work of a real start: modes, data folder, settings file,
    // refusals, data files. Sets StartAbort / StartupRunFlag.
    void FormCreate();
    // True when the main window shows itself at start (none of demo, audio
    // and argument mode).
    bool VisibleAtStart() const;
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
    // The main window was shown: a demo start hands over to the automatic
    // show once the window is up.
    void WindowShown(bool spontaneous);
    // The demo start's hand-over: the main window hides, the automatic show
    // window takes the focus (without one the program ends).
    void TimerAutoCDRunTimer();

    // The upload button's glyph and its grey copy for the disabled state.
    QPixmap UploadGlyph;
    QPixmap UploadGlyphGrey;
    // Gives the MyShow preview's upload button the glyph of its state (the grey copy when disabled).
    void UpdateUploadButtonGlyph();
    // Names the configured uploader program in the upload commands and takes
    // its icon for them.
    void ApplyUploadCaptions();

signals:
    // What FormCreate asks of the other parts, in the order it asks: the
    // application's events are connected, the controls' designed bounds are
    // taken, the window fills the work area (a screen 800 pixels wide), the
    // settings' play options take effect, the start-up folder opens and the
    // keyboard hook goes in.
    void ApplicationEventsRequested();
    void ControlBoundsRequested();
    void WorkAreaFitRequested();
    void PlayOptionsRequested();
    void FolderOrShowRequested();
    void KeyboardHookRequested();
    // What the command-line argument asks: the folder exclusions are read,
    // the slide show's "all pictures" dialog opens, the show starts, the
    // default playlist plays, the Draft show or a show file opens.
    void FolderExclusionsRequested();
    void AddAllDialogRequested();
    void ShowStartRequested();
    void DefaultPlaylistRequested();
    void DraftShowRequested();
    void ShowFileRequested(const QString& path);
    // The MyShow manager was made for the normal window; it goes with the
    // main window.
    void ShowManagerMade(ShowManagerWindow* window);
    // The monthly suggestion was answered Yes: the update check runs.
    void UpdateCheckRequested();

private:
    // The parts of FormCreate, in the order it runs them.
    void readStartModes();
    void prepareUploadAndViewer();
    void refuseUnlessOnFixedDrive();
    void setShowListColumns(int screenWidth);
    void hideMissingHelpPages();
    void prepareDataFolder();
    void migrateSettingsFile();
    void makeRequestedShortcuts();
    void refuseUnworkableStart(int screenWidth);
    void chooseSettingsFile();
    // Reads the settings, or makes them at a first start; false when the
    // start is refused (the program then ends).
    bool readOrMakeSettings();
    void takeReadSettings();
    void makeFirstSettings();
    void dressWindowFromSettings();
    void applyPlayOptions();
    void findDemoShow();
    void createDataFiles();
    void takeSettingsSnapshot();
    // A refused start: the run marker goes and the program ends once the
    // event loop runs.
    void endStartWithoutMarker();

    void sizeWindowAtStart();
    void openStartupFolder();
    void applyStartFonts();

    QWidget& m_window;
    Widgets m_widgets;
    // The menus and items whose captions and tips depend on the start.
    struct Actions {
        QAction* ShowAllTB = nullptr;
        QAction* TBTarnivo = nullptr;
        QAction* TBSepTarn = nullptr;
        QAction* Tarnivo = nullptr;
        QAction* TarnivoPop = nullptr;
        QAction* GettingStarted = nullptr;
        QAction* WhatsNew = nullptr;
        QAction* VXOnlineHelp = nullptr;
        QAction* HideShowMyShowTB = nullptr;
        QAction* HideShowMyShow = nullptr;
        QAction* RunExeMyShowTB = nullptr;
        QAction* RunExeToolButton = nullptr;
        QAction* ToolButton1 = nullptr;
        QAction* UploadPicture = nullptr;
        QAction* Upload = nullptr;
        QMenu* Bestand1 = nullptr;
        QMenu* Recent1 = nullptr;
        QMenu* Show = nullptr;
        QMenu* Options1 = nullptr;
        QMenu* Favorites = nullptr;
        QMenu* Help1 = nullptr;
    } m_actions;
    ProgramState& m_state;
    OpenShow& m_openShow;
    FolderTreeController& m_folderTree;
    PreviewPanel& m_browsePreview;
    PreviewPanel& m_showPreview;
    const QPointer<ShowManagerWindow>& m_showManager;
    const QPointer<FolderPictureChooser>& m_folderPictureWindow;
    const QPointer<AutoShowOfferWindow>& m_demoShowWindow;
    QTimer* m_autoCdRunTimer;
};
