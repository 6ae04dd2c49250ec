#include "testmain.h"

#include "formats/docxwriter.h"
#include "formats/formatmanager.h"
#include "formats/formatreader.h"
#include "formats/html_writer.h"
#include "formats/odtwriter.h"
#include "formats/rtfwriter.h"
#include "formats/txtwriter.h"

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

// Each run's formats as letters (b i u s, p superscript, d subscript) before
// its text, and each paragraph's indent.
QStringList runs(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line = QString::number(block.blockFormat().indent());
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QString flags;
            if (format.fontWeight() == QFont::Bold)
                flags += QLatin1Char('b');
            if (format.fontItalic())
                flags += QLatin1Char('i');
            if (format.fontUnderline())
                flags += QLatin1Char('u');
            if (format.fontStrikeOut())
                flags += QLatin1Char('s');
            if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
                flags += QLatin1Char('p');
            if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
                flags += QLatin1Char('d');
            line += QLatin1Char(' ') + flags + QLatin1Char(':') + it.fragment().text();
        }
        lines << line;
    }
    return lines;
}

// Headings 1 to 6 and body paragraphs in Kannada, Hindi and Tamil, with
// every character format, indents and tabs.
void buildIndicDocument(QTextDocument *document)
{
    const QString kannada = QString::fromUtf8("ಕನ್ನಡ ಭಾಷೆ");
    const QString hindi = QString::fromUtf8("हिन्दी भाषा");
    const QString tamil = QString::fromUtf8("தமிழ் மொழி");
    QTextCursor cursor(document);
    for (int level = 1; level <= 6; ++level) {
        QTextBlockFormat heading;
        heading.setProperty(HeadingLevelProperty, level);
        if (level == 1)
            cursor.setBlockFormat(heading);
        else
            cursor.insertBlock(heading, QTextCharFormat());
        cursor.insertText(QStringLiteral("%1 %2").arg(level).arg(level % 3 == 1 ? kannada : level % 3 == 2 ? hindi : tamil));
    }
    const auto format = [](const char *flags) {
        QTextCharFormat f;
        const QByteArray letters(flags);
        if (letters.contains('b'))
            f.setFontWeight(QFont::Bold);
        if (letters.contains('i'))
            f.setFontItalic(true);
        if (letters.contains('u'))
            f.setFontUnderline(true);
        if (letters.contains('s'))
            f.setFontStrikeOut(true);
        if (letters.contains('p'))
            f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        if (letters.contains('d'))
            f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
        return f;
    };
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(kannada + QLatin1Char(' '), format(""));
    cursor.insertText(hindi, format("b"));
    cursor.insertText(QStringLiteral(" "), format(""));
    cursor.insertText(tamil, format("i"));
    cursor.insertText(QStringLiteral(" "), format(""));
    cursor.insertText(kannada, format("u"));
    cursor.insertText(QStringLiteral(" "), format(""));
    cursor.insertText(hindi, format("s"));
    cursor.insertText(QStringLiteral(" x"), format(""));
    cursor.insertText(QStringLiteral("2"), format("p"));
    cursor.insertText(QStringLiteral(" H"), format(""));
    cursor.insertText(QStringLiteral("2"), format("d"));
    cursor.insertText(QStringLiteral("O"), format(""));
    for (int indent = 1; indent <= 2; ++indent) {
        QTextBlockFormat indented;
        indented.setIndent(indent);
        cursor.insertBlock(indented, QTextCharFormat());
        cursor.insertText(tamil + QLatin1Char('\t') + hindi + QLatin1Char('\t') + kannada, format(""));
    }
}

} // namespace

class TestConversion : public QObject
{
    Q_OBJECT

private slots:
    void fixtureSurvivesConversion_data();
    void fixtureSurvivesConversion();
    void indicDocumentSurvivesEveryFormat_data();
    void indicDocumentSurvivesEveryFormat();
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

void TestConversion::indicDocumentSurvivesEveryFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<bool>("headings");
    QTest::addColumn<bool>("formats");

    QTest::newRow("docx") << int(FormatReader::DocxType) << "docx" << QByteArray() << true << true;
    QTest::newRow("odt") << int(FormatReader::OdtType) << "odt" << QByteArray() << true << true;
    QTest::newRow("flat odt") << int(FormatReader::OdtType) << "fodt" << QByteArray() << true << true;
    QTest::newRow("rtf") << int(FormatReader::RtfType) << "rtf" << QByteArray("CP1252") << true << true;
    QTest::newRow("rtf in UTF-8") << int(FormatReader::RtfType) << "rtf" << QByteArray("UTF-8") << true << true;
    QTest::newRow("html") << int(FormatReader::HtmlType) << "html" << QByteArray("UTF-8") << false << true;
    QTest::newRow("html in UTF-16") << int(FormatReader::HtmlType) << "html" << QByteArray("UTF-16LE") << false << true;
    QTest::newRow("text") << int(FormatReader::TxtType) << "txt" << QByteArray("UTF-8") << false << false;
}

void TestConversion::indicDocumentSurvivesEveryFormat()
{
    QFETCH(int, type);
    QFETCH(QString, suffix);
    QFETCH(QByteArray, encoding);
    QFETCH(bool, headings);
    QFETCH(bool, formats);

    QTextDocument original;
    buildIndicDocument(&original);
    QByteArray bytes;
    if (suffix == QLatin1String("fodt")) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        OdtWriter writer;
        writer.setFlatXml(true);
        QVERIFY(writer.write(&buffer, &original));
    } else {
        bytes = writeAs(type, encoding, &original);
    }
    QVERIFY(!bytes.isEmpty());

    QTextDocument copy;
    const ReadBack back = readFile(bytes, suffix, &copy);
    QCOMPARE(back.type, type);
    QVERIFY2(back.errorText.isEmpty(), qPrintable(back.errorText));
    QCOMPARE(copy.toPlainText(), original.toPlainText());
    if (headings)
        QCOMPARE(outline(copy), outline(original));
    if (formats)
        QCOMPARE(runs(copy), runs(original));
}

YAVO_TEST_MAIN(TestConversion)
#include "tst_conversion.moc"
