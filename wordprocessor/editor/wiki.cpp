#include "editor/wiki.h"

#include "editor/private/editorlogging_p.h"
#include "editor/wiktionarysite.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QXmlStreamReader>

#include <array>

namespace {

// What a reply answers; each request carries it, so a links query started
// while the edit flow runs cannot be mistaken for the edit's answer.
enum RequestState { LinksQuery = 0, TokenQuery = 1, EditToPost = 2, PostedEdit = 3 };

constexpr auto requestStateAttribute = QNetworkRequest::User;

// The editions of the links query. Oriya (3) goes to the English edition.
constexpr std::array<const char *, 9> editionCodes = {
    "kn", "te", "ml", "en", "hi", "gu", "bn", "pa", "ta",
};

const QString kannadaCode = QStringLiteral("kn");

} // namespace

class WikiPrivate
{
public:
    QStringList results;
    QUrl apiUrl = QUrl(QStringLiteral("http://en.wiktionary.org/w/api.php"));
    QNetworkAccessManager *manager = nullptr;
    int maxItems = 10;
    QString languageCode = QStringLiteral("en");
    int language = 9;
    QString editToken;
    QString baseTimeStamp;
    int requestState = LinksQuery;

    WiktionarySite site;
    QPointer<QNetworkReply> linksReply;

    QNetworkReply *send(const QUrl &url, RequestState state)
    {
        QNetworkRequest request = WiktionarySite::request(url);
        request.setAttribute(requestStateAttribute, int(state));
        return manager->get(request);
    }
};

Wiki::Wiki(QObject *parent)
    : QObject(parent)
    , d(new WikiPrivate)
{
    d->manager = new QNetworkAccessManager(this);
    connect(d->manager, SIGNAL(finished(QNetworkReply*)), this, SLOT(finished(QNetworkReply*)));
}

Wiki::~Wiki()
{
    delete d;
}

QStringList Wiki::results() const
{
    return d->results;
}

int Wiki::maxItems() const
{
    return d->maxItems;
}

void Wiki::setMaxItems(int maxItems)
{
    d->maxItems = maxItems;
}

QUrl Wiki::apiUrl() const
{
    return d->apiUrl;
}

void Wiki::setApiUrl(const QUrl &url)
{
    d->apiUrl = url;
}

int Wiki::language() const
{
    return d->language;
}

void Wiki::setLanguage(int language)
{
    if (d->language != language)
        d->language = language;
}

WiktionarySite Wiki::site() const
{
    return d->site;
}

void Wiki::setSite(const WiktionarySite &site)
{
    d->site = site;
}

QString Wiki::languageCode(int language)
{
    if (language >= 0 && language < int(editionCodes.size()))
        d->languageCode = QString::fromLatin1(editionCodes[language]);
    return d->languageCode;
}

void Wiki::search(const QString &searchTerm)
{
    if (searchTerm.isEmpty())
        return;
    d->requestState = LinksQuery;
    const QUrl url = d->site.apiUrl(languageCode(d->language), {
            {QStringLiteral("action"), QStringLiteral("query")},
            {QStringLiteral("titles"), searchTerm},
            {QStringLiteral("prop"), QStringLiteral("links")},
            {QStringLiteral("format"), QStringLiteral("xml")},
    });
    if (QNetworkReply *older = d->linksReply.data()) {
        d->linksReply = nullptr;
        older->abort();
    }
    if (url.isEmpty()) {
        // No domain to ask: fail as a reply would, through the event loop.
        qCDebug(lcEditor) << "links query: no edition";
        QTimer::singleShot(0, this, [this] { emit finished(false); });
        return;
    }
    d->linksReply = d->send(url, LinksQuery);
}

void Wiki::requestEditToken()
{
    d->requestState = TokenQuery;
    if (!d->editToken.isEmpty())
        return;
    const QUrl url = d->site.apiUrl(kannadaCode, {
            {QStringLiteral("action"), QStringLiteral("query")},
            {QStringLiteral("prop"), QStringLiteral("info|revisions")},
            {QStringLiteral("intoken"), QStringLiteral("edit")},
            {QStringLiteral("titles"), QStringLiteral("zest")},
            {QStringLiteral("format"), QStringLiteral("xml")},
    });
    if (url.isEmpty())
        return;
    qCDebug(lcEditor) << "Constructed search URL" << url.query(QUrl::FullyEncoded);
    d->send(url, TokenQuery);
}

void Wiki::finished(QNetworkReply *reply)
{
    reply->deleteLater();
    const int state = reply->request().attribute(requestStateAttribute, int(LinksQuery)).toInt();
    if (state == LinksQuery) {
        if (reply != d->linksReply)
            return;   // dropped by a newer links query
        d->linksReply = nullptr;
    }
    if (!WiktionarySite::succeeded(reply)) {
        qCDebug(lcEditor) << "wiki request failed" << reply->url() << reply->errorString();
        emit finished(false);
        return;
    }
    d->requestState = state;
    emit finished(state == LinksQuery ? processLinksResult(reply) : processEditReply(reply));
}

bool Wiki::processLinksResult(QIODevice *reply)
{
    d->results.clear();
    QXmlStreamReader xml(reply);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("pl"))
            d->results << xml.attributes().value(QLatin1String("title")).toString();
    }
    if (xml.hasError()) {
        qCDebug(lcEditor) << "links answer:" << xml.errorString();
        return false;
    }
    d->results.sort(Qt::CaseSensitive);
    return true;
}

bool Wiki::processEditReply(QIODevice *reply)
{
    QString text = QString::fromUtf8(reply->readAll());
    const int nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    qCDebug(lcEditor) << "Result obtained = " << text;
    QXmlStreamReader xml(text);

    if (d->requestState == TokenQuery) {
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("page"))
                d->editToken = xml.attributes().value(QLatin1String("edittoken")).toString();
            else if (xml.name() == QLatin1String("rev"))
                d->baseTimeStamp = xml.attributes().value(QLatin1String("timestamp")).toString();
        }
        if (xml.hasError())
            return false;
        d->requestState = EditToPost;
    }

    if (d->requestState == EditToPost) {
        const WiktionarySite::Items items = {
            {QStringLiteral("action"), QStringLiteral("edit")},
            {QStringLiteral("title"), QStringLiteral("word")},
            {QStringLiteral("section"), QStringLiteral("new")},
            {QStringLiteral("summary"), QStringLiteral("bhaashe")},
            {QStringLiteral("text"), QStringLiteral("bhaashe")},
            {QStringLiteral("basetimestamp"), d->baseTimeStamp},
            {QStringLiteral("token"), d->editToken},
            {QStringLiteral("format"), QStringLiteral("xml")},
        };
        const QUrl url = d->site.apiUrl(kannadaCode);
        qCDebug(lcEditor) << "Constructed search URL" << d->site.apiUrl(kannadaCode, items);
        d->requestState = PostedEdit;
        QNetworkRequest request = WiktionarySite::request(url);
        request.setAttribute(requestStateAttribute, int(PostedEdit));
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QByteArrayLiteral("application/x-www-form-urlencoded"));
        const QByteArray body = WiktionarySite::formEncoded(items);
        qCDebug(lcEditor) << "Data = " << body << "\nURL =" << url;
        d->manager->post(request, body);
        return true;
    }

    // The edit's answer.
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("edit"))
            break;
    }
    if (xml.hasError())
        return false;
    qCDebug(lcEditor) << xml.attributes().value(QLatin1String("result")).toString();
    return true;
}
