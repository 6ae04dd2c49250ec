#ifndef YAVO_WIKTIONARYONLINE_H
#define YAVO_WIKTIONARYONLINE_H

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QVector>

class MediaWiki;
class WiktionarySite;

namespace Ui {
class WiktionaryOnline;
}

// The "Wiktionary Meaning (Online)..." window: looks the typed word up in
// the online dictionary's edition of the current language and shows the
// page; links to other words of the same edition are followed inside the
// window, and Back and Forward walk the words looked up so far.
class WiktionaryOnline : public QDialog
{
    Q_OBJECT

public:
    explicit WiktionaryOnline(QWidget *parent = nullptr);
    ~WiktionaryOnline() override;

    void setLanguage(int language, int keyboard);
    void searchWord(const QString &word);

    // Where the pages come from; the real site unless a test says otherwise.
    void setSite(const WiktionarySite &site);

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void onSearchClicked();
    void onFinished(bool success);
    void onAnchorClicked(const QUrl &link);
    void onBackwardClicked();
    void onForwardClicked();

private:
    void updateHistoryButtons(int index);
    void stepThroughHistory(int step);

    Ui::WiktionaryOnline *ui;
    QVector<QString> m_history;
    QPointer<MediaWiki> m_client;
    QString m_currentWord;
    bool m_record = true;
};

#endif
