#ifndef YAVO_WIKI_H
#define YAVO_WIKI_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

class QIODevice;
class QNetworkReply;
class WikiPrivate;
class WiktionarySite;

// A client of an online dictionary edition's web API. search() asks which
// pages one page links to and collects their titles, sorted. The edit flow
// (requestEditToken()) fetches an edit token and then posts a new section
// to a fixed page of the Kannada edition; no program calls it.
class Wiki : public QObject
{
    Q_OBJECT

public:
    explicit Wiki(QObject *parent = nullptr);
    ~Wiki() override;

    QStringList results() const;

    int maxItems() const;
    void setMaxItems(int maxItems);

    QUrl apiUrl() const;
    void setApiUrl(const QUrl &url);

    int language() const;
    void setLanguage(int language);

    WiktionarySite site() const;
    void setSite(const WiktionarySite &site);

    void requestEditToken();

public Q_SLOTS:
    void search(const QString &searchTerm);

Q_SIGNALS:
    void finished(bool success);

private Q_SLOTS:
    void finished(QNetworkReply *reply);

private:
    QString languageCode(int language);
    bool processLinksResult(QIODevice *reply);
    bool processEditReply(QIODevice *reply);

    WikiPrivate *const d;
};

#endif
