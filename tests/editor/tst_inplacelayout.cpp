#include "editor/private/inplacelayout_p.h"
#include "editor/private/layoutheightguard_p.h"
#include "editor/unicodekaeditor.h"
#include "utils/utils.h"

#include "spellunderlines.h"
#include "testmain.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>
#include <QTextTable>
#include <QtTest>

#include <algorithm>
#include <functional>

#include <private/qtextdocumentlayout_p.h>

// The editor lays out a paragraph typed in on its own when its height stays
// the same. What it lays out must be exactly what Qt's own layout of the
// whole document gives, whatever the paragraph's format.
class TestInPlaceLayout : public QObject
{
    Q_OBJECT

private slots:
    void editsInsideParagraphsLayOutAsQtDoes_data();
    void editsInsideParagraphsLayOutAsQtDoes();
    void editInsideAParagraphLeavesTheOthersAlone_data();
    void editInsideAParagraphLeavesTheOthersAlone();
    void typedParagraphRepaintsAsAfterAFullLayout();
    void glyphsOfTheNextParagraphReachingUp();
    void largeChangeIsLaidOutInSlices();
    void editWhileTheLayoutIsInProgress();
    void formatsWhileTheLayoutIsInProgress_data();
    void formatsWhileTheLayoutIsInProgress();
    void flatParagraphsAreLaidOutToo();
    void keyInAVeryLongParagraph();
    void typingToTheEndOfALineAmongManyShortOnes();
    void spaceAboveAParagraphWhileAWordWaits();
    void layoutOfADocumentPastTwentyOneMillionCharacters();
    void checkedQtVersions_data();
    void checkedQtVersions();
    void qtLaysOutWhereNotChecked();
    void scrollBarStaysWhileATallTextIsLaidOut();
    void textTooTallForQtIsLaidOutWider_data();
    void textTooTallForQtIsLaidOutWider();
    void textFarDownIsDrawn();
};

namespace {

// Every line of every paragraph: where it is, how wide, which text.
QStringList geometry(QTextDocument *doc)
{
    QStringList lines;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        lines << QStringLiteral("block %1 at %2,%3 lines %4")
                         .arg(block.blockNumber())
                         .arg(layout->position().x())
                         .arg(layout->position().y())
                         .arg(layout->lineCount());
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << QStringLiteral("  line %1: %2+%3 rect %4,%5 %6x%7 natural %8")
                             .arg(i)
                             .arg(line.textStart())
                             .arg(line.textLength())
                             .arg(line.x())
                             .arg(line.y())
                             .arg(line.width())
                             .arg(line.height())
                             .arg(line.naturalTextWidth());
        }
    }
    lines << QStringLiteral("height %1").arg(doc->documentLayout()->documentSize().height());
    return lines;
}

// What Qt's layout makes of the whole document. The page is as wide as
// the widest line needs, or wider (a line that needed more may have been
// shortened in place since).
QStringList relaidOut(QTextDocument *doc)
{
    const qreal width = doc->documentLayout()->documentSize().width();
    doc->markContentsDirty(0, doc->characterCount());
    if (doc->documentLayout()->documentSize().width() > width)
        return {QStringLiteral("page narrower than its lines")};
    return geometry(doc);
}

struct Editor
{
    // Indic input off: keys type themselves. No word list: every word is
    // underlined, and the underlines move with every edit.
    Editor() : editor(&utils, 9, 0)
    {
        editor.resize(900, 400);
        editor.show();
        exposed = QTest::qWaitForWindowExposed(&editor);
    }
    Utils utils;
    UnicodeKaEditor editor;
    bool exposed = false;
};

QStringList longParagraphs(int count)
{
    QStringList paragraphs;
    for (int i = 0; i < count; ++i)
        paragraphs << QStringLiteral("ಕನ್ನಡ paragraph %1, long enough to wrap over two lines of the editor, or perhaps three").arg(i);
    return paragraphs;
}

using Shape = std::function<void(QTextBlockFormat &)>;

// Paragraphs of every shape a paragraph can take.
// What a document holds besides paragraphs.
enum class Extra { None, List, Table };

void fill(QTextDocument *doc, Extra extra)
{
    const QVector<Shape> shapes = {
        [](QTextBlockFormat &) {},
        [](QTextBlockFormat &f) { f.setAlignment(Qt::AlignHCenter); },
        [](QTextBlockFormat &f) { f.setAlignment(Qt::AlignJustify); },
        [](QTextBlockFormat &f) { f.setAlignment(Qt::AlignRight); f.setIndent(2); },
        [](QTextBlockFormat &f) { f.setLeftMargin(30); f.setRightMargin(12.5); f.setTextIndent(25); },
        [](QTextBlockFormat &f) { f.setTopMargin(9); f.setBottomMargin(14); },
        [](QTextBlockFormat &f) { f.setLineHeight(150, QTextBlockFormat::ProportionalHeight); },
        [](QTextBlockFormat &f) { f.setLineHeight(31, QTextBlockFormat::FixedHeight); },
        [](QTextBlockFormat &f) { f.setLineHeight(27, QTextBlockFormat::MinimumHeight); },
        [](QTextBlockFormat &f) { f.setLineHeight(6, QTextBlockFormat::LineDistanceHeight); },
        [](QTextBlockFormat &f) { f.setLayoutDirection(Qt::RightToLeft); f.setIndent(1); f.setTextIndent(10); },
        [](QTextBlockFormat &f) { f.setNonBreakableLines(true); },
        [](QTextBlockFormat &f) {
            f.setTabPositions({QTextOption::Tab(80, QTextOption::LeftTab), QTextOption::Tab(200, QTextOption::RightTab)});
        },
    };
    QTextCursor cursor(doc);
    QTextCharFormat large;
    large.setFontPointSize(22);
    for (int i = 0; i < 2 * shapes.size(); ++i) {
        QTextBlockFormat format;
        shapes.at(i % shapes.size())(format);
        if (i > 0)
            cursor.insertBlock(format);
        else
            cursor.setBlockFormat(format);
        cursor.insertText(QStringLiteral("ಕನ್ನಡ ನುಡಿ %1\twith\ttabs ").arg(i));
        cursor.insertText(QStringLiteral("larger "), large);
        // A paragraph that is not broken into lines must fit the page, or
        // the page is wider, and every edit goes to Qt.
        if (!format.nonBreakableLines())
            cursor.insertText(QStringLiteral("ಸಾಲು ಮುಂದುವರಿಯುತ್ತದೆ and goes on, and on, for a while, a few lines"),
                              QTextCharFormat());
        if (i == 5) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            cursor.insertImage(image);
        }
        if (extra == Extra::List && i == 8)
            cursor.createList(QTextListFormat::ListDisc);
        if (extra == Extra::Table && i == 8) {
            cursor.insertTable(2, 2);
            cursor.insertText(QStringLiteral("ಕೋಶ"));
            cursor.movePosition(QTextCursor::NextBlock);
            cursor.insertText(QStringLiteral("cell"));
            cursor.movePosition(QTextCursor::End);
        }
    }
}

} // namespace

void TestInPlaceLayout::editsInsideParagraphsLayOutAsQtDoes_data()
{
    QTest::addColumn<int>("extra");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("paragraphs") << int(Extra::None) << 36u;
    QTest::newRow("with a list") << int(Extra::List) << 37u;
    QTest::newRow("with a table") << int(Extra::Table) << 38u;
}

// Random edits inside paragraphs (typing, deleting, formatting a stretch,
// also over several paragraphs, a paragraph's own format, a word too long
// for a line, undo and redo); now and then the document is
// laid out whole by Qt, and every line must be where it was.
void TestInPlaceLayout::editsInsideParagraphsLayOutAsQtDoes()
{
    QFETCH(int, extra);
    QFETCH(quint32, seed);
    Editor e;
    QVERIFY(e.exposed);
    QTextDocument *doc = e.editor.document();
    fill(doc, Extra(extra));
    QCoreApplication::processEvents();
    QCOMPARE(geometry(doc), relaidOut(doc));

    QRandomGenerator random(seed);
    const QVector<std::function<QTextCharFormat()>> charFormats = {
        [] {
            QTextCharFormat format;
            format.setFontWeight(QFont::Bold);
            return format;
        },
        [&random] {
            QTextCharFormat format;
            format.setFontPointSize(8 + random.bounded(20));
            return format;
        },
        // As the spell check's underline: the text's metrics stay.
        [] {
            QTextCharFormat format;
            format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
            format.setUnderlineColor(Qt::red);
            return format;
        },
    };
    const QStringList pieces = {QStringLiteral("a"), QStringLiteral(" "), QStringLiteral("ಕ್ಷ"),
                                QStringLiteral("word "), QStringLiteral("\t"),
                                QStringLiteral("averyveryverylongwordthatdoesnotfitonanylineofthiseditoratall")};
    for (int step = 1; step <= 600; ++step) {
        const QTextBlock block = doc->findBlockByNumber(random.bounded(doc->blockCount()));
        QTextCursor cursor(block);
        cursor.setPosition(block.position() + random.bounded(block.length()));
        switch (random.bounded(9)) {
        case 0:
        case 1:
        case 2: {
            e.editor.setTextCursor(cursor);
            const QString piece = pieces.at(random.bounded(pieces.size()));
            if (piece.at(0).unicode() < 0x80)
                QTest::keyClicks(&e.editor, piece);
            else
                e.editor.insertTextAtCursor(piece);
            break;
        }
        case 3:
            cursor.setPosition(qMin(block.position() + block.length() - 1, cursor.position() + random.bounded(6)),
                               QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            break;
        case 4: {
            // Within the paragraph, or on over some of the next ones.
            if (random.bounded(3))
                cursor.setPosition(qMin(block.position() + block.length() - 1, cursor.position() + random.bounded(10)),
                                   QTextCursor::KeepAnchor);
            else
                cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 1 + random.bounded(3));
            cursor.mergeCharFormat(charFormats.at(random.bounded(charFormats.size()))());
            break;
        }
        case 7: {
            cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, random.bounded(3));
            QTextBlockFormat format;
            if (random.bounded(2))
                format.setTopMargin(random.bounded(20));
            else
                format.setLineHeight(100 + random.bounded(60), QTextBlockFormat::ProportionalHeight);
            cursor.mergeBlockFormat(format);
            break;
        }
        case 5:
            doc->undo();
            break;
        case 6:
            doc->redo();
            break;
        default:
            QCoreApplication::processEvents();
        }
        if (step % 30 == 0) {
            const QStringList edited = geometry(doc);
            QCOMPARE(edited, relaidOut(doc));
        }
    }
}

// A key inside a paragraph lays out that paragraph, not the hundreds after
// it (which Qt would move into place one by one, for every key): here a
// paragraph further down, put out of place on purpose, stays so.
void TestInPlaceLayout::editInsideAParagraphLeavesTheOthersAlone_data()
{
    QTest::addColumn<bool>("withTable");
    QTest::newRow("paragraphs") << false;
    // A table elsewhere in the document changes nothing for them.
    QTest::newRow("a table at the end") << true;
}

void TestInPlaceLayout::editInsideAParagraphLeavesTheOthersAlone()
{
    QFETCH(bool, withTable);
    Editor e;
    QVERIFY(e.exposed);
    QTextDocument *doc = e.editor.document();
    const QStringList paragraphs = longParagraphs(50);
    e.editor.setPlainText(paragraphs.join(QLatin1Char('\n')));
    if (withTable) {
        QTextCursor end(doc);
        end.movePosition(QTextCursor::End);
        end.insertTable(1, 2)->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("ಕೋಶ"));
    }
    doc->documentLayout()->documentSize();

    QTextLayout *far = doc->findBlockByNumber(40).layout();
    const QPointF placed = far->position();
    far->setPosition(placed + QPointF(0, 1000));
    e.editor.setTextCursor(QTextCursor(doc->findBlockByNumber(3)));
    QTest::keyClicks(&e.editor, QStringLiteral("xy"));
    QCOMPARE(doc->findBlockByNumber(3).text(), QStringLiteral("xy") + paragraphs.at(3));
    QCOMPARE(far->position(), placed + QPointF(0, 1000));

    // A paragraph break moves what follows: Qt puts it back in place.
    QTest::keyClick(&e.editor, Qt::Key_Return);
    QCOMPARE(doc->findBlockByNumber(41).layout()->position().x(), placed.x());
    QVERIFY(doc->findBlockByNumber(41).layout()->position().y() < placed.y() + 1000);
}

// What the layout draws in a clip (in document coordinates).
QImage drawn(QTextDocument *doc, const QRect &clip)
{
    QImage image(clip.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-clip.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    doc->documentLayout()->draw(&painter, context);
    return image;
}

// After keys typed into a paragraph, the repaint of that paragraph alone
// is drawn before the paragraphs further down are brought into place (one
// of them is left out of place here to show it), and looks as it does once
// they are; any other repaint, or a click, brings them into place first.
void TestInPlaceLayout::typedParagraphRepaintsAsAfterAFullLayout()
{
    Editor e;
    QVERIFY(e.exposed);
    QTextDocument *doc = e.editor.document();
    // Lines with room for what is typed: the paragraph keeps its height.
    QStringList paragraphs = longParagraphs(60);
    for (QString &paragraph : paragraphs)
        paragraph += QStringLiteral(", with a word or two more");
    paragraphs[11] = QStringLiteral("short");
    e.editor.setPlainText(paragraphs.join(QLatin1Char('\n')));
    doc->documentLayout()->documentSize();
    const QTextBlock typedIn = doc->findBlockByNumber(10);
    QTextCursor cursor(typedIn);
    cursor.movePosition(QTextCursor::NextWord);
    e.editor.setTextCursor(cursor);
    QTest::keyClicks(&e.editor, QStringLiteral("abc"));

    QTextLayout *far = doc->findBlockByNumber(50).layout();
    const QPointF placed = far->position();
    const auto misplace = [far, placed] { far->setPosition(placed + QPointF(0, 1000)); };
    const auto typedArea = [doc, typedIn] {
        return doc->documentLayout()->blockBoundingRect(typedIn).toAlignedRect();
    };

    misplace();
    const QImage typed = drawn(doc, typedArea());
    QCOMPARE(far->position(), placed + QPointF(0, 1000));
    far->setPosition(placed);
    doc->markContentsDirty(0, doc->characterCount());
    QCOMPARE(drawn(doc, typedArea()), typed);

    // More typed than the short paragraph after it holds: past the typed
    // paragraph, Qt's marks would now skip that one. A repaint of the typed
    // paragraph alone has nothing of it to draw; one that reaches a pixel
    // into it brings the paragraphs further down into place first.
    QTest::keyClicks(&e.editor, QStringLiteral("defghi"));
    misplace();
    const QImage longer = drawn(doc, typedArea());
    QCOMPARE(far->position(), placed + QPointF(0, 1000));
    drawn(doc, typedArea().adjusted(0, 0, 0, 1));
    QCOMPARE(far->position(), placed);
    doc->markContentsDirty(0, doc->characterCount());
    QCOMPARE(drawn(doc, typedArea()), longer);

    QTest::keyClick(&e.editor, Qt::Key_Backspace);
    misplace();
    const int top = int(typedIn.layout()->position().y());
    drawn(doc, QRect(0, top, e.editor.viewport()->width(), e.editor.viewport()->height()));
    QCOMPARE(far->position(), placed);

    QTest::keyClick(&e.editor, Qt::Key_Backspace);
    misplace();
    e.editor.cursorForPosition(QPoint(5, 5));
    QCOMPARE(far->position(), placed);
}

// The first paragraph past the given one where Qt's layout sets one of
// its marks of where the text stands: every 2000 pixels down.
int nextMark(QTextDocument *doc, int after)
{
    qreal mark = doc->begin().layout()->position().y();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const qreal y = block.layout()->position().y();
        if (y - mark > 2000) {
            if (block.blockNumber() > after)
                return block.blockNumber();
            mark = y;
        }
    }
    return -1;
}

// The paragraph after the typed one holds less than what was typed, right
// before one of Qt's marks (which, reckoned before the text typed, has Qt
// stop drawing before that paragraph), and its glyphs reach up into the
// typed paragraph (its line height is fixed below its font's): a repaint of
// the typed paragraph draws them as well.
void TestInPlaceLayout::glyphsOfTheNextParagraphReachingUp()
{
    Editor e;
    QVERIFY(e.exposed);
    QTextDocument *doc = e.editor.document();
    const QString squeezedText = QStringLiteral("ಕೈ");
    QStringList paragraphs;
    for (const QString &paragraph : longParagraphs(40))
        paragraphs << paragraph + QStringLiteral(", with a word or two more") << squeezedText;
    e.editor.setPlainText(paragraphs.join(QLatin1Char('\n')));
    QTextBlockFormat squeezed;
    squeezed.setLineHeight(4, QTextBlockFormat::FixedHeight);
    const auto squeeze = [&](const QTextBlock &block) { QTextCursor(block).mergeBlockFormat(squeezed); };
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (block.text() == squeezedText)
            squeeze(block);
    }
    doc->documentLayout()->documentSize();
    // A squeezed paragraph more on top moves the paragraphs down, and the
    // marks with them, until one comes right after a squeezed paragraph.
    const auto markAfterSqueezed = [&] {
        for (int mark = nextMark(doc, 0); mark > 0; mark = nextMark(doc, mark)) {
            if (doc->findBlockByNumber(mark - 1).text() == squeezedText)
                return mark;
        }
        return -1;
    };
    int mark = markAfterSqueezed();
    for (int more = 0; more < 20 && mark < 0; ++more) {
        QTextCursor(doc).insertText(squeezedText + QLatin1Char('\n'));
        squeeze(doc->begin());
        doc->documentLayout()->documentSize();
        mark = markAfterSqueezed();
    }
    QVERIFY(mark > 0);
    const QTextBlock typedIn = doc->findBlockByNumber(mark - 2);
    const int lines = typedIn.layout()->lineCount();
    QTextCursor cursor(typedIn);
    cursor.movePosition(QTextCursor::NextWord);
    e.editor.setTextCursor(cursor);
    QTest::keyClicks(&e.editor, QStringLiteral("abcdef"));
    QCOMPARE(typedIn.layout()->lineCount(), lines);

    const QRect area = doc->documentLayout()->blockBoundingRect(typedIn).toAlignedRect();
    const QImage typed = drawn(doc, area);
    doc->markContentsDirty(0, doc->characterCount());
    QCOMPARE(drawn(doc, area), typed);
}

namespace {

QTextDocumentLayout *layoutOf(QTextDocument *doc)
{
    return qobject_cast<QTextDocumentLayout *>(doc->documentLayout());
}

void finishLayout(QTextDocument *doc)
{
    QElapsedTimer clock;
    clock.start();
    while (layoutOf(doc)->layoutStatus() < 100 && clock.elapsed() < 20000)
        QCoreApplication::processEvents();
}

QString longText(int paragraphs)
{
    return longParagraphs(paragraphs).join(QLatin1Char('\n'));
}

} // namespace

// A whole long document made bold is laid out from the top between the
// events: the command returns at once, what is not laid out yet is neither
// drawn nor laid out for a repaint, a paragraph not reached is taken to be
// where it was, and in the end every line is where Qt puts it.
void TestInPlaceLayout::largeChangeIsLaidOutInSlices()
{
    Editor e;
    QVERIFY(e.exposed);
    QTextDocument *doc = e.editor.document();
    e.editor.setPlainText(longText(3000));
    finishLayout(doc);
    const QTextBlock last = doc->lastBlock();
    const QPointF lastPlace = last.layout()->position();

    e.editor.selectAll();
    e.editor.slotTextBold(true);
    QTextDocumentLayout *layout = layoutOf(doc);
    QVERIFY(layout->layoutStatus() < 100);
    const int status = layout->layoutStatus();
    drawn(doc, QRect(0, int(lastPlace.y()), 500, 400));
    QCOMPARE(layout->blockBoundingRect(last).topLeft(), lastPlace);
    QCOMPARE(layout->layoutStatus(), status);

    finishLayout(doc);
    QCOMPARE(layout->layoutStatus(), 100);
    QVERIFY(layout->blockBoundingRect(last).top() > lastPlace.y());
    const QStringList sliced = geometry(doc);
    QCOMPARE(sliced, relaidOut(doc));
}

// Keys typed before a long document is laid out to its end: Qt would walk
// from the key over the paragraphs it had not reached, take them for empty
// and stop, the rest of the document never laid out (and out of reach of
// the scroll bar).
void TestInPlaceLayout::editWhileTheLayoutIsInProgress()
{
    Editor e;
    QVERIFY(e.exposed);
    e.editor.setPlainText(longText(1000));
    QTextDocument *doc = e.editor.document();
    QVERIFY(layoutOf(doc)->layoutStatus() < 100);
    e.editor.moveCursor(QTextCursor::Start);
    QTest::keyClicks(&e.editor, QStringLiteral("typed"));
    finishLayout(doc);
    const QStringList edited = geometry(doc);
    QCOMPARE(edited, relaidOut(doc));
    QVERIFY(doc->documentLayout()->documentSize().height() > 1000 * 20);
}

void TestInPlaceLayout::formatsWhileTheLayoutIsInProgress_data()
{
    QTest::addColumn<QTextFormat>("format");
    QTextCharFormat underline;
    underline.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    underline.setUnderlineColor(Qt::red);
    QTest::newRow("underline") << QTextFormat(underline);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTest::newRow("bold") << QTextFormat(bold);
    QTextCharFormat larger;
    larger.setFontPointSize(30);
    QTest::newRow("larger") << QTextFormat(larger);
}

// A format set on paragraphs laid out already while the rest of a long
// document is still being laid out (the spell check's underlines as the
// word list arrives): laid out in place where the paragraphs keep their
// height, by Qt where they do not, the layout in progress goes on, and in
// the end every line is where Qt puts it.
void TestInPlaceLayout::formatsWhileTheLayoutIsInProgress()
{
    QFETCH(QTextFormat, format);
    Editor e;
    QVERIFY(e.exposed);
    e.editor.setPlainText(longText(5000));
    QTextDocument *doc = e.editor.document();
    const QTextBlock laidOut = doc->findBlockByNumber(200);
    while (laidOut.layout()->lineCount() == 0 && layoutOf(doc)->layoutStatus() < 100)
        QCoreApplication::processEvents();
    QVERIFY(layoutOf(doc)->layoutStatus() < 100);
    for (const int first : {0, 10, 100, 197}) {
        QTextCursor cursor(doc->findBlockByNumber(first));
        cursor.movePosition(QTextCursor::NextWord);
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, 3);
        cursor.movePosition(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format.toCharFormat());
    }
    QVERIFY(layoutOf(doc)->layoutStatus() < 100);
    finishLayout(doc);
    const QStringList formatted = geometry(doc);
    QCOMPARE(formatted, relaidOut(doc));
}

// Thousands of paragraphs that take no height (lines of a fixed height of
// nothing) between ordinary ones: the layout in progress steps over many
// paragraphs at a time, and every one is laid out in the end all the same.
void TestInPlaceLayout::flatParagraphsAreLaidOutToo()
{
    Editor e;
    QVERIFY(e.exposed);
    auto *doc = new QTextDocument;
    QTextCursor cursor(doc);
    // Ordinary paragraphs first, which fill the view.
    cursor.insertText(longText(300));
    QTextBlockFormat flat;
    flat.setLineHeight(0, QTextBlockFormat::FixedHeight);
    for (int i = 0; i < 10000; ++i) {
        cursor.insertBlock(flat);
        cursor.insertText(QStringLiteral("flat %1").arg(i));
    }
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(longText(300));
    e.editor.adoptDocument(doc);
    finishLayout(doc);
    QCOMPARE(layoutOf(doc)->layoutStatus(), 100);
    int notLaidOut = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        notLaidOut += block.layout()->lineCount() == 0;
    QCOMPARE(notLaidOut, 0);
    const QStringList laidOut = geometry(doc);
    QCOMPARE(laidOut, relaidOut(doc));
}

// A key in a paragraph of more characters than a large change has, its
// underlines after the key moving with it: one paragraph changed, laid out
// at once, not the whole document anew from the top.
void TestInPlaceLayout::keyInAVeryLongParagraph()
{
    Editor e;
    QVERIFY(e.exposed);
    QTextDocument *doc = e.editor.document();
    QString paragraph;
    for (int i = 0; i < 15000; ++i)
        paragraph += QStringLiteral("wordx%1 ").arg(i % 100);
    e.editor.setPlainText(longText(300) + QLatin1Char('\n') + paragraph + QStringLiteral("\ntail"));
    finishLayout(doc);
    const QTextBlock typed = doc->findBlockByNumber(300);
    QTextCursor cursor(typed);
    cursor.movePosition(QTextCursor::NextWord);
    e.editor.setTextCursor(cursor);
    // Its underlines, and those of the paragraphs in view with it, are laid
    // out with it, not with the whole document anew.
    QVERIFY(waitForSpellCheck(doc));
    QCOMPARE(layoutOf(doc)->layoutStatus(), 100);
    QVERIFY(!typed.layout()->formats().isEmpty());
    QTest::keyClicks(&e.editor, QStringLiteral("q"));
    QCOMPARE(layoutOf(doc)->layoutStatus(), 100);
    QVERIFY(typed.layout()->lineCount() > 0);
    const QStringList edited = geometry(doc);
    QCOMPARE(edited, relaidOut(doc));
}

// Keys typed at the end of a line in the middle of many short lines, the
// window repainted after each: as long as the line does not wrap, only it
// is laid out, however much more is typed than the next line holds (Qt's
// marks further down, reckoned before what was typed, are not walked to
// bring them up to date for a repaint of the line alone). The key that
// wraps it makes it a line taller: Qt moves the rest.
void TestInPlaceLayout::typingToTheEndOfALineAmongManyShortOnes()
{
    Editor e;
    QVERIFY(e.exposed);
    QTextDocument *doc = e.editor.document();
    QStringList lines;
    for (int i = 1; i <= 3000; ++i)
        lines << QStringLiteral("ಕನ್ನಡ ಸಾಲು %1").arg(i);
    e.editor.setPlainText(lines.join(QLatin1Char('\n')));
    finishLayout(doc);
    const QTextBlock typed = doc->findBlockByNumber(1500);
    QTextCursor cursor(typed);
    cursor.movePosition(QTextCursor::EndOfBlock);
    e.editor.setTextCursor(cursor);
    e.editor.ensureCursorVisible();
    QCoreApplication::processEvents();

    auto *layout = qobject_cast<InPlaceLayout *>(doc->documentLayout());
    QVERIFY(layout);
    const InPlaceLayout::Counts start = layout->counts();
    const int nextLength = typed.next().length();
    const QString words = QStringLiteral(" ab cd ef");
    int keys = 0;
    InPlaceLayout::Counts beforeWrap;
    while (typed.layout()->lineCount() == 1 && keys < 2000) {
        beforeWrap = layout->counts();
        QTest::keyClick(&e.editor, words.at(keys++ % words.size()).toLatin1());
        QCoreApplication::processEvents();
    }
    QCOMPARE(typed.layout()->lineCount(), 2);
    QVERIFY(keys > nextLength + 1);
    QCOMPARE(beforeWrap.caughtUp, start.caughtUp);
    QCOMPARE(beforeWrap.handedToQt, start.handedToQt);
    QCOMPARE(beforeWrap.laidOutInPlace - start.laidOutInPlace, keys - 1);

    const InPlaceLayout::Counts wrapped = layout->counts();
    QCOMPARE(wrapped.heightChanged, beforeWrap.heightChanged + 1);
    QCOMPARE(wrapped.handedToQt, beforeWrap.handedToQt + 1);
    const QStringList edited = geometry(doc);
    QCOMPARE(edited, relaidOut(doc));
}

// Space put above a paragraph while a misspelled word typed elsewhere waits
// for its underline, which it gets in the same change: the paragraph moves
// down, with all after it.
void TestInPlaceLayout::spaceAboveAParagraphWhileAWordWaits()
{
    Editor e;
    QVERIFY(e.exposed);
    QTextDocument *doc = e.editor.document();
    QStringList paragraphs;
    for (int i = 0; i < 10; ++i)
        paragraphs << QStringLiteral("paragraph %1 of a line").arg(i);
    e.editor.setPlainText(paragraphs.join(QLatin1Char('\n')));
    finishLayout(doc);
    QTextCursor end(doc->findBlockByNumber(6));
    end.movePosition(QTextCursor::EndOfBlock);
    e.editor.setTextCursor(end);
    QTest::keyClicks(&e.editor, QStringLiteral(" qwzx"));
    // Laid out whole: no paragraph laid out in place since is left over.
    const QStringList typed = geometry(doc);
    QCOMPARE(typed, relaidOut(doc));
    QTextCursor other(doc->findBlockByNumber(2));
    QTextBlockFormat spaced;
    spaced.setTopMargin(30);
    other.mergeBlockFormat(spaced);
    const QStringList edited = geometry(doc);
    QCOMPARE(edited, relaidOut(doc));
}

// Qt reckons how far its layout has come as a percentage in int, which
// wraps past 21,474,836 characters: where the layout in progress stands
// must not come of it. Paragraph after paragraph, the first one not laid
// out moves only forward, is one Qt has not laid out, and the layout ends.
void TestInPlaceLayout::layoutOfADocumentPastTwentyOneMillionCharacters()
{
    QTextDocument doc;
    InPlaceLayout *layout = new InPlaceLayout(&doc);
    doc.setDocumentLayout(layout);
    // Lines as long as the page is wide, each a paragraph of its own.
    doc.setPlainText(QString(QString(255, QLatin1Char('x')) + QLatin1Char('\n')).repeated(86000));
    const int length = doc.characterCount();
    QVERIFY(length > INT_MAX / 100);
    doc.setTextWidth(4000);
    QVERIFY(layout->layoutStatus() != 100);
    // The views hear how far down the text reaches as it is laid out.
    QVector<qreal> heights;
    connect(layout, &QAbstractTextDocumentLayout::documentSizeChanged, this, [&heights, layout](const QSizeF &size) {
        if (layout->layoutStatus() != 100)
            heights << size.height();
    });

    int previous = 0;
    int polls = 0;
    while (layout->layoutStatus() != 100) {
        // Far more than it takes: every wait lays out a slice.
        QVERIFY2(++polls < doc.blockCount(), "the layout does not come to an end");
        QTest::qWait(1);
        const int first = layout->firstNotLaidOut();
        QVERIFY2(first >= previous, qPrintable(QStringLiteral("back from %1 to %2").arg(previous).arg(first)));
        previous = first;
        if (layout->layoutStatus() == 100)
            break;
        const QTextBlock block = doc.findBlock(first);
        QVERIFY2(block.isValid(), qPrintable(QStringLiteral("%1 of %2 characters laid out, the layout in progress")
                                                     .arg(first).arg(length)));
        QCOMPARE(block.layout()->lineCount(), 0);
        QVERIFY(block.previous().layout()->lineCount() > 0);
    }
    QCOMPARE(layout->firstNotLaidOut(), length);
    QVERIFY(previous > INT_MAX / 100);
    QVERIFY2(heights.size() > 1 && heights.last() > heights.first(), "the views never heard the text grow");
    QVERIFY(std::is_sorted(heights.cbegin(), heights.cend()));
    QVERIFY(doc.lastBlock().previous().layout()->lineCount() > 0);
}

void TestInPlaceLayout::checkedQtVersions_data()
{
    QTest::addColumn<QByteArray>("builtWith");
    QTest::addColumn<QByteArray>("running");
    QTest::addColumn<bool>("checked");
    QTest::newRow("the version checked") << QByteArray("5.15.8") << QByteArray("5.15.8") << true;
    QTest::newRow("a later release running") << QByteArray("5.15.8") << QByteArray("5.15.9") << false;
    QTest::newRow("an earlier release running") << QByteArray("5.15.8") << QByteArray("5.15.2") << false;
    QTest::newRow("built with another") << QByteArray("5.15.10") << QByteArray("5.15.8") << false;
    QTest::newRow("a version it starts") << QByteArray("5.15.8") << QByteArray("5.15.80") << false;
    QTest::newRow("no version") << QByteArray("5.15.8") << QByteArray() << false;
}

// The layout follows Qt's line by line only where the Qt built with and
// the Qt running are both a release it was checked against.
void TestInPlaceLayout::checkedQtVersions()
{
    QFETCH(QByteArray, builtWith);
    QFETCH(QByteArray, running);
    QFETCH(bool, checked);
    QCOMPARE(InPlaceLayout::checkedAgainst(builtWith, running), checked);
}

// With a Qt it was not checked against (here as YAVO_QT_LAYOUT has it),
// the editor lays out through Qt's own layout, its first document and one
// it takes over alike, and types, wraps and underlines as ever.
void TestInPlaceLayout::qtLaysOutWhereNotChecked()
{
    qputenv("YAVO_QT_LAYOUT", "1");
    const auto restore = qScopeGuard([] { qunsetenv("YAVO_QT_LAYOUT"); });
    Editor e;
    QVERIFY(e.exposed);
    const auto laysOutThroughQt = [&e] {
        QAbstractTextDocumentLayout *layout = e.editor.document()->documentLayout();
        return !qobject_cast<InPlaceLayout *>(layout) && qobject_cast<QTextDocumentLayout *>(layout);
    };
    QVERIFY(laysOutThroughQt());
    e.editor.setPlainText(longText(40));
    QTextCursor cursor(e.editor.document()->findBlockByNumber(5));
    cursor.movePosition(QTextCursor::NextWord);
    e.editor.setTextCursor(cursor);
    QTest::keyClicks(&e.editor, QStringLiteral("qwzx and more words typed "));
    QTest::keyClick(&e.editor, Qt::Key_Return);
    QTest::keyClicks(&e.editor, QStringLiteral("zzq"));
    QTest::keyClick(&e.editor, Qt::Key_Backspace);
    QVERIFY(e.editor.toPlainText().contains(QStringLiteral("qwzx and more words typed \nzz")));

    auto *adopted = new QTextDocument;
    adopted->setPlainText(longText(30));
    for (QTextDocument *doc : {e.editor.document(), adopted}) {
        if (doc == adopted) {
            e.editor.adoptDocument(adopted);
            QVERIFY(laysOutThroughQt());
            e.editor.moveCursor(QTextCursor::End);
            QTest::keyClicks(&e.editor, QStringLiteral(" typed at the end"));
        }
        QVERIFY(waitForSpellCheck(doc));
        const QStringList underlines = spellUnderlines(*doc);
        const QStringList expected = expectedSpellUnderlines(&e.utils, *doc);
        QVERIFY2(underlinesMatchBarTheWaitingWord(underlines, expected, e.editor.textCursor().position()),
                 qPrintable(underlines.join(' ') + " where a full check gives " + expected.join(' ')));
        finishLayout(doc);
        const QStringList typed = geometry(doc);
        QCOMPARE(typed, relaidOut(doc));
    }
}

// The vertical scroll bar of a text laid out in the background must not
// come and go: the page would change width, and Qt would lay out the whole
// text anew from the top. Qt's text edit gives its scroll bar no range
// once the text is past 21 million pixels, and hid it, so a text taller
// than that started over on every pass and never settled. A narrow
// window makes a text of a few megabytes that tall.
void TestInPlaceLayout::scrollBarStaysWhileATallTextIsLaidOut()
{
    Editor e;
    QVERIFY(e.exposed);
    e.editor.resize(130, 400);
    QCoreApplication::processEvents();
    QTextDocument *doc = e.editor.document();
    // Every word a line of its own.
    e.editor.setPlainText((QStringLiteral("x ").repeated(127) + QStringLiteral("x\n")).repeated(20000));
    auto *layout = qobject_cast<InPlaceLayout *>(doc->documentLayout());
    QVERIFY(layout);
    const QScrollBar *bar = e.editor.verticalScrollBar();
    const qreal width = doc->pageSize().width();
    int previous = 0;
    int polls = 0;
    while (layout->layoutStatus() != 100) {
        // Far more than it takes: every wait lays out a slice.
        QVERIFY2(++polls < doc->blockCount(), "the layout does not come to an end");
        QTest::qWait(1);
        QVERIFY(bar->isVisible());
        QCOMPARE(doc->pageSize().width(), width);
        const int first = layout->firstNotLaidOut();
        QVERIFY2(first >= previous, qPrintable(QStringLiteral("back from %1 to %2").arg(previous).arg(first)));
        previous = first;
    }
    QVERIFY(layout->documentSize().height() > INT_MAX / 100);
    const QTextBlock last = doc->lastBlock().previous();
    QVERIFY(last.layout()->position().y() > last.previous().layout()->position().y());
    // Qt's text edit would leave the scroll bar no range for a text this
    // tall: it must reach the end.
    QCoreApplication::processEvents();
    QCOMPARE(qreal(bar->maximum()), std::ceil(layout->documentSize().height()) - e.editor.viewport()->height());
}

void TestInPlaceLayout::textTooTallForQtIsLaidOutWider_data()
{
    QTest::addColumn<bool>("qtLayout");
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<bool>("toTheEnd");
    // Some 41 and 13 million pixels at the window's width. Ctrl+End has the
    // text laid out down to its end at once.
    QTest::newRow("in place") << false << 32000 << false;
    QTest::newRow("in place, to the end") << false << 32000 << true;
    QTest::newRow("Qt's own") << true << 10000 << false;
}

// Qt's document layout never ends once the text it lays out passes the
// height its fixed point holds, or, its own layout, the height of a page
// without end. Paragraphs wrapped in a narrow window make a few megabytes
// that tall: before the layout gets there their lines are laid out wider
// than the window, the text cursor where the user took it.
void TestInPlaceLayout::textTooTallForQtIsLaidOutWider()
{
    QFETCH(bool, qtLayout);
    QFETCH(int, paragraphs);
    QFETCH(bool, toTheEnd);
    if (qtLayout)
        qputenv("YAVO_QT_LAYOUT", "1");
    const auto restore = qScopeGuard([] { qunsetenv("YAVO_QT_LAYOUT"); });
    Editor e;
    QVERIFY(e.exposed);
    e.editor.resize(130, 400);
    QCoreApplication::processEvents();
    QTextDocument *doc = e.editor.document();
    e.editor.setPlainText((QStringLiteral("x ").repeated(127) + QStringLiteral("x\n")).repeated(paragraphs));
    if (toTheEnd)
        QTest::keyClick(&e.editor, Qt::Key_End, Qt::ControlModifier);
    auto *layout = qobject_cast<QTextDocumentLayout *>(doc->documentLayout());
    QVERIFY(layout);
    QCOMPARE(qobject_cast<InPlaceLayout *>(layout) == nullptr, qtLayout);
    int polls = 0;
    while (layout->layoutStatus() != 100 || e.editor.lineWrapMode() != QTextEdit::FixedPixelWidth) {
        QVERIFY2(++polls < 4 * paragraphs, "the layout does not come to an end");
        QTest::qWait(1);
    }
    const auto *guard = e.editor.findChild<LayoutHeightGuard *>();
    QVERIFY(guard);
    QCOMPARE(guard->widenings(), 1);
    QVERIFY(e.editor.lineWrapColumnOrWidth() > e.editor.viewport()->width());
    QVERIFY(layout->documentSize().height() < LayoutHeightGuard::safeHeight(layout));
    const QTextBlock last = doc->lastBlock().previous();
    QVERIFY(last.layout()->position().y() > last.previous().layout()->position().y());
    QCOMPARE(e.editor.textCursor().position(), toTheEnd ? doc->characterCount() - 1 : 0);

    // Another document is laid out at the window's width.
    auto *other = new QTextDocument;
    other->setPlainText(QStringLiteral("short"));
    e.editor.adoptDocument(other);
    QTRY_COMPARE(e.editor.lineWrapMode(), QTextEdit::WidgetWidth);
    QCOMPARE(guard->widenings(), 0);
}

YAVO_TEST_MAIN(TestInPlaceLayout)
// Qt draws no line of a paragraph set lower than 8,388,607 pixels: the
// text down there, within what a document may hold, is drawn all the same,
// where it is laid out, and so is a selection of it.
void TestInPlaceLayout::textFarDownIsDrawn()
{
    QTextDocument doc;
    doc.setDocumentLayout(new InPlaceLayout(&doc));
    QFont font = doc.defaultFont();
    font.setPixelSize(60);
    doc.setDefaultFont(font);
    doc.setPlainText(QStringLiteral("ka\n").repeated(130000) + QStringLiteral("ka"));
    doc.setTextWidth(400);
    doc.documentLayout()->documentSize(); // laid out to the end
    const auto inkOf = [&doc](const QTextBlock &block) {
        const QRect clip = doc.documentLayout()->blockBoundingRect(block).toAlignedRect();
        const QImage image = drawn(&doc, clip);
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ink += qGray(image.pixel(x, y)) < 128;
        }
        return ink;
    };
    const QTextBlock first = doc.firstBlock();
    const QTextBlock last = doc.lastBlock();
    QVERIFY2(last.layout()->position().y() > INT_MAX / 256, qPrintable(QString::number(last.layout()->position().y())));
    const int inkAtTop = inkOf(first);
    QVERIFY(inkAtTop > 0);
    QCOMPARE(inkOf(last), inkAtTop);

    QAbstractTextDocumentLayout::Selection selection;
    selection.cursor = QTextCursor(last);
    selection.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    selection.format.setBackground(Qt::blue);
    selection.format.setForeground(Qt::yellow);
    const QRect clip = doc.documentLayout()->blockBoundingRect(last).toAlignedRect();
    QImage image(clip.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-clip.topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.selections = {selection};
    doc.documentLayout()->draw(&painter, context);
    painter.end();
    int blue = 0;
    int yellow = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            blue += image.pixel(x, y) == qRgb(0, 0, 255);
            yellow += image.pixel(x, y) == qRgb(255, 255, 0);
        }
    }
    QVERIFY(blue > 0);
    QVERIFY(yellow > 0);
}

#include "tst_inplacelayout.moc"
