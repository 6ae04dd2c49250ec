#include "app/yvworker.h"

#include "core/sharedsettings.h"
#include "filesizelimit.h"
#include "nudidocuments.h"
#include "tablenesting.h"
#include "testmain.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextList>
#include <QTextTable>
#include <QtTest>

namespace {

const QString ka = QStringLiteral("ಕ");
const QString nudiKa = QString::fromLatin1("\x50\xC0");
const QString nudiKannada = QString::fromLatin1("\x50\xC0\xA3\xC0\xDF\x71\xC0");

QTextCharFormat formatAt(QTextDocument &document, int position)
{
    QTextCursor cursor(&document);
    cursor.setPosition(qMin(position + 1, document.characterCount() - 1));
    return cursor.charFormat();
}

} // namespace

class TestYvWorker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QTextDocument *>(); }
    void convertsText_data();
    void convertsText();
    void clipboardHtmlIsBounded_data();
    void clipboardHtmlIsBounded();
    void convertsDocumentInPlace_data();
    void convertsDocumentInPlace();
    void eachWordKeepsItsFormat();
    void imagesAndParagraphsSurvive();
    void listsAndTablesSurvive();
    void convertsFiles_data();
    void convertsFiles();
    void failedFilesLeaveNothing_data();
    void failedFilesLeaveNothing();
    void failedWriteLeavesNothing();
};

void TestYvWorker::convertsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("blocks");
    QTest::addColumn<bool>("bold");

    QTest::newRow("plain lines") << nudiKa + QLatin1Char(' ') + nudiKa + QLatin1Char('\n') + nudiKa
                                 << QStringList{ ka + QLatin1Char(' ') + ka, ka } << false;
    QTest::newRow("tags make it HTML") << QStringLiteral("<b>") + nudiKannada + QStringLiteral("</b>")
                                       << QStringList{ QStringLiteral("ಕನ್ನಡ") } << true;
    QTest::newRow("angle brackets without a tag stay text")
        << QStringLiteral("< ") + nudiKa + QStringLiteral(" >") << QStringList{ QStringLiteral("< ") + ka + QStringLiteral(" >") }
        << false;
    QTest::newRow("empty") << QString() << QStringList{ QString() } << false;
}

void TestYvWorker::convertsText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, blocks);
    QFETCH(bool, bold);

    yvWorker worker;
    QSignalSpy done(&worker, &yvWorker::done);
    worker.convertANSI2Unicode(text);
    QCOMPARE(done.count(), 1);
    std::unique_ptr<QTextDocument> document(done.first().first().value<QTextDocument *>());
    QVERIFY(document);
    QVERIFY(!document->parent());
    QCOMPARE(NudiDocuments::blockTexts(*document), blocks);
    QCOMPARE(formatAt(*document, 0).fontWeight() == QFont::Bold, bold);
}

// Clipboard HTML gets the bounds of an HTML file: tables nested deeper than
// eight are flattened, keeping the text (Qt's layout took minutes, or its
// stack overflowed), and markup with too many cells is converted as text.
void TestYvWorker::clipboardHtmlIsBounded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("shown");

    QTest::newRow("tables 4,000 deep")
        << QStringLiteral("<table><tr><td>").repeated(4000) + nudiKannada + QStringLiteral("</td></tr></table>").repeated(4000)
        << 8 << QStringLiteral("ಕನ್ನಡ");
    QTest::newRow("20,000 cells")
        << QStringLiteral("<table>")
               + (QStringLiteral("<tr>") + (QStringLiteral("<td>") + nudiKannada + QStringLiteral("</td>")).repeated(200)
                  + QStringLiteral("</tr>")).repeated(100)
               + QStringLiteral("</table>")
        << 0 << QStringLiteral("ಕನ್ನಡ");
}

void TestYvWorker::clipboardHtmlIsBounded()
{
    QFETCH(QString, text);
    QFETCH(int, depth);
    QFETCH(QString, shown);

    yvWorker worker;
    QSignalSpy done(&worker, &yvWorker::done);
    worker.convertANSI2Unicode(text);
    QCOMPARE(done.count(), 1);
    std::unique_ptr<QTextDocument> document(done.first().first().value<QTextDocument *>());
    QCOMPARE(tableDepth(document->rootFrame()), depth);
    QVERIFY(document->toPlainText().contains(shown));
}

void TestYvWorker::convertsDocumentInPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("englishNumerals");
    QTest::addColumn<QStringList>("blocks");

    QTest::newRow("words and lines") << NudiDocuments::nudiText() << false << NudiDocuments::unicodeBlocks();
    QTest::newRow("blank lines and runs of spaces")
        << QStringLiteral("  ") + nudiKa + QStringLiteral("   ") + nudiKa + QStringLiteral("\n\n\t") + nudiKa
        << false << QStringList{ QStringLiteral("  ") + ka + QStringLiteral("   ") + ka, QString(), QStringLiteral("\t") + ka };
    QTest::newRow("Kannada digits") << QStringLiteral("1990") << false << QStringList{ QStringLiteral("೧೯೯೦") };
    QTest::newRow("English digits") << QStringLiteral("1990") << true << QStringList{ QStringLiteral("1990") };
    QTest::newRow("Unicode stays") << QStringLiteral("ಕನ್ನಡ") << false << QStringList{ QStringLiteral("ಕನ್ನಡ") };
    QTest::newRow("empty") << QString() << false << QStringList{ QString() };
}

void TestYvWorker::convertsDocumentInPlace()
{
    QFETCH(QString, text);
    QFETCH(bool, englishNumerals);
    QFETCH(QStringList, blocks);

    SharedSettings::setEnglishNumerals(englishNumerals);
    QTextDocument document;
    document.setPlainText(text);
    yvWorker worker;
    QSignalSpy done(&worker, &yvWorker::done);
    worker.convertANSI2Unicode(&document);
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.first().first().value<QTextDocument *>(), &document);
    QCOMPARE(NudiDocuments::blockTexts(document), blocks);
    SharedSettings::setEnglishNumerals(false);
}

void TestYvWorker::eachWordKeepsItsFormat()
{
    // bold "ಕ", a plain space, italic "ಕನ್ನಡ" whose last glyph is underlined,
    // then a plain space and a plain word.
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat italic;
    italic.setFontItalic(true);
    QTextCharFormat underlined = italic;
    underlined.setFontUnderline(true);
    cursor.insertText(nudiKa, bold);
    cursor.insertText(QStringLiteral(" "), QTextCharFormat());
    cursor.insertText(nudiKannada.left(6), italic);
    cursor.insertText(nudiKannada.mid(6), underlined);
    cursor.insertText(QStringLiteral(" ") + nudiKa, QTextCharFormat());

    yvWorker().convertANSI2Unicode(&document);

    QCOMPARE(document.toPlainText(), QStringLiteral("ಕ ಕನ್ನಡ ಕ"));
    QCOMPARE(formatAt(document, 0).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatAt(document, 1).fontWeight(), int(QFont::Normal));
    for (int i = 2; i < 7; ++i) {
        QVERIFY2(formatAt(document, i).fontItalic(), qPrintable(QString::number(i)));
        QVERIFY(!formatAt(document, i).fontUnderline());
    }
    QVERIFY(!formatAt(document, 7).fontItalic());
    QVERIFY(!formatAt(document, 8).fontItalic());
}

void TestYvWorker::imagesAndParagraphsSurvive()
{
    QTextDocument document;
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("img")), QImage(4, 4, QImage::Format_RGB32));
    QTextCursor cursor(&document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignCenter);
    centred.setProperty(HeadingLevelProperty, 2);
    cursor.setBlockFormat(centred);
    cursor.insertText(nudiKa);
    QTextImageFormat image;
    image.setName(QStringLiteral("img"));
    cursor.insertImage(image);
    cursor.insertText(nudiKa);
    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setProperty(HeadingLevelProperty, 3);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertBlock(right, bold);
    cursor.insertText(nudiKa);

    yvWorker().convertANSI2Unicode(&document);

    QCOMPARE(NudiDocuments::blockTexts(document),
             (QStringList{ ka + QChar(QChar::ObjectReplacementCharacter) + ka, ka }));
    QVERIFY(formatAt(document, 1).isImageFormat());
    QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignCenter);
    QCOMPARE(document.begin().blockFormat().intProperty(HeadingLevelProperty), 2);
    QCOMPARE(document.begin().next().blockFormat().alignment(), Qt::AlignRight);
    QCOMPARE(document.begin().next().blockFormat().intProperty(HeadingLevelProperty), 3);
    QCOMPARE(document.begin().next().charFormat().fontWeight(), int(QFont::Bold));
}

void TestYvWorker::listsAndTablesSurvive()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(nudiKa);
    cursor.createList(QTextListFormat::ListDecimal);
    cursor.insertBlock();
    cursor.insertText(nudiKa);
    cursor.insertBlock();
    cursor.insertText(nudiKa);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertTable(1, 2);
    cursor.insertText(nudiKa);
    cursor.movePosition(QTextCursor::NextCell);
    cursor.insertText(nudiKa);

    yvWorker().convertANSI2Unicode(&document);

    QTextBlock block = document.begin();
    for (int i = 0; i < 3; ++i, block = block.next()) {
        QCOMPARE(block.text(), ka);
        QVERIFY2(block.textList(), qPrintable(QString::number(i)));
        QCOMPARE(block.textList()->count(), 3);
    }
    QTextTable *table = QTextCursor(block.next()).currentTable();
    QVERIFY(table);
    QCOMPARE(table->cellAt(0, 0).firstCursorPosition().block().text(), ka);
    QCOMPARE(table->cellAt(0, 1).firstCursorPosition().block().text(), ka);
}

void TestYvWorker::convertsFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QByteArray>("head");

    const QByteArray zip("PK\x03\x04", 4);
    QTest::newRow("text") << "txt" << "notes.txt" << int(FormatReader::TxtType) << QByteArray("UTF-8")
                          << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("UTF-16 text keeps its mark") << "txt-utf16" << "notes.txt" << int(FormatReader::TxtType)
                                                << QByteArray("UTF-16LE") << QByteArray("\xFF\xFE");
    // Text without a mark: UTF-8 when it is valid UTF-8, else what a Windows
    // editor writes; the copy is UTF-8 with a mark either way.
    QTest::newRow("UTF-8 text without mark") << "txt-utf8" << "plain.txt" << int(FormatReader::TxtType)
                                             << QByteArray("UTF-8") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("Windows text") << "txt-windows" << "windows.txt" << int(FormatReader::TxtType)
                                  << QByteArray("UTF-8") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("Windows text named .nudi") << "txt-windows" << "old.nudi" << int(FormatReader::TxtType)
                                              << QByteArray("UTF-8") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("RTF") << "rtf" << "letter.rtf" << int(FormatReader::RtfType) << QByteArray("CP1252")
                         << QByteArray("{\\rtf1");
    QTest::newRow("HTML") << "html" << "page.html" << int(FormatReader::HtmlType) << QByteArray("UTF-8")
                          << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("ODT") << "odt" << "book.odt" << int(FormatReader::OdtType) << QByteArray() << zip;
    QTest::newRow("flat ODT stays flat") << "fodt" << "book.fodt" << int(FormatReader::OdtType) << QByteArray()
                                         << QByteArray("<?xml");
    QTest::newRow("DOCX") << "docx" << "report.docx" << int(FormatReader::DocxType) << QByteArray() << zip;
    QTest::newRow("DOCX without suffix") << "docx" << "report" << int(FormatReader::DocxType) << QByteArray() << zip;
    QTest::newRow("RTF named .txt") << "rtf" << "misnamed.txt" << int(FormatReader::RtfType) << QByteArray("CP1252")
                                    << QByteArray("{\\rtf1");
}

void TestYvWorker::convertsFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QByteArray, encoding);
    QFETCH(QByteArray, head);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("D")));
    const QString input = dir.filePath(name);
    QVERIFY(NudiDocuments::write(input, kind));
    const QString destination = dir.filePath(QStringLiteral("D"));

    yvWorker worker;
    QSignalSpy completed(&worker, &yvWorker::fileCompleted);
    worker.convertANSI2UnicodeFile(input, destination);
    QCOMPARE(completed.count(), 1);
    const QString output = destination + QStringLiteral("/Unicode-") + name;
    QCOMPARE(completed.first().first().toString(), output);

    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY2(file.peek(head.size()) == head, file.peek(16).toHex().constData());
    file.close();
    QTextDocument document;
    const auto reader = NudiDocuments::read(output, &document);
    QVERIFY(reader);
    QCOMPARE(reader->errorText, QString());
    QCOMPARE(reader->type(), type);
    if (!encoding.isEmpty())
        QCOMPARE(reader->encoding, encoding);
    QCOMPARE(NudiDocuments::blockTexts(document), NudiDocuments::unicodeBlocks());
}

void TestYvWorker::failedFilesLeaveNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("destination");

    QTest::newRow("missing input") << QString() << QByteArray() << QStringLiteral("out");
    QTest::newRow("missing destination") << QStringLiteral("a.txt") << QByteArray("\x50\xC0") << QStringLiteral("nowhere");
    QTest::newRow("broken archive") << QStringLiteral("a.docx") << QByteArray("PK\x03\x04 broken", 11)
                                    << QStringLiteral("out");
    QTest::newRow("output name taken by a folder") << QStringLiteral("taken.txt") << QByteArray("\x50\xC0")
                                                   << QStringLiteral("out");
    // A pipe would block the reader for ever, a device never end.
    QTest::newRow("named pipe") << QStringLiteral("pipe.txt") << QByteArray("mkfifo") << QStringLiteral("out");
    QTest::newRow("device") << QStringLiteral("/dev/zero") << QByteArray() << QStringLiteral("out");
    QTest::newRow("binary content") << QStringLiteral("program.txt") << QByteArray("\x7F" "ELF\x02\x01\x01\0\0\0", 10)
                                    << QStringLiteral("out");
    // Windows text is read whole to be recoded: one larger than a text may
    // be is refused before it is read, and leaves nothing. (Here mostly a
    // hole of zeros, which the old code survived with some gigabytes; 800 MB
    // of real text ended it.)
    QTest::newRow("Windows text larger than a document may be") << QStringLiteral("huge.txt") << QByteArray("oversized")
                                                                 << QStringLiteral("out");
}

void TestYvWorker::failedFilesLeaveNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, destination);

    QTemporaryDir dir;
    QDir root(dir.path());
    QVERIFY(root.mkpath(QStringLiteral("out/Unicode-taken.txt")));
    QString input = dir.filePath(QStringLiteral("absent.txt"));
    if (name.startsWith(QLatin1Char('/'))) {
        input = name;
    } else if (content == "mkfifo") {
        input = dir.filePath(name);
        QCOMPARE(::mkfifo(QFile::encodeName(input).constData(), 0600), 0);
    } else if (!name.isEmpty()) {
        input = dir.filePath(name);
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (content == "oversized") {
            // Nudi glyphs in the Western code page, then a hole that reads
            // as zeros and takes no disk.
            file.write(QByteArray("\x50\xC0\xA3\xC0 ").repeated(1000));
            QVERIFY(file.resize(qint64(800) * 1024 * 1024));
        } else {
            file.write(content);
        }
    }

    yvWorker worker;
    QSignalSpy completed(&worker, &yvWorker::fileCompleted);
    worker.convertANSI2UnicodeFile(input, dir.filePath(destination));
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed.first().first().toString(), QString());
    QCOMPARE(QDir(dir.filePath(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestYvWorker::failedWriteLeavesNothing()
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("long.txt"));
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < 4000; ++i)
        file.write("\x50\xC0\xA3\xC0\xDF\x71\xC0 \x50\xC0\n");
    file.close();
    const QString previous = dir.filePath(QStringLiteral("Unicode-long.txt"));
    QFile old(previous);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("kept");
    old.close();

    yvWorker worker;
    QSignalSpy completed(&worker, &yvWorker::fileCompleted);
    {
        FileSizeLimit limit(16 * 1024);
        worker.convertANSI2UnicodeFile(input, dir.path());
    }
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed.first().first().toString(), QString());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("kept"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{ QStringLiteral("long.txt"), QStringLiteral("Unicode-long.txt") }));
}

YAVO_TEST_MAIN(TestYvWorker)
#include "tst_yvworker.moc"
