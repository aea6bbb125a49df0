// MainWindow's picture and folder operations: made when the window is first
// shown over the window's tree and status panel (they take the items they
// serve by objectName); what they ask for is connected to the other sections.
#include "app/main_window.h"
#include "browse/picture_display_section.h"
#include "browse/file_ops_controller.h"
#include "browse/folder_tree_section.h"
#include "browse/list_menus_section.h"
#include "browse/thumbnail_page_section.h"
#include "shows/show_sync.h"
#include "shows/show_windows.h"
#include "shows/my_show_controller.h"
#include "sound/sound_controller.h"
#include "sound/voice_file_window.h"

#include <QEvent>
#include <functional>
#include <QLabel>

namespace {

// Renames and deletions keep the shows of the window's MyShow manager in
// step, show their progress in the status bar and have the open show's list
// read again.
ShowSyncSteps showSyncSteps(MainWindow* form)
{
    ShowSyncSteps steps;
    steps.knownShows = [form] { return form->showManager() ? form->showManager()->KnownShows() : QStringList(); };
    steps.showStatus = [form](const QString& text) {
        form->statusPanels()->setPanelText(1, text);
    };
    steps.showFileRewritten = [form] { form->myShow()->ReadMyShowFile(); };
    return steps;
}

// A picture's voice file goes along with it: asked through the "Voice file
// detected (.wav)" window, and the shows kept in step.
VoiceCarrySteps voiceCarrySteps(MainWindow* form)
{
    VoiceCarrySteps voice;
    voice.askDelete = [form](const QString& voicePath) -> platform::PromptAnswer {
        switch (AskVoiceFileAction(form->sound()->session(), voicePath, form)) {
        case VoiceAnswerDelete: return platform::PromptAnswer::Yes;
        case VoiceAnswerAlways: return platform::PromptAnswer::All;
        case VoiceAnswerNever: return platform::PromptAnswer::NoToAll;
        default: return platform::PromptAnswer::No;
        }
    };
    voice.syncShowsAfterRename = [form](const QString& oldPath, const QString& newPath) {
        SyncShowsAfterRename(form->openShow(), showSyncSteps(form), oldPath, newPath);
    };
    voice.syncShowsAfterDelete = [form](const QString& path) { SyncShowsAfterDelete(form->openShow(), showSyncSteps(form), path); };
    return voice;
}

} // namespace

void MainWindow::MakeFileOperations()
{
    FileOperationsController* fileOps = FileOperationsController::Create(
        {.Window = this, .TreeView1 = treeView(), .StatusPanel1 = statusPanels()->panel1()},
        {*folderTree(), PictureDisplaySect->displayState(), openShow(), *ThumbnailPageSect,
         [this] { return m_slideShow->InManualMode(); }},
        m_state.settings, m_state.paths, m_state.environment, m_state.session);
    fileOps->SetShowView(showView());
    fileOps->SetShowManager(showManager());
    ConnectFileOperations(fileOps);
    fileOps->SetShowSyncSteps(showSyncSteps(this));
    fileOps->SetVoiceCarrySteps(voiceCarrySteps(this));
    // A picture changed during a folder show opens the folder again at its end.
    m_slideShow->SetFileOperations(fileOps);
}

void MainWindow::ConnectFileOperations(FileOperationsController* fileOps)
{
    using F = FileOperationsController;
    FolderTreeSection* tree = FolderTreeSect;
    connect(fileOps, &F::folderOpenWanted, tree, &FolderTreeSection::OpenFolderOrShow);
    connect(fileOps, &F::folderRefreshWanted, tree, &FolderTreeSection::RefreshSelectedFolder);
    connect(fileOps, &F::folderCaptionWanted, tree, &FolderTreeSection::UpdateFolderCaption);
    connect(fileOps, &F::exclusionsReloadWanted, tree, &FolderTreeSection::LoadFolderExclusions);
    SlideShowController* show = m_slideShow.get();
    connect(fileOps, &F::pauseWanted, show, &SlideShowController::PauseShow);
    connect(fileOps, &F::showEndWanted, show, &SlideShowController::EndShow);
    connect(fileOps, &F::pictureStatusWanted, PictureDisplaySect, &PictureDisplaySection::UpdatePictureStatus);
    connect(fileOps, &F::voiceReleaseWanted, m_sound.get(), &SoundController::ReleaseVoiceFile);
    connect(fileOps, &F::pictureReductionWanted, this, &MainWindow::ReducePictureSize);
    connect(fileOps, &F::keyboardHookRemovalWanted, m_input, &InputController::FormDestroy);
    connect(fileOps, &F::keyboardHookWanted, m_input, &InputController::InstallKeyboardHook);
    connect(fileOps, &F::onlineHelpWanted, m_helpAndVersion, &HelpAndVersionController::VXOnlineHelpClick);
    ListMenusSection* lists = ListMenusSect;
    connect(fileOps, &F::recentRemovalWanted, lists, &ListMenusSection::RemoveFromRecent);
    connect(fileOps, &F::favoriteRemovalWanted, lists, &ListMenusSection::RemoveFromFavorites);
    connect(fileOps, &F::historyRemovalWanted, lists, &ListMenusSection::RemoveFromHistory);
    connect(fileOps, &F::recentMenuWanted, lists, &ListMenusSection::BuildRecentMenu);
    connect(fileOps, &F::historyMenuWanted, lists, &ListMenusSection::BuildHistoryMenu);
    connect(fileOps, &F::favoritesMenuWanted, lists, &ListMenusSection::BuildFavoritesMenu);
    connect(fileOps, &F::showListReloadWanted, this, [this] { m_myShow->ReadMyShowFile(); });
    connect(fileOps, &F::draftShowWanted, this, [this] { m_myShow->MyShowDraftClick(); });
    connect(fileOps, &F::knownShowsRewriteWanted, this,
            [this](const QString& oldPrefix, const QString& newPrefix, int prefixLength, bool replace) {
                m_close->WriteAllMyShowList(oldPrefix, newPrefix, prefixLength, replace);
            });
}
