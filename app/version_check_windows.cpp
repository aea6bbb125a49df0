#include "app/version_check_windows.h"
#include "platform/designed_widgets.h"

#include "base/environment.h"
#include "platform/ui_font.h"
#include "platform/help_key.h"
#include "app/help_web.h"
#include "base/settings_record.h"
#include "app/version_check.h"
#include "platform/prompt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {


const QString CloseBeforeInstallText = QStringLiteral(
    "Before you install an updated or new version over your current version of Vistamo!\n"
    " you have to close the program.\n\n"
    " Close Vistamo! now? ");

} // namespace

// ---- NewVersionDialog -----------------------------------------------------------------

NewVersionDialog::NewVersionDialog(const EnvironmentInfo& environment, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form31"));
    setWindowTitle(QStringLiteral("Updated Vistamo! version available, download recommended"));
    auto* grid = new QGridLayout;
    Label1 = platform::Named(new QLabel(QStringLiteral("Currently installed version:"), this), "Label1");
    Label1V = platform::Named(new QLabel(this), "Label1V");
    Label2 = platform::Named(new QLabel(QStringLiteral("Version found on the Vistamo! website :"), this), "Label2");
    Label2V = platform::Named(new QLabel(this), "Label2V");
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label1V, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Label2V, 1, 1);
    LinkBtn1 = platform::Named(new QPushButton(QStringLiteral("&Show me the bug fixes in this new version"), this), "LinkBtn1");
    LinkBtn2 = platform::Named(new QPushButton(QStringLiteral("&Go to the Download area"), this), "LinkBtn2");
    CloseButton = platform::Named(new QPushButton(QStringLiteral("&Cancel"), this), "CloseButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LinkBtn1);
    buttons->addWidget(LinkBtn2);
    buttons->addWidget(CloseButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);
    connect(LinkBtn1, &QPushButton::clicked, this, &NewVersionDialog::LinkBtn1Click);
    connect(LinkBtn2, &QPushButton::clicked, this, &NewVersionDialog::LinkBtn2Click);
    connect(CloseButton, &QPushButton::clicked, this, &NewVersionDialog::CloseButtonClick);
    InstallHelpKey(this, QStringLiteral("Options.htm"));
    ApplyFontFamily(this, environment.UIFontName);
}

void NewVersionDialog::showEvent(QShowEvent* event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void NewVersionDialog::FormActivate()
{
    const QString own = GetFileVersionText();
    NewVersionIsMajor = IsMajorVersionChange(NewVersionText, own) ? 1 : 0;
    if (NewVersionIsMajor) {
        setWindowTitle(QStringLiteral("New Vistamo! version available, download recommended"));
        LinkBtn1->setText(QStringLiteral("&Show me what's new in this version"));
    } else {
        setWindowTitle(QStringLiteral("Updated Vistamo! version available, download recommended"));
        LinkBtn1->setText(QStringLiteral("&Show me the bug fixes in this new version"));
    }
    Label1V->setText(own);
    Label2V->setText(NewVersionText);
}

void NewVersionDialog::LinkBtn1Click()
{
    OpenWebPage(NewVersionIsMajor ? WhatsNewPage : BugReportPage);
}

void NewVersionDialog::LinkBtn2Click()
{
    const auto answer = platform::showMessage(platform::PromptKind::Confirmation, CloseBeforeInstallText,
                                              platform::kYesNo);
    if (answer == platform::PromptAnswer::Yes)
        done(ModalResultAbort);   // the caller opens the download page and closes the program
    else
        OpenWebPage(DownloadPage);
}

void NewVersionDialog::CloseButtonClick()
{
    done(ModalResultOk);
}

// ---- MonthlySuggestionDialog -----------------------------------------------------------------

MonthlySuggestionDialog::MonthlySuggestionDialog(TSettingsRecord& settings, const EnvironmentInfo& environment, QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("Form32"));
    setWindowTitle(QStringLiteral("Suggestion (appears once a month)"));
    Label1 = platform::Named(new QLabel(QStringLiteral("Check for Update/New version?"), this), "Label1");
    DontAskCB = platform::Named(new QCheckBox(QStringLiteral("Don't ask this question again"), this), "DontAskCB");
    YesButton = platform::Named(new QPushButton(QStringLiteral("&Yes"), this), "YesButton");
    NoButton = platform::Named(new QPushButton(QStringLiteral("&No"), this), "NoButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(YesButton);
    buttons->addWidget(NoButton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(Label1);
    column->addWidget(DontAskCB);
    column->addLayout(buttons);
    YesButton->setDefault(true);
    connect(YesButton, &QPushButton::clicked, this, &MonthlySuggestionDialog::YesButtonClick);
    connect(NoButton, &QPushButton::clicked, this, &MonthlySuggestionDialog::NoButtonClick);
    InstallHelpKey(this, QStringLiteral("Options.htm"));
    ApplyFontFamily(this, environment.UIFontName);
}

void MonthlySuggestionDialog::showEvent(QShowEvent* event)
{
    FormActivate();
    QDialog::showEvent(event);
    // The window keeps the size it opens with: a window manager then draws
    // no resize bar under its buttons.
    setFixedSize(size());
}

void MonthlySuggestionDialog::FormActivate()
{
    DontAskCB->setChecked(false);
}

void MonthlySuggestionDialog::YesButtonClick()
{
    if (DontAskCB->isChecked())
        m_settings.AskMonthlyUpdate = 0;
    done(ModalResultOk);
}

void MonthlySuggestionDialog::NoButtonClick()
{
    if (DontAskCB->isChecked())
        m_settings.AskMonthlyUpdate = 0;
    done(ModalResultCancel);
}
