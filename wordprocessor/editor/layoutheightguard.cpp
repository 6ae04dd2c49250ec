#include "private/layoutheightguard_p.h"

#include "private/inplacelayout_p.h"

#include "formats/documentcapacity.h"

#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QtMath>

#include <climits>

namespace {

// The height Qt's layout takes for a page without end.
constexpr qreal endlessPageLimit = INT_MAX / 256;

// What is shown of a document is no taller at any width than the layout
// lays out safely (wider lines bring it down), and its tall steps stay
// above the end of Qt's page.
static_assert(DocumentCapacity::MaxHeight < InPlaceLayout::safeHeight,
              "a document the word processor shows whole must fit the editor's layout");
static_assert(DocumentCapacity::MaxTallStepHeight < endlessPageLimit,
              "a tall step of a document shown whole must lie on Qt's page");
// Qt's own layout gets lines wider once the text would reach this share of
// the height it holds, leaving room for what it lays out before the next
// look: one of its steps lays out up to some hundred thousand characters,
// a million pixels in a narrow window.
constexpr qreal qtShare = 0.6;
// A document Qt's own layout shows whole lies on its page, below where its
// lines would be made wider to no purpose.
static_assert(DocumentCapacity::MaxHeightForQtLayout < qtShare * endlessPageLimit,
              "a document Qt's own layout shows whole must not have its lines widened");
// Wider lines are to bring it down to this share.
constexpr qreal aimedShare = 0.4;
// The text laid out so far tells how tall the whole will be once it is this
// share of it.
constexpr int sampleParts = 20;
// Qt's own layout takes a step every 10 ms while it is in progress.
constexpr int lookAgainMs = 5;
// A wider line than the longest paragraph takes is of no use.
constexpr int widestLines = 4000000;

// How far, in characters, the layout has got: 0 where it does not say.
int laidOut(const QAbstractTextDocumentLayout *layout, int length)
{
    if (const auto *inPlace = qobject_cast<const InPlaceLayout *>(layout))
        return inPlace->firstNotLaidOut();
    const auto *qtLayout = qobject_cast<const QTextDocumentLayout *>(layout);
    const int status = qtLayout ? qtLayout->layoutStatus() : 0;
    if (status == 100)
        return length;
    // Qt's percentage is reckoned in int and wraps past 21 million characters.
    if (length > INT_MAX / 100)
        return 0;
    return int(qint64(status) * length / 100);
}

} // namespace

LayoutHeightGuard::LayoutHeightGuard(QTextEdit *editor)
    : QObject(editor)
    , m_editor(editor)
    , m_document(editor->document())
{
    // The scroll bar hears of every height the layout reports, whatever the
    // document.
    connect(editor->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { schedule(0); });
}

qreal LayoutHeightGuard::safeHeight(const QAbstractTextDocumentLayout *layout)
{
    if (qobject_cast<const InPlaceLayout *>(layout))
        return InPlaceLayout::safeHeight;
    return qtShare * endlessPageLimit;
}

qreal LayoutHeightGuard::aimedHeight(const QAbstractTextDocumentLayout *layout)
{
    return aimedShare * (qobject_cast<const InPlaceLayout *>(layout) ? InPlaceLayout::heightLimit : endlessPageLimit);
}

int LayoutHeightGuard::widenings() const
{
    return m_widenings;
}

// The layout reports its height from its own slices: the width changes
// after them, not inside.
void LayoutHeightGuard::schedule(int delayMs)
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    QTimer::singleShot(delayMs, this, &LayoutHeightGuard::check);
}

void LayoutHeightGuard::check()
{
    m_scheduled = false;
    QTextDocument *doc = m_editor->document();
    if (doc != m_document) {
        // Another document is laid out at the window's width again.
        m_document = doc;
        m_givenUp = false;
        m_lastPrediction = 0;
        if (m_widenings > 0) {
            m_widenings = 0;
            m_editor->setLineWrapMode(QTextEdit::WidgetWidth);
        }
    }
    const QAbstractTextDocumentLayout *layout = doc->documentLayout();
    const auto *qtLayout = qobject_cast<const QTextDocumentLayout *>(layout);
    if (!qtLayout || m_givenUp || m_editor->lineWrapMode() == QTextEdit::NoWrap)
        return;
    // Qt's own layout tells the views of its progress only now and then:
    // the guard looks again after each of its steps.
    if (qtLayout->layoutStatus() != 100)
        schedule(lookAgainMs);
    const qreal height = qtLayout->dynamicDocumentSize().height();
    const int length = doc->characterCount();
    const int reached = laidOut(layout, length);
    qreal predicted = height;
    if (reached > 0 && reached < length && reached >= length / sampleParts)
        predicted = height * length / reached;
    if (predicted >= safeHeight(layout))
        widen(predicted);
}

void LayoutHeightGuard::widen(qreal predictedHeight)
{
    // Wider lines that left the text about as tall were no help: its height
    // is not that of wrapped lines.
    if (m_widenings > 0 && predictedHeight > 0.75 * m_lastPrediction) {
        m_givenUp = true;
        return;
    }
    const QAbstractTextDocumentLayout *layout = m_editor->document()->documentLayout();
    const int width = m_editor->lineWrapMode() == QTextEdit::FixedPixelWidth ? m_editor->lineWrapColumnOrWidth()
                                                                                : m_editor->viewport()->width();
    const qreal factor = qMax<qreal>(2, predictedHeight / aimedHeight(layout));
    const int wider = int(qMin<qreal>(widestLines, qCeil(qMax(width, 1) * factor)));
    if (wider <= width) {
        m_givenUp = true;
        return;
    }
    ++m_widenings;
    m_lastPrediction = predictedHeight;
    // Qt lays out at once all down to what is in view: a view far down
    // would have it lay out that far in one go, the way its layout does
    // not end. The text cursor stays where it is.
    m_editor->verticalScrollBar()->setValue(0);
    m_editor->setLineWrapColumnOrWidth(wider);
    m_editor->setLineWrapMode(QTextEdit::FixedPixelWidth);
}
