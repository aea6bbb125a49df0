// The command-line argument, acted on once the windows exist.
#include "base/data_folder.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "app/tform1.h"
#include "browse/folder_tree_state.h"
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
    LoadFolderExclusions();
    if (Form20) {
        const QString name = QFileInfo(SelectedFolder).fileName();
        Form20->FolderLabel->setText(name.isEmpty() ? SelectedFolder : name);
    }
    CollectPurpose = QStringLiteral("FolderToCD");
    ShowAddAllDialog();
}

void TForm1::DispatchStartArgument()
{
    if (DemoMode)
        return;  // the automatic show window takes over
    if (AudioMode) {
        DefPlaylistClick();
        return;
    }
    if (ArgumentMode && ShowFileArgument) {
        const QString showFile = StartArgument;
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
            OpenNormally = 1;
            break;
        default:
            break;
        }
        if (OpenNormally == 1)
            OpenArgumentNormally(true);
        return;
    }
    if (ArgumentMode) {
        // A drive root stays its mount point: the tree opens the drive.
        SelectedFolder = StartArgument;
        FolderToOpen = StartArgument.left(200);
        Timer1->stop();
        AutoFolderToCDClick();
        if (OpenNormally == 1)
            OpenArgumentNormally(false);
        return;
    }
    // A normal start: the tree was opened at the start-up folder while the
    // window was made; the Draft show opens.
    MyShowDraftClick();
}

void TForm1::OpenArgumentNormally(bool showFileGiven)
{
    // The data files were opened read only for the argument; the normal
    // window writes them again (the folder exclusions among them).
    SetFileMode(FileModeReadWrite, true);
    setEnabled(true);
    show();
    ArgumentMode = 0;
    ShowFileArgument = 0;
    if (!Form16)
        Form16 = new TForm16(m_state.paths.ShowListPath);
    OpenFolderOrShow();
    if (showFileGiven && QFileInfo(StartArgument).fileName().toLower() != QLatin1String("vistamo.vxt"))
        LoadMyShowClick(StartArgument);
    else
        MyShowDraftClick();
}

void TForm1::OfferMonthlySuggestion()
{
    if (DemoMode || AudioMode || ArgumentMode || !ShouldSuggestUpdate())
        return;
    // Marked first: answering No also counts for this month.
    MarkSuggestionMonth();
    TForm32 suggestion(m_state.environment, this);
    using platform::PromptAnswer;
    const int result = ExecModalWindow(suggestion, QStringLiteral("Check for Update/New version?"),
                                       {{PromptAnswer::Yes, 1, QStringLiteral("&Yes")},
                                        {PromptAnswer::No, 2, QStringLiteral("&No")}},
                                       2);
    if (result == 1)
        m_helpAndVersion->CheckforupdateClick();
}
