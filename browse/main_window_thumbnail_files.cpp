// MainWindow's picture information and thumbnail files: makes the
// PictureInfoController with a PictureInfoHost over the window, connects the
// picture loader's thumbnail and information steps to the slots and wires
// the controller when the window is first shown.
#include "app/main_window.h"
#include "browse/picture_display_section.h"

#include "browse/external_programs_controller.h"
#include "browse/picture_info_controller.h"
#include "browse/picture_info_host.h"
#include "browse/picture_loader.h"
#include "browse/thumbnail_files.h"
#include "shows/show_windows.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>

namespace {

// The status of thumbnail making, shown in the window's status panel 0
// while the window lasts.
ThumbnailStatus statusPanel0(MainWindow* form)
{
    return [window = QPointer<MainWindow>(form)](const QString& text) {
        if (window && window->statusPanels())
            window->statusPanels()->setPanelText(0, text);
    };
}

class MainWindowPictureInfoHost final : public PictureInfoHost {
public:
    explicit MainWindowPictureInfoHost(MainWindow* form) : m_form(form) {}

    PictureInfoWidgets widgets() const override
    {
        MainWindow* f = m_form;
        PictureInfoWidgets w;
        w.Window = f;
        w.TreeView1 = f->treeView();
        w.MyShowSG = f->showList()->grid();
        w.Timer1 = f->input()->idleTimer();
        w.TBMakeSmall = f->toolBars().TBMakeSmall();
        w.MMakeSmall = f->mainMenus().MMakeSmall();
        w.MakeSmall = f->mainMenus().MakeSmall();
        w.BrowsePreview = f->browsePreview();
        w.ShowPreview = f->showPreview();
        w.PictureToClipboard = f->mainMenus().PictureToClipboard();
        w.PathToClipboard = f->mainMenus().PathToClipboard();
        w.FileOperations = f->mainMenus().FileOperations();
        w.SavePictureTo = f->mainMenus().SavePictureTo();
        w.MovePictureTo = f->mainMenus().MovePictureTo();
        w.SendRecycleBin = f->mainMenus().SendRecycleBin();
        w.RenamePicture = f->mainMenus().RenamePicture();
        return w;
    }

    QRect designBound(const QString& name) const override { return m_form->layouts()->designBounds().value(name); }
    QRect previewDrawBounds() const override { return m_form->layouts()->layoutState().PreviewDrawBounds; }
    void SetCurrentPicturePath(const QString& path) override
    {
        m_form->pictureDisplay()->displayState().CurrentPicturePath = path;
    }

    void RefreshSelectedFolder() override { m_form->RefreshSelectedFolder(); }
    FolderTreeController* folderTree() override { return m_form->folderTree(); }
    bool tarnivoInstalled() const override { return m_form->externalPrograms()->TarnivoInstalled != 0; }
    QString GetNodePath(QTreeWidgetItem* node) override { return m_form->GetNodePath(node); }
    bool RecordingPlaying() const override { return m_form->sound()->session().RecordingPlaying != 0; }

    bool ShowManagerShown() const override { return m_form->showManager() && m_form->showManager()->isVisible(); }

private:
    MainWindow* m_form;
};

// Wires the section when a main window is first shown.
class ThumbnailFilesWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* form = qobject_cast<MainWindow*>(watched))
                if (form->pictureInfo())
                    form->pictureInfo()->SetupThumbnailFiles();
        return false;
    }
};

void startThumbnailFiles()
{
    qApp->installEventFilter(new ThumbnailFilesWatcher(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startThumbnailFiles)

void MainWindow::InstallPictureInfo()
{
    m_pictureInfo = new PictureInfoController(std::make_unique<MainWindowPictureInfoHost>(this), m_state.settings,
                                              m_state.paths, m_state.environment, m_state.start, m_state.session);
    // The browse preview's thumbnail status shows in this window.
    connect(m_pictureInfo, &PictureInfoController::thumbnailStatus, this, statusPanel0(this));
    // The thumbnail and information steps follow each picture loaded into
    // a slot, with this window's thumbnail options; their status shows in
    // this window.
    const auto options = [this] { return CurrentThumbnailOptions(m_state.settings, m_state.start.DemoMode); };
    ConnectPictureLoaderSteps(this, ThumbnailLoaderSteps(options, statusPanel0(this)));
}
