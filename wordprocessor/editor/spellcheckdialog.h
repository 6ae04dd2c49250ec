#ifndef YAVO_SPELLCHECKDIALOG_H
#define YAVO_SPELLCHECKDIALOG_H

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

class QListWidgetItem;
class UnicodeKaEditor;
class Utils;

namespace Ui {
class SpellCheckDialog;
}

// Walks through a document word by word and stops at every word the word
// list does not know. The word on show is selected in the editor and
// underlined on screen only: until the user changes it, the document is not
// touched, so the walk adds no undo steps and leaves the document unmodified.
// The word can be ignored, added to the user dictionary, or changed once or
// everywhere below it.
class SpellCheckDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SpellCheckDialog(Utils *utils, QWidget *parent = nullptr);
    ~SpellCheckDialog() override;

    void setEditor(UnicodeKaEditor *editor, int language, int keyboard);
    // The name under which the tab widget binds the dialog; the same as
    // setEditor().
    void setLanguage(UnicodeKaEditor *editor, int language, int keyboard)
    {
        setEditor(editor, language, keyboard);
    }
    void startCheck();

public Q_SLOTS:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void on_ignorePushButton_clicked();
    void on_closePushButton_clicked();
    void on_ignoreAllPushButton_clicked();
    void on_changePushButton_clicked();
    void on_changeAllPushButton_clicked();
    void on_addToDictionary_clicked();
    void onSuggestionDoubleClicked(QListWidgetItem *item);
    void onCurrentRowChanged(int row);

private:
    bool checkNextWord();
    bool selectNextWord();
    bool showMisspelledWord();
    void clearFields();
    void removeHighlight();
    void setHighlight(bool on);
    bool hasWordOnShow() const;

    Ui::SpellCheckDialog *ui;
    QPointer<UnicodeKaEditor> m_editor;
    QTextCharFormat m_highlightFormat;
    QTextCursor m_walkCursor;
    Utils *m_utils = nullptr;
    QString m_currentWord;
    QTextCharFormat m_savedFormat;
};

#endif
