// MainWindow's recent folders, favourites, MyShow history and drive menus: makes
// the ListMenusSection with a ListMenusHost over the window, builds the list
// menus when the window is first shown, and forwards the routines.
#include "app/main_window.h"

#include "app/menu_style.h"
#include "browse/list_menus_host.h"
#include "browse/list_menus_section.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

class MainWindowListMenusHost final : public ListMenusHost {
public:
    explicit MainWindowListMenusHost(MainWindow* form) : m_form(form) {}

    OpenShow& openShow() override { return m_form->openShow(); }
    ListMenusWidgets widgets() const override
    {
        MainWindow* f = m_form;
        ListMenusWidgets w;
        w.Window = f;
        w.Timer1 = f->input()->idleTimer();
        w.Recent1 = f->mainMenus().Recent1();
        w.Favorites = f->mainMenus().Favorites();
        w.MyShow = f->mainMenus().MyShow();
        w.Bestand1 = f->mainMenus().Bestand1();
        w.DriveChange1 = f->mainMenus().DriveChange1();
        w.DrivePop = f->mainMenus().DrivePop();
        w.FolderItems = f->mainMenus().FolderItems();
        w.FavItems = f->mainMenus().FavItems();
        w.HistoryItems = f->mainMenus().HistoryItems();
        w.DriveItems = f->mainMenus().DriveItems();
        w.PDriveItems = f->mainMenus().PDriveItems();
        w.MDesktop = f->mainMenus().MDesktop();
        w.Desktop = f->mainMenus().Desktop();
        w.MMyPictures = f->mainMenus().MMyPictures();
        w.MyPictures = f->mainMenus().MyPictures();
        w.MInternet = f->mainMenus().MInternet();
        w.Internet = f->mainMenus().Internet();
        w.MDefStartUp = f->mainMenus().MDefStartUp();
        w.DPDefStartUp = f->mainMenus().DPDefStartUp();
        w.AddSelectedFolder = f->mainMenus().AddSelectedFolder();
        w.AddSelectedFolderPop = f->mainMenus().AddSelectedFolderPop();
        w.AddFolder = f->mainMenus().AddFolder();
        w.AddShow = f->mainMenus().AddShow();
        w.MakeDefault = f->mainMenus().MakeDefault();
        w.MakeDefaultPop = f->mainMenus().MakeDefaultPop();
        w.MakeAutomatic = f->mainMenus().MakeAutomatic();
        w.AutomaticFolder = f->mainMenus().AutomaticFolder();
        w.AutomaticShow = f->mainMenus().AutomaticShow();
        w.MakeAutoMaticPop = f->mainMenus().MakeAutoMaticPop();
        w.N1 = f->mainMenus().N1();
        w.N12 = f->mainMenus().N12();
        w.N16 = f->mainMenus().N16();
        w.N25 = f->mainMenus().N25();
        w.ClearRec = f->mainMenus().ClearRec();
        w.ClearFavs = f->mainMenus().ClearFavs();
        w.SaveMyShowAs = f->mainMenus().SaveMyShowAs();
        w.DeleteMyShow = f->mainMenus().DeleteMyShow();
        return w;
    }
    void MeasureMenu(QMenu* menu) override { ::MeasureMenu(menu); }
    FolderTreeController* folderTree() override { return m_form->folderTree(); }

    void OpenFolderOrShow() override { m_form->OpenFolderOrShow(); }
    void UpdateFolderCaption() override { m_form->UpdateFolderCaption(); }
    void DesktopClick() override { m_form->DesktopClick(); }
    void MyPicturesClick() override { m_form->MyPicturesClick(); }
    void InternetClick() override { m_form->InternetClick(); }
    void EndShow() override { m_form->slideShow()->EndShow(); }
    void ToolButton2Click() override { m_form->ToolButton2Click(); }
    void ApplyShowOptions() override { m_form->slideShow()->ApplyShowOptions(); }
    void PlayPictures(const QStringList& Pictures, const QList<int>& Records) override
    {
        m_form->PlayPictures(Pictures, Records);
    }
    void LoadMyShowClick(const QString& PresetFile) override { m_form->myShow()->LoadMyShowClick(PresetFile); }
    void ShowMyShowLabel(const QString& action) override { m_form->layouts()->ShowMyShowLabel(action); }

private:
    MainWindow* m_form;
};

// Fills the list menus of a main window from the settings read at start
// when the window is first shown.
class ListMenusWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto* form = qobject_cast<MainWindow*>(watched);
        if (form && !form->property("vxListMenusBuilt").toBool()) {
            form->setProperty("vxListMenusBuilt", true);
            form->BuildRecentMenu();
            form->BuildFavoritesMenu();
            form->BuildHistoryMenu();
        }
        return false;
    }
};

void watchForListMenus()
{
    qApp->installEventFilter(new ListMenusWatcher(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForListMenus)

void MainWindow::InstallListMenus()
{
    ListMenusSect = new ListMenusSection(std::make_unique<MainWindowListMenusHost>(this), m_state.settings, m_state.paths,
                                         m_state.environment, m_state.start, m_state.session);
}

void MainWindow::SetupListMenus() { ListMenusSect->SetupListMenus(); }
void MainWindow::BuildRecentMenu() { ListMenusSect->BuildRecentMenu(); }
void MainWindow::BuildFavoritesMenu() { ListMenusSect->BuildFavoritesMenu(); }
void MainWindow::BuildHistoryMenu() { ListMenusSect->BuildHistoryMenu(); }
