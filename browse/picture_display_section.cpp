// The main window's picture display section: the display step of the slide
// show on the main window and the full-screen window, the picture commands
// and the title of the shown picture.
#include "browse/picture_display_section.h"

#include "base/picture_table.h"
#include "base/program_state.h"
#include "base/settings_record.h"
#include "base/file_helpers.h"
#include "base/named_timer.h"
#include "base/start_args.h"
#include "browse/drive_menu.h"
#include "browse/recent_lists.h"
#include "shows/show_windows.h"
#include "browse/fit_zoom.h"
#include "browse/fit_zoom_handler.h"
#include "browse/folder_pictures.h"
#include "browse/page_selection.h"
#include "browse/picture_display.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "browse/picture_slot_decoder.h"
#include "formats/read_exif_info.h"
#include "platform/designed_widgets.h"
#include "platform/file_attributes.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/prompt.h"
#include "shows/show_file.h"
#include "sound/sound_controller.h"
#include "sound/sound_state.h"
#include "browse/fit_zoom_section.h"
#include "browse/show_view.h"

#include <QAction>
#include <QWidget>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QToolBar>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

void enableItem(QAction* action, bool on)
{
    if (action)
        action->setEnabled(on);
}

bool fullScreenVisible(const ShowView* showView) { return showView && showView->isVisible(); }

bool ReadShowRecordOf(platform::RecordFile& file, qint64 index, TShowRecord& out, QString* error);

// The show file the running show plays itself: the show-file argument, or
// the recent or favourite entry that was started.
QString RunningShowFilePath(const StartContext& start, const TSettingsRecord& Settings,
                            const QString& startedListEntry)
{
    return start.ArgumentMode && start.ShowFileArgument ? Settings.AutoShowPath : startedListEntry;
}

bool validIndex(const ShowSession& session, int index)
{
    return index >= 0 && index < session.PictureCount && index < int(session.PictureTable.size());
}

// The one-shot no-limit byte lets the fit enlarge freely.
int displayLimit(const ShowSession& session)
{
    return session.ShowState.NoLimitOnce ? 9999 : session.ShowState.EnlargeLimit;
}

// The display step's hand-offs to the real windows, the show and the sound.
class SectionStepHost : public DisplayStepHost {
public:
    SectionStepHost(PictureDisplaySection* section, const QPointer<ShowView>& showView, SoundController& sound,
                     const PictureDisplayWidgets& w, ShowSession& session)
        : m_s(section), m_showView(showView), m_sound(sound), m_w(w), m_session(session)
    {
    }

    ShowNow Now() const override
    {
        ShowNow now;
        now.pictureCount = m_session.PictureCount;
        now.fullScreenVisible = fullScreenVisible(m_showView.data());
        now.showRuns = m_session.PlaybackActive == 1;
        now.fullView = m_session.FullViewActive != 0;
        now.manualMode = m_session.ShowState.ManualMode;
        now.skipUnreadable = m_session.ShowState.SkipUnreadable != 0;
        now.direction = m_session.ShowState.Direction;
        return now;
    }

    void BeforeStep() override
    {
        if (ShowView* const showView = m_showView.data())
            showView->SetPictureButtonsEnabled(false);
    }
    void ThumbnailStep() override
    {
        if (PageSelection* page = m_s->page())
            page->LoadPageFromCurrent();
    }
    void SetBookmarkMenuState(const QString& key) override { m_s->SetBookmarkMenuState(key); }
    void ShowTitleLabelByOption() override
    {
        if (ShowView* const showView = m_showView.data())
            showView->SetTitleShown(m_session.ShowState.TitleOption == 1);
    }
    void DisablePictureCommands() override { m_s->DisablePictureCommands(); }
    void ResetBackwardsButton() override { m_session.CutOutCount = 0; }
    bool ReadShowRecord(int index) override
    {
        return m_s->ReadShowRecordForDisplay(index);
    }
    int TextLineDelayMs() const override
    {
        return m_s->ShowRecordTextDelayMs();
    }
    void SetPictureDisplayName() override
    {
        m_s->SetPictureDisplayName();
    }
    void StartImageTimer(int intervalMs) override
    {
        QTimer* const ImageTimer = m_s->imageTimer();
        if (intervalMs > 0)
            ImageTimer->setInterval(intervalMs);
        ImageTimer->start();
    }
    void HideMainImage() override
    {
        if (m_w.Image1)
            m_w.Image1->hide();
    }
    quint64 RequestPicture(const QString& path, PictureSlotModel* slot) override
    {
        if (slot) {
            slot->DisplayArea = m_s->DisplayAreaFor(slot);
            slot->EnlargeLimit = displayLimit(m_session);
        }
        return RequestPictureForSlot(path, slot);
    }
    void CancelPicture(PictureSlotModel* slot) override
    {
        if (slot)
            slot->CancelRequest();
    }
    void SizePictureToDisplay(bool toggle) override
    {
        // In the full-screen window the picture went into the image that
        // the active-image byte names; it is fitted there directly.
        ShowView* const showView = m_showView.data();
        if (fullScreenVisible(showView))
            showView->FitZoom(m_session.ShowState.ActiveImage == 1 ? 1 : 2)->SizePictureToDisplay(toggle);
        else
            emit m_s->fitWanted(toggle);
    }
    void SetPictureLoaded() override { m_session.ShowState.PictureLoaded = 1; }
    void SetPictureMenuCaptions() override { m_s->SetPictureMenuCaptions(); }
    void UpdatePictureStatus() override { m_s->UpdatePictureStatus(); }
    void PictureDrawn() override { m_s->Image1Progress(true); }
    bool PlayPictureSound(bool recordRead) override
    {
        return m_sound.PlayShownPictureSound(recordRead);
    }
    void NoVoicePlays() override
    {
        m_session.ShowState.CurrentInterval = IntervalWithoutVoice(m_session.ShowState.CurrentInterval, m_session.ShowState.DefaultInterval);
    }
    void PrepareNextStep() override
    {
        emit m_s->nextStepPrepared();
    }
    void ArmIntervalTimer(int intervalMs) override
    {
        if (m_w.IntervalTimer) {
            m_w.IntervalTimer->setInterval(intervalMs);
            m_w.IntervalTimer->start();
        }
    }
    int CurrentIntervalSeconds() const override { return m_session.ShowState.CurrentInterval; }
    void StartMusicFade(int intervalMs) override
    {
        emit m_s->musicFadeWanted(intervalMs);
    }
    void PauseIfRequested() override
    {
        if (m_session.ShowState.PauseRequest) {
            m_session.ShowState.PauseRequest = false;
            emit m_s->pauseWanted();
        }
    }
    void ShowCurrentPictureStatus() override
    {
        emit m_s->pictureStatusWanted();
    }
    void HidePictureImages() override
    {
        ShowView* const showView = m_showView.data();
        if (fullScreenVisible(showView)) {
            showView->HidePictures();
        } else if (m_w.Image1) {
            m_w.Image1->hide();
        }
    }
    void SetErrorCaption(const QString& caption) override
    {
        ShowView* const showView = m_showView.data();
        if (showView)
            showView->HideTextLines();
        m_w.Window->setWindowTitle(caption);
        if (showView)
            showView->SetTitle(caption, titleArea());
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
    void QueueNextStep() override
    {
        // The show's own step handler runs from the interval timer, after
        // this step has returned: no step calls itself.
        ArmIntervalTimer(0);
    }
    void EndShowNoPictures() override
    {
        if (m_w.IntervalTimer)
            m_w.IntervalTimer->stop();
        platform::showMessage(platform::PromptKind::Information, NoPictureLoadedText);
        emit m_s->showEndWanted();
    }
    void Tail() override
    {
        if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        emit m_s->stepEnded();
    }

    // The area the show window's title is centred in: the primary screen.
    static QSize titleArea()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize(1024, 768);
    }

private:
    PictureDisplaySection* m_s;
    const QPointer<ShowView>& m_showView;
    SoundController& m_sound;
    const PictureDisplayWidgets& m_w;
    ShowSession& m_session;
};

// Record `index` of a show file open on `file`; false with the reason when
// it cannot be read.
bool ReadShowRecordOf(platform::RecordFile& file, qint64 index, TShowRecord& out, QString* error)
{
    QByteArray bytes;
    const platform::RecordResult result = file.Read(index, bytes);
    if (!result.ok()) {
        if (error)
            *error = result.Message;
        return false;
    }
    out = DecodeShowRecord(bytes);
    return true;
}

qint64 freeSpaceKB(const QString& path)
{
    const qint64 bytes = platform::FreeSpaceOf(path);
    return bytes < 0 ? 1 : bytes / 1024;
}

} // namespace

namespace {

bool editProgramExists(const TSettingsRecord& Settings)
{
    return !Settings.EditPrograms[0].isEmpty() && QFile::exists(Settings.EditPrograms[0]);
}

qint64 openShowFreeSpaceKB(const OpenShow& show, bool demoMode)
{
    const QString path = show.OpenShowPath.isEmpty() ? show.ShowFile.Path() : show.OpenShowPath;
    return ::FreeSpaceOnDrive(platform::DriveLetterOf(path), demoMode);
}

PictureDisplayItems TakePictureDisplayItems(const QWidget& window)
{
    const auto action = [&window](const char* name) { return platform::ActionNamed(window, name); };
    return {
        .AddBookMark = action("AddBookMark"),
        .RemoveBookmark = action("RemoveBookmark"),
        .GoToNextBookMark = action("GoToNextBookMark"),
        .GoToPreviousBoolMark = action("GoToPreviousBoolMark"),
        .SaveToolButton = action("SaveToolButton"),
        .MoveToolButton = action("MoveToolButton"),
        .RunExeToolButton = action("RunExeToolButton"),
        .FullScreenToolButton3 = action("FullScreenToolButton3"),
        .Voice = action("Voice"),
        .MicroTB = action("MicroTB"),
        .VoicePlayTB = action("VoicePlayTB"),
        .SavePictureTo = action("SavePictureTo"),
        .MovePictureTo = action("MovePictureTo"),
        .RenamePictureToolButton = action("RenamePictureToolButton"),
        .RenamePicture = action("RenamePicture"),
        .RecycleBinToolButton = action("RecycleBinToolButton"),
        .TBRotateR = action("TBRotateR"),
        .TBRotateL = action("TBRotateL"),
        .SendRecycleBin = action("SendRecycleBin"),
        .PictureToClipboard = action("PictureToClipboard"),
        .PathToClipboard = action("PathToClipboard"),
        .PictureToCBMyShow = action("PictureToCBMyShow"),
        .PathToCBMyShow = action("PathToCBMyShow"),
        .ShowAllTB = action("ShowAllTB"),
        .AddPicMultTB = action("AddPicMultTB"),
        .ShowForwardToolButton = action("ShowForwardToolButton"),
        .ShowinReverseToolButton = action("ShowinReverseToolButton"),
        .ManualModeToolButton = action("ManualModeToolButton"),
        .Backwards1ToolButton = action("Backwards1ToolButton"),
        .Forward1ToolButton = action("Forward1ToolButton"),
        .LaunchEditProgram1 = platform::MenuNamed(window, "LaunchEditProgram1"),
    };
}

} // namespace

PictureDisplaySection::PictureDisplaySection(const PictureDisplayWidgets& widgets, OpenShow& openShow,
                                             SoundController& sound, SettingsStore& settings,
                                             const StartContext& start, ShowSession& session)
    : m_openShow(openShow), m_sound(sound), m_session(session), m_settings(settings), m_start(start),
      m_w{widgets, TakePictureDisplayItems(*widgets.Window)}
{
    setParent(m_w.Window);
    m_stepHost = std::make_unique<SectionStepHost>(this, m_showView, m_sound, m_w, m_session);
    m_imageTimer = MakeNamedTimer(this, "ImageTimer", 100, true);
}

void PictureDisplaySection::followSlot(PictureSlotModel* slot)
{
    if (!slot)
        return;
    connect(slot, &PictureSlotModel::loaded, this,
            [this](quint64 ticket, const LoadedPicture&) { FinishDisplayStep(ticket, LoadOutcome()); });
    connect(slot, &PictureSlotModel::failed, this,
            [this](quint64 ticket, const LoadError& error) { FinishDisplayStep(ticket, error); });
}

void PictureDisplaySection::SetMainPictureSlot(PictureSlotModel* slot)
{
    if (m_mainSlot == slot)
        return;
    if (m_mainSlot)
        disconnect(m_mainSlot, nullptr, this, nullptr);
    m_mainSlot = slot;
    followSlot(slot);
}

void PictureDisplaySection::SetShowView(ShowView* window)
{
    if (m_showView == window)
        return;
    if (ShowView* old = m_showView.data())
        for (int image : {1, 2})
            if (old->Slot(image))
                disconnect(old->Slot(image), nullptr, this, nullptr);
    m_showView = window;
    if (window)
        for (int image : {1, 2})
            followSlot(window->Slot(image));
}

PictureSlotModel* PictureDisplaySection::FullScreenSlot() const
{
    ShowView* const window = m_showView.data();
    return window ? window->Slot(m_session.ShowState.ActiveImage == 1 ? 1 : 2) : nullptr;
}
void PictureDisplaySection::SetShowManager(ShowManagerWindow* window) { m_showManager = window; }
void PictureDisplaySection::SetPictureAreaSource(const FitZoomSection* zoom) { m_fitZoom = zoom; }
void PictureDisplaySection::SetStartedListEntry(const QString* entry) { m_startedListEntry = entry; }

QString PictureDisplaySection::startedListEntry() const
{
    return m_startedListEntry ? *m_startedListEntry : QString();
}

QSize PictureDisplaySection::MainPictureArea() const
{
    const FitZoomSection* zoom = m_fitZoom;
    if (zoom && zoom->PictureArea().width() > 0 && zoom->PictureArea().height() > 0)
        return zoom->PictureArea().size();
    return QSize();
}

QSize PictureDisplaySection::DisplayAreaFor(const PictureSlotModel* slot) const
{
    const bool main = slot && slot == m_mainSlot.data();
    if (main && !MainPictureArea().isEmpty())
        return MainPictureArea();
    if (!main && m_showView)
        return m_showView->PictureArea().size();
    return QSize();
}

PictureDisplaySection::~PictureDisplaySection() = default;

void PictureDisplaySection::SetPage(PageSelection* page) { m_page = page; }

bool PictureDisplaySection::ThumbnailViewActive() const { return m_page && m_page->ThumbnailViewActive(); }

QList<int> PictureDisplaySection::SelectedPictures() const
{
    QList<int> indexes;
    if (!ThumbnailViewActive())
        return indexes;
    const QStringList ticked = m_page->TickedPictures();
    for (int i = 0; i < m_session.PictureCount && i < int(m_session.PictureTable.size()); ++i)
        if (ticked.contains(m_session.PictureTable[size_t(i)].FullPath))
            indexes << i;
    return indexes;
}

bool PictureDisplaySection::ReadShowRecordForDisplay(int index)
{
    TShowState& ShowState = m_session.ShowState;
    OpenShow& show = m_openShow;
    // The running show plays a show file of its own ("TFFile2"), or the
    // list comes from the open MyShow ("TFFile"): the entry's record is
    // read, then the record of the picture that follows.
    if (!validIndex(m_session, index))
        return false;
    const TPictureEntry& entry = m_session.PictureTable[size_t(index)];
    TShowRecord record;
    QString error;
    QString which;
    if (ShowState.PlaysOwnShowFile) {
        const QString path = RunningShowFilePath(m_start, m_settings.Settings,
                                                 startedListEntry());
        if (path.isEmpty())
            return false;
        QByteArray bytes;
        const platform::RecordResult result = platform::ReadRecordAt(path, ShowRecordSize, entry.RecordIndex, bytes);
        if (!result.ok())
            throw std::runtime_error(result.Message.toStdString()); // a read error is a load failure
        record = DecodeShowRecord(bytes);
        which = QStringLiteral("TFFile2");
    } else if (show.SourceIsShow == 1 && m_session.AutoShowRunning == 0 && show.ShowFile.IsOpen()) {
        if (!ReadShowRecordOf(show.ShowFile, entry.RecordIndex, record, &error))
            throw std::runtime_error(error.toStdString());
        which = QStringLiteral("TFFile");
    } else {
        return false;
    }
    // A record of another picture (the show file changed meanwhile) would
    // give this picture foreign texts and sound.
    if (record.PicturePath.compare(entry.FullPath, Qt::CaseInsensitive) != 0)
        return false;
    show.ShowRec = record;
    PrefetchNextShowRecord(which);
    if (m_start.DemoMode && !show.ShowRec.SoundFile.isEmpty()) {
        const char startupDrive = m_settings.Settings.StartupDrive;
        show.ShowRec.SoundFile = DemoSoundPath(show.ShowRec.SoundFile,
                                          platform::DriveRoot(platform::DriveLetterOf(show.ShowRec.SoundFile)),
                                          platform::DriveRoot(QChar::fromLatin1(startupDrive)));
    }
    const bool soundExists = !show.ShowRec.SoundFile.isEmpty() && QFileInfo(show.ShowRec.SoundFile).isFile();
    show.ShowRec.IntervalSeconds = ShowRecordIntervalSeconds(show.ShowRec.IntervalSeconds, show.ShowRec.SoundKind,
                                                        show.ShowRec.SoundFile, soundExists, 0);
    ShowState.CurrentInterval =
        show.ShowRec.IntervalSeconds != 0 ? show.ShowRec.IntervalSeconds : ShowState.DefaultInterval;
    return true;
}

int PictureDisplaySection::ShowRecordTextDelayMs() const
{
    std::array<QString, 5> texts;
    std::array<int, 5> codes{};
    const OpenShow& show = m_openShow;
    for (size_t i = 0; i < texts.size(); ++i) {
        texts[i] = show.ShowRec.TextLines[i];
        codes[i] = show.ShowRec.TextDelays[i];
    }
    return ::TextLineDelayMs(texts, codes);
}

void PictureDisplaySection::SetPictureDisplayName()
{
    m_display.PictureDisplayName = QFileInfo(m_display.CurrentPicturePath).fileName();
}

void PictureDisplaySection::DisplayPicture(int index)
{
    DisplayStep step;
    step.index = index;
    if (validIndex(m_session, index)) {
        step.path = m_session.PictureTable[size_t(index)].FullPath;
        step.bookmarkKey = m_session.PictureTable[size_t(index)].BookmarkKey;
    }
    step.thumbnailView = ThumbnailViewActive();
    step.demoMode = m_start.DemoMode != 0;
    step.mainSlot = m_mainSlot.data();
    step.fullScreenSlot = FullScreenSlot();
    RunDisplayStep(*m_stepHost, m_display, step);
}

void PictureDisplaySection::DisplayCurrentPicture()
{
    DisplayPicture(m_session.PictureIndex);
}

void PictureDisplaySection::FinishDisplayStep(quint64 ticket, const LoadOutcome& outcome)
{
    if (ticket == 0 || ticket != m_display.PendingTicket)
        return;
    ::FinishDisplayStep(*m_stepHost, m_display, ticket, outcome);
}

void PictureDisplaySection::KeepShowPicturesDecoded(int next, int left)
{
    if (!validIndex(m_session, next) && !validIndex(m_session, left)) {
        DropPrefetchedPicture();
        return;
    }
    const bool fullScreen = fullScreenVisible(m_showView.data()) || m_start.DemoMode;
    // Both full-screen images share one fit area, so the image byte may still change.
    QSize area = DisplayAreaFor(fullScreen ? FullScreenSlot() : m_mainSlot.data());
    if (area.isEmpty()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        area = screen ? screen->size() : QSize(1920, 1080);
    }
    const auto pathOf = [this](int index) {
        return validIndex(m_session, index) ? m_session.PictureTable[size_t(index)].FullPath : QString();
    };
    KeepPicturesDecoded(pathOf(next), pathOf(left), area, displayLimit(m_session));
}

void PictureDisplaySection::SetBookmarkMenuState(const QString& key)
{
    TShowState& ShowState = m_session.ShowState;
    const TSettingsRecord& Settings = m_settings.Settings;
    const BookmarkMenuState state = ComputeBookmarkMenuState(key, Settings.Bookmarks, ShowState.BookmarkCount);
    enableItem(m_w.AddBookMark, state.AddEnabled);
    enableItem(m_w.RemoveBookmark, state.RemoveEnabled);
    if (ShowState.BookmarkCount > 0 || state.CurrentIndex >= 0) {
        enableItem(m_w.GoToNextBookMark, state.GoToEnabled);
        enableItem(m_w.GoToPreviousBoolMark, state.GoToEnabled);
    }
    if (state.CurrentIndex >= 0)
        ShowState.BookmarkIndex = state.CurrentIndex;
}

void PictureDisplaySection::DisablePictureCommands()
{
    ShowView* const showView = m_showView.data();
    // The sound of the picture shown before ends with it.
    if (m_sound.session().PictureSoundPlayerOpen == 1)
        emit voiceReleaseWanted();
    for (QAction* action :
         {m_w.SaveToolButton, m_w.MoveToolButton, m_w.RunExeToolButton, m_w.FullScreenToolButton3, m_w.Voice,
          m_w.MicroTB, m_w.VoicePlayTB, m_w.SavePictureTo, m_w.MovePictureTo, m_w.RenamePictureToolButton,
          m_w.RenamePicture, m_w.RecycleBinToolButton, m_w.TBRotateR, m_w.TBRotateL, m_w.SendRecycleBin,
          m_w.PictureToClipboard, m_w.PathToClipboard})
        enableItem(action, false);
    if (m_w.LaunchEditProgram1)
        m_w.LaunchEditProgram1->setEnabled(false);
    if (showView) {
        showView->SetEditButtonEnabled(false);
        showView->SetWindowScreenButtonEnabled(false);
    }
}

void PictureDisplaySection::ReturnToBrowseView(const QString& browsePicture)
{
    m_display.CurrentPicturePath = browsePicture;
    for (QAction* action : {m_w.SaveToolButton, m_w.MoveToolButton, m_w.RenamePictureToolButton,
                            m_w.RecycleBinToolButton, m_w.FullScreenToolButton3, m_w.TBRotateR, m_w.TBRotateL,
                            m_w.MicroTB, m_w.VoicePlayTB, m_w.AddPicMultTB})
        enableItem(action, false);
}

bool PictureDisplaySection::CanRotatePicture(int index)
{
    if (!validIndex(m_session, index))
        return false;
    const TPictureEntry& entry = m_session.PictureTable[size_t(index)];
    return ::CanRotatePicture(entry.FullPath, platform::IsReadOnly(entry.FullPath), freeSpaceKB(entry.FullPath));
}

void PictureDisplaySection::SetPictureMenuCaptions()
{
    ShowView* const showView = m_showView.data();
    std::vector<TPictureEntry>& PictureTable = m_session.PictureTable;
    OpenShow& show = m_openShow;
    if (m_session.PlaybackActive != 1)
        return;
    if (ThumbnailViewActive()) {
        SetSelectionMenuCaptions();
        return;
    }
    enableItem(m_w.SaveToolButton, true);
    enableItem(m_w.SavePictureTo, true);
    const int index = m_session.PictureIndex;
    const bool entryOk = validIndex(m_session, index);
    const bool readOnly = entryOk && platform::IsReadOnly(PictureTable[size_t(index)].FullPath);
    const bool hasSpace = entryOk && freeSpaceKB(PictureTable[size_t(index)].FullPath) > 0;
    const bool rotate = CanRotatePicture(index);
    if (m_session.CutOutCount < 1) {
        if (show.SourceIsShow == 1) {
            enableItem(m_w.Voice, false);
            enableItem(m_w.ShowAllTB, false);
            if (m_w.RecycleBinToolButton)
                m_w.RecycleBinToolButton->setToolTip(RemoveFromShowHint(show.OpenShowName, false));
            if (m_w.SendRecycleBin)
                m_w.SendRecycleBin->setText(QStringLiteral("Remove picture from M&yShow     ~- D"));
            for (QAction* a : {m_w.MovePictureTo, m_w.MoveToolButton, m_w.RenamePictureToolButton, m_w.RenamePicture})
                enableItem(a, false);
            const bool removeAllowed =
                ShowRemoveAllowed(m_session.ShowState.PlaysOwnShowFile, show.ShowChangeable != 0, show.OpenShowName,
                                  openShowFreeSpaceKB(show, m_start.DemoMode != 0));
            enableItem(m_w.RecycleBinToolButton, removeAllowed);
            enableItem(m_w.SendRecycleBin, removeAllowed);
            enableItem(m_w.TBRotateR, removeAllowed && rotate);
            enableItem(m_w.TBRotateL, removeAllowed && rotate);
        } else {
            enableItem(m_w.ShowAllTB, true);
            if (m_w.RecycleBinToolButton)
                m_w.RecycleBinToolButton->setToolTip(QStringLiteral("Send picture to Recycle Bin - 'D'"));
            if (m_w.SendRecycleBin)
                m_w.SendRecycleBin->setText(QStringLiteral("Send picture to Recycle &Bin          ~- D"));
            const bool changeable = !readOnly && hasSpace;
            for (QAction* a : {m_w.MovePictureTo, m_w.MoveToolButton, m_w.RenamePictureToolButton, m_w.RenamePicture,
                               m_w.RecycleBinToolButton, m_w.SendRecycleBin})
                enableItem(a, changeable);
            enableItem(m_w.TBRotateR, changeable && rotate);
            enableItem(m_w.TBRotateL, changeable && rotate);
        }
        enableItem(m_w.AddPicMultTB, true);
    } else {
        enableItem(m_w.ShowAllTB, false);
        if (m_w.RecycleBinToolButton)
            m_w.RecycleBinToolButton->setToolTip(QString());
        for (QAction* a : {m_w.MovePictureTo, m_w.MoveToolButton, m_w.RenamePictureToolButton, m_w.RenamePicture,
                           m_w.RecycleBinToolButton, m_w.AddPicMultTB, m_w.SendRecycleBin, m_w.Voice})
            enableItem(a, false);
        enableItem(m_w.TBRotateR, true);
        enableItem(m_w.TBRotateL, true);
    }
    enableItem(m_w.FullScreenToolButton3, true);
    if (m_session.CutOutCount >= 1) {
        enableItem(m_w.MicroTB, false);
        enableItem(m_w.VoicePlayTB, false);
        enableItem(m_w.Voice, false);
    } else if (AudioInputPresent ? AudioInputPresent() : !QMediaDevices::audioInputs().isEmpty()) {
        enableItem(m_w.Voice, true);
        enableItem(m_w.MicroTB, true);
        enableItem(m_w.VoicePlayTB, entryOk && QFile::exists(VoicePathFor(PictureTable[size_t(index)].FullPath)));
    }
    if (showView)
        showView->SetWindowScreenButtonEnabled(true);
    if (editProgramExists(m_settings.Settings)) {
        if (m_w.LaunchEditProgram1)
            m_w.LaunchEditProgram1->setEnabled(true);
        enableItem(m_w.RunExeToolButton, true);
        if (showView)
            showView->SetEditButtonEnabled(true);
    }
    enableItem(m_w.PictureToClipboard, true);
    enableItem(m_w.PathToClipboard, m_session.CutOutCount < 1);
}

void PictureDisplaySection::UpdatePictureStatus()
{
    const TSettingsRecord& Settings = m_settings.Settings;
    ShowView* const showView = m_showView.data();
    TShowState& ShowState = m_session.ShowState;
    if (ThumbnailViewActive())
        return;
    if (!validIndex(m_session, m_session.PictureIndex))
        return;
    TPictureEntry& entry = m_session.PictureTable[size_t(m_session.PictureIndex)];
    if (entry.PictureDate == 0)
        entry.PictureDate = ShowPictureDate(entry.FullPath);
    PictureStatusInput in;
    in.displayName = m_display.PictureDisplayName;
    in.path = entry.FullPath;
    in.date = entry.PictureDate;
    in.playOrder = ShowState.PlayOrder;
    in.position = ShowState.ShownNumber;
    in.total = ShowState.PictureCount;
    // Bookmarked: the add item is off, i.e. the key stands in the table.
    in.bookmarked =
        ComputeBookmarkMenuState(entry.BookmarkKey, Settings.Bookmarks, ShowState.BookmarkCount).CurrentIndex >= 0;
    in.showCamera = Settings.ShowCameraModel == QLatin1String("1");
    if (in.showCamera) {
        ExifInfo exif;
        ReadExifInfo(entry.FullPath, false, true, false, exif);
        in.camera = exif.Camera;
    }
    const PictureStatusTexts texts = ComputePictureStatus(in);
    m_w.Window->setWindowTitle(texts.mainCaption);
    if (showView)
        showView->SetTitle(texts.titleLabel, SectionStepHost::titleArea());
}

void PictureDisplaySection::PrefetchNextShowRecord(const QString& which)
{
    ShowView* const showView = m_showView.data();
    OpenShow& show = m_openShow;
    const int direction = m_session.ShowState.Direction;
    if (direction == 0 || !showView)
        return;
    // The cursor is only looked at, not moved.
    bool reachedEnd = false;
    const int next = showView->PeekNextIndex(direction >= 1 ? 1 : -1, &reachedEnd);
    // The window's play order knows whether the show plays continuously.
    m_session.ShowState.LastPictureAhead = reachedEnd ? 1 : 0;
    if (!validIndex(m_session, next))
        return;
    const qint64 record = m_session.PictureTable[size_t(next)].RecordIndex;
    if (which == QLatin1String("TFFile")) {
        if (show.ShowFile.IsOpen())
            ReadShowRecordOf(show.ShowFile, record, show.NextShowRec, nullptr);
        return;
    }
    // "TFFile2": the show file the running show plays itself.
    const QString path = RunningShowFilePath(m_start, m_settings.Settings,
                                             startedListEntry());
    QByteArray bytes;
    if (!path.isEmpty() && platform::ReadRecordAt(path, ShowRecordSize, record, bytes).ok())
        show.NextShowRec = DecodeShowRecord(bytes);
}

void PictureDisplaySection::SetSelectionMenuCaptions()
{
    ShowManagerWindow* const Form16 = m_showManager.data();
    OpenShow& show = m_openShow;
    m_display.CurrentPicturePath.clear();
    const QList<int> ticked = SelectedPictures();
    const int n = int(ticked.size());

    if (Form16)
        Form16->EnableForTickedPictures(n);

    SelectionCommandInput in;
    in.selected = n;
    in.pageHoldsAll = PageHoldsAllPictures(m_page ? m_page->ShownSlotCount() : 0,
                                           m_session.PictureCount);
    in.direction = m_session.ShowState.Direction;
    in.thumbnailView = ThumbnailViewActive();
    in.sourceIsShow = show.SourceIsShow == 1;
    if (n == 1 && validIndex(m_session, ticked.first())) {
        const TPictureEntry& entry = m_session.PictureTable[size_t(ticked.first())];
        m_display.CurrentPicturePath = entry.FullPath;
        in.selectionChangeable = !platform::IsReadOnly(entry.FullPath) && freeSpaceKB(entry.FullPath) > 0;
        in.voiceFileExists = QFile::exists(VoicePathFor(entry.FullPath));
    }
    if (in.sourceIsShow)
        in.removeAllowed =
            ShowRemoveAllowed(m_session.ShowState.PlaysOwnShowFile, show.ShowChangeable != 0, show.OpenShowName,
                              openShowFreeSpaceKB(show, m_start.DemoMode != 0));
    in.editProgramExists = editProgramExists(m_settings.Settings);
    const SelectionCommandState st = ComputeSelectionCommands(in, show.OpenShowName);

    enableItem(m_w.ShowForwardToolButton, st.showForward);
    enableItem(m_w.ShowinReverseToolButton, st.showInReverse);
    enableItem(m_w.ManualModeToolButton, st.manualMode);
    enableItem(m_w.Backwards1ToolButton, st.backwards1);
    enableItem(m_w.Forward1ToolButton, st.forward1);
    enableItem(m_w.SaveToolButton, st.save);
    enableItem(m_w.AddPicMultTB, st.addMult);
    enableItem(m_w.ShowAllTB, st.showAll);
    if (!st.voice)
        enableItem(m_w.Voice, false);
    if (m_w.RecycleBinToolButton)
        m_w.RecycleBinToolButton->setToolTip(st.recycleHint);
    if (m_w.SendRecycleBin)
        m_w.SendRecycleBin->setText(st.recycleCaption);
    enableItem(m_w.MoveToolButton, st.move);
    enableItem(m_w.RenamePictureToolButton, st.rename);
    if (!in.sourceIsShow)
        enableItem(m_w.MicroTB, st.micro);
    enableItem(m_w.RecycleBinToolButton, st.recycle);
    enableItem(m_w.SendRecycleBin, st.recycle);
    enableItem(m_w.TBRotateR, st.rotate);
    enableItem(m_w.TBRotateL, st.rotate);
    if (!in.sourceIsShow)
        enableItem(m_w.VoicePlayTB, st.voicePlay);
    enableItem(m_w.RunExeToolButton, st.runExe);
    for (QAction* a : {m_w.PictureToCBMyShow, m_w.PathToCBMyShow})
        if (a)
            a->setVisible(false);
    if (m_w.PictureToClipboard)
        m_w.PictureToClipboard->setText(QStringLiteral("&Picture to Clipboard"));
    if (m_w.PathToClipboard)
        m_w.PathToClipboard->setText(QStringLiteral("P&ath to Clipboard"));
    for (QAction* a : {m_w.PictureToClipboard, m_w.PathToClipboard}) {
        if (a) {
            a->setEnabled(st.clipboard);
            a->setVisible(st.clipboard);
        }
    }
}

void PictureDisplaySection::TBRatioClick()
{
    ShowView* const showView = m_showView.data();
    if (!showView)
        return;
    QPoint at(0, 0);
    if (m_w.ToolBar1)
        at = QPoint(m_w.ToolBar1->x(), m_w.ToolBar1->y() + m_w.ToolBar1->height() + 50);
    showView->PopupRatioMenu(m_w.Window->mapToGlobal(at));
}

void PictureDisplaySection::Image1Progress(bool endStage)
{
    if (m_imageTimer)
        m_imageTimer->stop();
    if (!endStage)
        return;
    UpdatePictureStatus();
    ImageTimerTimer();
}

void PictureDisplaySection::ImageTimerTimer()
{
    ShowManagerWindow* const Form16 = m_showManager.data();
    if (m_imageTimer)
        m_imageTimer->stop();
    m_session.ShowState.PictureLoaded = 1;
    PictureLoadTimeMs = platform::monotonicMs();
    const StartContext& start = m_start;
    if (start.DemoMode || start.ArgumentMode || !Form16)
        return;
    Form16->EnableAfterPictureLoad();
}
