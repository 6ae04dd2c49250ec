#include "core/sharedsettings.h"
#include "ime/ansi2indicunicode.h"
#include "keyfeeder.h"
#include "testmain.h"
#include "typingchecks.h"

namespace {

constexpr int Kannada = 0, Telugu = 1, Malayalam = 2, Oriya = 3, Hindi = 4, Gujarati = 5,
              Bengali = 6, Gurmukhi = 7, Tamil = 8, English = 9;
constexpr int Phonetic = 0, KPRao = 1, InScript = 2, Phonetic2 = 3;

} // namespace

class TestAnsi2IndicUnicode : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void process_data();
    void process();
    void typing_data();
    void typing();
    void englishNumerals();
    void digitConvertedAsChecked();
    void otherNumbersPassThrough();
    void noConversionOutsideTheIndicLanguages_data();
    void noConversionOutsideTheIndicLanguages();
    void keysOutsideTheLayout();
    void nothingPendingToFlush();
    void randomTypingPlacesViramaAndRepha_data();
    void randomTypingPlacesViramaAndRepha();
    void outputIsAssigned_data();
    void outputIsAssigned();
};

void TestAnsi2IndicUnicode::init()
{
    SharedSettings::setEnglishNumerals(false);
}

// One key given to the converter after the keys `before` were typed through
// the hook's rules: what the record types, deletes and asks for.
void TestAnsi2IndicUnicode::process_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("backspaces");
    QTest::addColumn<QString>("flags");

    // Kannada, Phonetic: consonants come with a virama that a vowel takes away.
    QTest::newRow("phonetic k") << Kannada << Phonetic << "" << "k" << QStringLiteral("\u0C95") << 0 << "virama";
    QTest::newRow("phonetic a after k") << Kannada << Phonetic << "k" << "a" << "" << 1 << "";
    QTest::newRow("phonetic aa after ka") << Kannada << Phonetic << "ka" << "aa" << QStringLiteral("\u0CBE") << 0 << "";
    QTest::newRow("phonetic i after k") << Kannada << Phonetic << "k" << "i" << QStringLiteral("\u0CBF") << 1 << "";
    QTest::newRow("phonetic kh") << Kannada << Phonetic << "k" << "kh" << QStringLiteral("\u0C96") << 2 << "virama";
    QTest::newRow("phonetic ee after ke") << Kannada << Phonetic << "ke" << "ee" << QStringLiteral("\u0CC0") << 1 << "";
    QTest::newRow("phonetic M after ki") << Kannada << Phonetic << "ki" << "M" << QStringLiteral("\u0C82") << 0 << "";
    QTest::newRow("phonetic x") << Kannada << Phonetic << "k" << "x" << QStringLiteral("\u200C") << 0 << "";
    QTest::newRow("phonetic X") << Kannada << Phonetic << "k" << "X" << QStringLiteral("\u200D") << 0 << "";
    QTest::newRow("phonetic i after joiner") << Kannada << Phonetic << "kX" << "i" << QStringLiteral("\u0C87") << 1 << "";
    QTest::newRow("phonetic f is PA") << Kannada << Phonetic << "" << "f" << QStringLiteral("\u0CAA") << 0 << "virama";
    QTest::newRow("phonetic a at start") << Kannada << Phonetic << "" << "a" << QStringLiteral("\u0C85") << 0 << "";
    QTest::newRow("phonetic aa at start") << Kannada << Phonetic << "a" << "aa" << QStringLiteral("\u0C86") << 1 << "";
    QTest::newRow("phonetic Lz fixed up") << Kannada << Phonetic << "L" << "Lz" << QStringLiteral("\u0CDE") << 2 << "virama";
    QTest::newRow("phonetic rupee") << Kannada << Phonetic << "k" << "$" << QStringLiteral("\u20B9") << 0 << "";
    QTest::newRow("phonetic digit") << Kannada << Phonetic << "k" << "5" << QStringLiteral("\u0CEB") << 0 << "";

    // Phonetic-2: inherent vowels, the halant key adds the virama.
    QTest::newRow("phonetic-2 k") << Kannada << Phonetic2 << "" << "k" << QStringLiteral("\u0C95") << 0 << "";
    QTest::newRow("phonetic-2 i after k") << Kannada << Phonetic2 << "k" << "i" << QStringLiteral("\u0CBF") << 0 << "";
    QTest::newRow("phonetic-2 a after k") << Kannada << Phonetic2 << "k" << "a" << QStringLiteral("\u0C85") << 0 << "";
    QTest::newRow("phonetic-2 ai after ka") << Kannada << Phonetic2 << "ka" << "ai" << QStringLiteral("\u0CC8") << 1 << "";
    QTest::newRow("phonetic-2 kh") << Kannada << Phonetic2 << "k" << "kh" << QStringLiteral("\u0C96") << 1 << "";
    QTest::newRow("phonetic-2 f after k") << Kannada << Phonetic2 << "k" << "f" << QStringLiteral("\u0CCD") << 0 << "";
    QTest::newRow("phonetic-2 sign after sign") << Kannada << Phonetic2 << "ki" << "u" << QStringLiteral("\u0CC1") << 1 << "";

    // KPRao.
    QTest::newRow("KPRao k") << Kannada << KPRao << "" << "k" << QStringLiteral("\u0C95") << 0 << "";
    QTest::newRow("KPRao a after k") << Kannada << KPRao << "k" << "a" << QStringLiteral("\u0CBE") << 0 << "";
    QTest::newRow("KPRao a at start") << Kannada << KPRao << "" << "a" << QStringLiteral("\u0C85") << 0 << "";
    QTest::newRow("KPRao Y after k") << Kannada << KPRao << "k" << "Y" << QStringLiteral("\u0CC8") << 0 << "";
    QTest::newRow("KPRao f after k") << Kannada << KPRao << "k" << "f" << QStringLiteral("\u0CCD") << 0 << "";
    QTest::newRow("KPRao second f") << Kannada << KPRao << "kf" << "f" << QStringLiteral("\u200C") << 0 << "";
    QTest::newRow("KPRao third f") << Kannada << KPRao << "kff" << "f" << "" << 0 << "reset";
    QTest::newRow("KPRao f at start") << Kannada << KPRao << "" << "f" << "" << 0 << "reset";
    QTest::newRow("KPRao F after k") << Kannada << KPRao << "k" << "F" << "" << 1 << "arkavattu";
    QTest::newRow("KPRao F after ki") << Kannada << KPRao << "ki" << "F" << "" << 2 << "arkavattu";
    QTest::newRow("KPRao F at start") << Kannada << KPRao << "" << "F" << "" << 0 << "reset";
    // A key typed as it is ends the composition: a later repha must not
    // move it, nor anything typed before it.
    QTest::newRow("KPRao F after a") << Kannada << KPRao << "a" << "F" << "" << 0 << "reset";
    // The repha goes in front of the whole cluster (with its sign); a
    // joiner or a vowel, here the inherent one of MA, ends the cluster.
    QTest::newRow("KPRao F after a conjunct") << Kannada << KPRao << "sAmTfy" << "F" << "" << 3 << "arkavattu";
    QTest::newRow("KPRao F after a conjunct and its sign") << Kannada << KPRao << "Tfyi" << "F" << "" << 4 << "arkavattu";
    QTest::newRow("KPRao F after a non-joiner") << Kannada << KPRao << "kffk" << "F" << "" << 1 << "arkavattu";
    QTest::newRow("KPRao f after ki") << Kannada << KPRao << "ki" << "f" << "" << 0 << "reset";
    QTest::newRow("KPRao X") << Kannada << KPRao << "k" << "X" << QStringLiteral("\u200D") << 0 << "";
    QTest::newRow("KPRao rupee") << Kannada << KPRao << "" << "$" << QStringLiteral("\u20B9") << 0 << "";

    // InScript: independent letters and signs have keys of their own.
    QTest::newRow("InScript E") << Kannada << InScript << "" << "E" << QStringLiteral("\u0C86") << 0 << "";
    QTest::newRow("InScript e after k") << Kannada << InScript << "k" << "e" << QStringLiteral("\u0CBE") << 0 << "";
    QTest::newRow("InScript ] nukta") << Kannada << InScript << "k" << "]" << QStringLiteral("\u0CBC") << 0 << "";
    QTest::newRow("InScript # after k") << Kannada << InScript << "k" << "#" << "" << 1 << "arkavattu";
    QTest::newRow("InScript # after ke") << Kannada << InScript << "ke" << "#" << "" << 2 << "arkavattu";
    QTest::newRow("InScript # after a lone sign") << Kannada << InScript << "e" << "#" << "" << 0 << "reset";
    QTest::newRow("InScript # after two signs") << Kannada << InScript << "kee" << "#" << "" << 0 << "reset";
    QTest::newRow("InScript # at start") << Kannada << InScript << "" << "#" << "" << 0 << "reset";
    QTest::newRow("InScript # after a conjunct") << Kannada << InScript << "kdk" << "#" << "" << 3 << "arkavattu";
    QTest::newRow("InScript d after k") << Kannada << InScript << "k" << "d" << QStringLiteral("\u0CCD") << 0 << "";
    QTest::newRow("InScript x anusvara") << Kannada << InScript << "k" << "x" << QStringLiteral("\u0C82") << 0 << "";
    QTest::newRow("InScript D") << Kannada << InScript << "k" << "D" << QStringLiteral("\u0C85") << 0 << "";
    QTest::newRow("InScript j is RA") << Kannada << InScript << "" << "j" << QStringLiteral("\u0CB0") << 0 << "";
    QTest::newRow("InScript rupee") << Kannada << InScript << "" << "$" << QStringLiteral("\u20B9") << 0 << "";

    // Other scripts: the same offsets in their own blocks, and their fix-ups.
    QTest::newRow("Telugu phonetic k") << Telugu << Phonetic << "" << "k" << QStringLiteral("\u0C15") << 0 << "virama";
    QTest::newRow("Telugu Lz fixed up") << Telugu << Phonetic << "L" << "Lz" << QStringLiteral("\u0C33") << 2 << "virama";
    QTest::newRow("Malayalam digit") << Malayalam << KPRao << "" << "7" << QStringLiteral("\u0D6D") << 0 << "";
    QTest::newRow("Oriya e fixed up") << Oriya << Phonetic << "" << "e" << QStringLiteral("\u0B0F") << 0 << "";
    QTest::newRow("Oriya o sign fixed up") << Oriya << KPRao << "k" << "o" << QStringLiteral("\u0B4B") << 0 << "";
    QTest::newRow("Gujarati KPRao k") << Gujarati << KPRao << "" << "k" << QStringLiteral("\u0A95") << 0 << "";
    QTest::newRow("Gujarati e sign fixed up") << Gujarati << InScript << "k" << "z" << QStringLiteral("\u0AC7") << 0 << "";
    QTest::newRow("Bengali InScript k") << Bengali << InScript << "" << "k" << QStringLiteral("\u0995") << 0 << "";
    QTest::newRow("Bengali v fixed up") << Bengali << Phonetic << "" << "v" << QStringLiteral("\u09AC") << 0 << "virama";
    QTest::newRow("Gurmukhi R fixed up") << Gurmukhi << Phonetic << "" << "R" << QStringLiteral("\u0A5C") << 0 << "";
    QTest::newRow("Gurmukhi H fixed up") << Gurmukhi << KPRao << "" << "H" << QStringLiteral("\u0A39") << 0 << "";

    // Tamil lacks many letters.
    QTest::newRow("Tamil n") << Tamil << Phonetic << "" << "n" << QStringLiteral("\u0BA9") << 0 << "virama";
    QTest::newRow("Tamil nz") << Tamil << Phonetic << "n" << "nz" << QStringLiteral("\u0BA8") << 2 << "virama";
    QTest::newRow("Tamil KPRao n") << Tamil << KPRao << "" << "n" << QStringLiteral("\u0BA9") << 0 << "";
    QTest::newRow("Tamil InScript v") << Tamil << InScript << "" << "v" << QStringLiteral("\u0BA9") << 0 << "";
    QTest::newRow("Tamil R at start") << Tamil << Phonetic << "" << "R" << QStringLiteral("\u0BB1") << 0 << "";
    QTest::newRow("Tamil R after k") << Tamil << Phonetic << "k" << "R" << "" << 1 << "";
    QTest::newRow("Tamil kh") << Tamil << Phonetic << "k" << "kh" << QStringLiteral("\u0B95") << 2 << "virama";
    QTest::newRow("Tamil M") << Tamil << Phonetic << "ka" << "M" << QStringLiteral("\u0BAE") << 0 << "";
    // BHA, which Tamil lacks, is PA in every layout.
    QTest::newRow("Tamil KPRao B") << Tamil << KPRao << "" << "B" << QStringLiteral("\u0BAA") << 0 << "";
    QTest::newRow("Tamil phonetic bh") << Tamil << Phonetic << "b" << "bh" << QStringLiteral("\u0BAA") << 2 << "virama";
    QTest::newRow("Tamil InScript Y") << Tamil << InScript << "" << "Y" << QStringLiteral("\u0BAA") << 0 << "";
    // Tamil has no nukta: the key is typed as it is.
    QTest::newRow("Tamil InScript nukta") << Tamil << InScript << "k" << "]" << "" << 0 << "reset";

    // Hindi has its own E, EE, O and OO, and the OM sign.
    QTest::newRow("Hindi e") << Hindi << Phonetic << "" << "e" << QStringLiteral("\u090F") << 0 << "";
    QTest::newRow("Hindi E") << Hindi << Phonetic << "" << "E" << QStringLiteral("\u0945") << 0 << "";
    QTest::newRow("Hindi E after k") << Hindi << Phonetic << "k" << "E" << QStringLiteral("\u0945") << 1 << "";
    QTest::newRow("Hindi e after k") << Hindi << KPRao << "k" << "e" << QStringLiteral("\u0947") << 0 << "";
    QTest::newRow("Hindi O") << Hindi << Phonetic << "" << "O" << QStringLiteral("\u0901") << 0 << "";
    QTest::newRow("Hindi OM") << Hindi << Phonetic << "O" << "OM" << QStringLiteral("\u0950") << 1 << "";
    QTest::newRow("Hindi OM, KPRao") << Hindi << KPRao << "O" << "OM" << QStringLiteral("\u0950") << 1 << "";
    QTest::newRow("Hindi digit") << Hindi << InScript << "" << "0" << QStringLiteral("\u0966") << 0 << "";
}

void TestAnsi2IndicUnicode::process()
{
    QFETCH(int, language);
    QFETCH(int, layout);
    QFETCH(QString, before);
    QFETCH(QString, key);
    QFETCH(QString, typed);
    QFETCH(int, backspaces);
    QFETCH(QString, flags);

    ANSI2IndicUnicode converter(language, layout);
    KeyFeeder feeder(converter);
    feeder.type(before);
    const ConverterOutput out = converter.process(key, feeder.emittedText());

    QCOMPARE(typedText(out), typed);
    QCOMPARE(int(out.backspaces), backspaces);
    QCOMPARE(recordFlags(out), flags);
    QVERIFY2(out.text.isEmpty(), "the Unicode converter types single characters");
}

// Whole words typed key by key, as the application ends up holding them.
void TestAnsi2IndicUnicode::typing_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");

    QTest::newRow("phonetic kannaDa") << Kannada << Phonetic << "kannaDa"
                                      << QStringLiteral("\u0C95\u0CA8\u0CCD\u0CA8\u0CA1");
    QTest::newRow("phonetic khaa") << Kannada << Phonetic << "khaa" << QStringLiteral("\u0C96\u0CBE");
    QTest::newRow("phonetic consonant alone") << Kannada << Phonetic << "k" << QStringLiteral("\u0C95\u0CCD");
    QTest::newRow("phonetic-2 kai") << Kannada << Phonetic2 << "kai" << QStringLiteral("\u0C95\u0CC8");
    QTest::newRow("KPRao kaNNaDa") << Kannada << KPRao << "kfkaq" << QStringLiteral("\u0C95\u0CCD\u0C95\u0CBE\u0C9F");
    QTest::newRow("KPRao repha on ki") << Kannada << KPRao << "kiF"
                                       << QStringLiteral("\u0CB0\u0CCD\u0C95\u0CBF");
    QTest::newRow("InScript kannada") << Kannada << InScript << "knde" << QStringLiteral("\u0C95\u0CB2\u0CCD\u0CBE");
    QTest::newRow("Hindi namaste") << Hindi << Phonetic << "namastE" << QStringLiteral("\u0928\u092E\u0938\u094D\u0924\u0945");
    QTest::newRow("Tamil tamizh") << Tamil << Phonetic << "thamiLz" << QStringLiteral("\u0BA4\u0BAE\u0BBF\u0BB4\u0BCD");
    QTest::newRow("Hindi KPRao namaste") << Hindi << KPRao << "nmsfte" << QStringLiteral("\u0928\u092E\u0938\u094D\u0924\u0947");
    QTest::newRow("Hindi InScript namaste") << Hindi << InScript << "vcmdlz" << QStringLiteral("\u0928\u092E\u0938\u094D\u0924\u0947");
    QTest::newRow("Hindi phonetic-2 namaste") << Hindi << Phonetic2 << "nmsfte" << QStringLiteral("\u0928\u092E\u0938\u094D\u0924\u0947");
    QTest::newRow("Tamil KPRao vaNakkam") << Tamil << KPRao << "vNkfkmf" << QStringLiteral("\u0BB5\u0BA3\u0B95\u0BCD\u0B95\u0BAE\u0BCD");
    QTest::newRow("Tamil phonetic-2 vaNakkam") << Tamil << Phonetic2 << "vNkfkmf" << QStringLiteral("\u0BB5\u0BA3\u0B95\u0BCD\u0B95\u0BAE\u0BCD");
    QTest::newRow("Tamil phonetic vaNakkam") << Tamil << Phonetic << "vaNakkam" << QStringLiteral("\u0BB5\u0BA3\u0B95\u0BCD\u0B95\u0BAE\u0BCD");
    // A repha asked for after a sign without its consonant must not take a
    // character the hook never typed (here the comma) out of the text.
    QTest::newRow("InScript repha after a lone sign") << Kannada << InScript << "k,e#"
                                                      << QStringLiteral("\u0C95,\u0CBE#");
    QTest::newRow("KPRao saamarthya") << Kannada << KPRao << "sAmTfyF"
                                      << QStringLiteral("\u0CB8\u0CBE\u0CAE\u0CB0\u0CCD\u0CA5\u0CCD\u0CAF");
    QTest::newRow("KPRao f after a sign") << Kannada << KPRao << "kif" << QStringLiteral("\u0C95\u0CBFf");
    QTest::newRow("KPRao F after keys typed as they are") << Kannada << KPRao << "kiffF"
                                                          << QStringLiteral("\u0C95\u0CBFffF");
    QTest::newRow("KPRao repha after a halant kept") << Kannada << KPRao << "kfFkF"
                                                     << QStringLiteral("\u0C95\u0CCDF\u0CB0\u0CCD\u0C95");
    QTest::newRow("InScript # after two signs") << Kannada << InScript << "kfz#"
                                                << QStringLiteral("\u0C95\u0CBF\u0CC6#");
    QTest::newRow("word ended by a comma") << Kannada << Phonetic << "ka,ki" << QStringLiteral("\u0C95,\u0C95\u0CBF");
    // Letters a script lacks: RRA is typed RA and LLLA LLA; where there is
    // no stand-in (Gurmukhi's sign of vocalic R, Telugu's nukta) the key is
    // typed as it is and what it follows stays.
    QTest::newRow("Gujarati rza") << Gujarati << Phonetic << "rza" << QStringLiteral("\u0AB0");
    QTest::newRow("Bengali phonetic-2 rz") << Bengali << Phonetic2 << "rz" << QStringLiteral("\u09B0");
    QTest::newRow("Gurmukhi rza") << Gurmukhi << Phonetic << "rza" << QStringLiteral("\u0A30");
    QTest::newRow("Oriya rza Lza") << Oriya << Phonetic << "rzaLza" << QStringLiteral("\u0B30\u0B33");
    QTest::newRow("Gurmukhi phonetic kR") << Gurmukhi << Phonetic << "kR" << QStringLiteral("\u0A15\u0A4DR");
    QTest::newRow("Gurmukhi KPRao kR") << Gurmukhi << KPRao << "kR" << QStringLiteral("\u0A15R");
    QTest::newRow("Gurmukhi InScript k=") << Gurmukhi << InScript << "k=" << QStringLiteral("\u0A15=");
    QTest::newRow("Gurmukhi phonetic-2 kiR") << Gurmukhi << Phonetic2 << "kiR" << QStringLiteral("\u0A15\u0A3FR");
    QTest::newRow("Telugu InScript k]") << Telugu << InScript << "k]" << QStringLiteral("\u0C15]");
}

void TestAnsi2IndicUnicode::typing()
{
    QFETCH(int, language);
    QFETCH(int, layout);
    QFETCH(QString, keys);
    QFETCH(QString, text);

    ANSI2IndicUnicode converter(language, layout);
    KeyFeeder feeder(converter);
    feeder.type(keys);
    QCOMPARE(feeder.applicationText(), text);
}

void TestAnsi2IndicUnicode::englishNumerals()
{
    ANSI2IndicUnicode converter(Kannada, Phonetic);
    QCOMPARE(converter.process(QStringLiteral("5"), QString()).character, QChar(0x0CEB));

    SharedSettings::setEnglishNumerals(true);
    QCOMPARE(converter.process(QStringLiteral("5"), QString()).character, QChar('5'));
    QCOMPARE(converter.digitOutput(QLatin1Char('0')).character, QChar('0'));

    SharedSettings::setEnglishNumerals(false);
    QCOMPARE(converter.digitOutput(QLatin1Char('0')).character, QChar(0x0CE6));
    converter.setLanguage(Tamil);
    QCOMPARE(converter.digitOutput(QLatin1Char('9')).character, QChar(0x0BEF));
}

// The hook checks a digit and then converts it: the key is typed as the
// check found the shared setting, which is read once for the key press. The
// answer serves that one digit only; any later key reads afresh.
void TestAnsi2IndicUnicode::digitConvertedAsChecked()
{
    ANSI2IndicUnicode converter(Kannada, KPRao);
    QVERIFY(converter.isValidKey(QStringLiteral("5")));
    SharedSettings::setEnglishNumerals(true);
    QCOMPARE(converter.process(QStringLiteral("5"), QString()).character, QChar(0x0CEB));
    QCOMPARE(converter.process(QStringLiteral("5"), QString()).character, QChar('5'));

    // Checked as English, then the setting goes off before the next key.
    QVERIFY(!converter.isValidKey(QStringLiteral("6")));
    SharedSettings::setEnglishNumerals(false);
    QCOMPARE(converter.process(QStringLiteral("7"), QString()).character, QChar(0x0CED));

    // A check of another key in between forgets the digit's answer.
    QVERIFY(converter.isValidKey(QStringLiteral("8")));
    QVERIFY(converter.isValidKey(QStringLiteral("k")));
    SharedSettings::setEnglishNumerals(true);
    QCOMPARE(converter.process(QStringLiteral("8"), QString()).character, QChar('8'));
}

void TestAnsi2IndicUnicode::otherNumbersPassThrough()
{
    ANSI2IndicUnicode converter(Kannada, KPRao);
    // A script digit typed directly is a number key but no ASCII digit.
    const ConverterOutput out = converter.process(QStringLiteral("\u0CEB"), QString());
    QVERIFY(out.character.isNull());
    QCOMPARE(int(out.backspaces), 0);
    QVERIFY(typedText(converter.digitOutput(QChar(0x00BD))).isEmpty());
}

void TestAnsi2IndicUnicode::noConversionOutsideTheIndicLanguages_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("key");

    for (int language : {English, -1, 10}) {
        QTest::addRow("%d phonetic k", language) << language << Phonetic << "k";
        QTest::addRow("%d phonetic a", language) << language << Phonetic << "a";
        QTest::addRow("%d KPRao f", language) << language << KPRao << "f";
        QTest::addRow("%d KPRao F", language) << language << KPRao << "F";
        QTest::addRow("%d InScript e", language) << language << InScript << "e";
        QTest::addRow("%d digit", language) << language << KPRao << "5";
        QTest::addRow("%d X", language) << language << Phonetic << "X";
    }
}

// Language 9 (English) or a stored value out of range would compute with a
// block base of 0 and type ASCII-range characters; instead nothing is
// converted and every key reaches the application as typed.
void TestAnsi2IndicUnicode::noConversionOutsideTheIndicLanguages()
{
    QFETCH(int, language);
    QFETCH(int, layout);
    QFETCH(QString, key);

    ANSI2IndicUnicode converter(language, layout);
    QVERIFY(!converter.isValidKey(key));
    const ConverterOutput out = converter.process(key, QStringLiteral("k"));
    QVERIFY(typedText(out).isEmpty());
    QCOMPARE(int(out.backspaces), 0);
    QCOMPARE(recordFlags(out), QString());

    // The same converter set to an Indic language converts again.
    converter.setLanguage(Kannada);
    QVERIFY(converter.isValidKey(key));
}

void TestAnsi2IndicUnicode::keysOutsideTheLayout()
{
    ANSI2IndicUnicode converter(Kannada, Phonetic);
    for (const char *key : {",", "F", "#", "q", "Om", ""}) {
        const ConverterOutput out = converter.process(QLatin1String(key), QStringLiteral("\u0C95"));
        QVERIFY2(typedText(out).isEmpty() && out.backspaces == 0 && recordFlags(out).isEmpty(), key);
    }
}

void TestAnsi2IndicUnicode::nothingPendingToFlush()
{
    ANSI2IndicUnicode converter(Kannada, KPRao);
    ConverterOutput out;
    QVERIFY(!converter.flushPending(out));
    QVERIFY(typedText(out).isEmpty());
}

void TestAnsi2IndicUnicode::randomTypingPlacesViramaAndRepha_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");

    for (int language : {Kannada, Hindi, Tamil}) {
        QTest::addRow("KPRao, language %d", language) << language << KPRao;
        QTest::addRow("InScript, language %d", language) << language << InScript;
    }
}

// Seeded random key sequences typed through the hook's rules: no virama
// ever follows anything but a consonant in the application's text, and the
// arkavattu key either puts its repha in front of a whole consonant cluster
// or reaches the application as typed.
void TestAnsi2IndicUnicode::randomTypingPlacesViramaAndRepha()
{
    QFETCH(int, language);
    QFETCH(int, layout);

    ANSI2IndicUnicode converter(language, layout);
    const QStringList keys = layout == KPRao ? converter.kpraoKeys : converter.inscriptKeys;
    const QString halant = QLatin1String(layout == KPRao ? "f" : "d");
    const QString arkavattu = QLatin1String(layout == KPRao ? "F" : "#");
    const char16_t base = converter.baseCodePoint;
    QRandomGenerator random(quint32(1000 * language + layout));
    for (int round = 0; round < 2000; ++round) {
        KeyFeeder feeder(converter);
        QString typed;
        for (const QString &key : TypingChecks::randomKeys(random, keys, halant, arkavattu)) {
            const QString before = feeder.applicationText();
            feeder.type(key);
            const QString after = feeder.applicationText();
            QString fault = TypingChecks::viramaWithoutConsonant(after, base);
            if (fault.isEmpty() && key == arkavattu)
                fault = TypingChecks::misplacedRepha(before, after, key, base);
            typed += key;
            QVERIFY2(fault.isEmpty(), qPrintable(typed + QLatin1String(": ") + fault));
        }
    }
}

void TestAnsi2IndicUnicode::outputIsAssigned_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");

    for (int language = Kannada; language <= Tamil; ++language) {
        for (int layout : {Phonetic, KPRao, InScript, Phonetic2})
            QTest::addRow("language %d, layout %d", language, layout) << language << layout;
    }
}

// Every key of every layout, alone, after a consonant and pressed twice
// after a consonant, types only code points Unicode has assigned in every
// script: letters a script lacks become letters it has, or the key is
// typed as it is.
void TestAnsi2IndicUnicode::outputIsAssigned()
{
    QFETCH(int, language);
    QFETCH(int, layout);

    ANSI2IndicUnicode converter(language, layout);
    const QStringList keys = layout == KPRao ? converter.kpraoKeys
        : layout == InScript                 ? converter.inscriptKeys
                                             : converter.phoneticKeys;
    for (const QString &key : keys) {
        const QString k = QStringLiteral("k");
        for (const QString &typed : {key, k + key, k + key + key}) {
            KeyFeeder feeder(converter);
            feeder.type(typed);
            const QString text = feeder.applicationText();
            for (const QChar c : text)
                QVERIFY2(c.category() != QChar::Other_NotAssigned,
                         qPrintable(typed + QLatin1String(": ") + hexCodes(text)));
        }
    }
}

YAVO_TEST_GUILESS_MAIN(TestAnsi2IndicUnicode)
#include "tst_ansi2indicunicode.moc"
