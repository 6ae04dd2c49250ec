#include "editor/insertlinkdialog.h"
#include "editor/inserttabledialog.h"
#include "editor/unicodekaeditor.h"
#include "formats/htmlmarkup.h"

#include "utils/utils.h"

#include "modalanswerer.h"
#include "testmain.h"
#include "textselection.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextList>
#include <QTextTable>

#include <functional>

class TestUnicodeKaEditorFormat : public QObject
{
    Q_OBJECT

private slots:
    void characterFormatsGoToTheWordOrSelection_data();
    void characterFormatsGoToTheWordOrSelection();
    void formatIsOneEditThatUndoTakesBack_data();
    void formatIsOneEditThatUndoTakesBack();
    void reformattedParagraphsKeepNoGlyphs();
    void textSize_data();
    void textSize();
    void colours_data();
    void colours();
    void alignment_data();
    void alignment();
    void listStyles_data();
    void listStyles();
    void insertsATable();
    void tableLines_data();
    void tableLines();
    void mergeAndSplit_data();
    void mergeAndSplit();
    void insertsPictures_data();
    void insertsPictures();
    void resizesTheImageBeforeTheCaret();
    void links_data();
    void links();
};

namespace {

using Format = std::function<void(UnicodeKaEditor &)>;
using Check = std::function<bool(const QTextCharFormat &)>;

struct Editor
{
    // Indic input off: the tests type Latin letters as they are.
    Editor() : editor(&utils, 9, 0) {}

    void setText(const QString &text, int anchor, int position)
    {
        editor.setPlainText(text);
        select(anchor, position);
    }
    void select(int anchor, int position) { selectText(editor, anchor, position); }
    // The format of the character at `position`.
    QTextCharFormat formatAt(int position) const
    {
        QTextCursor cursor(editor.document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }
    // Which characters the check holds for, as a string of 'x' and '.'.
    QString marked(const Check &check) const
    {
        QString marks;
        for (int i = 0; i < editor.document()->characterCount() - 1; ++i)
            marks += check(formatAt(i)) ? QLatin1Char('x') : QLatin1Char('.');
        return marks;
    }
    QTextTable *table() const { return editor.textCursor().currentTable(); }
    // The cells' text, row by row, "|" between cells and "/" between rows.
    QString cells() const
    {
        QTextTable *t = QTextCursor(editor.document()).currentTable();
        for (QTextBlock block = editor.document()->begin(); !t && block.isValid(); block = block.next())
            t = QTextCursor(block).currentTable();
        if (!t)
            return QStringLiteral("<no table>");
        QStringList rows;
        for (int r = 0; r < t->rows(); ++r) {
            QStringList row;
            for (int c = 0; c < t->columns(); ++c) {
                const QTextTableCell cell = t->cellAt(r, c);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
                row << (cell.row() == r && cell.column() == c ? cursor.selectedText() : QStringLiteral("^"));
            }
            rows << row.join(QLatin1Char('|'));
        }
        return rows.join(QLatin1Char('/'));
    }
    // A table with the cells' coordinates as text, the caret in cell (row,
    // column).
    void fillTable(int rows, int columns, int row, int column)
    {
        editor.clear();
        QTextCursor cursor = editor.textCursor();
        QTextTable *t = cursor.insertTable(rows, columns);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                t->cellAt(r, c).firstCursorPosition().insertText(QStringLiteral("%1%2").arg(r).arg(c));
        editor.setTextCursor(t->cellAt(row, column).firstCursorPosition());
    }

    Utils utils;
    UnicodeKaEditor editor;
};

ModalAnswerer::Action answerNumber(int value)
{
    return [value](QWidget *w) {
        auto *dialog = qobject_cast<QInputDialog *>(w);
        if (value < 0) {
            dialog->reject();
            return;
        }
        dialog->setIntValue(value);
        dialog->accept();
    };
}

} // namespace

Q_DECLARE_METATYPE(Format)
Q_DECLARE_METATYPE(Check)

void TestUnicodeKaEditorFormat::characterFormatsGoToTheWordOrSelection_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<Format>("apply");
    QTest::addColumn<Check>("check");
    QTest::addColumn<QString>("marked");

    const Format bold = [](UnicodeKaEditor &e) { e.slotTextBold(true); };
    const Check isBold = [](const QTextCharFormat &f) { return f.fontWeight() == QFont::Bold; };
    QTest::newRow("bold inside a word") << 2 << 2 << bold << isBold << "xxxxx......";
    QTest::newRow("bold over a selection") << 3 << 8 << bold << isBold << "...xxxxx...";
    QTest::newRow("underline") << 7 << 7 << Format([](UnicodeKaEditor &e) { e.slotTextUnderline(true); })
                               << Check([](const QTextCharFormat &f) {
                                      return f.underlineStyle() == QTextCharFormat::SingleUnderline;
                                  })
                               << "......xxxxx";
    QTest::newRow("italic") << 0 << 0 << Format([](UnicodeKaEditor &e) { e.slotTextItalic(true); })
                            << Check([](const QTextCharFormat &f) { return f.fontItalic(); }) << "xxxxx......";
    QTest::newRow("strike-out") << 0 << 11 << Format([](UnicodeKaEditor &e) { e.slotTextStrikeOut(true); })
                                << Check([](const QTextCharFormat &f) { return f.fontStrikeOut(); })
                                << "xxxxxxxxxxx";
    QTest::newRow("bold off again") << 0 << 0 << Format([](UnicodeKaEditor &e) {
        e.slotTextBold(true);
        e.slotTextBold(false);
    }) << isBold << "...........";
    QTest::newRow("font family") << 1 << 1 << Format([](UnicodeKaEditor &e) { e.slotTextFontFamily(QStringLiteral("Tunga")); })
                                 << Check([](const QTextCharFormat &f) { return f.fontFamily() == QLatin1String("Tunga"); })
                                 << "xxxxx......";
}

// The word under a caret, or the selection, takes the format, and so does
// what is typed next.
void TestUnicodeKaEditorFormat::characterFormatsGoToTheWordOrSelection()
{
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(Format, apply);
    QFETCH(Check, check);
    QFETCH(QString, marked);

    Editor e;
    e.setText(QStringLiteral("hello world"), anchor, position);
    apply(e.editor);
    QCOMPARE(e.marked(check), marked);
    QCOMPARE(check(e.editor.currentCharFormat()), marked.contains(QLatin1Char('x')));
}

void TestUnicodeKaEditorFormat::formatIsOneEditThatUndoTakesBack_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("marked");
    QTest::newRow("whole text selected") << 0 << 11 << "xxxxxxxxxxx";
    QTest::newRow("selection") << 8 << 3 << "...xxxxx...";
    QTest::newRow("word under the caret") << 8 << 8 << "......xxxxx";
}

// The text is formatted once, in one edit (on a long document each edit
// lays out all it touched), and one Undo takes the format back.
void TestUnicodeKaEditorFormat::formatIsOneEditThatUndoTakesBack()
{
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, marked);

    Editor e;
    e.setText(QStringLiteral("hello world"), anchor, position);
    const Check isBold = [](const QTextCharFormat &f) { return f.fontWeight() == QFont::Bold; };
    QSignalSpy changes(e.editor.document(), &QTextDocument::contentsChange);
    e.editor.slotTextBold(true);
    QCOMPARE(e.marked(isBold), marked);
    QCOMPARE(changes.size(), 1);

    e.editor.undo();
    QCOMPARE(e.marked(isBold), QStringLiteral("..........."));
    e.editor.redo();
    QCOMPARE(e.marked(isBold), marked);
}

// Typing keeps the shaped glyphs of the paragraph typed in; a whole
// document formatted at once keeps none, or a long document would hold
// several times its own size in glyphs.
void TestUnicodeKaEditorFormat::reformattedParagraphsKeepNoGlyphs()
{
    Editor e;
    e.editor.resize(400, 300);
    e.editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&e.editor));
    QStringList paragraphs;
    for (int i = 0; i < 30; ++i)
        paragraphs << QStringLiteral("ಕನ್ನಡ ನುಡಿ %1").arg(i);
    e.editor.setPlainText(paragraphs.join(QLatin1Char('\n')));
    e.editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&e.editor, QStringLiteral("ab"));
    QVERIFY(e.editor.document()->lastBlock().layout()->cacheEnabled());
    const auto keeping = [&e] {
        int paragraphs = 0;
        for (QTextBlock block = e.editor.document()->begin(); block.isValid(); block = block.next())
            paragraphs += block.layout()->cacheEnabled() ? 1 : 0;
        return paragraphs;
    };
    const int typing = keeping();

    e.editor.selectAll();
    e.editor.slotTextBold(true);
    QCOMPARE(keeping(), typing);
}

void TestUnicodeKaEditorFormat::textSize_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<qreal>("expected");

    QTest::newRow("10.5") << "10.5" << 10.5;
    QTest::newRow("20") << "20" << 20.0;
    QTest::newRow("0") << "0" << 0.0;
    QTest::newRow("letters") << "big" << 0.0;
    QTest::newRow("negative") << "-4" << 0.0;
    QTest::newRow("infinite") << "inf" << 0.0;
}

void TestUnicodeKaEditorFormat::textSize()
{
    QFETCH(QString, size);
    QFETCH(qreal, expected);

    Editor e;
    e.setText(QStringLiteral("hello"), 0, 5);
    const qreal before = e.formatAt(0).fontPointSize();
    e.editor.slotTextSize(size);
    QCOMPARE(e.formatAt(0).fontPointSize(), expected > 0 ? expected : before);
}

void TestUnicodeKaEditorFormat::colours_data()
{
    QTest::addColumn<bool>("background");
    QTest::addColumn<bool>("accept");

    QTest::newRow("text colour") << false << true;
    QTest::newRow("text colour cancelled") << false << false;
    QTest::newRow("background") << true << true;
    QTest::newRow("background cancelled") << true << false;
}

void TestUnicodeKaEditorFormat::colours()
{
    QFETCH(bool, background);
    QFETCH(bool, accept);

    Editor e;
    e.setText(QStringLiteral("hello world"), 1, 1);
    const QColor red(Qt::red);
    ModalAnswerer answerer;
    answerer.expectDialog<QColorDialog>(QString(), [&](QColorDialog *dialog) {
        dialog->setCurrentColor(red);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    if (background)
        e.editor.slotBackgroundColor();
    else
        e.editor.slotTextColor();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    const Check isRed = [&](const QTextCharFormat &f) {
        return (background ? f.background() : f.foreground()).color() == red;
    };
    QCOMPARE(e.marked(isRed), accept ? QStringLiteral("xxxxx......") : QStringLiteral("..........."));
}

void TestUnicodeKaEditorFormat::alignment_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("expected");

    const int left = Qt::AlignLeft | Qt::AlignAbsolute;
    QTest::newRow("left and right") << int(Qt::AlignLeft | Qt::AlignRight) << left;
    QTest::newRow("centre") << int(Qt::AlignHCenter) << int(Qt::AlignHCenter);
    QTest::newRow("right") << int(Qt::AlignRight) << int(Qt::AlignRight | Qt::AlignAbsolute);
    QTest::newRow("justify") << int(Qt::AlignJustify) << int(Qt::AlignJustify);
    QTest::newRow("vertical only changes nothing") << int(Qt::AlignTop) << int(Qt::AlignHCenter);
}

void TestUnicodeKaEditorFormat::alignment()
{
    QFETCH(int, given);
    QFETCH(int, expected);

    Editor e;
    e.setText(QStringLiteral("one\ntwo"), 5, 5);
    e.editor.setAlignment(Qt::AlignHCenter);
    e.editor.slotTextAlign(Qt::Alignment(given));
    QCOMPARE(int(e.editor.document()->lastBlock().blockFormat().alignment()), expected);
    QCOMPARE(int(e.editor.document()->firstBlock().blockFormat().alignment()), int(Qt::AlignLeft));
}

void TestUnicodeKaEditorFormat::listStyles_data()
{
    QTest::addColumn<int>("blockIndent");
    QTest::addColumn<int>("existingStyle");
    QTest::addColumn<int>("existingIndent");
    QTest::addColumn<int>("styleIndex");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("indent");

    QTest::newRow("square on a plain paragraph") << 0 << 0 << 0 << 3 << int(QTextListFormat::ListSquare) << 1;
    QTest::newRow("the paragraph's indent moves to the list") << 2 << 0 << 0 << 4
                                                              << int(QTextListFormat::ListDecimal) << 3;
    QTest::newRow("square on a disc item keeps its indent") << 0 << int(QTextListFormat::ListDisc) << 2 << 3
                                                            << int(QTextListFormat::ListSquare) << 2;
    QTest::newRow("no markers on an item take the block's indent") << 0 << int(QTextListFormat::ListDisc) << 2 << 0
                                                                   << int(QTextListFormat::ListStyleUndefined) << 0;
    QTest::newRow("upper-case Roman") << 0 << 0 << 0 << 8 << int(QTextListFormat::ListUpperRoman) << 1;
    QTest::newRow("negative index as its absolute value") << 0 << 0 << 0 << -2
                                                          << int(QTextListFormat::ListCircle) << 1;
}

void TestUnicodeKaEditorFormat::listStyles()
{
    QFETCH(int, blockIndent);
    QFETCH(int, existingStyle);
    QFETCH(int, existingIndent);
    QFETCH(int, styleIndex);
    QFETCH(int, style);
    QFETCH(int, indent);

    Editor e;
    e.setText(QStringLiteral("item"), 0, 0);
    QTextCursor cursor = e.editor.textCursor();
    QTextBlockFormat block;
    block.setIndent(blockIndent);
    cursor.setBlockFormat(block);
    QTextList *old = nullptr;
    if (existingStyle) {
        QTextListFormat list;
        list.setStyle(QTextListFormat::Style(existingStyle));
        list.setIndent(existingIndent);
        old = cursor.createList(list);
    }
    e.editor.slotTextStyle(styleIndex);
    QTextList *list = e.editor.textCursor().currentList();
    QVERIFY(list);
    QVERIFY(list != old);
    QCOMPARE(int(list->format().style()), style);
    QCOMPARE(list->format().indent(), indent);
    QCOMPARE(e.editor.textCursor().blockFormat().indent(), 0);
}

void TestUnicodeKaEditorFormat::insertsATable()
{
    Editor e;
    e.setText(QStringLiteral("before"), 6, 6);
    ModalAnswerer answerer;
    answerer.expectDialog<InsertTableDialog>(QString(), [](InsertTableDialog *dialog) {
        dialog->findChild<QSpinBox *>(QStringLiteral("rowsSpinBox"))->setValue(3);
        dialog->findChild<QSpinBox *>(QStringLiteral("columnsSpinBox"))->setValue(4);
        dialog->accept();
    });
    e.editor.slotInsertTable();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QTextTable *table = e.table();
    QVERIFY(table);
    QCOMPARE(table->rows(), 3);
    QCOMPARE(table->columns(), 4);
    QCOMPARE(table->format().cellPadding(), 6.0);
    QCOMPARE(e.editor.textCursor().position(), table->cellAt(0, 0).firstPosition());

    answerer.expectDialog<InsertTableDialog>(QString(), [](InsertTableDialog *dialog) { dialog->reject(); });
    e.editor.setTextCursor(QTextCursor(e.editor.document()));
    e.editor.slotInsertTable();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(!e.table());

    // Tables in tables, each in the first cell of the one before, as deep as
    // a document may have them; one more is refused with a message, since
    // Qt's layout takes minutes for a few levels more.
    e.editor.setTextCursor(QTextCursor(e.editor.document()));
    const auto oneByOne = [](InsertTableDialog *dialog) {
        dialog->findChild<QSpinBox *>(QStringLiteral("rowsSpinBox"))->setValue(1);
        dialog->findChild<QSpinBox *>(QStringLiteral("columnsSpinBox"))->setValue(1);
        dialog->accept();
    };
    for (int depth = 1; depth <= HtmlMarkup::maxTableNesting(); ++depth) {
        answerer.expectDialog<InsertTableDialog>(QString(), oneByOne);
        e.editor.slotInsertTable();
        QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    }
    const int length = e.editor.document()->characterCount();
    answerer.expectMessageBox(QString(), QString(), QMessageBox::Ok);
    e.editor.slotInsertTable();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY2(answerer.seen().constLast().contains(QStringLiteral("at most %1 deep").arg(HtmlMarkup::maxTableNesting())),
             qPrintable(answerer.seen().join('\n')));
    QCOMPARE(e.editor.document()->characterCount(), length);
}

void TestUnicodeKaEditorFormat::tableLines_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("selectTo");
    QTest::addColumn<QString>("cells");

    const QString rows = QStringLiteral("Enter number of rows:");
    const QString columns = QStringLiteral("Enter number of columns:");
    // The caret stands in cell (1, 0) of a 3 x 3 table.
    const QString table = QStringLiteral("00|01|02/10|11|12/20|21|22");
    QTest::newRow("insert 3 rows after the second")
            << QByteArray("slotInsertRow") << rows << 3 << -1 << "00|01|02/10|11|12/||/||/||/20|21|22";
    QTest::newRow("insert rows cancelled") << QByteArray("slotInsertRow") << rows << -1 << -1 << table;
    QTest::newRow("insert a row before") << QByteArray("slotInsertRowBefore") << rows << 1 << -1
                                         << "00|01|02/||/10|11|12/20|21|22";
    QTest::newRow("append rows") << QByteArray("slotAppendRow") << rows << 2 << -1 << table + "/||/||";
    QTest::newRow("insert a column after") << QByteArray("slotInsertCol") << columns << 1 << -1
                                           << "00||01|02/10||11|12/20||21|22";
    QTest::newRow("insert a column before") << QByteArray("slotInsertColBefore") << columns << 1 << -1
                                            << "|00|01|02/|10|11|12/|20|21|22";
    QTest::newRow("append a column") << QByteArray("slotAppendColumn") << columns << 1 << -1
                                     << "00|01|02|/10|11|12|/20|21|22|";
    QTest::newRow("append columns cancelled") << QByteArray("slotAppendColumn") << columns << -1 << -1 << table;
    QTest::newRow("remove rows without a selection") << QByteArray("slotRemoveRow") << QString() << 0 << -1
                                                     << table;
    QTest::newRow("remove the selected rows") << QByteArray("slotRemoveRow") << QString() << 0 << 2
                                              << "00|01|02";
    QTest::newRow("remove columns without a selection") << QByteArray("slotRemoveColumn") << QString() << 0 << -1
                                                        << table;
    QTest::newRow("remove two selected columns") << QByteArray("slotRemoveColumn") << QString() << 0 << 1
                                                 << "02/12/22";
}

// Each row is one slot on a 3 x 3 table; a selection, when there is one,
// runs from the caret's cell to the cell in the last row (or column) given.
void TestUnicodeKaEditorFormat::tableLines()
{
    QFETCH(QByteArray, slot);
    QFETCH(QString, label);
    QFETCH(int, answer);
    QFETCH(int, selectTo);
    QFETCH(QString, cells);

    Editor e;
    e.fillTable(3, 3, 1, 0);
    if (selectTo >= 0) {
        const bool columns = slot.contains("Column");
        QTextCursor cursor = e.editor.textCursor();
        const QTextTableCell end = columns ? e.table()->cellAt(1, selectTo) : e.table()->cellAt(selectTo, 0);
        cursor.setPosition(end.firstPosition(), QTextCursor::KeepAnchor);
        e.editor.setTextCursor(cursor);
    }
    ModalAnswerer answerer;
    QString asked;
    if (!label.isEmpty()) {
        answerer.expectDialog(QInputDialog::staticMetaObject.className(), Utils::displayName(),
                              [&asked, answer](QWidget *w) {
                                  asked = qobject_cast<QInputDialog *>(w)->labelText();
                                  answerNumber(answer)(w);
                              });
    }
    QVERIFY(QMetaObject::invokeMethod(&e.editor, slot.constData()));
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(asked, label);
    QCOMPARE(e.cells(), cells);
}

void TestUnicodeKaEditorFormat::mergeAndSplit_data()
{
    QTest::addColumn<int>("mergeRows");
    QTest::addColumn<int>("mergeColumns");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("cells");

    // Merged cells keep their text, a row's cells joined by a space.
    const QString square = QStringLiteral(u"00 01\u202910 11");
    QTest::newRow("merged") << 2 << 2 << QList<int>() << square + "|^/^|^";
    QTest::newRow("split into 2 x 2") << 2 << 2 << QList<int>{2, 2} << square + "|/|";
    QTest::newRow("split into 2 columns only as far as it spans") << 1 << 2 << QList<int>{2, 2}
                                                                  << "00 01|/10|11";
    QTest::newRow("split into 3 x 3 as far as it spans") << 2 << 1 << QList<int>{3, 3}
                                                         << QStringLiteral(u"00\u202910|01/|11");
    QTest::newRow("a cell never merged stays") << 1 << 1 << QList<int>{2, 2} << "00|01/10|11";
    QTest::newRow("second question cancelled") << 2 << 2 << QList<int>{2, -1} << square + "|^/^|^";
}

void TestUnicodeKaEditorFormat::mergeAndSplit()
{
    QFETCH(int, mergeRows);
    QFETCH(int, mergeColumns);
    QFETCH(QList<int>, answers);
    QFETCH(QString, cells);

    Editor e;
    e.fillTable(2, 2, 0, 0);
    if (mergeRows * mergeColumns > 1) {
        QTextCursor cursor = e.editor.textCursor();
        cursor.setPosition(e.table()->cellAt(mergeRows - 1, mergeColumns - 1).firstPosition(),
                           QTextCursor::KeepAnchor);
        e.editor.setTextCursor(cursor);
        QVERIFY(QMetaObject::invokeMethod(&e.editor, "slotMergeCells"));
        e.editor.setTextCursor(e.table()->cellAt(0, 0).firstCursorPosition());
    }
    if (!answers.isEmpty()) {
        ModalAnswerer answerer;
        QStringList asked;
        for (int answer : answers) {
            answerer.expectDialog(QInputDialog::staticMetaObject.className(), Utils::displayName(),
                                  [&asked, answer](QWidget *w) {
                                      auto *dialog = qobject_cast<QInputDialog *>(w);
                                      asked << QStringLiteral("%1 %2-%3").arg(dialog->labelText())
                                                       .arg(dialog->intMinimum()).arg(dialog->intMaximum());
                                      answerNumber(answer)(w);
                                  });
        }
        QVERIFY(QMetaObject::invokeMethod(&e.editor, "slotSplitCells"));
        QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
        const QStringList labels{QStringLiteral("Number of rows to split into: 2-99"),
                                 QStringLiteral("Number of columns to split into: 2-99")};
        QCOMPARE(asked, labels.mid(0, answers.size()));
    }
    QCOMPARE(e.cells(), cells);
}

void TestUnicodeKaEditorFormat::insertsPictures_data()
{
    QTest::addColumn<bool>("isImage");
    QTest::addColumn<bool>("cancel");

    QTest::newRow("an image") << true << false;
    QTest::newRow("not an image") << false << false;
    QTest::newRow("cancelled") << true << true;
}

void TestUnicodeKaEditorFormat::insertsPictures()
{
    QFETCH(bool, isImage);
    QFETCH(bool, cancel);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.png"));
    if (isImage) {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no picture in here");
    }

    Editor e;
    e.setText(QStringLiteral("ab"), 1, 1);
    ModalAnswerer answerer;
    answerer.expectDialog<QFileDialog>(Utils::displayName(), [path, cancel](QFileDialog *dialog) {
        if (cancel) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(QFileInfo(path).path());
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).fileName());
        static_cast<QDialog *>(dialog)->accept();
    });
    if (!isImage && !cancel)
        answerer.expectMessageBox(Utils::displayName(), QStringLiteral("Invalid image"), QMessageBox::Ok);
    e.editor.slotInsertPicture();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));

    const bool inserted = isImage && !cancel;
    QCOMPARE(e.editor.toPlainText(), inserted ? QStringLiteral(u"a\uFFFCb") : QStringLiteral("ab"));
    if (inserted) {
        QCOMPARE(e.formatAt(1).toImageFormat().name(), path);
        QCOMPARE(e.editor.document()->resource(QTextDocument::ImageResource, QUrl(path)).value<QImage>().size(),
                 QSize(8, 6));
    }
}

// Nothing in the program calls these yet; they must change the image, not
// the word beside it, and grow it from the size it is shown at.
void TestUnicodeKaEditorFormat::resizesTheImageBeforeTheCaret()
{
    Editor e;
    e.setText(QStringLiteral("ab cd"), 3, 3);
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::blue);
    e.editor.textCursor().insertImage(image, QStringLiteral("picture"));
    QVERIFY(e.editor.currentCharFormat().isImageFormat());

    QVERIFY(QMetaObject::invokeMethod(&e.editor, "slotEditImageWidth", Q_ARG(int, 4)));
    QVERIFY(QMetaObject::invokeMethod(&e.editor, "slotEditImageHeight", Q_ARG(int, -2)));
    const QTextImageFormat resized = e.formatAt(3).toImageFormat();
    QCOMPARE(resized.width(), 12.0);
    QCOMPARE(resized.height(), 4.0);
    QVERIFY(!e.formatAt(4).isImageFormat());
    QVERIFY(!e.formatAt(1).isImageFormat());
    QVERIFY(QMetaObject::invokeMethod(&e.editor, "slotEditImageWidth", Q_ARG(int, 4)));
    QCOMPARE(e.formatAt(3).toImageFormat().width(), 16.0);
}

void TestUnicodeKaEditorFormat::links_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("result");

    const QString markup = QStringLiteral("http://quenvel.example/?a=1&b=<i>\"x\"</i>");
    QTest::newRow("nothing selected shows the URL") << "see " << 4 << 4 << "http://quenvel.example/"
                                                    << "see http://quenvel.example/";
    QTest::newRow("a selection is the text") << "see here" << 4 << 8 << "http://quenvel.example/" << "see here";
    QTest::newRow("markup stays text") << "<b>x</b>" << 0 << 8 << markup << "<b>x</b>";
    QTest::newRow("markup in a URL alone") << "" << 0 << 0 << markup << markup;
    QTest::newRow("cancelled") << "see here" << 4 << 8 << QString() << "see here";
}

void TestUnicodeKaEditorFormat::links()
{
    QFETCH(QString, text);
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(QString, url);
    QFETCH(QString, result);

    Editor e;
    e.setText(text, anchor, position);
    ModalAnswerer answerer;
    answerer.expectDialog<InsertLinkDialog>(QString(), [url](InsertLinkDialog *dialog) {
        if (url.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setURL(url);
        dialog->accept();
    });
    e.editor.slotInsertHyperLink();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(e.editor.toPlainText(), result);
    const QString linked = url.isEmpty() ? QString() : result.mid(anchor);
    QString marks;
    for (int i = 0; i < result.size(); ++i)
        marks += e.formatAt(i).anchorHref() == url && e.formatAt(i).isAnchor() ? QLatin1Char('x') : QLatin1Char('.');
    QCOMPARE(marks, (QString(anchor, QLatin1Char('.')) + QString(linked.size(), QLatin1Char('x')))
                            .leftJustified(result.size(), QLatin1Char('.')));

    // The caret in the link proposes its address.
    if (!url.isEmpty()) {
        e.select(anchor + 1, anchor + 1);
        QString proposed;
        answerer.expectDialog<InsertLinkDialog>(QString(), [&proposed](InsertLinkDialog *dialog) {
            proposed = dialog->url();
            dialog->reject();
        });
        e.editor.slotInsertHyperLink();
        QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
        QCOMPARE(proposed, url);
    }
}

YAVO_TEST_MAIN(TestUnicodeKaEditorFormat)
#include "tst_unicodekaeditorformat.moc"
