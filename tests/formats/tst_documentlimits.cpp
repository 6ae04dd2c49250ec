#include "testmain.h"

#include "documentlimits_p.h"

namespace {
constexpr qint64 KB = 1024;
constexpr qint64 MB = 1024 * KB;
}

class TestDocumentLimits : public QObject
{
    Q_OBJECT

private slots:
    void budget_data();
    void budget();
    void countElements_data();
    void countElements();
};

void TestDocumentLimits::budget_data()
{
    QTest::addColumn<qint64>("fileSize");
    QTest::addColumn<qint64>("inflated");
    QTest::addColumn<qint64>("paragraphs");
    QTest::addColumn<qint64>("characters");
    QTest::addColumn<bool>("allowed");

    // Real documents open, however large.
    QTest::newRow("100 MB of text in a 25 MB file") << 25 * MB << 250 * MB << qint64(400000) << 100 * MB << true;
    QTest::newRow("12 MB of repetitive XML in 180 KB") << 180 * KB << 12 * MB << qint64(6000) << 4 * MB << true;
    QTest::newRow("what any file may cost") << qint64(0) << 64 * MB << qint64(100000) << 32 * MB << true;
    // Small files that stand for far more.
    QTest::newRow("7.7 million paragraphs in 763 KB") << 763 * KB << 46 * MB << qint64(7700000) << qint64(0) << false;
    QTest::newRow("a million paragraphs in 100 KB") << 100 * KB << 6 * MB << qint64(1000000) << qint64(0) << false;
    QTest::newRow("250 MB of XML in 763 KB") << 763 * KB << 250 * MB << qint64(0) << qint64(0) << false;
    QTest::newRow("80 million spaces in 50 KB") << 50 * KB << 1 * MB << qint64(10) << 80 * MB << false;
}

void TestDocumentLimits::budget()
{
    QFETCH(qint64, fileSize);
    QFETCH(qint64, inflated);
    QFETCH(qint64, paragraphs);
    QFETCH(qint64, characters);
    QFETCH(bool, allowed);
    DocumentLimits::Budget budget(fileSize);
    // Taken in small steps, as the readers take them.
    bool charactersFit = true;
    for (qint64 taken = 0; taken < characters && charactersFit; taken += 1024 * 1024)
        charactersFit = budget.takeCharacters(qMin<qint64>(1024 * 1024, characters - taken));
    QCOMPARE(budget.allowsInflatedSize(inflated) && budget.takeParagraphs(paragraphs) && charactersFit, allowed);
}

void TestDocumentLimits::countElements_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QByteArray>("localName");
    QTest::addColumn<int>("count");

    QTest::newRow("any prefix") << QByteArray("<w:p/><p>x</p><ns0:p a=\"1\"><w:pPr/></ns0:p><w:p\n/>") << QByteArray("p") << 4;
    QTest::newRow("other names") << QByteArray("<w:pict/><w:pPr></w:p><?p x?><w:p") << QByteArray("p") << 0;
    QTest::newRow("headings") << QByteArray("<text:h><text:hidden/><h>") << QByteArray("h") << 2;
}

void TestDocumentLimits::countElements()
{
    QFETCH(QByteArray, xml);
    QFETCH(QByteArray, localName);
    QFETCH(int, count);
    QCOMPARE(DocumentLimits::countElements(xml, localName.constData()), qint64(count));
}

YAVO_TEST_GUILESS_MAIN(TestDocumentLimits)
#include "tst_documentlimits.moc"
