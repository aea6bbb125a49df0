// The full-screen show window's construction: its labels, timers, panels
// and control buttons.
#include "slideshow/show_window.h"

#include "base/add_settings_record.h"
#include "base/picture_table.h"
#include "base/settings_record.h"
#include "base/start_args.h"
#include "base/layout_calc.h"
#include "browse/external_programs.h"
#include "platform/icons.h"
#include "browse/crop.h"
#include "browse/drive_menu.h"
#include "platform/drives.h"
#include "browse/fit_zoom.h"
#include "browse/fit_zoom_handler.h"
#include "browse/picture_display.h"
#include "browse/picture_display_view.h"
#include "browse/picture_loader.h"
#include "browse/picture_loader_slots.h"
#include "platform/prompt.h"
#include "platform/record_file.h"
#include "slideshow/show_state.h"
#include "sound/sound_state.h"

#include <QAction>
#include <QBuffer>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHash>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

// The picture, title, text, speed and message labels.
void ShowWindow::makeLabels()
{
    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    Image1 = label("Image1");
    Image2 = label("Image2");
    Image2->hide();
    TitleLabel = label("TitleLabel");
    // A path is shown as it is spelt ("&" and "<" included).
    TitleLabel->setTextFormat(Qt::PlainText);
    TitleLabel->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    TitleLabel->hide();
    TextLabels[0] = label("textlabel0");
    for (int i = 1; i < 5; ++i)
        TextLabels[i] = label(QStringLiteral("TextLabel%1").arg(i).toLatin1().constData());
    for (QLabel* text : TextLabels)
        text->hide();
    SpeedLabel = label("SpeedLabel");
    SpeedLabel->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    SpeedLabel->hide();
    Label1 = label("Label1");
    Label1->hide();
}

// The speed readout's timer, which hides it, and the label timer.
void ShowWindow::makeTimers()
{
    const auto timer = [this](const char* name) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        return t;
    };
    SpeedTimer = timer("SpeedTimer");
    LabelTimer = timer("LabelTimer");
    connect(SpeedTimer, &QTimer::timeout, SpeedLabel, &QLabel::hide);
}

// The navigation, hint and control panels with the control buttons.
void ShowWindow::makePanels()
{
    const auto frame = [this](const char* name) {
        auto* f = new QFrame(this);
        f->setObjectName(QLatin1String(name));
        f->hide();
        return f;
    };
    NavPanel = frame("NavPanel");
    HintPanel = frame("HintPanel");
    HintPanel->setStyleSheet(QStringLiteral("background: #ffffe1;"));
    HintLabel = new QLabel(HintPanel);
    HintLabel->setObjectName(QStringLiteral("HintLabel"));
    HintLabel->move(10, 5);
    ControlPanel = frame("ControlPanel");
    auto* row = new QHBoxLayout(ControlPanel);
    const auto button = [&](const char* name) {
        auto* b = new QToolButton(ControlPanel);
        b->setObjectName(QLatin1String(name));
        row->addWidget(b);
        return b;
    };
    SaveSB = button("SaveSB");
    StopButton = button("StopButton");
    OneBackwardsSpeedButton = button("OneBackwardsSpeedButton");
    OneForwardSpeedButton = button("OneForwardSpeedButton");
    ShowForwardSpeedButton = button("ShowForwardSpeedButton");
    ShowInReverseSpeedButton = button("ShowInReverseSpeedButton");
    StartShowSpeedButton = button("StartShowSpeedButton");
    RunExeSpeedButton = button("RunExeSpeedButton");
    WindowScreenSpeedButton = button("WindowScreenSpeedButton");
    VolumeSpeedButton = button("VolumeSpeedButton");
    PlaylistBASB = button("PlaylistBASB");
    PlaylistFWSB = button("PlaylistFWSB");
    SBRotateLeft = button("SBRotateLeft");
    SBRotateRight = button("SBRotateRight");
    connect(SBRotateLeft, &QToolButton::clicked, this, &ShowWindow::RotateLeftClicked);
    connect(SBRotateRight, &QToolButton::clicked, this, &ShowWindow::RotateRightClicked);
    SBRatio = button("SBRatio");
    SBManualMode = button("SBManualMode");
    SBInfo = button("SBInfo");
}

// The control buttons' actions.
void ShowWindow::connectControlPanel()
{
    connect(StopButton, &QToolButton::clicked, this, &ShowWindow::StopSlideShow);
    connect(StartShowSpeedButton, &QToolButton::clicked, this, &ShowWindow::restartWanted);
    connect(ShowForwardSpeedButton, &QToolButton::clicked, this, [this] { ContinueShow(1); });
    connect(ShowInReverseSpeedButton, &QToolButton::clicked, this, [this] { ContinueShow(-1); });
    connect(SBManualMode, &QToolButton::clicked, this, [this] {
        if (!m_sequence.Paused())
            TogglePause();
    });
    connect(OneBackwardsSpeedButton, &QToolButton::clicked, this, &ShowWindow::OneBackwardsClick);
    connect(OneForwardSpeedButton, &QToolButton::clicked, this, [this] { Step(1); });
    connect(SaveSB, &QToolButton::clicked, this, &ShowWindow::SaveCutOutClick);
}

ShowWindow::ShowWindow(ProgramState& state, QWidget* parent)
    : ShowView(parent, Qt::Window), m_state(state), m_sequence(state.session)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Vistamo!"));
    setStyleSheet(QStringLiteral("ShowWindow { background: black; }"));
    setAttribute(Qt::WA_StyledBackground);
    setFocusPolicy(Qt::StrongFocus);

    makeLabels();
    makeTimers();
    makePanels();
    dressControlPanel();
    connectControlPanel();
    makeRatioMenu();

    // The images show the window's own slots; the handlers fit, zoom and
    // crop them.
    m_slots = {new PictureSlotModel(SlotForm9Im1, this), new PictureSlotModel(SlotForm9Im2, this)};
    AttachPictureView(Image1, Slot(1));
    AttachPictureView(Image2, Slot(2));
    makeFitZoom(0, Image1, Slot(1));
    makeFitZoom(1, Image2, Slot(2));
}

void ShowWindow::dressControlPanel()
{
    // Each button shows the glyph and the hint of its twin in the main
    // window's tool bar (the hints a running show gives them).
    QHash<QString, QString> twinHints;
    for (const ToolTipText& t : ShowRunningHints(false))
        twinHints.insert(QString::fromLatin1(t.button), t.tip);
    const struct {
        QToolButton* button;
        int glyph;
        const char* twin;
        QString hint;   // when the twin has no show hint
    } looks[] = {
        {SaveSB, 5, "SaveToolButton", {}},
        {StopButton, 21, "ToolButton2", {}},
        {OneBackwardsSpeedButton, 29, "", QStringLiteral("1 picture backwards\r\nCursor left or Mousewheel down")},
        {OneForwardSpeedButton, 31, "Forward1ToolButton", {}},
        {ShowForwardSpeedButton, 25, "ShowForwardToolButton", {}},
        {ShowInReverseSpeedButton, 23, "ShowinReverseToolButton", {}},
        {StartShowSpeedButton, 19, "ToolButton1", {}},
        {RunExeSpeedButton, 13, "", NoEditProgramHint},
        {WindowScreenSpeedButton, 33, "FullScreenToolButton3", {}},
        {VolumeSpeedButton, 106, "Volume", {}},
        {PlaylistBASB, 99, "", QStringLiteral("Previous track")},
        {PlaylistFWSB, 98, "", QStringLiteral("Next track")},
        {SBRotateLeft, 111, "", QStringLiteral("Rotate left")},
        {SBRotateRight, 113, "", QStringLiteral("Rotate right")},
        {SBRatio, 135, "", QStringLiteral("Crop ratio")},
        {SBManualMode, 27, "ManualModeToolButton", {}},
    };
    for (const auto& look : looks) {
        look.button->setIcon(platform::ImageListIcon(platform::ImageListId::MenuIL, look.glyph));
        look.button->setIconSize(QSize(16, 16));
        look.button->setToolTip(look.hint.isEmpty() ? twinHints.value(QString::fromLatin1(look.twin)) : look.hint);
    }
    const HintsButtonLook info = HintsButtonFor(m_state.settings.Settings.ShowHints != 0);
    SBInfo->setIcon(platform::ImageListIcon(platform::ImageListId::MenuIL, info.glyph));
    SBInfo->setIconSize(QSize(16, 16));
    SBInfo->setToolTip(info.tip);
    // The buttons never take the focus: the show's keys reach the window
    // wherever the mouse clicked.
    for (QToolButton* b : ControlPanel->findChildren<QToolButton*>())
        b->setFocusPolicy(Qt::NoFocus);
}
