// The main window's slide show: the play options in effect, the launcher for
// a command-line argument, the collection of a folder or a show, the play on
// the full-screen window (or as pages), its pause and its end. The main
// window owns the controller and reaches the rest through SlideShowHost.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

struct OpenShow;
struct ProgramState;
class FileOperationsController;
class FolderTreeController;
class ListMenusSection;
class PictureDisplaySection;
class QAction;
class QLabel;
class QTableWidget;
class QTimer;
class QWidget;
class SoundController;
class ShowWindow;
class AutoShowOfferWindow;
class FolderPictureChooser;
class ThumbnailPageSection;

// What the slide show asks of the main window.
class SlideShowHost {
public:
    virtual ~SlideShowHost() = default;
    // The main window's controllers and sections.
    virtual FolderTreeController* folderTree() = 0;
    virtual PictureDisplaySection* pictureDisplay() = 0;
    virtual ThumbnailPageSection* thumbnailPage() = 0;
    virtual SoundController* sound() = 0;
    virtual ListMenusSection* listMenus() = 0;
    virtual FileOperationsController* fileOperations() = 0;
    virtual OpenShow& openShow() = 0;
    // The full-screen show window, made at first use.
    virtual ShowWindow* showWindowMade() = 0;
    // The full-screen show window (or none).
    virtual ShowWindow* showWindow() = 0;
    // The folder picture chooser, made at first use.
    virtual FolderPictureChooser* folderPictureWindowMade() = 0;
    // The automatic show window of a demo start (or none).
    virtual AutoShowOfferWindow* demoShowWindow() = 0;
    // The commands of the other sections a show runs.
    virtual void SetPictureMenuCaptions() = 0;
    virtual void UpdatePictureStatus() = 0;
    virtual void RestartShow() = 0;
    virtual void FormMouseWheel(int delta) = 0;
    virtual void AddToRecentFolders() = 0;
    virtual void OpenFolderOrShow() = 0;
    // The tool tips of a running or stopped show, and the browse view after it.
    virtual void SetShowRunningHints() = 0;
    virtual void SetShowStoppedHints() = 0;
    virtual void RestoreBrowseView() = 0;
};

class SlideShowController : public QObject {
    Q_OBJECT
public:
    // The controls the show uses, built by the main window (any may be missing).
    struct Items {
        QTimer* Timer1 = nullptr;   // the idle timer
        QAction* ToolButton2 = nullptr;
        QAction* RunExeToolButton = nullptr;
        QLabel* StatusPanel1 = nullptr;
        QTableWidget* MyShowSG = nullptr;
    };

    // `window` is the main window (closed when a start with an argument ends).
    // Makes the show's step timer ("IntervalTimer", 1000 ms, not running).
    SlideShowController(QWidget& window, std::unique_ptr<SlideShowHost> host, ProgramState& state);
    // The show's step timer: the full-screen show, the page show, the
    // display step and the sound arm it.
    QTimer* intervalTimer() const { return m_intervalTimer; }
    ~SlideShowController() override;
    // The controls, handed over once the window has built them.
    void SetItems(const Items& items);

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

private:
    // The play options of the show about to start, and the display state reset.
    void ResetShowState();
    // The full-screen window's hand-offs back to the main window.
    void WireShowWindow(ShowWindow* Form9);

    QWidget& m_window;
    std::unique_ptr<SlideShowHost> m_host;
    ProgramState& m_state;
    Items m_items;
    QTimer* m_intervalTimer;
};
