#include "testmain.h"

#include "formats/formatmanager.h"
#include "formats/formatreader.h"
#include "officetestutil.h"

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

// The signature of a compound file, as Word's encrypted and binary
// documents start.
const QByteArray compoundFile = QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0');

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
    void misnamedFilesAreErrors_data();
    void misnamedFilesAreErrors();
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
    // A file named as a rich format that is not one is never read as text:
    // the reader of its type reports what is wrong.
    QTest::newRow("empty rtf") << QByteArray() << "rtf" << int(FormatReader::RtfType);
    QTest::newRow("empty docx") << QByteArray() << "docx" << int(FormatReader::DocxType);
    QTest::newRow("empty odt") << QByteArray() << "odt" << int(FormatReader::OdtType);
    QTest::newRow("compound file typed docm") << compoundFile << "docm" << int(FormatReader::DocxType);
    QTest::newRow("compound file typed dotx") << compoundFile << "dotx" << int(FormatReader::DocxType);
    QTest::newRow("compound file typed DOTM") << compoundFile << "DOTM" << int(FormatReader::DocxType);
    QTest::newRow("compound file typed other") << compoundFile << "bin" << int(FormatReader::TxtType);
    QTest::newRow("rtf") << rtf << "rtf" << int(FormatReader::RtfType);
    QTest::newRow("rtf upper-case type") << rtf << "RTF" << int(FormatReader::RtfType);
    QTest::newRow("nudi rtf") << rtf << "nudi" << int(FormatReader::RtfType);
    QTest::newRow("nudi text") << QByteArray("ABCD") << "nudi" << int(FormatReader::TxtType);
    QTest::newRow("rtf typed docx") << rtf << "docx" << int(FormatReader::RtfType);
    QTest::newRow("text typed docx") << QByteArray("hello") << "docx" << int(FormatReader::DocxType);
    QTest::newRow("rtf typed html") << rtf << "html" << int(FormatReader::HtmlType);
    QTest::newRow("empty htm") << QByteArray() << "HTM" << int(FormatReader::HtmlType);
    QTest::newRow("four bytes of rtf") << QByteArray("{\\rt") << "rtf" << int(FormatReader::RtfType);
    QTest::newRow("rtf signature is case-sensitive") << QByteArray("{\\RTF1}") << "rtf" << int(FormatReader::RtfType);
    QTest::newRow("rtf signature is case-sensitive, typed txt") << QByteArray("{\\RTF1}") << "txt" << int(FormatReader::TxtType);
    QTest::newRow("odt zip") << odtZip() << "odt" << int(FormatReader::OdtType);
    QTest::newRow("odt zip upper-case") << odtZip() << "ODT" << int(FormatReader::OdtType);
    QTest::newRow("odt zip typed txt") << odtZip() << "txt" << int(FormatReader::OdtType);
    QTest::newRow("odt zip typed docx") << odtZip() << "docx" << int(FormatReader::OdtType);
    QTest::newRow("odt zip cut short") << odtZip().left(60) << "odt" << int(FormatReader::OdtType);
    QTest::newRow("zip without mimetype typed odt") << otherZip() << "odt" << int(FormatReader::OdtType);
    // Packages whose entries show what they are, whatever their type says.
    const QByteArray content("<?xml version=\"1.0\"?><office:document-content/>");
    const QByteArray odtWithoutMimetype = OfficeTest::zip({{QStringLiteral("content.xml"), content}});
    QTest::newRow("odt without mimetype typed odt") << odtWithoutMimetype << "odt" << int(FormatReader::OdtType);
    QTest::newRow("odt without mimetype typed txt") << odtWithoutMimetype << "txt" << int(FormatReader::OdtType);
    const QByteArray mimetype("application/vnd.oasis.opendocument.text");
    QTest::newRow("odt with mimetype not first, typed docx")
        << OfficeTest::zip({{QStringLiteral("content.xml"), content}, {QStringLiteral("mimetype"), mimetype}})
        << "docx" << int(FormatReader::OdtType);
    ZipPackage deflatedMimetype;
    deflatedMimetype.addEntry(QStringLiteral("mimetype"), mimetype, ZipPackage::Deflated);
    deflatedMimetype.addEntry(QStringLiteral("content.xml"), content);
    QBuffer deflated;
    deflated.open(QIODevice::WriteOnly);
    deflatedMimetype.save(&deflated);
    QTest::newRow("odt with mimetype deflated") << deflated.data() << "" << int(FormatReader::OdtType);
    QTest::newRow("docx typed odt")
        << OfficeTest::zip({{QStringLiteral("word/document.xml"), QByteArray("<w:document/>")}}) << "odt"
        << int(FormatReader::DocxType);
    QTest::newRow("zip typed docx") << otherZip() << "docx" << int(FormatReader::DocxType);
    QTest::newRow("zip typed other") << otherZip() << "bin" << int(FormatReader::DocxType);
    QTest::newRow("zip signature only") << QByteArray("PK\x03\x04", 4) << "" << int(FormatReader::DocxType);
    QTest::newRow("flat odt typed fodt") << flatOdt << "fodt" << int(FormatReader::OdtType);
    QTest::newRow("flat odt typed txt") << flatOdt << "txt" << int(FormatReader::OdtType);
    QTest::newRow("flat odt typed html") << flatOdt << "html" << int(FormatReader::HtmlType);
    QTest::newRow("flat odt after white space") << QByteArray(" \n\t") + flatOdt << "odt" << int(FormatReader::OdtType);
    // Flat files are known by their root element, whatever comes before it.
    QTest::newRow("flat odt after a byte-order mark") << QByteArray("\xEF\xBB\xBF") + flatOdt << "txt" << int(FormatReader::OdtType);
    QTest::newRow("comment before root")
        << QByteArray("<?xml version=\"1.0\"?><!-- c --><office:document>") << "txt" << int(FormatReader::OdtType);
    QTest::newRow("root beyond 77 bytes")
        << QByteArray("<?xml version=\"1.0\"?>\n<!-- ") + QByteArray(300, 'c') + " -->\n<?pi x?>\n<office:document>" << "txt"
        << int(FormatReader::OdtType);
    QTest::newRow("no prolog") << QByteArray("<office:document>") << "txt" << int(FormatReader::OdtType);
    QTest::newRow("office namespace, other prefix")
        << QByteArray("<?xml version=\"1.0\"?><o:document xmlns:o=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\">")
        << "txt" << int(FormatReader::OdtType);
    QTest::newRow("office namespace as the default")
        << QByteArray("<?xml version=\"1.0\"?><document xmlns=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\">")
        << "txt" << int(FormatReader::OdtType);
    QTest::newRow("other namespace")
        << QByteArray("<?xml version=\"1.0\"?><o:document xmlns:o=\"urn:example\">") << "txt" << int(FormatReader::TxtType);
    QTest::newRow("document type declaration")
        << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE office:document><office:document>") << "txt"
        << int(FormatReader::TxtType);
    QTest::newRow("other xml") << QByteArray("<?xml version=\"1.0\"?><html>") << "txt" << int(FormatReader::TxtType);
    QTest::newRow("other xml typed odt") << QByteArray("<?xml version=\"1.0\"?><html>") << "odt" << int(FormatReader::OdtType);
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
    QTest::newRow("odt typed docx") << "libreoffice.odt" << "docx" << int(FormatReader::OdtType);
    QTest::newRow("odt typed nudi") << "libreoffice.odt" << "nudi" << int(FormatReader::OdtType);
    QTest::newRow("docx") << "libreoffice.docx" << "docx" << int(FormatReader::DocxType);
    QTest::newRow("docx typed odt") << "libreoffice.docx" << "odt" << int(FormatReader::DocxType);
    QTest::newRow("rtf") << "libreoffice.rtf" << "rtf" << int(FormatReader::RtfType);
    QTest::newRow("rtf typed nudi") << "word-style.rtf" << "nudi" << int(FormatReader::RtfType);
    QTest::newRow("text") << "libreoffice.txt" << "txt" << int(FormatReader::TxtType);
    QTest::newRow("text typed rtf") << "libreoffice.txt" << "rtf" << int(FormatReader::RtfType);
    QTest::newRow("html") << "libreoffice.html" << "html" << int(FormatReader::HtmlType);
    QTest::newRow("xhtml typed odt") << "libreoffice.html" << "odt" << int(FormatReader::OdtType);
    QTest::newRow("xhtml typed txt") << "libreoffice.html" << "txt" << int(FormatReader::TxtType);
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

void TestFormatManager::misnamedFilesAreErrors_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("error");

    const QString encrypted = QStringLiteral("The document is encrypted or not a word-processing document.");
    QTest::newRow("compound file typed docx") << compoundFile << "docx" << encrypted;
    QTest::newRow("compound file typed docm") << compoundFile << "docm" << encrypted;
    QTest::newRow("damaged zip signature typed docx")
        << QByteArray("PK\x03\x05\x14\0\0\0binary\x01\x02", 16) << "docx" << "Unable to open archive.";
    QTest::newRow("empty docx") << QByteArray() << "docx" << "Unable to open archive.";
    QTest::newRow("binary typed odt") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10) << "odt"
                                      << "The document is not a supported word-processing document.";
    QTest::newRow("empty odt") << QByteArray() << "odt" << "The document is not a supported word-processing document.";
    QTest::newRow("text typed rtf") << QByteArray("plain words") << "rtf" << "Not a supported RTF file.";
    QTest::newRow("empty rtf") << QByteArray() << "rtf" << "Unexpectedly reached end of file.";
}

void TestFormatManager::misnamedFilesAreErrors()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    QFETCH(QString, error);

    QBuffer buffer(&content);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    std::unique_ptr<FormatReader> reader(FormatManager::createReader(&buffer, type));
    QTextDocument document;
    reader->cursor = QTextCursor(&document);
    reader->readData(&buffer);
    QCOMPARE(reader->errorText, error);
    QCOMPARE(document.toPlainText(), QString());
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
