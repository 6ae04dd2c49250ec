#include "core/indictransliterator.h"
#include "core/transliterationtables.h"
#include "hexcodes.h"
#include "testmain.h"
#include "typingchecks.h"

#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

#include <iterator>

class TestIndicTransliterator : public QObject
{
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
    void convertKeepsWhatIsNoKey_data();
    void convertKeepsWhatIsNoKey();
    void convertLeavesNonIndicLanguagesAlone_data();
    void convertLeavesNonIndicLanguagesAlone();
    void transliterationLayoutKeepsWordInitialNasals_data();
    void transliterationLayoutKeepsWordInitialNasals();
    void storedLanguageAndKeyboard();
    void convertMixed_data();
    void convertMixed();
    void longestKey_data();
    void longestKey();
    void isKey_data();
    void isKey();
    void keyTables();
    void ruleTables();
    void names();
    void anyInputAnyIndex();
    void randomTypingPlacesViramaAndRepha_data();
    void randomTypingPlacesViramaAndRepha();
    void outputIsAssigned_data();
    void outputIsAssigned();
    void convertMixedWritesAssignedLetters_data();
    void convertMixedWritesAssignedLetters();
};

void TestIndicTransliterator::convert_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("expected");

    // Phonetic: consonants carry a virama that a following vowel replaces.
    QTest::newRow("phonetic kn k") << "k" << 0 << 0 << "0C95 0CCD";
    QTest::newRow("phonetic kn ka") << "ka" << 0 << 0 << "0C95";
    QTest::newRow("phonetic kn ki") << "ki" << 0 << 0 << "0C95 0CBF";
    QTest::newRow("phonetic kn kX") << "kX" << 0 << 0 << "0C95 0CCD 200D";
    QTest::newRow("phonetic kn kXa") << "kXa" << 0 << 0 << "0C95";
    QTest::newRow("phonetic kn xx") << "xx" << 0 << 0 << "200C 0078";
    QTest::newRow("phonetic kn aaa") << "aaa" << 0 << 0 << "0C86 0C85";
    QTest::newRow("phonetic kn kh vs K") << "khaKa" << 0 << 0 << "0C96 0C96";
    QTest::newRow("phonetic kn f is PA") << "fa" << 0 << 0 << "0CAA";
    QTest::newRow("phonetic kn digits") << "2024" << 0 << 0 << "0CE8 0CE6 0CE8 0CEA";
    QTest::newRow("phonetic kn LLLA fix-up") << "Lza" << 0 << 0 << "0CDE";
    QTest::newRow("phonetic te ka") << "ka" << 1 << 0 << "0C15";
    QTest::newRow("phonetic te LLLA fix-up") << "Lza" << 1 << 0 << "0C33";
    QTest::newRow("phonetic ml LLLA") << "Lza" << 2 << 0 << "0D34";
    QTest::newRow("phonetic or short e sign") << "ke" << 3 << 0 << "0B15 0B47";
    QTest::newRow("phonetic hi e") << "e" << 4 << 0 << "090F";
    QTest::newRow("phonetic hi E") << "E" << 4 << 0 << "0945";
    QTest::newRow("phonetic hi o") << "o" << 4 << 0 << "0913";
    QTest::newRow("phonetic hi O") << "O" << 4 << 0 << "0901";
    QTest::newRow("phonetic hi ke") << "ke" << 4 << 0 << "0915 0947";
    QTest::newRow("phonetic hi digit") << "2" << 4 << 0 << "0968";
    QTest::newRow("phonetic gu o") << "o" << 5 << 0 << "0A93";
    QTest::newRow("phonetic gu LLLA") << "Lza" << 5 << 0 << "0AB3";
    QTest::newRow("phonetic bn va") << "va" << 6 << 0 << "09AC";
    QTest::newRow("phonetic pa vocalic r") << "R" << 7 << 0 << "0A5C";
    QTest::newRow("phonetic pa visarga") << "H" << 7 << 0 << "0A39";
    QTest::newRow("phonetic ta sa") << "sa" << 8 << 0 << "0B9A";
    QTest::newRow("phonetic ta Sa") << "Sa" << 8 << 0 << "0BB8";
    QTest::newRow("phonetic ta sha") << "sha" << 8 << 0 << "0BB7";
    QTest::newRow("phonetic ta s") << "s" << 8 << 0 << "0B9A 0BCD";
    QTest::newRow("phonetic ta ka") << "ka" << 8 << 0 << "0B95";
    QTest::newRow("phonetic ta ga") << "ga" << 8 << 0 << "0B95";
    QTest::newRow("phonetic ta Ba") << "Ba" << 8 << 0 << "0BAA";
    QTest::newRow("phonetic ta na") << "na" << 8 << 0 << "0BA9";
    QTest::newRow("phonetic ta nza") << "nza" << 8 << 0 << "0BA8";
    QTest::newRow("phonetic ta vocalic r sign dropped") << "kR" << 8 << 0 << "0B95";
    QTest::newRow("phonetic ta anusvara") << "aM" << 8 << 0 << "0B85 0BAE";

    // KPRao: bare consonants; the virama key's second press writes ZWNJ.
    QTest::newRow("kprao kn ka") << "ka" << 0 << 1 << "0C95 0CBE";
    QTest::newRow("kprao kn kA") << "kA" << 0 << 1 << "0C95 0CBE";
    QTest::newRow("kprao kn k") << "k" << 0 << 1 << "0C95";
    QTest::newRow("kprao kn kf") << "kf" << 0 << 1 << "0C95 0CCD";
    QTest::newRow("kprao kn kff") << "kff" << 0 << 1 << "0C95 0CCD 200C";
    QTest::newRow("kprao kn kfff") << "kfff" << 0 << 1 << "0C95 0CCD 200C 0066";
    QTest::newRow("kprao kn kfa") << "kfa" << 0 << 1 << "0C95 0CCD 0C85";
    QTest::newRow("kprao kn rF") << "rF" << 0 << 1 << "0CB0 0CCD 200D 0CAF";
    QTest::newRow("kprao kn kF") << "kF" << 0 << 1 << "0CB0 0CCD 0C95";
    QTest::newRow("kprao kn kiF") << "kiF" << 0 << 1 << "0CB0 0CCD 0C95 0CBF";
    QTest::newRow("kprao kn F") << "F" << 0 << 1 << "0046";
    QTest::newRow("kprao kn aF") << "aF" << 0 << 1 << "0C85 0046";
    QTest::newRow("kprao hi rF") << "rF" << 4 << 1 << "0930 094D 0930";
    QTest::newRow("kprao te kY") << "kY" << 1 << 1 << "0C15 0C48";
    // The repha goes in front of the whole cluster, with its sign; a joiner
    // or a vowel (here the inherent one of MA) ends the cluster.
    QTest::newRow("kprao kn repha on a conjunct") << "sAmTfyF" << 0 << 1
                                                  << "0CB8 0CBE 0CAE 0CB0 0CCD 0CA5 0CCD 0CAF";
    QTest::newRow("kprao kn repha on a conjunct with its sign") << "TfyiF" << 0 << 1
                                                                << "0CB0 0CCD 0CA5 0CCD 0CAF 0CBF";
    QTest::newRow("kprao kn repha after a non-joiner") << "kffkF" << 0 << 1
                                                       << "0C95 0CCD 200C 0CB0 0CCD 0C95";
    // A virama stands only on a consonant; elsewhere the key is kept.
    QTest::newRow("kprao kn f after a sign") << "kif" << 0 << 1 << "0C95 0CBF 0066";
    QTest::newRow("kprao kn f alone") << "f" << 0 << 1 << "0066";
    QTest::newRow("kprao kn f after a vowel") << "af" << 0 << 1 << "0C85 0066";
    QTest::newRow("kprao ta B") << "B" << 8 << 1 << "0BAA";

    // InScript: vowels and signs have keys of their own.
    QTest::newRow("inscript kn e") << "e" << 0 << 2 << "0CBE";
    QTest::newRow("inscript kn &") << "&" << 0 << 2 << "0C95 0CCD 0CB7";
    QTest::newRow("inscript kn $") << "$" << 0 << 2 << "20B9";
    QTest::newRow("inscript hi $") << "$" << 4 << 2 << "20B9";
    QTest::newRow("inscript ta $") << "$" << 8 << 2 << "20B9";
    QTest::newRow("inscript hi ke") << "ke" << 4 << 2 << "0915 093E";
    QTest::newRow("inscript hi kdk") << "kdk" << 4 << 2 << "0915 094D 0915";
    QTest::newRow("inscript hi i is GA") << "iD" << 4 << 2 << "0917 0905";
    QTest::newRow("inscript ml k#") << "k#" << 2 << 2 << "0D30 0D4D 0D15";
    QTest::newRow("inscript kn repha on a conjunct") << "kdk#" << 0 << 2 << "0CB0 0CCD 0C95 0CCD 0C95";
    // Nothing to put a repha on: the key is kept as typed.
    QTest::newRow("inscript kn # alone") << "#" << 0 << 2 << "0023";
    QTest::newRow("inscript kn # after a lone sign") << "e#" << 0 << 2 << "0CBE 0023";
    QTest::newRow("inscript kn # after two signs") << "kfz#" << 0 << 2 << "0C95 0CBF 0CC6 0023";
    QTest::newRow("inscript kn d after a sign") << "ked" << 0 << 2 << "0C95 0CBE 0064";
    QTest::newRow("inscript ta Y") << "Y" << 8 << 2 << "0BAA";
    QTest::newRow("inscript ta nukta kept as typed") << "k]" << 8 << 2 << "0B95 005D";

    // Transliteration: respelling and the nasal rule, then Phonetic.
    QTest::newRow("translit kn hindi") << "hindi" << 0 << 3 << "0CB9 0CBF 0C82 0CA6 0CBF";
    QTest::newRow("translit kn ram") << "ram" << 0 << 3 << "0CB0 0CAE 0CCD";
    QTest::newRow("translit kn kannada") << "kannada" << 0 << 3 << "0C95 0CA8 0CCD 0CA8 0CA6";
    QTest::newRow("translit hi command") << "command" << 4 << 3 << "0915 0902 092F 093E 0902 0921 094D";
    QTest::newRow("translit ta sa") << "sa" << 8 << 3 << "0B9A";

    // Phonetic-2: bare consonants; "f" is the virama.
    QTest::newRow("phonetic2 kn pa") << "pa" << 0 << 4 << "0CAA 0C85";
    QTest::newRow("phonetic2 kn ki") << "ki" << 0 << 4 << "0C95 0CBF";
    QTest::newRow("phonetic2 kn kie") << "kie" << 0 << 4 << "0C95 0CC6";
    QTest::newRow("phonetic2 kn kif") << "kif" << 0 << 4 << "0C95 0CBF 0CCD";
    QTest::newRow("phonetic2 kn kff") << "kff" << 0 << 4 << "0C95 0CCD";
    QTest::newRow("phonetic2 kn kiM") << "kiM" << 0 << 4 << "0C95 0CBF 0C82";
    QTest::newRow("phonetic2 gu ko") << "ko" << 5 << 4 << "0A95 0ACB";
    QTest::newRow("phonetic2 ta s stays SA") << "s" << 8 << 4 << "0BB8";

    // KPRao - Extended: further vowels and nukta letters.
    QTest::newRow("extended hi zk") << "zk" << 4 << 5 << "0959";
    QTest::newRow("extended hi kze") << "kze" << 4 << 5 << "0915 0945";
    QTest::newRow("extended hi zs") << "zs" << 4 << 5 << "093D";
    QTest::newRow("extended hi X is NYA") << "X" << 4 << 5 << "091E";
    QTest::newRow("extended kn za") << "kza" << 0 << 5 << "0C95 0CD5";
    QTest::newRow("extended kn z") << "z" << 0 << 5 << "0CF1";
    QTest::newRow("extended kn kF") << "kF" << 0 << 5 << "0C95 200D";
    QTest::newRow("extended hi Y is AI") << "YkY" << 4 << 5 << "0910 0915 0948";
    QTest::newRow("extended kn f after a sign") << "kif" << 0 << 5 << "0C95 0CBF 0066";
    // Tamil writes its nearest letter for those it lacks.
    QTest::newRow("extended ta zk") << "zk" << 8 << 5 << "0B95";
    QTest::newRow("extended ta kze") << "kze" << 8 << 5 << "0B95 0BC6";
    QTest::newRow("extended ta zs kept as typed") << "kzs" << 8 << 5 << "0B95 007A 0073";

    // Letters a script lacks: the letter users write for that sound, or the
    // key as typed. RRA is written RA, LLLA LLA, in every layout.
    QTest::newRow("gu phonetic rza") << "rza" << 5 << 0 << "0AB0";
    QTest::newRow("gu kprao rz") << "rz" << 5 << 1 << "0AB0";
    QTest::newRow("gu inscript J") << "J" << 5 << 2 << "0AB0";
    QTest::newRow("gu extended zr") << "zr" << 5 << 5 << "0AB0";
    QTest::newRow("pa phonetic rza") << "rza" << 7 << 0 << "0A30";
    QTest::newRow("or phonetic-2 rz") << "rz" << 3 << 4 << "0B30";
    QTest::newRow("or kprao Lz") << "Lz" << 3 << 1 << "0B33";
    QTest::newRow("or phonetic Lza") << "Lza" << 3 << 0 << "0B33";
    QTest::newRow("bn inscript J") << "J" << 6 << 2 << "09B0";
    QTest::newRow("bn transliteration rza") << "rza" << 6 << 3 << "09B0";
    // Gurmukhi has no sign of vocalic R: the key stays, and so does what
    // it followed, the virama of Phonetic and the sign of Phonetic-2.
    QTest::newRow("pa kprao kR") << "kR" << 7 << 1 << "0A15 0052";
    QTest::newRow("pa inscript k=") << "k=" << 7 << 2 << "0A15 003D";
    QTest::newRow("pa phonetic kR") << "kR" << 7 << 0 << "0A15 0A4D 0052";
    QTest::newRow("pa phonetic-2 kiR") << "kiR" << 7 << 4 << "0A15 0A3F 0052";
    QTest::newRow("pa phonetic R alone") << "R" << 7 << 0 << "0A5C";
    // The KPRao - Extended letters.
    QTest::newRow("kn extended ze") << "ze" << 0 << 5 << "0C8E";
    QTest::newRow("kn extended kzo") << "kzo" << 0 << 5 << "0C95 0CCA";
    QTest::newRow("kn extended zk") << "zk" << 0 << 5 << "0C96";
    QTest::newRow("te extended z") << "kz" << 1 << 5 << "0C15 0C03";
    QTest::newRow("te inscript ]") << "k]" << 1 << 2 << "0C15 005D";
    QTest::newRow("gu extended kza") << "kza" << 5 << 5 << "0A95 007A 0061";
    QTest::newRow("pa extended zs") << "kzs" << 7 << 5 << "0A15 007A 0073";

    // "OM" is one key in Hindi whatever the layout.
    for (int layout = 0; layout <= 5; ++layout)
        QTest::addRow("hindi OM layout %d", layout) << "OM" << 4 << layout << "0950";
    QTest::newRow("kannada OM is two keys") << "OM" << 0 << 0 << "0C93 0C82";
}

void TestIndicTransliterator::convert()
{
    QFETCH(QString, keys);
    QFETCH(int, language);
    QFETCH(int, layout);
    QFETCH(QString, expected);

    IndicTransliterator engine;
    QCOMPARE(hexCodes(engine.convert(keys, language, layout)), expected);
    // A fresh engine and a reused one give the same text.
    QCOMPARE(hexCodes(engine.convert(keys, language, layout)), expected);
}

void TestIndicTransliterator::convertKeepsWhatIsNoKey_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("expected");

    QTest::newRow("space tab nbsp") << QStringLiteral("k \t\u00A0k") << 0 << 0 << "0C95 0CCD 0020 0009 00A0 0C95 0CCD";
    QTest::newRow("comma") << "ka,ka" << 0 << 0 << "0C95 002C 0C95";
    QTest::newRow("indic text") << QStringLiteral("\u0915a") << 0 << 0 << "0915 0C85";
    QTest::newRow("superscript two") << QStringLiteral("ka\u00B2") << 0 << 0 << "0C95 00B2";
    QTest::newRow("one half") << QStringLiteral("\u00BD") << 4 << 1 << "00BD";
    QTest::newRow("latin-1 letter") << QStringLiteral("\u00E9k") << 0 << 1 << "00E9 0C95";
    QTest::newRow("unknown layout") << "ka1" << 0 << 7 << "006B 0061 0CE7";
    QTest::newRow("negative layout") << "ka" << 2 << -1 << "006B 0061";
}

void TestIndicTransliterator::convertKeepsWhatIsNoKey()
{
    QFETCH(QString, keys);
    QFETCH(int, language);
    QFETCH(int, layout);
    QFETCH(QString, expected);

    IndicTransliterator engine;
    QCOMPARE(hexCodes(engine.convert(keys, language, layout)), expected);
}

void TestIndicTransliterator::convertLeavesNonIndicLanguagesAlone_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("english") << 9;
    QTest::newRow("past english") << 10;
    QTest::newRow("far out") << 1000;
    QTest::newRow("negative") << -1;
    QTest::newRow("very negative") << int(0x80000000);
}

void TestIndicTransliterator::convertLeavesNonIndicLanguagesAlone()
{
    QFETCH(int, language);

    const QString text = QStringLiteral("kannada OM 12 \u0915, \u00B2");
    IndicTransliterator engine(2, 1);
    for (int layout = 0; layout <= 5; ++layout) {
        QCOMPARE(engine.convert(text, language, layout), text);
        QCOMPARE(engine.convertMixed(text, language, layout), text);
    }
    QCOMPARE(engine.language(), 2);
    QCOMPARE(engine.keyboard(), 1);
    QCOMPARE(engine.convert(QString(), language, 0), QString());
    QVERIFY(engine.convert(QString(), language, 0).isEmpty());
}

void TestIndicTransliterator::transliterationLayoutKeepsWordInitialNasals_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");

    // Respelled "myArEj" and "myAgajain": the m begins the word.
    QTest::newRow("marriage") << "marriage" << 0 << "0CAE 0CCD 0CAF 0CBE 0CB0 0CC7 0C9C 0CCD";
    QTest::newRow("magazine") << "magazine" << 0 << "0CAE 0CCD 0CAF 0CBE 0C97 0C9C 0CC8 0CA8 0CCD";
    QTest::newRow("nyaya") << "nyaaya" << 4 << "0928 094D 092F 093E 092F";
    // Inside a word the rule still applies.
    QTest::newRow("kanDa") << "kanDa" << 0 << "0C95 0C82 0CA1";
    QTest::newRow("second word") << "nyA myA" << 0 << "0CA8 0CCD 0CAF 0CBE 0020 0CAE 0CCD 0CAF 0CBE";
}

void TestIndicTransliterator::transliterationLayoutKeepsWordInitialNasals()
{
    QFETCH(QString, keys);
    QFETCH(int, language);
    QFETCH(QString, expected);

    IndicTransliterator engine;
    QCOMPARE(hexCodes(engine.convert(keys, language, 3)), expected);
}

void TestIndicTransliterator::storedLanguageAndKeyboard()
{
    IndicTransliterator fresh;
    QCOMPARE(fresh.language(), 0);
    QCOMPARE(fresh.keyboard(), 0);
    QCOMPARE(hexCodes(fresh.convert(QStringLiteral("ka"))), QStringLiteral("0C95"));

    IndicTransliterator engine(4, 1);
    QCOMPARE(engine.language(), 4);
    QCOMPARE(engine.keyboard(), 1);
    QCOMPARE(hexCodes(engine.convert(QStringLiteral("ka"))), QStringLiteral("0915 093E"));

    // A conversion stores what it was given; Transliteration leaves Phonetic.
    engine.convert(QStringLiteral("ram"), 0, 3);
    QCOMPARE(engine.language(), 0);
    QCOMPARE(engine.keyboard(), 0);
    QCOMPARE(hexCodes(engine.convert(QStringLiteral("ram"))), QStringLiteral("0CB0 0CAE 0CCD"));

    // English and empty input store nothing.
    engine.setLanguage(8);
    engine.setKeyboard(2);
    QCOMPARE(engine.convert(QStringLiteral("abc"), 9, 0), QStringLiteral("abc"));
    QVERIFY(engine.convert(QString(), 1, 4).isEmpty());
    QCOMPARE(engine.language(), 8);
    QCOMPARE(engine.keyboard(), 2);
    QCOMPARE(engine.languageName(), QStringLiteral("Tamil"));
    QCOMPARE(hexCodes(engine.convert(QStringLiteral("k"))), QStringLiteral("0B95"));
}

void TestIndicTransliterator::convertMixed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("expected");

    QTest::newRow("devanagari to kannada") << QStringLiteral("\u0915") << 0 << "0C95";
    QTest::newRow("kannada to hindi") << QStringLiteral("\u0CA4") << 4 << "0924";
    QTest::newRow("tamil stays") << QStringLiteral("\u0B95") << 0 << "0B95";
    QTest::newRow("telugu to tamil with fix-up") << QStringLiteral("\u0C16\u0C3F") << 8 << "0B95 0BBF";
    QTest::newRow("kannada e sign to hindi") << QStringLiteral("\u0C95\u0CC6") << 4 << "0915 0947";
    QTest::newRow("latin keys") << "kannaDa" << 1 << "0C15 0C28 0C4D 0C28 0C21";
    QTest::newRow("digits") << "12" << 4 << "0967 0968";
    QTest::newRow("empty") << "" << 3 << "";
    // Punctuation, spaces, Latin-1 numbers and signs of no script survive.
    QTest::newRow("punctuation") << QStringLiteral("\u0CA4, \"\u0CA4\".") << 4
                                 << "0924 002C 0020 0022 0924 0022 002E";
    QTest::newRow("latin-1 number") << QStringLiteral("\u00BD\u00B2") << 0 << "00BD 00B2";
    QTest::newRow("joiners and quotes") << QStringLiteral("\u0C95\u0CCD\u200D\u201C\u20B9\u2014") << 4
                                        << "0915 094D 200D 201C 20B9 2014";
    QTest::newRow("other scripts") << QStringLiteral("\u3042") << 2 << "3042";
    // The danda and double danda are the full stops of every script; only
    // the Devanagari block holds them.
    QTest::newRow("danda to kannada") << QStringLiteral("\u0915\u0964") << 0 << "0C95 0964";
    QTest::newRow("double danda to tamil") << QStringLiteral("\u0938\u0965") << 8 << "0BB8 0965";
}

void TestIndicTransliterator::convertMixed()
{
    QFETCH(QString, text);
    QFETCH(int, language);
    QFETCH(QString, expected);

    IndicTransliterator engine;
    QCOMPARE(hexCodes(engine.convertMixed(text, language, 0)), expected);
    QCOMPARE(engine.language(), text.isEmpty() ? 0 : language);
}

void TestIndicTransliterator::longestKey_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two-character key wins") << 0 << 0 << "aa" << "aa";
    QTest::newRow("ka is two keys") << 0 << 0 << "ka" << "k";
    QTest::newRow("kh") << 0 << 0 << "kh" << "kh";
    QTest::newRow("one character") << 0 << 0 << "S" << "S";
    QTest::newRow("no key") << 0 << 0 << "," << "";
    QTest::newRow("empty") << 0 << 0 << "" << "";
    QTest::newRow("hindi OM") << 4 << 2 << "OM" << "OM";
    QTest::newRow("kannada OM") << 0 << 0 << "OM" << "O";
    QTest::newRow("extended zk") << 0 << 5 << "zk" << "zk";
    QTest::newRow("kprao has no zk") << 0 << 1 << "zk" << "z";
    QTest::newRow("inscript quote") << 0 << 2 << "\"x" << "\"";
}

void TestIndicTransliterator::longestKey()
{
    QFETCH(int, language);
    QFETCH(int, layout);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    const IndicTransliterator engine(language, layout);
    QCOMPARE(engine.longestKey(text), expected);
}

void TestIndicTransliterator::isKey_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    for (int layout = 0; layout <= 5; ++layout) {
        QTest::addRow("digit layout %d", layout) << layout << "7" << true;
        QTest::addRow("empty layout %d", layout) << layout << "" << false;
    }
    QTest::newRow("digit then more") << 0 << "7x" << true;
    QTest::newRow("devanagari digit") << 1 << QStringLiteral("\u0967") << true;
    QTest::newRow("one half") << 2 << QStringLiteral("\u00BD") << true;
    QTest::newRow("phonetic kh") << 0 << "kh" << true;
    QTest::newRow("phonetic ka") << 0 << "ka" << false;
    QTest::newRow("phonetic three characters") << 0 << "khk" << false;
    QTest::newRow("transliteration uses phonetic") << 3 << "Sh" << true;
    QTest::newRow("kprao rz") << 1 << "rz" << true;
    QTest::newRow("extended answers from kprao") << 5 << "rz" << true;
    QTest::newRow("extended zk is not asked") << 5 << "zk" << false;
    QTest::newRow("inscript ]") << 2 << "]" << true;
    QTest::newRow("inscript kh") << 2 << "kh" << false;
}

void TestIndicTransliterator::isKey()
{
    QFETCH(int, layout);
    QFETCH(QString, text);
    QFETCH(bool, expected);

    const IndicTransliterator engine(0, layout);
    QCOMPARE(engine.isKey(text), expected);
    if (!text.isEmpty() && !text.at(0).isNumber())
        QCOMPARE(engine.keysForKeyboard().contains(text), expected);
}

void TestIndicTransliterator::keyTables()
{
    IndicTransliterator engine;
    const QStringList phonetic = engine.phoneticKeys();
    const QStringList kprao = engine.kpraoKeys();
    const QStringList inscript = engine.inscriptKeys();
    QCOMPARE(phonetic.size(), 67);
    QCOMPARE(kprao.size(), 54);
    QCOMPARE(int(std::size(TransliterationTables::kpraoExtendedKeyList)), 63);
    QCOMPARE(inscript.size(), 71);

    QCOMPARE(phonetic.mid(0, 8), QStringList({"a", "aa", "A", "i", "I", "ee", "u", "U"}));
    QCOMPARE(phonetic.mid(62), QStringList({"h", "L", "Lz", "x", "X"}));
    QCOMPARE(kprao.mid(0, 4), QStringList({"a", "A", "i", "I"}));
    QCOMPARE(kprao.mid(50), QStringList({"Lz", "f", "F", "X"}));
    QCOMPARE(inscript.first(), QStringLiteral("D"));
    QCOMPARE(inscript.at(207 - 184), QStringLiteral("`"));
    QCOMPARE(inscript.at(223 - 184), QStringLiteral("\""));
    QCOMPARE(inscript.last(), QStringLiteral("]"));
    QCOMPARE(QString::fromLatin1(TransliterationTables::kpraoExtendedKeyList[130 - 121]), QStringLiteral("ze"));
    QCOMPARE(QString::fromLatin1(TransliterationTables::kpraoExtendedKeyList[62]), QStringLiteral("zd"));
    QCOMPARE(QSet<QString>(inscript.begin(), inscript.end()).size(), inscript.size());

    // Callers get copies: changing one leaves the engine's list alone.
    QStringList copy = engine.keysForKeyboard();
    copy[0] = QStringLiteral("changed");
    QCOMPARE(engine.phoneticKeys().first(), QStringLiteral("a"));
    QCOMPARE(IndicTransliterator(0, 5).keysForKeyboard(), kprao);
    QCOMPARE(IndicTransliterator(0, 2).keysForKeyboard(), inscript);
    QCOMPARE(IndicTransliterator(0, 3).keysForKeyboard(), phonetic);
}

void TestIndicTransliterator::ruleTables()
{
    using namespace TransliterationTables;
    QCOMPARE(int(std::size(vowelRules)), 81);
    QCOMPARE(vowelRules[0].code, 0);
    QCOMPARE(vowelRules[0].independent, 0x05);
    QCOMPARE(vowelRules[0].sign, -1);
    QCOMPARE(vowelRules[80].code, 137);
    QCOMPARE(vowelRules[80].independent, 0x13);
    QCOMPARE(vowelRules[80].hindiSign, 0x4B);

    QCOMPARE(int(std::size(consonantRules)), 152);
    QCOMPARE(consonantRules[0].code, 19);
    QCOMPARE(consonantRules[0].offset, 0x15);
    QCOMPARE(consonantRules[151].code, 245);
    QCOMPARE(consonantRules[151].tamilOffset, 0x39);

    QCOMPARE(int(std::size(scriptFixups)), 48);
    QCOMPARE(scriptFixups[0].language, 0);
    QCOMPARE(int(scriptFixups[0].from), 0x0CB4);
    QCOMPARE(int(scriptFixups[0].to), 0x0CDE);
    QCOMPARE(int(scriptFixups[31].from), 0x0BC3);
    QCOMPARE(int(scriptFixups[31].to), 0);
    QCOMPARE(scriptFixups[47].language, 8);
    QCOMPARE(int(scriptFixups[47].from), 0x0B82);
    QCOMPARE(int(scriptFixups[47].to), 0x0BAE);

    QCOMPARE(int(std::size(respellings)), 106);
    QCOMPARE(QLatin1String(respellings[0].english), QLatin1String("expectation"));
    QVERIFY(respellings[0].wholeWord);
    QCOMPARE(QLatin1String(respellings[90].keys), QLatin1String("kamyAMD"));
    QVERIFY(!respellings[90].wholeWord);
    QCOMPARE(QLatin1String(respellings[105].english), QLatin1String("adjust"));

    QCOMPARE(IndicTransliterator::scriptBase(0), 0x0C80u);
    QCOMPARE(IndicTransliterator::scriptBase(4), 0x0900u);
    QCOMPARE(IndicTransliterator::scriptBase(8), 0x0B80u);
    QCOMPARE(IndicTransliterator::scriptBase(9), 0u);
    QCOMPARE(IndicTransliterator::scriptBase(-1), 0u);
}

void TestIndicTransliterator::names()
{
    const QStringList expected = {"Phonetic Layout", "KPRao Layout", "InScript Layout",
                                  "InScript Layout", "InScript Layout", "KPRao Layout",
                                  "InScript Layout"};
    for (int layout = 0; layout < expected.size(); ++layout)
        QCOMPARE(IndicTransliterator(0, layout).keyboardName(), expected.at(layout));
    QCOMPARE(IndicTransliterator::languageNames(),
             QStringList({"Kannada", "Telugu", "Malayalam", "Oriya", "Hindi", "Gujarathi",
                          "Bengali", "Gurumukhi", "Tamil", "English"}));
    QCOMPARE(IndicTransliterator::keyboardLayoutNames(),
             QStringList({"Phonetic layout", "KPRao layout", "InScript layout"}));
    QCOMPARE(IndicTransliterator(5, 0).languageName(), QStringLiteral("Gujarati"));
    QCOMPARE(IndicTransliterator(12, 0).languageName(), QString());
}

// Arbitrary text with any language and layout index, in range or not, gives
// some output and reads nothing out of bounds (run under a sanitizer).
void TestIndicTransliterator::anyInputAnyIndex()
{
    QRandomGenerator random(20241210);
    const char16_t pool[] = {u'a', u'k', u'O', u'M', u'F', u'f', u'#', u'n', u'z', u' ', u'9',
                             0x00B2, 0x00A0, 0x0C95, 0x0CCD, 0x0B95, 0x200C, 0x200D, 0xD83D, 0xDE00};
    for (int round = 0; round < 300; ++round) {
        QString text;
        const int length = random.bounded(1, 12);
        for (int i = 0; i < length; ++i)
            text += QChar(pool[random.bounded(int(std::size(pool)))]);
        const int language = random.bounded(-2, 12);
        const int layout = random.bounded(-2, 8);
        IndicTransliterator engine;
        const QString typed = engine.convert(text, language, layout);
        const QString mixed = engine.convertMixed(text, language, layout);
        if (language < 0 || language > 8) {
            QCOMPARE(typed, text);
            QCOMPARE(mixed, text);
        }
        // Characters that are neither keys, digits nor Indic letters survive.
        for (char16_t kept : {char16_t(0x00B2), char16_t(0x00A0), char16_t(0x200C), char16_t(0xD83D)}) {
            if (text.contains(QChar(kept)))
                QVERIFY2(mixed.contains(QChar(kept)), qPrintable(hexCodes(text)));
        }
    }
}

void TestIndicTransliterator::randomTypingPlacesViramaAndRepha_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");

    for (int language : {0, 4, 8}) {
        QTest::addRow("KPRao, language %d", language) << language << 1;
        QTest::addRow("InScript, language %d", language) << language << 2;
    }
}

// Seeded random key sequences, converted after every key as the editor
// does: no virama ever follows anything but a consonant, and the
// arkavattu key either puts its repha in front of a whole consonant
// cluster or is kept as typed.
void TestIndicTransliterator::randomTypingPlacesViramaAndRepha()
{
    QFETCH(int, language);
    QFETCH(int, layout);

    IndicTransliterator engine;
    const QStringList keys = layout == 1 ? engine.kpraoKeys() : engine.inscriptKeys();
    const QString halant = QLatin1String(layout == 1 ? "f" : "d");
    const QString arkavattu = QLatin1String(layout == 1 ? "F" : "#");
    const char16_t base = char16_t(IndicTransliterator::scriptBase(language));
    QRandomGenerator random(quint32(1000 * language + layout));
    for (int round = 0; round < 2000; ++round) {
        QString typed;
        QString before;
        for (const QString &key : TypingChecks::randomKeys(random, keys, halant, arkavattu)) {
            const QString after = engine.convert(typed + key, language, layout);
            QString fault = TypingChecks::viramaWithoutConsonant(after, base);
            if (fault.isEmpty() && key == arkavattu)
                fault = TypingChecks::misplacedRepha(before, after, key, base);
            QVERIFY2(fault.isEmpty(), qPrintable(typed + key + QLatin1String(": ") + fault));
            typed += key;
            before = after;
        }
    }
}

void TestIndicTransliterator::outputIsAssigned_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QStringList>("keys");

    IndicTransliterator engine;
    QStringList extended;
    for (const char *key : TransliterationTables::kpraoExtendedKeyList)
        extended << QLatin1String(key);
    const QPair<int, QStringList> layouts[] = {
        {0, engine.phoneticKeys()}, {1, engine.kpraoKeys()}, {2, engine.inscriptKeys()},
        {3, engine.phoneticKeys()}, {4, engine.phoneticKeys()}, {5, extended},
    };
    for (int language = 0; language <= 8; ++language) {
        for (const auto &layout : layouts) {
            QTest::addRow("language %d, layout %d", language, layout.first)
                << language << layout.first << layout.second;
        }
    }
}

// Every key of every layout, alone, after a consonant and pressed twice
// after a consonant (vowels as letters and as signs, second presses),
// writes only code points Unicode has assigned in every script: letters a
// script lacks become letters it has, or the key stays as typed.
void TestIndicTransliterator::outputIsAssigned()
{
    QFETCH(int, language);
    QFETCH(int, layout);
    QFETCH(QStringList, keys);

    IndicTransliterator engine;
    for (const QString &key : keys) {
        const QString k = QStringLiteral("k");
        for (const QString &typed : {key, k + key, k + key + key}) {
            const QString text = engine.convert(typed, language, layout);
            for (const QChar c : text)
                QVERIFY2(c.category() != QChar::Other_NotAssigned,
                         qPrintable(typed + QLatin1String(": ") + hexCodes(text)));
        }
    }
}

void TestIndicTransliterator::convertMixedWritesAssignedLetters_data()
{
    QTest::addColumn<int>("language");
    for (int language = 0; language <= 8; ++language)
        QTest::addRow("to language %d", language) << language;
}

// Every letter of the nine blocks, converted to each script, becomes a
// letter Unicode assigns there; one with no counterpart stays as it was.
void TestIndicTransliterator::convertMixedWritesAssignedLetters()
{
    QFETCH(int, language);

    IndicTransliterator engine;
    for (char16_t u = 0x0900; u < 0x0D80; ++u) {
        const QChar c(u);
        if (c.category() == QChar::Other_NotAssigned)
            continue;
        const QString text = engine.convertMixed(QString(c), language, 0);
        for (const QChar out : text)
            QVERIFY2(out.category() != QChar::Other_NotAssigned,
                     qPrintable(hexCodes(QString(c)) + QLatin1String(": ") + hexCodes(text)));
    }
    QCOMPARE(hexCodes(engine.convertMixed(QString(QChar(0x0CB1)), 5, 0)), QStringLiteral("0AB0"));
    QCOMPARE(hexCodes(engine.convertMixed(QString(QChar(0x0D7A)), 0, 0)), QStringLiteral("0D7A"));
}

YAVO_TEST_GUILESS_MAIN(TestIndicTransliterator)
#include "tst_indictransliterator.moc"
