// `ShowLauncherDialog`, the instant slide-show launcher: offered for a folder or a show
// file given on the command line. Play (OK) plays it, Cancel ends the
// program, Ignore opens it in the normal window. Its choices are kept in
// "RCSettings.dat".
#pragma once

#include "base/rc_settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

constexpr int LauncherPlay = 1;     // OK
constexpr int LauncherEnd = 2;      // Cancel
constexpr int LauncherNormal = 5;   // Ignore

// The window whose objectName is "Form34".
class ShowLauncherDialog : public QDialog {
    Q_OBJECT
public:
    ShowLauncherDialog(const QString& argument, const QString& rcSettingsPath, QWidget* parent = nullptr);

    QLabel* ArgumentLabel = nullptr;
    QCheckBox* SubfoldersCB = nullptr;
    QCheckBox* VoiceCB = nullptr;
    QCheckBox* PlaylistCB = nullptr;
    QCheckBox* FadeCB = nullptr;
    QCheckBox* LoopCB = nullptr;
    QComboBox* PlayOrderCB = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* IgnoreButton = nullptr;

    // The choices as the window shows them.
    TRCSettingsRecord Choices() const;

    // Shows the window modally (through the prompt seam when headless) and
    // returns 1, 2 or 5; closing the window counts as Cancel. On Play the
    // choices are written back to the settings file.
    int Run();

private:
    QString argument_;
    QString rcSettingsPath_;
    TRCSettingsRecord record_;
};
