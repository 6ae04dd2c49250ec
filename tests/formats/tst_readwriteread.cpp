#include "testmain.h"

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
    QBuffer output(&written);
    output.open(QIODevice::WriteOnly);
    QVERIFY(Formats[format].write(&output, &document));
    output.close();

    output.open(QIODevice::ReadOnly);
    QTextDocument again;
    QCOMPARE(readWith(Formats[format].reader(), &output, &again), QString());
    QCOMPARE(comparable(again), comparable(document));
}

YAVO_TEST_MAIN(TestReadWriteRead)
#include "tst_readwriteread.moc"
