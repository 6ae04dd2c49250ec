#ifndef YAVO_DOCUMENTCAPACITY_H
#define YAVO_DOCUMENTCAPACITY_H

#include <QCoreApplication>
#include <QString>

class QTextDocument;

// What a document may hold for the word processor to show it and, saved in
// any format, to open it again: no more lines than the longest text file
// has, no paragraph longer than the editor lays out in good time, nothing
// taller than the editor can lay out. The readers' budgets give no more;
// what the user types or pastes beyond it is not saved, with a message,
// rather than written into a file that would not open.
class DocumentCapacity
{
    Q_DECLARE_TR_FUNCTIONS(DocumentCapacity)

public:
    DocumentCapacity() = delete;

    // The editor lays out a paragraph whole, and again at every key typed
    // into it: some tens of thousands of characters take seconds.
    static constexpr int MaxParagraphLength = 65536;

    // Qt's text layout places lines in 26.6 fixed point: a text laid out
    // taller than 33,554,431 pixels never finishes, and the window stays
    // busy for ever. The editor lays a long text out in wider lines to keep
    // it lower; a document that is this tall at any width (every paragraph
    // takes a line, at its own font, with its own spacing) is too tall to
    // show. The room above it is for what minimumHeight() leaves out.
    static constexpr qreal MaxHeight = 24000000;
    // Qt's layout also never finishes, now and then, where one step down
    // the text taller than about a hundred pixels (a line of very large
    // text, a tall image, wide spacing above a paragraph) goes past
    // 8,388,607 pixels, the height it gives a page without end; lines of
    // text and the usual spacing pass it. A paragraph that takes a step
    // taller than TallStep lies no further down than MaxTallStepHeight.
    static constexpr qreal TallStep = 100;
    static constexpr qreal MaxTallStepHeight = 8000000;
    // Qt's own layout, where the editor does not use its own, never
    // finishes a text that goes past that page height with any step at all:
    // 450,000 short lines stop it. Lines made wider bring a taller text
    // down from 60% of that height; this stays below, for a text tall at
    // any width to be left as it is.
    static constexpr qreal MaxHeightForQtLayout = 4500000;

    // The number of the first paragraph beyond what a document may hold,
    // -1 when there is none; *reason then says why. An empty paragraph
    // after the last line is the end of that line, as a text's last line
    // break is, and no line of its own. A paragraph in a table or frame
    // counts as the table or frame it is in. `maxHeight` is the height the
    // layout that will show it reaches.
    static int firstExcess(const QTextDocument *document, QString *reason, qreal maxHeight = MaxHeight);

    // A height, in pixels, that the document's layout reaches at any width
    // (without the document's own margin): one line for every paragraph at
    // the largest font of its text, the space between paragraphs, images
    // of a given height, rows of tables, margins of frames. Found in one
    // pass over the paragraphs; *tallestStep, if asked for, is the tallest
    // step down the text it takes (a line with the space above it).
    static qreal minimumHeight(const QTextDocument *document, qreal *tallestStep = nullptr);

    // How far down a text with steps as tall as `step` may go in a layout
    // that reaches `maxHeight`.
    static constexpr qreal heightLimit(qreal step, qreal maxHeight = MaxHeight)
    {
        return step > TallStep && MaxTallStepHeight < maxHeight ? MaxTallStepHeight : maxHeight;
    }
};

#endif
