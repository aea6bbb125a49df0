// Keeps the screen saver and the monitor's power-off away while a slide show
// advances. The desktop session's org.freedesktop.ScreenSaver service is asked
// to inhibit them and later to let go; without that service nothing happens.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>

namespace platform {

// Inhibits (true) or releases (false); repeated calls with the same value do nothing.
void SetScreenSaverInhibited(bool inhibited);
bool ScreenSaverInhibited();

// Polls `wanted` once a second while `owner` lives and inhibits the screen
// saver exactly while it answers true; releases it when `owner` goes.
void KeepScreenAwakeWhile(QObject* owner, std::function<bool()> wanted);

// Tests replace the session calls: `inhibit` returns a cookie, `release` takes it.
struct ScreenSaverBackend {
    std::function<uint32_t()> inhibit;
    std::function<void(uint32_t)> release;
};
void SetScreenSaverBackendForTests(ScreenSaverBackend backend);

} // namespace platform
