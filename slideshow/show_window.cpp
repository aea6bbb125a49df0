#include "slideshow/show_window.h"

#include "slideshow/show_state.h"
#include "app/picture_table.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

TForm9* Form9 = nullptr;

QImage LoadShowPicture(const QString& path, QSize box)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && !box.isEmpty() && (size.width() > box.width() || size.height() > box.height()))
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    return reader.read();
}

TForm9::TForm9(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Vistamo!"));
    setStyleSheet(QStringLiteral("TForm9 { background: black; }"));
    setAttribute(Qt::WA_StyledBackground);
    setFocusPolicy(Qt::StrongFocus);

    const auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    Image1 = label("Image1");
    Image1->setAlignment(Qt::AlignCenter);
    Image2 = label("Image2");
    Image2->setAlignment(Qt::AlignCenter);
    Image2->hide();
    TitleLabel = label("TitleLabel");
    TitleLabel->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    TitleLabel->hide();
    TextLabels[0] = label("textlabel0");
    for (int i = 1; i < 5; ++i)
        TextLabels[i] = label(QStringLiteral("TextLabel%1").arg(i).toLatin1().constData());
    for (QLabel* text : TextLabels)
        text->hide();
    SpeedLabel = label("SpeedLabel");
    SpeedLabel->hide();
    Label1 = label("Label1");
    Label1->hide();

    const auto timer = [this](const char* name) {
        auto* t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        return t;
    };
    SpeedTimer = timer("SpeedTimer");
    LabelTimer = timer("LabelTimer");
    StepTimer = timer("StepTimer");
    connect(StepTimer, &QTimer::timeout, this, [this] { Step(ShowState.Direction < 0 ? -1 : 1); });
    connect(SpeedTimer, &QTimer::timeout, SpeedLabel, &QLabel::hide);

    const auto frame = [this](const char* name) {
        auto* f = new QFrame(this);
        f->setObjectName(QLatin1String(name));
        f->hide();
        return f;
    };
    NavPanel = frame("NavPanel");
    HintPanel = frame("HintPanel");
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
    SBRatio = button("SBRatio");
    SBManualMode = button("SBManualMode");
    SBInfo = button("SBInfo");
    StopButton->setToolTip(QStringLiteral("Stop Slide Show"));
    connect(StopButton, &QToolButton::clicked, this, &TForm9::StopSlideShow);
    connect(OneBackwardsSpeedButton, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(OneForwardSpeedButton, &QToolButton::clicked, this, [this] { Step(1); });
    PMRatio = new QMenu(this);
    PMRatio->setObjectName(QStringLiteral("PMRatio"));
}

QString TForm9::CurrentPicture() const
{
    if (position_ < 0 || position_ >= order_.size())
        return {};
    return pictures_.value(order_[position_]);
}

void TForm9::Play(const QStringList& pictures, const QList<int>& order, int intervalMs, bool continuous,
                  bool showTitles, std::function<void()> ended)
{
    pictures_ = pictures;
    order_ = order;
    continuous_ = continuous;
    showTitles_ = showTitles;
    ended_ = std::move(ended);
    paused_ = false;
    stopping_ = false;
    position_ = -1;
    ShowState.Direction = 1;
    ShowState.PictureCount = int32_t(pictures.size());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
    Step(1);
    StepTimer->start(qMax(100, intervalMs));
}

void TForm9::Step(int direction)
{
    if (order_.isEmpty() || stopping_)
        return;
    int next = position_ + (direction < 0 ? -1 : 1);
    if (next >= order_.size()) {
        if (!continuous_) {
            StopSlideShow();
            return;
        }
        next = 0;
    }
    if (next < 0)
        next = order_.size() - 1;
    position_ = next;
    ShowState.ShownNumber = position_ + 1;
    PictureIndex = order_[position_];
    showCurrent();
}

void TForm9::showCurrent()
{
    const QString path = CurrentPicture();
    const QImage picture = LoadShowPicture(path, size());
    ShowState.PictureLoaded = picture.isNull() ? 0 : 1;
    Image1->setGeometry(rect());
    Image1->setPixmap(QPixmap::fromImage(picture));
    if (showTitles_) {
        TitleLabel->setText(QFileInfo(path).fileName());
        TitleLabel->adjustSize();
        TitleLabel->move(10, 10);
        TitleLabel->show();
        TitleLabel->raise();
    }
}

void TForm9::TogglePause()
{
    if (order_.size() < 2)
        return;
    paused_ = !paused_;
    if (paused_) {
        StepTimer->stop();
        ShowState.Direction = 0;
    } else {
        ShowState.Direction = ShowState.LastDirection >= 0 ? 1 : -1;
        StepTimer->start();
    }
}

void TForm9::StopSlideShow()
{
    if (stopping_)
        return;
    stopping_ = true;
    StepTimer->stop();
    ShowState.Direction = 0;
    hide();
    if (auto ended = std::exchange(ended_, nullptr))
        ended();
}

void TForm9::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: StopSlideShow(); break;
    case Qt::Key_Space: TogglePause(); break;
    case Qt::Key_Right:
    case Qt::Key_PageDown: Step(1); break;
    case Qt::Key_Left:
    case Qt::Key_PageUp: Step(-1); break;
    default: QWidget::keyPressEvent(event);
    }
}

void TForm9::closeEvent(QCloseEvent* event)
{
    StopSlideShow();
    event->accept();
}
