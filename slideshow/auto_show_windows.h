// The automatic show: `Form13`, the window of a demo start (play the show or
// end), and `Form2`, the replay window the idle timer shows (a count-down
// from 5, then the last show plays again unless cancelled).
#pragma once

#include "base/settings_record.h"
#include "slideshow/automatic_show_host.h"

#include <QDialog>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;
struct DataPaths;
struct ProgramState;

// The pictures of the automatic show's source (`AutoShowPath`): the pictures
// of a show file, or of a folder under the automatic-show options.
// `records`, when given, gets each picture's record number in a show file.
QStringList AutomaticShowPictures(const DataPaths& paths, FolderExclusionState& exclusions,
                                  const QString& autoShowPath, const TSettingsRecord& settings, bool demoMode,
                                  QList<int>* records = nullptr);

// Plays the automatic show in `host`'s full-screen window; false (and
// nothing shown) when its source holds no picture. `state` gives the
// automatic show's settings, the show session, the data paths and the start.
bool PlayAutomaticShow(AutomaticShowHost* host, ProgramState& state);

// The window whose objectName is "Form13".
class AutoShowOfferWindow : public QWidget {
    Q_OBJECT
public:
    AutoShowOfferWindow(AutomaticShowHost* form, ProgramState& state, QWidget* parent = nullptr);
    QLabel* TitleLabel = nullptr;
    QPushButton* PictureShowButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    AutomaticShowHost* form_;
    ProgramState& state_;
};

// The window whose objectName is "Form2".
class AutoShowCountdownWindow : public QWidget {
    Q_OBJECT
public:
    AutoShowCountdownWindow(AutomaticShowHost* form, ProgramState& state, QWidget* parent = nullptr);
    QLabel* CountLabel = nullptr;
    QPushButton* CancelButton = nullptr;
    QTimer* CountTimer = nullptr;

    // Counts down from 5 (the window shows itself).
    void StartCountdown();
    void CancelCountdown();
    // One second of the count-down (the timer's tick).
    void Tick();

private:
    AutomaticShowHost* form_;
    ProgramState& state_;
    int remaining_ = 5;
};
