#ifndef YAVO_INPLACELAYOUT_P_H
#define YAVO_INPLACELAYOUT_P_H

#include <QRectF>
#include <QSizeF>
#include <private/qtextdocumentlayout_p.h>

#include <climits>

// The editor's document layout. After an edit Qt lays out the paragraphs
// the edit touched and then moves every paragraph after them into place,
// whether they moved or not: in a long document that walk, not the edit,
// is what a key costs. A change within one paragraph that keeps its height
// is laid out here in place, line by line as Qt does it, and so is a change
// of formats over several paragraphs that keeps each one's height (the spell
// check's underlines), also while Qt's layout is still in progress; every
// other change (a line more or less, a paragraph break, a paragraph's own
// format, paragraphs in or next to a table, list items, a document with a
// floating frame, text typed while the layout is in progress) goes to Qt.
//
// Qt also keeps marks of where the text stands every few screens down,
// which text put in or taken out above them shifts. While only the
// paragraph laid out in place is repainted they are not needed; anything
// else (another paint, a hit test, Qt's next layout) first has Qt bring
// them up to date, with one walk for a whole run of keys.
//
// A change too big to lay out at once (a whole document formatted, undone
// or replaced) is laid out anew from the top, a slice at a time between
// the events: Qt's own slices grow to many screens. Until a part is laid
// out it is not drawn, and a paragraph not reached yet is taken to be where
// it was (the selection shown, the text cursor kept in view): laying out
// all the text above it first would hold up the window.
//
// Before it lays out paragraphs not laid out yet, on its own or because a
// view asks where something is, it tells so with aboutToLayOut(): the spell
// check's underlines set by then are laid out along with the text, where
// set later they would have the paragraph laid out again.
//
// Made for the word processor's editors, which wrap their text at the
// widget's width.
//
// What it lays out in place follows Qt's own layout line for line, as the
// Qt versions it was checked against have it: create() gives it only with
// one of those, both built against and running, and Qt's layout otherwise.
class InPlaceLayout : public QTextDocumentLayout
{
    Q_OBJECT

public:
    explicit InPlaceLayout(QTextDocument *document);

    // The layout for an editor's document: this one where the Qt in use is
    // one it was checked against, else Qt's own. Setting YAVO_QT_LAYOUT in
    // the environment has Qt's own in any case.
    static QAbstractTextDocumentLayout *create(QTextDocument *document);
    // Whether create() gives this layout.
    static bool inUse();
    static bool checkedAgainst(const QByteArray &builtWith, const QByteArray &running);

    // The position of the first paragraph the layout in progress has not
    // reached, the document's length once it has reached them all.
    int firstNotLaidOut() const;

    // What became of the changes so far, and why: what a key in a long
    // document costs depends on it (a change Qt lays out walks every
    // paragraph after it).
    struct Counts
    {
        int laidOutInPlace = 0; // paragraphs laid out here
        int heightChanged = 0;  // paragraphs that grew or shrank here: Qt moves the rest
        int widened = 0;        // paragraphs wider than the page: Qt widens it
        int handedToQt = 0;     // changes Qt laid out from where they start to the end
        int caughtUp = 0;       // walks that brought Qt's marks up to date
    };
    Counts counts() const;

    // Qt's layout reckons in 26.6 fixed point: a text laid out taller than
    // its whole pixels never comes to an end. A view that asks where a
    // paragraph not reached yet is has the text laid out no further than
    // the safe height for it; the editor makes a text that would be taller
    // wider in time (LayoutHeightGuard).
    static constexpr qreal heightLimit = INT_MAX / 64;
    static constexpr qreal safeHeight = 0.8 * heightLimit;

    void draw(QPainter *painter, const PaintContext &context) override;
    int hitTest(const QPointF &point, Qt::HitTestAccuracy accuracy) const override;
    QRectF blockBoundingRect(const QTextBlock &block) const override;

signals:
    // The paragraphs up to position (and some way past it, where Qt's
    // layout takes a few more along) are about to be laid out. Emitted
    // outside any change of the document; a receiver must not change it.
    void aboutToLayOut(int position);

protected:
    void documentChanged(int from, int oldLength, int length) override;
    void timerEvent(QTimerEvent *event) override;

private:
    int relayoutParagraphs(int from, int length);
    bool relayoutParagraph(int from, int oldLength, int length);
    bool drawsWithinParagraph(const QRectF &clip) const;
    void drawFarText(QPainter *painter, const PaintContext &context) const;
    void catchUp();
    void walkFrom(int paragraphStart);
    void layOutSlice();
    void layOutStep(int from);
    bool layOutToward(const QTextBlock &block);
    bool inProgress() const;
    void passToQt(int from, int oldLength, int length);
    void announce(int position) const;
    void reportSize();

    int m_blockCount = -1;
    // Every paragraph before it is laid out (or hidden): where the search
    // for the first one not laid out starts, moving only forward as Qt's
    // layout does, and back only where a change has Qt forget paragraphs.
    mutable int m_laidOutBefore = 0;
    QSizeF m_reportedSize;
    // The paragraph laid out in place since Qt's marks were last right: its
    // start, where it is drawn, and how many characters it gained (or lost);
    // a start of -1 when the marks are right.
    int m_paragraphStart = -1;
    QRectF m_paragraphRect;
    int m_gained = 0;
    Counts m_counts;
};

#endif
