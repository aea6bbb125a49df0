// The main window's help, the Help menu's web pages, the About box and the
// sibling program's window.
#include "app/about_box.h"
#include "app/about_sibling.h"
#include "base/data_folder.h"
#include "app/help.h"
#include "app/help_web.h"
#include "base/start_args.h"
#include "app/tform1.h"
#include "app/version_check.h"
#include "platform/build_info.h"
#include "platform/prompt_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QUrl>

void TForm1::ShowHelpTopic(const QString& topic)
{
    SetupSmallHandlers();   // HelpTimer ends the hourglass
    // The help pages are looked for where the program runs from; start-up
    // switches the Getting started item off when they are missing.
    const QString folder = HelpFolder(ProgramFolder.isEmpty() ? platform::programFolder() : ProgramFolder);
    const bool itemOff = GettingStarted && (!GettingStarted->isEnabled() || !GettingStarted->isVisible());
    if (itemOff || folder.isEmpty()) {
        platform::showMessage(platform::PromptKind::Error, HelpPagesMissingText);
        return;
    }
    if (DemoMode)
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
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (HelpTimer)
        HelpTimer->start();
    else
        HelpTimerTimer();
    OpenInBrowser(QUrl::fromLocalFile(page.path));
}

void TForm1::HelpTimerTimer()
{
    if (HelpTimer)
        HelpTimer->stop();
    if (m_helpCursorSet) {
        QApplication::restoreOverrideCursor();
        m_helpCursorSet = false;
    }
}

void TForm1::GettingStartedClick()
{
    ShowHelpTopic(GettingStartedTopic);
}

void TForm1::CreditsClick()
{
    ShowHelpTopic(QStringLiteral("Credits.htm"));
}

void TForm1::WhatsNewClick()
{
    OpenWhatsNewPage();
}

void TForm1::VXOnlineHelpClick()
{
    // Without help pages the item reads "&Download Vistamo! (again), ...".
    if (VXOnlineHelp && VXOnlineHelp->text().startsWith(QLatin1String("&D")))
        OpenDownloadPage();
    else
        ShowHelpTopic(GettingStartedTopic);
}

void TForm1::OpenDownloadPage()
{
    OpenWebPage(DownloadPage);
}

void TForm1::OpenWhatsNewPage()
{
    OpenWebPage(WhatsNewPage);
}

void TForm1::ReportBugClick()
{
    OpenWebPage(BugReportPage);
}

void TForm1::SupportClick()
{
    OpenWebPage(SupportPage);
}

void TForm1::AboutPictureShow1Click()
{
    if (Timer1)
        Timer1->stop();
    TForm4 about(this);
    about.FormActivate();
    platform::execModal(about);
}

void TForm1::ImgTarnClick()
{
    TForm35 sibling(this);
    platform::execModal(sibling);
}
