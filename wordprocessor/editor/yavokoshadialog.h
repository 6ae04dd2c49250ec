#ifndef YAVO_YAVOKOSHADIALOG_H
#define YAVO_YAVOKOSHADIALOG_H

#include <QDialog>
#include <QString>
#include <QUrl>
#include <QVector>

class DictDatabase;
class QActionGroup;

namespace Ui {
class YavoKoshaDialog;
}

// The "YavoKosha" window, an offline dictionary: looks a word up in the
// dictionary database of the current language and shows its entry; a word
// without one gets links to similar words. Back and Forward walk the words
// looked up, and a status line clears itself after a few seconds. Closing
// only hides the window, so its history survives until it is destroyed.
class YavoKoshaDialog : public QDialog
{
    Q_OBJECT

public:
    explicit YavoKoshaDialog(QWidget *parent = nullptr);
    ~YavoKoshaDialog() override;

    void setLanguage(int language, int keyboard);
    void searchWord(const QString &word);

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void onSearchClicked();
    void onStopClicked();
    void onAnchorClicked(const QUrl &link);
    void onBackwardAvailable(bool available);
    void onForwardAvailable(bool available);
    void onBackwardClicked();
    void onForwardClicked();
    void onTimeOut();
    void onLanguageActionToggled(bool checked);
    void onKeyboardActionToggled(bool checked);
    void onAboutClicked();
    void onExitClicked();
    void onActionInformationClicked();
    void updateStatusMessage(const QString &msg);
    void updateStatusMessage();

private:
    void lookUpWord(const QString &word);
    void readGeometry();
    void writeGeometry();
    void stepThroughHistory(int step);

    Ui::YavoKoshaDialog *ui;
    int m_language = 0;
    int m_keyboard = 0;
    QActionGroup *m_keyboardActionGroup = nullptr;
    DictDatabase *m_dictionary;
    QVector<QString> m_history;
    bool m_record = true;
    QString m_currentWord;
};

#endif
