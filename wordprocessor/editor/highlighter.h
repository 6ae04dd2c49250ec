#ifndef YAVO_HIGHLIGHTER_H
#define YAVO_HIGHLIGHTER_H

#include <QSyntaxHighlighter>
#include <QTextCursor>
#include <QTextCharFormat>
#include <QVector>

class QTextBlock;
class QTextDocument;
class UnicodeKaEditor;
class Utils;

// Spell check as you type: underlines, with a red wave, every word of a
// paragraph that the word list does not know. Until the word list is loaded
// every word counts as unknown. The underline is only shown, never stored in
// the document.
//
// A word is a run of letters, digits, marks, underscores, commas and carets,
// so "a,b" is looked up as one word; a backslash always starts a new word,
// and such words are never underlined, nor are words of one character.
//
// In an editor, the word being typed is not underlined while the text
// cursor stays at its end: it is checked once the cursor leaves it.
class Highlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    Highlighter(Utils *utils, UnicodeKaEditor *editor);
    Highlighter(Utils *utils, QTextDocument *document);
    ~Highlighter() override;

    // Takes effect with the next highlighting; the caller asks for a full
    // rehighlight to show it at once.
    void setEnabled(bool enabled);
    // As QSyntaxHighlighter's, and the edits of the new document are
    // underlined as below.
    void setDocument(QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;

private:
    struct Stretch
    {
        int start;
        int length;
    };
    // The stretches of the paragraph text to underline, in order, those
    // that touch or overlap joined.
    QVector<Stretch> misspelledStretches(const QString &text) const;
    void followEdits(QTextDocument *document);
    void underlineChangedBlocks(int from, int charsRemoved, int charsAdded);
    // typedEnd: the document position where the word being typed ends, or
    // -1; a misspelled word that ends there is left without its underline.
    void underlineBlock(const QTextBlock &block, int typedEnd = -1);
    void endTypedWord();

    // The editor whose text cursor tells where typing goes on, or null.
    UnicodeKaEditor *m_editor = nullptr;
    // Where the misspelled word that waits for its underline ends, or a
    // null cursor; a cursor, so that edits elsewhere move it along and a
    // deleted paragraph or document leaves nothing dangling.
    QTextCursor m_waiting;

    QTextCharFormat m_highlightFormat;
    Utils *m_utils = nullptr;
    bool m_enabled = true;
};

#endif
