// MainWindow's side of the Options menu: the wiring of its controller and
// what the options dialog's Apply changes in the window.
#include "app/main_window.h"
#include "platform/designed_widgets.h"
#include "browse/list_menus_section.h"

#include "app/options_controller.h"
#include "browse/fit_zoom_section.h"
#include "app/options_dialog_logic.h"
#include "browse/external_programs_controller.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"
#include "browse/preview_panel.h"
#include "browse/selection_status.h"
#include "shows/show_windows.h"
#include "slideshow/show_window.h"
#include "platform/icons.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>

// The Options menu is measured when it opens; while the options dialog
// shows, the idle timer is off and the keyboard hook removed; Apply reaches
// the window, the fitting of the shown picture and the list menus.
void MainWindow::ConnectOptions()
{
    OptionsController* const options = m_options;
    connect(options, &OptionsController::MenuOpened, this, [this] { m_menus->MeasureMenuWidth(7); });
    connect(options, &OptionsController::DialogOpening, m_input, &InputController::StopIdleTimer);
    connect(options, &OptionsController::DialogOpening, m_input, &InputController::FormDestroy);
    connect(options, &OptionsController::DialogEnded, m_input, &InputController::InstallKeyboardHook);
    connect(options, &OptionsController::EditCommandsEnabled, this, &MainWindow::EnableEditCommands);
    connect(options, &OptionsController::ShowWindowEditButtonEnabled, this, &MainWindow::EnableShowWindowEditButton);
    connect(options, &OptionsController::EnlargeLimitChanged, this, [this] { fitZoom()->SizePictureToDisplay(false); });
    connect(options, &OptionsController::OptionsStored, this, &MainWindow::RefreshAfterOptions);
    connect(options, &OptionsController::AppliedAndClosed, this, &MainWindow::OptionsDialogClosed);
    // The favourites and recent lists' maintenance window rebuilds this
    // window's menu of the list it stored.
    connect(options, &OptionsController::ListApplied, this, [this](bool favorites) {
        if (favorites)
            ListMenusSect->BuildFavoritesMenu();
        else
            ListMenusSect->BuildRecentMenu();
    });
}

void MainWindow::EnableEditCommands(bool on)
{
    if (QAction* edit = actionNamed("RunExeToolButton"))
        edit->setEnabled(on);
    if (QMenu* launch = platform::MenuNamed(*this, "LaunchEditProgram1"))
        launch->setEnabled(on);
}

void MainWindow::EnableShowWindowEditButton(bool on)
{
    if (m_showWindow)
        m_showWindow->SetEditButtonEnabled(on);
}

bool MainWindow::PictureTextWindowShown() const
{
    return m_pictureTextWindow && m_pictureTextWindow->isVisible();
}

void MainWindow::RefreshAfterOptions()
{
    TSettingsRecord& Settings = state().settings.Settings;
    externalPrograms()->BuildLaunchMenu();
    externalPrograms()->BuildLaunchButtons();
    if (QAction* editShown = actionNamed("RunExeMyShowTB")) {
        const bool listed = showList()->grid()->rowCount() > 0;
        const bool hidden = m_showPreview->message() != PreviewPanel::Message::FileNotExist;
        editShown->setEnabled(hidden && listed && !Settings.EditPrograms[0].isEmpty()
                              && EditProgramAcceptable(Settings.EditPrograms[0]));
    }
    const QString video = Settings.VideoPrograms[0];
    platform::ReplaceImageListIcon(platform::ImageListId::ImageList1, 22,
                                   video.isEmpty() ? QIcon() : platform::ProgramIcon(video));
    externalPrograms()->LoadVideoProgramIcons();
    m_browsePreview->setPlayOrder(Settings.PlayOrder);
}

void MainWindow::OptionsDialogClosed()
{
    layouts()->UpdateHintsButton();
    FolderTreeSect->RefreshTreeImages();
    // The main window takes the focus back (its keyboard hook leaves it
    // alone in argument mode).
    if (!state().start.ArgumentMode)
        setFocus(Qt::OtherFocusReason);
}
