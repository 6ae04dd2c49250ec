#include "testmain.h"

#include "formats/documentcapacity.h"
#include "formats/documentfile.h"
#include "formats/docxreader.h"
#include "formats/docxwriter.h"
#include "formats/formatmanager.h"
#include "formats/html_reader.h"
#include "formats/html_writer.h"
#include "formats/odtreader.h"
#include "formats/odtwriter.h"
#include "formats/rtfreader.h"
#include "formats/rtfwriter.h"
#include "formats/txtreader.h"
#include "formats/txtwriter.h"

#include <QBuffer>
#include <QDir>
#include <QLocale>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <functional>
#include <memory>

// Whatever the writers make of a document the readers accepted, the readers
// accept again, with its text: a file the program saved must open.
class TestReadWriteRead : public QObject
{
    Q_OBJECT

private slots:
    void savedDocumentOpensAgain_data();
    void savedDocumentOpensAgain();
    void documentAtTheLimitsOpensAgain_data();
    void documentAtTheLimitsOpensAgain();
};

namespace {

struct Format
{
    const char *name;
    std::function<bool(QIODevice *, QTextDocument *)> write;
    std::function<FormatReader *()> reader;
};

const Format Formats[] = {
    {"text", [](QIODevice *device, QTextDocument *document) { return TxtWriter(QByteArray()).write(device, document); },
     [] { return new TxtReader; }},
    {"html", [](QIODevice *device, QTextDocument *document) { return html_writer(QByteArray()).write(device, document); },
     [] { return new html_reader; }},
    {"rtf", [](QIODevice *device, QTextDocument *document) { return RtfWriter("CP1252").write(device, document); },
     [] { return new RtfReader; }},
    {"docx", [](QIODevice *device, QTextDocument *document) { return DocxWriter().write(device, document); },
     [] { return new DocxReader; }},
    {"odt", [](QIODevice *device, QTextDocument *document) { return OdtWriter().write(device, document); },
     [] { return new OdtReader; }},
    {"flat odt",
     [](QIODevice *device, QTextDocument *document) {
         OdtWriter writer;
         writer.setFlatXml(true);
         return writer.write(device, document);
     },
     [] { return new OdtReader; }},
};

int formatNamed(const char *name)
{
    for (int format = 0; format < int(std::size(Formats)); ++format) {
        if (qstrcmp(Formats[format].name, name) == 0)
            return format;
    }
    return -1;
}

QString readWith(FormatReader *reader, QIODevice *device, QTextDocument *document)
{
    const std::unique_ptr<FormatReader> owned(reader);
    owned->cursor = QTextCursor(document);
    owned->readData(device);
    return owned->errorText;
}

// The text as every format keeps it: plain text knows no line separators
// and no non-breaking spaces, and ends each paragraph alike.
QString comparable(const QTextDocument &document)
{
    QString text = document.toPlainText();
    text.replace(QChar::Nbsp, QLatin1Char(' '));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

// The document written in the format into the bytes; false when the writer
// failed.
bool writeAs(int format, QTextDocument *document, QByteArray *bytes)
{
    QBuffer output(bytes);
    output.open(QIODevice::WriteOnly);
    return Formats[format].write(&output, document);
}

// What the user does to a document between opening and saving it.
enum Edit {
    NoEdit,
    DeleteLastCharacter,
    TypeThirteenCharacters, // at the end of the first paragraph
    SetAllIn72Points,
};

// Reads as the word processor opens a file: a text ends in a line break,
// its last line too.
QString open(const QString &source, QByteArray bytes, QTextDocument *document)
{
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    const QString error = readWith(FormatManager::createReader(&input, QFileInfo(source).suffix()), &input, document);
    if (source.endsWith(QLatin1String(".txt")) && !document->lastBlock().text().isEmpty()) {
        QTextCursor end(document);
        end.movePosition(QTextCursor::End);
        end.insertBlock();
    }
    return error;
}

void edit(QTextDocument *document, Edit edit)
{
    QTextCursor cursor(document);
    switch (edit) {
    case NoEdit:
        break;
    case DeleteLastCharacter:
        cursor.movePosition(QTextCursor::End);
        cursor.movePosition(QTextCursor::PreviousBlock);
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.deletePreviousChar();
        break;
    case TypeThirteenCharacters:
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.insertText(QStringLiteral("thirteen more"));
        break;
    case SetAllIn72Points: {
        QTextCharFormat large;
        large.setFontPointSize(72);
        cursor.select(QTextCursor::Document);
        cursor.mergeCharFormat(large);
        cursor.mergeBlockCharFormat(large);
        break;
    }
    }
}

} // namespace

void TestReadWriteRead::savedDocumentOpensAgain_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("format");

    const QDir fixtures(QFINDTESTDATA("data"));
    QVERIFY(fixtures.exists());
    for (const QFileInfo &fixture : fixtures.entryInfoList({"libreoffice.*", "sample.*", "word-style.rtf"}, QDir::Files)) {
        QFile file(fixture.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (int format = 0; format < int(std::size(Formats)); ++format)
            QTest::addRow("%s as %s", qPrintable(fixture.fileName()), Formats[format].name) << fixture.fileName() << bytes << format;
    }

    // Repeated lines compress to almost nothing: their DOCX or ODT file is a
    // few kilobytes for more paragraphs than a file that small could once
    // ask for. (The other writers compress nothing: their files are as
    // large as the text, and so are their budgets.)
    const QByteArray repeated =
            QStringLiteral("ಒಂದೇ ಸಾಲು ಮತ್ತೆ ಮತ್ತೆ, the same line again\n").repeated(120000).toUtf8();
    for (const char *name : {"docx", "odt"})
        QTest::addRow("repeated lines as %s", name) << "repeated.txt" << repeated << formatNamed(name);
}

void TestReadWriteRead::savedDocumentOpensAgain()
{
    QFETCH(QString, source);
    QFETCH(QByteArray, bytes);
    QFETCH(int, format);

    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    QTextDocument document;
    QCOMPARE(readWith(FormatManager::createReader(&input, QFileInfo(source).suffix()), &input, &document), QString());

    QByteArray written;
    QVERIFY(writeAs(format, &document, &written));
    QBuffer output(&written);
    output.open(QIODevice::ReadOnly);
    QTextDocument again;
    QCOMPARE(readWith(Formats[format].reader(), &output, &again), QString());
    QCOMPARE(comparable(again), comparable(document));
}

// A document as large as a reader gives, edited and saved in another
// format (or its own), opens again: the limits on what is read are the
// limits on what a document holds. What the editor comes to hold beyond
// them is not saved (the save says so): a file that would not open again
// is never written.
void TestReadWriteRead::documentAtTheLimitsOpensAgain_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("edit");
    QTest::addColumn<int>("format");
    // Whether the document, edited, is still within what a document may
    // hold; when not, it is not written, and the reason says why.
    QTest::addColumn<bool>("held");
    QTest::addColumn<QString>("reason");

    // Exactly the largest text: saved, its byte-order mark makes it larger.
    const QByteArray line = QStringLiteral("ಕನ್ನಡದ ಒಂದು ಸಾಲು, a line of text that runs on and on. ").toUtf8().repeated(24) + '\n';
    QByteArray largest = line.repeated(int(DocumentFile::MaxTextSize / line.size()));
    largest += QByteArray(int(DocumentFile::MaxTextSize - largest.size() - 1), 'a') + '\n';
    QTest::newRow("64 MB text less a character as text") << "large.txt" << largest << int(DeleteLastCharacter)
                                                         << formatNamed("text") << true << QString();
    // Each paragraph gains its markup.
    QTest::newRow("the largest text as HTML") << "large.txt" << largest << int(NoEdit) << formatNamed("html") << true << QString();
    // The empty paragraph after the last line break is a paragraph of HTML.
    const QByteArray mostLines = QByteArray("ka\n").repeated(500000);
    QTest::newRow("500,000 lines as HTML") << "lines.txt" << mostLines << int(NoEdit) << formatNamed("html") << true << QString();
    const QByteArray rtf = "{\\rtf1 " + QByteArray("x\\par ").repeated(499999) + "x}";
    for (const char *format : {"text", "docx"})
        QTest::addRow("RTF of 500,000 paragraphs as %s", format) << "many.rtf" << rtf << int(NoEdit) << formatNamed(format) << true << QString();
    const QByteArray longest = QByteArray(DocumentCapacity::MaxParagraphLength, 'k') + '\n';
    for (int format = 0; format < int(std::size(Formats)); ++format) {
        QTest::addRow("the longest paragraph as %s", Formats[format].name)
            << "paragraph.txt" << longest << int(NoEdit) << format << true << QString();
    }
    QTest::newRow("the longest paragraph, typed on") << "paragraph.txt" << longest << int(TypeThirteenCharacters)
                                                     << formatNamed("text") << false
                                                     << QStringLiteral("paragraph of %1 characters").arg(QLocale().toString(65549));
    QTest::newRow("500,000 lines set in 72 points") << "lines.txt" << mostLines << int(SetAllIn72Points) << formatNamed("html")
                                                    << false << "It is too tall";
}

void TestReadWriteRead::documentAtTheLimitsOpensAgain()
{
    QFETCH(QString, source);
    QFETCH(QByteArray, bytes);
    QFETCH(int, edit);
    QFETCH(int, format);
    QFETCH(bool, held);
    QFETCH(QString, reason);

    QTextDocument document;
    QCOMPARE(open(source, bytes, &document), QString());
    QString excess;
    QCOMPARE(DocumentCapacity::firstExcess(&document, &excess), -1);
    ::edit(&document, Edit(edit));
    QCOMPARE(DocumentCapacity::firstExcess(&document, &excess) < 0, held);
    if (!held) {
        QVERIFY2(excess.contains(reason), qPrintable(excess));
        return;
    }

    QByteArray written;
    QVERIFY(writeAs(format, &document, &written));
    QBuffer output(&written);
    output.open(QIODevice::ReadOnly);
    const bool text = qstrcmp(Formats[format].name, "text") == 0;
    if (text || qstrcmp(Formats[format].name, "html") == 0)
        QCOMPARE(DocumentFile::textRefusal(&output, text ? DocumentFile::PlainText : DocumentFile::Html), QString());
    QTextDocument again;
    QCOMPARE(readWith(Formats[format].reader(), &output, &again), QString());
    QCOMPARE(DocumentCapacity::firstExcess(&again, &excess), -1);
    QCOMPARE(comparable(again), comparable(document));
}

YAVO_TEST_MAIN(TestReadWriteRead)
#include "tst_readwriteread.moc"
