#include "editor/highlighter.h"

#include "editor/unicodekaeditor.h"
#include "utils/utils.h"

#include <QSet>
#include <QStringList>

namespace {

// A word character, as \w and \b of a regular expression count it.
bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_');
}

// What a word is made of: word characters, the comma, the caret and the
// backslash.
bool isWordPart(QChar c)
{
    return isWordCharacter(c) || c == QLatin1Char(',') || c == QLatin1Char('^')
            || c == QLatin1Char('\\');
}

// Whether a word boundary lies before position i of the text.
bool isBoundary(const QString &text, int i)
{
    const bool before = i > 0 && isWordCharacter(text.at(i - 1));
    const bool after = i < text.size() && isWordCharacter(text.at(i));
    return before != after;
}

// The words of a paragraph: runs of word characters, a backslash starting a
// new one.
QStringList splitWords(const QString &text)
{
    QStringList words;
    int start = -1;
    for (int i = 0; i <= text.size(); ++i) {
        const bool inWord = i < text.size() && isWordPart(text.at(i));
        const bool breaks = !inWord || text.at(i) == QLatin1Char('\\');
        if (breaks && start >= 0) {
            words << text.mid(start, i - start);
            start = -1;
        }
        if (inWord && start < 0)
            start = i;
    }
    return words;
}

} // namespace

Highlighter::Highlighter(Utils *utils, UnicodeKaEditor *editor)
    : Highlighter(utils, editor->document())
{
}

Highlighter::Highlighter(Utils *utils, QTextDocument *document)
    : QSyntaxHighlighter(document)
    , m_utils(utils)
{
    m_highlightFormat.setUnderlineColor(Qt::red);
    m_highlightFormat.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
}

Highlighter::~Highlighter() = default;

void Highlighter::setEnabled(bool enabled)
{
    m_enabled = enabled;
}

void Highlighter::highlightBlock(const QString &text)
{
    if (!m_enabled || !m_utils)
        return;
    // A word met again in the paragraph is already underlined everywhere:
    // looking for it once per meeting would make a long paragraph of one
    // repeated word cost its length squared.
    QSet<QString> done;
    const QStringList words = splitWords(text);
    for (const QString &word : words) {
        if (word.size() < 2 || word.startsWith(QLatin1Char('\\')) || done.contains(word))
            continue;
        done.insert(word);
        if (!m_utils->isMisspelled(word))
            continue;
        // A caret joins no real word: such a word is never underlined.
        if (word.contains(QLatin1Char('^')))
            continue;
        // Whole words only: a word boundary before and after each place.
        for (int at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + 1)) {
            if (isBoundary(text, at) && isBoundary(text, at + word.size()))
                setFormat(at, word.size(), m_highlightFormat);
        }
    }
}
