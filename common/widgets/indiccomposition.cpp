#include "widgets/indiccomposition.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>

namespace IndicComposition {

QString keysBeforeCursor(const QTextCursor &at)
{
    const int position = at.position();
    const int inBlock = position - at.block().position();
    if (inBlock == 0)
        return QString();
    // The word holding the character just before the cursor; at a word
    // boundary Qt would otherwise pick the word after it.
    QTextCursor word(at.document());
    word.setPosition(position - 1);
    word.select(QTextCursor::WordUnderCursor);
    if (word.selectionStart() >= position || word.selectionEnd() < position)
        return QString();
    return at.block().text().mid(word.selectionStart() - at.block().position(),
                                 position - word.selectionStart());
}

void replaceBeforeCursor(QTextCursor &cursor, int count, const QString &text,
                         const QTextCharFormat &format)
{
    cursor.beginEditBlock();
    for (int i = 0; i < count; ++i)
        cursor.deletePreviousChar();
    cursor.mergeCharFormat(format);
    cursor.insertText(text);
    cursor.endEditBlock();
}

} // namespace IndicComposition
