// The command-line argument, acted on once the windows exist.
#include "base/data_folder.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "app/startup_controller.h"
#include "base/program_state.h"
#include "shows/show_file.h"
#include "browse/folder_tree_widget.h"
#include "platform/record_file.h"
#include "shows/show_windows.h"
#include "slideshow/launcher_window.h"
#include "slideshow/modal_window.h"
#include "app/version_check.h"
#include "app/version_check_windows.h"

#include <QFileInfo>
#include <QLabel>
#include <QTimer>

void StartupController::AutoFolderToCDClick()
{
    FolderPictureChooser* const Form20 = m_folderPictureWindow;
    emit FolderExclusionsRequested();
    if (Form20)
        Form20->SetFolder(m_folderTree.SelectedFolder);
    m_openShow.CollectPurpose = QStringLiteral("FolderToCD");
    emit AddAllDialogRequested();
}

void StartupController::DispatchStartArgument()
{
    if (state().start.DemoMode)
        return;  // the automatic show window takes over
    if (state().start.AudioMode) {
        emit DefaultPlaylistRequested();
        return;
    }
    if (state().start.ArgumentMode && state().start.ShowFileArgument) {
        const QString showFile = state().start.StartArgument;
        ShowLauncherDialog launcher(showFile, m_state.paths.RCSettingsPath, &m_window);
        switch (launcher.Run()) {
        case LauncherPlay:
            state().settings.Settings.AutoShowPath = showFile.left(200);
            emit ShowStartRequested();
            break;
        case LauncherEnd:
            QTimer::singleShot(0, &m_window, [this] { m_window.close(); });
            break;
        case LauncherNormal:
            state().start.OpenNormally = 1;
            break;
        default:
            break;
        }
        if (state().start.OpenNormally == 1)
            OpenArgumentNormally(true);
        return;
    }
    if (state().start.ArgumentMode) {
        // A drive root stays its mount point: the tree opens the drive.
        m_folderTree.SelectedFolder = state().start.StartArgument;
        m_folderTree.FolderToOpen = state().start.StartArgument.left(200);
        m_widgets.Timer1->stop();
        AutoFolderToCDClick();
        if (state().start.OpenNormally == 1)
            OpenArgumentNormally(false);
        return;
    }
    // A normal start: the tree was opened at the start-up folder while the
    // window was made; the Draft show opens.
    emit DraftShowRequested();
}

void StartupController::OpenArgumentNormally(bool showFileGiven)
{
    // The data files were opened read only for the argument; the normal
    // window writes them again (the folder exclusions among them).
    SetFileMode(FileModeReadWrite);
    m_window.setEnabled(true);
    m_window.show();
    state().start.ArgumentMode = 0;
    state().start.ShowFileArgument = 0;
    if (!m_showManager)
        emit ShowManagerMade(new ShowManagerWindow(m_state.paths.ShowListPath));
    emit FolderOrShowRequested();
    if (showFileGiven && QFileInfo(state().start.StartArgument).fileName().toLower() != QLatin1String("vistamo.vxt"))
        emit ShowFileRequested(state().start.StartArgument);
    else
        emit DraftShowRequested();
}

void StartupController::OfferMonthlySuggestion()
{
    if (state().start.DemoMode || state().start.AudioMode || state().start.ArgumentMode
        || !ShouldSuggestUpdate(state().settings.Settings))
        return;
    // Marked first: answering No also counts for this month.
    MarkSuggestionMonth(state().settings.Settings);
    MonthlySuggestionDialog suggestion(state().settings.Settings, m_state.environment, &m_window);
    using platform::PromptAnswer;
    const int result = ExecModalWindow(suggestion, QStringLiteral("Check for Update/New version?"),
                                       {{PromptAnswer::Yes, 1, QStringLiteral("&Yes")},
                                        {PromptAnswer::No, 2, QStringLiteral("&No")}},
                                       2);
    if (result == 1)
        emit UpdateCheckRequested();
}
