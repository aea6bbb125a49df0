// Vistamo! entry point: the single-instance guard, the main window and the
// other long-lived windows, the command-line argument, the event loop.
//
// SIGTERM and SIGINT close the main window as the user would (its close
// handler runs: settings merged and saved, run marker removed), so the
// program can be ended cleanly from outside (session logout, tests).
//
// Exit codes: 0 normal end or a start refused by the instance guard,
// 1 the guard could not run, 2 the program refused to run (StartAbort).
#include "app/data_folder.h"
#include "app/instance_guard.h"
#include "app/keyboard_hook_application.h"
#include "slideshow/auto_show_windows.h"
#include "app/start_args.h"
#include "app/tform1.h"
#include "platform/prompt.h"
#include "platform/record_file.h"
#include "shows/show_windows.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    (void)!::write(signalPipe[1], &c, 1);
}

// Turns SIGTERM / SIGINT into a normal close of the main window.
void installCloseOnSignal(QObject* owner)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [] {
        char c;
        (void)!::read(signalPipe[0], &c, 1);
        if (Form1)
            Form1->close();
        else
            QCoreApplication::quit();
    });
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistamo!"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vistamo!"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList params = QCoreApplication::arguments().mid(1);
    // A write past the user's file-size limit fails and is reported as a full
    // disk is, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    // 1. The single-instance guard, before any window exists.
    InstanceGuard& guard = ProcessInstanceGuard();
    // The run marker is made while the guard decides (not for a demo start,
    // which keeps none); a start that is refused later removes it again.
    const bool demoStart = !params.isEmpty() && params.first() == QLatin1String("/vxdemo");
    const GuardResult admitted = guard.Check(DefaultDataFolder(), IsAudioStart(params), !demoStart);
    if (admitted.Outcome == GuardOutcome::Refused)
        return 0;
    if (admitted.Outcome == GuardOutcome::Failed) {
        platform::showMessage(platform::PromptKind::Error, admitted.Message);
        return 1;
    }

    // 2.-3. The main window; its creation does the settings work.
    auto* form1 = new TForm1;
    Form1 = form1;
    form1->StartParameters = params;
    form1->FormCreate();

    // 4. Demo mode keeps the main window out of sight.
    if (DemoMode) {
        form1->resize(1, 1);
        QCoreApplication::processEvents();
    }

    // 6. A refused start ends here, without an event loop.
    if (StartAbort || StartupRunFlag != 1) {
        form1->CloseWithoutSaving = true;
        delete form1;
        Form1 = nullptr;
        guard.Release();
        return 2;
    }

    // 7.-11. The long-lived windows of the other subsystems.
    if (!Form9)
        Form9 = new TForm9;
    if (!Form10)
        Form10 = new TForm10;
    if (!Form20)
        Form20 = new TForm20(form1);
    if (!DemoMode && !ArgumentMode && !Form16)
        Form16 = new TForm16(ShowListPath);
    if (DemoMode && !Form13)
        Form13 = new TForm13(form1);
    if (!Form2)
        Form2 = new TForm2(form1);

    // 12.
    if (DemoMode)
        form1->Timer1->stop();
    else
        form1->RunExeToolButton->setEnabled(false);

    installCloseOnSignal(&app);
    if (form1->VisibleAtStart())
        form1->show();
    else if (DemoMode) {
        // The automatic show window with its two buttons; the main window
        // shows 1 x 1 and hides itself at once (TimerAutoCDRun).
        Form13->show();
        form1->show();
    }
    guard.Listen(RaiseRunningWindows);

    // 13. A start-up warning, once the windows are up.
    if (!StartupMessage.isEmpty()) {
        form1->Timer1->stop();
        if (platform::showMessage(platform::PromptKind::Warning, StartupMessage) == platform::PromptAnswer::Ok) {
            StartupMessage.clear();
            form1->Timer1->start();
        }
    }

    // 14. The command-line argument.
    form1->DispatchStartArgument();

    // 15. The monthly suggestion.
    form1->OfferMonthlySuggestion();

    const int code = app.exec();
    guard.Release();
    for (QWidget* w : {static_cast<QWidget*>(Form9), static_cast<QWidget*>(Form10), static_cast<QWidget*>(Form16)})
        delete w;
    Form9 = nullptr;
    Form10 = nullptr;
    Form16 = nullptr;
    Form20 = nullptr;  // a child of the main window
    delete form1;
    Form1 = nullptr;
    return code;
}
