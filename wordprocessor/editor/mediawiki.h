#ifndef YAVO_MEDIAWIKI_H
#define YAVO_MEDIAWIKI_H

#include <QObject>
#include <QString>
#include <QUrl>

class MediaWikiPrivate;
class QNetworkReply;
class WiktionarySite;

// Fetches the rendered page of a word (the page body as HTML, without the
// site's frame) from the online dictionary's edition of the current
// language, and announces it with finished(); result() then holds the page.
// Only the latest look-up counts: a new search() drops the one before it.
class MediaWiki : public QObject
{
    Q_OBJECT

public:
    explicit MediaWiki(QObject *parent = nullptr);
    ~MediaWiki() override;

    QString result() const;

    int language() const;
    void setLanguage(int language);

    QUrl apiUrl() const;
    void setApiUrl(const QUrl &url);

    WiktionarySite site() const;
    void setSite(const WiktionarySite &site);

public Q_SLOTS:
    void search(const QString &searchTerm);

Q_SIGNALS:
    void finished(bool success);

private Q_SLOTS:
    void finished(QNetworkReply *reply);

private:
    bool processSearchResult(QNetworkReply *reply);

    MediaWikiPrivate *const d;
};

#endif
