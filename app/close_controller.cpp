// Closing the main window: refusals, the settings merge and save.
#include "app/close_controller.h"

#include "base/add_settings_record.h"
#include "base/data_folder.h"
#include "base/environment.h"
#include "base/settings_fields.h"
#include "base/start_args.h"
#include "base/program_state.h"
#include "browse/external_programs.h"
#include "browse/external_programs_controller.h"
#include "platform/prompt.h"
#include "sharing/process_check.h"
#include "shows/known_shows.h"
#include "shows/show_file.h"
#include "shows/show_windows.h"
#include "slideshow/show_state.h"
#include "slideshow/slide_show_controller.h"
#include "sound/sound_controller.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

TCloseSave SaveAtClose(const QString& settingsFileName, TSettingsRecord& live, const TSettingsRecord& snapshot,
                       TSettingsRecord& onDisk, int32_t myShowHidden, bool audioMode,
                       const std::optional<QStringList>& knownShows, const QString& showListPath,
                       const std::function<void(TSettingsRecord&)>& afterMerge)
{
    TCloseSave result;
    onDisk = snapshot;
    result.DiskRead = ReadSettingsFile(settingsFileName, onDisk).ok();
    if (!result.DiskRead)
        onDisk = snapshot;
    MergeSettings(live, snapshot, onDisk);
    live.RunningMarker = 0;
    if (!audioMode && knownShows) {
        QStringList paths = *knownShows;
        result.ShowList = WriteKnownShows(showListPath, paths);
        result.ShowListWritten = result.ShowList.ok();
    }
    live.MyShowHidden = myShowHidden;
    if (afterMerge)
        afterMerge(live);
    result.Settings = WriteSettingsFile(settingsFileName, live);
    return result;
}

QStringList CloseSaveFailureTexts(const TCloseSave& saved, const QString& settingsFileName,
                                  const QString& showListPath)
{
    const auto reason = [](const platform::RecordResult& r) { return r.Reason.isEmpty() ? r.Message : r.Reason; };
    QStringList texts;
    if (!saved.Settings.ok())
        texts << QStringLiteral("Vistamo! : The settings could not be saved to ") + settingsFileName
                     + QStringLiteral(": ") + reason(saved.Settings);
    if (!saved.ShowList.ok())
        texts << QStringLiteral("Vistamo! : The list of MyShow files could not be saved to ") + showListPath
                     + QStringLiteral(": ") + reason(saved.ShowList);
    return texts;
}

std::optional<QStringList> KnownShowsOfManager(const ShowManagerWindow* Form16)
{
    if (!Form16 || !Form16->ListRefusal().isEmpty())
        return std::nullopt;
    return Form16->KnownShows();
}

QString KnownShowsLeftMessage(const ShowManagerWindow* Form16, const QString& showListPath)
{
    if (!Form16 || Form16->ListRefusal().isEmpty())
        return QString();
    return KnownShowsLeftText(showListPath, Form16->ListRefusal());
}

CloseController::CloseController(QWidget& window, ProgramState& state, OpenShow& openShow,
                                 const SoundController& sound, const SlideShowController& slideShow,
                                 const ExternalProgramsController& externalPrograms,
                                 const QPointer<ShowManagerWindow>& showManager)
    : m_window(window), m_state(state), m_openShow(openShow), m_sound(sound), m_slideShow(slideShow),
      m_externalPrograms(externalPrograms), m_showManager(showManager)
{
}

void CloseController::WriteAllMyShowList(const QString& OldPrefix, const QString& NewPrefix, int PrefixLength, bool Replace)
{
    ShowManagerWindow* const Form16 = m_showManager;
    // A file that could not be read is not rewritten from a list that lacks its shows.
    if (const QString left = KnownShowsLeftMessage(Form16, m_state.paths.ShowListPath); !left.isEmpty()) {
        platform::showMessage(platform::PromptKind::Warning, left);
        return;
    }
    auto shows = KnownShowsOfManager(Form16);
    if (!shows)
        return;
    QStringList paths = *shows;
    WriteKnownShows(m_state.paths.ShowListPath, paths, OldPrefix, NewPrefix, PrefixLength, Replace);
    // The manager lists the renamed paths too.
    if (Replace && Form16 && paths != *shows) {
        for (const QString& old : *shows)
            Form16->RemoveKnownShow(old);
        for (const QString& path : paths)
            Form16->AddKnownShow(path);
    }
}

bool CloseController::FormClose()
{
    m_closeWaitsForShowEnd = false;
    if (CloseDone)
        return true;
    // Network folders are ordinary mounts: MappedDrive stays empty and there
    // is nothing to disconnect.
    if (!m_state.environment.MappedDrive.isEmpty())
        CancelNetworkDrive(m_state.environment.MappedDrive);

    // Pictures waiting for the uploader would be lost.
    if (!state().start.DemoMode && !clearUploadFolder())
        return false;

    // The music.
    if (m_sound.fadeTimer()->isActive())
        emit MusicStopRequested();

    // During a show: stop it; ending the show closes the window again.
    if (m_state.session.PlaybackActive == 1) {
        if (!m_slideShow.InManualMode())
            emit ShowPauseRequested();
        m_state.session.CloseAfterShowPending = 1;
        m_closeWaitsForShowEnd = true;
        emit ShowStopRequested();
        return false;
    }

    // A start with an argument or a demo start saves nothing.
    if (state().start.ArgumentMode && !state().start.DemoMode)
        DeleteRunMarker(m_state.paths, m_state.start.AudioMode != 0);
    if (state().start.DemoMode || state().start.ArgumentMode) {
        CloseDone = true;
        return true;
    }

    // The close has passed its refusals.
    ClosingDown = 1;

    closeOpenShow();
    saveSettingsAndShows();
    DeleteRunMarker(m_state.paths, m_state.start.AudioMode != 0);
    CloseDone = true;
    return true;
}

bool CloseController::clearUploadFolder()
{
    const QString pending = UploadPendingMessage(state().settings.AddSettings.UploaderPath,
                                                 m_state.paths.MailTempFolder);
    if (!pending.isEmpty()) {
        platform::showMessage(platform::PromptKind::Information, pending);
        return false;
    }
    if (!m_state.paths.MailTempFolder.isEmpty() && QFileInfo(m_state.paths.MailTempFolder).isDir()) {
        QDir mail(m_state.paths.MailTempFolder);
        for (const QFileInfo& entry : mail.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
            if (entry.isDir() && !entry.isSymLink())
                QDir(entry.filePath()).removeRecursively();
            else
                QFile::remove(entry.filePath());
        }
    }
    return true;
}

void CloseController::closeOpenShow()
{
    // The open show's changes.
    if (!state().start.AudioMode) {
        if (m_openShow.NamedShowOpen != 1) {
            emit DraftShowKeepRequested();
        } else {
            emit ChangesQuestionRequested();
            CloseOpenShow(m_openShow);
        }
    }
    // An outside program started from here still runs: the close goes on,
    // and the program ends once that program's wait loop hands control back
    // to the event loop (the quit below waits for it).
    if (m_externalPrograms.ExternalProcessRunning == 1)
        platform::showMessage(platform::PromptKind::Information,
                              QStringLiteral("Vistamo! will be closed as soon the called external program is closed"));
}

void CloseController::saveSettingsAndShows()
{
    TSettingsRecord& Settings = state().settings.Settings;
    // The save: settings and the list of known shows, each in one safe
    // write. The marker goes whatever happens.
    // The MyShow panel's state is kept in Settings.MyShowHidden while the
    // program runs; it is this window's state, not a merged one.
    const int32_t panelHidden = Settings.MyShowHidden == 1 ? 1 : 0;
    // The full-screen control panel's place is taken after the merge: it is
    // this window's own.
    SettingsStore& store = state().settings;
    const TCloseSave saved = SaveAtClose(m_state.paths.SettingsFileName, Settings, store.SettingsSnapshot,
                                         store.SettingsOnDisk, panelHidden, state().start.AudioMode != 0,
                                         KnownShowsOfManager(m_showManager), m_state.paths.ShowListPath,
                                         [this](TSettingsRecord&) { emit ControlPanelPositionRequested(); });
    // A list of known shows that could not be read was left as it is; a
    // failed save is said, with the file and the reason; the close goes on.
    if (!state().start.AudioMode)
        if (const QString left = KnownShowsLeftMessage(m_showManager, m_state.paths.ShowListPath); !left.isEmpty())
            platform::showMessage(platform::PromptKind::Warning, left);
    for (const QString& text : CloseSaveFailureTexts(saved, m_state.paths.SettingsFileName, m_state.paths.ShowListPath))
        platform::showMessage(platform::PromptKind::Error, text);
}

void CloseController::CloseRequested(QCloseEvent* event)
{
    if (CloseWithoutSaving || FormClose()) {
        event->accept();
        // The main window's close ends the program, whatever other windows
        // are open.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
    } else if (m_closeForSignal && !m_closeWaitsForShowEnd) {
        // Refused, and nothing would close the window later: a signal's
        // close still ends the program, without the save.
        DeleteRunMarker(m_state.paths, m_state.start.AudioMode != 0);
        CloseWithoutSaving = true;
        event->accept();
        QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
    } else {
        event->ignore();
    }
}

void CloseController::CloseForSignal()
{
    m_closeForSignal = true;
    m_window.close();
}
