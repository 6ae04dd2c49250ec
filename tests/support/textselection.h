#ifndef YAVO_TEXTSELECTION_H
#define YAVO_TEXTSELECTION_H

#include <QTextCursor>
#include <QTextEdit>

// Puts the editor's cursor at `position`, with the text from `anchor`
// selected (nothing when the two are equal).
inline void selectText(QTextEdit &edit, int anchor, int position)
{
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

#endif
