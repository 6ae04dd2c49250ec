#include "app/wordcounter.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

#include <limits>

namespace {

// The count of one paragraph, held by the paragraph: when the paragraph is
// deleted or merged into another, its words leave the total with it.
class ParagraphWords : public QTextBlockUserData
{
public:
    ParagraphWords(int words, std::shared_ptr<qint64> total)
        : m_words(words)
        , m_total(std::move(total))
    {
        *m_total += m_words;
    }
    ~ParagraphWords() override { *m_total -= m_words; }

private:
    int m_words;
    std::shared_ptr<qint64> m_total;
};

} // namespace

WordCounter::WordCounter(QTextDocument *document)
    : QObject(document)
    , m_document(document)
    , m_total(std::make_shared<qint64>(0))
{
    setObjectName(QStringLiteral("WordCounter"));
    // A document tells what changed only once it has a layout; one shown in
    // an editor has it already.
    document->documentLayout();
    connect(document, &QTextDocument::contentsChange, this, &WordCounter::noteChange);
}

WordCounter *WordCounter::of(QTextDocument *document)
{
    if (!document)
        return nullptr;
    auto *counter = document->findChild<WordCounter *>(QStringLiteral("WordCounter"), Qt::FindDirectChildrenOnly);
    return counter ? counter : new WordCounter(document);
}

int WordCounter::countWords(const QString &text)
{
    int words = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool space = c.isSpace();
        if (!space && !inWord)
            ++words;
        inWord = !space;
    }
    return words;
}

// Only the stretch is noted here: the document is in the middle of its
// change, and its paragraphs are counted when the count is asked for.
void WordCounter::noteChange(int from, int removed, int added)
{
    Q_UNUSED(removed)
    const int toEnd = qMax(0, m_document->characterCount() - (from + added));
    if (m_dirtyFrom < 0) {
        m_dirtyFrom = from;
        m_dirtyToEnd = toEnd;
        return;
    }
    m_dirtyFrom = qMin(m_dirtyFrom, from);
    m_dirtyToEnd = qMin(m_dirtyToEnd, toEnd);
}

qint64 WordCounter::count()
{
    countSome(std::numeric_limits<int>::max());
    return *m_total;
}

bool WordCounter::countSome(int characters)
{
    if (m_dirtyFrom < 0)
        return true;
    // The paragraph after the stretch too: a paragraph break typed into a
    // paragraph leaves part of its text to a new one.
    const QTextBlock last = m_document->findBlock(m_document->characterCount() - m_dirtyToEnd);
    qint64 done = 0;
    for (QTextBlock block = m_document->findBlock(m_dirtyFrom); block.isValid(); block = block.next()) {
        block.setUserData(new ParagraphWords(countWords(block.text()), m_total));
        // Taking a paragraph's text costs about what counting a hundred
        // characters does: short lines are no cheaper slice by slice.
        done += block.length() + 100;
        if (block == last || !block.next().isValid())
            break;
        if (done >= characters) {
            // Edits before this point move it to where they start.
            m_dirtyFrom = block.next().position();
            return false;
        }
    }
    m_dirtyFrom = -1;
    return true;
}
