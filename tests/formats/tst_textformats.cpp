#include "tablenesting.h"
#include "testmain.h"

#include "formats/documentfile.h"
#include "formats/formatmanager.h"
#include "formats/html_reader.h"
#include "formats/html_writer.h"
#include "formats/rtfwriter.h"
#include "formats/txtreader.h"
#include "formats/txtwriter.h"

#include <QBuffer>
#include <QFile>
#include <QTextBlock>
#include <QTextCodec>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace {

template<typename Reader>
QByteArray readInto(QTextDocument &document, QByteArray content, int *type = nullptr)
{
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    Reader reader;
    reader.cursor = QTextCursor(&document);
    reader.readData(&buffer);
    if (type)
        *type = reader.type();
    return reader.errorText.isEmpty() ? reader.encoding : QByteArray("error: ") + reader.errorText.toUtf8();
}

template<typename Writer>
QByteArray writeOut(QTextDocument &document, const QByteArray &encoding)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    Writer writer(encoding);
    if (!writer.write(&buffer, &document))
        return QByteArray("failed");
    return out;
}

QByteArray encode(const char *codec, const QString &text)
{
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    return QTextCodec::codecForName(codec)->fromUnicode(text.constData(), text.size(), &state);
}

const QString sample = QString::fromUtf8("ಕನ್ನಡ text\nline two");

// A file as the system may give it: its size says one thing, its reads
// another, or reading fails.
class OddFile : public QIODevice
{
public:
    OddFile(qint64 size, qint64 readable, bool fails)
        : m_size(size)
        , m_readable(readable)
        , m_fails(fails)
    {
        open(QIODevice::ReadOnly);
    }
    qint64 size() const override { return m_size; }
    bool atEnd() const override { return pos() >= m_readable; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_fails) {
            setErrorString(QStringLiteral("Input/output error"));
            return -1;
        }
        const qint64 n = qMin(maxSize, m_readable - pos());
        std::fill(data, data + n, 'a');
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    qint64 m_size;
    qint64 m_readable;
    bool m_fails;
};

} // namespace

class TestTextFormats : public QObject
{
    Q_OBJECT

private slots:
    void readText_data();
    void readText();
    void readTextReplacesWhatIsNoCharacter_data();
    void readTextReplacesWhatIsNoCharacter();
    void readHtml_data();
    void readHtml();
    void htmlNesting_data();
    void htmlNesting();
    void readRefusal_data();
    void readRefusal();
    void textBudget_data();
    void textBudget();
    void readersKeepTheTextBudget_data();
    void readersKeepTheTextBudget();
    void crLfAtChunkEdge();
    void longHtmlIsParsedWhole();
    void longHtmlReadsAsOnePiece_data();
    void longHtmlReadsAsOnePiece();
    void htmlTables_data();
    void htmlTables();
    void writers_data();
    void writers();
    void convertedCopyKeepsEncoding();
    void libreOfficeFiles();
    void writersReportRefusedBytes();
};

void TestTextFormats::readText_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("encoding");

    QTest::newRow("no byte-order mark") << encode("UTF-8", sample) << QByteArray();
    QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBF") + encode("UTF-8", sample) << QByteArray("UTF-8");
    QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE") + encode("UTF-16LE", sample) << QByteArray("UTF-16LE");
    QTest::newRow("UTF-16BE") << QByteArray("\xFE\xFF") + encode("UTF-16BE", sample) << QByteArray("UTF-16BE");
    QTest::newRow("UTF-32LE") << QByteArray("\xFF\xFE\0\0", 4) + encode("UTF-32LE", sample) << QByteArray("UTF-32LE");
    QTest::newRow("UTF-32BE") << QByteArray("\0\0\xFE\xFF", 4) + encode("UTF-32BE", sample) << QByteArray("UTF-32BE");
}

void TestTextFormats::readText()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, encoding);

    QTextDocument document;
    int type = 0;
    QCOMPARE(readInto<TxtReader>(document, content, &type), encoding);
    QCOMPARE(type, int(FormatReader::TxtType));
    QCOMPARE(document.toPlainText(), sample);
}

void TestTextFormats::readTextReplacesWhatIsNoCharacter_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("text");

    const QString replacement(QChar(QChar::ReplacementCharacter));
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("UTF-16LE lone high surrogate")
        << QByteArray("\xFF\xFE" "a\0\x00\xD8" "b\0", 8) << "a" + replacement + "b";
    QTest::newRow("UTF-16BE lone low surrogate")
        << QByteArray("\xFE\xFF" "\0a\xDC\x00" "\0b", 8) << "a" + replacement + "b";
    QTest::newRow("UTF-16LE odd last byte") << QByteArray("\xFF\xFE" "a\0b\0c", 7) << "ab" + replacement;
    QTest::newRow("UTF-8 invalid byte") << QByteArray("a\xFF" "b") << "a" + replacement + "b";
    QTest::newRow("UTF-8 character cut off at the end") << QByteArray("a\xE0\xB2") << "a" + replacement;
    // The reader takes 16384 bytes at a time: the first piece holds the
    // byte-order mark and 8191 units, the last of them a high surrogate.
    const QString edge = QString(8190, QLatin1Char('a')) + smile + "z";
    QTest::newRow("UTF-16LE pair across the piece edge") << QByteArray("\xFF\xFE") + encode("UTF-16LE", edge) << edge;
}

void TestTextFormats::readTextReplacesWhatIsNoCharacter()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, text);
    QTextDocument document;
    readInto<TxtReader>(document, content);
    QCOMPARE(document.toPlainText(), text);
}

void TestTextFormats::readHtml_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QString>("text");

    const QString html = QString::fromUtf8("<p>ಕನ್ನಡ <b>bold</b></p><p>two</p>");
    const QString text = QString::fromUtf8("ಕನ್ನಡ bold\ntwo");
    QTest::newRow("no byte-order mark") << encode("UTF-8", html) << QByteArray() << text;
    QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBF") + encode("UTF-8", html) << QByteArray("UTF-8") << text;
    QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE") + encode("UTF-16LE", html) << QByteArray("UTF-16LE") << text;
    QTest::newRow("empty") << QByteArray() << QByteArray() << QString();
}

void TestTextFormats::readHtml()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, encoding);
    QFETCH(QString, text);

    QTextDocument document;
    int type = 0;
    QCOMPARE(readInto<html_reader>(document, content, &type), encoding);
    QCOMPARE(type, int(FormatReader::HtmlType));
    QCOMPARE(document.toPlainText(), text);
    QCOMPARE(document.blockCount(), qMax(1, text.count(QLatin1Char('\n')) + 1));
}

void TestTextFormats::htmlNesting_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<bool>("refused");

    // Qt's parser takes time that grows with the square of the nesting.
    QTest::newRow("nested too deeply") << "<html><body>" + QByteArray("<div>").repeated(50000) + "x" << true;
    QTest::newRow("end tags of other elements close nothing") << QByteArray("<div></span>").repeated(5000) + "x" << true;
    QTest::newRow("deep within the limit") << QByteArray("<div>").repeated(2000) + "x" + QByteArray("</div>").repeated(2000) << false;
    QTest::newRow("many elements, each closed") << QByteArray("<div><span>a</span><br>b</div>").repeated(5000) << false;
    // Paragraphs, rows and cells whose end tags HTML lets the next one imply.
    QTest::newRow("end tags left to the parser")
        << "<table>" + QByteArray("<tr><td>c<td><p>d").repeated(2000) + "</table>" + QByteArray("<p>e").repeated(2000) << false;
    QTest::newRow("tags in comments, scripts and attributes")
        << "<div>" + QByteArray("<!-- <div> -->").repeated(5000) + "<script>" + QByteArray("s = '<div>';").repeated(5000)
               + "</script>" + QByteArray("<a title=\"<div>\">l</a>").repeated(5000) + "x</div>"
        << false;
}

void TestTextFormats::htmlNesting()
{
    QFETCH(QByteArray, html);
    QFETCH(bool, refused);
    QTextDocument document;
    const QByteArray result = readInto<html_reader>(document, html);
    if (refused) {
        QCOMPARE(result, QByteArray("error: The document is nested too deeply."));
        QVERIFY(document.isEmpty());
    } else {
        QCOMPARE(result, QByteArray());
        QVERIFY(!document.isEmpty());
    }
}

void TestTextFormats::readRefusal_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("readable");
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("a file") << qint64(10) << qint64(10) << false << "";
    QTest::newRow("an empty file") << qint64(0) << qint64(0) << false << "";
    QTest::newRow("reading fails") << qint64(0) << qint64(0) << true << "It could not be read: Input/output error";
    QTest::newRow("reads as empty, sized") << qint64(4096) << qint64(0) << false << "It reads as empty, though its size is";
    QTest::newRow("gives content, sized empty") << qint64(0) << qint64(100) << false << "its size is not known";
}

// A file that cannot be read as its size says gets a reason, not an
// empty document.
void TestTextFormats::readRefusal()
{
    QFETCH(qint64, size);
    QFETCH(qint64, readable);
    QFETCH(bool, fails);
    QFETCH(QString, refusal);

    OddFile file(size, readable, fails);
    const QString result = DocumentFile::readRefusal(&file);
    if (refusal.isEmpty())
        QCOMPARE(result, QString());
    else
        QVERIFY2(result.contains(refusal), qPrintable(result));
    QCOMPARE(file.pos(), qint64(0));
}

void TestTextFormats::textBudget_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("content");
    QTest::addColumn<QString>("refusal");

    const int text = DocumentFile::PlainText;
    const int html = DocumentFile::Html;
    const QString binary = QStringLiteral("It holds binary data, not text.");
    const QString lines = QStringLiteral("a text file may have at most");
    QTest::newRow("NUL in the first block") << QByteArray("text\0more", 9) << text << binary;
    QTest::newRow("NUL in HTML") << QByteArray("<p>text\0</p>", 12) << html << binary;
    QTest::newRow("NUL after the first block") << QByteArray(8192, 'a') + QByteArray(1, '\0') << text << binary;
    // Its zero bytes are halves of characters.
    QTest::newRow("UTF-16 text") << QByteArray("\xFF\xFE") + encode("UTF-16LE", sample) << text << "";
    QTest::newRow("as many lines as a document may have paragraphs") << QByteArray("\r\n").repeated(500000) << text << "";
    QTest::newRow("a line more") << QByteArray("\r\n").repeated(500000) + "\n" << text << lines;
    QTest::newRow("carriage returns alone") << QByteArray("\r").repeated(500001) << text << lines;
    // Each starts a paragraph when inserted, as a line feed does.
    QTest::newRow("paragraph separators in UTF-8") << QString(500001, QChar(0x2029)).toUtf8() << text << lines;
    QTest::newRow("frame marks") << (QString(250000, QChar(0xFDD0)) + QString(250001, QChar(0xFDD1))).toUtf8() << text
                                 << lines;
    QTest::newRow("a last line without its break") << QByteArray("a\n").repeated(500000) + "b" << text << lines;
    QTest::newRow("UTF-16 line feeds") << QByteArray("\xFF\xFE") + encode("UTF-16LE", QString(500001, '\n')) << text << lines;
    // U+0A0A in UTF-16 is two bytes that each look like a line feed.
    QTest::newRow("UTF-16 Gurmukhi is no line feed")
        << QByteArray("\xFF\xFE") + encode("UTF-16LE", QString(600000, QChar(0x0A0A))) << text << "";
    QTest::newRow("HTML lines are no paragraphs") << QByteArray("\n").repeated(600000) << html << "";
}

void TestTextFormats::textBudget()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, content);
    QFETCH(QString, refusal);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QString result = DocumentFile::textRefusal(&buffer, DocumentFile::Content(content));
    if (refusal.isEmpty())
        QCOMPARE(result, QString());
    else
        QVERIFY2(result.contains(refusal), qPrintable(result));
    QCOMPARE(buffer.pos(), qint64(0));
}

void TestTextFormats::readersKeepTheTextBudget_data()
{
    QTest::addColumn<bool>("asHtml");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("error");

    for (bool asHtml : {false, true}) {
        const char *reader = asHtml ? "html" : "text";
        // HTML has room for the markup a saved document adds to its text.
        const QString tooLarge = QStringLiteral("It is 500.0 MB large; %1 file may have at most %2.")
                                         .arg(asHtml ? "an HTML" : "a text",
                                              asHtml ? DocumentFile::sizeText(DocumentFile::maxSize(DocumentFile::Html)) : "64.0 MB");
        QTest::addRow("%s, binary", reader) << asHtml << QByteArray("MZ\x90\0\3\0\0\0", 8) << qint64(0)
                                            << "It holds binary data, not text.";
        QTest::addRow("%s, 500 MB", reader) << asHtml << QByteArray("text") << qint64(500) * 1024 * 1024 << tooLarge;
    }
    QTest::newRow("html, more paragraphs than a document may have")
        << true << QByteArray("<p>x").repeated(500002) << qint64(0) << "The document is too large to open.";
    // Qt starts a paragraph at a paragraph separator and at the frame
    // markers, written as they are or as references.
    const QByteArray separator = encode("UTF-8", QString(QChar::ParagraphSeparator));
    QTest::newRow("html, paragraph separators") << true << "<p>" + ("x" + separator).repeated(500001) << qint64(0)
                                                 << "The document is too large to open.";
    QTest::newRow("html, references to paragraph separators")
        << true << "<p>" + QByteArray("x&#8233;").repeated(250001) + QByteArray("x&#x02029;").repeated(250001) << qint64(0)
        << "The document is too large to open.";
    QTest::newRow("html, frame markers") << true
                                         << "<p>" + QByteArray("&#xFDD0;").repeated(250001) + encode("UTF-8", QString(250001, QChar(0xFDD1)))
                                         << qint64(0) << "The document is too large to open.";
    QTest::newRow("html, more table cells than a document may have")
        << true << tableOfCellsHtml(100, 400)
        << qint64(0) << "The document is too large to open.";
    // Wherever the reader meets one, not in the first block only.
    QTest::newRow("html, NUL far into the file") << true << QByteArray("<p>text</p>").repeated(1000) + QByteArray("\0", 1)
                                                 << qint64(0) << "It holds binary data, not text.";
}

// A file beyond the text budget is refused before anything is read, and so
// is one that holds no text.
void TestTextFormats::readersKeepTheTextBudget()
{
    QFETCH(bool, asHtml);
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(QString, error);

    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(bytes);
    // Beyond the bytes, a hole: the file takes no room on the disk.
    if (size > 0)
        QVERIFY(file.resize(size));
    file.seek(0);
    QTextDocument document;
    std::unique_ptr<FormatReader> reader(asHtml ? static_cast<FormatReader *>(new html_reader) : new TxtReader);
    reader->cursor = QTextCursor(&document);
    reader->readData(&file);
    QCOMPARE(reader->errorText, error);
    QVERIFY(document.isEmpty());
}

void TestTextFormats::crLfAtChunkEdge()
{
    // The reader takes the file in pieces of 16384 characters; a CR LF pair
    // that one edge cuts must stay one line break.
    const QString first = QString(16383, QLatin1Char('a'));
    QTextDocument document;
    readInto<TxtReader>(document, (first + "\r\nb\r\nc").toUtf8());
    QCOMPARE(document.blockCount(), 3);
    QCOMPARE(document.toPlainText(), first + "\nb\nc");
}

void TestTextFormats::longHtmlIsParsedWhole()
{
    // Head styles and a tag that lies across the 16384-character mark.
    QByteArray html = "<html><head><style>p.k { font-weight: bold; }</style></head><body>";
    html += "<p>" + QByteArray(16384 - html.size() - 7 - 5, 'x') + "</p>";
    html += "<p class=\"k\">bold</p><p>" + QByteArray(20000, 'y') + "</p></body></html>";
    QVERIFY(html.indexOf("<p class") < 16384 && html.indexOf("<p class") + 12 > 16384);

    QTextDocument document;
    readInto<html_reader>(document, html);
    QCOMPARE(document.blockCount(), 3);
    const QTextBlock middle = document.begin().next();
    QCOMPARE(middle.text(), QStringLiteral("bold"));
    QCOMPARE(middle.charFormat().fontWeight(), int(QFont::Bold));
    QVERIFY(!document.toPlainText().contains(QLatin1Char('<')));
}

// A file too long to import at once is imported in pieces, with the event
// loop run between them, and reads as it would in one piece: the head's
// styles apply to every piece, and no paragraph is split, joined or added at
// the edges of the pieces.
void TestTextFormats::longHtmlReadsAsOnePiece_data()
{
    QTest::addColumn<QByteArray>("html");
    // Whether it can be cut: only at paragraphs outside any element.
    QTest::addColumn<bool>("pieces");

    const QByteArray head = "<html><head><style>p.k { font-weight: bold; } h2 { color: #800000; }</style></head>";
    const QByteArray paragraphs = "<h2 align=\"center\">Heading</h2><p class=\"k\">bold</p>\n<p style=\"margin-top: 30px\">spaced <i>text</i></p>"
                                  "<div>division</div><pre>pre\nformatted</pre><blockquote>quoted</blockquote>";
    const QByteArray containers = "<ul><li>one</li><li>two</li></ul><table border=\"1\"><tr><td>a</td><td>b</td></tr></table>"
                                  "<hr><ol><li>three</li></ol>";
    QTest::newRow("paragraphs") << head + "<body>" + paragraphs.repeated(2000) + "</body></html>" << true;
    QTest::newRow("lists, tables and rules among them")
        << head + "<body bgcolor=\"#ffffee\">" + (paragraphs + containers).repeated(1000) + "</body></html>" << true;
    QTest::newRow("no head, no body") << "text before " + paragraphs.repeated(2000) << true;
    QTest::newRow("everything inside one division") << "<div>" + paragraphs.repeated(2000) + "</div>" << false;
}

void TestTextFormats::longHtmlReadsAsOnePiece()
{
    QFETCH(QByteArray, html);
    QTextDocument whole;
    QTextCursor(&whole).insertHtml(QString::fromUtf8(html));

    // The paragraphs the document had whenever the event loop ran.
    QVector<int> seen;
    QTextDocument document;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&] { seen << document.blockCount(); });
    timer.start(0);
    QCOMPARE(readInto<html_reader>(document, html), QByteArray());
    timer.stop();
    QCOMPARE(document.toHtml(), whole.toHtml());
    QFETCH(bool, pieces);
    if (pieces) {
        const int total = document.blockCount();
        QVERIFY(std::any_of(seen.begin(), seen.end(), [total](int blocks) { return blocks > 1 && blocks < total; }));
    }
}

// Tables nested in tables beyond a few levels are flattened, keeping their
// text: Qt's layout time grows fourfold with each level. Those within the
// bound stay tables.
void TestTextFormats::htmlTables_data()
{
    QTest::addColumn<QByteArray>("html");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("text");

    QTest::newRow("one table") << QByteArray("<table><tr><td>a</td><td>b</td></tr></table>") << 1 << "a\nb";
    QTest::newRow("eight tables in one another") << nestedTablesHtml(8) << 8 << "x";
    QTest::newRow("twenty-four tables in one another") << "<html><body>" + nestedTablesHtml(24) + "</body></html>" << 8 << "x";
    QTest::newRow("four thousand tables in one another") << nestedTablesHtml(4000) << 8 << "x";
    QTest::newRow("flattened cells, caption and text around them")
        << nestedTablesHtml(8, "before<table><caption>title</caption><tr><td>c1</td><th>c2<tr><td>c3</table>after") << 8
        << "before\ntitle\nc1\nc2\nc3\nafter";
    QTest::newRow("tables side by side in a cell")
        << nestedTablesHtml(8, nestedTablesHtml(2, "y") + nestedTablesHtml(2, "z")) << 8 << "y\nz";
    QTest::newRow("end tags left out")
        << QByteArray("<table><tr><td>").repeated(30) + "x" << 8 << "x";
}

void TestTextFormats::htmlTables()
{
    QFETCH(QByteArray, html);
    QFETCH(int, depth);
    QFETCH(QString, text);
    QTextDocument document;
    QCOMPARE(readInto<html_reader>(document, html), QByteArray());
    QCOMPARE(tableDepth(document.rootFrame()), depth);
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.text().isEmpty())
            paragraphs << block.text();
    }
    QCOMPARE(paragraphs.join(QLatin1Char('\n')), text);
}

void TestTextFormats::writers_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QByteArray>("bom");
    QTest::addColumn<QByteArray>("codec");

    QTest::newRow("empty name") << QByteArray() << QByteArray("\xEF\xBB\xBF") << QByteArray("UTF-8");
    QTest::newRow("unknown name") << QByteArray("no-such-codec") << QByteArray("\xEF\xBB\xBF") << QByteArray("UTF-8");
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << QByteArray("\xEF\xBB\xBF") << QByteArray("UTF-8");
    QTest::newRow("UTF-16LE") << QByteArray("UTF-16LE") << QByteArray("\xFF\xFE") << QByteArray("UTF-16LE");
    QTest::newRow("UTF-16BE") << QByteArray("UTF-16BE") << QByteArray("\xFE\xFF") << QByteArray("UTF-16BE");
    QTest::newRow("UTF-32LE") << QByteArray("UTF-32LE") << QByteArray("\xFF\xFE\0\0", 4) << QByteArray("UTF-32LE");
}

void TestTextFormats::writers()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QByteArray, bom);
    QFETCH(QByteArray, codec);

    // Whatever the locale says, an unnamed codec writes UTF-8.
    QTextCodec *saved = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));

    QTextDocument document;
    document.setPlainText(sample);
    const QByteArray text = writeOut<TxtWriter>(document, encoding);
    const QByteArray html = writeOut<html_writer>(document, encoding);
    QTextCodec::setCodecForLocale(saved);

    QVERIFY(text.startsWith(bom));
    QCOMPARE(text.mid(bom.size()), encode(codec.constData(), sample));
    QVERIFY(html.startsWith(bom));
    const QString htmlText = QTextCodec::codecForName(codec)->toUnicode(html.mid(bom.size()));
    QVERIFY(htmlText.startsWith(QLatin1String("<!DOCTYPE")));
    QVERIFY(!htmlText.contains(QLatin1String("charset")));
    QTextDocument back;
    back.setHtml(htmlText);
    QCOMPARE(back.toPlainText(), sample);
}

void TestTextFormats::convertedCopyKeepsEncoding()
{
    QByteArray file = QByteArray("\xFF\xFE") + encode("UTF-16LE", sample);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<FormatReader> reader(FormatManager::createReader(&buffer, QStringLiteral("txt")));
    QTextDocument document;
    reader->cursor = QTextCursor(&document);
    reader->readData(&buffer);
    QCOMPARE(reader->encoding, QByteArray("UTF-16LE"));
    QCOMPARE(writeOut<TxtWriter>(document, reader->encoding), file);
}

void TestTextFormats::libreOfficeFiles()
{
    QFile text(QFINDTESTDATA("data/libreoffice.txt"));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QTextDocument plain;
    QCOMPARE(readInto<TxtReader>(plain, text.readAll()), QByteArray("UTF-8"));
    QCOMPARE(plain.begin().text(), QString::fromUtf8("Kannada ಕನ್ನಡ"));
    QVERIFY(plain.toPlainText().endsWith(QString::fromUtf8("Привет мир\n")));

    // Its bold, italic and underline come only from classes in the head.
    QFile html(QFINDTESTDATA("data/libreoffice.html"));
    QVERIFY(html.open(QIODevice::ReadOnly));
    QTextDocument rich;
    QCOMPARE(readInto<html_reader>(rich, html.readAll()), QByteArray());
    QVERIFY(rich.toPlainText().contains(QString::fromUtf8("Centred ಕನ್ನಡ ದಾಖಲೆ")));
    QCOMPARE(rich.find(QStringLiteral("bold")).charFormat().fontWeight(), int(QFont::Bold));
    QVERIFY(rich.find(QStringLiteral("italic")).charFormat().fontItalic());
    QVERIFY(rich.find(QStringLiteral("underline")).charFormat().fontUnderline());
}

namespace {

// A device that takes a few bytes and then refuses the rest, like a disk
// that fills up during a save.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room) : room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        if (room <= 0)
            return -1;
        const qint64 taken = qMin(room, length);
        room -= taken;
        return taken;
    }

private:
    qint64 room;
};

} // namespace

void TestTextFormats::writersReportRefusedBytes()
{
    QTextDocument document;
    document.setPlainText(sample);
    TxtWriter text("UTF-8");
    html_writer html("UTF-8");
    RtfWriter rtf("CP1252");
    for (qint64 room : { 0, 10 }) {
        FullDevice forText(room);
        QVERIFY(!text.write(&forText, &document));
        QVERIFY(!text.errorString().isEmpty());
        FullDevice forHtml(room);
        QVERIFY(!html.write(&forHtml, &document));
        QVERIFY(!html.errorString().isEmpty());
        FullDevice forRtf(room);
        QVERIFY(!rtf.write(&forRtf, &document));
        QVERIFY(!rtf.errorString().isEmpty());
    }
    // The next write that succeeds leaves no error behind.
    FullDevice roomy(1 << 20);
    QVERIFY(text.write(&roomy, &document));
    QCOMPARE(text.errorString(), QString());
    QVERIFY(html.write(&roomy, &document));
    QCOMPARE(html.errorString(), QString());
    QVERIFY(rtf.write(&roomy, &document));
    QCOMPARE(rtf.errorString(), QString());
}

YAVO_TEST_MAIN(TestTextFormats)
#include "tst_textformats.moc"
