// The main window's help, the Help menu's web pages, the About box, the
// version check and the monthly suggestion.
#include "app/help_and_version_controller.h"

#include "app/about_box.h"
#include "app/help.h"
#include "app/help_web.h"
#include "app/version_check.h"
#include "app/version_check_download.h"
#include "app/version_check_windows.h"
#include "base/data_folder.h"
#include "base/named_timer.h"
#include "base/settings_store.h"
#include "base/start_args.h"
#include "platform/build_info.h"
#include "platform/designed_widgets.h"
#include "platform/prompt.h"
#include "platform/prompt_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QUrl>

namespace {

// Ends the hourglass set when the version check began, when it goes (or
// when restored early).
class HourglassEnd {
public:
    ~HourglassEnd() { restore(); }
    void restore()
    {
        if (active_) {
            QApplication::restoreOverrideCursor();
            active_ = false;
        }
    }

private:
    bool active_ = true;
};

QString foundVersionFile(const DataPaths& paths)
{
    if (!paths.FoundVersionPath.isEmpty())
        return paths.FoundVersionPath;
    const QString folder = paths.DataFolder.isEmpty() ? QDir::tempPath() : paths.DataFolder;
    return folder + QStringLiteral("/FoundVersion.vxt");
}

} // namespace

HelpAndVersionController::HelpAndVersionController(QWidget* window, SettingsStore& settings,
                                                   const StartContext& start, const DataPaths& paths,
                                                   const EnvironmentInfo& environment)
    : QObject(window), m_window(window), m_settings(settings), m_start(start), m_paths(paths),
      m_environment(environment),
      m_items{.GettingStarted = platform::ActionNamed(*window, "GettingStarted"),
              .WhatsNew = platform::ActionNamed(*window, "WhatsNew"),
              .Credits = platform::ActionNamed(*window, "Credits"),
              .VXOnlineHelp = platform::ActionNamed(*window, "VXOnlineHelp"),
              .Checkforupdate = platform::ActionNamed(*window, "Checkforupdate"),
              .ReportBug = platform::ActionNamed(*window, "ReportBug"),
              .Support = platform::ActionNamed(*window, "Support"),
              .AboutPictureShow1 = platform::ActionNamed(*window, "AboutPictureShow1")},
      m_helpTimer(MakeNamedTimer(this, "HelpTimer", 1500, true))
{
}

void HelpAndVersionController::ConnectHelpMenu()
{
    if (m_connected)
        return;
    m_connected = true;
    const auto caption = [](QAction* a, const QString& text) {
        if (a)
            a->setText(text);
    };
    caption(m_items.GettingStarted, QStringLiteral("&Getting started - Quick Reference Guide"));
    caption(m_items.WhatsNew, QStringLiteral("&What's new? (www)"));
    if (m_items.VXOnlineHelp && !m_items.VXOnlineHelp->text().startsWith(QLatin1String("&D")))
        m_items.VXOnlineHelp->setText(QStringLiteral("Vistamo! &Help Contents"));
    caption(m_items.Checkforupdate, QStringLiteral("Check for &Update/New version"));
    caption(m_items.ReportBug, QStringLiteral("Report a &bug"));
    caption(m_items.Support, QStringLiteral("&Support the development of Vistamo!"));
    caption(m_items.AboutPictureShow1, QStringLiteral("&About Vistamo!"));

    const auto onClick = [this](QAction* a, void (HelpAndVersionController::*handler)()) {
        if (a)
            connect(a, &QAction::triggered, this, handler);
    };
    onClick(m_items.GettingStarted, &HelpAndVersionController::GettingStartedClick);
    onClick(m_items.WhatsNew, &HelpAndVersionController::WhatsNewClick);
    onClick(m_items.Credits, &HelpAndVersionController::CreditsClick);
    onClick(m_items.VXOnlineHelp, &HelpAndVersionController::VXOnlineHelpClick);
    onClick(m_items.Checkforupdate, &HelpAndVersionController::CheckforupdateClick);
    onClick(m_items.ReportBug, &HelpAndVersionController::ReportBugClick);
    onClick(m_items.Support, &HelpAndVersionController::SupportClick);
    onClick(m_items.AboutPictureShow1, &HelpAndVersionController::AboutPictureShow1Click);
    if (m_helpTimer)
        connect(m_helpTimer, &QTimer::timeout, this, &HelpAndVersionController::HelpTimerTimer);
}

void HelpAndVersionController::ShowHelpTopic(const QString& topic)
{
    emit HelpOpening();   // HelpTimer ends the hourglass
    // The help pages are looked for where the program runs from; start-up
    // switches the Getting started item off when they are missing.
    const QString folder = HelpFolder(m_paths.ProgramFolder.isEmpty() ? platform::programFolder() : m_paths.ProgramFolder);
    const bool itemOff = m_items.GettingStarted && (!m_items.GettingStarted->isEnabled() || !m_items.GettingStarted->isVisible());
    if (itemOff || folder.isEmpty()) {
        platform::showMessage(platform::PromptKind::Error, HelpPagesMissingText);
        return;
    }
    if (m_start.DemoMode)
        return;
    const HelpPageResult page = FindHelpPage(folder, topic);
    if (page.kind == HelpPageKind::PagesMissing) {
        platform::showMessage(platform::PromptKind::Error, HelpPagesMissingText);
        return;
    }
    if (page.kind != HelpPageKind::Page) {
        platform::showMessage(platform::PromptKind::Information, NoHelpForSubjectText);
        return;
    }
    // The hourglass shows for a moment while the browser starts.
    if (!m_helpCursorSet) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_helpCursorSet = true;
    }
    if (m_helpTimer)
        m_helpTimer->start();
    else
        HelpTimerTimer();
    // Without a program for web pages the user learns where the page is.
    const QString pagePath = page.path;
    OpenInBrowser(QUrl::fromLocalFile(pagePath), [pagePath] {
        platform::showMessage(platform::PromptKind::Information, NoWebPageProgramText + pagePath);
    });
}

void HelpAndVersionController::HelpTimerTimer()
{
    if (m_helpTimer)
        m_helpTimer->stop();
    if (m_helpCursorSet) {
        QApplication::restoreOverrideCursor();
        m_helpCursorSet = false;
    }
}

void HelpAndVersionController::GettingStartedClick()
{
    ShowHelpTopic(GettingStartedTopic);
}

void HelpAndVersionController::CreditsClick()
{
    ShowHelpTopic(QStringLiteral("Credits.htm"));
}

void HelpAndVersionController::WhatsNewClick()
{
    OpenWhatsNewPage();
}

void HelpAndVersionController::VXOnlineHelpClick()
{
    // Without help pages the item reads "&Download Vistamo! (again), ...".
    if (m_items.VXOnlineHelp && m_items.VXOnlineHelp->text().startsWith(QLatin1String("&D")))
        OpenDownloadPage();
    else
        ShowHelpTopic(GettingStartedTopic);
}

void HelpAndVersionController::OpenDownloadPage()
{
    OpenWebPage(DownloadPage);
}

void HelpAndVersionController::OpenWhatsNewPage()
{
    OpenWebPage(WhatsNewPage);
}

void HelpAndVersionController::ReportBugClick()
{
    OpenWebPage(BugReportPage);
}

void HelpAndVersionController::SupportClick()
{
    OpenWebPage(SupportPage);
}

void HelpAndVersionController::AboutPictureShow1Click()
{
    emit AboutBoxOpening();
    AboutBox about(m_environment, m_window);
    about.FormActivate();
    platform::execModal(about);
}

HelpAndVersionController::~HelpAndVersionController()
{
    if (m_checking)
        QApplication::restoreOverrideCursor();
}

void HelpAndVersionController::CheckforupdateClick()
{
    // The window keeps running while the record downloads; a second check
    // asked for meanwhile is not started on top of the first.
    if (m_checking)
        return;
    m_checking = true;
    MarkSuggestionMonth(m_settings.Settings);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    const QString target = foundVersionFile(m_paths);
    if (QFile::exists(target))
        QFile::remove(target);
    DownloadUrlToFile(WebPageUrl(PublishedVersionPage), target, this,
                      [this, target](const DownloadOutcome& download) { VersionDownloaded(download.ok(), target); },
                      VersionDownloadTimeoutMs);
}

void HelpAndVersionController::VersionDownloaded(bool ok, const QString& target)
{
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{m_checking};
    HourglassEnd cursor;
    if (!ok) {
        cursor.restore();
        platform::showMessage(platform::PromptKind::Error, DownloadFailedText);
        return;
    }
    const PublishedVersion published = ReadPublishedVersion(target);
    cursor.restore();
    if (published.result != PublishedVersionRead::Ok) {
        platform::showMessage(platform::PromptKind::Error,
                              VersionReadErrorText(PublishedVersionErrorNumber(published.result)));
        return;
    }
    if (!VersionDiffers(published.text, GetFileVersionText())) {
        platform::showMessage(platform::PromptKind::Information, UpToDateText);
        return;
    }
    NewVersionText = published.text;
    int result = 0;
    {
        NewVersionDialog offer(m_environment, m_window);
        offer.NewVersionText = NewVersionText;
        offer.FormActivate();
        result = platform::execModal(offer);
    }
    if (result == ModalResultAbort) {
        OpenDownloadPage();
        QTimer::singleShot(0, this, [this] { emit ProgramCloseRequested(); });
    }
}

void HelpAndVersionController::MonthlySuggestionAtStart()
{
    if (m_start.DemoMode || m_start.AudioMode || m_start.ArgumentMode)
        return;
    TSettingsRecord& Settings = m_settings.Settings;
    if (!ShouldSuggestUpdate(Settings))
        return;
    // Recorded first, so answering No also counts for this month.
    MarkSuggestionMonth(Settings);
    int result = 0;
    {
        MonthlySuggestionDialog suggestion(Settings, m_environment, m_window);
        suggestion.FormActivate();
        result = platform::execModal(suggestion);
    }
    if (result == ModalResultOk)
        CheckforupdateClick();
}

void HelpAndVersionController::OfferMonthlySuggestionWhenIdle()
{
    QPointer<HelpAndVersionController> guard(this);
    QTimer::singleShot(250, this, [guard] {
        if (!guard)
            return;
        if (QThread::currentThread()->loopLevel() != 1 || QApplication::activeModalWidget()) {
            guard->OfferMonthlySuggestionWhenIdle();
            return;
        }
        guard->MonthlySuggestionAtStart();
    });
}
