#include "formats/documentcapacity.h"

#include "private/documentlimits_p.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <functional>

namespace {

// The least height Qt's layout gives what a document holds, reckoned as it
// lays it out: paragraphs one below the other, the larger of the space
// below one and above the next between them; a line's height is that of
// the tallest font or image on it. What depends on the width (lines that
// wrap) and what Qt adds of its own (table borders and cell padding) is
// left out; so are images of no given height, whose size would take
// loading them, and floating frames, which stand beside the text.
class HeightBound
{
public:
    explicit HeightBound(const QTextDocument *document);

    // Hears the height so far after each paragraph or frame at the top of
    // the document, the step down it took at least (a line with the space
    // above it), and its first paragraph; true stops the walk.
    using Progress = std::function<bool(qreal height, qreal step, const QTextBlock &first)>;

    // Of the document, from its top.
    qreal ofDocument(const Progress &progress = Progress());

private:
    struct Spacing
    {
        int lineHeightType;
        qreal lineHeight;
        qreal top;
        qreal bottom;
    };

    // Where a flow of paragraphs and frames has got to.
    struct Flow
    {
        qreal height = 0;
        // The space below the paragraph before, none after a frame: Qt adds
        // none there, or the same again.
        qreal below = 0;
        bool afterBlock = false;
    };

    qreal ofFlow(QTextFrame::iterator item, const Progress &progress = Progress());
    qreal stepOf(const QTextBlock &block, Flow *flow);
    qreal ofBlock(const QTextBlock &block, const Spacing &spacing);
    qreal ofFrame(QTextFrame *frame);
    qreal ofTable(const QTextTable *table);
    qreal ofCharFormat(int index);
    const Spacing &ofBlockFormat(int index);

    const QTextDocument *m_document;
    const QVector<QTextFormat> m_formats;
    // Documents have few formats and many paragraphs: a font's height is
    // looked up once.
    QHash<int, qreal> m_charHeights;
    QHash<int, Spacing> m_spacings;
    // The height of every line where all text has the same (a document of
    // one font size and no images, as most are), -1 where not: the
    // paragraphs' text need not be looked at then.
    qreal m_uniformLine = -1;
};

HeightBound::HeightBound(const QTextDocument *document)
    : m_document(document)
    , m_formats(document->allFormats())
{
    for (int index = 0; index < m_formats.size(); ++index) {
        const QTextFormat &format = m_formats.at(index);
        if (!format.isCharFormat())
            continue;
        const qreal height = ofCharFormat(index);
        if (format.isImageFormat() || (m_uniformLine >= 0 && height != m_uniformLine)) {
            m_uniformLine = -1;
            break;
        }
        m_uniformLine = height;
    }
}

qreal HeightBound::ofDocument(const Progress &progress)
{
    const QTextFrame *root = m_document->rootFrame();
    if (!root->childFrames().isEmpty())
        return ofFlow(root->begin(), progress);
    // Without frames the flow is the paragraphs, each found from the one
    // before rather than searched for.
    Flow flow;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const qreal step = stepOf(block, &flow);
        if (progress && progress(flow.height, step, block))
            break;
    }
    return flow.height;
}

qreal HeightBound::ofFlow(QTextFrame::iterator item, const Progress &progress)
{
    Flow flow;
    bool afterFrame = false;
    for (; !item.atEnd(); ++item) {
        qreal step = 0;
        QTextBlock first;
        if (QTextFrame *frame = item.currentFrame()) {
            flow.height += ofFrame(frame);
            flow.afterBlock = false;
            afterFrame = true;
            if (progress)
                first = m_document->findBlock(frame->firstPosition());
        } else {
            first = item.currentBlock();
            // Qt lays an empty paragraph next to a table over the table.
            QTextFrame::iterator next = item;
            const bool besideFrame = first.length() == 1 && (afterFrame || (++next).currentFrame());
            afterFrame = false;
            if (besideFrame)
                flow.afterBlock = false;
            else
                step = stepOf(first, &flow);
        }
        if (progress && progress(flow.height, step, first))
            break;
    }
    return flow.height;
}

qreal HeightBound::stepOf(const QTextBlock &block, Flow *flow)
{
    if (!block.isVisible()) {
        flow->afterBlock = false;
        return 0;
    }
    const Spacing &spacing = ofBlockFormat(block.blockFormatIndex());
    // The first paragraph's space above is the frame's to give.
    qreal step = flow->afterBlock ? qMax(spacing.top, flow->below) : 0;
    step += ofBlock(block, spacing);
    flow->height += step;
    flow->below = spacing.bottom;
    flow->afterBlock = true;
    return step;
}

qreal HeightBound::ofBlock(const QTextBlock &block, const Spacing &spacing)
{
    qreal line = 0;
    if (m_uniformLine >= 0) {
        line = m_uniformLine;
    } else if (block.length() == 1) {
        // An empty paragraph's line has the height of its own format.
        line = ofCharFormat(block.charFormatIndex());
    } else {
        bool first = true;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it, first = false) {
            const QTextFragment fragment = it.fragment();
            const qreal height = ofCharFormat(fragment.charFormatIndex());
            if (height <= line)
                continue;
            // Spaces where a line wraps hang past its end and leave its
            // height alone; those that start the paragraph are its first
            // line's.
            if (!first) {
                const QString text = fragment.text();
                if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSpace(); }))
                    continue;
            }
            line = height;
        }
    }
    switch (spacing.lineHeightType) {
    case QTextBlockFormat::ProportionalHeight:
        // Qt rounds the share of the line down to its fixed point.
        return qMax<qreal>(0, line * spacing.lineHeight / 100 - 1.0 / 64);
    case QTextBlockFormat::FixedHeight:
        return spacing.lineHeight;
    case QTextBlockFormat::MinimumHeight:
        return qMax(line, spacing.lineHeight);
    case QTextBlockFormat::LineDistanceHeight:
        return line + spacing.lineHeight;
    default:
        return line;
    }
}

// A frame's content is counted whatever height the frame is given: Qt lays
// it all out, down past the frame's end.
qreal HeightBound::ofFrame(QTextFrame *frame)
{
    const QTextFrameFormat format = frame->frameFormat();
    if (format.position() != QTextFrameFormat::InFlow)
        return 0;
    const auto *table = qobject_cast<const QTextTable *>(frame);
    const qreal content = table ? ofTable(table) : ofFlow(frame->begin());
    return content + format.topMargin() + format.bottomMargin();
}

// Each row is as tall as its tallest cell; a cell over several rows is left
// out, as it is shared among them.
qreal HeightBound::ofTable(const QTextTable *table)
{
    qreal height = 0;
    for (int row = 0; row < table->rows(); ++row) {
        qreal tallest = 0;
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            if (cell.row() == row && cell.column() == column && cell.rowSpan() == 1)
                tallest = qMax(tallest, ofFlow(cell.begin()));
        }
        height += tallest;
    }
    return height;
}

qreal HeightBound::ofCharFormat(int index)
{
    const auto known = m_charHeights.constFind(index);
    if (known != m_charHeights.constEnd())
        return *known;
    const QTextFormat format = m_formats.value(index);
    qreal height = 0;
    if (format.isImageFormat()) {
        // An image stands on the line at the height it is given.
        height = qMax<qreal>(0, format.toImageFormat().height());
    } else if (format.isCharFormat()) {
        const QTextCharFormat charFormat = format.toCharFormat();
        height = QFontMetricsF(charFormat.font().resolve(m_document->defaultFont())).height();
        // Raised and lowered text is set in a smaller font.
        const int alignment = charFormat.verticalAlignment();
        if (alignment == QTextCharFormat::AlignSuperScript || alignment == QTextCharFormat::AlignSubScript)
            height /= 2;
    }
    m_charHeights.insert(index, height);
    return height;
}

const HeightBound::Spacing &HeightBound::ofBlockFormat(int index)
{
    auto known = m_spacings.find(index);
    if (known == m_spacings.end()) {
        const QTextBlockFormat format = m_formats.value(index).toBlockFormat();
        known = m_spacings.insert(index, {format.lineHeightType(), format.lineHeight(), format.topMargin(),
                                          format.bottomMargin()});
    }
    return *known;
}

} // namespace

int DocumentCapacity::firstExcess(const QTextDocument *document, QString *reason, qreal maxHeight)
{
    const int blocks = document->blockCount();
    const bool emptyEnd = blocks > 1 && document->lastBlock().length() == 1;
    int excess = -1;
    // Whichever excess comes first: what is shown is what comes before it.
    const auto note = [&excess, reason](int at, const QString &why) {
        if (excess < 0 || at < excess) {
            excess = at;
            *reason = why;
        }
    };
    if (blocks - (emptyEnd ? 1 : 0) > DocumentLimits::MaxTextParagraphs) {
        note(int(DocumentLimits::MaxTextParagraphs),
             tr("It has %1 paragraphs; a document may have at most %2.")
                     .arg(QLocale().toString(blocks), QLocale().toString(DocumentLimits::MaxTextParagraphs)));
    }
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1;
        if (length > MaxParagraphLength) {
            note(block.blockNumber(), tr("It has a paragraph of %1 characters; the editor shows paragraphs of at most %2.")
                                              .arg(QLocale().toString(length), QLocale().toString(MaxParagraphLength)));
            break;
        }
    }
    // Walked at the top of the document only: a table or frame that passes
    // the height goes as a whole.
    const auto walk = [&](qreal height, qreal step, const QTextBlock &first) {
        const qreal limit = heightLimit(step, maxHeight);
        if (height <= limit)
            return false;
        const int at = first.blockNumber();
        note(at, tr("It is too tall: paragraph %1 would be laid out more than %2 pixels from the top, further "
                    "than the editor can show.")
                         .arg(QLocale().toString(at + 1), QLocale().toString(qint64(limit))));
        return true;
    };
    HeightBound(document).ofDocument(walk);
    return excess;
}

qreal DocumentCapacity::minimumHeight(const QTextDocument *document, qreal *tallestStep)
{
    qreal tallest = 0;
    const qreal height = HeightBound(document).ofDocument([&tallest](qreal, qreal step, const QTextBlock &) {
        tallest = qMax(tallest, step);
        return false;
    });
    if (tallestStep)
        *tallestStep = tallest;
    return height;
}
