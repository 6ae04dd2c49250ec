#include "editor/highlighter.h"

#include "core/indicchars.h"
#include "editor/unicodekaeditor.h"
#include "private/inplacelayout_p.h"
#include "utils/utils.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QSet>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <private/qtextengine_p.h>

#include <algorithm>
#include <type_traits>

static_assert(QT_VERSION >= QT_VERSION_CHECK(5, 15, 0) && QT_VERSION < QT_VERSION_CHECK(5, 16, 0),
              "Highlighter uses Qt's private text engine as Qt 5.15 has it: check qtextengine_p.h "
              "and QSyntaxHighlighter's connection to the document on this Qt version first");
static_assert(std::is_same<decltype(&QTextEngine::setFormats),
                           void (QTextEngine::*)(const QVector<QTextLayout::FormatRange> &)>::value,
              "QTextEngine::setFormats differs from Qt 5.15's: Highlighter::underlineBlock needs it");

namespace {

// How long one slice of a whole-document check may keep the event loop;
// well below what the user notices as a stalled window.
constexpr int sliceMilliseconds = 20;
// Where the paragraphs cannot be laid out in place (lists, tables), laying
// out a change walks every paragraph after it: in a long document a slice
// of fewer paragraphs than this would spend its time walking.
constexpr int fewestSliceBlocks = 8;
// What of a document taken over is checked at once, in characters: a page
// or two, which the view shows before the events come round again.
constexpr int firstPageCharacters = 16 * 1024;
// An edit over more paragraphs than this is checked in slices.
constexpr int largestEditBlocks = 32;
// A change of more than a twentieth of the document has Qt's layout start
// over from it to the end: a slice stays below that.
constexpr int largestSliceShare = 25;
// What a slice lays out again, in characters: laying out is what a slice
// cannot stop half way, and some tens of thousands of characters take the
// whole of a slice's time.
constexpr int largestSliceLayout = 24 * 1024;

// Where a document position ends up after an edit that removed and added
// characters at from; a position inside the removed text goes to from.
int movedPosition(int position, int from, int removed, int added)
{
    if (position < 0 || position <= from)
        return position;
    if (position >= from + removed)
        return position - removed + added;
    return from;
}

// A word character, as \w and \b of a regular expression count it, and the
// joiners the layouts write inside a word (ಕಾರ್‍ಯ): a word of the list
// spelt with one is one word, not two halves each misspelt.
bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_')
            || c.unicode() == IndicChars::zeroWidthNonJoiner || c.unicode() == IndicChars::zeroWidthJoiner;
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

// The first paragraph laid out that reaches below y, found by halving, or
// the first one not laid out. (A hit test at the top of the view walks on
// from Qt's last mark above it through every paragraph it does not land in,
// which is the whole rest of the document when it lands in the page margin
// or in the space between two paragraphs.)
QTextBlock firstLaidOutBelow(const QTextDocument *document, qreal y)
{
    const QAbstractTextDocumentLayout *layout = document->documentLayout();
    int low = 0;
    int high = document->blockCount() - 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const QTextBlock block = document->findBlockByNumber(middle);
        if (block.layout()->lineCount() > 0 && layout->blockBoundingRect(block).bottom() <= y)
            low = middle + 1;
        else
            high = middle;
    }
    return document->findBlockByNumber(low);
}

} // namespace

Highlighter::Highlighter(Utils *utils, UnicodeKaEditor *editor)
    : Highlighter(utils, editor->document())
{
    // Underlining a word while it is typed would have the underline come
    // and go with every key, and set the paragraph's underlines anew each
    // time, at the cost of a layout.
    m_editor = editor;
    connect(editor, &QTextEdit::cursorPositionChanged, this, &Highlighter::endTypedWord);
}

Highlighter::Highlighter(Utils *utils, QTextDocument *document)
    : QSyntaxHighlighter(document)
    , m_sliceTimer(new QTimer(this))
    , m_layoutWait(new QTimer(this))
    , m_utils(utils)
{
    m_layoutWait->setInterval(50);
    connect(m_layoutWait, &QTimer::timeout, this, &Highlighter::layOutWaiting);
    m_highlightFormat.setUnderlineColor(Qt::red);
    m_highlightFormat.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    connect(m_sliceTimer, &QTimer::timeout, this, &Highlighter::checkSlice);
    followEdits(document);
}

Highlighter::~Highlighter()
{
    // QSyntaxHighlighter's destructor takes the underlines away, an edit
    // that must not come back here once this part of the object is gone.
    if (QTextDocument *doc = document())
        disconnect(doc, &QTextDocument::contentsChange, this, &Highlighter::underlineChangedBlocks);
}

void Highlighter::setEnabled(bool enabled)
{
    m_enabled = enabled;
}

void Highlighter::setDocument(QTextDocument *document)
{
    if (QTextDocument *old = this->document())
        disconnect(old, &QTextDocument::contentsChange, this, &Highlighter::underlineChangedBlocks);
    m_waitingEnd = -1;
    m_uncheckedFrom = -1;
    m_layoutWaitFrom = m_layoutWaitTo = -1;
    m_layoutWait->stop();
    stopSlices();
    QSyntaxHighlighter::setDocument(document);
    followEdits(document);
    if (!document)
        return;
    // QSyntaxHighlighter::setDocument posts itself a full rehighlight for
    // the next pass of the event loop (a queued call in Qt 5.15), which
    // would lay out every underlined paragraph again at once.
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    // A document just taken over has its first page checked at once, and
    // the rest ahead of its layout, which is already under way: a paragraph
    // checked before it is laid out costs no more than looking up its words.
    m_uncheckedFrom = 0;
    Changed changed;
    QTextBlock block = document->begin();
    for (; block.isValid() && block.position() < firstPageCharacters; block = block.next())
        underlineBlock(block, -1, &changed);
    m_uncheckedFrom = block.isValid() ? block.position() : -1;
    layOutAgain(changed);
    if (m_uncheckedFrom >= 0)
        m_sliceTimer->start(0);
}

void Highlighter::checkBeforeLayout(int position)
{
    QTextDocument *doc = document();
    if (doc && sender() == doc->documentLayout())
        checkAhead(position);
}

void Highlighter::checkAhead(int position)
{
    // A long edit is laid out anew, from the top: its paragraphs that wait
    // for their slice are checked ahead of that too. Checked after, each
    // would be laid out a second time, and while the layout is still in
    // progress every paragraph after it with it.
    if (m_nextToCheck >= 0 && m_nextToCheck <= position) {
        const int next = checkNotLaidOut(m_nextToCheck, position, m_checkEnd);
        if (next < 0)
            stopSlices();
        else
            m_nextToCheck = next;
    }
    if (m_uncheckedFrom >= 0 && m_uncheckedFrom <= position) {
        m_uncheckedFrom = checkNotLaidOut(m_uncheckedFrom, position, -1);
        if (m_uncheckedFrom < 0 && m_nextToCheck < 0)
            stopSlices();
    }
}

int Highlighter::checkNotLaidOut(int from, int to, int end)
{
    QTextBlock block = document()->findBlock(from);
    // A paragraph laid out already needs laying out again to show its
    // underlines, which is no change to make here: the slices take it.
    for (; block.isValid() && (end < 0 || block.position() < end) && block.position() <= to
         && block.layout()->lineCount() == 0;
         block = block.next())
        underlineBlock(block, m_waitingEnd);
    return block.isValid() && (end < 0 || block.position() < end) ? block.position() : -1;
}

void Highlighter::rehighlightInSlices()
{
    if (!document())
        return;
    m_nextToCheck = 0;
    m_checkEnd = -1;
    m_viewFrom = m_viewTo = -1;
    m_sliceTimer->start(0);
}

void Highlighter::checkInSlices(int from, int to)
{
    if (m_nextToCheck < 0) {
        m_nextToCheck = from;
        m_checkEnd = to;
    } else {
        // Slices under way go on to the end of both stretches.
        m_nextToCheck = std::min(m_nextToCheck, from);
        m_checkEnd = m_checkEnd < 0 ? -1 : std::max(m_checkEnd, to);
    }
    m_viewFrom = m_viewTo = -1;
    if (!m_sliceTimer->isActive())
        m_sliceTimer->start(0);
}

void Highlighter::stopSlices()
{
    m_nextToCheck = -1;
    m_checkEnd = -1;
    m_viewFrom = m_viewTo = -1;
    if (m_uncheckedFrom < 0)
        m_sliceTimer->stop();
}

void Highlighter::checkSlice()
{
    QTextDocument *doc = document();
    if (!doc || (m_nextToCheck < 0 && m_uncheckedFrom < 0)) {
        m_uncheckedFrom = -1;
        stopSlices();
        return;
    }
    // Edits and checks asked for come before what a document taken over
    // has left.
    const bool adopted = m_nextToCheck < 0;
    QElapsedTimer clock;
    clock.start();
    checkView();
    // The changed paragraphs of a slice are reported together: where they
    // cannot be laid out in place (lists, tables), every lay-out of a change
    // walks the document's frame, which in a long document costs more than
    // a paragraph does.
    Changed changed;
    QTextBlock block = doc->findBlock(adopted ? m_uncheckedFrom : m_nextToCheck);
    const int largest = std::min(doc->characterCount() / largestSliceShare, largestSliceLayout);
    int checked = 0;
    const int end = adopted ? -1 : m_checkEnd;
    const auto due = [end](const QTextBlock &b) { return b.isValid() && (end < 0 || b.position() < end); };
    // A paragraph that would take what the slice lays out again beyond
    // that waits for a slice of its own.
    for (; due(block) && checked < m_sliceBlocks && !clock.hasExpired(sliceMilliseconds)
         && (changed.from < 0 || block.position() + block.length() - changed.from <= largest);
         ++checked) {
        underlineBlock(block, m_waitingEnd, &changed);
        block = block.next();
    }
    layOutAgain(changed);
    // The next slice takes as many paragraphs as this one's pace fits into
    // a slice's time, at most twice as many.
    if (checked == m_sliceBlocks || clock.hasExpired(sliceMilliseconds)) {
        const qint64 spent = std::max<qint64>(1, clock.nsecsElapsed());
        const qint64 fitting = checked * qint64(sliceMilliseconds) * 1000000 / spent;
        m_sliceBlocks = int(std::clamp<qint64>(fitting, fewestSliceBlocks, 2 * qint64(m_sliceBlocks)));
    }
    if (adopted) {
        m_uncheckedFrom = due(block) ? block.position() : -1;
        if (m_uncheckedFrom < 0)
            stopSlices();
    } else if (due(block)) {
        m_nextToCheck = block.position();
    } else {
        stopSlices();
    }
}

// The paragraphs the user sees come first, again whenever the view shows
// others. Only those laid out count.
void Highlighter::checkView()
{
    if (!m_editor || m_editor->document() != document())
        return;
    const qreal top = m_editor->verticalScrollBar()->value();
    const QTextBlock first = firstLaidOutBelow(document(), top);
    const QAbstractTextDocumentLayout *layout = document()->documentLayout();
    const qreal bottom = top + m_editor->viewport()->height();
    QTextBlock end = first;
    while (end.isValid() && end.layout()->lineCount() > 0 && layout->blockBoundingRect(end).top() <= bottom)
        end = end.next();
    const int from = first.isValid() ? first.position() : -1;
    const int to = end.isValid() ? end.position() : document()->characterCount();
    if (from == m_viewFrom && to == m_viewTo)
        return;
    m_viewFrom = from;
    m_viewTo = to;
    Changed changed;
    for (QTextBlock block = first; block.isValid() && block != end; block = block.next())
        underlineBlock(block, m_waitingEnd, &changed);
    layOutAgain(changed);
}

void Highlighter::layOutAgain(const Changed &changed)
{
    if (changed.from >= 0)
        layOutAgain(changed.from, changed.to);
}

void Highlighter::layOutAgain(int from, int to)
{
    QTextDocument *doc = document();
    // Qt's own layout walks every paragraph after a change to move it, and,
    // laying a long text out step by step, takes what follows the change
    // for laid out already and stops: the paragraphs it had not reached
    // would keep no lines, the document ending at the first of them. It is
    // given the changes of a while at once, once it has reached the end.
    if (!qobject_cast<InPlaceLayout *>(doc->documentLayout())) {
        m_layoutWaitFrom = m_layoutWaitFrom < 0 ? from : qMin(m_layoutWaitFrom, from);
        m_layoutWaitTo = qMax(m_layoutWaitTo, to);
        if (!m_layoutWait->isActive())
            m_layoutWait->start();
        return;
    }
    doc->markContentsDirty(from, to - from);
}

void Highlighter::layOutWaiting()
{
    QTextDocument *doc = document();
    if (doc && doc->lastBlock().layout()->lineCount() == 0)
        return;
    m_layoutWait->stop();
    if (doc && m_layoutWaitFrom >= 0) {
        // Edits since may have moved the text: what is marked stays in it.
        const int end = doc->characterCount() - 1;
        const int from = qMin(m_layoutWaitFrom, end);
        doc->markContentsDirty(from, qMin(m_layoutWaitTo, end) - from);
    }
    m_layoutWaitFrom = m_layoutWaitTo = -1;
}

// QSyntaxHighlighter answers an edit by highlighting the paragraph after the
// changed one too whenever characters were removed, and by marking every
// paragraph it highlights as changed up to and including its paragraph
// separator as soon as the paragraph holds any underline at all, whether the
// underlines moved or not. Either way the paragraph after the one being
// typed in is laid out again on every key: with an underline in sight, that
// doubled what a key cost. Edits are therefore underlined here, paragraph by
// paragraph, exactly as highlightBlock would, and only the paragraphs whose
// underlines did change are marked. Single-paragraph rehighlights still go
// through QSyntaxHighlighter; the whole document is checked in slices.
void Highlighter::followEdits(QTextDocument *document)
{
    if (!document)
        return;
    disconnect(document, &QTextDocument::contentsChange, this, nullptr);
    connect(document, &QTextDocument::contentsChange, this, &Highlighter::underlineChangedBlocks);
}

void Highlighter::underlineChangedBlocks(int from, int charsRemoved, int charsAdded)
{
    // A document handed over through QSyntaxHighlighter::setDocument is no
    // longer this one's to underline.
    QTextDocument *doc = document();
    if (!doc || sender() != doc)
        return;
    // An edit that ends at the text cursor is typing: the word it ends in
    // waits for its underline.
    int typedEnd = -1;
    if (m_editor && m_editor->document() == doc) {
        // A copy shares the editor's cursor: the document's list of
        // cursors stays as it is.
        const QTextCursor cursor = m_editor->textCursor();
        if (!cursor.hasSelection() && cursor.position() == from + charsAdded)
            typedEnd = from + charsAdded;
    }
    const int waitingEnd = movedPosition(m_waitingEnd, from, charsRemoved, charsAdded);
    const QTextBlock waiting = waitingEnd >= 0 ? doc->findBlock(waitingEnd) : QTextBlock();
    m_waitingEnd = -1;
    m_uncheckedFrom = movedPosition(m_uncheckedFrom, from, charsRemoved, charsAdded);
    if (m_nextToCheck >= 0) {
        m_nextToCheck = movedPosition(m_nextToCheck, from, charsRemoved, charsAdded);
        m_checkEnd = movedPosition(m_checkEnd, from, charsRemoved, charsAdded);
    }
    m_viewFrom = m_viewTo = -1;

    // Removed text leaves no paragraph of its own behind: the paragraphs
    // that hold what was added are all that changed.
    const QTextBlock first = doc->findBlock(from);
    QTextBlock last = doc->findBlock(from + charsAdded);
    if (!last.isValid())
        last = doc->lastBlock();
    // A change over many paragraphs (a format on a long selection, a long
    // paste, a replacement throughout) is checked in slices, the paragraphs
    // in view first: checked here, every paragraph of it would be looked up
    // while the window waits. Until its slice comes a paragraph keeps its
    // underlines, which a change of format leaves right.
    int count = 0;
    for (QTextBlock block = first; block.isValid() && count <= largestEditBlocks; block = block.next()) {
        ++count;
        if (block == last)
            break;
    }
    if (count > largestEditBlocks) {
        if (typedEnd >= 0)
            m_waitingEnd = typedEnd;
        checkInSlices(first.position(), last.position() + last.length());
        underlineFirstPage(first, last);
        if (waiting.isValid() && (waiting.position() < first.position() || waiting.position() > last.position()))
            underlineBlock(waiting);
        return;
    }
    bool waitingDone = false;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        underlineBlock(block, typedEnd);
        waitingDone = waitingDone || block == waiting;
        if (block == last)
            break;
    }
    // A word that waited elsewhere gets its underline now.
    if (waiting.isValid() && !waitingDone && (m_waitingEnd < 0 || doc->findBlock(m_waitingEnd) != waiting))
        underlineBlock(waiting);
}

// The layout lays the changed paragraphs out anew once the change has been
// reported, the first of them at once: underlined before that, they are laid
// out with their underlines, where underlined after they would be laid out
// a second time. Whatever layout they still have is being redone, so there
// is nothing to mark here.
void Highlighter::underlineFirstPage(const QTextBlock &first, const QTextBlock &last)
{
    if (m_nextToCheck != first.position())
        return;
    Changed laidOutAnyway;
    QTextBlock block = first;
    const int pageEnd = first.position() + firstPageCharacters;
    for (; block.isValid() && block.position() < pageEnd; block = block.next()) {
        underlineBlock(block, m_waitingEnd, &laidOutAnyway);
        if (block == last) {
            block = block.next();
            break;
        }
    }
    if (block.isValid() && (m_checkEnd < 0 || block.position() < m_checkEnd))
        m_nextToCheck = block.position();
    else
        stopSlices();
}

void Highlighter::endTypedWord()
{
    QTextDocument *doc = document();
    if (m_waitingEnd < 0 || !m_editor || !doc)
        return;
    const QTextCursor cursor = m_editor->textCursor();
    if (!cursor.hasSelection() && cursor.position() == m_waitingEnd)
        return;
    const QTextBlock block = doc->findBlock(m_waitingEnd);
    m_waitingEnd = -1;
    if (block.isValid())
        underlineBlock(block);
}

void Highlighter::underlineBlock(const QTextBlock &block, int typedEnd, Changed *changed)
{
    QTextLayout *layout = block.layout();
    if (!layout)
        return;
    // While an input method composes, the layout also holds its text and
    // formats: those stay, and the underlines after the composition move
    // past its text, as QSyntaxHighlighter has it.
    const QVector<QTextLayout::FormatRange> old = layout->formats();
    const int preeditStart = layout->preeditAreaPosition();
    const int preeditLength = layout->preeditAreaText().length();
    QVector<QTextLayout::FormatRange> ranges;
    if (preeditLength > 0) {
        for (const QTextLayout::FormatRange &range : old) {
            if (range.start >= preeditStart && range.start + range.length <= preeditStart + preeditLength)
                ranges << range;
        }
    }
    if (m_enabled && m_utils) {
        for (const Stretch &stretch : misspelledStretches(block.text())) {
            if (block.position() + stretch.start + stretch.length == typedEnd) {
                m_waitingEnd = typedEnd;
                continue;
            }
            QTextLayout::FormatRange range;
            range.start = stretch.start;
            range.length = stretch.length;
            range.format = m_highlightFormat;
            if (preeditLength > 0) {
                if (range.start >= preeditStart)
                    range.start += preeditLength;
                else if (range.start + range.length >= preeditStart)
                    range.length += preeditLength;
            }
            ranges << range;
        }
    }
    if (ranges == old)
        return;
    // A paragraph that was never laid out takes its underlines along when
    // its turn comes; marking it would have the document laid out up to it
    // at once.
    QTextEngine *engine = layout->engine();
    const QScriptLineArray lines = engine->lines;
    // QTextLayout::setFormats marks the paragraph changed up to and
    // including its separator, which lays out the next paragraph again too;
    // the engine's own setFormats leaves that to the marking below, which
    // stops before the separator. Within an edit this only widens what is
    // laid out anew; after one it lays out this paragraph.
    engine->setFormats(ranges);
    if (lines.isEmpty())
        return;
    // The engine drops the paragraph's lines with its formats. Until it is
    // laid out again below it keeps them: to the layout a paragraph without
    // lines is one its work in progress has not reached yet, which it would
    // lay out again from there on, every paragraph down to where it had got.
    engine->lines = lines;
    // Up to, not including, the separator.
    const int end = block.position() + block.length() - 1;
    if (!changed) {
        layOutAgain(block.position(), end);
    } else {
        if (changed->from < 0)
            changed->from = block.position();
        changed->to = end;
    }
}

QVector<Highlighter::Stretch> Highlighter::misspelledStretches(const QString &text) const
{
    QVector<Stretch> stretches;
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
                stretches.append({at, int(word.size())});
        }
    }
    // One word can lie inside another ("ab,cd" and "cd"): joined, the
    // stretches are what a character-by-character format gives.
    std::sort(stretches.begin(), stretches.end(),
              [](const Stretch &a, const Stretch &b) { return a.start < b.start; });
    QVector<Stretch> joined;
    for (const Stretch &stretch : qAsConst(stretches)) {
        if (!joined.isEmpty() && stretch.start <= joined.last().start + joined.last().length) {
            Stretch &previous = joined.last();
            previous.length = std::max(previous.length, stretch.start + stretch.length - previous.start);
        } else {
            joined.append(stretch);
        }
    }
    return joined;
}

void Highlighter::highlightBlock(const QString &text)
{
    if (!m_enabled || !m_utils)
        return;
    for (const Stretch &stretch : misspelledStretches(text))
        setFormat(stretch.start, stretch.length, m_highlightFormat);
}
