// Opening an address (a web page, a local page, a mail address) with the
// program the desktop has for it.
#pragma once

#include <QList>
#include <QString>
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

// Runs when the desktop has no program for an address.
using NoProgramHandler = std::function<void()>;

// Opens an address in the user's browser (or mail program for "mailto:",
// or file manager for a folder). On the offscreen and minimal platforms it
// is only recorded. `noProgram`, when given, runs later when the desktop has
// no program for the address.
void OpenInBrowser(const QUrl& url, NoProgramHandler noProgram = {});

// Open a web page, a mail address, a folder; when the desktop has no
// program for it, the user is told what could not be opened (the text
// below, the address on its own line).
void OpenWebAddress(const QUrl& url);
void OpenMailAddress(const QString& address);
void OpenFolderInFileManager(const QString& folder);
inline const QString NoBrowserText = QStringLiteral("This desktop has no program to show web pages.\nThe page is\n");
inline const QString NoMailProgramText = QStringLiteral("This desktop has no mail program.\nThe address is\n");
inline const QString NoFileManagerText = QStringLiteral("This desktop has no file manager.\nThe folder is\n");

// ---- Tests -----------------------------------------------------------------
using UrlOpener = std::function<void(const QUrl&, const NoProgramHandler&)>;
// Replaces the opener (an empty function restores the desktop's). Every
// address asked for is recorded either way.
void SetUrlOpener(UrlOpener opener);
const QList<QUrl>& OpenedUrls();
void ClearOpenedUrls();

} // namespace platform
