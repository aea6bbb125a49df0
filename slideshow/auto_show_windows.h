// The automatic show: `Form13`, the window of a demo start (play the show or
// end), and `Form2`, the replay window the idle timer shows (a count-down
// from 5, then the last show plays again unless cancelled).
#pragma once

#include "base/settings_record.h"
#include "base/show_session.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
struct FolderExclusionState;
class QTimer;
struct DataPaths;
struct ProgramState;

// The pictures of the automatic show's source (`AutoShowPath`): the pictures
// of a show file, or of a folder under the automatic-show options.
// `records`, when given, gets each picture's record number in a show file.
QStringList AutomaticShowPictures(const DataPaths& paths, FolderExclusionState& exclusions,
                                  const QString& autoShowPath, const TSettingsRecord& settings, bool demoMode,
                                  QList<int>* records = nullptr);

// The automatic show begins: the session marks it running and takes its
// options, and its source's pictures are returned with each one's record
// number in `records` (else its position in the list). With no picture
// the show does not run and the list is empty. `state` gives the automatic
// show's settings, the show session, the data paths and the start;
// `exclusions` are the folder exclusions in force.
QStringList BeginAutomaticShow(ProgramState& state, FolderExclusionState& exclusions, QList<int>& records);

// The window whose objectName is "Form13".
class AutoShowOfferWindow : public QWidget {
    Q_OBJECT
public:
    // `window` is the main window, which Cancel closes; `exclusions` are the
    // folder exclusions in force.
    AutoShowOfferWindow(QWidget& window, FolderExclusionState& exclusions, ProgramState& state,
                        QWidget* parent = nullptr);
    QLabel* TitleLabel = nullptr;
    QPushButton* PictureShowButton = nullptr;
    QPushButton* CancelButton = nullptr;

signals:
    // The automatic show's pictures are to play full screen; `records` gives
    // each one's record number in the show file it came from.
    void PlayRequested(const QStringList& pictures, const QList<int>& records);

private:
    QWidget& window_;
    FolderExclusionState& exclusions_;
    ProgramState& state_;
};

// The window whose objectName is "Form2".
class AutoShowCountdownWindow : public QWidget {
    Q_OBJECT
public:
    // `window` is the main window, disabled while the count-down runs;
    // `exclusions` are the folder exclusions in force.
    AutoShowCountdownWindow(QWidget& window, FolderExclusionState& exclusions, ProgramState& state,
                            QWidget* parent = nullptr);
    QLabel* CountLabel = nullptr;
    QPushButton* CancelButton = nullptr;
    QTimer* CountTimer = nullptr;

    // Counts down from 5 (the window shows itself).
    void StartCountdown();
    void CancelCountdown();
    // One second of the count-down (the timer's tick).
    void Tick();

signals:
    // The count-down begins: the idle timer stops while it runs.
    void CountdownStarted();
    // The user cancelled the count-down: the idle time begins again now and
    // the idle timer stays off.
    void CountdownCancelled();
    // The automatic show's pictures are to play full screen; `records` gives
    // each one's record number in the show file it came from.
    void PlayRequested(const QStringList& pictures, const QList<int>& records);

private:
    QWidget& window_;
    FolderExclusionState& exclusions_;
    ProgramState& state_;
    int remaining_ = 5;
};
