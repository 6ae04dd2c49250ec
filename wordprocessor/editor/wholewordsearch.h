#ifndef YAVO_WHOLEWORDSEARCH_H
#define YAVO_WHOLEWORDSEARCH_H

#include <QTextCursor>
#include <QTextDocument>

class QTextEdit;

// Searches a document as QTextDocument::find does, except that whole words
// are decided here. Qt ends a word at any character that is not a letter or
// a digit, so a vowel sign or a virama splits an Indic word and "ಕನ್ನಡ"
// would be found inside "ಕನ್ನಡಿಗ". Here letters, digits, combining marks and
// the zero-width joiners all belong to the word.
class WholeWordSearch
{
public:
    // True when c continues a word in any of the scripts.
    static bool isWordCharacter(uint codePoint);

    // The next match after (or, backward, before) the cursor's selection,
    // selected in the returned cursor; a null cursor when there is none.
    // Nothing wraps around.
    static QTextCursor find(const QTextDocument *document, const QString &text,
                            const QTextCursor &from, QTextDocument::FindFlags flags);

    // The same on an editor: a match becomes the editor's selection and is
    // scrolled into view; without one the editor is left as it was.
    static bool find(QTextEdit *editor, const QString &text, QTextDocument::FindFlags flags);

private:
    static bool standsAlone(const QTextCursor &match);
};

#endif
