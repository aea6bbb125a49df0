// The main window's menus: the owner-drawn style, the caption rules applied
// when a menu opens, the measurers, the MyShow panel switch and the
// clipboard commands.
#include "app/tform1.h"
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
#include "browse/picture_display.h"
#include "browse/picture_display_section.h"
#include "browse/thumbnail_page_section.h"
#include "platform/build_info.h"
#include "platform/drives.h"
#include "platform/icons.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>

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

// The picture a preview image shows (kept by the picture display as the
// label's "picturePath" property).
QString previewPath(const QLabel* image)
{
    return image ? image->property("picturePath").toString() : QString();
}

} // namespace

void TForm1::SetupMenus()
{
    if (m_menusSetUp)
        return;
    m_menusSetUp = true;

    MenuProxyStyle* style = InstallMenuStyle();
    style->paintContext().glyph = [](int n) {
        return platform::ImageListPixmap(platform::ImageListId::MenuIL, n);
    };
    if (ImMenuBG && !ImMenuBG->pixmap().isNull())
        style->paintContext().barBackground = ImMenuBG->pixmap();
    style->paintContext().repaintStatusBar = [this] {
        if (StatusBar1)
            StatusBar1->update();
    };
    style->setGlyphState([this] {
        MenuGlyphState g;
        g.myShowHidden = state().settings.Settings.MyShowHidden == 1;
        g.showRunning = runs(m_state.session);
        g.picturePopup = RightClickTreeView && RightClickTreeView->property("vxPicturePopup").toBool();
        return g;
    });
    style->setActionResolver([this](const QString& name) { return actionNamed(name); });

    // Program lists measure the file names of their captions.
    for (QMenu* m : {LaunchEditProgram1, RaunchEditProgram, LaunchVideoProgram})
        if (m)
            m->setProperty(MenuFileNameProperty, true);

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

    // Captions are rebuilt as each menu opens; the style then measures it.
    const auto onOpen = [this](QMenu* m, void (TForm1::*handler)()) {
        if (m)
            connect(m, &QMenu::aboutToShow, this, handler);
    };
    onOpen(Bestand1, &TForm1::Bestand1Click);
    onOpen(Show, &TForm1::ShowClick);
    onOpen(MyShow, &TForm1::MyShowClick);
    onOpen(Help1, &TForm1::Help1Click);
    onOpen(RightClickTreeView, &TForm1::RightClickTreeViewPopup);
    onOpen(MultiPop, &TForm1::MultiPopPopup);
    for (QMenu* m : {Favorites, Recent1, Options1})
        if (m)
            connect(m, &QMenu::aboutToShow, this, [this] {
                if (runs(m_state.session) && !InManualMode())
                    PauseShow();
            });

    const auto onClick = [this](QAction* a, auto&& f) {
        if (a)
            connect(a, &QAction::triggered, this, f);
    };
    onClick(PathToClipboard, [this] { PathToClipboardClick(PathToClipboard); });
    onClick(PathToCBMyShow, [this] { PathToClipboardClick(PathToCBMyShow); });
    onClick(PathToClipboardPop, [this] { PathToClipboardClick(PathToClipboardPop); });
    onClick(PictureToClipboard, [this] { PictureToClipboardClick(PictureToClipboard); });
    onClick(PictureToCBMyShow, [this] { PictureToClipboardClick(PictureToCBMyShow); });
    onClick(PictureToClipboradPop, [this] { PictureToClipboardClick(PictureToClipboradPop); });
    onClick(HideShowMyShow, [this] { HideShowMyShowClick(); });
    onClick(HideShowMyShowTB, [this] { HideShowMyShowClick(); });
    onClick(TBMonitorSelection, [this] { layouts()->TBMonitorSelectionClick(false); });
    onClick(TBMonitorSelectionMS, [this] { layouts()->TBMonitorSelectionClick(true); });
    onClick(TBNrOfThumbs, [this] { layouts()->TBNrOfThumbsClick(false); });
    onClick(TBNrOfThumbsMS, [this] { layouts()->TBNrOfThumbsClick(true); });
    // Items that start the full-screen show of the selected folder do what
    // its tool button does; "Restart" restarts a running show.
    const auto startFolderShow = [this] {
        if (ToolButton1)
            ToolButton1->trigger();
    };
    onClick(StartSlideShowPop, startFolderShow);
    onClick(SlideShowFolder, startFolderShow);
    onClick(Restart, [this, startFolderShow] {
        if (runs(m_state.session))
            RestartShow();
        else
            startFolderShow();
    });
    ConnectShowCommands();
    TagSeparatorHeights(this);
    // The page pop-up's rotations are the tool buttons' rotations.
    onClick(RCRotateL, [this] {
        if (TBRotateL)
            TBRotateL->trigger();
    });
    onClick(RCRotateR, [this] {
        if (TBRotateR)
            TBRotateR->trigger();
    });
    onClick(MMainMonitor, [this] { layouts()->MMainMonitorClick(true); });
    onClick(MSecondMonitor, [this] { layouts()->MMainMonitorClick(false); });
}

void TForm1::DrawMenuItem(const QString& hint, QPainter& canvas, const QRect& rect, bool selected,
                          const QString& caption, int imageIndex, int disabledImageIndex, bool enabled)
{
    MenuProxyStyle* style = CurrentMenuStyle();
    MenuPaintContext ctx = style ? style->paintContext() : MenuPaintContext{};
    if (!ctx.glyph)
        ctx.glyph = [](int n) { return platform::ImageListPixmap(platform::ImageListId::MenuIL, n); };
    if (ctx.screenWidth <= 0)
        if (const QScreen* s = screen())
            ctx.screenWidth = s->geometry().width();
    MenuState scratch;
    ::DrawMenuItem(hint, canvas, rect, selected, caption, imageIndex, disabledImageIndex, enabled, ctx,
                   style ? style->menuState() : scratch);
}

QString TForm1::SplitMenuCaption(const QString& caption)
{
    const QFontMetrics fm(Image3 ? Image3->font() : font());
    MenuProxyStyle* style = CurrentMenuStyle();
    MenuState scratch;
    return ::SplitMenuCaption(caption, [&fm](const QString& s) { return fm.horizontalAdvance(s); },
                              style ? style->menuState() : scratch);
}

void TForm1::MeasureMenuWidth(int menuIndex)
{
    if (!MainMenu1)
        return;
    const QList<QAction*> bar = MainMenu1->actions();
    if (menuIndex >= 0 && menuIndex < bar.size())
        MeasureMenu(bar[menuIndex]->menu());
}

void TForm1::MeasureSubMenuWidth(int menuIndex, int itemIndex)
{
    if (!MainMenu1)
        return;
    const QList<QAction*> bar = MainMenu1->actions();
    if (menuIndex < 0 || menuIndex >= bar.size() || !bar[menuIndex]->menu())
        return;
    const QList<QAction*> items = bar[menuIndex]->menu()->actions();
    if (itemIndex >= 0 && itemIndex < items.size() && items[itemIndex]->menu()) {
        QMenu* sub = items[itemIndex]->menu();
        MeasureMenu(sub, sub->property(MenuFileNameProperty).toBool());
    }
}

void TForm1::MeasurePopupSubMenuWidth(int itemIndex)
{
    if (!RightClickTreeView)
        return;
    const QList<QAction*> items = RightClickTreeView->actions();
    if (itemIndex >= 0 && itemIndex < items.size() && items[itemIndex]->menu())
        MeasureMenu(items[itemIndex]->menu(), true);
}

void TForm1::MeasureTreePopupWidth()
{
    MeasureMenu(RightClickTreeView);
}

MenuCaptionState TForm1::menuCaptionState() const
{
    TSettingsRecord& Settings = state().settings.Settings;
    MenuCaptionState s;
    s.showRunning = runs(m_state.session);
    s.manualMode = s.showRunning && const_cast<TForm1*>(this)->InManualMode();
    s.myShowHidden = Settings.MyShowHidden == 1;
    s.thumbnailView = false;   // the page view reports itself through its own pop-up
    s.demoMode = state().start.DemoMode == 1;
    s.cutOutShown = state().session.CutOutCount > 0;
    s.current = pictureAt(pictureDisplay()->displayState().CurrentPicturePath);
    const QString browse = previewPath(Image4);
    s.browsePreview = browse.isEmpty() ? s.current : pictureAt(browse);
    s.myShowPreview = pictureAt(previewPath(image2));
    s.browsePreviewVisible = !Image4 || !Image4->isHidden();
    s.myShowPreviewVisible = !image2 || !image2->isHidden();
    s.selectedFolder = folderTree()->SelectedFolder;
    s.draftShowOpen = m_openShow.DraftShowOpen == 1;
    s.namedShowOpen = m_openShow.NamedShowOpen == 1;
    s.openShowFile = m_openShow.OpenShowPath;
    s.openShowPictureCount = MyShowSG ? MyShowSG->rowCount() : 0;
    s.showChangeable = m_openShow.ShowChangeable == 1;
    s.runningSourceIsShow = m_openShow.SourceIsShow == 1;
    s.runningSource = s.runningSourceIsShow ? m_openShow.OpenShowPath : folderTree()->SelectedFolder;
    s.runningSourceIsDraft = s.runningSourceIsShow && s.draftShowOpen;
    s.startupFolder = Settings.StartupFolder;
    for (const QString& f : Settings.Favorites)
        if (!f.isEmpty())
            s.favorites << f;
    const QString autoPath = Settings.AutoShowPath.toLower();
    s.folderIsAutomatic = !autoPath.isEmpty() && autoPath == folderTree()->SelectedFolder.toLower();
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

void TForm1::applyMenuChanges(const MenuChanges& changes)
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

void TForm1::Bestand1Click()
{
    const MenuCaptionState s = menuCaptionState();
    const MenuChanges c = FileMenuCaptions(s);
    applyMenuChanges(c);
    CdMenuStatusText = c.statusTextA;
    CdFolderStatusText = c.statusTextC;
    CdShowStatusText = c.statusTextF;
    if (c.pauseShow)
        PauseShow();
    // The drive menu is rebuilt by the drive-menu code when it opens.
    MeasureMenuWidth(0);
}

void TForm1::ShowClick()
{
    const MenuChanges c = ShowMenuCaptions(menuCaptionState());
    applyMenuChanges(c);
    if (c.pauseShow)
        PauseShow();
    MeasureMenuWidth(1);
}

void TForm1::MyShowClick()
{
    const MenuChanges c = MyShowMenuCaptions(menuCaptionState());
    applyMenuChanges(c);
    if (c.pauseShow)
        PauseShow();
    MeasureMenuWidth(3);
}

void TForm1::Help1Click()
{
    const MenuChanges c = HelpMenuCaptions(menuCaptionState());
    applyMenuChanges(c);
    if (c.pauseShow)
        PauseShow();
    MeasureMenuWidth(8);
}

void TForm1::RightClickTreeViewPopup()
{
    TSettingsRecord& Settings = state().settings.Settings;
    if (!RightClickTreeView)
        return;
    // Over the page of thumbnails the pop-up acts on the selected pictures.
    if (thumbnailPage()->PageShowRuns() && thumbnailPage()->PageView->ThumbnailViewActive()) {
        SetPicturePopupCaptions();
        return;
    }
    RightClickTreeView->setProperty("vxPicturePopup", false);
    // The node under the pointer (the pop-up opens there), else the
    // selected node (opened from the keyboard).
    QTreeWidgetItem* node = nullptr;
    if (TreeView1) {
        node = TreeView1->itemAt(TreeView1->viewport()->mapFromGlobal(QCursor::pos()));
        if (!node)
            node = TreeView1->currentItem();
    }
    QString path = node ? GetNodePath(node) : folderTree()->SelectedFolder;
    if (path.isEmpty())
        path = folderTree()->SelectedFolder;
    const QFileInfo fi(path);
    TreePopupState t;
    const bool looksLikeFolder = fi.isDir() || (!fi.exists() && fi.suffix().isEmpty());
    t.kind = looksLikeFolder ? TreeNodeKind::Folder
                             : (IsVideoFileName(path) ? TreeNodeKind::Video : TreeNodeKind::Picture);
    t.exists = fi.exists();
    if (t.kind == TreeNodeKind::Folder) {
        folderTree()->SelectedFolder = path;
        t.folder = path;
        t.folderOnMountPoint = platform::IsMountPoint(path);
        t.driveHasSpace = platform::FreeSpaceOf(path) != 0;
    }
    for (int k = 0; k < 5; ++k) {
        t.launchProgram[k] = !Settings.EditPrograms[size_t(k)].isEmpty();
        t.launchCaption[k] = LaunchItems[size_t(k)] ? LaunchItems[size_t(k)]->text() : QString();
        if (t.launchCaption[k].isEmpty())
            t.launchCaption[k] = Settings.EditPrograms[size_t(k)];
        t.videoProgram[k] = !Settings.VideoPrograms[size_t(k)].isEmpty();
    }
    t.tarnivoInstalled = false;
    // The File menu's items are brought up to date first: the pop-up mirrors them.
    const MenuCaptionState s = menuCaptionState();
    applyMenuChanges(FileMenuCaptions(s));
    const auto enabledOf = [this](QAction* a) { return a && a->isEnabled(); };
    const auto shownAndEnabled = [](QAction* a) { return a && a->isVisible() && a->isEnabled(); };
    t.addSelectedFolderEnabled = shownAndEnabled(AddSelectedFolder) || shownAndEnabled(AddFolder);
    t.automaticFolderEnabled = shownAndEnabled(MakeAutomatic) || shownAndEnabled(AutomaticFolder);
    t.autoFolderToCdEnabled = enabledOf(AutoFolderToCD);
    t.renameEnabled = enabledOf(RenamePicture);
    t.sendEnabled = enabledOf(SendRecycleBin);
    t.moveEnabled = enabledOf(MovePictureTo);
    t.addPicMyShowEnabled = enabledOf(AddPicMyShow) || (AddPicMyShow && !AddPicMyShow->isVisible());
    t.showPicFullEnabled = true;
    t.browsePreviewShown = Image4 && !Image4->isHidden();

    QStringList names;
    for (QAction* a : RightClickTreeView->actions())
        names << a->objectName();
    const TreePopupResult r = TreePopupCaptions(s, t, names);
    applyMenuChanges(r.changes);
    // Pop-up items that mirror a File-menu item take its enabled state.
    if (t.kind == TreeNodeKind::Folder && t.exists) {
        if (MakeDefaultPop && MakeDefault)
            MakeDefaultPop->setEnabled(MakeDefault->isEnabled());
        if (AddSelectedFolderPop && AddSelectedFolder)
            AddSelectedFolderPop->setStatusTip(AddSelectedFolder->statusTip());
    }
    if (!r.message.isEmpty())
        platform::showMessage(platform::PromptKind::Error, r.message);
    MeasureTreePopupWidth();
}

void TForm1::SetPicturePopupCaptions()
{
    if (!RightClickTreeView)
        return;
    RightClickTreeView->setProperty("vxPicturePopup", true);
    PicturePopupState p;
    p.showPictures = m_openShow.SourceIsShow == 1;
    p.selectedCount = thumbnailPage()->PageView ? thumbnailPage()->PageView->State().SelectedPictureCount() : 0;
    for (int k = 0; k < 5; ++k) {
        if (QAction* l = LaunchItems[size_t(k)]) {
            p.launchCaption[k] = l->text();
            p.launchVisible[k] = l->isVisible();
            p.launchEnabled[k] = l->isEnabled();
        }
    }
    QStringList folderItems;
    const QList<QAction*> actions = RightClickTreeView->actions();
    for (int i = 0; i < actions.size() && i < 22; ++i)
        folderItems << actions[i]->objectName();
    applyMenuChanges(PicturePopupCaptions(menuCaptionState(), p, folderItems));
    MeasureTreePopupWidth();
}

void TForm1::HideShowMyShowClick()
{
    TSettingsRecord& Settings = state().settings.Settings;
    const QRect screenArea = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    const bool maximizedState = layouts()->layoutState().MaximizedLayout == 1 || isMaximized();
    // (the window that fills an 800-pixel screen is 800 wide with its frame)
    const bool fullWidth = (!maximizedState && (width() == 800 || frameGeometry().width() == 800)) || maximizedState;
    const bool hide = fullWidth && Settings.MyShowHidden != 1;
    // The window may become as narrow as the half-width layout.
    if (!m_layout->fitsWorkArea())
        setMinimumSize(400, minimumHeight());
    if (hide) {
        const bool switchToDraft = m_openShow.DraftShowOpen != 1;
        if (switchToDraft)
            myShow()->AskMakeChangesPermanent();
        if (HideShowMyShowTB)
            HideShowMyShowTB->setIcon(platform::ImageListIcon(platform::ImageListId::ImageList2, 35));
        applyMenuChanges(HideShowMyShowCaptions(true));
        if (isMaximized())
            setWindowState(windowState() & ~Qt::WindowMaximized);
        const int w = int(std::nearbyint(width() / 2.0));
        if (maximizedState)
            setGeometry(screenArea.x() + int(std::nearbyint((screenArea.width() - w) / 2.0)), y(), w, height());
        else
            resize(w, height());
        if (switchToDraft && m_openShow.NamedShowOpen == 1)
            myShow()->MyShowDraftClick();
        Settings.MyShowHidden = 1;
    } else {
        Settings.MyShowHidden = 0;
        if (HideShowMyShowTB)
            HideShowMyShowTB->setIcon(platform::ImageListIcon(platform::ImageListId::ImageList2, 36));
        applyMenuChanges(HideShowMyShowCaptions(false));
        if (maximizedState)
            setGeometry(screenArea.x(), screenArea.y(), screenArea.width(), height());
        else
            resize(800, height());
    }
    const QRect frame = frameGeometry();
    if ((frame.right() > screenArea.right() || screenArea.width() == 800) && layouts()->layoutState().MaximizedLayout != 1) {
        const int top = screenArea.width() == 800 ? 0
                                                  : int(std::nearbyint((screenArea.height() - height()) / 2.0));
        move(screenArea.x() + int(std::nearbyint((screenArea.width() - width()) / 2.0)), screenArea.y() + top);
    }
    // On an 800-pixel screen the window of the new width fills the work area;
    // the controls take the layout of the new width.
    layouts()->FitToWorkArea();
    layouts()->LayoutForWindowSize();
}

void TForm1::PathToClipboardClick(QObject* sender)
{
    QString path;
    if (runs(m_state.session))
        path = pictureDisplay()->displayState().CurrentPicturePath;
    else if (sender == PathToCBMyShow)
        path = previewPath(image2);
    else {
        path = previewPath(Image4);
        if (path.isEmpty())
            path = pictureDisplay()->displayState().CurrentPicturePath;
    }
    QClipboard* cb = QGuiApplication::clipboard();
    cb->setText(path);
    if (cb->text().isEmpty())
        platform::showMessage(platform::PromptKind::Information,
                              QStringLiteral("There is no text on the Clipboard, action failed"));
}

void TForm1::PictureToClipboardClick(QObject* sender)
{
    const QLabel* source = nullptr;
    if (!runs(m_state.session))
        source = sender == PictureToCBMyShow ? image2 : Image4;
    else
        source = Image1;
    if (source && !source->pixmap().isNull())
        QGuiApplication::clipboard()->setPixmap(source->pixmap());
}
