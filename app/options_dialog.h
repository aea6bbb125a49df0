// The options dialog OptionsDialog ("Vistamo! - Options"): thirteen pages of the
// lasting options. Each page (app/options_page_*.h) shows its fields of
// `Settings` and `AddSettings`, copies them back and checks them; the dialog
// holds the window, the tabs and the buttons, and on "&Apply" shows the
// first failed check or writes the values back (the settings record in
// memory only, the additional settings into their file at once) and puts
// the play options into effect. The rules live in app/options_dialog_logic.h.
#pragma once

#include "app/options_controls.h"
#include "app/options_dialog_logic.h"
#include "base/data_paths.h"
#include "base/environment_info.h"
#include "app/options_page_automatic_show.h"
#include "app/options_page_edit.h"
#include "app/options_page_full_screen.h"
#include "app/options_page_include.h"
#include "app/options_page_my_show.h"
#include "app/options_page_play.h"
#include "app/options_page_thumbnails.h"
#include "app/options_page_upload.h"
#include "app/options_page_video.h"
#include "app/options_pages_small.h"
#include "base/settings_store.h"
#include "base/show_session.h"

#include <QDialog>
#include <QList>
#include <QSize>

#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
struct StartContext;

// The options dialog's size (it fits an 800 x 600 screen).
extern const QSize OptionsDialogSize;

// The window whose objectName is "Form3".
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // `settings` holds the records the dialog shows and stores; `paths`
    // names the additional settings file the dialog writes; `environment`
    // gives the interface font, the colour scheme and the uploader found;
    // `start` decides whether the additional settings read again may be
    // repaired on disk; `session` the show that may run and the monitor it
    // uses. `pictureTextWindowShown` says whether the picture-text window of
    // MyShow is open (none: it is not). What Apply changes beyond the
    // settings the dialog says with its signals.
    OptionsDialog(SettingsStore& settings, const DataPaths& paths, const EnvironmentInfo& environment,
                  const StartContext& start, ShowSession& session, QWidget* parent = nullptr,
                  std::function<bool()> pictureTextWindowShown = {});

    QTabWidget* PageControl1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* PanelPicture = nullptr;   // the header picture over Panel2, made once shown
    // The pages, in tab order.
    IncludeOptionsPage* IncludeSheet = nullptr;
    PlayOptionsPage* PlaySheet = nullptr;
    FullScreenOptionsPage* FullScreenSheet = nullptr;
    EditProgramsOptionsPage* EditProgramsSheet = nullptr;
    AutomaticShowOptionsPage* AutomaticShowSheet = nullptr;
    MyShowOptionsPage* MyShowTextSheet = nullptr;
    VideoOptionsPage* VideoTextSheet = nullptr;
    UpdateOptionsPage* UpdateTab = nullptr;
    PlaylistOptionsPage* PlayListTS = nullptr;
    VoiceOptionsPage* VoiceTB = nullptr;
    ThumbnailsOptionsPage* TSMultSlideMode = nullptr;
    UploadOptionsPage* TbUpload = nullptr;
    SmallPicsOptionsPage* TBSmallPics = nullptr;
    // Controls of the pages that the dialog's users reach by name.
    RadioGroup* Intervalgroup = nullptr;
    QComboBox* ExtProgComboBox = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* RemoveEditProgram = nullptr;
    QCheckBox* NeverUseASCheckBox = nullptr;
    QCheckBox* HoldLastShowBox = nullptr;
    QLineEdit* SecondsWaitASEdit = nullptr;
    QLineEdit* EditASText1 = nullptr;
    QFrame* Bevel1 = nullptr;
    // Beside the pages.
    QPushButton* PictureOptionsDone = nullptr;
    QPushButton* CancelButton = nullptr;
    QTimer* TimerOnActivate = nullptr;
    QTimer* TimerAltKey = nullptr;

    // The values the pages show now, and loading them into the pages.
    TOptionsValues values() const;
    void setValues(const TOptionsValues& v);

    // Handlers.
    void FormActivate();
    void PictureOptionsDoneClick();
    void CancelButtonClick();
    void TimerOnActivateTimer();
    void TimerAltKeyTimer();

    // The page whose tab caption is `caption` (nullptr when none).
    QWidget* pageCaptioned(const QString& caption) const;
    // The last failed check of Apply (number 0 when it passed or none ran).
    TOptionsCheck LastCheck;

    // Closing the window (Escape, the frame's close box) is Cancel.
    void reject() override { CancelButtonClick(); }

signals:
    // What "&Apply" changes beyond the settings, in the order it happens.
    // The edit commands (the edit tool button and the launch menu) are on
    // or off.
    void EditCommandsEnabled(bool on);
    // The full-screen show window's edit button is on or off.
    void ShowWindowEditButtonEnabled(bool on);
    // The running show's enlargement limit changed while its picture is
    // shown: the shown picture is fitted again.
    void EnlargeLimitChanged();
    // The options are stored: the main window follows them (its launch
    // menu and buttons, the MyShow edit button, the video program's glyph
    // and icons and the play-order box).
    void OptionsStored();
    // The dialog has closed after Apply: the hints button, the tree's
    // images for the new type choice and the main window's focus follow.
    void AppliedAndClosed();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildPages();
    void styleTabs();
    QList<OptionsPage*> pages() const;
    // Both example colours (the background button's label and the MyShow
    // example label) show `colorValue`.
    void showExampleColors(int32_t colorValue);
    // The first failed check over all pages, `numbers` converted.
    TOptionsCheck checkPages(const TOptionsValues& v, TOptionsNumbers& numbers) const;
    void showFailedCheck(const TOptionsCheck& check);
    void applyEditCommands(const TOptionsValues& v, int32_t maxEnlarge);
    void applyAddSettings(TOptionsValues& v, const TOptionsNumbers& n);
    void applyPlayOptions(const TOptionsValues& v);
    void refreshMainWindow();
    SettingsStore& m_settings;
    const DataPaths& m_paths;
    const EnvironmentInfo& m_environment;
    const StartContext& m_start;
    std::function<bool()> m_pictureTextWindowShown;
    ShowSession& m_session;

    // The interval of the play options' choice when the dialog was activated
    // during a show.
    int32_t m_intervalAtActivation = 0;
};
