// The start of the main window: the settings work of a real start.
#include "app/startup_controller.h"

#include "browse/interrupted_work.h"
#include "platform/designed_widgets.h"
#include "platform/work_journal.h"
#include "base/named_timer.h"
#include "base/program_state.h"
#include "shows/show_file.h"
#include "platform/icons.h"
#include "sharing/grayscale.h"

#include "base/add_settings_record.h"
#include "base/data_folder.h"
#include "base/environment.h"
#include "platform/ui_font.h"
#include "base/settings_fields.h"
#include "base/settings_versions.h"
#include "base/start_args.h"
#include "base/start_modes.h"
#include "browse/folder_exclusions.h"
#include "browse/folder_tree_widget.h"
#include "browse/preview_panel.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/temp_files.h"
#include "platform/prompt.h"
#include "platform/record_file.h"
#include "slideshow/auto_show_windows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include <optional>

using platform::PromptKind;

namespace {

QStringList toList(const std::array<QString, 5>& a) { return QStringList(a.begin(), a.end()); }

void fromList(std::array<QString, 5>& a, const QStringList& l)
{
    for (size_t i = 0; i < a.size(); ++i)
        a[i] = int(i) < l.size() ? l.at(int(i)) : QString();
}

// Fills the free edit and video program slots from the programs installed.
void findEditPrograms(TSettingsRecord& rec)
{
    QStringList edit = toList(rec.EditPrograms), video = toList(rec.VideoPrograms);
    FindEditPrograms(edit, video);
    fromList(rec.EditPrograms, edit);
    fromList(rec.VideoPrograms, video);
}

// The help pages: a folder of HTML pages installed beside the program.
QString helpPagesFolder(const QString& programFolder)
{
    for (const QString& candidate : {programFolder + QStringLiteral("/help"),
                                     programFolder + QStringLiteral("/../share/vistamo/help")}) {
        if (QFileInfo(candidate + QStringLiteral("/index.html")).isFile())
            return QDir::cleanPath(candidate);
    }
    return QString();
}

// A desktop link to a folder: a freedesktop ".desktop" file of type Link.
// Location 0 is the user's Desktop folder, 4 the given folder. Returns the
// path written, or an empty text on failure.
QString createShortcut(const QString& target, int location, const QString& description, const QString& iconKind,
                       const QString& subFolder)
{
    QString folder;
    if (location == 0)
        folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    else if (location == 4)
        folder = subFolder;
    if (folder.isEmpty())
        return QString();
    if (location != 4 && !subFolder.isEmpty())
        folder += QLatin1Char('/') + subFolder;
    if (!QDir().mkpath(folder))
        return QString();
    const QString path = folder + QLatin1Char('/') + QFileInfo(target).completeBaseName() + QStringLiteral(".desktop");
    const QString text = QStringLiteral("[Desktop Entry]\nType=Link\nName=") + QFileInfo(target).fileName()
        + QStringLiteral("\nComment=") + description + QStringLiteral("\nURL=")
        + QString::fromLatin1(QUrl::fromLocalFile(target).toEncoded())
        + QStringLiteral("\nIcon=")
        + (iconKind == QLatin1String("SS") ? QStringLiteral("folder-pictures") : QStringLiteral("folder-music"))
        + QLatin1Char('\n');
    if (!platform::SafeWriteFile(path, text.toUtf8()).ok())
        return QString();
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

void shortcutOnRequest(const QString& requestFile, const QString& target, const QString& description,
                       const QString& kind, const QString& failure)
{
    if (!QFileInfo::exists(requestFile))
        return;
    QFile::remove(requestFile);
    if (createShortcut(target, 0, description, kind, QString()).isEmpty())
        platform::showMessage(PromptKind::Warning, failure);
}

// The folder of `path` moved to the drive of `currentDir`: the part below the
// path's own mount point is kept.
QString onCurrentDrive(const QString& path, const QString& currentDir)
{
    const auto from = platform::DriveOf(path);
    const auto to = platform::DriveOf(currentDir);
    if (!from || !to)
        return path;
    QString rest = path.mid(from->mountPoint.size());
    if (from->mountPoint == QLatin1String("/"))
        rest = path.mid(1);
    while (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    return to->mountPoint == QLatin1String("/") ? QLatin1Char('/') + rest : to->mountPoint + QLatin1Char('/') + rest;
}

} // namespace

StartupController::StartupController(QWidget& window, ProgramState& state, OpenShow& openShow,
                                     FolderTreeController& folderTree, PreviewPanel& browsePreview,
                                     PreviewPanel& showPreview, const QPointer<ShowManagerWindow>& showManager,
                                     const QPointer<FolderPictureChooser>& folderPictureWindow,
                                     const QPointer<AutoShowOfferWindow>& demoShowWindow)
    : m_window(window), m_state(state), m_openShow(openShow), m_folderTree(folderTree),
      m_browsePreview(browsePreview), m_showPreview(showPreview), m_showManager(showManager),
      m_folderPictureWindow(folderPictureWindow), m_demoShowWindow(demoShowWindow),
      m_autoCdRunTimer(MakeNamedTimer(&window, "TimerAutoCDRun", 1, false))
{
    connect(m_autoCdRunTimer, &QTimer::timeout, this, &StartupController::TimerAutoCDRunTimer);
}

void StartupController::SetWidgets(const Widgets& widgets)
{
    m_widgets = widgets;
    const auto action = [this](const char* name) { return platform::ActionNamed(m_window, name); };
    const auto menu = [this](const char* name) { return platform::MenuNamed(m_window, name); };
    m_actions = {
                 .ShowAllTB = action("ShowAllTB"),
                 .TBTarnivo = action("TBTarnivo"),
                 .TBSepTarn = action("TBSepTarn"),
                 .Tarnivo = action("Tarnivo"),
                 .TarnivoPop = action("TarnivoPop"),
                 .GettingStarted = action("GettingStarted"),
                 .WhatsNew = action("WhatsNew"),
                 .VXOnlineHelp = action("VXOnlineHelp"),
                 .HideShowMyShowTB = action("HideShowMyShowTB"),
                 .HideShowMyShow = action("HideShowMyShow"),
                 .RunExeMyShowTB = action("RunExeMyShowTB"),
                 .RunExeToolButton = action("RunExeToolButton"),
                 .ToolButton1 = action("ToolButton1"),
                 .UploadPicture = action("UploadPicture"),
                 .Upload = action("Upload"),
                 .Bestand1 = menu("Bestand1"),
                 .Recent1 = menu("Recent1"),
                 .Show = menu("Show"),
                 .Options1 = menu("Options1"),
                 .Favorites = menu("Favorites"),
                 .Help1 = menu("Help1")};
}

bool StartupController::VisibleAtStart() const
{
    return !state().start.DemoMode && !state().start.AudioMode && !state().start.ArgumentMode;
}

void StartupController::FormCreate()
{
    StartContext& start = state().start;
    EnvironmentInfo& environment = m_state.environment;
    // Colours and the initial state of the controls (built hidden or
    // disabled by the constructor).
    InitColorScheme(environment);
    m_actions.ShowAllTB->setToolTip(QStringLiteral("View shows stored on fixed disk(s)"));

    readStartModes();
    prepareUploadAndViewer();
    refuseUnlessOnFixedDrive();

    const int screenWidth = StartScreenWidth();
    setShowListColumns(screenWidth);

    // The application's events (activation, restore, minimise, hints,
    // exceptions).
    emit ApplicationEventsRequested();

    hideMissingHelpPages();
    prepareDataFolder();
    migrateSettingsFile();
    makeRequestedShortcuts();
    refuseUnworkableStart(screenWidth);
    chooseSettingsFile();

    // A refused start asks the program to end and leaves no marker.
    if (start.StartAbort) {
        endStartWithoutMarker();
        return;
    }

    // What a crash or a kill interrupted is finished or undone before the
    // settings are read: leftovers of writes go, a moved picture is found
    // with its recording, stored paths follow a renamed folder. What a
    // running instance is doing stays.
    if (!start.DemoMode)
        FinishInterruptedWork(m_state.paths);

    // The start goes on: no warning pending yet (the status panels' widths
    // are the status bar's own: panel 0 holds its icon, panel 1 the rest).
    start.StartupMessage.clear();

    if (!readOrMakeSettings())
        return;
    dressWindowFromSettings();
    applyPlayOptions();
    findDemoShow();
    createDataFiles();
    takeSettingsSnapshot();

    // The interface font on every control.
    applyStartFonts();
}

void StartupController::readStartModes()
{
    StartContext& start = state().start;
    DataPaths& paths = m_state.paths;
    EnvironmentInfo& environment = m_state.environment;
    // Start modes from the command line.
    ClearStartModes(start);
    start.DemoShowFolder.clear();
    ApplyStartArgs(start, ParseStartArgs(StartParameters, QDir::currentPath()));
    SetDataFileMode(start, FileModeReadWrite, false);

    // Folders of the start, the interface font.
    paths.StartDirectory = QDir::currentPath();
    paths.ProgramFolder = QCoreApplication::applicationDirPath();
    SelectUIFont(environment);
    environment.SystemDriveLetter = GetSystemDriveLetter();
}

void StartupController::prepareUploadAndViewer()
{
    const StartContext& start = state().start;
    DataPaths& paths = m_state.paths;
    // The upload button's glyphs and the outside picture viewer.
    if (!start.DemoMode) {
        UploadGlyph = platform::ImageListPixmap(platform::ImageListId::MenuIL, 130);
        UploadGlyphGrey = UploadGlyph;
        GrayscaleBitmap(UploadGlyphGrey);
        FindIrfanView(m_state.environment, paths.ProgramFolder);
        // An installed upload program fills an empty uploader path when the
        // additional settings are loaded.
        FindUploader(m_state.environment);
    }
    m_actions.TBTarnivo->setVisible(false);
    m_actions.TBSepTarn->setVisible(false);
    m_actions.Tarnivo->setVisible(false);
    m_actions.TarnivoPop->setVisible(false);
}

void StartupController::refuseUnlessOnFixedDrive()
{
    StartContext& start = state().start;
    DataPaths& paths = m_state.paths;
    // The program must be on a fixed drive.
    if (!start.DemoMode && platform::DriveKindOfPath(paths.ProgramFolder) != platform::DriveKind::Fixed) {
        start.StartAbort = 1;
        platform::showMessage(PromptKind::Error, NotOnFixedDriveText);
    }
}

void StartupController::setShowListColumns(int screenWidth)
{
    // Show list columns.
    QTableWidget* MyShowSG = m_widgets.MyShowSG;
    MyShowSG->setColumnCount(5);
    MyShowSG->setHorizontalHeaderLabels(
        {QStringLiteral("Seq"), QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("Title"), QStringLiteral("Path")});
    const int widths[] = {35, 18, 18, 200, int(std::lround(screenWidth / 2.0))};
    for (int c = 0; c < 5; ++c)
        MyShowSG->setColumnWidth(c, widths[c]);
}

void StartupController::hideMissingHelpPages()
{
    // Help pages.
    if (helpPagesFolder(m_state.paths.ProgramFolder).isEmpty()) {
        m_actions.GettingStarted->setVisible(false);
        m_actions.WhatsNew->setVisible(false);
        m_actions.VXOnlineHelp->setText(QStringLiteral("&Download Vistamo! (again), Help pages are missing"));
    }
}

void StartupController::prepareDataFolder()
{
    const StartContext& start = state().start;
    DataPaths& paths = m_state.paths;
    // The data folder and this start's run marker.
    SetDataFolderPaths(paths, DefaultDataFolder());
    QDir().mkpath(paths.DataFolder);
    if (!start.DemoMode) {
        CreateRunMarker(paths, start.AudioMode != 0);
        // Operations that change several files keep their journals here.
        platform::SetJournalFolder(paths.DataFolder);
    }
}

void StartupController::migrateSettingsFile()
{
    const StartContext& start = state().start;
    DataPaths& paths = m_state.paths;
    // Older settings files.
    paths.FoundSettingsVersion = 0;
    paths.SettingsConverted = 0;
    const TSettingsMigration migration = MigrateSettingsFile(paths.DataFolder, paths.SettingsPath);
    if (migration.Converted) {
        paths.FoundSettingsVersion = migration.FoundVersion;
        paths.SettingsConverted = 1;
        if (migration.Moved)
            platform::showMessage(PromptKind::Information, SettingsConvertedText);
    }
    // A settings file too short to hold its record is kept aside and the
    // start goes on as a first start.
    if (!start.DemoMode)
        KeepShortSettingsFileAside(paths.SettingsPath);
}

void StartupController::makeRequestedShortcuts()
{
    const DataPaths& paths = m_state.paths;
    // Desktop links asked for by request files.
    shortcutOnRequest(paths.DataFolder + QStringLiteral("/CSCSS.txt"), paths.ShowsFolder,
                      QStringLiteral("Quick access to your Vistamo! slide shows"), QStringLiteral("SS"),
                      QStringLiteral("Vistamo! : Could not create: Desktop shortcut to Vistamo! slide shows"));
    shortcutOnRequest(paths.DataFolder + QStringLiteral("/CSCSP.txt"), paths.PlaylistsFolder,
                      QStringLiteral("Quick access to your Vistamo! sound playlists"), QStringLiteral("SP"),
                      QStringLiteral("Vistamo! : Could not create: Desktop shortcut to Vistamo! sound playlists"));
}

void StartupController::refuseUnworkableStart(int screenWidth)
{
    StartContext& start = state().start;
    const DataPaths& paths = m_state.paths;
    // Every data file must be writable.
    if (!start.DemoMode && !start.StartAbort) {
        const QString message = ReadOnlyDataFileMessage(paths, paths.SettingsPath);
        if (!message.isEmpty()) {
            platform::showMessage(PromptKind::Error, message);
            start.StartAbort = 1;
        }
    }
    // The screen must be at least 800 pixels wide.
    if (!start.StartAbort && screenWidth < 800) {
        platform::showMessage(PromptKind::Error, ScreenTooNarrowText);
        start.StartAbort = 1;
    }
}

void StartupController::chooseSettingsFile()
{
    StartContext& start = state().start;
    DataPaths& paths = m_state.paths;
    // The settings file in use: in demo mode the one at the root of the
    // drive the program runs from.
    if (!start.StartAbort) {
        if (start.DemoMode) {
            const auto drive = platform::DriveOf(paths.StartDirectory);
            const QString root = drive ? drive->mountPoint : QStringLiteral("/");
            paths.SettingsFileName = QDir::cleanPath(root + QLatin1Char('/') + SettingsFileNameFor(SettingsVersion));
            if (!QFileInfo(paths.SettingsFileName).isFile()) {
                // Without it there is nothing to show; defaults are not
                // written at a drive root.
                platform::showMessage(PromptKind::Plain, NoSettingsFileText);
                start.StartAbort = 1;
            }
            SetDataFileMode(start, FileModeReadOnly, false);
        } else {
            paths.SettingsFileName = paths.SettingsPath;
        }
    }
}

void StartupController::endStartWithoutMarker()
{
    DeleteRunMarker(m_state.paths, state().start.AudioMode != 0);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

bool StartupController::readOrMakeSettings()
{
    TSettingsRecord& Settings = state().settings.Settings;
    // Read the settings, or make them at a first start.
    const platform::RecordResult read = ReadSettingsFile(m_state.paths.SettingsFileName, Settings);
    if (read.ok()) {
        if (!state().start.DemoMode)
            takeReadSettings();
    } else if (read.Status == platform::RecordStatus::NotFound || read.Status == platform::RecordStatus::Truncated) {
        makeFirstSettings();
    } else {
        platform::showMessage(PromptKind::Error, read.Message);
        state().start.StartAbort = 1;
        endStartWithoutMarker();
        return false;
    }
    return true;
}

void StartupController::takeReadSettings()
{
    TSettingsRecord& Settings = state().settings.Settings;
    const StartContext& start = state().start;
    const DataPaths& paths = m_state.paths;
    const EnvironmentInfo& environment = m_state.environment;
    const uint8_t markerOnDisk = Settings.RunningMarker;
    Settings.RunningMarker = 1;
    if (paths.SettingsConverted)
        ApplySettingsUpgrades(Settings, paths.FoundSettingsVersion, paths.DataFolder, paths.ShowsFolder,
                              platform::now().date().day());
    QStringList favorites(Settings.Favorites.begin(), Settings.Favorites.end());
    QStringList recent(Settings.RecentFolders.begin(), Settings.RecentFolders.end());
    if (HasOldProfilePaths(favorites, recent, Settings.StartupFolder, Settings.AutoShowPath,
                           environment.SystemDriveLetter)) {
        DropOldProfilePaths(favorites, recent, Settings.StartupFolder, Settings.AutoShowPath,
                            environment.SystemDriveLetter);
        for (size_t i = 0; i < Settings.Favorites.size(); ++i)
            Settings.Favorites[i] = int(i) < favorites.size() ? favorites.at(int(i)) : QString();
        for (size_t i = 0; i < Settings.RecentFolders.size(); ++i)
            Settings.RecentFolders[i] = int(i) < recent.size() ? recent.at(int(i)) : QString();
    }
    findEditPrograms(Settings);
    // A start with an argument writes nothing, except a settings file
    // just moved into place from an older version: that is written in
    // its new form whatever the start mode, so the upgrades are kept.
    // It keeps the in-use mark it had, since the close of an argument
    // start writes no settings to take this start's mark back.
    std::optional<TSettingsRecord> toWrite;
    if (!start.ArgumentMode)
        toWrite = Settings;
    else if (paths.SettingsConverted) {
        toWrite = Settings;
        toWrite->RunningMarker = markerOnDisk;
    }
    if (toWrite) {
        const auto written = WriteSettingsFile(paths.SettingsFileName, *toWrite);
        if (!written.ok())
            platform::showMessage(PromptKind::Error, written.Message);
    }
}

void StartupController::makeFirstSettings()
{
    TSettingsRecord& Settings = state().settings.Settings;
    const DataPaths& paths = m_state.paths;
    TFirstRunInputs in;
    in.DataFolder = paths.DataFolder;
    const auto drive = platform::DriveOf(paths.DataFolder);
    in.DataFolderDrive = drive ? drive->mountPoint : QStringLiteral("/");
    in.FontName = m_state.environment.UIFontName;
    in.DayOfMonth = platform::now().date().day();
    Settings = TSettingsRecord{};
    const auto made = InitDefaultSettings(paths.SettingsFileName, Settings, in, findEditPrograms);
    if (!made.ok())
        platform::showMessage(PromptKind::Error, made.Message);
}

void StartupController::dressWindowFromSettings()
{
    TSettingsRecord& Settings = state().settings.Settings;
    StartContext& start = state().start;
    const DataPaths& paths = m_state.paths;
    // The slide-show options file.
    if (!start.DemoMode && !QFileInfo::exists(paths.RCSettingsPath))
        CreateRCSettingsFile(paths.RCSettingsPath);

    // Folders of the desktop; the window's size.
    if (!start.DemoMode) {
        ReadShellFolders(m_state.environment, Settings.StartupFolder);
        sizeWindowAtStart();
    }
    const bool hidden = Settings.MyShowHidden == 1;
    m_actions.HideShowMyShowTB->setToolTip(hidden ? QStringLiteral("Show MyShow") : QStringLiteral("Hide MyShow"));
    m_actions.HideShowMyShow->setText(hidden ? QStringLiteral("&Show MyShow") : QStringLiteral("&Hide MyShow"));

    // A screen 800 pixels wide or less gets a window without a maximize
    // button. The start counts as running from here; a demo start disables
    // the menus.
    if (StartScreenWidth(m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen()) <= 800)
        m_window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_widgets.MyShowSG->hide();
    start.StartupRunFlag = 1;
    if (!start.DemoMode)
        emit ControlBoundsRequested();
    if (start.DemoMode) {
        for (QMenu* m : {m_actions.Bestand1, m_actions.Recent1, m_actions.Show, m_actions.Options1,
                         m_actions.Favorites, m_actions.Help1})
            m->menuAction()->setEnabled(false);
    }
}

void StartupController::applyPlayOptions()
{
    const TSettingsRecord& Settings = state().settings.Settings;
    // The play options in effect come from the settings; the play order shown.
    emit PlayOptionsRequested();
    if (m_browsePreview.playOrderCount() > Settings.PlayOrder && Settings.PlayOrder >= 0)
        m_browsePreview.setPlayOrder(Settings.PlayOrder);
}

void StartupController::findDemoShow()
{
    TSettingsRecord& Settings = state().settings.Settings;
    StartContext& start = state().start;
    const DataPaths& paths = m_state.paths;
    // Demo mode: the automatic show on the drive the program runs from.
    if (start.DemoMode && !Settings.AutoShowPath.isEmpty()) {
        Settings.AutoShowPath = onCurrentDrive(Settings.AutoShowPath, paths.StartDirectory);
        if (QFileInfo::exists(Settings.AutoShowPath)) {
            start.DemoShowFolder = QFileInfo(Settings.AutoShowPath).path();
            if (!platform::IsMountPoint(start.DemoShowFolder))
                start.DemoShowFolder += QLatin1Char('/');
        }
    }
}

void StartupController::createDataFiles()
{
    TSettingsRecord& Settings = state().settings.Settings;
    const StartContext& start = state().start;
    DataPaths& paths = m_state.paths;
    // Data folders and files, the additional settings, program lists.
    if (!start.DemoMode) {
        const TDataFilesResult files =
            CreateMissingDataFiles(paths, ReadXdgFolders().music, paths.StartDirectory);
        for (const QString& message : files.FolderMessages)
            platform::showMessage(PromptKind::Plain, message);
        if (!files.FolderMessages.isEmpty()) {
            // The program ends once the event loop runs; it leaves no marker.
            endStartWithoutMarker();
        }
        if (!files.FileError.ok())
            platform::showMessage(PromptKind::Error, files.FileError.Message);
        m_folderTree.Exclusions.ExclusionsChanged = 1;

        state().settings.LoadAddSettings(paths.AddSettingsPath, SettingsVersion, state().start,
                                         m_state.environment.UploaderPath);
        ApplyUploadCaptions();
        CompactProgramList(Settings.VideoPrograms);
        CompactProgramList(Settings.EditPrograms);
        const QString hint = Settings.EditPrograms[0].isEmpty()
                                 ? QStringLiteral("Launch Edit Program, Define in Options")
                                 : QStringLiteral("Launch ") + QFileInfo(Settings.EditPrograms[0]).fileName();
        m_actions.RunExeMyShowTB->setToolTip(hint);
        m_actions.RunExeToolButton->setToolTip(hint);
        openStartupFolder();
    }
}

void StartupController::takeSettingsSnapshot()
{
    // The settings as read (the base of the merge at close), the show
    // button's hint and the keyboard hook.
    if (!state().start.DemoMode) {
        state().settings.ReadSettingsSnapshot(m_state.paths.SettingsFileName);
        m_actions.ToolButton1->setToolTip(QStringLiteral("Start Slide Show from selected folder - Full screen"));
        emit KeyboardHookRequested();
    }
}

void StartupController::sizeWindowAtStart()
{
    // The designed bounds are taken before anything moves.
    emit ControlBoundsRequested();
    const QScreen* screen = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const int screenWidth = StartScreenWidth(screen);
    const bool hidden = state().settings.Settings.MyShowHidden == 1;
    m_widgets.ToolBar1->resize(401, m_widgets.ToolBar1->height());
    if (screenWidth == 800) {
        // The window fills the work area (400 wide and centred with the
        // MyShow panel hidden); once framed it is fitted again.
        emit WorkAreaFitRequested();
    } else {
        const int w = hidden ? 400 : 800, h = 600;
        m_window.setGeometry(avail.x() + (avail.width() - w) / 2, avail.y() + (avail.height() - h) / 2, w, h);
    }
}

void StartupController::openStartupFolder()
{
    TSettingsRecord& Settings = state().settings.Settings;
    // The start-up folder: kept when its volume is merely not mounted, with a
    // message after the windows are up; the tree then opens the system drive.
    const QString folder = Settings.StartupFolder;
    QString openAt = folder;
    if (!folder.isEmpty()) {
        const QChar letter = platform::DriveLetterOf(folder);
        const QString drive = letter.isNull() ? QStringLiteral("C") : QString(letter);
        if (!QFileInfo(folder).isDir()) {
            // A volume that is not mounted has no letter: it is named by the
            // place it mounts at.
            const QString volume = UnmountedVolumeOf(folder);
            if (!volume.isEmpty())
                state().start.StartupMessage = QStringLiteral("Drive ") + volume + QStringLiteral(": not ready") +
                                 QStringLiteral(", could not open Default start-up folder ") + folder +
                                 QStringLiteral(".");
            else
                state().start.StartupMessage = QStringLiteral("Default start-up folder doesn't exist on ") + drive +
                                 QStringLiteral(":, could not open ") + folder + QStringLiteral(".");
            openAt = QStringLiteral("/");
        }
    } else {
        const QChar letter = QChar::fromLatin1(Settings.StartupDrive);
        const auto drive = letter.isLetter() ? platform::driveByLetter(letter) : std::nullopt;
        openAt = drive && platform::DriveReady(letter) ? drive->mountPoint : QStringLiteral("/");
    }
    m_folderTree.SelectedFolder = openAt;
    m_folderTree.FolderToOpen = openAt;
    emit FolderOrShowRequested();
}

void StartupController::applyStartFonts()
{
    ApplyFontFamily(&m_window, m_state.environment.UIFontName);
}

void StartupController::WindowShown(bool spontaneous)
{
    if (state().start.DemoMode && !spontaneous)
        m_autoCdRunTimer->start();
}

void StartupController::TimerAutoCDRunTimer()
{
    m_window.hide();
    m_autoCdRunTimer->stop();
    // The automatic show window takes the focus. Without one the demo has
    // nothing to show, and an invisible program would only linger: it ends.
    AutoShowOfferWindow* const demoShowWindow = m_demoShowWindow;
    if (demoShowWindow && demoShowWindow->isVisible()) {
        demoShowWindow->activateWindow();
        demoShowWindow->setFocus();
    } else {
        m_window.close();
    }
}

void StartupController::UpdateUploadButtonGlyph()
{
    m_showPreview.setUploadGlyphs(UploadGlyph, UploadGlyphGrey);
}

void StartupController::ApplyUploadCaptions()
{
    const TAddSettingsRecord& AddSettings = state().settings.AddSettings;
    if (!AddSettings.UploaderPath.isEmpty()) {
        const TUploadCaptions c = UploadCaptionsFor(AddSettings.UploaderPath);
        if (m_actions.UploadPicture)
            m_actions.UploadPicture->setText(c.UploadPicture);
        if (m_actions.Upload)
            m_actions.Upload->setText(c.UploadPicture);
        if (QAction* b = m_window.findChildren<QAction*>(QStringLiteral("UploadB")).value(0))
            b->setText(c.UploadB);
        m_showPreview.setUploadHint(c.UploadSpHint);
        const QIcon icon = platform::ProgramIcon(AddSettings.UploaderPath);
        if (!icon.isNull()) {
            platform::ReplaceImageListIcon(platform::ImageListId::MenuIL, 130, icon);
            UploadGlyph = icon.pixmap(16, 16);
            UploadGlyphGrey = UploadGlyph;
            GrayscaleBitmap(UploadGlyphGrey);
        }
    }
    UpdateUploadButtonGlyph();
}
