// Vistamo! entry point: the single-instance guard, the main window and the
// other long-lived windows, the command-line argument, the event loop.
//
// The start-up sequence runs inside the event loop, so that a request to end
// the program made while a start-up window is open (a signal, an exception)
// ends the event loop as it does at any later time. SIGTERM and SIGINT close
// the main window as the user would (its close handler runs: settings merged
// and saved, run marker removed), from any state (app/quit_on_signal.h).
//
// Exit codes: 0 normal end or a start refused by the instance guard,
// 1 the guard could not run, 2 the program refused to run (StartAbort),
// 3 an audio-only start ("/audio": that player is not built).
#include "app/application_setup.h"
#include "base/data_folder.h"
#include "app/instance_guard.h"
#include "app/keyboard_hook_application.h"
#include "app/quit_on_signal.h"
#include "slideshow/auto_show_windows.h"
#include "base/start_args.h"
#include "app/main_window.h"
#include "browse/folder_tree_widget.h"
#include "platform/prompt.h"
#include "platform/record_file.h"
#include "shows/show_windows.h"
#include "slideshow/show_state.h"
#include "slideshow/show_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTimer>

#include <csignal>

namespace {

// The close a signal runs once the main window is complete: the user's own
// close (a show ends first, then the settings are saved).
void closeOnSignal(MainWindow* form1)
{
    form1->closing()->CloseForSignal();
}

// The long-lived windows of the other subsystems; the main window keeps
// them.
void makeLongLivedWindows(ProgramState& state, MainWindow* form1)
{
    if (!form1->showWindow())
        form1->setShowWindow(new ShowWindow(state));
    if (!form1->pictureTextWindow())
        form1->setPictureTextWindow(new PictureTextWindow);
    if (!form1->folderPictureWindow())
        form1->setFolderPictureWindow(new FolderPictureChooser(form1));
    if (!state.start.DemoMode && !state.start.ArgumentMode && !form1->showManager())
        form1->setShowManager(new ShowManagerWindow(state.paths.ShowListPath));
    if (state.start.DemoMode && !form1->demoShowWindow())
        form1->setDemoShowWindow(new AutoShowOfferWindow(*form1, form1->folderTree()->Exclusions, state));
    if (!form1->replayWindow())
        form1->setReplayWindow(new AutoShowCountdownWindow(*form1, form1->folderTree()->Exclusions, state));
}

// The main window's first showing: a demo start stops the idle timer, any
// other disables the edit-program button; a demo start whose main window is
// not visible at start shows the automatic show window.
void showMainWindowAtStart(ProgramState& state, MainWindow* form1)
{
    if (state.start.DemoMode)
        form1->input()->idleTimer()->stop();
    else
        form1->actionNamed("RunExeToolButton")->setEnabled(false);

    if (form1->startup()->VisibleAtStart())
        form1->show();
    else if (state.start.DemoMode) {
        // The automatic show window with its two buttons; the main window
        // shows 1 x 1 and hides itself at once (TimerAutoCDRun).
        form1->demoShowWindow()->show();
        form1->show();
    }
}

// A start-up warning, once the windows are up; the idle timer waits for it.
void showStartupWarning(ProgramState& state, MainWindow* form1)
{
    if (!state.start.StartupMessage.isEmpty()) {
        form1->input()->idleTimer()->stop();
        if (platform::showMessage(platform::PromptKind::Warning, state.start.StartupMessage) == platform::PromptAnswer::Ok
            && !QuitRequested()) {
            state.start.StartupMessage.clear();
            form1->input()->idleTimer()->start();
        }
    }
}

// The start after the guard: the main window and the other long-lived
// windows, the start-up warning, the command-line argument and the monthly
// suggestion. Returns 2 when the program refuses to run, else 0. After each
// part that may wait for the user, a signal's request to end is obeyed.
int startProgram(ProgramState& state, MainWindow*& form1Out, InstanceGuard& guard, const QStringList& params,
                 QuitSignalWatch* quitWatch)
{
    if (QuitRequested())
        return 0;   // asked to end before anything was made

    // The main window; its creation does the settings work.
    auto* form1 = new MainWindow(state);
    form1Out = form1;
    form1->startup()->StartParameters = params;
    form1->startup()->FormCreate();

    // Demo mode keeps the main window out of sight.
    if (state.start.DemoMode) {
        form1->resize(1, 1);
        // The window shrinks on the screen now, before the rest of the start runs.
        QCoreApplication::processEvents();
    }

    // A refused start ends here.
    if (state.start.StartAbort || state.start.StartupRunFlag != 1) {
        form1->closing()->CloseWithoutSaving = true;
        return 2;
    }

    makeLongLivedWindows(state, form1);

    // From here a signal closes the complete main window.
    if (quitWatch)
        QObject::connect(quitWatch, &QuitSignalWatch::closeWanted, form1, [form1] { closeOnSignal(form1); });
    if (QuitRequested()) {
        closeOnSignal(form1);   // asked while the window was being made
        return 0;
    }

    showMainWindowAtStart(state, form1);
    guard.Listen(RaiseRunningWindows);

    showStartupWarning(state, form1);
    if (QuitRequested())
        return 0;

    // The command-line argument.
    form1->startup()->DispatchStartArgument();
    if (QuitRequested())
        return 0;

    // The monthly suggestion.
    form1->startup()->OfferMonthlySuggestion();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    InstallQuitOnSignal();
    KeyboardHookApplication app(argc, argv);
    // An exception that escapes an event handler is shown, then the program ends.
    QObject::connect(&app.exceptionReport(), &EscapedExceptionReport::escaped, &app, ShowExceptionAndEnd);
    SetUpApplication();
    QuitSignalWatch* const quitWatch = WatchQuitSignal();
    const QStringList params = QCoreApplication::arguments().mid(1);
    // A write past the user's file-size limit fails and is reported as a full
    // disk is, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);

    // The single-instance guard, before any window exists.
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

    // The program's state outlives every window.
    ProgramState state;
    // The start runs inside the event loop.
    MainWindow* form1 = nullptr;
    int startCode = 0;
    QTimer::singleShot(0, &app, [&] {
        startCode = startProgram(state, form1, guard, params, quitWatch);
        if (startCode != 0)
            QCoreApplication::exit(startCode);
    });
    const int loopCode = app.exec();
    // From here a signal ends the program at once.
    if (quitWatch)
        QObject::disconnect(quitWatch, &QuitSignalWatch::closeWanted, nullptr, nullptr);
    // Asked to end before the main window was made: the run marker that the
    // guard made goes with this start.
    if (!form1 && !demoStart)
        QFile::remove(DefaultDataFolder() + (IsAudioStart(params) ? QStringLiteral("/AudioRun.dat")
                                                                   : QStringLiteral("/OtherRun.dat")));
    guard.Release();
    // The windows without a parent go first; the others are the main
    // window's children and go with it.
    if (form1) {
        for (QWidget* w : {static_cast<QWidget*>(form1->showWindow()), static_cast<QWidget*>(form1->pictureTextWindow()),
                           static_cast<QWidget*>(form1->showManager()), static_cast<QWidget*>(form1->replayWindow()),
                           static_cast<QWidget*>(form1->demoShowWindow())})
            delete w;
        form1->setShowWindow(nullptr);
        form1->setPictureTextWindow(nullptr);
        form1->setShowManager(nullptr);
        form1->setReplayWindow(nullptr);
        form1->setDemoShowWindow(nullptr);
        form1->setFolderPictureWindow(nullptr);  // a child of the main window
    }
    delete form1;
    return startCode != 0 ? startCode : loopCode;
}
