#include "testmain.h"

#include "formats/rtfreader.h"

#include <QBuffer>
#include <QFile>
#include <QTextCodec>
#include <QTextBlock>
#include <QTextDocument>

namespace {

struct ReadResult
{
    QString text;
    QString errorText;
    QByteArray encoding;
    QStringList blocks;
};

ReadResult read(QTextDocument &document, QByteArray rtf)
{
    QBuffer buffer(&rtf);
    buffer.open(QIODevice::ReadOnly);
    RtfReader reader;
    reader.cursor = QTextCursor(&document);
    reader.readData(&buffer);
    ReadResult result;
    result.text = document.toPlainText();
    result.errorText = reader.errorText;
    result.encoding = reader.encoding;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        result.blocks << block.text();
    return result;
}

// The character format at the first occurrence of a character.
QTextCharFormat formatOf(QTextDocument &document, QChar c)
{
    QTextCursor cursor = document.find(QString(c));
    return cursor.charFormat();
}

int headingLevel(const QTextBlock &block)
{
    return block.blockFormat().intProperty(HeadingLevelProperty);
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void mixedEscapes();
    void symbols_data();
    void symbols();
    void charFormats_data();
    void charFormats();
    void blockFormats_data();
    void blockFormats();
    void paragraphs_data();
    void paragraphs();
    void unicodeSkip_data();
    void unicodeSkip();
    void codePages_data();
    void codePages();
    void codecForCodePage();
    void errors_data();
    void errors();
    void fontCharsets_data();
    void fontCharsets();
    void stylesheetWords_data();
    void stylesheetWords();
    void headingStyles();
    void hiddenTextStaysHidden_data();
    void hiddenTextStaysHidden();
    void unnumberedStyleEntries();
    void boundedInput_data();
    void boundedInput();
    void insertsAtCursorInOneEditBlock();
    void wordStyleFile();
    void libreOfficeFile();
};

void TestRtfReader::mixedEscapes()
{
    QTextDocument document;
    const ReadResult result = read(document, "{\\rtf1\\ansicpg1251\\uc1 A\\u3221?B{\\b C}\\'e0\\par}");
    QVERIFY(result.errorText.isEmpty());
    QCOMPARE(result.blocks, QStringList { QString::fromUtf8("AಕBCа") });
    QCOMPARE(result.encoding, QByteArray("CP1251"));
    for (int i = 0; i < result.text.size(); ++i) {
        QTextCursor cursor(&document);
        cursor.setPosition(i);
        cursor.setPosition(i + 1, QTextCursor::KeepAnchor);
        QCOMPARE(cursor.charFormat().fontWeight() == QFont::Bold, result.text.at(i) == QLatin1Char('C'));
    }
}

void TestRtfReader::symbols_data()
{
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<int>("unit");

    QTest::newRow("backslash") << QByteArray("\\\\") << 0x5C;
    QTest::newRow("_") << QByteArray("\\_") << 0x2011;
    QTest::newRow("{") << QByteArray("\\{") << 0x7B;
    QTest::newRow("|") << QByteArray("\\|") << 0xB7;
    QTest::newRow("}") << QByteArray("\\}") << 0x7D;
    QTest::newRow("~") << QByteArray("\\~") << 0xA0;
    QTest::newRow("-") << QByteArray("\\-") << 0xAD;
    QTest::newRow("bullet") << QByteArray("\\bullet ") << 0x2022;
    QTest::newRow("emdash") << QByteArray("\\emdash ") << 0x2014;
    QTest::newRow("emspace") << QByteArray("\\emspace ") << 0x2003;
    QTest::newRow("endash") << QByteArray("\\endash ") << 0x2013;
    QTest::newRow("lquote") << QByteArray("\\lquote ") << 0x2018;
    QTest::newRow("line") << QByteArray("\\line ") << 0x2028;
    QTest::newRow("ltrmark") << QByteArray("\\ltrmark ") << 0x200E;
    QTest::newRow("qmspace") << QByteArray("\\qmspace ") << 0x2004;
    QTest::newRow("rdblquote") << QByteArray("\\rdblquote ") << 0x201D;
    QTest::newRow("rquote") << QByteArray("\\rquote ") << 0x2019;
    QTest::newRow("rtlmark") << QByteArray("\\rtlmark ") << 0x200F;
    QTest::newRow("tab") << QByteArray("\\tab ") << 0x09;
    QTest::newRow("zwj") << QByteArray("\\zwj ") << 0x200D;
    QTest::newRow("zwnj") << QByteArray("\\zwnj ") << 0x200C;
    QTest::newRow("enspace") << QByteArray("\\enspace ") << 0x2002;
    QTest::newRow("ldblquote") << QByteArray("\\ldblquote ") << 0x201C;
    QTest::newRow("unknown word is ignored") << QByteArray("\\fs24 ") << 0;
}

void TestRtfReader::symbols()
{
    QFETCH(QByteArray, word);
    QFETCH(int, unit);

    QTextDocument document;
    const ReadResult result = read(document, "{\\rtf1 a" + word + "b}");
    QVERIFY(result.errorText.isEmpty());
    QString expected = QStringLiteral("a");
    if (unit != 0)
        expected += QChar(ushort(unit));
    expected += QLatin1Char('b');
    QCOMPARE(document.begin().text(), expected);
}

void TestRtfReader::charFormats_data()
{
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<bool>("strikeOut");
    QTest::addColumn<int>("verticalAlignment");

    QTest::newRow("unknown word") << QByteArray("\\fs20") << int(QFont::Normal) << false << false << false << 0;
    QTest::newRow("b") << QByteArray("\\b") << int(QFont::Bold) << false << false << false << 0;
    QTest::newRow("b0") << QByteArray("\\b\\b0") << int(QFont::Normal) << false << false << false << 0;
    QTest::newRow("i") << QByteArray("\\i") << int(QFont::Normal) << true << false << false << 0;
    QTest::newRow("i0") << QByteArray("\\i\\i0") << int(QFont::Normal) << false << false << false << 0;
    QTest::newRow("strike") << QByteArray("\\strike") << int(QFont::Normal) << false << false << true << 0;
    QTest::newRow("striked") << QByteArray("\\striked1") << int(QFont::Normal) << false << false << true << 0;
    for (const char *word : { "ul", "uld", "uldash", "uldashd", "uldb", "ulth", "ulw", "ulwave", "ulhwave", "ululdbwave" })
        QTest::newRow(word) << QByteArray("\\") + word << int(QFont::Normal) << false << true << false << 0;
    QTest::newRow("ulnone") << QByteArray("\\ul\\ulnone") << int(QFont::Normal) << false << false << false << 0;
    QTest::newRow("ul0") << QByteArray("\\ul\\ul0") << int(QFont::Normal) << false << false << false << 0;
    QTest::newRow("super") << QByteArray("\\super") << int(QFont::Normal) << false << false << false << 1;
    QTest::newRow("sub") << QByteArray("\\sub") << int(QFont::Normal) << false << false << false << 2;
    QTest::newRow("nosupersub") << QByteArray("\\sub\\nosupersub") << int(QFont::Normal) << false << false << false << 0;
    QTest::newRow("plain resets") << QByteArray("\\b\\i\\ul\\plain") << int(QFont::Normal) << false << false << false << 0;
    QTest::newRow("all") << QByteArray("\\b\\i\\ul\\strike\\super") << int(QFont::Bold) << true << true << true << 1;
    // The complex-script twins, which office programs write for Kannada.
    QTest::newRow("ab") << QByteArray("\\ab") << int(QFont::Bold) << false << false << false << 0;
    QTest::newRow("ai") << QByteArray("\\ai") << int(QFont::Normal) << true << false << false << 0;
    QTest::newRow("ab0") << QByteArray("\\ab\\ab0") << int(QFont::Normal) << false << false << false << 0;
    QTest::newRow("ab, then b0") << QByteArray("\\ab\\b0") << int(QFont::Bold) << false << false << false << 0;
    QTest::newRow("b, then ab0") << QByteArray("\\b\\ab0") << int(QFont::Bold) << false << false << false << 0;
    QTest::newRow("ai, then i0") << QByteArray("\\ai\\i0") << int(QFont::Normal) << true << false << false << 0;
    QTest::newRow("plain resets ab and ai") << QByteArray("\\ab\\ai\\plain") << int(QFont::Normal) << false << false << false << 0;
    QTest::newRow("complex run of an office program")
        << QByteArray("\\rtlch\\af1\\afs24\\ab\\ai\\ltrch\\b0\\i0\\loch\\f1\\fs24") << int(QFont::Bold) << true << false << false << 0;
}

void TestRtfReader::charFormats()
{
    QFETCH(QByteArray, words);
    QFETCH(int, weight);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(bool, strikeOut);
    QFETCH(int, verticalAlignment);

    QTextDocument document;
    QVERIFY(read(document, "{\\rtf1 a{" + words + " x}b}").errorText.isEmpty());
    QCOMPARE(document.toPlainText(), QStringLiteral("axb"));
    const QTextCharFormat format = formatOf(document, QLatin1Char('x'));
    QCOMPARE(format.fontWeight(), weight);
    QCOMPARE(format.fontItalic(), italic);
    QCOMPARE(format.fontUnderline(), underline);
    QCOMPARE(format.fontStrikeOut(), strikeOut);
    QCOMPARE(int(format.verticalAlignment()), verticalAlignment);
    // The group end restores the outer format.
    const QTextCharFormat after = formatOf(document, QLatin1Char('b'));
    QVERIFY(after.fontWeight() != QFont::Bold);
    QVERIFY(!after.fontItalic() && !after.fontUnderline() && !after.fontStrikeOut());
}

void TestRtfReader::blockFormats_data()
{
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("indent");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("heading");

    const int ltr = Qt::LeftToRight;
    const int rtl = Qt::RightToLeft;
    const int aut = Qt::LayoutDirectionAuto;
    const int left = Qt::AlignLeft;
    QTest::newRow("none") << QByteArray("") << left << 0 << aut << 0;
    QTest::newRow("qc") << QByteArray("\\qc") << int(Qt::AlignHCenter) << 0 << aut << 0;
    QTest::newRow("qj") << QByteArray("\\qj") << int(Qt::AlignJustify) << 0 << aut << 0;
    QTest::newRow("ql") << QByteArray("\\ql") << int(Qt::AlignLeft | Qt::AlignAbsolute) << 0 << aut << 0;
    QTest::newRow("qr") << QByteArray("\\qr") << int(Qt::AlignRight | Qt::AlignAbsolute) << 0 << aut << 0;
    QTest::newRow("li720") << QByteArray("\\li720") << left << 1 << aut << 0;
    QTest::newRow("li360 rounds away from zero") << QByteArray("\\li360") << left << 1 << aut << 0;
    QTest::newRow("li-360") << QByteArray("\\li-360") << left << -1 << aut << 0;
    QTest::newRow("li1000") << QByteArray("\\li1000") << left << 1 << aut << 0;
    QTest::newRow("rtlpar") << QByteArray("\\rtlpar") << int(Qt::AlignLeft | Qt::AlignAbsolute) << 0 << rtl << 0;
    QTest::newRow("rtlpar keeps centre") << QByteArray("\\qc\\rtlpar") << int(Qt::AlignHCenter) << 0 << rtl << 0;
    QTest::newRow("ltrpar") << QByteArray("\\rtlpar\\ltrpar") << int(Qt::AlignLeft | Qt::AlignAbsolute) << 0 << ltr << 0;
    QTest::newRow("outlinelevel0") << QByteArray("\\outlinelevel0") << left << 0 << aut << 1;
    QTest::newRow("outlinelevel4") << QByteArray("\\outlinelevel4") << left << 0 << aut << 5;
    QTest::newRow("outlinelevel9") << QByteArray("\\outlinelevel9") << left << 0 << aut << 6;
    QTest::newRow("outlinelevel negative") << QByteArray("\\outlinelevel-4") << left << 0 << aut << 1;
    QTest::newRow("outlinelevel largest int") << QByteArray("\\outlinelevel2147483647") << left << 0 << aut << 6;
    QTest::newRow("pard") << QByteArray("\\qc\\li1440\\outlinelevel1\\pard") << left << 0 << aut << 0;
    const QByteArray stylesheet("{\\stylesheet{\\s1\\qc\\li720\\outlinelevel2\\b Heading 3;}}");
    QTest::newRow("stylesheet words reach the first paragraph") << stylesheet << int(Qt::AlignHCenter) << 1 << aut << 3;
    QTest::newRow("pard after the stylesheet") << stylesheet + "\\pard" << left << 0 << aut << 0;
}

void TestRtfReader::blockFormats()
{
    QFETCH(QByteArray, words);
    QFETCH(int, alignment);
    QFETCH(int, indent);
    QFETCH(int, direction);
    QFETCH(int, heading);

    QTextDocument document;
    QVERIFY(read(document, "{\\rtf1" + words + " x}").errorText.isEmpty());
    const QTextBlockFormat format = document.begin().blockFormat();
    QCOMPARE(int(format.alignment()), alignment);
    QCOMPARE(format.indent(), indent);
    QCOMPARE(int(format.layoutDirection()), direction);
    QCOMPARE(format.intProperty(HeadingLevelProperty), heading);
}

void TestRtfReader::paragraphs_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("blocks");

    QTest::newRow("par before group end") << QByteArray("{\\rtf1 a\\par}") << QStringList { "a" };
    QTest::newRow("par before ignored group") << QByteArray("{\\rtf1 a\\par{\\*\\x y}}") << QStringList { "a", "" };
    QTest::newRow("two paragraphs") << QByteArray("{\\rtf1 a\\par b\\par}") << QStringList { "a", "b" };
    QTest::newRow("backslash line break") << QByteArray("{\\rtf1 a\\\nb\\\r\nc}") << QStringList { "a", "b", "c" };
    // Each escaped line end breaks the paragraph, a carriage return and the
    // line feed after it too, however the text around them is gathered.
    QTest::newRow("escaped carriage return and line feed")
        << QByteArray("{\\rtf1 a\\'0d\\'0ab\\u13?\\u10?c}") << QStringList { "a", "", "b", "", "c" };
    QTest::newRow("paragraph groups")
        << QByteArray("{\\rtf1\n{\\pard\\plain\\s0 a\\par}\n{\\pard\\plain\\s0\\par}\n{\\pard\\plain\\s0 b\\par}\n}")
        << QStringList { "a", "", "b" };
    QTest::newRow("bytes after the last group are not read") << QByteArray("{\\rtf1 a}b\\par c") << QStringList { "a" };
    QTest::newRow("outer group never closed") << QByteArray("{\\rtf1 a\\par b\\par ") << QStringList { "a", "b" };
    QTest::newRow("ignored destinations")
        << QByteArray("{\\rtf1{\\info{\\title T}}{\\colortbl;\\red0;}{\\*\\generator G;}{\\pict\\bin2 {}}x}")
        << QStringList { "x" };
    QTest::newRow("file table ignored") << QByteArray("{\\rtf1{\\filetbl{\\file\\fid1 a.doc;}\\par}x}") << QStringList { "x" };
    // A cell ends with a tab (the last of a row with the row), a row, page,
    // section or column with a paragraph break.
    QTest::newRow("table cells and rows")
        << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl one\\cell two\\cell\\row"
                      "\\trowd\\cellx1000\\cellx2000\\pard\\intbl\\cell four\\cell\\row\\pard after\\par}")
        << QStringList { "one\ttwo", "\tfour", "after" };
    QTest::newRow("page, section and column breaks")
        << QByteArray("{\\rtf1 a\\page b\\sect\\sectd c\\column d\\par\\page e}") << QStringList { "a", "b", "c", "d", "e" };
    QTest::newRow("headers and footers left out")
        << QByteArray("{\\rtf1{\\header\\pard head\\par}{\\footerl foot}{\\headerf first}{\\*\\ftnsep sep}body}")
        << QStringList { "body" };
    // Footnotes follow the text; their mark stays where they are cited.
    QTest::newRow("footnotes after the text")
        << QByteArray("{\\rtf1 Sentence{\\super\\chftn}{\\footnote\\pard\\plain{\\super\\chftn} Note text.\\par} goes on.\\par"
                      "{\\pard\\s1\\outlinelevel0 Heading{\\super\\chftn}{\\footnote\\pard{\\super\\chftn}Second.}\\par}}")
        << QStringList { "Sentence1 goes on.", "Heading2", "1 Note text.", "2 Second." };
    QTest::newRow("nested-table fallback left out")
        << QByteArray("{\\rtf1 a{\\*\\nesttableprops\\trowd\\nestrow}{\\nonesttables fallback\\par}b}") << QStringList { "ab" };
    QTest::newRow("list definition outside the list table")
        << QByteArray("{\\rtf1{\\list\\listtemplateid1{\\listlevel{\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}}"
                      "{\\listname L;}\\listid1}body}")
        << QStringList { "body" };
    // \\* marks only an unknown destination as one to skip.
    QTest::newRow("text after a character style")
        << QByteArray("{\\rtf1{\\i0\\*\\cs7 The quick brown fox}}") << QStringList { "The quick brown fox" };
}

void TestRtfReader::paragraphs()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, blocks);
    QTextDocument document;
    const ReadResult result = read(document, rtf);
    QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
    QCOMPARE(result.blocks, blocks);
}

void TestRtfReader::unicodeSkip_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("one fallback") << QByteArray("{\\rtf1 \\u3221?x}") << QString::fromUtf8("ಕx");
    QTest::newRow("uc0 keeps the fallback") << QByteArray("{\\rtf1\\uc0 \\u3221?}") << QString::fromUtf8("ಕ?");
    QTest::newRow("uc2 over text") << QByteArray("{\\rtf1\\uc2 \\u3221 abc}") << QString::fromUtf8("ಕc");
    QTest::newRow("uc2 over escapes") << QByteArray("{\\rtf1\\uc2 \\u3221\\'e0\\'e1bc}") << QString::fromUtf8("ಕbc");
    QTest::newRow("uc2 across tokens") << QByteArray("{\\rtf1\\uc2 \\u3221\\'e0bc}") << QString::fromUtf8("ಕc");
    QTest::newRow("negative") << QByteArray("{\\rtf1 \\u-3?}") << QString(QChar(0xFFFD));
    QTest::newRow("u0 inserts nothing") << QByteArray("{\\rtf1 \\u0?x}") << QStringLiteral("x");
    QTest::newRow("group end stops the skip") << QByteArray("{\\rtf1{\\uc3 \\u3221}x}") << QString::fromUtf8("ಕx");
    QTest::newRow("group start stops the skip")
        << QByteArray("{\\rtf1\\uc3 \\u3221{\\b y}x}") << QString::fromUtf8("ಕyx");
    QTest::newRow("uc is per group") << QByteArray("{\\rtf1{\\uc0 a}\\u3221?}") << QString::fromUtf8("aಕ");
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("surrogate pair in positive numbers")
        << QByteArray("{\\rtf1 \\u55357?\\u56832?}") << QString::fromUtf8("\xF0\x9F\x98\x80");
    // Anything out of range, or half a pair alone, is no character.
    const QString replacement(QChar(QChar::ReplacementCharacter));
    QTest::newRow("beyond the range") << QByteArray("{\\rtf1 \\u99999?\\u65536?\\u-32769?x}") << replacement.repeated(3) + "x";
    QTest::newRow("beyond an int") << QByteArray("{\\rtf1 \\u99999999999?x}") << replacement + "x";
    QTest::newRow("lone high surrogate") << QByteArray("{\\rtf1 \\u-10179?x}") << replacement + "x";
    QTest::newRow("lone high surrogate at the end") << QByteArray("{\\rtf1 x\\u-10179?}") << "x" + replacement;
    QTest::newRow("lone low surrogate") << QByteArray("{\\rtf1 \\u-8704?x}") << replacement + "x";
    QTest::newRow("two high surrogates")
        << QByteArray("{\\rtf1 \\u-10179?\\u-10179?\\u-8704?}") << replacement + QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("control characters left out") << QByteArray("{\\rtf1 a\\'01\\'00\\u8?b\\tab c\\u7?}") << QStringLiteral("ab\tc");
    QTest::newRow("skip count capped")
        << QByteArray("{\\rtf1\\uc2147483647 \\u3221 abcdefghijklmnop}") << QString::fromUtf8("ಕijklmnop");
}

void TestRtfReader::unicodeSkip()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    const ReadResult result = read(document, rtf);
    QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
    QCOMPARE(result.text, text);
}

void TestRtfReader::codePages_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("encoding");

    QTest::newRow("default") << QByteArray("{\\rtf1 \\'e0}") << QString::fromUtf8("à") << QByteArray("CP1252");
    QTest::newRow("ansicpg1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'e0}") << QString::fromUtf8("а") << QByteArray("CP1251");
    QTest::newRow("mac") << QByteArray("{\\rtf1\\mac \\'8e}") << QString::fromUtf8("é") << QByteArray("CP10000");
    QTest::newRow("pc") << QByteArray("{\\rtf1\\pc \\'82}") << QString::fromUtf8("é") << QByteArray("CP850");
    QTest::newRow("pca") << QByteArray("{\\rtf1\\pca \\'82}") << QString::fromUtf8("é") << QByteArray("CP850");
    QTest::newRow("deff names the font of text before any \\f")
        << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f1\\fcharset204 Cyr;}}\\'e0}") << QString::fromUtf8("а") << QByteArray("CP1252");
    QTest::newRow("unknown code page") << QByteArray("{\\rtf1\\ansicpg4 \\'e0}") << QString::fromUtf8("à") << QByteArray("CP1252");
    QTest::newRow("shift-jis pairs") << QByteArray("{\\rtf1\\ansicpg932 \\'82\\'a0}") << QString::fromUtf8("あ") << QByteArray("CP932");
    QTest::newRow("utf-8") << QByteArray("{\\rtf1\\ansicpg65001 \\'e0\\'b2\\'95}") << QString::fromUtf8("ಕ") << QByteArray("CP65001");
    QTest::newRow("font charset")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204 Cyr;}}\\f1\\'e0\\f0\\'e0}")
        << QString::fromUtf8("аà") << QByteArray("CP1252");
    QTest::newRow("font code page")
        << QByteArray("{\\rtf1{\\fonttbl{\\f2\\cpg1253 Greek;}}\\f2\\'e1}") << QString::fromUtf8("α") << QByteArray("CP1252");
    QTest::newRow("font without charset uses the document's")
        << QByteArray("{\\rtf1\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 A;}{\\f1 B;}}\\f1\\'e0\\f0\\'e0}")
        << QString::fromUtf8("аà") << QByteArray("CP1251");
    QTest::newRow("group end restores the font")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset204 C;}}{\\f1\\'e0}\\'e0}") << QString::fromUtf8("аà") << QByteArray("CP1252");
    QTest::newRow("unlisted charset") << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}\\f1\\'e0}")
                                      << QString::fromUtf8("à") << QByteArray("CP1252");
}

void TestRtfReader::codePages()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(QByteArray, encoding);
    QTextDocument document;
    const ReadResult result = read(document, rtf);
    QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
    QCOMPARE(result.text, text);
    QCOMPARE(result.encoding, encoding);
}

void TestRtfReader::codecForCodePage()
{
    QByteArray name;
    QVERIFY(RtfReader::codecForCodePage(1251, &name));
    QCOMPARE(name, QByteArray("CP1251"));
    QCOMPARE(RtfReader::codecForCodePage(932, &name)->mibEnum(), 17);
    QCOMPARE(name, QByteArray("CP932"));
    QCOMPARE(RtfReader::codecForCodePage(65001)->mibEnum(), 106);
    QVERIFY(RtfReader::codecForCodePage(10000));
    QVERIFY(!RtfReader::codecForCodePage(4, &name));
    QCOMPARE(name, QByteArray("CP4"));

    RtfReader reader;
    QCOMPARE(reader.encoding, QByteArray("CP1252"));
    QCOMPARE(reader.type(), int(FormatReader::RtfType));
}

void TestRtfReader::errors_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("errorText");
    QTest::addColumn<QStringList>("blocks");

    const QString notSupported = QStringLiteral("Not a supported RTF file.");
    const QString endOfFile = QStringLiteral("Unexpectedly reached end of file.");
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF{\\rtf1 a}") << notSupported << QStringList { "" };
    QTest::newRow("text before") << QByteArray("x{\\rtf1 a}") << notSupported << QStringList { "" };
    QTest::newRow("rtf2") << QByteArray("{\\rtf2 a}") << notSupported << QStringList { "" };
    QTest::newRow("rtf without number") << QByteArray("{\\rtf a}") << notSupported << QStringList { "" };
    QTest::newRow("group first") << QByteArray("{{\\rtf1 a}}") << notSupported << QStringList { "" };
    QTest::newRow("empty") << QByteArray() << endOfFile << QStringList { "" };
    QTest::newRow("cut in a text run") << QByteArray("{\\rtf1 Hello\\par Wor") << endOfFile << QStringList { "Hello" };
    QTest::newRow("cut in a word") << QByteArray("{\\rtf1 Hello\\b") << endOfFile << QStringList { "Hello" };
    QTest::newRow("cut after a unicode escape") << QByteArray("{\\rtf1 Hello\\u3221 ") << endOfFile
                                                << QStringList { QString::fromUtf8("Helloಕ") };
    QTest::newRow("too deep") << QByteArray("{\\rtf1 a") + QByteArray(100000, '{') << "The document is nested too deeply."
                              << QStringList { "a" };
    QTest::newRow("text only") << QByteArray("plain words") << notSupported << QStringList { "" };
    // Binary data runs to the end of the file: its count is beyond it.
    QTest::newRow("bin count beyond the file") << QByteArray("{\\rtf1 a\\bin9999 xyz}") << endOfFile << QStringList { "a" };
    QTest::newRow("bin count beyond an int")
        << QByteArray("{\\rtf1 a\\bin99999999999 \\'00\\'01}") << endOfFile << QStringList { "a" };
}

void TestRtfReader::errors()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, errorText);
    QFETCH(QStringList, blocks);
    QTextDocument document;
    const ReadResult result = read(document, rtf);
    QCOMPARE(result.errorText, errorText);
    QCOMPARE(result.blocks, blocks);
}

void TestRtfReader::fontCharsets_data()
{
    QTest::addColumn<int>("charset");
    QTest::addColumn<QByteArray>("codec");

    const QList<QPair<int, QByteArray>> charsets {
        { 0, "CP1252" },   { 1, "CP1252" },   { 77, "Apple Roman" }, { 128, "Shift-JIS" }, { 129, "eucKR" },
        { 130, "CP1361" }, { 134, "GB2312" }, { 136, "Big5-HKSCS" }, { 161, "CP1253" },    { 162, "CP1254" },
        { 163, "CP1258" }, { 177, "CP1255" }, { 178, "CP1256" },     { 186, "CP1257" },    { 204, "CP1251" },
        { 222, "CP874" },  { 238, "CP1250" }, { 255, "CP850" },      { 2, "" },            { 3, "" },
    };
    for (const auto &entry : charsets)
        QTest::newRow(QByteArray::number(entry.first).constData()) << entry.first << entry.second;
}

void TestRtfReader::fontCharsets()
{
    QFETCH(int, charset);
    QFETCH(QByteArray, codec);

    // A pair of high bytes, a double-byte character in the East Asian code
    // pages and two characters in the others. Charsets that name no codec
    // (or one the platform lacks) leave the document's code page.
    const QByteArray bytes("\xb0\xa1");
    QTextCodec *expected = codec.isEmpty() ? nullptr : QTextCodec::codecForName(codec);
    if (!expected)
        expected = QTextCodec::codecForName("CP1251");
    QTextDocument document;
    const ReadResult result = read(document, "{\\rtf1\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset"
                                       + QByteArray::number(charset) + " X;}}\\f1\\'b0\\'a1}");
    QVERIFY(result.errorText.isEmpty());
    QCOMPARE(result.text, expected->toUnicode(bytes));
}

void TestRtfReader::stylesheetWords_data()
{
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QString>("expected");

    QTest::newRow("qc") << QByteArray("\\qc") << "align=4";
    QTest::newRow("qj") << QByteArray("\\qj") << "align=8";
    QTest::newRow("ql") << QByteArray("\\ql") << "align=17";
    QTest::newRow("qr") << QByteArray("\\qr") << "align=18";
    QTest::newRow("li") << QByteArray("\\li1440") << "indent=2";
    QTest::newRow("ltrpar") << QByteArray("\\ltrpar") << "align=17 ltr";
    QTest::newRow("rtlpar") << QByteArray("\\rtlpar") << "align=17 rtl";
    QTest::newRow("b") << QByteArray("\\b") << "bold";
    QTest::newRow("i") << QByteArray("\\i") << "italic";
    QTest::newRow("ab") << QByteArray("\\ab") << "bold";
    QTest::newRow("ai") << QByteArray("\\ai") << "italic";
    QTest::newRow("strike") << QByteArray("\\strike") << "strike";
    QTest::newRow("striked") << QByteArray("\\striked1") << "strike";
    for (const char *word : { "ul", "uld", "uldash", "uldashd", "uldb", "ulth", "ulw", "ulwave", "ulhwave", "ululdbwave" })
        QTest::newRow(word) << QByteArray("\\") + word << "underline";
    QTest::newRow("ulnone") << QByteArray("\\ul\\ulnone") << "";
    QTest::newRow("super") << QByteArray("\\super") << "super";
    QTest::newRow("sub") << QByteArray("\\sub") << "sub";
    QTest::newRow("nosupersub") << QByteArray("\\sub\\nosupersub") << "";
    QTest::newRow("outlinelevel") << QByteArray("\\outlinelevel2\\b") << "heading=3";
    QTest::newRow("outlinelevel, ab") << QByteArray("\\outlinelevel2\\ab") << "heading=3";
    QTest::newRow("sbasedon") << QByteArray("\\sbasedon4") << "italic";
    QTest::newRow("words of the text only are ignored") << QByteArray("\\plain\\pard\\tab\\emdash\\u3221") << "";
}

void TestRtfReader::stylesheetWords()
{
    QFETCH(QByteArray, word);
    QFETCH(QString, expected);

    QTextDocument document;
    const ReadResult result = read(document, "{\\rtf1{\\stylesheet{\\s4\\i Base;}{\\s5" + word + " Style;}}"
                                             "\\pard\\plain x\\par\\pard\\plain\\s5 y\\par}");
    QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
    QCOMPARE(result.blocks, QStringList({ "x", "y" }));

    const QTextBlockFormat block = document.lastBlock().blockFormat();
    const QTextCharFormat chars = formatOf(document, QLatin1Char('y'));
    QStringList found;
    if (block.alignment() != Qt::AlignLeft)
        found << QStringLiteral("align=%1").arg(int(block.alignment()));
    if (block.indent() != 0)
        found << QStringLiteral("indent=%1").arg(block.indent());
    if (block.layoutDirection() == Qt::LeftToRight)
        found << QStringLiteral("ltr");
    if (block.layoutDirection() == Qt::RightToLeft)
        found << QStringLiteral("rtl");
    if (chars.fontWeight() == QFont::Bold)
        found << QStringLiteral("bold");
    if (chars.fontItalic())
        found << QStringLiteral("italic");
    if (chars.fontUnderline())
        found << QStringLiteral("underline");
    if (chars.fontStrikeOut())
        found << QStringLiteral("strike");
    if (chars.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        found << QStringLiteral("super");
    if (chars.verticalAlignment() == QTextCharFormat::AlignSubScript)
        found << QStringLiteral("sub");
    if (block.intProperty(HeadingLevelProperty) != 0)
        found << QStringLiteral("heading=%1").arg(block.intProperty(HeadingLevelProperty));
    QCOMPARE(found.join(QLatin1Char(' ')), expected);
}

void TestRtfReader::headingStyles()
{
    QTextDocument document;
    const ReadResult result = read(document,
        "{\\rtf1{\\stylesheet{\\s0 Normal;}"
        "{\\s1\\outlinelevel0\\b Heading 1;}"
        "{\\s2\\sbasedon1 Heading 2;}"
        "{\\s3\\sbasedon0\\i Quote;}"
        "{\\s4\\qc Title;}}"
        "{\\pard\\plain\\s1\\b\\i One\\par}"
        "{\\pard\\plain\\s2 Two\\par}"
        "{\\pard\\plain\\s3 Three\\par}"
        "{\\pard\\plain\\s4 Four\\par}"
        "{\\pard\\plain\\s0 Five\\par}}");
    QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
    QCOMPARE(result.blocks, QStringList({ "One", "Two", "Three", "Four", "Five" }));

    QTextBlock block = document.begin();
    QCOMPARE(headingLevel(block), 1);
    // Heading paragraphs are read at normal weight; \b inside them is not applied.
    QCOMPARE(formatOf(document, QLatin1Char('O')).fontWeight(), int(QFont::Normal));
    QVERIFY(formatOf(document, QLatin1Char('O')).fontItalic());
    block = block.next();
    QCOMPARE(headingLevel(block), 2);
    block = block.next();
    QCOMPARE(headingLevel(block), 0);
    QVERIFY(formatOf(document, QLatin1Char('T')).fontWeight() != QFont::Bold);
    QVERIFY(formatOf(document, QLatin1Char('h')).fontItalic());
    block = block.next();
    QCOMPARE(headingLevel(block), 0);
    QCOMPARE(block.blockFormat().alignment(), Qt::AlignHCenter);
    block = block.next();
    QCOMPARE(headingLevel(block), 0);
    QVERIFY(!formatOf(document, QLatin1Char('F')).fontItalic());

    // Paragraphs outside groups: \pard ends the heading, so a later \b counts.
    QTextDocument flat;
    QVERIFY(read(flat, "{\\rtf1{\\stylesheet{\\s1\\outlinelevel0 Heading 1;}}"
                       "\\pard\\s1 H\\par\\pard\\plain B{\\b x}\\par}").errorText.isEmpty());
    QCOMPARE(headingLevel(flat.begin()), 1);
    QCOMPARE(headingLevel(flat.begin().next()), 0);
    QCOMPARE(formatOf(flat, QLatin1Char('x')).fontWeight(), int(QFont::Bold));
}

void TestRtfReader::hiddenTextStaysHidden_data()
{
    QTest::addColumn<QByteArray>("rtf");

    // As Word writes East Asian font names.
    QTest::newRow("hex escapes in a font name")
        << QByteArray("{\\rtf1{\\fonttbl{\\f13\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5{\\*\\falt SimSun};}}Body}");
    QTest::newRow("unicode escape in a font name")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fnil \\u23435?\\u20307?;}}Body}");
    QTest::newRow("symbols in a font name")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fnil A\\emdash\\tab\\~;}}Body}");
    QTest::newRow("paragraph mark in the font table")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fnil A;}\\par}Body}");
    QTest::newRow("unicode escape in an ignored group")
        << QByteArray("{\\rtf1{\\*\\x \\u23435?}Body}");
}

void TestRtfReader::hiddenTextStaysHidden()
{
    QFETCH(QByteArray, rtf);
    QTextDocument document;
    const ReadResult result = read(document, rtf);
    QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
    QCOMPARE(result.blocks, QStringList { "Body" });
}

void TestRtfReader::unnumberedStyleEntries()
{
    // Word lists character styles without \s; their names must not turn
    // the Normal style, or styles based on it, into headings.
    QTextDocument document;
    const ReadResult result = read(document,
        "{\\rtf1{\\stylesheet{\\ql Normal;}"
        "{\\*\\cs15\\b Heading 1 Char;}"
        "{\\s1\\outlinelevel0 heading 1;}"
        "{\\s20\\sbasedon0\\i Body Text;}"
        "{\\*\\ts11\\tsrowd Normal Table;}}"
        "{\\pard\\plain\\s0 Normal\\par}"
        "{\\pard\\plain\\s20 Body\\par}"
        "{\\pard\\plain\\s1 Head\\par}}");
    QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
    QCOMPARE(result.blocks, QStringList({ "Normal", "Body", "Head" }));
    QTextBlock block = document.begin();
    QCOMPARE(headingLevel(block), 0);
    block = block.next();
    QCOMPARE(headingLevel(block), 0);
    QVERIFY(formatOf(document, QLatin1Char('B')).fontItalic());
    block = block.next();
    QCOMPARE(headingLevel(block), 1);
}

void TestRtfReader::boundedInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("huge font number") << QByteArray("{\\rtf1\\f2147483647 a\\'e0}") << QString::fromUtf8("aà");
    QTest::newRow("huge font with charset")
        << QByteArray("{\\rtf1{\\fonttbl{\\f2000000000\\fcharset204 X;}}\\f2000000000\\'e0}") << QString::fromUtf8("à");
    QTest::newRow("negative font")
        << QByteArray("{\\rtf1{\\fonttbl{\\f-5\\fcharset204\\cpg1251 X;}}\\f-5\\'e0}") << QString::fromUtf8("à");
    QTest::newRow("negative deff") << QByteArray("{\\rtf1\\deff-1 a}") << QStringLiteral("a");
    QTest::newRow("theme font number")
        << QByteArray("{\\rtf1{\\fonttbl{\\f31506\\fcharset204 X;}}\\f31506\\'e0}") << QString::fromUtf8("а");
    QTest::newRow("huge style numbers")
        << QByteArray("{\\rtf1{\\stylesheet{\\s2147483647\\sbasedon-2147483648 Heading 3;}}\\s2147483647 x}")
        << QStringLiteral("x");
    QTest::newRow("huge skip count") << QByteArray("{\\rtf1{\\uc2147483647\\u3221 abc}x}") << QString::fromUtf8("ಕx");

    // Many styles based on one that is then defined again and again: each
    // definition hands its formats down to all of them.
    QByteArray handDowns("{\\rtf1{\\stylesheet");
    for (int i = 1; i <= 60000; ++i)
        handDowns += "{\\s" + QByteArray::number(i) + "\\sbasedon0 S;}";
    for (int i = 0; i < 60000; ++i)
        handDowns += "{\\s0\\i N;}";
    QTest::newRow("style defined again under many derived ones") << handDowns + "}x}" << QStringLiteral("x");
}

void TestRtfReader::boundedInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    const ReadResult result = read(document, rtf);
    QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
    QCOMPARE(result.text, text);
}

void TestRtfReader::insertsAtCursorInOneEditBlock()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("before"));
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    QByteArray rtf("{\\rtf1 x\\par y}");
    QBuffer buffer(&rtf);
    buffer.open(QIODevice::ReadOnly);
    RtfReader reader;
    reader.cursor = cursor;
    reader.readData(&buffer);
    QCOMPARE(document.toPlainText(), QStringLiteral("beforex\ny"));
    document.undo();
    QCOMPARE(document.toPlainText(), QStringLiteral("before"));
}

static QByteArray fixture(const char *name)
{
    QFile file(QFINDTESTDATA(QString::fromLatin1("data/") + QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestRtfReader::wordStyleFile()
{
    // Written the way Word writes: East Asian font names in hex escapes,
    // character and table styles without \s, styles based on Normal,
    // theme font numbers and a code page per font.
    const QByteArray rtf = fixture("word-style.rtf");
    QVERIFY(!rtf.isEmpty());
    QTextDocument document;
    const ReadResult result = read(document, rtf);
    QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
    QCOMPARE(result.encoding, QByteArray("CP1252"));
    QCOMPARE(result.blocks, QStringList({ "Word heading", QString::fromUtf8("Body with bold and italic, Kannada ಕನ್ನಡ, café."),
                                          "Second heading", QString::fromUtf8("Привет"), QString() }));

    QTextBlock block = document.begin();
    QCOMPARE(headingLevel(block), 1);
    block = block.next();
    QCOMPARE(headingLevel(block), 0);
    QCOMPARE(document.find(QStringLiteral("bold")).charFormat().fontWeight(), int(QFont::Bold));
    QVERIFY(document.find(QStringLiteral("italic")).charFormat().fontItalic());
    QVERIFY(formatOf(document, QLatin1Char('B')).fontWeight() != QFont::Bold);
    block = block.next();
    QCOMPARE(headingLevel(block), 2);
    block = block.next();
    // "List Paragraph" is based on Normal, which no character style may
    // have turned into a heading.
    QCOMPARE(headingLevel(block), 0);
    QCOMPARE(block.blockFormat().indent(), 1);
}

void TestRtfReader::libreOfficeFile()
{
    const QByteArray rtf = fixture("libreoffice.rtf");
    QVERIFY(!rtf.isEmpty());
    QTextDocument document;
    const ReadResult result = read(document, rtf);
    QVERIFY2(result.errorText.isEmpty(), qPrintable(result.errorText));
    QCOMPARE(result.blocks,
             QStringList({ QString::fromUtf8("Kannada ಕನ್ನಡ"), "Plain bold italic underline strike x2 H2O.", "Second level",
                           QString::fromUtf8("Centred ಕನ್ನಡ ದಾಖಲೆ — “quoted” café"), "Third level",
                           QString::fromUtf8("Привет мир") }));
    const QVector<int> levels { 1, 0, 2, 0, 3, 0 };
    int i = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++i)
        QCOMPARE(headingLevel(block), levels.at(i));
    QCOMPARE(document.findBlockByNumber(3).blockFormat().alignment(), Qt::AlignHCenter);

    QTextCursor cursor = document.find(QStringLiteral("bold"));
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
    cursor = document.find(QStringLiteral("italic"));
    QVERIFY(cursor.charFormat().fontItalic());
    cursor = document.find(QStringLiteral("underline"));
    QVERIFY(cursor.charFormat().fontUnderline());
    cursor = document.find(QStringLiteral("strike"));
    QVERIFY(cursor.charFormat().fontStrikeOut());
}

YAVO_TEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
