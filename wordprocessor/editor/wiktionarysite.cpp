#include "editor/wiktionarysite.h"

#include <QNetworkReply>
#include <QNetworkRequest>

WiktionarySite::WiktionarySite()
    : WiktionarySite(QStringLiteral("https"), QStringLiteral("wiktionary.org"))
{
}

WiktionarySite::WiktionarySite(const QString &scheme, const QString &domain)
    : m_scheme(scheme)
    , m_domain(domain)
{
}

QString WiktionarySite::editionHost(const QString &code) const
{
    if (code.isEmpty() || m_domain.isEmpty())
        return QString();
    return QStringLiteral("%1.%2").arg(code, m_domain);
}

QUrl WiktionarySite::editionUrl(const QString &code) const
{
    const QString host = editionHost(code);
    if (host.isEmpty())
        return QUrl();
    QUrl url;
    url.setScheme(m_scheme);
    url.setHost(host);
    return url.isValid() ? url : QUrl();
}

QUrl WiktionarySite::pageUrl(const QString &code, const QString &term) const
{
    QUrl url = editionUrl(code);
    if (url.isEmpty())
        return url;
    url.setPath(QLatin1String("/wiki/") + QString::fromLatin1(QUrl::toPercentEncoding(term)),
                QUrl::StrictMode);
    url.setQuery(QString::fromLatin1(formEncoded({{QStringLiteral("action"), QStringLiteral("render")}})),
                 QUrl::StrictMode);
    return url;
}

QUrl WiktionarySite::apiUrl(const QString &code, const Items &items) const
{
    QUrl url = editionUrl(code);
    if (url.isEmpty())
        return url;
    url.setPath(QStringLiteral("/w/api.php"));
    if (!items.isEmpty())
        url.setQuery(QString::fromLatin1(formEncoded(items)), QUrl::StrictMode);
    return url;
}

QString WiktionarySite::pageLinkPrefix(const QString &code) const
{
    const QString host = editionHost(code);
    return host.isEmpty() ? QString() : QStringLiteral("//%1/wiki/").arg(host);
}

QByteArray WiktionarySite::formEncoded(const Items &items)
{
    QByteArray text;
    for (const auto &item : items) {
        if (!text.isEmpty())
            text += '&';
        text += QUrl::toPercentEncoding(item.first) + '=' + QUrl::toPercentEncoding(item.second);
    }
    return text;
}

QNetworkRequest WiktionarySite::request(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    return request;
}

bool WiktionarySite::succeeded(const QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;
}
