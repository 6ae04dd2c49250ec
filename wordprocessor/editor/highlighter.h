#ifndef YAVO_HIGHLIGHTER_H
#define YAVO_HIGHLIGHTER_H

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTimer>

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

    // Moves to a document that may be long: its beginning, where the view
    // opens, is checked at once, the rest a step at a time from the event
    // loop, so a long document shows before all of it is checked.
    void setDocumentInSteps(QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;

private:
    void checkNextStep();

    QTextCharFormat m_highlightFormat;
    // Where the paragraphs not yet checked begin, kept in place by edits;
    // null when every paragraph is checked.
    QTextCursor m_unchecked;
    QTimer m_steps;
    int m_stepBudget = 0;
    bool m_firstStep = false;
    Utils *m_utils = nullptr;
    bool m_enabled = true;
};

#endif
