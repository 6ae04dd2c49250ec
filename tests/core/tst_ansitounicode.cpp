#include "core/ansitounicode.h"
#include "core/sharedsettings.h"
#include "glyphcodes.h"
#include "testmain.h"

namespace {

// Reports what the conversion hands to the virtual steps.
class DigitWitness : public AnsiToUnicode
{
protected:
    QChar digit(QChar c) override { return c == QLatin1Char('7') ? QChar(0x2460) : c; }
    bool isVowel(QChar c) override
    {
        return c == QLatin1Char('y') || (c != QLatin1Char('i') && AnsiToUnicode::isVowel(c));
    }
};

} // namespace

class TestAnsiToUnicode : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void convertWord_data();
    void convertWord();
    void convert_data();
    void convert();
    void convertText_data();
    void convertText();
    void englishNumeralsReadOnce();
    void longTokens_data();
    void longTokens();
    void virtualSteps();
};

void TestAnsiToUnicode::init()
{
    SharedSettings::setEnglishNumerals(false);
}

void TestAnsiToUnicode::convertWord_data()
{
    QTest::addColumn<QString>("phonetic");
    QTest::addColumn<QString>("unicode");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("ka") << "ka" << glyphCodes("U+0C95");
    QTest::newRow("k") << "k" << glyphCodes("U+0C95 U+0CCD");
    QTest::newRow("kaa") << "kaa" << glyphCodes("U+0C95 U+0CBE");
    QTest::newRow("aa") << "aa" << glyphCodes("U+0C86");
    QTest::newRow("kii") << "kii" << glyphCodes("U+0C95 U+0CC0");
    QTest::newRow("kI") << "kI" << glyphCodes("U+0C95 U+0CC0");
    QTest::newRow("kee") << "kee" << glyphCodes("U+0C95 U+0CC0");
    QTest::newRow("kSha") << "kSha" << glyphCodes("U+0C95 U+0CCD U+0CB7");
    QTest::newRow("kra") << "kra" << glyphCodes("U+0C95 U+0CCD U+0CB0");
    QTest::newRow("kffka") << "kffka" << glyphCodes("U+0C95 U+0CCD U+200C U+0C95");
    QTest::newRow("kRu") << "kRu" << glyphCodes("U+0C95 U+0CC3");
    QTest::newRow("Ru") << "Ru" << glyphCodes("U+0C8B");
    QTest::newRow("Ra") << "Ra" << glyphCodes("U+0CB0");
    QTest::newRow("kai") << "kai" << glyphCodes("U+0C95 U+0CC8");
    QTest::newRow("ia") << "ia" << glyphCodes("U+0C87 U+0C85");
    QTest::newRow("iaa") << "iaa" << glyphCodes("U+0C87 U+0C86");
    QTest::newRow("oo") << "oo" << glyphCodes("U+0C93");
    QTest::newRow("koo") << "koo" << glyphCodes("U+0C95 U+0CC2");
    QTest::newRow("kou") << "kou" << glyphCodes("U+0C95 U+0CCC");
    QTest::newRow("kaM") << "kaM" << glyphCodes("U+0C95 U+0C82");
    QTest::newRow("kaH") << "kaH" << glyphCodes("U+0C95 U+0C83");
    QTest::newRow("M") << "M" << glyphCodes("U+0C82");
    QTest::newRow("1990") << "1990" << glyphCodes("U+0CE7 U+0CEF U+0CEF U+0CE6");
    QTest::newRow("ka12") << "ka12" << glyphCodes("U+0C95 31 32");
    QTest::newRow("backquote") << "ka`ka" << glyphCodes("U+0C95 27 U+0C95");
    QTest::newRow("hyphen") << "ka-kii" << glyphCodes("U+0C95 2D U+0C95 U+0CC0");
    QTest::newRow("unknown letter last") << "kx" << glyphCodes("U+0C95 U+0CCD 78");
    QTest::newRow("f and F") << "fa Fa" << glyphCodes("U+0CAA 20 U+0CB0");
    QTest::newRow("w in either case") << "wa Va" << glyphCodes("U+0CB5 20 U+0CB5");
    QTest::newRow("Latin-1 letters copied") << QString(QStringLiteral("ka") + QChar(0xC0) + QStringLiteral("ka"))
                                             << glyphCodes("U+0C95 C0 U+0C95");
    QTest::newRow("Unicode copied") << glyphCodes("6B 61 U+0CBD 6B 61") << glyphCodes("U+0C95 U+0CBD U+0C95");

    // A vowel takes the place of a virama or of the joiner after R, and of
    // nothing else.
    QTest::newRow("vowel sign after R") << "kRi" << glyphCodes("U+0C95 U+0CCD U+0CB0 U+0CBF");
    QTest::newRow("vowel after an unknown letter") << "xi" << glyphCodes("78 U+0C87");
    QTest::newRow("a after anusvara") << "kMa" << glyphCodes("U+0C95 U+0CCD U+0C82 U+0C85");
    QTest::newRow("vowel after ZWNJ") << "kffe" << glyphCodes("U+0C95 U+0CCD U+200C U+0C8E");
    QTest::newRow("Ru after ZWNJ") << "kffRu" << glyphCodes("U+0C95 U+0CCD U+200C U+0C8B");
    QTest::newRow("Ru after R") << "RRu" << glyphCodes("U+0CB0 U+0CC3");
    QTest::newRow("keys after an unknown letter") << "xka" << glyphCodes("78 U+0C95");
}

void TestAnsiToUnicode::convertWord()
{
    QFETCH(QString, phonetic);
    QFETCH(QString, unicode);

    AnsiToUnicode converter;
    QCOMPARE(converter.convertWord(phonetic), unicode);
}

void TestAnsiToUnicode::convert_data()
{
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("unicode");

    QTest::newRow("carets before the first letter") << "1^^ka" << glyphCodes("U+0CE7 U+0C95");
    QTest::newRow("carets at the start") << "^^ka" << glyphCodes("5E 5E U+0C95");
    QTest::newRow("carets after the letters") << "ka^^" << glyphCodes("U+0C95 5E 5E");
    QTest::newRow("a after a digit") << "k1a" << glyphCodes("U+0C95 U+0CCD 31 U+0C85");
    QTest::newRow("superscript two") << QString(QChar(0xB2)) << QString(QChar(0xB2));
    QTest::newRow("Gurmukhi digit") << glyphCodes("U+0A67 U+0A68") << glyphCodes("U+0A67 U+0A68");
    QTest::newRow("Kannada digit") << glyphCodes("U+0CE7") << glyphCodes("U+0CE7");
    QTest::newRow("digits then letters") << "42ka" << glyphCodes("U+0CEA U+0CE8 U+0C95");
}

void TestAnsiToUnicode::convert()
{
    QFETCH(QString, run);
    QFETCH(QString, unicode);

    AnsiToUnicode converter;
    QCOMPARE(converter.convert(run), unicode);
}

void TestAnsiToUnicode::convertText_data()
{
    QTest::addColumn<QString>("phonetic");
    QTest::addColumn<QString>("unicode");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("words and lines") << "ka kii\nkaa" << glyphCodes("U+0C95 20 U+0C95 U+0CC0 0A U+0C95 U+0CBE");
    QTest::newRow("two spaces") << "ka  ka" << glyphCodes("U+0C95 20 20 U+0C95");
    QTest::newRow("final line break") << "ka\n" << glyphCodes("U+0C95 0A");
    QTest::newRow("CR LF") << "ka\r\nka" << glyphCodes("U+0C95 0D 0A U+0C95");
}

void TestAnsiToUnicode::convertText()
{
    QFETCH(QString, phonetic);
    QFETCH(QString, unicode);

    AnsiToUnicode converter;
    QCOMPARE(converter.convertText(phonetic), unicode);
}

void TestAnsiToUnicode::englishNumeralsReadOnce()
{
    TestSandbox sandbox;
    const QString kannada = glyphCodes("U+0CE7 U+0CEF U+0CEF U+0CE6");

    SharedSettings::setEnglishNumerals(true);
    AnsiToUnicode english;
    SharedSettings::setEnglishNumerals(false);
    QCOMPARE(english.convertWord(QStringLiteral("1990")), QStringLiteral("1990"));
    QCOMPARE(english.convertText(QStringLiteral("1990 ka")), QString(QStringLiteral("1990 ") + QChar(0x0C95)));

    AnsiToUnicode native;
    SharedSettings::setEnglishNumerals(true);
    QCOMPARE(native.convertWord(QStringLiteral("1990")), kannada);

    AnsiToUnicode later;
    QCOMPARE(later.convertWord(QStringLiteral("1990")), QStringLiteral("1990"));
}

void TestAnsiToUnicode::longTokens_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("converted");

    QTest::newRow("consonants") << "k" << glyphCodes("U+0C95 U+0CCD");
    QTest::newRow("syllables") << "ka" << glyphCodes("U+0C95");
    QTest::newRow("vowels") << "E" << glyphCodes("U+0C8F");
    QTest::newRow("letters and digits") << "x1" << "x1";
}

void TestAnsiToUnicode::longTokens()
{
    // A pasted token of a million characters is converted, not a crash.
    QFETCH(QString, unit);
    QFETCH(QString, converted);

    const int repeats = 1000000 / unit.size();
    AnsiToUnicode converter;
    QCOMPARE(converter.convertWord(unit.repeated(repeats)), converted.repeated(repeats));
}

void TestAnsiToUnicode::virtualSteps()
{
    DigitWitness converter;
    // Digits before the letters go through digit(); "i" no longer counts as
    // a vowel, so it joins the cluster and, being no consonant key, is kept;
    // "y" counts as a vowel but is no vowel key: it still gets converted.
    QCOMPARE(converter.convert(QStringLiteral("7kiy")), glyphCodes("U+2460 U+0C95 U+0CCD 69 U+0CAF U+0CCD"));
}

YAVO_TEST_GUILESS_MAIN(TestAnsiToUnicode)
#include "tst_ansitounicode.moc"
