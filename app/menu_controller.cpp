// The main window's menus: the owner-drawn style, the caption rules applied
// when a menu opens, the measurers, the MyShow panel switch and the
// clipboard commands.
#include "app/menu_controller.h"
#include "app/menu_bar_rows.h"
#include "app/layout_controller.h"
#include "base/program_state.h"
#include "base/caption_helpers.h"
#include "base/environment.h"
#include "base/found_file.h"
#include "app/menu_captions.h"
#include "app/menu_state.h"
#include "app/menu_style.h"
#include "base/settings_fields.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "browse/fit_zoom.h"
#include "browse/folder_tree_widget.h"
#include "browse/page_layouts.h"
#include "browse/picture_display.h"
#include "browse/preview_panel.h"
#include "browse/thumbnail_files.h"
#include "browse/thumbnail_page_controller.h"
#include "browse/thumbnail_page_section.h"
#include "formats/picture_file.h"
#include "platform/build_info.h"
#include "platform/designed_widgets.h"
#include "platform/drives.h"
#include "platform/icons.h"
#include "platform/prompt.h"
#include "platform/volume_root.h"
#include "platform/worker_pool.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QWidget>

namespace {

bool runs(const ShowSession& session) { return session.PlaybackActive == 1; }

MenuPicture pictureAt(const QString& path)
{
    MenuPicture p;
    p.path = path;
    if (path.isEmpty())
        return p;
    p.exists = FileExistsNotDir(path);
    p.readOnly = p.exists && IsReadOnlyFile(path);
    p.driveHasSpace = platform::FreeSpaceOf(path) != 0;
    return p;
}

} // namespace

MenuController::MenuController(QWidget& window, ProgramState& state, const OpenShow& openShow,
                               const LayoutController& layouts, std::function<bool()> inManualMode)
    : QObject(&window), m_window(window), m_state(state), m_openShow(openShow), m_layouts(layouts),
      m_inManualMode(std::move(inManualMode))
{
    const auto action = [&window](const char* name) { return platform::ActionNamed(window, name); };
    const auto menu = [&window](const char* name) { return platform::MenuNamed(window, name); };
    m_items = {
                .Bestand1 = menu("Bestand1"),
                .Favorites = menu("Favorites"),
                .Help1 = menu("Help1"),
                .LaunchEditProgram1 = menu("LaunchEditProgram1"),
                .LaunchVideoProgram = menu("LaunchVideoProgram"),
                .MultiPop = menu("MultiPop"),
                .MyShow = menu("MyShow"),
                .Options1 = menu("Options1"),
                .RaunchEditProgram = menu("RaunchEditProgram"),
                .Recent1 = menu("Recent1"),
                .RightClickTreeView = menu("RightClickTreeView"),
                .Show = menu("Show"),
                .AddFolder = action("AddFolder"),
                .AddPicMyShow = action("AddPicMyShow"),
                .AddSelectedFolder = action("AddSelectedFolder"),
                .AddSelectedFolderPop = action("AddSelectedFolderPop"),
                .AutoFolderToCD = action("AutoFolderToCD"),
                .AutomaticFolder = action("AutomaticFolder"),
                .HideShowMyShow = action("HideShowMyShow"),
                .MakeAutomatic = action("MakeAutomatic"),
                .MakeDefault = action("MakeDefault"),
                .MakeDefaultPop = action("MakeDefaultPop"),
                .MovePictureTo = action("MovePictureTo"),
                .PathToCBMyShow = action("PathToCBMyShow"),
                .PathToClipboard = action("PathToClipboard"),
                .PathToClipboardPop = action("PathToClipboardPop"),
                .PictureToCBMyShow = action("PictureToCBMyShow"),
                .PictureToClipboard = action("PictureToClipboard"),
                .PictureToClipboradPop = action("PictureToClipboradPop"),
                .RenamePicture = action("RenamePicture"),
                .Restart = action("Restart"),
                .SendRecycleBin = action("SendRecycleBin"),
                .SlideShowFolder = action("SlideShowFolder"),
                .StartSlideShowPop = action("StartSlideShowPop"),
                .HideShowMyShowTB = action("HideShowMyShowTB"),
                .ToolButton1 = action("ToolButton1")};
    for (int k = 0; k < 5; ++k)
        m_items.LaunchItems[size_t(k)] = action(qPrintable(QStringLiteral("Launch%1").arg(k)));
    for (const PageLayoutEntry& layout : PageLayoutTable())
        m_items.MultiItems[size_t(layout.index)] = action(layout.menuItem);
}

MenuController::~MenuController() = default;

QAction* MenuController::actionNamed(const QString& name) const
{
    return platform::ActionNamed(m_window, name);
}

void MenuController::SetupMenus()
{
    if (m_menusSetUp)
        return;
    m_menusSetUp = true;

    setupMenuStyle();
    tagStatusHints();
    connectMenuOpenings();
    connectMenuCommands();
    emit menuCommandsConnected();
    TagSeparatorHeights(&m_window);
}

void MenuController::setupMenuStyle()
{
    MenuProxyStyle* style = InstallMenuStyle();
    style->paintContext().glyph = [](int n) {
        return platform::ImageListPixmap(platform::ImageListId::MenuIL, n);
    };
    if (m_c.ImMenuBG && !m_c.ImMenuBG->pixmap().isNull())
        style->paintContext().barBackground = m_c.ImMenuBG->pixmap();
    style->paintContext().repaintStatusBar = [this] {
        if (m_c.StatusBar1)
            m_c.StatusBar1->update();
    };
    style->setGlyphState([this] {
        MenuGlyphState g;
        g.myShowHidden = state().settings.Settings.MyShowHidden == 1;
        g.showRunning = runs(m_state.session);
        g.picturePopup =
            m_items.RightClickTreeView && m_items.RightClickTreeView->property("vxPicturePopup").toBool();
        return g;
    });
    style->setActionResolver([this](const QString& name) { return actionNamed(name); });

    // Program lists measure the file names of their captions.
    for (QMenu* m : {m_items.LaunchEditProgram1, m_items.RaunchEditProgram, m_items.LaunchVideoProgram})
        if (m)
            m->setProperty(MenuFileNameProperty, true);
}

void MenuController::tagStatusHints()
{
    // Hint codes that choose a status text when the item is pointed at.
    const auto code = [this](const char* name, const char* hint) {
        if (QAction* a = actionNamed(QString::fromLatin1(name)))
            a->setStatusTip(QString::fromLatin1(hint));
    };
    code("MakeAutCDROM", "A");
    code("AutoCDFolder", "B");
    code("AutoCDMyShow", "C");
    code("AutoFolderToCD", "F");
    code("AutoFolderToCDPop", "F");
    code("ShowPicFullFolder", "D");
    code("Playlist", "P");
    code("Wallpaper", "W");
    code("MakeDefault", "X");
    code("MakeDefaultPop", "X");
    for (const char* n : {"MakeAutomatic", "MakeAutomaticB", "AutomaticFolder", "AutomaticShow", "MakeAutoMaticPop"})
        code(n, "Y");
    for (int i = 1; i <= 9; ++i) {
        code(qPrintable(QStringLiteral("Fav%1").arg(i)), "Q");
        code(qPrintable(QStringLiteral("Folder%1").arg(i)), "Q");
    }
}

void MenuController::connectMenuOpenings()
{
    // Captions are rebuilt as each menu opens; the style then measures it.
    const auto onOpen = [this](QMenu* m, void (MenuController::*handler)()) {
        if (m)
            connect(m, &QMenu::aboutToShow, this, handler);
    };
    onOpen(m_items.Bestand1, &MenuController::Bestand1Click);
    onOpen(m_items.Show, &MenuController::ShowClick);
    onOpen(m_items.MyShow, &MenuController::MyShowClick);
    onOpen(m_items.Help1, &MenuController::Help1Click);
    onOpen(m_items.RightClickTreeView, &MenuController::RightClickTreeViewPopup);
    onOpen(m_items.MultiPop, &MenuController::MultiPopPopup);
    for (QMenu* m : {m_items.Favorites, m_items.Recent1, m_items.Options1})
        if (m)
            connect(m, &QMenu::aboutToShow, this, [this] {
                if (runs(m_state.session) && !m_inManualMode())
                    emit pauseWanted();
            });
    if (m_c.BarRows)
        for (QAction* title : m_c.BarRows->titles())
            if (title->menu())
                title->menu()->installEventFilter(this);
}

bool MenuController::eventFilter(QObject* watched, QEvent* event)
{
    // A menu opened with the mouse, closed by Escape: the menu bar takes no
    // keyboard (the menu bar has the focus only when the menu was opened from
    // the keyboard, which keeps the usual walk along the titles).
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        auto* menu = qobject_cast<QMenu*>(watched);
        const MenuBarRows* rows = m_c.BarRows;
        const bool barHasKeys = rows && (rows->firstRow()->hasFocus() || rows->secondRow()->hasFocus());
        if (menu && menu->isVisible() && rows && !barHasKeys) {
            menu->hide();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void MenuController::connectMenuCommands()
{
    const auto onClick = [this](QAction* a, auto&& f) {
        if (a)
            connect(a, &QAction::triggered, this, f);
    };
    onClick(m_items.PathToClipboard, [this] { PathToClipboardClick(m_items.PathToClipboard); });
    onClick(m_items.PathToCBMyShow, [this] { PathToClipboardClick(m_items.PathToCBMyShow); });
    onClick(m_items.PathToClipboardPop, [this] { PathToClipboardClick(m_items.PathToClipboardPop); });
    onClick(m_items.PictureToClipboard, [this] { PictureToClipboardClick(m_items.PictureToClipboard); });
    onClick(m_items.PictureToCBMyShow, [this] { PictureToClipboardClick(m_items.PictureToCBMyShow); });
    onClick(m_items.PictureToClipboradPop, [this] { PictureToClipboardClick(m_items.PictureToClipboradPop); });
    onClick(m_items.HideShowMyShow, [this] { HideShowMyShowClick(); });
    onClick(m_items.HideShowMyShowTB, [this] { HideShowMyShowClick(); });
    // Items that start the full-screen show of the selected folder do what
    // its tool button does; "Restart" restarts a running show.
    const auto startFolderShow = [this] {
        if (m_items.ToolButton1)
            m_items.ToolButton1->trigger();
    };
    onClick(m_items.StartSlideShowPop, startFolderShow);
    onClick(m_items.SlideShowFolder, startFolderShow);
    onClick(m_items.Restart, [this, startFolderShow] {
        if (runs(m_state.session))
            emit restartWanted();
        else
            startFolderShow();
    });
}

void MenuController::MeasureMenuWidth(int menuIndex)
{
    if (!m_c.BarRows)
        return;
    const QList<QAction*> bar = m_c.BarRows->titles();
    if (menuIndex >= 0 && menuIndex < bar.size())
        MeasureMenu(bar[menuIndex]->menu());
}

void MenuController::MeasureTreePopupWidth()
{
    MeasureMenu(m_items.RightClickTreeView);
}

MenuCaptionState MenuController::menuCaptionState() const
{
    TSettingsRecord& Settings = state().settings.Settings;
    MenuCaptionState s;
    s.showRunning = runs(m_state.session);
    s.manualMode = s.showRunning && m_inManualMode();
    s.myShowHidden = Settings.MyShowHidden == 1;
    s.thumbnailView = m_parts.Page && m_parts.Page->PageShowRuns();
    s.demoMode = state().start.DemoMode == 1;
    s.cutOutShown = state().session.CutOutCount > 0;
    s.current = pictureAt(m_parts.Display->CurrentPicturePath);
    const QString browse = m_c.BrowsePreview->picturePath();
    s.browsePreview = browse.isEmpty() ? s.current : pictureAt(browse);
    s.myShowPreview = pictureAt(m_c.ShowPreview->picturePath());
    s.browsePreviewVisible = m_c.BrowsePreview->pictureShown();
    s.myShowPreviewVisible = m_c.ShowPreview->pictureShown();
    s.selectedFolder = m_parts.Tree->SelectedFolder;
    s.draftShowOpen = m_openShow.DraftShowOpen == 1;
    s.namedShowOpen = m_openShow.NamedShowOpen == 1;
    s.openShowFile = m_openShow.OpenShowPath;
    s.openShowPictureCount = m_c.MyShowSG ? m_c.MyShowSG->rowCount() : 0;
    s.showChangeable = m_openShow.ShowChangeable == 1;
    s.runningSourceIsShow = m_openShow.SourceIsShow == 1;
    s.runningSource = s.runningSourceIsShow ? m_openShow.OpenShowPath : m_parts.Tree->SelectedFolder;
    s.runningSourceIsDraft = s.runningSourceIsShow && s.draftShowOpen;
    s.startupFolder = Settings.StartupFolder;
    for (const QString& f : Settings.Favorites)
        if (!f.isEmpty())
            s.favorites << f;
    const QString autoPath = Settings.AutoShowPath.toLower();
    s.folderIsAutomatic = !autoPath.isEmpty() && autoPath == m_parts.Tree->SelectedFolder.toLower();
    s.showIsAutomatic = !autoPath.isEmpty() && autoPath == m_openShow.OpenShowPath.toLower();
    // Whether the stored automatic show's options differ from the current ones.
    state().settings.SettingsChanged();
    const bool optionsChanged = state().settings.AutoShowMatchesOptions == 0;
    s.folderAutomaticOptionsChanged = s.folderIsAutomatic && optionsChanged;
    s.showAutomaticOptionsChanged = s.showIsAutomatic && optionsChanged;
    s.irfanViewFound = m_state.environment.IrfanViewFound == 1;
    const QString programFolder = platform::programFolder();
    s.cdFilesPresent = QFileInfo::exists(programFolder + QStringLiteral("/autorun.inf"))
                       && QFileInfo::exists(programFolder + QStringLiteral("/autorun.exe"));
    for (const platform::Drive& d : platform::drives())
        if (d.kind == platform::DriveKind::CdRom && platform::FreeSpaceOf(d.mountPoint) > 0) {
            s.writableCdDrive = QString(d.letter);
            break;
        }
    s.includeSubfolders = Settings.IncludeSubfolders != 0;
    s.toolEnabled = [this](const QString& n) {
        const QAction* a = actionNamed(n);
        return a && a->isEnabled();
    };
    s.toolVisible = [this](const QString& n) {
        const QAction* a = actionNamed(n);
        return a && a->isVisible();
    };
    s.shorten = [](const QString& p) { return ShortenPathCaption(p, true); };
    return s;
}

void MenuController::applyMenuChanges(const MenuChanges& changes)
{
    for (auto it = changes.items().begin(); it != changes.items().end(); ++it) {
        QAction* a = actionNamed(it.key());
        if (!a)
            continue;
        const MenuItemChange& c = it.value();
        if (c.caption && a->text() != *c.caption)
            a->setText(*c.caption);
        if (c.visible)
            a->setVisible(*c.visible);
        if (c.enabled)
            a->setEnabled(*c.enabled);
        if (c.hint) {
            // Tool buttons show their hint as a tool tip; menu items carry it
            // as the status tip (hint code and width tag).
            bool onToolBar = false;
            for (QObject* o : a->associatedObjects())
                onToolBar = onToolBar || qobject_cast<QToolBar*>(o);
            if (onToolBar)
                a->setToolTip(*c.hint);
            else
                a->setStatusTip(*c.hint);
        }
    }
}

void MenuController::Bestand1Click()
{
    const MenuCaptionState s = menuCaptionState();
    const MenuChanges c = FileMenuCaptions(s);
    applyMenuChanges(c);
    CdMenuStatusText = c.statusTextA;
    CdFolderStatusText = c.statusTextC;
    CdShowStatusText = c.statusTextF;
    if (c.pauseShow)
        emit pauseWanted();
    // The drive menu is rebuilt by the drive-menu code when it opens.
    MeasureMenuWidth(0);
}

void MenuController::ShowClick()
{
    const MenuChanges c = ShowMenuCaptions(menuCaptionState());
    applyMenuChanges(c);
    emit showMenuCaptionsApplied();
    if (c.pauseShow)
        emit pauseWanted();
    MeasureMenuWidth(1);
}

void MenuController::MyShowClick()
{
    const MenuChanges c = MyShowMenuCaptions(menuCaptionState());
    applyMenuChanges(c);
    if (c.pauseShow)
        emit pauseWanted();
    MeasureMenuWidth(3);
}

void MenuController::Help1Click()
{
    const MenuChanges c = HelpMenuCaptions(menuCaptionState());
    applyMenuChanges(c);
    if (c.pauseShow)
        emit pauseWanted();
    MeasureMenuWidth(8);
}

void MenuController::RightClickTreeViewPopup()
{
    TSettingsRecord& Settings = state().settings.Settings;
    if (!m_items.RightClickTreeView)
        return;
    // Over the page of thumbnails the pop-up acts on the selected pictures.
    if (m_parts.Page->PageShowRuns() && m_parts.Page->PageView->ThumbnailViewActive()) {
        SetPicturePopupCaptions();
        return;
    }
    m_items.RightClickTreeView->setProperty("vxPicturePopup", false);
    // The node its opener chose: the clicked one (mouse) or the selected
    // one (keyboard), wherever the mouse rests now.
    QTreeWidgetItem* node = m_parts.Tree->PopupTreeNode;
    if (!node)
        node = m_parts.Tree->SelectedTreeNode;
    QString path = node ? m_parts.Tree->GetNodePath(node) : m_parts.Tree->SelectedFolder;
    if (path.isEmpty())
        path = m_parts.Tree->SelectedFolder;
    const QFileInfo fi(path);
    TreePopupState t;
    const bool looksLikeFolder = fi.isDir() || (!fi.exists() && fi.suffix().isEmpty());
    t.kind = looksLikeFolder ? TreeNodeKind::Folder
                             : (IsVideoFileName(path) ? TreeNodeKind::Video : TreeNodeKind::Picture);
    t.exists = fi.exists();
    if (t.kind == TreeNodeKind::Folder) {
        m_parts.Tree->SelectedFolder = path;
        t.folder = path;
        t.folderOnMountPoint = platform::IsVolumeRoot(path);
        t.driveHasSpace = platform::FreeSpaceOf(path) != 0;
    }
    for (int k = 0; k < 5; ++k) {
        t.launchProgram[k] = !Settings.EditPrograms[size_t(k)].isEmpty();
        t.launchCaption[k] = m_items.LaunchItems[size_t(k)] ? m_items.LaunchItems[size_t(k)]->text() : QString();
        if (t.launchCaption[k].isEmpty())
            t.launchCaption[k] = Settings.EditPrograms[size_t(k)];
        t.videoProgram[k] = !Settings.VideoPrograms[size_t(k)].isEmpty();
    }
    t.tarnivoInstalled = false;
    // The File menu's items are brought up to date first: the pop-up mirrors them.
    const MenuCaptionState s = menuCaptionState();
    applyMenuChanges(FileMenuCaptions(s));
    const auto enabledOf = [](QAction* a) { return a && a->isEnabled(); };
    const auto shownAndEnabled = [](QAction* a) { return a && a->isVisible() && a->isEnabled(); };
    t.addSelectedFolderEnabled = shownAndEnabled(m_items.AddSelectedFolder) || shownAndEnabled(m_items.AddFolder);
    t.automaticFolderEnabled = shownAndEnabled(m_items.MakeAutomatic) || shownAndEnabled(m_items.AutomaticFolder);
    t.autoFolderToCdEnabled = enabledOf(m_items.AutoFolderToCD);
    t.renameEnabled = enabledOf(m_items.RenamePicture);
    t.sendEnabled = enabledOf(m_items.SendRecycleBin);
    t.moveEnabled = enabledOf(m_items.MovePictureTo);
    t.addPicMyShowEnabled =
        enabledOf(m_items.AddPicMyShow) || (m_items.AddPicMyShow && !m_items.AddPicMyShow->isVisible());
    t.showPicFullEnabled = true;
    t.browsePreviewShown = m_c.BrowsePreview->pictureShown();

    QStringList names;
    for (QAction* a : m_items.RightClickTreeView->actions())
        names << a->objectName();
    const TreePopupResult r = TreePopupCaptions(s, t, names);
    applyMenuChanges(r.changes);
    // Pop-up items that mirror a File-menu item take its enabled state.
    if (t.kind == TreeNodeKind::Folder && t.exists) {
        if (m_items.MakeDefaultPop && m_items.MakeDefault)
            m_items.MakeDefaultPop->setEnabled(m_items.MakeDefault->isEnabled());
        if (m_items.AddSelectedFolderPop && m_items.AddSelectedFolder)
            m_items.AddSelectedFolderPop->setStatusTip(m_items.AddSelectedFolder->statusTip());
    }
    if (!r.message.isEmpty())
        platform::showMessage(platform::PromptKind::Error, r.message);
    MeasureTreePopupWidth();
}

void MenuController::SetPicturePopupCaptions()
{
    if (!m_items.RightClickTreeView)
        return;
    m_items.RightClickTreeView->setProperty("vxPicturePopup", true);
    PicturePopupState p;
    p.showPictures = m_openShow.SourceIsShow == 1;
    p.selectedCount = m_parts.Page->PageView ? m_parts.Page->PageView->State().SelectedPictureCount() : 0;
    // The full-screen item shows the original of the selected picture.
    if (ThumbnailPageController* page = m_parts.Page->PageView) {
        const int slot = page->SelectedSlot();
        if (slot >= 0 && slot < page->State().count()) {
            const MasterPicture master = FindMasterPicture(page->State().cell(slot).path);
            p.selectedIsThumbnailWithMaster = master.isSmallerCopy && master.exists;
            p.masterFolder = master.folder;
            p.masterExists = master.exists;
        }
    }
    for (int k = 0; k < 5; ++k) {
        if (QAction* l = m_items.LaunchItems[size_t(k)]) {
            p.launchCaption[k] = l->text();
            p.launchVisible[k] = l->isVisible();
            p.launchEnabled[k] = l->isEnabled();
        }
    }
    QStringList folderItems;
    const QList<QAction*> actions = m_items.RightClickTreeView->actions();
    for (int i = 0; i < actions.size() && i < 22; ++i)
        folderItems << actions[i]->objectName();
    applyMenuChanges(PicturePopupCaptions(menuCaptionState(), p, folderItems));
    MeasureTreePopupWidth();
}

void MenuController::MultiPopPopup()
{
    if (runs(m_state.session))
        emit pauseWanted();
    // The layout in effect carries the check glyph and can't be chosen again:
    // the running show's (the single display, 0, while it plays full screen),
    // else the stored choice.
    const int current = PageLayoutInEffect(runs(m_state.session),
                                           m_parts.Page->PageShowRuns() ? m_parts.Page->PageView->State().PageLayoutIndex : 0,
                                           state().settings.Settings.PicturesPerPageIndex);
    for (size_t k = 0; k < m_items.MultiItems.size(); ++k) {
        if (!m_items.MultiItems[k])
            continue;
        const bool isCurrent = int(k) == current;
        m_items.MultiItems[k]->setCheckable(true);
        m_items.MultiItems[k]->setChecked(isCurrent);
        m_items.MultiItems[k]->setEnabled(!isCurrent);
    }
    MeasureMenu(m_items.MultiPop);
}

void MenuController::HideShowMyShowClick()
{
    TSettingsRecord& Settings = state().settings.Settings;
    const bool maximizedState = m_layouts.layoutState().MaximizedLayout == 1 || m_window.isMaximized();
    // (the window that fills an 800-pixel screen is 800 wide with its frame)
    const bool fullWidth = (!maximizedState && (m_window.width() == 800 || m_window.frameGeometry().width() == 800)) || maximizedState;
    const bool hide = fullWidth && Settings.MyShowHidden != 1;
    if (hide) {
        const bool switchToDraft = m_openShow.DraftShowOpen != 1;
        if (switchToDraft)
            emit showChangesDecisionWanted();
        if (m_items.HideShowMyShowTB)
            m_items.HideShowMyShowTB->setIcon(platform::ImageListIcon(platform::ImageListId::ImageList2, 35));
        applyMenuChanges(HideShowMyShowCaptions(true));
        Settings.MyShowHidden = 1;
        emit panelWidthWanted(true);
        if (switchToDraft && m_openShow.NamedShowOpen == 1)
            emit draftShowWanted();
    } else {
        Settings.MyShowHidden = 0;
        if (m_items.HideShowMyShowTB)
            m_items.HideShowMyShowTB->setIcon(platform::ImageListIcon(platform::ImageListId::ImageList2, 36));
        applyMenuChanges(HideShowMyShowCaptions(false));
        emit myShowPanelShown();
        emit panelWidthWanted(false);
    }
    // On an 800-pixel screen the window of the new width fills the work area;
    // the controls take the layout of the new width.
    emit windowWidthSwitched();
}

void MenuController::PathToClipboardClick(QObject* sender)
{
    QString path;
    if (runs(m_state.session))
        path = m_parts.Display->CurrentPicturePath;
    else if (sender == m_items.PathToCBMyShow)
        path = m_c.ShowPreview->picturePath();
    else {
        path = m_c.BrowsePreview->picturePath();
        if (path.isEmpty())
            path = m_parts.Display->CurrentPicturePath;
    }
    QClipboard* cb = QGuiApplication::clipboard();
    cb->setText(path);
    if (cb->text().isEmpty())
        platform::showMessage(platform::PromptKind::Information,
                              QStringLiteral("There is no text on the Clipboard, action failed"));
}

void MenuController::PictureToClipboardClick(QObject* sender)
{
    const bool showRuns = runs(m_state.session);
    const bool pageShown = showRuns && m_parts.Page->ThumbnailViewActive();
    // The cropped version shown during a show is copied as it is shown.
    if (showRuns && !pageShown && m_state.session.CutOutCount > 0 && m_c.Image1 && !m_c.Image1->pixmap().isNull()) {
        QGuiApplication::clipboard()->setPixmap(m_c.Image1->pixmap());
        return;
    }
    QString path;
    if (pageShown)
        path = m_parts.Page->SlotPicturePath(m_parts.Display->CurrentPicturePath);
    else if (showRuns)
        path = m_parts.Display->CurrentPicturePath;
    else if (sender == m_items.PictureToCBMyShow)
        path = m_c.ShowPreview->picturePath();
    else {
        path = m_c.BrowsePreview->picturePath();
        if (path.isEmpty())
            path = m_parts.Display->CurrentPicturePath;
    }
    if (path.isEmpty())
        return;
    if (!m_clipboardDecoder)
        m_clipboardDecoder = std::make_unique<platform::WorkerPool>(1);
    // Worker: decodes its own copy of the path; the picture goes to the
    // clipboard on the window's thread while the controller exists.
    QPointer<MenuController> self(this);
    m_clipboardDecoder->run([self, path] {
        QImage picture = LoadPicturePreview(path, QSize());
        platform::postToWindowThread([self, picture = std::move(picture)] {
            if (self && !picture.isNull())
                QGuiApplication::clipboard()->setImage(picture);
        });
    });
}
