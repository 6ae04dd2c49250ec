#include "private/inplacelayout_p.h"

#include <QElapsedTimer>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QtMath>
#include <private/qfixed_p.h>
#include <private/qfont_p.h>
#include <private/qguiapplication_p.h>

#include <algorithm>
#include <cmath>
#include <climits>
#include <iterator>

namespace {

// More characters than this changed at once are laid out a slice at a
// time: about a tenth of a second of Indic text.
constexpr int largeChange = 100000;
// A change of formats over no more paragraphs than this (those in view) is
// laid out at once however long they are.
constexpr int fewParagraphs = 256;
// How long one slice of a layout in progress may hold up the events.
constexpr int sliceMs = 20;
// Qt's layout goes on past the position it is asked for, to its next mark
// some 2000 pixels further down: well more than that, in characters, is
// announced along with it.
constexpr int layoutOvershoot = 64 * 1024;
// A step of Qt's layout in progress lays out some 2000 pixels: this many
// paragraphs, a line each at least, take more.
constexpr int stepBlocks = 4096;
// The Qt releases whose document layout (the layout of a paragraph, its
// line heights, the root frame's margins) the reckoning here was checked
// against, line by line.
constexpr const char *checkedQtVersions[] = {"5.15.8"};

// Qt's layout sizes frame margins for the paint device's resolution.
qreal scaledToDevice(const QPaintDevice *device, qreal value)
{
    return device ? value * device->logicalDpiY() / qreal(qt_defaultDpi()) : value;
}

QFixed roundedToDevice(const QPaintDevice *device, qreal value)
{
    return QFixed::fromReal(scaledToDevice(device, value)).round();
}

struct LineMetrics
{
    QFixed adjustment;
    QFixed height;
    QFixed bottom;
};

// The height a line takes in the flow and where it ends, by the paragraph's
// line height rule, as Qt's layout reckons them.
LineMetrics lineMetrics(const QTextBlockFormat &format, const QTextLine &line, qreal scaling)
{
    const qreal rawHeight = qCeil(line.ascent() + line.descent() + line.leading());
    LineMetrics metrics;
    metrics.height = QFixed::fromReal(format.lineHeight(rawHeight, scaling));
    metrics.bottom = QFixed::fromReal(format.lineHeight(line.height(), scaling));
    if (format.lineHeightType() == QTextBlockFormat::FixedHeight)
        metrics.adjustment = QFixed::fromReal(line.ascent() + qMax(line.leading(), qreal(0.0))) - ((metrics.height * 4) / 5);
    else if (format.lineHeightType() == QTextBlockFormat::MinimumHeight)
        metrics.adjustment = QFixed::fromReal(line.height()) - metrics.height;
    return metrics;
}

// Where a laid-out paragraph ends, its lines stacked as Qt's layout stacks
// them.
QFixed laidOutEnd(const QTextBlock &block, qreal scaling)
{
    const QTextLayout *layout = block.layout();
    const QTextBlockFormat format = block.blockFormat();
    QFixed y = QFixed::fromReal(layout->position().y());
    QFixed bottom;
    for (int i = 0; i < layout->lineCount(); ++i) {
        const LineMetrics metrics = lineMetrics(format, layout->lineAt(i), scaling);
        bottom = y + metrics.bottom;
        y += metrics.height;
    }
    return qMax(y, bottom);
}

// Whether anything of a laid-out paragraph is drawn above a line: its
// first line, or a glyph of it that reaches up past the paragraph's top.
bool inkReaches(const QTextBlock &block, qreal above)
{
    const QTextLayout *layout = block.layout();
    if (layout->lineCount() == 0)
        return true;
    const qreal top = layout->position().y();
    if (top < above)
        return true;
    const QList<QGlyphRun> runs = layout->glyphRuns();
    for (const QGlyphRun &run : runs) {
        const QRawFont font = run.rawFont();
        const QVector<quint32> glyphs = run.glyphIndexes();
        const QVector<QPointF> positions = run.positions();
        for (int i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            if (top + positions.at(i).y() + font.boundingRect(glyphs.at(i)).top() < above)
                return true;
        }
    }
    return false;
}

} // namespace

InPlaceLayout::InPlaceLayout(QTextDocument *document)
    : QTextDocumentLayout(document)
{
}

QAbstractTextDocumentLayout *InPlaceLayout::create(QTextDocument *document)
{
    if (inUse())
        return new InPlaceLayout(document);
    return new QTextDocumentLayout(document);
}

bool InPlaceLayout::inUse()
{
    return !qEnvironmentVariableIsSet("YAVO_QT_LAYOUT") && checkedAgainst(QT_VERSION_STR, qVersion());
}

// The private Qt code the layout mirrors may change in any release: the
// headers built against and the library that runs (which may be another
// release) must both be one it was checked against.
bool InPlaceLayout::checkedAgainst(const QByteArray &builtWith, const QByteArray &running)
{
    const auto checked = [](const QByteArray &version) {
        return std::find(std::begin(checkedQtVersions), std::end(checkedQtVersions), version)
                != std::end(checkedQtVersions);
    };
    return checked(builtWith) && checked(running);
}

// Qt forgets the layout of the paragraphs a change reaches, which its
// layout then lays out again from there.
void InPlaceLayout::passToQt(int from, int oldLength, int length)
{
    m_laidOutBefore = qMin(m_laidOutBefore, from);
    QTextDocumentLayout::documentChanged(from, oldLength, length);
}

// Qt's layoutStatus() is a percentage of the position reached, reckoned in
// int, which wraps past 21 million characters: it is no measure of where
// the layout is, but it is 100 only once the layout is done.
bool InPlaceLayout::inProgress() const
{
    return layoutStatus() != 100;
}

void InPlaceLayout::documentChanged(int from, int oldLength, int length)
{
    QTextBlock last = document()->findBlock(from + length);
    if (!last.isValid())
        last = document()->lastBlock();
    const int paragraphs = last.blockNumber() - document()->findBlock(from).blockNumber() + 1;
    // A change of formats only (the spell check's underlines above all) that
    // leaves every paragraph its height is laid out here paragraph by
    // paragraph; what is left of it after one that does not, goes on below.
    // A long paragraph among a few is laid out now all the same, where
    // laying out the whole document anew would leave it undrawn for a while.
    if (oldLength == length && (length <= largeChange || paragraphs <= fewParagraphs)) {
        const int rest = relayoutParagraphs(from, length);
        if (rest == from + length) {
            m_blockCount = document()->blockCount();
            return;
        }
        length = oldLength = length - (rest - from);
        from = rest;
    }
    if (inProgress()) {
        // Qt's layout in progress would walk on from the change over the
        // paragraphs it has not reached yet, take them for empty and call
        // itself done, the rest of the document never laid out: all after
        // the change is laid out anew, as far as Qt has got and on from
        // there as before.
        ++m_counts.handedToQt;
        m_paragraphStart = -1;
        const int rest = document()->characterCount() - (from + length);
        passToQt(from, oldLength + rest, length + rest);
    } else if (qMax(oldLength, length) > largeChange && paragraphs > 1 && document()->pageSize().width() > 0) {
        // From the top: Qt lays out the first lines now, and the rest on
        // its timer.
        ++m_counts.handedToQt;
        m_paragraphStart = -1;
        passToQt(0, 0, document()->characterCount());
    } else if (!relayoutParagraph(from, oldLength, length)) {
        ++m_counts.handedToQt;
        const int start = m_paragraphStart;
        m_paragraphStart = -1;
        // Qt starts from its last mark before the change, which must be
        // right: before a paragraph laid out in place, the change goes to Qt
        // as it is; after it, Qt first walks down from that paragraph.
        if (start < 0 || from <= start) {
            passToQt(from, oldLength, length);
        } else if (document()->findBlock(from).position() == start) {
            const int before = from - start;
            passToQt(start, oldLength + before, length + before);
        } else {
            walkFrom(start);
            passToQt(from, oldLength, length);
        }
    }
    m_blockCount = document()->blockCount();
}

void InPlaceLayout::catchUp()
{
    if (m_paragraphStart < 0)
        return;
    const int start = m_paragraphStart;
    m_paragraphStart = -1;
    ++m_counts.caughtUp;
    // Nothing moves: the views need not hear of it.
    const QSignalBlocker quiet(this);
    walkFrom(start);
}

// Qt lays out the paragraph again and moves the ones after it into place,
// setting its marks as it goes. (A change of no length at the very start
// would make it lay out nothing.)
void InPlaceLayout::walkFrom(int paragraphStart)
{
    passToQt(paragraphStart, 1, 1);
}

// A repaint of the paragraph laid out in place (the key's own) draws it
// right with Qt's marks as they are: they are right up to the paragraph,
// and those after it point further up than they should, which only makes
// Qt draw more. Qt stops drawing at the first paragraph at or past the mark
// below the repaint, though, and that mark, pointing up by what was put in,
// can have it stop before the paragraph after the typed one once that is
// no longer than what was put in: harmless where nothing of that paragraph
// is in the repaint. A repaint is a pixel taller than the paragraph at
// most.
bool InPlaceLayout::drawsWithinParagraph(const QRectF &clip) const
{
    if (!clip.isValid())
        return false;
    const QRectF area = m_paragraphRect.adjusted(0, -1, 0, 1);
    if (clip.top() < area.top() || clip.bottom() > area.bottom())
        return false;
    const QTextBlock next = document()->findBlock(m_paragraphStart).next();
    return next.isValid() && (next.length() > m_gained || !inkReaches(next, clip.bottom()));
}

void InPlaceLayout::draw(QPainter *painter, const PaintContext &context)
{
    if (m_paragraphStart >= 0 && !drawsWithinParagraph(context.clip))
        catchUp();
    PaintContext laidOut = context;
    if (inProgress() && laidOut.clip.isValid()) {
        const qreal height = dynamicDocumentSize().height();
        if (laidOut.clip.top() >= height)
            return;
        laidOut.clip.setBottom(qMin(laidOut.clip.bottom(), height));
    }
    QTextDocumentLayout::draw(painter, laidOut);
    drawFarText(painter, laidOut);
}

// Qt draws no line of a paragraph set lower than QFIXED_MAX (8,388,607
// pixels): a long text showed blank pages from there on, its cursor alone
// drawn. Those paragraphs' text and selections are drawn here, with the
// painter moved down by as much as the paragraph is drawn higher.
void InPlaceLayout::drawFarText(QPainter *painter, const PaintContext &context) const
{
    const QRectF &clip = context.clip;
    if (!clip.isValid() || clip.bottom() <= QFIXED_MAX)
        return;
    const QTextFrame *root = document()->rootFrame();
    const int start = hitTest(QPointF(0, qMax<qreal>(clip.top(), QFIXED_MAX)), Qt::FuzzyHit);
    for (QTextBlock block = document()->findBlock(qMax(0, start)); block.isValid(); block = block.next()) {
        QTextLayout *layout = block.layout();
        if (!block.isVisible() || layout->lineCount() == 0 || document()->frameAt(block.position()) != root)
            continue;
        const QPointF position = layout->position();
        if (position.y() > clip.bottom())
            break;
        if (position.y() <= QFIXED_MAX)
            continue;
        QVector<QTextLayout::FormatRange> selections;
        for (const Selection &selection : context.selections) {
            const int from = qMax(selection.cursor.selectionStart(), block.position());
            const int to = qMin(selection.cursor.selectionEnd(), block.position() + block.length());
            if (from < to)
                selections.append({from - block.position(), to - from, selection.format});
        }
        const qreal shift = std::floor(position.y());
        painter->save();
        painter->translate(0, shift);
        layout->draw(painter, QPointF(0, -shift), selections, clip.translated(0, -shift));
        painter->restore();
    }
}

void InPlaceLayout::timerEvent(QTimerEvent *event)
{
    if (inProgress()) {
        layOutSlice();
        // Qt's own step goes on from where the slice stopped.
        if (inProgress())
            announce(firstNotLaidOut());
        reportSize();
    }
    QTextDocumentLayout::timerEvent(event);
}

// Qt tells the views how far the text reaches while its layout goes on
// only after a change it takes for a large one, by a percentage of the
// document reckoned in int. Past 21 million characters that wraps, and the
// whole document laid out anew may pass for a small change: the views
// would see the text end where the first screens did until it is all laid
// out.
void InPlaceLayout::reportSize()
{
    if (document()->characterCount() <= INT_MAX / 100)
        return;
    const QSizeF size = dynamicDocumentSize();
    if (size == m_reportedSize)
        return;
    m_reportedSize = size;
    emit documentSizeChanged(size);
}

InPlaceLayout::Counts InPlaceLayout::counts() const
{
    return m_counts;
}

// The position of the first paragraph Qt's layout in progress has not
// reached, or the document's length when it has reached them all.
int InPlaceLayout::firstNotLaidOut() const
{
    const int length = document()->characterCount();
    QTextBlock block = document()->findBlock(m_laidOutBefore);
    // Qt never lays out a hidden paragraph.
    while (block.isValid() && (block.layout()->lineCount() > 0 || !block.isVisible()))
        block = block.next();
    m_laidOutBefore = block.isValid() ? block.position() : length;
    return m_laidOutBefore;
}

void InPlaceLayout::announce(int position) const
{
    emit const_cast<InPlaceLayout *>(this)->aboutToLayOut(qMin(position, INT_MAX - layoutOvershoot) + layoutOvershoot);
}

// Qt's layout in progress goes on a thousand characters and a screen or so
// for every change it hears of, and each change starts its steps small
// again: the paragraphs it has not reached, reported as changed, move it on
// in small steps until the slice's time is up.
//
// Qt forgets the layout of every paragraph reported as changed, one by one,
// so each step reports only as many paragraphs as Qt certainly stops
// before: with all the rest, a document of many short paragraphs cost the
// whole of them for every step. Paragraphs beyond what was reported that
// Qt reaches all the same it takes for empty, and calls itself done: those
// are reported again.
void InPlaceLayout::layOutSlice()
{
    QElapsedTimer clock;
    clock.start();
    const int length = document()->characterCount();
    while (inProgress() && clock.elapsed() < sliceMs) {
        const int from = firstNotLaidOut();
        if (from >= length)
            break;
        layOutStep(from);
    }
}

void InPlaceLayout::layOutStep(int from)
{
    const int length = document()->characterCount();
    // The last paragraph reported, which Qt lays out too if it gets to it.
    const QTextBlock last = document()->findBlockByNumber(document()->findBlock(from).blockNumber() + stepBlocks);
    const int to = last.isValid() ? last.position() : length;
    announce(from);
    passToQt(from, to - from, to - from);
    const QTextBlock beyond = last.isValid() ? last.next() : QTextBlock();
    if (!inProgress() && beyond.isValid() && beyond.isVisible() && beyond.layout()->lineCount() == 0) {
        const int rest = length - beyond.position();
        announce(length);
        passToQt(beyond.position(), rest, rest);
    }
}

// Lays out the text down to a paragraph not reached yet, a step at a time
// while the text laid out is within the safe height: false where it would
// go past it.
bool InPlaceLayout::layOutToward(const QTextBlock &block)
{
    while (inProgress() && block.layout()->lineCount() == 0) {
        const int from = firstNotLaidOut();
        if (from > block.position())
            break;
        if (dynamicDocumentSize().height() >= safeHeight)
            return false;
        layOutStep(from);
    }
    return true;
}

QRectF InPlaceLayout::blockBoundingRect(const QTextBlock &block) const
{
    if (inProgress() && block.isValid() && block.isVisible() && block.layout()->lineCount() == 0
        && !block.layout()->position().isNull() && document()->frameAt(block.position()) == document()->rootFrame())
        return QRectF(block.layout()->position(), QSizeF());
    // Qt lays out everything up to the paragraph first, all at once: a step
    // at a time here, and only as far as the text may be tall. A paragraph
    // beyond is taken to be where the text laid out ends until its lines
    // have been made wider.
    if (inProgress() && block.isValid() && block.layout()->lineCount() == 0) {
        if (!const_cast<InPlaceLayout *>(this)->layOutToward(block))
            return QRectF(QPointF(document()->documentMargin(), dynamicDocumentSize().height()), QSizeF());
        announce(block.position() + block.length());
    }
    return QTextDocumentLayout::blockBoundingRect(block);
}

int InPlaceLayout::hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const
{
    const_cast<InPlaceLayout *>(this)->catchUp();
    // Qt lays out everything down to the point first. Where that ends in
    // the text is only known once it is done: the text laid out so far
    // tells how many characters a pixel down takes, twice that is
    // announced.
    const qreal laidOut = dynamicDocumentSize().height();
    if (inProgress() && point.y() > laidOut - 1) {
        const qreal from = firstNotLaidOut();
        const qreal perPixel = laidOut > 0 ? from / laidOut : 0;
        const qreal beyond = 2 * perPixel * (point.y() - laidOut + 1);
        announce(int(qMin<qreal>(from + beyond, document()->characterCount())));
    }
    return QTextDocumentLayout::hitTest(point, accuracy);
}

// The paragraphs a change of formats touched, laid out in place one by one
// as long as each keeps its height; returns where the change is left to lay
// out, from + length when nothing is. A change of formats takes no character
// away and puts none in, so Qt's marks stay right, and its layout in
// progress, which such a change would otherwise start over from here, goes
// on where it was.
int InPlaceLayout::relayoutParagraphs(int from, int length)
{
    const int end = from + length;
    // A change up to and including a paragraph's separator is how Qt tells
    // of a paragraph's own format (margins above, page breaks), which moves
    // the paragraph itself: Qt's to lay out.
    if (document()->findBlock(end).position() == end || end >= document()->characterCount())
        return from;
    // The format of a paragraph's separator is also that of the paragraph
    // after it (the line of an empty one takes its height from it).
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() <= end;
         block = block.next()) {
        if (!relayoutParagraph(block.position(), 0, 0))
            return qMax(from, block.position());
    }
    return end;
}

bool InPlaceLayout::relayoutParagraph(int from, int oldLength, int length)
{
    QTextDocument *doc = document();
    const QSizeF page = doc->pageSize();
    // A paragraph break put in or taken out changes the block count. While
    // Qt's layout is in progress, only a change that moves no mark is laid
    // out here, between paragraphs laid out already.
    const bool progressing = inProgress();
    if ((progressing && length != oldLength) || doc->blockCount() != m_blockCount || !(page.width() > 0)
        || page.height() >= 0)
        return false;
    QTextFrame *root = doc->rootFrame();
    // A floating frame narrows the lines beside it, which this reckoning
    // leaves out.
    const QList<QTextFrame *> frames = root->childFrames();
    for (const QTextFrame *frame : frames) {
        if (frame->frameFormat().position() != QTextFrameFormat::InFlow)
            return false;
    }
    const QTextBlock block = doc->findBlock(from);
    const QTextBlock next = block.next();
    if (!block.isValid() || !next.isValid() || !block.isVisible() || !next.isVisible()
        || from + length >= next.position() || block.textList())
        return false;
    // A paragraph in a table, or before one, is Qt's to lay out: a cell has
    // a place of its own, and Qt hides an empty paragraph next to a table.
    // (One after a table does not start where the paragraph before it
    // ends, below.)
    if (doc->frameAt(block.position()) != root || doc->frameAt(next.position()) != root)
        return false;
    if (progressing && (block.layout()->lineCount() == 0 || next.layout()->lineCount() == 0))
        return false;
    // Qt's marks past another paragraph laid out in place are off.
    if (m_paragraphStart >= 0 && m_paragraphStart != block.position())
        return false;
    const QTextOption defaults = doc->defaultTextOption();
    if (defaults.flags() & QTextOption::AddSpaceForLineAndParagraphSeparators)
        return false;

    // The text column of the page, as the frame's margins leave it.
    const QPaintDevice *device = paintDevice();
    const QTextFrameFormat frame = root->frameFormat();
    const QFixed frameLeft = roundedToDevice(device, frame.leftMargin());
    const QFixed frameRight = roundedToDevice(device, frame.rightMargin());
    const QFixed border = roundedToDevice(device, frame.border());
    const QFixed padding = roundedToDevice(device, frame.padding());
    QFixed frameWidth = QFixed::fromReal(frame.width().value(page.width()));
    if (frame.width().type() == QTextLength::FixedLength)
        frameWidth = QFixed::fromReal(scaledToDevice(device, frameWidth.toReal()));
    const QFixed columnLeft = frameLeft + border + padding;
    const QFixed margins = 2 * (border + padding) + frameLeft + frameRight;
    const QFixed columnRight = columnLeft + frameWidth - margins;
    // Lines that cannot be broken may make the page wider than the column;
    // a paragraph that needs more than the page has now is Qt's to lay out.
    // (The page as laid out so far: asking for the frame's rectangle would
    // have Qt finish a layout in progress first.)
    const QFixed pageWidth = QFixed::fromReal(dynamicDocumentSize().width()) - margins;

    QTextLayout *layout = block.layout();
    const QPointF position = layout->position();
    // A paragraph not where this reckoning would put it was laid out some
    // other way: Qt's to lay out again.
    if (QFixed::fromReal(position.x()) != columnLeft)
        return false;

    const QTextBlockFormat format = block.blockFormat();
    const qreal dpiScale = device ? qreal(device->logicalDpiY()) / qreal(qt_defaultDpi()) : 1;
    const qreal scaling = device && device->logicalDpiY() != qt_defaultDpi() ? dpiScale : 1;
    // The paragraph starts where the one before it ends, after the margin
    // between them; one that does not had the space above it changed, in a
    // change that Qt reports together with others (an underline elsewhere).
    // (Qt gives the first paragraph no space above it.)
    const QTextBlock previous = block.previous();
    if (previous.isValid()) {
        if (!previous.isVisible() || previous.layout()->lineCount() == 0 || doc->frameAt(previous.position()) != root)
            return false;
        qreal above = qMax(format.topMargin(), previous.blockFormat().bottomMargin());
        if (above > 0)
            above *= dpiScale;
        if (QFixed::fromReal(position.y()) != laidOutEnd(previous, scaling) + QFixed::fromReal(above))
            return false;
    }
    qreal margin = qMax(next.blockFormat().topMargin(), format.bottomMargin());
    if (margin > 0)
        margin *= dpiScale;
    // Where the paragraph ended before the change: the next one starts
    // there, after the margin between them.
    const QFixed oldEnd = QFixed::fromReal(next.layout()->position().y()) - QFixed::fromReal(margin);

    const Qt::LayoutDirection direction = block.textDirection();
    const QFixed indent = QFixed::fromReal(format.indent() * dpiScale * doc->indentWidth());
    const QFixed rightMargin = QFixed::fromReal(format.rightMargin()) + (direction == Qt::RightToLeft ? indent : QFixed());
    const QFixed left = columnLeft + QFixed::fromReal(format.leftMargin())
            + (direction == Qt::RightToLeft ? QFixed() : indent);
    const QFixed right = columnRight - rightMargin;

    QTextOption option = defaults;
    option.setTextDirection(direction);
    option.setTabs(format.tabPositions());
    Qt::Alignment alignment = defaults.alignment();
    if (format.hasProperty(QTextFormat::BlockAlignment))
        alignment = format.alignment();
    option.setAlignment(QGuiApplicationPrivate::visualAlignment(direction, alignment));
    if (format.nonBreakableLines())
        option.setWrapMode(QTextOption::ManualWrap);
    layout->setTextOption(option);
    const bool wordOrAnywhere = option.wrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere;

    const QFixed top = QFixed::fromReal(position.y());
    QFixed y = top;
    QFixed bottom;
    bool widens = false;
    layout->beginLayout();
    for (bool first = true;; first = false) {
        QTextLine line = layout->createLine();
        if (!line.isValid())
            break;
        line.setLeadingIncluded(true);
        QFixed lineLeft = left;
        QFixed lineRight = right;
        if (first) {
            const QFixed textIndent = QFixed::fromReal(format.textIndent());
            if (direction == Qt::LeftToRight)
                lineLeft += textIndent;
            else
                lineRight -= textIndent;
        }
        line.setLineWidth((lineRight - lineLeft).toReal());
        // A word wider than the line is broken anywhere, and a line of it
        // as wide as it needs.
        if (QFixed::fromReal(line.naturalTextWidth()) > lineRight - lineLeft) {
            if (wordOrAnywhere) {
                option.setWrapMode(QTextOption::WrapAnywhere);
                layout->setTextOption(option);
            }
            line.setLineWidth(qMax<qreal>(line.naturalTextWidth(), (lineRight - lineLeft).toReal()));
            if (wordOrAnywhere) {
                option.setWrapMode(QTextOption::WordWrap);
                layout->setTextOption(option);
            }
        }
        const LineMetrics metrics = lineMetrics(format, line, scaling);
        line.setPosition(QPointF((lineLeft - columnLeft).toReal(), (y - top - metrics.adjustment).toReal()));
        widens = widens || QFixed::fromReal(line.x() + line.naturalTextWidth()) + rightMargin > pageWidth;
        bottom = y + metrics.bottom;
        y += metrics.height;
    }
    y = qMax(y, bottom);
    layout->endLayout();

    // Taller or shorter, the paragraphs after it move: Qt moves them, and
    // widens the page. (A page made wider by this paragraph before stays
    // so until Qt lays out the document again.)
    if (y != oldEnd || widens) {
        ++(widens ? m_counts.widened : m_counts.heightChanged);
        return false;
    }
    ++m_counts.laidOutInPlace;
    const QRectF rect(0, top.toReal(), qreal(INT_MAX), (y - top).toReal());
    // Text put in or taken out shifts Qt's marks further down.
    if (length != oldLength) {
        if (m_paragraphStart < 0) {
            m_paragraphStart = block.position();
            m_gained = 0;
        }
        m_gained += length - oldLength;
    }
    m_paragraphRect = rect;
    emit update(rect);
    return true;
}
