#ifndef YAVO_SEARCHWIDGET_H
#define YAVO_SEARCHWIDGET_H

#include <QDialog>
#include <QString>
#include <QUrl>

class MediaWiki;
class QProgressBar;
class QTextBrowser;
class QVBoxLayout;
class UnicodeLineEdit;
class WiktionarySite;

// A plain window over the page client: an Indic entry field, the page of
// the word typed, and a busy bar while it loads. Links are not followed.
class SearchWidget : public QDialog
{
    Q_OBJECT

public:
    explicit SearchWidget(QWidget *parent = nullptr);

    void setLanguage(int language, int keyboard);
    void updateLanguage(int language);

    // Where the pages come from; the real site unless a test says otherwise.
    void setSite(const WiktionarySite &site);

public Q_SLOTS:
    void go();
    void search(const QString &word);
    void addWordToWiktionary();

private Q_SLOTS:
    void finished(bool success);
    void onAnchorClicked(const QUrl &link);

private:
    MediaWiki *m_client;
    UnicodeLineEdit *m_lineEdit;
    QTextBrowser *m_textBrowser;
    QVBoxLayout *m_layout;
    QProgressBar *m_progressBar;
};

#endif
