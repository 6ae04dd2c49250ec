#ifndef YAVO_HIGHLIGHTER_H
#define YAVO_HIGHLIGHTER_H

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

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

protected:
    void highlightBlock(const QString &text) override;

private:
    QTextCharFormat m_highlightFormat;
    Utils *m_utils = nullptr;
    bool m_enabled = true;
};

#endif
