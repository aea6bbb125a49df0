#include "platform/screen_saver.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QTimer>

namespace platform {
namespace {

const QString kService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kPath = QStringLiteral("/org/freedesktop/ScreenSaver");

ScreenSaverBackend& backend()
{
    static ScreenSaverBackend b;
    return b;
}

bool g_inhibited = false;
uint32_t g_cookie = 0;

uint32_t sessionInhibit()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return 0;
    QDBusInterface saver(kService, kPath, kService, bus);
    if (!saver.isValid())
        return 0;
    const QDBusReply<uint32_t> reply =
        saver.call(QStringLiteral("Inhibit"), QStringLiteral("Vistamo!"), QStringLiteral("A slide show is playing"));
    return reply.isValid() ? reply.value() : 0;
}

void sessionRelease(uint32_t cookie)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusInterface saver(kService, kPath, kService, bus);
    if (saver.isValid())
        saver.call(QStringLiteral("UnInhibit"), cookie);
}

} // namespace

void SetScreenSaverInhibited(bool inhibited)
{
    if (inhibited == g_inhibited)
        return;
    g_inhibited = inhibited;
    if (inhibited) {
        g_cookie = backend().inhibit ? backend().inhibit() : sessionInhibit();
    } else {
        if (g_cookie != 0) {
            if (backend().release)
                backend().release(g_cookie);
            else
                sessionRelease(g_cookie);
        }
        g_cookie = 0;
    }
}

bool ScreenSaverInhibited()
{
    return g_inhibited;
}

void KeepScreenAwakeWhile(QObject* owner, std::function<bool()> wanted)
{
    auto* timer = new QTimer(owner);
    timer->setObjectName(QStringLiteral("ScreenSaverTimer"));
    timer->setInterval(1000);
    QObject::connect(timer, &QTimer::timeout, owner, [wanted] { SetScreenSaverInhibited(wanted()); });
    QObject::connect(owner, &QObject::destroyed, [] { SetScreenSaverInhibited(false); });
    timer->start();
}

void SetScreenSaverBackendForTests(ScreenSaverBackend b)
{
    backend() = std::move(b);
}

} // namespace platform
