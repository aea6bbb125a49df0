// The main window's slide show commands: the play options in effect, the
// launcher for a command-line argument, the least play of a folder or a show.
#include "app/tform1.h"

#include "base/data_folder.h"
#include "base/picture_table.h"
#include "base/start_args.h"
#include "base/settings_record.h"
#include "browse/file_ops_controller.h"
#include "browse/fit_zoom.h"
#include "browse/list_menus_section.h"
#include "browse/picture_display.h"
#include "browse/picture_display_section.h"
#include "browse/folder_tree_widget.h"
#include "browse/recent_lists.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "shows/show_windows.h"
#include "slideshow/auto_show_windows.h"
#include "slideshow/launcher_window.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"
#include "browse/page_layouts.h"
#include "browse/thumbnail_page_section.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

void TForm1::ApplyShowOptions()
{
    ::ApplyShowOptions(m_state.session, state().settings.Settings);
}

void TForm1::ShowAddAllDialog()
{
    TPlayOptions& PlayOptions = m_state.session.PlayOptions;
    const QString SelectedFolder = folderTree()->SelectedFolder;
    ApplyShowOptions();
    Timer1->stop();
    if (state().start.ArgumentMode) {
        TForm34 launcher(SelectedFolder, m_state.paths.RCSettingsPath, this);
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
            state().start.OpenNormally = 1;
            break;
        default:
            close();
            break;
        }
        return;
    }
    if (!m_folderPictureWindow)
        m_folderPictureWindow = new TForm20(this);
    TForm20* const Form20 = m_folderPictureWindow;
    Form20->SetFolder(SelectedFolder);
    if (Form20->Run(m_state.session.PlayOptions) == 1)
        CollectPictures();
}

void TForm1::CollectPictures()
{
    std::vector<TPictureEntry>& PictureTable = m_state.session.PictureTable;
    const QString SelectedFolder = folderTree()->SelectedFolder;
    m_state.session.CollectionProgressCounter = 0;
    const QStringList pictures = CollectFolderPictures(m_state.paths, folderTree()->Exclusions, SelectedFolder,
                                                       m_state.session.PlayOptions, m_state.start.DemoMode != 0);
    GrowSelectionList(int32_t(pictures.size()), true, m_state.session);
    for (int i = 0; i < pictures.size(); ++i) {
        PictureTable[size_t(i)] = TPictureEntry{};
        PictureTable[size_t(i)].FullPath = pictures[i];
        PictureTable[size_t(i)].RecordIndex = i;
    }
    m_state.session.PictureCount = int32_t(pictures.size());
    if (pictures.isEmpty()) {
        if (state().start.ArgumentMode) {
            platform::showMessage(platform::PromptKind::Information,
                                  QStringLiteral("No pictures found in ") + SelectedFolder);
            close();
        } else {
            platform::showMessage(platform::PromptKind::Information,
                                  QStringLiteral("No pictures found in ") + SelectedFolder);
        }
        return;
    }
    m_openShow.SourceIsShow = 0;
    m_state.session.ShowSourcePath = SelectedFolder;
    PlayPictures(pictures);
}

void TForm1::BuildAndStartShow()
{
    TPlayOptions& PlayOptions = m_state.session.PlayOptions;
    QString& ShowSourcePath = m_state.session.ShowSourcePath;
    // The source: a show file given as the automatic show path (a show-file
    // argument), else the open show, else the selected folder.
    QStringList pictures;
    const QString autoShow = state().settings.Settings.AutoShowPath;
    if (state().start.ArgumentMode && state().start.ShowFileArgument && QFileInfo(autoShow).isFile()) {
        // A show file given on the command line plays with the launcher's choices.
        ApplyShowOptions();
        const TRCSettingsRecord choices = ReadRCSettings(m_state.paths.RCSettingsPath);
        PlayOptions.PlayOrder = choices.PlayOrder;
        PlayOptions.ContinuousPlay = choices.Loop;
        m_state.session.ShowState.LoopFlag = choices.Loop;
        pictures = ReadShowPicturePaths(autoShow);
        m_state.session.ShowState.PlaysOwnShowFile = true;
        ShowSourcePath = autoShow;
    } else if (m_openShow.ShowFile.IsOpen() && OpenShowCount(m_openShow) > 0 && MyShowSG->isVisible()) {
        pictures = ReadShowPicturePaths(m_openShow.ShowFile.Path());
        m_openShow.SourceIsShow = 1;
        ShowSourcePath = m_openShow.NamedShowOpen == 1 ? m_openShow.OpenShowPath : QString();
    } else {
        ApplyShowOptions();
        pictures = CollectFolderPictures(m_state.paths, folderTree()->Exclusions, folderTree()->SelectedFolder,
                                         PlayOptions, m_state.start.DemoMode != 0);
        ShowSourcePath = folderTree()->SelectedFolder;
    }
    const TShowPictures existing = ShowPicturesToPlay(pictures);
    if (existing.Paths.isEmpty()) {
        platform::showMessage(platform::PromptKind::Information, QStringLiteral("No pictures to show"));
        if (state().start.ArgumentMode)
            close();
        return;
    }
    PlayPictures(existing.Paths, existing.Records);
}

void TForm1::PlayPictures(const QStringList& Pictures, const QList<int>& Records)
{
    TPlayOptions& PlayOptions = m_state.session.PlayOptions;
    TShowState& ShowState = m_state.session.ShowState;
    QString& ShowSourcePath = m_state.session.ShowSourcePath;
    if (!m_showWindow) {
        m_showWindow = new TForm9(state());
        m_windowsMadeHere << m_showWindow.data();
    }
    TForm9* const Form9 = m_showWindow;
    // "Stop Slide Show" (also what a close during a show triggers).
    if (ToolButton2)
        connect(ToolButton2, &QAction::triggered, this, &TForm1::ToolButton2Click, Qt::UniqueConnection);
    m_state.session.PlaybackActive = 1;
    // The show's source (a folder or a show file) goes to the top of the
    // recent list.
    if (!ShowSourcePath.isEmpty()) {
        ListMenusSect->RecentCandidate = ShowSourcePath;
        AddToRecentFolders();
    }
    StoreLastShowRecord(state().settings.Settings, m_state.session.ShowSourcePath, m_state.session.AutoShowRunning == 1,
                        state().start.DemoMode || state().start.ArgumentMode);
    ShowSourcePath.clear();
    // The play options of this show.
    ShowState.CurrentInterval = PlayOptions.IntervalSeconds;
    ShowState.DefaultInterval = PlayOptions.IntervalSeconds;
    ShowState.EnlargeLimit = PlayOptions.MaxEnlargePercent;
    ShowState.SkipUnreadable = PlayOptions.IgnoreErrors;
    ShowState.TitleOption = PlayOptions.ShowTitles;
    ShowState.PlayOrder = PlayOptions.PlayOrder;
    ShowState.ManualMode = false;
    pictureDisplay()->displayState().LastLoadFailed = 0;
    pictureDisplay()->displayState().LastFailedIndex = -1;
    pictureDisplay()->displayState().ConsecutiveLoadFailures = 0;
    state().session.CutOutCount = 0;
    // Each step of the full-screen window puts its picture on the screen
    // through the display step; the step arms IntervalTimer for the next.
    QPointer<TForm1> self(this);
    Form9->DisplayStep = [self] {
        if (self)
            self->DisplayCurrentPicture();
    };
    Form9->PrefetchPicture = [self](int index) {
        if (self)
            self->pictureDisplay()->PrefetchShowPicture(index);
    };
    Form9->CutOutShown = [self] {
        if (self) {
            self->SetPictureMenuCaptions();
            self->UpdatePictureStatus();
        }
    };
    Form9->RestartShow = [self] {
        if (self)
            self->RestartShow();
    };
    Form9->WheelTurn = [self](int delta) {
        if (self)
            self->input()->FormMouseWheel(delta);
    };
    // The tool bar's show buttons and their twins on the full-screen
    // window's panel carry the hints of a running show.
    layouts()->SetShowRunningHints();
    if (RunExeToolButton && !RunExeToolButton->toolTip().isEmpty())
        Form9->SetEditButtonHint(RunExeToolButton->toolTip());
    Form9->IntervalTimer = IntervalTimer;
    if (IntervalTimer) {
        IntervalTimer->stop();
        connect(IntervalTimer, &QTimer::timeout, Form9, &TForm9::IntervalTimerTimer, Qt::UniqueConnection);
    }
    // The date orders date every picture first (EXIF date taken, else the
    // file date); otherwise each picture is dated when its title is made.
    QList<double> dates;
    if (PlayOrderByDate(PlayOptions.PlayOrder)) {
        dates.reserve(Pictures.size());
        for (const QString& picture : Pictures)
            dates << ShowPictureDate(picture);
    }
    const QList<int> order = BuildPlayOrder(Pictures, dates, PlayOptions.PlayOrder,
                                            quint32(QDateTime::currentMSecsSinceEpoch()));
    const bool continuous = PlayOptions.ContinuousPlay == 1 || ShowState.LoopFlag == 1;
    // The thumbnail-view start plays the pictures as pages in the main window.
    if (thumbnailPage()->PageStartRequested && PageLayoutFromSetting(state().settings.Settings.PicturesPerPageIndex) >= 1
        && !state().start.DemoMode && !state().start.ArgumentMode && m_state.session.AutoShowRunning != 1) {
        Form9->SetPictureTable(Pictures, Records, dates);
        if (thumbnailPage()->StartPageShowIfWanted(order, continuous))
            return;
    }
    thumbnailPage()->PageStartRequested = false;
    // The pictures become the picture table that the display step reads.
    Form9->Play(Pictures, order, PlayOptions.IntervalSeconds * 1000, continuous, PlayOptions.ShowTitles == 1,
                [self] {
        if (self)
            self->EndShow();
    }, Records, dates);
}

void TForm1::EndShow()
{
    TForm13* const Form13 = m_demoShowWindow;
    TForm9* const Form9 = m_showWindow;
    if (Form9 && Form9->isVisible()) {
        Form9->StopSlideShow(); // reports back here once more; nothing left to do then
        return;
    }
    if (IntervalTimer) {
        IntervalTimer->stop();
        if (Form9)
            disconnect(IntervalTimer, &QTimer::timeout, Form9, &TForm9::IntervalTimerTimer);
    }
    m_state.session.PlaybackActive = 0;
    m_state.session.ShowState.Direction = 0;
    if (thumbnailPage()->PageView)
        thumbnailPage()->PageView->EndPageShow();
    if (IntervalTimer && thumbnailPage()->PageView)
        disconnect(IntervalTimer, &QTimer::timeout, thumbnailPage()->PageView, &ThumbnailPageController::IntervalTimerTimer);
    m_state.session.ShowState.PlaysOwnShowFile = false;
    // The picture's own sound ends with the show.
    sound()->ReleaseVoiceFile();
    layouts()->SetShowStoppedHints();
    m_state.session.AutoShowRunning = 0;
    layouts()->RestoreBrowseView();
    // A demo start offers its show again.
    if (state().start.DemoMode && Form13) {
        Form13->show();
        Form13->raise();
    }
    if (StatusPanel1)
        StatusPanel1->setText(QStringLiteral("Slide show ended!"));
    // Pictures of the folder were moved, renamed or deleted during the show:
    // the tree reads the folder again.
    FileOperationsController* fileOps = FileOperationsController::Of(this);
    if (state().session.SourceIsFolder == 1 && fileOps && fileOps->FolderChangedDuringShow == 1
        && !folderTree()->SelectedFolder.isEmpty()) {
        fileOps->FolderChangedDuringShow = 0;
        folderTree()->FolderToOpen = folderTree()->SelectedFolder;
        folderTree()->KeepListEntry = 1;
        OpenFolderOrShow();
    }
    // A start with an argument has no window to come back to.
    if (m_state.session.CloseAfterShowPending == 1 || (state().start.ArgumentMode && !isVisible())) {
        m_state.session.CloseAfterShowPending = 0;
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

void TForm1::ToolButton2Click()
{
    EndShow();
}

void TForm1::PauseShow()
{
    TForm9* const Form9 = m_showWindow;
    if (thumbnailPage()->PageShowRuns()) {
        thumbnailPage()->PagePause();
        return;
    }
    if (Form9 && Form9->isVisible() && !Form9->Paused())
        Form9->TogglePause();
}

bool TForm1::InManualMode() const
{
    return m_state.session.ShowState.ManualMode || m_state.session.ShowState.Direction == 0;
}
