#ifndef YAVO_UNICODELINEEDIT_H
#define YAVO_UNICODELINEEDIT_H

#include <QPlainTextEdit>
#include <QStringList>

class UnicodeLineEditPrivate;

// The one-line Indic entry field of the dialogs. The user types Latin keys
// and the field shows them in the chosen script, composed live with the
// same transliterator as the document editor. A word list, once given,
// drives a completion (or history) popup.
//
// A word being composed ends with any cursor move the field did not make
// itself: a click, an arrow key, or a key the field leaves to the plain text
// edit.
class UnicodeLineEdit : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit UnicodeLineEdit(QWidget *parent = nullptr);
    ~UnicodeLineEdit() override;

    QString text() const;
    // White space is simplified: trimmed, inner runs made one space.
    void setText(const QString &text);

    // keyboard is numbered as KeyboardLayout numbers it.
    void setLanguage(int language, int keyboard);
    int language() const;

    // Return and Enter also insert a line break.
    void setMultiLine(bool multiLine);

    void resetComposition();

    void setCompleterPopupAtCursor(bool atCursor);
    void showCompleter();
    // The first call creates the completer; later calls change nothing.
    void setWords(const QStringList &words);
    // Extends the list of setWords(), duplicates removed; ignored before it.
    void addWords(const QStringList &words);

Q_SIGNALS:
    void editingFinished();
    void focusChanged(bool focusIn);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private Q_SLOTS:
    void onCursorPositionChanged();
    void onCompleterItemActivated(const QString &completion);

private:
    friend class UnicodeLineEditPrivate;
    UnicodeLineEditPrivate *const d;
};

#endif
