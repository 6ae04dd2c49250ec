#include "testmain.h"

#include "formats/odtreader.h"
#include "formats/odtwriter.h"
#include "officetestutil.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>

using namespace OfficeTest;

namespace {

const QByteArray Namespaces(
    "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
    "xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" "
    "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
    "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
    "xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\" "
    "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
    "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\" "
    "xmlns:xlink=\"http://www.w3.org/1999/xlink\"");

QByteArray flat(const QByteArray &body, const QByteArray &styles = QByteArray(), const QByteArray &automatic = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document " + Namespaces
        + " office:mimetype=\"application/vnd.oasis.opendocument.text\">"
        + "<office:styles>" + styles + "</office:styles>"
        + "<office:automatic-styles>" + automatic + "</office:automatic-styles>"
        + "<office:body><office:text>" + body + "</office:text></office:body></office:document>";
}

QByteArray zipped(const QByteArray &body, const QByteArray &styles = QByteArray(), const QByteArray &automatic = QByteArray())
{
    return zip({{QStringLiteral("mimetype"), QByteArray("application/vnd.oasis.opendocument.text")},
                {QStringLiteral("styles.xml"), "<?xml version=\"1.0\"?><office:document-styles " + Namespaces
                                                   + "><office:styles>" + styles + "</office:styles></office:document-styles>"},
                {QStringLiteral("content.xml"), "<?xml version=\"1.0\"?><office:document-content " + Namespaces
                                                    + "><office:automatic-styles>" + automatic
                                                    + "</office:automatic-styles><office:body><office:text>" + body
                                                    + "</office:text></office:body></office:document-content>"}});
}

QByteArray textStyle(const QByteArray &name, const QByteArray &properties)
{
    return "<style:style style:name=\"" + name + "\" style:family=\"text\"><style:text-properties " + properties
        + "/></style:style>";
}

QByteArray paragraphStyle(const QByteArray &name, const QByteArray &properties, const QByteArray &extra = QByteArray())
{
    return "<style:style style:name=\"" + name + "\" style:family=\"paragraph\" " + extra + ">" + properties + "</style:style>";
}

QByteArray contentPart(QTextDocument *document, bool flatForm)
{
    OdtWriter writer;
    writer.setFlatXml(flatForm);
    const QByteArray bytes = write(document, writer);
    return flatForm ? bytes : entry(bytes, QStringLiteral("content.xml"));
}

} // namespace

class TestOdt : public QObject
{
    Q_OBJECT

private slots:
    void readsText_data();
    void readsText();
    void readsTextProperties_data();
    void readsTextProperties();
    void readsParagraphProperties_data();
    void readsParagraphProperties();
    void stylesInherit_data();
    void stylesInherit();
    void zippedFormReadsBothEntries();
    void matchesNamespacesNotPrefixes();
    void reportsBadInput_data();
    void reportsBadInput();
    void keepsTextBeforeXmlError();
    void readsLibreOfficeFiles_data();
    void readsLibreOfficeFiles();
    void readsQtOdfWriterFile();

    void writesElements_data();
    void writesElements();
    void writesPackage();
    void reportsDeviceFailure();
    void replacesLoneSurrogates();
};

void TestOdt::readsText_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("blocks");

    QTest::newRow("paragraphs") << QByteArray("<text:p>one</text:p><text:h>two</text:h>") << QStringList{"one", "two"};
    QTest::newRow("space element") << QByteArray("<text:p>a<text:s/>b</text:p>") << QStringList{"a b"};
    QTest::newRow("space count") << QByteArray("<text:p>a<text:s text:c=\"4\"/>b</text:p>") << QStringList{"a    b"};
    QTest::newRow("huge space count bounded")
        << QByteArray("<text:p>a<text:s text:c=\"2000000000\"/>b</text:p>") << QStringList{"a" + QString(1024, ' ') + "b"};
    QTest::newRow("tab and line break")
        << QByteArray("<text:p>a<text:tab/>b<text:line-break/>c</text:p>")
        << QStringList{QString("a\tb") + QChar(QChar::LineSeparator) + "c"};
    QTest::newRow("white space kept") << QByteArray("<text:p> a  b </text:p>") << QStringList{" a  b "};
    QTest::newRow("line feed stays in block") << QByteArray("<text:p>a\nb</text:p>") << QStringList{"a b"};
    QTest::newRow("link and span")
        << QByteArray("<text:p>see <text:a xlink:href=\"x\">the <text:span>link</text:span></text:a>.</text:p>")
        << QStringList{"see the link."};
    QTest::newRow("section") << QByteArray("<text:section><text:p>in</text:p></text:section>") << QStringList{"in"};
    QTest::newRow("list")
        << QByteArray("<text:p>before</text:p><text:list><text:list-header><text:p>head</text:p></text:list-header>"
                      "<text:list-item><text:p>one</text:p><text:list><text:list-item><text:h>nested</text:h>"
                      "</text:list-item></text:list></text:list-item></text:list>")
        << QStringList{"before", "head", "one", "nested"};
    QTest::newRow("numbered paragraph")
        << QByteArray("<text:numbered-paragraph text:level=\"1\"><text:number>1.</text:number><text:p>first</text:p>"
                      "</text:numbered-paragraph>")
        << QStringList{"first"};
    QTest::newRow("table")
        << QByteArray("<table:table><table:table-column/><table:table-header-rows><table:table-row><table:table-cell>"
                      "<text:p>H</text:p></table:table-cell></table:table-row></table:table-header-rows><table:table-row>"
                      "<table:table-cell><text:p>A1</text:p></table:table-cell><table:covered-table-cell/>"
                      "<table:table-cell><text:p>B1</text:p></table:table-cell></table:table-row></table:table>")
        << QStringList{"H", "A1", "B1"};
    QTest::newRow("annotation skipped")
        << QByteArray("<text:p>text<office:annotation><dc:creator>Someone</dc:creator><dc:date>2024-01-01T00:00:00</dc:date>"
                      "<text:p>note</text:p></office:annotation> more</text:p>")
        << QStringList{"text more"};
    QTest::newRow("picture data skipped")
        << QByteArray("<text:p>pic<draw:frame><draw:image><office:binary-data>iVBORw0KGgoAAAANSUhEUg==</office:binary-data>"
                      "</draw:image></draw:frame>!</text:p>")
        << QStringList{"pic!"};
    QTest::newRow("frame layout space skipped, text box read")
        << QByteArray("<text:p>a<draw:frame>\n <draw:text-box>\n  <text:p>boxed</text:p>\n </draw:text-box>\n</draw:frame>b</text:p>")
        << QStringList{"aboxedb"};
    // Notes follow the text, each a paragraph that starts with its mark;
    // the mark stays where the note is cited.
    QTest::newRow("notes after the text")
        << QByteArray("<text:h text:outline-level=\"1\">Titre<text:note text:id=\"n1\" text:note-class=\"footnote\">"
                      "<text:note-citation>1</text:note-citation><text:note-body><text:p>Note du titre.</text:p></text:note-body>"
                      "</text:note></text:h><text:p>paragraphe<text:note text:id=\"n2\" text:note-class=\"endnote\">"
                      "<text:note-citation text:label=\"*\">*</text:note-citation><text:note-body><text:p>C'est-\xC3\xA0-dire"
                      "</text:p><text:p>suite.</text:p></text:note-body></text:note> continue.</text:p>")
        << QStringList{"Titre1", "paragraphe* continue.", "1 Note du titre.", QString::fromUtf8("* C'est-à-dire"), "suite."};
    QTest::newRow("ruby keeps its base text")
        << QByteArray("<text:p>kan <text:ruby text:style-name=\"Ru1\"><text:ruby-base>BASE</text:ruby-base>"
                      "<text:ruby-text>reading</text:ruby-text></text:ruby> ji</text:p>")
        << QStringList{"kan BASE ji"};
    QTest::newRow("other body elements skipped")
        << QByteArray("<text:sequence-decls><text:sequence-decl text:name=\"x\"/></text:sequence-decls><text:p>only</text:p>")
        << QStringList{"only"};
    QTest::newRow("telugu") << QByteArray("<text:p>\xe0\xb0\xa4\xe0\xb1\x86\xe0\xb0\xb2\xe0\xb1\x81\xe0\xb0\x97\xe0\xb1\x81</text:p>")
                            << QStringList{QString::fromUtf8("\xe0\xb0\xa4\xe0\xb1\x86\xe0\xb0\xb2\xe0\xb1\x81\xe0\xb0\x97\xe0\xb1\x81")};
}

void TestOdt::readsText()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, blocks);
    for (const QByteArray &bytes : {flat(body), zipped(body)}) {
        QTextDocument document;
        QCOMPARE(read<OdtReader>(bytes, &document), QString());
        QCOMPARE(blockTexts(document), blocks);
    }
}

void TestOdt::readsTextProperties_data()
{
    QTest::addColumn<QByteArray>("properties");
    QTest::addColumn<QString>("formats");

    QTest::newRow("bold") << QByteArray("fo:font-weight=\"bold\"") << "bold";
    QTest::newRow("numeric weight") << QByteArray("fo:font-weight=\"700\"") << "";
    QTest::newRow("italic") << QByteArray("fo:font-style=\"italic\"") << "italic";
    QTest::newRow("oblique") << QByteArray("fo:font-style=\"oblique\"") << "italic";
    QTest::newRow("underline") << QByteArray("style:text-underline-style=\"solid\"") << "underline";
    QTest::newRow("underline none") << QByteArray("style:text-underline-style=\"none\"") << "";
    QTest::newRow("strike") << QByteArray("style:text-line-through-type=\"single\"") << "strike";
    QTest::newRow("super") << QByteArray("style:text-position=\"super\"") << "super";
    QTest::newRow("sub") << QByteArray("style:text-position=\"sub\"") << "sub";
    QTest::newRow("super 58%") << QByteArray("style:text-position=\"super 58%\"") << "super";
    QTest::newRow("sub 58%") << QByteArray("style:text-position=\"sub 58%\"") << "sub";
    QTest::newRow("33% 58%") << QByteArray("style:text-position=\"33% 58%\"") << "super";
    QTest::newRow("-33% 58%") << QByteArray("style:text-position=\"-33% 58%\"") << "sub";
    QTest::newRow("0% 100%") << QByteArray("style:text-position=\"0% 100%\"") << "";
    // What an office program writes for Kannada (a complex script).
    QTest::newRow("complex bold") << QByteArray("style:font-weight-complex=\"bold\"") << "bold";
    QTest::newRow("complex italic") << QByteArray("style:font-style-complex=\"italic\"") << "italic";
    QTest::newRow("complex bold, western normal")
        << QByteArray("fo:font-weight=\"normal\" style:font-weight-complex=\"bold\"") << "bold";
    QTest::newRow("western bold, complex normal")
        << QByteArray("fo:font-weight=\"bold\" style:font-weight-complex=\"normal\"") << "bold";
    QTest::newRow("complex italic, western normal")
        << QByteArray("fo:font-style=\"normal\" style:font-style-complex=\"italic\"") << "italic";
    QTest::newRow("asian bold is not complex") << QByteArray("style:font-weight-asian=\"bold\"") << "";
}

void TestOdt::readsTextProperties()
{
    QFETCH(QByteArray, properties);
    QFETCH(QString, formats);
    QTextDocument document;
    QCOMPARE(read<OdtReader>(flat("<text:p><text:span text:style-name=\"T\">x</text:span>y</text:p>", QByteArray(),
                                  textStyle("T", properties)),
                             &document),
             QString());
    QCOMPARE(document.toPlainText(), QString("xy"));
    QCOMPARE(describe(charFormatAt(document, 0, 0)), formats);
    QCOMPARE(describe(charFormatAt(document, 0, 1)), QString());
}

void TestOdt::readsParagraphProperties_data()
{
    QTest::addColumn<QByteArray>("properties");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("direction"); // -1: not set
    QTest::addColumn<int>("indent");    // -1: not set

    QTest::newRow("start") << QByteArray("fo:text-align=\"start\"") << 1 << -1 << -1;
    QTest::newRow("end") << QByteArray("fo:text-align=\"end\"") << 2 << -1 << -1;
    QTest::newRow("left") << QByteArray("fo:text-align=\"left\"") << 17 << -1 << -1;
    QTest::newRow("right") << QByteArray("fo:text-align=\"right\"") << 18 << -1 << -1;
    QTest::newRow("center") << QByteArray("fo:text-align=\"center\"") << 4 << -1 << -1;
    QTest::newRow("justify") << QByteArray("fo:text-align=\"justify\"") << 8 << -1 << -1;
    QTest::newRow("left in rtl is start") << QByteArray("style:writing-mode=\"rl-tb\" fo:text-align=\"left\"") << 1 << 1 << -1;
    QTest::newRow("right in rtl is end") << QByteArray("fo:text-align=\"right\" style:writing-mode=\"rl-tb\"") << 2 << 1 << -1;
    QTest::newRow("rl-tb") << QByteArray("style:writing-mode=\"rl-tb\"") << 0 << 1 << -1;
    QTest::newRow("lr") << QByteArray("style:writing-mode=\"lr\"") << 0 << 0 << -1;
    QTest::newRow("1in") << QByteArray("fo:margin-left=\"1in\"") << 0 << -1 << 2;
    QTest::newRow("0.5in") << QByteArray("fo:margin-left=\"0.5in\"") << 0 << -1 << 1;
    QTest::newRow("1.27cm") << QByteArray("fo:margin-left=\"1.27cm\"") << 0 << -1 << 1;
    QTest::newRow("36pt") << QByteArray("fo:margin-left=\"36pt\"") << 0 << -1 << 1;
    QTest::newRow("3pc") << QByteArray("fo:margin-left=\"3pc\"") << 0 << -1 << 1;
    QTest::newRow("48px") << QByteArray("fo:margin-left=\"48px\"") << 0 << -1 << 1;
    QTest::newRow("12.7mm") << QByteArray("fo:margin-left=\"12.7mm\"") << 0 << -1 << 1;
    // Half steps round away from zero: 1.25in and 2.75in written in metric units.
    QTest::newRow("3.175cm") << QByteArray("fo:margin-left=\"3.175cm\"") << 0 << -1 << 3;
    QTest::newRow("69.85mm") << QByteArray("fo:margin-left=\"69.85mm\"") << 0 << -1 << 6;
    QTest::newRow("0.6cm") << QByteArray("fo:margin-left=\"0.6cm\"") << 0 << -1 << 0;
    QTest::newRow("-1in") << QByteArray("fo:margin-left=\"-1in\"") << 0 << -1 << 0;
    QTest::newRow("2em") << QByteArray("fo:margin-left=\"2em\"") << 0 << -1 << 0;
    QTest::newRow("huge") << QByteArray("fo:margin-left=\"1e300in\"") << 0 << -1 << 64;
    QTest::newRow("not a number") << QByteArray("fo:margin-left=\"nanin\"") << 0 << -1 << 0;
}

void TestOdt::readsParagraphProperties()
{
    QFETCH(QByteArray, properties);
    QFETCH(int, alignment);
    QFETCH(int, direction);
    QFETCH(int, indent);
    QTextDocument document;
    const QByteArray style = paragraphStyle("P", "<style:paragraph-properties " + properties + "/>");
    QCOMPARE(read<OdtReader>(flat("<text:p text:style-name=\"P\">x</text:p>", QByteArray(), style), &document), QString());
    const QTextBlockFormat format = document.begin().blockFormat();
    QCOMPARE(format.intProperty(QTextFormat::BlockAlignment), alignment);
    QCOMPARE(format.hasProperty(QTextFormat::LayoutDirection) ? format.intProperty(QTextFormat::LayoutDirection) : -1,
             direction);
    QCOMPARE(format.hasProperty(QTextFormat::BlockIndent) ? format.indent() : -1, indent);
}

void TestOdt::stylesInherit_data()
{
    QTest::addColumn<QByteArray>("styles");
    QTest::addColumn<QByteArray>("automatic");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QString>("formats");

    const QByteArray standard = paragraphStyle("Standard", "<style:paragraph-properties fo:text-align=\"center\"/>"
                                                           "<style:text-properties fo:font-style=\"italic\"/>");
    const QByteArray p1 = paragraphStyle("P1", "<style:text-properties fo:font-weight=\"bold\"/>",
                                         "style:parent-style-name=\"Standard\"");
    const QByteArray usesP1("<text:p text:style-name=\"P1\">x</text:p>");
    QTest::newRow("parent defined before") << standard << p1 << usesP1 << 0 << 4 << "bold italic";
    QTest::newRow("parent defined after") << QByteArray() << p1 + standard << usesP1 << 0 << 4 << "bold italic";
    QTest::newRow("chain defined in reverse")
        << QByteArray()
        << paragraphStyle("A", "<style:text-properties fo:font-weight=\"bold\"/>", "style:parent-style-name=\"B\"")
               + paragraphStyle("B", "<style:paragraph-properties fo:text-align=\"end\"/>", "style:parent-style-name=\"C\"")
               + paragraphStyle("C", "<style:paragraph-properties fo:text-align=\"start\"/><style:text-properties "
                                     "style:text-underline-style=\"solid\"/>")
        << QByteArray("<text:p text:style-name=\"A\">x</text:p>") << 0 << 2 << "bold underline";
    QTest::newRow("span inside italic paragraph")
        << standard << textStyle("T1", "fo:font-weight=\"bold\"")
        << QByteArray("<text:p text:style-name=\"Standard\"><text:span text:style-name=\"T1\">x</text:span>y</text:p>")
        << 0 << 4 << "bold italic";
    QTest::newRow("span undoes bold of the paragraph style")
        << paragraphStyle("Strong", "<style:text-properties fo:font-weight=\"bold\" fo:font-style=\"italic\"/>")
        << textStyle("T1", "fo:font-weight=\"normal\" fo:font-style=\"normal\"")
        << QByteArray("<text:p text:style-name=\"Strong\"><text:span text:style-name=\"T1\">x</text:span>y</text:p>")
        << 0 << 0 << "";
    QTest::newRow("span undoes complex bold and italic of the paragraph style")
        << paragraphStyle("Strong", "<style:text-properties style:font-weight-complex=\"bold\" "
                                    "style:font-style-complex=\"italic\"/>")
        << textStyle("T1", "style:font-weight-complex=\"normal\" style:font-style-complex=\"normal\"")
        << QByteArray("<text:p text:style-name=\"Strong\"><text:span text:style-name=\"T1\">x</text:span>y</text:p>")
        << 0 << 0 << "";
    QTest::newRow("class names")
        << QByteArray() << textStyle("T1", "fo:font-weight=\"bold\"") + textStyle("T2", "style:text-position=\"sub\"")
        << QByteArray("<text:p><text:span text:style-name=\"T1\" text:class-names=\" T2  Missing \">x</text:span></text:p>")
        << 0 << 0 << "bold sub";
    QTest::newRow("heading without level") << QByteArray() << QByteArray() << QByteArray("<text:h>x</text:h>") << 1 << 0 << "";
    QTest::newRow("heading level attribute")
        << QByteArray() << QByteArray() << QByteArray("<text:h text:outline-level=\"9\">x</text:h>") << 6 << 0 << "";
    QTest::newRow("paragraph in heading style")
        << paragraphStyle("Heading-3", "<style:text-properties fo:font-weight=\"bold\"/>") << QByteArray()
        << QByteArray("<text:p text:style-name=\"Heading-3\">x</text:p>") << 3 << 0 << "";
    QTest::newRow("default outline level")
        << paragraphStyle("Titles", "", "style:default-outline-level=\"4\"") << QByteArray()
        << QByteArray("<text:h text:style-name=\"Titles\">x</text:h>") << 4 << 0 << "";
    QTest::newRow("missing style") << QByteArray() << QByteArray()
                                   << QByteArray("<text:p text:style-name=\"Nope\"><text:span text:style-name=\"No\">x</text:span></text:p>")
                                   << 0 << 0 << "";
    QTest::newRow("parent cycle")
        << QByteArray()
        << paragraphStyle("X", "<style:text-properties fo:font-weight=\"bold\"/>", "style:parent-style-name=\"Y\"")
               + paragraphStyle("Y", "<style:text-properties fo:font-style=\"italic\"/>", "style:parent-style-name=\"X\"")
               + paragraphStyle("X", "", "style:parent-style-name=\"X\"")
        << QByteArray("<text:p text:style-name=\"Y\">x</text:p>") << 0 << 0 << "bold italic";
}

void TestOdt::stylesInherit()
{
    QFETCH(QByteArray, styles);
    QFETCH(QByteArray, automatic);
    QFETCH(QByteArray, body);
    QFETCH(int, level);
    QFETCH(int, alignment);
    QFETCH(QString, formats);
    QTextDocument document;
    QCOMPARE(read<OdtReader>(flat(body, styles, automatic), &document), QString());
    QCOMPARE(headingLevel(document.begin()), level);
    QCOMPARE(document.begin().blockFormat().intProperty(QTextFormat::BlockAlignment), alignment);
    QCOMPARE(describe(charFormatAt(document, 0, 0)), formats);
}

void TestOdt::zippedFormReadsBothEntries()
{
    // Automatic styles of the content refer to common styles of the styles entry.
    QTextDocument document;
    const QByteArray bytes = zipped("<text:p text:style-name=\"P1\">x<text:span text:style-name=\"T1\">y</text:span></text:p>",
                                    paragraphStyle("Standard", "<style:text-properties fo:font-style=\"italic\"/>"),
                                    paragraphStyle("P1", "<style:paragraph-properties fo:margin-left=\"1in\"/>",
                                                   "style:parent-style-name=\"Standard\"")
                                        + textStyle("T1", "style:text-line-through-type=\"solid\""));
    QCOMPARE(read<OdtReader>(bytes, &document), QString());
    QCOMPARE(document.toPlainText(), QString("xy"));
    QCOMPARE(document.begin().blockFormat().indent(), 2);
    QCOMPARE(describe(charFormatAt(document, 0, 0)), QString("italic"));
    QCOMPARE(describe(charFormatAt(document, 0, 1)), QString("italic strike"));
}

void TestOdt::matchesNamespacesNotPrefixes()
{
    // The office namespaces under other prefixes, the text one as default.
    const QByteArray content(
        "<?xml version=\"1.0\"?><o:document xmlns:o=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:s=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
        "xmlns:f=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\">"
        "<o:automatic-styles><s:style s:name=\"B\" s:family=\"text\"><s:text-properties f:font-weight=\"bold\"/></s:style>"
        "</o:automatic-styles><o:body><o:text><h outline-level=\"2\">Head</h><p>plain <span style-name=\"B\">bold</span></p>"
        "</o:text></o:body></o:document>");
    QTextDocument document;
    QCOMPARE(read<OdtReader>(content, &document), QString());
    QCOMPARE(blockTexts(document), QStringList({"Head", "plain bold"}));
    QCOMPARE(headingLevel(document.begin()), 2);
    QCOMPARE(formatsOfWords(document, 1, {"plain", "bold"}), QStringList({"", "bold"}));
}

void TestOdt::reportsBadInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QByteArray good = zipped("<text:p>some text to give the archive some length</text:p>");
    QTest::newRow("broken zip") << QByteArray("PK\x03\x04 broken", 11) << "Unable to open archive.";
    QTest::newRow("truncated") << good.left(good.size() * 2 / 3) << "Unable to open archive.";
    QTest::newRow("no content")
        << zip({{QStringLiteral("mimetype"), QByteArray("application/vnd.oasis.opendocument.text")}})
        << "The archive holds no document.";
    QByteArray bomb = good;
    const int central = bomb.lastIndexOf(QByteArray("PK\x01\x02", 4));
    bomb[central + 27] = char(0x7F);
    QTest::newRow("declared size huge") << bomb << "The document is too large to open.";

    QTest::newRow("encrypted")
        << zip({{QStringLiteral("mimetype"), QByteArray("application/vnd.oasis.opendocument.text")},
                {QStringLiteral("content.xml"), QByteArray("\x8f\x13\xe2 encrypted bytes", 19)},
                {QStringLiteral("META-INF/manifest.xml"),
                 "<?xml version=\"1.0\"?><manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
                 "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\">"
                 "<manifest:encryption-data manifest:checksum-type=\"SHA1/1K\" manifest:checksum=\"x\">"
                 "<manifest:algorithm manifest:algorithm-name=\"Blowfish CFB\" manifest:initialisation-vector=\"y\"/>"
                 "</manifest:encryption-data></manifest:file-entry></manifest:manifest>"}})
        << "The document is encrypted.";
    QTest::newRow("not an opendocument file") << QByteArray("plain text") << "The document is not a supported word-processing document.";

    const QByteArray doctype = "<!DOCTYPE office:document [<!ENTITY a \"aaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>";
    QByteArray flatWithDoctype = flat("<text:p>&b;</text:p>");
    flatWithDoctype.insert(flatWithDoctype.indexOf("<office:document"), doctype);
    QTest::newRow("document type in a flat file") << flatWithDoctype << "The document is not a supported word-processing document.";
    QTest::newRow("document type in the content part")
        << zip({{QStringLiteral("content.xml"), "<?xml version=\"1.0\"?>" + doctype + "<office:document-content " + Namespaces
                                                    + "><office:body><office:text><text:p>&b;</text:p></office:text></office:body>"
                                                      "</office:document-content>"}})
        << "The document is not a supported word-processing document.";
    const QByteArray manyParagraphs = QByteArray("<text:p/>").repeated(600000);
    QTest::newRow("paragraphs beyond what the file may cost") << zipped(manyParagraphs) << "The document is too large to open.";
    // What the archive holds besides the parts read (pictures, padding)
    // buys the parts nothing.
    QTest::newRow("paragraphs beyond what the parts may cost, padded")
        << zip({{QStringLiteral("mimetype"), QByteArray("application/vnd.oasis.opendocument.text")},
                {QStringLiteral("content.xml"), "<?xml version=\"1.0\"?><office:document-content " + Namespaces
                                                    + "><office:body><office:text>" + manyParagraphs
                                                    + "</office:text></office:body></office:document-content>"},
                {QStringLiteral("Pictures/padding.bin"), incompressible(4 * 1024 * 1024)}})
        << "The document is too large to open.";
    QTest::newRow("unknown elements nested deeply")
        << zipped("<text:p>" + QByteArray("<text:unknown>").repeated(5000) + QByteArray("</text:unknown>").repeated(5000) + "</text:p>")
        << "The document is nested too deeply.";

    QByteArray deep("x");
    for (int i = 0; i < 3000; ++i)
        deep = "<text:span>" + deep + "</text:span>";
    QTest::newRow("deep spans") << flat("<text:p>" + deep + "</text:p>") << "The document is nested too deeply.";
    QByteArray sections("<text:p>x</text:p>");
    for (int i = 0; i < 3000; ++i)
        sections = "<text:section>" + sections + "</text:section>";
    QTest::newRow("deep sections") << zipped(sections) << "The document is nested too deeply.";
}

void TestOdt::reportsBadInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QTextDocument document;
    QCOMPARE(read<OdtReader>(bytes, &document), error);
}

void TestOdt::keepsTextBeforeXmlError()
{
    QTextDocument document;
    QByteArray broken = flat("<text:p>first</text:p><text:p>second</text:p><text:p>third</text:p>");
    broken.chop(40);
    QVERIFY(!read<OdtReader>(broken, &document).isEmpty());
    QCOMPARE(blockTexts(document).mid(0, 2), QStringList({"first", "second"}));
}

void TestOdt::readsLibreOfficeFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("zipped") << "data/sample.odt";
    QTest::newRow("flat") << "data/sample.fodt";
}

void TestOdt::readsLibreOfficeFiles()
{
    QFETCH(QString, file);
    QFile input(QFINDTESTDATA(file));
    QVERIFY(input.open(QIODevice::ReadOnly));
    QVERIFY(OdtReader::canRead(&input));
    QTextDocument document;
    QCOMPARE(read<OdtReader>(input.readAll(), &document), QString());
    const QStringList texts = blockTexts(document);
    QCOMPARE(texts.value(0), QString("Title heading"));
    QCOMPARE(headingLevel(document.findBlockByNumber(0)), 1);
    QCOMPARE(headingLevel(document.findBlockByNumber(1)), 2);
    QCOMPARE(headingLevel(document.findBlockByNumber(2)), 0);
    // The comment's author and date and the picture's data are no text.
    const QString body = texts.value(2);
    QCOMPARE(body, QString("Plain bold italic underline strike super sub end."));
    QCOMPARE(formatsOfWords(document, 2, {"Plain", "bold", "italic", "underline", "strike", "super", "sub"}),
             QStringList({"", "bold", "italic", "underline", "strike", "super", "sub"}));
    QCOMPARE(texts.value(3), QString::fromUtf8("\xe0\xb2\x95\xe0\xb2\xa8\xe0\xb3\x8d\xe0\xb2\xa8\xe0\xb2\xa1 \xe0\xb2\xaa\xe0\xb2\xa0\xe0\xb3\x8d\xe0\xb2\xaf"));
    QCOMPARE(texts.value(4), QString("Centred"));
    QCOMPARE(document.findBlockByNumber(4).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(texts.value(5), QString("Indented one inch"));
    QCOMPARE(document.findBlockByNumber(5).blockFormat().indent(), 2);
    QCOMPARE(texts.value(6), QString("Tab\there") + QChar(QChar::LineSeparator) + "next line");
    QCOMPARE(texts.value(7), QString("Four   spaces"));
    QCOMPARE(texts.mid(8, 4), QStringList({"List item one", "List item two", "Cell A1", "Cell B1"}));
    QCOMPARE(texts.value(12), QString("See the link here."));
    QCOMPARE(texts.value(13), QString("Picture:"));
    QCOMPARE(texts.size(), 14);
}

void TestOdt::readsQtOdfWriterFile()
{
    // The editor saves .odt files through Qt's own ODF writer, which puts
    // lists and tables in the file.
    QTextDocument original;
    QTextCursor cursor(&original);
    cursor.insertText(QStringLiteral("Before"));
    cursor.insertList(QTextListFormat::ListDisc);
    cursor.insertText(QString::fromUtf8("\xe0\xb2\x95\xe0\xb2\xa8\xe0\xb3\x8d\xe0\xb2\xa8\xe0\xb2\xa1 item"));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("Second item"));
    cursor.insertBlock(QTextBlockFormat());
    cursor.setBlockFormat(QTextBlockFormat());
    QTextTable *table = cursor.insertTable(1, 2);
    table->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("Cell A1"));
    table->cellAt(0, 1).firstCursorPosition().insertText(QStringLiteral("Cell B1"));
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("After"));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    QVERIFY(writer.write(&original));
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    QVERIFY(OdtReader::canRead(&buffer));

    QTextDocument document;
    QCOMPARE(read<OdtReader>(buffer.data(), &document), QString());
    // Every paragraph, list item and table cell, in order.
    QCOMPARE(blockTexts(document), blockTexts(original));
}

void TestOdt::writesElements_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QByteArray>("absent");

    QTest::newRow("empty document") << 0 << QByteArray("<office:text>\n   <text:p text:style-name=\"Normal\"/>") << QByteArray("style:family=\"text\"");
    QTest::newRow("shared paragraph style")
        << 1 << QByteArray("<text:p text:style-name=\"P1\">a</text:p>\n   <text:p text:style-name=\"P1\">b</text:p>")
        << QByteArray("\"P2\"");
    QTest::newRow("ignored block property")
        << 2 << QByteArray("<text:p text:style-name=\"Normal\">a</text:p>\n   <text:p text:style-name=\"P1\">b</text:p>")
        << QByteArray("\"P2\"");
    QTest::newRow("heading")
        << 3 << QByteArray("<text:h text:outline-level=\"2\" text:style-name=\"Heading-2\">x</text:h>") << QByteArray("\"P1\"");
    QTest::newRow("five spaces") << 4 << QByteArray(">a <text:s text:c=\"4\"/>b<") << QByteArray();
    QTest::newRow("spaces before tab") << 5 << QByteArray(">a <text:s text:c=\"2\"/><text:tab/>b <text:tab/>c<") << QByteArray();
    QTest::newRow("trailing spaces") << 6 << QByteArray(">a <text:s text:c=\"1\"/></text:p>") << QByteArray();
    QTest::newRow("rtl")
        << 7 << QByteArray("<style:paragraph-properties style:writing-mode=\"rl\" fo:text-align=\"left\"/>") << QByteArray();
    QTest::newRow("font family only") << 8 << QByteArray("<text:p text:style-name=\"Normal\">x</text:p>") << QByteArray("text:span");
    QTest::newRow("text style")
        << 9
        << QByteArray("<style:text-properties fo:font-weight=\"bold\" style:font-weight-complex=\"bold\" fo:font-style=\"italic\" "
                      "style:font-style-complex=\"italic\" style:text-underline-type=\"single\" "
                      "style:text-underline-style=\"solid\" style:text-line-through-type=\"single\" style:text-position=\"super\"/>")
        << QByteArray();
    QTest::newRow("indent") << 10 << QByteArray("fo:margin-left=\"1.5in\"") << QByteArray();
    QTest::newRow("line break and nul") << 11 << QByteArray(">a<text:line-break/>bc</text:p>") << QByteArray();
    // Other programs drop a plain space at a paragraph's start or after
    // another space in an earlier span.
    QTest::newRow("leading space") << 12 << QByteArray("\"Normal\"><text:s text:c=\"1\"/>a</text:p>") << QByteArray();
    QTest::newRow("leading spaces") << 13 << QByteArray("\"Normal\"><text:s text:c=\"3\"/>a</text:p>") << QByteArray();
    QTest::newRow("space after a span's space") << 14 << QByteArray("b </text:span><text:s text:c=\"1\"/>c") << QByteArray();
}

void TestOdt::writesElements()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, expected);
    QFETCH(QByteArray, absent);
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextBlockFormat block;
    QTextCharFormat chars;
    switch (kind) {
    case 1:
        block.setAlignment(Qt::AlignJustify);
        cursor.setBlockFormat(block);
        cursor.insertText("a");
        cursor.insertBlock();
        cursor.insertText("b");
        break;
    case 2:
        block.setTopMargin(5);
        cursor.setBlockFormat(block);
        cursor.insertText("a");
        block.setAlignment(Qt::AlignRight);
        cursor.insertBlock(block);
        cursor.insertText("b");
        break;
    case 3:
        block.setProperty(HeadingLevelProperty, 2);
        block.setAlignment(Qt::AlignRight);
        block.setIndent(2);
        cursor.setBlockFormat(block);
        cursor.insertText("x");
        break;
    case 4:
        cursor.insertText("a     b");
        break;
    case 5:
        cursor.insertText("a   \tb \tc");
        break;
    case 6:
        cursor.insertText("a  ");
        break;
    case 7:
        block.setLayoutDirection(Qt::RightToLeft);
        cursor.setBlockFormat(block);
        cursor.insertText("x");
        break;
    case 8:
        chars.setFontFamily("Tunga");
        cursor.insertText("x", chars);
        break;
    case 9:
        chars.setFontWeight(QFont::Bold);
        chars.setFontItalic(true);
        chars.setFontUnderline(true);
        chars.setFontStrikeOut(true);
        chars.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
        cursor.insertText("x", chars);
        break;
    case 10:
        block.setIndent(3);
        cursor.setBlockFormat(block);
        cursor.insertText("x");
        break;
    case 11:
        cursor.insertText(QString("a") + QChar(QChar::LineSeparator) + "b" + QChar(QChar::Null) + "c");
        break;
    case 12:
        cursor.insertText(" a");
        break;
    case 13:
        cursor.insertText("   a");
        break;
    case 14:
        cursor.insertText("a");
        chars.setFontWeight(QFont::Bold);
        cursor.insertText("b ", chars);
        cursor.insertText(" c", QTextCharFormat());
        break;
    default:
        break;
    }
    for (bool flatForm : {false, true}) {
        const QByteArray part = contentPart(&document, flatForm);
        QVERIFY2(part.contains(expected), part.constData());
        if (!absent.isEmpty())
            QVERIFY2(!part.contains(absent), part.constData());
    }
}

void TestOdt::writesPackage()
{
    QTextDocument document;
    document.setPlainText("hello");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    OdtWriter writer;
    QVERIFY(writer.write(&buffer, &document));
    QVERIFY(buffer.isOpen());
    const QByteArray package = buffer.data();
    // The stored mimetype entry first: the content probe recognises it.
    QCOMPARE(package.mid(30, 47), QByteArray("mimetypeapplication/vnd.oasis.opendocument.text"));
    buffer.close();
    buffer.open(QIODevice::ReadOnly);
    QVERIFY(OdtReader::canRead(&buffer));
    const QByteArray manifest = entry(package, "META-INF/manifest.xml");
    QVERIFY(manifest.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest "));
    QVERIFY(manifest.contains("\n <manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>\n"));
    const QByteArray styles = entry(package, "styles.xml");
    QVERIFY(styles.contains("<style:style style:name=\"Heading-6\" style:display-name=\"Heading 6\" style:family=\"paragraph\" "
                            "style:parent-style-name=\"Normal\" style:next-style-name=\"Normal\" style:default-outline-level=\"6\">"));
    // Other programs size and weight Indic (complex-script) text by the twins.
    QVERIFY(styles.contains("<style:text-properties fo:font-size=\"8pt\" fo:font-weight=\"bold\" "
                            "style:font-size-complex=\"8pt\" style:font-weight-complex=\"bold\"/>"));
    QVERIFY(!styles.contains("xmlns:text"));
    QVERIFY(entry(package, "content.xml").startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content "));

    OdtWriter flatWriter;
    flatWriter.setFlatXml(true);
    QBuffer flatBuffer;
    flatBuffer.open(QIODevice::WriteOnly);
    QVERIFY(flatWriter.write(&flatBuffer, &document));
    QVERIFY(flatBuffer.isOpen());
    flatBuffer.close();
    flatBuffer.open(QIODevice::ReadOnly);
    QVERIFY(OdtReader::canRead(&flatBuffer));
    QVERIFY(flatBuffer.data().contains("office:mimetype=\"application/vnd.oasis.opendocument.text\""));
    QVERIFY(flatBuffer.data().endsWith("</office:document>\n"));
}

void TestOdt::reportsDeviceFailure()
{
    QTextDocument document;
    document.setPlainText("text");
    for (bool flatForm : {false, true}) {
        OdtWriter writer;
        writer.setFlatXml(flatForm);
        FailingDevice failing;
        failing.open(QIODevice::WriteOnly);
        QVERIFY(!writer.write(&failing, &document));
        QVERIFY(failing.isOpen());
        QVERIFY(!writer.errorString().isEmpty());
        // The next write that succeeds leaves no error behind.
        QBuffer good;
        good.open(QIODevice::WriteOnly);
        QVERIFY(writer.write(&good, &document));
        QCOMPARE(writer.errorString(), QString());
    }
}

void TestOdt::replacesLoneSurrogates()
{
    QTextDocument document;
    insertCharactersXmlCannotCarry(&document);
    for (bool flatForm : {false, true}) {
        OdtWriter writer;
        writer.setFlatXml(flatForm);
        const QByteArray bytes = write(&document, writer);
        QVERIFY(!bytes.isEmpty());
        QTextDocument back;
        QCOMPARE(read<OdtReader>(bytes, &back), QString());
        QCOMPARE(blockTexts(back), charactersXmlCannotCarryReadBack());
    }
}

YAVO_TEST_MAIN(TestOdt)
#include "tst_odt.moc"
