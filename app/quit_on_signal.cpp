#include "app/quit_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};
bool quitRequested = false;

std::function<void()>& closeMainWindow()
{
    static std::function<void()> close;
    return close;
}

void onSignal(int)
{
    const char c = 1;
    (void)!::write(signalPipe[1], &c, 1);
}

void onSignalRead()
{
    char c;
    (void)!::read(signalPipe[0], &c, 1);
    const bool again = quitRequested;
    quitRequested = true;
    if (!again && closeMainWindow()) {
        // A copy: the close may clear the handler.
        const std::function<void()> close = closeMainWindow();
        close();
        return;
    }
    QCoreApplication::exit(0);
}

} // namespace

void InstallQuitOnSignal()
{
    if (signalPipe[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
}

void WatchQuitSignal()
{
    static QSocketNotifier* notifier = nullptr;
    if (notifier || signalPipe[0] < 0 || !QCoreApplication::instance())
        return;
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { onSignalRead(); });
}

bool QuitRequested()
{
    return quitRequested;
}

void QuitByClosing(std::function<void()> close)
{
    closeMainWindow() = std::move(close);
}
