#include "core/sharedsettings.h"
#include "ime/ansi2indicunicode.h"
#include "testmain.h"

class TestAnsiToIndicBase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void keyLists();
    void keyIndexSpace_data();
    void keyIndexSpace();
    void isValidKey_data();
    void isValidKey();
    void isValidKeyAnswersAsTheLists();
    void digitsFollowTheSharedSetting();
    void scriptBase_data();
    void scriptBase();
    void setLanguageAndLayout();
};

void TestAnsiToIndicBase::init()
{
    SharedSettings::setEnglishNumerals(false);
}

void TestAnsiToIndicBase::keyLists()
{
    const ANSI2IndicUnicode converter(0, 0);
    QCOMPARE(converter.phoneticKeys.size(), int(AnsiToIndicBase::PhoneticKeyCount));
    QCOMPARE(converter.kpraoKeys.size(), int(AnsiToIndicBase::KpraoKeyCount));
    QCOMPARE(converter.inscriptKeys.size(), int(AnsiToIndicBase::InscriptKeyCount));
    QCOMPARE(converter.phoneticKeys.size(), 67);
    QCOMPARE(converter.kpraoKeys.size(), 52);
    QCOMPARE(converter.inscriptKeys.size(), 67);

    QCOMPARE(converter.phoneticKeys.mid(0, 8),
             QStringList({"a", "aa", "A", "i", "I", "ee", "u", "U"}));
    QCOMPARE(converter.phoneticKeys.mid(62), QStringList({"h", "L", "Lz", "x", "X"}));
    QCOMPARE(converter.kpraoKeys.mid(0, 4), QStringList({"a", "A", "i", "I"}));
    QCOMPARE(converter.kpraoKeys.mid(47), QStringList({"h", "L", "f", "F", "X"}));
    QCOMPARE(converter.inscriptKeys.mid(0, 4), QStringList({"D", "E", "F", "R"}));
    QCOMPARE(converter.inscriptKeys.mid(62), QStringList({"d", "#", "$", "]", "X"}));

    for (const QStringList *keys : {&converter.phoneticKeys, &converter.kpraoKeys,
                                    &converter.inscriptKeys}) {
        QCOMPARE(QSet<QString>(keys->begin(), keys->end()).size(), keys->size());
    }
}

void TestAnsiToIndicBase::keyIndexSpace_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("keyIndex");

    QTest::newRow("phonetic a") << 0 << "a" << 0;
    QTest::newRow("phonetic H, last vowel key") << 0 << "H" << 18;
    QTest::newRow("phonetic k, first consonant") << 0 << "k" << 19;
    QTest::newRow("phonetic f") << 0 << "f" << 45;
    QTest::newRow("phonetic x, joiner") << 0 << "x" << 65;
    QTest::newRow("KPRao a") << 1 << "a" << 67;
    QTest::newRow("KPRao k") << 1 << "k" << 82;
    QTest::newRow("KPRao L, last consonant") << 1 << "L" << 115;
    QTest::newRow("KPRao f, halant") << 1 << "f" << 116;
    QTest::newRow("KPRao F, arkavattu") << 1 << "F" << 117;
    QTest::newRow("InScript D") << 2 << "D" << 119;
    QTest::newRow("InScript a") << 2 << "a" << 143;
    QTest::newRow("InScript grave accent") << 2 << "`" << 142;
    QTest::newRow("InScript double quote") << 2 << "\"" << 158;
    QTest::newRow("InScript k") << 2 << "k" << 147;
    QTest::newRow("InScript N, last consonant") << 2 << "N" << 180;
    QTest::newRow("InScript d, halant") << 2 << "d" << 181;
    QTest::newRow("InScript X") << 2 << "X" << 185;
}

void TestAnsiToIndicBase::keyIndexSpace()
{
    QFETCH(int, layout);
    QFETCH(QString, key);
    QFETCH(int, keyIndex);

    const ANSI2IndicUnicode converter(0, layout);
    const QStringList *lists[] = {&converter.phoneticKeys, &converter.kpraoKeys,
                                  &converter.inscriptKeys};
    const int bases[] = {AnsiToIndicBase::PhoneticKeyBase, AnsiToIndicBase::KpraoKeyBase,
                         AnsiToIndicBase::InscriptKeyBase};
    QCOMPARE(bases[layout] + lists[layout]->indexOf(key), keyIndex);
}

void TestAnsiToIndicBase::isValidKey_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("layout");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("valid");

    QTest::newRow("empty") << 0 << 0 << "" << false;
    QTest::newRow("digit") << 0 << 1 << "5" << true;
    QTest::newRow("Kannada digit") << 0 << 0 << QStringLiteral("\u0CEB") << true;
    for (int layout = 0; layout <= 3; ++layout) {
        QTest::addRow("OM, Hindi, layout %d", layout) << 4 << layout << "OM" << true;
        QTest::addRow("OM, Kannada, layout %d", layout) << 0 << layout << "OM" << false;
        QTest::addRow("Om, Hindi, layout %d", layout) << 4 << layout << "Om" << false;
        QTest::addRow("X, layout %d", layout) << 0 << layout << "X" << true;
    }
    QTest::newRow("kh, phonetic") << 0 << 0 << "kh" << true;
    QTest::newRow("kh, InScript") << 0 << 2 << "kh" << false;
    QTest::newRow("kh, Phonetic-2") << 0 << 3 << "kh" << true;
    QTest::newRow("kh, layout 7 reads phonetic") << 0 << 7 << "kh" << true;
    QTest::newRow("kh, KPRao") << 0 << 1 << "kh" << false;
    QTest::newRow("F, KPRao") << 0 << 1 << "F" << true;
    QTest::newRow("F, phonetic") << 0 << 0 << "F" << false;
    QTest::newRow("$, InScript") << 0 << 2 << "$" << true;
    QTest::newRow("$, phonetic") << 0 << 0 << "$" << false;
    QTest::newRow("$, KPRao") << 0 << 1 << "$" << false;
    QTest::newRow("matched case-sensitively") << 0 << 0 << "KH" << false;
    QTest::newRow("comma") << 0 << 0 << "," << false;
    QTest::newRow("Tamil k") << 8 << 0 << "k" << true;
    // English and values out of range convert nothing.
    QTest::newRow("English k") << 9 << 0 << "k" << false;
    QTest::newRow("English digit") << 9 << 0 << "5" << false;
    QTest::newRow("language -1") << -1 << 1 << "k" << false;
    QTest::newRow("language 42") << 42 << 2 << "k" << false;
}

void TestAnsiToIndicBase::isValidKey()
{
    QFETCH(int, language);
    QFETCH(int, layout);
    QFETCH(QString, key);
    QFETCH(bool, valid);

    const ANSI2IndicUnicode converter(language, layout);
    QCOMPARE(converter.isValidKey(key), valid);
}

// The keys are looked up through an index: every one- and two-character
// string of printable ASCII (digits aside, which follow the setting) is a
// valid key exactly when the layout's list holds it.
void TestAnsiToIndicBase::isValidKeyAnswersAsTheLists()
{
    QStringList candidates = {QStringLiteral("\u0C95"), QStringLiteral("k\u0C95"),
                              QStringLiteral("kha"), QStringLiteral("aaa")};
    for (char16_t first = 0x20; first < 0x7F; ++first) {
        if (QChar(first).isDigit())
            continue;
        candidates << QString(QChar(first));
        for (char16_t second = 0x20; second < 0x7F; ++second)
            candidates << QString(QChar(first)) + QChar(second);
    }
    for (int layout = 0; layout <= 3; ++layout) {
        const ANSI2IndicUnicode converter(0, layout);
        const QStringList &keys = layout == 1 ? converter.kpraoKeys
            : layout == 2                     ? converter.inscriptKeys
                                              : converter.phoneticKeys;
        for (const QString &candidate : qAsConst(candidates))
            QVERIFY2(converter.isValidKey(candidate) == keys.contains(candidate),
                     qPrintable(QStringLiteral("layout %1, key %2").arg(layout).arg(candidate)));
    }
}

void TestAnsiToIndicBase::digitsFollowTheSharedSetting()
{
    ANSI2IndicUnicode converter(0, 0);
    QVERIFY(converter.isValidKey(QStringLiteral("5")));

    // The other program toggles the setting: the next digit sees it.
    SharedSettings::setEnglishNumerals(true);
    QVERIFY(!converter.isValidKey(QStringLiteral("5")));
    QVERIFY(!converter.isValidKey(QStringLiteral("\u0CEB")));
    QVERIFY(converter.isValidKey(QStringLiteral("k")));

    SharedSettings::setEnglishNumerals(false);
    QVERIFY(converter.isValidKey(QStringLiteral("5")));
}

void TestAnsiToIndicBase::scriptBase_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("base");

    QTest::newRow("Kannada") << 0 << 0x0C80;
    QTest::newRow("Telugu") << 1 << 0x0C00;
    QTest::newRow("Malayalam") << 2 << 0x0D00;
    QTest::newRow("Oriya") << 3 << 0x0B00;
    QTest::newRow("Hindi") << 4 << 0x0900;
    QTest::newRow("Gujarati") << 5 << 0x0A80;
    QTest::newRow("Bengali") << 6 << 0x0980;
    QTest::newRow("Gurmukhi") << 7 << 0x0A00;
    QTest::newRow("Tamil") << 8 << 0x0B80;
    QTest::newRow("English") << 9 << 0;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("far out") << 1000 << 0;
}

void TestAnsiToIndicBase::scriptBase()
{
    QFETCH(int, language);
    QFETCH(int, base);

    QCOMPARE(int(AnsiToIndicBase::scriptBase(language)), base);
    const ANSI2IndicUnicode converter(language, 0);
    QCOMPARE(int(converter.baseCodePoint), base);
    QCOMPARE(converter.language, language);
}

void TestAnsiToIndicBase::setLanguageAndLayout()
{
    ANSI2IndicUnicode converter(0, 5);
    QCOMPARE(converter.keyboardLayout, 5);

    converter.setLanguage(9);
    QCOMPARE(converter.language, 9);
    QCOMPARE(int(converter.baseCodePoint), 0);
    QVERIFY(!converter.isValidKey(QStringLiteral("k")));

    converter.setLanguage(4);
    QCOMPARE(int(converter.baseCodePoint), 0x0900);
    converter.setKeyboardLayout(2);
    QCOMPARE(converter.keyboardLayout, 2);
    QVERIFY(converter.isValidKey(QStringLiteral("#")));
    QCOMPARE(converter.virama(), QChar(0x094D));
}

YAVO_TEST_GUILESS_MAIN(TestAnsiToIndicBase)
#include "tst_ansitoindicbase.moc"
