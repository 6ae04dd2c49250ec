#include "testmain.h"

#include "formats/docxreader.h"
#include "formats/docxwriter.h"
#include "officetestutil.h"

#include <QTextCursor>
#include <QTextDocument>

using namespace OfficeTest;

namespace {

const QByteArray WordNs("xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"");
const QByteArray CompatibilityNs("xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\"");

QByteArray relationships(const QByteArray &relationship)
{
    return "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        + relationship + "</Relationships>";
}

QByteArray relationship(const QByteArray &type, const QByteArray &target)
{
    return "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + type
        + "\" Target=\"" + target + "\"/>";
}

QByteArray docx(const QByteArray &body, const QByteArray &styles = QByteArray())
{
    Entries entries;
    if (!styles.isEmpty())
        entries.append({QStringLiteral("word/styles.xml"),
                        "<?xml version=\"1.0\"?><w:styles " + WordNs + ">" + styles + "</w:styles>"});
    entries.append({QStringLiteral("word/document.xml"),
                    "<?xml version=\"1.0\"?><w:document " + WordNs + "><w:body>" + body + "</w:body></w:document>"});
    return zip(entries);
}

QByteArray run(const QByteArray &text, const QByteArray &properties = QByteArray())
{
    return "<w:r>" + (properties.isEmpty() ? QByteArray() : "<w:rPr>" + properties + "</w:rPr>")
        + "<w:t>" + text + "</w:t></w:r>";
}

QByteArray paragraph(const QByteArray &content, const QByteArray &properties = QByteArray())
{
    return "<w:p>" + (properties.isEmpty() ? QByteArray() : "<w:pPr>" + properties + "</w:pPr>") + content + "</w:p>";
}

QByteArray documentPart(QTextDocument *document)
{
    DocxWriter writer;
    return entry(write(document, writer), QStringLiteral("word/document.xml"));
}

} // namespace

class TestDocx : public QObject
{
    Q_OBJECT

private slots:
    void readsText_data();
    void readsText();
    void readsRunProperties_data();
    void readsRunProperties();
    void readsParagraphProperties_data();
    void readsParagraphProperties();
    void stylesInheritAndYield_data();
    void stylesInheritAndYield();
    void findsPartsAndNamespaces_data();
    void findsPartsAndNamespaces();
    void readsTemplatesAndMacroEnabledPackages_data();
    void readsTemplatesAndMacroEnabledPackages();
    void styleCycleEnds();
    void paragraphMarkFormatsOnlyTheBlock();
    void firstParagraphMergesIntoCursorBlock();
    void reportsBadPackages_data();
    void reportsBadPackages();
    void keepsTextBeforeXmlError();
    void readsLibreOfficeFile();

    void writesElements_data();
    void writesElements();
    void writesPackage();
    void writesThePackageKindOfItsName_data();
    void writesThePackageKindOfItsName();
    void reportsDeviceFailure();
    void replacesLoneSurrogates();
};

void TestDocx::readsText_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("blocks");

    QTest::newRow("two paragraphs") << paragraph(run("one")) + paragraph(run("two")) << QStringList{"one", "two"};
    QTest::newRow("inner space kept") << paragraph(run("a b")) << QStringList{"a b"};
    QTest::newRow("blank text dropped") << paragraph(run("x") + run("   ") + run("y")) << QStringList{"xy"};
    QTest::newRow("blank text preserved")
        << paragraph("<w:r><w:t>x</w:t><w:t xml:space=\"preserve\">  </w:t><w:t>y</w:t></w:r>") << QStringList{"x  y"};
    QTest::newRow("tab and breaks")
        << paragraph("<w:r><w:t>a</w:t><w:tab/><w:t>b</w:t><w:br w:type=\"page\"/><w:t>c</w:t><w:cr/></w:r>")
        << QStringList{QString("a\tb") + QChar(QChar::LineSeparator) + "c" + QChar(QChar::LineSeparator)};
    QTest::newRow("inline containers")
        << paragraph("<w:hyperlink w:history=\"1\">" + run("link ") + "</w:hyperlink>"
                     "<w:ins w:id=\"1\">" + run("inserted ") + "</w:ins>"
                     "<w:smartTag>" + run("tag ") + "</w:smartTag>"
                     "<w:sdt><w:sdtPr><w:alias w:val=\"x\"/></w:sdtPr><w:sdtContent>" + run("control ") + "</w:sdtContent></w:sdt>"
                     "<w:customXml>" + run("custom ") + "</w:customXml>"
                     "<w:fldSimple w:instr=\"PAGE\">" + run("7") + "</w:fldSimple>"
                     "<w:dir w:val=\"rtl\">" + run(" embedded") + "</w:dir><w:bdo w:val=\"ltr\">" + run(" override") + "</w:bdo>")
        << QStringList{"link inserted tag control custom 7 embedded override"};
    QTest::newRow("deleted text and field code skipped")
        << paragraph(run("kept") + "<w:del w:id=\"2\"><w:r><w:delText>gone</w:delText></w:r></w:del>"
                     "<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText> DATE </w:instrText></w:r>"
                     "<w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>" + run("!") + "<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>")
        << QStringList{"kept!"};
    QTest::newRow("table cells")
        << paragraph(run("before")) + "<w:tbl><w:tblPr/><w:tr><w:tc>" + paragraph(run("A1")) + "</w:tc><w:tc>"
               + paragraph(run("B1")) + paragraph(run("B1b")) + "</w:tc></w:tr></w:tbl>" + paragraph(run("after"))
        << QStringList{"before", "A1", "B1", "B1b", "after"};
    QTest::newRow("block content control")
        << "<w:sdt><w:sdtContent>" + paragraph(run("in control")) + "</w:sdtContent></w:sdt>" << QStringList{"in control"};
    // Content controls (structured document tags) hold text of the
    // document wherever they stand: a table of contents with its title,
    // form fields, cells, rows, whole tables.
    const QByteArray properties = "<w:sdtPr><w:id w:val=\"-1\"/><w:docPartObj><w:docPartGallery w:val=\"Table of Contents\"/>"
                                  "<w:docPartUnique/></w:docPartObj></w:sdtPr><w:sdtEndPr/>";
    const auto control = [&](const QByteArray &content) {
        return "<w:sdt>" + properties + "<w:sdtContent>" + content + "</w:sdtContent></w:sdt>";
    };
    QTest::newRow("table of contents")
        << control(paragraph(run("Contents"), "<w:pStyle w:val=\"TOCHeading\"/>")
                   + paragraph("<w:r><w:fldChar w:fldCharType=\"begin\"/></w:r><w:r><w:instrText xml:space=\"preserve\"> TOC \\o "
                               "</w:instrText></w:r><w:r><w:fldChar w:fldCharType=\"separate\"/></w:r>"
                               "<w:hyperlink w:anchor=\"_Toc1\">" + run("Chapter 1") + "</w:hyperlink>"))
               + paragraph("<w:r><w:fldChar w:fldCharType=\"end\"/></w:r>") + paragraph(run("Body"))
        << QStringList{"Contents", "Chapter 1", "", "Body"};
    QTest::newRow("nested controls")
        << control(control(paragraph(run("inner"))) + paragraph(run("outer")))
        << QStringList{"inner", "outer"};
    QTest::newRow("in a cell")
        << "<w:tbl><w:tr><w:tc>" + control(paragraph(run("cell"))) + "</w:tc></w:tr></w:tbl>" << QStringList{"cell"};
    QTest::newRow("around a cell")
        << "<w:tbl><w:tr>" + control("<w:tc>" + paragraph(run("row")) + "</w:tc>") + "</w:tr></w:tbl>"
        << QStringList{"row"};
    QTest::newRow("around a row")
        << "<w:tbl>" + control("<w:tr><w:tc>" + paragraph(run("rows")) + "</w:tc></w:tr>") + "</w:tbl>"
        << QStringList{"rows"};
    QTest::newRow("around a table")
        << control("<w:tbl><w:tr><w:tc>" + paragraph(run("table")) + "</w:tc></w:tr></w:tbl>") << QStringList{"table"};
    QTest::newRow("in a run's place, nested and in a link")
        << paragraph(run("a ") + control(run("b ") + control(run("c "))) + "<w:hyperlink>" + control(run("d")) + "</w:hyperlink>")
        << QStringList{"a b c d"};
    QTest::newRow("other prefix unknown")
        << QByteArray("<w:p><x:r xmlns:x=\"y\"><x:t>no</x:t></x:r></w:p>") << QStringList{""};
    QTest::newRow("line feed in text stays in block")
        << paragraph("<w:r><w:t xml:space=\"preserve\">a\nb</w:t></w:r>") << QStringList{"a b"};
    // Word writes emoji and symbols as a choice for new readers with a
    // fallback for the others.
    QTest::newRow("alternate content in a run")
        << paragraph("<w:r><w:t xml:space=\"preserve\">smile </w:t><mc:AlternateContent " + CompatibilityNs
                     + "><mc:Choice Requires=\"w16se\"><w16se:symEx xmlns:w16se=\"http://schemas.microsoft.com/office/word/2015/wordml/symex\" "
                       "w16se:font=\"Segoe UI Emoji\" w16se:char=\"1F600\"/></mc:Choice><mc:Fallback><w:t>\xF0\x9F\x98\x80</w:t>"
                       "</mc:Fallback></mc:AlternateContent><w:t xml:space=\"preserve\"> done</w:t></w:r>")
        << QStringList{QString::fromUtf8("smile \xF0\x9F\x98\x80 done")};
    QTest::newRow("alternate content: the fallback replaces the choice")
        << paragraph("<mc:AlternateContent " + CompatibilityNs + "><mc:Choice Requires=\"wps\">" + run("choice")
                     + "</mc:Choice><mc:Fallback>" + run("fallback") + "</mc:Fallback></mc:AlternateContent>" + run("!"))
        << QStringList{"fallback!"};
    QTest::newRow("alternate content without fallback: the first choice")
        << paragraph("<w:r><mc:AlternateContent " + CompatibilityNs + "><mc:Choice Requires=\"w14\"><w:t>first</w:t></mc:Choice>"
                     "<mc:Choice Requires=\"w15\"><w:t>second</w:t></mc:Choice></mc:AlternateContent></w:r>")
        << QStringList{"first"};
    QTest::newRow("ruby keeps its base text")
        << paragraph(run("kan ") + "<w:r><w:ruby><w:rubyPr><w:rubyAlign w:val=\"center\"/></w:rubyPr><w:rt>" + run("reading")
                     + "</w:rt><w:rubyBase>" + run("BASE") + "</w:rubyBase></w:ruby></w:r>" + run(" ji"))
        << QStringList{"kan BASE ji"};
    QTest::newRow("hyphens and symbols")
        << paragraph("<w:r><w:t>non</w:t><w:noBreakHyphen/><w:t>breaking soft</w:t><w:softHyphen/><w:t>ware</w:t>"
                     "<w:sym w:font=\"Symbol\" w:char=\"03B1\"/><w:sym w:font=\"Wingdings\" w:char=\"F04A\"/>"
                     "<w:sym w:char=\"0007\"/></w:r>")
        << QStringList{QString::fromUtf8("non\u2011breaking soft\u00ADware\u03B1\uF04A\uFFFD")};
    QTest::newRow("drop cap joins its paragraph")
        << paragraph(run("D"), "<w:keepNext/><w:framePr w:dropCap=\"drop\" w:lines=\"3\" w:wrap=\"around\" w:vAnchor=\"text\" "
                               "w:hAnchor=\"text\"/><w:spacing w:line=\"1017\"/>")
               + paragraph(run("rop cap.")) + paragraph(run("next"))
        << QStringList{"Drop cap.", "next"};
    QTest::newRow("frame without drop cap")
        << paragraph(run("framed"), "<w:framePr w:dropCap=\"none\" w:w=\"2000\"/>") + paragraph(run("next"))
        << QStringList{"framed", "next"};
    QTest::newRow("kannada") << paragraph(run("\xe0\xb2\x95\xe0\xb2\xa8\xe0\xb3\x8d\xe0\xb2\xa8\xe0\xb2\xa1"))
                             << QStringList{QString::fromUtf8("\xe0\xb2\x95\xe0\xb2\xa8\xe0\xb3\x8d\xe0\xb2\xa8\xe0\xb2\xa1")};
}

void TestDocx::readsText()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, blocks);
    QTextDocument document;
    QCOMPARE(read<DocxReader>(docx(body), &document), QString());
    QCOMPARE(blockTexts(document), blocks);
}

void TestDocx::readsRunProperties_data()
{
    QTest::addColumn<QByteArray>("properties");
    QTest::addColumn<QString>("formats");

    QTest::newRow("b") << QByteArray("<w:b/>") << "bold";
    QTest::newRow("b true") << QByteArray("<w:b w:val=\"true\"/>") << "bold";
    QTest::newRow("b on") << QByteArray("<w:b w:val=\"on\"/>") << "bold";
    QTest::newRow("b other") << QByteArray("<w:b w:val=\"yes\"/>") << "bold";
    QTest::newRow("b 0") << QByteArray("<w:b w:val=\"0\"/>") << "";
    QTest::newRow("b false") << QByteArray("<w:b w:val=\"false\"/>") << "";
    QTest::newRow("b off") << QByteArray("<w:b w:val=\"off\"/>") << "";
    QTest::newRow("bCs") << QByteArray("<w:bCs/>") << "bold";
    QTest::newRow("last wins") << QByteArray("<w:b/><w:b w:val=\"0\"/>") << "";
    QTest::newRow("i") << QByteArray("<w:i/>") << "italic";
    QTest::newRow("u single") << QByteArray("<w:u w:val=\"single\"/>") << "underline";
    QTest::newRow("u wave") << QByteArray("<w:u w:val=\"wave\"/>") << "underline";
    QTest::newRow("u none") << QByteArray("<w:u w:val=\"single\"/><w:u w:val=\"none\"/>") << "";
    QTest::newRow("u unknown") << QByteArray("<w:u w:val=\"sparkle\"/>") << "";
    QTest::newRow("strike") << QByteArray("<w:strike/>") << "strike";
    QTest::newRow("superscript") << QByteArray("<w:vertAlign w:val=\"superscript\"/>") << "super";
    QTest::newRow("subscript") << QByteArray("<w:vertAlign w:val=\"subscript\"/>") << "sub";
    QTest::newRow("baseline") << QByteArray("<w:vertAlign w:val=\"subscript\"/><w:vertAlign w:val=\"baseline\"/>") << "";
    QTest::newRow("all") << QByteArray("<w:b/><w:i/><w:strike/><w:u w:val=\"double\"/><w:sz w:val=\"40\"/>")
                         << "bold italic underline strike";
}

void TestDocx::readsRunProperties()
{
    QFETCH(QByteArray, properties);
    QFETCH(QString, formats);
    QTextDocument document;
    QCOMPARE(read<DocxReader>(docx(paragraph(run("x", properties) + run("y"))), &document), QString());
    QCOMPARE(document.toPlainText(), QString("xy"));
    QCOMPARE(describe(charFormatAt(document, 0, 0)), formats);
    QCOMPARE(describe(charFormatAt(document, 0, 1)), QString());
}

void TestDocx::readsParagraphProperties_data()
{
    QTest::addColumn<QByteArray>("properties");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("direction"); // -1: not set
    QTest::addColumn<int>("indent");    // -1: not set
    QTest::addColumn<int>("level");

    QTest::newRow("jc center") << QByteArray("<w:jc w:val=\"center\"/>") << int(Qt::AlignCenter) << -1 << -1 << 0;
    QTest::newRow("jc both") << QByteArray("<w:jc w:val=\"both\"/>") << int(Qt::AlignJustify) << -1 << -1 << 0;
    QTest::newRow("jc end") << QByteArray("<w:jc w:val=\"end\"/>") << int(Qt::AlignRight) << -1 << -1 << 0;
    QTest::newRow("jc left after textDirection rl")
        << QByteArray("<w:textDirection w:val=\"rl\"/><w:jc w:val=\"left\"/>") << 17 << 1 << -1 << 0;
    // Sides of a right-to-left paragraph are as seen, as other word processors write them.
    QTest::newRow("jc left after bidi") << QByteArray("<w:bidi/><w:jc w:val=\"left\"/>") << 17 << 1 << -1 << 0;
    QTest::newRow("jc right before bidi") << QByteArray("<w:jc w:val=\"right\"/><w:bidi/>") << 18 << 1 << -1 << 0;
    QTest::newRow("jc start in rtl") << QByteArray("<w:bidi/><w:jc w:val=\"start\"/>") << 1 << 1 << -1 << 0;
    QTest::newRow("bidi false") << QByteArray("<w:bidi w:val=\"0\"/>") << 0 << -1 << -1 << 0;
    QTest::newRow("ind 1080") << QByteArray("<w:ind w:left=\"1080\"/>") << 0 << -1 << 2 << 0;
    QTest::newRow("ind 360") << QByteArray("<w:ind w:left=\"360\"/>") << 0 << -1 << 1 << 0;
    QTest::newRow("ind 300") << QByteArray("<w:ind w:left=\"300\"/>") << 0 << -1 << -1 << 0;
    QTest::newRow("ind rtl right") << QByteArray("<w:bidi/><w:ind w:left=\"5000\" w:right=\"1440\"/>") << 0 << 1 << 2 << 0;
    QTest::newRow("ind start wins") << QByteArray("<w:ind w:start=\"720\" w:left=\"5000\"/>") << 0 << -1 << 1 << 0;
    QTest::newRow("ind huge bounded") << QByteArray("<w:ind w:left=\"99999999999999999999\"/>") << 0 << -1 << 64 << 0;
    QTest::newRow("ind negative") << QByteArray("<w:ind w:left=\"-1440\"/>") << 0 << -1 << -1 << 0;
    QTest::newRow("outline 0") << QByteArray("<w:outlineLvl w:val=\"0\"/>") << 0 << -1 << -1 << 1;
    QTest::newRow("outline 9") << QByteArray("<w:outlineLvl w:val=\"9\"/>") << 0 << -1 << -1 << 0;
    QTest::newRow("outline 7") << QByteArray("<w:outlineLvl w:val=\"7\"/>") << 0 << -1 << -1 << 6;
    QTest::newRow("outline negative") << QByteArray("<w:outlineLvl w:val=\"-4\"/>") << 0 << -1 << -1 << 1;
    QTest::newRow("outline text") << QByteArray("<w:outlineLvl w:val=\"x\"/>") << 0 << -1 << -1 << 1;
    QTest::newRow("outline largest int") << QByteArray("<w:outlineLvl w:val=\"2147483647\"/>") << 0 << -1 << -1 << 6;
}

void TestDocx::readsParagraphProperties()
{
    QFETCH(QByteArray, properties);
    QFETCH(int, alignment);
    QFETCH(int, direction);
    QFETCH(int, indent);
    QFETCH(int, level);
    QTextDocument document;
    QCOMPARE(read<DocxReader>(docx(paragraph(run("x"), properties)), &document), QString());
    const QTextBlockFormat format = document.begin().blockFormat();
    QCOMPARE(format.intProperty(QTextFormat::BlockAlignment), alignment);
    QCOMPARE(format.hasProperty(QTextFormat::LayoutDirection) ? format.intProperty(QTextFormat::LayoutDirection) : -1,
             direction);
    QCOMPARE(format.hasProperty(QTextFormat::BlockIndent) ? format.indent() : -1, indent);
    QCOMPARE(headingLevel(document.begin()), level);
}

void TestDocx::stylesInheritAndYield_data()
{
    QTest::addColumn<QByteArray>("styles");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("indent");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("formats");

    const QByteArray p3 = "<w:style w:type=\"paragraph\" w:styleId=\"P3\"><w:name w:val=\"P3\"/>"
                          "<w:pPr><w:jc w:val=\"center\"/><w:ind w:left=\"720\"/></w:pPr><w:rPr><w:i/></w:rPr></w:style>";
    const QByteArray p2 = "<w:style w:type=\"paragraph\" w:styleId=\"P2\"><w:basedOn w:val=\"P3\"/>"
                          "<w:pPr><w:ind w:left=\"1440\"/></w:pPr><w:rPr><w:strike/></w:rPr></w:style>";
    const QByteArray p1 = "<w:style w:type=\"paragraph\" w:styleId=\"P1\"><w:basedOn w:val=\"P2\"/>"
                          "<w:pPr><w:jc w:val=\"right\"/></w:pPr></w:style>";
    const QByteArray usesP1 = paragraph(run("x"), "<w:pStyle w:val=\"P1\"/>");

    QTest::newRow("based on, defined earlier") << p3 + p2 + p1 << usesP1 << int(Qt::AlignRight) << 2 << 0 << "italic strike";
    QTest::newRow("based on, defined later") << p1 + p2 + p3 << usesP1 << int(Qt::AlignRight) << 2 << 0 << "italic strike";
    QTest::newRow("own properties beat the style")
        << p3 << paragraph(run("x"), "<w:pStyle w:val=\"P3\"/><w:jc w:val=\"both\"/><w:ind w:left=\"2160\"/>")
        << int(Qt::AlignJustify) << 3 << 0 << "italic";
    const QByteArray emphasis = "<w:style w:type=\"character\" w:styleId=\"E\"><w:rPr><w:b/><w:u w:val=\"single\"/></w:rPr></w:style>";
    QTest::newRow("run beats character style")
        << emphasis << paragraph(run("x", "<w:rStyle w:val=\"E\"/><w:b w:val=\"0\"/>")) << 0 << -1 << 0 << "underline";
    const QByteArray heading = "<w:style w:type=\"paragraph\" w:styleId=\"Heading2\"><w:name w:val=\"heading 2\"/>"
                               "<w:pPr><w:outlineLvl w:val=\"1\"/></w:pPr><w:rPr><w:b/></w:rPr></w:style>"
                               "<w:style w:type=\"paragraph\" w:styleId=\"T\"><w:name w:val=\"Heading 3\"/></w:style>";
    QTest::newRow("heading text not bold")
        << heading << paragraph(run("x"), "<w:pStyle w:val=\"Heading2\"/>") << 0 << -1 << 2 << "";
    QTest::newRow("heading run bold")
        << heading << paragraph(run("x", "<w:b/>"), "<w:pStyle w:val=\"Heading2\"/>") << 0 << -1 << 2 << "bold";
    QTest::newRow("heading by name") << heading << paragraph(run("x"), "<w:pStyle w:val=\"T\"/>") << 0 << -1 << 3 << "";
    // Style names as Word's built-in styles and other producers store them.
    const QByteArray named = "<w:style w:type=\"paragraph\" w:styleId=\"H\"><w:name w:val=\"heading 4\"/></w:style>"
                             "<w:style w:type=\"paragraph\" w:styleId=\"U\"><w:name w:val=\"HEADING 2\"/></w:style>"
                             "<w:style w:type=\"paragraph\" w:styleId=\"R\"><w:name w:val=\"header\"/></w:style>";
    QTest::newRow("heading by lower-case name") << named << paragraph(run("x"), "<w:pStyle w:val=\"H\"/>") << 0 << -1 << 4 << "";
    QTest::newRow("heading by upper-case name") << named << paragraph(run("x"), "<w:pStyle w:val=\"U\"/>") << 0 << -1 << 2 << "";
    QTest::newRow("header is no heading") << named << paragraph(run("x"), "<w:pStyle w:val=\"R\"/>") << 0 << -1 << 0 << "";
    const QByteArray character = "<w:style w:type=\"character\" w:styleId=\"C\"><w:rPr><w:i/></w:rPr></w:style>";
    const QByteArray basedOnCharacter = "<w:style w:type=\"paragraph\" w:styleId=\"PC\"><w:basedOn w:val=\"C\"/></w:style>";
    QTest::newRow("paragraph style on earlier character style")
        << character + basedOnCharacter << paragraph(run("x"), "<w:pStyle w:val=\"PC\"/>") << 0 << -1 << 0 << "";
    QTest::newRow("paragraph style on later character style")
        << basedOnCharacter + character << paragraph(run("x"), "<w:pStyle w:val=\"PC\"/>") << 0 << -1 << 0 << "italic";
    QTest::newRow("defaults")
        << QByteArray("<w:docDefaults><w:rPrDefault><w:rPr><w:i/></w:rPr></w:rPrDefault>"
                      "<w:pPrDefault><w:pPr><w:jc w:val=\"center\"/></w:pPr></w:pPrDefault></w:docDefaults>"
                      "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:pPr><w:ind w:left=\"720\"/></w:pPr>"
                      "<w:rPr><w:strike/></w:rPr></w:style>"
                      "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"D\"><w:rPr><w:u w:val=\"single\"/></w:rPr></w:style>")
        << paragraph(run("x")) << int(Qt::AlignCenter) << 1 << 0 << "italic underline";
    QTest::newRow("missing style") << QByteArray() << paragraph(run("x", "<w:rStyle w:val=\"Nope\"/>"), "<w:pStyle w:val=\"Nope\"/>")
                                   << 0 << -1 << 0 << "";
}

void TestDocx::stylesInheritAndYield()
{
    QFETCH(QByteArray, styles);
    QFETCH(QByteArray, body);
    QFETCH(int, alignment);
    QFETCH(int, indent);
    QFETCH(int, level);
    QFETCH(QString, formats);
    QTextDocument document;
    QCOMPARE(read<DocxReader>(docx(body, styles.isEmpty() ? QByteArray("<w:latentStyles/>") : styles), &document), QString());
    const QTextBlockFormat format = document.begin().blockFormat();
    QCOMPARE(format.intProperty(QTextFormat::BlockAlignment), alignment);
    QCOMPARE(format.hasProperty(QTextFormat::BlockIndent) ? format.indent() : -1, indent);
    QCOMPARE(headingLevel(document.begin()), level);
    QCOMPARE(describe(charFormatAt(document, 0, 0)), formats);
}

void TestDocx::findsPartsAndNamespaces_data()
{
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<QStringList>("blocks");
    QTest::addColumn<int>("level");

    const QByteArray styles = "<?xml version=\"1.0\"?><w:styles " + WordNs
        + "><w:style w:type=\"paragraph\" w:styleId=\"T\"><w:name w:val=\"Heading 2\"/></w:style></w:styles>";
    const QByteArray document = "<?xml version=\"1.0\"?><w:document " + WordNs + "><w:body>"
        + paragraph(run("main"), "<w:pStyle w:val=\"T\"/>") + "</w:body></w:document>";
    QTest::newRow("parts named by the relationships")
        << zip({{QStringLiteral("_rels/.rels"), relationships(relationship("officeDocument", "word/document2.xml"))},
                {QStringLiteral("word/_rels/document2.xml.rels"), relationships(relationship("styles", "styles2.xml"))},
                {QStringLiteral("word/document2.xml"), document},
                {QStringLiteral("word/styles2.xml"), styles}})
        << QStringList{"main"} << 2;
    QTest::newRow("targets from the package root")
        << zip({{QStringLiteral("_rels/.rels"), relationships(relationship("officeDocument", "/doc/main.xml"))},
                {QStringLiteral("doc/_rels/main.xml.rels"), relationships(relationship("styles", "../shared/s.xml"))},
                {QStringLiteral("doc/main.xml"), document},
                {QStringLiteral("shared/s.xml"), styles}})
        << QStringList{"main"} << 2;
    QTest::newRow("relationships name a missing part")
        << zip({{QStringLiteral("_rels/.rels"), relationships(relationship("officeDocument", "word/gone.xml"))},
                {QStringLiteral("word/document.xml"), document},
                {QStringLiteral("word/styles.xml"), styles}})
        << QStringList{"main"} << 2;

    // The same document with WordprocessingML as the default namespace,
    // under another prefix, and in its strict form.
    QTest::newRow("default namespace")
        << zip({{QStringLiteral("word/document.xml"),
                 "<?xml version=\"1.0\"?><document xmlns=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                 "<body><p><pPr><outlineLvl val=\"1\"/></pPr><r><t>main</t></r></p></body></document>"}})
        << QStringList{"main"} << 2;
    QTest::newRow("other prefix")
        << zip({{QStringLiteral("word/document.xml"),
                 "<?xml version=\"1.0\"?><ns0:document xmlns:ns0=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                 "<ns0:body><ns0:p><ns0:pPr><ns0:outlineLvl ns0:val=\"1\"/></ns0:pPr><ns0:r><ns0:t>main</ns0:t></ns0:r></ns0:p>"
                 "</ns0:body></ns0:document>"}})
        << QStringList{"main"} << 2;
    QTest::newRow("strict namespace")
        << zip({{QStringLiteral("word/document.xml"),
                 "<?xml version=\"1.0\"?><w:document xmlns:w=\"http://purl.oclc.org/ooxml/wordprocessingml/main\">"
                 "<w:body><w:p><w:pPr><w:outlineLvl w:val=\"1\"/></w:pPr><w:r><w:t>main</w:t></w:r></w:p></w:body></w:document>"}})
        << QStringList{"main"} << 2;
}

void TestDocx::findsPartsAndNamespaces()
{
    QFETCH(QByteArray, package);
    QFETCH(QStringList, blocks);
    QFETCH(int, level);
    QTextDocument document;
    QCOMPARE(read<DocxReader>(package, &document), QString());
    QCOMPARE(blockTexts(document), blocks);
    QCOMPARE(headingLevel(document.begin()), level);
}

// The parts of a package as Word writes them, for a main part of the given
// content type; a macro-enabled one holds its macros in a part of its own.
static QByteArray wordPackage(const QByteArray &contentType, const QString &mainPart, bool withRelationship,
                       const QByteArray &body)
{
    Entries entries;
    entries.append({QStringLiteral("[Content_Types].xml"),
                    "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                    "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                    "<Default Extension=\"bin\" ContentType=\"application/vnd.ms-office.vbaProject\"/>"
                    "<Override PartName=\"/" + mainPart.toUtf8() + "\" ContentType=\"" + contentType + "\"/></Types>"});
    if (withRelationship)
        entries.append({QStringLiteral("_rels/.rels"), relationships(relationship("officeDocument", mainPart.toUtf8()))});
    entries.append({QStringLiteral("word/_rels/document.xml.rels"),
                    relationships("<Relationship Id=\"rId9\" Type=\"http://schemas.microsoft.com/office/2006/"
                                  "relationships/vbaProject\" Target=\"vbaProject.bin\"/>")});
    entries.append({QStringLiteral("word/vbaProject.bin"), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 macros", 15)});
    entries.append({mainPart, "<?xml version=\"1.0\"?><w:document " + WordNs + "><w:body>" + body + "</w:body></w:document>"});
    return zip(entries);
}

void TestDocx::readsTemplatesAndMacroEnabledPackages_data()
{
    QTest::addColumn<QByteArray>("package");

    const QByteArray body = paragraph(run("text of the package"));
    const QPair<const char *, QByteArray> kinds[] = {
        {"docm", "application/vnd.ms-word.document.macroEnabled.main+xml"},
        {"dotx", "application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml"},
        {"dotm", "application/vnd.ms-word.template.macroEnabledTemplate.main+xml"},
    };
    for (const auto &kind : kinds) {
        QTest::addRow("%s", kind.first) << wordPackage(kind.second, QStringLiteral("word/document.xml"), true, body);
        // A package whose relationships are lost still declares its main part.
        QTest::addRow("%s named by its content type only", kind.first)
            << wordPackage(kind.second, QStringLiteral("word/main.xml"), false, body);
    }
}

// Templates and macro-enabled documents give their text; the macros are
// never read.
void TestDocx::readsTemplatesAndMacroEnabledPackages()
{
    QFETCH(QByteArray, package);
    QTextDocument document;
    QCOMPARE(read<DocxReader>(package, &document), QString());
    QCOMPARE(blockTexts(document), QStringList{"text of the package"});
}

void TestDocx::styleCycleEnds()
{
    const QByteArray styles = "<w:style w:type=\"paragraph\" w:styleId=\"A\"><w:basedOn w:val=\"B\"/><w:rPr><w:i/></w:rPr></w:style>"
                              "<w:style w:type=\"paragraph\" w:styleId=\"B\"><w:basedOn w:val=\"A\"/><w:rPr><w:strike/></w:rPr></w:style>"
                              "<w:style w:type=\"paragraph\" w:styleId=\"S\"><w:basedOn w:val=\"S\"/></w:style>"
                              "<w:style w:type=\"paragraph\" w:styleId=\"A\"><w:basedOn w:val=\"B\"/></w:style>";
    QTextDocument document;
    QCOMPARE(read<DocxReader>(docx(paragraph(run("x"), "<w:pStyle w:val=\"B\"/>") + paragraph(run("y"), "<w:pStyle w:val=\"S\"/>"), styles),
                              &document),
             QString());
    QCOMPARE(blockTexts(document), QStringList({"x", "y"}));
    QCOMPARE(describe(charFormatAt(document, 0, 0)), QString("italic strike"));
}

void TestDocx::paragraphMarkFormatsOnlyTheBlock()
{
    QTextDocument document;
    QCOMPARE(read<DocxReader>(docx(paragraph(run("plain") + run("bold", "<w:b/>"), "<w:rPr><w:b/><w:i/></w:rPr>")), &document),
             QString());
    QCOMPARE(describe(document.begin().charFormat()), QString("bold italic"));
    QCOMPARE(describe(charFormatAt(document, 0, 0)), QString());
    QCOMPARE(describe(charFormatAt(document, 0, 5)), QString("bold"));
}

void TestDocx::firstParagraphMergesIntoCursorBlock()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextBlockFormat initial;
    initial.setTopMargin(7);
    cursor.setBlockFormat(initial);
    QCOMPARE(read<DocxReader>(docx(paragraph(run("a"), "<w:jc w:val=\"center\"/>") + paragraph(run("b"))), &document), QString());
    QCOMPARE(document.blockCount(), 2);
    QCOMPARE(document.begin().blockFormat().topMargin(), 7.0);
    QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignCenter);
    // The cursor's initial block format lies beneath every paragraph.
    QCOMPARE(document.lastBlock().blockFormat().topMargin(), 7.0);
    // One edit block: the whole load is one undo step.
    document.undo();
    QCOMPARE(document.toPlainText(), QString());
    QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignLeft);
}

void TestDocx::reportsBadPackages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    const QByteArray good = docx(paragraph(run("some text that makes the archive a little longer")));
    QTest::newRow("not a zip") << QByteArray("PK\x03\x04 nothing else here") << "Unable to open archive.";
    QTest::newRow("compound file") << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0')
                                   << "The document is encrypted or not a word-processing document.";
    QTest::newRow("empty") << QByteArray() << "Unable to open archive.";
    QTest::newRow("archive without entries") << zip(Entries()) << "Unable to open archive.";
    QTest::newRow("truncated") << good.left(good.size() / 2) << "Unable to open archive.";
    QTest::newRow("no document part")
        << zip({{QStringLiteral("word/styles.xml"), QByteArray("<w:styles/>")}}) << "The archive holds no document.";

    // Damage the deflated bytes of the document part: the checksum notices.
    QByteArray damaged = good;
    const int dataStart = damaged.indexOf("word/document.xml") + int(qstrlen("word/document.xml"));
    for (int i = dataStart + 4; i < dataStart + 12; ++i)
        damaged[i] = char(damaged.at(i) ^ 0x5a);
    QTest::newRow("damaged entry") << damaged << "The archive is damaged.";

    // An entry whose directory record declares 3 GB: a zip bomb is refused
    // before anything is inflated.
    QByteArray bomb = good;
    const int central = bomb.lastIndexOf(QByteArray("PK\x01\x02", 4));
    QVERIFY(central > 0);
    bomb[central + 24] = char(0x00);
    bomb[central + 25] = char(0x00);
    bomb[central + 26] = char(0x00);
    bomb[central + 27] = char(0xC0);
    QTest::newRow("declared size huge") << bomb << "The document is too large to open.";

    // Found by fuzzing: a compressed size near 4 GB made the zip code loop.
    QFile found(QFINDTESTDATA("data/fuzz-docx-bad-compressed-size.docx"));
    QVERIFY(found.open(QIODevice::ReadOnly));
    QTest::newRow("compressed size huge") << found.readAll() << "The document is too large to open.";

    // Entities nested in a document type declaration cost gigabytes; no
    // part of a package has one.
    const QByteArray doctype = "<?xml version=\"1.0\"?><!DOCTYPE w:document [<!ENTITY a \"aaaaaaaa\">"
                               "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]>";
    const QString notSupported = QStringLiteral("The document is not a supported word-processing document.");
    QTest::newRow("document type in the document part")
        << zip({{QStringLiteral("word/document.xml"),
                 doctype + "<w:document " + WordNs + "><w:body>" + paragraph(run("&c;")) + "</w:body></w:document>"}})
        << notSupported;
    QTest::newRow("document type in the styles part")
        << zip({{QStringLiteral("word/styles.xml"), doctype + "<w:styles " + WordNs + "/>"},
                {QStringLiteral("word/document.xml"), "<w:document " + WordNs + "/>"}})
        << notSupported;
    QTest::newRow("document type in the relationships")
        << zip({{QStringLiteral("_rels/.rels"), doctype + relationships(relationship("officeDocument", "word/document.xml"))},
                {QStringLiteral("word/document.xml"), "<w:document " + WordNs + "/>"}})
        << notSupported;

    // Compressed XML stands for far more than its size: a small file may
    // not ask for the paragraphs of a large one.
    const QByteArray manyParagraphs = QByteArray("<w:p/>").repeated(600000);
    QTest::newRow("paragraphs beyond what the file may cost") << docx(manyParagraphs) << "The document is too large to open.";
    // What the archive holds besides the parts read (pictures, padding)
    // buys the parts nothing.
    QTest::newRow("paragraphs beyond what the parts may cost, padded")
        << zip({{QStringLiteral("word/document.xml"),
                 "<?xml version=\"1.0\"?><w:document " + WordNs + "><w:body>" + manyParagraphs + "</w:body></w:document>"},
                {QStringLiteral("word/media/padding.bin"), incompressible(4 * 1024 * 1024)}})
        << "The document is too large to open.";
    QByteArray inflating = good;
    const int record = inflating.lastIndexOf(QByteArray("PK\x01\x02", 4));
    QVERIFY(record > 0);
    const quint32 declared = 200 * 1024 * 1024;
    for (int i = 0; i < 4; ++i)
        inflating[record + 24 + i] = char(declared >> (8 * i));
    QTest::newRow("parts inflating beyond what the file may cost") << inflating << "The document is too large to open.";

    QByteArray deep = paragraph(run("x"));
    for (int i = 0; i < 5000; ++i)
        deep = "<w:tbl><w:tr><w:tc>" + deep + "</w:tc></w:tr></w:tbl>";
    QTest::newRow("deep nesting") << docx(deep) << "The document is nested too deeply.";
    // Runs in runs are no part of a document; a million of them must not
    // read as an empty one.
    QTest::newRow("a million nested runs")
        << docx(paragraph(QByteArray("<w:r>").repeated(1000000) + "<w:t>x</w:t>" + QByteArray("</w:r>").repeated(1000000)))
        << "The document is nested too deeply.";
}

void TestDocx::reportsBadPackages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QTextDocument document;
    QCOMPARE(read<DocxReader>(bytes, &document), error);
}

void TestDocx::keepsTextBeforeXmlError()
{
    QTextDocument document;
    const QString error = read<DocxReader>(docx(paragraph(run("first")) + paragraph(run("second")) + "<w:p><w:r>"), &document);
    QVERIFY(!error.isEmpty());
    QCOMPARE(blockTexts(document).mid(0, 2), QStringList({"first", "second"}));
}

void TestDocx::readsLibreOfficeFile()
{
    QFile file(QFINDTESTDATA("data/sample.docx"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    QCOMPARE(read<DocxReader>(file.readAll(), &document), QString());
    const QStringList texts = blockTexts(document);
    QVERIFY2(texts.size() >= 8, qPrintable(texts.join('|')));
    QCOMPARE(texts.at(0), QString("Title heading"));
    QCOMPARE(headingLevel(document.findBlockByNumber(0)), 1);
    QCOMPARE(headingLevel(document.findBlockByNumber(1)), 2);
    QCOMPARE(headingLevel(document.findBlockByNumber(2)), 0);
    const QString body = texts.at(2);
    QVERIFY2(body.startsWith("Plain bold italic underline strike super sub"), qPrintable(body));
    QCOMPARE(formatsOfWords(document, 2, {"Plain", "bold", "italic", "underline", "strike", "super", "sub"}),
             QStringList({"", "bold", "italic", "underline", "strike", "super", "sub"}));
    QVERIFY(texts.contains(QString::fromUtf8("\xe0\xb2\x95\xe0\xb2\xa8\xe0\xb3\x8d\xe0\xb2\xa8\xe0\xb2\xa1 \xe0\xb2\xaa\xe0\xb2\xa0\xe0\xb3\x8d\xe0\xb2\xaf")));
    const int centred = texts.indexOf("Centred");
    QVERIFY(centred > 0);
    QCOMPARE(document.findBlockByNumber(centred).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const int indented = texts.indexOf("Indented one inch");
    QVERIFY(indented > 0);
    QCOMPARE(document.findBlockByNumber(indented).blockFormat().indent(), 2);
    QVERIFY(texts.contains(QString("Tab\there") + QChar(QChar::LineSeparator) + "next line"));
    QVERIFY(texts.contains("List item one"));
    QVERIFY(texts.contains("Cell A1"));
    QVERIFY(texts.contains("Cell B1"));
    QVERIFY(texts.contains("See the link here."));
}

void TestDocx::writesElements_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty document") << 0 << QByteArray("<w:body><w:p/></w:body>");
    QTest::newRow("rtl centred heading")
        << 1 << QByteArray("<w:p><w:pPr><w:pStyle w:val=\"Heading2\"/><w:bidi w:val=\"1\"/><w:ind w:right=\"720\"/>"
                           "<w:jc w:val=\"center\"/></w:pPr>");
    QTest::newRow("plain left paragraph") << 2 << QByteArray("<w:body><w:p><w:r><w:t xml:space=\"preserve\">x</w:t></w:r></w:p>");
    QTest::newRow("rtl paragraph") << 3 << QByteArray("<w:pPr><w:bidi w:val=\"1\"/><w:jc w:val=\"right\"/></w:pPr>");
    QTest::newRow("weight 81 not bold") << 4 << QByteArray("<w:r><w:t xml:space=\"preserve\">x</w:t></w:r>");
    QTest::newRow("tabs") << 5 << QByteArray("<w:r><w:t xml:space=\"preserve\">a</w:t><w:tab/><w:tab/><w:t xml:space=\"preserve\">b</w:t></w:r>");
    QTest::newRow("line separator only") << 6 << QByteArray("<w:p><w:r><w:br/></w:r></w:p>");
    QTest::newRow("block char format") << 7 << QByteArray("<w:p><w:pPr><w:rPr><w:b/><w:bCs/></w:rPr></w:pPr></w:p>");
    QTest::newRow("negative indent") << 8 << QByteArray("<w:body><w:p><w:r>");
    QTest::newRow("schema order")
        << 9 << QByteArray("<w:rPr><w:b/><w:bCs/><w:i/><w:iCs/><w:strike/><w:u w:val=\"single\"/><w:vertAlign w:val=\"superscript\"/></w:rPr>");
    QTest::newRow("level beyond 6") << 11 << QByteArray("<w:pPr><w:pStyle w:val=\"Heading6\"/></w:pPr>");
    QTest::newRow("justified indented") << 10 << QByteArray("<w:pPr><w:ind w:left=\"2160\"/><w:jc w:val=\"both\"/></w:pPr>");
}

void TestDocx::writesElements()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, expected);
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextBlockFormat block;
    QTextCharFormat chars;
    switch (kind) {
    case 1:
        block.setProperty(HeadingLevelProperty, 2);
        block.setLayoutDirection(Qt::RightToLeft);
        block.setAlignment(Qt::AlignHCenter);
        block.setIndent(1);
        cursor.setBlockFormat(block);
        cursor.insertText("x");
        break;
    case 2:
        block.setAlignment(Qt::AlignLeft);
        cursor.setBlockFormat(block);
        cursor.insertText("x");
        break;
    case 3:
        block.setAlignment(Qt::AlignLeft);
        block.setLayoutDirection(Qt::RightToLeft);
        cursor.setBlockFormat(block);
        cursor.insertText("x");
        break;
    case 4:
        chars.setFontWeight(81);
        cursor.insertText("x", chars);
        break;
    case 5:
        cursor.insertText("a\t\tb");
        break;
    case 6:
        cursor.insertText(QString(QChar::LineSeparator));
        break;
    case 7:
        chars.setFontWeight(QFont::Bold);
        cursor.setBlockCharFormat(chars);
        break;
    case 8:
        block.setIndent(-2);
        cursor.setBlockFormat(block);
        cursor.insertText("x");
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
        block.setAlignment(Qt::AlignJustify);
        block.setIndent(3);
        cursor.setBlockFormat(block);
        cursor.insertText("x");
        break;
    case 11:
        block.setProperty(HeadingLevelProperty, 9);
        cursor.setBlockFormat(block);
        cursor.insertText("x");
        break;
    default:
        break;
    }
    const QByteArray part = documentPart(&document);
    QVERIFY2(part.contains(expected), part.constData());
}

void TestDocx::writesPackage()
{
    QTextDocument document;
    document.setPlainText("hello");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    DocxWriter writer;
    QVERIFY(writer.write(&buffer, &document));
    // The caller flushes and closes its device.
    QVERIFY(buffer.isOpen());
    QVERIFY(buffer.isWritable());
    const QByteArray package = buffer.data();
    QVERIFY(package.startsWith("PK\x03\x04"));
    // The entries, in order.
    int last = -1;
    for (const char *name : {"_rels/.rels", "word/_rels/document.xml.rels", "word/document.xml", "word/styles.xml",
                             "[Content_Types].xml"}) {
        const int at = package.indexOf(name);
        QVERIFY2(at > last, name);
        last = at;
    }
    QCOMPARE(entry(package, "_rels/.rels"),
             QByteArray("<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                        "<Relationship Target=\"word/document.xml\" Id=\"pkgRId0\" "
                        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\"/></Relationships>"));
    const QByteArray styles = entry(package, "word/styles.xml");
    QVERIFY(styles.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:styles "));
    QVERIFY(styles.contains("<w:style w:type=\"paragraph\" w:styleId=\"Heading3\"><w:name w:val=\"Heading 3\"/>"
                            "<w:basedOn w:val=\"Normal\"/><w:next w:val=\"Normal\"/><w:pPr><w:outlineLvl w:val=\"2\"/></w:pPr>"
                            "<w:rPr><w:b/><w:bCs/><w:sz w:val=\"28\"/><w:szCs w:val=\"28\"/></w:rPr></w:style>"));
    QVERIFY(!styles.contains("w:default"));
    QCOMPARE(entry(package, "word/_rels/document.xml.rels"),
             QByteArray("<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                        "<Relationship Target=\"styles.xml\" Id=\"docRId0\" "
                        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\"/></Relationships>"));
    QCOMPARE(entry(package, "[Content_Types].xml"),
             QByteArray("<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                        "<Default Extension=\"xml\" "
                        "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
                        "<Override PartName=\"/word/styles.xml\" "
                        "ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/></Types>"));
    const QByteArray start("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><w:document "
                           "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>");
    QCOMPARE(entry(package, "word/document.xml").left(start.size()), start);
}

void TestDocx::writesThePackageKindOfItsName_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("contentType");

    QTest::newRow("docx") << "docx" << QByteArray("application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
    QTest::newRow("DOCM") << "DOCM" << QByteArray("application/vnd.ms-word.document.macroEnabled.main+xml");
    QTest::newRow("dotx") << "dotx" << QByteArray("application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml");
    QTest::newRow("dotm") << "dotm" << QByteArray("application/vnd.ms-word.template.macroEnabledTemplate.main+xml");
    QTest::newRow("other") << "bin" << QByteArray("application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
}

// A package is written as the kind its file name says, so that word
// processors that check the two against each other open it.
void TestDocx::writesThePackageKindOfItsName()
{
    QFETCH(QString, suffix);
    QFETCH(QByteArray, contentType);

    QTextDocument document(QStringLiteral("kind"));
    DocxWriter writer;
    writer.setFileSuffix(suffix);
    const QByteArray package = write(&document, writer);
    const QByteArray types = entry(package, QStringLiteral("[Content_Types].xml"));
    QVERIFY2(types.contains("<Default Extension=\"xml\" ContentType=\"" + contentType + "\"/>"), types.constData());
    QVERIFY(!types.contains("vbaProject"));
    QTextDocument readBack;
    QCOMPARE(read<DocxReader>(package, &readBack), QString());
    QCOMPARE(readBack.toPlainText(), QStringLiteral("kind"));
}

void TestDocx::reportsDeviceFailure()
{
    QTextDocument document;
    document.setPlainText("text");
    DocxWriter writer;
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

    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    DocxWriter second;
    QVERIFY(!second.write(&readOnly, &document));
    QCOMPARE(readOnly.size(), qint64(0));
    QVERIFY(!second.errorString().isEmpty());
}

void TestDocx::replacesLoneSurrogates()
{
    QTextDocument document;
    insertCharactersXmlCannotCarry(&document);
    DocxWriter writer;
    const QByteArray package = write(&document, writer);
    QVERIFY(!package.isEmpty());
    QTextDocument back;
    QCOMPARE(read<DocxReader>(package, &back), QString());
    QCOMPARE(blockTexts(back), charactersXmlCannotCarryReadBack());
}

YAVO_TEST_MAIN(TestDocx)
#include "tst_docx.moc"
