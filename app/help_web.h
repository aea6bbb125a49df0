// Opening pages in the user's browser, and the maker's web site.
//
// Every page the program opens (help pages, the maker's web pages, mail)
// goes through OpenInBrowser (platform/desktop_open.h), which hands the
// address to the desktop (xdg-open); without a program for it the user is
// told what could not be opened. Tests replace the opener and read the
// addresses that were asked for.
#pragma once

#include "platform/desktop_open.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>

// The maker's web site, without a trailing "/".
inline const QString DefaultMakerWebSite = QStringLiteral("https://vistamo.example");
// The sibling renaming program's web site.
inline const QString SiblingWebSite = QStringLiteral("https://tarnivo.example");
// The maker's mail address.
inline const QString MakerMailAddress = QStringLiteral("info@vistamo.example");

// The environment variable that points the program at another copy of the
// web site (a file:// folder, or a server on this machine).
inline constexpr const char* WebSiteVariable = "VISTAMO_WEB_SITE";

// The web site in use: DefaultMakerWebSite, or the value of
// VISTAMO_WEB_SITE when that is a file:// folder or an http(s) address on
// the loopback interface (127.0.0.1, ::1, localhost). Any other value is
// ignored, so the program never talks to an unexpected host.
QString MakerWebSite();
// True when `site` may stand in for the maker's web site.
bool IsAcceptedSiteOverride(const QString& site);

// The address of a page of the web site; `page` starts with "/".
QUrl WebPageUrl(const QString& page);

using platform::ClearOpenedUrls;
using platform::NoProgramHandler;
using platform::OpenedUrls;
using platform::OpenInBrowser;
using platform::SetUrlOpener;
using platform::UrlOpener;

// Opens a page of the maker's web site (`page` starts with "/"); without a
// program for web pages the user is told the page's address.
void OpenWebPage(const QString& page);
