#include "private/documentnotes_p.h"

#include <QTextDocument>
#include <QTextDocumentFragment>

DocumentNotes::DocumentNotes() = default;

DocumentNotes::~DocumentNotes() = default;

void DocumentNotes::begin(QTextCursor &cursor, const QString &mark)
{
    m_notes.push_back(Note{mark, std::make_unique<QTextDocument>()});
    m_open.push_back(cursor);
    cursor = QTextCursor(m_notes.back().body.get());
}

void DocumentNotes::end(QTextCursor &cursor)
{
    if (m_open.empty())
        return;
    cursor = m_open.back();
    m_open.pop_back();
}

void DocumentNotes::appendTo(QTextCursor &cursor)
{
    while (isOpen())
        end(cursor);
    for (const Note &note : m_notes) {
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        // Bodies often start with the space that follows their mark.
        const bool spaced = note.body->characterAt(0).isSpace() && note.body->characterCount() > 1;
        cursor.insertText(spaced ? note.mark : note.mark + QLatin1Char(' '));
        cursor.insertFragment(QTextDocumentFragment(note.body.get()));
    }
    m_notes.clear();
}
