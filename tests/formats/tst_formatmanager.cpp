#include "testmain.h"

#include "formats/formatmanager.h"
#include "formats/formatreader.h"

#include <QBuffer>
#include <QFile>
#include <memory>

namespace {

// A stored zip entry header as a zip writer puts it first in an ODT file:
// 30 header bytes, the name "mimetype" and its uncompressed content.
QByteArray zipHeader(const QByteArray &name, const QByteArray &content)
{
    QByteArray header("PK\x03\x04", 4);
    header += QByteArray(22, '\0');
    header += char(name.size());
    header += QByteArray(3, '\0');
    return header + name + content;
}

QByteArray odtZip()
{
    return zipHeader("mimetype", "application/vnd.oasis.opendocument.text") + QByteArray(40, 'x');
}

QByteArray otherZip()
{
    return zipHeader("[Content_Types].xml", "<?xml version=\"1.0\"?><Types/>") + QByteArray(40, 'x');
}

const QByteArray flatOdt("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document xmlns:office=\"x\">");

} // namespace

class TestFormatManager : public QObject
{
    Q_OBJECT

private slots:
    void createReader_data();
    void createReader();
    void createReaderForRealFiles_data();
    void createReaderForRealFiles();
    void filter_data();
    void filter();
    void filters_data();
    void filters();
    void nameFiltersAndTypes();
    void isRichText_data();
    void isRichText();
};

void TestFormatManager::createReader_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("readerType");

    const QByteArray rtf("{\\rtf1\\ansi Hello}");
    QTest::newRow("empty rtf") << QByteArray() << "rtf" << int(FormatReader::TxtType);
    QTest::newRow("empty docx") << QByteArray() << "docx" << int(FormatReader::TxtType);
    QTest::newRow("empty odt") << QByteArray() << "odt" << int(FormatReader::TxtType);
    QTest::newRow("rtf") << rtf << "rtf" << int(FormatReader::RtfType);
    QTest::newRow("rtf upper-case type") << rtf << "RTF" << int(FormatReader::RtfType);
    QTest::newRow("nudi rtf") << rtf << "nudi" << int(FormatReader::RtfType);
    QTest::newRow("nudi text") << QByteArray("ABCD") << "nudi" << int(FormatReader::TxtType);
    QTest::newRow("rtf typed docx") << rtf << "docx" << int(FormatReader::RtfType);
    QTest::newRow("text typed docx") << QByteArray("hello") << "docx" << int(FormatReader::TxtType);
    QTest::newRow("rtf typed html") << rtf << "html" << int(FormatReader::HtmlType);
    QTest::newRow("empty htm") << QByteArray() << "HTM" << int(FormatReader::HtmlType);
    QTest::newRow("four bytes of rtf") << QByteArray("{\\rt") << "rtf" << int(FormatReader::TxtType);
    QTest::newRow("rtf signature is case-sensitive") << QByteArray("{\\RTF1}") << "rtf" << int(FormatReader::TxtType);
    QTest::newRow("odt zip") << odtZip() << "odt" << int(FormatReader::OdtType);
    QTest::newRow("odt zip upper-case") << odtZip() << "ODT" << int(FormatReader::OdtType);
    QTest::newRow("odt zip typed txt") << odtZip() << "txt" << int(FormatReader::OdtType);
    QTest::newRow("odt zip typed docx") << odtZip() << "docx" << int(FormatReader::DocxType);
    QTest::newRow("odt zip cut short") << odtZip().left(60) << "odt" << int(FormatReader::DocxType);
    QTest::newRow("zip without mimetype typed odt") << otherZip() << "odt" << int(FormatReader::DocxType);
    QTest::newRow("zip typed docx") << otherZip() << "docx" << int(FormatReader::DocxType);
    QTest::newRow("zip typed other") << otherZip() << "bin" << int(FormatReader::DocxType);
    QTest::newRow("zip signature only") << QByteArray("PK\x03\x04", 4) << "" << int(FormatReader::DocxType);
    QTest::newRow("flat odt typed fodt") << flatOdt << "fodt" << int(FormatReader::OdtType);
    QTest::newRow("flat odt typed txt") << flatOdt << "txt" << int(FormatReader::OdtType);
    QTest::newRow("flat odt typed html") << flatOdt << "html" << int(FormatReader::HtmlType);
    QTest::newRow("flat odt after white space") << QByteArray(" \n\t") + flatOdt << "odt" << int(FormatReader::OdtType);
    QTest::newRow("flat odt after a byte-order mark") << QByteArray("\xEF\xBB\xBF") + flatOdt << "odt" << int(FormatReader::TxtType);
    QTest::newRow("comment before root")
        << QByteArray("<?xml version=\"1.0\"?><!-- c --><office:document>") << "odt" << int(FormatReader::TxtType);
    QTest::newRow("root beyond the probe")
        << QByteArray("<?xml version=\"1.0\"?>") + QByteArray(60, ' ') + "<office:document>" << "odt"
        << int(FormatReader::TxtType);
    QTest::newRow("other xml") << QByteArray("<?xml version=\"1.0\"?><html>") << "odt" << int(FormatReader::TxtType);
    QTest::newRow("plain text") << QByteArray("Hello") << "" << int(FormatReader::TxtType);
}

void TestFormatManager::createReader()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    QFETCH(int, readerType);

    QBuffer buffer(&content);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    std::unique_ptr<FormatReader> reader(FormatManager::createReader(&buffer, type));
    QVERIFY(reader);
    QCOMPARE(reader->type(), readerType);
    QCOMPARE(buffer.pos(), qint64(0));
    QVERIFY(reader->cursor.isNull());
    QVERIFY(reader->errorText.isEmpty());
    QVERIFY(reader->encoding.isEmpty() || reader->type() == FormatReader::RtfType);
}

void TestFormatManager::createReaderForRealFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("readerType");

    QTest::newRow("odt") << "libreoffice.odt" << "odt" << int(FormatReader::OdtType);
    QTest::newRow("odt typed docx") << "libreoffice.odt" << "docx" << int(FormatReader::DocxType);
    QTest::newRow("odt typed nudi") << "libreoffice.odt" << "nudi" << int(FormatReader::OdtType);
    QTest::newRow("docx") << "libreoffice.docx" << "docx" << int(FormatReader::DocxType);
    QTest::newRow("docx typed odt") << "libreoffice.docx" << "odt" << int(FormatReader::DocxType);
    QTest::newRow("rtf") << "libreoffice.rtf" << "rtf" << int(FormatReader::RtfType);
    QTest::newRow("rtf typed nudi") << "word-style.rtf" << "nudi" << int(FormatReader::RtfType);
    QTest::newRow("text") << "libreoffice.txt" << "txt" << int(FormatReader::TxtType);
    QTest::newRow("text typed rtf") << "libreoffice.txt" << "rtf" << int(FormatReader::TxtType);
    QTest::newRow("html") << "libreoffice.html" << "html" << int(FormatReader::HtmlType);
    QTest::newRow("xhtml typed odt") << "libreoffice.html" << "odt" << int(FormatReader::TxtType);
}

void TestFormatManager::createReaderForRealFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, type);
    QFETCH(int, readerType);

    QFile device(QFINDTESTDATA("data/" + file));
    QVERIFY(device.open(QIODevice::ReadOnly));
    std::unique_ptr<FormatReader> reader(FormatManager::createReader(&device, type));
    QCOMPARE(reader->type(), readerType);
    QCOMPARE(device.pos(), qint64(0));
}

void TestFormatManager::filter_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("filter");

    QTest::newRow("odt") << "odt" << "OpenDocument Text (*.odt)";
    QTest::newRow("fodt") << "fodt" << "OpenDocument Flat XML (*.fodt)";
    QTest::newRow("docx") << "docx" << "Office Open XML (*.docx)";
    QTest::newRow("rtf") << "rtf" << "Rich Text Format (*.rtf)";
    QTest::newRow("txt") << "txt" << "Plain Text (*.txt *.text)";
    QTest::newRow("text") << "text" << "Plain Text (*.txt *.text)";
    QTest::newRow("case-sensitive") << "RTF" << "";
    QTest::newRow("unknown") << "pdf" << "";
}

void TestFormatManager::filter()
{
    QFETCH(QString, type);
    QFETCH(QString, filter);
    QCOMPARE(FormatManager::filter(type), filter);
}

void TestFormatManager::filters_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("first"); // place of the filter that comes first in the plain list

    QTest::newRow("odt") << "odt" << 0;
    QTest::newRow("docx") << "docx" << 2;
    QTest::newRow("rtf") << "rtf" << 3;
    QTest::newRow("text") << "text" << 4;
    QTest::newRow("unknown type puts All Files first") << "pdf" << 5;
}

void TestFormatManager::filters()
{
    QFETCH(QString, type);
    QFETCH(int, first);

    const QStringList base = { FormatManager::filter("odt"), FormatManager::filter("fodt"),
                               FormatManager::filter("docx"), FormatManager::filter("rtf"),
                               FormatManager::filter("txt"), QStringLiteral("All Files (*)") };
    QStringList expected = base;
    expected.move(first, 0);
    QCOMPARE(FormatManager::filters(type), expected);
    // The cached list is handed out as a copy.
    QCOMPARE(FormatManager::filters("odt"), base);

    QCOMPARE(FormatManager::filters(QString()),
             QStringList { QStringLiteral("All Supported Files (*.docx *.fodt *.odt *.rtf *.txt *.text)") } + base);
}

void TestFormatManager::nameFiltersAndTypes()
{
    QCOMPARE(FormatManager::nameFilters(),
             QStringList({ "*.docx", "*.odt", "*.rtf", "*.txt", "*.htm", "*.html" }));
    QCOMPARE(FormatManager::types(), QStringList({ "odt", "fodt", "docx", "rtf", "txt" }));
}

void TestFormatManager::isRichText_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("richText");

    QTest::newRow("docx") << "a/b/report.DOCX" << true;
    QTest::newRow("fodt") << "x.fodt" << true;
    QTest::newRow("rtf") << "x.tar.rtf" << true;
    QTest::newRow("txt") << "notes.txt" << false;
    QTest::newRow("html") << "page.html" << false;
    QTest::newRow("no dot") << "rtf" << true;
    QTest::newRow("trailing dot") << "odt." << false;
}

void TestFormatManager::isRichText()
{
    QFETCH(QString, fileName);
    QFETCH(bool, richText);
    QCOMPARE(FormatManager::isRichText(fileName), richText);
}

YAVO_TEST_MAIN(TestFormatManager)
#include "tst_formatmanager.moc"
