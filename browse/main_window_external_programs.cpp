// MainWindow's external programs and wallpaper: makes the
// ExternalProgramsController with an ExternalProgramsHost over the window,
// and wires it when the window is first shown.
#include "app/main_window.h"
#include "browse/picture_display_section.h"

#include "browse/external_programs_controller.h"
#include "browse/external_programs_host.h"
#include "browse/thumbnail_files.h"
#include "shows/show_windows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>

namespace {

class MainWindowExternalProgramsHost final : public ExternalProgramsHost {
public:
    explicit MainWindowExternalProgramsHost(MainWindow* form) : m_form(form) {}

    PictureDisplayState& pictureDisplayState() const override { return m_form->pictureDisplay()->displayState(); }

    OpenShow& openShow() override { return m_form->openShow(); }
    ExternalProgramsWidgets widgets() const override
    {
        MainWindow* f = m_form;
        ExternalProgramsWidgets w;
        w.Window = f;
        w.MyShowSG = f->showList()->grid();
        w.TreeView1 = f->treeView();
        w.BrowsePreview = f->browsePreview();
        w.ShowPreview = f->showPreview();
        w.StatusPanel1 = f->statusPanels()->panel1();
        w.RunExeToolButton = f->toolBars().RunExeToolButton();
        w.RunExeMyShowTB = f->toolBars().RunExeMyShowTB();
        w.LaunchEditProgram1 = f->mainMenus().LaunchEditProgram1();
        w.LaunchItems = f->mainMenus().LaunchItems();
        w.RaunchItems = f->mainMenus().RaunchItems();
        w.VaunchItems = f->mainMenus().VaunchItems();
        w.TBRotateL = f->toolBars().TBRotateL();
        w.TBRotateR = f->toolBars().TBRotateR();
        w.MRotateL = f->mainMenus().MRotateL();
        w.MRotateR = f->mainMenus().MRotateR();
        w.RCRotateL = f->mainMenus().RCRotateL();
        w.RCRotateR = f->mainMenus().RCRotateR();
        w.Irfanview = f->mainMenus().Irfanview();
        w.TBTarnivo = f->toolBars().TBTarnivo();
        w.TarnivoPop = f->mainMenus().TarnivoPop();
        w.Tarnivo = f->mainMenus().Tarnivo();
        w.ResetToExifPop = f->mainMenus().ResetToExifPop();
        w.MResetToEXIF = f->mainMenus().MResetToEXIF();
        w.Wallpaper = f->mainMenus().Wallpaper();
        w.WallPaperFolder = f->mainMenus().WallPaperFolder();
        w.WallPaperMyShow = f->mainMenus().WallPaperMyShow();
        w.SetWalPaper = f->mainMenus().SetWalPaper();
        return w;
    }

    FolderTreeController* folderTree() override { return m_form->folderTree(); }
    void OpenFolderOrShow() override { m_form->OpenFolderOrShow(); }
    void RefreshSelectedFolder() override { m_form->RefreshSelectedFolder(); }
    void UpdateFolderCaption() override { m_form->UpdateFolderCaption(); }

    void PauseShow() override { m_form->PauseShow(); }
    void ReleaseVoiceFile() override { m_form->sound()->ReleaseVoiceFile(); }
    void DisplayCurrentPicture() override { m_form->DisplayCurrentPicture(); }
    void ShowPicturePreview(const QString& path) override { m_form->layouts()->ShowPicturePreview(path); }
    void SizePictureToDisplay(bool toggle) override { m_form->SizePictureToDisplay(toggle); }
    ShowView* showView() const override { return m_form->showView(); }
    FolderPictureChooser* folderPictureWindow() override
    {
        if (!m_form->folderPictureWindow())
            m_form->setFolderPictureWindow(new FolderPictureChooser(m_form));
        return m_form->folderPictureWindow();
    }

private:
    MainWindow* m_form;
};

// Wires the section when the main window is first shown.
class ExternalProgramsWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* form = qobject_cast<MainWindow*>(watched))
                if (form->externalPrograms())
                    form->externalPrograms()->SetupExternalPrograms();
        return false;
    }
};

void watchForExternalPrograms()
{
    qApp->installEventFilter(new ExternalProgramsWatcher(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForExternalPrograms)

void MainWindow::InstallExternalPrograms()
{
    // The thumbnails renewed after an edit take this window's thumbnail
    // options; their status shows in this window's status panel 0.
    const auto options = [this] { return CurrentThumbnailOptions(m_state.settings, m_state.start.DemoMode); };
    const auto status = [window = QPointer<MainWindow>(this)](const QString& text) {
        if (window && window->statusPanels())
            window->statusPanels()->setPanelText(0, text);
    };
    m_externalPrograms = new ExternalProgramsController(std::make_unique<MainWindowExternalProgramsHost>(this),
                                                        m_state.settings, m_state.paths, m_state.environment,
                                                        m_state.session, ThumbnailLoaderSteps(options, status));
}
