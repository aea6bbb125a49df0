#include "app/help_web.h"

#include "platform/desktop_open.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHostAddress>

namespace {

UrlOpener& opener()
{
    static UrlOpener o;
    return o;
}

QList<QUrl>& opened()
{
    static QList<QUrl> list;
    return list;
}

QString withoutTrailingSlash(QString s)
{
    while (s.endsWith(QLatin1Char('/')) && !s.endsWith(QLatin1String(":///")))
        s.chop(1);
    return s;
}

} // namespace

bool IsAcceptedSiteOverride(const QString& site)
{
    const QUrl url(site, QUrl::StrictMode);
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("file"))
        return url.host().isEmpty() && !url.path().isEmpty();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return false;
    const QString host = url.host().toLower();
    if (host == QLatin1String("localhost"))
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

QString MakerWebSite()
{
    const QString site = qEnvironmentVariable(WebSiteVariable).trimmed();
    if (!site.isEmpty() && IsAcceptedSiteOverride(site))
        return withoutTrailingSlash(site);
    return DefaultMakerWebSite;
}

QUrl WebPageUrl(const QString& page)
{
    QString path = page;
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return QUrl(MakerWebSite() + path);
}

void OpenInBrowser(const QUrl& url, NoProgramHandler noProgram)
{
    opened().append(url);
    if (opener()) {
        opener()(url, noProgram);
        return;
    }
    // Without a screen (offscreen test runs) no browser is started.
    const QString qpa = QGuiApplication::platformName();
    if (qpa == QLatin1String("offscreen") || qpa == QLatin1String("minimal"))
        return;
    platform::OpenWithDesktop(url, QCoreApplication::instance(), std::move(noProgram));
}

void SetUrlOpener(UrlOpener o)
{
    opener() = std::move(o);
}

const QList<QUrl>& OpenedUrls()
{
    return opened();
}

void ClearOpenedUrls()
{
    opened().clear();
}

void OpenWebPage(const QString& page)
{
    OpenInBrowser(WebPageUrl(page));
}
