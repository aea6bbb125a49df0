// The main window's slide show: the play options in effect, the launcher
// for a command-line argument, the play of a folder or a show, its end.
#include "slideshow/slide_show_controller.h"

#include "base/program_state.h"
#include "base/data_folder.h"
#include "base/picture_table.h"
#include "base/named_timer.h"
#include "base/start_args.h"
#include "base/settings_record.h"
#include "browse/file_ops_controller.h"
#include "browse/fit_zoom.h"
#include "browse/picture_display.h"
#include "browse/folder_tree_widget.h"
#include "browse/recent_lists.h"
#include "browse/show_dates.h"
#include "platform/designed_widgets.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "shows/show_windows.h"
#include "slideshow/launcher_window.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "browse/page_layouts.h"
#include "browse/thumbnail_page_section.h"
#include "browse/thumbnail_page_controller.h"
#include "browse/folder_tree_state.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

SlideShowController::SlideShowController(QWidget& window, ProgramState& state, OpenShow& openShow, WindowMakers makers)
    : QObject(&window), m_window(window), m_state(state), m_openShow(openShow), m_makers(std::move(makers)),
      m_intervalTimer(MakeNamedTimer(this, "IntervalTimer", 1000, false)), m_dates(new ShowDateReader(this))
{
    connect(m_dates, &ShowDateReader::progress, this, &SlideShowController::ShowDateProgress);
    connect(m_dates, &ShowDateReader::finished, this, &SlideShowController::StartDatedPlay);
    m_lister = new FolderPictureLister(this);
    connect(m_lister, &FolderPictureLister::listed, this, &SlideShowController::PlayCollected);
}

SlideShowController::~SlideShowController() = default;

void SlideShowController::SetWidgets(const Widgets& widgets)
{
    m_items = widgets;
    m_actions = {.ToolButton2 = platform::ActionNamed(m_window, "ToolButton2"),
                 .RunExeToolButton = platform::ActionNamed(m_window, "RunExeToolButton")};
}

void SlideShowController::SetParts(const Parts& parts) { m_parts = parts; }

void SlideShowController::SetShowWindow(ShowWindow* window) { m_showWindow = window; }

void SlideShowController::SetFileOperations(FileOperationsController* fileOps) { m_fileOps = fileOps; }

ShowWindow* SlideShowController::showWindowMade()
{
    if (!m_showWindow)
        m_showWindow = m_makers.MakeShowWindow();
    return m_showWindow;
}

void SlideShowController::ApplyShowOptions()
{
    ::ApplyShowOptions(m_state.session, m_state.settings.Settings);
}

void SlideShowController::ShowAddAllDialog()
{
    TPlayOptions& PlayOptions = m_state.session.PlayOptions;
    const QString SelectedFolder = m_parts.Tree->SelectedFolder;
    ApplyShowOptions();
    m_items.Timer1->stop();
    if (m_state.start.ArgumentMode) {
        ShowLauncherDialog launcher(SelectedFolder, m_state.paths.RCSettingsPath, &m_window);
        switch (launcher.Run()) {
        case LauncherPlay: {
            const TRCSettingsRecord choices = launcher.Choices();
            PlayOptions.IncludeSubfolders = choices.IncludeSubfolders;
            PlayOptions.PlayOrder = choices.PlayOrder;
            m_state.session.ShowState.LoopFlag = choices.Loop;
            PlayOptions.ContinuousPlay = choices.Loop;
            CollectPictures();
            break;
        }
        case LauncherNormal:
            m_state.start.OpenNormally = 1;
            break;
        default:
            m_window.close();
            break;
        }
        return;
    }
    FolderPictureChooser* const Form20 = m_makers.MakeFolderPictureChooser();
    Form20->SetFolder(SelectedFolder);
    if (Form20->Run(m_state.session.PlayOptions) == 1)
        CollectPictures();
}

void SlideShowController::CollectPictures()
{
    const QString SelectedFolder = m_parts.Tree->SelectedFolder;
    m_state.session.CollectionProgressCounter = 0;
    // Whether the pictures play as pages is asked now; the listing answers later.
    m_collectPageStart = m_parts.Page->PageStartRequested;
    // One folder is listed on a worker; a folder tree is walked here, with
    // the window answering between its folders.
    if (!m_state.session.PlayOptions.IncludeSubfolders) {
        m_lister->List(SelectedFolder, m_state.session.PlayOptions);
        return;
    }
    PlayCollected(SelectedFolder,
                  CollectFolderPictures(m_state.paths, m_parts.Tree->Exclusions, SelectedFolder,
                                        m_state.session.PlayOptions, m_state.start.DemoMode != 0));
}

void SlideShowController::PlayCollected(const QString& SelectedFolder, const QStringList& pictures)
{
    std::vector<TPictureEntry>& PictureTable = m_state.session.PictureTable;
    GrowSelectionList(int32_t(pictures.size()), true, m_state.session);
    for (int i = 0; i < pictures.size(); ++i) {
        PictureTable[size_t(i)] = TPictureEntry{};
        PictureTable[size_t(i)].FullPath = pictures[i];
        PictureTable[size_t(i)].RecordIndex = i;
    }
    m_state.session.PictureCount = int32_t(pictures.size());
    if (pictures.isEmpty()) {
        if (m_state.start.ArgumentMode) {
            platform::showMessage(platform::PromptKind::Information,
                                  QStringLiteral("No pictures found in ") + SelectedFolder);
            m_window.close();
        } else {
            platform::showMessage(platform::PromptKind::Information,
                                  QStringLiteral("No pictures found in ") + SelectedFolder);
        }
        return;
    }
    m_openShow.SourceIsShow = 0;
    m_state.session.ShowSourcePath = SelectedFolder;
    m_parts.Page->PageStartRequested = m_collectPageStart;
    PlayPictures(pictures);
}

void SlideShowController::BuildAndStartShow()
{
    TPlayOptions& PlayOptions = m_state.session.PlayOptions;
    QString& ShowSourcePath = m_state.session.ShowSourcePath;
    // The source: a show file given as the automatic show path (a show-file
    // argument), else the open show, else the selected folder.
    QStringList pictures;
    const QString autoShow = m_state.settings.Settings.AutoShowPath;
    if (m_state.start.ArgumentMode && m_state.start.ShowFileArgument && QFileInfo(autoShow).isFile()) {
        // A show file given on the command line plays with the launcher's choices.
        ApplyShowOptions();
        const TRCSettingsRecord choices = ReadRCSettings(m_state.paths.RCSettingsPath);
        PlayOptions.PlayOrder = choices.PlayOrder;
        PlayOptions.ContinuousPlay = choices.Loop;
        m_state.session.ShowState.LoopFlag = choices.Loop;
        pictures = ReadShowPicturePaths(autoShow);
        m_state.session.ShowState.PlaysOwnShowFile = true;
        ShowSourcePath = autoShow;
    } else if (m_openShow.ShowFile.IsOpen() && OpenShowCount(m_openShow) > 0 && m_items.MyShowSG->isVisible()) {
        pictures = ReadShowPicturePaths(m_openShow.ShowFile.Path());
        m_openShow.SourceIsShow = 1;
        // The open show plays in its own play order (ShowPlayOrderCB).
        PlayOptions.PlayOrder = ShowPlayOrderInEffect(m_openShow.PlayOrder, m_state.settings.Settings.PlayOrder);
        ShowSourcePath = m_openShow.NamedShowOpen == 1 ? m_openShow.OpenShowPath : QString();
    } else {
        ApplyShowOptions();
        pictures = CollectFolderPictures(m_state.paths, m_parts.Tree->Exclusions, m_parts.Tree->SelectedFolder,
                                         PlayOptions, m_state.start.DemoMode != 0);
        ShowSourcePath = m_parts.Tree->SelectedFolder;
    }
    const TShowPictures existing = ShowPicturesToPlay(pictures);
    if (existing.Paths.isEmpty()) {
        platform::showMessage(platform::PromptKind::Information, QStringLiteral("No pictures to show"));
        if (m_state.start.ArgumentMode)
            m_window.close();
        return;
    }
    PlayPictures(existing.Paths, existing.Records);
}

void SlideShowController::ResetShowState()
{
    TPlayOptions& PlayOptions = m_state.session.PlayOptions;
    TShowState& ShowState = m_state.session.ShowState;
    ShowState.CurrentInterval = PlayOptions.IntervalSeconds;
    ShowState.DefaultInterval = PlayOptions.IntervalSeconds;
    ShowState.EnlargeLimit = PlayOptions.MaxEnlargePercent;
    ShowState.SkipUnreadable = PlayOptions.IgnoreErrors;
    ShowState.TitleOption = PlayOptions.ShowTitles;
    ShowState.PlayOrder = PlayOptions.PlayOrder;
    if (m_showWindow)
        m_showWindow->SetManualMode(false);
    m_parts.Display->LastLoadFailed = 0;
    m_parts.Display->LastFailedIndex = -1;
    m_parts.Display->ConsecutiveLoadFailures = 0;
    m_state.session.CutOutCount = 0;
}

void SlideShowController::WireShowWindow(ShowWindow* showWindow)
{
    // Each step of the full-screen window puts its picture on the screen
    // through the display step; the step arms IntervalTimer for the next.
    connect(showWindow, &ShowWindow::displayStepWanted, this, &SlideShowController::displayStepWanted,
            Qt::UniqueConnection);
    connect(showWindow, &ShowWindow::decodeAheadWanted, this, &SlideShowController::decodeAheadWanted,
            Qt::UniqueConnection);
    // A cut-out in a show is this controller's to tell (in place of what a
    // full view before wanted).
    disconnect(showWindow, &ShowView::cutOutShown, nullptr, nullptr);
    connect(showWindow, &ShowView::cutOutShown, this, &SlideShowController::cutOutShown);
    connect(showWindow, &ShowWindow::restartWanted, this, &SlideShowController::restartWanted, Qt::UniqueConnection);
    connect(showWindow, &ShowWindow::wheelTurned, this, &SlideShowController::wheelTurned, Qt::UniqueConnection);
    // The tool bar's show buttons and their twins on the full-screen
    // window's panel carry the hints of a running show.
    emit showStarting();
    if (m_actions.RunExeToolButton && !m_actions.RunExeToolButton->toolTip().isEmpty())
        showWindow->SetEditButtonHint(m_actions.RunExeToolButton->toolTip());
    showWindow->IntervalTimer = m_intervalTimer;
    if (m_intervalTimer) {
        m_intervalTimer->stop();
        connect(m_intervalTimer, &QTimer::timeout, showWindow, &ShowWindow::IntervalTimerTimer, Qt::UniqueConnection);
    }
}

void SlideShowController::PlayPictures(const QStringList& Pictures, const QList<int>& Records)
{
    TPlayOptions& PlayOptions = m_state.session.PlayOptions;
    QString& ShowSourcePath = m_state.session.ShowSourcePath;
    ShowWindow* const showWindow = showWindowMade();
    // "Stop Slide Show" (also what a close during a show triggers).
    if (m_actions.ToolButton2)
        connect(m_actions.ToolButton2, &QAction::triggered, this, &SlideShowController::ToolButton2Click, Qt::UniqueConnection);
    m_state.session.PlaybackActive = 1;
    // The end of the show before is no news for this one.
    if (m_items.StatusPanel1 && m_items.StatusPanel1->text() == QLatin1String("Slide show ended!"))
        m_items.StatusPanel1->clear();
    // The show's source (a folder or a show file) goes to the top of the
    // recent list.
    if (!ShowSourcePath.isEmpty())
        emit sourceStarted(ShowSourcePath);
    StoreLastShowRecord(m_state.settings.Settings, m_state.session.ShowSourcePath, m_state.session.AutoShowRunning == 1,
                        m_state.start.DemoMode || m_state.start.ArgumentMode);
    ShowSourcePath.clear();
    ResetShowState();
    WireShowWindow(showWindow);
    // The date orders date every picture first (EXIF date taken, else the
    // file date), on workers; the window answers meanwhile and Escape ends
    // the show before it starts. Otherwise each picture is dated when its
    // title is made.
    if (PlayOrderByDate(PlayOptions.PlayOrder)) {
        m_datedPlay = {Pictures, Records, m_parts.Page->PageStartRequested};
        m_dates->Read(Pictures);
        return;
    }
    StartPlay(Pictures, Records, {});
}

void SlideShowController::ShowDateProgress(int done, int total)
{
    if (m_items.StatusPanel1 && done < total)
        m_items.StatusPanel1->setText(QStringLiteral("Reading the pictures' dates: ") + QString::number(done)
                                      + QStringLiteral(" of ") + QString::number(total));
}

void SlideShowController::StartDatedPlay(const QList<double>& dates)
{
    const DatedPlay play = std::move(m_datedPlay);
    m_datedPlay = {};
    if (m_state.session.PlaybackActive != 1)
        return;
    if (m_items.StatusPanel1)
        m_items.StatusPanel1->clear();
    // Whether the pictures play as pages was asked when the show was started.
    m_parts.Page->PageStartRequested = play.pageStart;
    StartPlay(play.pictures, play.records, dates);
}

void SlideShowController::StartPlay(const QStringList& Pictures, const QList<int>& Records, const QList<double>& dates)
{
    TPlayOptions& PlayOptions = m_state.session.PlayOptions;
    ShowWindow* const showWindow = showWindowMade();
    const QList<int> order = BuildPlayOrder(Pictures, dates, PlayOptions.PlayOrder,
                                            quint32(QDateTime::currentMSecsSinceEpoch()));
    const bool continuous = PlayOptions.ContinuousPlay == 1 || m_state.session.ShowState.LoopFlag == 1;
    // The thumbnail-view start plays the pictures as pages in the main window.
    if (m_parts.Page->PageStartRequested && PageLayoutFromSetting(m_state.settings.Settings.PicturesPerPageIndex) >= 1
        && !m_state.start.DemoMode && !m_state.start.ArgumentMode && m_state.session.AutoShowRunning != 1) {
        showWindow->SetPictureTable(Pictures, Records, dates);
        if (m_parts.Page->StartPageShowIfWanted(order, continuous))
            return;
    }
    m_parts.Page->PageStartRequested = false;
    // The pictures become the picture table that the display step reads.
    QPointer<SlideShowController> self(this);
    showWindow->Play(Pictures, order, PlayOptions.IntervalSeconds * 1000, continuous, PlayOptions.ShowTitles == 1,
                [self] {
        if (self)
            self->EndShow();
    }, Records, dates);
}

void SlideShowController::EndShow()
{
    // A show still dating its pictures ends before it started.
    if (m_dates->Reading()) {
        m_dates->Cancel();
        m_datedPlay = {};
        m_parts.Page->PageStartRequested = false;
    }
    ShowWindow* const showWindow = m_showWindow;
    if (showWindow && showWindow->isVisible()) {
        showWindow->StopSlideShow(); // reports back here once more; nothing left to do then
        return;
    }
    if (m_intervalTimer) {
        m_intervalTimer->stop();
        if (showWindow)
            disconnect(m_intervalTimer, &QTimer::timeout, showWindow, &ShowWindow::IntervalTimerTimer);
    }
    m_state.session.PlaybackActive = 0;
    if (showWindow)
        showWindow->HaltShow();
    if (m_parts.Page->PageView)
        m_parts.Page->PageView->EndPageShow();
    if (m_intervalTimer && m_parts.Page->PageView)
        disconnect(m_intervalTimer, &QTimer::timeout, m_parts.Page->PageView, &ThumbnailPageController::IntervalTimerTimer);
    m_state.session.ShowState.PlaysOwnShowFile = false;
    // The picture's own sound ends with the show.
    emit showEnding();
    m_state.session.AutoShowRunning = 0;
    emit showEnded();
    // A demo start offers its show again.
    if (m_state.start.DemoMode)
        emit demoShowOfferWanted();
    if (m_items.StatusPanel1)
        m_items.StatusPanel1->setText(QStringLiteral("Slide show ended!"));
    // Pictures of the folder were moved, renamed or deleted during the show:
    // the tree reads the folder again.
    FileOperationsController* const fileOps = m_fileOps;
    if (m_state.session.SourceIsFolder == 1 && fileOps && fileOps->FolderChangedDuringShow == 1
        && !m_parts.Tree->SelectedFolder.isEmpty()) {
        fileOps->FolderChangedDuringShow = 0;
        m_parts.Tree->FolderToOpen = m_parts.Tree->SelectedFolder;
        m_parts.Tree->KeepListEntry = 1;
        emit folderReopenWanted();
    }
    // A start with an argument has no window to come back to.
    if (m_state.session.CloseAfterShowPending == 1 || (m_state.start.ArgumentMode && !m_window.isVisible())) {
        m_state.session.CloseAfterShowPending = 0;
        QTimer::singleShot(0, &m_window, [window = &m_window] { window->close(); });
    }
}

void SlideShowController::ToolButton2Click()
{
    EndShow();
}

void SlideShowController::PauseShow()
{
    ShowWindow* const showWindow = m_showWindow;
    if (m_parts.Page->PageShowRuns()) {
        m_parts.Page->PagePause();
        return;
    }
    if (showWindow && showWindow->isVisible() && !showWindow->Paused())
        showWindow->TogglePause();
}

bool SlideShowController::InManualMode() const
{
    return m_state.session.ShowState.ManualMode || m_state.session.ShowState.Direction == 0;
}
