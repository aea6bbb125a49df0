// The main window's slide show: the play options in effect, the launcher for
// a command-line argument, the collection of a folder or a show, the play on
// the full-screen window (or as pages), its pause and its end. The main
// window owns the controller, hands it the parts it reads and drives, and
// connects its signals to the other sections (MainWindow::ConnectSlideShow).
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

struct OpenShow;
struct PictureDisplayState;
struct ProgramState;
class FileOperationsController;
class FolderTreeController;
class QAction;
class QLabel;
class QTableWidget;
class QTimer;
class QWidget;
class ShowWindow;
class ShowDateReader;
class FolderPictureLister;
class FolderPictureChooser;
class ThumbnailPageSection;

class SlideShowController : public QObject {
    Q_OBJECT
public:
    // The widgets the show uses, built by the main window (any may be missing).
    struct Widgets {
        QTimer* Timer1 = nullptr;   // the idle timer
        QLabel* StatusPanel1 = nullptr;
        QTableWidget* MyShowSG = nullptr;
    };

    // The windows the show uses, made at first use through the main window
    // (which keeps them): MakeShowWindow makes the full-screen window;
    // MakeFolderPictureChooser returns the chooser, made when there is none.
    struct WindowMakers {
        std::function<ShowWindow*()> MakeShowWindow;
        std::function<FolderPictureChooser*()> MakeFolderPictureChooser;
    };
    // The parts of the main window the show reads and drives, made after
    // the controller: the folder tree (selected folder, exclusions, the
    // folder to open again), the display step's state and the page of
    // thumbnails (the show played as pages).
    struct Parts {
        FolderTreeController* Tree = nullptr;
        PictureDisplayState* Display = nullptr;
        ThumbnailPageSection* Page = nullptr;
    };

    // `window` is the main window (closed when a start with an argument
    // ends); `openShow` is the open MyShow.
    // Makes the show's step timer ("IntervalTimer", 1000 ms, not running).
    SlideShowController(QWidget& window, ProgramState& state, OpenShow& openShow, WindowMakers makers);
    // The show's step timer: the full-screen show, the page show, the
    // display step and the sound arm it.
    QTimer* intervalTimer() const { return m_intervalTimer; }
    ~SlideShowController() override;
    // The widgets, handed over once the window has built them and its tool
    // bars; takes the stop and edit buttons by objectName.
    void SetWidgets(const Widgets& widgets);
    void SetParts(const Parts& parts);
    // The full-screen show window (or none), kept in step with the main
    // window's.
    void SetShowWindow(ShowWindow* window);
    // The picture and folder operations, made when the main window is first
    // shown: a picture moved, renamed or deleted during a folder show opens
    // the folder again at the show's end.
    void SetFileOperations(FileOperationsController* fileOps);

    void ApplyShowOptions();
    void ShowAddAllDialog();
    void CollectPictures();
    void BuildAndStartShow();
    // Plays the pictures; `Records` gives each one's record number in the
    // show file it came from (else its position in the list).
    void PlayPictures(const QStringList& Pictures, const QList<int>& Records = {});
    void EndShow();
    void ToolButton2Click();
    void PauseShow();
    bool InManualMode() const;
    // The status of the shown picture (slide_show_status.cpp); the display
    // step asks for it when it has shown a picture.
    void ShowCurrentPictureStatus(bool Full);
    void PrepareNextShowStep();

signals:
    // The full-screen window's step wants picture `index` on the screen.
    void displayStepWanted(int index);
    // The full-screen window wants the pictures it plays next decoded ahead.
    void decodeAheadWanted(int next, int left);
    // A cut-out of the shown picture is on the full-screen window.
    void cutOutShown();
    // Home (or the restart button) on the full-screen window.
    void restartWanted();
    // The mouse wheel turned on the full-screen window.
    void wheelTurned(int delta);
    // A show of `source` (a folder or a show file) starts.
    void sourceStarted(const QString& source);
    // A show is about to play: the show buttons carry its hints.
    void showStarting();
    // A show ends: the picture's own sound ends, the show buttons carry the
    // hints of a stopped show.
    void showEnding();
    // A show has ended: the browse view comes back.
    void showEnded();
    // A show of a demo start has ended: its offer shows again.
    void demoShowOfferWanted();
    // The folder of the show changed during it: the tree opens FolderToOpen.
    void folderReopenWanted();

private:
    // The play options of the show about to start, and the display state reset.
    void ResetShowState();
    // The full-screen window's hand-offs back to the main window.
    void WireShowWindow(ShowWindow* showWindow);
    // The full-screen window, made at first use.
    ShowWindow* showWindowMade();
    // The play of the pictures in their order (as pages or full screen),
    // with their dates when the order needs them.
    void StartPlay(const QStringList& Pictures, const QList<int>& Records, const QList<double>& dates);
    // The dates of a date order: their reading's progress and its end.
    void ShowDateProgress(int done, int total);
    void StartDatedPlay(const QList<double>& dates);
    // The pictures collected from `folder` play (or the message that it has none).
    void PlayCollected(const QString& folder, const QStringList& pictures);

    QWidget& m_window;
    ProgramState& m_state;
    OpenShow& m_openShow;
    const WindowMakers m_makers;
    Widgets m_items;
    // The stop button (its command is this controller's) and the edit
    // button (its hint goes to the full-screen window's twin).
    struct Actions {
        QAction* ToolButton2 = nullptr;
        QAction* RunExeToolButton = nullptr;
    } m_actions;
    Parts m_parts;
    QPointer<ShowWindow> m_showWindow;
    QPointer<FileOperationsController> m_fileOps;
    QTimer* m_intervalTimer;
    // The folder listed for a show, and whether it was to play as pages.
    FolderPictureLister* m_lister = nullptr;
    bool m_collectPageStart = false;
    // The show waiting for its pictures' dates.
    ShowDateReader* m_dates;
    struct DatedPlay {
        QStringList pictures;
        QList<int> records;
        bool pageStart = false;
    } m_datedPlay;
};
