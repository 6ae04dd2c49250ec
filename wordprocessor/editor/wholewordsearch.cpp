#include "editor/wholewordsearch.h"

#include <QTextEdit>

namespace {

constexpr uint zeroWidthNonJoiner = 0x200C;
constexpr uint zeroWidthJoiner = 0x200D;

// The code point that ends just before position, or starts at it; 0 at
// either end of the document.
uint codePointBefore(const QTextDocument *document, int position)
{
    if (position <= 0)
        return 0;
    const QChar last = document->characterAt(position - 1);
    if (last.isLowSurrogate() && position >= 2) {
        const QChar first = document->characterAt(position - 2);
        if (first.isHighSurrogate())
            return QChar::surrogateToUcs4(first, last);
    }
    return last.unicode();
}

uint codePointAt(const QTextDocument *document, int position)
{
    if (position >= document->characterCount() - 1)
        return 0;
    const QChar first = document->characterAt(position);
    if (first.isHighSurrogate()) {
        const QChar second = document->characterAt(position + 1);
        if (second.isLowSurrogate())
            return QChar::surrogateToUcs4(first, second);
    }
    return first.unicode();
}

} // namespace

bool WholeWordSearch::isWordCharacter(uint codePoint)
{
    if (codePoint == 0)
        return false;
    if (codePoint == zeroWidthNonJoiner || codePoint == zeroWidthJoiner)
        return true;
    switch (QChar::category(codePoint)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Number_DecimalDigit:
    case QChar::Number_Letter:
    case QChar::Number_Other:
        return true;
    default:
        return false;
    }
}

bool WholeWordSearch::standsAlone(const QTextCursor &match)
{
    const QTextDocument *document = match.document();
    return !isWordCharacter(codePointBefore(document, match.selectionStart()))
            && !isWordCharacter(codePointAt(document, match.selectionEnd()));
}

QTextCursor WholeWordSearch::find(const QTextDocument *document, const QString &text,
                                  const QTextCursor &from, QTextDocument::FindFlags flags)
{
    if (!document || text.isEmpty())
        return QTextCursor();
    const bool wholeWords = flags.testFlag(QTextDocument::FindWholeWords);
    const bool backward = flags.testFlag(QTextDocument::FindBackward);
    flags &= ~QTextDocument::FindWholeWords;

    QTextCursor match = document->find(text, from, flags);
    while (wholeWords && !match.isNull() && !standsAlone(match)) {
        // Go on past this match only: the next may overlap it.
        QTextCursor next(match);
        next.setPosition(backward ? match.selectionStart() : match.selectionStart() + 1);
        match = document->find(text, next, flags);
    }
    return match;
}

bool WholeWordSearch::find(QTextEdit *editor, const QString &text, QTextDocument::FindFlags flags)
{
    if (!editor)
        return false;
    const QTextCursor match = find(editor->document(), text, editor->textCursor(), flags);
    if (match.isNull())
        return false;
    editor->setTextCursor(match);
    editor->ensureCursorVisible();
    return true;
}
