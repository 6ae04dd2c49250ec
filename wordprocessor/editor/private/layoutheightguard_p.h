#ifndef YAVO_LAYOUTHEIGHTGUARD_P_H
#define YAVO_LAYOUTHEIGHTGUARD_P_H

#include <QObject>
#include <QPointer>

class QAbstractTextDocumentLayout;
class QTextDocument;
class QTextEdit;

// Keeps a text edit's document within the height Qt's document layout can
// position. That layout reckons in 26.6 fixed point, which holds no more
// than 33,554,431 pixels: laying out past it never ends. Qt's own layout
// (where the editor's in-place layout is not used) goes round for ever
// sooner, at 8,388,607 pixels, the height it gives a page without end.
// A text that tall is one of long paragraphs wrapped at a narrow window's
// width (64 MB of text is some 50 million pixels at 600): before its
// layout gets there, its lines are laid out wider than the window, as wide
// as it takes, with the horizontal scroll bar to reach them. A document
// that is taller than that whatever its width (what is opened is cut
// before it, see DocumentCapacity) is left as it is.
class LayoutHeightGuard : public QObject
{
    Q_OBJECT

public:
    explicit LayoutHeightGuard(QTextEdit *editor);

    // The height the layout lays out safely, with room for what one of its
    // slices lays out before the next look.
    static qreal safeHeight(const QAbstractTextDocumentLayout *layout);
    // The height wider lines are to bring a text down to.
    static qreal aimedHeight(const QAbstractTextDocumentLayout *layout);

    // How often the lines were laid out wider for the document shown.
    int widenings() const;

private:
    void schedule(int delayMs);
    void check();
    void widen(qreal predictedHeight);

    QTextEdit *m_editor;
    QPointer<QTextDocument> m_document;
    bool m_scheduled = false;
    bool m_givenUp = false;
    int m_widenings = 0;
    qreal m_lastPrediction = 0;
};

#endif
