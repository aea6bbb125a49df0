// MainWindow's side of the Options menu: the wiring of its controller when the
// window is first shown, and what the controller and the options dialog ask
// of the window.
#include "app/main_window.h"

#include "app/options_controller.h"
#include "app/options_dialog_logic.h"
#include "browse/external_programs_controller.h"
#include "browse/folder_tree_widget.h"
#include "browse/selection_status.h"
#include "shows/show_windows.h"
#include "slideshow/show_window.h"
#include "platform/icons.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>

namespace {

// Wires the concern when the main window is first shown.
class OptionsHandlersWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* form = qobject_cast<MainWindow*>(watched))
                form->options()->SetupOptionsHandlers();
        return false;
    }
};

void watchForOptionsHandlers()
{
    qApp->installEventFilter(new OptionsHandlersWatcher(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForOptionsHandlers)

void MainWindow::RemoveKeyboardHook()
{
    m_input->FormDestroy();
}

void MainWindow::RestoreKeyboardHook()
{
    InstallKeyboardHook();
}

void MainWindow::MeasureOptionsMenu()
{
    m_menus->MeasureMenuWidth(7);
}

QString MainWindow::selectedFolder() const
{
    return folderTree()->SelectedFolder;
}

void MainWindow::EnableEditCommands(bool on)
{
    if (toolBars().RunExeToolButton())
        toolBars().RunExeToolButton()->setEnabled(on);
    if (mainMenus().LaunchEditProgram1())
        mainMenus().LaunchEditProgram1()->setEnabled(on);
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

void MainWindow::RefitShownPicture()
{
    SizePictureToDisplay(false);
}

void MainWindow::RefreshAfterOptions()
{
    TSettingsRecord& Settings = state().settings.Settings;
    externalPrograms()->BuildLaunchMenu();
    externalPrograms()->BuildLaunchButtons();
    if (toolBars().RunExeMyShowTB()) {
        const bool listed = MyShowSG && MyShowSG->rowCount() > 0;
        const bool hidden = !FileNotExistLabel || FileNotExistLabel->isHidden();
        toolBars().RunExeMyShowTB()->setEnabled(hidden && listed && !Settings.EditPrograms[0].isEmpty()
                                   && EditProgramAcceptable(Settings.EditPrograms[0]));
    }
    const QString video = Settings.VideoPrograms[0];
    platform::ReplaceImageListIcon(platform::ImageListId::ImageList1, 22,
                                   video.isEmpty() ? QIcon() : platform::ProgramIcon(video));
    externalPrograms()->LoadVideoProgramIcons();
    if (FPlayorderCB)
        FPlayorderCB->setCurrentIndex(Settings.PlayOrder);
}

void MainWindow::OptionsDialogClosed()
{
    layouts()->UpdateHintsButton();
    RefreshTreeImages();
    // The main window takes the focus back (its keyboard hook leaves it
    // alone in argument mode).
    if (!state().start.ArgumentMode)
        setFocus(Qt::OtherFocusReason);
}

bool MainWindow::SecondMonitorSelected() const
{
    return state().session.UseMainMonitor == 0;
}
