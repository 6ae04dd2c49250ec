// Nudi text through the whole ANSI-to-Unicode chain: NudiToAnsi, then
// AnsiToUnicode, as the conversion commands use them.

#include "core/ansitounicode.h"
#include "core/nudiglyphtables.h"
#include "core/nuditoansi.h"
#include "core/sharedsettings.h"
#include "glyphcodes.h"
#include "testmain.h"

#include <QHash>
#include <QTextCodec>

#include <random>

namespace {

class TableProbe : public NudiToAnsi
{
public:
    using NudiToAnsi::glyphList;
    using NudiToAnsi::nameList;
    using NudiToAnsi::subjoinedGlyphs;
    using NudiToAnsi::subjoinedNames;
};

// The Unicode each consonant form stands for: the consonant followed by
// the virama (bare form), nothing (inherent a) or the vowel sign of the form,
// in the order of NudiGlyphTables::forms.
constexpr char16_t formSigns[] = {
    0x0CCD, 0, 0x0CBE, 0x0CBF, 0x0CC0, 0x0CC1, 0x0CC2,
    0x0CC3, 0x0CC6, 0x0CC7, 0x0CC8, 0x0CCA, 0x0CCB, 0x0CCC,
};
static_assert(sizeof(formSigns) / sizeof(formSigns[0])
                  == sizeof(NudiGlyphTables::forms) / sizeof(NudiGlyphTables::forms[0]),
              "one sign per form");

QHash<QString, QString> unicodeByName()
{
    using namespace NudiGlyphTables;
    QHash<QString, QString> unicode;
    for (const Sign &sign : signs)
        unicode.insert(QString::fromLatin1(sign.name), QString(QChar(sign.letter)));
    for (const Consonant &consonant : consonants) {
        for (int form = 0; form < int(sizeof(forms) / sizeof(forms[0])); ++form) {
            QString letter(QChar(consonant.letter));
            if (formSigns[form])
                letter += QChar(formSigns[form]);
            unicode.insert(QString::fromLatin1(consonant.name) + QLatin1String(forms[form].suffix), letter);
        }
    }
    return unicode;
}

QString consonantLetter(const QString &name)
{
    if (name == QLatin1String("R"))
        return QString(QChar(0x0CB0));
    for (const NudiGlyphTables::Consonant &consonant : NudiGlyphTables::consonants) {
        if (name == QLatin1String(consonant.name))
            return QString(QChar(consonant.letter));
    }
    return QString();
}

QString throughChain(const QString &nudi, QString *phonetic = nullptr)
{
    NudiToAnsi nudiToAnsi;
    AnsiToUnicode ansiToUnicode;
    const QString latin = nudiToAnsi.convertText(nudi);
    if (phonetic)
        *phonetic = latin;
    return ansiToUnicode.convertText(latin);
}

} // namespace

class TestNudiChain : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void words_data();
    void words();
    void everySyllable();
    void everySubjoinedConsonant();
    void text();
    void windows1252Text();
    void longWord();
    void textIsConvertedWordByWord();
};

void TestNudiChain::init()
{
    SharedSettings::setEnglishNumerals(false);
}

void TestNudiChain::words_data()
{
    QTest::addColumn<QString>("nudi");
    QTest::addColumn<QString>("phonetic");
    QTest::addColumn<QString>("unicode");

    QTest::newRow("ra drawn after") << glyphCodes("50 C0 F0") << "rka" << QStringLiteral("ರ್ಕ");
    QTest::newRow("subjoined after ii") << glyphCodes("51 C3 CC") << "kkii" << QStringLiteral("ಕ್ಕೀ");
    QTest::newRow("halant inside") << glyphCodes("50 EF 50 C0") << "kffka"
                                   << QString(QStringLiteral("ಕ್") + QChar(0x200C) + QStringLiteral("ಕ"));
    QTest::newRow("halant at the end") << glyphCodes("50 EF") << "k" << QStringLiteral("ಕ್");
    QTest::newRow("halant before one glyph") << glyphCodes("50 EF 52") << "kKa" << QStringLiteral("ಕ್ಖ");
    QTest::newRow("subjoined ra") << glyphCodes("50 C0 E6") << "kra" << QStringLiteral("ಕ್ರ");
    QTest::newRow("kSha") << glyphCodes("A5 C0 50 EB C0") << "pakSha" << QStringLiteral("ಪಕ್ಷ");
    QTest::newRow("kShE") << glyphCodes("50 EB C9 C3 AA C0 C4") << "kShEma" << QStringLiteral("ಕ್ಷೇಮ");
    QTest::newRow("kannaDa") << glyphCodes("50 C0 A3 C0 DF 71 C0") << "kannaDa" << QStringLiteral("ಕನ್ನಡ");
    QTest::newRow("namaskAra") << glyphCodes("A3 C0 AA C0 C4 B8 C1 CC 67 C0") << "namaskAra"
                               << QStringLiteral("ನಮಸ್ಕಾರ");
    QTest::newRow("beMgaLUru") << glyphCodes("A8 C9 41 55 C0 BC C0 C6 67 C0 C4") << "beMgaLUru"
                               << QStringLiteral("ಬೆಂಗಳೂರು");
    QTest::newRow("maisUru") << glyphCodes("AA C9 C4 CA B8 C0 C6 67 C0 C4") << "maisUru"
                             << QStringLiteral("ಮೈಸೂರು");
    QTest::newRow("vidyArthi") << glyphCodes("AB 7A C1 E5 79 F0") << "vidyArthi"
                               << QStringLiteral("ವಿದ್ಯಾರ್ಥಿ");
    QTest::newRow("ryAMk") << glyphCodes("41 69 C0 69 C1 F0 41 50 EF") << "ryAMk"
                           << QStringLiteral("ರ್ಯಾಂಕ್");
    QTest::newRow("avagraha") << glyphCodes("50 C0 U+201E") << QStringLiteral("kaಽ") << QStringLiteral("ಕಽ");
    QTest::newRow("digits") << glyphCodes("31 39 39 30") << "1990" << QStringLiteral("೧೯೯೦");
    QTest::newRow("Unicode passes") << QStringLiteral("ಕನ್ನಡ") << QStringLiteral("ಕನ್ನಡ") << QStringLiteral("ಕನ್ನಡ");
    QTest::newRow("lone head stroke stays") << glyphCodes("C0") << QString(QChar(0xC0)) << QString(QChar(0xC0));
}

void TestNudiChain::words()
{
    QFETCH(QString, nudi);
    QFETCH(QString, phonetic);
    QFETCH(QString, unicode);

    QString latin;
    QCOMPARE(throughChain(nudi, &latin), unicode);
    QCOMPARE(latin, phonetic);

    // The conversion worker goes word by word with convertWord.
    NudiToAnsi nudiToAnsi;
    AnsiToUnicode ansiToUnicode;
    QCOMPARE(ansiToUnicode.convertWord(nudiToAnsi.convertWord(nudi)), unicode);
}

void TestNudiChain::everySyllable()
{
    // Each entry of the syllable table, alone, is read as its own name, and
    // the name becomes the letter the table stands for.
    const QHash<QString, QString> unicode = unicodeByName();
    TableProbe tables;
    AnsiToUnicode ansiToUnicode;
    for (int i = 0; i < tables.glyphList.size(); ++i) {
        const QString &name = tables.nameList.at(i);
        const QByteArray where = QByteArray::number(i) + ' ' + name.toLatin1();
        QVERIFY2(unicode.contains(name), where.constData());
        const QString phonetic = tables.convertWord(tables.glyphList.at(i));
        QVERIFY2(phonetic == name, where.constData());
        QVERIFY2(ansiToUnicode.convertWord(phonetic) == unicode.value(name), where.constData());
    }
}

void TestNudiChain::everySubjoinedConsonant()
{
    // na followed by each subjoined glyph: na with the consonant joined
    // below (F0 before it), and nothing for the two silent glyphs.
    TableProbe tables;
    AnsiToUnicode ansiToUnicode;
    for (int i = 0; i < tables.subjoinedGlyphs.size(); ++i) {
        const QChar code = tables.subjoinedGlyphs.at(i);
        const QString &name = tables.subjoinedNames.at(i);
        const QByteArray where = QByteArray::number(code.unicode(), 16) + ' ' + name.toLatin1();
        const QString unicode = ansiToUnicode.convertWord(tables.convertWord(glyphCodes("A3 C0") + code));
        QString expected;
        if (i >= NudiGlyphTables::silentSubjoinedFrom)
            expected = QStringLiteral("ನ");
        else if (code == QChar(0xF0))
            expected = QStringLiteral("ರ್ನ");
        else
            expected = QStringLiteral("ನ್") + consonantLetter(name);
        QVERIFY2(unicode == expected, where.constData());
    }
}

void TestNudiChain::text()
{
    const QString nudi = glyphCodes("50 C0 A3 C0 DF 71 C0 20 20 AA C0 C4 2C 0D 0A 0A 31 39 20 51 C3 CC 0A");
    QCOMPARE(throughChain(nudi), QStringLiteral("ಕನ್ನಡ  ಮ,\r\n\n೧೯ ಕ್ಕೀ\n"));
}

void TestNudiChain::windows1252Text()
{
    // Quotation marks around a word and an avagraha, as the bytes of a Nudi
    // file read either way.
    const QByteArray bytes("\x93\x50\xC0\xA3\xC0\xDF\x71\xC0\x94 \x50\xC0\x84");
    const QString typographic = QTextCodec::codecForName("Windows-1252")->toUnicode(bytes);
    const QString plain = QTextCodec::codecForName("ISO-8859-1")->toUnicode(bytes);

    QCOMPARE(throughChain(typographic), QStringLiteral("“ಕನ್ನಡ” ಕಽ"));
    QCOMPARE(throughChain(plain), QString(QChar(0x93) + QStringLiteral("ಕನ್ನಡ") + QChar(0x94) + QStringLiteral(" ಕಽ")));
}

void TestNudiChain::longWord()
{
    const int syllables = 500000;
    QCOMPARE(throughChain(glyphCodes("50 C0").repeated(syllables)), QStringLiteral("ಕ").repeated(syllables));
}

void TestNudiChain::textIsConvertedWordByWord()
{
    // Random glyph text with the separators in every arrangement: a whole
    // text converts exactly as its lines and words do one by one.
    TableProbe tables;
    std::mt19937 random(7);
    auto pick = [&random](int count) { return int(random() % unsigned(count)); };
    const QString extras = glyphCodes("F0 EF C3 CA C8 F6 2C 31 0D U+201E U+2019 U+0C95 60 5E");
    const QString separators = QStringLiteral("  \n");
    QString text;
    for (int piece = 0; piece < 20000; ++piece) {
        switch (pick(4)) {
        case 0:
            text += separators.at(pick(separators.size()));
            break;
        case 1:
            text += extras.at(pick(extras.size()));
            break;
        case 2:
            text += tables.subjoinedGlyphs.at(pick(tables.subjoinedGlyphs.size()));
            break;
        default:
            text += tables.glyphList.at(pick(tables.glyphList.size()));
            break;
        }
    }

    NudiToAnsi nudiToAnsi;
    AnsiToUnicode ansiToUnicode;
    QStringList phoneticLines;
    QStringList unicodeLines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QStringList phoneticWords;
        QStringList unicodeWords;
        for (const QString &word : line.split(QLatin1Char(' '))) {
            phoneticWords << nudiToAnsi.convertWord(word);
            unicodeWords << ansiToUnicode.convertWord(phoneticWords.last());
        }
        phoneticLines << phoneticWords.join(QLatin1Char(' '));
        unicodeLines << unicodeWords.join(QLatin1Char(' '));
    }
    const QString phonetic = nudiToAnsi.convertText(text);
    QCOMPARE(phonetic, phoneticLines.join(QLatin1Char('\n')));
    QCOMPARE(ansiToUnicode.convertText(phonetic), unicodeLines.join(QLatin1Char('\n')));
}

YAVO_TEST_GUILESS_MAIN(TestNudiChain)
#include "tst_nudichain.moc"
