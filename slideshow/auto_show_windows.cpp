#include "slideshow/auto_show_windows.h"

#include "base/program_state.h"
#include "base/settings_store.h"
#include "base/start_context.h"
#include "shows/show_file.h"
#include "slideshow/show_state.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

QStringList AutomaticShowPictures(const DataPaths& paths, FolderExclusionState& exclusions,
                                  const QString& autoShowPath, const TSettingsRecord& settings, bool demoMode,
                                  QList<int>* records)
{
    QStringList pictures;
    const QFileInfo source(autoShowPath);
    if (source.isFile() && source.suffix().compare(QLatin1String("vxt"), Qt::CaseInsensitive) == 0) {
        const TShowPictures existing = ShowPicturesToPlay(ReadShowPicturePaths(autoShowPath));
        pictures = existing.Paths;
        if (records)
            *records = existing.Records;
    } else if (source.isDir()) {
        pictures = CollectFolderPictures(paths, exclusions, autoShowPath, PlayOptionsFrom(settings, true), demoMode);
    }
    return pictures;
}

QStringList BeginAutomaticShow(ProgramState& state, FolderExclusionState& exclusions, QList<int>& records)
{
    const TSettingsRecord& Settings = state.settings.Settings;
    ShowSession& session = state.session;
    session.AutoShowRunning = 1;
    ApplyShowOptions(session, Settings);
    const QStringList pictures = AutomaticShowPictures(state.paths, exclusions, Settings.AutoShowPath, Settings,
                                                       state.start.DemoMode != 0, &records);
    if (pictures.isEmpty())
        session.AutoShowRunning = 0;
    return pictures;
}

AutoShowOfferWindow::AutoShowOfferWindow(QWidget& window, FolderExclusionState& exclusions, ProgramState& state,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window)
    , window_(window)
    , exclusions_(exclusions)
    , state_(state)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Vistamo!"));
    auto* layout = new QVBoxLayout(this);
    TitleLabel = new QLabel(QFileInfo(state_.settings.Settings.AutoShowPath).completeBaseName(), this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    layout->addWidget(TitleLabel);
    auto* row = new QHBoxLayout;
    PictureShowButton = new QPushButton(QStringLiteral("&Start slide show"), this);
    PictureShowButton->setObjectName(QStringLiteral("PictureShowButton"));
    CancelButton = new QPushButton(QStringLiteral("&Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    row->addWidget(PictureShowButton);
    row->addWidget(CancelButton);
    layout->addLayout(row);
    connect(PictureShowButton, &QPushButton::clicked, this, [this] {
        hide();
        QList<int> records;
        const QStringList pictures = BeginAutomaticShow(state_, exclusions_, records);
        if (pictures.isEmpty())
            show();
        else
            emit PlayRequested(pictures, records);
    });
    connect(CancelButton, &QPushButton::clicked, this, [this] {
        hide();
        window_.close();
    });
}

AutoShowCountdownWindow::AutoShowCountdownWindow(QWidget& window, FolderExclusionState& exclusions,
                                                 ProgramState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , window_(window)
    , exclusions_(exclusions)
    , state_(state)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Vistamo!"));
    auto* layout = new QVBoxLayout(this);
    CountLabel = new QLabel(QStringLiteral("5"), this);
    CountLabel->setObjectName(QStringLiteral("CountLabel"));
    CountLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(CountLabel);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    layout->addWidget(CancelButton);
    CountTimer = new QTimer(this);
    CountTimer->setObjectName(QStringLiteral("CountTimer"));
    CountTimer->setInterval(1000);
    connect(CountTimer, &QTimer::timeout, this, &AutoShowCountdownWindow::Tick);
    connect(CancelButton, &QPushButton::clicked, this, &AutoShowCountdownWindow::CancelCountdown);
}

void AutoShowCountdownWindow::StartCountdown()
{
    emit CountdownStarted();
    window_.setEnabled(false);
    remaining_ = 5;
    CountLabel->setText(QString::number(remaining_));
    show();
    raise();
    CountTimer->start();
}

void AutoShowCountdownWindow::Tick()
{
    --remaining_;
    CountLabel->setText(QString::number(qMax(0, remaining_)));
    if (remaining_ > 0)
        return;
    CountTimer->stop();
    window_.setEnabled(true);
    hide();
    QList<int> records;
    const QStringList pictures = BeginAutomaticShow(state_, exclusions_, records);
    if (!pictures.isEmpty())
        emit PlayRequested(pictures, records);
}

void AutoShowCountdownWindow::CancelCountdown()
{
    CountTimer->stop();
    hide();
    state_.session.AutoShowRunning = 0;
    emit CountdownCancelled();
    window_.setEnabled(true);
    window_.raise();
    window_.activateWindow();
}
