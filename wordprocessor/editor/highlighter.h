#ifndef YAVO_HIGHLIGHTER_H
#define YAVO_HIGHLIGHTER_H

#include <QPointer>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QVector>

class QTextBlock;
class QTextDocument;
class QTimer;
class UnicodeKaEditor;
class Utils;

// Spell check as you type: underlines, with a red wave, every word of a
// paragraph that the word list does not know. Until the word list is loaded
// every word counts as unknown. The underline is only shown, never stored in
// the document.
//
// A word is a run of letters, digits, marks, underscores, commas and carets,
// so "a,b" is looked up as one word; a backslash always starts a new word,
// and such words are never underlined, nor are words of one character.
//
// In an editor, the word being typed is not underlined while the text
// cursor stays at its end: it is checked once the cursor leaves it.
//
// Edits are underlined here rather than by QSyntaxHighlighter, which lays
// out the paragraph after an edited one again on nearly every key. That
// takes two things Qt does not offer as public API: the highlighter's own
// internal connection to the document's contentsChange is taken away (it
// is the only connection QSyntaxHighlighter makes from the document to
// itself), and the underlines are set on the paragraph's text engine
// (QTextEngine from qtextengine_p.h, Qt5::GuiPrivate). Both were checked
// against Qt 5.15 (5.15.8), with the editing soak tests under the sanitizers
// and valgrind; the build stops on any other Qt version or when the engine's
// setFormats differs.
//
// Nothing here creates, moves or destroys a QTextCursor while the document
// reports a change: Qt may hold its list of cursors aside then (clear()
// does), and a cursor dropped meanwhile comes back into the list freed, for
// the next edit to write through. The places remembered across edits are
// plain positions, moved along here.
class Highlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    Highlighter(Utils *utils, UnicodeKaEditor *editor);
    Highlighter(Utils *utils, QTextDocument *document);
    ~Highlighter() override;

    // Takes effect with the next highlighting; the caller asks for
    // rehighlightInSlices() to show it on the whole document.
    void setEnabled(bool enabled);
    // As QSyntaxHighlighter's, and the edits of the new document are
    // underlined as below. The new document's first page is checked at
    // once, the rest from the event loop a slice at a time and, ahead of
    // that, whenever its layout is about to get to paragraphs not checked
    // yet (checkBeforeLayout()): a paragraph not laid out yet takes its
    // underlines along when it is, where one underlined after would be laid
    // out a second time.
    void setDocument(QTextDocument *document);
    // Checks the paragraphs of a document taken over, or of a long edit,
    // that are not checked yet, up to the one at position, as long as they
    // are not laid out; for the document's layout to call before it lays
    // them out. Changes nothing in the document.
    void checkBeforeLayout(int position);
    // Checks the whole document again without holding up the window: a
    // slice at a time from the event loop, the paragraphs in the editor's
    // view first. Until a paragraph's turn comes it keeps the underlines it
    // had; once all are done the underlines are those of rehighlight().
    void rehighlightInSlices();

protected:
    void highlightBlock(const QString &text) override;

private:
    struct Stretch
    {
        int start;
        int length;
    };
    // The stretches of the paragraph text to underline, in order, those
    // that touch or overlap joined.
    QVector<Stretch> misspelledStretches(const QString &text) const;
    void followEdits(QTextDocument *document);
    void underlineChangedBlocks(int from, int charsRemoved, int charsAdded);
    // typedEnd: the document position where the word being typed ends, or
    // -1; a misspelled word that ends there is left without its underline.
    // Paragraphs whose underlines changed, as document positions, to be
    // laid out again in one go.
    struct Changed
    {
        int from = -1;
        int to = -1;
    };
    // changed: collects a laid-out paragraph whose underlines changed
    // instead of having it laid out again at once.
    void underlineBlock(const QTextBlock &block, int typedEnd = -1, Changed *changed = nullptr);
    void layOutAgain(const Changed &changed);
    // Has the layout lay out the text from `from` up to `to` again.
    void layOutAgain(int from, int to);
    void layOutWaiting();
    void endTypedWord();
    // Has the paragraphs from one position to another checked in slices,
    // with those of slices under way.
    void checkInSlices(int from, int to);
    // What checkBeforeLayout() does.
    void checkAhead(int position);
    // Underlines the first page of a long edit, from the first paragraph it
    // changed to the last, while the edit is reported, when the slices start
    // there.
    void underlineFirstPage(const QTextBlock &first, const QTextBlock &last);
    // Checks the paragraphs from one position on, up to another and before
    // end (-1 for the end of the document), as long as they are not laid
    // out; returns the position of the first one left, or -1 when none is.
    int checkNotLaidOut(int from, int to, int end);
    void checkSlice();
    void checkView();
    void stopSlices();

    // The editor whose text cursor tells where typing goes on, or null.
    QPointer<UnicodeKaEditor> m_editor;
    // The document position where the misspelled word that waits for its
    // underline ends, or -1.
    int m_waitingEnd = -1;
    // Where the slices go on: the position of the next paragraph to check,
    // or -1 when no slice is due.
    int m_nextToCheck = -1;
    // The position where the slices stop, or -1 for the end of the document.
    int m_checkEnd = -1;
    // The paragraphs last checked in the editor's view, as positions.
    int m_viewFrom = -1;
    int m_viewTo = -1;
    // The paragraphs of a document taken over are not checked yet from
    // this position on; -1 when all are.
    int m_uncheckedFrom = -1;
    // How many paragraphs a slice checks: adjusted so that checking and
    // laying them out again stays within a slice's time.
    int m_sliceBlocks = 8;
    QTimer *m_sliceTimer = nullptr;
    // What waits to be laid out again until Qt's own layout has reached the
    // end of the document; -1 when nothing does.
    int m_layoutWaitFrom = -1;
    int m_layoutWaitTo = -1;
    QTimer *m_layoutWait = nullptr;

    QTextCharFormat m_highlightFormat;
    Utils *m_utils = nullptr;
    bool m_enabled = true;
};

#endif
