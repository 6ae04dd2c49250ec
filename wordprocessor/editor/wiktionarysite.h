#ifndef YAVO_WIKTIONARYSITE_H
#define YAVO_WIKTIONARYSITE_H

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

class QNetworkReply;
class QNetworkRequest;

// Where the online dictionary lives: one domain, and for each language an
// edition whose host is the language code, a dot and the domain. The scheme
// and domain are values so that tests can point the clients at a loopback
// server.
class WiktionarySite
{
public:
    using Items = QList<QPair<QString, QString>>;

    WiktionarySite();   // https, "wiktionary.org"
    WiktionarySite(const QString &scheme, const QString &domain);

    QString scheme() const { return m_scheme; }
    QString domain() const { return m_domain; }

    // "<code>.<domain>"; empty when the code or the domain is, as a host
    // that starts or ends with a dot reaches no edition.
    QString editionHost(const QString &code) const;

    // The rendered page of a term, the term being one path segment after
    // "/wiki/" (so "?", "#" and "/" stay part of it). Empty without a host.
    QUrl pageUrl(const QString &code, const QString &term) const;

    // The edition's web API, "/w/api.php", carrying the items as its query.
    // Empty without a host.
    QUrl apiUrl(const QString &code, const Items &items = Items()) const;

    // "//<code>.<domain>/wiki/": how the rendered pages link to another
    // page of the same edition. Empty without a host.
    QString pageLinkPrefix(const QString &code) const;

    // name=value pairs joined by "&", every character but the unreserved
    // ones percent-encoded: "+" and "&" inside a value survive the trip.
    static QByteArray formEncoded(const Items &items);

    // A request that follows redirects only within the same scheme, host
    // and port.
    static QNetworkRequest request(const QUrl &url);

    // Whether the reply brought a page: no error and a 2xx status. Anything
    // else, a redirect left unfollowed among them, is a failure.
    static bool succeeded(const QNetworkReply *reply);

private:
    QUrl editionUrl(const QString &code) const;

    QString m_scheme;
    QString m_domain;
};

#endif
