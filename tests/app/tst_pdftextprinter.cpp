#include "app/pdftextprinter.h"

#include "testmain.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocument>

#include <algorithm>

Q_DECLARE_METATYPE(QMarginsF)

// The PDF printer of the word processor: its files carry the typed text and
// are otherwise what Qt's own PDF output is.
class tst_PdfTextPrinter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void pagesAreQtsOwn_data();
    void pagesAreQtsOwn();
    void textIsTheItemsCharacters_data();
    void textIsTheItemsCharacters();
    void laterSettingsReachTheNextFile();

private:
    // A document of several scripts with a heading, a link, a picture and a
    // table, long enough for two pages.
    QTextDocument *richDocument();
    QString path(const QString &name) const { return m_sandbox->root() + QLatin1Char('/') + name; }

    QScopedPointer<TestSandbox> m_sandbox;
};

// The standard output of a poppler tool, or an empty array when it failed.
static QByteArray poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

// The link targets of a PDF, in the order they were written (Qt writes its
// annotations as plain objects).
static QStringList linkTargets(const QString &pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("unreadable")};
    const QByteArray bytes = file.readAll();
    static const QByteArray key("/URI (");
    QStringList targets;
    for (int at = bytes.indexOf(key); at >= 0; at = bytes.indexOf(key, at + 1)) {
        const int from = at + key.size();
        targets.append(QString::fromLatin1(bytes.mid(from, bytes.indexOf(')', from) - from)));
    }
    return targets;
}

// The text of a one-page PDF, without the page number that QTextDocument
// prints below it.
static QString pdfText(const QString &pdf)
{
    const QString text = QString::fromUtf8(
            poppler(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                                  QStringLiteral("-")}));
    const QString pageNumber = QStringLiteral("\n\n1\n\n\f");
    if (!text.endsWith(pageNumber))
        return QStringLiteral("no page number in: ") + text;
    return text.left(text.size() - pageNumber.size());
}

// What pdfinfo says of a file, but for when it was written and its size.
static QByteArrayList pdfInfo(const QString &pdf)
{
    QByteArrayList lines = poppler(QStringLiteral("pdfinfo"), {pdf}).split('\n');
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QByteArray &line) {
                                   return line.startsWith("CreationDate") || line.startsWith("ModDate")
                                           || line.startsWith("File size");
                               }),
                lines.end());
    return lines;
}

static void configure(QPrinter &printer, const QString &file, bool landscape, const QMarginsF &margins)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(margins, QPageLayout::Point);
}

void tst_PdfTextPrinter::initTestCase()
{
    for (const char *tool : {"pdftotext", "pdfinfo", "pdffonts", "pdfimages", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QSKIP("poppler-utils are not installed");
    }
}

void tst_PdfTextPrinter::init()
{
    m_sandbox.reset(new TestSandbox);
}

void tst_PdfTextPrinter::cleanup()
{
    m_sandbox.reset();
}

QTextDocument *tst_PdfTextPrinter::richDocument()
{
    auto *document = new QTextDocument(this);
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QPainter(&picture).fillRect(20, 20, 40, 30, Qt::yellow);
    document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture.png")), picture);
    QString html = QStringLiteral("<h1>ಕನ್ನಡ ಕ್ಷೇತ್ರ</h1>"
                                  "<p>हिन्दी <b>किताब</b> and <a href=\"https://example.org/a\">a link</a></p>"
                                  "<p><img src=\"picture.png\"></p>"
                                  "<table border=\"1\"><tr><td>தமிழ்</td><td>বাংলা</td></tr></table>");
    for (int i = 0; i < 60; ++i)
        html += QStringLiteral("<p>%1 ನಮಸ್ಕಾರ తెలుగు <i>স্ত্রী</i></p>").arg(i);
    html += QStringLiteral("<p><a href=\"https://example.org/b\">ಕೊನೆ</a></p>");
    document->setHtml(html);
    return document;
}

void tst_PdfTextPrinter::pagesAreQtsOwn_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QMarginsF>("margins");
    QTest::newRow("screen resolution, portrait")
            << int(QPrinter::ScreenResolution) << false << QMarginsF(15, 15, 0, 0);
    QTest::newRow("high resolution, landscape")
            << int(QPrinter::HighResolution) << true << QMarginsF(60, 40, 30, 75);
}

// Only text is added: the pages, fonts, pictures and links, the page size,
// orientation and margins are those Qt's own engine writes.
void tst_PdfTextPrinter::pagesAreQtsOwn()
{
    QFETCH(int, mode);
    QFETCH(bool, landscape);
    QFETCH(QMarginsF, margins);
    QTextDocument *document = richDocument();

    QPrinter plain{QPrinter::PrinterMode(mode)};
    configure(plain, path(QStringLiteral("qt.pdf")), landscape, margins);
    document->print(&plain);
    PdfTextPrinter ours{QPrinter::PrinterMode(mode)};
    configure(ours, path(QStringLiteral("ours.pdf")), landscape, margins);
    document->print(&ours);
    QCOMPARE(ours.resolution(), plain.resolution());

    const QStringList files = {path(QStringLiteral("qt.pdf")), path(QStringLiteral("ours.pdf"))};
    const QByteArrayList info = pdfInfo(files.at(0));
    QVERIFY2(!info.contains("Pages:           1"), info.join('\n').constData());
    QCOMPARE(pdfInfo(files.at(1)), info);
    QCOMPARE(poppler(QStringLiteral("pdffonts"), {files.at(1)}), poppler(QStringLiteral("pdffonts"), {files.at(0)}));
    QCOMPARE(poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), files.at(1)}),
             poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), files.at(0)}));
    QCOMPARE(linkTargets(files.at(1)),
             QStringList({QStringLiteral("https://example.org/a"), QStringLiteral("https://example.org/b")}));
    QCOMPARE(linkTargets(files.at(0)), linkTargets(files.at(1)));
    const QStringList render = {QStringLiteral("-r"), QStringLiteral("50")};
    const QByteArray qtPages = poppler(QStringLiteral("pdftoppm"), render + files.mid(0, 1));
    QVERIFY(!qtPages.isEmpty());
    QVERIFY2(poppler(QStringLiteral("pdftoppm"), render + files.mid(1)) == qtPages, "the pages are drawn differently");
}

void tst_PdfTextPrinter::textIsTheItemsCharacters_data()
{
    QTest::addColumn<QString>("text");
    // Characters beyond the first plane are two UTF-16 units in the text.
    QTest::newRow("outside the first plane") << QStringLiteral("ಕನ್ನಡ 𝐀𝐁 end");
    QTest::newRow("characters PDF strings escape") << QStringLiteral("(a) \\b <c> ಶ್ರೀ");
    // One line drawn in several fonts: each font's run has its own characters.
    QTest::newRow("scripts mixed in a line") << QStringLiteral("ಕನ್ನಡ हिन्दी plain తెలుగు ক্ষ");
    QTest::newRow("joiners kept") << QStringLiteral("ಕ್‍ಷ ಕ್‌ಷ");
}

// What a reader extracts is exactly the characters of each run, whatever
// they are.
void tst_PdfTextPrinter::textIsTheItemsCharacters()
{
    QFETCH(QString, text);
    PdfTextPrinter printer;
    configure(printer, path(QStringLiteral("text.pdf")), false, QMarginsF(20, 20, 20, 20));
    QTextDocument document;
    document.setPlainText(text);
    document.print(&printer);
    QCOMPARE(pdfText(path(QStringLiteral("text.pdf"))), text);
}

// A printer used again after its settings changed writes the next file with
// them, and with its text; also when Qt made itself a new engine for them
// (a new PDF version does).
void tst_PdfTextPrinter::laterSettingsReachTheNextFile()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("हिन्दी किताब"));
    PdfTextPrinter printer;
    configure(printer, path(QStringLiteral("first.pdf")), false, QMarginsF(20, 20, 20, 20));
    document.print(&printer);
    printer.setOutputFileName(path(QStringLiteral("second.pdf")));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    document.print(&printer);

    for (const QString &name : {QStringLiteral("first.pdf"), QStringLiteral("second.pdf")})
        QCOMPARE(pdfText(path(name)), document.toPlainText());
    const QString info = QString::fromUtf8(poppler(QStringLiteral("pdfinfo"), {path(QStringLiteral("second.pdf"))}));
    const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size: *([0-9.]+) x ([0-9.]+)")).match(info);
    QVERIFY2(size.hasMatch() && size.captured(1).toDouble() > size.captured(2).toDouble(), qPrintable(info));
    QFile second(path(QStringLiteral("second.pdf")));
    QVERIFY(second.open(QIODevice::ReadOnly));
    QVERIFY2(second.readAll().contains("pdfaid:part"), "the second file is no PDF/A");
}

YAVO_TEST_MAIN(tst_PdfTextPrinter)
#include "tst_pdftextprinter.moc"
