#include "testmain.h"

#include "formats/rtfreader.h"
#include "formats/rtfwriter.h"
#include "platform/ansicodepage.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextDocument>

namespace {

const QByteArray stylesheet =
    "{\\stylesheet\n"
    "{\\s0 Normal;}\n"
    "{\\s1\\snext0\\outlinelevel0\\fs36\\b Heading 1;}\n"
    "{\\s2\\snext0\\outlinelevel1\\fs32\\b Heading 2;}\n"
    "{\\s3\\snext0\\outlinelevel2\\fs28\\b Heading 3;}\n"
    "{\\s4\\snext0\\outlinelevel3\\fs24\\b Heading 4;}\n"
    "{\\s5\\snext0\\outlinelevel4\\fs20\\b Heading 5;}\n"
    "{\\s6\\snext0\\outlinelevel5\\fs16\\b Heading 6;}\n"
    "}\n";

QByteArray writeDocument(QTextDocument *document, const QByteArray &encoding)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    RtfWriter writer(encoding);
    if (!writer.write(&buffer, document))
        return QByteArray("failed");
    return out;
}

// The body between the header and the closing brace.
QByteArray body(const QByteArray &rtf)
{
    const int start = rtf.indexOf(stylesheet) + stylesheet.size();
    return rtf.mid(start, rtf.size() - start - 1);
}

struct Run
{
    QString text;
    QTextCharFormat format;
};

// A table of paragraphs to build documents from: each paragraph is a block
// format and its runs.
struct Paragraph
{
    QTextBlockFormat format;
    QVector<Run> runs;
};

void build(QTextDocument &document, const QVector<Paragraph> &paragraphs)
{
    QTextCursor cursor(&document);
    bool first = true;
    for (const Paragraph &paragraph : paragraphs) {
        if (first)
            cursor.setBlockFormat(paragraph.format);
        else
            cursor.insertBlock(paragraph.format, QTextCharFormat());
        first = false;
        for (const Run &run : paragraph.runs)
            cursor.insertText(run.text, run.format);
    }
}

// The body the writer gives for the paragraphs in CP1252.
QByteArray writtenBody(const QVector<Paragraph> &paragraphs)
{
    QTextDocument document;
    build(document, paragraphs);
    return body(writeDocument(&document, "CP1252"));
}

QTextBlockFormat heading(int level)
{
    QTextBlockFormat format;
    format.setProperty(HeadingLevelProperty, level);
    return format;
}

QTextCharFormat charFormat(int weight, bool italic = false, bool underline = false, bool strike = false,
                           QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal)
{
    QTextCharFormat format;
    if (weight != 0)
        format.setFontWeight(weight);
    format.setFontItalic(italic);
    format.setFontUnderline(underline);
    format.setFontStrikeOut(strike);
    format.setVerticalAlignment(vertical);
    return format;
}

} // namespace

Q_DECLARE_METATYPE(QVector<Paragraph>)

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void header_data();
    void header();
    void defaultCodePage_data();
    void defaultCodePage();
    void emptyDocument();
    void paragraphPrefix_data();
    void paragraphPrefix();
    void runs_data();
    void runs();
    void escape_data();
    void escape();
    void roundTrip_data();
    void roundTrip();
};

void TestRtfWriter::header_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QByteArray>("firstLine");

    QTest::newRow("CP1252") << QByteArray("CP1252") << QByteArray("{\\rtf1\\ansi\\ansicpg1252");
    QTest::newRow("CP1251") << QByteArray("CP1251") << QByteArray("{\\rtf1\\ansi\\ansicpg1251");
    QTest::newRow("CP932") << QByteArray("CP932") << QByteArray("{\\rtf1\\ansi\\ansicpg932");
    QTest::newRow("Shift-JIS") << QByteArray("Shift-JIS") << QByteArray("{\\rtf1\\ansi\\ansicpg932");
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << QByteArray("{\\rtf1\\ansi\\ansicpg65001");
    QTest::newRow("CP850") << QByteArray("CP850") << QByteArray("{\\rtf1\\pca\\ansicpg850");
    QTest::newRow("Apple Roman") << QByteArray("Apple Roman") << QByteArray("{\\rtf1\\mac\\ansicpg10000");
    QTest::newRow("unknown") << QByteArray("CP4") << QByteArray("{\\rtf1\\ansi\\ansicpg1252");
}

void TestRtfWriter::header()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QByteArray, firstLine);
    QTextDocument document;
    const QByteArray rtf = writeDocument(&document, encoding);
    QVERIFY(rtf.startsWith(firstLine + '\n' + stylesheet));
}

void TestRtfWriter::defaultCodePage_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QString>("codePage");

    QTest::newRow("windows-1251") << QByteArray("windows-1251") << "1251";
    QTest::newRow("CP1250") << QByteArray("CP1250") << "1250";
    QTest::newRow("windows-1258") << QByteArray("Windows-1258") << "1258";
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << "1252";
    QTest::newRow("ISO-8859-1") << QByteArray("ISO-8859-1") << "1252";
    QTest::newRow("windows-1259 is no ANSI code page") << QByteArray("windows-1259") << "1252";
    QTest::newRow("empty") << QByteArray() << "1252";
}

void TestRtfWriter::defaultCodePage()
{
    QFETCH(QByteArray, codec);
    QFETCH(QString, codePage);
    QCOMPARE(Platform::ansiCodePageForCodec(codec), codePage);

    // An empty name writes in the locale's code page.
    QTextCodec *saved = QTextCodec::codecForLocale();
    if (QTextCodec *locale = QTextCodec::codecForName(codec.isEmpty() ? QByteArray("UTF-8") : codec)) {
        QTextCodec::setCodecForLocale(locale);
        QTextDocument document;
        const QByteArray rtf = writeDocument(&document, QByteArray());
        QTextCodec::setCodecForLocale(saved);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg" + codePage.toLatin1() + '\n'));
    }
}

void TestRtfWriter::emptyDocument()
{
    QTextDocument document;
    QCOMPARE(writeDocument(&document, "CP1252"),
             "{\\rtf1\\ansi\\ansicpg1252\n" + stylesheet + "{\\pard\\plain\\s0\\par}\n}");
}

void TestRtfWriter::paragraphPrefix_data()
{
    QTest::addColumn<QVector<Paragraph>>("paragraphs");
    QTest::addColumn<QByteArray>("expected");

    const QVector<Run> text { { "x", QTextCharFormat() } };
    QTest::newRow("heading 1") << QVector<Paragraph> { { heading(1), text } }
                               << QByteArray("{\\pard\\plain\\s1\\outlinelevel0\\fs36\\b x\\par}\n");
    QTest::newRow("heading 3") << QVector<Paragraph> { { heading(3), text } }
                               << QByteArray("{\\pard\\plain\\s3\\outlinelevel2\\fs28\\b x\\par}\n");
    QTest::newRow("heading 6") << QVector<Paragraph> { { heading(6), text } }
                               << QByteArray("{\\pard\\plain\\s6\\outlinelevel5\\fs16\\b x\\par}\n");

    QTextBlockFormat rtl;
    rtl.setLayoutDirection(Qt::RightToLeft);
    QTest::newRow("right to left") << QVector<Paragraph> { { rtl, text } }
                                   << QByteArray("{\\pard\\plain\\s0\\rtlpar\\ql x\\par}\n");
    QTextBlockFormat rtlRight = rtl;
    rtlRight.setAlignment(Qt::AlignRight);
    QTest::newRow("right to left, right") << QVector<Paragraph> { { rtlRight, text } }
                                          << QByteArray("{\\pard\\plain\\s0\\rtlpar\\qr x\\par}\n");
    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    QTest::newRow("left") << QVector<Paragraph> { { left, text } } << QByteArray("{\\pard\\plain\\s0 x\\par}\n");
    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignCenter);
    QTest::newRow("centre") << QVector<Paragraph> { { centre, text } } << QByteArray("{\\pard\\plain\\s0\\qc x\\par}\n");
    QTextBlockFormat justify;
    justify.setAlignment(Qt::AlignJustify);
    QTest::newRow("justify") << QVector<Paragraph> { { justify, text } } << QByteArray("{\\pard\\plain\\s0\\qj x\\par}\n");
    QTextBlockFormat indented;
    indented.setIndent(2);
    QTest::newRow("indent") << QVector<Paragraph> { { indented, text } } << QByteArray("{\\pard\\plain\\s0\\li1440 x\\par}\n");
    QTextBlockFormat outdented;
    outdented.setIndent(-1);
    QTest::newRow("negative indent") << QVector<Paragraph> { { outdented, text } } << QByteArray("{\\pard\\plain\\s0 x\\par}\n");
    QTest::newRow("empty paragraph") << QVector<Paragraph> { { QTextBlockFormat(), {} } } << QByteArray("{\\pard\\plain\\s0\\par}\n");
}

void TestRtfWriter::paragraphPrefix()
{
    QFETCH(QVector<Paragraph>, paragraphs);
    QFETCH(QByteArray, expected);
    QCOMPARE(writtenBody(paragraphs), expected);
}

void TestRtfWriter::runs_data()
{
    QTest::addColumn<QVector<Paragraph>>("paragraphs");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("bold italic")
        << QVector<Paragraph> { { QTextBlockFormat(), { { "a", charFormat(QFont::Bold, true) }, { "b", QTextCharFormat() } } } }
        << QByteArray("{\\pard\\plain\\s0 {\\b\\i a}b\\par}\n");
    QTest::newRow("all words in order")
        << QVector<Paragraph> { { QTextBlockFormat(), { { "a", charFormat(QFont::Bold, true, true, true, QTextCharFormat::AlignSuperScript) } } } }
        << QByteArray("{\\pard\\plain\\s0 {\\b\\i\\ul\\strike\\super a}\\par}\n");
    QTest::newRow("subscript")
        << QVector<Paragraph> { { QTextBlockFormat(), { { "a", charFormat(0, false, false, false, QTextCharFormat::AlignSubScript) } } } }
        << QByteArray("{\\pard\\plain\\s0 {\\sub a}\\par}\n");
    QTest::newRow("weight 63 is not bold")
        << QVector<Paragraph> { { QTextBlockFormat(), { { "a", charFormat(63) } } } }
        << QByteArray("{\\pard\\plain\\s0 a\\par}\n");
    QTest::newRow("two paragraphs")
        << QVector<Paragraph> { { QTextBlockFormat(), { { "a", QTextCharFormat() } } }, { QTextBlockFormat(), { { "b", QTextCharFormat() } } } }
        << QByteArray("{\\pard\\plain\\s0 a\\par}\n{\\pard\\plain\\s0 b\\par}\n");
}

void TestRtfWriter::runs()
{
    QFETCH(QVector<Paragraph>, paragraphs);
    QFETCH(QByteArray, expected);
    QCOMPARE(writtenBody(paragraphs), expected);
}

void TestRtfWriter::escape_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("braces") << QByteArray("CP1252") << "{a}" << QByteArray("\\'7Ba\\'7D");
    QTest::newRow("backslash") << QByteArray("CP1252") << "a\\b" << QByteArray("a\\'5Cb");
    QTest::newRow("words")
        << QByteArray("CP1252")
        << QString::fromUtf8("\t\u00A0\u00AD\u00B7\u2002\u2003\u2004\u200C\u200D\u200E\u200F\u2011\u2013\u2014\u2018\u2019\u201C\u201D\u2022\u2028")
        << QByteArray("\\tab \\~\\-\\u183?\\u8194?\\u8195?\\u8196?\\u8204?\\u8205?\\u8206?\\u8207?\\_\\endash \\emdash "
                      "\\lquote \\rquote \\ldblquote \\rdblquote \\bullet \\line ");
    // Readers that drop \\zwnj would join the conjunct the non-joiner breaks.
    QTest::newRow("kannada non-joiner in CP1252")
        << QByteArray("CP1252") << QString::fromUtf8("ಕನ್\u200Cನಡ") << QByteArray("\\u3221?\\u3240?\\u3277?\\u8204?\\u3240?\\u3233?");
    QTest::newRow("persian non-joiner in UTF-8")
        << QByteArray("UTF-8") << QString::fromUtf8("\u0645\u06CC\u200C") << QByteArray("\\'D9\\'85\\'DB\\'8C\\u8204?");
    QTest::newRow("latin-1 in CP1252") << QByteArray("CP1252") << QString::fromUtf8("é") << QByteArray("\\'E9");
    QTest::newRow("control character") << QByteArray("CP1252") << QString(QChar(0x0B)) << QByteArray("\\'0B");
    QTest::newRow("NUL is dropped") << QByteArray("CP1252") << QString(QChar(0)) + "a" << QByteArray("a");
    QTest::newRow("kannada in CP1252") << QByteArray("CP1252") << QString::fromUtf8("ಕನ್ನಡ")
                                       << QByteArray("\\u3221?\\u3240?\\u3277?\\u3240?\\u3233?");
    QTest::newRow("after an unencodable character everything is escaped")
        << QByteArray("CP1252") << QString::fromUtf8("ಕé a") << QByteArray("\\u3221?\\u233? a");
    QTest::newRow("cyrillic in CP1251") << QByteArray("CP1251") << QString::fromUtf8("да") << QByteArray("\\'E4\\'E0");
    QTest::newRow("shift-jis pair") << QByteArray("CP932") << QString::fromUtf8("あ") << QByteArray("\\'82\\'A0");
    QTest::newRow("utf-8") << QByteArray("UTF-8") << QString::fromUtf8("ಕ") << QByteArray("\\'E0\\'B2\\'95");
    QTest::newRow("utf-8 beyond the basic plane")
        << QByteArray("UTF-8") << QString::fromUtf8("\xF0\x9F\x98\x80") << QByteArray("\\'F0\\'9F\\'98\\'80");
    QTest::newRow("surrogates in CP1252")
        << QByteArray("CP1252") << QString::fromUtf8("\xF0\x9F\x98\x80") << QByteArray("\\u55357?\\u56832?");
}

void TestRtfWriter::escape()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    RtfWriter writer(encoding);
    QCOMPARE(writer.escape(text), expected);
}

void TestRtfWriter::roundTrip_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<QVector<Paragraph>>("paragraphs");

    QTextBlockFormat rtl;
    rtl.setLayoutDirection(Qt::RightToLeft);
    rtl.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    QTextBlockFormat centreIndented;
    centreIndented.setAlignment(Qt::AlignHCenter);
    centreIndented.setIndent(3);
    QTextBlockFormat justify;
    justify.setAlignment(Qt::AlignJustify);

    const QVector<Paragraph> mixed {
        { heading(1), { { QString::fromUtf8("ಕನ್ನಡ ದಾಖಲೆ"), QTextCharFormat() } } },
        { QTextBlockFormat(), { { "Plain ", QTextCharFormat() }, { "bold", charFormat(QFont::Bold) },
                                { " italic", charFormat(0, true) }, { " under", charFormat(0, false, true) },
                                { " struck", charFormat(0, false, false, true) } } },
        { centreIndented, { { "x", QTextCharFormat() }, { "2", charFormat(0, false, false, false, QTextCharFormat::AlignSuperScript) },
                            { "y", QTextCharFormat() }, { "i", charFormat(0, false, false, false, QTextCharFormat::AlignSubScript) } } },
        { QTextBlockFormat(), {} },
        { heading(4), { { "Fourth", QTextCharFormat() } } },
        { rtl, { { QString::fromUtf8("שלום"), QTextCharFormat() } } },
        { justify, { { QString::fromUtf8("{braces} \\ back\ttab \u2014 dash \u00A0 \u2028 end"), QTextCharFormat() } } },
        { QTextBlockFormat(), { { QString::fromUtf8("ಕನ್\u200Cನಡ \u200D\u200E\u200F\u2002\u2003\u2004\u00B7 end"), QTextCharFormat() } } },
        { heading(6), { { "Last", QTextCharFormat() } } },
    };
    QTest::newRow("CP1252") << QByteArray("CP1252") << mixed;
    QTest::newRow("CP1251") << QByteArray("CP1251") << mixed;
    QTest::newRow("Shift-JIS") << QByteArray("CP932") << mixed;
    QTest::newRow("UTF-8") << QByteArray("UTF-8") << mixed;
    QTest::newRow("cyrillic text")
        << QByteArray("CP1251")
        << QVector<Paragraph> { { QTextBlockFormat(), { { QString::fromUtf8("Привет, "), QTextCharFormat() },
                                                        { QString::fromUtf8("мир"), charFormat(QFont::Bold, true) } } } };
    QTest::newRow("japanese text")
        << QByteArray("CP932")
        << QVector<Paragraph> { { QTextBlockFormat(), { { QString::fromUtf8("日本語\u00A5テキスト"), QTextCharFormat() } } } };
}

void TestRtfWriter::roundTrip()
{
    QFETCH(QByteArray, encoding);
    QFETCH(QVector<Paragraph>, paragraphs);

    QTextDocument original;
    build(original, paragraphs);
    QByteArray rtf = writeDocument(&original, encoding);

    QTextDocument copy;
    QBuffer buffer(&rtf);
    buffer.open(QIODevice::ReadOnly);
    RtfReader reader;
    reader.cursor = QTextCursor(&copy);
    reader.readData(&buffer);
    QVERIFY2(reader.errorText.isEmpty(), qPrintable(reader.errorText));

    QCOMPARE(copy.toPlainText(), original.toPlainText());
    QCOMPARE(copy.blockCount(), original.blockCount());
    for (QTextBlock a = original.begin(), b = copy.begin(); a.isValid(); a = a.next(), b = b.next()) {
        const QTextBlockFormat fa = a.blockFormat();
        const QTextBlockFormat fb = b.blockFormat();
        QCOMPARE(fb.intProperty(HeadingLevelProperty), fa.intProperty(HeadingLevelProperty));
        QCOMPARE(fb.indent(), qMax(0, fa.indent()));
        QCOMPARE(fb.layoutDirection() == Qt::RightToLeft, fa.layoutDirection() == Qt::RightToLeft);
        QCOMPARE(fb.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute,
                 fa.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute);
        for (int i = 0; i < a.length() - 1; ++i) {
            QTextCursor ca(&original);
            ca.setPosition(a.position() + i + 1);
            QTextCursor cb(&copy);
            cb.setPosition(b.position() + i + 1);
            const QTextCharFormat x = ca.charFormat();
            const QTextCharFormat y = cb.charFormat();
            const QByteArray where = a.text().left(i + 1).toUtf8();
            if (fa.intProperty(HeadingLevelProperty) == 0)
                QVERIFY2((x.fontWeight() == QFont::Bold) == (y.fontWeight() == QFont::Bold), where.constData());
            else
                QCOMPARE(y.fontWeight(), int(QFont::Normal));
            QVERIFY2(x.fontItalic() == y.fontItalic(), where.constData());
            QVERIFY2(x.fontUnderline() == y.fontUnderline(), where.constData());
            QVERIFY2(x.fontStrikeOut() == y.fontStrikeOut(), where.constData());
            QVERIFY2(x.verticalAlignment() == y.verticalAlignment(), where.constData());
        }
    }
}

YAVO_TEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
