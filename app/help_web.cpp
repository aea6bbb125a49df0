#include "app/help_web.h"

#include <QHostAddress>

namespace {

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

void OpenWebPage(const QString& page)
{
    platform::OpenWebAddress(WebPageUrl(page));
}
