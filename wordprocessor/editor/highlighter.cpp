#include "editor/highlighter.h"

#include "editor/unicodekaeditor.h"
#include "utils/utils.h"

#include <QRegExp>
#include <QSet>
#include <QStringList>

namespace {

// What a word is made of, as \w, the comma, the caret and the backslash of a
// regular expression count it.
bool isWordPart(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_')
            || c == QLatin1Char(',') || c == QLatin1Char('^') || c == QLatin1Char('\\');
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
        // The word holds only word characters, commas and carets, so it can
        // stand in the pattern as it is; a caret there anchors, and such a
        // word is never found.
        const QRegExp wholeWord(QStringLiteral("\\b%1\\b").arg(word));
        for (int at = wholeWord.indexIn(text); at >= 0; at = wholeWord.indexIn(text, at + 1))
            setFormat(at, word.size(), m_highlightFormat);
    }
}
