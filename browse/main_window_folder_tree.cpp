// MainWindow's folder tree: makes the FolderTreeSection with a FolderTreeHost
// over the window, and forwards the tree's routines to it.
#include "app/main_window.h"
#include "browse/picture_info_controller.h"

#include "browse/external_programs_controller.h"
#include "browse/folder_tree_host.h"
#include "browse/folder_tree_section.h"
#include "browse/folder_tree_widget.h"

namespace {

class MainWindowFolderTreeHost final : public FolderTreeHost {
public:
    explicit MainWindowFolderTreeHost(MainWindow* form) : m_form(form) {}

    OpenShow& openShow() override { return m_form->openShow(); }
    FolderTreeWidgets widgets() const override
    {
        MainWindow* f = m_form;
        FolderTreeWidgets w;
        w.Window = f;
        w.TreeView1 = f->treeView();
        w.RightClickTreeView = f->mainMenus().RightClickTreeView();
        w.StatusBar1 = f->statusPanels();
        w.StatusPanel1 = f->statusPanels()->panel1();
        w.SearchTB = f->toolBars().SearchTB();
        w.ShowPreview = f->showPreview();
        w.Timer1 = f->input()->idleTimer();
        w.FolderExclusions = f->mainMenus().FolderExclusions();
        const MainMenus& menu = f->mainMenus();
        w.ExclusionItems = {menu.Browse(),    menu.SubShow(),    menu.SubSearch(),    menu.All(),
                            menu.BrowsePop(), menu.SubShowPop(), menu.SubSearchPop(), menu.AllPop()};
        w.ExcludeFolder = f->mainMenus().ExcludeFolder();
        w.ExcludeFolderPop = f->mainMenus().ExcludeFolderPop();
        w.Refresh = f->mainMenus().Refresh();
        w.RefreshPop = f->mainMenus().RefreshPop();
        return w;
    }
    QAction* listItem(bool favorites, int index) const override
    {
        const auto& items = favorites ? m_form->mainMenus().FavItems() : m_form->mainMenus().FolderItems();
        return index >= 0 && size_t(index) < items.size() ? items[size_t(index)] : nullptr;
    }

    void UserActivity() override { m_form->input()->UserActivity(); }
    void LoadMyShowClick(const QString& PresetFile) override { m_form->myShow()->LoadMyShowClick(PresetFile); }
    void ShowPictureFull(const QString& path) override { m_form->ShowPictureFull(path); }
    void PreviewTreeNode(QTreeWidgetItem* node) override
    {
        if (node)
            m_form->pictureInfo()->PreviewNode = node;
        m_form->pictureInfo()->TreeView1MouseMove(m_form, Qt::NoModifier, 1, 1);
    }
    void AddPictureToMyShow(const QString& PicturePath, int A, int B, int C, int D) override
    {
        m_form->myShow()->AddPictureToMyShow(PicturePath, A, B, C, D);
    }
    void RunExternalProgram(const QString& program, const QStringList& startArguments, bool withPicture) override
    {
        m_form->externalPrograms()->RunExternalProgram(program, startArguments, withPicture);
    }
    void RunProgramOnFile(const QString& program, const QString& file) override
    {
        m_form->externalPrograms()->EditTarget = file;
        m_form->externalPrograms()->RunExternalProgram(program, {}, true);
    }

private:
    MainWindow* m_form;
};

} // namespace

void MainWindow::InstallFolderTree()
{
    FolderTreeSect = new FolderTreeSection(std::make_unique<MainWindowFolderTreeHost>(this), m_state.settings,
                                          m_state.paths, m_state.environment, m_state.start, m_state.session);
}

FolderTreeController* MainWindow::folderTree() const { return FolderTreeSect->folderTree(); }
void MainWindow::OpenFolderOrShow() { FolderTreeSect->OpenFolderOrShow(); }
QString MainWindow::GetNodePath(QTreeWidgetItem* node) { return FolderTreeSect->GetNodePath(node); }
void MainWindow::UpdateFolderCaption() { FolderTreeSect->UpdateFolderCaption(); }
void MainWindow::RefreshTreeImages() { FolderTreeSect->RefreshTreeImages(); }
void MainWindow::RefreshSelectedFolder() { FolderTreeSect->RefreshSelectedFolder(); }
bool MainWindow::DriveReady(QChar letter) { return FolderTreeSect->DriveReady(letter); }
void MainWindow::TreeView1MouseDown(bool fromTree, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                const QPoint& pos)
{
    FolderTreeSect->TreeView1MouseDown(fromTree, button, modifiers, pos);
}
void MainWindow::LoadFolderExclusions() { FolderTreeSect->LoadFolderExclusions(); }
