#include "browse/progress_window.h"

#include "base/environment.h"
#include "platform/ui_font.h"
#include "base/named_timer.h"
#include "platform/prompt.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

ProgressWindow::ProgressWindow(const EnvironmentInfo& environment, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form26"));
    setWindowTitle(QStringLiteral("Deleting files and subfolders....."));
    auto* layout = new QVBoxLayout(this);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    auto* inner = new QVBoxLayout(Panel1);
    DeleteLabel = new QLabel(Panel1);
    DeleteLabel->setObjectName(QStringLiteral("DeleteLabel"));
    DeleteLabel->setMinimumWidth(360);
    DeleteLabel->setTextFormat(Qt::PlainText);
    inner->addWidget(DeleteLabel);
    layout->addWidget(Panel1);
    TimerOnActivate = MakeNamedTimer(this, "TimerOnActivate", 1);
    TimerOnActivate->setSingleShot(true);
    connect(TimerOnActivate, &QTimer::timeout, this, &ProgressWindow::TimerOnActivateTimer);
    ApplyFontFamily(this, environment.UIFontName);
    setFixedSize(sizeHint());
    m_promptWatcher = platform::addPromptOpenWatcher([this](bool open) { stepAsideForPrompt(open); });
}

ProgressWindow::~ProgressWindow()
{
    platform::removePromptOpenWatcher(m_promptWatcher);
}

void ProgressWindow::stepAsideForPrompt(bool promptOpen)
{
    if (promptOpen && isVisible()) {
        m_hiddenForPrompt = true;
        hide();
    } else if (!promptOpen && m_hiddenForPrompt) {
        m_hiddenForPrompt = false;
        show();
        raise();
    }
}

void ProgressWindow::ShowWithCaption(const QString& caption, QWidget* over)
{
    setWindowTitle(caption);
    DeleteLabel->clear();
    if (over) {
        const QRect area = over->frameGeometry();
        move(area.center() - rect().center());
    }
    show();
    raise();
    TimerOnActivate->start();
}

void ProgressWindow::SetLabel(const QString& text)
{
    DeleteLabel->setText(text);
    raise();
}

void ProgressWindow::TimerOnActivateTimer()
{
    TimerOnActivate->stop();
    Panel1->update();
}
