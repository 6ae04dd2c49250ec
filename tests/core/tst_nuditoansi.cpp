#include "core/nudiglyphtables.h"
#include "core/nuditoansi.h"
#include "glyphcodes.h"
#include "modalanswerer.h"
#include "testmain.h"
#include "widgets/messageboxnotice.h"

#include <QFile>
#include <QSet>
#include <QTextCodec>

namespace {

// Lets the tests read the tables the converter built.
class TableProbe : public NudiToAnsi
{
public:
    using NudiToAnsi::glyphList;
    using NudiToAnsi::kShaGlyphs;
    using NudiToAnsi::kSheGlyphs;
    using NudiToAnsi::nameList;
    using NudiToAnsi::subjoinedGlyphs;
    using NudiToAnsi::subjoinedNames;
};

const QString subjoinedCodes = glyphCodes(
    "CC CD CE CF D0 D1 D2 D3 D4 D5 D6 D7 D8 D9 DA DB DC DD DE DF "
    "E0 E1 E2 E3 E4 E5 E6 E7 E8 E9 EA EB EC ED EE F0 F6 F7 F8");

} // namespace

class TestNudiToAnsi : public QObject
{
    Q_OBJECT

private slots:
    void tableSizes();
    void tableInvariants();
    void tableEntries_data();
    void tableEntries();
    void irregularForms();
    void subjoinedEntries_data();
    void subjoinedEntries();

    void convertWord_data();
    void convertWord();
    void wordsDoNotInfluenceEachOther_data();
    void wordsDoNotInfluenceEachOther();
    void longestMatch_data();
    void longestMatch();
    void convertText_data();
    void convertText();
    void windows1252Text_data();
    void windows1252Text();
    void convertTestFile();
};

void TestNudiToAnsi::tableSizes()
{
    TableProbe tables;
    QCOMPARE(tables.glyphList.size(), 499);
    QCOMPARE(tables.nameList.size(), 499);
    QCOMPARE(tables.subjoinedGlyphs.size(), 39);
    QCOMPARE(tables.subjoinedNames.size(), 39);
    QCOMPARE(tables.kShaGlyphs, glyphCodes("50 EB C0"));
    QCOMPARE(tables.kSheGlyphs, glyphCodes("50 EB C9"));
}

void TestNudiToAnsi::tableInvariants()
{
    TableProbe tables;
    QSet<QString> seen;
    int sixGlyphEntries = 0;
    for (int i = 0; i < tables.glyphList.size(); ++i) {
        const QString &glyphs = tables.glyphList.at(i);
        const QByteArray where = QByteArray::number(i) + ' ' + tables.nameList.at(i).toLatin1();
        QVERIFY2(!seen.contains(glyphs), where.constData());
        seen.insert(glyphs);

        QVERIFY2(!glyphs.isEmpty() && glyphs.size() <= 6, where.constData());
        if (glyphs.size() == 6) {
            ++sixGlyphEntries;
            QCOMPARE(tables.nameList.at(i), QStringLiteral("BO"));
        }
        // Both start no syllable: the converter's length-mark and ai-mark
        // rules see them first.
        QVERIFY2(glyphs.at(0) != QChar(0xC3) && glyphs.at(0) != QChar(0xCA), where.constData());
        for (QChar glyph : glyphs) {
            QVERIFY2(!subjoinedCodes.contains(glyph), where.constData());
            QVERIFY2(glyph.unicode() >= 0x41 && glyph.unicode() <= 0xFF, where.constData());
        }
    }
    QCOMPARE(sixGlyphEntries, 1);
    QVERIFY(!tables.subjoinedGlyphs.contains(QChar(0xEF)));
    for (QChar code : subjoinedCodes)
        QVERIFY(tables.subjoinedGlyphs.contains(code));
}

void TestNudiToAnsi::tableEntries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("glyphs");
    QTest::addColumn<QString>("name");

    QTest::newRow("anusvara") << 0 << glyphCodes("41") << "M";
    QTest::newRow("visarga") << 1 << glyphCodes("42") << "H";
    QTest::newRow("vocalic R") << 8 << glyphCodes("49 C4") << "Ru";
    QTest::newRow("au") << 14 << glyphCodes("4F") << "ou";
    QTest::newRow("k bare") << 15 << glyphCodes("50 EF") << "k";
    QTest::newRow("ka") << 16 << glyphCodes("50 C0") << "ka";
    QTest::newRow("kA") << 17 << glyphCodes("50 C1") << "kA";
    QTest::newRow("ki") << 18 << glyphCodes("51") << "ki";
    QTest::newRow("kii") << 19 << glyphCodes("51 C3") << "kii";
    QTest::newRow("kRu") << 22 << glyphCodes("50 C0 C8") << "kRu";
    QTest::newRow("kO") << 27 << glyphCodes("50 C9 C6 C3") << "kO";
    QTest::newRow("kou") << 28 << glyphCodes("50 CB") << "kou";
    QTest::newRow("Ka without head stroke") << 30 << glyphCodes("52") << "Ka";
    QTest::newRow("Za is its base") << 72 << glyphCodes("59") << "Za";
    QTest::newRow("Zi") << 74 << glyphCodes("59 C2") << "Zi";
    QTest::newRow("J bare") << 127 << glyphCodes("67 C0 68 69 EF") << "J";
    QTest::newRow("Jii") << 131 << glyphCodes("6A 68 C4 C3") << "Jii";
    QTest::newRow("Je irregular") << 135 << glyphCodes("67 C9 68 C4") << "Je";
    QTest::newRow("Jou") << 140 << glyphCodes("67 C0 68 69 CB") << "Jou";
    QTest::newRow("Dhi") << 200 << glyphCodes("72 FC") << "Dhi";
    QTest::newRow("BO six glyphs") << 349 << glyphCodes("A8 73 73 C9 C6 C3") << "BO";
    QTest::newRow("m bare") << 351 << glyphCodes("AA C0 69 EF") << "m";
    QTest::newRow("y bare") << 365 << glyphCodes("41 69 C0 69 EF") << "y";
    QTest::newRow("ya") << 366 << glyphCodes("41 69 C0 C4") << "ya";
    QTest::newRow("vu variant sign") << 412 << glyphCodes("AA C0 C5") << "vu";
    QTest::newRow("Lou, last regular") << 490 << glyphCodes("BC CB") << "Lou";
    QTest::newRow("pu alternative") << 491 << glyphCodes("A5 C0 C5") << "pu";
    QTest::newRow("PO alternative") << 498 << glyphCodes("A5 73 C9 C7 C3") << "PO";
}

void TestNudiToAnsi::tableEntries()
{
    QFETCH(int, index);
    QFETCH(QString, glyphs);
    QFETCH(QString, name);

    TableProbe tables;
    QCOMPARE(tables.glyphList.at(index), glyphs);
    QCOMPARE(tables.nameList.at(index), name);
}

void TestNudiToAnsi::irregularForms()
{
    TableProbe tables;
    for (const NudiGlyphTables::IrregularForm &form : NudiGlyphTables::irregularForms) {
        const int index = tables.nameList.indexOf(QString::fromLatin1(form.name));
        QVERIFY2(index >= 0, form.name);
        QCOMPARE(tables.glyphList.at(index), glyphCodes(form.glyphs));
        // The sequence the rule would have given stands for no other form
        // of the same name.
        const int ruleIndex = tables.glyphList.indexOf(glyphCodes(form.ruleGlyphs));
        QVERIFY2(ruleIndex < 0 || tables.nameList.at(ruleIndex) != QLatin1String(form.name),
                 form.name);
    }
}

void TestNudiToAnsi::subjoinedEntries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");

    QTest::newRow("k") << 0 << 0xCC << "k";
    QTest::newRow("dh") << 18 << 0xDE << "dh";
    QTest::newRow("n") << 19 << 0xDF << "n";
    QTest::newRow("r E6") << 26 << 0xE6 << "r";
    QTest::newRow("r E7") << 27 << 0xE7 << "r";
    QTest::newRow("Sh") << 31 << 0xEB << "Sh";
    QTest::newRow("L") << 34 << 0xEE << "L";
    QTest::newRow("r F0") << 35 << 0xF0 << "r";
    QTest::newRow("R") << 36 << 0xF8 << "R";
    QTest::newRow("F6") << 37 << 0xF6 << "32";
    QTest::newRow("F7") << 38 << 0xF7 << "9";
}

void TestNudiToAnsi::subjoinedEntries()
{
    QFETCH(int, index);
    QFETCH(int, code);
    QFETCH(QString, name);

    TableProbe tables;
    QCOMPARE(int(tables.subjoinedGlyphs.at(index).unicode()), code);
    QCOMPARE(tables.subjoinedNames.at(index), name);
}

void TestNudiToAnsi::convertWord_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("phonetic");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("ka") << glyphCodes("50 C0") << "ka";
    QTest::newRow("kii") << glyphCodes("51 C3") << "kii";
    QTest::newRow("kSha") << glyphCodes("50 EB C0") << "kSha";
    QTest::newRow("kShe") << glyphCodes("50 EB C9") << "kShe";
    QTest::newRow("kE from the table") << glyphCodes("50 C9 C3") << "kE";
    QTest::newRow("kai from the table") << glyphCodes("50 C9 CA") << "kai";
    QTest::newRow("i lengthened") << glyphCodes("45 C3") << "I";
    QTest::newRow("e lengthened") << glyphCodes("4A C3") << "E";
    QTest::newRow("o lengthened") << glyphCodes("4D C3") << "O";
    QTest::newRow("e with ai mark") << glyphCodes("4A CA") << "ai";
    QTest::newRow("lone length mark kept") << glyphCodes("43 C3") << QString(QStringLiteral("a") + QChar(0xC3));
    QTest::newRow("lone ai mark dropped") << glyphCodes("43 CA") << "a";
    QTest::newRow("vocalic R sign") << glyphCodes("43 C8") << "Ru";
    QTest::newRow("vocalic R sign keeps what precedes the word's syllables")
        << glyphCodes("U+0CBD C8") << QString(QChar(0x0CBD) + QStringLiteral("Ru"));
    QTest::newRow("subjoined ra") << glyphCodes("50 C0 E6") << "kra";
    QTest::newRow("subjoined after ii") << glyphCodes("51 C3 CC") << "kkii";
    QTest::newRow("subjoined after ai") << glyphCodes("50 C9 CA CC") << "kkai";
    QTest::newRow("subjoined after ou") << glyphCodes("50 CB CC") << "kkou";
    // A glyph that starts no syllable ends the last one's name, so the
    // ou before it no longer draws the subjoined glyph inside it.
    QTest::newRow("subjoined after a glyph of no syllable") << glyphCodes("4F 37 CC") << "ouk7";
    QTest::newRow("ra drawn after") << glyphCodes("50 C0 F0") << "rka";
    QTest::newRow("ra after a subjoined pair") << glyphCodes("50 C0 CC F0") << "rkka";
    QTest::newRow("ra after kSha") << glyphCodes("50 EB C0 F0") << "rkSha";
    QTest::newRow("halant inside") << glyphCodes("50 EF 50 C0") << "kffka";
    QTest::newRow("halant before one glyph") << glyphCodes("50 EF 52") << "kKa";
    QTest::newRow("halant before a subjoined last glyph") << glyphCodes("50 EF CC") << "kk";
    QTest::newRow("halant at the end") << glyphCodes("50 EF") << "k";
    QTest::newRow("halant at the end of a word")
        << glyphCodes("41 69 C0 69 C1 F0 41 50 EF") << "ryAMk";
    QTest::newRow("lone halant") << glyphCodes("43 EF 43") << "affa";
    QTest::newRow("F6 silent") << glyphCodes("50 C0 F6") << "ka";
    QTest::newRow("F7 silent") << glyphCodes("50 C0 F7") << "ka";
    QTest::newRow("h i s copied") << glyphCodes("68 69 73") << "his";
    QTest::newRow("lone signs copied") << glyphCodes("C0 C4") << QString(QChar(0xC0)) + QChar(0xC4);
    QTest::newRow("ya") << glyphCodes("41 69 C0 C4") << "ya";
    QTest::newRow("anusvara") << glyphCodes("41") << "M";
    QTest::newRow("y bare") << glyphCodes("41 69 C0 69 EF") << "y";
    QTest::newRow("BO by the rule") << glyphCodes("A8 73 C9 C6 C3") << "BO";
    QTest::newRow("BO six glyphs") << glyphCodes("A8 73 73 C9 C6 C3") << "BO";
    QTest::newRow("pu") << glyphCodes("A5 C0 C4") << "pu";
    QTest::newRow("pu alternative") << glyphCodes("A5 C0 C5") << "pu";
    QTest::newRow("po") << glyphCodes("A5 C9 C6") << "po";
    QTest::newRow("po alternative") << glyphCodes("A5 C9 C7") << "po";
    QTest::newRow("digits and punctuation") << glyphCodes("31 39 2C 2E") << "19,.";
    QTest::newRow("carriage return") << glyphCodes("50 C0 0D") << "ka\r";
    QTest::newRow("NUL before a syllable") << glyphCodes("00 00 41 69 C0 C4")
                                           << QString(QChar(0)) + QChar(0) + QStringLiteral("ya");
    QTest::newRow("Unicode passes") << glyphCodes("U+0C95 U+0CBF") << glyphCodes("U+0C95 U+0CBF");
    QTest::newRow("avagraha") << glyphCodes("50 C0 U+201E") << QString(QStringLiteral("ka") + QChar(0x0CBD));
    // Nothing before them to join: the consonant is kept, in front.
    QTest::newRow("subjoined first") << glyphCodes("CC 50 C0") << "kka";
    QTest::newRow("ra first") << glyphCodes("F0 50 C0") << "rka";
}

void TestNudiToAnsi::convertWord()
{
    QFETCH(QString, word);
    QFETCH(QString, phonetic);

    NudiToAnsi converter;
    QCOMPARE(converter.convertWord(word), phonetic);
}

void TestNudiToAnsi::wordsDoNotInfluenceEachOther_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("phonetic");

    QTest::newRow("ra after a digit") << glyphCodes("50 C0") << glyphCodes("31 F0") << "r1";
    QTest::newRow("ra first") << glyphCodes("51 C3 CC") << glyphCodes("F0 50 C0") << "rka";
    QTest::newRow("after Unicode") << glyphCodes("U+0C95") << glyphCodes("31 F0") << "r1";
    QTest::newRow("subjoined first") << glyphCodes("50 EF") << glyphCodes("CC 43") << "ka";
}

void TestNudiToAnsi::wordsDoNotInfluenceEachOther()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, phonetic);

    NudiToAnsi converter;
    converter.convertWord(first);
    QCOMPARE(converter.convertWord(second), phonetic);
    QCOMPARE(converter.convertText(first + QLatin1Char(' ') + second).section(QLatin1Char(' '), 1),
             phonetic);
}

void TestNudiToAnsi::longestMatch_data()
{
    QTest::addColumn<QString>("glyphs");
    QTest::addColumn<int>("length");

    QTest::newRow("whole") << glyphCodes("50 C0") << 2;
    QTest::newRow("prefix") << glyphCodes("50 C0 C4 50 C0 F0") << 3;
    QTest::newRow("six") << glyphCodes("A8 73 73 C9 C6 C3") << 6;
    QTest::newRow("ya over anusvara") << glyphCodes("41 69 C0 C4 41") << 4;
    QTest::newRow("anusvara alone") << glyphCodes("41 CC") << 1;
    QTest::newRow("none") << glyphCodes("C3 41") << 0;
    QTest::newRow("NUL first") << glyphCodes("00 41") << 0;
    QTest::newRow("Unicode") << glyphCodes("U+0C95") << 0;
}

void TestNudiToAnsi::longestMatch()
{
    QFETCH(QString, glyphs);
    QFETCH(int, length);

    NudiToAnsi converter;
    QString window = glyphs;
    QCOMPARE(converter.longestMatch(window), length);
    QCOMPARE(window, glyphs.left(length));
}

void TestNudiToAnsi::convertText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("phonetic");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("two words") << glyphCodes("50 C0 20 51 C3") << "ka kii";
    QTest::newRow("two spaces") << glyphCodes("50 C0 20 20 51 C3") << "ka  kii";
    QTest::newRow("final line break") << glyphCodes("50 C0 0A") << "ka\n";
    QTest::newRow("blank line") << glyphCodes("50 C0 0A 0A 51") << "ka\n\nki";
    QTest::newRow("CR LF") << glyphCodes("50 C0 0D 0A 51") << "ka\r\nki";
    QTest::newRow("only spaces") << glyphCodes("20 20") << "  ";
}

void TestNudiToAnsi::convertText()
{
    QFETCH(QString, text);
    QFETCH(QString, phonetic);

    NudiToAnsi converter;
    QCOMPARE(converter.convertText(text), phonetic);
    QCOMPARE(converter.convertedText(), phonetic);
}

void TestNudiToAnsi::windows1252Text_data()
{
    QTest::addColumn<int>("byte");
    for (int byte = 0x80; byte <= 0x9F; ++byte)
        QTest::addRow("%02X", byte) << byte;
}

void TestNudiToAnsi::windows1252Text()
{
    // A Nudi file read as Windows-1252 or as Latin-1 holds the same glyphs.
    QFETCH(int, byte);

    QByteArray bytes("\x50\xC0");
    bytes += char(byte);
    bytes += "\xF0\x51\xC3";
    QTextCodec *windows1252 = QTextCodec::codecForName("Windows-1252");
    QTextCodec *latin1 = QTextCodec::codecForName("ISO-8859-1");
    QVERIFY(windows1252 && latin1);
    const QString typographic = windows1252->toUnicode(bytes);
    const QString plain = latin1->toUnicode(bytes);

    NudiToAnsi converter;
    QString expected = converter.convertWord(plain);
    if (byte == 0x84) {
        QCOMPARE(expected, QString(QStringLiteral("ka") + QChar(0x0CBD) + QStringLiteral("rkii")));
    } else {
        // The glyph counts in its syllable, so the ra goes before it all;
        // the character itself is kept as it came.
        QCOMPARE(expected, QString(QStringLiteral("rka") + QChar(byte) + QStringLiteral("kii")));
        expected.replace(QChar(byte), typographic.at(2));
    }
    QCOMPARE(converter.convertWord(typographic), expected);
}

void TestNudiToAnsi::convertTestFile()
{
    TestSandbox sandbox;
    NudiToAnsi converter;
    MessageBoxNotice notice;
    converter.setNotice(&notice);

    // Without its input file it says so and writes nothing.
    QString message;
    ModalAnswerer answerer;
    answerer.expectDialog<QMessageBox>(QString(), [&message](QMessageBox *box) {
        message = box->text();
        box->close();
    });
    converter.convertTestFile();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QVERIFY(message.contains(QLatin1String("nudi-test-input.txt")));
    QVERIFY(!QFile::exists(QStringLiteral("nudi-test-output.txt")));

    sandbox.writeFile(QStringLiteral("cwd/nudi-test-input.txt"), QByteArray("\x50\xC0 \x51\xC3\n\x84\n"));
    converter.convertTestFile();
    QFile output(QStringLiteral("nudi-test-output.txt"));
    QVERIFY(output.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(output.readAll()),
             QString(QStringLiteral("ka kii\n") + QChar(0x0CBD) + QLatin1Char('\n')));
}

YAVO_TEST_MAIN(TestNudiToAnsi)
#include "tst_nuditoansi.moc"
