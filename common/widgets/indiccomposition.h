#ifndef YAVO_INDICCOMPOSITION_H
#define YAVO_INDICCOMPOSITION_H

#include <QString>

class QTextCharFormat;
class QTextCursor;

// What the Indic entry widgets (the document editor and the one-line field)
// share about a word being composed in place of the Latin keys typed.
namespace IndicComposition {

// The part of the word under the cursor that lies before the cursor: the
// keys a Transliteration word end converts. The characters after the cursor
// are not the word just typed, and counting them would make the conversion
// delete text in front of it. Empty at the start of a paragraph or when no
// word ends at the cursor.
QString keysBeforeCursor(const QTextCursor &cursor);

// One composition step: the count characters before the cursor (a selection
// counting as the first of them) make way for the text, in the given format,
// as one undo step. The cursor ends after the text.
void replaceBeforeCursor(QTextCursor &cursor, int count, const QString &text,
                         const QTextCharFormat &format);

} // namespace IndicComposition

#endif
