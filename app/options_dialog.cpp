#include "app/options_dialog.h"
#include "app/main_client_area.h"
#include "base/named_timer.h"

#include "base/data_folder.h"
#include "base/environment.h"
#include "platform/help_key.h"
#include "browse/selection_status.h"
#include "platform/clock.h"
#include "platform/prompt_dialogs.h"
#include "shows/show_windows.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using platform::PromptAnswer;
using platform::PromptKind;

// The dialog's size: room for the largest page, and within an 800 x 600
// screen with the window frame.
const QSize OptionsDialogSize(700, 500);

OptionsDialog::OptionsDialog(SettingsStore& settings, const DataPaths& paths, const EnvironmentInfo& environment,
                             const StartContext& start, ShowSession& session, QWidget* parent,
                             std::function<bool()> pictureTextWindowShown)
    : QDialog(parent)
    , m_settings(settings)
    , m_paths(paths)
    , m_environment(environment)
    , m_start(start)
    , m_pictureTextWindowShown(std::move(pictureTextWindowShown))
    , m_session(session)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Vistamo! - Options"));
    setModal(true);
    // Every control takes the interface font chosen at start; the pages
    // size their fields by it.
    if (!environment.UIFontName.isEmpty()) {
        QFont f = font();
        f.setFamily(environment.UIFontName);
        if (environment.UIFontSize > 0)
            f.setPointSize(environment.UIFontSize);
        setFont(f);
    }
    buildPages();
    options_ui::SetComboItemFill(this, environment.ColorScheme[0]);
    InstallHelpKey(this, QStringLiteral("Options.htm"));

    TimerOnActivate = MakeNamedTimer(this, "TimerOnActivate", 1);
    connect(TimerOnActivate, &QTimer::timeout, this, &OptionsDialog::TimerOnActivateTimer);
    TimerAltKey = MakeNamedTimer(this, "TimerAltKey", 10);
    connect(TimerAltKey, &QTimer::timeout, this, &OptionsDialog::TimerAltKeyTimer);
    styleTabs();

    PageControl1->setCurrentWidget(IncludeSheet);
    // The dialog is wide enough for every tab; only a screen too narrow for
    // that (800 pixels) leaves tabs to scroll.
    PageControl1->setUsesScrollButtons(true);
    PageControl1->setElideMode(Qt::ElideNone);
    const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const QMargins margins = layout() ? layout()->contentsMargins() : QMargins();
    const int tabsWidth = PageControl1->tabBar()->sizeHint().width() + margins.left() + margins.right() + 8;
    resize(std::min(std::max(OptionsDialogSize.width(), tabsWidth), avail.width() - 40),
           std::min(OptionsDialogSize.height(), avail.height() - 60));
    setValues(OptionsValuesFrom(m_settings.Settings, m_settings.AddSettings));
}

void OptionsDialog::buildPages()
{
    auto* outer = new QVBoxLayout(this);
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(8);
    outer->addWidget(Panel2);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    outer->addWidget(PageControl1);

    IncludeSheet = new IncludeOptionsPage(PageControl1);
    PlaySheet = new PlayOptionsPage(PageControl1);
    FullScreenSheet = new FullScreenOptionsPage(PageControl1);
    EditProgramsSheet = new EditProgramsOptionsPage(PageControl1);
    AutomaticShowSheet = new AutomaticShowOptionsPage(PageControl1);
    MyShowTextSheet = new MyShowOptionsPage(PageControl1);
    VideoTextSheet = new VideoOptionsPage(PageControl1);
    UpdateTab = new UpdateOptionsPage(PageControl1);
    PlayListTS = new PlaylistOptionsPage(PageControl1);
    VoiceTB = new VoiceOptionsPage(PageControl1);
    TSMultSlideMode = new ThumbnailsOptionsPage(PageControl1);
    TbUpload = new UploadOptionsPage(PageControl1);
    TBSmallPics = new SmallPicsOptionsPage(PageControl1);
    // A new background or text colour shows on both example labels.
    const auto showChosenColors = [this] { showExampleColors(PlaySheet->backgroundColor()); };
    connect(PlaySheet, &PlayOptionsPage::backgroundColorChosen, this, showChosenColors);
    connect(MyShowTextSheet, &MyShowOptionsPage::textColorChosen, this, showChosenColors);

    Intervalgroup = PlaySheet->Intervalgroup;
    ExtProgComboBox = EditProgramsSheet->ExtProgComboBox;
    BrowseButton = EditProgramsSheet->BrowseButton;
    RemoveEditProgram = EditProgramsSheet->RemoveEditProgram;
    NeverUseASCheckBox = AutomaticShowSheet->NeverUseASCheckBox;
    HoldLastShowBox = AutomaticShowSheet->HoldLastShowBox;
    SecondsWaitASEdit = AutomaticShowSheet->SecondsWaitASEdit;
    EditASText1 = AutomaticShowSheet->EditASText1;
    Bevel1 = AutomaticShowSheet->Bevel1;

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    PictureOptionsDone = options_ui::button(this, "PictureOptionsDone", QStringLiteral("&Apply"));
    CancelButton = options_ui::button(this, "CancelButton", QStringLiteral("&Cancel"));
    buttons->addWidget(PictureOptionsDone);
    buttons->addWidget(CancelButton);
    outer->addLayout(buttons);
    connect(PictureOptionsDone, &QPushButton::clicked, this, &OptionsDialog::PictureOptionsDoneClick);
    connect(CancelButton, &QPushButton::clicked, this, &OptionsDialog::CancelButtonClick);
}

// The tabs: selected red with white text (green under the mouse), the tab
// under the mouse in the scheme's colour 3.
void OptionsDialog::styleTabs()
{
    const QColor scheme3 = m_environment.ColorScheme[2];
    const QColor hover = scheme3.isValid() ? scheme3 : QColor(0xC0, 0xD8, 0xF0);
    PageControl1->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { color: black; padding: 3px 6px; }"
                       "QTabBar::tab:hover { background: %1; }"
                       "QTabBar::tab:selected { background: rgb(255,0,0); color: white; }"
                       "QTabBar::tab:selected:hover { background: rgb(0,128,0); color: white; }")
            .arg(hover.name()));
}

QList<OptionsPage*> OptionsDialog::pages() const
{
    return {IncludeSheet, PlaySheet, FullScreenSheet, EditProgramsSheet, AutomaticShowSheet,
            MyShowTextSheet, VideoTextSheet, UpdateTab, PlayListTS, VoiceTB,
            TSMultSlideMode, TbUpload, TBSmallPics};
}

void OptionsDialog::setValues(const TOptionsValues& v)
{
    for (OptionsPage* page : pages())
        page->load(v);
}

TOptionsValues OptionsDialog::values() const
{
    TOptionsValues v;
    for (const OptionsPage* page : pages())
        page->store(v);
    return v;
}

void OptionsDialog::showExampleColors(int32_t colorValue)
{
    PlaySheet->showBackgroundColor(colorValue);
    MyShowTextSheet->showExampleBackground(colorValue);
}

// ---- Activation --------------------------------------------------------------------

void OptionsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TimerOnActivate->start();
}

void OptionsDialog::FormActivate()
{
    QApplication::restoreOverrideCursor();
    // Opened beside the picture-text window of MyShow: its page comes first.
    if (m_pictureTextWindowShown && m_pictureTextWindowShown())
        PageControl1->setCurrentWidget(MyShowTextSheet);
    // The show background colour in effect.
    showExampleColors(m_session.PlaybackActive == 1 ? m_session.ShowState.BackgroundColor : PlaySheet->backgroundColor());
    if (m_session.PlaybackActive == 1)
        m_intervalAtActivation = IntervalGroupSeconds(PlaySheet->intervalIndex());
    PictureOptionsDone->setFocus();
}

void OptionsDialog::TimerOnActivateTimer()
{
    TimerOnActivate->stop();
    // The header picture: the main window's bottom-bar picture stretched
    // over the top panel, behind the panel's other controls.
    if (!PanelPicture) {
        PanelPicture = new QLabel(Panel2);
        PanelPicture->setObjectName(QStringLiteral("PanelPicture"));
        PanelPicture->setScaledContents(true);
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        const QLabel* bar = owner ? owner->findChild<QLabel*>(QStringLiteral("ImBottomBar")) : nullptr;
        PanelPicture->setPixmap(bar && !bar->pixmap().isNull() ? bar->pixmap() : BottomBarPicture());
        PanelPicture->setGeometry(0, 0, Panel2->width(), Panel2->height());
        PanelPicture->lower();
        PanelPicture->show();
    }
    PageControl1->tabBar()->update();
}

void OptionsDialog::TimerAltKeyTimer()
{
    for (QWidget* w : findChildren<QWidget*>())
        if (qobject_cast<QGroupBox*>(w) || qobject_cast<QFrame*>(w) || qobject_cast<QAbstractButton*>(w))
            w->update();
}

void OptionsDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::AltModifier)
        TimerAltKey->start();
    QDialog::keyPressEvent(event);
}

QWidget* OptionsDialog::pageCaptioned(const QString& caption) const
{
    for (int i = 0; i < PageControl1->count(); ++i)
        if (PageControl1->tabText(i) == caption)
            return PageControl1->widget(i);
    return nullptr;
}

// ---- Cancel and Apply ---------------------------------------------------------------------

void OptionsDialog::CancelButtonClick()
{
    done(1);
}

TOptionsCheck OptionsDialog::checkPages(const TOptionsValues& v, TOptionsNumbers& numbers) const
{
    TOptionsCheckContext ctx;
    ctx.editProgramExists = EditProgramAcceptable(v.EditProgramText);
    ctx.secondMonitorSelected = m_session.UseMainMonitor == 0;
    return CheckOptions(v, ctx, numbers);
}

// The message, then the page of the field with the field focused.
void OptionsDialog::showFailedCheck(const TOptionsCheck& check)
{
    const PromptKind kind = check.Message.startsWith(QLatin1String("Error ")) ? PromptKind::Error
                                                                              : PromptKind::Warning;
    platform::showMessage(kind, check.Message);
    if (QWidget* p = pageCaptioned(check.Page))
        PageControl1->setCurrentWidget(p);
    if (!check.Focus.isEmpty())
        if (auto* w = findChild<QWidget*>(check.Focus))
            w->setFocus();
}

// The edit commands follow the edit program's text, and a changed
// enlargement limit takes effect in the running show at once.
void OptionsDialog::applyEditCommands(const TOptionsValues& v, int32_t maxEnlarge)
{
    int32_t& PlaybackActive = m_session.PlaybackActive;
    TShowState& ShowState = m_session.ShowState;
    const bool exists = !v.EditProgramText.isEmpty() && EditProgramAcceptable(v.EditProgramText);
    const auto enable = [&](bool on, bool alsoSpeed) {
        emit EditCommandsEnabled(on);
        if (alsoSpeed)
            emit ShowWindowEditButtonEnabled(on);
    };
    if (exists && PlaybackActive == 1)
        enable(true, true);
    if (v.EditProgramText.isEmpty()) {
        emit ShowWindowEditButtonEnabled(false);
        if (PlaybackActive == 1)
            enable(false, false);
    }
    if (PlaybackActive == 1 && maxEnlarge != ShowState.EnlargeLimit) {
        ShowState.EnlargeLimit = maxEnlarge;
        if (ShowState.PictureLoaded == 0) {
            ShowState.EnlargePending = true;
        } else {
            ShowState.EnlargeInEffect = maxEnlarge;
            emit EnlargeLimitChanged();
        }
    }
}

// The additional settings are written at once when they changed. Switching
// thumbnails on asks to reset file dates too, so that thumbnails follow
// their changed originals.
void OptionsDialog::applyAddSettings(TOptionsValues& v, const TOptionsNumbers& n)
{
    TAddSettingsRecord& AddSettings = m_settings.AddSettings;
    const bool thumbsOn = ThumbnailsSwitchedOn(AddSettings, v);
    if (AddSettingsDiffer(AddSettings, v, n)) {
        StoreAddSettings(AddSettings, v, n);
        if (!m_paths.AddSettingsPath.isEmpty()) {
            const platform::RecordResult written = WriteAddSettings(m_paths.AddSettingsPath, AddSettings);
            if (!written.ok())
                platform::showMessage(PromptKind::Error, written.Message);
            else
                m_settings.LoadAddSettings(m_paths.AddSettingsPath, SettingsVersion, m_start,
                                           m_environment.UploaderPath);
        }
    }
    QCheckBox* resetFileDate = EditProgramsSheet->ResetFileDateCB;
    if (thumbsOn && !resetFileDate->isChecked()) {
        if (platform::showMessage(PromptKind::Confirmation, ResetFileDateQuestion, platform::kYesNo)
            == PromptAnswer::Yes) {
            resetFileDate->setChecked(true);
            v.ResetFileDate = true;
        }
    }
}

// The play options take effect for the rest of the run. The running show
// keeps its own interval unless the interval choice changed; the automatic
// show's options follow when the show asks for it.
void OptionsDialog::applyPlayOptions(const TOptionsValues& v)
{
    TSettingsRecord& Settings = m_settings.Settings;
    TShowState& ShowState = m_session.ShowState;
    const int32_t runningInterval = ShowState.CurrentInterval;
    ApplyShowOptions(m_session, Settings);
    const int32_t seconds = IntervalGroupSeconds(v.IntervalIndex);
    if (m_session.AutoShowRunning != 1) {
        m_session.PlayOptions.IntervalSeconds = seconds;
        ShowState.DefaultInterval = seconds;
    }
    ShowState.CurrentInterval = m_session.PlaybackActive == 1 && seconds == m_intervalAtActivation ? runningInterval
                                                                                           : m_session.PlayOptions.IntervalSeconds;
    if (ShowState.CopyToAutoShowOptions == 1) {
        Settings.AutoShowOptions.IntervalIndex = Settings.IntervalIndex;
        Settings.AutoShowOptions.MaxEnlargePercent = Settings.MaxEnlargePercent;
        Settings.AutoShowOptions.ShowTitles = Settings.ShowTitles;
    }
}

// The main window follows the stored options; during a show the edit
// commands follow the first edit program, the show window's included.
void OptionsDialog::refreshMainWindow()
{
    emit OptionsStored();
    if (m_session.PlaybackActive == 1) {
        const bool set = !m_settings.Settings.EditPrograms[0].isEmpty();
        emit EditCommandsEnabled(set);
        emit ShowWindowEditButtonEnabled(set);
    }
}

void OptionsDialog::PictureOptionsDoneClick()
{
    TSettingsRecord& Settings = m_settings.Settings;
    TOptionsValues v = values();
    TOptionsNumbers n;
    n.MaxEnlarge = Settings.MaxEnlargePercent;
    LastCheck = checkPages(v, n);
    // The edit commands follow once the edit program passed its check, even
    // when a later check fails.
    if (LastCheck.ok() || LastCheck.Number >= 16)
        applyEditCommands(v, n.MaxEnlarge);
    if (!LastCheck.ok()) {
        showFailedCheck(LastCheck);
        return;
    }
    applyAddSettings(v, n);
    StoreOptionsInSettings(Settings, v, n, platform::now().date());
    applyPlayOptions(v);
    refreshMainWindow();

    // The dialog closes; the hints button, the tree's images for the new
    // type choice and the main window's focus follow.
    done(1);
    emit AppliedAndClosed();
}
