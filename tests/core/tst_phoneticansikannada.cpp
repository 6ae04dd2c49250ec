#include "core/phoneticansikannada.h"
#include "glyphcodes.h"
#include "testmain.h"

class TestPhoneticANSIKannada : public QObject
{
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
    void longestKey_data();
    void longestKey();
};

void TestPhoneticANSIKannada::convert_data()
{
    QTest::addColumn<QString>("phonetic");
    QTest::addColumn<QString>("unicode");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("ka") << "ka" << glyphCodes("U+0C95");
    QTest::newRow("k") << "k" << glyphCodes("U+0C95 U+0CCD");
    QTest::newRow("kM") << "kM" << glyphCodes("U+0C95 U+0C82");
    QTest::newRow("kaH") << "kaH" << glyphCodes("U+0C95 U+0C83");
    QTest::newRow("M alone") << "M" << QString();
    QTest::newRow("namaste") << "namaste" << glyphCodes("U+0CA8 U+0CAE U+0CB8 U+0CCD U+0CA4 U+0CC6");
    QTest::newRow("space dropped") << "a b" << glyphCodes("U+0C85 U+0CAC U+0CCD");
    QTest::newRow("digits") << "123" << glyphCodes("U+0CE7 U+0CE8 U+0CE9");
    QTest::newRow("Kannada passes") << glyphCodes("U+0C95 U+0CBF") << glyphCodes("U+0C95 U+0CBF");
    QTest::newRow("joiners") << "ffF" << glyphCodes("U+200C U+200C U+200D");
    QTest::newRow("aspirates") << "khaKa" << glyphCodes("U+0C96 U+0C96");
    QTest::newRow("vowel signs") << "kaakIkookRukaikaw" << glyphCodes("U+0C95 U+0CBE U+0C95 U+0CC0 U+0C95 U+0CC2 U+0C95 U+0CC3 U+0C95 U+0CC8 U+0C95 U+0CCC");
    QTest::newRow("oo is the long u") << "koo oo" << glyphCodes("U+0C95 U+0CC2 U+0C8A");
    QTest::newRow("LLA and SSA") << "LaSha" << glyphCodes("U+0CB3 U+0CB7");
    QTest::newRow("expectation") << "Expectation" << glyphCodes("U+0C8E U+0C95 U+0CCD U+0CB8 U+0CCD U+0CAA U+0CC6 U+0C95 U+0CCD U+0C9F U+0CC7 U+0CB6 U+0CA8 U+0CCD");
}

void TestPhoneticANSIKannada::convert()
{
    QFETCH(QString, phonetic);
    QFETCH(QString, unicode);

    PhoneticANSIKannada converter;
    QCOMPARE(converter.convert(phonetic), unicode);
}

void TestPhoneticANSIKannada::longestKey_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");

    QTest::newRow("two letters") << "kh" << "kh";
    QTest::newRow("first letter") << "ka" << "k";
    QTest::newRow("none") << "xk" << QString();
    QTest::newRow("digit") << "7x" << "7";
}

void TestPhoneticANSIKannada::longestKey()
{
    QFETCH(QString, text);
    QFETCH(QString, key);

    PhoneticANSIKannada converter;
    QCOMPARE(converter.longestKey(text), key);
    QCOMPARE(converter.respellEnglishWord(QStringLiteral("an EXPECTATION")), QStringLiteral("an ekspekTESan"));
}

YAVO_TEST_GUILESS_MAIN(TestPhoneticANSIKannada)
#include "tst_phoneticansikannada.moc"
