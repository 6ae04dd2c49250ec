#ifndef YAVO_FINDANDREPLACEDIALOG_H
#define YAVO_FINDANDREPLACEDIALOG_H

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTextCursor>
#include <QTextDocument>

class UnicodeKaEditor;
class UnicodeLineEdit;

namespace Ui {
class FindAndReplaceDialog;
}

// The find and replace strip below the tabs. It searches the document of the
// editor it is bound to, forward or backward, wrapping once, ignoring case and
// by default for whole words only, and replaces the match, the match and the
// next, or every match. Its two Indic fields type in the editor's language
// and remember the texts used from one run to the next.
//
// The panel does not own its editor; once the editor is gone (its tab was
// closed) the panel does nothing until it is bound again.
class FindAndReplaceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FindAndReplaceDialog(QWidget *parent = nullptr);
    ~FindAndReplaceDialog() override;

    void setEditor(UnicodeKaEditor *editor, int language, int keyboard);
    void setMode(int mode);
    bool find(bool forward);
    void restoreEditorCursor(bool focus);
    void retranslate();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private Q_SLOTS:
    void on_replaceAllBtn_clicked();
    void on_replaceNextBtn_clicked();
    void on_findPrevBtn_clicked();
    void on_findNextBtn_clicked();
    void on_replaceBtn_clicked();
    void onExpandReplaceButtonToggled(bool checked);
    void onFindArrowBtnClicked();
    void onReplaceArrowBtnClicked();

private:
    enum LastAction { Find = 0, Replace = 1, ReplaceAndFind = 2, ReplaceAll = 3 };

    void keepEditorSelectionVisible();
    void wrapAround(bool backward);
    bool replaceSelection();
    void focusFindField();
    QTextDocument::FindFlags searchFlags(bool forward) const;
    int replaceAllFrom(int start, int end, const QString &findText, const QString &replaceText);
    void showInformation(const QString &text);

    static void remember(QStringList &history, const QString &text, UnicodeLineEdit *field);

    Ui::FindAndReplaceDialog *ui;
    QPointer<UnicodeKaEditor> m_editor;
    int m_lastAction = Find;
    QTextCursor m_returnCursor;
    QStringList m_findHistory;
    QStringList m_replaceHistory;
};

#endif
