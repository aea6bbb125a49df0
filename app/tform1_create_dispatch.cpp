// The command-line argument, acted on once the windows exist.
#include "base/data_folder.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "app/tform1.h"
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

void TForm1::AutoFolderToCDClick()
{
    TForm20* const Form20 = m_folderPictureWindow;
    LoadFolderExclusions();
    if (Form20)
        Form20->SetFolder(folderTree()->SelectedFolder);
    m_openShow.CollectPurpose = QStringLiteral("FolderToCD");
    ShowAddAllDialog();
}

void TForm1::DispatchStartArgument()
{
    if (state().start.DemoMode)
        return;  // the automatic show window takes over
    if (state().start.AudioMode) {
        sound()->DefPlaylistClick();
        return;
    }
    if (state().start.ArgumentMode && state().start.ShowFileArgument) {
        const QString showFile = state().start.StartArgument;
        TForm34 launcher(showFile, m_state.paths.RCSettingsPath, this);
        switch (launcher.Run()) {
        case LauncherPlay:
            Settings.AutoShowPath = showFile.left(200);
            BuildAndStartShow();
            break;
        case LauncherEnd:
            QTimer::singleShot(0, this, [this] { close(); });
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
        folderTree()->SelectedFolder = state().start.StartArgument;
        folderTree()->FolderToOpen = state().start.StartArgument.left(200);
        Timer1->stop();
        AutoFolderToCDClick();
        if (state().start.OpenNormally == 1)
            OpenArgumentNormally(false);
        return;
    }
    // A normal start: the tree was opened at the start-up folder while the
    // window was made; the Draft show opens.
    myShow()->MyShowDraftClick();
}

void TForm1::OpenArgumentNormally(bool showFileGiven)
{
    // The data files were opened read only for the argument; the normal
    // window writes them again (the folder exclusions among them).
    SetFileMode(FileModeReadWrite, true);
    setEnabled(true);
    show();
    state().start.ArgumentMode = 0;
    state().start.ShowFileArgument = 0;
    if (!m_showManager) {
        m_showManager = new TForm16(m_state.paths.ShowListPath);
        m_windowsMadeHere << m_showManager.data();
    }
    OpenFolderOrShow();
    if (showFileGiven && QFileInfo(state().start.StartArgument).fileName().toLower() != QLatin1String("vistamo.vxt"))
        myShow()->LoadMyShowClick(state().start.StartArgument);
    else
        myShow()->MyShowDraftClick();
}

void TForm1::OfferMonthlySuggestion()
{
    if (state().start.DemoMode || state().start.AudioMode || state().start.ArgumentMode || !ShouldSuggestUpdate())
        return;
    // Marked first: answering No also counts for this month.
    MarkSuggestionMonth();
    TForm32 suggestion(this);
    using platform::PromptAnswer;
    const int result = ExecModalWindow(suggestion, QStringLiteral("Check for Update/New version?"),
                                       {{PromptAnswer::Yes, 1, QStringLiteral("&Yes")},
                                        {PromptAnswer::No, 2, QStringLiteral("&No")}},
                                       2);
    if (result == 1)
        m_helpAndVersion->CheckforupdateClick();
}
