// Closing the main window: its refusals, the open show's changes, the
// settings merge and save, and the list of known shows. The main window owns
// the controller, hands its close event to it and connects what the close
// asks of the other parts at each point to the part that does it.
#pragma once

#include "base/settings_record.h"
#include "platform/record_file.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

class ExternalProgramsController;
class QCloseEvent;
class QWidget;
class ShowManagerWindow;
class SlideShowController;
class SoundController;
struct OpenShow;
struct ProgramState;

struct TCloseSave {
    bool DiskRead = false;          // the settings file on disk was read for the merge
    platform::RecordResult Settings;  // writing the settings file
    bool ShowListWritten = false;   // "AllMyShow.dat" was rewritten
    platform::RecordResult ShowList;  // writing it
};

// The save of a normal close, each file in its own safe write:
//  - the settings file is read again into `onDisk`; when it cannot be read,
//    the start-up copy `snapshot` stands in for it, so the save still happens;
//  - `live` is merged field by field (a field this instance did not change
//    takes the value on disk);
//  - `RunningMarker` 0 and `MyShowHidden` are set, `afterMerge` (when given)
//    sets the fields that are this window's own, and `live` is written;
//  - unless `audioMode`, the known shows are written to `showListPath` when
//    `knownShows` is given (without them the file stays as it is).
TCloseSave SaveAtClose(const QString& settingsFileName, TSettingsRecord& live, const TSettingsRecord& snapshot,
                       TSettingsRecord& onDisk, int32_t myShowHidden, bool audioMode,
                       const std::optional<QStringList>& knownShows, const QString& showListPath,
                       const std::function<void(TSettingsRecord&)>& afterMerge = {});

// The messages for the files the close could not write, each naming the file
// and the system's reason; empty when everything was saved.
QStringList CloseSaveFailureTexts(const TCloseSave& saved, const QString& settingsFileName,
                                  const QString& showListPath);

// The known shows as the MyShow manager `Form16` lists them, or nothing when
// that window does not exist or could not read the file of known shows (the
// file is then left as it is).
std::optional<QStringList> KnownShowsOfManager(const ShowManagerWindow* Form16);
// The message that the file of known shows is left as it is because the
// manager could not read it; empty when it was read whole.
QString KnownShowsLeftMessage(const ShowManagerWindow* Form16, const QString& showListPath);

class CloseController : public QObject {
    Q_OBJECT
public:
    // The close asks `sound` whether the music fades, `slideShow` whether
    // the show plays by hand and `externalPrograms` whether a program
    // started from here still runs; it closes `openShow` and writes the
    // shows `showManager` lists (the manager may be null).
    CloseController(QWidget& window, ProgramState& state, OpenShow& openShow, const SoundController& sound,
                    const SlideShowController& slideShow, const ExternalProgramsController& externalPrograms,
                    const QPointer<ShowManagerWindow>& showManager);

    // The program's state the close saves.
    ProgramState& state() const { return m_state; }

    // The close handler: false when the close is refused or put off.
    bool FormClose();
    // The main window's close event: accepted (and the program ends) when
    // the close may go on, else ignored.
    void CloseRequested(QCloseEvent* event);
    // The close a signal (SIGTERM, SIGINT) asks for: the user's own close.
    // During a show it waits for the show's end, then saves; a close refused
    // while nothing would close the window later (pictures waiting for the
    // uploader) still ends the program, without the save.
    void CloseForSignal();
    // Rewrites "AllMyShow.dat" from the list of known shows; with `Replace`
    // paths under a renamed folder are rewritten first.
    void WriteAllMyShowList(const QString& OldPrefix, const QString& NewPrefix, int PrefixLength, bool Replace);

    // Lets the program close without the close handler (after a refusal).
    bool CloseWithoutSaving = false;
    // Set once the close has run its save (the window may close).
    bool CloseDone = false;
    // 1 once the close has passed its refusals.
    uint8_t ClosingDown = 0;

signals:
    // What FormClose asks of the other parts, in the order it asks: the
    // music stops; a running show pauses (unless stepped by hand) and
    // stops; the Draft show keeps its changes, or the user is asked about
    // the named show's; the full-screen control panel's place is taken
    // after the settings merge.
    void MusicStopRequested();
    void ShowPauseRequested();
    void ShowStopRequested();
    void DraftShowKeepRequested();
    void ChangesQuestionRequested();
    void ControlPanelPositionRequested();

private:
    // The parts of FormClose, in the order it runs them.
    // False while pictures wait for the uploader (the close is refused);
    // else the uploader's temporary folder is emptied.
    bool clearUploadFolder();
    // The open show's changes kept or asked for.
    void closeOpenShow();
    // The settings and the list of known shows, each in one safe write.
    void saveSettingsAndShows();

    QWidget& m_window;
    ProgramState& m_state;
    OpenShow& m_openShow;
    const SoundController& m_sound;
    const SlideShowController& m_slideShow;
    const ExternalProgramsController& m_externalPrograms;
    const QPointer<ShowManagerWindow>& m_showManager;
    // A signal asked for the close.
    bool m_closeForSignal = false;
    // The last FormClose put the close off until the show's end.
    bool m_closeWaitsForShowEnd = false;
};
