#ifndef YAVO_DOCUMENTNOTES_P_H
#define YAVO_DOCUMENTNOTES_P_H

#include <QString>
#include <QTextCursor>

#include <memory>
#include <vector>

class QTextDocument;

// The footnotes and endnotes of a document being read. A note's body is read
// apart, through a cursor on a document of its own, so that it lands neither
// in the sentence nor in the heading that cites it; once the text is read,
// the notes follow it as paragraphs of their own.
class DocumentNotes
{
public:
    DocumentNotes();
    ~DocumentNotes();

    // From now on `cursor` writes into the body of a new note with the given
    // mark, until end(); the cursor it replaces is kept.
    void begin(QTextCursor &cursor, const QString &mark);
    // Ends the note begun last: `cursor` is again the one begin() replaced.
    void end(QTextCursor &cursor);
    bool isOpen() const { return !m_open.empty(); }
    // The notes begun so far.
    int count() const { return int(m_notes.size()); }
    // Ends the notes still open and puts every note after the text at
    // `cursor`, each a new paragraph that starts with its mark and a space.
    void appendTo(QTextCursor &cursor);

private:
    Q_DISABLE_COPY(DocumentNotes)

    struct Note
    {
        QString mark;
        std::unique_ptr<QTextDocument> body;
    };

    std::vector<Note> m_notes;
    std::vector<QTextCursor> m_open;
};

#endif
