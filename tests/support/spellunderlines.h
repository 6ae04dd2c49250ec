#ifndef YAVO_SPELLUNDERLINES_H
#define YAVO_SPELLUNDERLINES_H

// The spell check's underlines as the tests compare them; for tests that
// link the editor library.

#include "editor/highlighter.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

// "start+length" of every spell-check underline of a paragraph, in
// document positions.
inline QStringList spellUnderlines(const QTextBlock &block)
{
    QStringList ranges;
    const auto formats = block.layout()->formats();
    for (const QTextLayout::FormatRange &range : formats) {
        if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
            ranges << QStringLiteral("%1+%2").arg(block.position() + range.start).arg(range.length);
    }
    return ranges;
}

// The same, of every paragraph of the document.
inline QStringList spellUnderlines(const QTextDocument &document)
{
    QStringList ranges;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        ranges << spellUnderlines(block);
    return ranges;
}

// Runs the event loop until the document's highlighter has checked every
// paragraph it still had to; false when it is not done in time.
inline bool waitForSpellCheck(const QTextDocument *document, int timeoutMs = 10000)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const auto *highlighter = document->findChild<Highlighter *>();
        const auto *slices = highlighter ? highlighter->findChild<QTimer *>() : nullptr;
        if (!slices || !slices->isActive())
            return true;
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents();
    }
}

// The underlines a full check of the same paragraphs gives, in a document of
// its own where no word waits.
inline QStringList expectedSpellUnderlines(Utils *utils, const QTextDocument &document)
{
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        paragraphs << block.text();
    QTextDocument scratch;
    scratch.documentLayout();
    Highlighter highlighter(utils, &scratch);
    QTextCursor(&scratch).insertText(paragraphs.join(QLatin1Char('\n')));
    // Many paragraphs at once are checked from the event loop.
    waitForSpellCheck(&scratch);
    return spellUnderlines(scratch);
}

// Whether the underlines are the expected ones, or those without the one
// word that ends at the text cursor, which waits while it is being typed.
inline bool underlinesMatchBarTheWaitingWord(const QStringList &actual, const QStringList &expected,
                                             int cursorPosition)
{
    if (actual == expected)
        return true;
    for (int i = 0; i < expected.size(); ++i) {
        const QStringList range = expected.at(i).split(QLatin1Char('+'));
        if (range.at(0).toInt() + range.at(1).toInt() != cursorPosition)
            continue;
        QStringList without = expected;
        without.removeAt(i);
        return actual == without;
    }
    return false;
}

#endif
