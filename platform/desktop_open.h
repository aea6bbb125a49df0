// Opening an address (a web page, a local page, a mail address) with the
// program the desktop has for it.
#pragma once

#include <QUrl>

#include <functional>

class QObject;

namespace platform {

// Hands `url` to the desktop: to xdg-open when it is installed (run without
// waiting), else to QDesktopServices. `noProgram` runs on the calling
// thread, while `context` lives, when the desktop has no program for the
// address: xdg-open is missing and Qt knows no other way, xdg-open can not be
// started, or it ends saying that no program could open it.
void OpenWithDesktop(const QUrl& url, QObject* context, std::function<void()> noProgram);

} // namespace platform
