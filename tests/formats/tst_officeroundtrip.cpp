#include "testmain.h"

#include "formats/docxreader.h"
#include "formats/docxwriter.h"
#include "formats/odtreader.h"
#include "formats/odtwriter.h"
#include "officetestutil.h"

#include <QTextCursor>
#include <QTextDocument>

using namespace OfficeTest;

namespace {

// A document in a compact form, one line per paragraph:
//   "properties|runs" where properties are comma-separated (h1..h6, center,
//   right, justify, indentN, rtl) and each run is "flags:text" with the flags
//   b i u s (strike) p (superscript) d (subscript).
// The same form describes what a read gives back, so that documents compare
// as text.
QTextCharFormat runFormat(const QString &flags)
{
    QTextCharFormat format;
    if (flags.contains('b'))
        format.setFontWeight(QFont::Bold);
    if (flags.contains('i'))
        format.setFontItalic(true);
    if (flags.contains('u'))
        format.setFontUnderline(true);
    if (flags.contains('s'))
        format.setFontStrikeOut(true);
    if (flags.contains('p'))
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (flags.contains('d'))
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return format;
}

QString runFlags(const QTextCharFormat &format)
{
    QString flags;
    if (format.fontWeight() == QFont::Bold)
        flags += 'b';
    if (format.fontItalic())
        flags += 'i';
    if (format.fontUnderline())
        flags += 'u';
    if (format.fontStrikeOut())
        flags += 's';
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        flags += 'p';
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        flags += 'd';
    return flags;
}

void build(QTextDocument *document, const QStringList &paragraphs)
{
    QTextCursor cursor(document);
    bool first = true;
    for (const QString &line : paragraphs) {
        const QStringList parts = line.split('|');
        QTextBlockFormat block;
        for (const QString &property : parts.at(0).split(',', Qt::SkipEmptyParts)) {
            if (property.startsWith('h'))
                block.setProperty(HeadingLevelProperty, property.mid(1).toInt());
            else if (property == "center")
                block.setAlignment(Qt::AlignHCenter);
            else if (property == "right")
                block.setAlignment(Qt::AlignRight);
            else if (property == "justify")
                block.setAlignment(Qt::AlignJustify);
            else if (property.startsWith("indent"))
                block.setIndent(property.mid(6).toInt());
            else if (property == "rtl")
                block.setLayoutDirection(Qt::RightToLeft);
        }
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const QString &run : parts.mid(1)) {
            const int colon = run.indexOf(':');
            cursor.insertText(run.mid(colon + 1), runFormat(run.left(colon)));
        }
    }
}

// Where a paragraph's text lies as seen, whatever way the format says it.
QString visualAlignment(const QTextBlockFormat &format)
{
    const Qt::Alignment a = format.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter)
        return "center";
    if (a & Qt::AlignJustify)
        return "justify";
    const bool rightToLeft = format.layoutDirection() == Qt::RightToLeft;
    bool right = a & Qt::AlignRight;
    if (!(a & Qt::AlignAbsolute) && rightToLeft)
        right = !right;
    return right ? "right" : "left";
}

QStringList describeDocument(const QTextDocument &document)
{
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat format = block.blockFormat();
        QStringList properties;
        if (const int level = headingLevel(block))
            properties << QString("h%1").arg(level);
        properties << visualAlignment(format);
        if (format.indent() > 0)
            properties << QString("indent%1").arg(format.indent());
        if (format.layoutDirection() == Qt::RightToLeft)
            properties << "rtl";
        QString line = properties.join(',');
        QString flags;
        QString text;
        // Adjacent fragments with the same formats count as one run.
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QString f = runFlags(it.fragment().charFormat());
            if (f != flags && !text.isEmpty()) {
                line += '|' + flags + ':' + text;
                text.clear();
            }
            flags = f;
            text += it.fragment().text();
        }
        if (!text.isEmpty())
            line += '|' + flags + ':' + text;
        paragraphs << line;
    }
    return paragraphs;
}

enum Format { Docx, ZippedOdt, FlatOdt };

} // namespace

Q_DECLARE_METATYPE(Format)

class TestOfficeRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
};

void TestOfficeRoundTrip::roundTrip_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QStringList>("paragraphs");

    const QString kannada = QString::fromUtf8("\xe0\xb2\x95\xe0\xb2\xa8\xe0\xb3\x8d\xe0\xb2\xa8\xe0\xb2\xa1 \xe0\xb2\xad\xe0\xb2\xbe\xe0\xb2\xb7\xe0\xb3\x86");
    const QStringList documents[] = {
        {"h1|:Heading one", "h2|:Heading two", "h3|:Heading three", "h4|:Heading four", "h5|:Heading five",
         "h6|:Heading six", "|:Body text"},
        {"|:plain |b:bold| :x|i:italic|u:under|s:strike|:H|d:2|:O and E=mc|p:2",
         "|bi:bold italic|bius:all four|:end", "h2|:Heading with |b:bold| word"},
        {"indent1|:one step", "indent3,center|:three steps centred", "right|:right", "justify,indent2|:justified",
         "rtl|:right to left", "rtl,right|:right to left, end", "rtl,center|:right to left, centred"},
        {QString("|:Tab\there\tand") + QChar(QChar::LineSeparator) + "a new line", "|:five     spaces and trailing  ",
         "|:  leading spaces", "|b:bold  |i:  italic"},
        {"h1|:" + kannada, "|:" + kannada + " |b:" + kannada,
         QString::fromUtf8("|:\xe0\xb0\xa4\xe0\xb1\x86\xe0\xb0\xb2\xe0\xb1\x81\xe0\xb0\x97\xe0\xb1\x81 "
                           "\xe0\xb4\xae\xe0\xb4\xb2\xe0\xb4\xaf\xe0\xb4\xbe\xe0\xb4\xb3\xe0\xb4\x82 "
                           "\xe0\xac\x93\xe0\xac\xa1\xe0\xac\xbc\xe0\xac\xbf\xe0\xac\x86"),
         QString::fromUtf8("indent1|i:\xe0\xa4\xb9\xe0\xa4\xbf\xe0\xa4\xa8\xe0\xa5\x8d\xe0\xa4\xa6\xe0\xa5\x80 "
                           "\xe0\xaa\x97\xe0\xab\x81\xe0\xaa\x9c\xe0\xaa\xb0\xe0\xaa\xbe\xe0\xaa\xa4\xe0\xab\x80 "
                           "\xe0\xa6\xac\xe0\xa6\xbe\xe0\xa6\x82\xe0\xa6\xb2\xe0\xa6\xbe "
                           "\xe0\xa8\x97\xe0\xa9\x81\xe0\xa8\xb0\xe0\xa8\xae\xe0\xa9\x81\xe0\xa8\x96\xe0\xa9\x80 "
                           "\xe0\xae\xa4\xe0\xae\xae\xe0\xae\xbf\xe0\xae\xb4\xe0\xaf\x8d")},
        {"|", "|:after an empty paragraph", "|:<markup> & \"quotes\""},
    };
    const char *names[] = {"headings", "mixed formats", "indents and alignment", "tabs and spaces", "indic text",
                           "empty and markup"};
    const QPair<Format, const char *> formats[] = {{Docx, "docx"}, {ZippedOdt, "odt"}, {FlatOdt, "fodt"}};
    for (const auto &format : formats) {
        for (int i = 0; i < int(std::size(documents)); ++i)
            QTest::addRow("%s %s", format.second, names[i]) << format.first << documents[i];
    }
}

void TestOfficeRoundTrip::roundTrip()
{
    QFETCH(Format, format);
    QFETCH(QStringList, paragraphs);

    QTextDocument original;
    build(&original, paragraphs);
    QByteArray bytes;
    QTextDocument back;
    if (format == Docx) {
        DocxWriter writer;
        bytes = write(&original, writer);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(read<DocxReader>(bytes, &back), QString());
    } else {
        OdtWriter writer;
        writer.setFlatXml(format == FlatOdt);
        bytes = write(&original, writer);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(read<OdtReader>(bytes, &back), QString());
    }
    QCOMPARE(describeDocument(back), describeDocument(original));
}

YAVO_TEST_MAIN(TestOfficeRoundTrip)
#include "tst_officeroundtrip.moc"
