#include "testmain.h"

#include "docxwriter.h"
#include "formatmanager.h"
#include "formatreader.h"
#include "html_writer.h"
#include "odtwriter.h"
#include "rtfwriter.h"
#include "txtwriter.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

// A file read through the reader the format manager picks, written back with
// the writer the reader's type selects and read once more, as a file
// converter does: its text and heading levels survive.

namespace {

struct ReadBack
{
    int type = FormatReader::UnknownType;
    QByteArray encoding;
    QString errorText;
};

ReadBack readFile(QByteArray bytes, const QString &type, QTextDocument *document)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<FormatReader> reader(FormatManager::createReader(&buffer, type));
    reader->cursor = QTextCursor(document);
    reader->readData(&buffer);
    return { reader->type(), reader->encoding, reader->errorText };
}

QByteArray writeAs(int type, const QByteArray &encoding, QTextDocument *document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool written = false;
    switch (type) {
    case FormatReader::RtfType:
        written = RtfWriter(encoding).write(&buffer, document);
        break;
    case FormatReader::OdtType:
        written = OdtWriter().write(&buffer, document);
        break;
    case FormatReader::DocxType:
        written = DocxWriter().write(&buffer, document);
        break;
    case FormatReader::HtmlType:
        written = html_writer(encoding).write(&buffer, document);
        break;
    default:
        written = TxtWriter(encoding).write(&buffer, document);
        break;
    }
    return written ? buffer.data() : QByteArray();
}

// Each paragraph's heading level and text, in one comparable line.
QStringList outline(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines << QString::number(block.blockFormat().intProperty(HeadingLevelProperty)) + QLatin1Char(' ') + block.text();
    return lines;
}

} // namespace

class TestConversion : public QObject
{
    Q_OBJECT

private slots:
    void fixtureSurvivesConversion_data();
    void fixtureSurvivesConversion();
};

void TestConversion::fixtureSurvivesConversion_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("headings");

    QTest::newRow("libreoffice.docx") << "libreoffice.docx" << int(FormatReader::DocxType) << true;
    QTest::newRow("libreoffice.html") << "libreoffice.html" << int(FormatReader::HtmlType) << false;
    QTest::newRow("libreoffice.odt") << "libreoffice.odt" << int(FormatReader::OdtType) << true;
    QTest::newRow("libreoffice.rtf") << "libreoffice.rtf" << int(FormatReader::RtfType) << true;
    QTest::newRow("libreoffice.txt") << "libreoffice.txt" << int(FormatReader::TxtType) << false;
    QTest::newRow("sample.docx") << "sample.docx" << int(FormatReader::DocxType) << true;
    QTest::newRow("sample.fodt") << "sample.fodt" << int(FormatReader::OdtType) << true;
    QTest::newRow("sample.odt") << "sample.odt" << int(FormatReader::OdtType) << true;
    QTest::newRow("word-style.rtf") << "word-style.rtf" << int(FormatReader::RtfType) << true;
}

void TestConversion::fixtureSurvivesConversion()
{
    QFETCH(QString, file);
    QFETCH(int, type);
    QFETCH(bool, headings);

    QFile input(QFINDTESTDATA("data/" + file));
    QVERIFY(input.open(QIODevice::ReadOnly));
    const QString suffix = QFileInfo(file).suffix();

    QTextDocument original;
    const ReadBack first = readFile(input.readAll(), suffix, &original);
    QCOMPARE(first.type, type);
    QVERIFY2(first.errorText.isEmpty(), qPrintable(first.errorText));
    QVERIFY(!original.toPlainText().trimmed().isEmpty());

    const QByteArray converted = writeAs(first.type, first.encoding, &original);
    QVERIFY(!converted.isEmpty());

    // A flat ODT file is converted to the zipped form, which keeps its suffix.
    QTextDocument copy;
    const ReadBack second = readFile(converted, suffix, &copy);
    QCOMPARE(second.type, type);
    QVERIFY2(second.errorText.isEmpty(), qPrintable(second.errorText));
    // Text and HTML writers always write a byte-order mark, UTF-8 for a file
    // that had none.
    const bool marked = type == FormatReader::TxtType || type == FormatReader::HtmlType;
    QCOMPARE(second.encoding, marked && first.encoding.isEmpty() ? QByteArray("UTF-8") : first.encoding);
    if (headings) {
        QVERIFY(!outline(original).filter(QRegularExpression(QStringLiteral("^[1-6] "))).isEmpty());
        QCOMPARE(outline(copy), outline(original));
    } else {
        QCOMPARE(copy.toPlainText(), original.toPlainText());
    }
}

YAVO_TEST_MAIN(TestConversion)
#include "tst_conversion.moc"
