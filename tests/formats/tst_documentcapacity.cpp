#include "testmain.h"

#include "formats/documentcapacity.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

// A document of `paragraphs` paragraphs in the markup of one, made as a
// reader makes it: one insertion after the other.
void fill(QTextDocument *document, const QString &paragraph, int paragraphs)
{
    QTextDocument one;
    one.setHtml(paragraph);
    QTextCursor cursor(document);
    for (int n = 0; n < paragraphs; ++n) {
        if (n > 0)
            cursor.insertBlock(one.begin().blockFormat(), one.begin().charFormat());
        cursor.insertFragment(QTextDocumentFragment(&one));
    }
}

} // namespace

class TestDocumentCapacity : public QObject
{
    Q_OBJECT

private slots:
    void minimumHeightIsReached_data();
    void minimumHeightIsReached();
    void tallDocumentIsCut_data();
    void tallDocumentIsCut();
    void largestTextIsShownWhole();
};

void TestDocumentCapacity::minimumHeightIsReached_data()
{
    QTest::addColumn<QString>("html");
    // The share of Qt's height the bound reaches at least, where lines do
    // not wrap.
    QTest::addColumn<qreal>("share");

    QTest::newRow("paragraphs at 72 pt") << QStringLiteral("<p style='font-size:72pt'>ka</p>").repeated(5) << 0.99;
    QTest::newRow("one large word among small ones")
        << QStringLiteral("<p>small words <span style='font-size:60pt'>large</span> small again</p>").repeated(3) << 0.99;
    QTest::newRow("large spaces where a line wraps")
        << QStringLiteral("<p>words<span style='font-size:90pt'> </span>words words words words words words</p>") << 0.1;
    QTest::newRow("large spaces only") << QStringLiteral("<pre style='font-size:90pt'>   </pre>") << 0.99;
    QTest::newRow("empty paragraphs at 48 pt") << QStringLiteral("<p style='font-size:48pt'></p>").repeated(4) << 0.99;
    QTest::newRow("space above and below")
        << QStringLiteral("<p style='margin-top:300px; margin-bottom:120px'>x</p><p style='margin-top:40px'>y</p>").repeated(3)
        << 0.9;
    QTest::newRow("tall images") << QStringLiteral("<p><img src='missing.png' height='900' width='20'> and text</p>").repeated(3)
                                 << 0.99;
    QTest::newRow("image in the middle of its line")
        << QStringLiteral("<p><img src='missing.png' height='500' style='vertical-align:middle'></p>") << 0.99;
    QTest::newRow("a wide image") << QStringLiteral("<p><img src='missing.png' height='300' width='90000'></p>") << 0.99;
    QTest::newRow("lines of a tenth and of ten times the height")
        << QStringLiteral("<p style='line-height:10%'>a</p><p style='line-height:1000%'>b</p>") << 0.8;
    QTest::newRow("raised and lowered text")
        << QStringLiteral("<p><sup style='font-size:72pt'>up</sup></p><p><sub style='font-size:72pt'>down</sub></p>") << 0.4;
    QTest::newRow("table rows of large and small text")
        << QStringLiteral("<table border='1'><tr><td style='font-size:72pt'>a</td><td>b</td></tr>"
                          "<tr><td>c</td><td style='margin-top:200px'>d</td></tr></table><p>after</p>")
        << 0.8;
    QTest::newRow("a cell over two rows")
        << QStringLiteral("<table><tr><td rowspan='2' style='font-size:200pt'>a</td><td>b</td></tr><tr><td>c</td></tr></table>")
        << 0.0;
    QTest::newRow("a floating table")
        << QStringLiteral("<table align='right'><tr><td style='font-size:72pt'>a</td></tr></table><p>b</p>") << 0.0;
}

// A lower bound: Qt's layout is at least as tall at any width, and not much
// taller where the lines do not wrap.
void TestDocumentCapacity::minimumHeightIsReached()
{
    QFETCH(QString, html);
    QFETCH(qreal, share);
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setHtml(html);
    const qreal bound = DocumentCapacity::minimumHeight(&document);
    QVERIFY(bound >= 0);
    for (const int width : {40, 600, 200000}) {
        document.setTextWidth(width);
        const qreal height = document.documentLayout()->documentSize().height();
        QVERIFY2(bound <= height, qPrintable(QStringLiteral("%1 > %2 at width %3").arg(bound).arg(height).arg(width)));
        if (width == 200000)
            QVERIFY2(bound >= share * height, qPrintable(QStringLiteral("%1 of %2").arg(bound).arg(height)));
    }
}

void TestDocumentCapacity::tallDocumentIsCut_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<int>("paragraphs");
    // The height each paragraph adds, and the height it may reach; no
    // limit when the document holds.
    QTest::addColumn<qreal>("each");
    QTest::addColumn<qreal>("limit");

    QFont large = QTextDocument().defaultFont();
    large.setPointSize(72);
    const qreal largeLine = QFontMetricsF(large).height();
    QVERIFY(largeLine > DocumentCapacity::TallStep);
    const QString largeText = QStringLiteral("<p style='font-size:72pt; margin-top:0; margin-bottom:0'>ಕನ್ನಡ</p>");
    QTest::newRow("large text beyond the height") << largeText << 100000 << largeLine << DocumentCapacity::MaxTallStepHeight;
    QTest::newRow("large text within it") << largeText << int(DocumentCapacity::MaxTallStepHeight / largeLine) - 10
                                          << largeLine << 0.0;
    QTest::newRow("lines of 96 pixels beyond the height") << QStringLiteral("<p style='line-height:96px; margin:0'>x</p>")
                                                          << 260000 << 96.0 << DocumentCapacity::MaxHeight;
    const qreal spaced = 2000 + QFontMetricsF(QTextDocument().defaultFont()).height();
    QTest::newRow("2,000 pixels between paragraphs")
        << QStringLiteral("<p style='margin-top:2000px; margin-bottom:1000px'>x</p>") << 5000 << spaced
        << DocumentCapacity::MaxTallStepHeight;
    QTest::newRow("tall images") << QStringLiteral("<p><img src='missing.png' height='30000'></p>") << 1000 << 30000.0
                                 << DocumentCapacity::MaxTallStepHeight;
    QTest::newRow("lines of 500 pixels") << QStringLiteral("<p style='line-height:500px; margin:0'>x</p>") << 20000 << 500.0
                                         << DocumentCapacity::MaxTallStepHeight;
}

// Cut before the first paragraph that ends beyond the height, with the
// paragraph named; a document within it is left whole.
void TestDocumentCapacity::tallDocumentIsCut()
{
    QFETCH(QString, paragraph);
    QFETCH(int, paragraphs);
    QFETCH(qreal, each);
    QFETCH(qreal, limit);
    QTextDocument document;
    fill(&document, paragraph, paragraphs);
    QString reason;
    const int excess = DocumentCapacity::firstExcess(&document, &reason);
    if (limit == 0) {
        QCOMPARE(excess, -1);
        return;
    }
    QVERIFY2(qAbs(excess - limit / each) < 2, qPrintable(QString::number(excess)));
    QVERIFY2(reason.contains(QStringLiteral("too tall")) && reason.contains(QLocale().toString(excess + 1)),
             qPrintable(reason));
    // With the paragraph named it is beyond the height, without it within.
    for (const int kept : {excess + 1, excess}) {
        QTextCursor cut(&document);
        cut.setPosition(document.findBlockByNumber(kept).position() - 1);
        cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
        QCOMPARE(DocumentCapacity::firstExcess(&document, &reason), kept > excess ? excess : -1);
    }
}

// The longest text a document may hold, in short lines at the default font,
// is shown whole: it stays well below the height (19 px lines, 9.5 million
// pixels, 40% of it; a default font up to 2.5 times as tall still fits).
void TestDocumentCapacity::largestTextIsShownWhole()
{
    QTextDocument document;
    const qreal line = QFontMetricsF(document.defaultFont()).height();
    QVERIFY2(line * 500001 < 0.5 * DocumentCapacity::MaxHeight, qPrintable(QString::number(line)));
    QTextCursor cursor(&document);
    for (int n = 0; n < 500000; ++n) {
        cursor.insertText(QStringLiteral("ಕ line"));
        cursor.insertBlock();
    }
    QString reason;
    QCOMPARE(DocumentCapacity::firstExcess(&document, &reason), -1);
    QVERIFY(DocumentCapacity::minimumHeight(&document) >= line * 500000);
}

YAVO_TEST_MAIN(TestDocumentCapacity)
#include "tst_documentcapacity.moc"
