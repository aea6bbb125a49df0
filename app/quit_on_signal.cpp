#include "app/quit_on_signal.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};
bool quitRequested = false;

void onSignal(int)
{
    const char c = 1;
    (void)!::write(signalPipe[1], &c, 1);
}

void onSignalRead(QuitSignalWatch& watch)
{
    char c;
    (void)!::read(signalPipe[0], &c, 1);
    const bool again = quitRequested;
    quitRequested = true;
    if (!again && watch.CloseConnected()) {
        emit watch.closeWanted();
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

bool QuitSignalWatch::CloseConnected() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&QuitSignalWatch::closeWanted));
}

QuitSignalWatch* WatchQuitSignal()
{
    if (signalPipe[0] < 0 || !QCoreApplication::instance())
        return nullptr;
    auto* watch = new QuitSignalWatch(QCoreApplication::instance());
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, watch);
    QObject::connect(notifier, &QSocketNotifier::activated, watch, [watch] { onSignalRead(*watch); });
    return watch;
}

bool QuitRequested()
{
    return quitRequested;
}
