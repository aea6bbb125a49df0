// The main window's help, the Help menu's web pages, the About box, the
// version check and the monthly suggestion
// at start. The main window builds the Help menu's items and hands them
// over; the controller says what the window has to do with its signals.
#pragma once

#include <QObject>
#include <QString>

struct DataPaths;
struct EnvironmentInfo;
struct StartContext;
class QAction;
class QTimer;
class QWidget;
struct SettingsStore;

class HelpAndVersionController : public QObject {
    Q_OBJECT
public:
    // `window` parents the dialogs this controller opens; `paths` give the
    // program's folder (its help pages) and the data folder; `environment`
    // the dialogs' font. Takes the Help menu's items from `window` by
    // objectName.
    HelpAndVersionController(QWidget* window, SettingsStore& settings,
                             const StartContext& start, const DataPaths& paths, const EnvironmentInfo& environment);

    // Gives the Help menu its captions and connects its items and the help
    // timer (once). Without help pages start-up has turned the contents item
    // into "&Download Vistamo! (again), ..."; that stays.
    void ConnectHelpMenu();

    // Help: opens a topic's page in the browser, or says why not.
    void ShowHelpTopic(const QString& topic);
    void HelpTimerTimer();
    // The help's hourglass timer ("HelpTimer", 1500 ms, single shot, not running).
    QTimer* helpTimer() const { return m_helpTimer; }
    void GettingStartedClick();
    void CreditsClick();
    void WhatsNewClick();
    void VXOnlineHelpClick();
    ~HelpAndVersionController() override;

    // The version check and the monthly suggestion of a normal start. The
    // check downloads the published version while the window runs on, and
    // tells its finding when the download has ended.
    void CheckforupdateClick();
    bool VersionCheckRunning() const { return m_checking; }
    void MonthlySuggestionAtStart();
    // The monthly suggestion comes once the start-up sequence has ended: in
    // the program's own event loop, with no other modal window open (a
    // start-up warning, the launcher); until then it waits.
    void OfferMonthlySuggestionWhenIdle();
    // The About box and the maker's web pages.
    void AboutPictureShow1Click();
    void OpenDownloadPage();
    void OpenWhatsNewPage();
    void ReportBugClick();
    void SupportClick();

    // The published version the last check found newer than the own one.
    QString NewVersionText;
    // The longest the version check's download may take (tests shorten it).
    int VersionDownloadTimeoutMs = 20000;

signals:
    // A help page is about to open: the window's small handlers are to be
    // connected, the help timer that ends the hourglass among them.
    void HelpOpening();
    // The About box is about to open: the user is at work, the automatic
    // show's idle timer stops.
    void AboutBoxOpening();
    // The user went to download a new version: the program closes.
    void ProgramCloseRequested();

private:
    // The check's download ended: its outcome is told, and a newer version
    // offered.
    void VersionDownloaded(bool ok, const QString& target);

    QWidget* m_window;
    SettingsStore& m_settings;
    const StartContext& m_start;
    const DataPaths& m_paths;
    const EnvironmentInfo& m_environment;
    // The Help menu's items, taken by objectName (any may be missing).
    struct Items {
        QAction* GettingStarted = nullptr;
        QAction* WhatsNew = nullptr;
        QAction* Credits = nullptr;
        QAction* VXOnlineHelp = nullptr;
        QAction* Checkforupdate = nullptr;
        QAction* ReportBug = nullptr;
        QAction* Support = nullptr;
        QAction* AboutPictureShow1 = nullptr;
    } m_items;
    QTimer* m_helpTimer;
    bool m_connected = false;
    bool m_helpCursorSet = false;
    // A version check runs (the window keeps running while it downloads,
    // with the hourglass).
    bool m_checking = false;
};
