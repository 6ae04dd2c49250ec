#ifndef YAVO_WORDCOUNTER_H
#define YAVO_WORDCOUNTER_H

#include <QObject>

#include <memory>

class QTextDocument;

// The number of words of a document as the status bar shows it: the runs
// of characters between white space. Each paragraph keeps its own count, so
// that after an edit only the paragraphs it touched are counted again, and
// only when the count is asked for: the keys typed in between cost nothing.
class WordCounter : public QObject
{
    Q_OBJECT

public:
    // The document's counter, made on first use as a child of the document.
    static WordCounter *of(QTextDocument *document);

    // Counts all that is not counted yet.
    qint64 count();
    // Counts whole paragraphs of what is not counted yet until about the
    // work of `characters` characters is done (a paragraph's own work
    // counts for a hundred); whether all is counted. A long text counted
    // this way leaves the events served between the slices.
    bool countSome(int characters);
    // The words counted so far.
    qint64 counted() const { return *m_total; }

    // The words of one text, as split at white space.
    static int countWords(const QString &text);

private:
    explicit WordCounter(QTextDocument *document);
    void noteChange(int from, int removed, int added);

    QTextDocument *m_document;
    // Shared with the paragraphs' counts, which take theirs back when the
    // paragraph goes, possibly after the counter itself.
    std::shared_ptr<qint64> m_total;
    // The stretch not yet counted, from its start and from the document's
    // end (which edits before it do not move); -1 when all is counted.
    int m_dirtyFrom = 0;
    int m_dirtyToEnd = 0;
};

#endif
