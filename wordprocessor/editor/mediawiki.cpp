#include "editor/mediawiki.h"

#include "editor/private/editorlogging_p.h"
#include "editor/wiktionarysite.h"

#include "utils/utils.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSslError>
#include <QTimer>

class MediaWikiPrivate
{
public:
    QString result;
    QUrl apiUrl = QUrl(QStringLiteral("http://en.wiktionary.org/w/api.php"));
    QNetworkAccessManager *manager = nullptr;
    QString languageCode = QStringLiteral("en");
    int language = 9;

    WiktionarySite site;
    // The look-up whose answer counts; older replies are aborted and ignored.
    QPointer<QNetworkReply> reply;
    quint64 serial = 0;
};

MediaWiki::MediaWiki(QObject *parent)
    : QObject(parent)
    , d(new MediaWikiPrivate)
{
    d->manager = new QNetworkAccessManager(this);
    connect(d->manager, SIGNAL(finished(QNetworkReply*)), this, SLOT(finished(QNetworkReply*)));
    connect(d->manager, &QNetworkAccessManager::sslErrors, this,
            [](QNetworkReply *, const QList<QSslError> &errors) {
                for (const QSslError &error : errors)
                    qCDebug(lcEditor) << "QSslError" << error.errorString();
            });
}

MediaWiki::~MediaWiki()
{
    delete d;
}

QString MediaWiki::result() const
{
    return d->result;
}

int MediaWiki::language() const
{
    return d->language;
}

void MediaWiki::setLanguage(int language)
{
    if (d->language != language)
        d->language = language;
}

QUrl MediaWiki::apiUrl() const
{
    return d->apiUrl;
}

void MediaWiki::setApiUrl(const QUrl &url)
{
    d->apiUrl = url;
}

WiktionarySite MediaWiki::site() const
{
    return d->site;
}

void MediaWiki::setSite(const WiktionarySite &site)
{
    d->site = site;
}

void MediaWiki::search(const QString &searchTerm)
{
    if (searchTerm.isEmpty())
        return;

    const quint64 serial = ++d->serial;
    if (QNetworkReply *older = d->reply.data()) {
        d->reply = nullptr;
        older->abort();
    }

    d->languageCode = Utils::languageCode(d->language);
    const QUrl url = d->site.pageUrl(d->languageCode, searchTerm);
    if (url.isEmpty()) {
        // No edition to ask (English, or no domain): fail as a reply would,
        // through the event loop, so the owner sees the same order of events.
        qCDebug(lcEditor) << "search" << "no edition for language" << d->language;
        QTimer::singleShot(0, this, [this, serial] {
            if (serial != d->serial)
                return;
            d->result.clear();
            emit finished(false);
        });
        return;
    }

    QNetworkReply *reply = d->manager->get(WiktionarySite::request(url));
    d->reply = reply;
    qCDebug(lcEditor) << "search" << url << reply->error();
    if (reply->error() != QNetworkReply::NoError) {
        connect(reply, &QNetworkReply::finished, this,
                [reply] { qCDebug(lcEditor) << "Ready " << reply->readAll(); });
        reply->close();
    }
}

void MediaWiki::finished(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != d->reply)
        return;   // dropped by a newer look-up
    d->reply = nullptr;

    if (!WiktionarySite::succeeded(reply)) {
        qCDebug(lcEditor) << "search failed" << reply->url() << reply->errorString()
                          << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        d->result.clear();
        emit finished(false);
        return;
    }
    emit finished(processSearchResult(reply));
}

bool MediaWiki::processSearchResult(QNetworkReply *reply)
{
    d->result = QString::fromUtf8(reply->readAll());
    qCDebug(lcEditor) << "processSearchResult" << d->result
                      << reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toString();
    return true;
}
