#include "app/wordcounter.h"

#include "testmain.h"

#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

// The word count kept paragraph by paragraph against the count of the whole
// text, as the status bar has always shown it.
class TestWordCounter : public QObject
{
    Q_OBJECT

private slots:
    void countsWordsBetweenWhiteSpace_data();
    void countsWordsBetweenWhiteSpace();
    void followsRandomEdits();
    void outlivesItsDocument();
};

namespace {

int wholeTextCount(const QTextDocument &document)
{
    return document.toPlainText().simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
}

} // namespace

void TestWordCounter::countsWordsBetweenWhiteSpace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("blanks only") << QStringLiteral(" \t  ") << 0;
    QTest::newRow("Kannada with signs") << QStringLiteral("ಕನ್ನಡ ನುಡಿ") << 2;
    QTest::newRow("punctuation is part of a word") << QStringLiteral("a, b - c") << 4;
    QTest::newRow("no-break space") << QStringLiteral("a\u00A0b") << 2;
    QTest::newRow("ideographic space") << QStringLiteral("a\u3000b") << 2;
    QTest::newRow("joiners belong to the word") << QStringLiteral("ಕ\u200Dಷ") << 1;
}

void TestWordCounter::countsWordsBetweenWhiteSpace()
{
    QFETCH(QString, text);
    QFETCH(int, words);
    QCOMPARE(WordCounter::countWords(text), words);
    QTextDocument document;
    document.setPlainText(text + QLatin1Char('\n') + text);
    QCOMPARE(WordCounter::of(&document)->count(), qint64(2 * words));
}

// Insertions, deletions across paragraphs, paragraph breaks inside words,
// tables, undo and redo, counted a slice at a time now and then and asked
// for the count: the count always equals that of the whole text.
void TestWordCounter::followsRandomEdits()
{
    const QStringList pieces = {
        QStringLiteral("ಕನ್ನಡ "), QStringLiteral("word"), QStringLiteral(" "), QStringLiteral("\n"),
        QStringLiteral("  two words "), QStringLiteral("\u00A0"), QStringLiteral("\u2029"),
        QStringLiteral("ನುಡಿ\u2028ಸಾಲು"), QStringLiteral("\t")};
    QRandomGenerator random(36);
    QTextDocument document;
    document.setPlainText(QStringLiteral("start of the text\nsecond paragraph"));
    WordCounter *counter = WordCounter::of(&document);
    for (int step = 0; step < 3000; ++step) {
        const int length = document.characterCount() - 1;
        QTextCursor cursor(&document);
        cursor.setPosition(random.bounded(length + 1));
        switch (random.bounded(10)) {
        case 0:
        case 1:
        case 2:
        case 3:
            cursor.insertText(pieces.at(random.bounded(pieces.size())));
            break;
        case 4:
        case 5:
            cursor.setPosition(qMin(length, cursor.position() + random.bounded(12)), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            break;
        case 6:
            cursor.insertBlock();
            break;
        case 7:
            if (random.bounded(20) == 0 && !cursor.currentTable())
                cursor.insertTable(2, 2)->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("in cell"));
            else
                document.undo();
            break;
        case 8:
            if (random.bounded(2))
                document.redo();
            else
                counter->countSome(random.bounded(1, 40)); // edits come between the slices
            break;
        default:
            QCOMPARE(counter->count(), qint64(wholeTextCount(document)));
        }
        if (document.characterCount() > 4000) {
            document.clear();
            QCOMPARE(counter->count(), qint64(0));
        }
    }
    QCOMPARE(counter->count(), qint64(wholeTextCount(document)));
    QCOMPARE(WordCounter::of(&document), counter);
}

// The counter goes with its document, and the paragraphs' counts after it.
void TestWordCounter::outlivesItsDocument()
{
    auto *document = new QTextDocument;
    document->setPlainText(QStringLiteral("a b\nc"));
    QPointer<WordCounter> counter = WordCounter::of(document);
    QCOMPARE(counter->count(), qint64(3));
    delete document;
    QVERIFY(counter.isNull());
}

YAVO_TEST_MAIN(TestWordCounter)
#include "tst_wordcounter.moc"
