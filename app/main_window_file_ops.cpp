// The FileOpsHost of the main window: the window's widgets and routines the
// picture and folder operations use.
#include "app/main_window.h"
#include "browse/picture_display_section.h"
#include "browse/file_ops_controller.h"
#include "browse/file_ops_host.h"
#include "browse/list_menus_section.h"
#include "browse/thumbnail_page_section.h"
#include "shows/show_sync.h"
#include "shows/show_windows.h"
#include "shows/my_show_controller.h"
#include "sound/sound_controller.h"
#include "sound/voice_file_window.h"

#include <QEvent>
#include <QLabel>

namespace {

class MainWindowFileOpsHost final : public FileOpsHost {
public:
    explicit MainWindowFileOpsHost(MainWindow* form) : m_form(form) {}

    PictureDisplayState& pictureDisplayState() const override { return m_form->pictureDisplay()->displayState(); }

    OpenShow& openShow() override { return m_form->openShow(); }
    FileOpsWidgets widgets() const override
    {
        MainWindow* f = m_form;
        FileOpsWidgets w;
        w.Window = f;
        w.TreeView1 = f->treeView();
        w.StatusPanel1 = f->statusPanels()->panel1();
        w.FolderOperations = f->mainMenus().FolderOperations();
        w.SaveToolButton = f->toolBars().SaveToolButton();
        w.SavePictureTo = f->mainMenus().SavePictureTo();
        w.Save = f->mainMenus().Save();
        w.MoveToolButton = f->toolBars().MoveToolButton();
        w.MovePictureTo = f->mainMenus().MovePictureTo();
        w.Move = f->mainMenus().Move();
        w.RecycleBinToolButton = f->toolBars().RecycleBinToolButton();
        w.SendRecycleBin = f->mainMenus().SendRecycleBin();
        w.RecycleBin = f->mainMenus().RecycleBin();
        w.RenamePictureToolButton = f->toolBars().RenamePictureToolButton();
        w.RenamePicture = f->mainMenus().RenamePicture();
        w.Rename = f->mainMenus().Rename();
        w.Backwards1ToolButton = f->toolBars().Backwards1ToolButton();
        w.PictureBackwards = f->mainMenus().PictureBackwards();
        w.Forward1ToolButton = f->toolBars().Forward1ToolButton();
        w.PictureForward = f->mainMenus().PictureForward();
        w.AddBookMark = f->mainMenus().AddBookMark();
        w.VXOnlineHelp = f->mainMenus().VXOnlineHelp();
        w.CreateFolderPop = f->mainMenus().CreateFolderPop();
        w.CreatenewFolder = f->mainMenus().CreatenewFolder();
        w.RenameFolderPop = f->mainMenus().RenameFolderPop();
        w.RenameFolder = f->mainMenus().RenameFolder();
        w.DeleteFolderPop = f->mainMenus().DeleteFolderPop();
        w.DeleteFolder1 = f->mainMenus().DeleteFolder1();
        w.EmptyFolderPop = f->mainMenus().EmptyFolderPop();
        w.EmptyFolder = f->mainMenus().EmptyFolder();
        w.HideSmall = f->mainMenus().HideSmall();
        w.WindowsExplorer1 = f->mainMenus().WindowsExplorer1();
        w.WindowsExplorer = f->mainMenus().WindowsExplorer();
        w.ExplorerTB = f->toolBars().ExplorerTB();
        w.MResetToEXIF = f->mainMenus().MResetToEXIF();
        w.MMakeSmall = f->mainMenus().MMakeSmall();
        w.Refresh = f->mainMenus().Refresh();
        w.Tarnivo = f->mainMenus().Tarnivo();
        return w;
    }
    ThumbnailPageController* PageView() const override { return m_form->thumbnailPage()->PageView; }
    bool PageShowRuns() const override { return m_form->thumbnailPage()->PageShowRuns(); }
    FolderTreeController* folderTree() override { return m_form->folderTree(); }

    QString GetNodePath(QTreeWidgetItem* node) override { return m_form->GetNodePath(node); }
    void OpenFolderOrShow() override { m_form->OpenFolderOrShow(); }
    void RefreshSelectedFolder() override { m_form->RefreshSelectedFolder(); }
    void UpdateFolderCaption() override { m_form->UpdateFolderCaption(); }
    void LoadFolderExclusions() override { m_form->LoadFolderExclusions(); }

    bool InManualMode() const override { return m_form->InManualMode(); }
    void PauseShow() override { m_form->PauseShow(); }
    void EndShow() override { m_form->slideShow()->EndShow(); }
    void UpdatePictureStatus() override { m_form->UpdatePictureStatus(); }
    void ReleaseVoiceFile(const QString& PicturePath) override { m_form->sound()->ReleaseVoiceFile(PicturePath); }
    bool ReducePictureSize(const QString& Source, const QString& Target, const QString& SlotName, bool FromPreview,
                           bool UseViewer, bool KeepDate, int SizeChoice, int Quality) override
    {
        return m_form->ReducePictureSize(Source, Target, SlotName, FromPreview, UseViewer, KeepDate, SizeChoice,
                                         Quality);
    }

    void FormDestroy() override { m_form->input()->FormDestroy(); }
    void InstallKeyboardHook() override { m_form->input()->InstallKeyboardHook(); }
    void VXOnlineHelpClick() override { m_form->helpAndVersion()->VXOnlineHelpClick(); }

    void RemoveFromRecent(const QString& path) override { m_form->listMenus()->RemoveFromRecent(path); }
    void RemoveFromFavorites(const QString& path) override { m_form->listMenus()->RemoveFromFavorites(path); }
    void RemoveFromHistory(const QString& path) override { m_form->listMenus()->RemoveFromHistory(path); }
    void BuildRecentMenu() override { m_form->BuildRecentMenu(); }
    void BuildHistoryMenu() override { m_form->BuildHistoryMenu(); }
    void BuildFavoritesMenu() override { m_form->BuildFavoritesMenu(); }
    void ReadMyShowFile() override { m_form->myShow()->ReadMyShowFile(); }
    void MyShowDraftClick() override { m_form->myShow()->MyShowDraftClick(); }
    void WriteAllMyShowList(const QString& OldPrefix, const QString& NewPrefix, int PrefixLength,
                            bool Replace) override
    {
        m_form->closing()->WriteAllMyShowList(OldPrefix, NewPrefix, PrefixLength, Replace);
    }
    ShowView* showView() const override { return m_form->showView(); }
    ShowManagerWindow* showManager() const override { return m_form->showManager(); }

private:
    MainWindow* m_form;
};

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

// Wires the window's operations when it is first shown.
class FileOpsWatcher : public QObject {
public:
    explicit FileOpsWatcher(MainWindow* form) : QObject(form), m_form(form) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_form && event->type() == QEvent::Show && !FileOperationsController::Of(m_form)) {
            FileOperationsController* fileOps = FileOperationsController::Create(
                std::make_unique<MainWindowFileOpsHost>(m_form), m_form->state().settings, m_form->state().paths,
                m_form->state().environment, m_form->state().session);
            fileOps->SetShowSyncSteps(showSyncSteps(m_form));
            fileOps->SetVoiceCarrySteps(voiceCarrySteps(m_form));
            // A picture changed during a folder show opens the folder again at its end.
            m_form->slideShow()->SetFileOperations(fileOps);
        }
        return false;
    }

private:
    MainWindow* m_form;
};

} // namespace

void MainWindow::InstallFileOperations()
{
    installEventFilter(new FileOpsWatcher(this));
}
